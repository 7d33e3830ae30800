#include <QCoreApplication>

#include <gtest/gtest.h>

// Model, regression, host and command-line tests run without widgets, so
// that linking proves they need none.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
