// SPDX-License-Identifier: MIT
#include "qtmessages.h"

#include "appicon.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace wortilo {

QString messageDisplayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(kCr, QChar(u'\n'));
    return shown;
}

Messages::Answer QtMessages::show(const QString &caption, const QString &text, Buttons buttons,
                                  Answer defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, caption, messageDisplayText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setWindowIcon(appIcon());
    box.setTextFormat(Qt::PlainText);
    if (buttons == Buttons::Ok) {
        box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
        box.exec();
        return Answer::Ok;
    }
    QPushButton *yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(defaultButton == Answer::No ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == no ? Answer::No : Answer::Yes;
}

} // namespace wortilo
