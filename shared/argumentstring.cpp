#include "argumentstring.h"

#include "textencoding.h"

QString argumentString(const QStringList &arguments)
{
    const QString joined = arguments.join(QLatin1Char(' '));
    qsizetype start = 0;
    while (start < joined.size() && joined.at(start).unicode() <= 0x20)
        ++start;
    return joined.mid(start);
}

QStringList programArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << TextEncoding::decode(QByteArray(argv[i]));
    return arguments;
}
