<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ErrorReportTexts</name>
    <message>
        <source>1 job failed. Send an error report to the maker?</source>
        <translation>1 trabajo ha fallado. ¿Enviar un informe de error al fabricante?</translation>
    </message>
    <message>
        <source>%1 jobs failed. Send an error report to the maker?</source>
        <translation>%1 trabajos han fallado. ¿Enviar un informe de error al fabricante?</translation>
    </message>
    <message>
        <source>… and %1 more (Show Details)</source>
        <translation>… y %1 más (Mostrar detalles)</translation>
    </message>
    <message>
        <source>It contains the program&apos;s version and these messages, with every file and folder name left out:</source>
        <translation>Contiene la versión del programa y estos mensajes, sin ningún nombre de archivo ni de carpeta:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Send</source>
        <translation>&amp;No enviar</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
</context>
<context>
    <name>OptionCatalog</name>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>what to convert: a folder and a file pattern (/docs/*.chm), a single file or a file: address</source>
        <translation>qué convertir: una carpeta y un patrón de archivos (/docs/*.chm), un solo archivo o una dirección file:</translation>
    </message>
    <message>
        <source>the source&apos;s folder</source>
        <translation>carpeta del origen</translation>
    </message>
    <message>
        <source>folder that receives the PDF files</source>
        <translation>carpeta que recibe los archivos PDF</translation>
    </message>
    <message>
        <source>search the sub-folders of the source folder too</source>
        <translation>buscar también en las subcarpetas de la carpeta de origen</translation>
    </message>
    <message>
        <source>number of files converted at the same time</source>
        <translation>número de archivos convertidos a la vez</translation>
    </message>
    <message>
        <source>when the PDF exists: True replaces it, False writes -pellin-&lt;name&gt;, skip leaves it</source>
        <translation>si el PDF existe: True lo reemplaza, False escribe -pellin-&lt;nombre&gt;, skip lo deja</translation>
    </message>
    <message>
        <source>rebuild the source&apos;s sub-folders below the target</source>
        <translation>reproducir las subcarpetas del origen bajo el destino</translation>
    </message>
    <message>
        <source>give each PDF the times of its help file</source>
        <translation>dar a cada PDF las fechas de su archivo de ayuda</translation>
    </message>
    <message>
        <source>delete the help file after a successful conversion</source>
        <translation>eliminar el archivo de ayuda tras una conversión correcta</translation>
    </message>
    <message>
        <source>after a successful conversion, rename the help file by appending this text to its name</source>
        <translation>tras una conversión correcta, renombrar el archivo de ayuda añadiendo este texto a su nombre</translation>
    </message>
    <message>
        <source>use the macro target extension for documents with macros</source>
        <translation>usar la extensión de destino para macros en documentos con macros</translation>
    </message>
    <message>
        <source>PDF printer used when the office cannot export</source>
        <translation>impresora PDF usada cuando la suite ofimática no puede exportar</translation>
    </message>
    <message>
        <source>wait until the PDF printer has taken the previous output name</source>
        <translation>esperar a que la impresora PDF haya tomado el nombre de salida anterior</translation>
    </message>
    <message>
        <source>show the word processor&apos;s window, minimised</source>
        <translation>mostrar la ventana del procesador de textos, minimizada</translation>
    </message>
    <message>
        <source>open existing documents read-only</source>
        <translation>abrir los documentos existentes en solo lectura</translation>
    </message>
    <message>
        <source>open existing documents with a blank password</source>
        <translation>abrir los documentos existentes con una contraseña vacía</translation>
    </message>
    <message>
        <source>regular expression that a found file&apos;s full path must also match</source>
        <translation>expresión regular con la que también debe coincidir la ruta completa de un archivo encontrado</translation>
    </message>
    <message>
        <source>leave hidden files out of the search</source>
        <translation>excluir los archivos ocultos de la búsqueda</translation>
    </message>
    <message>
        <source>run without a window and end when the run is done</source>
        <translation>ejecutarse sin ventana y terminar al acabar</translation>
    </message>
    <message>
        <source>the window converts at its first show and closes after the run</source>
        <translation>la ventana convierte al mostrarse por primera vez y se cierra al terminar</translation>
    </message>
    <message>
        <source>above 0: the window repeats the run after this many milliseconds</source>
        <translation>mayor que 0: la ventana repite la ejecución tras estos milisegundos</translation>
    </message>
    <message>
        <source>file that receives the run log at the end of a run; with Shard, %K stands for the shard number</source>
        <translation>archivo que recibe el registro al final de una ejecución; con Shard, %K es el número de la parte</translation>
    </message>
    <message>
        <source>PDF outline: Contents (the help file&apos;s contents tree), Headings, or None</source>
        <translation>marcadores del PDF: Contents (el árbol de contenido del archivo de ayuda), Headings (los títulos) o None</translation>
    </message>
    <message>
        <source>write archival PDF/A-2b</source>
        <translation>escribir PDF/A-2b de archivo</translation>
    </message>
    <message>
        <source>write a tagged (accessible) PDF</source>
        <translation>escribir un PDF etiquetado (accesible)</translation>
    </message>
    <message>
        <source>no progress lines and no summary on standard error in a windowless run (warnings and errors still show)</source>
        <translation>sin líneas de progreso ni resumen en la salida de errores en una ejecución sin ventana (los avisos y errores se siguen mostrando)</translation>
    </message>
    <message>
        <source>print how long each step of each job took (windowless run)</source>
        <translation>mostrar cuánto tardó cada paso de cada trabajo (ejecución sin ventana)</translation>
    </message>
    <message>
        <source>K/N: convert only the files of shard K of N (0 &lt;= K &lt; N), for splitting a shelf across machines</source>
        <translation>K/N: convertir solo los archivos de la parte K de N (0 &lt;= K &lt; N), para repartir un fondo entre varias máquinas</translation>
    </message>
    <message>
        <source>expects True, False or a number</source>
        <translation>espera True, False o un número</translation>
    </message>
    <message>
        <source>expects a whole number</source>
        <translation>espera un número entero</translation>
    </message>
    <message>
        <source>expects True, False or skip</source>
        <translation>espera True, False o skip</translation>
    </message>
    <message>
        <source>expects K/N with 0 &lt;= K &lt; N, such as 0/4</source>
        <translation>espera K/N con 0 &lt;= K &lt; N, por ejemplo 0/4</translation>
    </message>
    <message>
        <source>start each topic on a new page (else the topics follow each other as written)</source>
        <translation>empezar cada tema en una página nueva (si no, los temas se suceden tal como están escritos)</translation>
    </message>
</context>
<context>
    <name>OptionLineTexts</name>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option</source>
        <translation>%1: %2 no es una opción conocida</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option; did you mean %3?</source>
        <translation>%1: %2 no es una opción conocida; ¿quería decir %3?</translation>
    </message>
    <message>
        <source>%1: %2 is given again; only line %3 is read</source>
        <translation>%1: %2 aparece de nuevo; solo se lee la línea %3</translation>
    </message>
    <message>
        <source>%1: %2 %3; the default %4 is used</source>
        <translation>%1: %2 %3; se usa el valor predeterminado %4</translation>
    </message>
</context>
<context>
    <name>QuestionTexts</name>
    <message>
        <source>The options of the batch project have been changed.</source>
        <translation>Las opciones del proyecto de lote han cambiado.</translation>
    </message>
    <message>
        <source>Do you want to save them?</source>
        <translation>¿Desea guardarlas?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Some option lines will not be read as written.</source>
        <translation>Algunas líneas de opciones no se leerán tal como están escritas.</translation>
    </message>
    <message>
        <source>Go &amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Accept Anyway</source>
        <translation>&amp;Aceptar de todos modos</translation>
    </message>
</context>
<context>
    <name>SummaryTexts</name>
    <message>
        <source>%1 h %2 min %3 s</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 skipped, %4 not converted in %5</source>
        <translation>%1 convertidos, %2 con error, %3 omitidos, %4 sin convertir en %5</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 skipped in %4</source>
        <translation>%1 convertidos, %2 con error, %3 omitidos en %4</translation>
    </message>
</context>
<context>
    <name>TvxFrmAbout</name>
    <message>
        <source>Click or press a key to close.</source>
        <translation>Haga clic o pulse una tecla para cerrar.</translation>
    </message>
    <message>
        <source>LibreOffice (not yet asked)</source>
        <translation>LibreOffice (aún no consultado)</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Made with %1</source>
        <translation>Hecho con %1</translation>
    </message>
    <message>
        <source>Converts with %1</source>
        <translation>Convierte con %1</translation>
    </message>
    <message>
        <source>LibreOffice (not found)</source>
        <translation>LibreOffice (no encontrado)</translation>
    </message>
    <message>
        <source>Copyright © 2025 Pellin.</source>
        <translation>Copyright © 2025 Pellin.</translation>
    </message>
    <message>
        <source>Free software: you may use, copy and share it.</source>
        <translation>Software libre: puede usarlo, copiarlo y compartirlo.</translation>
    </message>
</context>
<context>
    <name>TvxFrmCfg</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>One option a line: Name=value</source>
        <translation>Una opción por línea: Nombre=valor</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Open the guide&apos;s list of options</source>
        <translation>Abrir la lista de opciones de la guía</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Value used</source>
        <translation>Valor usado</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Double-click an option to add it to the text</source>
        <translation>Haga doble clic en una opción para añadirla al texto</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Settings of the word processor and the PDF printer</source>
        <translation>Ajustes del procesador de textos y de la impresora PDF</translation>
    </message>
    <message>
        <source>Default value</source>
        <translation>Valor predeterminado</translation>
    </message>
    <message>
        <source>Set in the text</source>
        <translation>Definido en el texto</translation>
    </message>
</context>
<context>
    <name>TvxFrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>Convert the listed help files to PDF</source>
        <translation>Convertir a PDF los archivos de ayuda de la lista</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>De&amp;tener</translation>
    </message>
    <message>
        <source>Stop the run</source>
        <translation>Detener la ejecución</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Finish the files in hand, then wait</source>
        <translation>Terminar los archivos en curso y esperar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>List the help files of the source folder</source>
        <translation>Listar los archivos de ayuda de la carpeta de origen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Open the target folder</source>
        <translation>Abrir la carpeta de destino</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open a batch project</source>
        <translation>Abrir un proyecto de lote</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Start a new batch project</source>
        <translation>Empezar un proyecto de lote nuevo</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;pciones…</translation>
    </message>
    <message>
        <source>Edit the options of the batch project</source>
        <translation>Editar las opciones del proyecto de lote</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the batch project</source>
        <translation>Guardar el proyecto de lote</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>Save the batch project under a new name</source>
        <translation>Guardar el proyecto de lote con otro nombre</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>Open the download page</source>
        <translation>Abrir la página de descargas</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Guía</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Abrir la guía del usuario</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>Página de &amp;inicio</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Abrir la página de inicio</translation>
    </message>
    <message>
        <source>&amp;Support...</source>
        <translation>&amp;Soporte…</translation>
    </message>
    <message>
        <source>Write an e-mail to support</source>
        <translation>Escribir un correo al soporte</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop source folder or file(s)</source>
        <translation>Elija o arrastre la carpeta o los archivos de origen</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>&amp;Origen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Choose a folder and click &quot;Search&quot; to list files</source>
        <translation>Elija una carpeta y pulse «Buscar» para listar los archivos</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Choose file(s) and click &quot;Convert&quot; to convert them</source>
        <translation>Elija archivos y pulse «Convertir»</translation>
    </message>
    <message>
        <source>Su&amp;b folders</source>
        <translation>Su&amp;bcarpetas</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop target folder</source>
        <translation>Elija o arrastre la carpeta de destino</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>&amp;Destino</translation>
    </message>
    <message>
        <source>Choose a target folder to save the converted file(s)</source>
        <translation>Elija la carpeta donde guardar los archivos convertidos</translation>
    </message>
    <message>
        <source>Drag &amp; drop file(s) here and click &quot;Convert&quot; to convert them</source>
        <translation>Arrastre archivos aquí y pulse «Convertir»</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Añadir archivos…</translation>
    </message>
    <message>
        <source>Open Help File</source>
        <translation>Abrir el archivo de ayuda</translation>
    </message>
    <message>
        <source>Open Help File&apos;s Folder</source>
        <translation>Abrir la carpeta del archivo de ayuda</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Abrir PDF</translation>
    </message>
    <message>
        <source>Open Target Folder</source>
        <translation>Abrir la carpeta de destino</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Exportar la lista…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Sin convertir</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Archivo de registro</translation>
    </message>
    <message>
        <source>A run is going on: Stop or Pause it first.</source>
        <translation>Hay una ejecución en curso: primero elija Detener o Pausa.</translation>
    </message>
    <message>
        <source>Choose a Target folder for the PDF files.</source>
        <translation>Elija una carpeta de destino para los archivos PDF.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Copy Reason</source>
        <translation>Copiar el motivo</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Reintentar los fallidos</translation>
    </message>
    <message>
        <source>Show Run Log</source>
        <translation>Mostrar el registro de la ejecución</translation>
    </message>
    <message>
        <source>Choose a Source: a folder to search, or .chm files.</source>
        <translation>Elija un origen: una carpeta donde buscar o archivos .chm.</translation>
    </message>
    <message>
        <source>The Target %1 names no folder.</source>
        <translation>El destino %1 no indica ninguna carpeta.</translation>
    </message>
    <message>
        <source>No %1 files found in %2 (Sub folders %3).</source>
        <translation>No se encontraron archivos %1 en %2 (subcarpetas: %3).</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>No program could be started to open %1.</source>
        <translation>No se pudo iniciar ningún programa para abrir %1.</translation>
    </message>
    <message>
        <source>No failed job to retry.</source>
        <translation>No hay ningún trabajo fallido que reintentar.</translation>
    </message>
    <message>
        <source>Run Log</source>
        <translation>Registro de la ejecución</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>Convertido con avisos</translation>
    </message>
    <message>
        <source>No PDF to open: %1 — %2</source>
        <translation>No hay PDF que abrir: %1 — %2</translation>
    </message>
</context>
<context>
    <name>ui::JobDetailsPane</name>
    <message>
        <source>%1 %2 s</source>
        <translation>%1 %2 s</translation>
    </message>
    <message>
        <source>Skipped: the PDF was there and is kept</source>
        <translation>Omitido: el PDF ya existía y se conserva</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>Convertido con avisos</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>Not converted: the run ended first</source>
        <translation>Sin convertir: la ejecución terminó antes</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>PDF: %1</source>
        <translation>PDF: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Pasos: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
</context>
<context>
    <name>ui::JobListView</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Drop .chm files or folders here, or choose a Source</source>
        <translation>Suelte aquí archivos .chm o carpetas, o elija un origen</translation>
    </message>
</context>
<context>
    <name>ui::RunStatusBar</name>
    <message>
        <source>Working time of the batch</source>
        <translation>Tiempo de trabajo del lote</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 con error</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>Archivos encontrados: %1</translation>
    </message>
    <message>
        <source>Paused — Convert resumes</source>
        <translation>En pausa — «Convertir» para reanudar</translation>
    </message>
</context>
</TS>
