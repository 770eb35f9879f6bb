#include "app/registration/AppDetailHost.h"

#include "app/Tolvane_AppDelegate.h"

namespace tolvane {

DetailHost detailHost(Tolvane_AppDelegate& delegate) {
    Tolvane_AppDelegate* d = &delegate; // lives as long as the process
    return {[d](const ProductRecord& product, DeviceOrientation o) {
                d->showLandscapeView(product, o);
            },
            [d] { d->nextView(); },
            [d](const ProductRecord& product, DeviceOrientation o) { d->showInfoView(product, o); },
            delegate.context().devicePreferred, delegate.context().options.language.toStdString()};
}

} // namespace tolvane
