// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QFontMetrics>
#include <QStringList>
#include <cmath>

namespace wortilo {

void installFontSubstitutes()
{
    const QStringList sans = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                              QStringLiteral("Noto Sans")};
    for (const QString &design : {QStringLiteral("Verdana"), QStringLiteral("MS Sans Serif")})
        QFont::insertSubstitutions(design, sans);
}

QFont designFont(const QString &family, double points, bool bold)
{
    QFont f;
    // Only the windows' fonts name the readers' face first: the design faces keep their
    // substitutes for whatever else asks for them by name (text in metafiles).
    f.setFamilies({QString::fromUtf16(kReadersFace), family});
    f.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    f.setBold(bold);
    return f;
}

LetterExtent letterExtent(const QFont &font)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜabcdefghijklmnopqrstuvwxyzäöüß");
    // Surfaces print letter by letter in one font: the last answer is asked for again and again.
    struct Key {
        QStringList families;
        int pixels, weight;
        bool italic;
        bool operator==(const Key &) const = default;
    };
    static Key last;
    static LetterExtent extent;
    const Key key{font.families(), font.pixelSize(), font.weight(), font.italic()};
    if (key == last && extent.height() > 0)
        return extent;
    const QFontMetrics metrics(font);
    const QRect ink = metrics.tightBoundingRect(letters);
    last = key;
    extent = {std::min(metrics.ascent(), -ink.top()), std::min(metrics.descent(), ink.bottom() + 1)};
    return extent;
}

} // namespace wortilo
