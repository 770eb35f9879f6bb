// A control the keyboard moves to inside a scrolling page is scrolled into view, on every
// screen: a keyboard or screen-reader user must see (and hear) where the focus went.
#pragma once

class QObject;

namespace tolvane {

// For as long as owner lives.
void keepFocusInView(QObject* owner);

} // namespace tolvane
