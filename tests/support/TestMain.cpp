#include <QApplication>

#include <gtest/gtest.h>

// Every test binary runs with a widget application, so that model, engine
// and widget tests share one main.
int main(int argc, char** argv) {
    // Tests never need a display, also when ctest lists them.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
