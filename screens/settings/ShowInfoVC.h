// The general help page: picks its HTML text by the (already translated) title it is given.
#pragma once

#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/settings/LinkRule.h"

#include <optional>
#include <string>

namespace tolvane {

class ShowInfoVC : public Screen {
public:
    ShowInfoVC(Platform platform, Navigation& navigation, LinkTargets links, std::string myTitle,
               std::string titleDisplay = {});

    void viewDidLoad();
    void viewWillAppear();

    const std::string& myTitle() const { return myTitle_; }
    // Empty when the title is hidden.
    std::string navigationTitle() const;
    std::string backButtonTitle() const;
    static const char* backgroundPicture() { return "background_vertical.png"; }

    // The HTML loaded before appearing (empty for a title without a page).
    const std::string& html() const { return html_; }
    const std::string& baseDirectory() const { return links_.resourceDir; }

    // A link the page is about to follow. Mail and the food-label page go to the system;
    // the page may follow every link (the result says whether the system took it).
    LinkAction linkRequested(const std::string& url, bool tapped);
    void prevButtonClick();
    // A web or mail link that no rule took.
    void openExternal(const std::string& url) { platform_.urls.open(url); }

private:
    // The text key of the page, looked up by title; none when no page has this title.
    std::optional<std::string> pageTextKey() const;

    Platform platform_;
    Navigation& navigation_;
    LinkTargets links_;
    std::string myTitle_;
    std::string titleDisplay_;
    std::string html_;
};

} // namespace tolvane
