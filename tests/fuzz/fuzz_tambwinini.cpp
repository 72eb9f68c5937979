// tambwin.ini: whatever the file holds, the face fits its field and the
// font read back from what tambinit would write is the same font.
#include "fuzzcheck.h"

#include "titlecard/titlefontfile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    TitleFont font = defaultTitleFont();
    TitleFontFile::parse(text, font);
    FUZZ_CHECK(font.lfFaceName.size() <= TitleFont::kFaceNameBytes);

    TitleFont back = defaultTitleFont(QByteArray());
    TitleFontFile::parse(TitleFontFile::serialize(font), back);
    FUZZ_CHECK(back == font);
    return 0;
}
