// SPDX-License-Identifier: MIT
#pragma once
#include "speech/speaker.h"

#include <QStringList>

namespace wortilo::test {

// A speaker for engine and window tests: records what would be said, in words, and reports
// whatever availability the test sets.
class FakeSpeaker : public Speaker
{
public:
    void say(const Word &word, Utterance what) override { said.append(spokenText(word, what)); }
    void stop() override { ++stops; }
    QString unavailableReason() const override { return reason; }

    void setReason(const QString &r)
    {
        reason = r;
        Q_EMIT availabilityChanged();
    }

    QStringList said;
    int stops = 0;
    QString reason;
};

} // namespace wortilo::test
