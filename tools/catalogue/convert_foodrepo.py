#!/usr/bin/env python3
"""Turn a FoodRepo CSV export into the catalogue source files.

    convert_foodrepo.py FOODREPO.csv OUTDIR [--stats]

Writes OUTDIR/products.tsv and OUTDIR/categories.tsv. Deterministic: the same
input always gives the same output. Python 3 standard library only.

Data: FoodRepo (foodrepo.org / openfood.ch), CC BY 4.0.
"""

import csv
import datetime
import hashlib
import re
import sys
import unicodedata
from pathlib import Path

NO_DATA = "keine Angaben"

HEADER = [
    "Produktname", "Hersteller", "Kategorie", "Ampel-Flagge", "Hersteller-Info", "Aufnahmedatum",
    "Abendessen-Tauglich", "Einheit", "Energiewert in KJ", "Energiewert in kcal", "Kohlenhydrate",
    "Zucker", "Fett", "ges. Fette", "Salz / Natrium", "Ballaststoffe", "Eiweis", "Transfettsauren",
    "Starke", "mehrwertige Alkohole", "einfach ungesattigte Fettsauren",
    "mehrfach ungesattigte Fettsauren", "Cholesterin", "GTIN", "ID",
]

CATEGORIES = [
    "Getränke", "Milchprodukte", "Käse", "Süßwaren", "Snacks", "Backwaren",
    "Frühstück & Cerealien", "Fertiggerichte", "Fast Food", "Fleisch & Wurst", "Fisch",
    "Obst & Gemüse", "Teigwaren & Reis", "Saucen & Gewürze", "Brotaufstriche", "Öle & Fette",
    "Kaffee & Tee", "Babynahrung", "Sonstiges",
]
CATCH_ALL = "Sonstiges"

# Brands as they are written at the start of names. Each entry: the maker shown in the
# catalogue and the spellings (compared case- and accent-insensitively, longest first).
# Retailer lines go before the retailer so "Coop Naturaplan" gives "Naturaplan".
BRANDS = [
    ("Naturaplan", ["coop naturaplan", "coop naturalplan", "coop, naturaplan", "naturaplan"]),
    ("Qualité & Prix", ["coop qualite & prix", "coop qualite&prix", "coop qualite et prix",
                        "coop qualite", "qualite & prix", "qualite&prix", "qualite et prix"]),
    ("Prix Garantie", ["coop prix garantie", "prix garantie", "prixgarantie", "coop pr!x",
                       "coop prix", "pr!x garantie"]),
    ("Betty Bossi", ["coop betty bossi", "coop, betty bossi", "betty bossi"]),
    ("Fine Food", ["coop fine food", "coop fine", "fine food"]),
    ("Naturafarm", ["coop naturafarm", "naturafarm"]),
    ("Karma", ["coop karma"]),
    ("Free From", ["coop freefrom", "coop free from", "coop freeform"]),
    ("JaMaDu", ["coop jamadu", "jamadu"]),
    ("Fait Maison", ["coop fait maison", "fait maison"]),
    ("Délicorn", ["coop delicorn"]),
    ("Coop", ["coop"]),
    ("M-Budget", ["migros m-budget", "migros m budget", "m-budget", "m budget", "mbudget"]),
    ("M-Classic", ["migros m-classic", "migros m classic", "m-classic", "m classic", "mclassic"]),
    ("Migros Bio", ["migros bio"]),
    ("Migros Sélection", ["migros selection", "selection migros"]),
    ("Anna's Best", ["anna's best", "annas best", "anna's"]),
    ("Léger", ["migros leger"]),
    ("Subito", ["migros subito", "subito"]),
    ("Patissier", ["migros patissier", "patissier"]),
    ("Actilife", ["migros actilife", "actilife"]),
    ("Bischofszell", ["bischofszell"]),
    ("Midor", ["midor"]),
    ("Frey", ["chocolat frey", "frey"]),
    ("Bon Chef", ["bon chef"]),
    ("Farmer", ["farmer"]),
    ("Sun Queen", ["sun queen"]),
    ("Terrasuisse", ["terrasuisse"]),
    ("Cornatur", ["cornatur"]),
    ("Chirat", ["chirat"]),
    ("Délifit", ["delifit"]),
    ("Elsa", ["elsa"]),
    ("Optigal", ["optigal"]),
    ("Aproz", ["aproz"]),
    ("Saitaku", ["saitaku"]),
    ("Mifloc", ["mifloc"]),
    ("Migros", ["migros"]),
    ("Denner", ["denner"]),
    ("Alnatura", ["alnatura", "altanatura"]),
    ("Alnavit", ["alnavit"]),
    ("Nestlé", ["nestle"]),
    ("Nescafé", ["nescafe"]),
    ("Knorr", ["knorr"]),
    ("Lindt", ["lindt & sprungli", "lindt"]),
    ("Emmi", ["emmi"]),
    ("Barilla", ["academia barilla", "barilla"]),
    ("Hipp", ["hipp"]),
    ("Cailler", ["cailler"]),
    ("Hero", ["hero"]),
    ("Bell", ["bell"]),
    ("Maggi", ["maggi"]),
    ("Kambly", ["kambly"]),
    ("Pelican", ["pelican"]),
    ("Lipton", ["lipton"]),
    ("Bonne Maman", ["bonne maman"]),
    ("Dr. Oetker", ["dr. oetker", "dr.oetker", "dr oetker"]),
    ("Ricola", ["ricola"]),
    ("Twinings", ["twinings"]),
    ("Zweifel", ["zweifel"]),
    ("Kellogg's", ["kellogg's", "kelloggs"]),
    ("Kinder", ["kinder"]),
    ("Roland", ["roland"]),
    ("Thomy", ["thomy"]),
    ("Veganz", ["veganz"]),
    ("Uncle Ben's", ["uncle ben's", "uncle bens"]),
    ("Yoplait", ["yoplait"]),
    ("Findus", ["findus"]),
    ("Danone", ["danone"]),
    ("Heinz", ["heinz"]),
    ("Blévita", ["blevita"]),
    ("Pancho Villa", ["pancho villa"]),
    ("Andros", ["andros"]),
    ("Seeberger", ["seeberger"]),
    ("Valflora", ["valflora"]),
    ("Agnesi", ["agnesi"]),
    ("Rapelli", ["rapelli"]),
    ("Morga", ["morga"]),
    ("Wernli", ["wernli"]),
    ("Schär", ["schar"]),
    ("Haribo", ["haribo"]),
    ("Malbuner", ["malbuner"]),
    ("Ovomaltine", ["ovomaltine"]),
    ("Mövenpick", ["movenpick"]),
    ("Toblerone", ["toblerone"]),
    ("Chop Stick", ["chop stick"]),
    ("Cremo", ["cremo"]),
    ("Walkers", ["walkers"]),
    ("Villars", ["villars"]),
    ("Coca-Cola", ["coca-cola", "coca cola"]),
    ("Balisto", ["balisto"]),
    ("Condy", ["condy"]),
    ("Ferrero", ["ferrero"]),
    ("Volvic", ["volvic"]),
    ("Tetley", ["tetley"]),
    ("Milco", ["milco"]),
    ("Galbani", ["galbani"]),
    ("Ramseier", ["ramseier"]),
    ("Ragusa", ["ragusa"]),
    ("Milupa", ["milupa"]),
    ("Sarasay", ["sarasay"]),
    ("Sojasun", ["sojasun"]),
    ("Fleury Michon", ["fleury michon"]),
    ("Rio Mare", ["rio mare"]),
    ("Innocent", ["innocent"]),
    ("Kühne", ["kuhne"]),
    ("Bonherba", ["bonherba"]),
    ("Buitoni", ["buitoni"]),
    ("Cirio", ["cirio"]),
    ("Teekanne", ["teekanne"]),
    ("Familia", ["familia"]),
    ("Blue Elephant", ["blue elephant"]),
    ("Giovanni Rana", ["giovanni rana"]),
    ("Brioche Pasquier", ["brioche pasquier"]),
    ("Old El Paso", ["old el paso"]),
    ("Belle France", ["belle france"]),
    ("Thai Kitchen", ["thai kitchen"]),
    ("Crème d'Or", ["creme d'or"]),
    ("Créa d'Or", ["crea d'or"]),
    ("De Cecco", ["de cecco"]),
    ("Ben & Jerry's", ["ben & jerry's", "ben&jerry's", "ben & jerrys"]),
    ("Red Bull", ["red bull"]),
    ("Mei Yang", ["mei yang"]),
    ("Granini", ["granini"]),
    ("Del Monte", ["del monte"]),
    ("St. Dalfour", ["st. dalfour", "st dalfour"]),
    ("Hugo Reitzel", ["hugo reitzel"]),
    ("Sabo", ["sabo"]),
    ("Golden Sun", ["golden sun"]),
    ("Camille Bloch", ["camille bloch"]),
    ("Filippo Berio", ["filippo berio"]),
    ("Bertolli", ["bertolli"]),
    ("Mulino Bianco", ["mulino bianco"]),
    ("Kikkoman", ["kikkoman"]),
    ("Sacla", ["sacla"]),
    ("Jack Daniel's", ["jack daniel's"]),
    ("Assugrin", ["assugrin"]),
    ("Tic Tac", ["tic tac"]),
    ("Gran Pavesi", ["gran pavesi"]),
    ("Zentis", ["zentis"]),
    ("Chio", ["chio"]),
    ("Storck", ["storck"]),
    ("Michel et Augustin", ["michel et augustin"]),
    ("Michel", ["michel"]),
    ("Le Parfait", ["le parfait"]),
    ("Bebivita", ["bebivita"]),
    ("Holle", ["holle"]),
    ("Aptamil", ["aptamil"]),
    ("Wander", ["wander"]),
    ("Hug", ["hug"]),
    ("Leisi", ["leisi"]),
    ("Stocki", ["stocki"]),
    ("Mars", ["mars"]),
    ("Milka", ["milka"]),
    ("Ritter Sport", ["ritter sport"]),
    ("Nutella", ["nutella"]),
    ("Oreo", ["oreo"]),
    ("Pringles", ["pringles"]),
    ("Lay's", ["lay's", "lays"]),
    ("Bonduelle", ["bonduelle"]),
    ("Dahlia", ["dahlia"]),
    ("Sanpellegrino", ["sanpellegrino", "san pellegrino"]),
    ("Evian", ["evian"]),
    ("Valser", ["valser"]),
    ("Henniez", ["henniez"]),
    ("Rivella", ["rivella"]),
    ("Schweppes", ["schweppes"]),
    ("Fanta", ["fanta"]),
    ("Sprite", ["sprite"]),
    ("Pepsi", ["pepsi"]),
    ("Nesquik", ["nesquik"]),
    ("Caotina", ["caotina"]),
    ("Knorr", ["knorr"]),
    ("Bauer", ["bauer"]),
    ("Baer", ["baer"]),
    ("Lusso", ["lusso"]),
    ("Kägi", ["kagi"]),
    ("Läderach", ["laderach"]),
    ("Favarger", ["favarger"]),
    ("Halba", ["halba"]),
    ("Jowa", ["jowa"]),
    ("Hiestand", ["hiestand"]),
    ("Jacobs", ["jacobs"]),
    ("Lavazza", ["lavazza"]),
    ("Illy", ["illy"]),
    ("Tchibo", ["tchibo"]),
    ("Sandro Vanini", ["sandro vanini"]),
    ("Nissin", ["nissin"]),
    ("Namaste India", ["namaste india"]),
    ("Al'fez", ["al'fez"]),
    ("Mister Rice", ["mister rice"]),
    ("Tante Agathe", ["tante agathe"]),
    ("Goldkenn", ["goldkenn"]),
    ("Eimalzin", ["eimalzin"]),
    ("Casa Giuliana", ["casa giuliana"]),
    ("Jean Martin", ["jean martin"]),
    ("Happy Hour", ["happy hour"]),
    ("Sun Snack", ["sun snack"]),
    ("Swiss Dream", ["swiss dream"]),
    ("La Vache qui rit", ["la vache qui rit"]),
    ("Armando De Angelis", ["armando de angelis"]),
    ("Fol Epi", ["fol epi"]),
    ("Sodebo", ["sodebo"]),
    ("Polli", ["polli"]),
    ("Powerade", ["powerade"]),
    ("Jomo", ["jomo"]),
    ("Halter", ["halter"]),
    ("Larry's", ["larry's"]),
    ("Bossy", ["bossy"]),
    ("CreSpo", ["crespo"]),
    ("Olo", ["olo"]),
    ("Créations d'Italia", ["creazioni d'italia"]),
    ("Wasa", ["wasa"]),
    ("Zwicky", ["zwicky"]),
    ("Tipiak", ["tipiak"]),
    ("Scotti", ["riso scotti", "scotti"]),
    ("Garofalo", ["garofalo"]),
    ("Rummo", ["rummo"]),
    ("Knorr", ["knorr"]),
    ("Teisseire", ["teisseire"]),
    ("Roberto", ["roberto"]),
    ("Iglo", ["iglo"]),
    ("Gomz", ["gomz"]),
    ("Skai", ["skai"]),
    ("Milbona", ["milbona"]),
    ("Heidi", ["heidi"]),
    ("Glacetta", ["glacetta"]),
    ("CreamAmore", ["creamamore"]),
    ("Alpro", ["alpro"]),
    ("Ölz", ["olz"]),
    ("Yupi", ["yupi"]),
    ("Patak's", ["patak's", 'pataks']),
    ("Ottiger", ["ottiger"]),
    ("Nestea", ["nestea"]),
    ("Nectaflor", ["nectaflor"]),
    ("Monini", ["monini"]),
    ("Dar-Vida", ["dar-vida", "dar vida", "darvida"]),
    ("LU", ["lu"]),
    ("Longobardi", ["longobardi"]),
    ("Gerber", ["gerber"]),
    ("Freshona", ["freshona"]),
    ("Favorit", ["favorit"]),
    ("V6", ["v6"]),
    ("Trolli", ["trolli"]),
    ("Trident", ["trident"]),
    ("Stimorol", ["stimorol"]),
    ("Rama", ["rama"]),
    ("Président", ["president"]),
    ("Ponti", ["ponti"]),
    ("Mimare", ["mimare"]),
    ("McCain", ["mccain"]),
    ("Materne", ["materne"]),
    ("Maille", ["maille"]),
    ("Lotus", ["lotus"]),
    ("Kellogg's", ["kellog's"]),
    ("Harry", ["harry"]),
    ("Confiland", ["confiland"]),
    ("Citterio", ["citterio"]),
    ("Aha!", ["aha!"]),
    ("Ültje", ["ultje"]),
    ("Tyrrells", ["tyrrells"]),
    ("TamTam", ["tamtam"]),
    ("Meßmer", ["meßmer", "messmer"]),
    ("Leerdammer", ["leerdammer"]),
    ("Kania", ["kania"]),
    ("Häagen-Dazs", ["haagen-dazs"]),
    ("Compal", ["compal"]),
    ("Arizona", ["arizona"]),
    ("Starbucks", ["starbucks"]),
    ("Saupiquet", ["saupiquet"]),
    ("Podravka", ["podravka"]),
    ("Munz", ["munz"]),
    ("Milfina", ["milfina"]),
    ("M&M's", ["m&m's"]),
    ("Mentos", ["mentos"]),
    ("Léger", ["leger"]),
    ("Biotta", ["biotta"]),
    ("Züger", ["zuger"]),
    ("Combino", ["combino"]),
    ("Gautschi", ["gautschi"]),
    ("Raccard", ["raccard"]),
    ("Coppenrath", ["coppenrath"]),
    ("Bahlsen", ["bahlsen"]),
    ("Lindt", ["lindt"]),
]

# Words that separate a brand from the rest of the name.
SEPARATORS = " :-,–/"


def fold_char(c):
    if c == "ß":
        return "s"
    base = unicodedata.normalize("NFKD", c)
    base = "".join(b for b in base if not unicodedata.combining(b))
    return (base[:1] or c).lower()


def fold(text):
    """Lower case without accents, one character for each character, for matching."""
    return "".join(fold_char(c) for c in text)


def build_brand_table():
    table = []
    for maker, spellings in BRANDS:
        for spelling in spellings:
            table.append((fold(spelling), maker))
    table.sort(key=lambda item: -len(item[0]))
    return table


BRAND_TABLE = build_brand_table()


def split_brand(name):
    """Return (maker, rest of the name) for a name starting with a known brand."""
    folded = fold(name)
    for spelling, maker in BRAND_TABLE:
        if folded.startswith(spelling):
            end = len(spelling)
            if end < len(folded) and folded[end] not in SEPARATORS and folded[end] not in "&.'":
                continue
            rest = name[end:].lstrip(SEPARATORS + "&")
            # A retailer's line written after the retailer keeps its own maker.
            if maker in ("Coop", "Migros"):
                inner, inner_rest = split_brand(rest)
                if inner:
                    return inner, inner_rest
            return maker, rest
    return "", name


def tidy_name(rest, full):
    rest = rest.strip()
    if not rest:
        return full.strip()
    if rest[0].islower():
        rest = rest[0].upper() + rest[1:]
    return rest


# Category rules: (category, word stems). The name is folded and split into words;
# a stem matches the start of a word, a stem ending in "*" anywhere inside a word
# (German compounds). The first category with a hit wins, so the order matters.
RULES = [
    ("Babynahrung", ["cerelac", "naturnes", "baby", "bebe", "aptamil", "beba", "bebivita", "milupa", "kindermilch",
                     "folgemilch", "anfangsmilch", "babybrei", "*gläschen", "*babybrei",
                     "*kinderbrei", "*milchbrei", "*griessbrei"]),
    ("Babynahrung", ["hipp", "holle"]),
    ("Fast Food", ["enchilada", "hawaii", "diavola", "diavolo", "pizze", "fries", "crusty longs", "pizza", "*pizza", "burger", "*burger", "nugget", "*nuggets", "hot dog", "hotdog",
                   "kebab", "kebap", "doner", "frites", "pommes frites", "*pommes", "wrap", "wraps",
                   "sandwich", "*sandwich", "panini", "fajita", "burrito", "taco", "tacos",
                   "quesadilla", "chicken wings", "wings", "croque", "flammkuchen", "tarte flambee",
                   "*frites", "chips frites", "fish & chips", "fishfinger", "fischstäbchen",
                   "*fischstabchen", "fish sticks", "fisch sticks", "calzone", "piadina"]),
    ("Getränke", ["capri-sun", "capri", "mountain dew", "monster", "cafino", "moscato", "dryck", "=vita", "*saft", "=jus", "juice", "succo", "nectar", "nektar", "limonade", "*limonade",
                  "cola", "*cola", "drink", "*drink", "getrank", "*getrank", "boisson", "bevanda",
                  "sirup", "*sirup", "sirop", "sciroppo", "smoothie", "mineralwasser", "wasser",
                  "*wasser", "=eau", "acqua", "water", "tonic", "ginger ale", "bitter lemon",
                  "energy", "ice tea", "icetea", "eistee", "*eistee", "the froid", "the glace",
                  "bier", "*bier", "=beer", "biere", "birra", "wein", "*wein", "=vin", "=vino", "=wine",
                  "prosecco", "champagne", "cidre", "=most", "*most", "schorle", "*schorle", "sprite",
                  "fanta", "rivella", "shake", "*shake", "milkshake", "kombucha", "lassi", "=soda",
                  "whisky", "vodka", "=rum", "=gin", "liqueur", "likor", "*likor", "aperitif",
                  "spritz", "sangria", "merlot", "chasselas", "fendant", "pinot", "cabernet",
                  "isotonic", "powerade", "red bull", "mojito", "orangina", "sinalco",
                  "henniez", "valser", "evian", "volvic", "vittel", "pellegrino", "perrier",
                  "apfelschorle", "punsch", "glühwein", "gluhwein", "limo", "*trunk", "elixir",
                  "caipirinha", "brause"]),
    ("Kaffee & Tee", ["kaffee", "*kaffee", "cafe", "caffe", "coffee", "espresso", "cappuccino",
                      "latte macchiato", "nescafe", "tee", "*tee", "=tea", "infusion",
                      "kräutertee", "*krautertee", "rooibos", "chai", "matcha", "kamille", "pfefferminz",
                      "melisse", "verveine", "tisane", "lungo", "ristretto", "kapseln", "capsules",
                      "=mate"]),
    ("Frühstück & Cerealien", ["weetabix", "dinkelpops", "korn an korn", "haferflocke", "haferflockli", "flockli", "kleie", "amaranth", "musli", "*musli", "müesli", "muesli", "*muesli", "müsli", "musli",
                               "cereal", "*cereals", "cereales", "cereali", "corn flakes",
                               "cornflakes", "*flakes", "flakes", "flocken", "*flocken", "porridge",
                               "granola", "haferflocken", "oat", "oats",
                               "avoine", "avena", "smacks", "chocapic", "nesquik cereal",
                               "special k", "frosties", "choco pops", "cini minis", "fitness",
                               "birchermüesli",
                               "frühstück", "fruhstuck", "*fruhstuck", "breakfast", "petit dejeuner",
                               "caotina", "banago",
                               "nesquik", "schokoladepulver", "trinkschokolade", "eimalzin",
                               "zwieback", "*zwieback", "knackebrot", "*knackebrot", "wasa",
                               "blevita", "darvida", "reiswaffel", "*waffeln", "galettes de riz",
                               "gallette", "reiscrackers"]),
    ("Süßwaren", ["mikado", "baci", "panpepato", "speculoos", "spekulatius", "karamel", "krokant", "cacao", "torroncini", "torroncino", "mandorlato", "gianduja", "giianduja", "mause", "carre", "carres", "gomz", "fritten", "rellenito", "manque", "=choc", "gebäck", "gebaeck", "biscoff", "pastilles", "=mint", "=kiss", "zartbitter", "tatzen", "herzli", "canestrelli", "carambar", "mentos", "m&m's", "cheerios", "=noir", "=moka", "parfait", "bonbon", "xylit", "süssungsmittel", "sussungsmittel", "=coco", "cocos", "kokos", "lebkuchen", "mandelgipfel", "spekulatius", "männchen", "mannchen", "grittibanz", "schokoladenherz", "schokolade", "*schokolade", "schoggi", "*schoggi", "chocolat", "*chocolat",
                  "cioccolat", "*cioccolato", "chocolate", "*chocolate", "choco", "*choco",
                  "schoko", "*schoko", "praline", "*praline", "pralinen", "truffes", "*truffes",
                  "truffe", "trüffel", "truffel", "*truffel", "bonbon", "*bonbons", "caramel",
                  "*caramel", "karamell", "toffee", "fudge", "gummi", "*gummi", "fruchtgummi",
                  "gummibärchen", "lakritz", "*lakritz", "liquorice", "réglisse", "marshmallow",
                  "meringue", "meringues", "meringue", "marzipan", "*marzipan", "massepain",
                  "nougat", "*nougat", "torrone", "praliné", "konfekt", "*konfekt", "dragee",
                  "*dragees", "kaugummi", "chewing gum", "=gum", "lutscher", "lollipop", "zucker",
                  "*zucker", "sucre", "zucchero", "sugar", "süssstoff", "sussstoff", "assugrin",
                  "sirup", "biscuit", "*biscuit", "biscuits", "biscotti", "*biscotti", "keks",
                  "*keks", "kekse", "cookie", "*cookies", "cookies", "guetzli", "*guetzli",
                  "petit beurre", "spitzbub", "mailänderli", "brunsli", "zimtstern", "amaretti",
                  "cantuccini", "macaron", "*macarons", "branche", "*branche", "riegel", "*riegel",
                  "barre", "bars", "kinder", "smarties", "m&m", "toblerone", "ragusa",
                  "lindor", "cailler", "frey", "lindt", "ricola", "kambly", "wernli", "haribo",
                  "balisto", "ferrero", "milka", "mars", "snickers", "twix", "kitkat", "kit kat",
                  "bounty", "raffaello", "mon cheri", "giandor", "freylini", "noxana", "mahony",
                  "halba", "villars", "camille bloch", "favarger", "laderach", "kagi",
                  "tic tac", "mentos", "pastillen", "*pastillen", "dragees", "halsbonbon",
                  "eucalyptus", "glace au", "dessert au chocolat", "waffeln", "prussien",
                  "florentiner", "kokos", "*kokos", "leckerli", "*leckerli", "baumschmuck",
                  "adventskalender", "osterhase", "*hase", "samichlaus", "weihnacht",
                  "*weihnacht", "confiserie", "sweet", "sweets", "candy", "bonherba", "sugus",
                  "maltesers", "after eight", "tafel", "*tafel", "merci", "storck", "zentis",
                  "cremo", "halter", "larry", "bossy", "oreo", "petit coeur", "tuiles",
                  "japonais", "dulce", "turron"]),
    ("Käse", ["epoisses", "st moret", "crottin", "crottins", "chaumes", "saint albray", "=kiri", "peyniri", "chevrier", "affine", "l'affine", "=mois", "kase", "*kase", "fromage", "formaggio", "cheese", "gruyere", "emmentaler",
              "emmental", "appenzeller", "tilsiter", "raclette", "fondue", "mozzarella", "parmesan",
              "parmigiano", "grana padano", "gorgonzola", "mascarpone", "ricotta", "feta", "brie",
              "camembert", "tomme", "vacherin", "sbrinz", "tete de moine", "gouda", "cheddar",
              "halloumi", "pecorino", "reblochon", "mont d'or", "chavroux", "chevre", "burrata",
              "edamer", "stracchino", "taleggio", "roquefort", "babybel", "hüttenkäse",
              "cottage", "scamorza", "provolone", "manchego", "bleu", "blue cheese", "le gruyere",
              "leerdammer", "caprice des dieux", "boursin", "philadelphia", "frischkase",
              "*frischkase", "quark cheese", "mutschli", "vache qui rit", "cantadou",
              "kaltbach", "le superbe", "etivaz", "belper knolle", "vacherin", "raclette"]),
    ("Milchprodukte", ["yakult", "jogolino", "yoghourt", "stracciatella", "lacto", "moitie", "milch", "*milch", "lait", "latte", "milk", "joghurt", "*joghurt", "jogurt",
                       "*jogurt", "yogurt", "*yogurt", "yoghurt", "yogourt", "*yogourt", "yaourt",
                       "quark", "*quark", "rahm", "*rahm", "creme fraiche", "sahne", "*sahne",
                       "creme", "crème", "panna", "cream", "kefir", "buttermilch", "skyr",
                       "dessert", "*dessert", "pudding", "*pudding", "flan", "caramelköpfli",
                       "köpfli", "*kopfli", "kopfli", "mousse", "tiramisu", "panna cotta",
                       "griess", "*griess", "actimel", "activia", "lc1", "danonino", "petit suisse",
                       "aktifit", "yoqua", "blanc battu", "fromage frais", "eiscreme", "glace",
                       "gelato", "ice cream", "*glace", "sorbet", "rahmglace", "cornet", "cornetto",
                       "frisco", "magnum", "mövenpick", "sojadrink", "soja drink",
                       "hafer drink", "haferdrink", "mandeldrink", "reisdrink", 
                       "sojasun", "alpro", "coconut milk", "kokosmilch", "birchermüesli",
                       "birchermuesli", "bifidus", "zabaione", "caramel dessert", "vanille creme",
                       "schlagrahm", "kaffeerahm", "cantuccini", "perle de lait", "crema",
                       "creme brulee", "ben & jerry", "haagen", "movenpick"]),
    ("Fisch", ["bacalhau", "schwertfisch", "brochet", "quenelles", "fisch", "*fisch", "poisson", "pesce", "fish", "lachs", "*lachs", "saumon",
               "salmone", "salmon", "thon", "thun", "*thun", "tonno", "tuna", "forelle", "*forelle",
               "truite", "trota", "crevette", "*crevetten", "crevetten", "shrimp", "*shrimps",
               "gamber", "scampi", "hering", "*hering", "hareng", "sardine", "sardinen",
               "makrele", "*makrele", "maquereau", "sgombro", "mackerel", "dorsch", "*dorsch",
               "kabeljau", "cabillaud", "merluzzo", "cod", "pangasius", "tilapia", "zander",
               "egli", "eglifilet", "*filets", "sushi", "*sushi", "sashimi", "surimi", "anchovis",
               "anchois", "acciughe", "sardelle", "kaviar", "caviar", "muscheln", "*muscheln",
               "moules", "cozze", "calamari", "tintenfisch", "seelachs", "matjes", "rollmops",
               "scholle", "pilchard", "octopus", "meeresfruchte", "fruits de mer", "frutti di mare",
               "fischstabchen", ]),
    ("Fleisch & Wurst", ["cervelas", "geflugel", "ailes", "=coq", "baton de berger", "salame", "chipolatas", "grisoni", "wurfel", "tofu", "aufschnitt", "pata negra", "jamon", "involtini", "granulat", "soja-granulat", "wildlachs", "fleisch", "*fleisch", "viande", "carne", "meat", "wurst", "*wurst",
                         "wurstli", "*wurstli", "saucisse", "saucisson", "salsiccia", "sausage",
                         "salami", "*salami", "schinken", "*schinken", "jambon", "prosciutto",
                         "=ham", "speck", "*speck", "lard", "lardons", "pancetta", "bacon", "poulet",
                         "*poulet", "pollo", "chicken", "huhn", "hähnchen", "hahnchen", "truthahn",
                         "*truthahn", "trute", "dinde", "tacchino", "turkey", "rind", "*rind",
                         "boeuf", "beef", "manzo", "schwein", "*schwein", "porc", "maiale", "pork",
                         "kalb", "*kalb", "veau", "vitello", "lamm", "*lamm", "agneau", "agnello",
                         "lamb", "=ente", "canard", "anatra", "duck", "cervelat", "*cervelat",
                         "bratwurst", "*bratwurst", "wienerli", "frankfurter", "wiener", "lyoner",
                         "mortadella", "bresaola", "coppa", "chorizo", "leberwurst", "pastete",
                         "*pastete", "=pate", "terrine", "*terrine", "trockenfleisch",
                         "bundnerfleisch", "mostbrockli", "hackfleisch", "*hack", "geschnetzeltes",
                         "*geschnetzeltes", "cordon bleu", "schnitzel", "*schnitzel", "steak",
                         "*steak", "filet", "entrecote", "kotelett", "*braten", "burger patty",
                         "fleischkase", "landjager", "*landjager", "bundner", "poulard", "chicken",
                         "kassler", "rippli", "rillettes",
                         "gigot", "leberli", "kebab spiess", "spiess", "*spiess", "merguez",
                         "frikadelle", "fleischkäse", "nuggets", "schüblig", "*schublig", "salsiz",
                         "coppa", "carpaccio", "quorn", "tofu", "seitan", "tempeh", "vegi",
                         "vegan burger", "planted", "cornatur", "délicorn", "delicorn"]),
    ("Fertiggerichte", ["pockets", "gazpacho", "caponata", "magronen", "carbonara", "!bouillon", "!suppe", "!soupe", "!zuppa", "!soup", "!bruhe", "bolognese", "fertiggericht", "*gericht", "menu", "menü", "plat", "piatto", "meal",
                        "suppe", "*suppe", "soupe", "zuppa", "soup", "minestrone", "bouillon",
                        "*bouillon", "brühe", "bruhe", "*bruhe", "consomme", "eintopf", "*eintopf",
                        "curry", "*curry", "risotto", "lasagne", "lasagna", "cannelloni",
                        "gratin", "*gratin", "rösti", "rosti", "*rosti", "paella", "chili",
                        "moussaka", "ravioli", "tortellini", "tortelloni", "gnocchi", "spätzli",
                        "spatzli", "*spatzli", "spätzle", "spatzle", "knöpfli", "knopfli",
                        "quiche", "*quiche", "wähe", "wahe", "*wahe", "tarte", "pastetli",
                        "vol-au-vent", "frühlingsrolle", "fruhlingsrolle", "spring roll", "dim sum",
                        "gyoza", "dumpling", "samosa", "falafel", "tabouleh", "couscous", "salat",
                        "*salat", "salade", "insalata", "salad", "bowl", "*bowl", "fondue",
                        "polenta", "ramen", "noodles", "nudeln", "=mie", "*mie", "pad thai",
                        "bami", "nasi", "tikka", "masala", "korma", "=dal", "paneer", "biryani",
                        "chop suey", "wok", "*wok", "stocki", "kartoffelstock", "puree", "purée",
                        "pommes duchesse", "croquettes", "kroketten", "*kroketten", "älplermagronen",
                        "alplermagronen", "hot pot", "subito", "easy soup", "=cup", "ready",
                        "sandwich", "empanada", "börek", "borek", "spring", "lunch", "snack box",
                        "anna's best", "bon chef", "cannelloni", "maultaschen", "knodel",
                        "*knodel", "pierogi", "gefullte", "gefullt", "gefüllt", "farce", "hirse",
                        "quinoa", "bulgur", "linsen", "lentilles", "kichererbsen", "bohnen",
                        "*bohnen", "haricots", "fagioli", "beans", "fagiolata", "chili con carne",
                        "vegetarian", "vegetarisch", "veggie", "hummus", "houmous", "tzatziki",
                        "antipasti", "bruschetta", "tapas", "paneer"]),
    ("Teigwaren & Reis", ["spiralen", "spiraloni", "tagliatelles", "tagilatelles", "fideli", "matassa", "locken", "parboiled", "buchweizen", "dinkel", "ebly", "zartweizen", "ditali", "capellini", "pennoni", "=farfal", "boulgour", "aletria", "flakes di riso", "nudeli", "esparguete", "knöpfle", "dinkelmischung", "lentils", "lentilles", "teigwaren", "pasta", "*pasta", "pates", "spaghetti", "*spaghetti",
                          "penne", "fusilli", "farfalle", "tagliatelle", "linguine", "fettuccine",
                          "rigatoni", "maccheroni", "makkaroni", "hornli", "*hornli", "hörnli",
                          "nudeln", "*nudeln", "nouilles", "noodle", "reis", "*reis", "=riz",
                          "=riso", "rice", "risotto reis", "basmati", "jasmin", "arborio",
                          "carnaroli", "orzo", "conchiglie", "cavatappi", "orecchiette",
                          "pappardelle", "lasagnette", "tortiglioni", "gnocchetti", "vermicelli",
                          "cannelloni", "couscous", "eierteigwaren", "*teigwaren", "spatzli",
                          "barilla", "de cecco", "agnesi", "garofalo", "rummo", "uncle ben",
                          "mister rice", "semola", "gries", "griess", "polenta", "mais grob"]),
    ("Brotaufstriche", ["konfiture", "*konfiture", "konfitüre", "confiture", "marmellata", "jam",
                        "marmelade", "*marmelade", "gelee", "*gelee", "honig", "*honig", "miel",
                        "miele", "honey", "nutella", "*aufstrich", "brotaufstrich", "tartinade",
                        "spread", "crema spalmabile", "nocciolata", "erdnussbutter",
                        "peanut butter", "mandelmus", "*mus", "cenovis", "marmite", "ovomaltine crunchy",
                        "streichcreme", "brotaufstriche", "bonne maman", "favorit", "st. dalfour",
                        "hero delicia", "delicia", "zentis", "apfelkraut", "sirup de liege",
                        "pesto rosso" ]),
    ("Backwaren", ["rusk", "crumble", "chuechli", "panettoncino", "sfoglia", "sfogliafresca", "sfoglie", "scones", "roggen", "bakery", "teig", "gipfel", "pastry", "taillaule", "panadoro", "kaminfeger", "flädli", "fladli", "brotli", "brötli", "kranz", "pumpernickel", "silserkranz", "zwirbel", "twister", "knopfle", "panada", "fladenbrot", "sandwichbrot", "brot", "*brot", "brötchen", "brotchen", "*brotchen", "pain", "*pain", "=pane",
                   "bread", "zopf", "*zopf", "tresse", "gipfeli", "*gipfeli", "croissant",
                   "*croissant", "brioche", "*brioche", "baguette", "*baguette", "toast", "*toast",
                   "semmel", "weggli", "*weggli", "bürli", "burli", "*burli", "ciabatta",
                   "focaccia", "grissini", "breadsticks", "kuchen", "*kuchen", "cake", "*cake",
                   "gateau", "torta", "torte", "*torte", "tarte", "tartelette", "*tartelette",
                   "roulade", "*roulade", "muffin", "*muffin", "donut", "berliner", "krapfen",
                   "*krapfen", "strudel", "*strudel", "wähe", "cornetti", "cornetto", "pasquier",
                   "fladen", "*fladen", "tortilla", "tortillas", "pita", "naan", "blätterteig",
                   "blatterteig", "pate feuilletee", "pate brisee", "kuchenteig",
                   "pizzateig", "mehl", "*mehl", "farine", "farina", "flour", "hefe",
                   "backpulver", "*backmischung", "backmischung", "panettone", "pandoro", "stollen",
                   "*stollen", "lebkuchen", "*lebkuchen", "birnbrot", "biberli", "*biberli",
                   "magenbrot", "madeleine", "*madeleines", "financier", "eclair", "*eclair",
                   "cremeschnitte", "mille-feuille", "schnecke", "*schnecke", "vermicelles",
                   "linzer", "rüeblitorte", "bagel", "*bagel", "pretzel", "brezel", "*brezel",
                   "laugen", "*laugen", "crostata", "savoiardi", "löffelbiskuit", "*loffelbiskuit",
                   "biskuit", "*biskuit", "patisserie", "zwieback", "paniermehl", "crepes",
                   "pancakes", "waffel", "*waffel", "gaufre", "jowa", "hiestand", "fol epi",
                   "bretzel", "schär"]),
    ("Snacks", ["microc", "knusperscheibe", "knusperscheiben", "knusperli", "cocktail-rounds", "studentfutter", "crunchy", "crispy", "delicrisp", "pipas", "dippi", "crispy mix", "bolacha", "pappadums", "nussli", "nüssli", "krisprolls", "keime", "sultanien", "cashews", "chips", "*chips", "crisps", "chio", "pringles", "zweifel", "nuss", "*nuss",
                "nüsse", "nusse", "*nusse", "noix", "noci", "nuts", "*nuts", "erdnuss", "*erdnuss",
                "erdnusse", "cacahuete", "arachidi", "peanut", "cashew", "*cashew", "mandel",
                "*mandeln", "mandeln", "amande", "mandorle", "almond", "pistazie", "*pistazien",
                "pistache", "haselnuss", "*haselnuss", "noisette", "nocciola", "baumnuss",
                "walnuss", "studentenfutter", "trail mix", "apero", "*apero", "aperitivo",
                "crackers", "*cracker", "cracker", "salzstangen", "*stangen", "brezeli",
                "*brezeli", "flips", "*flips", "popcorn", "*popcorn", "tortilla chips", "nachos",
                "snack", "*snack", "snacks", "*snacks", "party", "sticks", "*sticks", "salzbrezel",
                "cacahuetes", "kerne", "*kerne", "samen", "*samen", "graines", "=semi", "seeds",
                "sonnenblumenkerne", "kurbiskerne", "trockenfruchte", "dorrobst", "*dorrobst",
                "bruschette", "taralli", "grissini", "reiswaffeln",
                "*reiswaffeln", "galette", "crispbread", "riegel", "croutons", "sun snack",
                "happy hour", "chop stick", "m-budget snack", "kartoffelchips",
                "popchips", "tuc", "ritz", "bretzeli", "salty", "salted", "gesalzen", "geröstet",
                "gerostet", "roasted", ]),
    ("Öle & Fette", ["latta", "friture", "öl", "sesamöl", "pflanzenöl", "saindoux", "olivenöl", "olivenol", "huile", "olio", "oil",
                     "butter", "*butter", "beurre", "burro", "margarine", "*margarine", "schmalz",
                     "*fett", "bratfett", "kokosfett", "ghee", "lard", "planta", "becel",
                     "frittieröl", "sonnenblumenöl", "rapsöl", "bratbutter", "olive extra vergine",
                     "extra vergine", "vierge", "virgin"]),
    ("Saucen & Gewürze", ["ajvar", "!sauce", "!sosse", "tapenade", "sauce", "*sauce", "saucen", "sosse", "*sosse", "salsa", "*salsa",
                          "sugo", "*sugo", "dressing", "*dressing", "vinaigrette", "ketchup",
                          "*ketchup", "mayonnaise", "*mayonnaise", "mayo", "senf", "*senf",
                          "moutarde", "senape", "mustard", "pesto", "*pesto", "essig", "*essig",
                          "vinaigre", "aceto", "vinegar", "balsamico", "gewürz", "gewurz",
                          "*gewurz", "*gewurze", "épice", "epice", "*epices", "spezie", "spice",
                          "*spices", "salz", "*salz", "=sel", "=sale", "salt", "pfeffer", "*pfeffer",
                          "poivre", "=pepe", "kräuter", "krauter", "*krauter", "herbes", "=erbe",
                          "herbs", "herbamare", "aromat", "*aromat", "streuwürze", "streuwurze",
                          "bouillonwürfel", "=fond", "*fond", "jus de", "bratensauce", "*bratensauce",
                          "marinade", "*marinade", "glace", "=dip", "*dip", "relish", "chutney",
                          "*chutney", "tabasco", "sriracha", "sambal", "harissa", "wasabi",
                          "sojasauce", "*sojasauce", "soy sauce", "teriyaki", "worcester",
                          "curry paste", "currypaste", "*paste", "*paste", "pate de curry",
                          "bbq", "barbecue", "tomatenpuree", "*puree", "zimt", "cannelle", "vanille",
                          "vanillezucker", "backaroma", "oregano", "basilikum", "basilic", "thymian",
                          "rosmarin", "petersilie", "schnittlauch", "dill", "koriander", "kreuzkümmel",
                          "cumin", "kurkuma", "curcuma", "ingwer", "gingembre", "zenzero", "ginger",
                          "muskat", "nelken", "lorbeer", "safran", "chili", "piment", "paprikapulver",
                                                                              "gelierzucker",
                          "gelatine", "agar", "pulver", "*pulver", "extrakt", "aroma", "hefeextrakt",
                          "würze", "wurze", "*wurze", "sauerrahm", "rouille", "aioli", "remoulade",
                          "*remoulade", "tartare", "tzatziki", "guacamole", "hummus", "stocki"]),
    ("Obst & Gemüse", ["pilz", "pilzmischung", "okra", "physalis", "peperoncini", "cipolle", "marroni", "doucette", "sprossen", "=ceci", "bianchi di spagna", "black tiger", "rotkraut", "lattich", "ratatouille", "black fungus", "kefen", "eierschwamm", "eierschwämme", "fungus", "obst", "*obst", "fruit", "*fruit", "fruits", "frucht", "*frucht",
                       "*fruchte", "früchte", "frutta", "gemüse", "gemuse", "*gemuse", "legumes",
                       "légumes", "verdure", "vegetables", "apfel", "*apfel", "äpfel", "aepfel",
                       "pomme", "=mela", "apple", "birne", "*birnen", "poire", "=pera", "pear",
                       "banane", "*bananen", "banana", "orange", "*orangen", "arancia", "zitrone",
                       "*zitronen", "citron", "limone", "lemon", "ananas", "pineapple", "mango",
                       "papaya", "kiwi", "trauben", "*trauben", "raisin", "=uva", "grapes",
                       "rosinen", "sultaninen", "beeren", "*beeren", "erdbeer", "*erdbeeren",
                       "fraise", "fragola", "strawberr", "himbeer", "*himbeeren", "framboise",
                       "lampone", "raspberr", "heidelbeer", "*heidelbeeren", "myrtille",
                       "mirtillo", "blueberr", "kirsch", "*kirschen", "cerise", "ciliegia", "cherr",
                       "aprikose", "*aprikosen", "abricot", "albicocca", "apricot", "pfirsich",
                       "*pfirsiche", "peche", "pesca", "peach", "pflaume", "*pflaumen", "zwetschge",
                       "*zwetschgen", "pruneau", "prugna", "plum", "dattel", "*datteln", "datte",
                       "dates", "feige", "*feigen", "figue", "fichi", "figs", "cranberr",
                       "tomate", "*tomaten", "tomato", "pomodor", "pomodori", "passata",
                       "karotte", "*karotten", "rüebli", "ruebli", "*ruebli", "carotte", "carota",
                       "carrot", "kartoffel", "*kartoffeln", "pommes de terre", "patate", "potato",
                       "zwiebel", "*zwiebeln", "oignon", "cipolla", "onion", "knoblauch",
                       "=ail", "aglio", "garlic", "spinat", "*spinat", "epinard", "spinaci",
                       "spinach", "broccoli", "brokkoli", "blumenkohl", "chou-fleur", "cavolfiore",
                       "kohl", "*kohl", "chou", "cavolo", "cabbage", "sauerkraut", "choucroute",
                       "erbsen", "*erbsen", "petits pois", "piselli", "peas", "mais", "corn",
                       "gurke", "*gurken", "cornichons", "concombre", "cetriolo", "cucumber",
                       "paprika", "peperoni", "poivron", "peperone", "pepper", "zucchetti",
                       "zucchini", "courgette", "aubergine", "melanzane", "eggplant", "pilze",
                       "*pilze", "champignon", "*champignons", "funghi", "mushroom", "steinpilz",
                       "*steinpilze", "oliven", "*oliven", "olives", "olive", "artischocke",
                       "*artischocken", "artichaut", "carciofi", "spargel", "*spargel", "asperge",
                       "asparagi", "salatmischung", "rucola", "randen", "betterave", "sellerie",
                       "celeri", "fenchel", "fenouil", "lauch", "poireau", "kürbis", "kurbis",
                       "*kurbis", "courge", "zucca", "pumpkin", "avocado", "kokosnuss", "edamame",
                       "sojabohnen", "lupine", "kapern", "capres", "capperi", "apfelmus",
                       "compote", "kompott", "*kompott", "fruchtsalat", "fruchtmus", "dörr",
                       "getrocknet", "séché", "seche", "secchi", "dried", "surgele", "tiefgekühlt",
                       "frucht", "pouce",
                       "goji", "acai", "chia"]),
]


def compile_rules():
    compiled = []
    for category, stems in RULES:
        compiled.append((category, sorted({fold(s.lstrip("*")).strip() for s in stems})))
    return compiled


COMPILED_RULES = compile_rules()
WORD_SPLIT = re.compile(r"[^0-9a-z&'!]+")


WITH_WORDS = {"mit", "avec", "with", "con", "und", "and", "et", "e", "&", "aux", "au", "alla"}


def stem_score(stem, words, text):
    """How strongly a stem names what the product is: 3 the word itself or the end of a
    compound (German puts the head noun last), 2 its start, 1 somewhere inside."""
    if stem.startswith("="):  # a short word that would match too many compounds
        return 3 if stem[1:] in words else 0
    if stem.startswith("!"):  # the word decides, unless it is only what comes with the dish
        for i, word in enumerate(words):
            if word.endswith(stem[1:]):
                return 3 if WITH_WORDS.intersection(words[:i]) else 4
        return 0
    if " " in stem:
        return 3 if " " + stem + " " in text else (2 if " " + stem in text else 0)
    best = 0
    for word in words:
        if word == stem:
            return 3
        if len(stem) < 3:
            # Only compounds such as "Rapsöl".
            if len(word) >= 6 and word.endswith(stem):
                best = max(best, 3)
            continue
        if word.endswith(stem):
            best = max(best, 3)
        elif len(stem) >= 4 and word.startswith(stem):
            best = max(best, 2)
        elif len(stem) >= 6 and stem in word:
            best = max(best, 1)
    return best


# Makers whose range sits in one category, used when the name alone says nothing.
MAKER_CATEGORY = {
    "Lindt": "Süßwaren", "Cailler": "Süßwaren", "Frey": "Süßwaren", "Ricola": "Süßwaren",
    "Kambly": "Snacks", "Wernli": "Süßwaren", "Haribo": "Süßwaren", "Toblerone": "Süßwaren",
    "Ragusa": "Süßwaren", "Ferrero": "Süßwaren", "Camille Bloch": "Süßwaren", "Villars": "Süßwaren",
    "Halter": "Süßwaren", "Storck": "Süßwaren", "Kinder": "Süßwaren", "Balisto": "Süßwaren",
    "Zweifel": "Snacks", "Chio": "Snacks", "Walkers": "Snacks", "Farmer": "Snacks",
    "Sun Snack": "Snacks", "Seeberger": "Snacks", "Sun Queen": "Snacks",
    "Twinings": "Kaffee & Tee", "Lipton": "Kaffee & Tee", "Tetley": "Kaffee & Tee",
    "Teekanne": "Kaffee & Tee", "Nescafé": "Kaffee & Tee", "Sandro Vanini": "Kaffee & Tee",
    "Barilla": "Teigwaren & Reis", "De Cecco": "Teigwaren & Reis", "Uncle Ben's": "Teigwaren & Reis",
    "Mister Rice": "Teigwaren & Reis", "Garofalo": "Teigwaren & Reis", "Scotti": "Teigwaren & Reis",
    "Knorr": "Saucen & Gewürze", "Maggi": "Saucen & Gewürze", "Thomy": "Saucen & Gewürze",
    "Heinz": "Saucen & Gewürze", "Kikkoman": "Saucen & Gewürze", "Kühne": "Saucen & Gewürze",
    "Blue Elephant": "Saucen & Gewürze", "Thai Kitchen": "Saucen & Gewürze",
    "Mei Yang": "Saucen & Gewürze", "Hugo Reitzel": "Obst & Gemüse", "Condy": "Obst & Gemüse",
    "Andros": "Obst & Gemüse", "Del Monte": "Obst & Gemüse", "Bonduelle": "Obst & Gemüse",
    "Emmi": "Milchprodukte", "Danone": "Milchprodukte", "Yoplait": "Milchprodukte",
    "Milco": "Milchprodukte", "Sojasun": "Milchprodukte", "Mövenpick": "Milchprodukte",
    "Galbani": "Käse", "Bell": "Fleisch & Wurst", "Rapelli": "Fleisch & Wurst",
    "Malbuner": "Fleisch & Wurst", "Optigal": "Fleisch & Wurst", "Fleury Michon": "Fleisch & Wurst",
    "Pelican": "Fisch", "Findus": "Fisch", "Rio Mare": "Fisch",
    "Hipp": "Babynahrung", "Milupa": "Babynahrung", "Bebivita": "Babynahrung", "Holle": "Babynahrung",
    "Aptamil": "Babynahrung", "Bonne Maman": "Brotaufstriche", "St. Dalfour": "Brotaufstriche",
    "Zentis": "Brotaufstriche", "Hero": "Brotaufstriche",
    "Familia": "Frühstück & Cerealien", "Kellogg's": "Frühstück & Cerealien",
    "Ovomaltine": "Frühstück & Cerealien", "Blévita": "Snacks", "Wasa": "Backwaren",
    "Jowa": "Backwaren", "Brioche Pasquier": "Backwaren", "Schär": "Backwaren",
    "Coca-Cola": "Getränke", "Red Bull": "Getränke", "Volvic": "Getränke", "Ramseier": "Getränke",
    "Granini": "Getränke", "Innocent": "Getränke", "Rivella": "Getränke", "Valser": "Getränke",
    "Henniez": "Getränke", "Powerade": "Getränke", "Bischofszell": "Getränke",
    "Subito": "Fertiggerichte", "Anna's Best": "Fertiggerichte", "Bon Chef": "Saucen & Gewürze",
    "Namaste India": "Fertiggerichte", "Giovanni Rana": "Teigwaren & Reis",
    "Buitoni": "Fast Food", "Cornatur": "Fleisch & Wurst", "Délicorn": "Fleisch & Wurst",
    "Patissier": "Backwaren", "Dr. Oetker": "Backwaren", "Midor": "Süßwaren",
    "Créa d'Or": "Süßwaren", "Crème d'Or": "Milchprodukte", "Ben & Jerry's": "Milchprodukte",
    "Bonherba": "Süßwaren", "Morga": "Kaffee & Tee", "Alnavit": "Backwaren",
    "Valflora": "Milchprodukte", "Cremo": "Milchprodukte", "Le Parfait": "Brotaufstriche",
    "Iglo": "Fisch", "Gomz": "Süßwaren", "Trolli": "Süßwaren", "Nestea": "Getränke",
    "Arizona": "Getränke", "Compal": "Getränke", "Biotta": "Getränke", "Alpro": "Milchprodukte",
    "Milbona": "Milchprodukte", "Heidi": "Milchprodukte", "Glacetta": "Milchprodukte",
    "Häagen-Dazs": "Milchprodukte", "CreamAmore": "Milchprodukte", "Patak's": "Saucen & Gewürze",
    "Monini": "Öle & Fette", "Maille": "Saucen & Gewürze", "Materne": "Obst & Gemüse",
    "McCain": "Fast Food", "Ültje": "Snacks", "Tyrrells": "Snacks", "Starbucks": "Kaffee & Tee",
    "Saupiquet": "Fisch", "Mimare": "Fisch", "Citterio": "Fleisch & Wurst", "Président": "Käse",
    "Leerdammer": "Käse", "Rama": "Öle & Fette", "Lotus": "Süßwaren", "LU": "Süßwaren",
    "Dar-Vida": "Snacks", "Munz": "Süßwaren", "Ponti": "Saucen & Gewürze", "Kania": "Saucen & Gewürze",
    "Freshona": "Obst & Gemüse", "Züger": "Käse", "Raccard": "Käse", "Gautschi": "Saucen & Gewürze",
    "Yupi": "Süßwaren", "Ölz": "Backwaren", "Coppenrath": "Süßwaren", "Bahlsen": "Süßwaren",
    "Roberto": "Backwaren", "Ottiger": "Backwaren", "Longobardi": "Teigwaren & Reis",
    "Combino": "Teigwaren & Reis", "M&M's": "Süßwaren", "Favorit": "Brotaufstriche",
}


# Makers that sell one kind of product only.
MAKER_ONLY = {
    "Hipp": "Babynahrung", "Milupa": "Babynahrung", "Bebivita": "Babynahrung",
    "Holle": "Babynahrung", "Aptamil": "Babynahrung", "Twinings": "Kaffee & Tee",
    "Tetley": "Kaffee & Tee", "Teekanne": "Kaffee & Tee",
    "Trident": "Süßwaren", "Stimorol": "Süßwaren", "V6": "Süßwaren", "Mentos": "Süßwaren",
    "Teisseire": "Getränke", "Meßmer": "Kaffee & Tee",
}


def categorise(name, maker, unit, kcal, fat=None, sugar=None):
    words = [w for w in WORD_SPLIT.split(fold(name)) if w]
    text = " " + " ".join(words) + " "
    # Strongest hit wins; between equal hits the earlier rule.
    best, best_score = None, 0
    for category, stems in COMPILED_RULES:
        score = max((stem_score(stem, words, text) for stem in stems), default=0)
        if score > best_score:
            best, best_score = category, score
    if best is not None:
        return best
    if maker in MAKER_CATEGORY:
        return MAKER_CATEGORY[maker]
    # The nutrients still tell apart the obvious cases.
    if unit == "ml" and kcal is not None and kcal < 120:
        return "Getränke"
    if fat is not None and fat >= 80:
        return "Öle & Fette"
    if sugar is not None and sugar >= 45:
        return "Süßwaren"
    return CATCH_ALL


def number(text):
    text = (text or "").strip().replace(",", ".")
    if not text:
        return None
    try:
        value = float(text)
    except ValueError:
        return None
    if value != value or value in (float("inf"), float("-inf")) or value < 0:
        return None
    return value


def fmt(value, decimals=2):
    """Decimal text with a point, at least one decimal, no trailing noise."""
    if value is None:
        return ""
    if abs(value) < 1 and value != 0:
        decimals = max(decimals, 3)
    text = f"{round(value, decimals):.{decimals}f}".rstrip("0")
    if text.endswith("."):
        text += "0"
    return text


def fmt_amount(value):
    """Pack quantity: whole numbers without decimals."""
    if value is None or value <= 0:
        return ""
    if abs(value - round(value)) < 1e-9:
        return str(int(round(value)))
    return fmt(value, 1)


def per100(value, limit=100.0):
    """Grams per 100: impossible values count as missing."""
    if value is None or value > limit:
        return None
    return value


def energy(row):
    """kJ and kcal per 100, repaired when they disagree. None when unusable."""
    kj = number(row.get("Energy"))
    kcal = number(row.get("Energy (kCal)"))
    if kj is not None and kj > 4000:
        kj = None
    if kcal is not None and kcal > 950:
        kcal = None
    if kj is None and kcal is None:
        return None
    if kj is None:
        return kcal * 4.184, kcal
    if kcal is None:
        return kj, kj / 4.184
    from_kj = kj / 4.184
    if abs(from_kj - kcal) <= max(3.0, 0.06 * kcal):
        return kj, kcal
    # Disagreement: ask the macronutrients which one is right.
    fat = number(row.get("Fat"))
    carbs = number(row.get("Carbohydrates"))
    protein = number(row.get("Protein"))
    if fat is not None and carbs is not None and protein is not None:
        estimate = 9 * fat + 4 * carbs + 4 * protein + 2 * (number(row.get("Fiber")) or 0)
        if abs(kcal - estimate) < abs(from_kj - estimate):
            return kcal * 4.184, kcal
        return kj, from_kj
    return kj, from_kj


def clean(text):
    """One line of plain text: no tabs, line breaks or field separators."""
    text = (text or "").replace("|", "/")
    text = re.sub(r"[\t\r\n\x00-\x1f\x7f]+", " ", text)
    return re.sub(r" {2,}", " ", text).strip()


def inclusion_time(key):
    """A deterministic date in 2016-2017, weekdays in office hours, more in later months."""
    digest = hashlib.sha256(key.encode("utf-8")).digest()
    a = int.from_bytes(digest[0:4], "big") / 2**32
    b = int.from_bytes(digest[4:8], "big")
    start = datetime.date(2016, 1, 4)
    days = (datetime.date(2017, 12, 29) - start).days
    day = start + datetime.timedelta(days=int((a ** 0.8) * days))
    while day.weekday() >= 5:
        day -= datetime.timedelta(days=day.weekday() - 4)
    hour = 7 + b % 11
    minute = (b >> 8) % 60
    second = (b >> 16) % 60
    return f"{day.isoformat()} {hour:02d}:{minute:02d}:{second:02d}"


def convert(rows):
    products = []
    seen_barcodes = set()
    brands_used = set()
    for row in rows:
        full_name = clean(row.get("name"))
        if not full_name:
            continue
        en = energy(row)
        if en is None:
            continue
        barcode = "".join(c for c in (row.get("barcode") or "") if c.isdigit())
        if barcode and barcode in seen_barcodes:
            continue
        if barcode:
            seen_barcodes.add(barcode)
        unit = "ml" if (row.get("unit") or "").strip().lower() == "ml" else "g"
        maker, rest = split_brand(full_name)
        name = clean(tidy_name(rest, full_name))
        if maker:
            brands_used.add(maker)
        kj, kcal = en

        salt = per100(number(row.get("Salt")))
        if salt is None:
            sodium = number(row.get("Sodium"))
            if sodium is not None and sodium > 40:
                sodium /= 1000.0  # given in mg
            if sodium is not None and sodium <= 40:
                salt = sodium * 2.5
        fat = per100(number(row.get("Fat")))
        sat = per100(number(row.get("Saturated fat")))
        if sat is not None and fat is not None and sat > fat:
            sat = None
        sugar = per100(number(row.get("Sugars")))

        def extra(column):
            return fmt(per100(number(row.get(column))))

        cholesterol = number(row.get("Cholesterol"))
        key = barcode or full_name
        products.append({
            "Produktname": name,
            "Hersteller": clean(maker),
            "Kategorie": categorise(full_name, maker, unit, kcal, fat, sugar),
            "Ampel-Flagge": "0",
            "Hersteller-Info": fmt_amount(number(row.get("quantity"))),
            "Aufnahmedatum": inclusion_time(key),
            "Abendessen-Tauglich": "0",
            "Einheit": unit,
            "Energiewert in KJ": fmt(kj, 1),
            "Energiewert in kcal": fmt(kcal, 1),
            "Kohlenhydrate": extra("Carbohydrates"),
            "Zucker": fmt(sugar) if sugar is not None else NO_DATA,
            "Fett": fmt(fat) if fat is not None else NO_DATA,
            "ges. Fette": fmt(sat) if sat is not None else NO_DATA,
            "Salz / Natrium": fmt(salt) if salt is not None else NO_DATA,
            "Ballaststoffe": extra("Fiber"),
            "Eiweis": extra("Protein"),
            "Transfettsauren": "",
            "Starke": "",
            "mehrwertige Alkohole": extra("Polyols"),
            "einfach ungesattigte Fettsauren": extra("Monounsaturated fatty acids"),
            "mehrfach ungesattigte Fettsauren": extra("Polyunsaturated fatty acids"),
            "Cholesterin": fmt(cholesterol) if cholesterol is not None and cholesterol < 5000 else "",
            "GTIN": barcode,
            "_key": key,
        })
    # Identifiers follow the inclusion order, as a growing catalogue would have them.
    products.sort(key=lambda p: (p["Aufnahmedatum"], p["_key"]))
    for index, product in enumerate(products, 1):
        product["ID"] = str(index)
    return products, brands_used


def write(products, outdir):
    outdir.mkdir(parents=True, exist_ok=True)
    ids = {name: str(i) for i, name in enumerate(CATEGORIES, 1)}
    with open(outdir / "categories.tsv", "w", encoding="utf-8", newline="\n") as out:
        out.write("Recordid\tCategory\n")
        for name, ident in ids.items():
            out.write(f"{ident}\t{name}\n")
    with open(outdir / "products.tsv", "w", encoding="utf-8", newline="\n") as out:
        out.write("\t".join(HEADER) + "\n")
        for product in products:
            values = dict(product)
            values["Kategorie"] = ids[product["Kategorie"]]
            line = [clean(values[key]) for key in HEADER]
            out.write("\t".join(line) + "\n")


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    source, outdir = Path(argv[1]), Path(argv[2])
    with open(source, encoding="utf-8", newline="") as handle:
        products, brands = convert(csv.DictReader(handle))
    if not products:
        print(f"{source}: no usable products", file=sys.stderr)
        return 1
    write(products, outdir)
    if "--stats" in argv:
        counts = {}
        for product in products:
            counts[product["Kategorie"]] = counts.get(product["Kategorie"], 0) + 1
        no_data = sum(1 for p in products
                      if NO_DATA in (p["Fett"], p["ges. Fette"], p["Zucker"], p["Salz / Natrium"]))
        with_maker = sum(1 for p in products if p["Hersteller"])
        print(f"products: {len(products)}")
        print(f"categories used: {len(counts)} of {len(CATEGORIES)}")
        for name in CATEGORIES:
            n = counts.get(name, 0)
            print(f"  {name}: {n} ({100.0 * n / len(products):.1f}%)")
        print(f"products with a no-data text: {no_data}")
        print(f"brands recognised: {len(brands)}, products with a maker: {with_maker}")
        print(f"newest inclusion date: {max(p['Aufnahmedatum'] for p in products)}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
