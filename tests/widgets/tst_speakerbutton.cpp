// SPDX-License-Identifier: MIT
#include "core/palette.h"
#include "support/fakespeaker.h"
#include "widgets/speakerbutton.h"

#include <QLineEdit>
#include <QtTest>

using namespace wortilo;
using namespace wortilo::test;

class TestSpeakerButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void followsAvailability_data();
    void followsAvailability();
    void clickLeavesFocus();
    void drawsLoudspeaker();
};

void TestSpeakerButton::followsAvailability_data()
{
    QTest::addColumn<bool>("hasSpeaker");
    QTest::addColumn<QString>("reason");
    QTest::newRow("available") << true << QString();
    QTest::newRow("no output") << true << kNoSoundOutput;
    QTest::newRow("no voice") << true << kNoGermanVoice;
    QTest::newRow("no speaker") << false << QString();
}

void TestSpeakerButton::followsAvailability()
{
    QFETCH(bool, hasSpeaker);
    QFETCH(QString, reason);
    FakeSpeaker speaker;
    SpeakerButton button;
    QCOMPARE(button.accessibleName(), QStringLiteral("Wort vorlesen"));
    if (hasSpeaker)
        button.setSpeaker(&speaker);
    // The reason changes after the button was given the speaker, as a real one finds it out.
    speaker.setReason(reason);
    QCOMPARE(button.isEnabled(), hasSpeaker && reason.isEmpty());
    QCOMPARE(button.toolTip(), reason);
    // And back: a server that comes back enables the button again.
    speaker.setReason(QString());
    QCOMPARE(button.isEnabled(), hasSpeaker);
    QVERIFY(button.toolTip().isEmpty());
}

void TestSpeakerButton::clickLeavesFocus()
{
    QWidget window;
    auto *text = new QLineEdit(&window);
    text->setGeometry(0, 0, 200, 30);
    auto *button = new SpeakerButton(&window);
    button->setGeometry(0, 40, 40, 40);
    FakeSpeaker speaker;
    button->setSpeaker(&speaker);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    text->setFocus();
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.size(), 1);
    QVERIFY(text->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A); // where typing goes
    QCOMPARE(text->text(), QStringLiteral("a"));
}

void TestSpeakerButton::drawsLoudspeaker()
{
    // The cone yellow and the waves red at their places on the 16 × 16 grid; the corner clear.
    const QImage image = loudspeaker(32).toImage();
    auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 && std::abs(a.blue() - b.blue()) < 40;
    };
    QVERIFY(near(image.pixelColor(14, 16), paletteColor(14)));
    QVERIFY(near(image.pixelColor(6, 16), paletteColor(9)));
    QVERIFY(near(image.pixelColor(30, 16), paletteColor(12)));
    QCOMPARE(image.pixelColor(1, 1).alpha(), 0);
}

QTEST_MAIN(TestSpeakerButton)
#include "tst_speakerbutton.moc"
