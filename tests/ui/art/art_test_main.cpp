#include <QApplication>

#include <gtest/gtest.h>

// Drawing text and widgets needs an application object. CTest selects the offscreen platform
// for the runs, but not when it lists the cases at build time, so default to it here too.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
