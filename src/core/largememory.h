// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QImage>
#include <cstddef>

namespace wortilo {

// Memory for large pictures, taken in 2 MB pages where the system offers them (transparent huge
// pages). The system then maps and frees it in a few dozen steps instead of thousands of 4 KB
// ones: on a virtual machine a 4000 × 3000 BMP decoded in 26 ms instead of 145 ms, and freeing
// such memory in 4 KB pages held up the other threads, the window's among them.
inline constexpr qsizetype kLargeBytes = 4 * 1024 * 1024; // below this, ordinary memory

// An image with unset pixels, in large pages when it is at least kLargeBytes; null when there is
// no memory for it.
QImage largeImage(const QSize &size, QImage::Format format);

// Room for reading a file of the given size, in large pages when it is at least kLargeBytes.
// bytes() reads it without a copy, for as long as this lives.
class LargeBytes
{
public:
    explicit LargeBytes(qsizetype size);
    ~LargeBytes();
    LargeBytes(const LargeBytes &) = delete;
    LargeBytes &operator=(const LargeBytes &) = delete;

    bool isNull() const { return m_data == nullptr; }
    char *data() { return m_data; }
    // The first `size` bytes as a QByteArray that refers to this memory (QByteArray::fromRawData).
    QByteArray bytes(qsizetype size) const { return QByteArray::fromRawData(m_data, size); }

private:
    char *m_data = nullptr;
    std::size_t m_mapped = 0; // 0: m_data is ordinary memory
};

} // namespace wortilo
