// SPDX-License-Identifier: MIT
// The word gallows window played with the mouse on its letter keyboard: the display line, the
// highlights, the gallows drawn, the rescue scene, the picture and the solution.
#include "core/twips.h"
#include "exercises/testpictures.h"
#include "games/galgen/galgen.h"
#include "support/fakecontext.h"
#include "widgets/fonts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace wortilo;
using wortilo::test::FakeContext;

namespace {
const QColor kBlue(0, 0, 255), kYellow(255, 255, 0);

bool near(QRgb a, const QColor &b)
{
    return qAbs(qRed(a) - b.red()) <= 40 && qAbs(qGreen(a) - b.green()) <= 40 && qAbs(qBlue(a) - b.blue()) <= 40;
}
} // namespace

class TestGalgen : public QObject
{
    Q_OBJECT

private:
    testpictures::PictureDir m_pictures;
    FakeContext m_host;
    std::unique_ptr<Galgen> m_window;

    bool shown(const char *name) const { return m_window->findChild<QWidget *>(QLatin1String(name))->isVisible(); }
    QString text(const char *name) const { return m_window->findChild<QLabel *>(QLatin1String(name))->text(); }
    QListWidgetItem *key(QChar letter) const
    {
        return m_window->keyboard()->item(int(GallowsGame::kKeys.indexOf(letter)));
    }
    QRect keyRect(QChar letter) const { return m_window->keyboard()->visualItemRect(key(letter)); }
    void clickKeys(const QString &letters)
    {
        for (const QChar c : letters)
            QTest::mouseClick(m_window->keyboard()->viewport(), Qt::LeftButton, {}, keyRect(c).center());
    }
    // A double-click as the window system delivers it: press, release, the second press as a
    // double-click, release.
    void doubleClickKey(QChar letter)
    {
        QWidget *viewport = m_window->keyboard()->viewport();
        const QPoint at = keyRect(letter).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    }
    // The colour drawn at a point given in twips of the window.
    QRgb colourAt(int x, int y) const { return m_window->grab().toImage().pixel(twipsPoint(x, y)); }

private Q_SLOTS:
    void initTestCase()
    {
        installFontSubstitutes();
        QVERIFY(m_pictures.addImage(QStringLiteral("derHund.gif"), testpictures::makeImage(40, 40, kBlue, kYellow), "GIF"));
    }
    void init()
    {
        m_host = FakeContext();
        m_host.entries = {QStringLiteral("DERHUND.GIF")};
        m_host.folder = PictureFolder(m_pictures.path());
        m_host.folder.scan();
        m_window = std::make_unique<Galgen>(m_host, m_host);
        m_window->activate();
        m_window->show();
    }

    // The keyboard shows A to O above P to ß. X three times (highlight on, off, on: three wrong
    // letters), then H, U, N, D wins.
    void win()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("ortilo (Wortgalgen)"));
        QVERIFY(!m_window->keyboard()->accessibleName().isEmpty());
        QCOMPARE(key(u'B')->text(), QStringLiteral(" B "));
        QVERIFY(keyRect(u'P').top() > keyRect(u'A').top());
        QCOMPARE(keyRect(u'P').left(), keyRect(u'A').left());
        QCOMPARE(keyRect(u'ß').topLeft(), QPoint(keyRect(u'O').left(), keyRect(u'P').top()));
        QVERIFY(m_window->keyboard()->viewport()->rect().contains(keyRect(u'ß')));

        QCOMPARE(text("Bezeichnung1"), QStringLiteral(" _ _ _ _"));
        QVERIFY(!shown("Figur2") && !shown("Image1") && !shown("Bezeichnung2") && !shown("Bild1"));
        clickKeys(QStringLiteral("XX"));
        QVERIFY(!key(u'X')->isSelected() && shown("Figur3") && !shown("Linie6"));
        clickKeys(QStringLiteral("XH"));
        QVERIFY(key(u'X')->isSelected() && key(u'H')->isSelected());
        QCOMPARE(text("Bezeichnung1"), QStringLiteral(" H _ _ _"));
        QVERIFY(shown("Linie6") && !shown("Linie1"));
        QVERIFY(near(colourAt(360, 3000), Galgen::kWoodColour)); // the post

        clickKeys(QStringLiteral("UND"));
        QCOMPARE(text("Bezeichnung1"), QStringLiteral(" H u n d"));
        QVERIFY(shown("Figur2") && shown("Linie6") && shown("Bild1") && shown("Figur7") && shown("Linie10"));
        QVERIFY(!shown("Bild2") && !shown("Figur5") && !shown("Bezeichnung2"));
        QVERIFY(near(colourAt(1680, 3840), Galgen::kBodyColour)); // the rescued figure's body
        QVERIFY(near(colourAt(5160 + 3015 / 2, 960 + 3255 / 2), kYellow)); // the picture, stretched
        QVERIFY(near(colourAt(5160 + 100, 960 + 100), kBlue));

        QCoreApplication::processEvents(); // the message, and the next game
        QCOMPARE(text("Bezeichnung1"), QStringLiteral(" _ _ _ _"));
        QVERIFY(m_window->keyboard()->selectedItems().isEmpty());
        QVERIFY(!shown("Figur2") && !shown("Bild1") && !shown("Image1"));

        QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("Befehl1")), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_host.returnToMenuCalls, 1);
    }

    // A double-click on a key is one click: a wrong letter draws one part, a right one is filled
    // in and stays highlighted.
    void doubleClick()
    {
        doubleClickKey(u'X');
        QVERIFY(key(u'X')->isSelected());
        QCOMPARE(m_window->game().galgenfehler(), 1);
        QVERIFY(shown("Figur2") && !shown("Figur3"));
        doubleClickKey(u'H');
        QVERIFY(key(u'H')->isSelected());
        QCOMPARE(text("Bezeichnung1"), QStringLiteral(" H _ _ _"));
        QCOMPARE(m_window->game().highlightedCount(), 2);
    }

    // Keys that select in other lists (Ctrl+A) leave the highlights as the game holds them.
    void keyboardShowsTheGame()
    {
        QListWidget *keys = m_window->keyboard();
        keys->setFocus();
        QTest::keyClick(keys, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(keys->selectedItems().isEmpty());
        clickKeys(QStringLiteral("H"));
        QTest::keyClick(keys, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(keys->selectedItems(), QList<QListWidgetItem *>{key(u'H')});
        QCOMPARE(m_window->game().highlightedCount(), 1);
    }

    // The tenth wrong letter completes the figure and shows the solution and the picture.
    void loss()
    {
        clickKeys(QStringLiteral("QWERTZLKJ"));
        QVERIFY(shown("Linie4") && !shown("Linie5"));
        clickKeys(QStringLiteral("I"));
        QVERIFY(shown("Linie5") && shown("Bild2") && shown("Image1") && shown("Bezeichnung2"));
        QCOMPARE(text("Bezeichnung2"), QStringLiteral("Hund"));
        QCoreApplication::processEvents();
        QVERIFY(!shown("Bezeichnung2") && !shown("Linie5"));
    }
};

QTEST_MAIN(TestGalgen)
#include "tst_galgen.moc"
