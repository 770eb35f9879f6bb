#include "screens/settings/LinkRule.h"

namespace tolvane {
namespace {

std::string baseAddress(std::string dir) {
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    return "file://" + dir;
}

} // namespace

LinkAction classifyLink(const std::string& url, bool tapped, const LinkTargets& targets) {
    if (!tapped) return LinkAction::Follow;
    const std::string base = baseAddress(targets.resourceDir);
    if (!targets.updateMail.empty() && url == base + "/" + targets.updateMail + ".")
        return LinkAction::MailUpdate;
    if (!targets.foodLabelPage.empty() && url == targets.foodLabelPage)
        return LinkAction::OpenFoodLabelPage;
    if (!targets.supportMail.empty() && url == base + "/" + targets.supportMail + ".")
        return LinkAction::MailSupport;
    return LinkAction::Follow;
}

std::string externalAddress(LinkAction action, const LinkTargets& targets) {
    switch (action) {
    case LinkAction::MailUpdate:
        return mailtoAddress(targets.updateMail, "");
    case LinkAction::OpenFoodLabelPage:
        return targets.foodLabelPage;
    case LinkAction::MailSupport:
        return mailtoAddress(targets.supportMail, "@");
    case LinkAction::Follow:
        break;
    }
    return {};
}

std::string percentEncode(const std::string& text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                     c == '-' || c == '.' || c == '_' || c == '~' || c == '@';
        if (plain) {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string mailtoAddress(const std::string& recipient, const std::string& subject,
                          const std::string& body) {
    std::string address = "mailto:" + recipient + "?subject=" + percentEncode(subject);
    if (!body.empty()) address += "&body=" + percentEncode(body);
    return address;
}

} // namespace tolvane
