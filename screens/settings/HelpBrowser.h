// A help page: keyed HTML shown with the resource directory as base, so "pictures/x.svg"
// resolves to the pictures delivered with the program. Tapped links go to the page's model
// first; what the system opened is not followed here as well.
#pragma once

#include "screens/settings/LinkRule.h"

#include <QTextBrowser>

#include <functional>
#include <string>

namespace tolvane {

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using LinkHandler = std::function<LinkAction(const std::string& url, bool tapped)>;

    // external: opens web and mail links that no rule took, in the system's programs.
    HelpBrowser(const QString& baseDirectory, LinkHandler handler,
                std::function<void(const std::string&)> external, QWidget* parent = nullptr);
    void showHtml(const QString& html);
    // The full address of a link as written in the page.
    QUrl resolve(const QUrl& link) const;
    // What a tap on the link does (also used by tests).
    void tap(const QUrl& link);

private:
    QUrl base_;
    LinkHandler handler_;
    std::function<void(const std::string&)> external_;
};

} // namespace tolvane
