// SPDX-License-Identifier: MIT
#include "reading.h"

#include "core/host.h"

namespace wortilo {

Reading::Reading(Host &host) : WordFrame(host, StripStyle::Spaced) {}

void Reading::wordShown()
{
    host().appendUsage(UsageList::Lesen, noun());
}

} // namespace wortilo
