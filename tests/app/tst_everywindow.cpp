// SPDX-License-Identifier: MIT
// Every window opened from the menu as a child or a teacher opens it, looked at as a whole: the
// colour its lists and text fields paint their text in, and what assistive technology reads.
#include "exercises/testpictures.h"
#include "exercises/windowhelpers.h"
#include "support/everywindow.h"
#include "support/fakespeaker.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "widgets/pictureframe.h"
#include "widgets/speakerbutton.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <functional>

using namespace wortilo;

namespace {

// The program on six pictures, every window handed to look; the activities speak through the
// speaker if one is given.
void visitEveryWindow(const test::EveryWindow::Look &look, Speaker *speaker = nullptr)
{
    QTemporaryDir dir;
    for (const char *name : {"derHund.bmp", "dieKatze.bmp", "dasUfo.bmp", "derBall.bmp", "dieMaus.bmp", "dasEi.bmp"})
        testpictures::makeImage(40, 30).save(dir.filePath(QString::fromLatin1(name)));
    test::EveryWindow walker;
    walker.speaker = speaker;
    walker.walk(dir.path(), look);
}

// Where a list or text field shows unselected text, in its window's pixels; an empty one is
// given a word to show.
QRect textArea(QWidget *window, QWidget *control)
{
    if (auto *list = qobject_cast<QListWidget *>(control)) {
        int row = 0;
        while (row < list->count() && (list->item(row)->isSelected()
                                       || !list->viewport()->rect().contains(list->visualItemRect(list->item(row)))))
            ++row;
        if (row == list->count())
            list->insertItem(row = 0, QStringLiteral("Hund"));
        const QRect item = list->visualItemRect(list->item(row));
        return QRect(list->viewport()->mapTo(window, item.topLeft()), item.size());
    }
    auto *field = qobject_cast<QLineEdit *>(control);
    if (field->text().isEmpty()) {
        const QSignalBlocker quiet(field); // only the look of the text is wanted, not its check
        field->setText(QStringLiteral("Hund"));
    }
    field->deselect();
    return QRect(field->mapTo(window, QPoint(0, 0)), field->size());
}

// Every visible widget below the interface, with its interface.
void walk(QAccessibleInterface *iface, const std::function<void(QAccessibleInterface *, QWidget *)> &visit)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        auto *widget = child ? qobject_cast<QWidget *>(child->object()) : nullptr;
        if (widget && widget->isVisible()) {
            visit(child, widget);
            walk(child, visit);
        }
    }
}

} // namespace

class TestEveryWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutes(); }

    // The catch game's word list in dark blue, the copy and dictation fields in white, all
    // other lists and fields in black.
    void listsAndFieldsPaintTheirTextColour()
    {
        QHash<QString, QColor> expected = {
            {QStringLiteral("Form1/List1"), Qt::black}, {QStringLiteral("Form1/List3"), Qt::black},
            {QStringLiteral("Form1/Text1"), Qt::black}, {QStringLiteral("Galgen/Liste1"), Qt::black},
            {QStringLiteral("Fange/List1"), QColor(0, 0, 192)}, {QStringLiteral("Abschrift/Text1"), Qt::white},
            {QStringLiteral("Diktat/Text1"), Qt::white}};
        for (int i = 1; i <= kActivityCount; ++i)
            expected.insert(QStringLiteral("Kontrolle/List%1").arg(i), Qt::black);
        QSet<QString> seen;
        visitEveryWindow([&](QWidget *window, const QString &where) {
            for (QWidget *w : window->findChildren<QWidget *>()) {
                if (!w->isVisible() || !(qobject_cast<QAbstractItemView *>(w) || qobject_cast<QLineEdit *>(w)))
                    continue;
                const QString key = where + u'/' + w->objectName();
                QVERIFY2(expected.contains(key), qPrintable(key));
                seen.insert(key);
                const QRect area = textArea(window, w);
                const int drawn = windowhelpers::countColour(window->grab().toImage(), area, expected.value(key));
                QVERIFY2(drawn >= 10, qPrintable(key + QStringLiteral(" not in ") + expected.value(key).name()));
            }
        });
        QCOMPARE(seen, QSet<QString>(expected.keyBegin(), expected.keyEnd()));
    }

    // A label is read as what it shows; every control has a name; where "<<" and ">>" leaf back
    // and forth through the offers, their names differ.
    void assistiveTechnologyReadsWhatIsShown()
    {
        using R = QAccessible::Role;
        const QList<R> controls = {R::PushButton, R::CheckBox, R::RadioButton, R::ScrollBar, R::Slider, R::List,
                                   R::EditableText, R::ComboBox};
        QStringList faults;
        int labels = 0;
        visitEveryWindow([&](QWidget *window, const QString &where) {
            walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface *iface, QWidget *widget) {
                const QString name = iface->text(QAccessible::Name);
                const QString what = where + u'/' + widget->objectName() + u' ';
                auto *label = qobject_cast<QLabel *>(widget);
                if (label && !label->text().isEmpty()) {
                    ++labels;
                    if (name != label->text())
                        faults << what + label->text() + QStringLiteral(" is read ") + name;
                } else if (!label && name.isEmpty()
                         && (controls.contains(iface->role()) || iface->state().focusable
                             || qobject_cast<DrawingSurface *>(widget) || qobject_cast<PictureFrame *>(widget)))
                    faults << what + QStringLiteral("has no name");
            });
            QSet<QString> leafing;
            for (QPushButton *b : window->findChildren<QPushButton *>())
                if (b->text() == u"<<" || b->text() == u">>")
                    leafing.insert(b->accessibleName());
            if ((where == u"Wortwahl" || where == u"Bildwahl") && leafing.size() != 2)
                faults << where + QStringLiteral(": << and >> are read alike");
        });
        QVERIFY(labels > 20);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Every window that shows a word has a speaker button that says it and never takes the
    // focus, disabled with the reason while the speaker cannot speak; the gallows' button waits
    // for the end of a game. Leaving a window stops what is being said.
    void speakerButtonsSayTheWordShown()
    {
        test::FakeSpeaker speaker;
        const QStringList nouns = QStringLiteral("Hund Katze Ufo Ball Maus Ei").split(u' ');
        QStringList shown, hidden;
        visitEveryWindow(
            [&](QWidget *window, const QString &where) {
                for (SpeakerButton *button : window->findChildren<SpeakerButton *>()) {
                    QCOMPARE(button->accessibleName(), QStringLiteral("Wort vorlesen"));
                    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
                    if (!button->isVisible()) {
                        hidden << where;
                        continue;
                    }
                    shown << where;
                    QVERIFY(button->isEnabled());
                    speaker.said.clear();
                    QTest::mouseClick(button, Qt::LeftButton);
                    QCOMPARE(speaker.said.size(), 1);
                    // The word on the strip, where there is one (in Wortwahl the offered noun).
                    if (auto *strip = window->findChild<DrawingSurface *>(QStringLiteral("Picture1")))
                        QCOMPARE(speaker.said.first(), strip->accessibleName());
                    QVERIFY2(nouns.contains(speaker.said.first()), qPrintable(where + u' ' + speaker.said.first()));
                    speaker.setReason(kNoGermanVoice);
                    QVERIFY(!button->isEnabled());
                    QCOMPARE(button->toolTip(), kNoGermanVoice);
                    speaker.setReason(QString());
                }
            },
            &speaker);
        QCOMPARE(shown.join(u' '), QStringLiteral("Lesen Bildwahl Wortwahl Begleiter Ergänzen Abschrift Diktat Teppich Fange"));
        QCOMPARE(hidden, QStringList{QStringLiteral("Galgen")});
        QVERIFY(speaker.stops >= int(activityTable().size()));
    }
};

QTEST_MAIN(TestEveryWindow)
#include "tst_everywindow.moc"
