<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CDrucken</name>
    <message>
        <source>There are no channels to print in this selection.</source>
        <translation>Deze selectie bevat geen zenders om af te drukken.</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Tv-zenders</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radiozenders</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
</context>
<context>
    <name>CTarnell1018View</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
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
        <translation>Waarde 4</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Betaal-tv</translation>
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
        <translation>Aanbieder</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>Tv</translation>
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
        <translation>Instellingenbestanden (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>Service lists (*.fdu)</source>
        <translation>Zenderlijsten (*.fdu)</translation>
    </message>
    <message>
        <source>Service lists with configuration (*.sys)</source>
        <translation>Zenderlijsten met configuratie (*.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Wijzigingen in %1 opslaan?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Zenderlijst exporteren</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Vezi Exportliste (*.txt)</source>
        <translation>Vezi-exportlijst (*.txt)</translation>
    </message>
    <message>
        <source>Vezi export list in UTF-8 (*.txt)</source>
        <translation>Vezi-exportlijst in UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporteren als PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-documenten (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>The receiver accepted the FTP login.</source>
        <translation>De ontvanger heeft de FTP-aanmelding geaccepteerd.</translation>
    </message>
    <message>
        <source>No FTP connection to the receiver. Check the address, port, user name and password of the network profile.</source>
        <translation>Geen FTP-verbinding met de ontvanger. Controleer het adres, de poort, de gebruikersnaam en het wachtwoord van het netwerkprofiel.</translation>
    </message>
    <message>
        <source>ftp Connection Error</source>
        <translation>FTP-verbindingsfout</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Geen gegevens</translation>
    </message>
    <message>
        <source>No Data 0</source>
        <translation>Geen gegevens 0</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>ftp Test</source>
        <translation>FTP-test</translation>
    </message>
    <message>
        <source>Restart receiver</source>
        <translation>Ontvanger herstarten</translation>
    </message>
    <message>
        <source>Fehler 1</source>
        <translation>Fout 1</translation>
    </message>
    <message>
        <source>Kein Connect</source>
        <translation>Geen verbinding</translation>
    </message>
    <message>
        <source>The receiver did not deliver a service list.</source>
        <translation>De ontvanger heeft geen zenderlijst geleverd.</translation>
    </message>
    <message>
        <source>Restart the receiver now, so that it reads the new lists?</source>
        <translation>De ontvanger nu opnieuw starten, zodat hij de nieuwe lijsten inleest?</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a service list; it was not read.</source>
        <translation>%1 op de ontvanger is groter dan %2 bytes en dus geen zenderlijst; het bestand is niet gelezen.</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a configuration; it was not read.</source>
        <translation>%1 op de ontvanger is groter dan %2 bytes en dus geen configuratie; het bestand is niet gelezen.</translation>
    </message>
    <message>
        <source>The service list fetched from the receiver cannot be opened.</source>
        <translation>De van de ontvanger opgehaalde zenderlijst kan niet worden geopend.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be kept; nothing was sent.</source>
        <translation>De huidige bestanden van de ontvanger konden niet worden bewaard; er is niets verzonden.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be read; nothing was sent.</source>
        <translation>De huidige bestanden van de ontvanger konden niet worden gelezen; er is niets verzonden.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver keeps its previous file.</source>
        <translation>%1 kon niet worden geschreven; de ontvanger houdt zijn vorige bestand.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>%1 kon niet worden geschreven; het bestand op de ontvanger is nu mogelijk onvolledig. De vorige bestanden staan in &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver keeps its previous file.</source>
        <translation>De zenderlijst is verzonden, maar %1 kon niet worden geschreven; de ontvanger houdt zijn vorige bestand.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>De zenderlijst is verzonden, maar %1 kon niet worden geschreven; het bestand op de ontvanger is nu mogelijk onvolledig. De vorige bestanden staan in &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no receiver address</source>
        <translation>het profiel &quot;%1&quot; heeft geen adres van de ontvanger</translation>
    </message>
    <message>
        <source>the receiver has no %1</source>
        <translation>de ontvanger heeft geen bestand %1</translation>
    </message>
    <message>
        <source>the receiver has no %1; nothing was sent</source>
        <translation>de ontvanger heeft geen bestand %1; er is niets verzonden</translation>
    </message>
    <message>
        <source>%1 on the receiver is empty</source>
        <translation>%1 op de ontvanger is leeg</translation>
    </message>
    <message>
        <source>the receiver closed the connection: %1</source>
        <translation>de ontvanger heeft de verbinding verbroken: %1</translation>
    </message>
    <message>
        <source>The FTP client could not be set up.</source>
        <translation>De FTP-client kon niet worden ingesteld.</translation>
    </message>
    <message>
        <source>No receiver address or port.</source>
        <translation>Geen adres of poort voor de ontvanger.</translation>
    </message>
    <message>
        <source>The user name or the password contains a line break.</source>
        <translation>De gebruikersnaam of het wachtwoord bevat een regeleinde.</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>De systeemgegevens zijn beschadigd!</translation>
    </message>
    <message>
        <source>There is no network profile. Add one for the receiver on the Network page of the options.</source>
        <translation>Er is geen netwerkprofiel. Voeg er een toe voor de ontvanger op de pagina &quot;Netwerk&quot; van de opties.</translation>
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
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Volledig scherm</translation>
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
        <translation>Altijd</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Black screen</source>
        <translation>Zwart beeld</translation>
    </message>
    <message>
        <source>Still picture</source>
        <translation>Stilstaand beeld</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Boven</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Onder</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>Zendernummer</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>Zendernaam</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
    <message>
        <source>Dimmed</source>
        <translation>Gedimd</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Geen grens</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Stand-by</translation>
    </message>
    <message>
        <source>Stay on</source>
        <translation>Aan blijven</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Onbeperkt</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handmatig</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Region %1</source>
        <translation>Regio %1</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 uur</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 uur</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>Menutaal</translation>
    </message>
    <message>
        <source>First audio language</source>
        <translation>Eerste audiotaal</translation>
    </message>
    <message>
        <source>Second audio language</source>
        <translation>Tweede audiotaal</translation>
    </message>
    <message>
        <source>First subtitle language</source>
        <translation>Eerste ondertiteltaal</translation>
    </message>
    <message>
        <source>Second subtitle language</source>
        <translation>Tweede ondertiteltaal</translation>
    </message>
    <message>
        <source>Programme guide language</source>
        <translation>Taal van de programmagids</translation>
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
        <translation>Opnamen eerder beginnen met</translation>
    </message>
    <message>
        <source>End recordings later by</source>
        <translation>Opnamen later beëindigen met</translation>
    </message>
    <message>
        <source>After a timer recording</source>
        <translation>Na een timeropname</translation>
    </message>
    <message>
        <source>Length of an instant recording</source>
        <translation>Duur van een directe opname</translation>
    </message>
    <message>
        <source>Timeshift length</source>
        <translation>Timeshiftduur</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Opnameformaat</translation>
    </message>
    <message>
        <source>Recording buffer</source>
        <translation>Opnamebuffer</translation>
    </message>
    <message>
        <source>Playback buffer</source>
        <translation>Afspeelbuffer</translation>
    </message>
    <message>
        <source>Age rating</source>
        <translation>Leeftijdsgrens</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>Pincode</translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation>Vergrendeling %1</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>Info bar shown for</source>
        <translation>Infobalk tonen gedurende</translation>
    </message>
    <message>
        <source>Clock in standby</source>
        <translation>Klok in stand-by</translation>
    </message>
    <message>
        <source>Volume bar shown for</source>
        <translation>Volumebalk tonen gedurende</translation>
    </message>
    <message>
        <source>While changing channels</source>
        <translation>Bij het wisselen van zender</translation>
    </message>
    <message>
        <source>Info bar position</source>
        <translation>Positie van de infobalk</translation>
    </message>
    <message>
        <source>Front display shows</source>
        <translation>Display aan de voorkant toont</translation>
    </message>
    <message>
        <source>Front display lighting</source>
        <translation>Verlichting van het display</translation>
    </message>
    <message>
        <source>Menu shown for</source>
        <translation>Menu tonen gedurende</translation>
    </message>
    <message>
        <source>Menu transparency</source>
        <translation>Transparantie van het menu</translation>
    </message>
    <message>
        <source>Time setting</source>
        <translation>Tijdinstelling</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Tijdzone</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Zomertijd</translation>
    </message>
    <message>
        <source>Clock format</source>
        <translation>Tijdnotatie</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Tv-systeem</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Beeldverhouding</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolutie</translation>
    </message>
    <message>
        <source>Display format</source>
        <translation>Weergaveformaat</translation>
    </message>
    <message>
        <source>Video output</source>
        <translation>Video-uitgang</translation>
    </message>
    <message>
        <source>Dolby Digital</source>
        <translation>Dolby Digital</translation>
    </message>
    <message>
        <source>Sound over HDMI</source>
        <translation>Geluid via HDMI</translation>
    </message>
    <message>
        <source>Sound mode</source>
        <translation>Geluidsmodus</translation>
    </message>
    <message>
        <source>Video option</source>
        <translation>Video-optie</translation>
    </message>
    <message>
        <source>Sound delay</source>
        <translation>Geluidsvertraging</translation>
    </message>
    <message>
        <source>Addresses from the network (DHCP)</source>
        <translation>Adressen uit het netwerk (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnetmasker</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>First DNS server</source>
        <translation>Eerste DNS-server</translation>
    </message>
    <message>
        <source>Second DNS server</source>
        <translation>Tweede DNS-server</translation>
    </message>
    <message>
        <source>Further address %1</source>
        <translation>Extra adres %1</translation>
    </message>
    <message>
        <source>Network option</source>
        <translation>Netwerkoptie</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Tekst %1</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Optie %1</translation>
    </message>
    <message>
        <source>Channel numbers as stored in the list</source>
        <translation>Zendernummers zoals in de lijst opgeslagen</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Lengtegraad van de locatie</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Breedtegraad van de locatie</translation>
    </message>
    <message>
        <source>Time span shown</source>
        <translation>Getoonde periode</translation>
    </message>
    <message>
        <source>Programme guide memory</source>
        <translation>Geheugen van de programmagids</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Opname</translation>
    </message>
    <message>
        <source>Parental control</source>
        <translation>Ouderlijk toezicht</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>Zenderlijst</translation>
    </message>
    <message>
        <source>Positioner and single cable</source>
        <translation>Rotor en enkele kabel</translation>
    </message>
    <message>
        <source>Picture and sound output</source>
        <translation>Beeld- en geluidsuitvoer</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>Repair channel names</source>
        <translation>Zendernamen herstellen</translation>
    </message>
    <message>
        <source>New favourite list</source>
        <translation>Nieuwe favorietenlijst</translation>
    </message>
    <message>
        <source>Remove unused transponders</source>
        <translation>Ongebruikte transponders verwijderen</translation>
    </message>
    <message>
        <source>Channel numbering</source>
        <translation>Zendernummering</translation>
    </message>
    <message>
        <source>Sort by template</source>
        <translation>Sorteren volgens sjabloon</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Zender verplaatsen</translation>
    </message>
    <message>
        <source>Rename channel</source>
        <translation>Naam van zender wijzigen</translation>
    </message>
    <message>
        <source>Add to favourites</source>
        <translation>Aan favorieten toevoegen</translation>
    </message>
    <message>
        <source>Remove from favourites</source>
        <translation>Uit favorieten verwijderen</translation>
    </message>
    <message>
        <source>Adopt the list order</source>
        <translation>Lijstvolgorde overnemen</translation>
    </message>
    <message>
        <source>New TV channel</source>
        <translation>Nieuwe tv-zender</translation>
    </message>
    <message>
        <source>New radio channel</source>
        <translation>Nieuwe radiozender</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nieuwe satelliet</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nieuwe transponder</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>Zenders verwijderen</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Transponders verwijderen</translation>
    </message>
    <message>
        <source>Rename provider</source>
        <translation>Naam van aanbieder wijzigen</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Naam van favorietenlijst wijzigen</translation>
    </message>
    <message>
        <source>Delete favourite list</source>
        <translation>Favorietenlijst verwijderen</translation>
    </message>
    <message>
        <source>Favourite list from provider</source>
        <translation>Favorietenlijst uit aanbieder</translation>
    </message>
    <message>
        <source>Move favourite list</source>
        <translation>Favorietenlijst verplaatsen</translation>
    </message>
    <message>
        <source>Move satellite</source>
        <translation>Satelliet verplaatsen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>%n zender verwijderen</numerusform>
            <numerusform>%n zenders verwijderen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>%n zender knippen</numerusform>
            <numerusform>%n zenders knippen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>%n zender plakken</numerusform>
            <numerusform>%n zenders plakken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mark %n channel(s)</source>
        <translation>
            <numerusform>%n zender markeren</numerusform>
            <numerusform>%n zenders markeren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %n channel(s)</source>
        <translation>
            <numerusform>%n zender nummeren</numerusform>
            <numerusform>%n zenders nummeren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s)</source>
        <translation>
            <numerusform>%n zender verplaatsen</numerusform>
            <numerusform>%n zenders verplaatsen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite list</source>
        <translation>
            <numerusform>%n zender aan een favorietenlijst toevoegen</numerusform>
            <numerusform>%n zenders aan een favorietenlijst toevoegen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from a favourite list</source>
        <translation>
            <numerusform>%n zender uit een favorietenlijst verwijderen</numerusform>
            <numerusform>%n zenders uit een favorietenlijst verwijderen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from the favourite list</source>
        <translation>
            <numerusform>%n zender uit de favorietenlijst verwijderen</numerusform>
            <numerusform>%n zenders uit de favorietenlijst verwijderen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from all favourite lists</source>
        <translation>
            <numerusform>%n zender uit alle favorietenlijsten verwijderen</numerusform>
            <numerusform>%n zenders uit alle favorietenlijsten verwijderen</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all timers</source>
        <translation>Alle timers verwijderen</translation>
    </message>
    <message>
        <source>Change timer</source>
        <translation>Timer wijzigen</translation>
    </message>
    <message>
        <source>Change timer text</source>
        <translation>Timertekst wijzigen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timer(s)</source>
        <translation>
            <numerusform>%n timer verwijderen</numerusform>
            <numerusform>%n timers verwijderen</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>Satelliet bewerken</translation>
    </message>
    <message>
        <source>Edit LNB settings</source>
        <translation>LNB-instellingen bewerken</translation>
    </message>
    <message>
        <source>Change tuner mode</source>
        <translation>Tunermodus wijzigen</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Transponder bewerken</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>Zender bewerken</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Ontvangerconfiguratie</translation>
    </message>
    <message>
        <source>Apply a reference order</source>
        <translation>Referentievolgorde toepassen</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutCtrl</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Service lists and settings of Octagon SF 1018 and SF 1028 receivers</source>
        <translation>Zenderlijsten en instellingen van de ontvangers Octagon SF 1018 en SF 1028</translation>
    </message>
    <message>
        <source>Thanks to every receiver owner who shared a list and tested the transfers.</source>
        <translation>Dank aan iedere ontvangerbezitter die een lijst heeft gedeeld en de overdrachten heeft getest.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Gebouwd met Qt %1, draait op Qt %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutDlg</name>
    <message>
        <source>About Tarnell 1018</source>
        <translation>Over Tarnell 1018</translation>
    </message>
</context>
<context>
    <name>tarnell::CAppOptionPage</name>
    <message>
        <source>Tooltips</source>
        <translation>Knopinfo</translation>
    </message>
    <message>
        <source>Show tooltips on the ribbon</source>
        <translation>Knopinfo op het lint tonen</translation>
    </message>
    <message>
        <source>Show the description in the tooltips</source>
        <translation>Beschrijving in de knopinfo tonen</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Hoofdvenster</translation>
    </message>
    <message>
        <source>Status Bar On/Off</source>
        <translation>Statusbalk aan/uit</translation>
    </message>
    <message>
        <source>Message Bar On/Off</source>
        <translation>Berichtenbalk aan/uit</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Channel list background</source>
        <translation>Achtergrond van de zenderlijst</translation>
    </message>
    <message>
        <source>Channel list text</source>
        <translation>Tekst van de zenderlijst</translation>
    </message>
    <message>
        <source>Tree background</source>
        <translation>Achtergrond van de boomstructuur</translation>
    </message>
    <message>
        <source>Tree text</source>
        <translation>Tekst van de boomstructuur</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>Meer kleuren...</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Tooltips, the bars of the main window and the colours of the tree and the channel list. Bars and colours change at once.</source>
        <translation>Knopinfo, de balken van het hoofdvenster en de kleuren van de boomstructuur en de zenderlijst. Balken en kleuren veranderen meteen.</translation>
    </message>
</context>
<context>
    <name>tarnell::CBackupDlg</name>
    <message>
        <source>Restore a Backup</source>
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>Before each send the receiver&apos;s list is kept here. Open one to look at it, or send it back to the receiver.</source>
        <translation>Vóór elke verzending wordt de lijst van de ontvanger hier bewaard. Open er een om te bekijken, of stuur hem terug naar de ontvanger.</translation>
    </message>
    <message>
        <source>Kept on</source>
        <translation>Bewaard op</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Zenders</translation>
    </message>
    <message>
        <source>Compared with the open list</source>
        <translation>Vergeleken met de geopende lijst</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>niet leesbaar</translation>
    </message>
    <message>
        <source>Open as New Document</source>
        <translation>Openen als nieuw document</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Naar ontvanger sturen</translation>
    </message>
    <message>
        <source>No backups have been kept yet.</source>
        <translation>Er zijn nog geen back-ups bewaard.</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelEditCommands</name>
    <message>
        <source>Move Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Adopt List Order</source>
        <translation>Lijstvolgorde overnemen</translation>
    </message>
    <message>
        <source>The clipboard holds no channels, transponders or satellites.</source>
        <translation>Het klembord bevat geen zenders, transponders of satellieten.</translation>
    </message>
    <message>
        <source>A channel on the clipboard is of the other kind (TV or radio) than the list shown; the paste stopped there.</source>
        <translation>Een zender op het klembord is van de andere soort (tv of radio) dan de getoonde lijst; het plakken is daar gestopt.</translation>
    </message>
    <message>
        <source>No free transponder is left for a channel on the clipboard; the paste stopped there.</source>
        <translation>Er is geen vrije transponder meer voor een zender op het klembord; het plakken is daar gestopt.</translation>
    </message>
    <message>
        <source>No satellite can be added for a channel on the clipboard: the list holds 255 satellites. The paste stopped there.</source>
        <translation>Voor een zender op het klembord kan geen satelliet worden toegevoegd: de lijst bevat 255 satellieten. Het plakken is daar gestopt.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes; the paste stopped there.</source>
        <translation>De lijst bevat 10.000 zenders, zoveel als de ontvanger aankan; het plakken is daar gestopt.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes.</source>
        <translation>De lijst bevat 10.000 zenders, zoveel als de ontvanger aankan.</translation>
    </message>
    <message>
        <source>New channel %1 created.</source>
        <translation>Nieuwe zender %1 aangemaakt.</translation>
    </message>
    <message>
        <source>The list order can only be adopted while the list shows all channels.</source>
        <translation>De lijstvolgorde kan alleen worden overgenomen terwijl de lijst alle zenders toont.</translation>
    </message>
    <message>
        <source>Should the channels be numbered in the order the list shows them now?</source>
        <translation>De zenders nummeren in de volgorde waarin de lijst ze nu toont?</translation>
    </message>
    <message>
        <source>The channels were not moved.</source>
        <translation>De zenders zijn niet verplaatst.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved.</source>
        <translation>
            <numerusform>%n zender verplaatst.</numerusform>
            <numerusform>%n zenders verplaatst.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelListCommands</name>
    <message>
        <source>Column width of the list style</source>
        <translation>Kolombreedte van de lijstweergave</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelSucheDlg</name>
    <message>
        <source>Part of a channel name</source>
        <translation>Deel van een zendernaam</translation>
    </message>
    <message>
        <source>No service list is open.</source>
        <translation>Er is geen zenderlijst geopend.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) found</source>
        <translation>
            <numerusform>%n zender gevonden</numerusform>
            <numerusform>%n zenders gevonden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareCommands</name>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... en nog %1</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>Compare with a File...</source>
        <translation>Vergelijken met een bestand...</translation>
    </message>
    <message>
        <source>Compare with the Receiver&apos;s List...</source>
        <translation>Vergelijken met de lijst van de ontvanger...</translation>
    </message>
    <message>
        <source>Apply a Reference Order...</source>
        <translation>Referentievolgorde toepassen...</translation>
    </message>
    <message>
        <source>Select Duplicates</source>
        <translation>Dubbele selecteren</translation>
    </message>
    <message>
        <source>Restore a Backup...</source>
        <translation>Back-up terugzetten...</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>Instellingenbestanden (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>the receiver&apos;s list</source>
        <translation>de lijst van de ontvanger</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Referentielijst</translation>
    </message>
    <message>
        <source>Reference lists (*.fdu *.sys *.tv *.radio *.txt)</source>
        <translation>Referentielijsten (*.fdu *.sys *.tv *.radio *.txt)</translation>
    </message>
    <message>
        <source>Enigma2 bouquets (*.tv *.radio)</source>
        <translation>Enigma2-boeketten (*.tv *.radio)</translation>
    </message>
    <message>
        <source>Channel names, one a line (*.txt)</source>
        <translation>Zendernamen, één per regel (*.txt)</translation>
    </message>
    <message>
        <source>The reference has favourite lists (%1). Rebuild the favourite lists of the same names from it too?</source>
        <translation>De referentie bevat favorietenlijsten (%1). Ook de favorietenlijsten met dezelfde namen daaruit opnieuw opbouwen?</translation>
    </message>
    <message>
        <source>Apply a Reference Order</source>
        <translation>Referentievolgorde toepassen</translation>
    </message>
    <message>
        <source>%1 channels took the reference&apos;s order: %2 by satellite, transponder and service, %3 by name.</source>
        <translation>%1 zenders kregen de volgorde van de referentie: %2 op satelliet, transponder en dienst, %3 op naam.</translation>
    </message>
    <message>
        <source>Favourite lists: %1 rebuilt, %2 added.</source>
        <translation>Favorietenlijsten: %1 opnieuw opgebouwd, %2 toegevoegd.</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they follow in their order:</source>
        <translation>%1 zenders staan niet in de referentie; ze volgen in hun eigen volgorde:</translation>
    </message>
    <message>
        <source>%1 entries of the reference found no channel:</source>
        <translation>%1 vermeldingen van de referentie vonden geen zender:</translation>
    </message>
    <message>
        <source>No TV channel is there twice.</source>
        <translation>Geen enkele tv-zender staat er twee keer in.</translation>
    </message>
    <message>
        <source>No radio channel is there twice.</source>
        <translation>Geen enkele radiozender staat er twee keer in.</translation>
    </message>
    <message>
        <source>%1 names stand on more than one transponder; their channels are selected.</source>
        <translation>%1 namen staan op meer dan één transponder; hun zenders zijn geselecteerd.</translation>
    </message>
    <message>
        <source>%1 channels are the same service as an earlier one and are selected; %2 names stand on more than one transponder.</source>
        <translation>%1 zenders zijn dezelfde dienst als een eerdere en zijn geselecteerd; %2 namen staan op meer dan één transponder.</translation>
    </message>
    <message>
        <source>%1 channels of the list are not in the reference. Put them before the channels the reference orders? (No puts them after.)</source>
        <translation>%1 zenders van de lijst staan niet in de referentie. Ze vóór de zenders zetten die de referentie ordent? (Nee zet ze erachter.)</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they come first, in their order:</source>
        <translation>%1 zenders staan niet in de referentie; ze komen eerst, in hun volgorde:</translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareDlg</name>
    <message>
        <source>TV/radio</source>
        <translation>Tv/radio</translation>
    </message>
    <message>
        <source>stored number</source>
        <translation>opgeslagen nummer</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>video-PID</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>audio-PID</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>kenmerken</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>geluid</translation>
    </message>
    <message>
        <source>options</source>
        <translation>opties</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>symboolsnelheid</translation>
    </message>
    <message>
        <source>provider</source>
        <translation>aanbieder</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>zender</translation>
    </message>
    <message>
        <source>start</source>
        <translation>begin</translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>other values</source>
        <translation>andere waarden</translation>
    </message>
    <message>
        <source>was &quot;%1&quot;</source>
        <translation>was &quot;%1&quot;</translation>
    </message>
    <message>
        <source>list &quot;%1&quot;</source>
        <translation>lijst &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Zenders</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favorietenlijsten</translation>
    </message>
    <message>
        <source>Channels in favourite lists</source>
        <translation>Zenders in favorietenlijsten</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellieten</translation>
    </message>
    <message>
        <source>LNB settings</source>
        <translation>LNB-instellingen</translation>
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
        <translation>Configuratie van de ontvanger</translation>
    </message>
    <message>
        <source>added</source>
        <translation>toegevoegd</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>verwijderd</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>hernoemd</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verplaatst</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>gewijzigd</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Geen verschillen.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>From &lt;b&gt;%1&lt;/b&gt; to &lt;b&gt;%2&lt;/b&gt;:</source>
        <translation>Van &lt;b&gt;%1&lt;/b&gt; naar &lt;b&gt;%2&lt;/b&gt;:</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Filteren op naam</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Alle wijzigingen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>Tv</translation>
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
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Select a satellite in the tree to edit it here.</source>
        <translation>Kies een satelliet in de boomstructuur om hem hier te bewerken.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Select a transponder in the tree to edit it here.</source>
        <translation>Kies een transponder in de boomstructuur om hem hier te bewerken.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Zender</translation>
    </message>
    <message>
        <source>Select a channel in the list to edit it here.</source>
        <translation>Kies een zender in de lijst om hem hier te bewerken.</translation>
    </message>
    <message>
        <source>Channel Search</source>
        <translation>Zenders zoeken</translation>
    </message>
    <message>
        <source>Type part of a channel name to find it.</source>
        <translation>Typ een deel van een zendernaam om de zender te vinden.</translation>
    </message>
</context>
<context>
    <name>tarnell::CDocumentCommands</name>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Stored Numbers</source>
        <translation>Opgeslagen nummers</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Hernummeren</translation>
    </message>
    <message>
        <source>Repair Names</source>
        <translation>Namen herstellen</translation>
    </message>
    <message>
        <source>Channel name references repaired.</source>
        <translation>Verwijzingen naar zendernamen hersteld.</translation>
    </message>
    <message>
        <source>Remove Unused Transponders</source>
        <translation>Ongebruikte transponders verwijderen</translation>
    </message>
    <message numerus="yes">
        <source>%n unused transponder(s) removed.</source>
        <translation>
            <numerusform>%n ongebruikte transponder verwijderd.</numerusform>
            <numerusform>%n ongebruikte transponders verwijderd.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as Text...</source>
        <translation>Als tekst exporteren...</translation>
    </message>
    <message>
        <source>Sort by Template</source>
        <translation>Sorteren volgens sjabloon</translation>
    </message>
    <message>
        <source>The channels have been renumbered.</source>
        <translation>De zenders zijn opnieuw genummerd.</translation>
    </message>
    <message numerus="yes">
        <source>The channels have been renumbered; %n channel(s) moved to the top by the template.</source>
        <translation>
            <numerusform>De zenders zijn opnieuw genummerd; %n zender is door het sjabloon bovenaan gezet.</numerusform>
            <numerusform>De zenders zijn opnieuw genummerd; %n zenders zijn door het sjabloon bovenaan gezet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel list exported to %1.</source>
        <translation>Zenderlijst geëxporteerd naar %1.</translation>
    </message>
    <message>
        <source>Sequential Numbers</source>
        <translation>Doorlopende nummers</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Opnieuw: %1</translation>
    </message>
</context>
<context>
    <name>tarnell::CFavouriteColours</name>
    <message>
        <source>More Colours...</source>
        <translation>Meer kleuren...</translation>
    </message>
</context>
<context>
    <name>tarnell::CFtpOptionPage</name>
    <message>
        <source>Profiles</source>
        <translation>Profielen</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Nieuw profiel</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Profiel verwijderen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ontvanger</translation>
    </message>
    <message>
        <source>Restart with &quot;reboot -f&quot;</source>
        <translation>Herstarten met &quot;reboot -f&quot;</translation>
    </message>
    <message>
        <source>Test FTP Login</source>
        <translation>FTP-aanmelding testen</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Gebruiker:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>The receiver&apos;s address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>Het adres van de ontvanger moet bestaan uit vier getallen van 0 tot 255, gescheiden door punten, bijvoorbeeld 192.168.0.10.</translation>
    </message>
    <message>
        <source>The port must be a whole number from %1 to %2; FTP usually uses %3.</source>
        <translation>De poort moet een geheel getal van %1 tot %2 zijn; FTP gebruikt meestal %3.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Logging in to %1:%2 ...</source>
        <translation>Aanmelden bij %1:%2 ...</translation>
    </message>
    <message>
        <source>The receivers on your network. Transfers use the profile selected in the list; changes take effect at once and stay even after Cancel.</source>
        <translation>De ontvangers in uw netwerk. Overdrachten gebruiken het profiel dat in de lijst is gekozen; wijzigingen gelden meteen en blijven ook na Annuleren behouden.</translation>
    </message>
</context>
<context>
    <name>tarnell::CImportDlg</name>
    <message>
        <source>Datenfile nicht gefunden, oder Datenfile in Gebrauch!</source>
        <translation>Gegevensbestand niet gevonden of in gebruik!</translation>
    </message>
    <message>
        <source>Fehler beim Lesen des Datenfiles!</source>
        <translation>Fout bij het lezen van het gegevensbestand!</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>De systeemgegevens zijn beschadigd!</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren...</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Bron:</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Map...</translation>
    </message>
    <message>
        <source>Choose the folder that holds lamedb and the bouquet files.</source>
        <translation>Kies de map met lamedb en de boeketbestanden.</translation>
    </message>
    <message>
        <source>Base settings file:</source>
        <translation>Basisinstellingenbestand:</translation>
    </message>
    <message>
        <source>Its satellites and receiver configuration are kept; the file itself is not changed.</source>
        <translation>De satellieten en de ontvangerconfiguratie blijven behouden; het bestand zelf wordt niet gewijzigd.</translation>
    </message>
    <message>
        <source>Start Import</source>
        <translation>Import starten</translation>
    </message>
    <message>
        <source>kein Source</source>
        <translation>Geen bron</translation>
    </message>
    <message>
        <source>Bouquets (TV)</source>
        <translation>Boeketten (tv)</translation>
    </message>
    <message>
        <source>Bouquets (Radio)</source>
        <translation>Boeketten (radio)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Reading the bouquets...</source>
        <translation>Boeketten worden gelezen...</translation>
    </message>
    <message>
        <source>Channel list to import</source>
        <translation>Te importeren zenderlijst</translation>
    </message>
    <message>
        <source>Base settings file</source>
        <translation>Basisinstellingenbestand</translation>
    </message>
    <message>
        <source>Importing the channel list...</source>
        <translation>Zenderlijst wordt geïmporteerd...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Please check files</source>
        <translation>Controleer de bestanden</translation>
    </message>
    <message>
        <source>Imported: %1 TV and %2 radio channels, %3 transponders, %4 new satellites, %5 favourite lists.</source>
        <translation>Geïmporteerd: %1 tv- en %2 radiozenders, %3 transponders, %4 nieuwe satellieten, %5 favorietenlijsten.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders, no free transponder slot.</source>
        <translation>Weggelaten: %1 transponders, geen vrije transponderplaats.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders whose frequency or position the receiver cannot store.</source>
        <translation>Weggelaten: %1 transponders waarvan de ontvanger de frequentie of positie niet kan opslaan.</translation>
    </message>
    <message>
        <source>Left out: %1 satellites beyond 255 (their transponders went to the last one).</source>
        <translation>Weggelaten: %1 satellieten boven 255 (hun transponders gingen naar de laatste).</translation>
    </message>
    <message>
        <source>Left out: %1 services, the receiver holds at most 10,000 channels.</source>
        <translation>Weggelaten: %1 services, de ontvanger bevat hoogstens 10.000 zenders.</translation>
    </message>
    <message>
        <source>Left out: %1 services of a type the receiver does not list (only 1, 2, 4, 22 and 25).</source>
        <translation>Weggelaten: %1 services van een type dat de ontvanger niet toont (alleen 1, 2, 4, 22 en 25).</translation>
    </message>
    <message>
        <source>Note: %1 channels have no transponder.</source>
        <translation>Let op: %1 zenders hebben geen transponder.</translation>
    </message>
    <message>
        <source>Import report</source>
        <translation>Importverslag</translation>
    </message>
</context>
<context>
    <name>tarnell::CLeftView</name>
    <message>
        <source>Satellite Properties</source>
        <translation>Satellieteigenschappen</translation>
    </message>
    <message>
        <source>Transponder Properties</source>
        <translation>Transpondereigenschappen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>Mark Favourite List</source>
        <translation>Favorietenlijst markeren</translation>
    </message>
    <message>
        <source>Clear Favourite Mark</source>
        <translation>Favorietenmarkering wissen</translation>
    </message>
    <message>
        <source>Favourite Sequence Numbers</source>
        <translation>Volgnummers van favorieten</translation>
    </message>
    <message>
        <source>Delete Favourite List</source>
        <translation>Favorietenlijst verwijderen</translation>
    </message>
    <message>
        <source>New Favourite List</source>
        <translation>Nieuwe favorietenlijst</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nieuwe transponder</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Nieuwe zender</translation>
    </message>
    <message>
        <source>Delete Channels of Transponder</source>
        <translation>Zenders van de transponder verwijderen</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder verwijderen</translation>
    </message>
    <message>
        <source>Delete Transponders of Satellite</source>
        <translation>Transponders van de satelliet verwijderen</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nieuwe satelliet</translation>
    </message>
    <message>
        <source>New Favourite List from Provider</source>
        <translation>Nieuwe favorietenlijst van aanbieder</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Op naam</translation>
    </message>
    <message>
        <source>By Orbital Position</source>
        <translation>Op orbitpositie</translation>
    </message>
    <message>
        <source>In Stored Order</source>
        <translation>In opgeslagen volgorde</translation>
    </message>
    <message>
        <source>By Number</source>
        <translation>Op nummer</translation>
    </message>
    <message>
        <source>Satellites with Channels</source>
        <translation>Satellieten met zenders</translation>
    </message>
    <message>
        <source>Satellites with LNB Settings</source>
        <translation>Satellieten met LNB-instellingen</translation>
    </message>
    <message>
        <source>ISO 6937</source>
        <translation>ISO 6937</translation>
    </message>
    <message>
        <source>ISO 8859-5 (Cyrillic)</source>
        <translation>ISO 8859-5 (Cyrillisch)</translation>
    </message>
    <message>
        <source>ISO 8859-6 (Arabic)</source>
        <translation>ISO 8859-6 (Arabisch)</translation>
    </message>
    <message>
        <source>ISO 8859-7 (Greek)</source>
        <translation>ISO 8859-7 (Grieks)</translation>
    </message>
    <message>
        <source>ISO 8859-8 (Hebrew)</source>
        <translation>ISO 8859-8 (Hebreeuws)</translation>
    </message>
    <message>
        <source>ISO 8859-9 (Turkish)</source>
        <translation>ISO 8859-9 (Turks)</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Satellite Order</source>
        <translation>Volgorde van satellieten</translation>
    </message>
    <message>
        <source>Active Satellites</source>
        <translation>Actieve satellieten</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Volgorde van aanbieders</translation>
    </message>
    <message>
        <source>Favourite Code Page</source>
        <translation>Codetabel van favorieten</translation>
    </message>
    <message>
        <source>The list holds 255 satellites, as many as the receiver takes.</source>
        <translation>De lijst bevat 255 satellieten, zoveel als de ontvanger aankan.</translation>
    </message>
    <message>
        <source>Kein SatArrayPos</source>
        <translation>De satelliet staat niet in de satellietlijst.</translation>
    </message>
    <message>
        <source>Es konnte kein neuer Transponder erzeugt werden.</source>
        <translation>Er kon geen nieuwe transponder worden aangemaakt.</translation>
    </message>
</context>
<context>
    <name>tarnell::CMainFrame</name>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Openen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Opslaan als...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>About Tarnell 1018</source>
        <translation>Over Tarnell 1018</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sorteren</translation>
    </message>
    <message>
        <source>List Style</source>
        <translation>Lijststijl</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lijst</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Vensters</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>Tv</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Active Satellites Only</source>
        <translation>Alleen actieve satellieten</translation>
    </message>
    <message>
        <source>Satellite Numbers</source>
        <translation>Satellietnummers</translation>
    </message>
    <message>
        <source>Favourite Text</source>
        <translation>Tekst favorieten</translation>
    </message>
    <message>
        <source>Favourite Background</source>
        <translation>Achtergrond favorieten</translation>
    </message>
    <message>
        <source>Favourite Options</source>
        <translation>Opties favorieten</translation>
    </message>
    <message>
        <source>Network Profiles</source>
        <translation>Netwerkprofielen</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ontvanger</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Naar ontvanger sturen</translation>
    </message>
    <message>
        <source>Fetch Service List</source>
        <translation>Zenderlijst ophalen</translation>
    </message>
    <message>
        <source>Fetch Service List and Configuration</source>
        <translation>Zenderlijst en configuratie ophalen</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponders</translation>
    </message>
    <message>
        <source>Receiver Configuration</source>
        <translation>Ontvangerconfiguratie</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Tarnell 1018 edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers.

Open a settings file (*.fdu, *.sys) or fetch the list from the receiver, choose a satellite, transponder, provider or favourite list in the tree on the left and work on its channels in the list on the right. Save the file or send it back to the receiver when you are done.

Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+A select all, Ctrl+W close, Shift+F1 what&apos;s this.</source>
        <translation>Tarnell 1018 bewerkt de zenderlijsten en instellingen van de ontvangers Octagon SF 1018 en SF 1028.

Open een instellingenbestand (*.fdu, *.sys) of haal de lijst op van de ontvanger, kies links in de boomstructuur een satelliet, transponder, aanbieder of favorietenlijst en bewerk de zenders ervan rechts in de lijst. Sla daarna het bestand op of stuur het terug naar de ontvanger.

Toetsen: Ctrl+N nieuw, Ctrl+O openen, Ctrl+S opslaan, Ctrl+Z ongedaan maken, Ctrl+Y opnieuw, Ctrl+A alles selecteren, Ctrl+W sluiten, Shift+F1 wat is dit.</translation>
    </message>
    <message>
        <source>Community Web Page</source>
        <translation>Webpagina van de community</translation>
    </message>
    <message>
        <source>Tabbed Windows</source>
        <translation>Vensters als tabbladen</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Trapsgewijs</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Naast elkaar</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Recente bestanden</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Klembord</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Beeld</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <translation>Tv/radio</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>The service list window has been closed.</source>
        <translation>Het venster van de zenderlijst is gesloten.</translation>
    </message>
    <message>
        <source>Service list %1</source>
        <translation>Zenderlijst %1</translation>
    </message>
    <message>
        <source>The settings file cannot be opened.</source>
        <translation>Het instellingenbestand kan niet worden geopend.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. These parts of it cannot be read:

%2

If you open it, the list lacks them, and saving or sending it loses them for good. Open it anyway?</source>
        <translation>Het instellingenbestand %1 is beschadigd. Deze delen ervan zijn niet te lezen:

%2

Als u het opent, ontbreken ze in de lijst, en bij opslaan of verzenden gaan ze definitief verloren. Toch openen?</translation>
    </message>
    <message>
        <source>Damaged settings file</source>
        <translation>Beschadigd instellingenbestand</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

The receiver would get it without these parts. Send it anyway?</source>
        <translation>Deze lijst komt uit een beschadigd bestand en mist: %1.

De ontvanger zou hem zonder deze delen krijgen. Toch verzenden?</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

Saving writes it without these parts. Save it anyway?</source>
        <translation>Deze lijst komt uit een beschadigd bestand en mist: %1.

Hij wordt zonder deze delen opgeslagen. Toch opslaan?</translation>
    </message>
    <message>
        <source>Import of other channel lists</source>
        <translation>Importeren van andere zenderlijsten</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Taalkeuze</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Talen</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Gebruikershandleiding</translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation>De gebruikershandleiding is niet geïnstalleerd.</translation>
    </message>
</context>
<context>
    <name>tarnell::CNavigationTreeModel</name>
    <message>
        <source>Satellites</source>
        <translation>Satellieten</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Aanbieders</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favorietenlijsten</translation>
    </message>
</context>
<context>
    <name>tarnell::CNetworkProfileListModel</name>
    <message>
        <source>A network profile needs a name.</source>
        <translation>Een netwerkprofiel heeft een naam nodig.</translation>
    </message>
    <message>
        <source>There is a network profile named &quot;%1&quot; already.</source>
        <translation>Er bestaat al een netwerkprofiel met de naam &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsConcretePage</name>
    <message>
        <source>Favourite lists</source>
        <translation>Favorietenlijsten</translation>
    </message>
    <message>
        <source>Selection after a favourite command:</source>
        <translation>Selectie na een favorietenopdracht:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Opgeheven</translation>
    </message>
    <message>
        <source>Kept as it was</source>
        <translation>Blijft behouden</translation>
    </message>
    <message>
        <source>Numbers in a favourite list:</source>
        <translation>Nummers in een favorietenlijst:</translation>
    </message>
    <message>
        <source>Stored numbers</source>
        <translation>Opgeslagen nummers</translation>
    </message>
    <message>
        <source>Pasted channels:</source>
        <translation>Geplakte zenders:</translation>
    </message>
    <message>
        <source>Keep their favourite lists</source>
        <translation>Hun favorietenlijsten behouden</translation>
    </message>
    <message>
        <source>Take them out of every favourite list</source>
        <translation>Uit alle favorietenlijsten halen</translation>
    </message>
    <message>
        <source>Code page of the list names:</source>
        <translation>Codetabel van de lijstnamen:</translation>
    </message>
    <message>
        <source>ISO 6937 (20269)</source>
        <translation>ISO 6937 (20269)</translation>
    </message>
    <message>
        <source>Cyrillic, ISO 8859-5 (28595)</source>
        <translation>Cyrillisch, ISO 8859-5 (28595)</translation>
    </message>
    <message>
        <source>Arabic, ISO 8859-6 (28596)</source>
        <translation>Arabisch, ISO 8859-6 (28596)</translation>
    </message>
    <message>
        <source>Greek, ISO 8859-7 (28597)</source>
        <translation>Grieks, ISO 8859-7 (28597)</translation>
    </message>
    <message>
        <source>Hebrew, ISO 8859-8 (28598)</source>
        <translation>Hebreeuws, ISO 8859-8 (28598)</translation>
    </message>
    <message>
        <source>Turkish, ISO 8859-9 (28599)</source>
        <translation>Turks, ISO 8859-9 (28599)</translation>
    </message>
    <message>
        <source>Unicode, UTF-8 (65001)</source>
        <translation>Unicode, UTF-8 (65001)</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellieten</translation>
    </message>
    <message>
        <source>A satellite is active when:</source>
        <translation>Een satelliet is actief als:</translation>
    </message>
    <message>
        <source>Its antenna settings are in use</source>
        <translation>Zijn antenne-instellingen in gebruik zijn</translation>
    </message>
    <message>
        <source>Channels are stored on it</source>
        <translation>Er zenders op zijn opgeslagen</translation>
    </message>
    <message>
        <source>Satellite, transponder and provider lists show:</source>
        <translation>Satelliet-, transponder- en aanbiederlijsten tonen:</translation>
    </message>
    <message>
        <source>TV and radio channels</source>
        <translation>Tv- en radiozenders</translation>
    </message>
    <message>
        <source>Only the channels of the TV/radio switch</source>
        <translation>Alleen de zenders van de tv/radio-schakelaar</translation>
    </message>
    <message>
        <source>Order of the satellites in the tree:</source>
        <translation>Volgorde van de satellieten in de boomstructuur:</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>Op naam</translation>
    </message>
    <message>
        <source>By orbital position</source>
        <translation>Op orbitpositie</translation>
    </message>
    <message>
        <source>As stored in the receiver</source>
        <translation>Zoals opgeslagen in de ontvanger</translation>
    </message>
    <message>
        <source>Favourites and Satellites</source>
        <translation>Favorieten en satellieten</translation>
    </message>
    <message>
        <source>How favourite lists are numbered, named and kept, and which satellites the tree shows in which order.</source>
        <translation>Hoe favorietenlijsten worden genummerd, benoemd en bewaard, en welke satellieten de boomstructuur in welke volgorde toont.</translation>
    </message>
    <message>
        <source>Sequential: 1, 2, 3 ...</source>
        <translation>Doorlopend: 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ontvanger</translation>
    </message>
    <message>
        <source>Before a send:</source>
        <translation>Vóór een verzending:</translation>
    </message>
    <message>
        <source>Send at once</source>
        <translation>Meteen sturen</translation>
    </message>
    <message>
        <source>Show what will change on the receiver</source>
        <translation>Tonen wat er op de ontvanger verandert</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsPropSheet</name>
    <message>
        <source>Weitere interessante Informationen</source>
        <translation>Opties en informatie</translation>
    </message>
</context>
<context>
    <name>tarnell::CPrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Snel afdrukken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Afdrukinstellingen...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exporteren als PDF...</translation>
    </message>
    <message>
        <source>Favourite list</source>
        <translation>Favorietenlijst</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Aanbieder</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Alle zenders</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>De zenderlijst kon niet worden afgedrukt op %1.</translation>
    </message>
    <message>
        <source>No printer is set up. Export as PDF or print to a file from the Print dialog instead.</source>
        <translation>Er is geen printer ingesteld. Exporteer als PDF of druk af naar een bestand via het afdrukvenster.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>Het PDF-bestand %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>The printed pages were saved as %1.</source>
        <translation>De afdrukpagina’s zijn opgeslagen als %1.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertiesWnd</name>
    <message>
        <source>Satellite / Transponder</source>
        <translation>Satelliet / Transponder</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Zender</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Favorietenlijsten</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>0 tot %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>The channel moves to the first transponder of the satellite chosen.</source>
        <translation>De zender gaat naar de eerste transponder van de gekozen satelliet.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>The channel&apos;s name; a part in angle brackets, such as &lt;ARD&gt;, is not shown in the list. A name record holds 100 bytes.</source>
        <translation>De naam van de zender; een deel tussen punthaken, zoals &lt;ARD&gt;, wordt in de lijst niet getoond. Een naamrecord bevat 100 bytes.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Tekentabel</translation>
    </message>
    <message>
        <source>Name edited</source>
        <translation>Naam bewerkt</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>0 tot 65535</translation>
    </message>
    <message>
        <source>Video type</source>
        <translation>Videotype</translation>
    </message>
    <message>
        <source>Audio type</source>
        <translation>Audiotype</translation>
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
        <translation>Servicewaarde 4</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Geluidsmodus</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Pay (€)</source>
        <translation>Betaal-tv (€)</translation>
    </message>
    <message>
        <source>Mark M 1</source>
        <translation>Markering M 1</translation>
    </message>
    <message>
        <source>Mark M 2</source>
        <translation>Markering M 2</translation>
    </message>
    <message>
        <source>Stored number</source>
        <translation>Opgeslagen nummer</translation>
    </message>
    <message>
        <source>0 to 9999; timers find their channel by this number.</source>
        <translation>0 tot 9999; timers vinden hun zender via dit nummer.</translation>
    </message>
    <message>
        <source>The name holds characters its character table cannot store.</source>
        <translation>De naam bevat tekens die de tekentabel niet kan opslaan.</translation>
    </message>
    <message>
        <source>The name is too long: a name record holds 100 bytes.</source>
        <translation>De naam is te lang: een naamrecord bevat 100 bytes.</translation>
    </message>
    <message>
        <source>The satellite has no transponder; the channel stays where it is.</source>
        <translation>De satelliet heeft geen transponder; de zender blijft waar hij is.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGrid</name>
    <message>
        <source>Alphabetical</source>
        <translation>Alfabetisch</translation>
    </message>
    <message>
        <source>Sort the properties by name instead of in groups</source>
        <translation>Eigenschappen op naam sorteren in plaats van in groepen</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Alles uitklappen</translation>
    </message>
    <message>
        <source>Open every group of properties</source>
        <translation>Alle groepen eigenschappen openen</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGridModel</name>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>Deze waarde kan hier niet worden gewijzigd.</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3.</source>
        <translation>%1: voer een geheel getal van %2 tot %3 in.</translation>
    </message>
    <message>
        <source>%1: choose one of the options.</source>
        <translation>%1: kies een van de opties.</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschap</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ontvanger</translation>
    </message>
    <message>
        <source>Fetching from the receiver was cancelled.</source>
        <translation>Het ophalen van de ontvanger is geannuleerd.</translation>
    </message>
    <message>
        <source>Fetching the service list and the configuration from the receiver at %1...</source>
        <translation>Zenderlijst en configuratie worden opgehaald van de ontvanger op %1...</translation>
    </message>
    <message>
        <source>Fetching the service list from the receiver at %1...</source>
        <translation>Zenderlijst wordt opgehaald van de ontvanger op %1...</translation>
    </message>
    <message>
        <source>Sending the service list to the receiver at %1...</source>
        <translation>Zenderlijst wordt naar de ontvanger op %1 gestuurd...</translation>
    </message>
    <message>
        <source>The service list could not be prepared for the receiver; nothing was sent.</source>
        <translation>De zenderlijst kon niet voor de ontvanger worden voorbereid; er is niets verzonden.</translation>
    </message>
    <message>
        <source>The service list and the configuration were sent to the receiver at %1.</source>
        <translation>De zenderlijst en de configuratie zijn naar de ontvanger op %1 gestuurd.</translation>
    </message>
    <message>
        <source>The service list was sent to the receiver at %1.</source>
        <translation>De zenderlijst is naar de ontvanger op %1 gestuurd.</translation>
    </message>
    <message>
        <source>Its previous files are kept in &quot;%1&quot;.</source>
        <translation>De vorige bestanden staan in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restarting the receiver at %1...</source>
        <translation>Ontvanger op %1 wordt opnieuw gestart...</translation>
    </message>
    <message>
        <source>The receiver at %1 was told to restart (%2).</source>
        <translation>De ontvanger op %1 is opgedragen opnieuw te starten (%2).</translation>
    </message>
    <message>
        <source>The receiver&apos;s current list cannot be read.</source>
        <translation>De huidige lijst van de ontvanger is niet leesbaar.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver&apos;s list is unchanged.</source>
        <translation>Er is niets verzonden; de lijst van de ontvanger is ongewijzigd.</translation>
    </message>
    <message>
        <source>Sending changes the receiver&apos;s list:

%1

Send the list to the receiver?</source>
        <translation>Verzenden wijzigt de lijst van de ontvanger:

%1

De lijst naar de ontvanger sturen?</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Naar ontvanger sturen</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverConfigPage</name>
    <message>
        <source>The PIN code must be exactly four digits.</source>
        <translation>De pincode moet uit precies vier cijfers bestaan.</translation>
    </message>
    <message>
        <source>An address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>Een adres bestaat uit vier getallen van 0 tot 255, gescheiden door punten, zoals 192.168.0.10.</translation>
    </message>
    <message>
        <source>The longitude must lie from 0 to 180 degrees, with at most three decimals.</source>
        <translation>De lengtegraad moet tussen 0 en 180 graden liggen, met hoogstens drie decimalen.</translation>
    </message>
    <message>
        <source>The latitude must lie from 0 to 90 degrees, with at most three decimals.</source>
        <translation>De breedtegraad moet tussen 0 en 90 graden liggen, met hoogstens drie decimalen.</translation>
    </message>
    <message>
        <source>The receiver stores at most 127 characters of Western European text here.</source>
        <translation>De ontvanger bewaart hier hoogstens 127 tekens West-Europese tekst.</translation>
    </message>
    <message>
        <source>This value cannot be stored.</source>
        <translation>Deze waarde kan niet worden opgeslagen.</translation>
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
        <translation>Bewerkt de zenderlijsten en instellingen van de ontvangers Octagon SF 1018 en SF 1028: zenders, favorietenlijsten, satellieten, transponders, timers en de configuratie van de ontvanger.</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Dank</translation>
    </message>
    <message>
        <source>To every receiver owner who shared a service list and tried the transfers on a real receiver.</source>
        <translation>Aan iedere ontvangerbezitter die een zenderlijst heeft gedeeld en de overdrachten op een echte ontvanger heeft uitgeprobeerd.</translation>
    </message>
    <message>
        <source>To the people behind Qt, zlib and libcurl, on whose work this program stands.</source>
        <translation>Aan de mensen achter Qt, zlib en libcurl, op wier werk dit programma rust.</translation>
    </message>
    <message>
        <source>The receiver maker</source>
        <translation>De fabrikant van de ontvanger</translation>
    </message>
    <message>
        <source>Octagon on the web</source>
        <translation>Octagon op het web</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>About this program, the people who helped to make it, and where to find the receiver maker.</source>
        <translation>Over dit programma, de mensen die hebben geholpen het te maken en waar u de fabrikant van de ontvanger vindt.</translation>
    </message>
</context>
<context>
    <name>tarnell::CRibbonBar</name>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
</context>
<context>
    <name>tarnell::CSatelliteWnd</name>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
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
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Unicable</source>
        <translation>Unicable</translation>
    </message>
    <message>
        <source>These data are contained only in a *.sys file.</source>
        <translation>Deze gegevens staan alleen in een *.sys-bestand.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>A satellite needs a name.</source>
        <translation>Een satelliet heeft een naam nodig.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>The position must lie from 0 to 180.0 degrees, with at most one decimal.</source>
        <translation>De positie moet tussen 0 en 180,0 graden liggen, met ten hoogste één decimaal.</translation>
    </message>
    <message>
        <source>East / West</source>
        <translation>Oost / West</translation>
    </message>
    <message>
        <source>Tuner mode</source>
        <translation>Tunermodus</translation>
    </message>
    <message>
        <source>Tuner input</source>
        <translation>Tuneringang</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>LNB-type</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>LNB option (bit 0)</source>
        <translation>LNB-optie (bit 0)</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Lengtegraad van de locatie</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Breedtegraad van de locatie</translation>
    </message>
    <message>
        <source>User band</source>
        <translation>Gebruikersband</translation>
    </message>
    <message>
        <source>User band frequency</source>
        <translation>Frequentie van de gebruikersband</translation>
    </message>
    <message>
        <source>MHz; at most %1 is stored.</source>
        <translation>MHz; ten hoogste %1 wordt opgeslagen.</translation>
    </message>
    <message>
        <source>Position A/B</source>
        <translation>Positie A/B</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Two inputs</source>
        <translation>Twee ingangen</translation>
    </message>
    <message>
        <source>Loop-through</source>
        <translation>Doorgelust</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Z</translation>
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
        <translation>Andere satellieten gebruiken dit LNB-record ook en de lijst heeft geen ruimte voor nog een: de wijziging is niet doorgevoerd.</translation>
    </message>
    <message>
        <source>Site Longitude and Latitude...</source>
        <translation>Lengte- en breedtegraad van de locatie...</translation>
    </message>
</context>
<context>
    <name>tarnell::CSettingsOptionsPropSheet</name>
    <message>
        <source>Receiver Configuration</source>
        <translation>Ontvangerconfiguratie</translation>
    </message>
</context>
<context>
    <name>tarnell::CStatistikDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Channels by kind</source>
        <translation>Zenders per soort</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>Tv</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>Zenderlijst</translation>
    </message>
    <message>
        <source>TV channels:</source>
        <translation>Tv-zenders:</translation>
    </message>
    <message>
        <source>Radio channels:</source>
        <translation>Radiozenders:</translation>
    </message>
    <message>
        <source>All channels:</source>
        <translation>Alle zenders:</translation>
    </message>
    <message>
        <source>Used transponders:</source>
        <translation>Gebruikte transponders:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satellieten:</translation>
    </message>
    <message>
        <source>Timers:</source>
        <translation>Timers:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Bestand:</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Draaiing:</translation>
    </message>
    <message>
        <source>Tilt:</source>
        <translation>Kanteling:</translation>
    </message>
</context>
<context>
    <name>tarnell::CTarnell1018View</name>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Remove from Favourite List</source>
        <translation>Uit favorietenlijst verwijderen</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>Zenders verwijderen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Favourite Lists</source>
        <translation>Favorietenlijsten</translation>
    </message>
    <message>
        <source>Remove from All Favourite Lists</source>
        <translation>Uit alle favorietenlijsten verwijderen</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Nieuwe tv-zender</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Nieuwe radiozender</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Verplaatsen naar positie...</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>HD Channels</source>
        <translation>HD-zenders</translation>
    </message>
    <message>
        <source>Pay Channels</source>
        <translation>Betaalzenders</translation>
    </message>
    <message>
        <source>Channels Marked M 1</source>
        <translation>Zenders met markering M 1</translation>
    </message>
    <message>
        <source>Channels Marked M 2</source>
        <translation>Zenders met markering M 2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Markeringen</translation>
    </message>
    <message>
        <source>Set M 1</source>
        <translation>M 1 zetten</translation>
    </message>
    <message>
        <source>Clear M 1</source>
        <translation>M 1 wissen</translation>
    </message>
    <message>
        <source>Set T 1</source>
        <translation>T 1 zetten</translation>
    </message>
    <message>
        <source>Clear T 1</source>
        <translation>T 1 wissen</translation>
    </message>
    <message>
        <source>Set T 2</source>
        <translation>T 2 zetten</translation>
    </message>
    <message>
        <source>Clear T 2</source>
        <translation>T 2 wissen</translation>
    </message>
    <message>
        <source>Copy T 1 to T 2</source>
        <translation>T 1 naar T 2 kopiëren</translation>
    </message>
    <message>
        <source>Copy T 2 to T 1</source>
        <translation>T 2 naar T 1 kopiëren</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Sorteren op naam</translation>
    </message>
    <message>
        <source>Sort by Number</source>
        <translation>Sorteren op nummer</translation>
    </message>
    <message>
        <source>Channel Properties</source>
        <translation>Zendereigenschappen</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n zender</numerusform>
            <numerusform>%n zenders</numerusform>
        </translation>
    </message>
    <message>
        <source>Hier sollten Sie eigentlich nie hinkommen...</source>
        <translation>Hier zou u eigenlijk nooit moeten komen...</translation>
    </message>
    <message>
        <source>This list shows TV and radio channels together: move channels in the list of all channels, or show one kind only (Options).</source>
        <translation>Deze lijst toont tv- en radiozenders samen: verplaats zenders in de lijst van alle zenders, of toon maar één soort (Opties).</translation>
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
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Repetition</source>
        <translation>Herhaling</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Duration (End)</source>
        <translation>Duur (einde)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Zender</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>The timer&apos;s text, at most %1 characters.</source>
        <translation>De tekst van de timer, hoogstens %1 tekens.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Tekentabel</translation>
    </message>
    <message>
        <source>Flag 1</source>
        <translation>Vlag 1</translation>
    </message>
    <message>
        <source>Flag 2</source>
        <translation>Vlag 2</translation>
    </message>
    <message>
        <source>New Timer</source>
        <translation>Nieuwe timer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Delete All Timers</source>
        <translation>Alle timers verwijderen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Eenmalig</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dagelijks</translation>
    </message>
    <message>
        <source>Mon-Fri</source>
        <translation>Ma-Vr</translation>
    </message>
    <message>
        <source>Sat-Sun</source>
        <translation>Za-Zo</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wekelijks</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Anders</translation>
    </message>
    <message>
        <source>Mo.</source>
        <translation>Ma.</translation>
    </message>
    <message>
        <source>Di.</source>
        <translation>Di.</translation>
    </message>
    <message>
        <source>Mi.</source>
        <translation>Wo.</translation>
    </message>
    <message>
        <source>Do.</source>
        <translation>Do.</translation>
    </message>
    <message>
        <source>Fr.</source>
        <translation>Vr.</translation>
    </message>
    <message>
        <source>Sa.</source>
        <translation>Za.</translation>
    </message>
    <message>
        <source>So.</source>
        <translation>Zo.</translation>
    </message>
    <message>
        <source>The timer holds %1 characters; the text was cut to &quot;%2&quot;.</source>
        <translation>De timer bevat %1 tekens; de tekst is ingekort tot &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>tarnell::CToolCommands</name>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
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
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Aanbieder</translation>
    </message>
    <message>
        <source>The satellite of the transponder; it is changed by making the transponder anew on another satellite.</source>
        <translation>De satelliet van de transponder; die verandert u door de transponder opnieuw op een andere satelliet aan te maken.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>MHz, 1 to 65535</source>
        <translation>MHz, 1 tot 65535</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisatie</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symboolsnelheid</translation>
    </message>
    <message>
        <source>kS/s, 0 to 65535</source>
        <translation>kS/s, 0 tot 65535</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>Transportstroom-ID</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>0 tot 65535</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>Oorspronkelijk netwerk-ID</translation>
    </message>
</context>
<context>
    <name>tarnell::CVerschiebenAufPosDlg</name>
    <message>
        <source>Move to Position</source>
        <translation>Verplaatsen naar positie</translation>
    </message>
    <message>
        <source>New position of the selected channels (%1 to %2):</source>
        <translation>Nieuwe positie van de geselecteerde zenders (%1 tot %2):</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Voer een getal van %1 tot %2 in.</translation>
    </message>
</context>
<context>
    <name>tarnell::CVisualStyle</name>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Zilver</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olijf</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pruim</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Koper</translation>
    </message>
    <message>
        <source>Graphite</source>
        <translation>Grafiet</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Night Teal</source>
        <translation>Nachtpetrol</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureaublad</translation>
    </message>
</context>
<context>
    <name>tarnell::CWindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Vensters</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Activeren</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>Venster &amp;sluiten</translation>
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
        <translation>Een nieuwe zenderlijst beginnen vanuit de fabriekslijst.</translation>
    </message>
    <message>
        <source>Open a settings file (*.fdu, *.sys) from disk.</source>
        <translation>Een instellingenbestand (*.fdu, *.sys) van schijf openen.</translation>
    </message>
    <message>
        <source>Save the active service list.</source>
        <translation>De actieve zenderlijst opslaan.</translation>
    </message>
    <message>
        <source>Save the active service list under a new name.</source>
        <translation>De actieve zenderlijst onder een nieuwe naam opslaan.</translation>
    </message>
    <message>
        <source>Close the active service list.</source>
        <translation>De actieve zenderlijst sluiten.</translation>
    </message>
    <message>
        <source>Print the channel list.</source>
        <translation>De zenderlijst afdrukken.</translation>
    </message>
    <message>
        <source>Print the channel list on the default printer at once.</source>
        <translation>De zenderlijst meteen op de standaardprinter afdrukken.</translation>
    </message>
    <message>
        <source>Show the pages as they will be printed.</source>
        <translation>De pagina&apos;s tonen zoals ze worden afgedrukt.</translation>
    </message>
    <message>
        <source>Choose the printer and the paper.</source>
        <translation>Printer en papier kiezen.</translation>
    </message>
    <message>
        <source>Import an Enigma2 list (lamedb and bouquets).</source>
        <translation>Een Enigma2-lijst importeren (lamedb en boeketten).</translation>
    </message>
    <message>
        <source>Import an Octagon 918/908/818 list (*.udb).</source>
        <translation>Een Octagon 918/908/818-lijst importeren (*.udb).</translation>
    </message>
    <message>
        <source>Import an Octagon SD x18 list (*.bin).</source>
        <translation>Een Octagon SD x18-lijst importeren (*.bin).</translation>
    </message>
    <message>
        <source>Preferences, colours and network profiles.</source>
        <translation>Voorkeuren, kleuren en netwerkprofielen.</translation>
    </message>
    <message>
        <source>How favourite lists and satellites behave.</source>
        <translation>Hoe favorietenlijsten en satellieten zich gedragen.</translation>
    </message>
    <message>
        <source>The receivers on your network and how to reach them.</source>
        <translation>De ontvangers in uw netwerk en hoe u ze bereikt.</translation>
    </message>
    <message>
        <source>Quit the program; it asks about unsaved changes first.</source>
        <translation>Het programma afsluiten; eerst wordt naar niet-opgeslagen wijzigingen gevraagd.</translation>
    </message>
    <message>
        <source>Version and credits.</source>
        <translation>Versie en dankwoord.</translation>
    </message>
    <message>
        <source>How to work with the program, and its keys.</source>
        <translation>Hoe u met het programma werkt, en de sneltoetsen.</translation>
    </message>
    <message>
        <source>Click on any part of the window to learn what it does.</source>
        <translation>Klik op een deel van het venster om te zien wat het doet.</translation>
    </message>
    <message>
        <source>Open the receiver maker&apos;s web site in your browser.</source>
        <translation>De website van de fabrikant van de ontvanger in uw browser openen.</translation>
    </message>
    <message>
        <source>Choose the colours of the program.</source>
        <translation>De kleuren van het programma kiezen.</translation>
    </message>
    <message>
        <source>Insert the channels from the clipboard.</source>
        <translation>De zenders van het klembord invoegen.</translation>
    </message>
    <message>
        <source>Move the selected channels to the clipboard.</source>
        <translation>De geselecteerde zenders naar het klembord verplaatsen.</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard.</source>
        <translation>De geselecteerde zenders naar het klembord kopiëren.</translation>
    </message>
    <message>
        <source>Select every channel of the list.</source>
        <translation>Alle zenders van de lijst selecteren.</translation>
    </message>
    <message>
        <source>Put the channels in order.</source>
        <translation>De zenders ordenen.</translation>
    </message>
    <message>
        <source>Switch between the detailed and the compact list.</source>
        <translation>Wisselen tussen de uitgebreide en de compacte lijst.</translation>
    </message>
    <message>
        <source>Show the channels in compact columns.</source>
        <translation>De zenders in compacte kolommen tonen.</translation>
    </message>
    <message>
        <source>Show the channels with all their columns.</source>
        <translation>De zenders met al hun kolommen tonen.</translation>
    </message>
    <message>
        <source>Arrange the open windows, show the panes, or pick a window.</source>
        <translation>De geopende vensters schikken, de deelvensters tonen of een venster kiezen.</translation>
    </message>
    <message>
        <source>Show the TV channels.</source>
        <translation>De tv-zenders tonen.</translation>
    </message>
    <message>
        <source>Show the radio channels.</source>
        <translation>De radiozenders tonen.</translation>
    </message>
    <message>
        <source>List only satellites that are in use.</source>
        <translation>Alleen satellieten tonen die in gebruik zijn.</translation>
    </message>
    <message>
        <source>Show the satellites&apos; numbers in the tree.</source>
        <translation>De nummers van de satellieten in de boomstructuur tonen.</translation>
    </message>
    <message>
        <source>Text colour of the marked favourite list&apos;s channels.</source>
        <translation>Tekstkleur van de zenders van de gemarkeerde favorietenlijst.</translation>
    </message>
    <message>
        <source>Background colour of the marked favourite list&apos;s channels.</source>
        <translation>Achtergrondkleur van de zenders van de gemarkeerde favorietenlijst.</translation>
    </message>
    <message>
        <source>Fetch the list from the receiver or send it back.</source>
        <translation>De lijst van de ontvanger ophalen of terugsturen.</translation>
    </message>
    <message>
        <source>Load the service list from the receiver into a new window.</source>
        <translation>De zenderlijst van de ontvanger in een nieuw venster laden.</translation>
    </message>
    <message>
        <source>Load the service list and the receiver&apos;s configuration into a new window.</source>
        <translation>De zenderlijst en de configuratie van de ontvanger in een nieuw venster laden.</translation>
    </message>
    <message>
        <source>Send the active service list to the receiver.</source>
        <translation>De actieve zenderlijst naar de ontvanger sturen.</translation>
    </message>
    <message>
        <source>Number the channels again in list order.</source>
        <translation>De zenders opnieuw nummeren in de volgorde van de lijst.</translation>
    </message>
    <message>
        <source>Unlink channels from names that do not exist.</source>
        <translation>Zenders loskoppelen van namen die niet bestaan.</translation>
    </message>
    <message>
        <source>Write the shown channels to a text file.</source>
        <translation>De getoonde zenders naar een tekstbestand schrijven.</translation>
    </message>
    <message>
        <source>Move the usual Astra 19.2° East channels to the top.</source>
        <translation>De gebruikelijke zenders van Astra 19,2° Oost bovenaan zetten.</translation>
    </message>
    <message>
        <source>Delete every transponder no channel uses.</source>
        <translation>Alle transponders verwijderen die door geen enkele zender worden gebruikt.</translation>
    </message>
    <message>
        <source>Count channels, transponders and satellites.</source>
        <translation>Zenders, transponders en satellieten tellen.</translation>
    </message>
    <message>
        <source>Show and edit the receiver&apos;s timers.</source>
        <translation>De timers van de ontvanger tonen en bewerken.</translation>
    </message>
    <message>
        <source>Edit the receiver&apos;s configuration.</source>
        <translation>De configuratie van de ontvanger bewerken.</translation>
    </message>
    <message>
        <source>Show or hide the satellite and LNB properties.</source>
        <translation>De satelliet- en LNB-eigenschappen tonen of verbergen.</translation>
    </message>
    <message>
        <source>Show or hide the transponder properties.</source>
        <translation>De transpondereigenschappen tonen of verbergen.</translation>
    </message>
    <message>
        <source>Show or hide the channel properties.</source>
        <translation>De zendereigenschappen tonen of verbergen.</translation>
    </message>
    <message>
        <source>Show or hide the channel search.</source>
        <translation>Het zoeken naar zenders tonen of verbergen.</translation>
    </message>
    <message>
        <source>Use this language from the next start of the program.</source>
        <translation>Deze taal gebruiken vanaf de volgende start van het programma.</translation>
    </message>
    <message>
        <source>Import the channel list of another receiver.</source>
        <translation>De zenderlijst van een andere ontvanger importeren.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>De laatste wijziging ongedaan maken.</translation>
    </message>
    <message>
        <source>Redo the change you last undid.</source>
        <translation>De ongedaan gemaakte wijziging opnieuw uitvoeren.</translation>
    </message>
    <message>
        <source>Show and use the numbers stored with the channels instead of sequential numbers.</source>
        <translation>De bij de zenders opgeslagen nummers tonen en gebruiken in plaats van doorlopende nummers.</translation>
    </message>
    <message>
        <source>Show sequential numbers in the search results.</source>
        <translation>Doorlopende nummers in de zoekresultaten tonen.</translation>
    </message>
    <message>
        <source>Clear out the transponders no channel uses.</source>
        <translation>Transponders weghalen die door geen enkele zender worden gebruikt.</translation>
    </message>
    <message>
        <source>Delete the selected channels, or take them out of the favourite list shown.</source>
        <translation>De geselecteerde zenders verwijderen of uit de getoonde favorietenlijst halen.</translation>
    </message>
    <message>
        <source>Add a new channel behind the selected one.</source>
        <translation>Een nieuwe zender achter de geselecteerde toevoegen.</translation>
    </message>
    <message>
        <source>Move the selected channels to a position you enter.</source>
        <translation>De geselecteerde zenders naar een opgegeven positie verplaatsen.</translation>
    </message>
    <message>
        <source>Move the selected channels up by one.</source>
        <translation>De geselecteerde zenders één plaats omhoog verplaatsen.</translation>
    </message>
    <message>
        <source>Move the selected channels down by one.</source>
        <translation>De geselecteerde zenders één plaats omlaag verplaatsen.</translation>
    </message>
    <message>
        <source>Number the channels in the order the list shows them.</source>
        <translation>De zenders nummeren in de volgorde waarin de lijst ze toont.</translation>
    </message>
    <message>
        <source>Take the selected channels out of every favourite list.</source>
        <translation>De geselecteerde zenders uit alle favorietenlijsten halen.</translation>
    </message>
    <message>
        <source>Select the HD channels.</source>
        <translation>De HD-zenders selecteren.</translation>
    </message>
    <message>
        <source>Select the pay channels.</source>
        <translation>De betaalzenders selecteren.</translation>
    </message>
    <message>
        <source>Select the channels marked M 1.</source>
        <translation>De zenders met markering M 1 selecteren.</translation>
    </message>
    <message>
        <source>Select the channels marked M 2.</source>
        <translation>De zenders met markering M 2 selecteren.</translation>
    </message>
    <message>
        <source>Mark the selected channels M 1.</source>
        <translation>De geselecteerde zenders met M 1 markeren.</translation>
    </message>
    <message>
        <source>Clear the mark M 1 of the selected channels.</source>
        <translation>De markering M 1 van de geselecteerde zenders wissen.</translation>
    </message>
    <message>
        <source>Set T 1 on the selected channels.</source>
        <translation>T 1 bij de geselecteerde zenders zetten.</translation>
    </message>
    <message>
        <source>Clear T 1 on the selected channels.</source>
        <translation>T 1 bij de geselecteerde zenders wissen.</translation>
    </message>
    <message>
        <source>Set T 2 on the selected channels.</source>
        <translation>T 2 bij de geselecteerde zenders zetten.</translation>
    </message>
    <message>
        <source>Clear T 2 on the selected channels.</source>
        <translation>T 2 bij de geselecteerde zenders wissen.</translation>
    </message>
    <message>
        <source>Give the selected channels T 2 as their T 1 is.</source>
        <translation>T 2 van de geselecteerde zenders gelijk aan hun T 1 zetten.</translation>
    </message>
    <message>
        <source>Give the selected channels T 1 as their T 2 is.</source>
        <translation>T 1 van de geselecteerde zenders gelijk aan hun T 2 zetten.</translation>
    </message>
    <message>
        <source>Sort the list by channel name.</source>
        <translation>De lijst op zendernaam sorteren.</translation>
    </message>
    <message>
        <source>Sort the list by channel number.</source>
        <translation>De lijst op zendernummer sorteren.</translation>
    </message>
    <message>
        <source>Show the properties of the selected channel.</source>
        <translation>De eigenschappen van de geselecteerde zender tonen.</translation>
    </message>
    <message>
        <source>Add the selected channels to this favourite list; a single member leaves it.</source>
        <translation>De geselecteerde zenders aan deze favorietenlijst toevoegen; één enkel lid verlaat haar.</translation>
    </message>
    <message>
        <source>Save the printed pages of the channel list as a PDF file.</source>
        <translation>De afdrukpagina’s van de zenderlijst opslaan als PDF-bestand.</translation>
    </message>
    <message>
        <source>Open the user manual in your browser.</source>
        <translation>De gebruikershandleiding in de browser openen.</translation>
    </message>
    <message>
        <source>See what differs between this list and a file or the receiver&apos;s list.</source>
        <translation>Bekijken wat er verschilt tussen deze lijst en een bestand of de lijst van de ontvanger.</translation>
    </message>
    <message>
        <source>Compare this list with a settings file: channels added, removed, renamed, moved; favourites, satellites, transponders, timers.</source>
        <translation>Deze lijst vergelijken met een instellingenbestand: zenders toegevoegd, verwijderd, hernoemd, verplaatst; favorieten, satellieten, transponders, timers.</translation>
    </message>
    <message>
        <source>Fetch the receiver&apos;s list and show what a send would change on it.</source>
        <translation>De lijst van de ontvanger ophalen en tonen wat een verzending eraan zou veranderen.</translation>
    </message>
    <message>
        <source>Sort this list like another settings file, an Enigma2 bouquet or a text of channel names.</source>
        <translation>Deze lijst sorteren zoals een ander instellingenbestand, een Enigma2-boeket of een tekst met zendernamen.</translation>
    </message>
    <message>
        <source>Select the channels that are the same service as an earlier one.</source>
        <translation>De zenders selecteren die dezelfde dienst zijn als een eerdere.</translation>
    </message>
    <message>
        <source>Open or send one of the receiver&apos;s lists kept before each send.</source>
        <translation>Een van de vóór elke verzending bewaarde lijsten van de ontvanger openen of sturen.</translation>
    </message>
</context>
</TS>
