<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutUs</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>latest version: %1</source>
        <translation>最新バージョン：%1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>net error</source>
        <translation>ネットワークエラー</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>最新バージョンです</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>現在のバージョン：</translation>
    </message>
    <message>
        <source>company</source>
        <translation>開発元：NuvoVR</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>サポート：https://www.nuvovr.example/faq/</translation>
    </message>
    <message>
        <source>web</source>
        <translation>ウェブサイト：https://www.nuvovr.example/</translation>
    </message>
    <message>
        <source>openSource</source>
        <translation>オープンソースライセンス</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n 件追加</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n 件は追加済み</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n 件は動画ファイルではありません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n 件は読み取れません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n 件はライブラリに保存できません</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>動画ファイルが見つかりません</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the parts of the summary of an addition.</extracomment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>CCorvaneDataProcResourceGuide</name>
    <message>
        <source>FaqPageUrl</source>
        <translation>https://www.nuvovr.example/faq/ja.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/ja.html</translation>
    </message>
</context>
<context>
    <name>ConfirmDelete</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Nuvo ヘルパー</translation>
    </message>
    <message>
        <source>do you confirm to delete?</source>
        <translation>選択した動画を削除しますか？</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Corvane</name>
    <message>
        <source>Latest version: %1</source>
        <translation>最新バージョン：%1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>Nuvo driftview helper</source>
        <translation>Nuvo driftview ヘルパー</translation>
    </message>
    <message>
        <source>home   </source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>ガイド</translation>
    </message>
    <message>
        <source>about   </source>
        <translation>情報</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>cannot read the file</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>ライブラリファイルを書き込めません</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>追加しました：%1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>%1 以降に空いている TCP ポートがありません：何も提供されません。</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>ポート %1 でライブラリを提供しています。</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>ウィンドウなしで、LAN 上の VR ヘッドセットに Corvane のビデオライブラリを提供します。</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>ライブラリと設定を通常のデータフォルダーではなく &lt;フォルダー&gt; に保存します。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>&lt;ポート&gt; が空いていればそこで待ち受け、そうでなければその次の空きポートを使います。</translation>
    </message>
    <message>
        <source>port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>ファイルをライブラリに追加して終了します（提供はしません）。</translation>
    </message>
    <message>
        <source>files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">追加するビデオファイル（--add と一緒に使用）。</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1 はポートではありません。</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>ファイルは --add FILE... を指定したときだけ追加されます。</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>追加する動画ファイルまたはフォルダー（--add と共に）。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>%1 を監視します。</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1 はすでに監視中です。</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>監視中のフォルダーの一覧を書き込めません。</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>ウィンドウと同じように &lt;フォルダー&gt; を監視して終了します。そこに現れた動画は、サーバーの実行中にライブラリに追加されます。</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>接続したヘッドセット</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1 秒前</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>%1 分前</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>リストを閲覧中</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>ポスターを取得中</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>%1 を再生中（%2%）</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 台</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>通知先のネットワークがありません。</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>通知先：</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>ヘッドセットはまだ接続していません。このPCと同じネットワークにあり、ファイアウォールが TCP %1 と UDP %2 を許可しているか確認してください。</translation>
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
        <translation>すべて</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>動画を追加</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>動画ファイルではありません</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>この動画は追加済みです</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>動画ファイルを開く</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>動画ファイル(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;すべてのファイル(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>動画ライブラリを保存できなかったため、何も削除されていません。ディスクの空き容量を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>動画をライブラリに保存できませんでした。ディスクの空き容量を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>見つからない動画を削除 (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>このフォルダーを監視し続ける</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>後でこのフォルダーに保存された動画は自動的にライブラリに追加されます。</translation>
    </message>
</context>
<context>
    <name>HomeSub</name>
    <message>
        <source>Form</source>
        <translation>動画</translation>
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
        <translation>動画ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>自動で判定</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>投影方式</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>立体視レイアウト</translation>
    </message>
    <message>
        <source>Mono (2D)</source>
        <translation>モノ (2D)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>サイドバイサイド</translation>
    </message>
    <message>
        <source>Top-bottom</source>
        <translation>トップアンドボトム</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>File is adding , please wait for a  moment !</source>
        <translation>ファイルを追加しています。
しばらくお待ちください。</translation>
    </message>
</context>
<context>
    <name>NuvoHomeUpdateDesc</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Nuvo ヘルパー</translation>
    </message>
    <message>
        <source>updeta</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>desc</source>
        <translation>更新内容</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>最新バージョンです</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>更新しています…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>更新に失敗しました</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>フォルダーを作成できないため、更新に失敗しました</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. 起動の高速化&lt;br/&gt;2. 不具合の修正&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>このコピーはシステムのパッケージマネージャーでインストールされています。更新はパッケージマネージャーから行ってください。</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>動画を追加しています</translation>
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
        <translation>他のプレーヤーはブラウザーで：</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>DLNA プレーヤーは「%1」を自動で見つけます。</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>not video file</source>
        <translation>動画ファイルではありません</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>この動画は追加済みです</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>別の Corvane（プロセス %1）がすでにこのデータフォルダーを提供しています：終了します。</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>ウィンドウを表示</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>ネットワークなし</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>ヘッドセット用アドレス：%1  ポート %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>配信停止中：動画サーバーを起動できませんでした</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>ネットワークに接続されていません</translation>
    </message>
</context>
<context>
    <name>VideoProjection</name>
    <message>
        <source>Flat</source>
        <extracomment>A video that is not VR: menu entry and badge.</extracomment>
        <translation>フラット</translation>
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
        <translation>キューブマップ</translation>
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
        <translation>監視中のフォルダー</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>これらのフォルダーに保存された新しい動画は、自動的にライブラリに追加されます。</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>監視をやめる</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1（利用できません：ディスクが接続されていないか、フォルダーがありません）</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>監視中のフォルダーはありません。フォルダーを追加するときに「このフォルダーを監視し続ける」を選んでください。</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>監視中のフォルダーの一覧を保存できなかったため、このフォルダーは引き続き監視されます。</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Video library</source>
        <translation>動画ライブラリ</translation>
    </message>
    <message>
        <source>Loading the library…</source>
        <translation>ライブラリを読み込み中…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>ライブラリは空です。</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>ライブラリを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>動画を選ぶとここで再生します。</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>File size in megabytes on the web page; %1 is the number.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Other players: %1</source>
        <extracomment>Web page; %1 is the addresses to type into the DeoVR and HereSphere players.</extracomment>
        <translation>その他のプレーヤー：%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found: running without a visible window.
</source>
        <translation>ディスプレイが見つかりません。ウィンドウを表示せずに実行します。
</translation>
    </message>
</context>
<context>
    <name>mainMenu</name>
    <message>
        <source>IP Address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</source>
        <translation>動画サーバーを起動できなかったため、ヘッドセットはこの PC に接続できません。Corvane を再起動してください。</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>プログラムを終了しますか？</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>background</source>
        <translation>バックグラウンド</translation>
    </message>
</context>
</TS>
