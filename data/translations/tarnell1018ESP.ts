<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CDrucken</name>
    <message>
        <source>There are no channels to print in this selection.</source>
        <translation>En esta selección no hay canales para imprimir.</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canales de TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canales de radio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
</context>
<context>
    <name>CTarnell1018View</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Freq.</source>
        <translation>Frec.</translation>
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
        <translation>Valor 4</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Pago</translation>
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
        <translation>Proveedor</translation>
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
        <translation>Archivos de ajustes (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>Service lists (*.fdu)</source>
        <translation>Listas de canales (*.fdu)</translation>
    </message>
    <message>
        <source>Service lists with configuration (*.sys)</source>
        <translation>Listas de canales con configuración (*.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exportar lista de canales</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Vezi Exportliste (*.txt)</source>
        <translation>Lista de exportación de Vezi (*.txt)</translation>
    </message>
    <message>
        <source>Vezi export list in UTF-8 (*.txt)</source>
        <translation>Lista de exportación de Vezi en UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>The receiver accepted the FTP login.</source>
        <translation>El receptor ha aceptado el inicio de sesión FTP.</translation>
    </message>
    <message>
        <source>No FTP connection to the receiver. Check the address, port, user name and password of the network profile.</source>
        <translation>No hay conexión FTP con el receptor. Compruebe la dirección, el puerto, el nombre de usuario y la contraseña del perfil de red.</translation>
    </message>
    <message>
        <source>ftp Connection Error</source>
        <translation>Error de conexión FTP</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>No Data 0</source>
        <translation>Sin datos 0</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ftp Test</source>
        <translation>Prueba FTP</translation>
    </message>
    <message>
        <source>Restart receiver</source>
        <translation>Reiniciar receptor</translation>
    </message>
    <message>
        <source>Fehler 1</source>
        <translation>Error 1</translation>
    </message>
    <message>
        <source>Kein Connect</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>The receiver did not deliver a service list.</source>
        <translation>El receptor no ha entregado ninguna lista de canales.</translation>
    </message>
    <message>
        <source>Restart the receiver now, so that it reads the new lists?</source>
        <translation>¿Reiniciar ahora el receptor para que lea las nuevas listas?</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a service list; it was not read.</source>
        <translation>%1 en el receptor ocupa más de %2 bytes, así que no es una lista de canales; no se ha leído.</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a configuration; it was not read.</source>
        <translation>%1 en el receptor ocupa más de %2 bytes, así que no es una configuración; no se ha leído.</translation>
    </message>
    <message>
        <source>The service list fetched from the receiver cannot be opened.</source>
        <translation>La lista de canales obtenida del receptor no se puede abrir.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be kept; nothing was sent.</source>
        <translation>No se han podido guardar los archivos actuales del receptor; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be read; nothing was sent.</source>
        <translation>No se han podido leer los archivos actuales del receptor; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver keeps its previous file.</source>
        <translation>No se ha podido escribir %1; el receptor conserva su archivo anterior.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>No se ha podido escribir %1; puede que el archivo del receptor esté incompleto ahora. Sus archivos anteriores están en &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver keeps its previous file.</source>
        <translation>La lista de canales se ha enviado, pero no se ha podido escribir %1; el receptor conserva su archivo anterior.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>La lista de canales se ha enviado, pero no se ha podido escribir %1; puede que el archivo del receptor esté incompleto ahora. Sus archivos anteriores están en &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no receiver address</source>
        <translation>el perfil &quot;%1&quot; no tiene dirección del receptor</translation>
    </message>
    <message>
        <source>the receiver has no %1</source>
        <translation>el receptor no tiene el archivo %1</translation>
    </message>
    <message>
        <source>the receiver has no %1; nothing was sent</source>
        <translation>el receptor no tiene el archivo %1; no se ha enviado nada</translation>
    </message>
    <message>
        <source>%1 on the receiver is empty</source>
        <translation>%1 está vacío en el receptor</translation>
    </message>
    <message>
        <source>the receiver closed the connection: %1</source>
        <translation>el receptor ha cerrado la conexión: %1</translation>
    </message>
    <message>
        <source>The FTP client could not be set up.</source>
        <translation>No se ha podido preparar el cliente FTP.</translation>
    </message>
    <message>
        <source>No receiver address or port.</source>
        <translation>Falta la dirección o el puerto del receptor.</translation>
    </message>
    <message>
        <source>The user name or the password contains a line break.</source>
        <translation>El nombre de usuario o la contraseña contiene un salto de línea.</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>¡Los datos del sistema están dañados!</translation>
    </message>
    <message>
        <source>There is no network profile. Add one for the receiver on the Network page of the options.</source>
        <translation>No hay ningún perfil de red. Añada uno para el receptor en la página &quot;Red&quot; de las opciones.</translation>
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
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
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
        <translation>Siempre</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Black screen</source>
        <translation>Pantalla negra</translation>
    </message>
    <message>
        <source>Still picture</source>
        <translation>Imagen congelada</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>Nombre del canal</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Dimmed</source>
        <translation>Atenuada</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Stay on</source>
        <translation>Seguir encendido</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ilimitado</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Region %1</source>
        <translation>Región %1</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 horas</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>Idioma del menú</translation>
    </message>
    <message>
        <source>First audio language</source>
        <translation>Primer idioma de audio</translation>
    </message>
    <message>
        <source>Second audio language</source>
        <translation>Segundo idioma de audio</translation>
    </message>
    <message>
        <source>First subtitle language</source>
        <translation>Primer idioma de subtítulos</translation>
    </message>
    <message>
        <source>Second subtitle language</source>
        <translation>Segundo idioma de subtítulos</translation>
    </message>
    <message>
        <source>Programme guide language</source>
        <translation>Idioma de la guía de programas</translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
    <message>
        <source>Start timeshift automatically</source>
        <translation>Iniciar el timeshift automáticamente</translation>
    </message>
    <message>
        <source>Start recordings earlier by</source>
        <translation>Empezar las grabaciones antes</translation>
    </message>
    <message>
        <source>End recordings later by</source>
        <translation>Terminar las grabaciones después</translation>
    </message>
    <message>
        <source>After a timer recording</source>
        <translation>Tras una grabación programada</translation>
    </message>
    <message>
        <source>Length of an instant recording</source>
        <translation>Duración de una grabación inmediata</translation>
    </message>
    <message>
        <source>Timeshift length</source>
        <translation>Duración del timeshift</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Formato de grabación</translation>
    </message>
    <message>
        <source>Recording buffer</source>
        <translation>Búfer de grabación</translation>
    </message>
    <message>
        <source>Playback buffer</source>
        <translation>Búfer de reproducción</translation>
    </message>
    <message>
        <source>Age rating</source>
        <translation>Clasificación por edad</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>Código PIN</translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation>Bloqueo %1</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Info bar shown for</source>
        <translation>Barra de información visible durante</translation>
    </message>
    <message>
        <source>Clock in standby</source>
        <translation>Reloj en espera</translation>
    </message>
    <message>
        <source>Volume bar shown for</source>
        <translation>Barra de volumen visible durante</translation>
    </message>
    <message>
        <source>While changing channels</source>
        <translation>Al cambiar de canal</translation>
    </message>
    <message>
        <source>Info bar position</source>
        <translation>Posición de la barra de información</translation>
    </message>
    <message>
        <source>Front display shows</source>
        <translation>La pantalla frontal muestra</translation>
    </message>
    <message>
        <source>Front display lighting</source>
        <translation>Iluminación de la pantalla frontal</translation>
    </message>
    <message>
        <source>Menu shown for</source>
        <translation>Menú visible durante</translation>
    </message>
    <message>
        <source>Menu transparency</source>
        <translation>Transparencia del menú</translation>
    </message>
    <message>
        <source>Time setting</source>
        <translation>Ajuste de la hora</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Clock format</source>
        <translation>Formato de hora</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Sistema de TV</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Display format</source>
        <translation>Formato de visualización</translation>
    </message>
    <message>
        <source>Video output</source>
        <translation>Salida de vídeo</translation>
    </message>
    <message>
        <source>Dolby Digital</source>
        <translation>Dolby Digital</translation>
    </message>
    <message>
        <source>Sound over HDMI</source>
        <translation>Sonido por HDMI</translation>
    </message>
    <message>
        <source>Sound mode</source>
        <translation>Modo de sonido</translation>
    </message>
    <message>
        <source>Video option</source>
        <translation>Opción de vídeo</translation>
    </message>
    <message>
        <source>Sound delay</source>
        <translation>Retardo del sonido</translation>
    </message>
    <message>
        <source>Addresses from the network (DHCP)</source>
        <translation>Direcciones de la red (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>First DNS server</source>
        <translation>Primer servidor DNS</translation>
    </message>
    <message>
        <source>Second DNS server</source>
        <translation>Segundo servidor DNS</translation>
    </message>
    <message>
        <source>Further address %1</source>
        <translation>Otra dirección %1</translation>
    </message>
    <message>
        <source>Network option</source>
        <translation>Opción de red</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Texto %1</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Opción %1</translation>
    </message>
    <message>
        <source>Channel numbers as stored in the list</source>
        <translation>Números de canal tal como están guardados en la lista</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Longitud del lugar</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Latitud del lugar</translation>
    </message>
    <message>
        <source>Time span shown</source>
        <translation>Intervalo mostrado</translation>
    </message>
    <message>
        <source>Programme guide memory</source>
        <translation>Memoria de la guía de programas</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Parental control</source>
        <translation>Control parental</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>Lista de canales</translation>
    </message>
    <message>
        <source>Positioner and single cable</source>
        <translation>Posicionador y cable único</translation>
    </message>
    <message>
        <source>Picture and sound output</source>
        <translation>Salida de imagen y sonido</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>Repair channel names</source>
        <translation>Reparar los nombres de los canales</translation>
    </message>
    <message>
        <source>New favourite list</source>
        <translation>Nueva lista de favoritos</translation>
    </message>
    <message>
        <source>Remove unused transponders</source>
        <translation>Quitar los transpondedores sin uso</translation>
    </message>
    <message>
        <source>Channel numbering</source>
        <translation>Numeración de canales</translation>
    </message>
    <message>
        <source>Sort by template</source>
        <translation>Ordenar según la plantilla</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Mover canal</translation>
    </message>
    <message>
        <source>Rename channel</source>
        <translation>Cambiar el nombre del canal</translation>
    </message>
    <message>
        <source>Add to favourites</source>
        <translation>Añadir a favoritos</translation>
    </message>
    <message>
        <source>Remove from favourites</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>Adopt the list order</source>
        <translation>Adoptar el orden de la lista</translation>
    </message>
    <message>
        <source>New TV channel</source>
        <translation>Nuevo canal de TV</translation>
    </message>
    <message>
        <source>New radio channel</source>
        <translation>Nuevo canal de radio</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nuevo satélite</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nuevo transpondedor</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>Eliminar canales</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Eliminar transpondedores</translation>
    </message>
    <message>
        <source>Rename provider</source>
        <translation>Cambiar el nombre del proveedor</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Cambiar el nombre de la lista de favoritos</translation>
    </message>
    <message>
        <source>Delete favourite list</source>
        <translation>Eliminar la lista de favoritos</translation>
    </message>
    <message>
        <source>Favourite list from provider</source>
        <translation>Lista de favoritos del proveedor</translation>
    </message>
    <message>
        <source>Move favourite list</source>
        <translation>Mover la lista de favoritos</translation>
    </message>
    <message>
        <source>Move satellite</source>
        <translation>Mover el satélite</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Eliminar %n canal</numerusform>
            <numerusform>Eliminar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>Cortar %n canal</numerusform>
            <numerusform>Cortar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>Pegar %n canal</numerusform>
            <numerusform>Pegar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mark %n channel(s)</source>
        <translation>
            <numerusform>Marcar %n canal</numerusform>
            <numerusform>Marcar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %n channel(s)</source>
        <translation>
            <numerusform>Numerar %n canal</numerusform>
            <numerusform>Numerar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s)</source>
        <translation>
            <numerusform>Mover %n canal</numerusform>
            <numerusform>Mover %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite list</source>
        <translation>
            <numerusform>Añadir %n canal a una lista de favoritos</numerusform>
            <numerusform>Añadir %n canales a una lista de favoritos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from a favourite list</source>
        <translation>
            <numerusform>Quitar %n canal de una lista de favoritos</numerusform>
            <numerusform>Quitar %n canales de una lista de favoritos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from the favourite list</source>
        <translation>
            <numerusform>Quitar %n canal de la lista de favoritos</numerusform>
            <numerusform>Quitar %n canales de la lista de favoritos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from all favourite lists</source>
        <translation>
            <numerusform>Quitar %n canal de todas las listas de favoritos</numerusform>
            <numerusform>Quitar %n canales de todas las listas de favoritos</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all timers</source>
        <translation>Eliminar todos los temporizadores</translation>
    </message>
    <message>
        <source>Change timer</source>
        <translation>Cambiar el temporizador</translation>
    </message>
    <message>
        <source>Change timer text</source>
        <translation>Cambiar el texto del temporizador</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timer(s)</source>
        <translation>
            <numerusform>Eliminar %n temporizador</numerusform>
            <numerusform>Eliminar %n temporizadores</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>Editar satélite</translation>
    </message>
    <message>
        <source>Edit LNB settings</source>
        <translation>Editar ajustes de LNB</translation>
    </message>
    <message>
        <source>Change tuner mode</source>
        <translation>Cambiar modo del sintonizador</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Editar transpondedor</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Configuración del receptor</translation>
    </message>
    <message>
        <source>Apply a reference order</source>
        <translation>Aplicar un orden de referencia</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutCtrl</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Service lists and settings of Octagon SF 1018 and SF 1028 receivers</source>
        <translation>Listas de canales y ajustes de los receptores Octagon SF 1018 y SF 1028</translation>
    </message>
    <message>
        <source>Thanks to every receiver owner who shared a list and tested the transfers.</source>
        <translation>Gracias a todos los propietarios de receptores que compartieron una lista y probaron las transferencias.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Compilado con Qt %1, ejecutándose en Qt %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutDlg</name>
    <message>
        <source>About Tarnell 1018</source>
        <translation>Acerca de Tarnell 1018</translation>
    </message>
</context>
<context>
    <name>tarnell::CAppOptionPage</name>
    <message>
        <source>Tooltips</source>
        <translation>Información sobre herramientas</translation>
    </message>
    <message>
        <source>Show tooltips on the ribbon</source>
        <translation>Mostrar información sobre herramientas en la cinta</translation>
    </message>
    <message>
        <source>Show the description in the tooltips</source>
        <translation>Mostrar la descripción en la información sobre herramientas</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>Status Bar On/Off</source>
        <translation>Barra de estado sí/no</translation>
    </message>
    <message>
        <source>Message Bar On/Off</source>
        <translation>Barra de mensajes sí/no</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Channel list background</source>
        <translation>Fondo de la lista de canales</translation>
    </message>
    <message>
        <source>Channel list text</source>
        <translation>Texto de la lista de canales</translation>
    </message>
    <message>
        <source>Tree background</source>
        <translation>Fondo del árbol</translation>
    </message>
    <message>
        <source>Tree text</source>
        <translation>Texto del árbol</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>Más colores...</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Tooltips, the bars of the main window and the colours of the tree and the channel list. Bars and colours change at once.</source>
        <translation>Información sobre herramientas, barras de la ventana principal y colores del árbol y de la lista de canales. Las barras y los colores cambian al instante.</translation>
    </message>
</context>
<context>
    <name>tarnell::CBackupDlg</name>
    <message>
        <source>Restore a Backup</source>
        <translation>Restaurar una copia de seguridad</translation>
    </message>
    <message>
        <source>Before each send the receiver&apos;s list is kept here. Open one to look at it, or send it back to the receiver.</source>
        <translation>Antes de cada envío la lista del receptor se guarda aquí. Abra una para verla o envíela de nuevo al receptor.</translation>
    </message>
    <message>
        <source>Kept on</source>
        <translation>Guardada el</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Compared with the open list</source>
        <translation>Comparada con la lista abierta</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>Open as New Document</source>
        <translation>Abrir como documento nuevo</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Enviar al receptor</translation>
    </message>
    <message>
        <source>No backups have been kept yet.</source>
        <translation>Todavía no se ha guardado ninguna copia de seguridad.</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelEditCommands</name>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Adopt List Order</source>
        <translation>Adoptar el orden de la lista</translation>
    </message>
    <message>
        <source>The clipboard holds no channels, transponders or satellites.</source>
        <translation>El portapapeles no contiene canales, transpondedores ni satélites.</translation>
    </message>
    <message>
        <source>A channel on the clipboard is of the other kind (TV or radio) than the list shown; the paste stopped there.</source>
        <translation>Un canal del portapapeles es de otro tipo (TV o radio) que la lista mostrada; el pegado se detuvo ahí.</translation>
    </message>
    <message>
        <source>No free transponder is left for a channel on the clipboard; the paste stopped there.</source>
        <translation>No queda ningún transpondedor libre para un canal del portapapeles; el pegado se detuvo ahí.</translation>
    </message>
    <message>
        <source>No satellite can be added for a channel on the clipboard: the list holds 255 satellites. The paste stopped there.</source>
        <translation>No se puede añadir un satélite para un canal del portapapeles: la lista contiene 255 satélites. El pegado se detuvo ahí.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes; the paste stopped there.</source>
        <translation>La lista contiene 10.000 canales, el máximo que admite el receptor; el pegado se detuvo ahí.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes.</source>
        <translation>La lista contiene 10.000 canales, el máximo que admite el receptor.</translation>
    </message>
    <message>
        <source>New channel %1 created.</source>
        <translation>Nuevo canal %1 creado.</translation>
    </message>
    <message>
        <source>The list order can only be adopted while the list shows all channels.</source>
        <translation>El orden de la lista solo se puede adoptar mientras la lista muestra todos los canales.</translation>
    </message>
    <message>
        <source>Should the channels be numbered in the order the list shows them now?</source>
        <translation>¿Numerar los canales en el orden en que la lista los muestra ahora?</translation>
    </message>
    <message>
        <source>The channels were not moved.</source>
        <translation>Los canales no se han movido.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved.</source>
        <translation>
            <numerusform>%n canal movido.</numerusform>
            <numerusform>%n canales movidos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelListCommands</name>
    <message>
        <source>Column width of the list style</source>
        <translation>Ancho de columna de la vista de lista</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelSucheDlg</name>
    <message>
        <source>Part of a channel name</source>
        <translation>Parte del nombre de un canal</translation>
    </message>
    <message>
        <source>No service list is open.</source>
        <translation>No hay ninguna lista de canales abierta.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) found</source>
        <translation>
            <numerusform>%n canal encontrado</numerusform>
            <numerusform>%n canales encontrados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareCommands</name>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... y %1 más</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compare with a File...</source>
        <translation>Comparar con un archivo...</translation>
    </message>
    <message>
        <source>Compare with the Receiver&apos;s List...</source>
        <translation>Comparar con la lista del receptor...</translation>
    </message>
    <message>
        <source>Apply a Reference Order...</source>
        <translation>Aplicar un orden de referencia...</translation>
    </message>
    <message>
        <source>Select Duplicates</source>
        <translation>Seleccionar duplicados</translation>
    </message>
    <message>
        <source>Restore a Backup...</source>
        <translation>Restaurar una copia de seguridad...</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>Archivos de configuración (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>the receiver&apos;s list</source>
        <translation>la lista del receptor</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Lista de referencia</translation>
    </message>
    <message>
        <source>Reference lists (*.fdu *.sys *.tv *.radio *.txt)</source>
        <translation>Listas de referencia (*.fdu *.sys *.tv *.radio *.txt)</translation>
    </message>
    <message>
        <source>Enigma2 bouquets (*.tv *.radio)</source>
        <translation>Bouquets de Enigma2 (*.tv *.radio)</translation>
    </message>
    <message>
        <source>Channel names, one a line (*.txt)</source>
        <translation>Nombres de canales, uno por línea (*.txt)</translation>
    </message>
    <message>
        <source>The reference has favourite lists (%1). Rebuild the favourite lists of the same names from it too?</source>
        <translation>La referencia contiene listas de favoritos (%1). ¿Reconstruir también a partir de ella las listas de favoritos con el mismo nombre?</translation>
    </message>
    <message>
        <source>Apply a Reference Order</source>
        <translation>Aplicar un orden de referencia</translation>
    </message>
    <message>
        <source>%1 channels took the reference&apos;s order: %2 by satellite, transponder and service, %3 by name.</source>
        <translation>%1 canales tomaron el orden de la referencia: %2 por satélite, transpondedor y servicio, %3 por nombre.</translation>
    </message>
    <message>
        <source>Favourite lists: %1 rebuilt, %2 added.</source>
        <translation>Listas de favoritos: %1 reconstruidas, %2 añadidas.</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they follow in their order:</source>
        <translation>%1 canales no están en la referencia; siguen en su orden:</translation>
    </message>
    <message>
        <source>%1 entries of the reference found no channel:</source>
        <translation>%1 entradas de la referencia no encontraron ningún canal:</translation>
    </message>
    <message>
        <source>No TV channel is there twice.</source>
        <translation>Ningún canal de TV está dos veces.</translation>
    </message>
    <message>
        <source>No radio channel is there twice.</source>
        <translation>Ningún canal de radio está dos veces.</translation>
    </message>
    <message>
        <source>%1 names stand on more than one transponder; their channels are selected.</source>
        <translation>%1 nombres están en más de un transpondedor; sus canales están seleccionados.</translation>
    </message>
    <message>
        <source>%1 channels are the same service as an earlier one and are selected; %2 names stand on more than one transponder.</source>
        <translation>%1 canales son el mismo servicio que uno anterior y están seleccionados; %2 nombres están en más de un transpondedor.</translation>
    </message>
    <message>
        <source>%1 channels of the list are not in the reference. Put them before the channels the reference orders? (No puts them after.)</source>
        <translation>%1 canales de la lista no están en la referencia. ¿Ponerlos antes de los canales que ordena la referencia? (No los pone después.)</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they come first, in their order:</source>
        <translation>%1 canales no están en la referencia; van primero, en su orden:</translation>
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
        <translation>número guardado</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>indicadores</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>sonido</translation>
    </message>
    <message>
        <source>options</source>
        <translation>opciones</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>tasa de símbolos</translation>
    </message>
    <message>
        <source>provider</source>
        <translation>proveedor</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canal</translation>
    </message>
    <message>
        <source>start</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>other values</source>
        <translation>otros valores</translation>
    </message>
    <message>
        <source>was &quot;%1&quot;</source>
        <translation>antes «%1»</translation>
    </message>
    <message>
        <source>list &quot;%1&quot;</source>
        <translation>lista «%1»</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listas de favoritos</translation>
    </message>
    <message>
        <source>Channels in favourite lists</source>
        <translation>Canales en listas de favoritos</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>LNB settings</source>
        <translation>Ajustes de LNB</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Temporizadores</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Configuración del receptor</translation>
    </message>
    <message>
        <source>added</source>
        <translation>añadidos</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>eliminados</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renombrados</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>movidos</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificados</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>No hay diferencias.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>From &lt;b&gt;%1&lt;/b&gt; to &lt;b&gt;%2&lt;/b&gt;:</source>
        <translation>De &lt;b&gt;%1&lt;/b&gt; a &lt;b&gt;%2&lt;/b&gt;:</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Filtrar por nombre</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Todos los cambios</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
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
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Select a satellite in the tree to edit it here.</source>
        <translation>Seleccione un satélite en el árbol para editarlo aquí.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Select a transponder in the tree to edit it here.</source>
        <translation>Seleccione un transpondedor en el árbol para editarlo aquí.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Select a channel in the list to edit it here.</source>
        <translation>Seleccione un canal en la lista para editarlo aquí.</translation>
    </message>
    <message>
        <source>Channel Search</source>
        <translation>Búsqueda de canales</translation>
    </message>
    <message>
        <source>Type part of a channel name to find it.</source>
        <translation>Escriba parte del nombre de un canal para encontrarlo.</translation>
    </message>
</context>
<context>
    <name>tarnell::CDocumentCommands</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Stored Numbers</source>
        <translation>Números guardados</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renumerar</translation>
    </message>
    <message>
        <source>Repair Names</source>
        <translation>Reparar nombres</translation>
    </message>
    <message>
        <source>Channel name references repaired.</source>
        <translation>Referencias a los nombres de canal reparadas.</translation>
    </message>
    <message>
        <source>Remove Unused Transponders</source>
        <translation>Quitar transpondedores sin usar</translation>
    </message>
    <message numerus="yes">
        <source>%n unused transponder(s) removed.</source>
        <translation>
            <numerusform>Se ha quitado %n transpondedor sin usar.</numerusform>
            <numerusform>Se han quitado %n transpondedores sin usar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as Text...</source>
        <translation>Exportar como texto...</translation>
    </message>
    <message>
        <source>Sort by Template</source>
        <translation>Ordenar según plantilla</translation>
    </message>
    <message>
        <source>The channels have been renumbered.</source>
        <translation>Los canales se han renumerado.</translation>
    </message>
    <message numerus="yes">
        <source>The channels have been renumbered; %n channel(s) moved to the top by the template.</source>
        <translation>
            <numerusform>Los canales se han renumerado; la plantilla ha movido %n canal al principio.</numerusform>
            <numerusform>Los canales se han renumerado; la plantilla ha movido %n canales al principio.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel list exported to %1.</source>
        <translation>Lista de canales exportada a %1.</translation>
    </message>
    <message>
        <source>Sequential Numbers</source>
        <translation>Numeración correlativa</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
</context>
<context>
    <name>tarnell::CFavouriteColours</name>
    <message>
        <source>More Colours...</source>
        <translation>Más colores...</translation>
    </message>
</context>
<context>
    <name>tarnell::CFtpOptionPage</name>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Nuevo perfil</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Eliminar perfil</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <source>Restart with &quot;reboot -f&quot;</source>
        <translation>Reiniciar con &quot;reboot -f&quot;</translation>
    </message>
    <message>
        <source>Test FTP Login</source>
        <translation>Probar inicio de sesión FTP</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>The receiver&apos;s address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>La dirección del receptor debe constar de cuatro números del 0 al 255 separados por puntos, por ejemplo 192.168.0.10.</translation>
    </message>
    <message>
        <source>The port must be a whole number from %1 to %2; FTP usually uses %3.</source>
        <translation>El puerto debe ser un número entero del %1 al %2; FTP suele usar el %3.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Logging in to %1:%2 ...</source>
        <translation>Iniciando sesión en %1:%2 ...</translation>
    </message>
    <message>
        <source>The receivers on your network. Transfers use the profile selected in the list; changes take effect at once and stay even after Cancel.</source>
        <translation>Los receptores de su red. Las transferencias usan el perfil seleccionado en la lista; los cambios se aplican al instante y se mantienen aunque pulse Cancelar.</translation>
    </message>
</context>
<context>
    <name>tarnell::CImportDlg</name>
    <message>
        <source>Datenfile nicht gefunden, oder Datenfile in Gebrauch!</source>
        <translation>No se encontró el archivo de datos o está en uso.</translation>
    </message>
    <message>
        <source>Fehler beim Lesen des Datenfiles!</source>
        <translation>Error al leer el archivo de datos.</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>¡Los datos del sistema están dañados!</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Origen:</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Carpeta...</translation>
    </message>
    <message>
        <source>Choose the folder that holds lamedb and the bouquet files.</source>
        <translation>Elija la carpeta que contiene lamedb y los archivos de bouquets.</translation>
    </message>
    <message>
        <source>Base settings file:</source>
        <translation>Archivo de ajustes base:</translation>
    </message>
    <message>
        <source>Its satellites and receiver configuration are kept; the file itself is not changed.</source>
        <translation>Se conservan sus satélites y la configuración del receptor; el archivo en sí no se modifica.</translation>
    </message>
    <message>
        <source>Start Import</source>
        <translation>Iniciar importación</translation>
    </message>
    <message>
        <source>kein Source</source>
        <translation>Sin origen</translation>
    </message>
    <message>
        <source>Bouquets (TV)</source>
        <translation>Bouquets (TV)</translation>
    </message>
    <message>
        <source>Bouquets (Radio)</source>
        <translation>Bouquets (radio)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Reading the bouquets...</source>
        <translation>Leyendo los bouquets...</translation>
    </message>
    <message>
        <source>Channel list to import</source>
        <translation>Lista de canales que importar</translation>
    </message>
    <message>
        <source>Base settings file</source>
        <translation>Archivo de ajustes base</translation>
    </message>
    <message>
        <source>Importing the channel list...</source>
        <translation>Importando la lista de canales...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please check files</source>
        <translation>Compruebe los archivos</translation>
    </message>
    <message>
        <source>Imported: %1 TV and %2 radio channels, %3 transponders, %4 new satellites, %5 favourite lists.</source>
        <translation>Importado: %1 canales de TV y %2 de radio, %3 transpondedores, %4 satélites nuevos, %5 listas de favoritos.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders, no free transponder slot.</source>
        <translation>Omitidos: %1 transpondedores, no queda ningún hueco de transpondedor libre.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders whose frequency or position the receiver cannot store.</source>
        <translation>Omitidos: %1 transpondedores cuya frecuencia o posición el receptor no puede guardar.</translation>
    </message>
    <message>
        <source>Left out: %1 satellites beyond 255 (their transponders went to the last one).</source>
        <translation>Omitidos: %1 satélites por encima de 255 (sus transpondedores pasaron al último).</translation>
    </message>
    <message>
        <source>Left out: %1 services, the receiver holds at most 10,000 channels.</source>
        <translation>Omitidos: %1 servicios, el receptor admite como máximo 10.000 canales.</translation>
    </message>
    <message>
        <source>Left out: %1 services of a type the receiver does not list (only 1, 2, 4, 22 and 25).</source>
        <translation>Omitidos: %1 servicios de un tipo que el receptor no muestra (solo 1, 2, 4, 22 y 25).</translation>
    </message>
    <message>
        <source>Note: %1 channels have no transponder.</source>
        <translation>Nota: %1 canales no tienen transpondedor.</translation>
    </message>
    <message>
        <source>Import report</source>
        <translation>Informe de importación</translation>
    </message>
</context>
<context>
    <name>tarnell::CLeftView</name>
    <message>
        <source>Satellite Properties</source>
        <translation>Propiedades del satélite</translation>
    </message>
    <message>
        <source>Transponder Properties</source>
        <translation>Propiedades del transpondedor</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Mark Favourite List</source>
        <translation>Marcar lista de favoritos</translation>
    </message>
    <message>
        <source>Clear Favourite Mark</source>
        <translation>Quitar marca de favoritos</translation>
    </message>
    <message>
        <source>Favourite Sequence Numbers</source>
        <translation>Números de orden de favoritos</translation>
    </message>
    <message>
        <source>Delete Favourite List</source>
        <translation>Eliminar lista de favoritos</translation>
    </message>
    <message>
        <source>New Favourite List</source>
        <translation>Nueva lista de favoritos</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nuevo transpondedor</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Nuevo canal</translation>
    </message>
    <message>
        <source>Delete Channels of Transponder</source>
        <translation>Eliminar los canales del transpondedor</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Eliminar transpondedor</translation>
    </message>
    <message>
        <source>Delete Transponders of Satellite</source>
        <translation>Eliminar los transpondedores del satélite</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nuevo satélite</translation>
    </message>
    <message>
        <source>New Favourite List from Provider</source>
        <translation>Nueva lista de favoritos a partir del proveedor</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Por nombre</translation>
    </message>
    <message>
        <source>By Orbital Position</source>
        <translation>Por posición orbital</translation>
    </message>
    <message>
        <source>In Stored Order</source>
        <translation>En el orden guardado</translation>
    </message>
    <message>
        <source>By Number</source>
        <translation>Por número</translation>
    </message>
    <message>
        <source>Satellites with Channels</source>
        <translation>Satélites con canales</translation>
    </message>
    <message>
        <source>Satellites with LNB Settings</source>
        <translation>Satélites con ajustes de LNB</translation>
    </message>
    <message>
        <source>ISO 6937</source>
        <translation>ISO 6937</translation>
    </message>
    <message>
        <source>ISO 8859-5 (Cyrillic)</source>
        <translation>ISO 8859-5 (cirílico)</translation>
    </message>
    <message>
        <source>ISO 8859-6 (Arabic)</source>
        <translation>ISO 8859-6 (árabe)</translation>
    </message>
    <message>
        <source>ISO 8859-7 (Greek)</source>
        <translation>ISO 8859-7 (griego)</translation>
    </message>
    <message>
        <source>ISO 8859-8 (Hebrew)</source>
        <translation>ISO 8859-8 (hebreo)</translation>
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
        <translation>Orden de los satélites</translation>
    </message>
    <message>
        <source>Active Satellites</source>
        <translation>Satélites activos</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Orden de los proveedores</translation>
    </message>
    <message>
        <source>Favourite Code Page</source>
        <translation>Página de códigos de favoritos</translation>
    </message>
    <message>
        <source>The list holds 255 satellites, as many as the receiver takes.</source>
        <translation>La lista contiene 255 satélites, el máximo que admite el receptor.</translation>
    </message>
    <message>
        <source>Kein SatArrayPos</source>
        <translation>El satélite no está en la lista de satélites.</translation>
    </message>
    <message>
        <source>Es konnte kein neuer Transponder erzeugt werden.</source>
        <translation>No se ha podido crear un transpondedor nuevo.</translation>
    </message>
</context>
<context>
    <name>tarnell::CMainFrame</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About Tarnell 1018</source>
        <translation>Acerca de Tarnell 1018</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>List Style</source>
        <translation>Estilo de lista</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Ventanas</translation>
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
        <translation>Solo satélites activos</translation>
    </message>
    <message>
        <source>Satellite Numbers</source>
        <translation>Números de satélite</translation>
    </message>
    <message>
        <source>Favourite Text</source>
        <translation>Texto de favoritos</translation>
    </message>
    <message>
        <source>Favourite Background</source>
        <translation>Fondo de favoritos</translation>
    </message>
    <message>
        <source>Favourite Options</source>
        <translation>Opciones de favoritos</translation>
    </message>
    <message>
        <source>Network Profiles</source>
        <translation>Perfiles de red</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Enviar al receptor</translation>
    </message>
    <message>
        <source>Fetch Service List</source>
        <translation>Obtener lista de canales</translation>
    </message>
    <message>
        <source>Fetch Service List and Configuration</source>
        <translation>Obtener lista de canales y configuración</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Receiver Configuration</source>
        <translation>Configuración del receptor</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Tarnell 1018 edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers.

Open a settings file (*.fdu, *.sys) or fetch the list from the receiver, choose a satellite, transponder, provider or favourite list in the tree on the left and work on its channels in the list on the right. Save the file or send it back to the receiver when you are done.

Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+A select all, Ctrl+W close, Shift+F1 what&apos;s this.</source>
        <translation>Tarnell 1018 edita las listas de canales y los ajustes de los receptores Octagon SF 1018 y SF 1028.

Abra un archivo de ajustes (*.fdu, *.sys) u obtenga la lista del receptor, elija un satélite, un transpondedor, un proveedor o una lista de favoritos en el árbol de la izquierda y trabaje con sus canales en la lista de la derecha. Cuando termine, guarde el archivo o envíelo de vuelta al receptor.

Teclas: Ctrl+N nuevo, Ctrl+O abrir, Ctrl+S guardar, Ctrl+Z deshacer, Ctrl+Y rehacer, Ctrl+A seleccionar todo, Ctrl+W cerrar, Mayús+F1 ¿qué es esto?</translation>
    </message>
    <message>
        <source>Community Web Page</source>
        <translation>Página web de la comunidad</translation>
    </message>
    <message>
        <source>Tabbed Windows</source>
        <translation>Ventanas con pestañas</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>En cascada</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>En mosaico</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Portapapeles</translation>
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
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>The service list window has been closed.</source>
        <translation>Se ha cerrado la ventana de la lista de canales.</translation>
    </message>
    <message>
        <source>Service list %1</source>
        <translation>Lista de canales %1</translation>
    </message>
    <message>
        <source>The settings file cannot be opened.</source>
        <translation>No se puede abrir el archivo de ajustes.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. These parts of it cannot be read:

%2

If you open it, the list lacks them, and saving or sending it loses them for good. Open it anyway?</source>
        <translation>El archivo de configuración %1 está dañado. Estas partes no se pueden leer:

%2

Si lo abre, a la lista le faltarán, y al guardarla o enviarla se perderán para siempre. ¿Abrirlo de todos modos?</translation>
    </message>
    <message>
        <source>Damaged settings file</source>
        <translation>Archivo de configuración dañado</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

The receiver would get it without these parts. Send it anyway?</source>
        <translation>Esta lista se leyó de un archivo dañado y le falta: %1.

El receptor la recibiría sin estas partes. ¿Enviarla de todos modos?</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

Saving writes it without these parts. Save it anyway?</source>
        <translation>Esta lista se leyó de un archivo dañado y le falta: %1.

Se guardará sin estas partes. ¿Guardarla de todos modos?</translation>
    </message>
    <message>
        <source>Import of other channel lists</source>
        <translation>Importación de otras listas de canales</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Selección de idioma</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Manual del usuario</translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation>El manual del usuario no está instalado.</translation>
    </message>
</context>
<context>
    <name>tarnell::CNavigationTreeModel</name>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Proveedores</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listas de favoritos</translation>
    </message>
</context>
<context>
    <name>tarnell::CNetworkProfileListModel</name>
    <message>
        <source>A network profile needs a name.</source>
        <translation>Un perfil de red necesita un nombre.</translation>
    </message>
    <message>
        <source>There is a network profile named &quot;%1&quot; already.</source>
        <translation>Ya existe un perfil de red llamado &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsConcretePage</name>
    <message>
        <source>Favourite lists</source>
        <translation>Listas de favoritos</translation>
    </message>
    <message>
        <source>Selection after a favourite command:</source>
        <translation>Selección tras un comando de favoritos:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Se borra</translation>
    </message>
    <message>
        <source>Kept as it was</source>
        <translation>Se mantiene</translation>
    </message>
    <message>
        <source>Numbers in a favourite list:</source>
        <translation>Números en una lista de favoritos:</translation>
    </message>
    <message>
        <source>Stored numbers</source>
        <translation>Números guardados</translation>
    </message>
    <message>
        <source>Pasted channels:</source>
        <translation>Canales pegados:</translation>
    </message>
    <message>
        <source>Keep their favourite lists</source>
        <translation>Mantenerlos en sus listas de favoritos</translation>
    </message>
    <message>
        <source>Take them out of every favourite list</source>
        <translation>Quitarlos de todas las listas de favoritos</translation>
    </message>
    <message>
        <source>Code page of the list names:</source>
        <translation>Página de códigos de los nombres de lista:</translation>
    </message>
    <message>
        <source>ISO 6937 (20269)</source>
        <translation>ISO 6937 (20269)</translation>
    </message>
    <message>
        <source>Cyrillic, ISO 8859-5 (28595)</source>
        <translation>Cirílico, ISO 8859-5 (28595)</translation>
    </message>
    <message>
        <source>Arabic, ISO 8859-6 (28596)</source>
        <translation>Árabe, ISO 8859-6 (28596)</translation>
    </message>
    <message>
        <source>Greek, ISO 8859-7 (28597)</source>
        <translation>Griego, ISO 8859-7 (28597)</translation>
    </message>
    <message>
        <source>Hebrew, ISO 8859-8 (28598)</source>
        <translation>Hebreo, ISO 8859-8 (28598)</translation>
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
        <translation>Satélites</translation>
    </message>
    <message>
        <source>A satellite is active when:</source>
        <translation>Un satélite está activo cuando:</translation>
    </message>
    <message>
        <source>Its antenna settings are in use</source>
        <translation>Sus ajustes de antena están en uso</translation>
    </message>
    <message>
        <source>Channels are stored on it</source>
        <translation>Tiene canales guardados</translation>
    </message>
    <message>
        <source>Satellite, transponder and provider lists show:</source>
        <translation>Las listas de satélites, transpondedores y proveedores muestran:</translation>
    </message>
    <message>
        <source>TV and radio channels</source>
        <translation>Canales de TV y radio</translation>
    </message>
    <message>
        <source>Only the channels of the TV/radio switch</source>
        <translation>Solo los canales del selector TV/radio</translation>
    </message>
    <message>
        <source>Order of the satellites in the tree:</source>
        <translation>Orden de los satélites en el árbol:</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>Por nombre</translation>
    </message>
    <message>
        <source>By orbital position</source>
        <translation>Por posición orbital</translation>
    </message>
    <message>
        <source>As stored in the receiver</source>
        <translation>Como está guardado en el receptor</translation>
    </message>
    <message>
        <source>Favourites and Satellites</source>
        <translation>Favoritos y satélites</translation>
    </message>
    <message>
        <source>How favourite lists are numbered, named and kept, and which satellites the tree shows in which order.</source>
        <translation>Cómo se numeran, nombran y conservan las listas de favoritos, y qué satélites muestra el árbol y en qué orden.</translation>
    </message>
    <message>
        <source>Sequential: 1, 2, 3 ...</source>
        <translation>Correlativos: 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <source>Before a send:</source>
        <translation>Antes de un envío:</translation>
    </message>
    <message>
        <source>Send at once</source>
        <translation>Enviar enseguida</translation>
    </message>
    <message>
        <source>Show what will change on the receiver</source>
        <translation>Mostrar lo que cambiará en el receptor</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsPropSheet</name>
    <message>
        <source>Weitere interessante Informationen</source>
        <translation>Opciones e información</translation>
    </message>
</context>
<context>
    <name>tarnell::CPrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Impresión rápida</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Configurar impresión...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exportar como PDF...</translation>
    </message>
    <message>
        <source>Favourite list</source>
        <translation>Lista de favoritos</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Todos los canales</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>No se pudo imprimir la lista de canales en %1.</translation>
    </message>
    <message>
        <source>No printer is set up. Export as PDF or print to a file from the Print dialog instead.</source>
        <translation>No hay ninguna impresora configurada. Exporte como PDF o imprima en un archivo desde el cuadro de impresión.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo PDF %1: %2</translation>
    </message>
    <message>
        <source>The printed pages were saved as %1.</source>
        <translation>Las páginas impresas se guardaron como %1.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertiesWnd</name>
    <message>
        <source>Satellite / Transponder</source>
        <translation>Satélite / Transpondedor</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listas de favoritos</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>de 0 a %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>The channel moves to the first transponder of the satellite chosen.</source>
        <translation>El canal pasa al primer transpondedor del satélite elegido.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>The channel&apos;s name; a part in angle brackets, such as &lt;ARD&gt;, is not shown in the list. A name record holds 100 bytes.</source>
        <translation>El nombre del canal; una parte entre corchetes angulares, como &lt;ARD&gt;, no se muestra en la lista. Un registro de nombre admite 100 bytes.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Tabla de caracteres</translation>
    </message>
    <message>
        <source>Name edited</source>
        <translation>Nombre editado</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de servicio</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>de 0 a 65535</translation>
    </message>
    <message>
        <source>Video type</source>
        <translation>Tipo de vídeo</translation>
    </message>
    <message>
        <source>Audio type</source>
        <translation>Tipo de audio</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID de PCR</translation>
    </message>
    <message>
        <source>Service value 4</source>
        <translation>Valor de servicio 4</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Modo de audio</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Pay (€)</source>
        <translation>De pago (€)</translation>
    </message>
    <message>
        <source>Mark M 1</source>
        <translation>Marca M 1</translation>
    </message>
    <message>
        <source>Mark M 2</source>
        <translation>Marca M 2</translation>
    </message>
    <message>
        <source>Stored number</source>
        <translation>Número guardado</translation>
    </message>
    <message>
        <source>0 to 9999; timers find their channel by this number.</source>
        <translation>de 0 a 9999; los temporizadores encuentran su canal por este número.</translation>
    </message>
    <message>
        <source>The name holds characters its character table cannot store.</source>
        <translation>El nombre contiene caracteres que su tabla de caracteres no puede guardar.</translation>
    </message>
    <message>
        <source>The name is too long: a name record holds 100 bytes.</source>
        <translation>El nombre es demasiado largo: un registro de nombre admite 100 bytes.</translation>
    </message>
    <message>
        <source>The satellite has no transponder; the channel stays where it is.</source>
        <translation>El satélite no tiene transpondedor; el canal se queda donde está.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGrid</name>
    <message>
        <source>Alphabetical</source>
        <translation>Alfabético</translation>
    </message>
    <message>
        <source>Sort the properties by name instead of in groups</source>
        <translation>Ordenar las propiedades por nombre en lugar de por grupos</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Expandir todo</translation>
    </message>
    <message>
        <source>Open every group of properties</source>
        <translation>Abrir todos los grupos de propiedades</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGridModel</name>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>Este valor no se puede cambiar aquí.</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3.</source>
        <translation>%1: introduzca un número entero de %2 a %3.</translation>
    </message>
    <message>
        <source>%1: choose one of the options.</source>
        <translation>%1: elija una de las opciones.</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedad</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <source>Fetching from the receiver was cancelled.</source>
        <translation>Se ha cancelado la obtención desde el receptor.</translation>
    </message>
    <message>
        <source>Fetching the service list and the configuration from the receiver at %1...</source>
        <translation>Obteniendo la lista de canales y la configuración del receptor en %1...</translation>
    </message>
    <message>
        <source>Fetching the service list from the receiver at %1...</source>
        <translation>Obteniendo la lista de canales del receptor en %1...</translation>
    </message>
    <message>
        <source>Sending the service list to the receiver at %1...</source>
        <translation>Enviando la lista de canales al receptor en %1...</translation>
    </message>
    <message>
        <source>The service list could not be prepared for the receiver; nothing was sent.</source>
        <translation>No se ha podido preparar la lista de canales para el receptor; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>The service list and the configuration were sent to the receiver at %1.</source>
        <translation>La lista de canales y la configuración se han enviado al receptor en %1.</translation>
    </message>
    <message>
        <source>The service list was sent to the receiver at %1.</source>
        <translation>La lista de canales se ha enviado al receptor en %1.</translation>
    </message>
    <message>
        <source>Its previous files are kept in &quot;%1&quot;.</source>
        <translation>Sus archivos anteriores se guardan en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restarting the receiver at %1...</source>
        <translation>Reiniciando el receptor en %1...</translation>
    </message>
    <message>
        <source>The receiver at %1 was told to restart (%2).</source>
        <translation>Se ha ordenado al receptor en %1 que se reinicie (%2).</translation>
    </message>
    <message>
        <source>The receiver&apos;s current list cannot be read.</source>
        <translation>La lista actual del receptor no se puede leer.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver&apos;s list is unchanged.</source>
        <translation>No se envió nada; la lista del receptor no ha cambiado.</translation>
    </message>
    <message>
        <source>Sending changes the receiver&apos;s list:

%1

Send the list to the receiver?</source>
        <translation>El envío cambia la lista del receptor:

%1

¿Enviar la lista al receptor?</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Enviar al receptor</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverConfigPage</name>
    <message>
        <source>The PIN code must be exactly four digits.</source>
        <translation>El código PIN debe tener exactamente cuatro dígitos.</translation>
    </message>
    <message>
        <source>An address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>Una dirección son cuatro números de 0 a 255 separados por puntos, por ejemplo 192.168.0.10.</translation>
    </message>
    <message>
        <source>The longitude must lie from 0 to 180 degrees, with at most three decimals.</source>
        <translation>La longitud debe estar entre 0 y 180 grados, con tres decimales como máximo.</translation>
    </message>
    <message>
        <source>The latitude must lie from 0 to 90 degrees, with at most three decimals.</source>
        <translation>La latitud debe estar entre 0 y 90 grados, con tres decimales como máximo.</translation>
    </message>
    <message>
        <source>The receiver stores at most 127 characters of Western European text here.</source>
        <translation>El receptor guarda aquí como máximo 127 caracteres de texto de Europa occidental.</translation>
    </message>
    <message>
        <source>This value cannot be stored.</source>
        <translation>Este valor no se puede guardar.</translation>
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
        <translation>Edita las listas de canales y los ajustes de los receptores Octagon SF 1018 y SF 1028: canales, listas de favoritos, satélites, transpondedores, temporizadores y la configuración del receptor.</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>To every receiver owner who shared a service list and tried the transfers on a real receiver.</source>
        <translation>A todos los propietarios de receptores que compartieron una lista de canales y probaron las transferencias en un receptor real.</translation>
    </message>
    <message>
        <source>To the people behind Qt, zlib and libcurl, on whose work this program stands.</source>
        <translation>A las personas detrás de Qt, zlib y libcurl, en cuyo trabajo se basa este programa.</translation>
    </message>
    <message>
        <source>The receiver maker</source>
        <translation>El fabricante del receptor</translation>
    </message>
    <message>
        <source>Octagon on the web</source>
        <translation>Octagon en la web</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>About this program, the people who helped to make it, and where to find the receiver maker.</source>
        <translation>Sobre este programa, las personas que ayudaron a hacerlo y dónde encontrar al fabricante del receptor.</translation>
    </message>
</context>
<context>
    <name>tarnell::CRibbonBar</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>tarnell::CSatelliteWnd</name>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Sintonizador</translation>
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
        <translation>Estos datos solo están en un archivo *.sys.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>A satellite needs a name.</source>
        <translation>Un satélite necesita un nombre.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>The position must lie from 0 to 180.0 degrees, with at most one decimal.</source>
        <translation>La posición debe estar entre 0 y 180,0 grados, con un decimal como máximo.</translation>
    </message>
    <message>
        <source>East / West</source>
        <translation>Este / Oeste</translation>
    </message>
    <message>
        <source>Tuner mode</source>
        <translation>Modo del sintonizador</translation>
    </message>
    <message>
        <source>Tuner input</source>
        <translation>Entrada del sintonizador</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>Tipo de LNB</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>LNB option (bit 0)</source>
        <translation>Opción de LNB (bit 0)</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Longitud del lugar</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Latitud del lugar</translation>
    </message>
    <message>
        <source>User band</source>
        <translation>Banda de usuario</translation>
    </message>
    <message>
        <source>User band frequency</source>
        <translation>Frecuencia de la banda de usuario</translation>
    </message>
    <message>
        <source>MHz; at most %1 is stored.</source>
        <translation>MHz; se guarda como máximo %1.</translation>
    </message>
    <message>
        <source>Position A/B</source>
        <translation>Posición A/B</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Two inputs</source>
        <translation>Dos entradas</translation>
    </message>
    <message>
        <source>Loop-through</source>
        <translation>Bucle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
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
        <translation>Otros satélites también usan este registro de LNB y la lista no tiene sitio para otro: no se hizo el cambio.</translation>
    </message>
    <message>
        <source>Site Longitude and Latitude...</source>
        <translation>Longitud y latitud del lugar...</translation>
    </message>
</context>
<context>
    <name>tarnell::CSettingsOptionsPropSheet</name>
    <message>
        <source>Receiver Configuration</source>
        <translation>Configuración del receptor</translation>
    </message>
</context>
<context>
    <name>tarnell::CStatistikDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Channels by kind</source>
        <translation>Canales por tipo</translation>
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
        <translation>Lista de canales</translation>
    </message>
    <message>
        <source>TV channels:</source>
        <translation>Canales de TV:</translation>
    </message>
    <message>
        <source>Radio channels:</source>
        <translation>Canales de radio:</translation>
    </message>
    <message>
        <source>All channels:</source>
        <translation>Todos los canales:</translation>
    </message>
    <message>
        <source>Used transponders:</source>
        <translation>Transpondedores usados:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satélites:</translation>
    </message>
    <message>
        <source>Timers:</source>
        <translation>Temporizadores:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Giro:</translation>
    </message>
    <message>
        <source>Tilt:</source>
        <translation>Inclinación:</translation>
    </message>
</context>
<context>
    <name>tarnell::CTarnell1018View</name>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Remove from Favourite List</source>
        <translation>Quitar de la lista de favoritos</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>Eliminar canales</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Favourite Lists</source>
        <translation>Listas de favoritos</translation>
    </message>
    <message>
        <source>Remove from All Favourite Lists</source>
        <translation>Quitar de todas las listas de favoritos</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Nuevo canal de TV</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Nuevo canal de radio</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Mover a la posición...</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>HD Channels</source>
        <translation>Canales HD</translation>
    </message>
    <message>
        <source>Pay Channels</source>
        <translation>Canales de pago</translation>
    </message>
    <message>
        <source>Channels Marked M 1</source>
        <translation>Canales con marca M 1</translation>
    </message>
    <message>
        <source>Channels Marked M 2</source>
        <translation>Canales con marca M 2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>Set M 1</source>
        <translation>Poner M 1</translation>
    </message>
    <message>
        <source>Clear M 1</source>
        <translation>Quitar M 1</translation>
    </message>
    <message>
        <source>Set T 1</source>
        <translation>Poner T 1</translation>
    </message>
    <message>
        <source>Clear T 1</source>
        <translation>Quitar T 1</translation>
    </message>
    <message>
        <source>Set T 2</source>
        <translation>Poner T 2</translation>
    </message>
    <message>
        <source>Clear T 2</source>
        <translation>Quitar T 2</translation>
    </message>
    <message>
        <source>Copy T 1 to T 2</source>
        <translation>Copiar T 1 a T 2</translation>
    </message>
    <message>
        <source>Copy T 2 to T 1</source>
        <translation>Copiar T 2 a T 1</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>Sort by Number</source>
        <translation>Ordenar por número</translation>
    </message>
    <message>
        <source>Channel Properties</source>
        <translation>Propiedades del canal</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
    <message>
        <source>Hier sollten Sie eigentlich nie hinkommen...</source>
        <translation>Nunca debería llegar aquí...</translation>
    </message>
    <message>
        <source>This list shows TV and radio channels together: move channels in the list of all channels, or show one kind only (Options).</source>
        <translation>Esta lista muestra juntos canales de TV y de radio: mueva los canales en la lista de todos los canales, o muestre solo un tipo (Opciones).</translation>
    </message>
</context>
<context>
    <name>tarnell::CTimerDlg</name>
    <message>
        <source>Timers</source>
        <translation>Temporizadores</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Repetition</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Duration (End)</source>
        <translation>Duración (fin)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>The timer&apos;s text, at most %1 characters.</source>
        <translation>El texto del temporizador, como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Tabla de caracteres</translation>
    </message>
    <message>
        <source>Flag 1</source>
        <translation>Opción 1</translation>
    </message>
    <message>
        <source>Flag 2</source>
        <translation>Opción 2</translation>
    </message>
    <message>
        <source>New Timer</source>
        <translation>Nuevo temporizador</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete All Timers</source>
        <translation>Eliminar todos los temporizadores</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Mon-Fri</source>
        <translation>Lun-Vie</translation>
    </message>
    <message>
        <source>Sat-Sun</source>
        <translation>Sáb-Dom</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
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
        <translation>Mié.</translation>
    </message>
    <message>
        <source>Do.</source>
        <translation>Jue.</translation>
    </message>
    <message>
        <source>Fr.</source>
        <translation>Vie.</translation>
    </message>
    <message>
        <source>Sa.</source>
        <translation>Sáb.</translation>
    </message>
    <message>
        <source>So.</source>
        <translation>Dom.</translation>
    </message>
    <message>
        <source>The timer holds %1 characters; the text was cut to &quot;%2&quot;.</source>
        <translation>El temporizador admite %1 caracteres; el texto se recortó a «%2».</translation>
    </message>
</context>
<context>
    <name>tarnell::CToolCommands</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Temporizadores</translation>
    </message>
</context>
<context>
    <name>tarnell::CTransponderWnd</name>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>The satellite of the transponder; it is changed by making the transponder anew on another satellite.</source>
        <translation>El satélite del transpondedor; se cambia creando de nuevo el transpondedor en otro satélite.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>MHz, 1 to 65535</source>
        <translation>MHz, de 1 a 65535</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>kS/s, 0 to 65535</source>
        <translation>kS/s, de 0 a 65535</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>ID del flujo de transporte</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>de 0 a 65535</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID de la red original</translation>
    </message>
</context>
<context>
    <name>tarnell::CVerschiebenAufPosDlg</name>
    <message>
        <source>Move to Position</source>
        <translation>Mover a la posición</translation>
    </message>
    <message>
        <source>New position of the selected channels (%1 to %2):</source>
        <translation>Nueva posición de los canales seleccionados (%1 a %2):</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Introduzca un número de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CVisualStyle</name>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Ciruela</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Graphite</source>
        <translation>Grafito</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Night Teal</source>
        <translation>Verde azulado noche</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
</context>
<context>
    <name>tarnell::CWindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Ventanas</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Activar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Cerrar ventana</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>tarnell::CommandDescriptions</name>
    <message>
        <source>Start a new service list from the factory list.</source>
        <translation>Empezar una nueva lista de canales a partir de la lista de fábrica.</translation>
    </message>
    <message>
        <source>Open a settings file (*.fdu, *.sys) from disk.</source>
        <translation>Abrir un archivo de ajustes (*.fdu, *.sys) del disco.</translation>
    </message>
    <message>
        <source>Save the active service list.</source>
        <translation>Guardar la lista de canales activa.</translation>
    </message>
    <message>
        <source>Save the active service list under a new name.</source>
        <translation>Guardar la lista de canales activa con un nombre nuevo.</translation>
    </message>
    <message>
        <source>Close the active service list.</source>
        <translation>Cerrar la lista de canales activa.</translation>
    </message>
    <message>
        <source>Print the channel list.</source>
        <translation>Imprimir la lista de canales.</translation>
    </message>
    <message>
        <source>Print the channel list on the default printer at once.</source>
        <translation>Imprimir al instante la lista de canales en la impresora predeterminada.</translation>
    </message>
    <message>
        <source>Show the pages as they will be printed.</source>
        <translation>Mostrar las páginas tal como se imprimirán.</translation>
    </message>
    <message>
        <source>Choose the printer and the paper.</source>
        <translation>Elegir la impresora y el papel.</translation>
    </message>
    <message>
        <source>Import an Enigma2 list (lamedb and bouquets).</source>
        <translation>Importar una lista Enigma2 (lamedb y bouquets).</translation>
    </message>
    <message>
        <source>Import an Octagon 918/908/818 list (*.udb).</source>
        <translation>Importar una lista Octagon 918/908/818 (*.udb).</translation>
    </message>
    <message>
        <source>Import an Octagon SD x18 list (*.bin).</source>
        <translation>Importar una lista Octagon SD x18 (*.bin).</translation>
    </message>
    <message>
        <source>Preferences, colours and network profiles.</source>
        <translation>Preferencias, colores y perfiles de red.</translation>
    </message>
    <message>
        <source>How favourite lists and satellites behave.</source>
        <translation>Cómo se comportan las listas de favoritos y los satélites.</translation>
    </message>
    <message>
        <source>The receivers on your network and how to reach them.</source>
        <translation>Los receptores de su red y cómo acceder a ellos.</translation>
    </message>
    <message>
        <source>Quit the program; it asks about unsaved changes first.</source>
        <translation>Salir del programa; antes pregunta por los cambios sin guardar.</translation>
    </message>
    <message>
        <source>Version and credits.</source>
        <translation>Versión y créditos.</translation>
    </message>
    <message>
        <source>How to work with the program, and its keys.</source>
        <translation>Cómo trabajar con el programa y sus teclas.</translation>
    </message>
    <message>
        <source>Click on any part of the window to learn what it does.</source>
        <translation>Haga clic en cualquier parte de la ventana para saber qué hace.</translation>
    </message>
    <message>
        <source>Open the receiver maker&apos;s web site in your browser.</source>
        <translation>Abrir el sitio web del fabricante del receptor en el navegador.</translation>
    </message>
    <message>
        <source>Choose the colours of the program.</source>
        <translation>Elegir los colores del programa.</translation>
    </message>
    <message>
        <source>Insert the channels from the clipboard.</source>
        <translation>Insertar los canales del portapapeles.</translation>
    </message>
    <message>
        <source>Move the selected channels to the clipboard.</source>
        <translation>Mover los canales seleccionados al portapapeles.</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard.</source>
        <translation>Copiar los canales seleccionados al portapapeles.</translation>
    </message>
    <message>
        <source>Select every channel of the list.</source>
        <translation>Seleccionar todos los canales de la lista.</translation>
    </message>
    <message>
        <source>Put the channels in order.</source>
        <translation>Poner los canales en orden.</translation>
    </message>
    <message>
        <source>Switch between the detailed and the compact list.</source>
        <translation>Cambiar entre la lista detallada y la compacta.</translation>
    </message>
    <message>
        <source>Show the channels in compact columns.</source>
        <translation>Mostrar los canales en columnas compactas.</translation>
    </message>
    <message>
        <source>Show the channels with all their columns.</source>
        <translation>Mostrar los canales con todas sus columnas.</translation>
    </message>
    <message>
        <source>Arrange the open windows, show the panes, or pick a window.</source>
        <translation>Organizar las ventanas abiertas, mostrar los paneles o elegir una ventana.</translation>
    </message>
    <message>
        <source>Show the TV channels.</source>
        <translation>Mostrar los canales de TV.</translation>
    </message>
    <message>
        <source>Show the radio channels.</source>
        <translation>Mostrar los canales de radio.</translation>
    </message>
    <message>
        <source>List only satellites that are in use.</source>
        <translation>Mostrar solo los satélites en uso.</translation>
    </message>
    <message>
        <source>Show the satellites&apos; numbers in the tree.</source>
        <translation>Mostrar los números de los satélites en el árbol.</translation>
    </message>
    <message>
        <source>Text colour of the marked favourite list&apos;s channels.</source>
        <translation>Color del texto de los canales de la lista de favoritos marcada.</translation>
    </message>
    <message>
        <source>Background colour of the marked favourite list&apos;s channels.</source>
        <translation>Color de fondo de los canales de la lista de favoritos marcada.</translation>
    </message>
    <message>
        <source>Fetch the list from the receiver or send it back.</source>
        <translation>Obtener la lista del receptor o enviarla de vuelta.</translation>
    </message>
    <message>
        <source>Load the service list from the receiver into a new window.</source>
        <translation>Cargar la lista de canales del receptor en una ventana nueva.</translation>
    </message>
    <message>
        <source>Load the service list and the receiver&apos;s configuration into a new window.</source>
        <translation>Cargar la lista de canales y la configuración del receptor en una ventana nueva.</translation>
    </message>
    <message>
        <source>Send the active service list to the receiver.</source>
        <translation>Enviar la lista de canales activa al receptor.</translation>
    </message>
    <message>
        <source>Number the channels again in list order.</source>
        <translation>Volver a numerar los canales en el orden de la lista.</translation>
    </message>
    <message>
        <source>Unlink channels from names that do not exist.</source>
        <translation>Desvincular los canales de nombres que no existen.</translation>
    </message>
    <message>
        <source>Write the shown channels to a text file.</source>
        <translation>Escribir los canales mostrados en un archivo de texto.</translation>
    </message>
    <message>
        <source>Move the usual Astra 19.2° East channels to the top.</source>
        <translation>Mover al principio los canales habituales de Astra 19,2° Este.</translation>
    </message>
    <message>
        <source>Delete every transponder no channel uses.</source>
        <translation>Eliminar todos los transpondedores que no usa ningún canal.</translation>
    </message>
    <message>
        <source>Count channels, transponders and satellites.</source>
        <translation>Contar canales, transpondedores y satélites.</translation>
    </message>
    <message>
        <source>Show and edit the receiver&apos;s timers.</source>
        <translation>Mostrar y editar los temporizadores del receptor.</translation>
    </message>
    <message>
        <source>Edit the receiver&apos;s configuration.</source>
        <translation>Editar la configuración del receptor.</translation>
    </message>
    <message>
        <source>Show or hide the satellite and LNB properties.</source>
        <translation>Mostrar u ocultar las propiedades del satélite y del LNB.</translation>
    </message>
    <message>
        <source>Show or hide the transponder properties.</source>
        <translation>Mostrar u ocultar las propiedades del transpondedor.</translation>
    </message>
    <message>
        <source>Show or hide the channel properties.</source>
        <translation>Mostrar u ocultar las propiedades del canal.</translation>
    </message>
    <message>
        <source>Show or hide the channel search.</source>
        <translation>Mostrar u ocultar la búsqueda de canales.</translation>
    </message>
    <message>
        <source>Use this language from the next start of the program.</source>
        <translation>Usar este idioma a partir del próximo inicio del programa.</translation>
    </message>
    <message>
        <source>Import the channel list of another receiver.</source>
        <translation>Adoptar la lista de canales de otro receptor.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Deshacer el último cambio.</translation>
    </message>
    <message>
        <source>Redo the change you last undid.</source>
        <translation>Rehacer el cambio deshecho.</translation>
    </message>
    <message>
        <source>Show and use the numbers stored with the channels instead of sequential numbers.</source>
        <translation>Mostrar y usar los números guardados con los canales en lugar de la numeración correlativa.</translation>
    </message>
    <message>
        <source>Show sequential numbers in the search results.</source>
        <translation>Mostrar numeración correlativa en los resultados de búsqueda.</translation>
    </message>
    <message>
        <source>Clear out the transponders no channel uses.</source>
        <translation>Quitar los transpondedores que no usa ningún canal.</translation>
    </message>
    <message>
        <source>Delete the selected channels, or take them out of the favourite list shown.</source>
        <translation>Eliminar los canales seleccionados o quitarlos de la lista de favoritos mostrada.</translation>
    </message>
    <message>
        <source>Add a new channel behind the selected one.</source>
        <translation>Añadir un canal nuevo detrás del seleccionado.</translation>
    </message>
    <message>
        <source>Move the selected channels to a position you enter.</source>
        <translation>Mover los canales seleccionados a la posición que indique.</translation>
    </message>
    <message>
        <source>Move the selected channels up by one.</source>
        <translation>Subir una posición los canales seleccionados.</translation>
    </message>
    <message>
        <source>Move the selected channels down by one.</source>
        <translation>Bajar una posición los canales seleccionados.</translation>
    </message>
    <message>
        <source>Number the channels in the order the list shows them.</source>
        <translation>Numerar los canales en el orden en que la lista los muestra.</translation>
    </message>
    <message>
        <source>Take the selected channels out of every favourite list.</source>
        <translation>Quitar los canales seleccionados de todas las listas de favoritos.</translation>
    </message>
    <message>
        <source>Select the HD channels.</source>
        <translation>Seleccionar los canales HD.</translation>
    </message>
    <message>
        <source>Select the pay channels.</source>
        <translation>Seleccionar los canales de pago.</translation>
    </message>
    <message>
        <source>Select the channels marked M 1.</source>
        <translation>Seleccionar los canales marcados M 1.</translation>
    </message>
    <message>
        <source>Select the channels marked M 2.</source>
        <translation>Seleccionar los canales marcados M 2.</translation>
    </message>
    <message>
        <source>Mark the selected channels M 1.</source>
        <translation>Marcar M 1 en los canales seleccionados.</translation>
    </message>
    <message>
        <source>Clear the mark M 1 of the selected channels.</source>
        <translation>Quitar la marca M 1 de los canales seleccionados.</translation>
    </message>
    <message>
        <source>Set T 1 on the selected channels.</source>
        <translation>Activar T 1 en los canales seleccionados.</translation>
    </message>
    <message>
        <source>Clear T 1 on the selected channels.</source>
        <translation>Quitar T 1 de los canales seleccionados.</translation>
    </message>
    <message>
        <source>Set T 2 on the selected channels.</source>
        <translation>Activar T 2 en los canales seleccionados.</translation>
    </message>
    <message>
        <source>Clear T 2 on the selected channels.</source>
        <translation>Quitar T 2 de los canales seleccionados.</translation>
    </message>
    <message>
        <source>Give the selected channels T 2 as their T 1 is.</source>
        <translation>Dar a T 2 de los canales seleccionados el valor de su T 1.</translation>
    </message>
    <message>
        <source>Give the selected channels T 1 as their T 2 is.</source>
        <translation>Dar a T 1 de los canales seleccionados el valor de su T 2.</translation>
    </message>
    <message>
        <source>Sort the list by channel name.</source>
        <translation>Ordenar la lista por nombre de canal.</translation>
    </message>
    <message>
        <source>Sort the list by channel number.</source>
        <translation>Ordenar la lista por número de canal.</translation>
    </message>
    <message>
        <source>Show the properties of the selected channel.</source>
        <translation>Mostrar las propiedades del canal seleccionado.</translation>
    </message>
    <message>
        <source>Add the selected channels to this favourite list; a single member leaves it.</source>
        <translation>Añadir los canales seleccionados a esta lista de favoritos; un único miembro sale de ella.</translation>
    </message>
    <message>
        <source>Save the printed pages of the channel list as a PDF file.</source>
        <translation>Guardar las páginas impresas de la lista de canales como archivo PDF.</translation>
    </message>
    <message>
        <source>Open the user manual in your browser.</source>
        <translation>Abrir el manual del usuario en el navegador.</translation>
    </message>
    <message>
        <source>See what differs between this list and a file or the receiver&apos;s list.</source>
        <translation>Ver qué difiere entre esta lista y un archivo o la lista del receptor.</translation>
    </message>
    <message>
        <source>Compare this list with a settings file: channels added, removed, renamed, moved; favourites, satellites, transponders, timers.</source>
        <translation>Comparar esta lista con un archivo de configuración: canales añadidos, eliminados, renombrados, movidos; favoritos, satélites, transpondedores, temporizadores.</translation>
    </message>
    <message>
        <source>Fetch the receiver&apos;s list and show what a send would change on it.</source>
        <translation>Obtener la lista del receptor y mostrar qué cambiaría un envío en ella.</translation>
    </message>
    <message>
        <source>Sort this list like another settings file, an Enigma2 bouquet or a text of channel names.</source>
        <translation>Ordenar esta lista como otro archivo de configuración, un bouquet de Enigma2 o un texto de nombres de canales.</translation>
    </message>
    <message>
        <source>Select the channels that are the same service as an earlier one.</source>
        <translation>Seleccionar los canales que son el mismo servicio que uno anterior.</translation>
    </message>
    <message>
        <source>Open or send one of the receiver&apos;s lists kept before each send.</source>
        <translation>Abrir o enviar una de las listas del receptor guardadas antes de cada envío.</translation>
    </message>
</context>
</TS>
