<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
</context>
</TS>
