// SPDX-License-Identifier: MIT
#pragma once
#include "wordframe.h"

namespace wortilo {

// An exercise in which the child types the current noun into a text field, judged at every
// change of the field's text: a beginning of the noun passes silently, anything else is
// reported at once, and the whole noun counts as written (recorded, confirmed when
// confirmations are on) and the next word follows. Words without a noun are never drawn. The window forwards every change of its
// field and shows the visibility this class holds.
class TypingExercise : public WordFrame
{
    Q_OBJECT
public:
    enum class Result { Ignored, Beginning, Right, Wrong };

    static inline const QString kRightCaption = QStringLiteral("Abschrift");
    static inline const QString kRightText = QStringLiteral("Das Wort wurde richtig geschrieben!");
    static inline const QString kWrongCaption = QStringLiteral("Fehler");
    static inline const QString kWrongText = QStringLiteral("Die Eingabe bitte prüfen!");

    // The check of the field's new text. Ignored when there is no word, and while a text is
    // being handled (its message box is open, or the field is emptied for the next word).
    virtual Result textChanged(const QString &text);

    // Whether text is the beginning of word: exact and case-sensitive; the empty text is the
    // beginning of every word, a text longer than the word never is.
    static bool isBeginning(const QString &text, const QString &word) { return word.startsWith(text); }

    // What the window shows: the pictures, the word strip and the instruction.
    bool picturesVisible() const { return m_pictures; }
    bool stripVisible() const { return m_stripShown; }
    bool instructionVisible() const { return m_instruction; }

Q_SIGNALS:
    void visibilityChanged();

protected:
    TypingExercise(ActivityContext &context, Activity activity);
    void setVisibility(bool pictures, bool strip, bool instruction);

private:
    Activity m_activity;
    bool m_pictures = true;
    bool m_stripShown = true;
    bool m_instruction = true;
};

// The logic of the copying exercise ("Abschrift"): the noun stays in view while it is typed;
// the child chooses whether the picture, the word or both are shown, and the choice holds for
// all following words as long as the window lives.
class Copying : public TypingExercise
{
    Q_OBJECT
public:
    enum class Model { Picture, Word, Both };

    explicit Copying(ActivityContext &context);

    Model model() const { return m_model; }
    void setModel(Model model);

private:
    Model m_model = Model::Both;
};

// The logic of the dictation ("Diktat"): the first keystroke hides the word and the
// instruction; a wrong text brings the word back (not the instruction) until the next change;
// every new word starts with both in view.
class Dictation : public TypingExercise
{
    Q_OBJECT
public:
    explicit Dictation(ActivityContext &context);

    Result textChanged(const QString &text) override;
    void presentNewWord() override;
};

} // namespace wortilo
