<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DialogLog</name>
    <message>
        <source>Dialog</source>
        <translation type="vanished">日志</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="vanished">清除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="vanished">关闭</translation>
    </message>
</context>
<context>
    <name>DialogSlurControl</name>
    <message>
        <source>Slur Curve Controller</source>
        <translation>连线弧度调节器</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation type="vanished">文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="vanished">编辑</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="vanished">设置</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="vanished">布局</translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="vanished">显示</translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="vanished">帮助</translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="vanished">语言</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation type="vanished">最近打开</translation>
    </message>
    <message>
        <source>Open Sample</source>
        <translation type="vanished">打开示例</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="vanished">工具</translation>
    </message>
    <message>
        <source>View Recent...</source>
        <translation type="vanished">浏览最近的文件...</translation>
    </message>
    <message>
        <source>View Samples...</source>
        <translation type="vanished">浏览示例...</translation>
    </message>
    <message>
        <source>Import/Export MusicXML...</source>
        <translation type="vanished">导入/导出 MusicXML...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="vanished">打开...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="vanished">保存</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="vanished">另存为...</translation>
    </message>
    <message>
        <source>Save As Original File Name ...</source>
        <translation type="vanished">以原文件名保存...</translation>
    </message>
    <message>
        <source>Save As Original File Name (without &apos;_udate..&apos; or &apos;_copy..&apos;)</source>
        <translation type="vanished">以原文件名保存（去掉 &apos;_udate..&apos; 或 &apos;_copy..&apos;）</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="vanished">创建副本</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="vanished">关闭</translation>
    </message>
    <message>
        <source>Close Scores on Left Tabs</source>
        <translation type="vanished">关闭左侧标签页的乐谱</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation type="vanished">导出 PDF...</translation>
    </message>
    <message>
        <source>Export SVG...</source>
        <translation type="vanished">导出 SVG...</translation>
    </message>
    <message>
        <source>File Property</source>
        <translation type="vanished">文件属性</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="vanished">退出</translation>
    </message>
    <message>
        <source>Clear Recent File List</source>
        <translation type="vanished">清除最近文件列表</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="vanished">撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="vanished">重做</translation>
    </message>
    <message>
        <source>Part...</source>
        <translation type="vanished">分谱...</translation>
    </message>
    <message>
        <source>Measure and Page...</source>
        <translation type="vanished">小节与页面...</translation>
    </message>
    <message>
        <source>Style...</source>
        <translation type="vanished">样式...</translation>
    </message>
    <message>
        <source>Multimeasure Rests</source>
        <translation type="vanished">多小节休止</translation>
    </message>
    <message>
        <source>Copy Settings</source>
        <translation type="vanished">复制设置</translation>
    </message>
    <message>
        <source>Paste Settings...</source>
        <translation type="vanished">粘贴设置...</translation>
    </message>
    <message>
        <source>Layout Controller...</source>
        <translation type="vanished">布局调节器...</translation>
    </message>
    <message>
        <source>Scale up</source>
        <translation type="vanished">放大</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation type="vanished">缩小</translation>
    </message>
    <message>
        <source>Scale up a little</source>
        <translation type="vanished">稍微放大</translation>
    </message>
    <message>
        <source>Scale down a little</source>
        <translation type="vanished">稍微缩小</translation>
    </message>
    <message>
        <source>Reset All Measure Sizes</source>
        <translation type="vanished">重置所有小节大小</translation>
    </message>
    <message>
        <source>Reset All Articulation Positions</source>
        <translation type="vanished">重置所有演奏记号位置</translation>
    </message>
    <message>
        <source>Reset All Lyrics Positions</source>
        <translation type="vanished">重置所有歌词位置</translation>
    </message>
    <message>
        <source>Insert Stage Break</source>
        <translation type="vanished">插入换行</translation>
    </message>
    <message>
        <source>Insert Page Break</source>
        <translation type="vanished">插入分页</translation>
    </message>
    <message>
        <source>Insert White Page</source>
        <translation type="vanished">插入空白页</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">删除</translation>
    </message>
    <message>
        <source>Pallete</source>
        <translation type="vanished">面板</translation>
    </message>
    <message>
        <source>Navigator</source>
        <translation type="vanished">导航器</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="vanished">刷新</translation>
    </message>
    <message>
        <source>Refresh Clean</source>
        <translation type="vanished">刷新（清理）</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="vanished">放大视图</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="vanished">缩小视图</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation type="vanished">重置缩放</translation>
    </message>
    <message>
        <source>Goto Measure</source>
        <translation type="vanished">转到小节</translation>
    </message>
    <message>
        <source>Generate MuseScore 3 Plugins...</source>
        <translation type="vanished">生成 MuseScore 3 插件...</translation>
    </message>
    <message>
        <source>Change Note Names and Pitches From Lyrics (Koto and Sangen)...</source>
        <translation type="vanished">根据歌词更改音名与音高（筝与三弦）...</translation>
    </message>
    <message>
        <source>Delete Lyrics...</source>
        <translation type="vanished">删除歌词...</translation>
    </message>
    <message>
        <source>Output Note Names To Lyrics...</source>
        <translation type="vanished">将音名输出为歌词...</translation>
    </message>
    <message>
        <source>Move Lyrics (Staff Notation)...</source>
        <translation type="vanished">移动歌词（五线谱）...</translation>
    </message>
    <message>
        <source>Duplicate Part as Staff Notation ...</source>
        <translation type="vanished">将分谱复制为五线谱...</translation>
    </message>
    <message>
        <source>Online Handbook</source>
        <translation type="vanished">在线手册</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation type="vanished">关于 Velmora</translation>
    </message>
    <message>
        <source>Velmora - Welcome!</source>
        <translation type="vanished">Velmora - 欢迎！</translation>
    </message>
    <message>
        <source>Note Directives (Select a note (notes) and click a directive).</source>
        <translation type="vanished">音符指示（先选择音符，再点击指示）</translation>
    </message>
    <message>
        <source>Inserted Symbols</source>
        <translation type="vanished">插入符号</translation>
    </message>
    <message>
        <source>Common Symbols</source>
        <translation type="vanished">通用符号</translation>
    </message>
    <message>
        <source>Shakuhachi &amp; Shinobue Symbols</source>
        <translation type="vanished">尺八与筱笛符号</translation>
    </message>
    <message>
        <source>Koto_Symbols</source>
        <translation type="vanished">筝符号</translation>
    </message>
    <message>
        <source>Sangen Ikuta Symbols</source>
        <translation type="vanished">三弦（生田流）符号</translation>
    </message>
    <message>
        <source>Shamisen Bunka Symbols</source>
        <translation type="vanished">三味线（文化谱）符号</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation type="vanished">属性</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation type="vanished">移调</translation>
    </message>
    <message>
        <source>Scales (String Tunings)</source>
        <translation type="vanished">音阶（定弦）</translation>
    </message>
    <message>
        <source>Repeat Symbols</source>
        <translation type="vanished">反复记号</translation>
    </message>
    <message>
        <source>Left parenthesis</source>
        <translation type="vanished">左括号</translation>
    </message>
    <message>
        <source>Right parenthesis</source>
        <translation type="vanished">右括号</translation>
    </message>
    <message>
        <source>Left gray parenthesis</source>
        <translation type="vanished">灰色左括号</translation>
    </message>
    <message>
        <source>Right gray parenthesis</source>
        <translation type="vanished">灰色右括号</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation type="vanished">休止符</translation>
    </message>
    <message>
        <source>Suru (Portamento)</source>
        <translation type="vanished">擦音（滑音）</translation>
    </message>
    <message>
        <source>White Space Before</source>
        <translation type="vanished">前置空白</translation>
    </message>
    <message>
        <source>White Space After</source>
        <translation type="vanished">后置空白</translation>
    </message>
    <message>
        <source>Kinko Ra</source>
        <translation type="vanished">琴古流 Ra</translation>
    </message>
    <message>
        <source>Scoop</source>
        <translation type="vanished">上滑音</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation type="vanished">下滑音</translation>
    </message>
    <message>
        <source>Doit</source>
        <translation type="vanished">上扬音</translation>
    </message>
    <message>
        <source>Plop</source>
        <translation type="vanished">落入音</translation>
    </message>
    <message>
        <source>Slide In Below</source>
        <translation type="vanished">自下滑入</translation>
    </message>
    <message>
        <source>Slide In Above</source>
        <translation type="vanished">自上滑入</translation>
    </message>
    <message>
        <source>Slide Out Up</source>
        <translation type="vanished">向上滑出</translation>
    </message>
    <message>
        <source>Slide Out Down</source>
        <translation type="vanished">向下滑出</translation>
    </message>
    <message>
        <source>Slide In below (Rough)</source>
        <translation type="vanished">自下滑入（粗）</translation>
    </message>
    <message>
        <source>Slide In Above (Rough)</source>
        <translation type="vanished">自上滑入（粗）</translation>
    </message>
    <message>
        <source>Slide Out Up (Rough)</source>
        <translation type="vanished">向上滑出（粗）</translation>
    </message>
    <message>
        <source>Slide Out Down (Rough)</source>
        <translation type="vanished">向下滑出（粗）</translation>
    </message>
    <message>
        <source>Suri</source>
        <translation type="vanished">擦</translation>
    </message>
    <message>
        <source>Suri Tozan</source>
        <translation type="vanished">擦（都山流）</translation>
    </message>
    <message>
        <source>Suriage</source>
        <translation type="vanished">上擦</translation>
    </message>
    <message>
        <source>Otoshi</source>
        <translation type="vanished">落音</translation>
    </message>
    <message>
        <source>Suriage + Modoshi</source>
        <translation type="vanished">上擦 + 回落</translation>
    </message>
    <message>
        <source>Meri + Suriage</source>
        <translation type="vanished">Meri + 上擦</translation>
    </message>
    <message>
        <source>Merikomi</source>
        <translation type="vanished">压入</translation>
    </message>
    <message>
        <source>Ru</source>
        <translation type="vanished">Ru</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation type="vanished">竖线</translation>
    </message>
    <message>
        <source>Kan</source>
        <translation type="vanished">甲</translation>
    </message>
    <message>
        <source>Otsu</source>
        <translation type="vanished">乙</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation type="vanished">换气</translation>
    </message>
    <message>
        <source>Hole Number 1</source>
        <translation type="vanished">孔号 1</translation>
    </message>
    <message>
        <source>Hole Number 2</source>
        <translation type="vanished">孔号 2</translation>
    </message>
    <message>
        <source>Hole Number 3</source>
        <translation type="vanished">孔号 3</translation>
    </message>
    <message>
        <source>Hole Number 4</source>
        <translation type="vanished">孔号 4</translation>
    </message>
    <message>
        <source>Hole Number 5</source>
        <translation type="vanished">孔号 5</translation>
    </message>
    <message>
        <source>Bracket Begin</source>
        <translation type="vanished">括号开始</translation>
    </message>
    <message>
        <source>Bracket End</source>
        <translation type="vanished">括号结束</translation>
    </message>
    <message>
        <source>Kesu</source>
        <translation type="vanished">消音</translation>
    </message>
    <message>
        <source>Tsukiiro</source>
        <translation type="vanished">突色</translation>
    </message>
    <message>
        <source>Hikiiro</source>
        <translation type="vanished">引色</translation>
    </message>
    <message>
        <source>Sukui</source>
        <translation type="vanished">挑</translation>
    </message>
    <message>
        <source>Yuri</source>
        <translation type="vanished">揉弦</translation>
    </message>
    <message>
        <source>OshiHanashi</source>
        <translation type="vanished">按放</translation>
    </message>
    <message>
        <source>An</source>
        <translation type="vanished">An</translation>
    </message>
    <message>
        <source>Chirashi Zume</source>
        <translation type="vanished">散爪</translation>
    </message>
    <message>
        <source>Chirashi Zume (Seiha)</source>
        <translation type="vanished">散爪（正派）</translation>
    </message>
    <message>
        <source>Waren</source>
        <translation type="vanished">轮连</translation>
    </message>
    <message>
        <source>Waren 2</source>
        <translation type="vanished">轮连 2</translation>
    </message>
    <message>
        <source>Zoo Left</source>
        <translation type="vanished">Zoo（左）</translation>
    </message>
    <message>
        <source>Zoo Right</source>
        <translation type="vanished">Zoo（右）</translation>
    </message>
    <message>
        <source>SuriZume Left (Seiha)</source>
        <translation type="vanished">擦爪 左（正派）</translation>
    </message>
    <message>
        <source>SuriZume Right (Seiha)</source>
        <translation type="vanished">擦爪 右（正派）</translation>
    </message>
    <message>
        <source>Oshi</source>
        <translation type="vanished">按</translation>
    </message>
    <message>
        <source>Oshi2</source>
        <translation type="vanished">按 2</translation>
    </message>
    <message>
        <source>Oshi3</source>
        <translation type="vanished">按 3</translation>
    </message>
    <message>
        <source>Seiha Oshi</source>
        <translation type="vanished">按（正派）</translation>
    </message>
    <message>
        <source>Seiha Oshi2</source>
        <translation type="vanished">按 2（正派）</translation>
    </message>
    <message>
        <source>Seiha Oshi3</source>
        <translation type="vanished">按 3（正派）</translation>
    </message>
    <message>
        <source>Suri Age</source>
        <translation type="vanished">上擦</translation>
    </message>
    <message>
        <source>Suri Sage</source>
        <translation type="vanished">下擦</translation>
    </message>
    <message>
        <source>Utsu</source>
        <translation type="vanished">打</translation>
    </message>
    <message>
        <source>Hajiki</source>
        <translation type="vanished">弹</translation>
    </message>
    <message>
        <source>Finger I</source>
        <translation type="vanished">指 I</translation>
    </message>
    <message>
        <source>Finger II</source>
        <translation type="vanished">指 II</translation>
    </message>
    <message>
        <source>Finger III</source>
        <translation type="vanished">指 III</translation>
    </message>
    <message>
        <source>Pizzicato/Hajiki</source>
        <translation type="vanished">拨奏/弹</translation>
    </message>
    <message>
        <source>Invisible Note</source>
        <translation type="vanished">隐藏音符</translation>
    </message>
    <message>
        <source>Koto 13 Strings</source>
        <translation type="vanished">十三弦筝</translation>
    </message>
    <message>
        <source>Koto 17 Strings</source>
        <translation type="vanished">十七弦筝</translation>
    </message>
    <message>
        <source>Koto 20 Strings</source>
        <translation type="vanished">二十弦筝</translation>
    </message>
    <message>
        <source>Koto 25 Strings</source>
        <translation type="vanished">二十五弦筝</translation>
    </message>
    <message>
        <source>Koto 25 Strings Low Tunig</source>
        <translation type="vanished">二十五弦筝（低调弦）</translation>
    </message>
    <message>
        <source>Sangen Honchoshi</source>
        <translation type="vanished">三弦 本调子</translation>
    </message>
    <message>
        <source>Sangen 2Agari</source>
        <translation type="vanished">三弦 二上调</translation>
    </message>
    <message>
        <source>Sangen 3Sagari</source>
        <translation type="vanished">三弦 三下调</translation>
    </message>
    <message>
        <source>Inhibit note repeat</source>
        <translation type="vanished">不用反复记号</translation>
    </message>
    <message>
        <source>Long repeat Simile (Select one or two notes)</source>
        <translation type="vanished">长反复 同前（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat 1 (Select one or two notes)</source>
        <translation type="vanished">长反复 1（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat 2 (Select one or two notes)</source>
        <translation type="vanished">长反复 2（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat 3 (Select one or two notes)</source>
        <translation type="vanished">长反复 3（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat 4 (Select one or two notes)</source>
        <translation type="vanished">长反复 4（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat accel (Select one or two notes)</source>
        <translation type="vanished">长反复 渐快（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat beat1 (Select one or two notes)</source>
        <translation type="vanished">长反复 拍 1（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long repeat beat2 (Select one or two notes)</source>
        <translation type="vanished">长反复 拍 2（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long step up (Select one or two notes)</source>
        <translation type="vanished">长级进上行（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Long step down (Select one or two notes)</source>
        <translation type="vanished">长级进下行（选择一到两个音符）</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="vanished">Ctrl+O</translation>
    </message>
    <message>
        <source>Ctrl+Shift+X</source>
        <translation type="vanished">Ctrl+Shift+X</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation type="vanished">Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="vanished">Ctrl+S</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation type="vanished">Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation type="vanished">Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="vanished">Ctrl+W</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="vanished">Ctrl+Q</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="vanished">Ctrl+P</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation type="vanished">Ctrl+M</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation type="vanished">Ctrl+T</translation>
    </message>
    <message>
        <source>Ctrl+Shift+M</source>
        <translation type="vanished">Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation type="vanished">Ctrl+Z</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation type="vanished">Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="vanished">Del</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation type="vanished">Ctrl+L</translation>
    </message>
    <message>
        <source>Ctrl+]</source>
        <translation type="vanished">Ctrl+]</translation>
    </message>
    <message>
        <source>Ctrl+Shift+]</source>
        <translation type="vanished">Ctrl+Shift+]</translation>
    </message>
    <message>
        <source>Ctrl+[</source>
        <translation type="vanished">Ctrl+[</translation>
    </message>
    <message>
        <source>Ctrl+Shift+[</source>
        <translation type="vanished">Ctrl+Shift+[</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation type="vanished">Ctrl+Return</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Return</source>
        <translation type="vanished">Ctrl+Shift+Return</translation>
    </message>
    <message>
        <source>F9</source>
        <translation type="vanished">F9</translation>
    </message>
    <message>
        <source>Ctrl+F10</source>
        <translation type="vanished">Ctrl+F10</translation>
    </message>
    <message>
        <source>Ctrl+F9</source>
        <translation type="vanished">Ctrl+F9</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation type="vanished">Ctrl+R</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation type="vanished">Ctrl++</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation type="vanished">Ctrl+-</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation type="vanished">Ctrl+0</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation type="vanished">Ctrl+G</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation type="vanished">日本語</translation>
    </message>
    <message>
        <source>English</source>
        <translation type="vanished">English</translation>
    </message>
    <message>
        <source>中文</source>
        <translation type="vanished">中文</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation type="vanished">MainWindow</translation>
    </message>
    <message>
        <source>Open Sample or Template-</source>
        <translation type="vanished">Open Sample or Template-</translation>
    </message>
    <message>
        <source>Open Recent-</source>
        <translation type="vanished">Open Recent-</translation>
    </message>
    <message>
        <source>Development</source>
        <translation type="vanished">Development</translation>
    </message>
    <message>
        <source>Open...-</source>
        <translation type="vanished">Open...-</translation>
    </message>
    <message>
        <source>Save-</source>
        <translation type="vanished">Save-</translation>
    </message>
    <message>
        <source>Save As...-</source>
        <translation type="vanished">Save As...-</translation>
    </message>
    <message>
        <source>Close-</source>
        <translation type="vanished">Close-</translation>
    </message>
    <message>
        <source>Exit-</source>
        <translation type="vanished">Exit-</translation>
    </message>
    <message>
        <source>Part...-</source>
        <translation type="vanished">Part...-</translation>
    </message>
    <message>
        <source>Page Settings...-</source>
        <translation type="vanished">Page Settings...-</translation>
    </message>
    <message>
        <source>Stretch Item-</source>
        <translation type="vanished">Stretch Item-</translation>
    </message>
    <message>
        <source>Shorten Item-</source>
        <translation type="vanished">Shorten Item-</translation>
    </message>
    <message>
        <source>Reset All Measure Sizes-</source>
        <translation type="vanished">Reset All Measure Sizes-</translation>
    </message>
    <message>
        <source>Zoom In-</source>
        <translation type="vanished">Zoom In-</translation>
    </message>
    <message>
        <source>Zoom Out-</source>
        <translation type="vanished">Zoom Out-</translation>
    </message>
    <message>
        <source>Reset Zoom-</source>
        <translation type="vanished">Reset Zoom-</translation>
    </message>
    <message>
        <source>Insert Line Break-</source>
        <translation type="vanished">Insert Line Break-</translation>
    </message>
    <message>
        <source>Insert Page Break-</source>
        <translation type="vanished">Insert Page Break-</translation>
    </message>
    <message>
        <source>Online Help-</source>
        <translation type="vanished">Online Help-</translation>
    </message>
    <message>
        <source>Navigator-</source>
        <translation type="vanished">Navigator-</translation>
    </message>
    <message>
        <source>Clear Recent File List-</source>
        <translation type="vanished">Clear Recent File List-</translation>
    </message>
    <message>
        <source>Outline note fonts and intervals</source>
        <translation type="vanished">Outline note fonts and intervals</translation>
    </message>
    <message>
        <source>Delete-</source>
        <translation type="vanished">Delete-</translation>
    </message>
    <message>
        <source>Undo-</source>
        <translation type="vanished">Undo-</translation>
    </message>
    <message>
        <source>Redo-</source>
        <translation type="vanished">Redo-</translation>
    </message>
    <message>
        <source>Stylel...-</source>
        <translation type="vanished">Stylel...-</translation>
    </message>
    <message>
        <source>Debug Switch</source>
        <translation type="vanished">Debug Switch</translation>
    </message>
    <message>
        <source>List Undo Stack</source>
        <translation type="vanished">List Undo Stack</translation>
    </message>
    <message>
        <source>Score Info</source>
        <translation type="vanished">Score Info</translation>
    </message>
    <message>
        <source>Export PDF...-</source>
        <translation type="vanished">Export PDF...-</translation>
    </message>
    <message>
        <source>Export SVG...-</source>
        <translation type="vanished">Export SVG...-</translation>
    </message>
    <message>
        <source>Open current folder</source>
        <translation type="vanished">Open current folder</translation>
    </message>
    <message>
        <source>File property-</source>
        <translation type="vanished">File property-</translation>
    </message>
    <message>
        <source>Insert White Page Break-</source>
        <translation type="vanished">Insert White Page Break-</translation>
    </message>
    <message>
        <source>Pallete-</source>
        <translation type="vanished">Pallete-</translation>
    </message>
    <message>
        <source>About</source>
        <translation type="vanished">关于 Velmora</translation>
    </message>
    <message>
        <source>Generate MuseScore Plugin Files</source>
        <translation type="vanished">生成 MuseScore 插件文件</translation>
    </message>
    <message>
        <source>Duplicate-</source>
        <translation type="vanished">Duplicate-</translation>
    </message>
    <message>
        <source>Close Other Scores  on Left Tabs-</source>
        <translation type="vanished">Close Other Scores  on Left Tabs-</translation>
    </message>
    <message>
        <source>Layout Controller-</source>
        <translation type="vanished">Layout Controller-</translation>
    </message>
    <message>
        <source>Import Standard Style...-</source>
        <translation type="vanished">Import Standard Style...-</translation>
    </message>
    <message>
        <source>Open Log Dialog</source>
        <translation type="vanished">Open Log Dialog</translation>
    </message>
    <message>
        <source>Save As Original-</source>
        <translation type="vanished">Save As Original-</translation>
    </message>
    <message>
        <source>Refresh-</source>
        <translation type="vanished">Refresh-</translation>
    </message>
    <message>
        <source>Import/Export MusicXML...-</source>
        <translation type="vanished">Import/Export MusicXML...-</translation>
    </message>
    <message>
        <source>Reduce Measures-</source>
        <translation type="vanished">Reduce Measures-</translation>
    </message>
    <message>
        <source>Alt+-</source>
        <translation type="vanished">Alt+-</translation>
    </message>
    <message>
        <source>Enlarge Measures-</source>
        <translation type="vanished">Enlarge Measures-</translation>
    </message>
    <message>
        <source>Alt++</source>
        <translation type="vanished">Alt++</translation>
    </message>
    <message>
        <source>Change Pitch (from Note Name in Lyric)</source>
        <translation type="vanished">根据歌词中的音名更改音高</translation>
    </message>
    <message>
        <source>ImportUpdateNew</source>
        <translation type="vanished">ImportUpdateNew</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation type="vanished">Ctrl+I</translation>
    </message>
    <message>
        <source>Delete Lyrics-</source>
        <translation type="vanished">Delete Lyrics-</translation>
    </message>
    <message>
        <source>dummy</source>
        <translation type="vanished">dummy</translation>
    </message>
    <message>
        <source>Switch off auto save mode</source>
        <translation type="vanished">Switch off auto save mode</translation>
    </message>
    <message>
        <source>Clean Mode-</source>
        <translation type="vanished">Clean Mode-</translation>
    </message>
    <message>
        <source>Refresh Clean-</source>
        <translation type="vanished">Refresh Clean-</translation>
    </message>
    <message>
        <source>Run Command File...-</source>
        <translation type="vanished">Run Command File...-</translation>
    </message>
    <message>
        <source>Go To Measure-</source>
        <translation type="vanished">Go To Measure-</translation>
    </message>
    <message>
        <source>Stretch by Small Degrees-</source>
        <translation type="vanished">Stretch by Small Degrees-</translation>
    </message>
    <message>
        <source>Shorten by Small Degrees</source>
        <translation type="vanished">Shorten by Small Degrees</translation>
    </message>
    <message>
        <source>Output Note Names to Lyrics -</source>
        <translation type="vanished">Output Note Names to Lyrics -</translation>
    </message>
    <message>
        <source>Insert Staff Notation Part-</source>
        <translation type="vanished">Insert Staff Notation Part-</translation>
    </message>
    <message>
        <source>Reset Positions of Articulations-</source>
        <translation type="vanished">Reset Positions of Articulations-</translation>
    </message>
    <message>
        <source>Move Lyrics to Note Positions (Staff Notation)-</source>
        <translation type="vanished">Move Lyrics to Note Positions (Staff Notation)-</translation>
    </message>
    <message>
        <source>Reset Positions of Lyrics-</source>
        <translation type="vanished">Reset Positions of Lyrics-</translation>
    </message>
    <message>
        <source>View Samples...-</source>
        <translation type="vanished">View Samples...-</translation>
    </message>
    <message>
        <source>View Recent...-</source>
        <translation type="vanished">View Recent...-</translation>
    </message>
    <message>
        <source>Copy Settings-</source>
        <translation type="vanished">Copy Settings-</translation>
    </message>
    <message>
        <source>Paste Settings-</source>
        <translation type="vanished">Paste Settings-</translation>
    </message>
    <message>
        <source>Multimeasure Rests-</source>
        <translation type="vanished">Multimeasure Rests-</translation>
    </message>
    <message>
        <source>Clean Refresh</source>
        <translation type="vanished">Clean Refresh</translation>
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
        <translation>其中的 XML 元素超过 %1 个（下一个位于 %2）：这么长的乐谱无法装入内存。请将其拆分为较短的乐谱。</translation>
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
        <translation>其分谱列表列出 %1 个分谱，但只含有 %2 个分谱的音乐。</translation>
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
</context>
</TS>
