#include "TestRunner.h"

#include <QApplication>

// The tests of the windows.
int main(int argc, char **argv) {
    QApplication application(argc, argv);
    return TestRunner::voerUit(argc, argv);
}
