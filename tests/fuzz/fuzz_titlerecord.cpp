// The title record and the decimal parser: the card's command line as
// tambwin reads it.
#include "fuzzcheck.h"

#include "shared/parsedecimal.h"
#include "shared/textencoding.h"
#include "titlecard/clock.h"
#include "titlecard/splitfields.h"
#include "titlecard/titlechoice.h"
#include "titlecard/titletable.h"

#include <cstdint>

namespace {
class StoppedClock : public Clock
{
public:
    std::int64_t secondsSinceEpoch() const override { return 1234567890; }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    parseDecimal(bytes);

    // As an argument arrives: UTF-8, or code page 932 where it is not.
    const QString text = TextEncoding::decode(bytes);
    const QStringList fields = splitFields(text);
    FUZZ_CHECK(fields.size() <= kTitleFieldCount);
    for (const QString &field : fields)
        FUZZ_CHECK(!field.isEmpty() && !field.contains(QLatin1Char(',')) && !field.contains(QChar(0)));

    const TitleChoice choice = decideTitle(text, StoppedClock());
    if (choice.kind == TitleChoice::Kind::Custom)
        FUZZ_CHECK(choice.episode == 0);
    else
        FUZZ_CHECK(choice.episode >= 1 && choice.episode <= TitleTable::kEpisodeCount);
    return 0;
}
