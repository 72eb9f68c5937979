#include "programinfotexts.h"

#include "programnames.h"

namespace {

// Each text ends with the two options every program takes and the manual
// page to read on; the facts stay short here and complete there.
const ProgramInfoTexts::Usage kUsages[] = {
    {&ProgramNames::kTambwin,
     "Usage: tambwin [NUMBER | -s TEXT]\n"
     "Shows the full-screen episode title card of the series Tamber (タンバー):\n"
     "its picture, an episode title with its reading lines and a five-second\n"
     "sound; then it ends by itself.\n"
     "\n"
     "  (no argument)  a random episode of the 45\n"
     "  NUMBER         episode NUMBER, 1 to 45 (other numbers: a random one)\n"
     "  -s TEXT        own text: line1,line2,ruby1,ruby2,line3\n"
     "  --help         show this help and exit\n"
     "  --version      show the version and exit\n"
     "\n"
     "The font comes from tambwin.ini, which tambinit writes.\n"
     "More in the manual page: man tambwin\n",
     "使い方: tambwin [番号 | -s 文字列]\n"
     "タンバーのタイトルカードを全画面に表示します。背景の絵、サブタイトルと\n"
     "そのふりがな、5秒間の音を出し、自動で終了します。\n"
     "\n"
     "  (引数なし)     全45話からランダムに1話\n"
     "  番号           第1話から第45話 (ほかの数はランダム)\n"
     "  -s 文字列      任意の文字列: 1行目,2行目,ルビ1,ルビ2,3行目\n"
     "  --help         このヘルプを表示して終了します\n"
     "  --version      バージョンを表示して終了します\n"
     "\n"
     "フォントは tambinit が書く tambwin.ini から読みます。\n"
     "詳しくはマニュアルページ (man tambwin) を見てください。\n"},
    {&ProgramNames::kTambinit,
     "Usage: tambinit\n"
     "The settings dialog of tambwin: chooses what a trial run of the card\n"
     "shows (a random episode, an episode by number or five lines of own\n"
     "text), starts it, and chooses the card's font, saved in tambwin.ini.\n"
     "Other arguments are ignored.\n"
     "\n"
     "  --help         show this help and exit\n"
     "  --version      show the version and exit\n"
     "\n"
     "More in the manual page: man tambinit\n",
     "使い方: tambinit\n"
     "tambwin の設定ダイアログです。試しに表示する内容 (ランダム、番号で選んだ話、\n"
     "5行の任意の文字列) を選んで表示し、カードのフォントを選んで tambwin.ini に\n"
     "保存します。ほかの引数は無視します。\n"
     "\n"
     "  --help         このヘルプを表示して終了します\n"
     "  --version      バージョンを表示して終了します\n"
     "\n"
     "詳しくはマニュアルページ (man tambinit) を見てください。\n"},
    {&ProgramNames::kVelmo,
     "Usage: velmo [TEXT...]\n"
     "Quote of the day: shows a line of a quote file as a title card of\n"
     "tambwin, mirwin or dastor, in a message box or as a desktop notification,\n"
     "at start-up, every set number of minutes and on a double click of its\n"
     "icon in the notification area, where it stays.\n"
     "\n"
     "  (no argument)  the next quote as the settings choose it\n"
     "  TEXT...        show this text instead of a line of a quote file\n"
     "  --help         show this help and exit\n"
     "  --version      show the version and exit\n"
     "\n"
     "A second start hands its command line to the resident velmo and ends.\n"
     "The settings are made in velmoinit, its property window.\n"
     "More in the manual page: man velmo\n",
     "使い方: velmo [文字列...]\n"
     "今日の一言: 一言ファイルの一行を tambwin、mirwin、dastor のタイトルカード、\n"
     "メッセージボックスまたはデスクトップ通知で表示します。起動時、設定した\n"
     "間隔ごと、通知領域のアイコンのダブルクリックで表示し、通知領域に常駐します。\n"
     "\n"
     "  (引数なし)     設定に従って次の一言\n"
     "  文字列...      一言ファイルの行の代わりにこの文字列を表示します\n"
     "  --help         このヘルプを表示して終了します\n"
     "  --version      バージョンを表示して終了します\n"
     "\n"
     "二つ目の起動はコマンドラインを常駐中の velmo に渡して終了します。\n"
     "設定はプロパティウィンドウ velmoinit で行います。\n"
     "詳しくはマニュアルページ (man velmo) を見てください。\n"},
    {&ProgramNames::kVelmoinit,
     "Usage: velmoinit\n"
     "The property window of velmo: the quote source, order and start line,\n"
     "the output, the residency mode and interval, starting at login, and the\n"
     "settings of mirwin. velmo opens it from its menu; a change confirmed\n"
     "with OK reaches the running velmo at once. Other arguments are ignored.\n"
     "\n"
     "  --help         show this help and exit\n"
     "  --version      show the version and exit\n"
     "\n"
     "More in the manual page: man velmoinit\n",
     "使い方: velmoinit\n"
     "velmo のプロパティウィンドウです。一言の読み込み元、順序と開始行、表示方法、\n"
     "常駐と表示間隔、ログイン時の起動、mirwin の設定を選びます。velmo のメニュー\n"
     "から開き、OK で確定した変更は動作中の velmo にすぐ伝わります。\n"
     "ほかの引数は無視します。\n"
     "\n"
     "  --help         このヘルプを表示して終了します\n"
     "  --version      バージョンを表示して終了します\n"
     "\n"
     "詳しくはマニュアルページ (man velmoinit) を見てください。\n"},
    {&ProgramNames::kMirinit,
     "Usage: mirinit\n"
     "The settings window of mirwin: the card's font, size and position,\n"
     "saved in mirwin.ini, and trial runs of mirwin. Other arguments are\n"
     "ignored.\n"
     "\n"
     "  --help         show this help and exit\n"
     "  --version      show the version and exit\n"
     "\n"
     "More in the manual page: man mirinit\n",
     "使い方: mirinit\n"
     "mirwin の設定ウィンドウです。カードのフォント、大きさ、位置を選んで\n"
     "mirwin.ini に保存し、mirwin を試しに表示します。ほかの引数は無視します。\n"
     "\n"
     "  --help         このヘルプを表示して終了します\n"
     "  --version      バージョンを表示して終了します\n"
     "\n"
     "詳しくはマニュアルページ (man mirinit) を見てください。\n"},
    {&ProgramNames::kMirwin,
     "Usage: mirwin [NUMBER | HEADING,TITLE]\n"
     "Shows the full-screen title card of the series Tsukikage Mirelle\n"
     "(月影ミレル) with a short chime; a key or a click ends it early. velmo\n"
     "and mirinit start it.\n"
     "\n"
     "  (no argument)  a random episode of the 74\n"
     "  NUMBER         episode NUMBER, 1 to 74\n"
     "  HEADING,TITLE  own text: a small heading, a comma and the title\n"
     "  --help         show this help and exit\n"
     "  --version      show the version and exit\n"
     "\n"
     "Font, size and position come from mirwin.ini, which mirinit writes.\n",
     "使い方: mirwin [番号 | 見出し,タイトル]\n"
     "月影ミレルのタイトルカードを短いチャイムとともに全画面に表示します。\n"
     "キーかクリックで早く終わります。velmo と mirinit が起動します。\n"
     "\n"
     "  (引数なし)     全74話からランダムに1話\n"
     "  番号           第1話から第74話\n"
     "  見出し,タイトル  任意の文字列: 小さな見出し、コンマ、タイトル\n"
     "  --help         このヘルプを表示して終了します\n"
     "  --version      バージョンを表示して終了します\n"
     "\n"
     "フォント、大きさ、位置は mirinit が書く mirwin.ini から読みます。\n"},
    {&ProgramNames::kDastor,
     "Usage: dastor [HEADING,TITLE]\n"
     "Shows the full-screen title card of the series Dastor (ダストル) with a\n"
     "short clank and rumble; a key or a click ends it early. velmo starts it.\n"
     "\n"
     "  (no argument)  a random line of dastor.vmf beside the program\n"
     "  HEADING,TITLE  own text: a small heading, a comma and the title\n"
     "  --help         show this help and exit\n"
     "  --version      show the version and exit\n",
     "使い方: dastor [見出し,タイトル]\n"
     "ダストルのタイトルカードを短い金属音と地響きとともに全画面に表示します。\n"
     "キーかクリックで早く終わります。velmo が起動します。\n"
     "\n"
     "  (引数なし)     プログラムと同じフォルダーの dastor.vmf からランダムに一行\n"
     "  見出し,タイトル  任意の文字列: 小さな見出し、コンマ、タイトル\n"
     "  --help         このヘルプを表示して終了します\n"
     "  --version      バージョンを表示して終了します\n"},
};

} // namespace

namespace ProgramInfoTexts {

const Usage *usageOf(const QString &program)
{
    for (const Usage &usage : kUsages) {
        if (program == *usage.program)
            return &usage;
    }
    return nullptr;
}

} // namespace ProgramInfoTexts
