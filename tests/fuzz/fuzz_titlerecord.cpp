// The title record and the decimal parser: the card's command line as
// tambwin reads it.
#include "fuzzcheck.h"

#include "shared/parsedecimal.h"
#include "titlecard/clock.h"
#include "titlecard/splitfields.h"
#include "titlecard/titlechoice.h"

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
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    parseDecimal(text);

    const QList<QByteArray> fields = splitFields(text);
    FUZZ_CHECK(fields.size() <= kTitleFieldCount);
    for (const QByteArray &field : fields)
        FUZZ_CHECK(!field.isEmpty() && !field.contains(',') && !field.contains('\0'));

    const TitleChoice choice = decideTitle(text, StoppedClock());
    if (choice.kind == TitleChoice::Kind::Custom)
        FUZZ_CHECK(choice.episode == 0);
    else
        FUZZ_CHECK(choice.episode >= 1 && choice.episode <= 45);
    return 0;
}
