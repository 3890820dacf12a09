<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>AboutUs</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>latest version: %1</source>
        <translation>최신 버전: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>net error</source>
        <translation>네트워크 오류</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>최신 버전입니다</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>현재 버전: </translation>
    </message>
    <message>
        <source>company</source>
        <translation>개발사: NuvoVR</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>고객 지원: https://www.nuvovr.example/faq/</translation>
    </message>
    <message>
        <source>web</source>
        <translation>웹사이트: https://www.nuvovr.example/</translation>
    </message>
    <message>
        <source>openSource</source>
        <translation>오픈 소스 라이선스</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n개 추가됨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n개는 이미 라이브러리에 있음</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n개는 동영상 파일이 아님</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n개를 읽을 수 없음</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n개를 라이브러리에 저장할 수 없음</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>동영상 파일을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the parts of the summary of an addition.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>CCorvaneDataProcResourceGuide</name>
    <message>
        <source>FaqPageUrl</source>
        <translation>https://www.nuvovr.example/faq/ko.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/ko.html</translation>
    </message>
</context>
<context>
    <name>ConfirmDelete</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Nuvo 도우미</translation>
    </message>
    <message>
        <source>do you confirm to delete?</source>
        <translation>선택한 동영상을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>Corvane</name>
    <message>
        <source>Latest version: %1</source>
        <translation>최신 버전: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>Nuvo driftview helper</source>
        <translation>Nuvo driftview 도우미</translation>
    </message>
    <message>
        <source>home   </source>
        <translation>홈</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>가이드</translation>
    </message>
    <message>
        <source>about   </source>
        <translation>정보</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>cannot read the file</source>
        <translation>파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>라이브러리 파일을 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>추가됨: %1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>%1 이상에 사용 가능한 TCP 포트가 없습니다: 아무것도 제공하지 않습니다.</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>포트 %1에서 라이브러리를 제공하는 중입니다.</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>창 없이 LAN의 VR 헤드셋에 Corvane 비디오 라이브러리를 제공합니다.</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>라이브러리와 설정을 일반 데이터 폴더 대신 &lt;폴더&gt;에 보관합니다.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>&lt;포트&gt;가 비어 있으면 그 포트에서, 아니면 그 위의 다음 빈 포트에서 수신합니다.</translation>
    </message>
    <message>
        <source>port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>파일을 라이브러리에 추가하고 종료합니다(제공하지 않음).</translation>
    </message>
    <message>
        <source>files</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">추가할 비디오 파일(--add와 함께 사용).</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1은(는) 포트가 아닙니다.</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>파일은 --add FILE...을 사용할 때만 추가됩니다.</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>추가할 동영상 파일 또는 폴더(--add와 함께).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1은(는) 폴더가 아닙니다.</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>%1을(를) 감시합니다.</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1은(는) 이미 감시 중입니다.</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>감시 중인 폴더 목록을 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>창과 같은 방식으로 &lt;폴더&gt;를 감시하고 끝냅니다. 그 안에 나타나는 동영상은 서버가 실행되는 동안 라이브러리에 추가됩니다.</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>연결된 헤드셋</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1초 전</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>%1분 전</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>목록 보는 중</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>포스터 받는 중</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>%1 재생 중 (%2%)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>외 %1대</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>알릴 네트워크가 없습니다.</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>알림 네트워크:</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>아직 연결된 헤드셋이 없습니다. 헤드셋이 이 PC와 같은 네트워크에 있는지, 방화벽이 TCP %1과 UDP %2를 허용하는지 확인하세요.</translation>
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
        <translation>전체</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>동영상 추가</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>동영상 파일이 아닙니다</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>이미 추가된 동영상입니다</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>동영상 파일 열기</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>동영상 파일(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;모든 파일(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>동영상 라이브러리를 저장할 수 없어 아무것도 삭제되지 않았습니다. 디스크 여유 공간을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>동영상을 라이브러리에 저장할 수 없습니다. 디스크 여유 공간을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>폴더 추가</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>없는 동영상 제거 (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>폴더 추가</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>이 폴더를 계속 감시</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>나중에 이 폴더에 저장되는 동영상은 자동으로 라이브러리에 추가됩니다.</translation>
    </message>
</context>
<context>
    <name>HomeSub</name>
    <message>
        <source>Form</source>
        <translation>동영상</translation>
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
        <translation>동영상 파일이 없습니다</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>자동 감지</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>투영 방식</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>입체 배치</translation>
    </message>
    <message>
        <source>Mono (2D)</source>
        <translation>모노 (2D)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>좌우 배치</translation>
    </message>
    <message>
        <source>Top-bottom</source>
        <translation>상하 배치</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>File is adding , please wait for a  moment !</source>
        <translation>파일을 추가하는 중입니다.
잠시 기다려 주세요.</translation>
    </message>
</context>
<context>
    <name>NuvoHomeUpdateDesc</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Nuvo 도우미</translation>
    </message>
    <message>
        <source>updeta</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>desc</source>
        <translation>업데이트 내용</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>최신 버전입니다</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>업데이트하는 중…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>업데이트 실패</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>폴더를 만들 수 없어 업데이트에 실패했습니다</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. 더 빠른 시작&lt;br/&gt;2. 오류 수정&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>이 사본은 시스템의 패키지 관리자로 설치되었습니다. 업데이트는 패키지 관리자를 통해 설치하세요.</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>동영상 추가 중</translation>
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
        <translation>다른 플레이어는 브라우저에 입력:</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>DLNA 플레이어는 “%1”을(를) 자동으로 찾습니다.</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>ok</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>not video file</source>
        <translation>동영상 파일이 아닙니다</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>이미 추가된 동영상입니다</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>다른 Corvane(프로세스 %1)이 이미 이 데이터 폴더를 제공하고 있습니다: 종료합니다.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>창 보이기</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>네트워크 없음</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>헤드셋 주소: %1  포트 %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>서비스 안 함: 동영상 서버를 시작할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>네트워크에 연결되어 있지 않습니다</translation>
    </message>
</context>
<context>
    <name>VideoProjection</name>
    <message>
        <source>Flat</source>
        <extracomment>A video that is not VR: menu entry and badge.</extracomment>
        <translation>일반</translation>
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
        <translation>어안</translation>
    </message>
    <message>
        <source>Cubemap</source>
        <translation>큐브맵</translation>
    </message>
    <message>
        <source>Fisheye %1</source>
        <extracomment>Badge of a fisheye video; %1 is its field of view in degrees.</extracomment>
        <translation>어안 %1</translation>
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
        <translation>감시 중인 폴더</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>이 폴더에 저장된 새 동영상은 자동으로 라이브러리에 추가됩니다.</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>감시 중지</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1 (사용할 수 없음: 디스크가 연결되지 않았거나 폴더가 없습니다)</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>감시 중인 폴더가 없습니다. 폴더를 추가할 때 &quot;이 폴더를 계속 감시&quot;를 선택하세요.</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>감시 중인 폴더 목록을 저장할 수 없어 폴더를 계속 감시합니다.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Video library</source>
        <translation>동영상 라이브러리</translation>
    </message>
    <message>
        <source>Loading the library…</source>
        <translation>라이브러리를 불러오는 중…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>라이브러리가 비어 있습니다.</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>라이브러리를 불러올 수 없습니다.</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>동영상을 선택하면 여기서 재생됩니다.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>File size in megabytes on the web page; %1 is the number.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Other players: %1</source>
        <extracomment>Web page; %1 is the addresses to type into the DeoVR and HereSphere players.</extracomment>
        <translation>다른 플레이어: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found: running without a visible window.
</source>
        <translation>디스플레이를 찾을 수 없습니다. 창 없이 실행합니다.
</translation>
    </message>
</context>
<context>
    <name>mainMenu</name>
    <message>
        <source>IP Address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</source>
        <translation>동영상 서버를 시작할 수 없어 헤드셋이 이 PC에 연결할 수 없습니다. Corvane을 다시 시작하세요.</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>프로그램을 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>background</source>
        <translation>백그라운드 실행</translation>
    </message>
</context>
</TS>
