<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="nl_NL">
<context>
    <name>CardFile</name>
    <message>
        <location filename="../src/cards/cardfile.cpp" line="112" />
        <source>The file %1 is not a card settings file.</source>
        <translation>Het bestand %1 is geen kaartinstellingenbestand.</translation>
    </message>
    <message>
        <location filename="../src/cards/cardfile.cpp" line="304" />
        <source>Cannot save %1: %2</source>
        <translation>Kan %1 niet opslaan: %2</translation>
    </message>
</context>
<context>
    <name>CardPrint</name>
    <message>
        <location filename="../src/cards/cardprint.cpp" line="34" />
        <source>the print job could not be started</source>
        <translation>de afdruktaak kon niet beginnen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardprint.cpp" line="41" />
        <source>a new page could not be started</source>
        <translation>er kon geen nieuwe pagina beginnen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardprint.cpp" line="49" />
        <source>the print job could not be finished</source>
        <translation>de afdruktaak kon niet worden afgerond</translation>
    </message>
</context>
<context>
    <name>DateFormats</name>
    <message>
        <location filename="../src/image/datetime.cpp" line="200" />
        <source>mmm dd, yyyy</source>
        <translation>dd mmm yyyy</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="204" />
        <source>mmmm d, yyyy</source>
        <translation>d mmmm yyyy</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="208" />
        <source>mmmm d, yyyy hh:nn:ss</source>
        <translation>d mmmm yyyy hh:nn:ss</translation>
    </message>
</context>
<context>
    <name>DesktopOpener</name>
    <message>
        <location filename="../src/controls/desktopopener.cpp" line="29" />
        <source>No program could be started to open %1.</source>
        <translation>Er kon geen programma worden gestart om %1 te openen.</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <location filename="../src/export/exportfile.cpp" line="13" />
        <source>Could not save file: %1</source>
        <translation>Kan bestand niet opslaan: %1</translation>
    </message>
</context>
<context>
    <name>ExportProgress</name>
    <message>
        <location filename="../src/export/exportprogress.cpp" line="37" />
        <source>1 file in %1 will be replaced. Continue?</source>
        <translation>1 bestand in %1 wordt vervangen. Doorgaan?</translation>
    </message>
    <message>
        <location filename="../src/export/exportprogress.cpp" line="38" />
        <source>%1 files in %2 will be replaced. Continue?</source>
        <translation>%1 bestanden in %2 worden vervangen. Doorgaan?</translation>
    </message>
</context>
<context>
    <name>FileChoice</name>
    <message>
        <location filename="../src/controls/filechoice.cpp" line="47" />
        <source>Some settings of %1 were corrected:</source>
        <translation>Enkele instellingen van %1 zijn gecorrigeerd:</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <location filename="../src/image/datetime.cpp" line="154" />
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="154" />
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="155" />
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="155" />
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="156" />
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="156" />
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="157" />
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="157" />
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="158" />
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="158" />
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="159" />
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="159" />
        <source>December</source>
        <translation>december</translation>
    </message>
</context>
<context>
    <name>ShortMonths</name>
    <message>
        <location filename="../src/image/datetime.cpp" line="165" />
        <source>Jan</source>
        <translation>jan</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="165" />
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="166" />
        <source>Mar</source>
        <translation>mrt</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="166" />
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="167" />
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="167" />
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="168" />
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="168" />
        <source>Aug</source>
        <translation>aug</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="169" />
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="169" />
        <source>Oct</source>
        <translation>okt</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="170" />
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <location filename="../src/image/datetime.cpp" line="170" />
        <source>Dec</source>
        <translation>dec</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <location filename="../src/mainwindow/aboutform.cpp" line="15" />
        <source>About Zelvane</source>
        <translation>Over Zelvane</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/aboutform.cpp" line="30" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/aboutform.cpp" line="35" />
        <source>Version:</source>
        <translation>Versie:</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/aboutform.cpp" line="37" />
        <source>Copyright 2026 Vorn Software.
Zelvane is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), and comes with no warranty.</source>
        <translation>Copyright 2026 Vorn Software.
Zelvane is vrije software onder de GNU General Public License, versie 3 of later (GPL-3.0-or-later), en wordt zonder enige garantie geleverd.</translation>
    </message>
</context>
<context>
    <name>TCreateCardsFormViewer</name>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="56" />
        <source>Zelvane - Create cards</source>
        <translation>Zelvane - Kaarten maken</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="83" />
        <location filename="../src/cards/cardsviewer.cpp" line="299" />
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="83" />
        <source>Place left</source>
        <translation>Links plaatsen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="85" />
        <source>Center</source>
        <translation>Midden</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="85" />
        <source>Center horizontal</source>
        <translation>Horizontaal centreren</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="86" />
        <location filename="../src/cards/cardsviewer.cpp" line="299" />
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="86" />
        <source>Place right</source>
        <translation>Rechts plaatsen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="87" />
        <location filename="../src/cards/cardsviewer.cpp" line="299" />
        <source>Top</source>
        <translation>Boven</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="87" />
        <source>Place top</source>
        <translation>Bovenaan plaatsen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="89" />
        <source>Middle</source>
        <translation>Midden</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="89" />
        <source>Center vertical</source>
        <translation>Verticaal centreren</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="90" />
        <location filename="../src/cards/cardsviewer.cpp" line="299" />
        <source>Bottom</source>
        <translation>Onder</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="90" />
        <source>Place bottom</source>
        <translation>Onderaan plaatsen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="91" />
        <source>Move left</source>
        <translation>Naar links</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="92" />
        <source>Move up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="94" />
        <source>Move right</source>
        <translation>Naar rechts</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="95" />
        <source>Move down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="96" />
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="97" />
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="97" />
        <source>Load card settings</source>
        <translation>Kaartinstellingen laden</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="98" />
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="98" />
        <source>Save card settings</source>
        <translation>Kaartinstellingen opslaan</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="100" />
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="100" />
        <source>Default card settings</source>
        <translation>Standaardkaartinstellingen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="101" />
        <location filename="../src/cards/cardsviewer.cpp" line="278" />
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="101" />
        <source>Open print dialog</source>
        <translation>Afdrukvenster openen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="102" />
        <source>Printer settings</source>
        <translation>Printerinstellingen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="103" />
        <source>Open printer settings dialog</source>
        <translation>Printerinstellingen openen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="104" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="105" />
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="106" />
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="107" />
        <source>Set background color or pattern</source>
        <translation>Achtergrondkleur of -patroon kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="108" />
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="108" />
        <source>Set border</source>
        <translation>Rand instellen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="109" />
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="109" />
        <source>Set font</source>
        <translation>Lettertype kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="110" />
        <source>Align left</source>
        <translation>Links uitlijnen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="112" />
        <source>Align center</source>
        <translation>Centreren</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="114" />
        <source>Align right</source>
        <translation>Rechts uitlijnen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="160" />
        <source>Zelvane - Load card settings</source>
        <translation>Zelvane - Kaartinstellingen laden</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="161" />
        <location filename="../src/cards/cardsviewer.cpp" line="167" />
        <source>Card settings files (*.vzc)</source>
        <translation>Kaartinstellingen (*.vzc)</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="166" />
        <source>Zelvane - Save card settings</source>
        <translation>Zelvane - Kaartinstellingen opslaan</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="193" />
        <source>Card type</source>
        <translation>Soort kaart</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="194" />
        <source>Foldcard</source>
        <translation>Vouwkaart</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="196" />
        <source>Postcard</source>
        <translation>Ansichtkaart</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="210" />
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="212" />
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="216" />
        <source>Fold direction</source>
        <translation>Vouwrichting</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="226" />
        <source>Side by side</source>
        <translation>Naast elkaar</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="226" />
        <source>One above the other</source>
        <translation>Boven elkaar</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="226" />
        <source>Four parts</source>
        <translation>In vieren</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="235" />
        <source>Front and back on one side</source>
        <translation>Voor- en achterkant op één zijde</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="241" />
        <source>Nr of cards on page</source>
        <translation>Aantal kaarten per pagina</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="255" />
        <source>Page settings</source>
        <translation>Pagina-instellingen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="256" />
        <source>Center cards</source>
        <translation>Kaarten centreren</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="258" />
        <source>Draw grid lines</source>
        <translation>Rasterlijnen tekenen</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="260" />
        <source>Use region of interest</source>
        <translation>Interessegebied gebruiken</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="262" />
        <source>Use best position</source>
        <translation>Beste stand gebruiken</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="269" />
        <source>Orientation</source>
        <translation>Stand</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="270" />
        <source>Portrait</source>
        <translation>Staand</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="272" />
        <source>Landscape</source>
        <translation>Liggend</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="280" />
        <location filename="../src/cards/cardsviewer.cpp" line="292" />
        <source>Front</source>
        <translation>Voorkant</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="282" />
        <location filename="../src/cards/cardsviewer.cpp" line="293" />
        <source>Back</source>
        <translation>Achterkant</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="284" />
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="296" />
        <location filename="../src/cards/cardsviewer.cpp" line="568" />
        <source>Image margin (%)</source>
        <translation>Fotomarge (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="322" />
        <source>Background margin (%)</source>
        <translation>Achtergrondmarge (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="368" />
        <source>Card</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="369" />
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="568" />
        <source>Border margin (%)</source>
        <translation>Randmarge (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="693" />
        <source>Replace this card design by the default settings?</source>
        <translation>Dit kaartontwerp vervangen door de standaardinstellingen?</translation>
    </message>
    <message>
        <source>Some settings of %1 were corrected:</source>
        <translation>Enkele instellingen van %1 zijn gecorrigeerd:</translation>
    </message>
    <message>
        <location filename="../src/cards/cardsviewer.cpp" line="804" />
        <source>Printing failed: %1</source>
        <translation>Afdrukken mislukt: %1</translation>
    </message>
</context>
<context>
    <name>TDirectoryTree</name>
    <message>
        <location filename="../src/controls/directorytree.cpp" line="66" />
        <source>New Folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <location filename="../src/controls/directorytree.cpp" line="108" />
        <source>File System</source>
        <translation>Bestandssysteem</translation>
    </message>
    <message>
        <location filename="../src/controls/directorytree.cpp" line="109" />
        <source>Home</source>
        <translation>Persoonlijke map</translation>
    </message>
    <message>
        <location filename="../src/controls/directorytree.cpp" line="255" />
        <source>Cannot delete the root directory</source>
        <translation>De hoofdmap kan niet worden verwijderd</translation>
    </message>
    <message>
        <location filename="../src/controls/directorytree.cpp" line="256" />
        <source>Cannot delete a directory that has subdirectories</source>
        <translation>Een map met submappen kan niet worden verwijderd</translation>
    </message>
</context>
<context>
    <name>TEditImagesFormViewer</name>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="40" />
        <source>Zelvane - Edit images</source>
        <translation>Zelvane - Foto's bewerken</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="67" />
        <source>Rotate left</source>
        <translation>Linksom draaien</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="68" />
        <source>Rotate right</source>
        <translation>Rechtsom draaien</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="69" />
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="70" />
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="71" />
        <source>Edit red eyes</source>
        <translation>Rode ogen bewerken</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="73" />
        <source>Restore red eyes</source>
        <translation>Rode ogen herstellen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="74" />
        <source>Show ROI</source>
        <translation>Uitsnede tonen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="75" />
        <source>Set ROI</source>
        <translation>Uitsnede kiezen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="76" />
        <source>Reset ROI</source>
        <translation>Uitsnede opheffen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="77" />
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="80" />
        <source>First image</source>
        <translation>Eerste foto</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="81" />
        <source>Previous image</source>
        <translation>Vorige foto</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="82" />
        <source>Next image</source>
        <translation>Volgende foto</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="83" />
        <source>Last image</source>
        <translation>Laatste foto</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="84" />
        <source>Save all images</source>
        <translation>Alle foto's opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="85" />
        <source>Save image</source>
        <translation>Foto opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="86" />
        <source>Show help for this form</source>
        <translation>Help bij dit venster tonen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="87" />
        <source>Close form</source>
        <translation>Venster sluiten</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="88" />
        <source>Add actor</source>
        <translation>Persoon toevoegen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="89" />
        <source>Remove actor</source>
        <translation>Persoon verwijderen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="90" />
        <source>Uncheck all actors</source>
        <translation>Alle personen uitvinken</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="159" />
        <source>Area</source>
        <translation>Gebied</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="161" />
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="185" />
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="190" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="195" />
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="201" />
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="208" />
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="215" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="219" />
        <source>Actors</source>
        <translation>Personen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="231" />
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="231" />
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="231" />
        <source>Uncheck</source>
        <translation>Uitvinken</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="239" />
        <source>Always save image</source>
        <translation>Foto altijd opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="242" />
        <source>Also write the attributes for other programs</source>
        <translation>Kenmerken ook voor andere programma's opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="244" />
        <source>Saves the name, description, location, people and date also in the XMP, IPTC and EXIF fields that other photo programs read</source>
        <translation>Slaat de naam, de beschrijving, de plaats, de personen en de datum ook op in de XMP-, IPTC- en EXIF-velden die andere fotoprogramma's lezen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="254" />
        <source>Save all</source>
        <translation>Alles opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="256" />
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="258" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer.cpp" line="259" />
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="128" />
        <source>No actor to be added.</source>
        <translation>Er is geen persoon om toe te voegen.</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="170" />
        <source>The image attributes have changed. Do you want to save the changes?</source>
        <translation>De gegevens van de foto zijn gewijzigd. Wilt u de wijzigingen opslaan?</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="181" />
        <source>No name given, not possible to save the image.</source>
        <translation>Geen naam opgegeven, de foto kan niet worden opgeslagen.</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="198" />
        <source>Not saved</source>
        <translation>Niet opgeslagen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="204" />
        <source>Saved</source>
        <translation>Opgeslagen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="273" />
        <source>Saved %1 of %2 photos</source>
        <translation>%1 van %2 foto's opgeslagen</translation>
    </message>
    <message>
        <location filename="../src/edit/editviewer_attributes.cpp" line="274" />
        <source>Saved %1 of %2 photos, %3 not saved</source>
        <translation>%1 van %2 foto's opgeslagen, %3 niet opgeslagen</translation>
    </message>
</context>
<context>
    <name>TExportOptionsForm</name>
    <message>
        <location filename="../src/export/exportform.cpp" line="27" />
        <source>Zelvane - Export images</source>
        <translation>Zelvane - Foto's exporteren</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="176" />
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="176" />
        <source>Start export</source>
        <translation>Exporteren starten</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="177" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="177" />
        <source>Show help for this form</source>
        <translation>Help bij dit venster tonen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="178" />
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="179" />
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="31" />
        <source>Destination</source>
        <translation>Bestemming</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="36" />
        <source>New folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="37" />
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="43" />
        <source>Copy images</source>
        <translation>Foto's kopiëren</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="45" />
        <source>HTML pages</source>
        <translation>HTML-pagina's</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="47" />
        <source>CD preparation</source>
        <translation>Cd voorbereiden</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="57" />
        <source>Include</source>
        <translation>Meenemen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="59" />
        <source>Autorun and viewer</source>
        <translation>Autorun en viewer</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="61" />
        <source>Only viewer</source>
        <translation>Alleen viewer</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="63" />
        <source>Nothing</source>
        <translation>Niets</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="70" />
        <source>Image size</source>
        <translation>Fotogrootte</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="71" />
        <source>Full image size</source>
        <translation>Volledige grootte</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="89" />
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="91" />
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="93" />
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="99" />
        <source>Use ROI</source>
        <translation>Interessegebied</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="101" />
        <source>Use region of interest</source>
        <translation>Interessegebied gebruiken</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="107" />
        <source>Launch browser</source>
        <translation>Browser openen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="109" />
        <source>Launch browser after creating HTML pages</source>
        <translation>De browser openen na het maken van de HTML-pagina's</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="112" />
        <source>Show atttributes</source>
        <translation>Kenmerken tonen</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="116" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="116" />
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="116" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="116" />
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <location filename="../src/export/exportform.cpp" line="236" />
        <location filename="../src/tools/export/exportcommand.cpp" line="193" />
        <source>Incorrect image width and/or height.</source>
        <translation>Onjuiste breedte en/of hoogte van de foto.</translation>
    </message>
</context>
<context>
    <name>TExportRun</name>
    <message>
        <location filename="../src/export/exportrun.cpp" line="25" />
        <source>Could not create folder: %1</source>
        <translation>Kan map niet maken: %1</translation>
    </message>
    <message>
        <location filename="../src/export/exportrun.cpp" line="102" />
        <source>No images selected to export.</source>
        <translation>Geen foto's gekozen om te exporteren.</translation>
    </message>
    <message>
        <location filename="../src/export/exportrun.cpp" line="131" />
        <source>%1 would replace %2, a photo of this export</source>
        <translation>%1 zou %2 vervangen, een foto van deze export</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Viewer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>%1: the help pages are missing</source>
        <translation>%1: de helppagina's ontbreken</translation>
    </message>
</context>
<context>
    <name>TExportTree</name>
    <message>
        <location filename="../src/mainwindow/exporttree.cpp" line="61" />
        <source>Photos</source>
        <translation>Foto's</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/exporttree.cpp" line="101" />
        <source>New folder</source>
        <translation>Nieuwe map</translation>
    </message>
</context>
<context>
    <name>TFileReplacer</name>
    <message>
        <location filename="../src/base/filereplacer.cpp" line="45" />
        <source>the photo changed while it was being saved</source>
        <translation>de foto is tijdens het opslaan gewijzigd</translation>
    </message>
</context>
<context>
    <name>TFindImagesForm</name>
    <message>
        <location filename="../src/search/findviewer.cpp" line="52" />
        <source>Zelvane - Find images</source>
        <translation>Zelvane - Foto's zoeken</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="72" />
        <source>Add actor</source>
        <translation>Persoon toevoegen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="73" />
        <source>Remove actor</source>
        <translation>Persoon verwijderen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="74" />
        <location filename="../src/search/findviewer.cpp" line="153" />
        <source>Uncheck all</source>
        <translation>Alles uitvinken</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="75" />
        <location filename="../src/search/findviewer.cpp" line="178" />
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="77" />
        <source>Reset search attributes</source>
        <translation>Zoekkenmerken wissen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="78" />
        <source>Show help for this form</source>
        <translation>Help bij dit venster tonen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="79" />
        <location filename="../src/search/findviewer.cpp" line="178" />
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="95" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="96" />
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="97" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="98" />
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="110" />
        <source>Start</source>
        <comment>the first day of the range</comment>
        <translation>Begin</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="111" />
        <source>End</source>
        <comment>the last day of the range</comment>
        <translation>Einde</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="128" />
        <source>Actors</source>
        <translation>Personen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="133" />
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="135" />
        <source>Any</source>
        <translation>Een van</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="153" />
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="153" />
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="163" />
        <source>Use previous result</source>
        <translation>Vorig resultaat gebruiken</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="165" />
        <source>Include subdirectories</source>
        <translation>Inclusief submappen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="178" />
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="178" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="247" />
        <source>No actor to be added.</source>
        <translation>Er is geen persoon om toe te voegen.</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="277" />
        <source>The name attribute is checked, but no value given.
Do you want to resume the search without the name?</source>
        <translation>Het kenmerk naam is aangevinkt, maar zonder waarde.
Wilt u zoeken zonder de naam?</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="283" />
        <source>No attributes checked to search.</source>
        <translation>Geen kenmerken aangevinkt om op te zoeken.</translation>
    </message>
    <message>
        <location filename="../src/search/findviewer.cpp" line="287" />
        <source>The enddate is smaller than the startdate.</source>
        <translation>De einddatum ligt voor de begindatum.</translation>
    </message>
</context>
<context>
    <name>TFontColorDialog</name>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="16" />
        <location filename="../src/controls/fontcolordialog.cpp" line="37" />
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="21" />
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="22" />
        <source>Italic</source>
        <translation>Cursief</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="23" />
        <source>Underline</source>
        <translation>Onderstreept</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="24" />
        <source>Strikeout</source>
        <translation>Doorgehaald</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="25" />
        <source>Colour...</source>
        <translation>Kleur...</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="26" />
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="38" />
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="39" />
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <location filename="../src/controls/fontcolordialog.cpp" line="40" />
        <location filename="../src/controls/fontcolordialog.cpp" line="60" />
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
</context>
<context>
    <name>TFullScreenViewer</name>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="29" />
        <source>Zelvane - View images</source>
        <translation>Zelvane - Foto's bekijken</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="86" />
        <location filename="../src/viewer/screenviewer.cpp" line="184" />
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="87" />
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="88" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="88" />
        <source>Show name</source>
        <translation>Naam tonen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="90" />
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="90" />
        <source>Show description</source>
        <translation>Beschrijving tonen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="91" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="91" />
        <source>Show location</source>
        <translation>Plaats tonen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="93" />
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="93" />
        <source>Show date and time</source>
        <translation>Datum en tijd tonen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="94" />
        <source>First image</source>
        <translation>Eerste foto</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="95" />
        <source>Previous image</source>
        <translation>Vorige foto</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="96" />
        <source>Next image</source>
        <translation>Volgende foto</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="100" />
        <source>Last image</source>
        <translation>Laatste foto</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="102" />
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="102" />
        <source>Start slide show</source>
        <translation>Diavoorstelling starten</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="103" />
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="104" />
        <source>Set slide show settings</source>
        <translation>Diavoorstelling instellen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="105" />
        <source>Rotate left</source>
        <translation>Linksom draaien</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="106" />
        <source>Rotate right</source>
        <translation>Rechtsom draaien</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="107" />
        <source>Zoom to fit</source>
        <translation>Passend maken</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="108" />
        <source>Full size</source>
        <translation>Ware grootte</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="109" />
        <source>ROI</source>
        <translation>Interessegebied</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="110" />
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="111" />
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="112" />
        <source>Reset zoom</source>
        <translation>Zoom herstellen</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="113" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="114" />
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="115" />
        <source>Move left</source>
        <translation>Naar links</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="116" />
        <source>Move up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="117" />
        <source>Move right</source>
        <translation>Naar rechts</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="118" />
        <source>Move down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <location filename="../src/viewer/screenviewer.cpp" line="189" />
        <source>Slide show</source>
        <translation>Diavoorstelling</translation>
    </message>
</context>
<context>
    <name>THTMLAlbum</name>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="96" />
        <source>No templates found for HTML pages.</source>
        <translation>Geen sjablonen gevonden voor HTML-pagina's.</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="188" />
        <source>Description:</source>
        <translation>Beschrijving:</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="192" />
        <source>Location:</source>
        <translation>Plaats:</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="195" />
        <source>Date and time:</source>
        <translation>Datum en tijd:</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="201" />
        <source>Images</source>
        <translation>Foto's</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="204" />
        <source>previous</source>
        <translation>vorige</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="205" />
        <source>next</source>
        <translation>volgende</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="243" />
        <source>The folders template has no line for %1</source>
        <translation>Het mappensjabloon heeft geen regel voor %1</translation>
    </message>
    <message>
        <location filename="../src/export/htmlalbum.cpp" line="264" />
        <source>No images</source>
        <translation>Geen foto's</translation>
    </message>
</context>
<context>
    <name>THeifPicture</name>
    <message>
        <location filename="../src/image/heifpicture.cpp" line="98" />
        <source>the HEIF picture is damaged</source>
        <translation>de HEIF-afbeelding is beschadigd</translation>
    </message>
    <message>
        <location filename="../src/image/heifpicture.cpp" line="99" />
        <source>the HEIF picture is damaged (%1)</source>
        <translation>de HEIF-afbeelding is beschadigd (%1)</translation>
    </message>
    <message>
        <location filename="../src/image/heifpicture.cpp" line="134" />
        <source>not a HEIF or AVIF picture</source>
        <translation>geen HEIF- of AVIF-afbeelding</translation>
    </message>
    <message>
        <location filename="../src/image/heifpicture.cpp" line="146" />
        <source>the HEIF picture has no size</source>
        <translation>de HEIF-afbeelding heeft geen afmetingen</translation>
    </message>
    <message>
        <location filename="../src/image/heifpicture.cpp" line="149" />
        <source>the picture is too large (%1 megapixels; at most %2 are read)</source>
        <translation>de afbeelding is te groot (%1 megapixel; er worden er hoogstens %2 gelezen)</translation>
    </message>
    <message>
        <location filename="../src/image/heifpicture.cpp" line="239" />
        <source>not enough memory to decode the picture</source>
        <translation>te weinig geheugen om de afbeelding te lezen</translation>
    </message>
</context>
<context>
    <name>TImageCombo</name>
    <message>
        <location filename="../src/cards/imagecombo.cpp" line="86" />
        <source>None</source>
        <translation>Geen</translation>
    </message>
</context>
<context>
    <name>TImageToDraw</name>
    <message>
        <location filename="../src/image/imagetodraw_load.cpp" line="31" />
        <source>not a picture in a format Zelvane can read</source>
        <translation>geen afbeelding in een indeling die Zelvane kan lezen</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_load.cpp" line="33" />
        <source>not enough memory to decode the picture</source>
        <translation>te weinig geheugen om de afbeelding te lezen</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_load.cpp" line="35" />
        <source>the picture is damaged</source>
        <translation>de afbeelding is beschadigd</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_load.cpp" line="74" />
        <source>Error %1</source>
        <translation>Fout %1</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_load.cpp" line="270" />
        <location filename="../src/image/imagetodraw_save.cpp" line="53" />
        <source>the XMP sidecar cannot be read: %1</source>
        <translation>het XMP-bijbestand kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_load.cpp" line="286" />
        <location filename="../src/image/imagetodraw_save.cpp" line="50" />
        <source>the XMP sidecar is damaged</source>
        <translation>het XMP-bijbestand is beschadigd</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="31" />
        <source>Could not save image: %1</source>
        <translation>De foto kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="32" />
        <source>the photo's EXIF block is damaged</source>
        <translation>het EXIF-blok van de foto is beschadigd</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="34" />
        <source>the attributes do not fit in the photo's EXIF block (64 KiB)</source>
        <translation>de kenmerken passen niet in het EXIF-blok van de foto (64 KiB)</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="35" />
        <source>the photo's other metadata would not stay unchanged</source>
        <translation>de overige metagegevens van de foto zouden niet ongewijzigd blijven</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="36" />
        <source>the file is not a complete JPEG photo</source>
        <translation>het bestand is geen volledige JPEG-foto</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="37" />
        <source>Could not rename saved file to original name</source>
        <translation>Het opgeslagen bestand kon niet de oorspronkelijke naam krijgen</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="38" />
        <source>the photo's XMP block is damaged (with "Also write the attributes for other programs" switched off, Zelvane's own items can still be saved)</source>
        <translation>het XMP-blok van de foto is beschadigd (met "Kenmerken ook voor andere programma's opslaan" uitgeschakeld kunnen de eigen gegevens van Zelvane nog worden opgeslagen)</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="42" />
        <source>the photo's IPTC block is damaged (with "Also write the attributes for other programs" switched off, Zelvane's own items can still be saved)</source>
        <translation>het IPTC-blok van de foto is beschadigd (met "Kenmerken ook voor andere programma's opslaan" uitgeschakeld kunnen de eigen gegevens van Zelvane nog worden opgeslagen)</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="47" />
        <source>the attributes do not fit in the photo's XMP block (64 KiB)</source>
        <translation>de kenmerken passen niet in het XMP-blok van de foto (64 KiB)</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="49" />
        <source>the attributes do not fit in the photo's IPTC block (64 KiB)</source>
        <translation>de kenmerken passen niet in het IPTC-blok van de foto (64 KiB)</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="52" />
        <source>the attributes do not fit in the XMP sidecar (16 MiB)</source>
        <translation>de kenmerken passen niet in het XMP-bijbestand (16 MiB)</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw_save.cpp" line="55" />
        <source>the IPTC trailer at the end of the photo (AFCP) could not be kept valid</source>
        <translation>het IPTC-aanhangsel aan het eind van de foto (AFCP) kon niet geldig blijven</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw.cpp" line="70" />
        <source>Only .jpg files can hold the attributes</source>
        <translation>Alleen .jpg-bestanden kunnen de kenmerken bewaren</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw.cpp" line="72" />
        <source>Read-only file</source>
        <translation>Alleen-lezen bestand</translation>
    </message>
    <message>
        <location filename="../src/image/imagetodraw.cpp" line="73" />
        <source>Only JPEG photos can hold the attributes</source>
        <translation>Alleen JPEG-foto's kunnen de kenmerken bewaren</translation>
    </message>
</context>
<context>
    <name>TJobQueue</name>
    <message>
        <location filename="../src/jobs/jobqueue.cpp" line="204" />
        <source>Exception in background task</source>
        <translation>Fout in achtergrondtaak</translation>
    </message>
</context>
<context>
    <name>TMainFormViewer</name>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="107" />
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="108" />
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="111" />
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="111" />
        <source>Show result view</source>
        <translation>Resultaatweergave tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="112" />
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="112" />
        <source>Show print view</source>
        <translation>Afdrukweergave tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="113" />
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="113" />
        <source>Show export view</source>
        <translation>Exportweergave tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="114" />
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="114" />
        <source>Edit images</source>
        <translation>Foto's bewerken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="115" />
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="115" />
        <source>Find images</source>
        <translation>Foto's zoeken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="116" />
        <source>View</source>
        <translation>Bekijken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="116" />
        <source>View images</source>
        <translation>Foto's bekijken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="117" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="586" />
        <source>HTML pages</source>
        <translation>HTML-pagina's</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="117" />
        <source>Show HTML pages</source>
        <translation>HTML-pagina's tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="118" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="265" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="118" />
        <source>Sort result view by name</source>
        <translation>Resultaat sorteren op naam</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="119" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="265" />
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="119" />
        <source>Sort result view by date</source>
        <translation>Resultaat sorteren op datum</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="120" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="265" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="121" />
        <source>Sort result view by location</source>
        <translation>Resultaat sorteren op plaats</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="122" />
        <source>Create cards</source>
        <translation>Kaarten maken</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="123" />
        <source>About Zelvane</source>
        <translation>Over Zelvane</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="124" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="206" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="124" />
        <source>Show help for this form</source>
        <translation>Help bij dit venster tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="125" />
        <source>New folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="126" />
        <source>Rename</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="127" />
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="128" />
        <source>Select all</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="129" />
        <source>Add selected images</source>
        <translation>Geselecteerde foto's toevoegen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="131" />
        <source>Remove selected images</source>
        <translation>Geselecteerde foto's verwijderen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="133" />
        <source>Open print images form</source>
        <translation>Venster foto's afdrukken openen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="135" />
        <source>Open export images form</source>
        <translation>Venster foto's exporteren openen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="137" />
        <source>Move images to previous place</source>
        <translation>Foto's een plaats naar voren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="139" />
        <source>Move images to next place</source>
        <translation>Foto's een plaats naar achteren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="140" />
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="140" />
        <source>Show details</source>
        <translation>Details tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="141" />
        <source>Show hidden folders</source>
        <translation>Verborgen mappen tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="142" />
        <source>Show hidden folders and files</source>
        <translation>Verborgen mappen en bestanden tonen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="189" />
        <location filename="../src/mainwindow/mainviewer.cpp" line="265" />
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="193" />
        <source>Views</source>
        <translation>Weergaven</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="199" />
        <source>Sort</source>
        <translation>Sorteren</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="201" />
        <source>Images</source>
        <translation>Foto's</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="203" />
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="211" />
        <source>Tools</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="265" />
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="368" />
        <source>Open folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="369" />
        <source>Open the folder of the last export</source>
        <translation>De map van de laatste export openen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="466" />
        <source>1 photo</source>
        <translation>1 foto</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="466" />
        <source>%1 photos</source>
        <translation>%1 foto's</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="133" />
        <source>Number of images selected: </source>
        <translation>Aantal geselecteerde foto's: </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="43" />
        <source>Number of images selected for this folder: </source>
        <translation>Aantal geselecteerde foto's voor deze map: </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="45" />
        <source>Total number of images selected: </source>
        <translation>Totaal aantal geselecteerde foto's: </translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="163" />
        <source>No images selected to export.</source>
        <translation>Geen foto's gekozen om te exporteren.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="185" />
        <source>Exported 1 photo to %1</source>
        <translation>1 foto geëxporteerd naar %1</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="186" />
        <source>Exported %1 photos to %2</source>
        <translation>%1 foto's geëxporteerd naar %2</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="187" />
        <source> (%1 errors)</source>
        <translation> (%1 fouten)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_export.cpp" line="188" />
        <source> (cancelled)</source>
        <translation> (afgebroken)</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="508" />
        <source>No images to edit.</source>
        <translation>Er zijn geen foto's om te bewerken.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="524" />
        <source>No images selected to print.</source>
        <translation>Geen foto's gekozen om af te drukken.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="536" />
        <source>No image selected to create cards.</source>
        <translation>Geen foto gekozen om kaarten van te maken.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="549" />
        <source>No images to view.</source>
        <translation>Geen foto's om te bekijken.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer.cpp" line="585" />
        <source>Open HTML pages</source>
        <translation>HTML-pagina's openen</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="160" />
        <source>No images selected to add.</source>
        <translation>Geen foto's geselecteerd om toe te voegen.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="164" />
        <source>No folder to export images to.</source>
        <translation>Er is geen map om foto's naar te exporteren.</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="222" />
        <source>Search result</source>
        <translation>Zoekresultaat</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="248" />
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="257" />
        <source>No photos found</source>
        <translation>Geen foto's gevonden</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="249" />
        <source>1 photo found</source>
        <translation>1 foto gevonden</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="250" />
        <source>%1 photos found</source>
        <translation>%1 foto's gevonden</translation>
    </message>
    <message>
        <location filename="../src/mainwindow/mainviewer_lists.cpp" line="258" />
        <source>Search cancelled</source>
        <translation>Zoeken afgebroken</translation>
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
        <location filename="../src/image/photofile.cpp" line="60" />
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <location filename="../src/image/photofile.cpp" line="122" />
        <source>the photo is being saved by another program</source>
        <translation>de foto wordt door een ander programma opgeslagen</translation>
    </message>
</context>
<context>
    <name>TPhotoRegistry</name>
    <message>
        <location filename="../src/settings/photoregistry.cpp" line="69" />
        <source>No actors;</source>
        <translation>Geen personen;</translation>
    </message>
    <message>
        <location filename="../src/settings/photoregistry.cpp" line="95" />
        <source>Could not save the settings to %1</source>
        <translation>De instellingen konden niet worden opgeslagen in %1</translation>
    </message>
</context>
<context>
    <name>TPictureFile</name>
    <message>
        <location filename="../src/image/picturefile.cpp" line="19" />
        <source>the picture is too large (%1 megapixels; at most %2 are read)</source>
        <translation>de afbeelding is te groot (%1 megapixel; er worden er hoogstens %2 gelezen)</translation>
    </message>
    <message>
        <location filename="../src/image/picturefile.cpp" line="78" />
        <location filename="../src/image/picturefile.cpp" line="172" />
        <source>no preview in this raw file</source>
        <translation>geen voorbeeld in dit raw-bestand</translation>
    </message>
</context>
<context>
    <name>TPrintJob</name>
    <message>
        <location filename="../src/print/printjob.cpp" line="33" />
        <source>there is nothing to print</source>
        <translation>er is niets af te drukken</translation>
    </message>
    <message>
        <location filename="../src/print/printjob.cpp" line="49" />
        <source>the print job could not be started</source>
        <translation>de afdruktaak kon niet beginnen</translation>
    </message>
    <message>
        <location filename="../src/print/printjob.cpp" line="60" />
        <source>a new page could not be started</source>
        <translation>er kon geen nieuwe pagina beginnen</translation>
    </message>
    <message>
        <location filename="../src/print/printjob.cpp" line="91" />
        <source>the print job could not be finished</source>
        <translation>de afdruktaak kon niet worden afgerond</translation>
    </message>
</context>
<context>
    <name>TPrintLayout</name>
    <message>
        <location filename="../src/print/printlayout.cpp" line="128" />
        <source>The file %1 is not a print layout file.</source>
        <translation>Het bestand %1 is geen afdrukindelingsbestand.</translation>
    </message>
    <message>
        <location filename="../src/print/printlayout.cpp" line="141" />
        <source>Cannot read %1: %2</source>
        <translation>Kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <location filename="../src/print/printlayout.cpp" line="158" />
        <source>Cannot save %1: %2</source>
        <translation>Kan %1 niet opslaan: %2</translation>
    </message>
</context>
<context>
    <name>TPrintLayoutFormViewer</name>
    <message>
        <location filename="../src/print/printviewer.cpp" line="45" />
        <source>Zelvane - Print images</source>
        <translation>Zelvane - Foto's afdrukken</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="75" />
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="76" />
        <source>Load layout settings</source>
        <translation>Indeling laden</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="77" />
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="78" />
        <source>Save layout settings</source>
        <translation>Indeling opslaan</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="79" />
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="80" />
        <source>Set default layout settings</source>
        <translation>Standaardindeling instellen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="81" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="81" />
        <source>Show help</source>
        <translation>Help tonen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="82" />
        <source>Printer settings</source>
        <translation>Printerinstellingen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="83" />
        <source>Open printer settings dialog</source>
        <translation>Printerinstellingen openen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="85" />
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="85" />
        <source>Start printing</source>
        <translation>Afdrukken starten</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="86" />
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="86" />
        <source>Close form</source>
        <translation>Venster sluiten</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="88" />
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="88" />
        <source>Set text font</source>
        <translation>Lettertype van de tekst kiezen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="126" />
        <source>Number of images</source>
        <translation>Aantal foto's</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="127" />
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="128" />
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="129" />
        <source>Number of pages</source>
        <translation>Aantal pagina's</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="131" />
        <source>Orientation</source>
        <translation>Stand</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="132" />
        <source>Portrait</source>
        <translation>Staand</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="134" />
        <source>Landscape</source>
        <translation>Liggend</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="141" />
        <source>Center images</source>
        <translation>Foto's centreren</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="143" />
        <source>Use best position</source>
        <translation>Beste stand gebruiken</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="146" />
        <source>Use region of interest</source>
        <translation>Interessegebied gebruiken</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="149" />
        <source>Draw grid lines</source>
        <translation>Rasterlijnen tekenen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="153" />
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="154" />
        <source>No name</source>
        <translation>Geen naam</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="157" />
        <source>Filename</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="159" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="161" />
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="175" />
        <source>Margin (%)</source>
        <translation>Marge (%)</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="176" />
        <source>Show page</source>
        <translation>Pagina tonen</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="178" />
        <source>Print layout settings</source>
        <translation>Afdrukindeling</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="384" />
        <source>Zelvane - Load print layout settings</source>
        <translation>Zelvane - Afdrukindeling laden</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="385" />
        <source>Print layout files  (*.vzp)</source>
        <translation>Afdrukindelingen  (*.vzp)</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="391" />
        <source>Zelvane - Save print layout settings</source>
        <translation>Zelvane - Afdrukindeling opslaan</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="392" />
        <source>Print layout files (*.vzp)</source>
        <translation>Afdrukindelingen (*.vzp)</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="463" />
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="476" />
        <source>Printing failed: %1</source>
        <translation>Afdrukken mislukt: %1</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="480" />
        <source>Printed 1 page</source>
        <translation>1 pagina afgedrukt</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="480" />
        <source>Printed %1 pages</source>
        <translation>%1 pagina's afgedrukt</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="481" />
        <source>Printed 1 page to %1</source>
        <translation>1 pagina afgedrukt naar %1</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="482" />
        <source>Printed %1 pages to %2</source>
        <translation>%1 pagina's afgedrukt naar %2</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="484" />
        <source>Printing cancelled</source>
        <translation>Afdrukken afgebroken</translation>
    </message>
    <message>
        <location filename="../src/print/printviewer.cpp" line="486" />
        <source>Printing failed</source>
        <translation>Afdrukken mislukt</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <location filename="../src/controls/progressform.cpp" line="11" />
        <source>Zelvane - Progress</source>
        <translation>Zelvane - Voortgang</translation>
    </message>
    <message>
        <location filename="../src/controls/progressform.cpp" line="19" />
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TSaveAttributesForm</name>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="12" />
        <source>Zelvane- Save attributes</source>
        <translation>Zelvane- Gegevens opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="16" />
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="17" />
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="18" />
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="19" />
        <source>Actors</source>
        <translation>Personen</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="25" />
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="26" />
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="34" />
        <source>Save the ticked attributes into 1 photo</source>
        <translation>De aangevinkte gegevens in 1 foto opslaan</translation>
    </message>
    <message>
        <location filename="../src/edit/saveattributes.cpp" line="35" />
        <source>Save the ticked attributes into %1 photos</source>
        <translation>De aangevinkte gegevens in %1 foto's opslaan</translation>
    </message>
</context>
<context>
    <name>TSaveImage</name>
    <message>
        <location filename="../src/export/saveimage.cpp" line="40" />
        <source>the photo could not be drawn</source>
        <translation>de foto kon niet worden getekend</translation>
    </message>
    <message>
        <location filename="../src/export/saveimage.cpp" line="51" />
        <source>the picture could not be encoded</source>
        <translation>de foto kon niet worden gecodeerd</translation>
    </message>
    <message>
        <location filename="../src/export/saveimage.cpp" line="74" />
        <location filename="../src/export/saveimage.cpp" line="80" />
        <source>the attributes could not be stored</source>
        <translation>de kenmerken konden niet worden opgeslagen</translation>
    </message>
</context>
<context>
    <name>TSelectBackgroundForm</name>
    <message>
        <location filename="../src/cards/backgroundform.cpp" line="15" />
        <source>Zelvane - Select background</source>
        <translation>Zelvane - Achtergrond kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/backgroundform.cpp" line="16" />
        <location filename="../src/cards/backgroundform.cpp" line="55" />
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <location filename="../src/cards/backgroundform.cpp" line="18" />
        <source>Pattern</source>
        <translation>Patroon</translation>
    </message>
    <message>
        <location filename="../src/cards/backgroundform.cpp" line="26" />
        <source>Select</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/backgroundform.cpp" line="29" />
        <source>Set background color</source>
        <translation>Achtergrondkleur kiezen</translation>
    </message>
</context>
<context>
    <name>TSetBorderForm</name>
    <message>
        <location filename="../src/cards/borderform.cpp" line="33" />
        <source>Zelvane - Set border</source>
        <translation>Zelvane - Rand instellen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="105" />
        <location filename="../src/cards/borderform.cpp" line="216" />
        <source>Set line color</source>
        <translation>Lijnkleur</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="217" />
        <source>Set color for line</source>
        <translation>Lijnkleur kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="219" />
        <source>Upper left</source>
        <translation>Linksboven</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="219" />
        <source>Upper left ornament</source>
        <translation>Ornament linksboven</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="220" />
        <source>Upper right</source>
        <translation>Rechtsboven</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="220" />
        <source>Upper right ornament</source>
        <translation>Ornament rechtsboven</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="221" />
        <source>Bottom left</source>
        <translation>Linksonder</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="221" />
        <source>Bottom left ornament</source>
        <translation>Ornament linksonder</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="222" />
        <source>Bottom right</source>
        <translation>Rechtsonder</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="222" />
        <source>Bottom right ornament</source>
        <translation>Ornament rechtsonder</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="224" />
        <source>Fill</source>
        <translation>Vulling</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="224" />
        <source>Select fill</source>
        <translation>Vulling kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="225" />
        <source>Rectangle</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="225" />
        <source>Line style rectangle</source>
        <translation>Lijnstijl rechthoek</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="226" />
        <source>Filled rectangle</source>
        <translation>Gevulde rechthoek</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="227" />
        <source>Line style filled rectangle</source>
        <translation>Lijnstijl gevulde rechthoek</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="228" />
        <source>Ellipse</source>
        <translation>Ellips</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="228" />
        <source>Line style ellipse</source>
        <translation>Lijnstijl ellips</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="229" />
        <source>Filled ellipse</source>
        <translation>Gevulde ellips</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="230" />
        <source>Line style filled ellipse</source>
        <translation>Lijnstijl gevulde ellips</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="232" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="232" />
        <source>Show help for this form</source>
        <translation>Help bij dit venster tonen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="36" />
        <source>Lines</source>
        <translation>Lijnen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="37" />
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="39" />
        <source>Single</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="41" />
        <source>Double</source>
        <translation>Dubbel</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="50" />
        <source>Width (%)</source>
        <translation>Breedte (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="59" />
        <source>Outer line</source>
        <translation>Buitenlijn</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="61" />
        <source>Inner line</source>
        <translation>Binnenlijn</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="63" />
        <source>Space</source>
        <translation>Tussenruimte</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="65" />
        <source>Margins (%)</source>
        <translation>Marges (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="67" />
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="67" />
        <source>Top</source>
        <translation>Boven</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="67" />
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="67" />
        <source>Bottom</source>
        <translation>Onder</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="83" />
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="108" />
        <source>Select line</source>
        <translation>Lijn kiezen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="110" />
        <source>Outer</source>
        <translation>Buiten</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="112" />
        <source>Inner</source>
        <translation>Binnen</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="114" />
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="123" />
        <source>Ornaments</source>
        <translation>Ornamenten</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="152" />
        <source>Image</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="154" />
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="157" />
        <source>Margin (%)</source>
        <translation>Marge (%)</translation>
    </message>
    <message>
        <location filename="../src/cards/borderform.cpp" line="205" />
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
</context>
<context>
    <name>TSlideShowForm</name>
    <message>
        <location filename="../src/viewer/slideshowform.cpp" line="16" />
        <source>Slide show settings</source>
        <translation>Instellingen diavoorstelling</translation>
    </message>
    <message>
        <location filename="../src/viewer/slideshowform.cpp" line="19" />
        <source>Seconds till next image</source>
        <translation>Seconden tot volgende foto</translation>
    </message>
    <message>
        <location filename="../src/viewer/slideshowform.cpp" line="27" />
        <source>Repeat show</source>
        <translation>Voorstelling herhalen</translation>
    </message>
</context>
<context>
    <name>TViewerBundle</name>
    <message>
        <location filename="../src/export/viewerbundle.cpp" line="97" />
        <source>%1: the libraries it needs cannot be listed (ldd: %2)</source>
        <translation>%1: de bibliotheken die het nodig heeft kunnen niet worden opgesomd (ldd: %2)</translation>
    </message>
    <message>
        <location filename="../src/export/viewerbundle.cpp" line="152" />
        <source>%1 needs %2, which is not installed</source>
        <translation>%1 heeft %2 nodig, dat niet is geïnstalleerd</translation>
    </message>
</context>
<context>
    <name>TViewerCopy</name>
    <message>
        <source>Could not save file: %1 (%2)</source>
        <translation type="vanished">Het bestand kon niet worden opgeslagen: %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/export/viewercopy.cpp" line="26" />
        <location filename="../src/export/viewercopy.cpp" line="166" />
        <source>Could not create folder: %1</source>
        <translation>Kan map niet maken: %1</translation>
    </message>
    <message>
        <location filename="../src/export/viewercopy.cpp" line="67" />
        <source>Viewer</source>
        <translation>Viewer</translation>
    </message>
    <message>
        <location filename="../src/export/viewercopy.cpp" line="69" />
        <source>Viewer libraries</source>
        <translation>Viewerbibliotheken</translation>
    </message>
    <message>
        <location filename="../src/export/viewercopy.cpp" line="71" />
        <source>Viewer plug-ins</source>
        <translation>Viewerplug-ins</translation>
    </message>
    <message>
        <location filename="../src/export/viewercopy.cpp" line="73" />
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/export/viewercopy.cpp" line="75" />
        <source>Viewer NLD</source>
        <translation>Viewer NLD</translation>
    </message>
    <message>
        <location filename="../src/export/viewercopy.cpp" line="77" />
        <source>Licences</source>
        <translation>Licenties</translation>
    </message>
    <message>
        <location filename="../src/export/viewercopy.cpp" line="79" />
        <source>Launcher</source>
        <translation>Startscript</translation>
    </message>
    <message>
        <location filename="../src/export/viewercopy.cpp" line="141" />
        <source>%1: the help pages are missing</source>
        <translation>%1: de helppagina's ontbreken</translation>
    </message>
    <message>
        <location filename="../src/export/viewercopy.cpp" line="163" />
        <source>Could not replace folder: %1</source>
        <translation>De map kon niet worden vervangen: %1</translation>
    </message>
</context>
<context>
    <name>TXmpSidecar</name>
    <message>
        <location filename="../src/image/xmpsidecar.cpp" line="53" />
        <source>the XMP sidecar is larger than 16 MiB</source>
        <translation>het XMP-bijbestand is groter dan 16 MiB</translation>
    </message>
    <message>
        <location filename="../src/image/xmpsidecar.cpp" line="68" />
        <source>the folder is read-only</source>
        <translation>de map is alleen-lezen</translation>
    </message>
    <message>
        <location filename="../src/image/xmpsidecar.cpp" line="74" />
        <source>the XMP sidecar is read-only</source>
        <translation>het XMP-bijbestand is alleen-lezen</translation>
    </message>
</context>
</TS>