// SPDX-License-Identifier: MIT
#pragma once
#include "core/activitycontext.h"
#include "core/random.h"
#include "pictures/folder.h"
#include "pictures/pictureloader.h"
#include "support/fakemessages.h"
#include "support/fakespeaker.h"
#include "support/manualclock.h"
#include "support/words.h"
#include "widgets/navigation.h"

#include <QColor>
#include <QStringList>
#include <array>
#include <memory>

namespace wortilo::test {

// A main window stand-in for activity tests, as the activity's context and the window's way
// back: the values an activity reads are plain members to set, and what it hands back (usage
// lines, returns to the menu) is recorded.
class FakeContext : public ActivityContext, public Navigation
{
public:
    QList<Word> activeWords() const override { return wordsOf(entries); }
    QColor background() const override { return backgroundColor; }
    LetterColours letterColours() const override { return colours; }
    bool confirmationsOn() const override { return confirmations; }
    QString playerName() const override { return name; }
    void appendUsage(Activity activity, const QString &line) override { usage[std::size_t(activity)].append(line); }
    Messages &messages() override { return fakeMessages; }
    const PictureFolder &pictureFolder() const override { return folder; }
    // Pictures decoded the moment they are asked for, unless a test hands in a loader with workers.
    PictureLoader &pictureLoader() override
    {
        static PictureLoader atOnce(0);
        return loader ? *loader : atOnce;
    }
    Random &random() override { return generator; }
    Clock &clock() override { return manualClock; }
    Speaker &speaker() override { return *fakeSpeaker; }
    void returnToMenu() override { ++returnToMenuCalls; }
    bool quitting() const override { return isQuitting; }

    const QStringList &usageLines(Activity activity) const { return usage.at(std::size_t(activity)); }

    // A context whose active entries are these, with the pictures of a folder.
    static FakeContext withPictures(const QString &folderPath, const QStringList &activeEntries)
    {
        FakeContext host;
        host.entries = activeEntries;
        host.folder = PictureFolder(folderPath);
        host.folder.scan();
        return host;
    }

    // What the activity reads; the defaults are those of a first run.
    QStringList entries;
    QColor backgroundColor = Qt::black;
    LetterColours colours;
    bool confirmations = true;
    QString name = QStringLiteral("Freund");
    PictureFolder folder{QStringLiteral(".")};
    Random generator;
    ManualClock manualClock;
    bool isQuitting = false;
    PictureLoader *loader = nullptr;

    // What the activity did.
    std::array<QStringList, kActivityCount> usage;
    int returnToMenuCalls = 0;
    FakeMessages fakeMessages;
    // Held by pointer: a speaker is a QObject, and the context is handed out by value.
    std::unique_ptr<FakeSpeaker> fakeSpeaker = std::make_unique<FakeSpeaker>();
};

} // namespace wortilo::test
