// SPDX-License-Identifier: MIT
#include "articleexercise.h"

#include "core/messages.h"

namespace wortilo {

ArticleExercise::ArticleExercise(Host &host, UsageList list, const QString &wrongText)
    : WordFrame(host, StripStyle::Spaced), m_list(list), m_wrongText(wrongText)
{
}

ArticleExercise::Result ArticleExercise::check(const QString &article)
{
    if (!hasWord())
        return Result::NoWord;
    if (currentWord().left(3) == article) {
        richtig();
        return Result::Right;
    }
    falsch();
    return Result::Wrong;
}

void ArticleExercise::richtig()
{
    host().appendUsage(m_list, noun());
    if (host().confirmationsOn())
        host().messages().ok(kRightCaption, kRightText + kCr + kCr);
    neueswort();
    wortzeigen();
}

void ArticleExercise::falsch()
{
    host().messages().ok(kWrongCaption, m_wrongText + kCr + kCr);
}

ArticleChoice::ArticleChoice(Host &host) : ArticleExercise(host, UsageList::Begleiter, kWrongText) {}

Completion::Completion(Host &host) : ArticleExercise(host, UsageList::Ergaenzen, kWrongText) {}

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
