<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CDrucken</name>
    <message>
        <source>There are no channels to print in this selection.</source>
        <translation>В этом выборе нет каналов для печати.</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>ТВ-каналы</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Радиоканалы</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Страница</translation>
    </message>
</context>
<context>
    <name>CTarnell1018View</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Част.</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Пол.</translation>
    </message>
    <message>
        <source>SR</source>
        <translation>SR</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>V-PID</source>
        <translation>V-PID</translation>
    </message>
    <message>
        <source>A-PID</source>
        <translation>A-PID</translation>
    </message>
    <message>
        <source>P-PID</source>
        <translation>P-PID</translation>
    </message>
    <message>
        <source>Value 4</source>
        <translation>Знач. 4</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Плат.</translation>
    </message>
    <message>
        <source>M 1</source>
        <translation>M 1</translation>
    </message>
    <message>
        <source>M 2</source>
        <translation>M 2</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
</context>
<context>
    <name>CUserDialogs</name>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>Файлы настроек (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>Service lists (*.fdu)</source>
        <translation>Списки каналов (*.fdu)</translation>
    </message>
    <message>
        <source>Service lists with configuration (*.sys)</source>
        <translation>Списки каналов с конфигурацией (*.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Экспорт списка каналов</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Vezi Exportliste (*.txt)</source>
        <translation>Список экспорта Vezi (*.txt)</translation>
    </message>
    <message>
        <source>Vezi export list in UTF-8 (*.txt)</source>
        <translation>Список экспорта Vezi в UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>The receiver accepted the FTP login.</source>
        <translation>Ресивер принял вход по FTP.</translation>
    </message>
    <message>
        <source>No FTP connection to the receiver. Check the address, port, user name and password of the network profile.</source>
        <translation>Нет FTP-соединения с ресивером. Проверьте адрес, порт, имя пользователя и пароль сетевого профиля.</translation>
    </message>
    <message>
        <source>ftp Connection Error</source>
        <translation>Ошибка FTP-соединения</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>No Data 0</source>
        <translation>Нет данных 0</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>ftp Test</source>
        <translation>Проверка FTP</translation>
    </message>
    <message>
        <source>Restart receiver</source>
        <translation>Перезапуск ресивера</translation>
    </message>
    <message>
        <source>Fehler 1</source>
        <translation>Ошибка 1</translation>
    </message>
    <message>
        <source>Kein Connect</source>
        <translation>Нет соединения</translation>
    </message>
    <message>
        <source>The receiver did not deliver a service list.</source>
        <translation>Ресивер не передал список каналов.</translation>
    </message>
    <message>
        <source>Restart the receiver now, so that it reads the new lists?</source>
        <translation>Перезапустить ресивер сейчас, чтобы он прочитал новые списки?</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a service list; it was not read.</source>
        <translation>Файл %1 на ресивере больше %2 байт, значит, это не список каналов; он не был прочитан.</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a configuration; it was not read.</source>
        <translation>Файл %1 на ресивере больше %2 байт, значит, это не конфигурация; он не был прочитан.</translation>
    </message>
    <message>
        <source>The service list fetched from the receiver cannot be opened.</source>
        <translation>Список каналов, загруженный с ресивера, не удаётся открыть.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be kept; nothing was sent.</source>
        <translation>Не удалось сохранить копию текущих файлов ресивера; ничего не отправлено.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be read; nothing was sent.</source>
        <translation>Не удалось прочитать текущие файлы ресивера; ничего не отправлено.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver keeps its previous file.</source>
        <translation>Не удалось записать %1; на ресивере остаётся прежний файл.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>Не удалось записать %1; файл на ресивере теперь может быть неполным. Прежние файлы находятся в &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver keeps its previous file.</source>
        <translation>Список каналов отправлен, но записать %1 не удалось; на ресивере остаётся прежний файл.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>Список каналов отправлен, но записать %1 не удалось; файл на ресивере теперь может быть неполным. Прежние файлы находятся в &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no receiver address</source>
        <translation>у профиля &quot;%1&quot; нет адреса ресивера</translation>
    </message>
    <message>
        <source>the receiver has no %1</source>
        <translation>на ресивере нет файла %1</translation>
    </message>
    <message>
        <source>the receiver has no %1; nothing was sent</source>
        <translation>на ресивере нет файла %1; ничего не отправлено</translation>
    </message>
    <message>
        <source>%1 on the receiver is empty</source>
        <translation>файл %1 на ресивере пуст</translation>
    </message>
    <message>
        <source>the receiver closed the connection: %1</source>
        <translation>ресивер закрыл соединение: %1</translation>
    </message>
    <message>
        <source>The FTP client could not be set up.</source>
        <translation>Не удалось подготовить FTP-клиент.</translation>
    </message>
    <message>
        <source>No receiver address or port.</source>
        <translation>Не указан адрес или порт ресивера.</translation>
    </message>
    <message>
        <source>The user name or the password contains a line break.</source>
        <translation>Имя пользователя или пароль содержит перевод строки.</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>Системные данные повреждены!</translation>
    </message>
    <message>
        <source>There is no network profile. Add one for the receiver on the Network page of the options.</source>
        <translation>Нет ни одного сетевого профиля. Добавьте профиль для ресивера на странице &quot;Сеть&quot; в параметрах.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ReceiverConfig</name>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Левый</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Правый</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Всегда</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Black screen</source>
        <translation>Чёрный экран</translation>
    </message>
    <message>
        <source>Still picture</source>
        <translation>Стоп-кадр</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Вверху</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Внизу</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>Номер канала</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>Название канала</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Dimmed</source>
        <translation>Приглушённая</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Без ограничений</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Режим ожидания</translation>
    </message>
    <message>
        <source>Stay on</source>
        <translation>Оставаться включённым</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Без ограничения</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Максимум</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Region %1</source>
        <translation>Регион %1</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 часа</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 часов</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>Язык меню</translation>
    </message>
    <message>
        <source>First audio language</source>
        <translation>Первый язык звука</translation>
    </message>
    <message>
        <source>Second audio language</source>
        <translation>Второй язык звука</translation>
    </message>
    <message>
        <source>First subtitle language</source>
        <translation>Первый язык субтитров</translation>
    </message>
    <message>
        <source>Second subtitle language</source>
        <translation>Второй язык субтитров</translation>
    </message>
    <message>
        <source>Programme guide language</source>
        <translation>Язык телегида</translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
    <message>
        <source>Start timeshift automatically</source>
        <translation>Запускать timeshift автоматически</translation>
    </message>
    <message>
        <source>Start recordings earlier by</source>
        <translation>Начинать запись раньше на</translation>
    </message>
    <message>
        <source>End recordings later by</source>
        <translation>Заканчивать запись позже на</translation>
    </message>
    <message>
        <source>After a timer recording</source>
        <translation>После записи по таймеру</translation>
    </message>
    <message>
        <source>Length of an instant recording</source>
        <translation>Длительность мгновенной записи</translation>
    </message>
    <message>
        <source>Timeshift length</source>
        <translation>Длительность timeshift</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Формат записи</translation>
    </message>
    <message>
        <source>Recording buffer</source>
        <translation>Буфер записи</translation>
    </message>
    <message>
        <source>Playback buffer</source>
        <translation>Буфер воспроизведения</translation>
    </message>
    <message>
        <source>Age rating</source>
        <translation>Возрастное ограничение</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>PIN-код</translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation>Блокировка %1</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Info bar shown for</source>
        <translation>Инфопанель показывается</translation>
    </message>
    <message>
        <source>Clock in standby</source>
        <translation>Часы в режиме ожидания</translation>
    </message>
    <message>
        <source>Volume bar shown for</source>
        <translation>Шкала громкости показывается</translation>
    </message>
    <message>
        <source>While changing channels</source>
        <translation>При переключении каналов</translation>
    </message>
    <message>
        <source>Info bar position</source>
        <translation>Положение инфопанели</translation>
    </message>
    <message>
        <source>Front display shows</source>
        <translation>Передний дисплей показывает</translation>
    </message>
    <message>
        <source>Front display lighting</source>
        <translation>Подсветка переднего дисплея</translation>
    </message>
    <message>
        <source>Menu shown for</source>
        <translation>Меню показывается</translation>
    </message>
    <message>
        <source>Menu transparency</source>
        <translation>Прозрачность меню</translation>
    </message>
    <message>
        <source>Time setting</source>
        <translation>Установка времени</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Clock format</source>
        <translation>Формат часов</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Телевизионная система</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Соотношение сторон</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Display format</source>
        <translation>Формат изображения</translation>
    </message>
    <message>
        <source>Video output</source>
        <translation>Видеовыход</translation>
    </message>
    <message>
        <source>Dolby Digital</source>
        <translation>Dolby Digital</translation>
    </message>
    <message>
        <source>Sound over HDMI</source>
        <translation>Звук через HDMI</translation>
    </message>
    <message>
        <source>Sound mode</source>
        <translation>Режим звука</translation>
    </message>
    <message>
        <source>Video option</source>
        <translation>Параметр видео</translation>
    </message>
    <message>
        <source>Sound delay</source>
        <translation>Задержка звука</translation>
    </message>
    <message>
        <source>Addresses from the network (DHCP)</source>
        <translation>Адреса из сети (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>First DNS server</source>
        <translation>Первый DNS-сервер</translation>
    </message>
    <message>
        <source>Second DNS server</source>
        <translation>Второй DNS-сервер</translation>
    </message>
    <message>
        <source>Further address %1</source>
        <translation>Дополнительный адрес %1</translation>
    </message>
    <message>
        <source>Network option</source>
        <translation>Параметр сети</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Текст %1</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Параметр %1</translation>
    </message>
    <message>
        <source>Channel numbers as stored in the list</source>
        <translation>Номера каналов, сохранённые в списке</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Долгота места</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Широта места</translation>
    </message>
    <message>
        <source>Time span shown</source>
        <translation>Показываемый период</translation>
    </message>
    <message>
        <source>Programme guide memory</source>
        <translation>Память телегида</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Parental control</source>
        <translation>Родительский контроль</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Отображение</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>Список каналов</translation>
    </message>
    <message>
        <source>Positioner and single cable</source>
        <translation>Позиционер и одиночный кабель</translation>
    </message>
    <message>
        <source>Picture and sound output</source>
        <translation>Вывод изображения и звука</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>Repair channel names</source>
        <translation>Исправить имена каналов</translation>
    </message>
    <message>
        <source>New favourite list</source>
        <translation>Новый список избранного</translation>
    </message>
    <message>
        <source>Remove unused transponders</source>
        <translation>Удалить неиспользуемые транспондеры</translation>
    </message>
    <message>
        <source>Channel numbering</source>
        <translation>Нумерация каналов</translation>
    </message>
    <message>
        <source>Sort by template</source>
        <translation>Сортировать по шаблону</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Переместить канал</translation>
    </message>
    <message>
        <source>Rename channel</source>
        <translation>Переименовать канал</translation>
    </message>
    <message>
        <source>Add to favourites</source>
        <translation>Добавить в избранное</translation>
    </message>
    <message>
        <source>Remove from favourites</source>
        <translation>Удалить из избранного</translation>
    </message>
    <message>
        <source>Adopt the list order</source>
        <translation>Принять порядок списка</translation>
    </message>
    <message>
        <source>New TV channel</source>
        <translation>Новый ТВ-канал</translation>
    </message>
    <message>
        <source>New radio channel</source>
        <translation>Новый радиоканал</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Новый спутник</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Новый транспондер</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>Удалить каналы</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Удалить транспондеры</translation>
    </message>
    <message>
        <source>Rename provider</source>
        <translation>Переименовать провайдера</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Переименовать список избранного</translation>
    </message>
    <message>
        <source>Delete favourite list</source>
        <translation>Удалить список избранного</translation>
    </message>
    <message>
        <source>Favourite list from provider</source>
        <translation>Список избранного из провайдера</translation>
    </message>
    <message>
        <source>Move favourite list</source>
        <translation>Переместить список избранного</translation>
    </message>
    <message>
        <source>Move satellite</source>
        <translation>Переместить спутник</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Удалить %n канал</numerusform>
            <numerusform>Удалить %n канала</numerusform>
            <numerusform>Удалить %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>Вырезать %n канал</numerusform>
            <numerusform>Вырезать %n канала</numerusform>
            <numerusform>Вырезать %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>Вставить %n канал</numerusform>
            <numerusform>Вставить %n канала</numerusform>
            <numerusform>Вставить %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mark %n channel(s)</source>
        <translation>
            <numerusform>Отметить %n канал</numerusform>
            <numerusform>Отметить %n канала</numerusform>
            <numerusform>Отметить %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %n channel(s)</source>
        <translation>
            <numerusform>Пронумеровать %n канал</numerusform>
            <numerusform>Пронумеровать %n канала</numerusform>
            <numerusform>Пронумеровать %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s)</source>
        <translation>
            <numerusform>Переместить %n канал</numerusform>
            <numerusform>Переместить %n канала</numerusform>
            <numerusform>Переместить %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite list</source>
        <translation>
            <numerusform>Добавить %n канал в список избранного</numerusform>
            <numerusform>Добавить %n канала в список избранного</numerusform>
            <numerusform>Добавить %n каналов в список избранного</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from a favourite list</source>
        <translation>
            <numerusform>Удалить %n канал из списка избранного</numerusform>
            <numerusform>Удалить %n канала из списка избранного</numerusform>
            <numerusform>Удалить %n каналов из списка избранного</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from the favourite list</source>
        <translation>
            <numerusform>Удалить %n канал из этого списка избранного</numerusform>
            <numerusform>Удалить %n канала из этого списка избранного</numerusform>
            <numerusform>Удалить %n каналов из этого списка избранного</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from all favourite lists</source>
        <translation>
            <numerusform>Удалить %n канал из всех списков избранного</numerusform>
            <numerusform>Удалить %n канала из всех списков избранного</numerusform>
            <numerusform>Удалить %n каналов из всех списков избранного</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all timers</source>
        <translation>Удалить все таймеры</translation>
    </message>
    <message>
        <source>Change timer</source>
        <translation>Изменить таймер</translation>
    </message>
    <message>
        <source>Change timer text</source>
        <translation>Изменить текст таймера</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timer(s)</source>
        <translation>
            <numerusform>Удалить %n таймер</numerusform>
            <numerusform>Удалить %n таймера</numerusform>
            <numerusform>Удалить %n таймеров</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>Изменить спутник</translation>
    </message>
    <message>
        <source>Edit LNB settings</source>
        <translation>Изменить настройки LNB</translation>
    </message>
    <message>
        <source>Change tuner mode</source>
        <translation>Изменить режим тюнера</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Изменить транспондер</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>Изменить канал</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Настройки ресивера</translation>
    </message>
    <message>
        <source>Apply a reference order</source>
        <translation>Применить эталонный порядок</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutCtrl</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Service lists and settings of Octagon SF 1018 and SF 1028 receivers</source>
        <translation>Списки каналов и настройки ресиверов Octagon SF 1018 и SF 1028</translation>
    </message>
    <message>
        <source>Thanks to every receiver owner who shared a list and tested the transfers.</source>
        <translation>Спасибо всем владельцам ресиверов, которые поделились списком и проверили передачу.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Собрано с Qt %1, работает на Qt %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutDlg</name>
    <message>
        <source>About Tarnell 1018</source>
        <translation>О программе Tarnell 1018</translation>
    </message>
</context>
<context>
    <name>tarnell::CAppOptionPage</name>
    <message>
        <source>Tooltips</source>
        <translation>Всплывающие подсказки</translation>
    </message>
    <message>
        <source>Show tooltips on the ribbon</source>
        <translation>Показывать подсказки на ленте</translation>
    </message>
    <message>
        <source>Show the description in the tooltips</source>
        <translation>Показывать описание в подсказках</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Главное окно</translation>
    </message>
    <message>
        <source>Status Bar On/Off</source>
        <translation>Строка состояния вкл./выкл.</translation>
    </message>
    <message>
        <source>Message Bar On/Off</source>
        <translation>Панель сообщений вкл./выкл.</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Channel list background</source>
        <translation>Фон списка каналов</translation>
    </message>
    <message>
        <source>Channel list text</source>
        <translation>Текст списка каналов</translation>
    </message>
    <message>
        <source>Tree background</source>
        <translation>Фон дерева</translation>
    </message>
    <message>
        <source>Tree text</source>
        <translation>Текст дерева</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>Другие цвета...</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Tooltips, the bars of the main window and the colours of the tree and the channel list. Bars and colours change at once.</source>
        <translation>Подсказки, панели главного окна и цвета дерева и списка каналов. Панели и цвета меняются сразу.</translation>
    </message>
</context>
<context>
    <name>tarnell::CBackupDlg</name>
    <message>
        <source>Restore a Backup</source>
        <translation>Восстановить резервную копию</translation>
    </message>
    <message>
        <source>Before each send the receiver&apos;s list is kept here. Open one to look at it, or send it back to the receiver.</source>
        <translation>Перед каждой отправкой список ресивера сохраняется здесь. Откройте его для просмотра или отправьте обратно на ресивер.</translation>
    </message>
    <message>
        <source>Kept on</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Compared with the open list</source>
        <translation>По сравнению с открытым списком</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>Open as New Document</source>
        <translation>Открыть как новый документ</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Отправить на ресивер</translation>
    </message>
    <message>
        <source>No backups have been kept yet.</source>
        <translation>Резервные копии ещё не сохранялись.</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelEditCommands</name>
    <message>
        <source>Move Up</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Adopt List Order</source>
        <translation>Принять порядок списка</translation>
    </message>
    <message>
        <source>The clipboard holds no channels, transponders or satellites.</source>
        <translation>В буфере обмена нет каналов, транспондеров или спутников.</translation>
    </message>
    <message>
        <source>A channel on the clipboard is of the other kind (TV or radio) than the list shown; the paste stopped there.</source>
        <translation>Канал в буфере обмена другого вида (ТВ или радио), чем показанный список; вставка остановлена на нём.</translation>
    </message>
    <message>
        <source>No free transponder is left for a channel on the clipboard; the paste stopped there.</source>
        <translation>Для канала из буфера обмена не осталось свободного транспондера; вставка остановлена на нём.</translation>
    </message>
    <message>
        <source>No satellite can be added for a channel on the clipboard: the list holds 255 satellites. The paste stopped there.</source>
        <translation>Для канала из буфера обмена нельзя добавить спутник: в списке 255 спутников. Вставка остановлена на нём.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes; the paste stopped there.</source>
        <translation>В списке 10 000 каналов — столько, сколько принимает ресивер; вставка остановлена.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes.</source>
        <translation>В списке 10 000 каналов — столько, сколько принимает ресивер.</translation>
    </message>
    <message>
        <source>New channel %1 created.</source>
        <translation>Создан новый канал %1.</translation>
    </message>
    <message>
        <source>The list order can only be adopted while the list shows all channels.</source>
        <translation>Порядок списка можно принять, только когда список показывает все каналы.</translation>
    </message>
    <message>
        <source>Should the channels be numbered in the order the list shows them now?</source>
        <translation>Пронумеровать каналы в том порядке, в каком их сейчас показывает список?</translation>
    </message>
    <message>
        <source>The channels were not moved.</source>
        <translation>Каналы не перемещены.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved.</source>
        <translation>
            <numerusform>Перемещён %n канал.</numerusform>
            <numerusform>Перемещено %n канала.</numerusform>
            <numerusform>Перемещено %n каналов.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelListCommands</name>
    <message>
        <source>Column width of the list style</source>
        <translation>Ширина столбцов в режиме списка</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelSucheDlg</name>
    <message>
        <source>Part of a channel name</source>
        <translation>Часть названия канала</translation>
    </message>
    <message>
        <source>No service list is open.</source>
        <translation>Нет открытого списка каналов.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) found</source>
        <translation>
            <numerusform>Найден %n канал</numerusform>
            <numerusform>Найдено %n канала</numerusform>
            <numerusform>Найдено %n каналов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareCommands</name>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... и ещё %1</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Compare with a File...</source>
        <translation>Сравнить с файлом...</translation>
    </message>
    <message>
        <source>Compare with the Receiver&apos;s List...</source>
        <translation>Сравнить со списком ресивера...</translation>
    </message>
    <message>
        <source>Apply a Reference Order...</source>
        <translation>Применить эталонный порядок...</translation>
    </message>
    <message>
        <source>Select Duplicates</source>
        <translation>Выделить дубликаты</translation>
    </message>
    <message>
        <source>Restore a Backup...</source>
        <translation>Восстановить резервную копию...</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Сравнить с</translation>
    </message>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>Файлы настроек (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>the receiver&apos;s list</source>
        <translation>список ресивера</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Эталонный список</translation>
    </message>
    <message>
        <source>Reference lists (*.fdu *.sys *.tv *.radio *.txt)</source>
        <translation>Эталонные списки (*.fdu *.sys *.tv *.radio *.txt)</translation>
    </message>
    <message>
        <source>Enigma2 bouquets (*.tv *.radio)</source>
        <translation>Букеты Enigma2 (*.tv *.radio)</translation>
    </message>
    <message>
        <source>Channel names, one a line (*.txt)</source>
        <translation>Названия каналов, по одному в строке (*.txt)</translation>
    </message>
    <message>
        <source>The reference has favourite lists (%1). Rebuild the favourite lists of the same names from it too?</source>
        <translation>В эталоне есть списки избранного (%1). Перестроить по нему и одноимённые списки избранного?</translation>
    </message>
    <message>
        <source>Apply a Reference Order</source>
        <translation>Применить эталонный порядок</translation>
    </message>
    <message>
        <source>%1 channels took the reference&apos;s order: %2 by satellite, transponder and service, %3 by name.</source>
        <translation>%1 каналов приняли порядок эталона: %2 по спутнику, транспондеру и сервису, %3 по названию.</translation>
    </message>
    <message>
        <source>Favourite lists: %1 rebuilt, %2 added.</source>
        <translation>Списки избранного: %1 перестроено, %2 добавлено.</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they follow in their order:</source>
        <translation>%1 каналов нет в эталоне; они следуют в своём порядке:</translation>
    </message>
    <message>
        <source>%1 entries of the reference found no channel:</source>
        <translation>Для %1 записей эталона канал не найден:</translation>
    </message>
    <message>
        <source>No TV channel is there twice.</source>
        <translation>Ни один ТВ-канал не встречается дважды.</translation>
    </message>
    <message>
        <source>No radio channel is there twice.</source>
        <translation>Ни один радиоканал не встречается дважды.</translation>
    </message>
    <message>
        <source>%1 names stand on more than one transponder; their channels are selected.</source>
        <translation>%1 названий встречаются на нескольких транспондерах; их каналы выделены.</translation>
    </message>
    <message>
        <source>%1 channels are the same service as an earlier one and are selected; %2 names stand on more than one transponder.</source>
        <translation>%1 каналов — тот же сервис, что и более ранний, они выделены; %2 названий встречаются на нескольких транспондерах.</translation>
    </message>
    <message>
        <source>%1 channels of the list are not in the reference. Put them before the channels the reference orders? (No puts them after.)</source>
        <translation>%1 каналов списка нет в образце. Поставить их перед каналами, которые упорядочивает образец? (Нет — поставить после.)</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they come first, in their order:</source>
        <translation>%1 каналов нет в образце; они идут первыми, в своём порядке:</translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareDlg</name>
    <message>
        <source>TV/radio</source>
        <translation>ТВ/радио</translation>
    </message>
    <message>
        <source>stored number</source>
        <translation>сохранённый номер</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>PID видео</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>PID аудио</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>флаги</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>звук</translation>
    </message>
    <message>
        <source>options</source>
        <translation>параметры</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>символьная скорость</translation>
    </message>
    <message>
        <source>provider</source>
        <translation>провайдер</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>канал</translation>
    </message>
    <message>
        <source>start</source>
        <translation>начало</translation>
    </message>
    <message>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>other values</source>
        <translation>другие значения</translation>
    </message>
    <message>
        <source>was &quot;%1&quot;</source>
        <translation>было «%1»</translation>
    </message>
    <message>
        <source>list &quot;%1&quot;</source>
        <translation>список «%1»</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Списки избранного</translation>
    </message>
    <message>
        <source>Channels in favourite lists</source>
        <translation>Каналы в списках избранного</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>LNB settings</source>
        <translation>Настройки LNB</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Таймеры</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Конфигурация ресивера</translation>
    </message>
    <message>
        <source>added</source>
        <translation>добавлено</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>удалено</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>переименовано</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>перемещено</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>изменено</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Различий нет.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>From &lt;b&gt;%1&lt;/b&gt; to &lt;b&gt;%2&lt;/b&gt;:</source>
        <translation>От &lt;b&gt;%1&lt;/b&gt; к &lt;b&gt;%2&lt;/b&gt;:</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Фильтр по названию</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Все изменения</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
</context>
<context>
    <name>tarnell::CDockPanes</name>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Select a satellite in the tree to edit it here.</source>
        <translation>Выберите спутник в дереве, чтобы изменить его здесь.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Select a transponder in the tree to edit it here.</source>
        <translation>Выберите транспондер в дереве, чтобы изменить его здесь.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Select a channel in the list to edit it here.</source>
        <translation>Выберите канал в списке, чтобы изменить его здесь.</translation>
    </message>
    <message>
        <source>Channel Search</source>
        <translation>Поиск каналов</translation>
    </message>
    <message>
        <source>Type part of a channel name to find it.</source>
        <translation>Введите часть названия канала, чтобы найти его.</translation>
    </message>
</context>
<context>
    <name>tarnell::CDocumentCommands</name>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Stored Numbers</source>
        <translation>Сохранённые номера</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Перенумеровать</translation>
    </message>
    <message>
        <source>Repair Names</source>
        <translation>Исправить имена</translation>
    </message>
    <message>
        <source>Channel name references repaired.</source>
        <translation>Ссылки на названия каналов исправлены.</translation>
    </message>
    <message>
        <source>Remove Unused Transponders</source>
        <translation>Удалить неиспользуемые транспондеры</translation>
    </message>
    <message numerus="yes">
        <source>%n unused transponder(s) removed.</source>
        <translation>
            <numerusform>Удалён %n неиспользуемый транспондер.</numerusform>
            <numerusform>Удалено %n неиспользуемых транспондера.</numerusform>
            <numerusform>Удалено %n неиспользуемых транспондеров.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as Text...</source>
        <translation>Экспорт в текст...</translation>
    </message>
    <message>
        <source>Sort by Template</source>
        <translation>Сортировать по шаблону</translation>
    </message>
    <message>
        <source>The channels have been renumbered.</source>
        <translation>Каналы перенумерованы.</translation>
    </message>
    <message numerus="yes">
        <source>The channels have been renumbered; %n channel(s) moved to the top by the template.</source>
        <translation>
            <numerusform>Каналы перенумерованы; шаблон переместил наверх %n канал.</numerusform>
            <numerusform>Каналы перенумерованы; шаблон переместил наверх %n канала.</numerusform>
            <numerusform>Каналы перенумерованы; шаблон переместил наверх %n каналов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel list exported to %1.</source>
        <translation>Список каналов экспортирован в %1.</translation>
    </message>
    <message>
        <source>Sequential Numbers</source>
        <translation>Сквозная нумерация</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
</context>
<context>
    <name>tarnell::CFavouriteColours</name>
    <message>
        <source>More Colours...</source>
        <translation>Другие цвета...</translation>
    </message>
</context>
<context>
    <name>tarnell::CFtpOptionPage</name>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Новый профиль</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Удалить профиль</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ресивер</translation>
    </message>
    <message>
        <source>Restart with &quot;reboot -f&quot;</source>
        <translation>Перезапуск командой &quot;reboot -f&quot;</translation>
    </message>
    <message>
        <source>Test FTP Login</source>
        <translation>Проверить вход по FTP</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Пользователь:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>The receiver&apos;s address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>Адрес ресивера должен состоять из четырёх чисел от 0 до 255, разделённых точками, например 192.168.0.10.</translation>
    </message>
    <message>
        <source>The port must be a whole number from %1 to %2; FTP usually uses %3.</source>
        <translation>Порт должен быть целым числом от %1 до %2; обычно FTP использует %3.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Logging in to %1:%2 ...</source>
        <translation>Вход на %1:%2 ...</translation>
    </message>
    <message>
        <source>The receivers on your network. Transfers use the profile selected in the list; changes take effect at once and stay even after Cancel.</source>
        <translation>Ресиверы в вашей сети. Передача использует профиль, выбранный в списке; изменения действуют сразу и сохраняются даже после «Отмена».</translation>
    </message>
</context>
<context>
    <name>tarnell::CImportDlg</name>
    <message>
        <source>Datenfile nicht gefunden, oder Datenfile in Gebrauch!</source>
        <translation>Файл данных не найден или используется!</translation>
    </message>
    <message>
        <source>Fehler beim Lesen des Datenfiles!</source>
        <translation>Ошибка чтения файла данных!</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>Системные данные повреждены!</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Источник:</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Папка...</translation>
    </message>
    <message>
        <source>Choose the folder that holds lamedb and the bouquet files.</source>
        <translation>Выберите папку, в которой лежат lamedb и файлы букетов.</translation>
    </message>
    <message>
        <source>Base settings file:</source>
        <translation>Базовый файл настроек:</translation>
    </message>
    <message>
        <source>Its satellites and receiver configuration are kept; the file itself is not changed.</source>
        <translation>Его спутники и конфигурация ресивера сохраняются; сам файл не изменяется.</translation>
    </message>
    <message>
        <source>Start Import</source>
        <translation>Начать импорт</translation>
    </message>
    <message>
        <source>kein Source</source>
        <translation>Нет источника</translation>
    </message>
    <message>
        <source>Bouquets (TV)</source>
        <translation>Букеты (ТВ)</translation>
    </message>
    <message>
        <source>Bouquets (Radio)</source>
        <translation>Букеты (радио)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Reading the bouquets...</source>
        <translation>Чтение букетов...</translation>
    </message>
    <message>
        <source>Channel list to import</source>
        <translation>Список каналов для импорта</translation>
    </message>
    <message>
        <source>Base settings file</source>
        <translation>Базовый файл настроек</translation>
    </message>
    <message>
        <source>Importing the channel list...</source>
        <translation>Импорт списка каналов...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Please check files</source>
        <translation>Проверьте файлы</translation>
    </message>
    <message>
        <source>Imported: %1 TV and %2 radio channels, %3 transponders, %4 new satellites, %5 favourite lists.</source>
        <translation>Импортировано: ТВ-каналов %1, радиоканалов %2, транспондеров %3, новых спутников %4, списков избранного %5.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders, no free transponder slot.</source>
        <translation>Пропущено транспондеров: %1, нет свободного места для транспондера.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders whose frequency or position the receiver cannot store.</source>
        <translation>Пропущено транспондеров: %1, их частоту или позицию ресивер сохранить не может.</translation>
    </message>
    <message>
        <source>Left out: %1 satellites beyond 255 (their transponders went to the last one).</source>
        <translation>Пропущено спутников сверх 255: %1 (их транспондеры отнесены к последнему).</translation>
    </message>
    <message>
        <source>Left out: %1 services, the receiver holds at most 10,000 channels.</source>
        <translation>Пропущено сервисов: %1, ресивер вмещает не более 10 000 каналов.</translation>
    </message>
    <message>
        <source>Left out: %1 services of a type the receiver does not list (only 1, 2, 4, 22 and 25).</source>
        <translation>Пропущено сервисов: %1, их тип ресивер не показывает (только 1, 2, 4, 22 и 25).</translation>
    </message>
    <message>
        <source>Note: %1 channels have no transponder.</source>
        <translation>Примечание: у каналов (%1) нет транспондера.</translation>
    </message>
    <message>
        <source>Import report</source>
        <translation>Отчёт об импорте</translation>
    </message>
</context>
<context>
    <name>tarnell::CLeftView</name>
    <message>
        <source>Satellite Properties</source>
        <translation>Свойства спутника</translation>
    </message>
    <message>
        <source>Transponder Properties</source>
        <translation>Свойства транспондера</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Mark Favourite List</source>
        <translation>Отметить список избранного</translation>
    </message>
    <message>
        <source>Clear Favourite Mark</source>
        <translation>Снять отметку избранного</translation>
    </message>
    <message>
        <source>Favourite Sequence Numbers</source>
        <translation>Порядковые номера избранного</translation>
    </message>
    <message>
        <source>Delete Favourite List</source>
        <translation>Удалить список избранного</translation>
    </message>
    <message>
        <source>New Favourite List</source>
        <translation>Новый список избранного</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Новый транспондер</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Новый канал</translation>
    </message>
    <message>
        <source>Delete Channels of Transponder</source>
        <translation>Удалить каналы транспондера</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Удалить транспондер</translation>
    </message>
    <message>
        <source>Delete Transponders of Satellite</source>
        <translation>Удалить транспондеры спутника</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Новый спутник</translation>
    </message>
    <message>
        <source>New Favourite List from Provider</source>
        <translation>Новый список избранного по провайдеру</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>По имени</translation>
    </message>
    <message>
        <source>By Orbital Position</source>
        <translation>По орбитальной позиции</translation>
    </message>
    <message>
        <source>In Stored Order</source>
        <translation>В сохранённом порядке</translation>
    </message>
    <message>
        <source>By Number</source>
        <translation>По номеру</translation>
    </message>
    <message>
        <source>Satellites with Channels</source>
        <translation>Спутники с каналами</translation>
    </message>
    <message>
        <source>Satellites with LNB Settings</source>
        <translation>Спутники с настройками LNB</translation>
    </message>
    <message>
        <source>ISO 6937</source>
        <translation>ISO 6937</translation>
    </message>
    <message>
        <source>ISO 8859-5 (Cyrillic)</source>
        <translation>ISO 8859-5 (кириллица)</translation>
    </message>
    <message>
        <source>ISO 8859-6 (Arabic)</source>
        <translation>ISO 8859-6 (арабский)</translation>
    </message>
    <message>
        <source>ISO 8859-7 (Greek)</source>
        <translation>ISO 8859-7 (греческий)</translation>
    </message>
    <message>
        <source>ISO 8859-8 (Hebrew)</source>
        <translation>ISO 8859-8 (иврит)</translation>
    </message>
    <message>
        <source>ISO 8859-9 (Turkish)</source>
        <translation>ISO 8859-9 (турецкий)</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Satellite Order</source>
        <translation>Порядок спутников</translation>
    </message>
    <message>
        <source>Active Satellites</source>
        <translation>Активные спутники</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Порядок провайдеров</translation>
    </message>
    <message>
        <source>Favourite Code Page</source>
        <translation>Кодовая страница избранного</translation>
    </message>
    <message>
        <source>The list holds 255 satellites, as many as the receiver takes.</source>
        <translation>В списке 255 спутников — столько, сколько принимает ресивер.</translation>
    </message>
    <message>
        <source>Kein SatArrayPos</source>
        <translation>Спутника нет в списке спутников.</translation>
    </message>
    <message>
        <source>Es konnte kein neuer Transponder erzeugt werden.</source>
        <translation>Не удалось создать новый транспондер.</translation>
    </message>
</context>
<context>
    <name>tarnell::CMainFrame</name>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>About Tarnell 1018</source>
        <translation>О программе Tarnell 1018</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить все</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>List Style</source>
        <translation>Вид списка</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробно</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Окна</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Active Satellites Only</source>
        <translation>Только активные спутники</translation>
    </message>
    <message>
        <source>Satellite Numbers</source>
        <translation>Номера спутников</translation>
    </message>
    <message>
        <source>Favourite Text</source>
        <translation>Текст избранного</translation>
    </message>
    <message>
        <source>Favourite Background</source>
        <translation>Фон избранного</translation>
    </message>
    <message>
        <source>Favourite Options</source>
        <translation>Параметры избранного</translation>
    </message>
    <message>
        <source>Network Profiles</source>
        <translation>Сетевые профили</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ресивер</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Отправить на ресивер</translation>
    </message>
    <message>
        <source>Fetch Service List</source>
        <translation>Загрузить список каналов</translation>
    </message>
    <message>
        <source>Fetch Service List and Configuration</source>
        <translation>Загрузить список каналов и конфигурацию</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>Receiver Configuration</source>
        <translation>Конфигурация ресивера</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Tarnell 1018 edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers.

Open a settings file (*.fdu, *.sys) or fetch the list from the receiver, choose a satellite, transponder, provider or favourite list in the tree on the left and work on its channels in the list on the right. Save the file or send it back to the receiver when you are done.

Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+A select all, Ctrl+W close, Shift+F1 what&apos;s this.</source>
        <translation>Tarnell 1018 редактирует списки каналов и настройки ресиверов Octagon SF 1018 и SF 1028.

Откройте файл настроек (*.fdu, *.sys) или загрузите список с ресивера, выберите в дереве слева спутник, транспондер, провайдера или список избранного и работайте с его каналами в списке справа. Когда закончите, сохраните файл или отправьте его обратно на ресивер.

Клавиши: Ctrl+N создать, Ctrl+O открыть, Ctrl+S сохранить, Ctrl+Z отменить, Ctrl+Y повторить, Ctrl+A выделить все, Ctrl+W закрыть, Shift+F1 что это.</translation>
    </message>
    <message>
        <source>Community Web Page</source>
        <translation>Веб-страница сообщества</translation>
    </message>
    <message>
        <source>Tabbed Windows</source>
        <translation>Окна на вкладках</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Каскадом</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Мозаикой</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Последние файлы</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Буфер обмена</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <translation>ТВ/Радио</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Отображение</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>The service list window has been closed.</source>
        <translation>Окно списка каналов было закрыто.</translation>
    </message>
    <message>
        <source>Service list %1</source>
        <translation>Список каналов %1</translation>
    </message>
    <message>
        <source>The settings file cannot be opened.</source>
        <translation>Не удаётся открыть файл настроек.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. These parts of it cannot be read:

%2

If you open it, the list lacks them, and saving or sending it loses them for good. Open it anyway?</source>
        <translation>Файл настроек %1 повреждён. Эти его части не удаётся прочитать:

%2

Если открыть его, в списке их не будет, а при сохранении или отправке они будут потеряны безвозвратно. Всё равно открыть?</translation>
    </message>
    <message>
        <source>Damaged settings file</source>
        <translation>Повреждённый файл настроек</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

The receiver would get it without these parts. Send it anyway?</source>
        <translation>Этот список прочитан из повреждённого файла, в нём нет: %1.

Ресивер получит его без этих частей. Всё равно отправить?</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

Saving writes it without these parts. Save it anyway?</source>
        <translation>Этот список прочитан из повреждённого файла, в нём нет: %1.

Он будет сохранён без этих частей. Всё равно сохранить?</translation>
    </message>
    <message>
        <source>Import of other channel lists</source>
        <translation>Импорт других списков каналов</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Выбор языка</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation>Руководство пользователя не установлено.</translation>
    </message>
</context>
<context>
    <name>tarnell::CNavigationTreeModel</name>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Провайдеры</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Списки избранного</translation>
    </message>
</context>
<context>
    <name>tarnell::CNetworkProfileListModel</name>
    <message>
        <source>A network profile needs a name.</source>
        <translation>Сетевому профилю нужно имя.</translation>
    </message>
    <message>
        <source>There is a network profile named &quot;%1&quot; already.</source>
        <translation>Сетевой профиль с именем &quot;%1&quot; уже существует.</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsConcretePage</name>
    <message>
        <source>Favourite lists</source>
        <translation>Списки избранного</translation>
    </message>
    <message>
        <source>Selection after a favourite command:</source>
        <translation>Выделение после команды избранного:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Снимается</translation>
    </message>
    <message>
        <source>Kept as it was</source>
        <translation>Сохраняется</translation>
    </message>
    <message>
        <source>Numbers in a favourite list:</source>
        <translation>Номера в списке избранного:</translation>
    </message>
    <message>
        <source>Stored numbers</source>
        <translation>Сохранённые номера</translation>
    </message>
    <message>
        <source>Pasted channels:</source>
        <translation>Вставленные каналы:</translation>
    </message>
    <message>
        <source>Keep their favourite lists</source>
        <translation>Оставить их в своих списках избранного</translation>
    </message>
    <message>
        <source>Take them out of every favourite list</source>
        <translation>Убрать их из всех списков избранного</translation>
    </message>
    <message>
        <source>Code page of the list names:</source>
        <translation>Кодовая страница имён списков:</translation>
    </message>
    <message>
        <source>ISO 6937 (20269)</source>
        <translation>ISO 6937 (20269)</translation>
    </message>
    <message>
        <source>Cyrillic, ISO 8859-5 (28595)</source>
        <translation>Кириллица, ISO 8859-5 (28595)</translation>
    </message>
    <message>
        <source>Arabic, ISO 8859-6 (28596)</source>
        <translation>Арабский, ISO 8859-6 (28596)</translation>
    </message>
    <message>
        <source>Greek, ISO 8859-7 (28597)</source>
        <translation>Греческий, ISO 8859-7 (28597)</translation>
    </message>
    <message>
        <source>Hebrew, ISO 8859-8 (28598)</source>
        <translation>Иврит, ISO 8859-8 (28598)</translation>
    </message>
    <message>
        <source>Turkish, ISO 8859-9 (28599)</source>
        <translation>Турецкий, ISO 8859-9 (28599)</translation>
    </message>
    <message>
        <source>Unicode, UTF-8 (65001)</source>
        <translation>Юникод, UTF-8 (65001)</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>A satellite is active when:</source>
        <translation>Спутник активен, когда:</translation>
    </message>
    <message>
        <source>Its antenna settings are in use</source>
        <translation>Используются его настройки антенны</translation>
    </message>
    <message>
        <source>Channels are stored on it</source>
        <translation>На нём сохранены каналы</translation>
    </message>
    <message>
        <source>Satellite, transponder and provider lists show:</source>
        <translation>Списки спутников, транспондеров и провайдеров показывают:</translation>
    </message>
    <message>
        <source>TV and radio channels</source>
        <translation>Теле- и радиоканалы</translation>
    </message>
    <message>
        <source>Only the channels of the TV/radio switch</source>
        <translation>Только каналы переключателя ТВ/радио</translation>
    </message>
    <message>
        <source>Order of the satellites in the tree:</source>
        <translation>Порядок спутников в дереве:</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>По имени</translation>
    </message>
    <message>
        <source>By orbital position</source>
        <translation>По орбитальной позиции</translation>
    </message>
    <message>
        <source>As stored in the receiver</source>
        <translation>Как сохранено в ресивере</translation>
    </message>
    <message>
        <source>Favourites and Satellites</source>
        <translation>Избранное и спутники</translation>
    </message>
    <message>
        <source>How favourite lists are numbered, named and kept, and which satellites the tree shows in which order.</source>
        <translation>Как нумеруются, называются и хранятся списки избранного и какие спутники дерево показывает и в каком порядке.</translation>
    </message>
    <message>
        <source>Sequential: 1, 2, 3 ...</source>
        <translation>По порядку: 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ресивер</translation>
    </message>
    <message>
        <source>Before a send:</source>
        <translation>Перед отправкой:</translation>
    </message>
    <message>
        <source>Send at once</source>
        <translation>Отправлять сразу</translation>
    </message>
    <message>
        <source>Show what will change on the receiver</source>
        <translation>Показать, что изменится на ресивере</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsPropSheet</name>
    <message>
        <source>Weitere interessante Informationen</source>
        <translation>Параметры и сведения</translation>
    </message>
</context>
<context>
    <name>tarnell::CPrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Быстрая печать</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Настройка печати...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Экспорт в PDF...</translation>
    </message>
    <message>
        <source>Favourite list</source>
        <translation>Список избранного</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Все каналы</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>Не удалось напечатать список каналов на %1.</translation>
    </message>
    <message>
        <source>No printer is set up. Export as PDF or print to a file from the Print dialog instead.</source>
        <translation>Принтер не настроен. Экспортируйте в PDF или печатайте в файл из диалога печати.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>Не удалось записать файл PDF %1: %2</translation>
    </message>
    <message>
        <source>The printed pages were saved as %1.</source>
        <translation>Страницы для печати сохранены как %1.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertiesWnd</name>
    <message>
        <source>Satellite / Transponder</source>
        <translation>Спутник / Транспондер</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Списки избранного</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>от 0 до %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>The channel moves to the first transponder of the satellite chosen.</source>
        <translation>Канал переходит на первый транспондер выбранного спутника.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>The channel&apos;s name; a part in angle brackets, such as &lt;ARD&gt;, is not shown in the list. A name record holds 100 bytes.</source>
        <translation>Имя канала; часть в угловых скобках, например &lt;ARD&gt;, в списке не показывается. Запись имени вмещает 100 байт.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Таблица символов</translation>
    </message>
    <message>
        <source>Name edited</source>
        <translation>Имя изменено</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID сервиса</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>от 0 до 65535</translation>
    </message>
    <message>
        <source>Video type</source>
        <translation>Тип видео</translation>
    </message>
    <message>
        <source>Audio type</source>
        <translation>Тип аудио</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID видео</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID аудио</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Service value 4</source>
        <translation>Значение сервиса 4</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Режим звука</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Pay (€)</source>
        <translation>Платный (€)</translation>
    </message>
    <message>
        <source>Mark M 1</source>
        <translation>Отметка M 1</translation>
    </message>
    <message>
        <source>Mark M 2</source>
        <translation>Отметка M 2</translation>
    </message>
    <message>
        <source>Stored number</source>
        <translation>Сохранённый номер</translation>
    </message>
    <message>
        <source>0 to 9999; timers find their channel by this number.</source>
        <translation>от 0 до 9999; таймеры находят свой канал по этому номеру.</translation>
    </message>
    <message>
        <source>The name holds characters its character table cannot store.</source>
        <translation>Имя содержит символы, которые его таблица символов не может сохранить.</translation>
    </message>
    <message>
        <source>The name is too long: a name record holds 100 bytes.</source>
        <translation>Имя слишком длинное: запись имени вмещает 100 байт.</translation>
    </message>
    <message>
        <source>The satellite has no transponder; the channel stays where it is.</source>
        <translation>У спутника нет транспондера; канал остаётся на месте.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGrid</name>
    <message>
        <source>Alphabetical</source>
        <translation>По алфавиту</translation>
    </message>
    <message>
        <source>Sort the properties by name instead of in groups</source>
        <translation>Сортировать свойства по имени, а не по группам</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Развернуть все</translation>
    </message>
    <message>
        <source>Open every group of properties</source>
        <translation>Раскрыть все группы свойств</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGridModel</name>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>Это значение нельзя изменить здесь.</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3.</source>
        <translation>%1: введите целое число от %2 до %3.</translation>
    </message>
    <message>
        <source>%1: choose one of the options.</source>
        <translation>%1: выберите один из вариантов.</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Свойство</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ресивер</translation>
    </message>
    <message>
        <source>Fetching from the receiver was cancelled.</source>
        <translation>Загрузка с ресивера отменена.</translation>
    </message>
    <message>
        <source>Fetching the service list and the configuration from the receiver at %1...</source>
        <translation>Загрузка списка каналов и конфигурации с ресивера %1...</translation>
    </message>
    <message>
        <source>Fetching the service list from the receiver at %1...</source>
        <translation>Загрузка списка каналов с ресивера %1...</translation>
    </message>
    <message>
        <source>Sending the service list to the receiver at %1...</source>
        <translation>Отправка списка каналов на ресивер %1...</translation>
    </message>
    <message>
        <source>The service list could not be prepared for the receiver; nothing was sent.</source>
        <translation>Не удалось подготовить список каналов для ресивера; ничего не отправлено.</translation>
    </message>
    <message>
        <source>The service list and the configuration were sent to the receiver at %1.</source>
        <translation>Список каналов и конфигурация отправлены на ресивер %1.</translation>
    </message>
    <message>
        <source>The service list was sent to the receiver at %1.</source>
        <translation>Список каналов отправлен на ресивер %1.</translation>
    </message>
    <message>
        <source>Its previous files are kept in &quot;%1&quot;.</source>
        <translation>Прежние файлы сохранены в &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restarting the receiver at %1...</source>
        <translation>Перезапуск ресивера %1...</translation>
    </message>
    <message>
        <source>The receiver at %1 was told to restart (%2).</source>
        <translation>Ресиверу %1 отправлена команда перезапуска (%2).</translation>
    </message>
    <message>
        <source>The receiver&apos;s current list cannot be read.</source>
        <translation>Текущий список ресивера не читается.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver&apos;s list is unchanged.</source>
        <translation>Ничего не отправлено; список ресивера не изменён.</translation>
    </message>
    <message>
        <source>Sending changes the receiver&apos;s list:

%1

Send the list to the receiver?</source>
        <translation>Отправка изменит список ресивера:

%1

Отправить список на ресивер?</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Отправить на ресивер</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverConfigPage</name>
    <message>
        <source>The PIN code must be exactly four digits.</source>
        <translation>PIN-код должен состоять ровно из четырёх цифр.</translation>
    </message>
    <message>
        <source>An address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>Адрес — это четыре числа от 0 до 255, разделённые точками, например 192.168.0.10.</translation>
    </message>
    <message>
        <source>The longitude must lie from 0 to 180 degrees, with at most three decimals.</source>
        <translation>Долгота должна быть от 0 до 180 градусов, не более трёх знаков после запятой.</translation>
    </message>
    <message>
        <source>The latitude must lie from 0 to 90 degrees, with at most three decimals.</source>
        <translation>Широта должна быть от 0 до 90 градусов, не более трёх знаков после запятой.</translation>
    </message>
    <message>
        <source>The receiver stores at most 127 characters of Western European text here.</source>
        <translation>Ресивер хранит здесь не более 127 символов западноевропейского текста.</translation>
    </message>
    <message>
        <source>This value cannot be stored.</source>
        <translation>Это значение нельзя сохранить.</translation>
    </message>
</context>
<context>
    <name>tarnell::CResourcePage</name>
    <message>
        <source>Tarnell 1018</source>
        <translation>Tarnell 1018</translation>
    </message>
    <message>
        <source>Edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers: channels, favourite lists, satellites, transponders, timers and the receiver&apos;s configuration.</source>
        <translation>Редактирует списки каналов и настройки ресиверов Octagon SF 1018 и SF 1028: каналы, списки избранного, спутники, транспондеры, таймеры и конфигурацию ресивера.</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Благодарности</translation>
    </message>
    <message>
        <source>To every receiver owner who shared a service list and tried the transfers on a real receiver.</source>
        <translation>Всем владельцам ресиверов, которые поделились списком каналов и проверили передачу на настоящем ресивере.</translation>
    </message>
    <message>
        <source>To the people behind Qt, zlib and libcurl, on whose work this program stands.</source>
        <translation>Людям, стоящим за Qt, zlib и libcurl, на чьей работе основана эта программа.</translation>
    </message>
    <message>
        <source>The receiver maker</source>
        <translation>Производитель ресивера</translation>
    </message>
    <message>
        <source>Octagon on the web</source>
        <translation>Octagon в интернете</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>About this program, the people who helped to make it, and where to find the receiver maker.</source>
        <translation>Об этой программе, о людях, которые помогли её создать, и о том, где найти производителя ресивера.</translation>
    </message>
</context>
<context>
    <name>tarnell::CRibbonBar</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
</context>
<context>
    <name>tarnell::CSatelliteWnd</name>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Тюнер</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Positioner</source>
        <translation>Позиционер</translation>
    </message>
    <message>
        <source>Unicable</source>
        <translation>Unicable</translation>
    </message>
    <message>
        <source>These data are contained only in a *.sys file.</source>
        <translation>Эти данные содержатся только в файле *.sys.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>A satellite needs a name.</source>
        <translation>Спутнику нужно имя.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>The position must lie from 0 to 180.0 degrees, with at most one decimal.</source>
        <translation>Позиция должна быть от 0 до 180,0 градуса, не более одного знака после запятой.</translation>
    </message>
    <message>
        <source>East / West</source>
        <translation>Восток / Запад</translation>
    </message>
    <message>
        <source>Tuner mode</source>
        <translation>Режим тюнера</translation>
    </message>
    <message>
        <source>Tuner input</source>
        <translation>Вход тюнера</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>Тип LNB</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>LNB option (bit 0)</source>
        <translation>Опция LNB (бит 0)</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Долгота места</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Широта места</translation>
    </message>
    <message>
        <source>User band</source>
        <translation>Пользовательский диапазон</translation>
    </message>
    <message>
        <source>User band frequency</source>
        <translation>Частота пользовательского диапазона</translation>
    </message>
    <message>
        <source>MHz; at most %1 is stored.</source>
        <translation>МГц; сохраняется не более %1.</translation>
    </message>
    <message>
        <source>Position A/B</source>
        <translation>Позиция A/B</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Запад</translation>
    </message>
    <message>
        <source>Two inputs</source>
        <translation>Два входа</translation>
    </message>
    <message>
        <source>Loop-through</source>
        <translation>Сквозной</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
    </message>
    <message>
        <source>N</source>
        <translation>С</translation>
    </message>
    <message>
        <source>W</source>
        <translation>З</translation>
    </message>
    <message>
        <source>E</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Other satellites use this LNB record too, and the list holds no room for another: the change was not made.</source>
        <translation>Эту запись LNB используют и другие спутники, а в списке нет места для ещё одной: изменение не внесено.</translation>
    </message>
    <message>
        <source>Site Longitude and Latitude...</source>
        <translation>Долгота и широта места...</translation>
    </message>
</context>
<context>
    <name>tarnell::CSettingsOptionsPropSheet</name>
    <message>
        <source>Receiver Configuration</source>
        <translation>Настройки ресивера</translation>
    </message>
</context>
<context>
    <name>tarnell::CStatistikDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Channels by kind</source>
        <translation>Каналы по типам</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>Список каналов</translation>
    </message>
    <message>
        <source>TV channels:</source>
        <translation>ТВ-каналы:</translation>
    </message>
    <message>
        <source>Radio channels:</source>
        <translation>Радиоканалы:</translation>
    </message>
    <message>
        <source>All channels:</source>
        <translation>Все каналы:</translation>
    </message>
    <message>
        <source>Used transponders:</source>
        <translation>Используемые транспондеры:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Спутники:</translation>
    </message>
    <message>
        <source>Timers:</source>
        <translation>Таймеры:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Поворот:</translation>
    </message>
    <message>
        <source>Tilt:</source>
        <translation>Наклон:</translation>
    </message>
</context>
<context>
    <name>tarnell::CTarnell1018View</name>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Remove from Favourite List</source>
        <translation>Удалить из списка избранного</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>Удалить каналы</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Favourite Lists</source>
        <translation>Списки избранного</translation>
    </message>
    <message>
        <source>Remove from All Favourite Lists</source>
        <translation>Удалить из всех списков избранного</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Новый телеканал</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Новый радиоканал</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Переместить на позицию...</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить все</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выделить</translation>
    </message>
    <message>
        <source>HD Channels</source>
        <translation>HD-каналы</translation>
    </message>
    <message>
        <source>Pay Channels</source>
        <translation>Платные каналы</translation>
    </message>
    <message>
        <source>Channels Marked M 1</source>
        <translation>Каналы с отметкой M 1</translation>
    </message>
    <message>
        <source>Channels Marked M 2</source>
        <translation>Каналы с отметкой M 2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Отметки</translation>
    </message>
    <message>
        <source>Set M 1</source>
        <translation>Установить M 1</translation>
    </message>
    <message>
        <source>Clear M 1</source>
        <translation>Снять M 1</translation>
    </message>
    <message>
        <source>Set T 1</source>
        <translation>Установить T 1</translation>
    </message>
    <message>
        <source>Clear T 1</source>
        <translation>Снять T 1</translation>
    </message>
    <message>
        <source>Set T 2</source>
        <translation>Установить T 2</translation>
    </message>
    <message>
        <source>Clear T 2</source>
        <translation>Снять T 2</translation>
    </message>
    <message>
        <source>Copy T 1 to T 2</source>
        <translation>Копировать T 1 в T 2</translation>
    </message>
    <message>
        <source>Copy T 2 to T 1</source>
        <translation>Копировать T 2 в T 1</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Сортировать по имени</translation>
    </message>
    <message>
        <source>Sort by Number</source>
        <translation>Сортировать по номеру</translation>
    </message>
    <message>
        <source>Channel Properties</source>
        <translation>Свойства канала</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n канал</numerusform>
            <numerusform>%n канала</numerusform>
            <numerusform>%n каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>Hier sollten Sie eigentlich nie hinkommen...</source>
        <translation>Сюда вы никогда не должны были попасть...</translation>
    </message>
    <message>
        <source>This list shows TV and radio channels together: move channels in the list of all channels, or show one kind only (Options).</source>
        <translation>Этот список показывает теле- и радиоканалы вместе: перемещайте каналы в списке всех каналов или показывайте только один вид (Параметры).</translation>
    </message>
</context>
<context>
    <name>tarnell::CTimerDlg</name>
    <message>
        <source>Timers</source>
        <translation>Таймеры</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Repetition</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Duration (End)</source>
        <translation>Длительность (конец)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>The timer&apos;s text, at most %1 characters.</source>
        <translation>Текст таймера, не более %1 символов.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Кодовая таблица</translation>
    </message>
    <message>
        <source>Flag 1</source>
        <translation>Флаг 1</translation>
    </message>
    <message>
        <source>Flag 2</source>
        <translation>Флаг 2</translation>
    </message>
    <message>
        <source>New Timer</source>
        <translation>Новый таймер</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete All Timers</source>
        <translation>Удалить все таймеры</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Один раз</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ежедневно</translation>
    </message>
    <message>
        <source>Mon-Fri</source>
        <translation>Пн-Пт</translation>
    </message>
    <message>
        <source>Sat-Sun</source>
        <translation>Сб-Вс</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>Mo.</source>
        <translation>Пн.</translation>
    </message>
    <message>
        <source>Di.</source>
        <translation>Вт.</translation>
    </message>
    <message>
        <source>Mi.</source>
        <translation>Ср.</translation>
    </message>
    <message>
        <source>Do.</source>
        <translation>Чт.</translation>
    </message>
    <message>
        <source>Fr.</source>
        <translation>Пт.</translation>
    </message>
    <message>
        <source>Sa.</source>
        <translation>Сб.</translation>
    </message>
    <message>
        <source>So.</source>
        <translation>Вс.</translation>
    </message>
    <message>
        <source>The timer holds %1 characters; the text was cut to &quot;%2&quot;.</source>
        <translation>Таймер вмещает %1 символа; текст сокращён до «%2».</translation>
    </message>
</context>
<context>
    <name>tarnell::CToolCommands</name>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Таймеры</translation>
    </message>
</context>
<context>
    <name>tarnell::CTransponderWnd</name>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>The satellite of the transponder; it is changed by making the transponder anew on another satellite.</source>
        <translation>Спутник транспондера; чтобы его изменить, создайте транспондер заново на другом спутнике.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>MHz, 1 to 65535</source>
        <translation>МГц, от 1 до 65535</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Скорость потока</translation>
    </message>
    <message>
        <source>kS/s, 0 to 65535</source>
        <translation>кС/с, от 0 до 65535</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>ID транспортного потока</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>от 0 до 65535</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID исходной сети</translation>
    </message>
</context>
<context>
    <name>tarnell::CVerschiebenAufPosDlg</name>
    <message>
        <source>Move to Position</source>
        <translation>Переместить на позицию</translation>
    </message>
    <message>
        <source>New position of the selected channels (%1 to %2):</source>
        <translation>Новая позиция выбранных каналов (от %1 до %2):</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Введите число от %1 до %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CVisualStyle</name>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебристый</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Морская волна</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Сливовый</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Медный</translation>
    </message>
    <message>
        <source>Graphite</source>
        <translation>Графит</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Night Teal</source>
        <translation>Ночной бирюзовый</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Как в системе</translation>
    </message>
</context>
<context>
    <name>tarnell::CWindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Окна</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Активировать</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Закрыть окно</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>tarnell::CommandDescriptions</name>
    <message>
        <source>Start a new service list from the factory list.</source>
        <translation>Создать новый список каналов из заводского списка.</translation>
    </message>
    <message>
        <source>Open a settings file (*.fdu, *.sys) from disk.</source>
        <translation>Открыть файл настроек (*.fdu, *.sys) с диска.</translation>
    </message>
    <message>
        <source>Save the active service list.</source>
        <translation>Сохранить активный список каналов.</translation>
    </message>
    <message>
        <source>Save the active service list under a new name.</source>
        <translation>Сохранить активный список каналов под новым именем.</translation>
    </message>
    <message>
        <source>Close the active service list.</source>
        <translation>Закрыть активный список каналов.</translation>
    </message>
    <message>
        <source>Print the channel list.</source>
        <translation>Напечатать список каналов.</translation>
    </message>
    <message>
        <source>Print the channel list on the default printer at once.</source>
        <translation>Сразу напечатать список каналов на принтере по умолчанию.</translation>
    </message>
    <message>
        <source>Show the pages as they will be printed.</source>
        <translation>Показать страницы такими, какими они будут напечатаны.</translation>
    </message>
    <message>
        <source>Choose the printer and the paper.</source>
        <translation>Выбрать принтер и бумагу.</translation>
    </message>
    <message>
        <source>Import an Enigma2 list (lamedb and bouquets).</source>
        <translation>Импортировать список Enigma2 (lamedb и букеты).</translation>
    </message>
    <message>
        <source>Import an Octagon 918/908/818 list (*.udb).</source>
        <translation>Импортировать список Octagon 918/908/818 (*.udb).</translation>
    </message>
    <message>
        <source>Import an Octagon SD x18 list (*.bin).</source>
        <translation>Импортировать список Octagon SD x18 (*.bin).</translation>
    </message>
    <message>
        <source>Preferences, colours and network profiles.</source>
        <translation>Настройки, цвета и сетевые профили.</translation>
    </message>
    <message>
        <source>How favourite lists and satellites behave.</source>
        <translation>Как ведут себя списки избранного и спутники.</translation>
    </message>
    <message>
        <source>The receivers on your network and how to reach them.</source>
        <translation>Ресиверы в вашей сети и как к ним подключиться.</translation>
    </message>
    <message>
        <source>Quit the program; it asks about unsaved changes first.</source>
        <translation>Выйти из программы; сначала она спросит о несохранённых изменениях.</translation>
    </message>
    <message>
        <source>Version and credits.</source>
        <translation>Версия и благодарности.</translation>
    </message>
    <message>
        <source>How to work with the program, and its keys.</source>
        <translation>Как работать с программой и её клавиши.</translation>
    </message>
    <message>
        <source>Click on any part of the window to learn what it does.</source>
        <translation>Щёлкните по любой части окна, чтобы узнать, что она делает.</translation>
    </message>
    <message>
        <source>Open the receiver maker&apos;s web site in your browser.</source>
        <translation>Открыть сайт производителя ресивера в браузере.</translation>
    </message>
    <message>
        <source>Choose the colours of the program.</source>
        <translation>Выбрать цвета программы.</translation>
    </message>
    <message>
        <source>Insert the channels from the clipboard.</source>
        <translation>Вставить каналы из буфера обмена.</translation>
    </message>
    <message>
        <source>Move the selected channels to the clipboard.</source>
        <translation>Переместить выделенные каналы в буфер обмена.</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard.</source>
        <translation>Скопировать выделенные каналы в буфер обмена.</translation>
    </message>
    <message>
        <source>Select every channel of the list.</source>
        <translation>Выделить все каналы списка.</translation>
    </message>
    <message>
        <source>Put the channels in order.</source>
        <translation>Упорядочить каналы.</translation>
    </message>
    <message>
        <source>Switch between the detailed and the compact list.</source>
        <translation>Переключиться между подробным и компактным списком.</translation>
    </message>
    <message>
        <source>Show the channels in compact columns.</source>
        <translation>Показать каналы в компактных столбцах.</translation>
    </message>
    <message>
        <source>Show the channels with all their columns.</source>
        <translation>Показать каналы со всеми столбцами.</translation>
    </message>
    <message>
        <source>Arrange the open windows, show the panes, or pick a window.</source>
        <translation>Упорядочить открытые окна, показать панели или выбрать окно.</translation>
    </message>
    <message>
        <source>Show the TV channels.</source>
        <translation>Показать телеканалы.</translation>
    </message>
    <message>
        <source>Show the radio channels.</source>
        <translation>Показать радиоканалы.</translation>
    </message>
    <message>
        <source>List only satellites that are in use.</source>
        <translation>Показывать только используемые спутники.</translation>
    </message>
    <message>
        <source>Show the satellites&apos; numbers in the tree.</source>
        <translation>Показывать номера спутников в дереве.</translation>
    </message>
    <message>
        <source>Text colour of the marked favourite list&apos;s channels.</source>
        <translation>Цвет текста каналов отмеченного списка избранного.</translation>
    </message>
    <message>
        <source>Background colour of the marked favourite list&apos;s channels.</source>
        <translation>Цвет фона каналов отмеченного списка избранного.</translation>
    </message>
    <message>
        <source>Fetch the list from the receiver or send it back.</source>
        <translation>Загрузить список с ресивера или отправить его обратно.</translation>
    </message>
    <message>
        <source>Load the service list from the receiver into a new window.</source>
        <translation>Загрузить список каналов с ресивера в новое окно.</translation>
    </message>
    <message>
        <source>Load the service list and the receiver&apos;s configuration into a new window.</source>
        <translation>Загрузить список каналов и конфигурацию ресивера в новое окно.</translation>
    </message>
    <message>
        <source>Send the active service list to the receiver.</source>
        <translation>Отправить активный список каналов на ресивер.</translation>
    </message>
    <message>
        <source>Number the channels again in list order.</source>
        <translation>Перенумеровать каналы в порядке списка.</translation>
    </message>
    <message>
        <source>Unlink channels from names that do not exist.</source>
        <translation>Отвязать каналы от несуществующих имён.</translation>
    </message>
    <message>
        <source>Write the shown channels to a text file.</source>
        <translation>Записать показанные каналы в текстовый файл.</translation>
    </message>
    <message>
        <source>Move the usual Astra 19.2° East channels to the top.</source>
        <translation>Переместить наверх привычные каналы Astra 19,2° в. д.</translation>
    </message>
    <message>
        <source>Delete every transponder no channel uses.</source>
        <translation>Удалить все транспондеры, которые не использует ни один канал.</translation>
    </message>
    <message>
        <source>Count channels, transponders and satellites.</source>
        <translation>Подсчитать каналы, транспондеры и спутники.</translation>
    </message>
    <message>
        <source>Show and edit the receiver&apos;s timers.</source>
        <translation>Показать и изменить таймеры ресивера.</translation>
    </message>
    <message>
        <source>Edit the receiver&apos;s configuration.</source>
        <translation>Изменить конфигурацию ресивера.</translation>
    </message>
    <message>
        <source>Show or hide the satellite and LNB properties.</source>
        <translation>Показать или скрыть свойства спутника и LNB.</translation>
    </message>
    <message>
        <source>Show or hide the transponder properties.</source>
        <translation>Показать или скрыть свойства транспондера.</translation>
    </message>
    <message>
        <source>Show or hide the channel properties.</source>
        <translation>Показать или скрыть свойства канала.</translation>
    </message>
    <message>
        <source>Show or hide the channel search.</source>
        <translation>Показать или скрыть поиск каналов.</translation>
    </message>
    <message>
        <source>Use this language from the next start of the program.</source>
        <translation>Использовать этот язык со следующего запуска программы.</translation>
    </message>
    <message>
        <source>Import the channel list of another receiver.</source>
        <translation>Импортировать список каналов другого ресивера.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Отменить последнее изменение.</translation>
    </message>
    <message>
        <source>Redo the change you last undid.</source>
        <translation>Повторить отменённое изменение.</translation>
    </message>
    <message>
        <source>Show and use the numbers stored with the channels instead of sequential numbers.</source>
        <translation>Показывать и использовать номера, сохранённые с каналами, вместо сквозной нумерации.</translation>
    </message>
    <message>
        <source>Show sequential numbers in the search results.</source>
        <translation>Показывать сквозные номера в результатах поиска.</translation>
    </message>
    <message>
        <source>Clear out the transponders no channel uses.</source>
        <translation>Убрать транспондеры, которые не использует ни один канал.</translation>
    </message>
    <message>
        <source>Delete the selected channels, or take them out of the favourite list shown.</source>
        <translation>Удалить выбранные каналы или убрать их из показанного списка избранного.</translation>
    </message>
    <message>
        <source>Add a new channel behind the selected one.</source>
        <translation>Добавить новый канал после выбранного.</translation>
    </message>
    <message>
        <source>Move the selected channels to a position you enter.</source>
        <translation>Переместить выбранные каналы на введённую позицию.</translation>
    </message>
    <message>
        <source>Move the selected channels up by one.</source>
        <translation>Переместить выбранные каналы на одну позицию вверх.</translation>
    </message>
    <message>
        <source>Move the selected channels down by one.</source>
        <translation>Переместить выбранные каналы на одну позицию вниз.</translation>
    </message>
    <message>
        <source>Number the channels in the order the list shows them.</source>
        <translation>Пронумеровать каналы в порядке, в котором их показывает список.</translation>
    </message>
    <message>
        <source>Take the selected channels out of every favourite list.</source>
        <translation>Убрать выбранные каналы из всех списков избранного.</translation>
    </message>
    <message>
        <source>Select the HD channels.</source>
        <translation>Выбрать HD-каналы.</translation>
    </message>
    <message>
        <source>Select the pay channels.</source>
        <translation>Выбрать платные каналы.</translation>
    </message>
    <message>
        <source>Select the channels marked M 1.</source>
        <translation>Выбрать каналы с отметкой M 1.</translation>
    </message>
    <message>
        <source>Select the channels marked M 2.</source>
        <translation>Выбрать каналы с отметкой M 2.</translation>
    </message>
    <message>
        <source>Mark the selected channels M 1.</source>
        <translation>Отметить выбранные каналы M 1.</translation>
    </message>
    <message>
        <source>Clear the mark M 1 of the selected channels.</source>
        <translation>Снять отметку M 1 с выбранных каналов.</translation>
    </message>
    <message>
        <source>Set T 1 on the selected channels.</source>
        <translation>Установить T 1 у выбранных каналов.</translation>
    </message>
    <message>
        <source>Clear T 1 on the selected channels.</source>
        <translation>Снять T 1 у выбранных каналов.</translation>
    </message>
    <message>
        <source>Set T 2 on the selected channels.</source>
        <translation>Установить T 2 у выбранных каналов.</translation>
    </message>
    <message>
        <source>Clear T 2 on the selected channels.</source>
        <translation>Снять T 2 у выбранных каналов.</translation>
    </message>
    <message>
        <source>Give the selected channels T 2 as their T 1 is.</source>
        <translation>Сделать T 2 выбранных каналов таким же, как их T 1.</translation>
    </message>
    <message>
        <source>Give the selected channels T 1 as their T 2 is.</source>
        <translation>Сделать T 1 выбранных каналов таким же, как их T 2.</translation>
    </message>
    <message>
        <source>Sort the list by channel name.</source>
        <translation>Отсортировать список по названию канала.</translation>
    </message>
    <message>
        <source>Sort the list by channel number.</source>
        <translation>Отсортировать список по номеру канала.</translation>
    </message>
    <message>
        <source>Show the properties of the selected channel.</source>
        <translation>Показать свойства выбранного канала.</translation>
    </message>
    <message>
        <source>Add the selected channels to this favourite list; a single member leaves it.</source>
        <translation>Добавить выбранные каналы в этот список избранного; единственный выбранный участник покидает его.</translation>
    </message>
    <message>
        <source>Save the printed pages of the channel list as a PDF file.</source>
        <translation>Сохранить страницы печати списка каналов в файл PDF.</translation>
    </message>
    <message>
        <source>Open the user manual in your browser.</source>
        <translation>Открыть руководство пользователя в браузере.</translation>
    </message>
    <message>
        <source>See what differs between this list and a file or the receiver&apos;s list.</source>
        <translation>Показать различия между этим списком и файлом или списком ресивера.</translation>
    </message>
    <message>
        <source>Compare this list with a settings file: channels added, removed, renamed, moved; favourites, satellites, transponders, timers.</source>
        <translation>Сравнить этот список с файлом настроек: каналы добавлены, удалены, переименованы, перемещены; избранное, спутники, транспондеры, таймеры.</translation>
    </message>
    <message>
        <source>Fetch the receiver&apos;s list and show what a send would change on it.</source>
        <translation>Получить список ресивера и показать, что изменит на нём отправка.</translation>
    </message>
    <message>
        <source>Sort this list like another settings file, an Enigma2 bouquet or a text of channel names.</source>
        <translation>Упорядочить этот список как другой файл настроек, букет Enigma2 или текст с названиями каналов.</translation>
    </message>
    <message>
        <source>Select the channels that are the same service as an earlier one.</source>
        <translation>Выделить каналы, которые являются тем же сервисом, что и более ранний.</translation>
    </message>
    <message>
        <source>Open or send one of the receiver&apos;s lists kept before each send.</source>
        <translation>Открыть или отправить один из списков ресивера, сохранённых перед каждой отправкой.</translation>
    </message>
</context>
</TS>
