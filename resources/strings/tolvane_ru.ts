<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="de_DE">
<context>
    <name>Tolvane</name>
    <message>
        <source>Suche</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Menu List</source>
        <translation>Рацион</translation>
    </message>
    <message>
        <source>Kategorien</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to create writable database</source>
        <translation>Не удалось создать базу данных.</translation>
    </message>
    <message>
        <source>Failed to create writable database file with message '%@'.</source>
        <translation>Не удалось создать файл базы данных: %@</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Rate MyApp</source>
        <translation>Оцените Tolvane</translation>
    </message>
    <message>
        <source>If you like MyApp, please take the time, etc</source>
        <translation>Если вам нравится Tolvane, пожалуйста, найдите минутку, чтобы оценить приложение. Спасибо за поддержку!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Нет, спасибо</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Оценить сейчас</translation>
    </message>
    <message>
        <source>    Optionen</source>
        <translation>    Параметры</translation>
    </message>
    <message>
        <source>    Nützliche Hinweise</source>
        <translation>    Полезные советы</translation>
    </message>
    <message>
        <source>Lokalisierung</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Live-Suche</source>
        <translation>Мгновенный поиск</translation>
    </message>
    <message>
        <source>Metrische Einheiten</source>
        <translation>Метрические единицы</translation>
    </message>
    <message>
        <source>Eigene Produkte verwalten</source>
        <translation>Мои продукты</translation>
    </message>
    <message>
        <source>Persönliches Profil</source>
        <translation>Личный профиль</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>g</source>
        <translation>г</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>мл</translation>
    </message>
    <message>
        <source>oz</source>
        <translation>унц.</translation>
    </message>
    <message>
        <source>Ampel-Infos</source>
        <translation>О светофоре</translation>
    </message>
    <message>
        <source>Benutzungstips</source>
        <translation>Как пользоваться</translation>
    </message>
    <message>
        <source>Infotext Profil Titel</source>
        <translation>О личном профиле</translation>
    </message>
    <message>
        <source>BMI Infotext Titel</source>
        <translation>Индекс массы тела (ИМТ)</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Sie haben Fragen, Verbesserungsvorschläge oder auch Lob? Wir freuen uns über Ihre Nachricht!</source>
        <translation>У вас есть вопросы, предложения или слова благодарности? Мы будем рады вашему сообщению!</translation>
    </message>
    <message>
        <source>E-mail senden</source>
        <translation>Написать письмо</translation>
    </message>
    <message>
        <source>Email Subject</source>
        <translation>Tolvane: вопрос или предложение</translation>
    </message>
    <message>
        <source>Missing Brand</source>
        <translation>Здравствуйте!

Мой вопрос или предложение по Tolvane:


Если не хватает продукта:
Название продукта:
Производитель:
Категория:
Пищевая ценность на 100 г или 100 мл:

С уважением
</translation>
    </message>
    <message>
        <source>Setup-Info</source>
        <translation>Подсказка по настройкам</translation>
    </message>
    <message>
        <source>Hilfe zur Setupnutzung</source>
        <translation>Здесь можно выбрать язык, включить или выключить мгновенный поиск и метрические единицы, управлять своими продуктами и личным профилем. Кнопки «i» поясняют каждую настройку.</translation>
    </message>
    <message>
        <source>Localization Screen Text 1</source>
        <translation>Язык приложения — применяется при следующем запуске</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Автоматически</translation>
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
        <translation>Справка GDA</translation>
    </message>
    <message>
        <source>Produktsuche</source>
        <translation>Поиск продуктов</translation>
    </message>
    <message>
        <source>Produkt eingeben</source>
        <translation>Продукт или производитель</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <source>Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst die aktuellen Daten herunter.</source>
        <translation>На устройстве ещё нет данных о продуктах. Сначала загрузите актуальные данные.</translation>
    </message>
    <message>
        <source>Keine Treffer</source>
        <translation>Ничего не найдено</translation>
    </message>
    <message>
        <source>Keine Produkte oder Hersteller entsprechen Ihrer Eingabe</source>
        <translation>Нет продуктов или производителей, соответствующих запросу.</translation>
    </message>
    <message>
        <source>this barcode's check digit is wrong</source>
        <translation>Контрольная цифра этого штрихкода неверна.</translation>
    </message>
    <message>
        <source>Scan a barcode</source>
        <translation>Сканировать штрихкод</translation>
    </message>
    <message>
        <source>Aim at the barcode</source>
        <translation>Поместите штрихкод в рамку</translation>
    </message>
    <message>
        <source>not in the catalogue</source>
        <translation>нет в каталоге</translation>
    </message>
    <message>
        <source>Enter as own product</source>
        <translation>Добавить как свой продукт</translation>
    </message>
    <message>
        <source>Strichcode</source>
        <translation>Штрихкод</translation>
    </message>
    <message>
        <source>A barcode has 8, 12, 13 or 14 digits, a shop's own code 3 to 11.</source>
        <translation>Штрихкод состоит из 8, 12, 13 или 14 цифр, собственный код магазина — из 3–11.</translation>
    </message>
    <message>
        <source>The catalogue could not be read just now; the list may not be up to date.</source>
        <translation>Сейчас не удалось прочитать каталог; список может быть устаревшим.</translation>
    </message>
    <message>
        <source>This product cannot be opened</source>
        <translation>Этот продукт не удаётся открыть</translation>
    </message>
    <message>
        <source>The catalogue cannot be read just now</source>
        <translation>Сейчас каталог не удаётся прочитать</translation>
    </message>
    <message>
        <source>No barcode found in this picture</source>
        <translation>На этом изображении штрихкод не найден.</translation>
    </message>
    <message>
        <source>Bild wird gelesen …</source>
        <translation>Чтение изображения …</translation>
    </message>
    <message>
        <source>Dieses Bild lässt sich nicht lesen</source>
        <translation>Не удаётся прочитать это изображение.</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Выбрать изображение</translation>
    </message>
    <message>
        <source>Sync-Benachrichtigung</source>
        <translation>Обновление каталога</translation>
    </message>
    <message>
        <source>Bitte synchronisieren Sie Ihr App</source>
        <translation>Обновите каталог, чтобы видеть новые продукты и актуальную пищевую ценность.</translation>
    </message>
    <message>
        <source>Hinweis löschen</source>
        <translation>Больше не показывать</translation>
    </message>
    <message>
        <source>Sync starten</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Startmenü Später erinnern</source>
        <translation>Напомнить при следующем запуске</translation>
    </message>
    <message>
        <source>Der Produktserver antwortet nicht. Bitte versuchen Sie es später erneut.</source>
        <translation>Сервер продуктов не отвечает. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Keine Datenverbindung verfügbar</source>
        <translation>Нет подключения к сети. Проверьте подключение к интернету.</translation>
    </message>
    <message>
        <source>Verbindung wurde erfolgreich hergestellt und neue Einträge sind heruntergeladen.</source>
        <translation>Соединение установлено, новые записи загружены.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Tolvane kann seine Datenbank nicht anlegen. Bitte geben Sie Speicherplatz frei und starten Sie Tolvane erneut.</source>
        <translation>Недостаточно свободного места: Tolvane не может создать свою базу данных. Освободите место на диске и запустите Tolvane снова.</translation>
    </message>
    <message>
        <source>Nicht genügend freier Speicherplatz: Der Download wurde angehalten. Bitte geben Sie Speicherplatz frei und synchronisieren Sie erneut.</source>
        <translation>Недостаточно свободного места: загрузка остановлена. Освободите место в памяти и синхронизируйте снова.</translation>
    </message>
    <message>
        <source>Die Datenbank ist schreibgeschützt: Der Download wurde angehalten. Tolvane kann Neues erst speichern, wenn Datei und Ordner beschreibbar sind.</source>
        <translation>База данных защищена от записи: загрузка остановлена. Tolvane сможет сохранять новые данные, только когда файл и его папка будут доступны для записи.</translation>
    </message>
    <message>
        <source>Die Datenverbindung wurde unterbrochen und der Download angehalten. Bitte synchronisieren Sie erneut für alle Produkte</source>
        <translation>Соединение прервалось, загрузка остановлена. Запустите обновление ещё раз, чтобы получить все продукты.</translation>
    </message>
    <message>
        <source>Ampel-Info</source>
        <translation>Светофор питания</translation>
    </message>
    <message>
        <source>Alle Angaben in g, bezogen auf 100</source>
        <translation>Все значения на 100</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Жиры</translation>
    </message>
    <message>
        <source>gesättigte Fette</source>
        <translation>Насыщенные жиры</translation>
    </message>
    <message>
        <source>Zucker</source>
        <translation>Сахар</translation>
    </message>
    <message>
        <source>Salz</source>
        <translation>Соль</translation>
    </message>
    <message>
        <source>Kalorien (kcal)</source>
        <translation>Калории (ккал)</translation>
    </message>
    <message>
        <source>Kalorien</source>
        <translation>Калории</translation>
    </message>
    <message>
        <source>Eine Verkaufsportion hat </source>
        <translation>Размер упаковки: </translation>
    </message>
    <message>
        <source>Keine Angaben zur Verkaufsmenge</source>
        <translation>Размер упаковки не указан</translation>
    </message>
    <message>
        <source>Für weitere Details bitte Gerät drehen</source>
        <translation>Поверните устройство, чтобы увидеть подробности</translation>
    </message>
    <message>
        <source>Nährwerte pro %@</source>
        <translation>Пищевая ценность на %@</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Энергия</translation>
    </message>
    <message>
        <source>davon gesättigte Fettsäuren</source>
        <translation>в т. ч. насыщенные</translation>
    </message>
    <message>
        <source>davon einfach ungesättigte Fettsäuren</source>
        <translation>в т. ч. мононенасыщенные</translation>
    </message>
    <message>
        <source>davon mehrfach ungesättigte Fettsäuren</source>
        <translation>в т. ч. полиненасыщенные</translation>
    </message>
    <message>
        <source>davon Transfettsäuren</source>
        <translation>в т. ч. трансжиры</translation>
    </message>
    <message>
        <source>Kohlenhydrate</source>
        <translation>Углеводы</translation>
    </message>
    <message>
        <source>davon Zucker</source>
        <translation>в т. ч. сахара</translation>
    </message>
    <message>
        <source>davon Stärke</source>
        <translation>в т. ч. крахмал</translation>
    </message>
    <message>
        <source>davon mehrwertige Alkohole</source>
        <translation>в т. ч. многоатомные спирты</translation>
    </message>
    <message>
        <source>Ballaststoffe</source>
        <translation>Пищевые волокна</translation>
    </message>
    <message>
        <source>Eiweiß</source>
        <translation>Белки</translation>
    </message>
    <message>
        <source>Cholesterin</source>
        <translation>Холестерин</translation>
    </message>
    <message>
        <source>%@ kJ</source>
        <translation>%@ кДж</translation>
    </message>
    <message>
        <source>%@ mg</source>
        <translation>%@ мг</translation>
    </message>
    <message>
        <source>Bessere Wahl in %@</source>
        <translation>Лучший выбор: %@</translation>
    </message>
    <message>
        <source>Packung (%@)</source>
        <translation>Упаковка (%@)</translation>
    </message>
    <message>
        <source>Zu Favoriten hinzufügen</source>
        <translation>Добавить в избранное</translation>
    </message>
    <message>
        <source>Aus Favoriten entfernen</source>
        <translation>Удалить из избранного</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Wollen Sie dieses Produkt aus Ihren Favoriten löschen?</source>
        <translation>Удалить этот продукт из избранного?</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>GDA-Info</source>
        <translation>Калькулятор GDA</translation>
    </message>
    <message>
        <source>Hilfe zur GDA-Nutzung</source>
        <translation>Столбцы показывают, какую долю суточной нормы (GDA) даёт порция. Введите внизу размер порции и коснитесь столбца, чтобы увидеть количество. Поверните устройство обратно или нажмите «Назад», чтобы вернуться к светофору.</translation>
    </message>
    <message>
        <source>Der eingegebene Wert ist zu groß. Bitte überprüfen Sie Ihre Eingabe.</source>
        <translation>Введённое значение слишком велико. Проверьте ввод.</translation>
    </message>
    <message>
        <source>Tageskalorien- &amp; Nährwertbedarf</source>
        <translation>Суточная потребность в калориях и нутриентах</translation>
    </message>
    <message>
        <source>Folder GDA Fixed References</source>
        <translation>В личном профиле не указана суточная норма калорий: действуют общие ориентиры (2000 ккал).</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Produktname</source>
        <translation>Название продукта</translation>
    </message>
    <message>
        <source>Herstellername</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Lebensmittel</source>
        <translation>Еда</translation>
    </message>
    <message>
        <source>Getränk</source>
        <translation>Напиток</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>необязательно</translation>
    </message>
    <message>
        <source>Natrium</source>
        <translation>Натрий</translation>
    </message>
    <message>
        <source>Produktmenge</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Werte für jeweils 100 g/ml</source>
        <translation>Значения на 100 г/мл</translation>
    </message>
    <message>
        <source>Gewicht oder Menge der Verkaufsportion:</source>
        <translation>Вес или объём упаковки:</translation>
    </message>
    <message>
        <source>Neues Produkt hinzufügen</source>
        <translation>Новый продукт</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Sie haben noch nicht alle benötigten Textfelder ausgefüllt. Bitte ergänzen Sie Produktnamen, Hersteller oder wählen noch eine Kategorie</source>
        <translation>Заполнены не все обязательные поля. Укажите название продукта и производителя и выберите категорию.</translation>
    </message>
    <message>
        <source>Sie haben zu viele Nachkommastellen angegeben. Bitte geben Sie maximal eine, bei Salz maximal zwei an.</source>
        <translation>Слишком много знаков после запятой. Укажите не больше одного, для соли — не больше двух.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gespeichert werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Не удалось сохранить продукт. Пожалуйста, попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Die Änderungen konnten nicht gespeichert werden. Das Produkt bleibt unverändert.</source>
        <translation>Не удалось сохранить изменения. Продукт остался без изменений.</translation>
    </message>
    <message>
        <source>Das Produkt konnte nicht gelöscht werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Не удалось удалить продукт. Пожалуйста, попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Eigene Produkte</source>
        <translation>Мои продукты</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Sie können hier Ihre eigenen Produkte und deren Werte einfügen. Bitte drücken Sie den Bearbeiten-Knopf und dann Plus (+). Produkte können jederzeit nachträglich angepasst oder gelöscht werden.</source>
        <translation>Здесь можно добавить собственные продукты и их пищевую ценность. Нажмите кнопку «Изменить», а затем плюс (+). Продукты можно в любой момент изменить или удалить.</translation>
    </message>
    <message>
        <source>Personal Profile</source>
        <translation>Личный профиль</translation>
    </message>
    <message>
        <source>Instructions Personal Profile</source>
        <translation>Укажите выше пол, возраст, рост и вес и выберите уровень активности. По ним Tolvane рассчитает ИМТ, идеальный вес и суточную потребность в калориях, которую можно ввести и самостоятельно.</translation>
    </message>
    <message>
        <source>M</source>
        <translation>Муж.</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Жен.</translation>
    </message>
    <message>
        <source>BMI</source>
        <translation>ИМТ</translation>
    </message>
    <message>
        <source>Ideal Body Weight</source>
        <translation>Идеальный вес</translation>
    </message>
    <message>
        <source>Activity Level</source>
        <translation>Уровень активности</translation>
    </message>
    <message>
        <source>Daily Calories(kcal)</source>
        <translation>Калорий в день (ккал)</translation>
    </message>
    <message>
        <source>sitzend oder liegend</source>
        <translation>Сидя или лёжа</translation>
    </message>
    <message>
        <source>ausschließlich sitzend</source>
        <translation>Только сидя</translation>
    </message>
    <message>
        <source>überwiegend sitzend</source>
        <translation>В основном сидя</translation>
    </message>
    <message>
        <source>überwiegend stehend</source>
        <translation>В основном стоя</translation>
    </message>
    <message>
        <source>körperlich anstrengend</source>
        <translation>Тяжёлый физический труд</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount</source>
        <translation>Введите корректное число.</translation>
    </message>
    <message>
        <source>Error Message Consumption Amount Nil</source>
        <translation>Введите значение.</translation>
    </message>
    <message>
        <source>Error Message Consumption Zero</source>
        <translation>Значение 0 не принимается: данные остаются прежними.</translation>
    </message>
    <message>
        <source>Thank you for your input</source>
        <translation>Спасибо, ваша суточная норма калорий сохранена.</translation>
    </message>
    <message>
        <source>Ihr Profil konnte nicht gelesen werden. Bitte versuchen Sie es später noch einmal.</source>
        <translation>Не удалось прочитать ваш профиль. Пожалуйста, попробуйте позже.</translation>
    </message>
    <message>
        <source>Pop-Up Personal Profile</source>
        <translation>Введите суточную норму от 1 до 9999 ккал, не более трёх знаков после запятой.</translation>
    </message>
    <message>
        <source>Speiseplan-Info</source>
        <translation>Подсказка по рациону</translation>
    </message>
    <message>
        <source>Hilfe zur Speiseplannutzung</source>
        <translation>Создавайте папки для приёмов пищи и наполняйте их на странице продукта кнопкой «Добавить в избранное». Коснитесь папки, чтобы сравнить её пищевую ценность с суточной нормой. Кнопка «Изменить» позволяет добавлять, упорядочивать и удалять папки, а также открывать их, чтобы изменить количество.</translation>
    </message>
    <message>
        <source>Später erinnern</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Create new folder</source>
        <translation>Создать новую папку</translation>
    </message>
    <message>
        <source>Folder Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder</source>
        <translation>Название папки не может быть длиннее 30 символов.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder2</source>
        <translation>Название папки не может содержать «|», управляющие символы и значки вроде эмодзи.</translation>
    </message>
    <message>
        <source>Der Ordner konnte nicht angelegt werden. Bitte versuchen Sie es noch einmal.</source>
        <translation>Не удалось создать папку. Пожалуйста, попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Menu List Item 1</source>
        <translation>Перекусы</translation>
    </message>
    <message>
        <source>Menu List Item 2</source>
        <translation>Завтрак</translation>
    </message>
    <message>
        <source>Menu List Item 3</source>
        <translation>Обед</translation>
    </message>
    <message>
        <source>Menu List Item 4</source>
        <translation>Ужин</translation>
    </message>
    <message>
        <source>Edit Consumption Title</source>
        <translation>Съеденное количество</translation>
    </message>
    <message>
        <source>Please Enter Consumption</source>
        <translation>Укажите, сколько вы съели или выпили, — все значения пересчитаются.</translation>
    </message>
    <message>
        <source>Consumption Amount in g/ml</source>
        <translation>Количество, г/мл</translation>
    </message>
    <message>
        <source>Consumption Amount Fat</source>
        <translation>Жиры, г</translation>
    </message>
    <message>
        <source>Consumption Amount Saturates</source>
        <translation>Насыщенные жиры, г</translation>
    </message>
    <message>
        <source>Consumption Amount Sugar</source>
        <translation>Сахар, г</translation>
    </message>
    <message>
        <source>Consumption Amount Salt</source>
        <translation>Соль, г</translation>
    </message>
    <message>
        <source>Consumption Amount Calories</source>
        <translation>Калории, ккал</translation>
    </message>
    <message>
        <source>Consumption Zero Hint</source>
        <translation>0 – изменить нельзя</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>%@ kcal</source>
        <translation>%@ ккал</translation>
    </message>
    <message>
        <source>%@ g</source>
        <translation>%@ г</translation>
    </message>
    <message>
        <source>%@ ml</source>
        <translation>%@ мл</translation>
    </message>
    <message>
        <source>%@ cm</source>
        <translation>%@ см</translation>
    </message>
    <message>
        <source>%@ kg</source>
        <translation>%@ кг</translation>
    </message>
    <message>
        <source>%@ lbs</source>
        <translation>%@ фнт</translation>
    </message>
    <message>
        <source>%@ (kg)</source>
        <translation>%@ (кг)</translation>
    </message>
    <message>
        <source>Getränke</source>
        <translation>Напитки</translation>
    </message>
    <message>
        <source>Milchprodukte</source>
        <translation>Молочные продукты</translation>
    </message>
    <message>
        <source>Käse</source>
        <translation>Сыры</translation>
    </message>
    <message>
        <source>Süßwaren</source>
        <translation>Сладости</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Снеки</translation>
    </message>
    <message>
        <source>Backwaren</source>
        <translation>Хлебобулочные изделия</translation>
    </message>
    <message>
        <source>Frühstück &amp; Cerealien</source>
        <translation>Завтраки и хлопья</translation>
    </message>
    <message>
        <source>Fertiggerichte</source>
        <translation>Готовые блюда</translation>
    </message>
    <message>
        <source>Fast Food</source>
        <translation>Фастфуд</translation>
    </message>
    <message>
        <source>Fleisch &amp; Wurst</source>
        <translation>Мясо и колбасы</translation>
    </message>
    <message>
        <source>Fisch</source>
        <translation>Рыба</translation>
    </message>
    <message>
        <source>Obst &amp; Gemüse</source>
        <translation>Фрукты и овощи</translation>
    </message>
    <message>
        <source>Teigwaren &amp; Reis</source>
        <translation>Макароны и рис</translation>
    </message>
    <message>
        <source>Saucen &amp; Gewürze</source>
        <translation>Соусы и приправы</translation>
    </message>
    <message>
        <source>Brotaufstriche</source>
        <translation>Пасты и намазки</translation>
    </message>
    <message>
        <source>Öle &amp; Fette</source>
        <translation>Масла и жиры</translation>
    </message>
    <message>
        <source>Kaffee &amp; Tee</source>
        <translation>Кофе и чай</translation>
    </message>
    <message>
        <source>Babynahrung</source>
        <translation>Детское питание</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>AmpelInfosText</source>
        <translation>&lt;h2&gt;Пищевой светофор&lt;/h2&gt;
&lt;p&gt;Для каждого продукта Tolvane оценивает &lt;b&gt;жиры&lt;/b&gt;, &lt;b&gt;насыщенные жиры&lt;/b&gt;, &lt;b&gt;сахар&lt;/b&gt; и &lt;b&gt;соль&lt;/b&gt; цветом светофора. Учитывается содержание на 100&amp;nbsp;г для твёрдых продуктов и на 100&amp;nbsp;мл для напитков.&lt;/p&gt;
&lt;table cellpadding="3" cellspacing="0"&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_green.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Зелёный&lt;/b&gt;: низкое содержание — хороший выбор.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_yellow.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Жёлтый&lt;/b&gt;: среднее содержание — в целом допустимо.&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;img src="pictures/ampel_red.svg" width="28" height="28"&gt;&lt;/td&gt;&lt;td&gt;&lt;b&gt;Красный&lt;/b&gt;: высокое содержание — лучше редко и понемногу.&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Границы на 100&amp;nbsp;г (твёрдые продукты)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Нутриент&lt;/th&gt;&lt;th&gt;Зелёный&lt;/th&gt;&lt;th&gt;Жёлтый&lt;/th&gt;&lt;th&gt;Красный&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Жиры&lt;/td&gt;&lt;td&gt;до 3&amp;nbsp;г&lt;/td&gt;&lt;td&gt;свыше 3 до 20&amp;nbsp;г&lt;/td&gt;&lt;td&gt;более 20&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Насыщенные жиры&lt;/td&gt;&lt;td&gt;до 1,5&amp;nbsp;г&lt;/td&gt;&lt;td&gt;свыше 1,5 до 5&amp;nbsp;г&lt;/td&gt;&lt;td&gt;более 5&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Сахар&lt;/td&gt;&lt;td&gt;до 5&amp;nbsp;г&lt;/td&gt;&lt;td&gt;свыше 5 до 12,5&amp;nbsp;г&lt;/td&gt;&lt;td&gt;более 12,5&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Соль&lt;/td&gt;&lt;td&gt;до 0,3&amp;nbsp;г&lt;/td&gt;&lt;td&gt;свыше 0,3 до 1,5&amp;nbsp;г&lt;/td&gt;&lt;td&gt;более 1,5&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Границы на 100&amp;nbsp;мл (напитки)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Нутриент&lt;/th&gt;&lt;th&gt;Зелёный&lt;/th&gt;&lt;th&gt;Жёлтый&lt;/th&gt;&lt;th&gt;Красный&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Жиры&lt;/td&gt;&lt;td&gt;до 1,5&amp;nbsp;г&lt;/td&gt;&lt;td&gt;свыше 1,5 до 10&amp;nbsp;г&lt;/td&gt;&lt;td&gt;более 10&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Насыщенные жиры&lt;/td&gt;&lt;td&gt;до 0,75&amp;nbsp;г&lt;/td&gt;&lt;td&gt;свыше 0,75 до 2,5&amp;nbsp;г&lt;/td&gt;&lt;td&gt;более 2,5&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Сахар&lt;/td&gt;&lt;td&gt;до 2,5&amp;nbsp;г&lt;/td&gt;&lt;td&gt;свыше 2,5 до 6,3&amp;nbsp;г&lt;/td&gt;&lt;td&gt;более 6,3&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Соль&lt;/td&gt;&lt;td&gt;до 0,3&amp;nbsp;г&lt;/td&gt;&lt;td&gt;свыше 0,3 до 1,5&amp;nbsp;г&lt;/td&gt;&lt;td&gt;более 1,5&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Значение, точно равное границе, получает более благоприятный цвет: 3&amp;nbsp;г жиров на 100&amp;nbsp;г — это ещё зелёный.&lt;/p&gt;
&lt;h3&gt;Лучше среднего&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_green_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_yellow_top.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_red_top.svg" width="28" height="28"&gt;&lt;br&gt;
Отмеченный светофор появляется, когда продукт содержит этого нутриента меньше, чем в среднем все продукты его категории. Так сразу видно, входит ли продукт в число лучших в своей группе, даже если он красный.&lt;/p&gt;
&lt;h3&gt;Калории&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_grey.svg" width="28" height="28"&gt; &lt;img src="pictures/ampel_grey_top.svg" width="28" height="28"&gt;&lt;br&gt;
Энергетическая ценность не оценивается цветом и всегда показывается серым; с отметкой — если она ниже средней по категории.&lt;/p&gt;
&lt;h3&gt;Нет данных&lt;/h3&gt;
&lt;p&gt;&lt;img src="pictures/ampel_neutral_ru.svg" width="28" height="28"&gt; Если на упаковке значение не указано, Tolvane показывает это нейтральное изображение без цифры.&lt;/p&gt;
&lt;p&gt;Подробнее о маркировке пищевой ценности в Швейцарии: &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;Федеральное ведомство безопасности пищевых продуктов и ветеринарии (BLV)&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;Нашли неверное значение? Напишите нам: &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BenutzungstipsText</source>
        <translation>&lt;h2&gt;Как пользоваться Tolvane&lt;/h2&gt;
&lt;h3&gt;Поиск&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;В списке все продукты расположены по алфавиту. Коснитесь буквы указателя справа, чтобы сразу перейти к ней; продукты, название которых начинается с цифры или знака, собраны в разделе &lt;b&gt;#&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Введите вверху часть названия продукта или производителя. При включённом мгновенном поиске результаты появляются прямо во время ввода, иначе нажмите Enter или лупу рядом с полем. Крестик ✕ рядом с полем возвращает полный список. Кнопка штрихкода рядом с ним считывает штрихкод упаковки камерой или с картинки.&lt;/li&gt;
&lt;li&gt;Коснитесь продукта, чтобы увидеть его пищевой светофор. Поверните устройство горизонтально или нажмите «Повернуть» рядом с подсказкой, чтобы в калькуляторе GDA увидеть, какую долю суточной нормы покрывает порция.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Обновление каталога&lt;/h3&gt;
&lt;p&gt;Кнопка с круглой стрелкой вверху экрана поиска загружает с сервера новые и изменённые продукты. Если соединение прервётся, следующее обновление продолжится с того места, где остановилось. Избранное сохраняется.&lt;/p&gt;
&lt;h3&gt;Категории&lt;/h3&gt;
&lt;p&gt;Здесь продукты распределены по группам, например напитки или хлебобулочные изделия. Поиск внутри категории находит только продукты этой категории.&lt;/p&gt;
&lt;h3&gt;Рацион&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;На странице продукта кнопка «Добавить в избранное» помещает его в одну или несколько папок, например «Завтрак» или «Обед». Продукт записывается в количестве 100&amp;nbsp;г или 100&amp;nbsp;мл.&lt;/li&gt;
&lt;li&gt;Коснитесь папки, чтобы сравнить её пищевую ценность с вашей личной суточной нормой.&lt;/li&gt;
&lt;li&gt;Кнопка «Изменить» позволяет создавать, упорядочивать и удалять папки; тогда касание папки показывает её продукты, а касание продукта позволяет изменить съеденное количество.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Настройки&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Язык&lt;/b&gt;, &lt;b&gt;Мгновенный поиск&lt;/b&gt; и &lt;b&gt;Метрические единицы&lt;/b&gt; — кнопки «i» поясняют каждую настройку.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Мои продукты&lt;/b&gt;: если продукта нет в каталоге, добавьте его сами кнопками «Изменить» и «+». Он сразу появится в поиске, категориях и рационе, а при следующем запуске будет отправлен нам, чтобы мы дополнили каталог.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Личный профиль&lt;/b&gt;: пол, возраст, рост, вес и активность определяют вашу суточную норму.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Контакты&lt;/h3&gt;
&lt;p&gt;Данные о продуктах и дополнения к каталогу: &lt;a href="update@tolvane.ch."&gt;update@tolvane.ch&lt;/a&gt;&lt;br&gt;
Вопросы и предложения по приложению: &lt;a href="support@tolvane.ch."&gt;support@tolvane.ch&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LocalizationInfoText</source>
        <translation>&lt;h2&gt;Язык&lt;/h2&gt;
&lt;p&gt;Приложение Tolvane доступно на немецком, английском, испанском, французском, итальянском и русском языках.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Автоматически&lt;/b&gt;: Tolvane использует язык вашего устройства. Если это не один из шести языков, Tolvane открывается на английском.&lt;/li&gt;
&lt;li&gt;Выберите язык из списка, если приложение всегда должно открываться на этом языке независимо от настроек устройства.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Новый язык вступает в силу при &lt;b&gt;следующем запуске&lt;/b&gt; приложения.&lt;/p&gt;
&lt;p&gt;Названия продуктов и производителей приводятся в каталоге так, как они напечатаны на упаковке, и не переводятся.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LiveSearchInfoText</source>
        <translation>&lt;h2&gt;Мгновенный поиск&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Включён&lt;/b&gt;: список результатов формируется прямо во время ввода и уточняется с каждой буквой.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Выключен&lt;/b&gt;: Tolvane ищет только после нажатия клавиши Enter или лупы рядом с полем поиска. Если ничего не найдено, введённый текст остаётся в поле. Это удобнее на старых устройствах и при очень большом каталоге.&lt;/p&gt;
&lt;h3&gt;Советы по поиску&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Tolvane ищет любую часть слова в названиях продуктов и производителей: «milch» находит и «Vollmilch».&lt;/li&gt;
&lt;li&gt;Регистр и диакритика не важны ни в каком алфавите: «молоко» находит «Молоко», «kase» находит «Käse»; ё считается как е (й остаётся й), ß как ss, ø как o. Номер штрихкода (8, 12, 13 или 14 цифр) находит свой продукт и показывает его первым. % означает любую последовательность символов, _ — ровно один символ.&lt;/li&gt;
&lt;li&gt;Крестик ✕ рядом с полем поиска очищает его и снова показывает полный список.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>MetrisheInfoText</source>
        <translation>&lt;h2&gt;Метрические единицы&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Включено&lt;/b&gt;: Tolvane считает в граммах, сантиметрах и килограммах.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Выключено&lt;/b&gt;: Tolvane использует американские единицы: унции (oz) в калькуляторе GDA, футы и дюймы для роста и фунты (lbs) для веса в личном профиле.&lt;/p&gt;
&lt;p&gt;Изменение сразу действует во всём приложении. Независимо от этой настройки пищевой светофор всегда относится к 100&amp;nbsp;г или 100&amp;nbsp;мл, как и данные на упаковке.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Infotext Profil</source>
        <translation>&lt;h2&gt;Личный профиль&lt;/h2&gt;
&lt;p&gt;По нескольким данным Tolvane рассчитывает для вас три показателя:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;ИМТ&lt;/b&gt; (индекс массы тела): соотношение веса и роста.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Идеальный вес&lt;/b&gt;: вес, при котором ваш ИМТ равен 22.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Калорий в день&lt;/b&gt;: суточная потребность в энергии по формуле Миффлина — Сан Жеора с учётом уровня активности.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Что нужно сделать&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;Установите колёсиками пол, возраст, рост и вес.&lt;/li&gt;
&lt;li&gt;Коснитесь строки «Уровень активности» и выберите, как проходит ваш день.&lt;/li&gt;
&lt;li&gt;Рассчитанную норму калорий можно заменить своей, например значением, которое назвал ваш диетолог.&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Ваша суточная норма служит мерой, с которой рацион сравнивает ваши приёмы пищи: нормы жиров, насыщенных жиров, сахара, соли и калорий пересчитываются пропорционально вашей норме калорий.&lt;/p&gt;
&lt;p&gt;Ваши данные остаются на вашем устройстве.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>BMI Infotext</source>
        <translation>&lt;h2&gt;Индекс массы тела (ИМТ)&lt;/h2&gt;
&lt;p&gt;ИМТ показывает соотношение массы тела и роста:&lt;/p&gt;
&lt;p&gt;&lt;b&gt;ИМТ = вес в кг ÷ (рост в м)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Пример: при весе 80&amp;nbsp;кг и росте 1,80&amp;nbsp;м получается 80 ÷ 3,24 = 24,7.&lt;/p&gt;
&lt;p&gt;В американских единицах Tolvane считает так: вес в фунтах × 703 ÷ (рост в дюймах)².&lt;/p&gt;
&lt;h3&gt;Классификация для взрослых (ВОЗ)&lt;/h3&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;ИМТ&lt;/th&gt;&lt;th&gt;Оценка&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;менее 18,5&lt;/td&gt;&lt;td&gt;недостаточный вес&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;от 18,5 до 24,9&lt;/td&gt;&lt;td&gt;нормальный вес&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;от 25 до 29,9&lt;/td&gt;&lt;td&gt;избыточный вес&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;30 и более&lt;/td&gt;&lt;td&gt;ожирение&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;ИМТ — лишь приблизительный ориентир. Он не различает мышцы и жир и не применяется к детям, беременным и спортсменам. Если сомневаетесь, посоветуйтесь с врачом.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Ideal Weight Infotext</source>
        <translation>&lt;h2&gt;Идеальный вес&lt;/h2&gt;
&lt;p&gt;Идеальным Tolvane называет вес, при котором ваш ИМТ равен ровно 22, — середину нормального диапазона:&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Идеальный вес = 22 × (рост в м)²&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Примеры: при росте 1,65&amp;nbsp;м — 59,9&amp;nbsp;кг, при росте 1,80&amp;nbsp;м — 71,3&amp;nbsp;кг.&lt;/p&gt;
&lt;p&gt;Здоровым считается любой вес в пределах нормы (ИМТ от 18,5 до 24,9). Поэтому идеальный вес — это ориентир, а не цель, которой нужно достичь с точностью до килограмма.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Activity Level Infotext</source>
        <translation>&lt;h2&gt;Уровень активности&lt;/h2&gt;
&lt;p&gt;Сколько энергии вам нужно, во многом зависит от того, сколько вы двигаетесь в течение дня. Tolvane умножает ваш основной обмен на коэффициент:&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Уровень активности&lt;/th&gt;&lt;th&gt;Коэф.&lt;/th&gt;&lt;th&gt;Примеры&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Сидя или лёжа&lt;/td&gt;&lt;td&gt;1,2&lt;/td&gt;&lt;td&gt;большую часть времени в постели или в кресле, почти без движения&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Только сидя&lt;/td&gt;&lt;td&gt;1,375&lt;/td&gt;&lt;td&gt;офисная работа, мало движения в свободное время&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;В основном сидя&lt;/td&gt;&lt;td&gt;1,55&lt;/td&gt;&lt;td&gt;офис с пешими переходами, учёба, немного регулярного спорта&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;В основном стоя&lt;/td&gt;&lt;td&gt;1,725&lt;/td&gt;&lt;td&gt;торговля, ремесло, обслуживание, уход за больными&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Тяжёлый физический труд&lt;/td&gt;&lt;td&gt;1,9&lt;/td&gt;&lt;td&gt;стройка, сельское хозяйство, профессиональный спорт&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Коснитесь строки «Уровень активности» в профиле, чтобы выбрать свой уровень. Пока уровень не выбран, Tolvane не рассчитывает норму калорий.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Daily Calories Infotext</source>
        <translation>&lt;h2&gt;Суточная норма калорий&lt;/h2&gt;
&lt;p&gt;Сначала Tolvane рассчитывает ваш основной обмен по формуле &lt;b&gt;Миффлина — Сан Жеора&lt;/b&gt;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Мужчины: 10 × вес (кг) + 6,25 × рост (см) − 5 × возраст + 5&lt;/li&gt;
&lt;li&gt;Женщины: 10 × вес (кг) + 6,25 × рост (см) − 5 × возраст − 161&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Основной обмен умножается на коэффициент вашего уровня активности (от 1,2 до 1,9) и округляется до целых килокалорий.&lt;/p&gt;
&lt;p&gt;Пример: мужчина, 30 лет, 180&amp;nbsp;см, 80&amp;nbsp;кг, в основном сидя: (800 + 1125 − 150 + 5) × 1,55 = 2759&amp;nbsp;ккал.&lt;/p&gt;
&lt;h3&gt;Своё значение&lt;/h3&gt;
&lt;p&gt;Если вы знаете свою норму точнее, введите её сами (от 1 до 9999&amp;nbsp;ккал). Она действует, пока вы не измените возраст, рост, вес, пол или уровень активности.&lt;/p&gt;
&lt;h3&gt;Для чего нужно это значение&lt;/h3&gt;
&lt;p&gt;Рацион пересчитывает суточные нормы (70&amp;nbsp;г жиров, 20&amp;nbsp;г насыщенных жиров, 90&amp;nbsp;г сахара и 6&amp;nbsp;г соли при 2000&amp;nbsp;ккал) под вашу потребность: например, при 2500&amp;nbsp;ккал норма жиров составляет 87,5&amp;nbsp;г.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>GDAInfoText</source>
        <translation>&lt;h2&gt;GDA — ориентировочные суточные нормы&lt;/h2&gt;
&lt;p&gt;GDA (Guideline Daily Amounts) показывают, сколько каждого нутриента среднему взрослому следует получать в день:&lt;/p&gt;
&lt;table border="1" cellpadding="3" cellspacing="0" width="100%"&gt;
&lt;tr&gt;&lt;th&gt;Нутриент&lt;/th&gt;&lt;th&gt;Норма в день&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Жиры&lt;/td&gt;&lt;td&gt;70&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Насыщенные жиры&lt;/td&gt;&lt;td&gt;20&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Сахар&lt;/td&gt;&lt;td&gt;90&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Соль&lt;/td&gt;&lt;td&gt;6&amp;nbsp;г&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Калории&lt;/td&gt;&lt;td&gt;2000&amp;nbsp;ккал&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;h3&gt;Как работает калькулятор GDA&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Каждый столбец показывает, какую долю суточной нормы даёт одна порция продукта; полный столбец соответствует 100 % нормы.&lt;/li&gt;
&lt;li&gt;Введите внизу размер порции в граммах или миллилитрах (не более 5 знаков). Без ввода Tolvane считает для 100&amp;nbsp;г.&lt;/li&gt;
&lt;li&gt;Коснитесь столбца, чтобы увидеть, сколько этого нутриента в вашей порции, например 30&amp;nbsp;г жиров.&lt;/li&gt;
&lt;li&gt;Больше 100 % тоже возможно: число показывает полную долю, а столбец упирается в верхний край.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Пример: 150&amp;nbsp;г продукта, содержащего 20&amp;nbsp;г жиров на 100&amp;nbsp;г, дают 30&amp;nbsp;г жиров, то есть 42 % от 70&amp;nbsp;г.&lt;/p&gt;
&lt;p&gt;Верните устройство в вертикальное положение или нажмите «Назад» вверху слева, чтобы снова увидеть пищевой светофор.&lt;/p&gt;
&lt;p&gt;Подробнее о маркировке пищевой ценности: &lt;a href="https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html"&gt;BLV — декларация пищевой ценности&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%d von %d Produkten geladen</source>
        <translation>Загружено %d из %d продуктов</translation>
    </message>
    <message>
        <source>Seite %d von %d</source>
        <translation>страница %d из %d</translation>
    </message>
    <message>
        <source>Die Datenbank %@ ist beschädigt und kann nicht gelesen werden. Die Datei bleibt unverändert; Tolvane wird beendet.</source>
        <translation>База данных %@ повреждена и не может быть прочитана. Файл остаётся без изменений; Tolvane будет закрыт.</translation>
    </message>
    <message>
        <source>Neben der Datenbank %@ liegt das Journal eines unterbrochenen Schreibvorgangs, den Tolvane nur in einem beschreibbaren Ordner abschließen kann. Bitte machen Sie den Ordner beschreibbar; die Datei bleibt unverändert. Tolvane wird beendet.</source>
        <translation>Рядом с базой данных %@ находится журнал прерванной записи, который Tolvane может завершить только в папке, доступной для записи. Сделайте папку доступной для записи; файл остаётся без изменений. Tolvane будет закрыт.</translation>
    </message>
    <message>
        <source>Die Datenbank %@ wird von einem anderen Programm benutzt. Die Datei bleibt unverändert; Tolvane wird beendet. Bitte starten Sie Tolvane später erneut.</source>
        <translation>База данных %@ используется другой программой. Файл остаётся без изменений; Tolvane будет закрыт. Пожалуйста, запустите Tolvane позже.</translation>
    </message>
    <message>
        <source>Der Ordner %@ ist schreibgeschützt. Tolvane zeigt Ihre Daten an, kann aber keine Änderungen speichern.</source>
        <translation>Папка %@ защищена от записи. Tolvane показывает ваши данные, но не может сохранять изменения.</translation>
    </message>
    <message>
        <source>Tolvane läuft bereits mit diesem Datenordner. Bitte verwenden Sie das geöffnete Fenster.</source>
        <translation>Tolvane уже запущен с этой папкой данных. Пожалуйста, используйте открытое окно.</translation>
    </message>
    <message>
        <source>Tolvane kann seine Sperrdatei %@ nicht übernehmen. Bitte löschen Sie diese Datei und starten Sie Tolvane erneut.</source>
        <translation>Tolvane не может занять свой файл блокировки %@. Пожалуйста, удалите этот файл и запустите Tolvane снова.</translation>
    </message>
    <message>
        <source>Die Antwort des Servers konnte nicht gelesen werden. Bitte versuchen Sie es später erneut.</source>
        <translation>Не удалось прочитать ответ сервера. Пожалуйста, повторите попытку позже.</translation>
    </message>
    <message>
        <source>Der Katalog ist auf dem neuesten Stand.</source>
        <translation>Каталог в актуальном состоянии.</translation>
    </message>
    <message>
        <source>Produkt bearbeiten</source>
        <translation>Изменить продукт</translation>
    </message>
    <message>
        <source>Es wurde kein E-Mail-Programm gefunden. Schreiben Sie uns an:</source>
        <translation>Почтовая программа не найдена. Напишите нам по адресу:</translation>
    </message>
    <message>
        <source>Adresse kopieren</source>
        <translation>Скопировать адрес</translation>
    </message>
    <message>
        <source>Dieser Ordner ist leer. Fügen Sie Produkte über deren Detailansicht hinzu.</source>
        <translation>Эта папка пуста. Добавляйте продукты с экрана их описания.</translation>
    </message>
    <message>
        <source>Pop-Up Add Folder Exists</source>
        <translation>Папка с таким названием уже есть.</translation>
    </message>
    <message>
        <source>Add Folder Anyway</source>
        <translation>Всё равно создать</translation>
    </message>
    <message>
        <source>GDA Portion Not A Number</source>
        <translation>Введите размер порции числом, например 150.</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>,</translation>
    </message>
    <message>
        <source>No Data Sign</source>
        <translation>н/д</translation>
    </message>
    <message>
        <source>Thousands Separator</source>
        <translation> </translation>
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
        <translation>%@ унц.</translation>
    </message>
    <message>
        <source>%@ (lbs)</source>
        <translation>%@ (фнт)</translation>
    </message>
    <message>
        <source>Accessible Search Field</source>
        <translation>Поисковый запрос</translation>
    </message>
    <message>
        <source>Accessible Search Field Description</source>
        <translation>Введите название продукта, производителя или штрихкод; Enter запускает поиск</translation>
    </message>
    <message>
        <source>Accessible Search Button Description</source>
        <translation>Ищет введённый текст</translation>
    </message>
    <message>
        <source>Accessible Cancel Search</source>
        <translation>Отменить поиск</translation>
    </message>
    <message>
        <source>Accessible Cancel Search Description</source>
        <translation>Очищает поле поиска и снова показывает все продукты</translation>
    </message>
    <message>
        <source>Accessible Scan Description</source>
        <translation>Считывает штрихкод продукта камерой или с изображения</translation>
    </message>
    <message>
        <source>Accessible Product List</source>
        <translation>Список продуктов</translation>
    </message>
    <message>
        <source>Accessible Category List</source>
        <translation>Список категорий</translation>
    </message>
    <message>
        <source>Accessible List Description</source>
        <translation>Стрелки выбирают строку, Enter открывает её</translation>
    </message>
    <message>
        <source>Accessible Editable List Description</source>
        <translation>Стрелки выбирают строку, Enter открывает её; при правке Delete и затем Enter удаляют её, Alt+стрелка перемещает</translation>
    </message>
    <message>
        <source>Accessible Refresh</source>
        <translation>Обновить каталог</translation>
    </message>
    <message>
        <source>Accessible Refresh Description</source>
        <translation>Загружает с сервера новые и изменённые продукты</translation>
    </message>
    <message>
        <source>Accessible Back</source>
        <translation>Назад на предыдущую страницу</translation>
    </message>
    <message>
        <source>Accessible Back Description</source>
        <translation>Также клавишей Escape или Alt+влево</translation>
    </message>
    <message>
        <source>Accessible Tab Description</source>
        <translation>Вкладка; стрелки переключают на следующую вкладку</translation>
    </message>
    <message>
        <source>Accessible Favorite Description</source>
        <translation>Выбирает папки плана питания для этого продукта</translation>
    </message>
    <message>
        <source>Accessible Remove Favorite Description</source>
        <translation>Убирает продукт из всех папок</translation>
    </message>
    <message>
        <source>Accessible Turn Description</source>
        <translation>Показывает калькулятор дневной нормы (также Ctrl+влево)</translation>
    </message>
    <message>
        <source>Accessible Folder Picker</source>
        <translation>Выбор папок</translation>
    </message>
    <message>
        <source>Accessible Folder Picker Description</source>
        <translation>Стрелки выбирают папку, пробел ставит или снимает отметку</translation>
    </message>
    <message>
        <source>Accessible Done Description</source>
        <translation>Завершает ввод</translation>
    </message>
    <message>
        <source>Accessible Cancel Description</source>
        <translation>Отменяет ввод</translation>
    </message>
    <message>
        <source>Accessible Portion</source>
        <translation>Размер порции</translation>
    </message>
    <message>
        <source>Accessible Portion Description</source>
        <translation>Количество в граммах или миллилитрах; столбцы показывают долю дневной нормы</translation>
    </message>
    <message>
        <source>Accessible Info Description</source>
        <translation>Открывает пояснение</translation>
    </message>
    <message>
        <source>Accessible Turn Back Description</source>
        <translation>Возвращает к странице продукта (также Ctrl+вверх)</translation>
    </message>
    <message>
        <source>Accessible Folder List</source>
        <translation>Список папок</translation>
    </message>
    <message>
        <source>Accessible Folder Contents</source>
        <translation>Продукты в папке</translation>
    </message>
    <message>
        <source>Accessible New Folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Accessible New Product</source>
        <translation>Новый продукт</translation>
    </message>
    <message>
        <source>Accessible Edit Description</source>
        <translation>Включает или выключает удаление и перемещение</translation>
    </message>
    <message>
        <source>Accessible Add Description</source>
        <translation>Создаёт новую запись</translation>
    </message>
    <message>
        <source>Accessible About Language</source>
        <translation>О выборе языка</translation>
    </message>
    <message>
        <source>Accessible About Live Search</source>
        <translation>О мгновенном поиске</translation>
    </message>
    <message>
        <source>Accessible About Metric Units</source>
        <translation>О метрических единицах</translation>
    </message>
    <message>
        <source>Accessible About Personal Profile</source>
        <translation>О личном профиле</translation>
    </message>
    <message>
        <source>Accessible About BMI</source>
        <translation>Об ИМТ</translation>
    </message>
    <message>
        <source>Accessible About Ideal Weight</source>
        <translation>Об идеальном весе</translation>
    </message>
    <message>
        <source>Accessible About Activity Level</source>
        <translation>Об уровне активности</translation>
    </message>
    <message>
        <source>Accessible About Daily Calories</source>
        <translation>О калориях в день</translation>
    </message>
    <message>
        <source>Accessible Switch Description</source>
        <translation>Пробел включает или выключает</translation>
    </message>
    <message>
        <source>Accessible Row Description</source>
        <translation>Пробел или Enter выбирает эту строку</translation>
    </message>
    <message>
        <source>Accessible Mail Description</source>
        <translation>Открывает новое письмо в поддержку</translation>
    </message>
    <message>
        <source>Accessible Copy Address Description</source>
        <translation>Копирует адрес в буфер обмена</translation>
    </message>
    <message>
        <source>Accessible Help Page</source>
        <translation>Справочный текст</translation>
    </message>
    <message>
        <source>Accessible Help Page Description</source>
        <translation>Tab переходит к ссылкам, Enter открывает их</translation>
    </message>
    <message>
        <source>Accessible Wheel Description</source>
        <translation>Стрелки вращают колесо</translation>
    </message>
    <message>
        <source>Accessible Field Description</source>
        <translation>Поле ввода; Tab переходит к следующему</translation>
    </message>
    <message>
        <source>Accessible Picker Field Description</source>
        <translation>Пробел открывает выбор</translation>
    </message>
    <message>
        <source>Accessible Dot</source>
        <translation>Точка</translation>
    </message>
    <message>
        <source>Accessible Comma</source>
        <translation>Запятая</translation>
    </message>
    <message>
        <source>Accessible Input Bar Description</source>
        <translation>Клавиша панели над полем ввода</translation>
    </message>
    <message>
        <source>Accessible Delete %@</source>
        <translation>Удалить: %@</translation>
    </message>
    <message>
        <source>Accessible Move Up %@</source>
        <translation>Переместить вверх: %@</translation>
    </message>
    <message>
        <source>Accessible Move Down %@</source>
        <translation>Переместить вниз: %@</translation>
    </message>
    <message>
        <source>Accessible Own Product Description</source>
        <translation>Добавляет продукт как собственный</translation>
    </message>
    <message>
        <source>Accessible Choose Picture Description</source>
        <translation>Открывает изображение со штрихкодом</translation>
    </message>
    <message>
        <source>Accessible Save Description</source>
        <translation>Сохраняет продукт</translation>
    </message>
    <message>
        <source>Accessible Gender</source>
        <translation>Пол</translation>
    </message>
    <message>
        <source>Accessible Age</source>
        <translation>Возраст</translation>
    </message>
    <message>
        <source>Accessible Height</source>
        <translation>Рост</translation>
    </message>
    <message>
        <source>Accessible Weight</source>
        <translation>Вес</translation>
    </message>
    <message>
        <source>Accessible Slider Description</source>
        <translation>Стрелки изменяют значение</translation>
    </message>
    <message>
        <source>Accessible Nutrition Table</source>
        <translation>Таблица пищевой ценности</translation>
    </message>
    <message>
        <source>Accessible Light Green</source>
        <translation>зелёный свет</translation>
    </message>
    <message>
        <source>Accessible Light Yellow</source>
        <translation>жёлтый свет</translation>
    </message>
    <message>
        <source>Accessible Light Red</source>
        <translation>красный свет</translation>
    </message>
    <message>
        <source>Accessible Light None</source>
        <translation>нет данных</translation>
    </message>
    <message>
        <source>Remove Favourite Question</source>
        <translation>Этот продукт есть в ваших папках: %d, запланировано %@ ккал. Убрать его из всех?</translation>
    </message>
    <message>
        <source>Delete Filed Own Product Question</source>
        <translation>Этот продукт есть в ваших папках: %d, запланировано %@ ккал. Удалить его и убрать из всех?</translation>
    </message>
    <message>
        <source>Product Gone Message</source>
        <translation>Этого продукта больше нет: он был удалён. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Accessible Hits</source>
        <translation>Найдено: %d</translation>
    </message>
    <message>
        <source>Accessible Below Average</source>
        <translation>ниже среднего по категории</translation>
    </message>
    <message>
        <source>Accessible Scroll Bar</source>
        <translation>Полоса прокрутки</translation>
    </message>
    <message>
        <source>Accessible GDA Bars</source>
        <translation>Доля суточной нормы</translation>
    </message>
    <message>
        <source>Accessible Portion Clear</source>
        <translation>Очистить порцию</translation>
    </message>
    <message>
        <source>Accessible Slider Name</source>
        <translation>%@ (ползунок)</translation>
    </message>
    <message>
        <source>Tagebuch</source>
        <translation>Дневник</translation>
    </message>
    <message>
        <source>Frühstück</source>
        <translation>Завтрак</translation>
    </message>
    <message>
        <source>Mittagessen</source>
        <translation>Обед</translation>
    </message>
    <message>
        <source>Abendessen</source>
        <translation>Ужин</translation>
    </message>
    <message>
        <source>Gegessen</source>
        <translation>Съедено</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Diary Week</source>
        <translation>Неделя</translation>
    </message>
    <message>
        <source>Diary Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Diary Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Diary Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Diary Meal</source>
        <translation>Приём пищи</translation>
    </message>
    <message>
        <source>Diary Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Diary Chart</source>
        <translation>Энергия по дням</translation>
    </message>
    <message>
        <source>Diary Target</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>Diary Day Totals</source>
        <translation>День в сравнении с потребностью</translation>
    </message>
    <message>
        <source>Diary %@ of %@</source>
        <translation>%@ из %@</translation>
    </message>
    <message>
        <source>Diary %@ kcal left</source>
        <translation>Осталось %@ ккал на день</translation>
    </message>
    <message>
        <source>Diary %@ kcal over</source>
        <translation>На %@ ккал больше дневной нормы</translation>
    </message>
    <message>
        <source>Diary Fixed References</source>
        <translation>Без суточной нормы калорий в личном профиле используются нормы для 2000 ккал.</translation>
    </message>
    <message>
        <source>Diary Read Failed</source>
        <translation>Дневник сейчас не удаётся прочитать. Ничего не потеряно; попробуйте позже.</translation>
    </message>
    <message>
        <source>Diary Write Failed</source>
        <translation>Запись не удалось сохранить; дневник не изменён.</translation>
    </message>
    <message>
        <source>Diary Amount Refused</source>
        <translation>Введите количество больше 0.</translation>
    </message>
    <message>
        <source>Diary Delete Question</source>
        <translation>Удалить эту запись из дневника?</translation>
    </message>
    <message>
        <source>Diary Quick %@</source>
        <translation>%@</translation>
    </message>
    <message>
        <source>Diary Pack %@</source>
        <translation>Пачка %@</translation>
    </message>
    <message>
        <source>Diary Last %@</source>
        <translation>Ранее %@</translation>
    </message>
    <message>
        <source>Diary Folder Logged %@</source>
        <translation>В сегодняшний дневник записано продуктов: %@.</translation>
    </message>
    <message>
        <source>Eat Folder Today</source>
        <translation>Съедено сегодня</translation>
    </message>
    <message>
        <source>Diary Locale</source>
        <translation>ru_RU</translation>
    </message>
    <message>
        <source>Accessible Diary Previous</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Accessible Diary Next</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Description</source>
        <translation>Показывает предыдущий день</translation>
    </message>
    <message>
        <source>Accessible Diary Next Description</source>
        <translation>Показывает следующий день</translation>
    </message>
    <message>
        <source>Accessible Diary Previous Span Description</source>
        <translation>Показывает предыдущий период</translation>
    </message>
    <message>
        <source>Accessible Diary Next Span Description</source>
        <translation>Показывает следующий период</translation>
    </message>
    <message>
        <source>Accessible Diary Date Description</source>
        <translation>Выбрать дату</translation>
    </message>
    <message>
        <source>Accessible Diary Today Description</source>
        <translation>Показывает сегодняшний день</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Description</source>
        <translation>Открывает график энергии по дням; день на нём открывает этот день</translation>
    </message>
    <message>
        <source>Accessible Diary Entry Description</source>
        <translation>Открывает запись для изменения, переноса или удаления</translation>
    </message>
    <message>
        <source>Accessible Diary Amount</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Accessible Diary Amount Description</source>
        <translation>Съеденное количество</translation>
    </message>
    <message>
        <source>Accessible Diary Quick Description</source>
        <translation>Устанавливает это количество</translation>
    </message>
    <message>
        <source>Accessible Diary Time Description</source>
        <translation>Время приёма пищи</translation>
    </message>
    <message>
        <source>Accessible Diary Meal Description</source>
        <translation>Приём пищи для записи</translation>
    </message>
    <message>
        <source>Accessible Diary Save Description</source>
        <translation>Сохраняет запись в дневнике</translation>
    </message>
    <message>
        <source>Accessible Diary Delete Description</source>
        <translation>Удаляет запись после подтверждения</translation>
    </message>
    <message>
        <source>Accessible Eaten Description</source>
        <translation>Записывает этот продукт в дневник</translation>
    </message>
    <message>
        <source>Accessible Eat Folder Description</source>
        <translation>Записывает каждый продукт папки с его количеством в сегодняшний дневник</translation>
    </message>
    <message>
        <source>Datensicherung</source>
        <translation>Резервная копия</translation>
    </message>
    <message>
        <source>    Datensicherung</source>
        <translation>    Резервная копия</translation>
    </message>
    <message>
        <source>Backup Export</source>
        <translation>Экспортировать всё</translation>
    </message>
    <message>
        <source>Backup Import</source>
        <translation>Импортировать копию</translation>
    </message>
    <message>
        <source>Backup File Filter</source>
        <translation>Копия Tolvane</translation>
    </message>
    <message>
        <source>Backup Import Question</source>
        <translation>Копия объединяется с вашими данными: записи дневника, свои продукты и папки меню добавляются, если их нет. Личный профиль и настройки заменяются данными из копии. Продолжить?</translation>
    </message>
    <message>
        <source>Backup Import Confirm</source>
        <translation>Импортировать</translation>
    </message>
    <message>
        <source>Backup Exported</source>
        <translation>Резервная копия записана.</translation>
    </message>
    <message>
        <source>Backup Export Failed</source>
        <translation>Не удалось записать копию. Выберите другое место.</translation>
    </message>
    <message>
        <source>Backup Imported</source>
        <translation>Резервная копия импортирована.</translation>
    </message>
    <message>
        <source>Backup Import Failed</source>
        <translation>Не удалось принять копию; ничего не изменено.</translation>
    </message>
    <message>
        <source>Backup Refused Damaged</source>
        <translation>Файл повреждён или неполон. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Backup Refused Foreign</source>
        <translation>Файл не является копией Tolvane. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Backup Refused Newer</source>
        <translation>Копия создана более новой версией Tolvane. Обновите Tolvane. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Accessible Diary Row Description</source>
        <translation>Открывает дневник на сегодняшнем дне</translation>
    </message>
    <message>
        <source>Diary Snacks</source>
        <translation>Перекусы</translation>
    </message>
    <message>
        <source>Accessible Own Product List</source>
        <translation>Список своих продуктов</translation>
    </message>
    <message>
        <source>Discard Typed Product Question</source>
        <translation>Введённые данные о продукте ещё не сохранены. Отбросить их?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Отбросить</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Продолжить ввод</translation>
    </message>
    <message>
        <source>Accessible Added To %@</source>
        <translation>Добавлено в «%@»</translation>
    </message>
    <message>
        <source>Diary Reference</source>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Diary Chart Nutrient</source>
        <translation>Нутриент</translation>
    </message>
    <message>
        <source>Accessible Diary Chart Nutrient Description</source>
        <translation>Выбирает нутриент, который второй график показывает по дням</translation>
    </message>
    <message>
        <source>Diary Folder Logged One</source>
        <translation>В сегодняшний дневник записан 1 продукт.</translation>
    </message>
</context>
</TS>
