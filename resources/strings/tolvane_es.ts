<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="de_DE">
<context>
    <name>Tolvane</name>
    <message>
        <source>Suche</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Menu List</source>
        <translation>Menús</translation>
    </message>
    <message>
        <source>Kategorien</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to create writable database</source>
        <translation>No se pudo crear la base de datos.</translation>
    </message>
    <message>
        <source>Failed to create writable database file with message '%@'.</source>
        <translation>No se pudo crear el archivo de la base de datos: %@</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Valorar Tolvane</translation>
    </message>
    <message>
        <source>If you like MyApp, please take the time, etc</source>
        <translation>Si le gusta Tolvane, ¿podría dedicar un momento a valorarla? ¡Gracias por su apoyo!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>No, gracias</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Valorar ahora</translation>
    </message>
    <message>
        <source>    Optionen</source>
        <translation>    Opciones</translation>
    </message>
    <message>
        <source>    Nützliche Hinweise</source>
        <translation>    Consejos útiles</translation>
    </message>
    <message>
        <source>Lokalisierung</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Live-Suche</source>
        <translation>Búsqueda instantánea</translation>
    </message>
    <message>
        <source>Metrische Einheiten</source>
        <translation>Unidades métricas</translation>
    </message>
    <message>
        <source>Eigene Produkte verwalten</source>
        <translation>Gestionar mis productos</translation>
    </message>
    <message>
        <source>Persönliches Profil</source>
        <translation>Perfil personal</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Girar</translation>
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
        <translation>Sobre el semáforo</translation>
    </message>
    <message>
        <source>Benutzungstips</source>
        <translation>Consejos de uso</translation>
    </message>
    <message>
        <source>Infotext Profil Titel</source>
        <translation>Sobre el perfil personal</translation>
    </message>
    <message>
        <source>BMI Infotext Titel</source>
        <translation>Índice de masa corporal (IMC)</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Sie haben Fragen, Verbesserungsvorschläge oder auch Lob? Wir freuen uns über Ihre Nachricht!</source>
        <translation>¿Tiene preguntas, sugerencias o algún elogio? ¡Nos encantará recibir su mensaje!</translation>
    </message>
    <message>
        <source>E-mail senden</source>
        <translation>Enviar correo</translation>
    </message>
    <message>
        <source>Email Subject</source>
        <translation>Tolvane: pregunta o sugerencia</translation>
    </message>
    <message>
        <source>Missing Brand</source>
        <translation>Hola:

Mi pregunta o sugerencia sobre Tolvane:


Si falta un producto:
Nombre del producto:
Fabricante:
Categoría:
Valores nutricionales por 100 g o 100 ml:

Un saludo
</translation>
    </message>
    <message>
        <source>Setup-Info</source>
        <translation>Consejos de ajustes</translation>
    </message>
    <message>
        <source>Hilfe zur Setupnutzung</source>
        <translation>Aquí elige el idioma, activa o desactiva la búsqueda instantánea y las unidades métricas, gestiona sus propios productos y su perfil personal. Los botones de información explican cada ajuste.</translation>
    </message>
    <message>
        <source>Localization Screen Text 1</source>
        <translation>Idioma de la app: se aplica en el próximo inicio</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
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
        <translation>Buscar productos</translation>
    </message>
    <message>
        <source>Produkt eingeben</source>
        <translation>Producto o fabricante</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst die aktuellen Daten herunter.</source>
        <translation>Todavía no hay datos de productos en el dispositivo. Descargue primero los datos actuales.</translation>
    </message>
    <message>
        <source>Keine Treffer</source>
        <translation>Sin resultados</translation>
    </message>
    <message>
        <source>Keine Produkte oder Hersteller entsprechen Ihrer Eingabe</source>
        <translation>Ningún producto ni fabricante coincide con su búsqueda.</translation>
    </message>
    <message>
        <source>this barcode's check digit is wrong</source>
        <translation>El dígito de control de este código de barras no es correcto.</translation>
    </message>
    <message>
        <source>Scan a barcode</source>
        <translation>Escanear código de barras</translation>
    </message>
    <message>
        <source>Aim at the barcode</source>
        <translation>Sitúe el código de barras dentro del marco</translation>
    </message>
    <message>
        <source>not in the catalogue</source>
        <translation>no está en el catálogo</translation>
    </message>
    <message>
        <source>Enter as own product</source>
        <translation>Registrar como producto propio</translation>
    </message>
    <message>
        <source>Strichcode</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <source>A barcode has 8, 12, 13 or 14 digits, a shop's own code 3 to 11.</source>
        <translation>Un código de barras tiene 8, 12, 13 o 14 dígitos; un código propio de la tienda, de 3 a 11.</translation>
    </message>
    <message>
        <source>The catalogue could not be read just now; the list may not be up to date.</source>
        <translation>No se ha podido leer el catálogo en este momento; puede que la lista no esté actualizada.</translation>
    </message>
    <message>
        <source>This product cannot be opened</source>
        <translation>No se puede abrir este producto</translation>
    </message>
    <message>
        <source>The catalogue cannot be read just now</source>
        <translation>No se puede leer el catálogo en este momento</translation>
    </message>
    <message>
        <source>No barcode found in this picture</source>
        <translation>No se encontró ningún código de barras en esta imagen.</translation>
    </message>
    <message>
        <source>Bild wird gelesen …</source>
        <translation>Leyendo la imagen …</translation>
    </message>
    <message>
        <source>Dieses Bild lässt sich nicht lesen</source>
        <translation>No se puede leer esta imagen.</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Sync-Benachrichtigung</source>
        <translation>Actualizar el catálogo</translation>
    </message>
    <message>
        <source>Bitte synchronisieren Sie Ihr App</source>
        <translation>Actualice el catálogo de productos para ver los productos y valores nutricionales más recientes.</translation>
    </message>
    <message>
        <source>Hinweis löschen</source>
        <translation>No volver a mostrar</translation>
    </message>
    <message>
        <source>Sync starten</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Startmenü Später erinnern</source>
        <translation>Recordar en el próximo inicio</translation>
    </message>
    <message>
        <source>Der Produktserver antwortet nicht. Bitte versuchen Sie es später erneut.</source>
        <translation>El servidor de productos no responde. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Keine Datenverbindung verfügbar</source>
        <translation>No hay conexión de datos. Compruebe su conexión a Internet.</translation>
    </message>
    <message>
        <source>Verbindung wurde erfolgreich hergestellt und neue Einträge sind heruntergeladen.</source>
        <translation>Conexión establecida: se han descargado las entradas nuevas.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Tolvane kann seine Datenbank nicht anlegen. Bitte geben Sie Speicherplatz frei und starten Sie Tolvane erneut.</source>
        <translation>No hay suficiente espacio libre: Tolvane no puede crear su base de datos. Libere espacio de almacenamiento y vuelva a iniciar Tolvane.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Der Download wurde angehalten. Bitte geben Sie Speicherplatz frei und synchronisieren Sie erneut.</source>
        <translation>No hay suficiente espacio libre: la descarga se ha detenido. Libere espacio de almacenamiento y vuelva a sincronizar.</translation>
    </message>
    <message>
        <source>Die Datenbank ist schreibgeschützt: Der Download wurde angehalten. Tolvane kann Neues erst speichern, wenn Datei und Ordner beschreibbar sind.</source>
        <translation>La base de datos está protegida contra escritura: la descarga se ha detenido. Tolvane solo podrá guardar datos nuevos cuando el archivo y su carpeta admitan escritura.</translation>
    </message>
    <message>
        <source>Die Datenverbindung wurde unterbrochen und der Download angehalten. Bitte synchronisieren Sie erneut für alle Produkte</source>
        <translation>Se interrumpió la conexión y la descarga se detuvo. Vuelva a actualizar para obtener todos los productos.</translation>
    </message>
    <message>
        <source>Ampel-Info</source>
        <translation>Semáforo nutricional</translation>
    </message>
    <message>
        <source>Alle Angaben in g, bezogen auf 100</source>
        <translation>Todos los valores por 100</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Grasas</translation>
    </message>
    <message>
        <source>gesättigte Fette</source>
        <translation>Grasas saturadas</translation>
    </message>
    <message>
        <source>Zucker</source>
        <translation>Azúcares</translation>
    </message>
    <message>
        <source>Salz</source>
        <translation>Sal</translation>
    </message>
    <message>
        <source>Kalorien (kcal)</source>
        <translation>Calorías (kcal)</translation>
    </message>
    <message>
        <source>Kalorien</source>
        <translation>Calorías</translation>
    </message>
    <message>
        <source>Eine Verkaufsportion hat </source>
        <translation>Tamaño del envase: </translation>
    </message>
    <message>
        <source>Keine Angaben zur Verkaufsmenge</source>
        <translation>Sin datos sobre el tamaño del envase</translation>
    </message>
    <message>
        <source>Für weitere Details bitte Gerät drehen</source>
        <translation>Gire el dispositivo para ver más detalles</translation>
    </message>
    <message>
        <source>Nährwerte pro %@</source>
        <translation>Información nutricional por %@</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>davon gesättigte Fettsäuren</source>
        <translation>de las cuales saturadas</translation>
    </message>
    <message>
        <source>davon einfach ungesättigte Fettsäuren</source>
        <translation>de las cuales monoinsaturadas</translation>
    </message>
    <message>
        <source>davon mehrfach ungesättigte Fettsäuren</source>
        <translation>de las cuales poliinsaturadas</translation>
    </message>
    <message>
        <source>davon Transfettsäuren</source>
        <translation>de las cuales grasas trans</translation>
    </message>
    <message>
        <source>Kohlenhydrate</source>
        <translation>Hidratos de carbono</translation>
    </message>
    <message>
        <source>davon Zucker</source>
        <translation>de los cuales azúcares</translation>
    </message>
    <message>
        <source>davon Stärke</source>
        <translation>de los cuales almidón</translation>
    </message>
    <message>
        <source>davon mehrwertige Alkohole</source>
        <translation>de los cuales polialcoholes</translation>
    </message>
    <message>
        <source>Ballaststoffe</source>
        <translation>Fibra alimentaria</translation>
    </message>
    <message>
        <source>Eiweiß</source>
        <translation>Proteínas</translation>
    </message>
    <message>
        <source>Cholesterin</source>
        <translation>Colesterol</translation>
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
        <translation>Mejores opciones: %@</translation>
    </message>
    <message>
        <source>Packung (%@)</source>
        <translation>Paquete (%@)</translation>
    </message>
    <message>
        <source>Zu Favoriten hinzufügen</source>
        <translation>Añadir a favoritos</translation>
    </message>
    <message>
        <source>Aus Favoriten entfernen</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Wollen Sie dieses Produkt aus Ihren Favoriten löschen?</source>
        <translation>¿Desea quitar este producto de sus favoritos?</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>GDA-Info</source>
        <translation>Calculadora GDA</translation>
    </message>
    <message>
        <source>Hilfe zur GDA-Nutzung</source>
        <translation>Las barras muestran qué parte de las cantidades diarias orientativas (GDA) aporta una porción. Escriba abajo el tamaño de la porción y toque una barra para ver la cantidad. Vuelva a girar el dispositivo, o toque «Atrás», para regresar al semáforo.</translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist zu groß. Bitte überprüfen Sie Ihre Eingabe.</source>
        <translation>El valor introducido es demasiado grande. Compruebe lo que ha escrito.</translation>
    </message>
    <message>
        <source>Tageskalorien- &amp; Nährwertbedarf</source>
        <translation>Necesidades diarias de calorías y nutrientes</translation>
    </message>
    <message>
        <source>Folder GDA Fixed References</source>
        <translation>Sin calorías diarias en su perfil personal se aplican los valores de referencia generales (2000 kcal).</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Produktname</source>
        <translation>Nombre del producto</translation>
    </message>
    <message>
        <source>Herstellername</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Lebensmittel</source>
        <translation>Alimento</translation>
    </message>
    <message>
        <source>Getränk</source>
        <translation>Bebida</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <source>Natrium</source>
        <translation>Sodio</translation>
    </message>
    <message>
        <source>Produktmenge</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Werte für jeweils 100 g/ml</source>
        <translation>Valores por 100 g/ml</translation>
    </message>
    <message>
        <source>Gewicht oder Menge der Verkaufsportion:</source>
        <translation>Peso o volumen del envase:</translation>
    </message>
    <message>
        <source>Neues Produkt hinzufügen</source>
        <translation>Nuevo producto</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Sie haben noch nicht alle benötigten Textfelder ausgefüllt. Bitte ergänzen Sie Produktnamen, Hersteller oder wählen noch eine Kategorie</source>
        <translation>Aún faltan campos obligatorios. Introduzca el nombre del producto y el fabricante y elija una categoría.</translation>
    </message>
    <message>
        <source>Sie haben zu viele Nachkommastellen angegeben. Bitte geben Sie maximal eine, bei Salz maximal zwei an.</source>
        <translation>Demasiados decimales. Introduzca como máximo uno, o dos para la sal.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gespeichert werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>No se ha podido guardar el producto. Por favor, inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Die Änderungen konnten nicht gespeichert werden. Das Produkt bleibt unverändert.</source>
        <translation>No se han podido guardar los cambios. El producto no se ha modificado.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gelöscht werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>No se ha podido eliminar el producto. Por favor, inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Eigene Produkte</source>
        <translation>Mis productos</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Sie können hier Ihre eigenen Produkte und deren Werte einfügen. Bitte drücken Sie den Bearbeiten-Knopf und dann Plus (+). Produkte können jederzeit nachträglich angepasst oder gelöscht werden.</source>
        <translation>Aquí puede añadir sus propios productos y sus valores. Pulse el botón Editar y luego el signo más (+). Los productos se pueden modificar o eliminar en cualquier momento.</translation>
    </message>
    <message>
        <source>Personal Profile</source>
        <translation>Perfil personal</translation>
    </message>
    <message>
        <source>Instructions Personal Profile</source>
        <translation>Indique arriba su sexo, edad, estatura y peso y elija su nivel de actividad. Con ello Tolvane calcula su IMC, su peso ideal y sus necesidades diarias de calorías, que también puede introducir usted mismo.</translation>
    </message>
    <message>
        <source>M</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>BMI</source>
        <translation>IMC</translation>
    </message>
    <message>
        <source>Ideal Body Weight</source>
        <translation>Peso ideal</translation>
    </message>
    <message>
        <source>Activity Level</source>
        <translation>Nivel de actividad</translation>
    </message>
    <message>
        <source>Daily Calories(kcal)</source>
        <translation>Calorías diarias (kcal)</translation>
    </message>
    <message>
        <source>sitzend oder liegend</source>
        <translation>Sentado o tumbado</translation>
    </message>
    <message>
        <source>ausschließlich sitzend</source>
        <translation>Solo sentado</translation>
    </message>
    <message>
        <source>überwiegend sitzend</source>
        <translation>Mayormente sentado</translation>
    </message>
    <message>
        <source>überwiegend stehend</source>
        <translation>Mayormente de pie</translation>
    </message>
    <message>
        <source>körperlich anstrengend</source>
        <translation>Físicamente exigente</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount</source>
        <translation>Introduzca un número válido.</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount Nil</source>
        <translation>Introduzca un valor.</translation>
    </message>
    <message>
        <source>Error Message Consumption Zero</source>
        <translation>Un valor de 0 no se aplica: las cifras quedan como estaban.</translation>
    </message>
    <message>
        <source>Thank you for your input</source>
        <translation>Gracias, se ha guardado su cifra de calorías diarias.</translation>
    </message>
    <message>
        <source>Ihr Profil konnte nicht gelesen werden. Bitte versuchen Sie es später noch einmal.</source>
        <translation>No se ha podido leer su perfil. Por favor, inténtelo más tarde.</translation>
    </message>
    <message>
        <source>Pop-Up Personal Profile</source>
        <translation>Introduzca unas calorías diarias entre 1 y 9999 kcal, con tres decimales como máximo.</translation>
    </message>
    <message>
        <source>Speiseplan-Info</source>
        <translation>Consejos sobre los menús</translation>
    </message>
    <message>
        <source>Hilfe zur Speiseplannutzung</source>
        <translation>Cree carpetas para sus comidas y llénelas desde la ficha de un producto con «Añadir a favoritos». Toque una carpeta para comparar sus nutrientes con sus necesidades diarias. Con «Editar» puede añadir, ordenar o eliminar carpetas y abrir su contenido para cambiar las cantidades.</translation>
    </message>
    <message>
        <source>Später erinnern</source>
        <translation>Recordar más tarde</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Create new folder</source>
        <translation>Crear una carpeta nueva</translation>
    </message>
    <message>
        <source>Folder Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder</source>
        <translation>El nombre de la carpeta puede tener como máximo 30 caracteres.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder2</source>
        <translation>El nombre de la carpeta no puede contener «|», caracteres de control ni símbolos como emojis.</translation>
    </message>
    <message>
        <source>Der Ordner konnte nicht angelegt werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>No se ha podido crear la carpeta. Por favor, inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Menu List Item 1</source>
        <translation>Tentempiés</translation>
    </message>
    <message>
        <source>Menu List Item 2</source>
        <translation>Desayuno</translation>
    </message>
    <message>
        <source>Menu List Item 3</source>
        <translation>Almuerzo</translation>
    </message>
    <message>
        <source>Menu List Item 4</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Edit Consumption Title</source>
        <translation>Cantidad consumida</translation>
    </message>
    <message>
        <source>Please Enter Consumption</source>
        <translation>Indique cuánto ha comido o bebido; todos los valores se ajustan a la vez.</translation>
    </message>
    <message>
        <source>Consumption Amount in g/ml</source>
        <translation>Cantidad en g/ml</translation>
    </message>
    <message>
        <source>Consumption Amount Fat</source>
        <translation>Grasas en g</translation>
    </message>
    <message>
        <source>Consumption Amount Saturates</source>
        <translation>Grasas saturadas en g</translation>
    </message>
    <message>
        <source>Consumption Amount Sugar</source>
        <translation>Azúcares en g</translation>
    </message>
    <message>
        <source>Consumption Amount Salt</source>
        <translation>Sal en g</translation>
    </message>
    <message>
        <source>Consumption Amount Calories</source>
        <translation>Calorías en kcal</translation>
    </message>
    <message>
        <source>Consumption Zero Hint</source>
        <translation>0 – no se puede cambiar</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Eliminar</translation>
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
        <translation>Bebidas</translation>
    </message>
    <message>
        <source>Milchprodukte</source>
        <translation>Lácteos</translation>
    </message>
    <message>
        <source>Käse</source>
        <translation>Quesos</translation>
    </message>
    <message>
        <source>Süßwaren</source>
        <translation>Dulces</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Aperitivos</translation>
    </message>
    <message>
        <source>Backwaren</source>
        <translation>Panadería y bollería</translation>
    </message>
    <message>
        <source>Frühstück &amp; Cerealien</source>
        <translation>Desayuno y cereales</translation>
    </message>
    <message>
        <source>Fertiggerichte</source>
        <translation>Platos preparados</translation>
    </message>
    <message>
        <source>Fast Food</source>
        <translation>Comida rápida</translation>
    </message>
    <message>
        <source>Fleisch &amp; Wurst</source>
        <translation>Carne y embutidos</translation>
    </message>
    <message>
        <source>Fisch</source>
        <translation>Pescado</translation>
    </message>
    <message>
        <source>Obst &amp; Gemüse</source>
        <translation>Frutas y verduras</translation>
    </message>
    <message>
        <source>Teigwaren &amp; Reis</source>
        <translation>Pasta y arroz</translation>
    </message>
    <message>
        <source>Saucen &amp; Gewürze</source>
        <translation>Salsas y condimentos</translation>
    </message>
    <message>
        <source>Brotaufstriche</source>
        <translation>Cremas para untar</translation>
    </message>
    <message>
        <source>Öle &amp; Fette</source>
        <translation>Aceites y grasas</translation>
    </message>
    <message>
        <source>Kaffee &amp; Tee</source>
        <translation>Café y té</translation>
    </message>
    <message>
        <source>Babynahrung</source>
        <translation>Alimentación infantil</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>AmpelInfosText</source>
        <translation>&lt;h2&gt;El semáforo nutricional&lt;/h2&gt;
&lt;p&gt;Para cada producto, Tolvane valora las &lt;b&gt;grasas&lt;/b&gt;, las &lt;b&gt;grasas saturadas&lt;/b&gt;, los &lt;b&gt;azúcares&lt;/b&gt; y la &lt;b&gt;sal&lt;/b&gt; con un color de semáforo. Lo que cuenta es el contenido por 100&amp;nbsp;g en los alimentos sólidos y por 100&amp;nbsp;ml en las bebidas.&lt;/p&gt;
&lt;table cellpadding="3" cellspacing="0"&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_green.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Verde&lt;/b&gt;: contenido bajo, una buena elección.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_yellow.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Amarillo&lt;/b&gt;: contenido medio, adecuado en general.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_red.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Rojo&lt;/b&gt;: contenido alto, mejor de vez en cuando y en pequeñas cantidades.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Límites por 100&amp;nbsp;g (alimentos sólidos)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutriente&lt;/th&gt;&lt;th&gt;Verde&lt;/th&gt;&lt;th&gt;Amarillo&lt;/th&gt;&lt;th&gt;Rojo&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grasas&lt;/td&gt;&lt;td&gt;hasta 3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 3 hasta 20&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 20&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grasas saturadas&lt;/td&gt;&lt;td&gt;hasta 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 1,5 hasta 5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Azúcares&lt;/td&gt;&lt;td&gt;hasta 5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 5 hasta 12,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 12,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sal&lt;/td&gt;&lt;td&gt;hasta 0,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 0,3 hasta 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 1,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Límites por 100&amp;nbsp;ml (bebidas)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutriente&lt;/th&gt;&lt;th&gt;Verde&lt;/th&gt;&lt;th&gt;Amarillo&lt;/th&gt;&lt;th&gt;Rojo&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grasas&lt;/td&gt;&lt;td&gt;hasta 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 1,5 hasta 10&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 10&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grasas saturadas&lt;/td&gt;&lt;td&gt;hasta 0,75&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 0,75 hasta 2,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 2,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Azúcares&lt;/td&gt;&lt;td&gt;hasta 2,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 2,5 hasta 6,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 6,3&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sal&lt;/td&gt;&lt;td&gt;hasta 0,3&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 0,3 hasta 1,5&amp;nbsp;g&lt;/td&gt;&lt;td&gt;más de 1,5&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Un valor que coincide exactamente con un límite recibe el color más favorable: 3&amp;nbsp;g de grasas por 100&amp;nbsp;g siguen siendo verde.&lt;/p&gt;
&lt;h3&gt;Mejor que la media&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_green_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_yellow_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_red_top.svg" width="28" height="28"&gt;&lt;br&gt;
El semáforo destacado aparece cuando el producto contiene menos de este nutriente que la media de todos los productos de su categoría. Así ve de un vistazo si un producto está entre los mejores de su grupo, aunque sea rojo.&lt;/p&gt;
&lt;h3&gt;Calorías&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_grey.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_grey_top.svg" width="28" height="28"&gt;&lt;br&gt;
La energía no se valora con colores y aparece siempre en gris; destacada cuando está por debajo de la media de la categoría.&lt;/p&gt;
&lt;h3&gt;Sin datos&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_neutral_es.svg" width="28" height="28"&gt; Si el envase no indica un valor, Tolvane muestra esta imagen neutra y ninguna cifra.&lt;/p&gt;
&lt;p&gt;Más información sobre el etiquetado nutricional en Suiza: &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;Oficina Federal de Seguridad Alimentaria y Veterinaria (OSAV)&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;¿Ha encontrado un valor incorrecto? Escríbanos: &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BenutzungstipsText</source>
        <translation>&lt;h2&gt;Cómo usar Tolvane&lt;/h2&gt;
&lt;h3&gt;Buscar&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;La lista muestra todos los productos por orden alfabético. Toque una letra del índice de la derecha para ir directamente a ella; los productos que empiezan por una cifra o un signo aparecen en &lt;b&gt;#&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Escriba arriba parte del nombre del producto o del fabricante. Con la búsqueda instantánea activada, los resultados aparecen mientras escribe; si no, pulse Intro o la lupa junto al campo. La cruz ✕ junto al campo vuelve a mostrar la lista completa. El botón de código de barras de al lado lee el código de un envase con la cámara o desde una imagen.&lt;/li&gt;
&lt;li&gt;Toque un producto para ver su semáforo nutricional. Gire el dispositivo en horizontal, o toque «Girar» junto a la indicación, para ver en la calculadora GDA qué parte de sus necesidades diarias cubre una porción.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Actualizar el catálogo&lt;/h3&gt;
&lt;p&gt;El botón de la flecha circular, arriba en la búsqueda, descarga del servidor los productos nuevos y modificados. Si se corta la conexión, la siguiente actualización continúa donde se detuvo. Sus favoritos se conservan.&lt;/p&gt;
&lt;h3&gt;Categorías&lt;/h3&gt;
&lt;p&gt;Aquí encontrará los productos ordenados por grupos, como bebidas o panadería. La búsqueda dentro de una categoría solo encuentra productos de esa categoría.&lt;/p&gt;
&lt;h3&gt;Menús&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;En la ficha de un producto, «Añadir a favoritos» lo coloca en una o varias carpetas, por ejemplo Desayuno o Almuerzo. Se anota con 100&amp;nbsp;g o 100&amp;nbsp;ml.&lt;/li&gt;
&lt;li&gt;Toque una carpeta para comparar sus nutrientes con sus necesidades diarias personales.&lt;/li&gt;
&lt;li&gt;Con «Editar» crea, ordena o elimina carpetas; al tocar una carpeta verá entonces sus productos, y al tocar un producto podrá cambiar la cantidad consumida.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Ajustes&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Idioma&lt;/b&gt;, &lt;b&gt;Búsqueda instantánea&lt;/b&gt; y &lt;b&gt;Unidades métricas&lt;/b&gt;: los botones de información explican cada ajuste.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Gestionar mis productos&lt;/b&gt;: si falta un producto, añádalo usted mismo con «Editar» y «+». Aparece enseguida en la búsqueda, las categorías y los menús, y se nos envía en el próximo inicio para que podamos completar el catálogo.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Perfil personal&lt;/b&gt;: el sexo, la edad, la estatura, el peso y la actividad determinan sus necesidades diarias.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Contacto&lt;/h3&gt;
&lt;p&gt;Datos de productos y ampliaciones del catálogo: &lt;a href="update@tolvane.ch."&gt;update@tolvane.ch&lt;/a&gt;&lt;br&gt;
Preguntas y sugerencias sobre la app: &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LocalizationInfoText</source>
        <translation>&lt;h2&gt;Idioma&lt;/h2&gt;
&lt;p&gt;Tolvane está disponible en alemán, inglés, español, francés, italiano y ruso.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Automático&lt;/b&gt;: Tolvane usa el idioma de su dispositivo. Si no es ninguno de los seis idiomas, Tolvane aparece en inglés.&lt;/li&gt;
&lt;li&gt;Elija un idioma de la lista si desea que Tolvane aparezca siempre en ese idioma, sea cual sea la configuración del dispositivo.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;El nuevo idioma se aplica a partir del &lt;b&gt;próximo inicio&lt;/b&gt; de la app.&lt;/p&gt;
&lt;p&gt;Los nombres de los productos y de los fabricantes aparecen en el catálogo tal como figuran en el envase y no se traducen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LiveSearchInfoText</source>
        <translation>&lt;h2&gt;Búsqueda instantánea&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Activada&lt;/b&gt;: la lista de resultados se forma mientras escribe y se afina con cada letra.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Desactivada&lt;/b&gt;: Tolvane solo busca cuando pulsa Intro o la lupa junto al campo de búsqueda. Si no hay resultados, su texto se queda en el campo. Resulta más cómodo en dispositivos antiguos y con catálogos muy grandes.&lt;/p&gt;
&lt;h3&gt;Consejos de búsqueda&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Tolvane busca en los nombres de productos y de fabricantes cualquier parte de una palabra: «leche» también encuentra «Leche semidesnatada».&lt;/li&gt;
&lt;li&gt;Las mayúsculas, las minúsculas y los acentos no importan, en ninguna escritura: «pina» encuentra «Piña», «молоко» encuentra «Молоко»; ß cuenta como ss, ø como o, œ como oe, ё como е. El número de un código de barras (8, 12, 13 o 14 cifras) encuentra su producto y lo muestra primero. % vale por cualquier serie de caracteres, _ por uno solo.&lt;/li&gt;
&lt;li&gt;La cruz ✕ junto al campo de búsqueda lo vacía y vuelve a mostrar la lista completa.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>MetrisheInfoText</source>
        <translation>&lt;h2&gt;Unidades métricas&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Activadas&lt;/b&gt;: Tolvane trabaja con gramos, centímetros y kilogramos.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Desactivadas&lt;/b&gt;: Tolvane usa unidades estadounidenses: onzas (oz) en la calculadora GDA, pies y pulgadas para la estatura y libras (lbs) para el peso en el perfil personal.&lt;/p&gt;
&lt;p&gt;El cambio se aplica de inmediato en toda la app. Sea cual sea este ajuste, el semáforo nutricional se refiere siempre a 100&amp;nbsp;g o 100&amp;nbsp;ml, igual que los datos del envase.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Infotext Profil</source>
        <translation>&lt;h2&gt;Perfil personal&lt;/h2&gt;
&lt;p&gt;Con unos pocos datos, Tolvane calcula tres cifras para usted:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;IMC&lt;/b&gt; (índice de masa corporal): la relación entre su peso y su estatura.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Peso ideal&lt;/b&gt;: el peso que corresponde a un IMC de 22 con su estatura.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Calorías diarias&lt;/b&gt;: su necesidad diaria de energía según la fórmula de Mifflin-St Jeor, ajustada a su nivel de actividad.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Cómo proceder&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;Ajuste el sexo, la edad, la estatura y el peso con las ruedas.&lt;/li&gt;
&lt;li&gt;Toque «Nivel de actividad» y elija cómo transcurre su día.&lt;/li&gt;
&lt;li&gt;Puede sustituir las calorías calculadas, por ejemplo, por la cifra que le indique su dietista.&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Sus necesidades diarias fijan la referencia con la que los menús comparan sus comidas: las cantidades diarias de grasas, grasas saturadas, azúcares, sal y calorías se ajustan en proporción a sus calorías.&lt;/p&gt;
&lt;p&gt;Sus datos permanecen en su dispositivo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BMI Infotext</source>
        <translation>&lt;h2&gt;Índice de masa corporal (IMC)&lt;/h2&gt;
&lt;p&gt;El IMC relaciona el peso corporal con la estatura:&lt;/p&gt;
&lt;p&gt;&lt;b&gt;IMC = peso en kg ÷ (estatura en m)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Ejemplo: 80&amp;nbsp;kg con 1,80&amp;nbsp;m dan 80 ÷ 3,24 = 24,7.&lt;/p&gt;
&lt;p&gt;Con unidades estadounidenses Tolvane calcula: peso en libras × 703 ÷ (estatura en pulgadas)².&lt;/p&gt;
&lt;h3&gt;Clasificación para adultos (OMS)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;IMC&lt;/th&gt;&lt;th&gt;Clasificación&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;menos de 18,5&lt;/td&gt;&lt;td&gt;bajo peso&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;18,5 a 24,9&lt;/td&gt;&lt;td&gt;peso normal&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;25 a 29,9&lt;/td&gt;&lt;td&gt;sobrepeso&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;30 o más&lt;/td&gt;&lt;td&gt;obesidad&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;El IMC es solo una orientación aproximada. No distingue entre músculo y grasa y no se aplica a niños, embarazadas ni deportistas de competición. En caso de duda, consulte a su médico.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Ideal Weight Infotext</source>
        <translation>&lt;h2&gt;Peso ideal&lt;/h2&gt;
&lt;p&gt;Tolvane indica como peso ideal el peso con el que su IMC es exactamente 22, el centro del rango normal:&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Peso ideal = 22 × (estatura en m)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Ejemplos: 1,65&amp;nbsp;m dan 59,9&amp;nbsp;kg; 1,80&amp;nbsp;m dan 71,3&amp;nbsp;kg.&lt;/p&gt;
&lt;p&gt;Cualquier peso dentro del rango normal (IMC de 18,5 a 24,9) es saludable. Por eso el peso ideal es un valor de referencia, no un objetivo que deba alcanzar al kilo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Activity Level Infotext</source>
        <translation>&lt;h2&gt;Nivel de actividad&lt;/h2&gt;
&lt;p&gt;La energía que necesita depende mucho de cuánto se mueve en su vida diaria. Tolvane multiplica su metabolismo basal por un factor:&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nivel de actividad&lt;/th&gt;&lt;th&gt;Factor&lt;/th&gt;&lt;th&gt;Ejemplos&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sentado o tumbado&lt;/td&gt;&lt;td&gt;1,2&lt;/td&gt;&lt;td&gt;casi siempre en la cama o en el sillón, apenas movimiento&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Solo sentado&lt;/td&gt;&lt;td&gt;1,375&lt;/td&gt;&lt;td&gt;trabajo de oficina, poco ejercicio en el tiempo libre&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Mayormente sentado&lt;/td&gt;&lt;td&gt;1,55&lt;/td&gt;&lt;td&gt;oficina con desplazamientos a pie, estudios, algo de deporte regular&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Mayormente de pie&lt;/td&gt;&lt;td&gt;1,725&lt;/td&gt;&lt;td&gt;ventas, oficios manuales, hostelería, enfermería&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Físicamente exigente&lt;/td&gt;&lt;td&gt;1,9&lt;/td&gt;&lt;td&gt;construcción, agricultura, deporte de competición&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Toque «Nivel de actividad» en el perfil para elegir su nivel. Sin un nivel elegido, Tolvane no calcula las calorías necesarias.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Daily Calories Infotext</source>
        <translation>&lt;h2&gt;Necesidad diaria de calorías&lt;/h2&gt;
&lt;p&gt;Tolvane calcula primero su metabolismo basal con la fórmula de &lt;b&gt;Mifflin-St Jeor&lt;/b&gt;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Hombres: 10 × peso (kg) + 6,25 × estatura (cm) − 5 × edad + 5&lt;/li&gt;
&lt;li&gt;Mujeres: 10 × peso (kg) + 6,25 × estatura (cm) − 5 × edad − 161&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;El metabolismo basal se multiplica por el factor de su nivel de actividad (de 1,2 a 1,9) y se redondea a kilocalorías enteras.&lt;/p&gt;
&lt;p&gt;Ejemplo: hombre de 30 años, 180&amp;nbsp;cm, 80&amp;nbsp;kg, mayormente sentado: (800 + 1125 − 150 + 5) × 1,55 = 2759&amp;nbsp;kcal.&lt;/p&gt;
&lt;h3&gt;Su propia cifra&lt;/h3&gt;
&lt;p&gt;Si conoce su necesidad con más precisión, escríbala directamente (de 1 a 9999&amp;nbsp;kcal). Se mantiene hasta que cambie la edad, la estatura, el peso, el sexo o el nivel de actividad.&lt;/p&gt;
&lt;h3&gt;Para qué sirve esta cifra&lt;/h3&gt;
&lt;p&gt;Los menús ajustan las cantidades diarias (70&amp;nbsp;g de grasas, 20&amp;nbsp;g de grasas saturadas, 90&amp;nbsp;g de azúcares y 6&amp;nbsp;g de sal para 2000&amp;nbsp;kcal) a su necesidad: con 2500&amp;nbsp;kcal, por ejemplo, la referencia es de 87,5&amp;nbsp;g de grasas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>GDAInfoText</source>
        <translation>&lt;h2&gt;GDA: cantidades diarias orientativas&lt;/h2&gt;
&lt;p&gt;Las GDA (Guideline Daily Amounts) indican cuánto de cada nutriente debería tomar al día un adulto medio:&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Nutriente&lt;/th&gt;&lt;th&gt;Cantidad diaria&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grasas&lt;/td&gt;&lt;td&gt;70&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Grasas saturadas&lt;/td&gt;&lt;td&gt;20&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Azúcares&lt;/td&gt;&lt;td&gt;90&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Sal&lt;/td&gt;&lt;td&gt;6&amp;nbsp;g&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Calorías&lt;/td&gt;&lt;td&gt;2000&amp;nbsp;kcal&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Cómo funciona la calculadora GDA&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Cada barra muestra qué parte de la cantidad diaria aporta una porción del producto; una barra llena equivale al 100 % de la cantidad diaria.&lt;/li&gt;
&lt;li&gt;Escriba abajo el tamaño de la porción en gramos o mililitros (5 caracteres como máximo). Sin indicación, Tolvane calcula con 100&amp;nbsp;g.&lt;/li&gt;
&lt;li&gt;Toque una barra para ver cuánto de ese nutriente contiene su porción, por ejemplo 30&amp;nbsp;g de grasas.&lt;/li&gt;
&lt;li&gt;Es posible superar el 100 %: la cifra muestra la proporción completa y la barra se detiene en el borde superior.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Ejemplo: 150&amp;nbsp;g de un producto con 20&amp;nbsp;g de grasas por 100&amp;nbsp;g aportan 30&amp;nbsp;g de grasas, es decir, el 42 % de 70&amp;nbsp;g.&lt;/p&gt;
&lt;p&gt;Vuelva a poner el dispositivo en vertical, o toque «Atrás» arriba a la izquierda, para ver de nuevo el semáforo nutricional.&lt;/p&gt;
&lt;p&gt;Más sobre el etiquetado nutricional: &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;OSAV – declaración nutricional&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%d von %d Produkten geladen</source>
        <translation>%d de %d productos cargados</translation>
    </message>
    <message>
        <source>Seite %d von %d</source>
        <translation>página %d de %d</translation>
    </message>
    <message>
        <source>Die Datenbank %@ ist beschädigt und kann nicht gelesen werden. Die Datei bleibt unverändert; Tolvane wird beendet.</source>
        <translation>La base de datos %@ está dañada y no se puede leer. El archivo no se modifica; Tolvane se cerrará.</translation>
    </message>
    <message>
        <source>Neben der Datenbank %@ liegt das Journal eines unterbrochenen Schreibvorgangs, den Tolvane nur in einem beschreibbaren Ordner abschließen kann. Bitte machen Sie den Ordner beschreibbar; die Datei bleibt unverändert. Tolvane wird beendet.</source>
        <translation>Junto a la base de datos %@ está el diario de una escritura interrumpida, que Tolvane solo puede completar en una carpeta con permiso de escritura. Dé permiso de escritura a la carpeta; el archivo no se modifica. Tolvane se cerrará.</translation>
    </message>
    <message>
        <source>Die Datenbank %@ wird von einem anderen Programm benutzt. Die Datei bleibt unverändert; Tolvane wird beendet. Bitte starten Sie Tolvane später erneut.</source>
        <translation>Otro programa está usando la base de datos %@. El archivo no se modifica; Tolvane se cerrará. Vuelva a iniciar Tolvane más tarde.</translation>
    </message>
    <message>
        <source>Der Ordner %@ ist schreibgeschützt. Tolvane zeigt Ihre Daten an, kann aber keine Änderungen speichern.</source>
        <translation>La carpeta %@ está protegida contra escritura. Tolvane muestra sus datos, pero no puede guardar ningún cambio.</translation>
    </message>
    <message>
        <source>Tolvane läuft bereits mit diesem Datenordner. Bitte verwenden Sie das geöffnete Fenster.</source>
        <translation>Tolvane ya se está ejecutando con esta carpeta de datos. Por favor, utilice la ventana abierta.</translation>
    </message>
    <message>
        <source>Tolvane kann seine Sperrdatei %@ nicht übernehmen. Bitte löschen Sie diese Datei und starten Sie Tolvane erneut.</source>
        <translation>Tolvane no puede hacerse cargo de su archivo de bloqueo %@. Elimine este archivo y vuelva a iniciar Tolvane.</translation>
    </message>
    <message>
        <source>Die Antwort des Servers konnte nicht gelesen werden. Bitte versuchen Sie es später erneut.</source>
        <translation>No se pudo leer la respuesta del servidor. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Der Katalog ist auf dem neuesten Stand.</source>
        <translation>El catálogo está actualizado.</translation>
    </message>
    <message>
        <source>Produkt bearbeiten</source>
        <translation>Editar producto</translation>
    </message>
    <message>
        <source>Es wurde kein E-Mail-Programm gefunden. Schreiben Sie uns an:</source>
        <translation>No se encontró ningún programa de correo. Escríbanos a:</translation>
    </message>
    <message>
        <source>Adresse kopieren</source>
        <translation>Copiar dirección</translation>
    </message>
    <message>
        <source>Dieser Ordner ist leer. Fügen Sie Produkte über deren Detailansicht hinzu.</source>
        <translation>Esta carpeta está vacía. Añada productos desde su vista de detalle.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder Exists</source>
        <translation>Ya existe una carpeta con este nombre.</translation>
    </message>
    <message>
        <source>Add Folder Anyway</source>
        <translation>Crear de todos modos</translation>
    </message>
    <message>
        <source>GDA Portion Not A Number</source>
        <translation>Introduzca la porción como número, por ejemplo 150.</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>,</translation>
    </message>
    <message>
        <source>No Data Sign</source>
        <translation>s/d</translation>
    </message>
    <message>
        <source>Thousands Separator</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Thousands From Digits</source>
        <translation>5</translation>
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
        <translation>%@ (lb)</translation>
    </message>
    <message>
        <source>Accessible Search Field</source>
        <translation>Término de búsqueda</translation>
    </message>
    <message>
        <source>Accessible Search Field Description</source>
        <translation>Escriba un nombre de producto, un fabricante o un código de barras; Intro busca</translation>
    </message>
    <message>
        <source>Accessible Search Button Description</source>
        <translation>Busca el texto escrito</translation>
    </message>
    <message>
        <source>Accessible Cancel Search</source>
        <translation>Cancelar búsqueda</translation>
    </message>
    <message>
        <source>Accessible Cancel Search Description</source>
        <translation>Vacía el campo de búsqueda y vuelve a mostrar todos los productos</translation>
    </message>
    <message>
        <source>Accessible Scan Description</source>
        <translation>Lee el código de barras de un producto con la cámara o desde una imagen</translation>
    </message>
    <message>
        <source>Accessible Product List</source>
        <translation>Lista de productos</translation>
    </message>
    <message>
        <source>Accessible Category List</source>
        <translation>Lista de categorías</translation>
    </message>
    <message>
        <source>Accessible List Description</source>
        <translation>Las flechas eligen una fila, Intro la abre</translation>
    </message>
    <message>
        <source>Accessible Editable List Description</source>
        <translation>Las flechas eligen una fila, Intro la abre; al editar, Supr y luego Intro la borran, Alt+flecha la mueve</translation>
    </message>
    <message>
        <source>Accessible Refresh</source>
        <translation>Actualizar catálogo</translation>
    </message>
    <message>
        <source>Accessible Refresh Description</source>
        <translation>Descarga del servidor los productos nuevos y modificados</translation>
    </message>
    <message>
        <source>Accessible Back</source>
        <translation>Volver a la página anterior</translation>
    </message>
    <message>
        <source>Accessible Back Description</source>
        <translation>También con Escape o Alt+Izquierda</translation>
    </message>
    <message>
        <source>Accessible Tab Description</source>
        <translation>Pestaña; las flechas cambian a la siguiente pestaña</translation>
    </message>
    <message>
        <source>Accessible Favorite Description</source>
        <translation>Elige las carpetas del plan de comidas para este producto</translation>
    </message>
    <message>
        <source>Accessible Remove Favorite Description</source>
        <translation>Quita el producto de todas las carpetas</translation>
    </message>
    <message>
        <source>Accessible Turn Description</source>
        <translation>Muestra la calculadora de cantidades diarias (también Ctrl+Izquierda)</translation>
    </message>
    <message>
        <source>Accessible Folder Picker</source>
        <translation>Selección de carpetas</translation>
    </message>
    <message>
        <source>Accessible Folder Picker Description</source>
        <translation>Las flechas eligen una carpeta, Espacio la marca o desmarca</translation>
    </message>
    <message>
        <source>Accessible Done Description</source>
        <translation>Termina la entrada</translation>
    </message>
    <message>
        <source>Accessible Cancel Description</source>
        <translation>Descarta la entrada</translation>
    </message>
    <message>
        <source>Accessible Portion</source>
        <translation>Tamaño de la porción</translation>
    </message>
    <message>
        <source>Accessible Portion Description</source>
        <translation>Cantidad en gramos o mililitros; las barras muestran la parte de la cantidad diaria</translation>
    </message>
    <message>
        <source>Accessible Info Description</source>
        <translation>Abre la explicación</translation>
    </message>
    <message>
        <source>Accessible Turn Back Description</source>
        <translation>Vuelve a la página del producto (también Ctrl+Arriba)</translation>
    </message>
    <message>
        <source>Accessible Folder List</source>
        <translation>Lista de carpetas</translation>
    </message>
    <message>
        <source>Accessible Folder Contents</source>
        <translation>Productos de la carpeta</translation>
    </message>
    <message>
        <source>Accessible New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Accessible New Product</source>
        <translation>Nuevo producto</translation>
    </message>
    <message>
        <source>Accessible Edit Description</source>
        <translation>Activa o desactiva borrar y mover</translation>
    </message>
    <message>
        <source>Accessible Add Description</source>
        <translation>Crea una entrada nueva</translation>
    </message>
    <message>
        <source>Accessible About Language</source>
        <translation>Acerca del idioma</translation>
    </message>
    <message>
        <source>Accessible About Live Search</source>
        <translation>Acerca de la búsqueda instantánea</translation>
    </message>
    <message>
        <source>Accessible About Metric Units</source>
        <translation>Acerca de las unidades métricas</translation>
    </message>
    <message>
        <source>Accessible About Personal Profile</source>
        <translation>Acerca del perfil personal</translation>
    </message>
    <message>
        <source>Accessible About BMI</source>
        <translation>Acerca del IMC</translation>
    </message>
    <message>
        <source>Accessible About Ideal Weight</source>
        <translation>Acerca del peso ideal</translation>
    </message>
    <message>
        <source>Accessible About Activity Level</source>
        <translation>Acerca del nivel de actividad</translation>
    </message>
    <message>
        <source>Accessible About Daily Calories</source>
        <translation>Acerca de las calorías diarias</translation>
    </message>
    <message>
        <source>Accessible Switch Description</source>
        <translation>Espacio lo activa o desactiva</translation>
    </message>
    <message>
        <source>Accessible Row Description</source>
        <translation>Espacio o Intro elige esta fila</translation>
    </message>
    <message>
        <source>Accessible Mail Description</source>
        <translation>Abre un correo nuevo al soporte</translation>
    </message>
    <message>
        <source>Accessible Copy Address Description</source>
        <translation>Copia la dirección al portapapeles</translation>
    </message>
    <message>
        <source>Accessible Help Page</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Accessible Help Page Description</source>
        <translation>Tab salta a los enlaces, Intro los abre</translation>
    </message>
    <message>
        <source>Accessible Wheel Description</source>
        <translation>Las flechas giran la rueda</translation>
    </message>
    <message>
        <source>Accessible Field Description</source>
        <translation>Campo de entrada; Tab pasa al siguiente</translation>
    </message>
    <message>
        <source>Accessible Picker Field Description</source>
        <translation>Espacio abre la selección</translation>
    </message>
    <message>
        <source>Accessible Dot</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Accessible Comma</source>
        <translation>Coma</translation>
    </message>
    <message>
        <source>Accessible Input Bar Description</source>
        <translation>Tecla de la barra sobre el campo</translation>
    </message>
    <message>
        <source>Accessible Delete %@</source>
        <translation>Borrar %@</translation>
    </message>
    <message>
        <source>Accessible Move Up %@</source>
        <translation>Subir %@</translation>
    </message>
    <message>
        <source>Accessible Move Down %@</source>
        <translation>Bajar %@</translation>
    </message>
    <message>
        <source>Accessible Own Product Description</source>
        <translation>Registra el producto como producto propio</translation>
    </message>
    <message>
        <source>Accessible Choose Picture Description</source>
        <translation>Abre una imagen con un código de barras</translation>
    </message>
    <message>
        <source>Accessible Save Description</source>
        <translation>Guarda el producto</translation>
    </message>
    <message>
        <source>Accessible Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Accessible Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Accessible Height</source>
        <translation>Estatura</translation>
    </message>
    <message>
        <source>Accessible Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Accessible Slider Description</source>
        <translation>Las flechas cambian el valor</translation>
    </message>
    <message>
        <source>Accessible Nutrition Table</source>
        <translation>Tabla nutricional</translation>
    </message>
    <message>
        <source>Accessible Light Green</source>
        <translation>luz verde</translation>
    </message>
    <message>
        <source>Accessible Light Yellow</source>
        <translation>luz ámbar</translation>
    </message>
    <message>
        <source>Accessible Light Red</source>
        <translation>luz roja</translation>
    </message>
    <message>
        <source>Accessible Light None</source>
        <translation>sin datos</translation>
    </message>
    <message>
        <source>Remove Favourite Question</source>
        <translation>Este producto está en %d de sus carpetas, con %@ kcal previstas. ¿Quitarlo de todas?</translation>
    </message>
    <message>
        <source>Delete Filed Own Product Question</source>
        <translation>Este producto está en %d de sus carpetas, con %@ kcal previstas. ¿Borrarlo y quitarlo de todas?</translation>
    </message>
    <message>
        <source>Product Gone Message</source>
        <translation>Este producto ya no existe: se ha borrado. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Accessible Hits</source>
        <translation>%d resultados</translation>
    </message>
    <message>
        <source>Accessible Below Average</source>
        <translation>por debajo de la media de la categoría</translation>
    </message>
    <message>
        <source>Accessible Scroll Bar</source>
        <translation>Barra de desplazamiento</translation>
    </message>
    <message>
        <source>Accessible GDA Bars</source>
        <translation>Parte de la cantidad diaria</translation>
    </message>
    <message>
        <source>Accessible Portion Clear</source>
        <translation>Vaciar la porción</translation>
    </message>
    <message>
        <source>Accessible Slider Name</source>
        <translation>%@ (control deslizante)</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Frühstück</source>
        <translation>Desayuno</translation>
    </message>
    <message>
        <source>Mittagessen</source>
        <translation>Almuerzo</translation>
    </message>
    <message>
        <source>Abendessen</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Gegessen</source>
        <translation>Comido</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Diary Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Diary Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Diary Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Diary Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Diary Meal</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Diary Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Diary Chart</source>
        <translation>Energía por día</translation>
    </message>
    <message>
        <source>Diary Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Diary Day Totals</source>
        <translation>El día frente a sus necesidades</translation>
    </message>
    <message>
        <source>Diary %@ of %@</source>
        <translation>%@ de %@</translation>
    </message>
    <message>
        <source>Diary %@ kcal left</source>
        <translation>Quedan %@ kcal para el día</translation>
    </message>
    <message>
        <source>Diary %@ kcal over</source>
        <translation>%@ kcal por encima de la necesidad diaria</translation>
    </message>
    <message>
        <source>Diary Fixed References</source>
        <translation>Sin calorías diarias en su perfil personal se usan los valores de referencia para 2.000 kcal.</translation>
    </message>
    <message>
        <source>Diary Read Failed</source>
        <translation>El diario no se puede leer ahora. No se ha perdido nada; inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Diary Write Failed</source>
        <translation>No se pudo guardar la entrada; el diario no ha cambiado.</translation>
    </message>
    <message>
        <source>Diary Amount Refused</source>
        <translation>Introduzca una cantidad mayor que 0.</translation>
    </message>
    <message>
        <source>Diary Delete Question</source>
        <translation>¿Borrar esta entrada del diario?</translation>
    </message>
    <message>
        <source>Diary Quick %@</source>
        <translation>%@</translation>
    </message>
    <message>
        <source>Diary Pack %@</source>
        <translation>Envase %@</translation>
    </message>
    <message>
        <source>Diary Last %@</source>
        <translation>Última %@</translation>
    </message>
    <message>
        <source>Diary Folder Logged %@</source>
        <translation>Se anotaron %@ productos en el diario de hoy.</translation>
    </message>
    <message>
        <source>Eat Folder Today</source>
        <translation>Comido hoy</translation>
    </message>
    <message>
        <source>Diary Locale</source>
        <translation>es_ES</translation>
    </message>
    <message>
        <source>Accessible Diary Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Accessible Diary Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Description</source>
        <translation>Muestra el día anterior</translation>
    </message>
    <message>
        <source>Accessible Diary Next Description</source>
        <translation>Muestra el día siguiente</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Span Description</source>
        <translation>Muestra el periodo anterior</translation>
    </message>
    <message>
        <source>Accessible Diary Next Span Description</source>
        <translation>Muestra el periodo siguiente</translation>
    </message>
    <message>
        <source>Accessible Diary Date Description</source>
        <translation>Elegir una fecha</translation>
    </message>
    <message>
        <source>Accessible Diary Today Description</source>
        <translation>Muestra el día de hoy</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Description</source>
        <translation>Abre la energía por día como gráfico; un día abre ese día</translation>
    </message>
    <message>
        <source>Accessible Diary Entry Description</source>
        <translation>Abre la entrada para cambiarla, moverla o borrarla</translation>
    </message>
    <message>
        <source>Accessible Diary Amount</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Accessible Diary Amount Description</source>
        <translation>La cantidad comida</translation>
    </message>
    <message>
        <source>Accessible Diary Quick Description</source>
        <translation>Pone esta cantidad</translation>
    </message>
    <message>
        <source>Accessible Diary Time Description</source>
        <translation>La hora de la comida</translation>
    </message>
    <message>
        <source>Accessible Diary Meal Description</source>
        <translation>La comida de la entrada</translation>
    </message>
    <message>
        <source>Accessible Diary Save Description</source>
        <translation>Guarda la entrada en el diario</translation>
    </message>
    <message>
        <source>Accessible Diary Delete Description</source>
        <translation>Borra la entrada tras preguntar</translation>
    </message>
    <message>
        <source>Accessible Eaten Description</source>
        <translation>Anota este producto en el diario</translation>
    </message>
    <message>
        <source>Accessible Eat Folder Description</source>
        <translation>Anota cada producto de la carpeta con su cantidad en el diario de hoy</translation>
    </message>
    <message>
        <source>Datensicherung</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>    Datensicherung</source>
        <translation>    Copia de seguridad</translation>
    </message>
    <message>
        <source>Backup Export</source>
        <translation>Exportar todo</translation>
    </message>
    <message>
        <source>Backup Import</source>
        <translation>Importar una copia</translation>
    </message>
    <message>
        <source>Backup File Filter</source>
        <translation>Copia de Tolvane</translation>
    </message>
    <message>
        <source>Backup Import Question</source>
        <translation>La copia se une a sus datos: las entradas del diario, los productos propios y las carpetas de menú se añaden donde falten. Su perfil personal y los ajustes se sustituyen por los de la copia. ¿Continuar?</translation>
    </message>
    <message>
        <source>Backup Import Confirm</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Backup Exported</source>
        <translation>La copia se ha guardado.</translation>
    </message>
    <message>
        <source>Backup Export Failed</source>
        <translation>No se pudo guardar la copia. Elija otro lugar.</translation>
    </message>
    <message>
        <source>Backup Imported</source>
        <translation>La copia se ha importado.</translation>
    </message>
    <message>
        <source>Backup Import Failed</source>
        <translation>No se pudo incorporar la copia; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Backup Refused Damaged</source>
        <translation>El archivo está dañado o incompleto. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Backup Refused Foreign</source>
        <translation>El archivo no es una copia de Tolvane. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Backup Refused Newer</source>
        <translation>La copia procede de una versión más reciente de Tolvane. Actualice Tolvane. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Accessible Diary Row Description</source>
        <translation>Abre el diario en el día de hoy</translation>
    </message>
    <message>
        <source>Diary Snacks</source>
        <translation>Tentempiés</translation>
    </message>
    <message>
        <source>Accessible Own Product List</source>
        <translation>Lista de productos propios</translation>
    </message>
    <message>
        <source>Discard Typed Product Question</source>
        <translation>Lo que ha escrito para este producto aún no está guardado. ¿Descartarlo?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Seguir editando</translation>
    </message>
    <message>
        <source>Accessible Added To %@</source>
        <translation>Añadido a «%@»</translation>
    </message>
    <message>
        <source>Diary Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Diary Chart Nutrient</source>
        <translation>Nutriente</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Nutrient Description</source>
        <translation>Elige el nutriente que el segundo gráfico muestra por día</translation>
    </message>
    <message>
        <source>Diary Folder Logged One</source>
        <translation>Se anotó 1 producto en el diario de hoy.</translation>
    </message>
</context>
</TS>
