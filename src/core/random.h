// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>

namespace wortilo {

class Clock;

// A pseudo-random generator of single-precision values uniform in [0, 1); the session holds
// the one the whole program uses. Unseeded it starts from the same state in every run, so the same actions on the same word
// list give the same words; the games reseed it from the time of day.
class Random
{
public:
    float next();
    // A random index into a list of n entries: the integer part of n × next(); 0 when n ≤ 0.
    int index(int n);
    void seed(std::uint32_t value);
    // Reseeds from the seconds since midnight, as the games do before they draw.
    void seedFromClock(const Clock &clock);

private:
    std::uint32_t m_state = 0x50000;
};

} // namespace wortilo
