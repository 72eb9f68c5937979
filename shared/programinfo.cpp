#include "programinfo.h"

#include "programinfotexts.h"
#include "settingslocation.h"

#include <cstdio>

namespace ProgramInfo {

namespace {

// The language part of a locale or LANGUAGE entry: "ja" of "ja_JP.UTF-8@x".
QString languagePart(const QString &name)
{
    qsizetype end = 0;
    while (end < name.size() && name.at(end) != QLatin1Char('_') && name.at(end) != QLatin1Char('.')
           && name.at(end) != QLatin1Char('@'))
        ++end;
    return name.left(end);
}

bool isCLocale(const QString &locale)
{
    return locale.isEmpty() || locale == QLatin1String("POSIX") || languagePart(locale) == QLatin1String("C");
}

Language fromPart(const QString &part)
{
    return part == QLatin1String("ja") ? Language::Japanese : Language::English;
}

} // namespace

LocaleVariables currentLocale()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

Language languageOf(const LocaleVariables &locale)
{
    QString effective = locale.lcAll;
    if (effective.isEmpty())
        effective = locale.lcMessages;
    if (effective.isEmpty())
        effective = locale.lang;
    if (isCLocale(effective))
        return Language::English;
    const QStringList entries = locale.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &entry : entries) {
        const QString part = languagePart(entry);
        if (part == QLatin1String("ja") || part == QLatin1String("en"))
            return fromPart(part);
    }
    return fromPart(languagePart(effective));
}

Request requestOf(const QByteArrayList &arguments)
{
    if (arguments.size() != 1)
        return Request::None;
    if (arguments.first() == "--help")
        return Request::Help;
    if (arguments.first() == "--version")
        return Request::Version;
    return Request::None;
}

QString version()
{
    return QStringLiteral(SUITE_VERSION);
}

QString text(const QString &program, Request request, Language language)
{
    const ProgramInfoTexts::Usage *usage = ProgramInfoTexts::usageOf(program);
    if (!usage || request == Request::None)
        return {};
    const bool japanese = language == Language::Japanese;
    if (request == Request::Help)
        return QString::fromUtf8(japanese ? usage->japanese : usage->english);
    return QStringLiteral("%1 (%2) %3\nCopyright (C) 2026 Titlecard Suite Developers\n%4\n")
        .arg(program, SettingsLocation::suiteFolderName(), version(),
             japanese ? QStringLiteral("MIT ライセンスのもとで自由に使用、複製、改変、再配布できます。無保証です。")
                      : QStringLiteral("Free to use, copy, change and pass on under the MIT licence; no warranty."));
}

std::optional<int> answer(const QString &program, int argc, char **argv)
{
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    const Request request = requestOf(arguments);
    if (request == Request::None)
        return std::nullopt;
    const QByteArray out = text(program, request, languageOf(currentLocale())).toUtf8();
    // A full disk or a closed pipe is an error, as for any other output.
    const bool written = std::fwrite(out.constData(), 1, size_t(out.size()), stdout) == size_t(out.size());
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace ProgramInfo
