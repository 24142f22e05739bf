// SPDX-License-Identifier: MIT
#pragma once
#include "wordframe.h"

namespace wortilo {

// An exercise that offers several words for one task, in dictionary order, one at a time:
// the task word and the first entries of the deck after it, as many as the slider asks for
// (3 to 10) and the deck holds, never the same entry twice. "<<" and ">>" leaf through them,
// wrapping at both ends; choosing the right one records the task noun, confirms it and starts
// a new task; a wrong choice does nothing.
class ChoiceExercise : public WordFrame
{
    Q_OBJECT
public:
    enum class Result { Ignored, Right, Wrong };

    static constexpr int kMinCount = 3;
    static constexpr int kMaxCount = 10;
    // The deck is refilled whenever it holds fewer entries than this before a draw, so that
    // with enough active words it can always supply the other offers.
    static constexpr int kRefillBelow = 10;
    static inline const QString kRightCaption = QStringLiteral("Lösung");

    // How many words are offered, as the slider says (kept within kMinCount..kMaxCount); a new
    // count takes effect at once, unless an answer is being handled.
    int count() const { return m_count; }
    void setCount(int count);

    // The offered words in dictionary order, and the index of the one shown (-1 with none).
    const QList<Word> &offered() const { return m_offered; }
    int selected() const { return m_selected; }

    // "<<" and ">>": the previous or next offered word, wrapping around at both ends.
    void previous();
    void next();
    // Chooses the word shown.
    Result choose();

protected:
    // What a new count does: offer again for the same task, or start a new task.
    enum class OnCount { Reoffer, NewTask };

    ChoiceExercise(ActivityContext &context, Activity activity, const QString &rightText, bool alwaysConfirm,
                   OnCount onCount);

    // Offers the current word and the others from the deck, sorted, and shows the first.
    void offer();
    // The text by which the offers are sorted.
    virtual QString sortKey(const Word &word) const = 0;
    // Whether the chosen offer answers the task.
    virtual bool isRight(const Word &chosen) const = 0;
    // Shows the selected offer.
    virtual void showSelected() = 0;

private:
    void select(int index);

    Activity m_activity;
    QString m_rightText;
    bool m_alwaysConfirm;
    OnCount m_onCount;
    int m_count = kMinCount;
    QList<Word> m_offered;
    int m_selected = -1;
};

// The logic of the word choice ("Wortwahl"): the task's picture with several nouns; the child
// picks the noun that names the picture. The slider rebuilds the offers for the same task.
class WordChoice : public ChoiceExercise
{
    Q_OBJECT
public:
    static inline const QString kRightText = QStringLiteral("Das Wort ist richtig, weiter nun!");

    explicit WordChoice(ActivityContext &context);

    // A new task: neueswort, then ohneartikel.
    void presentNewWord() override;
    // The task is named by its noun; the nouns are offered (wortauswahl).
    void ohneartikel();
    // Offers the task noun and the others for the slider's count, and shows the first.
    void wortauswahl();
    // The noun offered on the strip, not the task's.
    Word spokenWord() const override { return selected() < 0 ? Word() : offered().at(selected()); }

protected:
    QString sortKey(const Word &word) const override { return word.noun(); }
    // The same noun counts, whichever entry offered it.
    bool isRight(const Word &chosen) const override { return chosen.noun() == currentWord().noun(); }
    // auswahlzeigen: the selected noun on the strip.
    void showSelected() override;
};

// The logic of the picture choice ("Bildwahl"): the task noun with several pictures; the child
// picks the picture of that noun. The slider starts a new task.
class PictureChoice : public ChoiceExercise
{
    Q_OBJECT
public:
    static inline const QString kRightText = QStringLiteral("Das Bild ist richtig, weiter nun!");

    explicit PictureChoice(ActivityContext &context);

    // A new task: neueaufgabe, then aufgabezeigen.
    void presentNewWord() override;
    // Draws the task word from the deck (no picture is loaded).
    void neueaufgabe();
    // Shows the task noun on the strip, then offers the pictures (bildauswahl).
    void aufgabezeigen();
    // Offers the task's picture and the others for the slider's count, and shows the first.
    void bildauswahl();
    // The check of the chosen picture.
    Result bildpruefen() { return choose(); }

protected:
    // Sorted by the whole entry, article first.
    QString sortKey(const Word &word) const override { return word.entry(); }
    // A picture is right when its noun is the task noun, letter case aside: with any article
    // and in any picture format, but never a longer noun that contains it (Eimer for Ei).
    bool isRight(const Word &chosen) const override { return chosen.upperNoun() == currentWord().upperNoun(); }
    // bildzeigen: the selected picture in its frame.
    void showSelected() override;
    // The offered pictures either way from the one shown, where the child moves next.
    void preparePictures() override;
};

} // namespace wortilo
