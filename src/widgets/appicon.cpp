// SPDX-License-Identifier: MIT
#include "appicon.h"

#include <QImageReader>
#include <QPixmap>

namespace wortilo {

namespace {
constexpr int kSizes[] = {16, 32, 48, 64};

// Read as PNG without asking the image format plugins first, which would load them all before
// the first window is on screen.
QPixmap iconPixmap(int size)
{
    QImageReader reader(QStringLiteral(":/wortilo/icon-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
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
    const QPixmap pm = iconPixmap(size);
    return size == pixels ? pm : pm.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QIcon appIcon()
{
    static const QIcon icon = [] {
        // From pixmaps: a file name would make QIcon look for an icon engine plugin first.
        QIcon i;
        for (int size : kSizes)
            i.addPixmap(iconPixmap(size));
        return i;
    }();
    return icon;
}

} // namespace wortilo
