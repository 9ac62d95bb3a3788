<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CDrucken</name>
    <message>
        <source>There are no channels to print in this selection.</source>
        <translation>In questa selezione non ci sono canali da stampare.</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canali TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canali radio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Pagina</translation>
    </message>
</context>
<context>
    <name>CTarnell1018View</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
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
        <translation>Valore 4</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>A pagamento</translation>
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
        <translation>File di impostazioni (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>Service lists (*.fdu)</source>
        <translation>Liste canali (*.fdu)</translation>
    </message>
    <message>
        <source>Service lists with configuration (*.sys)</source>
        <translation>Liste canali con configurazione (*.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Esporta lista canali</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Vezi Exportliste (*.txt)</source>
        <translation>Lista di esportazione Vezi (*.txt)</translation>
    </message>
    <message>
        <source>Vezi export list in UTF-8 (*.txt)</source>
        <translation>Lista di esportazione Vezi in UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Esporta come PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>The receiver accepted the FTP login.</source>
        <translation>Il ricevitore ha accettato l&apos;accesso FTP.</translation>
    </message>
    <message>
        <source>No FTP connection to the receiver. Check the address, port, user name and password of the network profile.</source>
        <translation>Nessuna connessione FTP con il ricevitore. Controllare indirizzo, porta, nome utente e password del profilo di rete.</translation>
    </message>
    <message>
        <source>ftp Connection Error</source>
        <translation>Errore di connessione FTP</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Nessun dato</translation>
    </message>
    <message>
        <source>No Data 0</source>
        <translation>Nessun dato 0</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>ftp Test</source>
        <translation>Test FTP</translation>
    </message>
    <message>
        <source>Restart receiver</source>
        <translation>Riavvia ricevitore</translation>
    </message>
    <message>
        <source>Fehler 1</source>
        <translation>Errore 1</translation>
    </message>
    <message>
        <source>Kein Connect</source>
        <translation>Nessuna connessione</translation>
    </message>
    <message>
        <source>The receiver did not deliver a service list.</source>
        <translation>Il ricevitore non ha fornito alcuna lista canali.</translation>
    </message>
    <message>
        <source>Restart the receiver now, so that it reads the new lists?</source>
        <translation>Riavviare ora il ricevitore, in modo che legga le nuove liste?</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a service list; it was not read.</source>
        <translation>%1 sul ricevitore è più grande di %2 byte, quindi non è una lista canali; non è stato letto.</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a configuration; it was not read.</source>
        <translation>%1 sul ricevitore è più grande di %2 byte, quindi non è una configurazione; non è stato letto.</translation>
    </message>
    <message>
        <source>The service list fetched from the receiver cannot be opened.</source>
        <translation>La lista canali scaricata dal ricevitore non può essere aperta.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be kept; nothing was sent.</source>
        <translation>Non è stato possibile conservare una copia dei file attuali del ricevitore; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be read; nothing was sent.</source>
        <translation>Non è stato possibile leggere i file attuali del ricevitore; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver keeps its previous file.</source>
        <translation>Impossibile scrivere %1; il ricevitore conserva il file precedente.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>Impossibile scrivere %1; ora il file sul ricevitore potrebbe essere incompleto. I file precedenti si trovano in &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver keeps its previous file.</source>
        <translation>La lista canali è stata inviata, ma non è stato possibile scrivere %1; il ricevitore conserva il file precedente.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>La lista canali è stata inviata, ma non è stato possibile scrivere %1; ora il file sul ricevitore potrebbe essere incompleto. I file precedenti si trovano in &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no receiver address</source>
        <translation>il profilo &quot;%1&quot; non ha un indirizzo del ricevitore</translation>
    </message>
    <message>
        <source>the receiver has no %1</source>
        <translation>il ricevitore non ha il file %1</translation>
    </message>
    <message>
        <source>the receiver has no %1; nothing was sent</source>
        <translation>il ricevitore non ha il file %1; non è stato inviato nulla</translation>
    </message>
    <message>
        <source>%1 on the receiver is empty</source>
        <translation>%1 sul ricevitore è vuoto</translation>
    </message>
    <message>
        <source>the receiver closed the connection: %1</source>
        <translation>il ricevitore ha chiuso la connessione: %1</translation>
    </message>
    <message>
        <source>The FTP client could not be set up.</source>
        <translation>Non è stato possibile preparare il client FTP.</translation>
    </message>
    <message>
        <source>No receiver address or port.</source>
        <translation>Manca l&apos;indirizzo o la porta del ricevitore.</translation>
    </message>
    <message>
        <source>The user name or the password contains a line break.</source>
        <translation>Il nome utente o la password contiene un a capo.</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>I dati di sistema sono danneggiati!</translation>
    </message>
    <message>
        <source>There is no network profile. Add one for the receiver on the Network page of the options.</source>
        <translation>Non esiste alcun profilo di rete. Aggiungerne uno per il ricevitore nella pagina &quot;Rete&quot; delle opzioni.</translation>
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
        <translation>Spento</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
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
        <translation>Sempre</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Black screen</source>
        <translation>Schermo nero</translation>
    </message>
    <message>
        <source>Still picture</source>
        <translation>Fermo immagine</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>In alto</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>In basso</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>Numero del canale</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>Nome del canale</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Dimmed</source>
        <translation>Attenuata</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Stay on</source>
        <translation>Resta acceso</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimitato</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Region %1</source>
        <translation>Regione %1</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 ore</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 ore</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>Lingua del menu</translation>
    </message>
    <message>
        <source>First audio language</source>
        <translation>Prima lingua audio</translation>
    </message>
    <message>
        <source>Second audio language</source>
        <translation>Seconda lingua audio</translation>
    </message>
    <message>
        <source>First subtitle language</source>
        <translation>Prima lingua dei sottotitoli</translation>
    </message>
    <message>
        <source>Second subtitle language</source>
        <translation>Seconda lingua dei sottotitoli</translation>
    </message>
    <message>
        <source>Programme guide language</source>
        <translation>Lingua della guida programmi</translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
    <message>
        <source>Start timeshift automatically</source>
        <translation>Avvia il timeshift automaticamente</translation>
    </message>
    <message>
        <source>Start recordings earlier by</source>
        <translation>Anticipa l’inizio delle registrazioni di</translation>
    </message>
    <message>
        <source>End recordings later by</source>
        <translation>Posticipa la fine delle registrazioni di</translation>
    </message>
    <message>
        <source>After a timer recording</source>
        <translation>Dopo una registrazione programmata</translation>
    </message>
    <message>
        <source>Length of an instant recording</source>
        <translation>Durata di una registrazione immediata</translation>
    </message>
    <message>
        <source>Timeshift length</source>
        <translation>Durata del timeshift</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Formato di registrazione</translation>
    </message>
    <message>
        <source>Recording buffer</source>
        <translation>Buffer di registrazione</translation>
    </message>
    <message>
        <source>Playback buffer</source>
        <translation>Buffer di riproduzione</translation>
    </message>
    <message>
        <source>Age rating</source>
        <translation>Limite di età</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>Codice PIN</translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation>Blocco %1</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Info bar shown for</source>
        <translation>Barra informativa visibile per</translation>
    </message>
    <message>
        <source>Clock in standby</source>
        <translation>Orologio in standby</translation>
    </message>
    <message>
        <source>Volume bar shown for</source>
        <translation>Barra del volume visibile per</translation>
    </message>
    <message>
        <source>While changing channels</source>
        <translation>Durante il cambio di canale</translation>
    </message>
    <message>
        <source>Info bar position</source>
        <translation>Posizione della barra informativa</translation>
    </message>
    <message>
        <source>Front display shows</source>
        <translation>Il display frontale mostra</translation>
    </message>
    <message>
        <source>Front display lighting</source>
        <translation>Illuminazione del display frontale</translation>
    </message>
    <message>
        <source>Menu shown for</source>
        <translation>Menu visibile per</translation>
    </message>
    <message>
        <source>Menu transparency</source>
        <translation>Trasparenza del menu</translation>
    </message>
    <message>
        <source>Time setting</source>
        <translation>Impostazione dell’ora</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Clock format</source>
        <translation>Formato dell’ora</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Sistema TV</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Formato dello schermo</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Display format</source>
        <translation>Formato di visualizzazione</translation>
    </message>
    <message>
        <source>Video output</source>
        <translation>Uscita video</translation>
    </message>
    <message>
        <source>Dolby Digital</source>
        <translation>Dolby Digital</translation>
    </message>
    <message>
        <source>Sound over HDMI</source>
        <translation>Audio tramite HDMI</translation>
    </message>
    <message>
        <source>Sound mode</source>
        <translation>Modalità audio</translation>
    </message>
    <message>
        <source>Video option</source>
        <translation>Opzione video</translation>
    </message>
    <message>
        <source>Sound delay</source>
        <translation>Ritardo audio</translation>
    </message>
    <message>
        <source>Addresses from the network (DHCP)</source>
        <translation>Indirizzi dalla rete (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Maschera di sottorete</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>First DNS server</source>
        <translation>Primo server DNS</translation>
    </message>
    <message>
        <source>Second DNS server</source>
        <translation>Secondo server DNS</translation>
    </message>
    <message>
        <source>Further address %1</source>
        <translation>Altro indirizzo %1</translation>
    </message>
    <message>
        <source>Network option</source>
        <translation>Opzione di rete</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Testo %1</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Opzione %1</translation>
    </message>
    <message>
        <source>Channel numbers as stored in the list</source>
        <translation>Numeri dei canali come salvati nella lista</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Longitudine del luogo</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Latitudine del luogo</translation>
    </message>
    <message>
        <source>Time span shown</source>
        <translation>Intervallo mostrato</translation>
    </message>
    <message>
        <source>Programme guide memory</source>
        <translation>Memoria della guida programmi</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Parental control</source>
        <translation>Controllo parentale</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>Lista dei canali</translation>
    </message>
    <message>
        <source>Positioner and single cable</source>
        <translation>Posizionatore e cavo singolo</translation>
    </message>
    <message>
        <source>Picture and sound output</source>
        <translation>Uscita audio e video</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>Repair channel names</source>
        <translation>Ripara i nomi dei canali</translation>
    </message>
    <message>
        <source>New favourite list</source>
        <translation>Nuova lista preferiti</translation>
    </message>
    <message>
        <source>Remove unused transponders</source>
        <translation>Rimuovi i transponder inutilizzati</translation>
    </message>
    <message>
        <source>Channel numbering</source>
        <translation>Numerazione dei canali</translation>
    </message>
    <message>
        <source>Sort by template</source>
        <translation>Ordina secondo il modello</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Sposta canale</translation>
    </message>
    <message>
        <source>Rename channel</source>
        <translation>Rinomina canale</translation>
    </message>
    <message>
        <source>Add to favourites</source>
        <translation>Aggiungi ai preferiti</translation>
    </message>
    <message>
        <source>Remove from favourites</source>
        <translation>Rimuovi dai preferiti</translation>
    </message>
    <message>
        <source>Adopt the list order</source>
        <translation>Adotta l&apos;ordine della lista</translation>
    </message>
    <message>
        <source>New TV channel</source>
        <translation>Nuovo canale TV</translation>
    </message>
    <message>
        <source>New radio channel</source>
        <translation>Nuovo canale radio</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nuovo satellite</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nuovo transponder</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>Elimina canali</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Elimina transponder</translation>
    </message>
    <message>
        <source>Rename provider</source>
        <translation>Rinomina provider</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Rinomina lista preferiti</translation>
    </message>
    <message>
        <source>Delete favourite list</source>
        <translation>Elimina lista preferiti</translation>
    </message>
    <message>
        <source>Favourite list from provider</source>
        <translation>Lista preferiti dal provider</translation>
    </message>
    <message>
        <source>Move favourite list</source>
        <translation>Sposta lista preferiti</translation>
    </message>
    <message>
        <source>Move satellite</source>
        <translation>Sposta satellite</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Elimina %n canale</numerusform>
            <numerusform>Elimina %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>Taglia %n canale</numerusform>
            <numerusform>Taglia %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>Incolla %n canale</numerusform>
            <numerusform>Incolla %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mark %n channel(s)</source>
        <translation>
            <numerusform>Contrassegna %n canale</numerusform>
            <numerusform>Contrassegna %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %n channel(s)</source>
        <translation>
            <numerusform>Numera %n canale</numerusform>
            <numerusform>Numera %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s)</source>
        <translation>
            <numerusform>Sposta %n canale</numerusform>
            <numerusform>Sposta %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite list</source>
        <translation>
            <numerusform>Aggiungi %n canale a una lista preferiti</numerusform>
            <numerusform>Aggiungi %n canali a una lista preferiti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from a favourite list</source>
        <translation>
            <numerusform>Rimuovi %n canale da una lista preferiti</numerusform>
            <numerusform>Rimuovi %n canali da una lista preferiti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from the favourite list</source>
        <translation>
            <numerusform>Rimuovi %n canale dalla lista preferiti</numerusform>
            <numerusform>Rimuovi %n canali dalla lista preferiti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from all favourite lists</source>
        <translation>
            <numerusform>Rimuovi %n canale da tutte le liste preferiti</numerusform>
            <numerusform>Rimuovi %n canali da tutte le liste preferiti</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all timers</source>
        <translation>Elimina tutti i timer</translation>
    </message>
    <message>
        <source>Change timer</source>
        <translation>Modifica timer</translation>
    </message>
    <message>
        <source>Change timer text</source>
        <translation>Modifica testo del timer</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timer(s)</source>
        <translation>
            <numerusform>Elimina %n timer</numerusform>
            <numerusform>Elimina %n timer</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>Modifica satellite</translation>
    </message>
    <message>
        <source>Edit LNB settings</source>
        <translation>Modifica impostazioni LNB</translation>
    </message>
    <message>
        <source>Change tuner mode</source>
        <translation>Cambia modalità sintonizzatore</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Modifica transponder</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>Modifica canale</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Configurazione del ricevitore</translation>
    </message>
    <message>
        <source>Apply a reference order</source>
        <translation>Applica un ordine di riferimento</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutCtrl</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Service lists and settings of Octagon SF 1018 and SF 1028 receivers</source>
        <translation>Liste canali e impostazioni dei ricevitori Octagon SF 1018 e SF 1028</translation>
    </message>
    <message>
        <source>Thanks to every receiver owner who shared a list and tested the transfers.</source>
        <translation>Grazie a tutti i possessori di ricevitori che hanno condiviso una lista e provato i trasferimenti.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Compilato con Qt %1, in esecuzione su Qt %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutDlg</name>
    <message>
        <source>About Tarnell 1018</source>
        <translation>Informazioni su Tarnell 1018</translation>
    </message>
</context>
<context>
    <name>tarnell::CAppOptionPage</name>
    <message>
        <source>Tooltips</source>
        <translation>Descrizioni comandi</translation>
    </message>
    <message>
        <source>Show tooltips on the ribbon</source>
        <translation>Mostra le descrizioni comandi sulla barra multifunzione</translation>
    </message>
    <message>
        <source>Show the description in the tooltips</source>
        <translation>Mostra la descrizione nelle descrizioni comandi</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Finestra principale</translation>
    </message>
    <message>
        <source>Status Bar On/Off</source>
        <translation>Barra di stato sì/no</translation>
    </message>
    <message>
        <source>Message Bar On/Off</source>
        <translation>Barra dei messaggi sì/no</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Channel list background</source>
        <translation>Sfondo della lista canali</translation>
    </message>
    <message>
        <source>Channel list text</source>
        <translation>Testo della lista canali</translation>
    </message>
    <message>
        <source>Tree background</source>
        <translation>Sfondo dell&apos;albero</translation>
    </message>
    <message>
        <source>Tree text</source>
        <translation>Testo dell&apos;albero</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>Altri colori...</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Tooltips, the bars of the main window and the colours of the tree and the channel list. Bars and colours change at once.</source>
        <translation>Descrizioni comandi, barre della finestra principale e colori dell&apos;albero e della lista canali. Barre e colori cambiano subito.</translation>
    </message>
</context>
<context>
    <name>tarnell::CBackupDlg</name>
    <message>
        <source>Restore a Backup</source>
        <translation>Ripristina un backup</translation>
    </message>
    <message>
        <source>Before each send the receiver&apos;s list is kept here. Open one to look at it, or send it back to the receiver.</source>
        <translation>Prima di ogni invio la lista del ricevitore viene conservata qui. Aprine una per esaminarla o inviala di nuovo al ricevitore.</translation>
    </message>
    <message>
        <source>Kept on</source>
        <translation>Conservato il</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Compared with the open list</source>
        <translation>Confronto con la lista aperta</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>non leggibile</translation>
    </message>
    <message>
        <source>Open as New Document</source>
        <translation>Apri come nuovo documento</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Invia al ricevitore</translation>
    </message>
    <message>
        <source>No backups have been kept yet.</source>
        <translation>Non è stato ancora conservato alcun backup.</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelEditCommands</name>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Adopt List Order</source>
        <translation>Adotta l&apos;ordine della lista</translation>
    </message>
    <message>
        <source>The clipboard holds no channels, transponders or satellites.</source>
        <translation>Gli appunti non contengono canali, transponder o satelliti.</translation>
    </message>
    <message>
        <source>A channel on the clipboard is of the other kind (TV or radio) than the list shown; the paste stopped there.</source>
        <translation>Un canale negli appunti è di tipo diverso (TV o radio) dalla lista mostrata; l&apos;inserimento si è fermato lì.</translation>
    </message>
    <message>
        <source>No free transponder is left for a channel on the clipboard; the paste stopped there.</source>
        <translation>Non resta alcun transponder libero per un canale negli appunti; l&apos;inserimento si è fermato lì.</translation>
    </message>
    <message>
        <source>No satellite can be added for a channel on the clipboard: the list holds 255 satellites. The paste stopped there.</source>
        <translation>Non si può aggiungere un satellite per un canale negli appunti: la lista contiene 255 satelliti. L&apos;inserimento si è fermato lì.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes; the paste stopped there.</source>
        <translation>La lista contiene 10.000 canali, il massimo che il ricevitore accetta; l&apos;inserimento si è fermato lì.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes.</source>
        <translation>La lista contiene 10.000 canali, il massimo che il ricevitore accetta.</translation>
    </message>
    <message>
        <source>New channel %1 created.</source>
        <translation>Nuovo canale %1 creato.</translation>
    </message>
    <message>
        <source>The list order can only be adopted while the list shows all channels.</source>
        <translation>L&apos;ordine della lista si può adottare solo mentre la lista mostra tutti i canali.</translation>
    </message>
    <message>
        <source>Should the channels be numbered in the order the list shows them now?</source>
        <translation>Numerare i canali nell&apos;ordine in cui la lista li mostra ora?</translation>
    </message>
    <message>
        <source>The channels were not moved.</source>
        <translation>I canali non sono stati spostati.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved.</source>
        <translation>
            <numerusform>%n canale spostato.</numerusform>
            <numerusform>%n canali spostati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelListCommands</name>
    <message>
        <source>Column width of the list style</source>
        <translation>Larghezza delle colonne della vista elenco</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelSucheDlg</name>
    <message>
        <source>Part of a channel name</source>
        <translation>Parte del nome di un canale</translation>
    </message>
    <message>
        <source>No service list is open.</source>
        <translation>Nessuna lista canali aperta.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) found</source>
        <translation>
            <numerusform>%n canale trovato</numerusform>
            <numerusform>%n canali trovati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareCommands</name>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... e altri %1</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Compare with a File...</source>
        <translation>Confronta con un file...</translation>
    </message>
    <message>
        <source>Compare with the Receiver&apos;s List...</source>
        <translation>Confronta con la lista del ricevitore...</translation>
    </message>
    <message>
        <source>Apply a Reference Order...</source>
        <translation>Applica un ordine di riferimento...</translation>
    </message>
    <message>
        <source>Select Duplicates</source>
        <translation>Seleziona i duplicati</translation>
    </message>
    <message>
        <source>Restore a Backup...</source>
        <translation>Ripristina un backup...</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>File di impostazioni (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>the receiver&apos;s list</source>
        <translation>la lista del ricevitore</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Lista di riferimento</translation>
    </message>
    <message>
        <source>Reference lists (*.fdu *.sys *.tv *.radio *.txt)</source>
        <translation>Liste di riferimento (*.fdu *.sys *.tv *.radio *.txt)</translation>
    </message>
    <message>
        <source>Enigma2 bouquets (*.tv *.radio)</source>
        <translation>Bouquet Enigma2 (*.tv *.radio)</translation>
    </message>
    <message>
        <source>Channel names, one a line (*.txt)</source>
        <translation>Nomi dei canali, uno per riga (*.txt)</translation>
    </message>
    <message>
        <source>The reference has favourite lists (%1). Rebuild the favourite lists of the same names from it too?</source>
        <translation>Il riferimento contiene liste dei preferiti (%1). Ricostruire da esso anche le liste dei preferiti con lo stesso nome?</translation>
    </message>
    <message>
        <source>Apply a Reference Order</source>
        <translation>Applica un ordine di riferimento</translation>
    </message>
    <message>
        <source>%1 channels took the reference&apos;s order: %2 by satellite, transponder and service, %3 by name.</source>
        <translation>%1 canali hanno preso l&apos;ordine del riferimento: %2 per satellite, transponder e servizio, %3 per nome.</translation>
    </message>
    <message>
        <source>Favourite lists: %1 rebuilt, %2 added.</source>
        <translation>Liste dei preferiti: %1 ricostruite, %2 aggiunte.</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they follow in their order:</source>
        <translation>%1 canali non sono nel riferimento; seguono nel loro ordine:</translation>
    </message>
    <message>
        <source>%1 entries of the reference found no channel:</source>
        <translation>%1 voci del riferimento non hanno trovato alcun canale:</translation>
    </message>
    <message>
        <source>No TV channel is there twice.</source>
        <translation>Nessun canale TV è presente due volte.</translation>
    </message>
    <message>
        <source>No radio channel is there twice.</source>
        <translation>Nessun canale radio è presente due volte.</translation>
    </message>
    <message>
        <source>%1 names stand on more than one transponder; their channels are selected.</source>
        <translation>%1 nomi si trovano su più di un transponder; i loro canali sono selezionati.</translation>
    </message>
    <message>
        <source>%1 channels are the same service as an earlier one and are selected; %2 names stand on more than one transponder.</source>
        <translation>%1 canali sono lo stesso servizio di uno precedente e sono selezionati; %2 nomi si trovano su più di un transponder.</translation>
    </message>
    <message>
        <source>%1 channels of the list are not in the reference. Put them before the channels the reference orders? (No puts them after.)</source>
        <translation>%1 canali della lista non sono nel riferimento. Metterli prima dei canali ordinati dal riferimento? (No li mette dopo.)</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they come first, in their order:</source>
        <translation>%1 canali non sono nel riferimento; vengono per primi, nel loro ordine:</translation>
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
        <translation>numero memorizzato</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>PID video</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>indicatori</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>options</source>
        <translation>opzioni</translation>
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
        <translation>canale</translation>
    </message>
    <message>
        <source>start</source>
        <translation>inizio</translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>other values</source>
        <translation>altri valori</translation>
    </message>
    <message>
        <source>was &quot;%1&quot;</source>
        <translation>prima &quot;%1&quot;</translation>
    </message>
    <message>
        <source>list &quot;%1&quot;</source>
        <translation>lista &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Liste dei preferiti</translation>
    </message>
    <message>
        <source>Channels in favourite lists</source>
        <translation>Canali nelle liste dei preferiti</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>LNB settings</source>
        <translation>Impostazioni LNB</translation>
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
        <translation>Configurazione del ricevitore</translation>
    </message>
    <message>
        <source>added</source>
        <translation>aggiunti</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>rimossi</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>rinominati</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>spostati</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificati</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Nessuna differenza.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>From &lt;b&gt;%1&lt;/b&gt; to &lt;b&gt;%2&lt;/b&gt;:</source>
        <translation>Da &lt;b&gt;%1&lt;/b&gt; a &lt;b&gt;%2&lt;/b&gt;:</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Filtra per nome</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Tutte le modifiche</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
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
        <translation>Selezionare un satellite nell&apos;albero per modificarlo qui.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Select a transponder in the tree to edit it here.</source>
        <translation>Selezionare un transponder nell&apos;albero per modificarlo qui.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Select a channel in the list to edit it here.</source>
        <translation>Selezionare un canale nella lista per modificarlo qui.</translation>
    </message>
    <message>
        <source>Channel Search</source>
        <translation>Ricerca canali</translation>
    </message>
    <message>
        <source>Type part of a channel name to find it.</source>
        <translation>Digitare parte del nome di un canale per trovarlo.</translation>
    </message>
</context>
<context>
    <name>tarnell::CDocumentCommands</name>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Stored Numbers</source>
        <translation>Numeri memorizzati</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Rinumera</translation>
    </message>
    <message>
        <source>Repair Names</source>
        <translation>Ripara nomi</translation>
    </message>
    <message>
        <source>Channel name references repaired.</source>
        <translation>Riferimenti ai nomi dei canali riparati.</translation>
    </message>
    <message>
        <source>Remove Unused Transponders</source>
        <translation>Rimuovi transponder inutilizzati</translation>
    </message>
    <message numerus="yes">
        <source>%n unused transponder(s) removed.</source>
        <translation>
            <numerusform>%n transponder inutilizzato rimosso.</numerusform>
            <numerusform>%n transponder inutilizzati rimossi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as Text...</source>
        <translation>Esporta come testo...</translation>
    </message>
    <message>
        <source>Sort by Template</source>
        <translation>Ordina secondo modello</translation>
    </message>
    <message>
        <source>The channels have been renumbered.</source>
        <translation>I canali sono stati rinumerati.</translation>
    </message>
    <message numerus="yes">
        <source>The channels have been renumbered; %n channel(s) moved to the top by the template.</source>
        <translation>
            <numerusform>I canali sono stati rinumerati; %n canale è stato spostato in cima dal modello.</numerusform>
            <numerusform>I canali sono stati rinumerati; %n canali sono stati spostati in cima dal modello.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel list exported to %1.</source>
        <translation>Lista canali esportata in %1.</translation>
    </message>
    <message>
        <source>Sequential Numbers</source>
        <translation>Numerazione progressiva</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti: %1</translation>
    </message>
</context>
<context>
    <name>tarnell::CFavouriteColours</name>
    <message>
        <source>More Colours...</source>
        <translation>Altri colori...</translation>
    </message>
</context>
<context>
    <name>tarnell::CFtpOptionPage</name>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Nuovo profilo</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Elimina profilo</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ricevitore</translation>
    </message>
    <message>
        <source>Restart with &quot;reboot -f&quot;</source>
        <translation>Riavvia con &quot;reboot -f&quot;</translation>
    </message>
    <message>
        <source>Test FTP Login</source>
        <translation>Prova accesso FTP</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>The receiver&apos;s address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>L&apos;indirizzo del ricevitore deve essere formato da quattro numeri da 0 a 255 separati da punti, ad esempio 192.168.0.10.</translation>
    </message>
    <message>
        <source>The port must be a whole number from %1 to %2; FTP usually uses %3.</source>
        <translation>La porta deve essere un numero intero da %1 a %2; di solito FTP usa la %3.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Logging in to %1:%2 ...</source>
        <translation>Accesso a %1:%2 in corso...</translation>
    </message>
    <message>
        <source>The receivers on your network. Transfers use the profile selected in the list; changes take effect at once and stay even after Cancel.</source>
        <translation>I ricevitori della rete. I trasferimenti usano il profilo selezionato nell&apos;elenco; le modifiche valgono subito e restano anche dopo Annulla.</translation>
    </message>
</context>
<context>
    <name>tarnell::CImportDlg</name>
    <message>
        <source>Datenfile nicht gefunden, oder Datenfile in Gebrauch!</source>
        <translation>File dati non trovato o file dati in uso!</translation>
    </message>
    <message>
        <source>Fehler beim Lesen des Datenfiles!</source>
        <translation>Errore durante la lettura del file dati!</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>I dati di sistema sono danneggiati!</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Origine:</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Cartella...</translation>
    </message>
    <message>
        <source>Choose the folder that holds lamedb and the bouquet files.</source>
        <translation>Scegli la cartella che contiene lamedb e i file dei bouquet.</translation>
    </message>
    <message>
        <source>Base settings file:</source>
        <translation>File di impostazioni di base:</translation>
    </message>
    <message>
        <source>Its satellites and receiver configuration are kept; the file itself is not changed.</source>
        <translation>I suoi satelliti e la configurazione del ricevitore vengono mantenuti; il file stesso non viene modificato.</translation>
    </message>
    <message>
        <source>Start Import</source>
        <translation>Avvia importazione</translation>
    </message>
    <message>
        <source>kein Source</source>
        <translation>Nessuna origine</translation>
    </message>
    <message>
        <source>Bouquets (TV)</source>
        <translation>Bouquet (TV)</translation>
    </message>
    <message>
        <source>Bouquets (Radio)</source>
        <translation>Bouquet (Radio)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Reading the bouquets...</source>
        <translation>Lettura dei bouquet...</translation>
    </message>
    <message>
        <source>Channel list to import</source>
        <translation>Lista canali da importare</translation>
    </message>
    <message>
        <source>Base settings file</source>
        <translation>File di impostazioni di base</translation>
    </message>
    <message>
        <source>Importing the channel list...</source>
        <translation>Importazione della lista canali...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Please check files</source>
        <translation>Controllare i file</translation>
    </message>
    <message>
        <source>Imported: %1 TV and %2 radio channels, %3 transponders, %4 new satellites, %5 favourite lists.</source>
        <translation>Importati: %1 canali TV e %2 radio, %3 transponder, %4 nuovi satelliti, %5 liste preferiti.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders, no free transponder slot.</source>
        <translation>Esclusi: %1 transponder, nessuno spazio transponder libero.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders whose frequency or position the receiver cannot store.</source>
        <translation>Esclusi: %1 transponder la cui frequenza o posizione il ricevitore non può memorizzare.</translation>
    </message>
    <message>
        <source>Left out: %1 satellites beyond 255 (their transponders went to the last one).</source>
        <translation>Esclusi: %1 satelliti oltre 255 (i loro transponder sono andati all&apos;ultimo).</translation>
    </message>
    <message>
        <source>Left out: %1 services, the receiver holds at most 10,000 channels.</source>
        <translation>Esclusi: %1 servizi, il ricevitore contiene al massimo 10.000 canali.</translation>
    </message>
    <message>
        <source>Left out: %1 services of a type the receiver does not list (only 1, 2, 4, 22 and 25).</source>
        <translation>Esclusi: %1 servizi di un tipo che il ricevitore non elenca (solo 1, 2, 4, 22 e 25).</translation>
    </message>
    <message>
        <source>Note: %1 channels have no transponder.</source>
        <translation>Nota: %1 canali non hanno un transponder.</translation>
    </message>
    <message>
        <source>Import report</source>
        <translation>Resoconto importazione</translation>
    </message>
</context>
<context>
    <name>tarnell::CLeftView</name>
    <message>
        <source>Satellite Properties</source>
        <translation>Proprietà del satellite</translation>
    </message>
    <message>
        <source>Transponder Properties</source>
        <translation>Proprietà del transponder</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Mark Favourite List</source>
        <translation>Contrassegna lista preferiti</translation>
    </message>
    <message>
        <source>Clear Favourite Mark</source>
        <translation>Togli contrassegno preferiti</translation>
    </message>
    <message>
        <source>Favourite Sequence Numbers</source>
        <translation>Numeri progressivi dei preferiti</translation>
    </message>
    <message>
        <source>Delete Favourite List</source>
        <translation>Elimina lista preferiti</translation>
    </message>
    <message>
        <source>New Favourite List</source>
        <translation>Nuova lista preferiti</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nuovo transponder</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Nuovo canale</translation>
    </message>
    <message>
        <source>Delete Channels of Transponder</source>
        <translation>Elimina i canali del transponder</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Elimina transponder</translation>
    </message>
    <message>
        <source>Delete Transponders of Satellite</source>
        <translation>Elimina i transponder del satellite</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nuovo satellite</translation>
    </message>
    <message>
        <source>New Favourite List from Provider</source>
        <translation>Nuova lista preferiti dal provider</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Per nome</translation>
    </message>
    <message>
        <source>By Orbital Position</source>
        <translation>Per posizione orbitale</translation>
    </message>
    <message>
        <source>In Stored Order</source>
        <translation>Nell&apos;ordine memorizzato</translation>
    </message>
    <message>
        <source>By Number</source>
        <translation>Per numero</translation>
    </message>
    <message>
        <source>Satellites with Channels</source>
        <translation>Satelliti con canali</translation>
    </message>
    <message>
        <source>Satellites with LNB Settings</source>
        <translation>Satelliti con impostazioni LNB</translation>
    </message>
    <message>
        <source>ISO 6937</source>
        <translation>ISO 6937</translation>
    </message>
    <message>
        <source>ISO 8859-5 (Cyrillic)</source>
        <translation>ISO 8859-5 (cirillico)</translation>
    </message>
    <message>
        <source>ISO 8859-6 (Arabic)</source>
        <translation>ISO 8859-6 (arabo)</translation>
    </message>
    <message>
        <source>ISO 8859-7 (Greek)</source>
        <translation>ISO 8859-7 (greco)</translation>
    </message>
    <message>
        <source>ISO 8859-8 (Hebrew)</source>
        <translation>ISO 8859-8 (ebraico)</translation>
    </message>
    <message>
        <source>ISO 8859-9 (Turkish)</source>
        <translation>ISO 8859-9 (turco)</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Satellite Order</source>
        <translation>Ordine dei satelliti</translation>
    </message>
    <message>
        <source>Active Satellites</source>
        <translation>Satelliti attivi</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Ordine dei provider</translation>
    </message>
    <message>
        <source>Favourite Code Page</source>
        <translation>Codifica dei preferiti</translation>
    </message>
    <message>
        <source>The list holds 255 satellites, as many as the receiver takes.</source>
        <translation>La lista contiene 255 satelliti, il massimo che il ricevitore accetta.</translation>
    </message>
    <message>
        <source>Kein SatArrayPos</source>
        <translation>Il satellite non è nella lista dei satelliti.</translation>
    </message>
    <message>
        <source>Es konnte kein neuer Transponder erzeugt werden.</source>
        <translation>Non è stato possibile creare un nuovo transponder.</translation>
    </message>
</context>
<context>
    <name>tarnell::CMainFrame</name>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>About Tarnell 1018</source>
        <translation>Informazioni su Tarnell 1018</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>List Style</source>
        <translation>Stile elenco</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Elenco</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Finestre</translation>
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
        <translation>Solo satelliti attivi</translation>
    </message>
    <message>
        <source>Satellite Numbers</source>
        <translation>Numeri dei satelliti</translation>
    </message>
    <message>
        <source>Favourite Text</source>
        <translation>Testo preferiti</translation>
    </message>
    <message>
        <source>Favourite Background</source>
        <translation>Sfondo preferiti</translation>
    </message>
    <message>
        <source>Favourite Options</source>
        <translation>Opzioni preferiti</translation>
    </message>
    <message>
        <source>Network Profiles</source>
        <translation>Profili di rete</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ricevitore</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Invia al ricevitore</translation>
    </message>
    <message>
        <source>Fetch Service List</source>
        <translation>Scarica lista canali</translation>
    </message>
    <message>
        <source>Fetch Service List and Configuration</source>
        <translation>Scarica lista canali e configurazione</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Receiver Configuration</source>
        <translation>Configurazione ricevitore</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Tarnell 1018 edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers.

Open a settings file (*.fdu, *.sys) or fetch the list from the receiver, choose a satellite, transponder, provider or favourite list in the tree on the left and work on its channels in the list on the right. Save the file or send it back to the receiver when you are done.

Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+A select all, Ctrl+W close, Shift+F1 what&apos;s this.</source>
        <translation>Tarnell 1018 modifica le liste canali e le impostazioni dei ricevitori Octagon SF 1018 e SF 1028.

Aprire un file di impostazioni (*.fdu, *.sys) o scaricare la lista dal ricevitore, scegliere un satellite, un transponder, un provider o una lista preferiti nell&apos;albero a sinistra e lavorare sui suoi canali nella lista a destra. Al termine salvare il file o rimandarlo al ricevitore.

Tasti: Ctrl+N nuovo, Ctrl+O apri, Ctrl+S salva, Ctrl+Z annulla, Ctrl+Y ripeti, Ctrl+A seleziona tutto, Ctrl+W chiudi, Maiusc+F1 guida rapida.</translation>
    </message>
    <message>
        <source>Community Web Page</source>
        <translation>Pagina web della comunità</translation>
    </message>
    <message>
        <source>Tabbed Windows</source>
        <translation>Finestre a schede</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Sovrapponi</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Affianca</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>File recenti</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Appunti</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <translation>TV/Radio</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>The service list window has been closed.</source>
        <translation>La finestra della lista canali è stata chiusa.</translation>
    </message>
    <message>
        <source>Service list %1</source>
        <translation>Lista canali %1</translation>
    </message>
    <message>
        <source>The settings file cannot be opened.</source>
        <translation>Impossibile aprire il file di impostazioni.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. These parts of it cannot be read:

%2

If you open it, the list lacks them, and saving or sending it loses them for good. Open it anyway?</source>
        <translation>Il file di impostazioni %1 è danneggiato. Queste sue parti non si possono leggere:

%2

Se lo apri, alla lista mancano, e salvandola o inviandola andranno perse per sempre. Aprirlo comunque?</translation>
    </message>
    <message>
        <source>Damaged settings file</source>
        <translation>File di impostazioni danneggiato</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

The receiver would get it without these parts. Send it anyway?</source>
        <translation>Questa lista proviene da un file danneggiato e le manca: %1.

Il ricevitore la riceverebbe senza queste parti. Inviarla comunque?</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

Saving writes it without these parts. Save it anyway?</source>
        <translation>Questa lista proviene da un file danneggiato e le manca: %1.

Verrà salvata senza queste parti. Salvarla comunque?</translation>
    </message>
    <message>
        <source>Import of other channel lists</source>
        <translation>Importazione di altre liste canali</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Selezione della lingua</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Manuale utente</translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation>Il manuale utente non è installato.</translation>
    </message>
</context>
<context>
    <name>tarnell::CNavigationTreeModel</name>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Liste preferiti</translation>
    </message>
</context>
<context>
    <name>tarnell::CNetworkProfileListModel</name>
    <message>
        <source>A network profile needs a name.</source>
        <translation>Un profilo di rete deve avere un nome.</translation>
    </message>
    <message>
        <source>There is a network profile named &quot;%1&quot; already.</source>
        <translation>Esiste già un profilo di rete chiamato &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsConcretePage</name>
    <message>
        <source>Favourite lists</source>
        <translation>Liste preferiti</translation>
    </message>
    <message>
        <source>Selection after a favourite command:</source>
        <translation>Selezione dopo un comando dei preferiti:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Annullata</translation>
    </message>
    <message>
        <source>Kept as it was</source>
        <translation>Mantenuta com&apos;era</translation>
    </message>
    <message>
        <source>Numbers in a favourite list:</source>
        <translation>Numeri in una lista preferiti:</translation>
    </message>
    <message>
        <source>Stored numbers</source>
        <translation>Numeri memorizzati</translation>
    </message>
    <message>
        <source>Pasted channels:</source>
        <translation>Canali incollati:</translation>
    </message>
    <message>
        <source>Keep their favourite lists</source>
        <translation>Mantenerli nelle loro liste preferiti</translation>
    </message>
    <message>
        <source>Take them out of every favourite list</source>
        <translation>Toglierli da tutte le liste preferiti</translation>
    </message>
    <message>
        <source>Code page of the list names:</source>
        <translation>Codifica dei nomi delle liste:</translation>
    </message>
    <message>
        <source>ISO 6937 (20269)</source>
        <translation>ISO 6937 (20269)</translation>
    </message>
    <message>
        <source>Cyrillic, ISO 8859-5 (28595)</source>
        <translation>Cirillico, ISO 8859-5 (28595)</translation>
    </message>
    <message>
        <source>Arabic, ISO 8859-6 (28596)</source>
        <translation>Arabo, ISO 8859-6 (28596)</translation>
    </message>
    <message>
        <source>Greek, ISO 8859-7 (28597)</source>
        <translation>Greco, ISO 8859-7 (28597)</translation>
    </message>
    <message>
        <source>Hebrew, ISO 8859-8 (28598)</source>
        <translation>Ebraico, ISO 8859-8 (28598)</translation>
    </message>
    <message>
        <source>Turkish, ISO 8859-9 (28599)</source>
        <translation>Turco, ISO 8859-9 (28599)</translation>
    </message>
    <message>
        <source>Unicode, UTF-8 (65001)</source>
        <translation>Unicode, UTF-8 (65001)</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>A satellite is active when:</source>
        <translation>Un satellite è attivo quando:</translation>
    </message>
    <message>
        <source>Its antenna settings are in use</source>
        <translation>Le sue impostazioni d&apos;antenna sono in uso</translation>
    </message>
    <message>
        <source>Channels are stored on it</source>
        <translation>Vi sono memorizzati dei canali</translation>
    </message>
    <message>
        <source>Satellite, transponder and provider lists show:</source>
        <translation>Le liste di satelliti, transponder e provider mostrano:</translation>
    </message>
    <message>
        <source>TV and radio channels</source>
        <translation>Canali TV e radio</translation>
    </message>
    <message>
        <source>Only the channels of the TV/radio switch</source>
        <translation>Solo i canali del selettore TV/radio</translation>
    </message>
    <message>
        <source>Order of the satellites in the tree:</source>
        <translation>Ordine dei satelliti nell&apos;albero:</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>Per nome</translation>
    </message>
    <message>
        <source>By orbital position</source>
        <translation>Per posizione orbitale</translation>
    </message>
    <message>
        <source>As stored in the receiver</source>
        <translation>Come memorizzato nel ricevitore</translation>
    </message>
    <message>
        <source>Favourites and Satellites</source>
        <translation>Preferiti e satelliti</translation>
    </message>
    <message>
        <source>How favourite lists are numbered, named and kept, and which satellites the tree shows in which order.</source>
        <translation>Come vengono numerate, nominate e mantenute le liste preferiti, e quali satelliti l&apos;albero mostra e in quale ordine.</translation>
    </message>
    <message>
        <source>Sequential: 1, 2, 3 ...</source>
        <translation>Progressivi: 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ricevitore</translation>
    </message>
    <message>
        <source>Before a send:</source>
        <translation>Prima di un invio:</translation>
    </message>
    <message>
        <source>Send at once</source>
        <translation>Invia subito</translation>
    </message>
    <message>
        <source>Show what will change on the receiver</source>
        <translation>Mostra cosa cambierà sul ricevitore</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsPropSheet</name>
    <message>
        <source>Weitere interessante Informationen</source>
        <translation>Opzioni e informazioni</translation>
    </message>
</context>
<context>
    <name>tarnell::CPrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Stampa rapida</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Imposta stampante...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Esporta come PDF...</translation>
    </message>
    <message>
        <source>Favourite list</source>
        <translation>Lista preferiti</translation>
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
        <translation>Tutti i canali</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>Non è stato possibile stampare la lista canali su %1.</translation>
    </message>
    <message>
        <source>No printer is set up. Export as PDF or print to a file from the Print dialog instead.</source>
        <translation>Nessuna stampante configurata. Esporta come PDF o stampa su file dalla finestra di stampa.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>Non è stato possibile scrivere il file PDF %1: %2</translation>
    </message>
    <message>
        <source>The printed pages were saved as %1.</source>
        <translation>Le pagine di stampa sono state salvate come %1.</translation>
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
        <translation>Canale</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Liste dei preferiti</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>da 0 a %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>The channel moves to the first transponder of the satellite chosen.</source>
        <translation>Il canale passa al primo transponder del satellite scelto.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>The channel&apos;s name; a part in angle brackets, such as &lt;ARD&gt;, is not shown in the list. A name record holds 100 bytes.</source>
        <translation>Il nome del canale; una parte tra parentesi angolari, come &lt;ARD&gt;, non compare nell&apos;elenco. Un record del nome contiene 100 byte.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Tabella dei caratteri</translation>
    </message>
    <message>
        <source>Name edited</source>
        <translation>Nome modificato</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID servizio</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>da 0 a 65535</translation>
    </message>
    <message>
        <source>Video type</source>
        <translation>Tipo video</translation>
    </message>
    <message>
        <source>Audio type</source>
        <translation>Tipo audio</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Service value 4</source>
        <translation>Valore servizio 4</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Modalità audio</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Pay (€)</source>
        <translation>A pagamento (€)</translation>
    </message>
    <message>
        <source>Mark M 1</source>
        <translation>Segno M 1</translation>
    </message>
    <message>
        <source>Mark M 2</source>
        <translation>Segno M 2</translation>
    </message>
    <message>
        <source>Stored number</source>
        <translation>Numero memorizzato</translation>
    </message>
    <message>
        <source>0 to 9999; timers find their channel by this number.</source>
        <translation>da 0 a 9999; i timer trovano il loro canale tramite questo numero.</translation>
    </message>
    <message>
        <source>The name holds characters its character table cannot store.</source>
        <translation>Il nome contiene caratteri che la sua tabella dei caratteri non può memorizzare.</translation>
    </message>
    <message>
        <source>The name is too long: a name record holds 100 bytes.</source>
        <translation>Il nome è troppo lungo: un record del nome contiene 100 byte.</translation>
    </message>
    <message>
        <source>The satellite has no transponder; the channel stays where it is.</source>
        <translation>Il satellite non ha transponder; il canale resta dov&apos;è.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGrid</name>
    <message>
        <source>Alphabetical</source>
        <translation>Alfabetico</translation>
    </message>
    <message>
        <source>Sort the properties by name instead of in groups</source>
        <translation>Ordina le proprietà per nome anziché per gruppi</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Espandi tutto</translation>
    </message>
    <message>
        <source>Open every group of properties</source>
        <translation>Apri tutti i gruppi di proprietà</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGridModel</name>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>Questo valore non può essere modificato qui.</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3.</source>
        <translation>%1: inserire un numero intero da %2 a %3.</translation>
    </message>
    <message>
        <source>%1: choose one of the options.</source>
        <translation>%1: scegliere una delle opzioni.</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Ricevitore</translation>
    </message>
    <message>
        <source>Fetching from the receiver was cancelled.</source>
        <translation>Lo scaricamento dal ricevitore è stato annullato.</translation>
    </message>
    <message>
        <source>Fetching the service list and the configuration from the receiver at %1...</source>
        <translation>Scaricamento della lista canali e della configurazione dal ricevitore %1...</translation>
    </message>
    <message>
        <source>Fetching the service list from the receiver at %1...</source>
        <translation>Scaricamento della lista canali dal ricevitore %1...</translation>
    </message>
    <message>
        <source>Sending the service list to the receiver at %1...</source>
        <translation>Invio della lista canali al ricevitore %1...</translation>
    </message>
    <message>
        <source>The service list could not be prepared for the receiver; nothing was sent.</source>
        <translation>Impossibile preparare la lista canali per il ricevitore; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The service list and the configuration were sent to the receiver at %1.</source>
        <translation>La lista canali e la configurazione sono state inviate al ricevitore %1.</translation>
    </message>
    <message>
        <source>The service list was sent to the receiver at %1.</source>
        <translation>La lista canali è stata inviata al ricevitore %1.</translation>
    </message>
    <message>
        <source>Its previous files are kept in &quot;%1&quot;.</source>
        <translation>I file precedenti sono conservati in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restarting the receiver at %1...</source>
        <translation>Riavvio del ricevitore %1...</translation>
    </message>
    <message>
        <source>The receiver at %1 was told to restart (%2).</source>
        <translation>Al ricevitore %1 è stato chiesto di riavviarsi (%2).</translation>
    </message>
    <message>
        <source>The receiver&apos;s current list cannot be read.</source>
        <translation>La lista attuale del ricevitore non è leggibile.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver&apos;s list is unchanged.</source>
        <translation>Non è stato inviato nulla; la lista del ricevitore è invariata.</translation>
    </message>
    <message>
        <source>Sending changes the receiver&apos;s list:

%1

Send the list to the receiver?</source>
        <translation>L&apos;invio modifica la lista del ricevitore:

%1

Inviare la lista al ricevitore?</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Invia al ricevitore</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverConfigPage</name>
    <message>
        <source>The PIN code must be exactly four digits.</source>
        <translation>Il codice PIN deve essere di esattamente quattro cifre.</translation>
    </message>
    <message>
        <source>An address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>Un indirizzo è formato da quattro numeri da 0 a 255 separati da punti, per esempio 192.168.0.10.</translation>
    </message>
    <message>
        <source>The longitude must lie from 0 to 180 degrees, with at most three decimals.</source>
        <translation>La longitudine deve essere compresa tra 0 e 180 gradi, con al massimo tre decimali.</translation>
    </message>
    <message>
        <source>The latitude must lie from 0 to 90 degrees, with at most three decimals.</source>
        <translation>La latitudine deve essere compresa tra 0 e 90 gradi, con al massimo tre decimali.</translation>
    </message>
    <message>
        <source>The receiver stores at most 127 characters of Western European text here.</source>
        <translation>Il ricevitore qui memorizza al massimo 127 caratteri di testo dell’Europa occidentale.</translation>
    </message>
    <message>
        <source>This value cannot be stored.</source>
        <translation>Questo valore non può essere salvato.</translation>
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
        <translation>Modifica le liste canali e le impostazioni dei ricevitori Octagon SF 1018 e SF 1028: canali, liste preferiti, satelliti, transponder, timer e configurazione del ricevitore.</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Ringraziamenti</translation>
    </message>
    <message>
        <source>To every receiver owner who shared a service list and tried the transfers on a real receiver.</source>
        <translation>A tutti i possessori di ricevitori che hanno condiviso una lista canali e provato i trasferimenti su un ricevitore reale.</translation>
    </message>
    <message>
        <source>To the people behind Qt, zlib and libcurl, on whose work this program stands.</source>
        <translation>Alle persone dietro Qt, zlib e libcurl, sul cui lavoro si basa questo programma.</translation>
    </message>
    <message>
        <source>The receiver maker</source>
        <translation>Il produttore del ricevitore</translation>
    </message>
    <message>
        <source>Octagon on the web</source>
        <translation>Octagon sul web</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>About this program, the people who helped to make it, and where to find the receiver maker.</source>
        <translation>Su questo programma, sulle persone che hanno aiutato a realizzarlo e su dove trovare il produttore del ricevitore.</translation>
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
        <translation>Sintonizzatore</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Positioner</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>Unicable</source>
        <translation>Unicable</translation>
    </message>
    <message>
        <source>These data are contained only in a *.sys file.</source>
        <translation>Questi dati sono contenuti solo in un file *.sys.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>A satellite needs a name.</source>
        <translation>Un satellite ha bisogno di un nome.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>The position must lie from 0 to 180.0 degrees, with at most one decimal.</source>
        <translation>La posizione deve essere compresa tra 0 e 180,0 gradi, con al massimo un decimale.</translation>
    </message>
    <message>
        <source>East / West</source>
        <translation>Est / Ovest</translation>
    </message>
    <message>
        <source>Tuner mode</source>
        <translation>Modalità sintonizzatore</translation>
    </message>
    <message>
        <source>Tuner input</source>
        <translation>Ingresso sintonizzatore</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>Tipo di LNB</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>LNB option (bit 0)</source>
        <translation>Opzione LNB (bit 0)</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Longitudine del sito</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Latitudine del sito</translation>
    </message>
    <message>
        <source>User band</source>
        <translation>Banda utente</translation>
    </message>
    <message>
        <source>User band frequency</source>
        <translation>Frequenza della banda utente</translation>
    </message>
    <message>
        <source>MHz; at most %1 is stored.</source>
        <translation>MHz; si memorizza al massimo %1.</translation>
    </message>
    <message>
        <source>Position A/B</source>
        <translation>Posizione A/B</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>Two inputs</source>
        <translation>Due ingressi</translation>
    </message>
    <message>
        <source>Loop-through</source>
        <translation>Loop-through</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Other satellites use this LNB record too, and the list holds no room for another: the change was not made.</source>
        <translation>Anche altri satelliti usano questo record LNB e l&apos;elenco non ha posto per un altro: la modifica non è stata fatta.</translation>
    </message>
    <message>
        <source>Site Longitude and Latitude...</source>
        <translation>Longitudine e latitudine del luogo...</translation>
    </message>
</context>
<context>
    <name>tarnell::CSettingsOptionsPropSheet</name>
    <message>
        <source>Receiver Configuration</source>
        <translation>Configurazione del ricevitore</translation>
    </message>
</context>
<context>
    <name>tarnell::CStatistikDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Channels by kind</source>
        <translation>Canali per tipo</translation>
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
        <translation>Lista canali</translation>
    </message>
    <message>
        <source>TV channels:</source>
        <translation>Canali TV:</translation>
    </message>
    <message>
        <source>Radio channels:</source>
        <translation>Canali radio:</translation>
    </message>
    <message>
        <source>All channels:</source>
        <translation>Tutti i canali:</translation>
    </message>
    <message>
        <source>Used transponders:</source>
        <translation>Transponder usati:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satelliti:</translation>
    </message>
    <message>
        <source>Timers:</source>
        <translation>Timer:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotazione:</translation>
    </message>
    <message>
        <source>Tilt:</source>
        <translation>Inclinazione:</translation>
    </message>
</context>
<context>
    <name>tarnell::CTarnell1018View</name>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Remove from Favourite List</source>
        <translation>Rimuovi dalla lista preferiti</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>Elimina canali</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Favourite Lists</source>
        <translation>Liste preferiti</translation>
    </message>
    <message>
        <source>Remove from All Favourite Lists</source>
        <translation>Rimuovi da tutte le liste preferiti</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Nuovo canale TV</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Nuovo canale radio</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Sposta alla posizione...</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>HD Channels</source>
        <translation>Canali HD</translation>
    </message>
    <message>
        <source>Pay Channels</source>
        <translation>Canali a pagamento</translation>
    </message>
    <message>
        <source>Channels Marked M 1</source>
        <translation>Canali con contrassegno M 1</translation>
    </message>
    <message>
        <source>Channels Marked M 2</source>
        <translation>Canali con contrassegno M 2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Contrassegni</translation>
    </message>
    <message>
        <source>Set M 1</source>
        <translation>Imposta M 1</translation>
    </message>
    <message>
        <source>Clear M 1</source>
        <translation>Togli M 1</translation>
    </message>
    <message>
        <source>Set T 1</source>
        <translation>Imposta T 1</translation>
    </message>
    <message>
        <source>Clear T 1</source>
        <translation>Togli T 1</translation>
    </message>
    <message>
        <source>Set T 2</source>
        <translation>Imposta T 2</translation>
    </message>
    <message>
        <source>Clear T 2</source>
        <translation>Togli T 2</translation>
    </message>
    <message>
        <source>Copy T 1 to T 2</source>
        <translation>Copia T 1 in T 2</translation>
    </message>
    <message>
        <source>Copy T 2 to T 1</source>
        <translation>Copia T 2 in T 1</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Ordina per nome</translation>
    </message>
    <message>
        <source>Sort by Number</source>
        <translation>Ordina per numero</translation>
    </message>
    <message>
        <source>Channel Properties</source>
        <translation>Proprietà del canale</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n canale</numerusform>
            <numerusform>%n canali</numerusform>
        </translation>
    </message>
    <message>
        <source>Hier sollten Sie eigentlich nie hinkommen...</source>
        <translation>Non si dovrebbe mai arrivare qui...</translation>
    </message>
    <message>
        <source>This list shows TV and radio channels together: move channels in the list of all channels, or show one kind only (Options).</source>
        <translation>Questa lista mostra insieme canali TV e radio: sposta i canali nella lista di tutti i canali, oppure mostrane un solo tipo (Opzioni).</translation>
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
        <translation>N.</translation>
    </message>
    <message>
        <source>Repetition</source>
        <translation>Ripetizione</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Duration (End)</source>
        <translation>Durata (fine)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>The timer&apos;s text, at most %1 characters.</source>
        <translation>Il testo del timer, al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Tabella caratteri</translation>
    </message>
    <message>
        <source>Flag 1</source>
        <translation>Opzione 1</translation>
    </message>
    <message>
        <source>Flag 2</source>
        <translation>Opzione 2</translation>
    </message>
    <message>
        <source>New Timer</source>
        <translation>Nuovo timer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete All Timers</source>
        <translation>Elimina tutti i timer</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Mon-Fri</source>
        <translation>Lun-Ven</translation>
    </message>
    <message>
        <source>Sat-Sun</source>
        <translation>Sab-Dom</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Settimanale</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Mo.</source>
        <translation>Lun.</translation>
    </message>
    <message>
        <source>Di.</source>
        <translation>Mar.</translation>
    </message>
    <message>
        <source>Mi.</source>
        <translation>Mer.</translation>
    </message>
    <message>
        <source>Do.</source>
        <translation>Gio.</translation>
    </message>
    <message>
        <source>Fr.</source>
        <translation>Ven.</translation>
    </message>
    <message>
        <source>Sa.</source>
        <translation>Sab.</translation>
    </message>
    <message>
        <source>So.</source>
        <translation>Dom.</translation>
    </message>
    <message>
        <source>The timer holds %1 characters; the text was cut to &quot;%2&quot;.</source>
        <translation>Il timer contiene %1 caratteri; il testo è stato accorciato a «%2».</translation>
    </message>
</context>
<context>
    <name>tarnell::CToolCommands</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
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
        <translation>Il satellite del transponder; si cambia creando di nuovo il transponder su un altro satellite.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>MHz, 1 to 65535</source>
        <translation>MHz, da 1 a 65535</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>kS/s, 0 to 65535</source>
        <translation>kS/s, da 0 a 65535</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>ID transport stream</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>da 0 a 65535</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID rete originale</translation>
    </message>
</context>
<context>
    <name>tarnell::CVerschiebenAufPosDlg</name>
    <message>
        <source>Move to Position</source>
        <translation>Sposta alla posizione</translation>
    </message>
    <message>
        <source>New position of the selected channels (%1 to %2):</source>
        <translation>Nuova posizione dei canali selezionati (da %1 a %2):</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Inserisci un numero da %1 a %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CVisualStyle</name>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Prugna</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Rame</translation>
    </message>
    <message>
        <source>Graphite</source>
        <translation>Grafite</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Night Teal</source>
        <translation>Verde petrolio notte</translation>
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
        <translation>Finestre</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Attiva</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Chiudi finestra</translation>
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
        <translation>Inizia una nuova lista canali dalla lista di fabbrica.</translation>
    </message>
    <message>
        <source>Open a settings file (*.fdu, *.sys) from disk.</source>
        <translation>Apri un file di impostazioni (*.fdu, *.sys) dal disco.</translation>
    </message>
    <message>
        <source>Save the active service list.</source>
        <translation>Salva la lista canali attiva.</translation>
    </message>
    <message>
        <source>Save the active service list under a new name.</source>
        <translation>Salva la lista canali attiva con un nuovo nome.</translation>
    </message>
    <message>
        <source>Close the active service list.</source>
        <translation>Chiudi la lista canali attiva.</translation>
    </message>
    <message>
        <source>Print the channel list.</source>
        <translation>Stampa la lista canali.</translation>
    </message>
    <message>
        <source>Print the channel list on the default printer at once.</source>
        <translation>Stampa subito la lista canali sulla stampante predefinita.</translation>
    </message>
    <message>
        <source>Show the pages as they will be printed.</source>
        <translation>Mostra le pagine come verranno stampate.</translation>
    </message>
    <message>
        <source>Choose the printer and the paper.</source>
        <translation>Scegli la stampante e la carta.</translation>
    </message>
    <message>
        <source>Import an Enigma2 list (lamedb and bouquets).</source>
        <translation>Importa una lista Enigma2 (lamedb e bouquet).</translation>
    </message>
    <message>
        <source>Import an Octagon 918/908/818 list (*.udb).</source>
        <translation>Importa una lista Octagon 918/908/818 (*.udb).</translation>
    </message>
    <message>
        <source>Import an Octagon SD x18 list (*.bin).</source>
        <translation>Importa una lista Octagon SD x18 (*.bin).</translation>
    </message>
    <message>
        <source>Preferences, colours and network profiles.</source>
        <translation>Preferenze, colori e profili di rete.</translation>
    </message>
    <message>
        <source>How favourite lists and satellites behave.</source>
        <translation>Come si comportano le liste preferiti e i satelliti.</translation>
    </message>
    <message>
        <source>The receivers on your network and how to reach them.</source>
        <translation>I ricevitori della rete e come raggiungerli.</translation>
    </message>
    <message>
        <source>Quit the program; it asks about unsaved changes first.</source>
        <translation>Esci dal programma; prima chiede delle modifiche non salvate.</translation>
    </message>
    <message>
        <source>Version and credits.</source>
        <translation>Versione e riconoscimenti.</translation>
    </message>
    <message>
        <source>How to work with the program, and its keys.</source>
        <translation>Come lavorare con il programma e i suoi tasti.</translation>
    </message>
    <message>
        <source>Click on any part of the window to learn what it does.</source>
        <translation>Fare clic su una parte qualsiasi della finestra per sapere a cosa serve.</translation>
    </message>
    <message>
        <source>Open the receiver maker&apos;s web site in your browser.</source>
        <translation>Apri il sito web del produttore del ricevitore nel browser.</translation>
    </message>
    <message>
        <source>Choose the colours of the program.</source>
        <translation>Scegli i colori del programma.</translation>
    </message>
    <message>
        <source>Insert the channels from the clipboard.</source>
        <translation>Inserisci i canali dagli appunti.</translation>
    </message>
    <message>
        <source>Move the selected channels to the clipboard.</source>
        <translation>Sposta i canali selezionati negli appunti.</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard.</source>
        <translation>Copia i canali selezionati negli appunti.</translation>
    </message>
    <message>
        <source>Select every channel of the list.</source>
        <translation>Seleziona tutti i canali della lista.</translation>
    </message>
    <message>
        <source>Put the channels in order.</source>
        <translation>Metti in ordine i canali.</translation>
    </message>
    <message>
        <source>Switch between the detailed and the compact list.</source>
        <translation>Passa dalla lista dettagliata a quella compatta e viceversa.</translation>
    </message>
    <message>
        <source>Show the channels in compact columns.</source>
        <translation>Mostra i canali in colonne compatte.</translation>
    </message>
    <message>
        <source>Show the channels with all their columns.</source>
        <translation>Mostra i canali con tutte le colonne.</translation>
    </message>
    <message>
        <source>Arrange the open windows, show the panes, or pick a window.</source>
        <translation>Disponi le finestre aperte, mostra i riquadri o scegli una finestra.</translation>
    </message>
    <message>
        <source>Show the TV channels.</source>
        <translation>Mostra i canali TV.</translation>
    </message>
    <message>
        <source>Show the radio channels.</source>
        <translation>Mostra i canali radio.</translation>
    </message>
    <message>
        <source>List only satellites that are in use.</source>
        <translation>Elenca solo i satelliti in uso.</translation>
    </message>
    <message>
        <source>Show the satellites&apos; numbers in the tree.</source>
        <translation>Mostra i numeri dei satelliti nell&apos;albero.</translation>
    </message>
    <message>
        <source>Text colour of the marked favourite list&apos;s channels.</source>
        <translation>Colore del testo dei canali della lista preferiti contrassegnata.</translation>
    </message>
    <message>
        <source>Background colour of the marked favourite list&apos;s channels.</source>
        <translation>Colore di sfondo dei canali della lista preferiti contrassegnata.</translation>
    </message>
    <message>
        <source>Fetch the list from the receiver or send it back.</source>
        <translation>Scarica la lista dal ricevitore o rimandala indietro.</translation>
    </message>
    <message>
        <source>Load the service list from the receiver into a new window.</source>
        <translation>Carica la lista canali dal ricevitore in una nuova finestra.</translation>
    </message>
    <message>
        <source>Load the service list and the receiver&apos;s configuration into a new window.</source>
        <translation>Carica la lista canali e la configurazione del ricevitore in una nuova finestra.</translation>
    </message>
    <message>
        <source>Send the active service list to the receiver.</source>
        <translation>Invia la lista canali attiva al ricevitore.</translation>
    </message>
    <message>
        <source>Number the channels again in list order.</source>
        <translation>Rinumera i canali nell&apos;ordine della lista.</translation>
    </message>
    <message>
        <source>Unlink channels from names that do not exist.</source>
        <translation>Scollega i canali dai nomi che non esistono.</translation>
    </message>
    <message>
        <source>Write the shown channels to a text file.</source>
        <translation>Scrivi i canali visualizzati in un file di testo.</translation>
    </message>
    <message>
        <source>Move the usual Astra 19.2° East channels to the top.</source>
        <translation>Sposta in cima i soliti canali di Astra 19,2° Est.</translation>
    </message>
    <message>
        <source>Delete every transponder no channel uses.</source>
        <translation>Elimina tutti i transponder non usati da alcun canale.</translation>
    </message>
    <message>
        <source>Count channels, transponders and satellites.</source>
        <translation>Conta canali, transponder e satelliti.</translation>
    </message>
    <message>
        <source>Show and edit the receiver&apos;s timers.</source>
        <translation>Mostra e modifica i timer del ricevitore.</translation>
    </message>
    <message>
        <source>Edit the receiver&apos;s configuration.</source>
        <translation>Modifica la configurazione del ricevitore.</translation>
    </message>
    <message>
        <source>Show or hide the satellite and LNB properties.</source>
        <translation>Mostra o nascondi le proprietà di satellite e LNB.</translation>
    </message>
    <message>
        <source>Show or hide the transponder properties.</source>
        <translation>Mostra o nascondi le proprietà del transponder.</translation>
    </message>
    <message>
        <source>Show or hide the channel properties.</source>
        <translation>Mostra o nascondi le proprietà del canale.</translation>
    </message>
    <message>
        <source>Show or hide the channel search.</source>
        <translation>Mostra o nascondi la ricerca canali.</translation>
    </message>
    <message>
        <source>Use this language from the next start of the program.</source>
        <translation>Usa questa lingua dal prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>Import the channel list of another receiver.</source>
        <translation>Riprendi la lista canali di un altro ricevitore.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Annulla l&apos;ultima modifica.</translation>
    </message>
    <message>
        <source>Redo the change you last undid.</source>
        <translation>Ripeti la modifica annullata.</translation>
    </message>
    <message>
        <source>Show and use the numbers stored with the channels instead of sequential numbers.</source>
        <translation>Mostra e usa i numeri memorizzati con i canali invece della numerazione progressiva.</translation>
    </message>
    <message>
        <source>Show sequential numbers in the search results.</source>
        <translation>Mostra la numerazione progressiva nei risultati della ricerca.</translation>
    </message>
    <message>
        <source>Clear out the transponders no channel uses.</source>
        <translation>Rimuovi i transponder che nessun canale usa.</translation>
    </message>
    <message>
        <source>Delete the selected channels, or take them out of the favourite list shown.</source>
        <translation>Elimina i canali selezionati o toglili dalla lista preferiti mostrata.</translation>
    </message>
    <message>
        <source>Add a new channel behind the selected one.</source>
        <translation>Aggiungi un nuovo canale dopo quello selezionato.</translation>
    </message>
    <message>
        <source>Move the selected channels to a position you enter.</source>
        <translation>Sposta i canali selezionati alla posizione indicata.</translation>
    </message>
    <message>
        <source>Move the selected channels up by one.</source>
        <translation>Sposta i canali selezionati in su di uno.</translation>
    </message>
    <message>
        <source>Move the selected channels down by one.</source>
        <translation>Sposta i canali selezionati in giù di uno.</translation>
    </message>
    <message>
        <source>Number the channels in the order the list shows them.</source>
        <translation>Numera i canali nell&apos;ordine in cui la lista li mostra.</translation>
    </message>
    <message>
        <source>Take the selected channels out of every favourite list.</source>
        <translation>Togli i canali selezionati da tutte le liste preferiti.</translation>
    </message>
    <message>
        <source>Select the HD channels.</source>
        <translation>Seleziona i canali HD.</translation>
    </message>
    <message>
        <source>Select the pay channels.</source>
        <translation>Seleziona i canali a pagamento.</translation>
    </message>
    <message>
        <source>Select the channels marked M 1.</source>
        <translation>Seleziona i canali con il segno M 1.</translation>
    </message>
    <message>
        <source>Select the channels marked M 2.</source>
        <translation>Seleziona i canali con il segno M 2.</translation>
    </message>
    <message>
        <source>Mark the selected channels M 1.</source>
        <translation>Segna M 1 sui canali selezionati.</translation>
    </message>
    <message>
        <source>Clear the mark M 1 of the selected channels.</source>
        <translation>Togli il segno M 1 dai canali selezionati.</translation>
    </message>
    <message>
        <source>Set T 1 on the selected channels.</source>
        <translation>Imposta T 1 sui canali selezionati.</translation>
    </message>
    <message>
        <source>Clear T 1 on the selected channels.</source>
        <translation>Togli T 1 dai canali selezionati.</translation>
    </message>
    <message>
        <source>Set T 2 on the selected channels.</source>
        <translation>Imposta T 2 sui canali selezionati.</translation>
    </message>
    <message>
        <source>Clear T 2 on the selected channels.</source>
        <translation>Togli T 2 dai canali selezionati.</translation>
    </message>
    <message>
        <source>Give the selected channels T 2 as their T 1 is.</source>
        <translation>Imposta T 2 dei canali selezionati come il loro T 1.</translation>
    </message>
    <message>
        <source>Give the selected channels T 1 as their T 2 is.</source>
        <translation>Imposta T 1 dei canali selezionati come il loro T 2.</translation>
    </message>
    <message>
        <source>Sort the list by channel name.</source>
        <translation>Ordina la lista per nome del canale.</translation>
    </message>
    <message>
        <source>Sort the list by channel number.</source>
        <translation>Ordina la lista per numero del canale.</translation>
    </message>
    <message>
        <source>Show the properties of the selected channel.</source>
        <translation>Mostra le proprietà del canale selezionato.</translation>
    </message>
    <message>
        <source>Add the selected channels to this favourite list; a single member leaves it.</source>
        <translation>Aggiungi i canali selezionati a questa lista preferiti; un singolo membro ne esce.</translation>
    </message>
    <message>
        <source>Save the printed pages of the channel list as a PDF file.</source>
        <translation>Salva le pagine di stampa della lista canali come file PDF.</translation>
    </message>
    <message>
        <source>Open the user manual in your browser.</source>
        <translation>Apri il manuale utente nel browser.</translation>
    </message>
    <message>
        <source>See what differs between this list and a file or the receiver&apos;s list.</source>
        <translation>Mostra cosa differisce tra questa lista e un file o la lista del ricevitore.</translation>
    </message>
    <message>
        <source>Compare this list with a settings file: channels added, removed, renamed, moved; favourites, satellites, transponders, timers.</source>
        <translation>Confronta questa lista con un file di impostazioni: canali aggiunti, rimossi, rinominati, spostati; preferiti, satelliti, transponder, timer.</translation>
    </message>
    <message>
        <source>Fetch the receiver&apos;s list and show what a send would change on it.</source>
        <translation>Scarica la lista del ricevitore e mostra cosa cambierebbe un invio.</translation>
    </message>
    <message>
        <source>Sort this list like another settings file, an Enigma2 bouquet or a text of channel names.</source>
        <translation>Ordina questa lista come un altro file di impostazioni, un bouquet Enigma2 o un testo di nomi di canali.</translation>
    </message>
    <message>
        <source>Select the channels that are the same service as an earlier one.</source>
        <translation>Seleziona i canali che sono lo stesso servizio di uno precedente.</translation>
    </message>
    <message>
        <source>Open or send one of the receiver&apos;s lists kept before each send.</source>
        <translation>Apre o invia una delle liste del ricevitore conservate prima di ogni invio.</translation>
    </message>
</context>
</TS>
