// SPDX-License-Identifier: MIT
// Times what a new word costs the exercise frame: loading a picture and rendering it into the
// 353 × 257 pixel landscape frame, for every picture of a folder (default: the bundled one),
// for generated phone photos (1, 24 and 48 megapixels, read from a file as a new word is), and
// for hostile headers that must be refused at once.
// Targets: a bundled picture under 20 ms, a 2000 × 1500 JPEG under 100 ms, the median new word
// under 16 ms for a 1-MP photo and under 150 ms for a 48-MP one, a hostile header under 1 ms.
#include "photo.h"
#include "pictures/picture.h"
#include "timing.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <vector>

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

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The medians of several runs, in milliseconds: the time a child waits for a new word, and the
// processor time it took (which other work on the machine does not lengthen).
struct Medians {
    double wall;
    double cpu;
};
template <class F> Medians medianOf(int runs, F &&f)
{
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        const double cpuStart = cpuMs();
        t.start();
        f();
        wall.push_back(t.nsecsElapsed() / 1e6);
        cpu.push_back(cpuMs() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
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

    QTemporaryDir photos;
    struct Photo { const char *name; QSize size; int runs; double targetMs; };
    for (const Photo &photo : {Photo{"1-MP", QSize(1155, 866), 21, 16}, Photo{"24-MP", QSize(6000, 4000), 7, -1},
                               Photo{"48-MP", QSize(8000, 6000), 7, 150}}) {
        const QString path = photos.filePath(QStringLiteral("dasFoto.jpg"));
        const QByteArray bytes = photoJpeg(photo.size.width(), photo.size.height());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
        file.close();
        bool shown = false;
        const Medians ms = medianOf(photo.runs, [&] {
            const Picture picture = Picture::load(path);
            shown = !picture.render(picture.isLandscape() ? frame : frame.transposed()).isNull();
        });
        out << photo.name << " JPEG " << photo.size.width() << " x " << photo.size.height() << " ("
            << bytes.size() / 1024 << " KiB): median " << ms.wall << " ms (processor " << ms.cpu << " ms)"
            << (shown ? "" : " (refused: placeholder)");
        if (photo.targetMs > 0)
            out << " (target " << photo.targetMs << " ms)";
        out << Qt::endl;
    }

    const QByteArray bomb = bmpBomb();
    out << "BMP header claiming 60000 x 60000: " << bestOf(20, [&] { Picture::fromData(bomb); })
        << " ms (target 1 ms)" << Qt::endl;
    return 0;
}
