<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CDrucken</name>
    <message>
        <source>There are no channels to print in this selection.</source>
        <translation>Cette sélection ne contient aucune chaîne à imprimer.</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Chaînes TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Chaînes radio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
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
        <translation>Fréq.</translation>
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
        <translation>Valeur 4</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Payant</translation>
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
        <translation>Fournisseur</translation>
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
        <translation>Fichiers de paramètres (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>Service lists (*.fdu)</source>
        <translation>Listes de chaînes (*.fdu)</translation>
    </message>
    <message>
        <source>Service lists with configuration (*.sys)</source>
        <translation>Listes de chaînes avec configuration (*.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exporter la liste des chaînes</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Vezi Exportliste (*.txt)</source>
        <translation>Liste d&apos;exportation Vezi (*.txt)</translation>
    </message>
    <message>
        <source>Vezi export list in UTF-8 (*.txt)</source>
        <translation>Liste d&apos;exportation Vezi en UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>The receiver accepted the FTP login.</source>
        <translation>Le récepteur a accepté la connexion FTP.</translation>
    </message>
    <message>
        <source>No FTP connection to the receiver. Check the address, port, user name and password of the network profile.</source>
        <translation>Aucune connexion FTP avec le récepteur. Vérifiez l&apos;adresse, le port, le nom d&apos;utilisateur et le mot de passe du profil réseau.</translation>
    </message>
    <message>
        <source>ftp Connection Error</source>
        <translation>Erreur de connexion FTP</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>No Data 0</source>
        <translation>Aucune donnée 0</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>ftp Test</source>
        <translation>Test FTP</translation>
    </message>
    <message>
        <source>Restart receiver</source>
        <translation>Redémarrer le récepteur</translation>
    </message>
    <message>
        <source>Fehler 1</source>
        <translation>Erreur 1</translation>
    </message>
    <message>
        <source>Kein Connect</source>
        <translation>Pas de connexion</translation>
    </message>
    <message>
        <source>The receiver did not deliver a service list.</source>
        <translation>Le récepteur n&apos;a fourni aucune liste de chaînes.</translation>
    </message>
    <message>
        <source>Restart the receiver now, so that it reads the new lists?</source>
        <translation>Redémarrer le récepteur maintenant pour qu&apos;il lise les nouvelles listes ?</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a service list; it was not read.</source>
        <translation>%1 sur le récepteur dépasse %2 octets : ce n&apos;est donc pas une liste de chaînes ; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>%1 on the receiver is larger than %2 bytes, so it is not a configuration; it was not read.</source>
        <translation>%1 sur le récepteur dépasse %2 octets : ce n&apos;est donc pas une configuration ; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>The service list fetched from the receiver cannot be opened.</source>
        <translation>La liste de chaînes récupérée sur le récepteur ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be kept; nothing was sent.</source>
        <translation>Les fichiers actuels du récepteur n&apos;ont pas pu être sauvegardés ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The receiver&apos;s current files could not be read; nothing was sent.</source>
        <translation>Les fichiers actuels du récepteur n&apos;ont pas pu être lus ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver keeps its previous file.</source>
        <translation>Impossible d&apos;écrire %1 ; le récepteur garde son fichier précédent.</translation>
    </message>
    <message>
        <source>%1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>Impossible d&apos;écrire %1 ; le fichier du récepteur est peut-être incomplet maintenant. Ses fichiers précédents se trouvent dans &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver keeps its previous file.</source>
        <translation>La liste de chaînes a été envoyée, mais %1 n&apos;a pas pu être écrit ; le récepteur garde son fichier précédent.</translation>
    </message>
    <message>
        <source>The service list was sent, but %1 could not be written; the receiver&apos;s file may be incomplete now. Its previous files are in &quot;%2&quot;.</source>
        <translation>La liste de chaînes a été envoyée, mais %1 n&apos;a pas pu être écrit ; le fichier du récepteur est peut-être incomplet maintenant. Ses fichiers précédents se trouvent dans &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no receiver address</source>
        <translation>le profil &quot;%1&quot; n&apos;a pas d&apos;adresse de récepteur</translation>
    </message>
    <message>
        <source>the receiver has no %1</source>
        <translation>le récepteur n&apos;a pas de fichier %1</translation>
    </message>
    <message>
        <source>the receiver has no %1; nothing was sent</source>
        <translation>le récepteur n&apos;a pas de fichier %1 ; rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>%1 on the receiver is empty</source>
        <translation>%1 est vide sur le récepteur</translation>
    </message>
    <message>
        <source>the receiver closed the connection: %1</source>
        <translation>le récepteur a fermé la connexion : %1</translation>
    </message>
    <message>
        <source>The FTP client could not be set up.</source>
        <translation>Le client FTP n&apos;a pas pu être initialisé.</translation>
    </message>
    <message>
        <source>No receiver address or port.</source>
        <translation>Aucune adresse ou aucun port pour le récepteur.</translation>
    </message>
    <message>
        <source>The user name or the password contains a line break.</source>
        <translation>Le nom d&apos;utilisateur ou le mot de passe contient un saut de ligne.</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>Les données système sont endommagées !</translation>
    </message>
    <message>
        <source>There is no network profile. Add one for the receiver on the Network page of the options.</source>
        <translation>Il n&apos;existe aucun profil réseau. Ajoutez-en un pour le récepteur sur la page &quot;Réseau&quot; des options.</translation>
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
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
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
        <translation>Toujours</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Black screen</source>
        <translation>Écran noir</translation>
    </message>
    <message>
        <source>Still picture</source>
        <translation>Image figée</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>Numéro de chaîne</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>Nom de la chaîne</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Dimmed</source>
        <translation>Atténué</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Aucune limite</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Veille</translation>
    </message>
    <message>
        <source>Stay on</source>
        <translation>Rester allumé</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Region %1</source>
        <translation>Région %1</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 heures</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>Langue des menus</translation>
    </message>
    <message>
        <source>First audio language</source>
        <translation>Première langue audio</translation>
    </message>
    <message>
        <source>Second audio language</source>
        <translation>Deuxième langue audio</translation>
    </message>
    <message>
        <source>First subtitle language</source>
        <translation>Première langue des sous-titres</translation>
    </message>
    <message>
        <source>Second subtitle language</source>
        <translation>Deuxième langue des sous-titres</translation>
    </message>
    <message>
        <source>Programme guide language</source>
        <translation>Langue du guide des programmes</translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
    <message>
        <source>Start timeshift automatically</source>
        <translation>Démarrer le timeshift automatiquement</translation>
    </message>
    <message>
        <source>Start recordings earlier by</source>
        <translation>Commencer les enregistrements plus tôt de</translation>
    </message>
    <message>
        <source>End recordings later by</source>
        <translation>Terminer les enregistrements plus tard de</translation>
    </message>
    <message>
        <source>After a timer recording</source>
        <translation>Après un enregistrement programmé</translation>
    </message>
    <message>
        <source>Length of an instant recording</source>
        <translation>Durée d’un enregistrement immédiat</translation>
    </message>
    <message>
        <source>Timeshift length</source>
        <translation>Durée du timeshift</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Format d’enregistrement</translation>
    </message>
    <message>
        <source>Recording buffer</source>
        <translation>Tampon d’enregistrement</translation>
    </message>
    <message>
        <source>Playback buffer</source>
        <translation>Tampon de lecture</translation>
    </message>
    <message>
        <source>Age rating</source>
        <translation>Limite d’âge</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>Code PIN</translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation>Verrouillage %1</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Info bar shown for</source>
        <translation>Bandeau d’informations affiché pendant</translation>
    </message>
    <message>
        <source>Clock in standby</source>
        <translation>Horloge en veille</translation>
    </message>
    <message>
        <source>Volume bar shown for</source>
        <translation>Barre de volume affichée pendant</translation>
    </message>
    <message>
        <source>While changing channels</source>
        <translation>Pendant le changement de chaîne</translation>
    </message>
    <message>
        <source>Info bar position</source>
        <translation>Position du bandeau d’informations</translation>
    </message>
    <message>
        <source>Front display shows</source>
        <translation>L’afficheur en façade montre</translation>
    </message>
    <message>
        <source>Front display lighting</source>
        <translation>Éclairage de l’afficheur en façade</translation>
    </message>
    <message>
        <source>Menu shown for</source>
        <translation>Menu affiché pendant</translation>
    </message>
    <message>
        <source>Menu transparency</source>
        <translation>Transparence des menus</translation>
    </message>
    <message>
        <source>Time setting</source>
        <translation>Réglage de l’heure</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Heure d’été</translation>
    </message>
    <message>
        <source>Clock format</source>
        <translation>Format de l’heure</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Système TV</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Format d’image</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Display format</source>
        <translation>Format d’affichage</translation>
    </message>
    <message>
        <source>Video output</source>
        <translation>Sortie vidéo</translation>
    </message>
    <message>
        <source>Dolby Digital</source>
        <translation>Dolby Digital</translation>
    </message>
    <message>
        <source>Sound over HDMI</source>
        <translation>Son par HDMI</translation>
    </message>
    <message>
        <source>Sound mode</source>
        <translation>Mode audio</translation>
    </message>
    <message>
        <source>Video option</source>
        <translation>Option vidéo</translation>
    </message>
    <message>
        <source>Sound delay</source>
        <translation>Retard du son</translation>
    </message>
    <message>
        <source>Addresses from the network (DHCP)</source>
        <translation>Adresses fournies par le réseau (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>First DNS server</source>
        <translation>Premier serveur DNS</translation>
    </message>
    <message>
        <source>Second DNS server</source>
        <translation>Deuxième serveur DNS</translation>
    </message>
    <message>
        <source>Further address %1</source>
        <translation>Autre adresse %1</translation>
    </message>
    <message>
        <source>Network option</source>
        <translation>Option réseau</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Texte %1</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Option %1</translation>
    </message>
    <message>
        <source>Channel numbers as stored in the list</source>
        <translation>Numéros de chaîne tels qu’enregistrés dans la liste</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Longitude du site</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Latitude du site</translation>
    </message>
    <message>
        <source>Time span shown</source>
        <translation>Période affichée</translation>
    </message>
    <message>
        <source>Programme guide memory</source>
        <translation>Mémoire du guide des programmes</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Parental control</source>
        <translation>Contrôle parental</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Service list</source>
        <translation>Liste des chaînes</translation>
    </message>
    <message>
        <source>Positioner and single cable</source>
        <translation>Positionneur et câble unique</translation>
    </message>
    <message>
        <source>Picture and sound output</source>
        <translation>Sortie image et son</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>Repair channel names</source>
        <translation>Réparer les noms des chaînes</translation>
    </message>
    <message>
        <source>New favourite list</source>
        <translation>Nouvelle liste de favoris</translation>
    </message>
    <message>
        <source>Remove unused transponders</source>
        <translation>Supprimer les transpondeurs inutilisés</translation>
    </message>
    <message>
        <source>Channel numbering</source>
        <translation>Numérotation des chaînes</translation>
    </message>
    <message>
        <source>Sort by template</source>
        <translation>Trier selon le modèle</translation>
    </message>
    <message>
        <source>Move channel</source>
        <translation>Déplacer la chaîne</translation>
    </message>
    <message>
        <source>Rename channel</source>
        <translation>Renommer la chaîne</translation>
    </message>
    <message>
        <source>Add to favourites</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>Remove from favourites</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Adopt the list order</source>
        <translation>Adopter l&apos;ordre de la liste</translation>
    </message>
    <message>
        <source>New TV channel</source>
        <translation>Nouvelle chaîne TV</translation>
    </message>
    <message>
        <source>New radio channel</source>
        <translation>Nouvelle chaîne radio</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nouveau satellite</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nouveau transpondeur</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>Supprimer des chaînes</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Supprimer des transpondeurs</translation>
    </message>
    <message>
        <source>Rename provider</source>
        <translation>Renommer le fournisseur</translation>
    </message>
    <message>
        <source>Rename favourite list</source>
        <translation>Renommer la liste de favoris</translation>
    </message>
    <message>
        <source>Delete favourite list</source>
        <translation>Supprimer la liste de favoris</translation>
    </message>
    <message>
        <source>Favourite list from provider</source>
        <translation>Liste de favoris depuis le fournisseur</translation>
    </message>
    <message>
        <source>Move favourite list</source>
        <translation>Déplacer la liste de favoris</translation>
    </message>
    <message>
        <source>Move satellite</source>
        <translation>Déplacer le satellite</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Supprimer %n chaîne</numerusform>
            <numerusform>Supprimer %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cut %n channel(s)</source>
        <translation>
            <numerusform>Couper %n chaîne</numerusform>
            <numerusform>Couper %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channel(s)</source>
        <translation>
            <numerusform>Coller %n chaîne</numerusform>
            <numerusform>Coller %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mark %n channel(s)</source>
        <translation>
            <numerusform>Marquer %n chaîne</numerusform>
            <numerusform>Marquer %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %n channel(s)</source>
        <translation>
            <numerusform>Numéroter %n chaîne</numerusform>
            <numerusform>Numéroter %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s)</source>
        <translation>
            <numerusform>Déplacer %n chaîne</numerusform>
            <numerusform>Déplacer %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite list</source>
        <translation>
            <numerusform>Ajouter %n chaîne à une liste de favoris</numerusform>
            <numerusform>Ajouter %n chaînes à une liste de favoris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from a favourite list</source>
        <translation>
            <numerusform>Retirer %n chaîne d&apos;une liste de favoris</numerusform>
            <numerusform>Retirer %n chaînes d&apos;une liste de favoris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from the favourite list</source>
        <translation>
            <numerusform>Retirer %n chaîne de la liste de favoris</numerusform>
            <numerusform>Retirer %n chaînes de la liste de favoris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channel(s) from all favourite lists</source>
        <translation>
            <numerusform>Retirer %n chaîne de toutes les listes de favoris</numerusform>
            <numerusform>Retirer %n chaînes de toutes les listes de favoris</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all timers</source>
        <translation>Supprimer toutes les programmations</translation>
    </message>
    <message>
        <source>Change timer</source>
        <translation>Modifier la programmation</translation>
    </message>
    <message>
        <source>Change timer text</source>
        <translation>Modifier le texte de la programmation</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timer(s)</source>
        <translation>
            <numerusform>Supprimer %n programmation</numerusform>
            <numerusform>Supprimer %n programmations</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>Edit LNB settings</source>
        <translation>Modifier les réglages LNB</translation>
    </message>
    <message>
        <source>Change tuner mode</source>
        <translation>Changer le mode du tuner</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Modifier le transpondeur</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>Modifier la chaîne</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Configuration du récepteur</translation>
    </message>
    <message>
        <source>Apply a reference order</source>
        <translation>Appliquer un ordre de référence</translation>
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
        <translation>Listes de chaînes et paramètres des récepteurs Octagon SF 1018 et SF 1028</translation>
    </message>
    <message>
        <source>Thanks to every receiver owner who shared a list and tested the transfers.</source>
        <translation>Merci à tous les possesseurs de récepteurs qui ont partagé une liste et testé les transferts.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Compilé avec Qt %1, exécuté sous Qt %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CAboutDlg</name>
    <message>
        <source>About Tarnell 1018</source>
        <translation>À propos de Tarnell 1018</translation>
    </message>
</context>
<context>
    <name>tarnell::CAppOptionPage</name>
    <message>
        <source>Tooltips</source>
        <translation>Info-bulles</translation>
    </message>
    <message>
        <source>Show tooltips on the ribbon</source>
        <translation>Afficher les info-bulles sur le ruban</translation>
    </message>
    <message>
        <source>Show the description in the tooltips</source>
        <translation>Afficher la description dans les info-bulles</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Status Bar On/Off</source>
        <translation>Barre d&apos;état oui/non</translation>
    </message>
    <message>
        <source>Message Bar On/Off</source>
        <translation>Barre de messages oui/non</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Channel list background</source>
        <translation>Fond de la liste des chaînes</translation>
    </message>
    <message>
        <source>Channel list text</source>
        <translation>Texte de la liste des chaînes</translation>
    </message>
    <message>
        <source>Tree background</source>
        <translation>Fond de l&apos;arborescence</translation>
    </message>
    <message>
        <source>Tree text</source>
        <translation>Texte de l&apos;arborescence</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>Autres couleurs...</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Tooltips, the bars of the main window and the colours of the tree and the channel list. Bars and colours change at once.</source>
        <translation>Info-bulles, barres de la fenêtre principale et couleurs de l&apos;arborescence et de la liste des chaînes. Les barres et les couleurs changent immédiatement.</translation>
    </message>
</context>
<context>
    <name>tarnell::CBackupDlg</name>
    <message>
        <source>Restore a Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Before each send the receiver&apos;s list is kept here. Open one to look at it, or send it back to the receiver.</source>
        <translation>Avant chaque envoi, la liste du récepteur est conservée ici. Ouvrez-en une pour la consulter ou renvoyez-la au récepteur.</translation>
    </message>
    <message>
        <source>Kept on</source>
        <translation>Conservée le</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Compared with the open list</source>
        <translation>Comparée à la liste ouverte</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>Open as New Document</source>
        <translation>Ouvrir comme nouveau document</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Envoyer au récepteur</translation>
    </message>
    <message>
        <source>No backups have been kept yet.</source>
        <translation>Aucune sauvegarde n&apos;a encore été conservée.</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelEditCommands</name>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Adopt List Order</source>
        <translation>Adopter l&apos;ordre de la liste</translation>
    </message>
    <message>
        <source>The clipboard holds no channels, transponders or satellites.</source>
        <translation>Le presse-papiers ne contient ni chaînes, ni transpondeurs, ni satellites.</translation>
    </message>
    <message>
        <source>A channel on the clipboard is of the other kind (TV or radio) than the list shown; the paste stopped there.</source>
        <translation>Une chaîne du presse-papiers est d&apos;un autre type (TV ou radio) que la liste affichée ; le collage s&apos;est arrêté là.</translation>
    </message>
    <message>
        <source>No free transponder is left for a channel on the clipboard; the paste stopped there.</source>
        <translation>Aucun transpondeur libre ne reste pour une chaîne du presse-papiers ; le collage s&apos;est arrêté là.</translation>
    </message>
    <message>
        <source>No satellite can be added for a channel on the clipboard: the list holds 255 satellites. The paste stopped there.</source>
        <translation>Aucun satellite ne peut être ajouté pour une chaîne du presse-papiers : la liste contient 255 satellites. Le collage s&apos;est arrêté là.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes; the paste stopped there.</source>
        <translation>La liste contient 10 000 chaînes, le maximum que le récepteur accepte ; le collage s&apos;est arrêté là.</translation>
    </message>
    <message>
        <source>The list holds 10,000 channels, as many as the receiver takes.</source>
        <translation>La liste contient 10 000 chaînes, le maximum que le récepteur accepte.</translation>
    </message>
    <message>
        <source>New channel %1 created.</source>
        <translation>Nouvelle chaîne %1 créée.</translation>
    </message>
    <message>
        <source>The list order can only be adopted while the list shows all channels.</source>
        <translation>L&apos;ordre de la liste ne peut être adopté que lorsque la liste affiche toutes les chaînes.</translation>
    </message>
    <message>
        <source>Should the channels be numbered in the order the list shows them now?</source>
        <translation>Numéroter les chaînes dans l&apos;ordre où la liste les affiche maintenant ?</translation>
    </message>
    <message>
        <source>The channels were not moved.</source>
        <translation>Les chaînes n&apos;ont pas été déplacées.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved.</source>
        <translation>
            <numerusform>%n chaîne déplacée.</numerusform>
            <numerusform>%n chaînes déplacées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelListCommands</name>
    <message>
        <source>Column width of the list style</source>
        <translation>Largeur des colonnes de l&apos;affichage en liste</translation>
    </message>
</context>
<context>
    <name>tarnell::CChannelSucheDlg</name>
    <message>
        <source>Part of a channel name</source>
        <translation>Partie d&apos;un nom de chaîne</translation>
    </message>
    <message>
        <source>No service list is open.</source>
        <translation>Aucune liste de chaînes n&apos;est ouverte.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) found</source>
        <translation>
            <numerusform>%n chaîne trouvée</numerusform>
            <numerusform>%n chaînes trouvées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnell::CCompareCommands</name>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... et %1 de plus</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Compare with a File...</source>
        <translation>Comparer avec un fichier...</translation>
    </message>
    <message>
        <source>Compare with the Receiver&apos;s List...</source>
        <translation>Comparer avec la liste du récepteur...</translation>
    </message>
    <message>
        <source>Apply a Reference Order...</source>
        <translation>Appliquer un ordre de référence...</translation>
    </message>
    <message>
        <source>Select Duplicates</source>
        <translation>Sélectionner les doublons</translation>
    </message>
    <message>
        <source>Restore a Backup...</source>
        <translation>Restaurer une sauvegarde...</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Settings files (*.fdu *.sys)</source>
        <translation>Fichiers de réglages (*.fdu *.sys)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>the receiver&apos;s list</source>
        <translation>la liste du récepteur</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Liste de référence</translation>
    </message>
    <message>
        <source>Reference lists (*.fdu *.sys *.tv *.radio *.txt)</source>
        <translation>Listes de référence (*.fdu *.sys *.tv *.radio *.txt)</translation>
    </message>
    <message>
        <source>Enigma2 bouquets (*.tv *.radio)</source>
        <translation>Bouquets Enigma2 (*.tv *.radio)</translation>
    </message>
    <message>
        <source>Channel names, one a line (*.txt)</source>
        <translation>Noms de chaînes, un par ligne (*.txt)</translation>
    </message>
    <message>
        <source>The reference has favourite lists (%1). Rebuild the favourite lists of the same names from it too?</source>
        <translation>La référence contient des listes de favoris (%1). Reconstruire aussi à partir d&apos;elle les listes de favoris du même nom ?</translation>
    </message>
    <message>
        <source>Apply a Reference Order</source>
        <translation>Appliquer un ordre de référence</translation>
    </message>
    <message>
        <source>%1 channels took the reference&apos;s order: %2 by satellite, transponder and service, %3 by name.</source>
        <translation>%1 chaînes ont pris l&apos;ordre de la référence : %2 par satellite, transpondeur et service, %3 par nom.</translation>
    </message>
    <message>
        <source>Favourite lists: %1 rebuilt, %2 added.</source>
        <translation>Listes de favoris : %1 reconstruites, %2 ajoutées.</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they follow in their order:</source>
        <translation>%1 chaînes ne sont pas dans la référence ; elles suivent dans leur ordre :</translation>
    </message>
    <message>
        <source>%1 entries of the reference found no channel:</source>
        <translation>%1 entrées de la référence n&apos;ont trouvé aucune chaîne :</translation>
    </message>
    <message>
        <source>No TV channel is there twice.</source>
        <translation>Aucune chaîne TV n&apos;est présente deux fois.</translation>
    </message>
    <message>
        <source>No radio channel is there twice.</source>
        <translation>Aucune station de radio n&apos;est présente deux fois.</translation>
    </message>
    <message>
        <source>%1 names stand on more than one transponder; their channels are selected.</source>
        <translation>%1 noms figurent sur plusieurs transpondeurs ; leurs chaînes sont sélectionnées.</translation>
    </message>
    <message>
        <source>%1 channels are the same service as an earlier one and are selected; %2 names stand on more than one transponder.</source>
        <translation>%1 chaînes sont le même service qu&apos;une précédente et sont sélectionnées ; %2 noms figurent sur plusieurs transpondeurs.</translation>
    </message>
    <message>
        <source>%1 channels of the list are not in the reference. Put them before the channels the reference orders? (No puts them after.)</source>
        <translation>%1 chaînes de la liste ne sont pas dans la référence. Les placer avant les chaînes que la référence ordonne ? (Non les place après.)</translation>
    </message>
    <message>
        <source>%1 channels are not in the reference; they come first, in their order:</source>
        <translation>%1 chaînes ne sont pas dans la référence ; elles viennent en premier, dans leur ordre :</translation>
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
        <translation>numéro enregistré</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>PID vidéo</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>indicateurs</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>son</translation>
    </message>
    <message>
        <source>options</source>
        <translation>options</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>débit de symboles</translation>
    </message>
    <message>
        <source>provider</source>
        <translation>fournisseur</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>chaîne</translation>
    </message>
    <message>
        <source>start</source>
        <translation>début</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>other values</source>
        <translation>autres valeurs</translation>
    </message>
    <message>
        <source>was &quot;%1&quot;</source>
        <translation>avant « %1 »</translation>
    </message>
    <message>
        <source>list &quot;%1&quot;</source>
        <translation>liste « %1 »</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listes de favoris</translation>
    </message>
    <message>
        <source>Channels in favourite lists</source>
        <translation>Chaînes des listes de favoris</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>LNB settings</source>
        <translation>Réglages LNB</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Programmations</translation>
    </message>
    <message>
        <source>Receiver configuration</source>
        <translation>Configuration du récepteur</translation>
    </message>
    <message>
        <source>added</source>
        <translation>ajoutés</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>supprimés</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renommés</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>déplacés</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifiés</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>From &lt;b&gt;%1&lt;/b&gt; to &lt;b&gt;%2&lt;/b&gt;:</source>
        <translation>De &lt;b&gt;%1&lt;/b&gt; à &lt;b&gt;%2&lt;/b&gt; :</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Filtrer par nom</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Toutes les modifications</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
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
        <translation>Sélectionnez un satellite dans l&apos;arborescence pour le modifier ici.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Select a transponder in the tree to edit it here.</source>
        <translation>Sélectionnez un transpondeur dans l&apos;arborescence pour le modifier ici.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Select a channel in the list to edit it here.</source>
        <translation>Sélectionnez une chaîne dans la liste pour la modifier ici.</translation>
    </message>
    <message>
        <source>Channel Search</source>
        <translation>Recherche de chaînes</translation>
    </message>
    <message>
        <source>Type part of a channel name to find it.</source>
        <translation>Tapez une partie du nom d&apos;une chaîne pour la trouver.</translation>
    </message>
</context>
<context>
    <name>tarnell::CDocumentCommands</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Stored Numbers</source>
        <translation>Numéros enregistrés</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renuméroter</translation>
    </message>
    <message>
        <source>Repair Names</source>
        <translation>Réparer les noms</translation>
    </message>
    <message>
        <source>Channel name references repaired.</source>
        <translation>Références aux noms de chaînes réparées.</translation>
    </message>
    <message>
        <source>Remove Unused Transponders</source>
        <translation>Supprimer les transpondeurs inutilisés</translation>
    </message>
    <message numerus="yes">
        <source>%n unused transponder(s) removed.</source>
        <translation>
            <numerusform>%n transpondeur inutilisé supprimé.</numerusform>
            <numerusform>%n transpondeurs inutilisés supprimés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as Text...</source>
        <translation>Exporter en texte...</translation>
    </message>
    <message>
        <source>Sort by Template</source>
        <translation>Trier selon le modèle</translation>
    </message>
    <message>
        <source>The channels have been renumbered.</source>
        <translation>Les chaînes ont été renumérotées.</translation>
    </message>
    <message numerus="yes">
        <source>The channels have been renumbered; %n channel(s) moved to the top by the template.</source>
        <translation>
            <numerusform>Les chaînes ont été renumérotées ; %n chaîne a été placée en tête par le modèle.</numerusform>
            <numerusform>Les chaînes ont été renumérotées ; %n chaînes ont été placées en tête par le modèle.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel list exported to %1.</source>
        <translation>Liste des chaînes exportée vers %1.</translation>
    </message>
    <message>
        <source>Sequential Numbers</source>
        <translation>Numérotation continue</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
</context>
<context>
    <name>tarnell::CFavouriteColours</name>
    <message>
        <source>More Colours...</source>
        <translation>Autres couleurs...</translation>
    </message>
</context>
<context>
    <name>tarnell::CFtpOptionPage</name>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Nouveau profil</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Supprimer le profil</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <source>Restart with &quot;reboot -f&quot;</source>
        <translation>Redémarrer avec &quot;reboot -f&quot;</translation>
    </message>
    <message>
        <source>Test FTP Login</source>
        <translation>Tester la connexion FTP</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utilisateur :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>The receiver&apos;s address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>L&apos;adresse du récepteur doit se composer de quatre nombres de 0 à 255 séparés par des points, par exemple 192.168.0.10.</translation>
    </message>
    <message>
        <source>The port must be a whole number from %1 to %2; FTP usually uses %3.</source>
        <translation>Le port doit être un nombre entier de %1 à %2 ; FTP utilise généralement le %3.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Logging in to %1:%2 ...</source>
        <translation>Connexion à %1:%2 ...</translation>
    </message>
    <message>
        <source>The receivers on your network. Transfers use the profile selected in the list; changes take effect at once and stay even after Cancel.</source>
        <translation>Les récepteurs de votre réseau. Les transferts utilisent le profil sélectionné dans la liste ; les modifications s&apos;appliquent immédiatement et restent même après Annuler.</translation>
    </message>
</context>
<context>
    <name>tarnell::CImportDlg</name>
    <message>
        <source>Datenfile nicht gefunden, oder Datenfile in Gebrauch!</source>
        <translation>Fichier de données introuvable ou déjà utilisé !</translation>
    </message>
    <message>
        <source>Fehler beim Lesen des Datenfiles!</source>
        <translation>Erreur de lecture du fichier de données !</translation>
    </message>
    <message>
        <source>Die Systemdaten sind fehlerhaft!</source>
        <translation>Les données système sont endommagées !</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Source :</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Dossier...</translation>
    </message>
    <message>
        <source>Choose the folder that holds lamedb and the bouquet files.</source>
        <translation>Choisissez le dossier qui contient lamedb et les fichiers de bouquets.</translation>
    </message>
    <message>
        <source>Base settings file:</source>
        <translation>Fichier de réglages de base :</translation>
    </message>
    <message>
        <source>Its satellites and receiver configuration are kept; the file itself is not changed.</source>
        <translation>Ses satellites et la configuration du récepteur sont conservés ; le fichier lui-même n&apos;est pas modifié.</translation>
    </message>
    <message>
        <source>Start Import</source>
        <translation>Lancer l&apos;importation</translation>
    </message>
    <message>
        <source>kein Source</source>
        <translation>Aucune source</translation>
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
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Reading the bouquets...</source>
        <translation>Lecture des bouquets...</translation>
    </message>
    <message>
        <source>Channel list to import</source>
        <translation>Liste de chaînes à importer</translation>
    </message>
    <message>
        <source>Base settings file</source>
        <translation>Fichier de réglages de base</translation>
    </message>
    <message>
        <source>Importing the channel list...</source>
        <translation>Importation de la liste de chaînes...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please check files</source>
        <translation>Veuillez vérifier les fichiers</translation>
    </message>
    <message>
        <source>Imported: %1 TV and %2 radio channels, %3 transponders, %4 new satellites, %5 favourite lists.</source>
        <translation>Importé : %1 chaînes TV et %2 radio, %3 transpondeurs, %4 nouveaux satellites, %5 listes de favoris.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders, no free transponder slot.</source>
        <translation>Écartés : %1 transpondeurs, aucun emplacement de transpondeur libre.</translation>
    </message>
    <message>
        <source>Left out: %1 transponders whose frequency or position the receiver cannot store.</source>
        <translation>Écartés : %1 transpondeurs dont le récepteur ne peut pas enregistrer la fréquence ou la position.</translation>
    </message>
    <message>
        <source>Left out: %1 satellites beyond 255 (their transponders went to the last one).</source>
        <translation>Écartés : %1 satellites au-delà de 255 (leurs transpondeurs sont allés au dernier).</translation>
    </message>
    <message>
        <source>Left out: %1 services, the receiver holds at most 10,000 channels.</source>
        <translation>Écartés : %1 services, le récepteur contient au plus 10 000 chaînes.</translation>
    </message>
    <message>
        <source>Left out: %1 services of a type the receiver does not list (only 1, 2, 4, 22 and 25).</source>
        <translation>Écartés : %1 services d&apos;un type que le récepteur ne liste pas (seulement 1, 2, 4, 22 et 25).</translation>
    </message>
    <message>
        <source>Note: %1 channels have no transponder.</source>
        <translation>Remarque : %1 chaînes n&apos;ont pas de transpondeur.</translation>
    </message>
    <message>
        <source>Import report</source>
        <translation>Rapport d&apos;importation</translation>
    </message>
</context>
<context>
    <name>tarnell::CLeftView</name>
    <message>
        <source>Satellite Properties</source>
        <translation>Propriétés du satellite</translation>
    </message>
    <message>
        <source>Transponder Properties</source>
        <translation>Propriétés du transpondeur</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Mark Favourite List</source>
        <translation>Marquer la liste de favoris</translation>
    </message>
    <message>
        <source>Clear Favourite Mark</source>
        <translation>Retirer la marque de favoris</translation>
    </message>
    <message>
        <source>Favourite Sequence Numbers</source>
        <translation>Numéros d&apos;ordre des favoris</translation>
    </message>
    <message>
        <source>Delete Favourite List</source>
        <translation>Supprimer la liste de favoris</translation>
    </message>
    <message>
        <source>New Favourite List</source>
        <translation>Nouvelle liste de favoris</translation>
    </message>
    <message>
        <source>New Transponder</source>
        <translation>Nouveau transpondeur</translation>
    </message>
    <message>
        <source>New Channel</source>
        <translation>Nouvelle chaîne</translation>
    </message>
    <message>
        <source>Delete Channels of Transponder</source>
        <translation>Supprimer les chaînes du transpondeur</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Supprimer le transpondeur</translation>
    </message>
    <message>
        <source>Delete Transponders of Satellite</source>
        <translation>Supprimer les transpondeurs du satellite</translation>
    </message>
    <message>
        <source>New Satellite</source>
        <translation>Nouveau satellite</translation>
    </message>
    <message>
        <source>New Favourite List from Provider</source>
        <translation>Nouvelle liste de favoris à partir du fournisseur</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>Par nom</translation>
    </message>
    <message>
        <source>By Orbital Position</source>
        <translation>Par position orbitale</translation>
    </message>
    <message>
        <source>In Stored Order</source>
        <translation>Dans l&apos;ordre enregistré</translation>
    </message>
    <message>
        <source>By Number</source>
        <translation>Par numéro</translation>
    </message>
    <message>
        <source>Satellites with Channels</source>
        <translation>Satellites avec des chaînes</translation>
    </message>
    <message>
        <source>Satellites with LNB Settings</source>
        <translation>Satellites avec des réglages LNB</translation>
    </message>
    <message>
        <source>ISO 6937</source>
        <translation>ISO 6937</translation>
    </message>
    <message>
        <source>ISO 8859-5 (Cyrillic)</source>
        <translation>ISO 8859-5 (cyrillique)</translation>
    </message>
    <message>
        <source>ISO 8859-6 (Arabic)</source>
        <translation>ISO 8859-6 (arabe)</translation>
    </message>
    <message>
        <source>ISO 8859-7 (Greek)</source>
        <translation>ISO 8859-7 (grec)</translation>
    </message>
    <message>
        <source>ISO 8859-8 (Hebrew)</source>
        <translation>ISO 8859-8 (hébreu)</translation>
    </message>
    <message>
        <source>ISO 8859-9 (Turkish)</source>
        <translation>ISO 8859-9 (turc)</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Satellite Order</source>
        <translation>Ordre des satellites</translation>
    </message>
    <message>
        <source>Active Satellites</source>
        <translation>Satellites actifs</translation>
    </message>
    <message>
        <source>Provider Order</source>
        <translation>Ordre des fournisseurs</translation>
    </message>
    <message>
        <source>Favourite Code Page</source>
        <translation>Page de codes des favoris</translation>
    </message>
    <message>
        <source>The list holds 255 satellites, as many as the receiver takes.</source>
        <translation>La liste contient 255 satellites, le maximum que le récepteur accepte.</translation>
    </message>
    <message>
        <source>Kein SatArrayPos</source>
        <translation>Le satellite ne figure pas dans la liste des satellites.</translation>
    </message>
    <message>
        <source>Es konnte kein neuer Transponder erzeugt werden.</source>
        <translation>Impossible de créer un nouveau transpondeur.</translation>
    </message>
</context>
<context>
    <name>tarnell::CMainFrame</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About Tarnell 1018</source>
        <translation>À propos de Tarnell 1018</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>List Style</source>
        <translation>Style de liste</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenêtres</translation>
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
        <translation>Satellites actifs uniquement</translation>
    </message>
    <message>
        <source>Satellite Numbers</source>
        <translation>Numéros des satellites</translation>
    </message>
    <message>
        <source>Favourite Text</source>
        <translation>Texte des favoris</translation>
    </message>
    <message>
        <source>Favourite Background</source>
        <translation>Fond des favoris</translation>
    </message>
    <message>
        <source>Favourite Options</source>
        <translation>Options des favoris</translation>
    </message>
    <message>
        <source>Network Profiles</source>
        <translation>Profils réseau</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Envoyer au récepteur</translation>
    </message>
    <message>
        <source>Fetch Service List</source>
        <translation>Récupérer la liste des chaînes</translation>
    </message>
    <message>
        <source>Fetch Service List and Configuration</source>
        <translation>Récupérer la liste des chaînes et la configuration</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Receiver Configuration</source>
        <translation>Configuration du récepteur</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Tarnell 1018 edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers.

Open a settings file (*.fdu, *.sys) or fetch the list from the receiver, choose a satellite, transponder, provider or favourite list in the tree on the left and work on its channels in the list on the right. Save the file or send it back to the receiver when you are done.

Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+A select all, Ctrl+W close, Shift+F1 what&apos;s this.</source>
        <translation>Tarnell 1018 modifie les listes de chaînes et les paramètres des récepteurs Octagon SF 1018 et SF 1028.

Ouvrez un fichier de paramètres (*.fdu, *.sys) ou récupérez la liste depuis le récepteur, choisissez un satellite, un transpondeur, un fournisseur ou une liste de favoris dans l&apos;arborescence à gauche et travaillez sur ses chaînes dans la liste à droite. Une fois terminé, enregistrez le fichier ou renvoyez-le au récepteur.

Touches : Ctrl+N nouveau, Ctrl+O ouvrir, Ctrl+S enregistrer, Ctrl+Z annuler, Ctrl+Y rétablir, Ctrl+A tout sélectionner, Ctrl+W fermer, Maj+F1 qu&apos;est-ce que c&apos;est.</translation>
    </message>
    <message>
        <source>Community Web Page</source>
        <translation>Page web de la communauté</translation>
    </message>
    <message>
        <source>Tabbed Windows</source>
        <translation>Fenêtres à onglets</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <translation>TV/Radio</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>The service list window has been closed.</source>
        <translation>La fenêtre de la liste des chaînes a été fermée.</translation>
    </message>
    <message>
        <source>Service list %1</source>
        <translation>Liste de chaînes %1</translation>
    </message>
    <message>
        <source>The settings file cannot be opened.</source>
        <translation>Impossible d&apos;ouvrir le fichier de paramètres.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. These parts of it cannot be read:

%2

If you open it, the list lacks them, and saving or sending it loses them for good. Open it anyway?</source>
        <translation>Le fichier de réglages %1 est endommagé. Ces parties ne peuvent pas être lues :

%2

Si vous l&apos;ouvrez, elles manqueront à la liste, et l&apos;enregistrer ou l&apos;envoyer les fera perdre définitivement. L&apos;ouvrir quand même ?</translation>
    </message>
    <message>
        <source>Damaged settings file</source>
        <translation>Fichier de réglages endommagé</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

The receiver would get it without these parts. Send it anyway?</source>
        <translation>Cette liste provient d&apos;un fichier endommagé et il lui manque : %1.

Le récepteur la recevrait sans ces parties. L&apos;envoyer quand même ?</translation>
    </message>
    <message>
        <source>This list was read from a damaged file and lacks: %1.

Saving writes it without these parts. Save it anyway?</source>
        <translation>Cette liste provient d&apos;un fichier endommagé et il lui manque : %1.

Elle sera enregistrée sans ces parties. L&apos;enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Import of other channel lists</source>
        <translation>Importation d&apos;autres listes de chaînes</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Choix de la langue</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation>Le manuel d&apos;utilisation n&apos;est pas installé.</translation>
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
        <translation>Fournisseurs</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listes de favoris</translation>
    </message>
</context>
<context>
    <name>tarnell::CNetworkProfileListModel</name>
    <message>
        <source>A network profile needs a name.</source>
        <translation>Un profil réseau doit avoir un nom.</translation>
    </message>
    <message>
        <source>There is a network profile named &quot;%1&quot; already.</source>
        <translation>Un profil réseau nommé &quot;%1&quot; existe déjà.</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsConcretePage</name>
    <message>
        <source>Favourite lists</source>
        <translation>Listes de favoris</translation>
    </message>
    <message>
        <source>Selection after a favourite command:</source>
        <translation>Sélection après une commande de favoris :</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Effacée</translation>
    </message>
    <message>
        <source>Kept as it was</source>
        <translation>Conservée telle quelle</translation>
    </message>
    <message>
        <source>Numbers in a favourite list:</source>
        <translation>Numéros dans une liste de favoris :</translation>
    </message>
    <message>
        <source>Stored numbers</source>
        <translation>Numéros enregistrés</translation>
    </message>
    <message>
        <source>Pasted channels:</source>
        <translation>Chaînes collées :</translation>
    </message>
    <message>
        <source>Keep their favourite lists</source>
        <translation>Les laisser dans leurs listes de favoris</translation>
    </message>
    <message>
        <source>Take them out of every favourite list</source>
        <translation>Les retirer de toutes les listes de favoris</translation>
    </message>
    <message>
        <source>Code page of the list names:</source>
        <translation>Page de codes des noms de listes :</translation>
    </message>
    <message>
        <source>ISO 6937 (20269)</source>
        <translation>ISO 6937 (20269)</translation>
    </message>
    <message>
        <source>Cyrillic, ISO 8859-5 (28595)</source>
        <translation>Cyrillique, ISO 8859-5 (28595)</translation>
    </message>
    <message>
        <source>Arabic, ISO 8859-6 (28596)</source>
        <translation>Arabe, ISO 8859-6 (28596)</translation>
    </message>
    <message>
        <source>Greek, ISO 8859-7 (28597)</source>
        <translation>Grec, ISO 8859-7 (28597)</translation>
    </message>
    <message>
        <source>Hebrew, ISO 8859-8 (28598)</source>
        <translation>Hébreu, ISO 8859-8 (28598)</translation>
    </message>
    <message>
        <source>Turkish, ISO 8859-9 (28599)</source>
        <translation>Turc, ISO 8859-9 (28599)</translation>
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
        <translation>Un satellite est actif quand :</translation>
    </message>
    <message>
        <source>Its antenna settings are in use</source>
        <translation>Ses réglages d&apos;antenne sont utilisés</translation>
    </message>
    <message>
        <source>Channels are stored on it</source>
        <translation>Des chaînes y sont enregistrées</translation>
    </message>
    <message>
        <source>Satellite, transponder and provider lists show:</source>
        <translation>Les listes de satellites, transpondeurs et fournisseurs affichent :</translation>
    </message>
    <message>
        <source>TV and radio channels</source>
        <translation>Chaînes TV et radio</translation>
    </message>
    <message>
        <source>Only the channels of the TV/radio switch</source>
        <translation>Seulement les chaînes du sélecteur TV/radio</translation>
    </message>
    <message>
        <source>Order of the satellites in the tree:</source>
        <translation>Ordre des satellites dans l&apos;arborescence :</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>Par nom</translation>
    </message>
    <message>
        <source>By orbital position</source>
        <translation>Par position orbitale</translation>
    </message>
    <message>
        <source>As stored in the receiver</source>
        <translation>Comme enregistré dans le récepteur</translation>
    </message>
    <message>
        <source>Favourites and Satellites</source>
        <translation>Favoris et satellites</translation>
    </message>
    <message>
        <source>How favourite lists are numbered, named and kept, and which satellites the tree shows in which order.</source>
        <translation>Comment les listes de favoris sont numérotées, nommées et conservées, et quels satellites l&apos;arborescence affiche, dans quel ordre.</translation>
    </message>
    <message>
        <source>Sequential: 1, 2, 3 ...</source>
        <translation>Continus : 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <source>Before a send:</source>
        <translation>Avant un envoi :</translation>
    </message>
    <message>
        <source>Send at once</source>
        <translation>Envoyer aussitôt</translation>
    </message>
    <message>
        <source>Show what will change on the receiver</source>
        <translation>Montrer ce qui changera sur le récepteur</translation>
    </message>
</context>
<context>
    <name>tarnell::COptionsPropSheet</name>
    <message>
        <source>Weitere interessante Informationen</source>
        <translation>Options et informations</translation>
    </message>
</context>
<context>
    <name>tarnell::CPrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Impression rapide</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <source>Favourite list</source>
        <translation>Liste de favoris</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Toutes les chaînes</translation>
    </message>
    <message>
        <source>The channel list could not be printed on %1.</source>
        <translation>La liste des chaînes n&apos;a pas pu être imprimée sur %1.</translation>
    </message>
    <message>
        <source>No printer is set up. Export as PDF or print to a file from the Print dialog instead.</source>
        <translation>Aucune imprimante n&apos;est configurée. Exportez en PDF ou imprimez dans un fichier depuis la boîte de dialogue d&apos;impression.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>Le fichier PDF %1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>The printed pages were saved as %1.</source>
        <translation>Les pages imprimées ont été enregistrées sous %1.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertiesWnd</name>
    <message>
        <source>Satellite / Transponder</source>
        <translation>Satellite / Transpondeur</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Favourite lists</source>
        <translation>Listes de favoris</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>de 0 à %1</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>The channel moves to the first transponder of the satellite chosen.</source>
        <translation>La chaîne passe sur le premier transpondeur du satellite choisi.</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>The channel&apos;s name; a part in angle brackets, such as &lt;ARD&gt;, is not shown in the list. A name record holds 100 bytes.</source>
        <translation>Le nom de la chaîne ; une partie entre chevrons, comme &lt;ARD&gt;, n&apos;apparaît pas dans la liste. Un enregistrement de nom contient 100 octets.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Table de caractères</translation>
    </message>
    <message>
        <source>Name edited</source>
        <translation>Nom modifié</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de service</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>de 0 à 65535</translation>
    </message>
    <message>
        <source>Video type</source>
        <translation>Type vidéo</translation>
    </message>
    <message>
        <source>Audio type</source>
        <translation>Type audio</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
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
        <translation>Valeur de service 4</translation>
    </message>
    <message>
        <source>Audio mode</source>
        <translation>Mode audio</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Pay (€)</source>
        <translation>Payant (€)</translation>
    </message>
    <message>
        <source>Mark M 1</source>
        <translation>Marque M 1</translation>
    </message>
    <message>
        <source>Mark M 2</source>
        <translation>Marque M 2</translation>
    </message>
    <message>
        <source>Stored number</source>
        <translation>Numéro enregistré</translation>
    </message>
    <message>
        <source>0 to 9999; timers find their channel by this number.</source>
        <translation>de 0 à 9999 ; les minuteries retrouvent leur chaîne par ce numéro.</translation>
    </message>
    <message>
        <source>The name holds characters its character table cannot store.</source>
        <translation>Le nom contient des caractères que sa table de caractères ne peut pas enregistrer.</translation>
    </message>
    <message>
        <source>The name is too long: a name record holds 100 bytes.</source>
        <translation>Le nom est trop long : un enregistrement de nom contient 100 octets.</translation>
    </message>
    <message>
        <source>The satellite has no transponder; the channel stays where it is.</source>
        <translation>Le satellite n&apos;a aucun transpondeur ; la chaîne reste où elle est.</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGrid</name>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabétique</translation>
    </message>
    <message>
        <source>Sort the properties by name instead of in groups</source>
        <translation>Trier les propriétés par nom plutôt que par groupe</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Tout développer</translation>
    </message>
    <message>
        <source>Open every group of properties</source>
        <translation>Ouvrir tous les groupes de propriétés</translation>
    </message>
</context>
<context>
    <name>tarnell::CPropertyGridModel</name>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>Cette valeur ne peut pas être modifiée ici.</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3.</source>
        <translation>%1 : saisissez un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>%1: choose one of the options.</source>
        <translation>%1 : choisissez l’une des options.</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriété</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <source>Fetching from the receiver was cancelled.</source>
        <translation>La récupération depuis le récepteur a été annulée.</translation>
    </message>
    <message>
        <source>Fetching the service list and the configuration from the receiver at %1...</source>
        <translation>Récupération de la liste des chaînes et de la configuration depuis le récepteur %1...</translation>
    </message>
    <message>
        <source>Fetching the service list from the receiver at %1...</source>
        <translation>Récupération de la liste des chaînes depuis le récepteur %1...</translation>
    </message>
    <message>
        <source>Sending the service list to the receiver at %1...</source>
        <translation>Envoi de la liste des chaînes au récepteur %1...</translation>
    </message>
    <message>
        <source>The service list could not be prepared for the receiver; nothing was sent.</source>
        <translation>La liste des chaînes n&apos;a pas pu être préparée pour le récepteur ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The service list and the configuration were sent to the receiver at %1.</source>
        <translation>La liste des chaînes et la configuration ont été envoyées au récepteur %1.</translation>
    </message>
    <message>
        <source>The service list was sent to the receiver at %1.</source>
        <translation>La liste des chaînes a été envoyée au récepteur %1.</translation>
    </message>
    <message>
        <source>Its previous files are kept in &quot;%1&quot;.</source>
        <translation>Ses fichiers précédents sont conservés dans &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restarting the receiver at %1...</source>
        <translation>Redémarrage du récepteur %1...</translation>
    </message>
    <message>
        <source>The receiver at %1 was told to restart (%2).</source>
        <translation>Le récepteur %1 a reçu l&apos;ordre de redémarrer (%2).</translation>
    </message>
    <message>
        <source>The receiver&apos;s current list cannot be read.</source>
        <translation>La liste actuelle du récepteur est illisible.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver&apos;s list is unchanged.</source>
        <translation>Rien n&apos;a été envoyé ; la liste du récepteur est inchangée.</translation>
    </message>
    <message>
        <source>Sending changes the receiver&apos;s list:

%1

Send the list to the receiver?</source>
        <translation>L&apos;envoi modifie la liste du récepteur :

%1

Envoyer la liste au récepteur ?</translation>
    </message>
    <message>
        <source>Send to Receiver</source>
        <translation>Envoyer au récepteur</translation>
    </message>
</context>
<context>
    <name>tarnell::CReceiverConfigPage</name>
    <message>
        <source>The PIN code must be exactly four digits.</source>
        <translation>Le code PIN doit comporter exactement quatre chiffres.</translation>
    </message>
    <message>
        <source>An address must be four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>Une adresse se compose de quatre nombres de 0 à 255 séparés par des points, par exemple 192.168.0.10.</translation>
    </message>
    <message>
        <source>The longitude must lie from 0 to 180 degrees, with at most three decimals.</source>
        <translation>La longitude doit être comprise entre 0 et 180 degrés, avec au plus trois décimales.</translation>
    </message>
    <message>
        <source>The latitude must lie from 0 to 90 degrees, with at most three decimals.</source>
        <translation>La latitude doit être comprise entre 0 et 90 degrés, avec au plus trois décimales.</translation>
    </message>
    <message>
        <source>The receiver stores at most 127 characters of Western European text here.</source>
        <translation>Le récepteur enregistre ici au plus 127 caractères de texte d’Europe occidentale.</translation>
    </message>
    <message>
        <source>This value cannot be stored.</source>
        <translation>Cette valeur ne peut pas être enregistrée.</translation>
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
        <translation>Modifie les listes de chaînes et les paramètres des récepteurs Octagon SF 1018 et SF 1028 : chaînes, listes de favoris, satellites, transpondeurs, programmations et configuration du récepteur.</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>To every receiver owner who shared a service list and tried the transfers on a real receiver.</source>
        <translation>À tous les possesseurs de récepteurs qui ont partagé une liste de chaînes et essayé les transferts sur un vrai récepteur.</translation>
    </message>
    <message>
        <source>To the people behind Qt, zlib and libcurl, on whose work this program stands.</source>
        <translation>Aux personnes derrière Qt, zlib et libcurl, sur le travail desquelles repose ce programme.</translation>
    </message>
    <message>
        <source>The receiver maker</source>
        <translation>Le fabricant du récepteur</translation>
    </message>
    <message>
        <source>Octagon on the web</source>
        <translation>Octagon sur le web</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>About this program, the people who helped to make it, and where to find the receiver maker.</source>
        <translation>À propos de ce programme, des personnes qui ont aidé à le réaliser et de l&apos;endroit où trouver le fabricant du récepteur.</translation>
    </message>
</context>
<context>
    <name>tarnell::CRibbonBar</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
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
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Unicable</source>
        <translation>Unicable</translation>
    </message>
    <message>
        <source>These data are contained only in a *.sys file.</source>
        <translation>Ces données ne figurent que dans un fichier *.sys.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>A satellite needs a name.</source>
        <translation>Un satellite doit avoir un nom.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>The position must lie from 0 to 180.0 degrees, with at most one decimal.</source>
        <translation>La position doit être comprise entre 0 et 180,0 degrés, avec au plus une décimale.</translation>
    </message>
    <message>
        <source>East / West</source>
        <translation>Est / Ouest</translation>
    </message>
    <message>
        <source>Tuner mode</source>
        <translation>Mode du tuner</translation>
    </message>
    <message>
        <source>Tuner input</source>
        <translation>Entrée du tuner</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>Type de LNB</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>LNB option (bit 0)</source>
        <translation>Option LNB (bit 0)</translation>
    </message>
    <message>
        <source>Site longitude</source>
        <translation>Longitude du site</translation>
    </message>
    <message>
        <source>Site latitude</source>
        <translation>Latitude du site</translation>
    </message>
    <message>
        <source>User band</source>
        <translation>Bande utilisateur</translation>
    </message>
    <message>
        <source>User band frequency</source>
        <translation>Fréquence de la bande utilisateur</translation>
    </message>
    <message>
        <source>MHz; at most %1 is stored.</source>
        <translation>MHz ; au plus %1 est enregistré.</translation>
    </message>
    <message>
        <source>Position A/B</source>
        <translation>Position A/B</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Two inputs</source>
        <translation>Deux entrées</translation>
    </message>
    <message>
        <source>Loop-through</source>
        <translation>Bouclage</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
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
        <translation>D&apos;autres satellites utilisent aussi cet enregistrement LNB et la liste n&apos;a pas de place pour un autre : la modification n&apos;a pas été faite.</translation>
    </message>
    <message>
        <source>Site Longitude and Latitude...</source>
        <translation>Longitude et latitude du site...</translation>
    </message>
</context>
<context>
    <name>tarnell::CSettingsOptionsPropSheet</name>
    <message>
        <source>Receiver Configuration</source>
        <translation>Configuration du récepteur</translation>
    </message>
</context>
<context>
    <name>tarnell::CStatistikDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Channels by kind</source>
        <translation>Chaînes par type</translation>
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
        <translation>Liste des chaînes</translation>
    </message>
    <message>
        <source>TV channels:</source>
        <translation>Chaînes TV :</translation>
    </message>
    <message>
        <source>Radio channels:</source>
        <translation>Chaînes radio :</translation>
    </message>
    <message>
        <source>All channels:</source>
        <translation>Toutes les chaînes :</translation>
    </message>
    <message>
        <source>Used transponders:</source>
        <translation>Transpondeurs utilisés :</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Satellites :</translation>
    </message>
    <message>
        <source>Timers:</source>
        <translation>Programmations :</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotation :</translation>
    </message>
    <message>
        <source>Tilt:</source>
        <translation>Inclinaison :</translation>
    </message>
</context>
<context>
    <name>tarnell::CTarnell1018View</name>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Remove from Favourite List</source>
        <translation>Retirer de la liste de favoris</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>Supprimer les chaînes</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Favourite Lists</source>
        <translation>Listes de favoris</translation>
    </message>
    <message>
        <source>Remove from All Favourite Lists</source>
        <translation>Retirer de toutes les listes de favoris</translation>
    </message>
    <message>
        <source>New TV Channel</source>
        <translation>Nouvelle chaîne TV</translation>
    </message>
    <message>
        <source>New Radio Channel</source>
        <translation>Nouvelle chaîne radio</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Déplacer à la position...</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>HD Channels</source>
        <translation>Chaînes HD</translation>
    </message>
    <message>
        <source>Pay Channels</source>
        <translation>Chaînes payantes</translation>
    </message>
    <message>
        <source>Channels Marked M 1</source>
        <translation>Chaînes marquées M 1</translation>
    </message>
    <message>
        <source>Channels Marked M 2</source>
        <translation>Chaînes marquées M 2</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marques</translation>
    </message>
    <message>
        <source>Set M 1</source>
        <translation>Activer M 1</translation>
    </message>
    <message>
        <source>Clear M 1</source>
        <translation>Retirer M 1</translation>
    </message>
    <message>
        <source>Set T 1</source>
        <translation>Activer T 1</translation>
    </message>
    <message>
        <source>Clear T 1</source>
        <translation>Retirer T 1</translation>
    </message>
    <message>
        <source>Set T 2</source>
        <translation>Activer T 2</translation>
    </message>
    <message>
        <source>Clear T 2</source>
        <translation>Retirer T 2</translation>
    </message>
    <message>
        <source>Copy T 1 to T 2</source>
        <translation>Copier T 1 vers T 2</translation>
    </message>
    <message>
        <source>Copy T 2 to T 1</source>
        <translation>Copier T 2 vers T 1</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Trier par nom</translation>
    </message>
    <message>
        <source>Sort by Number</source>
        <translation>Trier par numéro</translation>
    </message>
    <message>
        <source>Channel Properties</source>
        <translation>Propriétés de la chaîne</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>Hier sollten Sie eigentlich nie hinkommen...</source>
        <translation>Vous ne devriez jamais arriver ici...</translation>
    </message>
    <message>
        <source>This list shows TV and radio channels together: move channels in the list of all channels, or show one kind only (Options).</source>
        <translation>Cette liste affiche ensemble chaînes TV et radio : déplacez les chaînes dans la liste de toutes les chaînes, ou n&apos;affichez qu&apos;un seul type (Options).</translation>
    </message>
</context>
<context>
    <name>tarnell::CTimerDlg</name>
    <message>
        <source>Timers</source>
        <translation>Programmations</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Repetition</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Duration (End)</source>
        <translation>Durée (fin)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>The timer&apos;s text, at most %1 characters.</source>
        <translation>Le texte de la programmation, %1 caractères au plus.</translation>
    </message>
    <message>
        <source>Character table</source>
        <translation>Table de caractères</translation>
    </message>
    <message>
        <source>Flag 1</source>
        <translation>Option 1</translation>
    </message>
    <message>
        <source>Flag 2</source>
        <translation>Option 2</translation>
    </message>
    <message>
        <source>New Timer</source>
        <translation>Nouvelle programmation</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete All Timers</source>
        <translation>Supprimer toutes les programmations</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidien</translation>
    </message>
    <message>
        <source>Mon-Fri</source>
        <translation>Lun-Ven</translation>
    </message>
    <message>
        <source>Sat-Sun</source>
        <translation>Sam-Dim</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
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
        <translation>Jeu.</translation>
    </message>
    <message>
        <source>Fr.</source>
        <translation>Ven.</translation>
    </message>
    <message>
        <source>Sa.</source>
        <translation>Sam.</translation>
    </message>
    <message>
        <source>So.</source>
        <translation>Dim.</translation>
    </message>
    <message>
        <source>The timer holds %1 characters; the text was cut to &quot;%2&quot;.</source>
        <translation>La programmation contient %1 caractères ; le texte a été coupé à « %2 ».</translation>
    </message>
</context>
<context>
    <name>tarnell::CToolCommands</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Programmations</translation>
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
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>The satellite of the transponder; it is changed by making the transponder anew on another satellite.</source>
        <translation>Le satellite du transpondeur ; on le change en recréant le transpondeur sur un autre satellite.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>MHz, 1 to 65535</source>
        <translation>MHz, de 1 à 65535</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>kS/s, 0 to 65535</source>
        <translation>kS/s, de 0 à 65535</translation>
    </message>
    <message>
        <source>Transport stream ID</source>
        <translation>ID du flux de transport</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>de 0 à 65535</translation>
    </message>
    <message>
        <source>Original network ID</source>
        <translation>ID du réseau d&apos;origine</translation>
    </message>
</context>
<context>
    <name>tarnell::CVerschiebenAufPosDlg</name>
    <message>
        <source>Move to Position</source>
        <translation>Déplacer à la position</translation>
    </message>
    <message>
        <source>New position of the selected channels (%1 to %2):</source>
        <translation>Nouvelle position des chaînes sélectionnées (%1 à %2) :</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Veuillez saisir un nombre de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>tarnell::CVisualStyle</name>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
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
        <translation>Prune</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cuivre</translation>
    </message>
    <message>
        <source>Graphite</source>
        <translation>Graphite</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Night Teal</source>
        <translation>Bleu canard nuit</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
</context>
<context>
    <name>tarnell::CWindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Fenêtres</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Activer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Fermer la fenêtre</translation>
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
        <translation>Commencer une nouvelle liste de chaînes à partir de la liste d&apos;usine.</translation>
    </message>
    <message>
        <source>Open a settings file (*.fdu, *.sys) from disk.</source>
        <translation>Ouvrir un fichier de paramètres (*.fdu, *.sys) depuis le disque.</translation>
    </message>
    <message>
        <source>Save the active service list.</source>
        <translation>Enregistrer la liste de chaînes active.</translation>
    </message>
    <message>
        <source>Save the active service list under a new name.</source>
        <translation>Enregistrer la liste de chaînes active sous un nouveau nom.</translation>
    </message>
    <message>
        <source>Close the active service list.</source>
        <translation>Fermer la liste de chaînes active.</translation>
    </message>
    <message>
        <source>Print the channel list.</source>
        <translation>Imprimer la liste des chaînes.</translation>
    </message>
    <message>
        <source>Print the channel list on the default printer at once.</source>
        <translation>Imprimer immédiatement la liste des chaînes sur l&apos;imprimante par défaut.</translation>
    </message>
    <message>
        <source>Show the pages as they will be printed.</source>
        <translation>Afficher les pages telles qu&apos;elles seront imprimées.</translation>
    </message>
    <message>
        <source>Choose the printer and the paper.</source>
        <translation>Choisir l&apos;imprimante et le papier.</translation>
    </message>
    <message>
        <source>Import an Enigma2 list (lamedb and bouquets).</source>
        <translation>Importer une liste Enigma2 (lamedb et bouquets).</translation>
    </message>
    <message>
        <source>Import an Octagon 918/908/818 list (*.udb).</source>
        <translation>Importer une liste Octagon 918/908/818 (*.udb).</translation>
    </message>
    <message>
        <source>Import an Octagon SD x18 list (*.bin).</source>
        <translation>Importer une liste Octagon SD x18 (*.bin).</translation>
    </message>
    <message>
        <source>Preferences, colours and network profiles.</source>
        <translation>Préférences, couleurs et profils réseau.</translation>
    </message>
    <message>
        <source>How favourite lists and satellites behave.</source>
        <translation>Comportement des listes de favoris et des satellites.</translation>
    </message>
    <message>
        <source>The receivers on your network and how to reach them.</source>
        <translation>Les récepteurs de votre réseau et comment les joindre.</translation>
    </message>
    <message>
        <source>Quit the program; it asks about unsaved changes first.</source>
        <translation>Quitter le programme ; il demande d&apos;abord quoi faire des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Version and credits.</source>
        <translation>Version et remerciements.</translation>
    </message>
    <message>
        <source>How to work with the program, and its keys.</source>
        <translation>Comment utiliser le programme, et ses raccourcis clavier.</translation>
    </message>
    <message>
        <source>Click on any part of the window to learn what it does.</source>
        <translation>Cliquez sur une partie de la fenêtre pour savoir à quoi elle sert.</translation>
    </message>
    <message>
        <source>Open the receiver maker&apos;s web site in your browser.</source>
        <translation>Ouvrir le site web du fabricant du récepteur dans votre navigateur.</translation>
    </message>
    <message>
        <source>Choose the colours of the program.</source>
        <translation>Choisir les couleurs du programme.</translation>
    </message>
    <message>
        <source>Insert the channels from the clipboard.</source>
        <translation>Insérer les chaînes du presse-papiers.</translation>
    </message>
    <message>
        <source>Move the selected channels to the clipboard.</source>
        <translation>Déplacer les chaînes sélectionnées vers le presse-papiers.</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard.</source>
        <translation>Copier les chaînes sélectionnées dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Select every channel of the list.</source>
        <translation>Sélectionner toutes les chaînes de la liste.</translation>
    </message>
    <message>
        <source>Put the channels in order.</source>
        <translation>Mettre les chaînes en ordre.</translation>
    </message>
    <message>
        <source>Switch between the detailed and the compact list.</source>
        <translation>Basculer entre la liste détaillée et la liste compacte.</translation>
    </message>
    <message>
        <source>Show the channels in compact columns.</source>
        <translation>Afficher les chaînes en colonnes compactes.</translation>
    </message>
    <message>
        <source>Show the channels with all their columns.</source>
        <translation>Afficher les chaînes avec toutes leurs colonnes.</translation>
    </message>
    <message>
        <source>Arrange the open windows, show the panes, or pick a window.</source>
        <translation>Organiser les fenêtres ouvertes, afficher les volets ou choisir une fenêtre.</translation>
    </message>
    <message>
        <source>Show the TV channels.</source>
        <translation>Afficher les chaînes TV.</translation>
    </message>
    <message>
        <source>Show the radio channels.</source>
        <translation>Afficher les chaînes radio.</translation>
    </message>
    <message>
        <source>List only satellites that are in use.</source>
        <translation>N&apos;afficher que les satellites utilisés.</translation>
    </message>
    <message>
        <source>Show the satellites&apos; numbers in the tree.</source>
        <translation>Afficher les numéros des satellites dans l&apos;arborescence.</translation>
    </message>
    <message>
        <source>Text colour of the marked favourite list&apos;s channels.</source>
        <translation>Couleur du texte des chaînes de la liste de favoris marquée.</translation>
    </message>
    <message>
        <source>Background colour of the marked favourite list&apos;s channels.</source>
        <translation>Couleur de fond des chaînes de la liste de favoris marquée.</translation>
    </message>
    <message>
        <source>Fetch the list from the receiver or send it back.</source>
        <translation>Récupérer la liste depuis le récepteur ou la lui renvoyer.</translation>
    </message>
    <message>
        <source>Load the service list from the receiver into a new window.</source>
        <translation>Charger la liste des chaînes du récepteur dans une nouvelle fenêtre.</translation>
    </message>
    <message>
        <source>Load the service list and the receiver&apos;s configuration into a new window.</source>
        <translation>Charger la liste des chaînes et la configuration du récepteur dans une nouvelle fenêtre.</translation>
    </message>
    <message>
        <source>Send the active service list to the receiver.</source>
        <translation>Envoyer la liste de chaînes active au récepteur.</translation>
    </message>
    <message>
        <source>Number the channels again in list order.</source>
        <translation>Renuméroter les chaînes dans l&apos;ordre de la liste.</translation>
    </message>
    <message>
        <source>Unlink channels from names that do not exist.</source>
        <translation>Détacher les chaînes des noms qui n&apos;existent pas.</translation>
    </message>
    <message>
        <source>Write the shown channels to a text file.</source>
        <translation>Écrire les chaînes affichées dans un fichier texte.</translation>
    </message>
    <message>
        <source>Move the usual Astra 19.2° East channels to the top.</source>
        <translation>Placer en tête les chaînes habituelles d&apos;Astra 19,2° Est.</translation>
    </message>
    <message>
        <source>Delete every transponder no channel uses.</source>
        <translation>Supprimer tous les transpondeurs qu&apos;aucune chaîne n&apos;utilise.</translation>
    </message>
    <message>
        <source>Count channels, transponders and satellites.</source>
        <translation>Compter les chaînes, transpondeurs et satellites.</translation>
    </message>
    <message>
        <source>Show and edit the receiver&apos;s timers.</source>
        <translation>Afficher et modifier les programmations du récepteur.</translation>
    </message>
    <message>
        <source>Edit the receiver&apos;s configuration.</source>
        <translation>Modifier la configuration du récepteur.</translation>
    </message>
    <message>
        <source>Show or hide the satellite and LNB properties.</source>
        <translation>Afficher ou masquer les propriétés du satellite et du LNB.</translation>
    </message>
    <message>
        <source>Show or hide the transponder properties.</source>
        <translation>Afficher ou masquer les propriétés du transpondeur.</translation>
    </message>
    <message>
        <source>Show or hide the channel properties.</source>
        <translation>Afficher ou masquer les propriétés de la chaîne.</translation>
    </message>
    <message>
        <source>Show or hide the channel search.</source>
        <translation>Afficher ou masquer la recherche de chaînes.</translation>
    </message>
    <message>
        <source>Use this language from the next start of the program.</source>
        <translation>Utiliser cette langue au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Import the channel list of another receiver.</source>
        <translation>Importer la liste de chaînes d&apos;un autre récepteur.</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Annuler la dernière modification.</translation>
    </message>
    <message>
        <source>Redo the change you last undid.</source>
        <translation>Rétablir la modification annulée.</translation>
    </message>
    <message>
        <source>Show and use the numbers stored with the channels instead of sequential numbers.</source>
        <translation>Afficher et utiliser les numéros enregistrés avec les chaînes au lieu de la numérotation continue.</translation>
    </message>
    <message>
        <source>Show sequential numbers in the search results.</source>
        <translation>Afficher une numérotation continue dans les résultats de recherche.</translation>
    </message>
    <message>
        <source>Clear out the transponders no channel uses.</source>
        <translation>Retirer les transpondeurs qu&apos;aucune chaîne n&apos;utilise.</translation>
    </message>
    <message>
        <source>Delete the selected channels, or take them out of the favourite list shown.</source>
        <translation>Supprimer les chaînes sélectionnées ou les retirer de la liste de favoris affichée.</translation>
    </message>
    <message>
        <source>Add a new channel behind the selected one.</source>
        <translation>Ajouter une nouvelle chaîne après celle sélectionnée.</translation>
    </message>
    <message>
        <source>Move the selected channels to a position you enter.</source>
        <translation>Déplacer les chaînes sélectionnées à la position saisie.</translation>
    </message>
    <message>
        <source>Move the selected channels up by one.</source>
        <translation>Monter les chaînes sélectionnées d&apos;une position.</translation>
    </message>
    <message>
        <source>Move the selected channels down by one.</source>
        <translation>Descendre les chaînes sélectionnées d&apos;une position.</translation>
    </message>
    <message>
        <source>Number the channels in the order the list shows them.</source>
        <translation>Numéroter les chaînes dans l&apos;ordre où la liste les affiche.</translation>
    </message>
    <message>
        <source>Take the selected channels out of every favourite list.</source>
        <translation>Retirer les chaînes sélectionnées de toutes les listes de favoris.</translation>
    </message>
    <message>
        <source>Select the HD channels.</source>
        <translation>Sélectionner les chaînes HD.</translation>
    </message>
    <message>
        <source>Select the pay channels.</source>
        <translation>Sélectionner les chaînes payantes.</translation>
    </message>
    <message>
        <source>Select the channels marked M 1.</source>
        <translation>Sélectionner les chaînes marquées M 1.</translation>
    </message>
    <message>
        <source>Select the channels marked M 2.</source>
        <translation>Sélectionner les chaînes marquées M 2.</translation>
    </message>
    <message>
        <source>Mark the selected channels M 1.</source>
        <translation>Marquer M 1 les chaînes sélectionnées.</translation>
    </message>
    <message>
        <source>Clear the mark M 1 of the selected channels.</source>
        <translation>Effacer la marque M 1 des chaînes sélectionnées.</translation>
    </message>
    <message>
        <source>Set T 1 on the selected channels.</source>
        <translation>Activer T 1 sur les chaînes sélectionnées.</translation>
    </message>
    <message>
        <source>Clear T 1 on the selected channels.</source>
        <translation>Désactiver T 1 sur les chaînes sélectionnées.</translation>
    </message>
    <message>
        <source>Set T 2 on the selected channels.</source>
        <translation>Activer T 2 sur les chaînes sélectionnées.</translation>
    </message>
    <message>
        <source>Clear T 2 on the selected channels.</source>
        <translation>Désactiver T 2 sur les chaînes sélectionnées.</translation>
    </message>
    <message>
        <source>Give the selected channels T 2 as their T 1 is.</source>
        <translation>Donner à T 2 des chaînes sélectionnées la valeur de leur T 1.</translation>
    </message>
    <message>
        <source>Give the selected channels T 1 as their T 2 is.</source>
        <translation>Donner à T 1 des chaînes sélectionnées la valeur de leur T 2.</translation>
    </message>
    <message>
        <source>Sort the list by channel name.</source>
        <translation>Trier la liste par nom de chaîne.</translation>
    </message>
    <message>
        <source>Sort the list by channel number.</source>
        <translation>Trier la liste par numéro de chaîne.</translation>
    </message>
    <message>
        <source>Show the properties of the selected channel.</source>
        <translation>Afficher les propriétés de la chaîne sélectionnée.</translation>
    </message>
    <message>
        <source>Add the selected channels to this favourite list; a single member leaves it.</source>
        <translation>Ajouter les chaînes sélectionnées à cette liste de favoris ; un seul membre sélectionné en sort.</translation>
    </message>
    <message>
        <source>Save the printed pages of the channel list as a PDF file.</source>
        <translation>Enregistrer les pages imprimées de la liste des chaînes dans un fichier PDF.</translation>
    </message>
    <message>
        <source>Open the user manual in your browser.</source>
        <translation>Ouvrir le manuel d&apos;utilisation dans le navigateur.</translation>
    </message>
    <message>
        <source>See what differs between this list and a file or the receiver&apos;s list.</source>
        <translation>Voir ce qui diffère entre cette liste et un fichier ou la liste du récepteur.</translation>
    </message>
    <message>
        <source>Compare this list with a settings file: channels added, removed, renamed, moved; favourites, satellites, transponders, timers.</source>
        <translation>Comparer cette liste avec un fichier de réglages : chaînes ajoutées, supprimées, renommées, déplacées ; favoris, satellites, transpondeurs, programmations.</translation>
    </message>
    <message>
        <source>Fetch the receiver&apos;s list and show what a send would change on it.</source>
        <translation>Récupérer la liste du récepteur et montrer ce qu&apos;un envoi y changerait.</translation>
    </message>
    <message>
        <source>Sort this list like another settings file, an Enigma2 bouquet or a text of channel names.</source>
        <translation>Trier cette liste comme un autre fichier de réglages, un bouquet Enigma2 ou un texte de noms de chaînes.</translation>
    </message>
    <message>
        <source>Select the channels that are the same service as an earlier one.</source>
        <translation>Sélectionner les chaînes qui sont le même service qu&apos;une précédente.</translation>
    </message>
    <message>
        <source>Open or send one of the receiver&apos;s lists kept before each send.</source>
        <translation>Ouvrir ou envoyer l&apos;une des listes du récepteur conservées avant chaque envoi.</translation>
    </message>
</context>
</TS>
