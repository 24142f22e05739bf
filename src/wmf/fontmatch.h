// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace wortilo::wmf {

// The families to ask for when a metafile names a Windows font, in order of preference: the face
// itself (when it is installed), free fonts with the same advance widths (Liberation, Croscore), so
// text keeps its length and the picture its layout, and last a generic family chosen from the name
// and the pitch-and-family byte. The style hint for Qt's own fallback goes to *hint.
QStringList fontFamiliesFor(const QString &face, quint8 pitchAndFamily, QFont::StyleHint *hint);

// The free families that have the same advance widths as a Windows face ("Arial" → Liberation
// Sans, Arimo), or none.
QStringList metricCompatibleFamilies(const QString &face);

} // namespace wortilo::wmf
