#include "argumentstring.h"

#include "cp932.h"

QByteArray argumentString(const QStringList &arguments)
{
    const QByteArray joined = Cp932::fromUnicode(arguments.join(QLatin1Char(' ')));
    int start = 0;
    while (start < joined.size() && static_cast<unsigned char>(joined.at(start)) <= 0x20)
        ++start;
    return joined.mid(start);
}

QStringList programArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
