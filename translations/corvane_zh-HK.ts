<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK" sourcelanguage="en">
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
        <translation>網絡錯誤</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>已是最新版本</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>現時版本：</translation>
    </message>
    <message>
        <source>company</source>
        <translation>由 NuvoVR 開發</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>技術支援：https://www.nuvovr.example/faq/</translation>
    </message>
    <message>
        <source>web</source>
        <translation>網站：https://www.nuvovr.example/</translation>
    </message>
    <message>
        <source>openSource</source>
        <translation>開源軟件授權</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>已加入 %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n 個已在影片庫內</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n 個不是影片檔案</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n 個無法讀取</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n 個無法儲存到影片庫</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>找不到影片檔案</translation>
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
        <translation>https://www.nuvovr.example/faq/zh-HK.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/zh-HK.html</translation>
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
        <translation>確定刪除所選影片嗎？</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>確定</translation>
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
        <translation>主頁</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>指南</translation>
    </message>
    <message>
        <source>about   </source>
        <translation>關於</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>cannot read the file</source>
        <translation>無法讀取該檔案</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>無法寫入影片庫檔案</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>已加入：%1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>由 %1 起沒有空閒的 TCP 端口：沒有提供任何服務。</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>正在端口 %1 上提供影片庫。</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>無需視窗，即可在區域網絡內向 VR 頭戴裝置提供 Corvane 影片庫。</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>將影片庫及設定儲存在 &lt;資料夾&gt; 中，而非一般的資料資料夾。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>&lt;端口&gt; 空閒時在其上監聽，否則使用其後的下一個空閒端口。</translation>
    </message>
    <message>
        <source>port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>將檔案加入影片庫後結束，不提供服務。</translation>
    </message>
    <message>
        <source>files</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">要加入的影片檔案（與 --add 一同使用）。</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1 不是有效的端口。</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>只有使用 --add FILE... 時才可加入檔案。</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>要加入的影片檔案或資料夾（配合 --add）。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 不是資料夾。</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>正在監察 %1。</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1 已在監察中。</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>無法寫入監察中的資料夾清單。</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>像視窗一樣監察 &lt;資料夾&gt; 然後結束：伺服器運行期間，其中出現的影片會加入影片庫。</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>已連接的頭戴裝置</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1 秒前</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>%1 分鐘前</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>正在瀏覽清單</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>正在取得海報</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>正在播放 %1（%2%）</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>還有 %1 部</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>沒有可用於廣播的網絡。</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>廣播網絡：</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>尚未有頭戴裝置連接。請確認裝置與這部電腦在同一網絡，而且防火牆容許 TCP %1 及 UDP %2。</translation>
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
        <translation>全選</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>加入影片</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>不是影片檔案</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>此影片已加入</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>開啟影片檔案</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>影片檔案(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;所有檔案(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>無法儲存影片庫，因此沒有刪除任何內容。請檢查磁碟的可用空間，然後再試一次。</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>無法將影片儲存至影片庫。請檢查可用磁碟空間後再試。</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>加入資料夾</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>移除遺失的影片 (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>加入資料夾</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>繼續監察此資料夾</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>之後儲存到此資料夾的影片會自動加入影片庫。</translation>
    </message>
</context>
<context>
    <name>HomeSub</name>
    <message>
        <source>Form</source>
        <translation>影片</translation>
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
        <translation>找不到影片檔案</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>自動辨識</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>投影方式</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>立體排列</translation>
    </message>
    <message>
        <source>Mono (2D)</source>
        <translation>單眼 (2D)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>左右並排</translation>
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
        <translation>正在加入檔案，請稍候！</translation>
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
        <translation>更新內容</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>已是最新版本</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>正在更新…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>更新失敗</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>重新更新</translation>
    </message>
    <message>
        <source>close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>無法建立資料夾，更新失敗</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. 啟動更快&lt;br/&gt;2. 修正問題&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>此副本由系統的套件管理員安裝：請透過它安裝更新。</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>正在加入影片</translation>
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
        <translation>其他播放器，在其瀏覽器中輸入：</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>DLNA 播放器會自動找到「%1」。</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>ok</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>not video file</source>
        <translation>不是影片檔案</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>此影片已加入</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>另一個 Corvane（程序 %1）已在使用此資料資料夾提供服務：即將結束。</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>顯示視窗</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>沒有網絡</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>頭戴裝置地址：%1  連接埠 %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>未有提供服務：影片伺服器無法啟動</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>未能連接網絡</translation>
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
        <translation>魚眼</translation>
    </message>
    <message>
        <source>Cubemap</source>
        <translation>立方體貼圖</translation>
    </message>
    <message>
        <source>Fisheye %1</source>
        <extracomment>Badge of a fisheye video; %1 is its field of view in degrees.</extracomment>
        <translation>魚眼 %1</translation>
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
        <translation>監察中的資料夾</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>儲存到這些資料夾的新影片會自動加入影片庫。</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>停止監察</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1（無法使用：磁碟未連接或資料夾已不存在）</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>目前沒有監察任何資料夾。加入資料夾時，請勾選「繼續監察此資料夾」。</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>無法儲存監察中的資料夾清單，因此仍會繼續監察此資料夾。</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Video library</source>
        <translation>影片庫</translation>
    </message>
    <message>
        <source>Loading the library…</source>
        <translation>正在載入影片庫…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>影片庫是空的。</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>無法載入影片庫。</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>選擇一段影片即可在此播放。</translation>
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
        <translation>找不到顯示器：在沒有可見視窗的情況下執行。
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
        <translation>影片伺服器無法啟動，頭戴裝置無法連接這部電腦。請重新啟動 Corvane。</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>是否退出程式？</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>background</source>
        <translation>背景執行</translation>
    </message>
</context>
</TS>
