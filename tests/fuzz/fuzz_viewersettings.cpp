// The viewer's settings file. Input: INI text, then optionally "\0\0" and
// a value. Setting one key must read back exactly and leave every other
// key as it was; the five settings read back as they were written.
#include "fuzzcheck.h"

#include "shared/inifile.h"
#include "viewer/viewersettings.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf(QByteArray("\0\0", 2));
    const QByteArray text = split < 0 ? input : input.left(split);
    const QString value = split < 0 ? QString() : QString::fromUtf8(input.mid(split + 2));

    static const QString group = QStringLiteral("INI");
    static const QStringList keys{"Ops", "Sh", "Tim", "Ms", "Jo", QStringLiteral("キー/下"), "a b"};
    const QString &key = keys.at(static_cast<qsizetype>(size % keys.size()));

    IniFile file(text);
    FUZZ_CHECK(file.text() == text);
    QList<std::optional<QString>> before;
    for (const QString &k : keys)
        before << file.value(group, k);
    const ViewerSettings settings = readViewerSettings(file);

    file.setValue(group, key, value);
    const IniFile reread(file.text());
    for (qsizetype i = 0; i < keys.size(); ++i)
        FUZZ_CHECK(reread.value(group, keys.at(i)) == (keys.at(i) == key ? std::optional(value) : before.at(i)));

    IniFile written(text);
    writeViewerSettings(written, settings);
    FUZZ_CHECK(readViewerSettings(IniFile(written.text())) == settings);
    return 0;
}
