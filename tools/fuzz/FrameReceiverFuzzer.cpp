// Any byte stream in any chunking into the link's frame receiver. The frames it
// hands over are compared with those of a reference splitter written here from
// the frame rules alone: a frame runs from a start byte 0x80 ... 0x89 to the end
// byte 0x0D; a start byte inside a frame begins a new one; a frame longer than
// the limit without its end byte is dropped.
//
// Input: a control byte (chunk sizes, how often frames are taken, whether runs
// are expanded), a seed byte, then the stream. With expansion, 0xFF n b in the
// stream stands for (n + 1) * 64 copies of b, so that a few runs reach the
// limits, and chunks are at least 64 times larger, so that such streams pass quickly.
// Taken after every chunk, the frames must be exactly the reference's; taken
// rarely, bytes behind an unread frame may be dropped to bound the memory, so
// they must be a subsequence of the reference's. Either way the receiver holds
// no more than a few frames' worth of bytes.

#include "FrameCollector.h"

#include <QList>

#include <algorithm>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/allocator_interface.h>
#define ZEL_HEAP_BYTES() qint64(__sanitizer_get_current_allocated_bytes())
#endif
#endif
#ifndef ZEL_HEAP_BYTES
#define ZEL_HEAP_BYTES() qint64(0)
#endif

namespace {

constexpr qsizetype kLimit = FrameCollector::MaxFrameBytes;

bool isStart(uint8_t b)
{
    return b >= 0x80 && b <= 0x89;
}

QList<QByteArray> referenceFrames(const QByteArray& stream)
{
    QList<QByteArray> frames;
    QByteArray frame;
    for (const char c : stream) {
        const auto b = uint8_t(c);
        if (isStart(b)) {
            frame = QByteArray(1, c);
        } else if (!frame.isEmpty()) {
            frame.append(c);
            if (b == 0x0D) {
                frames.append(frame);
                frame.clear();
            } else if (frame.size() > kLimit) {
                frame.clear();
            }
        }
    }
    return frames;
}

QByteArray streamOf(const uint8_t* data, size_t size, bool expand)
{
    QByteArray stream;
    for (size_t i = 0; i < size; ++i) {
        if (expand && data[i] == 0xFF && i + 2 < size) {
            stream.append((data[i + 1] + 1) * 64, char(data[i + 2]));
            i += 2;
        } else {
            stream.append(char(data[i]));
        }
    }
    return stream;
}

void fail(const char* what, qsizetype at)
{
    std::fprintf(stderr, "%s (frame %lld)\n", what, static_cast<long long>(at));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t control = data[0];
    uint32_t random = data[1] * 2654435761u + 1;
    const bool expand = control & 0x80;
    const bool takeAlways = !(control & 0x40);
    const int maxChunk = 1 << std::min((control & 0x0F) + (expand ? 6 : 0), 15); // 1 ... 32768 bytes
    const QByteArray stream = streamOf(data + 2, size - 2, expand);
    const QList<QByteArray> expected = referenceFrames(stream);

    const qint64 heapBefore = ZEL_HEAP_BYTES();
    FrameCollector rx;
    qsizetype matched = 0;
    const auto takeFrames = [&] {
        while (rx.frameComplete()) {
            const QByteArray frame = rx.takeFrame();
            if (takeAlways) {
                if (matched >= expected.size() || frame != expected.at(matched))
                    fail("frame differs from the reference", matched);
                ++matched;
                continue;
            }
            while (matched < expected.size() && expected.at(matched) != frame)
                ++matched;
            if (matched == expected.size())
                fail("frame the reference never found", matched);
            ++matched;
        }
    };
    for (qsizetype at = 0; at < stream.size();) {
        random = random * 1103515245u + 12345u;
        const qsizetype chunk = std::min<qsizetype>(1 + (random >> 8) % maxChunk, stream.size() - at);
        rx.feed(QByteArray::fromRawData(stream.constData() + at, chunk));
        at += chunk;
        rx.takeNotes();
        if (rx.buffer().size() > kLimit + 1)
            fail("frame buffer beyond its limit", matched);
        // What the receiver holds: the frame, the bytes behind it, the discarded
        // bytes of the last chunks, each with room to grow.
        const qint64 held = ZEL_HEAP_BYTES() - heapBefore;
        if (held > 8 * kLimit + 4 * maxChunk)
            fail("receiver holds too much", matched);
        if (takeAlways || (random >> 4) % 16 == 0)
            takeFrames();
    }
    takeFrames();
    if (takeAlways && matched != expected.size())
        fail("frames the receiver never handed over", matched);
    return 0;
}
