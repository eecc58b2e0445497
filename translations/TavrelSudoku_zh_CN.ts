<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BrowserCommand</name>
    <message>
        <location filename="../common/BrowserCommand.cpp" line="+5"/>
        <source>Unable to find start command for internet browser</source>
        <translation>找不到启动网页浏览器的命令</translation>
    </message>
</context>
<context>
    <name>CatalogueFolders</name>
    <message>
        <location filename="../game/data/CatalogueFolders.cpp" line="+134"/>
        <source>Issue file %1 is not used: its name is longer than %2 characters</source>
        <translation>未使用期号文件 %1：文件名超过 %2 个字符</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 is not used: its name holds a path character</source>
        <translation>未使用期号文件 %1：文件名中含有路径字符</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <location filename="../game/model/ColourNames.cpp" line="+16"/>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maroon</source>
        <translation>栗色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Olive</source>
        <translation>橄榄色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navy</source>
        <translation>海军蓝</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Teal</source>
        <translation>蓝绿色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>银色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lime</source>
        <translation>亮绿色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fuchsia</source>
        <translation>紫红色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua</source>
        <translation>青色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Money Green</source>
        <translation>薄荷绿</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sky Blue</source>
        <translation>天蓝色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cream</source>
        <translation>奶油色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium Gray</source>
        <translation>中灰色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Bar</source>
        <translation>滚动条</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Caption</source>
        <translation>活动标题</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption</source>
        <translation>非活动标题</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Frame</source>
        <translation>窗口框架</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Text</source>
        <translation>菜单文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Text</source>
        <translation>窗口文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caption Text</source>
        <translation>标题文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Border</source>
        <translation>活动边框</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Border</source>
        <translation>非活动边框</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Application Workspace</source>
        <translation>应用程序工作区</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight</source>
        <translation>高亮</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight Text</source>
        <translation>高亮文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Face</source>
        <translation>按钮表面</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Shadow</source>
        <translation>按钮阴影</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray Text</source>
        <translation>灰色文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text</source>
        <translation>按钮文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption Text</source>
        <translation>非活动标题文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Highlight</source>
        <translation>按钮高光</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Dark Shadow</source>
        <translation>三维深阴影</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Light</source>
        <translation>三维亮色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Text</source>
        <translation>提示文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Background</source>
        <translation>提示背景</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot Light</source>
        <translation>超链接</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Active Caption</source>
        <translation>活动标题渐变</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Inactive Caption</source>
        <translation>非活动标题渐变</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Highlight</source>
        <translation>菜单高亮</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Bar</source>
        <translation>菜单栏</translation>
    </message>
</context>
<context>
    <name>CopyStream</name>
    <message>
        <location filename="../common/CopyStream.cpp" line="+16"/>
        <source>CopyStream: Not enough bytes in source stream</source>
        <translation>CopyStream：源数据流中的字节数不足</translation>
    </message>
</context>
<context>
    <name>DistributionFile</name>
    <message>
        <location filename="../game/data/DistributionFile.cpp" line="+26"/>
        <source>Invalid file %1 - %2</source>
        <translation>无效的文件 %1 - %2</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Invalid file %1 - Wrong signature</source>
        <translation>无效的文件 %1 - 签名错误</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Wrong version</source>
        <translation>无效的文件 %1 - 版本错误</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Invalid file %1 - Its header counts %2 games, more than the file holds</source>
        <translation>无效的文件 %1 - 文件头记录了 %2 局游戏，多于文件实际包含的数量</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Game index %1 out of range (%2 games)</source>
        <translation>游戏索引 %1 超出范围（共 %2 局游戏）</translation>
    </message>
</context>
<context>
    <name>EncBigInt</name>
    <message>
        <location filename="../encrypt/EncBigInt.cpp" line="+14"/>
        <location line="+52"/>
        <source>Out of memory for a big number</source>
        <translation>大数运算内存不足</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Division by zero in a big number</source>
        <translation>大数运算中出现除以零</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <source>Big number exponentiation failed</source>
        <translation>大数幂运算失败</translation>
    </message>
</context>
<context>
    <name>EncMD5</name>
    <message>
        <location filename="../encrypt/EncMD5.cpp" line="+17"/>
        <source>MD5 digest not available</source>
        <translation>MD5 摘要不可用</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+7"/>
        <source>MD5 digest failed</source>
        <translation>MD5 摘要计算失败</translation>
    </message>
</context>
<context>
    <name>EncRSAKey</name>
    <message>
        <location filename="../encrypt/EncRSAKey.cpp" line="+7"/>
        <source>Invalid RSA Key</source>
        <translation>无效的 RSA 密钥</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Asymmetric Key</source>
        <translation>无效的非对称密钥</translation>
    </message>
</context>
<context>
    <name>EncRSASSA</name>
    <message>
        <location filename="../encrypt/EncRSASSA.cpp" line="+34"/>
        <source>Invalid key size for RSASSA</source>
        <translation>RSASSA 的密钥长度无效</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Invalid RSA public key</source>
        <translation>无效的 RSA 公钥</translation>
    </message>
</context>
<context>
    <name>EncRijndael</name>
    <message>
        <location filename="../encrypt/EncRijndael.cpp" line="+14"/>
        <source>Invalid file format</source>
        <translation>无效的文件格式</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>AES cipher not available</source>
        <translation>AES 加密不可用</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>AES cipher failed</source>
        <translation>AES 加解密失败</translation>
    </message>
    <message>
        <location line="+61"/>
        <location line="+19"/>
        <source>Cipher mode not supported</source>
        <translation>不支持该加密模式</translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <location filename="../encrypt/Encrypt.cpp" line="+141"/>
        <source>Invalid signature key requested</source>
        <translation>请求了无效的签名密钥</translation>
    </message>
</context>
<context>
    <name>Exception</name>
    <message>
        <location filename="../common/Exception.cpp" line="+3"/>
        <source>Stream read error</source>
        <translation>数据流读取错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream write error</source>
        <translation>数据流写入错误</translation>
    </message>
</context>
<context>
    <name>FileStream</name>
    <message>
        <location filename="../common/FileStream.cpp" line="+24"/>
        <source>Cannot open file &quot;%1&quot;: it is not a regular file</source>
        <translation>无法打开文件“%1”：它不是普通文件</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>无法创建文件“%1”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>无法打开文件“%1”</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Stream seek error</source>
        <translation>数据流定位错误</translation>
    </message>
</context>
<context>
    <name>GameRecords</name>
    <message>
        <location filename="../game/data/GameRecords.cpp" line="+36"/>
        <location line="+70"/>
        <source>Records file: line %1 holds a number out of place</source>
        <translation>记录文件：第 %1 行中有位置不对的数字</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Records file: line %1 holds too few numbers</source>
        <translation>记录文件：第 %1 行中的数字太少</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Records file: its check does not match its contents</source>
        <translation>记录文件：校验值与内容不符</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it is not a records file of this program</source>
        <translation>记录文件：不是本程序的记录文件</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Records file: line %1 is not a game&apos;s</source>
        <translation>记录文件：第 %1 行不是游戏记录</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Records file: game %1 is recorded twice</source>
        <translation>记录文件：游戏 %1 被记录了两次</translation>
    </message>
</context>
<context>
    <name>GamesDatFormat</name>
    <message>
        <location filename="../game/data/GamesDatFormat.cpp" line="+165"/>
        <source>Problem with GAMES.DAT file. Expected %1 issues, %2 games: found %3 and %4</source>
        <translation>GAMES.DAT 文件有问题。应有 %1 期、%2 局游戏，实际为 %3 期、%4 局</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Problem with GAMES.DAT file. Expected to write %1 games: wrote %2</source>
        <translation>GAMES.DAT 文件有问题。应写入 %1 局游戏，实际写入 %2 局</translation>
    </message>
</context>
<context>
    <name>GamesFile</name>
    <message>
        <location filename="../game/data/GamesFile.cpp" line="+127"/>
        <source>Invalid file %1 - its numbers are those of the games made on this computer</source>
        <translation>无效的文件 %1 - 其编号属于本机生成的游戏</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1 is not an issue file (*.ISS)</source>
        <translation>%1 不是期号文件 (*.ISS)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Issue file %1 is not added: an issue file of that name came with the game</source>
        <translation>未添加期号文件 %1：游戏自带同名的期号文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Issue file %1 is not added: an issue file of that name is in %2 already</source>
        <translation>未添加期号文件 %1：%2 中已有同名的期号文件</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Issue file %1 is not added: its issue %2 is listed already as %3</source>
        <translation>未添加期号文件 %1：其期号 %2 已作为 %3 列出</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Issue file %1 could not be copied to %2: %3</source>
        <translation>无法将期号文件 %1 复制到 %2：%3</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>There are no issues listed in the games file</source>
        <translation>游戏文件中没有列出任何期号</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+111"/>
        <source>There are no games listed in the games file</source>
        <translation>游戏文件中没有列出任何游戏</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+139"/>
        <source>Game %1 is not listed in the games file and its first issue has no games</source>
        <translation>游戏文件中没有列出游戏 %1，且第一期中没有游戏</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Invalid issue file name &quot;%1&quot; in the games file</source>
        <translation>游戏文件中的期号文件名“%1”无效</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 has changed since its games were listed</source>
        <translation>期号文件 %1 在其游戏列入列表后已被更改</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Game %2 is not where the games file says</source>
        <translation>无效的文件 %1 - 游戏 %2 不在游戏文件所指的位置</translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <location filename="../game/generator/Generator.cpp" line="+267"/>
        <source>Layout %1 has no links: no %2 puzzles</source>
        <translation>布局 %1 没有关联格，无法生成“%2”难度的谜题</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Generator: layout %1 seed %2 gave a pyramid without a unique solution</source>
        <translation>生成器：布局 %1、种子 %2 生成的金字塔没有唯一解</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Generator: no %1 puzzle for layout %2 within %3 attempts (seed %4)</source>
        <translation>生成器：布局 %2 在 %3 次尝试内未能生成“%1”难度的谜题（种子 %4）</translation>
    </message>
    <message>
        <location filename="../game/generator/Generator.h" line="+63"/>
        <source>Making the pyramid was cancelled</source>
        <translation>已取消生成金字塔</translation>
    </message>
</context>
<context>
    <name>MadeGames</name>
    <message>
        <location filename="../game/data/MadeGames.cpp" line="+66"/>
        <source>Game %1 is not one of the games made on this computer</source>
        <translation>游戏 %1 不是本机生成的游戏</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot keep the damaged file %1 aside: %2</source>
        <translation>无法另存已损坏的文件 %1：%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game numbers are left for new games</source>
        <translation>已没有可供新游戏使用的游戏编号</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new game cannot be kept: %1</source>
        <translation>无法保存新游戏：%1</translation>
    </message>
</context>
<context>
    <name>MadeGamesFormat</name>
    <message>
        <location filename="../game/data/MadeGamesFormat.cpp" line="+37"/>
        <source>The checksum of the games made on this computer could not be computed</source>
        <translation>无法计算本机生成的游戏的校验和</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>wrong record format</source>
        <translation>记录格式错误</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong rebuild flag</source>
        <translation>重建标志错误</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a made game&apos;s issue</source>
        <translation>不是生成游戏的期号</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game number %1 is not a made game&apos;s</source>
        <translation>游戏编号 %1 不属于生成的游戏</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown layout type %1</source>
        <translation>未知的布局类型 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong stream kind</source>
        <translation>数据流类型错误</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>wrong puzzle stream size</source>
        <translation>谜题数据流大小错误</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>puzzle %1 holds a wrong digit or given flag</source>
        <translation>谜题 %1 中有错误的数字或已知数标志</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Invalid file %1 - %2</source>
        <translation>无效的文件 %1 - %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a file of games made on this computer</source>
        <translation>不是本机生成游戏的文件</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>damaged (its checksum does not match)</source>
        <translation>已损坏（校验和不符）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong version</source>
        <translation>版本错误</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+8"/>
        <source>game %1 is cut short</source>
        <translation>游戏 %1 的数据不完整</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>game %1: %2</source>
        <translation>游戏 %1：%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>game number %1 is listed twice or was never handed out</source>
        <translation>游戏编号 %1 被列出两次，或从未分配过</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bytes after the last game</source>
        <translation>最后一局游戏之后还有多余的字节</translation>
    </message>
</context>
<context>
    <name>MemoryStream</name>
    <message>
        <location filename="../common/MemoryStream.cpp" line="+44"/>
        <source>Stream seek error</source>
        <translation>数据流定位错误</translation>
    </message>
</context>
<context>
    <name>NewPyramid</name>
    <message>
        <location filename="../game/generator/NewPyramid.cpp" line="+90"/>
        <source>Unknown layout type %1</source>
        <translation>未知的布局类型 %1</translation>
    </message>
</context>
<context>
    <name>NoPossibilities</name>
    <message>
        <location filename="../game/model/NoPossibilities.h" line="+9"/>
        <source>Possibilities error</source>
        <translation>候选数计算错误</translation>
    </message>
</context>
<context>
    <name>PdfBookletPrinter</name>
    <message>
        <location filename="../game/display/PdfBookletPrinter.cpp" line="+56"/>
        <source>The PDF file could not be started</source>
        <translation>无法开始生成 PDF 文件</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The PDF file could not take another page</source>
        <translation>无法向 PDF 文件添加新页</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The PDF file is incomplete: a part of the booklet was abandoned</source>
        <translation>PDF 文件不完整：题册的一部分未能完成</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The PDF file has no pages</source>
        <translation>PDF 文件没有任何页面</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The PDF file could not be completed</source>
        <translation>无法完成 PDF 文件</translation>
    </message>
</context>
<context>
    <name>Puzzle</name>
    <message>
        <location filename="../game/model/Puzzle.cpp" line="+282"/>
        <source>An undo record names a square, a digit or a stamp no puzzle has</source>
        <translation>撤销记录中含有任何谜题都没有的格、数字或标记</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A checkpoint keeps a number of records no puzzle has</source>
        <translation>检查点保存的记录数与任何谜题都不符</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A value to redo names a square, a digit or a stamp no puzzle has</source>
        <translation>要重做的值中含有任何谜题都没有的格、数字或标记</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Invalid entries text: cell %1 is missing</source>
        <translation>填写内容文本无效：缺少格 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid entries text: cell %1 is not a number</source>
        <translation>填写内容文本无效：格 %1 不是数字</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Invalid marks text: cell %1 is missing</source>
        <translation>笔记文本无效：缺少格 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid marks text: cell %1 is not a number</source>
        <translation>笔记文本无效：格 %1 不是数字</translation>
    </message>
</context>
<context>
    <name>PuzzleXLink</name>
    <message>
        <location filename="../game/pyramid/PuzzleXLink.cpp" line="+118"/>
        <source>Puzzle stream too short: record %1 of %2 (%3) has %4 of %5 bytes</source>
        <translation>谜题数据流过短：第 %1 条记录（共 %2 条，%3）只有 %4 字节，应有 %5 字节</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Puzzle stream record %1 (%2): solution digit %3 in cell %4 is not 1 to 9</source>
        <translation>谜题数据流第 %1 条记录（%2）：格 %4 中的答案数字 %3 不在 1 到 9 之间</translation>
    </message>
</context>
<context>
    <name>QVPrinting</name>
    <message>
        <location filename="../game/display/QVPrinting.cpp" line="+148"/>
        <source>The printer reports no resolution, so the booklet cannot be laid out</source>
        <translation>打印机未报告分辨率，无法排版题册</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The booklet does not fit on the printer&apos;s page of %1 x %2 inches. Please choose A4 or Letter paper.</source>
        <translation>题册无法放入打印机 %1 x %2 英寸的纸张。请选择 A4 或 Letter 纸张。</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Booklet printing: the pyramid has no puzzle %1</source>
        <translation>打印题册：金字塔中没有谜题 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent Puzzle</source>
        <translation>主盘</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Child Puzzle %1</source>
        <translation>子盘 %1</translation>
    </message>
    <message>
        <location filename="../game/display/QVPrinting.h" line="+49"/>
        <source>Please reinsert pages for second side of duplexing</source>
        <translation>请重新放入纸张，以打印双面的第二面</translation>
    </message>
</context>
<context>
    <name>QtBookletPrinter</name>
    <message>
        <location filename="../game/display/QtBookletPrinter.cpp" line="+40"/>
        <source>Printing on &quot;%1&quot; could not be started</source>
        <translation>无法在“%1”上开始打印</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The printer &quot;%1&quot; reported an error while printing</source>
        <translation>打印机“%1”在打印时报告了错误</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The printer &quot;%1&quot; could not start a new page</source>
        <translation>打印机“%1”无法开始新的一页</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <location filename="../game/pyramid/RecoveryFile.cpp" line="+48"/>
        <source>Recovery file: it ends before its &quot;%1&quot; line</source>
        <translation>恢复文件：在“%1”行之前就已结束</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its last line has no end</source>
        <translation>恢复文件：最后一行没有结尾</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: line %1 is too long</source>
        <translation>恢复文件：第 %1 行过长</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 is not its &quot;%2&quot; line</source>
        <translation>恢复文件：第 %1 行不是“%2”行</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: line %1 holds a number out of place</source>
        <translation>恢复文件：第 %1 行中有位置不对的数字</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recovery file: line %1 holds too few numbers</source>
        <translation>恢复文件：第 %1 行中的数字太少</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 holds too many numbers</source>
        <translation>恢复文件：第 %1 行中的数字太多</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Recovery file: it has no check at its end</source>
        <translation>恢复文件：末尾没有校验值</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its check does not match its contents</source>
        <translation>恢复文件：校验值与内容不符</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: it is not a recovery file of this program</source>
        <translation>恢复文件：不是本程序的恢复文件</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: a history is out of order or too long</source>
        <translation>恢复文件：某个历史记录顺序错误或过长</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Recovery file: it holds no puzzle&apos;s history</source>
        <translation>恢复文件：其中没有任何谜题的历史记录</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Recovery file: it holds %1 puzzles&apos; histories for a pyramid of %2 puzzles</source>
        <translation>恢复文件：金字塔有 %2 个谜题，文件中却有 %1 个谜题的历史记录</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the child shown is not one of the pyramid&apos;s</source>
        <translation>恢复文件：显示的子盘不属于该金字塔</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the puzzle the commands act on is not one of the pyramid&apos;s</source>
        <translation>恢复文件：命令作用的谜题不属于该金字塔</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: its entries are of another game</source>
        <translation>恢复文件：其中的填写内容属于另一局游戏</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../common/SafeFile.cpp" line="+15"/>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (the file is read-only)</source>
        <translation>%1（该文件为只读）</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <location filename="../game/pyramid/SavedGame.cpp" line="+38"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数值</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Saved game: more lines were asked for than the file holds</source>
        <translation>存档：请求的行数超过了文件中的行数</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Saved game: line %1 is longer than %2 characters</source>
        <translation>存档：第 %1 行超过 %2 个字符</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Saved game: the first line names no game</source>
        <translation>存档：第一行没有指明游戏</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved game: line %1 is not a values line</source>
        <translation>存档：第 %1 行不是数值行</translation>
    </message>
</context>
<context>
    <name>SolutionMaker</name>
    <message>
        <location filename="../game/generator/SolutionMaker.cpp" line="+200"/>
        <source>No pyramid solution found for layout %1</source>
        <translation>找不到布局 %1 的金字塔解</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <location filename="../game/ui/FileCommands.cpp" line="+37"/>
        <source>%1
The saved game &quot;%2&quot; could not be loaded.</source>
        <translation>%1
无法载入存档“%2”。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Tavrel sudoku save files (*.sav)|*.sav|All files (*.*)|*.*</source>
        <translation>Tavrel Sudoku 存档文件 (*.sav)|*.sav|所有文件 (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save puzzle entries</source>
        <translation>保存填写内容</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open previous entries</source>
        <translation>打开以前保存的内容</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Do you want to save your current solution?</source>
        <translation>是否保存当前的解答？</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot save the game in %1: %2</source>
        <translation>无法将游戏保存到 %1：%2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The saved game is of game %1 of issue %2, which the list of games does not hold</source>
        <translation>该存档属于第 %2 期的第 %1 局游戏，但游戏列表中没有这局游戏</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Save booklet as PDF</source>
        <translation>将题册保存为 PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)|*.pdf|All files (*.*)|*.*</source>
        <translation>PDF 文件 (*.pdf)|*.pdf|所有文件 (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TGrid</name>
    <message>
        <location filename="../game/display/GridAccessible.cpp" line="+149"/>
        <source>Column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <location filename="../game/display/QVDisplayGrid.cpp" line="+78"/>
        <source>given</source>
        <translation>已知数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entered</source>
        <translation>已填入</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>invalid</source>
        <translation>冲突</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>incorrect</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>empty</source>
        <translation>未填</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>marks %1</source>
        <extracomment>%1 the digits a square&apos;s pencil marks show, &quot;2 3 9&quot;.</extracomment>
        <translation>笔记 %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>step square</source>
        <translation>下一步的格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>step house</source>
        <translation>下一步的行、列或宫</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>first mistake</source>
        <translation>第一个错误</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a square&apos;s spoken description.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Row %1, column %2: %3</source>
        <extracomment>A square as a screen reader speaks it: its row, its column and what it holds.</extracomment>
        <translation>第 %1 行第 %2 列：%3</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../game/ui/HelpWindow.cpp" line="+47"/>
        <source>Tavrel Sudoku Help</source>
        <translation>Tavrel Sudoku 帮助</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back</source>
        <translation>后退(&amp;B)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Forward</source>
        <translation>前进(&amp;F)</translation>
    </message>
</context>
<context>
    <name>TMistakePresenter</name>
    <message>
        <location filename="../game/ui/MistakePresenter.cpp" line="+19"/>
        <location line="+46"/>
        <source>Every entry so far agrees with the solution.</source>
        <translation>目前填入的数字都与答案一致。</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Your first wrong entry is %1; 1 entry came after it.</source>
        <translation>你第一个填错的数字位于 %1，此后又填了 1 个数字。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your first wrong entry is %1; %2 entries came after it.</source>
        <translation>你第一个填错的数字位于 %1，此后又填了 %2 个数字。</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>1 entry taken back, the wrong one at %1 with it.</source>
        <translation>已撤回 1 个填入的数字，即 %1 处填错的那个。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 entries taken back, the first wrong one at %2 with them.</source>
        <translation>已撤回 %1 个填入的数字，其中包括 %2 处第一个填错的数字。</translation>
    </message>
</context>
<context>
    <name>TNarrator</name>
    <message>
        <location filename="../game/ui/Narrator.cpp" line="+36"/>
        <source>parent</source>
        <translation>主盘</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>子盘 %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, row %2, column %3</source>
        <translation>%1，第 %2 行第 %3 列</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>linked to %1</source>
        <translation>关联至 %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+18"/>
        <source>no change</source>
        <translation>没有变化</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>%1 entered</source>
        <translation>填入 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cleared</source>
        <translation>清除 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, also %1</source>
        <translation>，同时更新%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>mark %1 added</source>
        <translation>添加笔记 %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 added</source>
        <translation>添加笔记 %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mark %1 erased</source>
        <translation>擦除笔记 %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 erased</source>
        <translation>擦除笔记 %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>nothing to redo</source>
        <translation>没有可重做的操作</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>nothing to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 cleared again</source>
        <translation>再次清除 %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 taken back</source>
        <translation>撤回 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 entered again</source>
        <translation>再次填入 %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 back</source>
        <translation>恢复 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>marks made again</source>
        <translation>恢复笔记改动</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks taken back</source>
        <translation>撤回笔记改动</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>row %1, column %2</source>
        <translation>第 %1 行第 %2 列</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>redone: %1, %2</source>
        <translation>已重做：%1，%2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>undone: %1, %2</source>
        <translation>已撤销：%1，%2</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+51"/>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Child %1</source>
        <translation>子盘 %1</translation>
    </message>
</context>
<context>
    <name>TNewPyramidController</name>
    <message>
        <location filename="../game/ui/NewPyramidController.cpp" line="+101"/>
        <source>Making a new pyramid...</source>
        <translation>正在生成新的金字塔...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Pyramid</source>
        <translation>新建金字塔</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The new pyramid could not be made:
%1</source>
        <translation>无法生成新的金字塔：
%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The new pyramid could not be kept:
%1</source>
        <translation>无法保存新的金字塔：
%1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Delete the game &quot;%1&quot; that was made on this computer? It cannot be brought back.</source>
        <translation>要删除在本机上生成的游戏“%1”吗？删除后将无法恢复。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The game could not be deleted:
%1</source>
        <translation>无法删除游戏：
%1</translation>
    </message>
</context>
<context>
    <name>TPlayClock</name>
    <message>
        <location filename="../game/ui/PlayClock.cpp" line="+43"/>
        <source>Time played</source>
        <translation>游戏时间</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
</context>
<context>
    <name>TPrompter</name>
    <message>
        <location filename="../game/ui/Prompter.cpp" line="+16"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>TRecordKeeper</name>
    <message>
        <location filename="../game/ui/RecordKeeper.cpp" line="+28"/>
        <source>MMM dd</source>
        <extracomment>The form of a day in the record of a game (&quot;Dec 08&quot;), as QDate::toString reads it.</extracomment>
        <translation>M月d日</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Records file: it is larger than any record of games</source>
        <translation>记录文件：文件过大，不可能是游戏记录</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it could not be read whole</source>
        <translation>记录文件：无法完整读取</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The record of your games in %1 is damaged and was put aside as %2; a new record begins: %3</source>
        <translation>%1 中的游戏记录已损坏，已另存为 %2，将重新开始记录。原因：%3</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Solved %1 in %2</source>
        <translation>%1 完成，用时 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Started %1, %2 played</source>
        <translation>%1 开始，已玩 %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step shown</source>
        <translation>，显示过 1 步</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps shown</source>
        <translation>，显示过 %1 步</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step made</source>
        <translation>，执行过 1 步</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps made</source>
        <translation>，执行过 %1 步</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, solve commands used</source>
        <translation>，使用过求解命令</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The record of your games cannot be kept in %1: %2</source>
        <translation>无法将游戏记录保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>TRecoveryKeeper</name>
    <message>
        <location filename="../game/ui/RecoveryKeeper.cpp" line="+45"/>
        <source>Recovery file: it is larger than any game&apos;s</source>
        <translation>恢复文件：文件过大，不可能是游戏的恢复数据</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: it could not be read whole</source>
        <translation>恢复文件：无法完整读取</translation>
    </message>
    <message>
        <location line="+63"/>
        <location line="+18"/>
        <source>The recovery file %1 is damaged and was removed: %2</source>
        <translation>恢复文件 %1 已损坏，已将其删除：%2</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The game &quot;%1&quot; was not closed properly. Do you want to go on with it as it was at %2?</source>
        <translation>游戏“%1”未正常关闭。是否从 %2 时的状态继续？</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The game cannot be kept safe in %1: %2</source>
        <translation>无法在 %1 中保存游戏的恢复数据：%2</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <location filename="../game/ui/SettingsStore.cpp" line="+126"/>
        <source>The settings file %1 is not a regular file. The settings are not read from it or kept in it.</source>
        <translation>设置文件 %1 不是普通文件，不会从中读取设置，也不会将设置保存到其中。</translation>
    </message>
</context>
<context>
    <name>TSettingsValues</name>
    <message>
        <location filename="../game/model/SettingsValues.h" line="+21"/>
        <source>Scanning</source>
        <translation>宫排除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinned</source>
        <translation>行列排除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete 1-9 sequence</source>
        <translation>唯余法</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>显性数对</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>隐性数对</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XWings</source>
        <translation>X 翼</translation>
    </message>
</context>
<context>
    <name>TStepWords</name>
    <message>
        <location filename="../game/ui/StepWords.cpp" line="+15"/>
        <source>the parent</source>
        <extracomment>A puzzle named inside a sentence (&quot;its partner in the parent&quot;).</extracomment>
        <translation>主盘</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>子盘 %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1, column %2</source>
        <translation>第 %1 行第 %2 列</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The parent&apos;s %1</source>
        <extracomment>%1 is a place, &quot;row 5, column 3&quot;; opens a sentence.</extracomment>
        <translation>主盘的%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Child %1, %2</source>
        <extracomment>%1 is the child&apos;s number, %2 a place, &quot;row 2, column 7&quot;; opens a sentence.</extracomment>
        <translation>子盘 %1 的%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>box %1</source>
        <translation>第 %1 宫</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1; %2</source>
        <extracomment>Joins all but the last two items of a list: &quot;1, 2&quot; (of &quot;1, 2 and 9&quot;).</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 or %2</source>
        <translation>%1或%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 could hold %2 but for its partner in %3 (%4).</source>
        <extracomment>%1 a square&apos;s place, %2 digits, %3 a puzzle, %4 the partner&apos;s place.</extracomment>
        <translation>%1本可填入 %2，但受%3中关联格（%4）的限制而不能填入。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 could hold %2 but for their partners in %3 (%4).</source>
        <extracomment>%1 squares&apos; places, %2 digits, %3 a puzzle, %4 the partners&apos; places.</extracomment>
        <translation>%1本可填入 %2，但受%3中各自关联格（%4）的限制而不能填入。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Take %1 out of %2.</source>
        <extracomment>%1 digits, %2 places: the candidates to strike out.</extracomment>
        <translation>从%2的候选数中删去 %1。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 and its partner in %2 (%3) together leave only %4 (%5).</source>
        <extracomment>%1 a square, %2 a puzzle, %3 the partner&apos;s place, %4 the digit, %5 the method.</extracomment>
        <translation>%1与%2中的关联格（%3）合起来看，只剩 %4 可填（%5）。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 must be %2: it is the only digit that square can hold (%3).</source>
        <extracomment>%1 a square, %2 the digit, %3 the method.</extracomment>
        <translation>%1必须是 %2：这是该格唯一能填的数字（%3）。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 must be %2: it is the only square of %3 that can hold %2 (%4).</source>
        <extracomment>%1 a square, %2 the digit, %3 a row, column or box, %4 the method.</extracomment>
        <translation>%1必须是 %2：在%3中只有这一格能填 %2（%4）。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 (with its partner in %2, %3)</source>
        <extracomment>%1 a square&apos;s place, %2 a puzzle, %3 the partner&apos;s place.</extracomment>
        <translation>%1（连同%2中的关联格%3）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>In %1, %2 and %3 can hold only %4, so no other square of %5 can hold %6 (%7).</source>
        <extracomment>%1 a puzzle, %2 and %3 the pair&apos;s squares, %4 its digits (&quot;5 and 8&quot;), %5 a house, %6 the digits as alternatives (&quot;5 or 8&quot;), %7 the method.</extracomment>
        <translation>在%1中，%2和%3只能填 %4，因此%5中的其他格都不能填 %6（%7）。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In %1, %2 can go only in %3 and %4 of %5, so those two squares hold no other digit (%6).</source>
        <extracomment>%1 a puzzle, %2 the pair&apos;s digits, %3 and %4 its squares, %5 a house, %6 the method.</extracomment>
        <translation>在%1中，%2在%5中只能填在%3和%4，因此这两格不能填其他数字（%6）。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a %1 step</source>
        <extracomment>%1 a method&apos;s name.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>a %1 step with the help of its partner in %2</source>
        <extracomment>%1 a method&apos;s name, %2 a puzzle.</extracomment>
        <translation>借助%2中关联格的%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a %1 step with the help of its partners in %2</source>
        <extracomment>%1 a method&apos;s name, %2 puzzles.</extracomment>
        <translation>借助%2中各关联格的%1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The solving methods find no further step from these entries.</source>
        <translation>按当前的解题方法，从现有的填写内容中找不到下一步。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every square is filled in: there is no step left.</source>
        <translation>所有格都已填满，没有剩下的步骤了。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One of the entries is wrong, so no step can follow from them until it is taken back.</source>
        <translation>有一个填入的数字是错误的，在撤回它之前无法推出下一步。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2, which is not its solution: take it back before the next step.</source>
        <extracomment>%1 a square, %2 the digit it holds.</extracomment>
        <translation>%1填入的 %2 不是正确答案：请先撤回它，再进行下一步。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Look at %1: %2.</source>
        <extracomment>%1 a puzzle, %2 the kind of step (&quot;a Scanning step&quot;).</extracomment>
        <translation>请看%1：这一步用的是%2。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Look at %1 of %2: %3.</source>
        <extracomment>%1 a row, column or box, %2 a puzzle, %3 the kind of step.</extracomment>
        <translation>请看%2的%1：这一步用的是%3。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 and %2: %3.</source>
        <extracomment>%1 a square, %2 a second square&apos;s place in the same puzzle, %3 the kind of step.</extracomment>
        <translation>请看%1和%2：这一步用的是%3。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2.</source>
        <extracomment>%1 a square, %2 the kind of step.</extracomment>
        <translation>请看%1：这一步用的是%2。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the parent&apos;s %1</source>
        <extracomment>%1 a place (&quot;row 3, column 5&quot;), inside a sentence.</extracomment>
        <translation>主盘的%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>child %1&apos;s %2</source>
        <extracomment>%1 the child&apos;s number, %2 a place (&quot;row 2, column 7&quot;), inside a sentence.</extracomment>
        <translation>子盘 %1 的%2</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../game/ui/QVAbout.cpp" line="+63"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TfrmChoosePuzzle</name>
    <message>
        <location filename="../game/ui/ChoosePuzzle.cpp" line="+73"/>
        <source>Choose Game</source>
        <translation>选择游戏</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete a game made on this computer</source>
        <translation>删除在本机上生成的游戏</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>solved</source>
        <translation>已完成</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>started</source>
        <translation>已开始</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <location filename="../game/ui/QVMainCommands.cpp" line="+91"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose &amp;game...</source>
        <translation>选择游戏(&amp;G)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Pyramid...</source>
        <translation>新建金字塔(&amp;N)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Issue File...</source>
        <translation>添加期号文件(&amp;I)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;tatistics...</source>
        <translation>统计(&amp;T)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load saved game...</source>
        <translation>载入存档(&amp;L)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Booklet as P&amp;DF...</source>
        <translation>将题册保存为 PDF(&amp;D)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Setup</source>
        <translation>页面设置</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Settings...</source>
        <translation>设置(&amp;E)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;dit</source>
        <translation>编辑(&amp;D)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undo to Before &amp;Mistake</source>
        <translation>撤销到第一个错误之前(&amp;M)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Checkpoint</source>
        <translation>设置检查点(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U&amp;ndo to checkpoint</source>
        <translation>撤销到检查点(&amp;N)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Auto Pencil (Linked)</source>
        <translation>自动笔记（关联）(&amp;A)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto &amp;Pencil (Separate)</source>
        <translation>自动笔记（独立）(&amp;P)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;User Marks (Linked)</source>
        <translation>手动笔记（关联）(&amp;U)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>User &amp;Marks (Separate)</source>
        <translation>手动笔记（独立）(&amp;M)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Hide Pencil Marks</source>
        <translation>隐藏笔记(&amp;H)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Candidates</source>
        <translation>候选数(&amp;C)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Filled</source>
        <translation>已排除数(&amp;F)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Timer</source>
        <translation>计时器(&amp;T)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pau&amp;se</source>
        <translation>暂停(&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Actual Si&amp;ze</source>
        <translation>实际大小(&amp;Z)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hi &amp;Lites</source>
        <translation>高亮范围(&amp;L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Child only</source>
        <translation>仅子盘(&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Parent only</source>
        <translation>仅主盘(&amp;P)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Both</source>
        <translation>两者(&amp;B)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+101"/>
        <source>&amp;Child</source>
        <translation>子盘(&amp;C)</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+101"/>
        <source>Child &amp;%1</source>
        <translation>子盘 &amp;%1</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>&amp;Parent click selects child</source>
        <translation>单击主盘时选择子盘(&amp;P)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level &amp;1 (Top)</source>
        <translation>第 1 层（顶层）(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level &amp;2 (Bottom)</source>
        <translation>第 2 层（底层）(&amp;B)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pu&amp;zzle</source>
        <translation>谜题(&amp;Z)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Reset Child</source>
        <translation>重置子盘(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;All</source>
        <translation>全部重置(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;Parent</source>
        <translation>重置主盘(&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+71"/>
        <source>&amp;Next Step</source>
        <translation>下一步(&amp;N)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Appl&amp;y Step</source>
        <translation>执行一步(&amp;Y)</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Show First &amp;Mistake</source>
        <translation>显示第一个错误(&amp;M)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Solve Child</source>
        <translation>求解子盘(&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Children</source>
        <translation>求解全部子盘(&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve P&amp;arent</source>
        <translation>求解主盘(&amp;O)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Tavrel</source>
        <translation>求解整个 Tavrel(&amp;T)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game Help</source>
        <translation>游戏帮助</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku Site...</source>
        <translation>Tavrel Sudoku 网站...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+179"/>
        <source>Enter </source>
        <translation>填入 </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Erase </source>
        <translation>擦除 </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Pencil </source>
        <translation>笔记 </translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+282"/>
        <source>&amp;Enter</source>
        <translation>填入(&amp;E)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <location line="+3"/>
        <source>&amp;%1</source>
        <translation>&amp;%1</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Clear (&amp;0)</source>
        <translation>清除(&amp;0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Pencil</source>
        <translation>笔记(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>Era&amp;se</source>
        <translation>擦除(&amp;S)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Hi Lite</source>
        <translation>高亮(&amp;H)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;%1s</source>
        <translation>&amp;%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pairs</source>
        <translation>数对(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>None (&amp;0)</source>
        <translation>无(&amp;0)</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainCompose.cpp" line="-256"/>
        <source>These LEDs can be used to select the child puzzle</source>
        <translation>单击这些 LED 可选择子盘</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>These bars can be used to select the child puzzle</source>
        <translation>单击这些进度条可选择子盘</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This option sets the value</source>
        <translation>选择要使用的数字</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Clr</source>
        <extracomment>The button that releases every digit button of the sheet.</extracomment>
        <translation>清空</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: release all</source>
        <translation>%1：全部取消选中</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1 sheet</source>
        <translation>%1 面板</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Parent&apos;s digits</source>
        <translation>主盘的数字</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Child&apos;s digits</source>
        <translation>子盘的数字</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Parent click selects child</source>
        <translation>单击主盘选子盘</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enter</source>
        <translation>填入</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Del</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter: delete</source>
        <translation>填入：删除</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pencil</source>
        <translation>笔记</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erase</source>
        <translation>擦除</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Hi Lite</source>
        <translation>高亮</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hi Lite pairs</source>
        <translation>高亮：数对</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Next step</source>
        <translation>下一步</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainEntry.cpp" line="+148"/>
        <source>Parent click selects child: on</source>
        <translation>单击主盘时选择子盘：开</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent click selects child: off</source>
        <translation>单击主盘时选择子盘：关</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+83"/>
        <source>Digit %1: 1 row</source>
        <translation>数字 %1：1 行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digit %1: %2 rows</source>
        <translation>数字 %1：%2 行</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 of %3 entered</source>
        <extracomment>A progress bar&apos;s spoken name: a puzzle, how many squares are filled of how many.</extracomment>
        <translation>%1：已填 %2 格，共 %3 格</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whole pyramid</source>
        <translation>整个金字塔</translation>
    </message>
    <message>
        <location filename="../game/display/ProgressRules.h" line="+42"/>
        <source>Congratulations</source>
        <translation>恭喜</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Puzzle solved</source>
        <translation>谜题已完成</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorry your solution is not correct.</source>
        <translation>很遗憾，你的解答不正确。</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainGame.cpp" line="+54"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="-1"/>
        <source>Parent</source>
        <translation>主盘</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+217"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+0"/>
        <source>Child %1</source>
        <translation>子盘 %1</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;No games were found.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Tavrel Sudoku looks for its issue files (*.ISS) in the folder&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Add them with &quot;Add Issue File...&quot; in the File menu, or put them there and start the game again.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;未找到任何游戏。&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Tavrel Sudoku 在以下文件夹中查找期号文件 (*.ISS)：&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;请通过“文件”菜单中的“添加期号文件...”添加，或将文件放入该文件夹后重新启动游戏。&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Unable to read puzzle - contact Tavrel Sudoku about your game files
%1</source>
        <translation>无法读取谜题，请就游戏文件的问题联系 Tavrel Sudoku。
%1</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainIssues.cpp" line="+13"/>
        <source>Add issue file</source>
        <translation>添加期号文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku issue files (*.ISS)|*.ISS;*.iss|All files (*.*)|*.*</source>
        <translation>Tavrel Sudoku 期号文件 (*.ISS)|*.ISS;*.iss|所有文件 (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 was added with %2 games; &quot;Choose game...&quot; lists them.</source>
        <translation>已添加 %1，共 %2 局游戏；可在“选择游戏...”中找到。</translation>
    </message>
    <message>
        <location filename="../game/ui/QVUtils.cpp" line="+18"/>
        <source>Please check your installation. Also check if there has been an update.
Please inform us of this error message.</source>
        <translation>请检查程序的安装，并查看是否有更新。
请将此错误信息告知我们。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>TfrmNewPyramid</name>
    <message>
        <location filename="../game/ui/NewPyramidDialog.cpp" line="+35"/>
        <source>Any layout</source>
        <translation>任意布局</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centres</source>
        <translation>中心格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diagonals</source>
        <translation>对角线</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine apart</source>
        <translation>九盘独立</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Box centres</source>
        <translation>宫中心</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same places</source>
        <translation>相同位置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place diagonals</source>
        <translation>位置对角线</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine more</source>
        <translation>另加九盘</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One child</source>
        <translation>单个子盘</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre boxes</source>
        <translation>中央宫</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same boxes</source>
        <translation>相同宫</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to diagonals</source>
        <translation>行→对角线</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to columns</source>
        <translation>行→列</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to diagonals</source>
        <translation>列→对角线</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to rows</source>
        <translation>列→行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Singles</source>
        <translation>唯一数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>显性数对</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>隐性数对</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Singles</source>
        <translation>关联唯一数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Locked Pairs</source>
        <translation>关联显性数对</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Hidden Locked Pairs</source>
        <translation>关联隐性数对</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Pyramid</source>
        <translation>新建金字塔</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Layout:</source>
        <translation>布局(&amp;L)：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Grade:</source>
        <translation>难度(&amp;G)：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <location filename="../game/ui/Options.cpp" line="+44"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;General</source>
        <translation>常规(&amp;G)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Helpers</source>
        <translation>辅助(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Appearance</source>
        <translation>外观(&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Solving</source>
        <translation>求解(&amp;S)</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Click to enter</source>
        <translation>单击填入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mouse click sets value if only on possibile value left. (Ignores pencil marks.)</source>
        <translation>格中只剩一个可能的数字时，单击即可填入该数字（不考虑笔记）。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show LEDs</source>
        <translation>显示 LED</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn on/off the nearly completed indication LEDs. These can also be used  to select child grids.</source>
        <translation>打开或关闭提示即将完成的 LED。也可以单击这些 LED 来选择子盘。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show progress bars</source>
        <translation>显示进度条</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Value number same as Hi Lite</source>
        <translation>填入数字与高亮数字同步</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Erase number same as Hi Lite</source>
        <translation>擦除数字与高亮数字同步</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show hints on main screen</source>
        <translation>在主界面显示工具提示</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show congratulations when game solved</source>
        <translation>完成时显示祝贺信息</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game speaks the language chosen from its next start.</source>
        <translation>所选语言将在下次启动游戏时生效。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>System</source>
        <extracomment>The choice of the language the system uses.</extracomment>
        <translation>跟随系统</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the place to look</source>
        <translation>查看位置</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the house</source>
        <translation>行、列或宫</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the square</source>
        <translation>目标格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the whole step</source>
        <translation>完整的一步</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next Step shows at first:</source>
        <translation>“下一步”首先显示：</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Prevent removal of auto pencil marked solution  </source>
        <translation>防止从自动笔记中擦除正确数字</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Wrong Entries </source>
        <translation> 错误的数字 </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Highlight &amp;Invalid Entries</source>
        <translation>标出冲突的数字(&amp;I)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Highlight In&amp;correct Entries</source>
        <translation>标出错误的数字(&amp;C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In&amp;valid Has Priority</source>
        <translation>冲突优先(&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This setting gives slightly less hep than incorrect priority</source>
        <translation>此设置提供的帮助比“错误优先”稍少</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inco&amp;rrect Has Priority</source>
        <translation>错误优先(&amp;R)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Pencil mark selected square only</source>
        <translation>仅在选中的格中做笔记</translation>
    </message>
    <message>
        <location line="+15"/>
        <source> Method to use </source>
        <translation> 使用的方法 </translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <location filename="../game/ui/OptionsAppearance.cpp" line="+20"/>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High contrast</source>
        <translation>高对比度</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> Foreground </source>
        <translation> 前景 </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Revealed value</source>
        <translation>已知数(&amp;R)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Entered Value</source>
        <translation>填入的数字(&amp;E)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Invalid entry</source>
        <translation>冲突的数字(&amp;I)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>In&amp;correct entry</source>
        <translation>错误的数字(&amp;C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Pencil marks</source>
        <translation>笔记(&amp;P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Selected square</source>
        <translation>选中的格(&amp;S)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> LEDs </source>
        <translation> LED </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Off</source>
        <translation>熄灭(&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;8 Entries present</source>
        <translation>已填 8 个(&amp;8)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;9 Entries Present</source>
        <translation>已填 9 个(&amp;9)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Background </source>
        <translation> 背景 </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Normal cell</source>
        <translation>普通格(&amp;N)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Linked cell</source>
        <translation>关联格(&amp;L)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Hi Lites </source>
        <translation> 高亮 </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Font</source>
        <translation>文字(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Background</source>
        <translation>背景(&amp;B)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sche&amp;me</source>
        <translation>配色(&amp;M)</translation>
    </message>
    <message>
        <location filename="../game/ui/ColourBox.cpp" line="+70"/>
        <source>Custom...</source>
        <translation>自定义...</translation>
    </message>
</context>
<context>
    <name>TfrmStatistics</name>
    <message>
        <location filename="../game/ui/Statistics.cpp" line="+38"/>
        <source>Solving times by grade</source>
        <translation>各难度的解题用时</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: %2 solved, median %3</source>
        <translation>%1：已完成 %2 局，中位数 %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+12"/>
        <source>No game solved yet</source>
        <translation>尚未完成任何游戏</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>| median</source>
        <translation>| 中位数</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Solved</source>
        <translation>已完成</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best time</source>
        <translation>最佳用时</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Median time</source>
        <translation>中位用时</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Without help</source>
        <translation>独立完成</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Grade</source>
        <translation>难度</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Issue</source>
        <translation>期号</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>By &amp;grade</source>
        <translation>按难度(&amp;G)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;issue</source>
        <translation>按期号(&amp;I)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Made on this computer</source>
        <translation>本机生成</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Other games</source>
        <translation>其他游戏</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All games</source>
        <translation>全部游戏</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There are no games listed.</source>
        <translation>列表中没有游戏。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have solved %1 of %2 games, %3 of them without help.</source>
        <translation>你已完成 %2 局中的 %1 局，其中 %3 局为独立完成。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
</TS>
