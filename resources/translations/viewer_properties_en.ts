<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>AboutLine</name>
    <message>
        <source>ヴェルモ for Windows95 v5.00</source>
        <translation>Velmo for Windows95 v5.00</translation>
    </message>
    <message>
        <source>これはフリーウェアです</source>
        <translation>This is freeware</translation>
    </message>
    <message>
        <source>Copyright (C) 1997-1998 星環カード制作室</source>
        <translation>Copyright (C) 1997-1998 Seikan Card Studio</translation>
    </message>
    <message>
        <source>作品名・登場人物・団体名はすべて架空のものです。</source>
        <translation>All titles, characters and groups are fictitious.</translation>
    </message>
    <message>
        <source>名言の採録：ヴェルモ読書会のみなさん</source>
        <translation>Quotes collected by: the Velmo reading circle</translation>
    </message>
    <message>
        <source>アイコン画：星環カード制作室 美術係</source>
        <translation>Icon art: Seikan Card Studio, art team</translation>
    </message>
    <message>
        <source>試用と助言：タンバー通信の読者のみなさん</source>
        <translation>Testing and advice: the readers of Tamber News</translation>
    </message>
</context>
<context>
    <name>AboutPage</name>
    <message>
        <source>ホームページ</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>メール</source>
        <translation>Mail</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>フォルダを作成できません: %1
%2</source>
        <translation>Cannot create the folder: %1
%2</translation>
    </message>
</context>
<context>
    <name>ContentPage</name>
    <message>
        <source>ファイルを選ぶ</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>表示順序</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>スタート時の表示内容</source>
        <translation>Shown at start</translation>
    </message>
</context>
<context>
    <name>IntervalPage</name>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>ログイン時に起動する</source>
        <translation>Start at login</translation>
    </message>
</context>
<context>
    <name>MethodPage</name>
    <message>
        <source>タンバー for Win95 の設定</source>
        <translation>Tamber for Win95 settings</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>設定ソフト起動</source>
        <translation>Open settings</translation>
    </message>
    <message>
        <source>ミレル for Win95 の設定</source>
        <translation>Mirelle for Win95 settings</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>表示位置調整</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>%1 を起動できませんでした。</source>
        <translation>%1 could not be started.</translation>
    </message>
</context>
<context>
    <name>PropertyChoices</name>
    <message>
        <source>星環タンバー</source>
        <translation>Seikan Tamber</translation>
    </message>
    <message>
        <source>アニメ星環タンバー</source>
        <translation>Seikan Tamber (anime)</translation>
    </message>
    <message>
        <source>アニメ星環タンバー（シ）</source>
        <translation>Seikan Tamber (scripts)</translation>
    </message>
    <message>
        <source>アニメ星環タンバーシナリオタイトル</source>
        <translation>Seikan Tamber anime script titles</translation>
    </message>
    <message>
        <source>月影ミレル</source>
        <translation>Tsukikage Mirelle</translation>
    </message>
    <message>
        <source>アニメ月影ミレル</source>
        <translation>Tsukikage Mirelle (anime)</translation>
    </message>
    <message>
        <source>アニメクイロン</source>
        <translation>Quiron (anime)</translation>
    </message>
    <message>
        <source>ダストル</source>
        <translation>Dastor</translation>
    </message>
    <message>
        <source>ファイルから読み込み</source>
        <translation>From a file</translation>
    </message>
    <message>
        <source>順次</source>
        <translation>In order</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>タンバー for Win95</source>
        <translation>Tamber for Win95</translation>
    </message>
    <message>
        <source>ミレル for Win95</source>
        <translation>Mirelle for Win95</translation>
    </message>
    <message>
        <source>ダストル for Win</source>
        <translation>Dastor for Win</translation>
    </message>
    <message>
        <source>メッセージボックス</source>
        <translation>Message box</translation>
    </message>
    <message>
        <source>デスクトップ通知</source>
        <translation>Notification</translation>
    </message>
    <message>
        <source>一回だけ</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>一回だけ（常駐）</source>
        <translation>Once (stay resident)</translation>
    </message>
    <message>
        <source>起動時表示なし（常駐）</source>
        <translation>Not at start (stay resident)</translation>
    </message>
    <message>
        <source>一定時間ごと（常駐）</source>
        <translation>At intervals (stay resident)</translation>
    </message>
</context>
<context>
    <name>PropertyValues</name>
    <message>
        <source>

ヴェルモの設定はまだ保存していません。</source>
        <translation>

Velmo&apos;s settings have not been saved yet.</translation>
    </message>
    <message>
        <source>%1 を保存できませんでした。
%2
%3</source>
        <translation>%1 could not be saved.
%2
%3</translation>
    </message>
    <message>
        <source>ログイン時の起動を%1できませんでした。
%2
%3</source>
        <translation>The start at login could not be %1.
%2
%3</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>turned on</translation>
    </message>
    <message>
        <source>解除</source>
        <translation>turned off</translation>
    </message>
    <message>
        <source>ヴェルモの設定を保存できませんでした。
%1</source>
        <translation>Velmo&apos;s settings could not be saved.
%1</translation>
    </message>
</context>
<context>
    <name>PropertyWindow</name>
    <message>
        <source>表示内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>表示方法</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>表示間隔</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>ヴェルモについて</source>
        <translation>About Velmo</translation>
    </message>
    <message>
        <source>ヴェルモのプロパティ</source>
        <translation>Velmo Properties</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>%1 を読み込めませんでした。
%2
%3

「ミレル for Win95 の設定」には既定の値を表示しています。読み込めないファイルを書き換えることはありません。</source>
        <translation>%1 could not be read.
%2
%3

&quot;Mirelle for Win95 settings&quot; shows the default values. A file that cannot be read is never overwritten.</translation>
    </message>
    <message>
        <source>help.html</source>
        <translation>help_en.html</translation>
    </message>
    <message>
        <source>ヘルプを表示できませんでした。
%1</source>
        <translation>The help could not be shown.
%1</translation>
    </message>
</context>
<context>
    <name>QuoteFilePicker</name>
    <message>
        <source>全てのファイル(*.*)|*.*|テキストファイル(*.TXT)|*.txt|VMFファイル(*.VMF)|*.vmf</source>
        <translation>All Files (*.*)|*.*|Text Files (*.TXT)|*.txt|VMF Files (*.VMF)|*.vmf</translation>
    </message>
</context>
<context>
    <name>StartLinePreview</name>
    <message>
        <source>%1行 - %2</source>
        <translation>Line %1 - %2</translation>
    </message>
    <message>
        <source>行 - </source>
        <translation>Line - </translation>
    </message>
    <message>
        <source>%1 より</source>
        <translation>From %1</translation>
    </message>
</context>
</TS>
