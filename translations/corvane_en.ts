<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AboutUs</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>latest version: %1</source>
        <translation>Latest version: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>net error</source>
        <translation>Network error</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>You have the latest version</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Current version: </translation>
    </message>
    <message>
        <source>company</source>
        <translation>Developed by NuvoVR</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>Support: https://www.nuvovr.example/faq/</translation>
    </message>
    <message>
        <source>web</source>
        <translation>Website: https://www.nuvovr.example/</translation>
    </message>
    <message>
        <source>openSource</source>
        <translation>Open-source licences</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n added</numerusform>
            <numerusform>%n added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n already in the library</numerusform>
            <numerusform>%n already in the library</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n not video file</numerusform>
            <numerusform>%n not video files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n could not be read</numerusform>
            <numerusform>%n could not be read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n could not be stored in the library</numerusform>
            <numerusform>%n could not be stored in the library</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>No video files found</translation>
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
        <translation>https://www.nuvovr.example/faq/en.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/en.html</translation>
    </message>
</context>
<context>
    <name>ConfirmDelete</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Nuvo helper</translation>
    </message>
    <message>
        <source>do you confirm to delete?</source>
        <translation>Delete the selected videos?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Corvane</name>
    <message>
        <source>Latest version: %1</source>
        <translation>Latest version: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>Nuvo driftview helper</source>
        <translation>Nuvo driftview helper</translation>
    </message>
    <message>
        <source>home   </source>
        <translation>Home</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>about   </source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>cannot read the file</source>
        <translation>cannot read the file</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>the library file cannot be written</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Added: %1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>No free TCP port from %1 up: nothing is served.</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>Serving the library on port %1.</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>Serves the Corvane video library to VR headsets on the LAN, without a window.</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>Listen on &lt;port&gt; when it is free, else on the next free port above it.</translation>
    </message>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>Add the files to the library and end, instead of serving.</translation>
    </message>
    <message>
        <source>files</source>
        <translation>files</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">Video files to add (with --add).</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1 is not a port.</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>Files are added with --add FILE..., and only then.</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>Video files or folders to add (with --add).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 is not a folder.</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>Watching %1.</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1 is watched already.</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>The list of watched folders cannot be written.</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>Headsets seen</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1 s ago</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>%1 min ago</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>browsing the list</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>fetching posters</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>playing %1 at %2%</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>No network to announce on.</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>Announced on:</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</translation>
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
        <translation>All</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>Add videos</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>Not a video file</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>This video has already been added</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>Open Video Files</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>Video Files(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All Files(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>The video could not be saved to the library. Please check the free disk space and try again.</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Add folder</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>Remove missing video (%n)</numerusform>
            <numerusform>Remove missing videos (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Add Folder</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>Keep watching this folder</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>Videos saved into this folder later join the library by themselves.</translation>
    </message>
</context>
<context>
    <name>HomeSub</name>
    <message>
        <source>Form</source>
        <translation>Video</translation>
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
        <translation>Video file missing</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>Detect automatically</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projection</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>Stereo layout</translation>
    </message>
    <message>
        <source>Mono (2D)</source>
        <translation>Mono (2D)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Side by side</translation>
    </message>
    <message>
        <source>Top-bottom</source>
        <translation>Top-bottom</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>File is adding , please wait for a  moment !</source>
        <translation>Files are being added.
Please wait a moment.</translation>
    </message>
</context>
<context>
    <name>NuvoHomeUpdateDesc</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Nuvo helper</translation>
    </message>
    <message>
        <source>updeta</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>desc</source>
        <translation>What&apos;s new</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>You have the latest version</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Updating…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Update failed</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>Could not create the update folder. Update failed.</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>This copy was installed by the system&apos;s package manager: install the update through it.</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>Adding videos</translation>
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
        <translation>Other players, in their browser:</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>DLNA players find &quot;%1&quot; by themselves.</translation>
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
        <translation>Not a video file</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>This video has already been added</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>Another copy of Corvane (process %1) serves this data folder already: ending.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>Show window</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>No network</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>Headset address: %1  port %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>Not serving: the video server could not start</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>No network connection</translation>
    </message>
</context>
<context>
    <name>VideoProjection</name>
    <message>
        <source>Flat</source>
        <extracomment>A video that is not VR: menu entry and badge.</extracomment>
        <translation>Flat</translation>
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
        <translation>Fisheye</translation>
    </message>
    <message>
        <source>Cubemap</source>
        <translation>Cubemap</translation>
    </message>
    <message>
        <source>Fisheye %1</source>
        <extracomment>Badge of a fisheye video; %1 is its field of view in degrees.</extracomment>
        <translation>Fisheye %1</translation>
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
        <translation>Watched folders</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>New videos saved in these folders join the library by themselves.</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Stop watching</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1 (not available: the disk is not connected or the folder is gone)</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>The list of watched folders could not be saved, so the folder is still watched.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Video library</source>
        <translation>Video library</translation>
    </message>
    <message>
        <source>Loading the library…</source>
        <translation>Loading the library…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>The library is empty.</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>The library could not be loaded.</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>Choose a video to play it here.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>File size in megabytes on the web page; %1 is the number.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Other players: %1</source>
        <extracomment>Web page; %1 is the addresses to type into the DeoVR and HereSphere players.</extracomment>
        <translation>Other players: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found: running without a visible window.
</source>
        <translation>No display found: running without a visible window.
</translation>
    </message>
</context>
<context>
    <name>mainMenu</name>
    <message>
        <source>IP Address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</source>
        <translation>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>Quit the program?</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>background</source>
        <translation>Run in background</translation>
    </message>
</context>
</TS>
