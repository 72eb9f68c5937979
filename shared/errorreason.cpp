#include "errorreason.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace ErrorReason {

QString fromErrno(int code)
{
    switch (code) {
    case ENOSPC:
        return QCoreApplication::translate("ErrorReason", "ディスクの空き容量が足りません");
    case EDQUOT:
        return QCoreApplication::translate("ErrorReason", "ディスクの使用量の上限を超えています");
    case EFBIG:
        return QCoreApplication::translate("ErrorReason", "ファイルが大きすぎます");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("ErrorReason", "アクセス権がありません");
    case EROFS:
        return QCoreApplication::translate("ErrorReason", "読み取り専用の場所には書き込めません");
    case ENOTDIR:
        return QCoreApplication::translate("ErrorReason", "パスの途中にフォルダではないものがあります");
    case EISDIR:
        return QCoreApplication::translate("ErrorReason", "同じ名前のフォルダがあります");
    case ELOOP:
        return QCoreApplication::translate("ErrorReason", "シンボリックリンクをたどれません");
    case ENOENT:
        return QCoreApplication::translate("ErrorReason", "ファイルまたはフォルダがありません");
    case ENAMETOOLONG:
        return QCoreApplication::translate("ErrorReason", "名前が長すぎます");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("ErrorReason", "開いているファイルが多すぎます");
    case EIO:
        return QCoreApplication::translate("ErrorReason", "ディスクの読み書きでエラーが起きました");
    case EBUSY:
    case ETXTBSY:
    case EWOULDBLOCK:
        return QCoreApplication::translate("ErrorReason", "ほかのプログラムが使用中です");
    case EEXIST:
        return QCoreApplication::translate("ErrorReason", "同じ名前のものがすでにあります");
    case ENOMEM:
        return QCoreApplication::translate("ErrorReason", "メモリが足りません");
    default:
        // Rare enough that the system's own words, with the number, are
        // the most useful thing to pass on.
        return QCoreApplication::translate("ErrorReason", "予期しないエラーが起きました（%1: %2）")
            .arg(code)
            .arg(QString::fromLocal8Bit(std::strerror(code)));
    }
}

QString fromFileError(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::NoError:
        return QString();
    case QFileDevice::PermissionsError:
        return fromErrno(EACCES);
    case QFileDevice::ResourceError:
        return QCoreApplication::translate("ErrorReason", "ディスクの空き容量か、開けるファイルの数が足りません");
    case QFileDevice::ReadError:
        return QCoreApplication::translate("ErrorReason", "読み込めませんでした");
    case QFileDevice::WriteError:
        return QCoreApplication::translate("ErrorReason", "書き込めませんでした");
    case QFileDevice::OpenError:
        return QCoreApplication::translate("ErrorReason", "開けませんでした");
    case QFileDevice::RemoveError:
        return QCoreApplication::translate("ErrorReason", "削除できませんでした");
    case QFileDevice::RenameError:
        return QCoreApplication::translate("ErrorReason", "名前を変えられませんでした");
    default:
        return QCoreApplication::translate("ErrorReason", "予期しないエラーが起きました");
    }
}

QString notRegularFile()
{
    return QCoreApplication::translate("ErrorReason", "通常のファイルではありません");
}

QString tooLarge(qint64 maxBytes)
{
    return QCoreApplication::translate("ErrorReason", "ファイルが大きすぎます（%1 バイトまで）").arg(maxBytes);
}

} // namespace ErrorReason
