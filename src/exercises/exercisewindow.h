// SPDX-License-Identifier: MIT
#pragma once
#include "widgets/activitywindow.h"
#include "wordframe.h"

#include <QRect>
#include <functional>
#include <initializer_list>
#include <memory>

class QLabel;
class QPushButton;

namespace wortilo {

class DrawingSurface;
class PictureFrame;

// Where a window puts the controls of the exercise frame, in twips.
struct FrameLayout {
    QSize client;            // client area
    bool resizable = false;  // resizable border (the controls keep their places)
    // The frames and the strip where most exercise windows have them.
    QRect image1 = QRect(2760, 840, 5295, 3855); // landscape frame
    QRect image2 = QRect(3480, 120, 3855, 5295); // portrait frame
    QRect strip = QRect(120, 5520, 10575, 1215); // word strip Picture1
    // The bar and its buttons stand in the same place in every exercise window.
    QRect bar = QRect(120, 6840, 10575, 615);      // Shape1 behind the buttons
    QRect previous = QRect(240, 6960, 1095, 375);  // "<<"
    QRect cancel = QRect(4320, 6960, 2175, 375);   // "Abbruch . . ."
    QRect next = QRect(9480, 6960, 1095, 375);     // ">>"
    QString previousName = QStringLiteral("Command2");
    QString nextName = QStringLiteral("Command3");
};

// An engine handed up a chain of window classes: who owns it, and the engine as its own type, so
// that each class keeps the engine it works with (the frame, the typing exercise, the dictation)
// without casting it back from its base. Handing it on moves only the owner: a class reads
// engine after passing it to its base.
template <class Engine>
struct OwnedEngine {
    template <class Made>
    OwnedEngine(std::unique_ptr<Made> made) : engine(*made), owner(std::move(made))
    {
    }
    template <class Other>
    OwnedEngine(OwnedEngine<Other> &&other) : engine(other.engine), owner(std::move(other.owner))
    {
    }
    Engine &engine;
    std::unique_ptr<WordFrame> owner;
};

// The exercise frame as a window: the picture frames Image1 and Image2, the word strip
// Picture1, the bar Shape1 with "<<", the speaker button, "Abbruch . . ." and ">>", and the frame's
// event handlers.
// The seven word exercises extend it; their logic extends WordFrame.
class ExerciseWindow : public ActivityWindow
{
    Q_OBJECT
public:

    // Centres the window, gives the strip the user's background colour and presents a word; with
    // no word to present it says so and goes back to the menu.
    void activate() override;

    WordFrame &frame() const { return *m_frame; }
    PictureFrame *image1() const { return m_image1; }
    PictureFrame *image2() const { return m_image2; }
    DrawingSurface *strip() const { return m_strip; }
    QPushButton *previousButton() const { return m_previous; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *nextButton() const { return m_next; }

protected:
    ExerciseWindow(ActivityContext &context, Navigation &navigation, OwnedEngine<WordFrame> frame,
                   const QString &caption, const FrameLayout &layout, QWidget *parent);

    // "<<" and ">>": a new word, when there is any word to draw at all and no answer is being
    // handled.
    virtual void previousClicked();
    virtual void nextClicked();
    // "Abbruch . . .": empties the pictures (unless the window keeps them) and leaves.
    void cancelClicked() override;
    void setKeepPicturesOnCancel(bool keep) { m_keepPicturesOnCancel = keep; }

    // A label placed in twips with its text (plain, wrapping at word ends), in bold Verdana of
    // the given size, the colour on the background.
    QLabel *addLabel(const QString &name, const QString &text, const QRect &twipsRect, double points,
                     const QColor &colour, const QColor &background);
    // Buttons one below the other, each handing its caption to answer when clicked: the
    // answers of the article and completion windows, in large bold Verdana.
    struct AnswerButton {
        const char *name;
        const char *caption;
        int top;
    };
    void addAnswerButtons(std::initializer_list<AnswerButton> buttons, int left, QSize size,
                          const std::function<void(const QString &)> &answer);
    // Prints the pieces on the strip from its left edge, after clearing it.
    void drawStrip(const QList<StripGlyph> &glyphs);

    // Shows the frame's pictures; draws its strip.
    void showPictures();
    void showStrip();

private:
    std::unique_ptr<WordFrame> m_frame;
    PictureFrame *m_image1 = nullptr;
    PictureFrame *m_image2 = nullptr;
    DrawingSurface *m_strip = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_next = nullptr;
    bool m_keepPicturesOnCancel = false;
};

// A window of the exercise frame (Base, or a class extending it) whose engine is an Engine, made
// here with the context: engine() gives it as its own type. Base's constructor takes the context,
// the navigation and the engine, then the rest of the arguments.
template <class Engine, class Base = ExerciseWindow>
class ExerciseWindowOf : public Base
{
public:
    Engine &engine() const { return m_engine; }

protected:
    template <class... Rest>
    ExerciseWindowOf(ActivityContext &context, Navigation &navigation, Rest &&...rest)
        : ExerciseWindowOf(OwnedEngine<Engine>(std::make_unique<Engine>(context)), context, navigation,
                           std::forward<Rest>(rest)...)
    {
    }

private:
    template <class... Rest>
    ExerciseWindowOf(OwnedEngine<Engine> made, ActivityContext &context, Navigation &navigation, Rest &&...rest)
        : Base(context, navigation, std::move(made), std::forward<Rest>(rest)...), m_engine(made.engine)
    {
    }

    Engine &m_engine;
};

} // namespace wortilo
