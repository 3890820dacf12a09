<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutUs</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>latest version: %1</source>
        <translation>Ultima versione: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>net error</source>
        <translation>Errore di rete</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>Hai già l&apos;ultima versione</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versione attuale: </translation>
    </message>
    <message>
        <source>company</source>
        <translation>Sviluppato da NuvoVR</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>Assistenza: https://www.nuvovr.example/faq/</translation>
    </message>
    <message>
        <source>web</source>
        <translation>Sito web: https://www.nuvovr.example/</translation>
    </message>
    <message>
        <source>openSource</source>
        <translation>Licenze open source</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n aggiunto</numerusform>
            <numerusform>%n aggiunti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n già nella libreria</numerusform>
            <numerusform>%n già nella libreria</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n file non video</numerusform>
            <numerusform>%n file non video</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n non leggibile</numerusform>
            <numerusform>%n non leggibili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n non salvato nella libreria</numerusform>
            <numerusform>%n non salvati nella libreria</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>Nessun file video trovato</translation>
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
        <translation>https://www.nuvovr.example/faq/it.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/it.html</translation>
    </message>
</context>
<context>
    <name>ConfirmDelete</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Assistente Nuvo</translation>
    </message>
    <message>
        <source>do you confirm to delete?</source>
        <translation>Eliminare i video selezionati?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Corvane</name>
    <message>
        <source>Latest version: %1</source>
        <translation>Ultima versione: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>Nuvo driftview helper</source>
        <translation>Assistente Nuvo driftview</translation>
    </message>
    <message>
        <source>home   </source>
        <translation>Home</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>Guida</translation>
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
        <translation>impossibile leggere il file</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>impossibile scrivere il file della libreria</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Aggiunto: %1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>Nessuna porta TCP libera da %1 in su: non viene servito nulla.</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>Libreria servita sulla porta %1.</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>Serve la libreria video di Corvane ai visori VR della rete locale, senza finestra.</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>Tieni libreria e impostazioni in &lt;cartella&gt; invece che nella solita cartella dei dati.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>cartella</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>Ascolta su &lt;porta&gt; se è libera, altrimenti sulla successiva porta libera.</translation>
    </message>
    <message>
        <source>port</source>
        <translation>porta</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>Aggiungi i file alla libreria e termina, senza servire.</translation>
    </message>
    <message>
        <source>files</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">File video da aggiungere (con --add).</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1 non è una porta.</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>I file si aggiungono solo con --add FILE...</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>File video o cartelle da aggiungere (con --add).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 non è una cartella.</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>%1 è controllata.</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1 è già controllata.</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>Impossibile scrivere l’elenco delle cartelle controllate.</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>Controlla &lt;cartella&gt; come fa la finestra e termina: i video che vi compaiono entrano nella libreria mentre il server è attivo.</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>Visori visti</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1 s fa</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>%1 min fa</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>sfoglia l&apos;elenco</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>scarica le locandine</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>riproduce %1 al %2%</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>Nessuna rete su cui annunciarsi.</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>Annunciato su:</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>Ancora nessun visore. Controlla che sia sulla stessa rete di questo PC e che un firewall lasci passare TCP %1 e UDP %2.</translation>
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
        <translation>Tutti</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>Aggiungi video</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>Non è un file video</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Questo video è già stato aggiunto</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>Apri file video</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>File video(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;Tutti i file(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>Impossibile salvare la libreria video, quindi non è stato eliminato nulla. Controlla lo spazio libero su disco e riprova.</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>Non è stato possibile salvare il video nella libreria. Controlla lo spazio libero su disco e riprova.</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>Rimuovi video mancante (%n)</numerusform>
            <numerusform>Rimuovi video mancanti (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>Continua a controllare questa cartella</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>I video salvati in seguito in questa cartella entrano da soli nella libreria.</translation>
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
        <translation>File video mancante</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>Rileva automaticamente</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Proiezione</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>Disposizione stereo</translation>
    </message>
    <message>
        <source>Mono (2D)</source>
        <translation>Mono (2D)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Affiancato</translation>
    </message>
    <message>
        <source>Top-bottom</source>
        <translation>Sopra-sotto</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>File is adding , please wait for a  moment !</source>
        <translation>Aggiunta dei file in corso, attendere un momento.</translation>
    </message>
</context>
<context>
    <name>NuvoHomeUpdateDesc</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Assistente Nuvo</translation>
    </message>
    <message>
        <source>updeta</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>desc</source>
        <translation>Novità</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>Hai già l&apos;ultima versione</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aggiornamento in corso…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aggiornamento non riuscito</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>Impossibile creare la cartella, aggiornamento non riuscito</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. Avvio più rapido&lt;br/&gt;2. Correzioni&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>Questa copia è stata installata dal gestore dei pacchetti del sistema: installa l’aggiornamento tramite esso.</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>Aggiunta dei video</translation>
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
        <translation>Altri lettori, nel loro browser:</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>I lettori DLNA trovano «%1» da soli.</translation>
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
        <translation>Non è un file video</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Questo video è già stato aggiunto</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>Un&apos;altra copia di Corvane (processo %1) serve già questa cartella dei dati: termina.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>Mostra finestra</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>Nessuna rete</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>Indirizzo per il visore: %1  porta %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>Non in servizio: il server video non è stato avviato</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>Nessuna connessione di rete</translation>
    </message>
</context>
<context>
    <name>VideoProjection</name>
    <message>
        <source>Flat</source>
        <extracomment>A video that is not VR: menu entry and badge.</extracomment>
        <translation>Piatto</translation>
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
        <translation>Cartelle controllate</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>I nuovi video salvati in queste cartelle entrano da soli nella libreria.</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Smetti di controllare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1 (non disponibile: il disco non è collegato o la cartella non esiste più)</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>Nessuna cartella è controllata. Quando aggiungi una cartella, seleziona &quot;Continua a controllare questa cartella&quot;.</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>Non è stato possibile salvare l’elenco delle cartelle controllate, quindi la cartella è ancora controllata.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Video library</source>
        <translation>Videoteca</translation>
    </message>
    <message>
        <source>Loading the library…</source>
        <translation>Caricamento della videoteca…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>La videoteca è vuota.</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>Impossibile caricare la videoteca.</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>Scegli un video per riprodurlo qui.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>File size in megabytes on the web page; %1 is the number.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Other players: %1</source>
        <extracomment>Web page; %1 is the addresses to type into the DeoVR and HereSphere players.</extracomment>
        <translation>Altri lettori: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found: running without a visible window.
</source>
        <translation>Nessuno schermo trovato: esecuzione senza finestra visibile.
</translation>
    </message>
</context>
<context>
    <name>mainMenu</name>
    <message>
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</source>
        <translation>Il server video non è stato avviato, quindi il visore non può raggiungere questo PC. Riavvia Corvane.</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>Uscire dal programma?</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>background</source>
        <translation>In background</translation>
    </message>
</context>
</TS>
