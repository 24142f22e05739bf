// SPDX-License-Identifier: MIT
#include "typingwindow.h"

#include "core/twips.h"
#include "widgets/drawingsurface.h"
#include "widgets/fonts.h"
#include "widgets/pictureframe.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace wortilo {

FrameLayout TypingWindow::typingLayout(QSize client, QPoint image1, QPoint image2)
{
    FrameLayout l;
    l.client = client;
    l.resizable = true;
    l.image1 = QRect(image1, QSize(5295, 3855));
    l.image2 = QRect(image2, QSize(3855, 5295));
    l.bar = QRect(120, 7920, 10575, 615);
    l.previous = QRect(240, 8040, 1095, 375);
    l.cancel = QRect(4320, 8040, 2175, 375);
    l.next = QRect(9480, 8040, 1095, 375);
    return l;
}

TypingWindow::TypingWindow(ActivityContext &context, Navigation &navigation, OwnedEngine<TypingExercise> exercise,
                           const QString &caption, const FrameLayout &layout, QWidget *parent)
    : ExerciseWindow(context, navigation, std::move(exercise), caption, layout, parent), m_typing(exercise.engine)
{
    // Leaving keeps the pictures; the next activation replaces them anyway.
    setKeepPicturesOnCancel(true);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(QStringLiteral("Eingabe"));
    m_text->setFont(verdana(36, true));
    QPalette pal = m_text->palette();
    pal.setColor(QPalette::Base, QColor(0, 0, 192));
    pal.setColor(QPalette::Text, Qt::white);
    m_text->setPalette(pal);
    m_text->setGeometry(twipsRect(120, 6840, 10575, 975));
    // Letters are judged as they are committed; no word completion gets in between.
    m_text->setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);

    // textChanged carries the committed text only: what an input method is still composing
    // is not part of it, so a half-composed letter is never judged.
    connect(m_text, &QLineEdit::textChanged, this, [this](const QString &text) {
        typing().textChanged(text);
        focusText();
    });
    connect(&typing(), &WordFrame::wordPresented, this, [this] {
        // Emptied with its undo history (clear() could be undone, bringing the last word back).
        m_text->setText(QString());
        focusText();
    });
    connect(&typing(), &TypingExercise::visibilityChanged, this, &TypingWindow::showVisibility);
    connect(strip(), &DrawingSurface::clicked, this, &TypingWindow::focusText);
    showVisibility();
}

void TypingWindow::setInstruction(QLabel *instruction)
{
    m_instruction = instruction;
    showVisibility();
}

void TypingWindow::focusText()
{
    m_text->setFocus(Qt::OtherFocusReason);
}

void TypingWindow::mousePressEvent(QMouseEvent *event)
{
    focusText();
    ExerciseWindow::mousePressEvent(event);
}

void TypingWindow::showVisibility()
{
    const TypingExercise &t = typing();
    image1()->setVisible(t.picturesVisible());
    image2()->setVisible(t.picturesVisible());
    strip()->setVisible(t.stripVisible());
    if (m_instruction)
        m_instruction->setVisible(t.instructionVisible());
}

} // namespace wortilo
