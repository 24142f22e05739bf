// SPDX-License-Identifier: MIT
// The whole program driven by a monkey over several picture folders (see monkey.h). The seed and
// the number of steps per folder come from the environment, to replay a failure or to run long:
//   WORTILO_MONKEY_SEED=7 WORTILO_MONKEY_STEPS=100000 tst_monkey monkey:hostile
// WORTILO_MONKEY_STEP_TIMEOUT (seconds, default 120) is how long one step may take before the
// run counts as hung.
#include "monkey.h"
#include "monkeyfolders.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

using wortilo::test::Monkey;

namespace {

enum class Folder { Bundled, Hostile, OneWord, TwoWords, NoWords };

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

quint64 seed()
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable("WORTILO_MONKEY_SEED").toULongLong(&ok);
    return ok ? value : 1;
}

// The offscreen platform cannot raise windows and says so each time the menu shows one.
QtMessageHandler g_defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support raise()"))
        g_defaultHandler(type, context, message);
}

bool fill(Folder folder, const QString &path)
{
    using namespace monkeyfolders;
    using testpictures::encode;
    using testpictures::makeImage;
    switch (folder) {
    case Folder::Bundled:
        return copyBundled(path);
    case Folder::Hostile:
        return makeHostile(path);
    case Folder::OneWord:
        return copyBundled(path, {QStringLiteral("derBär.bmp")});
    case Folder::TwoWords:
        return copyBundled(path, {QStringLiteral("derBär.bmp"), QStringLiteral("dieStraße.jpg")});
    case Folder::NoWords:
        // Pictures, but none named with an article.
        return testpictures::writeFile(QDir(path).filePath(QStringLiteral("bild.bmp")), encode(makeImage(40, 30), "bmp"))
               && testpictures::writeFile(QDir(path).filePath(QStringLiteral("Foto.jpg")), encode(makeImage(30, 40), "jpeg"));
    }
    return false;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        g_defaultHandler = qInstallMessageHandler(quietHandler);
        QApplication::setQuitOnLastWindowClosed(false); // as the program has it
    }
    void monkey_data();
    void monkey();
};

void TestMonkey::monkey_data()
{
    QTest::addColumn<int>("folder");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("changeFolder");
    QTest::newRow("bundled") << int(Folder::Bundled) << 2000 << false;
    QTest::newRow("hostile") << int(Folder::Hostile) << 2000 << true;
    QTest::newRow("one word") << int(Folder::OneWord) << 500 << false;
    QTest::newRow("two words") << int(Folder::TwoWords) << 500 << false;
    QTest::newRow("no words") << int(Folder::NoWords) << 300 << false;
}

void TestMonkey::monkey()
{
    QFETCH(int, folder);
    QFETCH(int, steps);
    QFETCH(bool, changeFolder);
    steps = fromEnvironment("WORTILO_MONKEY_STEPS", steps);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(fill(Folder(folder), dir.path()));

    Monkey::Options options;
    options.folder = dir.path();
    options.seed = seed();
    options.changeFolder = changeFolder;
    options.stepTimeoutSeconds = fromEnvironment("WORTILO_MONKEY_STEP_TIMEOUT", 120);
    Monkey monkey(options);
    const bool ok = monkey.run(steps);
    qInfo().noquote() << QStringLiteral("seed %1: ").arg(options.seed) + monkey.summary();
    const QString replay = QStringLiteral("\nreplay: WORTILO_MONKEY_SEED=%1 WORTILO_MONKEY_STEPS=%2 tst_monkey \"monkey:%3\"")
                               .arg(options.seed)
                               .arg(steps)
                               .arg(QString::fromLatin1(QTest::currentDataTag()));
    monkeyfolders::empty(dir.path());
    QVERIFY2(ok, qPrintable(monkey.failure() + replay));
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
