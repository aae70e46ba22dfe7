<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>gw::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Versión 3.0</translation>
    </message>
    <message>
        <source>Builds printable word search puzzles from your own word lists, in any shape, with clues, hidden phrases and page layouts of your design.</source>
        <translation>Crea sopas de letras imprimibles a partir de sus propias listas de palabras, con cualquier forma, con pistas, frases ocultas y diseños de página a su gusto.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>gw::AccentKeysDialog</name>
    <message>
        <source>International Characters</source>
        <translation>Caracteres internacionales</translation>
    </message>
    <message>
        <source>The function keys F1 through F12 can be assigned any number of international characters.  The function keys will play back the assigned international key in the Puzzle Creation Window.</source>
        <translation>Puede asignar caracteres internacionales a las teclas de función F1 a F12.  En la ventana de creación de sopas de letras, cada tecla escribe el carácter asignado.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>gw::BonusQuestionDialog</name>
    <message>
        <source>Bonus Question</source>
        <translation>Pregunta extra</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>gw::CandidateWindow</name>
    <message>
        <source>Best Fit</source>
        <translation>Mejor opción</translation>
    </message>
    <message>
        <source>Second Best Fit</source>
        <translation>Segunda opción</translation>
    </message>
    <message>
        <source>Third Best Fit</source>
        <translation>Tercera opción</translation>
    </message>
    <message>
        <source>Fourth Best Fit</source>
        <translation>Cuarta opción</translation>
    </message>
    <message>
        <source>%1 by %2, %3 words placed</source>
        <translation>%1 por %2, %3 palabras colocadas</translation>
    </message>
    <message>
        <source>Created Puzzle</source>
        <translation>Sopas de letras creadas</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Frase oculta</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>&amp;Incluir frase oculta</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Sin espacios)</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>No puzzle</source>
        <translation>Sin sopa de letras</translation>
    </message>
    <message>
        <source>%1 Included Word</source>
        <translation>%1 palabra incluida</translation>
    </message>
    <message>
        <source>%1 Included Words</source>
        <translation>%1 palabras incluidas</translation>
    </message>
    <message>
        <source>%1 Excluded Word</source>
        <translation>%1 palabra excluida</translation>
    </message>
    <message>
        <source>%1 Excluded Words</source>
        <translation>%1 palabras excluidas</translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation>%1 caract.</translation>
    </message>
    <message>
        <source>One or more words did not fit into the puzzle.  Save Puzzle anyway?</source>
        <translation>Una o más palabras no cupieron en la sopa de letras.  ¿Guardar la sopa de letras de todos modos?</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>¿Por qué?</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Sugerencias</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Select an excluded word to see why it was left out.</source>
        <translation>Seleccione una palabra excluida para ver por qué quedó fuera.</translation>
    </message>
    <message>
        <source>Every word of the list is in this puzzle.</source>
        <translation>Todas las palabras de la lista están en esta sopa de letras.</translation>
    </message>
</context>
<context>
    <name>gw::Choosers</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Colo&amp;r:</source>
        <translation>&amp;Color:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>gw::ChosenReplacement</name>
    <message>
        <source>No replacement word has been selected.  Please choose a replacement first.</source>
        <translation>No se ha seleccionado ninguna palabra de reemplazo.  Elija primero un reemplazo.</translation>
    </message>
</context>
<context>
    <name>gw::CopiesDialog</name>
    <message>
        <source>Multi-Copies</source>
        <translation>Varias copias</translation>
    </message>
    <message>
        <source>Copies To Print</source>
        <translation>Número de copias</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Invalid number of copies entered.</source>
        <translation>El número de copias no es válido.</translation>
    </message>
</context>
<context>
    <name>gw::DesignPicture</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Lista de palabras</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Pregunta extra</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>gw::EnlargedCandidateDialog</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>gw::ExportPuzzlesDialog</name>
    <message>
        <source>Export Word Search Puzzles</source>
        <translation>Exportar sopas de letras</translation>
    </message>
    <message>
        <source>Puzzles Available For Export</source>
        <translation>Sopas de letras para exportar</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>No puzzles have been selected for export.</source>
        <translation>No se ha seleccionado ninguna sopa de letras para exportar.</translation>
    </message>
    <message>
        <source>Save Word Search Puzzles</source>
        <translation>Guardar sopas de letras</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>Archivos QUARL (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>Export File cannot be the same as the currently open file.</source>
        <translation>El archivo de exportación no puede ser el archivo abierto actualmente.</translation>
    </message>
</context>
<context>
    <name>gw::FormLayout</name>
    <message>
        <source>Too many compenents to save dimensions.</source>
        <translation>Demasiados componentes para guardar las dimensiones.</translation>
    </message>
</context>
<context>
    <name>gw::GenerationProgressWindow</name>
    <message>
        <source>Offensive-word screening refused</source>
        <translation>El filtro de palabras ofensivas</translation>
    </message>
    <message>
        <source>Building Puzzles</source>
        <translation>Creando sopas de letras</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Aborted on creation Attempt #%1</source>
        <translation>Detenido en el intento n.º %1</translation>
    </message>
    <message>
        <source>the attempts: stopped on #%1</source>
        <translation>rechazó hasta el intento n.º %1</translation>
    </message>
    <message>
        <source>Creation Attempt #%1</source>
        <translation>Intento n.º %1</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>gw::GridPropertiesDialog</name>
    <message>
        <source>Properties for %1</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>Fondo &amp;transparente</translation>
    </message>
    <message>
        <source>&amp;Lower Case Letters</source>
        <translation>Letras &amp;minúsculas</translation>
    </message>
    <message>
        <source>&amp;Use Grid</source>
        <translation>&amp;Usar cuadrícula</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>background</comment>
        <translation>Cambiar &amp;fondo</translation>
    </message>
    <message>
        <source>Grid Line Color</source>
        <translation>Color de las líneas</translation>
    </message>
    <message>
        <source>Ch&amp;ange Color</source>
        <comment>grid lines</comment>
        <translation>Cambiar &amp;líneas</translation>
    </message>
    <message>
        <source>Puzzle Line Width</source>
        <translation>Grosor de línea</translation>
    </message>
</context>
<context>
    <name>gw::Help</name>
    <message>
        <source>The help file could not be located.  Please make sure the help file was installed.</source>
        <translation>No se encontró el archivo de ayuda.  Asegúrese de que el archivo de ayuda esté instalado.</translation>
    </message>
    <message>
        <source>The help file is damaged.  Please install it again.</source>
        <translation>El archivo de ayuda está dañado.  Vuelva a instalarlo.</translation>
    </message>
</context>
<context>
    <name>gw::HelpWindow</name>
    <message>
        <source>Gridwright 98 Help</source>
        <translation>Ayuda de Gridwright 98</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Escriba una palabra clave</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Palabras que buscar</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation>Temas encontrados</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>(no topic holds every word)</source>
        <translation>(ningún tema contiene todas las palabras)</translation>
    </message>
</context>
<context>
    <name>gw::HiddenPhraseDialog</name>
    <message>
        <source>Hidden Puzzle Phrase</source>
        <translation>Frase oculta de la sopa de letras</translation>
    </message>
    <message>
        <source>&amp;Include Hidden Phrase</source>
        <translation>&amp;Incluir frase oculta</translation>
    </message>
    <message>
        <source>(No spaces should be used)</source>
        <translation>(Sin espacios)</translation>
    </message>
    <message>
        <source>Hidden Phrase</source>
        <translation>Frase oculta</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>%1 Chars</source>
        <translation>%1 caract.</translation>
    </message>
</context>
<context>
    <name>gw::ImportPuzzlesDialog</name>
    <message>
        <source>Import Word Search Puzzles</source>
        <translation>Importar sopas de letras</translation>
    </message>
    <message>
        <source>File Name: %1</source>
        <translation>Nombre de archivo: %1</translation>
    </message>
    <message>
        <source>Puzzles in File</source>
        <translation>Sopas de letras del archivo</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>No puzzles have been selected for import.</source>
        <translation>No se ha seleccionado ninguna sopa de letras para importar.</translation>
    </message>
</context>
<context>
    <name>gw::InteractivePageDialog</name>
    <message>
        <source>Interactive Web Page</source>
        <translation>Página web interactiva</translation>
    </message>
    <message>
        <source>One web page that pupils solve in any browser, on a computer, tablet or phone: they drag across the words they find. The word list is as the print options show it.</source>
        <translation>Una página web que los alumnos resuelven en cualquier navegador (equipo, tableta o teléfono) arrastrando sobre las palabras que encuentran. La lista de palabras sigue las opciones de impresión.</translation>
    </message>
    <message>
        <source>&amp;Show answers button</source>
        <translation>&amp;Botón para ver las soluciones</translation>
    </message>
    <message>
        <source>&amp;Open in the browser when saved</source>
        <translation>&amp;Abrir en el navegador al guardar</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Save Interactive Web Page</source>
        <translation>Guardar la página web interactiva</translation>
    </message>
    <message>
        <source>Web Page (*.html)|*.html|Web Page (*.htm)|*.htm</source>
        <translation>Página web (*.html)|*.html|Página web (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>The page was saved, but no browser could be started to show it.</source>
        <translation>La página se guardó, pero no se pudo iniciar ningún navegador para mostrarla.</translation>
    </message>
</context>
<context>
    <name>gw::JpegQualityDialog</name>
    <message>
        <source>JPEG Factor</source>
        <translation>Factor JPEG</translation>
    </message>
    <message>
        <source>When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is lower, then the file size will be smaller, but the image will not be as sharp.</source>
        <translation>Cuanto más alto sea el factor, más nítida será la imagen, pero más grande será el archivo.  Cuanto más bajo sea el factor, más pequeño será el archivo, pero menos nítida será la imagen.</translation>
    </message>
    <message>
        <source>JPEG Compression/Quality Factor (Range: 1 - 100)</source>
        <translation>Factor de compresión/calidad JPEG (de 1 a 100)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Invalid factor entered.  Factor must be between 1 and 100</source>
        <translation>Factor no válido.  El factor debe estar entre 1 y 100</translation>
    </message>
</context>
<context>
    <name>gw::LanguageChooser</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>gw::LanguageNames</name>
    <message>
        <source>American</source>
        <translation>inglés americano</translation>
    </message>
    <message>
        <source>British</source>
        <translation>inglés británico</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>español</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>alemán</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>neerlandés</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>sueco</translation>
    </message>
</context>
<context>
    <name>gw::LayoutLibraryDialog</name>
    <message>
        <source>No page layout selected.</source>
        <translation>No se ha seleccionado ningún diseño de página.</translation>
    </message>
    <message>
        <source>Page Layouts (*.PAG)|*.PAG</source>
        <translation>Diseños de página (*.PAG)|*.PAG</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Text, Shapes</source>
        <translation>Texto, formas</translation>
    </message>
    <message>
        <source>Puzzle Page Layouts</source>
        <translation>Diseños de página para sopas de letras</translation>
    </message>
    <message>
        <source>Page Layouts</source>
        <translation>Diseños de página</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Imagen del diseño de página</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Se&amp;leccionar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>Set De&amp;fault</source>
        <translation>Por &amp;defecto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>No saved page layouts could be found.</source>
        <translation>No se encontró ningún diseño de página guardado.</translation>
    </message>
    <message>
        <source>No layout has been selected.</source>
        <translation>No se ha seleccionado ningún diseño.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>¿Seguro que desea eliminar «%1»?</translation>
    </message>
    <message>
        <source>Import Page Layouts</source>
        <translation>Importar diseños de página</translation>
    </message>
    <message>
        <source>Export Page Layouts</source>
        <translation>Exportar diseños de página</translation>
    </message>
</context>
<context>
    <name>gw::MainWindow</name>
    <message>
        <source>No puzzle selected.  Please select a puzzle first.</source>
        <translation>No se ha seleccionado ninguna sopa de letras.  Seleccione primero una sopa de letras.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Sopas de letras</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Puzzle Group</source>
        <translation>&amp;Nuevo grupo de sopas de letras</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle Group</source>
        <translation>&amp;Abrir grupo de sopas de letras</translation>
    </message>
    <message>
        <source>Ne&amp;w Puzzle</source>
        <translation>Nue&amp;va sopa de letras</translation>
    </message>
    <message>
        <source>&amp;Modify Puzzle</source>
        <translation>&amp;Modificar sopa de letras</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>&amp;Copiar sopa de letras</translation>
    </message>
    <message>
        <source>&amp;Delete Puzzle</source>
        <translation>&amp;Eliminar sopa de letras</translation>
    </message>
    <message>
        <source>&amp;Import Puzzles</source>
        <translation>&amp;Importar sopas de letras</translation>
    </message>
    <message>
        <source>&amp;Export Puzzles</source>
        <translation>E&amp;xportar sopas de letras</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>Im&amp;primir sopa de letras</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Con&amp;figurar impresora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Page Layout</source>
        <translation>&amp;Diseño de página</translation>
    </message>
    <message>
        <source>Puzzle &amp;Shape</source>
        <translation>&amp;Forma de la cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>S&amp;creen Size</source>
        <translation>Tamaño de &amp;pantalla</translation>
    </message>
    <message>
        <source>&amp;Background Bitmap</source>
        <translation>Imagen de &amp;fondo</translation>
    </message>
    <message>
        <source>&amp;JPEG Compression Factor</source>
        <translation>Factor de compresión &amp;JPEG</translation>
    </message>
    <message>
        <source>C&amp;olors For Saving Bitmaps &amp;&amp; JPEGs</source>
        <translation>&amp;Colores al guardar mapas de bits &amp;&amp; JPEG</translation>
    </message>
    <message>
        <source>&amp;256 Colors</source>
        <translation>&amp;256 colores</translation>
    </message>
    <message>
        <source>&amp;16 Million Colors</source>
        <translation>&amp;16 millones de colores</translation>
    </message>
    <message>
        <source>&amp;International Characters</source>
        <translation>Caracteres i&amp;nternacionales</translation>
    </message>
    <message>
        <source>&amp;Dictionary Type</source>
        <translation>&amp;Diccionario</translation>
    </message>
    <message>
        <source>&amp;Choose at Spell Check Time</source>
        <translation>Elegir al &amp;revisar la ortografía</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>Inglés a&amp;mericano</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>Inglés &amp;británico</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Español</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francés</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>A&amp;lemán</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Neerlandés</translation>
    </message>
    <message>
        <source>&amp;Swedish</source>
        <translation>&amp;Sueco</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Agregar al diccionario</translation>
    </message>
    <message>
        <source>&amp;Exclude From Dictionary</source>
        <translation>E&amp;xcluir del diccionario</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>&amp;Sinónimos</translation>
    </message>
    <message>
        <source>&amp;Choose at Thesaurus Use Time</source>
        <translation>Elegir al &amp;consultar sinónimos</translation>
    </message>
    <message>
        <source>&amp;Label Font</source>
        <translation>Fuente de las &amp;etiquetas</translation>
    </message>
    <message>
        <source>E&amp;dit Font</source>
        <translation>Fuente de los cuadros de &amp;texto</translation>
    </message>
    <message>
        <source>B&amp;utton Font</source>
        <translation>Fuente de los &amp;botones</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma (Language)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;User Manual</source>
        <translation>&amp;Manual del usuario</translation>
    </message>
    <message>
        <source>&amp;Data Exchange via Internet</source>
        <translation>&amp;Intercambio de datos por Internet</translation>
    </message>
    <message>
        <source>&amp;Review Tips of the Day</source>
        <translation>&amp;Ver las sugerencias del día</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Create New Puzzle Group</source>
        <translation>Crear un grupo de sopas de letras</translation>
    </message>
    <message>
        <source>Open Puzzle Group</source>
        <translation>Abrir un grupo de sopas de letras</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <translation>Crear una sopa de letras</translation>
    </message>
    <message>
        <source>Modify Puzzle</source>
        <translation>Modificar la sopa de letras</translation>
    </message>
    <message>
        <source>Copy Puzzle</source>
        <translation>Copiar la sopa de letras</translation>
    </message>
    <message>
        <source>Delete Puzzle</source>
        <translation>Eliminar la sopa de letras</translation>
    </message>
    <message>
        <source>Import Puzzles</source>
        <translation>Importar sopas de letras</translation>
    </message>
    <message>
        <source>Export Puzzles</source>
        <translation>Exportar sopas de letras</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Imprimir la sopa de letras</translation>
    </message>
    <message>
        <source>Create Puzzle Shape</source>
        <translation>Crear una forma de cuadrícula</translation>
    </message>
    <message>
        <source>Page Layout Designer</source>
        <translation>Diseñador de páginas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3</source>
        <translation>Archivos QUARL (*.QL3)|*.QL3</translation>
    </message>
    <message>
        <source>The file selected is not a valid Gridwright file.</source>
        <translation>El archivo seleccionado no es un archivo válido de Gridwright.</translation>
    </message>
    <message>
        <source>QUARL Files (*.QL3)|*.QL3|16 bit QUARL Files (*.QLX)|*.QLX</source>
        <translation>Archivos QUARL (*.QL3)|*.QL3|Archivos QUARL de 16 bits (*.QLX)|*.QLX</translation>
    </message>
    <message>
        <source>Import File cannot be the same as the currently open file.</source>
        <translation>El archivo de importación no puede ser el archivo abierto actualmente.</translation>
    </message>
    <message>
        <source>Unable to access Word List file.</source>
        <translation>No se puede acceder al archivo de la lista de palabras.</translation>
    </message>
    <message>
        <source>Modify Existing Puzzle</source>
        <translation>Modificar una sopa de letras existente</translation>
    </message>
    <message>
        <source>Create New Puzzle (copy of existing puzzle)</source>
        <translation>Crear una sopa de letras (copia de una existente)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que desea eliminar %1?</translation>
    </message>
    <message>
        <source>Unable to delete puzzle.</source>
        <translation>No se puede eliminar la sopa de letras.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>No se puede cargar la sopa de letras.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for this word/clue list. Please select &quot;File|Modify&quot; from the menu and create the puzzle first</source>
        <translation>Nunca se ha generado una sopa de letras para esta lista de palabras/pistas. Elija «Archivo|Modificar sopa de letras» en el menú y cree primero la sopa de letras</translation>
    </message>
    <message>
        <source>Your current screen resolution does not support %1 x %2 pixels.</source>
        <translation>La resolución actual de la pantalla no admite %1 x %2 píxeles.</translation>
    </message>
    <message>
        <source>Make &amp;Versions…</source>
        <translation>Crear versi&amp;ones…</translation>
    </message>
    <message>
        <source>Print Puzzle &amp;Book…</source>
        <translation>Imprimir &amp;libro de sopas de letras…</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>No se puede guardar la sopa de letras.</translation>
    </message>
</context>
<context>
    <name>gw::MakeVersionsDialog</name>
    <message>
        <source>Make Versions</source>
        <translation>Crear versiones</translation>
    </message>
    <message>
        <source>How many versions of %1?</source>
        <translation>¿Cuántas versiones de %1?</translation>
    </message>
    <message>
        <source>Number of versions</source>
        <translation>Número de versiones</translation>
    </message>
    <message>
        <source>Each gets its own grid and a letter after its title.</source>
        <translation>Cada una con su cuadrícula y una letra tras el título.</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>C&amp;rear</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Aborted: no version was kept.</source>
        <translation>Detenido: no se conservó ninguna versión.</translation>
    </message>
    <message>
        <source>Version %1 of %2</source>
        <translation>Versión %1 de %2</translation>
    </message>
    <message>
        <source>%1: creation attempt #%2</source>
        <translation>%1: intento n.º %2</translation>
    </message>
</context>
<context>
    <name>gw::Messages</name>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>No se ha indicado ningún título.  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>No se ha indicado ninguna categoría.  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>No words have been entered.  Please correct.</source>
        <translation>No se ha escrito ninguna palabra.  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>Attempts must be between 1 and 999.  Please correct.</source>
        <translation>El número de intentos debe estar entre 1 y 999.  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>Word is greater than puzzle dimension size of %1 characters in &quot;%2&quot;.</source>
        <translation>La palabra «%2» supera el tamaño de la sopa de letras, de %1 caracteres.</translation>
    </message>
    <message>
        <source>The word %1 appears more than once.</source>
        <translation>La palabra %1 aparece más de una vez.</translation>
    </message>
    <message>
        <source>The words %1 appear more than once.</source>
        <translation>Las palabras %1 aparecen más de una vez.</translation>
    </message>
    <message>
        <source>The words %1 and %2 more appear more than once.</source>
        <translation>Las palabras %1 y otras %2 aparecen más de una vez.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.</source>
        <translation>Se usaron espacios en la frase oculta.</translation>
    </message>
    <message>
        <source>%1 characters are required for the hidden phrase.  You have entered %2 characters.  Please change your phrase or select not to use a phrase.</source>
        <translation>La frase oculta necesita %1 caracteres.  Ha escrito %2 caracteres.  Cambie la frase o elija no usar ninguna frase.</translation>
    </message>
    <message>
        <source>Unable to save the dictionary file %1.</source>
        <translation>No se puede guardar el archivo de diccionario %1.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 inches.  Please re-enter width.</source>
        <translation>El ancho debe estar entre %1 y %2 pulgadas.  Vuelva a escribir el ancho.</translation>
    </message>
    <message>
        <source>Width must be between %1 and %2 centimeters.  Please re-enter width.</source>
        <translation>El ancho debe estar entre %1 y %2 centímetros.  Vuelva a escribir el ancho.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 inches.  Please re-enter height.</source>
        <translation>La altura debe estar entre %1 y %2 pulgadas.  Vuelva a escribir la altura.</translation>
    </message>
    <message>
        <source>Height must be between %1 and %2 centimeters.  Please re-enter height.</source>
        <translation>La altura debe estar entre %1 y %2 centímetros.  Vuelva a escribir la altura.</translation>
    </message>
    <message>
        <source>Invalid left position entered.</source>
        <translation>La posición izquierda no es válida.</translation>
    </message>
    <message>
        <source>Invalid top position entered.</source>
        <translation>La posición superior no es válida.</translation>
    </message>
    <message>
        <source>Invalid width entered.</source>
        <translation>El ancho no es válido.</translation>
    </message>
    <message>
        <source>Invalid height entered.</source>
        <translation>La altura no es válida.</translation>
    </message>
    <message>
        <source>Unable to add page layout.</source>
        <translation>No se puede agregar el diseño de página.</translation>
    </message>
    <message>
        <source>Page layout file is corrupt or incompatible.  Import aborted.</source>
        <translation>El archivo de diseño de página está dañado o no es compatible.  Importación cancelada.</translation>
    </message>
    <message>
        <source>Unable to delete page layout.</source>
        <translation>No se puede eliminar el diseño de página.</translation>
    </message>
    <message>
        <source>Page layout could not be exported.</source>
        <translation>No se pudo exportar el diseño de página.</translation>
    </message>
    <message>
        <source>Page Layout Exported!</source>
        <translation>¡Diseño de página exportado!</translation>
    </message>
    <message>
        <source>Page layout could not be imported.</source>
        <translation>No se pudo importar el diseño de página.</translation>
    </message>
    <message>
        <source>Unable to create html file.</source>
        <translation>No se puede crear el archivo HTML.</translation>
    </message>
    <message>
        <source>Nothing could be drawn</source>
        <translation>No se pudo dibujar nada</translation>
    </message>
    <message>
        <source>Unable to write the file %1.  %2.</source>
        <translation>No se puede escribir el archivo %1.  %2.</translation>
    </message>
    <message>
        <source>Bitmaps in this puzzle will not be saved in the metafile.</source>
        <translation>Las imágenes de esta sopa de letras no se guardarán en el metarchivo.</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>El número de columnas indicado no es válido.</translation>
    </message>
    <message>
        <source>One or more bitmaps in the layout design could not be located.</source>
        <translation>No se encontraron una o más imágenes del diseño de página.</translation>
    </message>
    <message>
        <source>Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page layout, change the font size for the words or select the &quot;Make It Fit&quot; attribute for the puzzle words.</source>
        <translation>Las palabras no caben en el espacio asignado.  Amplíe el espacio para las palabras en el diseño de página, reduzca el tamaño de su fuente o elija la opción «Ajustar» para las palabras.</translation>
    </message>
    <message>
        <source>Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page layout, change the font size for the clues or select the &quot;Make It Fit&quot; attribute for the clue fonts.</source>
        <translation>Las pistas no caben en el espacio asignado.  Amplíe el espacio para las pistas en el diseño de página, reduzca el tamaño de su fuente o elija la opción «Ajustar» para las pistas.</translation>
    </message>
    <message>
        <source>Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, change the font size for the text or select the &quot;Make It Fit&quot; attribute for the text object.</source>
        <translation>El texto no cabe en el espacio asignado.  Amplíe el espacio para el texto en el diseño de página, reduzca el tamaño de su fuente o elija la opción «Ajustar» para el objeto de texto.</translation>
    </message>
    <message>
        <source>No printers are defined, aborting print job.</source>
        <translation>No hay ninguna impresora definida; se cancela la impresión.</translation>
    </message>
    <message>
        <source>Puzzle shape file is corrupt or incompatible.  Import aborted.</source>
        <translation>El archivo de forma está dañado o no es compatible.  Importación cancelada.</translation>
    </message>
    <message>
        <source>Unable to delete puzzle shape.</source>
        <translation>No se puede eliminar la forma de cuadrícula.</translation>
    </message>
    <message>
        <source>Shape could not be exported.</source>
        <translation>No se pudo exportar la forma.</translation>
    </message>
    <message>
        <source>Puzzle Shape Exported!</source>
        <translation>¡Forma de cuadrícula exportada!</translation>
    </message>
    <message>
        <source>Puzzle shape could not be imported.</source>
        <translation>No se pudo importar la forma de cuadrícula.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>No se puede agregar la forma.</translation>
    </message>
    <message>
        <source>Puzzles could not be imported.</source>
        <translation>No se pudieron importar las sopas de letras.</translation>
    </message>
    <message>
        <source>Unable to import puzzles.</source>
        <translation>No se pueden importar las sopas de letras.</translation>
    </message>
    <message>
        <source>Unable to export puzzles.</source>
        <translation>No se pueden exportar las sopas de letras.</translation>
    </message>
    <message>
        <source>Unable to save puzzle.</source>
        <translation>No se puede guardar la sopa de letras.</translation>
    </message>
    <message>
        <source>Unable to save puzzles.</source>
        <translation>No se pueden guardar las sopas de letras.</translation>
    </message>
    <message>
        <source>A new puzzle group named &quot;OLDPUZZ.QL3&quot; has been created.</source>
        <translation>Se ha creado un nuevo grupo de sopas de letras llamado «OLDPUZZ.QL3».</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.</source>
        <translation>No se pudo convertir %1 sopa de letras dañada.</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.</source>
        <translation>No se pudieron convertir %1 sopas de letras dañadas.</translation>
    </message>
    <message>
        <source>%1 damaged puzzle could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>No se pudo convertir %1 sopa de letras dañada.  El archivo de la versión anterior se conservó como «%2».</translation>
    </message>
    <message>
        <source>%1 damaged puzzles could not be converted.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>No se pudieron convertir %1 sopas de letras dañadas.  El archivo de la versión anterior se conservó como «%2».</translation>
    </message>
    <message>
        <source>Unable to add shapes.</source>
        <translation>No se pueden agregar las formas.</translation>
    </message>
    <message>
        <source>Puzzle shapes have been added.</source>
        <translation>Se agregaron las formas de cuadrícula.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.</source>
        <translation>No se pudo agregar %1 forma dañada.</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.</source>
        <translation>No se pudieron agregar %1 formas dañadas.</translation>
    </message>
    <message>
        <source>%1 damaged shape could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>No se pudo agregar %1 forma dañada.  El archivo de la versión anterior se conservó como «%2».</translation>
    </message>
    <message>
        <source>%1 damaged shapes could not be added.  The previous version&apos;s file was kept as &quot;%2&quot;.</source>
        <translation>No se pudieron agregar %1 formas dañadas.  El archivo de la versión anterior se conservó como «%2».</translation>
    </message>
    <message>
        <source>User generated puzzles from a previous version of Gridwright have been detected.  Would you like to convert them to a puzzle group?</source>
        <translation>Se han detectado sopas de letras creadas por el usuario en una versión anterior de Gridwright.  ¿Desea convertirlas en un grupo de sopas de letras?</translation>
    </message>
    <message>
        <source>User generated shapes from a previous version of Gridwright have been detected.  Would you like to add them to the current list of puzzle shapes?</source>
        <translation>Se han detectado formas creadas por el usuario en una versión anterior de Gridwright.  ¿Desea agregarlas a la lista actual de formas de cuadrícula?</translation>
    </message>
    <message>
        <source>Puzzle could not be imported.</source>
        <translation>No se pudo importar la sopa de letras.</translation>
    </message>
    <message>
        <source>Puzzle file is corrupt or incompatible.  Import aborted.</source>
        <translation>El archivo de sopa de letras está dañado o no es compatible.  Importación cancelada.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Disk Error</source>
        <translation>Error de disco</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete?</source>
        <translation>¿Eliminar?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Spelling Status</source>
        <translation>Revisión ortográfica</translation>
    </message>
    <message>
        <source>Spelling Ok</source>
        <translation>Ortografía correcta</translation>
    </message>
    <message>
        <source>Input/output error: %1.</source>
        <translation>Error de entrada/salida: %1.</translation>
    </message>
    <message>
        <source>Invalid columns entered.</source>
        <translation>Las columnas indicadas no son válidas.</translation>
    </message>
    <message>
        <source>The title holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>El título contiene un carácter de control (como una tabulación o un salto de línea).  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>The category holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>La categoría contiene un carácter de control (como una tabulación o un salto de línea).  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>The word in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>La palabra de la fila %1 contiene un carácter de control (como una tabulación o un salto de línea).  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>The clue in row %1 holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>La pista de la fila %1 contiene un carácter de control (como una tabulación o un salto de línea).  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>The bonus question holds a control character (such as a tab or a line break).  Please correct.</source>
        <translation>La pregunta extra contiene un carácter de control (como una tabulación o un salto de línea).  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>Spaces were used in the hidden phrase.  Please correct.</source>
        <translation>Se usaron espacios en la frase oculta.  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>%1 (noun)</source>
        <translation>%1 (sustantivo)</translation>
    </message>
    <message>
        <source>%1 (verb)</source>
        <translation>%1 (verbo)</translation>
    </message>
    <message>
        <source>%1 (adjective)</source>
        <translation>%1 (adjetivo)</translation>
    </message>
    <message>
        <source>%1 (adverb)</source>
        <translation>%1 (adverbio)</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (Personalizado %2&quot; x %3&quot;)  &lt;&lt;PREDET.&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 (Custom %2&quot; x %3&quot;)</source>
        <translation>%1 (Personalizado %2&quot; x %3&quot;)</translation>
    </message>
    <message>
        <source>%1 (%2)  &lt;&lt;DEFAULT&gt;&gt;</source>
        <translation>%1 (%2)  &lt;&lt;PREDET.&gt;&gt;</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>Fuente: %1</translation>
    </message>
    <message>
        <source>Unable to create export file.</source>
        <translation>No se puede crear el archivo de exportación.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Arriba derecha</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Abajo derecha</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Abajo izquierda</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Arriba izquierda</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>longer than any line of the shape in the chosen directions (longest line: %1)</source>
        <translation>más larga que cualquier línea de la forma en las direcciones elegidas (línea más larga: %1)</translation>
    </message>
    <message>
        <source>placed in %1 of %2 attempts, crowded out here</source>
        <translation>colocada en %1 de %2 intentos; aquí no le quedó sitio</translation>
    </message>
    <message>
        <source>refused by the offensive-word screen</source>
        <translation>rechazada por el filtro de palabras ofensivas</translation>
    </message>
    <message>
        <source>never placed: no free line for it once the other words were in</source>
        <translation>nunca colocada: no quedaba ninguna línea libre tras colocar las demás palabras</translation>
    </message>
    <message>
        <source>Switching on %1 would give lines of up to %2 letters, enough for %3.</source>
        <translation>Activar %1 daría líneas de hasta %2 letras, suficientes para %3.</translation>
    </message>
    <message>
        <source>Switching on %1 would give the crowded-out words more lines to go in.</source>
        <translation>Activar %1 daría más líneas a las palabras que no cupieron.</translation>
    </message>
    <message>
        <source>A square shape of %1 x %1 or larger would take the longest word, %2 (%1 letters).</source>
        <translation>Una forma cuadrada de %1 x %1 o mayor admitiría la palabra más larga, %2 (%1 letras).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempt).</source>
        <translation>De media cupieron %1 de %2 palabras (en %3 intento).</translation>
    </message>
    <message>
        <source>On average %1 of %2 words fit (over %3 attempts).</source>
        <translation>De media cupieron %1 de %2 palabras (en %3 intentos).</translation>
    </message>
    <message>
        <source>The offensive-word screen refused every attempt.</source>
        <translation>El filtro de palabras ofensivas rechazó todos los intentos.</translation>
    </message>
    <message>
        <source>the run kept fewer than %1 candidates</source>
        <translation>la creación dejó menos de %1 cuadrículas propuestas</translation>
    </message>
    <message>
        <source>offensive-word screening refused every attempt</source>
        <translation>el filtro de palabras ofensivas rechazó todos los intentos</translation>
    </message>
    <message>
        <source>no word could be placed: check the directions, the shape and the word lengths</source>
        <translation>no se pudo colocar ninguna palabra: revise las direcciones, la forma y la longitud de las palabras</translation>
    </message>
    <message>
        <source>Version %1: %2</source>
        <translation>Versión %1: %2</translation>
    </message>
    <message>
        <source>Version %1 placed %2 words, fewer than %3.</source>
        <translation>La versión %1 colocó %2 palabras, menos de %3.</translation>
    </message>
    <message>
        <source>The hidden phrase spelled an offensive word in version %1, so it was left out of it.</source>
        <translation>La frase oculta formaba una palabra ofensiva en la versión %1, así que se omitió en ella.</translation>
    </message>
    <message>
        <source>The hidden phrase does not fit version %1 (%2 leftover cells for %3 letters), so it was left out of it.</source>
        <translation>La frase oculta no cabe en la versión %1 (%2 celdas libres para %3 letras), así que se omitió en ella.</translation>
    </message>
    <message>
        <source>Version %1 has the same grid as an earlier version.</source>
        <translation>La versión %1 tiene la misma cuadrícula que una versión anterior.</translation>
    </message>
    <message>
        <source>%1 (noun), %2</source>
        <translation>%1 (sustantivo), %2</translation>
    </message>
    <message>
        <source>%1 (verb), %2</source>
        <translation>%1 (verbo), %2</translation>
    </message>
    <message>
        <source>%1 (adjective), %2</source>
        <translation>%1 (adjetivo), %2</translation>
    </message>
    <message>
        <source>%1 (adverb), %2</source>
        <translation>%1 (adverbio), %2</translation>
    </message>
    <message>
        <source>the puzzle was never generated</source>
        <translation>la sopa de letras nunca se generó</translation>
    </message>
    <message>
        <source>the puzzle&apos;s grid holds no word to find</source>
        <translation>la cuadrícula no contiene ninguna palabra que buscar</translation>
    </message>
    <message>
        <source>There is no page image: no page, or more than %1 million pixels</source>
        <translation>No hay imagen de la página: no hay página o tiene más de %1 millones de píxeles</translation>
    </message>
    <message>
        <source>%1 is not a file that can be written.</source>
        <translation>%1 no es un archivo en el que se pueda escribir.</translation>
    </message>
    <message>
        <source>%1 exists and is not %2; it is left as it is.</source>
        <translation>%1 ya existe y no es %2; se deja tal como está.</translation>
    </message>
    <message>
        <source>a PDF</source>
        <translation>un PDF</translation>
    </message>
    <message>
        <source>a web page</source>
        <translation>una página web</translation>
    </message>
    <message>
        <source>Puzzle Letters would not fit in their cells at the large print size.  You will need a larger page, a smaller grid or a layout with more room for the puzzle.</source>
        <translation>Las letras de la sopa de letras no caben en sus celdas con la letra grande.  Necesitará una página más grande, una cuadrícula más pequeña o un diseño con más espacio para la cuadrícula.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>La impresora %1 no aceptó el trabajo.</translation>
    </message>
    <message>
        <source>There were no puzzles to convert in &quot;%1&quot;.</source>
        <translation>No había sopas de letras que convertir en «%1».</translation>
    </message>
    <message>
        <source>There were no shapes to add in &quot;%1&quot;.</source>
        <translation>No había formas que agregar en «%1».</translation>
    </message>
    <message>
        <source>%1 holds a puzzle group; nothing was written over it.  Choose another file.</source>
        <translation>%1 contiene un grupo de sopas de letras; no se ha sobrescrito.  Elija otro archivo.</translation>
    </message>
    <message>
        <source>%1 is a puzzle shape library; nothing was written over it.  Choose another file.</source>
        <translation>%1 es una biblioteca de formas de cuadrícula; no se ha sobrescrito.  Elija otro archivo.</translation>
    </message>
    <message>
        <source>%1 is a page layout library; nothing was written over it.  Choose another file.</source>
        <translation>%1 es una biblioteca de diseños de página; no se ha sobrescrito.  Elija otro archivo.</translation>
    </message>
    <message>
        <source>%1 holds an exported puzzle shape; nothing was written over it.  Choose another file.</source>
        <translation>%1 contiene una forma de cuadrícula exportada; no se ha sobrescrito.  Elija otro archivo.</translation>
    </message>
    <message>
        <source>%1 holds an exported page layout; nothing was written over it.  Choose another file.</source>
        <translation>%1 contiene un diseño de página exportado; no se ha sobrescrito.  Elija otro archivo.</translation>
    </message>
    <message>
        <source>%1 is not a file an export may replace; nothing was written over it.  Choose another file.</source>
        <translation>%1 no es un archivo que una exportación pueda reemplazar; no se ha sobrescrito.  Elija otro archivo.</translation>
    </message>
    <message>
        <source>%1 is the file being exported from; nothing was written over it.  Choose another file.</source>
        <translation>%1 es el archivo del que se exporta; no se ha sobrescrito.  Elija otro archivo.</translation>
    </message>
</context>
<context>
    <name>gw::MetafileExportDialog</name>
    <message>
        <source>Metafile Creation</source>
        <translation>Creación del metarchivo</translation>
    </message>
    <message>
        <source>Creating Metafile...  Please Wait.</source>
        <translation>Creando el metarchivo...  Espere, por favor.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Metafile Created</source>
        <translation>Metarchivo creado</translation>
    </message>
</context>
<context>
    <name>gw::ObjectBorderDialog</name>
    <message>
        <source>Border Info for %1</source>
        <translation>Borde de %1</translation>
    </message>
    <message>
        <source>&amp;Use Border</source>
        <translation>&amp;Usar borde</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Color del borde</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Ca&amp;mbiar color</translation>
    </message>
</context>
<context>
    <name>gw::ObjectDialog</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>gw::ObjectFillDialog</name>
    <message>
        <source>Fill Info for %1</source>
        <translation>Relleno de %1</translation>
    </message>
    <message>
        <source>&amp;Fill In Shape</source>
        <translation>&amp;Rellenar la forma</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Color de relleno</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Ca&amp;mbiar color</translation>
    </message>
</context>
<context>
    <name>gw::ObjectGeometryDialog</name>
    <message>
        <source>Size &amp; Location of %1</source>
        <translation>Tamaño y posición de %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Values In Inches</source>
        <translation>Valores en pulgadas</translation>
    </message>
    <message>
        <source>Values In Centimeters</source>
        <translation>Valores en centímetros</translation>
    </message>
    <message>
        <source>The location you have specified will place the object off the page.  Do you wish abort your changes?</source>
        <translation>Con la posición indicada, el objeto quedará fuera de la página.  ¿Desea descartar los cambios?</translation>
    </message>
</context>
<context>
    <name>gw::ObjectPropertiesDialog</name>
    <message>
        <source>Properties for %1</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>&amp;Tile Bitmap</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Transparent Background</source>
        <translation>Fondo &amp;transparente</translation>
    </message>
    <message>
        <source>&amp;Make It Fit (Auto-Shrink Font)</source>
        <translation>A&amp;justar (reducir fuente)</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Número de columnas</translation>
    </message>
</context>
<context>
    <name>gw::ObjectTextDialog</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>gw::PageDesigner</name>
    <message>
        <source>Some printers do not support odd sized pages.  Printed results may vary.</source>
        <translation>Algunas impresoras no admiten tamaños de página poco comunes.  El resultado impreso puede variar.</translation>
    </message>
    <message>
        <source>The file selected is not a valid bitmap file.</source>
        <translation>El archivo seleccionado no es un archivo de imagen válido.</translation>
    </message>
    <message>
        <source>Pictures (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP</source>
        <translation>Imágenes (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Mapa de bits (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Page Creator</source>
        <translation>Diseñador de páginas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Tamaño del papel</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Crossword Objects</source>
        <translation>Objetos de la sopa</translation>
    </message>
    <message>
        <source>  Other   Objects</source>
        <translation>  Otros   objetos</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objetos</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Pequeño</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mediano</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Grande</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Size &amp;&amp; Position...</source>
        <translation>&amp;Tamaño y posición...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>B&amp;order</source>
        <translation>&amp;Borde</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Relleno</translation>
    </message>
    <message>
        <source>Change &amp;Text...</source>
        <translation>Cambiar te&amp;xto...</translation>
    </message>
    <message>
        <source>Text &amp;Alignment</source>
        <translation>&amp;Alineación del texto</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Izquierda</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrado</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Derecha</translation>
    </message>
    <message>
        <source>Text &amp;Font</source>
        <translation>F&amp;uente del texto</translation>
    </message>
    <message>
        <source>Load B&amp;itmap</source>
        <translation>Cargar &amp;imagen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>Traer al fre&amp;nte</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>Enviar al fon&amp;do</translation>
    </message>
    <message>
        <source>A bitmap for this layout could not be located.</source>
        <translation>No se encontró una imagen de este diseño.</translation>
    </message>
    <message>
        <source>Load Bitmap File</source>
        <translation>Cargar archivo de imagen</translation>
    </message>
    <message>
        <source>The name of the file selected is too long or holds characters a page layout cannot keep.  Please choose another file.</source>
        <translation>El nombre del archivo seleccionado es demasiado largo o contiene caracteres que un diseño de página no puede guardar.  Elija otro archivo.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Words/Clues</source>
        <translation>Palabras/pistas</translation>
    </message>
    <message>
        <source>Bonus Quest</source>
        <translation>Pregunta extra</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>No object selected</source>
        <translation>Ningún objeto seleccionado</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 inches</source>
        <translation>%1: izquierda %2, arriba %3, ancho %4, alto %5 pulgadas</translation>
    </message>
    <message>
        <source>%1: left %2, top %3, width %4, height %5 centimeters</source>
        <translation>%1: izquierda %2, arriba %3, ancho %4, alto %5 centímetros</translation>
    </message>
    <message>
        <source>Save changes to the page layout?</source>
        <translation>¿Guardar los cambios en el diseño de página?</translation>
    </message>
</context>
<context>
    <name>gw::PreviewWindow</name>
    <message>
        <source>Previous print job has not yet finished.  Try again later.</source>
        <translation>La impresión anterior aún no ha terminado.  Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Puzzle Preview</source>
        <translation>Vista previa de la sopa de letras</translation>
    </message>
    <message>
        <source>Puzzle page</source>
        <translation>Página de la sopa de letras</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>&amp;Imprimir página</translation>
    </message>
    <message>
        <source>Print &amp;Multiple Copies</source>
        <translation>Imprimir &amp;varias copias</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;Page Width</source>
        <translation>&amp;Ancho de página</translation>
    </message>
    <message>
        <source>Zoom &amp;Whole Page</source>
        <translation>Página &amp;completa</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>A&amp;mpliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Graphic Export</source>
        <translation>Exportación &amp;gráfica</translation>
    </message>
    <message>
        <source>Windows &amp;Bitmap (BMP)</source>
        <translation>Mapa de &amp;bits de Windows (BMP)</translation>
    </message>
    <message>
        <source>&amp;JPEG (JPG)</source>
        <translation>&amp;JPEG (JPG)</translation>
    </message>
    <message>
        <source>&amp;Windows MetaFile (WMF)</source>
        <translation>Metarchivo de &amp;Windows (WMF)</translation>
    </message>
    <message>
        <source>&amp;Enhanced MetaFile (EMF)</source>
        <translation>Metarchivo &amp;mejorado (EMF)</translation>
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
        <translation>&amp;Factor de compresión JPEG</translation>
    </message>
    <message>
        <source>&amp;HTML Export</source>
        <translation>Exportación &amp;HTML</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Zoom in percent</source>
        <translation>Zoom en porcentaje</translation>
    </message>
    <message>
        <source>Zoom Page Width</source>
        <translation>Ancho de página</translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Imprimir página</translation>
    </message>
    <message>
        <source>Export As Bitmap</source>
        <translation>Exportar como mapa de bits</translation>
    </message>
    <message>
        <source>Export As JPEG</source>
        <translation>Exportar como JPEG</translation>
    </message>
    <message>
        <source>Export As Metafile</source>
        <translation>Exportar como metarchivo</translation>
    </message>
    <message>
        <source>Create Web Page</source>
        <translation>Crear página web</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Save Puzzle As Bitmap</source>
        <translation>Guardar la sopa de letras como mapa de bits</translation>
    </message>
    <message>
        <source>Bitmap (*.BMP)|*.BMP</source>
        <translation>Mapa de bits (*.BMP)|*.BMP</translation>
    </message>
    <message>
        <source>Save Puzzle As JPeg</source>
        <translation>Guardar la sopa de letras como JPEG</translation>
    </message>
    <message>
        <source>JPeg (*.JPG)|*.JPG</source>
        <translation>JPEG (*.JPG)|*.JPG</translation>
    </message>
    <message>
        <source>Save Puzzle As MetaFile</source>
        <translation>Guardar la sopa de letras como metarchivo</translation>
    </message>
    <message>
        <source>Metafile (*.WMF)|*.WMF</source>
        <translation>Metarchivo (*.WMF)|*.WMF</translation>
    </message>
    <message>
        <source>Save Puzzle As Enhanced MetaFile</source>
        <translation>Guardar la sopa de letras como metarchivo mejorado</translation>
    </message>
    <message>
        <source>Enhanced Metafile (*.EMF)|*.EMF</source>
        <translation>Metarchivo mejorado (*.EMF)|*.EMF</translation>
    </message>
    <message>
        <source>Save Puzzle As PDF</source>
        <translation>Guardar la sopa de letras como PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF</source>
        <translation>Documento PDF (*.PDF)|*.PDF</translation>
    </message>
    <message>
        <source>Save Puzzle As PNG</source>
        <translation>Guardar la sopa de letras como PNG</translation>
    </message>
    <message>
        <source>PNG Picture (*.PNG)|*.PNG</source>
        <translation>Imagen PNG (*.PNG)|*.PNG</translation>
    </message>
    <message>
        <source>Save Puzzle As SVG</source>
        <translation>Guardar la sopa de letras como SVG</translation>
    </message>
    <message>
        <source>SVG Drawing (*.SVG)|*.SVG</source>
        <translation>Dibujo SVG (*.SVG)|*.SVG</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>Página an&amp;terior</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Página &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Interactive Web Page…</source>
        <translation>Página web &amp;interactiva…</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pág. %1 de %2</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>A web page cannot be made of this puzzle: %1.</source>
        <translation>No se puede crear una página web de esta sopa de letras: %1.</translation>
    </message>
</context>
<context>
    <name>gw::PrintOptionsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Impresión</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Puzzle &amp;Title</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>Puzzle &amp;Body</source>
        <translation>Sopa de &amp;letras</translation>
    </message>
    <message>
        <source>Puzzle &amp;Words/Clues</source>
        <translation>&amp;Palabras/pistas</translation>
    </message>
    <message>
        <source>Bonus &amp;Question</source>
        <translation>Pre&amp;gunta extra</translation>
    </message>
    <message>
        <source>&amp;Answer Key</source>
        <translation>S&amp;olución</translation>
    </message>
    <message>
        <source>Use &amp;Grid</source>
        <translation>Usar cua&amp;drícula</translation>
    </message>
    <message>
        <source>L&amp;ower Case Letters</source>
        <translation>Letras &amp;minúsculas</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Lista de palabras</translation>
    </message>
    <message>
        <source>Normal Words</source>
        <translation>Palabras normales</translation>
    </message>
    <message>
        <source>Clues </source>
        <translation>Pistas </translation>
    </message>
    <message>
        <source>Scramble Words</source>
        <translation>Palabras revueltas</translation>
    </message>
    <message>
        <source>Partial Words</source>
        <translation>Incompletas</translation>
    </message>
    <message>
        <source>Use Underscores</source>
        <translation>Con guiones bajos</translation>
    </message>
    <message>
        <source>Show First</source>
        <translation>Primeras</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>letras</translation>
    </message>
    <message>
        <source>Show Last</source>
        <translation>Últimas</translation>
    </message>
    <message>
        <source>Number of Columns</source>
        <translation>Número de columnas</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Imagen del diseño de página</translation>
    </message>
    <message>
        <source>&amp;View/Print</source>
        <translation>&amp;Ver/Imprimir</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Configurar &amp;impresora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Change Page &amp;Layout</source>
        <translation>Cambiar dis&amp;eño de página</translation>
    </message>
    <message>
        <source>Change &amp;Fonts</source>
        <translation>Cambiar &amp;fuentes</translation>
    </message>
    <message>
        <source>Change Bon&amp;us Question</source>
        <translation>Cambiar pregunta e&amp;xtra</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Reports Help</source>
        <translation>&amp;Ayuda sobre la impresión</translation>
    </message>
    <message>
        <source>Invalid number of columns specified.</source>
        <translation>El número de columnas indicado no es válido.</translation>
    </message>
    <message>
        <source>No printers are defined.</source>
        <translation>No hay ninguna impresora definida.</translation>
    </message>
</context>
<context>
    <name>gw::PrintStatusWindow</name>
    <message>
        <source>Report Status Screen</source>
        <translation>Estado de la impresión</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Impresora: %1</translation>
    </message>
    <message>
        <source>Preparing the page for viewing</source>
        <translation>Preparando la vista previa de la página</translation>
    </message>
    <message>
        <source>Object %1 of %2</source>
        <translation>Objeto %1 de %2</translation>
    </message>
    <message>
        <source>Printing Page 1</source>
        <translation>Imprimiendo la página 1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Puzzle Generation Canceled!</source>
        <translation>¡Generación de la sopa de letras cancelada!</translation>
    </message>
    <message>
        <source>Puzzle Generated!</source>
        <translation>¡Sopa de letras generada!</translation>
    </message>
</context>
<context>
    <name>gw::Program</name>
    <message>
        <source>Program is already running</source>
        <translation>El programa ya se está ejecutando</translation>
    </message>
    <message>
        <source>Unable to prepare the folder for your puzzle data: %1.</source>
        <translation>No se puede preparar la carpeta para los datos de sus sopas de letras: %1.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzleBookWindow</name>
    <message>
        <source>Each layout&apos;s own paper</source>
        <translation>Papel de cada diseño</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11 in)</source>
        <translation>Carta (8.5 x 11 pulg.)</translation>
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
        <translation>6 x 9 pulg.</translation>
    </message>
    <message>
        <source>7 x 10 in</source>
        <translation>7 x 10 pulg.</translation>
    </message>
    <message>
        <source>Other (W x H in inches)</source>
        <translation>Otro (ancho x alto en pulgadas)</translation>
    </message>
    <message>
        <source>Print Puzzle Book</source>
        <translation>Imprimir libro de sopas de letras</translation>
    </message>
    <message>
        <source>Puzzles in the book:</source>
        <translation>Sopas de letras del libro:</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Tamaño de página:</translation>
    </message>
    <message>
        <source>Other page size, width x height in inches</source>
        <translation>Otro tamaño de página, ancho x alto en pulgadas</translation>
    </message>
    <message>
        <source>Answer keys:</source>
        <translation>Soluciones:</translation>
    </message>
    <message>
        <source>At the back</source>
        <translation>Al final</translation>
    </message>
    <message>
        <source>After each puzzle</source>
        <translation>Tras cada sopa</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Keys a page:</source>
        <translation>Por página:</translation>
    </message>
    <message>
        <source>Page &amp;numbers, from</source>
        <translation>Nu&amp;merar páginas desde</translation>
    </message>
    <message>
        <source>First page number</source>
        <translation>Número de la primera página</translation>
    </message>
    <message>
        <source>&amp;Title page:</source>
        <translation>&amp;Portada:</translation>
    </message>
    <message>
        <source>Title of the title page</source>
        <translation>Título de la portada</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Ín&amp;dice</translation>
    </message>
    <message>
        <source>&amp;Large print (14 points at least)</source>
        <translation>&amp;Letra grande (14 puntos o más)</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar PD&amp;F...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The page size must be a width and a height in inches, such as 5.5 x 8.5, each from 2 to 50.</source>
        <translation>El tamaño de página debe ser un ancho y un alto en pulgadas, por ejemplo 5.5 x 8.5, cada uno entre 2 y 50.</translation>
    </message>
    <message>
        <source>No puzzles have been chosen for the book.</source>
        <translation>No se ha elegido ninguna sopa de letras para el libro.</translation>
    </message>
    <message>
        <source>Unable to load puzzle.</source>
        <translation>No se puede cargar la sopa de letras.</translation>
    </message>
    <message>
        <source>A puzzle has never been generated for &quot;%1&quot;. Please select &quot;File|Modify&quot; from the menu and create the puzzle first, or leave it out of the book.</source>
        <translation>Nunca se ha generado la sopa de letras «%1». Elija «Archivo|Modificar sopa de letras» en el menú y cree primero la sopa de letras, o déjela fuera del libro.</translation>
    </message>
    <message>
        <source>%1 (page %2): %3</source>
        <translation>%1 (página %2): %3</translation>
    </message>
    <message>
        <source>Save Puzzle Book As PDF</source>
        <translation>Guardar el libro de sopas de letras como PDF</translation>
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
        <translation>No se puede guardar la sopa de letras.</translation>
    </message>
</context>
<context>
    <name>gw::PuzzlePickList</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Ninguna</translation>
    </message>
</context>
<context>
    <name>gw::ShapeEditor</name>
    <message>
        <source>Shape Creator</source>
        <translation>Editor de formas</translation>
    </message>
    <message>
        <source>Shape grid</source>
        <translation>Cuadrícula de la forma</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Shift Grid</source>
        <translation>Desplazar cuadrícula</translation>
    </message>
    <message>
        <source>Shift Up</source>
        <translation>Desplazar hacia arriba</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Desplazar hacia la izquierda</translation>
    </message>
    <message>
        <source>Shift Right</source>
        <translation>Desplazar hacia la derecha</translation>
    </message>
    <message>
        <source>Shift Down</source>
        <translation>Desplazar hacia abajo</translation>
    </message>
    <message>
        <source>Adjust Grid</source>
        <translation>Ajustar cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Reverse</source>
        <translation>&amp;Invertir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Left Click To Toggle</source>
        <translation>Clic izquierdo: alternar</translation>
    </message>
    <message>
        <source>Right Click To Fill</source>
        <translation>Clic derecho: rellenar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable; row %4, column %5: %6</source>
        <translation>%1 por %2 celdas, %3 utilizables; fila %4, columna %5: %6</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>utilizable</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>sin usar</translation>
    </message>
    <message>
        <source>Width must be between 5 and 30.  Please re-enter width.</source>
        <translation>El ancho debe estar entre 5 y 30.  Vuelva a escribir el ancho.</translation>
    </message>
    <message>
        <source>Height must be between 5 and 30.  Please re-enter height.</source>
        <translation>La altura debe estar entre 5 y 30.  Vuelva a escribir la altura.</translation>
    </message>
    <message>
        <source>Unable to add shape.</source>
        <translation>No se puede agregar la forma.</translation>
    </message>
</context>
<context>
    <name>gw::ShapeLibraryDialog</name>
    <message>
        <source>Shapes</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Forma de la cuadrícula</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Imagen de la forma de la cuadrícula</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>Im&amp;portar</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Expo&amp;rtar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>gw::ShapeListView</name>
    <message>
        <source>No saved shape information could be found.</source>
        <translation>No se encontró ninguna forma guardada.</translation>
    </message>
    <message>
        <source>%1 by %2 cells, %3 usable</source>
        <translation>%1 por %2 celdas, %3 utilizables</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;?</source>
        <translation>¿Seguro que desea eliminar «%1»?</translation>
    </message>
    <message>
        <source>Import Puzzle Shape</source>
        <translation>Importar forma de cuadrícula</translation>
    </message>
    <message>
        <source>Puzzle Shapes (*.LAY)|*.LAY</source>
        <translation>Formas de cuadrícula (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>No shape selected.</source>
        <translation>No se ha seleccionado ninguna forma.</translation>
    </message>
    <message>
        <source>Export Puzzle Shape</source>
        <translation>Exportar forma de cuadrícula</translation>
    </message>
    <message>
        <source>Puzzle Shape (*.LAY)|*.LAY</source>
        <translation>Forma de cuadrícula (*.LAY)|*.LAY</translation>
    </message>
    <message>
        <source>&lt;Current Puzzle&gt;</source>
        <translation>&lt;Sopa actual&gt;</translation>
    </message>
</context>
<context>
    <name>gw::SpellingDialog</name>
    <message>
        <source>Spelling Suggestions</source>
        <translation>Sugerencias ortográficas</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Sugerencias</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Agregar</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>The following word was not found in the %1 dictionary.  Suggestions are listed below.</source>
        <translation>La siguiente palabra no está en el diccionario de %1.  Vea las sugerencias abajo.</translation>
    </message>
    <message>
        <source>%1 was not found in the dictionary.  No suggestions could be found.</source>
        <translation>%1 no se encontró en el diccionario.  No se encontraron sugerencias.</translation>
    </message>
    <message>
        <source>Could not find one of the dictionary files.</source>
        <translation>No se encontró uno de los archivos del diccionario.</translation>
    </message>
    <message>
        <source>All words were found in the dictionary.</source>
        <translation>Todas las palabras se encontraron en el diccionario.</translation>
    </message>
    <message>
        <source>Spell checking aborted.</source>
        <translation>Revisión ortográfica cancelada.</translation>
    </message>
    <message>
        <source>Spell checking complete.</source>
        <translation>Revisión ortográfica terminada.</translation>
    </message>
</context>
<context>
    <name>gw::SpellingLanguageDialog</name>
    <message>
        <source>Spell Check</source>
        <translation>Revisión ortográfica</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>Inglés a&amp;mericano</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>Inglés &amp;británico</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Español</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francés</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>A&amp;lemán</translation>
    </message>
    <message>
        <source>&amp;Dutch</source>
        <translation>&amp;Neerlandés</translation>
    </message>
    <message>
        <source>S&amp;wedish</source>
        <translation>&amp;Sueco</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusDialog</name>
    <message>
        <source>Thesaurus Lookup</source>
        <translation>Buscar sinónimos</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>&amp;Look Up</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Suggest</source>
        <translation>&amp;Sugerir</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>A&amp;bort</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Antonyms</source>
        <translation>Antónimos</translation>
    </message>
    <message>
        <source>Synonyms</source>
        <translation>Sinónimos</translation>
    </message>
    <message>
        <source>Could not find the Thesaurus file.</source>
        <translation>No se encontró el archivo del diccionario de sinónimos.</translation>
    </message>
    <message>
        <source>Word not found in Thesaurus.  Click on &quot;suggest&quot; for possible substitute words.</source>
        <translation>La palabra no está en el diccionario de sinónimos.  Haga clic en «Sugerir» para ver posibles palabras de reemplazo.</translation>
    </message>
    <message>
        <source>No suggestions found for the word %1.</source>
        <translation>No se encontraron sugerencias para la palabra %1.</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusLanguageDialog</name>
    <message>
        <source>Thesaurus</source>
        <translation>Sinónimos</translation>
    </message>
    <message>
        <source>&amp;American</source>
        <translation>Inglés a&amp;mericano</translation>
    </message>
    <message>
        <source>&amp;British</source>
        <translation>Inglés &amp;británico</translation>
    </message>
</context>
<context>
    <name>gw::ThesaurusSuggestionsDialog</name>
    <message>
        <source>Word Suggestions</source>
        <translation>Palabras sugeridas</translation>
    </message>
    <message>
        <source>Suggestion for</source>
        <translation>Sugerencias para</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>gw::TipOfTheDayDialog</name>
    <message>
        <source>You can place hidden phrases in your word search puzzle utilizing the unused letters of the puzzle.</source>
        <translation>Puede ocultar frases en su sopa de letras usando las letras sobrantes de la cuadrícula.</translation>
    </message>
    <message>
        <source>You can create a text file &quot;badlist.txt&quot; that the program will use to screen for your own offensive words ensuring they do not show up in the puzzle.</source>
        <translation>Puede crear un archivo de texto «badlist.txt» que el programa usará para filtrar sus propias palabras ofensivas y asegurarse de que no aparezcan en la sopa de letras.</translation>
    </message>
    <message>
        <source>Every puzzle is checked in all eight directions for offensive words before you see it, and again when its fill letters are chosen.</source>
        <translation>Antes de que usted la vea, cada sopa de letras se revisa en las ocho direcciones en busca de palabras ofensivas, y de nuevo cuando se eligen sus letras de relleno.</translation>
    </message>
    <message>
        <source>Raise the number of creation attempts (up to 999) to give every word a better chance to fit. The four best grids are offered to you.</source>
        <translation>Aumente el número de intentos de creación (hasta 999) para que cada palabra tenga más posibilidades de caber. Se le ofrecen las cuatro mejores cuadrículas.</translation>
    </message>
    <message>
        <source>Double click any of the four candidate grids to see it enlarged before you decide which one to save.</source>
        <translation>Haga doble clic en cualquiera de las cuatro cuadrículas propuestas para verla ampliada antes de decidir cuál guardar.</translation>
    </message>
    <message>
        <source>The Word Integration slider sets how much the words cross each other. Move it to the right for a tightly woven puzzle.</source>
        <translation>El control deslizante Cruce de palabras determina cuánto se cruzan las palabras entre sí. Muévalo hacia la derecha para obtener una sopa de letras muy entrelazada.</translation>
    </message>
    <message>
        <source>Turn off directions such as Left, Up and the diagonals to make easier puzzles for young children.</source>
        <translation>Desactive direcciones como Izquierda, Arriba y las diagonales para crear sopas de letras más fáciles para los niños pequeños.</translation>
    </message>
    <message>
        <source>Check &quot;Shrink&quot; to let the program trim empty rows and columns from the bottom and right of the finished grid.</source>
        <translation>Marque «Reducir» para que el programa elimine las filas y columnas vacías de la parte inferior y derecha de la cuadrícula terminada.</translation>
    </message>
    <message>
        <source>Puzzles don&apos;t have to be square. Pick a heart, a star or a tree under Puzzle Shape, or draw your own with the shape editor.</source>
        <translation>Las sopas de letras no tienen por qué ser cuadradas. Elija un corazón, una estrella o un árbol en Forma de la cuadrícula, o dibuje su propia forma con el editor de formas.</translation>
    </message>
    <message>
        <source>In the shape editor a left click toggles one cell and a right click fills a whole region at once.</source>
        <translation>En el editor de formas, un clic izquierdo alterna una celda y un clic derecho rellena toda una zona de una vez.</translation>
    </message>
    <message>
        <source>Shapes travel between computers: use Export on the Shapes window and Import on the other machine.</source>
        <translation>Las formas pueden pasar de un equipo a otro: use Exportar en la ventana Formas e Importar en el otro equipo.</translation>
    </message>
    <message>
        <source>Keep your puzzles organized in groups. Each group file holds as many puzzles as you like, sorted by category.</source>
        <translation>Organice sus sopas de letras en grupos. Cada archivo de grupo contiene todas las sopas de letras que quiera, ordenadas por categoría.</translation>
    </message>
    <message>
        <source>Use Copy Puzzle to start a new puzzle from an existing word list. The copy gets a number added to its title.</source>
        <translation>Use «Copiar sopa de letras» para empezar una nueva sopa de letras a partir de una lista de palabras existente. La copia recibe un número en su título.</translation>
    </message>
    <message>
        <source>Type a clue beside each word to make a clue puzzle: the solver reads the clue and must find the matching word.</source>
        <translation>Escriba una pista junto a cada palabra para crear una sopa de letras con pistas: quien la resuelve lee la pista y debe encontrar la palabra correspondiente.</translation>
    </message>
    <message>
        <source>Hide the clue column with &quot;Use Clues&quot; when you only need words. Your clues are kept and come back when you show it again.</source>
        <translation>Oculte la columna de pistas con «Usar pistas» cuando solo necesite palabras. Sus pistas se conservan y vuelven a aparecer cuando muestre de nuevo la columna.</translation>
    </message>
    <message>
        <source>Words may contain spaces, such as ICE CREAM. The space is left out in the grid, so the solver looks for ICECREAM.</source>
        <translation>Las palabras pueden contener espacios, como OSO POLAR. El espacio se omite en la cuadrícula, así que se busca OSOPOLAR.</translation>
    </message>
    <message>
        <source>Tab and Enter move between the cells of the word list, so a long list can be typed without touching the mouse.</source>
        <translation>Tab y Entrar pasan de una celda a otra de la lista de palabras, así que puede escribir una lista larga solo con el teclado.</translation>
    </message>
    <message>
        <source>Import a word list from a text file, one word per line, or words and clues separated by a colon.</source>
        <translation>Importe una lista de palabras desde un archivo de texto, con una palabra por línea, o con palabras y pistas separadas por dos puntos.</translation>
    </message>
    <message>
        <source>Export your word and clue list to a text file to share it or to edit it in another program.</source>
        <translation>Exporte su lista de palabras y pistas a un archivo de texto para compartirla o editarla en otro programa.</translation>
    </message>
    <message>
        <source>A puzzle holds up to 330 words. Words that cannot be placed are listed as excluded words before you save.</source>
        <translation>Una sopa de letras admite hasta 330 palabras. Las palabras que no se pueden colocar aparecen como palabras excluidas antes de guardar.</translation>
    </message>
    <message>
        <source>Add a bonus question to a puzzle. It can be printed below the grid as an extra challenge.</source>
        <translation>Agregue una pregunta extra a una sopa de letras. Se puede imprimir debajo de la cuadrícula como reto adicional.</translation>
    </message>
    <message>
        <source>The page layout decides where the title, the grid and the word list go on the printed page. Each puzzle keeps its own copy.</source>
        <translation>El diseño de página decide dónde van el título, la cuadrícula y la lista de palabras en la página impresa. Cada sopa de letras guarda su propia copia.</translation>
    </message>
    <message>
        <source>Design your own page layouts with text, pictures, rectangles and circles, and make one of them the default for new puzzles.</source>
        <translation>Diseñe sus propias páginas con texto, imágenes, rectángulos y círculos, y convierta una de ellas en el diseño predeterminado para las nuevas sopas de letras.</translation>
    </message>
    <message>
        <source>Print the answer key with the words circled in the grid, ready for marking.</source>
        <translation>Imprima la solución con las palabras rodeadas en la cuadrícula, lista para corregir.</translation>
    </message>
    <message>
        <source>Save a puzzle page as a picture or an HTML page to put it on a school web site.</source>
        <translation>Guarde una página de sopa de letras como imagen o como página HTML para publicarla en el sitio web de la escuela.</translation>
    </message>
    <message>
        <source>Modify Puzzle lets you change the title, the category, the clues and the bonus question of a stored puzzle without losing its grid.</source>
        <translation>«Modificar sopa de letras» le permite cambiar el título, la categoría, las pistas y la pregunta extra de una sopa de letras guardada sin perder su cuadrícula.</translation>
    </message>
    <message>
        <source>Use Screen Size on the Options menu to make every window larger on a big monitor.</source>
        <translation>Use Tamaño de pantalla en el menú Opciones para agrandar todas las ventanas en un monitor grande.</translation>
    </message>
    <message>
        <source>Choose your own fonts for labels, edit boxes and buttons on the Options menu.</source>
        <translation>Elija sus propias fuentes para etiquetas, cuadros de texto y botones en el menú Opciones.</translation>
    </message>
    <message>
        <source>The spell checker looks at your words and clues in eight languages, and you can add your own words to its dictionary.</source>
        <translation>El corrector ortográfico revisa sus palabras y pistas en ocho idiomas, y usted puede agregar sus propias palabras a su diccionario.</translation>
    </message>
    <message>
        <source>Press F1 to F12 in the word list to type accented letters such as á, é and ñ.</source>
        <translation>Pulse F1 a F12 en la lista de palabras para escribir letras acentuadas como á, é y ñ.</translation>
    </message>
    <message>
        <source>Turn the background picture of the main window on or off with Background Bitmap on the Options menu.</source>
        <translation>Active o desactive la imagen de fondo de la ventana principal con Imagen de fondo en el menú Opciones.</translation>
    </message>
    <message>
        <source>The thesaurus suggests synonyms for a word and can turn one of them into the word&apos;s clue in a single step.</source>
        <translation>El diccionario de sinónimos sugiere sinónimos de una palabra y puede convertir uno de ellos en la pista de la palabra en un solo paso.</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Sugerencia del día</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>¿Sabía que...?</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Mostrar sugerencias al iniciar</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>gw::UserDictionaryDialog</name>
    <message>
        <source>Dictionary Maintenance</source>
        <translation>Mantenimiento del diccionario</translation>
    </message>
    <message>
        <source>Word to add</source>
        <translation>Palabra que agregar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;gregar</translation>
    </message>
    <message>
        <source>These words will be added to the %1 dictionary and counted as valid.</source>
        <translation>Estas palabras se agregarán al diccionario de %1 y se considerarán válidas.</translation>
    </message>
    <message>
        <source>These words will be excluded from the  %1 dictionary and will be invalid.</source>
        <translation>Estas palabras se excluirán del diccionario de %1 y se considerarán no válidas.</translation>
    </message>
</context>
<context>
    <name>gw::UserManualDialog</name>
    <message>
        <source>User Manual Notice</source>
        <translation>Aviso sobre el manual del usuario</translation>
    </message>
    <message>
        <source>The user manual opens in your document viewer, where you can read and print it. Press Ok to open it now.</source>
        <translation>El manual del usuario se abre en su visor de documentos, donde puede leerlo e imprimirlo. Pulse Aceptar para abrirlo ahora.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at our web site.</source>
        <translation>No se encontró el manual del usuario.  Asegúrese de que el manual del usuario esté instalado.  Hay una copia disponible en nuestro sitio web.</translation>
    </message>
    <message>
        <source>No program to show the user manual could be started.  The manual is %1; open it with any program that reads PDF documents.</source>
        <translation>No se pudo iniciar ningún programa para mostrar el manual del usuario.  El manual es %1; ábralo con cualquier programa que lea documentos PDF.</translation>
    </message>
</context>
<context>
    <name>gw::WebPageWindow</name>
    <message>
        <source>HTML Creation</source>
        <translation>Creación de HTML</translation>
    </message>
    <message>
        <source>Create A Web Page</source>
        <translation>Crear una página web</translation>
    </message>
    <message>
        <source>First Header Lines</source>
        <translation>Primeras líneas de encabezado</translation>
    </message>
    <message>
        <source>Second Header Lines</source>
        <translation>Segundas líneas de encabezado</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Línea horizontal</translation>
    </message>
    <message>
        <source>Puzzle will go here</source>
        <translation>Aquí irá la sopa de letras</translation>
    </message>
    <message>
        <source>First Footer Lines</source>
        <translation>Primeras líneas del pie de página</translation>
    </message>
    <message>
        <source>Second Footer Lines</source>
        <translation>Segundas líneas del pie de página</translation>
    </message>
    <message>
        <source>Web Page Title</source>
        <translation>Título de la página web</translation>
    </message>
    <message>
        <source>&amp;Save HTML</source>
        <translation>&amp;Guardar HTML</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Save HTML Document</source>
        <translation>Guardar documento HTML</translation>
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
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Separator Char</source>
        <translation>Separador</translation>
    </message>
</context>
<context>
    <name>gw::WordFileExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Palabras</translation>
    </message>
    <message>
        <source>&amp;Clues</source>
        <translation>P&amp;istas</translation>
    </message>
    <message>
        <source>Words &amp;And Clues</source>
        <translation>Palabras &amp;y pistas</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Quitar selección</translation>
    </message>
    <message>
        <source>Save &amp;File</source>
        <translation>&amp;Guardar archivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>No words/clues selected for output.  Please select the desired words/clues.</source>
        <translation>No se seleccionaron palabras/pistas para exportar.  Seleccione las palabras/pistas deseadas.</translation>
    </message>
    <message>
        <source>Save Word/Clue List</source>
        <translation>Guardar lista de palabras/pistas</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt</source>
        <translation>Texto (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>gw::WordFileImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>As &amp;Words</source>
        <translation>Como &amp;palabras</translation>
    </message>
    <message>
        <source>As &amp;Clues</source>
        <translation>Como p&amp;istas</translation>
    </message>
    <message>
        <source>&amp;As Words and Clues</source>
        <translation>Como palabras &amp;y pistas</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Abrir a&amp;rchivo</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Quitar selección</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Import Word/Clue List</source>
        <translation>Importar lista de palabras/pistas</translation>
    </message>
    <message>
        <source>text (*.txt)|*.txt|all files (*.*)|*.*</source>
        <translation>Texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Unable to open import file.</source>
        <translation>No se puede abrir el archivo de importación.</translation>
    </message>
    <message>
        <source>Some characters in this file cannot be used in a puzzle: %1.  They are shown as &quot;?&quot;.</source>
        <translation>Algunos caracteres de este archivo no se pueden usar en una sopa de letras: %1.  Se muestran como «?».</translation>
    </message>
    <message>
        <source>No word/clue seperator character specified.</source>
        <translation>No se indicó ningún carácter separador entre palabra y pista.</translation>
    </message>
    <message>
        <source>Too many words selected.  Last word will not be used.  Continue?</source>
        <translation>Hay demasiadas palabras seleccionadas.  La última palabra no se usará.  ¿Continuar?</translation>
    </message>
    <message>
        <source>Too many words selected.  Last %1 words will not be used.  Continue?</source>
        <translation>Hay demasiadas palabras seleccionadas.  Las últimas %1 palabras no se usarán.  ¿Continuar?</translation>
    </message>
</context>
<context>
    <name>gw::WordGrid</name>
    <message>
        <source>Cnt</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Tab goes from cell to cell; Ctrl+Tab leaves the list.</source>
        <translation>Tab pasa de una celda a otra; Ctrl+Tab sale de la lista.</translation>
    </message>
</context>
<context>
    <name>gw::WordListEditor</name>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down Right</source>
        <translation>Abajo derecha</translation>
    </message>
    <message>
        <source>Up Left</source>
        <translation>Arriba izquierda</translation>
    </message>
    <message>
        <source>Down Left</source>
        <translation>Abajo izquierda</translation>
    </message>
    <message>
        <source>Up Right</source>
        <translation>Arriba derecha</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Palabras y pistas</translation>
    </message>
    <message>
        <source>Use Clues</source>
        <translation>Usar pistas</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Delete &amp;All</source>
        <translation>Borrar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Spell Check</source>
        <translation>&amp;Ortografía</translation>
    </message>
    <message>
        <source>&amp;Thesaurus</source>
        <translation>Si&amp;nónimos</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>P&amp;hrase</source>
        <translation>&amp;Frase</translation>
    </message>
    <message>
        <source>Bonus Question</source>
        <translation>Pregunta extra</translation>
    </message>
    <message>
        <source>Word Directions</source>
        <translation>Direcciones de las palabras</translation>
    </message>
    <message>
        <source>Word Integration</source>
        <translation>Cruce de palabras</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Red&amp;ucir</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>International Characters</source>
        <translation>Caracteres internacionales</translation>
    </message>
    <message>
        <source>Puzzle Shape</source>
        <translation>Forma de la cuadrícula</translation>
    </message>
    <message>
        <source>Picture of the puzzle shape</source>
        <translation>Imagen de la forma de la cuadrícula</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>Nue&amp;va</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Im&amp;port</source>
        <translation>Impo&amp;rtar</translation>
    </message>
    <message>
        <source>Expo&amp;rt</source>
        <translation>Export&amp;ar</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Diseño de página</translation>
    </message>
    <message>
        <source>Picture of the page layout</source>
        <translation>Imagen del diseño de página</translation>
    </message>
    <message>
        <source>Change La&amp;yout</source>
        <translation>Cambiar &amp;diseño</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>All words are already cleared.</source>
        <translation>Todas las palabras ya están borradas.</translation>
    </message>
    <message>
        <source>This will remove all words and clues.  Continue?</source>
        <translation>Esto eliminará todas las palabras y pistas.  ¿Continuar?</translation>
    </message>
    <message>
        <source>Puzzle has been modified.  Save changes?</source>
        <translation>La sopa de letras se ha modificado.  ¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>No title specified.  Please correct.</source>
        <translation>No se ha indicado ningún título.  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>No category specified.  Please correct.</source>
        <translation>No se ha indicado ninguna categoría.  Por favor, corríjalo.</translation>
    </message>
    <message>
        <source>  Continue?</source>
        <translation>  ¿Continuar?</translation>
    </message>
    <message>
        <source>Offensive-word screening refused every attempt, so no puzzle could be made.</source>
        <translation>El filtro de palabras ofensivas rechazó todos los intentos, así que no se pudo crear ninguna sopa de letras.</translation>
    </message>
    <message>
        <source>Discard the words you typed?</source>
        <translation>¿Descartar las palabras que ha escrito?</translation>
    </message>
    <message>
        <source>About %1 of %2 words will fit</source>
        <translation>Cabrán unas %1 de %2 palabras</translation>
    </message>
</context>
</TS>
