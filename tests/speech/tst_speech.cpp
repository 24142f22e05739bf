// SPDX-License-Identifier: MIT
#include "core/germantext.h"
#include "pictures/folder.h"
#include "speech/soundsource.h"
#include "speech/speaker.h"
#include "speech/voice.h"
#include "soundfiles.h"

#include <QtTest>

using namespace wortilo;
using namespace wortilo::test;

class TestSpeech : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spokenWords_data();
    void spokenWords();
    void everyBundledNounIsSpoken();
    void recordingOrVoice_data();
    void recordingOrVoice();
    void missingVoiceData();
};

void TestSpeech::spokenWords_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("what");
    QTest::addColumn<QString>("text");
    const int noun = int(Utterance::Noun), article = int(Utterance::WithArticle), sentence = int(Utterance::Sentence);
    QTest::newRow("noun") << "DERHUND.JPG" << noun << "Hund";
    QTest::newRow("with article") << "DIEKATZE.BMP" << article << "die Katze";
    QTest::newRow("sentence, der") << "DERHUND.JPG" << sentence << "Ich sehe einen Hund";
    QTest::newRow("sentence, die") << "DIEÄPFEL.GIF" << sentence << "Ich sehe eine Äpfel";
    QTest::newRow("sentence, das") << "DASSCHLOß.WMF" << sentence << "Ich sehe ein Schloß";
}

void TestSpeech::spokenWords()
{
    QFETCH(QString, entry);
    QFETCH(int, what);
    QFETCH(QString, text);
    QCOMPARE(spokenText(Word::fromEntry(entry), Utterance(what)), text);
}

void TestSpeech::everyBundledNounIsSpoken()
{
    PictureFolder folder(QStringLiteral(WORTILO_BILDER));
    folder.scan();
    GermanVoice voice;
    QVERIFY(voice.isInstalled());
    int words = 0;
    for (const QString &name : folder.pictureFiles()) {
        const std::optional<Word> word = Word::fromFileName(name, kAlphabet);
        if (!word)
            continue;
        ++words;
        const std::optional<Sound> sound = voice.synthesise(word->noun());
        QVERIFY2(sound, qPrintable(name));
        QVERIFY2(sound->seconds() >= 0.2 && sound->seconds() <= 3, qPrintable(name + u' ' + QString::number(sound->seconds())));
        QVERIFY2(sound->isAudible(), qPrintable(name));
    }
    QVERIFY(words >= 80);
}

void TestSpeech::recordingOrVoice_data()
{
    // Files beside derHund.jpg as "name:kind", kind one of tone (0.8 s, stereo, 48 kHz),
    // long (11 s), large (a tone padded beyond 10 MiB), silent, hiss, empty (no bytes),
    // noframes (a header only), damaged (not sound at all). recorded: the tone is heard rather
    // than the voice.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("recorded");
    for (const char *extension : {"ogg", "oga", "opus", "flac", "wav", "mp3"})
        QTest::addRow("%s", extension) << QStringList{QStringLiteral("derHund.%1:tone").arg(QLatin1String(extension))} << true;
    QTest::newRow("upper-case name") << QStringList{"DERHUND.WAV:tone"} << true;
    QTest::newRow("mixed-case name") << QStringList{"DerHUND.Flac:tone"} << true;
    QTest::newRow("first extension wins") << QStringList{"derHund.wav:damaged", "derHund.ogg:tone"} << true;
    QTest::newRow("none") << QStringList{} << false;
    QTest::newRow("another word's") << QStringList{"dieKatze.wav:tone"} << false;
    QTest::newRow("other extension") << QStringList{"derHund.aiff:tone"} << false;
    QTest::newRow("damaged") << QStringList{"derHund.ogg:damaged"} << false;
    QTest::newRow("empty file") << QStringList{"derHund.wav:empty"} << false;
    QTest::newRow("no frames") << QStringList{"derHund.wav:noframes"} << false;
    QTest::newRow("silent") << QStringList{"derHund.flac:silent"} << false;
    QTest::newRow("only hiss") << QStringList{"derHund.wav:hiss"} << false;
    QTest::newRow("longer than 10 s") << QStringList{"derHund.wav:long"} << false;
    QTest::newRow("larger than 10 MiB") << QStringList{"derHund.wav:large"} << false;
}

void TestSpeech::recordingOrVoice()
{
    QFETCH(QStringList, files);
    QFETCH(bool, recorded);
    QTemporaryDir dir;
    QVERIFY(QFile(dir.filePath(QStringLiteral("derHund.jpg"))).open(QIODevice::WriteOnly));
    for (const QString &spec : files) {
        const QString path = dir.filePath(spec.section(u':', 0, 0));
        const QString kind = spec.section(u':', 1);
        bool ok = true;
        if (kind == u"tone")
            ok = writeTone(path, 0.8, 48000, 2);
        else if (kind == u"long")
            ok = writeTone(path, 11, 8000);
        else if (kind == u"large")
            ok = writeTone(path, 1) && QFile::resize(path, kMaxRecordingBytes + 1);
        else if (kind == u"silent")
            ok = writeTone(path, 1, 22050, 1, 0);
        else if (kind == u"hiss")
            ok = writeTone(path, 1, 22050, 1, 0.005);
        else if (kind == u"noframes")
            ok = writeTone(path, 0);
        else {
            QFile file(path);
            ok = file.open(QIODevice::WriteOnly) && (kind == u"empty" || file.write(QByteArray(5000, 'x')) == 5000);
        }
        QVERIFY2(ok, qPrintable(spec));
    }
    PictureFolder folder(dir.path());
    folder.scan();
    const QString recording = folder.recording(QStringLiteral("DERHUND.JPG"));

    SoundSource source;
    const std::shared_ptr<const Sound> voiced = source.sound({}, QStringLiteral("Hund"));
    QVERIFY(voiced);
    const std::shared_ptr<const Sound> sound = source.sound(recording, QStringLiteral("Hund"));
    QVERIFY(sound);
    if (recorded) {
        QCOMPARE(sound->rate, 48000);
        // Lossy formats add a few milliseconds of padding.
        QVERIFY2(std::abs(sound->seconds() - 0.8) < 0.06, qPrintable(QString::number(sound->seconds())));
        QVERIFY(sound->isAudible());
    } else {
        QCOMPARE(sound.get(), voiced.get()); // the voice's sound, kept from the first time
    }
}

void TestSpeech::missingVoiceData()
{
    QTemporaryDir empty;
    GermanVoice voice(empty.path());
    QVERIFY(!voice.isInstalled());
    QVERIFY(!voice.synthesise(QStringLiteral("Hund")));
    // Loading failed once; it is not tried again on every word.
    QVERIFY(!voice.load());
}

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
