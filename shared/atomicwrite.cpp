#include "atomicwrite.h"

#include <QSaveFile>

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    return writeFileAtomically(path, QList<QByteArrayView>{data}, error);
}

bool writeFileAtomically(const QString &path, const QList<QByteArrayView> &parts, QString *error)
{
    QSaveFile file(path);
    const auto fail = [&] {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    // commit() does not notice a failure to flush its buffer (a full disk,
    // say) and would put a cut-off file in place of the old one.
    for (const QByteArrayView part : parts) {
        if (file.write(part.data(), part.size()) != part.size())
            return fail();
    }
    if (!file.flush())
        return fail();
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
