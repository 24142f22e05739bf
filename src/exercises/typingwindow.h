// SPDX-License-Identifier: MIT
#pragma once
#include "exercisewindow.h"
#include "typing.h"

class QLineEdit;

namespace wortilo {

// An exercise window in which the child types the noun into the text field Text1 (copying and
// dictation): every change of the field goes to the typing logic, each new word starts with an
// empty field, and the keyboard focus always comes back into the field. The pictures, the
// strip and the instruction Label2 show as the logic says.
class TypingWindow : public ExerciseWindow
{
    Q_OBJECT
public:
    TypingExercise &typing() const { return m_typing; }
    QLineEdit *textField() const { return m_text; }

protected:
    // The frame's places in both typing windows (resizable, the controls keeping their places):
    // the strip above the text field, the bar and its buttons below it.
    static FrameLayout typingLayout(QSize client, QPoint image1, QPoint image2);

    TypingWindow(ActivityContext &context, Navigation &navigation, OwnedEngine<TypingExercise> exercise,
                 const QString &caption, const FrameLayout &layout, QWidget *parent);

    // The instruction whose visibility the logic decides.
    void setInstruction(QLabel *instruction);
    void focusText();

    // A click on the window's background (or on a label) puts the focus into the field.
    void mousePressEvent(QMouseEvent *event) override;

private:
    void showVisibility();

    TypingExercise &m_typing;
    QLineEdit *m_text = nullptr;
    QLabel *m_instruction = nullptr;
};

// Form9: the copying window ("Abschrift"), the child copies the noun shown into the text field;
// the options choose whether the picture, the word or both are shown.
class Form9 : public ExerciseWindowOf<Copying, TypingWindow>
{
    Q_OBJECT
public:
    explicit Form9(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);
};

// Form10: the dictation window ("Diktat"), the child reads the noun and writes it from memory.
class Form10 : public ExerciseWindowOf<Dictation, TypingWindow>
{
    Q_OBJECT
public:
    explicit Form10(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);
};

} // namespace wortilo
