#include <QCoreApplication>
#include <gtest/gtest.h>

// The socket tests need an event loop but no display.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
