<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>QuotePlayer</name>
    <message>
        <source>行が多すぎます (%1 行まで)</source>
        <translation>too many lines (at most %1)</translation>
    </message>
    <message>
        <source>テキストファイルではありません (NUL を含みます)</source>
        <translation>not a text file (it holds NUL)</translation>
    </message>
    <message>
        <source>ありません</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>読めません</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>%1 行目を読めません (ファイルが変わりました)</source>
        <translation>cannot read line %1 (the file has changed)</translation>
    </message>
    <message>
        <source>起動できません</source>
        <translation>cannot be started</translation>
    </message>
</context>
<context>
    <name>QuoteSources</name>
    <message>
        <source>星環タンバー</source>
        <translation>Seikan Tamber</translation>
    </message>
    <message>
        <source>ダストル</source>
        <translation>Dastor</translation>
    </message>
    <message>
        <source>月影ミレル</source>
        <translation>Tsukikage Mirelle</translation>
    </message>
    <message>
        <source>深海クイロン</source>
        <translation>Shinkai Quiron</translation>
    </message>
    <message>
        <source>第%1章</source>
        <translation>Chapter %1</translation>
    </message>
    <message>
        <source>第%1話</source>
        <translation>Episode %1</translation>
    </message>
</context>
<context>
    <name>QuoteTexts</name>
    <message>
        <source>%1&#x3000;%2&#x3000;&#x3000;</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 %2&#x3000;&#x3000;</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>ヴェルモ&#x3000;&#x3000;</source>
        <translation>Velmo</translation>
    </message>
    <message>
        <source>%1 - %2&#x3000;&#x3000;</source>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>ResidentStart</name>
    <message>
        <source>ヴェルモは既に起動していますが、応答がありません。</source>
        <translation>Velmo is already running but does not answer.</translation>
    </message>
    <message>
        <source>起動中のヴェルモは、いまこの表示を引き受けられません。</source>
        <translation>The running Velmo cannot take this display now.</translation>
    </message>
</context>
<context>
    <name>SessionBusNotifier</name>
    <message>
        <source>ヴェルモ</source>
        <translation>Velmo</translation>
    </message>
</context>
<context>
    <name>SystemTrayView</name>
    <message>
        <source>プロパティ(&amp;P)...</source>
        <translation>&amp;Properties...</translation>
    </message>
    <message>
        <source>実行(&amp;O)</source>
        <translation>Sh&amp;ow a Quote</translation>
    </message>
    <message>
        <source>タイマーの停止(&amp;T)</source>
        <translation>Pause the &amp;Timer</translation>
    </message>
    <message>
        <source>ヴェルモの終了(&amp;X)</source>
        <translation>E&amp;xit Velmo</translation>
    </message>
    <message>
        <source>ヴェルモ</source>
        <translation>Velmo</translation>
    </message>
</context>
<context>
    <name>TrayFallbackWindow</name>
    <message>
        <source>ヴェルモ</source>
        <translation>Velmo</translation>
    </message>
</context>
<context>
    <name>ViewerController</name>
    <message>
        <source>ヴェルモ for Windows95</source>
        <translation>Velmo for Windows95</translation>
    </message>
    <message>
        <source>プロパティの設定プログラム (velmoinit) がインストールされていません。</source>
        <translation>The property program (velmoinit) is not installed.</translation>
    </message>
    <message>
        <source>プロパティの設定プログラム (velmoinit) を起動できませんでした。</source>
        <translation>The property program (velmoinit) could not be started.</translation>
    </message>
    <message>
        <source>ファイルが適切でありません。</source>
        <translation>The file cannot be used.</translation>
    </message>
    <message>
        <source>読み出し位置を保存できませんでした。</source>
        <translation>The reading position could not be saved.</translation>
    </message>
</context>
</TS>
