<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>AboutLine</name>
    <message>
        <source>ミレル for Windows95</source>
        <translation>Mirelle for Windows95</translation>
    </message>
    <message>
        <source>ミレル for Windows95 環境設定</source>
        <translation>Mirelle for Windows95 Settings</translation>
    </message>
    <message>
        <source>Copyright (C) 星環カード制作室</source>
        <translation>Copyright (C) Seikan Card Studio</translation>
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
    <name>AboutWindow</name>
    <message>
        <source>ミレル for Windows95 について</source>
        <translation>About Mirelle for Windows95</translation>
    </message>
    <message>
        <source>引用元</source>
        <translation>Credits</translation>
    </message>
</context>
<context>
    <name>EpisodeTitles</name>
    <message>
        <source>第%1話 </source>
        <translation>Episode %1 </translation>
    </message>
</context>
<context>
    <name>MirinitWindow</name>
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
        <source>指定した文字列を表示させる(&amp;S)</source>
        <translation>&amp;Show this text</translation>
    </message>
    <message>
        <source>表示位置調整</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>選択(&amp;F)</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>実行(&amp;R)</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>バージョン(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>設定を保存できませんでした。
%1
%2

保存しないで終了しますか？</source>
        <translation>The settings could not be saved.
%1
%2

Exit without saving them?</translation>
    </message>
    <message>
        <source>%1 を起動できませんでした。
%2

設定は保存しました。</source>
        <translation>%1 could not be started.
%2

The settings were saved.</translation>
    </message>
    <message>
        <source>ミレル for Windows95 環境設定</source>
        <translation>Mirelle for Windows95 Settings</translation>
    </message>
</context>
<context>
    <name>MirwinSettingsFile</name>
    <message>
        <source>保存先のフォルダを使えません（%1）。</source>
        <translation>The folder to save in cannot be used (%1).</translation>
    </message>
</context>
</TS>
