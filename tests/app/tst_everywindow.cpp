// SPDX-License-Identifier: MIT
// Every window of the program, opened from the menu as a child or a teacher opens it, looked at
// as a whole: the colour its lists and text fields paint their text in, and what assistive
// technology reads of it.
#include "app/activities.h"
#include "app/form1.h"
#include "exercises/testpictures.h"
#include "session/session.h"
#include "support/fakemessages.h"
#include "support/manualclock.h"
#include "usage/form11.h"
#include "widgets/activitywindow.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "widgets/pictureframe.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace wortilo;

namespace {

// The program on a folder of six pictures, its menu shown, every panel allowed.
struct Program {
    Program()
    {
        for (const char *name : {"derHund.bmp", "dieKatze.bmp", "dasUfo.bmp", "derBall.bmp", "dieMaus.bmp", "dasEi.bmp"})
            testpictures::makeImage(40, 30).save(dir.filePath(QString::fromLatin1(name)));
        session = std::make_unique<Session>(messages, dir.path(), clock);
        menu = std::make_unique<Form1>(*session);
        menu->startUp();
        menu->show();
        click(menu.get(), QStringLiteral("Optionen"));
        for (const char *name : {"Check3", "Check4", "Check5"})
            menu->findChild<QCheckBox *>(QLatin1String(name))->setChecked(true);
        click(menu.get(), QStringLiteral("Optionen"));
    }

    static void click(QWidget *window, const QString &caption)
    {
        for (QPushButton *b : window->findChildren<QPushButton *>())
            if (b->text() == caption && b->isVisible())
                return QTest::mouseClick(b, Qt::LeftButton);
        QFAIL(qPrintable(caption));
    }

    // Hands the main window with each of its panels, the usage view and every activity window to
    // look, each opened from the menu and left again; where names the window.
    void visitEveryWindow(const std::function<void(QWidget *window, const QString &where)> &look)
    {
        look(menu.get(), QStringLiteral("Form1"));
        for (const char *panel : {"Optionen", "Farben", "Laute", "Name"}) {
            click(menu.get(), QString::fromUtf8(panel));
            look(menu.get(), QStringLiteral("Form1"));
            click(menu.get(), QString::fromUtf8(panel));
        }
        click(menu.get(), QStringLiteral("Kontrolle"));
        look(menu->usageView(), QStringLiteral("Kontrolle"));
        click(menu->usageView(), QStringLiteral("Abbruch ..."));
        for (const ActivityRow &row : activityTable()) {
            click(menu.get(), QString::fromUtf8(row.caption));
            QWidget *window = menu->activityWindow(row.activity);
            QVERIFY2(window && window->isVisible(), row.caption);
            look(window, QString::fromUtf8(row.heading));
            click(window, QStringLiteral("Abbruch . . ."));
        }
    }

    QTemporaryDir dir;
    test::FakeMessages messages;
    test::ManualClock clock;
    std::unique_ptr<Session> session;
    std::unique_ptr<Form1> menu;
};

// Where a list or text field shows unselected text, in its window's pixels; an empty one is
// given a word to show.
QRect textArea(QWidget *window, QWidget *control)
{
    if (auto *list = qobject_cast<QListWidget *>(control)) {
        int row = 0;
        while (row < list->count()
               && (list->item(row)->isSelected()
                   || !list->viewport()->rect().contains(list->visualItemRect(list->item(row)))))
            ++row;
        if (row == list->count()) {
            list->insertItem(0, QStringLiteral("Hund"));
            row = 0;
        }
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

int countColour(const QImage &image, const QRect &area, const QColor &colour)
{
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += QColor(image.pixel(x, y)) == colour;
    return n;
}

bool isControl(QAccessibleInterface *iface)
{
    using R = QAccessible::Role;
    static const QList<R> roles = {R::PushButton, R::CheckBox, R::RadioButton, R::ScrollBar, R::Slider,
                                   R::List, R::EditableText, R::ComboBox, R::SpinBox};
    QObject *object = iface->object();
    return roles.contains(iface->role()) || iface->state().focusable
           || qobject_cast<DrawingSurface *>(object) || qobject_cast<PictureFrame *>(object);
}

// Every visible widget below the interface, with its interface.
void walk(QAccessibleInterface *iface, const std::function<void(QAccessibleInterface *, QWidget *)> &visit)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child)
            continue;
        auto *widget = qobject_cast<QWidget *>(child->object());
        if (widget && !widget->isVisible())
            continue;
        if (widget)
            visit(child, widget);
        walk(child, visit);
    }
}

} // namespace

class TestEveryWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutes(); }

    // Each list and text field shows its text in its window's text colour for it: the word list of
    // the catch game in dark blue, the copy and dictation fields in white, all others in black.
    void listsAndFieldsPaintTheirTextColour()
    {
        const QColor black(0, 0, 0), white(255, 255, 255);
        QHash<QString, QColor> expected = {
            {QStringLiteral("Form1/List1"), black},      {QStringLiteral("Form1/List3"), black},
            {QStringLiteral("Form1/Text1"), black},      {QStringLiteral("Galgen/Liste1"), black},
            {QStringLiteral("Fange/List1"), QColor(0, 0, 192)}, {QStringLiteral("Abschrift/Text1"), white},
            {QStringLiteral("Diktat/Text1"), white},
        };
        for (int i = 1; i <= kActivityCount; ++i)
            expected.insert(QStringLiteral("Kontrolle/List%1").arg(i), black);

        Program program;
        QSet<QString> seen;
        program.visitEveryWindow([&](QWidget *window, const QString &where) {
            QList<QWidget *> controls;
            for (QWidget *w : window->findChildren<QWidget *>())
                if (w->isVisible() && (qobject_cast<QAbstractItemView *>(w) || qobject_cast<QLineEdit *>(w)))
                    controls << w;
            for (QWidget *control : controls) {
                const QString key = where + u'/' + control->objectName();
                QVERIFY2(expected.contains(key), qPrintable(key + QStringLiteral(": no colour known")));
                seen.insert(key);
                const QRect area = textArea(window, control);
                const int drawn = countColour(window->grab().toImage(), area, expected.value(key));
                QVERIFY2(drawn >= 10, qPrintable(key + QStringLiteral(": text not in ") + expected.value(key).name()));
            }
        });
        QCOMPARE(seen, QSet<QString>(expected.keyBegin(), expected.keyEnd()));
    }

    // A label is read as what it shows, its purpose at most in its description; every control
    // has a name. Where "<<" and ">>" leaf back and forth through the offers, their names differ.
    void assistiveTechnologyReadsWhatIsShown()
    {
        Program program;
        QStringList faults;
        int labels = 0;
        program.visitEveryWindow([&](QWidget *window, const QString &where) {
            QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
            QVERIFY(root);
            walk(root, [&](QAccessibleInterface *iface, QWidget *widget) {
                const QString name = iface->text(QAccessible::Name);
                const QString what = where + u'/' + widget->objectName();
                if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
                    ++labels;
                    if (name != label->text())
                        faults << what + QStringLiteral(" shows \"%1\" but is read \"%2\"").arg(label->text(), name);
                } else if (isControl(iface) && name.trimmed().isEmpty()) {
                    faults << what + QStringLiteral(" has no name");
                }
            });
            if (where == u"Wortwahl" || where == u"Bildwahl") {
                QSet<QString> names;
                for (QPushButton *b : window->findChildren<QPushButton *>())
                    if (b->text() == u"<<" || b->text() == u">>")
                        names.insert(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name));
                if (names.size() != 2)
                    faults << where + QStringLiteral(": \"<<\" and \">>\" are read alike");
            }
        });
        QVERIFY(labels > 20);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(TestEveryWindow)
#include "tst_everywindow.moc"
