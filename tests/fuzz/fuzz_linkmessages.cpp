// The lines a link client takes from its socket, arriving in pieces of any
// size: each line is handed on once and whole, in order, and a peer that
// sends too long a line is caught.
#include "fuzzcheck.h"

#include "shared/linebuffer.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    constexpr qsizetype kMaxLine = 64;
    // The first byte sets the size of the pieces the stream comes in.
    const qsizetype piece = data[0] % 17 + 1;
    const QByteArray stream(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

    LineBuffer buffer(kMaxLine);
    QByteArray taken;
    for (qsizetype at = 0; at < stream.size(); at += piece) {
        buffer.append(stream.mid(at, piece));
        while (const std::optional<QByteArray> line = buffer.takeLine()) {
            FUZZ_CHECK(!line->contains('\n'));
            taken += *line + '\n';
        }
    }
    const qsizetype complete = stream.lastIndexOf('\n') + 1;
    QByteArray expected = stream.left(complete);
    expected.replace("\r\n", "\n");
    FUZZ_CHECK(taken == expected);
    FUZZ_CHECK(buffer.overflowed() == (stream.size() - complete > kMaxLine));
    return 0;
}
