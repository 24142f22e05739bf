// SPDX-License-Identifier: MIT
#include "choice.h"

#include "core/germantext.h"
#include "core/messages.h"

#include <algorithm>

namespace wortilo {

ChoiceExercise::ChoiceExercise(ActivityContext &context, Activity activity, const QString &rightText,
                               bool alwaysConfirm, OnCount onCount)
    : WordFrame(context, StripStyle::Spaced, kRefillBelow), m_activity(activity), m_rightText(rightText),
      m_alwaysConfirm(alwaysConfirm), m_onCount(onCount)
{
}

void ChoiceExercise::setCount(int count)
{
    m_count = std::clamp(count, kMinCount, kMaxCount);
    if (isBusy())
        return;
    if (m_onCount == OnCount::NewTask)
        presentNewWord();
    else
        offer();
}

void ChoiceExercise::offer()
{
    m_offered.clear();
    m_selected = -1;
    if (hasWord()) {
        // The task first, then the deck in its order, each entry once, as far as it reaches.
        QList<Word> words{currentWord()};
        for (const Word &word : deck()) {
            if (words.size() >= m_count)
                break;
            if (!words.contains(word))
                words.append(word);
        }
        QStringList keys;
        for (const Word &word : std::as_const(words))
            m_offered.insert(insertSorted(keys, sortKey(word)), word);
    }
    select(m_offered.isEmpty() ? -1 : 0);
}

void ChoiceExercise::select(int index)
{
    m_selected = index;
    showSelected();
}

void ChoiceExercise::previous()
{
    if (m_offered.isEmpty() || isBusy())
        return;
    select(m_selected <= 0 ? int(m_offered.size()) - 1 : m_selected - 1);
}

void ChoiceExercise::next()
{
    if (m_offered.isEmpty() || isBusy())
        return;
    select(m_selected + 1 >= m_offered.size() ? 0 : m_selected + 1);
}

ChoiceExercise::Result ChoiceExercise::choose()
{
    if (m_selected < 0 || isBusy())
        return Result::Ignored;
    if (!isRight(m_offered.at(m_selected)))
        return Result::Wrong;
    const ConfirmingScope confirming(*this);
    context().appendUsage(m_activity, currentWord().noun());
    if (m_alwaysConfirm || context().confirmationsOn())
        context().messages().ok(kRightCaption, m_rightText + kCr + kCr);
    presentNewWord();
    return Result::Right;
}

WordChoice::WordChoice(ActivityContext &context)
    : ChoiceExercise(context, Activity::Wortwahl, kRightText, true, OnCount::Reoffer)
{
}

void WordChoice::presentNewWord()
{
    neueswort();
    ohneartikel();
}

void WordChoice::ohneartikel()
{
    wortauswahl();
}

void WordChoice::wortauswahl()
{
    offer();
}

void WordChoice::showSelected()
{
    showOnStrip(selected() < 0 ? QString() : offered().at(selected()).noun());
}

PictureChoice::PictureChoice(ActivityContext &context)
    : ChoiceExercise(context, Activity::Bildwahl, kRightText, false, OnCount::NewTask)
{
}

void PictureChoice::presentNewWord()
{
    neueaufgabe();
    aufgabezeigen();
}

void PictureChoice::neueaufgabe()
{
    drawWord();
}

void PictureChoice::aufgabezeigen()
{
    wortzeigen();
    bildauswahl();
}

void PictureChoice::bildauswahl()
{
    offer();
}

void PictureChoice::showSelected()
{
    if (selected() < 0)
        clearPictures();
    else
        showPicture(offered().at(selected()));
}

void PictureChoice::preparePictures()
{
    const qsizetype n = offered().size();
    if (n < 2 || selected() < 0)
        return;
    preparePicture(offered().at((selected() + 1) % n));
    preparePicture(offered().at((selected() + n - 1) % n));
}

} // namespace wortilo
