<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Tolvane</name>
    <message>
        <source>Suche</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Menu List</source>
        <translation>Meal Plan</translation>
    </message>
    <message>
        <source>Kategorien</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to create writable database</source>
        <translation>The database could not be created.</translation>
    </message>
    <message>
        <source>Failed to create writable database file with message '%@'.</source>
        <translation>The database file could not be created: %@</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Rate Tolvane</translation>
    </message>
    <message>
        <source>If you like MyApp, please take the time, etc</source>
        <translation>If you enjoy using Tolvane, would you mind taking a moment to rate it? Thank you for your support!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>No, Thanks</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Rate It Now</translation>
    </message>
    <message>
        <source>    Optionen</source>
        <translation>    Options</translation>
    </message>
    <message>
        <source>    Nützliche Hinweise</source>
        <translation>    Useful Tips</translation>
    </message>
    <message>
        <source>Lokalisierung</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Live-Suche</source>
        <translation>Live Search</translation>
    </message>
    <message>
        <source>Metrische Einheiten</source>
        <translation>Metric Units</translation>
    </message>
    <message>
        <source>Eigene Produkte verwalten</source>
        <translation>Manage My Products</translation>
    </message>
    <message>
        <source>Persönliches Profil</source>
        <translation>Personal Profile</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Turn</translation>
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
        <translation>About the Traffic Lights</translation>
    </message>
    <message>
        <source>Benutzungstips</source>
        <translation>How to Use Tolvane</translation>
    </message>
    <message>
        <source>Infotext Profil Titel</source>
        <translation>About the Personal Profile</translation>
    </message>
    <message>
        <source>BMI Infotext Titel</source>
        <translation>Body Mass Index (BMI)</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Sie haben Fragen, Verbesserungsvorschläge oder auch Lob? Wir freuen uns über Ihre Nachricht!</source>
        <translation>Do you have questions, ideas for improvements or even praise? We look forward to hearing from you!</translation>
    </message>
    <message>
        <source>E-mail senden</source>
        <translation>Send E-mail</translation>
    </message>
    <message>
        <source>Email Subject</source>
        <translation>Tolvane: question or suggestion</translation>
    </message>
    <message>
        <source>Missing Brand</source>
        <translation>Hello

My question or suggestion about Tolvane:


If a product is missing:
Product name:
Brand:
Category:
Nutrition values per 100 g or 100 ml:

Kind regards
</translation>
    </message>
    <message>
        <source>Setup-Info</source>
        <translation>Settings Tips</translation>
    </message>
    <message>
        <source>Hilfe zur Setupnutzung</source>
        <translation>Here you choose the language, switch live search and metric units on or off, manage your own products and keep your personal profile. The info buttons explain each setting.</translation>
    </message>
    <message>
        <source>Localization Screen Text 1</source>
        <translation>App language – takes effect at the next start</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatic</translation>
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
        <translation>GDA Info</translation>
    </message>
    <message>
        <source>Produktsuche</source>
        <translation>Product Search</translation>
    </message>
    <message>
        <source>Produkt eingeben</source>
        <translation>Product or brand</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading…</translation>
    </message>
    <message>
        <source>Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst die aktuellen Daten herunter.</source>
        <translation>There is no product data on this device yet. Please download the current data first.</translation>
    </message>
    <message>
        <source>Keine Treffer</source>
        <translation>No Results</translation>
    </message>
    <message>
        <source>Keine Produkte oder Hersteller entsprechen Ihrer Eingabe</source>
        <translation>No product or brand matches your search.</translation>
    </message>
    <message>
        <source>this barcode's check digit is wrong</source>
        <translation>This barcode's check digit is wrong.</translation>
    </message>
    <message>
        <source>Scan a barcode</source>
        <translation>Scan a barcode</translation>
    </message>
    <message>
        <source>Aim at the barcode</source>
        <translation>Hold the barcode inside the frame</translation>
    </message>
    <message>
        <source>not in the catalogue</source>
        <translation>not in the catalogue</translation>
    </message>
    <message>
        <source>Enter as own product</source>
        <translation>Enter as own product</translation>
    </message>
    <message>
        <source>Strichcode</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>A barcode has 8, 12, 13 or 14 digits, a shop's own code 3 to 11.</source>
        <translation>A barcode has 8, 12, 13 or 14 digits, a shop's own code 3 to 11.</translation>
    </message>
    <message>
        <source>The catalogue could not be read just now; the list may not be up to date.</source>
        <translation>The catalogue could not be read just now; the list may not be up to date.</translation>
    </message>
    <message>
        <source>This product cannot be opened</source>
        <translation>This product cannot be opened</translation>
    </message>
    <message>
        <source>The catalogue cannot be read just now</source>
        <translation>The catalogue cannot be read just now</translation>
    </message>
    <message>
        <source>No barcode found in this picture</source>
        <translation>No barcode found in this picture.</translation>
    </message>
    <message>
        <source>Bild wird gelesen …</source>
        <translation>Reading the picture …</translation>
    </message>
    <message>
        <source>Dieses Bild lässt sich nicht lesen</source>
        <translation>This picture cannot be read.</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Choose a picture</translation>
    </message>
    <message>
        <source>Sync-Benachrichtigung</source>
        <translation>Update the Catalogue</translation>
    </message>
    <message>
        <source>Bitte synchronisieren Sie Ihr App</source>
        <translation>Please update the product catalogue to see the latest products and nutrition values.</translation>
    </message>
    <message>
        <source>Hinweis löschen</source>
        <translation>Don't Show Again</translation>
    </message>
    <message>
        <source>Sync starten</source>
        <translation>Update Now</translation>
    </message>
    <message>
        <source>Startmenü Später erinnern</source>
        <translation>Remind Me at Next Start</translation>
    </message>
    <message>
        <source>Der Produktserver antwortet nicht. Bitte versuchen Sie es später erneut.</source>
        <translation>The product server does not answer. Please try again later.</translation>
    </message>
    <message>
        <source>Keine Datenverbindung verfügbar</source>
        <translation>No data connection available. Please check your internet connection.</translation>
    </message>
    <message>
        <source>Verbindung wurde erfolgreich hergestellt und neue Einträge sind heruntergeladen.</source>
        <translation>Connected successfully: the new entries have been downloaded.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Tolvane kann seine Datenbank nicht anlegen. Bitte geben Sie Speicherplatz frei und starten Sie Tolvane erneut.</source>
        <translation>Not enough free space: Tolvane cannot create its database. Please free some storage space and start Tolvane again.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Der Download wurde angehalten. Bitte geben Sie Speicherplatz frei und synchronisieren Sie erneut.</source>
        <translation>Not enough free space: the download has been stopped. Please free some storage space and synchronise again.</translation>
    </message>
    <message>
        <source>Die Datenbank ist schreibgeschützt: Der Download wurde angehalten. Tolvane kann Neues erst speichern, wenn Datei und Ordner beschreibbar sind.</source>
        <translation>The database is read-only: the download has been stopped. Tolvane can only save new data once the file and its folder can be written.</translation>
    </message>
    <message>
        <source>Die Datenverbindung wurde unterbrochen und der Download angehalten. Bitte synchronisieren Sie erneut für alle Produkte</source>
        <translation>The connection was interrupted and the download stopped. Please update again to get all products.</translation>
    </message>
    <message>
        <source>Ampel-Info</source>
        <translation>Nutrition Lights</translation>
    </message>
    <message>
        <source>Alle Angaben in g, bezogen auf 100</source>
        <translation>All values per 100</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Fat</translation>
    </message>
    <message>
        <source>gesättigte Fette</source>
        <translation>Saturated fat</translation>
    </message>
    <message>
        <source>Zucker</source>
        <translation>Sugar</translation>
    </message>
    <message>
        <source>Salz</source>
        <translation>Salt</translation>
    </message>
    <message>
        <source>Kalorien (kcal)</source>
        <translation>Calories (kcal)</translation>
    </message>
    <message>
        <source>Kalorien</source>
        <translation>Calories</translation>
    </message>
    <message>
        <source>Eine Verkaufsportion hat </source>
        <translation>Pack size: </translation>
    </message>
    <message>
        <source>Keine Angaben zur Verkaufsmenge</source>
        <translation>No pack size given</translation>
    </message>
    <message>
        <source>Für weitere Details bitte Gerät drehen</source>
        <translation>Turn the device for more details</translation>
    </message>
    <message>
        <source>Nährwerte pro %@</source>
        <translation>Nutrition facts per %@</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>davon gesättigte Fettsäuren</source>
        <translation>of which saturates</translation>
    </message>
    <message>
        <source>davon einfach ungesättigte Fettsäuren</source>
        <translation>of which mono-unsaturates</translation>
    </message>
    <message>
        <source>davon mehrfach ungesättigte Fettsäuren</source>
        <translation>of which polyunsaturates</translation>
    </message>
    <message>
        <source>davon Transfettsäuren</source>
        <translation>of which trans fats</translation>
    </message>
    <message>
        <source>Kohlenhydrate</source>
        <translation>Carbohydrate</translation>
    </message>
    <message>
        <source>davon Zucker</source>
        <translation>of which sugars</translation>
    </message>
    <message>
        <source>davon Stärke</source>
        <translation>of which starch</translation>
    </message>
    <message>
        <source>davon mehrwertige Alkohole</source>
        <translation>of which polyols</translation>
    </message>
    <message>
        <source>Ballaststoffe</source>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>Eiweiß</source>
        <translation>Protein</translation>
    </message>
    <message>
        <source>Cholesterin</source>
        <translation>Cholesterol</translation>
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
        <translation>Better choices in %@</translation>
    </message>
    <message>
        <source>Packung (%@)</source>
        <translation>Pack (%@)</translation>
    </message>
    <message>
        <source>Zu Favoriten hinzufügen</source>
        <translation>Add to Favourites</translation>
    </message>
    <message>
        <source>Aus Favoriten entfernen</source>
        <translation>Remove from Favourites</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Wollen Sie dieses Produkt aus Ihren Favoriten löschen?</source>
        <translation>Do you want to remove this product from your favourites?</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>GDA-Info</source>
        <translation>GDA Calculator</translation>
    </message>
    <message>
        <source>Hilfe zur GDA-Nutzung</source>
        <translation>The bars show what share of the guideline daily amounts (GDA) a portion supplies. Type the portion size below and touch a bar to see the amount. Turn the device back, or tap “Back”, to return to the traffic lights.</translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist zu groß. Bitte überprüfen Sie Ihre Eingabe.</source>
        <translation>The value entered is too large. Please check your entry.</translation>
    </message>
    <message>
        <source>Tageskalorien- &amp; Nährwertbedarf</source>
        <translation>Daily Calorie &amp; Nutrient Needs</translation>
    </message>
    <message>
        <source>Folder GDA Fixed References</source>
        <translation>No daily calories in your personal profile: the general guideline amounts (2000 kcal) apply.</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Produktname</source>
        <translation>Product name</translation>
    </message>
    <message>
        <source>Herstellername</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Lebensmittel</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>Getränk</source>
        <translation>Drink</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Natrium</source>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Produktmenge</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Werte für jeweils 100 g/ml</source>
        <translation>Values per 100 g/ml</translation>
    </message>
    <message>
        <source>Gewicht oder Menge der Verkaufsportion:</source>
        <translation>Weight or volume of the pack:</translation>
    </message>
    <message>
        <source>Neues Produkt hinzufügen</source>
        <translation>New Product</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Sie haben noch nicht alle benötigten Textfelder ausgefüllt. Bitte ergänzen Sie Produktnamen, Hersteller oder wählen noch eine Kategorie</source>
        <translation>Some required fields are still empty. Please enter the product name and brand and choose a category.</translation>
    </message>
    <message>
        <source>Sie haben zu viele Nachkommastellen angegeben. Bitte geben Sie maximal eine, bei Salz maximal zwei an.</source>
        <translation>Too many decimal places. Please enter at most one, or at most two for salt.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gespeichert werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>The product could not be saved. Please try again.</translation>
    </message>
    <message>
        <source>Die Änderungen konnten nicht gespeichert werden. Das Produkt bleibt unverändert.</source>
        <translation>The changes could not be saved. The product is unchanged.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gelöscht werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>The product could not be deleted. Please try again.</translation>
    </message>
    <message>
        <source>Eigene Produkte</source>
        <translation>My Products</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Sie können hier Ihre eigenen Produkte und deren Werte einfügen. Bitte drücken Sie den Bearbeiten-Knopf und dann Plus (+). Produkte können jederzeit nachträglich angepasst oder gelöscht werden.</source>
        <translation>Here you can add your own products and their values. Tap the Edit button and then plus (+). Products can be changed or deleted at any time.</translation>
    </message>
    <message>
        <source>Personal Profile</source>
        <translation>Personal Profile</translation>
    </message>
    <message>
        <source>Instructions Personal Profile</source>
        <translation>Set your gender, age, height and weight above and choose your activity level. From these Tolvane works out your BMI, ideal weight and daily calorie need, which you may also type in yourself.</translation>
    </message>
    <message>
        <source>M</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>BMI</source>
        <translation>BMI</translation>
    </message>
    <message>
        <source>Ideal Body Weight</source>
        <translation>Ideal body weight</translation>
    </message>
    <message>
        <source>Activity Level</source>
        <translation>Activity level</translation>
    </message>
    <message>
        <source>Daily Calories(kcal)</source>
        <translation>Daily calories (kcal)</translation>
    </message>
    <message>
        <source>sitzend oder liegend</source>
        <translation>Sitting or lying down</translation>
    </message>
    <message>
        <source>ausschließlich sitzend</source>
        <translation>Sitting only</translation>
    </message>
    <message>
        <source>überwiegend sitzend</source>
        <translation>Mostly sitting</translation>
    </message>
    <message>
        <source>überwiegend stehend</source>
        <translation>Mostly standing</translation>
    </message>
    <message>
        <source>körperlich anstrengend</source>
        <translation>Physically demanding</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount</source>
        <translation>Please enter a valid number.</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount Nil</source>
        <translation>Please enter a value.</translation>
    </message>
    <message>
        <source>Error Message Consumption Zero</source>
        <translation>A value of 0 is not taken: the figures stay as they were.</translation>
    </message>
    <message>
        <source>Thank you for your input</source>
        <translation>Thank you, your daily calorie figure has been saved.</translation>
    </message>
    <message>
        <source>Ihr Profil konnte nicht gelesen werden. Bitte versuchen Sie es später noch einmal.</source>
        <translation>Your profile could not be read. Please try again later.</translation>
    </message>
    <message>
        <source>Pop-Up Personal Profile</source>
        <translation>Please enter a daily calorie figure between 1 and 9999 kcal, with at most three decimals.</translation>
    </message>
    <message>
        <source>Speiseplan-Info</source>
        <translation>Meal Plan Tips</translation>
    </message>
    <message>
        <source>Hilfe zur Speiseplannutzung</source>
        <translation>Create folders for your meals and fill them from a product's page with “Add to Favourites”. Tap a folder to compare its nutrients with your daily needs. With “Edit” you add, reorder or delete folders and open their contents to change amounts.</translation>
    </message>
    <message>
        <source>Später erinnern</source>
        <translation>Remind Me Later</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Create new folder</source>
        <translation>Create a new folder</translation>
    </message>
    <message>
        <source>Folder Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder</source>
        <translation>The folder name may be at most 30 characters long.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder2</source>
        <translation>The folder name may not contain "|", control characters or symbols such as emoji.</translation>
    </message>
    <message>
        <source>Der Ordner konnte nicht angelegt werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>The folder could not be created. Please try again.</translation>
    </message>
    <message>
        <source>Menu List Item 1</source>
        <translation>Snacks</translation>
    </message>
    <message>
        <source>Menu List Item 2</source>
        <translation>Breakfast</translation>
    </message>
    <message>
        <source>Menu List Item 3</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>Menu List Item 4</source>
        <translation>Dinner</translation>
    </message>
    <message>
        <source>Edit Consumption Title</source>
        <translation>Amount Eaten</translation>
    </message>
    <message>
        <source>Please Enter Consumption</source>
        <translation>Enter how much you ate or drank; all values adjust together.</translation>
    </message>
    <message>
        <source>Consumption Amount in g/ml</source>
        <translation>Amount in g/ml</translation>
    </message>
    <message>
        <source>Consumption Amount Fat</source>
        <translation>Fat in g</translation>
    </message>
    <message>
        <source>Consumption Amount Saturates</source>
        <translation>Saturated fat in g</translation>
    </message>
    <message>
        <source>Consumption Amount Sugar</source>
        <translation>Sugar in g</translation>
    </message>
    <message>
        <source>Consumption Amount Salt</source>
        <translation>Salt in g</translation>
    </message>
    <message>
        <source>Consumption Amount Calories</source>
        <translation>Calories in kcal</translation>
    </message>
    <message>
        <source>Consumption Zero Hint</source>
        <translation>0 – cannot be changed</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
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
        <translation>Drinks</translation>
    </message>
    <message>
        <source>Milchprodukte</source>
        <translation>Dairy products</translation>
    </message>
    <message>
        <source>Käse</source>
        <translation>Cheese</translation>
    </message>
    <message>
        <source>Süßwaren</source>
        <translation>Sweets</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Snacks</translation>
    </message>
    <message>
        <source>Backwaren</source>
        <translation>Bakery</translation>
    </message>
    <message>
        <source>Frühstück &amp; Cerealien</source>
        <translation>Breakfast &amp; cereals</translation>
    </message>
    <message>
        <source>Fertiggerichte</source>
        <translation>Ready meals</translation>
    </message>
    <message>
        <source>Fast Food</source>
        <translation>Fast food</translation>
    </message>
    <message>
        <source>Fleisch &amp; Wurst</source>
        <translation>Meat &amp; sausages</translation>
    </message>
    <message>
        <source>Fisch</source>
        <translation>Fish</translation>
    </message>
    <message>
        <source>Obst &amp; Gemüse</source>
        <translation>Fruit &amp; vegetables</translation>
    </message>
    <message>
        <source>Teigwaren &amp; Reis</source>
        <translation>Pasta &amp; rice</translation>
    </message>
    <message>
        <source>Saucen &amp; Gewürze</source>
        <translation>Sauces &amp; seasonings</translation>
    </message>
    <message>
        <source>Brotaufstriche</source>
        <translation>Spreads</translation>
    </message>
    <message>
        <source>Öle &amp; Fette</source>
        <translation>Oils &amp; fats</translation>
    </message>
    <message>
        <source>Kaffee &amp; Tee</source>
        <translation>Coffee &amp; tea</translation>
    </message>
    <message>
        <source>Babynahrung</source>
        <translation>Baby food</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>AmpelInfosText</source>
        <translation>&lt;h2&gt;The nutrition traffic lights&lt;/h2&gt;
&lt;p&gt;For every product Tolvane rates &lt;b&gt;fat&lt;/b&gt;, &lt;b&gt;saturated fat&lt;/b&gt;, &lt;b&gt;sugar&lt;/b&gt; and &lt;b&gt;salt&lt;/b&gt; with a traffic-light colour. What counts is the content per 100&amp;nbsp;g for solid food and per 100&amp;nbsp;ml for drinks.&lt;/p&gt;
&lt;table cellpadding="3" cellspacing="0"&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_green.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Green&lt;/b&gt;: low – a good choice.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_yellow.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Yellow&lt;/b&gt;: medium – fine most of the time.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_red.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Red&lt;/b&gt;: high – better eaten rarely and in small amounts.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Bounds per 100&amp;nbsp;g (solid food)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutrient&lt;/th&gt;&lt;th&gt;Green&lt;/th&gt;&lt;th&gt;Yellow&lt;/th&gt;&lt;th&gt;Red&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Fat&lt;/td&gt;&lt;td&gt;up to 3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 3 to 20&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 20&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Saturated fat&lt;/td&gt;&lt;td&gt;up to 1.5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 1.5 to 5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sugar&lt;/td&gt;&lt;td&gt;up to 5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 5 to 12.5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 12.5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Salt&lt;/td&gt;&lt;td&gt;up to 0.3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 0.3 to 1.5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 1.5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Bounds per 100&amp;nbsp;ml (drinks)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutrient&lt;/th&gt;&lt;th&gt;Green&lt;/th&gt;&lt;th&gt;Yellow&lt;/th&gt;&lt;th&gt;Red&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Fat&lt;/td&gt;&lt;td&gt;up to 1.5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 1.5 to 10&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 10&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Saturated fat&lt;/td&gt;&lt;td&gt;up to 0.75&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 0.75 to 2.5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 2.5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sugar&lt;/td&gt;&lt;td&gt;up to 2.5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 2.5 to 6.3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 6.3&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Salt&lt;/td&gt;&lt;td&gt;up to 0.3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 0.3 to 1.5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;over 1.5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;A value exactly on a bound gets the better colour: 3&amp;nbsp;g of fat per 100&amp;nbsp;g is still green.&lt;/p&gt;
&lt;h3&gt;Better than average&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_green_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_yellow_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_red_top.svg" width="28" height="28"&gt;&lt;br&gt;
The marked light appears when the product contains less of this nutrient than the average of all products in its category. So you see at a glance whether a product is among the better ones of its kind – even when it is red.&lt;/p&gt;
&lt;h3&gt;Calories&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_grey.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_grey_top.svg" width="28" height="28"&gt;&lt;br&gt;
Energy is not rated with a colour and is always shown grey; marked when it is below the category average.&lt;/p&gt;
&lt;h3&gt;No data&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_neutral_en.svg" width="28" height="28"&gt; When the pack gives no value, Tolvane shows this neutral picture and no figure.&lt;/p&gt;
&lt;p&gt;More about nutrition labelling in Switzerland: &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;Federal Food Safety and Veterinary Office (FSVO)&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;Found a wrong value? Write to us: &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BenutzungstipsText</source>
        <translation>&lt;h2&gt;How to use Tolvane&lt;/h2&gt;
&lt;h3&gt;Search&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;The list shows every product in alphabetical order. Touch a letter of the index on the right to jump straight to it; products that begin with a digit or a sign are listed under &lt;b&gt;#&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Type part of a product name or brand at the top. With live search on, the results appear while you type; otherwise press Enter or the magnifier beside the field. The cross ✕ beside the field brings back the whole list. The barcode button next to it reads a pack's barcode with the camera or from a picture.&lt;/li&gt;
&lt;li&gt;Tap a product to see its nutrition traffic lights. Turn the device sideways, or tap “Turn” beside the hint, to see in the GDA calculator what share of your daily needs a portion covers.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Updating the catalogue&lt;/h3&gt;
&lt;p&gt;The button with the circular arrow at the top of the search screen loads new and changed products from the server. If the connection breaks, the next update carries on where it stopped. Your favourites are kept.&lt;/p&gt;
&lt;h3&gt;Categories&lt;/h3&gt;
&lt;p&gt;Here the products are sorted into groups such as drinks or bakery. A search inside a category finds only products of that category.&lt;/p&gt;
&lt;h3&gt;Meal plan&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;On a product's page, “Add to Favourites” puts the product into one or more folders, for example Breakfast or Lunch. It is entered with 100&amp;nbsp;g or 100&amp;nbsp;ml.&lt;/li&gt;
&lt;li&gt;Tap a folder to compare its nutrients with your personal daily needs.&lt;/li&gt;
&lt;li&gt;With “Edit” you create, reorder or delete folders; tapping a folder then lists its products, and tapping a product changes the amount eaten.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Settings&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Language&lt;/b&gt;, &lt;b&gt;Live Search&lt;/b&gt; and &lt;b&gt;Metric Units&lt;/b&gt; – the info buttons explain each setting.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Manage My Products&lt;/b&gt;: if a product is missing, add it yourself with “Edit” and “+”. It shows up at once in search, categories and the meal plan, and is sent to us at the next start so that we can complete the catalogue.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Personal Profile&lt;/b&gt;: gender, age, height, weight and activity determine your daily needs.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Contact&lt;/h3&gt;
&lt;p&gt;Product data and additions to the catalogue: &lt;a href="update@tolvane.ch."&gt;update@tolvane.ch&lt;/a&gt;&lt;br&gt;
Questions and suggestions about the app: &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LocalizationInfoText</source>
        <translation>&lt;h2&gt;Language&lt;/h2&gt;
&lt;p&gt;Tolvane is available in German, English, Spanish, French, Italian and Russian.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Automatic&lt;/b&gt;: Tolvane follows the language of your device. If that is none of the six languages, Tolvane appears in English.&lt;/li&gt;
&lt;li&gt;Pick a language from the list if Tolvane should always appear in that language, whatever your device is set to.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;A new language takes effect at the &lt;b&gt;next start&lt;/b&gt; of the app.&lt;/p&gt;
&lt;p&gt;Product names and brands appear in the catalogue as they are printed on the pack and are not translated.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LiveSearchInfoText</source>
        <translation>&lt;h2&gt;Live search&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;On&lt;/b&gt;: the list of results builds up while you type and gets more precise with every letter.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Off&lt;/b&gt;: Tolvane searches only when you press Enter or the magnifier beside the search field. When nothing matches, your text stays in the field to be corrected. This is more comfortable on older devices and with very large catalogues.&lt;/p&gt;
&lt;h3&gt;Search tips&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Tolvane searches product names and brands for any part of a word: “milk” also finds “Semi-skimmed milk”.&lt;/li&gt;
&lt;li&gt;Capital and small letters and accents make no difference, in any script: «kase» finds «Käse», «молоко» finds «Молоко»; ß counts as ss, ø as o, œ as oe, ё as е. A barcode number (8, 12, 13 or 14 digits) finds its product and shows it first. % stands for any run of characters, _ for exactly one.&lt;/li&gt;
&lt;li&gt;The cross ✕ beside the search field clears it and shows the whole list again.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>MetrisheInfoText</source>
        <translation>&lt;h2&gt;Metric units&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;On&lt;/b&gt;: Tolvane works in grams, centimetres and kilograms.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Off&lt;/b&gt;: Tolvane uses US units – ounces (oz) in the GDA calculator, feet and inches for your height and pounds (lbs) for your weight in the personal profile.&lt;/p&gt;
&lt;p&gt;The change applies at once throughout the app. Whatever this setting, the nutrition traffic lights always refer to 100&amp;nbsp;g or 100&amp;nbsp;ml, just like the figures on the pack.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Infotext Profil</source>
        <translation>&lt;h2&gt;Personal profile&lt;/h2&gt;
&lt;p&gt;From a few details Tolvane works out three figures for you:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;BMI&lt;/b&gt; (body mass index): how your weight relates to your height.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Ideal body weight&lt;/b&gt;: the weight that gives a BMI of 22 at your height.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Daily calories&lt;/b&gt;: your daily energy need by the Mifflin-St Jeor formula, adjusted to your activity level.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;How to go about it&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;Set gender, age, height and weight with the wheels.&lt;/li&gt;
&lt;li&gt;Tap “Activity level” and choose how you spend your day.&lt;/li&gt;
&lt;li&gt;You may overwrite the calculated calorie need, for instance with a figure from your dietitian.&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Your daily needs set the scale the meal plan measures your meals against: the daily amounts of fat, saturated fat, sugar, salt and calories are adjusted in proportion to your calorie need.&lt;/p&gt;
&lt;p&gt;Your details stay on your device.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BMI Infotext</source>
        <translation>&lt;h2&gt;Body mass index (BMI)&lt;/h2&gt;
&lt;p&gt;The BMI relates body weight to height:&lt;/p&gt;
&lt;p&gt;&lt;b&gt;BMI = weight in kg ÷ (height in m)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Example: 80&amp;nbsp;kg at 1.80&amp;nbsp;m gives 80 ÷ 3.24 = 24.7.&lt;/p&gt;
&lt;p&gt;With US units Tolvane computes: weight in pounds × 703 ÷ (height in inches)².&lt;/p&gt;
&lt;h3&gt;Classes for adults (WHO)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;BMI&lt;/th&gt;&lt;th&gt;Class&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;below 18.5&lt;/td&gt;&lt;td&gt;underweight&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;18.5 to 24.9&lt;/td&gt;&lt;td&gt;normal weight&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;25 to 29.9&lt;/td&gt;&lt;td&gt;overweight&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;30 and above&lt;/td&gt;&lt;td&gt;obesity&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;The BMI is a rough guide. It does not tell muscle from fat and does not apply to children, pregnant women or competitive athletes. If in doubt, ask your doctor.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Ideal Weight Infotext</source>
        <translation>&lt;h2&gt;Ideal body weight&lt;/h2&gt;
&lt;p&gt;Tolvane gives as ideal weight the weight at which your BMI is exactly 22 – the middle of the normal range:&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ideal weight = 22 × (height in m)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Examples: 1.65&amp;nbsp;m gives 59.9&amp;nbsp;kg, 1.80&amp;nbsp;m gives 71.3&amp;nbsp;kg.&lt;/p&gt;
&lt;p&gt;Any weight in the whole normal range (BMI 18.5 to 24.9) is healthy. The ideal weight is therefore a point of reference, not a target to reach to the kilogram.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Activity Level Infotext</source>
        <translation>&lt;h2&gt;Activity level&lt;/h2&gt;
&lt;p&gt;How much energy you need depends a great deal on how much you move in everyday life. Tolvane multiplies your basal metabolic rate by a factor:&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Activity level&lt;/th&gt;&lt;th&gt;Factor&lt;/th&gt;&lt;th&gt;Examples&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sitting or lying down&lt;/td&gt;&lt;td&gt;1.2&lt;/td&gt;&lt;td&gt;mostly in bed or in an armchair, hardly any movement&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sitting only&lt;/td&gt;&lt;td&gt;1.375&lt;/td&gt;&lt;td&gt;office work, little exercise in free time&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Mostly sitting&lt;/td&gt;&lt;td&gt;1.55&lt;/td&gt;&lt;td&gt;office work with some walking, studying, some regular sport&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Mostly standing&lt;/td&gt;&lt;td&gt;1.725&lt;/td&gt;&lt;td&gt;sales, crafts, catering, nursing&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Physically demanding&lt;/td&gt;&lt;td&gt;1.9&lt;/td&gt;&lt;td&gt;building work, farming, competitive sport&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Tap “Activity level” in the profile to choose your level. Without a level Tolvane computes no calorie need.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Daily Calories Infotext</source>
        <translation>&lt;h2&gt;Daily calorie need&lt;/h2&gt;
&lt;p&gt;Tolvane first computes your basal metabolic rate by the &lt;b&gt;Mifflin-St Jeor&lt;/b&gt; formula:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Men: 10 × weight (kg) + 6.25 × height (cm) − 5 × age + 5&lt;/li&gt;
&lt;li&gt;Women: 10 × weight (kg) + 6.25 × height (cm) − 5 × age − 161&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;The basal rate is multiplied by the factor of your activity level (1.2 to 1.9) and rounded to whole kilocalories.&lt;/p&gt;
&lt;p&gt;Example: a man, 30 years, 180&amp;nbsp;cm, 80&amp;nbsp;kg, mostly sitting: (800 + 1125 − 150 + 5) × 1.55 = 2759&amp;nbsp;kcal.&lt;/p&gt;
&lt;h3&gt;Your own figure&lt;/h3&gt;
&lt;p&gt;If you know your need more precisely, type it in directly (1 to 9999&amp;nbsp;kcal). It applies until you change age, height, weight, gender or activity level.&lt;/p&gt;
&lt;h3&gt;What the figure is used for&lt;/h3&gt;
&lt;p&gt;The meal plan scales the daily amounts (70&amp;nbsp;g fat, 20&amp;nbsp;g saturated fat, 90&amp;nbsp;g sugar, 6&amp;nbsp;g salt at 2000&amp;nbsp;kcal) to your need: at 2500&amp;nbsp;kcal, for instance, 87.5&amp;nbsp;g of fat apply.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>GDAInfoText</source>
        <translation>&lt;h2&gt;GDA – guideline daily amounts&lt;/h2&gt;
&lt;p&gt;The GDA (guideline daily amounts) say how much of a nutrient an average adult should take in per day:&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutrient&lt;/th&gt;&lt;th&gt;Daily amount&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Fat&lt;/td&gt;&lt;td&gt;70&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Saturated fat&lt;/td&gt;&lt;td&gt;20&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sugar&lt;/td&gt;&lt;td&gt;90&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Salt&lt;/td&gt;&lt;td&gt;6&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Calories&lt;/td&gt;&lt;td&gt;2000&amp;nbsp;kcal&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;How the GDA calculator works&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Each bar shows what share of the daily amount one portion of the product supplies; a full bar stands for 100% of the daily amount.&lt;/li&gt;
&lt;li&gt;Type the portion size in grams or millilitres at the bottom (at most 5 characters). Without an entry Tolvane works with 100&amp;nbsp;g.&lt;/li&gt;
&lt;li&gt;Touch a bar to see how much of the nutrient your portion contains, for example 30&amp;nbsp;g of fat.&lt;/li&gt;
&lt;li&gt;More than 100% is possible: the figure shows the full share, while the bar stops at the top.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Example: 150&amp;nbsp;g of a product with 20&amp;nbsp;g fat per 100&amp;nbsp;g supply 30&amp;nbsp;g of fat, which is 42% of 70&amp;nbsp;g.&lt;/p&gt;
&lt;p&gt;Turn the device back upright, or tap “Back” at the top left, to see the nutrition traffic lights again.&lt;/p&gt;
&lt;p&gt;More about nutrition labelling: &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;FSVO – nutrition declaration&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%d von %d Produkten geladen</source>
        <translation>%d of %d products loaded</translation>
    </message>
    <message>
        <source>Seite %d von %d</source>
        <translation>page %d of %d</translation>
    </message>
    <message>
        <source>Die Datenbank %@ ist beschädigt und kann nicht gelesen werden. Die Datei bleibt unverändert; Tolvane wird beendet.</source>
        <translation>The database %@ is damaged and cannot be read. The file is left as it is; Tolvane will now quit.</translation>
    </message>
    <message>
        <source>Neben der Datenbank %@ liegt das Journal eines unterbrochenen Schreibvorgangs, den Tolvane nur in einem beschreibbaren Ordner abschließen kann. Bitte machen Sie den Ordner beschreibbar; die Datei bleibt unverändert. Tolvane wird beendet.</source>
        <translation>Next to the database %@ is the journal of an interrupted write, which Tolvane can only complete in a folder it can write to. Please make the folder writable; the file is left as it is. Tolvane will now quit.</translation>
    </message>
    <message>
        <source>Die Datenbank %@ wird von einem anderen Programm benutzt. Die Datei bleibt unverändert; Tolvane wird beendet. Bitte starten Sie Tolvane später erneut.</source>
        <translation>The database %@ is in use by another program. The file is left as it is; Tolvane will now quit. Please start Tolvane again later.</translation>
    </message>
    <message>
        <source>Der Ordner %@ ist schreibgeschützt. Tolvane zeigt Ihre Daten an, kann aber keine Änderungen speichern.</source>
        <translation>The folder %@ is read-only. Tolvane shows your data but cannot save any changes.</translation>
    </message>
    <message>
        <source>Tolvane läuft bereits mit diesem Datenordner. Bitte verwenden Sie das geöffnete Fenster.</source>
        <translation>Tolvane is already running with this data folder. Please use the window that is open.</translation>
    </message>
    <message>
        <source>Tolvane kann seine Sperrdatei %@ nicht übernehmen. Bitte löschen Sie diese Datei und starten Sie Tolvane erneut.</source>
        <translation>Tolvane cannot take over its lock file %@. Please delete this file and start Tolvane again.</translation>
    </message>
    <message>
        <source>Die Antwort des Servers konnte nicht gelesen werden. Bitte versuchen Sie es später erneut.</source>
        <translation>The server's reply could not be read. Please try again later.</translation>
    </message>
    <message>
        <source>Der Katalog ist auf dem neuesten Stand.</source>
        <translation>The catalogue is up to date.</translation>
    </message>
    <message>
        <source>Produkt bearbeiten</source>
        <translation>Edit product</translation>
    </message>
    <message>
        <source>Es wurde kein E-Mail-Programm gefunden. Schreiben Sie uns an:</source>
        <translation>No mail program was found. Write to us at:</translation>
    </message>
    <message>
        <source>Adresse kopieren</source>
        <translation>Copy address</translation>
    </message>
    <message>
        <source>Dieser Ordner ist leer. Fügen Sie Produkte über deren Detailansicht hinzu.</source>
        <translation>This folder is empty. Add products from their detail screen.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder Exists</source>
        <translation>A folder with this name already exists.</translation>
    </message>
    <message>
        <source>Add Folder Anyway</source>
        <translation>Create anyway</translation>
    </message>
    <message>
        <source>GDA Portion Not A Number</source>
        <translation>Please enter the portion as a number, for example 150.</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>.</translation>
    </message>
    <message>
        <source>No Data Sign</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>Thousands Separator</source>
        <translation>,</translation>
    </message>
    <message>
        <source>Thousands From Digits</source>
        <translation>4</translation>
    </message>
    <message>
        <source>%@ %</source>
        <translation>%@%</translation>
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
        <translation>Search term</translation>
    </message>
    <message>
        <source>Accessible Search Field Description</source>
        <translation>Type a product name, maker or barcode; Return searches</translation>
    </message>
    <message>
        <source>Accessible Search Button Description</source>
        <translation>Searches for the typed text</translation>
    </message>
    <message>
        <source>Accessible Cancel Search</source>
        <translation>Cancel search</translation>
    </message>
    <message>
        <source>Accessible Cancel Search Description</source>
        <translation>Clears the search field and shows all products again</translation>
    </message>
    <message>
        <source>Accessible Scan Description</source>
        <translation>Reads a product's barcode with the camera or from a picture</translation>
    </message>
    <message>
        <source>Accessible Product List</source>
        <translation>Product list</translation>
    </message>
    <message>
        <source>Accessible Category List</source>
        <translation>Category list</translation>
    </message>
    <message>
        <source>Accessible List Description</source>
        <translation>Arrow keys choose a row, Return opens it</translation>
    </message>
    <message>
        <source>Accessible Editable List Description</source>
        <translation>Arrow keys choose a row, Return opens it; while editing, Delete and then Return delete it, Alt+arrow moves it</translation>
    </message>
    <message>
        <source>Accessible Refresh</source>
        <translation>Update catalogue</translation>
    </message>
    <message>
        <source>Accessible Refresh Description</source>
        <translation>Downloads new and changed products from the server</translation>
    </message>
    <message>
        <source>Accessible Back</source>
        <translation>Back to the previous page</translation>
    </message>
    <message>
        <source>Accessible Back Description</source>
        <translation>Also with Escape or Alt+Left</translation>
    </message>
    <message>
        <source>Accessible Tab Description</source>
        <translation>Tab; the arrow keys switch to the next tab</translation>
    </message>
    <message>
        <source>Accessible Favorite Description</source>
        <translation>Chooses the meal plan folders for this product</translation>
    </message>
    <message>
        <source>Accessible Remove Favorite Description</source>
        <translation>Takes the product out of every folder</translation>
    </message>
    <message>
        <source>Accessible Turn Description</source>
        <translation>Shows the daily amounts calculator (also Ctrl+Left)</translation>
    </message>
    <message>
        <source>Accessible Folder Picker</source>
        <translation>Folder choice</translation>
    </message>
    <message>
        <source>Accessible Folder Picker Description</source>
        <translation>Arrow keys choose a folder, Space sets or clears its check mark</translation>
    </message>
    <message>
        <source>Accessible Done Description</source>
        <translation>Finishes the entry</translation>
    </message>
    <message>
        <source>Accessible Cancel Description</source>
        <translation>Discards the entry</translation>
    </message>
    <message>
        <source>Accessible Portion</source>
        <translation>Portion size</translation>
    </message>
    <message>
        <source>Accessible Portion Description</source>
        <translation>Amount in grams or millilitres; the bars show the share of the daily amount</translation>
    </message>
    <message>
        <source>Accessible Info Description</source>
        <translation>Opens the explanation</translation>
    </message>
    <message>
        <source>Accessible Turn Back Description</source>
        <translation>Turns back to the product page (also Ctrl+Up)</translation>
    </message>
    <message>
        <source>Accessible Folder List</source>
        <translation>Folder list</translation>
    </message>
    <message>
        <source>Accessible Folder Contents</source>
        <translation>Products in the folder</translation>
    </message>
    <message>
        <source>Accessible New Folder</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>Accessible New Product</source>
        <translation>New product</translation>
    </message>
    <message>
        <source>Accessible Edit Description</source>
        <translation>Switches deleting and moving on or off</translation>
    </message>
    <message>
        <source>Accessible Add Description</source>
        <translation>Creates a new entry</translation>
    </message>
    <message>
        <source>Accessible About Language</source>
        <translation>About choosing the language</translation>
    </message>
    <message>
        <source>Accessible About Live Search</source>
        <translation>About live search</translation>
    </message>
    <message>
        <source>Accessible About Metric Units</source>
        <translation>About metric units</translation>
    </message>
    <message>
        <source>Accessible About Personal Profile</source>
        <translation>About the personal profile</translation>
    </message>
    <message>
        <source>Accessible About BMI</source>
        <translation>About the BMI</translation>
    </message>
    <message>
        <source>Accessible About Ideal Weight</source>
        <translation>About the ideal body weight</translation>
    </message>
    <message>
        <source>Accessible About Activity Level</source>
        <translation>About the activity level</translation>
    </message>
    <message>
        <source>Accessible About Daily Calories</source>
        <translation>About the daily calories</translation>
    </message>
    <message>
        <source>Accessible Switch Description</source>
        <translation>Space switches it on or off</translation>
    </message>
    <message>
        <source>Accessible Row Description</source>
        <translation>Space or Return chooses this row</translation>
    </message>
    <message>
        <source>Accessible Mail Description</source>
        <translation>Opens a new mail to the support</translation>
    </message>
    <message>
        <source>Accessible Copy Address Description</source>
        <translation>Copies the address to the clipboard</translation>
    </message>
    <message>
        <source>Accessible Help Page</source>
        <translation>Help text</translation>
    </message>
    <message>
        <source>Accessible Help Page Description</source>
        <translation>Tab moves to the links, Return opens them</translation>
    </message>
    <message>
        <source>Accessible Wheel Description</source>
        <translation>The arrow keys turn the wheel</translation>
    </message>
    <message>
        <source>Accessible Field Description</source>
        <translation>Entry field; Tab goes to the next one</translation>
    </message>
    <message>
        <source>Accessible Picker Field Description</source>
        <translation>Space opens the choice</translation>
    </message>
    <message>
        <source>Accessible Dot</source>
        <translation>Full stop</translation>
    </message>
    <message>
        <source>Accessible Comma</source>
        <translation>Comma</translation>
    </message>
    <message>
        <source>Accessible Input Bar Description</source>
        <translation>Key of the bar above the entry field</translation>
    </message>
    <message>
        <source>Accessible Delete %@</source>
        <translation>Delete %@</translation>
    </message>
    <message>
        <source>Accessible Move Up %@</source>
        <translation>Move %@ up</translation>
    </message>
    <message>
        <source>Accessible Move Down %@</source>
        <translation>Move %@ down</translation>
    </message>
    <message>
        <source>Accessible Own Product Description</source>
        <translation>Enters the product as an own product</translation>
    </message>
    <message>
        <source>Accessible Choose Picture Description</source>
        <translation>Opens a picture with a barcode</translation>
    </message>
    <message>
        <source>Accessible Save Description</source>
        <translation>Saves the product</translation>
    </message>
    <message>
        <source>Accessible Gender</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>Accessible Age</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Accessible Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Accessible Weight</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Accessible Slider Description</source>
        <translation>The arrow keys change the value</translation>
    </message>
    <message>
        <source>Accessible Nutrition Table</source>
        <translation>Nutrition table</translation>
    </message>
    <message>
        <source>Accessible Light Green</source>
        <translation>green light</translation>
    </message>
    <message>
        <source>Accessible Light Yellow</source>
        <translation>amber light</translation>
    </message>
    <message>
        <source>Accessible Light Red</source>
        <translation>red light</translation>
    </message>
    <message>
        <source>Accessible Light None</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>Remove Favourite Question</source>
        <translation>This product is in %d of your folders, with %@ kcal planned. Remove it from all of them?</translation>
    </message>
    <message>
        <source>Delete Filed Own Product Question</source>
        <translation>This product is in %d of your folders, with %@ kcal planned. Delete it and remove it from all of them?</translation>
    </message>
    <message>
        <source>Product Gone Message</source>
        <translation>This product no longer exists: it was deleted. Nothing was changed.</translation>
    </message>
    <message>
        <source>Accessible Hits</source>
        <translation>%d hits</translation>
    </message>
    <message>
        <source>Accessible Below Average</source>
        <translation>below the category average</translation>
    </message>
    <message>
        <source>Accessible Scroll Bar</source>
        <translation>Scroll bar</translation>
    </message>
    <message>
        <source>Accessible GDA Bars</source>
        <translation>Share of the daily amounts</translation>
    </message>
    <message>
        <source>Accessible Portion Clear</source>
        <translation>Clear the portion</translation>
    </message>
    <message>
        <source>Accessible Slider Name</source>
        <translation>%@ (slider)</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Diary</translation>
    </message>
    <message>
        <source>Frühstück</source>
        <translation>Breakfast</translation>
    </message>
    <message>
        <source>Mittagessen</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>Abendessen</source>
        <translation>Dinner</translation>
    </message>
    <message>
        <source>Gegessen</source>
        <translation>Eaten</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Diary Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Diary Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Diary Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Diary Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Diary Meal</source>
        <translation>Meal</translation>
    </message>
    <message>
        <source>Diary Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Diary Chart</source>
        <translation>Energy per day</translation>
    </message>
    <message>
        <source>Diary Target</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Diary Day Totals</source>
        <translation>The day against your needs</translation>
    </message>
    <message>
        <source>Diary %@ of %@</source>
        <translation>%@ of %@</translation>
    </message>
    <message>
        <source>Diary %@ kcal left</source>
        <translation>%@ kcal left for the day</translation>
    </message>
    <message>
        <source>Diary %@ kcal over</source>
        <translation>%@ kcal over the daily need</translation>
    </message>
    <message>
        <source>Diary Fixed References</source>
        <translation>Without daily calories in your personal profile, the reference amounts for 2,000 kcal are used.</translation>
    </message>
    <message>
        <source>Diary Read Failed</source>
        <translation>The diary cannot be read just now. Nothing is lost; please try again later.</translation>
    </message>
    <message>
        <source>Diary Write Failed</source>
        <translation>The entry could not be saved; the diary is unchanged.</translation>
    </message>
    <message>
        <source>Diary Amount Refused</source>
        <translation>Please enter an amount above 0.</translation>
    </message>
    <message>
        <source>Diary Delete Question</source>
        <translation>Delete this entry from the diary?</translation>
    </message>
    <message>
        <source>Diary Quick %@</source>
        <translation>%@</translation>
    </message>
    <message>
        <source>Diary Pack %@</source>
        <translation>Pack %@</translation>
    </message>
    <message>
        <source>Diary Last %@</source>
        <translation>Last %@</translation>
    </message>
    <message>
        <source>Diary Folder Logged %@</source>
        <translation>%@ products were written to today’s diary.</translation>
    </message>
    <message>
        <source>Eat Folder Today</source>
        <translation>Eaten today</translation>
    </message>
    <message>
        <source>Diary Locale</source>
        <translation>en_GB</translation>
    </message>
    <message>
        <source>Accessible Diary Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Accessible Diary Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Description</source>
        <translation>Shows the day before</translation>
    </message>
    <message>
        <source>Accessible Diary Next Description</source>
        <translation>Shows the day after</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Span Description</source>
        <translation>Shows the span before</translation>
    </message>
    <message>
        <source>Accessible Diary Next Span Description</source>
        <translation>Shows the span after</translation>
    </message>
    <message>
        <source>Accessible Diary Date Description</source>
        <translation>Choose a date</translation>
    </message>
    <message>
        <source>Accessible Diary Today Description</source>
        <translation>Shows today</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Description</source>
        <translation>Opens the energy per day as a chart; a day in it opens that day</translation>
    </message>
    <message>
        <source>Accessible Diary Entry Description</source>
        <translation>Opens the entry to change, move or delete it</translation>
    </message>
    <message>
        <source>Accessible Diary Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Accessible Diary Amount Description</source>
        <translation>The amount eaten</translation>
    </message>
    <message>
        <source>Accessible Diary Quick Description</source>
        <translation>Sets this amount</translation>
    </message>
    <message>
        <source>Accessible Diary Time Description</source>
        <translation>The time of the meal</translation>
    </message>
    <message>
        <source>Accessible Diary Meal Description</source>
        <translation>The meal of the entry</translation>
    </message>
    <message>
        <source>Accessible Diary Save Description</source>
        <translation>Saves the entry in the diary</translation>
    </message>
    <message>
        <source>Accessible Diary Delete Description</source>
        <translation>Deletes the entry after asking</translation>
    </message>
    <message>
        <source>Accessible Eaten Description</source>
        <translation>Writes this product to the diary</translation>
    </message>
    <message>
        <source>Accessible Eat Folder Description</source>
        <translation>Writes every product of the folder with its amount to today’s diary</translation>
    </message>
    <message>
        <source>Datensicherung</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>    Datensicherung</source>
        <translation>    Backup</translation>
    </message>
    <message>
        <source>Backup Export</source>
        <translation>Export everything</translation>
    </message>
    <message>
        <source>Backup Import</source>
        <translation>Import a backup</translation>
    </message>
    <message>
        <source>Backup File Filter</source>
        <translation>Tolvane backup</translation>
    </message>
    <message>
        <source>Backup Import Question</source>
        <translation>The backup is merged with your data: diary entries, own products and menu folders are added where missing. Your personal profile and settings are replaced by the backup’s. Continue?</translation>
    </message>
    <message>
        <source>Backup Import Confirm</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Backup Exported</source>
        <translation>The backup was written.</translation>
    </message>
    <message>
        <source>Backup Export Failed</source>
        <translation>The backup could not be written. Please choose another place.</translation>
    </message>
    <message>
        <source>Backup Imported</source>
        <translation>The backup was imported.</translation>
    </message>
    <message>
        <source>Backup Import Failed</source>
        <translation>The backup could not be taken in; nothing was changed.</translation>
    </message>
    <message>
        <source>Backup Refused Damaged</source>
        <translation>The file is damaged or incomplete. Nothing was changed.</translation>
    </message>
    <message>
        <source>Backup Refused Foreign</source>
        <translation>The file is not a Tolvane backup. Nothing was changed.</translation>
    </message>
    <message>
        <source>Backup Refused Newer</source>
        <translation>The backup comes from a newer version of Tolvane. Please update Tolvane. Nothing was changed.</translation>
    </message>
    <message>
        <source>Accessible Diary Row Description</source>
        <translation>Opens the diary at today</translation>
    </message>
    <message>
        <source>Diary Snacks</source>
        <translation>Snacks</translation>
    </message>
    <message>
        <source>Accessible Own Product List</source>
        <translation>Own products list</translation>
    </message>
    <message>
        <source>Discard Typed Product Question</source>
        <translation>What you typed for this product is not saved yet. Discard it?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Keep Editing</translation>
    </message>
    <message>
        <source>Accessible Added To %@</source>
        <translation>Added to “%@”</translation>
    </message>
    <message>
        <source>Diary Reference</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Diary Chart Nutrient</source>
        <translation>Nutrient</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Nutrient Description</source>
        <translation>Chooses the nutrient the second chart shows per day</translation>
    </message>
    <message>
        <source>Diary Folder Logged One</source>
        <translation>1 product was written to today’s diary.</translation>
    </message>
</context>
</TS>
