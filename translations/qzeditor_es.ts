<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>The program cannot start from the folder &quot;%1&quot;, because a name in that path holds the character &quot;\&quot;. Move the program&apos;s folder to a place whose path has no &quot;\&quot; in it, and start it again.</source>
        <translation>El programa no puede iniciarse desde la carpeta «%1» porque un nombre de esa ruta contiene el carácter «\». Mueva la carpeta del programa a un lugar cuya ruta no contenga «\» y vuelva a iniciarlo.</translation>
    </message>
</context>
<context>
    <name>Bookmarks</name>
    <message>
        <source>&quot;%1&quot; is larger than 200 MB, far larger than any bookmarks file, so it was not read.</source>
        <translation>«%1» ocupa más de 200 MB, mucho más que cualquier archivo de marcadores, así que no se ha leído.</translation>
    </message>
    <message>
        <source>Bookmarks Menu</source>
        <translation>Menú de marcadores</translation>
    </message>
    <message>
        <source>Bookmarks Toolbar</source>
        <translation>Barra de marcadores</translation>
    </message>
    <message>
        <source>Other Bookmarks</source>
        <translation>Otros marcadores</translation>
    </message>
    <message>
        <source>Mobile Bookmarks</source>
        <translation>Marcadores del móvil</translation>
    </message>
</context>
<context>
    <name>Collection</name>
    <message>
        <source>A link to add must not be empty.</source>
        <translation>Un enlace que se añade no puede estar vacío.</translation>
    </message>
    <message>
        <source>The page already has %1 links, the most it can hold.</source>
        <translation>La página ya tiene %1 enlaces, el máximo que admite.</translation>
    </message>
    <message>
        <source>There is no link at position %1: the page has %2 links.</source>
        <translation>No hay ningún enlace en la posición %1: la página tiene %2 enlaces.</translation>
    </message>
</context>
<context>
    <name>DamagedFile</name>
    <message>
        <source>&quot;%1&quot; could not be copied to &quot;%2&quot; (%3)</source>
        <translation>No se pudo copiar «%1» en «%2» (%3)</translation>
    </message>
    <message>
        <source>The home page settings could not all be read, so the editor shows what could be read.</source>
        <translation>No se pudo leer toda la configuración de la página de inicio, así que el editor muestra lo que se pudo leer.</translation>
    </message>
    <message>
        <source>The damaged file has been kept as &quot;%1&quot;; saving writes a new settings file beside it.</source>
        <translation>El archivo dañado se ha guardado como «%1»; al guardar se creará un nuevo archivo de configuración a su lado.</translation>
    </message>
    <message>
        <source>A copy of the damaged file could not be kept: %1. Saving will replace it, so copy it somewhere safe first if you want to keep it.</source>
        <translation>No se pudo guardar una copia del archivo dañado: %1. Al guardar se reemplazará; si quiere conservarlo, cópielo antes en un lugar seguro.</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Overflow</source>
        <translation>Número demasiado grande</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Posición fuera de rango</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Contenido no válido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Fin de archivo inesperado</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error al acceder al archivo o la carpeta</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>No se encontró la carpeta</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Formato de archivo no válido</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor no válido</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error del programa</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a link that leads to no file</source>
        <translation>es un enlace que no lleva a ningún archivo</translation>
    </message>
    <message>
        <source>it is a channel that passes data between programs, not a file</source>
        <translation>es un canal por el que los programas se pasan datos, no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>The folder of the file &quot;%1&quot; does not exist.</source>
        <translation>La carpeta del archivo «%1» no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«%1» es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>El archivo «%1» no existe.</translation>
    </message>
    <message>
        <source>You do not have permission to read the file &quot;%1&quot;.</source>
        <translation>No tiene permiso para leer el archivo «%1».</translation>
    </message>
    <message>
        <source>You do not have permission to write the file &quot;%1&quot;.</source>
        <translation>No tiene permiso para escribir el archivo «%1».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be opened (%2).</source>
        <translation>No se pudo abrir el archivo «%1» (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer «%1»: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: a file of that name is in the way.</source>
        <translation>No se pudo crear la carpeta «%1»: ya hay un archivo con ese nombre.</translation>
    </message>
    <message>
        <source>You do not have permission to make the folder &quot;%1&quot;.</source>
        <translation>No tiene permiso para crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read (%2).</source>
        <translation>No se pudo leer el archivo «%1» (%2).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: the disk may be full or no longer there. The file was left as it was before.</source>
        <translation>No se pudo escribir el archivo «%1»: puede que el disco esté lleno o ya no esté conectado. El archivo se ha quedado como estaba.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made: a link of that name is in the way.</source>
        <translation>No se pudo crear la carpeta «%1»: ya hay un enlace con ese nombre.</translation>
    </message>
</context>
<context>
    <name>HomePictures</name>
    <message>
        <source>The picture could not be made into a JPEG file.</source>
        <translation>No se pudo convertir la imagen en un archivo JPEG.</translation>
    </message>
</context>
<context>
    <name>PageArchive</name>
    <message>
        <source>The export could not be put together: %1.</source>
        <translation>No se pudo componer la exportación: %1.</translation>
    </message>
    <message>
        <source>It is no ZIP file (%1).</source>
        <translation>No es un archivo ZIP (%1).</translation>
    </message>
    <message>
        <source>The page cannot be imported from &quot;%1&quot;. %2 Nothing was changed.</source>
        <translation>La página no se puede importar de «%1». %2 No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>It is damaged: %1.</source>
        <translation>Está dañado: %1.</translation>
    </message>
    <message>
        <source>It holds %1 files, and an export holds at most 10,000.</source>
        <translation>Contiene %1 archivos, y una exportación contiene como máximo 10.000.</translation>
    </message>
    <message>
        <source>It holds &quot;%1&quot;, a name that leads out of its folder, where unpacking it could change any file.</source>
        <translation>Contiene «%1», un nombre que sale de su carpeta: al descomprimirlo podría cambiar cualquier archivo.</translation>
    </message>
    <message>
        <source>It holds &quot;%1&quot;, a symbolic link, which could lead to any file.</source>
        <translation>Contiene «%1», un enlace simbólico, que podría llevar a cualquier archivo.</translation>
    </message>
    <message>
        <source>It holds no exported page: an export holds one folder with the page and its pictures.</source>
        <translation>No contiene ninguna página exportada: una exportación contiene una carpeta con la página y sus imágenes.</translation>
    </message>
    <message>
        <source>Unpacked it would take %1 MB, and an export takes at most 200 MB.</source>
        <translation>Descomprimido ocuparía %1 MB, y una exportación ocupa como máximo 200 MB.</translation>
    </message>
    <message>
        <source>It holds no exported page: its folder has no %1.</source>
        <translation>No contiene ninguna página exportada: su carpeta no tiene %1.</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página de inicio</translation>
    </message>
</context>
<context>
    <name>PageSteps</name>
    <message>
        <source>Delete Link</source>
        <translation>Eliminar enlace</translation>
    </message>
    <message>
        <source>Move Link</source>
        <translation>Mover enlace</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <translation>Editar enlace</translation>
    </message>
</context>
<context>
    <name>ReportError</name>
    <message>
        <source>An error has occurred.</source>
        <translation>Se ha producido un error.</translation>
    </message>
    <message>
        <source>(Module: %1)</source>
        <translation>(Módulo: %1)</translation>
    </message>
</context>
<context>
    <name>RunCommand</name>
    <message>
        <source>(Error %1)</source>
        <translation>(Error %1)</translation>
    </message>
    <message>
        <source>There is not enough memory for this. Close other programs and try again.</source>
        <translation>No hay memoria suficiente para esto. Cierre otros programas y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>SettingsGuard</name>
    <message>
        <source>The home page settings are being saved from another editor window, which may be waiting for an answer. Nothing was saved here: finish in the other window, then save again.</source>
        <translation>La configuración de la página de inicio se está guardando desde otra ventana del editor, que quizá esté esperando una respuesta. Aquí no se ha guardado nada: termine en la otra ventana y vuelva a guardar.</translation>
    </message>
    <message>
        <source>If no other editor window is open, delete the file &quot;%1&quot; and save again.</source>
        <translation>Si no hay ninguna otra ventana del editor abierta, elimine el archivo «%1» y vuelva a guardar.</translation>
    </message>
    <message>
        <source>Nothing was saved. Move it away or give it another name, then save again.</source>
        <translation>No se ha guardado nada. Muévalo a otro sitio o cámbiele el nombre y vuelva a guardar.</translation>
    </message>
</context>
<context>
    <name>SettingsLayout</name>
    <message>
        <source>the header</source>
        <translation>el encabezado</translation>
    </message>
    <message>
        <source>the page title</source>
        <translation>el título de la página</translation>
    </message>
    <message>
        <source>the heading</source>
        <translation>el título que aparece en la página</translation>
    </message>
    <message>
        <source>the wallpaper</source>
        <translation>la imagen de fondo</translation>
    </message>
    <message>
        <source>the background colour</source>
        <translation>el color de fondo</translation>
    </message>
    <message>
        <source>the text colour</source>
        <translation>el color del texto</translation>
    </message>
    <message>
        <source>the link colour</source>
        <translation>el color de los enlaces</translation>
    </message>
    <message>
        <source>the visited link colour</source>
        <translation>el color de los enlaces visitados</translation>
    </message>
    <message>
        <source>the clicked link colour</source>
        <translation>el color de los enlaces pulsados</translation>
    </message>
    <message>
        <source>the mouse trail picture</source>
        <translation>la imagen de la estela del ratón</translation>
    </message>
    <message>
        <source>a reserved line</source>
        <translation>una línea reservada</translation>
    </message>
    <message>
        <source>the number of links</source>
        <translation>el número de enlaces</translation>
    </message>
    <message>
        <source>the caption</source>
        <translation>el título</translation>
    </message>
    <message>
        <source>the picture</source>
        <translation>la imagen</translation>
    </message>
    <message>
        <source>the address</source>
        <translation>la dirección</translation>
    </message>
</context>
<context>
    <name>SettingsReader</name>
    <message>
        <source>%1 of link %2</source>
        <translation>%1 del enlace %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a home page settings file: its first line is not &quot;%2&quot;.</source>
        <translation>El archivo «%1» no es un archivo de configuración de la página de inicio: su primera línea no es «%2».</translation>
    </message>
    <message>
        <source>is cut short: the file ends before the value&apos;s closing double quote</source>
        <translation>está cortada: el archivo termina antes de las comillas que cierran el valor</translation>
    </message>
    <message>
        <source>no links</source>
        <translation>ningún enlace</translation>
    </message>
    <message>
        <source>1 link</source>
        <translation>1 enlace</translation>
    </message>
    <message>
        <source>%1 links</source>
        <translation>%1 enlaces</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read whole: line %2 (%3) gives %4, but more lines follow from line %5 on, and they were not read.</source>
        <translation>El archivo de configuración «%1» no se puede leer entero: la línea %2 (%3) indica %4, pero a partir de la línea %5 siguen más líneas, que no se han leído.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is empty.</source>
        <translation>El archivo de configuración «%1» está vacío.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: it ends before line %2 (%3).</source>
        <translation>El archivo de configuración «%1» no se puede leer: termina antes de la línea %2 (%3).</translation>
    </message>
    <message>
        <source>holds a number outside the range from %1 to %2</source>
        <translation>contiene un número fuera del intervalo de %1 a %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be read: line %2 (%3) %4.</source>
        <translation>El archivo de configuración «%1» no se puede leer: la línea %2 (%3) %4.</translation>
    </message>
</context>
<context>
    <name>SharedInstall</name>
    <message>
        <source>Your own copy of the home page could not be made in %1. Make sure you may write there and that the disk is not full.</source>
        <translation>No se pudo crear su propia copia de la página de inicio en %1. Compruebe que tiene permiso para escribir allí y que el disco no está lleno.</translation>
    </message>
</context>
<context>
    <name>SitePicture</name>
    <message>
        <source>the site has no page at that address</source>
        <translation>el sitio no tiene ninguna página en esa dirección</translation>
    </message>
    <message>
        <source>the site answered with error %1 instead of the page</source>
        <translation>el sitio respondió con el error %1 en lugar de la página</translation>
    </message>
    <message>
        <source>the site&apos;s security certificate is not valid</source>
        <translation>el certificado de seguridad del sitio no es válido</translation>
    </message>
    <message>
        <source>no site has that name, or the computer is not online</source>
        <translation>no hay ningún sitio con ese nombre, o el ordenador no está conectado a Internet</translation>
    </message>
    <message>
        <source>the site could not be reached</source>
        <translation>no se pudo acceder al sitio</translation>
    </message>
    <message>
        <source>the page could not be loaded</source>
        <translation>no se pudo cargar la página</translation>
    </message>
    <message>
        <source>the site did not answer within a second</source>
        <translation>el sitio no respondió en un segundo</translation>
    </message>
    <message>
        <source>the site did not answer within %1 seconds</source>
        <translation>el sitio no respondió en %1 segundos</translation>
    </message>
    <message>
        <source>the page showed nothing to take a picture of</source>
        <translation>la página no mostraba nada de lo que sacar una imagen</translation>
    </message>
</context>
<context>
    <name>SitePicturesBar</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Getting pictures: %1 of %2</source>
        <translation>Obteniendo imágenes: %1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2 links got their site&apos;s picture.</source>
        <translation>%1 de %2 enlaces recibieron la imagen de su sitio.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>None came from: %1.</source>
        <translation>No llegó ninguna de: %1.</translation>
    </message>
</context>
<context>
    <name>basConversions</name>
    <message>
        <source>The colour &quot;%1&quot; does not have three parts.</source>
        <translation>El color «%1» no tiene tres partes.</translation>
    </message>
</context>
<context>
    <name>frmCheckLinks</name>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Does not answer</source>
        <translation>No responde</translation>
    </message>
    <message>
        <source>Now leads to %1</source>
        <translation>Ahora lleva a %1</translation>
    </message>
    <message>
        <source>Moved within the site</source>
        <translation>Movido dentro del sitio</translation>
    </message>
    <message>
        <source>The site&apos;s name may be for sale</source>
        <translation>El nombre del sitio puede estar a la venta</translation>
    </message>
    <message>
        <source>The page cannot open this address</source>
        <translation>La página no puede abrir esta dirección</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>No comprobado</translation>
    </message>
    <message>
        <source>Check Links</source>
        <translation>Comprobar enlaces</translation>
    </message>
    <message>
        <source>Links checked</source>
        <translation>Enlaces comprobados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Links found</source>
        <translation>Enlaces encontrados</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>New Address</source>
        <translation>Nueva dirección</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Use &amp;New Address</source>
        <translation>Usar la &amp;nueva dirección</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The computer seems not to be online, so the links could not be checked.</source>
        <translation>El equipo no parece estar conectado a internet, así que no se pudieron comprobar los enlaces.</translation>
    </message>
    <message>
        <source>Checked %1 of %2</source>
        <translation>%1 de %2 comprobados</translation>
    </message>
    <message>
        <source>The page has no links to check.</source>
        <translation>La página no tiene enlaces que comprobar.</translation>
    </message>
    <message>
        <source>The link answers as it should.</source>
        <translation>El enlace responde como debe.</translation>
    </message>
    <message>
        <source>All %1 links answer as they should.</source>
        <translation>Los %1 enlaces responden todos como deben.</translation>
    </message>
</context>
<context>
    <name>frmConfigure</name>
    <message>
        <source>Control Center</source>
        <translation>Centro de control</translation>
    </message>
    <message>
        <source>Select the application you want to configure</source>
        <translation>Elija lo que desea configurar</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Click here to find out about parental keys</source>
        <translation>Haga clic aquí: teclas de los padres</translation>
    </message>
    <message>
        <source>The Desktop Programs folder will now open so you can add shortcuts to it. You can drag shortcuts to the folder from your Start Menu.</source>
        <translation>Ahora se abrirá la carpeta de programas del escritorio para que pueda añadirle accesos directos. Puede arrastrar accesos directos a la carpeta desde el menú Inicio.</translation>
    </message>
</context>
<context>
    <name>frmImportLinks</name>
    <message>
        <source>Import Links</source>
        <translation>Importar enlaces</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Add Links</source>
        <translation>Añadir enlaces</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A page cannot open this address.</source>
        <translation>Una página no puede abrir esta dirección.</translation>
    </message>
    <message>
        <source>Already on the page.</source>
        <translation>Ya está en la página.</translation>
    </message>
    <message>
        <source>Also above in this file.</source>
        <translation>Ya aparece más arriba en este archivo.</translation>
    </message>
    <message>
        <source>1 link will be added.</source>
        <translation>Se añadirá 1 enlace.</translation>
    </message>
    <message>
        <source>%1 links will be added.</source>
        <translation>Se añadirán %1 enlaces.</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>&amp;Get each link&apos;s picture from its site</source>
        <translation>&amp;Obtener la imagen de cada enlace de su sitio</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>M&amp;arcar todo</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Desmarcar todo</translation>
    </message>
    <message>
        <source>1 link will be added, hidden by Find.</source>
        <translation>Se añadirá 1 enlace, oculto por la búsqueda.</translation>
    </message>
    <message>
        <source>%1 links will be added, %2 of them hidden by Find.</source>
        <translation>Se añadirán %1 enlaces, %2 de ellos ocultos por la búsqueda.</translation>
    </message>
</context>
<context>
    <name>frmLink</name>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista previa:</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type the address of a web page first.</source>
        <translation>Escriba primero la dirección de una página web.</translation>
    </message>
    <message>
        <source>it could not be saved in the pictures folder. </source>
        <translation>no se pudo guardar en la carpeta de imágenes. </translation>
    </message>
    <message>
        <source>Could not get a picture from &quot;%1&quot;: %2.</source>
        <translation>No se pudo obtener una imagen de «%1»: %2.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Get Picture</source>
        <translation>&amp;Obtener imagen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Zellow&apos;s Browser Home Page Editor</source>
        <translation>Editor de la página de inicio de Zellow&apos;s Browser</translation>
    </message>
    <message>
        <source>The editor ended without closing last time, and the home page had changes that were not saved. Show those changes?</source>
        <translation>La última vez el editor terminó sin cerrarse, y la página de inicio tenía cambios sin guardar. ¿Mostrar esos cambios?</translation>
    </message>
    <message>
        <source>The home page settings could not be read, so the editor starts on a new page.</source>
        <translation>No se pudo leer la configuración de la página de inicio, así que el editor empieza con una página nueva.</translation>
    </message>
    <message>
        <source>Page Title</source>
        <translation>Título de la página</translation>
    </message>
    <message>
        <source>Name On Page</source>
        <translation>Nombre en la página</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Mouse Trails</source>
        <translation>Estela del ratón</translation>
    </message>
    <message>
        <source>The home page settings were saved, but the home page itself was not, so the page still shows the earlier settings.</source>
        <translation>La configuración se ha guardado, pero la página de inicio no, así que la página aún muestra la configuración anterior.</translation>
    </message>
    <message>
        <source>Save again to write the page once the problem is solved.</source>
        <translation>Vuelva a guardar cuando el problema esté resuelto para escribir la página.</translation>
    </message>
    <message>
        <source>Save Home Page before exiting?</source>
        <translation>¿Guardar la página de inicio antes de salir?</translation>
    </message>
    <message>
        <source>Import Links</source>
        <translation>Importar enlaces</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>No bookmarks were found in &quot;%1&quot;.</source>
        <translation>No se encontró ningún marcador en «%1».</translation>
    </message>
    <message>
        <source>Paste Links</source>
        <translation>Pegar enlaces</translation>
    </message>
    <message>
        <source>Drop Links</source>
        <translation>Soltar enlaces</translation>
    </message>
    <message>
        <source>A page holds at most %1 links, so 1 link was left out.</source>
        <translation>Una página admite como máximo %1 enlaces, así que se ha dejado fuera 1 enlace.</translation>
    </message>
    <message>
        <source>A page holds at most %1 links, so %2 links were left out.</source>
        <translation>Una página admite como máximo %1 enlaces, así que se han dejado fuera %2 enlaces.</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Text Colour</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Link Colour</source>
        <translation>Color de los enlaces</translation>
    </message>
    <message>
        <source>Visited Link Colour</source>
        <translation>Color de los enlaces visitados</translation>
    </message>
    <message>
        <source>Active Link Colour</source>
        <translation>Color de los enlaces activos</translation>
    </message>
    <message>
        <source>Add Link</source>
        <translation>Añadir enlace</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>Actualizar vista previa</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Page Title:</source>
        <translation>Título de la página:</translation>
    </message>
    <message>
        <source>Name On Page:</source>
        <translation>Nombre en la página:</translation>
    </message>
    <message>
        <source>Wallpaper:</source>
        <translation>Imagen de fondo:</translation>
    </message>
    <message>
        <source>Mouse Trails:</source>
        <translation>Estela del ratón:</translation>
    </message>
    <message>
        <source>Set Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Links:</source>
        <translation>Enlaces:</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Añadir...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Import Picture...</source>
        <translation>Importar imagen...</translation>
    </message>
    <message>
        <source>Open Folder In Explorer</source>
        <translation>Abrir la carpeta en el explorador de archivos</translation>
    </message>
    <message>
        <source>Import Links...</source>
        <translation>Importar enlaces...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Fondo...</translation>
    </message>
    <message>
        <source>Text...</source>
        <translation>Texto...</translation>
    </message>
    <message>
        <source>Link...</source>
        <translation>Enlace...</translation>
    </message>
    <message>
        <source>Visited Link...</source>
        <translation>Enlace visitado...</translation>
    </message>
    <message>
        <source>Active Link...</source>
        <translation>Enlace activo...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Quitar enlace</translation>
    </message>
    <message>
        <source>Use New Address</source>
        <translation>Usar la nueva dirección</translation>
    </message>
    <message>
        <source>Import Page</source>
        <translation>Importar página</translation>
    </message>
    <message>
        <source>&amp;Export Page...</source>
        <translation>E&amp;xportar página...</translation>
    </message>
    <message>
        <source>I&amp;mport Page...</source>
        <translation>I&amp;mportar página...</translation>
    </message>
    <message>
        <source>Exported Pages</source>
        <translation>Páginas exportadas</translation>
    </message>
    <message>
        <source>Export Page</source>
        <translation>Exportar página</translation>
    </message>
    <message>
        <source>Import the page &quot;%1&quot; with %2 links and %3 pictures? It replaces the page in this window; Undo brings this page back.</source>
        <translation>¿Importar la página «%1» con %2 enlaces y %3 imágenes? Sustituye la página de esta ventana; Deshacer devuelve esta página.</translation>
    </message>
    <message>
        <source>Markup in %1 of its texts will be shown as text.</source>
        <translation>El marcado de %1 de sus textos se mostrará como texto.</translation>
    </message>
    <message>
        <source>The copy of the changes that were not saved is damaged, so the editor shows the page as it was last saved.</source>
        <translation>La copia de los cambios que no se guardaron está dañada, así que el editor muestra la página tal como se guardó por última vez.</translation>
    </message>
    <message>
        <source>The copy has been kept as &quot;%1&quot;.</source>
        <translation>La copia se ha guardado como «%1».</translation>
    </message>
    <message>
        <source>&amp;Check Links...</source>
        <translation>&amp;Comprobar enlaces...</translation>
    </message>
    <message>
        <source>Another editor window has this home page open. Close one of them, or the one saved last replaces the other&apos;s changes.</source>
        <translation>Otra ventana del editor tiene abierta esta página de inicio. Cierre una de ellas, o la última guardada reemplazará los cambios de la otra.</translation>
    </message>
    <message>
        <source>The home page was saved, but the settings it replaced could not be kept as an earlier version.</source>
        <translation>La página de inicio se ha guardado, pero la configuración que reemplazó no se pudo conservar como versión anterior.</translation>
    </message>
    <message>
        <source>The home page settings in &quot;%1&quot; could not be read when the editor started, so this window does not show them. Replace them with the settings in this window?</source>
        <translation>La configuración de la página de inicio de «%1» no se pudo leer al iniciar el editor, por eso esta ventana no la muestra. ¿Reemplazarla por la configuración de esta ventana?</translation>
    </message>
    <message>
        <source>The home page settings were changed by another program after this window read them. Replace them with the settings in this window?</source>
        <translation>Otro programa ha cambiado la configuración de la página de inicio después de que esta ventana la leyera. ¿Reemplazarla por la configuración de esta ventana?</translation>
    </message>
    <message>
        <source>Link Pictures</source>
        <translation>Imágenes de los enlaces</translation>
    </message>
    <message>
        <source>Make Link &amp;Pictures Match</source>
        <translation>&amp;Igualar las imágenes de los enlaces</translation>
    </message>
    <message>
        <source>Making link pictures match...</source>
        <translation>Igualando las imágenes de los enlaces...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The link pictures already match: each is %1 by %1 pixels.</source>
        <translation>Las imágenes de los enlaces ya son iguales: cada una mide %1 por %1 píxeles.</translation>
    </message>
    <message>
        <source>Make Link Pictures Match</source>
        <translation>Igualar las imágenes de los enlaces</translation>
    </message>
</context>
<context>
    <name>usrHomeImages</name>
    <message>
        <source>Picture Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>There is no entry %1 in the list of pictures.</source>
        <translation>La lista de imágenes no tiene ninguna entrada %1.</translation>
    </message>
    <message>
        <source>Import Picture</source>
        <translation>Importar imagen</translation>
    </message>
    <message>
        <source>A file with that name already exists in the folder.</source>
        <translation>Ya existe un archivo con ese nombre en la carpeta.</translation>
    </message>
    <message>
        <source>Could not import picture.</source>
        <translation>No se pudo importar la imagen.</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Ninguna imagen)</translation>
    </message>
    <message>
        <source>(Import Picture...)</source>
        <translation>(Importar imagen...)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the pictures folder now, but the lists show only .gif, .jpg and .bmp pictures. Make a copy &quot;%2&quot; that they show?</source>
        <translation>«%1» ya está en la carpeta de imágenes, pero las listas solo muestran imágenes .gif, .jpg y .bmp. ¿Hacer una copia «%2» que sí aparezca en ellas?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the pictures folder, but the copy &quot;%2&quot; could not be made.</source>
        <translation>«%1» está en la carpeta de imágenes, pero no se pudo hacer la copia «%2».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in the folder &quot;%2&quot;, but the page finds only pictures that lie in the pictures folder itself. Copy it there?</source>
        <translation>«%1» está en la carpeta «%2», pero la página solo encuentra las imágenes que están directamente en la carpeta de imágenes. ¿Copiarla allí?</translation>
    </message>
    <message>
        <source>Could not copy &quot;%1&quot; into the pictures folder.</source>
        <translation>No se pudo copiar «%1» en la carpeta de imágenes.</translation>
    </message>
</context>
</TS>
