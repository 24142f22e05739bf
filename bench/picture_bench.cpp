// SPDX-License-Identifier: MIT
// Times what a new word costs the exercise frame: loading a picture and rendering it into the
// 353 × 257 pixel landscape frame, for every picture of a folder (default: the bundled one),
// for a large generated photo, and for hostile headers that must be refused at once.
// Targets: a bundled picture under 20 ms, a 2000 × 1500 JPEG under 100 ms, a hostile header
// under 1 ms.
#include "pictures/picture.h"
#include "timing.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

using wortilo::Picture;

namespace {


QByteArray largeJpeg()
{
    QImage image(2000, 1500, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient gradient(0, 0, 2000, 1500);
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::yellow);
    p.fillRect(image.rect(), gradient);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

QByteArray bmpBomb()
{
    QByteArray bmp(54, 0);
    auto put = [&bmp](int offset, quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            bmp[offset + i] = char((value >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, 60000, 4);
    put(22, 60000, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    return bmp;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const QSize frame(353, 257);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(WORTILO_BILDER);

    double worst = 0;
    QString worstName;
    int count = 0;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.bmp"), QStringLiteral("*.jpg"),
                                              QStringLiteral("*.gif"), QStringLiteral("*.wmf")},
                                             QDir::Files)) {
        const QString path = dir.filePath(name);
        const double ms = bestOf(3, [&] { Picture::load(path).render(frame); });
        ++count;
        if (ms > worst) {
            worst = ms;
            worstName = name;
        }
    }
    out << "bundled pictures: " << count << ", slowest " << worstName << " " << worst << " ms (target 20 ms)"
        << Qt::endl;

    const QByteArray jpeg = largeJpeg();
    out << "2000 x 1500 JPEG: " << bestOf(5, [&] { Picture::fromData(jpeg).render(frame); })
        << " ms (target 100 ms)" << Qt::endl;

    const QByteArray bomb = bmpBomb();
    out << "BMP header claiming 60000 x 60000: " << bestOf(20, [&] { Picture::fromData(bomb); })
        << " ms (target 1 ms)" << Qt::endl;
    return 0;
}
