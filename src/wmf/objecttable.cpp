// SPDX-License-Identifier: MIT
#include "objecttable.h"

#include <algorithm>

namespace wortilo::wmf {

ObjectTable::ObjectTable(int expected)
{
    m_slots.reserve(size_t(std::clamp(expected, 0, 1024)));
}

int ObjectTable::add(GdiObject object)
{
    size_t index = m_firstFree;
    while (index < m_slots.size() && !std::holds_alternative<std::monostate>(m_slots[index]))
        ++index;
    if (index >= size_t(kMaxObjects))
        return -1;
    if (index == m_slots.size())
        m_slots.emplace_back();
    m_slots[index] = std::move(object);
    m_firstFree = index + 1;
    return int(index);
}

void ObjectTable::remove(int index)
{
    if (index < 0 || size_t(index) >= m_slots.size())
        return;
    m_slots[size_t(index)] = std::monostate{};
    m_firstFree = std::min(m_firstFree, size_t(index));
}

const GdiObject *ObjectTable::at(int index) const
{
    if (index < 0 || size_t(index) >= m_slots.size()
        || std::holds_alternative<std::monostate>(m_slots[size_t(index)]))
        return nullptr;
    return &m_slots[size_t(index)];
}

GdiObject *ObjectTable::at(int index)
{
    return const_cast<GdiObject *>(std::as_const(*this).at(index));
}

} // namespace wortilo::wmf
