<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AllocationGuard</name>
    <message>
        <source>The last action</source>
        <translation>直前の操作</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>%1 failed: this computer did not give Velmora the memory it needed. The action was stopped; the other open scores are as they were. Close scores you do not need, or split a long score into shorter ones, and try again.</source>
        <translation>%1 に失敗しました: このコンピューターは Velmora に必要なメモリーを割り当てませんでした。操作は中止され、ほかに開いている楽譜はそのままです。不要な楽譜を閉じるか、長い楽譜を短い楽譜に分けてから、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>message-</source>
        <translation>メッセージ-</translation>
    </message>
    <message>
        <source>copyright-</source>
        <translation>著作権-</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>Velmora について</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Version %1  (Built on %2 ) (Latest Version)&lt;hr&gt;Please refer to %3 for detail.&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;h3&gt;Velmora バージョン %1  (ビルド日 %2 ) (最新版)&lt;hr&gt;詳しくは %3 をご覧ください。&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Latest Version %1 of Velmora is now available!&lt;br&gt;Please download from %4 page.&lt;hr&gt;You are using:&lt;br&gt;Velmora Version %2  (Built on %3 )&lt;hr&gt;Please refer to %5 for detail.&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;h3&gt;Velmora の最新版 %1 が公開されています！&lt;br&gt;%4 ページからダウンロードしてください。&lt;hr&gt;お使いのバージョン:&lt;br&gt;Velmora バージョン %2  (ビルド日 %3 )&lt;hr&gt;詳しくは %5 をご覧ください。&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Version %1  (Built on %2 )&lt;hr&gt;Please refer to %3 for detail.&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;h3&gt;Velmora バージョン %1  (ビルド日 %2 )&lt;hr&gt;詳しくは %3 をご覧ください。&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; 2026 corvali &amp;mdash; &lt;a href=&quot;%1&quot;&gt;Velmora home page&lt;/a&gt;&lt;br&gt;&lt;/h3&gt;</source>
        <translation>Copyright &amp;copy; 2026 corvali &amp;mdash; &lt;a href=&quot;%1&quot;&gt;Velmora ホームページ&lt;/a&gt;&lt;br&gt;&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Velmora Handbook</source>
        <translation>Velmora ハンドブック</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
</context>
<context>
    <name>DialogController</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Measure Direction-</source>
        <translation>小節の方向</translation>
    </message>
    <message>
        <source>Horizontal-</source>
        <translation>横向き</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>縦向き</translation>
    </message>
    <message>
        <source>Measure Style &amp; </source>
        <translation>小節スタイル</translation>
    </message>
    <message>
        <source>Banded-</source>
        <translation>帯状</translation>
    </message>
    <message>
        <source>Grid-</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <source>Measures Layout-</source>
        <translation>小節の配置</translation>
    </message>
    <message>
        <source>Automatic-</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Fixed Num-</source>
        <translation>固定数</translation>
    </message>
    <message>
        <source>Time Proportional-</source>
        <translation>時間比例</translation>
    </message>
    <message>
        <source>Equal Len-</source>
        <translation>等長</translation>
    </message>
    <message>
        <source>Part Width-</source>
        <translation>パート幅</translation>
    </message>
    <message>
        <source>Wider-</source>
        <translation>広く</translation>
    </message>
    <message>
        <source>Narrower-</source>
        <translation>狭く</translation>
    </message>
    <message>
        <source>Space between Stages-</source>
        <translation>段の間隔</translation>
    </message>
    <message>
        <source>Measures/Stage-</source>
        <translation>小節/段</translation>
    </message>
    <message>
        <source>- 1</source>
        <translation>- 1</translation>
    </message>
    <message>
        <source>+ 1</source>
        <translation>+ 1</translation>
    </message>
    <message>
        <source>Gap between Voices-</source>
        <translation>声部間隔</translation>
    </message>
    <message>
        <source>Gap between Chord Notes-</source>
        <translation>和音の音符間隔</translation>
    </message>
    <message>
        <source>Maximum Chord Width-</source>
        <translation>和音の最大幅</translation>
    </message>
    <message>
        <source>Measure Length-</source>
        <translation>小節の長さ</translation>
    </message>
    <message>
        <source>Longer-</source>
        <translation>長く</translation>
    </message>
    <message>
        <source>Shorter-</source>
        <translation>短く</translation>
    </message>
    <message>
        <source>Time Tick Length</source>
        <translation>時間目盛りの長さ</translation>
    </message>
    <message>
        <source>&gt; Size</source>
        <translation>&gt; サイズ</translation>
    </message>
    <message>
        <source>Time &lt;</source>
        <translation>時間 &lt;</translation>
    </message>
    <message>
        <source>Note Font Size-</source>
        <translation>音符フォントの大きさ</translation>
    </message>
    <message>
        <source>Larger-</source>
        <translation>大きく</translation>
    </message>
    <message>
        <source>Smaller-</source>
        <translation>小さく</translation>
    </message>
    <message>
        <source>Note Position Offset-</source>
        <translation>音符位置のオフセット</translation>
    </message>
    <message>
        <source>Fitting</source>
        <translation>フィット</translation>
    </message>
    <message>
        <source>Last Page-</source>
        <translation>最終ページ</translation>
    </message>
    <message>
        <source>Last Stage-</source>
        <translation>最終段</translation>
    </message>
    <message>
        <source>Header Width-</source>
        <translation>ヘッダー幅</translation>
    </message>
    <message>
        <source>Close-</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Velmora: Layout Controller</source>
        <translation>Velmora: レイアウトコントローラー</translation>
    </message>
    <message>
        <source>Part Width</source>
        <translation>パート幅</translation>
    </message>
    <message>
        <source>Wider</source>
        <translation>広く</translation>
    </message>
    <message>
        <source>Narrower</source>
        <translation>狭く</translation>
    </message>
    <message>
        <source>Space Between Stages</source>
        <translation>段の間隔</translation>
    </message>
    <message>
        <source>Gap between Chord Notes</source>
        <translation>和音の音符間隔</translation>
    </message>
    <message>
        <source>Gap between Voices</source>
        <translation>声部間隔</translation>
    </message>
    <message>
        <source>Max Chord Width</source>
        <translation>和音の最大幅</translation>
    </message>
    <message>
        <source>Measures Per Stage</source>
        <translation>段あたりの小節数</translation>
    </message>
    <message>
        <source>Measure Length</source>
        <translation>小節の長さ</translation>
    </message>
    <message>
        <source>Longer</source>
        <translation>長く</translation>
    </message>
    <message>
        <source>Shorter</source>
        <translation>短く</translation>
    </message>
    <message>
        <source>Note Font Size</source>
        <translation>音符フォントの大きさ</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>小さく</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>大きく</translation>
    </message>
    <message>
        <source>Note Position Offset</source>
        <translation>音符位置のオフセット</translation>
    </message>
    <message>
        <source>Measure Direction</source>
        <translation>小節の方向</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横向き</translation>
    </message>
    <message>
        <source>Measure Style</source>
        <translation>小節スタイル</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <source>Banded</source>
        <translation>帯状</translation>
    </message>
    <message>
        <source>Measures Layout</source>
        <translation>小節の配置</translation>
    </message>
    <message>
        <source>Fixed Number / Stage</source>
        <translation>段ごとの固定数</translation>
    </message>
    <message>
        <source>Equal Length</source>
        <translation>等長</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Time Proportional</source>
        <translation>時間比例</translation>
    </message>
    <message>
        <source>Last Stage</source>
        <translation>最終段</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>最終ページ</translation>
    </message>
    <message>
        <source>Uniformity in Note Size vs Time Length</source>
        <translation>音符の大きさと時間の長さの均一性</translation>
    </message>
    <message>
        <source>More Uniform in Time</source>
        <translation>時間をより均一に</translation>
    </message>
    <message>
        <source>More Uniform in Size</source>
        <translation>大きさをより均一に</translation>
    </message>
    <message>
        <source>Header Area Width</source>
        <translation>ヘッダー領域の幅</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DialogConvertNoteName</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Enter Part number and Lyric number-</source>
        <translation>パート番号と歌詞番号を入力-</translation>
    </message>
    <message>
        <source>All Parts-</source>
        <translation>全パート-</translation>
    </message>
    <message>
        <source>Part Number-</source>
        <translation>パート番号-</translation>
    </message>
    <message>
        <source>Lyric Number-</source>
        <translation>歌詞番号-</translation>
    </message>
    <message>
        <source>Delete Lyrics-</source>
        <translation>歌詞を削除-</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Velmora: Change Pitch</source>
        <translation>Velmora: 音高の変更</translation>
    </message>
    <message>
        <source>Enter Part Number and Lyric Number.</source>
        <translation>パート番号と歌詞番号を入力してください。</translation>
    </message>
    <message>
        <source>All Parts</source>
        <translation>全パート</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>パート番号</translation>
    </message>
    <message>
        <source>Lyric Number (0:All)</source>
        <translation>歌詞番号 (0:すべて)</translation>
    </message>
    <message>
        <source>Delete Lyrics</source>
        <translation>歌詞を削除</translation>
    </message>
</context>
<context>
    <name>DialogDeleteLyrics</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Enter Part number and Lyric number-</source>
        <translation>パート番号と歌詞番号を入力-</translation>
    </message>
    <message>
        <source>Part Number-</source>
        <translation>パート番号-</translation>
    </message>
    <message>
        <source>Lyric Number-</source>
        <translation>歌詞番号-</translation>
    </message>
    <message>
        <source>Velmora: Delete Lyrics</source>
        <translation>Velmora: 歌詞の削除</translation>
    </message>
    <message>
        <source>Enter Part Number and Lyric Number.</source>
        <translation>パート番号と歌詞番号を入力してください。</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>パート番号</translation>
    </message>
    <message>
        <source>Lyric Number (0:All)</source>
        <translation>歌詞番号 (0:すべて)</translation>
    </message>
    <message>
        <source>all</source>
        <translation>すべて</translation>
    </message>
</context>
<context>
    <name>DialogImportExport</name>
    <message>
        <source>Velmora: Import and Export Dialog-</source>
        <translation>Velmora: Import and Export Dialog-</translation>
    </message>
    <message>
        <source>Import MusicXML-</source>
        <translation>Import MusicXML-</translation>
    </message>
    <message>
        <source>Source-</source>
        <translation>Source-</translation>
    </message>
    <message>
        <source>File-</source>
        <translation>File-</translation>
    </message>
    <message>
        <source>MuseScore-</source>
        <translation>MuseScore-</translation>
    </message>
    <message>
        <source>Options-</source>
        <translation>Options-</translation>
    </message>
    <message>
        <source>New-</source>
        <translation>New-</translation>
    </message>
    <message>
        <source>Imitate-</source>
        <translation>Imitate-</translation>
    </message>
    <message>
        <source>Update-</source>
        <translation>Update-</translation>
    </message>
    <message>
        <source>Import-</source>
        <translation>Import-</translation>
    </message>
    <message>
        <source>Export MusicXML-</source>
        <translation>Export MusicXML-</translation>
    </message>
    <message>
        <source>Target-</source>
        <translation>Target-</translation>
    </message>
    <message>
        <source>With Staff Notes-</source>
        <translation>With Staff Notes-</translation>
    </message>
    <message>
        <source>Export-</source>
        <translation>Export-</translation>
    </message>
    <message>
        <source>Close-</source>
        <translation>Close-</translation>
    </message>
    <message>
        <source>Velmora: Import/Export MusicXML</source>
        <translation>Velmora: MusicXML の読み込み/書き出し</translation>
    </message>
    <message>
        <source>Import MusicXML</source>
        <translation>MusicXML の読み込み</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>読み込み元</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>MuseScore</source>
        <translation>MuseScore</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>New (with defaut settings)</source>
        <translation>新規（既定の設定）</translation>
    </message>
    <message>
        <source>Imitate (with active score&apos;s settings)</source>
        <translation>模倣（作業中の楽譜の設定）</translation>
    </message>
    <message>
        <source>Update (replacing active score)</source>
        <translation>更新（作業中の楽譜を置き換え）</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Export MusicXML</source>
        <translation>MusicXML の書き出し</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>出力先</translation>
    </message>
    <message>
        <source>With Note Names in Lyrics</source>
        <translation>音名を歌詞に含める</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DialogLog</name>
    <message>
        <source>Dialog</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DialogMSPlugin</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>テキストラベル</translation>
    </message>
    <message>
        <source>Select MuseScore Version-</source>
        <translation>MuseScore のバージョンを選択-</translation>
    </message>
    <message>
        <source>MuseScore 2</source>
        <translation>MuseScore 2</translation>
    </message>
    <message>
        <source>MuseScore 3</source>
        <translation>MuseScore 3</translation>
    </message>
    <message>
        <source>Try Generating Plugins-</source>
        <translation>プラグインを生成-</translation>
    </message>
    <message>
        <source>LabelMSPluginFolder</source>
        <translation>MuseScore プラグインフォルダー</translation>
    </message>
    <message>
        <source>aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa</source>
        <translation>aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa</translation>
    </message>
    <message>
        <source>Change Folder-</source>
        <translation>フォルダーを変更-</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Generate MuseScore 3 Plugins</source>
        <translation>MuseScore 3 プラグインの生成</translation>
    </message>
    <message>
        <source>Caution!: Plugin for MuseScore 4 is not supported.</source>
        <translation>注意: MuseScore 4 用のプラグインには対応していません。</translation>
    </message>
    <message>
        <source>Select the MuseScore Version (2 or 3)</source>
        <translation>MuseScore のバージョンを選択 (2 または 3)</translation>
    </message>
    <message>
        <source>Try Generating Plugins</source>
        <translation>プラグインを生成</translation>
    </message>
    <message>
        <source>If unsuccesful (the plugin folder is not found), check the plugin folder on MuseScore
by &apos;Preferences&apos; command &gt; &apos;General&apos; tab &gt; &apos;Folders&apos; &gt; &apos;Plugin&apos;.
and change the folder to point to the correct one, then retry.</source>
        <translation>失敗した場合 (プラグインフォルダーが見つからない場合) は、MuseScore の
「環境設定」コマンド &gt; 「一般」タブ &gt; 「フォルダー」 &gt; 「プラグイン」でプラグインフォルダーを確認し、
フォルダーを正しい場所に変更してから再度お試しください。</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>フォルダーを変更</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>DialogMoveLyricsSN</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Enter Part number and Lyric number-</source>
        <translation>パート番号と歌詞番号を入力-</translation>
    </message>
    <message>
        <source>Part Number-</source>
        <translation>パート番号-</translation>
    </message>
    <message>
        <source>Lyric Number-</source>
        <translation>歌詞番号-</translation>
    </message>
    <message>
        <source>Relative Position to Note-</source>
        <translation>音符に対する位置-</translation>
    </message>
    <message>
        <source>CLose to Note-</source>
        <translation>音符の近く-</translation>
    </message>
    <message>
        <source>Above Note-</source>
        <translation>音符の上-</translation>
    </message>
    <message>
        <source>Below Note-</source>
        <translation>音符の下-</translation>
    </message>
    <message>
        <source>Velmora: Move Lyrics (for Staff Notation)</source>
        <translation>Velmora: 歌詞の移動 (五線譜用)</translation>
    </message>
    <message>
        <source>Enter Part Number and Lyric Number.</source>
        <translation>パート番号と歌詞番号を入力してください。</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>パート番号</translation>
    </message>
    <message>
        <source>Lyric Number</source>
        <translation>歌詞番号</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Close to Notes</source>
        <translation>音符の近く</translation>
    </message>
    <message>
        <source>Above Notes</source>
        <translation>音符の上</translation>
    </message>
    <message>
        <source>Below Notes</source>
        <translation>音符の下</translation>
    </message>
    <message>
        <source>all</source>
        <translation>すべて</translation>
    </message>
</context>
<context>
    <name>DialogOpenAutoSave</name>
    <message>
        <source>Velmora: Open Auto Save Files</source>
        <translation>Velmora: 自動保存ファイルを開く</translation>
    </message>
    <message>
        <source>The last session seems to have ended abnormally.&lt;br&gt;&lt;br&gt;Do you want to open auto-saved files?&lt;br&gt;&lt;br&gt;If Cancel is selected, they will be deleted.</source>
        <translation>前回のセッションは異常終了したようです。&lt;br&gt;&lt;br&gt;自動保存されたファイルを開きますか？&lt;br&gt;&lt;br&gt;キャンセルを選ぶと、それらは削除されます。</translation>
    </message>
</context>
<context>
    <name>DialogPasteSettings</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>file path-</source>
        <translation>ファイルパス</translation>
    </message>
    <message>
        <source>All-</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Parts-</source>
        <translation>パート</translation>
    </message>
    <message>
        <source>Measure/Page-</source>
        <translation>小節/ページ</translation>
    </message>
    <message>
        <source>Style-</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Close-</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Velmora: Paste Settings</source>
        <translation>Velmora: 設定の貼り付け</translation>
    </message>
    <message>
        <source>Settings copied from:</source>
        <translation>設定のコピー元：</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>パート</translation>
    </message>
    <message>
        <source>Measure/Page</source>
        <translation>小節/ページ</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DialogScaleTemplate</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Number of Scale Notes</source>
        <translation>音階の音数</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Sangen Honchoshi</source>
        <translation>三絃 本調子</translation>
    </message>
    <message>
        <source>Sangen 2Agari</source>
        <translation>三絃 二上り</translation>
    </message>
    <message>
        <source>Sangen 3Sagari</source>
        <translation>三絃 三下り</translation>
    </message>
    <message>
        <source>Doremi C</source>
        <translation>ドレミ C</translation>
    </message>
    <message>
        <source>Hira Chosi D</source>
        <translation>平調子 D</translation>
    </message>
    <message>
        <source>Hira Chosi G</source>
        <translation>平調子 G</translation>
    </message>
    <message>
        <source>HanKumoi Chosi D</source>
        <translation>半雲井調子 D</translation>
    </message>
    <message>
        <source>HanKumoi Chosi G</source>
        <translation>半雲井調子 G</translation>
    </message>
    <message>
        <source>Kumoi Chosi D</source>
        <translation>雲井調子 D</translation>
    </message>
    <message>
        <source>kumoi Chosi G</source>
        <translation>雲井調子 G</translation>
    </message>
    <message>
        <source>HonKumoi Chosi D</source>
        <translation>本雲井調子 D</translation>
    </message>
    <message>
        <source>HonKumoi Chosi G</source>
        <translation>本雲井調子 G</translation>
    </message>
    <message>
        <source>Kokin Chosi D</source>
        <translation>古今調子 D</translation>
    </message>
    <message>
        <source>Nakazora Chosi D</source>
        <translation>中空調子 D</translation>
    </message>
    <message>
        <source>Nakazora Chosi G</source>
        <translation>中空調子 G</translation>
    </message>
    <message>
        <source>Nogi Chosi D</source>
        <translation>乃木調子 D</translation>
    </message>
    <message>
        <source>Nogi Chosi G</source>
        <translation>乃木調子 G</translation>
    </message>
    <message>
        <source>Gaku Chosi D</source>
        <translation>楽調子 D</translation>
    </message>
    <message>
        <source>Gaku Chosi G</source>
        <translation>楽調子 G</translation>
    </message>
    <message>
        <source>Haru No Umi</source>
        <translation>春の海</translation>
    </message>
    <message>
        <source>DenEnShi</source>
        <translation>田園詩</translation>
    </message>
    <message>
        <source>Doremi17 C3</source>
        <translation>ドレミ十七絃 C3</translation>
    </message>
    <message>
        <source>DenEnshi17String</source>
        <translation>田園詩 十七絃</translation>
    </message>
    <message>
        <source>Scale Templates</source>
        <translation>音階テンプレート</translation>
    </message>
    <message>
        <source>Number of Scale Notes: </source>
        <translation>音階の音数: </translation>
    </message>
</context>
<context>
    <name>DialogSlurControl</name>
    <message>
        <source>Slur Curve Controller</source>
        <translation>スラーカーブ調整</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>スラーカーブ調整</translation>
    </message>
    <message>
        <source>↑</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>LeftHalf -</source>
        <translation>LeftHalf -</translation>
    </message>
    <message>
        <source>Whole-</source>
        <translation>Whole-</translation>
    </message>
    <message>
        <source>RightHalf-</source>
        <translation>RightHalf-</translation>
    </message>
    <message>
        <source>↓</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Left Half</source>
        <translation>左半分</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>全体</translation>
    </message>
    <message>
        <source>Right Half</source>
        <translation>右半分</translation>
    </message>
</context>
<context>
    <name>DialogStyle</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>小節</translation>
    </message>
    <message>
        <source>Stage Line Width</source>
        <translation>段の線幅</translation>
    </message>
    <message>
        <source>Part Line Width-</source>
        <translation>Part Line Width-</translation>
    </message>
    <message>
        <source>Time Signature SIze</source>
        <translation>拍子記号のサイズ</translation>
    </message>
    <message>
        <source>Leading Pad</source>
        <translation>前の余白</translation>
    </message>
    <message>
        <source>Tailing Pad</source>
        <translation>後の余白</translation>
    </message>
    <message>
        <source>Max Chord Width</source>
        <translation>和音の最大幅</translation>
    </message>
    <message>
        <source>Uniformity in Time and Size-</source>
        <translation>Uniformity in Time and Size-</translation>
    </message>
    <message>
        <source>More Uniform in Time-</source>
        <translation>More Uniform in Time-</translation>
    </message>
    <message>
        <source>More Uniform in Size-</source>
        <translation>More Uniform in Size-</translation>
    </message>
    <message>
        <source>Multimeasure Rests-</source>
        <translation>Multimeasure Rests-</translation>
    </message>
    <message>
        <source>Time Tick Marks</source>
        <translation>時間の目盛り</translation>
    </message>
    <message>
        <source>Tick Major Length (%)</source>
        <translation>長い目盛りの長さ (%)</translation>
    </message>
    <message>
        <source>Tick Major Width (mm)</source>
        <translation>長い目盛りの幅 (mm)</translation>
    </message>
    <message>
        <source>Tick Minor Length (%)</source>
        <translation>短い目盛りの長さ (%)</translation>
    </message>
    <message>
        <source>Tick Minor Width (mm)</source>
        <translation>短い目盛りの幅 (mm)</translation>
    </message>
    <message>
        <source>Gaps for Chord Notes and Voices-</source>
        <translation>Gaps for Chord Notes and Voices-</translation>
    </message>
    <message>
        <source>Gap between Voices (ratio)-</source>
        <translation>Gap between Voices (ratio)-</translation>
    </message>
    <message>
        <source>Gap between Chord Notes (ratio)-</source>
        <translation>Gap between Chord Notes (ratio)-</translation>
    </message>
    <message>
        <source>Bar Lines and Repeat Dot</source>
        <translation>小節線と反復記号の点</translation>
    </message>
    <message>
        <source>Bar Line Width-</source>
        <translation>Bar Line Width-</translation>
    </message>
    <message>
        <source>Thin Line Width</source>
        <translation>細い線の幅</translation>
    </message>
    <message>
        <source>Thick Line Width</source>
        <translation>太い線の幅</translation>
    </message>
    <message>
        <source>Double Line Spacing</source>
        <translation>複縦線の間隔</translation>
    </message>
    <message>
        <source>Repeat Dot Offset</source>
        <translation>反復記号の点のずれ</translation>
    </message>
    <message>
        <source>Repeat Dot Raidus</source>
        <translation>反復記号の点の半径</translation>
    </message>
    <message>
        <source>Repeat Dot Separation</source>
        <translation>反復記号の点の間隔</translation>
    </message>
    <message>
        <source>Font Properties-</source>
        <translation>Font Properties-</translation>
    </message>
    <message>
        <source>Text Font Property-</source>
        <translation>Text Font Property-</translation>
    </message>
    <message>
        <source>Defalut Font Property-</source>
        <translation>Defalut Font Property-</translation>
    </message>
    <message>
        <source>Rehearsal Mark Size-</source>
        <translation>Rehearsal Mark Size-</translation>
    </message>
    <message>
        <source>Size (ratio)-</source>
        <translation>Size (ratio)-</translation>
    </message>
    <message>
        <source>Text, Dynamics and Cresc.Decresc.-</source>
        <translation>Text, Dynamics and Cresc.Decresc.-</translation>
    </message>
    <message>
        <source>Text-</source>
        <translation>Text-</translation>
    </message>
    <message>
        <source>Dynamics-</source>
        <translation>Dynamics-</translation>
    </message>
    <message>
        <source>Scale Factor-</source>
        <translation>Scale Factor-</translation>
    </message>
    <message>
        <source>Cresc./Decresc.-</source>
        <translation>Cresc./Decresc.-</translation>
    </message>
    <message>
        <source>Staff Note Font Size-</source>
        <translation>Staff Note Font Size-</translation>
    </message>
    <message>
        <source>Staff note font size (point)</source>
        <translation>五線譜の音名フォントサイズ (ポイント)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>音符</translation>
    </message>
    <message>
        <source>Note Position</source>
        <translation>音符の位置</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>ずれ</translation>
    </message>
    <message>
        <source>Lyrics Position</source>
        <translation>歌詞の位置</translation>
    </message>
    <message>
        <source>OffsetTD</source>
        <translation>ずれ (時間の方向)</translation>
    </message>
    <message>
        <source>Draw between lyrics-</source>
        <translation>Draw between lyrics-</translation>
    </message>
    <message>
        <source>Tie Stop Note --</source>
        <translation>Tie Stop Note --</translation>
    </message>
    <message>
        <source>Use Bar --</source>
        <translation>Use Bar --</translation>
    </message>
    <message>
        <source>Erase Extension-</source>
        <translation>Erase Extension-</translation>
    </message>
    <message>
        <source>Erase Extension -</source>
        <translation>Erase Extension -</translation>
    </message>
    <message>
        <source>Kinko defaults</source>
        <translation>琴古流の既定</translation>
    </message>
    <message>
        <source>&quot;U&quot; for Ab4</source>
        <translation>A♭4 に「ウ」</translation>
    </message>
    <message>
        <source>Octave Instruction (Kan/Otsu)</source>
        <translation>オクターブ指示 (甲・乙)</translation>
    </message>
    <message>
        <source>Scale Factor</source>
        <translation>倍率</translation>
    </message>
    <message>
        <source>Offset L</source>
        <translation>ずれ L</translation>
    </message>
    <message>
        <source>At Bottom (or Right)</source>
        <translation>下 (または右)</translation>
    </message>
    <message>
        <source>Offset W</source>
        <translation>ずれ W</translation>
    </message>
    <message>
        <source>Tozan Small Note-</source>
        <translation>Tozan Small Note-</translation>
    </message>
    <message>
        <source>Grace note</source>
        <translation>装飾音</translation>
    </message>
    <message>
        <source>Scale factor</source>
        <translation>倍率</translation>
    </message>
    <message>
        <source>Offset Y (horizontal)</source>
        <translation>ずれ Y (横書き)</translation>
    </message>
    <message>
        <source>Offset X (vertical) </source>
        <translation>ずれ X (縦書き)</translation>
    </message>
    <message>
        <source>Offsets for Slur, Tie, and Notation</source>
        <translation>Offsets for Slur, Tie, and Notation</translation>
    </message>
    <message>
        <source>Slur</source>
        <translation>スラー</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>タイ</translation>
    </message>
    <message>
        <source>Right/Bottom-</source>
        <translation>Right/Bottom-</translation>
    </message>
    <message>
        <source>Articulation</source>
        <translation>アーティキュレーション</translation>
    </message>
    <message>
        <source>Tuplet-</source>
        <translation>Tuplet-</translation>
    </message>
    <message>
        <source>Bracket-</source>
        <translation>Bracket-</translation>
    </message>
    <message>
        <source>tremomoOffsetL-</source>
        <translation>tremomoOffsetL-</translation>
    </message>
    <message>
        <source>OffsetW-</source>
        <translation>OffsetW-</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>連桁</translation>
    </message>
    <message>
        <source>Offset X or Y</source>
        <translation>ずれ X または Y</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>線幅</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>線の間隔</translation>
    </message>
    <message>
        <source>Note Spacer</source>
        <translation>音符の前の空き</translation>
    </message>
    <message>
        <source>Insert Spacer</source>
        <translation>空きを入れる</translation>
    </message>
    <message>
        <source>Width (ratio to quarter note)</source>
        <translation>幅 (四分音符に対する比率)</translation>
    </message>
    <message>
        <source>Fingering-</source>
        <translation>Fingering-</translation>
    </message>
    <message>
        <source>Size Ratio-</source>
        <translation>Size Ratio-</translation>
    </message>
    <message>
        <source>Line width-</source>
        <translation>Line width-</translation>
    </message>
    <message>
        <source>Offset L-</source>
        <translation>Offset L-</translation>
    </message>
    <message>
        <source>Offset W-</source>
        <translation>Offset W-</translation>
    </message>
    <message>
        <source>Set Default Values</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Style Settings</source>
        <translation>スタイル設定</translation>
    </message>
    <message>
        <source>Part Line Width</source>
        <translation>パートの線幅</translation>
    </message>
    <message>
        <source>Time Signature Size</source>
        <translation>拍子記号のサイズ</translation>
    </message>
    <message>
        <source>Maximum Chord Width (ratio)</source>
        <translation>和音の最大幅 (比率)</translation>
    </message>
    <message>
        <source>Uniformity in Time and Size (when aligned in time)</source>
        <translation>時間とサイズの均一さ (時間で揃えるとき)</translation>
    </message>
    <message>
        <source>More Uniform in Time</source>
        <translation>時間をより均一に</translation>
    </message>
    <message>
        <source>More Uniform in Size</source>
        <translation>サイズをより均一に</translation>
    </message>
    <message>
        <source>Gaps for Chord Notes and Voices</source>
        <translation>和音と声部の間隔</translation>
    </message>
    <message>
        <source>Gap between Chord Notes (ratio)</source>
        <translation>和音の音の間隔 (比率)</translation>
    </message>
    <message>
        <source>Gap between Voices (ratio)</source>
        <translation>声部の間隔 (比率)</translation>
    </message>
    <message>
        <source>Staff Note Font Size (on MuseScore, etc.)</source>
        <translation>五線譜の音名フォントサイズ (MuseScore など)</translation>
    </message>
    <message>
        <source>Staff Note Font Size (point)</source>
        <translation>五線譜の音名フォントサイズ (ポイント)</translation>
    </message>
    <message>
        <source>Rehearsal Mark Size</source>
        <translation>リハーサルマークのサイズ</translation>
    </message>
    <message>
        <source>Rehearsal Mark Size (ratio)</source>
        <translation>リハーサルマークのサイズ (比率)</translation>
    </message>
    <message>
        <source>Dynamics and Cresc./Decresc.</source>
        <translation>強弱記号とクレシェンド・デクレシェンド</translation>
    </message>
    <message>
        <source>Text Offset (ratio)</source>
        <translation>文字のずれ (比率)</translation>
    </message>
    <message>
        <source>Dynamics Offset (ratio)</source>
        <translation>強弱記号のずれ (比率)</translation>
    </message>
    <message>
        <source>Cresc./Decresc. Offset (ratio)</source>
        <translation>クレシェンド・デクレシェンドのずれ (比率)</translation>
    </message>
    <message>
        <source>Font Property</source>
        <translation>フォントの設定</translation>
    </message>
    <message>
        <source>Note Text, Line Text</source>
        <translation>音符の文字、線の文字</translation>
    </message>
    <message>
        <source>Part Name, Measure Number, Time Signature, Page Number/Text</source>
        <translation>パート名、小節番号、拍子記号、ページ番号・文字</translation>
    </message>
    <message>
        <source>Bar Line Width</source>
        <translation>小節線の幅</translation>
    </message>
    <message>
        <source>Repeat Dot Radius</source>
        <translation>反復記号の点の半径</translation>
    </message>
    <message>
        <source>Multimeasure Rests</source>
        <translation>複数小節の休符</translation>
    </message>
    <message>
        <source>Offset (Time Direction)</source>
        <translation>ずれ (時間の方向)</translation>
    </message>
    <message>
        <source>Draw Line between Lyrics</source>
        <translation>歌詞の間に線を描く</translation>
    </message>
    <message>
        <source>Insert Spacer for Beam Clearence</source>
        <translation>連桁のために空きを入れる</translation>
    </message>
    <message>
        <source>Width (ratio to quarter note width)</source>
        <translation>幅 (四分音符の幅に対する比率)</translation>
    </message>
    <message>
        <source>Tie Stop (Kinko_Simple, Shinobue)</source>
        <translation>タイの終わり (Kinko_Simple, Shinobue)</translation>
    </message>
    <message>
        <source>Bar Symbol</source>
        <translation>棒の記号</translation>
    </message>
    <message>
        <source>Erase Extension (Koto_Ikuta, Sange_Ikuta)</source>
        <translation>延ばしの消去 (Koto_Ikuta, Sange_Ikuta)</translation>
    </message>
    <message>
        <source>Erase at Quarter Boundary</source>
        <translation>四分音符の境で消す</translation>
    </message>
    <message>
        <source>Default Note Names (for Kinko_Simple)</source>
        <translation>既定の音名 (Kinko_Simple)</translation>
    </message>
    <message>
        <source>&apos;U&apos; for &apos;ChiMeri&apos; Otsu</source>
        <translation>乙の「チメリ」に「ウ」</translation>
    </message>
    <message>
        <source>Tozan Small Note</source>
        <translation>都山流の小さい音符</translation>
    </message>
    <message>
        <source>Grace Note</source>
        <translation>装飾音</translation>
    </message>
    <message>
        <source>Offset Y (for horizontal)</source>
        <translation>ずれ Y (横書き)</translation>
    </message>
    <message>
        <source>Offset X (for vertical)</source>
        <translation>ずれ X (縦書き)</translation>
    </message>
    <message>
        <source>Offsets for Slur, Tie, and Articulation</source>
        <translation>スラー、タイ、アーティキュレーションのずれ</translation>
    </message>
    <message>
        <source>Tuplet</source>
        <translation>連符</translation>
    </message>
    <message>
        <source>Bracket</source>
        <translation>括弧</translation>
    </message>
    <message>
        <source>Tremolo Offset L</source>
        <translation>トレモロのずれ L</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>線幅</translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>線の間隔</translation>
    </message>
    <message>
        <source>Fingering</source>
        <translation>運指</translation>
    </message>
    <message>
        <source>Size (ratio)</source>
        <translation>サイズ (比率)</translation>
    </message>
</context>
<context>
    <name>DialogTranspose</name>
    <message>
        <source>Dialog</source>
        <translation>移調</translation>
    </message>
    <message>
        <source>Apply-</source>
        <translation>Apply-</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel-</source>
        <translation>Cancel-</translation>
    </message>
    <message>
        <source>Transpose (half steps)-</source>
        <translation>Transpose (half steps)-</translation>
    </message>
    <message>
        <source>-12/Octave</source>
        <translation>-12/オクターブ</translation>
    </message>
    <message>
        <source>-11</source>
        <translation>-11</translation>
    </message>
    <message>
        <source>-10</source>
        <translation>-10</translation>
    </message>
    <message>
        <source>-9/Major Sixth</source>
        <translation>-9/長6度</translation>
    </message>
    <message>
        <source>-8</source>
        <translation>-8</translation>
    </message>
    <message>
        <source>-7/Perfect Fifth</source>
        <translation>-7/完全5度</translation>
    </message>
    <message>
        <source>-6</source>
        <translation>-6</translation>
    </message>
    <message>
        <source>-5/Perfect Fourth</source>
        <translation>-5/完全4度</translation>
    </message>
    <message>
        <source>-4/Major Third</source>
        <translation>-4/長3度</translation>
    </message>
    <message>
        <source>-3/Minor Third</source>
        <translation>-3/短3度</translation>
    </message>
    <message>
        <source>-2</source>
        <translation>-2</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>0/Perfect Unison</source>
        <translation>0/完全1度</translation>
    </message>
    <message>
        <source>+1</source>
        <translation>+1</translation>
    </message>
    <message>
        <source>+2</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>+3/Minor Third</source>
        <translation>+3/短3度</translation>
    </message>
    <message>
        <source>+4/Major Third</source>
        <translation>+4/長3度</translation>
    </message>
    <message>
        <source>+5/Perfect Fourth</source>
        <translation>+5/完全4度</translation>
    </message>
    <message>
        <source>+6</source>
        <translation>+6</translation>
    </message>
    <message>
        <source>+7/Perfect Fifth</source>
        <translation>+7/完全5度</translation>
    </message>
    <message>
        <source>+8</source>
        <translation>+8</translation>
    </message>
    <message>
        <source>+9/Major Sixth</source>
        <translation>+9/長6度</translation>
    </message>
    <message>
        <source>+10</source>
        <translation>+10</translation>
    </message>
    <message>
        <source>+11</source>
        <translation>+11</translation>
    </message>
    <message>
        <source>+12/Octave</source>
        <translation>+12/オクターブ</translation>
    </message>
    <message>
        <source>Transpose of Note</source>
        <translation>音の移調</translation>
    </message>
    <message>
        <source>Transpose (in half steps)</source>
        <translation>移調 (半音単位)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DialogViewFile</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Velmora: Recently Opened Files</source>
        <translation>Velmora: 最近開いたファイル</translation>
    </message>
    <message>
        <source>Velmora: Sample Files</source>
        <translation>Velmora: サンプルファイル</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>レイアウト</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Open Sample</source>
        <translation>サンプルを開く</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>View Recent...</source>
        <translation>最近使ったファイルを一覧...</translation>
    </message>
    <message>
        <source>View Samples...</source>
        <translation>サンプルを一覧...</translation>
    </message>
    <message>
        <source>Import/Export MusicXML...</source>
        <translation>MusicXML の読み込み/書き出し...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開く...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Save As Original File Name ...</source>
        <translation type="vanished">元のファイル名で保存...</translation>
    </message>
    <message>
        <source>Save As Original File Name (without &apos;_udate..&apos; or &apos;_copy..&apos;)</source>
        <translation>元のファイル名で保存 (&apos;_udate..&apos; や &apos;_copy..&apos; を除く)</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close Scores on Left Tabs</source>
        <translation>左側のタブの楽譜を閉じる</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>PDF を書き出し...</translation>
    </message>
    <message>
        <source>Export SVG...</source>
        <translation>SVG を書き出し...</translation>
    </message>
    <message>
        <source>File Property</source>
        <translation>ファイルのプロパティ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Clear Recent File List</source>
        <translation>最近使ったファイルの一覧を消去</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Part...</source>
        <translation>パート...</translation>
    </message>
    <message>
        <source>Measure and Page...</source>
        <translation>小節とページ...</translation>
    </message>
    <message>
        <source>Style...</source>
        <translation>スタイル...</translation>
    </message>
    <message>
        <source>Multimeasure Rests</source>
        <translation>複数小節休符</translation>
    </message>
    <message>
        <source>Copy Settings</source>
        <translation>設定をコピー</translation>
    </message>
    <message>
        <source>Paste Settings...</source>
        <translation>設定を貼り付け...</translation>
    </message>
    <message>
        <source>Layout Controller...</source>
        <translation>レイアウト調整...</translation>
    </message>
    <message>
        <source>Scale up</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Scale up a little</source>
        <translation>少し拡大</translation>
    </message>
    <message>
        <source>Scale down a little</source>
        <translation>少し縮小</translation>
    </message>
    <message>
        <source>Reset All Measure Sizes</source>
        <translation>すべての小節の大きさをリセット</translation>
    </message>
    <message>
        <source>Reset All Articulation Positions</source>
        <translation>すべてのアーティキュレーションの位置をリセット</translation>
    </message>
    <message>
        <source>Reset All Lyrics Positions</source>
        <translation>すべての歌詞の位置をリセット</translation>
    </message>
    <message>
        <source>Insert Stage Break</source>
        <translation>段区切りを挿入</translation>
    </message>
    <message>
        <source>Insert Page Break</source>
        <translation>改ページを挿入</translation>
    </message>
    <message>
        <source>Insert White Page</source>
        <translation>白紙ページを挿入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Pallete</source>
        <translation>パレット</translation>
    </message>
    <message>
        <source>Navigator</source>
        <translation>ナビゲーター</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>再描画</translation>
    </message>
    <message>
        <source>Refresh Clean</source>
        <translation>再描画 (クリーン)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ズームイン</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ズームアウト</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>ズームをリセット</translation>
    </message>
    <message>
        <source>Goto Measure</source>
        <translation>小節へ移動</translation>
    </message>
    <message>
        <source>Generate MuseScore 3 Plugins...</source>
        <translation>MuseScore 3 プラグインを生成...</translation>
    </message>
    <message>
        <source>Change Note Names and Pitches From Lyrics (Koto and Sangen)...</source>
        <translation>歌詞から音名と音高を変更 (箏・三絃)...</translation>
    </message>
    <message>
        <source>Delete Lyrics...</source>
        <translation>歌詞を削除...</translation>
    </message>
    <message>
        <source>Output Note Names To Lyrics...</source>
        <translation>音名を歌詞に出力...</translation>
    </message>
    <message>
        <source>Move Lyrics (Staff Notation)...</source>
        <translation>歌詞を移動 (五線譜)...</translation>
    </message>
    <message>
        <source>Duplicate Part as Staff Notation ...</source>
        <translation>パートを五線譜として複製...</translation>
    </message>
    <message>
        <source>Online Handbook</source>
        <translation>オンラインハンドブック</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>Velmora について</translation>
    </message>
    <message>
        <source>Velmora - Welcome!</source>
        <translation>Velmora - ようこそ!</translation>
    </message>
    <message>
        <source>Velmora - No file is open.</source>
        <translation>Velmora - ファイルが開かれていません。</translation>
    </message>
    <message>
        <source>Note Directives (Select a note (notes) and click a directive).</source>
        <translation>音符の指示 (音符を選んでから指示をクリック)</translation>
    </message>
    <message>
        <source>Inserted Symbols</source>
        <translation>挿入記号</translation>
    </message>
    <message>
        <source>Common Symbols</source>
        <translation>共通記号</translation>
    </message>
    <message>
        <source>Shakuhachi &amp; Shinobue Symbols</source>
        <translation>尺八・篠笛の記号</translation>
    </message>
    <message>
        <source>Koto_Symbols</source>
        <translation>箏の記号</translation>
    </message>
    <message>
        <source>Sangen Ikuta Symbols</source>
        <translation>三絃 (生田流) の記号</translation>
    </message>
    <message>
        <source>Shamisen Bunka Symbols</source>
        <translation>三味線 (文化譜) の記号</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>移調</translation>
    </message>
    <message>
        <source>Scales (String Tunings)</source>
        <translation>音階 (調弦)</translation>
    </message>
    <message>
        <source>Repeat Symbols</source>
        <translation>繰り返し記号</translation>
    </message>
    <message>
        <source>Left parenthesis</source>
        <translation>左括弧</translation>
    </message>
    <message>
        <source>Right parenthesis</source>
        <translation>右括弧</translation>
    </message>
    <message>
        <source>Left gray parenthesis</source>
        <translation>灰色の左括弧</translation>
    </message>
    <message>
        <source>Right gray parenthesis</source>
        <translation>灰色の右括弧</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>休符</translation>
    </message>
    <message>
        <source>Suru (Portamento)</source>
        <translation>スル (ポルタメント)</translation>
    </message>
    <message>
        <source>White Space Before</source>
        <translation>前に空白</translation>
    </message>
    <message>
        <source>White Space After</source>
        <translation>後に空白</translation>
    </message>
    <message>
        <source>Kinko Ra</source>
        <translation>琴古流のラ</translation>
    </message>
    <message>
        <source>Scoop</source>
        <translation>スクープ</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>フォール</translation>
    </message>
    <message>
        <source>Doit</source>
        <translation>ドゥイット</translation>
    </message>
    <message>
        <source>Plop</source>
        <translation>プロップ</translation>
    </message>
    <message>
        <source>Slide In Below</source>
        <translation>下からスライドイン</translation>
    </message>
    <message>
        <source>Slide In Above</source>
        <translation>上からスライドイン</translation>
    </message>
    <message>
        <source>Slide Out Up</source>
        <translation>上へスライドアウト</translation>
    </message>
    <message>
        <source>Slide Out Down</source>
        <translation>下へスライドアウト</translation>
    </message>
    <message>
        <source>Slide In below (Rough)</source>
        <translation>下からスライドイン (粗)</translation>
    </message>
    <message>
        <source>Slide In Above (Rough)</source>
        <translation>上からスライドイン (粗)</translation>
    </message>
    <message>
        <source>Slide Out Up (Rough)</source>
        <translation>上へスライドアウト (粗)</translation>
    </message>
    <message>
        <source>Slide Out Down (Rough)</source>
        <translation>下へスライドアウト (粗)</translation>
    </message>
    <message>
        <source>Suri</source>
        <translation>スリ</translation>
    </message>
    <message>
        <source>Suri Tozan</source>
        <translation>スリ (都山流)</translation>
    </message>
    <message>
        <source>Suriage</source>
        <translation>スリアゲ</translation>
    </message>
    <message>
        <source>Otoshi</source>
        <translation>オトシ</translation>
    </message>
    <message>
        <source>Suriage + Modoshi</source>
        <translation>スリアゲ + モドシ</translation>
    </message>
    <message>
        <source>Meri + Suriage</source>
        <translation>メリ + スリアゲ</translation>
    </message>
    <message>
        <source>Merikomi</source>
        <translation>メリコミ</translation>
    </message>
    <message>
        <source>Ru</source>
        <translation>ル</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>棒線</translation>
    </message>
    <message>
        <source>Kan</source>
        <translation>甲</translation>
    </message>
    <message>
        <source>Otsu</source>
        <translation>乙</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>息継ぎ</translation>
    </message>
    <message>
        <source>Hole Number 1</source>
        <translation>穴番号 1</translation>
    </message>
    <message>
        <source>Hole Number 2</source>
        <translation>穴番号 2</translation>
    </message>
    <message>
        <source>Hole Number 3</source>
        <translation>穴番号 3</translation>
    </message>
    <message>
        <source>Hole Number 4</source>
        <translation>穴番号 4</translation>
    </message>
    <message>
        <source>Hole Number 5</source>
        <translation>穴番号 5</translation>
    </message>
    <message>
        <source>Bracket Begin</source>
        <translation>括り (始め)</translation>
    </message>
    <message>
        <source>Bracket End</source>
        <translation>括り (終わり)</translation>
    </message>
    <message>
        <source>Kesu</source>
        <translation>消し</translation>
    </message>
    <message>
        <source>Tsukiiro</source>
        <translation>突き色</translation>
    </message>
    <message>
        <source>Hikiiro</source>
        <translation>引き色</translation>
    </message>
    <message>
        <source>Sukui</source>
        <translation>スクイ</translation>
    </message>
    <message>
        <source>Yuri</source>
        <translation>揺り色</translation>
    </message>
    <message>
        <source>OshiHanashi</source>
        <translation>押し放し</translation>
    </message>
    <message>
        <source>An</source>
        <translation>アン</translation>
    </message>
    <message>
        <source>Chirashi Zume</source>
        <translation>散らし爪</translation>
    </message>
    <message>
        <source>Chirashi Zume (Seiha)</source>
        <translation>散らし爪 (正派)</translation>
    </message>
    <message>
        <source>Waren</source>
        <translation>輪連</translation>
    </message>
    <message>
        <source>Waren 2</source>
        <translation>輪連 2</translation>
    </message>
    <message>
        <source>Zoo Left</source>
        <translation>ゾー (左)</translation>
    </message>
    <message>
        <source>Zoo Right</source>
        <translation>ゾー (右)</translation>
    </message>
    <message>
        <source>SuriZume Left (Seiha)</source>
        <translation>摺り爪 左 (正派)</translation>
    </message>
    <message>
        <source>SuriZume Right (Seiha)</source>
        <translation>摺り爪 右 (正派)</translation>
    </message>
    <message>
        <source>Oshi</source>
        <translation>押し</translation>
    </message>
    <message>
        <source>Oshi2</source>
        <translation>押し 2</translation>
    </message>
    <message>
        <source>Oshi3</source>
        <translation>押し 3</translation>
    </message>
    <message>
        <source>Seiha Oshi</source>
        <translation>押し (正派)</translation>
    </message>
    <message>
        <source>Seiha Oshi2</source>
        <translation>押し 2 (正派)</translation>
    </message>
    <message>
        <source>Seiha Oshi3</source>
        <translation>押し 3 (正派)</translation>
    </message>
    <message>
        <source>Suri Age</source>
        <translation>スリアゲ</translation>
    </message>
    <message>
        <source>Suri Sage</source>
        <translation>スリサゲ</translation>
    </message>
    <message>
        <source>Utsu</source>
        <translation>ウチ</translation>
    </message>
    <message>
        <source>Hajiki</source>
        <translation>ハジキ</translation>
    </message>
    <message>
        <source>Finger I</source>
        <translation>指 I</translation>
    </message>
    <message>
        <source>Finger II</source>
        <translation>指 II</translation>
    </message>
    <message>
        <source>Finger III</source>
        <translation>指 III</translation>
    </message>
    <message>
        <source>Pizzicato/Hajiki</source>
        <translation>ピッツィカート/ハジキ</translation>
    </message>
    <message>
        <source>Invisible Note</source>
        <translation>非表示の音符</translation>
    </message>
    <message>
        <source>Koto 13 Strings</source>
        <translation>十三絃箏</translation>
    </message>
    <message>
        <source>Koto 17 Strings</source>
        <translation>十七絃箏</translation>
    </message>
    <message>
        <source>Koto 20 Strings</source>
        <translation>二十絃箏</translation>
    </message>
    <message>
        <source>Koto 25 Strings</source>
        <translation>二十五絃箏</translation>
    </message>
    <message>
        <source>Koto 25 Strings Low Tunig</source>
        <translation>二十五絃箏 (低い調弦)</translation>
    </message>
    <message>
        <source>Sangen Honchoshi</source>
        <translation>三絃 本調子</translation>
    </message>
    <message>
        <source>Sangen 2Agari</source>
        <translation>三絃 二上り</translation>
    </message>
    <message>
        <source>Sangen 3Sagari</source>
        <translation>三絃 三下り</translation>
    </message>
    <message>
        <source>Inhibit note repeat</source>
        <translation>繰り返し記号を使わない</translation>
    </message>
    <message>
        <source>Long repeat Simile (Select one or two notes)</source>
        <translation>長い繰り返し 同前 (音符を 1 つか 2 つ選択)</translation>
    </message>
    <message>
        <source>Long repeat 1 (Select one or two notes)</source>
        <translation>長い繰り返し 1 (音符を 1 つか 2 つ選択)</translation>
    </message>
    <message>
        <source>Long repeat 2 (Select one or two notes)</source>
        <translation>長い繰り返し 2 (音符を 1 つか 2 つ選択)</translation>
    </message>
    <message>
        <source>Long repeat 3 (Select one or two notes)</source>
        <translation>長い繰り返し 3 (音符を 1 つか 2 つ選択)</translation>
    </message>
    <message>
        <source>Long repeat 4 (Select one or two notes)</source>
        <translation>長い繰り返し 4 (音符を 1 つか 2 つ選択)</translation>
    </message>
    <message>
        <source>Long repeat accel (Select one or two notes)</source>
        <translation>長い繰り返し 次第に速く (音符を 1 つか 2 つ選択)</translation>
    </message>
    <message>
        <source>Long repeat beat1 (Select one or two notes)</source>
        <translation>長い繰り返し 拍 1 (音符を 1 つか 2 つ選択)</translation>
    </message>
    <message>
        <source>Long repeat beat2 (Select one or two notes)</source>
        <translation>長い繰り返し 拍 2 (音符を 1 つか 2 つ選択)</translation>
    </message>
    <message>
        <source>Long step up (Select one or two notes)</source>
        <translation>長い順次上行 (音符を 1 つか 2 つ選択)</translation>
    </message>
    <message>
        <source>Long step down (Select one or two notes)</source>
        <translation>長い順次下行 (音符を 1 つか 2 つ選択)</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Ctrl+Shift+X</source>
        <translation>Ctrl+Shift+X</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation>Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Ctrl+Shift+M</source>
        <translation>Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Ctrl+]</source>
        <translation>Ctrl+]</translation>
    </message>
    <message>
        <source>Ctrl+Shift+]</source>
        <translation>Ctrl+Shift+]</translation>
    </message>
    <message>
        <source>Ctrl+[</source>
        <translation>Ctrl+[</translation>
    </message>
    <message>
        <source>Ctrl+Shift+[</source>
        <translation>Ctrl+Shift+[</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Return</source>
        <translation>Ctrl+Shift+Return</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>Ctrl+F10</source>
        <translation>Ctrl+F10</translation>
    </message>
    <message>
        <source>Ctrl+F9</source>
        <translation>Ctrl+F9</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>MainWindow</translation>
    </message>
    <message>
        <source>Open Sample or Template-</source>
        <translation>Open Sample or Template-</translation>
    </message>
    <message>
        <source>Open Recent-</source>
        <translation>Open Recent-</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Development</translation>
    </message>
    <message>
        <source>Open...-</source>
        <translation>Open...-</translation>
    </message>
    <message>
        <source>Save-</source>
        <translation>Save-</translation>
    </message>
    <message>
        <source>Save As...-</source>
        <translation>Save As...-</translation>
    </message>
    <message>
        <source>Close-</source>
        <translation>Close-</translation>
    </message>
    <message>
        <source>Exit-</source>
        <translation>Exit-</translation>
    </message>
    <message>
        <source>Part...-</source>
        <translation>Part...-</translation>
    </message>
    <message>
        <source>Page Settings...-</source>
        <translation>Page Settings...-</translation>
    </message>
    <message>
        <source>Stretch Item-</source>
        <translation>Stretch Item-</translation>
    </message>
    <message>
        <source>Shorten Item-</source>
        <translation>Shorten Item-</translation>
    </message>
    <message>
        <source>Reset All Measure Sizes-</source>
        <translation>Reset All Measure Sizes-</translation>
    </message>
    <message>
        <source>Zoom In-</source>
        <translation>Zoom In-</translation>
    </message>
    <message>
        <source>Zoom Out-</source>
        <translation>Zoom Out-</translation>
    </message>
    <message>
        <source>Reset Zoom-</source>
        <translation>Reset Zoom-</translation>
    </message>
    <message>
        <source>Insert Line Break-</source>
        <translation>Insert Line Break-</translation>
    </message>
    <message>
        <source>Insert Page Break-</source>
        <translation>Insert Page Break-</translation>
    </message>
    <message>
        <source>Online Help-</source>
        <translation>Online Help-</translation>
    </message>
    <message>
        <source>Navigator-</source>
        <translation>Navigator-</translation>
    </message>
    <message>
        <source>Clear Recent File List-</source>
        <translation>Clear Recent File List-</translation>
    </message>
    <message>
        <source>Outline note fonts and intervals</source>
        <translation>Outline note fonts and intervals</translation>
    </message>
    <message>
        <source>Delete-</source>
        <translation>Delete-</translation>
    </message>
    <message>
        <source>Undo-</source>
        <translation>Undo-</translation>
    </message>
    <message>
        <source>Redo-</source>
        <translation>Redo-</translation>
    </message>
    <message>
        <source>Stylel...-</source>
        <translation>Stylel...-</translation>
    </message>
    <message>
        <source>Debug Switch</source>
        <translation>Debug Switch</translation>
    </message>
    <message>
        <source>List Undo Stack</source>
        <translation>List Undo Stack</translation>
    </message>
    <message>
        <source>Score Info</source>
        <translation>Score Info</translation>
    </message>
    <message>
        <source>Export PDF...-</source>
        <translation>Export PDF...-</translation>
    </message>
    <message>
        <source>Export SVG...-</source>
        <translation>Export SVG...-</translation>
    </message>
    <message>
        <source>Open current folder</source>
        <translation>Open current folder</translation>
    </message>
    <message>
        <source>File property-</source>
        <translation>File property-</translation>
    </message>
    <message>
        <source>Insert White Page Break-</source>
        <translation>Insert White Page Break-</translation>
    </message>
    <message>
        <source>Pallete-</source>
        <translation>Pallete-</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Velmora について</translation>
    </message>
    <message>
        <source>Generate MuseScore Plugin Files</source>
        <translation>MuseScore プラグインファイルを生成</translation>
    </message>
    <message>
        <source>Duplicate-</source>
        <translation>Duplicate-</translation>
    </message>
    <message>
        <source>Close Other Scores  on Left Tabs-</source>
        <translation>Close Other Scores  on Left Tabs-</translation>
    </message>
    <message>
        <source>Layout Controller-</source>
        <translation>Layout Controller-</translation>
    </message>
    <message>
        <source>Import Standard Style...-</source>
        <translation>Import Standard Style...-</translation>
    </message>
    <message>
        <source>Open Log Dialog</source>
        <translation>Open Log Dialog</translation>
    </message>
    <message>
        <source>Save As Original-</source>
        <translation>Save As Original-</translation>
    </message>
    <message>
        <source>Refresh-</source>
        <translation>Refresh-</translation>
    </message>
    <message>
        <source>Import/Export MusicXML...-</source>
        <translation>Import/Export MusicXML...-</translation>
    </message>
    <message>
        <source>Reduce Measures-</source>
        <translation>Reduce Measures-</translation>
    </message>
    <message>
        <source>Alt+-</source>
        <translation>Alt+-</translation>
    </message>
    <message>
        <source>Enlarge Measures-</source>
        <translation>Enlarge Measures-</translation>
    </message>
    <message>
        <source>Alt++</source>
        <translation>Alt++</translation>
    </message>
    <message>
        <source>Change Pitch (from Note Name in Lyric)</source>
        <translation>歌詞の音名から音高を変更</translation>
    </message>
    <message>
        <source>ImportUpdateNew</source>
        <translation>ImportUpdateNew</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Delete Lyrics-</source>
        <translation>Delete Lyrics-</translation>
    </message>
    <message>
        <source>dummy</source>
        <translation>dummy</translation>
    </message>
    <message>
        <source>Switch off auto save mode</source>
        <translation>Switch off auto save mode</translation>
    </message>
    <message>
        <source>Clean Mode-</source>
        <translation>Clean Mode-</translation>
    </message>
    <message>
        <source>Refresh Clean-</source>
        <translation>Refresh Clean-</translation>
    </message>
    <message>
        <source>Run Command File...-</source>
        <translation>Run Command File...-</translation>
    </message>
    <message>
        <source>Go To Measure-</source>
        <translation>Go To Measure-</translation>
    </message>
    <message>
        <source>Stretch by Small Degrees-</source>
        <translation>Stretch by Small Degrees-</translation>
    </message>
    <message>
        <source>Shorten by Small Degrees</source>
        <translation>Shorten by Small Degrees</translation>
    </message>
    <message>
        <source>Output Note Names to Lyrics -</source>
        <translation>Output Note Names to Lyrics -</translation>
    </message>
    <message>
        <source>Insert Staff Notation Part-</source>
        <translation>Insert Staff Notation Part-</translation>
    </message>
    <message>
        <source>Reset Positions of Articulations-</source>
        <translation>Reset Positions of Articulations-</translation>
    </message>
    <message>
        <source>Move Lyrics to Note Positions (Staff Notation)-</source>
        <translation>Move Lyrics to Note Positions (Staff Notation)-</translation>
    </message>
    <message>
        <source>Reset Positions of Lyrics-</source>
        <translation>Reset Positions of Lyrics-</translation>
    </message>
    <message>
        <source>View Samples...-</source>
        <translation>View Samples...-</translation>
    </message>
    <message>
        <source>View Recent...-</source>
        <translation>View Recent...-</translation>
    </message>
    <message>
        <source>Copy Settings-</source>
        <translation>Copy Settings-</translation>
    </message>
    <message>
        <source>Paste Settings-</source>
        <translation>Paste Settings-</translation>
    </message>
    <message>
        <source>Multimeasure Rests-</source>
        <translation>Multimeasure Rests-</translation>
    </message>
    <message>
        <source>Clean Refresh</source>
        <translation>Clean Refresh</translation>
    </message>
    <message>
        <source>Velmora: Save file</source>
        <translation>Velmora: ファイルを保存</translation>
    </message>
    <message>
        <source>Velmora files (*.tnsx)</source>
        <translation>Velmora ファイル (*.tnsx)</translation>
    </message>
    <message>
        <source>Velmora: Export PDF</source>
        <translation>Velmora: PDF を書き出し</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDFファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Velmora: Export SVG</source>
        <translation>Velmora: SVG を書き出し</translation>
    </message>
    <message>
        <source>SVG files (*.svg)</source>
        <translation>SVGファイル (*.svg)</translation>
    </message>
    <message>
        <source>Velmora: Export pure MusicXML file</source>
        <translation>Velmora: 純粋な MusicXML ファイルを書き出し</translation>
    </message>
    <message>
        <source>Music XML files (*.musicxml)</source>
        <translation type="vanished">MusicXMLファイル (*.musicxml)</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>File name: (%1) does not have &apos;_update...&apos; nor &apos;_copy&apos; suffix!</source>
        <translation>ファイル名 (%1) には「_update...」も「_copy」も付いていません！</translation>
    </message>
    <message>
        <source>File: &apos;%1&apos; already exists. Do you want to replace?</source>
        <translation>ファイル「%1」は既にあります。置き換えますか？</translation>
    </message>
    <message>
        <source>Score:
 %1 
is not saved yet. Do you want to save?</source>
        <translation>楽譜:
 %1 
はまだ保存されていません。保存しますか？</translation>
    </message>
    <message>
        <source>Score:
 %1 
is updated. Do you want to save?</source>
        <translation>楽譜:
 %1 
は変更されています。保存しますか？</translation>
    </message>
    <message>
        <source>Do you want to close all scores on the left hand side tabs without saving?</source>
        <translation>左側のタブの楽譜をすべて保存せずに閉じますか？</translation>
    </message>
    <message>
        <source>Do you really want to clear recent file list ?</source>
        <translation>最近使ったファイルの一覧を消去しますか?</translation>
    </message>
    <message>
        <source>Chirashi Zume (Reverse)</source>
        <translation>散らし爪 (逆)</translation>
    </message>
    <message>
        <source>Waren (Reverse)</source>
        <translation>輪連 (逆)</translation>
    </message>
    <message>
        <source>Open Velmora file(*.tnsx).</source>
        <translation>Velmora ファイル(*.tnsx)を開きます。</translation>
    </message>
    <message>
        <source>Open Import/Export MusicXML Dialog.</source>
        <translation>MusicXML のインポート/エクスポートダイアログを開きます。</translation>
    </message>
    <message>
        <source>Save active score to Velmora file(*.tnsx).</source>
        <translation>作業中の楽譜を Velmora ファイル(*.tnsx)に保存します。</translation>
    </message>
    <message>
        <source>Save active score to Velmora file(*.tnsx) with new file name.</source>
        <translation>作業中の楽譜を新しい名前で Velmora ファイル(*.tnsx)に保存します。</translation>
    </message>
    <message>
        <source>Close active score.</source>
        <translation>作業中の楽譜を閉じます。</translation>
    </message>
    <message>
        <source>Open Part dialog for setting part values.</source>
        <translation>パートの設定をするパートダイアログを開きます。</translation>
    </message>
    <message>
        <source>Stretch selected measures a little.</source>
        <translation>選んだ小節を少し広げます。</translation>
    </message>
    <message>
        <source>Shorten selected measures a little.</source>
        <translation>選んだ小節を少し縮めます。</translation>
    </message>
    <message>
        <source>Reset sizes of all measures to a default value.</source>
        <translation>すべての小節の大きさを既定値に戻します。</translation>
    </message>
    <message>
        <source>Insert stage break at the end of selected measure.</source>
        <translation>選んだ小節の後ろで段を改めます。</translation>
    </message>
    <message>
        <source>Insert page break at the end of selected measure.</source>
        <translation>選んだ小節の後ろで改ページします。</translation>
    </message>
    <message>
        <source>Open Style dialog for setting style values.</source>
        <translation>スタイルの設定をするスタイルダイアログを開きます。</translation>
    </message>
    <message>
        <source>Export active score to PDF file.</source>
        <translation>作業中の楽譜を PDF ファイルに書き出します。</translation>
    </message>
    <message>
        <source>Export active score to SVG file.</source>
        <translation>作業中の楽譜を SVG ファイルに書き出します。</translation>
    </message>
    <message>
        <source>Show file properties of active score.</source>
        <translation>作業中の楽譜のファイル情報を表示します。</translation>
    </message>
    <message>
        <source>Insert white page after selected measure.</source>
        <translation>選んだ小節の後ろに白紙のページを入れます。</translation>
    </message>
    <message>
        <source>Show pallete (which lists note directives).</source>
        <translation>パレット(音符の指示の一覧)を表示します。</translation>
    </message>
    <message>
        <source>Generate plugin files for MuseScore.</source>
        <translation>MuseScore 用のプラグインファイルを生成します。</translation>
    </message>
    <message>
        <source>Create copy of active score.</source>
        <translation>作業中の楽譜の複製を作ります。</translation>
    </message>
    <message>
        <source>Clear list of recently opened files.</source>
        <translation>最近開いたファイルの一覧を消去します。</translation>
    </message>
    <message>
        <source>Stop Velmora and Exit.</source>
        <translation>Velmora を終了します。</translation>
    </message>
    <message>
        <source>Open Measure/Page Dialog.</source>
        <translation>小節/ページダイアログを開きます。</translation>
    </message>
    <message>
        <source>Zooming in a little.</source>
        <translation>少し拡大します。</translation>
    </message>
    <message>
        <source>Zoomin out a little.</source>
        <translation>少し縮小します。</translation>
    </message>
    <message>
        <source>Reset zooming rate.</source>
        <translation>表示倍率を元に戻します。</translation>
    </message>
    <message>
        <source>Show Navigator Window.</source>
        <translation>ナビゲーターを表示します。</translation>
    </message>
    <message>
        <source>Undo last operation.</source>
        <translation>直前の操作を取り消します。</translation>
    </message>
    <message>
        <source>Redo undone operation.</source>
        <translation>取り消した操作をやり直します。</translation>
    </message>
    <message>
        <source>Delete selected elements.</source>
        <translation>選んだ要素を削除します。</translation>
    </message>
    <message>
        <source>Close all scores on the left hand side of current active score.</source>
        <translation>作業中の楽譜より左のタブの楽譜をすべて閉じます。</translation>
    </message>
    <message>
        <source>Open Layout Controller Panel.</source>
        <translation>レイアウトコントローラーを開きます。</translation>
    </message>
    <message>
        <source>Generate Note Names and Pithes from data at lyrics (for Koto and Sangen)</source>
        <translation>歌詞のデータから音名と音高を作ります (箏・三絃用)</translation>
    </message>
    <message>
        <source>Delete Lyrics.</source>
        <translation>歌詞を削除します。</translation>
    </message>
    <message>
        <source>Output Note Names to Lyrics.</source>
        <translation>音名を歌詞に書き出します。</translation>
    </message>
    <message>
        <source>Refresh display.</source>
        <translation>表示を更新します。</translation>
    </message>
    <message>
        <source>Save As Original File Name (without &apos;_udate..&apos; or &apos;_copy..&apos;).</source>
        <translation>元のファイル名 (&apos;_udate..&apos; や &apos;_copy..&apos; を除いた名前) で保存します。</translation>
    </message>
    <message>
        <source>Refresh clean score (equivalent to PDF export).</source>
        <translation>編集用の表示を除いて楽譜を更新します (PDF 書き出しと同じ)。</translation>
    </message>
    <message>
        <source>This command will use Part dialog&apos;s output settings.
Press Ok to continue.</source>
        <translation>このコマンドはパートダイアログの出力設定を使います。
続けるにはOKを押してください。</translation>
    </message>
    <message>
        <source>Velmora: Export MusicXML With Lyrics</source>
        <translation>Velmora: 歌詞付き MusicXML を書き出し</translation>
    </message>
    <message>
        <source>MusicXml files (*.xml *.musicxml *.mxl)</source>
        <translation>MusicXMLファイル (*.xml *.musicxml *.mxl)</translation>
    </message>
    <message>
        <source>Imported MusicXML file was created by [%1] which is not tested by Velmora. Please remake the musicxml file using MuseScore!</source>
        <translation>インポートしたMusicXMLファイルは[%1]で作成されています。VelmoraではMuseScore以外は検証していません。MuseScoreでMusicXMLファイルを作り直してください！</translation>
    </message>
    <message>
        <source>Velmora: Import MusicXML file</source>
        <translation>Velmora: MusicXML ファイルの読み込み</translation>
    </message>
    <message>
        <source>Koto Scale</source>
        <translation>箏の調弦</translation>
    </message>
    <message>
        <source>Sangen/Shamisen Tuning</source>
        <translation>三絃/三味線の調弦</translation>
    </message>
    <message>
        <source>Select the numer of strings of Koto for Part: %1</source>
        <translation>パート%1の箏の弦の数を選んでください</translation>
    </message>
    <message>
        <source>Select a tuning method for Part %1</source>
        <translation>パート%1の調弦を選んでください</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Go To Measure</source>
        <translation>小節へ移動</translation>
    </message>
    <message>
        <source>Measure Number:</source>
        <translation>小節番号：</translation>
    </message>
    <message>
        <source>Select base chord note!</source>
        <translation>和音の基音を選択してください！</translation>
    </message>
    <message>
        <source>Long repeats cannot be nested!</source>
        <translation>長い反復は入れ子にできません！</translation>
    </message>
    <message>
        <source>Velmora: Paste Settings</source>
        <translation>Velmora: 設定の貼り付け</translation>
    </message>
    <message>
        <source>No Settings copied yet!</source>
        <translation>まだ設定がコピーされていません！</translation>
    </message>
    <message>
        <source>Paste Settings Parts is Done!</source>
        <translation>パートの設定を貼り付けました！</translation>
    </message>
    <message>
        <source>Paste Settings MeasurePage is Done!</source>
        <translation>小節/ページの設定を貼り付けました！</translation>
    </message>
    <message>
        <source>Paste Settings Style is Done!</source>
        <translation>スタイルの設定を貼り付けました！</translation>
    </message>
    <message>
        <source>Paste Settings All is Done!</source>
        <translation>すべての設定を貼り付けました！</translation>
    </message>
    <message>
        <source>No score is open!</source>
        <translation>楽譜が開かれていません!</translation>
    </message>
    <message>
        <source>%1 elements (measures and/or title texts) were updated.</source>
        <translation>%1 個の要素(小節やタイトル文字)を更新しました。</translation>
    </message>
    <message>
        <source>Velmora: Import Update MusicXML file</source>
        <translation>Velmora: 更新用の MusicXML ファイルの読み込み</translation>
    </message>
    <message>
        <source>Number of parts are different! (%1 vs %2) 
Parts with the same part number should correspond each other.
Do you really want to import?</source>
        <translation>パートの数が違います! (%1 対 %2) 
同じ番号のパート同士が対応するものとして扱われます。
本当に読み込みますか?</translation>
    </message>
    <message>
        <source>Number of measures are different! (%1 vs %2) 
Measures with the same measure number should correspond each other.
Do you really want to import?</source>
        <translation>小節の数が違います! (%1 対 %2) 
同じ番号の小節同士が対応するものとして扱われます。
本当に読み込みますか?</translation>
    </message>
    <message>
        <source>Velmora: Run Command file</source>
        <translation>Velmora: コマンドファイルを実行</translation>
    </message>
    <message>
        <source>Velmora command files (*.txt)</source>
        <translation>Velmora コマンドファイル (*.txt)</translation>
    </message>
    <message>
        <source>Can&apos;t read file (%1)!:
%2.</source>
        <translation>ファイルを読み込めません (%1)!:
%2。</translation>
    </message>
    <message>
        <source>Sorry, this file was too old. Please import the MusicXML file.</source>
        <translation>申し訳ありません。このファイルは古すぎます。MusicXML ファイルをインポートしてください。</translation>
    </message>
    <message>
        <source>Velmora: Open Velmora file</source>
        <translation>Velmora: Velmora ファイルを開く</translation>
    </message>
    <message>
        <source>Setup MuseScore plugins</source>
        <translation>MuseScore プラグインの設定</translation>
    </message>
    <message>
        <source>Plugin folder %1 does not exist.

If MuseScore has not been installed yet, install it and retry.

If installed already, check MuseScore&apos;s plugin folder path (name)
by &apos;Preferences&apos; &gt; &apos;General&apos; &gt; &apos;Folder&apos; &gt; &apos;Plugin Folder&apos; on MuseScore.</source>
        <translation>プラグインフォルダー %1 がありません。

MuseScore をまだインストールしていない場合は、インストールしてから再度お試しください。

インストール済みの場合は、MuseScore の「環境設定」 &gt; 「一般」 &gt; 「フォルダー」 &gt; 「プラグイン」で
プラグインフォルダーのパス (名前) を確認してください。</translation>
    </message>
    <message>
        <source>Can&apos;t write file (%1)!:
%2.</source>
        <translation>ファイルに書き込めません (%1)!:
%2。</translation>
    </message>
    <message>
        <source>Setup MuseScore plugin</source>
        <translation>MuseScore プラグインの設定</translation>
    </message>
    <message>
        <source>Plugin files successfully generated.
Please activate following two plugins (if not yet activated) 
on MuseScore (using Plugin Manager)!

Import MusicXML from Velmora
Export MusiXML to Velmora</source>
        <translation>プラグインファイルを生成しました。
MuseScore のプラグインマネージャーで次の二つのプラグインを
有効にしてください (まだ有効でない場合)。

Import MusicXML from Velmora
Export MusiXML to Velmora</translation>
    </message>
    <message>
        <source>Duplicate Part</source>
        <translation>パートの複製</translation>
    </message>
    <message>
        <source>Part Number:</source>
        <translation>パート番号:</translation>
    </message>
    <message>
        <source>Can&apos;t import file (%1): it does not exist.</source>
        <translation>ファイル (%1) を読み込めません: ファイルがありません。</translation>
    </message>
    <message>
        <source>Can&apos;t import file (%1): it is not a MusicXML file (.musicxml or .xml).</source>
        <translation>ファイル (%1) を読み込めません: MusicXML ファイル (.musicxml または .xml) ではありません。</translation>
    </message>
    <message>
        <source>Can&apos;t open file (%1): Velmora opens score files (.tnsx) and MusicXML files (.musicxml, .xml).</source>
        <translation>ファイル (%1) を開けません: Velmora が開けるのはスコアファイル (.tnsx) と MusicXML ファイル (.musicxml, .xml) です。</translation>
    </message>
    <message>
        <source>MusicXML files (*.musicxml *.xml)</source>
        <translation>MusicXMLファイル (*.musicxml *.xml)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The file %1 has changed on disk since this window opened or last saved it: another window or program has saved it.

Replace it with the score of this window? What the other saved would be lost.</source>
        <translation>ファイル %1 は、このウィンドウで開くか最後に保存した後にディスク上で変更されています。別のウィンドウかプログラムが保存しました。

このウィンドウのスコアで置き換えますか? 相手が保存した内容は失われます。</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>The file %1 already exists, and this window has not opened or saved it.

Replace it with the score of this window?</source>
        <translation>ファイル %1 は既に存在し、このウィンドウで開いたことも保存したこともありません。

このウィンドウのスコアで置き換えますか?</translation>
    </message>
    <message>
        <source>The file %1 is no longer there: it was deleted or moved since this window opened or last saved it.

Save the score there again?</source>
        <translation>ファイル %1 がありません。このウィンドウで開くか最後に保存した後に、削除または移動されました。

そこにもう一度保存しますか?</translation>
    </message>
    <message>
        <source>%1 is no longer the score&apos;s file: a folder or another kind of entry has taken its place, so the score can&apos;t be saved there.

Save it under another name?</source>
        <translation>%1 はもうスコアのファイルではありません。フォルダなど別の項目に置き換わったため、そこには保存できません。

別の名前で保存しますか?</translation>
    </message>
    <message>
        <source>%1 is also open in another Velmora that is running.

Each window keeps its own changes: a save here asks before it replaces what was saved there.</source>
        <translation>%1 は、実行中の別の Velmora でも開かれています。

それぞれのウィンドウは自分の変更を保持します。ここで保存するときは、向こうで保存された内容を置き換える前に確認します。</translation>
    </message>
</context>
<context>
    <name>NoteNameDialog</name>
    <message>
        <source>Dialog</source>
        <translation>音名</translation>
    </message>
    <message>
        <source>Select Note Name</source>
        <translation>音名を選択</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Change Note Name</source>
        <translation>音名を変更</translation>
    </message>
    <message>
        <source>This command will use Part dialog&apos;s output settings.
Press Ok to continue.</source>
        <translation type="vanished">このコマンドはパートダイアログの出力設定を使います。
続けるにはOKを押してください。</translation>
    </message>
    <message>
        <source>Velmora: Export MusicXML With Lyrics</source>
        <translation type="vanished">Velmora: 歌詞付き MusicXML を書き出し</translation>
    </message>
    <message>
        <source>MusicXml files (*.xml *.musicxml *.mxl)</source>
        <translation type="vanished">MusicXMLファイル (*.xml *.musicxml *.mxl)</translation>
    </message>
    <message>
        <source>Imported MusicXML file was created by [%1] which is not tested by Velmora. Please remake the musicxml file using MuseScore!</source>
        <translation type="vanished">インポートしたMusicXMLファイルは[%1]で作成されています。VelmoraではMuseScore以外は検証していません。MuseScoreでMusicXMLファイルを作り直してください！</translation>
    </message>
    <message>
        <source>Velmora: Import MusicXML file</source>
        <translation type="vanished">Velmora: MusicXML ファイルの読み込み</translation>
    </message>
    <message>
        <source>Koto Scale</source>
        <translation type="vanished">箏の調弦</translation>
    </message>
    <message>
        <source>Sangen/Shamisen Tuning</source>
        <translation type="vanished">三絃/三味線の調弦</translation>
    </message>
    <message>
        <source>Select the numer of strings of Koto for Part: %1</source>
        <translation type="vanished">パート%1の箏の弦の数を選んでください</translation>
    </message>
    <message>
        <source>Select a tuning method for Part %1</source>
        <translation type="vanished">パート%1の調弦を選んでください</translation>
    </message>
    <message>
        <source>Velmora: Change Note Name</source>
        <translation>Velmora: 音名を変更</translation>
    </message>
</context>
<context>
    <name>PageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Set Default Values</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Tab 1</source>
        <translation>Tab 1</translation>
    </message>
    <message>
        <source>Measure Direction-</source>
        <translation>Measure Direction-</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横書き</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>縦書き</translation>
    </message>
    <message>
        <source>Lyrics for Vertical-</source>
        <translation>Lyrics for Vertical-</translation>
    </message>
    <message>
        <source>Rotate (English)-</source>
        <translation>Rotate (English)-</translation>
    </message>
    <message>
        <source>Vertical Writing (Japanese)-</source>
        <translation>Vertical Writing (Japanese)-</translation>
    </message>
    <message>
        <source>Display Part Name</source>
        <translation>パート名を表示</translation>
    </message>
    <message>
        <source>Part Name</source>
        <translation>パート名</translation>
    </message>
    <message>
        <source>Only 1st stage</source>
        <translation>Only 1st stage</translation>
    </message>
    <message>
        <source>Part Abbreviation</source>
        <translation>Part Abbreviation</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Measure Number</source>
        <translation>小節番号</translation>
    </message>
    <message>
        <source>All Parts-</source>
        <translation>All Parts-</translation>
    </message>
    <message>
        <source>First Part Only-</source>
        <translation>First Part Only-</translation>
    </message>
    <message>
        <source>Bar Line</source>
        <translation>小節線</translation>
    </message>
    <message>
        <source>Staff Notation Mode-</source>
        <translation>Staff Notation Mode-</translation>
    </message>
    <message>
        <source>Measure Style and Width-</source>
        <translation>Measure Style and Width-</translation>
    </message>
    <message>
        <source>Grid-</source>
        <translation>Grid-</translation>
    </message>
    <message>
        <source>Outline-</source>
        <translation>Outline-</translation>
    </message>
    <message>
        <source>Width(%)-</source>
        <translation>Width(%)-</translation>
    </message>
    <message>
        <source>Banded-</source>
        <translation>Banded-</translation>
    </message>
    <message>
        <source>Clearance  (mm)</source>
        <translation>Clearance  (mm)</translation>
    </message>
    <message>
        <source>Part Width Rate</source>
        <translation>Part Width Rate</translation>
    </message>
    <message>
        <source>Expand Last Page</source>
        <translation>最終ページを伸ばす</translation>
    </message>
    <message>
        <source>StageBracket-</source>
        <translation>StageBracket-</translation>
    </message>
    <message>
        <source>Stage Bracket Mark (if multi parts)-</source>
        <translation>Stage Bracket Mark (if multi parts)-</translation>
    </message>
    <message>
        <source>Number of Measures / Line</source>
        <translation>Number of Measures / Line</translation>
    </message>
    <message>
        <source>Fixed Number</source>
        <translation>Fixed Number</translation>
    </message>
    <message>
        <source>Equal Lengths</source>
        <translation>等しい長さ</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Time Pro</source>
        <translation>Time Pro</translation>
    </message>
    <message>
        <source>Measure Scale Rate</source>
        <translation>Measure Scale Rate</translation>
    </message>
    <message>
        <source>Expand Last Stage</source>
        <translation>最終段を伸ばす</translation>
    </message>
    <message>
        <source>Tab 2</source>
        <translation>Tab 2</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>用紙</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>ユーザー定義サイズ</translation>
    </message>
    <message>
        <source>Y(mm)</source>
        <translation>Y (mm)</translation>
    </message>
    <message>
        <source>X(mm)</source>
        <translation>X (mm)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>向き</translation>
    </message>
    <message>
        <source>Portrait     </source>
        <translation>Portrait     </translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横長</translation>
    </message>
    <message>
        <source>Header Area </source>
        <translation>Header Area </translation>
    </message>
    <message>
        <source>First Page Top-</source>
        <translation>First Page Top-</translation>
    </message>
    <message>
        <source>Header Area Width (mm)</source>
        <translation>ヘッダー領域の幅 (mm)</translation>
    </message>
    <message>
        <source>Bottom Pad (mm)</source>
        <translation>下の余白 (mm)</translation>
    </message>
    <message>
        <source>Draw Header Area Outline</source>
        <translation>ヘッダー領域の枠を描く</translation>
    </message>
    <message>
        <source>Line Width of Outline</source>
        <translation>Line Width of Outline</translation>
    </message>
    <message>
        <source>First Stage Top-</source>
        <translation>First Stage Top-</translation>
    </message>
    <message>
        <source>Header Area Size-</source>
        <translation>Header Area Size-</translation>
    </message>
    <message>
        <source>Cover Page (Inserted)-</source>
        <translation>Cover Page (Inserted)-</translation>
    </message>
    <message>
        <source>Page Margins (mm)</source>
        <translation>ページ余白 (mm)</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>ページ番号</translation>
    </message>
    <message>
        <source>Text-</source>
        <translation>Text-</translation>
    </message>
    <message>
        <source>Display Page Numbers</source>
        <translation>ページ番号を表示</translation>
    </message>
    <message>
        <source>Start Number</source>
        <translation>開始番号</translation>
    </message>
    <message>
        <source>Multipage Output Format</source>
        <translation>複数ページの出力形式</translation>
    </message>
    <message>
        <source>Separate</source>
        <translation>ページごと</translation>
    </message>
    <message>
        <source>Combined</source>
        <translation>一続き</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>ユーザー定義</translation>
    </message>
    <message>
        <source>A3 Landscape (A4 Portrait x 2)</source>
        <translation>A3 横 (A4 縦 x 2)</translation>
    </message>
    <message>
        <source>B4 Landscape (B5 Portrait x 2)</source>
        <translation>B4 横 (B5 縦 x 2)</translation>
    </message>
    <message>
        <source>JIS B4 Landscape (JIS B5 Portrait x 2)</source>
        <translation>JIS B4 横 (JIS B5 縦 x 2)</translation>
    </message>
    <message>
        <source>Velmora: Page Settings</source>
        <translation>Velmora: ページ設定</translation>
    </message>
    <message>
        <source>Velmora: Measure/Page Settings</source>
        <translation>Velmora: 小節・ページ設定</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>小節</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦長</translation>
    </message>
    <message>
        <source>Time Proportional</source>
        <translation>時間に比例</translation>
    </message>
    <message>
        <source>Insert Cover Page</source>
        <translation>表紙を挿入</translation>
    </message>
    <message>
        <source>First Page Top</source>
        <translation>最初のページの上部</translation>
    </message>
    <message>
        <source>First Stage Top</source>
        <translation>最初の段の上部</translation>
    </message>
    <message>
        <source>Header Area</source>
        <translation>ヘッダー領域</translation>
    </message>
    <message>
        <source>Line Width of Outline (mm)</source>
        <translation>枠の線幅 (mm)</translation>
    </message>
    <message>
        <source>Header Area Size (mm)</source>
        <translation>ヘッダー領域のサイズ (mm)</translation>
    </message>
    <message>
        <source>Page Text</source>
        <translation>ページの文字</translation>
    </message>
    <message>
        <source>Stage Bracket</source>
        <translation>段の括弧</translation>
    </message>
    <message>
        <source>Display Stage Bracket (if multi parts)</source>
        <translation>段の括弧を表示 (複数パートのとき)</translation>
    </message>
    <message>
        <source>Measure Direction</source>
        <translation>小節の方向</translation>
    </message>
    <message>
        <source>Lyrics for Vertical</source>
        <translation>縦書きの歌詞</translation>
    </message>
    <message>
        <source>Rotate 90º (English,..)</source>
        <translation>90° 回転 (英語など)</translation>
    </message>
    <message>
        <source>Vertical Writing (Japanese,..)</source>
        <translation>縦書き (日本語など)</translation>
    </message>
    <message>
        <source>Measure Style and Width</source>
        <translation>小節の様式と幅</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>格子</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>外枠</translation>
    </message>
    <message>
        <source>Outline Width(%)</source>
        <translation>外枠の幅 (%)</translation>
    </message>
    <message>
        <source>Banded</source>
        <translation>帯</translation>
    </message>
    <message>
        <source>Part Width (rate)</source>
        <translation>パートの幅 (倍率)</translation>
    </message>
    <message>
        <source>Space between Stages (mm)</source>
        <translation>段の間隔 (mm)</translation>
    </message>
    <message>
        <source>Number of Measures per Stage</source>
        <translation>1段の小節数</translation>
    </message>
    <message>
        <source>Fixed Number per Stage</source>
        <translation>1段に固定数</translation>
    </message>
    <message>
        <source>Measure Scale</source>
        <translation>小節の倍率</translation>
    </message>
    <message>
        <source>Part Names</source>
        <translation>パート名</translation>
    </message>
    <message>
        <source>Display Part Abbreviation Name</source>
        <translation>パート名の略称を表示</translation>
    </message>
    <message>
        <source>Diplay only 1st Stage</source>
        <translation>最初の段だけ表示</translation>
    </message>
    <message>
        <source>Display Measure Number/Bar Line/Time Signature</source>
        <translation>小節番号・小節線・拍子記号の表示</translation>
    </message>
    <message>
        <source>Staff Notation Mode</source>
        <translation>五線譜の形式</translation>
    </message>
    <message>
        <source>Time Signature</source>
        <translation>拍子記号</translation>
    </message>
    <message>
        <source>First Part Only</source>
        <translation>最初のパートだけ</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Dialog</source>
        <translation>パートの設定</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Part List</source>
        <translation>パート一覧</translation>
    </message>
    <message>
        <source>Part Name</source>
        <translation>パート名</translation>
    </message>
    <message>
        <source>Part Abbeviation</source>
        <translation>パート名の略称</translation>
    </message>
    <message>
        <source>Style, Font, and Key</source>
        <translation>記譜法・フォント・調</translation>
    </message>
    <message>
        <source>Notation Style</source>
        <translation>記譜法</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>フォント名</translation>
    </message>
    <message>
        <source>Font Size (Rate)</source>
        <translation>フォントサイズ (倍率)</translation>
    </message>
    <message>
        <source>Part Width (Rate)</source>
        <translation>パートの幅 (倍率)</translation>
    </message>
    <message>
        <source>Position Shift (Rate)-</source>
        <translation>Position Shift (Rate)-</translation>
    </message>
    <message>
        <source>Key of Instrument</source>
        <translation>楽器の調</translation>
    </message>
    <message>
        <source>Set to All Parts-</source>
        <translation>Set to All Parts-</translation>
    </message>
    <message>
        <source>Alinment and Size Values-</source>
        <translation>Alinment and Size Values-</translation>
    </message>
    <message>
        <source>Align Notes in Time-</source>
        <translation>Align Notes in Time-</translation>
    </message>
    <message>
        <source>Align-</source>
        <translation>Align-</translation>
    </message>
    <message>
        <source>Note widths-</source>
        <translation>Note widths-</translation>
    </message>
    <message>
        <source>Note duration</source>
        <translation>音価</translation>
    </message>
    <message>
        <source>Note width</source>
        <translation>音符の幅</translation>
    </message>
    <message>
        <source>Whole &amp; longer</source>
        <translation>全音符以上</translation>
    </message>
    <message>
        <source>Half</source>
        <translation>2分音符</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>4分音符</translation>
    </message>
    <message>
        <source>Eigth</source>
        <translation>8分音符</translation>
    </message>
    <message>
        <source>16th</source>
        <translation>16分音符</translation>
    </message>
    <message>
        <source>32th &amp; shorter</source>
        <translation>32分音符以下</translation>
    </message>
    <message>
        <source>Note Interval-</source>
        <translation>Note Interval-</translation>
    </message>
    <message>
        <source>Note interval </source>
        <translation>音符の間隔</translation>
    </message>
    <message>
        <source>Output Control</source>
        <translation>出力の制御</translation>
    </message>
    <message>
        <source>Part-</source>
        <translation>Part-</translation>
    </message>
    <message>
        <source>Whole Rest Line-</source>
        <translation>Whole Rest Line-</translation>
    </message>
    <message>
        <source>Note-</source>
        <translation>Note-</translation>
    </message>
    <message>
        <source>Slurs-</source>
        <translation>Slurs-</translation>
    </message>
    <message>
        <source>Rests-</source>
        <translation>Rests-</translation>
    </message>
    <message>
        <source>Lyrics-</source>
        <translation>Lyrics-</translation>
    </message>
    <message>
        <source>Staff Note-</source>
        <translation>Staff Note-</translation>
    </message>
    <message>
        <source>RestNote-</source>
        <translation>RestNote-</translation>
    </message>
    <message>
        <source>Octave Inst-</source>
        <translation>Octave Inst-</translation>
    </message>
    <message>
        <source>Breath Mark-</source>
        <translation>Breath Mark-</translation>
    </message>
    <message>
        <source>Tremolo Line-</source>
        <translation>Tremolo Line-</translation>
    </message>
    <message>
        <source>ExtensionBarDot-</source>
        <translation>ExtensionBarDot-</translation>
    </message>
    <message>
        <source>Tie Stop Note-</source>
        <translation>Tie Stop Note-</translation>
    </message>
    <message>
        <source>Beams</source>
        <translation>連桁</translation>
    </message>
    <message>
        <source>In Reverse Order of chord-</source>
        <translation>In Reverse Order of chord-</translation>
    </message>
    <message>
        <source>Lyric No-</source>
        <translation>Lyric No-</translation>
    </message>
    <message>
        <source>Lyrics Font-</source>
        <translation>Lyrics Font-</translation>
    </message>
    <message>
        <source>Font Property</source>
        <translation>フォントのプロパティ</translation>
    </message>
    <message>
        <source>Draw Boundary Lines &amp; Time Ticks</source>
        <translation>境界線と目盛りを描く</translation>
    </message>
    <message>
        <source>Right (Top) Line</source>
        <translation>右 (上) の線</translation>
    </message>
    <message>
        <source>Left (Bottom) Line</source>
        <translation>左 (下) の線</translation>
    </message>
    <message>
        <source>Time Ticks</source>
        <translation>目盛り</translation>
    </message>
    <message>
        <source>Time Ticks  (16th)</source>
        <translation>目盛り (16分)</translation>
    </message>
    <message>
        <source>Set Default Values</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>More</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Shakuhachi_Kinko_Simple</source>
        <translation>尺八 琴古流 (簡易)</translation>
    </message>
    <message>
        <source>Shakuhachi_Kinko</source>
        <translation>尺八 琴古流</translation>
    </message>
    <message>
        <source>Shakuhachi_Tozan_Simple</source>
        <translation>尺八 都山流 (簡易)</translation>
    </message>
    <message>
        <source>Shakuhachi_Tozan</source>
        <translation>尺八 都山流</translation>
    </message>
    <message>
        <source>Shinobue</source>
        <translation>篠笛</translation>
    </message>
    <message>
        <source>Koto_Ikuta</source>
        <translation>箏 生田流</translation>
    </message>
    <message>
        <source>Koto_Seiha</source>
        <translation>箏 正派</translation>
    </message>
    <message>
        <source>Sangen_Ikuta</source>
        <translation>三絃 生田流</translation>
    </message>
    <message>
        <source>Sangen_Yamada</source>
        <translation>三絃 山田流</translation>
    </message>
    <message>
        <source>Shamisen_Bunka</source>
        <translation>三味線 文化譜</translation>
    </message>
    <message>
        <source>Doremi</source>
        <translation>ドレミ</translation>
    </message>
    <message>
        <source>Percussion</source>
        <translation>打楽器</translation>
    </message>
    <message>
        <source>Staff_Notation</source>
        <translation>五線譜</translation>
    </message>
    <message>
        <source>Flauto Traverso</source>
        <translation>フラウト・トラヴェルソ</translation>
    </message>
    <message>
        <source>Staff_Notaton</source>
        <translation>五線譜</translation>
    </message>
    <message>
        <source>+12</source>
        <translation>+12</translation>
    </message>
    <message>
        <source>+11</source>
        <translation>+11</translation>
    </message>
    <message>
        <source>+10</source>
        <translation>+10</translation>
    </message>
    <message>
        <source>+9</source>
        <translation>+9</translation>
    </message>
    <message>
        <source>+8</source>
        <translation>+8</translation>
    </message>
    <message>
        <source>+7</source>
        <translation>+7</translation>
    </message>
    <message>
        <source>+6</source>
        <translation>+6</translation>
    </message>
    <message>
        <source>+5 | G  1.3 Shaku</source>
        <translation>+5 | G  1尺3寸</translation>
    </message>
    <message>
        <source>+4 | F# 1.4 Shaku | E 12 Hon</source>
        <translation>+4 | F# 1尺4寸 | E 12本</translation>
    </message>
    <message>
        <source>+3 | F  1.5 Shaku | Eb 11 Pon</source>
        <translation>+3 | F  1尺5寸 | Eb 11本</translation>
    </message>
    <message>
        <source>+2 | E  1.6 Shaku | D 10 Pon</source>
        <translation>+2 | E  1尺6寸 | D 10本</translation>
    </message>
    <message>
        <source>+1 | Eb 1.7 Shaku | Db 9 Hon</source>
        <translation>+1 | Eb 1尺7寸 | Db 9本</translation>
    </message>
    <message>
        <source> 0 | D  1.8 Shaku | C  8 Hon</source>
        <translation> 0 | D  1尺8寸 | C  8本</translation>
    </message>
    <message>
        <source>-1 | Db 1.9 Shaku | B  7 Hon</source>
        <translation>-1 | Db 1尺9寸 | B  7本</translation>
    </message>
    <message>
        <source>-2 | C  2.0 Shaku | Bb 6 Pon</source>
        <translation>-2 | C  2尺 | Bb 6本</translation>
    </message>
    <message>
        <source>-3 | B  2.1 Shaku | A  5 Hon</source>
        <translation>-3 | B  2尺1寸 | A  5本</translation>
    </message>
    <message>
        <source>-4 | Bb 2.2 Shaku | Ab 4 Hon</source>
        <translation>-4 | Bb 2尺2寸 | Ab 4本</translation>
    </message>
    <message>
        <source>-5 | A  2.4 Shaku | G 3 Bon</source>
        <translation>-5 | A  2尺4寸 | G 3本</translation>
    </message>
    <message>
        <source>-6 | Ab 2.5 Shaku | Gb 2 Hon</source>
        <translation>-6 | Ab 2尺5寸 | Gb 2本</translation>
    </message>
    <message>
        <source>-7 | G  2.7 Shaku | F 1 Pon</source>
        <translation>-7 | G  2尺7寸 | F 1本</translation>
    </message>
    <message>
        <source>-8 | Gb 2.9 Shaku</source>
        <translation>-8 | Gb 2尺9寸</translation>
    </message>
    <message>
        <source>-9 | F  3.2 Shaku</source>
        <translation>-9 | F  3尺2寸</translation>
    </message>
    <message>
        <source>-10</source>
        <translation>-10</translation>
    </message>
    <message>
        <source>-11</source>
        <translation>-11</translation>
    </message>
    <message>
        <source>-12</source>
        <translation>-12</translation>
    </message>
    <message>
        <source>At least one part must be output!</source>
        <translation>少なくとも 1 つのパートを出力してください。</translation>
    </message>
    <message>
        <source>Velmora: Part Settings</source>
        <translation>Velmora: パートの設定</translation>
    </message>
    <message>
        <source>Select a part from Part List and set a Notation Style and etc. </source>
        <translation>パート一覧でパートを選び、記譜法などを設定してください。</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>フォントサイズ</translation>
    </message>
    <message>
        <source>Part Width</source>
        <translation>パートの幅</translation>
    </message>
    <message>
        <source>Part Shift</source>
        <translation>パートの位置調整</translation>
    </message>
    <message>
        <source>Draw Part Boundary Lines and Hands</source>
        <translation>パートの境界線と目盛りを描く</translation>
    </message>
    <message>
        <source>Right (or Top)</source>
        <translation>右 (または上)</translation>
    </message>
    <message>
        <source>Left (or Bottom)</source>
        <translation>左 (または下)</translation>
    </message>
    <message>
        <source>Long and Short Hands</source>
        <translation>長短の目盛り</translation>
    </message>
    <message>
        <source>Very Short Hands (16th)</source>
        <translation>最短の目盛り (16分)</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>パート</translation>
    </message>
    <message>
        <source>Whole Rest Line</source>
        <translation>全休符の線</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>音符</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>歌詞</translation>
    </message>
    <message>
        <source>Whole Rests</source>
        <translation>全休符</translation>
    </message>
    <message>
        <source>Slurs</source>
        <translation>スラー</translation>
    </message>
    <message>
        <source>Note Names to Lyrics</source>
        <translation>音名を歌詞に</translation>
    </message>
    <message>
        <source>Tie Stop Note</source>
        <translation>タイの終わりの音符</translation>
    </message>
    <message>
        <source>Reverse Order (Chord Notes)</source>
        <translation>逆順 (和音の音符)</translation>
    </message>
    <message>
        <source>Start Lyric Number</source>
        <translation>最初の歌詞番号</translation>
    </message>
    <message>
        <source>Kan/Otsu (Shakuhachi)</source>
        <translation>甲・乙 (尺八)</translation>
    </message>
    <message>
        <source>Breath Mark</source>
        <translation>息継ぎ記号</translation>
    </message>
    <message>
        <source>Tremolo Line</source>
        <translation>トレモロの線</translation>
    </message>
    <message>
        <source>Extension Bar/Dot</source>
        <translation>延ばしの棒・点</translation>
    </message>
    <message>
        <source>Rest Note</source>
        <translation>休符</translation>
    </message>
    <message>
        <source>Alignment and Note Sizes</source>
        <translation>揃えと音符の大きさ</translation>
    </message>
    <message>
        <source>Align Parts in Time</source>
        <translation>パートを時間で揃える</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>揃える</translation>
    </message>
    <message>
        <source>Note Durations and Note Widths</source>
        <translation>音価と音符の幅</translation>
    </message>
    <message>
        <source>Note Duration</source>
        <translation>音価</translation>
    </message>
    <message>
        <source>Whole and Longer</source>
        <translation>全音符以上</translation>
    </message>
    <message>
        <source>Note Width</source>
        <translation>音符の幅</translation>
    </message>
    <message>
        <source>32th and Shorter</source>
        <translation>32分音符以下</translation>
    </message>
    <message>
        <source>Note Intervals</source>
        <translation>音符の間隔</translation>
    </message>
    <message>
        <source>Ratio to Note Width</source>
        <translation>音符の幅に対する比</translation>
    </message>
    <message>
        <source>Set to All Parts</source>
        <translation>すべてのパートに設定</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>&quot;%1&quot; is not a file name: type a name with letters or digits.</source>
        <translation>「%1」はファイル名になりません。文字か数字を含む名前を入力してください。</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Filename refers to a directory</source>
        <translation>ファイル名がフォルダーを指しています</translation>
    </message>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>既存のファイル %1 は書き込みできません</translation>
    </message>
</context>
<context>
    <name>ScaleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Set From Template...</source>
        <translation>テンプレートから設定...</translation>
    </message>
    <message>
        <source>Set From Scale File</source>
        <translation>音階ファイルから設定</translation>
    </message>
    <message>
        <source>Copy Previous Scale</source>
        <translation>前の音階をコピー</translation>
    </message>
    <message>
        <source>No of Strings: </source>
        <translation>弦の数: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>数</translation>
    </message>
    <message>
        <source>String Number -- Pitch</source>
        <translation>弦番号 -- 音高</translation>
    </message>
    <message>
        <source>Clear Selection-</source>
        <translation>選択解除-</translation>
    </message>
    <message>
        <source>UpOct-</source>
        <translation>1オクターブ上-</translation>
    </message>
    <message>
        <source>Up4th-</source>
        <translation>4度上-</translation>
    </message>
    <message>
        <source>Up-</source>
        <translation>上-</translation>
    </message>
    <message>
        <source>Down-</source>
        <translation>下-</translation>
    </message>
    <message>
        <source>Down4th-</source>
        <translation>4度下-</translation>
    </message>
    <message>
        <source>DownOct-</source>
        <translation>1オクターブ下-</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>More</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>移調</translation>
    </message>
    <message>
        <source>Undo-</source>
        <translation>取り消し-</translation>
    </message>
    <message>
        <source>Interval-</source>
        <translation>音程-</translation>
    </message>
    <message>
        <source>Scale Name-</source>
        <translation>音階名-</translation>
    </message>
    <message>
        <source>GroupBox</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Directive Text</source>
        <translation>指示テキスト</translation>
    </message>
    <message>
        <source>-12/Octave</source>
        <translation>-12/オクターブ</translation>
    </message>
    <message>
        <source>-11</source>
        <translation>-11</translation>
    </message>
    <message>
        <source>-10</source>
        <translation>-10</translation>
    </message>
    <message>
        <source>-9/Major Sixth</source>
        <translation>-9/長6度</translation>
    </message>
    <message>
        <source>-8</source>
        <translation>-8</translation>
    </message>
    <message>
        <source>-7/Perfect Fifth</source>
        <translation>-7/完全5度</translation>
    </message>
    <message>
        <source>-6</source>
        <translation>-6</translation>
    </message>
    <message>
        <source>-5/Perfect Fourth</source>
        <translation>-5/完全4度</translation>
    </message>
    <message>
        <source>-4/Major Third</source>
        <translation>-4/長3度</translation>
    </message>
    <message>
        <source>-3/Minor Third</source>
        <translation>-3/短3度</translation>
    </message>
    <message>
        <source>-2</source>
        <translation>-2</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>0/Perfect Unison</source>
        <translation>0/完全1度</translation>
    </message>
    <message>
        <source>+1</source>
        <translation>+1</translation>
    </message>
    <message>
        <source>+2</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>+3/Minor Third</source>
        <translation>+3/短3度</translation>
    </message>
    <message>
        <source>+4/Major Third</source>
        <translation>+4/長3度</translation>
    </message>
    <message>
        <source>+5/Perfect Fourth</source>
        <translation>+5/完全4度</translation>
    </message>
    <message>
        <source>+6</source>
        <translation>+6</translation>
    </message>
    <message>
        <source>+7/Perfect Fifth</source>
        <translation>+7/完全5度</translation>
    </message>
    <message>
        <source>+8</source>
        <translation>+8</translation>
    </message>
    <message>
        <source>+9/Major Sixth</source>
        <translation>+9/長6度</translation>
    </message>
    <message>
        <source>+10</source>
        <translation>+10</translation>
    </message>
    <message>
        <source>+11</source>
        <translation>+11</translation>
    </message>
    <message>
        <source>+12/Octave</source>
        <translation>+12/オクターブ</translation>
    </message>
    <message>
        <source>Edit Scale</source>
        <translation>音階の編集</translation>
    </message>
    <message>
        <source>Select Scale from Templates</source>
        <translation>テンプレートから音階を選択</translation>
    </message>
    <message>
        <source>Read Scale from File</source>
        <translation>ファイルから音階を読み込む</translation>
    </message>
    <message>
        <source>Copy Preceding Scale</source>
        <translation>前の音階をコピー</translation>
    </message>
    <message>
        <source>Number of Scale Notes: </source>
        <translation>音階の音数: </translation>
    </message>
    <message>
        <source>Note Number - Note Pitch</source>
        <translation>音番号 - 音高</translation>
    </message>
    <message>
        <source>Clear Selection</source>
        <translation>選択解除</translation>
    </message>
    <message>
        <source>⇑ (Oct)</source>
        <translation>⇑ (オクターブ)</translation>
    </message>
    <message>
        <source>↑ (4th)</source>
        <translation>↑ (4度)</translation>
    </message>
    <message>
        <source>⇡ (half)</source>
        <translation>⇡ (半音)</translation>
    </message>
    <message>
        <source>⇣ (half)</source>
        <translation>⇣ (半音)</translation>
    </message>
    <message>
        <source>↓ (4th)</source>
        <translation>↓ (4度)</translation>
    </message>
    <message>
        <source>⇓ (Oct)</source>
        <translation>⇓ (オクターブ)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>取り消し</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>音程</translation>
    </message>
    <message>
        <source>Copy this Scale to Buffer</source>
        <translation>この音階をバッファにコピー</translation>
    </message>
    <message>
        <source>Paste Scale in Buffer to this Scale</source>
        <translation>バッファの音階をこの音階に貼り付け</translation>
    </message>
    <message>
        <source>Scale Name</source>
        <translation>音階名</translation>
    </message>
    <message>
        <source>Select a scale note in the list and change pitch.</source>
        <translation>リストで音階の音を選び、音高を変更してください。</translation>
    </message>
    <message>
        <source>Error:
Pasted scale data:
[ %1 ]
 is not a valid scale data!</source>
        <translation>エラー:
貼り付けた音階データ:
[ %1 ]
 は有効な音階データではありません！</translation>
    </message>
    <message>
        <source>Error!
Pasted scale data:
[ %1 ]
 has a different number of scale notes: %2 vs %3 !</source>
        <translation>エラー！
貼り付けた音階データ:
[ %1 ]
 は音階の音数が異なります: %2 対 %3 ！</translation>
    </message>
    <message>
        <source>There is no previous scale.</source>
        <translation>前の音階がありません。</translation>
    </message>
    <message>
        <source>Velmora: Import MusicXML file for scale</source>
        <translation>Velmora: 音階用の MusicXML ファイルを読み込む</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>Number of scale notes are not the same! (%1 vs %2) 
</source>
        <translation>音階の音数が一致しません！ (%1 対 %2) 
</translation>
    </message>
    <message>
        <source>Scale file cannot be opened!</source>
        <translation>音階ファイルを開けません！</translation>
    </message>
    <message>
        <source>Input Scale From File</source>
        <translation>ファイルから音階を入力</translation>
    </message>
    <message>
        <source>File Path: %1
Select scale name:</source>
        <translation>ファイルパス: %1
音階名を選択:</translation>
    </message>
    <message>
        <source>MusicXml files (*.xml *.musicxml)</source>
        <translation>MusicXml ファイル (*.xml *.musicxml)</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>Change Fitting</source>
        <translation>割付けを切り替え</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Font Property</source>
        <translation>フォントのプロパティ</translation>
    </message>
    <message>
        <source>Reset Position</source>
        <translation>位置をリセット</translation>
    </message>
    <message>
        <source>Set Font</source>
        <translation>フォントを設定</translation>
    </message>
    <message>
        <source>Default Font</source>
        <translation>既定のフォント</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横向き</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>縦向き</translation>
    </message>
    <message>
        <source>VerticalWriting</source>
        <translation>縦書き</translation>
    </message>
    <message>
        <source>Default Direction</source>
        <translation>既定の向き</translation>
    </message>
    <message>
        <source>Align Horizontally</source>
        <translation>横に揃える</translation>
    </message>
    <message>
        <source>Align Vertically</source>
        <translation>縦に揃える</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Invisible</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>Slur Curve Controller...</source>
        <translation>スラーカーブ調整...</translation>
    </message>
    <message>
        <source>Invert Slur</source>
        <translation>スラーを反転</translation>
    </message>
    <message>
        <source>Change Otsu to &quot;</source>
        <translation>乙を &quot; に変更</translation>
    </message>
    <message>
        <source>Change &quot; to Otsu</source>
        <translation>&quot; を乙に変更</translation>
    </message>
    <message>
        <source>Reset Scale</source>
        <translation>拡大率をリセット</translation>
    </message>
    <message>
        <source>Change Note Name</source>
        <translation>音名を変更</translation>
    </message>
    <message>
        <source>Reset Note Shift</source>
        <translation>音符のずれをリセット</translation>
    </message>
    <message>
        <source>Invert Tie</source>
        <translation>タイを反転</translation>
    </message>
    <message>
        <source>Edit Scale</source>
        <translation>音階を編集</translation>
    </message>
    <message>
        <source>Enter Transpose Step</source>
        <translation>移調の半音数を入力</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>The tuning {%1} has a pitch outside %2 to %3 (MIDI 0 to 127). The notes from here on have no names.</source>
        <translation>調弦 {%1} に %2 ～ %3 (MIDI 0 ～ 127) の範囲外の音があります。ここから先の音符には音名が付きません。</translation>
    </message>
    <message>
        <source>Scale Name must be &quot;%1&quot; or  &quot;%2&quot;.</source>
        <translation>音階名は &quot;%1&quot; または &quot;%2&quot; にしてください。</translation>
    </message>
    <message>
        <source>Can&apos;t read file (%1)!:
%2.</source>
        <translation>ファイルを読み込めません (%1)!:
%2。</translation>
    </message>
    <message>
        <source>the SVG generator could not start</source>
        <translation>SVG の書き出しを開始できませんでした</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>PDF の書き出しを開始できませんでした</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>%1 MB を超えています</translation>
    </message>
    <message>
        <source>File Path: %1&lt;br&gt;&lt;br&gt;Created by Velmora Version: %2&lt;br&gt;&lt;br&gt;Last Updated On: %3</source>
        <translation>ファイルのパス: %1&lt;br&gt;&lt;br&gt;作成した Velmora のバージョン: %2&lt;br&gt;&lt;br&gt;最終更新日時: %3</translation>
    </message>
    <message>
        <source>Can&apos;t write file (%1)!:
%2.</source>
        <translation>ファイルに書き込めません (%1)!:
%2。</translation>
    </message>
    <message>
        <source>The file is not XML (%1).</source>
        <translation>このファイルは XML ではありません (%1)。</translation>
    </message>
    <message>
        <source>Its elements are nested deeper than %1 levels (%2).</source>
        <translation>要素の入れ子が %1 段を超えています (%2)。</translation>
    </message>
    <message>
        <source>It holds more than %1 XML elements (the next one at %2): a score this long would not fit in memory. Please split it into shorter scores.</source>
        <translation type="vanished">XML 要素が %1 個を超えています (次の要素は %2)。これほど長い楽譜はメモリーに収まりません。短い楽譜に分けてください。</translation>
    </message>
    <message>
        <source>It is a timewise MusicXML document (score-timewise). Only partwise MusicXML (score-partwise) can be read; please export the score as partwise MusicXML.</source>
        <translation>タイムワイズ形式の MusicXML 文書 (score-timewise) です。読み込めるのはパートワイズ形式の MusicXML (score-partwise) だけです。楽譜をパートワイズ形式の MusicXML で書き出してください。</translation>
    </message>
    <message>
        <source>It holds no XML element.</source>
        <translation>XML 要素がひとつもありません。</translation>
    </message>
    <message>
        <source>It is not a MusicXML score: its root element is &lt;%1&gt;, not &lt;score-partwise&gt;.</source>
        <translation>MusicXML の楽譜ではありません。ルート要素が &lt;score-partwise&gt; ではなく &lt;%1&gt; です。</translation>
    </message>
    <message>
        <source>Its part list names %1 parts, but it holds the music of only %2.</source>
        <translation type="vanished">パートリストには %1 パートがありますが、音符のあるパートは %2 だけです。</translation>
    </message>
    <message>
        <source>Part %1 holds a &lt;%2&gt; element at line %3, column %4, where only measures may stand.</source>
        <translation>パート %1 の %3 行 %4 列に &lt;%2&gt; 要素があります。ここには小節しか置けません。</translation>
    </message>
    <message>
        <source>Part %1 has %2 measures, but the first part has %3.</source>
        <translation>パート %1 は %2 小節ですが、最初のパートは %3 小節です。</translation>
    </message>
    <message>
        <source>Can&apos;t load the score.</source>
        <translation>楽譜を読み込めません。</translation>
    </message>
    <message>
        <source>Can&apos;t load the score (%1).</source>
        <translation>楽譜を読み込めません (%1)。</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; at line %2, column %3</source>
        <translation>%2 行 %3 列の &lt;%1&gt;</translation>
    </message>
    <message>
        <source>%1 goes back %2 divisions; no backup may go back more than %3.</source>
        <translation>%1 は %2 ディビジョン戻っています。backup で戻れるのは %3 までです。</translation>
    </message>
    <message>
        <source>%1 lasts %2 divisions; no note or forward may last longer than %3 whole notes (%4 divisions).</source>
        <translation>%1 の長さは %2 ディビジョンです。音符や forward の長さは全音符 %3 個分 (%4 ディビジョン) までです。</translation>
    </message>
    <message>
        <source>Measure %1 of part %2 lasts %3 divisions; no measure may last longer than %4 whole notes (%5 divisions).</source>
        <translation>パート %2 の第 %1 小節の長さは %3 ディビジョンです。小節の長さは全音符 %4 個分 (%5 ディビジョン) までです。</translation>
    </message>
    <message>
        <source>Staff number exceeded the maximum. Staff Number %1 (Maximum Staff Number %2)</source>
        <translation>譜表番号が上限を超えました。譜表番号 %1 (上限 %2)</translation>
    </message>
    <message>
        <source>Voice number exceeded the maximum. (Voice Number %1)! (Maximum Voice %2)</source>
        <translation>声部番号が上限を超えました。(声部番号 %1)! (上限 %2)</translation>
    </message>
    <message>
        <source>Staff number exceeded the maximum. (Staff Number %1)! (Maximum Staff Number %2)</source>
        <translation>譜表番号が上限を超えました。(譜表番号 %1)! (上限 %2)</translation>
    </message>
    <message>
        <source>Produced by Velmora version %1 on %2.</source>
        <translation>Velmora バージョン %1 で %2 に作成。</translation>
    </message>
    <message>
        <source>Vertical Writing</source>
        <translation>縦書き</translation>
    </message>
    <message>
        <source>Horizontally</source>
        <translation>横に</translation>
    </message>
    <message>
        <source>Vertically</source>
        <translation>縦に</translation>
    </message>
    <message>
        <source>Enter Transpose Steps</source>
        <translation>移調の半音数を入力</translation>
    </message>
    <message>
        <source>Select the lowest note of chord notes.</source>
        <translation>和音のいちばん低い音を選んでください。</translation>
    </message>
    <message>
        <source>Select a voice 1 note.</source>
        <translation>声部 1 の音符を選んでください。</translation>
    </message>
    <message>
        <source>This note already has a scale.</source>
        <translation>この音符にはすでに音階があります。</translation>
    </message>
    <message>
        <source>Select the voice 1 note.</source>
        <translation>声部 1 の音符を選んでください。</translation>
    </message>
    <message>
        <source>This note already has a NoPrev.</source>
        <translation>この音符にはすでに NoPrev があります。</translation>
    </message>
    <message>
        <source>Edit scale for part: %1.
Select a scale note in the list and change pitch.</source>
        <translation>パート %1 の音階を編集します。
一覧で音階の音を選び、音高を変えてください。</translation>
    </message>
    <message>
        <source>Add Long Repeat 1</source>
        <translation>長い繰り返し 1 を追加</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>揃える</translation>
    </message>
    <message>
        <source>Change Break Fitting</source>
        <translation type="vanished">区切りの割付けを切り替え</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>向き</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Inhibit Note Repeat</source>
        <translation>繰り返し記号を使わない</translation>
    </message>
    <message>
        <source>Set Visibility</source>
        <translation>表示/非表示</translation>
    </message>
    <message>
        <source>Can&apos;t Import Update: Numbers of parts are not the same: %1 vs %2.</source>
        <translation>更新をインポートできません: パート数が一致しません: %1 対 %2。</translation>
    </message>
    <message>
        <source>Numbers of measures of the original and the new scores are not the same: %1 v.s. %2.

Do you really want to import?</source>
        <translation>元の楽譜と新しい楽譜の小節数が一致しません: %1 対 %2。

本当にインポートしますか？</translation>
    </message>
    <message>
        <source>an SVG export needs a file name, not only a folder</source>
        <translation>SVG の書き出しにはフォルダーだけでなくファイル名が必要です</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) longer than %1 characters cut to that length, the first at %2.</source>
        <translation>
            <numerusform>%1 文字を超えるテキスト %n 個をその長さで切りました（最初は %2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds more than %1 XML elements, long texts counted by their length (the next one at %2): a score this long would not fit in memory. Please split it into shorter scores.</source>
        <translation type="vanished">XML 要素が %1 個を超えています（長いテキストはその長さで数えます。次は %2）。これほど長い楽譜はメモリーに収まりません。短い楽譜に分けてください。</translation>
    </message>
    <message>
        <source>%1 has a negative duration (%2 divisions); no note or forward may last less than 0 divisions.</source>
        <translation>%1 の長さが負です（%2 divisions）。音符や forward の長さは 0 divisions 未満にできません。</translation>
    </message>
    <message>
        <source>Its layout would cost more than %1 XML elements do: %2 elements, %3 measures and %4 time steps (one per sixty-fourth note of each measure). A score this long would not fit in memory. Please split it into shorter scores.</source>
        <translation type="vanished">レイアウトに XML 要素 %1 個分を超える量が必要です：要素 %2 個、小節 %3 個、時間の刻み %4 個（各小節の 64 分音符ごとに 1 つ）。これほど長い楽譜はメモリーに収まりません。短い楽譜に分けてください。</translation>
    </message>
    <message>
        <source>it is compressed MusicXML (.mxl), which Velmora does not read: export it from MuseScore as uncompressed MusicXML (.musicxml)</source>
        <translation>圧縮された MusicXML (.mxl) で、Velmora では読めません: MuseScore から非圧縮の MusicXML (.musicxml) として書き出してください</translation>
    </message>
    <message>
        <source>Measure %1 needs more room than its line has: narrowed with the others of its line.
</source>
        <translation>小節 %1 は段に収まる長さより広い場所を要します。段の他の小節とともに縮めました。
</translation>
    </message>
    <message>
        <source>It is too large to lay out. Measures: %L1, parts: %L2, notes: %L3, lyrics and marks: %L4, time steps: %L5 (one per sixty-fourth note of each measure). Laying it out would need about %L6 MB of memory.</source>
        <translation>大きすぎてレイアウトできません。小節 %L1、パート %L2、音符 %L3、歌詞と記号 %L4、時間刻み %L5（各小節の 64 分音符ごとに 1 つ）。レイアウトには約 %L6 MB のメモリーが必要です。</translation>
    </message>
    <message>
        <source>It is too large to read: it counts as %L1 XML elements (a measure or a note as several, a long text by its length), and reading it would need about %L2 MB of memory.</source>
        <translation>大きすぎて読み込めません。XML 要素 %L1 個に相当し（小節と音符は複数個、長いテキストはその長さで数えます）、読み込みには約 %L2 MB のメモリーが必要です。</translation>
    </message>
    <message>
        <source>The limit is %L1 MB, set by the environment variable %2.</source>
        <translation>上限は %L1 MB で、環境変数 %2 で設定されています。</translation>
    </message>
    <message>
        <source>The limit is %L1 MB, half of this computer&apos;s memory.</source>
        <translation>上限は %L1 MB で、このコンピューターのメモリーの半分です。</translation>
    </message>
    <message>
        <source>The limit is %L1 MB, the least Velmora allows.</source>
        <translation>上限は %L1 MB で、Velmora の最小値です。</translation>
    </message>
    <message>
        <source>To raise it, set %1 to a larger number of megabytes and start Velmora again, or split the score into shorter scores.</source>
        <translation>上限を上げるには、%1 にもっと大きなメガバイト数を設定して Velmora を起動し直すか、楽譜を短い楽譜に分けてください。</translation>
    </message>
    <message>
        <source>The score (%1) was loaded only to draw its pages and no longer holds its document.
It can&apos;t be saved, exported as MusicXML or changed: open the file again to do that.</source>
        <translation>スコア (%1) はページを描くためだけに読み込まれ、文書をもう保持していません。
保存、MusicXML のエクスポート、編集はできません。行うにはファイルを開き直してください。</translation>
    </message>
    <message>
        <source>Measure %1 is too short for its syllables even when they are drawn small on two lines: %2 of them left out.
</source>
        <translation>小節 %1 は歌詞の音節に対して短すぎ、小さく2段に書いても収まりません: %2 個の音節を省きました。
</translation>
    </message>
    <message>
        <source>Measure %1 is too short for its syllables: drawn smaller, on two lines.
</source>
        <translation>小節 %1 は歌詞の音節に対して短すぎます: 小さく2段に書きました。
</translation>
    </message>
    <message>
        <source>Measure %1 is too short for its syllables: drawn smaller.
</source>
        <translation>小節 %1 は歌詞の音節に対して短すぎます: 小さく書きました。
</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a whole number of megabytes above zero and is ignored.</source>
        <translation>%1=&quot;%2&quot; は 0 より大きいメガバイトの整数ではないため、無視されます。</translation>
    </message>
    <message>
        <source>%1=%2 is more than the %L3 MB this computer and the process&apos;s limits allow and is ignored.</source>
        <translation>%1=%2 はこのコンピューターとプロセスの制限が許す %L3 MB を超えているため、無視されます。</translation>
    </message>
    <message>
        <source>The limit is %L1 MB, half of the memory this computer&apos;s container allows (%L2 MB).</source>
        <translation>上限は %L1 MB で、このコンピューターのコンテナーが許すメモリー(%L2 MB)の半分です。</translation>
    </message>
    <message>
        <source>The limit is %L1 MB, what the process&apos;s address-space limit (ulimit -v, %L2 MB) leaves.</source>
        <translation>上限は %L1 MB で、プロセスのアドレス空間の制限(ulimit -v、%L2 MB)から残る分です。</translation>
    </message>
    <message>
        <source>To raise it, run Velmora with a larger limit, or split the score into shorter scores.</source>
        <translation>上限を上げるには、より大きな制限で Velmora を実行するか、楽譜を短い楽譜に分けてください。</translation>
    </message>
    <message>
        <source>it is this score&apos;s own file</source>
        <translation>このスコア自身のファイルです</translation>
    </message>
    <message>
        <source>the name is that of a score file (.tnsx)</source>
        <translation>スコアファイル (.tnsx) の名前です</translation>
    </message>
    <message>
        <source>it holds a score</source>
        <translation>スコアが入っています</translation>
    </message>
    <message>
        <source>Can&apos;t export to (%1)!:
%2, and an export never replaces a score. Choose another name.</source>
        <translation>(%1) にエクスポートできません!:
%2。エクスポートでスコアを置き換えることはありません。別の名前を選んでください。</translation>
    </message>
</context>
<context>
    <name>XmlFileText</name>
    <message>
        <source>parts of the file are UTF-8 and parts of it another encoding: save it again in one encoding (UTF-8)</source>
        <translation>ファイルの一部は UTF-8、一部は別のエンコーディングです。1 つのエンコーディング (UTF-8) で保存し直してください</translation>
    </message>
    <message>
        <source>the file is probably %1: save it as UTF-8, or name its encoding in its first line (&lt;?xml version=&quot;1.0&quot; encoding=&quot;%1&quot;?&gt;)</source>
        <translation>ファイルはおそらく %1 です。UTF-8 で保存し直すか、1 行目でエンコーディングを指定してください (&lt;?xml version=&quot;1.0&quot; encoding=&quot;%1&quot;?&gt;)</translation>
    </message>
    <message>
        <source>%1: the byte 0x%2 is not valid UTF-8; %3</source>
        <translation>%1: バイト 0x%2 は UTF-8 として正しくありません。%3</translation>
    </message>
    <message>
        <source>%1: the file is not valid %2, the encoding its first bytes announce</source>
        <translation>%1: ファイルは先頭のバイトが示すエンコーディング %2 として正しくありません</translation>
    </message>
    <message>
        <source>%1: the file declares the encoding %2, but its bytes are written one or more to a character (%3): correct the declaration to encoding=&quot;%4&quot;</source>
        <translation>%1: ファイルはエンコーディング %2 を宣言していますが、バイトは 1 文字につき 1 バイト以上で書かれています (%3)。宣言を encoding=&quot;%4&quot; に直してください</translation>
    </message>
    <message>
        <source>mixed encodings</source>
        <translation>複数のエンコーディングの混在</translation>
    </message>
    <message>
        <source>%1: the bytes are not valid %2, the encoding the file declares; %3</source>
        <translation>%1: バイトはファイルが宣言するエンコーディング %2 として正しくありません。%3</translation>
    </message>
    <message>
        <source>a byte there is damaged</source>
        <translation>その位置のバイトが壊れています</translation>
    </message>
</context>
</TS>
