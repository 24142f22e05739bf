// SPDX-License-Identifier: MIT
#include "form11.h"

#include "core/activitycontext.h"
#include "core/messages.h"
#include "usagelog.h"
#include "usagesheet.h"
#include "printing.h"
#include "core/clock.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "core/twips.h"

#include <QAction>
#include <QTextDocument>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace wortilo {

namespace {

constexpr int kColumns = 6;
constexpr std::array<int, kColumns> kLefts = {120, 1920, 3720, 5520, 7320, 9120};
constexpr std::array<int, 2> kListTops = {1200, 4560};
constexpr std::array<int, 2> kHeadingTops = {960, 4320};
constexpr int kListWidth = 1575;
constexpr int kListHeight = 2910;
constexpr int kHeadingHeight = 240;
// Room for the lower row of lists plus the same margin as on their left.
constexpr int kClientWidth = 10815;
constexpr int kClientHeight = 7650;

void setColours(QWidget *w, QPalette::ColorRole background, const QColor &backColor,
                QPalette::ColorRole foreground, const QColor &foreColor)
{
    QPalette p = w->palette();
    p.setColor(background, backColor);
    p.setColor(foreground, foreColor);
    w->setPalette(p);
}

} // namespace

Form11::Form11(ActivityContext &context, Navigation &navigation, UsageLog &log, const Headings &headings,
               QWidget *parent)
    : ActivityWindow(context, navigation, parent), m_log(log), m_headings(headings)
{
    setUpWindow(QStringLiteral("Form11"), QStringLiteral("ortilo (Benutzereingaben)"), kClientWidth, kClientHeight);
    setColours(this, QPalette::Window, kBackground, QPalette::WindowText, Qt::black);

    // Created first so that it lies behind the lists it frames.
    addShape(this, QStringLiteral("Shape1"), QRect(60, 900, 10695, 6660), Qt::transparent, QColor(0, 0, 128), 2);

    m_cancel = new QPushButton(QStringLiteral("Abbruch ..."), this);
    m_cancel->setObjectName(QStringLiteral("Command1"));
    m_cancel->setFont(verdana(9.75));
    m_cancel->setGeometry(twipsRect(120, 120, 1455, 495));
    connect(m_cancel, &QPushButton::clicked, this, &Form11::leave);

    m_playerName = new QLabel(QStringLiteral("Freund"), this);
    m_playerName->setObjectName(QStringLiteral("Label1"));
    m_playerName->setFont(verdana(18));
    m_playerName->setTextFormat(Qt::PlainText); // a name is typed by the user, never markup
    m_playerName->setAlignment(Qt::AlignCenter);
    m_playerName->setAutoFillBackground(true);
    setColours(m_playerName, QPalette::Window, kBarColour, QPalette::WindowText, Qt::black);
    m_playerName->setGeometry(twipsRect(3000, 120, 4695, 615));

    m_print = new QAction(QStringLiteral("Drucken …"), this);
    m_print->setObjectName(QStringLiteral("Drucken"));
    m_print->setShortcut(QKeySequence::Print);
    m_print->setShortcutContext(Qt::WindowShortcut);
    addAction(m_print);
    connect(m_print, &QAction::triggered, this, &Form11::print);

    for (int i = 0; i < kActivityCount; ++i) {
        const int left = kLefts[i % kColumns];
        const int row = i / kColumns;

        auto *heading = new QLabel(headings[std::size_t(i)], this);
        heading->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        heading->setFont(verdana(9.75));
        heading->setAlignment(Qt::AlignCenter);
        heading->setAutoFillBackground(true);
        setColours(heading, QPalette::Window, Qt::black, QPalette::WindowText, Qt::white);
        heading->setGeometry(twipsRect(left, kHeadingTops[row], kListWidth, kHeadingHeight));

        QListWidget *list = addList(this, QStringLiteral("List%1").arg(i + 1), headings[std::size_t(i)],
                                    QRect(left, kListTops[row], kListWidth, kListHeight), verdana(9.75, false));
        setColours(list, QPalette::Base, QColor(128, 255, 255), QPalette::Text, Qt::black);
        heading->setBuddy(list);
        list->addItems(log.lines(Activity(i)));
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
        list->addAction(m_print);
        m_lists[std::size_t(i)] = list;
    }
    connect(&log, &UsageLog::appended, this, [this](Activity activity, const QString &line) {
        if (QListWidget *l = list(activity))
            l->addItem(line);
    });
    connect(&log, &UsageLog::cleared, this, [this] {
        for (QListWidget *l : m_lists)
            l->clear();
    });
}

void Form11::activate()
{
    centre();
    m_playerName->setText(context().playerName());
}

QListWidget *Form11::list(Activity activity) const
{
    const auto i = static_cast<std::size_t>(activity);
    return i < m_lists.size() ? m_lists[i] : nullptr;
}

QStringList Form11::lines(Activity activity) const
{
    QStringList result;
    if (const QListWidget *l = list(activity)) {
        result.reserve(l->count());
        for (int i = 0; i < l->count(); ++i)
            result.append(l->item(i)->text());
    }
    return result;
}

void Form11::printTo(QPagedPaintDevice &printer) const
{
    std::array<QStringList, kActivityCount> shown;
    for (int i = 0; i < kActivityCount; ++i)
        shown[std::size_t(i)] = lines(Activity(i));
    // The program's letter font, at a size for paper.
    const auto sheet = usageSheet(m_playerName->text(), context().clock().today(), m_headings, shown, verdana(12, false));
    sheet->print(&printer);
}

void Form11::print()
{
    const bool shown = printWithDialog(this, QStringLiteral("Wortilo – %1").arg(m_playerName->text()),
                                       [this](QPagedPaintDevice &printer) { printTo(printer); });
    if (!shown)
        context().messages().ok(QStringLiteral("Drucken"),
                                QStringLiteral("Drucken geht nicht: Wortilo ist nicht vollständig installiert.") + kCr);
}

void Form11::closeEvent(QCloseEvent *event)
{
    // The view is discarded with its lines: the next line starts a fresh one.
    if (!quitting())
        m_log.clear();
    ActivityWindow::closeEvent(event);
}

} // namespace wortilo
