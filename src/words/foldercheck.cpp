// SPDX-License-Identifier: MIT
#include "foldercheck.h"

#include "pictures/folder.h"
#include "words/wordstore.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace wortilo {

namespace {

QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

// The character named so that a teacher recognises it.
QString characterName(const QString &c)
{
    if (c == u" ")
        return QStringLiteral("ein Leerzeichen");
    if (c == u"-")
        return QStringLiteral("ein Bindestrich");
    if (c == u".")
        return QStringLiteral("ein Punkt");
    if (c.size() == 1 && c[0].isDigit())
        return QStringLiteral("eine Ziffer („%1“)").arg(c);
    return QStringLiteral("das Zeichen „%1“").arg(c);
}

} // namespace

FolderCheck::FolderCheck(const QString &folder, Loader loader) : m_folder(folder), m_loader(std::move(loader)) {}

QString FolderCheck::reason(const NameVerdict &verdict, const QStringList &names)
{
    switch (verdict.fault) {
    case NameFault::None:
        return {};
    case NameFault::NoArticle:
        return QStringLiteral("Der Name beginnt nicht mit der, die oder das (zum Beispiel derHund.jpg).");
    case NameFault::NotALetter:
        return QStringLiteral("Im Nomen steht %1; ein Nomen besteht nur aus Buchstaben (keine Ziffern, "
                              "Leerzeichen, Bindestriche oder Punkte).")
            .arg(characterName(verdict.character));
    case NameFault::SameWord:
        return QStringLiteral("Dasselbe Wort wie „%1“, nur anders groß oder klein geschrieben; es zählt nur einmal.")
            .arg(names.value(verdict.sameAs));
    }
    return {};
}

QString FolderCheck::reason(Picture::Fault fault)
{
    switch (fault) {
    case Picture::Fault::None:
        return {};
    case Picture::Fault::Unreadable:
        return QStringLiteral("Die Datei lässt sich nicht lesen (fehlende Leserechte oder keine gewöhnliche Datei).");
    case Picture::Fault::NotAPicture:
        return QStringLiteral("Der Inhalt ist kein BMP-, JPEG-, GIF- oder WMF-Bild; bitte als .jpg, .gif oder .bmp "
                              "speichern.");
    case Picture::Fault::Damaged:
        return QStringLiteral("Das Bild ist beschädigt oder unvollständig.");
    case Picture::Fault::TooLarge:
        return QStringLiteral("Das Bild ist zu groß, um es zu zeigen; bitte kleiner speichern (etwa 800 × 600 Pixel).");
    }
    return {};
}

void FolderCheck::readFolder()
{
    m_found = QFileInfo(m_folder).isDir();
    m_findings.clear();
    m_words.clear();
    m_paths.clear();
    m_names.clear();
    PictureFolder folder(m_folder);
    folder.scan();
    for (const RefusedFile &file : folder.refusedFiles()) {
        if (file.why == RefusedFile::Why::UndecodableName) {
            m_findings.append({file.name, QStringLiteral("Der Name ist kein gültiger Text (falsche Zeichenkodierung); "
                                                         "bitte die Datei neu benennen."), false});
        } else {
            QString why = QStringLiteral("Wortilo liest keine %1-Dateien: bitte als .jpg, .gif oder .bmp speichern.")
                              .arg(extensionOf(file.name));
            if (extensionOf(file.name) == u".jpeg")
                why += QStringLiteral(" Hier genügt es, die Endung in .jpg zu ändern.");
            m_findings.append({file.name, why, false});
        }
    }
    const QStringList &names = folder.pictureFiles();
    m_pictureFiles = names.size() + folder.refusedFiles().size();
    WordStore store;
    store.buchstabenliste();
    const QList<NameVerdict> verdicts = store.judge(names);
    for (qsizetype i = 0; i < verdicts.size(); ++i) {
        if (verdicts[i].word) {
            m_words.append(*verdicts[i].word);
            m_paths.append(folder.resolve(verdicts[i].word->entry()));
            m_names.append(names[i]);
        } else {
            m_findings.append({names[i], reason(verdicts[i], names), false});
        }
    }
}

std::optional<FolderCheck::Finding> FolderCheck::checkPicture(qsizetype i) const
{
    const Picture::Fault fault = m_loader(m_paths.value(i));
    if (fault == Picture::Fault::None)
        return std::nullopt;
    return Finding{m_names.value(i), reason(fault), true};
}

void FolderCheck::checkPictures()
{
    for (qsizetype i = 0; i < pictureCount(); ++i)
        if (const std::optional<Finding> finding = checkPicture(i))
            m_findings.append(*finding);
}

bool FolderCheck::passed() const
{
    return m_found && m_pictureFiles > 0 && m_findings.isEmpty();
}

QStringList FolderCheck::summary() const
{
    QStringList lines;
    if (!m_found) {
        lines << QStringLiteral("Den Ordner gibt es nicht, oder er lässt sich nicht öffnen.");
        return lines;
    }
    QMap<QString, int> articles{{QStringLiteral("der"), 0}, {QStringLiteral("die"), 0}, {QStringLiteral("das"), 0}};
    QMap<QString, int> formats{{QStringLiteral(".bmp"), 0}, {QStringLiteral(".gif"), 0}, {QStringLiteral(".jpg"), 0},
                               {QStringLiteral(".wmf"), 0}};
    for (const Word &word : m_words) {
        ++articles[word.article()];
        ++formats[extensionOf(word.entry())];
    }
    lines << (m_words.size() == 1 ? QStringLiteral("1 Wort zählt.") : QStringLiteral("%1 Wörter zählen.").arg(m_words.size()));
    lines << QStringLiteral("Nach Artikel: der %1, die %2, das %3.")
                 .arg(articles.value(QStringLiteral("der")))
                 .arg(articles.value(QStringLiteral("die")))
                 .arg(articles.value(QStringLiteral("das")));
    lines << QStringLiteral("Nach Format: .bmp %1, .gif %2, .jpg %3, .wmf %4.")
                 .arg(formats.value(QStringLiteral(".bmp")))
                 .arg(formats.value(QStringLiteral(".gif")))
                 .arg(formats.value(QStringLiteral(".jpg")))
                 .arg(formats.value(QStringLiteral(".wmf")));
    if (m_pictureFiles == 0)
        lines << QStringLiteral("Im Ordner liegt kein Bild; so startet Wortilo nicht.");
    else if (m_findings.isEmpty())
        lines << QStringLiteral("Alles in Ordnung: Jede Bilddatei zählt und lässt sich zeigen.");
    else
        lines << (m_findings.size() == 1 ? QStringLiteral("1 Datei braucht Hilfe.")
                                         : QStringLiteral("%1 Dateien brauchen Hilfe.").arg(m_findings.size()));
    return lines;
}

QString FolderCheck::report() const
{
    QString text = QStringLiteral("Bilderordner: %1\n").arg(QDir::toNativeSeparators(QFileInfo(m_folder).absoluteFilePath()));
    auto section = [&](bool counts, const QString &heading) {
        bool any = false;
        for (const Finding &f : m_findings) {
            if (f.counts != counts)
                continue;
            if (!any)
                text += u'\n' + heading + u'\n';
            any = true;
            text += QStringLiteral("  %1: %2\n").arg(f.file, f.reason);
        }
    };
    section(false, QStringLiteral("Diese Dateien zählen nicht als Wort:"));
    section(true, QStringLiteral("Diese Wörter zählen, aber ihr Bild kann nicht gezeigt werden (eine graue Fläche "
                                 "steht an seiner Stelle):"));
    text += u'\n';
    for (const QString &line : summary())
        text += line + u'\n';
    return text;
}

} // namespace wortilo
