#include "filenamebuffer.h"

#include <QDir>
#include <QFileInfo>

namespace FileNameBuffer {

QString initialText(const QString &fileName, int maxFileSize)
{
    if (maxFileSize < 1)
        return {};
    const QString cut = fileName.left(maxFileSize - 1);
    return cut.left(cut.indexOf(QChar(0)));
}

std::optional<QString> chosenText(const QStringList &files, int maxFileSize)
{
    if (files.isEmpty())
        return std::nullopt;
    QString text;
    qsizetype terminators = 1;
    if (files.size() == 1) {
        text = files.first();
    } else {
        // A multiple selection lies in one folder; it ends with two NULs.
        const QDir folder = QFileInfo(files.first()).absoluteDir();
        text = folder.absolutePath();
        for (const QString &file : files)
            text += QChar(0) + folder.relativeFilePath(file);
        terminators = 2;
    }
    if (text.size() + terminators > maxFileSize)
        return std::nullopt;
    return text;
}

} // namespace FileNameBuffer
