<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ErrorReportTexts</name>
    <message>
        <source>1 job failed. Send an error report to the maker?</source>
        <translation>1 Auftrag ist fehlgeschlagen. Einen Fehlerbericht an den Hersteller senden?</translation>
    </message>
    <message>
        <source>%1 jobs failed. Send an error report to the maker?</source>
        <translation>%1 Aufträge sind fehlgeschlagen. Einen Fehlerbericht an den Hersteller senden?</translation>
    </message>
    <message>
        <source>… and %1 more (Show Details)</source>
        <translation>… und %1 weitere (Details einblenden)</translation>
    </message>
    <message>
        <source>It contains the program&apos;s version and these messages, with every file and folder name left out:</source>
        <translation>Er enthält die Version des Programms und diese Meldungen, ohne jeden Datei- und Ordnernamen:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Send</source>
        <translation>&amp;Nicht senden</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
</context>
<context>
    <name>OptionCatalog</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>what to convert: a folder and a file pattern (/docs/*.chm), a single file or a file: address</source>
        <translation>was umgewandelt wird: ein Ordner mit Dateimuster (/docs/*.chm), eine einzelne Datei oder eine file:-Adresse</translation>
    </message>
    <message>
        <source>the source&apos;s folder</source>
        <translation>Ordner der Quelle</translation>
    </message>
    <message>
        <source>folder that receives the PDF files</source>
        <translation>Ordner, der die PDF-Dateien erhält</translation>
    </message>
    <message>
        <source>search the sub-folders of the source folder too</source>
        <translation>auch die Unterordner des Quellordners durchsuchen</translation>
    </message>
    <message>
        <source>number of files converted at the same time</source>
        <translation>Anzahl der gleichzeitig umgewandelten Dateien</translation>
    </message>
    <message>
        <source>when the PDF exists: True replaces it, False writes -pellin-&lt;name&gt;, skip leaves it</source>
        <translation>wenn die PDF-Datei existiert: True ersetzt sie, False schreibt -pellin-&lt;name&gt;, skip lässt sie stehen</translation>
    </message>
    <message>
        <source>rebuild the source&apos;s sub-folders below the target</source>
        <translation>die Unterordner der Quelle unter dem Ziel nachbilden</translation>
    </message>
    <message>
        <source>give each PDF the times of its help file</source>
        <translation>jeder PDF-Datei die Zeitstempel ihrer Hilfedatei geben</translation>
    </message>
    <message>
        <source>delete the help file after a successful conversion</source>
        <translation>die Hilfedatei nach erfolgreicher Umwandlung löschen</translation>
    </message>
    <message>
        <source>after a successful conversion, rename the help file by appending this text to its name</source>
        <translation>nach erfolgreicher Umwandlung die Hilfedatei umbenennen, indem dieser Text an ihren Namen angehängt wird</translation>
    </message>
    <message>
        <source>use the macro target extension for documents with macros</source>
        <translation>für Dokumente mit Makros die Makro-Zielendung verwenden</translation>
    </message>
    <message>
        <source>PDF printer used when the office cannot export</source>
        <translation>PDF-Drucker, der verwendet wird, wenn das Office nicht exportieren kann</translation>
    </message>
    <message>
        <source>wait until the PDF printer has taken the previous output name</source>
        <translation>warten, bis der PDF-Drucker den vorigen Ausgabenamen übernommen hat</translation>
    </message>
    <message>
        <source>show the word processor&apos;s window, minimised</source>
        <translation>das Fenster der Textverarbeitung minimiert zeigen</translation>
    </message>
    <message>
        <source>open existing documents read-only</source>
        <translation>vorhandene Dokumente schreibgeschützt öffnen</translation>
    </message>
    <message>
        <source>open existing documents with a blank password</source>
        <translation>vorhandene Dokumente mit leerem Kennwort öffnen</translation>
    </message>
    <message>
        <source>regular expression that a found file&apos;s full path must also match</source>
        <translation>regulärer Ausdruck, zu dem der volle Pfad einer gefundenen Datei auch passen muss</translation>
    </message>
    <message>
        <source>leave hidden files out of the search</source>
        <translation>versteckte Dateien bei der Suche auslassen</translation>
    </message>
    <message>
        <source>run without a window and end when the run is done</source>
        <translation>ohne Fenster laufen und nach dem Lauf enden</translation>
    </message>
    <message>
        <source>the window converts at its first show and closes after the run</source>
        <translation>das Fenster wandelt beim ersten Anzeigen um und schließt sich nach dem Lauf</translation>
    </message>
    <message>
        <source>above 0: the window repeats the run after this many milliseconds</source>
        <translation>über 0: das Fenster wiederholt den Lauf nach so vielen Millisekunden</translation>
    </message>
    <message>
        <source>file that receives the run log at the end of a run; with Shard, %K stands for the shard number</source>
        <translation>Datei, die am Ende eines Laufs das Laufprotokoll erhält; mit Shard steht %K für die Nummer des Teils</translation>
    </message>
    <message>
        <source>PDF outline: Contents (the help file&apos;s contents tree), Headings, or None</source>
        <translation>PDF-Lesezeichen: Contents (Inhaltsbaum der Hilfedatei), Headings (Überschriften) oder None</translation>
    </message>
    <message>
        <source>write archival PDF/A-2b</source>
        <translation>archivfähiges PDF/A-2b schreiben</translation>
    </message>
    <message>
        <source>write a tagged (accessible) PDF</source>
        <translation>ein getaggtes (barrierefreies) PDF schreiben</translation>
    </message>
    <message>
        <source>no progress lines and no summary on standard error in a windowless run (warnings and errors still show)</source>
        <translation>im fensterlosen Lauf keine Fortschrittszeilen und keine Zusammenfassung auf der Standardfehlerausgabe (Warnungen und Fehler erscheinen weiter)</translation>
    </message>
    <message>
        <source>print how long each step of each job took (windowless run)</source>
        <translation>ausgeben, wie lange jeder Schritt jedes Auftrags gedauert hat (fensterloser Lauf)</translation>
    </message>
    <message>
        <source>K/N: convert only the files of shard K of N (0 &lt;= K &lt; N), for splitting a shelf across machines</source>
        <translation>K/N: nur die Dateien von Teil K aus N umwandeln (0 &lt;= K &lt; N), um einen Bestand auf mehrere Rechner zu verteilen</translation>
    </message>
    <message>
        <source>expects True, False or a number</source>
        <translation>erwartet True, False oder eine Zahl</translation>
    </message>
    <message>
        <source>expects a whole number</source>
        <translation>erwartet eine ganze Zahl</translation>
    </message>
    <message>
        <source>expects True, False or skip</source>
        <translation>erwartet True, False oder skip</translation>
    </message>
    <message>
        <source>expects K/N with 0 &lt;= K &lt; N, such as 0/4</source>
        <translation>erwartet K/N mit 0 &lt;= K &lt; N, etwa 0/4</translation>
    </message>
    <message>
        <source>start each topic on a new page (else the topics follow each other as written)</source>
        <translation>jedes Thema auf einer neuen Seite beginnen (sonst folgen die Themen aufeinander wie geschrieben)</translation>
    </message>
</context>
<context>
    <name>OptionLineTexts</name>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option</source>
        <translation>%1: %2 ist keine bekannte Option</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option; did you mean %3?</source>
        <translation>%1: %2 ist keine bekannte Option; meinten Sie %3?</translation>
    </message>
    <message>
        <source>%1: %2 is given again; only line %3 is read</source>
        <translation>%1: %2 ist erneut angegeben; nur Zeile %3 wird gelesen</translation>
    </message>
    <message>
        <source>%1: %2 %3; the default %4 is used</source>
        <translation>%1: %2 %3; der Standardwert %4 wird verwendet</translation>
    </message>
</context>
<context>
    <name>QuestionTexts</name>
    <message>
        <source>The options of the batch project have been changed.</source>
        <translation>Die Optionen des Stapelprojekts wurden geändert.</translation>
    </message>
    <message>
        <source>Do you want to save them?</source>
        <translation>Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Some option lines will not be read as written.</source>
        <translation>Einige Optionszeilen werden nicht so gelesen, wie sie geschrieben sind.</translation>
    </message>
    <message>
        <source>Go &amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Accept Anyway</source>
        <translation>&amp;Trotzdem übernehmen</translation>
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
        <translation>%1 umgewandelt, %2 fehlgeschlagen, %3 übersprungen, %4 nicht umgewandelt in %5</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 skipped in %4</source>
        <translation>%1 umgewandelt, %2 fehlgeschlagen, %3 übersprungen in %4</translation>
    </message>
</context>
<context>
    <name>TvxFrmAbout</name>
    <message>
        <source>Click or press a key to close.</source>
        <translation>Zum Schließen klicken oder eine Taste drücken.</translation>
    </message>
    <message>
        <source>LibreOffice (not yet asked)</source>
        <translation>LibreOffice (noch nicht abgefragt)</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Made with %1</source>
        <translation>Erstellt mit %1</translation>
    </message>
    <message>
        <source>Converts with %1</source>
        <translation>Wandelt um mit %1</translation>
    </message>
    <message>
        <source>LibreOffice (not found)</source>
        <translation>LibreOffice (nicht gefunden)</translation>
    </message>
    <message>
        <source>Copyright © 2025 Pellin.</source>
        <translation>Copyright © 2025 Pellin.</translation>
    </message>
    <message>
        <source>Free software: you may use, copy and share it.</source>
        <translation>Freie Software: Sie dürfen sie benutzen, kopieren und weitergeben.</translation>
    </message>
</context>
<context>
    <name>TvxFrmCfg</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>One option a line: Name=value</source>
        <translation>Eine Option pro Zeile: Name=Wert</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open the guide&apos;s list of options</source>
        <translation>Die Optionsliste im Handbuch öffnen</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Value used</source>
        <translation>Verwendeter Wert</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Double-click an option to add it to the text</source>
        <translation>Doppelklicken Sie auf eine Option, um sie dem Text hinzuzufügen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Settings of the word processor and the PDF printer</source>
        <translation>Einstellungen der Textverarbeitung und des PDF-Druckers</translation>
    </message>
    <message>
        <source>Default value</source>
        <translation>Standardwert</translation>
    </message>
    <message>
        <source>Set in the text</source>
        <translation>Im Text gesetzt</translation>
    </message>
</context>
<context>
    <name>TvxFrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Lauf</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Umwandeln</translation>
    </message>
    <message>
        <source>Convert the listed help files to PDF</source>
        <translation>Die aufgelisteten Hilfedateien in PDF umwandeln</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Sto&amp;pp</translation>
    </message>
    <message>
        <source>Stop the run</source>
        <translation>Den Lauf anhalten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Finish the files in hand, then wait</source>
        <translation>Die laufenden Dateien fertigstellen, dann warten</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>List the help files of the source folder</source>
        <translation>Die Hilfedateien des Quellordners auflisten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Open the target folder</source>
        <translation>Den Zielordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>Open a batch project</source>
        <translation>Ein Stapelprojekt öffnen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Start a new batch project</source>
        <translation>Ein neues Stapelprojekt beginnen</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;ptionen …</translation>
    </message>
    <message>
        <source>Edit the options of the batch project</source>
        <translation>Die Optionen des Stapelprojekts bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the batch project</source>
        <translation>Das Stapelprojekt speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter …</translation>
    </message>
    <message>
        <source>Save the batch project under a new name</source>
        <translation>Das Stapelprojekt unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Open the download page</source>
        <translation>Die Download-Seite öffnen</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Das Benutzerhandbuch öffnen</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Die Startseite öffnen</translation>
    </message>
    <message>
        <source>&amp;Support...</source>
        <translation>&amp;Unterstützung …</translation>
    </message>
    <message>
        <source>Write an e-mail to support</source>
        <translation>Eine E-Mail an die Unterstützung schreiben</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop source folder or file(s)</source>
        <translation>Quellordner oder -dateien wählen oder hierher ziehen</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>&amp;Quelle</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Choose a folder and click &quot;Search&quot; to list files</source>
        <translation>Einen Ordner wählen und auf „Suchen“ klicken, um die Dateien aufzulisten</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Choose file(s) and click &quot;Convert&quot; to convert them</source>
        <translation>Dateien wählen und auf „Umwandeln“ klicken</translation>
    </message>
    <message>
        <source>Su&amp;b folders</source>
        <translation>Unter&amp;ordner</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop target folder</source>
        <translation>Zielordner wählen oder hierher ziehen</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>&amp;Ziel</translation>
    </message>
    <message>
        <source>Choose a target folder to save the converted file(s)</source>
        <translation>Einen Zielordner für die umgewandelten Dateien wählen</translation>
    </message>
    <message>
        <source>Drag &amp; drop file(s) here and click &quot;Convert&quot; to convert them</source>
        <translation>Dateien hierher ziehen und auf „Umwandeln“ klicken</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Dateien hinzufügen …</translation>
    </message>
    <message>
        <source>Open Help File</source>
        <translation>Hilfedatei öffnen</translation>
    </message>
    <message>
        <source>Open Help File&apos;s Folder</source>
        <translation>Ordner der Hilfedatei öffnen</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>PDF öffnen</translation>
    </message>
    <message>
        <source>Open Target Folder</source>
        <translation>Zielordner öffnen</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Liste exportieren …</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Umgewandelt</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Wird umgewandelt</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Nicht umgewandelt</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>A run is going on: Stop or Pause it first.</source>
        <translation>Ein Lauf ist im Gange: Zuerst Stopp oder Pause wählen.</translation>
    </message>
    <message>
        <source>Choose a Target folder for the PDF files.</source>
        <translation>Einen Zielordner für die PDF-Dateien wählen.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>Copy Reason</source>
        <translation>Grund kopieren</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Fehlgeschlagene wiederholen</translation>
    </message>
    <message>
        <source>Show Run Log</source>
        <translation>Laufprotokoll zeigen</translation>
    </message>
    <message>
        <source>Choose a Source: a folder to search, or .chm files.</source>
        <translation>Eine Quelle wählen: einen Ordner zum Durchsuchen oder .chm-Dateien.</translation>
    </message>
    <message>
        <source>The Target %1 names no folder.</source>
        <translation>Das Ziel %1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>No %1 files found in %2 (Sub folders %3).</source>
        <translation>Keine %1-Dateien in %2 gefunden (Unterordner: %3).</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>No program could be started to open %1.</source>
        <translation>Es konnte kein Programm gestartet werden, um %1 zu öffnen.</translation>
    </message>
    <message>
        <source>No failed job to retry.</source>
        <translation>Kein fehlgeschlagener Auftrag zum Wiederholen.</translation>
    </message>
    <message>
        <source>Run Log</source>
        <translation>Laufprotokoll</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>Mit Warnungen umgewandelt</translation>
    </message>
    <message>
        <source>No PDF to open: %1 — %2</source>
        <translation>Keine PDF-Datei zum Öffnen: %1 — %2</translation>
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
        <translation>Übersprungen: die PDF-Datei war schon da und bleibt erhalten</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Umgewandelt</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>Mit Warnungen umgewandelt</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Wird umgewandelt</translation>
    </message>
    <message>
        <source>Not converted: the run ended first</source>
        <translation>Nicht umgewandelt: der Lauf endete vorher</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>PDF: %1</source>
        <translation>PDF: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Schritte: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
</context>
<context>
    <name>ui::JobListView</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Drop .chm files or folders here, or choose a Source</source>
        <translation>Legen Sie .chm-Dateien oder Ordner hier ab oder wählen Sie eine Quelle</translation>
    </message>
</context>
<context>
    <name>ui::RunStatusBar</name>
    <message>
        <source>Working time of the batch</source>
        <translation>Arbeitszeit des Stapels</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>Gefundene Dateien: %1</translation>
    </message>
    <message>
        <source>Paused — Convert resumes</source>
        <translation>Angehalten — „Umwandeln“ setzt fort</translation>
    </message>
</context>
</TS>
