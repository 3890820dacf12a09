<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutUs</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>latest version: %1</source>
        <translation>最新版本：%1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>net error</source>
        <translation>网络错误</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>当前已是最新版本</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>当前版本：</translation>
    </message>
    <message>
        <source>company</source>
        <translation>由 NuvoVR 开发</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>技术支持：https://www.nuvovr.example/faq/</translation>
    </message>
    <message>
        <source>web</source>
        <translation>官方网站：https://www.nuvovr.example/</translation>
    </message>
    <message>
        <source>openSource</source>
        <translation>开源许可</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>已添加 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n 个已在视频库中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n 个不是视频文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n 个无法读取</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n 个无法保存到视频库</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>未找到视频文件</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the parts of the summary of an addition.</extracomment>
        <translation>，</translation>
    </message>
</context>
<context>
    <name>CCorvaneDataProcResourceGuide</name>
    <message>
        <source>FaqPageUrl</source>
        <translation>https://www.nuvovr.example/faq/zh.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/zh.html</translation>
    </message>
</context>
<context>
    <name>ConfirmDelete</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Nuvo 助手</translation>
    </message>
    <message>
        <source>do you confirm to delete?</source>
        <translation>确定删除所选视频吗？</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Corvane</name>
    <message>
        <source>Latest version: %1</source>
        <translation>最新版本：%1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>Nuvo driftview helper</source>
        <translation>Nuvo driftview 助手</translation>
    </message>
    <message>
        <source>home   </source>
        <translation>首页</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>指南</translation>
    </message>
    <message>
        <source>about   </source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>cannot read the file</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>无法写入视频库文件</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>已添加：%1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>从 %1 起没有空闲的 TCP 端口：未提供任何服务。</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>正在端口 %1 上提供视频库。</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>无需窗口，即可在局域网内向 VR 头显提供 Corvane 视频库。</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>将视频库和设置保存在 &lt;文件夹&gt; 中，而不是通常的数据文件夹。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>&lt;端口&gt; 空闲时在其上监听，否则使用其后的下一个空闲端口。</translation>
    </message>
    <message>
        <source>port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>将文件添加到视频库后结束，不提供服务。</translation>
    </message>
    <message>
        <source>files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">要添加的视频文件（与 --add 一起使用）。</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1 不是有效的端口。</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>只有使用 --add FILE... 时才能添加文件。</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>要添加的视频文件或文件夹（配合 --add）。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 不是文件夹。</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>正在监视 %1。</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1 已在监视中。</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>无法写入监视的文件夹列表。</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>像窗口一样监视 &lt;文件夹&gt; 然后结束：服务器运行期间，其中出现的视频会加入视频库。</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>已连接的头显</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1 秒前</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>%1 分钟前</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>正在浏览列表</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>正在获取海报</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>正在播放 %1（%2%）</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>还有 %1 台</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>没有可用于广播的网络。</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>广播网络：</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>尚无头显连接。请确认头显与本电脑在同一网络，且防火墙放行 TCP %1 和 UDP %2。</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>添加视频</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>不是视频文件</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>该视频已添加</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>打开视频文件</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>视频文件(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>无法保存视频库，因此没有删除任何内容。请检查磁盘的可用空间，然后重试。</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>该视频无法保存到视频库。请检查可用磁盘空间后重试。</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>移除丢失的视频 (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>持续监视此文件夹</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>之后保存到此文件夹的视频会自动加入视频库。</translation>
    </message>
</context>
<context>
    <name>HomeSub</name>
    <message>
        <source>Form</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Video file missing</source>
        <translation>视频文件已丢失</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>自动识别</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>投影方式</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>立体布局</translation>
    </message>
    <message>
        <source>Mono (2D)</source>
        <translation>单眼 (2D)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>左右并排</translation>
    </message>
    <message>
        <source>Top-bottom</source>
        <translation>上下排列</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>File is adding , please wait for a  moment !</source>
        <translation>正在添加文件，请稍候！</translation>
    </message>
</context>
<context>
    <name>NuvoHomeUpdateDesc</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Nuvo 助手</translation>
    </message>
    <message>
        <source>updeta</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>desc</source>
        <translation>更新内容</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>当前已是最新版本</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>正在更新…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>更新失败</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>重新更新</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>无法创建文件夹，更新失败</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. 启动更快&lt;br/&gt;2. 问题修复&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>此副本由系统的软件包管理器安装：请通过它安装更新。</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>正在添加视频</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
<context>
    <name>PlayerAddressesView</name>
    <message>
        <source>Other players, in their browser:</source>
        <extracomment>Side panel, above the addresses to type into the DeoVR and HereSphere players&apos; browsers.</extracomment>
        <translation>其他播放器，在其浏览器中输入：</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>DLNA 播放器会自动找到“%1”。</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>not video file</source>
        <translation>不是视频文件</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>该视频已添加</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>另一个 Corvane（进程 %1）已在使用此数据文件夹提供服务：即将结束。</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>无网络</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>头显地址：%1  端口 %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>未提供服务：视频服务器无法启动</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>网络未连接</translation>
    </message>
</context>
<context>
    <name>VideoProjection</name>
    <message>
        <source>Flat</source>
        <extracomment>A video that is not VR: menu entry and badge.</extracomment>
        <translation>平面</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>360°</source>
        <translation>360°</translation>
    </message>
    <message>
        <source>Fisheye</source>
        <translation>鱼眼</translation>
    </message>
    <message>
        <source>Cubemap</source>
        <translation>立方体贴图</translation>
    </message>
    <message>
        <source>Fisheye %1</source>
        <extracomment>Badge of a fisheye video; %1 is its field of view in degrees.</extracomment>
        <translation>鱼眼 %1</translation>
    </message>
    <message>
        <source>%1 3D</source>
        <extracomment>Badge of a stereoscopic video; %1 is its projection (&quot;180&quot;, &quot;Flat&quot;, ...).</extracomment>
        <translation>%1 3D</translation>
    </message>
</context>
<context>
    <name>WatchedFoldersDialog</name>
    <message>
        <source>Watched folders</source>
        <translation>监视的文件夹</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>保存到这些文件夹的新视频会自动加入视频库。</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>停止监视</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1（不可用：磁盘未连接或文件夹已不存在）</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>当前没有监视任何文件夹。添加文件夹时，请勾选“持续监视此文件夹”。</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>无法保存监视的文件夹列表，因此仍会继续监视此文件夹。</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Video library</source>
        <translation>视频库</translation>
    </message>
    <message>
        <source>Loading the library…</source>
        <translation>正在加载视频库…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>视频库为空。</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>无法加载视频库。</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>选择一个视频即可在此播放。</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>File size in megabytes on the web page; %1 is the number.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Other players: %1</source>
        <extracomment>Web page; %1 is the addresses to type into the DeoVR and HereSphere players.</extracomment>
        <translation>其他播放器：%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found: running without a visible window.
</source>
        <translation>未找到显示器：在没有可见窗口的情况下运行。
</translation>
    </message>
</context>
<context>
    <name>mainMenu</name>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</source>
        <translation>视频服务器无法启动，头显无法连接到这台电脑。请重新启动 Corvane。</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>是否退出程序？</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>background</source>
        <translation>后台运行</translation>
    </message>
</context>
</TS>
