#include "app/registration/AppDetailHost.h"

#include "app/Tolvane_AppDelegate.h"

namespace tolvane {

DetailHost detailHost(Tolvane_AppDelegate& delegate) {
    Tolvane_AppDelegate* d = &delegate; // lives as long as the process
    return {
        [d](const std::vector<std::string>& details, int o) { d->showLandscapeView(details, o); },
        [d] { d->nextView(); },
        [d](const std::vector<std::string>& details, int o) { d->showInfoView(details, o); },
        delegate.context().devicePreferred};
}

} // namespace tolvane
