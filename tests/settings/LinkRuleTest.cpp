#include "screens/settings/LinkRule.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {
LinkTargets targets() {
    return {"/usr/share/tolvane", "update@tolvane.ch", "support@tolvane.ch",
            "https://example.org/food-labels.html"};
}
} // namespace

TEST(LinkRule, TappedLinksMatchedByFullAddress) {
    auto t = targets();
    EXPECT_EQ(classifyLink("file:///usr/share/tolvane/update@tolvane.ch.", true, t),
              LinkAction::MailUpdate);
    EXPECT_EQ(classifyLink("file:///usr/share/tolvane/support@tolvane.ch.", true, t),
              LinkAction::MailSupport);
    EXPECT_EQ(classifyLink("https://example.org/food-labels.html", true, t),
              LinkAction::OpenFoodLabelPage);
    // Near misses are followed like any other link.
    EXPECT_EQ(classifyLink("file:///usr/share/tolvane/support@tolvane.ch", true, t),
              LinkAction::Follow);
    EXPECT_EQ(classifyLink("file:///elsewhere/support@tolvane.ch.", true, t), LinkAction::Follow);
    EXPECT_EQ(classifyLink("https://example.org/food-labels.html#x", true, t), LinkAction::Follow);
}

TEST(LinkRule, LoadsThePageMakesItselfAreNeverIntercepted) {
    auto t = targets();
    EXPECT_EQ(classifyLink("file:///usr/share/tolvane/support@tolvane.ch.", false, t),
              LinkAction::Follow);
    EXPECT_EQ(classifyLink("https://example.org/food-labels.html", false, t), LinkAction::Follow);
}

TEST(LinkRule, TrailingSlashOfResourceDirectoryDoesNotMatter) {
    auto t = targets();
    t.resourceDir = "/usr/share/tolvane/";
    EXPECT_EQ(classifyLink("file:///usr/share/tolvane/update@tolvane.ch.", true, t),
              LinkAction::MailUpdate);
}

TEST(LinkRule, ExternalAddresses) {
    auto t = targets();
    EXPECT_EQ(externalAddress(LinkAction::MailUpdate, t), "mailto:update@tolvane.ch?subject=");
    EXPECT_EQ(externalAddress(LinkAction::MailSupport, t), "mailto:support@tolvane.ch?subject=@");
    EXPECT_EQ(externalAddress(LinkAction::OpenFoodLabelPage, t), t.foodLabelPage);
    EXPECT_EQ(externalAddress(LinkAction::Follow, t), "");
}

TEST(LinkRule, MailAddressesEncodeSubjectAndBody) {
    EXPECT_EQ(mailtoAddress("a@b.ch", "Frage & Lob", "Zeile 1\nÄ?"),
              "mailto:a@b.ch?subject=Frage%20%26%20Lob&body=Zeile%201%0A%C3%84%3F");
}
