// SPDX-License-Identifier: MIT
#include "speaker.h"

namespace wortilo {

QString spokenText(const Word &word, Utterance what)
{
    switch (what) {
    case Utterance::Noun:
        return word.noun();
    case Utterance::WithArticle:
        return word.display();
    case Utterance::Sentence: {
        // The accusative of the indefinite article: der → einen, die → eine, das → ein.
        const QString article = word.article();
        const QString indefinite = article == u"der"   ? QStringLiteral("einen")
                                   : article == u"die" ? QStringLiteral("eine")
                                                       : QStringLiteral("ein");
        return QStringLiteral("Ich sehe ") + indefinite + u' ' + word.noun();
    }
    }
    return word.noun();
}

} // namespace wortilo
