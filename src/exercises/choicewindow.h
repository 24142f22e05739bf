// SPDX-License-Identifier: MIT
#pragma once
#include "choice.h"
#include "exercisewindow.h"

class QScrollBar;

namespace wortilo {

// An exercise window that offers several words or pictures for one task (word choice and
// picture choice): the instruction Label2, and on the grey panel Shape2 the slider HScroll1
// with Label3 telling how many are offered; "<<" and ">>" leaf through the offers.
class ChoiceWindow : public ExerciseWindow
{
    Q_OBJECT
public:
    ChoiceExercise &choice() const { return m_choice; }
    QScrollBar *slider() const { return m_slider; }
    QLabel *countLabel() const { return m_count; }

protected:
    // The instruction at its place, the panel with the count and the slider at its place; the
    // offers are words or pictures ("Wort", "Bild"), which "<<" and ">>" are named after.
    ChoiceWindow(ActivityContext &context, Navigation &navigation, OwnedEngine<ChoiceExercise> exercise,
                 const QString &caption, const FrameLayout &layout, const QString &instruction, QPoint instructionPlace,
                 QPoint panelPlace, const QString &offer, QWidget *parent);

    void previousClicked() override;
    void nextClicked() override;

private:
    ChoiceExercise &m_choice;
    QLabel *m_count = nullptr;
    QScrollBar *m_slider = nullptr;
};

// Form5: the word choice window ("Wortwahl"), the child finds the noun that names the picture
// and clicks it on the strip.
class Form5 : public ExerciseWindowOf<WordChoice, ChoiceWindow>
{
    Q_OBJECT
public:
    explicit Form5(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);
};

// Form6: the picture choice window ("Bildwahl"), the child finds the picture of the noun on the
// strip and clicks it.
class Form6 : public ExerciseWindowOf<PictureChoice, ChoiceWindow>
{
    Q_OBJECT
public:
    explicit Form6(ActivityContext &context, Navigation &navigation, QWidget *parent = nullptr);
};

} // namespace wortilo
