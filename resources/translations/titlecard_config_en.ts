<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>タンバー for Windows95 について</source>
        <translation>About Tamber for Windows95</translation>
    </message>
    <message>
        <source>引用元</source>
        <translation>Credits</translation>
    </message>
</context>
<context>
    <name>AboutLine</name>
    <message>
        <source>タンバー for Windows95</source>
        <translation>Tamber for Windows95</translation>
    </message>
    <message>
        <source>タンバー for Windows95 環境設定</source>
        <translation>Tamber for Windows95 Settings</translation>
    </message>
    <message>
        <source>制作：星環カード制作室</source>
        <translation>Made by Seikan Card Studio</translation>
    </message>
    <message>
        <source>E-mail：studio@example.org</source>
        <translation>E-mail: studio@example.org</translation>
    </message>
    <message>
        <source>各話タイトル</source>
        <translation>Episode titles</translation>
    </message>
    <message>
        <source>オリジナル（本ソフト制作室）</source>
        <translation>Original (by our studio)</translation>
    </message>
    <message>
        <source>背景画</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound effect</translation>
    </message>
    <message>
        <source>登場する作品・人物・団体は</source>
        <translation>All works, characters and groups</translation>
    </message>
    <message>
        <source>すべて架空のものです。</source>
        <translation>that appear are fictitious.</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>タンバー for Windows95 環境設定</source>
        <translation>Tamber for Windows95 Settings</translation>
    </message>
    <message>
        <source>表示させる内容</source>
        <translation>What to show</translation>
    </message>
    <message>
        <source>表示させる内容を自動的に選ぶ(&amp;U)</source>
        <translation>Choose a&amp;utomatically</translation>
    </message>
    <message>
        <source>指定した内容を表示させる(&amp;M)</source>
        <translation>Show episode by nu&amp;mber</translation>
    </message>
    <message>
        <source>前の内容</source>
        <translation>Previous episode</translation>
    </message>
    <message>
        <source>次の内容</source>
        <translation>Next episode</translation>
    </message>
    <message>
        <source>指定した文字列を表示させる(&amp;S)</source>
        <translation>&amp;Show this text</translation>
    </message>
    <message>
        <source>ルビ</source>
        <translation>Ruby</translation>
    </message>
    <message>
        <source>１行目</source>
        <translation>Line 1</translation>
    </message>
    <message>
        <source>２行目</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <source>３行目</source>
        <translation>Line 3</translation>
    </message>
    <message>
        <source>ﾌｫﾝﾄ</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>選択(&amp;F)</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>固定ﾋﾟｯﾁﾌｫﾝﾄのみ選択(&amp;I)</source>
        <translation>F&amp;ixed-pitch fonts only</translation>
    </message>
    <message>
        <source>実行(&amp;R)</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>タイトルカードは「%1」で表示されます</source>
        <translation>The title card will be drawn in %1</translation>
    </message>
    <message>
        <source>フォントの設定を保存できませんでした。</source>
        <translation>The font settings could not be saved.</translation>
    </message>
</context>
</TS>
