<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>gw::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Versione 3.0</translation>
    </message>
    <message>
        <source>Builds printable word search puzzles from your own word lists, in any shape, with clues, hidden phrases and page layouts of your design.</source>
        <translation>Crea crucipuzzle da stampare a partire dai tuoi elenchi di parole, in qualsiasi forma, con indizi, frasi nascoste e layout di pagina progettati da te.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>gw::AccentKeysDialog</name>
    <message>
        <source>International Characters</source>
        <translation>Caratteri internazionali</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>Ai tasti funzione da F1 a F12 si possono assegnare caratteri internazionali.  Nella finestra di creazione del crucipuzzle, ogni tasto funzione digita il carattere che gli è stato assegnato.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>gw::BonusQuestionDialog</name>
    <message>
        <source>Bonus Question</source>
        <translation>Domanda bonus</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>gw::CandidateWindow</name>
    <message>
        <source>Best Fit</source>
        <translation>Griglia migliore</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Seconda griglia</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Terza griglia</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Quarta griglia</translation>
    </message>
    <message>
        <source>%1 by %2, %3 words placed</source>
        <translation>%1 x %2, %3 parole inserite</translation>
    </message>
    <message>
        <source>Created Puzzle</source>
        <translation>Crucipuzzle creati</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Frase nascosta</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>&amp;Includi frase nascosta</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Senza spazi)</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>&amp;Salva griglia</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>No puzzle</source>
        <translation>Nessun crucipuzzle</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 parola inserita</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 parole inserite</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 parola esclusa</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 parole escluse</translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation>%1 car.</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Una o più parole non sono state inserite nel crucipuzzle.  Salvare comunque il crucipuzzle?</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Perché?</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Select an excluded word to see why it was left out.</source>
        <translation>Seleziona una parola esclusa per vedere perché non è stata inserita.</translation>
    </message>
    <message>
        <source>Every word of the list is in this puzzle.</source>
        <translation>Tutte le parole dell&apos;elenco sono in questo crucipuzzle.</translation>
    </message>
</context>
<context>
    <name>gw::Choosers</name>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Colo&amp;r:</source>
        <translation>Colo&amp;re:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Imposta stampante</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>gw::ChosenReplacement</name>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>Nessuna parola sostitutiva selezionata.  Scegli prima una parola sostitutiva.</translation>
    </message>
</context>
<context>
    <name>gw::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Copie multiple</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Copie da stampare</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>Numero di copie non valido.</translation>
    </message>
</context>
<context>
    <name>gw::DesignPicture</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Elenco parole</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Domanda bonus</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Immagine</translation>
    </message>
</context>
<context>
    <name>gw::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>gw::ExportPuzzlesDialog</name>
    <message>
        <source>Export Word Search Puzzles</source>
        <translation>Esporta crucipuzzle</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Crucipuzzle da esportare</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>&amp;Salva file</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Nessun crucipuzzle selezionato per l&apos;esportazione.</translation>
    </message>
    <message>
        <source>Save Word Search Puzzles</source>
        <translation>Salva crucipuzzle</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>File QUARL (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>Il file di esportazione non può essere il file attualmente aperto.</translation>
    </message>
</context>
<context>
    <name>gw::FormLayout</name>
    <message>
        <source>Too many compenents to save dimensions.</source>
        <translation>Troppi componenti per salvare le dimensioni.</translation>
    </message>
</context>
<context>
    <name>gw::GenerationProgressWindow</name>
    <message>
        <source>Offensive-word screening refused</source>
        <translation>Il filtro delle parole offensive ha respinto</translation>
    </message>
    <message>
        <source>Building Puzzles</source>
        <translation>Creazione dei crucipuzzle</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Interrotto al tentativo n. %1</translation>
    </message>
    <message>
        <source>the attempts: stopped on #%1</source>
        <translation>tutti i tentativi: interrotto al n. %1</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Tentativo n. %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>gw::GridPropertiesDialog</name>
    <message>
        <source>Properties for %1</source>
        <translation>Proprietà di %1</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>Sfondo &amp;trasparente</translation>
    </message>
    <message>
        <source>&amp;Lower Case Letters</source>
        <translation>Lettere &amp;minuscole</translation>
    </message>
    <message>
        <source>&amp;Use Grid</source>
        <translation>Linee della &amp;griglia</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>background</comment>
        <translation>Cambia &amp;sfondo</translation>
    </message>
    <message>
        <source>Grid Line Color</source>
        <translation>Colore delle linee</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>grid lines</comment>
        <translation>Cambia &amp;linee</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Spessore delle linee</translation>
    </message>
</context>
<context>
    <name>gw::Help</name>
    <message>
        <source>The help file could not be located.  Please make sure the help file was installed.</source>
        <translation>Impossibile trovare il file della guida.  Verifica che il file della guida sia stato installato.</translation>
    </message>
    <message>
        <source>The help file is damaged.  Please install it again.</source>
        <translation>Il file della guida è danneggiato.  Installalo di nuovo.</translation>
    </message>
</context>
<context>
    <name>gw::HelpWindow</name>
    <message>
        <source>Gridwright 98 Help</source>
        <translation>Guida di Gridwright 98</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Digita una parola chiave</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Parole da cercare</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation>Argomenti trovati</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Pagina della guida</translation>
    </message>
    <message>
        <source>(no topic holds every word)</source>
        <translation>(nessun argomento contiene tutte le parole)</translation>
    </message>
</context>
<context>
    <name>gw::HiddenPhraseDialog</name>
    <message>
        <source>Hidden Puzzle Phrase</source>
        <translation>Frase nascosta del crucipuzzle</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>&amp;Includi frase nascosta</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Senza spazi)</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Frase nascosta</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation>%1 car.</translation>
    </message>
</context>
<context>
    <name>gw::ImportPuzzlesDialog</name>
    <message>
        <source>Import Word Search Puzzles</source>
        <translation>Importa crucipuzzle</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Nome file: %1</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Crucipuzzle nel file</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>Nessun crucipuzzle selezionato per l&apos;importazione.</translation>
    </message>
</context>
<context>
    <name>gw::InteractivePageDialog</name>
    <message>
        <source>Interactive Web Page</source>
        <translation>Pagina web interattiva</translation>
    </message>
    <message>
        <source>One web page that pupils solve in any browser, on a computer, tablet or phone: they drag across the words they find. The word list is as the print options show it.</source>
        <translation>Una pagina web che gli alunni risolvono in qualsiasi browser, su computer, tablet o telefono: trascinano il puntatore o il dito sulle parole che trovano. L&apos;elenco di parole è quello delle opzioni di stampa.</translation>
    </message>
    <message>
        <source>&amp;Show answers button</source>
        <translation>Pulsante “&amp;Mostra soluzione”</translation>
    </message>
    <message>
        <source>&amp;Open in the browser when saved</source>
        <translation>Apri nel &amp;browser dopo il salvataggio</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Save Interactive Web Page</source>
        <translation>Salva pagina web interattiva</translation>
    </message>
    <message>
        <source>Web Page (*.html)|*.html|Web Page (*.htm)|*.htm</source>
        <translation>Pagina web (*.html)|*.html|Pagina web (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>The page was saved, but no browser could be started to show it.</source>
        <translation>La pagina è stata salvata, ma non è stato possibile avviare un browser per mostrarla.</translation>
    </message>
</context>
<context>
    <name>gw::JpegQualityDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>Fattore JPEG</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>Più alto è il fattore, più nitida è l&apos;immagine, ma più grande è il file.  Più basso è il fattore, più piccolo è il file, ma meno nitida è l&apos;immagine.</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>Fattore di compressione/qualità JPEG (da 1 a 100)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>Fattore non valido.  Il fattore deve essere compreso tra 1 e 100</translation>
    </message>
</context>
<context>
    <name>gw::LanguageChooser</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
</context>
<context>
    <name>gw::LanguageNames</name>
    <message>
        <source>American</source>
        <translation>americano</translation>
    </message>
    <message>
        <source>British</source>
        <translation>britannico</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>spagnolo</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>tedesco</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>olandese</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>svedese</translation>
    </message>
</context>
<context>
    <name>gw::LayoutLibraryDialog</name>
    <message>
        <source>No page layout selected.</source>
        <translation>Nessun layout di pagina selezionato.</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Layout di pagina (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Text, Shapes</source>
        <translation>Testo, forme</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Layout di pagina dei crucipuzzle</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Layout di pagina</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Immagine del layout di pagina</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleziona</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Es&amp;porta</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>Pre&amp;definito</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>Non è stato trovato alcun layout di pagina salvato.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>Nessun layout selezionato.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Vuoi davvero eliminare “%1”?</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Importa layout di pagina</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Esporta layout di pagina</translation>
    </message>
</context>
<context>
    <name>gw::MainWindow</name>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>Nessun crucipuzzle selezionato.  Seleziona prima un crucipuzzle.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Crucipuzzle</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Group</source>
        <translation>&amp;Nuovo gruppo di crucipuzzle</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Group</source>
        <translation>&amp;Apri gruppo di crucipuzzle</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>Nuovo &amp;crucipuzzle</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>&amp;Modifica crucipuzzle</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>C&amp;opia crucipuzzle</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>E&amp;limina crucipuzzle</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>&amp;Importa crucipuzzle</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>Es&amp;porta crucipuzzle</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>S&amp;tampa crucipuzzle</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Imposta &amp;stampante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Layout di pagina</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>&amp;Forma della griglia</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>Di&amp;mensioni schermo</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>Immagine di s&amp;fondo</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>Fattore di compressione &amp;JPEG</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>C&amp;olori per salvare bitmap &amp;&amp; JPEG</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 colori</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 milioni di colori</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>Caratteri &amp;internazionali</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>Tipo di &amp;dizionario</translation>
    </message>
    <message>
        <source>&amp;Choose at Spell Check Time</source>
        <translation>S&amp;cegli al controllo ortografico</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Americano</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britannico</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spagnolo</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francese</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Tedesco</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Olandese</translation>
    </message>
    <message>
        <source>&amp;Swedish</source>
        <translation>S&amp;vedese</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Aggiungi al dizionario</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>&amp;Escludi dal dizionario</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>Dizionario dei &amp;sinonimi</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>S&amp;cegli alla consultazione</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Carattere e&amp;tichette</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>Carattere &amp;campi di testo</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>Carattere &amp;pulsanti</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Lin&amp;gua (Language)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Manuale utente</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>Scambio &amp;dati via Internet</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>&amp;Rivedi i suggerimenti del giorno</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Crea un nuovo gruppo di crucipuzzle</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Apri gruppo di crucipuzzle</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Crea un nuovo crucipuzzle</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Modifica crucipuzzle</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copia crucipuzzle</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Elimina crucipuzzle</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importa crucipuzzle</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Esporta crucipuzzle</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Stampa crucipuzzle</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Crea forma della griglia</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Progettazione layout di pagina</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>File QUARL (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>The file selected is not a valid Gridwright file.</source>
        <translation>Il file selezionato non è un file Gridwright valido.</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3|16 bit QUARL Files (*.QLX)|*.QLX</source>
        <translation>File QUARL (*.QL3)|*.QL3|File QUARL a 16 bit (*.QLX)|*.QLX</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>Il file di importazione non può essere il file attualmente aperto.</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>Impossibile accedere al file dell&apos;elenco di parole.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Modifica crucipuzzle esistente</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Crea un nuovo crucipuzzle (copia di un crucipuzzle esistente)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Vuoi davvero eliminare %1?</translation>
    </message>
    <message>
        <source>Unable to delete puzzle.</source>
        <translation>Impossibile eliminare il crucipuzzle.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Impossibile caricare il crucipuzzle.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Per questo elenco di parole/indizi non è mai stato generato un crucipuzzle. Scegli “File|Modifica crucipuzzle” dal menu e crea prima il crucipuzzle</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 x %2 pixels.</source>
        <translation>La risoluzione attuale dello schermo non supporta %1 x %2 pixel.</translation>
    </message>
    <message>
        <source>Make &amp;Versions…</source>
        <translation>Crea &amp;versioni…</translation>
    </message>
    <message>
        <source>Print Puzzle &amp;Book…</source>
        <translation>Stampa li&amp;bretto di crucipuzzle…</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Impossibile salvare il crucipuzzle.</translation>
    </message>
</context>
<context>
    <name>gw::MakeVersionsDialog</name>
    <message>
        <source>Make Versions</source>
        <translation>Crea versioni</translation>
    </message>
    <message>
        <source>How many versions of %1?</source>
        <translation>Quante versioni di %1?</translation>
    </message>
    <message>
        <source>Number of versions</source>
        <translation>Numero di versioni</translation>
    </message>
    <message>
        <source>Each gets its own grid and a letter after its title.</source>
        <translation>Ognuna avrà una propria griglia e una lettera dopo il titolo.</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Crea</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <source>Aborted: no version was kept.</source>
        <translation>Interrotto: non è stata conservata alcuna versione.</translation>
    </message>
    <message>
        <source>Version %1 of %2</source>
        <translation>Versione %1 di %2</translation>
    </message>
    <message>
        <source>%1: creation attempt #%2</source>
        <translation>%1: tentativo n. %2</translation>
    </message>
</context>
<context>
    <name>gw::Messages</name>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Nessun titolo indicato.  Correggi, per favore.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Nessuna categoria indicata.  Correggi, per favore.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>Non è stata inserita alcuna parola.  Correggi, per favore.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>Il numero di tentativi deve essere compreso tra 1 e 999.  Correggi, per favore.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>La parola “%2” è più lunga della dimensione del crucipuzzle (%1 caratteri).</translation>
    </message>
    <message>
        <source>The word %1 appears more than once.</source>
        <translation>La parola %1 compare più di una volta.</translation>
    </message>
    <message>
        <source>The words %1 appear more than once.</source>
        <translation>Le parole %1 compaiono più di una volta.</translation>
    </message>
    <message>
        <source>The words %1 and %2 more appear more than once.</source>
        <translation>Le parole %1 e altre %2 compaiono più di una volta.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.</source>
        <translation>La frase nascosta contiene spazi.</translation>
    </message>
    <message>
        <source>%1 characters are required for the hidden phrase.  You have entered %2 characters.  Please change your phrase or select not to use a phrase.</source>
        <translation>La frase nascosta deve avere %1 caratteri.  Ne hai inseriti %2.  Modifica la frase o scegli di non usare una frase.</translation>
    </message>
    <message>
        <source>Unable to save the dictionary file %1.</source>
        <translation>Impossibile salvare il file del dizionario %1.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 inches.  Please re-enter width.</source>
        <translation>La larghezza deve essere compresa tra %1 e %2 pollici.  Inserisci di nuovo la larghezza.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 centimeters.  Please re-enter width.</source>
        <translation>La larghezza deve essere compresa tra %1 e %2 centimetri.  Inserisci di nuovo la larghezza.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 inches.  Please re-enter height.</source>
        <translation>L&apos;altezza deve essere compresa tra %1 e %2 pollici.  Inserisci di nuovo l&apos;altezza.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 centimeters.  Please re-enter height.</source>
        <translation>L&apos;altezza deve essere compresa tra %1 e %2 centimetri.  Inserisci di nuovo l&apos;altezza.</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>Posizione sinistra non valida.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>Posizione superiore non valida.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Larghezza non valida.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>Altezza non valida.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Impossibile aggiungere il layout di pagina.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>Il file del layout di pagina è danneggiato o incompatibile.  Importazione interrotta.</translation>
    </message>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>Impossibile eliminare il layout di pagina.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>Non è stato possibile esportare il layout di pagina.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>Layout di pagina esportato!</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>Non è stato possibile importare il layout di pagina.</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>Impossibile creare il file HTML.</translation>
    </message>
    <message>
        <source>Nothing could be drawn</source>
        <translation>Non è stato possibile disegnare nulla</translation>
    </message>
    <message>
        <source>Unable to write the file %1.  %2.</source>
        <translation>Impossibile scrivere il file %1.  %2.</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Le immagini di questo crucipuzzle non verranno salvate nel metafile.</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>Numero di colonne non valido.</translation>
    </message>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>Impossibile trovare una o più immagini del layout di pagina.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>Le parole non entrano nello spazio previsto.  Ingrandisci lo spazio delle parole nel layout di pagina, riduci il carattere delle parole oppure scegli l&apos;opzione “Adatta” per le parole.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>Gli indizi non entrano nello spazio previsto.  Ingrandisci lo spazio degli indizi nel layout di pagina, riduci il carattere degli indizi oppure scegli l&apos;opzione “Adatta” per gli indizi.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>Il testo non entra nello spazio previsto.  Ingrandisci lo spazio del testo nel layout di pagina, riduci il carattere del testo oppure scegli l&apos;opzione “Adatta” per l&apos;oggetto testo.</translation>
    </message>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation>Nessuna stampante configurata; stampa annullata.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>Il file della forma è danneggiato o incompatibile.  Importazione interrotta.</translation>
    </message>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>Impossibile eliminare la forma della griglia.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>Non è stato possibile esportare la forma.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>Forma della griglia esportata!</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>Non è stato possibile importare la forma della griglia.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Impossibile aggiungere la forma.</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>Non è stato possibile importare i crucipuzzle.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>Impossibile importare i crucipuzzle.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>Impossibile esportare i crucipuzzle.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Impossibile salvare il crucipuzzle.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>Impossibile salvare i crucipuzzle.</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;OLDPUZZ.QL3&quot; has been created.</source>
        <translation>È stato creato un nuovo gruppo di crucipuzzle chiamato “OLDPUZZ.QL3”.</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.</source>
        <translation>Non è stato possibile convertire %1 crucipuzzle danneggiato.</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.</source>
        <translation>Non è stato possibile convertire %1 crucipuzzle danneggiati.</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>Non è stato possibile convertire %1 crucipuzzle danneggiato.  Il file della versione precedente è stato conservato come “%2”.</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>Non è stato possibile convertire %1 crucipuzzle danneggiati.  Il file della versione precedente è stato conservato come “%2”.</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>Impossibile aggiungere le forme.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>Le forme della griglia sono state aggiunte.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.</source>
        <translation>Non è stato possibile aggiungere %1 forma danneggiata.</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.</source>
        <translation>Non è stato possibile aggiungere %1 forme danneggiate.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>Non è stato possibile aggiungere %1 forma danneggiata.  Il file della versione precedente è stato conservato come “%2”.</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>Non è stato possibile aggiungere %1 forme danneggiate.  Il file della versione precedente è stato conservato come “%2”.</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Gridwright have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Sono stati trovati crucipuzzle creati con una versione precedente di Gridwright.  Vuoi convertirli in un gruppo di crucipuzzle?</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Gridwright have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Sono state trovate forme create con una versione precedente di Gridwright.  Vuoi aggiungerle all&apos;elenco attuale delle forme della griglia?</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>Non è stato possibile importare il crucipuzzle.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>Il file del crucipuzzle è danneggiato o incompatibile.  Importazione interrotta.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Errore del disco</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Eliminare?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Spelling Status</source>
        <translation>Controllo ortografico</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Ortografia corretta</translation>
    </message>
    <message>
        <source>Input/output error: %1.</source>
        <translation>Errore di input/output: %1.</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>Numero di colonne non valido.</translation>
    </message>
    <message>
        <source>The title holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Il titolo contiene un carattere di controllo (ad esempio una tabulazione o un a capo).  Correggi, per favore.</translation>
    </message>
    <message>
        <source>The category holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>La categoria contiene un carattere di controllo (ad esempio una tabulazione o un a capo).  Correggi, per favore.</translation>
    </message>
    <message>
        <source>The word in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>La parola nella riga %1 contiene un carattere di controllo (ad esempio una tabulazione o un a capo).  Correggi, per favore.</translation>
    </message>
    <message>
        <source>The clue in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>L&apos;indizio nella riga %1 contiene un carattere di controllo (ad esempio una tabulazione o un a capo).  Correggi, per favore.</translation>
    </message>
    <message>
        <source>The bonus question holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>La domanda bonus contiene un carattere di controllo (ad esempio una tabulazione o un a capo).  Correggi, per favore.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.  Please correct.</source>
        <translation>La frase nascosta contiene spazi.  Correggi, per favore.</translation>
    </message>
    <message>
        <source>%1 (noun)</source>
        <translation>%1 (sostantivo)</translation>
    </message>
    <message>
        <source>%1 (verb)</source>
        <translation>%1 (verbo)</translation>
    </message>
    <message>
        <source>%1 (adjective)</source>
        <translation>%1 (aggettivo)</translation>
    </message>
    <message>
        <source>%1 (adverb)</source>
        <translation>%1 (avverbio)</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (Su misura %2&quot; x %3&quot;)  «predefinito»</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)</source>
        <translation>%1 (Su misura %2&quot; x %3&quot;)</translation>
    </message>
    <message>
        <source>%1 (%2)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (%2)  «predefinito»</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>Carattere: %1</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Impossibile creare il file di esportazione.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Su a destra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Giù a destra</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Giù a sinistra</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Su a sinistra</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>altre %1</translation>
    </message>
    <message>
        <source>longer than any line of the shape in the chosen directions (longest line: %1)</source>
        <translation>più lunga di ogni linea della forma nelle direzioni scelte (linea più lunga: %1)</translation>
    </message>
    <message>
        <source>placed in %1 of %2 attempts, crowded out here</source>
        <translation>inserita in %1 tentativi su %2, qui rimasta senza posto</translation>
    </message>
    <message>
        <source>refused by the offensive-word screen</source>
        <translation>respinta dal filtro delle parole offensive</translation>
    </message>
    <message>
        <source>never placed: no free line for it once the other words were in</source>
        <translation>mai inserita: nessuna linea libera dopo l&apos;inserimento delle altre parole</translation>
    </message>
    <message>
        <source>Switching on %1 would give lines of up to %2 letters, enough for %3.</source>
        <translation>Attivando %1, si avrebbero linee fino a %2 lettere, sufficienti per %3.</translation>
    </message>
    <message>
        <source>Switching on %1 would give the crowded-out words more lines to go in.</source>
        <translation>Attivando %1, le parole rimaste senza posto avrebbero più linee a disposizione.</translation>
    </message>
    <message>
        <source>A square shape of %1 x %1 or larger would take the longest word, %2 (%1 letters).</source>
        <translation>Una forma quadrata di %1 x %1 o più grande accoglierebbe la parola più lunga, %2 (%1 lettere).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempt).</source>
        <translation>In media trovano posto %1 parole su %2 (in %3 tentativo).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempts).</source>
        <translation>In media trovano posto %1 parole su %2 (in %3 tentativi).</translation>
    </message>
    <message>
        <source>The offensive-word screen refused every attempt.</source>
        <translation>Il filtro delle parole offensive ha respinto ogni tentativo.</translation>
    </message>
    <message>
        <source>the run kept fewer than %1 candidates</source>
        <translation>la generazione ha prodotto meno di %1 griglie</translation>
    </message>
    <message>
        <source>offensive-word screening refused every attempt</source>
        <translation>il filtro delle parole offensive ha respinto ogni tentativo</translation>
    </message>
    <message>
        <source>no word could be placed: check the directions, the shape and the word lengths</source>
        <translation>non è stato possibile inserire alcuna parola: controlla le direzioni, la forma e la lunghezza delle parole</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Versione %1: %2</translation>
    </message>
    <message>
        <source>Version %1 placed %2 words, fewer than %3.</source>
        <translation>La versione %1 ha inserito %2 parole, meno di %3.</translation>
    </message>
    <message>
        <source>The hidden phrase spelled an offensive word in version %1, so it was left out of it.</source>
        <translation>Nella versione %1 la frase nascosta formava una parola offensiva, quindi è stata omessa.</translation>
    </message>
    <message>
        <source>The hidden phrase does not fit version %1 (%2 leftover cells for %3 letters), so it was left out of it.</source>
        <translation>La frase nascosta non entra nella versione %1 (%2 celle libere per %3 lettere), quindi è stata omessa.</translation>
    </message>
    <message>
        <source>Version %1 has the same grid as an earlier version.</source>
        <translation>La versione %1 ha la stessa griglia di una versione precedente.</translation>
    </message>
    <message>
        <source>%1 (noun), %2</source>
        <translation>%1 (sostantivo), %2</translation>
    </message>
    <message>
        <source>%1 (verb), %2</source>
        <translation>%1 (verbo), %2</translation>
    </message>
    <message>
        <source>%1 (adjective), %2</source>
        <translation>%1 (aggettivo), %2</translation>
    </message>
    <message>
        <source>%1 (adverb), %2</source>
        <translation>%1 (avverbio), %2</translation>
    </message>
    <message>
        <source>the puzzle was never generated</source>
        <translation>il crucipuzzle non è mai stato generato</translation>
    </message>
    <message>
        <source>the puzzle&apos;s grid holds no word to find</source>
        <translation>la griglia del crucipuzzle non contiene parole da trovare</translation>
    </message>
    <message>
        <source>There is no page image: no page, or more than %1 million pixels</source>
        <translation>Nessuna immagine della pagina: nessuna pagina, o più di %1 milioni di pixel</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written.</source>
        <translation>%1 non è un file che si possa scrivere.</translation>
    </message>
    <message>
        <source>%1 exists and is not %2; it is left as it is.</source>
        <translation>%1 esiste già e non è %2; viene lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>a PDF</source>
        <translation>un PDF</translation>
    </message>
    <message>
        <source>a web page</source>
        <translation>una pagina web</translation>
    </message>
    <message>
        <source>Puzzle Letters would not fit in their cells at the large print size.  You will need a larger page, a smaller grid or a layout with more room for the puzzle.</source>
        <translation>Le lettere della griglia non entrano nelle celle con i caratteri grandi.  Serve una pagina più grande, una griglia più piccola o un layout con più spazio per la griglia.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>La stampante %1 non ha accettato il lavoro di stampa.</translation>
    </message>
    <message>
        <source>There were no puzzles to convert in &quot;%1&quot;.</source>
        <translation>In “%1” non c&apos;erano crucipuzzle da convertire.</translation>
    </message>
    <message>
        <source>There were no shapes to add in &quot;%1&quot;.</source>
        <translation>In “%1” non c&apos;erano forme da aggiungere.</translation>
    </message>
    <message>
        <source>%1 holds a puzzle group; nothing was written over it.  Choose another file.</source>
        <translation>%1 contiene un gruppo di crucipuzzle; il file non è stato sovrascritto.  Scegli un altro file.</translation>
    </message>
    <message>
        <source>%1 is a puzzle shape library; nothing was written over it.  Choose another file.</source>
        <translation>%1 è una libreria di forme della griglia; il file non è stato sovrascritto.  Scegli un altro file.</translation>
    </message>
    <message>
        <source>%1 is a page layout library; nothing was written over it.  Choose another file.</source>
        <translation>%1 è una libreria di layout di pagina; il file non è stato sovrascritto.  Scegli un altro file.</translation>
    </message>
    <message>
        <source>%1 holds an exported puzzle shape; nothing was written over it.  Choose another file.</source>
        <translation>%1 contiene una forma della griglia esportata; il file non è stato sovrascritto.  Scegli un altro file.</translation>
    </message>
    <message>
        <source>%1 holds an exported page layout; nothing was written over it.  Choose another file.</source>
        <translation>%1 contiene un layout di pagina esportato; il file non è stato sovrascritto.  Scegli un altro file.</translation>
    </message>
    <message>
        <source>%1 is not a file an export may replace; nothing was written over it.  Choose another file.</source>
        <translation>%1 non può essere sostituito da un&apos;esportazione; il file non è stato sovrascritto.  Scegli un altro file.</translation>
    </message>
    <message>
        <source>%1 is the file being exported from; nothing was written over it.  Choose another file.</source>
        <translation>%1 è il file da cui si sta esportando; non è stato sovrascritto.  Scegli un altro file.</translation>
    </message>
</context>
<context>
    <name>gw::MetafileExportDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Creazione del metafile</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Creazione del metafile in corso...  Attendere.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Metafile creato</translation>
    </message>
</context>
<context>
    <name>gw::ObjectBorderDialog</name>
    <message>
        <source>Border Info for %1</source>
        <translation>Bordo di %1</translation>
    </message>
    <message>
        <source>&amp;Use Border</source>
        <translation>&amp;Usa bordo</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Colore del bordo</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Cambia colore</translation>
    </message>
</context>
<context>
    <name>gw::ObjectDialog</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>gw::ObjectFillDialog</name>
    <message>
        <source>Fill Info for %1</source>
        <translation>Riempimento di %1</translation>
    </message>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>&amp;Riempi la forma</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Colore di riempimento</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Cambia colore</translation>
    </message>
</context>
<context>
    <name>gw::ObjectGeometryDialog</name>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Dimensioni e posizione di %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Valori in pollici</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Valori in centimetri</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>La posizione indicata porta l&apos;oggetto fuori dalla pagina.  Vuoi annullare le modifiche?</translation>
    </message>
</context>
<context>
    <name>gw::ObjectPropertiesDialog</name>
    <message>
        <source>Properties for %1</source>
        <translation>Proprietà di %1</translation>
    </message>
    <message>
        <source>&amp;Tile Bitmap</source>
        <translation>Immagine a &amp;mosaico</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>Sfondo &amp;trasparente</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>A&amp;datta (riduci il carattere)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Numero di colonne</translation>
    </message>
</context>
<context>
    <name>gw::ObjectTextDialog</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
</context>
<context>
    <name>gw::PageDesigner</name>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation>Alcune stampanti non supportano formati di pagina insoliti.  Il risultato stampato potrebbe variare.</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>Il file selezionato non è un&apos;immagine valida.</translation>
    </message>
    <message>
        <source>Pictures (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP</source>
        <translation>Immagini (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Progettazione pagina</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Formato carta</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Su misura</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Verticale</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>Orizzonta&amp;le</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pollici</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Oggetti del crucipuzzle</translation>
    </message>
    <message>
        <source>  Other   Objects</source>
        <translation>  Altri   oggetti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Oggetti</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Piccolo</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Grande</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>&amp;Dimensioni e posizione...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Proprietà</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Bordo</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Riempimento</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>Modifica &amp;testo...</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>&amp;Allineamento testo</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Sinistra</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrato</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Destra</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>&amp;Carattere testo</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>Carica &amp;immagine</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>Porta in primo pia&amp;no</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>Porta &amp;sullo sfondo</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>Impossibile trovare un&apos;immagine di questo layout.</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Carica file immagine</translation>
    </message>
    <message>
        <source>The name of the file selected is too long or holds characters a page layout cannot keep.  Please choose another file.</source>
        <translation>Il nome del file selezionato è troppo lungo o contiene caratteri che un layout di pagina non può conservare.  Scegli un altro file.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Words/Clues</source>
        <translation>Parole/indizi</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Dom. bonus</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>No object selected</source>
        <translation>Nessun oggetto selezionato</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 inches</source>
        <translation>%1: sinistra %2, alto %3, larghezza %4, altezza %5 pollici</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 centimeters</source>
        <translation>%1: sinistra %2, alto %3, larghezza %4, altezza %5 centimetri</translation>
    </message>
    <message>
        <source>Save changes to the page layout?</source>
        <translation>Salvare le modifiche al layout di pagina?</translation>
    </message>
</context>
<context>
    <name>gw::PreviewWindow</name>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>La stampa precedente non è ancora terminata.  Riprova più tardi.</translation>
    </message>
    <message>
        <source>Puzzle Preview</source>
        <translation>Anteprima del crucipuzzle</translation>
    </message>
    <message>
        <source>Puzzle page</source>
        <translation>Pagina del crucipuzzle</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>&amp;Stampa pagina</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>Stampa &amp;più copie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Zoom &amp;Page Width</source>
        <translation>&amp;Larghezza pagina</translation>
    </message>
    <message>
        <source>Zoom &amp;Whole Page</source>
        <translation>&amp;Pagina intera</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Graphic Export</source>
        <translation>&amp;Esportazione grafica</translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation>&amp;Bitmap Windows (BMP)</translation>
    </message>
    <message>
        <source>&amp;JPEG (JPG)</source>
        <translation>&amp;JPEG (JPG)</translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation>Metafile &amp;Windows (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>Metafile &amp;avanzato (EMF)</translation>
    </message>
    <message>
        <source>&amp;PDF...</source>
        <translation>&amp;PDF...</translation>
    </message>
    <message>
        <source>P&amp;NG...</source>
        <translation>P&amp;NG...</translation>
    </message>
    <message>
        <source>&amp;SVG...</source>
        <translation>&amp;SVG...</translation>
    </message>
    <message>
        <source>JPEG Compression &amp;Factor</source>
        <translation>&amp;Fattore di compressione JPEG</translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation>Esportazione &amp;HTML</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom in percent</source>
        <translation>Zoom in percentuale</translation>
    </message>
    <message>
        <source>Zoom Page Width</source>
        <translation>Larghezza pagina</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Pagina intera</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Stampa pagina</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Esporta come bitmap</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Esporta come JPEG</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Esporta come metafile</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Crea pagina web</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Salva crucipuzzle come bitmap</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Bitmap (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Salva crucipuzzle come JPEG</translation>
    </message>
    <message>
        <source>JPeg (*.JPG)|*.JPG</source>
        <translation>JPEG (*.JPG)|*.JPG</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Salva crucipuzzle come metafile</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metafile (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Salva crucipuzzle come metafile avanzato</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Metafile avanzato (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Save Puzzle As PDF</source>
        <translation>Salva crucipuzzle come PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation>Documento PDF (*.PDF)|*.PDF</translation>
    </message>
    <message>
        <source>Save Puzzle As PNG</source>
        <translation>Salva crucipuzzle come PNG</translation>
    </message>
    <message>
        <source>PNG Picture (*.PNG)|*.PNG</source>
        <translation>Immagine PNG (*.PNG)|*.PNG</translation>
    </message>
    <message>
        <source>Save Puzzle As SVG</source>
        <translation>Salva crucipuzzle come SVG</translation>
    </message>
    <message>
        <source>SVG Drawing (*.SVG)|*.SVG</source>
        <translation>Disegno SVG (*.SVG)|*.SVG</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>Pagina pre&amp;cedente</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Pagina &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Interactive Web Page…</source>
        <translation>Pagina web &amp;interattiva…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>A web page cannot be made of this puzzle: %1.</source>
        <translation>Impossibile creare una pagina web da questo crucipuzzle: %1.</translation>
    </message>
</context>
<context>
    <name>gw::PrintOptionsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>&amp;Titolo</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>G&amp;riglia</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words/Clues</source>
        <translation>&amp;Parole/indizi</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>&amp;Domanda bonus</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>&amp;Soluzione</translation>
    </message>
    <message>
        <source>Use &amp;Grid</source>
        <translation>Li&amp;nee griglia</translation>
    </message>
    <message>
        <source>L&amp;ower Case Letters</source>
        <translation>Lettere &amp;minuscole</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Elenco parole</translation>
    </message>
    <message>
        <source>Normal Words</source>
        <translation>Parole normali</translation>
    </message>
    <message>
        <source>Clues </source>
        <translation>Indizi </translation>
    </message>
    <message>
        <source>Scramble Words</source>
        <translation>Lettere mescolate</translation>
    </message>
    <message>
        <source>Partial Words</source>
        <translation>Parziali</translation>
    </message>
    <message>
        <source>Use Underscores</source>
        <translation>Con trattini bassi</translation>
    </message>
    <message>
        <source>Show First</source>
        <translation>Prime</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>lettere</translation>
    </message>
    <message>
        <source>Show Last</source>
        <translation>Ultime</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Numero di colonne</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Immagine del layout di pagina</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>&amp;Anteprima/Stampa</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Imposta stampante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>Cambia &amp;layout pagina</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>Cambia &amp;caratteri</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>Cambia domanda &amp;bonus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Reports Help</source>
        <translation>&amp;Guida alla stampa</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>Numero di colonne non valido.</translation>
    </message>
    <message>
        <source>No printers are defined.</source>
        <translation>Nessuna stampante configurata.</translation>
    </message>
</context>
<context>
    <name>gw::PrintStatusWindow</name>
    <message>
        <source>Report Status Screen</source>
        <translation>Stato della stampa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Stampante: %1</translation>
    </message>
    <message>
        <source>Preparing the page for viewing</source>
        <translation>Preparazione dell&apos;anteprima della pagina</translation>
    </message>
    <message>
        <source>Object %1 of %2</source>
        <translation>Oggetto %1 di %2</translation>
    </message>
    <message>
        <source>Printing Page 1</source>
        <translation>Stampa della pagina 1 in corso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>Generazione del crucipuzzle annullata!</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>Crucipuzzle generato!</translation>
    </message>
</context>
<context>
    <name>gw::Program</name>
    <message>
        <source>Program is already running</source>
        <translation>Il programma è già in esecuzione</translation>
    </message>
    <message>
        <source>Unable to prepare the folder for your puzzle data: %1.</source>
        <translation>Impossibile preparare la cartella per i dati dei crucipuzzle: %1.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzleBookWindow</name>
    <message>
        <source>Each layout&apos;s own paper</source>
        <translation>Carta di ciascun layout</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11 in)</source>
        <translation>Letter (8,5 x 11 pollici)</translation>
    </message>
    <message>
        <source>A4 (210 x 297 mm)</source>
        <translation>A4 (210 x 297 mm)</translation>
    </message>
    <message>
        <source>A5 (148 x 210 mm)</source>
        <translation>A5 (148 x 210 mm)</translation>
    </message>
    <message>
        <source>6 x 9 in</source>
        <translation>6 x 9 pollici</translation>
    </message>
    <message>
        <source>7 x 10 in</source>
        <translation>7 x 10 pollici</translation>
    </message>
    <message>
        <source>Other (W x H in inches)</source>
        <translation>Altro (L x A in pollici)</translation>
    </message>
    <message>
        <source>Print Puzzle Book</source>
        <translation>Stampa libretto di crucipuzzle</translation>
    </message>
    <message>
        <source>Puzzles in the book:</source>
        <translation>Crucipuzzle nel libretto:</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Seleziona &amp;tutti</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Deseleziona tutti</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Formato pagina:</translation>
    </message>
    <message>
        <source>Other page size, width x height in inches</source>
        <translation>Altro formato, larghezza x altezza in pollici</translation>
    </message>
    <message>
        <source>Answer keys:</source>
        <translation>Soluzioni:</translation>
    </message>
    <message>
        <source>At the back</source>
        <translation>In fondo</translation>
    </message>
    <message>
        <source>After each puzzle</source>
        <translation>Dopo ogni griglia</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Keys a page:</source>
        <translation>Per pagina:</translation>
    </message>
    <message>
        <source>Page &amp;numbers, from</source>
        <translation>&amp;Numeri di pagina, da</translation>
    </message>
    <message>
        <source>First page number</source>
        <translation>Numero della prima pagina</translation>
    </message>
    <message>
        <source>&amp;Title page:</source>
        <translation>&amp;Frontespizio:</translation>
    </message>
    <message>
        <source>Title of the title page</source>
        <translation>Titolo del frontespizio</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Large print (14 points at least)</source>
        <translation>Caratteri g&amp;randi (almeno 14 punti)</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Sa&amp;lva come PDF...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>The page size must be a width and a height in inches, such as 5.5 x 8.5, each from 2 to 50.</source>
        <translation>Il formato della pagina deve essere una larghezza e un&apos;altezza in pollici, ad esempio 5.5 x 8.5, ciascuna da 2 a 50.</translation>
    </message>
    <message>
        <source>No puzzles have been chosen for the book.</source>
        <translation>Nessun crucipuzzle scelto per il libretto.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Impossibile caricare il crucipuzzle.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for &quot;%1&quot;. Please select &quot;File|Modify&quot; from the menu and create the puzzle first, or leave it out of the book.</source>
        <translation>Per “%1” non è mai stato generato un crucipuzzle. Scegli “File|Modifica crucipuzzle” dal menu e crea prima il crucipuzzle, oppure lascialo fuori dal libretto.</translation>
    </message>
    <message>
        <source>%1 (page %2): %3</source>
        <translation>%1 (pagina %2): %3</translation>
    </message>
    <message>
        <source>Save Puzzle Book As PDF</source>
        <translation>Salva libretto di crucipuzzle come PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation>Documento PDF (*.PDF)|*.PDF</translation>
    </message>
</context>
<context>
    <name>gw::PuzzleHost</name>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Impossibile salvare il crucipuzzle.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzlePickList</name>
    <message>
        <source>&amp;Select All</source>
        <translation>Seleziona &amp;tutti</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Deseleziona tutti</translation>
    </message>
</context>
<context>
    <name>gw::ShapeEditor</name>
    <message>
        <source>Shape Creator</source>
        <translation>Editor delle forme</translation>
    </message>
    <message>
        <source>Shape grid</source>
        <translation>Griglia della forma</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Sposta griglia</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Sposta in alto</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Sposta in basso</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Regola griglia</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>In&amp;verti</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Clic sinistro: cambia</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Clic destro: riempi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable; row %4, column %5: %6</source>
        <translation>%1 x %2 celle, %3 utilizzabili; riga %4, colonna %5: %6</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>utilizzabile</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>non usata</translation>
    </message>
    <message>
        <source>Width must be between 5 and 30.  Please re-enter width.</source>
        <translation>La larghezza deve essere compresa tra 5 e 30.  Inserisci di nuovo la larghezza.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 30.  Please re-enter height.</source>
        <translation>L&apos;altezza deve essere compresa tra 5 e 30.  Inserisci di nuovo l&apos;altezza.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Impossibile aggiungere la forma.</translation>
    </message>
</context>
<context>
    <name>gw::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Forma della griglia</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Immagine della forma della griglia</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opia</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>Im&amp;porta</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Espo&amp;rta</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Esc&amp;i</translation>
    </message>
</context>
<context>
    <name>gw::ShapeListView</name>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>Non è stata trovata alcuna forma salvata.</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable</source>
        <translation>%1 x %2 celle, %3 utilizzabili</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Vuoi davvero eliminare “%1”?</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Importa forma della griglia</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Forme della griglia (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>Nessuna forma selezionata.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Esporta forma della griglia</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Forma della griglia (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Griglia attuale&gt;</translation>
    </message>
</context>
<context>
    <name>gw::SpellingDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Suggerimenti ortografici</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignora</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>I&amp;nterrompi</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>La parola seguente non è nel dizionario %1.  Qui sotto sono elencati i suggerimenti.</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>%1 non è nel dizionario.  Non è stato trovato alcun suggerimento.</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>Impossibile trovare uno dei file del dizionario.</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Tutte le parole sono state trovate nel dizionario.</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Controllo ortografico interrotto.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Controllo ortografico completato.</translation>
    </message>
</context>
<context>
    <name>gw::SpellingLanguageDialog</name>
    <message>
        <source>Spell Check</source>
        <translation>Controllo ortografico</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Americano</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britannico</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spagnolo</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francese</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Tedesco</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>O&amp;landese</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>S&amp;vedese</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation>Ricerca di sinonimi</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Suggerisci</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Accetta</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>I&amp;nterrompi</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Antonyms</source>
        <translation>Contrari</translation>
    </message>
    <message>
        <source>Synonyms</source>
        <translation>Sinonimi</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>Impossibile trovare il file del dizionario dei sinonimi.</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>Parola non presente nel dizionario dei sinonimi.  Fai clic su “Suggerisci” per vedere possibili parole sostitutive.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>Nessun suggerimento trovato per la parola %1.</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusLanguageDialog</name>
    <message>
        <source>Thesaurus</source>
        <translation>Sinonimi</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Americano</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britannico</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Parole suggerite</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Suggerimenti per</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>gw::TipOfTheDayDialog</name>
    <message>
        <source>You can place hidden phrases in your word search puzzle utilizing the unused letters of the puzzle.</source>
        <translation>Puoi nascondere una frase nel tuo crucipuzzle usando le lettere non utilizzate della griglia.</translation>
    </message>
    <message>
        <source>You can create a text file &quot;badlist.txt&quot; that the program will use to screen for your own offensive words ensuring they do not show up in the puzzle.</source>
        <translation>Puoi creare un file di testo “badlist.txt” con le tue parole offensive: il programma lo userà per controllare che non compaiano nel crucipuzzle.</translation>
    </message>
    <message>
        <source>Every puzzle is checked in all eight directions for offensive words before you see it, and again when its fill letters are chosen.</source>
        <translation>Ogni crucipuzzle viene controllato in tutte e otto le direzioni alla ricerca di parole offensive prima che tu lo veda, e di nuovo quando vengono scelte le lettere di riempimento.</translation>
    </message>
    <message>
        <source>Raise the number of creation attempts (up to 999) to give every word a better chance to fit. The four best grids are offered to you.</source>
        <translation>Aumenta il numero di tentativi (fino a 999) per dare a ogni parola più possibilità di trovare posto. Ti vengono proposte le quattro griglie migliori.</translation>
    </message>
    <message>
        <source>Double click any of the four candidate grids to see it enlarged before you decide which one to save.</source>
        <translation>Fai doppio clic su una delle quattro griglie proposte per vederla ingrandita prima di decidere quale salvare.</translation>
    </message>
    <message>
        <source>The Word Integration slider sets how much the words cross each other. Move it to the right for a tightly woven puzzle.</source>
        <translation>Il cursore Intreccio parole stabilisce quanto le parole si incrociano. Spostalo a destra per un crucipuzzle molto intrecciato.</translation>
    </message>
    <message>
        <source>Turn off directions such as Left, Up and the diagonals to make easier puzzles for young children.</source>
        <translation>Disattiva direzioni come Sinistra, Su e le diagonali per creare crucipuzzle più facili per i bambini piccoli.</translation>
    </message>
    <message>
        <source>Check &quot;Shrink&quot; to let the program trim empty rows and columns from the bottom and right of the finished grid.</source>
        <translation>Seleziona “Riduci” e il programma toglierà le righe e le colonne vuote in basso e a destra della griglia finita.</translation>
    </message>
    <message>
        <source>Puzzles don&apos;t have to be square. Pick a heart, a star or a tree under Puzzle Shape, or draw your own with the shape editor.</source>
        <translation>I crucipuzzle non devono per forza essere quadrati. Scegli un cuore, una stella o un albero in Forma della griglia, oppure disegnane una tua con l&apos;editor delle forme.</translation>
    </message>
    <message>
        <source>In the shape editor a left click toggles one cell and a right click fills a whole region at once.</source>
        <translation>Nell&apos;editor delle forme un clic sinistro attiva o disattiva una cella e un clic destro riempie un&apos;intera area in una volta.</translation>
    </message>
    <message>
        <source>Shapes travel between computers: use Export on the Shapes window and Import on the other machine.</source>
        <translation>Le forme si possono portare su altri computer: usa Esporta nella finestra Forme e Importa sull&apos;altro computer.</translation>
    </message>
    <message>
        <source>Keep your puzzles organized in groups. Each group file holds as many puzzles as you like, sorted by category.</source>
        <translation>Organizza i tuoi crucipuzzle in gruppi. Ogni file di gruppo contiene tutti i crucipuzzle che vuoi, ordinati per categoria.</translation>
    </message>
    <message>
        <source>Use Copy Puzzle to start a new puzzle from an existing word list. The copy gets a number added to its title.</source>
        <translation>Usa Copia crucipuzzle per iniziare un nuovo crucipuzzle da un elenco di parole esistente. La copia riceve un numero in più nel titolo.</translation>
    </message>
    <message>
        <source>Type a clue beside each word to make a clue puzzle: the solver reads the clue and must find the matching word.</source>
        <translation>Scrivi un indizio accanto a ogni parola per creare un crucipuzzle con indizi: chi risolve legge l&apos;indizio e deve trovare la parola corrispondente.</translation>
    </message>
    <message>
        <source>Hide the clue column with &quot;Use Clues&quot; when you only need words. Your clues are kept and come back when you show it again.</source>
        <translation>Nascondi la colonna degli indizi con “Usa indizi” quando ti servono solo le parole. I tuoi indizi vengono conservati e ricompaiono quando la mostri di nuovo.</translation>
    </message>
    <message>
        <source>Words may contain spaces, such as ICE CREAM. The space is left out in the grid, so the solver looks for ICECREAM.</source>
        <translation>Le parole possono contenere spazi, come CAVALLUCCIO MARINO. Nella griglia lo spazio viene tolto, quindi si cerca CAVALLUCCIOMARINO.</translation>
    </message>
    <message>
        <source>Tab and Enter move between the cells of the word list, so a long list can be typed without touching the mouse.</source>
        <translation>Tab e Invio spostano tra le celle dell&apos;elenco di parole, così puoi digitare un lungo elenco senza toccare il mouse.</translation>
    </message>
    <message>
        <source>Import a word list from a text file, one word per line, or words and clues separated by a colon.</source>
        <translation>Importa un elenco di parole da un file di testo, una parola per riga, oppure parole e indizi separati da due punti.</translation>
    </message>
    <message>
        <source>Export your word and clue list to a text file to share it or to edit it in another program.</source>
        <translation>Esporta il tuo elenco di parole e indizi in un file di testo per condividerlo o modificarlo in un altro programma.</translation>
    </message>
    <message>
        <source>A puzzle holds up to 330 words. Words that cannot be placed are listed as excluded words before you save.</source>
        <translation>Un crucipuzzle contiene fino a 330 parole. Le parole che non si possono inserire vengono elencate come parole escluse prima del salvataggio.</translation>
    </message>
    <message>
        <source>Add a bonus question to a puzzle. It can be printed below the grid as an extra challenge.</source>
        <translation>Aggiungi una domanda bonus a un crucipuzzle. Può essere stampata sotto la griglia come sfida in più.</translation>
    </message>
    <message>
        <source>The page layout decides where the title, the grid and the word list go on the printed page. Each puzzle keeps its own copy.</source>
        <translation>Il layout di pagina decide dove vanno il titolo, la griglia e l&apos;elenco di parole sulla pagina stampata. Ogni crucipuzzle ne conserva una propria copia.</translation>
    </message>
    <message>
        <source>Design your own page layouts with text, pictures, rectangles and circles, and make one of them the default for new puzzles.</source>
        <translation>Progetta i tuoi layout di pagina con testo, immagini, rettangoli e cerchi, e rendine uno il predefinito per i nuovi crucipuzzle.</translation>
    </message>
    <message>
        <source>Print the answer key with the words circled in the grid, ready for marking.</source>
        <translation>Stampa la soluzione con le parole cerchiate nella griglia, pronta per la correzione.</translation>
    </message>
    <message>
        <source>Save a puzzle page as a picture or an HTML page to put it on a school web site.</source>
        <translation>Salva una pagina del crucipuzzle come immagine o pagina HTML per pubblicarla sul sito della scuola.</translation>
    </message>
    <message>
        <source>Modify Puzzle lets you change the title, the category, the clues and the bonus question of a stored puzzle without losing its grid.</source>
        <translation>Modifica crucipuzzle ti permette di cambiare il titolo, la categoria, gli indizi e la domanda bonus di un crucipuzzle salvato senza perderne la griglia.</translation>
    </message>
    <message>
        <source>Use Screen Size on the Options menu to make every window larger on a big monitor.</source>
        <translation>Usa Dimensioni schermo nel menu Opzioni per ingrandire tutte le finestre su un monitor grande.</translation>
    </message>
    <message>
        <source>Choose your own fonts for labels, edit boxes and buttons on the Options menu.</source>
        <translation>Nel menu Opzioni puoi scegliere i caratteri per etichette, campi di testo e pulsanti.</translation>
    </message>
    <message>
        <source>The spell checker looks at your words and clues in eight languages, and you can add your own words to its dictionary.</source>
        <translation>Il controllo ortografico esamina parole e indizi in otto lingue, e puoi aggiungere parole tue al suo dizionario.</translation>
    </message>
    <message>
        <source>Press F1 to F12 in the word list to type accented letters such as á, é and ñ.</source>
        <translation>Premi da F1 a F12 nell&apos;elenco di parole per digitare lettere accentate come á, é e ñ.</translation>
    </message>
    <message>
        <source>Turn the background picture of the main window on or off with Background Bitmap on the Options menu.</source>
        <translation>Attiva o disattiva l&apos;immagine di sfondo della finestra principale con Immagine di sfondo nel menu Opzioni.</translation>
    </message>
    <message>
        <source>The thesaurus suggests synonyms for a word and can turn one of them into the word&apos;s clue in a single step.</source>
        <translation>Il dizionario dei sinonimi suggerisce sinonimi per una parola e può trasformarne uno nell&apos;indizio della parola in un solo passaggio.</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Suggerimento del giorno</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Lo sapevi che...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Mostra i suggerimenti all&apos;avvio</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Successivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>gw::UserDictionaryDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Gestione del dizionario</translation>
    </message>
    <message>
        <source>Word to add</source>
        <translation>Parola da aggiungere</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>Queste parole verranno aggiunte al dizionario %1 e considerate valide.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>Queste parole verranno escluse dal dizionario %1 e considerate non valide.</translation>
    </message>
</context>
<context>
    <name>gw::UserManualDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Avviso sul manuale utente</translation>
    </message>
    <message>
        <source>The user manual opens in your document viewer, where you can read and print it. Press Ok to open it now.</source>
        <translation>Il manuale utente si apre nel visualizzatore di documenti, dove puoi leggerlo e stamparlo. Premi OK per aprirlo ora.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>Impossibile trovare il manuale utente.  Verifica che il manuale utente sia stato installato.  Una copia è disponibile sul nostro sito web.</translation>
    </message>
    <message>
        <source>No program to show the user manual could be started.  The manual is %1; open it with any program that reads PDF documents.</source>
        <translation>Non è stato possibile avviare alcun programma per mostrare il manuale utente.  Il manuale si trova in %1; aprilo con un qualsiasi programma che legga documenti PDF.</translation>
    </message>
</context>
<context>
    <name>gw::WebPageWindow</name>
    <message>
        <source>HTML Creation</source>
        <translation>Creazione HTML</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Crea una pagina web</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Prime righe di intestazione</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Seconde righe di intestazione</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Linea orizzontale</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>Qui andrà il crucipuzzle</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Prime righe a piè di pagina</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Seconde righe a piè di pagina</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Titolo della pagina web</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>&amp;Salva HTML</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrato</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>Salva documento HTML</translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation>HTML (*.htm)|*.htm</translation>
    </message>
</context>
<context>
    <name>gw::WordFileDialog</name>
    <message>
        <source>Lines</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Separatore</translation>
    </message>
</context>
<context>
    <name>gw::WordFileExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Parole</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Indizi</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>Parole e i&amp;ndizi</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Deseleziona</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Salva &amp;file</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>Nessuna parola/indizio selezionato per l&apos;esportazione.  Seleziona le parole/gli indizi desiderati.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Salva elenco di parole/indizi</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>testo (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>gw::WordFileImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>Come &amp;parole</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Come &amp;indizi</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>Come parole &amp;e indizi</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Apri file</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Deseleziona</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation>Importa elenco di parole/indizi</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>testo (*.txt)|*.txt|tutti i file (*.*)|*.*</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>Impossibile aprire il file di importazione.</translation>
    </message>
    <message>
        <source>Some characters in this file cannot be used in a puzzle: %1.  They are shown as &quot;?&quot;.</source>
        <translation>Alcuni caratteri di questo file non possono essere usati in un crucipuzzle: %1.  Vengono mostrati come “?”.</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>Nessun separatore tra parola e indizio indicato.</translation>
    </message>
    <message>
        <source>Too many words selected.  Last word will not be used.  Continue?</source>
        <translation>Troppe parole selezionate.  L&apos;ultima parola non verrà usata.  Continuare?</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 words will not be used.  Continue?</source>
        <translation>Troppe parole selezionate.  Le ultime %1 parole non verranno usate.  Continuare?</translation>
    </message>
</context>
<context>
    <name>gw::WordGrid</name>
    <message>
        <source>Cnt</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Indizio</translation>
    </message>
    <message>
        <source>Tab goes from cell to cell; Ctrl+Tab leaves the list.</source>
        <translation>Tab passa da una cella all&apos;altra; Ctrl+Tab esce dall&apos;elenco.</translation>
    </message>
</context>
<context>
    <name>gw::WordListEditor</name>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Giù a destra</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Su a sinistra</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Giù a sinistra</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Su a destra</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Parole e indizi</translation>
    </message>
    <message>
        <source>Use Clues</source>
        <translation>Usa indizi</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>Elimina &amp;tutte</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>Orto&amp;grafia</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>&amp;Sinonimi</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Esp&amp;orta</translation>
    </message>
    <message>
        <source>P&amp;hrase</source>
        <translation>&amp;Frase</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Domanda bonus</translation>
    </message>
    <message>
        <source>Word Directions</source>
        <translation>Direzioni delle parole</translation>
    </message>
    <message>
        <source>Word Integration</source>
        <translation>Intreccio parole</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Rid&amp;uci</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Tentativi</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crea</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Caratteri internazionali</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Forma della griglia</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Immagine della forma della griglia</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Duplica</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Elimin&amp;a</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>Im&amp;porta</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Espo&amp;rta</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Layout di pagina</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Immagine del layout di pagina</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>Cambia la&amp;yout</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Tutte le parole sono già state eliminate.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Verranno rimossi tutte le parole e tutti gli indizi.  Continuare?</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>Il crucipuzzle è stato modificato.  Salvare le modifiche?</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Nessun titolo indicato.  Correggi, per favore.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Nessuna categoria indicata.  Correggi, per favore.</translation>
    </message>
    <message>
        <source>  Continue?</source>
        <translation>  Continuare?</translation>
    </message>
    <message>
        <source>Offensive-word screening refused every attempt, so no puzzle could be made.</source>
        <translation>Il filtro delle parole offensive ha respinto ogni tentativo, quindi non è stato possibile creare alcun crucipuzzle.</translation>
    </message>
    <message>
        <source>Discard the words you typed?</source>
        <translation>Scartare le parole digitate?</translation>
    </message>
    <message>
        <source>About %1 of %2 words will fit</source>
        <translation>Circa %1 parole su %2 troveranno posto</translation>
    </message>
</context>
</TS>
