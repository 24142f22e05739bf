// SPDX-License-Identifier: MIT
#pragma once
#include "support/fakemessages.h"

#include <functional>
#include <utility>

namespace wortilo::test {

// Messages for long random runs: records every box as FakeMessages does, answers an OK box with
// OK and a Yes/No box with Yes or No as the test's own generator says (answers queued by the test
// go first), and counts boxes opened while another one is still open: a modal box runs a nested
// event loop, and nothing that loop delivers may open a second box.
class RandomMessages : public FakeMessages
{
public:
    // yes() decides whether a Yes/No box is answered Yes.
    explicit RandomMessages(std::function<bool()> yes) : m_yes(std::move(yes)) {}

    Answer show(const QString &caption, const QString &text, Buttons buttons = Buttons::Ok,
                Answer defaultButton = Answer::Ok) override
    {
        if (m_open > 0)
            ++reentered;
        const bool queued = !answers.isEmpty();
        ++m_open;
        Answer answer = FakeMessages::show(caption, text, buttons, defaultButton);
        --m_open;
        if (!queued && buttons == Buttons::YesNo)
            answer = m_yes() ? Answer::Yes : Answer::No;
        return answer;
    }

    // Whether a box is open now (the code runs inside its whileShown).
    bool isOpen() const { return m_open > 0; }
    // Boxes opened while another was open.
    int reentered = 0;

private:
    std::function<bool()> m_yes;
    int m_open = 0;
};

} // namespace wortilo::test
