#include "programstarter.h"

#include "programfolder.h"

#include <QProcess>

QString cutToUtf8Bytes(const QString &text, qsizetype maxBytes)
{
    // Encoded first: a lone surrogate becomes a replacement character of
    // three bytes, as it will on its way to the program.
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxBytes)
        return text;
    qsizetype end = qMax<qsizetype>(maxBytes, 0);
    while (end > 0 && (static_cast<unsigned char>(bytes.at(end)) & 0xC0) == 0x80)
        --end; // back to the first byte of the character that does not fit
    return QString::fromUtf8(bytes.constData(), end);
}

bool ProcessStarter::start(const QString &program, const QStringList &arguments)
{
    if (program.isEmpty())
        return false;
    QStringList fitted = arguments;
    for (qsizetype i = 0; i < fitted.size(); ++i) {
        const qsizetype bytes = fitted.at(i).toUtf8().size();
        if (bytes <= kMaxArgumentBytes)
            continue;
        fitted[i] = cutToUtf8Bytes(fitted.at(i), kMaxArgumentBytes);
        qWarning("%s: argument %lld cut from %lld to %lld bytes, the most a program can receive",
                 qPrintable(program), static_cast<long long>(i + 1), static_cast<long long>(bytes),
                 static_cast<long long>(fitted.at(i).toUtf8().size()));
    }
    return QProcess::startDetached(program, fitted);
}

QString ProcessStarter::locate(const QString &bareName, const QString &folder) const
{
    return findProgram(bareName, folder);
}
