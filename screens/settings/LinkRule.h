// Which tapped links of a help page leave the page: the maker's update and support
// addresses (written bare in the help texts, so they resolve against the resource
// directory) open a mail, the food-label page opens in the browser.
#pragma once

#include <string>

namespace tolvane {

struct LinkTargets {
    std::string resourceDir; // base of the help pages, without "file://"
    std::string updateMail;
    std::string supportMail;
    std::string foodLabelPage;
};

enum class LinkAction { Follow, MailUpdate, OpenFoodLabelPage, MailSupport };

// url: the full, resolved address of the link; tapped: false for loads the page makes itself.
LinkAction classifyLink(const std::string& url, bool tapped, const LinkTargets& targets);

// The address handed to the system for an action other than Follow.
std::string externalAddress(LinkAction action, const LinkTargets& targets);

// "mailto:" address with percent-encoded subject and (when not empty) body.
std::string mailtoAddress(const std::string& recipient, const std::string& subject,
                          const std::string& body = {});

std::string percentEncode(const std::string& text);

} // namespace tolvane
