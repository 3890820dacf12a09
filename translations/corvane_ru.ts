<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AboutUs</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>latest version: %1</source>
        <translation>Последняя версия: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>net error</source>
        <translation>Ошибка сети</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>У вас последняя версия</translation>
    </message>
    <message>
        <source>check update</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Текущая версия: </translation>
    </message>
    <message>
        <source>company</source>
        <translation>Разработчик: NuvoVR</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>Поддержка: https://www.nuvovr.example/faq/</translation>
    </message>
    <message>
        <source>web</source>
        <translation>Сайт: https://www.nuvovr.example/</translation>
    </message>
    <message>
        <source>openSource</source>
        <translation>Лицензии открытого ПО</translation>
    </message>
</context>
<context>
    <name>AddSummary</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n добавлен</numerusform>
            <numerusform>%n добавлено</numerusform>
            <numerusform>%n добавлено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <translation>
            <numerusform>%n уже в библиотеке</numerusform>
            <numerusform>%n уже в библиотеке</numerusform>
            <numerusform>%n уже в библиотеке</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not video files</source>
        <translation>
            <numerusform>%n файл не видео</numerusform>
            <numerusform>%n файла не видео</numerusform>
            <numerusform>%n файлов не видео</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be read</source>
        <translation>
            <numerusform>%n не удалось прочитать</numerusform>
            <numerusform>%n не удалось прочитать</numerusform>
            <numerusform>%n не удалось прочитать</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be stored in the library</source>
        <translation>
            <numerusform>%n не удалось сохранить в библиотеке</numerusform>
            <numerusform>%n не удалось сохранить в библиотеке</numerusform>
            <numerusform>%n не удалось сохранить в библиотеке</numerusform>
        </translation>
    </message>
    <message>
        <source>No video files found</source>
        <translation>Видеофайлы не найдены</translation>
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
        <translation>https://www.nuvovr.example/faq/ru.html</translation>
    </message>
    <message>
        <source>FaqPageUrl_Domestic</source>
        <translation>https://www.nuvovr.example/faq/ru.html</translation>
    </message>
</context>
<context>
    <name>ConfirmDelete</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Помощник Nuvo</translation>
    </message>
    <message>
        <source>do you confirm to delete?</source>
        <translation>Удалить выбранные видео?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Corvane</name>
    <message>
        <source>Latest version: %1</source>
        <translation>Последняя версия: %1</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Выйти</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>Nuvo driftview helper</source>
        <translation>Помощник Nuvo driftview</translation>
    </message>
    <message>
        <source>home   </source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>guide   </source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>about   </source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>cannot read the file</source>
        <translation>не удаётся прочитать файл</translation>
    </message>
    <message>
        <source>the library file cannot be written</source>
        <translation>не удаётся записать файл библиотеки</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Добавлено: %1</translation>
    </message>
    <message>
        <source>No free TCP port from %1 up: nothing is served.</source>
        <translation>Нет свободного TCP-порта начиная с %1: ничего не обслуживается.</translation>
    </message>
    <message>
        <source>Serving the library on port %1.</source>
        <translation>Библиотека обслуживается на порту %1.</translation>
    </message>
    <message>
        <source>Serves the Corvane video library to VR headsets on the LAN, without a window.</source>
        <translation>Раздаёт видеобиблиотеку Corvane VR-гарнитурам в локальной сети, без окна.</translation>
    </message>
    <message>
        <source>Keep the library and settings in &lt;folder&gt; instead of the usual data folder.</source>
        <translation>Хранить библиотеку и настройки в &lt;папка&gt; вместо обычной папки данных.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>Listen on &lt;port&gt; when it is free, else on the next free port above it.</source>
        <translation>Слушать &lt;порт&gt;, если он свободен, иначе следующий свободный порт выше.</translation>
    </message>
    <message>
        <source>port</source>
        <translation>порт</translation>
    </message>
    <message>
        <source>Add the files to the library and end, instead of serving.</source>
        <translation>Добавить файлы в библиотеку и завершить работу, не раздавая.</translation>
    </message>
    <message>
        <source>files</source>
        <translation>файлы</translation>
    </message>
    <message>
        <source>Video files to add (with --add).</source>
        <translation type="vanished">Видеофайлы для добавления (с --add).</translation>
    </message>
    <message>
        <source>%1 is not a port.</source>
        <translation>%1 — не порт.</translation>
    </message>
    <message>
        <source>Files are added with --add FILE..., and only then.</source>
        <translation>Файлы добавляются только с --add ФАЙЛ...</translation>
    </message>
    <message>
        <source>Video files or folders to add (with --add).</source>
        <translation>Видеофайлы или папки для добавления (с --add).</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 — не папка.</translation>
    </message>
    <message>
        <source>Watching %1.</source>
        <translation>%1 отслеживается.</translation>
    </message>
    <message>
        <source>%1 is watched already.</source>
        <translation>%1 уже отслеживается.</translation>
    </message>
    <message>
        <source>The list of watched folders cannot be written.</source>
        <translation>Не удаётся записать список отслеживаемых папок.</translation>
    </message>
    <message>
        <source>Keep &lt;folder&gt; watched, as the window does, and end: videos that appear in it join the library while the server runs.</source>
        <translation>Отслеживать &lt;папка&gt;, как это делает окно, и завершиться: появляющиеся в ней видео попадают в библиотеку, пока работает сервер.</translation>
    </message>
</context>
<context>
    <name>HeadsetsView</name>
    <message>
        <source>Headsets seen</source>
        <translation>Замеченные гарнитуры</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1 с назад</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>%1 мин назад</translation>
    </message>
    <message>
        <source>browsing the list</source>
        <translation>просматривает список</translation>
    </message>
    <message>
        <source>fetching posters</source>
        <translation>загружает постеры</translation>
    </message>
    <message>
        <source>playing %1 at %2%</source>
        <extracomment>%1 is a video&apos;s file name, %2 how far into the file the headset reads, in percent.</extracomment>
        <translation>воспроизводит %1, %2%</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>No network to announce on.</source>
        <translation>Нет сети для оповещения.</translation>
    </message>
    <message>
        <source>Announced on:</source>
        <translation>Оповещение в сетях:</translation>
    </message>
    <message>
        <source>No headset yet. Check that it is on the same network as this PC and that a firewall lets TCP %1 and UDP %2 through.</source>
        <translation>Гарнитур пока нет. Проверьте, что гарнитура в той же сети, что и этот ПК, и что брандмауэр пропускает TCP %1 и UDP %2.</translation>
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
        <translation>Все</translation>
    </message>
    <message>
        <source>add video</source>
        <translation>Добавить видео</translation>
    </message>
    <message>
        <source>not video file</source>
        <translation>Это не видеофайл</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Это видео уже добавлено</translation>
    </message>
    <message>
        <source>Open Video File</source>
        <translation>Открыть видеофайлы</translation>
    </message>
    <message>
        <source>Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;All File(*.*)</source>
        <translation>Видеофайлы(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts);;Все файлы(*.*)</translation>
    </message>
    <message>
        <source>The video library could not be saved, so nothing was deleted. Please check the free disk space and try again.</source>
        <translation>Не удалось сохранить видеотеку, поэтому ничего не удалено. Проверьте свободное место на диске и повторите попытку.</translation>
    </message>
    <message>
        <source>The video could not be saved to the library. Please check the free disk space and try again.</source>
        <translation>Не удалось сохранить видео в библиотеке. Проверьте свободное место на диске и повторите попытку.</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message numerus="yes">
        <source>Remove missing videos (%n)</source>
        <translation>
            <numerusform>Удалить отсутствующее видео (%n)</numerusform>
            <numerusform>Удалить отсутствующие видео (%n)</numerusform>
            <numerusform>Удалить отсутствующие видео (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Keep watching this folder</source>
        <translation>Следить за этой папкой</translation>
    </message>
    <message>
        <source>Videos saved into this folder later join the library by themselves.</source>
        <translation>Видео, сохранённые в эту папку позже, сами попадут в библиотеку.</translation>
    </message>
</context>
<context>
    <name>HomeSub</name>
    <message>
        <source>Form</source>
        <translation>Видео</translation>
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
        <translation>Видеофайл отсутствует</translation>
    </message>
    <message>
        <source>Detect automatically</source>
        <translation>Определять автоматически</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Проекция</translation>
    </message>
    <message>
        <source>Stereo layout</source>
        <translation>Стереоформат</translation>
    </message>
    <message>
        <source>Mono (2D)</source>
        <translation>Моно (2D)</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Бок о бок</translation>
    </message>
    <message>
        <source>Top-bottom</source>
        <translation>Сверху-снизу</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>File is adding , please wait for a  moment !</source>
        <translation>Идёт добавление файлов, подождите немного.</translation>
    </message>
</context>
<context>
    <name>NuvoHomeUpdateDesc</name>
    <message>
        <source>Nuvo helper</source>
        <translation>Помощник Nuvo</translation>
    </message>
    <message>
        <source>updeta</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>desc</source>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>it is the latest version</source>
        <translation>У вас последняя версия</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Обновление…</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Не удалось обновить</translation>
    </message>
    <message>
        <source>Update again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Unable to create a new folder, update failed</source>
        <translation>Не удалось создать папку, обновление не выполнено</translation>
    </message>
    <message>
        <source>&lt;p&gt;1. Faster start&lt;br/&gt;2. Fixes&lt;/p&gt;</source>
        <translation>&lt;p&gt;1. Более быстрый запуск&lt;br/&gt;2. Исправления&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This copy was installed by the system&apos;s package manager: install the update through it.</source>
        <translation>Эта копия установлена системным менеджером пакетов: установите обновление через него.</translation>
    </message>
</context>
<context>
    <name>ParseProcess</name>
    <message>
        <source>ParseProcess</source>
        <translation>Добавление видео</translation>
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
        <translation>Другие плееры, в их браузере:</translation>
    </message>
    <message>
        <source>DLNA players find &quot;%1&quot; by themselves.</source>
        <extracomment>Side panel; %1 is the media server&apos;s name as DLNA players (VLC, TVs) list it.</extracomment>
        <translation>DLNA-плееры сами находят «%1».</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>ok</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>not video file</source>
        <translation>Это не видеофайл</translation>
    </message>
    <message>
        <source>already add the video</source>
        <translation>Это видео уже добавлено</translation>
    </message>
</context>
<context>
    <name>ServingLock</name>
    <message>
        <source>Another copy of Corvane (process %1) serves this data folder already: ending.</source>
        <translation>Другая копия Corvane (процесс %1) уже обслуживает эту папку данных: завершение.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>show window</source>
        <translation>Показать окно</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>No network</source>
        <translation>Нет сети</translation>
    </message>
    <message>
        <source>Headset address: %1  port %2</source>
        <translation>Адрес для гарнитуры: %1  порт %2</translation>
    </message>
    <message>
        <source>Not serving: the video server could not start</source>
        <translation>Не работает: не удалось запустить видеосервер</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>no net</source>
        <translation>Нет подключения к сети</translation>
    </message>
</context>
<context>
    <name>VideoProjection</name>
    <message>
        <source>Flat</source>
        <extracomment>A video that is not VR: menu entry and badge.</extracomment>
        <translation>Плоское</translation>
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
        <translation>Рыбий глаз</translation>
    </message>
    <message>
        <source>Cubemap</source>
        <translation>Кубическая карта</translation>
    </message>
    <message>
        <source>Fisheye %1</source>
        <extracomment>Badge of a fisheye video; %1 is its field of view in degrees.</extracomment>
        <translation>Рыбий глаз %1</translation>
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
        <translation>Отслеживаемые папки</translation>
    </message>
    <message>
        <source>New videos saved in these folders join the library by themselves.</source>
        <translation>Новые видео, сохранённые в этих папках, сами попадают в библиотеку.</translation>
    </message>
    <message>
        <source>Stop watching</source>
        <translation>Не отслеживать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 (not available: the disk is not connected or the folder is gone)</source>
        <translation>%1 (недоступна: диск не подключён или папки больше нет)</translation>
    </message>
    <message>
        <source>No folder is watched. When you add a folder, check &quot;Keep watching this folder&quot;.</source>
        <translation>Ни одна папка не отслеживается. При добавлении папки отметьте «Следить за этой папкой».</translation>
    </message>
    <message>
        <source>The list of watched folders could not be saved, so the folder is still watched.</source>
        <translation>Не удалось сохранить список отслеживаемых папок, поэтому папка по-прежнему отслеживается.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Video library</source>
        <translation>Видеотека</translation>
    </message>
    <message>
        <source>Loading the library…</source>
        <translation>Загрузка видеотеки…</translation>
    </message>
    <message>
        <source>The library is empty.</source>
        <translation>Видеотека пуста.</translation>
    </message>
    <message>
        <source>The library could not be loaded.</source>
        <translation>Не удалось загрузить видеотеку.</translation>
    </message>
    <message>
        <source>Choose a video to play it here.</source>
        <translation>Выберите видео, чтобы воспроизвести его здесь.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>File size in megabytes on the web page; %1 is the number.</extracomment>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>Other players: %1</source>
        <extracomment>Web page; %1 is the addresses to type into the DeoVR and HereSphere players.</extracomment>
        <translation>Другие плееры: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found: running without a visible window.
</source>
        <translation>Дисплей не найден: работа без видимого окна.
</translation>
    </message>
</context>
<context>
    <name>mainMenu</name>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>The video server could not start, so the headset cannot reach this PC. Please restart Corvane.</source>
        <translation>Не удалось запустить видеосервер, поэтому гарнитура не может подключиться к этому ПК. Перезапустите Corvane.</translation>
    </message>
</context>
<context>
    <name>myExit</name>
    <message>
        <source>quit?</source>
        <translation>Выйти из программы?</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>background</source>
        <translation>Фоновый режим</translation>
    </message>
</context>
</TS>
