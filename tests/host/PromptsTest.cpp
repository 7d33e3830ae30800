#include <orvo/host/Prompts.h>

#include <gtest/gtest.h>

namespace {

using orvo::Prompts;

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
