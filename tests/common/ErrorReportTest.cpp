#include "common/ErrorReport.h"

#include "ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const char* const Location = "in Dorvane2021/08/31.Form1.Form_Load ";

TEST(ErrorReport, TextHasDescriptionLocationLineAndAddress)
{
    EXPECT_EQ(common::errorReportText("Boom", Location, 108),
              QStringLiteral("Boom\r\nin Dorvane2021/08/31.Form1.Form_Load at line 108\r\r"
                             "Please email screenshot of this message to ") +
                  common::SupportAddress);
}

TEST(ErrorReport, FailingStepIsReportedAndTheProcedureGoesOn)
{
    ScriptedMessageBoxes boxes;
    common::Guard step(Location);
    std::vector<int> ran;
    step(100, [&] { ran.push_back(100); });
    step(102, [&] { throw std::runtime_error("first"); });
    step(104, [&] { ran.push_back(104); });
    step(106, [&] { throw std::runtime_error("second"); });
    step(108, [&] { ran.push_back(108); });

    EXPECT_EQ(ran, (std::vector<int>{100, 104, 108}));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].text, common::errorReportText("first", Location, 102));
    EXPECT_EQ(boxes.shown[1].text, common::errorReportText("second", Location, 106));
    EXPECT_EQ(boxes.shown[0].title, "Application Error");
    EXPECT_EQ(boxes.shown[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(boxes.shown[0].buttons, platform::Buttons::Ok);
}

TEST(ErrorReport, FailureBeforeTheFirstLineIsLineZeroAndUnknownExceptionsAreDescribed)
{
    ScriptedMessageBoxes boxes;
    common::Guard step(Location);
    step.guarded([] { throw 42; });
    step(100, [] {});
    step.guarded([] { throw std::logic_error("inside a helper"); });
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].text, common::errorReportText("Unknown error", Location, 0));
    EXPECT_EQ(boxes.shown[1].text, common::errorReportText("inside a helper", Location, 100));
}

}  // namespace
