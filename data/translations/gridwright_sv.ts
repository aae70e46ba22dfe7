<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>gw::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Om programmet</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Version 3.0</translation>
    </message>
    <message>
        <source>Builds printable word search puzzles from your own word lists, in any shape, with clues, hidden phrases and page layouts of your design.</source>
        <translation>Skapar ordjakter att skriva ut från dina egna ordlistor – i valfri form, med ledtrådar, lösningsord och sidlayouter som du utformar själv.</translation>
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
        <translation>Internationella tecken</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>Funktionstangenterna F1 till F12 kan tilldelas valfritt antal internationella tecken.  I fönstret där du skapar pussel skriver funktionstangenterna sedan det tilldelade tecknet.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>gw::BonusQuestionDialog</name>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusfråga</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>gw::CandidateWindow</name>
    <message>
        <source>Best Fit</source>
        <translation>Bästa förslag</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Näst bästa förslag</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Tredje bästa förslag</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Fjärde bästa förslag</translation>
    </message>
    <message>
        <source>%1 by %2, %3 words placed</source>
        <translation>%1 gånger %2, %3 ord placerade</translation>
    </message>
    <message>
        <source>Created Puzzle</source>
        <translation>Skapade pussel</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Lösningsord</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>&amp;Ta med lösningsord</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Utan mellanslag)</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>&amp;Spara pussel</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>No puzzle</source>
        <translation>Inget pussel</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 placerat ord</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 placerade ord</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 utelämnat ord</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 utelämnade ord</translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation>%1 tecken</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Ett eller flera ord fick inte plats i pusslet.  Spara pusslet ändå?</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Varför?</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Råd</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Select an excluded word to see why it was left out.</source>
        <translation>Markera ett utelämnat ord för att se varför det inte kom med.</translation>
    </message>
    <message>
        <source>Every word of the list is in this puzzle.</source>
        <translation>Alla ord i listan finns med i det här pusslet.</translation>
    </message>
</context>
<context>
    <name>gw::Choosers</name>
    <message>
        <source>Font</source>
        <translation>Teckensnitt</translation>
    </message>
    <message>
        <source>Colo&amp;r:</source>
        <translation>&amp;Färg:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Välj...</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Skrivarinställningar</translation>
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
        <translation>Inget ersättningsord har valts.  Välj ett ersättningsord först.</translation>
    </message>
</context>
<context>
    <name>gw::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Flera kopior</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Antal kopior</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>Ogiltigt antal kopior.</translation>
    </message>
</context>
<context>
    <name>gw::DesignPicture</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Pussel</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Ordlista</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusfråga</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rektangel</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>gw::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stäng</translation>
    </message>
</context>
<context>
    <name>gw::ExportPuzzlesDialog</name>
    <message>
        <source>Export Word Search Puzzles</source>
        <translation>Exportera ordjakter</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Pussel som kan exporteras</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Spara &amp;fil</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Inga pussel har valts för export.</translation>
    </message>
    <message>
        <source>Save Word Search Puzzles</source>
        <translation>Spara ordjakter</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>QUARL-filer (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>Exportfilen får inte vara samma fil som den som är öppen nu.</translation>
    </message>
</context>
<context>
    <name>gw::FormLayout</name>
    <message>
        <source>Too many compenents to save dimensions.</source>
        <translation>För många komponenter för att spara måtten.</translation>
    </message>
</context>
<context>
    <name>gw::GenerationProgressWindow</name>
    <message>
        <source>Offensive-word screening refused</source>
        <translation>Kontrollen av stötande ord underkände</translation>
    </message>
    <message>
        <source>Building Puzzles</source>
        <translation>Pussel skapas</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Avbröts vid försök nr %1</translation>
    </message>
    <message>
        <source>the attempts: stopped on #%1</source>
        <translation>alla försök: stoppade vid nr %1</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Försök nr %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Klart</translation>
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
        <translation>Egenskaper för %1</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>&amp;Genomskinlig bakgrund</translation>
    </message>
    <message>
        <source>&amp;Lower Case Letters</source>
        <translation>&amp;Små bokstäver</translation>
    </message>
    <message>
        <source>&amp;Use Grid</source>
        <translation>&amp;Rutnätslinjer</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Bakgrundsfärg</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>background</comment>
        <translation>Ändra &amp;färg</translation>
    </message>
    <message>
        <source>Grid Line Color</source>
        <translation>Färg på rutnätslinjer</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>grid lines</comment>
        <translation>Ä&amp;ndra färg</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Linjebredd</translation>
    </message>
</context>
<context>
    <name>gw::Help</name>
    <message>
        <source>The help file could not be located.  Please make sure the help file was installed.</source>
        <translation>Hjälpfilen hittades inte.  Kontrollera att hjälpfilen har installerats.</translation>
    </message>
    <message>
        <source>The help file is damaged.  Please install it again.</source>
        <translation>Hjälpfilen är skadad.  Installera den igen.</translation>
    </message>
</context>
<context>
    <name>gw::HelpWindow</name>
    <message>
        <source>Gridwright 98 Help</source>
        <translation>Hjälp för Gridwright 98</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Bakåt</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Framåt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Innehåll</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Skriv ett nyckelord</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Ord att söka efter</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Sök</translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation>Hittade avsnitt</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hjälpsida</translation>
    </message>
    <message>
        <source>(no topic holds every word)</source>
        <translation>(inget avsnitt innehåller alla orden)</translation>
    </message>
</context>
<context>
    <name>gw::HiddenPhraseDialog</name>
    <message>
        <source>Hidden Puzzle Phrase</source>
        <translation>Pusslets lösningsord</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>&amp;Ta med lösningsord</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Utan mellanslag)</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Lösningsord</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation>%1 tecken</translation>
    </message>
</context>
<context>
    <name>gw::ImportPuzzlesDialog</name>
    <message>
        <source>Import Word Search Puzzles</source>
        <translation>Importera ordjakter</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Filnamn: %1</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Pussel i filen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>Inga pussel har valts för import.</translation>
    </message>
</context>
<context>
    <name>gw::InteractivePageDialog</name>
    <message>
        <source>Interactive Web Page</source>
        <translation>Interaktiv webbsida</translation>
    </message>
    <message>
        <source>One web page that pupils solve in any browser, on a computer, tablet or phone: they drag across the words they find. The word list is as the print options show it.</source>
        <translation>En webbsida som eleverna löser i valfri webbläsare, på dator, surfplatta eller mobil: de drar över orden de hittar. Ordlistan följer inställningarna för utskrift.</translation>
    </message>
    <message>
        <source>&amp;Show answers button</source>
        <translation>Knapp för att &amp;visa svaren</translation>
    </message>
    <message>
        <source>&amp;Open in the browser when saved</source>
        <translation>&amp;Öppna i webbläsaren när sidan har sparats</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Spara...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Save Interactive Web Page</source>
        <translation>Spara interaktiv webbsida</translation>
    </message>
    <message>
        <source>Web Page (*.html)|*.html|Web Page (*.htm)|*.htm</source>
        <translation>Webbsida (*.html)|*.html|Webbsida (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>The page was saved, but no browser could be started to show it.</source>
        <translation>Sidan sparades, men ingen webbläsare kunde startas för att visa den.</translation>
    </message>
</context>
<context>
    <name>gw::JpegQualityDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>JPEG-faktor</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>Ju högre faktorn är, desto skarpare blir bilden, men desto större blir filen.  Ju lägre faktorn är, desto mindre blir filen, men desto mindre skarp blir bilden.</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>JPEG-komprimering/kvalitetsfaktor (1 - 100)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>Ogiltig faktor.  Faktorn måste vara mellan 1 och 100</translation>
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
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>gw::LanguageNames</name>
    <message>
        <source>American</source>
        <translation>amerikanska</translation>
    </message>
    <message>
        <source>British</source>
        <translation>brittiska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>spanska</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italienska</translation>
    </message>
    <message>
        <source>French</source>
        <translation>franska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>tyska</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>nederländska</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>svenska</translation>
    </message>
</context>
<context>
    <name>gw::LayoutLibraryDialog</name>
    <message>
        <source>No page layout selected.</source>
        <translation>Ingen sidlayout vald.</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Sidlayouter (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Pussel</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Ord</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Text, Shapes</source>
        <translation>Text, former</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Sidlayouter för pussel</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Sidlayouter</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Bild av sidlayouten</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Välj</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Ändra</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importera</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportera</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>Som stan&amp;dard</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>Inga sparade sidlayouter hittades.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>Ingen layout har valts.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Vill du verkligen ta bort ”%1”?</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Importera sidlayouter</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Exportera sidlayouter</translation>
    </message>
</context>
<context>
    <name>gw::MainWindow</name>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>Inget pussel valt.  Välj ett pussel först.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategori</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Pussel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Group</source>
        <translation>&amp;Ny pusselgrupp</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Group</source>
        <translation>&amp;Öppna pusselgrupp</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>Nytt &amp;pussel</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>&amp;Ändra pussel</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>&amp;Kopiera pussel</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>&amp;Ta bort pussel</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>&amp;Importera pussel</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>&amp;Exportera pussel</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>Skriv &amp;ut pussel</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Skrivarinställningar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Sidlayout</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>Pussel&amp;form</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>A&amp;lternativ</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>&amp;Skärmstorlek</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>&amp;Bakgrundsbild</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>&amp;JPEG-komprimeringsfaktor</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>&amp;Färger för att spara BMP &amp;&amp; JPEG</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 färger</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 miljoner färger</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>&amp;Internationella tecken</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>&amp;Ordbok</translation>
    </message>
    <message>
        <source>&amp;Choose at Spell Check Time</source>
        <translation>&amp;Välj vid stavningskontroll</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Amerikansk</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Brittisk</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>S&amp;pansk</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiensk</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Fransk</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Tysk</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Nederländsk</translation>
    </message>
    <message>
        <source>&amp;Swedish</source>
        <translation>&amp;Svensk</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>Lägg &amp;till i ordboken</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>&amp;Uteslut ur ordboken</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>S&amp;ynonymordbok</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>&amp;Välj vid användning</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Teckensnitt för &amp;etiketter</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>Teckensnitt för i&amp;nmatningsfält</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>Teckensnitt för &amp;knappar</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>S&amp;pråk (Language)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Användarhandbok</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>&amp;Datautbyte via Internet</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>&amp;Visa dagens tips</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om programmet</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Skapa ny pusselgrupp</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Öppna pusselgrupp</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Skapa nytt pussel</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Ändra pussel</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Kopiera pussel</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Ta bort pussel</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importera pussel</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Exportera pussel</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Skriv ut pussel</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Skapa pusselform</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Utforma sidlayout</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Avsluta programmet</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>QUARL-filer (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>The file selected is not a valid Gridwright file.</source>
        <translation>Den valda filen är ingen giltig Gridwright-fil.</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3|16 bit QUARL Files (*.QLX)|*.QLX</source>
        <translation>QUARL-filer (*.QL3)|*.QL3|16-bitars QUARL-filer (*.QLX)|*.QLX</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>Importfilen får inte vara samma fil som den som är öppen nu.</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>Det går inte att komma åt ordlistefilen.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Ändra befintligt pussel</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Skapa nytt pussel (kopia av befintligt pussel)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Vill du verkligen ta bort %1?</translation>
    </message>
    <message>
        <source>Unable to delete puzzle.</source>
        <translation>Det gick inte att ta bort pusslet.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Det gick inte att läsa in pusslet.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Inget pussel har skapats för den här ord-/ledtrådslistan än. Välj ”Arkiv|Ändra pussel” på menyn och skapa pusslet först</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 x %2 pixels.</source>
        <translation>Din skärmupplösning har inte stöd för %1 x %2 bildpunkter.</translation>
    </message>
    <message>
        <source>Make &amp;Versions…</source>
        <translation>Skapa &amp;versioner…</translation>
    </message>
    <message>
        <source>Print Puzzle &amp;Book…</source>
        <translation>Skriv ut pussel&amp;bok…</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Det gick inte att spara pusslet.</translation>
    </message>
</context>
<context>
    <name>gw::MakeVersionsDialog</name>
    <message>
        <source>Make Versions</source>
        <translation>Skapa versioner</translation>
    </message>
    <message>
        <source>How many versions of %1?</source>
        <translation>Hur många versioner av %1?</translation>
    </message>
    <message>
        <source>Number of versions</source>
        <translation>Antal versioner</translation>
    </message>
    <message>
        <source>Each gets its own grid and a letter after its title.</source>
        <translation>Varje version får ett eget rutnät och en bokstav efter titeln.</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Skapa</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Aborted: no version was kept.</source>
        <translation>Avbrutet: ingen version sparades.</translation>
    </message>
    <message>
        <source>Version %1 of %2</source>
        <translation>Version %1 av %2</translation>
    </message>
    <message>
        <source>%1: creation attempt #%2</source>
        <translation>%1: försök nr %2</translation>
    </message>
</context>
<context>
    <name>gw::Messages</name>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Ingen titel angiven.  Rätta till det.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Ingen kategori angiven.  Rätta till det.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>Inga ord har skrivits in.  Rätta till det.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>Antalet försök måste vara mellan 1 och 999.  Rätta till det.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>Ordet ”%2” är längre än pusslets storlek på %1 tecken.</translation>
    </message>
    <message>
        <source>The word %1 appears more than once.</source>
        <translation>Ordet %1 förekommer mer än en gång.</translation>
    </message>
    <message>
        <source>The words %1 appear more than once.</source>
        <translation>Orden %1 förekommer mer än en gång.</translation>
    </message>
    <message>
        <source>The words %1 and %2 more appear more than once.</source>
        <translation>Orden %1 och %2 till förekommer mer än en gång.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.</source>
        <translation>Lösningsordet innehåller mellanslag.</translation>
    </message>
    <message>
        <source>%1 characters are required for the hidden phrase.  You have entered %2 characters.  Please change your phrase or select not to use a phrase.</source>
        <translation>Lösningsordet måste ha %1 tecken.  Du har skrivit %2 tecken.  Ändra lösningsordet eller välj att inte använda något.</translation>
    </message>
    <message>
        <source>Unable to save the dictionary file %1.</source>
        <translation>Det gick inte att spara ordboksfilen %1.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 inches.  Please re-enter width.</source>
        <translation>Bredden måste vara mellan %1 och %2 tum.  Ange bredden igen.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 centimeters.  Please re-enter width.</source>
        <translation>Bredden måste vara mellan %1 och %2 centimeter.  Ange bredden igen.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 inches.  Please re-enter height.</source>
        <translation>Höjden måste vara mellan %1 och %2 tum.  Ange höjden igen.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 centimeters.  Please re-enter height.</source>
        <translation>Höjden måste vara mellan %1 och %2 centimeter.  Ange höjden igen.</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>Ogiltig position för vänsterkanten.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>Ogiltig position för överkanten.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ogiltig bredd.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>Ogiltig höjd.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Det gick inte att lägga till sidlayouten.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>Sidlayoutfilen är skadad eller inte kompatibel.  Importen avbröts.</translation>
    </message>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>Det gick inte att ta bort sidlayouten.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>Sidlayouten kunde inte exporteras.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>Sidlayouten har exporterats!</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>Sidlayouten kunde inte importeras.</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>Det gick inte att skapa HTML-filen.</translation>
    </message>
    <message>
        <source>Nothing could be drawn</source>
        <translation>Ingenting kunde ritas</translation>
    </message>
    <message>
        <source>Unable to write the file %1.  %2.</source>
        <translation>Det gick inte att skriva filen %1.  %2.</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Bilderna i det här pusslet sparas inte i metafilen.</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>Ogiltigt antal kolumner.</translation>
    </message>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>En eller flera bilder i sidlayouten hittades inte.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>Pusslets ord fick inte plats på det avsedda utrymmet.  Ge orden mer plats i sidlayouten, minska deras teckenstorlek eller välj ”Anpassa” för orden.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>Pusslets ledtrådar fick inte plats på det avsedda utrymmet.  Ge ledtrådarna mer plats i sidlayouten, minska deras teckenstorlek eller välj ”Anpassa” för ledtrådarna.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>Texten fick inte plats på det avsedda utrymmet.  Ge texten mer plats i sidlayouten, minska dess teckenstorlek eller välj ”Anpassa” för textobjektet.</translation>
    </message>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation>Inga skrivare är installerade; utskriften avbryts.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>Pusselformfilen är skadad eller inte kompatibel.  Importen avbröts.</translation>
    </message>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>Det gick inte att ta bort pusselformen.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>Formen kunde inte exporteras.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>Pusselformen har exporterats!</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>Pusselformen kunde inte importeras.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Det gick inte att lägga till formen.</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>Pusslen kunde inte importeras.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>Det gick inte att importera pusslen.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>Det gick inte att exportera pusslen.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Det gick inte att spara pusslet.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>Det gick inte att spara pusslen.</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;OLDPUZZ.QL3&quot; has been created.</source>
        <translation>En ny pusselgrupp med namnet ”OLDPUZZ.QL3” har skapats.</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.</source>
        <translation>%1 skadat pussel kunde inte konverteras.</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.</source>
        <translation>%1 skadade pussel kunde inte konverteras.</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 skadat pussel kunde inte konverteras.  Filen från den tidigare versionen har sparats som ”%2”.</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 skadade pussel kunde inte konverteras.  Filen från den tidigare versionen har sparats som ”%2”.</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>Det gick inte att lägga till formerna.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>Pusselformerna har lagts till.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.</source>
        <translation>%1 skadad form kunde inte läggas till.</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.</source>
        <translation>%1 skadade former kunde inte läggas till.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 skadad form kunde inte läggas till.  Filen från den tidigare versionen har sparats som ”%2”.</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 skadade former kunde inte läggas till.  Filen från den tidigare versionen har sparats som ”%2”.</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Gridwright have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Egna pussel från en tidigare version av Gridwright har hittats.  Vill du konvertera dem till en pusselgrupp?</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Gridwright have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Egna former från en tidigare version av Gridwright har hittats.  Vill du lägga till dem i listan över pusselformer?</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>Pusslet kunde inte importeras.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>Pusselfilen är skadad eller inte kompatibel.  Importen avbröts.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Diskfel</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Ta bort?</translation>
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
        <translation>Stavningskontroll</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Stavningen är korrekt</translation>
    </message>
    <message>
        <source>Input/output error: %1.</source>
        <translation>In-/utdatafel: %1.</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>Ogiltigt antal kolumner.</translation>
    </message>
    <message>
        <source>The title holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Titeln innehåller ett styrtecken (till exempel en tabb eller en radbrytning).  Rätta till det.</translation>
    </message>
    <message>
        <source>The category holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Kategorin innehåller ett styrtecken (till exempel en tabb eller en radbrytning).  Rätta till det.</translation>
    </message>
    <message>
        <source>The word in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Ordet på rad %1 innehåller ett styrtecken (till exempel en tabb eller en radbrytning).  Rätta till det.</translation>
    </message>
    <message>
        <source>The clue in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Ledtråden på rad %1 innehåller ett styrtecken (till exempel en tabb eller en radbrytning).  Rätta till det.</translation>
    </message>
    <message>
        <source>The bonus question holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Bonusfrågan innehåller ett styrtecken (till exempel en tabb eller en radbrytning).  Rätta till det.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.  Please correct.</source>
        <translation>Lösningsordet innehåller mellanslag.  Rätta till det.</translation>
    </message>
    <message>
        <source>%1 (noun)</source>
        <translation>%1 (substantiv)</translation>
    </message>
    <message>
        <source>%1 (verb)</source>
        <translation>%1 (verb)</translation>
    </message>
    <message>
        <source>%1 (adjective)</source>
        <translation>%1 (adjektiv)</translation>
    </message>
    <message>
        <source>%1 (adverb)</source>
        <translation>%1 (adverb)</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (Anpassad %2&quot; x %3&quot;)  &lt;&lt;FÖRVAL&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)</source>
        <translation>%1 (Anpassad %2&quot; x %3&quot;)</translation>
    </message>
    <message>
        <source>%1 (%2)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (%2)  &lt;&lt;FÖRVAL&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>Teckensnitt för %1</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Det gick inte att skapa exportfilen.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Upp</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Upp höger</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Höger</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Ned höger</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ned</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Ned vänster</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vänster</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Upp vänster</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 och %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 till</translation>
    </message>
    <message>
        <source>longer than any line of the shape in the chosen directions (longest line: %1)</source>
        <translation>längre än alla linjer i formen i de valda riktningarna (längsta linjen: %1)</translation>
    </message>
    <message>
        <source>placed in %1 of %2 attempts, crowded out here</source>
        <translation>placerades i %1 av %2 försök, men trängdes undan här</translation>
    </message>
    <message>
        <source>refused by the offensive-word screen</source>
        <translation>underkändes av kontrollen av stötande ord</translation>
    </message>
    <message>
        <source>never placed: no free line for it once the other words were in</source>
        <translation>placerades aldrig: ingen ledig linje fanns kvar när de andra orden var på plats</translation>
    </message>
    <message>
        <source>Switching on %1 would give lines of up to %2 letters, enough for %3.</source>
        <translation>Om du slår på %1 blir linjerna upp till %2 bokstäver långa, vilket räcker för %3.</translation>
    </message>
    <message>
        <source>Switching on %1 would give the crowded-out words more lines to go in.</source>
        <translation>Om du slår på %1 får de undanträngda orden fler linjer att placeras i.</translation>
    </message>
    <message>
        <source>A square shape of %1 x %1 or larger would take the longest word, %2 (%1 letters).</source>
        <translation>En kvadratisk form på %1 x %1 eller större skulle rymma det längsta ordet, %2 (%1 bokstäver).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempt).</source>
        <translation>I genomsnitt fick %1 av %2 ord plats (under %3 försök).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempts).</source>
        <translation>I genomsnitt fick %1 av %2 ord plats (under %3 försök).</translation>
    </message>
    <message>
        <source>The offensive-word screen refused every attempt.</source>
        <translation>Kontrollen av stötande ord underkände alla försök.</translation>
    </message>
    <message>
        <source>the run kept fewer than %1 candidates</source>
        <translation>körningen gav färre än %1 förslag</translation>
    </message>
    <message>
        <source>offensive-word screening refused every attempt</source>
        <translation>kontrollen av stötande ord underkände alla försök</translation>
    </message>
    <message>
        <source>no word could be placed: check the directions, the shape and the word lengths</source>
        <translation>inget ord kunde placeras: kontrollera riktningarna, formen och ordens längd</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Version %1: %2</translation>
    </message>
    <message>
        <source>Version %1 placed %2 words, fewer than %3.</source>
        <translation>I version %1 placerades %2 ord, färre än %3.</translation>
    </message>
    <message>
        <source>The hidden phrase spelled an offensive word in version %1, so it was left out of it.</source>
        <translation>Lösningsordet bildade ett stötande ord i version %1, så det utelämnades där.</translation>
    </message>
    <message>
        <source>The hidden phrase does not fit version %1 (%2 leftover cells for %3 letters), so it was left out of it.</source>
        <translation>Lösningsordet får inte plats i version %1 (%2 lediga rutor för %3 bokstäver), så det utelämnades där.</translation>
    </message>
    <message>
        <source>Version %1 has the same grid as an earlier version.</source>
        <translation>Version %1 har samma rutnät som en tidigare version.</translation>
    </message>
    <message>
        <source>%1 (noun), %2</source>
        <translation>%1 (substantiv), %2</translation>
    </message>
    <message>
        <source>%1 (verb), %2</source>
        <translation>%1 (verb), %2</translation>
    </message>
    <message>
        <source>%1 (adjective), %2</source>
        <translation>%1 (adjektiv), %2</translation>
    </message>
    <message>
        <source>%1 (adverb), %2</source>
        <translation>%1 (adverb), %2</translation>
    </message>
    <message>
        <source>the puzzle was never generated</source>
        <translation>pusslet har aldrig skapats</translation>
    </message>
    <message>
        <source>the puzzle&apos;s grid holds no word to find</source>
        <translation>pusslets rutnät innehåller inget ord att hitta</translation>
    </message>
    <message>
        <source>There is no page image: no page, or more than %1 million pixels</source>
        <translation>Det finns ingen sidbild: ingen sida, eller fler än %1 miljoner bildpunkter</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written.</source>
        <translation>%1 är ingen fil som går att skriva till.</translation>
    </message>
    <message>
        <source>%1 exists and is not %2; it is left as it is.</source>
        <translation>%1 finns redan och är inte %2; den lämnas orörd.</translation>
    </message>
    <message>
        <source>a PDF</source>
        <translation>en PDF-fil</translation>
    </message>
    <message>
        <source>a web page</source>
        <translation>en webbsida</translation>
    </message>
    <message>
        <source>Puzzle Letters would not fit in their cells at the large print size.  You will need a larger page, a smaller grid or a layout with more room for the puzzle.</source>
        <translation>Pusslets bokstäver fick inte plats i sina rutor med stor stil.  Du behöver en större sida, ett mindre rutnät eller en sidlayout med mer plats för pusslet.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>Skrivaren %1 tog inte emot utskriften.</translation>
    </message>
    <message>
        <source>There were no puzzles to convert in &quot;%1&quot;.</source>
        <translation>Det fanns inga pussel att konvertera i ”%1”.</translation>
    </message>
    <message>
        <source>There were no shapes to add in &quot;%1&quot;.</source>
        <translation>Det fanns inga former att lägga till i ”%1”.</translation>
    </message>
    <message>
        <source>%1 holds a puzzle group; nothing was written over it.  Choose another file.</source>
        <translation>%1 innehåller en pusselgrupp; filen har inte skrivits över.  Välj en annan fil.</translation>
    </message>
    <message>
        <source>%1 is a puzzle shape library; nothing was written over it.  Choose another file.</source>
        <translation>%1 är ett bibliotek med pusselformer; filen har inte skrivits över.  Välj en annan fil.</translation>
    </message>
    <message>
        <source>%1 is a page layout library; nothing was written over it.  Choose another file.</source>
        <translation>%1 är ett bibliotek med sidlayouter; filen har inte skrivits över.  Välj en annan fil.</translation>
    </message>
    <message>
        <source>%1 holds an exported puzzle shape; nothing was written over it.  Choose another file.</source>
        <translation>%1 innehåller en exporterad pusselform; filen har inte skrivits över.  Välj en annan fil.</translation>
    </message>
    <message>
        <source>%1 holds an exported page layout; nothing was written over it.  Choose another file.</source>
        <translation>%1 innehåller en exporterad sidlayout; filen har inte skrivits över.  Välj en annan fil.</translation>
    </message>
    <message>
        <source>%1 is not a file an export may replace; nothing was written over it.  Choose another file.</source>
        <translation>%1 är ingen fil som en export får ersätta; filen har inte skrivits över.  Välj en annan fil.</translation>
    </message>
    <message>
        <source>%1 is the file being exported from; nothing was written over it.  Choose another file.</source>
        <translation>Exporten görs från %1; filen har inte skrivits över.  Välj en annan fil.</translation>
    </message>
</context>
<context>
    <name>gw::MetafileExportDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Skapa metafil</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Metafilen skapas...  Vänta.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Metafilen har skapats</translation>
    </message>
</context>
<context>
    <name>gw::ObjectBorderDialog</name>
    <message>
        <source>Border Info for %1</source>
        <translation>Kantlinje för %1</translation>
    </message>
    <message>
        <source>&amp;Use Border</source>
        <translation>Använd &amp;kantlinje</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Kantlinjefärg</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Ändra &amp;färg</translation>
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
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>gw::ObjectFillDialog</name>
    <message>
        <source>Fill Info for %1</source>
        <translation>Fyllning för %1</translation>
    </message>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>Fyll &amp;i formen</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Fyllningsfärg</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Ändra &amp;färg</translation>
    </message>
</context>
<context>
    <name>gw::ObjectGeometryDialog</name>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Storlek och position för %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vänsterkant</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Överkant</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höjd</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Värden i tum</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Värden i centimeter</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>Med den angivna positionen hamnar objektet utanför sidan.  Vill du förkasta dina ändringar?</translation>
    </message>
</context>
<context>
    <name>gw::ObjectPropertiesDialog</name>
    <message>
        <source>Properties for %1</source>
        <translation>Egenskaper för %1</translation>
    </message>
    <message>
        <source>&amp;Tile Bitmap</source>
        <translation>Bild &amp;sida vid sida</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>&amp;Genomskinlig bakgrund</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>A&amp;npassa (krymp teckensnittet)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Antal kolumner</translation>
    </message>
</context>
<context>
    <name>gw::ObjectTextDialog</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>gw::PageDesigner</name>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation>Vissa skrivare har inte stöd för ovanliga sidformat.  Utskriften kan bli annorlunda.</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>Den valda filen är ingen giltig bildfil.</translation>
    </message>
    <message>
        <source>Pictures (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP</source>
        <translation>Bilder (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmapp (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Sidutformning</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Pappersstorlek</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Anpassad</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>S&amp;tående</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Liggande</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höjd</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Tum</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Pusselobjekt</translation>
    </message>
    <message>
        <source>  Other   Objects</source>
        <translation>  Andra   objekt</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Av&amp;bryt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;täng</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zooma</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Liten</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mellan</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Stor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>&amp;Storlek och position...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Kantlinje</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Fyllning</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>Ändra &amp;text...</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>Text&amp;justering</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Vänster</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrerad</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Höger</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>Te&amp;ckensnitt</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>Läs &amp;in bild</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ta &amp;bort</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>&amp;Placera längst fram</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>Placera längst b&amp;ak</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>En bild i den här layouten hittades inte.</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Läs in bildfil</translation>
    </message>
    <message>
        <source>The name of the file selected is too long or holds characters a page layout cannot keep.  Please choose another file.</source>
        <translation>Namnet på den valda filen är för långt eller innehåller tecken som en sidlayout inte kan spara.  Välj en annan fil.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Pussel</translation>
    </message>
    <message>
        <source>Words/Clues</source>
        <translation>Ordlista</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Bonusfråga</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rektangel</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Sida</translation>
    </message>
    <message>
        <source>No object selected</source>
        <translation>Inget objekt valt</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 inches</source>
        <translation>%1: vänster %2, överkant %3, bredd %4, höjd %5 tum</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 centimeters</source>
        <translation>%1: vänster %2, överkant %3, bredd %4, höjd %5 centimeter</translation>
    </message>
    <message>
        <source>Save changes to the page layout?</source>
        <translation>Spara ändringarna i sidlayouten?</translation>
    </message>
</context>
<context>
    <name>gw::PreviewWindow</name>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>Den förra utskriften är inte klar än.  Försök igen senare.</translation>
    </message>
    <message>
        <source>Puzzle Preview</source>
        <translation>Förhandsgranska pussel</translation>
    </message>
    <message>
        <source>Puzzle page</source>
        <translation>Pusselsida</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>Skriv &amp;ut sidan</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>Skriv ut &amp;flera kopior</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>Zoom &amp;Page Width</source>
        <translation>Zooma till &amp;sidbredd</translation>
    </message>
    <message>
        <source>Zoom &amp;Whole Page</source>
        <translation>Zooma till &amp;hel sida</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zooma &amp;in</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zooma &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Graphic Export</source>
        <translation>&amp;Grafikexport</translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation>Windows-&amp;bitmapp (BMP)</translation>
    </message>
    <message>
        <source>&amp;JPEG (JPG)</source>
        <translation>&amp;JPEG (JPG)</translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation>&amp;Windows-metafil (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>&amp;Utökad metafil (EMF)</translation>
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
        <translation>JPEG-&amp;komprimeringsfaktor</translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation>&amp;HTML-export</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zooma in</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zooma ut</translation>
    </message>
    <message>
        <source>Zoom in percent</source>
        <translation>Zoom i procent</translation>
    </message>
    <message>
        <source>Zoom Page Width</source>
        <translation>Sidbredd</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Hel sida</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Skriv ut sidan</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Exportera som bitmapp</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Exportera som JPEG</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Exportera som metafil</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Skapa webbsida</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Spara pusslet som bitmapp</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Bitmapp (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Spara pusslet som JPEG</translation>
    </message>
    <message>
        <source>JPeg (*.JPG)|*.JPG</source>
        <translation>JPEG (*.JPG)|*.JPG</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Spara pusslet som metafil</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metafil (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Spara pusslet som utökad metafil</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Utökad metafil (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Save Puzzle As PDF</source>
        <translation>Spara pusslet som PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation>PDF-dokument (*.PDF)|*.PDF</translation>
    </message>
    <message>
        <source>Save Puzzle As PNG</source>
        <translation>Spara pusslet som PNG</translation>
    </message>
    <message>
        <source>PNG Picture (*.PNG)|*.PNG</source>
        <translation>PNG-bild (*.PNG)|*.PNG</translation>
    </message>
    <message>
        <source>Save Puzzle As SVG</source>
        <translation>Spara pusslet som SVG</translation>
    </message>
    <message>
        <source>SVG Drawing (*.SVG)|*.SVG</source>
        <translation>SVG-teckning (*.SVG)|*.SVG</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>&amp;Föregående sida</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nästa sida</translation>
    </message>
    <message>
        <source>&amp;Interactive Web Page…</source>
        <translation>&amp;Interaktiv webbsida…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Föregående sida</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sida %1 av %2</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nästa sida</translation>
    </message>
    <message>
        <source>A web page cannot be made of this puzzle: %1.</source>
        <translation>Det går inte att göra en webbsida av det här pusslet: %1.</translation>
    </message>
</context>
<context>
    <name>gw::PrintOptionsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Utskrift</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>Pusselt&amp;itel</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>Pussel&amp;rutnät</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words/Clues</source>
        <translation>&amp;Ord/ledtrådar</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>&amp;Bonusfråga</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>&amp;Facit</translation>
    </message>
    <message>
        <source>Use &amp;Grid</source>
        <translation>Rutnäts&amp;linjer</translation>
    </message>
    <message>
        <source>L&amp;ower Case Letters</source>
        <translation>S&amp;må bokstäver</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Ordlista</translation>
    </message>
    <message>
        <source>Normal Words</source>
        <translation>Vanliga ord</translation>
    </message>
    <message>
        <source>Clues </source>
        <translation>Ledtrådar </translation>
    </message>
    <message>
        <source>Scramble Words</source>
        <translation>Omkastade ord</translation>
    </message>
    <message>
        <source>Partial Words</source>
        <translation>Delvisa ord</translation>
    </message>
    <message>
        <source>Use Underscores</source>
        <translation>Med understreck</translation>
    </message>
    <message>
        <source>Show First</source>
        <translation>Visa första</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>bokstäver</translation>
    </message>
    <message>
        <source>Show Last</source>
        <translation>Visa sista</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Antal kolumner</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Bild av sidlayouten</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>&amp;Visa/skriv ut</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Skrivarinställningar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;täng</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>Ändra sidla&amp;yout</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>Ändra te&amp;ckensnitt</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>Ä&amp;ndra bonusfråga</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Reports Help</source>
        <translation>&amp;Hjälp för utskrift</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>Ogiltigt antal kolumner.</translation>
    </message>
    <message>
        <source>No printers are defined.</source>
        <translation>Inga skrivare är installerade.</translation>
    </message>
</context>
<context>
    <name>gw::PrintStatusWindow</name>
    <message>
        <source>Report Status Screen</source>
        <translation>Utskriftsstatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Skrivare: %1</translation>
    </message>
    <message>
        <source>Preparing the page for viewing</source>
        <translation>Sidan förbereds för visning</translation>
    </message>
    <message>
        <source>Object %1 of %2</source>
        <translation>Objekt %1 av %2</translation>
    </message>
    <message>
        <source>Printing Page 1</source>
        <translation>Sida 1 skrivs ut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>Skapandet av pusslet avbröts!</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>Pusslet har skapats!</translation>
    </message>
</context>
<context>
    <name>gw::Program</name>
    <message>
        <source>Program is already running</source>
        <translation>Programmet körs redan</translation>
    </message>
    <message>
        <source>Unable to prepare the folder for your puzzle data: %1.</source>
        <translation>Det gick inte att förbereda mappen för dina pusseldata: %1.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzleBookWindow</name>
    <message>
        <source>Each layout&apos;s own paper</source>
        <translation>Varje sidlayouts eget papper</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11 in)</source>
        <translation>Letter (8,5 x 11 tum)</translation>
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
        <translation>6 x 9 tum</translation>
    </message>
    <message>
        <source>7 x 10 in</source>
        <translation>7 x 10 tum</translation>
    </message>
    <message>
        <source>Other (W x H in inches)</source>
        <translation>Annan (B x H i tum)</translation>
    </message>
    <message>
        <source>Print Puzzle Book</source>
        <translation>Skriv ut pusselbok</translation>
    </message>
    <message>
        <source>Puzzles in the book:</source>
        <translation>Pussel i boken:</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Markera alla</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>A&amp;vmarkera alla</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Sidstorlek:</translation>
    </message>
    <message>
        <source>Other page size, width x height in inches</source>
        <translation>Annan sidstorlek, bredd x höjd i tum</translation>
    </message>
    <message>
        <source>Answer keys:</source>
        <translation>Facit:</translation>
    </message>
    <message>
        <source>At the back</source>
        <translation>Sist i boken</translation>
    </message>
    <message>
        <source>After each puzzle</source>
        <translation>Efter varje pussel</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Inget</translation>
    </message>
    <message>
        <source>Keys a page:</source>
        <translation>Facit per sida:</translation>
    </message>
    <message>
        <source>Page &amp;numbers, from</source>
        <translation>Sid&amp;nummer från</translation>
    </message>
    <message>
        <source>First page number</source>
        <translation>Första sidnummer</translation>
    </message>
    <message>
        <source>&amp;Title page:</source>
        <translation>&amp;Titelsida:</translation>
    </message>
    <message>
        <source>Title of the title page</source>
        <translation>Titel på titelsidan</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehållsförteckning</translation>
    </message>
    <message>
        <source>&amp;Large print (14 points at least)</source>
        <translation>St&amp;or stil (minst 14 punkter)</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Förhandsvisa</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Spara som &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>The page size must be a width and a height in inches, such as 5.5 x 8.5, each from 2 to 50.</source>
        <translation>Sidstorleken måste vara en bredd och en höjd i tum, till exempel 5.5 x 8.5 (med decimalpunkt), båda mellan 2 och 50.</translation>
    </message>
    <message>
        <source>No puzzles have been chosen for the book.</source>
        <translation>Inga pussel har valts för boken.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Det gick inte att läsa in pusslet.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for &quot;%1&quot;. Please select &quot;File|Modify&quot; from the menu and create the puzzle first, or leave it out of the book.</source>
        <translation>Inget pussel har skapats för ”%1” än. Välj ”Arkiv|Ändra pussel” på menyn och skapa pusslet först, eller ta inte med det i boken.</translation>
    </message>
    <message>
        <source>%1 (page %2): %3</source>
        <translation>%1 (sida %2): %3</translation>
    </message>
    <message>
        <source>Save Puzzle Book As PDF</source>
        <translation>Spara pusselboken som PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation>PDF-dokument (*.PDF)|*.PDF</translation>
    </message>
</context>
<context>
    <name>gw::PuzzleHost</name>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Det gick inte att spara pusslet.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzlePickList</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Markera alla</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>A&amp;vmarkera alla</translation>
    </message>
</context>
<context>
    <name>gw::ShapeEditor</name>
    <message>
        <source>Shape Creator</source>
        <translation>Formredigerare</translation>
    </message>
    <message>
        <source>Shape grid</source>
        <translation>Formens rutnät</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höjd</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Flytta rutnät</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Flytta uppåt</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Flytta åt vänster</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Flytta åt höger</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Flytta nedåt</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Justera rutnät</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>&amp;Invertera</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anvisningar</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Vänsterklick: växla</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Högerklick: fyll</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable; row %4, column %5: %6</source>
        <translation>%1 gånger %2 rutor, %3 användbara; rad %4, kolumn %5: %6</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>användbar</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>används inte</translation>
    </message>
    <message>
        <source>Width must be between 5 and 30.  Please re-enter width.</source>
        <translation>Bredden måste vara mellan 5 och 30.  Ange bredden igen.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 30.  Please re-enter height.</source>
        <translation>Höjden måste vara mellan 5 och 30.  Ange höjden igen.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Det gick inte att lägga till formen.</translation>
    </message>
</context>
<context>
    <name>gw::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Former</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Pusselform</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Bild av pusselformen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Ändra</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stäng</translation>
    </message>
</context>
<context>
    <name>gw::ShapeListView</name>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>Inga sparade former hittades.</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable</source>
        <translation>%1 gånger %2 rutor, %3 användbara</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Vill du verkligen ta bort ”%1”?</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Importera pusselform</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Pusselformer (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>Ingen form vald.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Exportera pusselform</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Pusselform (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Aktuellt pussel&gt;</translation>
    </message>
</context>
<context>
    <name>gw::SpellingDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Stavningsförslag</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Förslag</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersätt</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorera</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lägg till</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>Av&amp;bryt</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>Följande ord finns inte i den %1 ordboken.  Förslag visas nedan.</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>%1 finns inte i ordboken.  Inga förslag hittades.</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>En av ordboksfilerna hittades inte.</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Alla ord fanns i ordboken.</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Stavningskontrollen avbröts.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Stavningskontrollen är klar.</translation>
    </message>
</context>
<context>
    <name>gw::SpellingLanguageDialog</name>
    <message>
        <source>Spell Check</source>
        <translation>Stavningskontroll</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>A&amp;merikansk</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Brittisk</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>S&amp;pansk</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiensk</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Fransk</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Tysk</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Nederländsk</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>&amp;Svensk</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation>Slå upp i synonymordboken</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Ord</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Slå upp</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Föreslå</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Använd</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>Av&amp;bryt</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategori</translation>
    </message>
    <message>
        <source>Antonyms</source>
        <translation>Motsatser</translation>
    </message>
    <message>
        <source>Synonyms</source>
        <translation>Synonymer</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>Synonymordboksfilen hittades inte.</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>Ordet finns inte i synonymordboken.  Klicka på ”Föreslå” för att se möjliga ersättningsord.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>Inga förslag hittades för ordet %1.</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusLanguageDialog</name>
    <message>
        <source>Thesaurus</source>
        <translation>Synonymordbok</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>A&amp;merikansk</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Brittisk</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Ordförslag</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Förslag för</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>gw::TipOfTheDayDialog</name>
    <message>
        <source>You can place hidden phrases in your word search puzzle utilizing the unused letters of the puzzle.</source>
        <translation>Du kan gömma ett lösningsord i din ordjakt med hjälp av pusslets oanvända bokstäver.</translation>
    </message>
    <message>
        <source>You can create a text file &quot;badlist.txt&quot; that the program will use to screen for your own offensive words ensuring they do not show up in the puzzle.</source>
        <translation>Du kan skapa en textfil, ”badlist.txt”, som programmet använder för att sålla bort dina egna stötande ord så att de inte dyker upp i pusslet.</translation>
    </message>
    <message>
        <source>Every puzzle is checked in all eight directions for offensive words before you see it, and again when its fill letters are chosen.</source>
        <translation>Varje pussel kontrolleras i alla åtta riktningar efter stötande ord innan du ser det, och en gång till när fyllnadsbokstäverna väljs.</translation>
    </message>
    <message>
        <source>Raise the number of creation attempts (up to 999) to give every word a better chance to fit. The four best grids are offered to you.</source>
        <translation>Höj antalet försök (upp till 999) så att varje ord får bättre chans att få plats. Du får välja bland de fyra bästa rutnäten.</translation>
    </message>
    <message>
        <source>Double click any of the four candidate grids to see it enlarged before you decide which one to save.</source>
        <translation>Dubbelklicka på något av de fyra föreslagna rutnäten för att se det förstorat innan du bestämmer vilket du vill spara.</translation>
    </message>
    <message>
        <source>The Word Integration slider sets how much the words cross each other. Move it to the right for a tightly woven puzzle.</source>
        <translation>Reglaget Sammanflätning bestämmer hur mycket orden korsar varandra. Dra det åt höger för ett tätt sammanflätat pussel.</translation>
    </message>
    <message>
        <source>Turn off directions such as Left, Up and the diagonals to make easier puzzles for young children.</source>
        <translation>Stäng av riktningar som Vänster, Upp och diagonalerna för att göra enklare pussel för små barn.</translation>
    </message>
    <message>
        <source>Check &quot;Shrink&quot; to let the program trim empty rows and columns from the bottom and right of the finished grid.</source>
        <translation>Markera ”Krymp” så tar programmet bort tomma rader och kolumner längst ned och till höger i det färdiga rutnätet.</translation>
    </message>
    <message>
        <source>Puzzles don&apos;t have to be square. Pick a heart, a star or a tree under Puzzle Shape, or draw your own with the shape editor.</source>
        <translation>Pussel behöver inte vara fyrkantiga. Välj ett hjärta, en stjärna eller ett träd under Pusselform, eller rita en egen form i formredigeraren.</translation>
    </message>
    <message>
        <source>In the shape editor a left click toggles one cell and a right click fills a whole region at once.</source>
        <translation>I formredigeraren växlar ett vänsterklick en enda ruta, och ett högerklick fyller ett helt område på en gång.</translation>
    </message>
    <message>
        <source>Shapes travel between computers: use Export on the Shapes window and Import on the other machine.</source>
        <translation>Former kan flyttas mellan datorer: använd Exportera i fönstret Former och Importera på den andra datorn.</translation>
    </message>
    <message>
        <source>Keep your puzzles organized in groups. Each group file holds as many puzzles as you like, sorted by category.</source>
        <translation>Ordna dina pussel i grupper. Varje gruppfil rymmer hur många pussel som helst, sorterade efter kategori.</translation>
    </message>
    <message>
        <source>Use Copy Puzzle to start a new puzzle from an existing word list. The copy gets a number added to its title.</source>
        <translation>Använd Kopiera pussel för att börja på ett nytt pussel med en befintlig ordlista. Kopian får ett nummer i titeln.</translation>
    </message>
    <message>
        <source>Type a clue beside each word to make a clue puzzle: the solver reads the clue and must find the matching word.</source>
        <translation>Skriv en ledtråd bredvid varje ord för att göra ett ledtrådspussel: eleven läser ledtråden och ska hitta ordet som passar.</translation>
    </message>
    <message>
        <source>Hide the clue column with &quot;Use Clues&quot; when you only need words. Your clues are kept and come back when you show it again.</source>
        <translation>Dölj ledtrådskolumnen med ”Använd ledtrådar” när du bara behöver ord. Ledtrådarna sparas och kommer tillbaka när du visar kolumnen igen.</translation>
    </message>
    <message>
        <source>Words may contain spaces, such as ICE CREAM. The space is left out in the grid, so the solver looks for ICECREAM.</source>
        <translation>Ord får innehålla mellanslag, till exempel VARM KORV. Mellanslaget utelämnas i rutnätet, så eleven letar efter VARMKORV.</translation>
    </message>
    <message>
        <source>Tab and Enter move between the cells of the word list, so a long list can be typed without touching the mouse.</source>
        <translation>Tabb och Retur flyttar mellan rutorna i ordlistan, så en lång lista kan skrivas in utan att du rör musen.</translation>
    </message>
    <message>
        <source>Import a word list from a text file, one word per line, or words and clues separated by a colon.</source>
        <translation>Importera en ordlista från en textfil: ett ord per rad, eller ord och ledtrådar åtskilda av ett kolon.</translation>
    </message>
    <message>
        <source>Export your word and clue list to a text file to share it or to edit it in another program.</source>
        <translation>Exportera din lista med ord och ledtrådar till en textfil för att dela den eller redigera den i ett annat program.</translation>
    </message>
    <message>
        <source>A puzzle holds up to 330 words. Words that cannot be placed are listed as excluded words before you save.</source>
        <translation>Ett pussel rymmer upp till 330 ord. Ord som inte kan placeras visas som utelämnade ord innan du sparar.</translation>
    </message>
    <message>
        <source>Add a bonus question to a puzzle. It can be printed below the grid as an extra challenge.</source>
        <translation>Lägg till en bonusfråga i ett pussel. Den kan skrivas ut under rutnätet som en extra utmaning.</translation>
    </message>
    <message>
        <source>The page layout decides where the title, the grid and the word list go on the printed page. Each puzzle keeps its own copy.</source>
        <translation>Sidlayouten bestämmer var titeln, rutnätet och ordlistan hamnar på den utskrivna sidan. Varje pussel har en egen kopia av den.</translation>
    </message>
    <message>
        <source>Design your own page layouts with text, pictures, rectangles and circles, and make one of them the default for new puzzles.</source>
        <translation>Utforma egna sidlayouter med text, bilder, rektanglar och cirklar, och gör en av dem till standard för nya pussel.</translation>
    </message>
    <message>
        <source>Print the answer key with the words circled in the grid, ready for marking.</source>
        <translation>Skriv ut facit med orden inringade i rutnätet, klart för rättning.</translation>
    </message>
    <message>
        <source>Save a puzzle page as a picture or an HTML page to put it on a school web site.</source>
        <translation>Spara en pusselsida som bild eller HTML-sida för att lägga ut den på skolans webbplats.</translation>
    </message>
    <message>
        <source>Modify Puzzle lets you change the title, the category, the clues and the bonus question of a stored puzzle without losing its grid.</source>
        <translation>Med Ändra pussel kan du ändra titel, kategori, ledtrådar och bonusfråga för ett sparat pussel utan att förlora dess rutnät.</translation>
    </message>
    <message>
        <source>Use Screen Size on the Options menu to make every window larger on a big monitor.</source>
        <translation>Använd Skärmstorlek på menyn Alternativ för att göra alla fönster större på en stor bildskärm.</translation>
    </message>
    <message>
        <source>Choose your own fonts for labels, edit boxes and buttons on the Options menu.</source>
        <translation>Välj egna teckensnitt för etiketter, inmatningsfält och knappar på menyn Alternativ.</translation>
    </message>
    <message>
        <source>The spell checker looks at your words and clues in eight languages, and you can add your own words to its dictionary.</source>
        <translation>Stavningskontrollen granskar dina ord och ledtrådar på åtta språk, och du kan lägga till egna ord i dess ordbok.</translation>
    </message>
    <message>
        <source>Press F1 to F12 in the word list to type accented letters such as á, é and ñ.</source>
        <translation>Tryck på F1 till F12 i ordlistan för att skriva bokstäver med accent, som á, é och ñ.</translation>
    </message>
    <message>
        <source>Turn the background picture of the main window on or off with Background Bitmap on the Options menu.</source>
        <translation>Slå på eller av bakgrundsbilden i huvudfönstret med Bakgrundsbild på menyn Alternativ.</translation>
    </message>
    <message>
        <source>The thesaurus suggests synonyms for a word and can turn one of them into the word&apos;s clue in a single step.</source>
        <translation>Synonymordboken föreslår synonymer till ett ord och kan göra en av dem till ordets ledtråd i ett enda steg.</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Dagens tips</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Visste du...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Visa tips vid start</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nästa tips</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
</context>
<context>
    <name>gw::UserDictionaryDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Hantera ordbok</translation>
    </message>
    <message>
        <source>Word to add</source>
        <translation>Ord att lägga till</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lägg till</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>De här orden läggs till i den %1 ordboken och räknas som korrekta.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>De här orden utesluts ur den %1 ordboken och räknas som felaktiga.</translation>
    </message>
</context>
<context>
    <name>gw::UserManualDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Om användarhandboken</translation>
    </message>
    <message>
        <source>The user manual opens in your document viewer, where you can read and print it. Press Ok to open it now.</source>
        <translation>Användarhandboken öppnas i din dokumentvisare, där du kan läsa och skriva ut den. Klicka på OK för att öppna den nu.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>Användarhandboken hittades inte.  Kontrollera att den har installerats.  Det finns en kopia på vår webbplats.</translation>
    </message>
    <message>
        <source>No program to show the user manual could be started.  The manual is %1; open it with any program that reads PDF documents.</source>
        <translation>Inget program för att visa användarhandboken kunde startas.  Handboken är filen %1; öppna den med valfritt program som kan läsa PDF-dokument.</translation>
    </message>
</context>
<context>
    <name>gw::WebPageWindow</name>
    <message>
        <source>HTML Creation</source>
        <translation>Skapa HTML</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Skapa en webbsida</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Första rubrikrader</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Andra rubrikrader</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Vågrät linje</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>Här hamnar pusslet</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Första sidfotsrader</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Andra sidfotsrader</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Webbsidans titel</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>&amp;Spara HTML</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrera</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Teckenstorlek</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>Spara HTML-dokument</translation>
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
        <translation>Rader</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Avgränsare</translation>
    </message>
</context>
<context>
    <name>gw::WordFileExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Ord</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Ledtrådar</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>Ord o&amp;ch ledtrådar</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Markera alla</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Rensa</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Spara &amp;fil</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>Inga ord/ledtrådar har valts för export.  Markera de ord/ledtrådar du vill ha.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Spara ord-/ledtrådslista</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Text (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>gw::WordFileImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importera</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>Som o&amp;rd</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Som &amp;ledtrådar</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>Som ord o&amp;ch ledtrådar</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Öppna fil</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Markera alla</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>R&amp;ensa</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation>Importera ord-/ledtrådslista</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>Text (*.txt)|*.txt|Alla filer (*.*)|*.*</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>Det gick inte att öppna importfilen.</translation>
    </message>
    <message>
        <source>Some characters in this file cannot be used in a puzzle: %1.  They are shown as &quot;?&quot;.</source>
        <translation>Vissa tecken i den här filen kan inte användas i ett pussel: %1.  De visas som ”?”.</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>Inget avgränsningstecken mellan ord och ledtråd har angetts.</translation>
    </message>
    <message>
        <source>Too many words selected.  Last word will not be used.  Continue?</source>
        <translation>För många ord har markerats.  Det sista ordet används inte.  Fortsätta?</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 words will not be used.  Continue?</source>
        <translation>För många ord har markerats.  De sista %1 orden används inte.  Fortsätta?</translation>
    </message>
</context>
<context>
    <name>gw::WordGrid</name>
    <message>
        <source>Cnt</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>U</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Ord</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Ledtråd</translation>
    </message>
    <message>
        <source>Tab goes from cell to cell; Ctrl+Tab leaves the list.</source>
        <translation>Tabb flyttar från ruta till ruta; Ctrl+Tabb lämnar listan.</translation>
    </message>
</context>
<context>
    <name>gw::WordListEditor</name>
    <message>
        <source>Right</source>
        <translation>Höger</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vänster</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ned</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Upp</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Ned höger</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Upp vänster</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Ned vänster</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Upp höger</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategori</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Ord och ledtrådar</translation>
    </message>
    <message>
        <source>Use Clues</source>
        <translation>Använd ledtrådar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Ta &amp;bort</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>Ta bort &amp;alla</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>Sta&amp;vning</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>S&amp;ynonymer</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importera</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportera</translation>
    </message>
    <message>
        <source>P&amp;hrase</source>
        <translation>&amp;Lösningsord</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusfråga</translation>
    </message>
    <message>
        <source>Word Directions</source>
        <translation>Ordriktningar</translation>
    </message>
    <message>
        <source>Word Integration</source>
        <translation>Sammanflätning</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>&amp;Krymp</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Försök</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Skapa</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>S&amp;para</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;täng</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Internationella tecken</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Pusselform</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Bild av pusselformen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opiera</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Ändra</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ta bo&amp;rt</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>I&amp;mportera</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>E&amp;xportera</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Sidlayout</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Bild av sidlayouten</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>Byt layo&amp;ut</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Ord</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Alla ord är redan borttagna.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Detta tar bort alla ord och ledtrådar.  Fortsätta?</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>Pusslet har ändrats.  Spara ändringarna?</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Ingen titel angiven.  Rätta till det.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Ingen kategori angiven.  Rätta till det.</translation>
    </message>
    <message>
        <source>  Continue?</source>
        <translation>  Fortsätta?</translation>
    </message>
    <message>
        <source>Offensive-word screening refused every attempt, so no puzzle could be made.</source>
        <translation>Kontrollen av stötande ord underkände alla försök, så inget pussel kunde skapas.</translation>
    </message>
    <message>
        <source>Discard the words you typed?</source>
        <translation>Kasta bort orden du har skrivit?</translation>
    </message>
    <message>
        <source>About %1 of %2 words will fit</source>
        <translation>Ungefär %1 av %2 ord får plats</translation>
    </message>
</context>
</TS>
