// SPDX-License-Identifier: MIT
// The yardstick of the start-up benchmark: a bare Qt Widgets window of the main window's size.
// With the argument "text" it shows one line of text, which costs the start of the font system.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(711, 434);
    if (argc > 1 && QByteArray(argv[1]) == "text")
        (new QLabel(QStringLiteral("Wortilo"), &window))->move(20, 20);
    window.show();
    return QApplication::exec();
}
