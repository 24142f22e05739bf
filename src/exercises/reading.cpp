// SPDX-License-Identifier: MIT
#include "reading.h"

namespace wortilo {

Reading::Reading(Host &host) : WordFrame(host, StripStyle::Spaced)
{
    connect(this, &WordFrame::wordPresented, this,
            [this] { this->host().appendUsage(Activity::Lesen, currentWord().noun()); });
}

} // namespace wortilo
