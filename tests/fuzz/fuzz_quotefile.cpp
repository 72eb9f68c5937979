// Quote files: every record the scan counts can be read, none is longer
// than the cut, and a bad file is told apart without reading on.
#include "fuzzcheck.h"

#include "viewer/quotefile.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const QuoteFile::Scan scan = QuoteFile::scan(file);
    if (scan.status != QuoteFile::Status::Ok)
        return 0;
    FUZZ_CHECK(scan.lineCount >= 0 && scan.lineCount <= QuoteFile::kMaxLines);
    const int last = scan.lineCount;
    for (int number : {1, last / 2, last, last + 1}) {
        if (number < 1)
            continue;
        file.seek(0);
        const std::optional<QString> line = QuoteFile::line(file, number, scan.utf8);
        FUZZ_CHECK(line.has_value() == (number <= last));
        if (line)
            FUZZ_CHECK(line->size() <= QuoteFile::kMaxLineBytes && !line->contains(QLatin1Char('\n')));
    }
    return 0;
}
