// SPDX-License-Identifier: MIT
#include "largememory.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <sys/mman.h>

namespace wortilo {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

// A mapping of at least `bytes`, aligned to a large page and marked for large pages (ignored
// where the system has none); its length, rounded up to whole large pages, goes to `mapped`.
void *mapLarge(std::size_t bytes, std::size_t &mapped)
{
    mapped = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    const std::size_t span = mapped + kHugePage;
    void *raw = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) {
        mapped = 0;
        return nullptr;
    }
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~std::uintptr_t(kHugePage - 1);
    const std::size_t head = aligned - start, tail = span - head - mapped;
    if (head > 0)
        ::munmap(raw, head);
    if (tail > 0)
        ::munmap(reinterpret_cast<void *>(aligned + mapped), tail);
    ::madvise(reinterpret_cast<void *>(aligned), mapped, MADV_HUGEPAGE);
    return reinterpret_cast<void *>(aligned);
}

struct Mapping {
    void *start;
    std::size_t length;
};

void unmap(void *info)
{
    const auto *m = static_cast<Mapping *>(info);
    ::munmap(m->start, m->length);
    delete m;
}

} // namespace

QImage largeImage(const QSize &size, QImage::Format format)
{
    if (size.isEmpty() || format == QImage::Format_Invalid)
        return {};
    const qint64 bitsPerLine = qint64(size.width()) * QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 bytesPerLine = (bitsPerLine + 31) / 32 * 4; // lines start on 32-bit boundaries
    const qint64 bytes = bytesPerLine * size.height();
    if (bytes < kLargeBytes || bytesPerLine > std::numeric_limits<int>::max())
        return QImage(size, format);
    std::size_t mapped = 0;
    void *start = mapLarge(std::size_t(bytes), mapped);
    if (!start)
        return {};
    return QImage(static_cast<uchar *>(start), size.width(), size.height(), qsizetype(bytesPerLine), format, unmap,
                  new Mapping{start, mapped});
}

LargeBytes::LargeBytes(qsizetype size)
{
    if (size >= kLargeBytes)
        m_data = static_cast<char *>(mapLarge(std::size_t(size), m_mapped));
    else
        m_data = static_cast<char *>(std::malloc(std::size_t(std::max<qsizetype>(size, 1))));
}

LargeBytes::~LargeBytes()
{
    if (m_mapped > 0)
        ::munmap(m_data, m_mapped);
    else
        std::free(m_data);
}

} // namespace wortilo
