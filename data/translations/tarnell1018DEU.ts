<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CDrucken</name>
    <message>
        <source>There are no channels to print in this selection.</source>
        <translation>In dieser Auswahl gibt es keine Sender zum Drucken.</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-Sender</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radiosender</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
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
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
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
        <translation>Wert 4</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Pay-TV</translation>
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
        <translation>Anbieter</translation>
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
        <translation>Einstellungsdateien (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>Service lists (*.fdu)</source>
        <translation>Senderlisten (*.fdu)</translation>
    </message>
    <message>
        <source>Service lists with configuration (*.sys)</source>
        <translation>Senderlisten mit Konfiguration (*.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Senderliste exportieren</translation>
    </message>
    <message>
        <source>Vezi Exportliste (*.txt)</source>
        <translation>Vezi Exportliste (*.txt)</translation>
    </message>
    <message>
        <source>Vezi export list in UTF-8 (*.txt)</source>
        <translation>Vezi Exportliste in UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>The receiver accepted the FTP login.</source>
        <translation>Der Receiver hat die FTP-Anmeldung angenommen.</translation>
    </message>
    <message>
        <source>No FTP connection to the receiver. Check the address, port, user name and password of the network profile.</source>
        <translation>Keine FTP-Verbindung zum Receiver. Prüfen Sie Adresse, Port, Benutzername und Passwort des Netzwerkprofils.</translation>
    </message>
    <message>
        <source>ftp Connection Error</source>
        <translation>FTP-Verbindungsfehler</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>No Data 0</source>
        <translation>Keine Daten 0</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>ftp Test</source>
        <translation>FTP-Test</translation>
    </message>
    <message>
        <source>Restart receiver</source>
        <translation>Receiver neu starten</translation>
    </message>
    <message>
        <source>Fehler 1</source>
        <translation>Fehler 1</translation>
    </message>
    <message>
        <source>Kein Connect</source>
        <translation>Kein Connect</translation>
    </message>
    <message>
        <source>The receiver did not deliver a service list.</source>
        <translation>Der Receiver hat keine Senderliste geliefert.</translation>
    </message>
    <message>
        <source>Restart the receiver now, so that it reads the new lists?</source>
        <translation>Den Receiver jetzt neu starten, damit er die neuen Listen einliest?</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a service list; it was not read.</source>
        <translation>%1 auf dem Receiver ist größer als %2 Byte und damit keine Senderliste; die Datei wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a configuration; it was not read.</source>
        <translation>%1 auf dem Receiver ist größer als %2 Byte und damit keine Konfiguration; die Datei wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The service list fetched from the receiver cannot be opened.</source>
        <translation>Die vom Receiver geholte Senderliste kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be kept; nothing was sent.</source>
        <translation>Die aktuellen Dateien des Receivers konnten nicht gesichert werden; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be read; nothing was sent.</source>
        <translation>Die aktuellen Dateien des Receivers konnten nicht gelesen werden; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver keeps its previous file.</source>
        <translation>%1 konnte nicht geschrieben werden; der Receiver behält seine bisherige Datei.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>%1 konnte nicht geschrieben werden; die Datei auf dem Receiver ist jetzt womöglich unvollständig. Die bisherigen Dateien des Receivers liegen in &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver keeps its previous file.</source>
        <translation>Die Senderliste wurde gesendet, aber %1 konnte nicht geschrieben werden; der Receiver behält seine bisherige Datei.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>Die Senderliste wurde gesendet, aber %1 konnte nicht geschrieben werden; die Datei auf dem Receiver ist jetzt womöglich unvollständig. Die bisherigen Dateien des Receivers liegen in &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no receiver address</source>
        <translation>das Profil &quot;%1&quot; hat keine Receiver-Adresse</translation>
    </message>
    <message>
        <source>the receiver has no %1</source>
        <translation>der Receiver hat keine Datei %1</translation>
    </message>
    <message>
        <source>the receiver has no %1; nothing was sent</source>
        <translation>der Receiver hat keine Datei %1; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>%1 on the receiver is empty</source>
        <translation>%1 auf dem Receiver ist leer</translation>
    </message>
    <message>
        <source>the receiver closed the connection: %1</source>
        <translation>der Receiver hat die Verbindung getrennt: %1</translation>
    </message>
    <message>
        <source>The FTP client could not be set up.</source>
        <translation>Der FTP-Client konnte nicht eingerichtet werden.</translation>
    </message>
    <message>
        <source>No receiver address or port.</source>
        <translation>Keine Adresse oder kein Port für den Receiver.</translation>
    </message>
    <message>
        <source>The user name or the password contains a line break.</source>
        <translation>Benutzername oder Passwort enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>Die Systemdaten sind fehlerhaft!</translation>
    </message>
    <message>
        <source>There is no network profile. Add one for the receiver on the Network page of the options.</source>
        <translation>Es gibt kein Netzwerkprofil. Legen Sie auf der Seite &quot;Netzwerk&quot; der Optionen eines für den Receiver an.</translation>
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
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
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
        <translation>Immer</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Black screen</source>
        <translation>Schwarzbild</translation>
    </message>
    <message>
        <source>Still picture</source>
        <translation>Standbild</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>Programmnummer</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Dimmed</source>
        <translation>Gedimmt</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Keine Grenze</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Stay on</source>
        <translation>Eingeschaltet bleiben</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Region %1</source>
        <translation>Region %1</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>Menüsprache</translation>
    </message>
    <message>
        <source>First audio language</source>
        <translation>Erste Audiosprache</translation>
    </message>
    <message>
        <source>Second audio language</source>
        <translation>Zweite Audiosprache</translation>
    </message>
    <message>
        <source>First subtitle language</source>
        <translation>Erste Untertitelsprache</translation>
    </message>
    <message>
        <source>Second subtitle language</source>
        <translation>Zweite Untertitelsprache</translation>
    </message>
    <message>
        <source>Programme guide language</source>
        <translation>Sprache der Programmzeitschrift</translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
    <message>
        <source>Start timeshift automatically</source>
        <translation>Timeshift automatisch starten</translation>
    </message>
    <message>
        <source>Start recordings earlier by</source>
        <translation>Aufnahmen früher beginnen um</translation>
    </message>
    <message>
        <source>End recordings later by</source>
        <translation>Aufnahmen später beenden um</translation>
    </message>
    <message>
        <source>After a timer recording</source>
        <translation>Nach einer Timeraufnahme</translation>
    </message>
    <message>
        <source>Length of an instant recording</source>
        <translation>Dauer einer Sofortaufnahme</translation>
    </message>
    <message>
        <source>Timeshift length</source>
        <translation>Timeshift-Dauer</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Aufnahmeformat</translation>
    </message>
    <message>
        <source>Recording buffer</source>
        <translation>Aufnahmepuffer</translation>
    </message>
    <message>
        <source>Playback buffer</source>
        <translation>Wiedergabepuffer</translation>
    </message>
    <message>
        <source>Age rating</source>
        <translation>Altersfreigabe</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>PIN-Code</translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation>Sperre %1</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Info bar shown for</source>
        <translation>Infoleiste anzeigen für</translation>
    </message>
    <message>
        <source>Clock in standby</source>
        <translation>Uhr im Standby</translation>
    </message>
    <message>
        <source>Volume bar shown for</source>
        <translation>Lautstärkeleiste anzeigen für</translation>
    </message>
    <message>
        <source>While changing channels</source>
        <translation>Beim Umschalten</translation>
    </message>
    <message>
        <source>Info bar position</source>
        <translation>Position der Infoleiste</translation>
    </message>
    <message>
        <source>Front display shows</source>
        <translation>Frontdisplay zeigt</translation>
    </message>
    <message>
        <source>Front display lighting</source>
        <translation>Beleuchtung des Frontdisplays</translation>
    </message>
    <message>
        <source>Menu shown for</source>
        <translation>Menü anzeigen für</translation>
    </message>
    <message>
        <source>Menu transparency</source>
        <translation>Menütransparenz</translation>
    </message>
    <message>
        <source>Time setting</source>
        <translation>Zeiteinstellung</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Clock format</source>
        <translation>Uhrzeitformat</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Fernsehnorm</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Display format</source>
        <translation>Bildformat</translation>
    </message>
    <message>
        <source>Video output</source>
        <translation>Videoausgang</translation>
    </message>
    <message>
        <source>Dolby Digital</source>
        <translation>Dolby Digital</translation>
    </message>
    <message>
        <source>Sound over HDMI</source>
        <translation>Ton über HDMI</translation>
    </message>
    <message>
        <source>Sound mode</source>
        <translation>Tonmodus</translation>
    </message>
    <message>
        <source>Video option</source>
        <translation>Videooption</translation>
    </message>
    <message>
        <source>Sound delay</source>
        <translation>Tonverzögerung</translation>
    </message>
    <message>
        <source>Addresses from the network (DHCP)</source>
        <translation>Adressen aus dem Netzwerk (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>First DNS server</source>
        <translation>Erster DNS-Server</translation>
    </message>
    <message>
        <source>Second DNS server</source>
        <translation>Zweiter DNS-Server</translation>
    </message>
    <message>
        <source>Further address %1</source>
        <translation>Weitere Adresse %1</translation>
    </message>
    <message>
        <source>Network option</source>
        <translation>Netzwerkoption</translation>
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
        <translation>Programmnummern wie in der Liste gespeichert</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Längengrad des Standorts</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Breitengrad des Standorts</translation>
    </message>
    <message>
        <source>Time span shown</source>
        <translation>Angezeigter Zeitraum</translation>
    </message>
    <message>
        <source>Programme guide memory</source>
        <translation>Speicher der Programmzeitschrift</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Parental control</source>
        <translation>Jugendschutz</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>Senderliste</translation>
    </message>
    <message>
        <source>Positioner and single cable</source>
        <translation>Positioner und Einkabel</translation>
    </message>
    <message>
        <source>Picture and sound output</source>
        <translation>Bild- und Tonausgabe</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>Repair channel names</source>
        <translation>Sendernamen reparieren</translation>
    </message>
    <message>
        <source>New favourite list</source>
        <translation>Neue Favoritenliste</translation>
    </message>
    <message>
        <source>Remove unused transponders</source>
        <translation>Unbenutzte Transponder entfernen</translation>
    </message>
    <message>
        <source>Channel numbering</source>
        <translation>Sendernummerierung</translation>
    </message>
    <message>
        <source>Sort by template</source>
        <translation>Nach Vorlage sortieren</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Sender verschieben</translation>
    </message>
    <message>
        <source>Rename channel</source>
        <translation>Sender umbenennen</translation>
    </message>
    <message>
        <source>Add to favourites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Remove from favourites</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>Adopt the list order</source>
        <translation>Listenreihenfolge übernehmen</translation>
    </message>
    <message>
        <source>New TV channel</source>
        <translation>Neuer TV-Sender</translation>
    </message>
    <message>
        <source>New radio channel</source>
        <translation>Neuer Radiosender</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Neuer Satellit</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Neuer Transponder</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>Sender löschen</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Rename provider</source>
        <translation>Anbieter umbenennen</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Favoritenliste umbenennen</translation>
    </message>
    <message>
        <source>Delete favourite list</source>
        <translation>Favoritenliste löschen</translation>
    </message>
    <message>
        <source>Favourite list from provider</source>
        <translation>Favoritenliste aus Anbieter</translation>
    </message>
    <message>
        <source>Move favourite list</source>
        <translation>Favoritenliste verschieben</translation>
    </message>
    <message>
        <source>Move satellite</source>
        <translation>Satellit verschieben</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>%n Sender löschen</numerusform>
            <numerusform>%n Sender löschen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>%n Sender ausschneiden</numerusform>
            <numerusform>%n Sender ausschneiden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>%n Sender einfügen</numerusform>
            <numerusform>%n Sender einfügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mark %n channel(s)</source>
        <translation>
            <numerusform>%n Sender markieren</numerusform>
            <numerusform>%n Sender markieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %n channel(s)</source>
        <translation>
            <numerusform>%n Sender nummerieren</numerusform>
            <numerusform>%n Sender nummerieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s)</source>
        <translation>
            <numerusform>%n Sender verschieben</numerusform>
            <numerusform>%n Sender verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite list</source>
        <translation>
            <numerusform>%n Sender zu einer Favoritenliste hinzufügen</numerusform>
            <numerusform>%n Sender zu einer Favoritenliste hinzufügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from a favourite list</source>
        <translation>
            <numerusform>%n Sender aus einer Favoritenliste entfernen</numerusform>
            <numerusform>%n Sender aus einer Favoritenliste entfernen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from the favourite list</source>
        <translation>
            <numerusform>%n Sender aus der Favoritenliste entfernen</numerusform>
            <numerusform>%n Sender aus der Favoritenliste entfernen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from all favourite lists</source>
        <translation>
            <numerusform>%n Sender aus allen Favoritenlisten entfernen</numerusform>
            <numerusform>%n Sender aus allen Favoritenlisten entfernen</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all timers</source>
        <translation>Alle Timer löschen</translation>
    </message>
    <message>
        <source>Change timer</source>
        <translation>Timer ändern</translation>
    </message>
    <message>
        <source>Change timer text</source>
        <translation>Timertext ändern</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timer(s)</source>
        <translation>
            <numerusform>%n Timer löschen</numerusform>
            <numerusform>%n Timer löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Edit LNB settings</source>
        <translation>LNB-Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Change tuner mode</source>
        <translation>Tunermodus ändern</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>Sender bearbeiten</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Receiver-Konfiguration</translation>
    </message>
    <message>
        <source>Apply a reference order</source>
        <translation>Referenzreihenfolge übernehmen</translation>
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
        <translation>Senderlisten und Einstellungen der Receiver Octagon SF 1018 und SF 1028</translation>
    </message>
    <message>
        <source>Thanks to every receiver owner who shared a list and tested the transfers.</source>
        <translation>Danke an alle Receiver-Besitzer, die eine Liste geteilt und die Übertragungen getestet haben.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Erstellt mit Qt %1, läuft unter Qt %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutDlg</name>
    <message>
        <source>About Tarnell 1018</source>
        <translation>Über Tarnell 1018</translation>
    </message>
</context>
<context>
    <name>tarnell::CAppOptionPage</name>
    <message>
        <source>Tooltips</source>
        <translation>QuickInfos</translation>
    </message>
    <message>
        <source>Show tooltips on the ribbon</source>
        <translation>QuickInfos im Menüband anzeigen</translation>
    </message>
    <message>
        <source>Show the description in the tooltips</source>
        <translation>Beschreibung in den QuickInfos anzeigen</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Status Bar On/Off</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Message Bar On/Off</source>
        <translation>Meldungsleiste ein/aus</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Channel list background</source>
        <translation>Hintergrund der Senderliste</translation>
    </message>
    <message>
        <source>Channel list text</source>
        <translation>Text der Senderliste</translation>
    </message>
    <message>
        <source>Tree background</source>
        <translation>Hintergrund der Baumansicht</translation>
    </message>
    <message>
        <source>Tree text</source>
        <translation>Text der Baumansicht</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>Weitere Farben...</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Tooltips, the bars of the main window and the colours of the tree and the channel list. Bars and colours change at once.</source>
        <translation>QuickInfos, die Leisten des Hauptfensters und die Farben von Baumansicht und Senderliste. Leisten und Farben ändern sich sofort.</translation>
    </message>
</context>
<context>
    <name>tarnell::CBackupDlg</name>
    <message>
        <source>Restore a Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Before each send the receiver&apos;s list is kept here. Open one to look at it, or send it back to the receiver.</source>
        <translation>Vor jedem Senden wird die Liste des Receivers hier aufbewahrt. Öffnen Sie eine, um sie anzusehen, oder senden Sie sie zurück an den Receiver.</translation>
    </message>
    <message>
        <source>Kept on</source>
        <translation>Aufbewahrt am</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Compared with the open list</source>
        <translation>Verglichen mit der offenen Liste</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>Open as New Document</source>
        <translation>Als neues Dokument öffnen</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>An den Receiver senden</translation>
    </message>
    <message>
        <source>No backups have been kept yet.</source>
        <translation>Bisher wurden keine Sicherungen aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelEditCommands</name>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Adopt List Order</source>
        <translation>Listenreihenfolge übernehmen</translation>
    </message>
    <message>
        <source>The clipboard holds no channels, transponders or satellites.</source>
        <translation>Die Zwischenablage enthält keine Sender, Transponder oder Satelliten.</translation>
    </message>
    <message>
        <source>A channel on the clipboard is of the other kind (TV or radio) than the list shown; the paste stopped there.</source>
        <translation>Ein Sender in der Zwischenablage ist von der anderen Art (TV oder Radio) als die gezeigte Liste; das Einfügen wurde dort beendet.</translation>
    </message>
    <message>
        <source>No free transponder is left for a channel on the clipboard; the paste stopped there.</source>
        <translation>Für einen Sender in der Zwischenablage ist kein Transponder mehr frei; das Einfügen wurde dort beendet.</translation>
    </message>
    <message>
        <source>No satellite can be added for a channel on the clipboard: the list holds 255 satellites. The paste stopped there.</source>
        <translation>Für einen Sender in der Zwischenablage kann kein Satellit hinzugefügt werden: Die Liste enthält 255 Satelliten. Das Einfügen wurde dort beendet.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes; the paste stopped there.</source>
        <translation>Die Liste enthält 10.000 Sender, so viele, wie der Receiver aufnimmt; das Einfügen wurde dort beendet.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes.</source>
        <translation>Die Liste enthält 10.000 Sender, so viele, wie der Receiver aufnimmt.</translation>
    </message>
    <message>
        <source>New channel %1 created.</source>
        <translation>Neuer Sender %1 angelegt.</translation>
    </message>
    <message>
        <source>The list order can only be adopted while the list shows all channels.</source>
        <translation>Die Listenreihenfolge kann nur übernommen werden, während die Liste alle Sender zeigt.</translation>
    </message>
    <message>
        <source>Should the channels be numbered in the order the list shows them now?</source>
        <translation>Sollen die Sender in der Reihenfolge nummeriert werden, in der die Liste sie jetzt zeigt?</translation>
    </message>
    <message>
        <source>The channels were not moved.</source>
        <translation>Die Sender wurden nicht verschoben.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved.</source>
        <translation>
            <numerusform>%n Sender verschoben.</numerusform>
            <numerusform>%n Sender verschoben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelListCommands</name>
    <message>
        <source>Column width of the list style</source>
        <translation>Spaltenbreite der Listenansicht</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelSucheDlg</name>
    <message>
        <source>Part of a channel name</source>
        <translation>Teil eines Sendernamens</translation>
    </message>
    <message>
        <source>No service list is open.</source>
        <translation>Keine Senderliste geöffnet.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) found</source>
        <translation>
            <numerusform>%n Sender gefunden</numerusform>
            <numerusform>%n Sender gefunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareCommands</name>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... und %1 weitere</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Compare with a File...</source>
        <translation>Mit einer Datei vergleichen...</translation>
    </message>
    <message>
        <source>Compare with the Receiver&apos;s List...</source>
        <translation>Mit der Liste des Receivers vergleichen...</translation>
    </message>
    <message>
        <source>Apply a Reference Order...</source>
        <translation>Referenzreihenfolge übernehmen...</translation>
    </message>
    <message>
        <source>Select Duplicates</source>
        <translation>Doppelte auswählen</translation>
    </message>
    <message>
        <source>Restore a Backup...</source>
        <translation>Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>Einstellungsdateien (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>the receiver&apos;s list</source>
        <translation>die Liste des Receivers</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Referenzliste</translation>
    </message>
    <message>
        <source>Reference lists (*.fdu *.sys *.tv *.radio *.txt)</source>
        <translation>Referenzlisten (*.fdu *.sys *.tv *.radio *.txt)</translation>
    </message>
    <message>
        <source>Enigma2 bouquets (*.tv *.radio)</source>
        <translation>Enigma2-Bouquets (*.tv *.radio)</translation>
    </message>
    <message>
        <source>Channel names, one a line (*.txt)</source>
        <translation>Sendernamen, einer pro Zeile (*.txt)</translation>
    </message>
    <message>
        <source>The reference has favourite lists (%1). Rebuild the favourite lists of the same names from it too?</source>
        <translation>Die Referenz enthält Favoritenlisten (%1). Sollen die gleichnamigen Favoritenlisten ebenfalls danach neu aufgebaut werden?</translation>
    </message>
    <message>
        <source>Apply a Reference Order</source>
        <translation>Referenzreihenfolge übernehmen</translation>
    </message>
    <message>
        <source>%1 channels took the reference&apos;s order: %2 by satellite, transponder and service, %3 by name.</source>
        <translation>%1 Sender haben die Reihenfolge der Referenz übernommen: %2 nach Satellit, Transponder und Dienst, %3 nach Namen.</translation>
    </message>
    <message>
        <source>Favourite lists: %1 rebuilt, %2 added.</source>
        <translation>Favoritenlisten: %1 neu aufgebaut, %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they follow in their order:</source>
        <translation>%1 Sender stehen nicht in der Referenz; sie folgen in ihrer Reihenfolge:</translation>
    </message>
    <message>
        <source>%1 entries of the reference found no channel:</source>
        <translation>%1 Einträge der Referenz fanden keinen Sender:</translation>
    </message>
    <message>
        <source>No TV channel is there twice.</source>
        <translation>Kein TV-Sender ist doppelt vorhanden.</translation>
    </message>
    <message>
        <source>No radio channel is there twice.</source>
        <translation>Kein Radiosender ist doppelt vorhanden.</translation>
    </message>
    <message>
        <source>%1 names stand on more than one transponder; their channels are selected.</source>
        <translation>%1 Namen stehen auf mehr als einem Transponder; ihre Sender sind ausgewählt.</translation>
    </message>
    <message>
        <source>%1 channels are the same service as an earlier one and are selected; %2 names stand on more than one transponder.</source>
        <translation>%1 Sender sind derselbe Dienst wie ein früherer und sind ausgewählt; %2 Namen stehen auf mehr als einem Transponder.</translation>
    </message>
    <message>
        <source>%1 channels of the list are not in the reference. Put them before the channels the reference orders? (No puts them after.)</source>
        <translation>%1 Sender der Liste sind nicht in der Referenz. Sollen sie vor die Sender kommen, die die Referenz ordnet? (Nein stellt sie dahinter.)</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they come first, in their order:</source>
        <translation>%1 Sender sind nicht in der Referenz; sie stehen vorn, in ihrer Reihenfolge:</translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareDlg</name>
    <message>
        <source>TV/radio</source>
        <translation>TV/Radio</translation>
    </message>
    <message>
        <source>stored number</source>
        <translation>gespeicherte Nummer</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>Merkmale</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>other values</source>
        <translation>andere Werte</translation>
    </message>
    <message>
        <source>was &quot;%1&quot;</source>
        <translation>vorher „%1“</translation>
    </message>
    <message>
        <source>list &quot;%1&quot;</source>
        <translation>Liste „%1“</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favoritenlisten</translation>
    </message>
    <message>
        <source>Channels in favourite lists</source>
        <translation>Sender in Favoritenlisten</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>LNB settings</source>
        <translation>LNB-Einstellungen</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Receiver-Konfiguration</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>umbenannt</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>From &lt;b&gt;%1&lt;/b&gt; to &lt;b&gt;%2&lt;/b&gt;:</source>
        <translation>Von &lt;b&gt;%1&lt;/b&gt; zu &lt;b&gt;%2&lt;/b&gt;:</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Nach Namen filtern</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Alle Änderungen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
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
        <translation>Einzelheiten</translation>
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
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Select a satellite in the tree to edit it here.</source>
        <translation>Wählen Sie in der Baumansicht einen Satelliten, um ihn hier zu bearbeiten.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Select a transponder in the tree to edit it here.</source>
        <translation>Wählen Sie in der Baumansicht einen Transponder, um ihn hier zu bearbeiten.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Select a channel in the list to edit it here.</source>
        <translation>Wählen Sie in der Liste einen Sender, um ihn hier zu bearbeiten.</translation>
    </message>
    <message>
        <source>Channel Search</source>
        <translation>Sendersuche</translation>
    </message>
    <message>
        <source>Type part of a channel name to find it.</source>
        <translation>Geben Sie einen Teil des Sendernamens ein, um ihn zu finden.</translation>
    </message>
</context>
<context>
    <name>tarnell::CDocumentCommands</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Stored Numbers</source>
        <translation>Gespeicherte Nummern</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Neu nummerieren</translation>
    </message>
    <message>
        <source>Repair Names</source>
        <translation>Namen reparieren</translation>
    </message>
    <message>
        <source>Channel name references repaired.</source>
        <translation>Verweise auf Sendernamen repariert.</translation>
    </message>
    <message>
        <source>Remove Unused Transponders</source>
        <translation>Unbenutzte Transponder entfernen</translation>
    </message>
    <message numerus="yes">
        <source>%n unused transponder(s) removed.</source>
        <translation>
            <numerusform>%n unbenutzter Transponder entfernt.</numerusform>
            <numerusform>%n unbenutzte Transponder entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as Text...</source>
        <translation>Als Text exportieren...</translation>
    </message>
    <message>
        <source>Sort by Template</source>
        <translation>Nach Vorlage sortieren</translation>
    </message>
    <message>
        <source>The channels have been renumbered.</source>
        <translation>Die Sender wurden neu nummeriert.</translation>
    </message>
    <message numerus="yes">
        <source>The channels have been renumbered; %n channel(s) moved to the top by the template.</source>
        <translation>
            <numerusform>Die Sender wurden neu nummeriert; %n Sender wurde durch die Vorlage nach oben verschoben.</numerusform>
            <numerusform>Die Sender wurden neu nummeriert; %n Sender wurden durch die Vorlage nach oben verschoben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel list exported to %1.</source>
        <translation>Senderliste nach %1 exportiert.</translation>
    </message>
    <message>
        <source>Sequential Numbers</source>
        <translation>Laufende Nummern</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>tarnell::CFavouriteColours</name>
    <message>
        <source>More Colours...</source>
        <translation>Weitere Farben...</translation>
    </message>
</context>
<context>
    <name>tarnell::CFtpOptionPage</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Profil löschen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Restart with &quot;reboot -f&quot;</source>
        <translation>Neustart mit &quot;reboot -f&quot;</translation>
    </message>
    <message>
        <source>Test FTP Login</source>
        <translation>FTP-Anmeldung testen</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>The receiver&apos;s address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>Die Adresse des Receivers muss aus vier Zahlen von 0 bis 255 bestehen, durch Punkte getrennt, etwa 192.168.0.10.</translation>
    </message>
    <message>
        <source>The port must be a whole number from %1 to %2; FTP usually uses %3.</source>
        <translation>Der Port muss eine ganze Zahl von %1 bis %2 sein; FTP verwendet meist %3.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Logging in to %1:%2 ...</source>
        <translation>Anmeldung bei %1:%2 ...</translation>
    </message>
    <message>
        <source>The receivers on your network. Transfers use the profile selected in the list; changes take effect at once and stay even after Cancel.</source>
        <translation>Die Receiver in Ihrem Netzwerk. Übertragungen verwenden das in der Liste gewählte Profil; Änderungen gelten sofort und bleiben auch nach Abbrechen erhalten.</translation>
    </message>
</context>
<context>
    <name>tarnell::CImportDlg</name>
    <message>
        <source>Datenfile nicht gefunden, oder Datenfile in Gebrauch!</source>
        <translation>Datenfile nicht gefunden, oder Datenfile in Gebrauch!</translation>
    </message>
    <message>
        <source>Fehler beim Lesen des Datenfiles!</source>
        <translation>Fehler beim Lesen des Datenfiles!</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>Die Systemdaten sind fehlerhaft!</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Ordner...</translation>
    </message>
    <message>
        <source>Choose the folder that holds lamedb and the bouquet files.</source>
        <translation>Den Ordner wählen, der lamedb und die Bouquet-Dateien enthält.</translation>
    </message>
    <message>
        <source>Base settings file:</source>
        <translation>Basis-Einstellungsdatei:</translation>
    </message>
    <message>
        <source>Its satellites and receiver configuration are kept; the file itself is not changed.</source>
        <translation>Seine Satelliten und die Receiver-Konfiguration bleiben erhalten; die Datei selbst wird nicht verändert.</translation>
    </message>
    <message>
        <source>Start Import</source>
        <translation>Import starten</translation>
    </message>
    <message>
        <source>kein Source</source>
        <translation>kein Source</translation>
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
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Reading the bouquets...</source>
        <translation>Bouquets werden gelesen...</translation>
    </message>
    <message>
        <source>Channel list to import</source>
        <translation>Zu importierende Senderliste</translation>
    </message>
    <message>
        <source>Base settings file</source>
        <translation>Basis-Einstellungsdatei</translation>
    </message>
    <message>
        <source>Importing the channel list...</source>
        <translation>Senderliste wird importiert...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please check files</source>
        <translation>Bitte die Dateien prüfen</translation>
    </message>
    <message>
        <source>Imported: %1 TV and %2 radio channels, %3 transponders, %4 new satellites, %5 favourite lists.</source>
        <translation>Importiert: %1 TV- und %2 Radiosender, %3 Transponder, %4 neue Satelliten, %5 Favoritenlisten.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders, no free transponder slot.</source>
        <translation>Ausgelassen: %1 Transponder, kein freier Transponderplatz.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders whose frequency or position the receiver cannot store.</source>
        <translation>Ausgelassen: %1 Transponder, deren Frequenz oder Position der Receiver nicht speichern kann.</translation>
    </message>
    <message>
        <source>Left out: %1 satellites beyond 255 (their transponders went to the last one).</source>
        <translation>Ausgelassen: %1 Satelliten über 255 (ihre Transponder kamen zum letzten).</translation>
    </message>
    <message>
        <source>Left out: %1 services, the receiver holds at most 10,000 channels.</source>
        <translation>Ausgelassen: %1 Dienste, der Receiver fasst höchstens 10.000 Sender.</translation>
    </message>
    <message>
        <source>Left out: %1 services of a type the receiver does not list (only 1, 2, 4, 22 and 25).</source>
        <translation>Ausgelassen: %1 Dienste eines Typs, den der Receiver nicht listet (nur 1, 2, 4, 22 und 25).</translation>
    </message>
    <message>
        <source>Note: %1 channels have no transponder.</source>
        <translation>Hinweis: %1 Sender haben keinen Transponder.</translation>
    </message>
    <message>
        <source>Import report</source>
        <translation>Importbericht</translation>
    </message>
</context>
<context>
    <name>tarnell::CLeftView</name>
    <message>
        <source>Satellite Properties</source>
        <translation>Satelliteneigenschaften</translation>
    </message>
    <message>
        <source>Transponder Properties</source>
        <translation>Transpondereigenschaften</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Mark Favourite List</source>
        <translation>Favoritenliste markieren</translation>
    </message>
    <message>
        <source>Clear Favourite Mark</source>
        <translation>Favoritenmarkierung entfernen</translation>
    </message>
    <message>
        <source>Favourite Sequence Numbers</source>
        <translation>Favoriten-Reihenfolgenummern</translation>
    </message>
    <message>
        <source>Delete Favourite List</source>
        <translation>Favoritenliste löschen</translation>
    </message>
    <message>
        <source>New Favourite List</source>
        <translation>Neue Favoritenliste</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Neuer Transponder</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Neuer Sender</translation>
    </message>
    <message>
        <source>Delete Channels of Transponder</source>
        <translation>Sender des Transponders löschen</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Delete Transponders of Satellite</source>
        <translation>Transponder des Satelliten löschen</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Neuer Satellit</translation>
    </message>
    <message>
        <source>New Favourite List from Provider</source>
        <translation>Neue Favoritenliste vom Anbieter</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Nach Name</translation>
    </message>
    <message>
        <source>By Orbital Position</source>
        <translation>Nach Orbitposition</translation>
    </message>
    <message>
        <source>In Stored Order</source>
        <translation>In gespeicherter Reihenfolge</translation>
    </message>
    <message>
        <source>By Number</source>
        <translation>Nach Nummer</translation>
    </message>
    <message>
        <source>Satellites with Channels</source>
        <translation>Satelliten mit Sendern</translation>
    </message>
    <message>
        <source>Satellites with LNB Settings</source>
        <translation>Satelliten mit LNB-Einstellungen</translation>
    </message>
    <message>
        <source>ISO 6937</source>
        <translation>ISO 6937</translation>
    </message>
    <message>
        <source>ISO 8859-5 (Cyrillic)</source>
        <translation>ISO 8859-5 (Kyrillisch)</translation>
    </message>
    <message>
        <source>ISO 8859-6 (Arabic)</source>
        <translation>ISO 8859-6 (Arabisch)</translation>
    </message>
    <message>
        <source>ISO 8859-7 (Greek)</source>
        <translation>ISO 8859-7 (Griechisch)</translation>
    </message>
    <message>
        <source>ISO 8859-8 (Hebrew)</source>
        <translation>ISO 8859-8 (Hebräisch)</translation>
    </message>
    <message>
        <source>ISO 8859-9 (Turkish)</source>
        <translation>ISO 8859-9 (Türkisch)</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Satellite Order</source>
        <translation>Satellitenreihenfolge</translation>
    </message>
    <message>
        <source>Active Satellites</source>
        <translation>Aktive Satelliten</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Anbieterreihenfolge</translation>
    </message>
    <message>
        <source>Favourite Code Page</source>
        <translation>Codepage der Favoriten</translation>
    </message>
    <message>
        <source>The list holds 255 satellites, as many as the receiver takes.</source>
        <translation>Die Liste enthält 255 Satelliten, so viele, wie der Receiver aufnehmen kann.</translation>
    </message>
    <message>
        <source>Kein SatArrayPos</source>
        <translation>Kein SatArrayPos</translation>
    </message>
    <message>
        <source>Es konnte kein neuer Transponder erzeugt werden.</source>
        <translation>Es konnte kein neuer Transponder erzeugt werden.</translation>
    </message>
</context>
<context>
    <name>tarnell::CMainFrame</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About Tarnell 1018</source>
        <translation>Über Tarnell 1018</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>List Style</source>
        <translation>Listenansicht</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
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
        <translation>Nur aktive Satelliten</translation>
    </message>
    <message>
        <source>Favourite Text</source>
        <translation>Favoriten-Textfarbe</translation>
    </message>
    <message>
        <source>Favourite Background</source>
        <translation>Favoriten-Hintergrund</translation>
    </message>
    <message>
        <source>Favourite Options</source>
        <translation>Favoriten-Optionen</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>An den Receiver senden</translation>
    </message>
    <message>
        <source>Fetch Service List</source>
        <translation>Senderliste holen</translation>
    </message>
    <message>
        <source>Fetch Service List and Configuration</source>
        <translation>Senderliste und Konfiguration holen</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Receiver Configuration</source>
        <translation>Receiver-Konfiguration</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <translation>TV/Radio</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Service list %1</source>
        <translation>Senderliste %1</translation>
    </message>
    <message>
        <source>Satellite Numbers</source>
        <translation>Satellitennummern</translation>
    </message>
    <message>
        <source>Network Profiles</source>
        <translation>Netzwerkprofile</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Tarnell 1018 edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers.

Open a settings file (*.fdu, *.sys) or fetch the list from the receiver, choose a satellite, transponder, provider or favourite list in the tree on the left and work on its channels in the list on the right. Save the file or send it back to the receiver when you are done.

Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+A select all, Ctrl+W close, Shift+F1 what&apos;s this.</source>
        <translation>Tarnell 1018 bearbeitet die Senderlisten und Einstellungen der Receiver Octagon SF 1018 und SF 1028.

Öffnen Sie eine Einstellungsdatei (*.fdu, *.sys) oder holen Sie die Liste vom Receiver, wählen Sie links in der Baumansicht einen Satelliten, Transponder, Anbieter oder eine Favoritenliste und bearbeiten Sie deren Sender rechts in der Liste. Speichern Sie anschließend die Datei oder senden Sie sie zurück an den Receiver.

Tasten: Strg+N Neu, Strg+O Öffnen, Strg+S Speichern, Strg+Z Rückgängig, Strg+Y Wiederherstellen, Strg+A Alles auswählen, Strg+W Schließen, Umschalt+F1 Direkthilfe.</translation>
    </message>
    <message>
        <source>Community Web Page</source>
        <translation>Community-Webseite</translation>
    </message>
    <message>
        <source>Tabbed Windows</source>
        <translation>Fenster als Registerkarten</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Überlappend</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>The service list window has been closed.</source>
        <translation>Das Fenster der Senderliste wurde geschlossen.</translation>
    </message>
    <message>
        <source>The settings file cannot be opened.</source>
        <translation>Die Einstellungsdatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. These parts of it cannot be read:

%2

If you open it, the list lacks them, and saving or sending it loses them for good. Open it anyway?</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt. Diese Teile lassen sich nicht lesen:

%2

Wenn Sie sie öffnen, fehlen diese Teile in der Liste, und beim Speichern oder Senden gehen sie endgültig verloren. Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Damaged settings file</source>
        <translation>Beschädigte Einstellungsdatei</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

The receiver would get it without these parts. Send it anyway?</source>
        <translation>Diese Liste stammt aus einer beschädigten Datei, ihr fehlt: %1.

Der Receiver bekäme sie ohne diese Teile. Trotzdem senden?</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

Saving writes it without these parts. Save it anyway?</source>
        <translation>Diese Liste stammt aus einer beschädigten Datei, ihr fehlt: %1.

Sie wird ohne diese Teile gespeichert. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Import of other channel lists</source>
        <translation>Import anderer Senderlisten</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Sprachauswahl</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation>Das Benutzerhandbuch ist nicht installiert.</translation>
    </message>
</context>
<context>
    <name>tarnell::CNavigationTreeModel</name>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favoritenlisten</translation>
    </message>
</context>
<context>
    <name>tarnell::CNetworkProfileListModel</name>
    <message>
        <source>A network profile needs a name.</source>
        <translation>Ein Netzwerkprofil braucht einen Namen.</translation>
    </message>
    <message>
        <source>There is a network profile named &quot;%1&quot; already.</source>
        <translation>Es gibt bereits ein Netzwerkprofil namens &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsConcretePage</name>
    <message>
        <source>Favourite lists</source>
        <translation>Favoritenlisten</translation>
    </message>
    <message>
        <source>Selection after a favourite command:</source>
        <translation>Auswahl nach einem Favoritenbefehl:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Aufgehoben</translation>
    </message>
    <message>
        <source>Kept as it was</source>
        <translation>Bleibt erhalten</translation>
    </message>
    <message>
        <source>Numbers in a favourite list:</source>
        <translation>Nummern in einer Favoritenliste:</translation>
    </message>
    <message>
        <source>Stored numbers</source>
        <translation>Gespeicherte Nummern</translation>
    </message>
    <message>
        <source>Pasted channels:</source>
        <translation>Eingefügte Sender:</translation>
    </message>
    <message>
        <source>Keep their favourite lists</source>
        <translation>Favoritenlisten behalten</translation>
    </message>
    <message>
        <source>Take them out of every favourite list</source>
        <translation>Aus allen Favoritenlisten herausnehmen</translation>
    </message>
    <message>
        <source>Code page of the list names:</source>
        <translation>Codepage der Listennamen:</translation>
    </message>
    <message>
        <source>ISO 6937 (20269)</source>
        <translation>ISO 6937 (20269)</translation>
    </message>
    <message>
        <source>Cyrillic, ISO 8859-5 (28595)</source>
        <translation>Kyrillisch, ISO 8859-5 (28595)</translation>
    </message>
    <message>
        <source>Arabic, ISO 8859-6 (28596)</source>
        <translation>Arabisch, ISO 8859-6 (28596)</translation>
    </message>
    <message>
        <source>Greek, ISO 8859-7 (28597)</source>
        <translation>Griechisch, ISO 8859-7 (28597)</translation>
    </message>
    <message>
        <source>Hebrew, ISO 8859-8 (28598)</source>
        <translation>Hebräisch, ISO 8859-8 (28598)</translation>
    </message>
    <message>
        <source>Turkish, ISO 8859-9 (28599)</source>
        <translation>Türkisch, ISO 8859-9 (28599)</translation>
    </message>
    <message>
        <source>Unicode, UTF-8 (65001)</source>
        <translation>Unicode, UTF-8 (65001)</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>A satellite is active when:</source>
        <translation>Ein Satellit ist aktiv, wenn:</translation>
    </message>
    <message>
        <source>Its antenna settings are in use</source>
        <translation>Seine Antenneneinstellungen benutzt werden</translation>
    </message>
    <message>
        <source>Channels are stored on it</source>
        <translation>Sender darauf gespeichert sind</translation>
    </message>
    <message>
        <source>Satellite, transponder and provider lists show:</source>
        <translation>Satelliten-, Transponder- und Anbieterlisten zeigen:</translation>
    </message>
    <message>
        <source>TV and radio channels</source>
        <translation>TV- und Radiosender</translation>
    </message>
    <message>
        <source>Only the channels of the TV/radio switch</source>
        <translation>Nur die Sender des TV/Radio-Schalters</translation>
    </message>
    <message>
        <source>Order of the satellites in the tree:</source>
        <translation>Reihenfolge der Satelliten in der Baumansicht:</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>Nach Name</translation>
    </message>
    <message>
        <source>By orbital position</source>
        <translation>Nach Orbitposition</translation>
    </message>
    <message>
        <source>As stored in the receiver</source>
        <translation>Wie im Receiver gespeichert</translation>
    </message>
    <message>
        <source>Favourites and Satellites</source>
        <translation>Favoriten und Satelliten</translation>
    </message>
    <message>
        <source>How favourite lists are numbered, named and kept, and which satellites the tree shows in which order.</source>
        <translation>Wie Favoritenlisten nummeriert, benannt und gepflegt werden und welche Satelliten die Baumansicht in welcher Reihenfolge zeigt.</translation>
    </message>
    <message>
        <source>Sequential: 1, 2, 3 ...</source>
        <translation>Fortlaufend: 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Before a send:</source>
        <translation>Vor dem Senden:</translation>
    </message>
    <message>
        <source>Send at once</source>
        <translation>Sofort senden</translation>
    </message>
    <message>
        <source>Show what will change on the receiver</source>
        <translation>Anzeigen, was sich auf dem Receiver ändert</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsPropSheet</name>
    <message>
        <source>Weitere interessante Informationen</source>
        <translation>Weitere interessante Informationen</translation>
    </message>
</context>
<context>
    <name>tarnell::CPrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Schnelldruck</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Druckeinrichtung...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Als PDF exportieren...</translation>
    </message>
    <message>
        <source>Favourite list</source>
        <translation>Favoritenliste</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Alle Sender</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>Die Senderliste konnte nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>No printer is set up. Export as PDF or print to a file from the Print dialog instead.</source>
        <translation>Es ist kein Drucker eingerichtet. Exportieren Sie stattdessen als PDF oder drucken Sie im Druckdialog in eine Datei.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>Die PDF-Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The printed pages were saved as %1.</source>
        <translation>Die Druckseiten wurden als %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertiesWnd</name>
    <message>
        <source>Satellite / Transponder</source>
        <translation>Satellit / Transponder</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favoritenlisten</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>0 bis %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>The channel moves to the first transponder of the satellite chosen.</source>
        <translation>Der Sender kommt auf den ersten Transponder des gewählten Satelliten.</translation>
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
        <translation>Der Name des Senders; ein Teil in spitzen Klammern wie &lt;ARD&gt; wird in der Liste nicht angezeigt. Ein Namenseintrag fasst 100 Bytes.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Zeichentabelle</translation>
    </message>
    <message>
        <source>Name edited</source>
        <translation>Name bearbeitet</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>0 bis 65535</translation>
    </message>
    <message>
        <source>Video type</source>
        <translation>Videotyp</translation>
    </message>
    <message>
        <source>Audio type</source>
        <translation>Audiotyp</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Service value 4</source>
        <translation>Servicewert 4</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Tonmodus</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Pay (€)</source>
        <translation>Pay (€)</translation>
    </message>
    <message>
        <source>Mark M 1</source>
        <translation>Markierung M 1</translation>
    </message>
    <message>
        <source>Mark M 2</source>
        <translation>Markierung M 2</translation>
    </message>
    <message>
        <source>Stored number</source>
        <translation>Gespeicherte Nummer</translation>
    </message>
    <message>
        <source>0 to 9999; timers find their channel by this number.</source>
        <translation>0 bis 9999; Timer finden ihren Sender über diese Nummer.</translation>
    </message>
    <message>
        <source>The name holds characters its character table cannot store.</source>
        <translation>Der Name enthält Zeichen, die seine Zeichentabelle nicht speichern kann.</translation>
    </message>
    <message>
        <source>The name is too long: a name record holds 100 bytes.</source>
        <translation>Der Name ist zu lang: Ein Namenseintrag fasst 100 Bytes.</translation>
    </message>
    <message>
        <source>The satellite has no transponder; the channel stays where it is.</source>
        <translation>Der Satellit hat keinen Transponder; der Sender bleibt, wo er ist.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGrid</name>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabetisch</translation>
    </message>
    <message>
        <source>Sort the properties by name instead of in groups</source>
        <translation>Eigenschaften nach Namen statt in Gruppen ordnen</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Alle aufklappen</translation>
    </message>
    <message>
        <source>Open every group of properties</source>
        <translation>Alle Eigenschaftsgruppen aufklappen</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGridModel</name>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>Dieser Wert kann hier nicht geändert werden.</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3.</source>
        <translation>%1: Bitte eine ganze Zahl von %2 bis %3 eingeben.</translation>
    </message>
    <message>
        <source>%1: choose one of the options.</source>
        <translation>%1: Bitte einen der angebotenen Werte wählen.</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Fetching from the receiver was cancelled.</source>
        <translation>Das Holen vom Receiver wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Fetching the service list and the configuration from the receiver at %1...</source>
        <translation>Senderliste und Konfiguration werden vom Receiver unter %1 geholt...</translation>
    </message>
    <message>
        <source>Fetching the service list from the receiver at %1...</source>
        <translation>Senderliste wird vom Receiver unter %1 geholt...</translation>
    </message>
    <message>
        <source>Sending the service list to the receiver at %1...</source>
        <translation>Senderliste wird an den Receiver unter %1 gesendet...</translation>
    </message>
    <message>
        <source>The service list could not be prepared for the receiver; nothing was sent.</source>
        <translation>Die Senderliste konnte nicht für den Receiver aufbereitet werden; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The service list and the configuration were sent to the receiver at %1.</source>
        <translation>Senderliste und Konfiguration wurden an den Receiver unter %1 gesendet.</translation>
    </message>
    <message>
        <source>The service list was sent to the receiver at %1.</source>
        <translation>Die Senderliste wurde an den Receiver unter %1 gesendet.</translation>
    </message>
    <message>
        <source>Its previous files are kept in &quot;%1&quot;.</source>
        <translation>Die bisherigen Dateien liegen in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restarting the receiver at %1...</source>
        <translation>Receiver unter %1 wird neu gestartet...</translation>
    </message>
    <message>
        <source>The receiver at %1 was told to restart (%2).</source>
        <translation>Der Receiver unter %1 wurde zum Neustart aufgefordert (%2).</translation>
    </message>
    <message>
        <source>The receiver&apos;s current list cannot be read.</source>
        <translation>Die aktuelle Liste des Receivers ist nicht lesbar.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver&apos;s list is unchanged.</source>
        <translation>Es wurde nichts gesendet; die Liste des Receivers ist unverändert.</translation>
    </message>
    <message>
        <source>Sending changes the receiver&apos;s list:

%1

Send the list to the receiver?</source>
        <translation>Das Senden ändert die Liste des Receivers:

%1

Liste an den Receiver senden?</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>An den Receiver senden</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverConfigPage</name>
    <message>
        <source>The PIN code must be exactly four digits.</source>
        <translation>Der PIN-Code muss aus genau vier Ziffern bestehen.</translation>
    </message>
    <message>
        <source>An address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>Eine Adresse besteht aus vier Zahlen von 0 bis 255, durch Punkte getrennt, etwa 192.168.0.10.</translation>
    </message>
    <message>
        <source>The longitude must lie from 0 to 180 degrees, with at most three decimals.</source>
        <translation>Der Längengrad muss zwischen 0 und 180 Grad liegen, mit höchstens drei Nachkommastellen.</translation>
    </message>
    <message>
        <source>The latitude must lie from 0 to 90 degrees, with at most three decimals.</source>
        <translation>Der Breitengrad muss zwischen 0 und 90 Grad liegen, mit höchstens drei Nachkommastellen.</translation>
    </message>
    <message>
        <source>The receiver stores at most 127 characters of Western European text here.</source>
        <translation>Der Receiver speichert hier höchstens 127 Zeichen westeuropäischen Text.</translation>
    </message>
    <message>
        <source>This value cannot be stored.</source>
        <translation>Dieser Wert kann nicht gespeichert werden.</translation>
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
        <translation>Bearbeitet die Senderlisten und Einstellungen der Receiver Octagon SF 1018 und SF 1028: Sender, Favoritenlisten, Satelliten, Transponder, Timer und die Konfiguration des Receivers.</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Dank</translation>
    </message>
    <message>
        <source>To every receiver owner who shared a service list and tried the transfers on a real receiver.</source>
        <translation>An alle Receiver-Besitzer, die eine Senderliste geteilt und die Übertragungen an einem echten Receiver ausprobiert haben.</translation>
    </message>
    <message>
        <source>To the people behind Qt, zlib and libcurl, on whose work this program stands.</source>
        <translation>An die Menschen hinter Qt, zlib und libcurl, auf deren Arbeit dieses Programm aufbaut.</translation>
    </message>
    <message>
        <source>The receiver maker</source>
        <translation>Der Receiver-Hersteller</translation>
    </message>
    <message>
        <source>Octagon on the web</source>
        <translation>Octagon im Web</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>About this program, the people who helped to make it, and where to find the receiver maker.</source>
        <translation>Über dieses Programm, die Menschen, die daran mitgewirkt haben, und wo Sie den Receiver-Hersteller finden.</translation>
    </message>
</context>
<context>
    <name>tarnell::CRibbonBar</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>tarnell::CSatelliteWnd</name>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
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
        <translation>Motor</translation>
    </message>
    <message>
        <source>Unicable</source>
        <translation>Unicable</translation>
    </message>
    <message>
        <source>These data are contained only in a *.sys file.</source>
        <translation>Diese Daten sind nur in einer *.sys Datei enthalten.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>A satellite needs a name.</source>
        <translation>Ein Satellit braucht einen Namen.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>The position must lie from 0 to 180.0 degrees, with at most one decimal.</source>
        <translation>Die Position muss zwischen 0 und 180,0 Grad liegen, mit höchstens einer Nachkommastelle.</translation>
    </message>
    <message>
        <source>East / West</source>
        <translation>Ost / West</translation>
    </message>
    <message>
        <source>Tuner mode</source>
        <translation>Tunermodus</translation>
    </message>
    <message>
        <source>Tuner input</source>
        <translation>Tunereingang</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>LNB option (bit 0)</source>
        <translation>LNB-Option (Bit 0)</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Längengrad des Standorts</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Breitengrad des Standorts</translation>
    </message>
    <message>
        <source>User band</source>
        <translation>Userband</translation>
    </message>
    <message>
        <source>User band frequency</source>
        <translation>Userband-Frequenz</translation>
    </message>
    <message>
        <source>MHz; at most %1 is stored.</source>
        <translation>MHz; höchstens %1 wird gespeichert.</translation>
    </message>
    <message>
        <source>Position A/B</source>
        <translation>Position A/B</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Two inputs</source>
        <translation>Zwei Eingänge</translation>
    </message>
    <message>
        <source>Loop-through</source>
        <translation>Durchgeschleift</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>Other satellites use this LNB record too, and the list holds no room for another: the change was not made.</source>
        <translation>Andere Satelliten nutzen diesen LNB-Eintrag ebenfalls, und die Liste hat keinen Platz für einen weiteren: Die Änderung wurde nicht vorgenommen.</translation>
    </message>
    <message>
        <source>Site Longitude and Latitude...</source>
        <translation>Längen- und Breitengrad des Standorts...</translation>
    </message>
</context>
<context>
    <name>tarnell::CSettingsOptionsPropSheet</name>
    <message>
        <source>Receiver Configuration</source>
        <translation>Receiver-Konfiguration</translation>
    </message>
</context>
<context>
    <name>tarnell::CStatistikDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Channels by kind</source>
        <translation>Sender nach Art</translation>
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
        <translation>Senderliste</translation>
    </message>
    <message>
        <source>TV channels:</source>
        <translation>TV-Sender:</translation>
    </message>
    <message>
        <source>Radio channels:</source>
        <translation>Radiosender:</translation>
    </message>
    <message>
        <source>All channels:</source>
        <translation>Alle Sender:</translation>
    </message>
    <message>
        <source>Used transponders:</source>
        <translation>Belegte Transponder:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satelliten:</translation>
    </message>
    <message>
        <source>Timers:</source>
        <translation>Timer:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Drehung:</translation>
    </message>
    <message>
        <source>Tilt:</source>
        <translation>Neigung:</translation>
    </message>
</context>
<context>
    <name>tarnell::CTarnell1018View</name>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Remove from Favourite List</source>
        <translation>Aus Favoritenliste entfernen</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>Sender löschen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Favourite Lists</source>
        <translation>Favoritenlisten</translation>
    </message>
    <message>
        <source>Remove from All Favourite Lists</source>
        <translation>Aus allen Favoritenlisten entfernen</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Neuer TV-Sender</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Neuer Radiosender</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>An Position verschieben...</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>HD Channels</source>
        <translation>HD-Sender</translation>
    </message>
    <message>
        <source>Pay Channels</source>
        <translation>Pay-TV-Sender</translation>
    </message>
    <message>
        <source>Channels Marked M 1</source>
        <translation>Sender mit Markierung M 1</translation>
    </message>
    <message>
        <source>Channels Marked M 2</source>
        <translation>Sender mit Markierung M 2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>Set M 1</source>
        <translation>M 1 setzen</translation>
    </message>
    <message>
        <source>Clear M 1</source>
        <translation>M 1 löschen</translation>
    </message>
    <message>
        <source>Set T 1</source>
        <translation>T 1 setzen</translation>
    </message>
    <message>
        <source>Clear T 1</source>
        <translation>T 1 löschen</translation>
    </message>
    <message>
        <source>Set T 2</source>
        <translation>T 2 setzen</translation>
    </message>
    <message>
        <source>Clear T 2</source>
        <translation>T 2 löschen</translation>
    </message>
    <message>
        <source>Copy T 1 to T 2</source>
        <translation>T 1 nach T 2 kopieren</translation>
    </message>
    <message>
        <source>Copy T 2 to T 1</source>
        <translation>T 2 nach T 1 kopieren</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Nach Name sortieren</translation>
    </message>
    <message>
        <source>Sort by Number</source>
        <translation>Nach Nummer sortieren</translation>
    </message>
    <message>
        <source>Channel Properties</source>
        <translation>Sendereigenschaften</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n Sender</numerusform>
            <numerusform>%n Sender</numerusform>
        </translation>
    </message>
    <message>
        <source>Hier sollten Sie eigentlich nie hinkommen...</source>
        <translation>Hier sollten Sie eigentlich nie hinkommen...</translation>
    </message>
    <message>
        <source>This list shows TV and radio channels together: move channels in the list of all channels, or show one kind only (Options).</source>
        <translation>Diese Liste zeigt TV- und Radiosender gemeinsam: Verschieben Sie Sender in der Liste aller Sender, oder zeigen Sie nur eine Art (Optionen).</translation>
    </message>
</context>
<context>
    <name>tarnell::CTimerDlg</name>
    <message>
        <source>Timers</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Repetition</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Duration (End)</source>
        <translation>Dauer (Ende)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
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
        <translation>Der Text des Timers, höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Zeichentabelle</translation>
    </message>
    <message>
        <source>Flag 1</source>
        <translation>Merker 1</translation>
    </message>
    <message>
        <source>Flag 2</source>
        <translation>Merker 2</translation>
    </message>
    <message>
        <source>New Timer</source>
        <translation>Neuer Timer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete All Timers</source>
        <translation>Alle Timer löschen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Mon-Fri</source>
        <translation>Mo-Fr</translation>
    </message>
    <message>
        <source>Sat-Sun</source>
        <translation>Sa-So</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Mo.</source>
        <translation>Mo.</translation>
    </message>
    <message>
        <source>Di.</source>
        <translation>Di.</translation>
    </message>
    <message>
        <source>Mi.</source>
        <translation>Mi.</translation>
    </message>
    <message>
        <source>Do.</source>
        <translation>Do.</translation>
    </message>
    <message>
        <source>Fr.</source>
        <translation>Fr.</translation>
    </message>
    <message>
        <source>Sa.</source>
        <translation>Sa.</translation>
    </message>
    <message>
        <source>So.</source>
        <translation>So.</translation>
    </message>
    <message>
        <source>The timer holds %1 characters; the text was cut to &quot;%2&quot;.</source>
        <translation>Der Timer fasst %1 Zeichen; der Text wurde auf „%2“ gekürzt.</translation>
    </message>
</context>
<context>
    <name>tarnell::CToolCommands</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timer</translation>
    </message>
</context>
<context>
    <name>tarnell::CTransponderWnd</name>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
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
        <translation>Der Satellit des Transponders; er wird geändert, indem der Transponder auf einem anderen Satelliten neu angelegt wird.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>MHz, 1 to 65535</source>
        <translation>MHz, 1 bis 65535</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>kS/s, 0 to 65535</source>
        <translation>kS/s, 0 bis 65535</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>Transportstrom-ID</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>0 bis 65535</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Original-Netzwerk-ID</translation>
    </message>
</context>
<context>
    <name>tarnell::CVerschiebenAufPosDlg</name>
    <message>
        <source>Move to Position</source>
        <translation>An Position verschieben</translation>
    </message>
    <message>
        <source>New position of the selected channels (%1 to %2):</source>
        <translation>Neue Position der ausgewählten Sender (%1 bis %2):</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Bitte geben Sie eine Zahl von %1 bis %2 ein.</translation>
    </message>
</context>
<context>
    <name>tarnell::CVisualStyle</name>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Graphite</source>
        <translation>Graphit</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Night Teal</source>
        <translation>Nachtpetrol</translation>
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
        <translation>Fenster</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Aktivieren</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>Fenster s&amp;chließen</translation>
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
        <translation>Eine neue Senderliste aus der Werksliste beginnen.</translation>
    </message>
    <message>
        <source>Open a settings file (*.fdu, *.sys) from disk.</source>
        <translation>Eine Einstellungsdatei (*.fdu, *.sys) vom Datenträger öffnen.</translation>
    </message>
    <message>
        <source>Save the active service list.</source>
        <translation>Die aktive Senderliste speichern.</translation>
    </message>
    <message>
        <source>Save the active service list under a new name.</source>
        <translation>Die aktive Senderliste unter einem neuen Namen speichern.</translation>
    </message>
    <message>
        <source>Close the active service list.</source>
        <translation>Die aktive Senderliste schließen.</translation>
    </message>
    <message>
        <source>Print the channel list.</source>
        <translation>Die Senderliste drucken.</translation>
    </message>
    <message>
        <source>Print the channel list on the default printer at once.</source>
        <translation>Die Senderliste sofort auf dem Standarddrucker drucken.</translation>
    </message>
    <message>
        <source>Show the pages as they will be printed.</source>
        <translation>Die Seiten so anzeigen, wie sie gedruckt werden.</translation>
    </message>
    <message>
        <source>Choose the printer and the paper.</source>
        <translation>Drucker und Papier wählen.</translation>
    </message>
    <message>
        <source>Import an Enigma2 list (lamedb and bouquets).</source>
        <translation>Eine Enigma2-Liste importieren (lamedb und Bouquets).</translation>
    </message>
    <message>
        <source>Import an Octagon 918/908/818 list (*.udb).</source>
        <translation>Eine Octagon-918/908/818-Liste importieren (*.udb).</translation>
    </message>
    <message>
        <source>Import an Octagon SD x18 list (*.bin).</source>
        <translation>Eine Octagon-SD-x18-Liste importieren (*.bin).</translation>
    </message>
    <message>
        <source>Preferences, colours and network profiles.</source>
        <translation>Einstellungen, Farben und Netzwerkprofile.</translation>
    </message>
    <message>
        <source>How favourite lists and satellites behave.</source>
        <translation>Wie sich Favoritenlisten und Satelliten verhalten.</translation>
    </message>
    <message>
        <source>The receivers on your network and how to reach them.</source>
        <translation>Die Receiver in Ihrem Netzwerk und wie sie erreichbar sind.</translation>
    </message>
    <message>
        <source>Quit the program; it asks about unsaved changes first.</source>
        <translation>Das Programm beenden; vorher wird nach ungespeicherten Änderungen gefragt.</translation>
    </message>
    <message>
        <source>Version and credits.</source>
        <translation>Version und Mitwirkende.</translation>
    </message>
    <message>
        <source>How to work with the program, and its keys.</source>
        <translation>Bedienung des Programms und seine Tastenkürzel.</translation>
    </message>
    <message>
        <source>Click on any part of the window to learn what it does.</source>
        <translation>Klicken Sie auf einen Teil des Fensters, um zu erfahren, was er tut.</translation>
    </message>
    <message>
        <source>Open the receiver maker&apos;s web site in your browser.</source>
        <translation>Die Webseite des Receiver-Herstellers im Browser öffnen.</translation>
    </message>
    <message>
        <source>Choose the colours of the program.</source>
        <translation>Die Farben des Programms wählen.</translation>
    </message>
    <message>
        <source>Insert the channels from the clipboard.</source>
        <translation>Die Sender aus der Zwischenablage einfügen.</translation>
    </message>
    <message>
        <source>Move the selected channels to the clipboard.</source>
        <translation>Die ausgewählten Sender in die Zwischenablage verschieben.</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard.</source>
        <translation>Die ausgewählten Sender in die Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>Select every channel of the list.</source>
        <translation>Alle Sender der Liste auswählen.</translation>
    </message>
    <message>
        <source>Put the channels in order.</source>
        <translation>Die Sender ordnen.</translation>
    </message>
    <message>
        <source>Switch between the detailed and the compact list.</source>
        <translation>Zwischen ausführlicher und kompakter Liste umschalten.</translation>
    </message>
    <message>
        <source>Show the channels in compact columns.</source>
        <translation>Die Sender in kompakten Spalten anzeigen.</translation>
    </message>
    <message>
        <source>Show the channels with all their columns.</source>
        <translation>Die Sender mit allen Spalten anzeigen.</translation>
    </message>
    <message>
        <source>Arrange the open windows, show the panes, or pick a window.</source>
        <translation>Die offenen Fenster anordnen, die Bereiche einblenden oder ein Fenster wählen.</translation>
    </message>
    <message>
        <source>Show the TV channels.</source>
        <translation>Die TV-Sender anzeigen.</translation>
    </message>
    <message>
        <source>Show the radio channels.</source>
        <translation>Die Radiosender anzeigen.</translation>
    </message>
    <message>
        <source>List only satellites that are in use.</source>
        <translation>Nur Satelliten auflisten, die benutzt werden.</translation>
    </message>
    <message>
        <source>Show the satellites&apos; numbers in the tree.</source>
        <translation>Die Nummern der Satelliten in der Baumansicht anzeigen.</translation>
    </message>
    <message>
        <source>Text colour of the marked favourite list&apos;s channels.</source>
        <translation>Textfarbe der Sender der markierten Favoritenliste.</translation>
    </message>
    <message>
        <source>Background colour of the marked favourite list&apos;s channels.</source>
        <translation>Hintergrundfarbe der Sender der markierten Favoritenliste.</translation>
    </message>
    <message>
        <source>Fetch the list from the receiver or send it back.</source>
        <translation>Die Liste vom Receiver holen oder zurücksenden.</translation>
    </message>
    <message>
        <source>Load the service list from the receiver into a new window.</source>
        <translation>Die Senderliste vom Receiver in ein neues Fenster laden.</translation>
    </message>
    <message>
        <source>Load the service list and the receiver&apos;s configuration into a new window.</source>
        <translation>Die Senderliste und die Konfiguration des Receivers in ein neues Fenster laden.</translation>
    </message>
    <message>
        <source>Send the active service list to the receiver.</source>
        <translation>Die aktive Senderliste an den Receiver senden.</translation>
    </message>
    <message>
        <source>Number the channels again in list order.</source>
        <translation>Die Sender in Listenreihenfolge neu nummerieren.</translation>
    </message>
    <message>
        <source>Unlink channels from names that do not exist.</source>
        <translation>Verweise von Sendern auf nicht vorhandene Namen lösen.</translation>
    </message>
    <message>
        <source>Write the shown channels to a text file.</source>
        <translation>Die angezeigten Sender in eine Textdatei schreiben.</translation>
    </message>
    <message>
        <source>Move the usual Astra 19.2° East channels to the top.</source>
        <translation>Die üblichen Sender von Astra 19,2° Ost nach oben verschieben.</translation>
    </message>
    <message>
        <source>Delete every transponder no channel uses.</source>
        <translation>Alle Transponder löschen, die kein Sender benutzt.</translation>
    </message>
    <message>
        <source>Count channels, transponders and satellites.</source>
        <translation>Sender, Transponder und Satelliten zählen.</translation>
    </message>
    <message>
        <source>Show and edit the receiver&apos;s timers.</source>
        <translation>Die Timer des Receivers anzeigen und bearbeiten.</translation>
    </message>
    <message>
        <source>Edit the receiver&apos;s configuration.</source>
        <translation>Die Konfiguration des Receivers bearbeiten.</translation>
    </message>
    <message>
        <source>Show or hide the satellite and LNB properties.</source>
        <translation>Die Satelliten- und LNB-Eigenschaften ein- oder ausblenden.</translation>
    </message>
    <message>
        <source>Show or hide the transponder properties.</source>
        <translation>Die Transpondereigenschaften ein- oder ausblenden.</translation>
    </message>
    <message>
        <source>Show or hide the channel properties.</source>
        <translation>Die Sendereigenschaften ein- oder ausblenden.</translation>
    </message>
    <message>
        <source>Show or hide the channel search.</source>
        <translation>Die Sendersuche ein- oder ausblenden.</translation>
    </message>
    <message>
        <source>Use this language from the next start of the program.</source>
        <translation>Diese Sprache ab dem nächsten Programmstart verwenden.</translation>
    </message>
    <message>
        <source>Import the channel list of another receiver.</source>
        <translation>Die Senderliste eines anderen Receivers importieren.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Die letzte Änderung rückgängig machen.</translation>
    </message>
    <message>
        <source>Redo the change you last undid.</source>
        <translation>Die rückgängig gemachte Änderung wiederherstellen.</translation>
    </message>
    <message>
        <source>Show and use the numbers stored with the channels instead of sequential numbers.</source>
        <translation>Die bei den Sendern gespeicherten Nummern statt laufender Nummern anzeigen und verwenden.</translation>
    </message>
    <message>
        <source>Show sequential numbers in the search results.</source>
        <translation>Laufende Nummern in den Suchergebnissen anzeigen.</translation>
    </message>
    <message>
        <source>Clear out the transponders no channel uses.</source>
        <translation>Transponder entfernen, die kein Sender benutzt.</translation>
    </message>
    <message>
        <source>Delete the selected channels, or take them out of the favourite list shown.</source>
        <translation>Die ausgewählten Sender löschen oder aus der gezeigten Favoritenliste nehmen.</translation>
    </message>
    <message>
        <source>Add a new channel behind the selected one.</source>
        <translation>Einen neuen Sender hinter dem ausgewählten anlegen.</translation>
    </message>
    <message>
        <source>Move the selected channels to a position you enter.</source>
        <translation>Die ausgewählten Sender an eine eingegebene Position verschieben.</translation>
    </message>
    <message>
        <source>Move the selected channels up by one.</source>
        <translation>Die ausgewählten Sender um eins nach oben verschieben.</translation>
    </message>
    <message>
        <source>Move the selected channels down by one.</source>
        <translation>Die ausgewählten Sender um eins nach unten verschieben.</translation>
    </message>
    <message>
        <source>Number the channels in the order the list shows them.</source>
        <translation>Die Sender in der Reihenfolge nummerieren, in der die Liste sie zeigt.</translation>
    </message>
    <message>
        <source>Take the selected channels out of every favourite list.</source>
        <translation>Die ausgewählten Sender aus allen Favoritenlisten nehmen.</translation>
    </message>
    <message>
        <source>Select the HD channels.</source>
        <translation>Die HD-Sender auswählen.</translation>
    </message>
    <message>
        <source>Select the pay channels.</source>
        <translation>Die Pay-TV-Sender auswählen.</translation>
    </message>
    <message>
        <source>Select the channels marked M 1.</source>
        <translation>Die Sender mit Markierung M 1 auswählen.</translation>
    </message>
    <message>
        <source>Select the channels marked M 2.</source>
        <translation>Die Sender mit Markierung M 2 auswählen.</translation>
    </message>
    <message>
        <source>Mark the selected channels M 1.</source>
        <translation>Die ausgewählten Sender mit M 1 markieren.</translation>
    </message>
    <message>
        <source>Clear the mark M 1 of the selected channels.</source>
        <translation>Die Markierung M 1 der ausgewählten Sender löschen.</translation>
    </message>
    <message>
        <source>Set T 1 on the selected channels.</source>
        <translation>T 1 bei den ausgewählten Sendern setzen.</translation>
    </message>
    <message>
        <source>Clear T 1 on the selected channels.</source>
        <translation>T 1 bei den ausgewählten Sendern löschen.</translation>
    </message>
    <message>
        <source>Set T 2 on the selected channels.</source>
        <translation>T 2 bei den ausgewählten Sendern setzen.</translation>
    </message>
    <message>
        <source>Clear T 2 on the selected channels.</source>
        <translation>T 2 bei den ausgewählten Sendern löschen.</translation>
    </message>
    <message>
        <source>Give the selected channels T 2 as their T 1 is.</source>
        <translation>T 2 der ausgewählten Sender wie ihr T 1 setzen.</translation>
    </message>
    <message>
        <source>Give the selected channels T 1 as their T 2 is.</source>
        <translation>T 1 der ausgewählten Sender wie ihr T 2 setzen.</translation>
    </message>
    <message>
        <source>Sort the list by channel name.</source>
        <translation>Die Liste nach Sendernamen sortieren.</translation>
    </message>
    <message>
        <source>Sort the list by channel number.</source>
        <translation>Die Liste nach Sendernummer sortieren.</translation>
    </message>
    <message>
        <source>Show the properties of the selected channel.</source>
        <translation>Die Eigenschaften des ausgewählten Senders zeigen.</translation>
    </message>
    <message>
        <source>Add the selected channels to this favourite list; a single member leaves it.</source>
        <translation>Die ausgewählten Sender in diese Favoritenliste aufnehmen; ein einzelnes Mitglied verlässt sie.</translation>
    </message>
    <message>
        <source>Save the printed pages of the channel list as a PDF file.</source>
        <translation>Die Druckseiten der Senderliste als PDF-Datei speichern.</translation>
    </message>
    <message>
        <source>Open the user manual in your browser.</source>
        <translation>Das Benutzerhandbuch im Browser öffnen.</translation>
    </message>
    <message>
        <source>See what differs between this list and a file or the receiver&apos;s list.</source>
        <translation>Zeigt, was sich zwischen dieser Liste und einer Datei oder der Liste des Receivers unterscheidet.</translation>
    </message>
    <message>
        <source>Compare this list with a settings file: channels added, removed, renamed, moved; favourites, satellites, transponders, timers.</source>
        <translation>Vergleicht diese Liste mit einer Einstellungsdatei: Sender hinzugefügt, entfernt, umbenannt, verschoben; Favoriten, Satelliten, Transponder, Timer.</translation>
    </message>
    <message>
        <source>Fetch the receiver&apos;s list and show what a send would change on it.</source>
        <translation>Holt die Liste des Receivers und zeigt, was ein Senden darauf ändern würde.</translation>
    </message>
    <message>
        <source>Sort this list like another settings file, an Enigma2 bouquet or a text of channel names.</source>
        <translation>Sortiert diese Liste wie eine andere Einstellungsdatei, ein Enigma2-Bouquet oder einen Text mit Sendernamen.</translation>
    </message>
    <message>
        <source>Select the channels that are the same service as an earlier one.</source>
        <translation>Wählt die Sender aus, die derselbe Dienst wie ein früherer sind.</translation>
    </message>
    <message>
        <source>Open or send one of the receiver&apos;s lists kept before each send.</source>
        <translation>Öffnet oder sendet eine der vor jedem Senden aufbewahrten Listen des Receivers.</translation>
    </message>
</context>
</TS>
