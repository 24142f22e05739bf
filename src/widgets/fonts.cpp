// SPDX-License-Identifier: MIT
#include "fonts.h"

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
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    f.setBold(bold);
    return f;
}

} // namespace wortilo
