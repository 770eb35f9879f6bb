#include "app/platform/QtUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tolvane {

bool QtUrlOpener::open(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

} // namespace tolvane
