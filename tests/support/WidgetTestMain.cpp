#include <QApplication>

#include <gtest/gtest.h>

// View tests run with a widget application.
int main(int argc, char** argv) {
    // Tests never need a display, also when ctest lists them.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
