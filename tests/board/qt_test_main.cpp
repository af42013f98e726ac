#include <QCoreApplication>

#include <gtest/gtest.h>

// The Qt port needs an application object for its notifiers and queued calls.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
