<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>gw::AboutDialog</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Builds printable word search puzzles from your own word lists, in any shape, with clues, hidden phrases and page layouts of your design.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::AccentKeysDialog</name>
    <message>
        <source>International Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::BonusQuestionDialog</name>
    <message>
        <source>Bonus Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::CandidateWindow</name>
    <message>
        <source>Best Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 by %2, %3 words placed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::Choosers</name>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colo&amp;r:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ChosenReplacement</name>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::DesignPicture</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ExportPuzzlesDialog</name>
    <message>
        <source>Export Word Search Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Word Search Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::FormLayout</name>
    <message>
        <source>Too many compenents to save dimensions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::GenerationProgressWindow</name>
    <message>
        <source>Offensive-word screening refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the attempts: stopped on #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::GridPropertiesDialog</name>
    <message>
        <source>Properties for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lower Case Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>background</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Line Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>grid lines</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::Help</name>
    <message>
        <source>The help file could not be located.  Please make sure the help file was installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file is damaged.  Please install it again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::HelpWindow</name>
    <message>
        <source>Gridwright 98 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no topic holds every word)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::HiddenPhraseDialog</name>
    <message>
        <source>Hidden Puzzle Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ImportPuzzlesDialog</name>
    <message>
        <source>Import Word Search Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::JpegQualityDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::LanguageChooser</name>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::LanguageNames</name>
    <message>
        <source>American</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::LayoutLibraryDialog</name>
    <message>
        <source>No page layout selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text, Shapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::MainWindow</name>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Puzzle Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose at Spell Check Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Swedish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file selected is not a valid Gridwright file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3|16 bit QUARL Files (*.QLX)|*.QLX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to delete puzzle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 x %2 pixels.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::Messages</name>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word %1 appears more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words %1 appear more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words %1 and %2 more appear more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 characters are required for the hidden phrase.  You have entered %2 characters.  Please change your phrase or select not to use a phrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save the dictionary file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 inches.  Please re-enter width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 centimeters.  Please re-enter width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 inches.  Please re-enter height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 centimeters.  Please re-enter height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to delete page layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing could be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write the file %1.  %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to start the print job on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;OLDPUZZ.QL3&quot; has been created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Gridwright have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Gridwright have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input/output error: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clue in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bonus question holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (noun)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (verb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (adjective)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (adverb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::MetafileExportDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ObjectBorderDialog</name>
    <message>
        <source>Border Info for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ObjectDialog</name>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ObjectFillDialog</name>
    <message>
        <source>Fill Info for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ObjectGeometryDialog</name>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ObjectPropertiesDialog</name>
    <message>
        <source>Properties for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ObjectTextDialog</name>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::PageDesigner</name>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Other   Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the file selected is too long or holds characters a page layout cannot keep.  Please choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words/Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No object selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 centimeters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::PreviewWindow</name>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Page Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Whole Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graphic Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;JPEG (JPG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;NG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;SVG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG Compression &amp;Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Page Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPeg (*.JPG)|*.JPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Puzzle As PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Puzzle As PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Picture (*.PNG)|*.PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Puzzle As SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG Drawing (*.SVG)|*.SVG</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::PrintOptionsWindow</name>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle &amp;Words/Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ower Case Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clues </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scramble Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Underscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reports Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printers are defined.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::PrintStatusWindow</name>
    <message>
        <source>Report Status Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the page for viewing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing Page 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::Program</name>
    <message>
        <source>Program is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to prepare the folder for your puzzle data: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::PuzzleHost</name>
    <message>
        <source>Unable to save puzzle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::PuzzlePickList</name>
    <message>
        <source>&amp;Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ShapeEditor</name>
    <message>
        <source>Shape Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable; row %4, column %5: %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width must be between 5 and 30.  Please re-enter width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height must be between 5 and 30.  Please re-enter height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ShapeListView</name>
    <message>
        <source>No saved shape information could be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::SpellingDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::SpellingLanguageDialog</name>
    <message>
        <source>Spell Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antonyms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synonyms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusLanguageDialog</name>
    <message>
        <source>Thesaurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::TipOfTheDayDialog</name>
    <message>
        <source>You can place hidden phrases in your word search puzzle utilizing the unused letters of the puzzle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can create a text file &quot;badlist.txt&quot; that the program will use to screen for your own offensive words ensuring they do not show up in the puzzle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every puzzle is checked in all eight directions for offensive words before you see it, and again when its fill letters are chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise the number of creation attempts (up to 999) to give every word a better chance to fit. The four best grids are offered to you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click any of the four candidate grids to see it enlarged before you decide which one to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Word Integration slider sets how much the words cross each other. Move it to the right for a tightly woven puzzle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off directions such as Left, Up and the diagonals to make easier puzzles for young children.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &quot;Shrink&quot; to let the program trim empty rows and columns from the bottom and right of the finished grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles don&apos;t have to be square. Pick a heart, a star or a tree under Puzzle Shape, or draw your own with the shape editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the shape editor a left click toggles one cell and a right click fills a whole region at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shapes travel between computers: use Export on the Shapes window and Import on the other machine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep your puzzles organized in groups. Each group file holds as many puzzles as you like, sorted by category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Copy Puzzle to start a new puzzle from an existing word list. The copy gets a number added to its title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a clue beside each word to make a clue puzzle: the solver reads the clue and must find the matching word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the clue column with &quot;Use Clues&quot; when you only need words. Your clues are kept and come back when you show it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words may contain spaces, such as ICE CREAM. The space is left out in the grid, so the solver looks for ICECREAM.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab and Enter move between the cells of the word list, so a long list can be typed without touching the mouse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a word list from a text file, one word per line, or words and clues separated by a colon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export your word and clue list to a text file to share it or to edit it in another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A puzzle holds up to 330 words. Words that cannot be placed are listed as excluded words before you save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a bonus question to a puzzle. It can be printed below the grid as an extra challenge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page layout decides where the title, the grid and the word list go on the printed page. Each puzzle keeps its own copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design your own page layouts with text, pictures, rectangles and circles, and make one of them the default for new puzzles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the answer key with the words circled in the grid, ready for marking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save a puzzle page as a picture or an HTML page to put it on a school web site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Puzzle lets you change the title, the category, the clues and the bonus question of a stored puzzle without losing its grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Screen Size on the Options menu to make every window larger on a big monitor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose your own fonts for labels, edit boxes and buttons on the Options menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spell checker looks at your words and clues in eight languages, and you can add your own words to its dictionary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press F1 to F12 in the word list to type accented letters such as á, é and ñ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the background picture of the main window on or off with Background Bitmap on the Options menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The thesaurus suggests synonyms for a word and can turn one of them into the word&apos;s clue in a single step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::UserDictionaryDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word to add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::UserManualDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user manual opens in your document viewer, where you can read and print it. Press Ok to open it now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::WebPageWindow</name>
    <message>
        <source>HTML Creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>html (*.htm)|*.htm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::WordFileDialog</name>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::WordFileExportDialog</name>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::WordFileImportDialog</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some characters in this file cannot be used in a puzzle: %1.  They are shown as &quot;?&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many words selected.  Last word will not be used.  Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 words will not be used.  Continue?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::WordGrid</name>
    <message>
        <source>Cnt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gw::WordListEditor</name>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Clues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;hrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Directions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Integration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offensive-word screening refused every attempt, so no puzzle could be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
