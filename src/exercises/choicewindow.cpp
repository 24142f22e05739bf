// SPDX-License-Identifier: MIT
#include "choicewindow.h"

#include "core/twips.h"
#include "widgets/controls.h"
#include "widgets/drawingsurface.h"
#include "widgets/pictureframe.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace wortilo {

namespace {
const QColor kGreen(0, 192, 0);
const QColor kGrey(224, 224, 224);
} // namespace

ChoiceWindow::ChoiceWindow(ActivityContext &context, Navigation &navigation, OwnedEngine<ChoiceExercise> exercise,
                           const QString &caption, const FrameLayout &layout, const QString &instruction,
                           QPoint instructionPlace, QPoint panelPlace, const QString &offer, QWidget *parent)
    : ExerciseWindow(context, navigation, std::move(exercise), caption, layout, parent), m_choice(exercise.engine)
{
    // Here they leaf through the offers of one task.
    previousButton()->setAccessibleName(QStringLiteral("Vorheriges ") + offer);
    nextButton()->setAccessibleName(QStringLiteral("Nächstes ") + offer);
    addLabel(QStringLiteral("Label2"), instruction, QRect(instructionPlace, QSize(2295, 1935)), 15.75, kGreen, kGrey);
    addShape(this, QStringLiteral("Shape2"), QRect(panelPlace, QSize(2295, 1935)), kGrey, kGrey);
    m_count = addLabel(QStringLiteral("Label3"), QStringLiteral("3 Wörter"),
                       QRect(panelPlace + QPoint(120, 480), QSize(2055, 495)), 15.75, kGreen, kGrey);

    m_slider = new QScrollBar(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("HScroll1"));
    m_slider->setAccessibleName(QStringLiteral("Anzahl der Angebote"));
    m_slider->setGeometry(twipsRect(panelPlace.x() + 240, panelPlace.y() + 1200, 1815, 255));
    m_slider->setRange(ChoiceExercise::kMinCount, ChoiceExercise::kMaxCount);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setValue(choice().count());
    // Reachable by keyboard; the right arrow key (and the wheel turned up) offers more.
    m_slider->setFocusPolicy(Qt::StrongFocus);
    m_slider->setInvertedControls(false);
    // Every change, also while the thumb is dragged.
    connect(m_slider, &QScrollBar::valueChanged, this, [this](int value) {
        m_count->setText(QStringLiteral(" %1 Wörter").arg(value));
        choice().setCount(value);
    });
}

void ChoiceWindow::previousClicked()
{
    choice().previous();
}

void ChoiceWindow::nextClicked()
{
    choice().next();
}

namespace {
// The frame's places in both choice windows; the picture choice has them all a little higher.
FrameLayout choiceLayout(QSize client, int up)
{
    FrameLayout l;
    l.client = client;
    for (QRect *r : {&l.image1, &l.image2, &l.strip, &l.bar, &l.previous, &l.cancel, &l.next})
        r->translate(0, -up);
    l.previousName = QStringLiteral("Command5");
    l.nextName = QStringLiteral("Command6");
    return l;
}
} // namespace

Form5::Form5(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Wortwahl)"), choiceLayout(QSize(10800, 7560), 0),
                       QStringLiteral("Suche zum Bild das passende Wort und klicke es an."), QPoint(240, 1800),
                       QPoint(8280, 1800), QStringLiteral("Wort"), parent)
{
    connect(strip(), &DrawingSurface::clicked, this, [this] { choice().choose(); });
}

Form6::Form6(ActivityContext &context, Navigation &navigation, QWidget *parent)
    : ExerciseWindowOf(context, navigation, QStringLiteral("ortilo (Bildwahl)"), choiceLayout(QSize(10815, 7470), 120),
                       QStringLiteral("Suche zum Wort das passende Bild und klicke es an."), QPoint(120, 1680),
                       QPoint(8400, 1680), QStringLiteral("Bild"), parent)
{
    connect(image1(), &PictureFrame::clicked, this, [this] { engine().bildpruefen(); });
    connect(image2(), &PictureFrame::clicked, this, [this] { engine().bildpruefen(); });
}

} // namespace wortilo
