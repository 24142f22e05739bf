// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace wortilo {

// A file in the picture folder that is not taken as a picture, though it looks meant as one.
struct RefusedFile {
    enum class Why {
        OtherFormat,     // a picture format Wortilo does not read (.png, .jpeg, …)
        UndecodableName, // a picture's name that is not valid UTF-8 text
    };
    QString name; // as the file is named (undecodable bytes shown as replacement characters)
    Why why;
};

// The picture folder (the program's working directory): lists its picture files and finds a
// file by its upper-case word entry, since Linux file names are case-sensitive.
class PictureFolder
{
public:
    explicit PictureFolder(const QString &path = QStringLiteral("."));

    QString path() const { return m_path; }

    // Reads the folder: files matching *.wmf;*.jpg;*.gif;*.bmp (extension in any case).
    void scan();
    // Their names, composed (NFC), in German dictionary order ignoring letter case. Names that are not
    // valid UTF-8 are left out: they can never be words.
    const QStringList &pictureFiles() const { return m_names; }
    // Whether any picture file was found, counting those with undecodable names.
    bool hasPictureFiles() const { return !m_names.isEmpty() || m_undecodable > 0; }

    // The files left out because their format is not read or their name is no text, in
    // alphabetical order.
    const QList<RefusedFile> &refusedFiles() const { return m_refused; }

    // Full path of the file whose upper-cased name is entry, or an empty string.
    QString resolve(const QString &entry) const;
    // Full path of the recording beside the picture entry names: a sound file (.ogg, .oga,
    // .opus, .flac, .wav, .mp3, in any case) with the picture's name up to its extension, found
    // like the picture whatever its letter case; an empty string if there is none. Where
    // several are found, the first extension in that list wins.
    QString recording(const QString &entry) const;

private:
    QString m_path;
    QStringList m_names;
    QHash<QString, QByteArray> m_storedAs; // name → name on disk, where not its UTF-8 (few)
    int m_undecodable = 0;
    QList<RefusedFile> m_refused;
    mutable QHash<QString, QByteArray> m_byEntry; // upper-case NFC name → name as stored on disk
    QList<QByteArray> m_sounds; // sound files as stored on disk, indexed on first use
    mutable QHash<QString, QByteArray> m_soundByStem; // upper-case NFC stem → best sound file
};

} // namespace wortilo
