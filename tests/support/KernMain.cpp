#include "TestRunner.h"

#include <QGuiApplication>

// The core's tests: no widget exists in this program.
int main(int argc, char **argv) {
    QGuiApplication application(argc, argv);
    return TestRunner::voerUit(argc, argv);
}
