<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ErrorReportTexts</name>
    <message>
        <source>1 job failed. Send an error report to the maker?</source>
        <translation>1 tâche a échoué. Envoyer un rapport d&apos;erreur à l&apos;éditeur ?</translation>
    </message>
    <message>
        <source>%1 jobs failed. Send an error report to the maker?</source>
        <translation>%1 tâches ont échoué. Envoyer un rapport d&apos;erreur à l&apos;éditeur ?</translation>
    </message>
    <message>
        <source>… and %1 more (Show Details)</source>
        <translation>… et %1 de plus (Afficher les détails)</translation>
    </message>
    <message>
        <source>It contains the program&apos;s version and these messages, with every file and folder name left out:</source>
        <translation>Il contient la version du programme et ces messages, sans aucun nom de fichier ni de dossier :</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Send</source>
        <translation>&amp;Ne pas envoyer</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
</context>
<context>
    <name>OptionCatalog</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>what to convert: a folder and a file pattern (/docs/*.chm), a single file or a file: address</source>
        <translation>ce qu&apos;il faut convertir : un dossier et un motif de fichiers (/docs/*.chm), un seul fichier ou une adresse file:</translation>
    </message>
    <message>
        <source>the source&apos;s folder</source>
        <translation>dossier de la source</translation>
    </message>
    <message>
        <source>folder that receives the PDF files</source>
        <translation>dossier qui reçoit les fichiers PDF</translation>
    </message>
    <message>
        <source>search the sub-folders of the source folder too</source>
        <translation>chercher aussi dans les sous-dossiers du dossier source</translation>
    </message>
    <message>
        <source>number of files converted at the same time</source>
        <translation>nombre de fichiers convertis en même temps</translation>
    </message>
    <message>
        <source>when the PDF exists: True replaces it, False writes -pellin-&lt;name&gt;, skip leaves it</source>
        <translation>si le PDF existe : True le remplace, False écrit -pellin-&lt;nom&gt;, skip le laisse</translation>
    </message>
    <message>
        <source>rebuild the source&apos;s sub-folders below the target</source>
        <translation>reproduire les sous-dossiers de la source sous la cible</translation>
    </message>
    <message>
        <source>give each PDF the times of its help file</source>
        <translation>donner à chaque PDF les dates de son fichier d&apos;aide</translation>
    </message>
    <message>
        <source>delete the help file after a successful conversion</source>
        <translation>supprimer le fichier d&apos;aide après une conversion réussie</translation>
    </message>
    <message>
        <source>after a successful conversion, rename the help file by appending this text to its name</source>
        <translation>après une conversion réussie, renommer le fichier d&apos;aide en ajoutant ce texte à son nom</translation>
    </message>
    <message>
        <source>use the macro target extension for documents with macros</source>
        <translation>utiliser l&apos;extension cible pour macros pour les documents qui en contiennent</translation>
    </message>
    <message>
        <source>PDF printer used when the office cannot export</source>
        <translation>imprimante PDF utilisée quand la suite bureautique ne peut pas exporter</translation>
    </message>
    <message>
        <source>wait until the PDF printer has taken the previous output name</source>
        <translation>attendre que l&apos;imprimante PDF ait pris le nom de sortie précédent</translation>
    </message>
    <message>
        <source>show the word processor&apos;s window, minimised</source>
        <translation>afficher la fenêtre du traitement de texte, réduite</translation>
    </message>
    <message>
        <source>open existing documents read-only</source>
        <translation>ouvrir les documents existants en lecture seule</translation>
    </message>
    <message>
        <source>open existing documents with a blank password</source>
        <translation>ouvrir les documents existants avec un mot de passe vide</translation>
    </message>
    <message>
        <source>regular expression that a found file&apos;s full path must also match</source>
        <translation>expression régulière à laquelle le chemin complet d&apos;un fichier trouvé doit aussi correspondre</translation>
    </message>
    <message>
        <source>leave hidden files out of the search</source>
        <translation>ignorer les fichiers cachés lors de la recherche</translation>
    </message>
    <message>
        <source>run without a window and end when the run is done</source>
        <translation>s&apos;exécuter sans fenêtre et s&apos;arrêter à la fin du traitement</translation>
    </message>
    <message>
        <source>the window converts at its first show and closes after the run</source>
        <translation>la fenêtre convertit à sa première apparition et se ferme après le traitement</translation>
    </message>
    <message>
        <source>above 0: the window repeats the run after this many milliseconds</source>
        <translation>au-dessus de 0 : la fenêtre relance le traitement après ce nombre de millisecondes</translation>
    </message>
    <message>
        <source>file that receives the run log at the end of a run; with Shard, %K stands for the shard number</source>
        <translation>fichier qui reçoit le journal à la fin d&apos;un traitement ; avec Shard, %K désigne le numéro de la part</translation>
    </message>
    <message>
        <source>PDF outline: Contents (the help file&apos;s contents tree), Headings, or None</source>
        <translation>signets du PDF : Contents (l&apos;arbre du sommaire du fichier d&apos;aide), Headings (les titres) ou None</translation>
    </message>
    <message>
        <source>write archival PDF/A-2b</source>
        <translation>écrire un PDF/A-2b d&apos;archivage</translation>
    </message>
    <message>
        <source>write a tagged (accessible) PDF</source>
        <translation>écrire un PDF balisé (accessible)</translation>
    </message>
    <message>
        <source>no progress lines and no summary on standard error in a windowless run (warnings and errors still show)</source>
        <translation>pas de lignes de progression ni de résumé sur la sortie d&apos;erreur lors d&apos;un traitement sans fenêtre (avertissements et erreurs restent affichés)</translation>
    </message>
    <message>
        <source>print how long each step of each job took (windowless run)</source>
        <translation>afficher la durée de chaque étape de chaque tâche (traitement sans fenêtre)</translation>
    </message>
    <message>
        <source>K/N: convert only the files of shard K of N (0 &lt;= K &lt; N), for splitting a shelf across machines</source>
        <translation>K/N : ne convertir que les fichiers de la part K sur N (0 &lt;= K &lt; N), pour répartir un fonds sur plusieurs machines</translation>
    </message>
    <message>
        <source>expects True, False or a number</source>
        <translation>attend True, False ou un nombre</translation>
    </message>
    <message>
        <source>expects a whole number</source>
        <translation>attend un nombre entier</translation>
    </message>
    <message>
        <source>expects True, False or skip</source>
        <translation>attend True, False ou skip</translation>
    </message>
    <message>
        <source>expects K/N with 0 &lt;= K &lt; N, such as 0/4</source>
        <translation>attend K/N avec 0 &lt;= K &lt; N, par exemple 0/4</translation>
    </message>
    <message>
        <source>start each topic on a new page (else the topics follow each other as written)</source>
        <translation>commencer chaque rubrique sur une nouvelle page (sinon les rubriques se suivent telles qu&apos;écrites)</translation>
    </message>
</context>
<context>
    <name>OptionLineTexts</name>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option</source>
        <translation>%1 : %2 n&apos;est pas une option connue</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option; did you mean %3?</source>
        <translation>%1 : %2 n&apos;est pas une option connue ; vouliez-vous dire %3 ?</translation>
    </message>
    <message>
        <source>%1: %2 is given again; only line %3 is read</source>
        <translation>%1 : %2 est donné une seconde fois ; seule la ligne %3 est lue</translation>
    </message>
    <message>
        <source>%1: %2 %3; the default %4 is used</source>
        <translation>%1 : %2 %3 ; la valeur par défaut %4 est utilisée</translation>
    </message>
</context>
<context>
    <name>QuestionTexts</name>
    <message>
        <source>The options of the batch project have been changed.</source>
        <translation>Les options du projet de lot ont été modifiées.</translation>
    </message>
    <message>
        <source>Do you want to save them?</source>
        <translation>Voulez-vous les enregistrer ?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Some option lines will not be read as written.</source>
        <translation>Certaines lignes d&apos;options ne seront pas lues telles qu&apos;écrites.</translation>
    </message>
    <message>
        <source>Go &amp;Back</source>
        <translation>&amp;Revenir</translation>
    </message>
    <message>
        <source>&amp;Accept Anyway</source>
        <translation>&amp;Accepter quand même</translation>
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
        <translation>%1 convertis, %2 en échec, %3 ignorés, %4 non convertis en %5</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 skipped in %4</source>
        <translation>%1 convertis, %2 en échec, %3 ignorés en %4</translation>
    </message>
</context>
<context>
    <name>TvxFrmAbout</name>
    <message>
        <source>Click or press a key to close.</source>
        <translation>Cliquez ou appuyez sur une touche pour fermer.</translation>
    </message>
    <message>
        <source>LibreOffice (not yet asked)</source>
        <translation>LibreOffice (pas encore interrogé)</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Made with %1</source>
        <translation>Réalisé avec %1</translation>
    </message>
    <message>
        <source>Converts with %1</source>
        <translation>Convertit avec %1</translation>
    </message>
    <message>
        <source>LibreOffice (not found)</source>
        <translation>LibreOffice (introuvable)</translation>
    </message>
    <message>
        <source>Copyright © 2025 Pellin.</source>
        <translation>Copyright © 2025 Pellin.</translation>
    </message>
    <message>
        <source>Free software: you may use, copy and share it.</source>
        <translation>Logiciel libre : vous pouvez l&apos;utiliser, le copier et le partager.</translation>
    </message>
</context>
<context>
    <name>TvxFrmCfg</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>One option a line: Name=value</source>
        <translation>Une option par ligne : Nom=valeur</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Open the guide&apos;s list of options</source>
        <translation>Ouvrir la liste des options dans le guide</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Value used</source>
        <translation>Valeur utilisée</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>Double-click an option to add it to the text</source>
        <translation>Double-cliquez sur une option pour l&apos;ajouter au texte</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Settings of the word processor and the PDF printer</source>
        <translation>Réglages du traitement de texte et de l&apos;imprimante PDF</translation>
    </message>
    <message>
        <source>Default value</source>
        <translation>Valeur par défaut</translation>
    </message>
    <message>
        <source>Set in the text</source>
        <translation>Défini dans le texte</translation>
    </message>
</context>
<context>
    <name>TvxFrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Exécution</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>Convert the listed help files to PDF</source>
        <translation>Convertir en PDF les fichiers d&apos;aide listés</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>Stop the run</source>
        <translation>Arrêter le traitement</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Finish the files in hand, then wait</source>
        <translation>Terminer les fichiers en cours, puis attendre</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>List the help files of the source folder</source>
        <translation>Lister les fichiers d&apos;aide du dossier source</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Open the target folder</source>
        <translation>Ouvrir le dossier cible</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open a batch project</source>
        <translation>Ouvrir un projet de lot</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Start a new batch project</source>
        <translation>Commencer un nouveau projet de lot</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;ptions…</translation>
    </message>
    <message>
        <source>Edit the options of the batch project</source>
        <translation>Modifier les options du projet de lot</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the batch project</source>
        <translation>Enregistrer le projet de lot</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Save the batch project under a new name</source>
        <translation>Enregistrer le projet de lot sous un autre nom</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>Open the download page</source>
        <translation>Ouvrir la page de téléchargement</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Guide</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Ouvrir le guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>Page d&apos;&amp;accueil</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Ouvrir la page d&apos;accueil</translation>
    </message>
    <message>
        <source>&amp;Support...</source>
        <translation>&amp;Assistance…</translation>
    </message>
    <message>
        <source>Write an e-mail to support</source>
        <translation>Écrire un e-mail à l&apos;assistance</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop source folder or file(s)</source>
        <translation>Choisissez ou glissez-déposez le dossier ou les fichiers source</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>&amp;Source</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Choose a folder and click &quot;Search&quot; to list files</source>
        <translation>Choisissez un dossier et cliquez sur « Rechercher » pour lister les fichiers</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Choose file(s) and click &quot;Convert&quot; to convert them</source>
        <translation>Choisissez des fichiers et cliquez sur « Convertir »</translation>
    </message>
    <message>
        <source>Su&amp;b folders</source>
        <translation>Sous-&amp;dossiers</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop target folder</source>
        <translation>Choisissez ou glissez-déposez le dossier cible</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>C&amp;ible</translation>
    </message>
    <message>
        <source>Choose a target folder to save the converted file(s)</source>
        <translation>Choisissez le dossier où enregistrer les fichiers convertis</translation>
    </message>
    <message>
        <source>Drag &amp; drop file(s) here and click &quot;Convert&quot; to convert them</source>
        <translation>Glissez-déposez des fichiers ici et cliquez sur « Convertir »</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
    <message>
        <source>Open Help File</source>
        <translation>Ouvrir le fichier d&apos;aide</translation>
    </message>
    <message>
        <source>Open Help File&apos;s Folder</source>
        <translation>Ouvrir le dossier du fichier d&apos;aide</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Ouvrir le PDF</translation>
    </message>
    <message>
        <source>Open Target Folder</source>
        <translation>Ouvrir le dossier cible</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Exporter la liste…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion en cours</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Non converti</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Fichier journal</translation>
    </message>
    <message>
        <source>A run is going on: Stop or Pause it first.</source>
        <translation>Un traitement est en cours : choisissez d&apos;abord Arrêter ou Pause.</translation>
    </message>
    <message>
        <source>Choose a Target folder for the PDF files.</source>
        <translation>Choisissez un dossier cible pour les fichiers PDF.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Copy Reason</source>
        <translation>Copier la raison</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Relancer les échecs</translation>
    </message>
    <message>
        <source>Show Run Log</source>
        <translation>Afficher le journal du traitement</translation>
    </message>
    <message>
        <source>Choose a Source: a folder to search, or .chm files.</source>
        <translation>Choisissez une source : un dossier à parcourir ou des fichiers .chm.</translation>
    </message>
    <message>
        <source>The Target %1 names no folder.</source>
        <translation>La cible %1 ne désigne aucun dossier.</translation>
    </message>
    <message>
        <source>No %1 files found in %2 (Sub folders %3).</source>
        <translation>Aucun fichier %1 trouvé dans %2 (sous-dossiers : %3).</translation>
    </message>
    <message>
        <source>on</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>off</source>
        <translation>non</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No program could be started to open %1.</source>
        <translation>Aucun programme n&apos;a pu être lancé pour ouvrir %1.</translation>
    </message>
    <message>
        <source>No failed job to retry.</source>
        <translation>Aucune tâche en échec à relancer.</translation>
    </message>
    <message>
        <source>Run Log</source>
        <translation>Journal du traitement</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>Converti avec des avertissements</translation>
    </message>
    <message>
        <source>No PDF to open: %1 — %2</source>
        <translation>Aucun PDF à ouvrir : %1 — %2</translation>
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
        <translation>Ignoré : le PDF existait déjà et est conservé</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>Converti avec des avertissements</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion en cours</translation>
    </message>
    <message>
        <source>Not converted: the run ended first</source>
        <translation>Non converti : le traitement s&apos;est terminé avant</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison : %1</translation>
    </message>
    <message>
        <source>PDF: %1</source>
        <translation>PDF : %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Remarque : %1</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Étapes : %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Durée : %1</translation>
    </message>
</context>
<context>
    <name>ui::JobListView</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Drop .chm files or folders here, or choose a Source</source>
        <translation>Déposez ici des fichiers .chm ou des dossiers, ou choisissez une source</translation>
    </message>
</context>
<context>
    <name>ui::RunStatusBar</name>
    <message>
        <source>Working time of the batch</source>
        <translation>Temps de travail du lot</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 en échec</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>Fichiers trouvés : %1</translation>
    </message>
    <message>
        <source>Paused — Convert resumes</source>
        <translation>En pause — « Convertir » pour reprendre</translation>
    </message>
</context>
</TS>
