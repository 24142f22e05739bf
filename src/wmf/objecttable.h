// SPDX-License-Identifier: MIT
#pragma once

#include "gdiobjects.h"

#include <vector>

namespace wortilo::wmf {

// The metafile's object table: a created object takes the lowest free slot, records refer to
// objects by slot. The table grows past the header's object count (some writers understate it)
// but never past kMaxObjects, so a file cannot make us hold unbounded objects.
class ObjectTable
{
public:
    static constexpr int kMaxObjects = 65535;

    explicit ObjectTable(int expected = 0);

    // Puts the object into the lowest free slot; returns the slot, or -1 when the table is full.
    int add(GdiObject object);
    void remove(int index);
    // The object in slot index, or nullptr when the slot is empty or out of range.
    const GdiObject *at(int index) const;
    GdiObject *at(int index);

private:
    std::vector<GdiObject> m_slots;
    size_t m_firstFree = 0;
};

} // namespace wortilo::wmf
