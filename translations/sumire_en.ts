<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>sumire::BookmarkFile</name>
    <message>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ブックマークを読み込めませんでした（%1）: %2</source>
        <translation>Could not read the bookmarks (%1): %2</translation>
    </message>
    <message>
        <source>ブックマークを保存できませんでした（%1）: %2</source>
        <translation>Could not save the bookmarks (%1): %2</translation>
    </message>
    <message>
        <source>
ブックマークは変更していません。</source>
        <translation>
The bookmarks were not changed.</translation>
    </message>
</context>
<context>
    <name>sumire::DownloadFolder</name>
    <message>
        <source>%1 の一時ファイルがありません。</source>
        <translation>The temporary file of %1 is missing.</translation>
    </message>
    <message>
        <source>フォルダ %1 がありません。</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 を読めません: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 に書き込めません: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>sumire::Form1</name>
    <message>
        <source>ページを取得できませんでした: </source>
        <translation>Could not fetch the page: </translation>
    </message>
    <message>
        <source>添付ファイルを取得できませんでした: </source>
        <translation>Could not fetch attachments: </translation>
    </message>
    <message>
        <source>アーカイブ表示: %1</source>
        <translation>Archive: %1</translation>
    </message>
    <message>
        <source>ネットワーク</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>オフライン</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>ファイルを開く</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>ブックマークに追加</source>
        <translation>Add bookmark</translation>
    </message>
    <message>
        <source>ブックマークの編集</source>
        <translation>Edit bookmarks</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ｱﾄﾞﾚｽ</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>添付ファイル</source>
        <translation>Attached</translation>
    </message>
    <message>
        <source>アドレス</source>
        <translation>From</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>テキスト</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>ありません</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>ファイルがありません</source>
        <translation>(no file)</translation>
    </message>
    <message>
        <source>メニュー(&amp;M)</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>ネットワーク(&amp;N)</source>
        <translation>&amp;Network</translation>
    </message>
    <message>
        <source>オフライン(&amp;O)</source>
        <translation>&amp;Offline</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>電話機(&amp;T)</source>
        <translation>Handse&amp;t</translation>
    </message>
    <message>
        <source>液晶横表示数(&amp;Y)</source>
        <translation>Displa&amp;y width</translation>
    </message>
    <message>
        <source>20行(&amp;1)</source>
        <translation>&amp;1  20 characters</translation>
    </message>
    <message>
        <source>18行(&amp;2)</source>
        <translation>&amp;2  18 characters</translation>
    </message>
    <message>
        <source>16行(&amp;3)</source>
        <translation>&amp;3  16 characters</translation>
    </message>
    <message>
        <source>14行(&amp;4)</source>
        <translation>&amp;4  14 characters</translation>
    </message>
    <message>
        <source>12行(&amp;5)</source>
        <translation>&amp;5  12 characters</translation>
    </message>
    <message>
        <source>10行(&amp;6)</source>
        <translation>&amp;6  10 characters</translation>
    </message>
    <message>
        <source>電話機変更(&amp;P)</source>
        <translation>Change &amp;phone</translation>
    </message>
    <message>
        <source>J90、J91モデル(&amp;N)</source>
        <translation>J90, J91 model (&amp;N)</translation>
    </message>
    <message>
        <source>テソロ赤ﾓﾃﾞﾙ(&amp;R)</source>
        <translation>Tesoro red model (&amp;R)</translation>
    </message>
    <message>
        <source>ﾙ･ﾓﾃ黒、ﾒｶﾞｷｬﾛｯﾂ黒ﾓﾃﾞﾙ(&amp;R)</source>
        <translation>Le Mote black, Mega Carrots black model (&amp;R)</translation>
    </message>
    <message>
        <source>ブックマーク(&amp;B)</source>
        <translation>&amp;Bookmarks</translation>
    </message>
    <message>
        <source>ブックマークに追加(&amp;A)</source>
        <translation>&amp;Add bookmark</translation>
    </message>
    <message>
        <source>ブックマーク編集(&amp;E)</source>
        <translation>&amp;Edit bookmarks</translation>
    </message>
    <message>
        <source>ダウンロード(&amp;D)</source>
        <translation>&amp;Downloads</translation>
    </message>
    <message>
        <source>ダウンロードファイルのクリア(&amp;C)</source>
        <translation>&amp;Clear downloaded files</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)</source>
        <translation>&amp;Version info</translation>
    </message>
    <message>
        <source>ページを開けませんでした: %1</source>
        <translation>Could not open the page: %1</translation>
    </message>
    <message>
        <source>%1をダウンロードしました。</source>
        <translation>%1 was downloaded.</translation>
    </message>
    <message>
        <source>%1をダウンロードできませんでした。
%2</source>
        <translation>%1 could not be downloaded.
%2</translation>
    </message>
    <message>
        <source>ヘルプのファイル %1 がありません。</source>
        <translation>The help file %1 is missing.</translation>
    </message>
    <message>
        <source>テキストエディタが見つからないため、ヘルプを表示できません。</source>
        <translation>No text editor was found, so the help cannot be shown.</translation>
    </message>
    <message>
        <source>電話機の絵 %1 が見つかりません。</source>
        <translation>The handset picture %1 was not found.</translation>
    </message>
    <message>
        <source>電話機の絵 %1 を読めません。</source>
        <translation>Cannot read the handset picture %1.</translation>
    </message>
    <message>
        <source>Sumire&#x3000;V1.00</source>
        <translation>Sumire V1.00</translation>
    </message>
    <message>
        <source>保存しました: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>ヘルプを表示するテキストエディタが見つかりません。</source>
        <translation>No text editor was found to show the help.</translation>
    </message>
    <message>
        <source>ヘルプを表示するプログラム %1 を起動できませんでした。</source>
        <translation>The program %1 that shows the help could not be started.</translation>
    </message>
    <message>
        <source>表示倍率を変えられませんでした: %1</source>
        <translation>The zoom could not be changed: %1</translation>
    </message>
</context>
<context>
    <name>sumire::Form2</name>
    <message>
        <source>ブックマークを保存できませんでした。
%1</source>
        <translation>Could not save the bookmark.
%1</translation>
    </message>
    <message>
        <source>ブックマークの追加</source>
        <translation>Add bookmark</translation>
    </message>
    <message>
        <source>アドレス名を入力してください。</source>
        <translation>Enter the address.</translation>
    </message>
    <message>
        <source>タイトル名を入力してください。</source>
        <translation>Enter the title.</translation>
    </message>
</context>
<context>
    <name>sumire::Form3</name>
    <message>
        <source>ブックマークの編集</source>
        <translation>Edit bookmarks</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>タイトル名</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>アドレス名</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>sumire::FrmAbout</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ｼｽﾃﾑ情報(&amp;S)...</source>
        <translation>&amp;System info...</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの説明</source>
        <translation>About the program</translation>
    </message>
    <message>
        <source>警告: ...</source>
        <translation>Warning: ...</translation>
    </message>
    <message>
        <source>%1のﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>現時点ではｼｽﾃﾑ情報を使用できません</source>
        <translation>System information cannot be shown now.</translation>
    </message>
</context>
<context>
    <name>sumire::LocalFiles</name>
    <message>
        <source>ファイルが選ばれていません。</source>
        <translation>No file is chosen.</translation>
    </message>
    <message>
        <source>%1 というファイルはありません。</source>
        <translation>There is no file %1.</translation>
    </message>
    <message>
        <source>%1 は大きすぎて開けません。</source>
        <translation>%1 is too large to open.</translation>
    </message>
    <message>
        <source>%1 を読めません: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
</context>
</TS>
