<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>gw::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Programminfo</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Version 3.0</translation>
    </message>
    <message>
        <source>Builds printable word search puzzles from your own word lists, in any shape, with clues, hidden phrases and page layouts of your design.</source>
        <translation>Erstellt druckbare Suchsel aus Ihren eigenen Wortlisten – in jeder Form, mit Hinweisen, Lösungssätzen und selbst gestalteten Seitenlayouts.</translation>
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
        <translation>Internationale Zeichen</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>Den Funktionstasten F1 bis F12 können internationale Zeichen zugewiesen werden.  Im Fenster zum Erstellen von Rätseln tippen die Funktionstasten dann das zugewiesene Zeichen.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>gw::BonusQuestionDialog</name>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusfrage</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>gw::CandidateWindow</name>
    <message>
        <source>Best Fit</source>
        <translation>Beste Lösung</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Zweitbeste Lösung</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Drittbeste Lösung</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Viertbeste Lösung</translation>
    </message>
    <message>
        <source>%1 by %2, %3 words placed</source>
        <translation>%1 mal %2, %3 Wörter platziert</translation>
    </message>
    <message>
        <source>Created Puzzle</source>
        <translation>Erstellte Rätsel</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Lösungssatz</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>Lösungssatz &amp;einfügen</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Ohne Leerzeichen)</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>Rätsel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>No puzzle</source>
        <translation>Kein Rätsel</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 platziertes Wort</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 platzierte Wörter</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 nicht platziertes Wort</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 nicht platzierte Wörter</translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation>%1 Zeichen</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Mindestens ein Wort passte nicht in das Rätsel.  Rätsel trotzdem speichern?</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Warum?</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Vorschläge</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Select an excluded word to see why it was left out.</source>
        <translation>Wählen Sie ein nicht platziertes Wort, um zu sehen, warum es fehlt.</translation>
    </message>
    <message>
        <source>Every word of the list is in this puzzle.</source>
        <translation>Jedes Wort der Liste steht in diesem Rätsel.</translation>
    </message>
</context>
<context>
    <name>gw::Choosers</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Colo&amp;r:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Drucker einrichten</translation>
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
        <translation>Es wurde kein Ersatzwort ausgewählt.  Bitte wählen Sie zuerst ein Ersatzwort.</translation>
    </message>
</context>
<context>
    <name>gw::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Mehrere Kopien</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Anzahl Kopien</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>Ungültige Anzahl von Kopien eingegeben.</translation>
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
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusfrage</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
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
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>gw::ExportPuzzlesDialog</name>
    <message>
        <source>Export Word Search Puzzles</source>
        <translation>Suchsel exportieren</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Rätsel zum Exportieren</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Es wurden keine Rätsel zum Exportieren ausgewählt.</translation>
    </message>
    <message>
        <source>Save Word Search Puzzles</source>
        <translation>Suchsel speichern</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>QUARL-Dateien (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>Die Exportdatei darf nicht die gerade geöffnete Datei sein.</translation>
    </message>
</context>
<context>
    <name>gw::FormLayout</name>
    <message>
        <source>Too many compenents to save dimensions.</source>
        <translation>Zu viele Bestandteile, um die Abmessungen zu speichern.</translation>
    </message>
</context>
<context>
    <name>gw::GenerationProgressWindow</name>
    <message>
        <source>Offensive-word screening refused</source>
        <translation>Die Prüfung auf anstößige Wörter verwarf</translation>
    </message>
    <message>
        <source>Building Puzzles</source>
        <translation>Rätsel werden erstellt</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Abgebrochen bei Versuch Nr. %1</translation>
    </message>
    <message>
        <source>the attempts: stopped on #%1</source>
        <translation>alle Versuche: bei Nr. %1 beendet</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Versuch Nr. %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
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
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>&amp;Transparenter Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Lower Case Letters</source>
        <translation>&amp;Kleinbuchstaben</translation>
    </message>
    <message>
        <source>&amp;Use Grid</source>
        <translation>&amp;Gitterlinien</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>background</comment>
        <translation>Farbe ä&amp;ndern</translation>
    </message>
    <message>
        <source>Grid Line Color</source>
        <translation>Farbe der Gitterlinien</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>grid lines</comment>
        <translation>Farbe änd&amp;ern</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Linienstärke</translation>
    </message>
</context>
<context>
    <name>gw::Help</name>
    <message>
        <source>The help file could not be located.  Please make sure the help file was installed.</source>
        <translation>Die Hilfedatei wurde nicht gefunden.  Bitte prüfen Sie, ob die Hilfedatei installiert ist.</translation>
    </message>
    <message>
        <source>The help file is damaged.  Please install it again.</source>
        <translation>Die Hilfedatei ist beschädigt.  Bitte installieren Sie sie neu.</translation>
    </message>
</context>
<context>
    <name>gw::HelpWindow</name>
    <message>
        <source>Gridwright 98 Help</source>
        <translation>Gridwright 98 Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Stichwort eingeben</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Gesuchte Wörter</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation>Gefundene Themen</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>(no topic holds every word)</source>
        <translation>(kein Thema enthält alle Wörter)</translation>
    </message>
</context>
<context>
    <name>gw::HiddenPhraseDialog</name>
    <message>
        <source>Hidden Puzzle Phrase</source>
        <translation>Lösungssatz des Rätsels</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>Lösungssatz &amp;einfügen</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Ohne Leerzeichen)</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Lösungssatz</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation>%1 Zeichen</translation>
    </message>
</context>
<context>
    <name>gw::ImportPuzzlesDialog</name>
    <message>
        <source>Import Word Search Puzzles</source>
        <translation>Suchsel importieren</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Dateiname: %1</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Rätsel in der Datei</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>Es wurden keine Rätsel zum Importieren ausgewählt.</translation>
    </message>
</context>
<context>
    <name>gw::InteractivePageDialog</name>
    <message>
        <source>Interactive Web Page</source>
        <translation>Interaktive Webseite</translation>
    </message>
    <message>
        <source>One web page that pupils solve in any browser, on a computer, tablet or phone: they drag across the words they find. The word list is as the print options show it.</source>
        <translation>Eine Webseite, die Schülerinnen und Schüler in jedem Browser lösen – am Computer, Tablet oder Handy: Sie ziehen über die gefundenen Wörter. Die Wortliste ist so, wie sie die Druckoptionen zeigen.</translation>
    </message>
    <message>
        <source>&amp;Show answers button</source>
        <translation>Schaltfläche „Lösung &amp;zeigen“</translation>
    </message>
    <message>
        <source>&amp;Open in the browser when saved</source>
        <translation>Nach dem Speichern im Browser ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Save Interactive Web Page</source>
        <translation>Interaktive Webseite speichern</translation>
    </message>
    <message>
        <source>Web Page (*.html)|*.html|Web Page (*.htm)|*.htm</source>
        <translation>Webseite (*.html)|*.html|Webseite (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>The page was saved, but no browser could be started to show it.</source>
        <translation>Die Seite wurde gespeichert, aber es ließ sich kein Browser starten, um sie zu zeigen.</translation>
    </message>
</context>
<context>
    <name>gw::JpegQualityDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>JPEG-Faktor</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>Je höher der Faktor, desto schärfer das Bild, aber desto größer die Datei.  Je niedriger der Faktor, desto kleiner die Datei, aber desto weniger scharf das Bild.</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>JPEG-Kompressions-/Qualitätsfaktor (1 - 100)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>Ungültiger Faktor.  Der Faktor muss zwischen 1 und 100 liegen</translation>
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
        <translation>Abbre&amp;chen</translation>
    </message>
</context>
<context>
    <name>gw::LanguageNames</name>
    <message>
        <source>American</source>
        <translation>Amerikanisch</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Britisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
</context>
<context>
    <name>gw::LayoutLibraryDialog</name>
    <message>
        <source>No page layout selected.</source>
        <translation>Kein Seitenlayout ausgewählt.</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Seitenlayouts (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
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
        <translation>Text, Formen</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Seitenlayouts</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Seitenlayouts</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Bild des Seitenlayouts</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>Än&amp;dern</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>Als &amp;Standard</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>Es wurden keine gespeicherten Seitenlayouts gefunden.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>Es wurde kein Layout ausgewählt.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Seitenlayouts importieren</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Seitenlayouts exportieren</translation>
    </message>
</context>
<context>
    <name>gw::MainWindow</name>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>Kein Rätsel ausgewählt.  Bitte wählen Sie zuerst ein Rätsel.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Group</source>
        <translation>&amp;Neue Rätselgruppe</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Group</source>
        <translation>Rätselgruppe ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>Neues &amp;Rätsel</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>Rätsel b&amp;earbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>Rätsel &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>Rätsel &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>Rätsel &amp;importieren</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>Rätsel e&amp;xportieren</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>Rätsel &amp;drucken</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Dr&amp;ucker einrichten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Seitenlayout</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>Rätsel&amp;form</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>&amp;Bildschirmgröße</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>&amp;Hintergrundbild</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>&amp;JPEG-Kompressionsfaktor</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>&amp;Farben beim Speichern von Bitmaps &amp;&amp; JPEGs</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 Farben</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 Millionen Farben</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>&amp;Internationale Zeichen</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>&amp;Wörterbuch</translation>
    </message>
    <message>
        <source>&amp;Choose at Spell Check Time</source>
        <translation>Bei der &amp;Rechtschreibprüfung wählen</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Amerikanisch</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britisch</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spanisch</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italienisch</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Französisch</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Niederländisch</translation>
    </message>
    <message>
        <source>&amp;Swedish</source>
        <translation>Sch&amp;wedisch</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>Zum Wörterbuch hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>Aus dem Wörterbuch &amp;ausschließen</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>&amp;Thesaurus</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>Beim &amp;Nachschlagen wählen</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Beschriftun&amp;gsschrift</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>&amp;Eingabefeldschrift</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>S&amp;chaltflächenschrift</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Sprache (Language)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>&amp;Datenaustausch über das Internet</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>&amp;Tipps des Tages ansehen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Programminfo</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Neue Rätselgruppe anlegen</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Rätselgruppe öffnen</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Neues Rätsel erstellen</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Rätsel bearbeiten</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Rätsel kopieren</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Rätsel löschen</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Rätsel importieren</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Rätsel exportieren</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Rätsel drucken</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Rätselform erstellen</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Seitenlayout gestalten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>QUARL-Dateien (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>The file selected is not a valid Gridwright file.</source>
        <translation>Die gewählte Datei ist keine gültige Gridwright-Datei.</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3|16 bit QUARL Files (*.QLX)|*.QLX</source>
        <translation>QUARL-Dateien (*.QL3)|*.QL3|16-Bit-QUARL-Dateien (*.QLX)|*.QLX</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>Die Importdatei darf nicht die gerade geöffnete Datei sein.</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>Auf die Wortlistendatei kann nicht zugegriffen werden.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Vorhandenes Rätsel bearbeiten</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Neues Rätsel erstellen (Kopie eines Rätsels)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Unable to delete puzzle.</source>
        <translation>Das Rätsel kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Das Rätsel kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Für diese Wort-/Hinweisliste wurde noch nie ein Rätsel erzeugt. Bitte wählen Sie im Menü „Datei|Rätsel bearbeiten“ und erstellen Sie zuerst das Rätsel</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 x %2 pixels.</source>
        <translation>Ihre Bildschirmauflösung unterstützt %1 x %2 Pixel nicht.</translation>
    </message>
    <message>
        <source>Make &amp;Versions…</source>
        <translation>&amp;Varianten erstellen…</translation>
    </message>
    <message>
        <source>Print Puzzle &amp;Book…</source>
        <translation>Rätsel&amp;heft drucken…</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Das Rätsel kann nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>gw::MakeVersionsDialog</name>
    <message>
        <source>Make Versions</source>
        <translation>Varianten erstellen</translation>
    </message>
    <message>
        <source>How many versions of %1?</source>
        <translation>Wie viele Varianten von %1?</translation>
    </message>
    <message>
        <source>Number of versions</source>
        <translation>Anzahl der Varianten</translation>
    </message>
    <message>
        <source>Each gets its own grid and a letter after its title.</source>
        <translation>Jede erhält ein eigenes Gitter und einen Buchstaben nach dem Titel.</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Aborted: no version was kept.</source>
        <translation>Abgebrochen: Es wurde keine Variante behalten.</translation>
    </message>
    <message>
        <source>Version %1 of %2</source>
        <translation>Variante %1 von %2</translation>
    </message>
    <message>
        <source>%1: creation attempt #%2</source>
        <translation>%1: Versuch Nr. %2</translation>
    </message>
</context>
<context>
    <name>gw::Messages</name>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Kein Titel angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Keine Kategorie angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>Es wurden keine Wörter eingegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>Die Zahl der Versuche muss zwischen 1 und 999 liegen.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>Das Wort „%2“ ist länger als die Rätselgröße von %1 Zeichen.</translation>
    </message>
    <message>
        <source>The word %1 appears more than once.</source>
        <translation>Das Wort %1 kommt mehrmals vor.</translation>
    </message>
    <message>
        <source>The words %1 appear more than once.</source>
        <translation>Die Wörter %1 kommen mehrmals vor.</translation>
    </message>
    <message>
        <source>The words %1 and %2 more appear more than once.</source>
        <translation>Die Wörter %1 und %2 weitere kommen mehrmals vor.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.</source>
        <translation>Der Lösungssatz enthält Leerzeichen.</translation>
    </message>
    <message>
        <source>%1 characters are required for the hidden phrase.  You have entered %2 characters.  Please change your phrase or select not to use a phrase.</source>
        <translation>Für den Lösungssatz werden %1 Buchstaben benötigt.  Sie haben %2 Buchstaben eingegeben.  Bitte ändern Sie den Satz oder verzichten Sie auf einen Lösungssatz.</translation>
    </message>
    <message>
        <source>Unable to save the dictionary file %1.</source>
        <translation>Die Wörterbuchdatei %1 kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 inches.  Please re-enter width.</source>
        <translation>Die Breite muss zwischen %1 und %2 Zoll liegen.  Bitte geben Sie die Breite neu ein.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 centimeters.  Please re-enter width.</source>
        <translation>Die Breite muss zwischen %1 und %2 Zentimetern liegen.  Bitte geben Sie die Breite neu ein.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 inches.  Please re-enter height.</source>
        <translation>Die Höhe muss zwischen %1 und %2 Zoll liegen.  Bitte geben Sie die Höhe neu ein.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 centimeters.  Please re-enter height.</source>
        <translation>Die Höhe muss zwischen %1 und %2 Zentimetern liegen.  Bitte geben Sie die Höhe neu ein.</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>Ungültige linke Position eingegeben.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>Ungültige obere Position eingegeben.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Ungültige Breite eingegeben.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>Ungültige Höhe eingegeben.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Das Seitenlayout kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>Die Seitenlayout-Datei ist beschädigt oder nicht kompatibel.  Import abgebrochen.</translation>
    </message>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>Das Seitenlayout kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>Das Seitenlayout konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>Seitenlayout exportiert!</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>Das Seitenlayout konnte nicht importiert werden.</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>Die HTML-Datei kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Nothing could be drawn</source>
        <translation>Es konnte nichts gezeichnet werden</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Bilder dieses Rätsels werden nicht in die Metadatei übernommen.</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>Ungültige Spaltenzahl angegeben.</translation>
    </message>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>Mindestens ein Bild des Seitenlayouts wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>Die Wörter passten nicht in den vorgesehenen Platz.  Vergrößern Sie den Platz für die Wörter im Seitenlayout, verkleinern Sie ihre Schrift oder wählen Sie für die Wörter „Einpassen“.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>Die Hinweise passten nicht in den vorgesehenen Platz.  Vergrößern Sie den Platz für die Hinweise im Seitenlayout, verkleinern Sie ihre Schrift oder wählen Sie für die Hinweise „Einpassen“.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>Der Text passte nicht in den vorgesehenen Platz.  Vergrößern Sie den Platz für den Text im Seitenlayout, verkleinern Sie seine Schrift oder wählen Sie für das Textobjekt „Einpassen“.</translation>
    </message>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation>Es ist kein Drucker eingerichtet; der Druckauftrag wird abgebrochen.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>Die Formdatei ist beschädigt oder nicht kompatibel.  Import abgebrochen.</translation>
    </message>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>Die Rätselform kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>Die Form konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>Rätselform exportiert!</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>Die Rätselform konnte nicht importiert werden.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Die Form kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>Die Rätsel konnten nicht importiert werden.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>Die Rätsel können nicht importiert werden.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>Die Rätsel können nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Das Rätsel kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>Die Rätsel können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;OLDPUZZ.QL3&quot; has been created.</source>
        <translation>Eine neue Rätselgruppe namens „OLDPUZZ.QL3“ wurde angelegt.</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.</source>
        <translation>%1 beschädigtes Rätsel konnte nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.</source>
        <translation>%1 beschädigte Rätsel konnten nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 beschädigtes Rätsel konnte nicht umgewandelt werden.  Die Datei der Vorversion wurde als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 beschädigte Rätsel konnten nicht umgewandelt werden.  Die Datei der Vorversion wurde als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>Die Formen können nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>Die Rätselformen wurden hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.</source>
        <translation>%1 beschädigte Form konnte nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.</source>
        <translation>%1 beschädigte Formen konnten nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 beschädigte Form konnte nicht hinzugefügt werden.  Die Datei der Vorversion wurde als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 beschädigte Formen konnten nicht hinzugefügt werden.  Die Datei der Vorversion wurde als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Gridwright have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Es wurden selbst erstellte Rätsel aus einer früheren Version von Gridwright gefunden.  Möchten Sie sie in eine Rätselgruppe umwandeln?</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Gridwright have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Es wurden selbst erstellte Formen aus einer früheren Version von Gridwright gefunden.  Möchten Sie sie der Liste der Rätselformen hinzufügen?</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>Das Rätsel konnte nicht importiert werden.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>Die Rätseldatei ist beschädigt oder nicht kompatibel.  Import abgebrochen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Datenträgerfehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Löschen?</translation>
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
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Rechtschreibung in Ordnung</translation>
    </message>
    <message>
        <source>Input/output error: %1.</source>
        <translation>Ein-/Ausgabefehler: %1.</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>Ungültige Spaltenzahl eingegeben.</translation>
    </message>
    <message>
        <source>The title holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Der Titel enthält ein Steuerzeichen (etwa einen Tabulator oder Zeilenumbruch).  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>The category holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Die Kategorie enthält ein Steuerzeichen (etwa einen Tabulator oder Zeilenumbruch).  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>The word in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Das Wort in Zeile %1 enthält ein Steuerzeichen (etwa einen Tabulator oder Zeilenumbruch).  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>The clue in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Der Hinweis in Zeile %1 enthält ein Steuerzeichen (etwa einen Tabulator oder Zeilenumbruch).  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>The bonus question holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Die Bonusfrage enthält ein Steuerzeichen (etwa einen Tabulator oder Zeilenumbruch).  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.  Please correct.</source>
        <translation>Der Lösungssatz enthält Leerzeichen.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>%1 (noun)</source>
        <translation>%1 (Nomen)</translation>
    </message>
    <message>
        <source>%1 (verb)</source>
        <translation>%1 (Verb)</translation>
    </message>
    <message>
        <source>%1 (adjective)</source>
        <translation>%1 (Adjektiv)</translation>
    </message>
    <message>
        <source>%1 (adverb)</source>
        <translation>%1 (Adverb)</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (Eigenes Format %2&quot; x %3&quot;)  &lt;&lt;VORGABE&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)</source>
        <translation>%1 (Eigenes Format %2&quot; x %3&quot;)</translation>
    </message>
    <message>
        <source>%1 (%2)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (%2)  &lt;&lt;VORGABE&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>Schrift: %1</translation>
    </message>
    <message>
        <source>Puzzle Letters would not fit in their cells at the large print size.  You will need a larger page, a smaller grid or a layout with more room for the puzzle.</source>
        <translation>Die Buchstaben passen im Großdruck nicht in ihre Felder.  Sie brauchen eine größere Seite, ein kleineres Gitter oder ein Layout mit mehr Platz für das Rätsel.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>longer than any line of the shape in the chosen directions (longest line: %1)</source>
        <translation>länger als jede Linie der Form in den gewählten Richtungen (längste Linie: %1)</translation>
    </message>
    <message>
        <source>placed in %1 of %2 attempts, crowded out here</source>
        <translation>in %1 von %2 Versuchen platziert, hier verdrängt</translation>
    </message>
    <message>
        <source>refused by the offensive-word screen</source>
        <translation>von der Prüfung auf anstößige Wörter verworfen</translation>
    </message>
    <message>
        <source>never placed: no free line for it once the other words were in</source>
        <translation>nie platziert: keine freie Linie mehr, als die anderen Wörter standen</translation>
    </message>
    <message>
        <source>Switching on %1 would give lines of up to %2 letters, enough for %3.</source>
        <translation>Mit %1 gäbe es Linien mit bis zu %2 Buchstaben, genug für %3.</translation>
    </message>
    <message>
        <source>Switching on %1 would give the crowded-out words more lines to go in.</source>
        <translation>Mit %1 hätten die verdrängten Wörter mehr Linien zur Auswahl.</translation>
    </message>
    <message>
        <source>A square shape of %1 x %1 or larger would take the longest word, %2 (%1 letters).</source>
        <translation>Eine quadratische Form von %1 x %1 oder größer nähme das längste Wort auf, %2 (%1 Buchstaben).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempt).</source>
        <translation>Im Schnitt passen %1 von %2 Wörtern (über %3 Versuch).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempts).</source>
        <translation>Im Schnitt passen %1 von %2 Wörtern (über %3 Versuche).</translation>
    </message>
    <message>
        <source>The offensive-word screen refused every attempt.</source>
        <translation>Die Prüfung auf anstößige Wörter hat jeden Versuch verworfen.</translation>
    </message>
    <message>
        <source>the run kept fewer than %1 candidates</source>
        <translation>der Durchlauf behielt weniger als %1 Vorschläge</translation>
    </message>
    <message>
        <source>offensive-word screening refused every attempt</source>
        <translation>die Prüfung auf anstößige Wörter hat jeden Versuch verworfen</translation>
    </message>
    <message>
        <source>no word could be placed: check the directions, the shape and the word lengths</source>
        <translation>kein Wort ließ sich platzieren: Prüfen Sie die Richtungen, die Form und die Wortlängen</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Variante %1: %2</translation>
    </message>
    <message>
        <source>Version %1 placed %2 words, fewer than %3.</source>
        <translation>Variante %1 hat %2 Wörter platziert, weniger als %3.</translation>
    </message>
    <message>
        <source>The hidden phrase spelled an offensive word in version %1, so it was left out of it.</source>
        <translation>Der Lösungssatz ergab in Variante %1 ein anstößiges Wort und wurde dort weggelassen.</translation>
    </message>
    <message>
        <source>The hidden phrase does not fit version %1 (%2 leftover cells for %3 letters), so it was left out of it.</source>
        <translation>Der Lösungssatz passt nicht in Variante %1 (%2 freie Felder für %3 Buchstaben) und wurde dort weggelassen.</translation>
    </message>
    <message>
        <source>Version %1 has the same grid as an earlier version.</source>
        <translation>Variante %1 hat dasselbe Gitter wie eine frühere Variante.</translation>
    </message>
    <message>
        <source>Unable to write the file %1.  %2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.  %2.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written.</source>
        <translation>%1 ist keine Datei, die geschrieben werden kann.</translation>
    </message>
    <message>
        <source>%1 exists and is not %2; it is left as it is.</source>
        <translation>%1 gibt es schon, und es ist nicht %2; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>a PDF</source>
        <translation>ein PDF</translation>
    </message>
    <message>
        <source>a web page</source>
        <translation>eine Webseite</translation>
    </message>
    <message>
        <source>the puzzle was never generated</source>
        <translation>Das Rätsel wurde noch nie erzeugt</translation>
    </message>
    <message>
        <source>the puzzle&apos;s grid holds no word to find</source>
        <translation>Das Gitter des Rätsels enthält kein Wort zum Suchen</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Die Exportdatei kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>There is no page image: no page, or more than %1 million pixels</source>
        <translation>Es gibt kein Seitenbild: keine Seite oder mehr als %1 Millionen Pixel</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>Der Drucker %1 hat den Auftrag nicht angenommen.</translation>
    </message>
    <message>
        <source>There were no puzzles to convert in &quot;%1&quot;.</source>
        <translation>In „%1“ gab es keine Rätsel zum Umwandeln.</translation>
    </message>
    <message>
        <source>There were no shapes to add in &quot;%1&quot;.</source>
        <translation>In „%1“ gab es keine Formen zum Hinzufügen.</translation>
    </message>
    <message>
        <source>%1 holds a puzzle group; nothing was written over it.  Choose another file.</source>
        <translation>%1 enthält eine Rätselgruppe; sie wurde nicht überschrieben.  Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 is a puzzle shape library; nothing was written over it.  Choose another file.</source>
        <translation>%1 ist eine Formenbibliothek; sie wurde nicht überschrieben.  Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 is a page layout library; nothing was written over it.  Choose another file.</source>
        <translation>%1 ist eine Seitenlayout-Bibliothek; sie wurde nicht überschrieben.  Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 holds an exported puzzle shape; nothing was written over it.  Choose another file.</source>
        <translation>%1 enthält eine exportierte Rätselform; sie wurde nicht überschrieben.  Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 holds an exported page layout; nothing was written over it.  Choose another file.</source>
        <translation>%1 enthält ein exportiertes Seitenlayout; es wurde nicht überschrieben.  Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 is not a file an export may replace; nothing was written over it.  Choose another file.</source>
        <translation>%1 ist keine Datei, die ein Export ersetzen darf; sie wurde nicht überschrieben.  Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 is the file being exported from; nothing was written over it.  Choose another file.</source>
        <translation>Aus %1 wird gerade exportiert; die Datei wurde nicht überschrieben.  Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 (noun), %2</source>
        <translation>%1 (Nomen), %2</translation>
    </message>
    <message>
        <source>%1 (verb), %2</source>
        <translation>%1 (Verb), %2</translation>
    </message>
    <message>
        <source>%1 (adjective), %2</source>
        <translation>%1 (Adjektiv), %2</translation>
    </message>
    <message>
        <source>%1 (adverb), %2</source>
        <translation>%1 (Adverb), %2</translation>
    </message>
</context>
<context>
    <name>gw::MetafileExportDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Metadatei erstellen</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Metadatei wird erstellt...  Bitte warten.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Metadatei erstellt</translation>
    </message>
</context>
<context>
    <name>gw::ObjectBorderDialog</name>
    <message>
        <source>Border Info for %1</source>
        <translation>Rahmen von %1</translation>
    </message>
    <message>
        <source>&amp;Use Border</source>
        <translation>&amp;Rahmen verwenden</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Farbe ä&amp;ndern</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>gw::ObjectFillDialog</name>
    <message>
        <source>Fill Info for %1</source>
        <translation>Füllung von %1</translation>
    </message>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>Form &amp;füllen</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Füllfarbe</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Farbe ä&amp;ndern</translation>
    </message>
</context>
<context>
    <name>gw::ObjectGeometryDialog</name>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Größe und Lage von %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Werte in Zoll</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Werte in Zentimetern</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>Mit dieser Position liegt das Objekt außerhalb der Seite.  Möchten Sie Ihre Änderungen verwerfen?</translation>
    </message>
</context>
<context>
    <name>gw::ObjectPropertiesDialog</name>
    <message>
        <source>Properties for %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>&amp;Tile Bitmap</source>
        <translation>Bild &amp;kacheln</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>&amp;Transparenter Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>&amp;Einpassen (Schrift verkleinern)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Anzahl Spalten</translation>
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
        <translation>Manche Drucker unterstützen ungewöhnliche Seitenformate nicht.  Das Druckergebnis kann abweichen.</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>Die gewählte Datei ist keine gültige Bilddatei.</translation>
    </message>
    <message>
        <source>Pictures (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP</source>
        <translation>Bilder (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Seitengestaltung</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigenes Format</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>Hoch&amp;format</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Rätselobjekte</translation>
    </message>
    <message>
        <source>  Other   Objects</source>
        <translation>  Weitere   Objekte</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objekte</translation>
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
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Groß</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>&amp;Größe und Position...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Rahmen</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Füllung</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>&amp;Text ändern...</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>Text&amp;ausrichtung</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>Text&amp;schrift</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>B&amp;ild laden</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>In den &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>In den &amp;Hintergrund</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>Ein Bild dieses Layouts wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Bilddatei laden</translation>
    </message>
    <message>
        <source>The name of the file selected is too long or holds characters a page layout cannot keep.  Please choose another file.</source>
        <translation>Der Name der gewählten Datei ist zu lang oder enthält Zeichen, die ein Seitenlayout nicht speichern kann.  Bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Words/Clues</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Bonusfrage</translation>
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
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>No object selected</source>
        <translation>Kein Objekt ausgewählt</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 inches</source>
        <translation>%1: links %2, oben %3, Breite %4, Höhe %5 Zoll</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 centimeters</source>
        <translation>%1: links %2, oben %3, Breite %4, Höhe %5 Zentimeter</translation>
    </message>
    <message>
        <source>Save changes to the page layout?</source>
        <translation>Änderungen am Seitenlayout speichern?</translation>
    </message>
</context>
<context>
    <name>gw::PreviewWindow</name>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>Der vorige Druckauftrag ist noch nicht fertig.  Versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>Puzzle Preview</source>
        <translation>Rätselvorschau</translation>
    </message>
    <message>
        <source>Puzzle page</source>
        <translation>Rätselseite</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>Seite &amp;drucken</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>&amp;Mehrere Kopien drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;Page Width</source>
        <translation>&amp;Seitenbreite</translation>
    </message>
    <message>
        <source>Zoom &amp;Whole Page</source>
        <translation>&amp;Ganze Seite</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Graphic Export</source>
        <translation>&amp;Grafikexport</translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation>Windows-&amp;Bitmap (BMP)</translation>
    </message>
    <message>
        <source>&amp;JPEG (JPG)</source>
        <translation>&amp;JPEG (JPG)</translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation>&amp;Windows-Metadatei (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>&amp;Erweiterte Metadatei (EMF)</translation>
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
        <translation>JPEG-Kompressions&amp;faktor</translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation>&amp;HTML-Export</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in percent</source>
        <translation>Zoom in Prozent</translation>
    </message>
    <message>
        <source>Zoom Page Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Seite drucken</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Als Bitmap exportieren</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Als JPEG exportieren</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Als Metadatei exportieren</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Webseite erstellen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Rätsel als Bitmap speichern</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Bitmap (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Rätsel als JPEG speichern</translation>
    </message>
    <message>
        <source>JPeg (*.JPG)|*.JPG</source>
        <translation>JPEG (*.JPG)|*.JPG</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Rätsel als Metadatei speichern</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metadatei (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Rätsel als erweiterte Metadatei speichern</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Erweiterte Metadatei (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Save Puzzle As PDF</source>
        <translation>Rätsel als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation>PDF-Dokument (*.PDF)|*.PDF</translation>
    </message>
    <message>
        <source>Save Puzzle As PNG</source>
        <translation>Rätsel als PNG speichern</translation>
    </message>
    <message>
        <source>PNG Picture (*.PNG)|*.PNG</source>
        <translation>PNG-Bild (*.PNG)|*.PNG</translation>
    </message>
    <message>
        <source>Save Puzzle As SVG</source>
        <translation>Rätsel als SVG speichern</translation>
    </message>
    <message>
        <source>SVG Drawing (*.SVG)|*.SVG</source>
        <translation>SVG-Zeichnung (*.SVG)|*.SVG</translation>
    </message>
    <message>
        <source>&amp;Interactive Web Page…</source>
        <translation>&amp;Interaktive Webseite…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>V&amp;orherige Seite</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>A web page cannot be made of this puzzle: %1.</source>
        <translation>Aus diesem Rätsel kann keine Webseite erstellt werden: %1.</translation>
    </message>
</context>
<context>
    <name>gw::PrintOptionsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>Rätsel&amp;titel</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>Rätsel&amp;gitter</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words/Clues</source>
        <translation>&amp;Wörter/Hinweise</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>Bonus&amp;frage</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>&amp;Lösung</translation>
    </message>
    <message>
        <source>Use &amp;Grid</source>
        <translation>Gitterl&amp;inien</translation>
    </message>
    <message>
        <source>L&amp;ower Case Letters</source>
        <translation>&amp;Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>Normal Words</source>
        <translation>Normale Wörter</translation>
    </message>
    <message>
        <source>Clues </source>
        <translation>Hinweise </translation>
    </message>
    <message>
        <source>Scramble Words</source>
        <translation>Wörter verwürfeln</translation>
    </message>
    <message>
        <source>Partial Words</source>
        <translation>Teilwörter</translation>
    </message>
    <message>
        <source>Use Underscores</source>
        <translation>Mit Unterstrichen</translation>
    </message>
    <message>
        <source>Show First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Show Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Anzahl Spalten</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Bild des Seitenlayouts</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>&amp;Ansehen/Drucken</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Drucker ein&amp;richten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>Seitenla&amp;yout ändern</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>&amp;Schriften ändern</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>Bonusfrage ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Reports Help</source>
        <translation>&amp;Hilfe zum Drucken</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>Ungültige Spaltenzahl angegeben.</translation>
    </message>
    <message>
        <source>No printers are defined.</source>
        <translation>Es ist kein Drucker eingerichtet.</translation>
    </message>
</context>
<context>
    <name>gw::PrintStatusWindow</name>
    <message>
        <source>Report Status Screen</source>
        <translation>Druckstatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Drucker: %1</translation>
    </message>
    <message>
        <source>Preparing the page for viewing</source>
        <translation>Seite wird zur Ansicht vorbereitet</translation>
    </message>
    <message>
        <source>Object %1 of %2</source>
        <translation>Objekt %1 von %2</translation>
    </message>
    <message>
        <source>Printing Page 1</source>
        <translation>Seite 1 wird gedruckt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>Rätselerstellung abgebrochen!</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>Rätsel erstellt!</translation>
    </message>
</context>
<context>
    <name>gw::Program</name>
    <message>
        <source>Program is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
    <message>
        <source>Unable to prepare the folder for your puzzle data: %1.</source>
        <translation>Der Ordner für Ihre Rätseldaten kann nicht vorbereitet werden: %1.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzleBookWindow</name>
    <message>
        <source>Each layout&apos;s own paper</source>
        <translation>Papier des jeweiligen Layouts</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11 in)</source>
        <translation>Letter (8,5 x 11 Zoll)</translation>
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
        <translation>6 x 9 Zoll</translation>
    </message>
    <message>
        <source>7 x 10 in</source>
        <translation>7 x 10 Zoll</translation>
    </message>
    <message>
        <source>Other (W x H in inches)</source>
        <translation>Anderes (B x H in Zoll)</translation>
    </message>
    <message>
        <source>Print Puzzle Book</source>
        <translation>Rätselheft drucken</translation>
    </message>
    <message>
        <source>Puzzles in the book:</source>
        <translation>Rätsel im Heft:</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>A&amp;uswahl aufheben</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Seitenformat:</translation>
    </message>
    <message>
        <source>Other page size, width x height in inches</source>
        <translation>Anderes Seitenformat, Breite x Höhe in Zoll</translation>
    </message>
    <message>
        <source>Answer keys:</source>
        <translation>Lösungen:</translation>
    </message>
    <message>
        <source>At the back</source>
        <translation>Hinten</translation>
    </message>
    <message>
        <source>After each puzzle</source>
        <translation>Nach jedem Rätsel</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Keys a page:</source>
        <translation>Lösungen je Seite:</translation>
    </message>
    <message>
        <source>Page &amp;numbers, from</source>
        <translation>Seiten&amp;zahlen ab</translation>
    </message>
    <message>
        <source>First page number</source>
        <translation>Erste Seitenzahl</translation>
    </message>
    <message>
        <source>&amp;Title page:</source>
        <translation>&amp;Titelseite:</translation>
    </message>
    <message>
        <source>Title of the title page</source>
        <translation>Titel der Titelseite</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Large print (14 points at least)</source>
        <translation>&amp;Großdruck (mindestens 14 Punkt)</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The page size must be a width and a height in inches, such as 5.5 x 8.5, each from 2 to 50.</source>
        <translation>Das Seitenformat muss eine Breite und eine Höhe in Zoll sein, etwa 5.5 x 8.5, jeweils von 2 bis 50.</translation>
    </message>
    <message>
        <source>No puzzles have been chosen for the book.</source>
        <translation>Für das Heft wurden keine Rätsel ausgewählt.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Das Rätsel kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for &quot;%1&quot;. Please select &quot;File|Modify&quot; from the menu and create the puzzle first, or leave it out of the book.</source>
        <translation>Für „%1“ wurde noch nie ein Rätsel erzeugt. Bitte wählen Sie im Menü „Datei|Rätsel bearbeiten“ und erstellen Sie zuerst das Rätsel, oder lassen Sie es im Heft weg.</translation>
    </message>
    <message>
        <source>%1 (page %2): %3</source>
        <translation>%1 (Seite %2): %3</translation>
    </message>
    <message>
        <source>Save Puzzle Book As PDF</source>
        <translation>Rätselheft als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation>PDF-Dokument (*.PDF)|*.PDF</translation>
    </message>
</context>
<context>
    <name>gw::PuzzleHost</name>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Das Rätsel kann nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzlePickList</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>A&amp;uswahl aufheben</translation>
    </message>
</context>
<context>
    <name>gw::ShapeEditor</name>
    <message>
        <source>Shape Creator</source>
        <translation>Formeditor</translation>
    </message>
    <message>
        <source>Shape grid</source>
        <translation>Formgitter</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Gitter verschieben</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Nach oben schieben</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Nach links schieben</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Nach rechts schieben</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Nach unten schieben</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Gitter anpassen</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>&amp;Umkehren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Linksklick: umschalten</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Rechtsklick: füllen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable; row %4, column %5: %6</source>
        <translation>%1 mal %2 Felder, %3 nutzbar; Zeile %4, Spalte %5: %6</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>nutzbar</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>nicht genutzt</translation>
    </message>
    <message>
        <source>Width must be between 5 and 30.  Please re-enter width.</source>
        <translation>Die Breite muss zwischen 5 und 30 liegen.  Bitte geben Sie die Breite neu ein.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 30.  Please re-enter height.</source>
        <translation>Die Höhe muss zwischen 5 und 30 liegen.  Bitte geben Sie die Höhe neu ein.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Die Form kann nicht hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>gw::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Rätselform</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Bild der Rätselform</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opieren</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>Än&amp;dern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
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
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>gw::ShapeListView</name>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>Es wurden keine gespeicherten Formen gefunden.</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable</source>
        <translation>%1 mal %2 Felder, %3 nutzbar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Rätselform importieren</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Rätselformen (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>Keine Form ausgewählt.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Rätselform exportieren</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Rätselform (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Aktuelles Rätsel&gt;</translation>
    </message>
</context>
<context>
    <name>gw::SpellingDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Rechtschreibvorschläge</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Vorschläge</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>Das folgende Wort steht nicht im Wörterbuch (%1).  Vorschläge stehen darunter.</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>%1 wurde im Wörterbuch nicht gefunden.  Es gibt keine Vorschläge.</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>Eine der Wörterbuchdateien wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Alle Wörter wurden im Wörterbuch gefunden.</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Rechtschreibprüfung abgebrochen.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Rechtschreibprüfung abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>gw::SpellingLanguageDialog</name>
    <message>
        <source>Spell Check</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Amerikanisch</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britisch</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spanisch</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italienisch</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Französisch</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Niederländisch</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>Sch&amp;wedisch</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation>Im Thesaurus nachschlagen</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Nachschlagen</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Vorschlagen</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>Überne&amp;hmen</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Antonyms</source>
        <translation>Gegenteile</translation>
    </message>
    <message>
        <source>Synonyms</source>
        <translation>Synonyme</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>Die Thesaurus-Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>Das Wort steht nicht im Thesaurus.  Klicken Sie auf „Vorschlagen“, um mögliche Ersatzwörter zu sehen.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>Für das Wort %1 wurden keine Vorschläge gefunden.</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusLanguageDialog</name>
    <message>
        <source>Thesaurus</source>
        <translation>Thesaurus</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Amerikanisch</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britisch</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Wortvorschläge</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Vorschläge für</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>gw::TipOfTheDayDialog</name>
    <message>
        <source>You can place hidden phrases in your word search puzzle utilizing the unused letters of the puzzle.</source>
        <translation>Mit den übrigen Buchstaben des Gitters können Sie einen Lösungssatz in Ihrem Suchsel verstecken.</translation>
    </message>
    <message>
        <source>You can create a text file &quot;badlist.txt&quot; that the program will use to screen for your own offensive words ensuring they do not show up in the puzzle.</source>
        <translation>Sie können eine Textdatei „badlist.txt“ anlegen; das Programm prüft dann auch auf Ihre eigenen unerwünschten Wörter, damit sie nicht im Rätsel auftauchen.</translation>
    </message>
    <message>
        <source>Every puzzle is checked in all eight directions for offensive words before you see it, and again when its fill letters are chosen.</source>
        <translation>Jedes Rätsel wird in allen acht Richtungen auf anstößige Wörter geprüft, bevor Sie es sehen, und noch einmal, wenn die Füllbuchstaben gewählt werden.</translation>
    </message>
    <message>
        <source>Raise the number of creation attempts (up to 999) to give every word a better chance to fit. The four best grids are offered to you.</source>
        <translation>Erhöhen Sie die Zahl der Versuche (bis 999), damit jedes Wort bessere Chancen hat. Die vier besten Gitter werden Ihnen angeboten.</translation>
    </message>
    <message>
        <source>Double click any of the four candidate grids to see it enlarged before you decide which one to save.</source>
        <translation>Doppelklicken Sie auf eines der vier vorgeschlagenen Gitter, um es vergrößert zu sehen, bevor Sie entscheiden, welches Sie speichern.</translation>
    </message>
    <message>
        <source>The Word Integration slider sets how much the words cross each other. Move it to the right for a tightly woven puzzle.</source>
        <translation>Der Schieberegler Wortverflechtung bestimmt, wie oft sich die Wörter kreuzen. Schieben Sie ihn nach rechts für ein dicht verflochtenes Rätsel.</translation>
    </message>
    <message>
        <source>Turn off directions such as Left, Up and the diagonals to make easier puzzles for young children.</source>
        <translation>Schalten Sie Richtungen wie Links, Oben und die Diagonalen aus, um leichtere Rätsel für jüngere Kinder zu machen.</translation>
    </message>
    <message>
        <source>Check &quot;Shrink&quot; to let the program trim empty rows and columns from the bottom and right of the finished grid.</source>
        <translation>Mit „Kürzen“ entfernt das Programm leere Zeilen und Spalten unten und rechts am fertigen Gitter.</translation>
    </message>
    <message>
        <source>Puzzles don&apos;t have to be square. Pick a heart, a star or a tree under Puzzle Shape, or draw your own with the shape editor.</source>
        <translation>Rätsel müssen nicht quadratisch sein. Wählen Sie unter Rätselform ein Herz, einen Stern oder einen Baum, oder zeichnen Sie mit dem Formeditor eine eigene Form.</translation>
    </message>
    <message>
        <source>In the shape editor a left click toggles one cell and a right click fills a whole region at once.</source>
        <translation>Im Formeditor schaltet ein Linksklick ein Feld um, ein Rechtsklick füllt einen ganzen Bereich auf einmal.</translation>
    </message>
    <message>
        <source>Shapes travel between computers: use Export on the Shapes window and Import on the other machine.</source>
        <translation>Formen lassen sich auf andere Computer mitnehmen: mit Exportieren im Fenster Formen und Importieren auf dem anderen Rechner.</translation>
    </message>
    <message>
        <source>Keep your puzzles organized in groups. Each group file holds as many puzzles as you like, sorted by category.</source>
        <translation>Ordnen Sie Ihre Rätsel in Gruppen. Jede Gruppendatei fasst beliebig viele Rätsel, nach Kategorien sortiert.</translation>
    </message>
    <message>
        <source>Use Copy Puzzle to start a new puzzle from an existing word list. The copy gets a number added to its title.</source>
        <translation>Mit „Rätsel kopieren“ beginnen Sie ein neues Rätsel mit einer vorhandenen Wortliste. Die Kopie bekommt eine Nummer im Titel.</translation>
    </message>
    <message>
        <source>Type a clue beside each word to make a clue puzzle: the solver reads the clue and must find the matching word.</source>
        <translation>Schreiben Sie zu jedem Wort einen Hinweis, um ein Hinweisrätsel zu machen: Die Kinder lesen den Hinweis und suchen das passende Wort.</translation>
    </message>
    <message>
        <source>Hide the clue column with &quot;Use Clues&quot; when you only need words. Your clues are kept and come back when you show it again.</source>
        <translation>Blenden Sie die Hinweisspalte mit „Hinweise verwenden“ aus, wenn Sie nur Wörter brauchen. Ihre Hinweise bleiben erhalten und erscheinen wieder, wenn Sie die Spalte einblenden.</translation>
    </message>
    <message>
        <source>Words may contain spaces, such as ICE CREAM. The space is left out in the grid, so the solver looks for ICECREAM.</source>
        <translation>Wörter dürfen Leerzeichen enthalten, etwa EIS CREME. Im Gitter fällt das Leerzeichen weg, gesucht wird also EISCREME.</translation>
    </message>
    <message>
        <source>Tab and Enter move between the cells of the word list, so a long list can be typed without touching the mouse.</source>
        <translation>Tab und Eingabe wechseln zwischen den Feldern der Wortliste, so lässt sich eine lange Liste ganz ohne Maus eintippen.</translation>
    </message>
    <message>
        <source>Import a word list from a text file, one word per line, or words and clues separated by a colon.</source>
        <translation>Importieren Sie eine Wortliste aus einer Textdatei: ein Wort pro Zeile, oder Wort und Hinweis durch einen Doppelpunkt getrennt.</translation>
    </message>
    <message>
        <source>Export your word and clue list to a text file to share it or to edit it in another program.</source>
        <translation>Exportieren Sie Ihre Wort- und Hinweisliste in eine Textdatei, um sie weiterzugeben oder in einem anderen Programm zu bearbeiten.</translation>
    </message>
    <message>
        <source>A puzzle holds up to 330 words. Words that cannot be placed are listed as excluded words before you save.</source>
        <translation>Ein Rätsel fasst bis zu 330 Wörter. Wörter, die nicht platziert werden können, werden vor dem Speichern als nicht platziert aufgeführt.</translation>
    </message>
    <message>
        <source>Add a bonus question to a puzzle. It can be printed below the grid as an extra challenge.</source>
        <translation>Geben Sie einem Rätsel eine Bonusfrage. Sie kann unter dem Gitter als zusätzliche Aufgabe gedruckt werden.</translation>
    </message>
    <message>
        <source>The page layout decides where the title, the grid and the word list go on the printed page. Each puzzle keeps its own copy.</source>
        <translation>Das Seitenlayout bestimmt, wo Titel, Gitter und Wortliste auf der gedruckten Seite stehen. Jedes Rätsel hat seine eigene Kopie davon.</translation>
    </message>
    <message>
        <source>Design your own page layouts with text, pictures, rectangles and circles, and make one of them the default for new puzzles.</source>
        <translation>Gestalten Sie eigene Seitenlayouts mit Text, Bildern, Rechtecken und Kreisen, und machen Sie eines davon zum Standard für neue Rätsel.</translation>
    </message>
    <message>
        <source>Print the answer key with the words circled in the grid, ready for marking.</source>
        <translation>Drucken Sie die Lösung mit den eingekreisten Wörtern im Gitter – fertig zum Korrigieren.</translation>
    </message>
    <message>
        <source>Save a puzzle page as a picture or an HTML page to put it on a school web site.</source>
        <translation>Speichern Sie eine Rätselseite als Bild oder HTML-Seite, um sie auf die Schulwebsite zu stellen.</translation>
    </message>
    <message>
        <source>Modify Puzzle lets you change the title, the category, the clues and the bonus question of a stored puzzle without losing its grid.</source>
        <translation>Mit „Rätsel bearbeiten“ ändern Sie Titel, Kategorie, Hinweise und Bonusfrage eines gespeicherten Rätsels, ohne sein Gitter zu verlieren.</translation>
    </message>
    <message>
        <source>Use Screen Size on the Options menu to make every window larger on a big monitor.</source>
        <translation>Mit Bildschirmgröße im Menü Optionen werden alle Fenster auf einem großen Bildschirm größer.</translation>
    </message>
    <message>
        <source>Choose your own fonts for labels, edit boxes and buttons on the Options menu.</source>
        <translation>Im Menü Optionen wählen Sie eigene Schriften für Beschriftungen, Eingabefelder und Schaltflächen.</translation>
    </message>
    <message>
        <source>The spell checker looks at your words and clues in eight languages, and you can add your own words to its dictionary.</source>
        <translation>Die Rechtschreibprüfung prüft Ihre Wörter und Hinweise in acht Sprachen, und Sie können eigene Wörter in ihr Wörterbuch aufnehmen.</translation>
    </message>
    <message>
        <source>Press F1 to F12 in the word list to type accented letters such as á, é and ñ.</source>
        <translation>Drücken Sie in der Wortliste F1 bis F12, um Buchstaben mit Akzent wie á, é und ñ einzugeben.</translation>
    </message>
    <message>
        <source>Turn the background picture of the main window on or off with Background Bitmap on the Options menu.</source>
        <translation>Mit Hintergrundbild im Menü Optionen schalten Sie das Bild hinter dem Hauptfenster ein oder aus.</translation>
    </message>
    <message>
        <source>The thesaurus suggests synonyms for a word and can turn one of them into the word&apos;s clue in a single step.</source>
        <translation>Der Thesaurus schlägt Synonyme für ein Wort vor und macht eines davon mit einem Schritt zum Hinweis für das Wort.</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Schon gewusst ...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>Tipps beim Start &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>gw::UserDictionaryDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Wörterbuch pflegen</translation>
    </message>
    <message>
        <source>Word to add</source>
        <translation>Neues Wort</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>Diese Wörter werden dem Wörterbuch (%1) hinzugefügt und als richtig gewertet.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>Diese Wörter werden aus dem Wörterbuch (%1) ausgeschlossen und gelten als falsch.</translation>
    </message>
</context>
<context>
    <name>gw::UserManualDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Hinweis zum Benutzerhandbuch</translation>
    </message>
    <message>
        <source>The user manual opens in your document viewer, where you can read and print it. Press Ok to open it now.</source>
        <translation>Das Benutzerhandbuch öffnet sich in Ihrem Dokumentbetrachter, wo Sie es lesen und drucken können. Mit OK öffnen Sie es jetzt.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden.  Bitte prüfen Sie, ob es installiert ist.  Eine Kopie gibt es auf unserer Website.</translation>
    </message>
    <message>
        <source>No program to show the user manual could be started.  The manual is %1; open it with any program that reads PDF documents.</source>
        <translation>Es konnte kein Programm zum Anzeigen des Benutzerhandbuchs gestartet werden.  Das Handbuch liegt unter %1; öffnen Sie es mit einem beliebigen Programm, das PDF-Dokumente liest.</translation>
    </message>
</context>
<context>
    <name>gw::WebPageWindow</name>
    <message>
        <source>HTML Creation</source>
        <translation>HTML erstellen</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Webseite erstellen</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Erste Kopfzeilen</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Zweite Kopfzeilen</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Horizontale Linie</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>Hier steht das Rätsel</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Erste Fußzeilen</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Zweite Fußzeilen</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Titel der Webseite</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>HTML &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>HTML-Dokument speichern</translation>
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
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Trennzeichen</translation>
    </message>
</context>
<context>
    <name>gw::WordFileExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Wörter</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Hinweise</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>Wörter &amp;und Hinweise</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Auswahl au&amp;fheben</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>Keine Wörter/Hinweise zur Ausgabe ausgewählt.  Bitte wählen Sie die gewünschten Wörter/Hinweise.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Wort-/Hinweisliste speichern</translation>
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
        <translation>Importieren</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>Als &amp;Wörter</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Als &amp;Hinweise</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>Als Wörter &amp;und Hinweise</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Auswahl aufhe&amp;ben</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Hi&amp;lfe</translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation>Wort-/Hinweisliste importieren</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>Die Importdatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Some characters in this file cannot be used in a puzzle: %1.  They are shown as &quot;?&quot;.</source>
        <translation>Einige Zeichen dieser Datei können in einem Rätsel nicht verwendet werden: %1.  Sie werden als „?“ angezeigt.</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>Kein Trennzeichen zwischen Wort und Hinweis angegeben.</translation>
    </message>
    <message>
        <source>Too many words selected.  Last word will not be used.  Continue?</source>
        <translation>Zu viele Wörter ausgewählt.  Das letzte Wort wird nicht verwendet.  Fortfahren?</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 words will not be used.  Continue?</source>
        <translation>Zu viele Wörter ausgewählt.  Die letzten %1 Wörter werden nicht verwendet.  Fortfahren?</translation>
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
        <translation>P</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Tab goes from cell to cell; Ctrl+Tab leaves the list.</source>
        <translation>Tab springt von Feld zu Feld; Strg+Tab verlässt die Liste.</translation>
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
        <translation>Unten</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Wörter und Hinweise</translation>
    </message>
    <message>
        <source>Use Clues</source>
        <translation>Hinweise verwenden</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Wort &amp;löschen</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>&amp;Rechtschreibung</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>&amp;Thesaurus</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>P&amp;hrase</source>
        <translation>Lösungs&amp;satz</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Bonusfrage</translation>
    </message>
    <message>
        <source>Word Directions</source>
        <translation>Wortrichtungen</translation>
    </message>
    <message>
        <source>Word Integration</source>
        <translation>Wortverflechtung</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Kür&amp;zen</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Internationale Zeichen</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Rätselform</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Bild der Rätselform</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>Än&amp;dern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>I&amp;mport</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Exp&amp;ort</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Seitenlayout</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Bild des Seitenlayouts</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>La&amp;yout ändern</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Alle Wörter sind bereits gelöscht.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Damit werden alle Wörter und Hinweise entfernt.  Fortfahren?</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>Das Rätsel wurde geändert.  Änderungen speichern?</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Kein Titel angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Keine Kategorie angegeben.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>  Continue?</source>
        <translation>  Fortfahren?</translation>
    </message>
    <message>
        <source>Offensive-word screening refused every attempt, so no puzzle could be made.</source>
        <translation>Die Prüfung auf anstößige Wörter hat jeden Versuch verworfen; es konnte kein Rätsel erstellt werden.</translation>
    </message>
    <message>
        <source>About %1 of %2 words will fit</source>
        <translation>Etwa %1 von %2 Wörtern passen</translation>
    </message>
    <message>
        <source>Discard the words you typed?</source>
        <translation>Die eingegebenen Wörter verwerfen?</translation>
    </message>
</context>
</TS>
