// SPDX-License-Identifier: MIT
#pragma once
#include "core/word.h"
#include "pictures/picture.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace wortilo {

// The folder check for teachers: which picture files of a folder do not count as words, which
// count but cannot be shown (the grey placeholder), and why, in one German sentence each. It
// asks the folder, the word store and the picture loader themselves, so it tells exactly what
// the program does with the folder.
class FolderCheck
{
public:
    struct Finding {
        QString file;
        QString reason;
        bool counts = false; // the word counts, but its picture cannot be shown
    };
    // Loads the picture at a path and tells why it cannot be shown (None when it can).
    using Loader = std::function<Picture::Fault(const QString &path)>;
    static Picture::Fault loadPicture(const QString &path) { return Picture::load(path).fault(); }

    explicit FolderCheck(const QString &folder, Loader loader = loadPicture);

    // Reads the folder and judges the file names (quick: nothing is decoded).
    void readFolder();
    QString folder() const { return m_folder; }
    const QList<Finding> &findings() const { return m_findings; }

    // The words whose pictures are to be loaded.
    qsizetype pictureCount() const { return m_paths.size(); }
    // Loads the picture of word i: a finding when it cannot be shown. Touches nothing else, so
    // it may run on another thread while the check is not changed.
    std::optional<Finding> checkPicture(qsizetype i) const;
    void addFinding(const Finding &finding) { m_findings.append(finding); }
    // Loads every picture and adds what cannot be shown.
    void checkPictures();

    // Every picture file counts and loads (and there is at least one).
    bool passed() const;
    // The closing lines: the words by article and by format, and the verdict.
    QStringList summary() const;
    // The whole report as the command line prints it.
    QString report() const;

    static QString reason(const NameVerdict &verdict, const QStringList &names);
    static QString reason(Picture::Fault fault);

private:
    QString m_folder;
    Loader m_loader;
    bool m_found = false;
    qsizetype m_pictureFiles = 0;
    QList<Word> m_words;
    QStringList m_paths; // of m_words' pictures, as the frames find them
    QStringList m_names; // of m_words' files
    QList<Finding> m_findings;
};

} // namespace wortilo
