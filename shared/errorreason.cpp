#include "errorreason.h"

#include <cerrno>
#include <cstring>

namespace ErrorReason {

QString fromErrno(int code)
{
    switch (code) {
    case ENOSPC:
        return QStringLiteral("ディスクの空き容量が足りません");
    case EDQUOT:
        return QStringLiteral("ディスクの使用量の上限を超えています");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます");
    case EACCES:
    case EPERM:
        return QStringLiteral("アクセス権がありません");
    case EROFS:
        return QStringLiteral("読み取り専用の場所には書き込めません");
    case ENOTDIR:
        return QStringLiteral("パスの途中にフォルダではないものがあります");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダがあります");
    case ELOOP:
        return QStringLiteral("シンボリックリンクをたどれません");
    case ENOENT:
        return QStringLiteral("ファイルまたはフォルダがありません");
    case ENAMETOOLONG:
        return QStringLiteral("名前が長すぎます");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます");
    case EIO:
        return QStringLiteral("ディスクの読み書きでエラーが起きました");
    case EBUSY:
    case ETXTBSY:
    case EWOULDBLOCK:
        return QStringLiteral("ほかのプログラムが使用中です");
    case EEXIST:
        return QStringLiteral("同じ名前のものがすでにあります");
    case ENOMEM:
        return QStringLiteral("メモリが足りません");
    default:
        // Rare enough that the system's own words, with the number, are
        // the most useful thing to pass on.
        return QStringLiteral("予期しないエラーが起きました（%1: %2）")
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
        return QStringLiteral("ディスクの空き容量か、開けるファイルの数が足りません");
    case QFileDevice::ReadError:
        return QStringLiteral("読み込めませんでした");
    case QFileDevice::WriteError:
        return QStringLiteral("書き込めませんでした");
    case QFileDevice::OpenError:
        return QStringLiteral("開けませんでした");
    case QFileDevice::RemoveError:
        return QStringLiteral("削除できませんでした");
    case QFileDevice::RenameError:
        return QStringLiteral("名前を変えられませんでした");
    default:
        return QStringLiteral("予期しないエラーが起きました");
    }
}

QString notRegularFile()
{
    return QStringLiteral("通常のファイルではありません");
}

QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("ファイルが大きすぎます（%1 バイトまで）").arg(maxBytes);
}

} // namespace ErrorReason
