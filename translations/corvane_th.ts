<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th" sourcelanguage="en">
<context>
    <name>AboutUs</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>latest version: %1</source>
        <translation>เวอร์ชันล่าสุด: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>อัปเดต</translation>
    </message>
    <message>
        <source>net error</source>
        <translation>เครือข่ายขัดข้อง</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>เป็นเวอร์ชันล่าสุดแล้ว</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>ตรวจสอบการอัปเดต</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>เวอร์ชันปัจจุบัน: </translation>
    </message>
    <message>
        <source>company</source>
        <translation>พัฒนาโดย NuvoVR</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>ฝ่ายสนับสนุน: https://www.nuvovr.example/faq/</translation>
    </message>
    <message>
        <source>web</source>
        <translation>เว็บไซต์: https://www.nuvovr.example/</translation>
    </message>
    <message>
        <source>openSource</source>
        <translation>สัญญาอนุญาตโอเพนซอร์ส</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>เพิ่ม %n รายการ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n รายการมีในคลังแล้ว</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n รายการไม่ใช่ไฟล์วิดีโอ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n รายการอ่านไม่ได้</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n รายการบันทึกลงคลังไม่ได้</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>ไม่พบไฟล์วิดีโอ</translation>
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
        <translation>https://www.nuvovr.example/faq/th.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/th.html</translation>
    </message>
</context>
<context>
    <name>ConfirmDelete</name>
    <message>
        <source>Nuvo helper</source>
        <translation>ตัวช่วย Nuvo</translation>
    </message>
    <message>
        <source>do you confirm to delete?</source>
        <translation>ต้องการลบวิดีโอที่เลือกหรือไม่</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>Corvane</name>
    <message>
        <source>Latest version: %1</source>
        <translation>เวอร์ชันล่าสุด: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>ออก</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>Nuvo driftview helper</source>
        <translation>ตัวช่วย Nuvo driftview</translation>
    </message>
    <message>
        <source>home   </source>
        <translation>หน้าหลัก</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>คู่มือ</translation>
    </message>
    <message>
        <source>about   </source>
        <translation>เกี่ยวกับ</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>cannot read the file</source>
        <translation>ไม่สามารถอ่านไฟล์ได้</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>ไม่สามารถเขียนไฟล์คลังวิดีโอได้</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>เพิ่มแล้ว: %1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>ไม่มีพอร์ต TCP ว่างตั้งแต่ %1 ขึ้นไป: ไม่มีการให้บริการ</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>กำลังให้บริการคลังวิดีโอที่พอร์ต %1</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>ให้บริการคลังวิดีโอของ Corvane แก่แว่น VR ในเครือข่าย LAN โดยไม่ต้องมีหน้าต่าง</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>เก็บคลังวิดีโอและการตั้งค่าไว้ใน &lt;โฟลเดอร์&gt; แทนโฟลเดอร์ข้อมูลปกติ</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>รอรับที่ &lt;พอร์ต&gt; หากว่าง มิฉะนั้นใช้พอร์ตว่างถัดไป</translation>
    </message>
    <message>
        <source>port</source>
        <translation>พอร์ต</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>เพิ่มไฟล์ลงในคลังวิดีโอแล้วจบการทำงาน โดยไม่ให้บริการ</translation>
    </message>
    <message>
        <source>files</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">ไฟล์วิดีโอที่จะเพิ่ม (ใช้กับ --add)</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1 ไม่ใช่พอร์ต</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>จะเพิ่มไฟล์ได้เฉพาะเมื่อใช้ --add FILE... เท่านั้น</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>ไฟล์วิดีโอหรือโฟลเดอร์ที่จะเพิ่ม (ใช้กับ --add)</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ไม่ใช่โฟลเดอร์</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>กำลังเฝ้าดู %1</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1 ถูกเฝ้าดูอยู่แล้ว</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>เขียนรายการโฟลเดอร์ที่เฝ้าดูไม่ได้</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>เฝ้าดู &lt;โฟลเดอร์&gt; เหมือนที่หน้าต่างทำ แล้วจบการทำงาน วิดีโอที่ปรากฏในโฟลเดอร์นั้นจะเข้าสู่คลังขณะที่เซิร์ฟเวอร์ทำงาน</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>ชุดหูฟังที่พบ</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1 วินาทีที่แล้ว</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>%1 นาทีที่แล้ว</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>กำลังดูรายการ</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>กำลังโหลดโปสเตอร์</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>กำลังเล่น %1 ที่ %2%</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>และอีก %1 เครื่อง</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>ไม่มีเครือข่ายสำหรับประกาศ</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>ประกาศบน:</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>ยังไม่มีชุดหูฟังเชื่อมต่อ ตรวจสอบว่าอยู่ในเครือข่ายเดียวกับพีซีนี้ และไฟร์วอลล์อนุญาต TCP %1 และ UDP %2</translation>
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
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>เพิ่มวิดีโอ</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>ไม่ใช่ไฟล์วิดีโอ</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>เพิ่มวิดีโอนี้ไว้แล้ว</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>เปิดไฟล์วิดีโอ</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>ไฟล์วิดีโอ(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;ไฟล์ทั้งหมด(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>ไม่สามารถบันทึกคลังวิดีโอได้ จึงไม่มีสิ่งใดถูกลบ โปรดตรวจสอบพื้นที่ว่างในดิสก์แล้วลองอีกครั้ง</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>ไม่สามารถบันทึกวิดีโอลงในคลังได้ โปรดตรวจสอบพื้นที่ว่างในดิสก์แล้วลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>เพิ่มโฟลเดอร์</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>ลบวิดีโอที่หายไป (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>เพิ่มโฟลเดอร์</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>เฝ้าดูโฟลเดอร์นี้ต่อไป</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>วิดีโอที่บันทึกลงในโฟลเดอร์นี้ภายหลังจะเข้าสู่คลังเอง</translation>
    </message>
</context>
<context>
    <name>HomeSub</name>
    <message>
        <source>Form</source>
        <translation>วิดีโอ</translation>
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
        <translation>ไม่พบไฟล์วิดีโอ</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>ตรวจหาอัตโนมัติ</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>รูปแบบการฉาย</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>รูปแบบภาพสามมิติ</translation>
    </message>
    <message>
        <source>Mono (2D)</source>
        <translation>โมโน (2D)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>ซ้าย-ขวา</translation>
    </message>
    <message>
        <source>Top-bottom</source>
        <translation>บน-ล่าง</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>File is adding , please wait for a  moment !</source>
        <translation>กำลังเพิ่มไฟล์ โปรดรอสักครู่</translation>
    </message>
</context>
<context>
    <name>NuvoHomeUpdateDesc</name>
    <message>
        <source>Nuvo helper</source>
        <translation>ตัวช่วย Nuvo</translation>
    </message>
    <message>
        <source>updeta</source>
        <translation>อัปเดต</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>desc</source>
        <translation>มีอะไรใหม่</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>เป็นเวอร์ชันล่าสุดแล้ว</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>กำลังอัปเดต…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>อัปเดตไม่สำเร็จ</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>ลองอีกครั้ง</translation>
    </message>
    <message>
        <source>close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>ไม่สามารถสร้างโฟลเดอร์ได้ การอัปเดตล้มเหลว</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. เริ่มทำงานเร็วขึ้น&lt;br/&gt;2. แก้ไขข้อบกพร่อง&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>สำเนานี้ติดตั้งโดยตัวจัดการแพ็กเกจของระบบ: โปรดติดตั้งการอัปเดตผ่านตัวจัดการแพ็กเกจ</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>กำลังเพิ่มวิดีโอ</translation>
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
        <translation>เครื่องเล่นอื่น ให้พิมพ์ในเบราว์เซอร์ของเครื่องเล่น:</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>เครื่องเล่น DLNA จะค้นพบ “%1” ได้เอง</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>ok</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>not video file</source>
        <translation>ไม่ใช่ไฟล์วิดีโอ</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>เพิ่มวิดีโอนี้ไว้แล้ว</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>Corvane อีกชุดหนึ่ง (โพรเซส %1) กำลังให้บริการโฟลเดอร์ข้อมูลนี้อยู่แล้ว: จบการทำงาน</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>แสดงหน้าต่าง</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>ไม่มีเครือข่าย</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>ที่อยู่สำหรับชุดหูฟัง: %1  พอร์ต %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>ไม่ได้ให้บริการ: ไม่สามารถเริ่มเซิร์ฟเวอร์วิดีโอได้</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>ไม่มีการเชื่อมต่อเครือข่าย</translation>
    </message>
</context>
<context>
    <name>VideoProjection</name>
    <message>
        <source>Flat</source>
        <extracomment>A video that is not VR: menu entry and badge.</extracomment>
        <translation>ภาพปกติ</translation>
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
        <translation>ฟิชอาย</translation>
    </message>
    <message>
        <source>Cubemap</source>
        <translation>คิวบ์แมป</translation>
    </message>
    <message>
        <source>Fisheye %1</source>
        <extracomment>Badge of a fisheye video; %1 is its field of view in degrees.</extracomment>
        <translation>ฟิชอาย %1</translation>
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
        <translation>โฟลเดอร์ที่เฝ้าดู</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>วิดีโอใหม่ที่บันทึกในโฟลเดอร์เหล่านี้จะเข้าสู่คลังโดยอัตโนมัติ</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>หยุดเฝ้าดู</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1 (ใช้งานไม่ได้: ไม่ได้เชื่อมต่อดิสก์ หรือไม่มีโฟลเดอร์นี้แล้ว)</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>ยังไม่มีโฟลเดอร์ที่เฝ้าดู เมื่อเพิ่มโฟลเดอร์ ให้เลือก &quot;เฝ้าดูโฟลเดอร์นี้ต่อไป&quot;</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>บันทึกรายการโฟลเดอร์ที่เฝ้าดูไม่ได้ จึงยังคงเฝ้าดูโฟลเดอร์นี้อยู่</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Video library</source>
        <translation>คลังวิดีโอ</translation>
    </message>
    <message>
        <source>Loading the library…</source>
        <translation>กำลังโหลดคลังวิดีโอ…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>คลังวิดีโอว่างเปล่า</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>โหลดคลังวิดีโอไม่ได้</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>เลือกวิดีโอเพื่อเล่นที่นี่</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>File size in megabytes on the web page; %1 is the number.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Other players: %1</source>
        <extracomment>Web page; %1 is the addresses to type into the DeoVR and HereSphere players.</extracomment>
        <translation>เครื่องเล่นอื่น: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found: running without a visible window.
</source>
        <translation>ไม่พบจอแสดงผล: ทำงานโดยไม่แสดงหน้าต่าง
</translation>
    </message>
</context>
<context>
    <name>mainMenu</name>
    <message>
        <source>IP Address</source>
        <translation>ที่อยู่ IP</translation>
    </message>
    <message>
        <source>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</source>
        <translation>ไม่สามารถเริ่มเซิร์ฟเวอร์วิดีโอได้ เฮดเซ็ตจึงเชื่อมต่อกับพีซีเครื่องนี้ไม่ได้ โปรดเริ่ม Corvane ใหม่</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>ต้องการออกจากโปรแกรมหรือไม่</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>background</source>
        <translation>ทำงานเบื้องหลัง</translation>
    </message>
</context>
</TS>
