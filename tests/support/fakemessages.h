// SPDX-License-Identifier: MIT
#pragma once
#include "core/messages.h"

#include <QList>
#include <functional>
#include <QString>

namespace wortilo::test {

// Messages for tests: records every box instead of showing it and answers from a queue.
// With the queue empty, an OK box answers Ok and a Yes/No box its default button.
class FakeMessages : public Messages
{
public:
    struct Call {
        QString caption;
        QString text;
        Buttons buttons = Buttons::Ok;
        Answer defaultButton = Answer::Ok;
    };

    Answer show(const QString &caption, const QString &text, Buttons buttons = Buttons::Ok,
                Answer defaultButton = Answer::Ok) override
    {
        calls.append(Call{caption, text, buttons, defaultButton});
        if (whileShown)
            whileShown(); // what happens while the modal box is open (its nested event loop)
        if (!answers.isEmpty())
            return answers.takeFirst();
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        // A Yes/No box whose default is not one of its buttons falls back to its first button.
        return defaultButton == Answer::No ? Answer::No : Answer::Yes;
    }

    // The answers the next boxes give, first in first out.
    void queue(Answer answer) { answers.append(answer); }
    int count() const { return int(calls.size()); }
    const Call &last() const { return calls.last(); }
    void clear()
    {
        calls.clear();
        answers.clear();
    }

    QList<Call> calls;
    QList<Answer> answers;
    std::function<void()> whileShown;
};

} // namespace wortilo::test
