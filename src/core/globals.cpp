// SPDX-License-Identifier: MIT
#include "globals.h"

namespace wortilo {
int mitlautfarbe = 10;
qint16 selbstlautfarbe = 12;
int bildbreite = 0;
int bildhoehe = 0;
} // namespace wortilo
