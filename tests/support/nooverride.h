// SPDX-License-Identifier: MIT
#pragma once
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace wortilo::test {

// While it lives, the calling thread obeys file permissions even as root: the capabilities that
// let root write into a read-only folder leave its effective set (they stay permitted, so they
// come back afterwards). For anyone else it changes nothing.
class NoPermissionOverride
{
public:
    NoPermissionOverride()
    {
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~(bit(CAP_DAC_OVERRIDE) | bit(CAP_DAC_READ_SEARCH) | bit(CAP_FOWNER));
        m_active = ::syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~NoPermissionOverride()
    {
        if (m_active)
            ::syscall(SYS_capset, &m_header, m_saved);
    }
    NoPermissionOverride(const NoPermissionOverride &) = delete;
    NoPermissionOverride &operator=(const NoPermissionOverride &) = delete;
    bool isActive() const { return m_active; }

private:
    static constexpr __u32 bit(int capability) { return __u32(1) << capability; }
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
};

} // namespace wortilo::test
