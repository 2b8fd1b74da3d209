<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>zentrope::AddressFile</name>
    <message>
        <source>Text exceeds memo capacity.</source>
        <translation>Der Text ist zu lang für das Adressfeld.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Die Datei %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Stream write error.</source>
        <translation>Fehler beim Schreiben.</translation>
    </message>
</context>
<context>
    <name>zentrope::AddressFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olivgrün</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
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
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>Address: middle, 1 in above the bottom</source>
        <translation>Adresse: Mitte, 1 Zoll über dem unteren Rand</translation>
    </message>
    <message>
        <source>Zentrope alignment test</source>
        <translation>Zentrope-Ausrichtungstest</translation>
    </message>
</context>
<context>
    <name>zentrope::Contact</name>
    <message>
        <source>Home</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
</context>
<context>
    <name>zentrope::ContactImport</name>
    <message>
        <source>%1 is neither a vCard nor a CSV file.</source>
        <translation>%1 ist weder eine vCard- noch eine CSV-Datei.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Contacts read: %1.</source>
        <translation>Gelesene Kontakte: %1.</translation>
    </message>
    <message>
        <source>%1 not closed</source>
        <translation>%1 nicht abgeschlossen</translation>
    </message>
    <message>
        <source>%1 with a quote not closed</source>
        <translation>%1 mit nicht geschlossenem Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 with more cells than the header</source>
        <translation>%1 mit mehr Zellen als die Kopfzeile</translation>
    </message>
    <message>
        <source>%1 without a name or an address</source>
        <translation>%1 ohne Namen und Anschrift</translation>
    </message>
    <message>
        <source>%1 after the first %2</source>
        <translation>%1 nach den ersten %2</translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation>Übersprungen: %1.</translation>
    </message>
    <message>
        <source>Damaged lines passed over: %1.</source>
        <translation>Übergangene beschädigte Zeilen: %1.</translation>
    </message>
</context>
<context>
    <name>zentrope::ContactPickerModel</name>
    <message>
        <source>No postal address</source>
        <translation>Keine Postanschrift</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Address used</source>
        <translation>Verwendete Adresse</translation>
    </message>
    <message>
        <source>No organization</source>
        <translation>Keine Organisation</translation>
    </message>
</context>
<context>
    <name>zentrope::CupsJob</name>
    <message>
        <source>Printing on %1 failed: %2</source>
        <translation>Der Druck auf %1 ist fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>zentrope::EnvelopeComposer</name>
    <message>
        <source>File &quot;%1&quot; is marked read-only. Save changes in a new file.</source>
        <translation>Die Datei „%1“ ist schreibgeschützt. Speichern Sie die Änderungen in einer neuen Datei.</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity.</source>
        <translation>Der Text ist zu lang für das Adressfeld.</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Save changes to envelope file &quot;%1&quot;?</source>
        <translation>Änderungen an der Umschlagdatei „%1“ speichern?</translation>
    </message>
    <message>
        <source>Cannot find file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>No envelope size is chosen.</source>
        <translation>Es ist keine Umschlaggröße gewählt.</translation>
    </message>
</context>
<context>
    <name>zentrope::EnvelopeFeedDialog</name>
    <message>
        <source>Envelope Feed</source>
        <translation>Umschlagzufuhr</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Drucker: %1</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>&amp;Printer paper (the size&apos;s indent places the envelope)</source>
        <translation>&amp;Druckerpapier (der Einzug der Umschlaggröße bestimmt die Lage)</translation>
    </message>
    <message>
        <source>&amp;Envelope (each page is the envelope)</source>
        <translation>&amp;Umschlag (jede Seite ist der Umschlag)</translation>
    </message>
    <message>
        <source>Print on the paper chosen in Print Setup, as without a profile</source>
        <translation>Auf das in der Druckeinrichtung gewählte Papier drucken, wie ohne Profil</translation>
    </message>
    <message>
        <source>Send pages of the envelope&apos;s own size</source>
        <translation>Seiten in der Größe des Umschlags senden</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Zufuhr</translation>
    </message>
    <message>
        <source>&amp;Long edge first</source>
        <translation>L&amp;ange Kante zuerst</translation>
    </message>
    <message>
        <source>&amp;Short edge first</source>
        <translation>&amp;Kurze Kante zuerst</translation>
    </message>
    <message>
        <source>Le&amp;ft</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>Ce&amp;ntred</source>
        <translation>&amp;Mitte</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>Where the envelope lies across the tray, seen from the front</source>
        <translation>Wo der Umschlag quer im Fach liegt, von vorn gesehen</translation>
    </message>
    <message>
        <source>&amp;Turned 180° (flap or left end first)</source>
        <translation>Um 180° &amp;gedreht (Klappe oder linkes Ende zuerst)</translation>
    </message>
    <message>
        <source>Face &amp;down (the printer prints on the underside)</source>
        <translation>&amp;Vorderseite nach unten (der Drucker bedruckt die Unterseite)</translation>
    </message>
    <message>
        <source>How to put the envelope in: the printer&apos;s slot is at the top</source>
        <translation>So legen Sie den Umschlag ein: oben ist der Einzugsschacht des Druckers</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>Moves everything printed to the right (negative: to the left)</source>
        <translation>Verschiebt alles Gedruckte nach rechts (negativ: nach links)</translation>
    </message>
    <message>
        <source>Moves everything printed down (negative: up)</source>
        <translation>Verschiebt alles Gedruckte nach unten (negativ: nach oben)</translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation>&amp;Horizontal:</translation>
    </message>
    <message>
        <source>&amp;Vertical:</source>
        <translation>V&amp;ertikal:</translation>
    </message>
    <message>
        <source>So&amp;urce</source>
        <translation>&amp;Papierquelle</translation>
    </message>
    <message>
        <source>The tray or slot the printer takes envelopes from</source>
        <translation>Das Fach oder der Schacht, aus dem der Drucker die Umschläge nimmt</translation>
    </message>
    <message>
        <source>Printer&apos;s default</source>
        <translation>Druckervorgabe</translation>
    </message>
    <message>
        <source>The printer has this envelope&apos;s size (%1).</source>
        <translation>Der Drucker hat das Format dieses Umschlags (%1).</translation>
    </message>
    <message>
        <source>The printer takes this envelope&apos;s size as a custom size.</source>
        <translation>Der Drucker nimmt das Format dieses Umschlags als benutzerdefiniertes Format an.</translation>
    </message>
    <message>
        <source>The printer does not tell which sizes it takes.</source>
        <translation>Der Drucker gibt nicht an, welche Formate er annimmt.</translation>
    </message>
    <message>
        <source>This printer&apos;s driver offers no long-edge envelope size</source>
        <translation>Der Treiber dieses Druckers bietet kein Umschlagformat mit der langen Kante voran</translation>
    </message>
    <message>
        <source>The printer has no paper of this envelope&apos;s size (%1).</source>
        <translation>Der Drucker hat kein Papier im Format dieses Umschlags (%1).</translation>
    </message>
</context>
<context>
    <name>zentrope::EnvelopeJob</name>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Die Datei %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The envelope size has no width or height.</source>
        <translation>Die Umschlaggröße hat keine Breite oder Höhe.</translation>
    </message>
    <message>
        <source>Stream write error.</source>
        <translation>Fehler beim Schreiben.</translation>
    </message>
    <message>
        <source>Unable to start printing on %1</source>
        <translation>Der Druck auf %1 kann nicht begonnen werden</translation>
    </message>
    <message>
        <source>Unable to start a new page on %1</source>
        <translation>Auf %1 kann keine neue Seite begonnen werden</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>Der Druck auf %1 ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>zentrope::FeedGeometry</name>
    <message>
        <source>The envelope size has no width or height.</source>
        <translation>Die Umschlaggröße hat keine Breite oder Höhe.</translation>
    </message>
</context>
<context>
    <name>zentrope::FeedPicture</name>
    <message>
        <source>Face down</source>
        <translation>Vorderseite nach unten</translation>
    </message>
    <message>
        <source>Face up</source>
        <translation>Vorderseite nach oben</translation>
    </message>
</context>
<context>
    <name>zentrope::FileType</name>
    <message>
        <source>Envelope Printer</source>
        <translation>Briefumschlagdruck</translation>
    </message>
    <message>
        <source>Zentrope Envelope</source>
        <translation>Zentrope-Briefumschlag</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Print Envelope</source>
        <translation>Umschlag drucken</translation>
    </message>
</context>
<context>
    <name>zentrope::Guard</name>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>zentrope::HelpWindow</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Topic not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h1&gt;Topic not found&lt;/h1&gt;&lt;p&gt;This manual has no page for help topic %1.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;Contents&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Thema nicht gefunden&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h1&gt;Thema nicht gefunden&lt;/h1&gt;&lt;p&gt;Dieses Handbuch hat keine Seite für das Hilfethema %1.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;Inhalt&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Zentrope Help</source>
        <translation>Zentrope-Hilfe</translation>
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
        <source>&amp;Search for:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Words to look for</source>
        <translation>Gesuchte Wörter</translation>
    </message>
    <message>
        <source>Zentrope Help - %1</source>
        <translation>Zentrope-Hilfe - %1</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Hilfethema</translation>
    </message>
</context>
<context>
    <name>zentrope::ImportAddressesDialog</name>
    <message>
        <source>Import Addresses - %1</source>
        <translation>Adressen importieren - %1</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Name, organization or address</source>
        <translation>Name, Organisation oder Adresse</translation>
    </message>
    <message>
        <source>List only the contacts whose name, organization or address holds these words</source>
        <translation>Nur die Kontakte anzeigen, deren Name, Organisation oder Adresse diese Wörter enthält</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>Tick every contact listed</source>
        <translation>Alle angezeigten Kontakte ankreuzen</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>Untick every contact listed</source>
        <translation>Kreuze bei allen angezeigten Kontakten entfernen</translation>
    </message>
    <message>
        <source>Tick the contacts to add as envelopes; greyed contacts have no postal address</source>
        <translation>Kreuzen Sie die Kontakte an, für die Umschläge hinzukommen sollen; grau dargestellte Kontakte haben keine Postanschrift</translation>
    </message>
    <message>
        <source>A&amp;ddress used:</source>
        <translation>Verwendete A&amp;dresse:</translation>
    </message>
    <message>
        <source>The address the highlighted contact&apos;s envelope is written to</source>
        <translation>Die Adresse, an die der Umschlag des markierten Kontakts geht</translation>
    </message>
    <message>
        <source>Sent &amp;from:</source>
        <translation>Auf&amp;gegeben in:</translation>
    </message>
    <message>
        <source>The country the envelopes are posted in; it is left off the addresses</source>
        <translation>Das Land, in dem die Umschläge aufgegeben werden; es entfällt in den Adressen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1 of %2 contacts listed.</source>
        <translation>%1 von %2 Kontakten angezeigt.</translation>
    </message>
    <message>
        <source>No contact has a postal address.</source>
        <translation>Kein Kontakt hat eine Postanschrift.</translation>
    </message>
    <message>
        <source>1 envelope to add.</source>
        <translation>1 Umschlag wird hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 envelopes to add.</source>
        <translation>%1 Umschläge werden hinzugefügt.</translation>
    </message>
    <message>
        <source>&amp;Character set:</source>
        <translation>&amp;Zeichensatz:</translation>
    </message>
    <message>
        <source>Automatic (UTF-8, UTF-16 or Windows-1252)</source>
        <translation>Automatisch (UTF-8, UTF-16 oder Windows-1252)</translation>
    </message>
    <message>
        <source>The character set the CSV file is written in, when its letters look wrong</source>
        <translation>Der Zeichensatz, in dem die CSV-Datei geschrieben ist, wenn ihre Buchstaben falsch aussehen</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
</context>
<context>
    <name>zentrope::ImportColumnsDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Firma:</translation>
    </message>
    <message>
        <source>&amp;Street:</source>
        <translation>&amp;Straße:</translation>
    </message>
    <message>
        <source>&amp;Extra line:</source>
        <translation>&amp;Zusatzzeile:</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <source>&amp;Region:</source>
        <translation>&amp;Region:</translation>
    </message>
    <message>
        <source>&amp;Postal code:</source>
        <translation>&amp;Postleitzahl:</translation>
    </message>
    <message>
        <source>Co&amp;untry:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Import Columns</source>
        <translation>Spalten zuordnen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>The first contact&apos;s envelope, as these columns make it</source>
        <translation>Der Umschlag des ersten Kontakts, wie ihn diese Spalten ergeben</translation>
    </message>
    <message>
        <source>First envelope:</source>
        <translation>Erster Umschlag:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Add a column to the name</source>
        <translation>Dem Namen eine Spalte hinzufügen</translation>
    </message>
    <message>
        <source>Add a column to the company</source>
        <translation>Der Firma eine Spalte hinzufügen</translation>
    </message>
    <message>
        <source>Add a column to the street</source>
        <translation>Der Straße eine Spalte hinzufügen</translation>
    </message>
    <message>
        <source>Add a column to the extra line</source>
        <translation>Der Zusatzzeile eine Spalte hinzufügen</translation>
    </message>
    <message>
        <source>Add a column to the city</source>
        <translation>Dem Ort eine Spalte hinzufügen</translation>
    </message>
    <message>
        <source>Add a column to the region</source>
        <translation>Der Region eine Spalte hinzufügen</translation>
    </message>
    <message>
        <source>Add a column to the postal code</source>
        <translation>Der Postleitzahl eine Spalte hinzufügen</translation>
    </message>
    <message>
        <source>Add a column to the country</source>
        <translation>Dem Land eine Spalte hinzufügen</translation>
    </message>
    <message>
        <source>The columns of %1 are not known. Choose the column that holds each part of the address; &quot;+&quot; adds another column to a part, such as the last name after the first. The choice is remembered for files with the same columns.</source>
        <translation>Die Spalten von %1 sind nicht bekannt. Wählen Sie die Spalte, die jeden Teil der Anschrift enthält; „+“ fügt einem Teil eine weitere Spalte hinzu, etwa den Nachnamen nach dem Vornamen. Die Wahl wird für Dateien mit denselben Spalten gemerkt.</translation>
    </message>
</context>
<context>
    <name>zentrope::IniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>zentrope::JobFollowUp</name>
    <message>
        <source>The printer %1 refused the job: %2</source>
        <translation>Der Drucker %1 hat den Auftrag abgelehnt: %2</translation>
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
        <translation>Zoll</translation>
    </message>
</context>
<context>
    <name>zentrope::MessageDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>zentrope::Metafile</name>
    <message>
        <source>Metafile is not valid.</source>
        <translation>Die Metadatei ist ungültig.</translation>
    </message>
</context>
<context>
    <name>zentrope::NameDialog</name>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>zentrope::PictureReader</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Bitmap image is not valid.</source>
        <translation>Das Bitmap-Bild ist ungültig.</translation>
    </message>
    <message>
        <source>Icon image is not valid.</source>
        <translation>Das Symbolbild ist ungültig.</translation>
    </message>
</context>
<context>
    <name>zentrope::PrintChoices</name>
    <message>
        <source>There is no address to print.</source>
        <translation>Es gibt keine Adresse zum Drucken.</translation>
    </message>
</context>
<context>
    <name>zentrope::PrintPreviewWindow</name>
    <message>
        <source>landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>%1, %2, %3 dpi</source>
        <translation>%1, %2, %3 dpi</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>Print the envelopes</source>
        <translation>Die Umschläge drucken</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitennummer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Show whole pages</source>
        <translation>Ganze Seiten zeigen</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Fit the page&apos;s width to the window</source>
        <translation>Die Seitenbreite an das Fenster anpassen</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>Show the paper at its real size</source>
        <translation>Das Papier in Originalgröße zeigen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ansicht vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Ansicht verkleinern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the preview</source>
        <translation>Die Vorschau schließen</translation>
    </message>
    <message>
        <source> of %1 </source>
        <translation> von %1 </translation>
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
        <translation>Umschlagvorschau</translation>
    </message>
</context>
<context>
    <name>zentrope::PrintSetupDialog</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Druckt</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckeinrichtung</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lange Kante</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Kurze Kante</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Monochrome</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation>&amp;Beidseitig:</translation>
    </message>
    <message>
        <source>Co&amp;lour:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Hochformat</translation>
    </message>
    <message>
        <source>L&amp;andscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der gewählte Drucker ist ungültig</translation>
    </message>
    <message>
        <source>Envelope &amp;Feed...</source>
        <translation>Umschlag&amp;zufuhr …</translation>
    </message>
</context>
<context>
    <name>zentrope::PrinterDevice</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der gewählte Drucker ist ungültig</translation>
    </message>
    <message>
        <source>Printer index out of range</source>
        <translation>Druckerindex außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Cannot change the printer while printing</source>
        <translation>Der Drucker kann während des Druckens nicht gewechselt werden</translation>
    </message>
    <message>
        <source>Cannot change the printer settings while printing</source>
        <translation>Die Druckereinstellungen können während des Druckens nicht geändert werden</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Es wird gerade gedruckt</translation>
    </message>
    <message>
        <source>Unable to start printing on %1</source>
        <translation>Der Druck auf %1 kann nicht begonnen werden</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>Der Drucker druckt gerade nicht</translation>
    </message>
    <message>
        <source>Unable to start a new page on %1</source>
        <translation>Auf %1 kann keine neue Seite begonnen werden</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>Der Druck auf %1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>No printer is installed. Install a printer, then try again.</source>
        <translation>Es ist kein Drucker eingerichtet. Richten Sie einen Drucker ein und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>zentrope::QueueMedia</name>
    <message>
        <source>This printer&apos;s driver offers no long-edge envelope size</source>
        <translation>Der Treiber dieses Druckers bietet kein Umschlagformat mit der langen Kante voran</translation>
    </message>
    <message>
        <source>Printer &quot;%1&quot; cannot take a sheet of %2 long edge first. Feed the envelope short edge first (Envelope Feed).</source>
        <translation>Drucker „%1“ kann ein Blatt von %2 nicht mit der langen Kante voran einziehen. Führen Sie den Umschlag mit der kurzen Kante voran zu (Umschlagzufuhr).</translation>
    </message>
    <message>
        <source>Printer &quot;%1&quot; has no paper of %2 and takes no custom size that large, so the envelope would be printed on other paper. Choose another envelope size or printer.</source>
        <translation>Drucker „%1“ hat kein Papier von %2 und nimmt kein so großes benutzerdefiniertes Format an; der Umschlag würde auf anderes Papier gedruckt. Wählen Sie ein anderes Umschlagformat oder einen anderen Drucker.</translation>
    </message>
</context>
<context>
    <name>zentrope::ScriptCommand</name>
    <message>
        <source>Writes envelopes to a PDF file or prints them, without a window.
Empty lines separate the addresses, one envelope each.</source>
        <translation>Schreibt Umschläge in eine PDF-Datei oder druckt sie, ohne Fenster.
Leerzeilen trennen die Adressen, ein Umschlag je Adresse.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the versions of Zentrope and Qt.</source>
        <translation>Die Versionen von Zentrope und Qt anzeigen.</translation>
    </message>
    <message>
        <source>Write the envelopes to a PDF file, one page each.</source>
        <translation>Umschläge als PDF-Datei schreiben, einer je Seite.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Print as Print Envelope does, without a dialog.</source>
        <translation>Wie „Umschlag drucken“ drucken, ohne Dialog.</translation>
    </message>
    <message>
        <source>With --print: the printer (else the one used last).</source>
        <translation>Mit --print: Drucker (sonst der zuletzt benutzte).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>With --print: copies of each envelope, 1 to 999.</source>
        <translation>Mit --print: Kopien je Umschlag, 1 bis 999.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>With --print: the envelopes to print, e.g. 1,3-5.</source>
        <translation>Mit --print: zu druckende Umschläge, z. B. 1,3-5.</translation>
    </message>
    <message>
        <source>list</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>The return address of this name; &quot;&quot; for none.</source>
        <translation>Der Absender dieses Namens; &quot;&quot; für keinen.</translation>
    </message>
    <message>
        <source>Print no postal bar code.</source>
        <translation>Keinen Post-Strichcode drucken.</translation>
    </message>
    <message>
        <source>Read the settings from this file (never written).</source>
        <translation>Einstellungen aus dieser Datei (nur gelesen).</translation>
    </message>
    <message>
        <source>The address file; - or none reads standard input.</source>
        <translation>Adressdatei; - oder keine: die Standardeingabe.</translation>
    </message>
    <message>
        <source>[file|-]</source>
        <translation>[Datei|-]</translation>
    </message>
    <message>
        <source>Usage: zentrope --pdf OUT.pdf [options] [file|-]
       zentrope --print [options] [file|-]
</source>
        <translation>Aufruf: zentrope --pdf AUSGABE.pdf [Optionen] [Datei|-]
        zentrope --print [Optionen] [Datei|-]
</translation>
    </message>
    <message>
        <source>Give either --pdf FILE or --print (see --help).</source>
        <translation>Geben Sie entweder --pdf DATEI oder --print an (siehe --help).</translation>
    </message>
    <message>
        <source>--pdf needs the name of the PDF file.</source>
        <translation>--pdf braucht den Namen der PDF-Datei.</translation>
    </message>
    <message>
        <source>--%1 goes with --print, not with --pdf.</source>
        <translation>--%1 gehört zu --print, nicht zu --pdf.</translation>
    </message>
    <message>
        <source>One address file at most, not %1 (a file named --x is ./--x).</source>
        <translation>Höchstens eine Adressdatei, nicht %1 (eine Datei namens --x ist ./--x).</translation>
    </message>
    <message>
        <source>The address file has an empty name.</source>
        <translation>Die Adressdatei hat einen leeren Namen.</translation>
    </message>
    <message>
        <source>--printer needs the name of a printer.</source>
        <translation>--printer braucht den Namen eines Druckers.</translation>
    </message>
    <message>
        <source>--copies %1: give a number from 1 to %2.</source>
        <translation>--copies %1: geben Sie eine Zahl von 1 bis %2 an.</translation>
    </message>
    <message>
        <source>--pages %1: give envelope numbers and ranges such as 1,3-5.</source>
        <translation>--pages %1: geben Sie Umschlagnummern und Bereiche an, etwa 1,3-5.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings braucht den Namen einer Einstellungsdatei.</translation>
    </message>
    <message>
        <source>Take every contact with an address from a vCard or CSV file.</source>
        <translation>Alle Kontakte mit Adresse aus einer vCard- oder CSV-Datei übernehmen.</translation>
    </message>
    <message>
        <source>--import needs the name of a vCard or CSV file.</source>
        <translation>--import braucht den Namen einer vCard- oder CSV-Datei.</translation>
    </message>
    <message>
        <source>Give an address file or --import, not both.</source>
        <translation>Geben Sie eine Adressdatei oder --import an, nicht beides.</translation>
    </message>
    <message>
        <source>The envelope size of this name, or a standard one by its short or PWG name (DL, &quot;US #10&quot;, iso_c5_162x229mm); in any letter case.</source>
        <translation>Die Umschlaggröße dieses Namens oder eine Standardgröße mit ihrem Kurz- oder PWG-Namen (DL, &quot;US #10&quot;, iso_c5_162x229mm); in beliebiger Groß- und Kleinschreibung.</translation>
    </message>
</context>
<context>
    <name>zentrope::ScriptRun</name>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>Cannot read standard input.</source>
        <translation>Die Standardeingabe kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot find file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>No envelope size is chosen in %1.</source>
        <translation>In %1 ist keine Umschlaggröße gewählt.</translation>
    </message>
    <message>
        <source>--return-address: no return address &quot;%1&quot; in %2.</source>
        <translation>--return-address: kein Absender „%1“ in %2.</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>Warnung: %1: %2</translation>
    </message>
    <message>
        <source>--pages %1: the addresses make %2 envelopes.</source>
        <translation>--pages %1: die Adressen ergeben %2 Umschläge.</translation>
    </message>
    <message>
        <source>There is no printer &quot;%1&quot;.</source>
        <translation>Es gibt keinen Drucker „%1“.</translation>
    </message>
    <message>
        <source>the columns of this CSV file are unknown; import it once in the window to choose them.</source>
        <translation>die Spalten dieser CSV-Datei sind unbekannt; importieren Sie sie einmal im Fenster, um die Spalten zuzuordnen.</translation>
    </message>
    <message>
        <source>--size: no envelope size &quot;%1&quot; in %2. Accepted, in any letter case: %3; the standard sizes %4.</source>
        <translation>--size: keine Umschlaggröße &quot;%1&quot; in %2. Möglich sind, in beliebiger Groß- und Kleinschreibung: %3; die Standardgrößen %4.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>„%1“ ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>for Windows 95</source>
        <translation>für Windows 95</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgEnvelopeSizes</name>
    <message>
        <source>millimetres</source>
        <translation>Millimetern</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Define Envelope Sizes</source>
        <translation>Umschlaggrößen festlegen</translation>
    </message>
    <message>
        <source>Envelopes</source>
        <translation>Umschläge</translation>
    </message>
    <message>
        <source>This is the list of envelopes that you can choose from.</source>
        <translation>Dies ist die Liste der Umschläge, aus der Sie wählen können.</translation>
    </message>
    <message>
        <source>Default Envelope Size</source>
        <translation>Standard-Umschlaggröße</translation>
    </message>
    <message>
        <source>This envelope is selected when Zentrope starts.</source>
        <translation>Dieser Umschlag ist beim Start von Zentrope gewählt.</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Einzug</translation>
    </message>
    <message>
        <source>Return Address Graphic Size</source>
        <translation>Größe der Absendergrafik</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>The unit of the envelope and graphic sizes</source>
        <translation>Die Einheit der Umschlag- und Grafikgrößen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Click here to define the highlighed envelope as the default.</source>
        <translation>Klicken Sie hier, um den markierten Umschlag zum Standard zu machen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Dimensions for &quot;%1&quot;</source>
        <translation>Maße für „%1“</translation>
    </message>
    <message>
        <source>Add Envelope Size</source>
        <translation>Umschlaggröße hinzufügen</translation>
    </message>
    <message>
        <source>Rename Envelope Size</source>
        <translation>Umschlaggröße umbenennen</translation>
    </message>
    <message>
        <source>Do you want to delete envelope &quot;%1&quot;</source>
        <translation>Möchten Sie den Umschlag „%1“ löschen?</translation>
    </message>
    <message>
        <source>Width in %1</source>
        <translation>Breite in %1</translation>
    </message>
    <message>
        <source>Height in %1</source>
        <translation>Höhe in %1</translation>
    </message>
    <message>
        <source>Indent in %1</source>
        <translation>Einzug in %1</translation>
    </message>
    <message>
        <source>Width of return address graphic in %1</source>
        <translation>Breite der Absendergrafik in %1</translation>
    </message>
    <message>
        <source>Height of return address graphic in %1</source>
        <translation>Höhe der Absendergrafik in %1</translation>
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
        <source>Graphic width</source>
        <translation>Grafikbreite</translation>
    </message>
    <message>
        <source>Graphic height</source>
        <translation>Grafikhöhe</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgNewEnvelopeSize</name>
    <message>
        <source>New Envelope Size</source>
        <translation>Neue Umschlaggröße</translation>
    </message>
    <message>
        <source>Enter a description for the envelope</source>
        <translation>Geben Sie eine Bezeichnung für den Umschlag ein</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Choose a standard envelope to fill in its name and size</source>
        <translation>Wählen Sie einen Normumschlag, um Name und Größe einzutragen</translation>
    </message>
    <message>
        <source>Blank size</source>
        <translation>Leere Größe</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgNewReturnAddress</name>
    <message>
        <source>New Return Address</source>
        <translation>Neuer Absender</translation>
    </message>
    <message>
        <source>Enter a description for the return address.</source>
        <translation>Geben Sie eine Bezeichnung für den Absender ein.</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgReturnAddresses</name>
    <message>
        <source>Define Return Addresses</source>
        <translation>Absender festlegen</translation>
    </message>
    <message>
        <source>Return Addresses</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>These are the return addresses that have been defined.</source>
        <translation>Dies sind die festgelegten Absender.</translation>
    </message>
    <message>
        <source>Default Return Address</source>
        <translation>Standard-Absender</translation>
    </message>
    <message>
        <source>This is the return address selected when Zentrope starts.</source>
        <translation>Dieser Absender ist beim Start von Zentrope gewählt.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>This is the return address for the description highlighted on the left.</source>
        <translation>Dies ist die Absenderadresse zur links markierten Bezeichnung.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Click here to add a new return address.</source>
        <translation>Klicken Sie hier, um einen neuen Absender hinzuzufügen.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Click here to change the description for the highlighted return address.</source>
        <translation>Klicken Sie hier, um die Bezeichnung des markierten Absenders zu ändern.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Click here to remove the highlighted return address.</source>
        <translation>Klicken Sie hier, um den markierten Absender zu entfernen.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Click here to change the default return address</source>
        <translation>Klicken Sie hier, um den Standard-Absender zu ändern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Return address for &quot;%1&quot;</source>
        <translation>Absenderadresse für „%1“</translation>
    </message>
    <message>
        <source>Add Return Address</source>
        <translation>Absender hinzufügen</translation>
    </message>
    <message>
        <source>Rename Return Address</source>
        <translation>Absender umbenennen</translation>
    </message>
    <message>
        <source>Do you want to delete address &quot;%1&quot;</source>
        <translation>Möchten Sie die Adresse „%1“ löschen?</translation>
    </message>
</context>
<context>
    <name>zentrope::TFormPrintStatus</name>
    <message>
        <source>Zentrope is printing...</source>
        <translation>Zentrope druckt …</translation>
    </message>
    <message>
        <source>Copy X of Envelope X</source>
        <translation>Kopie X von Umschlag X</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Copy %1 of Envelope %2</source>
        <translation>Kopie %1 von Umschlag %2</translation>
    </message>
</context>
<context>
    <name>zentrope::TFormStampMain</name>
    <message>
        <source>Start a new envelope</source>
        <translation>Einen neuen Umschlag beginnen</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Eine Datei öffnen</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Aktuelle Datei speichern</translation>
    </message>
    <message>
        <source>Cut selected text to clipboard</source>
        <translation>Markierten Text in die Zwischenablage ausschneiden</translation>
    </message>
    <message>
        <source>Copy selected text to clipboard</source>
        <translation>Markierten Text in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Paste text from clipboard</source>
        <translation>Text aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Print envelope</source>
        <translation>Umschlag drucken</translation>
    </message>
    <message>
        <source>Change return addresses</source>
        <translation>Absender ändern</translation>
    </message>
    <message>
        <source>Current return address</source>
        <translation>Aktueller Absender</translation>
    </message>
    <message>
        <source>Change envelope sizes</source>
        <translation>Umschlaggrößen ändern</translation>
    </message>
    <message>
        <source>Current envelope size</source>
        <translation>Aktuelle Umschlaggröße</translation>
    </message>
    <message>
        <source>Current font</source>
        <translation>Aktuelle Schriftart</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold button</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>fett</translation>
    </message>
    <message>
        <source>i</source>
        <comment>italic button</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>kursiv</translation>
    </message>
    <message>
        <source>U</source>
        <comment>underline button</comment>
        <translation>U</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>unterstrichen</translation>
    </message>
    <message>
        <source>Graphic (right click for options)</source>
        <translation>Grafik (Rechtsklick für Optionen)</translation>
    </message>
    <message>
        <source>Return Address (right click for options)</source>
        <translation>Absender (Rechtsklick für Optionen)</translation>
    </message>
    <message>
        <source>Postal Bar Code</source>
        <translation>Post-Strichcode</translation>
    </message>
    <message>
        <source>Destination Address (right click for options)</source>
        <translation>Empfängeradresse (Rechtsklick für Optionen)</translation>
    </message>
    <message>
        <source>Click here to print an envelope.</source>
        <translation>Klicken Sie hier, um einen Umschlag zu drucken.</translation>
    </message>
    <message>
        <source> Modified</source>
        <translation> Geändert</translation>
    </message>
    <message>
        <source>Indicates if the file was modified since it was last saved.</source>
        <translation>Zeigt an, ob die Datei seit dem letzten Speichern geändert wurde.</translation>
    </message>
    <message>
        <source> Address</source>
        <translation> Adresse</translation>
    </message>
    <message>
        <source>Indicates which address is selected for formatting</source>
        <translation>Zeigt an, welche Adresse zum Formatieren gewählt ist</translation>
    </message>
    <message>
        <source> Hint</source>
        <translation> Hinweis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Open a new Zentrope file</source>
        <translation>Eine neue Zentrope-Datei beginnen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open an existing Zentrope or text file</source>
        <translation>Eine vorhandene Zentrope- oder Textdatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Import Addresses...</source>
        <translation>Adressen &amp;importieren …</translation>
    </message>
    <message>
        <source>Add envelopes for contacts from a vCard or CSV file</source>
        <translation>Umschläge für Kontakte aus einer vCard- oder CSV-Datei hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the current file</source>
        <translation>Die aktuelle Datei speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter …</translation>
    </message>
    <message>
        <source>Save the current file with a new name</source>
        <translation>Die aktuelle Datei unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the current address file.</source>
        <translation>Die aktuelle Adressdatei schließen.</translation>
    </message>
    <message>
        <source>&amp;Print Envelope...</source>
        <translation>Umschlag &amp;drucken …</translation>
    </message>
    <message>
        <source>Print an envelope</source>
        <translation>Einen Umschlag drucken</translation>
    </message>
    <message>
        <source>Print &amp;Test Envelope...</source>
        <translation>&amp;Testumschlag drucken …</translation>
    </message>
    <message>
        <source>Print an envelope with a border to help configure the printer.</source>
        <translation>Einen Umschlag mit Rahmen drucken, um den Drucker einzurichten.</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung …</translation>
    </message>
    <message>
        <source>Setup the printer</source>
        <translation>Den Drucker einrichten</translation>
    </message>
    <message>
        <source>Save the envelopes as a PDF file</source>
        <translation>Die Umschläge als PDF-Datei speichern</translation>
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
        <source>Cu&amp;t</source>
        <translation>Aus&amp;schneiden</translation>
    </message>
    <message>
        <source>Cut the current selection to the clipboard.</source>
        <translation>Die aktuelle Auswahl in die Zwischenablage ausschneiden.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the current selection to the clipboard</source>
        <translation>Die aktuelle Auswahl in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Paste text from the clipboard</source>
        <translation>Text aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the selected text</source>
        <translation>Den markierten Text löschen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Lee&amp;ren</translation>
    </message>
    <message>
        <source>Clear the current address</source>
        <translation>Die aktuelle Adresse leeren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Select all text</source>
        <translation>Den ganzen Text markieren</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Return Addresses...</source>
        <translation>&amp;Absender …</translation>
    </message>
    <message>
        <source>Define the list of return addresses</source>
        <translation>Die Liste der Absender festlegen</translation>
    </message>
    <message>
        <source>&amp;Envelope Sizes...</source>
        <translation>&amp;Umschlaggrößen …</translation>
    </message>
    <message>
        <source>Define the list of envelopes</source>
        <translation>Die Liste der Umschläge festlegen</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <translation>&amp;Schriftarten</translation>
    </message>
    <message>
        <source>&amp;Return Address...</source>
        <translation>&amp;Absender …</translation>
    </message>
    <message>
        <source>Change the font of the return address</source>
        <translation>Die Schriftart des Absenders ändern</translation>
    </message>
    <message>
        <source>&amp;Destination Address...</source>
        <translation>&amp;Empfängeradresse …</translation>
    </message>
    <message>
        <source>Change the font of the address</source>
        <translation>Die Schriftart der Adresse ändern</translation>
    </message>
    <message>
        <source>&amp;Select Graphic...</source>
        <translation>&amp;Grafik auswählen …</translation>
    </message>
    <message>
        <source>Select a graphic for the upper left corner of the envelope</source>
        <translation>Eine Grafik für die linke obere Ecke des Umschlags auswählen</translation>
    </message>
    <message>
        <source>&amp;Update Graphic</source>
        <translation>Grafik a&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Read the graphic from disk again</source>
        <translation>Die Grafik erneut von der Festplatte lesen</translation>
    </message>
    <message>
        <source>&amp;Clear Graphic</source>
        <translation>Grafik &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove the graphic from the envelope</source>
        <translation>Die Grafik vom Umschlag entfernen</translation>
    </message>
    <message>
        <source>Edit &amp;Graphic...</source>
        <translation>Grafik &amp;bearbeiten …</translation>
    </message>
    <message>
        <source>Edit the graphic</source>
        <translation>Die Grafik bearbeiten</translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation>&amp;Hinweise anzeigen</translation>
    </message>
    <message>
        <source>Check this to show popup hints</source>
        <translation>Ankreuzen, um Hinweise einzublenden</translation>
    </message>
    <message>
        <source>&amp;Print Postal Bar Code</source>
        <translation>&amp;Post-Strichcode drucken</translation>
    </message>
    <message>
        <source>Check this box to print the postal bar code on the letter</source>
        <translation>Ankreuzen, um den Post-Strichcode auf den Brief zu drucken</translation>
    </message>
    <message>
        <source>Show Font Toolbar</source>
        <translation>Schriftleiste anzeigen</translation>
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
        <source>&amp;Overview</source>
        <translation>&amp;Überblick</translation>
    </message>
    <message>
        <source>Topic &amp;Search...</source>
        <translation>Thema &amp;suchen …</translation>
    </message>
    <message>
        <source>S&amp;upport</source>
        <translation>Su&amp;pport</translation>
    </message>
    <message>
        <source>&amp;Warranty</source>
        <translation>&amp;Gewährleistung</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Lizenz</translation>
    </message>
    <message>
        <source>&amp;Product Information</source>
        <translation>P&amp;roduktinformationen</translation>
    </message>
    <message>
        <source>&amp;About Zentrope...</source>
        <translation>Ü&amp;ber Zentrope …</translation>
    </message>
    <message>
        <source>Edit Return Addresses...</source>
        <translation>Absender bearbeiten …</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schriftart …</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message>
        <source>Zentrope files (*.ENV *.env)</source>
        <translation>Zentrope-Dateien (*.ENV *.env)</translation>
    </message>
    <message>
        <source>Text files (*.TXT *.txt)</source>
        <translation>Textdateien (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Zentrope File</source>
        <translation>Zentrope-Datei öffnen</translation>
    </message>
    <message>
        <source>Zentrope file (*.ENV *.env)</source>
        <translation>Zentrope-Datei (*.ENV *.env)</translation>
    </message>
    <message>
        <source>Text file (*.TXT *.txt)</source>
        <translation>Textdatei (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Graphic (BMP, ICO, WMF) (*.[bB][mM][pP] *.[iI][cC][oO] *.[wW][mM][fF])</source>
        <translation>Grafik (BMP, ICO, WMF) (*.[bB][mM][pP] *.[iI][cC][oO] *.[wW][mM][fF])</translation>
    </message>
    <message>
        <source>Select Return Address Bitmap</source>
        <translation>Absendergrafik auswählen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Bold on/off for return address</source>
        <translation>Fett ein/aus für den Absender</translation>
    </message>
    <message>
        <source>Bold on/off for destination address</source>
        <translation>Fett ein/aus für die Empfängeradresse</translation>
    </message>
    <message>
        <source>Italics on/off for return address</source>
        <translation>Kursiv ein/aus für den Absender</translation>
    </message>
    <message>
        <source>Italics on/off for destination address</source>
        <translation>Kursiv ein/aus für die Empfängeradresse</translation>
    </message>
    <message>
        <source>Underline on/off for return address</source>
        <translation>Unterstrichen ein/aus für den Absender</translation>
    </message>
    <message>
        <source>Underline on/off for destination address</source>
        <translation>Unterstrichen ein/aus für die Empfängeradresse</translation>
    </message>
    <message>
        <source>Font for return address</source>
        <translation>Schriftart des Absenders</translation>
    </message>
    <message>
        <source>Font for destination address</source>
        <translation>Schriftart der Empfängeradresse</translation>
    </message>
    <message>
        <source>Font size for return address</source>
        <translation>Schriftgröße des Absenders</translation>
    </message>
    <message>
        <source>Font size for destination address</source>
        <translation>Schriftgröße der Empfängeradresse</translation>
    </message>
    <message>
        <source> Return</source>
        <translation> Absender</translation>
    </message>
    <message>
        <source> Destination</source>
        <translation> Empfänger</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt benutzte Dateien</translation>
    </message>
    <message>
        <source>&amp;Recent files:</source>
        <translation>&amp;Zuletzt benutzt:</translation>
    </message>
    <message>
        <source>Read &amp;only</source>
        <translation>&amp;Schreibgeschützt</translation>
    </message>
    <message>
        <source>Envelope %1 does not fit the envelope size.</source>
        <translation>Umschlag %1 passt nicht auf die Umschlaggröße.</translation>
    </message>
    <message>
        <source>Contacts (vCard, CSV) (*.[vV][cC][fF] *.[vV][cC][aA][rR][dD] *.[cC][sS][vV])</source>
        <translation>Kontakte (vCard, CSV) (*.[vV][cC][fF] *.[vV][cC][aA][rR][dD] *.[cC][sS][vV])</translation>
    </message>
    <message>
        <source>Import Addresses</source>
        <translation>Adressen importieren</translation>
    </message>
    <message>
        <source>%1 holds no contacts.</source>
        <translation>%1 enthält keine Kontakte.</translation>
    </message>
    <message>
        <source>No envelope size is chosen.</source>
        <translation>Es ist keine Umschlaggröße gewählt.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf *.PDF)</source>
        <translation>PDF-Dateien (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Envelopes</source>
        <comment>the PDF file&apos;s name when there is no address file</comment>
        <translation>Umschläge</translation>
    </message>
    <message>
        <source>%1 files were selected, but Zentrope will only open the first one.</source>
        <translation>%1 Dateien wurden ausgewählt, Zentrope öffnet aber nur die erste.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Die Datei %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau …</translation>
    </message>
    <message>
        <source>Show the envelopes as they will be printed</source>
        <translation>Die Umschläge so zeigen, wie sie gedruckt werden</translation>
    </message>
    <message>
        <source>Print A&amp;lignment Test...</source>
        <translation>&amp;Ausrichtungstest drucken …</translation>
    </message>
    <message>
        <source>Print rulers and marks to read how far the printing is off on the envelope</source>
        <translation>Lineale und Marken drucken, um abzulesen, wie weit der Druck auf dem Umschlag verschoben ist</translation>
    </message>
    <message>
        <source>Envelope Fee&amp;d...</source>
        <translation>Umschlag&amp;zufuhr …</translation>
    </message>
    <message>
        <source>Set how the current printer takes envelopes</source>
        <translation>Festlegen, wie der aktuelle Drucker Umschläge einzieht</translation>
    </message>
    <message>
        <source>The printer %1 is no longer installed. Nothing was printed.</source>
        <translation>Der Drucker %1 ist nicht mehr installiert. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
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
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>&amp;Destination address</source>
        <translation>&amp;Empfängeradresse</translation>
    </message>
    <message>
        <source>&amp;Return address</source>
        <translation>&amp;Absender</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Als PDF e&amp;xportieren …</translation>
    </message>
</context>
</TS>
