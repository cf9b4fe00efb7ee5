<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="nl_NL">
<context>
    <name>CardFile</name>
    <message>
        <location filename="../src/cards/cardfile.cpp" line="111" />
        <source>The file %1 is not a card settings file.</source>
        <translation>Het bestand %1 is geen kaartinstellingenbestand.</translation>
    </message>
    <message>
        <location filename="../src/cards/cardfile.cpp" line="303" />
        <source>Cannot save %1: %2</source>
        <translation>Kan %1 niet opslaan: %2</translation>
    </message>
</context>
<context>
    <name>CardPrint</name>
    <message>
        <location filename="../src/cards/cardprint.cpp" line="33" />
        <source>the print job could not be started</source>
        <translation>de afdruktaak kon niet beginnen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardprint.cpp" line="40" />
        <source>a new page could not be started</source>
        <translation>er kon geen nieuwe pagina beginnen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardprint.cpp" line="48" />
        <source>the print job could not be finished</source>
        <translation>de afdruktaak kon niet worden afgerond</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <location filename="../src/export/exportfile.cpp" line="57" />
        <source>Could not save file: %1</source>
        <translation>Kan bestand niet opslaan: %1</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <location filename="../src/image/datetime.cpp" line="153" />
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="153" />
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="154" />
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="154" />
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="155" />
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="155" />
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="156" />
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="156" />
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="157" />
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="157" />
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="158" />
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="158" />
        <source>December</source>
        <translation>december</translation>
    </message>
</context>
<context>
    <name>ShortMonths</name>
    <message>
        <location filename="../src/image/datetime.cpp" line="164" />
        <source>Jan</source>
        <translation>jan</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="164" />
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="165" />
        <source>Mar</source>
        <translation>mrt</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="165" />
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="166" />
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="166" />
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="167" />
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="167" />
        <source>Aug</source>
        <translation>aug</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="168" />
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="168" />
        <source>Oct</source>
        <translation>okt</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="169" />
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="169" />
        <source>Dec</source>
        <translation>dec</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <location filename="../src/mainwindow/aboutform.cpp" line="14" />
        <source>About Zelvane</source>
        <translation>Over Zelvane</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/aboutform.cpp" line="29" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/aboutform.cpp" line="34" />
        <source>Version:</source>
        <translation>Versie:</translation>
    </message>
</context>
<context>
    <name>TCreateCardsFormViewer</name>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="55" />
        <source>Zelvane - Create cards</source>
        <translation>Zelvane - Kaarten maken</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="81" />
        <location filename="../src/cards/cardsviewer.cpp" line="261" />
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="81" />
        <source>Place left</source>
        <translation>Links plaatsen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="82" />
        <source>Center</source>
        <translation>Midden</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="82" />
        <source>Center horizontal</source>
        <translation>Horizontaal centreren</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="83" />
        <location filename="../src/cards/cardsviewer.cpp" line="261" />
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="83" />
        <source>Place right</source>
        <translation>Rechts plaatsen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="84" />
        <location filename="../src/cards/cardsviewer.cpp" line="261" />
        <source>Top</source>
        <translation>Boven</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="84" />
        <source>Place top</source>
        <translation>Bovenaan plaatsen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="85" />
        <source>Middle</source>
        <translation>Midden</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="85" />
        <source>Center vertical</source>
        <translation>Verticaal centreren</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="86" />
        <location filename="../src/cards/cardsviewer.cpp" line="261" />
        <source>Bottom</source>
        <translation>Onder</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="86" />
        <source>Place bottom</source>
        <translation>Onderaan plaatsen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="87" />
        <source>Move left</source>
        <translation>Naar links</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="88" />
        <source>Move up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="89" />
        <source>Move right</source>
        <translation>Naar rechts</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="90" />
        <source>Move down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="91" />
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="92" />
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="92" />
        <source>Load card settings</source>
        <translation>Kaartinstellingen laden</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="93" />
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="93" />
        <source>Save card settings</source>
        <translation>Kaartinstellingen opslaan</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="94" />
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="94" />
        <source>Default card settings</source>
        <translation>Standaardkaartinstellingen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="95" />
        <location filename="../src/cards/cardsviewer.cpp" line="247" />
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="95" />
        <source>Open print dialog</source>
        <translation>Afdrukvenster openen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="96" />
        <source>Printer settings</source>
        <translation>Printerinstellingen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="97" />
        <source>Open printer settings dialog</source>
        <translation>Printerinstellingen openen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="98" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="99" />
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="100" />
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="101" />
        <source>Set background color or pattern</source>
        <translation>Achtergrondkleur of -patroon kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="102" />
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="102" />
        <source>Set border</source>
        <translation>Rand instellen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="103" />
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="103" />
        <source>Set font</source>
        <translation>Lettertype kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="104" />
        <source>Align left</source>
        <translation>Links uitlijnen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="105" />
        <source>Align center</source>
        <translation>Centreren</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="106" />
        <source>Align right</source>
        <translation>Rechts uitlijnen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="151" />
        <source>Zelvane - Load card settings</source>
        <translation>Zelvane - Kaartinstellingen laden</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="152" />
        <location filename="../src/cards/cardsviewer.cpp" line="157" />
        <source>Card settings files (*.vzc)</source>
        <translation>Kaartinstellingen (*.vzc)</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="156" />
        <source>Zelvane - Save card settings</source>
        <translation>Zelvane - Kaartinstellingen opslaan</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="182" />
        <source>Card type</source>
        <translation>Soort kaart</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="183" />
        <source>Foldcard</source>
        <translation>Vouwkaart</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="184" />
        <source>Postcard</source>
        <translation>Ansichtkaart</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="194" />
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="196" />
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="199" />
        <source>Fold direction</source>
        <translation>Vouwrichting</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="204" />
        <source>Side by side</source>
        <translation>Naast elkaar</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="204" />
        <source>One above the other</source>
        <translation>Boven elkaar</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="204" />
        <source>Four parts</source>
        <translation>In vieren</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="213" />
        <source>Front and back on one side</source>
        <translation>Voor- en achterkant op één zijde</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="217" />
        <source>Nr of cards on page</source>
        <translation>Aantal kaarten per pagina</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="230" />
        <source>Page settings</source>
        <translation>Pagina-instellingen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="231" />
        <source>Center cards</source>
        <translation>Kaarten centreren</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="232" />
        <source>Draw grid lines</source>
        <translation>Rasterlijnen tekenen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="233" />
        <source>Use region of interest</source>
        <translation>Interessegebied gebruiken</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="234" />
        <source>Use best position</source>
        <translation>Beste stand gebruiken</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="240" />
        <source>Orientation</source>
        <translation>Stand</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="241" />
        <source>Portrait</source>
        <translation>Staand</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="242" />
        <source>Landscape</source>
        <translation>Liggend</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="248" />
        <location filename="../src/cards/cardsviewer.cpp" line="256" />
        <source>Front</source>
        <translation>Voorkant</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="249" />
        <location filename="../src/cards/cardsviewer.cpp" line="257" />
        <source>Back</source>
        <translation>Achterkant</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="250" />
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="259" />
        <location filename="../src/cards/cardsviewer.cpp" line="508" />
        <source>Image margin (%)</source>
        <translation>Fotomarge (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="281" />
        <source>Background margin (%)</source>
        <translation>Achtergrondmarge (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="318" />
        <source>Card</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="319" />
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="508" />
        <source>Border margin (%)</source>
        <translation>Randmarge (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="631" />
        <source>Some settings of %1 were corrected:</source>
        <translation>Enkele instellingen van %1 zijn gecorrigeerd:</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="725" />
        <source>Printing failed: %1</source>
        <translation>Afdrukken mislukt: %1</translation>
    </message>
</context>
<context>
    <name>TDirectoryTree</name>
    <message>
        <location filename="../src/controls/directorytree.cpp" line="65" />
        <source>New Folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <location filename="../src/controls/directorytree.cpp" line="107" />
        <source>File System</source>
        <translation>Bestandssysteem</translation>
    </message>
    <message>
        <location filename="../src/controls/directorytree.cpp" line="108" />
        <source>Home</source>
        <translation>Persoonlijke map</translation>
    </message>
    <message>
        <location filename="../src/controls/directorytree.cpp" line="239" />
        <source>Cannot delete the root directory</source>
        <translation>De hoofdmap kan niet worden verwijderd</translation>
    </message>
    <message>
        <location filename="../src/controls/directorytree.cpp" line="240" />
        <source>Cannot delete a directory that has subdirectories</source>
        <translation>Een map met submappen kan niet worden verwijderd</translation>
    </message>
</context>
<context>
    <name>TEditImagesFormViewer</name>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="39" />
        <source>Zelvane - Edit images</source>
        <translation>Zelvane - Foto's bewerken</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="65" />
        <source>Rotate left</source>
        <translation>Linksom draaien</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="66" />
        <source>Rotate right</source>
        <translation>Rechtsom draaien</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="67" />
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="68" />
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="69" />
        <source>Edit red eyes</source>
        <translation>Rode ogen bewerken</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="70" />
        <source>Restore red eyes</source>
        <translation>Rode ogen herstellen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="71" />
        <source>Show ROI</source>
        <translation>Uitsnede tonen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="72" />
        <source>Set ROI</source>
        <translation>Uitsnede kiezen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="73" />
        <source>Reset ROI</source>
        <translation>Uitsnede opheffen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="74" />
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="76" />
        <source>First image</source>
        <translation>Eerste foto</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="77" />
        <source>Previous image</source>
        <translation>Vorige foto</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="78" />
        <source>Next image</source>
        <translation>Volgende foto</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="79" />
        <source>Last image</source>
        <translation>Laatste foto</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="80" />
        <source>Save all images</source>
        <translation>Alle foto's opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="81" />
        <source>Save image</source>
        <translation>Foto opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="82" />
        <source>Show help for this form</source>
        <translation>Help bij dit venster tonen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="83" />
        <source>Close form</source>
        <translation>Venster sluiten</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="84" />
        <source>Add actor</source>
        <translation>Persoon toevoegen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="85" />
        <source>Remove actor</source>
        <translation>Persoon verwijderen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="86" />
        <source>Uncheck all actors</source>
        <translation>Alle personen uitvinken</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="153" />
        <source>Area</source>
        <translation>Gebied</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="154" />
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="174" />
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="178" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="182" />
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="187" />
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="193" />
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="199" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="202" />
        <source>Actors</source>
        <translation>Personen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="212" />
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="212" />
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="212" />
        <source>Uncheck</source>
        <translation>Uitvinken</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="220" />
        <source>Always save image</source>
        <translation>Foto altijd opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="222" />
        <source>Also write the attributes for other programs</source>
        <translation>Kenmerken ook voor andere programma's opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="223" />
        <source>Saves the name, description, location, people and date also in the XMP, IPTC and EXIF fields that other photo programs read</source>
        <translation>Slaat de naam, de beschrijving, de plaats, de personen en de datum ook op in de XMP-, IPTC- en EXIF-velden die andere fotoprogramma's lezen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="233" />
        <source>Save all</source>
        <translation>Alles opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="234" />
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="235" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="236" />
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="123" />
        <source>No actor to be added.</source>
        <translation>Er is geen persoon om toe te voegen.</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="162" />
        <source>The image attributes have changed. Do you want to save the changes?</source>
        <translation>De gegevens van de foto zijn gewijzigd. Wilt u de wijzigingen opslaan?</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="173" />
        <source>No name given, not possible to save the image.</source>
        <translation>Geen naam opgegeven, de foto kan niet worden opgeslagen.</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="191" />
        <source>Not saved</source>
        <translation>Niet opgeslagen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="196" />
        <source>Saved</source>
        <translation>Opgeslagen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="262" />
        <source>Saved %1 of %2 photos</source>
        <translation>%1 van %2 foto's opgeslagen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="263" />
        <source>Saved %1 of %2 photos, %3 not saved</source>
        <translation>%1 van %2 foto's opgeslagen, %3 niet opgeslagen</translation>
    </message>
</context>
<context>
    <name>TExportOptionsForm</name>
    <message>
        <location filename="../src/export/exportform.cpp" line="26" />
        <source>Zelvane - Export images</source>
        <translation>Zelvane - Foto's exporteren</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="30" />
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="30" />
        <source>Start export</source>
        <translation>Exporteren starten</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="31" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="31" />
        <source>Show help for this form</source>
        <translation>Help bij dit venster tonen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="32" />
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="33" />
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="35" />
        <source>Destination</source>
        <translation>Bestemming</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="40" />
        <source>New folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="41" />
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="47" />
        <source>Copy images</source>
        <translation>Foto's kopiëren</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="48" />
        <source>HTML pages</source>
        <translation>HTML-pagina's</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="49" />
        <source>CD preparation</source>
        <translation>Cd voorbereiden</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="58" />
        <source>Include</source>
        <translation>Meenemen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="59" />
        <source>Autorun and viewer</source>
        <translation>Autorun en viewer</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="60" />
        <source>Only viewer</source>
        <translation>Alleen viewer</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="61" />
        <source>Nothing</source>
        <translation>Niets</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="67" />
        <source>Image size</source>
        <translation>Fotogrootte</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="68" />
        <source>Full image size</source>
        <translation>Volledige grootte</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="81" />
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="83" />
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="85" />
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="91" />
        <source>Use ROI</source>
        <translation>Interessegebied</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="92" />
        <source>Use region of interest</source>
        <translation>Interessegebied gebruiken</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="98" />
        <source>Launch browser</source>
        <translation>Browser openen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="99" />
        <source>Launch browser after creating HTML pages</source>
        <translation>De browser openen na het maken van de HTML-pagina's</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="102" />
        <source>Show atttributes</source>
        <translation>Kenmerken tonen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="104" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="104" />
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="104" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="104" />
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="212" />
        <location filename="../src/tools/export/exportcommand.cpp" line="186" />
        <source>Incorrect image width and/or height.</source>
        <translation>Onjuiste breedte en/of hoogte van de foto.</translation>
    </message>
</context>
<context>
    <name>TExportRun</name>
    <message>
        <location filename="../src/export/exportrun.cpp" line="24" />
        <source>Could not create folder: %1</source>
        <translation>Kan map niet maken: %1</translation>
    </message>
    <message>
        <location filename="../src/export/exportrun.cpp" line="91" />
        <source>No images selected to export.</source>
        <translation>Geen foto's gekozen om te exporteren.</translation>
    </message>
    <message>
        <location filename="../src/export/exportrun.cpp" line="120" />
        <source>%1 would replace %2, a photo of this export</source>
        <translation>%1 zou %2 vervangen, een foto van deze export</translation>
    </message>
    <message>
        <location filename="../src/export/exportrun.cpp" line="134" />
        <source>Viewer</source>
        <translation>Viewer</translation>
    </message>
    <message>
        <location filename="../src/export/exportrun.cpp" line="146" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/export/exportrun.cpp" line="149" />
        <source>%1: the help pages are missing</source>
        <translation>%1: de helppagina's ontbreken</translation>
    </message>
</context>
<context>
    <name>TExportTree</name>
    <message>
        <location filename="../src/mainwindow/exporttree.cpp" line="60" />
        <source>Photos</source>
        <translation>Foto's</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/exporttree.cpp" line="99" />
        <source>New folder</source>
        <translation>Nieuwe map</translation>
    </message>
</context>
<context>
    <name>TFileReplacer</name>
    <message>
        <location filename="../src/image/filereplacer.cpp" line="115" />
        <source>the photo changed while it was being saved</source>
        <translation>de foto is tijdens het opslaan gewijzigd</translation>
    </message>
</context>
<context>
    <name>TFindImagesForm</name>
    <message>
        <location filename="../src/search/findviewer.cpp" line="50" />
        <source>Zelvane - Find images</source>
        <translation>Zelvane - Foto's zoeken</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="53" />
        <source>Add actor</source>
        <translation>Persoon toevoegen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="54" />
        <source>Remove actor</source>
        <translation>Persoon verwijderen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="55" />
        <location filename="../src/search/findviewer.cpp" line="132" />
        <source>Uncheck all</source>
        <translation>Alles uitvinken</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="56" />
        <location filename="../src/search/findviewer.cpp" line="155" />
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="57" />
        <source>Reset search attributes</source>
        <translation>Zoekkenmerken wissen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="58" />
        <source>Show help for this form</source>
        <translation>Help bij dit venster tonen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="59" />
        <location filename="../src/search/findviewer.cpp" line="155" />
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="91" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="92" />
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="93" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="94" />
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="105" />
        <source>Start</source>
        <comment>the first day of the range</comment>
        <translation>Begin</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="106" />
        <source>End</source>
        <comment>the last day of the range</comment>
        <translation>Einde</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="113" />
        <source>Actors</source>
        <translation>Personen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="117" />
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="118" />
        <source>Any</source>
        <translation>Een van</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="132" />
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="132" />
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="142" />
        <source>Use previous result</source>
        <translation>Vorig resultaat gebruiken</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="143" />
        <source>Include subdirectories</source>
        <translation>Inclusief submappen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="155" />
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="155" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="229" />
        <source>No actor to be added.</source>
        <translation>Er is geen persoon om toe te voegen.</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="258" />
        <source>The name attribute is checked, but no value given.
Do you want to resume the search without the name?</source>
        <translation>Het kenmerk naam is aangevinkt, maar zonder waarde.
Wilt u zoeken zonder de naam?</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="264" />
        <source>No attributes checked to search.</source>
        <translation>Geen kenmerken aangevinkt om op te zoeken.</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="268" />
        <source>The enddate is smaller than the startdate.</source>
        <translation>De einddatum ligt voor de begindatum.</translation>
    </message>
</context>
<context>
    <name>TFontColorDialog</name>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="15" />
        <location filename="../src/controls/fontcolordialog.cpp" line="36" />
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="20" />
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="21" />
        <source>Italic</source>
        <translation>Cursief</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="22" />
        <source>Underline</source>
        <translation>Onderstreept</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="23" />
        <source>Strikeout</source>
        <translation>Doorgehaald</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="24" />
        <source>Colour...</source>
        <translation>Kleur...</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="25" />
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="37" />
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="38" />
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="39" />
        <location filename="../src/controls/fontcolordialog.cpp" line="59" />
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
</context>
<context>
    <name>TFullScreenViewer</name>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="27" />
        <source>Zelvane - View images</source>
        <translation>Zelvane - Foto's bekijken</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="82" />
        <location filename="../src/viewer/screenviewer.cpp" line="175" />
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="83" />
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="84" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="84" />
        <source>Show name</source>
        <translation>Naam tonen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="85" />
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="85" />
        <source>Show description</source>
        <translation>Beschrijving tonen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="86" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="86" />
        <source>Show location</source>
        <translation>Plaats tonen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="87" />
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="87" />
        <source>Show date and time</source>
        <translation>Datum en tijd tonen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="88" />
        <source>First image</source>
        <translation>Eerste foto</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="89" />
        <source>Previous image</source>
        <translation>Vorige foto</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="90" />
        <source>Next image</source>
        <translation>Volgende foto</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="91" />
        <source>Last image</source>
        <translation>Laatste foto</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="92" />
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="92" />
        <source>Start slide show</source>
        <translation>Diavoorstelling starten</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="93" />
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="94" />
        <source>Set slide show settings</source>
        <translation>Diavoorstelling instellen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="95" />
        <source>Rotate left</source>
        <translation>Linksom draaien</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="96" />
        <source>Rotate right</source>
        <translation>Rechtsom draaien</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="97" />
        <source>Zoom to fit</source>
        <translation>Passend maken</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="98" />
        <source>Full size</source>
        <translation>Ware grootte</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="99" />
        <source>ROI</source>
        <translation>Interessegebied</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="100" />
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="101" />
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="102" />
        <source>Reset zoom</source>
        <translation>Zoom herstellen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="103" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="104" />
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="105" />
        <source>Move left</source>
        <translation>Naar links</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="106" />
        <source>Move up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="107" />
        <source>Move right</source>
        <translation>Naar rechts</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="108" />
        <source>Move down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="181" />
        <source>Slide show</source>
        <translation>Diavoorstelling</translation>
    </message>
</context>
<context>
    <name>THTMLAlbum</name>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="95" />
        <source>No templates found for HTML pages.</source>
        <translation>Geen sjablonen gevonden voor HTML-pagina's.</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="171" />
        <source>Description:</source>
        <translation>Beschrijving:</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="175" />
        <source>Location:</source>
        <translation>Plaats:</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="178" />
        <source>Date and time:</source>
        <translation>Datum en tijd:</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="184" />
        <source>Images</source>
        <translation>Foto's</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="187" />
        <source>previous</source>
        <translation>vorige</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="188" />
        <source>next</source>
        <translation>volgende</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="225" />
        <source>The folders template has no line for %1</source>
        <translation>Het mappensjabloon heeft geen regel voor %1</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="246" />
        <source>No images</source>
        <translation>Geen foto's</translation>
    </message>
</context>
<context>
    <name>TImageCombo</name>
    <message>
        <location filename="../src/cards/imagecombo.cpp" line="85" />
        <source>None</source>
        <translation>Geen</translation>
    </message>
</context>
<context>
    <name>TImageToDraw</name>
    <message>
        <location filename="../src/image/imagetodraw_load.cpp" line="27" />
        <source>not a picture in a format Zelvane can read</source>
        <translation>geen afbeelding in een indeling die Zelvane kan lezen</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_load.cpp" line="29" />
        <source>not enough memory to decode the picture</source>
        <translation>te weinig geheugen om de afbeelding te lezen</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_load.cpp" line="31" />
        <source>the picture is damaged</source>
        <translation>de afbeelding is beschadigd</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_load.cpp" line="36" />
        <source>Error %1</source>
        <translation>Fout %1</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="28" />
        <source>Could not save image: %1</source>
        <translation>De foto kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="29" />
        <source>the photo's EXIF block is damaged</source>
        <translation>het EXIF-blok van de foto is beschadigd</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="31" />
        <source>the attributes do not fit in the photo's EXIF block (64 KiB)</source>
        <translation>de kenmerken passen niet in het EXIF-blok van de foto (64 KiB)</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="32" />
        <source>the photo's other metadata would not stay unchanged</source>
        <translation>de overige metagegevens van de foto zouden niet ongewijzigd blijven</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="33" />
        <source>the file is not a complete JPEG photo</source>
        <translation>het bestand is geen volledige JPEG-foto</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="34" />
        <source>Could not rename saved file to original name</source>
        <translation>Het opgeslagen bestand kon niet de oorspronkelijke naam krijgen</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="35" />
        <source>the photo's XMP block is damaged (with "Also write the attributes for other programs" switched off, Zelvane's own items can still be saved)</source>
        <translation>het XMP-blok van de foto is beschadigd (met "Kenmerken ook voor andere programma's opslaan" uitgeschakeld kunnen de eigen gegevens van Zelvane nog worden opgeslagen)</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="39" />
        <source>the photo's IPTC block is damaged (with "Also write the attributes for other programs" switched off, Zelvane's own items can still be saved)</source>
        <translation>het IPTC-blok van de foto is beschadigd (met "Kenmerken ook voor andere programma's opslaan" uitgeschakeld kunnen de eigen gegevens van Zelvane nog worden opgeslagen)</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="44" />
        <source>the attributes do not fit in the photo's XMP block (64 KiB)</source>
        <translation>de kenmerken passen niet in het XMP-blok van de foto (64 KiB)</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="46" />
        <source>the attributes do not fit in the photo's IPTC block (64 KiB)</source>
        <translation>de kenmerken passen niet in het IPTC-blok van de foto (64 KiB)</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="48" />
        <source>the IPTC trailer at the end of the photo (AFCP) could not be kept valid</source>
        <translation>het IPTC-aanhangsel aan het eind van de foto (AFCP) kon niet geldig blijven</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw.cpp" line="34" />
        <source>Only .jpg files can hold the attributes</source>
        <translation>Alleen .jpg-bestanden kunnen de kenmerken bewaren</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw.cpp" line="35" />
        <source>Read-only file</source>
        <translation>Alleen-lezen bestand</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw.cpp" line="36" />
        <source>Only JPEG photos can hold the attributes</source>
        <translation>Alleen JPEG-foto's kunnen de kenmerken bewaren</translation>
    </message>
</context>
<context>
    <name>TJobQueue</name>
    <message>
        <location filename="../src/jobs/jobqueue.cpp" line="187" />
        <source>Exception in background task</source>
        <translation>Fout in achtergrondtaak</translation>
    </message>
</context>
<context>
    <name>TMainFormViewer</name>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="99" />
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="100" />
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="101" />
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="101" />
        <source>Show result view</source>
        <translation>Resultaatweergave tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="102" />
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="102" />
        <source>Show print view</source>
        <translation>Afdrukweergave tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="103" />
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="103" />
        <source>Show export view</source>
        <translation>Exportweergave tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="104" />
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="104" />
        <source>Edit images</source>
        <translation>Foto's bewerken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="105" />
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="105" />
        <source>Find images</source>
        <translation>Foto's zoeken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="106" />
        <source>View</source>
        <translation>Bekijken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="106" />
        <source>View images</source>
        <translation>Foto's bekijken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="107" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="503" />
        <source>HTML pages</source>
        <translation>HTML-pagina's</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="107" />
        <source>Show HTML pages</source>
        <translation>HTML-pagina's tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="108" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="247" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="108" />
        <source>Sort result view by name</source>
        <translation>Resultaat sorteren op naam</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="109" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="247" />
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="109" />
        <source>Sort result view by date</source>
        <translation>Resultaat sorteren op datum</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="110" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="247" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="110" />
        <source>Sort result view by location</source>
        <translation>Resultaat sorteren op plaats</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="111" />
        <source>Create cards</source>
        <translation>Kaarten maken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="112" />
        <source>About Zelvane</source>
        <translation>Over Zelvane</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="113" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="185" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="113" />
        <source>Show help for this form</source>
        <translation>Help bij dit venster tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="114" />
        <source>New folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="115" />
        <source>Rename</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="116" />
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="117" />
        <source>Select all</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="118" />
        <source>Add selected images</source>
        <translation>Geselecteerde foto's toevoegen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="119" />
        <source>Remove selected images</source>
        <translation>Geselecteerde foto's verwijderen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="120" />
        <source>Open print images form</source>
        <translation>Venster foto's afdrukken openen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="121" />
        <source>Open export images form</source>
        <translation>Venster foto's exporteren openen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="122" />
        <source>Move images to previous place</source>
        <translation>Foto's een plaats naar voren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="123" />
        <source>Move images to next place</source>
        <translation>Foto's een plaats naar achteren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="124" />
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="124" />
        <source>Show details</source>
        <translation>Details tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="169" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="247" />
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="173" />
        <source>Views</source>
        <translation>Weergaven</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="178" />
        <source>Sort</source>
        <translation>Sorteren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="180" />
        <source>Images</source>
        <translation>Foto's</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="182" />
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="190" />
        <source>Tools</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="247" />
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="117" />
        <source>Number of images selected: </source>
        <translation>Aantal geselecteerde foto's: </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="41" />
        <source>Number of images selected for this folder: </source>
        <translation>Aantal geselecteerde foto's voor deze map: </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="43" />
        <source>Total number of images selected: </source>
        <translation>Totaal aantal geselecteerde foto's: </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="157" />
        <source>No images selected to export.</source>
        <translation>Geen foto's gekozen om te exporteren.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="431" />
        <source>No images to edit.</source>
        <translation>Er zijn geen foto's om te bewerken.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="446" />
        <source>No images selected to print.</source>
        <translation>Geen foto's gekozen om af te drukken.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="457" />
        <source>No image selected to create cards.</source>
        <translation>Geen foto gekozen om kaarten van te maken.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="470" />
        <source>No images to view.</source>
        <translation>Geen foto's om te bekijken.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="502" />
        <source>Open HTML pages</source>
        <translation>HTML-pagina's openen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="145" />
        <source>No images selected to add.</source>
        <translation>Geen foto's geselecteerd om toe te voegen.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="149" />
        <source>No folder to export images to.</source>
        <translation>Er is geen map om foto's naar te exporteren.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="207" />
        <source>Search result</source>
        <translation>Zoekresultaat</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="81" />
        <source>Cannot delete the root folder.</source>
        <translation>De hoofdmap kan niet worden verwijderd.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="93" />
        <source>Cannot drop this here.</source>
        <translation>Dit kan hier niet worden neergezet.</translation>
    </message>
</context>
<context>
    <name>TPhotoFile</name>
    <message>
        <location filename="../src/image/photofile.cpp" line="57" />
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <location filename="../src/image/photofile.cpp" line="119" />
        <source>the photo is being saved by another program</source>
        <translation>de foto wordt door een ander programma opgeslagen</translation>
    </message>
</context>
<context>
    <name>TPhotoRegistry</name>
    <message>
        <location filename="../src/settings/photoregistry.cpp" line="66" />
        <source>No actors;</source>
        <translation>Geen personen;</translation>
    </message>
    <message>
        <location filename="../src/settings/photoregistry.cpp" line="90" />
        <source>Could not save the settings to %1</source>
        <translation>De instellingen konden niet worden opgeslagen in %1</translation>
    </message>
</context>
<context>
    <name>TPrintJob</name>
    <message>
        <location filename="../src/print/printjob.cpp" line="32" />
        <source>there is nothing to print</source>
        <translation>er is niets af te drukken</translation>
    </message>
    <message>
        <location filename="../src/print/printjob.cpp" line="48" />
        <source>the print job could not be started</source>
        <translation>de afdruktaak kon niet beginnen</translation>
    </message>
    <message>
        <location filename="../src/print/printjob.cpp" line="59" />
        <source>a new page could not be started</source>
        <translation>er kon geen nieuwe pagina beginnen</translation>
    </message>
    <message>
        <location filename="../src/print/printjob.cpp" line="90" />
        <source>the print job could not be finished</source>
        <translation>de afdruktaak kon niet worden afgerond</translation>
    </message>
</context>
<context>
    <name>TPrintLayout</name>
    <message>
        <location filename="../src/print/printlayout.cpp" line="117" />
        <source>The file %1 is not a print layout file.</source>
        <translation>Het bestand %1 is geen afdrukindelingsbestand.</translation>
    </message>
    <message>
        <location filename="../src/print/printlayout.cpp" line="130" />
        <source>Cannot read %1: %2</source>
        <translation>Kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <location filename="../src/print/printlayout.cpp" line="147" />
        <source>Cannot save %1: %2</source>
        <translation>Kan %1 niet opslaan: %2</translation>
    </message>
</context>
<context>
    <name>TPrintLayoutFormViewer</name>
    <message>
        <location filename="../src/print/printviewer.cpp" line="44" />
        <source>Zelvane - Print images</source>
        <translation>Zelvane - Foto's afdrukken</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="70" />
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="70" />
        <source>Load layout settings</source>
        <translation>Indeling laden</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="71" />
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="71" />
        <source>Save layout settings</source>
        <translation>Indeling opslaan</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="72" />
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="72" />
        <source>Set default layout settings</source>
        <translation>Standaardindeling instellen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="73" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="73" />
        <source>Show help</source>
        <translation>Help tonen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="74" />
        <source>Printer settings</source>
        <translation>Printerinstellingen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="75" />
        <source>Open printer settings dialog</source>
        <translation>Printerinstellingen openen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="76" />
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="76" />
        <source>Start printing</source>
        <translation>Afdrukken starten</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="77" />
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="77" />
        <source>Close form</source>
        <translation>Venster sluiten</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="78" />
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="78" />
        <source>Set text font</source>
        <translation>Lettertype van de tekst kiezen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="112" />
        <source>Number of images</source>
        <translation>Aantal foto's</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="113" />
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="114" />
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="115" />
        <source>Number of pages</source>
        <translation>Aantal pagina's</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="117" />
        <source>Orientation</source>
        <translation>Stand</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="118" />
        <source>Portrait</source>
        <translation>Staand</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="119" />
        <source>Landscape</source>
        <translation>Liggend</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="125" />
        <source>Center images</source>
        <translation>Foto's centreren</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="126" />
        <source>Use best position</source>
        <translation>Beste stand gebruiken</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="128" />
        <source>Use region of interest</source>
        <translation>Interessegebied gebruiken</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="130" />
        <source>Draw grid lines</source>
        <translation>Rasterlijnen tekenen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="133" />
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="134" />
        <source>No name</source>
        <translation>Geen naam</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="136" />
        <source>Filename</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="137" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="138" />
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="149" />
        <source>Margin (%)</source>
        <translation>Marge (%)</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="150" />
        <source>Show page</source>
        <translation>Pagina tonen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="152" />
        <source>Print layout settings</source>
        <translation>Afdrukindeling</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="359" />
        <source>Zelvane - Load print layout settings</source>
        <translation>Zelvane - Afdrukindeling laden</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="360" />
        <source>Print layout files  (*.vzp)</source>
        <translation>Afdrukindelingen  (*.vzp)</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="366" />
        <source>Zelvane - Save print layout settings</source>
        <translation>Zelvane - Afdrukindeling opslaan</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="367" />
        <source>Print layout files (*.vzp)</source>
        <translation>Afdrukindelingen (*.vzp)</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="438" />
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="451" />
        <source>Printing failed: %1</source>
        <translation>Afdrukken mislukt: %1</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <location filename="../src/controls/progressform.cpp" line="10" />
        <source>Zelvane - Progress</source>
        <translation>Zelvane - Voortgang</translation>
    </message>
    <message>
        <location filename="../src/controls/progressform.cpp" line="18" />
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TSaveAttributesForm</name>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="10" />
        <source>Zelvane- Save attributes</source>
        <translation>Zelvane- Gegevens opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="12" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="13" />
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="14" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="15" />
        <source>Actors</source>
        <translation>Personen</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="21" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="22" />
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TSaveImage</name>
    <message>
        <location filename="../src/export/saveimage.cpp" line="37" />
        <source>the photo could not be drawn</source>
        <translation>de foto kon niet worden getekend</translation>
    </message>
    <message>
        <location filename="../src/export/saveimage.cpp" line="48" />
        <source>the picture could not be encoded</source>
        <translation>de foto kon niet worden gecodeerd</translation>
    </message>
    <message>
        <location filename="../src/export/saveimage.cpp" line="72" />
        <location filename="../src/export/saveimage.cpp" line="78" />
        <source>the attributes could not be stored</source>
        <translation>de kenmerken konden niet worden opgeslagen</translation>
    </message>
</context>
<context>
    <name>TSelectBackgroundForm</name>
    <message>
        <location filename="../src/cards/backgroundform.cpp" line="14" />
        <source>Zelvane - Select background</source>
        <translation>Zelvane - Achtergrond kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/backgroundform.cpp" line="15" />
        <location filename="../src/cards/backgroundform.cpp" line="49" />
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <location filename="../src/cards/backgroundform.cpp" line="16" />
        <source>Pattern</source>
        <translation>Patroon</translation>
    </message>
    <message>
        <location filename="../src/cards/backgroundform.cpp" line="22" />
        <source>Select</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/backgroundform.cpp" line="25" />
        <source>Set background color</source>
        <translation>Achtergrondkleur kiezen</translation>
    </message>
</context>
<context>
    <name>TSetBorderForm</name>
    <message>
        <location filename="../src/cards/borderform.cpp" line="32" />
        <source>Zelvane - Set border</source>
        <translation>Zelvane - Rand instellen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="33" />
        <location filename="../src/cards/borderform.cpp" line="106" />
        <source>Set line color</source>
        <translation>Lijnkleur</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="33" />
        <source>Set color for line</source>
        <translation>Lijnkleur kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="34" />
        <source>Upper left</source>
        <translation>Linksboven</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="34" />
        <source>Upper left ornament</source>
        <translation>Ornament linksboven</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="35" />
        <source>Upper right</source>
        <translation>Rechtsboven</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="35" />
        <source>Upper right ornament</source>
        <translation>Ornament rechtsboven</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="36" />
        <source>Bottom left</source>
        <translation>Linksonder</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="36" />
        <source>Bottom left ornament</source>
        <translation>Ornament linksonder</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="37" />
        <source>Bottom right</source>
        <translation>Rechtsonder</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="37" />
        <source>Bottom right ornament</source>
        <translation>Ornament rechtsonder</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="38" />
        <source>Fill</source>
        <translation>Vulling</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="38" />
        <source>Select fill</source>
        <translation>Vulling kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="39" />
        <source>Rectangle</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="39" />
        <source>Line style rectangle</source>
        <translation>Lijnstijl rechthoek</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="40" />
        <source>Filled rectangle</source>
        <translation>Gevulde rechthoek</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="40" />
        <source>Line style filled rectangle</source>
        <translation>Lijnstijl gevulde rechthoek</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="41" />
        <source>Ellipse</source>
        <translation>Ellips</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="41" />
        <source>Line style ellipse</source>
        <translation>Lijnstijl ellips</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="42" />
        <source>Filled ellipse</source>
        <translation>Gevulde ellips</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="42" />
        <source>Line style filled ellipse</source>
        <translation>Lijnstijl gevulde ellips</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="43" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="43" />
        <source>Show help for this form</source>
        <translation>Help bij dit venster tonen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="45" />
        <source>Lines</source>
        <translation>Lijnen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="46" />
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="47" />
        <source>Single</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="48" />
        <source>Double</source>
        <translation>Dubbel</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="56" />
        <source>Width (%)</source>
        <translation>Breedte (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="61" />
        <source>Outer line</source>
        <translation>Buitenlijn</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="63" />
        <source>Inner line</source>
        <translation>Binnenlijn</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="65" />
        <source>Space</source>
        <translation>Tussenruimte</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="67" />
        <source>Margins (%)</source>
        <translation>Marges (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="69" />
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="69" />
        <source>Top</source>
        <translation>Boven</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="69" />
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="69" />
        <source>Bottom</source>
        <translation>Onder</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="85" />
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="108" />
        <source>Select line</source>
        <translation>Lijn kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="109" />
        <source>Outer</source>
        <translation>Buiten</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="110" />
        <source>Inner</source>
        <translation>Binnen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="111" />
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="119" />
        <source>Ornaments</source>
        <translation>Ornamenten</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="145" />
        <source>Image</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="147" />
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="150" />
        <source>Margin (%)</source>
        <translation>Marge (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="197" />
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
</context>
<context>
    <name>TSlideShowForm</name>
    <message>
        <location filename="../src/viewer/slideshowform.cpp" line="14" />
        <source>Slide show settings</source>
        <translation>Instellingen diavoorstelling</translation>
    </message>
    <message>
        <location filename="../src/viewer/slideshowform.cpp" line="17" />
        <source>Seconds till next image</source>
        <translation>Seconden tot volgende foto</translation>
    </message>
    <message>
        <location filename="../src/viewer/slideshowform.cpp" line="25" />
        <source>Repeat show</source>
        <translation>Voorstelling herhalen</translation>
    </message>
</context>
</TS>