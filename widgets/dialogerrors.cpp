#include "dialogerrors.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// The dialog control's numbers are 32767 minus the extended code, narrowed
// to 16 bits (0xFFFF, the general dialog failure, becomes -32768). Only the
// codes the platform defines are translated, so no other number is taken
// for one of them.
qint32 keyOfExtendedCode(qint32 code)
{
    static const QList<qint32> kExtendedCodes = {
        0xFFFF,                                                 // dialog failure
        0x0002, 0x0006, 0x0007, 0x0008, 0x0009, 0x000A,         // general
        0x1001, 0x1002, 0x1003, 0x1004, 0x1005, 0x1006, 0x1007, // printer
        0x1008, 0x1009, 0x100A, 0x100B,
        0x2001,                 // no fonts
        0x3001, 0x3002, 0x3003, // file names
    };
    return kExtendedCodes.contains(code) ? qint32(qint16(32767 - code)) : code;
}

} // namespace

QString commonDialogErrorDescription(qint32 errNumber)
{
    static const QHash<qint32, const char *> kMessages = {
        {-32768, QT_TRANSLATE_NOOP("CommonDialogError", "関数がダイアログ ボックスをロードできません。")},
        {20476, QT_TRANSLATE_NOOP("CommonDialogError", "メンバ lpstrFile が指すバッファが小さすぎます。")},
        {20477, QT_TRANSLATE_NOOP("CommonDialogError", "ファイル名が無効です。")},
        {20478, QT_TRANSLATE_NOOP("CommonDialogError", "メモリ不足のために、リスト ボックスをサブクラス化できません。")},
        {24574, QT_TRANSLATE_NOOP("CommonDialogError", "フォントが存在しません。")},
        {28660, QT_TRANSLATE_NOOP("CommonDialogError", "WIN.INI ファイル内の [devices] セクションに、必要なプリンタについてのエントリがありません。")},
        {28661, QT_TRANSLATE_NOOP("CommonDialogError", "PrintDlg 関数が情報コンテキストを作成できません。")},
        {28662, QT_TRANSLATE_NOOP("CommonDialogError", "DevMode データ構造と DevNames データ構造のデータが異なるプリンタを指しています。")},
        {28663, QT_TRANSLATE_NOOP("CommonDialogError", "通常使うプリンタが設定されていません。")},
        {28664, QT_TRANSLATE_NOOP("CommonDialogError", "プリンタ ドライバが見つかりません。")},
        {28665, QT_TRANSLATE_NOOP("CommonDialogError", "PrintDlg 関数を初期化できません。")},
        {28666, QT_TRANSLATE_NOOP("CommonDialogError", "プリンタ ドライバが DevMode データ構造を初期化できません。")},
        {28667, QT_TRANSLATE_NOOP("CommonDialogError", "PrintDlg 関数が、指定したプリンタ ドライバをロードできません。")},
        {28668, QT_TRANSLATE_NOOP("CommonDialogError", "PDReturnDefault フラグが設定されていますが、hDevMode フィールドまたは hDevNames フィールドが 0 ではありません。")},
        {28669, QT_TRANSLATE_NOOP("CommonDialogError", "CommonDialog 関数が WIN.INI の [devices] セクションの文字列を解析できません。")},
        {28670, QT_TRANSLATE_NOOP("CommonDialogError", "必要なリソースを読み込めません。")},
        {32751, QT_TRANSLATE_NOOP("CommonDialogError", "Microsoft Windows のヘルプを呼び出せません。")},
        {32752, QT_TRANSLATE_NOOP("CommonDialogError", "FileName プロパティまたは Filter プロパティにメモリを割り当てられません。")},
        {32755, QT_TRANSLATE_NOOP("CommonDialogError", "[キャンセル] ボタンが選択されました。")},
        {32757, QT_TRANSLATE_NOOP("CommonDialogError", "関数が、ハンドルに関連付けられたメモリをロックできません。")},
        {32758, QT_TRANSLATE_NOOP("CommonDialogError", "関数が、内部のデータ構造にメモリを割り当てられません。")},
        {32759, QT_TRANSLATE_NOOP("CommonDialogError", "関数が指定したリソースをロックできません。")},
        {32760, QT_TRANSLATE_NOOP("CommonDialogError", "関数が指定したリソースをロードできません。")},
        {32761, QT_TRANSLATE_NOOP("CommonDialogError", "関数が指定したリソースをロードできません。")},
        {32765, QT_TRANSLATE_NOOP("CommonDialogError", "関数を初期化できません。")},
    };
    return QCoreApplication::translate("CommonDialogError",
                                       kMessages.value(keyOfExtendedCode(errNumber),
                                                       QT_TRANSLATE_NOOP("CommonDialogError", "未知のｴﾗｰです。")));
}
