<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>gw::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Version 3.0</translation>
    </message>
    <message>
        <source>Builds printable word search puzzles from your own word lists, in any shape, with clues, hidden phrases and page layouts of your design.</source>
        <translation>Crée des mots mêlés à imprimer à partir de vos propres listes de mots, de toutes formes, avec indices, phrases cachées et mises en page de votre choix.</translation>
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
        <translation>Caractères internationaux</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>Les touches de fonction F1 à F12 peuvent recevoir des caractères internationaux.  Dans la fenêtre de création de grille, chaque touche tape alors le caractère qui lui est attribué.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>gw::BonusQuestionDialog</name>
    <message>
        <source>Bonus Question</source>
        <translation>Question bonus</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>gw::CandidateWindow</name>
    <message>
        <source>Best Fit</source>
        <translation>Meilleure grille</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Deuxième grille</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Troisième grille</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Quatrième grille</translation>
    </message>
    <message>
        <source>%1 by %2, %3 words placed</source>
        <translation>%1 sur %2, %3 mots placés</translation>
    </message>
    <message>
        <source>Created Puzzle</source>
        <translation>Grilles créées</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Phrase cachée</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>&amp;Inclure la phrase cachée</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Sans espaces)</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>&amp;Enregistrer la grille</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>No puzzle</source>
        <translation>Aucune grille</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 mot placé</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 mots placés</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 mot exclu</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 mots exclus</translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation>%1 car.</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Un ou plusieurs mots n&apos;ont pas pu être placés.  Enregistrer quand même la grille ?</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Pourquoi ?</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggestions</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Select an excluded word to see why it was left out.</source>
        <translation>Choisissez un mot exclu pour voir pourquoi il a été écarté.</translation>
    </message>
    <message>
        <source>Every word of the list is in this puzzle.</source>
        <translation>Tous les mots de la liste sont dans cette grille.</translation>
    </message>
</context>
<context>
    <name>gw::Choosers</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Colo&amp;r:</source>
        <translation>C&amp;ouleur :</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
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
        <translation>Aucun mot de remplacement n&apos;a été choisi.  Choisissez d&apos;abord un remplacement.</translation>
    </message>
</context>
<context>
    <name>gw::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Copies multiples</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Nombre de copies</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>Nombre de copies non valable.</translation>
    </message>
</context>
<context>
    <name>gw::DesignPicture</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Liste de mots</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Question bonus</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>gw::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>gw::ExportPuzzlesDialog</name>
    <message>
        <source>Export Word Search Puzzles</source>
        <translation>Exporter des mots mêlés</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Grilles à exporter</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>Aucune grille n&apos;a été sélectionnée pour l&apos;exportation.</translation>
    </message>
    <message>
        <source>Save Word Search Puzzles</source>
        <translation>Enregistrer les mots mêlés</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>Fichiers QUARL (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>Le fichier d&apos;exportation ne peut pas être le fichier actuellement ouvert.</translation>
    </message>
</context>
<context>
    <name>gw::FormLayout</name>
    <message>
        <source>Too many compenents to save dimensions.</source>
        <translation>Trop de composants pour enregistrer les dimensions.</translation>
    </message>
</context>
<context>
    <name>gw::GenerationProgressWindow</name>
    <message>
        <source>Offensive-word screening refused</source>
        <translation>Le filtre des mots grossiers a refusé</translation>
    </message>
    <message>
        <source>Building Puzzles</source>
        <translation>Création des grilles</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Interrompre</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Interrompu à l&apos;essai n° %1</translation>
    </message>
    <message>
        <source>the attempts: stopped on #%1</source>
        <translation>tous les essais : arrêt au n° %1</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Essai n° %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
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
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>Fond &amp;transparent</translation>
    </message>
    <message>
        <source>&amp;Lower Case Letters</source>
        <translation>Lettres &amp;minuscules</translation>
    </message>
    <message>
        <source>&amp;Use Grid</source>
        <translation>&amp;Quadrillage</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>background</comment>
        <translation>Changer le &amp;fond</translation>
    </message>
    <message>
        <source>Grid Line Color</source>
        <translation>Couleur du quadrillage</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>grid lines</comment>
        <translation>Changer les &amp;lignes</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Épaisseur des lignes</translation>
    </message>
</context>
<context>
    <name>gw::Help</name>
    <message>
        <source>The help file could not be located.  Please make sure the help file was installed.</source>
        <translation>Le fichier d&apos;aide est introuvable.  Vérifiez qu&apos;il a bien été installé.</translation>
    </message>
    <message>
        <source>The help file is damaged.  Please install it again.</source>
        <translation>Le fichier d&apos;aide est endommagé.  Veuillez le réinstaller.</translation>
    </message>
</context>
<context>
    <name>gw::HelpWindow</name>
    <message>
        <source>Gridwright 98 Help</source>
        <translation>Aide de Gridwright 98</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Tapez un mot-clé</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Mots à rechercher</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation>Sujets trouvés</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>(no topic holds every word)</source>
        <translation>(aucun sujet ne contient tous les mots)</translation>
    </message>
</context>
<context>
    <name>gw::HiddenPhraseDialog</name>
    <message>
        <source>Hidden Puzzle Phrase</source>
        <translation>Phrase cachée de la grille</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>&amp;Inclure la phrase cachée</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Sans espaces)</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Phrase cachée</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
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
        <translation>Importer des mots mêlés</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Nom du fichier : %1</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Grilles du fichier</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>Aucune grille n&apos;a été sélectionnée pour l&apos;importation.</translation>
    </message>
</context>
<context>
    <name>gw::InteractivePageDialog</name>
    <message>
        <source>Interactive Web Page</source>
        <translation>Page Web interactive</translation>
    </message>
    <message>
        <source>One web page that pupils solve in any browser, on a computer, tablet or phone: they drag across the words they find. The word list is as the print options show it.</source>
        <translation>Une page Web que les élèves résolvent dans n&apos;importe quel navigateur, sur ordinateur, tablette ou téléphone : ils glissent sur les mots trouvés. La liste de mots est celle des options d&apos;impression.</translation>
    </message>
    <message>
        <source>&amp;Show answers button</source>
        <translation>Bouton « &amp;Voir les réponses »</translation>
    </message>
    <message>
        <source>&amp;Open in the browser when saved</source>
        <translation>&amp;Ouvrir dans le navigateur après l&apos;enregistrement</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Save Interactive Web Page</source>
        <translation>Enregistrer la page Web interactive</translation>
    </message>
    <message>
        <source>Web Page (*.html)|*.html|Web Page (*.htm)|*.htm</source>
        <translation>Page Web (*.html)|*.html|Page Web (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>The page was saved, but no browser could be started to show it.</source>
        <translation>La page a été enregistrée, mais aucun navigateur n&apos;a pu être lancé pour l&apos;afficher.</translation>
    </message>
</context>
<context>
    <name>gw::JpegQualityDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>Taux JPEG</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>Plus le taux est élevé, plus l&apos;image est nette, mais plus le fichier est gros.  Plus le taux est bas, plus le fichier est petit, mais moins l&apos;image est nette.</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>Taux de compression/qualité JPEG (de 1 à 100)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>Taux non valable.  Le taux doit être compris entre 1 et 100</translation>
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
        <translation>Annu&amp;ler</translation>
    </message>
</context>
<context>
    <name>gw::LanguageNames</name>
    <message>
        <source>American</source>
        <translation>américain</translation>
    </message>
    <message>
        <source>British</source>
        <translation>britannique</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>espagnol</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italien</translation>
    </message>
    <message>
        <source>French</source>
        <translation>français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>allemand</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>néerlandais</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>suédois</translation>
    </message>
</context>
<context>
    <name>gw::LayoutLibraryDialog</name>
    <message>
        <source>No page layout selected.</source>
        <translation>Aucune mise en page sélectionnée.</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Mises en page (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Text, Shapes</source>
        <translation>Texte, formes</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Mises en page des grilles</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Mises en page</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Aperçu de la mise en page</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>C&amp;hoisir</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>Aucune mise en page enregistrée n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>Aucune mise en page n&apos;a été choisie.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment supprimer « %1 » ?</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Importer des mises en page</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Exporter des mises en page</translation>
    </message>
</context>
<context>
    <name>gw::MainWindow</name>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>Aucune grille sélectionnée.  Sélectionnez d&apos;abord une grille.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Grilles</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Group</source>
        <translation>&amp;Nouveau recueil de grilles</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Group</source>
        <translation>&amp;Ouvrir un recueil de grilles</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>Nouvelle &amp;grille</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>&amp;Modifier la grille</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>&amp;Copier la grille</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>&amp;Supprimer la grille</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>&amp;Importer des grilles</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>E&amp;xporter des grilles</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>Im&amp;primer la grille</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Con&amp;figuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Mise en page</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>&amp;Forme de grille</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>Taille de l&apos;é&amp;cran</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>Image d&apos;a&amp;rrière-plan</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>Taux de compression &amp;JPEG</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>C&amp;ouleurs pour enregistrer BMP &amp;&amp; JPEG</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 couleurs</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 millions de couleurs</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>Caractères i&amp;nternationaux</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>&amp;Dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Choose at Spell Check Time</source>
        <translation>&amp;Choisir lors de la vérification</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Américain</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britannique</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Espagnol</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italien</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>Alle&amp;mand</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Néerlandais</translation>
    </message>
    <message>
        <source>&amp;Swedish</source>
        <translation>&amp;Suédois</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>&amp;Exclure du dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>Dictionnaire des s&amp;ynonymes</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>&amp;Choisir lors de la recherche</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Police des &amp;libellés</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>Police de &amp;saisie</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>Police des &amp;boutons</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Lan&amp;gue (Language)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>Échange de &amp;données par Internet</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>&amp;Revoir les astuces du jour</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Créer un nouveau recueil de grilles</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Ouvrir un recueil de grilles</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Créer une nouvelle grille</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Modifier la grille</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copier la grille</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Supprimer la grille</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importer des grilles</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Exporter des grilles</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Imprimer la grille</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Créer une forme de grille</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Concepteur de mise en page</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>Fichiers QUARL (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>The file selected is not a valid Gridwright file.</source>
        <translation>Le fichier choisi n&apos;est pas un fichier Gridwright valable.</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3|16 bit QUARL Files (*.QLX)|*.QLX</source>
        <translation>Fichiers QUARL (*.QL3)|*.QL3|Fichiers QUARL 16 bits (*.QLX)|*.QLX</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>Le fichier d&apos;importation ne peut pas être le fichier actuellement ouvert.</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>Impossible d&apos;accéder au fichier de la liste de mots.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Modifier une grille existante</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Créer une nouvelle grille (copie d&apos;une grille)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Voulez-vous vraiment supprimer %1 ?</translation>
    </message>
    <message>
        <source>Unable to delete puzzle.</source>
        <translation>Impossible de supprimer la grille.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Impossible de charger la grille.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Aucune grille n&apos;a encore été générée pour cette liste de mots/indices. Choisissez « Fichier|Modifier » dans le menu et créez d&apos;abord la grille</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 x %2 pixels.</source>
        <translation>La résolution actuelle de votre écran ne permet pas %1 x %2 pixels.</translation>
    </message>
    <message>
        <source>Make &amp;Versions…</source>
        <translation>Créer des &amp;versions…</translation>
    </message>
    <message>
        <source>Print Puzzle &amp;Book…</source>
        <translation>Imprimer un &amp;livret…</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Impossible d&apos;enregistrer la grille.</translation>
    </message>
</context>
<context>
    <name>gw::MakeVersionsDialog</name>
    <message>
        <source>Make Versions</source>
        <translation>Créer des versions</translation>
    </message>
    <message>
        <source>How many versions of %1?</source>
        <translation>Combien de versions de %1 ?</translation>
    </message>
    <message>
        <source>Number of versions</source>
        <translation>Nombre de versions</translation>
    </message>
    <message>
        <source>Each gets its own grid and a letter after its title.</source>
        <translation>Chacune a sa propre grille et une lettre après son titre.</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Interrompre</translation>
    </message>
    <message>
        <source>Aborted: no version was kept.</source>
        <translation>Interrompu : aucune version n&apos;a été gardée.</translation>
    </message>
    <message>
        <source>Version %1 of %2</source>
        <translation>Version %1 sur %2</translation>
    </message>
    <message>
        <source>%1: creation attempt #%2</source>
        <translation>%1 : essai n° %2</translation>
    </message>
</context>
<context>
    <name>gw::Messages</name>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Aucun titre indiqué.  Veuillez corriger.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Aucune catégorie indiquée.  Veuillez corriger.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>Aucun mot n&apos;a été saisi.  Veuillez corriger.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>Le nombre d&apos;essais doit être compris entre 1 et 999.  Veuillez corriger.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>Le mot « %2 » dépasse la taille de la grille, %1 caractères.</translation>
    </message>
    <message>
        <source>The word %1 appears more than once.</source>
        <translation>Le mot %1 apparaît plusieurs fois.</translation>
    </message>
    <message>
        <source>The words %1 appear more than once.</source>
        <translation>Les mots %1 apparaissent plusieurs fois.</translation>
    </message>
    <message>
        <source>The words %1 and %2 more appear more than once.</source>
        <translation>Les mots %1 et %2 autres apparaissent plusieurs fois.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.</source>
        <translation>La phrase cachée contient des espaces.</translation>
    </message>
    <message>
        <source>%1 characters are required for the hidden phrase.  You have entered %2 characters.  Please change your phrase or select not to use a phrase.</source>
        <translation>La phrase cachée doit compter %1 caractères.  Vous en avez saisi %2.  Modifiez la phrase ou choisissez de ne pas en utiliser.</translation>
    </message>
    <message>
        <source>Unable to save the dictionary file %1.</source>
        <translation>Impossible d&apos;enregistrer le fichier de dictionnaire %1.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 inches.  Please re-enter width.</source>
        <translation>La largeur doit être comprise entre %1 et %2 pouces.  Veuillez saisir à nouveau la largeur.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 centimeters.  Please re-enter width.</source>
        <translation>La largeur doit être comprise entre %1 et %2 centimètres.  Veuillez saisir à nouveau la largeur.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 inches.  Please re-enter height.</source>
        <translation>La hauteur doit être comprise entre %1 et %2 pouces.  Veuillez saisir à nouveau la hauteur.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 centimeters.  Please re-enter height.</source>
        <translation>La hauteur doit être comprise entre %1 et %2 centimètres.  Veuillez saisir à nouveau la hauteur.</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>Position gauche non valable.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>Position haute non valable.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>Largeur non valable.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>Hauteur non valable.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>Impossible d&apos;ajouter la mise en page.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>Le fichier de mise en page est endommagé ou incompatible.  Importation interrompue.</translation>
    </message>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>Impossible de supprimer la mise en page.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>La mise en page n&apos;a pas pu être exportée.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>Mise en page exportée !</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>La mise en page n&apos;a pas pu être importée.</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>Impossible de créer le fichier HTML.</translation>
    </message>
    <message>
        <source>Nothing could be drawn</source>
        <translation>Rien n&apos;a pu être dessiné</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Les images de cette grille ne seront pas enregistrées dans le métafichier.</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>Nombre de colonnes non valable.</translation>
    </message>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>Une ou plusieurs images de la mise en page sont introuvables.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>Les mots ne tiennent pas dans l&apos;espace prévu.  Agrandissez leur espace dans la mise en page, réduisez leur police ou choisissez l&apos;option « Ajuster » pour les mots.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>Les indices ne tiennent pas dans l&apos;espace prévu.  Agrandissez leur espace dans la mise en page, réduisez leur police ou choisissez l&apos;option « Ajuster » pour les indices.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>Le texte ne tient pas dans l&apos;espace prévu.  Agrandissez son espace dans la mise en page, réduisez sa police ou choisissez l&apos;option « Ajuster » pour l&apos;objet texte.</translation>
    </message>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation>Aucune imprimante n&apos;est définie ; impression interrompue.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>Le fichier de forme est endommagé ou incompatible.  Importation interrompue.</translation>
    </message>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>Impossible de supprimer la forme de grille.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>La forme n&apos;a pas pu être exportée.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>Forme de grille exportée !</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>La forme de grille n&apos;a pas pu être importée.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Impossible d&apos;ajouter la forme.</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>Les grilles n&apos;ont pas pu être importées.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>Impossible d&apos;importer les grilles.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>Impossible d&apos;exporter les grilles.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Impossible d&apos;enregistrer la grille.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>Impossible d&apos;enregistrer les grilles.</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;OLDPUZZ.QL3&quot; has been created.</source>
        <translation>Un nouveau recueil de grilles nommé « OLDPUZZ.QL3 » a été créé.</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.</source>
        <translation>%1 grille endommagée n&apos;a pas pu être convertie.</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.</source>
        <translation>%1 grilles endommagées n&apos;ont pas pu être converties.</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 grille endommagée n&apos;a pas pu être convertie.  Le fichier de la version précédente a été conservé sous le nom « %2 ».</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 grilles endommagées n&apos;ont pas pu être converties.  Le fichier de la version précédente a été conservé sous le nom « %2 ».</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>Impossible d&apos;ajouter les formes.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>Les formes de grille ont été ajoutées.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.</source>
        <translation>%1 forme endommagée n&apos;a pas pu être ajoutée.</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.</source>
        <translation>%1 formes endommagées n&apos;ont pas pu être ajoutées.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 forme endommagée n&apos;a pas pu être ajoutée.  Le fichier de la version précédente a été conservé sous le nom « %2 ».</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>%1 formes endommagées n&apos;ont pas pu être ajoutées.  Le fichier de la version précédente a été conservé sous le nom « %2 ».</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Gridwright have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Des grilles créées avec une version précédente de Gridwright ont été détectées.  Voulez-vous les convertir en recueil de grilles ?</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Gridwright have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Des formes créées avec une version précédente de Gridwright ont été détectées.  Voulez-vous les ajouter à la liste des formes de grille ?</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>La grille n&apos;a pas pu être importée.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>Le fichier de grille est endommagé ou incompatible.  Importation interrompue.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Erreur de disque</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>Supprimer ?</translation>
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
        <translation>Vérification orthographique</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Orthographe correcte</translation>
    </message>
    <message>
        <source>Input/output error: %1.</source>
        <translation>Erreur d&apos;entrée/sortie : %1.</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>Nombre de colonnes non valable.</translation>
    </message>
    <message>
        <source>The title holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Le titre contient un caractère de contrôle (par exemple une tabulation ou un saut de ligne).  Veuillez corriger.</translation>
    </message>
    <message>
        <source>The category holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>La catégorie contient un caractère de contrôle (par exemple une tabulation ou un saut de ligne).  Veuillez corriger.</translation>
    </message>
    <message>
        <source>The word in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>Le mot de la ligne %1 contient un caractère de contrôle (par exemple une tabulation ou un saut de ligne).  Veuillez corriger.</translation>
    </message>
    <message>
        <source>The clue in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>L&apos;indice de la ligne %1 contient un caractère de contrôle (par exemple une tabulation ou un saut de ligne).  Veuillez corriger.</translation>
    </message>
    <message>
        <source>The bonus question holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>La question bonus contient un caractère de contrôle (par exemple une tabulation ou un saut de ligne).  Veuillez corriger.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.  Please correct.</source>
        <translation>La phrase cachée contient des espaces.  Veuillez corriger.</translation>
    </message>
    <message>
        <source>%1 (noun)</source>
        <translation>%1 (nom)</translation>
    </message>
    <message>
        <source>%1 (verb)</source>
        <translation>%1 (verbe)</translation>
    </message>
    <message>
        <source>%1 (adjective)</source>
        <translation>%1 (adjectif)</translation>
    </message>
    <message>
        <source>%1 (adverb)</source>
        <translation>%1 (adverbe)</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (Personnalisé %2&quot; x %3&quot;)  &lt;&lt;DÉFAUT&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)</source>
        <translation>%1 (Personnalisé %2&quot; x %3&quot;)</translation>
    </message>
    <message>
        <source>%1 (%2)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (%2)  &lt;&lt;DÉFAUT&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>Police : %1</translation>
    </message>
    <message>
        <source>Puzzle Letters would not fit in their cells at the large print size.  You will need a larger page, a smaller grid or a layout with more room for the puzzle.</source>
        <translation>Les lettres ne tiennent pas dans leurs cases en gros caractères.  Il faut une page plus grande, une grille plus petite ou une mise en page qui laisse plus de place à la grille.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Haut droite</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Bas droite</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Bas gauche</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Haut gauche</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 autres</translation>
    </message>
    <message>
        <source>longer than any line of the shape in the chosen directions (longest line: %1)</source>
        <translation>plus long que toutes les lignes de la forme dans les directions choisies (ligne la plus longue : %1)</translation>
    </message>
    <message>
        <source>placed in %1 of %2 attempts, crowded out here</source>
        <translation>placé dans %1 essais sur %2, évincé ici</translation>
    </message>
    <message>
        <source>refused by the offensive-word screen</source>
        <translation>refusé par le filtre des mots grossiers</translation>
    </message>
    <message>
        <source>never placed: no free line for it once the other words were in</source>
        <translation>jamais placé : plus aucune ligne libre une fois les autres mots placés</translation>
    </message>
    <message>
        <source>Switching on %1 would give lines of up to %2 letters, enough for %3.</source>
        <translation>Activer %1 donnerait des lignes jusqu&apos;à %2 lettres, assez pour %3.</translation>
    </message>
    <message>
        <source>Switching on %1 would give the crowded-out words more lines to go in.</source>
        <translation>Activer %1 donnerait plus de lignes aux mots évincés.</translation>
    </message>
    <message>
        <source>A square shape of %1 x %1 or larger would take the longest word, %2 (%1 letters).</source>
        <translation>Une forme carrée de %1 x %1 ou plus contiendrait le mot le plus long, %2 (%1 lettres).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempt).</source>
        <translation>En moyenne, %1 mots sur %2 trouvent leur place (sur %3 essai).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempts).</source>
        <translation>En moyenne, %1 mots sur %2 trouvent leur place (sur %3 essais).</translation>
    </message>
    <message>
        <source>The offensive-word screen refused every attempt.</source>
        <translation>Le filtre des mots grossiers a refusé chaque essai.</translation>
    </message>
    <message>
        <source>the run kept fewer than %1 candidates</source>
        <translation>l&apos;exécution a gardé moins de %1 grilles</translation>
    </message>
    <message>
        <source>offensive-word screening refused every attempt</source>
        <translation>le filtre des mots grossiers a refusé chaque essai</translation>
    </message>
    <message>
        <source>no word could be placed: check the directions, the shape and the word lengths</source>
        <translation>aucun mot n&apos;a pu être placé : vérifiez les directions, la forme et la longueur des mots</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Version %1 : %2</translation>
    </message>
    <message>
        <source>Version %1 placed %2 words, fewer than %3.</source>
        <translation>La version %1 a placé %2 mots, moins de %3.</translation>
    </message>
    <message>
        <source>The hidden phrase spelled an offensive word in version %1, so it was left out of it.</source>
        <translation>La phrase cachée formait un mot grossier dans la version %1 ; elle en a été retirée.</translation>
    </message>
    <message>
        <source>The hidden phrase does not fit version %1 (%2 leftover cells for %3 letters), so it was left out of it.</source>
        <translation>La phrase cachée ne tient pas dans la version %1 (%2 cases libres pour %3 lettres) ; elle en a été retirée.</translation>
    </message>
    <message>
        <source>Version %1 has the same grid as an earlier version.</source>
        <translation>La version %1 a la même grille qu&apos;une version précédente.</translation>
    </message>
    <message>
        <source>Unable to write the file %1.  %2.</source>
        <translation>Impossible d&apos;écrire le fichier %1.  %2.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written.</source>
        <translation>%1 n&apos;est pas un fichier qui peut être écrit.</translation>
    </message>
    <message>
        <source>%1 exists and is not %2; it is left as it is.</source>
        <translation>%1 existe et n&apos;est pas %2 ; il reste tel quel.</translation>
    </message>
    <message>
        <source>a PDF</source>
        <translation>un PDF</translation>
    </message>
    <message>
        <source>a web page</source>
        <translation>une page Web</translation>
    </message>
    <message>
        <source>the puzzle was never generated</source>
        <translation>la grille n&apos;a jamais été générée</translation>
    </message>
    <message>
        <source>the puzzle&apos;s grid holds no word to find</source>
        <translation>la grille ne contient aucun mot à trouver</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>Impossible de créer le fichier d&apos;exportation.</translation>
    </message>
    <message>
        <source>There is no page image: no page, or more than %1 million pixels</source>
        <translation>Il n&apos;y a pas d&apos;image de la page : aucune page, ou plus de %1 millions de pixels</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas accepté la tâche.</translation>
    </message>
    <message>
        <source>There were no puzzles to convert in &quot;%1&quot;.</source>
        <translation>Il n&apos;y avait aucune grille à convertir dans « %1 ».</translation>
    </message>
    <message>
        <source>There were no shapes to add in &quot;%1&quot;.</source>
        <translation>Il n&apos;y avait aucune forme à ajouter dans « %1 ».</translation>
    </message>
    <message>
        <source>%1 holds a puzzle group; nothing was written over it.  Choose another file.</source>
        <translation>%1 contient un groupe de grilles ; rien n&apos;a été écrit par-dessus.  Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 is a puzzle shape library; nothing was written over it.  Choose another file.</source>
        <translation>%1 est une bibliothèque de formes ; rien n&apos;a été écrit par-dessus.  Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 is a page layout library; nothing was written over it.  Choose another file.</source>
        <translation>%1 est une bibliothèque de mises en page ; rien n&apos;a été écrit par-dessus.  Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 holds an exported puzzle shape; nothing was written over it.  Choose another file.</source>
        <translation>%1 contient une forme exportée ; rien n&apos;a été écrit par-dessus.  Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 holds an exported page layout; nothing was written over it.  Choose another file.</source>
        <translation>%1 contient une mise en page exportée ; rien n&apos;a été écrit par-dessus.  Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 is not a file an export may replace; nothing was written over it.  Choose another file.</source>
        <translation>%1 n&apos;est pas un fichier qu&apos;une exportation peut remplacer ; rien n&apos;a été écrit par-dessus.  Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 is the file being exported from; nothing was written over it.  Choose another file.</source>
        <translation>%1 est le fichier d&apos;où l&apos;on exporte ; rien n&apos;a été écrit par-dessus.  Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 (noun), %2</source>
        <translation>%1 (nom), %2</translation>
    </message>
    <message>
        <source>%1 (verb), %2</source>
        <translation>%1 (verbe), %2</translation>
    </message>
    <message>
        <source>%1 (adjective), %2</source>
        <translation>%1 (adjectif), %2</translation>
    </message>
    <message>
        <source>%1 (adverb), %2</source>
        <translation>%1 (adverbe), %2</translation>
    </message>
</context>
<context>
    <name>gw::MetafileExportDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Création du métafichier</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Création du métafichier...  Patientez.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Métafichier créé</translation>
    </message>
</context>
<context>
    <name>gw::ObjectBorderDialog</name>
    <message>
        <source>Border Info for %1</source>
        <translation>Bordure de %1</translation>
    </message>
    <message>
        <source>&amp;Use Border</source>
        <translation>Utiliser une &amp;bordure</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Couleur de bordure</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Changer la couleur</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>gw::ObjectFillDialog</name>
    <message>
        <source>Fill Info for %1</source>
        <translation>Remplissage de %1</translation>
    </message>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>&amp;Remplir la forme</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Couleur de remplissage</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Changer la couleur</translation>
    </message>
</context>
<context>
    <name>gw::ObjectGeometryDialog</name>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Taille et position de %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Valeurs en pouces</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Valeurs en centimètres</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>Avec cette position, l&apos;objet sort de la page.  Voulez-vous abandonner vos modifications ?</translation>
    </message>
</context>
<context>
    <name>gw::ObjectPropertiesDialog</name>
    <message>
        <source>Properties for %1</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>&amp;Tile Bitmap</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>Fond &amp;transparent</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>A&amp;juster (réduire la police)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Nombre de colonnes</translation>
    </message>
</context>
<context>
    <name>gw::ObjectTextDialog</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>gw::PageDesigner</name>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation>Certaines imprimantes ne gèrent pas les formats inhabituels.  Le résultat imprimé peut varier.</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>Le fichier choisi n&apos;est pas une image valable.</translation>
    </message>
    <message>
        <source>Pictures (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP</source>
        <translation>Images (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Création de page</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Portrait</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>Pa&amp;ysage</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Objets de la grille</translation>
    </message>
    <message>
        <source>  Other   Objects</source>
        <translation>  Autres   objets</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Annu&amp;ler</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objets</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Petit</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Grand</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>&amp;Taille et position...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Bordure</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>Remp&amp;lissage</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>Modifier le te&amp;xte...</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>&amp;Alignement du texte</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Gauche</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centré</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Droite</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>P&amp;olice du texte</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>Charger une &amp;image</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>&amp;Mettre au premier plan</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>Mettre à l&apos;a&amp;rrière-plan</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>Une image de cette mise en page est introuvable.</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Charger un fichier image</translation>
    </message>
    <message>
        <source>The name of the file selected is too long or holds characters a page layout cannot keep.  Please choose another file.</source>
        <translation>Le nom du fichier choisi est trop long ou contient des caractères qu&apos;une mise en page ne peut pas conserver.  Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Words/Clues</source>
        <translation>Mots/indices</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Question bonus</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>No object selected</source>
        <translation>Aucun objet sélectionné</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 inches</source>
        <translation>%1 : gauche %2, haut %3, largeur %4, hauteur %5 pouces</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 centimeters</source>
        <translation>%1 : gauche %2, haut %3, largeur %4, hauteur %5 centimètres</translation>
    </message>
    <message>
        <source>Save changes to the page layout?</source>
        <translation>Enregistrer les modifications de la mise en page ?</translation>
    </message>
</context>
<context>
    <name>gw::PreviewWindow</name>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>L&apos;impression précédente n&apos;est pas encore terminée.  Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Puzzle Preview</source>
        <translation>Aperçu de la grille</translation>
    </message>
    <message>
        <source>Puzzle page</source>
        <translation>Page de la grille</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>&amp;Imprimer la page</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>Imprimer plusieurs &amp;copies</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;Page Width</source>
        <translation>Largeur de la &amp;page</translation>
    </message>
    <message>
        <source>Zoom &amp;Whole Page</source>
        <translation>Page &amp;entière</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Graphic Export</source>
        <translation>Export &amp;graphique</translation>
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
        <translation>Métafichier &amp;Windows (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>Métafichier &amp;amélioré (EMF)</translation>
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
        <translation>&amp;Taux de compression JPEG</translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation>Export &amp;HTML</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in percent</source>
        <translation>Zoom en pourcentage</translation>
    </message>
    <message>
        <source>Zoom Page Width</source>
        <translation>Largeur de la page</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Imprimer la page</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Exporter en bitmap</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Exporter en JPEG</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Exporter en métafichier</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Créer une page Web</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Enregistrer la grille en bitmap</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Bitmap (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Enregistrer la grille en JPEG</translation>
    </message>
    <message>
        <source>JPeg (*.JPG)|*.JPG</source>
        <translation>JPEG (*.JPG)|*.JPG</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Enregistrer la grille en métafichier</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Métafichier (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Enregistrer la grille en métafichier amélioré</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Métafichier amélioré (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Save Puzzle As PDF</source>
        <translation>Enregistrer la grille en PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation>Document PDF (*.PDF)|*.PDF</translation>
    </message>
    <message>
        <source>Save Puzzle As PNG</source>
        <translation>Enregistrer la grille en PNG</translation>
    </message>
    <message>
        <source>PNG Picture (*.PNG)|*.PNG</source>
        <translation>Image PNG (*.PNG)|*.PNG</translation>
    </message>
    <message>
        <source>Save Puzzle As SVG</source>
        <translation>Enregistrer la grille en SVG</translation>
    </message>
    <message>
        <source>SVG Drawing (*.SVG)|*.SVG</source>
        <translation>Dessin SVG (*.SVG)|*.SVG</translation>
    </message>
    <message>
        <source>&amp;Interactive Web Page…</source>
        <translation>Page Web &amp;interactive…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>Page pré&amp;cédente</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>A web page cannot be made of this puzzle: %1.</source>
        <translation>Impossible de créer une page web de cette grille : %1.</translation>
    </message>
</context>
<context>
    <name>gw::PrintOptionsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>&amp;Titre de la grille</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>&amp;Corps de la grille</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words/Clues</source>
        <translation>&amp;Mots/indices</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>Question &amp;bonus</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>&amp;Solution</translation>
    </message>
    <message>
        <source>Use &amp;Grid</source>
        <translation>Qua&amp;drillage</translation>
    </message>
    <message>
        <source>L&amp;ower Case Letters</source>
        <translation>Lettres mi&amp;nuscules</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Liste de mots</translation>
    </message>
    <message>
        <source>Normal Words</source>
        <translation>Mots normaux</translation>
    </message>
    <message>
        <source>Clues </source>
        <translation>Indices </translation>
    </message>
    <message>
        <source>Scramble Words</source>
        <translation>Mots mélangés</translation>
    </message>
    <message>
        <source>Partial Words</source>
        <translation>Mots partiels</translation>
    </message>
    <message>
        <source>Use Underscores</source>
        <translation>Avec soulignés</translation>
    </message>
    <message>
        <source>Show First</source>
        <translation>Afficher les</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>lettres</translation>
    </message>
    <message>
        <source>Show Last</source>
        <translation>Afficher les</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Nombre de colonnes</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Aperçu de la mise en page</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>A&amp;perçu/Imprimer</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Configuration de l&apos;&amp;imprimante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>Changer la mise en pa&amp;ge</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>Changer les po&amp;lices</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>Changer la q&amp;uestion bonus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Reports Help</source>
        <translation>&amp;Aide sur l&apos;impression</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>Nombre de colonnes non valable.</translation>
    </message>
    <message>
        <source>No printers are defined.</source>
        <translation>Aucune imprimante n&apos;est définie.</translation>
    </message>
</context>
<context>
    <name>gw::PrintStatusWindow</name>
    <message>
        <source>Report Status Screen</source>
        <translation>État de l&apos;impression</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Imprimante : %1</translation>
    </message>
    <message>
        <source>Preparing the page for viewing</source>
        <translation>Préparation de l&apos;aperçu de la page</translation>
    </message>
    <message>
        <source>Object %1 of %2</source>
        <translation>Objet %1 sur %2</translation>
    </message>
    <message>
        <source>Printing Page 1</source>
        <translation>Impression de la page 1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>Génération de la grille annulée !</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>Grille générée !</translation>
    </message>
</context>
<context>
    <name>gw::Program</name>
    <message>
        <source>Program is already running</source>
        <translation>Le programme est déjà lancé</translation>
    </message>
    <message>
        <source>Unable to prepare the folder for your puzzle data: %1.</source>
        <translation>Impossible de préparer le dossier de vos grilles : %1.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzleBookWindow</name>
    <message>
        <source>Each layout&apos;s own paper</source>
        <translation>Papier de chaque mise en page</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11 in)</source>
        <translation>Letter (8,5 x 11 po)</translation>
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
        <translation>6 x 9 po</translation>
    </message>
    <message>
        <source>7 x 10 in</source>
        <translation>7 x 10 po</translation>
    </message>
    <message>
        <source>Other (W x H in inches)</source>
        <translation>Autre (L x H en pouces)</translation>
    </message>
    <message>
        <source>Print Puzzle Book</source>
        <translation>Imprimer un livret</translation>
    </message>
    <message>
        <source>Puzzles in the book:</source>
        <translation>Grilles du livret :</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Tout &amp;choisir</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>Ne &amp;rien choisir</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Format de page :</translation>
    </message>
    <message>
        <source>Other page size, width x height in inches</source>
        <translation>Autre format, largeur x hauteur en pouces</translation>
    </message>
    <message>
        <source>Answer keys:</source>
        <translation>Solutions :</translation>
    </message>
    <message>
        <source>At the back</source>
        <translation>À la fin</translation>
    </message>
    <message>
        <source>After each puzzle</source>
        <translation>Après chaque grille</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Keys a page:</source>
        <translation>Par page :</translation>
    </message>
    <message>
        <source>Page &amp;numbers, from</source>
        <translation>&amp;Numéros de page, dès</translation>
    </message>
    <message>
        <source>First page number</source>
        <translation>Premier numéro de page</translation>
    </message>
    <message>
        <source>&amp;Title page:</source>
        <translation>Page de &amp;titre :</translation>
    </message>
    <message>
        <source>Title of the title page</source>
        <translation>Titre de la page de titre</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Large print (14 points at least)</source>
        <translation>&amp;Gros caractères (14 points au moins)</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The page size must be a width and a height in inches, such as 5.5 x 8.5, each from 2 to 50.</source>
        <translation>Le format de page doit être une largeur et une hauteur en pouces, par exemple 5.5 x 8.5, chacune de 2 à 50.</translation>
    </message>
    <message>
        <source>No puzzles have been chosen for the book.</source>
        <translation>Aucune grille n&apos;a été choisie pour le livret.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>Impossible de charger la grille.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for &quot;%1&quot;. Please select &quot;File|Modify&quot; from the menu and create the puzzle first, or leave it out of the book.</source>
        <translation>Aucune grille n&apos;a encore été générée pour « %1 ». Choisissez « Fichier|Modifier » dans le menu et créez d&apos;abord la grille, ou laissez-la hors du livret.</translation>
    </message>
    <message>
        <source>%1 (page %2): %3</source>
        <translation>%1 (page %2) : %3</translation>
    </message>
    <message>
        <source>Save Puzzle Book As PDF</source>
        <translation>Enregistrer le livret en PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation>Document PDF (*.PDF)|*.PDF</translation>
    </message>
</context>
<context>
    <name>gw::PuzzleHost</name>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>Impossible d&apos;enregistrer la grille.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzlePickList</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Tout choisir</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>Ne &amp;rien choisir</translation>
    </message>
</context>
<context>
    <name>gw::ShapeEditor</name>
    <message>
        <source>Shape Creator</source>
        <translation>Éditeur de formes</translation>
    </message>
    <message>
        <source>Shape grid</source>
        <translation>Grille de la forme</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Décaler la grille</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Décaler vers le haut</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Décaler vers la gauche</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Décaler vers la droite</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Décaler vers le bas</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Ajuster la grille</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>In&amp;verser</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Défaire</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Clic gauche : basculer</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Clic droit : remplir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable; row %4, column %5: %6</source>
        <translation>%1 sur %2 cases, %3 utilisables ; ligne %4, colonne %5 : %6</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>utilisable</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>inutilisée</translation>
    </message>
    <message>
        <source>Width must be between 5 and 30.  Please re-enter width.</source>
        <translation>La largeur doit être comprise entre 5 et 30.  Veuillez saisir à nouveau la largeur.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 30.  Please re-enter height.</source>
        <translation>La hauteur doit être comprise entre 5 et 30.  Veuillez saisir à nouveau la hauteur.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>Impossible d&apos;ajouter la forme.</translation>
    </message>
</context>
<context>
    <name>gw::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Formes</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Forme de grille</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Aperçu de la forme de grille</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>Im&amp;porter</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Expo&amp;rter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>gw::ShapeListView</name>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>Aucune forme enregistrée n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable</source>
        <translation>%1 sur %2 cases, %3 utilisables</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment supprimer « %1 » ?</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Importer une forme de grille</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Formes de grille (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>Aucune forme sélectionnée.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Exporter une forme de grille</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Forme de grille (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Grille actuelle&gt;</translation>
    </message>
</context>
<context>
    <name>gw::SpellingDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Suggestions orthographiques</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggestions</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>Interrom&amp;pre</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>Le mot suivant est absent du dictionnaire (%1).  Les suggestions figurent ci-dessous.</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>%1 est introuvable dans le dictionnaire.  Aucune suggestion n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>Un des fichiers du dictionnaire est introuvable.</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Tous les mots figurent dans le dictionnaire.</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Vérification orthographique interrompue.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Vérification orthographique terminée.</translation>
    </message>
</context>
<context>
    <name>gw::SpellingLanguageDialog</name>
    <message>
        <source>Spell Check</source>
        <translation>Vérification orthographique</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Américain</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britannique</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Espagnol</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italien</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>Alle&amp;mand</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Néerlandais</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>S&amp;uédois</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation>Recherche de synonymes</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Suggérer</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Accepter</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>&amp;Interrompre</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Antonyms</source>
        <translation>Antonymes</translation>
    </message>
    <message>
        <source>Synonyms</source>
        <translation>Synonymes</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>Le fichier du dictionnaire des synonymes est introuvable.</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>Mot absent du dictionnaire des synonymes.  Cliquez sur « Suggérer » pour voir des mots de remplacement possibles.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>Aucune suggestion pour le mot %1.</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusLanguageDialog</name>
    <message>
        <source>Thesaurus</source>
        <translation>Synonymes</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>&amp;Américain</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>&amp;Britannique</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Mots suggérés</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Suggestions pour</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>gw::TipOfTheDayDialog</name>
    <message>
        <source>You can place hidden phrases in your word search puzzle utilizing the unused letters of the puzzle.</source>
        <translation>Vous pouvez cacher une phrase dans vos mots mêlés grâce aux lettres inutilisées de la grille.</translation>
    </message>
    <message>
        <source>You can create a text file &quot;badlist.txt&quot; that the program will use to screen for your own offensive words ensuring they do not show up in the puzzle.</source>
        <translation>Vous pouvez créer un fichier texte « badlist.txt » : le programme s&apos;en sert pour filtrer vos propres mots grossiers afin qu&apos;ils n&apos;apparaissent pas dans la grille.</translation>
    </message>
    <message>
        <source>Every puzzle is checked in all eight directions for offensive words before you see it, and again when its fill letters are chosen.</source>
        <translation>Chaque grille est vérifiée dans les huit directions pour repérer les mots grossiers avant que vous la voyiez, puis à nouveau quand ses lettres de remplissage sont choisies.</translation>
    </message>
    <message>
        <source>Raise the number of creation attempts (up to 999) to give every word a better chance to fit. The four best grids are offered to you.</source>
        <translation>Augmentez le nombre d&apos;essais (jusqu&apos;à 999) pour donner à chaque mot plus de chances de trouver sa place. Les quatre meilleures grilles vous sont proposées.</translation>
    </message>
    <message>
        <source>Double click any of the four candidate grids to see it enlarged before you decide which one to save.</source>
        <translation>Double-cliquez sur l&apos;une des quatre grilles proposées pour l&apos;agrandir avant de choisir celle à enregistrer.</translation>
    </message>
    <message>
        <source>The Word Integration slider sets how much the words cross each other. Move it to the right for a tightly woven puzzle.</source>
        <translation>Le curseur Imbrication des mots règle à quel point les mots se croisent. Déplacez-le vers la droite pour une grille bien serrée.</translation>
    </message>
    <message>
        <source>Turn off directions such as Left, Up and the diagonals to make easier puzzles for young children.</source>
        <translation>Désactivez des directions comme Gauche, Haut et les diagonales pour créer des grilles plus faciles pour les jeunes enfants.</translation>
    </message>
    <message>
        <source>Check &quot;Shrink&quot; to let the program trim empty rows and columns from the bottom and right of the finished grid.</source>
        <translation>Cochez « Réduire » pour supprimer les lignes et colonnes vides en bas et à droite de la grille terminée.</translation>
    </message>
    <message>
        <source>Puzzles don&apos;t have to be square. Pick a heart, a star or a tree under Puzzle Shape, or draw your own with the shape editor.</source>
        <translation>Les grilles ne sont pas forcément carrées. Choisissez un cœur, une étoile ou un arbre dans Forme de grille, ou dessinez la vôtre avec l&apos;éditeur de formes.</translation>
    </message>
    <message>
        <source>In the shape editor a left click toggles one cell and a right click fills a whole region at once.</source>
        <translation>Dans l&apos;éditeur de formes, un clic gauche bascule une case et un clic droit remplit toute une zone d&apos;un coup.</translation>
    </message>
    <message>
        <source>Shapes travel between computers: use Export on the Shapes window and Import on the other machine.</source>
        <translation>Les formes passent d&apos;un ordinateur à l&apos;autre : utilisez Exporter dans la fenêtre Formes et Importer sur l&apos;autre machine.</translation>
    </message>
    <message>
        <source>Keep your puzzles organized in groups. Each group file holds as many puzzles as you like, sorted by category.</source>
        <translation>Rangez vos grilles en recueils. Chaque fichier de recueil contient autant de grilles que vous voulez, triées par catégorie.</translation>
    </message>
    <message>
        <source>Use Copy Puzzle to start a new puzzle from an existing word list. The copy gets a number added to its title.</source>
        <translation>Utilisez « Copier la grille » pour commencer une nouvelle grille à partir d&apos;une liste existante. La copie reçoit un numéro dans son titre.</translation>
    </message>
    <message>
        <source>Type a clue beside each word to make a clue puzzle: the solver reads the clue and must find the matching word.</source>
        <translation>Tapez un indice à côté de chaque mot pour une grille à indices : l&apos;élève lit l&apos;indice et doit trouver le mot correspondant.</translation>
    </message>
    <message>
        <source>Hide the clue column with &quot;Use Clues&quot; when you only need words. Your clues are kept and come back when you show it again.</source>
        <translation>Masquez la colonne des indices avec « Utiliser les indices » si vous n&apos;avez besoin que des mots. Vos indices sont conservés et réapparaissent quand vous la réaffichez.</translation>
    </message>
    <message>
        <source>Words may contain spaces, such as ICE CREAM. The space is left out in the grid, so the solver looks for ICECREAM.</source>
        <translation>Les mots peuvent contenir des espaces, comme POMME DE TERRE. L&apos;espace disparaît dans la grille : on y cherche POMMEDETERRE.</translation>
    </message>
    <message>
        <source>Tab and Enter move between the cells of the word list, so a long list can be typed without touching the mouse.</source>
        <translation>Tab et Entrée passent d&apos;une case à l&apos;autre de la liste de mots : une longue liste se saisit sans toucher la souris.</translation>
    </message>
    <message>
        <source>Import a word list from a text file, one word per line, or words and clues separated by a colon.</source>
        <translation>Importez une liste de mots depuis un fichier texte : un mot par ligne, ou des mots et des indices séparés par deux-points.</translation>
    </message>
    <message>
        <source>Export your word and clue list to a text file to share it or to edit it in another program.</source>
        <translation>Exportez votre liste de mots et d&apos;indices dans un fichier texte pour la partager ou la modifier dans un autre programme.</translation>
    </message>
    <message>
        <source>A puzzle holds up to 330 words. Words that cannot be placed are listed as excluded words before you save.</source>
        <translation>Une grille contient jusqu&apos;à 330 mots. Les mots qui ne peuvent pas être placés sont listés comme mots exclus avant l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Add a bonus question to a puzzle. It can be printed below the grid as an extra challenge.</source>
        <translation>Ajoutez une question bonus à une grille. Elle peut être imprimée sous la grille comme défi supplémentaire.</translation>
    </message>
    <message>
        <source>The page layout decides where the title, the grid and the word list go on the printed page. Each puzzle keeps its own copy.</source>
        <translation>La mise en page décide où vont le titre, la grille et la liste de mots sur la page imprimée. Chaque grille en garde sa propre copie.</translation>
    </message>
    <message>
        <source>Design your own page layouts with text, pictures, rectangles and circles, and make one of them the default for new puzzles.</source>
        <translation>Créez vos propres mises en page avec texte, images, rectangles et cercles, et faites-en une la mise en page par défaut des nouvelles grilles.</translation>
    </message>
    <message>
        <source>Print the answer key with the words circled in the grid, ready for marking.</source>
        <translation>Imprimez la solution avec les mots entourés dans la grille, prête pour la correction.</translation>
    </message>
    <message>
        <source>Save a puzzle page as a picture or an HTML page to put it on a school web site.</source>
        <translation>Enregistrez une page de grille en image ou en page HTML pour la publier sur le site de l&apos;école.</translation>
    </message>
    <message>
        <source>Modify Puzzle lets you change the title, the category, the clues and the bonus question of a stored puzzle without losing its grid.</source>
        <translation>« Modifier la grille » change le titre, la catégorie, les indices et la question bonus d&apos;une grille enregistrée sans perdre la grille elle-même.</translation>
    </message>
    <message>
        <source>Use Screen Size on the Options menu to make every window larger on a big monitor.</source>
        <translation>Utilisez Taille de l&apos;écran dans le menu Options pour agrandir toutes les fenêtres sur un grand écran.</translation>
    </message>
    <message>
        <source>Choose your own fonts for labels, edit boxes and buttons on the Options menu.</source>
        <translation>Choisissez vos polices pour les libellés, les zones de saisie et les boutons dans le menu Options.</translation>
    </message>
    <message>
        <source>The spell checker looks at your words and clues in eight languages, and you can add your own words to its dictionary.</source>
        <translation>Le correcteur vérifie vos mots et indices en huit langues, et vous pouvez ajouter vos propres mots à son dictionnaire.</translation>
    </message>
    <message>
        <source>Press F1 to F12 in the word list to type accented letters such as á, é and ñ.</source>
        <translation>Appuyez sur F1 à F12 dans la liste de mots pour taper des lettres accentuées comme á, é et ñ.</translation>
    </message>
    <message>
        <source>Turn the background picture of the main window on or off with Background Bitmap on the Options menu.</source>
        <translation>Activez ou désactivez l&apos;image de fond de la fenêtre principale avec Image d&apos;arrière-plan dans le menu Options.</translation>
    </message>
    <message>
        <source>The thesaurus suggests synonyms for a word and can turn one of them into the word&apos;s clue in a single step.</source>
        <translation>Le dictionnaire des synonymes propose des synonymes d&apos;un mot et peut en faire l&apos;indice du mot en une seule étape.</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Le saviez-vous...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>Astuces au &amp;démarrage</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>gw::UserDictionaryDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Gestion du dictionnaire</translation>
    </message>
    <message>
        <source>Word to add</source>
        <translation>Mot à ajouter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>Ces mots seront ajoutés au dictionnaire (%1) et comptés comme corrects.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>Ces mots seront exclus du dictionnaire (%1) et comptés comme incorrects.</translation>
    </message>
</context>
<context>
    <name>gw::UserManualDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source>The user manual opens in your document viewer, where you can read and print it. Press Ok to open it now.</source>
        <translation>Le manuel d&apos;utilisation s&apos;ouvre dans votre visionneuse de documents, où vous pouvez le lire et l&apos;imprimer. Cliquez sur OK pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>Le manuel d&apos;utilisation est introuvable.  Vérifiez qu&apos;il a bien été installé.  Une copie est disponible sur notre site Web.</translation>
    </message>
    <message>
        <source>No program to show the user manual could be started.  The manual is %1; open it with any program that reads PDF documents.</source>
        <translation>Aucun programme n&apos;a pu être lancé pour afficher le manuel d&apos;utilisation.  Le manuel se trouve ici : %1 ; ouvrez-le avec n&apos;importe quel programme qui lit les documents PDF.</translation>
    </message>
</context>
<context>
    <name>gw::WebPageWindow</name>
    <message>
        <source>HTML Creation</source>
        <translation>Création HTML</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Créer une page Web</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Premières lignes d&apos;en-tête</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Secondes lignes d&apos;en-tête</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Ligne horizontale</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>La grille ira ici</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Premières lignes de pied de page</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Secondes lignes de pied de page</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Titre de la page Web</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>&amp;Enregistrer le HTML</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>Enregistrer le document HTML</translation>
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
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Séparateur</translation>
    </message>
</context>
<context>
    <name>gw::WordFileExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Mots</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>&amp;Indices</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>Mots &amp;et indices</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Tout choisir</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Désélectionner</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>Aucun mot/indice sélectionné pour l&apos;exportation.  Sélectionnez les mots/indices voulus.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Enregistrer la liste de mots/indices</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Texte (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>gw::WordFileImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>Comme &amp;mots</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Comme &amp;indices</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>Comme mots &amp;et indices</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Ou&amp;vrir un fichier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout choisir</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Désélectionner</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Annu&amp;ler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation>Importer une liste de mots/indices</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>Texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;importation.</translation>
    </message>
    <message>
        <source>Some characters in this file cannot be used in a puzzle: %1.  They are shown as &quot;?&quot;.</source>
        <translation>Certains caractères de ce fichier ne peuvent pas être utilisés dans une grille : %1.  Ils sont affichés sous la forme « ? ».</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>Aucun séparateur entre mot et indice n&apos;est indiqué.</translation>
    </message>
    <message>
        <source>Too many words selected.  Last word will not be used.  Continue?</source>
        <translation>Trop de mots sélectionnés.  Le dernier mot ne sera pas utilisé.  Continuer ?</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 words will not be used.  Continue?</source>
        <translation>Trop de mots sélectionnés.  Les %1 derniers mots ne seront pas utilisés.  Continuer ?</translation>
    </message>
</context>
<context>
    <name>gw::WordGrid</name>
    <message>
        <source>Cnt</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>U</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Tab goes from cell to cell; Ctrl+Tab leaves the list.</source>
        <translation>Tab passe d&apos;une case à l&apos;autre ; Ctrl+Tab quitte la liste.</translation>
    </message>
</context>
<context>
    <name>gw::WordListEditor</name>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Bas droite</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Haut gauche</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Bas gauche</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Haut droite</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Mots et indices</translation>
    </message>
    <message>
        <source>Use Clues</source>
        <translation>Utiliser les indices</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>&amp;Tout effacer</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>&amp;Orthographe</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>S&amp;ynonymes</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>P&amp;hrase</source>
        <translation>P&amp;hrase</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Question bonus</translation>
    </message>
    <message>
        <source>Word Directions</source>
        <translation>Directions des mots</translation>
    </message>
    <message>
        <source>Word Integration</source>
        <translation>Imbrication des mots</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Caractères internationaux</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Forme de grille</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Aperçu de la forme de grille</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>Im&amp;porter</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Expo&amp;rter</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Aperçu de la mise en page</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>Ch&amp;anger la mise en page</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Tous les mots sont déjà effacés.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Tous les mots et indices seront supprimés.  Continuer ?</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>La grille a été modifiée.  Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>Aucun titre indiqué.  Veuillez corriger.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>Aucune catégorie indiquée.  Veuillez corriger.</translation>
    </message>
    <message>
        <source>  Continue?</source>
        <translation>  Continuer ?</translation>
    </message>
    <message>
        <source>Offensive-word screening refused every attempt, so no puzzle could be made.</source>
        <translation>Le filtre des mots grossiers a refusé chaque essai ; aucune grille n&apos;a pu être créée.</translation>
    </message>
    <message>
        <source>About %1 of %2 words will fit</source>
        <translation>Environ %1 mots sur %2 tiendront</translation>
    </message>
    <message>
        <source>Discard the words you typed?</source>
        <translation>Abandonner les mots saisis ?</translation>
    </message>
</context>
</TS>
