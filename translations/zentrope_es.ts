<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>zentrope::AddressFile</name>
    <message>
        <source>Text exceeds memo capacity.</source>
        <translation>El texto supera la capacidad del campo de dirección.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>No se puede crear el archivo %1.</translation>
    </message>
    <message>
        <source>Stream write error.</source>
        <translation>Error de escritura.</translation>
    </message>
</context>
<context>
    <name>zentrope::AddressFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Verde oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Color:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>zentrope::AlignmentPage</name>
    <message>
        <source>mm</source>
        <comment>unit symbol of millimetres</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>in</source>
        <comment>unit symbol of inches</comment>
        <translation>pulg.</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>Remitente</translation>
    </message>
    <message>
        <source>Address: middle, 1 in above the bottom</source>
        <translation>Dirección: en el centro, a 1 pulg. del borde inferior</translation>
    </message>
    <message>
        <source>Zentrope alignment test</source>
        <translation>Prueba de alineación de Zentrope</translation>
    </message>
</context>
<context>
    <name>zentrope::Contact</name>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
</context>
<context>
    <name>zentrope::ContactImport</name>
    <message>
        <source>%1 is neither a vCard nor a CSV file.</source>
        <translation>%1 no es un archivo vCard ni CSV.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Contacts read: %1.</source>
        <translation>Contactos leídos: %1.</translation>
    </message>
    <message>
        <source>%1 not closed</source>
        <translation>%1 sin cerrar</translation>
    </message>
    <message>
        <source>%1 with a quote not closed</source>
        <translation>%1 con comillas sin cerrar</translation>
    </message>
    <message>
        <source>%1 with more cells than the header</source>
        <translation>%1 con más celdas que el encabezado</translation>
    </message>
    <message>
        <source>%1 without a name or an address</source>
        <translation>%1 sin nombre ni dirección</translation>
    </message>
    <message>
        <source>%1 after the first %2</source>
        <translation>%1 después de los primeros %2</translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation>Omitidos: %1.</translation>
    </message>
    <message>
        <source>Damaged lines passed over: %1.</source>
        <translation>Líneas dañadas omitidas: %1.</translation>
    </message>
</context>
<context>
    <name>zentrope::ContactPickerModel</name>
    <message>
        <source>No postal address</source>
        <translation>Sin dirección postal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Address used</source>
        <translation>Dirección usada</translation>
    </message>
    <message>
        <source>No organization</source>
        <translation>Sin organización</translation>
    </message>
</context>
<context>
    <name>zentrope::CupsJob</name>
    <message>
        <source>Printing on %1 failed: %2</source>
        <translation>La impresión en %1 ha fallado: %2</translation>
    </message>
</context>
<context>
    <name>zentrope::EnvelopeComposer</name>
    <message>
        <source>File &quot;%1&quot; is marked read-only. Save changes in a new file.</source>
        <translation>El archivo &quot;%1&quot; es de solo lectura. Guarde los cambios en un archivo nuevo.</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity.</source>
        <translation>El texto supera la capacidad del campo de dirección.</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (solo lectura)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Save changes to envelope file &quot;%1&quot;?</source>
        <translation>¿Guardar los cambios en el archivo de sobres &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Cannot find file &quot;%1&quot;.</source>
        <translation>No se encuentra el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No envelope size is chosen.</source>
        <translation>No hay ningún tamaño de sobre elegido.</translation>
    </message>
</context>
<context>
    <name>zentrope::EnvelopeFeedDialog</name>
    <message>
        <source>Envelope Feed</source>
        <translation>Alimentación de sobres</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Impresora: %1</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>&amp;Printer paper (the size&apos;s indent places the envelope)</source>
        <translation>&amp;Papel de la impresora (la sangría del tamaño sitúa el sobre)</translation>
    </message>
    <message>
        <source>&amp;Envelope (each page is the envelope)</source>
        <translation>&amp;Sobre (cada página es el sobre)</translation>
    </message>
    <message>
        <source>Print on the paper chosen in Print Setup, as without a profile</source>
        <translation>Imprimir en el papel elegido en Configurar impresora, como sin perfil</translation>
    </message>
    <message>
        <source>Send pages of the envelope&apos;s own size</source>
        <translation>Enviar páginas del tamaño del propio sobre</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Alimentación</translation>
    </message>
    <message>
        <source>&amp;Long edge first</source>
        <translation>Borde &amp;largo primero</translation>
    </message>
    <message>
        <source>&amp;Short edge first</source>
        <translation>Borde &amp;corto primero</translation>
    </message>
    <message>
        <source>Le&amp;ft</source>
        <translation>&amp;Izquierda</translation>
    </message>
    <message>
        <source>Ce&amp;ntred</source>
        <translation>C&amp;entrado</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Derecha</translation>
    </message>
    <message>
        <source>Where the envelope lies across the tray, seen from the front</source>
        <translation>Dónde queda el sobre a lo ancho de la bandeja, visto de frente</translation>
    </message>
    <message>
        <source>&amp;Turned 180° (flap or left end first)</source>
        <translation>&amp;Girado 180° (solapa o extremo izquierdo primero)</translation>
    </message>
    <message>
        <source>Face &amp;down (the printer prints on the underside)</source>
        <translation>B&amp;oca abajo (la impresora imprime la cara inferior)</translation>
    </message>
    <message>
        <source>How to put the envelope in: the printer&apos;s slot is at the top</source>
        <translation>Cómo introducir el sobre: la ranura de la impresora está arriba</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <source>Moves everything printed to the right (negative: to the left)</source>
        <translation>Desplaza todo lo impreso hacia la derecha (negativo: hacia la izquierda)</translation>
    </message>
    <message>
        <source>Moves everything printed down (negative: up)</source>
        <translation>Desplaza todo lo impreso hacia abajo (negativo: hacia arriba)</translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation>Hori&amp;zontal:</translation>
    </message>
    <message>
        <source>&amp;Vertical:</source>
        <translation>&amp;Vertical:</translation>
    </message>
    <message>
        <source>So&amp;urce</source>
        <translation>O&amp;rigen</translation>
    </message>
    <message>
        <source>The tray or slot the printer takes envelopes from</source>
        <translation>La bandeja o ranura de la que la impresora toma los sobres</translation>
    </message>
    <message>
        <source>Printer&apos;s default</source>
        <translation>Predeterminado de la impresora</translation>
    </message>
    <message>
        <source>The printer has this envelope&apos;s size (%1).</source>
        <translation>La impresora tiene el tamaño de este sobre (%1).</translation>
    </message>
    <message>
        <source>The printer takes this envelope&apos;s size as a custom size.</source>
        <translation>La impresora acepta el tamaño de este sobre como tamaño personalizado.</translation>
    </message>
    <message>
        <source>The printer does not tell which sizes it takes.</source>
        <translation>La impresora no indica qué tamaños acepta.</translation>
    </message>
    <message>
        <source>This printer&apos;s driver offers no long-edge envelope size</source>
        <translation>El controlador de esta impresora no ofrece ningún tamaño de sobre con el borde largo primero</translation>
    </message>
    <message>
        <source>The printer has no paper of this envelope&apos;s size (%1).</source>
        <translation>La impresora no tiene papel del tamaño de este sobre (%1).</translation>
    </message>
</context>
<context>
    <name>zentrope::EnvelopeJob</name>
    <message>
        <source>Cannot create file %1.</source>
        <translation>No se puede crear el archivo %1.</translation>
    </message>
    <message>
        <source>The envelope size has no width or height.</source>
        <translation>El tamaño de sobre no tiene anchura o altura.</translation>
    </message>
    <message>
        <source>Stream write error.</source>
        <translation>Error de escritura.</translation>
    </message>
    <message>
        <source>Unable to start printing on %1</source>
        <translation>No se puede iniciar la impresión en %1</translation>
    </message>
    <message>
        <source>Unable to start a new page on %1</source>
        <translation>No se puede empezar una página nueva en %1</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>La impresión en %1 ha fallado</translation>
    </message>
</context>
<context>
    <name>zentrope::FeedGeometry</name>
    <message>
        <source>The envelope size has no width or height.</source>
        <translation>El tamaño de sobre no tiene anchura o altura.</translation>
    </message>
</context>
<context>
    <name>zentrope::FeedPicture</name>
    <message>
        <source>Face down</source>
        <translation>Boca abajo</translation>
    </message>
    <message>
        <source>Face up</source>
        <translation>Boca arriba</translation>
    </message>
</context>
<context>
    <name>zentrope::FileType</name>
    <message>
        <source>Envelope Printer</source>
        <translation>Impresión de sobres</translation>
    </message>
    <message>
        <source>Zentrope Envelope</source>
        <translation>Sobre de Zentrope</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Print Envelope</source>
        <translation>Imprimir sobre</translation>
    </message>
</context>
<context>
    <name>zentrope::Guard</name>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
</context>
<context>
    <name>zentrope::HelpWindow</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Topic not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h1&gt;Topic not found&lt;/h1&gt;&lt;p&gt;This manual has no page for help topic %1.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;Contents&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tema no encontrado&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h1&gt;Tema no encontrado&lt;/h1&gt;&lt;p&gt;Este manual no tiene ninguna página para el tema de ayuda %1.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;Contenido&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Zentrope Help</source>
        <translation>Ayuda de Zentrope</translation>
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
        <source>&amp;Search for:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Words to look for</source>
        <translation>Palabras que buscar</translation>
    </message>
    <message>
        <source>Zentrope Help - %1</source>
        <translation>Ayuda de Zentrope - %1</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Tema de ayuda</translation>
    </message>
</context>
<context>
    <name>zentrope::ImportAddressesDialog</name>
    <message>
        <source>Import Addresses - %1</source>
        <translation>Importar direcciones - %1</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Name, organization or address</source>
        <translation>Nombre, organización o dirección</translation>
    </message>
    <message>
        <source>List only the contacts whose name, organization or address holds these words</source>
        <translation>Mostrar solo los contactos cuyo nombre, organización o dirección contiene estas palabras</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todos</translation>
    </message>
    <message>
        <source>Tick every contact listed</source>
        <translation>Marcar todos los contactos mostrados</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>Untick every contact listed</source>
        <translation>Desmarcar todos los contactos mostrados</translation>
    </message>
    <message>
        <source>Tick the contacts to add as envelopes; greyed contacts have no postal address</source>
        <translation>Marque los contactos que desea añadir como sobres; los contactos en gris no tienen dirección postal</translation>
    </message>
    <message>
        <source>A&amp;ddress used:</source>
        <translation>&amp;Dirección usada:</translation>
    </message>
    <message>
        <source>The address the highlighted contact&apos;s envelope is written to</source>
        <translation>La dirección a la que va el sobre del contacto seleccionado</translation>
    </message>
    <message>
        <source>Sent &amp;from:</source>
        <translation>&amp;Enviado desde:</translation>
    </message>
    <message>
        <source>The country the envelopes are posted in; it is left off the addresses</source>
        <translation>El país desde el que se envían los sobres; no se escribe en las direcciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>%1 of %2 contacts listed.</source>
        <translation>Se muestran %1 de %2 contactos.</translation>
    </message>
    <message>
        <source>No contact has a postal address.</source>
        <translation>Ningún contacto tiene dirección postal.</translation>
    </message>
    <message>
        <source>1 envelope to add.</source>
        <translation>1 sobre para añadir.</translation>
    </message>
    <message>
        <source>%1 envelopes to add.</source>
        <translation>%1 sobres para añadir.</translation>
    </message>
    <message>
        <source>&amp;Character set:</source>
        <translation>&amp;Juego de caracteres:</translation>
    </message>
    <message>
        <source>Automatic (UTF-8, UTF-16 or Windows-1252)</source>
        <translation>Automático (UTF-8, UTF-16 o Windows-1252)</translation>
    </message>
    <message>
        <source>The character set the CSV file is written in, when its letters look wrong</source>
        <translation>El juego de caracteres en que está escrito el archivo CSV, si sus letras se ven mal</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
</context>
<context>
    <name>zentrope::ImportColumnsDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Empresa:</translation>
    </message>
    <message>
        <source>&amp;Street:</source>
        <translation>&amp;Calle:</translation>
    </message>
    <message>
        <source>&amp;Extra line:</source>
        <translation>Línea &amp;adicional:</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>C&amp;iudad:</translation>
    </message>
    <message>
        <source>&amp;Region:</source>
        <translation>&amp;Región:</translation>
    </message>
    <message>
        <source>&amp;Postal code:</source>
        <translation>Código p&amp;ostal:</translation>
    </message>
    <message>
        <source>Co&amp;untry:</source>
        <translation>&amp;País:</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Import Columns</source>
        <translation>Columnas de la importación</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>The first contact&apos;s envelope, as these columns make it</source>
        <translation>El sobre del primer contacto, tal como lo forman estas columnas</translation>
    </message>
    <message>
        <source>First envelope:</source>
        <translation>Primer sobre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Add a column to the name</source>
        <translation>Añadir una columna al nombre</translation>
    </message>
    <message>
        <source>Add a column to the company</source>
        <translation>Añadir una columna a la empresa</translation>
    </message>
    <message>
        <source>Add a column to the street</source>
        <translation>Añadir una columna a la calle</translation>
    </message>
    <message>
        <source>Add a column to the extra line</source>
        <translation>Añadir una columna a la línea adicional</translation>
    </message>
    <message>
        <source>Add a column to the city</source>
        <translation>Añadir una columna a la ciudad</translation>
    </message>
    <message>
        <source>Add a column to the region</source>
        <translation>Añadir una columna a la región</translation>
    </message>
    <message>
        <source>Add a column to the postal code</source>
        <translation>Añadir una columna al código postal</translation>
    </message>
    <message>
        <source>Add a column to the country</source>
        <translation>Añadir una columna al país</translation>
    </message>
    <message>
        <source>The columns of %1 are not known. Choose the column that holds each part of the address; &quot;+&quot; adds another column to a part, such as the last name after the first. The choice is remembered for files with the same columns.</source>
        <translation>No se conocen las columnas de %1. Elija la columna que contiene cada parte de la dirección; «+» añade otra columna a una parte, como el apellido tras el nombre. La elección se recuerda para los archivos con las mismas columnas.</translation>
    </message>
</context>
<context>
    <name>zentrope::IniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>zentrope::JobFollowUp</name>
    <message>
        <source>The printer %1 refused the job: %2</source>
        <translation>La impresora %1 rechazó el trabajo: %2</translation>
    </message>
</context>
<context>
    <name>zentrope::LengthUnit</name>
    <message>
        <source>mm</source>
        <comment>unit symbol of millimetres</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>in</source>
        <comment>unit symbol of inches</comment>
        <translation>pulg.</translation>
    </message>
</context>
<context>
    <name>zentrope::MessageDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
</context>
<context>
    <name>zentrope::Metafile</name>
    <message>
        <source>Metafile is not valid.</source>
        <translation>El metarchivo no es válido.</translation>
    </message>
</context>
<context>
    <name>zentrope::NameDialog</name>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>zentrope::PictureReader</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Bitmap image is not valid.</source>
        <translation>La imagen de mapa de bits no es válida.</translation>
    </message>
    <message>
        <source>Icon image is not valid.</source>
        <translation>El icono no es válido.</translation>
    </message>
</context>
<context>
    <name>zentrope::PrintChoices</name>
    <message>
        <source>There is no address to print.</source>
        <translation>No hay ninguna dirección que imprimir.</translation>
    </message>
</context>
<context>
    <name>zentrope::PrintPreviewWindow</name>
    <message>
        <source>landscape</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>%1, %2, %3 dpi</source>
        <translation>%1, %2, %3 ppp</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the envelopes</source>
        <translation>Imprimir los sobres</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Número de página</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar página</translation>
    </message>
    <message>
        <source>Show whole pages</source>
        <translation>Mostrar páginas completas</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar ancho</translation>
    </message>
    <message>
        <source>Fit the page&apos;s width to the window</source>
        <translation>Ajustar el ancho de la página a la ventana</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>Show the paper at its real size</source>
        <translation>Mostrar el papel a su tamaño real</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar la vista</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir la vista</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Close the preview</source>
        <translation>Cerrar la vista previa</translation>
    </message>
    <message>
        <source> of %1 </source>
        <translation> de %1 </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Envelope preview</source>
        <translation>Vista previa del sobre</translation>
    </message>
</context>
<context>
    <name>zentrope::PrintSetupDialog</name>
    <message>
        <source>Ready</source>
        <translation>Preparada</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenida</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Borde largo</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Borde corto</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Monochrome</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation>&amp;Doble cara:</translation>
    </message>
    <message>
        <source>Co&amp;lour:</source>
        <translation>&amp;Color:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>L&amp;andscape</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La impresora seleccionada no es válida</translation>
    </message>
    <message>
        <source>Envelope &amp;Feed...</source>
        <translation>&amp;Alimentación de sobres...</translation>
    </message>
</context>
<context>
    <name>zentrope::PrinterDevice</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La impresora seleccionada no es válida</translation>
    </message>
    <message>
        <source>Printer index out of range</source>
        <translation>Índice de impresora fuera de rango</translation>
    </message>
    <message>
        <source>Cannot change the printer while printing</source>
        <translation>No se puede cambiar de impresora mientras se imprime</translation>
    </message>
    <message>
        <source>Cannot change the printer settings while printing</source>
        <translation>No se puede cambiar la configuración de la impresora mientras se imprime</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Impresión en curso</translation>
    </message>
    <message>
        <source>Unable to start printing on %1</source>
        <translation>No se puede iniciar la impresión en %1</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>La impresora no está imprimiendo</translation>
    </message>
    <message>
        <source>Unable to start a new page on %1</source>
        <translation>No se puede empezar una página nueva en %1</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>La impresión en %1 ha fallado</translation>
    </message>
    <message>
        <source>No printer is installed. Install a printer, then try again.</source>
        <translation>No hay ninguna impresora instalada. Instale una impresora y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>zentrope::QueueMedia</name>
    <message>
        <source>This printer&apos;s driver offers no long-edge envelope size</source>
        <translation>El controlador de esta impresora no ofrece ningún tamaño de sobre con el borde largo primero</translation>
    </message>
    <message>
        <source>Printer &quot;%1&quot; cannot take a sheet of %2 long edge first. Feed the envelope short edge first (Envelope Feed).</source>
        <translation>La impresora «%1» no puede tomar una hoja de %2 con el borde largo primero. Introduzca el sobre con el borde corto primero (Alimentación de sobres).</translation>
    </message>
    <message>
        <source>Printer &quot;%1&quot; has no paper of %2 and takes no custom size that large, so the envelope would be printed on other paper. Choose another envelope size or printer.</source>
        <translation>La impresora «%1» no tiene papel de %2 ni acepta un tamaño personalizado tan grande, así que el sobre se imprimiría en otro papel. Elija otro tamaño de sobre u otra impresora.</translation>
    </message>
</context>
<context>
    <name>zentrope::ScriptCommand</name>
    <message>
        <source>Writes envelopes to a PDF file or prints them, without a window.
Empty lines separate the addresses, one envelope each.</source>
        <translation>Escribe sobres en un archivo PDF o los imprime, sin ventana.
Las líneas vacías separan las direcciones, un sobre cada una.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Show the versions of Zentrope and Qt.</source>
        <translation>Mostrar las versiones de Zentrope y Qt.</translation>
    </message>
    <message>
        <source>Write the envelopes to a PDF file, one page each.</source>
        <translation>Escribir los sobres en un PDF, uno por página.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>Print as Print Envelope does, without a dialog.</source>
        <translation>Imprimir como «Imprimir sobre», sin diálogo.</translation>
    </message>
    <message>
        <source>With --print: the printer (else the one used last).</source>
        <translation>Con --print: la impresora (si no, la última).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>With --print: copies of each envelope, 1 to 999.</source>
        <translation>Con --print: copias de cada sobre, de 1 a 999.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>With --print: the envelopes to print, e.g. 1,3-5.</source>
        <translation>Con --print: sobres que imprimir, p. ej. 1,3-5.</translation>
    </message>
    <message>
        <source>list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>The return address of this name; &quot;&quot; for none.</source>
        <translation>El remitente con este nombre; &quot;&quot; para ninguno.</translation>
    </message>
    <message>
        <source>Print no postal bar code.</source>
        <translation>No imprimir el código de barras postal.</translation>
    </message>
    <message>
        <source>Read the settings from this file (never written).</source>
        <translation>Configuración de este archivo (solo se lee).</translation>
    </message>
    <message>
        <source>The address file; - or none reads standard input.</source>
        <translation>Direcciones a leer; - o ninguno: entrada estándar.</translation>
    </message>
    <message>
        <source>[file|-]</source>
        <translation>[archivo|-]</translation>
    </message>
    <message>
        <source>Usage: zentrope --pdf OUT.pdf [options] [file|-]
       zentrope --print [options] [file|-]
</source>
        <translation>Uso: zentrope --pdf SALIDA.pdf [opciones] [archivo|-]
     zentrope --print [opciones] [archivo|-]
</translation>
    </message>
    <message>
        <source>Give either --pdf FILE or --print (see --help).</source>
        <translation>Indique --pdf ARCHIVO o --print (vea --help).</translation>
    </message>
    <message>
        <source>--pdf needs the name of the PDF file.</source>
        <translation>--pdf necesita el nombre del archivo PDF.</translation>
    </message>
    <message>
        <source>--%1 goes with --print, not with --pdf.</source>
        <translation>--%1 va con --print, no con --pdf.</translation>
    </message>
    <message>
        <source>One address file at most, not %1 (a file named --x is ./--x).</source>
        <translation>Como mucho un archivo de direcciones, no %1 (un archivo llamado --x es ./--x).</translation>
    </message>
    <message>
        <source>The address file has an empty name.</source>
        <translation>El archivo de direcciones tiene un nombre vacío.</translation>
    </message>
    <message>
        <source>--printer needs the name of a printer.</source>
        <translation>--printer necesita el nombre de una impresora.</translation>
    </message>
    <message>
        <source>--copies %1: give a number from 1 to %2.</source>
        <translation>--copies %1: indique un número del 1 al %2.</translation>
    </message>
    <message>
        <source>--pages %1: give envelope numbers and ranges such as 1,3-5.</source>
        <translation>--pages %1: indique números de sobre e intervalos, como 1,3-5.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings necesita el nombre de un archivo de configuración.</translation>
    </message>
    <message>
        <source>Take every contact with an address from a vCard or CSV file.</source>
        <translation>Tomar todos los contactos con dirección de un archivo vCard o CSV.</translation>
    </message>
    <message>
        <source>--import needs the name of a vCard or CSV file.</source>
        <translation>--import necesita el nombre de un archivo vCard o CSV.</translation>
    </message>
    <message>
        <source>Give an address file or --import, not both.</source>
        <translation>Indique un archivo de direcciones o --import, no ambos.</translation>
    </message>
    <message>
        <source>The envelope size of this name, or a standard one by its short or PWG name (DL, &quot;US #10&quot;, iso_c5_162x229mm); in any letter case.</source>
        <translation>El tamaño de sobre con este nombre, o uno estándar por su nombre corto o PWG (DL, &quot;US #10&quot;, iso_c5_162x229mm); en mayúsculas o minúsculas.</translation>
    </message>
</context>
<context>
    <name>zentrope::ScriptRun</name>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>Cannot read standard input.</source>
        <translation>No se puede leer la entrada estándar.</translation>
    </message>
    <message>
        <source>Cannot find file &quot;%1&quot;.</source>
        <translation>No se encuentra el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No envelope size is chosen in %1.</source>
        <translation>No hay ningún tamaño de sobre elegido en %1.</translation>
    </message>
    <message>
        <source>--return-address: no return address &quot;%1&quot; in %2.</source>
        <translation>--return-address: no hay ningún remitente &quot;%1&quot; en %2.</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>advertencia: %1: %2</translation>
    </message>
    <message>
        <source>--pages %1: the addresses make %2 envelopes.</source>
        <translation>--pages %1: las direcciones dan %2 sobres.</translation>
    </message>
    <message>
        <source>There is no printer &quot;%1&quot;.</source>
        <translation>No existe la impresora &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the columns of this CSV file are unknown; import it once in the window to choose them.</source>
        <translation>las columnas de este archivo CSV son desconocidas; impórtelo una vez en la ventana para elegirlas.</translation>
    </message>
    <message>
        <source>--size: no envelope size &quot;%1&quot; in %2. Accepted, in any letter case: %3; the standard sizes %4.</source>
        <translation>--size: no hay ningún tamaño de sobre &quot;%1&quot; en %2. Se aceptan, en mayúsculas o minúsculas: %3; los tamaños estándar %4.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>&quot;%1&quot; no es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgAbout</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>for Windows 95</source>
        <translation>para Windows 95</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgEnvelopeSizes</name>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>Define Envelope Sizes</source>
        <translation>Definir tamaños de sobre</translation>
    </message>
    <message>
        <source>Envelopes</source>
        <translation>Sobres</translation>
    </message>
    <message>
        <source>This is the list of envelopes that you can choose from.</source>
        <translation>Esta es la lista de sobres entre los que puede elegir.</translation>
    </message>
    <message>
        <source>Default Envelope Size</source>
        <translation>Tamaño de sobre predeterminado</translation>
    </message>
    <message>
        <source>This envelope is selected when Zentrope starts.</source>
        <translation>Este sobre se selecciona al iniciar Zentrope.</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Sangría</translation>
    </message>
    <message>
        <source>Return Address Graphic Size</source>
        <translation>Tamaño de la imagen del remitente</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>The unit of the envelope and graphic sizes</source>
        <translation>La unidad de los tamaños de sobre y de imagen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Click here to define the highlighed envelope as the default.</source>
        <translation>Haga clic aquí para que el sobre seleccionado sea el predeterminado.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Dimensions for &quot;%1&quot;</source>
        <translation>Medidas de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Add Envelope Size</source>
        <translation>Añadir tamaño de sobre</translation>
    </message>
    <message>
        <source>Rename Envelope Size</source>
        <translation>Renombrar tamaño de sobre</translation>
    </message>
    <message>
        <source>Do you want to delete envelope &quot;%1&quot;</source>
        <translation>¿Desea eliminar el sobre &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Width in %1</source>
        <translation>Anchura en %1</translation>
    </message>
    <message>
        <source>Height in %1</source>
        <translation>Altura en %1</translation>
    </message>
    <message>
        <source>Indent in %1</source>
        <translation>Sangría en %1</translation>
    </message>
    <message>
        <source>Width of return address graphic in %1</source>
        <translation>Anchura de la imagen del remitente en %1</translation>
    </message>
    <message>
        <source>Height of return address graphic in %1</source>
        <translation>Altura de la imagen del remitente en %1</translation>
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
        <source>Graphic width</source>
        <translation>Ancho del gráfico</translation>
    </message>
    <message>
        <source>Graphic height</source>
        <translation>Alto del gráfico</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgNewEnvelopeSize</name>
    <message>
        <source>New Envelope Size</source>
        <translation>Nuevo tamaño de sobre</translation>
    </message>
    <message>
        <source>Enter a description for the envelope</source>
        <translation>Escriba una descripción del sobre</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Choose a standard envelope to fill in its name and size</source>
        <translation>Elija un sobre normalizado para rellenar su nombre y tamaño</translation>
    </message>
    <message>
        <source>Blank size</source>
        <translation>Tamaño en blanco</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgNewReturnAddress</name>
    <message>
        <source>New Return Address</source>
        <translation>Nuevo remitente</translation>
    </message>
    <message>
        <source>Enter a description for the return address.</source>
        <translation>Escriba una descripción del remitente.</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgReturnAddresses</name>
    <message>
        <source>Define Return Addresses</source>
        <translation>Definir remitentes</translation>
    </message>
    <message>
        <source>Return Addresses</source>
        <translation>Remitentes</translation>
    </message>
    <message>
        <source>These are the return addresses that have been defined.</source>
        <translation>Estos son los remitentes definidos.</translation>
    </message>
    <message>
        <source>Default Return Address</source>
        <translation>Remitente predeterminado</translation>
    </message>
    <message>
        <source>This is the return address selected when Zentrope starts.</source>
        <translation>Este remitente se selecciona al iniciar Zentrope.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>This is the return address for the description highlighted on the left.</source>
        <translation>Esta es la dirección del remitente de la descripción seleccionada a la izquierda.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Click here to add a new return address.</source>
        <translation>Haga clic aquí para añadir un remitente.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Click here to change the description for the highlighted return address.</source>
        <translation>Haga clic aquí para cambiar la descripción del remitente seleccionado.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Click here to remove the highlighted return address.</source>
        <translation>Haga clic aquí para quitar el remitente seleccionado.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Click here to change the default return address</source>
        <translation>Haga clic aquí para cambiar el remitente predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Return address for &quot;%1&quot;</source>
        <translation>Dirección del remitente &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Add Return Address</source>
        <translation>Añadir remitente</translation>
    </message>
    <message>
        <source>Rename Return Address</source>
        <translation>Renombrar remitente</translation>
    </message>
    <message>
        <source>Do you want to delete address &quot;%1&quot;</source>
        <translation>¿Desea eliminar la dirección &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>zentrope::TFormPrintStatus</name>
    <message>
        <source>Zentrope is printing...</source>
        <translation>Zentrope está imprimiendo...</translation>
    </message>
    <message>
        <source>Copy X of Envelope X</source>
        <translation>Copia X del sobre X</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Copy %1 of Envelope %2</source>
        <translation>Copia %1 del sobre %2</translation>
    </message>
</context>
<context>
    <name>zentrope::TFormStampMain</name>
    <message>
        <source>Start a new envelope</source>
        <translation>Empezar un sobre nuevo</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Abrir un archivo</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Guardar el archivo actual</translation>
    </message>
    <message>
        <source>Cut selected text to clipboard</source>
        <translation>Cortar el texto seleccionado al portapapeles</translation>
    </message>
    <message>
        <source>Copy selected text to clipboard</source>
        <translation>Copiar el texto seleccionado al portapapeles</translation>
    </message>
    <message>
        <source>Paste text from clipboard</source>
        <translation>Pegar texto del portapapeles</translation>
    </message>
    <message>
        <source>Print envelope</source>
        <translation>Imprimir sobre</translation>
    </message>
    <message>
        <source>Change return addresses</source>
        <translation>Cambiar remitentes</translation>
    </message>
    <message>
        <source>Current return address</source>
        <translation>Remitente actual</translation>
    </message>
    <message>
        <source>Change envelope sizes</source>
        <translation>Cambiar tamaños de sobre</translation>
    </message>
    <message>
        <source>Current envelope size</source>
        <translation>Tamaño de sobre actual</translation>
    </message>
    <message>
        <source>Current font</source>
        <translation>Fuente actual</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold button</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>negrita</translation>
    </message>
    <message>
        <source>i</source>
        <comment>italic button</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>cursiva</translation>
    </message>
    <message>
        <source>U</source>
        <comment>underline button</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>subrayado</translation>
    </message>
    <message>
        <source>Graphic (right click for options)</source>
        <translation>Imagen (clic derecho para ver opciones)</translation>
    </message>
    <message>
        <source>Return Address (right click for options)</source>
        <translation>Remitente (clic derecho para ver opciones)</translation>
    </message>
    <message>
        <source>Postal Bar Code</source>
        <translation>Código de barras postal</translation>
    </message>
    <message>
        <source>Destination Address (right click for options)</source>
        <translation>Dirección del destinatario (clic derecho para ver opciones)</translation>
    </message>
    <message>
        <source>Click here to print an envelope.</source>
        <translation>Haga clic aquí para imprimir un sobre.</translation>
    </message>
    <message>
        <source> Modified</source>
        <translation> Cambiado</translation>
    </message>
    <message>
        <source>Indicates if the file was modified since it was last saved.</source>
        <translation>Indica si el archivo se ha modificado desde que se guardó por última vez.</translation>
    </message>
    <message>
        <source> Address</source>
        <translation> Dirección</translation>
    </message>
    <message>
        <source>Indicates which address is selected for formatting</source>
        <translation>Indica qué dirección está seleccionada para darle formato</translation>
    </message>
    <message>
        <source> Hint</source>
        <translation> Sugerencia</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Open a new Zentrope file</source>
        <translation>Abrir un archivo nuevo de Zentrope</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open an existing Zentrope or text file</source>
        <translation>Abrir un archivo existente de Zentrope o de texto</translation>
    </message>
    <message>
        <source>&amp;Import Addresses...</source>
        <translation>&amp;Importar direcciones...</translation>
    </message>
    <message>
        <source>Add envelopes for contacts from a vCard or CSV file</source>
        <translation>Añadir sobres para los contactos de un archivo vCard o CSV</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the current file</source>
        <translation>Guardar el archivo actual</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the current file with a new name</source>
        <translation>Guardar el archivo actual con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Close the current address file.</source>
        <translation>Cerrar el archivo de direcciones actual.</translation>
    </message>
    <message>
        <source>&amp;Print Envelope...</source>
        <translation>Im&amp;primir sobre...</translation>
    </message>
    <message>
        <source>Print an envelope</source>
        <translation>Imprimir un sobre</translation>
    </message>
    <message>
        <source>Print &amp;Test Envelope...</source>
        <translation>Imprimir sobre de prue&amp;ba...</translation>
    </message>
    <message>
        <source>Print an envelope with a border to help configure the printer.</source>
        <translation>Imprimir un sobre con un marco para ayudar a configurar la impresora.</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configu&amp;rar impresora...</translation>
    </message>
    <message>
        <source>Setup the printer</source>
        <translation>Configurar la impresora</translation>
    </message>
    <message>
        <source>Save the envelopes as a PDF file</source>
        <translation>Guardar los sobres como archivo PDF</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the current selection to the clipboard.</source>
        <translation>Cortar la selección al portapapeles.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the current selection to the clipboard</source>
        <translation>Copiar la selección al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste text from the clipboard</source>
        <translation>Pegar texto del portapapeles</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete the selected text</source>
        <translation>Eliminar el texto seleccionado</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>Clear the current address</source>
        <translation>Vaciar la dirección actual</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>Select all text</source>
        <translation>Seleccionar todo el texto</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Return Addresses...</source>
        <translation>&amp;Remitentes...</translation>
    </message>
    <message>
        <source>Define the list of return addresses</source>
        <translation>Definir la lista de remitentes</translation>
    </message>
    <message>
        <source>&amp;Envelope Sizes...</source>
        <translation>&amp;Tamaños de sobre...</translation>
    </message>
    <message>
        <source>Define the list of envelopes</source>
        <translation>Definir la lista de sobres</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <translation>&amp;Fuentes</translation>
    </message>
    <message>
        <source>&amp;Return Address...</source>
        <translation>&amp;Remitente...</translation>
    </message>
    <message>
        <source>Change the font of the return address</source>
        <translation>Cambiar la fuente del remitente</translation>
    </message>
    <message>
        <source>&amp;Destination Address...</source>
        <translation>&amp;Destinatario...</translation>
    </message>
    <message>
        <source>Change the font of the address</source>
        <translation>Cambiar la fuente de la dirección</translation>
    </message>
    <message>
        <source>&amp;Select Graphic...</source>
        <translation>&amp;Seleccionar imagen...</translation>
    </message>
    <message>
        <source>Select a graphic for the upper left corner of the envelope</source>
        <translation>Seleccionar una imagen para la esquina superior izquierda del sobre</translation>
    </message>
    <message>
        <source>&amp;Update Graphic</source>
        <translation>&amp;Actualizar imagen</translation>
    </message>
    <message>
        <source>Read the graphic from disk again</source>
        <translation>Volver a leer la imagen del disco</translation>
    </message>
    <message>
        <source>&amp;Clear Graphic</source>
        <translation>&amp;Quitar imagen</translation>
    </message>
    <message>
        <source>Remove the graphic from the envelope</source>
        <translation>Quitar la imagen del sobre</translation>
    </message>
    <message>
        <source>Edit &amp;Graphic...</source>
        <translation>&amp;Editar imagen...</translation>
    </message>
    <message>
        <source>Edit the graphic</source>
        <translation>Editar la imagen</translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation>&amp;Mostrar sugerencias</translation>
    </message>
    <message>
        <source>Check this to show popup hints</source>
        <translation>Marque esta opción para mostrar sugerencias emergentes</translation>
    </message>
    <message>
        <source>&amp;Print Postal Bar Code</source>
        <translation>Imprimir código de &amp;barras postal</translation>
    </message>
    <message>
        <source>Check this box to print the postal bar code on the letter</source>
        <translation>Marque esta casilla para imprimir el código de barras postal en la carta</translation>
    </message>
    <message>
        <source>Show Font Toolbar</source>
        <translation>Mostrar barra de fuentes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Introducción</translation>
    </message>
    <message>
        <source>Topic &amp;Search...</source>
        <translation>&amp;Buscar un tema...</translation>
    </message>
    <message>
        <source>S&amp;upport</source>
        <translation>&amp;Soporte técnico</translation>
    </message>
    <message>
        <source>&amp;Warranty</source>
        <translation>&amp;Garantía</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licencia</translation>
    </message>
    <message>
        <source>&amp;Product Information</source>
        <translation>Información del &amp;producto</translation>
    </message>
    <message>
        <source>&amp;About Zentrope...</source>
        <translation>&amp;Acerca de Zentrope...</translation>
    </message>
    <message>
        <source>Edit Return Addresses...</source>
        <translation>Editar remitentes...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Fuente...</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seleccionar...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Zentrope files (*.ENV *.env)</source>
        <translation>Archivos de Zentrope (*.ENV *.env)</translation>
    </message>
    <message>
        <source>Text files (*.TXT *.txt)</source>
        <translation>Archivos de texto (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open Zentrope File</source>
        <translation>Abrir archivo de Zentrope</translation>
    </message>
    <message>
        <source>Zentrope file (*.ENV *.env)</source>
        <translation>Archivo de Zentrope (*.ENV *.env)</translation>
    </message>
    <message>
        <source>Text file (*.TXT *.txt)</source>
        <translation>Archivo de texto (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Graphic (BMP, ICO, WMF) (*.[bB][mM][pP] *.[iI][cC][oO] *.[wW][mM][fF])</source>
        <translation>Imagen (BMP, ICO, WMF) (*.[bB][mM][pP] *.[iI][cC][oO] *.[wW][mM][fF])</translation>
    </message>
    <message>
        <source>Select Return Address Bitmap</source>
        <translation>Seleccionar imagen del remitente</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Bold on/off for return address</source>
        <translation>Negrita sí/no para el remitente</translation>
    </message>
    <message>
        <source>Bold on/off for destination address</source>
        <translation>Negrita sí/no para el destinatario</translation>
    </message>
    <message>
        <source>Italics on/off for return address</source>
        <translation>Cursiva sí/no para el remitente</translation>
    </message>
    <message>
        <source>Italics on/off for destination address</source>
        <translation>Cursiva sí/no para el destinatario</translation>
    </message>
    <message>
        <source>Underline on/off for return address</source>
        <translation>Subrayado sí/no para el remitente</translation>
    </message>
    <message>
        <source>Underline on/off for destination address</source>
        <translation>Subrayado sí/no para el destinatario</translation>
    </message>
    <message>
        <source>Font for return address</source>
        <translation>Fuente del remitente</translation>
    </message>
    <message>
        <source>Font for destination address</source>
        <translation>Fuente del destinatario</translation>
    </message>
    <message>
        <source>Font size for return address</source>
        <translation>Tamaño de fuente del remitente</translation>
    </message>
    <message>
        <source>Font size for destination address</source>
        <translation>Tamaño de fuente del destinatario</translation>
    </message>
    <message>
        <source> Return</source>
        <translation> Remitente</translation>
    </message>
    <message>
        <source> Destination</source>
        <translation> Destinatario</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>&amp;Recent files:</source>
        <translation>Archivos &amp;recientes:</translation>
    </message>
    <message>
        <source>Read &amp;only</source>
        <translation>Solo &amp;lectura</translation>
    </message>
    <message>
        <source>Envelope %1 does not fit the envelope size.</source>
        <translation>El sobre %1 no cabe en el tamaño de sobre.</translation>
    </message>
    <message>
        <source>Contacts (vCard, CSV) (*.[vV][cC][fF] *.[vV][cC][aA][rR][dD] *.[cC][sS][vV])</source>
        <translation>Contactos (vCard, CSV) (*.[vV][cC][fF] *.[vV][cC][aA][rR][dD] *.[cC][sS][vV])</translation>
    </message>
    <message>
        <source>Import Addresses</source>
        <translation>Importar direcciones</translation>
    </message>
    <message>
        <source>%1 holds no contacts.</source>
        <translation>%1 no contiene ningún contacto.</translation>
    </message>
    <message>
        <source>No envelope size is chosen.</source>
        <translation>No hay ningún tamaño de sobre elegido.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf *.PDF)</source>
        <translation>Archivos PDF (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>Envelopes</source>
        <comment>the PDF file&apos;s name when there is no address file</comment>
        <translation>Sobres</translation>
    </message>
    <message>
        <source>%1 files were selected, but Zentrope will only open the first one.</source>
        <translation>Se han seleccionado %1 archivos, pero Zentrope solo abrirá el primero.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>No se puede crear el archivo %1.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Show the envelopes as they will be printed</source>
        <translation>Mostrar los sobres tal como se imprimirán</translation>
    </message>
    <message>
        <source>Print A&amp;lignment Test...</source>
        <translation>Imprimir prueba de a&amp;lineación...</translation>
    </message>
    <message>
        <source>Print rulers and marks to read how far the printing is off on the envelope</source>
        <translation>Imprimir reglas y marcas para medir cuánto se desvía la impresión en el sobre</translation>
    </message>
    <message>
        <source>Envelope Fee&amp;d...</source>
        <translation>Alimentación &amp;de sobres...</translation>
    </message>
    <message>
        <source>Set how the current printer takes envelopes</source>
        <translation>Establecer cómo toma los sobres la impresora actual</translation>
    </message>
    <message>
        <source>The printer %1 is no longer installed. Nothing was printed.</source>
        <translation>La impresora %1 ya no está instalada. No se imprimió nada.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de fuente</translation>
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
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>&amp;Destination address</source>
        <translation>&amp;Dirección del destinatario</translation>
    </message>
    <message>
        <source>&amp;Return address</source>
        <translation>&amp;Remitente</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>E&amp;xportar como PDF...</translation>
    </message>
</context>
</TS>
