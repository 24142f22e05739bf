// SPDX-License-Identifier: MIT
#include "articleexercise.h"

#include "core/messages.h"

namespace wortilo {

ArticleExercise::ArticleExercise(ActivityContext &context, Activity activity, const QString &wrongText)
    : WordFrame(context, StripStyle::Spaced), m_activity(activity), m_wrongText(wrongText)
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
    if (context().confirmationsOn())
        context().messages().ok(kRightCaption, kRightText + kCr + kCr);
    presentNewWord();
}

void ArticleExercise::falsch()
{
    context().messages().ok(kWrongCaption, m_wrongText + kCr + kCr);
}

ArticleChoice::ArticleChoice(ActivityContext &context) : ArticleExercise(context, Activity::Begleiter, kWrongText) {}

Completion::Completion(ActivityContext &context) : ArticleExercise(context, Activity::Ergaenzen, kWrongText) {}

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
