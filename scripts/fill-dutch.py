#!/usr/bin/env python3
"""Fills translations/zelvane_nl.ts from the Dutch word list below.

Run after `lupdate` has added new texts; a text without a Dutch entry is
reported and left unfinished."""
import sys
import xml.etree.ElementTree as ET

DUTCH = {
    "About Zelvane": "Over Zelvane",
    "Add selected images": "Geselecteerde foto's toevoegen",
    "January": "januari", "February": "februari", "March": "maart", "April": "april",
    "May": "mei", "June": "juni", "July": "juli", "August": "augustus",
    "September": "september", "October": "oktober", "November": "november", "December": "december",
    "Cannot delete a directory that has subdirectories": "Een map met submappen kan niet worden verwijderd",
    "Cannot delete the root directory": "De hoofdmap kan niet worden verwijderd",
    "Could not rename saved file to original name": "Het opgeslagen bestand kon niet de oorspronkelijke naam krijgen",
    "Could not save image: %1": "De foto kon niet worden opgeslagen: %1",
    "Could not save the settings to %1": "De instellingen konden niet worden opgeslagen in %1",
    "Create cards": "Kaarten maken",
    "Date": "Datum",
    "Delete": "Verwijderen",
    "Details": "Details",
    "Edit": "Bewerken",
    "Edit images": "Foto's bewerken",
    "Error %1": "Fout %1",
    "Exception in background task": "Fout in achtergrondtaak",
    "Exit": "Afsluiten",
    "Export": "Exporteren",
    "File": "Bestand",
    "File System": "Bestandssysteem",
    "Find": "Zoeken",
    "Find images": "Foto's zoeken",
    "HTML pages": "HTML-pagina's",
    "Help": "Help",
    "Home": "Persoonlijke map",
    "Images": "Foto's",
    "Location": "Plaats",
    "Name": "Naam",
    "New Folder": "Nieuwe map",
    "New folder": "Nieuwe map",
    "No folder to export images to.": "Er is geen map om foto's naar te exporteren.",
    "Cannot delete the root folder.": "De hoofdmap kan niet worden verwijderd.",
    "Cannot drop this here.": "Dit kan hier niet worden neergezet.",
    "Photos": "Foto's",
    "Zelvane - Edit images": "Zelvane - Foto's bewerken",
    "Rotate left": "Linksom draaien",
    "Rotate right": "Rechtsom draaien",
    "Zoom in": "Inzoomen",
    "Zoom out": "Uitzoomen",
    "Edit red eyes": "Rode ogen bewerken",
    "Restore red eyes": "Rode ogen herstellen",
    "Show ROI": "Uitsnede tonen",
    "Set ROI": "Uitsnede kiezen",
    "Reset ROI": "Uitsnede opheffen",
    "Undo": "Ongedaan maken",
    "First image": "Eerste foto",
    "Previous image": "Vorige foto",
    "Next image": "Volgende foto",
    "Last image": "Laatste foto",
    "Save all images": "Alle foto's opslaan",
    "Save image": "Foto opslaan",
    "Close form": "Venster sluiten",
    "Add actor": "Persoon toevoegen",
    "Remove actor": "Persoon verwijderen",
    "Uncheck all actors": "Alle personen uitvinken",
    "Area": "Gebied",
    "Color": "Kleur",
    "Description": "Beschrijving",
    "Time": "Tijd",
    "Actors": "Personen",
    "Add": "Toevoegen",
    "Always save image": "Foto altijd opslaan",
    "Save all": "Alles opslaan",
    "Save": "Opslaan",
    "Close": "Sluiten",
    "No actor to be added.": "Er is geen persoon om toe te voegen.",
    "The image attributes have changed. Do you want to save the changes?": "De gegevens van de foto zijn gewijzigd. Wilt u de wijzigingen opslaan?",
    "No name given, not possible to save the image.": "Geen naam opgegeven, de foto kan niet worden opgeslagen.",
    "No images to edit.": "Er zijn geen foto's om te bewerken.",
    "Zelvane- Save attributes": "Zelvane- Gegevens opslaan",
    "No actors;": "Geen personen;",
    "Number of images selected for this folder: ": "Aantal geselecteerde foto's voor deze map: ",
    "Number of images selected: ": "Aantal geselecteerde foto's: ",
    "OK": "OK",
    "Open HTML pages": "HTML-pagina's openen",
    "Open export images form": "Venster foto's exporteren openen",
    "Open print images form": "Venster foto's afdrukken openen",
    "Other": "Overig",
    "Print": "Afdrukken",
    "Refresh": "Vernieuwen",
    "Remove selected images": "Geselecteerde foto's verwijderen",
    "Rename": "Naam wijzigen",
    "Result": "Resultaat",
    "Select all": "Alles selecteren",
    "Show HTML pages": "HTML-pagina's tonen",
    "Show details": "Details tonen",
    "Show export view": "Exportweergave tonen",
    "Show help for this form": "Help voor dit venster tonen",
    "Show print view": "Afdrukweergave tonen",
    "Show result view": "Resultaatweergave tonen",
    "Sort": "Sorteren",
    "Sort result view by date": "Resultaat sorteren op datum",
    "Sort result view by location": "Resultaat sorteren op plaats",
    "Sort result view by name": "Resultaat sorteren op naam",
    "Tools": "Werkbalk",
    "Total number of images selected: ": "Totaal aantal geselecteerde foto's: ",
    "Version:": "Versie:",
    "View": "Bekijken",
    "View images": "Foto's bekijken",
    "Views": "Weergaven",
    "Move images to next place": "Foto's een plaats naar achteren",
    "Move images to previous place": "Foto's een plaats naar voren",
    "No images selected to add.": "Geen foto's geselecteerd om toe te voegen.",
    "Zelvane - Progress": "Zelvane - Voortgang",
    "Cancel": "Annuleren",
}

path = sys.argv[1] if len(sys.argv) > 1 else "translations/zelvane_nl.ts"
tree = ET.parse(path)
missing = []
for message in tree.iter("message"):
    source = message.find("source").text or ""
    translation = message.find("translation")
    if source in DUTCH:
        translation.text = DUTCH[source]
        translation.attrib.pop("type", None)
    elif translation.attrib.get("type") != "obsolete" and translation.attrib.get("type") != "vanished":
        missing.append(source)
tree.write(path, encoding="utf-8", xml_declaration=True)
for source in missing:
    print("no Dutch text for:", source)
sys.exit(1 if missing else 0)
