// SPDX-License-Identifier: MIT
#include "appicon.h"

#include <QPixmap>

namespace wortilo {

namespace {
constexpr int kSizes[] = {16, 32, 48, 64};

QString iconFile(int size)
{
    return QStringLiteral(":/wortilo/icon-%1.png").arg(size);
}
} // namespace

QPixmap appInitial(int pixels)
{
    // The smallest bundled size that is at least as large, so little is decoded at start-up.
    int size = kSizes[std::size(kSizes) - 1];
    for (int s : kSizes)
        if (s >= pixels) {
            size = s;
            break;
        }
    const QPixmap pm(iconFile(size));
    return size == pixels ? pm : pm.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QIcon appIcon()
{
    static const QIcon icon = [] {
        // From pixmaps: a file name would make QIcon look for an icon engine plugin first.
        QIcon i;
        for (int size : kSizes)
            i.addPixmap(QPixmap(iconFile(size)));
        return i;
    }();
    return icon;
}

} // namespace wortilo
