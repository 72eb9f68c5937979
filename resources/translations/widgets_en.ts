<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>CommonDialogError</name>
    <message>
        <source>関数がダイアログ ボックスをロードできません。</source>
        <translation>The function could not load the dialog box.</translation>
    </message>
    <message>
        <source>メンバ lpstrFile が指すバッファが小さすぎます。</source>
        <translation>The buffer pointed to by the lpstrFile member is too small.</translation>
    </message>
    <message>
        <source>ファイル名が無効です。</source>
        <translation>The file name is not valid.</translation>
    </message>
    <message>
        <source>メモリ不足のために、リスト ボックスをサブクラス化できません。</source>
        <translation>The list box could not be subclassed because memory is low.</translation>
    </message>
    <message>
        <source>フォントが存在しません。</source>
        <translation>No fonts exist.</translation>
    </message>
    <message>
        <source>WIN.INI ファイル内の [devices] セクションに、必要なプリンタについてのエントリがありません。</source>
        <translation>The [devices] section of the WIN.INI file has no entry for the requested printer.</translation>
    </message>
    <message>
        <source>PrintDlg 関数が情報コンテキストを作成できません。</source>
        <translation>The PrintDlg function could not create an information context.</translation>
    </message>
    <message>
        <source>DevMode データ構造と DevNames データ構造のデータが異なるプリンタを指しています。</source>
        <translation>The DevMode and DevNames data structures describe different printers.</translation>
    </message>
    <message>
        <source>通常使うプリンタが設定されていません。</source>
        <translation>No default printer is set.</translation>
    </message>
    <message>
        <source>プリンタ ドライバが見つかりません。</source>
        <translation>The printer driver was not found.</translation>
    </message>
    <message>
        <source>PrintDlg 関数を初期化できません。</source>
        <translation>The PrintDlg function could not initialize.</translation>
    </message>
    <message>
        <source>プリンタ ドライバが DevMode データ構造を初期化できません。</source>
        <translation>The printer driver could not initialize the DevMode data structure.</translation>
    </message>
    <message>
        <source>PrintDlg 関数が、指定したプリンタ ドライバをロードできません。</source>
        <translation>The PrintDlg function could not load the given printer driver.</translation>
    </message>
    <message>
        <source>PDReturnDefault フラグが設定されていますが、hDevMode フィールドまたは hDevNames フィールドが 0 ではありません。</source>
        <translation>The PDReturnDefault flag is set, but the hDevMode or hDevNames field is not 0.</translation>
    </message>
    <message>
        <source>CommonDialog 関数が WIN.INI の [devices] セクションの文字列を解析できません。</source>
        <translation>The CommonDialog function could not parse the strings in the [devices] section of WIN.INI.</translation>
    </message>
    <message>
        <source>必要なリソースを読み込めません。</source>
        <translation>A needed resource could not be loaded.</translation>
    </message>
    <message>
        <source>Microsoft Windows のヘルプを呼び出せません。</source>
        <translation>Microsoft Windows Help could not be called.</translation>
    </message>
    <message>
        <source>FileName プロパティまたは Filter プロパティにメモリを割り当てられません。</source>
        <translation>No memory could be allocated for the FileName or Filter property.</translation>
    </message>
    <message>
        <source>[キャンセル] ボタンが選択されました。</source>
        <translation>The [Cancel] button was chosen.</translation>
    </message>
    <message>
        <source>関数が、ハンドルに関連付けられたメモリをロックできません。</source>
        <translation>The function could not lock the memory associated with a handle.</translation>
    </message>
    <message>
        <source>関数が、内部のデータ構造にメモリを割り当てられません。</source>
        <translation>The function could not allocate memory for internal data structures.</translation>
    </message>
    <message>
        <source>関数が指定したリソースをロックできません。</source>
        <translation>The function could not lock the given resource.</translation>
    </message>
    <message>
        <source>関数が指定したリソースをロードできません。</source>
        <translation>The function could not load the given resource.</translation>
    </message>
    <message>
        <source>関数を初期化できません。</source>
        <translation>The function could not initialize.</translation>
    </message>
    <message>
        <source>未知のｴﾗｰです。</source>
        <translation>Unknown error.</translation>
    </message>
</context>
</TS>
