// SPDX-License-Identifier: MIT
// Every text of every window fits its control in the installed face: the captions, labels and
// instructions, and the nouns of the bundled pictures (the widest of them, and a long one that is
// not bundled), opened through the main window as a child opens them. A text fits when its
// letters, from the dots of a capital umlaut to the descenders, lie inside the control.
#include "support/everywindow.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

using namespace wortilo;

namespace {

// The noun of the bundled pictures that is widest in the word strips' face.
QString widestBundledNoun()
{
    const QFontMetrics strip(verdana(36, true));
    QString widest;
    for (const QString &file : QDir(QStringLiteral(WORTILO_BILDER)).entryList(QDir::Files)) {
        const QString noun = file.mid(3, file.lastIndexOf(u'.') - 3);
        if (strip.horizontalAdvance(noun) > strip.horizontalAdvance(widest))
            widest = noun;
    }
    return widest;
}

// Where the letters of a text laid out in a rectangle lie: the layout's line boxes, less the room
// the face keeps above and below the text's own glyphs.
QRect inkOf(const QFont &font, const QRect &room, int flags, const QString &text)
{
    const QFontMetrics metrics(font);
    const QRect glyphs = metrics.tightBoundingRect(text);
    return metrics.boundingRect(room, flags, text)
        .adjusted(0, metrics.ascent() + glyphs.top(), 0, glyphs.bottom() + 1 - metrics.descent());
}

// Whether all of a label's text shows: the label shows as many pixels other than its background
// inside its frame as it does when it is made far larger (also wider, where its text is one line).
bool showsAllText(QLabel *label)
{
    const QColor background = label->palette().color(label->backgroundRole());
    const auto textPixels = [&] {
        const QImage shown = label->grab().toImage();
        const QRect room = label->contentsRect();
        int n = 0;
        for (int y = room.top(); y <= room.bottom(); ++y)
            for (int x = room.left(); x <= room.right(); ++x)
                n += QColor(shown.pixel(x, y)) != background;
        return n;
    };
    const int shown = textPixels();
    const QSize size = label->size();
    label->resize(size + QSize(label->wordWrap() ? 0 : 2000, 2000));
    const int whole = textPixels();
    label->resize(size);
    return shown == whole && whole > 0;
}

// A button's room and how it lays out its caption, or an empty room for other widgets.
QRect buttonRoom(QWidget *w, int *flags, QString *text)
{
    auto *button = qobject_cast<QAbstractButton *>(w);
    if (!button)
        return {};
    *text = button->text();
    *flags = Qt::AlignCenter;
    if (!qobject_cast<QCheckBox *>(button) && !qobject_cast<QRadioButton *>(button))
        return button->rect(); // a push button's caption may use its whole face
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = *text;
    *flags = Qt::AlignLeft | Qt::AlignVCenter;
    const auto element = qobject_cast<QCheckBox *>(button) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
    return button->style()->subElementRect(element, &option, button);
}

// The texts of a window's visible labels and buttons that do not fit.
QStringList overflowingTexts(QWidget *window)
{
    QStringList found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!label->text().trimmed().isEmpty() && !showsAllText(label))
                found << QStringLiteral("%1 %2 \"%3\" is cut").arg(window->objectName(), w->objectName(), label->text());
            continue;
        }
        int flags = 0;
        QString text;
        const QRect room = buttonRoom(w, &flags, &text);
        if (room.isEmpty() || text.trimmed().isEmpty())
            continue;
        const QRect ink = inkOf(w->font(), room, flags, text);
        if (!room.contains(ink))
            found << QStringLiteral("%1 %2 \"%3\": letters %4..%5 × %6..%7 outside %8..%9 × %10..%11")
                         .arg(window->objectName(), w->objectName(), text)
                         .arg(ink.left()).arg(ink.right()).arg(ink.top()).arg(ink.bottom())
                         .arg(room.left()).arg(room.right()).arg(room.top()).arg(room.bottom());
    }
    return found;
}

// The drawing surfaces on which something drawn reaches the right or bottom edge, where a word
// too long or a descender too deep would be cut (text starts at the top left corner, and a letter
// may touch those edges without losing anything). The letter carpet fills its surface with cells
// and is left out.
QStringList cutSurfaces(QWidget *window)
{
    QStringList found;
    for (DrawingSurface *s : window->findChildren<DrawingSurface *>()) {
        if (!s->isVisibleTo(window) || s->objectName() == QLatin1String("bild1"))
            continue;
        const QImage &image = s->image();
        const QRgb background = s->backgroundColor().rgb();
        bool cut = false;
        for (int x = 0; x < image.width() && !cut; ++x)
            cut = image.pixel(x, image.height() - 1) != background;
        for (int y = 0; y < image.height() && !cut; ++y)
            cut = image.pixel(image.width() - 1, y) != background;
        if (cut)
            found << window->windowTitle() + u' ' + s->objectName();
    }
    return found;
}

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutes(); }
    void everyWindow_data();
    void everyWindow();
};

void TestTextFit::everyWindow_data()
{
    QTest::addColumn<QString>("noun");
    QTest::addColumn<bool>("carpetOnly");
    QTest::newRow("widest bundled noun") << widestBundledNoun() << false;
    QTest::newRow("long noun") << QStringLiteral("Schaukelpferd") << false;
    // The longest noun the letter carpet takes is shown above it, letter by letter.
    QTest::newRow("25 letters in the carpet") << QStringLiteral("Donaudampfschifffahrtskap") << true;
}

void TestTextFit::everyWindow()
{
    QFETCH(QString, noun);
    QFETCH(bool, carpetOnly);
    QVERIFY(!noun.isEmpty());
    // Five pictures of the one noun, enough for every activity.
    QTemporaryDir dir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QStringList names = {"der%1.bmp", "die%1.bmp", "das%1.bmp", "der%1.jpg", "die%1.jpg"};
    for (const QString &name : names)
        QVERIFY(picture.save(dir.filePath(name.arg(noun)), name.endsWith(QLatin1String("bmp")) ? "BMP" : "JPG"));
    test::EveryWindow walk;
    if (carpetOnly)
        walk.onlyActivities = [](const ActivityRow &row) { return row.activity == Activity::Teppich; };
    walk.walk(dir.path(), [&](QWidget *window, const QString &where) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        if (carpetOnly) {
            auto *word = window->findChild<QLabel *>(QStringLiteral("Label1"));
            QCOMPARE(word->text().remove(u' '), noun);
        }
        QVERIFY2(overflowingTexts(window).isEmpty(), qPrintable(overflowingTexts(window).join(u'\n')));
        if (where != u"Form1" && where != u"Kontrolle")
            QVERIFY2(cutSurfaces(window).isEmpty(), qPrintable(cutSurfaces(window).join(u'\n')));
    });
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
