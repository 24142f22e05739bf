// SPDX-License-Identifier: MIT
#pragma once
#include "wordframe.h"

namespace wortilo {

// The logic of the reading exercise: the frame with spaced drawing that records every word it
// shows in the usage view's "Lesen" list.
class Reading : public WordFrame
{
    Q_OBJECT
public:
    explicit Reading(ActivityContext &context);
};

} // namespace wortilo
