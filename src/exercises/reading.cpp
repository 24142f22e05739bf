// SPDX-License-Identifier: MIT
#include "reading.h"

namespace wortilo {

Reading::Reading(ActivityContext &context) : WordFrame(context, StripStyle::Spaced)
{
    connect(this, &WordFrame::wordPresented, this,
            [this] { this->context().appendUsage(Activity::Lesen, currentWord().noun()); });
}

} // namespace wortilo
