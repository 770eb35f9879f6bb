"""The road's steps, through pyatspi only."""

import os
import unicodedata
from xml.etree import ElementTree

import pyatspi
from gi.repository import Atspi, GLib

from session import StepFailed, wait_for

MAX_NODES = 4000


def role(node):
    return node.getRoleName()


def states(node):
    return node.getState()


def showing(node):
    s = states(node)
    return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node, only_showing=True, limit=MAX_NODES):
    """The showing objects below node, depth first, at most limit of them."""
    found = []
    stack = [node]
    while stack and len(found) < limit:
        current = stack.pop()
        if current is None:
            continue
        found.append(current)
        kids = children(current)
        if only_showing:
            kids = [k for k in kids if k is not None and showing(k)]
        stack.extend(reversed(kids))
    return found


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def value_of(node):
    try:
        return node.queryValue().currentValue
    except NotImplementedError:
        return None


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return None


def describe(node):
    line = f"{role(node)} \"{node.name}\""
    if node.description:
        line += f" ({node.description})"
    names = actions(node)
    if names:
        line += f" actions={names}"
    value = value_of(node)
    if value is not None:
        line += f" value={value}"
    text = text_of(node)
    if text:
        line += f" text=\"{text}\""
    s = states(node)
    marks = [n for n, st in (("focused", pyatspi.STATE_FOCUSED),
                             ("selected", pyatspi.STATE_SELECTED),
                             ("checked", pyatspi.STATE_CHECKED)) if s.contains(st)]
    if marks:
        line += " [" + ",".join(marks) + "]"
    return line


def dump(node, depth=0, out=None):
    out = out if out is not None else []
    out.append("  " * depth + describe(node))
    for kid in children(node):
        if kid is not None and showing(kid) and len(out) < MAX_NODES:
            dump(kid, depth + 1, out)
    return out


class Heard:
    """What a screen reader is told as it happens: names that change and objects that show,
    as the events come over the bus."""

    def __init__(self):
        self.told = []
        pyatspi.Registry.registerEventListener(self._told, "object:property-change:accessible-name",
                                               "object:state-changed:showing")

    def _told(self, event):
        try:
            name = event.any_data if isinstance(event.any_data, str) else event.source.name
            self.told.append((event.type, role(event.source), name))
        except Exception:  # the object went meanwhile
            pass

    def heard(self, test):
        """True once an event for which test(type, role, name) holds has come."""
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)
        return any(test(*told) for told in self.told)


def find_app(process):
    def probe():
        if process.poll() is not None:
            raise StepFailed(f"the program ended with {process.returncode}")
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.get_process_id() == process.pid and app.childCount:
                return app
        return None

    return wait_for("the program on the accessibility desktop", probe, timeout=30)


def window(app):
    return wait_for("the program's window",
                    lambda: next((w for w in children(app) if w is not None and showing(w)),
                                 None))


def find(root, what, test, timeout=20.0):
    """The first showing object below root for which test(node) holds, waited for."""
    return wait_for(what, lambda: next((n for n in walk(root) if test(n)), None), timeout)


def press(node, action_name="Press"):
    names = actions(node)
    if action_name not in names:
        raise StepFailed(f"{describe(node)} has no action {action_name}")
    if not node.queryAction().doAction(names.index(action_name)):
        raise StepFailed(f"{action_name} on {describe(node)} was refused")


def set_text(node, text):
    try:
        editable = node.queryEditableText()
    except NotImplementedError:
        raise StepFailed(f"{describe(node)} takes no text")
    if not editable.setTextContents(text):
        raise StepFailed(f"setting \"{text}\" into {describe(node)} was refused")


def fold(text):
    return "".join(c for c in unicodedata.normalize("NFKD", text.lower())
                   if not unicodedata.combining(c))


def product_rows(product_list):
    return [r for r in children(product_list) if r is not None and role(r) == "list item"]


def check_names(win, where):
    """Every showing object a user can act on has a name."""
    for node in walk(win):
        acts = [a for a in actions(node) if a != "SetFocus"]
        if acts and not node.name.strip():
            raise StepFailed(f"{where}: {describe(node)} has actions but no name")


def wait_gone(node, what):
    wait_for(what, lambda: not showing(node))


def open_tab(win, T, tab_key):
    tab = find(win, f"the tab {tab_key}", lambda n: role(n) == "page tab" and n.name == T(tab_key))
    press(tab)
    wait_for(f"the tab {tab_key} selected", lambda: states(tab).contains(pyatspi.STATE_SELECTED))
    others = [t for t in walk(win) if role(t) == "page tab" and t.name != tab.name]
    if any(states(t).contains(pyatspi.STATE_SELECTED) for t in others):
        raise StepFailed(f"another tab is still selected beside {tab.name}")
    if any(states(t).contains(pyatspi.STATE_CHECKED) for t in others + [tab]):
        raise StepFailed("a tab reports a checked mark")


def alert(app, T, name_key, heard=None):
    """The alert named so, heard whole: its title (or, without one, its message) as its name,
    its message as its description."""
    try:
        box = wait_for(f"the alert {name_key}", lambda: next(
            (w for w in children(app) if w is not None and role(w) == "alert" and showing(w)
             and w.name == T(name_key)), None))
    except StepFailed as failure:
        shown = [describe(w) for w in children(app) if w is not None and showing(w)]
        raise StepFailed(f"{failure}; the windows showing: {shown}")
    if heard:
        wait_for(f"the alert {name_key} heard as it came", lambda: heard.heard(
            lambda kind, r, name: "showing" in kind and r == "alert" and name == T(name_key)))
    check_names(box, name_key)
    return box


def answer_dialog(session, app, T, title_key, button_key, heard=None):
    """A first-launch hint, answered as a user does; the keyboard then goes back to the window."""
    dialog = alert(app, T, title_key, heard)
    if not dialog.description.strip():
        raise StepFailed(f"the alert {title_key} does not read its message")
    press(find(dialog, f"its button {button_key}", lambda n: role(n) == "push button"
               and n.name == T(button_key)))
    wait_for(f"the dialog {title_key} closed", lambda: dialog not in children(app)
             or not showing(dialog))
    session.focus_program_window()


def run(session, lang, strings_dir, dump=False):
    # libatspi gives up on a call after 800 ms; a loaded machine answers an action that saves and
    # changes the screen later than that, which is slow, not wrong. A hang still fails the steps
    # that wait for the action's effect.
    Atspi.set_timeout(20000, 30000)
    process = session.start_program()
    app = find_app(process)
    win = window(app)
    session.focus_program_window()
    T = strings(strings_dir, lang)
    heard = Heard()
    query = "Käse"

    def show(title):
        if dump and (dump is True or dump == title):
            print(f"--- {title}", "\n".join(globals()["dump"](win)), sep="\n", flush=True)

    answer_dialog(session, app, T, "Sync-Benachrichtigung", "Hinweis löschen")
    show("start")
    check_names(win, "product list")
    # Search: text set into the field searches, and focusing the field keeps it.
    field = find(win, "the search field",
                 lambda n: role(n) == "text" and n.name == T("Accessible Search Field"))
    set_text(field, query)
    product_list = find(win, "the product list", lambda n: role(n) == "list"
                        and n.name.startswith(T("Accessible Product List")))
    wait_for("the hits of the search, counted in the list's name",
             lambda: any(ch.isdigit() for ch in product_list.name) and all(
                 fold(query) in fold(r.name) for r in product_rows(product_list)[:3]))
    press(field, "SetFocus")
    wait_for("the field focused", lambda: states(field).contains(pyatspi.STATE_FOCUSED))
    if text_of(field) != query:
        raise StepFailed(f"focusing the field changed its text to \"{text_of(field)}\"")
    check_names(win, "search hits")
    show("search")

    # The first hit opens as a tap does.
    first = product_rows(product_list)[0]
    hit_name = first.name
    press(first)
    wait_gone(product_list, "the product list covered by the product")
    find(win, "the product's name", lambda n: role(n) == "label" and hit_name.startswith(n.name)
         and n.name)
    table = find(win, "the nutrition table", lambda n: n.name == T("Accessible Nutrition Table"))
    for nutrient in ("Fett", "Salz"):
        if T(nutrient) not in table.description:
            raise StepFailed(f"the nutrition table does not read {T(nutrient)}: {table.description}")
    colours = [T(k) for k in ("Accessible Light Green", "Accessible Light Yellow",
                              "Accessible Light Red", "Accessible Light None")]
    if not any(c in table.description for c in colours):
        raise StepFailed(f"the nutrition table reads no light: {table.description}")
    choices = wait_for("the better choices", lambda: [
        n for n in walk(win) if role(n) == "push button" and T("Salz") + ": " in n.description])
    for choice in choices:
        named = [T(k) + ": " for k in ("Fett", "gesättigte Fette", "Zucker", "Salz")]
        if not all(n in choice.description for n in named):
            raise StepFailed(f"a better choice does not name each light: {describe(choice)}")
    check_names(win, "product")
    show("detail")

    # The tab bar: tabs switch with their action and say which one is shown.
    open_tab(win, T, "Menu List")
    wait_gone(table, "the product's page behind the planner")
    answer_dialog(session, app, T, "Speiseplan-Info", "Hinweis löschen")
    # A new folder, its name saved with the screen's Done button (Return is the keyboard's road).
    folder = "Käseplatte " + lang
    folders = find(win, "the folder list", lambda n: role(n) == "list"
                   and n.name == T("Accessible Folder List"))
    check_names(win, "planner")
    press(find(win, "the edit button", lambda n: role(n) == "push button"
               and n.name == T("Bearbeiten")))
    press(find(win, "the new folder button", lambda n: role(n) == "push button"
               and n.name == T("Accessible New Folder")))
    wait_gone(folders, "the new folder's screen")
    name_field = find(win, "the folder name field", lambda n: role(n) == "text")
    set_text(name_field, folder)
    check_names(win, "new folder")
    press(find(win, "the new folder's done button", lambda n: role(n) == "push button"
               and n.name == T("Fertig") and showing(n)))
    try:
        wait_for("the new folder in the folder list", lambda: showing(folders) and any(
            r.name.startswith(folder) for r in children(folders)), timeout=20)
    except StepFailed as failure:
        raise StepFailed(f"{failure}; the name field holds \"{text_of(name_field)}\", "
                         f"showing: {showing(name_field)}")
    press(find(win, "the edit button when done", lambda n: role(n) == "push button"
               and n.name == T("Fertig")))
    show("planner")
    open_tab(win, T, "Suche")
    wait_for("the product shown again", lambda: showing(table))

    # The calculator of the product.
    press(find(win, "the turn button", lambda n: role(n) == "push button" and n.name == T("Drehen")))
    wait_gone(table, "the product turned to its calculator")
    check_names(win, "calculator")
    bars = calculator_bars(win, T)
    fat = bars[0]
    if not fat.name.startswith(T("Fett")) or "%" not in fat.name:
        raise StepFailed(f"the fat bar reads \"{fat.name}\"")
    at_100 = value_of(fat)
    portion = find(win, "the portion field",
                   lambda n: role(n) == "text" and n.name == T("Accessible Portion"))
    set_text(portion, "300")
    # Three times the portion: three times the share, read on the bar and in its name.
    wait_for("the bars redrawn for the new portion",
             lambda: abs(value_of(calculator_bars(win, T)[0]) - 3 * at_100) < 0.5 + 0.01 * at_100)
    fat = calculator_bars(win, T)[0]
    value = value_of(fat)
    spaceless = "".join(c for c in fat.name if not c.isspace())  # "22 %" with a no-break space too
    if not any(f"{figure}%" in spaceless for figure in (int(value), round(value))):
        raise StepFailed(f"the fat bar's name \"{fat.name}\" does not read its value {value}")
    show("calculator")
    press(find(win, "the turn back button", lambda n: role(n) == "push button"
               and n.name == T("Zurück") and "Produkt" in n.description or n.name == T("Zurück")))
    table = find(win, "the product again", lambda n: n.name == T("Accessible Nutrition Table"))

    # Filing it: the folder picker's rows, checked with their action.
    press(find(win, "the favourites button", lambda n: role(n) == "push button"
               and n.name == T("Zu Favoriten hinzufügen")))
    picker = find(win, "the folder picker", lambda n: n.name == T("Accessible Folder Picker"))
    check_names(win, "folder picker")
    row = wait_for("the new folder in the picker",
                   lambda: next((r for r in children(picker) if r.name == folder), None))
    if states(row).contains(pyatspi.STATE_CHECKED):
        raise StepFailed("the new folder is checked before it was chosen")
    press(row, "Toggle")
    wait_for("the new folder checked", lambda: states(row).contains(pyatspi.STATE_CHECKED))
    # Filing it is heard with the picker's name, as the hits of a search with the list's.
    added = T("Accessible Added To %@").replace("%@", folder)
    wait_for("the filing heard", lambda: added in picker.name and heard.heard(
        lambda kind, r, name: kind.endswith("accessible-name") and added in name))
    show("picker")
    press(find(win, "the done button", lambda n: role(n) == "push button" and n.name == T("Done")))
    wait_gone(picker, "the picker closed")

    # The folder's contents, then the amount of the product in it.
    open_tab(win, T, "Menu List")
    folder_row = wait_for("the folder in the list", lambda: next(
        (r for r in children(folders) if r.name.startswith(folder)), None))
    press(folder_row)
    wait_gone(folders, "the folder's summary")
    # Its summary: the bars with shares and totals.
    summary = find(win, "the folder's bars", lambda n: n.name == T("Accessible GDA Bars"))
    bars = [b for b in children(summary) if b is not None and role(b) == "progress bar"]
    if len(bars) != 5 or not all("%" in b.name for b in bars):
        raise StepFailed(f"the folder's summary reads {[b.name for b in bars]}")
    if not bars[0].name.startswith(T("Fett")) and not T("Fett") in bars[0].name:
        raise StepFailed(f"the folder's first bar reads {bars[0].name}")
    check_names(win, "folder summary")
    press(find(win, "the back button", lambda n: role(n) == "push button"
               and n.name == T("Accessible Back")))
    wait_for("the folder list again", lambda: showing(folders))
    # While editing, a folder opens on its contents.
    press(find(win, "the edit button", lambda n: role(n) == "push button"
               and n.name == T("Bearbeiten")))
    folder_row = wait_for("the folder in the list", lambda: next(
        (r for r in children(folders) if r.name.startswith(folder)), None))
    press(folder_row)
    wait_gone(folders, "the folder's contents")
    contents = find(win, "the folder's contents", lambda n: role(n) == "list"
                    and n.name == T("Accessible Folder Contents"))
    product_name = hit_name.split(",")[0]
    item = wait_for("the product in the folder", lambda: next(
        (r for r in children(contents) if r.name.startswith(product_name)), None))
    check_names(win, "folder contents")
    press(item)
    wait_gone(contents, "the amount editor")
    show("amount")
    check_names(win, "amount editor")
    controls = [n for n in walk(win) if role(n) in ("text", "slider")]
    names = [n.name for n in controls]
    if len(set(names)) != len(names):
        raise StepFailed(f"fields and sliders share names: {names}")
    fields = [n for n in controls if role(n) == "text"]
    sliders = [n for n in controls if role(n) == "slider"]
    if len(fields) < 2 or len(sliders) < 2:
        raise StepFailed(f"the amount editor has {len(fields)} fields and {len(sliders)} sliders")
    # The amount set whole is applied: its slider and the calories follow.
    amount, calories = fields[0], fields[-1]
    calories_before = float(text_of(calories).replace(",", "."))
    amount_before = float(text_of(amount).replace(",", "."))
    set_text(amount, str(int(2 * amount_before)))
    wait_for("the amount applied to its slider and the calories", lambda: abs(
        value_of(sliders[0]) - 2 * amount_before) < 0.5 and abs(
        float(text_of(calories).replace(",", ".")) - 2 * calories_before) <= 1)

    # The profile: the body wheels and the activity level set through their values, as a reader
    # sets a spin box, and the daily need read from its field.
    open_tab(win, T, "Setup")
    press(find(win, "the profile row", lambda n: role(n) == "push button"
               and n.name.startswith(T("Persönliches Profil"))))
    wheels = {}
    for key in ("Accessible Gender", "Accessible Age", "Accessible Height", "Accessible Weight"):
        wheels[key] = find(win, f"the wheel {key}", lambda n, k=key: role(n) == "spin button"
                           and n.name == T(k))
    check_names(win, "profile")
    calories = find(win, "the daily calories field", lambda n: role(n) == "text"
                    and n.name == T("Daily Calories(kcal)"))
    for key, wanted in (("Accessible Gender", T("F")), ("Accessible Age", "30"),
                        ("Accessible Height", T("%@ cm").replace("%@", "165")),
                        ("Accessible Weight", T("%@ kg").replace("%@", "60"))):
        choose_row(wheels[key], wanted)
    press(find(win, "the activity level row", lambda n: role(n) == "push button"
               and n.name.startswith(T("Activity Level"))))
    activity = find(win, "the activity wheel", lambda n: role(n) == "spin button"
                    and n.name == T("Activity Level"))
    levels = [r.name for r in children(activity)]
    choose_row(activity, levels[1])
    need = wait_for("the daily need for the profile", lambda: number(text_of(calories)))
    press(find(win, "the activity level row", lambda n: role(n) == "push button"
               and n.name.startswith(T("Activity Level"))))
    choose_row(find(win, "the activity wheel", lambda n: role(n) == "spin button"
                    and n.name == T("Activity Level")), levels[-1])
    wait_for("a higher need for a more active life",
             lambda: (number(text_of(calories)) or 0) > need)
    show("profile")
    own_product(session, app, win, T, heard, lang, show)


REQUIRED_FIELDS = ("Sie haben noch nicht alle benötigten Textfelder ausgefüllt. Bitte ergänzen "
                   "Sie Produktnamen, Hersteller oder wählen noch eine Kategorie")


def own_product(session, app, win, T, heard, lang, show):
    """An own product entered through the form, then met in the own-products list: a row named
    with product and maker, selected while focused, opened by its action."""
    press(find(win, "the back button", lambda n: role(n) == "push button"
               and n.name == T("Accessible Back")))
    press(find(win, "the own products row", lambda n: role(n) == "push button"
               and n.name.startswith(T("Eigene Produkte verwalten"))))
    press(find(win, "the edit button", lambda n: role(n) == "push button"
               and n.name == T("Bearbeiten")))
    press(find(win, "the new product button", lambda n: role(n) == "push button"
               and n.name == T("Accessible New Product")))
    name_field = find(win, "the product name field", lambda n: role(n) == "text"
                      and n.name == T("Produktname"))
    product = "Käsebrot " + lang
    set_text(name_field, product)
    # The first-visit hints left open on the way hold the keyboard: they are answered first.
    for hint in [w for w in children(app) if w is not None and role(w) == "alert" and showing(w)]:
        press(find(hint, "its first button", lambda n: role(n) == "push button"))
        wait_gone(hint, f"the hint {hint.name} answered")
    # Escape asks before what was typed goes; keeping on, the text stays.
    session.key("Escape")
    question = alert(app, T, "Discard Typed Product Question", heard)
    press(find(question, "its keep button", lambda n: role(n) == "push button"
               and n.name == T("Keep Editing")))
    wait_gone(question, "the question answered")
    session.focus_program_window()
    if not showing(name_field) or text_of(name_field) != product:
        raise StepFailed(f"keeping on left the name field with \"{text_of(name_field)}\"")
    set_text(find(win, "the maker field", lambda n: role(n) == "text"
                  and n.name == T("Herstellername")), "Tolvane")
    show("own")
    check_names(win, "own product form")

    def save():
        press(find(win, "the save button", lambda n: role(n) == "push button"
                   and n.name == T("Fertig") and showing(n)))

    # Saved without a category: the alert is heard with its whole message.
    save()
    missing = alert(app, T, REQUIRED_FIELDS, heard)
    press(find(missing, "its button", lambda n: role(n) == "push button" and n.name == T("OK")))
    wait_gone(missing, "the alert answered")
    session.focus_program_window()
    category = find(win, "the category field", lambda n: role(n) == "text"
                    and n.name == T("Kategorie"))
    press(category, "SetFocus")
    wheel = find(win, "the category wheel", lambda n: role(n) == "spin button"
                 and n.name == T("Kategorie"))
    chosen = [r.name for r in children(wheel)][1]
    choose_row(wheel, chosen)
    wait_for("the category taken", lambda: text_of(category) == chosen)
    save()
    own = find(win, "the own products list", lambda n: role(n) == "list"
               and n.name == T("Accessible Own Product List"))
    press(find(win, "the edit button when done", lambda n: role(n) == "push button"
               and n.name == T("Fertig")))
    row = wait_for("the product in the list", lambda: next(
        (r for r in children(own) if role(r) == "list item"
         and r.name == f"{product}, Tolvane"), None))
    check_names(win, "own products")
    press(row, "SetFocus")
    wait_for("the row selected with the keyboard on it",
             lambda: states(row).contains(pyatspi.STATE_SELECTED))
    press(row)
    wait_gone(own, "the own products list covered by the product")
    find(win, "the product's nutrition table", lambda n: n.name == T("Accessible Nutrition Table"))
    find(win, "the product's name", lambda n: role(n) == "label" and n.name == product)


def number(text):
    """A whole number as a field shows it, thousands separators and all; None when there is none."""
    digits = "".join(c for c in text if c.isdigit())
    return int(digits) if digits else None


def choose_row(wheel, wanted):
    """Sets a wheel's value to the row that reads wanted, and waits until the wheel says so."""
    rows = [r.name for r in children(wheel)]
    if wanted not in rows:
        raise StepFailed(f"{describe(wheel)} has no row {wanted!r} among {rows[:8]}...")
    wheel.queryValue().currentValue = float(rows.index(wanted))
    wait_for(f"{wheel.name} at {wanted}", lambda: any(
        r.name == wanted and states(r).contains(pyatspi.STATE_SELECTED)
        for r in children(wheel)))


def strings(strings_dir, lang):
    """The program's string table of the language: key -> text."""
    table = {}
    root = ElementTree.parse(os.path.join(strings_dir, f"tolvane_{lang}.ts")).getroot()
    for message in root.iter("message"):
        table[message.findtext("source")] = message.findtext("translation") or ""
    return lambda key: table[key]


def calculator_bars(win, T):
    group = find(win, "the calculator's bars", lambda n: n.name == T("Accessible GDA Bars"))
    bars = [b for b in children(group) if b is not None and role(b) == "progress bar"]
    if len(bars) != 5:
        raise StepFailed(f"the calculator shows {len(bars)} bars, not 5")
    return bars
