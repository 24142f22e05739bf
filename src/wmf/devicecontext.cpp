// SPDX-License-Identifier: MIT
#include "devicecontext.h"

#include <cmath>

namespace wortilo::wmf {

void DeviceContext::updateMapping()
{
    auto ratio = [](qreal v, qreal w, qreal fallback) {
        if (w == 0 || !std::isfinite(v / w))
            return fallback;
        return v / w;
    };
    qreal unitsPerInch = 0;
    switch (mapMode) {
    case rec::MmLoMetric: unitsPerInch = 254; break;
    case rec::MmHiMetric: unitsPerInch = 2540; break;
    case rec::MmLoEnglish: unitsPerInch = 100; break;
    case rec::MmHiEnglish: unitsPerInch = 1000; break;
    case rec::MmTwips: unitsPerInch = 1440; break;
    default: break;
    }
    if (unitsPerInch > 0) {
        // Fixed modes: physical units, y grows upwards.
        m_sx = deviceDpi / unitsPerInch;
        m_sy = -m_sx;
        return;
    }
    if (mapMode == rec::MmText) {
        m_sx = m_sy = 1;
        return;
    }
    m_sx = ratio(viewportExt.x(), windowExt.x(), m_sx);
    m_sy = ratio(viewportExt.y(), windowExt.y(), m_sy);
    if (mapMode == rec::MmIsotropic) {
        // Same unit size on both axes: the smaller scale wins, the signs stay.
        const qreal s = std::min(std::abs(m_sx), std::abs(m_sy));
        m_sx = std::copysign(s, m_sx);
        m_sy = std::copysign(s, m_sy);
    }
    if (m_sx == 0)
        m_sx = 1;
    if (m_sy == 0)
        m_sy = 1;
}

} // namespace wortilo::wmf
