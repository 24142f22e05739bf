// SPDX-License-Identifier: MIT
#include "menupanel.h"

#include "core/twips.h"
#include "widgets/controls.h"

#include <QPushButton>

namespace wortilo {

MenuPanel::MenuPanel(const QString &name, QSize twips, QWidget *parent) : QFrame(parent)
{
    setObjectName(name);
    resize(twipsSize(twips.width(), twips.height()));
    fillBackground(this, QColor(128, 255, 255));
}

QPushButton *MenuPanel::addCloseButton(const QString &name, const QString &caption, const QRect &twips,
                                       const QFont &font)
{
    QPushButton *button = addButton(this, name, caption, twips, font);
    connect(button, &QPushButton::clicked, this, &MenuPanel::closeRequested);
    return button;
}

} // namespace wortilo
