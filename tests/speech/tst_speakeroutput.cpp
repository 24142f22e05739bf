// SPDX-License-Identifier: MIT
// The speaker end to end: what it plays reaches the sound server's null sink, whose monitor
// parecord records. test.sh starts that server and names it in WORTILO_TEST_PULSE_SERVER.
#include "pictures/folder.h"
#include "speech/output.h"
#include "speech/soundbackend.h"
#include "speech/voice.h"
#include "speech/voicespeaker.h"
#include "soundfiles.h"

#include <QtTest>

using namespace wortilo;
using namespace wortilo::test;

namespace {
constexpr int kRecordRate = 16000;

// Records the default sink's monitor into a file while it lives.
class SinkRecorder
{
public:
    explicit SinkRecorder(const QString &file) : m_file(file)
    {
        QFile::remove(file); // isRecording() waits for the first bytes
        m_parecord.start(QStringLiteral("parecord"),
                         {QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                          QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kRecordRate),
                          QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20"), file});
    }
    ~SinkRecorder() { finish(); }

    bool isRecording() const
    {
        return m_parecord.state() == QProcess::Running && QFileInfo(m_file).size() > 0;
    }
    // Stops recording; the seconds from the first to the last sample above 1 % of full scale.
    double heardSeconds()
    {
        finish();
        QFile file(m_file);
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        const QByteArray bytes = file.readAll();
        const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData());
        const qsizetype count = bytes.size() / 2;
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i < count; ++i)
            if (std::abs(int(samples[i])) > 327) {
                if (first < 0)
                    first = i;
                last = i;
            }
        return first < 0 ? 0 : double(last - first) / kRecordRate;
    }

private:
    void finish()
    {
        if (m_parecord.state() == QProcess::NotRunning)
            return;
        m_parecord.terminate(); // parecord writes what it holds and ends
        m_parecord.waitForFinished(5000);
    }

    QString m_file;
    QProcess m_parecord;
};

// The backend as the program has it, from the sound module; and the one linked in.
std::unique_ptr<SoundBackend> fromModule()
{
    return loadSoundBackend(QStringLiteral(WORTILO_SOUND_MODULE));
}
std::unique_ptr<SoundBackend> linked()
{
    return makeSoundBackend();
}

// How long the German voice says a text.
double voicedSeconds(const QString &text)
{
    GermanVoice voice;
    const std::optional<Sound> sound = voice.synthesise(text);
    return sound ? sound->seconds() : -1;
}
} // namespace

class TestSpeakerOutput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void playsWholeSound_data();
    void playsWholeSound();
    void laterCallsCutShort_data();
    void laterCallsCutShort();
    void recordingsWithoutVoice();
    void silentWithoutOutput_data();
    void silentWithoutOutput();

private:
    // Skips (saying so) where no test server was started; fails if it was but cannot be reached.
    bool serverStarted();
    void waitForReason(VoiceSpeaker &speaker, const QString &reason);

    QTemporaryDir m_dir;
    std::unique_ptr<PictureFolder> m_folder;
};

bool TestSpeakerOutput::serverStarted()
{
    const QByteArray server = qgetenv("WORTILO_TEST_PULSE_SERVER");
    if (server.isEmpty())
        return false;
    qputenv("PULSE_SERVER", server);
    return SoundOutput::isReachable();
}

#define REQUIRE_SERVER()                                                                                          \
    do {                                                                                                          \
        if (qEnvironmentVariableIsEmpty("WORTILO_TEST_PULSE_SERVER"))                                             \
            QSKIP("No sound server of the tests' own: test.sh starts one and names it in WORTILO_TEST_PULSE_SERVER"); \
        QVERIFY2(serverStarted(), "The sound server in WORTILO_TEST_PULSE_SERVER does not answer");            \
    } while (false)

void TestSpeakerOutput::init()
{
    // derHund has a recording: 1.5 s at 44.1 kHz in stereo; dieKatze a short one at 48 kHz;
    // dasAuto none.
    QVERIFY(m_dir.isValid());
    for (const char *picture : {"derHund.jpg", "dieKatze.gif", "dasAuto.bmp"})
        QVERIFY(QFile(m_dir.filePath(QLatin1String(picture))).open(QIODevice::WriteOnly));
    QVERIFY(writeTone(m_dir.filePath(QStringLiteral("derHund.ogg")), 1.5, 44100, 2));
    QVERIFY(writeTone(m_dir.filePath(QStringLiteral("dieKatze.WAV")), 0.4, 48000, 1, 0.5, 880));
    m_folder = std::make_unique<PictureFolder>(m_dir.path());
    m_folder->scan();
}

void TestSpeakerOutput::waitForReason(VoiceSpeaker &speaker, const QString &reason)
{
    QSignalSpy changed(&speaker, &Speaker::availabilityChanged);
    if (speaker.unavailableReason() != reason)
        QVERIFY(changed.wait());
    QCOMPARE(speaker.unavailableReason(), reason);
}

void TestSpeakerOutput::playsWholeSound_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("what");
    QTest::addColumn<double>("seconds"); // negative: as long as the voice says it
    QTest::newRow("recording") << "DERHUND.JPG" << int(Utterance::Noun) << 1.5;
    QTest::newRow("voice") << "DASAUTO.BMP" << int(Utterance::Noun) << -1.0;
    // A recording holds the noun alone.
    QTest::newRow("sentence beside a recording") << "DERHUND.JPG" << int(Utterance::Sentence) << -1.0;
}

void TestSpeakerOutput::playsWholeSound()
{
    REQUIRE_SERVER();
    QFETCH(QString, entry);
    QFETCH(int, what);
    QFETCH(double, seconds);
    const Word word = Word::fromEntry(entry);
    if (seconds < 0)
        seconds = voicedSeconds(spokenText(word, Utterance(what)));
    QVERIFY(seconds > 0);

    VoiceSpeaker speaker(*m_folder, fromModule);

    speaker.start();
    waitForReason(speaker, QString());
    SinkRecorder recorder(m_dir.filePath(QStringLiteral("sink.raw")));
    QTRY_VERIFY(recorder.isRecording());
    speaker.say(word, Utterance(what));
    QTest::qWait(int(seconds * 1000) + 800);
    const double heard = recorder.heardSeconds();
    QVERIFY2(std::abs(heard - seconds) < 0.15, qPrintable(QStringLiteral("heard %1 s of %2 s").arg(heard).arg(seconds)));
}

void TestSpeakerOutput::laterCallsCutShort_data()
{
    // After half a second of the 1.5-s recording: another word, or stop.
    QTest::addColumn<bool>("newWord");
    QTest::addColumn<double>("seconds");
    QTest::newRow("a new word") << true << 0.5 + 0.4;
    QTest::newRow("stop") << false << 0.5;
}

void TestSpeakerOutput::laterCallsCutShort()
{
    REQUIRE_SERVER();
    QFETCH(bool, newWord);
    QFETCH(double, seconds);
    VoiceSpeaker speaker(*m_folder, linked);
    speaker.start();
    waitForReason(speaker, QString());
    SinkRecorder recorder(m_dir.filePath(QStringLiteral("sink.raw")));
    QTRY_VERIFY(recorder.isRecording());
    speaker.sayNoun(Word::fromEntry(QStringLiteral("DERHUND.JPG")));
    QTest::qWait(500);
    if (newWord)
        speaker.sayNoun(Word::fromEntry(QStringLiteral("DIEKATZE.GIF")));
    else
        speaker.stop();
    QTest::qWait(2000);
    const double heard = recorder.heardSeconds();
    QVERIFY2(std::abs(heard - seconds) < 0.2, qPrintable(QStringLiteral("heard %1 s, not %2 s").arg(heard).arg(seconds)));
}

void TestSpeakerOutput::recordingsWithoutVoice()
{
    REQUIRE_SERVER();
    QTemporaryDir noVoice;
    VoiceSpeaker speaker(*m_folder, [data = noVoice.path()] { return makeSoundBackend(data); });
    speaker.start();
    waitForReason(speaker, kNoGermanVoice);
    // What the teacher recorded is still said.
    SinkRecorder recorder(m_dir.filePath(QStringLiteral("sink.raw")));
    QTRY_VERIFY(recorder.isRecording());
    speaker.sayNoun(Word::fromEntry(QStringLiteral("DIEKATZE.GIF")));
    QTest::qWait(1200);
    const double heard = recorder.heardSeconds();
    QVERIFY2(std::abs(heard - 0.4) < 0.15, qPrintable(QString::number(heard)));
}

void TestSpeakerOutput::silentWithoutOutput_data()
{
    QTest::addColumn<bool>("server");
    QTest::addColumn<QString>("module");
    QTest::newRow("no sound server") << false << QStringLiteral(WORTILO_SOUND_MODULE);
    QTest::newRow("no sound module") << true << m_dir.filePath(kSoundModule);
}

void TestSpeakerOutput::silentWithoutOutput()
{
    QFETCH(bool, server);
    QFETCH(QString, module);
    if (server)
        REQUIRE_SERVER(); // silent for the missing module alone
    const QByteArray before = qgetenv("PULSE_SERVER");
    if (!server)
        qputenv("PULSE_SERVER", QFile::encodeName(u"unix:" + m_dir.filePath(QStringLiteral("no-server"))));
    {
        VoiceSpeaker speaker(*m_folder, [module] { return loadSoundBackend(module); });
        speaker.start();
        waitForReason(speaker, kNoSoundOutput);
        speaker.sayNoun(Word::fromEntry(QStringLiteral("DERHUND.JPG")));
        speaker.sayNoun(Word::fromEntry(QStringLiteral("DASAUTO.BMP")));
        QCOMPARE(speaker.unavailableReason(), kNoSoundOutput);
    }
    qputenv("PULSE_SERVER", before);
}

QTEST_GUILESS_MAIN(TestSpeakerOutput)
#include "tst_speakeroutput.moc"
