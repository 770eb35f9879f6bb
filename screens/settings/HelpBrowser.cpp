#include "screens/settings/HelpBrowser.h"

#include <QFileInfo>

namespace tolvane {

HelpBrowser::HelpBrowser(const QString& baseDirectory, LinkHandler handler,
                         std::function<void(const std::string&)> external, QWidget* parent)
    : QTextBrowser(parent), base_(QUrl::fromLocalFile(baseDirectory + "/")),
      handler_(std::move(handler)), external_(std::move(external)) {
    setObjectName("helpBrowser");
    setOpenLinks(false);
    setFrameShape(QFrame::NoFrame);
    // Narrow table columns wrap between words, never inside one ("Nährsto-ff").
    setWordWrapMode(QTextOption::WordWrap);
    // Smaller table text so that four columns of whole words fit the handheld's width.
    document()->setDefaultStyleSheet("td, th { font-size: 8pt; }");
    document()->setDocumentMargin(3);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setBaseUrl(base_);
    setSearchPaths({baseDirectory});
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::tap);
}

void HelpBrowser::showHtml(const QString& html) {
    document()->setBaseUrl(base_);
    setHtml(html);
}

QUrl HelpBrowser::resolve(const QUrl& link) const {
    return base_.resolved(link);
}

void HelpBrowser::tap(const QUrl& link) {
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        scrollToAnchor(link.fragment());
        return;
    }
    const QUrl full = resolve(link);
    const QString address = full.isLocalFile() ? "file://" + full.toLocalFile() : full.toString();
    const LinkAction action = handler_ ? handler_(address.toStdString(), true) : LinkAction::Follow;
    if (action != LinkAction::Follow) return;
    if (full.isLocalFile()) {
        // Only pages that exist; a bare address that no rule took stays where it is.
        if (QFileInfo(full.toLocalFile()).isFile()) setSource(full);
    } else if (external_) {
        external_(address.toStdString());
    }
}

} // namespace tolvane
