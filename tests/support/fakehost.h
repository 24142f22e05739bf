// SPDX-License-Identifier: MIT
#pragma once
#include "pictures/folder.h"
#include "core/host.h"
#include "support/fakemessages.h"

#include <QColor>
#include <QStringList>
#include <array>

namespace wortilo::test {

// A main window stand-in for activity window tests: the values an activity reads are plain
// members to set, and what it hands back (usage lines, returns to the menu) is recorded.
class FakeHost : public Host
{
public:
    QStringList activeEntries() const override { return entries; }
    QColor background() const override { return backgroundColor; }
    bool confirmationsOn() const override { return confirmations; }
    QString playerName() const override { return name; }
    void appendUsage(UsageList list, const QString &line) override
    {
        const auto i = static_cast<std::size_t>(list);
        if (i < usage.size())
            usage[i].append(line);
    }
    Messages &messages() override { return fakeMessages; }
    const PictureFolder &pictureFolder() const override { return folder; }
    void returnToMenu() override { ++returnToMenuCalls; }
    bool quitting() const override { return isQuitting; }

    const QStringList &usageLines(UsageList list) const { return usage.at(static_cast<std::size_t>(list)); }

    // What the activity reads; the defaults are those of a first run.
    QStringList entries;
    QColor backgroundColor = Qt::black;
    bool confirmations = true;
    QString name = QStringLiteral("Freund");
    PictureFolder folder{QStringLiteral(".")};
    bool isQuitting = false;

    // What the activity did.
    std::array<QStringList, kUsageListCount> usage;
    int returnToMenuCalls = 0;
    FakeMessages fakeMessages;
};

} // namespace wortilo::test
