<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>Tolvane</name>
    <message>
        <source>Suche</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Menu List</source>
        <translation>Speiseplan</translation>
    </message>
    <message>
        <source>Kategorien</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Failed to create writable database</source>
        <translation>Die Datenbank konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Failed to create writable database file with message '%@'.</source>
        <translation>Die Datenbankdatei konnte nicht angelegt werden: %@</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <source>Rate MyApp</source>
        <translation>Tolvane bewerten</translation>
    </message>
    <message>
        <source>If you like MyApp, please take the time, etc</source>
        <translation>Gefällt Ihnen Tolvane? Dann nehmen Sie sich bitte einen Moment Zeit für eine Bewertung. Vielen Dank für Ihre Unterstützung!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Jetzt bewerten</translation>
    </message>
    <message>
        <source>    Optionen</source>
        <translation>    Optionen</translation>
    </message>
    <message>
        <source>    Nützliche Hinweise</source>
        <translation>    Nützliche Hinweise</translation>
    </message>
    <message>
        <source>Lokalisierung</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Live-Suche</source>
        <translation>Live-Suche</translation>
    </message>
    <message>
        <source>Metrische Einheiten</source>
        <translation>Metrische Einheiten</translation>
    </message>
    <message>
        <source>Eigene Produkte verwalten</source>
        <translation>Eigene Produkte verwalten</translation>
    </message>
    <message>
        <source>Persönliches Profil</source>
        <translation>Persönliches Profil</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>oz</source>
        <translation>oz</translation>
    </message>
    <message>
        <source>Ampel-Infos</source>
        <translation>Ampel-Infos</translation>
    </message>
    <message>
        <source>Benutzungstips</source>
        <translation>Benutzungstipps</translation>
    </message>
    <message>
        <source>Infotext Profil Titel</source>
        <translation>Über das persönliche Profil</translation>
    </message>
    <message>
        <source>BMI Infotext Titel</source>
        <translation>Body-Mass-Index (BMI)</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Sie haben Fragen, Verbesserungsvorschläge oder auch Lob? Wir freuen uns über Ihre Nachricht!</source>
        <translation>Sie haben Fragen, Verbesserungsvorschläge oder auch Lob? Wir freuen uns über Ihre Nachricht!</translation>
    </message>
    <message>
        <source>E-mail senden</source>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>Email Subject</source>
        <translation>Tolvane: Frage oder Anregung</translation>
    </message>
    <message>
        <source>Missing Brand</source>
        <translation>Guten Tag

Meine Frage oder Anregung zu Tolvane:


Falls ein Produkt fehlt:
Produktname:
Hersteller:
Kategorie:
Nährwerte pro 100 g oder 100 ml:

Freundliche Grüße
</translation>
    </message>
    <message>
        <source>Setup-Info</source>
        <translation>Einstellungen – Hinweis</translation>
    </message>
    <message>
        <source>Hilfe zur Setupnutzung</source>
        <translation>Hier wählen Sie die Sprache, schalten Live-Suche und metrische Einheiten ein oder aus, verwalten eigene Produkte und pflegen Ihr persönliches Profil. Die Info-Knöpfe erklären jede Einstellung.</translation>
    </message>
    <message>
        <source>Localization Screen Text 1</source>
        <translation>Sprache der App – gilt ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Française</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Pусский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>GDA Info</source>
        <translation>GDA-Info</translation>
    </message>
    <message>
        <source>Produktsuche</source>
        <translation>Produktsuche</translation>
    </message>
    <message>
        <source>Produkt eingeben</source>
        <translation>Produkt oder Hersteller</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen …</translation>
    </message>
    <message>
        <source>Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst die aktuellen Daten herunter.</source>
        <translation>Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst die aktuellen Daten herunter.</translation>
    </message>
    <message>
        <source>Keine Treffer</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>Keine Produkte oder Hersteller entsprechen Ihrer Eingabe</source>
        <translation>Keine Produkte oder Hersteller entsprechen Ihrer Eingabe.</translation>
    </message>
    <message>
        <source>this barcode's check digit is wrong</source>
        <translation>Die Prüfziffer dieses Strichcodes stimmt nicht.</translation>
    </message>
    <message>
        <source>Scan a barcode</source>
        <translation>Strichcode scannen</translation>
    </message>
    <message>
        <source>Aim at the barcode</source>
        <translation>Den Strichcode in den Rahmen halten</translation>
    </message>
    <message>
        <source>not in the catalogue</source>
        <translation>nicht im Katalog</translation>
    </message>
    <message>
        <source>Enter as own product</source>
        <translation>Als eigenes Produkt erfassen</translation>
    </message>
    <message>
        <source>Strichcode</source>
        <translation>Strichcode</translation>
    </message>
    <message>
        <source>A barcode has 8, 12, 13 or 14 digits, a shop's own code 3 to 11.</source>
        <translation>Ein Strichcode hat 8, 12, 13 oder 14 Ziffern, ein Code des Ladens 3 bis 11.</translation>
    </message>
    <message>
        <source>The catalogue could not be read just now; the list may not be up to date.</source>
        <translation>Der Katalog konnte gerade nicht gelesen werden; die Liste ist vielleicht nicht aktuell.</translation>
    </message>
    <message>
        <source>This product cannot be opened</source>
        <translation>Dieses Produkt lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>The catalogue cannot be read just now</source>
        <translation>Der Katalog kann gerade nicht gelesen werden</translation>
    </message>
    <message>
        <source>No barcode found in this picture</source>
        <translation>Auf diesem Bild ist kein Strichcode zu finden.</translation>
    </message>
    <message>
        <source>Bild wird gelesen …</source>
        <translation>Bild wird gelesen …</translation>
    </message>
    <message>
        <source>Dieses Bild lässt sich nicht lesen</source>
        <translation>Dieses Bild lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Sync-Benachrichtigung</source>
        <translation>Katalog aktualisieren</translation>
    </message>
    <message>
        <source>Bitte synchronisieren Sie Ihr App</source>
        <translation>Bitte aktualisieren Sie den Produktkatalog, damit Sie die neuesten Produkte und Nährwerte sehen.</translation>
    </message>
    <message>
        <source>Hinweis löschen</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Sync starten</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Startmenü Später erinnern</source>
        <translation>Beim nächsten Start erinnern</translation>
    </message>
    <message>
        <source>Der Produktserver antwortet nicht. Bitte versuchen Sie es später erneut.</source>
        <translation>Der Produktserver antwortet nicht. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Keine Datenverbindung verfügbar</source>
        <translation>Keine Datenverbindung verfügbar. Bitte prüfen Sie Ihre Internetverbindung.</translation>
    </message>
    <message>
        <source>Verbindung wurde erfolgreich hergestellt und neue Einträge sind heruntergeladen.</source>
        <translation>Verbindung wurde erfolgreich hergestellt und neue Einträge sind heruntergeladen.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Tolvane kann seine Datenbank nicht anlegen. Bitte geben Sie Speicherplatz frei und starten Sie Tolvane erneut.</source>
        <translation>Nicht genügend freier Speicherplatz: Tolvane kann seine Datenbank nicht anlegen. Bitte geben Sie Speicherplatz frei und starten Sie Tolvane erneut.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Der Download wurde angehalten. Bitte geben Sie Speicherplatz frei und synchronisieren Sie erneut.</source>
        <translation>Nicht genügend freier Speicherplatz: Der Download wurde angehalten. Bitte geben Sie Speicherplatz frei und synchronisieren Sie erneut.</translation>
    </message>
    <message>
        <source>Die Datenbank ist schreibgeschützt: Der Download wurde angehalten. Tolvane kann Neues erst speichern, wenn Datei und Ordner beschreibbar sind.</source>
        <translation>Die Datenbank ist schreibgeschützt: Der Download wurde angehalten. Tolvane kann Neues erst speichern, wenn Datei und Ordner beschreibbar sind.</translation>
    </message>
    <message>
        <source>Die Datenverbindung wurde unterbrochen und der Download angehalten. Bitte synchronisieren Sie erneut für alle Produkte</source>
        <translation>Die Datenverbindung wurde unterbrochen und der Download angehalten. Bitte aktualisieren Sie erneut, um alle Produkte zu erhalten.</translation>
    </message>
    <message>
        <source>Ampel-Info</source>
        <translation>Nährwert-Ampel</translation>
    </message>
    <message>
        <source>Alle Angaben in g, bezogen auf 100</source>
        <translation>Alle Angaben bezogen auf 100</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>gesättigte Fette</source>
        <translation>Gesättigte Fette</translation>
    </message>
    <message>
        <source>Zucker</source>
        <translation>Zucker</translation>
    </message>
    <message>
        <source>Salz</source>
        <translation>Salz</translation>
    </message>
    <message>
        <source>Kalorien (kcal)</source>
        <translation>Kalorien (kcal)</translation>
    </message>
    <message>
        <source>Kalorien</source>
        <translation>Kalorien</translation>
    </message>
    <message>
        <source>Eine Verkaufsportion hat </source>
        <translation>Eine Verkaufsportion hat </translation>
    </message>
    <message>
        <source>Keine Angaben zur Verkaufsmenge</source>
        <translation>Keine Angaben zur Verkaufsmenge</translation>
    </message>
    <message>
        <source>Für weitere Details bitte Gerät drehen</source>
        <translation>Für weitere Details bitte Gerät drehen</translation>
    </message>
    <message>
        <source>Nährwerte pro %@</source>
        <translation>Nährwerte pro %@</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>davon gesättigte Fettsäuren</source>
        <translation>davon gesättigte Fettsäuren</translation>
    </message>
    <message>
        <source>davon einfach ungesättigte Fettsäuren</source>
        <translation>davon einfach ungesättigte Fettsäuren</translation>
    </message>
    <message>
        <source>davon mehrfach ungesättigte Fettsäuren</source>
        <translation>davon mehrfach ungesättigte Fettsäuren</translation>
    </message>
    <message>
        <source>davon Transfettsäuren</source>
        <translation>davon Transfettsäuren</translation>
    </message>
    <message>
        <source>Kohlenhydrate</source>
        <translation>Kohlenhydrate</translation>
    </message>
    <message>
        <source>davon Zucker</source>
        <translation>davon Zucker</translation>
    </message>
    <message>
        <source>davon Stärke</source>
        <translation>davon Stärke</translation>
    </message>
    <message>
        <source>davon mehrwertige Alkohole</source>
        <translation>davon mehrwertige Alkohole</translation>
    </message>
    <message>
        <source>Ballaststoffe</source>
        <translation>Ballaststoffe</translation>
    </message>
    <message>
        <source>Eiweiß</source>
        <translation>Eiweiß</translation>
    </message>
    <message>
        <source>Cholesterin</source>
        <translation>Cholesterin</translation>
    </message>
    <message>
        <source>%@ kJ</source>
        <translation>%@ kJ</translation>
    </message>
    <message>
        <source>%@ mg</source>
        <translation>%@ mg</translation>
    </message>
    <message>
        <source>Bessere Wahl in %@</source>
        <translation>Bessere Wahl in %@</translation>
    </message>
    <message>
        <source>Packung (%@)</source>
        <translation>Packung (%@)</translation>
    </message>
    <message>
        <source>Zu Favoriten hinzufügen</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Aus Favoriten entfernen</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Wollen Sie dieses Produkt aus Ihren Favoriten löschen?</source>
        <translation>Wollen Sie dieses Produkt aus Ihren Favoriten löschen?</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>GDA-Info</source>
        <translation>GDA-Rechner</translation>
    </message>
    <message>
        <source>Hilfe zur GDA-Nutzung</source>
        <translation>Die Balken zeigen, welchen Anteil des Tagesbedarfs (GDA) eine Portion liefert. Geben Sie unten die Portionsgröße ein und tippen Sie auf einen Balken, um die Menge zu sehen. Drehen Sie das Gerät zurück oder tippen Sie auf «Zurück», um wieder die Ampel zu sehen.</translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist zu groß. Bitte überprüfen Sie Ihre Eingabe.</source>
        <translation>Der eingegebene Wert ist zu groß. Bitte überprüfen Sie Ihre Eingabe.</translation>
    </message>
    <message>
        <source>Tageskalorien- &amp; Nährwertbedarf</source>
        <translation>Tageskalorien- &amp; Nährwertbedarf</translation>
    </message>
    <message>
        <source>Folder GDA Fixed References</source>
        <translation>Ohne Tageskalorien im persönlichen Profil gelten die allgemeinen Richtwerte (2000 kcal).</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Produktname</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <source>Herstellername</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Lebensmittel</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Getränk</source>
        <translation>Getränk</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Natrium</source>
        <translation>Natrium</translation>
    </message>
    <message>
        <source>Produktmenge</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Werte für jeweils 100 g/ml</source>
        <translation>Werte für jeweils 100 g/ml</translation>
    </message>
    <message>
        <source>Gewicht oder Menge der Verkaufsportion:</source>
        <translation>Gewicht oder Menge der Verkaufsportion:</translation>
    </message>
    <message>
        <source>Neues Produkt hinzufügen</source>
        <translation>Neues Produkt</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Sie haben noch nicht alle benötigten Textfelder ausgefüllt. Bitte ergänzen Sie Produktnamen, Hersteller oder wählen noch eine Kategorie</source>
        <translation>Sie haben noch nicht alle benötigten Felder ausgefüllt. Bitte ergänzen Sie Produktname und Hersteller und wählen Sie eine Kategorie.</translation>
    </message>
    <message>
        <source>Sie haben zu viele Nachkommastellen angegeben. Bitte geben Sie maximal eine, bei Salz maximal zwei an.</source>
        <translation>Sie haben zu viele Nachkommastellen angegeben. Bitte geben Sie maximal eine, bei Salz maximal zwei an.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gespeichert werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Das Produkt konnte nicht gespeichert werden. Bitte versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Die Änderungen konnten nicht gespeichert werden. Das Produkt bleibt unverändert.</source>
        <translation>Die Änderungen konnten nicht gespeichert werden. Das Produkt bleibt unverändert.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gelöscht werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Das Produkt konnte nicht gelöscht werden. Bitte versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Eigene Produkte</source>
        <translation>Eigene Produkte</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Sie können hier Ihre eigenen Produkte und deren Werte einfügen. Bitte drücken Sie den Bearbeiten-Knopf und dann Plus (+). Produkte können jederzeit nachträglich angepasst oder gelöscht werden.</source>
        <translation>Sie können hier Ihre eigenen Produkte und deren Werte einfügen. Bitte drücken Sie den Bearbeiten-Knopf und dann Plus (+). Produkte können jederzeit nachträglich angepasst oder gelöscht werden.</translation>
    </message>
    <message>
        <source>Personal Profile</source>
        <translation>Persönliches Profil</translation>
    </message>
    <message>
        <source>Instructions Personal Profile</source>
        <translation>Stellen Sie oben Geschlecht, Alter, Größe und Gewicht ein und wählen Sie Ihren Aktivitätsgrad. Daraus berechnet Tolvane BMI, Idealgewicht und Ihren täglichen Kalorienbedarf, den Sie auch selbst eingeben können.</translation>
    </message>
    <message>
        <source>M</source>
        <translation>Mann</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Frau</translation>
    </message>
    <message>
        <source>BMI</source>
        <translation>BMI</translation>
    </message>
    <message>
        <source>Ideal Body Weight</source>
        <translation>Idealgewicht</translation>
    </message>
    <message>
        <source>Activity Level</source>
        <translation>Aktivitätsgrad</translation>
    </message>
    <message>
        <source>Daily Calories(kcal)</source>
        <translation>Tageskalorien (kcal)</translation>
    </message>
    <message>
        <source>sitzend oder liegend</source>
        <translation>Sitzend oder liegend</translation>
    </message>
    <message>
        <source>ausschließlich sitzend</source>
        <translation>Ausschließlich sitzend</translation>
    </message>
    <message>
        <source>überwiegend sitzend</source>
        <translation>Überwiegend sitzend</translation>
    </message>
    <message>
        <source>überwiegend stehend</source>
        <translation>Überwiegend stehend</translation>
    </message>
    <message>
        <source>körperlich anstrengend</source>
        <translation>Körperlich anstrengend</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount</source>
        <translation>Bitte geben Sie eine gültige Zahl ein.</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount Nil</source>
        <translation>Bitte geben Sie einen Wert ein.</translation>
    </message>
    <message>
        <source>Error Message Consumption Zero</source>
        <translation>Ein Wert von 0 wird nicht übernommen: Die Angaben bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source>Thank you for your input</source>
        <translation>Vielen Dank, Ihr Tageskalorienbedarf wurde übernommen.</translation>
    </message>
    <message>
        <source>Ihr Profil konnte nicht gelesen werden. Bitte versuchen Sie es später noch einmal.</source>
        <translation>Ihr Profil konnte nicht gelesen werden. Bitte versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>Pop-Up Personal Profile</source>
        <translation>Bitte geben Sie einen Tageskalorienbedarf zwischen 1 und 9999 kcal mit höchstens drei Nachkommastellen ein.</translation>
    </message>
    <message>
        <source>Speiseplan-Info</source>
        <translation>Speiseplan – Hinweis</translation>
    </message>
    <message>
        <source>Hilfe zur Speiseplannutzung</source>
        <translation>Legen Sie Ordner für Ihre Mahlzeiten an und füllen Sie sie in der Produktansicht über „Zu Favoriten hinzufügen“. Tippen Sie auf einen Ordner, um seine Nährwerte mit Ihrem Tagesbedarf zu vergleichen. Mit „Bearbeiten“ fügen Sie Ordner hinzu, ordnen oder löschen sie und öffnen ihren Inhalt, um Mengen zu ändern.</translation>
    </message>
    <message>
        <source>Später erinnern</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Create new folder</source>
        <translation>Neuen Ordner anlegen</translation>
    </message>
    <message>
        <source>Folder Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder</source>
        <translation>Der Ordnername darf höchstens 30 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder2</source>
        <translation>Der Ordnername darf kein „|“, keine Steuerzeichen und keine Symbole wie Emojis enthalten.</translation>
    </message>
    <message>
        <source>Der Ordner konnte nicht angelegt werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Der Ordner konnte nicht angelegt werden. Bitte versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Menu List Item 1</source>
        <translation>Zwischenmahlzeiten</translation>
    </message>
    <message>
        <source>Menu List Item 2</source>
        <translation>Frühstück</translation>
    </message>
    <message>
        <source>Menu List Item 3</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>Menu List Item 4</source>
        <translation>Abendessen</translation>
    </message>
    <message>
        <source>Edit Consumption Title</source>
        <translation>Verzehrmenge</translation>
    </message>
    <message>
        <source>Please Enter Consumption</source>
        <translation>Geben Sie ein, wie viel Sie gegessen oder getrunken haben; alle Werte passen sich an.</translation>
    </message>
    <message>
        <source>Consumption Amount in g/ml</source>
        <translation>Menge in g/ml</translation>
    </message>
    <message>
        <source>Consumption Amount Fat</source>
        <translation>Fett in g</translation>
    </message>
    <message>
        <source>Consumption Amount Saturates</source>
        <translation>Gesättigte Fette in g</translation>
    </message>
    <message>
        <source>Consumption Amount Sugar</source>
        <translation>Zucker in g</translation>
    </message>
    <message>
        <source>Consumption Amount Salt</source>
        <translation>Salz in g</translation>
    </message>
    <message>
        <source>Consumption Amount Calories</source>
        <translation>Kalorien in kcal</translation>
    </message>
    <message>
        <source>Consumption Zero Hint</source>
        <translation>0 – nicht änderbar</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>%@ kcal</source>
        <translation>%@ kcal</translation>
    </message>
    <message>
        <source>%@ g</source>
        <translation>%@ g</translation>
    </message>
    <message>
        <source>%@ ml</source>
        <translation>%@ ml</translation>
    </message>
    <message>
        <source>%@ cm</source>
        <translation>%@ cm</translation>
    </message>
    <message>
        <source>%@ kg</source>
        <translation>%@ kg</translation>
    </message>
    <message>
        <source>%@ lbs</source>
        <translation>%@ lbs</translation>
    </message>
    <message>
        <source>%@ (kg)</source>
        <translation>%@ (kg)</translation>
    </message>
    <message>
        <source>Getränke</source>
        <translation>Getränke</translation>
    </message>
    <message>
        <source>Milchprodukte</source>
        <translation>Milchprodukte</translation>
    </message>
    <message>
        <source>Käse</source>
        <translation>Käse</translation>
    </message>
    <message>
        <source>Süßwaren</source>
        <translation>Süßwaren</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Snacks</translation>
    </message>
    <message>
        <source>Backwaren</source>
        <translation>Backwaren</translation>
    </message>
    <message>
        <source>Frühstück &amp; Cerealien</source>
        <translation>Frühstück &amp; Cerealien</translation>
    </message>
    <message>
        <source>Fertiggerichte</source>
        <translation>Fertiggerichte</translation>
    </message>
    <message>
        <source>Fast Food</source>
        <translation>Fast Food</translation>
    </message>
    <message>
        <source>Fleisch &amp; Wurst</source>
        <translation>Fleisch &amp; Wurst</translation>
    </message>
    <message>
        <source>Fisch</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Obst &amp; Gemüse</source>
        <translation>Obst &amp; Gemüse</translation>
    </message>
    <message>
        <source>Teigwaren &amp; Reis</source>
        <translation>Teigwaren &amp; Reis</translation>
    </message>
    <message>
        <source>Saucen &amp; Gewürze</source>
        <translation>Saucen &amp; Gewürze</translation>
    </message>
    <message>
        <source>Brotaufstriche</source>
        <translation>Brotaufstriche</translation>
    </message>
    <message>
        <source>Öle &amp; Fette</source>
        <translation>Öle &amp; Fette</translation>
    </message>
    <message>
        <source>Kaffee &amp; Tee</source>
        <translation>Kaffee &amp; Tee</translation>
    </message>
    <message>
        <source>Babynahrung</source>
        <translation>Babynahrung</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>AmpelInfosText</source>
        <translation>&lt;h2&gt;Die Nährwert-Ampel&lt;/h2&gt;
&lt;p&gt;Tolvane bewertet bei jedem Produkt &lt;b&gt;Fett&lt;/b&gt;, &lt;b&gt;gesättigte Fette&lt;/b&gt;, &lt;b&gt;Zucker&lt;/b&gt; und &lt;b&gt;Salz&lt;/b&gt; mit einer Ampelfarbe. Maßgebend ist der Gehalt pro 100&amp;nbsp;g bei festen Lebensmitteln und pro 100&amp;nbsp;ml bei Getränken.&lt;/p&gt;
&lt;table cellpadding="3" cellspacing="0"&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_green.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Grün&lt;/b&gt;: niedriger Gehalt – gute Wahl.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_yellow.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Gelb&lt;/b&gt;: mittlerer Gehalt – in Ordnung.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_red.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Rot&lt;/b&gt;: hoher Gehalt – lieber selten und in kleinen Mengen.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Grenzwerte pro 100&amp;nbsp;g (feste Lebensmittel)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nährstoff&lt;/th&gt;&lt;th&gt;Grün&lt;/th&gt;&lt;th&gt;Gelb&lt;/th&gt;&lt;th&gt;Rot&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Fett&lt;/td&gt;&lt;td&gt;bis 3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 3 bis 20&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 20&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Gesättigte Fette&lt;/td&gt;&lt;td&gt;bis 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 1,5 bis 5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Zucker&lt;/td&gt;&lt;td&gt;bis 5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 5 bis 12,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 12,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Salz&lt;/td&gt;&lt;td&gt;bis 0,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 0,3 bis 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 1,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Grenzwerte pro 100&amp;nbsp;ml (Getränke)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nährstoff&lt;/th&gt;&lt;th&gt;Grün&lt;/th&gt;&lt;th&gt;Gelb&lt;/th&gt;&lt;th&gt;Rot&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Fett&lt;/td&gt;&lt;td&gt;bis 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 1,5 bis 10&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 10&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Gesättigte Fette&lt;/td&gt;&lt;td&gt;bis 0,75&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 0,75 bis 2,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 2,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Zucker&lt;/td&gt;&lt;td&gt;bis 2,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 2,5 bis 6,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 6,3&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Salz&lt;/td&gt;&lt;td&gt;bis 0,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 0,3 bis 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;über 1,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Ein Wert genau auf einer Grenze zählt zur günstigeren Farbe: 3&amp;nbsp;g Fett pro 100&amp;nbsp;g sind also noch grün.&lt;/p&gt;
&lt;h3&gt;Besser als der Durchschnitt&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_green_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_yellow_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_red_top.svg" width="28" height="28"&gt;&lt;br&gt;
Die ausgezeichnete Ampel erscheint, wenn das Produkt von diesem Nährstoff weniger enthält als der Durchschnitt aller Produkte seiner Kategorie. So sehen Sie auf einen Blick, ob ein Produkt innerhalb seiner Gruppe zu den besseren gehört – auch wenn es rot ist.&lt;/p&gt;
&lt;h3&gt;Kalorien&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_grey.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_grey_top.svg" width="28" height="28"&gt;&lt;br&gt;
Der Energiegehalt wird nicht farbig bewertet und erscheint immer grau; ausgezeichnet, wenn er unter dem Durchschnitt der Kategorie liegt.&lt;/p&gt;
&lt;h3&gt;Keine Angaben&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_neutral_de.svg" width="28" height="28"&gt; Fehlt ein Wert auf der Verpackung, zeigt Tolvane dieses neutrale Bild und keinen Wert.&lt;/p&gt;
&lt;p&gt;Mehr über die Nährwertdeklaration in der Schweiz: &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;Bundesamt für Lebensmittelsicherheit und Veterinärwesen (BLV)&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;Haben Sie einen falschen Wert entdeckt? Schreiben Sie uns: &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BenutzungstipsText</source>
        <translation>&lt;h2&gt;So nutzen Sie Tolvane&lt;/h2&gt;
&lt;h3&gt;Suche&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Die Liste zeigt alle Produkte alphabetisch. Tippen Sie rechts auf einen Buchstaben des Index, um direkt dorthin zu springen; Produkte, die mit einer Ziffer oder einem Zeichen beginnen, stehen unter &lt;b&gt;#&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Geben Sie oben einen Teil des Produktnamens oder des Herstellers ein. Mit eingeschalteter Live-Suche erscheinen die Treffer schon beim Tippen, sonst mit der Eingabetaste oder der Lupe neben dem Feld. Das Kreuz ✕ neben dem Feld bringt die ganze Liste zurück. Der Strichcode-Knopf daneben liest den Strichcode einer Packung mit der Kamera oder aus einem Bild.&lt;/li&gt;
&lt;li&gt;Tippen Sie auf ein Produkt, um seine Nährwert-Ampel zu sehen. Drehen Sie das Gerät quer oder tippen Sie auf «Drehen» neben dem Hinweis, um im GDA-Rechner zu sehen, welchen Anteil Ihres Tagesbedarfs eine Portion deckt.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Katalog aktualisieren&lt;/h3&gt;
&lt;p&gt;Der Knopf mit dem Pfeilkreis oben in der Suche lädt neue und geänderte Produkte vom Server. Wird die Verbindung unterbrochen, setzt die nächste Aktualisierung dort fort, wo sie stehen geblieben ist. Ihre Favoriten bleiben erhalten.&lt;/p&gt;
&lt;h3&gt;Kategorien&lt;/h3&gt;
&lt;p&gt;Hier finden Sie die Produkte nach Gruppen geordnet, zum Beispiel Getränke oder Backwaren. Die Suche in einer Kategorie findet nur Produkte dieser Kategorie.&lt;/p&gt;
&lt;h3&gt;Speiseplan&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;In der Produktansicht legen Sie ein Produkt mit «Zu Favoriten hinzufügen» in einen oder mehrere Ordner, zum Beispiel Frühstück oder Mittagessen. Es wird mit 100&amp;nbsp;g bzw. 100&amp;nbsp;ml eingetragen.&lt;/li&gt;
&lt;li&gt;Ein Tipp auf einen Ordner vergleicht seine Nährwerte mit Ihrem persönlichen Tagesbedarf.&lt;/li&gt;
&lt;li&gt;Mit «Bearbeiten» legen Sie neue Ordner an, ordnen oder löschen sie; ein Tipp auf einen Ordner zeigt dann seine Produkte, und ein Tipp auf ein Produkt ändert die verzehrte Menge.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Einstellungen&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Sprache&lt;/b&gt;, &lt;b&gt;Live-Suche&lt;/b&gt; und &lt;b&gt;Metrische Einheiten&lt;/b&gt; – die Info-Knöpfe erklären jede Einstellung.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Eigene Produkte verwalten&lt;/b&gt;: Fehlt ein Produkt, erfassen Sie es selbst mit «Bearbeiten» und «+». Es erscheint sofort in Suche, Kategorien und Speiseplan und wird beim nächsten Start an uns gesendet, damit wir den Katalog ergänzen können.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Persönliches Profil&lt;/b&gt;: Geschlecht, Alter, Größe, Gewicht und Aktivität bestimmen Ihren Tagesbedarf.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Kontakt&lt;/h3&gt;
&lt;p&gt;Produktdaten und Ergänzungen für den Katalog: &lt;a href="update@tolvane.ch."&gt;update@tolvane.ch&lt;/a&gt;&lt;br&gt;
Fragen und Anregungen zur App: &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LocalizationInfoText</source>
        <translation>&lt;h2&gt;Sprache&lt;/h2&gt;
&lt;p&gt;Tolvane gibt es auf Deutsch, Englisch, Spanisch, Französisch, Italienisch und Russisch.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Automatisch&lt;/b&gt;: Tolvane übernimmt die Sprache Ihres Geräts. Ist diese keine der sechs Sprachen, erscheint Tolvane auf Englisch.&lt;/li&gt;
&lt;li&gt;Wählen Sie eine Sprache aus der Liste, wenn Tolvane unabhängig von Ihrem Gerät immer in dieser Sprache erscheinen soll.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Eine neue Sprache gilt ab dem &lt;b&gt;nächsten Start&lt;/b&gt; der App.&lt;/p&gt;
&lt;p&gt;Produktnamen und Hersteller stehen so im Katalog, wie sie auf der Verpackung stehen, und werden nicht übersetzt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LiveSearchInfoText</source>
        <translation>&lt;h2&gt;Live-Suche&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Eingeschaltet&lt;/b&gt;: Die Trefferliste entsteht schon während Sie tippen und wird mit jedem Buchstaben genauer.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ausgeschaltet&lt;/b&gt;: Tolvane sucht erst, wenn Sie die Eingabetaste oder die Lupe neben dem Suchfeld drücken. Ergibt die Suche keine Treffer, bleibt Ihr Text im Suchfeld stehen. Das ist auf älteren Geräten und bei sehr großen Katalogen angenehmer.&lt;/p&gt;
&lt;h3&gt;Tipps zur Suche&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Gesucht wird in Produktnamen und Herstellern, und zwar nach jedem Wortteil: «milch» findet auch «Vollmilch».&lt;/li&gt;
&lt;li&gt;Groß- und Kleinschreibung und Akzente spielen keine Rolle, in jeder Schrift: «kase» findet «Käse», «молоко» findet «Молоко»; ß gilt wie ss, ø wie o, œ wie oe, ё wie е. Die Nummer eines Strichcodes (8, 12, 13 oder 14 Ziffern) findet ihr Produkt und zeigt es zuerst. % steht für beliebig viele Zeichen, _ für genau eines.&lt;/li&gt;
&lt;li&gt;Das Kreuz ✕ neben dem Suchfeld leert es und zeigt wieder die ganze Liste.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>MetrisheInfoText</source>
        <translation>&lt;h2&gt;Metrische Einheiten&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Eingeschaltet&lt;/b&gt;: Tolvane rechnet in Gramm, Zentimetern und Kilogramm.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ausgeschaltet&lt;/b&gt;: Tolvane verwendet US-Einheiten – Unzen (oz) im GDA-Rechner, Fuß und Zoll für die Körpergröße und Pfund (lbs) für das Gewicht im persönlichen Profil.&lt;/p&gt;
&lt;p&gt;Die Änderung gilt sofort in allen Bereichen der App. Die Nährwert-Ampel bezieht sich unabhängig von dieser Einstellung immer auf 100&amp;nbsp;g bzw. 100&amp;nbsp;ml, so wie die Angaben auf der Verpackung.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Infotext Profil</source>
        <translation>&lt;h2&gt;Persönliches Profil&lt;/h2&gt;
&lt;p&gt;Aus wenigen Angaben berechnet Tolvane drei Kennzahlen für Sie:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;BMI&lt;/b&gt; (Body-Mass-Index): das Verhältnis von Gewicht und Größe.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Idealgewicht&lt;/b&gt;: das Gewicht, das bei Ihrer Größe einem BMI von 22 entspricht.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Tageskalorien&lt;/b&gt;: Ihr täglicher Energiebedarf nach der Formel von Mifflin-St Jeor, angepasst an Ihren Aktivitätsgrad.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;So gehen Sie vor&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;Stellen Sie Geschlecht, Alter, Größe und Gewicht mit den Rädern ein.&lt;/li&gt;
&lt;li&gt;Tippen Sie auf «Aktivitätsgrad» und wählen Sie, wie Sie Ihren Alltag verbringen.&lt;/li&gt;
&lt;li&gt;Den berechneten Kalorienbedarf können Sie überschreiben, zum Beispiel mit einem Wert Ihrer Ernährungsberatung.&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Ihr Tagesbedarf bestimmt, womit der Speiseplan Ihre Mahlzeiten vergleicht: Die Richtwerte für Fett, gesättigte Fette, Zucker, Salz und Kalorien werden im Verhältnis zu Ihrem Kalorienbedarf angepasst.&lt;/p&gt;
&lt;p&gt;Ihre Angaben bleiben auf Ihrem Gerät.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BMI Infotext</source>
        <translation>&lt;h2&gt;Body-Mass-Index (BMI)&lt;/h2&gt;
&lt;p&gt;Der BMI setzt das Körpergewicht ins Verhältnis zur Körpergröße:&lt;/p&gt;
&lt;p&gt;&lt;b&gt;BMI = Gewicht in kg ÷ (Größe in m)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Beispiel: 80&amp;nbsp;kg bei 1,80&amp;nbsp;m ergeben 80 ÷ 3,24 = 24,7.&lt;/p&gt;
&lt;p&gt;Mit US-Einheiten rechnet Tolvane: Gewicht in Pfund × 703 ÷ (Größe in Zoll)².&lt;/p&gt;
&lt;h3&gt;Einordnung für Erwachsene (WHO)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;BMI&lt;/th&gt;&lt;th&gt;Bewertung&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;unter 18,5&lt;/td&gt;&lt;td&gt;Untergewicht&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;18,5 bis 24,9&lt;/td&gt;&lt;td&gt;Normalgewicht&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;25 bis 29,9&lt;/td&gt;&lt;td&gt;Übergewicht&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;ab 30&lt;/td&gt;&lt;td&gt;Adipositas&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Der BMI ist ein grober Richtwert. Er unterscheidet nicht zwischen Muskeln und Fett und gilt nicht für Kinder, Schwangere und Leistungssportler. Fragen Sie bei Unsicherheit Ihre Ärztin oder Ihren Arzt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Ideal Weight Infotext</source>
        <translation>&lt;h2&gt;Idealgewicht&lt;/h2&gt;
&lt;p&gt;Tolvane nennt als Idealgewicht das Gewicht, bei dem Ihr BMI genau 22 beträgt – die Mitte des Normalbereichs:&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Idealgewicht = 22 × (Größe in m)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Beispiele: 1,65&amp;nbsp;m ergeben 59,9&amp;nbsp;kg, 1,80&amp;nbsp;m ergeben 71,3&amp;nbsp;kg.&lt;/p&gt;
&lt;p&gt;Gesund ist ein Gewicht im ganzen Normalbereich (BMI 18,5 bis 24,9). Das Idealgewicht ist daher ein Orientierungswert und kein Ziel, das Sie aufs Kilo erreichen müssen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Activity Level Infotext</source>
        <translation>&lt;h2&gt;Aktivitätsgrad&lt;/h2&gt;
&lt;p&gt;Wie viel Energie Sie brauchen, hängt stark davon ab, wie Sie sich im Alltag bewegen. Tolvane multipliziert Ihren Grundumsatz mit einem Faktor:&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Aktivitätsgrad&lt;/th&gt;&lt;th&gt;Faktor&lt;/th&gt;&lt;th&gt;Beispiele&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sitzend oder liegend&lt;/td&gt;&lt;td&gt;1,2&lt;/td&gt;&lt;td&gt;überwiegend im Bett oder im Sessel, kaum Bewegung&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ausschließlich sitzend&lt;/td&gt;&lt;td&gt;1,375&lt;/td&gt;&lt;td&gt;Büroarbeit, wenig Bewegung in der Freizeit&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Überwiegend sitzend&lt;/td&gt;&lt;td&gt;1,55&lt;/td&gt;&lt;td&gt;Büroarbeit mit Wegen zu Fuß, Studium, regelmäßig etwas Sport&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Überwiegend stehend&lt;/td&gt;&lt;td&gt;1,725&lt;/td&gt;&lt;td&gt;Verkauf, Handwerk, Service, Pflege&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Körperlich anstrengend&lt;/td&gt;&lt;td&gt;1,9&lt;/td&gt;&lt;td&gt;Bau, Landwirtschaft, Leistungssport&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Tippen Sie im Profil auf «Aktivitätsgrad», um Ihre Stufe zu wählen. Ohne gewählte Stufe berechnet Tolvane keinen Kalorienbedarf.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Daily Calories Infotext</source>
        <translation>&lt;h2&gt;Täglicher Kalorienbedarf&lt;/h2&gt;
&lt;p&gt;Tolvane berechnet zuerst Ihren Grundumsatz nach der Formel von &lt;b&gt;Mifflin-St Jeor&lt;/b&gt;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Männer: 10 × Gewicht (kg) + 6,25 × Größe (cm) − 5 × Alter + 5&lt;/li&gt;
&lt;li&gt;Frauen: 10 × Gewicht (kg) + 6,25 × Größe (cm) − 5 × Alter − 161&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Der Grundumsatz wird mit dem Faktor Ihres Aktivitätsgrads (1,2 bis 1,9) multipliziert und auf ganze Kilokalorien gerundet.&lt;/p&gt;
&lt;p&gt;Beispiel: Mann, 30 Jahre, 180&amp;nbsp;cm, 80&amp;nbsp;kg, überwiegend sitzend: (800 + 1125 − 150 + 5) × 1,55 = 2759&amp;nbsp;kcal.&lt;/p&gt;
&lt;h3&gt;Eigener Wert&lt;/h3&gt;
&lt;p&gt;Kennen Sie Ihren Bedarf genauer, tippen Sie ihn direkt ein (1 bis 9999&amp;nbsp;kcal). Er gilt, bis Sie Alter, Größe, Gewicht, Geschlecht oder Aktivitätsgrad ändern.&lt;/p&gt;
&lt;h3&gt;Wozu der Wert dient&lt;/h3&gt;
&lt;p&gt;Die Richtwerte für den Tag (70&amp;nbsp;g Fett, 20&amp;nbsp;g gesättigte Fette, 90&amp;nbsp;g Zucker, 6&amp;nbsp;g Salz bei 2000&amp;nbsp;kcal) passt der Speiseplan an Ihren Bedarf an: Bei 2500&amp;nbsp;kcal gelten zum Beispiel 87,5&amp;nbsp;g Fett.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>GDAInfoText</source>
        <translation>&lt;h2&gt;GDA – Richtwerte für die Tageszufuhr&lt;/h2&gt;
&lt;p&gt;Die GDA (Guideline Daily Amounts) sind Richtwerte dafür, wie viel ein durchschnittlicher Erwachsener pro Tag von einem Nährstoff aufnehmen sollte:&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nährstoff&lt;/th&gt;&lt;th&gt;Richtwert pro Tag&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Fett&lt;/td&gt;&lt;td&gt;70&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Gesättigte Fette&lt;/td&gt;&lt;td&gt;20&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Zucker&lt;/td&gt;&lt;td&gt;90&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Salz&lt;/td&gt;&lt;td&gt;6&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Kalorien&lt;/td&gt;&lt;td&gt;2000&amp;nbsp;kcal&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;So funktioniert der GDA-Rechner&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Jeder Balken zeigt, welchen Anteil des Richtwerts eine Portion des Produkts liefert; ein voller Balken entspricht 100 % des Tagesbedarfs.&lt;/li&gt;
&lt;li&gt;Geben Sie unten die Portionsgröße in Gramm bzw. Millilitern ein (höchstens 5 Zeichen). Ohne Eingabe rechnet Tolvane mit 100&amp;nbsp;g.&lt;/li&gt;
&lt;li&gt;Berühren Sie einen Balken, um die Menge des Nährstoffs in Ihrer Portion zu sehen, zum Beispiel 30&amp;nbsp;g Fett.&lt;/li&gt;
&lt;li&gt;Mehr als 100 % sind möglich: Die Zahl zeigt den vollen Anteil, der Balken endet am oberen Rand.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Beispiel: 150&amp;nbsp;g eines Produkts mit 20&amp;nbsp;g Fett pro 100&amp;nbsp;g liefern 30&amp;nbsp;g Fett, das sind 42 % von 70&amp;nbsp;g.&lt;/p&gt;
&lt;p&gt;Drehen Sie das Gerät zurück ins Hochformat oder tippen Sie oben links auf «Zurück», um wieder die Nährwert-Ampel zu sehen.&lt;/p&gt;
&lt;p&gt;Mehr zur Nährwertkennzeichnung: &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;BLV – Nährwertdeklaration&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%d von %d Produkten geladen</source>
        <translation>%d von %d Produkten geladen</translation>
    </message>
    <message>
        <source>Seite %d von %d</source>
        <translation>Seite %d von %d</translation>
    </message>
    <message>
        <source>Die Datenbank %@ ist beschädigt und kann nicht gelesen werden. Die Datei bleibt unverändert; Tolvane wird beendet.</source>
        <translation>Die Datenbank %@ ist beschädigt und kann nicht gelesen werden. Die Datei bleibt unverändert; Tolvane wird beendet.</translation>
    </message>
    <message>
        <source>Neben der Datenbank %@ liegt das Journal eines unterbrochenen Schreibvorgangs, den Tolvane nur in einem beschreibbaren Ordner abschließen kann. Bitte machen Sie den Ordner beschreibbar; die Datei bleibt unverändert. Tolvane wird beendet.</source>
        <translation>Neben der Datenbank %@ liegt das Journal eines unterbrochenen Schreibvorgangs, den Tolvane nur in einem beschreibbaren Ordner abschließen kann. Bitte machen Sie den Ordner beschreibbar; die Datei bleibt unverändert. Tolvane wird beendet.</translation>
    </message>
    <message>
        <source>Die Datenbank %@ wird von einem anderen Programm benutzt. Die Datei bleibt unverändert; Tolvane wird beendet. Bitte starten Sie Tolvane später erneut.</source>
        <translation>Die Datenbank %@ wird von einem anderen Programm benutzt. Die Datei bleibt unverändert; Tolvane wird beendet. Bitte starten Sie Tolvane später erneut.</translation>
    </message>
    <message>
        <source>Der Ordner %@ ist schreibgeschützt. Tolvane zeigt Ihre Daten an, kann aber keine Änderungen speichern.</source>
        <translation>Der Ordner %@ ist schreibgeschützt. Tolvane zeigt Ihre Daten an, kann aber keine Änderungen speichern.</translation>
    </message>
    <message>
        <source>Tolvane läuft bereits mit diesem Datenordner. Bitte verwenden Sie das geöffnete Fenster.</source>
        <translation>Tolvane läuft bereits mit diesem Datenordner. Bitte verwenden Sie das geöffnete Fenster.</translation>
    </message>
    <message>
        <source>Tolvane kann seine Sperrdatei %@ nicht übernehmen. Bitte löschen Sie diese Datei und starten Sie Tolvane erneut.</source>
        <translation>Tolvane kann seine Sperrdatei %@ nicht übernehmen. Bitte löschen Sie diese Datei und starten Sie Tolvane erneut.</translation>
    </message>
    <message>
        <source>Die Antwort des Servers konnte nicht gelesen werden. Bitte versuchen Sie es später erneut.</source>
        <translation>Die Antwort des Servers konnte nicht gelesen werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Der Katalog ist auf dem neuesten Stand.</source>
        <translation>Der Katalog ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>Produkt bearbeiten</source>
        <translation>Produkt bearbeiten</translation>
    </message>
    <message>
        <source>Es wurde kein E-Mail-Programm gefunden. Schreiben Sie uns an:</source>
        <translation>Es wurde kein E-Mail-Programm gefunden. Schreiben Sie uns an:</translation>
    </message>
    <message>
        <source>Adresse kopieren</source>
        <translation>Adresse kopieren</translation>
    </message>
    <message>
        <source>Dieser Ordner ist leer. Fügen Sie Produkte über deren Detailansicht hinzu.</source>
        <translation>Dieser Ordner ist leer. Fügen Sie Produkte über deren Detailansicht hinzu.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder Exists</source>
        <translation>Es gibt bereits einen Ordner mit diesem Namen.</translation>
    </message>
    <message>
        <source>Add Folder Anyway</source>
        <translation>Trotzdem anlegen</translation>
    </message>
    <message>
        <source>GDA Portion Not A Number</source>
        <translation>Bitte geben Sie die Portion als Zahl ein, zum Beispiel 150.</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>,</translation>
    </message>
    <message>
        <source>No Data Sign</source>
        <translation>k.A.</translation>
    </message>
    <message>
        <source>Thousands Separator</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Thousands From Digits</source>
        <translation>4</translation>
    </message>
    <message>
        <source>%@ %</source>
        <translation>%@ %</translation>
    </message>
    <message>
        <source>%@ oz</source>
        <translation>%@ oz</translation>
    </message>
    <message>
        <source>%@ (lbs)</source>
        <translation>%@ (lbs)</translation>
    </message>
    <message>
        <source>Accessible Search Field</source>
        <translation>Suchbegriff</translation>
    </message>
    <message>
        <source>Accessible Search Field Description</source>
        <translation>Produktname, Hersteller oder Strichcode eingeben; die Eingabetaste sucht</translation>
    </message>
    <message>
        <source>Accessible Search Button Description</source>
        <translation>Sucht den eingegebenen Text</translation>
    </message>
    <message>
        <source>Accessible Cancel Search</source>
        <translation>Suche abbrechen</translation>
    </message>
    <message>
        <source>Accessible Cancel Search Description</source>
        <translation>Leert das Suchfeld und zeigt wieder alle Produkte</translation>
    </message>
    <message>
        <source>Accessible Scan Description</source>
        <translation>Liest den Strichcode eines Produkts mit der Kamera oder aus einem Bild</translation>
    </message>
    <message>
        <source>Accessible Product List</source>
        <translation>Produktliste</translation>
    </message>
    <message>
        <source>Accessible Category List</source>
        <translation>Kategorienliste</translation>
    </message>
    <message>
        <source>Accessible List Description</source>
        <translation>Pfeiltasten wählen eine Zeile, die Eingabetaste öffnet sie</translation>
    </message>
    <message>
        <source>Accessible Editable List Description</source>
        <translation>Pfeiltasten wählen eine Zeile, die Eingabetaste öffnet sie; beim Bearbeiten löscht Entf sie nach Bestätigung mit der Eingabetaste, Alt+Pfeil verschiebt sie</translation>
    </message>
    <message>
        <source>Accessible Refresh</source>
        <translation>Katalog aktualisieren</translation>
    </message>
    <message>
        <source>Accessible Refresh Description</source>
        <translation>Lädt neue und geänderte Produkte vom Server</translation>
    </message>
    <message>
        <source>Accessible Back</source>
        <translation>Zurück zur vorigen Seite</translation>
    </message>
    <message>
        <source>Accessible Back Description</source>
        <translation>Auch mit Escape oder Alt+Pfeil nach links</translation>
    </message>
    <message>
        <source>Accessible Tab Description</source>
        <translation>Reiter; die Pfeiltasten wechseln zum nächsten Reiter</translation>
    </message>
    <message>
        <source>Accessible Favorite Description</source>
        <translation>Wählt die Ordner des Speiseplans für dieses Produkt</translation>
    </message>
    <message>
        <source>Accessible Remove Favorite Description</source>
        <translation>Nimmt das Produkt aus allen Ordnern</translation>
    </message>
    <message>
        <source>Accessible Turn Description</source>
        <translation>Zeigt den Rechner für den Tagesbedarf (auch Strg+Pfeil nach links)</translation>
    </message>
    <message>
        <source>Accessible Folder Picker</source>
        <translation>Ordnerauswahl</translation>
    </message>
    <message>
        <source>Accessible Folder Picker Description</source>
        <translation>Pfeiltasten wählen einen Ordner, die Leertaste setzt oder entfernt sein Häkchen</translation>
    </message>
    <message>
        <source>Accessible Done Description</source>
        <translation>Schließt die Eingabe ab</translation>
    </message>
    <message>
        <source>Accessible Cancel Description</source>
        <translation>Verwirft die Eingabe</translation>
    </message>
    <message>
        <source>Accessible Portion</source>
        <translation>Portionsgröße</translation>
    </message>
    <message>
        <source>Accessible Portion Description</source>
        <translation>Menge in Gramm oder Milliliter; die Balken zeigen den Anteil am Tagesbedarf</translation>
    </message>
    <message>
        <source>Accessible Info Description</source>
        <translation>Öffnet die Erklärung</translation>
    </message>
    <message>
        <source>Accessible Turn Back Description</source>
        <translation>Dreht zurück zur Produktseite (auch Strg+Pfeil nach oben)</translation>
    </message>
    <message>
        <source>Accessible Folder List</source>
        <translation>Ordnerliste</translation>
    </message>
    <message>
        <source>Accessible Folder Contents</source>
        <translation>Produkte im Ordner</translation>
    </message>
    <message>
        <source>Accessible New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Accessible New Product</source>
        <translation>Neues Produkt</translation>
    </message>
    <message>
        <source>Accessible Edit Description</source>
        <translation>Schaltet Löschen und Verschieben ein oder aus</translation>
    </message>
    <message>
        <source>Accessible Add Description</source>
        <translation>Legt einen neuen Eintrag an</translation>
    </message>
    <message>
        <source>Accessible About Language</source>
        <translation>Info zur Sprachwahl</translation>
    </message>
    <message>
        <source>Accessible About Live Search</source>
        <translation>Info zur Live-Suche</translation>
    </message>
    <message>
        <source>Accessible About Metric Units</source>
        <translation>Info zu den metrischen Einheiten</translation>
    </message>
    <message>
        <source>Accessible About Personal Profile</source>
        <translation>Info zum persönlichen Profil</translation>
    </message>
    <message>
        <source>Accessible About BMI</source>
        <translation>Info zum BMI</translation>
    </message>
    <message>
        <source>Accessible About Ideal Weight</source>
        <translation>Info zum Idealgewicht</translation>
    </message>
    <message>
        <source>Accessible About Activity Level</source>
        <translation>Info zum Aktivitätsgrad</translation>
    </message>
    <message>
        <source>Accessible About Daily Calories</source>
        <translation>Info zu den Tageskalorien</translation>
    </message>
    <message>
        <source>Accessible Switch Description</source>
        <translation>Die Leertaste schaltet ein oder aus</translation>
    </message>
    <message>
        <source>Accessible Row Description</source>
        <translation>Die Leertaste oder Eingabetaste wählt diese Zeile</translation>
    </message>
    <message>
        <source>Accessible Mail Description</source>
        <translation>Öffnet eine neue E-Mail an den Support</translation>
    </message>
    <message>
        <source>Accessible Copy Address Description</source>
        <translation>Kopiert die Adresse in die Zwischenablage</translation>
    </message>
    <message>
        <source>Accessible Help Page</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Accessible Help Page Description</source>
        <translation>Tab springt zu den Links, die Eingabetaste öffnet sie</translation>
    </message>
    <message>
        <source>Accessible Wheel Description</source>
        <translation>Die Pfeiltasten drehen das Rad</translation>
    </message>
    <message>
        <source>Accessible Field Description</source>
        <translation>Eingabefeld; Tab geht zum nächsten</translation>
    </message>
    <message>
        <source>Accessible Picker Field Description</source>
        <translation>Die Leertaste öffnet die Auswahl</translation>
    </message>
    <message>
        <source>Accessible Dot</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Accessible Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Accessible Input Bar Description</source>
        <translation>Taste der Leiste über dem Eingabefeld</translation>
    </message>
    <message>
        <source>Accessible Delete %@</source>
        <translation>%@ löschen</translation>
    </message>
    <message>
        <source>Accessible Move Up %@</source>
        <translation>%@ nach oben</translation>
    </message>
    <message>
        <source>Accessible Move Down %@</source>
        <translation>%@ nach unten</translation>
    </message>
    <message>
        <source>Accessible Own Product Description</source>
        <translation>Legt das Produkt als eigenes Produkt an</translation>
    </message>
    <message>
        <source>Accessible Choose Picture Description</source>
        <translation>Öffnet ein Bild mit einem Strichcode</translation>
    </message>
    <message>
        <source>Accessible Save Description</source>
        <translation>Speichert das Produkt</translation>
    </message>
    <message>
        <source>Accessible Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Accessible Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Accessible Height</source>
        <translation>Körpergröße</translation>
    </message>
    <message>
        <source>Accessible Weight</source>
        <translation>Körpergewicht</translation>
    </message>
    <message>
        <source>Accessible Slider Description</source>
        <translation>Die Pfeiltasten ändern den Wert</translation>
    </message>
    <message>
        <source>Accessible Nutrition Table</source>
        <translation>Nährwerttabelle</translation>
    </message>
    <message>
        <source>Accessible Light Green</source>
        <translation>grünes Licht</translation>
    </message>
    <message>
        <source>Accessible Light Yellow</source>
        <translation>gelbes Licht</translation>
    </message>
    <message>
        <source>Accessible Light Red</source>
        <translation>rotes Licht</translation>
    </message>
    <message>
        <source>Accessible Light None</source>
        <translation>keine Angabe</translation>
    </message>
    <message>
        <source>Remove Favourite Question</source>
        <translation>Dieses Produkt liegt in %d Ihrer Ordner, mit %@ kcal geplant. Aus allen entfernen?</translation>
    </message>
    <message>
        <source>Delete Filed Own Product Question</source>
        <translation>Dieses Produkt liegt in %d Ihrer Ordner, mit %@ kcal geplant. Löschen und aus allen entfernen?</translation>
    </message>
    <message>
        <source>Product Gone Message</source>
        <translation>Dieses Produkt gibt es nicht mehr: Es wurde gelöscht. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Accessible Hits</source>
        <translation>%d Treffer</translation>
    </message>
    <message>
        <source>Accessible Below Average</source>
        <translation>unter dem Durchschnitt der Kategorie</translation>
    </message>
    <message>
        <source>Accessible Scroll Bar</source>
        <translation>Bildlaufleiste</translation>
    </message>
    <message>
        <source>Accessible GDA Bars</source>
        <translation>Anteil am Tagesbedarf</translation>
    </message>
    <message>
        <source>Accessible Portion Clear</source>
        <translation>Portion leeren</translation>
    </message>
    <message>
        <source>Accessible Slider Name</source>
        <translation>%@ (Schieberegler)</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>Frühstück</source>
        <translation>Frühstück</translation>
    </message>
    <message>
        <source>Mittagessen</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>Abendessen</source>
        <translation>Abendessen</translation>
    </message>
    <message>
        <source>Gegessen</source>
        <translation>Gegessen</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Diary Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Diary Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Diary Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Diary Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Diary Meal</source>
        <translation>Mahlzeit</translation>
    </message>
    <message>
        <source>Diary Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Diary Chart</source>
        <translation>Energie pro Tag</translation>
    </message>
    <message>
        <source>Diary Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Diary Day Totals</source>
        <translation>Der Tag gegen Ihren Bedarf</translation>
    </message>
    <message>
        <source>Diary %@ of %@</source>
        <translation>%@ von %@</translation>
    </message>
    <message>
        <source>Diary %@ kcal left</source>
        <translation>Noch %@ kcal bis zum Tagesbedarf</translation>
    </message>
    <message>
        <source>Diary %@ kcal over</source>
        <translation>%@ kcal über dem Tagesbedarf</translation>
    </message>
    <message>
        <source>Diary Fixed References</source>
        <translation>Ohne Tageskalorien im persönlichen Profil gelten die Richtwerte für 2.000 kcal.</translation>
    </message>
    <message>
        <source>Diary Read Failed</source>
        <translation>Das Tagebuch kann gerade nicht gelesen werden. Es ist nichts verloren; bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Diary Write Failed</source>
        <translation>Der Eintrag konnte nicht gesichert werden; das Tagebuch ist unverändert.</translation>
    </message>
    <message>
        <source>Diary Amount Refused</source>
        <translation>Bitte geben Sie eine Menge größer als 0 ein.</translation>
    </message>
    <message>
        <source>Diary Delete Question</source>
        <translation>Diesen Eintrag aus dem Tagebuch löschen?</translation>
    </message>
    <message>
        <source>Diary Quick %@</source>
        <translation>%@</translation>
    </message>
    <message>
        <source>Diary Pack %@</source>
        <translation>Packung %@</translation>
    </message>
    <message>
        <source>Diary Last %@</source>
        <translation>Zuletzt %@</translation>
    </message>
    <message>
        <source>Diary Folder Logged %@</source>
        <translation>%@ Produkte wurden in das heutige Tagebuch eingetragen.</translation>
    </message>
    <message>
        <source>Eat Folder Today</source>
        <translation>Heute gegessen</translation>
    </message>
    <message>
        <source>Diary Locale</source>
        <translation>de_DE</translation>
    </message>
    <message>
        <source>Accessible Diary Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Accessible Diary Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Description</source>
        <translation>Zeigt den Tag davor</translation>
    </message>
    <message>
        <source>Accessible Diary Next Description</source>
        <translation>Zeigt den Tag danach</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Span Description</source>
        <translation>Zeigt den Zeitraum davor</translation>
    </message>
    <message>
        <source>Accessible Diary Next Span Description</source>
        <translation>Zeigt den Zeitraum danach</translation>
    </message>
    <message>
        <source>Accessible Diary Date Description</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Accessible Diary Today Description</source>
        <translation>Zeigt den heutigen Tag</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Description</source>
        <translation>Öffnet die Energie pro Tag als Diagramm; ein Tag darin öffnet ihn</translation>
    </message>
    <message>
        <source>Accessible Diary Entry Description</source>
        <translation>Öffnet den Eintrag zum Ändern, Verschieben oder Löschen</translation>
    </message>
    <message>
        <source>Accessible Diary Amount</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Accessible Diary Amount Description</source>
        <translation>Die gegessene Menge</translation>
    </message>
    <message>
        <source>Accessible Diary Quick Description</source>
        <translation>Setzt diese Menge</translation>
    </message>
    <message>
        <source>Accessible Diary Time Description</source>
        <translation>Die Uhrzeit des Essens</translation>
    </message>
    <message>
        <source>Accessible Diary Meal Description</source>
        <translation>Die Mahlzeit des Eintrags</translation>
    </message>
    <message>
        <source>Accessible Diary Save Description</source>
        <translation>Sichert den Eintrag im Tagebuch</translation>
    </message>
    <message>
        <source>Accessible Diary Delete Description</source>
        <translation>Löscht den Eintrag nach einer Rückfrage</translation>
    </message>
    <message>
        <source>Accessible Eaten Description</source>
        <translation>Trägt dieses Produkt in das Tagebuch ein</translation>
    </message>
    <message>
        <source>Accessible Eat Folder Description</source>
        <translation>Trägt jedes Produkt des Ordners mit seiner Menge in das heutige Tagebuch ein</translation>
    </message>
    <message>
        <source>Datensicherung</source>
        <translation>Datensicherung</translation>
    </message>
    <message>
        <source>    Datensicherung</source>
        <translation>    Datensicherung</translation>
    </message>
    <message>
        <source>Backup Export</source>
        <translation>Alles exportieren</translation>
    </message>
    <message>
        <source>Backup Import</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Backup File Filter</source>
        <translation>Tolvane-Sicherung</translation>
    </message>
    <message>
        <source>Backup Import Question</source>
        <translation>Die Sicherung wird mit Ihren Daten zusammengeführt: Tagebuch, eigene Produkte und Speiseplan-Ordner kommen dazu, wo sie fehlen. Ihr persönliches Profil und die Einstellungen werden durch die der Sicherung ersetzt. Fortfahren?</translation>
    </message>
    <message>
        <source>Backup Import Confirm</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Backup Exported</source>
        <translation>Die Sicherung wurde geschrieben.</translation>
    </message>
    <message>
        <source>Backup Export Failed</source>
        <translation>Die Sicherung konnte nicht geschrieben werden. Bitte wählen Sie einen anderen Ort.</translation>
    </message>
    <message>
        <source>Backup Imported</source>
        <translation>Die Sicherung wurde importiert.</translation>
    </message>
    <message>
        <source>Backup Import Failed</source>
        <translation>Die Sicherung konnte nicht übernommen werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Backup Refused Damaged</source>
        <translation>Die Datei ist beschädigt oder unvollständig. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Backup Refused Foreign</source>
        <translation>Die Datei ist keine Tolvane-Sicherung. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Backup Refused Newer</source>
        <translation>Die Sicherung stammt von einer neueren Tolvane-Version. Bitte aktualisieren Sie Tolvane. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Accessible Diary Row Description</source>
        <translation>Öffnet das Tagebuch mit dem heutigen Tag</translation>
    </message>
    <message>
        <source>Diary Snacks</source>
        <translation>Snacks</translation>
    </message>
    <message>
        <source>Accessible Own Product List</source>
        <translation>Liste eigener Produkte</translation>
    </message>
    <message>
        <source>Discard Typed Product Question</source>
        <translation>Die Eingaben zu diesem Produkt sind noch nicht gespeichert. Verwerfen?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Accessible Added To %@</source>
        <translation>Zu „%@“ hinzugefügt</translation>
    </message>
    <message>
        <source>Diary Reference</source>
        <translation>Richtwert</translation>
    </message>
    <message>
        <source>Diary Chart Nutrient</source>
        <translation>Nährstoff</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Nutrient Description</source>
        <translation>Wählt den Nährstoff, den das zweite Diagramm pro Tag zeigt</translation>
    </message>
    <message>
        <source>Diary Folder Logged One</source>
        <translation>1 Produkt wurde in das heutige Tagebuch eingetragen.</translation>
    </message>
</context>
</TS>
