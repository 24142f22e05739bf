// SPDX-License-Identifier: MIT
#include "articleexercise.h"

#include "core/messages.h"

namespace wortilo {

ArticleExercise::ArticleExercise(Host &host, Activity activity, const QString &wrongText)
    : WordFrame(host, StripStyle::Spaced), m_activity(activity), m_wrongText(wrongText)
{
}

ArticleExercise::Result ArticleExercise::check(const QString &article)
{
    if (!hasWord() || isBusy())
        return Result::NoWord;
    const BusyScope busy(*this);
    if (currentWord().article() == article) {
        richtig();
        return Result::Right;
    }
    falsch();
    return Result::Wrong;
}

void ArticleExercise::richtig()
{
    host().appendUsage(m_activity, currentWord().noun());
    if (host().confirmationsOn())
        host().messages().ok(kRightCaption, kRightText + kCr + kCr);
    presentNewWord();
}

void ArticleExercise::falsch()
{
    host().messages().ok(kWrongCaption, m_wrongText + kCr + kCr);
}

ArticleChoice::ArticleChoice(Host &host) : ArticleExercise(host, Activity::Begleiter, kWrongText) {}

Completion::Completion(Host &host) : ArticleExercise(host, Activity::Ergaenzen, kWrongText) {}

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
