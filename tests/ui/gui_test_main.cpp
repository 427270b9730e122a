// Runs the desktop program's tests inside a Qt application on the offscreen
// platform, with Qt windows.
#include <QApplication>
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/qt/qt_window_host.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    tallyx::QtWindowFactory factory;
    tallyx::SetWindowFactory(&factory);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
