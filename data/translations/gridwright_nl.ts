<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>gw::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Programma-info</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Versie 3.0</translation>
    </message>
    <message>
        <source>Builds printable word search puzzles from your own word lists, in any shape, with clues, hidden phrases and page layouts of your design.</source>
        <translation>Maakt afdrukbare woordzoekers van uw eigen woordenlijsten, in elke vorm, met aanwijzingen, verborgen zinnen en zelf ontworpen pagina-indelingen.</translation>
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
        <translation>Internationale tekens</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>Aan de functietoetsen F1 tot en met F12 kunt u internationale tekens toewijzen.  In het venster voor het maken van puzzels typt een functietoets dan het toegewezen teken.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>gw::BonusQuestionDialog</name>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusvraag</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>gw::CandidateWindow</name>
    <message>
        <source>Best Fit</source>
        <translation>Beste resultaat</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Tweede resultaat</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Derde resultaat</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Vierde resultaat</translation>
    </message>
    <message>
        <source>%1 by %2, %3 words placed</source>
        <translation>%1 bij %2, %3 woorden geplaatst</translation>
    </message>
    <message>
        <source>Created Puzzle</source>
        <translation>Gemaakte puzzels</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Verborgen zin</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>&amp;Verborgen zin opnemen</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Zonder spaties)</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>Puzzel &amp;opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>No puzzle</source>
        <translation>Geen puzzel</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 geplaatst woord</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 geplaatste woorden</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 niet geplaatst woord</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 niet geplaatste woorden</translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation>%1 tekens</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Een of meer woorden pasten niet in de puzzel.  Puzzel toch opslaan?</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Waarom?</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggesties</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Select an excluded word to see why it was left out.</source>
        <translation>Selecteer een niet geplaatst woord om te zien waarom het is weggelaten.</translation>
    </message>
    <message>
        <source>Every word of the list is in this puzzle.</source>
        <translation>Alle woorden van de lijst staan in deze puzzel.</translation>
    </message>
</context>
<context>
    <name>gw::Choosers</name>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>Colo&amp;r:</source>
        <translation>&amp;Kleur:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Kiezen...</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Printerinstellingen</translation>
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
        <translation>Er is geen vervangend woord geselecteerd.  Kies eerst een vervangend woord.</translation>
    </message>
</context>
<context>
    <name>gw::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Meerdere exemplaren</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Aantal exemplaren</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>Ongeldig aantal exemplaren ingevoerd.</translation>
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
        <translation>Puzzel</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Woordenlijst</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusvraag</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Afbeelding</translation>
    </message>
</context>
<context>
    <name>gw::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>gw::ExportPuzzlesDialog</name>
    <message>
        <source>Export Word Search Puzzles</source>
        <translation>Woordzoekers exporteren</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Puzzels om te exporteren</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Er zijn geen puzzels geselecteerd om te exporteren.</translation>
    </message>
    <message>
        <source>Save Word Search Puzzles</source>
        <translation>Woordzoekers opslaan</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>QUARL-bestanden (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>Het exportbestand mag niet het bestand zijn dat nu geopend is.</translation>
    </message>
</context>
<context>
    <name>gw::FormLayout</name>
    <message>
        <source>Too many compenents to save dimensions.</source>
        <translation>Te veel onderdelen om de afmetingen op te slaan.</translation>
    </message>
</context>
<context>
    <name>gw::GenerationProgressWindow</name>
    <message>
        <source>Offensive-word screening refused</source>
        <translation>Filter op ongepaste woorden weigerde</translation>
    </message>
    <message>
        <source>Building Puzzles</source>
        <translation>Puzzels worden gemaakt</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Afbreken</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Afgebroken bij poging nr. %1</translation>
    </message>
    <message>
        <source>the attempts: stopped on #%1</source>
        <translation>alle pogingen: gestopt bij nr. %1</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Poging nr. %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Klaar</translation>
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
        <translation>Eigenschappen van %1</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>&amp;Transparante achtergrond</translation>
    </message>
    <message>
        <source>&amp;Lower Case Letters</source>
        <translation>&amp;Kleine letters</translation>
    </message>
    <message>
        <source>&amp;Use Grid</source>
        <translation>&amp;Rasterlijnen</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Achtergrondkleur</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>background</comment>
        <translation>Kleur &amp;wijzigen</translation>
    </message>
    <message>
        <source>Grid Line Color</source>
        <translation>Kleur rasterlijnen</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>grid lines</comment>
        <translation>Kleur w&amp;ijzigen</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Lijndikte</translation>
    </message>
</context>
<context>
    <name>gw::Help</name>
    <message>
        <source>The help file could not be located.  Please make sure the help file was installed.</source>
        <translation>Het helpbestand is niet gevonden.  Controleer of het helpbestand is geïnstalleerd.</translation>
    </message>
    <message>
        <source>The help file is damaged.  Please install it again.</source>
        <translation>Het helpbestand is beschadigd.  Installeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>gw::HelpWindow</name>
    <message>
        <source>Gridwright 98 Help</source>
        <translation>Help bij Gridwright 98</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Typ een trefwoord</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Te zoeken woorden</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation>Gevonden onderwerpen</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Helppagina</translation>
    </message>
    <message>
        <source>(no topic holds every word)</source>
        <translation>(geen onderwerp bevat alle woorden)</translation>
    </message>
</context>
<context>
    <name>gw::HiddenPhraseDialog</name>
    <message>
        <source>Hidden Puzzle Phrase</source>
        <translation>Verborgen zin van de puzzel</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>&amp;Verborgen zin opnemen</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Zonder spaties)</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Verborgen zin</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation>%1 tekens</translation>
    </message>
</context>
<context>
    <name>gw::ImportPuzzlesDialog</name>
    <message>
        <source>Import Word Search Puzzles</source>
        <translation>Woordzoekers importeren</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Bestandsnaam: %1</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Puzzels in het bestand</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Annu&amp;leren</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>Er zijn geen puzzels geselecteerd om te importeren.</translation>
    </message>
</context>
<context>
    <name>gw::InteractivePageDialog</name>
    <message>
        <source>Interactive Web Page</source>
        <translation>Interactieve webpagina</translation>
    </message>
    <message>
        <source>One web page that pupils solve in any browser, on a computer, tablet or phone: they drag across the words they find. The word list is as the print options show it.</source>
        <translation>Eén webpagina die leerlingen in elke browser oplossen, op computer, tablet of telefoon: ze slepen over de woorden die ze vinden. De woordenlijst volgt de afdrukopties.</translation>
    </message>
    <message>
        <source>&amp;Show answers button</source>
        <translation>Knop om de oplossing te &amp;tonen</translation>
    </message>
    <message>
        <source>&amp;Open in the browser when saved</source>
        <translation>Na opslaan in de &amp;browser openen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Opslaan...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Save Interactive Web Page</source>
        <translation>Interactieve webpagina opslaan</translation>
    </message>
    <message>
        <source>Web Page (*.html)|*.html|Web Page (*.htm)|*.htm</source>
        <translation>Webpagina (*.html)|*.html|Webpagina (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>The page was saved, but no browser could be started to show it.</source>
        <translation>De pagina is opgeslagen, maar er kon geen browser worden gestart om hem te tonen.</translation>
    </message>
</context>
<context>
    <name>gw::JpegQualityDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>JPEG-factor</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>Hoe hoger de factor, hoe scherper de afbeelding, maar hoe groter het bestand.  Hoe lager de factor, hoe kleiner het bestand, maar hoe minder scherp de afbeelding.</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>JPEG-compressie/kwaliteitsfactor (1 - 100)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>Ongeldige factor.  De factor moet tussen 1 en 100 liggen</translation>
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
        <translation>Annu&amp;leren</translation>
    </message>
</context>
<context>
    <name>gw::LanguageNames</name>
    <message>
        <source>American</source>
        <translation>Amerikaans</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Brits</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
</context>
<context>
    <name>gw::LayoutLibraryDialog</name>
    <message>
        <source>No page layout selected.</source>
        <translation>Geen pagina-indeling geselecteerd.</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Pagina-indelingen (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Puzzel</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
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
        <translation>Tekst, vormen</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Pagina-indelingen</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Pagina-indelingen</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Afbeelding van de pagina-indeling</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Kiezen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Ko&amp;piëren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>Als stan&amp;daard</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>Er zijn geen opgeslagen pagina-indelingen gevonden.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>Er is geen indeling geselecteerd.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Weet u zeker dat u &quot;%1&quot; wilt verwijderen?</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Pagina-indelingen importeren</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Pagina-indelingen exporteren</translation>
    </message>
</context>
<context>
    <name>gw::MainWindow</name>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>Geen puzzel geselecteerd.  Selecteer eerst een puzzel.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Puzzels</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Group</source>
        <translation>&amp;Nieuwe puzzelgroep</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Group</source>
        <translation>Puzzelgroep &amp;openen</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>Nieuwe &amp;puzzel</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>Puzzel &amp;wijzigen</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>Puzzel &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>Puzzel &amp;verwijderen</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>Puzzels &amp;importeren</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>Puzzels &amp;exporteren</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>Puzzel af&amp;drukken</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>P&amp;rinterinstellingen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Pagina-indeling</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>Puzzel&amp;vorm</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>&amp;Schermgrootte</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>&amp;Achtergrondafbeelding</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>&amp;JPEG-compressiefactor</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>&amp;Kleuren bij opslaan van BMP &amp;&amp; JPEG</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 kleuren</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 miljoen kleuren</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>&amp;Internationale tekens</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>&amp;Woordenboek</translation>
    </message>
    <message>
        <source>&amp;Choose at Spell Check Time</source>
        <translation>&amp;Kiezen bij spellingcontrole</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Amerikaans</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Brits</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spaans</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiaans</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Frans</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Duits</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Nederlands</translation>
    </message>
    <message>
        <source>&amp;Swedish</source>
        <translation>&amp;Zweeds</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Toevoegen aan woordenboek</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>&amp;Uitsluiten van woordenboek</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>S&amp;ynoniemen</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>&amp;Kiezen bij opzoeken</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Lettertype &amp;labels</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>Lettertype in&amp;voervelden</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>Lettertype k&amp;noppen</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Taal (Lan&amp;guage)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>&amp;Gegevens uitwisselen via internet</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>&amp;Tips van de dag bekijken</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Programma-info</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Nieuwe puzzelgroep maken</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Puzzelgroep openen</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Nieuwe puzzel maken</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Puzzel wijzigen</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Puzzel kopiëren</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Puzzel verwijderen</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Puzzels importeren</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Puzzels exporteren</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Puzzel afdrukken</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Puzzelvorm maken</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Pagina-indeling ontwerpen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programma afsluiten</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>QUARL-bestanden (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>The file selected is not a valid Gridwright file.</source>
        <translation>Het gekozen bestand is geen geldig Gridwright-bestand.</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3|16 bit QUARL Files (*.QLX)|*.QLX</source>
        <translation>QUARL-bestanden (*.QL3)|*.QL3|16-bits QUARL-bestanden (*.QLX)|*.QLX</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>Het importbestand mag niet het bestand zijn dat nu geopend is.</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>Geen toegang tot het woordenlijstbestand.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Bestaande puzzel wijzigen</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Nieuwe puzzel maken (kopie van een bestaande puzzel)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Weet u zeker dat u %1 wilt verwijderen?</translation>
    </message>
    <message>
        <source>Unable to delete puzzle.</source>
        <translation>Kan de puzzel niet verwijderen.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Kan de puzzel niet laden.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Voor deze lijst met woorden/aanwijzingen is nog nooit een puzzel gemaakt. Kies in het menu &quot;Bestand|Puzzel wijzigen&quot; en maak eerst de puzzel</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 x %2 pixels.</source>
        <translation>Uw huidige schermresolutie ondersteunt geen %1 x %2 pixels.</translation>
    </message>
    <message>
        <source>Make &amp;Versions…</source>
        <translation>Versies &amp;maken…</translation>
    </message>
    <message>
        <source>Print Puzzle &amp;Book…</source>
        <translation>Puzzel&amp;boek afdrukken…</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Kan de puzzel niet opslaan.</translation>
    </message>
</context>
<context>
    <name>gw::MakeVersionsDialog</name>
    <message>
        <source>Make Versions</source>
        <translation>Versies maken</translation>
    </message>
    <message>
        <source>How many versions of %1?</source>
        <translation>Hoeveel versies van %1?</translation>
    </message>
    <message>
        <source>Number of versions</source>
        <translation>Aantal versies</translation>
    </message>
    <message>
        <source>Each gets its own grid and a letter after its title.</source>
        <translation>Elke versie krijgt een eigen raster en een letter na de titel.</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Maken</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Afbreken</translation>
    </message>
    <message>
        <source>Aborted: no version was kept.</source>
        <translation>Afgebroken: er is geen versie bewaard.</translation>
    </message>
    <message>
        <source>Version %1 of %2</source>
        <translation>Versie %1 van %2</translation>
    </message>
    <message>
        <source>%1: creation attempt #%2</source>
        <translation>%1: poging nr. %2</translation>
    </message>
</context>
<context>
    <name>gw::Messages</name>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Geen titel opgegeven.  Corrigeer dit.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Geen categorie opgegeven.  Corrigeer dit.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>Er zijn geen woorden ingevoerd.  Corrigeer dit.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>Het aantal pogingen moet tussen 1 en 999 liggen.  Corrigeer dit.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>Het woord &quot;%2&quot; is langer dan de puzzelgrootte van %1 tekens.</translation>
    </message>
    <message>
        <source>The word %1 appears more than once.</source>
        <translation>Het woord %1 komt meer dan eens voor.</translation>
    </message>
    <message>
        <source>The words %1 appear more than once.</source>
        <translation>De woorden %1 komen meer dan eens voor.</translation>
    </message>
    <message>
        <source>The words %1 and %2 more appear more than once.</source>
        <translation>De woorden %1 en nog %2 andere komen meer dan eens voor.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.</source>
        <translation>De verborgen zin bevat spaties.</translation>
    </message>
    <message>
        <source>%1 characters are required for the hidden phrase.  You have entered %2 characters.  Please change your phrase or select not to use a phrase.</source>
        <translation>Voor de verborgen zin zijn %1 tekens nodig.  U hebt %2 tekens ingevoerd.  Wijzig de zin of kies ervoor geen zin te gebruiken.</translation>
    </message>
    <message>
        <source>Unable to save the dictionary file %1.</source>
        <translation>Kan het woordenboekbestand %1 niet opslaan.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 inches.  Please re-enter width.</source>
        <translation>De breedte moet tussen %1 en %2 inch liggen.  Voer de breedte opnieuw in.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 centimeters.  Please re-enter width.</source>
        <translation>De breedte moet tussen %1 en %2 centimeter liggen.  Voer de breedte opnieuw in.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 inches.  Please re-enter height.</source>
        <translation>De hoogte moet tussen %1 en %2 inch liggen.  Voer de hoogte opnieuw in.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 centimeters.  Please re-enter height.</source>
        <translation>De hoogte moet tussen %1 en %2 centimeter liggen.  Voer de hoogte opnieuw in.</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>Ongeldige waarde voor Links ingevoerd.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>Ongeldige waarde voor Boven ingevoerd.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ongeldige breedte ingevoerd.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>Ongeldige hoogte ingevoerd.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Kan de pagina-indeling niet toevoegen.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>Het bestand met de pagina-indeling is beschadigd of niet compatibel.  Importeren afgebroken.</translation>
    </message>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>Kan de pagina-indeling niet verwijderen.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>De pagina-indeling kon niet worden geëxporteerd.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>Pagina-indeling geëxporteerd!</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>De pagina-indeling kon niet worden geïmporteerd.</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>Kan het HTML-bestand niet maken.</translation>
    </message>
    <message>
        <source>Nothing could be drawn</source>
        <translation>Er kon niets worden getekend</translation>
    </message>
    <message>
        <source>Unable to write the file %1.  %2.</source>
        <translation>Kan het bestand %1 niet schrijven.  %2.</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Afbeeldingen in deze puzzel worden niet in het metabestand opgeslagen.</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>Ongeldig aantal kolommen opgegeven.</translation>
    </message>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>Een of meer afbeeldingen van de pagina-indeling zijn niet gevonden.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>De woorden passen niet in de beschikbare ruimte.  Vergroot de ruimte voor de woorden in de pagina-indeling, verklein hun lettergrootte of kies voor de woorden &quot;Passend maken&quot;.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>De aanwijzingen passen niet in de beschikbare ruimte.  Vergroot de ruimte voor de aanwijzingen in de pagina-indeling, verklein hun lettergrootte of kies voor de aanwijzingen &quot;Passend maken&quot;.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>De tekst past niet in de beschikbare ruimte.  Vergroot de ruimte voor de tekst in de pagina-indeling, verklein de lettergrootte of kies voor het tekstobject &quot;Passend maken&quot;.</translation>
    </message>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation>Er zijn geen printers ingesteld; de afdruktaak wordt afgebroken.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>Het bestand met de puzzelvorm is beschadigd of niet compatibel.  Importeren afgebroken.</translation>
    </message>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>Kan de puzzelvorm niet verwijderen.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>De vorm kon niet worden geëxporteerd.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>Puzzelvorm geëxporteerd!</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>De puzzelvorm kon niet worden geïmporteerd.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Kan de vorm niet toevoegen.</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>De puzzels konden niet worden geïmporteerd.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>Kan de puzzels niet importeren.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>Kan de puzzels niet exporteren.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Kan de puzzel niet opslaan.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>Kan de puzzels niet opslaan.</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;OLDPUZZ.QL3&quot; has been created.</source>
        <translation>Er is een nieuwe puzzelgroep met de naam &quot;OLDPUZZ.QL3&quot; gemaakt.</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.</source>
        <translation>%1 beschadigde puzzel kon niet worden omgezet.</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.</source>
        <translation>%1 beschadigde puzzels konden niet worden omgezet.</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 beschadigde puzzel kon niet worden omgezet.  Het bestand van de vorige versie is bewaard als &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 beschadigde puzzels konden niet worden omgezet.  Het bestand van de vorige versie is bewaard als &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>Kan de vormen niet toevoegen.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>De puzzelvormen zijn toegevoegd.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.</source>
        <translation>%1 beschadigde vorm kon niet worden toegevoegd.</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.</source>
        <translation>%1 beschadigde vormen konden niet worden toegevoegd.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 beschadigde vorm kon niet worden toegevoegd.  Het bestand van de vorige versie is bewaard als &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 beschadigde vormen konden niet worden toegevoegd.  Het bestand van de vorige versie is bewaard als &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Gridwright have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Er zijn zelfgemaakte puzzels uit een vorige versie van Gridwright gevonden.  Wilt u ze omzetten naar een puzzelgroep?</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Gridwright have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Er zijn zelfgemaakte vormen uit een vorige versie van Gridwright gevonden.  Wilt u ze toevoegen aan de huidige lijst met puzzelvormen?</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>De puzzel kon niet worden geïmporteerd.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>Het puzzelbestand is beschadigd of niet compatibel.  Importeren afgebroken.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Schijffout</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Mededeling</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Verwijderen?</translation>
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
        <translation>Spellingcontrole</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Spelling in orde</translation>
    </message>
    <message>
        <source>Input/output error: %1.</source>
        <translation>In-/uitvoerfout: %1.</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>Ongeldig aantal kolommen ingevoerd.</translation>
    </message>
    <message>
        <source>The title holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>De titel bevat een stuurteken (zoals een tab of een regeleinde).  Corrigeer dit.</translation>
    </message>
    <message>
        <source>The category holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>De categorie bevat een stuurteken (zoals een tab of een regeleinde).  Corrigeer dit.</translation>
    </message>
    <message>
        <source>The word in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Het woord in rij %1 bevat een stuurteken (zoals een tab of een regeleinde).  Corrigeer dit.</translation>
    </message>
    <message>
        <source>The clue in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>De aanwijzing in rij %1 bevat een stuurteken (zoals een tab of een regeleinde).  Corrigeer dit.</translation>
    </message>
    <message>
        <source>The bonus question holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>De bonusvraag bevat een stuurteken (zoals een tab of een regeleinde).  Corrigeer dit.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.  Please correct.</source>
        <translation>De verborgen zin bevat spaties.  Corrigeer dit.</translation>
    </message>
    <message>
        <source>%1 (noun)</source>
        <translation>%1 (zn.)</translation>
    </message>
    <message>
        <source>%1 (verb)</source>
        <translation>%1 (ww.)</translation>
    </message>
    <message>
        <source>%1 (adjective)</source>
        <translation>%1 (bn.)</translation>
    </message>
    <message>
        <source>%1 (adverb)</source>
        <translation>%1 (bw.)</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (Aangepast %2&quot; x %3&quot;)  &lt;&lt;standaard&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)</source>
        <translation>%1 (Aangepast %2&quot; x %3&quot;)</translation>
    </message>
    <message>
        <source>%1 (%2)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (%2)  &lt;&lt;standaard&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>Lettertype: %1</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Kan het exportbestand niet maken.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Rechtsboven</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Rechtsonder</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Linksonder</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Linksboven</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>nog %1</translation>
    </message>
    <message>
        <source>longer than any line of the shape in the chosen directions (longest line: %1)</source>
        <translation>langer dan elke lijn van de vorm in de gekozen richtingen (langste lijn: %1)</translation>
    </message>
    <message>
        <source>placed in %1 of %2 attempts, crowded out here</source>
        <translation>in %1 van de %2 pogingen geplaatst, hier verdrongen</translation>
    </message>
    <message>
        <source>refused by the offensive-word screen</source>
        <translation>geweigerd door het filter op ongepaste woorden</translation>
    </message>
    <message>
        <source>never placed: no free line for it once the other words were in</source>
        <translation>nooit geplaatst: geen vrije lijn meer zodra de andere woorden erin stonden</translation>
    </message>
    <message>
        <source>Switching on %1 would give lines of up to %2 letters, enough for %3.</source>
        <translation>Als u %1 aanzet, komen er lijnen van maximaal %2 letters bij, genoeg voor %3.</translation>
    </message>
    <message>
        <source>Switching on %1 would give the crowded-out words more lines to go in.</source>
        <translation>Als u %1 aanzet, krijgen de verdrongen woorden meer lijnen om in te passen.</translation>
    </message>
    <message>
        <source>A square shape of %1 x %1 or larger would take the longest word, %2 (%1 letters).</source>
        <translation>In een vierkante vorm van %1 x %1 of groter past het langste woord, %2 (%1 letters).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempt).</source>
        <translation>Gemiddeld pasten %1 van de %2 woorden (bij %3 poging).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempts).</source>
        <translation>Gemiddeld pasten %1 van de %2 woorden (bij %3 pogingen).</translation>
    </message>
    <message>
        <source>The offensive-word screen refused every attempt.</source>
        <translation>Het filter op ongepaste woorden heeft elke poging geweigerd.</translation>
    </message>
    <message>
        <source>the run kept fewer than %1 candidates</source>
        <translation>er bleven minder dan %1 voorgestelde rasters over</translation>
    </message>
    <message>
        <source>offensive-word screening refused every attempt</source>
        <translation>het filter op ongepaste woorden weigerde elke poging</translation>
    </message>
    <message>
        <source>no word could be placed: check the directions, the shape and the word lengths</source>
        <translation>er kon geen woord worden geplaatst: controleer de richtingen, de vorm en de woordlengtes</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Versie %1: %2</translation>
    </message>
    <message>
        <source>Version %1 placed %2 words, fewer than %3.</source>
        <translation>In versie %1 zijn %2 woorden geplaatst, minder dan %3.</translation>
    </message>
    <message>
        <source>The hidden phrase spelled an offensive word in version %1, so it was left out of it.</source>
        <translation>De verborgen zin vormde in versie %1 een ongepast woord en is daarom uit die versie weggelaten.</translation>
    </message>
    <message>
        <source>The hidden phrase does not fit version %1 (%2 leftover cells for %3 letters), so it was left out of it.</source>
        <translation>De verborgen zin past niet in versie %1 (%2 vrije vakjes voor %3 letters) en is daarom uit die versie weggelaten.</translation>
    </message>
    <message>
        <source>Version %1 has the same grid as an earlier version.</source>
        <translation>Versie %1 heeft hetzelfde raster als een eerdere versie.</translation>
    </message>
    <message>
        <source>%1 (noun), %2</source>
        <translation>%1 (zn.), %2</translation>
    </message>
    <message>
        <source>%1 (verb), %2</source>
        <translation>%1 (ww.), %2</translation>
    </message>
    <message>
        <source>%1 (adjective), %2</source>
        <translation>%1 (bn.), %2</translation>
    </message>
    <message>
        <source>%1 (adverb), %2</source>
        <translation>%1 (bw.), %2</translation>
    </message>
    <message>
        <source>the puzzle was never generated</source>
        <translation>de puzzel is nooit gemaakt</translation>
    </message>
    <message>
        <source>the puzzle&apos;s grid holds no word to find</source>
        <translation>het raster van de puzzel bevat geen woord om te zoeken</translation>
    </message>
    <message>
        <source>There is no page image: no page, or more than %1 million pixels</source>
        <translation>Er is geen paginabeeld: geen pagina, of meer dan %1 miljoen pixels</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written.</source>
        <translation>%1 is geen bestand waarnaar kan worden geschreven.</translation>
    </message>
    <message>
        <source>%1 exists and is not %2; it is left as it is.</source>
        <translation>%1 bestaat al en is geen %2; het blijft ongewijzigd.</translation>
    </message>
    <message>
        <source>a PDF</source>
        <translation>PDF-bestand</translation>
    </message>
    <message>
        <source>a web page</source>
        <translation>webpagina</translation>
    </message>
    <message>
        <source>Puzzle Letters would not fit in their cells at the large print size.  You will need a larger page, a smaller grid or a layout with more room for the puzzle.</source>
        <translation>De letters van de puzzel passen bij grote letters niet in hun vakjes.  Kies een grotere pagina, een kleiner raster of een indeling met meer ruimte voor de puzzel.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>De printer %1 heeft de afdruktaak niet aangenomen.</translation>
    </message>
    <message>
        <source>There were no puzzles to convert in &quot;%1&quot;.</source>
        <translation>In &quot;%1&quot; waren geen puzzels om om te zetten.</translation>
    </message>
    <message>
        <source>There were no shapes to add in &quot;%1&quot;.</source>
        <translation>In &quot;%1&quot; waren geen vormen om toe te voegen.</translation>
    </message>
    <message>
        <source>%1 holds a puzzle group; nothing was written over it.  Choose another file.</source>
        <translation>%1 bevat een puzzelgroep; het bestand is niet overschreven.  Kies een ander bestand.</translation>
    </message>
    <message>
        <source>%1 is a puzzle shape library; nothing was written over it.  Choose another file.</source>
        <translation>%1 is een bibliotheek met puzzelvormen; het bestand is niet overschreven.  Kies een ander bestand.</translation>
    </message>
    <message>
        <source>%1 is a page layout library; nothing was written over it.  Choose another file.</source>
        <translation>%1 is een bibliotheek met pagina-indelingen; het bestand is niet overschreven.  Kies een ander bestand.</translation>
    </message>
    <message>
        <source>%1 holds an exported puzzle shape; nothing was written over it.  Choose another file.</source>
        <translation>%1 bevat een geëxporteerde puzzelvorm; het bestand is niet overschreven.  Kies een ander bestand.</translation>
    </message>
    <message>
        <source>%1 holds an exported page layout; nothing was written over it.  Choose another file.</source>
        <translation>%1 bevat een geëxporteerde pagina-indeling; het bestand is niet overschreven.  Kies een ander bestand.</translation>
    </message>
    <message>
        <source>%1 is not a file an export may replace; nothing was written over it.  Choose another file.</source>
        <translation>%1 is geen bestand dat door een export mag worden vervangen; het is niet overschreven.  Kies een ander bestand.</translation>
    </message>
    <message>
        <source>%1 is the file being exported from; nothing was written over it.  Choose another file.</source>
        <translation>%1 is het bestand waaruit wordt geëxporteerd; het is niet overschreven.  Kies een ander bestand.</translation>
    </message>
</context>
<context>
    <name>gw::MetafileExportDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Metabestand maken</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Metabestand wordt gemaakt...  Even geduld.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Metabestand gemaakt</translation>
    </message>
</context>
<context>
    <name>gw::ObjectBorderDialog</name>
    <message>
        <source>Border Info for %1</source>
        <translation>Rand van %1</translation>
    </message>
    <message>
        <source>&amp;Use Border</source>
        <translation>&amp;Rand gebruiken</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Randkleur</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Kleur &amp;wijzigen</translation>
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
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>gw::ObjectFillDialog</name>
    <message>
        <source>Fill Info for %1</source>
        <translation>Opvulling van %1</translation>
    </message>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>Vorm &amp;vullen</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Opvulkleur</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Kleur &amp;wijzigen</translation>
    </message>
</context>
<context>
    <name>gw::ObjectGeometryDialog</name>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Grootte en positie van %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Boven</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Waarden in inch</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Waarden in centimeters</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>Met deze positie komt het object buiten de pagina te liggen.  Wilt u uw wijzigingen ongedaan maken?</translation>
    </message>
</context>
<context>
    <name>gw::ObjectPropertiesDialog</name>
    <message>
        <source>Properties for %1</source>
        <translation>Eigenschappen van %1</translation>
    </message>
    <message>
        <source>&amp;Tile Bitmap</source>
        <translation>Afbeelding &amp;herhalen</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>&amp;Transparante achtergrond</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>&amp;Passend maken (letters verkleinen)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Aantal kolommen</translation>
    </message>
</context>
<context>
    <name>gw::ObjectTextDialog</name>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
</context>
<context>
    <name>gw::PageDesigner</name>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation>Sommige printers ondersteunen geen afwijkende paginaformaten.  Het afdrukresultaat kan afwijken.</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>Het gekozen bestand is geen geldige afbeelding.</translation>
    </message>
    <message>
        <source>Pictures (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP</source>
        <translation>Afbeeldingen (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Pagina-ontwerper</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Papierformaat</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Staand</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Liggend</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Inch</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Puzzelobjecten</translation>
    </message>
    <message>
        <source>  Other   Objects</source>
        <translation>  Overige   objecten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>Ob&amp;jecten</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Klein</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Middel</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Groot</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>&amp;Grootte en positie...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschappen</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Rand</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Opvulling</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>&amp;Tekst wijzigen...</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>Tekst&amp;uitlijning</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centreren</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>Tekst&amp;lettertype</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>Afbeelding la&amp;den</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>&amp;Naar voorgrond</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>Naar &amp;achtergrond</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>Een afbeelding voor deze indeling is niet gevonden.</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Afbeeldingsbestand laden</translation>
    </message>
    <message>
        <source>The name of the file selected is too long or holds characters a page layout cannot keep.  Please choose another file.</source>
        <translation>De naam van het gekozen bestand is te lang of bevat tekens die een pagina-indeling niet kan bewaren.  Kies een ander bestand.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Puzzel</translation>
    </message>
    <message>
        <source>Words/Clues</source>
        <translation>Woordenlijst</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Bonusvraag</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>No object selected</source>
        <translation>Geen object geselecteerd</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 inches</source>
        <translation>%1: links %2, boven %3, breedte %4, hoogte %5 inch</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 centimeters</source>
        <translation>%1: links %2, boven %3, breedte %4, hoogte %5 centimeter</translation>
    </message>
    <message>
        <source>Save changes to the page layout?</source>
        <translation>Wijzigingen in de pagina-indeling opslaan?</translation>
    </message>
</context>
<context>
    <name>gw::PreviewWindow</name>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>De vorige afdruktaak is nog niet klaar.  Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Puzzle Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Puzzle page</source>
        <translation>Puzzelpagina</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>Pagina af&amp;drukken</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>&amp;Meerdere exemplaren afdrukken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>Zoom &amp;Page Width</source>
        <translation>&amp;Paginabreedte</translation>
    </message>
    <message>
        <source>Zoom &amp;Whole Page</source>
        <translation>&amp;Hele pagina</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>&amp;Graphic Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation>Windows-&amp;bitmap (BMP)</translation>
    </message>
    <message>
        <source>&amp;JPEG (JPG)</source>
        <translation>&amp;JPEG (JPG)</translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation>&amp;Windows-metabestand (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>&amp;Uitgebreid metabestand (EMF)</translation>
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
        <translation>JPEG-compressie&amp;factor</translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation>&amp;HTML-export</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Zoom in percent</source>
        <translation>Zoom in procenten</translation>
    </message>
    <message>
        <source>Zoom Page Width</source>
        <translation>Paginabreedte</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Hele pagina</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Pagina afdrukken</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Exporteren als bitmap</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Exporteren als JPEG</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Exporteren als metabestand</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Webpagina maken</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Puzzel opslaan als bitmap</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Bitmap (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Puzzel opslaan als JPEG</translation>
    </message>
    <message>
        <source>JPeg (*.JPG)|*.JPG</source>
        <translation>JPEG (*.JPG)|*.JPG</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Puzzel opslaan als metabestand</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metabestand (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Puzzel opslaan als uitgebreid metabestand</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Uitgebreid metabestand (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Save Puzzle As PDF</source>
        <translation>Puzzel opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation>PDF-document (*.PDF)|*.PDF</translation>
    </message>
    <message>
        <source>Save Puzzle As PNG</source>
        <translation>Puzzel opslaan als PNG</translation>
    </message>
    <message>
        <source>PNG Picture (*.PNG)|*.PNG</source>
        <translation>PNG-afbeelding (*.PNG)|*.PNG</translation>
    </message>
    <message>
        <source>Save Puzzle As SVG</source>
        <translation>Puzzel opslaan als SVG</translation>
    </message>
    <message>
        <source>SVG Drawing (*.SVG)|*.SVG</source>
        <translation>SVG-tekening (*.SVG)|*.SVG</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>&amp;Vorige pagina</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Volge&amp;nde pagina</translation>
    </message>
    <message>
        <source>&amp;Interactive Web Page…</source>
        <translation>&amp;Interactieve webpagina…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorige pagina</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Blz. %1 van %2</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Volgende pagina</translation>
    </message>
    <message>
        <source>A web page cannot be made of this puzzle: %1.</source>
        <translation>Van deze puzzel kan geen webpagina worden gemaakt: %1.</translation>
    </message>
</context>
<context>
    <name>gw::PrintOptionsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>Puzzel&amp;titel</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>&amp;Puzzelraster</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words/Clues</source>
        <translation>&amp;Woorden/aanwijzingen</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>Bonus&amp;vraag</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>&amp;Oplossing</translation>
    </message>
    <message>
        <source>Use &amp;Grid</source>
        <translation>&amp;Rasterlijnen</translation>
    </message>
    <message>
        <source>L&amp;ower Case Letters</source>
        <translation>&amp;Kleine letters</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Woordenlijst</translation>
    </message>
    <message>
        <source>Normal Words</source>
        <translation>Gewone woorden</translation>
    </message>
    <message>
        <source>Clues </source>
        <translation>Aanwijzingen </translation>
    </message>
    <message>
        <source>Scramble Words</source>
        <translation>Woorden husselen</translation>
    </message>
    <message>
        <source>Partial Words</source>
        <translation>Gedeeltelijk</translation>
    </message>
    <message>
        <source>Use Underscores</source>
        <translation>Met streepjes</translation>
    </message>
    <message>
        <source>Show First</source>
        <translation>Toon eerste</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>letters</translation>
    </message>
    <message>
        <source>Show Last</source>
        <translation>Toon laatste</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Aantal kolommen</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Afbeelding van de pagina-indeling</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>Bekijken/&amp;afdrukken</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Printer&amp;instellingen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>Pagina-in&amp;deling wijzigen</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>&amp;Lettertypen wijzigen</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>Bonusvraag wij&amp;zigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Reports Help</source>
        <translation>&amp;Help bij afdrukken</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>Ongeldig aantal kolommen opgegeven.</translation>
    </message>
    <message>
        <source>No printers are defined.</source>
        <translation>Er zijn geen printers ingesteld.</translation>
    </message>
</context>
<context>
    <name>gw::PrintStatusWindow</name>
    <message>
        <source>Report Status Screen</source>
        <translation>Afdrukstatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Printer: %1</translation>
    </message>
    <message>
        <source>Preparing the page for viewing</source>
        <translation>Pagina wordt voorbereid voor weergave</translation>
    </message>
    <message>
        <source>Object %1 of %2</source>
        <translation>Object %1 van %2</translation>
    </message>
    <message>
        <source>Printing Page 1</source>
        <translation>Pagina 1 wordt afgedrukt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>Puzzel maken geannuleerd!</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>Puzzel gemaakt!</translation>
    </message>
</context>
<context>
    <name>gw::Program</name>
    <message>
        <source>Program is already running</source>
        <translation>Het programma is al gestart</translation>
    </message>
    <message>
        <source>Unable to prepare the folder for your puzzle data: %1.</source>
        <translation>Kan de map voor uw puzzelgegevens niet voorbereiden: %1.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzleBookWindow</name>
    <message>
        <source>Each layout&apos;s own paper</source>
        <translation>Eigen papier per indeling</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11 in)</source>
        <translation>Letter (8.5 x 11 inch)</translation>
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
        <translation>6 x 9 inch</translation>
    </message>
    <message>
        <source>7 x 10 in</source>
        <translation>7 x 10 inch</translation>
    </message>
    <message>
        <source>Other (W x H in inches)</source>
        <translation>Ander (B x H in inch)</translation>
    </message>
    <message>
        <source>Print Puzzle Book</source>
        <translation>Puzzelboek afdrukken</translation>
    </message>
    <message>
        <source>Puzzles in the book:</source>
        <translation>Puzzels in het boek:</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alles kiezen</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Niets kiezen</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Paginaformaat:</translation>
    </message>
    <message>
        <source>Other page size, width x height in inches</source>
        <translation>Ander paginaformaat, breedte x hoogte in inch</translation>
    </message>
    <message>
        <source>Answer keys:</source>
        <translation>Oplossingen:</translation>
    </message>
    <message>
        <source>At the back</source>
        <translation>Achterin</translation>
    </message>
    <message>
        <source>After each puzzle</source>
        <translation>Na elke puzzel</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Keys a page:</source>
        <translation>Per pagina:</translation>
    </message>
    <message>
        <source>Page &amp;numbers, from</source>
        <translation>&amp;Paginanummers, vanaf</translation>
    </message>
    <message>
        <source>First page number</source>
        <translation>Eerste paginanummer</translation>
    </message>
    <message>
        <source>&amp;Title page:</source>
        <translation>&amp;Titelpagina:</translation>
    </message>
    <message>
        <source>Title of the title page</source>
        <translation>Titel van de titelpagina</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Large print (14 points at least)</source>
        <translation>&amp;Grote letters (minstens 14 punten)</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Voorbeeld</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Opslaan als PD&amp;F...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>The page size must be a width and a height in inches, such as 5.5 x 8.5, each from 2 to 50.</source>
        <translation>Het paginaformaat moet een breedte en een hoogte in inch zijn, zoals 5.5 x 8.5, elk van 2 tot 50.</translation>
    </message>
    <message>
        <source>No puzzles have been chosen for the book.</source>
        <translation>Er zijn geen puzzels voor het boek gekozen.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Kan de puzzel niet laden.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for &quot;%1&quot;. Please select &quot;File|Modify&quot; from the menu and create the puzzle first, or leave it out of the book.</source>
        <translation>Voor &quot;%1&quot; is nog nooit een puzzel gemaakt. Kies in het menu &quot;Bestand|Puzzel wijzigen&quot; en maak eerst de puzzel, of laat hem weg uit het boek.</translation>
    </message>
    <message>
        <source>%1 (page %2): %3</source>
        <translation>%1 (pagina %2): %3</translation>
    </message>
    <message>
        <source>Save Puzzle Book As PDF</source>
        <translation>Puzzelboek opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation>PDF-document (*.PDF)|*.PDF</translation>
    </message>
</context>
<context>
    <name>gw::PuzzleHost</name>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Kan de puzzel niet opslaan.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzlePickList</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alles kiezen</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Niets kiezen</translation>
    </message>
</context>
<context>
    <name>gw::ShapeEditor</name>
    <message>
        <source>Shape Creator</source>
        <translation>Vormeditor</translation>
    </message>
    <message>
        <source>Shape grid</source>
        <translation>Vormraster</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Raster verschuiven</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Omhoog schuiven</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Naar links schuiven</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Naar rechts schuiven</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Omlaag schuiven</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Raster aanpassen</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>Om&amp;keren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Linksklik: omschakelen</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Rechtsklik: vullen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable; row %4, column %5: %6</source>
        <translation>%1 bij %2 vakjes, %3 bruikbaar; rij %4, kolom %5: %6</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>bruikbaar</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>niet gebruikt</translation>
    </message>
    <message>
        <source>Width must be between 5 and 30.  Please re-enter width.</source>
        <translation>De breedte moet tussen 5 en 30 liggen.  Voer de breedte opnieuw in.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 30.  Please re-enter height.</source>
        <translation>De hoogte moet tussen 5 en 30 liggen.  Voer de hoogte opnieuw in.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Kan de vorm niet toevoegen.</translation>
    </message>
</context>
<context>
    <name>gw::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Vormen</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Puzzelvorm</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Afbeelding van de puzzelvorm</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>W&amp;issen</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>Im&amp;port</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Expo&amp;rt</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>gw::ShapeListView</name>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>Er zijn geen opgeslagen vormen gevonden.</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable</source>
        <translation>%1 bij %2 vakjes, %3 bruikbaar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Weet u zeker dat u &quot;%1&quot; wilt verwijderen?</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Puzzelvorm importeren</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Puzzelvormen (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>Geen vorm geselecteerd.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Puzzelvorm exporteren</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Puzzelvorm (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Huidige puzzel&gt;</translation>
    </message>
</context>
<context>
    <name>gw::SpellingDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Spellingsuggesties</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggesties</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Vervangen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Negeren</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>&amp;Afbreken</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>Het volgende woord staat niet in het woordenboek (%1).  Hieronder staan suggesties.</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>%1 staat niet in het woordenboek.  Er zijn geen suggesties gevonden.</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>Een van de woordenboekbestanden is niet gevonden.</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Alle woorden staan in het woordenboek.</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Spellingcontrole afgebroken.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Spellingcontrole voltooid.</translation>
    </message>
</context>
<context>
    <name>gw::SpellingLanguageDialog</name>
    <message>
        <source>Spell Check</source>
        <translation>Spellingcontrole</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Amerikaans</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Brits</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spaans</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiaans</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Frans</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Duits</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Nederlands</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>&amp;Zweeds</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation>Synoniemen opzoeken</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Woord</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Voorstellen</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Overnemen</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>Af&amp;breken</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Antonyms</source>
        <translation>Antoniemen</translation>
    </message>
    <message>
        <source>Synonyms</source>
        <translation>Synoniemen</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>Het synoniemenbestand is niet gevonden.</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>Woord niet gevonden in de synoniemenlijst.  Klik op &quot;Voorstellen&quot; voor mogelijke vervangende woorden.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>Geen suggesties gevonden voor het woord %1.</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusLanguageDialog</name>
    <message>
        <source>Thesaurus</source>
        <translation>Synoniemen</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Amerikaans</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Brits</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Woordsuggesties</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Suggestie voor</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>gw::TipOfTheDayDialog</name>
    <message>
        <source>You can place hidden phrases in your word search puzzle utilizing the unused letters of the puzzle.</source>
        <translation>U kunt met de ongebruikte letters van de puzzel een verborgen zin in uw woordzoeker verstoppen.</translation>
    </message>
    <message>
        <source>You can create a text file &quot;badlist.txt&quot; that the program will use to screen for your own offensive words ensuring they do not show up in the puzzle.</source>
        <translation>U kunt een tekstbestand &quot;badlist.txt&quot; maken; het programma controleert dan ook op uw eigen ongepaste woorden, zodat die niet in de puzzel verschijnen.</translation>
    </message>
    <message>
        <source>Every puzzle is checked in all eight directions for offensive words before you see it, and again when its fill letters are chosen.</source>
        <translation>Elke puzzel wordt in alle acht richtingen op ongepaste woorden gecontroleerd voordat u hem ziet, en nog eens wanneer de opvulletters worden gekozen.</translation>
    </message>
    <message>
        <source>Raise the number of creation attempts (up to 999) to give every word a better chance to fit. The four best grids are offered to you.</source>
        <translation>Verhoog het aantal pogingen (tot 999) om elk woord een betere kans te geven. U krijgt de vier beste rasters te zien.</translation>
    </message>
    <message>
        <source>Double click any of the four candidate grids to see it enlarged before you decide which one to save.</source>
        <translation>Dubbelklik op een van de vier voorgestelde rasters om het vergroot te zien voordat u beslist welk u opslaat.</translation>
    </message>
    <message>
        <source>The Word Integration slider sets how much the words cross each other. Move it to the right for a tightly woven puzzle.</source>
        <translation>De schuifregelaar Woordverweving bepaalt hoe vaak de woorden elkaar kruisen. Schuif hem naar rechts voor een dicht verweven puzzel.</translation>
    </message>
    <message>
        <source>Turn off directions such as Left, Up and the diagonals to make easier puzzles for young children.</source>
        <translation>Zet richtingen zoals Links, Omhoog en de diagonalen uit om makkelijkere puzzels voor jonge kinderen te maken.</translation>
    </message>
    <message>
        <source>Check &quot;Shrink&quot; to let the program trim empty rows and columns from the bottom and right of the finished grid.</source>
        <translation>Vink &quot;Bijsnijden&quot; aan om lege rijen en kolommen onder en rechts van het voltooide raster te laten verwijderen.</translation>
    </message>
    <message>
        <source>Puzzles don&apos;t have to be square. Pick a heart, a star or a tree under Puzzle Shape, or draw your own with the shape editor.</source>
        <translation>Puzzels hoeven niet vierkant te zijn. Kies bij Puzzelvorm een hart, een ster of een boom, of teken met de vormeditor uw eigen vorm.</translation>
    </message>
    <message>
        <source>In the shape editor a left click toggles one cell and a right click fills a whole region at once.</source>
        <translation>In de vormeditor schakelt een linksklik één vakje om en vult een rechtsklik in één keer een heel gebied.</translation>
    </message>
    <message>
        <source>Shapes travel between computers: use Export on the Shapes window and Import on the other machine.</source>
        <translation>Vormen gaan mee naar andere computers: gebruik Exporteren in het venster Vormen en Importeren op de andere computer.</translation>
    </message>
    <message>
        <source>Keep your puzzles organized in groups. Each group file holds as many puzzles as you like, sorted by category.</source>
        <translation>Houd uw puzzels overzichtelijk in groepen. Elk groepsbestand bevat zoveel puzzels als u wilt, gesorteerd op categorie.</translation>
    </message>
    <message>
        <source>Use Copy Puzzle to start a new puzzle from an existing word list. The copy gets a number added to its title.</source>
        <translation>Met &quot;Puzzel kopiëren&quot; begint u een nieuwe puzzel met een bestaande woordenlijst. De kopie krijgt een nummer achter de titel.</translation>
    </message>
    <message>
        <source>Type a clue beside each word to make a clue puzzle: the solver reads the clue and must find the matching word.</source>
        <translation>Typ bij elk woord een aanwijzing om een puzzel met aanwijzingen te maken: de leerling leest de aanwijzing en zoekt het bijbehorende woord.</translation>
    </message>
    <message>
        <source>Hide the clue column with &quot;Use Clues&quot; when you only need words. Your clues are kept and come back when you show it again.</source>
        <translation>Verberg de kolom met aanwijzingen met &quot;Aanwijzingen gebruiken&quot; als u alleen woorden nodig hebt. Uw aanwijzingen blijven bewaard en komen terug als u de kolom weer toont.</translation>
    </message>
    <message>
        <source>Words may contain spaces, such as ICE CREAM. The space is left out in the grid, so the solver looks for ICECREAM.</source>
        <translation>Woorden mogen spaties bevatten, zoals RODE KOOL. In het raster vervalt de spatie, dus de leerling zoekt RODEKOOL.</translation>
    </message>
    <message>
        <source>Tab and Enter move between the cells of the word list, so a long list can be typed without touching the mouse.</source>
        <translation>Tab en Enter gaan van vakje naar vakje in de woordenlijst, zodat u een lange lijst kunt typen zonder de muis aan te raken.</translation>
    </message>
    <message>
        <source>Import a word list from a text file, one word per line, or words and clues separated by a colon.</source>
        <translation>Importeer een woordenlijst uit een tekstbestand: één woord per regel, of woorden en aanwijzingen gescheiden door een dubbele punt.</translation>
    </message>
    <message>
        <source>Export your word and clue list to a text file to share it or to edit it in another program.</source>
        <translation>Exporteer uw lijst met woorden en aanwijzingen naar een tekstbestand om hem te delen of in een ander programma te bewerken.</translation>
    </message>
    <message>
        <source>A puzzle holds up to 330 words. Words that cannot be placed are listed as excluded words before you save.</source>
        <translation>Een puzzel bevat maximaal 330 woorden. Woorden die niet geplaatst kunnen worden, worden vóór het opslaan als niet geplaatst vermeld.</translation>
    </message>
    <message>
        <source>Add a bonus question to a puzzle. It can be printed below the grid as an extra challenge.</source>
        <translation>Voeg een bonusvraag toe aan een puzzel. Die kan onder het raster worden afgedrukt als extra uitdaging.</translation>
    </message>
    <message>
        <source>The page layout decides where the title, the grid and the word list go on the printed page. Each puzzle keeps its own copy.</source>
        <translation>De pagina-indeling bepaalt waar de titel, het raster en de woordenlijst op de afgedrukte pagina komen. Elke puzzel heeft er een eigen kopie van.</translation>
    </message>
    <message>
        <source>Design your own page layouts with text, pictures, rectangles and circles, and make one of them the default for new puzzles.</source>
        <translation>Ontwerp uw eigen pagina-indelingen met tekst, afbeeldingen, rechthoeken en cirkels, en maak er één de standaard voor nieuwe puzzels.</translation>
    </message>
    <message>
        <source>Print the answer key with the words circled in the grid, ready for marking.</source>
        <translation>Druk de oplossing af met de woorden omcirkeld in het raster, klaar om na te kijken.</translation>
    </message>
    <message>
        <source>Save a puzzle page as a picture or an HTML page to put it on a school web site.</source>
        <translation>Sla een puzzelpagina op als afbeelding of als HTML-pagina om hem op de website van de school te zetten.</translation>
    </message>
    <message>
        <source>Modify Puzzle lets you change the title, the category, the clues and the bonus question of a stored puzzle without losing its grid.</source>
        <translation>Met &quot;Puzzel wijzigen&quot; verandert u de titel, de categorie, de aanwijzingen en de bonusvraag van een opgeslagen puzzel zonder het raster kwijt te raken.</translation>
    </message>
    <message>
        <source>Use Screen Size on the Options menu to make every window larger on a big monitor.</source>
        <translation>Gebruik Schermgrootte in het menu Opties om alle vensters groter te maken op een groot beeldscherm.</translation>
    </message>
    <message>
        <source>Choose your own fonts for labels, edit boxes and buttons on the Options menu.</source>
        <translation>Kies in het menu Opties uw eigen lettertypen voor labels, invoervelden en knoppen.</translation>
    </message>
    <message>
        <source>The spell checker looks at your words and clues in eight languages, and you can add your own words to its dictionary.</source>
        <translation>De spellingcontrole controleert uw woorden en aanwijzingen in acht talen, en u kunt eigen woorden aan het woordenboek toevoegen.</translation>
    </message>
    <message>
        <source>Press F1 to F12 in the word list to type accented letters such as á, é and ñ.</source>
        <translation>Druk in de woordenlijst op F1 tot F12 om letters met accenten te typen, zoals á, é en ñ.</translation>
    </message>
    <message>
        <source>Turn the background picture of the main window on or off with Background Bitmap on the Options menu.</source>
        <translation>Zet de achtergrondafbeelding van het hoofdvenster aan of uit met Achtergrondafbeelding in het menu Opties.</translation>
    </message>
    <message>
        <source>The thesaurus suggests synonyms for a word and can turn one of them into the word&apos;s clue in a single step.</source>
        <translation>De synoniemenlijst stelt synoniemen voor een woord voor en kan er in één stap de aanwijzing bij het woord van maken.</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Tip van de dag</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wist u dat...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Tips tonen bij opstarten</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Volgende tip</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>gw::UserDictionaryDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Woordenboekbeheer</translation>
    </message>
    <message>
        <source>Word to add</source>
        <translation>Woord om toe te voegen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>Deze woorden worden aan het woordenboek (%1) toegevoegd en als juist beschouwd.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>Deze woorden worden uitgesloten van het woordenboek (%1) en gelden als onjuist.</translation>
    </message>
</context>
<context>
    <name>gw::UserManualDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Over de handleiding</translation>
    </message>
    <message>
        <source>The user manual opens in your document viewer, where you can read and print it. Press Ok to open it now.</source>
        <translation>De handleiding opent in uw documentviewer, waar u hem kunt lezen en afdrukken. Klik op OK om hem nu te openen.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>De handleiding is niet gevonden.  Controleer of de handleiding is geïnstalleerd.  Een exemplaar staat op onze website.</translation>
    </message>
    <message>
        <source>No program to show the user manual could be started.  The manual is %1; open it with any program that reads PDF documents.</source>
        <translation>Er kon geen programma worden gestart om de handleiding te tonen.  De handleiding is %1; open hem met een programma dat PDF-documenten kan lezen.</translation>
    </message>
</context>
<context>
    <name>gw::WebPageWindow</name>
    <message>
        <source>HTML Creation</source>
        <translation>HTML maken</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Een webpagina maken</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Eerste kopregels</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Tweede kopregels</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Horizontale lijn</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>Hier komt de puzzel</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Eerste voetregels</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Tweede voetregels</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Titel webpagina</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>HTML &amp;opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursief</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centreren</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Lettergrootte</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>HTML-document opslaan</translation>
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
        <translation>Regels</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Scheidingsteken</translation>
    </message>
</context>
<context>
    <name>gw::WordFileExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Woorden</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Aanwijzingen</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>&amp;Beide</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Alles &amp;kiezen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Niets kiezen</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>Geen woorden/aanwijzingen geselecteerd voor uitvoer.  Selecteer de gewenste woorden/aanwijzingen.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Lijst met woorden/aanwijzingen opslaan</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Tekst (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>gw::WordFileImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>Als &amp;woord</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Als &amp;aanwijzing</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>Als woord &amp;en aanwijzing</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Bestand o&amp;penen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;kiezen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Niets kiezen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Annu&amp;leren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation>Lijst met woorden/aanwijzingen importeren</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>Tekst (*.txt)|*.txt|Alle bestanden (*.*)|*.*</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>Kan het importbestand niet openen.</translation>
    </message>
    <message>
        <source>Some characters in this file cannot be used in a puzzle: %1.  They are shown as &quot;?&quot;.</source>
        <translation>Sommige tekens in dit bestand kunnen niet in een puzzel worden gebruikt: %1.  Ze worden weergegeven als &quot;?&quot;.</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>Geen scheidingsteken tussen woord en aanwijzing opgegeven.</translation>
    </message>
    <message>
        <source>Too many words selected.  Last word will not be used.  Continue?</source>
        <translation>Te veel woorden geselecteerd.  Het laatste woord wordt niet gebruikt.  Doorgaan?</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 words will not be used.  Continue?</source>
        <translation>Te veel woorden geselecteerd.  De laatste %1 woorden worden niet gebruikt.  Doorgaan?</translation>
    </message>
</context>
<context>
    <name>gw::WordGrid</name>
    <message>
        <source>Cnt</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>U</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Woord</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Aanwijzing</translation>
    </message>
    <message>
        <source>Tab goes from cell to cell; Ctrl+Tab leaves the list.</source>
        <translation>Tab gaat van vakje naar vakje; Ctrl+Tab verlaat de lijst.</translation>
    </message>
</context>
<context>
    <name>gw::WordListEditor</name>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Rechtsonder</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Linksboven</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Linksonder</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Rechtsboven</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Woorden en aanwijzingen</translation>
    </message>
    <message>
        <source>Use Clues</source>
        <translation>Aanwijzingen gebruiken</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>&amp;Alles wissen</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>Spe&amp;lling</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>S&amp;ynoniemen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>P&amp;hrase</source>
        <translation>Verborgen &amp;zin</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusvraag</translation>
    </message>
    <message>
        <source>Word Directions</source>
        <translation>Woordrichtingen</translation>
    </message>
    <message>
        <source>Word Integration</source>
        <translation>Woordverweving</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>&amp;Bijsnijden</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Pogingen</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Maken</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Internationale tekens</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Puzzelvorm</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Afbeelding van de puzzelvorm</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Verwij&amp;deren</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>Im&amp;port</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Expo&amp;rt</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Pagina-indeling</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Afbeelding van de pagina-indeling</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>Indelin&amp;g wijzigen</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Alle woorden zijn al gewist.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Hiermee worden alle woorden en aanwijzingen verwijderd.  Doorgaan?</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>De puzzel is gewijzigd.  Wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Geen titel opgegeven.  Corrigeer dit.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Geen categorie opgegeven.  Corrigeer dit.</translation>
    </message>
    <message>
        <source>  Continue?</source>
        <translation>  Doorgaan?</translation>
    </message>
    <message>
        <source>Offensive-word screening refused every attempt, so no puzzle could be made.</source>
        <translation>Het filter op ongepaste woorden heeft elke poging geweigerd; er kon geen puzzel worden gemaakt.</translation>
    </message>
    <message>
        <source>Discard the words you typed?</source>
        <translation>De getypte woorden weggooien?</translation>
    </message>
    <message>
        <source>About %1 of %2 words will fit</source>
        <translation>Ongeveer %1 van de %2 woorden passen</translation>
    </message>
</context>
</TS>
