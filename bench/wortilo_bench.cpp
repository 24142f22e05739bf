// SPDX-License-Identifier: MIT
// Wortilo's benchmarks as one table: start-up against a bare Qt window of the same size (in
// this process, and from process start to the first paint), peak memory, presenting a new word,
// the German sorted insert, the slowest metafile of the regression set, and building a Memory
// board and a letter carpet. One function per row; run under an X server (bench/run.sh
// starts Xvfb). With --compare PROGRAM, the start-up and memory rows are measured for another
// build of wortilo too, interleaved in the same run.
#include "app/form1.h"
#include "app/translations.h"
#include "core/clock.h"
#include "core/germantext.h"
#include "core/messages.h"
#include "exercises/wordframe.h"
#include "firstpaint.h"
#include "games/abc/form8.h"
#include "games/memory/memorygame.h"
#include "games/teppich/carpetgame.h"
#include "photo.h"
#include "pictures/folder.h"
#include "session/session.h"
#include "silent.h"
#include "slowfiles.h"
#include "speech/voicespeaker.h"
#include "timing.h"
#include "widgets/appicon.h"
#include "widgets/fonts.h"
#include "widgets/pictureframe.h"
#include "wmf/metafile.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QPushButton>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <sndfile.h>
#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <vector>

using namespace wortilo;

namespace {

constexpr int kStartRounds = 15;  // interleaved rounds of start-up, after one that is not counted
constexpr int kNewWordRuns = 40;  // new words per picture, after one that is not counted
constexpr int kControls = -2;     // the start-up case of the bare window with a label, a button and a list
const QSize kLandscape(353, 257);

// One line of the table. Figures without a bare-window counterpart leave bare and ratio empty.
struct Row {
    QString what, result, bare, ratio, target;
    std::optional<bool> met;
};

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

QString ms(double value)
{
    return QString::number(value, 'f', value < 10 ? 1 : 0) + QStringLiteral(" ms");
}

QString mib(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" MiB");
}

QString ratioText(double ratio)
{
    return QString::number(ratio, 'f', 2) + u'×';
}

QString count(int n)
{
    return QLocale(QLocale::English).toString(n);
}

// The processor time of this thread so far, which other work on the machine does not lengthen.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// ---- Picture folders --------------------------------------------------------------------------

// The number of word pictures in the bundled folder (besides them it holds WORTILO.INI and LIZENZ.txt).
int bundledWords()
{
    static const int n = int(QDir(QStringLiteral(WORTILO_BILDER))
                                 .entryList({QStringLiteral("*.bmp"), QStringLiteral("*.jpg"), QStringLiteral("*.gif"),
                                             QStringLiteral("*.wmf")},
                                            QDir::Files)
                                 .size());
    return n;
}

// The folders start-up is measured with: the bundled one, and two of empty files.
std::vector<int> folderSizes()
{
    return {bundledWords(), 1000, 10000};
}

// The bundled pictures, or n empty files with valid word names (derWortAAB.bmp ...):
// nothing is decoded at start-up, so their content does not matter. Each folder gets the bundled
// WORTILO.INI, with every letter selected.
QString makeFolder(const QTemporaryDir &root, int n)
{
    const QDir bundled(QStringLiteral(WORTILO_BILDER));
    const QString path = root.filePath(QStringLiteral("bilder-%1").arg(n));
    QDir().mkpath(path);
    const QDir dir(path);
    if (n == bundledWords()) {
        for (const QString &name : bundled.entryList(QDir::Files))
            QFile::copy(bundled.filePath(name), dir.filePath(name));
        return path;
    }
    QFile::copy(bundled.filePath(QStringLiteral("WORTILO.INI")), dir.filePath(QStringLiteral("WORTILO.INI")));
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ");
    const char *const articles[] = {"der", "die", "das"};
    const char *const extensions[] = {".bmp", ".jpg", ".gif", ".wmf"};
    for (int i = 0; i < n; ++i) {
        const qsizetype l = letters.size();
        const QString name = QString::fromLatin1(articles[i % 3]) + QStringLiteral("Wort") + letters[i / (l * l) % l]
                             + letters[i / l % l] + letters[i % l] + QString::fromLatin1(extensions[i % 4]);
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    }
    return path;
}

// ---- Start-up ---------------------------------------------------------------------------------

// Shows a window and returns once its first paint is done (or after 10 s).
void showAndWaitForPaint(QWidget &window)
{
    struct PaintSpy : QObject {
        bool painted = false;
        bool eventFilter(QObject *, QEvent *event) override
        {
            painted |= event->type() == QEvent::Paint;
            return false;
        }
    } spy;
    window.installEventFilter(&spy);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!spy.painted && waited.elapsed() < 10000) {
        QTimer::singleShot(50, [] {}); // wakes the wait below if nothing else does
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    window.removeEventFilter(&spy);
}

// The start-up of one case, timed in this process: from making the session to the main window's
// first paint; for the bare window, from making it to its first paint. Wall and processor time.
std::pair<double, double> startInProcess(const QString &folder)
{
    const double cpuStart = threadCpuMs();
    QElapsedTimer t;
    t.start();
    if (folder.isEmpty()) {
        QWidget bare;
        bare.resize(711, 434);
        showAndWaitForPaint(bare);
        return {t.nsecsElapsed() / 1e6, threadCpuMs() - cpuStart};
    }
    SilentMessages messages;
    SystemClock clock;
    Session session(messages, folder, clock);
    Form1 menu(session);
    menu.startUp();
    showAndWaitForPaint(menu);
    return {t.nsecsElapsed() / 1e6, threadCpuMs() - cpuStart};
}

// The ratio of the wall times (medians), with that of the processor times beside it.
QString ratios(const std::vector<double> &wall, const std::vector<double> &cpu, const std::vector<double> &bareWall,
               const std::vector<double> &bareCpu)
{
    return QStringLiteral("%1 (CPU %2)")
        .arg(ratioText(median(wall) / median(bareWall)), ratioText(median(cpu) / median(bareCpu)));
}

// What the start-up rows are made of, measured once for all of them.
struct StartUp {
    struct Case {
        Case(const QString &program, const QString &folder, int pictures, bool compared = false,
             const QStringList &arguments = {})
            : program(program), arguments(arguments), folder(folder), pictures(pictures), compared(compared)
        {
        }
        QString program; // the bare window's or a wortilo build
        QStringList arguments;
        QString folder;   // empty for the bare window
        int pictures;     // the bare window: 0, with a line of text: -1
        bool compared;    // the build given with --compare
        std::vector<double> inProcess, inProcessCpu, mapped, painted, cpu, peakMiB;
    };
    std::vector<Case> cases; // the bare window first
    const Case &bare() const { return cases.front(); }
    const Case &find(int pictures, bool compared) const
    {
        for (const Case &c : cases)
            if (c.pictures == pictures && c.compared == compared)
                return c;
        return bare();
    }
};

StartUp measureStartUp(const QTemporaryDir &root, const QString &compareWith)
{
    StartUp s;
    const QString bare = QStringLiteral(BAREWINDOW_PROGRAM), wortilo = QStringLiteral(WORTILO_PROGRAM);
    s.cases.emplace_back(bare, QString(), 0);
    s.cases.emplace_back(bare, QString(), -1, false, QStringList{QStringLiteral("text")});
    s.cases.emplace_back(bare, QString(), kControls, false, QStringList{QStringLiteral("widgets")});
    for (int n : folderSizes()) {
        const QString folder = makeFolder(root, n);
        s.cases.emplace_back(wortilo, folder, n);
        if (!compareWith.isEmpty())
            s.cases.emplace_back(compareWith, folder, n, true);
    }
    // Interleaved rounds (bare, bundled, 1000, 10000, bare, ...), so that whatever else the machine does
    // falls on every case alike; the first round warms the caches and is not counted.
    for (int round = 0; round <= kStartRounds; ++round)
        for (StartUp::Case &c : s.cases)
            if (!c.compared && c.pictures >= 0) {
                const auto [wall, cpu] = startInProcess(c.folder);
                if (round > 0) {
                    c.inProcess.push_back(wall);
                    c.inProcessCpu.push_back(cpu);
                }
            }
    FirstPaintWatcher watcher;
    if (!watcher.isValid()) {
        QTextStream(stderr) << "No X server with the Damage extension: start-up to first paint not measured\n";
        return s;
    }
    for (int round = 0; round <= kStartRounds; ++round)
        for (StartUp::Case &c : s.cases) {
            const FirstPaintWatcher::Launch launch =
                watcher.launch(c.program, c.arguments, c.folder.isEmpty() ? root.path() : c.folder);
            if (!launch.ok)
                QTextStream(stderr) << "No first paint: " << c.program << " in " << c.folder << '\n';
            else if (round > 0) {
                c.cpu.push_back(launch.cpuMs);
                c.mapped.push_back(launch.mappedMs);
                c.painted.push_back(launch.paintedMs);
                c.peakMiB.push_back(launch.peakMiB);
            }
        }
    return s;
}

QString label(int pictures, bool compared)
{
    if (pictures == kControls)
        return QStringLiteral("bare window with a label, a button and a list");
    if (pictures < 0)
        return QStringLiteral("bare window with one line of text (for the font system's start)");
    return count(pictures) + QStringLiteral(" pictures") + (compared ? QStringLiteral(" (compared build)") : QString());
}

// The processor time is given too: it is what other work on the machine does not lengthen.
Row startUpInProcess(const StartUp &s, int pictures)
{
    auto figure = [](const StartUp::Case &c) {
        return QStringLiteral("%1 (CPU %2)").arg(ms(median(c.inProcess)), ms(median(c.inProcessCpu)));
    };
    const StartUp::Case &c = s.find(pictures, false);
    return {QStringLiteral("start-up in process, ") + label(pictures, false), figure(c), figure(s.bare()),
            ratios(c.inProcess, c.inProcessCpu, s.bare().inProcess, s.bare().inProcessCpu), QString(), std::nullopt};
}

// The processor time the process took until the first paint is given too. Mapped: until its
// window is mapped, before anything is drawn in it. The targets stand in the rows beside the bare
// window with a label, a button and a list.
Row startUpFromProcess(const StartUp &s, int pictures, bool compared, bool mapped)
{
    const auto times = [mapped](const StartUp::Case &c) -> const std::vector<double> & {
        return mapped ? c.mapped : c.painted;
    };
    const StartUp::Case &c = s.find(pictures, compared);
    const double wortilo = median(times(c)), bare = median(times(s.bare()));
    auto figure = [&](const StartUp::Case &c) {
        return mapped ? ms(median(times(c)))
                      : QStringLiteral("%1 (CPU %2)").arg(ms(median(times(c))), ms(median(c.cpu)));
    };
    return {QStringLiteral("process start to ") + (mapped ? QStringLiteral("window mapped, ") : QStringLiteral("first paint, "))
                + label(pictures, compared),
            figure(c), figure(s.bare()),
            mapped ? ratioText(wortilo / bare) : ratios(c.painted, c.cpu, s.bare().painted, s.bare().cpu), QString(),
            std::nullopt};
}

Row peakMemory(const StartUp &s, int pictures, bool compared)
{
    const double wortilo = median(s.find(pictures, compared).peakMiB), bare = median(s.bare().peakMiB);
    Row row{QStringLiteral("peak memory once painted, ") + label(pictures, compared),
            mib(wortilo), mib(bare), ratioText(wortilo / bare), QString(), std::nullopt};
    if (pictures > 0) {
        row.target = QStringLiteral("≤ 1.30×");
        row.met = wortilo / bare <= 1.3;
    }
    return row;
}

// Start-up to the first paint and the peak memory, beside the bare window with a label, a button
// and a list (the kinds of control the main window is made of).
Row startUpBesideControls(const StartUp &s, int pictures)
{
    const StartUp::Case &c = s.find(pictures, false), &bare = s.find(kControls, false);
    const double target = pictures == 1000 ? 1.05 : 1.2;
    const auto figure = [](const StartUp::Case &c) {
        return QStringLiteral("%1 (CPU %2)").arg(ms(median(c.painted)), ms(median(c.cpu)));
    };
    return {QStringLiteral("process start to first paint, ") + label(pictures, false) + QStringLiteral(", beside the ")
                + label(kControls, false),
            figure(c), figure(bare), ratios(c.painted, c.cpu, bare.painted, bare.cpu),
            QStringLiteral("≤ ") + ratioText(target), median(c.painted) / median(bare.painted) <= target};
}

Row peakMemoryBesideControls(const StartUp &s, int pictures)
{
    const double wortilo = median(s.find(pictures, false).peakMiB), bare = median(s.find(kControls, false).peakMiB);
    return {QStringLiteral("peak memory once painted, ") + label(pictures, false) + QStringLiteral(", beside the ")
                + label(kControls, false),
            mib(wortilo), mib(bare), ratioText(wortilo / bare), QStringLiteral("≤ 1.30×"), wortilo / bare <= 1.3};
}

// The reading exercise over the bundled pictures, thirty words with the next picture decoded
// ahead each time (bench/aheadwindow), beside the bare window with a label, a button and a list.
Row peakMemoryDecodingAhead(const StartUp &s, const QTemporaryDir &root)
{
    const QString folder = makeFolder(root, bundledWords());
    std::vector<double> peaks;
    for (int round = 0; round < 3; ++round) {
        QProcess ahead;
        ahead.setWorkingDirectory(folder);
        ahead.start(QStringLiteral(AHEADWINDOW_PROGRAM), {});
        if (ahead.waitForFinished(60000) && ahead.exitCode() == 0)
            peaks.push_back(ahead.readAllStandardOutput().trimmed().toDouble());
    }
    const double wortilo = median(peaks), bare = median(s.find(kControls, false).peakMiB);
    return {QStringLiteral("peak memory while pictures are decoded ahead, 30 words of the reading exercise (bilder/), "
                           "beside the ")
                + label(kControls, false),
            mib(wortilo), mib(bare), ratioText(wortilo / bare), QStringLiteral("≤ 1.30×"),
            !peaks.empty() && wortilo / bare <= 1.3};
}

// ---- Presenting a new word --------------------------------------------------------------------

// A new word in the exercise frame, as ">>" shows it half a second after the previous one:
// neueswort (draw, hand over the picture decoded meanwhile, fit it) and wortzeigen (the strip),
// then the picture as its frame paints it. The folder holds four copies of the picture; median
// and worst of kNewWordRuns.
Row newWord(const QString &what, const QString &extension, const QByteArray &bytes)
{
    QTemporaryDir dir;
    for (const char *noun : {"Bild", "Foto", "Hund", "Katze"}) {
        QFile file(dir.filePath(QStringLiteral("das") + QString::fromLatin1(noun) + extension));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {what, QStringLiteral("could not write the picture"), {}, {}, {}, false};
    }
    SilentMessages messages;
    SystemClock clock;
    Session session(messages, dir.path(), clock);
    session.bildersuchen();
    session.loadWords();
    WordFrame frame(session, StripStyle::Spaced);
    frame.setShownSizes(kLandscape, kLandscape.transposed());
    bool shown = true;
    auto present = [&] {
        frame.presentNewWord();
        for (int waited = 0; frame.loader().isEmpty() && waited < 10000; ++waited)
            runFor(1);
        const bool landscape = frame.portraitFrame().isEmpty();
        const Picture &picture = landscape ? frame.landscapeFrame() : frame.portraitFrame();
        const QSize size = landscape ? kLandscape : kLandscape.transposed();
        const std::optional<QImage> ahead = picture.renderingAt(size);
        shown &= !(ahead ? *ahead : picture.render(size)).isNull();
    };
    present(); // the first one loads the image format plugins
    std::vector<double> times, cpu;
    for (int i = 0; i < kNewWordRuns; ++i) {
        runFor(500);
        const double cpuStart = threadCpuMs();
        QElapsedTimer t;
        t.start();
        present();
        times.push_back(t.nsecsElapsed() / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    const double med = median(times), worst = *std::max_element(times.begin(), times.end());
    Row row{what,
            QStringLiteral("median %1, worst %2 (CPU %3)").arg(ms(med), ms(worst), ms(median(cpu))),
            {}, {}, QStringLiteral("median < 16 ms, worst < 40 ms"), shown && med < 16 && worst < 40};
    if (!shown)
        row.result += QStringLiteral(" (not shown!)");
    return row;
}

Row newWordPhoto(const char *megapixels, QSize size)
{
    const QString what = QStringLiteral("new word, %1-MP JPEG (%2 × %3)")
                             .arg(QString::fromLatin1(megapixels))
                             .arg(size.width())
                             .arg(size.height());
    return newWord(what, QStringLiteral(".jpg"), photoJpeg(size.width(), size.height()));
}

// What decoding alone costs, Qt's JPEG reader shrinking the photo by 8 as the picture service
// asks it to: the part of a new word no program code around the decoder can save.
Row decodeOnlyPhoto(QSize size)
{
    const QByteArray bytes = photoJpeg(size.width(), size.height());
    std::vector<double> times;
    for (int i = 0; i <= kNewWordRuns / 4; ++i) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "jpeg");
        reader.setScaledSize(size / 8);
        QElapsedTimer t;
        t.start();
        const QImage image = reader.read();
        if (i > 0) // the first one loads the plugin
            times.push_back(t.nsecsElapsed() / 1e6);
    }
    return {QStringLiteral("the decoding alone, %1 × %2 JPEG shrunk by 8").arg(size.width()).arg(size.height()),
            QStringLiteral("median %1").arg(ms(median(times))), {}, {}, {}, std::nullopt};
}

// ---- A B C ------------------------------------------------------------------------------------

// "N e u" in A B C over five 24-megapixel photos: how long the click holds the window, and how
// long an input event waits at worst while the five are decoded and fill their slots. Worst of
// ten sets.
Row abcNewSet()
{
    QTemporaryDir dir;
    const QByteArray photo = photoJpeg(6000, 4000);
    for (const char *noun : {"Affe", "Baum", "Dach", "Esel", "Fisch"}) {
        QFile file(dir.filePath(QStringLiteral("der") + QString::fromLatin1(noun) + QStringLiteral(".jpg")));
        if (!file.open(QIODevice::WriteOnly) || file.write(photo) != photo.size())
            return {QStringLiteral("A B C"), QStringLiteral("could not write the pictures"), {}, {}, {}, false};
    }
    SilentMessages messages;
    SystemClock clock;
    Session session(messages, dir.path(), clock);
    session.bildersuchen();
    session.loadWords();
    Staying navigation;
    Form8 window(session, navigation);
    showAndWaitForPaint(window);
    auto *next = window.findChild<QPushButton *>(QStringLiteral("Command2"));
    const QList<PictureFrame *> slots = window.findChildren<PictureFrame *>();
    const auto filled = [&] {
        return std::all_of(slots.begin(), slots.end(), [](const PictureFrame *slot) { return slot->picture().isLoaded(); });
    };
    std::vector<double> clicks, waits;
    for (int round = 0; round <= 10; ++round) {
        runFor(300);
        QElapsedTimer t;
        t.start();
        next->click();
        const double click = t.nsecsElapsed() / 1e6;
        double worstWait = 0;
        QElapsedTimer all;
        all.start();
        do {
            QElapsedTimer waited;
            waited.start();
            bool handled = false;
            QTimer::singleShot(0, [&] { handled = true; });
            while (!handled)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            worstWait = std::max(worstWait, waited.nsecsElapsed() / 1e6);
        } while (!filled() && all.elapsed() < 20000);
        if (round > 0) { // the first one loads the image format plugins
            clicks.push_back(click);
            waits.push_back(worstWait);
        }
    }
    const double worstClick = *std::max_element(clicks.begin(), clicks.end());
    const double worstWait = *std::max_element(waits.begin(), waits.end());
    return {QStringLiteral("A B C's \"N e u\", five 24-MP JPEGs (6000 × 4000): the click, and the longest an input "
                           "waits while they are decoded"),
            QStringLiteral("click median %1, worst %2; input waits at worst %3")
                .arg(ms(median(clicks)), ms(worstClick), ms(worstWait)),
            {}, {}, QStringLiteral("< 50 ms"), filled() && std::max(worstClick, worstWait) < 50};
}

// The largest bundled metafile.
Row newWordMetafile()
{
    const QDir bundled(QStringLiteral(WORTILO_BILDER));
    const QString largest = bundled.entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Size).value(0);
    QFile file(bundled.filePath(largest));
    file.open(QIODevice::ReadOnly);
    return newWord(QStringLiteral("new word, WMF (bilder/") + largest + u')', QStringLiteral(".wmf"), file.readAll());
}

// Every file of tests/data/wmf/regress (costly to draw, or found by the fuzzer) drawn at every size
// of the regression table, from 16 x 16 to 1200 x 900: the slowest rendering, whole or given up.
// The target is on the processor time, which other work on the machine does not lengthen.
Row metafileRegressions()
{
    const QDir dir(QStringLiteral(WORTILO_TESTDATA "/wmf/regress"));
    double worstCpu = 0, worstWall = 0;
    QString worst;
    int renderings = 0;
    for (const QString &name : dir.entryList({QStringLiteral("*.wmf")}, QDir::Files)) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::ReadOnly);
        const auto metafile = wmf::Metafile::parse(file.readAll());
        if (!metafile)
            continue;
        for (const QSize size : wmftest::regressionSizes()) {
            const double cpuStart = threadCpuMs();
            QElapsedTimer t;
            t.start();
            metafile->toImage(size);
            const double cpu = threadCpuMs() - cpuStart, wall = t.nsecsElapsed() / 1e6;
            ++renderings;
            if (cpu > worstCpu) {
                worstCpu = cpu;
                worstWall = wall;
                worst = QStringLiteral("%1 at %2 × %3").arg(name).arg(size.width()).arg(size.height());
            }
        }
    }
    return {QStringLiteral("metafile regression files, %1 renderings from 16 × 16 to 1200 × 900").arg(renderings),
            QStringLiteral("slowest %1 (wall %2), %3").arg(ms(worstCpu), ms(worstWall), worst), {}, {},
            QStringLiteral("CPU ≤ 300 ms"), renderings > 0 && worstCpu <= 300};
}

// ---- Word lists -------------------------------------------------------------------------------

Row insertSortedNouns()
{
    const int n = 10000;
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ");
    QStringList nouns;
    for (int i = 0; i < n; ++i)
        nouns << QStringLiteral("Wort") + letters[i / 841 % 29] + letters[i / 29 % 29].toLower()
                     + letters[i % 29].toLower();
    QRandomGenerator shuffle(13);
    std::shuffle(nouns.begin(), nouns.end(), shuffle);
    std::vector<double> times;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer t;
        t.start();
        QStringList sorted;
        for (const QString &noun : std::as_const(nouns))
            insertSorted(sorted, noun);
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    return {QStringLiteral("insertSorted of %1 nouns, in random order").arg(count(n)),
            QStringLiteral("median ") + ms(median(times)), {}, {}, {}, std::nullopt};
}

// ---- Games --------------------------------------------------------------------------------------

// Median time of one game step on the bundled words, over many runs.
template <class Step> Row gameStep(const QString &what, Step &&step)
{
    SilentMessages messages;
    SystemClock clock;
    Session session(messages, QStringLiteral(WORTILO_BILDER), clock);
    session.bildersuchen();
    session.loadWords();
    std::vector<double> times;
    for (int run = 0; run < 1000; ++run) {
        QElapsedTimer t;
        t.start();
        step(session);
        times.push_back(t.nsecsElapsed() / 1e3);
    }
    return {what, QStringLiteral("median %1 µs, worst %2 µs")
                      .arg(median(times), 0, 'f', 1)
                      .arg(*std::max_element(times.begin(), times.end()), 0, 'f', 1),
            {}, {}, {}, std::nullopt};
}

// A new Memory board: the pool, nine nouns drawn and laid out twice (the memorising message is
// answered at once).
Row memoryBoard()
{
    std::unique_ptr<MemoryGame> game;
    return gameStep(QStringLiteral("a new Memory board (bilder/)"), [&](Session &session) {
        if (!game)
            game = std::make_unique<MemoryGame>(session);
        game->neuesspiel();
    });
}

// A new letter carpet: a word drawn and hidden among fillers.
Row letterCarpet()
{
    std::unique_ptr<CarpetGame> game;
    return gameStep(QStringLiteral("a new letter carpet (bilder/)"), [&](Session &session) {
        if (!game) {
            game = std::make_unique<CarpetGame>(session);
            game->teppichliste();
        }
        game->teppichwort();
    });
}

// ---- Speech --------------------------------------------------------------------------------------

qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// From say() to the first samples handed to the sound server, in ms; -1 if none within 5 s.
double toFirstSample(VoiceSpeaker &speaker, const Word &word, std::atomic<qint64> &handedAt)
{
    handedAt = 0;
    QElapsedTimer t;
    t.start();
    const qint64 start = steadyNs();
    speaker.sayNoun(word);
    while (handedAt == 0 && !t.hasExpired(5000))
        QThread::usleep(200);
    const qint64 at = handedAt;
    speaker.stop();
    QThread::msleep(100);
    return at == 0 ? -1 : (at - start) / 1e6;
}

// The four speech rows: the first word of the run (eSpeak and the voice loaded with it), words
// synthesised for the first time, the same words again, and a 1.5-s recording beside a picture.
std::vector<Row> speechRows()
{
    QTemporaryDir dir;
    PictureFolder bilder(QStringLiteral(WORTILO_BILDER));
    bilder.scan();
    QList<Word> words;
    for (const QString &name : bilder.pictureFiles())
        if (const auto word = Word::fromFileName(name, kAlphabet))
            words.append(*word);
    VoiceSpeaker speaker(bilder, [] { return makeSoundBackend(); });
    std::atomic<qint64> handedAt = 0;
    speaker.setFirstSampleHook([&] { handedAt = steadyNs(); });
    speaker.start();
    QThread::msleep(300); // the server and the voice's files looked for
    std::vector<Row> rows;
    if (!speaker.isAvailable() || words.size() < 21) {
        rows.push_back({QStringLiteral("click to first sample"), speaker.unavailableReason(), {}, {}, {}, false});
        return rows;
    }
    auto row = [](const QString &what, const std::vector<double> &times, double target) {
        const bool all = std::none_of(times.begin(), times.end(), [](double t) { return t < 0; });
        const double med = median(times);
        return Row{what, (times.size() > 1 ? QStringLiteral("median ") : QString()) + ms(med) + (all ? QString() : QStringLiteral(" (not played!)")),
                   {}, {}, QStringLiteral("≤ ") + ms(target), all && med <= target};
    };
    rows.push_back(row(QStringLiteral("click to first sample, first word of the run"), {toFirstSample(speaker, words[0], handedAt)}, 150));
    std::vector<double> fresh, again;
    for (int i = 1; i <= 20; ++i)
        fresh.push_back(toFirstSample(speaker, words[i], handedAt));
    for (int i = 1; i <= 20; ++i)
        again.push_back(toFirstSample(speaker, words[i], handedAt));
    rows.push_back(row(QStringLiteral("click to first sample, a word synthesised for the first time"), fresh, 150));
    rows.push_back(row(QStringLiteral("click to first sample, an already synthesised word"), again, 30));

    // A teacher's recording: 1.5 s of Ogg Vorbis at 44.1 kHz in stereo.
    QFile(dir.filePath(QStringLiteral("derHund.jpg"))).open(QIODevice::WriteOnly);
    {
        SF_INFO info{};
        info.samplerate = 44100;
        info.channels = 2;
        info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
        SNDFILE *file = sf_open(QFile::encodeName(dir.filePath(QStringLiteral("derHund.ogg"))).constData(), SFM_WRITE, &info);
        std::vector<float> tone(44100 * 3);
        for (std::size_t i = 0; i < tone.size(); ++i)
            tone[i] = 0.5f * float(std::sin(double(i / 2) * 0.06));
        sf_writef_float(file, tone.data(), 44100 * 3 / 2);
        sf_close(file);
    }
    PictureFolder folder(dir.path());
    folder.scan();
    std::vector<double> recorded;
    {
        VoiceSpeaker recordings(folder, [] { return makeSoundBackend(); });
        recordings.setFirstSampleHook([&] { handedAt = steadyNs(); });
        recordings.start();
        QThread::msleep(300);
        for (int i = 0; i < 20; ++i)
            recorded.push_back(toFirstSample(recordings, Word::fromEntry(QStringLiteral("DERHUND.JPG")), handedAt));
    }
    rows.push_back(row(QStringLiteral("click to first sample, a recorded word (1.5 s Ogg)"), recorded, 30));
    return rows;
}

void printTable(const std::vector<Row> &rows)
{
    QTextStream out(stdout);
    out << "| benchmark | result | bare window | ratio | target |\n|---|--:|--:|--:|---|\n";
    for (const Row &r : rows) {
        QString target = r.target;
        if (r.met)
            target += *r.met ? QStringLiteral(": met") : QStringLiteral(": **missed**");
        out << "| " << r.what << " | " << r.result << " | " << r.bare << " | " << r.ratio << " | " << target << " |\n";
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Once per process, as main.cpp does: not part of a window's start-up.
    QApplication::setApplicationName(QStringLiteral("Wortilo"));
    QApplication::setWindowIcon(appIcon());
    installGermanTranslations(app);
    installFontSubstitutes();
    const QStringList args = QApplication::arguments();
    const qsizetype compareAt = args.indexOf(QStringLiteral("--compare"));
    const QString compareWith = compareAt > 0 ? QFileInfo(args.value(compareAt + 1)).absoluteFilePath() : QString();

    QTemporaryDir root;
    const StartUp startUp = measureStartUp(root, compareWith);
    std::vector<std::function<Row()>> rows;
    for (int n : folderSizes())
        rows.push_back([&, n] { return startUpInProcess(startUp, n); });
    for (bool mapped : {true, false}) {
        rows.push_back([&, mapped] { return startUpFromProcess(startUp, -1, false, mapped); });
        for (bool compared : {false, true})
            for (int n : folderSizes())
                if (!compared || !compareWith.isEmpty())
                    rows.push_back([&, n, compared, mapped] { return startUpFromProcess(startUp, n, compared, mapped); });
    }
    rows.push_back([&] { return peakMemory(startUp, -1, false); });
    for (bool compared : {false, true})
        for (int n : folderSizes())
            if (!compared || !compareWith.isEmpty())
                rows.push_back([&, n, compared] { return peakMemory(startUp, n, compared); });
    for (int n : {1000, 10000})
        rows.push_back([&, n] { return startUpBesideControls(startUp, n); });
    rows.push_back([&] { return peakMemoryBesideControls(startUp, 10000); });
    // --start-up: only the rows above, for a quick look at the start-up alone.
    const bool startUpOnly = args.contains(QStringLiteral("--start-up"));
    if (!startUpOnly) {
        rows.push_back([&] { return peakMemoryDecodingAhead(startUp, root); });
        rows.push_back([] { return newWordPhoto("1", QSize(1155, 866)); });
        rows.push_back([] { return newWordPhoto("48", QSize(8000, 6000)); });
        rows.push_back([] { return decodeOnlyPhoto(QSize(8000, 6000)); });
        rows.push_back(newWordMetafile);
        rows.push_back(abcNewSet);
        rows.push_back(metafileRegressions);
        rows.push_back(insertSortedNouns);
        rows.push_back(memoryBoard);
        rows.push_back(letterCarpet);
    }

    std::vector<Row> table;
    for (const auto &row : rows)
        table.push_back(row());
    if (!startUpOnly)
        for (Row &row : speechRows())
            table.push_back(std::move(row));
    printTable(table);
    return 0;
}
