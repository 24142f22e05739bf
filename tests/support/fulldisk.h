// SPDX-License-Identifier: MIT
#pragma once
#include <csignal>
#include <sys/resource.h>

namespace wortilo::test {

// While it lives, every write past a few bytes of a file fails, as on a full disk; unlike a
// read-only folder this stops root too.
class FullDisk
{
public:
    FullDisk() : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit tiny = m_saved;
        tiny.rlim_cur = 8;
        m_active = ::setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;
    bool isActive() const { return m_active; }

private:
    void (*m_handler)(int);
    rlimit m_saved{};
    bool m_active = false;
};

} // namespace wortilo::test
