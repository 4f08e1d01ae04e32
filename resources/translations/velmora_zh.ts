<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AllocationGuard</name>
    <message>
        <source>The last action</source>
        <translation>上一个操作</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>%1 failed: this computer did not give Velmora the memory it needed. The action was stopped; the other open scores are as they were. Close scores you do not need, or split a long score into shorter ones, and try again.</source>
        <translation>%1 失败:这台计算机没有给 Velmora 所需的内存。该操作已停止;其他打开的乐谱保持原样。请关闭不需要的乐谱,或把长乐谱拆分为较短的乐谱,然后重试。</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>message-</source>
        <translation>消息-</translation>
    </message>
    <message>
        <source>copyright-</source>
        <translation>版权-</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>关于 Velmora</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Version %1  (Built on %2 ) (Latest Version)&lt;hr&gt;Please refer to %3 for detail.&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;h3&gt;Velmora 版本 %1  (构建于 %2 ) (最新版本)&lt;hr&gt;详情请参阅 %3。&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Latest Version %1 of Velmora is now available!&lt;br&gt;Please download from %4 page.&lt;hr&gt;You are using:&lt;br&gt;Velmora Version %2  (Built on %3 )&lt;hr&gt;Please refer to %5 for detail.&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;h3&gt;Velmora 最新版本 %1 现已发布！&lt;br&gt;请从 %4 页面下载。&lt;hr&gt;您正在使用:&lt;br&gt;Velmora 版本 %2  (构建于 %3 )&lt;hr&gt;详情请参阅 %5。&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmora Version %1  (Built on %2 )&lt;hr&gt;Please refer to %3 for detail.&lt;br&gt;&lt;br&gt;</source>
        <translation>&lt;h3&gt;Velmora 版本 %1  (构建于 %2 )&lt;hr&gt;详情请参阅 %3。&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; 2026 corvali &amp;mdash; &lt;a href=&quot;%1&quot;&gt;Velmora home page&lt;/a&gt;&lt;br&gt;&lt;/h3&gt;</source>
        <translation>Copyright &amp;copy; 2026 corvali &amp;mdash; &lt;a href=&quot;%1&quot;&gt;Velmora 主页&lt;/a&gt;&lt;br&gt;&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Velmora Handbook</source>
        <translation>Velmora 手册</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
</context>
<context>
    <name>DialogController</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Measure Direction-</source>
        <translation>小节方向</translation>
    </message>
    <message>
        <source>Horizontal-</source>
        <translation>横向</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>纵向</translation>
    </message>
    <message>
        <source>Measure Style &amp; </source>
        <translation>小节样式</translation>
    </message>
    <message>
        <source>Banded-</source>
        <translation>带状</translation>
    </message>
    <message>
        <source>Grid-</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>Measures Layout-</source>
        <translation>小节布局</translation>
    </message>
    <message>
        <source>Automatic-</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Fixed Num-</source>
        <translation>固定数</translation>
    </message>
    <message>
        <source>Time Proportional-</source>
        <translation>按时间比例</translation>
    </message>
    <message>
        <source>Equal Len-</source>
        <translation>等长</translation>
    </message>
    <message>
        <source>Part Width-</source>
        <translation>声部宽度</translation>
    </message>
    <message>
        <source>Wider-</source>
        <translation>加宽</translation>
    </message>
    <message>
        <source>Narrower-</source>
        <translation>变窄</translation>
    </message>
    <message>
        <source>Space between Stages-</source>
        <translation>行间距</translation>
    </message>
    <message>
        <source>Measures/Stage-</source>
        <translation>小节/行</translation>
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
        <translation>声部间距</translation>
    </message>
    <message>
        <source>Gap between Chord Notes-</source>
        <translation>和弦音符间距</translation>
    </message>
    <message>
        <source>Maximum Chord Width-</source>
        <translation>和弦最大宽度</translation>
    </message>
    <message>
        <source>Measure Length-</source>
        <translation>小节长度</translation>
    </message>
    <message>
        <source>Longer-</source>
        <translation>加长</translation>
    </message>
    <message>
        <source>Shorter-</source>
        <translation>缩短</translation>
    </message>
    <message>
        <source>Time Tick Length</source>
        <translation>时间刻度长度</translation>
    </message>
    <message>
        <source>&gt; Size</source>
        <translation>&gt; 大小</translation>
    </message>
    <message>
        <source>Time &lt;</source>
        <translation>时间 &lt;</translation>
    </message>
    <message>
        <source>Note Font Size-</source>
        <translation>音符字体大小</translation>
    </message>
    <message>
        <source>Larger-</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Smaller-</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Note Position Offset-</source>
        <translation>音符位置偏移</translation>
    </message>
    <message>
        <source>Fitting</source>
        <translation>适配</translation>
    </message>
    <message>
        <source>Last Page-</source>
        <translation>最后一页</translation>
    </message>
    <message>
        <source>Last Stage-</source>
        <translation>最后一行</translation>
    </message>
    <message>
        <source>Header Width-</source>
        <translation>页眉宽度</translation>
    </message>
    <message>
        <source>Close-</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Velmora: Layout Controller</source>
        <translation>Velmora: 布局控制器</translation>
    </message>
    <message>
        <source>Part Width</source>
        <translation>声部宽度</translation>
    </message>
    <message>
        <source>Wider</source>
        <translation>加宽</translation>
    </message>
    <message>
        <source>Narrower</source>
        <translation>变窄</translation>
    </message>
    <message>
        <source>Space Between Stages</source>
        <translation>行间距</translation>
    </message>
    <message>
        <source>Gap between Chord Notes</source>
        <translation>和弦音符间距</translation>
    </message>
    <message>
        <source>Gap between Voices</source>
        <translation>声部间距</translation>
    </message>
    <message>
        <source>Max Chord Width</source>
        <translation>和弦最大宽度</translation>
    </message>
    <message>
        <source>Measures Per Stage</source>
        <translation>每行小节数</translation>
    </message>
    <message>
        <source>Measure Length</source>
        <translation>小节长度</translation>
    </message>
    <message>
        <source>Longer</source>
        <translation>加长</translation>
    </message>
    <message>
        <source>Shorter</source>
        <translation>缩短</translation>
    </message>
    <message>
        <source>Note Font Size</source>
        <translation>音符字体大小</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Note Position Offset</source>
        <translation>音符位置偏移</translation>
    </message>
    <message>
        <source>Measure Direction</source>
        <translation>小节方向</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横向</translation>
    </message>
    <message>
        <source>Measure Style</source>
        <translation>小节样式</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>Banded</source>
        <translation>带状</translation>
    </message>
    <message>
        <source>Measures Layout</source>
        <translation>小节布局</translation>
    </message>
    <message>
        <source>Fixed Number / Stage</source>
        <translation>每行固定数</translation>
    </message>
    <message>
        <source>Equal Length</source>
        <translation>等长</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Time Proportional</source>
        <translation>按时间比例</translation>
    </message>
    <message>
        <source>Last Stage</source>
        <translation>最后一行</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>最后一页</translation>
    </message>
    <message>
        <source>Uniformity in Note Size vs Time Length</source>
        <translation>音符大小与时值长度的均匀度</translation>
    </message>
    <message>
        <source>More Uniform in Time</source>
        <translation>时间更均匀</translation>
    </message>
    <message>
        <source>More Uniform in Size</source>
        <translation>大小更均匀</translation>
    </message>
    <message>
        <source>Header Area Width</source>
        <translation>页眉区域宽度</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>DialogConvertNoteName</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Enter Part number and Lyric number-</source>
        <translation>输入声部编号和歌词编号-</translation>
    </message>
    <message>
        <source>All Parts-</source>
        <translation>所有声部-</translation>
    </message>
    <message>
        <source>Part Number-</source>
        <translation>声部编号-</translation>
    </message>
    <message>
        <source>Lyric Number-</source>
        <translation>歌词编号-</translation>
    </message>
    <message>
        <source>Delete Lyrics-</source>
        <translation>删除歌词-</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Velmora: Change Pitch</source>
        <translation>Velmora: 更改音高</translation>
    </message>
    <message>
        <source>Enter Part Number and Lyric Number.</source>
        <translation>请输入声部编号和歌词编号。</translation>
    </message>
    <message>
        <source>All Parts</source>
        <translation>所有声部</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>声部编号</translation>
    </message>
    <message>
        <source>Lyric Number (0:All)</source>
        <translation>歌词编号 (0:全部)</translation>
    </message>
    <message>
        <source>Delete Lyrics</source>
        <translation>删除歌词</translation>
    </message>
</context>
<context>
    <name>DialogDeleteLyrics</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Enter Part number and Lyric number-</source>
        <translation>输入声部编号和歌词编号-</translation>
    </message>
    <message>
        <source>Part Number-</source>
        <translation>声部编号-</translation>
    </message>
    <message>
        <source>Lyric Number-</source>
        <translation>歌词编号-</translation>
    </message>
    <message>
        <source>Velmora: Delete Lyrics</source>
        <translation>Velmora: 删除歌词</translation>
    </message>
    <message>
        <source>Enter Part Number and Lyric Number.</source>
        <translation>请输入声部编号和歌词编号。</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>声部编号</translation>
    </message>
    <message>
        <source>Lyric Number (0:All)</source>
        <translation>歌词编号 (0:全部)</translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
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
        <translation>Velmora: 导入/导出 MusicXML</translation>
    </message>
    <message>
        <source>Import MusicXML</source>
        <translation>导入 MusicXML</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>MuseScore</source>
        <translation>MuseScore</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>New (with defaut settings)</source>
        <translation>新建（默认设置）</translation>
    </message>
    <message>
        <source>Imitate (with active score&apos;s settings)</source>
        <translation>仿照（当前乐谱的设置）</translation>
    </message>
    <message>
        <source>Update (replacing active score)</source>
        <translation>更新（替换当前乐谱）</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export MusicXML</source>
        <translation>导出 MusicXML</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>With Note Names in Lyrics</source>
        <translation>将音名写入歌词</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>DialogLog</name>
    <message>
        <source>Dialog</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>DialogMSPlugin</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>文本标签</translation>
    </message>
    <message>
        <source>Select MuseScore Version-</source>
        <translation>选择 MuseScore 版本-</translation>
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
        <translation>生成插件-</translation>
    </message>
    <message>
        <source>LabelMSPluginFolder</source>
        <translation>MuseScore 插件文件夹</translation>
    </message>
    <message>
        <source>aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa</source>
        <translation>aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa</translation>
    </message>
    <message>
        <source>Change Folder-</source>
        <translation>更改文件夹-</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Generate MuseScore 3 Plugins</source>
        <translation>生成 MuseScore 3 插件</translation>
    </message>
    <message>
        <source>Caution!: Plugin for MuseScore 4 is not supported.</source>
        <translation>注意: 不支持 MuseScore 4 的插件。</translation>
    </message>
    <message>
        <source>Select the MuseScore Version (2 or 3)</source>
        <translation>选择 MuseScore 版本 (2 或 3)</translation>
    </message>
    <message>
        <source>Try Generating Plugins</source>
        <translation>生成插件</translation>
    </message>
    <message>
        <source>If unsuccesful (the plugin folder is not found), check the plugin folder on MuseScore
by &apos;Preferences&apos; command &gt; &apos;General&apos; tab &gt; &apos;Folders&apos; &gt; &apos;Plugin&apos;.
and change the folder to point to the correct one, then retry.</source>
        <translation>如果失败 (找不到插件文件夹)，请在 MuseScore 中
通过“首选项”命令 &gt; “常规”选项卡 &gt; “文件夹” &gt; “插件”查看插件文件夹，
将文件夹改为正确的位置后重试。</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>更改文件夹</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>DialogMoveLyricsSN</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Enter Part number and Lyric number-</source>
        <translation>输入声部编号和歌词编号-</translation>
    </message>
    <message>
        <source>Part Number-</source>
        <translation>声部编号-</translation>
    </message>
    <message>
        <source>Lyric Number-</source>
        <translation>歌词编号-</translation>
    </message>
    <message>
        <source>Relative Position to Note-</source>
        <translation>相对于音符的位置-</translation>
    </message>
    <message>
        <source>CLose to Note-</source>
        <translation>靠近音符-</translation>
    </message>
    <message>
        <source>Above Note-</source>
        <translation>音符上方-</translation>
    </message>
    <message>
        <source>Below Note-</source>
        <translation>音符下方-</translation>
    </message>
    <message>
        <source>Velmora: Move Lyrics (for Staff Notation)</source>
        <translation>Velmora: 移动歌词 (五线谱用)</translation>
    </message>
    <message>
        <source>Enter Part Number and Lyric Number.</source>
        <translation>请输入声部编号和歌词编号。</translation>
    </message>
    <message>
        <source>Part Number</source>
        <translation>声部编号</translation>
    </message>
    <message>
        <source>Lyric Number</source>
        <translation>歌词编号</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Close to Notes</source>
        <translation>靠近音符</translation>
    </message>
    <message>
        <source>Above Notes</source>
        <translation>音符上方</translation>
    </message>
    <message>
        <source>Below Notes</source>
        <translation>音符下方</translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
    </message>
</context>
<context>
    <name>DialogOpenAutoSave</name>
    <message>
        <source>Velmora: Open Auto Save Files</source>
        <translation>Velmora: 打开自动保存的文件</translation>
    </message>
    <message>
        <source>The last session seems to have ended abnormally.&lt;br&gt;&lt;br&gt;Do you want to open auto-saved files?&lt;br&gt;&lt;br&gt;If Cancel is selected, they will be deleted.</source>
        <translation>上次会话似乎异常结束。&lt;br&gt;&lt;br&gt;要打开自动保存的文件吗？&lt;br&gt;&lt;br&gt;如果选择取消，这些文件将被删除。</translation>
    </message>
</context>
<context>
    <name>DialogPasteSettings</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>file path-</source>
        <translation>文件路径</translation>
    </message>
    <message>
        <source>All-</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Parts-</source>
        <translation>声部</translation>
    </message>
    <message>
        <source>Measure/Page-</source>
        <translation>小节/页面</translation>
    </message>
    <message>
        <source>Style-</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Close-</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Velmora: Paste Settings</source>
        <translation>Velmora: 粘贴设置</translation>
    </message>
    <message>
        <source>Settings copied from:</source>
        <translation>设置复制自：</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>声部</translation>
    </message>
    <message>
        <source>Measure/Page</source>
        <translation>小节/页面</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>DialogScaleTemplate</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Number of Scale Notes</source>
        <translation>音阶音数</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Sangen Honchoshi</source>
        <translation>三弦 本调子</translation>
    </message>
    <message>
        <source>Sangen 2Agari</source>
        <translation>三弦 二上调</translation>
    </message>
    <message>
        <source>Sangen 3Sagari</source>
        <translation>三弦 三下调</translation>
    </message>
    <message>
        <source>Doremi C</source>
        <translation>哆来咪 C</translation>
    </message>
    <message>
        <source>Hira Chosi D</source>
        <translation>平调子 D</translation>
    </message>
    <message>
        <source>Hira Chosi G</source>
        <translation>平调子 G</translation>
    </message>
    <message>
        <source>HanKumoi Chosi D</source>
        <translation>半云井调子 D</translation>
    </message>
    <message>
        <source>HanKumoi Chosi G</source>
        <translation>半云井调子 G</translation>
    </message>
    <message>
        <source>Kumoi Chosi D</source>
        <translation>云井调子 D</translation>
    </message>
    <message>
        <source>kumoi Chosi G</source>
        <translation>云井调子 G</translation>
    </message>
    <message>
        <source>HonKumoi Chosi D</source>
        <translation>本云井调子 D</translation>
    </message>
    <message>
        <source>HonKumoi Chosi G</source>
        <translation>本云井调子 G</translation>
    </message>
    <message>
        <source>Kokin Chosi D</source>
        <translation>古今调子 D</translation>
    </message>
    <message>
        <source>Nakazora Chosi D</source>
        <translation>中空调子 D</translation>
    </message>
    <message>
        <source>Nakazora Chosi G</source>
        <translation>中空调子 G</translation>
    </message>
    <message>
        <source>Nogi Chosi D</source>
        <translation>乃木调子 D</translation>
    </message>
    <message>
        <source>Nogi Chosi G</source>
        <translation>乃木调子 G</translation>
    </message>
    <message>
        <source>Gaku Chosi D</source>
        <translation>乐调子 D</translation>
    </message>
    <message>
        <source>Gaku Chosi G</source>
        <translation>乐调子 G</translation>
    </message>
    <message>
        <source>Haru No Umi</source>
        <translation>春之海</translation>
    </message>
    <message>
        <source>DenEnShi</source>
        <translation>田园诗</translation>
    </message>
    <message>
        <source>Doremi17 C3</source>
        <translation>哆来咪十七弦 C3</translation>
    </message>
    <message>
        <source>DenEnshi17String</source>
        <translation>田园诗 十七弦</translation>
    </message>
    <message>
        <source>Scale Templates</source>
        <translation>音阶模板</translation>
    </message>
    <message>
        <source>Number of Scale Notes: </source>
        <translation>音阶音数: </translation>
    </message>
</context>
<context>
    <name>DialogSlurControl</name>
    <message>
        <source>Slur Curve Controller</source>
        <translation>连线弧度调节器</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>连线弧度调节器</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Left Half</source>
        <translation>左半部</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>整体</translation>
    </message>
    <message>
        <source>Right Half</source>
        <translation>右半部</translation>
    </message>
</context>
<context>
    <name>DialogStyle</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>小节</translation>
    </message>
    <message>
        <source>Stage Line Width</source>
        <translation>行线宽</translation>
    </message>
    <message>
        <source>Part Line Width-</source>
        <translation>Part Line Width-</translation>
    </message>
    <message>
        <source>Time Signature SIze</source>
        <translation>拍号尺寸</translation>
    </message>
    <message>
        <source>Leading Pad</source>
        <translation>前间距</translation>
    </message>
    <message>
        <source>Tailing Pad</source>
        <translation>后间距</translation>
    </message>
    <message>
        <source>Max Chord Width</source>
        <translation>和弦最大宽度</translation>
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
        <translation>时间刻度</translation>
    </message>
    <message>
        <source>Tick Major Length (%)</source>
        <translation>长刻度长度 (%)</translation>
    </message>
    <message>
        <source>Tick Major Width (mm)</source>
        <translation>长刻度宽度 (毫米)</translation>
    </message>
    <message>
        <source>Tick Minor Length (%)</source>
        <translation>短刻度长度 (%)</translation>
    </message>
    <message>
        <source>Tick Minor Width (mm)</source>
        <translation>短刻度宽度 (毫米)</translation>
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
        <translation>小节线与反复记号点</translation>
    </message>
    <message>
        <source>Bar Line Width-</source>
        <translation>Bar Line Width-</translation>
    </message>
    <message>
        <source>Thin Line Width</source>
        <translation>细线宽度</translation>
    </message>
    <message>
        <source>Thick Line Width</source>
        <translation>粗线宽度</translation>
    </message>
    <message>
        <source>Double Line Spacing</source>
        <translation>双线间距</translation>
    </message>
    <message>
        <source>Repeat Dot Offset</source>
        <translation>反复记号点偏移</translation>
    </message>
    <message>
        <source>Repeat Dot Raidus</source>
        <translation>反复记号点半径</translation>
    </message>
    <message>
        <source>Repeat Dot Separation</source>
        <translation>反复记号点间距</translation>
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
        <translation>五线谱音名字号 (磅)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>音符</translation>
    </message>
    <message>
        <source>Note Position</source>
        <translation>音符位置</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏移</translation>
    </message>
    <message>
        <source>Lyrics Position</source>
        <translation>歌词位置</translation>
    </message>
    <message>
        <source>OffsetTD</source>
        <translation>偏移 (时间方向)</translation>
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
        <translation>琴古流默认</translation>
    </message>
    <message>
        <source>&quot;U&quot; for Ab4</source>
        <translation>A♭4 记为“ウ”</translation>
    </message>
    <message>
        <source>Octave Instruction (Kan/Otsu)</source>
        <translation>八度指示 (甲/乙)</translation>
    </message>
    <message>
        <source>Scale Factor</source>
        <translation>缩放系数</translation>
    </message>
    <message>
        <source>Offset L</source>
        <translation>偏移 L</translation>
    </message>
    <message>
        <source>At Bottom (or Right)</source>
        <translation>在下方 (或右侧)</translation>
    </message>
    <message>
        <source>Offset W</source>
        <translation>偏移 W</translation>
    </message>
    <message>
        <source>Tozan Small Note-</source>
        <translation>Tozan Small Note-</translation>
    </message>
    <message>
        <source>Grace note</source>
        <translation>装饰音</translation>
    </message>
    <message>
        <source>Scale factor</source>
        <translation>缩放系数</translation>
    </message>
    <message>
        <source>Offset Y (horizontal)</source>
        <translation>偏移 Y (横排)</translation>
    </message>
    <message>
        <source>Offset X (vertical) </source>
        <translation>偏移 X (竖排)</translation>
    </message>
    <message>
        <source>Offsets for Slur, Tie, and Notation</source>
        <translation>Offsets for Slur, Tie, and Notation</translation>
    </message>
    <message>
        <source>Slur</source>
        <translation>连线</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>延音线</translation>
    </message>
    <message>
        <source>Right/Bottom-</source>
        <translation>Right/Bottom-</translation>
    </message>
    <message>
        <source>Articulation</source>
        <translation>奏法记号</translation>
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
        <translation>符杠</translation>
    </message>
    <message>
        <source>Offset X or Y</source>
        <translation>偏移 X 或 Y</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>线宽</translation>
    </message>
    <message>
        <source>Line spacing</source>
        <translation>线间距</translation>
    </message>
    <message>
        <source>Note Spacer</source>
        <translation>音符间隔</translation>
    </message>
    <message>
        <source>Insert Spacer</source>
        <translation>插入间隔</translation>
    </message>
    <message>
        <source>Width (ratio to quarter note)</source>
        <translation>宽度 (相对四分音符的比例)</translation>
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
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Style Settings</source>
        <translation>样式设置</translation>
    </message>
    <message>
        <source>Part Line Width</source>
        <translation>声部线宽</translation>
    </message>
    <message>
        <source>Time Signature Size</source>
        <translation>拍号尺寸</translation>
    </message>
    <message>
        <source>Maximum Chord Width (ratio)</source>
        <translation>和弦最大宽度 (比例)</translation>
    </message>
    <message>
        <source>Uniformity in Time and Size (when aligned in time)</source>
        <translation>时间与尺寸的均匀度 (按时间对齐时)</translation>
    </message>
    <message>
        <source>More Uniform in Time</source>
        <translation>时间更均匀</translation>
    </message>
    <message>
        <source>More Uniform in Size</source>
        <translation>尺寸更均匀</translation>
    </message>
    <message>
        <source>Gaps for Chord Notes and Voices</source>
        <translation>和弦音与声部的间距</translation>
    </message>
    <message>
        <source>Gap between Chord Notes (ratio)</source>
        <translation>和弦音间距 (比例)</translation>
    </message>
    <message>
        <source>Gap between Voices (ratio)</source>
        <translation>声部间距 (比例)</translation>
    </message>
    <message>
        <source>Staff Note Font Size (on MuseScore, etc.)</source>
        <translation>五线谱音名字号 (MuseScore 等)</translation>
    </message>
    <message>
        <source>Staff Note Font Size (point)</source>
        <translation>五线谱音名字号 (磅)</translation>
    </message>
    <message>
        <source>Rehearsal Mark Size</source>
        <translation>排练号尺寸</translation>
    </message>
    <message>
        <source>Rehearsal Mark Size (ratio)</source>
        <translation>排练号尺寸 (比例)</translation>
    </message>
    <message>
        <source>Dynamics and Cresc./Decresc.</source>
        <translation>力度记号与渐强/渐弱</translation>
    </message>
    <message>
        <source>Text Offset (ratio)</source>
        <translation>文字偏移 (比例)</translation>
    </message>
    <message>
        <source>Dynamics Offset (ratio)</source>
        <translation>力度记号偏移 (比例)</translation>
    </message>
    <message>
        <source>Cresc./Decresc. Offset (ratio)</source>
        <translation>渐强/渐弱偏移 (比例)</translation>
    </message>
    <message>
        <source>Font Property</source>
        <translation>字体属性</translation>
    </message>
    <message>
        <source>Note Text, Line Text</source>
        <translation>音符文字、线条文字</translation>
    </message>
    <message>
        <source>Part Name, Measure Number, Time Signature, Page Number/Text</source>
        <translation>声部名、小节号、拍号、页码/文字</translation>
    </message>
    <message>
        <source>Bar Line Width</source>
        <translation>小节线宽度</translation>
    </message>
    <message>
        <source>Repeat Dot Radius</source>
        <translation>反复记号点半径</translation>
    </message>
    <message>
        <source>Multimeasure Rests</source>
        <translation>多小节休止</translation>
    </message>
    <message>
        <source>Offset (Time Direction)</source>
        <translation>偏移 (时间方向)</translation>
    </message>
    <message>
        <source>Draw Line between Lyrics</source>
        <translation>在歌词之间画线</translation>
    </message>
    <message>
        <source>Insert Spacer for Beam Clearence</source>
        <translation>为符杠插入间隔</translation>
    </message>
    <message>
        <source>Width (ratio to quarter note width)</source>
        <translation>宽度 (相对四分音符宽度的比例)</translation>
    </message>
    <message>
        <source>Tie Stop (Kinko_Simple, Shinobue)</source>
        <translation>连音线结束 (Kinko_Simple, Shinobue)</translation>
    </message>
    <message>
        <source>Bar Symbol</source>
        <translation>竖线符号</translation>
    </message>
    <message>
        <source>Erase Extension (Koto_Ikuta, Sange_Ikuta)</source>
        <translation>删除延长线 (Koto_Ikuta, Sange_Ikuta)</translation>
    </message>
    <message>
        <source>Erase at Quarter Boundary</source>
        <translation>在四分音符边界处删除</translation>
    </message>
    <message>
        <source>Default Note Names (for Kinko_Simple)</source>
        <translation>默认音名 (Kinko_Simple)</translation>
    </message>
    <message>
        <source>&apos;U&apos; for &apos;ChiMeri&apos; Otsu</source>
        <translation>乙音“チメリ”记为“ウ”</translation>
    </message>
    <message>
        <source>Tozan Small Note</source>
        <translation>都山流小音符</translation>
    </message>
    <message>
        <source>Grace Note</source>
        <translation>装饰音</translation>
    </message>
    <message>
        <source>Offset Y (for horizontal)</source>
        <translation>偏移 Y (横排)</translation>
    </message>
    <message>
        <source>Offset X (for vertical)</source>
        <translation>偏移 X (竖排)</translation>
    </message>
    <message>
        <source>Offsets for Slur, Tie, and Articulation</source>
        <translation>连线、延音线与奏法记号的偏移</translation>
    </message>
    <message>
        <source>Tuplet</source>
        <translation>连音</translation>
    </message>
    <message>
        <source>Bracket</source>
        <translation>括号</translation>
    </message>
    <message>
        <source>Tremolo Offset L</source>
        <translation>震音偏移 L</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>线宽</translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>线间距</translation>
    </message>
    <message>
        <source>Fingering</source>
        <translation>指法</translation>
    </message>
    <message>
        <source>Size (ratio)</source>
        <translation>尺寸 (比例)</translation>
    </message>
</context>
<context>
    <name>DialogTranspose</name>
    <message>
        <source>Dialog</source>
        <translation>移调</translation>
    </message>
    <message>
        <source>Apply-</source>
        <translation>Apply-</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>-12/八度</translation>
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
        <translation>-9/大六度</translation>
    </message>
    <message>
        <source>-8</source>
        <translation>-8</translation>
    </message>
    <message>
        <source>-7/Perfect Fifth</source>
        <translation>-7/纯五度</translation>
    </message>
    <message>
        <source>-6</source>
        <translation>-6</translation>
    </message>
    <message>
        <source>-5/Perfect Fourth</source>
        <translation>-5/纯四度</translation>
    </message>
    <message>
        <source>-4/Major Third</source>
        <translation>-4/大三度</translation>
    </message>
    <message>
        <source>-3/Minor Third</source>
        <translation>-3/小三度</translation>
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
        <translation>0/纯一度</translation>
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
        <translation>+3/小三度</translation>
    </message>
    <message>
        <source>+4/Major Third</source>
        <translation>+4/大三度</translation>
    </message>
    <message>
        <source>+5/Perfect Fourth</source>
        <translation>+5/纯四度</translation>
    </message>
    <message>
        <source>+6</source>
        <translation>+6</translation>
    </message>
    <message>
        <source>+7/Perfect Fifth</source>
        <translation>+7/纯五度</translation>
    </message>
    <message>
        <source>+8</source>
        <translation>+8</translation>
    </message>
    <message>
        <source>+9/Major Sixth</source>
        <translation>+9/大六度</translation>
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
        <translation>+12/八度</translation>
    </message>
    <message>
        <source>Transpose of Note</source>
        <translation>音符移调</translation>
    </message>
    <message>
        <source>Transpose (in half steps)</source>
        <translation>移调 (以半音计)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DialogViewFile</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Velmora: Recently Opened Files</source>
        <translation>Velmora: 最近打开的文件</translation>
    </message>
    <message>
        <source>Velmora: Sample Files</source>
        <translation>Velmora: 示例文件</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>布局</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近打开</translation>
    </message>
    <message>
        <source>Open Sample</source>
        <translation>打开示例</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>View Recent...</source>
        <translation>浏览最近的文件...</translation>
    </message>
    <message>
        <source>View Samples...</source>
        <translation>浏览示例...</translation>
    </message>
    <message>
        <source>Import/Export MusicXML...</source>
        <translation>导入/导出 MusicXML...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Save As Original File Name ...</source>
        <translation type="vanished">以原文件名保存...</translation>
    </message>
    <message>
        <source>Save As Original File Name (without &apos;_udate..&apos; or &apos;_copy..&apos;)</source>
        <translation>以原文件名保存（去掉 &apos;_udate..&apos; 或 &apos;_copy..&apos;）</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>创建副本</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close Scores on Left Tabs</source>
        <translation>关闭左侧标签页的乐谱</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>导出 PDF...</translation>
    </message>
    <message>
        <source>Export SVG...</source>
        <translation>导出 SVG...</translation>
    </message>
    <message>
        <source>File Property</source>
        <translation>文件属性</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Clear Recent File List</source>
        <translation>清除最近文件列表</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Part...</source>
        <translation>分谱...</translation>
    </message>
    <message>
        <source>Measure and Page...</source>
        <translation>小节与页面...</translation>
    </message>
    <message>
        <source>Style...</source>
        <translation>样式...</translation>
    </message>
    <message>
        <source>Multimeasure Rests</source>
        <translation>多小节休止</translation>
    </message>
    <message>
        <source>Copy Settings</source>
        <translation>复制设置</translation>
    </message>
    <message>
        <source>Paste Settings...</source>
        <translation>粘贴设置...</translation>
    </message>
    <message>
        <source>Layout Controller...</source>
        <translation>布局调节器...</translation>
    </message>
    <message>
        <source>Scale up</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Scale up a little</source>
        <translation>稍微放大</translation>
    </message>
    <message>
        <source>Scale down a little</source>
        <translation>稍微缩小</translation>
    </message>
    <message>
        <source>Reset All Measure Sizes</source>
        <translation>重置所有小节大小</translation>
    </message>
    <message>
        <source>Reset All Articulation Positions</source>
        <translation>重置所有演奏记号位置</translation>
    </message>
    <message>
        <source>Reset All Lyrics Positions</source>
        <translation>重置所有歌词位置</translation>
    </message>
    <message>
        <source>Insert Stage Break</source>
        <translation>插入换行</translation>
    </message>
    <message>
        <source>Insert Page Break</source>
        <translation>插入分页</translation>
    </message>
    <message>
        <source>Insert White Page</source>
        <translation>插入空白页</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Pallete</source>
        <translation>面板</translation>
    </message>
    <message>
        <source>Navigator</source>
        <translation>导航器</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Refresh Clean</source>
        <translation>刷新（清理）</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大视图</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小视图</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>重置缩放</translation>
    </message>
    <message>
        <source>Goto Measure</source>
        <translation>转到小节</translation>
    </message>
    <message>
        <source>Generate MuseScore 3 Plugins...</source>
        <translation>生成 MuseScore 3 插件...</translation>
    </message>
    <message>
        <source>Change Note Names and Pitches From Lyrics (Koto and Sangen)...</source>
        <translation>根据歌词更改音名与音高（筝与三弦）...</translation>
    </message>
    <message>
        <source>Delete Lyrics...</source>
        <translation>删除歌词...</translation>
    </message>
    <message>
        <source>Output Note Names To Lyrics...</source>
        <translation>将音名输出为歌词...</translation>
    </message>
    <message>
        <source>Move Lyrics (Staff Notation)...</source>
        <translation>移动歌词（五线谱）...</translation>
    </message>
    <message>
        <source>Duplicate Part as Staff Notation ...</source>
        <translation>将分谱复制为五线谱...</translation>
    </message>
    <message>
        <source>Online Handbook</source>
        <translation>在线手册</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>关于 Velmora</translation>
    </message>
    <message>
        <source>Velmora - Welcome!</source>
        <translation>Velmora - 欢迎！</translation>
    </message>
    <message>
        <source>Velmora - No file is open.</source>
        <translation>Velmora - 没有打开的文件。</translation>
    </message>
    <message>
        <source>Note Directives (Select a note (notes) and click a directive).</source>
        <translation>音符指示（先选择音符，再点击指示）</translation>
    </message>
    <message>
        <source>Inserted Symbols</source>
        <translation>插入符号</translation>
    </message>
    <message>
        <source>Common Symbols</source>
        <translation>通用符号</translation>
    </message>
    <message>
        <source>Shakuhachi &amp; Shinobue Symbols</source>
        <translation>尺八与筱笛符号</translation>
    </message>
    <message>
        <source>Koto_Symbols</source>
        <translation>筝符号</translation>
    </message>
    <message>
        <source>Sangen Ikuta Symbols</source>
        <translation>三弦（生田流）符号</translation>
    </message>
    <message>
        <source>Shamisen Bunka Symbols</source>
        <translation>三味线（文化谱）符号</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>移调</translation>
    </message>
    <message>
        <source>Scales (String Tunings)</source>
        <translation>音阶（定弦）</translation>
    </message>
    <message>
        <source>Repeat Symbols</source>
        <translation>反复记号</translation>
    </message>
    <message>
        <source>Left parenthesis</source>
        <translation>左括号</translation>
    </message>
    <message>
        <source>Right parenthesis</source>
        <translation>右括号</translation>
    </message>
    <message>
        <source>Left gray parenthesis</source>
        <translation>灰色左括号</translation>
    </message>
    <message>
        <source>Right gray parenthesis</source>
        <translation>灰色右括号</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>休止符</translation>
    </message>
    <message>
        <source>Suru (Portamento)</source>
        <translation>擦音（滑音）</translation>
    </message>
    <message>
        <source>White Space Before</source>
        <translation>前置空白</translation>
    </message>
    <message>
        <source>White Space After</source>
        <translation>后置空白</translation>
    </message>
    <message>
        <source>Kinko Ra</source>
        <translation>琴古流 Ra</translation>
    </message>
    <message>
        <source>Scoop</source>
        <translation>上滑音</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>下滑音</translation>
    </message>
    <message>
        <source>Doit</source>
        <translation>上扬音</translation>
    </message>
    <message>
        <source>Plop</source>
        <translation>落入音</translation>
    </message>
    <message>
        <source>Slide In Below</source>
        <translation>自下滑入</translation>
    </message>
    <message>
        <source>Slide In Above</source>
        <translation>自上滑入</translation>
    </message>
    <message>
        <source>Slide Out Up</source>
        <translation>向上滑出</translation>
    </message>
    <message>
        <source>Slide Out Down</source>
        <translation>向下滑出</translation>
    </message>
    <message>
        <source>Slide In below (Rough)</source>
        <translation>自下滑入（粗）</translation>
    </message>
    <message>
        <source>Slide In Above (Rough)</source>
        <translation>自上滑入（粗）</translation>
    </message>
    <message>
        <source>Slide Out Up (Rough)</source>
        <translation>向上滑出（粗）</translation>
    </message>
    <message>
        <source>Slide Out Down (Rough)</source>
        <translation>向下滑出（粗）</translation>
    </message>
    <message>
        <source>Suri</source>
        <translation>擦</translation>
    </message>
    <message>
        <source>Suri Tozan</source>
        <translation>擦（都山流）</translation>
    </message>
    <message>
        <source>Suriage</source>
        <translation>上擦</translation>
    </message>
    <message>
        <source>Otoshi</source>
        <translation>落音</translation>
    </message>
    <message>
        <source>Suriage + Modoshi</source>
        <translation>上擦 + 回落</translation>
    </message>
    <message>
        <source>Meri + Suriage</source>
        <translation>减音 + 上擦</translation>
    </message>
    <message>
        <source>Merikomi</source>
        <translation>压入</translation>
    </message>
    <message>
        <source>Ru</source>
        <translation>ル</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>竖线</translation>
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
        <translation>换气</translation>
    </message>
    <message>
        <source>Hole Number 1</source>
        <translation>孔号 1</translation>
    </message>
    <message>
        <source>Hole Number 2</source>
        <translation>孔号 2</translation>
    </message>
    <message>
        <source>Hole Number 3</source>
        <translation>孔号 3</translation>
    </message>
    <message>
        <source>Hole Number 4</source>
        <translation>孔号 4</translation>
    </message>
    <message>
        <source>Hole Number 5</source>
        <translation>孔号 5</translation>
    </message>
    <message>
        <source>Bracket Begin</source>
        <translation>括号开始</translation>
    </message>
    <message>
        <source>Bracket End</source>
        <translation>括号结束</translation>
    </message>
    <message>
        <source>Kesu</source>
        <translation>消音</translation>
    </message>
    <message>
        <source>Tsukiiro</source>
        <translation>突色</translation>
    </message>
    <message>
        <source>Hikiiro</source>
        <translation>引色</translation>
    </message>
    <message>
        <source>Sukui</source>
        <translation>挑</translation>
    </message>
    <message>
        <source>Yuri</source>
        <translation>揉弦</translation>
    </message>
    <message>
        <source>OshiHanashi</source>
        <translation>按放</translation>
    </message>
    <message>
        <source>An</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Chirashi Zume</source>
        <translation>散爪</translation>
    </message>
    <message>
        <source>Chirashi Zume (Seiha)</source>
        <translation>散爪（正派）</translation>
    </message>
    <message>
        <source>Waren</source>
        <translation>轮连</translation>
    </message>
    <message>
        <source>Waren 2</source>
        <translation>轮连 2</translation>
    </message>
    <message>
        <source>Zoo Left</source>
        <translation>Zoo（左）</translation>
    </message>
    <message>
        <source>Zoo Right</source>
        <translation>Zoo（右）</translation>
    </message>
    <message>
        <source>SuriZume Left (Seiha)</source>
        <translation>擦爪 左（正派）</translation>
    </message>
    <message>
        <source>SuriZume Right (Seiha)</source>
        <translation>擦爪 右（正派）</translation>
    </message>
    <message>
        <source>Oshi</source>
        <translation>按</translation>
    </message>
    <message>
        <source>Oshi2</source>
        <translation>按 2</translation>
    </message>
    <message>
        <source>Oshi3</source>
        <translation>按 3</translation>
    </message>
    <message>
        <source>Seiha Oshi</source>
        <translation>按（正派）</translation>
    </message>
    <message>
        <source>Seiha Oshi2</source>
        <translation>按 2（正派）</translation>
    </message>
    <message>
        <source>Seiha Oshi3</source>
        <translation>按 3（正派）</translation>
    </message>
    <message>
        <source>Suri Age</source>
        <translation>上擦</translation>
    </message>
    <message>
        <source>Suri Sage</source>
        <translation>下擦</translation>
    </message>
    <message>
        <source>Utsu</source>
        <translation>打</translation>
    </message>
    <message>
        <source>Hajiki</source>
        <translation>弹</translation>
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
        <translation>拨奏/弹</translation>
    </message>
    <message>
        <source>Invisible Note</source>
        <translation>隐藏音符</translation>
    </message>
    <message>
        <source>Koto 13 Strings</source>
        <translation>十三弦筝</translation>
    </message>
    <message>
        <source>Koto 17 Strings</source>
        <translation>十七弦筝</translation>
    </message>
    <message>
        <source>Koto 20 Strings</source>
        <translation>二十弦筝</translation>
    </message>
    <message>
        <source>Koto 25 Strings</source>
        <translation>二十五弦筝</translation>
    </message>
    <message>
        <source>Koto 25 Strings Low Tunig</source>
        <translation>二十五弦筝（低调弦）</translation>
    </message>
    <message>
        <source>Sangen Honchoshi</source>
        <translation>三弦 本调子</translation>
    </message>
    <message>
        <source>Sangen 2Agari</source>
        <translation>三弦 二上调</translation>
    </message>
    <message>
        <source>Sangen 3Sagari</source>
        <translation>三弦 三下调</translation>
    </message>
    <message>
        <source>Inhibit note repeat</source>
        <translation>不用反复记号</translation>
    </message>
    <message>
        <source>Long repeat Simile (Select one or two notes)</source>
        <translation>长反复 同前（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat 1 (Select one or two notes)</source>
        <translation>长反复 1（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat 2 (Select one or two notes)</source>
        <translation>长反复 2（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat 3 (Select one or two notes)</source>
        <translation>长反复 3（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat 4 (Select one or two notes)</source>
        <translation>长反复 4（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat accel (Select one or two notes)</source>
        <translation>长反复 渐快（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat beat1 (Select one or two notes)</source>
        <translation>长反复 拍 1（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat beat2 (Select one or two notes)</source>
        <translation>长反复 拍 2（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long step up (Select one or two notes)</source>
        <translation>长级进上行（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long step down (Select one or two notes)</source>
        <translation>长级进下行（选择一到两个音符）</translation>
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
        <translation>关于 Velmora</translation>
    </message>
    <message>
        <source>Generate MuseScore Plugin Files</source>
        <translation>生成 MuseScore 插件文件</translation>
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
        <translation>根据歌词中的音名更改音高</translation>
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
        <translation>Velmora: 保存文件</translation>
    </message>
    <message>
        <source>Velmora files (*.tnsx)</source>
        <translation>Velmora 文件 (*.tnsx)</translation>
    </message>
    <message>
        <source>Velmora: Export PDF</source>
        <translation>Velmora: 导出 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Velmora: Export SVG</source>
        <translation>Velmora: 导出 SVG</translation>
    </message>
    <message>
        <source>SVG files (*.svg)</source>
        <translation>SVG 文件 (*.svg)</translation>
    </message>
    <message>
        <source>Velmora: Export pure MusicXML file</source>
        <translation>Velmora: 导出纯 MusicXML 文件</translation>
    </message>
    <message>
        <source>Music XML files (*.musicxml)</source>
        <translation type="vanished">MusicXML 文件 (*.musicxml)</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>File name: (%1) does not have &apos;_update...&apos; nor &apos;_copy&apos; suffix!</source>
        <translation>文件名 (%1) 既没有“_update...”也没有“_copy”后缀！</translation>
    </message>
    <message>
        <source>File: &apos;%1&apos; already exists. Do you want to replace?</source>
        <translation>文件“%1”已存在。要替换吗？</translation>
    </message>
    <message>
        <source>Score:
 %1 
is not saved yet. Do you want to save?</source>
        <translation>乐谱:
 %1 
尚未保存。要保存吗？</translation>
    </message>
    <message>
        <source>Score:
 %1 
is updated. Do you want to save?</source>
        <translation>乐谱:
 %1 
已被修改。要保存吗？</translation>
    </message>
    <message>
        <source>Do you want to close all scores on the left hand side tabs without saving?</source>
        <translation>要不保存而关闭左侧标签页中的所有乐谱吗？</translation>
    </message>
    <message>
        <source>Do you really want to clear recent file list ?</source>
        <translation>确定要清除最近使用的文件列表吗?</translation>
    </message>
    <message>
        <source>Chirashi Zume (Reverse)</source>
        <translation>散爪（反向）</translation>
    </message>
    <message>
        <source>Waren (Reverse)</source>
        <translation>轮连（反向）</translation>
    </message>
    <message>
        <source>Open Velmora file(*.tnsx).</source>
        <translation>打开 Velmora 文件(*.tnsx)。</translation>
    </message>
    <message>
        <source>Open Import/Export MusicXML Dialog.</source>
        <translation>打开 MusicXML 导入/导出对话框。</translation>
    </message>
    <message>
        <source>Save active score to Velmora file(*.tnsx).</source>
        <translation>将当前乐谱保存为 Velmora 文件(*.tnsx)。</translation>
    </message>
    <message>
        <source>Save active score to Velmora file(*.tnsx) with new file name.</source>
        <translation>以新文件名将当前乐谱保存为 Velmora 文件(*.tnsx)。</translation>
    </message>
    <message>
        <source>Close active score.</source>
        <translation>关闭当前乐谱。</translation>
    </message>
    <message>
        <source>Open Part dialog for setting part values.</source>
        <translation>打开用于设置声部的声部对话框。</translation>
    </message>
    <message>
        <source>Stretch selected measures a little.</source>
        <translation>将所选小节稍微拉宽。</translation>
    </message>
    <message>
        <source>Shorten selected measures a little.</source>
        <translation>将所选小节稍微缩短。</translation>
    </message>
    <message>
        <source>Reset sizes of all measures to a default value.</source>
        <translation>将所有小节的大小恢复为默认值。</translation>
    </message>
    <message>
        <source>Insert stage break at the end of selected measure.</source>
        <translation>在所选小节末尾插入换行。</translation>
    </message>
    <message>
        <source>Insert page break at the end of selected measure.</source>
        <translation>在所选小节末尾插入换页。</translation>
    </message>
    <message>
        <source>Open Style dialog for setting style values.</source>
        <translation>打开用于设置样式的样式对话框。</translation>
    </message>
    <message>
        <source>Export active score to PDF file.</source>
        <translation>将当前乐谱导出为 PDF 文件。</translation>
    </message>
    <message>
        <source>Export active score to SVG file.</source>
        <translation>将当前乐谱导出为 SVG 文件。</translation>
    </message>
    <message>
        <source>Show file properties of active score.</source>
        <translation>显示当前乐谱的文件属性。</translation>
    </message>
    <message>
        <source>Insert white page after selected measure.</source>
        <translation>在所选小节之后插入空白页。</translation>
    </message>
    <message>
        <source>Show pallete (which lists note directives).</source>
        <translation>显示调色板(音符指示列表)。</translation>
    </message>
    <message>
        <source>Generate plugin files for MuseScore.</source>
        <translation>生成 MuseScore 插件文件。</translation>
    </message>
    <message>
        <source>Create copy of active score.</source>
        <translation>创建当前乐谱的副本。</translation>
    </message>
    <message>
        <source>Clear list of recently opened files.</source>
        <translation>清除最近打开的文件列表。</translation>
    </message>
    <message>
        <source>Stop Velmora and Exit.</source>
        <translation>停止并退出 Velmora。</translation>
    </message>
    <message>
        <source>Open Measure/Page Dialog.</source>
        <translation>打开小节/页面对话框。</translation>
    </message>
    <message>
        <source>Zooming in a little.</source>
        <translation>稍微放大。</translation>
    </message>
    <message>
        <source>Zoomin out a little.</source>
        <translation>稍微缩小。</translation>
    </message>
    <message>
        <source>Reset zooming rate.</source>
        <translation>重置缩放比例。</translation>
    </message>
    <message>
        <source>Show Navigator Window.</source>
        <translation>显示导航窗口。</translation>
    </message>
    <message>
        <source>Undo last operation.</source>
        <translation>撤销上一步操作。</translation>
    </message>
    <message>
        <source>Redo undone operation.</source>
        <translation>重做已撤销的操作。</translation>
    </message>
    <message>
        <source>Delete selected elements.</source>
        <translation>删除所选元素。</translation>
    </message>
    <message>
        <source>Close all scores on the left hand side of current active score.</source>
        <translation>关闭当前乐谱左侧标签页中的所有乐谱。</translation>
    </message>
    <message>
        <source>Open Layout Controller Panel.</source>
        <translation>打开布局控制面板。</translation>
    </message>
    <message>
        <source>Generate Note Names and Pithes from data at lyrics (for Koto and Sangen)</source>
        <translation>根据歌词数据生成音名和音高(用于筝和三弦)</translation>
    </message>
    <message>
        <source>Delete Lyrics.</source>
        <translation>删除歌词。</translation>
    </message>
    <message>
        <source>Output Note Names to Lyrics.</source>
        <translation>将音名输出到歌词。</translation>
    </message>
    <message>
        <source>Refresh display.</source>
        <translation>刷新显示。</translation>
    </message>
    <message>
        <source>Save As Original File Name (without &apos;_udate..&apos; or &apos;_copy..&apos;).</source>
        <translation>以原文件名(不含 &apos;_udate..&apos; 或 &apos;_copy..&apos;)保存。</translation>
    </message>
    <message>
        <source>Refresh clean score (equivalent to PDF export).</source>
        <translation>以干净模式刷新乐谱(与 PDF 导出相同)。</translation>
    </message>
    <message>
        <source>This command will use Part dialog&apos;s output settings.
Press Ok to continue.</source>
        <translation>此命令将使用声部对话框的输出设置。
按“确定”继续。</translation>
    </message>
    <message>
        <source>Velmora: Export MusicXML With Lyrics</source>
        <translation>Velmora: 导出带歌词的 MusicXML</translation>
    </message>
    <message>
        <source>MusicXml files (*.xml *.musicxml *.mxl)</source>
        <translation>MusicXML 文件 (*.xml *.musicxml *.mxl)</translation>
    </message>
    <message>
        <source>Imported MusicXML file was created by [%1] which is not tested by Velmora. Please remake the musicxml file using MuseScore!</source>
        <translation>导入的 MusicXML 文件由 [%1] 创建，Velmora 未对其进行测试。请使用 MuseScore 重新制作 MusicXML 文件！</translation>
    </message>
    <message>
        <source>Velmora: Import MusicXML file</source>
        <translation>Velmora: 导入 MusicXML 文件</translation>
    </message>
    <message>
        <source>Koto Scale</source>
        <translation>筝的定弦</translation>
    </message>
    <message>
        <source>Sangen/Shamisen Tuning</source>
        <translation>三弦/三味线定弦</translation>
    </message>
    <message>
        <source>Select the numer of strings of Koto for Part: %1</source>
        <translation>请选择声部 %1 的筝的弦数</translation>
    </message>
    <message>
        <source>Select a tuning method for Part %1</source>
        <translation>请选择声部 %1 的定弦方法</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Go To Measure</source>
        <translation>转到小节</translation>
    </message>
    <message>
        <source>Measure Number:</source>
        <translation>小节号：</translation>
    </message>
    <message>
        <source>Select base chord note!</source>
        <translation>请选择和弦的基音！</translation>
    </message>
    <message>
        <source>Long repeats cannot be nested!</source>
        <translation>长反复不能嵌套！</translation>
    </message>
    <message>
        <source>Velmora: Paste Settings</source>
        <translation>Velmora: 粘贴设置</translation>
    </message>
    <message>
        <source>No Settings copied yet!</source>
        <translation>尚未复制设置！</translation>
    </message>
    <message>
        <source>Paste Settings Parts is Done!</source>
        <translation>已粘贴声部设置！</translation>
    </message>
    <message>
        <source>Paste Settings MeasurePage is Done!</source>
        <translation>已粘贴小节/页面设置！</translation>
    </message>
    <message>
        <source>Paste Settings Style is Done!</source>
        <translation>已粘贴样式设置！</translation>
    </message>
    <message>
        <source>Paste Settings All is Done!</source>
        <translation>已粘贴全部设置！</translation>
    </message>
    <message>
        <source>No score is open!</source>
        <translation>没有打开的乐谱!</translation>
    </message>
    <message>
        <source>%1 elements (measures and/or title texts) were updated.</source>
        <translation>已更新 %1 个元素(小节和/或标题文字)。</translation>
    </message>
    <message>
        <source>Velmora: Import Update MusicXML file</source>
        <translation>Velmora: 导入用于更新的 MusicXML 文件</translation>
    </message>
    <message>
        <source>Number of parts are different! (%1 vs %2) 
Parts with the same part number should correspond each other.
Do you really want to import?</source>
        <translation>声部数量不同! (%1 对 %2) 
编号相同的声部将被视为相互对应。
确定要导入吗?</translation>
    </message>
    <message>
        <source>Number of measures are different! (%1 vs %2) 
Measures with the same measure number should correspond each other.
Do you really want to import?</source>
        <translation>小节数量不同! (%1 对 %2) 
编号相同的小节将被视为相互对应。
确定要导入吗?</translation>
    </message>
    <message>
        <source>Velmora: Run Command file</source>
        <translation>Velmora: 运行命令文件</translation>
    </message>
    <message>
        <source>Velmora command files (*.txt)</source>
        <translation>Velmora 命令文件 (*.txt)</translation>
    </message>
    <message>
        <source>Can&apos;t read file (%1)!:
%2.</source>
        <translation>无法读取文件 (%1)!:
%2。</translation>
    </message>
    <message>
        <source>Sorry, this file was too old. Please import the MusicXML file.</source>
        <translation>抱歉，此文件版本过旧。请导入 MusicXML 文件。</translation>
    </message>
    <message>
        <source>Velmora: Open Velmora file</source>
        <translation>Velmora: 打开 Velmora 文件</translation>
    </message>
    <message>
        <source>Setup MuseScore plugins</source>
        <translation>设置 MuseScore 插件</translation>
    </message>
    <message>
        <source>Plugin folder %1 does not exist.

If MuseScore has not been installed yet, install it and retry.

If installed already, check MuseScore&apos;s plugin folder path (name)
by &apos;Preferences&apos; &gt; &apos;General&apos; &gt; &apos;Folder&apos; &gt; &apos;Plugin Folder&apos; on MuseScore.</source>
        <translation>插件文件夹 %1 不存在。

如果尚未安装 MuseScore，请安装后重试。

如果已经安装，请在 MuseScore 中通过“首选项” &gt; “常规” &gt; “文件夹” &gt; “插件”
查看插件文件夹的路径 (名称)。</translation>
    </message>
    <message>
        <source>Can&apos;t write file (%1)!:
%2.</source>
        <translation>无法写入文件 (%1)!:
%2。</translation>
    </message>
    <message>
        <source>Setup MuseScore plugin</source>
        <translation>设置 MuseScore 插件</translation>
    </message>
    <message>
        <source>Plugin files successfully generated.
Please activate following two plugins (if not yet activated) 
on MuseScore (using Plugin Manager)!

Import MusicXML from Velmora
Export MusiXML to Velmora</source>
        <translation>插件文件已成功生成。
请在 MuseScore 中 (使用插件管理器) 启用以下两个插件 (如果尚未启用)!

Import MusicXML from Velmora
Export MusiXML to Velmora</translation>
    </message>
    <message>
        <source>Duplicate Part</source>
        <translation>复制声部</translation>
    </message>
    <message>
        <source>Part Number:</source>
        <translation>声部编号:</translation>
    </message>
    <message>
        <source>Can&apos;t import file (%1): it does not exist.</source>
        <translation>无法导入文件 (%1)：文件不存在。</translation>
    </message>
    <message>
        <source>Can&apos;t import file (%1): it is not a MusicXML file (.musicxml or .xml).</source>
        <translation>无法导入文件 (%1)：它不是 MusicXML 文件 (.musicxml 或 .xml)。</translation>
    </message>
    <message>
        <source>Can&apos;t open file (%1): Velmora opens score files (.tnsx) and MusicXML files (.musicxml, .xml).</source>
        <translation>无法打开文件 (%1)：Velmora 只能打开乐谱文件 (.tnsx) 和 MusicXML 文件 (.musicxml, .xml)。</translation>
    </message>
    <message>
        <source>MusicXML files (*.musicxml *.xml)</source>
        <translation>MusicXML 文件 (*.musicxml *.xml)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The file %1 has changed on disk since this window opened or last saved it: another window or program has saved it.

Replace it with the score of this window? What the other saved would be lost.</source>
        <translation>文件 %1 在此窗口打开或上次保存之后已在磁盘上被更改：另一个窗口或程序保存了它。

要用此窗口的乐谱替换它吗？对方保存的内容将会丢失。</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>The file %1 already exists, and this window has not opened or saved it.

Replace it with the score of this window?</source>
        <translation>文件 %1 已存在，且此窗口从未打开或保存过它。

要用此窗口的乐谱替换它吗？</translation>
    </message>
    <message>
        <source>The file %1 is no longer there: it was deleted or moved since this window opened or last saved it.

Save the score there again?</source>
        <translation>文件 %1 已不存在：在此窗口打开或上次保存之后，它被删除或移动了。

要再次保存到那里吗？</translation>
    </message>
    <message>
        <source>%1 is no longer the score&apos;s file: a folder or another kind of entry has taken its place, so the score can&apos;t be saved there.

Save it under another name?</source>
        <translation>%1 已不再是乐谱文件：文件夹或其他项目占据了它的位置，因此无法保存到那里。

要以其他名称保存吗？</translation>
    </message>
    <message>
        <source>%1 is also open in another Velmora that is running.

Each window keeps its own changes: a save here asks before it replaces what was saved there.</source>
        <translation>%1 也在另一个正在运行的 Velmora 中打开。

每个窗口保留各自的更改：在此保存时，替换那边已保存的内容之前会先询问。</translation>
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
        <translation>选择音名</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Change Note Name</source>
        <translation>更改音名</translation>
    </message>
    <message>
        <source>This command will use Part dialog&apos;s output settings.
Press Ok to continue.</source>
        <translation type="vanished">此命令将使用声部对话框的输出设置。
按“确定”继续。</translation>
    </message>
    <message>
        <source>Velmora: Export MusicXML With Lyrics</source>
        <translation type="vanished">Velmora: 导出带歌词的 MusicXML</translation>
    </message>
    <message>
        <source>MusicXml files (*.xml *.musicxml *.mxl)</source>
        <translation type="vanished">MusicXML 文件 (*.xml *.musicxml *.mxl)</translation>
    </message>
    <message>
        <source>Imported MusicXML file was created by [%1] which is not tested by Velmora. Please remake the musicxml file using MuseScore!</source>
        <translation type="vanished">导入的 MusicXML 文件由 [%1] 创建，Velmora 未对其进行测试。请使用 MuseScore 重新制作 MusicXML 文件！</translation>
    </message>
    <message>
        <source>Velmora: Import MusicXML file</source>
        <translation type="vanished">Velmora: 导入 MusicXML 文件</translation>
    </message>
    <message>
        <source>Koto Scale</source>
        <translation type="vanished">筝的定弦</translation>
    </message>
    <message>
        <source>Sangen/Shamisen Tuning</source>
        <translation type="vanished">三弦/三味线定弦</translation>
    </message>
    <message>
        <source>Select the numer of strings of Koto for Part: %1</source>
        <translation type="vanished">请选择声部 %1 的筝的弦数</translation>
    </message>
    <message>
        <source>Select a tuning method for Part %1</source>
        <translation type="vanished">请选择声部 %1 的定弦方法</translation>
    </message>
    <message>
        <source>Velmora: Change Note Name</source>
        <translation>Velmora: 更改音名</translation>
    </message>
</context>
<context>
    <name>PageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Set Default Values</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>横排</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>竖排</translation>
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
        <translation>显示声部名</translation>
    </message>
    <message>
        <source>Part Name</source>
        <translation>分谱名称</translation>
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
        <translation>显示</translation>
    </message>
    <message>
        <source>Measure Number</source>
        <translation>小节号</translation>
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
        <translation>小节线</translation>
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
        <translation>扩展最后一页</translation>
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
        <translation>等长</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
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
        <translation>扩展最后一行</translation>
    </message>
    <message>
        <source>Tab 2</source>
        <translation>Tab 2</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>纸张</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Custom Size</source>
        <translation>自定义尺寸</translation>
    </message>
    <message>
        <source>Y(mm)</source>
        <translation>Y (毫米)</translation>
    </message>
    <message>
        <source>X(mm)</source>
        <translation>X (毫米)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Portrait     </source>
        <translation>Portrait     </translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横向</translation>
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
        <translation>页眉区域宽度 (毫米)</translation>
    </message>
    <message>
        <source>Bottom Pad (mm)</source>
        <translation>下方间距 (毫米)</translation>
    </message>
    <message>
        <source>Draw Header Area Outline</source>
        <translation>绘制页眉区域边框</translation>
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
        <translation>页边距 (毫米)</translation>
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
        <translation>页码</translation>
    </message>
    <message>
        <source>Text-</source>
        <translation>Text-</translation>
    </message>
    <message>
        <source>Display Page Numbers</source>
        <translation>显示页码</translation>
    </message>
    <message>
        <source>Start Number</source>
        <translation>起始编号</translation>
    </message>
    <message>
        <source>Multipage Output Format</source>
        <translation>多页输出格式</translation>
    </message>
    <message>
        <source>Separate</source>
        <translation>分页</translation>
    </message>
    <message>
        <source>Combined</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>A3 Landscape (A4 Portrait x 2)</source>
        <translation>A3 横向 (A4 纵向 x 2)</translation>
    </message>
    <message>
        <source>B4 Landscape (B5 Portrait x 2)</source>
        <translation>B4 横向 (B5 纵向 x 2)</translation>
    </message>
    <message>
        <source>JIS B4 Landscape (JIS B5 Portrait x 2)</source>
        <translation>JIS B4 横向 (JIS B5 纵向 x 2)</translation>
    </message>
    <message>
        <source>Velmora: Page Settings</source>
        <translation>Velmora: 页面设置</translation>
    </message>
    <message>
        <source>Velmora: Measure/Page Settings</source>
        <translation>Velmora: 小节/页面设置</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>小节</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>纵向</translation>
    </message>
    <message>
        <source>Time Proportional</source>
        <translation>按时值比例</translation>
    </message>
    <message>
        <source>Insert Cover Page</source>
        <translation>插入封面</translation>
    </message>
    <message>
        <source>First Page Top</source>
        <translation>首页顶部</translation>
    </message>
    <message>
        <source>First Stage Top</source>
        <translation>首行顶部</translation>
    </message>
    <message>
        <source>Header Area</source>
        <translation>页眉区域</translation>
    </message>
    <message>
        <source>Line Width of Outline (mm)</source>
        <translation>边框线宽 (毫米)</translation>
    </message>
    <message>
        <source>Header Area Size (mm)</source>
        <translation>页眉区域尺寸 (毫米)</translation>
    </message>
    <message>
        <source>Page Text</source>
        <translation>页面文字</translation>
    </message>
    <message>
        <source>Stage Bracket</source>
        <translation>行括号</translation>
    </message>
    <message>
        <source>Display Stage Bracket (if multi parts)</source>
        <translation>显示行括号 (多声部时)</translation>
    </message>
    <message>
        <source>Measure Direction</source>
        <translation>小节方向</translation>
    </message>
    <message>
        <source>Lyrics for Vertical</source>
        <translation>纵向排版的歌词</translation>
    </message>
    <message>
        <source>Rotate 90º (English,..)</source>
        <translation>旋转 90° (英文等)</translation>
    </message>
    <message>
        <source>Vertical Writing (Japanese,..)</source>
        <translation>竖排 (日文等)</translation>
    </message>
    <message>
        <source>Measure Style and Width</source>
        <translation>小节样式与宽度</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>外框</translation>
    </message>
    <message>
        <source>Outline Width(%)</source>
        <translation>外框宽度 (%)</translation>
    </message>
    <message>
        <source>Banded</source>
        <translation>带状</translation>
    </message>
    <message>
        <source>Part Width (rate)</source>
        <translation>声部宽度 (倍率)</translation>
    </message>
    <message>
        <source>Space between Stages (mm)</source>
        <translation>行间距 (毫米)</translation>
    </message>
    <message>
        <source>Number of Measures per Stage</source>
        <translation>每行小节数</translation>
    </message>
    <message>
        <source>Fixed Number per Stage</source>
        <translation>每行固定数量</translation>
    </message>
    <message>
        <source>Measure Scale</source>
        <translation>小节缩放</translation>
    </message>
    <message>
        <source>Part Names</source>
        <translation>声部名</translation>
    </message>
    <message>
        <source>Display Part Abbreviation Name</source>
        <translation>显示声部简称</translation>
    </message>
    <message>
        <source>Diplay only 1st Stage</source>
        <translation>仅在第一行显示</translation>
    </message>
    <message>
        <source>Display Measure Number/Bar Line/Time Signature</source>
        <translation>显示小节号/小节线/拍号</translation>
    </message>
    <message>
        <source>Staff Notation Mode</source>
        <translation>五线谱模式</translation>
    </message>
    <message>
        <source>Time Signature</source>
        <translation>拍号</translation>
    </message>
    <message>
        <source>First Part Only</source>
        <translation>仅第一个声部</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Dialog</source>
        <translation>分谱设置</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Part List</source>
        <translation>分谱列表</translation>
    </message>
    <message>
        <source>Part Name</source>
        <translation>分谱名称</translation>
    </message>
    <message>
        <source>Part Abbeviation</source>
        <translation>分谱名称缩写</translation>
    </message>
    <message>
        <source>Style, Font, and Key</source>
        <translation>记谱法、字体与调</translation>
    </message>
    <message>
        <source>Notation Style</source>
        <translation>记谱法</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>字体名称</translation>
    </message>
    <message>
        <source>Font Size (Rate)</source>
        <translation>字号（倍率）</translation>
    </message>
    <message>
        <source>Part Width (Rate)</source>
        <translation>分谱宽度（倍率）</translation>
    </message>
    <message>
        <source>Position Shift (Rate)-</source>
        <translation>Position Shift (Rate)-</translation>
    </message>
    <message>
        <source>Key of Instrument</source>
        <translation>乐器的调</translation>
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
        <translation>时值</translation>
    </message>
    <message>
        <source>Note width</source>
        <translation>音符宽度</translation>
    </message>
    <message>
        <source>Whole &amp; longer</source>
        <translation>≥ 全音符</translation>
    </message>
    <message>
        <source>Half</source>
        <translation>二分音符</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>四分音符</translation>
    </message>
    <message>
        <source>Eigth</source>
        <translation>八分音符</translation>
    </message>
    <message>
        <source>16th</source>
        <translation>16分音符</translation>
    </message>
    <message>
        <source>32th &amp; shorter</source>
        <translation>≤ 32分</translation>
    </message>
    <message>
        <source>Note Interval-</source>
        <translation>Note Interval-</translation>
    </message>
    <message>
        <source>Note interval </source>
        <translation>音符间距</translation>
    </message>
    <message>
        <source>Output Control</source>
        <translation>输出控制</translation>
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
        <translation>符杠</translation>
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
        <translation>字体属性</translation>
    </message>
    <message>
        <source>Draw Boundary Lines &amp; Time Ticks</source>
        <translation>绘制边界线与时间刻度</translation>
    </message>
    <message>
        <source>Right (Top) Line</source>
        <translation>右（上）线</translation>
    </message>
    <message>
        <source>Left (Bottom) Line</source>
        <translation>左（下）线</translation>
    </message>
    <message>
        <source>Time Ticks</source>
        <translation>时间刻度</translation>
    </message>
    <message>
        <source>Time Ticks  (16th)</source>
        <translation>时间刻度（十六分）</translation>
    </message>
    <message>
        <source>Set Default Values</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>Shakuhachi_Kinko_Simple</source>
        <translation>尺八 琴古流（简易）</translation>
    </message>
    <message>
        <source>Shakuhachi_Kinko</source>
        <translation>尺八 琴古流</translation>
    </message>
    <message>
        <source>Shakuhachi_Tozan_Simple</source>
        <translation>尺八 都山流（简易）</translation>
    </message>
    <message>
        <source>Shakuhachi_Tozan</source>
        <translation>尺八 都山流</translation>
    </message>
    <message>
        <source>Shinobue</source>
        <translation>筱笛</translation>
    </message>
    <message>
        <source>Koto_Ikuta</source>
        <translation>筝 生田流</translation>
    </message>
    <message>
        <source>Koto_Seiha</source>
        <translation>筝 正派</translation>
    </message>
    <message>
        <source>Sangen_Ikuta</source>
        <translation>三弦 生田流</translation>
    </message>
    <message>
        <source>Sangen_Yamada</source>
        <translation>三弦 山田流</translation>
    </message>
    <message>
        <source>Shamisen_Bunka</source>
        <translation>三味线 文化谱</translation>
    </message>
    <message>
        <source>Doremi</source>
        <translation>唱名（Do Re Mi）</translation>
    </message>
    <message>
        <source>Percussion</source>
        <translation>打击乐</translation>
    </message>
    <message>
        <source>Staff_Notation</source>
        <translation>五线谱</translation>
    </message>
    <message>
        <source>Flauto Traverso</source>
        <translation>巴洛克长笛</translation>
    </message>
    <message>
        <source>Staff_Notaton</source>
        <translation>五线谱</translation>
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
        <translation>至少要输出一个分谱！</translation>
    </message>
    <message>
        <source>Velmora: Part Settings</source>
        <translation>Velmora：分谱设置</translation>
    </message>
    <message>
        <source>Select a part from Part List and set a Notation Style and etc. </source>
        <translation>请在分谱列表中选择分谱，再设置记谱法等。</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>Part Width</source>
        <translation>分谱宽度</translation>
    </message>
    <message>
        <source>Part Shift</source>
        <translation>分谱偏移</translation>
    </message>
    <message>
        <source>Draw Part Boundary Lines and Hands</source>
        <translation>绘制分谱边界线与刻度</translation>
    </message>
    <message>
        <source>Right (or Top)</source>
        <translation>右（或上）</translation>
    </message>
    <message>
        <source>Left (or Bottom)</source>
        <translation>左（或下）</translation>
    </message>
    <message>
        <source>Long and Short Hands</source>
        <translation>长短刻度</translation>
    </message>
    <message>
        <source>Very Short Hands (16th)</source>
        <translation>最短刻度（十六分）</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>分谱</translation>
    </message>
    <message>
        <source>Whole Rest Line</source>
        <translation>全休止线</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>音符</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>歌词</translation>
    </message>
    <message>
        <source>Whole Rests</source>
        <translation>全休止符</translation>
    </message>
    <message>
        <source>Slurs</source>
        <translation>圆滑线</translation>
    </message>
    <message>
        <source>Note Names to Lyrics</source>
        <translation>音名写入歌词</translation>
    </message>
    <message>
        <source>Tie Stop Note</source>
        <translation>延音线终止音符</translation>
    </message>
    <message>
        <source>Reverse Order (Chord Notes)</source>
        <translation>倒序（和弦音符）</translation>
    </message>
    <message>
        <source>Start Lyric Number</source>
        <translation>起始歌词编号</translation>
    </message>
    <message>
        <source>Kan/Otsu (Shakuhachi)</source>
        <translation>甲/乙（尺八）</translation>
    </message>
    <message>
        <source>Breath Mark</source>
        <translation>换气记号</translation>
    </message>
    <message>
        <source>Tremolo Line</source>
        <translation>震音线</translation>
    </message>
    <message>
        <source>Extension Bar/Dot</source>
        <translation>延长线/点</translation>
    </message>
    <message>
        <source>Rest Note</source>
        <translation>休止符</translation>
    </message>
    <message>
        <source>Alignment and Note Sizes</source>
        <translation>对齐与音符大小</translation>
    </message>
    <message>
        <source>Align Parts in Time</source>
        <translation>按时间对齐分谱</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>对齐</translation>
    </message>
    <message>
        <source>Note Durations and Note Widths</source>
        <translation>时值与音符宽度</translation>
    </message>
    <message>
        <source>Note Duration</source>
        <translation>时值</translation>
    </message>
    <message>
        <source>Whole and Longer</source>
        <translation>≥ 全音符</translation>
    </message>
    <message>
        <source>Note Width</source>
        <translation>音符宽度</translation>
    </message>
    <message>
        <source>32th and Shorter</source>
        <translation>≤ 32分</translation>
    </message>
    <message>
        <source>Note Intervals</source>
        <translation>音符间距</translation>
    </message>
    <message>
        <source>Ratio to Note Width</source>
        <translation>音符宽度比</translation>
    </message>
    <message>
        <source>Set to All Parts</source>
        <translation>应用到所有分谱</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>&quot;%1&quot; is not a file name: type a name with letters or digits.</source>
        <translation>“%1”不是有效的文件名：请输入含有字母或数字的名称。</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Filename refers to a directory</source>
        <translation>文件名指向的是一个文件夹</translation>
    </message>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>现有文件 %1 不可写入</translation>
    </message>
</context>
<context>
    <name>ScaleDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Set From Template...</source>
        <translation>从模板设置...</translation>
    </message>
    <message>
        <source>Set From Scale File</source>
        <translation>从音阶文件设置</translation>
    </message>
    <message>
        <source>Copy Previous Scale</source>
        <translation>复制前一音阶</translation>
    </message>
    <message>
        <source>No of Strings: </source>
        <translation>弦数: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>数</translation>
    </message>
    <message>
        <source>String Number -- Pitch</source>
        <translation>弦号 -- 音高</translation>
    </message>
    <message>
        <source>Clear Selection-</source>
        <translation>取消选择-</translation>
    </message>
    <message>
        <source>UpOct-</source>
        <translation>升八度-</translation>
    </message>
    <message>
        <source>Up4th-</source>
        <translation>升四度-</translation>
    </message>
    <message>
        <source>Up-</source>
        <translation>升-</translation>
    </message>
    <message>
        <source>Down-</source>
        <translation>降-</translation>
    </message>
    <message>
        <source>Down4th-</source>
        <translation>降四度-</translation>
    </message>
    <message>
        <source>DownOct-</source>
        <translation>降八度-</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>移调</translation>
    </message>
    <message>
        <source>Undo-</source>
        <translation>撤销-</translation>
    </message>
    <message>
        <source>Interval-</source>
        <translation>音程-</translation>
    </message>
    <message>
        <source>Scale Name-</source>
        <translation>音阶名-</translation>
    </message>
    <message>
        <source>GroupBox</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>Directive Text</source>
        <translation>指示文本</translation>
    </message>
    <message>
        <source>-12/Octave</source>
        <translation>-12/八度</translation>
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
        <translation>-9/大六度</translation>
    </message>
    <message>
        <source>-8</source>
        <translation>-8</translation>
    </message>
    <message>
        <source>-7/Perfect Fifth</source>
        <translation>-7/纯五度</translation>
    </message>
    <message>
        <source>-6</source>
        <translation>-6</translation>
    </message>
    <message>
        <source>-5/Perfect Fourth</source>
        <translation>-5/纯四度</translation>
    </message>
    <message>
        <source>-4/Major Third</source>
        <translation>-4/大三度</translation>
    </message>
    <message>
        <source>-3/Minor Third</source>
        <translation>-3/小三度</translation>
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
        <translation>0/纯一度</translation>
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
        <translation>+3/小三度</translation>
    </message>
    <message>
        <source>+4/Major Third</source>
        <translation>+4/大三度</translation>
    </message>
    <message>
        <source>+5/Perfect Fourth</source>
        <translation>+5/纯四度</translation>
    </message>
    <message>
        <source>+6</source>
        <translation>+6</translation>
    </message>
    <message>
        <source>+7/Perfect Fifth</source>
        <translation>+7/纯五度</translation>
    </message>
    <message>
        <source>+8</source>
        <translation>+8</translation>
    </message>
    <message>
        <source>+9/Major Sixth</source>
        <translation>+9/大六度</translation>
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
        <translation>+12/八度</translation>
    </message>
    <message>
        <source>Edit Scale</source>
        <translation>编辑音阶</translation>
    </message>
    <message>
        <source>Select Scale from Templates</source>
        <translation>从模板选择音阶</translation>
    </message>
    <message>
        <source>Read Scale from File</source>
        <translation>从文件读取音阶</translation>
    </message>
    <message>
        <source>Copy Preceding Scale</source>
        <translation>复制前一音阶</translation>
    </message>
    <message>
        <source>Number of Scale Notes: </source>
        <translation>音阶音数: </translation>
    </message>
    <message>
        <source>Note Number - Note Pitch</source>
        <translation>音号 - 音高</translation>
    </message>
    <message>
        <source>Clear Selection</source>
        <translation>取消选择</translation>
    </message>
    <message>
        <source>⇑ (Oct)</source>
        <translation>⇑ (八度)</translation>
    </message>
    <message>
        <source>↑ (4th)</source>
        <translation>↑ (四度)</translation>
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
        <translation>↓ (四度)</translation>
    </message>
    <message>
        <source>⇓ (Oct)</source>
        <translation>⇓ (八度)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>音程</translation>
    </message>
    <message>
        <source>Copy this Scale to Buffer</source>
        <translation>将此音阶复制到缓冲区</translation>
    </message>
    <message>
        <source>Paste Scale in Buffer to this Scale</source>
        <translation>将缓冲区的音阶粘贴到此音阶</translation>
    </message>
    <message>
        <source>Scale Name</source>
        <translation>音阶名</translation>
    </message>
    <message>
        <source>Select a scale note in the list and change pitch.</source>
        <translation>请在列表中选择音阶音并更改音高。</translation>
    </message>
    <message>
        <source>Error:
Pasted scale data:
[ %1 ]
 is not a valid scale data!</source>
        <translation>错误:
粘贴的音阶数据:
[ %1 ]
 不是有效的音阶数据！</translation>
    </message>
    <message>
        <source>Error!
Pasted scale data:
[ %1 ]
 has a different number of scale notes: %2 vs %3 !</source>
        <translation>错误！
粘贴的音阶数据:
[ %1 ]
 的音阶音数不同: %2 对 %3 ！</translation>
    </message>
    <message>
        <source>There is no previous scale.</source>
        <translation>没有前一音阶。</translation>
    </message>
    <message>
        <source>Velmora: Import MusicXML file for scale</source>
        <translation>Velmora: 导入用于音阶的 MusicXML 文件</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>Number of scale notes are not the same! (%1 vs %2) 
</source>
        <translation>音阶音数不一致！ (%1 对 %2) 
</translation>
    </message>
    <message>
        <source>Scale file cannot be opened!</source>
        <translation>无法打开音阶文件！</translation>
    </message>
    <message>
        <source>Input Scale From File</source>
        <translation>从文件输入音阶</translation>
    </message>
    <message>
        <source>File Path: %1
Select scale name:</source>
        <translation>文件路径: %1
选择音阶名:</translation>
    </message>
    <message>
        <source>MusicXml files (*.xml *.musicxml)</source>
        <translation>MusicXml 文件 (*.xml *.musicxml)</translation>
    </message>
</context>
<context>
    <name>Score</name>
    <message>
        <source>Change Fitting</source>
        <translation>切换适配方式</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Font Property</source>
        <translation>字体属性</translation>
    </message>
    <message>
        <source>Reset Position</source>
        <translation>重置位置</translation>
    </message>
    <message>
        <source>Set Font</source>
        <translation>设置字体</translation>
    </message>
    <message>
        <source>Default Font</source>
        <translation>默认字体</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>VerticalWriting</source>
        <translation>竖排</translation>
    </message>
    <message>
        <source>Default Direction</source>
        <translation>默认方向</translation>
    </message>
    <message>
        <source>Align Horizontally</source>
        <translation>水平对齐</translation>
    </message>
    <message>
        <source>Align Vertically</source>
        <translation>垂直对齐</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Invisible</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Slur Curve Controller...</source>
        <translation>连线弧度调节器...</translation>
    </message>
    <message>
        <source>Invert Slur</source>
        <translation>翻转连线</translation>
    </message>
    <message>
        <source>Change Otsu to &quot;</source>
        <translation>将乙改为 &quot;</translation>
    </message>
    <message>
        <source>Change &quot; to Otsu</source>
        <translation>将 &quot; 改为乙</translation>
    </message>
    <message>
        <source>Reset Scale</source>
        <translation>重置缩放</translation>
    </message>
    <message>
        <source>Change Note Name</source>
        <translation>更改音名</translation>
    </message>
    <message>
        <source>Reset Note Shift</source>
        <translation>重置音符偏移</translation>
    </message>
    <message>
        <source>Invert Tie</source>
        <translation>翻转延音线</translation>
    </message>
    <message>
        <source>Edit Scale</source>
        <translation>编辑音阶</translation>
    </message>
    <message>
        <source>Enter Transpose Step</source>
        <translation>输入移调半音数</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>The tuning {%1} has a pitch outside %2 to %3 (MIDI 0 to 127). The notes from here on have no names.</source>
        <translation>定弦 {%1} 中有超出 %2 至 %3（MIDI 0 至 127）范围的音高。此后的音符没有音名。</translation>
    </message>
    <message>
        <source>Scale Name must be &quot;%1&quot; or  &quot;%2&quot;.</source>
        <translation>音阶名称必须是&quot;%1&quot;或&quot;%2&quot;。</translation>
    </message>
    <message>
        <source>Can&apos;t read file (%1)!:
%2.</source>
        <translation>无法读取文件（%1）！：
%2。</translation>
    </message>
    <message>
        <source>the SVG generator could not start</source>
        <translation>无法启动 SVG 生成器</translation>
    </message>
    <message>
        <source>the PDF writer could not start</source>
        <translation>无法启动 PDF 写入器</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>大于 %1 MB</translation>
    </message>
    <message>
        <source>File Path: %1&lt;br&gt;&lt;br&gt;Created by Velmora Version: %2&lt;br&gt;&lt;br&gt;Last Updated On: %3</source>
        <translation>文件路径：%1&lt;br&gt;&lt;br&gt;创建所用的 Velmora 版本：%2&lt;br&gt;&lt;br&gt;最后更新：%3</translation>
    </message>
    <message>
        <source>Can&apos;t write file (%1)!:
%2.</source>
        <translation>无法写入文件（%1）！：
%2。</translation>
    </message>
    <message>
        <source>The file is not XML (%1).</source>
        <translation>该文件不是 XML（%1）。</translation>
    </message>
    <message>
        <source>Its elements are nested deeper than %1 levels (%2).</source>
        <translation>其元素嵌套超过 %1 层（%2）。</translation>
    </message>
    <message>
        <source>It holds more than %1 XML elements (the next one at %2): a score this long would not fit in memory. Please split it into shorter scores.</source>
        <translation type="vanished">其中的 XML 元素超过 %1 个（下一个位于 %2）：这么长的乐谱无法装入内存。请将其拆分为较短的乐谱。</translation>
    </message>
    <message>
        <source>It is a timewise MusicXML document (score-timewise). Only partwise MusicXML (score-partwise) can be read; please export the score as partwise MusicXML.</source>
        <translation>这是按时间组织的 MusicXML 文档（score-timewise）。只能读取按分谱组织的 MusicXML（score-partwise）；请将乐谱导出为按分谱组织的 MusicXML。</translation>
    </message>
    <message>
        <source>It holds no XML element.</source>
        <translation>其中没有任何 XML 元素。</translation>
    </message>
    <message>
        <source>It is not a MusicXML score: its root element is &lt;%1&gt;, not &lt;score-partwise&gt;.</source>
        <translation>这不是 MusicXML 乐谱：其根元素是 &lt;%1&gt;，而不是 &lt;score-partwise&gt;。</translation>
    </message>
    <message>
        <source>Its part list names %1 parts, but it holds the music of only %2.</source>
        <translation type="vanished">其分谱列表列出 %1 个分谱，但只含有 %2 个分谱的音乐。</translation>
    </message>
    <message>
        <source>Part %1 holds a &lt;%2&gt; element at line %3, column %4, where only measures may stand.</source>
        <translation>分谱 %1 在第 %3 行第 %4 列有一个 &lt;%2&gt; 元素，而此处只能是小节。</translation>
    </message>
    <message>
        <source>Part %1 has %2 measures, but the first part has %3.</source>
        <translation>分谱 %1 有 %2 个小节，但第一个分谱有 %3 个。</translation>
    </message>
    <message>
        <source>Can&apos;t load the score.</source>
        <translation>无法载入乐谱。</translation>
    </message>
    <message>
        <source>Can&apos;t load the score (%1).</source>
        <translation>无法载入乐谱（%1）。</translation>
    </message>
    <message>
        <source>The &lt;%1&gt; at line %2, column %3</source>
        <translation>第 %2 行第 %3 列的 &lt;%1&gt;</translation>
    </message>
    <message>
        <source>%1 goes back %2 divisions; no backup may go back more than %3.</source>
        <translation>%1 后退了 %2 个 division；backup 后退不得超过 %3。</translation>
    </message>
    <message>
        <source>%1 lasts %2 divisions; no note or forward may last longer than %3 whole notes (%4 divisions).</source>
        <translation>%1 的时值为 %2 个 division；音符或 forward 的时值不得超过 %3 个全音符（%4 个 division）。</translation>
    </message>
    <message>
        <source>Measure %1 of part %2 lasts %3 divisions; no measure may last longer than %4 whole notes (%5 divisions).</source>
        <translation>分谱 %2 的第 %1 小节时值为 %3 个 division；小节时值不得超过 %4 个全音符（%5 个 division）。</translation>
    </message>
    <message>
        <source>Staff number exceeded the maximum. Staff Number %1 (Maximum Staff Number %2)</source>
        <translation>谱表编号超出上限。谱表编号 %1（上限 %2）</translation>
    </message>
    <message>
        <source>Voice number exceeded the maximum. (Voice Number %1)! (Maximum Voice %2)</source>
        <translation>声部编号超出上限。（声部编号 %1）！（上限 %2）</translation>
    </message>
    <message>
        <source>Staff number exceeded the maximum. (Staff Number %1)! (Maximum Staff Number %2)</source>
        <translation>谱表编号超出上限。（谱表编号 %1）！（上限 %2）</translation>
    </message>
    <message>
        <source>Produced by Velmora version %1 on %2.</source>
        <translation>由 Velmora %1 版于 %2 生成。</translation>
    </message>
    <message>
        <source>Vertical Writing</source>
        <translation>竖排</translation>
    </message>
    <message>
        <source>Horizontally</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>Vertically</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>Enter Transpose Steps</source>
        <translation>输入移调半音数</translation>
    </message>
    <message>
        <source>Select the lowest note of chord notes.</source>
        <translation>请选择和弦中最低的音。</translation>
    </message>
    <message>
        <source>Select a voice 1 note.</source>
        <translation>请选择第 1 声部的音符。</translation>
    </message>
    <message>
        <source>This note already has a scale.</source>
        <translation>此音符已设有音阶。</translation>
    </message>
    <message>
        <source>Select the voice 1 note.</source>
        <translation>请选择第 1 声部的音符。</translation>
    </message>
    <message>
        <source>This note already has a NoPrev.</source>
        <translation>此音符已设有 NoPrev。</translation>
    </message>
    <message>
        <source>Edit scale for part: %1.
Select a scale note in the list and change pitch.</source>
        <translation>编辑分谱 %1 的音阶。
请在列表中选择音阶音并更改音高。</translation>
    </message>
    <message>
        <source>Add Long Repeat 1</source>
        <translation>添加长反复 1</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>对齐</translation>
    </message>
    <message>
        <source>Change Break Fitting</source>
        <translation type="vanished">切换分隔的适配方式</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Inhibit Note Repeat</source>
        <translation>不用反复记号</translation>
    </message>
    <message>
        <source>Set Visibility</source>
        <translation>设置可见性</translation>
    </message>
    <message>
        <source>Can&apos;t Import Update: Numbers of parts are not the same: %1 vs %2.</source>
        <translation>无法导入更新: 分谱数不一致: %1 对 %2。</translation>
    </message>
    <message>
        <source>Numbers of measures of the original and the new scores are not the same: %1 v.s. %2.

Do you really want to import?</source>
        <translation>原乐谱与新乐谱的小节数不一致: %1 对 %2。

确定要导入吗？</translation>
    </message>
    <message>
        <source>an SVG export needs a file name, not only a folder</source>
        <translation>导出 SVG 需要文件名，而不只是文件夹</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) longer than %1 characters cut to that length, the first at %2.</source>
        <translation>
            <numerusform>%n 个超过 %1 个字符的文本已截断到该长度，第一个位于 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds more than %1 XML elements, long texts counted by their length (the next one at %2): a score this long would not fit in memory. Please split it into shorter scores.</source>
        <translation type="vanished">它包含超过 %1 个 XML 元素（长文本按其长度计算，下一个位于 %2）：这么长的乐谱无法放入内存。请将其拆分为较短的乐谱。</translation>
    </message>
    <message>
        <source>%1 has a negative duration (%2 divisions); no note or forward may last less than 0 divisions.</source>
        <translation>%1 的时值为负（%2 divisions）；音符或 forward 的时值不能小于 0 divisions。</translation>
    </message>
    <message>
        <source>Its layout would cost more than %1 XML elements do: %2 elements, %3 measures and %4 time steps (one per sixty-fourth note of each measure). A score this long would not fit in memory. Please split it into shorter scores.</source>
        <translation type="vanished">其排版所需超过 %1 个 XML 元素的开销：%2 个元素、%3 个小节和 %4 个时间步（每小节每个六十四分音符一个）。这么长的乐谱无法放入内存。请将其拆分为较短的乐谱。</translation>
    </message>
    <message>
        <source>it is compressed MusicXML (.mxl), which Velmora does not read: export it from MuseScore as uncompressed MusicXML (.musicxml)</source>
        <translation>它是压缩的 MusicXML (.mxl)，Velmora 无法读取：请在 MuseScore 中将其导出为未压缩的 MusicXML (.musicxml)</translation>
    </message>
    <message>
        <source>Measure %1 needs more room than its line has: narrowed with the others of its line.
</source>
        <translation>第 %1 小节需要的空间超过其所在行的长度：已与该行其他小节一起按比例缩窄。
</translation>
    </message>
    <message>
        <source>It is too large to lay out. Measures: %L1, parts: %L2, notes: %L3, lyrics and marks: %L4, time steps: %L5 (one per sixty-fourth note of each measure). Laying it out would need about %L6 MB of memory.</source>
        <translation>乐谱太大，无法排版。小节 %L1，声部 %L2，音符 %L3，歌词和记号 %L4，时间刻度 %L5（每小节每个六十四分音符一个）。排版约需 %L6 MB 内存。</translation>
    </message>
    <message>
        <source>It is too large to read: it counts as %L1 XML elements (a measure or a note as several, a long text by its length), and reading it would need about %L2 MB of memory.</source>
        <translation>文件太大，无法读取：它相当于 %L1 个 XML 元素（小节和音符按多个计，长文本按其长度计），读取约需 %L2 MB 内存。</translation>
    </message>
    <message>
        <source>The limit is %L1 MB, set by the environment variable %2.</source>
        <translation>上限为 %L1 MB，由环境变量 %2 设定。</translation>
    </message>
    <message>
        <source>The limit is %L1 MB, half of this computer&apos;s memory.</source>
        <translation>上限为 %L1 MB，即本机内存的一半。</translation>
    </message>
    <message>
        <source>The limit is %L1 MB, the least Velmora allows.</source>
        <translation>上限为 %L1 MB，即 Velmora 允许的最小值。</translation>
    </message>
    <message>
        <source>To raise it, set %1 to a larger number of megabytes and start Velmora again, or split the score into shorter scores.</source>
        <translation>要提高上限，请将 %1 设为更大的兆字节数并重新启动 Velmora，或将乐谱拆分为较短的乐谱。</translation>
    </message>
    <message>
        <source>The score (%1) was loaded only to draw its pages and no longer holds its document.
It can&apos;t be saved, exported as MusicXML or changed: open the file again to do that.</source>
        <translation>乐谱 (%1) 仅为绘制页面而载入，已不再保留其文档。
无法保存、导出为 MusicXML 或编辑：请重新打开该文件后再进行。</translation>
    </message>
    <message>
        <source>Measure %1 is too short for its syllables even when they are drawn small on two lines: %2 of them left out.
</source>
        <translation>第 %1 小节对其歌词音节来说太短，即使缩小并分两行书写也放不下：省略了 %2 个音节。
</translation>
    </message>
    <message>
        <source>Measure %1 is too short for its syllables: drawn smaller, on two lines.
</source>
        <translation>第 %1 小节对其歌词音节来说太短：已缩小并分两行书写。
</translation>
    </message>
    <message>
        <source>Measure %1 is too short for its syllables: drawn smaller.
</source>
        <translation>第 %1 小节对其歌词音节来说太短：已缩小书写。
</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a whole number of megabytes above zero and is ignored.</source>
        <translation>%1=&quot;%2&quot; 不是大于零的整数兆字节,已被忽略。</translation>
    </message>
    <message>
        <source>%1=%2 is more than the %L3 MB this computer and the process&apos;s limits allow and is ignored.</source>
        <translation>%1=%2 超过了这台计算机和进程限制所允许的 %L3 MB,已被忽略。</translation>
    </message>
    <message>
        <source>The limit is %L1 MB, half of the memory this computer&apos;s container allows (%L2 MB).</source>
        <translation>上限为 %L1 MB,即这台计算机的容器所允许内存(%L2 MB)的一半。</translation>
    </message>
    <message>
        <source>The limit is %L1 MB, what the process&apos;s address-space limit (ulimit -v, %L2 MB) leaves.</source>
        <translation>上限为 %L1 MB,即进程地址空间限制(ulimit -v,%L2 MB)所剩余的部分。</translation>
    </message>
    <message>
        <source>To raise it, run Velmora with a larger limit, or split the score into shorter scores.</source>
        <translation>要提高上限,请以更大的限制运行 Velmora,或将乐谱拆分为较短的乐谱。</translation>
    </message>
    <message>
        <source>it is this score&apos;s own file</source>
        <translation>这是本乐谱自己的文件</translation>
    </message>
    <message>
        <source>the name is that of a score file (.tnsx)</source>
        <translation>这是乐谱文件 (.tnsx) 的名称</translation>
    </message>
    <message>
        <source>it holds a score</source>
        <translation>其中保存着乐谱</translation>
    </message>
    <message>
        <source>Can&apos;t export to (%1)!:
%2, and an export never replaces a score. Choose another name.</source>
        <translation>无法导出到 (%1)!:
%2，导出绝不会替换乐谱。请选择其他名称。</translation>
    </message>
</context>
<context>
    <name>XmlFileText</name>
    <message>
        <source>parts of the file are UTF-8 and parts of it another encoding: save it again in one encoding (UTF-8)</source>
        <translation>文件的一部分是 UTF-8，另一部分是其他编码：请以单一编码 (UTF-8) 重新保存</translation>
    </message>
    <message>
        <source>the file is probably %1: save it as UTF-8, or name its encoding in its first line (&lt;?xml version=&quot;1.0&quot; encoding=&quot;%1&quot;?&gt;)</source>
        <translation>文件可能是 %1：请另存为 UTF-8，或在第一行指明其编码 (&lt;?xml version=&quot;1.0&quot; encoding=&quot;%1&quot;?&gt;)</translation>
    </message>
    <message>
        <source>%1: the byte 0x%2 is not valid UTF-8; %3</source>
        <translation>%1：字节 0x%2 不是有效的 UTF-8；%3</translation>
    </message>
    <message>
        <source>%1: the file is not valid %2, the encoding its first bytes announce</source>
        <translation>%1：文件不是其开头字节所示编码 %2 的有效内容</translation>
    </message>
    <message>
        <source>%1: the file declares the encoding %2, but its bytes are written one or more to a character (%3): correct the declaration to encoding=&quot;%4&quot;</source>
        <translation>%1：文件声明的编码为 %2，但其字节按每个字符一个或多个字节写成 (%3)：请将声明改为 encoding=&quot;%4&quot;</translation>
    </message>
    <message>
        <source>mixed encodings</source>
        <translation>混合编码</translation>
    </message>
    <message>
        <source>%1: the bytes are not valid %2, the encoding the file declares; %3</source>
        <translation>%1：字节不是文件所声明编码 %2 的有效内容；%3</translation>
    </message>
    <message>
        <source>a byte there is damaged</source>
        <translation>该处的字节已损坏</translation>
    </message>
</context>
</TS>
