<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutUs</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>latest version: %1</source>
        <translation>Dernière version&#xa0;: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>net error</source>
        <translation>Erreur réseau</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>Vous avez déjà la dernière version</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Version actuelle&#xa0;: </translation>
    </message>
    <message>
        <source>company</source>
        <translation>Développé par NuvoVR</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>Assistance&#xa0;: https://www.nuvovr.example/faq/</translation>
    </message>
    <message>
        <source>web</source>
        <translation>Site web&#xa0;: https://www.nuvovr.example/</translation>
    </message>
    <message>
        <source>openSource</source>
        <translation>Licences open source</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n ajoutée</numerusform>
            <numerusform>%n ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n déjà dans la bibliothèque</numerusform>
            <numerusform>%n déjà dans la bibliothèque</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n fichier non vidéo</numerusform>
            <numerusform>%n fichiers non vidéo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n illisible</numerusform>
            <numerusform>%n illisibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n non enregistrée dans la bibliothèque</numerusform>
            <numerusform>%n non enregistrées dans la bibliothèque</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>Aucun fichier vidéo trouvé</translation>
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
        <translation>https://www.nuvovr.example/faq/fr.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/fr.html</translation>
    </message>
</context>
<context>
    <name>ConfirmDelete</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Assistant Nuvo</translation>
    </message>
    <message>
        <source>do you confirm to delete?</source>
        <translation>Supprimer les vidéos sélectionnées&#xa0;?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Corvane</name>
    <message>
        <source>Latest version: %1</source>
        <translation>Dernière version&#xa0;: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>Nuvo driftview helper</source>
        <translation>Assistant Nuvo driftview</translation>
    </message>
    <message>
        <source>home   </source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>about   </source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>cannot read the file</source>
        <translation>impossible de lire le fichier</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>impossible d&apos;écrire le fichier de la bibliothèque</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Ajouté : %1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>Aucun port TCP libre à partir de %1 : rien n&apos;est servi.</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>Bibliothèque servie sur le port %1.</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>Sert la bibliothèque vidéo de Corvane aux casques VR du réseau local, sans fenêtre.</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>Garder la bibliothèque et les réglages dans &lt;dossier&gt; au lieu du dossier de données habituel.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>Écouter sur &lt;port&gt; s&apos;il est libre, sinon sur le port libre suivant.</translation>
    </message>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>Ajouter les fichiers à la bibliothèque puis terminer, sans servir.</translation>
    </message>
    <message>
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">Fichiers vidéo à ajouter (avec --add).</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1 n&apos;est pas un port.</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>Les fichiers ne s&apos;ajoutent qu&apos;avec --add FICHIER...</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>Fichiers vidéo ou dossiers à ajouter (avec --add).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>%1 est surveillé.</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1 est déjà surveillé.</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>La liste des dossiers surveillés ne peut pas être écrite.</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>Surveiller &lt;dossier&gt; comme le fait la fenêtre, puis quitter : les vidéos qui y apparaissent rejoignent la bibliothèque pendant que le serveur tourne.</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>Casques vus</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>il y a %1 s</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>il y a %1 min</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>parcourt la liste</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>charge les affiches</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>lit %1 à %2 %</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>Aucun réseau pour l&apos;annonce.</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>Annoncé sur :</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>Aucun casque pour l&apos;instant. Vérifiez qu&apos;il est sur le même réseau que ce PC et qu&apos;un pare-feu laisse passer TCP %1 et UDP %2.</translation>
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
        <translation>Tout</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>Ajouter des vidéos</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>Ce n&apos;est pas un fichier vidéo</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Cette vidéo a déjà été ajoutée</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>Ouvrir des fichiers vidéo</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>Fichiers vidéo(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;Tous les fichiers(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>La vidéothèque n&apos;a pas pu être enregistrée, rien n&apos;a donc été supprimé. Vérifiez l&apos;espace disque disponible et réessayez.</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>La vidéo n&apos;a pas pu être enregistrée dans la bibliothèque. Vérifiez l&apos;espace disque disponible et réessayez.</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>Retirer la vidéo manquante (%n)</numerusform>
            <numerusform>Retirer les vidéos manquantes (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>Continuer à surveiller ce dossier</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>Les vidéos enregistrées plus tard dans ce dossier rejoignent la bibliothèque d&apos;elles-mêmes.</translation>
    </message>
</context>
<context>
    <name>HomeSub</name>
    <message>
        <source>Form</source>
        <translation>Vidéo</translation>
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
        <translation>Fichier vidéo introuvable</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>Détecter automatiquement</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projection</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>Disposition stéréo</translation>
    </message>
    <message>
        <source>Mono (2D)</source>
        <translation>Mono (2D)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Côte à côte</translation>
    </message>
    <message>
        <source>Top-bottom</source>
        <translation>Haut-bas</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>File is adding , please wait for a  moment !</source>
        <translation>Ajout de fichiers en cours, veuillez patienter.</translation>
    </message>
</context>
<context>
    <name>NuvoHomeUpdateDesc</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Assistant Nuvo</translation>
    </message>
    <message>
        <source>updeta</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>desc</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>Vous avez déjà la dernière version</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Mise à jour en cours…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Échec de la mise à jour</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>Impossible de créer le dossier, échec de la mise à jour</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. Démarrage plus rapide&lt;br/&gt;2. Corrections&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>Cette copie a été installée par le gestionnaire de paquets du système : installez la mise à jour avec celui-ci.</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>Ajout de vidéos</translation>
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
        <translation>Autres lecteurs, dans leur navigateur :</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>Les lecteurs DLNA trouvent « %1 » d’eux-mêmes.</translation>
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
        <translation>Ce n&apos;est pas un fichier vidéo</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Cette vidéo a déjà été ajoutée</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>Une autre copie de Corvane (processus %1) sert déjà ce dossier de données : fin.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>Aucun réseau</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>Adresse pour le casque : %1  port %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>Aucun service : le serveur vidéo n&apos;a pas pu démarrer</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>Aucune connexion réseau</translation>
    </message>
</context>
<context>
    <name>VideoProjection</name>
    <message>
        <source>Flat</source>
        <extracomment>A video that is not VR: menu entry and badge.</extracomment>
        <translation>Plat</translation>
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
        <translation>Dossiers surveillés</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>Les nouvelles vidéos enregistrées dans ces dossiers rejoignent la bibliothèque d’elles-mêmes.</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Ne plus surveiller</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1 (indisponible : le disque n’est pas connecté ou le dossier n’existe plus)</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>Aucun dossier n’est surveillé. Quand vous ajoutez un dossier, cochez « Continuer à surveiller ce dossier ».</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>La liste des dossiers surveillés n’a pas pu être enregistrée : le dossier est toujours surveillé.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Video library</source>
        <translation>Vidéothèque</translation>
    </message>
    <message>
        <source>Loading the library…</source>
        <translation>Chargement de la vidéothèque…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>La vidéothèque est vide.</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>Impossible de charger la vidéothèque.</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>Choisissez une vidéo pour la lire ici.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>File size in megabytes on the web page; %1 is the number.</extracomment>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>Other players: %1</source>
        <extracomment>Web page; %1 is the addresses to type into the DeoVR and HereSphere players.</extracomment>
        <translation>Autres lecteurs : %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found: running without a visible window.
</source>
        <translation>Aucun écran trouvé&#xa0;: exécution sans fenêtre visible.
</translation>
    </message>
</context>
<context>
    <name>mainMenu</name>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</source>
        <translation>Le serveur vidéo n&apos;a pas pu démarrer : le casque ne peut pas joindre ce PC. Veuillez redémarrer Corvane.</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>Quitter le programme&#xa0;?</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>background</source>
        <translation>Arrière-plan</translation>
    </message>
</context>
</TS>
