<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>zentrope::AddressFile</name>
    <message>
        <source>Text exceeds memo capacity.</source>
        <translation>Le texte dépasse la capacité du champ d&apos;adresse.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Impossible de créer le fichier %1.</translation>
    </message>
    <message>
        <source>Stream write error.</source>
        <translation>Erreur d&apos;écriture.</translation>
    </message>
</context>
<context>
    <name>zentrope::AddressFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
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
        <translation>po</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>Adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Address: middle, 1 in above the bottom</source>
        <translation>Adresse&#xa0;: au centre, à 1&#xa0;po du bas</translation>
    </message>
    <message>
        <source>Zentrope alignment test</source>
        <translation>Test d&apos;alignement Zentrope</translation>
    </message>
</context>
<context>
    <name>zentrope::Contact</name>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>zentrope::ContactImport</name>
    <message>
        <source>%1 is neither a vCard nor a CSV file.</source>
        <translation>%1 n&apos;est ni un fichier vCard ni un fichier CSV.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>Contacts read: %1.</source>
        <translation>Contacts lus&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 not closed</source>
        <translation>%1 non fermés</translation>
    </message>
    <message>
        <source>%1 with a quote not closed</source>
        <translation>%1 avec un guillemet non fermé</translation>
    </message>
    <message>
        <source>%1 with more cells than the header</source>
        <translation>%1 avec plus de cellules que l’en-tête</translation>
    </message>
    <message>
        <source>%1 without a name or an address</source>
        <translation>%1 sans nom ni adresse</translation>
    </message>
    <message>
        <source>%1 after the first %2</source>
        <translation>%1 après les %2 premiers</translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation>Ignorés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Damaged lines passed over: %1.</source>
        <translation>Lignes endommagées ignorées&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>zentrope::ContactPickerModel</name>
    <message>
        <source>No postal address</source>
        <translation>Aucune adresse postale</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Address used</source>
        <translation>Adresse utilisée</translation>
    </message>
    <message>
        <source>No organization</source>
        <translation>Aucune organisation</translation>
    </message>
</context>
<context>
    <name>zentrope::CupsJob</name>
    <message>
        <source>Printing on %1 failed: %2</source>
        <translation>L&apos;impression sur %1 a échoué&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>zentrope::EnvelopeComposer</name>
    <message>
        <source>File &quot;%1&quot; is marked read-only. Save changes in a new file.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est en lecture seule. Enregistrez les modifications dans un nouveau fichier.</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity.</source>
        <translation>Le texte dépasse la capacité du champ d&apos;adresse.</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (lecture seule)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save changes to envelope file &quot;%1&quot;?</source>
        <translation>Enregistrer les modifications du fichier d&apos;enveloppes «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot find file &quot;%1&quot;.</source>
        <translation>Fichier «&#xa0;%1&#xa0;» introuvable.</translation>
    </message>
    <message>
        <source>No envelope size is chosen.</source>
        <translation>Aucun format d&apos;enveloppe n&apos;est choisi.</translation>
    </message>
</context>
<context>
    <name>zentrope::EnvelopeFeedDialog</name>
    <message>
        <source>Envelope Feed</source>
        <translation>Alimentation des enveloppes</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Imprimante&#xa0;: %1</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>&amp;Printer paper (the size&apos;s indent places the envelope)</source>
        <translation>&amp;Papier de l&apos;imprimante (le retrait du format place l&apos;enveloppe)</translation>
    </message>
    <message>
        <source>&amp;Envelope (each page is the envelope)</source>
        <translation>&amp;Enveloppe (chaque page est l&apos;enveloppe)</translation>
    </message>
    <message>
        <source>Print on the paper chosen in Print Setup, as without a profile</source>
        <translation>Imprimer sur le papier choisi dans la configuration de l&apos;impression, comme sans profil</translation>
    </message>
    <message>
        <source>Send pages of the envelope&apos;s own size</source>
        <translation>Envoyer des pages au format de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>&amp;Long edge first</source>
        <translation>&amp;Bord long en premier</translation>
    </message>
    <message>
        <source>&amp;Short edge first</source>
        <translation>Bord &amp;court en premier</translation>
    </message>
    <message>
        <source>Le&amp;ft</source>
        <translation>À &amp;gauche</translation>
    </message>
    <message>
        <source>Ce&amp;ntred</source>
        <translation>Ce&amp;ntrée</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>À &amp;droite</translation>
    </message>
    <message>
        <source>Where the envelope lies across the tray, seen from the front</source>
        <translation>Position de l&apos;enveloppe dans la largeur du bac, vue de face</translation>
    </message>
    <message>
        <source>&amp;Turned 180° (flap or left end first)</source>
        <translation>&amp;Tournée de 180° (rabat ou bord gauche en premier)</translation>
    </message>
    <message>
        <source>Face &amp;down (the printer prints on the underside)</source>
        <translation>&amp;Face vers le bas (l&apos;imprimante imprime le dessous)</translation>
    </message>
    <message>
        <source>How to put the envelope in: the printer&apos;s slot is at the top</source>
        <translation>Comment insérer l&apos;enveloppe&#xa0;: la fente de l&apos;imprimante est en haut</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Moves everything printed to the right (negative: to the left)</source>
        <translation>Décale tout ce qui est imprimé vers la droite (négatif&#xa0;: vers la gauche)</translation>
    </message>
    <message>
        <source>Moves everything printed down (negative: up)</source>
        <translation>Décale tout ce qui est imprimé vers le bas (négatif&#xa0;: vers le haut)</translation>
    </message>
    <message>
        <source>Hori&amp;zontal:</source>
        <translation>&amp;Horizontal&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Vertical:</source>
        <translation>&amp;Vertical&#xa0;:</translation>
    </message>
    <message>
        <source>So&amp;urce</source>
        <translation>So&amp;urce</translation>
    </message>
    <message>
        <source>The tray or slot the printer takes envelopes from</source>
        <translation>Le bac ou la fente d&apos;où l&apos;imprimante prend les enveloppes</translation>
    </message>
    <message>
        <source>Printer&apos;s default</source>
        <translation>Choix par défaut de l&apos;imprimante</translation>
    </message>
    <message>
        <source>The printer has this envelope&apos;s size (%1).</source>
        <translation>L’imprimante a le format de cette enveloppe (%1).</translation>
    </message>
    <message>
        <source>The printer takes this envelope&apos;s size as a custom size.</source>
        <translation>L’imprimante accepte le format de cette enveloppe comme format personnalisé.</translation>
    </message>
    <message>
        <source>The printer does not tell which sizes it takes.</source>
        <translation>L’imprimante n’indique pas les formats qu’elle accepte.</translation>
    </message>
    <message>
        <source>This printer&apos;s driver offers no long-edge envelope size</source>
        <translation>Le pilote de cette imprimante n’offre aucun format d’enveloppe bord long en premier</translation>
    </message>
    <message>
        <source>The printer has no paper of this envelope&apos;s size (%1).</source>
        <translation>L’imprimante n’a pas de papier au format de cette enveloppe (%1).</translation>
    </message>
</context>
<context>
    <name>zentrope::EnvelopeJob</name>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Impossible de créer le fichier %1.</translation>
    </message>
    <message>
        <source>The envelope size has no width or height.</source>
        <translation>Le format d&apos;enveloppe n&apos;a pas de largeur ou de hauteur.</translation>
    </message>
    <message>
        <source>Stream write error.</source>
        <translation>Erreur d&apos;écriture.</translation>
    </message>
    <message>
        <source>Unable to start printing on %1</source>
        <translation>Impossible de lancer l&apos;impression sur %1</translation>
    </message>
    <message>
        <source>Unable to start a new page on %1</source>
        <translation>Impossible de commencer une nouvelle page sur %1</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>L&apos;impression sur %1 a échoué</translation>
    </message>
</context>
<context>
    <name>zentrope::FeedGeometry</name>
    <message>
        <source>The envelope size has no width or height.</source>
        <translation>Le format d&apos;enveloppe n&apos;a pas de largeur ou de hauteur.</translation>
    </message>
</context>
<context>
    <name>zentrope::FeedPicture</name>
    <message>
        <source>Face down</source>
        <translation>Face vers le bas</translation>
    </message>
    <message>
        <source>Face up</source>
        <translation>Face vers le haut</translation>
    </message>
</context>
<context>
    <name>zentrope::FileType</name>
    <message>
        <source>Envelope Printer</source>
        <translation>Impression d&apos;enveloppes</translation>
    </message>
    <message>
        <source>Zentrope Envelope</source>
        <translation>Enveloppe Zentrope</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Print Envelope</source>
        <translation>Imprimer l&apos;enveloppe</translation>
    </message>
</context>
<context>
    <name>zentrope::Guard</name>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
</context>
<context>
    <name>zentrope::HelpWindow</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Topic not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h1&gt;Topic not found&lt;/h1&gt;&lt;p&gt;This manual has no page for help topic %1.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;Contents&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Sujet introuvable&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h1&gt;Sujet introuvable&lt;/h1&gt;&lt;p&gt;Ce manuel n&apos;a pas de page pour le sujet d&apos;aide %1.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;Sommaire&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Zentrope Help</source>
        <translation>Aide de Zentrope</translation>
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
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <source>&amp;Search for:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Words to look for</source>
        <translation>Mots à rechercher</translation>
    </message>
    <message>
        <source>Zentrope Help - %1</source>
        <translation>Aide de Zentrope - %1</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Rubrique d&apos;aide</translation>
    </message>
</context>
<context>
    <name>zentrope::ImportAddressesDialog</name>
    <message>
        <source>Import Addresses - %1</source>
        <translation>Importer des adresses - %1</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Name, organization or address</source>
        <translation>Nom, organisation ou adresse</translation>
    </message>
    <message>
        <source>List only the contacts whose name, organization or address holds these words</source>
        <translation>N&apos;afficher que les contacts dont le nom, l&apos;organisation ou l&apos;adresse contient ces mots</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tous</translation>
    </message>
    <message>
        <source>Tick every contact listed</source>
        <translation>Cocher tous les contacts affichés</translation>
    </message>
    <message>
        <source>N&amp;one</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>Untick every contact listed</source>
        <translation>Décocher tous les contacts affichés</translation>
    </message>
    <message>
        <source>Tick the contacts to add as envelopes; greyed contacts have no postal address</source>
        <translation>Cochez les contacts à ajouter comme enveloppes&#xa0;; les contacts grisés n&apos;ont pas d&apos;adresse postale</translation>
    </message>
    <message>
        <source>A&amp;ddress used:</source>
        <translation>A&amp;dresse utilisée&#xa0;:</translation>
    </message>
    <message>
        <source>The address the highlighted contact&apos;s envelope is written to</source>
        <translation>L&apos;adresse à laquelle est adressée l&apos;enveloppe du contact sélectionné</translation>
    </message>
    <message>
        <source>Sent &amp;from:</source>
        <translation>&amp;Envoyé depuis&#xa0;:</translation>
    </message>
    <message>
        <source>The country the envelopes are posted in; it is left off the addresses</source>
        <translation>Le pays d&apos;où partent les enveloppes&#xa0;; il n&apos;apparaît pas dans les adresses</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>%1 of %2 contacts listed.</source>
        <translation>%1 contacts affichés sur %2.</translation>
    </message>
    <message>
        <source>No contact has a postal address.</source>
        <translation>Aucun contact n&apos;a d&apos;adresse postale.</translation>
    </message>
    <message>
        <source>1 envelope to add.</source>
        <translation>1 enveloppe à ajouter.</translation>
    </message>
    <message>
        <source>%1 envelopes to add.</source>
        <translation>%1 enveloppes à ajouter.</translation>
    </message>
    <message>
        <source>&amp;Character set:</source>
        <translation>&amp;Jeu de caractères&#xa0;:</translation>
    </message>
    <message>
        <source>Automatic (UTF-8, UTF-16 or Windows-1252)</source>
        <translation>Automatique (UTF-8, UTF-16 ou Windows-1252)</translation>
    </message>
    <message>
        <source>The character set the CSV file is written in, when its letters look wrong</source>
        <translation>Le jeu de caractères dans lequel le fichier CSV est écrit, si ses lettres s’affichent mal</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
</context>
<context>
    <name>zentrope::ImportColumnsDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Société&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Street:</source>
        <translation>R&amp;ue&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Extra line:</source>
        <translation>&amp;Ligne supplémentaire&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>&amp;Ville&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Region:</source>
        <translation>Ré&amp;gion&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Postal code:</source>
        <translation>Code &amp;postal&#xa0;:</translation>
    </message>
    <message>
        <source>Co&amp;untry:</source>
        <translation>P&amp;ays&#xa0;:</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Import Columns</source>
        <translation>Colonnes à importer</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>The first contact&apos;s envelope, as these columns make it</source>
        <translation>L&apos;enveloppe du premier contact, telle que ces colonnes la composent</translation>
    </message>
    <message>
        <source>First envelope:</source>
        <translation>Première enveloppe&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Add a column to the name</source>
        <translation>Ajouter une colonne au nom</translation>
    </message>
    <message>
        <source>Add a column to the company</source>
        <translation>Ajouter une colonne à la société</translation>
    </message>
    <message>
        <source>Add a column to the street</source>
        <translation>Ajouter une colonne à la rue</translation>
    </message>
    <message>
        <source>Add a column to the extra line</source>
        <translation>Ajouter une colonne à la ligne supplémentaire</translation>
    </message>
    <message>
        <source>Add a column to the city</source>
        <translation>Ajouter une colonne à la ville</translation>
    </message>
    <message>
        <source>Add a column to the region</source>
        <translation>Ajouter une colonne à la région</translation>
    </message>
    <message>
        <source>Add a column to the postal code</source>
        <translation>Ajouter une colonne au code postal</translation>
    </message>
    <message>
        <source>Add a column to the country</source>
        <translation>Ajouter une colonne au pays</translation>
    </message>
    <message>
        <source>The columns of %1 are not known. Choose the column that holds each part of the address; &quot;+&quot; adds another column to a part, such as the last name after the first. The choice is remembered for files with the same columns.</source>
        <translation>Les colonnes de %1 ne sont pas connues. Choisissez la colonne qui contient chaque partie de l’adresse&#xa0;; «&#xa0;+&#xa0;» ajoute une autre colonne à une partie, comme le nom après le prénom. Ce choix est retenu pour les fichiers ayant les mêmes colonnes.</translation>
    </message>
</context>
<context>
    <name>zentrope::IniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
</context>
<context>
    <name>zentrope::JobFollowUp</name>
    <message>
        <source>The printer %1 refused the job: %2</source>
        <translation>L’imprimante %1 a refusé la tâche&#xa0;: %2</translation>
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
        <translation>po</translation>
    </message>
</context>
<context>
    <name>zentrope::MessageDialog</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>zentrope::Metafile</name>
    <message>
        <source>Metafile is not valid.</source>
        <translation>Le métafichier n&apos;est pas valide.</translation>
    </message>
</context>
<context>
    <name>zentrope::NameDialog</name>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>zentrope::PictureReader</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>Bitmap image is not valid.</source>
        <translation>L&apos;image bitmap n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Icon image is not valid.</source>
        <translation>L&apos;icône n&apos;est pas valide.</translation>
    </message>
</context>
<context>
    <name>zentrope::PrintChoices</name>
    <message>
        <source>There is no address to print.</source>
        <translation>Il n&apos;y a aucune adresse à imprimer.</translation>
    </message>
</context>
<context>
    <name>zentrope::PrintPreviewWindow</name>
    <message>
        <source>landscape</source>
        <translation>paysage</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>portrait</translation>
    </message>
    <message>
        <source>%1, %2, %3 dpi</source>
        <translation>%1, %2, %3&#xa0;ppp</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print the envelopes</source>
        <translation>Imprimer les enveloppes</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numéro de page</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Show whole pages</source>
        <translation>Afficher des pages entières</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Pleine largeur</translation>
    </message>
    <message>
        <source>Fit the page&apos;s width to the window</source>
        <translation>Ajuster la largeur de la page à la fenêtre</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100&#xa0;%</translation>
    </message>
    <message>
        <source>Show the paper at its real size</source>
        <translation>Afficher le papier à sa taille réelle</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Agrandir l&apos;affichage</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Réduire l&apos;affichage</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the preview</source>
        <translation>Fermer l&apos;aperçu</translation>
    </message>
    <message>
        <source> of %1 </source>
        <translation> sur %1 </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Envelope preview</source>
        <translation>Aperçu de l&apos;enveloppe</translation>
    </message>
</context>
<context>
    <name>zentrope::PrintSetupDialog</name>
    <message>
        <source>Ready</source>
        <translation>Prête</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêtée</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Bord long</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Bord court</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Monochrome</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Two-sided:</source>
        <translation>&amp;Recto verso&#xa0;:</translation>
    </message>
    <message>
        <source>Co&amp;lour:</source>
        <translation>&amp;Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Portrait</translation>
    </message>
    <message>
        <source>L&amp;andscape</source>
        <translation>Pa&amp;ysage</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>L&apos;imprimante sélectionnée n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Envelope &amp;Feed...</source>
        <translation>&amp;Alimentation des enveloppes…</translation>
    </message>
</context>
<context>
    <name>zentrope::PrinterDevice</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>L&apos;imprimante sélectionnée n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Printer index out of range</source>
        <translation>Indice d&apos;imprimante hors limites</translation>
    </message>
    <message>
        <source>Cannot change the printer while printing</source>
        <translation>Impossible de changer d&apos;imprimante pendant l&apos;impression</translation>
    </message>
    <message>
        <source>Cannot change the printer settings while printing</source>
        <translation>Impossible de modifier les réglages de l&apos;imprimante pendant l&apos;impression</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Impression en cours</translation>
    </message>
    <message>
        <source>Unable to start printing on %1</source>
        <translation>Impossible de lancer l&apos;impression sur %1</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>L&apos;imprimante n&apos;imprime pas actuellement</translation>
    </message>
    <message>
        <source>Unable to start a new page on %1</source>
        <translation>Impossible de commencer une nouvelle page sur %1</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>L&apos;impression sur %1 a échoué</translation>
    </message>
    <message>
        <source>No printer is installed. Install a printer, then try again.</source>
        <translation>Aucune imprimante n&apos;est installée. Installez une imprimante, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>zentrope::QueueMedia</name>
    <message>
        <source>This printer&apos;s driver offers no long-edge envelope size</source>
        <translation>Le pilote de cette imprimante n’offre aucun format d’enveloppe bord long en premier</translation>
    </message>
    <message>
        <source>Printer &quot;%1&quot; cannot take a sheet of %2 long edge first. Feed the envelope short edge first (Envelope Feed).</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» ne peut pas prendre une feuille de %2 bord long en premier. Insérez l’enveloppe bord court en premier (Alimentation des enveloppes).</translation>
    </message>
    <message>
        <source>Printer &quot;%1&quot; has no paper of %2 and takes no custom size that large, so the envelope would be printed on other paper. Choose another envelope size or printer.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas de papier de %2 et n’accepte pas de format personnalisé aussi grand&#xa0;; l’enveloppe serait imprimée sur un autre papier. Choisissez un autre format d’enveloppe ou une autre imprimante.</translation>
    </message>
</context>
<context>
    <name>zentrope::ScriptCommand</name>
    <message>
        <source>Writes envelopes to a PDF file or prints them, without a window.
Empty lines separate the addresses, one envelope each.</source>
        <translation>Écrit des enveloppes dans un fichier PDF ou les imprime, sans fenêtre.
Des lignes vides séparent les adresses, une enveloppe chacune.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the versions of Zentrope and Qt.</source>
        <translation>Afficher les versions de Zentrope et de Qt.</translation>
    </message>
    <message>
        <source>Write the envelopes to a PDF file, one page each.</source>
        <translation>Écrire les enveloppes dans un PDF, une page chacune.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Print as Print Envelope does, without a dialog.</source>
        <translation>Impression directe, comme «&#xa0;Imprimer l&apos;enveloppe&#xa0;».</translation>
    </message>
    <message>
        <source>With --print: the printer (else the one used last).</source>
        <translation>Avec --print&#xa0;: l&apos;imprimante (sinon la dernière).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>With --print: copies of each envelope, 1 to 999.</source>
        <translation>Avec --print&#xa0;: copies de chaque enveloppe, 1 à 999.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>With --print: the envelopes to print, e.g. 1,3-5.</source>
        <translation>Avec --print&#xa0;: enveloppes à imprimer, p.&#xa0;ex. 1,3-5.</translation>
    </message>
    <message>
        <source>list</source>
        <translation>liste</translation>
    </message>
    <message>
        <source>The return address of this name; &quot;&quot; for none.</source>
        <translation>L&apos;adresse d&apos;expéditeur de ce nom&#xa0;; &quot;&quot; pour aucune.</translation>
    </message>
    <message>
        <source>Print no postal bar code.</source>
        <translation>Ne pas imprimer de code-barres postal.</translation>
    </message>
    <message>
        <source>Read the settings from this file (never written).</source>
        <translation>Lire les réglages dans ce fichier (jamais écrit).</translation>
    </message>
    <message>
        <source>The address file; - or none reads standard input.</source>
        <translation>Fichier d&apos;adresses&#xa0;; - ou rien&#xa0;: l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>[file|-]</source>
        <translation>[fichier|-]</translation>
    </message>
    <message>
        <source>Usage: zentrope --pdf OUT.pdf [options] [file|-]
       zentrope --print [options] [file|-]
</source>
        <translation>Utilisation&#xa0;: zentrope --pdf SORTIE.pdf [options] [fichier|-]
              zentrope --print [options] [fichier|-]
</translation>
    </message>
    <message>
        <source>Give either --pdf FILE or --print (see --help).</source>
        <translation>Indiquez soit --pdf FICHIER, soit --print (voir --help).</translation>
    </message>
    <message>
        <source>--pdf needs the name of the PDF file.</source>
        <translation>--pdf demande le nom du fichier PDF.</translation>
    </message>
    <message>
        <source>--%1 goes with --print, not with --pdf.</source>
        <translation>--%1 va avec --print, pas avec --pdf.</translation>
    </message>
    <message>
        <source>One address file at most, not %1 (a file named --x is ./--x).</source>
        <translation>Un seul fichier d&apos;adresses au plus, pas %1 (un fichier nommé --x s&apos;écrit ./--x).</translation>
    </message>
    <message>
        <source>The address file has an empty name.</source>
        <translation>Le fichier d&apos;adresses a un nom vide.</translation>
    </message>
    <message>
        <source>--printer needs the name of a printer.</source>
        <translation>--printer demande le nom d&apos;une imprimante.</translation>
    </message>
    <message>
        <source>--copies %1: give a number from 1 to %2.</source>
        <translation>--copies %1&#xa0;: indiquez un nombre de 1 à %2.</translation>
    </message>
    <message>
        <source>--pages %1: give envelope numbers and ranges such as 1,3-5.</source>
        <translation>--pages %1&#xa0;: indiquez des numéros d&apos;enveloppes et des plages, comme 1,3-5.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings demande le nom d&apos;un fichier de réglages.</translation>
    </message>
    <message>
        <source>Take every contact with an address from a vCard or CSV file.</source>
        <translation>Prendre chaque contact ayant une adresse dans un fichier vCard ou CSV.</translation>
    </message>
    <message>
        <source>--import needs the name of a vCard or CSV file.</source>
        <translation>--import demande le nom d&apos;un fichier vCard ou CSV.</translation>
    </message>
    <message>
        <source>Give an address file or --import, not both.</source>
        <translation>Indiquez un fichier d&apos;adresses ou --import, pas les deux.</translation>
    </message>
    <message>
        <source>The envelope size of this name, or a standard one by its short or PWG name (DL, &quot;US #10&quot;, iso_c5_162x229mm); in any letter case.</source>
        <translation>Le format d’enveloppe de ce nom, ou un format standard par son nom court ou son nom PWG (DL, «&#xa0;US #10&#xa0;», iso_c5_162x229mm)&#xa0;; majuscules ou minuscules.</translation>
    </message>
</context>
<context>
    <name>zentrope::ScriptRun</name>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>Cannot read standard input.</source>
        <translation>Impossible de lire l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>Cannot find file &quot;%1&quot;.</source>
        <translation>Fichier «&#xa0;%1&#xa0;» introuvable.</translation>
    </message>
    <message>
        <source>No envelope size is chosen in %1.</source>
        <translation>Aucun format d&apos;enveloppe n&apos;est choisi dans %1.</translation>
    </message>
    <message>
        <source>--return-address: no return address &quot;%1&quot; in %2.</source>
        <translation>--return-address&#xa0;: aucune adresse d&apos;expéditeur «&#xa0;%1&#xa0;» dans %2.</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <translation>avertissement&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--pages %1: the addresses make %2 envelopes.</source>
        <translation>--pages %1&#xa0;: les adresses donnent %2 enveloppes.</translation>
    </message>
    <message>
        <source>There is no printer &quot;%1&quot;.</source>
        <translation>Il n&apos;y a pas d&apos;imprimante «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>the columns of this CSV file are unknown; import it once in the window to choose them.</source>
        <translation>les colonnes de ce fichier CSV sont inconnues&#xa0;; importez-le une fois dans la fenêtre pour les choisir.</translation>
    </message>
    <message>
        <source>--size: no envelope size &quot;%1&quot; in %2. Accepted, in any letter case: %3; the standard sizes %4.</source>
        <translation>--size&#xa0;: aucun format d’enveloppe «&#xa0;%1&#xa0;» dans %2. Acceptés, en majuscules ou minuscules&#xa0;: %3&#xa0;; les formats standard %4.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgAbout</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>for Windows 95</source>
        <translation>pour Windows 95</translation>
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
        <translation>millimètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>Define Envelope Sizes</source>
        <translation>Définir les formats d&apos;enveloppe</translation>
    </message>
    <message>
        <source>Envelopes</source>
        <translation>Enveloppes</translation>
    </message>
    <message>
        <source>This is the list of envelopes that you can choose from.</source>
        <translation>Voici la liste des enveloppes parmi lesquelles vous pouvez choisir.</translation>
    </message>
    <message>
        <source>Default Envelope Size</source>
        <translation>Format d&apos;enveloppe par défaut</translation>
    </message>
    <message>
        <source>This envelope is selected when Zentrope starts.</source>
        <translation>Cette enveloppe est sélectionnée au démarrage de Zentrope.</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Retrait</translation>
    </message>
    <message>
        <source>Return Address Graphic Size</source>
        <translation>Taille de l&apos;image de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>The unit of the envelope and graphic sizes</source>
        <translation>L&apos;unité des formats d&apos;enveloppe et de la taille de l&apos;image</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Click here to define the highlighed envelope as the default.</source>
        <translation>Cliquez ici pour faire de l&apos;enveloppe sélectionnée celle par défaut.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Dimensions for &quot;%1&quot;</source>
        <translation>Dimensions de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Add Envelope Size</source>
        <translation>Ajouter un format d&apos;enveloppe</translation>
    </message>
    <message>
        <source>Rename Envelope Size</source>
        <translation>Renommer le format d&apos;enveloppe</translation>
    </message>
    <message>
        <source>Do you want to delete envelope &quot;%1&quot;</source>
        <translation>Voulez-vous supprimer l&apos;enveloppe «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Width in %1</source>
        <translation>Largeur en %1</translation>
    </message>
    <message>
        <source>Height in %1</source>
        <translation>Hauteur en %1</translation>
    </message>
    <message>
        <source>Indent in %1</source>
        <translation>Retrait en %1</translation>
    </message>
    <message>
        <source>Width of return address graphic in %1</source>
        <translation>Largeur de l&apos;image de l&apos;expéditeur en %1</translation>
    </message>
    <message>
        <source>Height of return address graphic in %1</source>
        <translation>Hauteur de l&apos;image de l&apos;expéditeur en %1</translation>
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
        <source>Graphic width</source>
        <translation>Largeur de l&apos;image</translation>
    </message>
    <message>
        <source>Graphic height</source>
        <translation>Hauteur de l&apos;image</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgNewEnvelopeSize</name>
    <message>
        <source>New Envelope Size</source>
        <translation>Nouveau format d&apos;enveloppe</translation>
    </message>
    <message>
        <source>Enter a description for the envelope</source>
        <translation>Saisissez une description de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Choose a standard envelope to fill in its name and size</source>
        <translation>Choisissez une enveloppe normalisée pour reprendre son nom et son format</translation>
    </message>
    <message>
        <source>Blank size</source>
        <translation>Format vierge</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgNewReturnAddress</name>
    <message>
        <source>New Return Address</source>
        <translation>Nouvelle adresse d&apos;expéditeur</translation>
    </message>
    <message>
        <source>Enter a description for the return address.</source>
        <translation>Saisissez une description de l&apos;adresse d&apos;expéditeur.</translation>
    </message>
</context>
<context>
    <name>zentrope::TDlgReturnAddresses</name>
    <message>
        <source>Define Return Addresses</source>
        <translation>Définir les adresses d&apos;expéditeur</translation>
    </message>
    <message>
        <source>Return Addresses</source>
        <translation>Adresses d&apos;expéditeur</translation>
    </message>
    <message>
        <source>These are the return addresses that have been defined.</source>
        <translation>Voici les adresses d&apos;expéditeur définies.</translation>
    </message>
    <message>
        <source>Default Return Address</source>
        <translation>Adresse d&apos;expéditeur par défaut</translation>
    </message>
    <message>
        <source>This is the return address selected when Zentrope starts.</source>
        <translation>Cette adresse d&apos;expéditeur est sélectionnée au démarrage de Zentrope.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>This is the return address for the description highlighted on the left.</source>
        <translation>Voici l&apos;adresse d&apos;expéditeur de la description sélectionnée à gauche.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Click here to add a new return address.</source>
        <translation>Cliquez ici pour ajouter une adresse d&apos;expéditeur.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Click here to change the description for the highlighted return address.</source>
        <translation>Cliquez ici pour modifier la description de l&apos;adresse d&apos;expéditeur sélectionnée.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Click here to remove the highlighted return address.</source>
        <translation>Cliquez ici pour supprimer l&apos;adresse d&apos;expéditeur sélectionnée.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Click here to change the default return address</source>
        <translation>Cliquez ici pour changer l&apos;adresse d&apos;expéditeur par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Return address for &quot;%1&quot;</source>
        <translation>Adresse d&apos;expéditeur de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Add Return Address</source>
        <translation>Ajouter une adresse d&apos;expéditeur</translation>
    </message>
    <message>
        <source>Rename Return Address</source>
        <translation>Renommer l&apos;adresse d&apos;expéditeur</translation>
    </message>
    <message>
        <source>Do you want to delete address &quot;%1&quot;</source>
        <translation>Voulez-vous supprimer l&apos;adresse «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
</context>
<context>
    <name>zentrope::TFormPrintStatus</name>
    <message>
        <source>Zentrope is printing...</source>
        <translation>Zentrope imprime…</translation>
    </message>
    <message>
        <source>Copy X of Envelope X</source>
        <translation>Copie X de l&apos;enveloppe X</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Copy %1 of Envelope %2</source>
        <translation>Copie %1 de l&apos;enveloppe %2</translation>
    </message>
</context>
<context>
    <name>zentrope::TFormStampMain</name>
    <message>
        <source>Start a new envelope</source>
        <translation>Commencer une nouvelle enveloppe</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Save current file</source>
        <translation>Enregistrer le fichier actuel</translation>
    </message>
    <message>
        <source>Cut selected text to clipboard</source>
        <translation>Couper le texte sélectionné dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy selected text to clipboard</source>
        <translation>Copier le texte sélectionné dans le presse-papiers</translation>
    </message>
    <message>
        <source>Paste text from clipboard</source>
        <translation>Coller le texte du presse-papiers</translation>
    </message>
    <message>
        <source>Print envelope</source>
        <translation>Imprimer l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Change return addresses</source>
        <translation>Modifier les adresses d&apos;expéditeur</translation>
    </message>
    <message>
        <source>Current return address</source>
        <translation>Adresse d&apos;expéditeur actuelle</translation>
    </message>
    <message>
        <source>Change envelope sizes</source>
        <translation>Modifier les formats d&apos;enveloppe</translation>
    </message>
    <message>
        <source>Current envelope size</source>
        <translation>Format d&apos;enveloppe actuel</translation>
    </message>
    <message>
        <source>Current font</source>
        <translation>Police actuelle</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold button</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>gras</translation>
    </message>
    <message>
        <source>i</source>
        <comment>italic button</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>italique</translation>
    </message>
    <message>
        <source>U</source>
        <comment>underline button</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>souligné</translation>
    </message>
    <message>
        <source>Graphic (right click for options)</source>
        <translation>Image (clic droit pour les options)</translation>
    </message>
    <message>
        <source>Return Address (right click for options)</source>
        <translation>Adresse de l&apos;expéditeur (clic droit pour les options)</translation>
    </message>
    <message>
        <source>Postal Bar Code</source>
        <translation>Code-barres postal</translation>
    </message>
    <message>
        <source>Destination Address (right click for options)</source>
        <translation>Adresse du destinataire (clic droit pour les options)</translation>
    </message>
    <message>
        <source>Click here to print an envelope.</source>
        <translation>Cliquez ici pour imprimer une enveloppe.</translation>
    </message>
    <message>
        <source> Modified</source>
        <translation> Modifié</translation>
    </message>
    <message>
        <source>Indicates if the file was modified since it was last saved.</source>
        <translation>Indique si le fichier a été modifié depuis le dernier enregistrement.</translation>
    </message>
    <message>
        <source> Address</source>
        <translation> Adresse</translation>
    </message>
    <message>
        <source>Indicates which address is selected for formatting</source>
        <translation>Indique quelle adresse est sélectionnée pour la mise en forme</translation>
    </message>
    <message>
        <source> Hint</source>
        <translation> Info</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Open a new Zentrope file</source>
        <translation>Ouvrir un nouveau fichier Zentrope</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open an existing Zentrope or text file</source>
        <translation>Ouvrir un fichier Zentrope ou texte existant</translation>
    </message>
    <message>
        <source>&amp;Import Addresses...</source>
        <translation>&amp;Importer des adresses…</translation>
    </message>
    <message>
        <source>Add envelopes for contacts from a vCard or CSV file</source>
        <translation>Ajouter des enveloppes pour les contacts d&apos;un fichier vCard ou CSV</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the current file</source>
        <translation>Enregistrer le fichier actuel</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Save the current file with a new name</source>
        <translation>Enregistrer le fichier actuel sous un nouveau nom</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the current address file.</source>
        <translation>Fermer le fichier d&apos;adresses actuel.</translation>
    </message>
    <message>
        <source>&amp;Print Envelope...</source>
        <translation>Im&amp;primer l&apos;enveloppe…</translation>
    </message>
    <message>
        <source>Print an envelope</source>
        <translation>Imprimer une enveloppe</translation>
    </message>
    <message>
        <source>Print &amp;Test Envelope...</source>
        <translation>Imprimer une enveloppe de &amp;test…</translation>
    </message>
    <message>
        <source>Print an envelope with a border to help configure the printer.</source>
        <translation>Imprimer une enveloppe avec un cadre pour aider à régler l&apos;imprimante.</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l&apos;impression…</translation>
    </message>
    <message>
        <source>Setup the printer</source>
        <translation>Configurer l&apos;imprimante</translation>
    </message>
    <message>
        <source>Save the envelopes as a PDF file</source>
        <translation>Enregistrer les enveloppes dans un fichier PDF</translation>
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
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut the current selection to the clipboard.</source>
        <translation>Couper la sélection dans le presse-papiers.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the current selection to the clipboard</source>
        <translation>Copier la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste text from the clipboard</source>
        <translation>Coller le texte du presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete the selected text</source>
        <translation>Supprimer le texte sélectionné</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Clear the current address</source>
        <translation>Effacer l&apos;adresse actuelle</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select all text</source>
        <translation>Sélectionner tout le texte</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Return Addresses...</source>
        <translation>Adresses de l&apos;&amp;expéditeur…</translation>
    </message>
    <message>
        <source>Define the list of return addresses</source>
        <translation>Définir la liste des adresses d&apos;expéditeur</translation>
    </message>
    <message>
        <source>&amp;Envelope Sizes...</source>
        <translation>&amp;Formats d&apos;enveloppe…</translation>
    </message>
    <message>
        <source>Define the list of envelopes</source>
        <translation>Définir la liste des enveloppes</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <translation>&amp;Polices</translation>
    </message>
    <message>
        <source>&amp;Return Address...</source>
        <translation>Adresse de l&apos;&amp;expéditeur…</translation>
    </message>
    <message>
        <source>Change the font of the return address</source>
        <translation>Changer la police de l&apos;adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>&amp;Destination Address...</source>
        <translation>Adresse du &amp;destinataire…</translation>
    </message>
    <message>
        <source>Change the font of the address</source>
        <translation>Changer la police de l&apos;adresse</translation>
    </message>
    <message>
        <source>&amp;Select Graphic...</source>
        <translation>&amp;Sélectionner une image…</translation>
    </message>
    <message>
        <source>Select a graphic for the upper left corner of the envelope</source>
        <translation>Choisir une image pour le coin supérieur gauche de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>&amp;Update Graphic</source>
        <translation>&amp;Actualiser l&apos;image</translation>
    </message>
    <message>
        <source>Read the graphic from disk again</source>
        <translation>Relire l&apos;image sur le disque</translation>
    </message>
    <message>
        <source>&amp;Clear Graphic</source>
        <translation>Retirer l&apos;&amp;image</translation>
    </message>
    <message>
        <source>Remove the graphic from the envelope</source>
        <translation>Retirer l&apos;image de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Edit &amp;Graphic...</source>
        <translation>&amp;Modifier l&apos;image…</translation>
    </message>
    <message>
        <source>Edit the graphic</source>
        <translation>Modifier l&apos;image</translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation>Afficher les &amp;bulles d&apos;aide</translation>
    </message>
    <message>
        <source>Check this to show popup hints</source>
        <translation>Cocher pour afficher les bulles d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Print Postal Bar Code</source>
        <translation>Imprimer le &amp;code-barres postal</translation>
    </message>
    <message>
        <source>Check this box to print the postal bar code on the letter</source>
        <translation>Cocher pour imprimer le code-barres postal sur la lettre</translation>
    </message>
    <message>
        <source>Show Font Toolbar</source>
        <translation>Afficher la barre des polices</translation>
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
        <source>&amp;Overview</source>
        <translation>&amp;Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Topic &amp;Search...</source>
        <translation>&amp;Rechercher un sujet…</translation>
    </message>
    <message>
        <source>S&amp;upport</source>
        <translation>Ass&amp;istance</translation>
    </message>
    <message>
        <source>&amp;Warranty</source>
        <translation>&amp;Garantie</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licence</translation>
    </message>
    <message>
        <source>&amp;Product Information</source>
        <translation>I&amp;nformations sur le produit</translation>
    </message>
    <message>
        <source>&amp;About Zentrope...</source>
        <translation>À &amp;propos de Zentrope…</translation>
    </message>
    <message>
        <source>Edit Return Addresses...</source>
        <translation>Modifier les adresses d&apos;expéditeur…</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police…</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Sélectionner…</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Zentrope files (*.ENV *.env)</source>
        <translation>Fichiers Zentrope (*.ENV *.env)</translation>
    </message>
    <message>
        <source>Text files (*.TXT *.txt)</source>
        <translation>Fichiers texte (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Zentrope File</source>
        <translation>Ouvrir un fichier Zentrope</translation>
    </message>
    <message>
        <source>Zentrope file (*.ENV *.env)</source>
        <translation>Fichier Zentrope (*.ENV *.env)</translation>
    </message>
    <message>
        <source>Text file (*.TXT *.txt)</source>
        <translation>Fichier texte (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Graphic (BMP, ICO, WMF) (*.[bB][mM][pP] *.[iI][cC][oO] *.[wW][mM][fF])</source>
        <translation>Image (BMP, ICO, WMF) (*.[bB][mM][pP] *.[iI][cC][oO] *.[wW][mM][fF])</translation>
    </message>
    <message>
        <source>Select Return Address Bitmap</source>
        <translation>Choisir l&apos;image de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Bold on/off for return address</source>
        <translation>Gras oui/non pour l&apos;adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Bold on/off for destination address</source>
        <translation>Gras oui/non pour l&apos;adresse du destinataire</translation>
    </message>
    <message>
        <source>Italics on/off for return address</source>
        <translation>Italique oui/non pour l&apos;adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Italics on/off for destination address</source>
        <translation>Italique oui/non pour l&apos;adresse du destinataire</translation>
    </message>
    <message>
        <source>Underline on/off for return address</source>
        <translation>Souligné oui/non pour l&apos;adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Underline on/off for destination address</source>
        <translation>Souligné oui/non pour l&apos;adresse du destinataire</translation>
    </message>
    <message>
        <source>Font for return address</source>
        <translation>Police de l&apos;adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Font for destination address</source>
        <translation>Police de l&apos;adresse du destinataire</translation>
    </message>
    <message>
        <source>Font size for return address</source>
        <translation>Taille de police de l&apos;adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Font size for destination address</source>
        <translation>Taille de police de l&apos;adresse du destinataire</translation>
    </message>
    <message>
        <source> Return</source>
        <translation> Expéditeur</translation>
    </message>
    <message>
        <source> Destination</source>
        <translation> Destinataire</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>&amp;Recent files:</source>
        <translation>Fichiers &amp;récents&#xa0;:</translation>
    </message>
    <message>
        <source>Read &amp;only</source>
        <translation>&amp;Lecture seule</translation>
    </message>
    <message>
        <source>Envelope %1 does not fit the envelope size.</source>
        <translation>L&apos;enveloppe %1 ne tient pas dans le format d&apos;enveloppe.</translation>
    </message>
    <message>
        <source>Contacts (vCard, CSV) (*.[vV][cC][fF] *.[vV][cC][aA][rR][dD] *.[cC][sS][vV])</source>
        <translation>Contacts (vCard, CSV) (*.[vV][cC][fF] *.[vV][cC][aA][rR][dD] *.[cC][sS][vV])</translation>
    </message>
    <message>
        <source>Import Addresses</source>
        <translation>Importer des adresses</translation>
    </message>
    <message>
        <source>%1 holds no contacts.</source>
        <translation>%1 ne contient aucun contact.</translation>
    </message>
    <message>
        <source>No envelope size is chosen.</source>
        <translation>Aucun format d&apos;enveloppe n&apos;est choisi.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf *.PDF)</source>
        <translation>Fichiers PDF (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Envelopes</source>
        <comment>the PDF file&apos;s name when there is no address file</comment>
        <translation>Enveloppes</translation>
    </message>
    <message>
        <source>%1 files were selected, but Zentrope will only open the first one.</source>
        <translation>%1 fichiers ont été sélectionnés, mais Zentrope n&apos;ouvrira que le premier.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Impossible de créer le fichier %1.</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Aperçu a&amp;vant impression…</translation>
    </message>
    <message>
        <source>Show the envelopes as they will be printed</source>
        <translation>Afficher les enveloppes telles qu&apos;elles seront imprimées</translation>
    </message>
    <message>
        <source>Print A&amp;lignment Test...</source>
        <translation>Imprimer un test d&apos;&amp;alignement…</translation>
    </message>
    <message>
        <source>Print rulers and marks to read how far the printing is off on the envelope</source>
        <translation>Imprimer des règles et des repères pour mesurer le décalage de l&apos;impression sur l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Envelope Fee&amp;d...</source>
        <translation>Alimentation &amp;des enveloppes…</translation>
    </message>
    <message>
        <source>Set how the current printer takes envelopes</source>
        <translation>Définir comment l&apos;imprimante actuelle prend les enveloppes</translation>
    </message>
    <message>
        <source>The printer %1 is no longer installed. Nothing was printed.</source>
        <translation>L’imprimante %1 n’est plus installée. Rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
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
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>&amp;Destination address</source>
        <translation>Adresse du des&amp;tinataire</translation>
    </message>
    <message>
        <source>&amp;Return address</source>
        <translation>Adresse d&apos;&amp;expéditeur</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>E&amp;xporter en PDF…</translation>
    </message>
</context>
</TS>
