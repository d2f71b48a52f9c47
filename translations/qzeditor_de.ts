<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>The program cannot start from the folder &quot;%1&quot;, because a name in that path holds the character &quot;\&quot;. Move the program&apos;s folder to a place whose path has no &quot;\&quot; in it, and start it again.</source>
        <translation>Das Programm kann nicht aus dem Ordner „%1“ starten, weil ein Name in diesem Pfad das Zeichen „\“ enthält. Verschieben Sie den Programmordner an einen Ort, dessen Pfad kein „\“ enthält, und starten Sie das Programm erneut.</translation>
    </message>
</context>
<context>
    <name>Bookmarks</name>
    <message>
        <source>&quot;%1&quot; is larger than 200 MB, far larger than any bookmarks file, so it was not read.</source>
        <translation>„%1“ ist größer als 200 MB, weit größer als jede Lesezeichendatei, und wurde darum nicht gelesen.</translation>
    </message>
    <message>
        <source>Bookmarks Menu</source>
        <translation>Lesezeichen-Menü</translation>
    </message>
    <message>
        <source>Bookmarks Toolbar</source>
        <translation>Lesezeichen-Symbolleiste</translation>
    </message>
    <message>
        <source>Other Bookmarks</source>
        <translation>Weitere Lesezeichen</translation>
    </message>
    <message>
        <source>Mobile Bookmarks</source>
        <translation>Mobile Lesezeichen</translation>
    </message>
</context>
<context>
    <name>Collection</name>
    <message>
        <source>A link to add must not be empty.</source>
        <translation>Ein hinzugefügter Link darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The page already has %1 links, the most it can hold.</source>
        <translation>Die Seite hat bereits %1 Links, mehr passen nicht hinein.</translation>
    </message>
    <message>
        <source>There is no link at position %1: the page has %2 links.</source>
        <translation>An Position %1 gibt es keinen Link: Die Seite hat %2 Links.</translation>
    </message>
</context>
<context>
    <name>DamagedFile</name>
    <message>
        <source>&quot;%1&quot; could not be copied to &quot;%2&quot; (%3)</source>
        <translation>„%1“ konnte nicht nach „%2“ kopiert werden (%3)</translation>
    </message>
    <message>
        <source>The home page settings could not all be read, so the editor shows what could be read.</source>
        <translation>Die Einstellungen der Startseite konnten nicht vollständig gelesen werden. Der Editor zeigt, was sich lesen ließ.</translation>
    </message>
    <message>
        <source>The damaged file has been kept as &quot;%1&quot;; saving writes a new settings file beside it.</source>
        <translation>Die beschädigte Datei wurde als „%1“ aufbewahrt. Beim Speichern entsteht daneben eine neue Einstellungsdatei.</translation>
    </message>
    <message>
        <source>A copy of the damaged file could not be kept: %1. Saving will replace it, so copy it somewhere safe first if you want to keep it.</source>
        <translation>Von der beschädigten Datei konnte keine Kopie aufbewahrt werden: %1. Beim Speichern wird sie ersetzt. Wenn Sie sie behalten möchten, kopieren Sie sie vorher an einen sicheren Ort.</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Overflow</source>
        <translation>Zahl zu groß</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Position außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Falscher Inhalt</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Dateiende vorzeitig erreicht</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Datei oder Ordner</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Ungültiges Dateiformat</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Wert</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Programmfehler</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a link that leads to no file</source>
        <translation>es ist eine Verknüpfung, die zu keiner Datei führt</translation>
    </message>
    <message>
        <source>it is a channel that passes data between programs, not a file</source>
        <translation>es ist ein Kanal, über den Programme Daten austauschen, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>The folder of the file &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner der Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>„%1“ ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>You do not have permission to read the file &quot;%1&quot;.</source>
        <translation>Sie haben keine Berechtigung, die Datei „%1“ zu lesen.</translation>
    </message>
    <message>
        <source>You do not have permission to write the file &quot;%1&quot;.</source>
        <translation>Sie haben keine Berechtigung, die Datei „%1“ zu schreiben.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened (%2).</source>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2.</source>
        <translation>„%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: a file of that name is in the way.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden: Eine Datei mit diesem Namen ist im Weg.</translation>
    </message>
    <message>
        <source>You do not have permission to make the folder &quot;%1&quot;.</source>
        <translation>Sie haben keine Berechtigung, den Ordner „%1“ anzulegen.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read (%2).</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: the disk may be full or no longer there. The file was left as it was before.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: Der Datenträger ist vielleicht voll oder nicht mehr verbunden. Die Datei ist unverändert geblieben.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: a link of that name is in the way.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden: Eine Verknüpfung mit diesem Namen ist im Weg.</translation>
    </message>
</context>
<context>
    <name>HomePictures</name>
    <message>
        <source>The picture could not be made into a JPEG file.</source>
        <translation>Aus dem Bild konnte keine JPEG-Datei gemacht werden.</translation>
    </message>
</context>
<context>
    <name>PageArchive</name>
    <message>
        <source>The export could not be put together: %1.</source>
        <translation>Der Export konnte nicht zusammengestellt werden: %1.</translation>
    </message>
    <message>
        <source>It is no ZIP file (%1).</source>
        <translation>Sie ist keine ZIP-Datei (%1).</translation>
    </message>
    <message>
        <source>The page cannot be imported from &quot;%1&quot;. %2 Nothing was changed.</source>
        <translation>Die Seite kann nicht aus „%1“ importiert werden. %2 Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>It is damaged: %1.</source>
        <translation>Sie ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>It holds %1 files, and an export holds at most 10,000.</source>
        <translation>Sie enthält %1 Dateien, ein Export enthält höchstens 10.000.</translation>
    </message>
    <message>
        <source>It holds &quot;%1&quot;, a name that leads out of its folder, where unpacking it could change any file.</source>
        <translation>Sie enthält „%1“, einen Namen, der aus ihrem Ordner hinausführt; beim Entpacken könnte so jede Datei geändert werden.</translation>
    </message>
    <message>
        <source>It holds &quot;%1&quot;, a symbolic link, which could lead to any file.</source>
        <translation>Sie enthält „%1“, eine symbolische Verknüpfung, die zu jeder beliebigen Datei führen könnte.</translation>
    </message>
    <message>
        <source>It holds no exported page: an export holds one folder with the page and its pictures.</source>
        <translation>Sie enthält keine exportierte Seite: Ein Export enthält einen Ordner mit der Seite und ihren Bildern.</translation>
    </message>
    <message>
        <source>Unpacked it would take %1 MB, and an export takes at most 200 MB.</source>
        <translation>Entpackt bräuchte sie %1 MB, ein Export braucht höchstens 200 MB.</translation>
    </message>
    <message>
        <source>It holds no exported page: its folder has no %1.</source>
        <translation>Sie enthält keine exportierte Seite: Ihr Ordner hat keine %1.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Startseite</translation>
    </message>
</context>
<context>
    <name>PageSteps</name>
    <message>
        <source>Delete Link</source>
        <translation>Link löschen</translation>
    </message>
    <message>
        <source>Move Link</source>
        <translation>Link verschieben</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <translation>Link ändern</translation>
    </message>
</context>
<context>
    <name>ReportError</name>
    <message>
        <source>An error has occurred.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>(Module: %1)</source>
        <translation>(Modul: %1)</translation>
    </message>
</context>
<context>
    <name>RunCommand</name>
    <message>
        <source>(Error %1)</source>
        <translation>(Fehler %1)</translation>
    </message>
    <message>
        <source>There is not enough memory for this. Close other programs and try again.</source>
        <translation>Dafür reicht der Arbeitsspeicher nicht. Schließen Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>SettingsGuard</name>
    <message>
        <source>The home page settings are being saved from another editor window, which may be waiting for an answer. Nothing was saved here: finish in the other window, then save again.</source>
        <translation>Die Einstellungen der Startseite werden gerade aus einem anderen Editorfenster gespeichert, das vielleicht auf eine Antwort wartet. Hier wurde nichts gespeichert: Schließen Sie den Vorgang im anderen Fenster ab und speichern Sie dann erneut.</translation>
    </message>
    <message>
        <source>If no other editor window is open, delete the file &quot;%1&quot; and save again.</source>
        <translation>Wenn kein anderes Editorfenster geöffnet ist, löschen Sie die Datei „%1“ und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Nothing was saved. Move it away or give it another name, then save again.</source>
        <translation>Es wurde nichts gespeichert. Verschieben Sie es an einen anderen Ort oder benennen Sie es um und speichern Sie dann erneut.</translation>
    </message>
</context>
<context>
    <name>SettingsLayout</name>
    <message>
        <source>the header</source>
        <translation>die Kopfzeile</translation>
    </message>
    <message>
        <source>the page title</source>
        <translation>der Seitentitel</translation>
    </message>
    <message>
        <source>the heading</source>
        <translation>die Überschrift</translation>
    </message>
    <message>
        <source>the wallpaper</source>
        <translation>das Hintergrundbild</translation>
    </message>
    <message>
        <source>the background colour</source>
        <translation>die Hintergrundfarbe</translation>
    </message>
    <message>
        <source>the text colour</source>
        <translation>die Textfarbe</translation>
    </message>
    <message>
        <source>the link colour</source>
        <translation>die Linkfarbe</translation>
    </message>
    <message>
        <source>the visited link colour</source>
        <translation>die Farbe besuchter Links</translation>
    </message>
    <message>
        <source>the clicked link colour</source>
        <translation>die Farbe angeklickter Links</translation>
    </message>
    <message>
        <source>the mouse trail picture</source>
        <translation>das Bild der Mausspur</translation>
    </message>
    <message>
        <source>a reserved line</source>
        <translation>eine reservierte Zeile</translation>
    </message>
    <message>
        <source>the number of links</source>
        <translation>die Anzahl der Links</translation>
    </message>
    <message>
        <source>the caption</source>
        <translation>die Beschriftung</translation>
    </message>
    <message>
        <source>the picture</source>
        <translation>das Bild</translation>
    </message>
    <message>
        <source>the address</source>
        <translation>die Adresse</translation>
    </message>
</context>
<context>
    <name>SettingsReader</name>
    <message>
        <source>%1 of link %2</source>
        <translation>%1 von Link %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a home page settings file: its first line is not &quot;%2&quot;.</source>
        <translation>Die Datei „%1“ ist keine Einstellungsdatei für die Startseite: Ihre erste Zeile lautet nicht „%2“.</translation>
    </message>
    <message>
        <source>is cut short: the file ends before the value&apos;s closing double quote</source>
        <translation>ist abgeschnitten: Die Datei endet vor dem schließenden Anführungszeichen des Werts</translation>
    </message>
    <message>
        <source>no links</source>
        <translation>keine Links</translation>
    </message>
    <message>
        <source>1 link</source>
        <translation>1 Link</translation>
    </message>
    <message>
        <source>%1 links</source>
        <translation>%1 Links</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read whole: line %2 (%3) gives %4, but more lines follow from line %5 on, and they were not read.</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht vollständig gelesen werden: Zeile %2 (%3) nennt %4, aber ab Zeile %5 folgen weitere Zeilen, und diese wurden nicht gelesen.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is empty.</source>
        <translation>Die Einstellungsdatei „%1“ ist leer.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: it ends before line %2 (%3).</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht gelesen werden: Sie endet vor Zeile %2 (%3).</translation>
    </message>
    <message>
        <source>holds a number outside the range from %1 to %2</source>
        <translation>enthält eine Zahl außerhalb des Bereichs von %1 bis %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: line %2 (%3) %4.</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht gelesen werden: Zeile %2 (%3) %4.</translation>
    </message>
</context>
<context>
    <name>SharedInstall</name>
    <message>
        <source>Your own copy of the home page could not be made in %1. Make sure you may write there and that the disk is not full.</source>
        <translation>Ihre eigene Kopie der Startseite konnte nicht in %1 angelegt werden. Prüfen Sie, ob Sie dort schreiben dürfen und ob der Datenträger nicht voll ist.</translation>
    </message>
</context>
<context>
    <name>SitePicture</name>
    <message>
        <source>the site has no page at that address</source>
        <translation>die Website hat unter dieser Adresse keine Seite</translation>
    </message>
    <message>
        <source>the site answered with error %1 instead of the page</source>
        <translation>die Website hat statt der Seite mit Fehler %1 geantwortet</translation>
    </message>
    <message>
        <source>the site&apos;s security certificate is not valid</source>
        <translation>das Sicherheitszertifikat der Website ist nicht gültig</translation>
    </message>
    <message>
        <source>no site has that name, or the computer is not online</source>
        <translation>es gibt keine Website mit diesem Namen, oder der Computer ist nicht mit dem Internet verbunden</translation>
    </message>
    <message>
        <source>the site could not be reached</source>
        <translation>die Website war nicht erreichbar</translation>
    </message>
    <message>
        <source>the page could not be loaded</source>
        <translation>die Seite konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>the site did not answer within a second</source>
        <translation>die Website hat nicht innerhalb einer Sekunde geantwortet</translation>
    </message>
    <message>
        <source>the site did not answer within %1 seconds</source>
        <translation>die Website hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>the page showed nothing to take a picture of</source>
        <translation>die Seite zeigte nichts, wovon ein Bild gemacht werden könnte</translation>
    </message>
</context>
<context>
    <name>SitePicturesBar</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Getting pictures: %1 of %2</source>
        <translation>Bilder werden geholt: %1 von %2</translation>
    </message>
    <message>
        <source>%1 of %2 links got their site&apos;s picture.</source>
        <translation>%1 von %2 Links haben das Bild ihrer Website bekommen.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>None came from: %1.</source>
        <translation>Keines kam von: %1.</translation>
    </message>
</context>
<context>
    <name>basConversions</name>
    <message>
        <source>The colour &quot;%1&quot; does not have three parts.</source>
        <translation>Die Farbe „%1“ besteht nicht aus drei Teilen.</translation>
    </message>
</context>
<context>
    <name>frmCheckLinks</name>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Does not answer</source>
        <translation>Antwortet nicht</translation>
    </message>
    <message>
        <source>Now leads to %1</source>
        <translation>Führt jetzt zu %1</translation>
    </message>
    <message>
        <source>Moved within the site</source>
        <translation>Innerhalb der Website umgezogen</translation>
    </message>
    <message>
        <source>The site&apos;s name may be for sale</source>
        <translation>Der Name der Website steht vielleicht zum Verkauf</translation>
    </message>
    <message>
        <source>The page cannot open this address</source>
        <translation>Die Seite kann diese Adresse nicht öffnen</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Nicht geprüft</translation>
    </message>
    <message>
        <source>Check Links</source>
        <translation>Links prüfen</translation>
    </message>
    <message>
        <source>Links checked</source>
        <translation>Geprüfte Links</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Links found</source>
        <translation>Gefundene Links</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>New Address</source>
        <translation>Neue Adresse</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Use &amp;New Address</source>
        <translation>&amp;Neue Adresse verwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The computer seems not to be online, so the links could not be checked.</source>
        <translation>Der Computer scheint nicht online zu sein, daher konnten die Links nicht geprüft werden.</translation>
    </message>
    <message>
        <source>Checked %1 of %2</source>
        <translation>%1 von %2 geprüft</translation>
    </message>
    <message>
        <source>The page has no links to check.</source>
        <translation>Die Seite hat keine Links zum Prüfen.</translation>
    </message>
    <message>
        <source>The link answers as it should.</source>
        <translation>Der Link antwortet wie erwartet.</translation>
    </message>
    <message>
        <source>All %1 links answer as they should.</source>
        <translation>Alle %1 Links antworten wie erwartet.</translation>
    </message>
</context>
<context>
    <name>frmConfigure</name>
    <message>
        <source>Control Center</source>
        <translation>Steuerzentrale</translation>
    </message>
    <message>
        <source>Select the application you want to configure</source>
        <translation>Wählen Sie, was Sie einrichten möchten</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Click here to find out about parental keys</source>
        <translation>Hier klicken: Tasten für Eltern</translation>
    </message>
    <message>
        <source>The Desktop Programs folder will now open so you can add shortcuts to it. You can drag shortcuts to the folder from your Start Menu.</source>
        <translation>Jetzt öffnet sich der Ordner mit den Programmen des Desktops, damit Sie dort Verknüpfungen hinzufügen können. Sie können Verknüpfungen aus Ihrem Startmenü in den Ordner ziehen.</translation>
    </message>
</context>
<context>
    <name>frmImportLinks</name>
    <message>
        <source>Import Links</source>
        <translation>Links importieren</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Add Links</source>
        <translation>Links hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A page cannot open this address.</source>
        <translation>Eine Seite kann diese Adresse nicht öffnen.</translation>
    </message>
    <message>
        <source>Already on the page.</source>
        <translation>Schon auf der Seite.</translation>
    </message>
    <message>
        <source>Also above in this file.</source>
        <translation>Steht weiter oben schon in dieser Datei.</translation>
    </message>
    <message>
        <source>1 link will be added.</source>
        <translation>1 Link wird hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 links will be added.</source>
        <translation>%1 Links werden hinzugefügt.</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>&amp;Get each link&apos;s picture from its site</source>
        <translation>&amp;Bild jedes Links von seiner Website holen</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>&amp;Alle wählen</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>A&amp;uswahl aufheben</translation>
    </message>
    <message>
        <source>1 link will be added, hidden by Find.</source>
        <translation>1 Link wird hinzugefügt, durch die Suche ausgeblendet.</translation>
    </message>
    <message>
        <source>%1 links will be added, %2 of them hidden by Find.</source>
        <translation>%1 Links werden hinzugefügt, %2 davon durch die Suche ausgeblendet.</translation>
    </message>
</context>
<context>
    <name>frmLink</name>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type the address of a web page first.</source>
        <translation>Geben Sie zuerst die Adresse einer Webseite ein.</translation>
    </message>
    <message>
        <source>it could not be saved in the pictures folder. </source>
        <translation>es konnte nicht im Bilderordner gespeichert werden. </translation>
    </message>
    <message>
        <source>Could not get a picture from &quot;%1&quot;: %2.</source>
        <translation>Von „%1“ konnte kein Bild geholt werden: %2.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Get Picture</source>
        <translation>&amp;Bild holen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Zellow&apos;s Browser Home Page Editor</source>
        <translation>Startseiten-Editor für Zellow&apos;s Browser</translation>
    </message>
    <message>
        <source>The editor ended without closing last time, and the home page had changes that were not saved. Show those changes?</source>
        <translation>Der Editor wurde beim letzten Mal nicht richtig geschlossen, und die Startseite hatte Änderungen, die nicht gespeichert waren. Sollen diese Änderungen angezeigt werden?</translation>
    </message>
    <message>
        <source>The home page settings could not be read, so the editor starts on a new page.</source>
        <translation>Die Einstellungen der Startseite konnten nicht gelesen werden. Der Editor beginnt deshalb mit einer neuen Seite.</translation>
    </message>
    <message>
        <source>Page Title</source>
        <translation>Seitentitel</translation>
    </message>
    <message>
        <source>Name On Page</source>
        <translation>Name auf der Seite</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Mouse Trails</source>
        <translation>Mausspur</translation>
    </message>
    <message>
        <source>The home page settings were saved, but the home page itself was not, so the page still shows the earlier settings.</source>
        <translation>Die Einstellungen wurden gespeichert, die Startseite selbst aber nicht. Die Seite zeigt deshalb noch die früheren Einstellungen.</translation>
    </message>
    <message>
        <source>Save again to write the page once the problem is solved.</source>
        <translation>Speichern Sie erneut, sobald das Problem behoben ist, damit die Seite geschrieben wird.</translation>
    </message>
    <message>
        <source>Save Home Page before exiting?</source>
        <translation>Startseite vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Import Links</source>
        <translation>Links importieren</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>No bookmarks were found in &quot;%1&quot;.</source>
        <translation>In „%1“ wurden keine Lesezeichen gefunden.</translation>
    </message>
    <message>
        <source>Paste Links</source>
        <translation>Links einfügen</translation>
    </message>
    <message>
        <source>Drop Links</source>
        <translation>Links ablegen</translation>
    </message>
    <message>
        <source>A page holds at most %1 links, so 1 link was left out.</source>
        <translation>Eine Seite fasst höchstens %1 Links, deshalb wurde 1 Link weggelassen.</translation>
    </message>
    <message>
        <source>A page holds at most %1 links, so %2 links were left out.</source>
        <translation>Eine Seite fasst höchstens %1 Links, deshalb wurden %2 Links weggelassen.</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Text Colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Link Colour</source>
        <translation>Linkfarbe</translation>
    </message>
    <message>
        <source>Visited Link Colour</source>
        <translation>Farbe besuchter Links</translation>
    </message>
    <message>
        <source>Active Link Colour</source>
        <translation>Farbe aktiver Links</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Link hinzufügen</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>Vorschau aktualisieren</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Page Title:</source>
        <translation>Seitentitel:</translation>
    </message>
    <message>
        <source>Name On Page:</source>
        <translation>Name auf der Seite:</translation>
    </message>
    <message>
        <source>Wallpaper:</source>
        <translation>Hintergrundbild:</translation>
    </message>
    <message>
        <source>Mouse Trails:</source>
        <translation>Mausspur:</translation>
    </message>
    <message>
        <source>Set Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Links:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Import Picture...</source>
        <translation>Bild importieren...</translation>
    </message>
    <message>
        <source>Open Folder In Explorer</source>
        <translation>Ordner im Dateimanager öffnen</translation>
    </message>
    <message>
        <source>Import Links...</source>
        <translation>Links importieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Hintergrund...</translation>
    </message>
    <message>
        <source>Text...</source>
        <translation>Text...</translation>
    </message>
    <message>
        <source>Link...</source>
        <translation>Link...</translation>
    </message>
    <message>
        <source>Visited Link...</source>
        <translation>Besuchter Link...</translation>
    </message>
    <message>
        <source>Active Link...</source>
        <translation>Aktiver Link...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Link entfernen</translation>
    </message>
    <message>
        <source>Use New Address</source>
        <translation>Neue Adresse verwenden</translation>
    </message>
    <message>
        <source>Import Page</source>
        <translation>Seite importieren</translation>
    </message>
    <message>
        <source>&amp;Export Page...</source>
        <translation>Seite &amp;exportieren...</translation>
    </message>
    <message>
        <source>I&amp;mport Page...</source>
        <translation>Seite i&amp;mportieren...</translation>
    </message>
    <message>
        <source>Exported Pages</source>
        <translation>Exportierte Seiten</translation>
    </message>
    <message>
        <source>Export Page</source>
        <translation>Seite exportieren</translation>
    </message>
    <message>
        <source>Import the page &quot;%1&quot; with %2 links and %3 pictures? It replaces the page in this window; Undo brings this page back.</source>
        <translation>Die Seite „%1“ mit %2 Links und %3 Bildern importieren? Sie ersetzt die Seite in diesem Fenster; Rückgängig bringt diese Seite zurück.</translation>
    </message>
    <message>
        <source>Markup in %1 of its texts will be shown as text.</source>
        <translation>Auszeichnungen in %1 ihrer Texte werden als Text gezeigt.</translation>
    </message>
    <message>
        <source>The copy of the changes that were not saved is damaged, so the editor shows the page as it was last saved.</source>
        <translation>Die Kopie der nicht gespeicherten Änderungen ist beschädigt, daher zeigt der Editor die Seite so, wie sie zuletzt gespeichert wurde.</translation>
    </message>
    <message>
        <source>The copy has been kept as &quot;%1&quot;.</source>
        <translation>Die Kopie wurde als „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <source>&amp;Check Links...</source>
        <translation>Links &amp;prüfen...</translation>
    </message>
    <message>
        <source>Another editor window has this home page open. Close one of them, or the one saved last replaces the other&apos;s changes.</source>
        <translation>Ein anderes Editorfenster hat diese Startseite geöffnet. Schließen Sie eines davon, sonst ersetzt das zuletzt gespeicherte die Änderungen des anderen.</translation>
    </message>
    <message>
        <source>The home page was saved, but the settings it replaced could not be kept as an earlier version.</source>
        <translation>Die Startseite wurde gespeichert, aber die bisherigen Einstellungen konnten nicht als frühere Version aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The home page settings in &quot;%1&quot; could not be read when the editor started, so this window does not show them. Replace them with the settings in this window?</source>
        <translation>Die Einstellungen der Startseite in „%1“ konnten beim Start des Editors nicht gelesen werden, deshalb zeigt dieses Fenster sie nicht. Sollen sie durch die Einstellungen in diesem Fenster ersetzt werden?</translation>
    </message>
    <message>
        <source>The home page settings were changed by another program after this window read them. Replace them with the settings in this window?</source>
        <translation>Die Einstellungen der Startseite wurden von einem anderen Programm geändert, nachdem dieses Fenster sie gelesen hat. Sollen sie durch die Einstellungen in diesem Fenster ersetzt werden?</translation>
    </message>
    <message>
        <source>Link Pictures</source>
        <translation>Bilder der Links</translation>
    </message>
    <message>
        <source>Make Link &amp;Pictures Match</source>
        <translation>Link&amp;bilder angleichen</translation>
    </message>
    <message>
        <source>Making link pictures match...</source>
        <translation>Die Bilder der Links werden angeglichen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The link pictures already match: each is %1 by %1 pixels.</source>
        <translation>Die Bilder der Links passen schon zueinander: jedes ist %1 mal %1 Pixel groß.</translation>
    </message>
    <message>
        <source>Make Link Pictures Match</source>
        <translation>Linkbilder angleichen</translation>
    </message>
</context>
<context>
    <name>usrHomeImages</name>
    <message>
        <source>Picture Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>There is no entry %1 in the list of pictures.</source>
        <translation>Die Bilderliste hat keinen Eintrag %1.</translation>
    </message>
    <message>
        <source>Import Picture</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>A file with that name already exists in the folder.</source>
        <translation>Im Ordner gibt es schon eine Datei mit diesem Namen.</translation>
    </message>
    <message>
        <source>Could not import picture.</source>
        <translation>Das Bild konnte nicht importiert werden.</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Kein Bild)</translation>
    </message>
    <message>
        <source>(Import Picture...)</source>
        <translation>(Bild importieren...)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the pictures folder now, but the lists show only .gif, .jpg and .bmp pictures. Make a copy &quot;%2&quot; that they show?</source>
        <translation>„%1“ liegt jetzt im Bilderordner, aber die Listen zeigen nur Bilder im Format .gif, .jpg und .bmp. Soll eine Kopie „%2“ angelegt werden, die in den Listen erscheint?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the pictures folder, but the copy &quot;%2&quot; could not be made.</source>
        <translation>„%1“ liegt im Bilderordner, aber die Kopie „%2“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in the folder &quot;%2&quot;, but the page finds only pictures that lie in the pictures folder itself. Copy it there?</source>
        <translation>„%1“ liegt im Ordner „%2“, aber die Seite findet nur Bilder, die direkt im Bilderordner liegen. Soll es dorthin kopiert werden?</translation>
    </message>
    <message>
        <source>Could not copy &quot;%1&quot; into the pictures folder.</source>
        <translation>„%1“ konnte nicht in den Bilderordner kopiert werden.</translation>
    </message>
</context>
</TS>
