<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ErrorReportTexts</name>
    <message>
        <source>1 job failed. Send an error report to the maker?</source>
        <translation>1 件のジョブが失敗しました。エラーレポートを開発元に送信しますか?</translation>
    </message>
    <message>
        <source>%1 jobs failed. Send an error report to the maker?</source>
        <translation>%1 件のジョブが失敗しました。エラーレポートを開発元に送信しますか?</translation>
    </message>
    <message>
        <source>… and %1 more (Show Details)</source>
        <translation>… ほか %1 件 (詳細を表示)</translation>
    </message>
    <message>
        <source>It contains the program&apos;s version and these messages, with every file and folder name left out:</source>
        <translation>レポートにはプログラムのバージョンと次のメッセージが含まれます。ファイル名とフォルダー名はすべて省かれます:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>送信(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Send</source>
        <translation>送信しない(&amp;D)</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>今後は確認しない</translation>
    </message>
</context>
<context>
    <name>OptionCatalog</name>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>what to convert: a folder and a file pattern (/docs/*.chm), a single file or a file: address</source>
        <translation>変換する対象: フォルダーとファイルパターン (/docs/*.chm)、単一のファイル、または file: アドレス</translation>
    </message>
    <message>
        <source>the source&apos;s folder</source>
        <translation>ソースのフォルダー</translation>
    </message>
    <message>
        <source>folder that receives the PDF files</source>
        <translation>PDF ファイルを保存するフォルダー</translation>
    </message>
    <message>
        <source>search the sub-folders of the source folder too</source>
        <translation>ソースフォルダーのサブフォルダーも検索する</translation>
    </message>
    <message>
        <source>number of files converted at the same time</source>
        <translation>同時に変換するファイルの数</translation>
    </message>
    <message>
        <source>when the PDF exists: True replaces it, False writes -pellin-&lt;name&gt;, skip leaves it</source>
        <translation>PDF が既にある場合: True は置き換え、False は -pellin-&lt;名前&gt; に書き込み、skip はそのままにする</translation>
    </message>
    <message>
        <source>rebuild the source&apos;s sub-folders below the target</source>
        <translation>ソースのサブフォルダー構成を出力先に再現する</translation>
    </message>
    <message>
        <source>give each PDF the times of its help file</source>
        <translation>各 PDF にヘルプファイルの日時を設定する</translation>
    </message>
    <message>
        <source>delete the help file after a successful conversion</source>
        <translation>変換に成功したらヘルプファイルを削除する</translation>
    </message>
    <message>
        <source>after a successful conversion, rename the help file by appending this text to its name</source>
        <translation>変換に成功したら、この文字列を名前の後ろに付けてヘルプファイルの名前を変更する</translation>
    </message>
    <message>
        <source>use the macro target extension for documents with macros</source>
        <translation>マクロを含む文書にはマクロ用の拡張子を使う</translation>
    </message>
    <message>
        <source>PDF printer used when the office cannot export</source>
        <translation>オフィスがエクスポートできないときに使う PDF プリンター</translation>
    </message>
    <message>
        <source>wait until the PDF printer has taken the previous output name</source>
        <translation>PDF プリンターが前の出力名を受け取るまで待つ</translation>
    </message>
    <message>
        <source>show the word processor&apos;s window, minimised</source>
        <translation>ワープロのウィンドウを最小化して表示する</translation>
    </message>
    <message>
        <source>open existing documents read-only</source>
        <translation>既存の文書を読み取り専用で開く</translation>
    </message>
    <message>
        <source>open existing documents with a blank password</source>
        <translation>既存の文書を空のパスワードで開く</translation>
    </message>
    <message>
        <source>regular expression that a found file&apos;s full path must also match</source>
        <translation>見つかったファイルのフルパスが一致しなければならない正規表現</translation>
    </message>
    <message>
        <source>leave hidden files out of the search</source>
        <translation>隠しファイルを検索から除外する</translation>
    </message>
    <message>
        <source>run without a window and end when the run is done</source>
        <translation>ウィンドウなしで実行し、終わったら終了する</translation>
    </message>
    <message>
        <source>the window converts at its first show and closes after the run</source>
        <translation>ウィンドウは最初の表示で変換を始め、終わったら閉じる</translation>
    </message>
    <message>
        <source>above 0: the window repeats the run after this many milliseconds</source>
        <translation>0 より大きい場合: この時間 (ミリ秒) ごとにウィンドウが実行を繰り返す</translation>
    </message>
    <message>
        <source>file that receives the run log at the end of a run; with Shard, %K stands for the shard number</source>
        <translation>実行の最後に実行ログを書き込むファイル。Shard を使う場合、%K は分割番号を表す</translation>
    </message>
    <message>
        <source>PDF outline: Contents (the help file&apos;s contents tree), Headings, or None</source>
        <translation>PDF のしおり: Contents (ヘルプファイルの目次ツリー)、Headings (見出し)、または None</translation>
    </message>
    <message>
        <source>write archival PDF/A-2b</source>
        <translation>長期保存用の PDF/A-2b を書き出す</translation>
    </message>
    <message>
        <source>write a tagged (accessible) PDF</source>
        <translation>タグ付き (アクセシブル) PDF を書き出す</translation>
    </message>
    <message>
        <source>no progress lines and no summary on standard error in a windowless run (warnings and errors still show)</source>
        <translation>ウィンドウなしの実行で標準エラーに進行状況と概要を出さない (警告とエラーは表示される)</translation>
    </message>
    <message>
        <source>print how long each step of each job took (windowless run)</source>
        <translation>各ジョブの各ステップにかかった時間を出力する (ウィンドウなしの実行)</translation>
    </message>
    <message>
        <source>K/N: convert only the files of shard K of N (0 &lt;= K &lt; N), for splitting a shelf across machines</source>
        <translation>K/N: N 分割のうち K 番目のファイルだけを変換する (0 &lt;= K &lt; N)。複数のマシンで分担するため</translation>
    </message>
    <message>
        <source>expects True, False or a number</source>
        <translation>True、False または数値が必要です</translation>
    </message>
    <message>
        <source>expects a whole number</source>
        <translation>整数が必要です</translation>
    </message>
    <message>
        <source>expects True, False or skip</source>
        <translation>True、False または skip が必要です</translation>
    </message>
    <message>
        <source>expects K/N with 0 &lt;= K &lt; N, such as 0/4</source>
        <translation>0 &lt;= K &lt; N の K/N が必要です (例: 0/4)</translation>
    </message>
    <message>
        <source>start each topic on a new page (else the topics follow each other as written)</source>
        <translation>各トピックを新しいページから始める（そうでなければトピックは書かれたとおりに続く）</translation>
    </message>
</context>
<context>
    <name>OptionLineTexts</name>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option</source>
        <translation>%1: %2 は既知のオプションではありません</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option; did you mean %3?</source>
        <translation>%1: %2 は既知のオプションではありません。%3 のことですか?</translation>
    </message>
    <message>
        <source>%1: %2 is given again; only line %3 is read</source>
        <translation>%1: %2 が重複しています。%3 行目だけが読まれます</translation>
    </message>
    <message>
        <source>%1: %2 %3; the default %4 is used</source>
        <translation>%1: %2 %3。既定値 %4 を使います</translation>
    </message>
</context>
<context>
    <name>QuestionTexts</name>
    <message>
        <source>The options of the batch project have been changed.</source>
        <translation>バッチプロジェクトのオプションが変更されました。</translation>
    </message>
    <message>
        <source>Do you want to save them?</source>
        <translation>保存しますか?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Some option lines will not be read as written.</source>
        <translation>一部のオプション行は書かれたとおりには読まれません。</translation>
    </message>
    <message>
        <source>Go &amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Accept Anyway</source>
        <translation>このまま適用(&amp;A)</translation>
    </message>
</context>
<context>
    <name>SummaryTexts</name>
    <message>
        <source>%1 h %2 min %3 s</source>
        <translation>%1 時間 %2 分 %3 秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 skipped, %4 not converted in %5</source>
        <translation>変換 %1 件、失敗 %2 件、スキップ %3 件、未変換 %4 件 (%5)</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 skipped in %4</source>
        <translation>変換 %1 件、失敗 %2 件、スキップ %3 件 (%4)</translation>
    </message>
</context>
<context>
    <name>TvxFrmAbout</name>
    <message>
        <source>Click or press a key to close.</source>
        <translation>クリックするかキーを押すと閉じます。</translation>
    </message>
    <message>
        <source>LibreOffice (not yet asked)</source>
        <translation>LibreOffice (未確認)</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>Made with %1</source>
        <translation>%1 を使用</translation>
    </message>
    <message>
        <source>Converts with %1</source>
        <translation>%1 で変換</translation>
    </message>
    <message>
        <source>LibreOffice (not found)</source>
        <translation>LibreOffice (見つかりません)</translation>
    </message>
    <message>
        <source>Copyright © 2025 Pellin.</source>
        <translation>Copyright © 2025 Pellin.</translation>
    </message>
    <message>
        <source>Free software: you may use, copy and share it.</source>
        <translation>フリーソフトウェア: 自由に使用、複製、共有できます。</translation>
    </message>
</context>
<context>
    <name>TvxFrmCfg</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>One option a line: Name=value</source>
        <translation>1 行に 1 つのオプション: 名前=値</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Open the guide&apos;s list of options</source>
        <translation>ガイドのオプション一覧を開く</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Value used</source>
        <translation>使用される値</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>意味</translation>
    </message>
    <message>
        <source>Double-click an option to add it to the text</source>
        <translation>オプションをダブルクリックするとテキストに追加されます</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Settings of the word processor and the PDF printer</source>
        <translation>ワープロと PDF プリンターの設定</translation>
    </message>
    <message>
        <source>Default value</source>
        <translation>既定値</translation>
    </message>
    <message>
        <source>Set in the text</source>
        <translation>テキストで設定</translation>
    </message>
</context>
<context>
    <name>TvxFrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったプロジェクト(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>実行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>変換(&amp;C)</translation>
    </message>
    <message>
        <source>Convert the listed help files to PDF</source>
        <translation>一覧のヘルプファイルを PDF に変換する</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>停止(&amp;P)</translation>
    </message>
    <message>
        <source>Stop the run</source>
        <translation>実行を停止する</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Finish the files in hand, then wait</source>
        <translation>処理中のファイルを終えてから待機する</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>List the help files of the source folder</source>
        <translation>ソースフォルダーのヘルプファイルを一覧表示する</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Open the target folder</source>
        <translation>出力先フォルダーを開く</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Open a batch project</source>
        <translation>バッチプロジェクトを開く</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>Start a new batch project</source>
        <translation>新しいバッチプロジェクトを始める</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>オプション(&amp;P)…</translation>
    </message>
    <message>
        <source>Edit the options of the batch project</source>
        <translation>バッチプロジェクトのオプションを編集する</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the batch project</source>
        <translation>バッチプロジェクトを保存する</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)…</translation>
    </message>
    <message>
        <source>Save the batch project under a new name</source>
        <translation>バッチプロジェクトを別の名前で保存する</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>更新を確認(&amp;U)</translation>
    </message>
    <message>
        <source>Open the download page</source>
        <translation>ダウンロードページを開く</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>ガイド(&amp;G)</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>ユーザーガイドを開く</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>ホームページ(&amp;H)</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>ホームページを開く</translation>
    </message>
    <message>
        <source>&amp;Support...</source>
        <translation>サポート(&amp;S)…</translation>
    </message>
    <message>
        <source>Write an e-mail to support</source>
        <translation>サポートにメールを書く</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop source folder or file(s)</source>
        <translation>ソースのフォルダーまたはファイルを選択するかドラッグ＆ドロップします</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>ソース(&amp;S)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Choose a folder and click &quot;Search&quot; to list files</source>
        <translation>フォルダーを選択し、「検索」をクリックするとファイルが一覧表示されます</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Choose file(s) and click &quot;Convert&quot; to convert them</source>
        <translation>ファイルを選択し、「変換」をクリックして変換します</translation>
    </message>
    <message>
        <source>Su&amp;b folders</source>
        <translation>サブフォルダー(&amp;B)</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop target folder</source>
        <translation>出力先フォルダーを選択するかドラッグ＆ドロップします</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>出力先(&amp;T)</translation>
    </message>
    <message>
        <source>Choose a target folder to save the converted file(s)</source>
        <translation>変換したファイルを保存するフォルダーを選択します</translation>
    </message>
    <message>
        <source>Drag &amp; drop file(s) here and click &quot;Convert&quot; to convert them</source>
        <translation>ここにファイルをドラッグ＆ドロップし、「変換」をクリックします</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>ファイルを追加…</translation>
    </message>
    <message>
        <source>Open Help File</source>
        <translation>ヘルプファイルを開く</translation>
    </message>
    <message>
        <source>Open Help File&apos;s Folder</source>
        <translation>ヘルプファイルのフォルダーを開く</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>PDF を開く</translation>
    </message>
    <message>
        <source>Open Target Folder</source>
        <translation>出力先フォルダーを開く</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>一覧から削除</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>一覧をエクスポート…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>変換済み</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>未変換</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>ログファイル</translation>
    </message>
    <message>
        <source>A run is going on: Stop or Pause it first.</source>
        <translation>実行中です。先に停止または一時停止してください。</translation>
    </message>
    <message>
        <source>Choose a Target folder for the PDF files.</source>
        <translation>PDF ファイルの出力先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>Copy Reason</source>
        <translation>理由をコピー</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>失敗したものを再試行</translation>
    </message>
    <message>
        <source>Show Run Log</source>
        <translation>実行ログを表示</translation>
    </message>
    <message>
        <source>Choose a Source: a folder to search, or .chm files.</source>
        <translation>ソースを選択してください: 検索するフォルダー、または .chm ファイル。</translation>
    </message>
    <message>
        <source>The Target %1 names no folder.</source>
        <translation>出力先 %1 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>No %1 files found in %2 (Sub folders %3).</source>
        <translation>%2 に %1 ファイルが見つかりません (サブフォルダー: %3)。</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 は存在しません。</translation>
    </message>
    <message>
        <source>No program could be started to open %1.</source>
        <translation>%1 を開くプログラムを起動できませんでした。</translation>
    </message>
    <message>
        <source>No failed job to retry.</source>
        <translation>再試行する失敗したジョブはありません。</translation>
    </message>
    <message>
        <source>Run Log</source>
        <translation>実行ログ</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>変換済み (警告あり)</translation>
    </message>
    <message>
        <source>No PDF to open: %1 — %2</source>
        <translation>開く PDF がありません: %1 — %2</translation>
    </message>
</context>
<context>
    <name>ui::JobDetailsPane</name>
    <message>
        <source>%1 %2 s</source>
        <translation>%1 %2 秒</translation>
    </message>
    <message>
        <source>Skipped: the PDF was there and is kept</source>
        <translation>スキップ: PDF が既にあるため保持</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>変換済み</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>変換済み (警告あり)</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>Not converted: the run ended first</source>
        <translation>未変換: 先に実行が終了しました</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>理由: %1</translation>
    </message>
    <message>
        <source>PDF: %1</source>
        <translation>PDF: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>注記: %1</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>ステップ: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>時間: %1</translation>
    </message>
</context>
<context>
    <name>ui::JobListView</name>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Drop .chm files or folders here, or choose a Source</source>
        <translation>.chm ファイルやフォルダーをここにドロップするか、ソースを選択してください</translation>
    </message>
</context>
<context>
    <name>ui::RunStatusBar</name>
    <message>
        <source>Working time of the batch</source>
        <translation>バッチの作業時間</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 件失敗</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>見つかったファイル: %1</translation>
    </message>
    <message>
        <source>Paused — Convert resumes</source>
        <translation>一時停止中 — 「変換」で再開</translation>
    </message>
</context>
</TS>
