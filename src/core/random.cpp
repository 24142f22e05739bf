// SPDX-License-Identifier: MIT
#include "random.h"

#include "clock.h"

namespace wortilo {

// A 24-bit linear congruential generator: every value is k / 2^24, exactly representable as a
// float, so n × r never rounds up to n.
float Random::next()
{
    m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return float(m_state) / 16777216.0f;
}

int Random::index(int n)
{
    if (n <= 0)
        return 0;
    const int i = int(double(n) * double(next()));
    return i < n ? i : n - 1;
}

void Random::seed(std::uint32_t value)
{
    // Mixed first, so that seeds a second apart (games reseed from the time of day) do not
    // start neighbouring sequences that draw neighbouring words.
    value ^= value >> 16;
    value *= 0x7FEB352Du;
    value ^= value >> 15;
    value *= 0x846CA68Bu;
    value ^= value >> 16;
    m_state = (value ^ (value >> 24)) & 0xFFFFFFu;
}

void Random::seedFromClock(const Clock &clock)
{
    seed(std::uint32_t(clock.secondsSinceMidnight()));
}

} // namespace wortilo
