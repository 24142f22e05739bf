// SPDX-License-Identifier: MIT
#include "fontmatch.h"

namespace wortilo::wmf {

namespace {

// Windows names a face per character set in old files ("Arial CE", "Times New Roman Cyr"): the
// same face underneath.
QString withoutCharsetSuffix(const QString &face)
{
    for (const char *suffix : {" ce", " cyr", " greek", " tur", " baltic"})
        if (face.endsWith(QLatin1String(suffix)))
            return face.chopped(qsizetype(qstrlen(suffix)));
    return face;
}

} // namespace

QStringList metricCompatibleFamilies(const QString &face)
{
    struct Match {
        const char *face;
        QStringList families;
    };
    static const Match kMatches[] = {
        {"arial", {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")}},
        {"arial mt", {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")}},
        {"helvetica", {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")}},
        {"arial narrow", {QStringLiteral("Liberation Sans Narrow")}},
        {"helvetica narrow", {QStringLiteral("Liberation Sans Narrow")}},
        {"times new roman", {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")}},
        {"times", {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")}},
        {"times roman", {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")}},
        {"courier new", {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")}},
        {"courier", {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")}},
        {"calibri", {QStringLiteral("Carlito")}},
        {"cambria", {QStringLiteral("Caladea")}},
    };
    const QString key = withoutCharsetSuffix(face.trimmed().toLower());
    for (const Match &m : kMatches)
        if (key == QLatin1String(m.face))
            return m.families;
    return {};
}

QStringList fontFamiliesFor(const QString &face, quint8 pitchAndFamily, QFont::StyleHint *hint)
{
    const QString f = face.toLower();
    auto has = [&](const char *s) { return f.contains(QLatin1String(s)); };
    const int family = pitchAndFamily >> 4;
    QString generic;
    if (has("courier") || has("mono") || has("console") || has("fixedsys") || has("terminal")
        || (pitchAndFamily & 3) == 1 || family == 3) {
        *hint = QFont::TypeWriter;
        generic = QStringLiteral("monospace");
    } else if (has("times") || has("roman") || (has("serif") && !has("sans")) || has("garamond")
               || has("bookman") || has("century") || has("georgia") || has("palatino") || has("symbol")
               || family == 1) {
        *hint = QFont::Serif;
        generic = QStringLiteral("serif");
    } else if (family == 4) {
        *hint = QFont::Cursive;
        generic = QStringLiteral("serif");
    } else {
        *hint = QFont::SansSerif;
        generic = QStringLiteral("sans-serif");
    }
    QStringList families;
    if (!face.isEmpty())
        families << face << metricCompatibleFamilies(face);
    families << generic;
    return families;
}

} // namespace wortilo::wmf
