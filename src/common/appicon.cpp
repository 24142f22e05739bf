// SPDX-License-Identifier: MIT
#include "appicon.h"

#include <QPixmap>

namespace wortilo {

namespace {
const QString kIcon = QStringLiteral(":/wortilo/icon.png");
}

QPixmap appInitial(int pixels)
{
    return QPixmap(kIcon).scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QIcon appIcon()
{
    static const QIcon icon(kIcon);
    return icon;
}

} // namespace wortilo
