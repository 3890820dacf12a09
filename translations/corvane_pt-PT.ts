<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>AboutUs</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>latest version: %1</source>
        <translation>Versão mais recente: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>net error</source>
        <translation>Erro de rede</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>Já tem a versão mais recente</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versão atual: </translation>
    </message>
    <message>
        <source>company</source>
        <translation>Desenvolvido pela NuvoVR</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>Apoio: https://www.nuvovr.example/faq/</translation>
    </message>
    <message>
        <source>web</source>
        <translation>Sítio web: https://www.nuvovr.example/</translation>
    </message>
    <message>
        <source>openSource</source>
        <translation>Licenças de código aberto</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n adicionado</numerusform>
            <numerusform>%n adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n já na biblioteca</numerusform>
            <numerusform>%n já na biblioteca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n ficheiro que não é vídeo</numerusform>
            <numerusform>%n ficheiros que não são vídeo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n ilegível</numerusform>
            <numerusform>%n ilegíveis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n não guardado na biblioteca</numerusform>
            <numerusform>%n não guardados na biblioteca</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>Nenhum ficheiro de vídeo encontrado</translation>
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
        <translation>https://www.nuvovr.example/faq/pt-PT.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/pt-PT.html</translation>
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
        <translation>Eliminar os vídeos selecionados?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Sim</translation>
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
        <translation>Versão mais recente: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Sair</translation>
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
        <translation>Início</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>about   </source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>cannot read the file</source>
        <translation>não é possível ler o ficheiro</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>não é possível escrever o ficheiro da biblioteca</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Adicionado: %1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>Nenhuma porta TCP livre a partir de %1: nada é servido.</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>A servir a biblioteca na porta %1.</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>Serve a biblioteca de vídeos do Corvane aos óculos de RV da rede local, sem janela.</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>Guardar a biblioteca e as definições em &lt;pasta&gt; em vez da pasta de dados habitual.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>pasta</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>Escutar na &lt;porta&gt; se estiver livre; caso contrário, na porta livre seguinte.</translation>
    </message>
    <message>
        <source>port</source>
        <translation>porta</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>Adicionar os ficheiros à biblioteca e terminar, sem servir.</translation>
    </message>
    <message>
        <source>files</source>
        <translation>ficheiros</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">Ficheiros de vídeo a adicionar (com --add).</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1 não é uma porta.</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>Os ficheiros só são adicionados com --add FICHEIRO...</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>Ficheiros de vídeo ou pastas a adicionar (com --add).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 não é uma pasta.</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>A vigiar %1.</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1 já está a ser vigiada.</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>Não é possível escrever a lista de pastas vigiadas.</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>Vigiar &lt;pasta&gt; como a janela faz e terminar: os vídeos que nela aparecerem entram na biblioteca enquanto o servidor funciona.</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>Óculos detetados</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>há %1 s</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>há %1 min</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>a ver a lista</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>a obter os cartazes</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>a reproduzir %1 a %2%</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>Nenhuma rede para anunciar.</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>Anunciado em:</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>Ainda não há óculos. Verifique se estão na mesma rede que este PC e se a firewall deixa passar TCP %1 e UDP %2.</translation>
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
        <translation>Tudo</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>Adicionar vídeos</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>Não é um ficheiro de vídeo</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Este vídeo já foi adicionado</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>Abrir ficheiros de vídeo</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>Ficheiros de vídeo(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;Todos os ficheiros(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>Não foi possível guardar a biblioteca de vídeos, pelo que nada foi eliminado. Verifique o espaço livre no disco e tente novamente.</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>Não foi possível guardar o vídeo na biblioteca. Verifique o espaço livre em disco e tente novamente.</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>Remover vídeo em falta (%n)</numerusform>
            <numerusform>Remover vídeos em falta (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>Continuar a vigiar esta pasta</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>Os vídeos guardados mais tarde nesta pasta entram sozinhos na biblioteca.</translation>
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
        <translation>Ficheiro de vídeo em falta</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>Detetar automaticamente</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projeção</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>Disposição estéreo</translation>
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
        <translation>Cima-baixo</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>File is adding , please wait for a  moment !</source>
        <translation>A adicionar ficheiros, aguarde um momento.</translation>
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
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>desc</source>
        <translation>Novidades</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>Já tem a versão mais recente</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>A atualizar…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Falha na atualização</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>Não é possível criar a pasta; falha na atualização</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. Arranque mais rápido&lt;br/&gt;2. Correções&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>Esta cópia foi instalada pelo gestor de pacotes do sistema: instale a atualização através dele.</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>A adicionar vídeos</translation>
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
        <translation>Outros leitores, no respetivo navegador:</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>Os leitores DLNA encontram «%1» sozinhos.</translation>
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
        <translation>Não é um ficheiro de vídeo</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Este vídeo já foi adicionado</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>Outra cópia do Corvane (processo %1) já serve esta pasta de dados: a terminar.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>Mostrar janela</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>Sem rede</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>Endereço para os óculos: %1  porta %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>Sem serviço: não foi possível iniciar o servidor de vídeo</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>Sem ligação de rede</translation>
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
        <translation>Olho de peixe</translation>
    </message>
    <message>
        <source>Cubemap</source>
        <translation>Mapa cúbico</translation>
    </message>
    <message>
        <source>Fisheye %1</source>
        <extracomment>Badge of a fisheye video; %1 is its field of view in degrees.</extracomment>
        <translation>Olho de peixe %1</translation>
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
        <translation>Pastas vigiadas</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>Os vídeos novos guardados nestas pastas entram sozinhos na biblioteca.</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Deixar de vigiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1 (indisponível: o disco não está ligado ou a pasta já não existe)</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>Nenhuma pasta está a ser vigiada. Ao adicionar uma pasta, marque &quot;Continuar a vigiar esta pasta&quot;.</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>Não foi possível guardar a lista de pastas vigiadas, por isso a pasta continua a ser vigiada.</translation>
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
        <translation>A carregar a videoteca…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>A videoteca está vazia.</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>Não foi possível carregar a videoteca.</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>Escolha um vídeo para o reproduzir aqui.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>File size in megabytes on the web page; %1 is the number.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Other players: %1</source>
        <extracomment>Web page; %1 is the addresses to type into the DeoVR and HereSphere players.</extracomment>
        <translation>Outros leitores: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found: running without a visible window.
</source>
        <translation>Nenhum ecrã encontrado: a executar sem janela visível.
</translation>
    </message>
</context>
<context>
    <name>mainMenu</name>
    <message>
        <source>IP Address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</source>
        <translation>Não foi possível iniciar o servidor de vídeo, pelo que o headset não consegue ligar-se a este PC. Reinicie o Corvane.</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>Sair do programa?</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>background</source>
        <translation>Segundo plano</translation>
    </message>
</context>
</TS>
