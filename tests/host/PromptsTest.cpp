#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

using orvo::Prompts;

TEST(Prompts, ScriptedPromptsAreInstalledForTheirScopeAndRecordEveryQuestion) {
    Prompts* before = &Prompts::instance();
    {
        orvo::test::ScriptedPrompts scripted;
        scripted.answers.push_back(Prompts::Answer::Yes);
        EXPECT_EQ(&Prompts::instance(), &scripted);
        EXPECT_EQ(Prompts::instance().messageBox("q1", Prompts::Buttons::YesNo,
                                                 Prompts::Icon::Question, "t"),
                  Prompts::Answer::Yes);
        EXPECT_EQ(Prompts::instance().messageBox("q2", Prompts::Buttons::YesNo,
                                                 Prompts::Icon::Question, "t"),
                  Prompts::Answer::No);
        ASSERT_EQ(scripted.messages.size(), 2u);
        EXPECT_EQ(scripted.messages[1].text, "q2");
        EXPECT_FALSE(Prompts::instance().openFileName({}).has_value());
    }
    EXPECT_EQ(&Prompts::instance(), before);
}

TEST(Prompts, FallbackRefusesWithoutAskingAnyone) {
    orvo::RefusingPrompts refusing;
    EXPECT_EQ(refusing.messageBox("", Prompts::Buttons::Ok, Prompts::Icon::None, ""),
              Prompts::Answer::Ok);
    EXPECT_EQ(refusing.messageBox("", Prompts::Buttons::OkCancel, Prompts::Icon::None, ""),
              Prompts::Answer::Cancel);
    EXPECT_EQ(refusing.messageBox("", Prompts::Buttons::YesNo, Prompts::Icon::None, ""),
              Prompts::Answer::No);
    EXPECT_FALSE(refusing.saveFileName({}).has_value());
}

} // namespace
