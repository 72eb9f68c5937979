<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>ErrorReason</name>
    <message>
        <source>ディスクの空き容量が足りません</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <source>ディスクの使用量の上限を超えています</source>
        <translation>The disk quota is exceeded</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <source>アクセス権がありません</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>読み取り専用の場所には書き込めません</source>
        <translation>The location is read-only</translation>
    </message>
    <message>
        <source>パスの途中にフォルダではないものがあります</source>
        <translation>A part of the path is not a folder</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります</source>
        <translation>A folder of the same name is in the way</translation>
    </message>
    <message>
        <source>シンボリックリンクをたどれません</source>
        <translation>Symbolic links are not followed here</translation>
    </message>
    <message>
        <source>ファイルまたはフォルダがありません</source>
        <translation>No such file or folder</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>The name is too long</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>ディスクの読み書きでエラーが起きました</source>
        <translation>A disk input/output error occurred</translation>
    </message>
    <message>
        <source>ほかのプログラムが使用中です</source>
        <translation>Another program is using it</translation>
    </message>
    <message>
        <source>同じ名前のものがすでにあります</source>
        <translation>Something of the same name already exists</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>予期しないエラーが起きました（%1: %2）</source>
        <translation>An unexpected error occurred (%1: %2)</translation>
    </message>
    <message>
        <source>ディスクの空き容量か、開けるファイルの数が足りません</source>
        <translation>Out of disk space or of open files</translation>
    </message>
    <message>
        <source>読み込めませんでした</source>
        <translation>Could not be read</translation>
    </message>
    <message>
        <source>書き込めませんでした</source>
        <translation>Could not be written</translation>
    </message>
    <message>
        <source>開けませんでした</source>
        <translation>Could not be opened</translation>
    </message>
    <message>
        <source>削除できませんでした</source>
        <translation>Could not be deleted</translation>
    </message>
    <message>
        <source>名前を変えられませんでした</source>
        <translation>Could not be renamed</translation>
    </message>
    <message>
        <source>予期しないエラーが起きました</source>
        <translation>An unexpected error occurred</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 バイトまで）</source>
        <translation>The file is too large (%1 bytes at most)</translation>
    </message>
</context>
</TS>
