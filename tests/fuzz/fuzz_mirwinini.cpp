// mirwin.ini: whatever the file holds, every value is within the range of
// the control that edits it, and the numbers mirinit writes of it read back
// the same.
#include "fuzzcheck.h"

#include "second_config/mirwinsettingsfile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const MirwinSettings read = MirwinSettingsFile::parse(text);
    FUZZ_CHECK(!read.size || (*read.size >= MirwinSettings::kSizeMin && *read.size <= MirwinSettings::kSizeMax));
    for (int offset : {read.vertical, read.horizontal})
        FUZZ_CHECK(offset >= MirwinSettings::kOffsetMin && offset <= MirwinSettings::kOffsetMax);

    const MirwinSettings back = MirwinSettingsFile::parse(MirwinSettingsFile::serialize(read));
    FUZZ_CHECK(back.size == read.size && back.vertical == read.vertical && back.horizontal == read.horizontal);
    return 0;
}
