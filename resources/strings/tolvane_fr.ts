<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="de_DE">
<context>
    <name>Tolvane</name>
    <message>
        <source>Suche</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Menu List</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>Kategorien</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Failed to create writable database</source>
        <translation>Impossible de créer la base de données.</translation>
    </message>
    <message>
        <source>Failed to create writable database file with message '%@'.</source>
        <translation>Impossible de créer le fichier de base de données : %@</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Évaluer Tolvane</translation>
    </message>
    <message>
        <source>If you like MyApp, please take the time, etc</source>
        <translation>Si vous appréciez Tolvane, prendriez-vous un instant pour l'évaluer ? Merci de votre soutien !</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Non, merci</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Évaluer maintenant</translation>
    </message>
    <message>
        <source>    Optionen</source>
        <translation>    Options</translation>
    </message>
    <message>
        <source>    Nützliche Hinweise</source>
        <translation>    Conseils utiles</translation>
    </message>
    <message>
        <source>Lokalisierung</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Live-Suche</source>
        <translation>Recherche instantanée</translation>
    </message>
    <message>
        <source>Metrische Einheiten</source>
        <translation>Unités métriques</translation>
    </message>
    <message>
        <source>Eigene Produkte verwalten</source>
        <translation>Gérer mes produits</translation>
    </message>
    <message>
        <source>Persönliches Profil</source>
        <translation>Profil personnel</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Pivoter</translation>
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
        <translation>À propos du feu tricolore</translation>
    </message>
    <message>
        <source>Benutzungstips</source>
        <translation>Conseils d'utilisation</translation>
    </message>
    <message>
        <source>Infotext Profil Titel</source>
        <translation>À propos du profil personnel</translation>
    </message>
    <message>
        <source>BMI Infotext Titel</source>
        <translation>Indice de masse corporelle (IMC)</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Sie haben Fragen, Verbesserungsvorschläge oder auch Lob? Wir freuen uns über Ihre Nachricht!</source>
        <translation>Vous avez des questions, des suggestions ou même des compliments ? Nous serons ravis de lire votre message !</translation>
    </message>
    <message>
        <source>E-mail senden</source>
        <translation>Envoyer un e-mail</translation>
    </message>
    <message>
        <source>Email Subject</source>
        <translation>Tolvane : question ou suggestion</translation>
    </message>
    <message>
        <source>Missing Brand</source>
        <translation>Bonjour,

Ma question ou suggestion au sujet de Tolvane :


S'il manque un produit :
Nom du produit :
Fabricant :
Catégorie :
Valeurs nutritionnelles pour 100 g ou 100 ml :

Cordialement
</translation>
    </message>
    <message>
        <source>Setup-Info</source>
        <translation>Astuces pour les réglages</translation>
    </message>
    <message>
        <source>Hilfe zur Setupnutzung</source>
        <translation>Ici, vous choisissez la langue, activez ou désactivez la recherche instantanée et les unités métriques, gérez vos propres produits et votre profil personnel. Les boutons d'information expliquent chaque réglage.</translation>
    </message>
    <message>
        <source>Localization Screen Text 1</source>
        <translation>Langue de l'app – prise en compte au prochain démarrage</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
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
        <translation>Infos GDA</translation>
    </message>
    <message>
        <source>Produktsuche</source>
        <translation>Recherche de produits</translation>
    </message>
    <message>
        <source>Produkt eingeben</source>
        <translation>Produit ou fabricant</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst die aktuellen Daten herunter.</source>
        <translation>Aucune donnée produit n'est encore enregistrée. Veuillez d'abord télécharger les données actuelles.</translation>
    </message>
    <message>
        <source>Keine Treffer</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>Keine Produkte oder Hersteller entsprechen Ihrer Eingabe</source>
        <translation>Aucun produit ni fabricant ne correspond à votre recherche.</translation>
    </message>
    <message>
        <source>this barcode's check digit is wrong</source>
        <translation>Le chiffre de contrôle de ce code-barres est faux.</translation>
    </message>
    <message>
        <source>Scan a barcode</source>
        <translation>Scanner un code-barres</translation>
    </message>
    <message>
        <source>Aim at the barcode</source>
        <translation>Placez le code-barres dans le cadre</translation>
    </message>
    <message>
        <source>not in the catalogue</source>
        <translation>absent du catalogue</translation>
    </message>
    <message>
        <source>Enter as own product</source>
        <translation>Saisir comme produit personnel</translation>
    </message>
    <message>
        <source>Strichcode</source>
        <translation>Code-barres</translation>
    </message>
    <message>
        <source>A barcode has 8, 12, 13 or 14 digits, a shop's own code 3 to 11.</source>
        <translation>Un code-barres a 8, 12, 13 ou 14 chiffres, un code propre au magasin de 3 à 11.</translation>
    </message>
    <message>
        <source>The catalogue could not be read just now; the list may not be up to date.</source>
        <translation>Le catalogue n'a pas pu être lu pour l'instant ; la liste n'est peut-être pas à jour.</translation>
    </message>
    <message>
        <source>This product cannot be opened</source>
        <translation>Impossible d'ouvrir ce produit</translation>
    </message>
    <message>
        <source>The catalogue cannot be read just now</source>
        <translation>Le catalogue ne peut pas être lu pour l'instant</translation>
    </message>
    <message>
        <source>No barcode found in this picture</source>
        <translation>Aucun code-barres trouvé sur cette image.</translation>
    </message>
    <message>
        <source>Bild wird gelesen …</source>
        <translation>Lecture de l’image …</translation>
    </message>
    <message>
        <source>Dieses Bild lässt sich nicht lesen</source>
        <translation>Impossible de lire cette image.</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Sync-Benachrichtigung</source>
        <translation>Mise à jour du catalogue</translation>
    </message>
    <message>
        <source>Bitte synchronisieren Sie Ihr App</source>
        <translation>Veuillez mettre à jour le catalogue pour voir les produits et les valeurs nutritionnelles les plus récents.</translation>
    </message>
    <message>
        <source>Hinweis löschen</source>
        <translation>Ne plus afficher</translation>
    </message>
    <message>
        <source>Sync starten</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Startmenü Später erinnern</source>
        <translation>Rappeler au prochain démarrage</translation>
    </message>
    <message>
        <source>Der Produktserver antwortet nicht. Bitte versuchen Sie es später erneut.</source>
        <translation>Le serveur de produits ne répond pas. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Keine Datenverbindung verfügbar</source>
        <translation>Aucune connexion de données disponible. Veuillez vérifier votre connexion Internet.</translation>
    </message>
    <message>
        <source>Verbindung wurde erfolgreich hergestellt und neue Einträge sind heruntergeladen.</source>
        <translation>Connexion établie : les nouvelles entrées ont été téléchargées.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Tolvane kann seine Datenbank nicht anlegen. Bitte geben Sie Speicherplatz frei und starten Sie Tolvane erneut.</source>
        <translation>Espace libre insuffisant : Tolvane ne peut pas créer sa base de données. Veuillez libérer de l'espace de stockage et redémarrer Tolvane.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Der Download wurde angehalten. Bitte geben Sie Speicherplatz frei und synchronisieren Sie erneut.</source>
        <translation>Espace libre insuffisant : le téléchargement a été interrompu. Veuillez libérer de l'espace de stockage et synchroniser à nouveau.</translation>
    </message>
    <message>
        <source>Die Datenbank ist schreibgeschützt: Der Download wurde angehalten. Tolvane kann Neues erst speichern, wenn Datei und Ordner beschreibbar sind.</source>
        <translation>La base de données est en lecture seule : le téléchargement a été interrompu. Tolvane ne pourra enregistrer de nouvelles données que lorsque le fichier et son dossier seront accessibles en écriture.</translation>
    </message>
    <message>
        <source>Die Datenverbindung wurde unterbrochen und der Download angehalten. Bitte synchronisieren Sie erneut für alle Produkte</source>
        <translation>La connexion a été interrompue et le téléchargement arrêté. Veuillez relancer la mise à jour pour obtenir tous les produits.</translation>
    </message>
    <message>
        <source>Ampel-Info</source>
        <translation>Feu nutritionnel</translation>
    </message>
    <message>
        <source>Alle Angaben in g, bezogen auf 100</source>
        <translation>Toutes les valeurs pour 100</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Matières grasses</translation>
    </message>
    <message>
        <source>gesättigte Fette</source>
        <translation>Acides gras saturés</translation>
    </message>
    <message>
        <source>Zucker</source>
        <translation>Sucres</translation>
    </message>
    <message>
        <source>Salz</source>
        <translation>Sel</translation>
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
        <translation>Contenu de l'emballage : </translation>
    </message>
    <message>
        <source>Keine Angaben zur Verkaufsmenge</source>
        <translation>Contenu de l'emballage non indiqué</translation>
    </message>
    <message>
        <source>Für weitere Details bitte Gerät drehen</source>
        <translation>Tournez l'appareil pour plus de détails</translation>
    </message>
    <message>
        <source>Nährwerte pro %@</source>
        <translation>Valeurs nutritionnelles pour %@</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>davon gesättigte Fettsäuren</source>
        <translation>dont acides gras saturés</translation>
    </message>
    <message>
        <source>davon einfach ungesättigte Fettsäuren</source>
        <translation>dont acides gras mono-insaturés</translation>
    </message>
    <message>
        <source>davon mehrfach ungesättigte Fettsäuren</source>
        <translation>dont acides gras polyinsaturés</translation>
    </message>
    <message>
        <source>davon Transfettsäuren</source>
        <translation>dont acides gras trans</translation>
    </message>
    <message>
        <source>Kohlenhydrate</source>
        <translation>Glucides</translation>
    </message>
    <message>
        <source>davon Zucker</source>
        <translation>dont sucres</translation>
    </message>
    <message>
        <source>davon Stärke</source>
        <translation>dont amidon</translation>
    </message>
    <message>
        <source>davon mehrwertige Alkohole</source>
        <translation>dont polyols</translation>
    </message>
    <message>
        <source>Ballaststoffe</source>
        <translation>Fibres alimentaires</translation>
    </message>
    <message>
        <source>Eiweiß</source>
        <translation>Protéines</translation>
    </message>
    <message>
        <source>Cholesterin</source>
        <translation>Cholestérol</translation>
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
        <translation>Meilleurs choix : %@</translation>
    </message>
    <message>
        <source>Packung (%@)</source>
        <translation>Paquet (%@)</translation>
    </message>
    <message>
        <source>Zu Favoriten hinzufügen</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>Aus Favoriten entfernen</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Wollen Sie dieses Produkt aus Ihren Favoriten löschen?</source>
        <translation>Voulez-vous retirer ce produit de vos favoris ?</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>GDA-Info</source>
        <translation>Calculateur GDA</translation>
    </message>
    <message>
        <source>Hilfe zur GDA-Nutzung</source>
        <translation>Les barres montrent quelle part des repères nutritionnels journaliers (GDA) une portion apporte. Saisissez la taille de la portion en bas et touchez une barre pour voir la quantité. Retournez l'appareil, ou touchez « Retour », pour revenir au feu tricolore.</translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist zu groß. Bitte überprüfen Sie Ihre Eingabe.</source>
        <translation>La valeur saisie est trop grande. Veuillez vérifier votre saisie.</translation>
    </message>
    <message>
        <source>Tageskalorien- &amp; Nährwertbedarf</source>
        <translation>Besoins quotidiens en calories et nutriments</translation>
    </message>
    <message>
        <source>Folder GDA Fixed References</source>
        <translation>Sans calories quotidiennes dans votre profil personnel, les repères généraux (2000 kcal) s’appliquent.</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Produktname</source>
        <translation>Nom du produit</translation>
    </message>
    <message>
        <source>Herstellername</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Lebensmittel</source>
        <translation>Aliment</translation>
    </message>
    <message>
        <source>Getränk</source>
        <translation>Boisson</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facultatif</translation>
    </message>
    <message>
        <source>Natrium</source>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Produktmenge</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Werte für jeweils 100 g/ml</source>
        <translation>Valeurs pour 100 g/ml</translation>
    </message>
    <message>
        <source>Gewicht oder Menge der Verkaufsportion:</source>
        <translation>Poids ou volume de l'emballage :</translation>
    </message>
    <message>
        <source>Neues Produkt hinzufügen</source>
        <translation>Nouveau produit</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Sie haben noch nicht alle benötigten Textfelder ausgefüllt. Bitte ergänzen Sie Produktnamen, Hersteller oder wählen noch eine Kategorie</source>
        <translation>Certains champs obligatoires sont vides. Veuillez saisir le nom du produit et le fabricant, puis choisir une catégorie.</translation>
    </message>
    <message>
        <source>Sie haben zu viele Nachkommastellen angegeben. Bitte geben Sie maximal eine, bei Salz maximal zwei an.</source>
        <translation>Trop de décimales. Veuillez en saisir une au maximum, deux pour le sel.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gespeichert werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Le produit n'a pas pu être enregistré. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Die Änderungen konnten nicht gespeichert werden. Das Produkt bleibt unverändert.</source>
        <translation>Les modifications n'ont pas pu être enregistrées. Le produit reste inchangé.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gelöscht werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Le produit n'a pas pu être supprimé. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Eigene Produkte</source>
        <translation>Mes produits</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Sie können hier Ihre eigenen Produkte und deren Werte einfügen. Bitte drücken Sie den Bearbeiten-Knopf und dann Plus (+). Produkte können jederzeit nachträglich angepasst oder gelöscht werden.</source>
        <translation>Vous pouvez ajouter ici vos propres produits et leurs valeurs. Touchez le bouton Modifier, puis plus (+). Les produits peuvent être modifiés ou supprimés à tout moment.</translation>
    </message>
    <message>
        <source>Personal Profile</source>
        <translation>Profil personnel</translation>
    </message>
    <message>
        <source>Instructions Personal Profile</source>
        <translation>Réglez ci-dessus votre sexe, votre âge, votre taille et votre poids, puis choisissez votre niveau d'activité. Tolvane en déduit votre IMC, votre poids idéal et votre besoin calorique quotidien, que vous pouvez aussi saisir vous-même.</translation>
    </message>
    <message>
        <source>M</source>
        <translation>Homme</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Femme</translation>
    </message>
    <message>
        <source>BMI</source>
        <translation>IMC</translation>
    </message>
    <message>
        <source>Ideal Body Weight</source>
        <translation>Poids idéal</translation>
    </message>
    <message>
        <source>Activity Level</source>
        <translation>Niveau d'activité</translation>
    </message>
    <message>
        <source>Daily Calories(kcal)</source>
        <translation>Calories par jour (kcal)</translation>
    </message>
    <message>
        <source>sitzend oder liegend</source>
        <translation>Assis ou allongé</translation>
    </message>
    <message>
        <source>ausschließlich sitzend</source>
        <translation>Uniquement assis</translation>
    </message>
    <message>
        <source>überwiegend sitzend</source>
        <translation>Surtout assis</translation>
    </message>
    <message>
        <source>überwiegend stehend</source>
        <translation>Surtout debout</translation>
    </message>
    <message>
        <source>körperlich anstrengend</source>
        <translation>Physiquement exigeant</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount</source>
        <translation>Veuillez saisir un nombre valide.</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount Nil</source>
        <translation>Veuillez saisir une valeur.</translation>
    </message>
    <message>
        <source>Error Message Consumption Zero</source>
        <translation>Une valeur de 0 n’est pas prise en compte : les chiffres restent inchangés.</translation>
    </message>
    <message>
        <source>Thank you for your input</source>
        <translation>Merci, votre besoin calorique quotidien a été enregistré.</translation>
    </message>
    <message>
        <source>Ihr Profil konnte nicht gelesen werden. Bitte versuchen Sie es später noch einmal.</source>
        <translation>Votre profil n'a pas pu être lu. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Pop-Up Personal Profile</source>
        <translation>Veuillez saisir un besoin calorique quotidien entre 1 et 9999 kcal, avec trois décimales au maximum.</translation>
    </message>
    <message>
        <source>Speiseplan-Info</source>
        <translation>Astuces pour les menus</translation>
    </message>
    <message>
        <source>Hilfe zur Speiseplannutzung</source>
        <translation>Créez des dossiers pour vos repas et remplissez-les depuis la fiche d'un produit avec « Ajouter aux favoris ». Touchez un dossier pour comparer ses nutriments à vos besoins quotidiens. Avec « Modifier », vous ajoutez, réordonnez ou supprimez des dossiers et ouvrez leur contenu pour changer les quantités.</translation>
    </message>
    <message>
        <source>Später erinnern</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Create new folder</source>
        <translation>Créer un nouveau dossier</translation>
    </message>
    <message>
        <source>Folder Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder</source>
        <translation>Le nom du dossier ne peut pas dépasser 30 caractères.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder2</source>
        <translation>Le nom du dossier ne peut contenir ni « | », ni caractères de contrôle, ni symboles comme les émojis.</translation>
    </message>
    <message>
        <source>Der Ordner konnte nicht angelegt werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Le dossier n'a pas pu être créé. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Menu List Item 1</source>
        <translation>En-cas</translation>
    </message>
    <message>
        <source>Menu List Item 2</source>
        <translation>Petit-déjeuner</translation>
    </message>
    <message>
        <source>Menu List Item 3</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>Menu List Item 4</source>
        <translation>Dîner</translation>
    </message>
    <message>
        <source>Edit Consumption Title</source>
        <translation>Quantité consommée</translation>
    </message>
    <message>
        <source>Please Enter Consumption</source>
        <translation>Indiquez la quantité mangée ou bue ; toutes les valeurs s'adaptent ensemble.</translation>
    </message>
    <message>
        <source>Consumption Amount in g/ml</source>
        <translation>Quantité en g/ml</translation>
    </message>
    <message>
        <source>Consumption Amount Fat</source>
        <translation>Matières grasses en g</translation>
    </message>
    <message>
        <source>Consumption Amount Saturates</source>
        <translation>Acides gras saturés en g</translation>
    </message>
    <message>
        <source>Consumption Amount Sugar</source>
        <translation>Sucres en g</translation>
    </message>
    <message>
        <source>Consumption Amount Salt</source>
        <translation>Sel en g</translation>
    </message>
    <message>
        <source>Consumption Amount Calories</source>
        <translation>Calories en kcal</translation>
    </message>
    <message>
        <source>Consumption Zero Hint</source>
        <translation>0 – non modifiable</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Supprimer</translation>
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
        <translation>Boissons</translation>
    </message>
    <message>
        <source>Milchprodukte</source>
        <translation>Produits laitiers</translation>
    </message>
    <message>
        <source>Käse</source>
        <translation>Fromages</translation>
    </message>
    <message>
        <source>Süßwaren</source>
        <translation>Confiseries</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Snacks</translation>
    </message>
    <message>
        <source>Backwaren</source>
        <translation>Boulangerie</translation>
    </message>
    <message>
        <source>Frühstück &amp; Cerealien</source>
        <translation>Petit-déjeuner et céréales</translation>
    </message>
    <message>
        <source>Fertiggerichte</source>
        <translation>Plats préparés</translation>
    </message>
    <message>
        <source>Fast Food</source>
        <translation>Restauration rapide</translation>
    </message>
    <message>
        <source>Fleisch &amp; Wurst</source>
        <translation>Viande et charcuterie</translation>
    </message>
    <message>
        <source>Fisch</source>
        <translation>Poisson</translation>
    </message>
    <message>
        <source>Obst &amp; Gemüse</source>
        <translation>Fruits et légumes</translation>
    </message>
    <message>
        <source>Teigwaren &amp; Reis</source>
        <translation>Pâtes et riz</translation>
    </message>
    <message>
        <source>Saucen &amp; Gewürze</source>
        <translation>Sauces et condiments</translation>
    </message>
    <message>
        <source>Brotaufstriche</source>
        <translation>Pâtes à tartiner</translation>
    </message>
    <message>
        <source>Öle &amp; Fette</source>
        <translation>Huiles et matières grasses</translation>
    </message>
    <message>
        <source>Kaffee &amp; Tee</source>
        <translation>Café et thé</translation>
    </message>
    <message>
        <source>Babynahrung</source>
        <translation>Alimentation bébé</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>AmpelInfosText</source>
        <translation>&lt;h2&gt;Le feu tricolore nutritionnel&lt;/h2&gt;
&lt;p&gt;Pour chaque produit, Tolvane évalue les &lt;b&gt;matières grasses&lt;/b&gt;, les &lt;b&gt;acides gras saturés&lt;/b&gt;, les &lt;b&gt;sucres&lt;/b&gt; et le &lt;b&gt;sel&lt;/b&gt; par une couleur de feu. Ce qui compte, c'est la teneur pour 100&amp;nbsp;g pour les aliments solides et pour 100&amp;nbsp;ml pour les boissons.&lt;/p&gt;
&lt;table cellpadding="3" cellspacing="0"&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_green.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Vert&lt;/b&gt; : teneur faible, un bon choix.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_yellow.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Jaune&lt;/b&gt; : teneur moyenne, convenable la plupart du temps.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_red.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Rouge&lt;/b&gt; : teneur élevée, à consommer rarement et en petites quantités.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Seuils pour 100&amp;nbsp;g (aliments solides)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutriment&lt;/th&gt;&lt;th&gt;Vert&lt;/th&gt;&lt;th&gt;Jaune&lt;/th&gt;&lt;th&gt;Rouge&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Matières grasses&lt;/td&gt;&lt;td&gt;jusqu'à 3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 3 jusqu'à 20&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 20&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Acides gras saturés&lt;/td&gt;&lt;td&gt;jusqu'à 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 1,5 jusqu'à 5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sucres&lt;/td&gt;&lt;td&gt;jusqu'à 5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 5 jusqu'à 12,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 12,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sel&lt;/td&gt;&lt;td&gt;jusqu'à 0,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 0,3 jusqu'à 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 1,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Seuils pour 100&amp;nbsp;ml (boissons)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutriment&lt;/th&gt;&lt;th&gt;Vert&lt;/th&gt;&lt;th&gt;Jaune&lt;/th&gt;&lt;th&gt;Rouge&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Matières grasses&lt;/td&gt;&lt;td&gt;jusqu'à 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 1,5 jusqu'à 10&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 10&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Acides gras saturés&lt;/td&gt;&lt;td&gt;jusqu'à 0,75&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 0,75 jusqu'à 2,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 2,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sucres&lt;/td&gt;&lt;td&gt;jusqu'à 2,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 2,5 jusqu'à 6,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 6,3&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sel&lt;/td&gt;&lt;td&gt;jusqu'à 0,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 0,3 jusqu'à 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;plus de 1,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Une valeur située exactement sur un seuil reçoit la couleur la plus favorable : 3&amp;nbsp;g de matières grasses pour 100&amp;nbsp;g restent donc en vert.&lt;/p&gt;
&lt;h3&gt;Mieux que la moyenne&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_green_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_yellow_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_red_top.svg" width="28" height="28"&gt;&lt;br&gt;
Le feu distingué apparaît lorsque le produit contient moins de ce nutriment que la moyenne de tous les produits de sa catégorie. Vous voyez ainsi d'un coup d'œil si un produit fait partie des meilleurs de son groupe, même s'il est rouge.&lt;/p&gt;
&lt;h3&gt;Calories&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_grey.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_grey_top.svg" width="28" height="28"&gt;&lt;br&gt;
L'énergie n'est pas évaluée par une couleur et apparaît toujours en gris ; distinguée lorsqu'elle est inférieure à la moyenne de la catégorie.&lt;/p&gt;
&lt;h3&gt;Aucune donnée&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_neutral_fr.svg" width="28" height="28"&gt; Si l'emballage n'indique pas de valeur, Tolvane affiche cette image neutre et aucun chiffre.&lt;/p&gt;
&lt;p&gt;En savoir plus sur l'étiquetage nutritionnel en Suisse : &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;Office fédéral de la sécurité alimentaire et des affaires vétérinaires (OSAV)&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;Vous avez trouvé une valeur erronée ? Écrivez-nous : &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BenutzungstipsText</source>
        <translation>&lt;h2&gt;Utiliser Tolvane&lt;/h2&gt;
&lt;h3&gt;Recherche&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;La liste présente tous les produits par ordre alphabétique. Touchez une lettre de l'index à droite pour y accéder directement ; les produits qui commencent par un chiffre ou un signe figurent sous &lt;b&gt;#&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Saisissez en haut une partie du nom du produit ou du fabricant. Avec la recherche instantanée, les résultats s'affichent pendant la saisie ; sinon, appuyez sur Entrée ou sur la loupe à côté du champ. La croix ✕ à côté du champ rétablit la liste complète. Le bouton code-barres voisin lit le code-barres d'un emballage avec la caméra ou depuis une image.&lt;/li&gt;
&lt;li&gt;Touchez un produit pour voir son feu nutritionnel. Tournez l'appareil à l'horizontale, ou touchez « Pivoter » à côté de l'indication, pour voir, dans le calculateur GDA, quelle part de vos besoins quotidiens une portion couvre.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Mettre à jour le catalogue&lt;/h3&gt;
&lt;p&gt;Le bouton à la flèche circulaire, en haut de la recherche, charge depuis le serveur les produits nouveaux et modifiés. Si la connexion est interrompue, la mise à jour suivante reprend là où elle s'est arrêtée. Vos favoris sont conservés.&lt;/p&gt;
&lt;h3&gt;Catégories&lt;/h3&gt;
&lt;p&gt;Vous y trouvez les produits classés par groupes, par exemple boissons ou boulangerie. Une recherche dans une catégorie ne trouve que les produits de cette catégorie.&lt;/p&gt;
&lt;h3&gt;Menus&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Sur la fiche d'un produit, « Ajouter aux favoris » le range dans un ou plusieurs dossiers, par exemple Petit-déjeuner ou Déjeuner. Il y est inscrit avec 100&amp;nbsp;g ou 100&amp;nbsp;ml.&lt;/li&gt;
&lt;li&gt;Touchez un dossier pour comparer ses nutriments à vos besoins quotidiens personnels.&lt;/li&gt;
&lt;li&gt;Avec « Modifier », vous créez, réordonnez ou supprimez des dossiers ; toucher un dossier affiche alors ses produits, et toucher un produit permet de modifier la quantité consommée.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Réglages&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Langue&lt;/b&gt;, &lt;b&gt;Recherche instantanée&lt;/b&gt; et &lt;b&gt;Unités métriques&lt;/b&gt; : les boutons d'information expliquent chaque réglage.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Gérer mes produits&lt;/b&gt; : s'il manque un produit, ajoutez-le vous-même avec « Modifier » et « + ». Il apparaît aussitôt dans la recherche, les catégories et les menus, et nous est envoyé au prochain démarrage pour que nous puissions compléter le catalogue.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Profil personnel&lt;/b&gt; : le sexe, l'âge, la taille, le poids et l'activité déterminent vos besoins quotidiens.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Contact&lt;/h3&gt;
&lt;p&gt;Données de produits et compléments au catalogue : &lt;a href="update@tolvane.ch."&gt;update@tolvane.ch&lt;/a&gt;&lt;br&gt;
Questions et suggestions sur l'app : &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LocalizationInfoText</source>
        <translation>&lt;h2&gt;Langue&lt;/h2&gt;
&lt;p&gt;Tolvane est disponible en allemand, anglais, espagnol, français, italien et russe.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Automatique&lt;/b&gt; : Tolvane reprend la langue de votre appareil. S'il ne s'agit d'aucune des six langues, Tolvane s'affiche en anglais.&lt;/li&gt;
&lt;li&gt;Choisissez une langue dans la liste si Tolvane doit toujours s'afficher dans cette langue, quel que soit le réglage de votre appareil.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Une nouvelle langue prend effet au &lt;b&gt;prochain démarrage&lt;/b&gt; de l'app.&lt;/p&gt;
&lt;p&gt;Les noms des produits et des fabricants figurent dans le catalogue tels qu'ils sont imprimés sur l'emballage et ne sont pas traduits.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LiveSearchInfoText</source>
        <translation>&lt;h2&gt;Recherche instantanée&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Activée&lt;/b&gt; : la liste des résultats se forme pendant la saisie et s'affine à chaque lettre.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Désactivée&lt;/b&gt; : Tolvane ne lance la recherche que lorsque vous appuyez sur Entrée ou sur la loupe à côté du champ de recherche. Si rien ne correspond, votre texte reste dans le champ. C'est plus confortable sur les appareils anciens et avec de très grands catalogues.&lt;/p&gt;
&lt;h3&gt;Conseils de recherche&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Tolvane cherche n'importe quelle partie d'un mot dans les noms de produits et de fabricants : « lait » trouve aussi « Lait demi-écrémé ».&lt;/li&gt;
&lt;li&gt;Les majuscules, les minuscules et les accents ne comptent pas, dans toutes les écritures : « the » trouve « Thé », « молоко » trouve « Молоко » ; ß compte comme ss, ø comme o, œ comme oe, ё comme е. Le numéro d'un code-barres (8, 12, 13 ou 14 chiffres) trouve son produit et l'affiche en premier. % remplace n'importe quelle suite de caractères, _ un seul caractère.&lt;/li&gt;
&lt;li&gt;La croix ✕ à côté du champ de recherche le vide et affiche de nouveau la liste complète.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>MetrisheInfoText</source>
        <translation>&lt;h2&gt;Unités métriques&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Activées&lt;/b&gt; : Tolvane calcule en grammes, centimètres et kilogrammes.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Désactivées&lt;/b&gt; : Tolvane utilise les unités américaines : onces (oz) dans le calculateur GDA, pieds et pouces pour la taille et livres (lbs) pour le poids dans le profil personnel.&lt;/p&gt;
&lt;p&gt;Le changement s'applique immédiatement dans toute l'app. Quel que soit ce réglage, le feu nutritionnel se rapporte toujours à 100&amp;nbsp;g ou 100&amp;nbsp;ml, comme les indications de l'emballage.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Infotext Profil</source>
        <translation>&lt;h2&gt;Profil personnel&lt;/h2&gt;
&lt;p&gt;À partir de quelques indications, Tolvane calcule trois valeurs pour vous :&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;IMC&lt;/b&gt; (indice de masse corporelle) : le rapport entre votre poids et votre taille.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Poids idéal&lt;/b&gt; : le poids qui correspond à un IMC de 22 pour votre taille.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Calories par jour&lt;/b&gt; : votre besoin énergétique quotidien selon la formule de Mifflin-St Jeor, adapté à votre niveau d'activité.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Comment procéder&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;Réglez le sexe, l'âge, la taille et le poids avec les molettes.&lt;/li&gt;
&lt;li&gt;Touchez « Niveau d'activité » et choisissez comment se déroulent vos journées.&lt;/li&gt;
&lt;li&gt;Vous pouvez remplacer le besoin calculé, par exemple par la valeur indiquée par votre diététicien.&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Vos besoins quotidiens servent de référence aux menus pour évaluer vos repas : les apports journaliers en matières grasses, acides gras saturés, sucres, sel et calories sont adaptés proportionnellement à votre besoin calorique.&lt;/p&gt;
&lt;p&gt;Vos données restent sur votre appareil.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BMI Infotext</source>
        <translation>&lt;h2&gt;Indice de masse corporelle (IMC)&lt;/h2&gt;
&lt;p&gt;L'IMC met en relation le poids et la taille :&lt;/p&gt;
&lt;p&gt;&lt;b&gt;IMC = poids en kg ÷ (taille en m)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Exemple : 80&amp;nbsp;kg pour 1,80&amp;nbsp;m donnent 80 ÷ 3,24 = 24,7.&lt;/p&gt;
&lt;p&gt;En unités américaines, Tolvane calcule : poids en livres × 703 ÷ (taille en pouces)².&lt;/p&gt;
&lt;h3&gt;Classification pour les adultes (OMS)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;IMC&lt;/th&gt;&lt;th&gt;Classe&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;moins de 18,5&lt;/td&gt;&lt;td&gt;insuffisance pondérale&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;18,5 à 24,9&lt;/td&gt;&lt;td&gt;poids normal&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;25 à 29,9&lt;/td&gt;&lt;td&gt;surpoids&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;30 et plus&lt;/td&gt;&lt;td&gt;obésité&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;L'IMC n'est qu'un repère approximatif. Il ne distingue pas les muscles de la graisse et ne s'applique ni aux enfants, ni aux femmes enceintes, ni aux sportifs de compétition. En cas de doute, demandez conseil à votre médecin.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Ideal Weight Infotext</source>
        <translation>&lt;h2&gt;Poids idéal&lt;/h2&gt;
&lt;p&gt;Tolvane indique comme poids idéal le poids pour lequel votre IMC vaut exactement 22, le milieu de la zone normale :&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Poids idéal = 22 × (taille en m)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Exemples : 1,65&amp;nbsp;m donne 59,9&amp;nbsp;kg ; 1,80&amp;nbsp;m donne 71,3&amp;nbsp;kg.&lt;/p&gt;
&lt;p&gt;Tout poids compris dans la zone normale (IMC de 18,5 à 24,9) est sain. Le poids idéal est donc un repère, et non un objectif à atteindre au kilo près.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Activity Level Infotext</source>
        <translation>&lt;h2&gt;Niveau d'activité&lt;/h2&gt;
&lt;p&gt;Votre besoin en énergie dépend beaucoup de la manière dont vous bougez au quotidien. Tolvane multiplie votre métabolisme de base par un facteur :&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Niveau d'activité&lt;/th&gt;&lt;th&gt;Facteur&lt;/th&gt;&lt;th&gt;Exemples&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Assis ou allongé&lt;/td&gt;&lt;td&gt;1,2&lt;/td&gt;&lt;td&gt;surtout au lit ou dans un fauteuil, presque aucun mouvement&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Uniquement assis&lt;/td&gt;&lt;td&gt;1,375&lt;/td&gt;&lt;td&gt;travail de bureau, peu d'exercice pendant les loisirs&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Surtout assis&lt;/td&gt;&lt;td&gt;1,55&lt;/td&gt;&lt;td&gt;bureau avec des trajets à pied, études, un peu de sport régulier&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Surtout debout&lt;/td&gt;&lt;td&gt;1,725&lt;/td&gt;&lt;td&gt;vente, artisanat, restauration, soins&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Physiquement exigeant&lt;/td&gt;&lt;td&gt;1,9&lt;/td&gt;&lt;td&gt;bâtiment, agriculture, sport de compétition&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Touchez « Niveau d'activité » dans le profil pour choisir votre niveau. Sans niveau choisi, Tolvane ne calcule pas de besoin calorique.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Daily Calories Infotext</source>
        <translation>&lt;h2&gt;Besoin calorique quotidien&lt;/h2&gt;
&lt;p&gt;Tolvane calcule d'abord votre métabolisme de base selon la formule de &lt;b&gt;Mifflin-St Jeor&lt;/b&gt; :&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Hommes : 10 × poids (kg) + 6,25 × taille (cm) − 5 × âge + 5&lt;/li&gt;
&lt;li&gt;Femmes : 10 × poids (kg) + 6,25 × taille (cm) − 5 × âge − 161&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Le métabolisme de base est multiplié par le facteur de votre niveau d'activité (de 1,2 à 1,9) et arrondi à la kilocalorie.&lt;/p&gt;
&lt;p&gt;Exemple : un homme de 30 ans, 180&amp;nbsp;cm, 80&amp;nbsp;kg, surtout assis : (800 + 1125 − 150 + 5) × 1,55 = 2759&amp;nbsp;kcal.&lt;/p&gt;
&lt;h3&gt;Votre propre valeur&lt;/h3&gt;
&lt;p&gt;Si vous connaissez plus précisément votre besoin, saisissez-le directement (de 1 à 9999&amp;nbsp;kcal). Il reste valable jusqu'à ce que vous changiez l'âge, la taille, le poids, le sexe ou le niveau d'activité.&lt;/p&gt;
&lt;h3&gt;À quoi sert cette valeur&lt;/h3&gt;
&lt;p&gt;Les menus adaptent les apports journaliers (70&amp;nbsp;g de matières grasses, 20&amp;nbsp;g d'acides gras saturés, 90&amp;nbsp;g de sucres et 6&amp;nbsp;g de sel pour 2000&amp;nbsp;kcal) à votre besoin : pour 2500&amp;nbsp;kcal, par exemple, la référence est de 87,5&amp;nbsp;g de matières grasses.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>GDAInfoText</source>
        <translation>&lt;h2&gt;GDA : repères nutritionnels journaliers&lt;/h2&gt;
&lt;p&gt;Les GDA (Guideline Daily Amounts) indiquent la quantité de chaque nutriment qu'un adulte moyen devrait consommer par jour :&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutriment&lt;/th&gt;&lt;th&gt;Repère par jour&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Matières grasses&lt;/td&gt;&lt;td&gt;70&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Acides gras saturés&lt;/td&gt;&lt;td&gt;20&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sucres&lt;/td&gt;&lt;td&gt;90&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sel&lt;/td&gt;&lt;td&gt;6&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Calories&lt;/td&gt;&lt;td&gt;2000&amp;nbsp;kcal&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Fonctionnement du calculateur GDA&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Chaque barre montre quelle part du repère journalier une portion du produit apporte ; une barre pleine correspond à 100 % du repère.&lt;/li&gt;
&lt;li&gt;Saisissez en bas la taille de la portion en grammes ou en millilitres (5 caractères au maximum). Sans saisie, Tolvane calcule avec 100&amp;nbsp;g.&lt;/li&gt;
&lt;li&gt;Touchez une barre pour voir la quantité de ce nutriment dans votre portion, par exemple 30&amp;nbsp;g de matières grasses.&lt;/li&gt;
&lt;li&gt;Plus de 100 % est possible : le chiffre indique la part entière, tandis que la barre s'arrête au bord supérieur.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Exemple : 150&amp;nbsp;g d'un produit contenant 20&amp;nbsp;g de matières grasses pour 100&amp;nbsp;g apportent 30&amp;nbsp;g de matières grasses, soit 42 % de 70&amp;nbsp;g.&lt;/p&gt;
&lt;p&gt;Remettez l'appareil à la verticale, ou touchez « Retour » en haut à gauche, pour revoir le feu nutritionnel.&lt;/p&gt;
&lt;p&gt;En savoir plus sur l'étiquetage nutritionnel : &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;OSAV – déclaration nutritionnelle&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%d von %d Produkten geladen</source>
        <translation>%d produits chargés sur %d</translation>
    </message>
    <message>
        <source>Seite %d von %d</source>
        <translation>page %d sur %d</translation>
    </message>
    <message>
        <source>Die Datenbank %@ ist beschädigt und kann nicht gelesen werden. Die Datei bleibt unverändert; Tolvane wird beendet.</source>
        <translation>La base de données %@ est endommagée et ne peut pas être lue. Le fichier reste inchangé ; Tolvane va se fermer.</translation>
    </message>
    <message>
        <source>Neben der Datenbank %@ liegt das Journal eines unterbrochenen Schreibvorgangs, den Tolvane nur in einem beschreibbaren Ordner abschließen kann. Bitte machen Sie den Ordner beschreibbar; die Datei bleibt unverändert. Tolvane wird beendet.</source>
        <translation>À côté de la base de données %@ se trouve le journal d'une écriture interrompue, que Tolvane ne peut achever que dans un dossier accessible en écriture. Veuillez rendre le dossier accessible en écriture ; le fichier reste inchangé. Tolvane va se fermer.</translation>
    </message>
    <message>
        <source>Die Datenbank %@ wird von einem anderen Programm benutzt. Die Datei bleibt unverändert; Tolvane wird beendet. Bitte starten Sie Tolvane später erneut.</source>
        <translation>La base de données %@ est utilisée par un autre programme. Le fichier reste inchangé ; Tolvane va se fermer. Veuillez relancer Tolvane plus tard.</translation>
    </message>
    <message>
        <source>Der Ordner %@ ist schreibgeschützt. Tolvane zeigt Ihre Daten an, kann aber keine Änderungen speichern.</source>
        <translation>Le dossier %@ est en lecture seule. Tolvane affiche vos données mais ne peut enregistrer aucune modification.</translation>
    </message>
    <message>
        <source>Tolvane läuft bereits mit diesem Datenordner. Bitte verwenden Sie das geöffnete Fenster.</source>
        <translation>Tolvane est déjà ouvert avec ce dossier de données. Veuillez utiliser la fenêtre ouverte.</translation>
    </message>
    <message>
        <source>Tolvane kann seine Sperrdatei %@ nicht übernehmen. Bitte löschen Sie diese Datei und starten Sie Tolvane erneut.</source>
        <translation>Tolvane ne peut pas reprendre son fichier de verrou %@. Veuillez supprimer ce fichier et relancer Tolvane.</translation>
    </message>
    <message>
        <source>Die Antwort des Servers konnte nicht gelesen werden. Bitte versuchen Sie es später erneut.</source>
        <translation>La réponse du serveur n'a pas pu être lue. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Der Katalog ist auf dem neuesten Stand.</source>
        <translation>Le catalogue est à jour.</translation>
    </message>
    <message>
        <source>Produkt bearbeiten</source>
        <translation>Modifier le produit</translation>
    </message>
    <message>
        <source>Es wurde kein E-Mail-Programm gefunden. Schreiben Sie uns an:</source>
        <translation>Aucun programme de messagerie n'a été trouvé. Écrivez-nous à :</translation>
    </message>
    <message>
        <source>Adresse kopieren</source>
        <translation>Copier l'adresse</translation>
    </message>
    <message>
        <source>Dieser Ordner ist leer. Fügen Sie Produkte über deren Detailansicht hinzu.</source>
        <translation>Ce dossier est vide. Ajoutez des produits depuis leur fiche détaillée.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder Exists</source>
        <translation>Un dossier portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>Add Folder Anyway</source>
        <translation>Créer quand même</translation>
    </message>
    <message>
        <source>GDA Portion Not A Number</source>
        <translation>Veuillez saisir la portion sous forme de nombre, par exemple 150.</translation>
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
        <translation> </translation>
    </message>
    <message>
        <source>Thousands From Digits</source>
        <translation>4</translation>
    </message>
    <message>
        <source>%@ %</source>
        <translation>%@ %</translation>
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
        <translation>Terme de recherche</translation>
    </message>
    <message>
        <source>Accessible Search Field Description</source>
        <translation>Saisissez un nom de produit, un fabricant ou un code-barres ; Entrée lance la recherche</translation>
    </message>
    <message>
        <source>Accessible Search Button Description</source>
        <translation>Recherche le texte saisi</translation>
    </message>
    <message>
        <source>Accessible Cancel Search</source>
        <translation>Annuler la recherche</translation>
    </message>
    <message>
        <source>Accessible Cancel Search Description</source>
        <translation>Vide le champ de recherche et affiche de nouveau tous les produits</translation>
    </message>
    <message>
        <source>Accessible Scan Description</source>
        <translation>Lit le code-barres d’un produit avec la caméra ou depuis une image</translation>
    </message>
    <message>
        <source>Accessible Product List</source>
        <translation>Liste des produits</translation>
    </message>
    <message>
        <source>Accessible Category List</source>
        <translation>Liste des catégories</translation>
    </message>
    <message>
        <source>Accessible List Description</source>
        <translation>Les flèches choisissent une ligne, Entrée l’ouvre</translation>
    </message>
    <message>
        <source>Accessible Editable List Description</source>
        <translation>Les flèches choisissent une ligne, Entrée l’ouvre ; en modification, Suppr puis Entrée la suppriment, Alt+flèche la déplace</translation>
    </message>
    <message>
        <source>Accessible Refresh</source>
        <translation>Mettre à jour le catalogue</translation>
    </message>
    <message>
        <source>Accessible Refresh Description</source>
        <translation>Télécharge depuis le serveur les produits nouveaux et modifiés</translation>
    </message>
    <message>
        <source>Accessible Back</source>
        <translation>Retour à la page précédente</translation>
    </message>
    <message>
        <source>Accessible Back Description</source>
        <translation>Aussi avec Échap ou Alt+Gauche</translation>
    </message>
    <message>
        <source>Accessible Tab Description</source>
        <translation>Onglet ; les flèches passent à l’onglet suivant</translation>
    </message>
    <message>
        <source>Accessible Favorite Description</source>
        <translation>Choisit les dossiers du menu pour ce produit</translation>
    </message>
    <message>
        <source>Accessible Remove Favorite Description</source>
        <translation>Retire le produit de tous les dossiers</translation>
    </message>
    <message>
        <source>Accessible Turn Description</source>
        <translation>Affiche le calculateur des apports journaliers (aussi Ctrl+Gauche)</translation>
    </message>
    <message>
        <source>Accessible Folder Picker</source>
        <translation>Choix des dossiers</translation>
    </message>
    <message>
        <source>Accessible Folder Picker Description</source>
        <translation>Les flèches choisissent un dossier, Espace le coche ou le décoche</translation>
    </message>
    <message>
        <source>Accessible Done Description</source>
        <translation>Termine la saisie</translation>
    </message>
    <message>
        <source>Accessible Cancel Description</source>
        <translation>Abandonne la saisie</translation>
    </message>
    <message>
        <source>Accessible Portion</source>
        <translation>Taille de la portion</translation>
    </message>
    <message>
        <source>Accessible Portion Description</source>
        <translation>Quantité en grammes ou millilitres ; les barres montrent la part de l’apport journalier</translation>
    </message>
    <message>
        <source>Accessible Info Description</source>
        <translation>Ouvre l’explication</translation>
    </message>
    <message>
        <source>Accessible Turn Back Description</source>
        <translation>Revient à la page du produit (aussi Ctrl+Haut)</translation>
    </message>
    <message>
        <source>Accessible Folder List</source>
        <translation>Liste des dossiers</translation>
    </message>
    <message>
        <source>Accessible Folder Contents</source>
        <translation>Produits du dossier</translation>
    </message>
    <message>
        <source>Accessible New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Accessible New Product</source>
        <translation>Nouveau produit</translation>
    </message>
    <message>
        <source>Accessible Edit Description</source>
        <translation>Active ou désactive la suppression et le déplacement</translation>
    </message>
    <message>
        <source>Accessible Add Description</source>
        <translation>Crée une nouvelle entrée</translation>
    </message>
    <message>
        <source>Accessible About Language</source>
        <translation>À propos de la langue</translation>
    </message>
    <message>
        <source>Accessible About Live Search</source>
        <translation>À propos de la recherche instantanée</translation>
    </message>
    <message>
        <source>Accessible About Metric Units</source>
        <translation>À propos des unités métriques</translation>
    </message>
    <message>
        <source>Accessible About Personal Profile</source>
        <translation>À propos du profil personnel</translation>
    </message>
    <message>
        <source>Accessible About BMI</source>
        <translation>À propos de l'IMC</translation>
    </message>
    <message>
        <source>Accessible About Ideal Weight</source>
        <translation>À propos du poids idéal</translation>
    </message>
    <message>
        <source>Accessible About Activity Level</source>
        <translation>À propos du niveau d'activité</translation>
    </message>
    <message>
        <source>Accessible About Daily Calories</source>
        <translation>À propos des calories par jour</translation>
    </message>
    <message>
        <source>Accessible Switch Description</source>
        <translation>Espace l’active ou le désactive</translation>
    </message>
    <message>
        <source>Accessible Row Description</source>
        <translation>Espace ou Entrée choisit cette ligne</translation>
    </message>
    <message>
        <source>Accessible Mail Description</source>
        <translation>Ouvre un nouveau courriel au support</translation>
    </message>
    <message>
        <source>Accessible Copy Address Description</source>
        <translation>Copie l’adresse dans le presse-papiers</translation>
    </message>
    <message>
        <source>Accessible Help Page</source>
        <translation>Texte d’aide</translation>
    </message>
    <message>
        <source>Accessible Help Page Description</source>
        <translation>Tab passe aux liens, Entrée les ouvre</translation>
    </message>
    <message>
        <source>Accessible Wheel Description</source>
        <translation>Les flèches tournent la roue</translation>
    </message>
    <message>
        <source>Accessible Field Description</source>
        <translation>Champ de saisie ; Tab passe au suivant</translation>
    </message>
    <message>
        <source>Accessible Picker Field Description</source>
        <translation>Espace ouvre le choix</translation>
    </message>
    <message>
        <source>Accessible Dot</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Accessible Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Accessible Input Bar Description</source>
        <translation>Touche de la barre au-dessus du champ</translation>
    </message>
    <message>
        <source>Accessible Delete %@</source>
        <translation>Supprimer %@</translation>
    </message>
    <message>
        <source>Accessible Move Up %@</source>
        <translation>Monter %@</translation>
    </message>
    <message>
        <source>Accessible Move Down %@</source>
        <translation>Descendre %@</translation>
    </message>
    <message>
        <source>Accessible Own Product Description</source>
        <translation>Saisit le produit comme produit personnel</translation>
    </message>
    <message>
        <source>Accessible Choose Picture Description</source>
        <translation>Ouvre une image avec un code-barres</translation>
    </message>
    <message>
        <source>Accessible Save Description</source>
        <translation>Enregistre le produit</translation>
    </message>
    <message>
        <source>Accessible Gender</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Accessible Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Accessible Height</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Accessible Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Accessible Slider Description</source>
        <translation>Les flèches changent la valeur</translation>
    </message>
    <message>
        <source>Accessible Nutrition Table</source>
        <translation>Tableau nutritionnel</translation>
    </message>
    <message>
        <source>Accessible Light Green</source>
        <translation>feu vert</translation>
    </message>
    <message>
        <source>Accessible Light Yellow</source>
        <translation>feu orange</translation>
    </message>
    <message>
        <source>Accessible Light Red</source>
        <translation>feu rouge</translation>
    </message>
    <message>
        <source>Accessible Light None</source>
        <translation>pas de données</translation>
    </message>
    <message>
        <source>Remove Favourite Question</source>
        <translation>Ce produit est dans %d de vos dossiers, avec %@ kcal prévues. Le retirer de tous ?</translation>
    </message>
    <message>
        <source>Delete Filed Own Product Question</source>
        <translation>Ce produit est dans %d de vos dossiers, avec %@ kcal prévues. Le supprimer et le retirer de tous ?</translation>
    </message>
    <message>
        <source>Product Gone Message</source>
        <translation>Ce produit n'existe plus : il a été supprimé. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>Accessible Hits</source>
        <translation>%d résultats</translation>
    </message>
    <message>
        <source>Accessible Below Average</source>
        <translation>en dessous de la moyenne de la catégorie</translation>
    </message>
    <message>
        <source>Accessible Scroll Bar</source>
        <translation>Barre de défilement</translation>
    </message>
    <message>
        <source>Accessible GDA Bars</source>
        <translation>Part des apports journaliers</translation>
    </message>
    <message>
        <source>Accessible Portion Clear</source>
        <translation>Vider la portion</translation>
    </message>
    <message>
        <source>Accessible Slider Name</source>
        <translation>%@ (curseur)</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Frühstück</source>
        <translation>Petit-déjeuner</translation>
    </message>
    <message>
        <source>Mittagessen</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>Abendessen</source>
        <translation>Dîner</translation>
    </message>
    <message>
        <source>Gegessen</source>
        <translation>Ajouter au journal</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Aujourd'hui</translation>
    </message>
    <message>
        <source>Diary Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Diary Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Diary Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Diary Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Diary Meal</source>
        <translation>Repas</translation>
    </message>
    <message>
        <source>Diary Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Diary Chart</source>
        <translation>Énergie par jour</translation>
    </message>
    <message>
        <source>Diary Target</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Diary Day Totals</source>
        <translation>La journée face à vos besoins</translation>
    </message>
    <message>
        <source>Diary %@ of %@</source>
        <translation>%@ sur %@</translation>
    </message>
    <message>
        <source>Diary %@ kcal left</source>
        <translation>Il reste %@ kcal pour la journée</translation>
    </message>
    <message>
        <source>Diary %@ kcal over</source>
        <translation>%@ kcal au-dessus du besoin du jour</translation>
    </message>
    <message>
        <source>Diary Fixed References</source>
        <translation>Sans calories journalières dans votre profil personnel, les repères pour 2 000 kcal s’appliquent.</translation>
    </message>
    <message>
        <source>Diary Read Failed</source>
        <translation>Le journal ne peut pas être lu pour le moment. Rien n’est perdu ; veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Diary Write Failed</source>
        <translation>L’entrée n’a pas pu être enregistrée ; le journal est inchangé.</translation>
    </message>
    <message>
        <source>Diary Amount Refused</source>
        <translation>Veuillez saisir une quantité supérieure à 0.</translation>
    </message>
    <message>
        <source>Diary Delete Question</source>
        <translation>Supprimer cette entrée du journal ?</translation>
    </message>
    <message>
        <source>Diary Quick %@</source>
        <translation>%@</translation>
    </message>
    <message>
        <source>Diary Pack %@</source>
        <translation>Paquet %@</translation>
    </message>
    <message>
        <source>Diary Last %@</source>
        <translation>Dernière %@</translation>
    </message>
    <message>
        <source>Diary Folder Logged %@</source>
        <translation>%@ produits ont été ajoutés au journal du jour.</translation>
    </message>
    <message>
        <source>Eat Folder Today</source>
        <translation>Mangé aujourd'hui</translation>
    </message>
    <message>
        <source>Diary Locale</source>
        <translation>fr_FR</translation>
    </message>
    <message>
        <source>Accessible Diary Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Accessible Diary Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Description</source>
        <translation>Affiche le jour précédent</translation>
    </message>
    <message>
        <source>Accessible Diary Next Description</source>
        <translation>Affiche le jour suivant</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Span Description</source>
        <translation>Affiche la période précédente</translation>
    </message>
    <message>
        <source>Accessible Diary Next Span Description</source>
        <translation>Affiche la période suivante</translation>
    </message>
    <message>
        <source>Accessible Diary Date Description</source>
        <translation>Choisir une date</translation>
    </message>
    <message>
        <source>Accessible Diary Today Description</source>
        <translation>Affiche aujourd'hui</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Description</source>
        <translation>Ouvre l’énergie par jour en graphique ; un jour l’ouvre</translation>
    </message>
    <message>
        <source>Accessible Diary Entry Description</source>
        <translation>Ouvre l’entrée pour la modifier, la déplacer ou la supprimer</translation>
    </message>
    <message>
        <source>Accessible Diary Amount</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Accessible Diary Amount Description</source>
        <translation>La quantité mangée</translation>
    </message>
    <message>
        <source>Accessible Diary Quick Description</source>
        <translation>Choisit cette quantité</translation>
    </message>
    <message>
        <source>Accessible Diary Time Description</source>
        <translation>L’heure du repas</translation>
    </message>
    <message>
        <source>Accessible Diary Meal Description</source>
        <translation>Le repas de l’entrée</translation>
    </message>
    <message>
        <source>Accessible Diary Save Description</source>
        <translation>Enregistre l’entrée dans le journal</translation>
    </message>
    <message>
        <source>Accessible Diary Delete Description</source>
        <translation>Supprime l’entrée après confirmation</translation>
    </message>
    <message>
        <source>Accessible Eaten Description</source>
        <translation>Ajoute ce produit au journal</translation>
    </message>
    <message>
        <source>Accessible Eat Folder Description</source>
        <translation>Ajoute chaque produit du dossier avec sa quantité au journal du jour</translation>
    </message>
    <message>
        <source>Datensicherung</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>    Datensicherung</source>
        <translation>    Sauvegarde</translation>
    </message>
    <message>
        <source>Backup Export</source>
        <translation>Tout exporter</translation>
    </message>
    <message>
        <source>Backup Import</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Backup File Filter</source>
        <translation>Sauvegarde Tolvane</translation>
    </message>
    <message>
        <source>Backup Import Question</source>
        <translation>La sauvegarde est fusionnée avec vos données : les entrées du journal, les produits personnels et les dossiers de menus sont ajoutés s’ils manquent. Votre profil personnel et vos réglages sont remplacés par ceux de la sauvegarde. Continuer ?</translation>
    </message>
    <message>
        <source>Backup Import Confirm</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Backup Exported</source>
        <translation>La sauvegarde a été écrite.</translation>
    </message>
    <message>
        <source>Backup Export Failed</source>
        <translation>La sauvegarde n’a pas pu être écrite. Veuillez choisir un autre emplacement.</translation>
    </message>
    <message>
        <source>Backup Imported</source>
        <translation>La sauvegarde a été importée.</translation>
    </message>
    <message>
        <source>Backup Import Failed</source>
        <translation>La sauvegarde n’a pas pu être reprise ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Backup Refused Damaged</source>
        <translation>Le fichier est endommagé ou incomplet. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Backup Refused Foreign</source>
        <translation>Le fichier n’est pas une sauvegarde Tolvane. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Backup Refused Newer</source>
        <translation>La sauvegarde provient d’une version plus récente de Tolvane. Veuillez mettre Tolvane à jour. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Accessible Diary Row Description</source>
        <translation>Ouvre le journal à aujourd'hui</translation>
    </message>
    <message>
        <source>Diary Snacks</source>
        <translation>En-cas</translation>
    </message>
    <message>
        <source>Accessible Own Product List</source>
        <translation>Liste de vos produits</translation>
    </message>
    <message>
        <source>Discard Typed Product Question</source>
        <translation>Vos saisies pour ce produit ne sont pas encore enregistrées. Les abandonner ?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Continuer la saisie</translation>
    </message>
    <message>
        <source>Accessible Added To %@</source>
        <translation>Ajouté à « %@ »</translation>
    </message>
    <message>
        <source>Diary Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Diary Chart Nutrient</source>
        <translation>Nutriment</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Nutrient Description</source>
        <translation>Choisit le nutriment que le second graphique montre par jour</translation>
    </message>
    <message>
        <source>Diary Folder Logged One</source>
        <translation>1 produit a été ajouté au journal du jour.</translation>
    </message>
</context>
</TS>
