// SPDX-License-Identifier: MIT
#include "articleexercise.h"

#include "core/messages.h"

namespace wortilo {

ArticleExercise::ArticleExercise(ActivityContext &context, Activity activity, const QString &wrongText,
                                 Utterance praise)
    : WordFrame(context, StripStyle::Spaced), m_activity(activity), m_wrongText(wrongText), m_praise(praise)
{
}

ArticleExercise::Result ArticleExercise::check(const QString &article)
{
    if (!hasWord() || isBusy())
        return Result::NoWord;
    const ConfirmingScope confirming(*this);
    if (currentWord().article() == article) {
        richtig();
        return Result::Right;
    }
    falsch();
    return Result::Wrong;
}

void ArticleExercise::richtig()
{
    context().appendUsage(m_activity, currentWord().noun());
    // Heard while the confirmation is read; the next word does not cut it short.
    if (currentWord().hasNoun())
        context().speaker().say(currentWord(), m_praise);
    if (context().confirmationsOn())
        context().messages().ok(kRightCaption, kRightText + kCr + kCr);
    presentNewWord();
}

void ArticleExercise::falsch()
{
    context().messages().ok(kWrongCaption, m_wrongText + kCr + kCr);
}

ArticleChoice::ArticleChoice(ActivityContext &context)
    : ArticleExercise(context, Activity::Begleiter, kWrongText, Utterance::WithArticle)
{
}

Completion::Completion(ActivityContext &context)
    : ArticleExercise(context, Activity::Ergaenzen, kWrongText, Utterance::Sentence)
{
}

QString Completion::articleFor(const QString &indefinite)
{
    if (indefinite == u"ein")
        return QStringLiteral("das");
    if (indefinite == u"eine")
        return QStringLiteral("die");
    if (indefinite == u"einen")
        return QStringLiteral("der");
    return {};
}

} // namespace wortilo
