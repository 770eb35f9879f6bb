#include "screens/settings/LinkRule.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {
LinkTargets targets() {
    return {"/usr/share/tolvane", "update@tolvane.ch", "support@tolvane.ch",
            "https://example.org/food-labels.html"};
}
} // namespace

TEST(LinkRule, TappedLinksMatchedByFullAddressOnly) {
    const struct {
        const char* url;
        bool tapped;
        LinkAction expected;
    } cases[] = {
        {"file:///usr/share/tolvane/update@tolvane.ch.", true, LinkAction::MailUpdate},
        {"file:///usr/share/tolvane/support@tolvane.ch.", true, LinkAction::MailSupport},
        {"https://example.org/food-labels.html", true, LinkAction::OpenFoodLabelPage},
        // Near misses are followed like any other link.
        {"file:///usr/share/tolvane/support@tolvane.ch", true, LinkAction::Follow},
        {"file:///elsewhere/support@tolvane.ch.", true, LinkAction::Follow},
        {"https://example.org/food-labels.html#x", true, LinkAction::Follow},
        // Loads the page makes itself are never intercepted.
        {"file:///usr/share/tolvane/support@tolvane.ch.", false, LinkAction::Follow},
        {"https://example.org/food-labels.html", false, LinkAction::Follow},
    };
    for (const std::string dir : {"/usr/share/tolvane", "/usr/share/tolvane/"}) {
        auto t = targets();
        t.resourceDir = dir;
        for (const auto& c : cases)
            EXPECT_EQ(classifyLink(c.url, c.tapped, t), c.expected) << c.url << " in " << dir;
    }
}

TEST(LinkRule, MailAddressesEncodeSubjectAndBody) {
    EXPECT_EQ(mailtoAddress("a@b.ch", "Frage & Lob", "Zeile 1\nÄ?"),
              "mailto:a@b.ch?subject=Frage%20%26%20Lob&body=Zeile%201%0A%C3%84%3F");
}
