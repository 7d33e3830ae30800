#include "ScriptedPrompts.h"

#include <orvo/model/CalibrationFormula.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/OleDate.h>
#include <orvo/views/DayFirstPrompt.h>

#include <gtest/gtest.h>

namespace {

using orvo::Prompts;

TEST(PromptedNotices, ParameterNoticeAndDateQuestionGoThroughPrompts) {
    orvo::test::ScriptedPrompts prompts;
    prompts.answers = {Prompts::Answer::Ok, Prompts::Answer::Yes};
    orvo::CalibrationFormula formula;
    formula.formula = 1;
    formula.Grade = 3;
    formula.a2 = -0.5f;
    formula.b = 4;
    formula.ShowFormula();

    orvo::MeasurementData data;
    data.readText(orvo::MeasurementPoint::headerLine() + "\r\n07.03.2005 09:00:00\t1" +
                      QString("\t0").repeated(30) + "\tTrue\r\n",
                  orvo::askDayFirstThroughPrompts);
    EXPECT_EQ(orvo::OleDate::isoText(data.getMeasurementPoints(0)->MeasurementDate),
              "2005-03-07 09:00:00");

    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(prompts.messages[0].text,
              "Following parameters will be sent to DTM: \nformula: ash\ngrade: 1&2\na1: 0\n"
              "a2: -0.5\na3: 0\na4: 0\na5: 0\na6: 0\na7: 0\na8: 0\na9: 0\na10: 0\nb: 4");
    EXPECT_EQ(prompts.messages[1].text, "Is it 'dd.mm.yyyy' date format?");
    EXPECT_EQ(prompts.messages[1].buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(prompts.messages[1].icon, Prompts::Icon::Question);
}

} // namespace
