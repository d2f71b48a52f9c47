<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>The program cannot start from the folder &quot;%1&quot;, because a name in that path holds the character &quot;\&quot;. Move the program&apos;s folder to a place whose path has no &quot;\&quot; in it, and start it again.</source>
        <translation>Le programme ne peut pas démarrer depuis le dossier «&#xa0;%1&#xa0;», car un nom de ce chemin contient le caractère «&#xa0;\&#xa0;». Déplacez le dossier du programme à un endroit dont le chemin ne contient pas de «&#xa0;\&#xa0;», puis relancez-le.</translation>
    </message>
</context>
<context>
    <name>Bookmarks</name>
    <message>
        <source>&quot;%1&quot; is larger than 200 MB, far larger than any bookmarks file, so it was not read.</source>
        <translation>«&#xa0;%1&#xa0;» dépasse 200 Mo, bien plus que tout fichier de favoris, et n&apos;a donc pas été lu.</translation>
    </message>
    <message>
        <source>Bookmarks Menu</source>
        <translation>Menu des marque-pages</translation>
    </message>
    <message>
        <source>Bookmarks Toolbar</source>
        <translation>Barre personnelle</translation>
    </message>
    <message>
        <source>Other Bookmarks</source>
        <translation>Autres marque-pages</translation>
    </message>
    <message>
        <source>Mobile Bookmarks</source>
        <translation>Marque-pages des appareils mobiles</translation>
    </message>
</context>
<context>
    <name>Collection</name>
    <message>
        <source>A link to add must not be empty.</source>
        <translation>Un lien ajouté ne peut pas être vide.</translation>
    </message>
    <message>
        <source>The page already has %1 links, the most it can hold.</source>
        <translation>La page contient déjà %1 liens, le maximum possible.</translation>
    </message>
    <message>
        <source>There is no link at position %1: the page has %2 links.</source>
        <translation>Il n&apos;y a pas de lien à la position %1&#xa0;: la page contient %2 liens.</translation>
    </message>
</context>
<context>
    <name>DamagedFile</name>
    <message>
        <source>&quot;%1&quot; could not be copied to &quot;%2&quot; (%3)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être copié vers «&#xa0;%2&#xa0;» (%3)</translation>
    </message>
    <message>
        <source>The home page settings could not all be read, so the editor shows what could be read.</source>
        <translation>Les réglages de la page d&apos;accueil n&apos;ont pas pu être lus en entier&#xa0;; l&apos;éditeur affiche ce qui a pu être lu.</translation>
    </message>
    <message>
        <source>The damaged file has been kept as &quot;%1&quot;; saving writes a new settings file beside it.</source>
        <translation>Le fichier endommagé a été conservé sous le nom «&#xa0;%1&#xa0;»&#xa0;; l&apos;enregistrement écrira un nouveau fichier de réglages à côté.</translation>
    </message>
    <message>
        <source>A copy of the damaged file could not be kept: %1. Saving will replace it, so copy it somewhere safe first if you want to keep it.</source>
        <translation>Impossible de conserver une copie du fichier endommagé&#xa0;: %1. L&apos;enregistrement va le remplacer&#xa0;; si vous voulez le garder, copiez-le d&apos;abord en lieu sûr.</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Overflow</source>
        <translation>Nombre trop grand</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Position hors limites</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Contenu inattendu</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Fin de fichier inattendue</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au fichier ou au dossier</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Dossier introuvable</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Format de fichier non valide</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur non valide</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur du programme</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a link that leads to no file</source>
        <translation>c&apos;est un lien qui ne mène à aucun fichier</translation>
    </message>
    <message>
        <source>it is a channel that passes data between programs, not a file</source>
        <translation>c&apos;est un canal par lequel des programmes échangent des données, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>The folder of the file &quot;%1&quot; does not exist.</source>
        <translation>Le dossier du fichier «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <source>You do not have permission to read the file &quot;%1&quot;.</source>
        <translation>Vous n&apos;avez pas l&apos;autorisation de lire le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>You do not have permission to write the file &quot;%1&quot;.</source>
        <translation>Vous n&apos;avez pas l&apos;autorisation d&apos;écrire le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened (%2).</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: a file of that name is in the way.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être créé&#xa0;: un fichier du même nom est déjà là.</translation>
    </message>
    <message>
        <source>You do not have permission to make the folder &quot;%1&quot;.</source>
        <translation>Vous n&apos;avez pas l&apos;autorisation de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read (%2).</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être lu (%2).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: the disk may be full or no longer there. The file was left as it was before.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: le disque est peut-être plein ou n&apos;est plus branché. Le fichier est resté tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: a link of that name is in the way.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être créé&#xa0;: un lien du même nom est déjà là.</translation>
    </message>
</context>
<context>
    <name>HomePictures</name>
    <message>
        <source>The picture could not be made into a JPEG file.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée au format JPEG.</translation>
    </message>
</context>
<context>
    <name>PageArchive</name>
    <message>
        <source>The export could not be put together: %1.</source>
        <translation>L&apos;export n&apos;a pas pu être assemblé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It is no ZIP file (%1).</source>
        <translation>Ce n&apos;est pas un fichier ZIP (%1).</translation>
    </message>
    <message>
        <source>The page cannot be imported from &quot;%1&quot;. %2 Nothing was changed.</source>
        <translation>La page ne peut pas être importée depuis «&#xa0;%1&#xa0;». %2 Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>It is damaged: %1.</source>
        <translation>Il est endommagé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It holds %1 files, and an export holds at most 10,000.</source>
        <translation>Il contient %1 fichiers, et un export en contient au plus 10 000.</translation>
    </message>
    <message>
        <source>It holds &quot;%1&quot;, a name that leads out of its folder, where unpacking it could change any file.</source>
        <translation>Il contient «&#xa0;%1&#xa0;», un nom qui sort de son dossier&#xa0;: le décompresser pourrait modifier n&apos;importe quel fichier.</translation>
    </message>
    <message>
        <source>It holds &quot;%1&quot;, a symbolic link, which could lead to any file.</source>
        <translation>Il contient «&#xa0;%1&#xa0;», un lien symbolique, qui pourrait mener à n&apos;importe quel fichier.</translation>
    </message>
    <message>
        <source>It holds no exported page: an export holds one folder with the page and its pictures.</source>
        <translation>Il ne contient aucune page exportée&#xa0;: un export contient un dossier avec la page et ses images.</translation>
    </message>
    <message>
        <source>Unpacked it would take %1 MB, and an export takes at most 200 MB.</source>
        <translation>Décompressé, il occuperait %1 Mo, et un export occupe au plus 200 Mo.</translation>
    </message>
    <message>
        <source>It holds no exported page: its folder has no %1.</source>
        <translation>Il ne contient aucune page exportée&#xa0;: son dossier n&apos;a pas de %1.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
</context>
<context>
    <name>PageSteps</name>
    <message>
        <source>Delete Link</source>
        <translation>Supprimer le lien</translation>
    </message>
    <message>
        <source>Move Link</source>
        <translation>Déplacer le lien</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <translation>Modifier le lien</translation>
    </message>
</context>
<context>
    <name>ReportError</name>
    <message>
        <source>An error has occurred.</source>
        <translation>Une erreur s&apos;est produite.</translation>
    </message>
    <message>
        <source>(Module: %1)</source>
        <translation>(Module&#xa0;: %1)</translation>
    </message>
</context>
<context>
    <name>RunCommand</name>
    <message>
        <source>(Error %1)</source>
        <translation>(Erreur %1)</translation>
    </message>
    <message>
        <source>There is not enough memory for this. Close other programs and try again.</source>
        <translation>La mémoire est insuffisante pour cela. Fermez d&apos;autres programmes et réessayez.</translation>
    </message>
</context>
<context>
    <name>SettingsGuard</name>
    <message>
        <source>The home page settings are being saved from another editor window, which may be waiting for an answer. Nothing was saved here: finish in the other window, then save again.</source>
        <translation>Les réglages de la page d&apos;accueil sont en cours d&apos;enregistrement depuis une autre fenêtre de l&apos;éditeur, qui attend peut-être une réponse. Rien n&apos;a été enregistré ici&#xa0;: terminez dans l&apos;autre fenêtre, puis enregistrez de nouveau.</translation>
    </message>
    <message>
        <source>If no other editor window is open, delete the file &quot;%1&quot; and save again.</source>
        <translation>Si aucune autre fenêtre de l&apos;éditeur n&apos;est ouverte, supprimez le fichier «&#xa0;%1&#xa0;» et enregistrez de nouveau.</translation>
    </message>
    <message>
        <source>Nothing was saved. Move it away or give it another name, then save again.</source>
        <translation>Rien n&apos;a été enregistré. Déplacez-le ou renommez-le, puis enregistrez de nouveau.</translation>
    </message>
</context>
<context>
    <name>SettingsLayout</name>
    <message>
        <source>the header</source>
        <translation>l&apos;en-tête</translation>
    </message>
    <message>
        <source>the page title</source>
        <translation>le titre de la page</translation>
    </message>
    <message>
        <source>the heading</source>
        <translation>le titre affiché sur la page</translation>
    </message>
    <message>
        <source>the wallpaper</source>
        <translation>l&apos;image de fond</translation>
    </message>
    <message>
        <source>the background colour</source>
        <translation>la couleur de fond</translation>
    </message>
    <message>
        <source>the text colour</source>
        <translation>la couleur du texte</translation>
    </message>
    <message>
        <source>the link colour</source>
        <translation>la couleur des liens</translation>
    </message>
    <message>
        <source>the visited link colour</source>
        <translation>la couleur des liens visités</translation>
    </message>
    <message>
        <source>the clicked link colour</source>
        <translation>la couleur des liens cliqués</translation>
    </message>
    <message>
        <source>the mouse trail picture</source>
        <translation>l&apos;image de la traînée de souris</translation>
    </message>
    <message>
        <source>a reserved line</source>
        <translation>une ligne réservée</translation>
    </message>
    <message>
        <source>the number of links</source>
        <translation>le nombre de liens</translation>
    </message>
    <message>
        <source>the caption</source>
        <translation>la légende</translation>
    </message>
    <message>
        <source>the picture</source>
        <translation>l&apos;image</translation>
    </message>
    <message>
        <source>the address</source>
        <translation>l&apos;adresse</translation>
    </message>
</context>
<context>
    <name>SettingsReader</name>
    <message>
        <source>%1 of link %2</source>
        <translation>%1 du lien %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a home page settings file: its first line is not &quot;%2&quot;.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;est pas un fichier de réglages de page d&apos;accueil&#xa0;: sa première ligne n&apos;est pas «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>is cut short: the file ends before the value&apos;s closing double quote</source>
        <translation>est tronquée&#xa0;: le fichier s&apos;arrête avant les guillemets qui ferment la valeur</translation>
    </message>
    <message>
        <source>no links</source>
        <translation>aucun lien</translation>
    </message>
    <message>
        <source>1 link</source>
        <translation>1 lien</translation>
    </message>
    <message>
        <source>%1 links</source>
        <translation>%1 liens</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read whole: line %2 (%3) gives %4, but more lines follow from line %5 on, and they were not read.</source>
        <translation>Le fichier de réglages «&#xa0;%1&#xa0;» ne peut pas être lu en entier&#xa0;: la ligne %2 (%3) indique %4, mais d&apos;autres lignes suivent à partir de la ligne %5 et n&apos;ont pas été lues.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is empty.</source>
        <translation>Le fichier de réglages «&#xa0;%1&#xa0;» est vide.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: it ends before line %2 (%3).</source>
        <translation>Le fichier de réglages «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: il s&apos;arrête avant la ligne %2 (%3).</translation>
    </message>
    <message>
        <source>holds a number outside the range from %1 to %2</source>
        <translation>contient un nombre en dehors de la plage de %1 à %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: line %2 (%3) %4.</source>
        <translation>Le fichier de réglages «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: la ligne %2 (%3) %4.</translation>
    </message>
</context>
<context>
    <name>SharedInstall</name>
    <message>
        <source>Your own copy of the home page could not be made in %1. Make sure you may write there and that the disk is not full.</source>
        <translation>Votre propre copie de la page d&apos;accueil n&apos;a pas pu être créée dans %1. Vérifiez que vous avez le droit d&apos;y écrire et que le disque n&apos;est pas plein.</translation>
    </message>
</context>
<context>
    <name>SitePicture</name>
    <message>
        <source>the site has no page at that address</source>
        <translation>le site n&apos;a pas de page à cette adresse</translation>
    </message>
    <message>
        <source>the site answered with error %1 instead of the page</source>
        <translation>le site a répondu par l&apos;erreur %1 au lieu de la page</translation>
    </message>
    <message>
        <source>the site&apos;s security certificate is not valid</source>
        <translation>le certificat de sécurité du site n&apos;est pas valide</translation>
    </message>
    <message>
        <source>no site has that name, or the computer is not online</source>
        <translation>aucun site ne porte ce nom, ou l&apos;ordinateur n&apos;est pas connecté à Internet</translation>
    </message>
    <message>
        <source>the site could not be reached</source>
        <translation>le site est injoignable</translation>
    </message>
    <message>
        <source>the page could not be loaded</source>
        <translation>la page n&apos;a pas pu être chargée</translation>
    </message>
    <message>
        <source>the site did not answer within a second</source>
        <translation>le site n&apos;a pas répondu dans la seconde</translation>
    </message>
    <message>
        <source>the site did not answer within %1 seconds</source>
        <translation>le site n&apos;a pas répondu en %1 secondes</translation>
    </message>
    <message>
        <source>the page showed nothing to take a picture of</source>
        <translation>la page n&apos;affichait rien dont on puisse faire une image</translation>
    </message>
</context>
<context>
    <name>SitePicturesBar</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Getting pictures: %1 of %2</source>
        <translation>Récupération des images&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>%1 of %2 links got their site&apos;s picture.</source>
        <translation>%1 liens sur %2 ont reçu l’image de leur site.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>None came from: %1.</source>
        <translation>Aucune n’est venue de : %1.</translation>
    </message>
</context>
<context>
    <name>basConversions</name>
    <message>
        <source>The colour &quot;%1&quot; does not have three parts.</source>
        <translation>La couleur «&#xa0;%1&#xa0;» n&apos;a pas trois composantes.</translation>
    </message>
</context>
<context>
    <name>frmCheckLinks</name>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Does not answer</source>
        <translation>Ne répond pas</translation>
    </message>
    <message>
        <source>Now leads to %1</source>
        <translation>Mène maintenant à %1</translation>
    </message>
    <message>
        <source>Moved within the site</source>
        <translation>Déplacé au sein du site</translation>
    </message>
    <message>
        <source>The site&apos;s name may be for sale</source>
        <translation>Le nom du site est peut-être à vendre</translation>
    </message>
    <message>
        <source>The page cannot open this address</source>
        <translation>La page ne peut pas ouvrir cette adresse</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Non vérifié</translation>
    </message>
    <message>
        <source>Check Links</source>
        <translation>Vérifier les liens</translation>
    </message>
    <message>
        <source>Links checked</source>
        <translation>Liens vérifiés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Links found</source>
        <translation>Liens trouvés</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Constat</translation>
    </message>
    <message>
        <source>New Address</source>
        <translation>Nouvelle adresse</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Use &amp;New Address</source>
        <translation>Utiliser la &amp;nouvelle adresse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The computer seems not to be online, so the links could not be checked.</source>
        <translation>L&apos;ordinateur ne semble pas être en ligne, les liens n&apos;ont donc pas pu être vérifiés.</translation>
    </message>
    <message>
        <source>Checked %1 of %2</source>
        <translation>%1 sur %2 vérifiés</translation>
    </message>
    <message>
        <source>The page has no links to check.</source>
        <translation>La page n&apos;a aucun lien à vérifier.</translation>
    </message>
    <message>
        <source>The link answers as it should.</source>
        <translation>Le lien répond comme il se doit.</translation>
    </message>
    <message>
        <source>All %1 links answer as they should.</source>
        <translation>Les %1 liens répondent tous comme il se doit.</translation>
    </message>
</context>
<context>
    <name>frmConfigure</name>
    <message>
        <source>Control Center</source>
        <translation>Centre de contrôle</translation>
    </message>
    <message>
        <source>Select the application you want to configure</source>
        <translation>Choisissez ce que vous voulez configurer</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Click here to find out about parental keys</source>
        <translation>Cliquez ici&#xa0;: les touches des parents</translation>
    </message>
    <message>
        <source>The Desktop Programs folder will now open so you can add shortcuts to it. You can drag shortcuts to the folder from your Start Menu.</source>
        <translation>Le dossier des programmes du bureau va s&apos;ouvrir pour que vous puissiez y ajouter des raccourcis. Vous pouvez y faire glisser des raccourcis depuis votre menu Démarrer.</translation>
    </message>
</context>
<context>
    <name>frmImportLinks</name>
    <message>
        <source>Import Links</source>
        <translation>Importer des liens</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Add Links</source>
        <translation>Ajouter les liens</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A page cannot open this address.</source>
        <translation>Une page ne peut pas ouvrir cette adresse.</translation>
    </message>
    <message>
        <source>Already on the page.</source>
        <translation>Déjà sur la page.</translation>
    </message>
    <message>
        <source>Also above in this file.</source>
        <translation>Figure déjà plus haut dans ce fichier.</translation>
    </message>
    <message>
        <source>1 link will be added.</source>
        <translation>1 lien sera ajouté.</translation>
    </message>
    <message>
        <source>%1 links will be added.</source>
        <translation>%1 liens seront ajoutés.</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>&amp;Get each link&apos;s picture from its site</source>
        <translation>Récupérer l&apos;&amp;image de chaque lien sur son site</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>Tout &amp;cocher</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>Tout &amp;décocher</translation>
    </message>
    <message>
        <source>1 link will be added, hidden by Find.</source>
        <translation>1 lien sera ajouté, masqué par la recherche.</translation>
    </message>
    <message>
        <source>%1 links will be added, %2 of them hidden by Find.</source>
        <translation>%1 liens seront ajoutés, dont %2 masqués par la recherche.</translation>
    </message>
</context>
<context>
    <name>frmLink</name>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Image&#xa0;:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu&#xa0;:</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Type the address of a web page first.</source>
        <translation>Tapez d&apos;abord l&apos;adresse d&apos;une page web.</translation>
    </message>
    <message>
        <source>it could not be saved in the pictures folder. </source>
        <translation>elle n&apos;a pas pu être enregistrée dans le dossier des images. </translation>
    </message>
    <message>
        <source>Could not get a picture from &quot;%1&quot;: %2.</source>
        <translation>Impossible de récupérer une image depuis «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Get Picture</source>
        <translation>&amp;Image du site</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Zellow&apos;s Browser Home Page Editor</source>
        <translation>Éditeur de page d&apos;accueil de Zellow&apos;s Browser</translation>
    </message>
    <message>
        <source>The editor ended without closing last time, and the home page had changes that were not saved. Show those changes?</source>
        <translation>La dernière fois, l&apos;éditeur s&apos;est arrêté sans être fermé, et la page d&apos;accueil avait des modifications non enregistrées. Afficher ces modifications&#xa0;?</translation>
    </message>
    <message>
        <source>The home page settings could not be read, so the editor starts on a new page.</source>
        <translation>Les réglages de la page d&apos;accueil n&apos;ont pas pu être lus&#xa0;; l&apos;éditeur commence donc avec une nouvelle page.</translation>
    </message>
    <message>
        <source>Page Title</source>
        <translation>Titre de la page</translation>
    </message>
    <message>
        <source>Name On Page</source>
        <translation>Nom sur la page</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Mouse Trails</source>
        <translation>Traînée de souris</translation>
    </message>
    <message>
        <source>The home page settings were saved, but the home page itself was not, so the page still shows the earlier settings.</source>
        <translation>Les réglages ont été enregistrés, mais pas la page d&apos;accueil elle-même&#xa0;: la page affiche donc encore les anciens réglages.</translation>
    </message>
    <message>
        <source>Save again to write the page once the problem is solved.</source>
        <translation>Enregistrez de nouveau une fois le problème résolu pour écrire la page.</translation>
    </message>
    <message>
        <source>Save Home Page before exiting?</source>
        <translation>Enregistrer la page d&apos;accueil avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Import Links</source>
        <translation>Importer des liens</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>No bookmarks were found in &quot;%1&quot;.</source>
        <translation>Aucun favori n&apos;a été trouvé dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Paste Links</source>
        <translation>Coller des liens</translation>
    </message>
    <message>
        <source>Drop Links</source>
        <translation>Déposer des liens</translation>
    </message>
    <message>
        <source>A page holds at most %1 links, so 1 link was left out.</source>
        <translation>Une page contient au plus %1 liens&#xa0;: 1 lien a donc été laissé de côté.</translation>
    </message>
    <message>
        <source>A page holds at most %1 links, so %2 links were left out.</source>
        <translation>Une page contient au plus %1 liens&#xa0;: %2 liens ont donc été laissés de côté.</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Text Colour</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Link Colour</source>
        <translation>Couleur des liens</translation>
    </message>
    <message>
        <source>Visited Link Colour</source>
        <translation>Couleur des liens visités</translation>
    </message>
    <message>
        <source>Active Link Colour</source>
        <translation>Couleur des liens actifs</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Ajouter un lien</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>Actualiser l&apos;aperçu</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Page Title:</source>
        <translation>Titre de la page&#xa0;:</translation>
    </message>
    <message>
        <source>Name On Page:</source>
        <translation>Nom sur la page&#xa0;:</translation>
    </message>
    <message>
        <source>Wallpaper:</source>
        <translation>Image de fond&#xa0;:</translation>
    </message>
    <message>
        <source>Mouse Trails:</source>
        <translation>Traînée de souris&#xa0;:</translation>
    </message>
    <message>
        <source>Set Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Links:</source>
        <translation>Liens&#xa0;:</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Import Picture...</source>
        <translation>Importer une image...</translation>
    </message>
    <message>
        <source>Open Folder In Explorer</source>
        <translation>Ouvrir le dossier dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Import Links...</source>
        <translation>Importer des liens...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Fond...</translation>
    </message>
    <message>
        <source>Text...</source>
        <translation>Texte...</translation>
    </message>
    <message>
        <source>Link...</source>
        <translation>Lien...</translation>
    </message>
    <message>
        <source>Visited Link...</source>
        <translation>Lien visité...</translation>
    </message>
    <message>
        <source>Active Link...</source>
        <translation>Lien actif...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Retirer le lien</translation>
    </message>
    <message>
        <source>Use New Address</source>
        <translation>Utiliser la nouvelle adresse</translation>
    </message>
    <message>
        <source>Import Page</source>
        <translation>Importer une page</translation>
    </message>
    <message>
        <source>&amp;Export Page...</source>
        <translation>E&amp;xporter la page...</translation>
    </message>
    <message>
        <source>I&amp;mport Page...</source>
        <translation>I&amp;mporter une page...</translation>
    </message>
    <message>
        <source>Exported Pages</source>
        <translation>Pages exportées</translation>
    </message>
    <message>
        <source>Export Page</source>
        <translation>Exporter la page</translation>
    </message>
    <message>
        <source>Import the page &quot;%1&quot; with %2 links and %3 pictures? It replaces the page in this window; Undo brings this page back.</source>
        <translation>Importer la page «&#xa0;%1&#xa0;» avec %2 liens et %3 images&#xa0;? Elle remplace la page de cette fenêtre&#xa0;; Annuler ramène cette page.</translation>
    </message>
    <message>
        <source>Markup in %1 of its texts will be shown as text.</source>
        <translation>Le balisage de %1 de ses textes sera affiché comme du texte.</translation>
    </message>
    <message>
        <source>The copy of the changes that were not saved is damaged, so the editor shows the page as it was last saved.</source>
        <translation>La copie des modifications non enregistrées est endommagée&#xa0;: l&apos;éditeur affiche donc la page telle qu&apos;elle a été enregistrée la dernière fois.</translation>
    </message>
    <message>
        <source>The copy has been kept as &quot;%1&quot;.</source>
        <translation>La copie a été conservée sous le nom «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&amp;Check Links...</source>
        <translation>&amp;Vérifier les liens...</translation>
    </message>
    <message>
        <source>Another editor window has this home page open. Close one of them, or the one saved last replaces the other&apos;s changes.</source>
        <translation>Une autre fenêtre de l&apos;éditeur a cette page d&apos;accueil ouverte. Fermez l&apos;une d&apos;elles, sinon la dernière enregistrée remplace les modifications de l&apos;autre.</translation>
    </message>
    <message>
        <source>The home page was saved, but the settings it replaced could not be kept as an earlier version.</source>
        <translation>La page d&apos;accueil a été enregistrée, mais les réglages qu&apos;elle remplace n&apos;ont pas pu être conservés comme version précédente.</translation>
    </message>
    <message>
        <source>The home page settings in &quot;%1&quot; could not be read when the editor started, so this window does not show them. Replace them with the settings in this window?</source>
        <translation>Les réglages de la page d&apos;accueil dans «&#xa0;%1&#xa0;» n&apos;ont pas pu être lus au démarrage de l&apos;éditeur&#xa0;; cette fenêtre ne les affiche donc pas. Les remplacer par les réglages de cette fenêtre&#xa0;?</translation>
    </message>
    <message>
        <source>The home page settings were changed by another program after this window read them. Replace them with the settings in this window?</source>
        <translation>Les réglages de la page d&apos;accueil ont été modifiés par un autre programme depuis que cette fenêtre les a lus. Les remplacer par les réglages de cette fenêtre&#xa0;?</translation>
    </message>
    <message>
        <source>Link Pictures</source>
        <translation>Images des liens</translation>
    </message>
    <message>
        <source>Make Link &amp;Pictures Match</source>
        <translation>&amp;Harmoniser les images des liens</translation>
    </message>
    <message>
        <source>Making link pictures match...</source>
        <translation>Harmonisation des images des liens...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The link pictures already match: each is %1 by %1 pixels.</source>
        <translation>Les images des liens vont déjà ensemble : chacune fait %1 sur %1 pixels.</translation>
    </message>
    <message>
        <source>Make Link Pictures Match</source>
        <translation>Harmoniser les images des liens</translation>
    </message>
</context>
<context>
    <name>usrHomeImages</name>
    <message>
        <source>Picture Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>There is no entry %1 in the list of pictures.</source>
        <translation>La liste des images n&apos;a pas d&apos;entrée %1.</translation>
    </message>
    <message>
        <source>Import Picture</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>A file with that name already exists in the folder.</source>
        <translation>Un fichier portant ce nom existe déjà dans le dossier.</translation>
    </message>
    <message>
        <source>Could not import picture.</source>
        <translation>L&apos;image n&apos;a pas pu être importée.</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Aucune image)</translation>
    </message>
    <message>
        <source>(Import Picture...)</source>
        <translation>(Importer une image...)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the pictures folder now, but the lists show only .gif, .jpg and .bmp pictures. Make a copy &quot;%2&quot; that they show?</source>
        <translation>«&#xa0;%1&#xa0;» est maintenant dans le dossier des images, mais les listes ne montrent que les images .gif, .jpg et .bmp. Faut-il en faire une copie «&#xa0;%2&#xa0;» qui y apparaîtra&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the pictures folder, but the copy &quot;%2&quot; could not be made.</source>
        <translation>«&#xa0;%1&#xa0;» est dans le dossier des images, mais la copie «&#xa0;%2&#xa0;» n&apos;a pas pu être faite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in the folder &quot;%2&quot;, but the page finds only pictures that lie in the pictures folder itself. Copy it there?</source>
        <translation>«&#xa0;%1&#xa0;» se trouve dans le dossier «&#xa0;%2&#xa0;», mais la page ne trouve que les images placées directement dans le dossier des images. Faut-il l&apos;y copier&#xa0;?</translation>
    </message>
    <message>
        <source>Could not copy &quot;%1&quot; into the pictures folder.</source>
        <translation>Impossible de copier «&#xa0;%1&#xa0;» dans le dossier des images.</translation>
    </message>
</context>
</TS>
