// SPDX-License-Identifier: MIT
#include "activities.h"

#include "core/messages.h"
#include "exercises/choicewindow.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "exercises/form4.h"
#include "exercises/typingwindow.h"
#include "games/abc/form8.h"
#include "games/fange/fang.h"
#include "games/galgen/galgen.h"
#include "games/memory/memo.h"
#include "games/teppich/form7.h"

namespace wortilo {

namespace {
template <class Window> ActivityWindow *create(ActivityContext &context, Navigation &navigation)
{
    return new Window(context, navigation);
}

const QString kTooFewText = QStringLiteral("Es sind zu wenig Wörter vorhanden,") + kCr
                            + QStringLiteral("bitte die Filterauswahl kontrollieren!") + kCr;
} // namespace

std::optional<MessageText> ActivityRow::refusal(qsizetype activeWords) const
{
    if (activeWords >= minimum)
        return std::nullopt;
    if (gate == Gate::NoWords)
        return MessageText{kNoWordsCaption, kNoWordsText};
    return MessageText{QStringLiteral("Zeichjagd"), kTooFewText};
}

const ActivityTable &activityTable()
{
    using A = Activity;
    static const ActivityTable table = {{
        // activity      button       caption      left  top   heading      min gate           hides  window
        {A::Lesen,     "Command2",  "Lesen",     3720, 4200, "Lesen",     3, Gate::TooFew,  true,  create<Form2>},
        {A::Bildwahl,  "Command16", "Bildwahl",  3720, 5040, "Bildwahl",  3, Gate::TooFew,  false, create<Form6>},
        {A::Wortwahl,  "Command13", "Wortwahl",  3720, 5880, "Wortwahl",  3, Gate::TooFew,  false, create<Form5>},
        {A::Begleiter, "Command3",  "Begleiter", 5520, 4200, "Begleiter", 0, Gate::None,    true,  create<Form3>},
        {A::Ergaenzen, "Command10", "Ergänzen",  5520, 5040, "Ergänzen",  0, Gate::None,    false, create<Form4>},
        {A::Abc,       "Command20", "A B C",     5520, 5880, "A B C",     5, Gate::TooFew,  false, create<Form8>},
        {A::Abschrift, "Command11", "Abschrift", 7320, 4200, "Abschrift", 0, Gate::None,    true,  create<Form9>},
        {A::Diktat,    "Command12", "Diktat",    7320, 5040, "Diktat",    0, Gate::None,    false, create<Form10>},
        {A::Teppich,   "Command19", "Teppich",   7320, 5880, "Teppich",   1, Gate::NoWords, false, create<Form7>},
        {A::Fange,     "Command18", "Fange",     9120, 4200, "Fange",     1, Gate::NoWords, false, create<Fang>},
        {A::Memory,    "Command17", "Memory",    9120, 5040, "Memory",    1, Gate::NoWords, false, create<Memo>},
        {A::Galgen,    "Command14", "Galgen",    9120, 5880, "Galgen",    1, Gate::NoWords, false, create<Galgen>},
    }};
    return table;
}

} // namespace wortilo
