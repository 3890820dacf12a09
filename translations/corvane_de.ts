<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutUs</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>latest version: %1</source>
        <translation>Neueste Version: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>net error</source>
        <translation>Netzwerkfehler</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>Sie haben bereits die neueste Version</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version: </translation>
    </message>
    <message>
        <source>company</source>
        <translation>Entwickelt von NuvoVR</translation>
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
        <translation>Open-Source-Lizenzen</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n hinzugefügt</numerusform>
            <numerusform>%n hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n bereits in der Bibliothek</numerusform>
            <numerusform>%n bereits in der Bibliothek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n keine Videodatei</numerusform>
            <numerusform>%n keine Videodateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n nicht lesbar</numerusform>
            <numerusform>%n nicht lesbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n nicht in der Bibliothek gespeichert</numerusform>
            <numerusform>%n nicht in der Bibliothek gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>Keine Videodateien gefunden</translation>
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
        <translation>https://www.nuvovr.example/faq/de.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/de.html</translation>
    </message>
</context>
<context>
    <name>ConfirmDelete</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Nuvo Assistent</translation>
    </message>
    <message>
        <source>do you confirm to delete?</source>
        <translation>Ausgewählte Videos löschen?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Corvane</name>
    <message>
        <source>Latest version: %1</source>
        <translation>Neueste Version: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>Nuvo driftview helper</source>
        <translation>Nuvo driftview Assistent</translation>
    </message>
    <message>
        <source>home   </source>
        <translation>Start</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>about   </source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>cannot read the file</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>die Bibliotheksdatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Hinzugefügt: %1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>Kein freier TCP-Port ab %1: es wird nichts bereitgestellt.</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>Die Bibliothek wird auf Port %1 bereitgestellt.</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>Stellt die Videobibliothek von Corvane den VR-Headsets im LAN bereit, ohne Fenster.</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>Bibliothek und Einstellungen in &lt;Ordner&gt; statt im üblichen Datenordner ablegen.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>Auf &lt;Port&gt; lauschen, wenn er frei ist, sonst auf dem nächsten freien Port darüber.</translation>
    </message>
    <message>
        <source>port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>Die Dateien zur Bibliothek hinzufügen und beenden, ohne bereitzustellen.</translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">Hinzuzufügende Videodateien (mit --add).</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1 ist kein Port.</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>Dateien werden nur mit --add DATEI... hinzugefügt.</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>Videodateien oder Ordner zum Hinzufügen (mit --add).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>%1 wird beobachtet.</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1 wird bereits beobachtet.</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>Die Liste der beobachteten Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>&lt;Ordner&gt; wie im Fenster beobachten und beenden: Videos, die dort erscheinen, kommen in die Bibliothek, während der Server läuft.</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>Gesehene Headsets</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>vor %1 s</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>vor %1 min</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>durchsucht die Liste</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>lädt Vorschaubilder</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>spielt %1 bei %2 %</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>Kein Netzwerk für die Ankündigung.</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>Angekündigt über:</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>Noch kein Headset. Prüfen Sie, ob es im selben Netzwerk wie dieser PC ist und eine Firewall TCP %1 und UDP %2 durchlässt.</translation>
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
        <translation>Alle</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>Videos hinzufügen</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>Keine Videodatei</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Dieses Video wurde bereits hinzugefügt</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>Videodateien öffnen</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>Videodateien(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>Die Videobibliothek konnte nicht gespeichert werden, daher wurde nichts gelöscht. Bitte prüfen Sie den freien Speicherplatz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>Das Video konnte nicht in der Bibliothek gespeichert werden. Bitte prüfen Sie den freien Speicherplatz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>Fehlendes Video entfernen (%n)</numerusform>
            <numerusform>Fehlende Videos entfernen (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>Diesen Ordner weiter beobachten</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>Videos, die später in diesem Ordner gespeichert werden, kommen von selbst in die Bibliothek.</translation>
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
        <translation>Videodatei fehlt</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>Stereo-Anordnung</translation>
    </message>
    <message>
        <source>Mono (2D)</source>
        <translation>Mono (2D)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Top-bottom</source>
        <translation>Übereinander</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>File is adding , please wait for a  moment !</source>
        <translation>Dateien werden hinzugefügt, bitte einen Moment warten.</translation>
    </message>
</context>
<context>
    <name>NuvoHomeUpdateDesc</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Nuvo Assistent</translation>
    </message>
    <message>
        <source>updeta</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>desc</source>
        <translation>Neuerungen</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>Sie haben bereits die neueste Version</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Wird aktualisiert…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>Ordner kann nicht angelegt werden, Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. Schnellerer Start&lt;br/&gt;2. Fehlerbehebungen&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>Diese Kopie wurde über die Paketverwaltung des Systems installiert: Installieren Sie das Update darüber.</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>Videos werden hinzugefügt</translation>
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
        <translation>Andere Player, in ihrem Browser:</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>DLNA-Player finden »%1« von selbst.</translation>
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
        <translation>Keine Videodatei</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Dieses Video wurde bereits hinzugefügt</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>Eine andere Corvane-Kopie (Prozess %1) stellt diesen Datenordner bereits bereit: Ende.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>Kein Netzwerk</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>Adresse für das Headset: %1  Port %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>Kein Betrieb: Der Videoserver konnte nicht starten</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>Keine Netzwerkverbindung</translation>
    </message>
</context>
<context>
    <name>VideoProjection</name>
    <message>
        <source>Flat</source>
        <extracomment>A video that is not VR: menu entry and badge.</extracomment>
        <translation>Flach</translation>
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
        <translation>Fischauge</translation>
    </message>
    <message>
        <source>Cubemap</source>
        <translation>Würfelkarte</translation>
    </message>
    <message>
        <source>Fisheye %1</source>
        <extracomment>Badge of a fisheye video; %1 is its field of view in degrees.</extracomment>
        <translation>Fischauge %1</translation>
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
        <translation>Beobachtete Ordner</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>Neue Videos, die in diesen Ordnern gespeichert werden, kommen von selbst in die Bibliothek.</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Nicht mehr beobachten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1 (nicht verfügbar: das Laufwerk ist nicht verbunden oder der Ordner fehlt)</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>Es wird kein Ordner beobachtet. Wählen Sie beim Hinzufügen eines Ordners &quot;Diesen Ordner weiter beobachten&quot;.</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>Die Liste der beobachteten Ordner konnte nicht gespeichert werden; der Ordner wird weiter beobachtet.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Video library</source>
        <translation>Videobibliothek</translation>
    </message>
    <message>
        <source>Loading the library…</source>
        <translation>Bibliothek wird geladen…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>Die Bibliothek ist leer.</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>Die Bibliothek konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>Wählen Sie ein Video, um es hier abzuspielen.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>File size in megabytes on the web page; %1 is the number.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Other players: %1</source>
        <extracomment>Web page; %1 is the addresses to type into the DeoVR and HereSphere players.</extracomment>
        <translation>Andere Player: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found: running without a visible window.
</source>
        <translation>Keine Anzeige gefunden: Ausführung ohne sichtbares Fenster.
</translation>
    </message>
</context>
<context>
    <name>mainMenu</name>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</source>
        <translation>Der Videoserver konnte nicht starten, daher erreicht das Headset diesen PC nicht. Bitte starten Sie Corvane neu.</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>Programm beenden?</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>background</source>
        <translation>Im Hintergrund</translation>
    </message>
</context>
</TS>
