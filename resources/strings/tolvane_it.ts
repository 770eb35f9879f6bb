<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="de_DE">
<context>
    <name>Tolvane</name>
    <message>
        <source>Suche</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Menu List</source>
        <translation>Menù</translation>
    </message>
    <message>
        <source>Kategorien</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Failed to create writable database</source>
        <translation>Impossibile creare il database.</translation>
    </message>
    <message>
        <source>Failed to create writable database file with message '%@'.</source>
        <translation>Impossibile creare il file del database: %@</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Valuta Tolvane</translation>
    </message>
    <message>
        <source>If you like MyApp, please take the time, etc</source>
        <translation>Se Tolvane ti piace, ti va di dedicare un momento a valutarla? Grazie per il tuo sostegno!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>No, grazie</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Valuta ora</translation>
    </message>
    <message>
        <source>    Optionen</source>
        <translation>    Opzioni</translation>
    </message>
    <message>
        <source>    Nützliche Hinweise</source>
        <translation>    Consigli utili</translation>
    </message>
    <message>
        <source>Lokalisierung</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Live-Suche</source>
        <translation>Ricerca istantanea</translation>
    </message>
    <message>
        <source>Metrische Einheiten</source>
        <translation>Unità metriche</translation>
    </message>
    <message>
        <source>Eigene Produkte verwalten</source>
        <translation>Gestisci i miei prodotti</translation>
    </message>
    <message>
        <source>Persönliches Profil</source>
        <translation>Profilo personale</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Ruota</translation>
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
        <translation>Il semaforo nutrizionale</translation>
    </message>
    <message>
        <source>Benutzungstips</source>
        <translation>Consigli d'uso</translation>
    </message>
    <message>
        <source>Infotext Profil Titel</source>
        <translation>Informazioni sul profilo</translation>
    </message>
    <message>
        <source>BMI Infotext Titel</source>
        <translation>Indice di massa corporea (IMC)</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Sie haben Fragen, Verbesserungsvorschläge oder auch Lob? Wir freuen uns über Ihre Nachricht!</source>
        <translation>Hai domande, suggerimenti o vuoi farci un complimento? Saremo felici di ricevere il tuo messaggio!</translation>
    </message>
    <message>
        <source>E-mail senden</source>
        <translation>Invia e-mail</translation>
    </message>
    <message>
        <source>Email Subject</source>
        <translation>Tolvane: domanda o suggerimento</translation>
    </message>
    <message>
        <source>Missing Brand</source>
        <translation>Buongiorno,

la mia domanda o proposta su Tolvane:


Se manca un prodotto:
Nome del prodotto:
Produttore:
Categoria:
Valori nutrizionali per 100 g o 100 ml:

Cordiali saluti
</translation>
    </message>
    <message>
        <source>Setup-Info</source>
        <translation>Suggerimenti sulle impostazioni</translation>
    </message>
    <message>
        <source>Hilfe zur Setupnutzung</source>
        <translation>Qui scegli la lingua, attivi o disattivi la ricerca istantanea e le unità metriche, gestisci i tuoi prodotti e il profilo personale. I pulsanti informazioni spiegano ogni impostazione.</translation>
    </message>
    <message>
        <source>Localization Screen Text 1</source>
        <translation>Lingua dell'app – attiva dal prossimo avvio</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatica</translation>
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
        <translation>Info GDA</translation>
    </message>
    <message>
        <source>Produktsuche</source>
        <translation>Cerca prodotti</translation>
    </message>
    <message>
        <source>Produkt eingeben</source>
        <translation>Prodotto o produttore</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento…</translation>
    </message>
    <message>
        <source>Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst die aktuellen Daten herunter.</source>
        <translation>Non ci sono ancora dati sui prodotti nel dispositivo. Scarica prima i dati aggiornati.</translation>
    </message>
    <message>
        <source>Keine Treffer</source>
        <translation>Nessun risultato</translation>
    </message>
    <message>
        <source>Keine Produkte oder Hersteller entsprechen Ihrer Eingabe</source>
        <translation>Nessun prodotto o produttore corrisponde alla ricerca.</translation>
    </message>
    <message>
        <source>this barcode's check digit is wrong</source>
        <translation>La cifra di controllo di questo codice a barre è sbagliata.</translation>
    </message>
    <message>
        <source>Scan a barcode</source>
        <translation>Scansiona codice a barre</translation>
    </message>
    <message>
        <source>Aim at the barcode</source>
        <translation>Inquadra il codice a barre nella cornice</translation>
    </message>
    <message>
        <source>not in the catalogue</source>
        <translation>non presente nel catalogo</translation>
    </message>
    <message>
        <source>Enter as own product</source>
        <translation>Inserisci come prodotto proprio</translation>
    </message>
    <message>
        <source>Strichcode</source>
        <translation>Codice a barre</translation>
    </message>
    <message>
        <source>A barcode has 8, 12, 13 or 14 digits, a shop's own code 3 to 11.</source>
        <translation>Un codice a barre ha 8, 12, 13 o 14 cifre, un codice del negozio da 3 a 11.</translation>
    </message>
    <message>
        <source>The catalogue could not be read just now; the list may not be up to date.</source>
        <translation>Al momento non è stato possibile leggere il catalogo; l'elenco potrebbe non essere aggiornato.</translation>
    </message>
    <message>
        <source>This product cannot be opened</source>
        <translation>Impossibile aprire questo prodotto</translation>
    </message>
    <message>
        <source>The catalogue cannot be read just now</source>
        <translation>Al momento non è possibile leggere il catalogo</translation>
    </message>
    <message>
        <source>No barcode found in this picture</source>
        <translation>Nessun codice a barre trovato in questa immagine.</translation>
    </message>
    <message>
        <source>Bild wird gelesen …</source>
        <translation>Lettura dell’immagine …</translation>
    </message>
    <message>
        <source>Dieses Bild lässt sich nicht lesen</source>
        <translation>Impossibile leggere questa immagine.</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Scegli immagine</translation>
    </message>
    <message>
        <source>Sync-Benachrichtigung</source>
        <translation>Aggiorna il catalogo</translation>
    </message>
    <message>
        <source>Bitte synchronisieren Sie Ihr App</source>
        <translation>Aggiorna il catalogo per vedere i prodotti e i valori nutrizionali più recenti.</translation>
    </message>
    <message>
        <source>Hinweis löschen</source>
        <translation>Non mostrare più</translation>
    </message>
    <message>
        <source>Sync starten</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Startmenü Später erinnern</source>
        <translation>Ricordamelo al prossimo avvio</translation>
    </message>
    <message>
        <source>Der Produktserver antwortet nicht. Bitte versuchen Sie es später erneut.</source>
        <translation>Il server dei prodotti non risponde. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Keine Datenverbindung verfügbar</source>
        <translation>Nessuna connessione dati disponibile. Controlla la connessione a Internet.</translation>
    </message>
    <message>
        <source>Verbindung wurde erfolgreich hergestellt und neue Einträge sind heruntergeladen.</source>
        <translation>Connessione riuscita: i nuovi dati sono stati scaricati.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Tolvane kann seine Datenbank nicht anlegen. Bitte geben Sie Speicherplatz frei und starten Sie Tolvane erneut.</source>
        <translation>Spazio libero insufficiente: Tolvane non può creare il suo database. Liberare spazio di archiviazione e riavviare Tolvane.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Der Download wurde angehalten. Bitte geben Sie Speicherplatz frei und synchronisieren Sie erneut.</source>
        <translation>Spazio libero insufficiente: il download è stato interrotto. Liberi spazio di memoria e sincronizzi di nuovo.</translation>
    </message>
    <message>
        <source>Die Datenbank ist schreibgeschützt: Der Download wurde angehalten. Tolvane kann Neues erst speichern, wenn Datei und Ordner beschreibbar sind.</source>
        <translation>Il database è protetto da scrittura: il download è stato interrotto. Tolvane potrà salvare nuovi dati solo quando il file e la sua cartella saranno scrivibili.</translation>
    </message>
    <message>
        <source>Die Datenverbindung wurde unterbrochen und der Download angehalten. Bitte synchronisieren Sie erneut für alle Produkte</source>
        <translation>La connessione si è interrotta e il download è stato sospeso. Aggiorna di nuovo per ricevere tutti i prodotti.</translation>
    </message>
    <message>
        <source>Ampel-Info</source>
        <translation>Semaforo nutrizionale</translation>
    </message>
    <message>
        <source>Alle Angaben in g, bezogen auf 100</source>
        <translation>Tutti i valori per 100</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Grassi</translation>
    </message>
    <message>
        <source>gesättigte Fette</source>
        <translation>Grassi saturi</translation>
    </message>
    <message>
        <source>Zucker</source>
        <translation>Zuccheri</translation>
    </message>
    <message>
        <source>Salz</source>
        <translation>Sale</translation>
    </message>
    <message>
        <source>Kalorien (kcal)</source>
        <translation>Calorie (kcal)</translation>
    </message>
    <message>
        <source>Kalorien</source>
        <translation>Calorie</translation>
    </message>
    <message>
        <source>Eine Verkaufsportion hat </source>
        <translation>Contenuto della confezione: </translation>
    </message>
    <message>
        <source>Keine Angaben zur Verkaufsmenge</source>
        <translation>Contenuto della confezione non indicato</translation>
    </message>
    <message>
        <source>Für weitere Details bitte Gerät drehen</source>
        <translation>Ruota il dispositivo per altri dettagli</translation>
    </message>
    <message>
        <source>Nährwerte pro %@</source>
        <translation>Valori nutrizionali per %@</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>davon gesättigte Fettsäuren</source>
        <translation>di cui acidi grassi saturi</translation>
    </message>
    <message>
        <source>davon einfach ungesättigte Fettsäuren</source>
        <translation>di cui monoinsaturi</translation>
    </message>
    <message>
        <source>davon mehrfach ungesättigte Fettsäuren</source>
        <translation>di cui polinsaturi</translation>
    </message>
    <message>
        <source>davon Transfettsäuren</source>
        <translation>di cui grassi trans</translation>
    </message>
    <message>
        <source>Kohlenhydrate</source>
        <translation>Carboidrati</translation>
    </message>
    <message>
        <source>davon Zucker</source>
        <translation>di cui zuccheri</translation>
    </message>
    <message>
        <source>davon Stärke</source>
        <translation>di cui amido</translation>
    </message>
    <message>
        <source>davon mehrwertige Alkohole</source>
        <translation>di cui polioli</translation>
    </message>
    <message>
        <source>Ballaststoffe</source>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>Eiweiß</source>
        <translation>Proteine</translation>
    </message>
    <message>
        <source>Cholesterin</source>
        <translation>Colesterolo</translation>
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
        <translation>Scelte migliori: %@</translation>
    </message>
    <message>
        <source>Packung (%@)</source>
        <translation>Confezione (%@)</translation>
    </message>
    <message>
        <source>Zu Favoriten hinzufügen</source>
        <translation>Aggiungi ai preferiti</translation>
    </message>
    <message>
        <source>Aus Favoriten entfernen</source>
        <translation>Rimuovi dai preferiti</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Wollen Sie dieses Produkt aus Ihren Favoriten löschen?</source>
        <translation>Vuoi rimuovere questo prodotto dai preferiti?</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>GDA-Info</source>
        <translation>Calcolatore GDA</translation>
    </message>
    <message>
        <source>Hilfe zur GDA-Nutzung</source>
        <translation>Le barre mostrano quale parte delle quantità giornaliere indicative (GDA) fornisce una porzione. Inserisci in basso la dimensione della porzione e tocca una barra per vedere la quantità. Ruota di nuovo il dispositivo, o tocca «Indietro», per tornare al semaforo.</translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist zu groß. Bitte überprüfen Sie Ihre Eingabe.</source>
        <translation>Il valore inserito è troppo grande. Controlla l'inserimento.</translation>
    </message>
    <message>
        <source>Tageskalorien- &amp; Nährwertbedarf</source>
        <translation>Fabbisogno giornaliero di calorie e nutrienti</translation>
    </message>
    <message>
        <source>Folder GDA Fixed References</source>
        <translation>Senza calorie giornaliere nel profilo personale valgono i valori di riferimento generali (2000 kcal).</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Produktname</source>
        <translation>Nome del prodotto</translation>
    </message>
    <message>
        <source>Herstellername</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Lebensmittel</source>
        <translation>Alimento</translation>
    </message>
    <message>
        <source>Getränk</source>
        <translation>Bevanda</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facoltativo</translation>
    </message>
    <message>
        <source>Natrium</source>
        <translation>Sodio</translation>
    </message>
    <message>
        <source>Produktmenge</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Werte für jeweils 100 g/ml</source>
        <translation>Valori per 100 g/ml</translation>
    </message>
    <message>
        <source>Gewicht oder Menge der Verkaufsportion:</source>
        <translation>Peso o volume della confezione:</translation>
    </message>
    <message>
        <source>Neues Produkt hinzufügen</source>
        <translation>Nuovo prodotto</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Sie haben noch nicht alle benötigten Textfelder ausgefüllt. Bitte ergänzen Sie Produktnamen, Hersteller oder wählen noch eine Kategorie</source>
        <translation>Alcuni campi obbligatori sono vuoti. Inserisci il nome del prodotto e il produttore e scegli una categoria.</translation>
    </message>
    <message>
        <source>Sie haben zu viele Nachkommastellen angegeben. Bitte geben Sie maximal eine, bei Salz maximal zwei an.</source>
        <translation>Troppi decimali. Inserisci al massimo un decimale, due per il sale.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gespeichert werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Non è stato possibile salvare il prodotto. Riprova.</translation>
    </message>
    <message>
        <source>Die Änderungen konnten nicht gespeichert werden. Das Produkt bleibt unverändert.</source>
        <translation>Non è stato possibile salvare le modifiche. Il prodotto resta invariato.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gelöscht werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Non è stato possibile eliminare il prodotto. Riprova.</translation>
    </message>
    <message>
        <source>Eigene Produkte</source>
        <translation>I miei prodotti</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Sie können hier Ihre eigenen Produkte und deren Werte einfügen. Bitte drücken Sie den Bearbeiten-Knopf und dann Plus (+). Produkte können jederzeit nachträglich angepasst oder gelöscht werden.</source>
        <translation>Qui puoi aggiungere i tuoi prodotti e i loro valori. Tocca il pulsante Modifica e poi più (+). I prodotti si possono modificare o eliminare in qualsiasi momento.</translation>
    </message>
    <message>
        <source>Personal Profile</source>
        <translation>Profilo personale</translation>
    </message>
    <message>
        <source>Instructions Personal Profile</source>
        <translation>Imposta qui sopra sesso, età, altezza e peso e scegli il tuo livello di attività. Da questi dati Tolvane calcola IMC, peso ideale e fabbisogno calorico giornaliero, che puoi anche inserire tu.</translation>
    </message>
    <message>
        <source>M</source>
        <translation>Uomo</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>BMI</source>
        <translation>IMC</translation>
    </message>
    <message>
        <source>Ideal Body Weight</source>
        <translation>Peso ideale</translation>
    </message>
    <message>
        <source>Activity Level</source>
        <translation>Livello di attività</translation>
    </message>
    <message>
        <source>Daily Calories(kcal)</source>
        <translation>Calorie giornaliere (kcal)</translation>
    </message>
    <message>
        <source>sitzend oder liegend</source>
        <translation>Seduto o sdraiato</translation>
    </message>
    <message>
        <source>ausschließlich sitzend</source>
        <translation>Solo seduto</translation>
    </message>
    <message>
        <source>überwiegend sitzend</source>
        <translation>Prevalentemente seduto</translation>
    </message>
    <message>
        <source>überwiegend stehend</source>
        <translation>Prevalentemente in piedi</translation>
    </message>
    <message>
        <source>körperlich anstrengend</source>
        <translation>Fisicamente impegnativo</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount</source>
        <translation>Inserisci un numero valido.</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount Nil</source>
        <translation>Inserisci un valore.</translation>
    </message>
    <message>
        <source>Error Message Consumption Zero</source>
        <translation>Un valore pari a 0 non viene applicato: i valori restano come prima.</translation>
    </message>
    <message>
        <source>Thank you for your input</source>
        <translation>Grazie, il tuo fabbisogno calorico giornaliero è stato salvato.</translation>
    </message>
    <message>
        <source>Ihr Profil konnte nicht gelesen werden. Bitte versuchen Sie es später noch einmal.</source>
        <translation>Non è stato possibile leggere il tuo profilo. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Pop-Up Personal Profile</source>
        <translation>Inserisci un fabbisogno calorico giornaliero tra 1 e 9999 kcal, con al massimo tre decimali.</translation>
    </message>
    <message>
        <source>Speiseplan-Info</source>
        <translation>Suggerimenti sui menù</translation>
    </message>
    <message>
        <source>Hilfe zur Speiseplannutzung</source>
        <translation>Crea cartelle per i tuoi pasti e riempile dalla scheda di un prodotto con «Aggiungi ai preferiti». Tocca una cartella per confrontarne i nutrienti con il tuo fabbisogno giornaliero. Con «Modifica» aggiungi, riordini o elimini le cartelle e ne apri il contenuto per cambiare le quantità.</translation>
    </message>
    <message>
        <source>Später erinnern</source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Create new folder</source>
        <translation>Crea una nuova cartella</translation>
    </message>
    <message>
        <source>Folder Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder</source>
        <translation>Il nome della cartella può avere al massimo 30 caratteri.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder2</source>
        <translation>Il nome della cartella non può contenere «|», caratteri di controllo o simboli come le emoji.</translation>
    </message>
    <message>
        <source>Der Ordner konnte nicht angelegt werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Non è stato possibile creare la cartella. Riprova.</translation>
    </message>
    <message>
        <source>Menu List Item 1</source>
        <translation>Spuntini</translation>
    </message>
    <message>
        <source>Menu List Item 2</source>
        <translation>Colazione</translation>
    </message>
    <message>
        <source>Menu List Item 3</source>
        <translation>Pranzo</translation>
    </message>
    <message>
        <source>Menu List Item 4</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Edit Consumption Title</source>
        <translation>Quantità consumata</translation>
    </message>
    <message>
        <source>Please Enter Consumption</source>
        <translation>Indica quanto hai mangiato o bevuto: tutti i valori si adeguano insieme.</translation>
    </message>
    <message>
        <source>Consumption Amount in g/ml</source>
        <translation>Quantità in g/ml</translation>
    </message>
    <message>
        <source>Consumption Amount Fat</source>
        <translation>Grassi in g</translation>
    </message>
    <message>
        <source>Consumption Amount Saturates</source>
        <translation>Grassi saturi in g</translation>
    </message>
    <message>
        <source>Consumption Amount Sugar</source>
        <translation>Zuccheri in g</translation>
    </message>
    <message>
        <source>Consumption Amount Salt</source>
        <translation>Sale in g</translation>
    </message>
    <message>
        <source>Consumption Amount Calories</source>
        <translation>Calorie in kcal</translation>
    </message>
    <message>
        <source>Consumption Zero Hint</source>
        <translation>0 – non modificabile</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Elimina</translation>
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
        <translation>%@ lb</translation>
    </message>
    <message>
        <source>%@ (kg)</source>
        <translation>%@ (kg)</translation>
    </message>
    <message>
        <source>Getränke</source>
        <translation>Bevande</translation>
    </message>
    <message>
        <source>Milchprodukte</source>
        <translation>Latticini</translation>
    </message>
    <message>
        <source>Käse</source>
        <translation>Formaggi</translation>
    </message>
    <message>
        <source>Süßwaren</source>
        <translation>Dolciumi</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Snack</translation>
    </message>
    <message>
        <source>Backwaren</source>
        <translation>Prodotti da forno</translation>
    </message>
    <message>
        <source>Frühstück &amp; Cerealien</source>
        <translation>Colazione e cereali</translation>
    </message>
    <message>
        <source>Fertiggerichte</source>
        <translation>Piatti pronti</translation>
    </message>
    <message>
        <source>Fast Food</source>
        <translation>Fast food</translation>
    </message>
    <message>
        <source>Fleisch &amp; Wurst</source>
        <translation>Carne e salumi</translation>
    </message>
    <message>
        <source>Fisch</source>
        <translation>Pesce</translation>
    </message>
    <message>
        <source>Obst &amp; Gemüse</source>
        <translation>Frutta e verdura</translation>
    </message>
    <message>
        <source>Teigwaren &amp; Reis</source>
        <translation>Pasta e riso</translation>
    </message>
    <message>
        <source>Saucen &amp; Gewürze</source>
        <translation>Salse e condimenti</translation>
    </message>
    <message>
        <source>Brotaufstriche</source>
        <translation>Creme spalmabili</translation>
    </message>
    <message>
        <source>Öle &amp; Fette</source>
        <translation>Oli e grassi</translation>
    </message>
    <message>
        <source>Kaffee &amp; Tee</source>
        <translation>Caffè e tè</translation>
    </message>
    <message>
        <source>Babynahrung</source>
        <translation>Alimenti per l'infanzia</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>AmpelInfosText</source>
        <translation>&lt;h2&gt;Il semaforo nutrizionale&lt;/h2&gt;
&lt;p&gt;Per ogni prodotto Tolvane valuta &lt;b&gt;grassi&lt;/b&gt;, &lt;b&gt;grassi saturi&lt;/b&gt;, &lt;b&gt;zuccheri&lt;/b&gt; e &lt;b&gt;sale&lt;/b&gt; con un colore del semaforo. Conta il contenuto per 100&amp;nbsp;g negli alimenti solidi e per 100&amp;nbsp;ml nelle bevande.&lt;/p&gt;
&lt;table cellpadding="3" cellspacing="0"&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_green.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Verde&lt;/b&gt;: contenuto basso, una buona scelta.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_yellow.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Giallo&lt;/b&gt;: contenuto medio, va bene nella maggior parte dei casi.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_red.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Rosso&lt;/b&gt;: contenuto alto, meglio di rado e in piccole quantità.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Soglie per 100&amp;nbsp;g (alimenti solidi)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutriente&lt;/th&gt;&lt;th&gt;Verde&lt;/th&gt;&lt;th&gt;Giallo&lt;/th&gt;&lt;th&gt;Rosso&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grassi&lt;/td&gt;&lt;td&gt;fino a 3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 3 fino a 20&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 20&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grassi saturi&lt;/td&gt;&lt;td&gt;fino a 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 1,5 fino a 5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Zuccheri&lt;/td&gt;&lt;td&gt;fino a 5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 5 fino a 12,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 12,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sale&lt;/td&gt;&lt;td&gt;fino a 0,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 0,3 fino a 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 1,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Soglie per 100&amp;nbsp;ml (bevande)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutriente&lt;/th&gt;&lt;th&gt;Verde&lt;/th&gt;&lt;th&gt;Giallo&lt;/th&gt;&lt;th&gt;Rosso&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grassi&lt;/td&gt;&lt;td&gt;fino a 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 1,5 fino a 10&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 10&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grassi saturi&lt;/td&gt;&lt;td&gt;fino a 0,75&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 0,75 fino a 2,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 2,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Zuccheri&lt;/td&gt;&lt;td&gt;fino a 2,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 2,5 fino a 6,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 6,3&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sale&lt;/td&gt;&lt;td&gt;fino a 0,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 0,3 fino a 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;oltre 1,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Un valore che coincide esattamente con una soglia riceve il colore più favorevole: 3&amp;nbsp;g di grassi per 100&amp;nbsp;g sono ancora verdi.&lt;/p&gt;
&lt;h3&gt;Meglio della media&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_green_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_yellow_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_red_top.svg" width="28" height="28"&gt;&lt;br&gt;
Il semaforo contrassegnato compare quando il prodotto contiene meno di questo nutriente rispetto alla media di tutti i prodotti della sua categoria. Così vedi a colpo d'occhio se un prodotto è tra i migliori del suo gruppo, anche quando è rosso.&lt;/p&gt;
&lt;h3&gt;Calorie&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_grey.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_grey_top.svg" width="28" height="28"&gt;&lt;br&gt;
L'energia non viene valutata con un colore e appare sempre in grigio; contrassegnata quando è inferiore alla media della categoria.&lt;/p&gt;
&lt;h3&gt;Nessun dato&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_neutral_it.svg" width="28" height="28"&gt; Se la confezione non indica un valore, Tolvane mostra questa immagine neutra e nessuna cifra.&lt;/p&gt;
&lt;p&gt;Per saperne di più sull'etichettatura nutrizionale in Svizzera: &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;Ufficio federale della sicurezza alimentare e di veterinaria (USAV)&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;Hai trovato un valore sbagliato? Scrivici: &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BenutzungstipsText</source>
        <translation>&lt;h2&gt;Come usare Tolvane&lt;/h2&gt;
&lt;h3&gt;Cerca&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;L'elenco mostra tutti i prodotti in ordine alfabetico. Tocca una lettera dell'indice a destra per saltarci direttamente; i prodotti che iniziano con una cifra o un simbolo si trovano sotto &lt;b&gt;#&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Scrivi in alto una parte del nome del prodotto o del produttore. Con la ricerca istantanea attiva i risultati compaiono mentre scrivi; altrimenti premi Invio o la lente accanto al campo. La croce ✕ accanto al campo riporta l'elenco completo. Il pulsante del codice a barre lì accanto legge il codice di una confezione con la fotocamera o da un'immagine.&lt;/li&gt;
&lt;li&gt;Tocca un prodotto per vederne il semaforo nutrizionale. Ruota il dispositivo in orizzontale, o tocca «Ruota» accanto all'indicazione, per vedere nel calcolatore GDA quale parte del tuo fabbisogno giornaliero copre una porzione.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Aggiornare il catalogo&lt;/h3&gt;
&lt;p&gt;Il pulsante con la freccia circolare, in alto nella ricerca, scarica dal server i prodotti nuovi e modificati. Se la connessione si interrompe, l'aggiornamento successivo riprende da dove si era fermato. I tuoi preferiti restano.&lt;/p&gt;
&lt;h3&gt;Categorie&lt;/h3&gt;
&lt;p&gt;Qui trovi i prodotti ordinati per gruppi, per esempio bevande o prodotti da forno. La ricerca all'interno di una categoria trova solo i prodotti di quella categoria.&lt;/p&gt;
&lt;h3&gt;Menù&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Nella scheda di un prodotto, «Aggiungi ai preferiti» lo inserisce in una o più cartelle, per esempio Colazione o Pranzo. Viene registrato con 100&amp;nbsp;g o 100&amp;nbsp;ml.&lt;/li&gt;
&lt;li&gt;Tocca una cartella per confrontarne i nutrienti con il tuo fabbisogno giornaliero personale.&lt;/li&gt;
&lt;li&gt;Con «Modifica» crei, riordini o elimini le cartelle; toccando una cartella ne vedi i prodotti, e toccando un prodotto cambi la quantità consumata.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Impostazioni&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Lingua&lt;/b&gt;, &lt;b&gt;Ricerca istantanea&lt;/b&gt; e &lt;b&gt;Unità metriche&lt;/b&gt;: i pulsanti informazioni spiegano ogni impostazione.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Gestisci i miei prodotti&lt;/b&gt;: se manca un prodotto, aggiungilo tu con «Modifica» e «+». Compare subito nella ricerca, nelle categorie e nei menù e ci viene inviato al prossimo avvio, così possiamo completare il catalogo.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Profilo personale&lt;/b&gt;: sesso, età, altezza, peso e attività determinano il tuo fabbisogno giornaliero.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Contatti&lt;/h3&gt;
&lt;p&gt;Dati dei prodotti e integrazioni al catalogo: &lt;a href="update@tolvane.ch."&gt;update@tolvane.ch&lt;/a&gt;&lt;br&gt;
Domande e suggerimenti sull'app: &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LocalizationInfoText</source>
        <translation>&lt;h2&gt;Lingua&lt;/h2&gt;
&lt;p&gt;Tolvane è disponibile in tedesco, inglese, spagnolo, francese, italiano e russo.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Automatica&lt;/b&gt;: Tolvane usa la lingua del tuo dispositivo. Se non è una delle sei lingue, Tolvane compare in inglese.&lt;/li&gt;
&lt;li&gt;Scegli una lingua dall'elenco se vuoi che Tolvane compaia sempre in quella lingua, indipendentemente dalle impostazioni del dispositivo.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Una nuova lingua vale a partire dal &lt;b&gt;prossimo avvio&lt;/b&gt; dell'app.&lt;/p&gt;
&lt;p&gt;I nomi dei prodotti e dei produttori compaiono nel catalogo come sono stampati sulla confezione e non vengono tradotti.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LiveSearchInfoText</source>
        <translation>&lt;h2&gt;Ricerca istantanea&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Attiva&lt;/b&gt;: l'elenco dei risultati si forma mentre scrivi e diventa più preciso a ogni lettera.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Disattiva&lt;/b&gt;: Tolvane cerca solo quando premi Invio o la lente accanto al campo di ricerca. Se non c'è alcun risultato, il testo resta nel campo. È più comodo sui dispositivi meno recenti e con cataloghi molto grandi.&lt;/p&gt;
&lt;h3&gt;Consigli per la ricerca&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Tolvane cerca qualsiasi parte di parola nei nomi dei prodotti e dei produttori: «latte» trova anche «Latte parzialmente scremato».&lt;/li&gt;
&lt;li&gt;Maiuscole, minuscole e accenti non contano, in ogni alfabeto: «caffe» trova «Caffè», «молоко» trova «Молоко»; ß vale come ss, ø come o, œ come oe, ё come е. Il numero di un codice a barre (8, 12, 13 o 14 cifre) trova il suo prodotto e lo mostra per primo. % sta per una serie qualsiasi di caratteri, _ per uno solo.&lt;/li&gt;
&lt;li&gt;La croce ✕ accanto al campo di ricerca lo svuota e mostra di nuovo l'elenco completo.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>MetrisheInfoText</source>
        <translation>&lt;h2&gt;Unità metriche&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Attive&lt;/b&gt;: Tolvane calcola in grammi, centimetri e chilogrammi.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Disattive&lt;/b&gt;: Tolvane usa le unità statunitensi: once (oz) nel calcolatore GDA, piedi e pollici per l'altezza e libbre (lbs) per il peso nel profilo personale.&lt;/p&gt;
&lt;p&gt;La modifica vale subito in tutta l'app. Indipendentemente da questa impostazione, il semaforo nutrizionale si riferisce sempre a 100&amp;nbsp;g o 100&amp;nbsp;ml, come i dati sulla confezione.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Infotext Profil</source>
        <translation>&lt;h2&gt;Profilo personale&lt;/h2&gt;
&lt;p&gt;Con pochi dati Tolvane calcola per te tre valori:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;IMC&lt;/b&gt; (indice di massa corporea): il rapporto tra peso e altezza.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Peso ideale&lt;/b&gt;: il peso che alla tua altezza corrisponde a un IMC di 22.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Calorie giornaliere&lt;/b&gt;: il tuo fabbisogno energetico giornaliero secondo la formula di Mifflin-St Jeor, adattato al tuo livello di attività.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Come procedere&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;Imposta sesso, età, altezza e peso con le rotelle.&lt;/li&gt;
&lt;li&gt;Tocca «Livello di attività» e scegli come trascorri le tue giornate.&lt;/li&gt;
&lt;li&gt;Puoi sostituire il fabbisogno calcolato, per esempio con il valore indicato dal tuo dietista.&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Il tuo fabbisogno giornaliero è il riferimento con cui i menù confrontano i tuoi pasti: le quantità giornaliere di grassi, grassi saturi, zuccheri, sale e calorie vengono adattate in proporzione al tuo fabbisogno calorico.&lt;/p&gt;
&lt;p&gt;I tuoi dati restano sul tuo dispositivo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BMI Infotext</source>
        <translation>&lt;h2&gt;Indice di massa corporea (IMC)&lt;/h2&gt;
&lt;p&gt;L'IMC mette in rapporto il peso corporeo con l'altezza:&lt;/p&gt;
&lt;p&gt;&lt;b&gt;IMC = peso in kg ÷ (altezza in m)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Esempio: 80&amp;nbsp;kg con 1,80&amp;nbsp;m danno 80 ÷ 3,24 = 24,7.&lt;/p&gt;
&lt;p&gt;Con le unità statunitensi Tolvane calcola: peso in libbre × 703 ÷ (altezza in pollici)².&lt;/p&gt;
&lt;h3&gt;Classificazione per gli adulti (OMS)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;IMC&lt;/th&gt;&lt;th&gt;Classe&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;meno di 18,5&lt;/td&gt;&lt;td&gt;sottopeso&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;da 18,5 a 24,9&lt;/td&gt;&lt;td&gt;normopeso&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;da 25 a 29,9&lt;/td&gt;&lt;td&gt;sovrappeso&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;30 e oltre&lt;/td&gt;&lt;td&gt;obesità&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;L'IMC è solo un'indicazione approssimativa. Non distingue tra muscoli e grasso e non vale per bambini, donne in gravidanza e atleti agonisti. In caso di dubbio chiedi al tuo medico.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Ideal Weight Infotext</source>
        <translation>&lt;h2&gt;Peso ideale&lt;/h2&gt;
&lt;p&gt;Tolvane indica come peso ideale il peso con cui il tuo IMC è esattamente 22, il centro della fascia normale:&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Peso ideale = 22 × (altezza in m)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Esempi: 1,65&amp;nbsp;m danno 59,9&amp;nbsp;kg; 1,80&amp;nbsp;m danno 71,3&amp;nbsp;kg.&lt;/p&gt;
&lt;p&gt;Qualsiasi peso all'interno della fascia normale (IMC da 18,5 a 24,9) è sano. Il peso ideale è quindi un valore di riferimento, non un obiettivo da raggiungere al chilo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Activity Level Infotext</source>
        <translation>&lt;h2&gt;Livello di attività&lt;/h2&gt;
&lt;p&gt;Di quanta energia hai bisogno dipende molto da quanto ti muovi ogni giorno. Tolvane moltiplica il tuo metabolismo basale per un fattore:&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Livello di attività&lt;/th&gt;&lt;th&gt;Fattore&lt;/th&gt;&lt;th&gt;Esempi&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Seduto o sdraiato&lt;/td&gt;&lt;td&gt;1,2&lt;/td&gt;&lt;td&gt;quasi sempre a letto o in poltrona, pochissimo movimento&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Solo seduto&lt;/td&gt;&lt;td&gt;1,375&lt;/td&gt;&lt;td&gt;lavoro d'ufficio, poco movimento nel tempo libero&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Prevalentemente seduto&lt;/td&gt;&lt;td&gt;1,55&lt;/td&gt;&lt;td&gt;ufficio con spostamenti a piedi, studio, un po' di sport regolare&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Prevalentemente in piedi&lt;/td&gt;&lt;td&gt;1,725&lt;/td&gt;&lt;td&gt;vendita, artigianato, ristorazione, assistenza&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Fisicamente impegnativo&lt;/td&gt;&lt;td&gt;1,9&lt;/td&gt;&lt;td&gt;edilizia, agricoltura, sport agonistico&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Tocca «Livello di attività» nel profilo per scegliere il tuo livello. Senza un livello scelto Tolvane non calcola il fabbisogno calorico.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Daily Calories Infotext</source>
        <translation>&lt;h2&gt;Fabbisogno calorico giornaliero&lt;/h2&gt;
&lt;p&gt;Tolvane calcola prima il tuo metabolismo basale con la formula di &lt;b&gt;Mifflin-St Jeor&lt;/b&gt;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Uomini: 10 × peso (kg) + 6,25 × altezza (cm) − 5 × età + 5&lt;/li&gt;
&lt;li&gt;Donne: 10 × peso (kg) + 6,25 × altezza (cm) − 5 × età − 161&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Il metabolismo basale viene moltiplicato per il fattore del tuo livello di attività (da 1,2 a 1,9) e arrotondato alle chilocalorie intere.&lt;/p&gt;
&lt;p&gt;Esempio: uomo di 30 anni, 180&amp;nbsp;cm, 80&amp;nbsp;kg, prevalentemente seduto: (800 + 1125 − 150 + 5) × 1,55 = 2759&amp;nbsp;kcal.&lt;/p&gt;
&lt;h3&gt;Il tuo valore&lt;/h3&gt;
&lt;p&gt;Se conosci con più precisione il tuo fabbisogno, inseriscilo direttamente (da 1 a 9999&amp;nbsp;kcal). Resta valido finché non cambi età, altezza, peso, sesso o livello di attività.&lt;/p&gt;
&lt;h3&gt;A che cosa serve il valore&lt;/h3&gt;
&lt;p&gt;I menù adattano le quantità giornaliere (70&amp;nbsp;g di grassi, 20&amp;nbsp;g di grassi saturi, 90&amp;nbsp;g di zuccheri e 6&amp;nbsp;g di sale per 2000&amp;nbsp;kcal) al tuo fabbisogno: con 2500&amp;nbsp;kcal, per esempio, il riferimento è di 87,5&amp;nbsp;g di grassi.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>GDAInfoText</source>
        <translation>&lt;h2&gt;GDA: quantità giornaliere indicative&lt;/h2&gt;
&lt;p&gt;Le GDA (Guideline Daily Amounts) indicano quanto di ogni nutriente un adulto medio dovrebbe assumere al giorno:&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutriente&lt;/th&gt;&lt;th&gt;Quantità giornaliera&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grassi&lt;/td&gt;&lt;td&gt;70&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grassi saturi&lt;/td&gt;&lt;td&gt;20&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Zuccheri&lt;/td&gt;&lt;td&gt;90&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sale&lt;/td&gt;&lt;td&gt;6&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Calorie&lt;/td&gt;&lt;td&gt;2000&amp;nbsp;kcal&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Come funziona il calcolatore GDA&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Ogni barra mostra quale parte della quantità giornaliera fornisce una porzione del prodotto; una barra piena corrisponde al 100% della quantità giornaliera.&lt;/li&gt;
&lt;li&gt;Inserisci in basso la dimensione della porzione in grammi o millilitri (al massimo 5 caratteri). Senza inserimento Tolvane calcola con 100&amp;nbsp;g.&lt;/li&gt;
&lt;li&gt;Tocca una barra per vedere quanto di quel nutriente contiene la tua porzione, per esempio 30&amp;nbsp;g di grassi.&lt;/li&gt;
&lt;li&gt;Si può superare il 100%: la cifra mostra la quota intera, mentre la barra si ferma al bordo superiore.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Esempio: 150&amp;nbsp;g di un prodotto con 20&amp;nbsp;g di grassi per 100&amp;nbsp;g forniscono 30&amp;nbsp;g di grassi, cioè il 42% di 70&amp;nbsp;g.&lt;/p&gt;
&lt;p&gt;Riporta il dispositivo in verticale, o tocca «Indietro» in alto a sinistra, per rivedere il semaforo nutrizionale.&lt;/p&gt;
&lt;p&gt;Per saperne di più sull'etichettatura nutrizionale: &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;USAV – dichiarazione nutrizionale&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%d von %d Produkten geladen</source>
        <translation>%d di %d prodotti caricati</translation>
    </message>
    <message>
        <source>Seite %d von %d</source>
        <translation>pagina %d di %d</translation>
    </message>
    <message>
        <source>Die Datenbank %@ ist beschädigt und kann nicht gelesen werden. Die Datei bleibt unverändert; Tolvane wird beendet.</source>
        <translation>Il database %@ è danneggiato e non può essere letto. Il file resta invariato; Tolvane verrà chiuso.</translation>
    </message>
    <message>
        <source>Neben der Datenbank %@ liegt das Journal eines unterbrochenen Schreibvorgangs, den Tolvane nur in einem beschreibbaren Ordner abschließen kann. Bitte machen Sie den Ordner beschreibbar; die Datei bleibt unverändert. Tolvane wird beendet.</source>
        <translation>Accanto al database %@ si trova il journal di una scrittura interrotta, che Tolvane può completare solo in una cartella scrivibile. Renda scrivibile la cartella; il file resta invariato. Tolvane verrà chiuso.</translation>
    </message>
    <message>
        <source>Die Datenbank %@ wird von einem anderen Programm benutzt. Die Datei bleibt unverändert; Tolvane wird beendet. Bitte starten Sie Tolvane später erneut.</source>
        <translation>Il database %@ è in uso da un altro programma. Il file resta invariato; Tolvane verrà chiuso. Riavvii Tolvane più tardi.</translation>
    </message>
    <message>
        <source>Der Ordner %@ ist schreibgeschützt. Tolvane zeigt Ihre Daten an, kann aber keine Änderungen speichern.</source>
        <translation>La cartella %@ è di sola lettura. Tolvane mostra i suoi dati ma non può salvare alcuna modifica.</translation>
    </message>
    <message>
        <source>Tolvane läuft bereits mit diesem Datenordner. Bitte verwenden Sie das geöffnete Fenster.</source>
        <translation>Tolvane è già in esecuzione con questa cartella di dati. Usa la finestra già aperta.</translation>
    </message>
    <message>
        <source>Tolvane kann seine Sperrdatei %@ nicht übernehmen. Bitte löschen Sie diese Datei und starten Sie Tolvane erneut.</source>
        <translation>Tolvane non riesce a rilevare il suo file di blocco %@. Elimini questo file e riavvii Tolvane.</translation>
    </message>
    <message>
        <source>Die Antwort des Servers konnte nicht gelesen werden. Bitte versuchen Sie es später erneut.</source>
        <translation>Non è stato possibile leggere la risposta del server. Riprovi più tardi.</translation>
    </message>
    <message>
        <source>Der Katalog ist auf dem neuesten Stand.</source>
        <translation>Il catalogo è aggiornato.</translation>
    </message>
    <message>
        <source>Produkt bearbeiten</source>
        <translation>Modifica prodotto</translation>
    </message>
    <message>
        <source>Es wurde kein E-Mail-Programm gefunden. Schreiben Sie uns an:</source>
        <translation>Nessun programma di posta trovato. Scrivici a:</translation>
    </message>
    <message>
        <source>Adresse kopieren</source>
        <translation>Copia indirizzo</translation>
    </message>
    <message>
        <source>Dieser Ordner ist leer. Fügen Sie Produkte über deren Detailansicht hinzu.</source>
        <translation>Questa cartella è vuota. Aggiungi prodotti dalla loro scheda di dettaglio.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder Exists</source>
        <translation>Esiste già una cartella con questo nome.</translation>
    </message>
    <message>
        <source>Add Folder Anyway</source>
        <translation>Crea comunque</translation>
    </message>
    <message>
        <source>GDA Portion Not A Number</source>
        <translation>Inserisci la porzione come numero, ad esempio 150.</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>,</translation>
    </message>
    <message>
        <source>No Data Sign</source>
        <translation>n.d.</translation>
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
        <translation>%@%</translation>
    </message>
    <message>
        <source>%@ oz</source>
        <translation>%@ oz</translation>
    </message>
    <message>
        <source>%@ (lbs)</source>
        <translation>%@ (lb)</translation>
    </message>
    <message>
        <source>Accessible Search Field</source>
        <translation>Termine di ricerca</translation>
    </message>
    <message>
        <source>Accessible Search Field Description</source>
        <translation>Digitare nome del prodotto, produttore o codice a barre; Invio avvia la ricerca</translation>
    </message>
    <message>
        <source>Accessible Search Button Description</source>
        <translation>Cerca il testo digitato</translation>
    </message>
    <message>
        <source>Accessible Cancel Search</source>
        <translation>Annulla ricerca</translation>
    </message>
    <message>
        <source>Accessible Cancel Search Description</source>
        <translation>Svuota il campo di ricerca e mostra di nuovo tutti i prodotti</translation>
    </message>
    <message>
        <source>Accessible Scan Description</source>
        <translation>Legge il codice a barre di un prodotto con la fotocamera o da un'immagine</translation>
    </message>
    <message>
        <source>Accessible Product List</source>
        <translation>Elenco dei prodotti</translation>
    </message>
    <message>
        <source>Accessible Category List</source>
        <translation>Elenco delle categorie</translation>
    </message>
    <message>
        <source>Accessible List Description</source>
        <translation>Le frecce scelgono una riga, Invio la apre</translation>
    </message>
    <message>
        <source>Accessible Editable List Description</source>
        <translation>Le frecce scelgono una riga, Invio la apre; in modifica, Canc e poi Invio la eliminano, Alt+freccia la sposta</translation>
    </message>
    <message>
        <source>Accessible Refresh</source>
        <translation>Aggiorna catalogo</translation>
    </message>
    <message>
        <source>Accessible Refresh Description</source>
        <translation>Scarica dal server i prodotti nuovi e modificati</translation>
    </message>
    <message>
        <source>Accessible Back</source>
        <translation>Torna alla pagina precedente</translation>
    </message>
    <message>
        <source>Accessible Back Description</source>
        <translation>Anche con Esc o Alt+Sinistra</translation>
    </message>
    <message>
        <source>Accessible Tab Description</source>
        <translation>Scheda; le frecce passano alla scheda successiva</translation>
    </message>
    <message>
        <source>Accessible Favorite Description</source>
        <translation>Sceglie le cartelle del piano pasti per questo prodotto</translation>
    </message>
    <message>
        <source>Accessible Remove Favorite Description</source>
        <translation>Toglie il prodotto da tutte le cartelle</translation>
    </message>
    <message>
        <source>Accessible Turn Description</source>
        <translation>Mostra il calcolatore del fabbisogno giornaliero (anche Ctrl+Sinistra)</translation>
    </message>
    <message>
        <source>Accessible Folder Picker</source>
        <translation>Scelta delle cartelle</translation>
    </message>
    <message>
        <source>Accessible Folder Picker Description</source>
        <translation>Le frecce scelgono una cartella, Spazio mette o toglie la spunta</translation>
    </message>
    <message>
        <source>Accessible Done Description</source>
        <translation>Conclude l'inserimento</translation>
    </message>
    <message>
        <source>Accessible Cancel Description</source>
        <translation>Scarta l'inserimento</translation>
    </message>
    <message>
        <source>Accessible Portion</source>
        <translation>Dimensione della porzione</translation>
    </message>
    <message>
        <source>Accessible Portion Description</source>
        <translation>Quantità in grammi o millilitri; le barre mostrano la quota del fabbisogno giornaliero</translation>
    </message>
    <message>
        <source>Accessible Info Description</source>
        <translation>Apre la spiegazione</translation>
    </message>
    <message>
        <source>Accessible Turn Back Description</source>
        <translation>Torna alla pagina del prodotto (anche Ctrl+Su)</translation>
    </message>
    <message>
        <source>Accessible Folder List</source>
        <translation>Elenco delle cartelle</translation>
    </message>
    <message>
        <source>Accessible Folder Contents</source>
        <translation>Prodotti nella cartella</translation>
    </message>
    <message>
        <source>Accessible New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Accessible New Product</source>
        <translation>Nuovo prodotto</translation>
    </message>
    <message>
        <source>Accessible Edit Description</source>
        <translation>Attiva o disattiva eliminazione e spostamento</translation>
    </message>
    <message>
        <source>Accessible Add Description</source>
        <translation>Crea una nuova voce</translation>
    </message>
    <message>
        <source>Accessible About Language</source>
        <translation>Informazioni sulla lingua</translation>
    </message>
    <message>
        <source>Accessible About Live Search</source>
        <translation>Informazioni sulla ricerca istantanea</translation>
    </message>
    <message>
        <source>Accessible About Metric Units</source>
        <translation>Informazioni sulle unità metriche</translation>
    </message>
    <message>
        <source>Accessible About Personal Profile</source>
        <translation>Informazioni sul profilo personale</translation>
    </message>
    <message>
        <source>Accessible About BMI</source>
        <translation>Informazioni sull'IMC</translation>
    </message>
    <message>
        <source>Accessible About Ideal Weight</source>
        <translation>Informazioni sul peso ideale</translation>
    </message>
    <message>
        <source>Accessible About Activity Level</source>
        <translation>Informazioni sul livello di attività</translation>
    </message>
    <message>
        <source>Accessible About Daily Calories</source>
        <translation>Informazioni sulle calorie giornaliere</translation>
    </message>
    <message>
        <source>Accessible Switch Description</source>
        <translation>Spazio lo attiva o disattiva</translation>
    </message>
    <message>
        <source>Accessible Row Description</source>
        <translation>Spazio o Invio sceglie questa riga</translation>
    </message>
    <message>
        <source>Accessible Mail Description</source>
        <translation>Apre una nuova e-mail al supporto</translation>
    </message>
    <message>
        <source>Accessible Copy Address Description</source>
        <translation>Copia l'indirizzo negli appunti</translation>
    </message>
    <message>
        <source>Accessible Help Page</source>
        <translation>Testo di aiuto</translation>
    </message>
    <message>
        <source>Accessible Help Page Description</source>
        <translation>Tab passa ai link, Invio li apre</translation>
    </message>
    <message>
        <source>Accessible Wheel Description</source>
        <translation>Le frecce girano la ruota</translation>
    </message>
    <message>
        <source>Accessible Field Description</source>
        <translation>Campo di inserimento; Tab passa al successivo</translation>
    </message>
    <message>
        <source>Accessible Picker Field Description</source>
        <translation>Spazio apre la scelta</translation>
    </message>
    <message>
        <source>Accessible Dot</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Accessible Comma</source>
        <translation>Virgola</translation>
    </message>
    <message>
        <source>Accessible Input Bar Description</source>
        <translation>Tasto della barra sopra il campo</translation>
    </message>
    <message>
        <source>Accessible Delete %@</source>
        <translation>Elimina %@</translation>
    </message>
    <message>
        <source>Accessible Move Up %@</source>
        <translation>Sposta su %@</translation>
    </message>
    <message>
        <source>Accessible Move Down %@</source>
        <translation>Sposta giù %@</translation>
    </message>
    <message>
        <source>Accessible Own Product Description</source>
        <translation>Inserisce il prodotto come prodotto proprio</translation>
    </message>
    <message>
        <source>Accessible Choose Picture Description</source>
        <translation>Apre un'immagine con un codice a barre</translation>
    </message>
    <message>
        <source>Accessible Save Description</source>
        <translation>Salva il prodotto</translation>
    </message>
    <message>
        <source>Accessible Gender</source>
        <translation>Sesso</translation>
    </message>
    <message>
        <source>Accessible Age</source>
        <translation>Età</translation>
    </message>
    <message>
        <source>Accessible Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Accessible Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Accessible Slider Description</source>
        <translation>Le frecce cambiano il valore</translation>
    </message>
    <message>
        <source>Accessible Nutrition Table</source>
        <translation>Tabella nutrizionale</translation>
    </message>
    <message>
        <source>Accessible Light Green</source>
        <translation>luce verde</translation>
    </message>
    <message>
        <source>Accessible Light Yellow</source>
        <translation>luce gialla</translation>
    </message>
    <message>
        <source>Accessible Light Red</source>
        <translation>luce rossa</translation>
    </message>
    <message>
        <source>Accessible Light None</source>
        <translation>nessun dato</translation>
    </message>
    <message>
        <source>Remove Favourite Question</source>
        <translation>Questo prodotto è in %d delle sue cartelle, con %@ kcal previste. Toglierlo da tutte?</translation>
    </message>
    <message>
        <source>Delete Filed Own Product Question</source>
        <translation>Questo prodotto è in %d delle sue cartelle, con %@ kcal previste. Eliminarlo e toglierlo da tutte?</translation>
    </message>
    <message>
        <source>Product Gone Message</source>
        <translation>Questo prodotto non esiste più: è stato eliminato. Nulla è stato modificato.</translation>
    </message>
    <message>
        <source>Accessible Hits</source>
        <translation>%d risultati</translation>
    </message>
    <message>
        <source>Accessible Below Average</source>
        <translation>sotto la media della categoria</translation>
    </message>
    <message>
        <source>Accessible Scroll Bar</source>
        <translation>Barra di scorrimento</translation>
    </message>
    <message>
        <source>Accessible GDA Bars</source>
        <translation>Quota del fabbisogno giornaliero</translation>
    </message>
    <message>
        <source>Accessible Portion Clear</source>
        <translation>Svuota la porzione</translation>
    </message>
    <message>
        <source>Accessible Slider Name</source>
        <translation>%@ (cursore)</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Frühstück</source>
        <translation>Colazione</translation>
    </message>
    <message>
        <source>Mittagessen</source>
        <translation>Pranzo</translation>
    </message>
    <message>
        <source>Abendessen</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Gegessen</source>
        <translation>Mangiato</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Diary Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Diary Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Diary Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Diary Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Diary Meal</source>
        <translation>Pasto</translation>
    </message>
    <message>
        <source>Diary Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Diary Chart</source>
        <translation>Energia al giorno</translation>
    </message>
    <message>
        <source>Diary Target</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Diary Day Totals</source>
        <translation>La giornata rispetto al fabbisogno</translation>
    </message>
    <message>
        <source>Diary %@ of %@</source>
        <translation>%@ su %@</translation>
    </message>
    <message>
        <source>Diary %@ kcal left</source>
        <translation>Restano %@ kcal per la giornata</translation>
    </message>
    <message>
        <source>Diary %@ kcal over</source>
        <translation>%@ kcal oltre il fabbisogno giornaliero</translation>
    </message>
    <message>
        <source>Diary Fixed References</source>
        <translation>Senza calorie giornaliere nel profilo personale valgono i valori di riferimento per 2.000 kcal.</translation>
    </message>
    <message>
        <source>Diary Read Failed</source>
        <translation>Il diario non può essere letto in questo momento. Nulla è andato perso; riprovi più tardi.</translation>
    </message>
    <message>
        <source>Diary Write Failed</source>
        <translation>Non è stato possibile salvare la voce; il diario è invariato.</translation>
    </message>
    <message>
        <source>Diary Amount Refused</source>
        <translation>Inserisca una quantità maggiore di 0.</translation>
    </message>
    <message>
        <source>Diary Delete Question</source>
        <translation>Eliminare questa voce dal diario?</translation>
    </message>
    <message>
        <source>Diary Quick %@</source>
        <translation>%@</translation>
    </message>
    <message>
        <source>Diary Pack %@</source>
        <translation>Confezione %@</translation>
    </message>
    <message>
        <source>Diary Last %@</source>
        <translation>Ultima %@</translation>
    </message>
    <message>
        <source>Diary Folder Logged %@</source>
        <translation>%@ prodotti sono stati registrati nel diario di oggi.</translation>
    </message>
    <message>
        <source>Eat Folder Today</source>
        <translation>Mangiato oggi</translation>
    </message>
    <message>
        <source>Diary Locale</source>
        <translation>it_IT</translation>
    </message>
    <message>
        <source>Accessible Diary Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Accessible Diary Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Description</source>
        <translation>Mostra il giorno prima</translation>
    </message>
    <message>
        <source>Accessible Diary Next Description</source>
        <translation>Mostra il giorno dopo</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Span Description</source>
        <translation>Mostra il periodo precedente</translation>
    </message>
    <message>
        <source>Accessible Diary Next Span Description</source>
        <translation>Mostra il periodo successivo</translation>
    </message>
    <message>
        <source>Accessible Diary Date Description</source>
        <translation>Scegli una data</translation>
    </message>
    <message>
        <source>Accessible Diary Today Description</source>
        <translation>Mostra oggi</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Description</source>
        <translation>Apre l’energia al giorno come grafico; un giorno apre quel giorno</translation>
    </message>
    <message>
        <source>Accessible Diary Entry Description</source>
        <translation>Apre la voce per modificarla, spostarla o eliminarla</translation>
    </message>
    <message>
        <source>Accessible Diary Amount</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Accessible Diary Amount Description</source>
        <translation>La quantità mangiata</translation>
    </message>
    <message>
        <source>Accessible Diary Quick Description</source>
        <translation>Imposta questa quantità</translation>
    </message>
    <message>
        <source>Accessible Diary Time Description</source>
        <translation>L’ora del pasto</translation>
    </message>
    <message>
        <source>Accessible Diary Meal Description</source>
        <translation>Il pasto della voce</translation>
    </message>
    <message>
        <source>Accessible Diary Save Description</source>
        <translation>Salva la voce nel diario</translation>
    </message>
    <message>
        <source>Accessible Diary Delete Description</source>
        <translation>Elimina la voce dopo una domanda</translation>
    </message>
    <message>
        <source>Accessible Eaten Description</source>
        <translation>Registra questo prodotto nel diario</translation>
    </message>
    <message>
        <source>Accessible Eat Folder Description</source>
        <translation>Registra ogni prodotto della cartella con la sua quantità nel diario di oggi</translation>
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
        <translation>Esporta tutto</translation>
    </message>
    <message>
        <source>Backup Import</source>
        <translation>Importa un backup</translation>
    </message>
    <message>
        <source>Backup File Filter</source>
        <translation>Backup di Tolvane</translation>
    </message>
    <message>
        <source>Backup Import Question</source>
        <translation>Il backup viene unito ai suoi dati: voci del diario, prodotti propri e cartelle dei menu vengono aggiunti dove mancano. Il profilo personale e le impostazioni vengono sostituiti da quelli del backup. Continuare?</translation>
    </message>
    <message>
        <source>Backup Import Confirm</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Backup Exported</source>
        <translation>Il backup è stato scritto.</translation>
    </message>
    <message>
        <source>Backup Export Failed</source>
        <translation>Non è stato possibile scrivere il backup. Scelga un altro percorso.</translation>
    </message>
    <message>
        <source>Backup Imported</source>
        <translation>Il backup è stato importato.</translation>
    </message>
    <message>
        <source>Backup Import Failed</source>
        <translation>Non è stato possibile acquisire il backup; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Backup Refused Damaged</source>
        <translation>Il file è danneggiato o incompleto. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Backup Refused Foreign</source>
        <translation>Il file non è un backup di Tolvane. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Backup Refused Newer</source>
        <translation>Il backup proviene da una versione più recente di Tolvane. Aggiorni Tolvane. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Accessible Diary Row Description</source>
        <translation>Apre il diario sulla giornata di oggi</translation>
    </message>
    <message>
        <source>Diary Snacks</source>
        <translation>Spuntini</translation>
    </message>
    <message>
        <source>Accessible Own Product List</source>
        <translation>Elenco dei prodotti propri</translation>
    </message>
    <message>
        <source>Discard Typed Product Question</source>
        <translation>Quanto inserito per questo prodotto non è ancora salvato. Scartarlo?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Continua a modificare</translation>
    </message>
    <message>
        <source>Accessible Added To %@</source>
        <translation>Aggiunto a «%@»</translation>
    </message>
    <message>
        <source>Diary Reference</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>Diary Chart Nutrient</source>
        <translation>Nutriente</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Nutrient Description</source>
        <translation>Sceglie il nutriente che il secondo grafico mostra per giorno</translation>
    </message>
    <message>
        <source>Diary Folder Logged One</source>
        <translation>1 prodotto è stato registrato nel diario di oggi.</translation>
    </message>
</context>
</TS>
