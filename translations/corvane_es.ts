<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutUs</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>latest version: %1</source>
        <translation>Última versión: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>net error</source>
        <translation>Error de red</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>Ya tiene la última versión</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versión actual: </translation>
    </message>
    <message>
        <source>company</source>
        <translation>Desarrollado por NuvoVR</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>Soporte: https://www.nuvovr.example/faq/</translation>
    </message>
    <message>
        <source>web</source>
        <translation>Sitio web: https://www.nuvovr.example/</translation>
    </message>
    <message>
        <source>openSource</source>
        <translation>Licencias de código abierto</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n añadido</numerusform>
            <numerusform>%n añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n ya en la biblioteca</numerusform>
            <numerusform>%n ya en la biblioteca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n archivo que no es vídeo</numerusform>
            <numerusform>%n archivos que no son vídeo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n no se pudo leer</numerusform>
            <numerusform>%n no se pudieron leer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n no se pudo guardar en la biblioteca</numerusform>
            <numerusform>%n no se pudieron guardar en la biblioteca</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>No se encontraron archivos de vídeo</translation>
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
        <translation>https://www.nuvovr.example/faq/es.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/es.html</translation>
    </message>
</context>
<context>
    <name>ConfirmDelete</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Asistente Nuvo</translation>
    </message>
    <message>
        <source>do you confirm to delete?</source>
        <translation>¿Eliminar los vídeos seleccionados?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Corvane</name>
    <message>
        <source>Latest version: %1</source>
        <translation>Última versión: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>Nuvo driftview helper</source>
        <translation>Asistente Nuvo driftview</translation>
    </message>
    <message>
        <source>home   </source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>about   </source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>cannot read the file</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>no se puede escribir el archivo de la biblioteca</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Añadido: %1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>No hay ningún puerto TCP libre a partir de %1: no se sirve nada.</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>Sirviendo la biblioteca en el puerto %1.</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>Sirve la biblioteca de vídeos de Corvane a los visores de RV de la red local, sin ventana.</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>Guardar la biblioteca y los ajustes en &lt;carpeta&gt; en lugar de la carpeta de datos habitual.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>Escuchar en &lt;puerto&gt; si está libre; si no, en el siguiente puerto libre.</translation>
    </message>
    <message>
        <source>port</source>
        <translation>puerto</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>Añadir los archivos a la biblioteca y terminar, sin servir.</translation>
    </message>
    <message>
        <source>files</source>
        <translation>archivos</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">Archivos de vídeo que añadir (con --add).</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1 no es un puerto.</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>Los archivos solo se añaden con --add ARCHIVO...</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>Archivos de vídeo o carpetas que añadir (con --add).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>Se vigila %1.</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1 ya se vigila.</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>No se puede escribir la lista de carpetas vigiladas.</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>Vigilar &lt;carpeta&gt; como lo hace la ventana y terminar: los vídeos que aparezcan en ella se añaden a la biblioteca mientras el servidor funciona.</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>Visores vistos</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>hace %1 s</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>hace %1 min</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>explorando la lista</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>descargando carteles</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>reproduciendo %1 al %2 %</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>No hay red donde anunciarse.</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>Anunciado en:</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>Aún no hay ningún visor. Compruebe que está en la misma red que este PC y que el cortafuegos deja pasar TCP %1 y UDP %2.</translation>
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
        <translation>Todo</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>Añadir vídeos</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>No es un archivo de vídeo</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Este vídeo ya se ha añadido</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>Abrir archivos de vídeo</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>Archivos de vídeo(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>No se pudo guardar la biblioteca de vídeos, así que no se ha eliminado nada. Compruebe el espacio libre en el disco e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>No se pudo guardar el vídeo en la biblioteca. Compruebe el espacio libre en disco e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>Quitar vídeo que falta (%n)</numerusform>
            <numerusform>Quitar vídeos que faltan (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>Seguir vigilando esta carpeta</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>Los vídeos que se guarden después en esta carpeta se añaden a la biblioteca por sí solos.</translation>
    </message>
</context>
<context>
    <name>HomeSub</name>
    <message>
        <source>Form</source>
        <translation>Vídeo</translation>
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
        <translation>Falta el archivo de vídeo</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>Detectar automáticamente</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Proyección</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>Disposición estéreo</translation>
    </message>
    <message>
        <source>Mono (2D)</source>
        <translation>Mono (2D)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>Top-bottom</source>
        <translation>Arriba-abajo</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>File is adding , please wait for a  moment !</source>
        <translation>Se están añadiendo archivos, espere un momento.</translation>
    </message>
</context>
<context>
    <name>NuvoHomeUpdateDesc</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Asistente Nuvo</translation>
    </message>
    <message>
        <source>updeta</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>desc</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>Ya tiene la última versión</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Actualizando…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Error al actualizar</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>No se puede crear la carpeta; error al actualizar</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. Inicio más rápido&lt;br/&gt;2. Correcciones&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>Esta copia se instaló con el gestor de paquetes del sistema: instale la actualización a través de él.</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>Añadiendo vídeos</translation>
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
        <translation>Otros reproductores, en su navegador:</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>Los reproductores DLNA encuentran «%1» por sí solos.</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>not video file</source>
        <translation>No es un archivo de vídeo</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Este vídeo ya se ha añadido</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>Otra copia de Corvane (proceso %1) ya sirve esta carpeta de datos: se termina.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>Mostrar ventana</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>Sin red</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>Dirección para el visor: %1  puerto %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>Sin servicio: el servidor de vídeo no pudo iniciarse</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>Sin conexión de red</translation>
    </message>
</context>
<context>
    <name>VideoProjection</name>
    <message>
        <source>Flat</source>
        <extracomment>A video that is not VR: menu entry and badge.</extracomment>
        <translation>Plano</translation>
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
        <translation>Ojo de pez</translation>
    </message>
    <message>
        <source>Cubemap</source>
        <translation>Mapa cúbico</translation>
    </message>
    <message>
        <source>Fisheye %1</source>
        <extracomment>Badge of a fisheye video; %1 is its field of view in degrees.</extracomment>
        <translation>Ojo de pez %1</translation>
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
        <translation>Carpetas vigiladas</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>Los vídeos nuevos que se guarden en estas carpetas se añaden solos a la biblioteca.</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Dejar de vigilar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1 (no disponible: el disco no está conectado o la carpeta ya no existe)</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>No se vigila ninguna carpeta. Al añadir una carpeta, marque &quot;Seguir vigilando esta carpeta&quot;.</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>No se pudo guardar la lista de carpetas vigiladas, así que la carpeta se sigue vigilando.</translation>
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
        <translation>Cargando la videoteca…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>La videoteca está vacía.</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>No se pudo cargar la videoteca.</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>Elija un vídeo para reproducirlo aquí.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>File size in megabytes on the web page; %1 is the number.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Other players: %1</source>
        <extracomment>Web page; %1 is the addresses to type into the DeoVR and HereSphere players.</extracomment>
        <translation>Otros reproductores: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found: running without a visible window.
</source>
        <translation>No se encontró ninguna pantalla: se ejecuta sin ventana visible.
</translation>
    </message>
</context>
<context>
    <name>mainMenu</name>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</source>
        <translation>El servidor de vídeo no pudo iniciarse, así que el visor no puede conectar con este PC. Reinicie Corvane.</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>¿Salir del programa?</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>background</source>
        <translation>Segundo plano</translation>
    </message>
</context>
</TS>
