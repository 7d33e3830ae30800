#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream(stderr) << "usage: orvo-cal dump|canonical|fit|formula ...\n";
    return 2;
}
