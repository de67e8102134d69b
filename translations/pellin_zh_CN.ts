<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ErrorReportTexts</name>
    <message>
        <source>1 job failed. Send an error report to the maker?</source>
        <translation>1 个任务失败。要向开发者发送错误报告吗？</translation>
    </message>
    <message>
        <source>%1 jobs failed. Send an error report to the maker?</source>
        <translation>%1 个任务失败。要向开发者发送错误报告吗？</translation>
    </message>
    <message>
        <source>… and %1 more (Show Details)</source>
        <translation>… 另有 %1 条（显示细节）</translation>
    </message>
    <message>
        <source>It contains the program&apos;s version and these messages, with every file and folder name left out:</source>
        <translation>报告包含程序版本和以下消息，其中所有文件名和文件夹名均已省略：</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>发送(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Send</source>
        <translation>不发送(&amp;D)</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>不再询问</translation>
    </message>
</context>
<context>
    <name>OptionCatalog</name>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>what to convert: a folder and a file pattern (/docs/*.chm), a single file or a file: address</source>
        <translation>要转换的内容：文件夹加文件模式（/docs/*.chm）、单个文件或 file: 地址</translation>
    </message>
    <message>
        <source>the source&apos;s folder</source>
        <translation>源所在文件夹</translation>
    </message>
    <message>
        <source>folder that receives the PDF files</source>
        <translation>存放 PDF 文件的文件夹</translation>
    </message>
    <message>
        <source>search the sub-folders of the source folder too</source>
        <translation>同时搜索源文件夹的子文件夹</translation>
    </message>
    <message>
        <source>number of files converted at the same time</source>
        <translation>同时转换的文件数</translation>
    </message>
    <message>
        <source>when the PDF exists: True replaces it, False writes -pellin-&lt;name&gt;, skip leaves it</source>
        <translation>PDF 已存在时：True 替换它，False 写入 -pellin-&lt;名称&gt;，skip 保留它</translation>
    </message>
    <message>
        <source>rebuild the source&apos;s sub-folders below the target</source>
        <translation>在目标下重建源的子文件夹结构</translation>
    </message>
    <message>
        <source>give each PDF the times of its help file</source>
        <translation>让每个 PDF 使用其帮助文件的时间</translation>
    </message>
    <message>
        <source>delete the help file after a successful conversion</source>
        <translation>转换成功后删除帮助文件</translation>
    </message>
    <message>
        <source>after a successful conversion, rename the help file by appending this text to its name</source>
        <translation>转换成功后，在帮助文件名后追加此文本以重命名</translation>
    </message>
    <message>
        <source>use the macro target extension for documents with macros</source>
        <translation>对含宏的文档使用宏目标扩展名</translation>
    </message>
    <message>
        <source>PDF printer used when the office cannot export</source>
        <translation>办公套件无法导出时使用的 PDF 打印机</translation>
    </message>
    <message>
        <source>wait until the PDF printer has taken the previous output name</source>
        <translation>等待 PDF 打印机取走上一个输出文件名</translation>
    </message>
    <message>
        <source>show the word processor&apos;s window, minimised</source>
        <translation>最小化显示文字处理程序的窗口</translation>
    </message>
    <message>
        <source>open existing documents read-only</source>
        <translation>以只读方式打开现有文档</translation>
    </message>
    <message>
        <source>open existing documents with a blank password</source>
        <translation>用空密码打开现有文档</translation>
    </message>
    <message>
        <source>regular expression that a found file&apos;s full path must also match</source>
        <translation>找到的文件的完整路径还必须匹配的正则表达式</translation>
    </message>
    <message>
        <source>leave hidden files out of the search</source>
        <translation>搜索时跳过隐藏文件</translation>
    </message>
    <message>
        <source>run without a window and end when the run is done</source>
        <translation>无窗口运行，完成后退出</translation>
    </message>
    <message>
        <source>the window converts at its first show and closes after the run</source>
        <translation>窗口首次显示时即开始转换，完成后关闭</translation>
    </message>
    <message>
        <source>above 0: the window repeats the run after this many milliseconds</source>
        <translation>大于 0：窗口在这么多毫秒后重复运行</translation>
    </message>
    <message>
        <source>file that receives the run log at the end of a run; with Shard, %K stands for the shard number</source>
        <translation>运行结束时写入运行日志的文件；使用 Shard 时，%K 表示分片编号</translation>
    </message>
    <message>
        <source>PDF outline: Contents (the help file&apos;s contents tree), Headings, or None</source>
        <translation>PDF 书签：Contents（帮助文件的目录树）、Headings（标题）或 None</translation>
    </message>
    <message>
        <source>write archival PDF/A-2b</source>
        <translation>写入归档用 PDF/A-2b</translation>
    </message>
    <message>
        <source>write a tagged (accessible) PDF</source>
        <translation>写入带标记（无障碍）的 PDF</translation>
    </message>
    <message>
        <source>no progress lines and no summary on standard error in a windowless run (warnings and errors still show)</source>
        <translation>无窗口运行时不在标准错误上输出进度行和摘要（警告和错误仍会显示）</translation>
    </message>
    <message>
        <source>print how long each step of each job took (windowless run)</source>
        <translation>输出每个任务每一步所用的时间（无窗口运行）</translation>
    </message>
    <message>
        <source>K/N: convert only the files of shard K of N (0 &lt;= K &lt; N), for splitting a shelf across machines</source>
        <translation>K/N：只转换 N 份中第 K 份的文件（0 &lt;= K &lt; N），用于在多台机器间分担</translation>
    </message>
    <message>
        <source>expects True, False or a number</source>
        <translation>应为 True、False 或数字</translation>
    </message>
    <message>
        <source>expects a whole number</source>
        <translation>应为整数</translation>
    </message>
    <message>
        <source>expects True, False or skip</source>
        <translation>应为 True、False 或 skip</translation>
    </message>
    <message>
        <source>expects K/N with 0 &lt;= K &lt; N, such as 0/4</source>
        <translation>应为 K/N，且 0 &lt;= K &lt; N，例如 0/4</translation>
    </message>
    <message>
        <source>start each topic on a new page (else the topics follow each other as written)</source>
        <translation>每个主题从新页开始（否则主题按原样依次排列）</translation>
    </message>
</context>
<context>
    <name>OptionLineTexts</name>
    <message>
        <source>line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option</source>
        <translation>%1：%2 不是已知选项</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option; did you mean %3?</source>
        <translation>%1：%2 不是已知选项；您是指 %3 吗？</translation>
    </message>
    <message>
        <source>%1: %2 is given again; only line %3 is read</source>
        <translation>%1：%2 重复给出；只读取第 %3 行</translation>
    </message>
    <message>
        <source>%1: %2 %3; the default %4 is used</source>
        <translation>%1：%2 %3；使用默认值 %4</translation>
    </message>
</context>
<context>
    <name>QuestionTexts</name>
    <message>
        <source>The options of the batch project have been changed.</source>
        <translation>批处理项目的选项已更改。</translation>
    </message>
    <message>
        <source>Do you want to save them?</source>
        <translation>要保存吗？</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>放弃(&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Some option lines will not be read as written.</source>
        <translation>部分选项行不会按所写内容读取。</translation>
    </message>
    <message>
        <source>Go &amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Accept Anyway</source>
        <translation>仍然接受(&amp;A)</translation>
    </message>
</context>
<context>
    <name>SummaryTexts</name>
    <message>
        <source>%1 h %2 min %3 s</source>
        <translation>%1 小时 %2 分 %3 秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 skipped, %4 not converted in %5</source>
        <translation>已转换 %1 个，失败 %2 个，跳过 %3 个，未转换 %4 个，用时 %5</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 skipped in %4</source>
        <translation>已转换 %1 个，失败 %2 个，跳过 %3 个，用时 %4</translation>
    </message>
</context>
<context>
    <name>TvxFrmAbout</name>
    <message>
        <source>Click or press a key to close.</source>
        <translation>单击或按任意键关闭。</translation>
    </message>
    <message>
        <source>LibreOffice (not yet asked)</source>
        <translation>LibreOffice（尚未查询）</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>Made with %1</source>
        <translation>使用 %1 构建</translation>
    </message>
    <message>
        <source>Converts with %1</source>
        <translation>使用 %1 转换</translation>
    </message>
    <message>
        <source>LibreOffice (not found)</source>
        <translation>LibreOffice（未找到）</translation>
    </message>
    <message>
        <source>Copyright © 2025 Pellin.</source>
        <translation>版权所有 © 2025 Pellin。</translation>
    </message>
    <message>
        <source>Free software: you may use, copy and share it.</source>
        <translation>自由软件：您可以使用、复制和分享。</translation>
    </message>
</context>
<context>
    <name>TvxFrmCfg</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>One option a line: Name=value</source>
        <translation>每行一个选项：名称=值</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Open the guide&apos;s list of options</source>
        <translation>打开指南中的选项列表</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Value used</source>
        <translation>使用的值</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>含义</translation>
    </message>
    <message>
        <source>Double-click an option to add it to the text</source>
        <translation>双击选项将其添加到文本中</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Settings of the word processor and the PDF printer</source>
        <translation>文字处理程序和 PDF 打印机的设置</translation>
    </message>
    <message>
        <source>Default value</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>Set in the text</source>
        <translation>在文本中设置</translation>
    </message>
</context>
<context>
    <name>TvxFrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>运行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>转换(&amp;C)</translation>
    </message>
    <message>
        <source>Convert the listed help files to PDF</source>
        <translation>将列出的帮助文件转换为 PDF</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>停止(&amp;P)</translation>
    </message>
    <message>
        <source>Stop the run</source>
        <translation>停止运行</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Finish the files in hand, then wait</source>
        <translation>完成正在处理的文件后等待</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>List the help files of the source folder</source>
        <translation>列出源文件夹中的帮助文件</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Open the target folder</source>
        <translation>打开目标文件夹</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <source>Open a batch project</source>
        <translation>打开批处理项目</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Start a new batch project</source>
        <translation>新建批处理项目</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>选项(&amp;P)…</translation>
    </message>
    <message>
        <source>Edit the options of the batch project</source>
        <translation>编辑批处理项目的选项</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the batch project</source>
        <translation>保存批处理项目</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>Save the batch project under a new name</source>
        <translation>以新名称保存批处理项目</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>检查更新(&amp;U)</translation>
    </message>
    <message>
        <source>Open the download page</source>
        <translation>打开下载页面</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>指南(&amp;G)</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>打开用户指南</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>主页(&amp;H)</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>打开主页</translation>
    </message>
    <message>
        <source>&amp;Support...</source>
        <translation>支持(&amp;S)…</translation>
    </message>
    <message>
        <source>Write an e-mail to support</source>
        <translation>给支持人员写电子邮件</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop source folder or file(s)</source>
        <translation>选择或拖放源文件夹或文件</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>源(&amp;S)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Choose a folder and click &quot;Search&quot; to list files</source>
        <translation>选择文件夹并单击“搜索”以列出文件</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Choose file(s) and click &quot;Convert&quot; to convert them</source>
        <translation>选择文件并单击“转换”进行转换</translation>
    </message>
    <message>
        <source>Su&amp;b folders</source>
        <translation>子文件夹(&amp;B)</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop target folder</source>
        <translation>选择或拖放目标文件夹</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>目标(&amp;T)</translation>
    </message>
    <message>
        <source>Choose a target folder to save the converted file(s)</source>
        <translation>选择保存转换后文件的目标文件夹</translation>
    </message>
    <message>
        <source>Drag &amp; drop file(s) here and click &quot;Convert&quot; to convert them</source>
        <translation>将文件拖放到此处并单击“转换”</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>添加文件…</translation>
    </message>
    <message>
        <source>Open Help File</source>
        <translation>打开帮助文件</translation>
    </message>
    <message>
        <source>Open Help File&apos;s Folder</source>
        <translation>打开帮助文件所在文件夹</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>打开 PDF</translation>
    </message>
    <message>
        <source>Open Target Folder</source>
        <translation>打开目标文件夹</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>从列表中移除</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>导出列表…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>已转换</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>未转换</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>日志文件</translation>
    </message>
    <message>
        <source>A run is going on: Stop or Pause it first.</source>
        <translation>正在运行：请先停止或暂停。</translation>
    </message>
    <message>
        <source>Choose a Target folder for the PDF files.</source>
        <translation>请为 PDF 文件选择目标文件夹。</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Copy Reason</source>
        <translation>复制原因</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>重试失败项</translation>
    </message>
    <message>
        <source>Show Run Log</source>
        <translation>显示运行日志</translation>
    </message>
    <message>
        <source>Choose a Source: a folder to search, or .chm files.</source>
        <translation>请选择源：要搜索的文件夹或 .chm 文件。</translation>
    </message>
    <message>
        <source>The Target %1 names no folder.</source>
        <translation>目标 %1 不是文件夹。</translation>
    </message>
    <message>
        <source>No %1 files found in %2 (Sub folders %3).</source>
        <translation>在 %2 中未找到 %1 文件（子文件夹：%3）。</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>No program could be started to open %1.</source>
        <translation>无法启动任何程序来打开 %1。</translation>
    </message>
    <message>
        <source>No failed job to retry.</source>
        <translation>没有可重试的失败任务。</translation>
    </message>
    <message>
        <source>Run Log</source>
        <translation>运行日志</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>已转换，有警告</translation>
    </message>
    <message>
        <source>No PDF to open: %1 — %2</source>
        <translation>没有可打开的 PDF：%1 — %2</translation>
    </message>
</context>
<context>
    <name>ui::JobDetailsPane</name>
    <message>
        <source>%1 %2 s</source>
        <translation>%1 %2 秒</translation>
    </message>
    <message>
        <source>Skipped: the PDF was there and is kept</source>
        <translation>已跳过：PDF 已存在，予以保留</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>已转换</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>已转换，有警告</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <source>Not converted: the run ended first</source>
        <translation>未转换：运行已先结束</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>原因：%1</translation>
    </message>
    <message>
        <source>PDF: %1</source>
        <translation>PDF：%1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>注意：%1</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>步骤：%1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>用时：%1</translation>
    </message>
</context>
<context>
    <name>ui::JobListView</name>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页数</translation>
    </message>
    <message>
        <source>Drop .chm files or folders here, or choose a Source</source>
        <translation>将 .chm 文件或文件夹拖放到此处，或选择源</translation>
    </message>
</context>
<context>
    <name>ui::RunStatusBar</name>
    <message>
        <source>Working time of the batch</source>
        <translation>批处理的工作时间</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 个失败</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>找到的文件：%1</translation>
    </message>
    <message>
        <source>Paused — Convert resumes</source>
        <translation>已暂停 — 单击“转换”继续</translation>
    </message>
</context>
</TS>
