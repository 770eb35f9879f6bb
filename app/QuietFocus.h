// A navigation-bar or tab-bar button that the focus reaches while the user works with the mouse
// (the control under it went away, the window came back, a tap opened a screen) shows no focus
// frame: nobody put the keyboard there. The next key shows it again, and Tab goes on from it.
#pragma once

class QObject;

namespace tolvane {

// For as long as owner lives.
void quietFocusWithoutKeys(QObject* owner);

} // namespace tolvane
