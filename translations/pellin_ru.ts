<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ErrorReportTexts</name>
    <message>
        <source>1 job failed. Send an error report to the maker?</source>
        <translation>1 задание завершилось с ошибкой. Отправить отчёт об ошибке разработчику?</translation>
    </message>
    <message>
        <source>%1 jobs failed. Send an error report to the maker?</source>
        <translation>Заданий с ошибкой: %1. Отправить отчёт об ошибке разработчику?</translation>
    </message>
    <message>
        <source>… and %1 more (Show Details)</source>
        <translation>… и ещё %1 (Показать подробности)</translation>
    </message>
    <message>
        <source>It contains the program&apos;s version and these messages, with every file and folder name left out:</source>
        <translation>Он содержит версию программы и эти сообщения, без имён файлов и папок:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Отправить</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Send</source>
        <translation>&amp;Не отправлять</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Больше не спрашивать</translation>
    </message>
</context>
<context>
    <name>OptionCatalog</name>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>what to convert: a folder and a file pattern (/docs/*.chm), a single file or a file: address</source>
        <translation>что преобразовать: папка с шаблоном имён (/docs/*.chm), один файл или адрес file:</translation>
    </message>
    <message>
        <source>the source&apos;s folder</source>
        <translation>папка источника</translation>
    </message>
    <message>
        <source>folder that receives the PDF files</source>
        <translation>папка, в которую записываются файлы PDF</translation>
    </message>
    <message>
        <source>search the sub-folders of the source folder too</source>
        <translation>искать также во вложенных папках папки источника</translation>
    </message>
    <message>
        <source>number of files converted at the same time</source>
        <translation>число файлов, преобразуемых одновременно</translation>
    </message>
    <message>
        <source>when the PDF exists: True replaces it, False writes -pellin-&lt;name&gt;, skip leaves it</source>
        <translation>если PDF уже есть: True заменяет его, False пишет -pellin-&lt;имя&gt;, skip оставляет его</translation>
    </message>
    <message>
        <source>rebuild the source&apos;s sub-folders below the target</source>
        <translation>воссоздать вложенные папки источника в папке назначения</translation>
    </message>
    <message>
        <source>give each PDF the times of its help file</source>
        <translation>присвоить каждому PDF время его файла справки</translation>
    </message>
    <message>
        <source>delete the help file after a successful conversion</source>
        <translation>удалить файл справки после успешного преобразования</translation>
    </message>
    <message>
        <source>after a successful conversion, rename the help file by appending this text to its name</source>
        <translation>после успешного преобразования переименовать файл справки, добавив этот текст к имени</translation>
    </message>
    <message>
        <source>use the macro target extension for documents with macros</source>
        <translation>использовать расширение для макросов у документов с макросами</translation>
    </message>
    <message>
        <source>PDF printer used when the office cannot export</source>
        <translation>PDF-принтер на случай, если офисный пакет не может экспортировать</translation>
    </message>
    <message>
        <source>wait until the PDF printer has taken the previous output name</source>
        <translation>ждать, пока PDF-принтер не примет предыдущее имя вывода</translation>
    </message>
    <message>
        <source>show the word processor&apos;s window, minimised</source>
        <translation>показывать окно текстового процессора свёрнутым</translation>
    </message>
    <message>
        <source>open existing documents read-only</source>
        <translation>открывать существующие документы только для чтения</translation>
    </message>
    <message>
        <source>open existing documents with a blank password</source>
        <translation>открывать существующие документы с пустым паролем</translation>
    </message>
    <message>
        <source>regular expression that a found file&apos;s full path must also match</source>
        <translation>регулярное выражение, которому должен соответствовать и полный путь найденного файла</translation>
    </message>
    <message>
        <source>leave hidden files out of the search</source>
        <translation>не искать скрытые файлы</translation>
    </message>
    <message>
        <source>run without a window and end when the run is done</source>
        <translation>работать без окна и завершиться после выполнения</translation>
    </message>
    <message>
        <source>the window converts at its first show and closes after the run</source>
        <translation>окно начинает преобразование при первом показе и закрывается после выполнения</translation>
    </message>
    <message>
        <source>above 0: the window repeats the run after this many milliseconds</source>
        <translation>больше 0: окно повторяет выполнение через столько миллисекунд</translation>
    </message>
    <message>
        <source>file that receives the run log at the end of a run; with Shard, %K stands for the shard number</source>
        <translation>файл, в который в конце выполнения пишется журнал; при Shard %K означает номер части</translation>
    </message>
    <message>
        <source>PDF outline: Contents (the help file&apos;s contents tree), Headings, or None</source>
        <translation>закладки PDF: Contents (дерево содержания файла справки), Headings (заголовки) или None</translation>
    </message>
    <message>
        <source>write archival PDF/A-2b</source>
        <translation>записывать архивный PDF/A-2b</translation>
    </message>
    <message>
        <source>write a tagged (accessible) PDF</source>
        <translation>записывать PDF с тегами (доступный)</translation>
    </message>
    <message>
        <source>no progress lines and no summary on standard error in a windowless run (warnings and errors still show)</source>
        <translation>без строк хода выполнения и итогов в стандартном потоке ошибок при работе без окна (предупреждения и ошибки выводятся)</translation>
    </message>
    <message>
        <source>print how long each step of each job took (windowless run)</source>
        <translation>выводить длительность каждого шага каждого задания (работа без окна)</translation>
    </message>
    <message>
        <source>K/N: convert only the files of shard K of N (0 &lt;= K &lt; N), for splitting a shelf across machines</source>
        <translation>K/N: преобразовать только файлы части K из N (0 &lt;= K &lt; N), чтобы разделить набор между машинами</translation>
    </message>
    <message>
        <source>expects True, False or a number</source>
        <translation>ожидается True, False или число</translation>
    </message>
    <message>
        <source>expects a whole number</source>
        <translation>ожидается целое число</translation>
    </message>
    <message>
        <source>expects True, False or skip</source>
        <translation>ожидается True, False или skip</translation>
    </message>
    <message>
        <source>expects K/N with 0 &lt;= K &lt; N, such as 0/4</source>
        <translation>ожидается K/N, где 0 &lt;= K &lt; N, например 0/4</translation>
    </message>
    <message>
        <source>start each topic on a new page (else the topics follow each other as written)</source>
        <translation>начинать каждый раздел с новой страницы (иначе разделы идут друг за другом, как написаны)</translation>
    </message>
</context>
<context>
    <name>OptionLineTexts</name>
    <message>
        <source>line %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option</source>
        <translation>%1: %2 — неизвестный параметр</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option; did you mean %3?</source>
        <translation>%1: %2 — неизвестный параметр; возможно, имелся в виду %3?</translation>
    </message>
    <message>
        <source>%1: %2 is given again; only line %3 is read</source>
        <translation>%1: %2 задан повторно; читается только строка %3</translation>
    </message>
    <message>
        <source>%1: %2 %3; the default %4 is used</source>
        <translation>%1: %2 %3; используется значение по умолчанию %4</translation>
    </message>
</context>
<context>
    <name>QuestionTexts</name>
    <message>
        <source>The options of the batch project have been changed.</source>
        <translation>Параметры пакетного проекта изменены.</translation>
    </message>
    <message>
        <source>Do you want to save them?</source>
        <translation>Сохранить их?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Не сохранять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Some option lines will not be read as written.</source>
        <translation>Некоторые строки параметров будут прочитаны не так, как написаны.</translation>
    </message>
    <message>
        <source>Go &amp;Back</source>
        <translation>&amp;Вернуться</translation>
    </message>
    <message>
        <source>&amp;Accept Anyway</source>
        <translation>&amp;Всё равно принять</translation>
    </message>
</context>
<context>
    <name>SummaryTexts</name>
    <message>
        <source>%1 h %2 min %3 s</source>
        <translation>%1 ч %2 мин %3 с</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 skipped, %4 not converted in %5</source>
        <translation>преобразовано: %1, ошибок: %2, пропущено: %3, не преобразовано: %4 за %5</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 skipped in %4</source>
        <translation>преобразовано: %1, ошибок: %2, пропущено: %3 за %4</translation>
    </message>
</context>
<context>
    <name>TvxFrmAbout</name>
    <message>
        <source>Click or press a key to close.</source>
        <translation>Щёлкните или нажмите клавишу, чтобы закрыть.</translation>
    </message>
    <message>
        <source>LibreOffice (not yet asked)</source>
        <translation>LibreOffice (ещё не опрошен)</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>Made with %1</source>
        <translation>Создано с помощью %1</translation>
    </message>
    <message>
        <source>Converts with %1</source>
        <translation>Преобразует с помощью %1</translation>
    </message>
    <message>
        <source>LibreOffice (not found)</source>
        <translation>LibreOffice (не найден)</translation>
    </message>
    <message>
        <source>Copyright © 2025 Pellin.</source>
        <translation>© 2025 Pellin.</translation>
    </message>
    <message>
        <source>Free software: you may use, copy and share it.</source>
        <translation>Свободная программа: её можно использовать, копировать и распространять.</translation>
    </message>
</context>
<context>
    <name>TvxFrmCfg</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>One option a line: Name=value</source>
        <translation>По одному параметру в строке: Имя=значение</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Open the guide&apos;s list of options</source>
        <translation>Открыть список параметров в руководстве</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Value used</source>
        <translation>Используемое значение</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Double-click an option to add it to the text</source>
        <translation>Дважды щёлкните параметр, чтобы добавить его в текст</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Settings of the word processor and the PDF printer</source>
        <translation>Настройки текстового процессора и PDF-принтера</translation>
    </message>
    <message>
        <source>Default value</source>
        <translation>Значение по умолчанию</translation>
    </message>
    <message>
        <source>Set in the text</source>
        <translation>Задано в тексте</translation>
    </message>
</context>
<context>
    <name>TvxFrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Недавние</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Запуск</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Преобразовать</translation>
    </message>
    <message>
        <source>Convert the listed help files to PDF</source>
        <translation>Преобразовать перечисленные файлы справки в PDF</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Ст&amp;оп</translation>
    </message>
    <message>
        <source>Stop the run</source>
        <translation>Остановить выполнение</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Finish the files in hand, then wait</source>
        <translation>Завершить текущие файлы и ждать</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>List the help files of the source folder</source>
        <translation>Показать файлы справки из папки источника</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Open the target folder</source>
        <translation>Открыть папку назначения</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть…</translation>
    </message>
    <message>
        <source>Open a batch project</source>
        <translation>Открыть пакетный проект</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Start a new batch project</source>
        <translation>Начать новый пакетный проект</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>&amp;Параметры…</translation>
    </message>
    <message>
        <source>Edit the options of the batch project</source>
        <translation>Изменить параметры пакетного проекта</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save the batch project</source>
        <translation>Сохранить пакетный проект</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как…</translation>
    </message>
    <message>
        <source>Save the batch project under a new name</source>
        <translation>Сохранить пакетный проект под новым именем</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>Проверить &amp;обновления</translation>
    </message>
    <message>
        <source>Open the download page</source>
        <translation>Открыть страницу загрузки</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Руководство</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Открыть руководство пользователя</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>&amp;Домашняя страница</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Открыть домашнюю страницу</translation>
    </message>
    <message>
        <source>&amp;Support...</source>
        <translation>&amp;Поддержка…</translation>
    </message>
    <message>
        <source>Write an e-mail to support</source>
        <translation>Написать письмо в поддержку</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop source folder or file(s)</source>
        <translation>Выберите или перетащите папку или файлы источника</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>&amp;Источник</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Choose a folder and click &quot;Search&quot; to list files</source>
        <translation>Выберите папку и нажмите «Найти», чтобы получить список файлов</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Choose file(s) and click &quot;Convert&quot; to convert them</source>
        <translation>Выберите файлы и нажмите «Преобразовать»</translation>
    </message>
    <message>
        <source>Su&amp;b folders</source>
        <translation>&amp;Вложенные папки</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop target folder</source>
        <translation>Выберите или перетащите папку назначения</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>&amp;Назначение</translation>
    </message>
    <message>
        <source>Choose a target folder to save the converted file(s)</source>
        <translation>Выберите папку для преобразованных файлов</translation>
    </message>
    <message>
        <source>Drag &amp; drop file(s) here and click &quot;Convert&quot; to convert them</source>
        <translation>Перетащите сюда файлы и нажмите «Преобразовать»</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Добавить файлы…</translation>
    </message>
    <message>
        <source>Open Help File</source>
        <translation>Открыть файл справки</translation>
    </message>
    <message>
        <source>Open Help File&apos;s Folder</source>
        <translation>Открыть папку файла справки</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Открыть PDF</translation>
    </message>
    <message>
        <source>Open Target Folder</source>
        <translation>Открыть папку назначения</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Убрать из списка</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Экспортировать список…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Преобразован</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Преобразуется</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Не преобразован</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидает</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Файл журнала</translation>
    </message>
    <message>
        <source>A run is going on: Stop or Pause it first.</source>
        <translation>Идёт выполнение: сначала нажмите «Стоп» или «Пауза».</translation>
    </message>
    <message>
        <source>Choose a Target folder for the PDF files.</source>
        <translation>Выберите папку назначения для файлов PDF.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Copy Reason</source>
        <translation>Копировать причину</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Повторить неудавшиеся</translation>
    </message>
    <message>
        <source>Show Run Log</source>
        <translation>Показать журнал выполнения</translation>
    </message>
    <message>
        <source>Choose a Source: a folder to search, or .chm files.</source>
        <translation>Выберите источник: папку для поиска или файлы .chm.</translation>
    </message>
    <message>
        <source>The Target %1 names no folder.</source>
        <translation>Назначение %1 не указывает на папку.</translation>
    </message>
    <message>
        <source>No %1 files found in %2 (Sub folders %3).</source>
        <translation>Файлы %1 не найдены в %2 (вложенные папки: %3).</translation>
    </message>
    <message>
        <source>on</source>
        <translation>вкл.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 не существует.</translation>
    </message>
    <message>
        <source>No program could be started to open %1.</source>
        <translation>Не удалось запустить программу, чтобы открыть %1.</translation>
    </message>
    <message>
        <source>No failed job to retry.</source>
        <translation>Нет заданий с ошибкой для повтора.</translation>
    </message>
    <message>
        <source>Run Log</source>
        <translation>Журнал выполнения</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>Преобразован с предупреждениями</translation>
    </message>
    <message>
        <source>No PDF to open: %1 — %2</source>
        <translation>Нет PDF для открытия: %1 — %2</translation>
    </message>
</context>
<context>
    <name>ui::JobDetailsPane</name>
    <message>
        <source>%1 %2 s</source>
        <translation>%1 %2 с</translation>
    </message>
    <message>
        <source>Skipped: the PDF was there and is kept</source>
        <translation>Пропущен: PDF уже был и сохранён</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Преобразован</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>Преобразован с предупреждениями</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Преобразуется</translation>
    </message>
    <message>
        <source>Not converted: the run ended first</source>
        <translation>Не преобразован: выполнение завершилось раньше</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидает</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Причина: %1</translation>
    </message>
    <message>
        <source>PDF: %1</source>
        <translation>PDF: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Примечание: %1</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Шаги: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Время: %1</translation>
    </message>
</context>
<context>
    <name>ui::JobListView</name>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>Drop .chm files or folders here, or choose a Source</source>
        <translation>Перетащите сюда файлы .chm или папки или выберите источник</translation>
    </message>
</context>
<context>
    <name>ui::RunStatusBar</name>
    <message>
        <source>Working time of the batch</source>
        <translation>Время работы пакета</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>ошибок: %1</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>Найдено файлов: %1</translation>
    </message>
    <message>
        <source>Paused — Convert resumes</source>
        <translation>Пауза — «Преобразовать» продолжит</translation>
    </message>
</context>
</TS>
