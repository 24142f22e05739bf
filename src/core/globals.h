// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QtGlobal>

// The few values the windows share as plain globals.
namespace wortilo {

// Palette index of the consonant colour (default 10, light green).
extern int mitlautfarbe;
// Palette index of the vowel colour (default 12, light red).
extern qint16 selbstlautfarbe;
// Size in twips of the picture an exercise has just loaded.
extern int bildbreite;
extern int bildhoehe;

} // namespace wortilo
