// SPDX-License-Identifier: MIT
// The yardstick of the start-up benchmark: a bare Qt Widgets window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(711, 434);
    window.show();
    return QApplication::exec();
}
