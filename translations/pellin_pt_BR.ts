<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ErrorReportTexts</name>
    <message>
        <source>1 job failed. Send an error report to the maker?</source>
        <translation>1 tarefa falhou. Enviar um relatório de erro ao fabricante?</translation>
    </message>
    <message>
        <source>%1 jobs failed. Send an error report to the maker?</source>
        <translation>%1 tarefas falharam. Enviar um relatório de erro ao fabricante?</translation>
    </message>
    <message>
        <source>… and %1 more (Show Details)</source>
        <translation>… e mais %1 (Mostrar detalhes)</translation>
    </message>
    <message>
        <source>It contains the program&apos;s version and these messages, with every file and folder name left out:</source>
        <translation>Ele contém a versão do programa e estas mensagens, sem nenhum nome de arquivo ou pasta:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Send</source>
        <translation>&amp;Não enviar</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Não perguntar novamente</translation>
    </message>
</context>
<context>
    <name>OptionCatalog</name>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>what to convert: a folder and a file pattern (/docs/*.chm), a single file or a file: address</source>
        <translation>o que converter: uma pasta e um padrão de arquivos (/docs/*.chm), um único arquivo ou um endereço file:</translation>
    </message>
    <message>
        <source>the source&apos;s folder</source>
        <translation>pasta da origem</translation>
    </message>
    <message>
        <source>folder that receives the PDF files</source>
        <translation>pasta que recebe os arquivos PDF</translation>
    </message>
    <message>
        <source>search the sub-folders of the source folder too</source>
        <translation>procurar também nas subpastas da pasta de origem</translation>
    </message>
    <message>
        <source>number of files converted at the same time</source>
        <translation>número de arquivos convertidos ao mesmo tempo</translation>
    </message>
    <message>
        <source>when the PDF exists: True replaces it, False writes -pellin-&lt;name&gt;, skip leaves it</source>
        <translation>se o PDF existir: True o substitui, False grava -pellin-&lt;nome&gt;, skip o mantém</translation>
    </message>
    <message>
        <source>rebuild the source&apos;s sub-folders below the target</source>
        <translation>reproduzir as subpastas da origem dentro do destino</translation>
    </message>
    <message>
        <source>give each PDF the times of its help file</source>
        <translation>dar a cada PDF as datas do seu arquivo de ajuda</translation>
    </message>
    <message>
        <source>delete the help file after a successful conversion</source>
        <translation>excluir o arquivo de ajuda após uma conversão bem-sucedida</translation>
    </message>
    <message>
        <source>after a successful conversion, rename the help file by appending this text to its name</source>
        <translation>após uma conversão bem-sucedida, renomear o arquivo de ajuda acrescentando este texto ao nome</translation>
    </message>
    <message>
        <source>use the macro target extension for documents with macros</source>
        <translation>usar a extensão de destino para macros em documentos com macros</translation>
    </message>
    <message>
        <source>PDF printer used when the office cannot export</source>
        <translation>impressora PDF usada quando o pacote de escritório não consegue exportar</translation>
    </message>
    <message>
        <source>wait until the PDF printer has taken the previous output name</source>
        <translation>aguardar até a impressora PDF ter usado o nome de saída anterior</translation>
    </message>
    <message>
        <source>show the word processor&apos;s window, minimised</source>
        <translation>mostrar a janela do processador de texto, minimizada</translation>
    </message>
    <message>
        <source>open existing documents read-only</source>
        <translation>abrir documentos existentes somente para leitura</translation>
    </message>
    <message>
        <source>open existing documents with a blank password</source>
        <translation>abrir documentos existentes com uma senha em branco</translation>
    </message>
    <message>
        <source>regular expression that a found file&apos;s full path must also match</source>
        <translation>expressão regular à qual o caminho completo de um arquivo encontrado também deve corresponder</translation>
    </message>
    <message>
        <source>leave hidden files out of the search</source>
        <translation>deixar arquivos ocultos fora da pesquisa</translation>
    </message>
    <message>
        <source>run without a window and end when the run is done</source>
        <translation>executar sem janela e encerrar ao terminar</translation>
    </message>
    <message>
        <source>the window converts at its first show and closes after the run</source>
        <translation>a janela converte ao ser exibida pela primeira vez e fecha ao terminar</translation>
    </message>
    <message>
        <source>above 0: the window repeats the run after this many milliseconds</source>
        <translation>acima de 0: a janela repete a execução após estes milissegundos</translation>
    </message>
    <message>
        <source>file that receives the run log at the end of a run; with Shard, %K stands for the shard number</source>
        <translation>arquivo que recebe o registro ao final de uma execução; com Shard, %K é o número da parte</translation>
    </message>
    <message>
        <source>PDF outline: Contents (the help file&apos;s contents tree), Headings, or None</source>
        <translation>marcadores do PDF: Contents (a árvore de conteúdo do arquivo de ajuda), Headings (os títulos) ou None</translation>
    </message>
    <message>
        <source>write archival PDF/A-2b</source>
        <translation>gravar PDF/A-2b para arquivamento</translation>
    </message>
    <message>
        <source>write a tagged (accessible) PDF</source>
        <translation>gravar um PDF com marcas (acessível)</translation>
    </message>
    <message>
        <source>no progress lines and no summary on standard error in a windowless run (warnings and errors still show)</source>
        <translation>sem linhas de progresso nem resumo na saída de erro em uma execução sem janela (avisos e erros continuam aparecendo)</translation>
    </message>
    <message>
        <source>print how long each step of each job took (windowless run)</source>
        <translation>mostrar quanto tempo levou cada etapa de cada tarefa (execução sem janela)</translation>
    </message>
    <message>
        <source>K/N: convert only the files of shard K of N (0 &lt;= K &lt; N), for splitting a shelf across machines</source>
        <translation>K/N: converter só os arquivos da parte K de N (0 &lt;= K &lt; N), para dividir um acervo entre várias máquinas</translation>
    </message>
    <message>
        <source>expects True, False or a number</source>
        <translation>espera True, False ou um número</translation>
    </message>
    <message>
        <source>expects a whole number</source>
        <translation>espera um número inteiro</translation>
    </message>
    <message>
        <source>expects True, False or skip</source>
        <translation>espera True, False ou skip</translation>
    </message>
    <message>
        <source>expects K/N with 0 &lt;= K &lt; N, such as 0/4</source>
        <translation>espera K/N com 0 &lt;= K &lt; N, por exemplo 0/4</translation>
    </message>
    <message>
        <source>start each topic on a new page (else the topics follow each other as written)</source>
        <translation>iniciar cada tópico em uma nova página (senão os tópicos seguem um ao outro como escritos)</translation>
    </message>
</context>
<context>
    <name>OptionLineTexts</name>
    <message>
        <source>line %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option</source>
        <translation>%1: %2 não é uma opção conhecida</translation>
    </message>
    <message>
        <source>%1: %2 is not a known option; did you mean %3?</source>
        <translation>%1: %2 não é uma opção conhecida; você quis dizer %3?</translation>
    </message>
    <message>
        <source>%1: %2 is given again; only line %3 is read</source>
        <translation>%1: %2 aparece de novo; só a linha %3 é lida</translation>
    </message>
    <message>
        <source>%1: %2 %3; the default %4 is used</source>
        <translation>%1: %2 %3; o valor padrão %4 é usado</translation>
    </message>
</context>
<context>
    <name>QuestionTexts</name>
    <message>
        <source>The options of the batch project have been changed.</source>
        <translation>As opções do projeto de lote foram alteradas.</translation>
    </message>
    <message>
        <source>Do you want to save them?</source>
        <translation>Deseja salvá-las?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
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
        <translation>Algumas linhas de opções não serão lidas como foram escritas.</translation>
    </message>
    <message>
        <source>Go &amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Accept Anyway</source>
        <translation>&amp;Aceitar mesmo assim</translation>
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
        <translation>%1 convertidos, %2 com falha, %3 ignorados, %4 não convertidos em %5</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed, %3 skipped in %4</source>
        <translation>%1 convertidos, %2 com falha, %3 ignorados em %4</translation>
    </message>
</context>
<context>
    <name>TvxFrmAbout</name>
    <message>
        <source>Click or press a key to close.</source>
        <translation>Clique ou pressione uma tecla para fechar.</translation>
    </message>
    <message>
        <source>LibreOffice (not yet asked)</source>
        <translation>LibreOffice (ainda não consultado)</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guia do usuário</translation>
    </message>
    <message>
        <source>Made with %1</source>
        <translation>Feito com %1</translation>
    </message>
    <message>
        <source>Converts with %1</source>
        <translation>Converte com %1</translation>
    </message>
    <message>
        <source>LibreOffice (not found)</source>
        <translation>LibreOffice (não encontrado)</translation>
    </message>
    <message>
        <source>Copyright © 2025 Pellin.</source>
        <translation>Copyright © 2025 Pellin.</translation>
    </message>
    <message>
        <source>Free software: you may use, copy and share it.</source>
        <translation>Software livre: você pode usá-lo, copiá-lo e compartilhá-lo.</translation>
    </message>
</context>
<context>
    <name>TvxFrmCfg</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>One option a line: Name=value</source>
        <translation>Uma opção por linha: Nome=valor</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Open the guide&apos;s list of options</source>
        <translation>Abrir a lista de opções do guia</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opção</translation>
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
        <translation>Clique duas vezes em uma opção para adicioná-la ao texto</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Settings of the word processor and the PDF printer</source>
        <translation>Configurações do processador de texto e da impressora PDF</translation>
    </message>
    <message>
        <source>Default value</source>
        <translation>Valor padrão</translation>
    </message>
    <message>
        <source>Set in the text</source>
        <translation>Definido no texto</translation>
    </message>
</context>
<context>
    <name>TvxFrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Executar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converter</translation>
    </message>
    <message>
        <source>Convert the listed help files to PDF</source>
        <translation>Converter em PDF os arquivos de ajuda listados</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Stop the run</source>
        <translation>Parar a execução</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Finish the files in hand, then wait</source>
        <translation>Concluir os arquivos em andamento e aguardar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>List the help files of the source folder</source>
        <translation>Listar os arquivos de ajuda da pasta de origem</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Open the target folder</source>
        <translation>Abrir a pasta de destino</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open a batch project</source>
        <translation>Abrir um projeto de lote</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Start a new batch project</source>
        <translation>Começar um novo projeto de lote</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;pções…</translation>
    </message>
    <message>
        <source>Edit the options of the batch project</source>
        <translation>Editar as opções do projeto de lote</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the batch project</source>
        <translation>Salvar o projeto de lote</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como…</translation>
    </message>
    <message>
        <source>Save the batch project under a new name</source>
        <translation>Salvar o projeto de lote com outro nome</translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>Open the download page</source>
        <translation>Abrir a página de downloads</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Guia</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Abrir o guia do usuário</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>Página &amp;inicial</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Abrir a página inicial</translation>
    </message>
    <message>
        <source>&amp;Support...</source>
        <translation>&amp;Suporte…</translation>
    </message>
    <message>
        <source>Write an e-mail to support</source>
        <translation>Escrever um e-mail para o suporte</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop source folder or file(s)</source>
        <translation>Escolha ou arraste a pasta ou os arquivos de origem</translation>
    </message>
    <message>
        <source>&amp;Source</source>
        <translation>&amp;Origem</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Choose a folder and click &quot;Search&quot; to list files</source>
        <translation>Escolha uma pasta e clique em &quot;Procurar&quot; para listar os arquivos</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Choose file(s) and click &quot;Convert&quot; to convert them</source>
        <translation>Escolha arquivos e clique em &quot;Converter&quot;</translation>
    </message>
    <message>
        <source>Su&amp;b folders</source>
        <translation>Su&amp;bpastas</translation>
    </message>
    <message>
        <source>Choose or drag &amp; drop target folder</source>
        <translation>Escolha ou arraste a pasta de destino</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>&amp;Destino</translation>
    </message>
    <message>
        <source>Choose a target folder to save the converted file(s)</source>
        <translation>Escolha a pasta onde salvar os arquivos convertidos</translation>
    </message>
    <message>
        <source>Drag &amp; drop file(s) here and click &quot;Convert&quot; to convert them</source>
        <translation>Arraste arquivos para cá e clique em &quot;Converter&quot;</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Adicionar arquivos…</translation>
    </message>
    <message>
        <source>Open Help File</source>
        <translation>Abrir o arquivo de ajuda</translation>
    </message>
    <message>
        <source>Open Help File&apos;s Folder</source>
        <translation>Abrir a pasta do arquivo de ajuda</translation>
    </message>
    <message>
        <source>Open PDF</source>
        <translation>Abrir PDF</translation>
    </message>
    <message>
        <source>Open Target Folder</source>
        <translation>Abrir a pasta de destino</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Remover da lista</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Exportar a lista…</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convertendo</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Não convertido</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Arquivo de registro</translation>
    </message>
    <message>
        <source>A run is going on: Stop or Pause it first.</source>
        <translation>Há uma execução em andamento: primeiro escolha Parar ou Pausar.</translation>
    </message>
    <message>
        <source>Choose a Target folder for the PDF files.</source>
        <translation>Escolha uma pasta de destino para os arquivos PDF.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Copy Reason</source>
        <translation>Copiar o motivo</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Repetir as que falharam</translation>
    </message>
    <message>
        <source>Show Run Log</source>
        <translation>Mostrar o registro da execução</translation>
    </message>
    <message>
        <source>Choose a Source: a folder to search, or .chm files.</source>
        <translation>Escolha uma origem: uma pasta para procurar ou arquivos .chm.</translation>
    </message>
    <message>
        <source>The Target %1 names no folder.</source>
        <translation>O destino %1 não indica nenhuma pasta.</translation>
    </message>
    <message>
        <source>No %1 files found in %2 (Sub folders %3).</source>
        <translation>Nenhum arquivo %1 encontrado em %2 (subpastas: %3).</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>off</source>
        <translation>não</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>No program could be started to open %1.</source>
        <translation>Nenhum programa pôde ser iniciado para abrir %1.</translation>
    </message>
    <message>
        <source>No failed job to retry.</source>
        <translation>Nenhuma tarefa com falha para repetir.</translation>
    </message>
    <message>
        <source>Run Log</source>
        <translation>Registro da execução</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>Convertido com avisos</translation>
    </message>
    <message>
        <source>No PDF to open: %1 — %2</source>
        <translation>Nenhum PDF para abrir: %1 — %2</translation>
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
        <translation>Ignorado: o PDF já existia e foi mantido</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Converted with warnings</source>
        <translation>Convertido com avisos</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convertendo</translation>
    </message>
    <message>
        <source>Not converted: the run ended first</source>
        <translation>Não convertido: a execução terminou antes</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
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
        <translation>Observação: %1</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Etapas: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
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
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Drop .chm files or folders here, or choose a Source</source>
        <translation>Solte aqui arquivos .chm ou pastas, ou escolha uma origem</translation>
    </message>
</context>
<context>
    <name>ui::RunStatusBar</name>
    <message>
        <source>Working time of the batch</source>
        <translation>Tempo de trabalho do lote</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 com falha</translation>
    </message>
    <message>
        <source>Files found: %1</source>
        <translation>Arquivos encontrados: %1</translation>
    </message>
    <message>
        <source>Paused — Convert resumes</source>
        <translation>Pausado — &quot;Converter&quot; para retomar</translation>
    </message>
</context>
</TS>
