<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>CDrucken</name>
    <message>
        <source>There are no channels to print in this selection.</source>
        <translation>There are no channels to print in this selection.</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV channels</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radio channels</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
</context>
<context>
    <name>CTarnell1018View</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
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
        <translation>Value 4</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Pay</translation>
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
        <translation>Provider</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>CUserDialogs</name>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>Settings files (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>Service lists (*.fdu)</source>
        <translation>Service lists (*.fdu)</translation>
    </message>
    <message>
        <source>Service lists with configuration (*.sys)</source>
        <translation>Service lists with configuration (*.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Export Channel List</translation>
    </message>
    <message>
        <source>Vezi Exportliste (*.txt)</source>
        <translation>Vezi export list (*.txt)</translation>
    </message>
    <message>
        <source>Vezi export list in UTF-8 (*.txt)</source>
        <translation>Vezi export list in UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>The receiver accepted the FTP login.</source>
        <translation>The receiver accepted the FTP login.</translation>
    </message>
    <message>
        <source>No FTP connection to the receiver. Check the address, port, user name and password of the network profile.</source>
        <translation>No FTP connection to the receiver. Check the address, port, user name and password of the network profile.</translation>
    </message>
    <message>
        <source>ftp Connection Error</source>
        <translation>ftp Connection Error</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>No Data</translation>
    </message>
    <message>
        <source>No Data 0</source>
        <translation>No Data 0</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ftp Test</source>
        <translation>ftp Test</translation>
    </message>
    <message>
        <source>Restart receiver</source>
        <translation>Restart receiver</translation>
    </message>
    <message>
        <source>Fehler 1</source>
        <translation>Error 1</translation>
    </message>
    <message>
        <source>Kein Connect</source>
        <translation>No connection</translation>
    </message>
    <message>
        <source>The receiver did not deliver a service list.</source>
        <translation>The receiver did not deliver a service list.</translation>
    </message>
    <message>
        <source>Restart the receiver now, so that it reads the new lists?</source>
        <translation>Restart the receiver now, so that it reads the new lists?</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a service list; it was not read.</source>
        <translation>%1 on the receiver is larger than %2 bytes, so it is not a service list; it was not read.</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a configuration; it was not read.</source>
        <translation>%1 on the receiver is larger than %2 bytes, so it is not a configuration; it was not read.</translation>
    </message>
    <message>
        <source>The service list fetched from the receiver cannot be opened.</source>
        <translation>The service list fetched from the receiver cannot be opened.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be kept; nothing was sent.</source>
        <translation>The receiver&apos;s current files could not be kept; nothing was sent.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be read; nothing was sent.</source>
        <translation>The receiver&apos;s current files could not be read; nothing was sent.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver keeps its previous file.</source>
        <translation>%1 could not be written; the receiver keeps its previous file.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>%1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver keeps its previous file.</source>
        <translation>The service list was sent, but %1 could not be written; the receiver keeps its previous file.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>The service list was sent, but %1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no receiver address</source>
        <translation>the profile &quot;%1&quot; has no receiver address</translation>
    </message>
    <message>
        <source>the receiver has no %1</source>
        <translation>the receiver has no %1</translation>
    </message>
    <message>
        <source>the receiver has no %1; nothing was sent</source>
        <translation>the receiver has no %1; nothing was sent</translation>
    </message>
    <message>
        <source>%1 on the receiver is empty</source>
        <translation>%1 on the receiver is empty</translation>
    </message>
    <message>
        <source>the receiver closed the connection: %1</source>
        <translation>the receiver closed the connection: %1</translation>
    </message>
    <message>
        <source>The FTP client could not be set up.</source>
        <translation>The FTP client could not be set up.</translation>
    </message>
    <message>
        <source>No receiver address or port.</source>
        <translation>No receiver address or port.</translation>
    </message>
    <message>
        <source>The user name or the password contains a line break.</source>
        <translation>The user name or the password contains a line break.</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>The system data is damaged!</translation>
    </message>
    <message>
        <source>There is no network profile. Add one for the receiver on the Network page of the options.</source>
        <translation>There is no network profile. Add one for the receiver on the Network page of the options.</translation>
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
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Always</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Black screen</source>
        <translation>Black screen</translation>
    </message>
    <message>
        <source>Still picture</source>
        <translation>Still picture</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>Channel number</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>Channel name</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Dimmed</source>
        <translation>Dimmed</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>No limit</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Stay on</source>
        <translation>Stay on</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unlimited</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Region %1</source>
        <translation>Region %1</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 hours</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 hours</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>Menu language</translation>
    </message>
    <message>
        <source>First audio language</source>
        <translation>First audio language</translation>
    </message>
    <message>
        <source>Second audio language</source>
        <translation>Second audio language</translation>
    </message>
    <message>
        <source>First subtitle language</source>
        <translation>First subtitle language</translation>
    </message>
    <message>
        <source>Second subtitle language</source>
        <translation>Second subtitle language</translation>
    </message>
    <message>
        <source>Programme guide language</source>
        <translation>Programme guide language</translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
    <message>
        <source>Start timeshift automatically</source>
        <translation>Start timeshift automatically</translation>
    </message>
    <message>
        <source>Start recordings earlier by</source>
        <translation>Start recordings earlier by</translation>
    </message>
    <message>
        <source>End recordings later by</source>
        <translation>End recordings later by</translation>
    </message>
    <message>
        <source>After a timer recording</source>
        <translation>After a timer recording</translation>
    </message>
    <message>
        <source>Length of an instant recording</source>
        <translation>Length of an instant recording</translation>
    </message>
    <message>
        <source>Timeshift length</source>
        <translation>Timeshift length</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Recording format</translation>
    </message>
    <message>
        <source>Recording buffer</source>
        <translation>Recording buffer</translation>
    </message>
    <message>
        <source>Playback buffer</source>
        <translation>Playback buffer</translation>
    </message>
    <message>
        <source>Age rating</source>
        <translation>Age rating</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>PIN code</translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation>Lock %1</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Info bar shown for</source>
        <translation>Info bar shown for</translation>
    </message>
    <message>
        <source>Clock in standby</source>
        <translation>Clock in standby</translation>
    </message>
    <message>
        <source>Volume bar shown for</source>
        <translation>Volume bar shown for</translation>
    </message>
    <message>
        <source>While changing channels</source>
        <translation>While changing channels</translation>
    </message>
    <message>
        <source>Info bar position</source>
        <translation>Info bar position</translation>
    </message>
    <message>
        <source>Front display shows</source>
        <translation>Front display shows</translation>
    </message>
    <message>
        <source>Front display lighting</source>
        <translation>Front display lighting</translation>
    </message>
    <message>
        <source>Menu shown for</source>
        <translation>Menu shown for</translation>
    </message>
    <message>
        <source>Menu transparency</source>
        <translation>Menu transparency</translation>
    </message>
    <message>
        <source>Time setting</source>
        <translation>Time setting</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Summer time</translation>
    </message>
    <message>
        <source>Clock format</source>
        <translation>Clock format</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>TV system</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Aspect ratio</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Display format</source>
        <translation>Display format</translation>
    </message>
    <message>
        <source>Video output</source>
        <translation>Video output</translation>
    </message>
    <message>
        <source>Dolby Digital</source>
        <translation>Dolby Digital</translation>
    </message>
    <message>
        <source>Sound over HDMI</source>
        <translation>Sound over HDMI</translation>
    </message>
    <message>
        <source>Sound mode</source>
        <translation>Sound mode</translation>
    </message>
    <message>
        <source>Video option</source>
        <translation>Video option</translation>
    </message>
    <message>
        <source>Sound delay</source>
        <translation>Sound delay</translation>
    </message>
    <message>
        <source>Addresses from the network (DHCP)</source>
        <translation>Addresses from the network (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>First DNS server</source>
        <translation>First DNS server</translation>
    </message>
    <message>
        <source>Second DNS server</source>
        <translation>Second DNS server</translation>
    </message>
    <message>
        <source>Further address %1</source>
        <translation>Further address %1</translation>
    </message>
    <message>
        <source>Network option</source>
        <translation>Network option</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Option %1</translation>
    </message>
    <message>
        <source>Channel numbers as stored in the list</source>
        <translation>Channel numbers as stored in the list</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Site longitude</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Site latitude</translation>
    </message>
    <message>
        <source>Time span shown</source>
        <translation>Time span shown</translation>
    </message>
    <message>
        <source>Programme guide memory</source>
        <translation>Programme guide memory</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Parental control</source>
        <translation>Parental control</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>Service list</translation>
    </message>
    <message>
        <source>Positioner and single cable</source>
        <translation>Positioner and single cable</translation>
    </message>
    <message>
        <source>Picture and sound output</source>
        <translation>Picture and sound output</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>Repair channel names</source>
        <translation>Repair channel names</translation>
    </message>
    <message>
        <source>New favourite list</source>
        <translation>New favourite list</translation>
    </message>
    <message>
        <source>Remove unused transponders</source>
        <translation>Remove unused transponders</translation>
    </message>
    <message>
        <source>Channel numbering</source>
        <translation>Channel numbering</translation>
    </message>
    <message>
        <source>Sort by template</source>
        <translation>Sort by template</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Move channel</translation>
    </message>
    <message>
        <source>Rename channel</source>
        <translation>Rename channel</translation>
    </message>
    <message>
        <source>Add to favourites</source>
        <translation>Add to favourites</translation>
    </message>
    <message>
        <source>Remove from favourites</source>
        <translation>Remove from favourites</translation>
    </message>
    <message>
        <source>Adopt the list order</source>
        <translation>Adopt the list order</translation>
    </message>
    <message>
        <source>New TV channel</source>
        <translation>New TV channel</translation>
    </message>
    <message>
        <source>New radio channel</source>
        <translation>New radio channel</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>New satellite</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>New transponder</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>Delete channels</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Delete transponders</translation>
    </message>
    <message>
        <source>Rename provider</source>
        <translation>Rename provider</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Rename favourite list</translation>
    </message>
    <message>
        <source>Delete favourite list</source>
        <translation>Delete favourite list</translation>
    </message>
    <message>
        <source>Favourite list from provider</source>
        <translation>Favourite list from provider</translation>
    </message>
    <message>
        <source>Move favourite list</source>
        <translation>Move favourite list</translation>
    </message>
    <message>
        <source>Move satellite</source>
        <translation>Move satellite</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Delete %n channel</numerusform>
            <numerusform>Delete %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>Cut %n channel</numerusform>
            <numerusform>Cut %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>Paste %n channel</numerusform>
            <numerusform>Paste %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mark %n channel(s)</source>
        <translation>
            <numerusform>Mark %n channel</numerusform>
            <numerusform>Mark %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %n channel(s)</source>
        <translation>
            <numerusform>Number %n channel</numerusform>
            <numerusform>Number %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s)</source>
        <translation>
            <numerusform>Move %n channel</numerusform>
            <numerusform>Move %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite list</source>
        <translation>
            <numerusform>Add %n channel to a favourite list</numerusform>
            <numerusform>Add %n channels to a favourite list</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from a favourite list</source>
        <translation>
            <numerusform>Remove %n channel from a favourite list</numerusform>
            <numerusform>Remove %n channels from a favourite list</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from the favourite list</source>
        <translation>
            <numerusform>Remove %n channel from the favourite list</numerusform>
            <numerusform>Remove %n channels from the favourite list</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from all favourite lists</source>
        <translation>
            <numerusform>Remove %n channel from all favourite lists</numerusform>
            <numerusform>Remove %n channels from all favourite lists</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all timers</source>
        <translation>Delete all timers</translation>
    </message>
    <message>
        <source>Change timer</source>
        <translation>Change timer</translation>
    </message>
    <message>
        <source>Change timer text</source>
        <translation>Change timer text</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timer(s)</source>
        <translation>
            <numerusform>Delete %n timer</numerusform>
            <numerusform>Delete %n timers</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>Edit satellite</translation>
    </message>
    <message>
        <source>Edit LNB settings</source>
        <translation>Edit LNB settings</translation>
    </message>
    <message>
        <source>Change tuner mode</source>
        <translation>Change tuner mode</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Edit transponder</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>Edit channel</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Receiver configuration</translation>
    </message>
    <message>
        <source>Apply a reference order</source>
        <translation>Apply a reference order</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutCtrl</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Service lists and settings of Octagon SF 1018 and SF 1028 receivers</source>
        <translation>Service lists and settings of Octagon SF 1018 and SF 1028 receivers</translation>
    </message>
    <message>
        <source>Thanks to every receiver owner who shared a list and tested the transfers.</source>
        <translation>Thanks to every receiver owner who shared a list and tested the transfers.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Built with Qt %1, running on Qt %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutDlg</name>
    <message>
        <source>About Tarnell 1018</source>
        <translation>About Tarnell 1018</translation>
    </message>
</context>
<context>
    <name>tarnell::CAppOptionPage</name>
    <message>
        <source>Tooltips</source>
        <translation>Tooltips</translation>
    </message>
    <message>
        <source>Show tooltips on the ribbon</source>
        <translation>Show tooltips on the ribbon</translation>
    </message>
    <message>
        <source>Show the description in the tooltips</source>
        <translation>Show the description in the tooltips</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>Status Bar On/Off</source>
        <translation>Status Bar On/Off</translation>
    </message>
    <message>
        <source>Message Bar On/Off</source>
        <translation>Message Bar On/Off</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Channel list background</source>
        <translation>Channel list background</translation>
    </message>
    <message>
        <source>Channel list text</source>
        <translation>Channel list text</translation>
    </message>
    <message>
        <source>Tree background</source>
        <translation>Tree background</translation>
    </message>
    <message>
        <source>Tree text</source>
        <translation>Tree text</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>More Colours...</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Tooltips, the bars of the main window and the colours of the tree and the channel list. Bars and colours change at once.</source>
        <translation>Tooltips, the bars of the main window and the colours of the tree and the channel list. Bars and colours change at once.</translation>
    </message>
</context>
<context>
    <name>tarnell::CBackupDlg</name>
    <message>
        <source>Restore a Backup</source>
        <translation>Restore a Backup</translation>
    </message>
    <message>
        <source>Before each send the receiver&apos;s list is kept here. Open one to look at it, or send it back to the receiver.</source>
        <translation>Before each send the receiver&apos;s list is kept here. Open one to look at it, or send it back to the receiver.</translation>
    </message>
    <message>
        <source>Kept on</source>
        <translation>Kept on</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Compared with the open list</source>
        <translation>Compared with the open list</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>Open as New Document</source>
        <translation>Open as New Document</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Send to Receiver</translation>
    </message>
    <message>
        <source>No backups have been kept yet.</source>
        <translation>No backups have been kept yet.</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelEditCommands</name>
    <message>
        <source>Move Up</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>Adopt List Order</source>
        <translation>Adopt List Order</translation>
    </message>
    <message>
        <source>The clipboard holds no channels, transponders or satellites.</source>
        <translation>The clipboard holds no channels, transponders or satellites.</translation>
    </message>
    <message>
        <source>A channel on the clipboard is of the other kind (TV or radio) than the list shown; the paste stopped there.</source>
        <translation>A channel on the clipboard is of the other kind (TV or radio) than the list shown; the paste stopped there.</translation>
    </message>
    <message>
        <source>No free transponder is left for a channel on the clipboard; the paste stopped there.</source>
        <translation>No free transponder is left for a channel on the clipboard; the paste stopped there.</translation>
    </message>
    <message>
        <source>No satellite can be added for a channel on the clipboard: the list holds 255 satellites. The paste stopped there.</source>
        <translation>No satellite can be added for a channel on the clipboard: the list holds 255 satellites. The paste stopped there.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes; the paste stopped there.</source>
        <translation>The list holds 10,000 channels, as many as the receiver takes; the paste stopped there.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes.</source>
        <translation>The list holds 10,000 channels, as many as the receiver takes.</translation>
    </message>
    <message>
        <source>New channel %1 created.</source>
        <translation>New channel %1 created.</translation>
    </message>
    <message>
        <source>The list order can only be adopted while the list shows all channels.</source>
        <translation>The list order can only be adopted while the list shows all channels.</translation>
    </message>
    <message>
        <source>Should the channels be numbered in the order the list shows them now?</source>
        <translation>Should the channels be numbered in the order the list shows them now?</translation>
    </message>
    <message>
        <source>The channels were not moved.</source>
        <translation>The channels were not moved.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved.</source>
        <translation>
            <numerusform>%n channel moved.</numerusform>
            <numerusform>%n channels moved.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelListCommands</name>
    <message>
        <source>Column width of the list style</source>
        <translation>Column width of the list style</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelSucheDlg</name>
    <message>
        <source>Part of a channel name</source>
        <translation>Part of a channel name</translation>
    </message>
    <message>
        <source>No service list is open.</source>
        <translation>No service list is open.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) found</source>
        <translation>
            <numerusform>%n channel found</numerusform>
            <numerusform>%n channels found</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareCommands</name>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... and %1 more</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Compare with a File...</source>
        <translation>Compare with a File...</translation>
    </message>
    <message>
        <source>Compare with the Receiver&apos;s List...</source>
        <translation>Compare with the Receiver&apos;s List...</translation>
    </message>
    <message>
        <source>Apply a Reference Order...</source>
        <translation>Apply a Reference Order...</translation>
    </message>
    <message>
        <source>Select Duplicates</source>
        <translation>Select Duplicates</translation>
    </message>
    <message>
        <source>Restore a Backup...</source>
        <translation>Restore a Backup...</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Compare with</translation>
    </message>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>Settings files (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>the receiver&apos;s list</source>
        <translation>the receiver&apos;s list</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Reference list</translation>
    </message>
    <message>
        <source>Reference lists (*.fdu *.sys *.tv *.radio *.txt)</source>
        <translation>Reference lists (*.fdu *.sys *.tv *.radio *.txt)</translation>
    </message>
    <message>
        <source>Enigma2 bouquets (*.tv *.radio)</source>
        <translation>Enigma2 bouquets (*.tv *.radio)</translation>
    </message>
    <message>
        <source>Channel names, one a line (*.txt)</source>
        <translation>Channel names, one a line (*.txt)</translation>
    </message>
    <message>
        <source>The reference has favourite lists (%1). Rebuild the favourite lists of the same names from it too?</source>
        <translation>The reference has favourite lists (%1). Rebuild the favourite lists of the same names from it too?</translation>
    </message>
    <message>
        <source>Apply a Reference Order</source>
        <translation>Apply a Reference Order</translation>
    </message>
    <message>
        <source>%1 channels took the reference&apos;s order: %2 by satellite, transponder and service, %3 by name.</source>
        <translation>%1 channels took the reference&apos;s order: %2 by satellite, transponder and service, %3 by name.</translation>
    </message>
    <message>
        <source>Favourite lists: %1 rebuilt, %2 added.</source>
        <translation>Favourite lists: %1 rebuilt, %2 added.</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they follow in their order:</source>
        <translation>%1 channels are not in the reference; they follow in their order:</translation>
    </message>
    <message>
        <source>%1 entries of the reference found no channel:</source>
        <translation>%1 entries of the reference found no channel:</translation>
    </message>
    <message>
        <source>No TV channel is there twice.</source>
        <translation>No TV channel is there twice.</translation>
    </message>
    <message>
        <source>No radio channel is there twice.</source>
        <translation>No radio channel is there twice.</translation>
    </message>
    <message>
        <source>%1 names stand on more than one transponder; their channels are selected.</source>
        <translation>%1 names stand on more than one transponder; their channels are selected.</translation>
    </message>
    <message>
        <source>%1 channels are the same service as an earlier one and are selected; %2 names stand on more than one transponder.</source>
        <translation>%1 channels are the same service as an earlier one and are selected; %2 names stand on more than one transponder.</translation>
    </message>
    <message>
        <source>%1 channels of the list are not in the reference. Put them before the channels the reference orders? (No puts them after.)</source>
        <translation>%1 channels of the list are not in the reference. Put them before the channels the reference orders? (No puts them after.)</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they come first, in their order:</source>
        <translation>%1 channels are not in the reference; they come first, in their order:</translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareDlg</name>
    <message>
        <source>TV/radio</source>
        <translation>TV/radio</translation>
    </message>
    <message>
        <source>stored number</source>
        <translation>stored number</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>video PID</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>audio PID</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>flags</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>sound</translation>
    </message>
    <message>
        <source>options</source>
        <translation>options</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>symbol rate</translation>
    </message>
    <message>
        <source>provider</source>
        <translation>provider</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>channel</translation>
    </message>
    <message>
        <source>start</source>
        <translation>start</translation>
    </message>
    <message>
        <source>text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>other values</source>
        <translation>other values</translation>
    </message>
    <message>
        <source>was &quot;%1&quot;</source>
        <translation>was &quot;%1&quot;</translation>
    </message>
    <message>
        <source>list &quot;%1&quot;</source>
        <translation>list &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favourite lists</translation>
    </message>
    <message>
        <source>Channels in favourite lists</source>
        <translation>Channels in favourite lists</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>LNB settings</source>
        <translation>LNB settings</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponders</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timers</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Receiver configuration</translation>
    </message>
    <message>
        <source>added</source>
        <translation>added</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renamed</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>moved</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>No differences.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>From &lt;b&gt;%1&lt;/b&gt; to &lt;b&gt;%2&lt;/b&gt;:</source>
        <translation>From &lt;b&gt;%1&lt;/b&gt; to &lt;b&gt;%2&lt;/b&gt;:</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Filter by name</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>All changes</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>tarnell::CDockPanes</name>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Select a satellite in the tree to edit it here.</source>
        <translation>Select a satellite in the tree to edit it here.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Select a transponder in the tree to edit it here.</source>
        <translation>Select a transponder in the tree to edit it here.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Select a channel in the list to edit it here.</source>
        <translation>Select a channel in the list to edit it here.</translation>
    </message>
    <message>
        <source>Channel Search</source>
        <translation>Channel Search</translation>
    </message>
    <message>
        <source>Type part of a channel name to find it.</source>
        <translation>Type part of a channel name to find it.</translation>
    </message>
</context>
<context>
    <name>tarnell::CDocumentCommands</name>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Stored Numbers</source>
        <translation>Stored Numbers</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renumber</translation>
    </message>
    <message>
        <source>Repair Names</source>
        <translation>Repair Names</translation>
    </message>
    <message>
        <source>Channel name references repaired.</source>
        <translation>Channel name references repaired.</translation>
    </message>
    <message>
        <source>Remove Unused Transponders</source>
        <translation>Remove Unused Transponders</translation>
    </message>
    <message numerus="yes">
        <source>%n unused transponder(s) removed.</source>
        <translation>
            <numerusform>%n unused transponder removed.</numerusform>
            <numerusform>%n unused transponders removed.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as Text...</source>
        <translation>Export as Text...</translation>
    </message>
    <message>
        <source>Sort by Template</source>
        <translation>Sort by Template</translation>
    </message>
    <message>
        <source>The channels have been renumbered.</source>
        <translation>The channels have been renumbered.</translation>
    </message>
    <message numerus="yes">
        <source>The channels have been renumbered; %n channel(s) moved to the top by the template.</source>
        <translation>
            <numerusform>The channels have been renumbered; %n channel moved to the top by the template.</numerusform>
            <numerusform>The channels have been renumbered; %n channels moved to the top by the template.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel list exported to %1.</source>
        <translation>Channel list exported to %1.</translation>
    </message>
    <message>
        <source>Sequential Numbers</source>
        <translation>Sequential Numbers</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Redo %1</translation>
    </message>
</context>
<context>
    <name>tarnell::CFavouriteColours</name>
    <message>
        <source>More Colours...</source>
        <translation>More Colours...</translation>
    </message>
</context>
<context>
    <name>tarnell::CFtpOptionPage</name>
    <message>
        <source>Profiles</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>New profile</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Delete profile</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Restart with &quot;reboot -f&quot;</source>
        <translation>Restart with &quot;reboot -f&quot;</translation>
    </message>
    <message>
        <source>Test FTP Login</source>
        <translation>Test FTP Login</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>The receiver&apos;s address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>The receiver&apos;s address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</translation>
    </message>
    <message>
        <source>The port must be a whole number from %1 to %2; FTP usually uses %3.</source>
        <translation>The port must be a whole number from %1 to %2; FTP usually uses %3.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Logging in to %1:%2 ...</source>
        <translation>Logging in to %1:%2 ...</translation>
    </message>
    <message>
        <source>The receivers on your network. Transfers use the profile selected in the list; changes take effect at once and stay even after Cancel.</source>
        <translation>The receivers on your network. Transfers use the profile selected in the list; changes take effect at once and stay even after Cancel.</translation>
    </message>
</context>
<context>
    <name>tarnell::CImportDlg</name>
    <message>
        <source>Datenfile nicht gefunden, oder Datenfile in Gebrauch!</source>
        <translation>Data file not found, or data file in use!</translation>
    </message>
    <message>
        <source>Fehler beim Lesen des Datenfiles!</source>
        <translation>Error reading the data file!</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>The system data is damaged!</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Source:</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Folder...</translation>
    </message>
    <message>
        <source>Choose the folder that holds lamedb and the bouquet files.</source>
        <translation>Choose the folder that holds lamedb and the bouquet files.</translation>
    </message>
    <message>
        <source>Base settings file:</source>
        <translation>Base settings file:</translation>
    </message>
    <message>
        <source>Its satellites and receiver configuration are kept; the file itself is not changed.</source>
        <translation>Its satellites and receiver configuration are kept; the file itself is not changed.</translation>
    </message>
    <message>
        <source>Start Import</source>
        <translation>Start Import</translation>
    </message>
    <message>
        <source>kein Source</source>
        <translation>No source</translation>
    </message>
    <message>
        <source>Bouquets (TV)</source>
        <translation>Bouquets (TV)</translation>
    </message>
    <message>
        <source>Bouquets (Radio)</source>
        <translation>Bouquets (Radio)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Reading the bouquets...</source>
        <translation>Reading the bouquets...</translation>
    </message>
    <message>
        <source>Channel list to import</source>
        <translation>Channel list to import</translation>
    </message>
    <message>
        <source>Base settings file</source>
        <translation>Base settings file</translation>
    </message>
    <message>
        <source>Importing the channel list...</source>
        <translation>Importing the channel list...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please check files</source>
        <translation>Please check files</translation>
    </message>
    <message>
        <source>Imported: %1 TV and %2 radio channels, %3 transponders, %4 new satellites, %5 favourite lists.</source>
        <translation>Imported: %1 TV and %2 radio channels, %3 transponders, %4 new satellites, %5 favourite lists.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders, no free transponder slot.</source>
        <translation>Left out: %1 transponders, no free transponder slot.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders whose frequency or position the receiver cannot store.</source>
        <translation>Left out: %1 transponders whose frequency or position the receiver cannot store.</translation>
    </message>
    <message>
        <source>Left out: %1 satellites beyond 255 (their transponders went to the last one).</source>
        <translation>Left out: %1 satellites beyond 255 (their transponders went to the last one).</translation>
    </message>
    <message>
        <source>Left out: %1 services, the receiver holds at most 10,000 channels.</source>
        <translation>Left out: %1 services, the receiver holds at most 10,000 channels.</translation>
    </message>
    <message>
        <source>Left out: %1 services of a type the receiver does not list (only 1, 2, 4, 22 and 25).</source>
        <translation>Left out: %1 services of a type the receiver does not list (only 1, 2, 4, 22 and 25).</translation>
    </message>
    <message>
        <source>Note: %1 channels have no transponder.</source>
        <translation>Note: %1 channels have no transponder.</translation>
    </message>
    <message>
        <source>Import report</source>
        <translation>Import report</translation>
    </message>
</context>
<context>
    <name>tarnell::CLeftView</name>
    <message>
        <source>Satellite Properties</source>
        <translation>Satellite Properties</translation>
    </message>
    <message>
        <source>Transponder Properties</source>
        <translation>Transponder Properties</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Mark Favourite List</source>
        <translation>Mark Favourite List</translation>
    </message>
    <message>
        <source>Clear Favourite Mark</source>
        <translation>Clear Favourite Mark</translation>
    </message>
    <message>
        <source>Favourite Sequence Numbers</source>
        <translation>Favourite Sequence Numbers</translation>
    </message>
    <message>
        <source>Delete Favourite List</source>
        <translation>Delete Favourite List</translation>
    </message>
    <message>
        <source>New Favourite List</source>
        <translation>New Favourite List</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>New Transponder</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>New Channel</translation>
    </message>
    <message>
        <source>Delete Channels of Transponder</source>
        <translation>Delete Channels of Transponder</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Delete Transponder</translation>
    </message>
    <message>
        <source>Delete Transponders of Satellite</source>
        <translation>Delete Transponders of Satellite</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>New Satellite</translation>
    </message>
    <message>
        <source>New Favourite List from Provider</source>
        <translation>New Favourite List from Provider</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>By Name</translation>
    </message>
    <message>
        <source>By Orbital Position</source>
        <translation>By Orbital Position</translation>
    </message>
    <message>
        <source>In Stored Order</source>
        <translation>In Stored Order</translation>
    </message>
    <message>
        <source>By Number</source>
        <translation>By Number</translation>
    </message>
    <message>
        <source>Satellites with Channels</source>
        <translation>Satellites with Channels</translation>
    </message>
    <message>
        <source>Satellites with LNB Settings</source>
        <translation>Satellites with LNB Settings</translation>
    </message>
    <message>
        <source>ISO 6937</source>
        <translation>ISO 6937</translation>
    </message>
    <message>
        <source>ISO 8859-5 (Cyrillic)</source>
        <translation>ISO 8859-5 (Cyrillic)</translation>
    </message>
    <message>
        <source>ISO 8859-6 (Arabic)</source>
        <translation>ISO 8859-6 (Arabic)</translation>
    </message>
    <message>
        <source>ISO 8859-7 (Greek)</source>
        <translation>ISO 8859-7 (Greek)</translation>
    </message>
    <message>
        <source>ISO 8859-8 (Hebrew)</source>
        <translation>ISO 8859-8 (Hebrew)</translation>
    </message>
    <message>
        <source>ISO 8859-9 (Turkish)</source>
        <translation>ISO 8859-9 (Turkish)</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Satellite Order</source>
        <translation>Satellite Order</translation>
    </message>
    <message>
        <source>Active Satellites</source>
        <translation>Active Satellites</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Provider Order</translation>
    </message>
    <message>
        <source>Favourite Code Page</source>
        <translation>Favourite Code Page</translation>
    </message>
    <message>
        <source>The list holds 255 satellites, as many as the receiver takes.</source>
        <translation>The list holds 255 satellites, as many as the receiver takes.</translation>
    </message>
    <message>
        <source>Kein SatArrayPos</source>
        <translation>The satellite is not in the satellite list.</translation>
    </message>
    <message>
        <source>Es konnte kein neuer Transponder erzeugt werden.</source>
        <translation>No new transponder could be created.</translation>
    </message>
</context>
<context>
    <name>tarnell::CMainFrame</name>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>About Tarnell 1018</source>
        <translation>About Tarnell 1018</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>List Style</source>
        <translation>List Style</translation>
    </message>
    <message>
        <source>List</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Active Satellites Only</source>
        <translation>Active Satellites Only</translation>
    </message>
    <message>
        <source>Favourite Text</source>
        <translation>Favourite Text</translation>
    </message>
    <message>
        <source>Favourite Background</source>
        <translation>Favourite Background</translation>
    </message>
    <message>
        <source>Favourite Options</source>
        <translation>Favourite Options</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Send to Receiver</translation>
    </message>
    <message>
        <source>Fetch Service List</source>
        <translation>Fetch Service List</translation>
    </message>
    <message>
        <source>Fetch Service List and Configuration</source>
        <translation>Fetch Service List and Configuration</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponders</translation>
    </message>
    <message>
        <source>Receiver Configuration</source>
        <translation>Receiver Configuration</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <translation>TV/Radio</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Service list %1</source>
        <translation>Service list %1</translation>
    </message>
    <message>
        <source>Satellite Numbers</source>
        <translation>Satellite Numbers</translation>
    </message>
    <message>
        <source>Network Profiles</source>
        <translation>Network Profiles</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Tarnell 1018 edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers.

Open a settings file (*.fdu, *.sys) or fetch the list from the receiver, choose a satellite, transponder, provider or favourite list in the tree on the left and work on its channels in the list on the right. Save the file or send it back to the receiver when you are done.

Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+A select all, Ctrl+W close, Shift+F1 what&apos;s this.</source>
        <translation>Tarnell 1018 edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers.

Open a settings file (*.fdu, *.sys) or fetch the list from the receiver, choose a satellite, transponder, provider or favourite list in the tree on the left and work on its channels in the list on the right. Save the file or send it back to the receiver when you are done.

Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+A select all, Ctrl+W close, Shift+F1 what&apos;s this.</translation>
    </message>
    <message>
        <source>Community Web Page</source>
        <translation>Community Web Page</translation>
    </message>
    <message>
        <source>Tabbed Windows</source>
        <translation>Tabbed Windows</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>The service list window has been closed.</source>
        <translation>The service list window has been closed.</translation>
    </message>
    <message>
        <source>The settings file cannot be opened.</source>
        <translation>The settings file cannot be opened.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. These parts of it cannot be read:

%2

If you open it, the list lacks them, and saving or sending it loses them for good. Open it anyway?</source>
        <translation>The settings file %1 is damaged. These parts of it cannot be read:

%2

If you open it, the list lacks them, and saving or sending it loses them for good. Open it anyway?</translation>
    </message>
    <message>
        <source>Damaged settings file</source>
        <translation>Damaged settings file</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

The receiver would get it without these parts. Send it anyway?</source>
        <translation>This list was read from a damaged file and lacks: %1.

The receiver would get it without these parts. Send it anyway?</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

Saving writes it without these parts. Save it anyway?</source>
        <translation>This list was read from a damaged file and lacks: %1.

Saving writes it without these parts. Save it anyway?</translation>
    </message>
    <message>
        <source>Import of other channel lists</source>
        <translation>Import of other channel lists</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Language selection</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>User Manual</translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation>The user manual is not installed.</translation>
    </message>
</context>
<context>
    <name>tarnell::CNavigationTreeModel</name>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Providers</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favourite lists</translation>
    </message>
</context>
<context>
    <name>tarnell::CNetworkProfileListModel</name>
    <message>
        <source>A network profile needs a name.</source>
        <translation>A network profile needs a name.</translation>
    </message>
    <message>
        <source>There is a network profile named &quot;%1&quot; already.</source>
        <translation>There is a network profile named &quot;%1&quot; already.</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsConcretePage</name>
    <message>
        <source>Favourite lists</source>
        <translation>Favourite lists</translation>
    </message>
    <message>
        <source>Selection after a favourite command:</source>
        <translation>Selection after a favourite command:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>Kept as it was</source>
        <translation>Kept as it was</translation>
    </message>
    <message>
        <source>Numbers in a favourite list:</source>
        <translation>Numbers in a favourite list:</translation>
    </message>
    <message>
        <source>Stored numbers</source>
        <translation>Stored numbers</translation>
    </message>
    <message>
        <source>Pasted channels:</source>
        <translation>Pasted channels:</translation>
    </message>
    <message>
        <source>Keep their favourite lists</source>
        <translation>Keep their favourite lists</translation>
    </message>
    <message>
        <source>Take them out of every favourite list</source>
        <translation>Take them out of every favourite list</translation>
    </message>
    <message>
        <source>Code page of the list names:</source>
        <translation>Code page of the list names:</translation>
    </message>
    <message>
        <source>ISO 6937 (20269)</source>
        <translation>ISO 6937 (20269)</translation>
    </message>
    <message>
        <source>Cyrillic, ISO 8859-5 (28595)</source>
        <translation>Cyrillic, ISO 8859-5 (28595)</translation>
    </message>
    <message>
        <source>Arabic, ISO 8859-6 (28596)</source>
        <translation>Arabic, ISO 8859-6 (28596)</translation>
    </message>
    <message>
        <source>Greek, ISO 8859-7 (28597)</source>
        <translation>Greek, ISO 8859-7 (28597)</translation>
    </message>
    <message>
        <source>Hebrew, ISO 8859-8 (28598)</source>
        <translation>Hebrew, ISO 8859-8 (28598)</translation>
    </message>
    <message>
        <source>Turkish, ISO 8859-9 (28599)</source>
        <translation>Turkish, ISO 8859-9 (28599)</translation>
    </message>
    <message>
        <source>Unicode, UTF-8 (65001)</source>
        <translation>Unicode, UTF-8 (65001)</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>A satellite is active when:</source>
        <translation>A satellite is active when:</translation>
    </message>
    <message>
        <source>Its antenna settings are in use</source>
        <translation>Its antenna settings are in use</translation>
    </message>
    <message>
        <source>Channels are stored on it</source>
        <translation>Channels are stored on it</translation>
    </message>
    <message>
        <source>Satellite, transponder and provider lists show:</source>
        <translation>Satellite, transponder and provider lists show:</translation>
    </message>
    <message>
        <source>TV and radio channels</source>
        <translation>TV and radio channels</translation>
    </message>
    <message>
        <source>Only the channels of the TV/radio switch</source>
        <translation>Only the channels of the TV/radio switch</translation>
    </message>
    <message>
        <source>Order of the satellites in the tree:</source>
        <translation>Order of the satellites in the tree:</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>By name</translation>
    </message>
    <message>
        <source>By orbital position</source>
        <translation>By orbital position</translation>
    </message>
    <message>
        <source>As stored in the receiver</source>
        <translation>As stored in the receiver</translation>
    </message>
    <message>
        <source>Favourites and Satellites</source>
        <translation>Favourites and Satellites</translation>
    </message>
    <message>
        <source>How favourite lists are numbered, named and kept, and which satellites the tree shows in which order.</source>
        <translation>How favourite lists are numbered, named and kept, and which satellites the tree shows in which order.</translation>
    </message>
    <message>
        <source>Sequential: 1, 2, 3 ...</source>
        <translation>Sequential: 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Before a send:</source>
        <translation>Before a send:</translation>
    </message>
    <message>
        <source>Send at once</source>
        <translation>Send at once</translation>
    </message>
    <message>
        <source>Show what will change on the receiver</source>
        <translation>Show what will change on the receiver</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsPropSheet</name>
    <message>
        <source>Weitere interessante Informationen</source>
        <translation>Options and Information</translation>
    </message>
</context>
<context>
    <name>tarnell::CPrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Quick Print</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Print Setup...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Export as PDF...</translation>
    </message>
    <message>
        <source>Favourite list</source>
        <translation>Favourite list</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>All channels</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>The channel list could not be printed on %1.</translation>
    </message>
    <message>
        <source>No printer is set up. Export as PDF or print to a file from the Print dialog instead.</source>
        <translation>No printer is set up. Export as PDF or print to a file from the Print dialog instead.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>The PDF file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>The printed pages were saved as %1.</source>
        <translation>The printed pages were saved as %1.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertiesWnd</name>
    <message>
        <source>Satellite / Transponder</source>
        <translation>Satellite / Transponder</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favourite lists</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>0 to %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>The channel moves to the first transponder of the satellite chosen.</source>
        <translation>The channel moves to the first transponder of the satellite chosen.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>The channel&apos;s name; a part in angle brackets, such as &lt;ARD&gt;, is not shown in the list. A name record holds 100 bytes.</source>
        <translation>The channel&apos;s name; a part in angle brackets, such as &lt;ARD&gt;, is not shown in the list. A name record holds 100 bytes.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Character table</translation>
    </message>
    <message>
        <source>Name edited</source>
        <translation>Name edited</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>0 to 65535</translation>
    </message>
    <message>
        <source>Video type</source>
        <translation>Video type</translation>
    </message>
    <message>
        <source>Audio type</source>
        <translation>Audio type</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Service value 4</source>
        <translation>Service value 4</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Audio mode</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Pay (€)</source>
        <translation>Pay (€)</translation>
    </message>
    <message>
        <source>Mark M 1</source>
        <translation>Mark M 1</translation>
    </message>
    <message>
        <source>Mark M 2</source>
        <translation>Mark M 2</translation>
    </message>
    <message>
        <source>Stored number</source>
        <translation>Stored number</translation>
    </message>
    <message>
        <source>0 to 9999; timers find their channel by this number.</source>
        <translation>0 to 9999; timers find their channel by this number.</translation>
    </message>
    <message>
        <source>The name holds characters its character table cannot store.</source>
        <translation>The name holds characters its character table cannot store.</translation>
    </message>
    <message>
        <source>The name is too long: a name record holds 100 bytes.</source>
        <translation>The name is too long: a name record holds 100 bytes.</translation>
    </message>
    <message>
        <source>The satellite has no transponder; the channel stays where it is.</source>
        <translation>The satellite has no transponder; the channel stays where it is.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGrid</name>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabetical</translation>
    </message>
    <message>
        <source>Sort the properties by name instead of in groups</source>
        <translation>Sort the properties by name instead of in groups</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Expand All</translation>
    </message>
    <message>
        <source>Open every group of properties</source>
        <translation>Open every group of properties</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGridModel</name>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>This value cannot be changed here.</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3.</source>
        <translation>%1: enter a whole number from %2 to %3.</translation>
    </message>
    <message>
        <source>%1: choose one of the options.</source>
        <translation>%1: choose one of the options.</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Fetching from the receiver was cancelled.</source>
        <translation>Fetching from the receiver was cancelled.</translation>
    </message>
    <message>
        <source>Fetching the service list and the configuration from the receiver at %1...</source>
        <translation>Fetching the service list and the configuration from the receiver at %1...</translation>
    </message>
    <message>
        <source>Fetching the service list from the receiver at %1...</source>
        <translation>Fetching the service list from the receiver at %1...</translation>
    </message>
    <message>
        <source>Sending the service list to the receiver at %1...</source>
        <translation>Sending the service list to the receiver at %1...</translation>
    </message>
    <message>
        <source>The service list could not be prepared for the receiver; nothing was sent.</source>
        <translation>The service list could not be prepared for the receiver; nothing was sent.</translation>
    </message>
    <message>
        <source>The service list and the configuration were sent to the receiver at %1.</source>
        <translation>The service list and the configuration were sent to the receiver at %1.</translation>
    </message>
    <message>
        <source>The service list was sent to the receiver at %1.</source>
        <translation>The service list was sent to the receiver at %1.</translation>
    </message>
    <message>
        <source>Its previous files are kept in &quot;%1&quot;.</source>
        <translation>Its previous files are kept in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restarting the receiver at %1...</source>
        <translation>Restarting the receiver at %1...</translation>
    </message>
    <message>
        <source>The receiver at %1 was told to restart (%2).</source>
        <translation>The receiver at %1 was told to restart (%2).</translation>
    </message>
    <message>
        <source>The receiver&apos;s current list cannot be read.</source>
        <translation>The receiver&apos;s current list cannot be read.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver&apos;s list is unchanged.</source>
        <translation>Nothing was sent; the receiver&apos;s list is unchanged.</translation>
    </message>
    <message>
        <source>Sending changes the receiver&apos;s list:

%1

Send the list to the receiver?</source>
        <translation>Sending changes the receiver&apos;s list:

%1

Send the list to the receiver?</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Send to Receiver</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverConfigPage</name>
    <message>
        <source>The PIN code must be exactly four digits.</source>
        <translation>The PIN code must be exactly four digits.</translation>
    </message>
    <message>
        <source>An address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>An address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</translation>
    </message>
    <message>
        <source>The longitude must lie from 0 to 180 degrees, with at most three decimals.</source>
        <translation>The longitude must lie from 0 to 180 degrees, with at most three decimals.</translation>
    </message>
    <message>
        <source>The latitude must lie from 0 to 90 degrees, with at most three decimals.</source>
        <translation>The latitude must lie from 0 to 90 degrees, with at most three decimals.</translation>
    </message>
    <message>
        <source>The receiver stores at most 127 characters of Western European text here.</source>
        <translation>The receiver stores at most 127 characters of Western European text here.</translation>
    </message>
    <message>
        <source>This value cannot be stored.</source>
        <translation>This value cannot be stored.</translation>
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
        <translation>Edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers: channels, favourite lists, satellites, transponders, timers and the receiver&apos;s configuration.</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Thanks</translation>
    </message>
    <message>
        <source>To every receiver owner who shared a service list and tried the transfers on a real receiver.</source>
        <translation>To every receiver owner who shared a service list and tried the transfers on a real receiver.</translation>
    </message>
    <message>
        <source>To the people behind Qt, zlib and libcurl, on whose work this program stands.</source>
        <translation>To the people behind Qt, zlib and libcurl, on whose work this program stands.</translation>
    </message>
    <message>
        <source>The receiver maker</source>
        <translation>The receiver maker</translation>
    </message>
    <message>
        <source>Octagon on the web</source>
        <translation>Octagon on the web</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>About this program, the people who helped to make it, and where to find the receiver maker.</source>
        <translation>About this program, the people who helped to make it, and where to find the receiver maker.</translation>
    </message>
</context>
<context>
    <name>tarnell::CRibbonBar</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>tarnell::CSatelliteWnd</name>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Positioner</source>
        <translation>Positioner</translation>
    </message>
    <message>
        <source>Unicable</source>
        <translation>Unicable</translation>
    </message>
    <message>
        <source>These data are contained only in a *.sys file.</source>
        <translation>These data are contained only in a *.sys file.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>A satellite needs a name.</source>
        <translation>A satellite needs a name.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>The position must lie from 0 to 180.0 degrees, with at most one decimal.</source>
        <translation>The position must lie from 0 to 180.0 degrees, with at most one decimal.</translation>
    </message>
    <message>
        <source>East / West</source>
        <translation>East / West</translation>
    </message>
    <message>
        <source>Tuner mode</source>
        <translation>Tuner mode</translation>
    </message>
    <message>
        <source>Tuner input</source>
        <translation>Tuner input</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>LNB type</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>LNB option (bit 0)</source>
        <translation>LNB option (bit 0)</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Site longitude</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Site latitude</translation>
    </message>
    <message>
        <source>User band</source>
        <translation>User band</translation>
    </message>
    <message>
        <source>User band frequency</source>
        <translation>User band frequency</translation>
    </message>
    <message>
        <source>MHz; at most %1 is stored.</source>
        <translation>MHz; at most %1 is stored.</translation>
    </message>
    <message>
        <source>Position A/B</source>
        <translation>Position A/B</translation>
    </message>
    <message>
        <source>East</source>
        <translation>East</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Two inputs</source>
        <translation>Two inputs</translation>
    </message>
    <message>
        <source>Loop-through</source>
        <translation>Loop-through</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Other satellites use this LNB record too, and the list holds no room for another: the change was not made.</source>
        <translation>Other satellites use this LNB record too, and the list holds no room for another: the change was not made.</translation>
    </message>
    <message>
        <source>Site Longitude and Latitude...</source>
        <translation>Site Longitude and Latitude...</translation>
    </message>
</context>
<context>
    <name>tarnell::CSettingsOptionsPropSheet</name>
    <message>
        <source>Receiver Configuration</source>
        <translation>Receiver Configuration</translation>
    </message>
</context>
<context>
    <name>tarnell::CStatistikDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Channels by kind</source>
        <translation>Channels by kind</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>Service list</translation>
    </message>
    <message>
        <source>TV channels:</source>
        <translation>TV channels:</translation>
    </message>
    <message>
        <source>Radio channels:</source>
        <translation>Radio channels:</translation>
    </message>
    <message>
        <source>All channels:</source>
        <translation>All channels:</translation>
    </message>
    <message>
        <source>Used transponders:</source>
        <translation>Used transponders:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satellites:</translation>
    </message>
    <message>
        <source>Timers:</source>
        <translation>Timers:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotation:</translation>
    </message>
    <message>
        <source>Tilt:</source>
        <translation>Tilt:</translation>
    </message>
</context>
<context>
    <name>tarnell::CTarnell1018View</name>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Remove from Favourite List</source>
        <translation>Remove from Favourite List</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>Delete Channels</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Favourite Lists</source>
        <translation>Favourite Lists</translation>
    </message>
    <message>
        <source>Remove from All Favourite Lists</source>
        <translation>Remove from All Favourite Lists</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>New TV Channel</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>New Radio Channel</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Move to Position...</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>HD Channels</source>
        <translation>HD Channels</translation>
    </message>
    <message>
        <source>Pay Channels</source>
        <translation>Pay Channels</translation>
    </message>
    <message>
        <source>Channels Marked M 1</source>
        <translation>Channels Marked M 1</translation>
    </message>
    <message>
        <source>Channels Marked M 2</source>
        <translation>Channels Marked M 2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marks</translation>
    </message>
    <message>
        <source>Set M 1</source>
        <translation>Set M 1</translation>
    </message>
    <message>
        <source>Clear M 1</source>
        <translation>Clear M 1</translation>
    </message>
    <message>
        <source>Set T 1</source>
        <translation>Set T 1</translation>
    </message>
    <message>
        <source>Clear T 1</source>
        <translation>Clear T 1</translation>
    </message>
    <message>
        <source>Set T 2</source>
        <translation>Set T 2</translation>
    </message>
    <message>
        <source>Clear T 2</source>
        <translation>Clear T 2</translation>
    </message>
    <message>
        <source>Copy T 1 to T 2</source>
        <translation>Copy T 1 to T 2</translation>
    </message>
    <message>
        <source>Copy T 2 to T 1</source>
        <translation>Copy T 2 to T 1</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Sort by Name</translation>
    </message>
    <message>
        <source>Sort by Number</source>
        <translation>Sort by Number</translation>
    </message>
    <message>
        <source>Channel Properties</source>
        <translation>Channel Properties</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n channel</numerusform>
            <numerusform>%n channels</numerusform>
        </translation>
    </message>
    <message>
        <source>Hier sollten Sie eigentlich nie hinkommen...</source>
        <translation>You should never get here...</translation>
    </message>
    <message>
        <source>This list shows TV and radio channels together: move channels in the list of all channels, or show one kind only (Options).</source>
        <translation>This list shows TV and radio channels together: move channels in the list of all channels, or show one kind only (Options).</translation>
    </message>
</context>
<context>
    <name>tarnell::CTimerDlg</name>
    <message>
        <source>Timers</source>
        <translation>Timers</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Repetition</source>
        <translation>Repetition</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Duration (End)</source>
        <translation>Duration (End)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>The timer&apos;s text, at most %1 characters.</source>
        <translation>The timer&apos;s text, at most %1 characters.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Character table</translation>
    </message>
    <message>
        <source>Flag 1</source>
        <translation>Flag 1</translation>
    </message>
    <message>
        <source>Flag 2</source>
        <translation>Flag 2</translation>
    </message>
    <message>
        <source>New Timer</source>
        <translation>New Timer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete All Timers</source>
        <translation>Delete All Timers</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>Mon-Fri</source>
        <translation>Mon-Fri</translation>
    </message>
    <message>
        <source>Sat-Sun</source>
        <translation>Sat-Sun</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Mo.</source>
        <translation>Mon.</translation>
    </message>
    <message>
        <source>Di.</source>
        <translation>Tue.</translation>
    </message>
    <message>
        <source>Mi.</source>
        <translation>Wed.</translation>
    </message>
    <message>
        <source>Do.</source>
        <translation>Thu.</translation>
    </message>
    <message>
        <source>Fr.</source>
        <translation>Fri.</translation>
    </message>
    <message>
        <source>Sa.</source>
        <translation>Sat.</translation>
    </message>
    <message>
        <source>So.</source>
        <translation>Sun.</translation>
    </message>
    <message>
        <source>The timer holds %1 characters; the text was cut to &quot;%2&quot;.</source>
        <translation>The timer holds %1 characters; the text was cut to &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>tarnell::CToolCommands</name>
    <message>
        <source>Statistics</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timers</translation>
    </message>
</context>
<context>
    <name>tarnell::CTransponderWnd</name>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>The satellite of the transponder; it is changed by making the transponder anew on another satellite.</source>
        <translation>The satellite of the transponder; it is changed by making the transponder anew on another satellite.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>MHz, 1 to 65535</source>
        <translation>MHz, 1 to 65535</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>kS/s, 0 to 65535</source>
        <translation>kS/s, 0 to 65535</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>Transport stream ID</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>0 to 65535</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Original network ID</translation>
    </message>
</context>
<context>
    <name>tarnell::CVerschiebenAufPosDlg</name>
    <message>
        <source>Move to Position</source>
        <translation>Move to Position</translation>
    </message>
    <message>
        <source>New position of the selected channels (%1 to %2):</source>
        <translation>New position of the selected channels (%1 to %2):</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Please enter a number from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CVisualStyle</name>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Plum</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>Graphite</source>
        <translation>Graphite</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Night Teal</source>
        <translation>Night Teal</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
</context>
<context>
    <name>tarnell::CWindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Activate</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Close Window</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarnell::CommandDescriptions</name>
    <message>
        <source>Start a new service list from the factory list.</source>
        <translation>Start a new service list from the factory list.</translation>
    </message>
    <message>
        <source>Open a settings file (*.fdu, *.sys) from disk.</source>
        <translation>Open a settings file (*.fdu, *.sys) from disk.</translation>
    </message>
    <message>
        <source>Save the active service list.</source>
        <translation>Save the active service list.</translation>
    </message>
    <message>
        <source>Save the active service list under a new name.</source>
        <translation>Save the active service list under a new name.</translation>
    </message>
    <message>
        <source>Close the active service list.</source>
        <translation>Close the active service list.</translation>
    </message>
    <message>
        <source>Print the channel list.</source>
        <translation>Print the channel list.</translation>
    </message>
    <message>
        <source>Print the channel list on the default printer at once.</source>
        <translation>Print the channel list on the default printer at once.</translation>
    </message>
    <message>
        <source>Show the pages as they will be printed.</source>
        <translation>Show the pages as they will be printed.</translation>
    </message>
    <message>
        <source>Choose the printer and the paper.</source>
        <translation>Choose the printer and the paper.</translation>
    </message>
    <message>
        <source>Import an Enigma2 list (lamedb and bouquets).</source>
        <translation>Import an Enigma2 list (lamedb and bouquets).</translation>
    </message>
    <message>
        <source>Import an Octagon 918/908/818 list (*.udb).</source>
        <translation>Import an Octagon 918/908/818 list (*.udb).</translation>
    </message>
    <message>
        <source>Import an Octagon SD x18 list (*.bin).</source>
        <translation>Import an Octagon SD x18 list (*.bin).</translation>
    </message>
    <message>
        <source>Preferences, colours and network profiles.</source>
        <translation>Preferences, colours and network profiles.</translation>
    </message>
    <message>
        <source>How favourite lists and satellites behave.</source>
        <translation>How favourite lists and satellites behave.</translation>
    </message>
    <message>
        <source>The receivers on your network and how to reach them.</source>
        <translation>The receivers on your network and how to reach them.</translation>
    </message>
    <message>
        <source>Quit the program; it asks about unsaved changes first.</source>
        <translation>Quit the program; it asks about unsaved changes first.</translation>
    </message>
    <message>
        <source>Version and credits.</source>
        <translation>Version and credits.</translation>
    </message>
    <message>
        <source>How to work with the program, and its keys.</source>
        <translation>How to work with the program, and its keys.</translation>
    </message>
    <message>
        <source>Click on any part of the window to learn what it does.</source>
        <translation>Click on any part of the window to learn what it does.</translation>
    </message>
    <message>
        <source>Open the receiver maker&apos;s web site in your browser.</source>
        <translation>Open the receiver maker&apos;s web site in your browser.</translation>
    </message>
    <message>
        <source>Choose the colours of the program.</source>
        <translation>Choose the colours of the program.</translation>
    </message>
    <message>
        <source>Insert the channels from the clipboard.</source>
        <translation>Insert the channels from the clipboard.</translation>
    </message>
    <message>
        <source>Move the selected channels to the clipboard.</source>
        <translation>Move the selected channels to the clipboard.</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard.</source>
        <translation>Copy the selected channels to the clipboard.</translation>
    </message>
    <message>
        <source>Select every channel of the list.</source>
        <translation>Select every channel of the list.</translation>
    </message>
    <message>
        <source>Put the channels in order.</source>
        <translation>Put the channels in order.</translation>
    </message>
    <message>
        <source>Switch between the detailed and the compact list.</source>
        <translation>Switch between the detailed and the compact list.</translation>
    </message>
    <message>
        <source>Show the channels in compact columns.</source>
        <translation>Show the channels in compact columns.</translation>
    </message>
    <message>
        <source>Show the channels with all their columns.</source>
        <translation>Show the channels with all their columns.</translation>
    </message>
    <message>
        <source>Arrange the open windows, show the panes, or pick a window.</source>
        <translation>Arrange the open windows, show the panes, or pick a window.</translation>
    </message>
    <message>
        <source>Show the TV channels.</source>
        <translation>Show the TV channels.</translation>
    </message>
    <message>
        <source>Show the radio channels.</source>
        <translation>Show the radio channels.</translation>
    </message>
    <message>
        <source>List only satellites that are in use.</source>
        <translation>List only satellites that are in use.</translation>
    </message>
    <message>
        <source>Show the satellites&apos; numbers in the tree.</source>
        <translation>Show the satellites&apos; numbers in the tree.</translation>
    </message>
    <message>
        <source>Text colour of the marked favourite list&apos;s channels.</source>
        <translation>Text colour of the marked favourite list&apos;s channels.</translation>
    </message>
    <message>
        <source>Background colour of the marked favourite list&apos;s channels.</source>
        <translation>Background colour of the marked favourite list&apos;s channels.</translation>
    </message>
    <message>
        <source>Fetch the list from the receiver or send it back.</source>
        <translation>Fetch the list from the receiver or send it back.</translation>
    </message>
    <message>
        <source>Load the service list from the receiver into a new window.</source>
        <translation>Load the service list from the receiver into a new window.</translation>
    </message>
    <message>
        <source>Load the service list and the receiver&apos;s configuration into a new window.</source>
        <translation>Load the service list and the receiver&apos;s configuration into a new window.</translation>
    </message>
    <message>
        <source>Send the active service list to the receiver.</source>
        <translation>Send the active service list to the receiver.</translation>
    </message>
    <message>
        <source>Number the channels again in list order.</source>
        <translation>Number the channels again in list order.</translation>
    </message>
    <message>
        <source>Unlink channels from names that do not exist.</source>
        <translation>Unlink channels from names that do not exist.</translation>
    </message>
    <message>
        <source>Write the shown channels to a text file.</source>
        <translation>Write the shown channels to a text file.</translation>
    </message>
    <message>
        <source>Move the usual Astra 19.2° East channels to the top.</source>
        <translation>Move the usual Astra 19.2° East channels to the top.</translation>
    </message>
    <message>
        <source>Delete every transponder no channel uses.</source>
        <translation>Delete every transponder no channel uses.</translation>
    </message>
    <message>
        <source>Count channels, transponders and satellites.</source>
        <translation>Count channels, transponders and satellites.</translation>
    </message>
    <message>
        <source>Show and edit the receiver&apos;s timers.</source>
        <translation>Show and edit the receiver&apos;s timers.</translation>
    </message>
    <message>
        <source>Edit the receiver&apos;s configuration.</source>
        <translation>Edit the receiver&apos;s configuration.</translation>
    </message>
    <message>
        <source>Show or hide the satellite and LNB properties.</source>
        <translation>Show or hide the satellite and LNB properties.</translation>
    </message>
    <message>
        <source>Show or hide the transponder properties.</source>
        <translation>Show or hide the transponder properties.</translation>
    </message>
    <message>
        <source>Show or hide the channel properties.</source>
        <translation>Show or hide the channel properties.</translation>
    </message>
    <message>
        <source>Show or hide the channel search.</source>
        <translation>Show or hide the channel search.</translation>
    </message>
    <message>
        <source>Use this language from the next start of the program.</source>
        <translation>Use this language from the next start of the program.</translation>
    </message>
    <message>
        <source>Import the channel list of another receiver.</source>
        <translation>Import the channel list of another receiver.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Undo the last change.</translation>
    </message>
    <message>
        <source>Redo the change you last undid.</source>
        <translation>Redo the change you last undid.</translation>
    </message>
    <message>
        <source>Show and use the numbers stored with the channels instead of sequential numbers.</source>
        <translation>Show and use the numbers stored with the channels instead of sequential numbers.</translation>
    </message>
    <message>
        <source>Show sequential numbers in the search results.</source>
        <translation>Show sequential numbers in the search results.</translation>
    </message>
    <message>
        <source>Clear out the transponders no channel uses.</source>
        <translation>Clear out the transponders no channel uses.</translation>
    </message>
    <message>
        <source>Delete the selected channels, or take them out of the favourite list shown.</source>
        <translation>Delete the selected channels, or take them out of the favourite list shown.</translation>
    </message>
    <message>
        <source>Add a new channel behind the selected one.</source>
        <translation>Add a new channel behind the selected one.</translation>
    </message>
    <message>
        <source>Move the selected channels to a position you enter.</source>
        <translation>Move the selected channels to a position you enter.</translation>
    </message>
    <message>
        <source>Move the selected channels up by one.</source>
        <translation>Move the selected channels up by one.</translation>
    </message>
    <message>
        <source>Move the selected channels down by one.</source>
        <translation>Move the selected channels down by one.</translation>
    </message>
    <message>
        <source>Number the channels in the order the list shows them.</source>
        <translation>Number the channels in the order the list shows them.</translation>
    </message>
    <message>
        <source>Take the selected channels out of every favourite list.</source>
        <translation>Take the selected channels out of every favourite list.</translation>
    </message>
    <message>
        <source>Select the HD channels.</source>
        <translation>Select the HD channels.</translation>
    </message>
    <message>
        <source>Select the pay channels.</source>
        <translation>Select the pay channels.</translation>
    </message>
    <message>
        <source>Select the channels marked M 1.</source>
        <translation>Select the channels marked M 1.</translation>
    </message>
    <message>
        <source>Select the channels marked M 2.</source>
        <translation>Select the channels marked M 2.</translation>
    </message>
    <message>
        <source>Mark the selected channels M 1.</source>
        <translation>Mark the selected channels M 1.</translation>
    </message>
    <message>
        <source>Clear the mark M 1 of the selected channels.</source>
        <translation>Clear the mark M 1 of the selected channels.</translation>
    </message>
    <message>
        <source>Set T 1 on the selected channels.</source>
        <translation>Set T 1 on the selected channels.</translation>
    </message>
    <message>
        <source>Clear T 1 on the selected channels.</source>
        <translation>Clear T 1 on the selected channels.</translation>
    </message>
    <message>
        <source>Set T 2 on the selected channels.</source>
        <translation>Set T 2 on the selected channels.</translation>
    </message>
    <message>
        <source>Clear T 2 on the selected channels.</source>
        <translation>Clear T 2 on the selected channels.</translation>
    </message>
    <message>
        <source>Give the selected channels T 2 as their T 1 is.</source>
        <translation>Give the selected channels T 2 as their T 1 is.</translation>
    </message>
    <message>
        <source>Give the selected channels T 1 as their T 2 is.</source>
        <translation>Give the selected channels T 1 as their T 2 is.</translation>
    </message>
    <message>
        <source>Sort the list by channel name.</source>
        <translation>Sort the list by channel name.</translation>
    </message>
    <message>
        <source>Sort the list by channel number.</source>
        <translation>Sort the list by channel number.</translation>
    </message>
    <message>
        <source>Show the properties of the selected channel.</source>
        <translation>Show the properties of the selected channel.</translation>
    </message>
    <message>
        <source>Add the selected channels to this favourite list; a single member leaves it.</source>
        <translation>Add the selected channels to this favourite list; a single member leaves it.</translation>
    </message>
    <message>
        <source>Save the printed pages of the channel list as a PDF file.</source>
        <translation>Save the printed pages of the channel list as a PDF file.</translation>
    </message>
    <message>
        <source>Open the user manual in your browser.</source>
        <translation>Open the user manual in your browser.</translation>
    </message>
    <message>
        <source>See what differs between this list and a file or the receiver&apos;s list.</source>
        <translation>See what differs between this list and a file or the receiver&apos;s list.</translation>
    </message>
    <message>
        <source>Compare this list with a settings file: channels added, removed, renamed, moved; favourites, satellites, transponders, timers.</source>
        <translation>Compare this list with a settings file: channels added, removed, renamed, moved; favourites, satellites, transponders, timers.</translation>
    </message>
    <message>
        <source>Fetch the receiver&apos;s list and show what a send would change on it.</source>
        <translation>Fetch the receiver&apos;s list and show what a send would change on it.</translation>
    </message>
    <message>
        <source>Sort this list like another settings file, an Enigma2 bouquet or a text of channel names.</source>
        <translation>Sort this list like another settings file, an Enigma2 bouquet or a text of channel names.</translation>
    </message>
    <message>
        <source>Select the channels that are the same service as an earlier one.</source>
        <translation>Select the channels that are the same service as an earlier one.</translation>
    </message>
    <message>
        <source>Open or send one of the receiver&apos;s lists kept before each send.</source>
        <translation>Open or send one of the receiver&apos;s lists kept before each send.</translation>
    </message>
</context>
</TS>
