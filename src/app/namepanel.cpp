// SPDX-License-Identifier: MIT
#include "namepanel.h"

#include "core/twips.h"
#include "session/session.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"

#include <QLineEdit>
#include <QPushButton>

namespace wortilo {

NamePanel::NamePanel(Session &session, QWidget *parent)
    : MenuPanel(QStringLiteral("Picture6"), QSize(5055, 2055), parent), m_session(session)
{
    const QFont bold = verdana(9.75);
    addLabel(this, QStringLiteral("Label9"), QStringLiteral("Gib jetzt einen neuen Namen ein:"),
             QRect(240, 240, 4575, 375), bold);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(QStringLiteral("Neuer Name"));
    m_text->setGeometry(twipsRect(240, 720, 4575, 495));
    m_text->setFont(verdana(12));
    QPalette light = m_text->palette();
    light.setColor(QPalette::Base, QColor(192, 255, 255));
    m_text->setPalette(light);
    addCloseButton(QStringLiteral("Command24"), QStringLiteral("Abbruch"), QRect(240, 1380, 1455, 495), bold);
    auto *done = addButton(this, QStringLiteral("Command25"), QStringLiteral("Fertig!"), QRect(3360, 1380, 1455, 495), bold);
    connect(done, &QPushButton::clicked, this, [this] {
        Q_EMIT closeRequested();
        m_session.confirmName(m_text->text());
    });
    connect(m_text, &QLineEdit::returnPressed, done, &QPushButton::click);
}

void NamePanel::startEditing()
{
    m_text->setFocus();
    m_text->setText(m_session.playerName());
    m_text->selectAll();
}

} // namespace wortilo
