#include "platform/Platform.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(FakeAlerts, AnswersReachTheCallbackInOrder) {
    FakeAlerts alerts;
    std::vector<int> answers;
    alerts.show({"", "Keine Treffer", {"OK"}}, [&](int b) { answers.push_back(b); });
    alerts.show({"Sync", "Sync?", {"Abbrechen", "Sync starten", "Nie"}},
                [&](int b) { answers.push_back(10 + b); });
    ASSERT_TRUE(alerts.hasPending());
    EXPECT_EQ(alerts.firstPending().message, "Keine Treffer");
    EXPECT_TRUE(alerts.answer(0));
    EXPECT_TRUE(alerts.answer(2));
    EXPECT_FALSE(alerts.answer(0));
    EXPECT_EQ(answers, (std::vector<int>{0, 12}));
    EXPECT_EQ(alerts.shown().size(), 2u);
}

TEST(MemoryStrings, MissingTextShowsTheKey) {
    MemoryStrings s;
    s.set("Suche", "Search");
    EXPECT_EQ(s.text("Suche"), "Search");
    EXPECT_EQ(s.text("    Optionen"), "    Optionen");
}

TEST(MemoryLog, KeepsLinesExactly) {
    MemoryLog log;
    log.write("Inside updateDTimestampRows");
    EXPECT_TRUE(log.contains("Inside updateDTimestampRows"));
    EXPECT_FALSE(log.contains("Inside updateDTimestampRows1"));
    EXPECT_TRUE(log.containsPrefix("Inside"));
}
