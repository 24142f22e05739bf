// SPDX-License-Identifier: MIT
#include "activities.h"

#include "form1.h"

namespace wortilo {

void registerActivities(Form1 &menu)
{
    Q_UNUSED(menu);
}

} // namespace wortilo
