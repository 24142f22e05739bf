// SPDX-License-Identifier: MIT
// The yardstick of the start-up benchmark: a bare Qt Widgets window of the main window's size.
// With the argument "text" it shows one line of text, which costs the start of the font system;
// with "widgets" a label, a button and a list, the kinds of control the main window is made of.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(711, 434);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "text" || mode == "widgets")
        (new QLabel(QStringLiteral("Wortilo"), &window))->move(20, 20);
    if (mode == "widgets") {
        (new QPushButton(QStringLiteral("Lesen"), &window))->setGeometry(20, 60, 120, 30);
        auto *list = new QListWidget(&window);
        list->setGeometry(160, 20, 120, 390);
        for (const char *letter : {"A", "B", "C", "D", "E", "F", "G", "H"})
            list->addItem(QString::fromLatin1(letter));
    }
    window.show();
    return QApplication::exec();
}
