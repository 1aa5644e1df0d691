// The entry of the Qt tests: one QApplication for every test, on the offscreen platform
// unless the caller chose another.

#include <QApplication>
#include <clocale>

#include <gtest/gtest.h>

#include "app/Programmstart.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    quodral::kernStarten();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
