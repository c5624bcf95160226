// The command line against the option table: values reach the model, refused
// values give the box's messages, and --help lists every option.
#include <gtest/gtest.h>

#include "batch/option_parser.h"
#include "engine/entry_check.h"

namespace morvane::batch {
namespace {

class OptionParserTest : public ::testing::Test {
 protected:
  std::optional<std::string> parse(const std::vector<std::string>& arguments) {
    return ParseArguments(arguments, groups, request);
  }

  std::vector<OptionGroup> groups = BatchOptionGroups();
  BatchRequest request;
};

TEST_F(OptionParserTest, EveryScenarioOptionReachesItsInput) {
  ASSERT_EQ(parse({"--mean-demand", "20", "--amplitude", "12.5", "--cycles", "3", "--shift",
                   "90", "--servers", "8", "--service-rate", "3.5", "--delay-cost", "10",
                   "--full-time-cost", "200", "--part-time-cost", "150", "--time-step", "30",
                   "--max-iterations", "20", "--max-change", "0.5", "--max-states", "150",
                   "--critical-pwait", "0.3", "--sl-seconds", "30", "--sl-target", "90",
                   "--patience", "120"}),
            std::nullopt);
  const ScenarioInputs& in = request.model.inputs;
  EXPECT_EQ(in.MeanDemand, 20);
  EXPECT_EQ(in.DemandAmplitude, 12.5L);
  EXPECT_EQ(in.CyclesPerDay, 3);
  EXPECT_EQ(in.DemandShift, 90);
  EXPECT_EQ(in.BaseServers, 8);
  EXPECT_EQ(in.ServiceRate, 3.5L);
  EXPECT_EQ(in.DelayCost, 10);
  EXPECT_EQ(in.FullTimeCost, 200);
  EXPECT_EQ(in.PartTimeCost, 150);
  EXPECT_EQ(in.TimeStepSeconds, 30);
  EXPECT_EQ(in.MaxIterations, 20);
  EXPECT_EQ(in.MaxPercentChange, 0.5L);
  EXPECT_EQ(in.MaxStates, 150);
  EXPECT_EQ(request.model.CriticalPWait, 0.3L);
  EXPECT_EQ(in.ServiceLevelSeconds, 30);
  EXPECT_EQ(in.ServiceLevelTarget, 90);
  EXPECT_EQ(in.PatienceSeconds, 120);
  EXPECT_FALSE(in.BlockDemand);
}

TEST_F(OptionParserTest, BlockMinutesSwitchBlockDemandOn) {
  ASSERT_EQ(parse({"--block-minutes=30"}), std::nullopt);
  EXPECT_TRUE(request.model.inputs.BlockDemand);
  EXPECT_EQ(request.model.inputs.BlockMinutes, 30);
}

TEST_F(OptionParserTest, OutputOptions) {
  ASSERT_EQ(parse({"--json", "--steps", "s.csv", "--minutes=m.csv"}), std::nullopt);
  EXPECT_TRUE(request.output.json);
  EXPECT_EQ(request.output.stepsFile, "s.csv");
  EXPECT_EQ(request.output.minutesFile, "m.csv");
  EXPECT_FALSE(request.output.help);
  ASSERT_EQ(parse({"--help"}), std::nullopt);
  EXPECT_TRUE(request.output.help);
}

TEST_F(OptionParserTest, OutOfRangeValuesGiveTheBoxMessages) {
  EXPECT_EQ(parse({"--cycles", "13"}), "--cycles 13: Invalid Parameter Value.  Must have 1 <= X <= 12");
  EXPECT_EQ(parse({"--mean-demand", "0.5"}),
            "--mean-demand 0.5: Invalid Parameter Value.  Must have 1.00 <= X <= 100.00");
  EXPECT_EQ(parse({"--critical-pwait", "1.5"}),
            "--critical-pwait 1.5: Invalid Parameter Value.  Must have 0.00 <= X <= 1.00");
  EXPECT_EQ(parse({"--sl-seconds", "3601"}),
            "--sl-seconds 3601: Invalid Parameter Value.  Must have 0 <= X <= 3600");
  EXPECT_EQ(parse({"--max-states", "501"}),
            "--max-states 501: Invalid Parameter Value.  Must have 100 <= X <= 500");
  EXPECT_EQ(request.model.inputs.CyclesPerDay, 1);
  EXPECT_EQ(request.model.inputs.MaxStates, 100);
}

TEST_F(OptionParserTest, UnreadableValuesAreRefused) {
  EXPECT_EQ(parse({"--service-rate", "abc"}), "--service-rate abc: Conversion Error");
  EXPECT_EQ(parse({"--cycles", "05"}), "--cycles 05: " + kConversionWarning);
  EXPECT_EQ(parse({"--time-step", "x"}), "--time-step x: " + kConversionWarning);
}

TEST_F(OptionParserTest, BoundsFollowTheValueInForceWhenTheOptionIsRead) {
  EXPECT_EQ(parse({"--amplitude", "12"}),
            "--amplitude 12: Invalid Parameter Value.  Must have 0.00 <= X <= 10.00");
  EXPECT_EQ(parse({"--mean-demand", "20", "--amplitude", "12"}), std::nullopt);
  EXPECT_EQ(request.model.inputs.DemandAmplitude, 12);
  EXPECT_EQ(parse({"--part-time-cost", "130"}),
            "--part-time-cost 130: Invalid Parameter Value.  Must have 0.00 <= X <= 125.00");
  // Each bound is tested only when its own option is read.
  EXPECT_EQ(parse({"--part-time-cost", "100", "--full-time-cost", "90"}), std::nullopt);
}

TEST_F(OptionParserTest, MalformedCommandLines) {
  EXPECT_EQ(parse({"--bogus"}), "Unknown option --bogus\rTry morvane-batch --help.");
  EXPECT_EQ(parse({"6"}), "Unknown option 6\rTry morvane-batch --help.");
  EXPECT_EQ(parse({"--servers"}), "Option --servers needs a value N.");
  EXPECT_EQ(parse({"--servers="}), "Option --servers needs a value N.");
  EXPECT_EQ(parse({"--json=yes"}), "Option --json takes no value.");
  // The first refusal stops the parse: later options are not applied.
  EXPECT_NE(parse({"--cycles", "0", "--servers", "9"}), std::nullopt);
  EXPECT_EQ(request.model.inputs.BaseServers, 6);
}

TEST_F(OptionParserTest, HelpListsEveryOptionOnce) {
  const std::string help = HelpText(groups);
  for (const OptionGroup& group : groups)
    for (const BatchOption& option : group.options) {
      const std::string usage = "  " + option.name + (option.valueName.empty() ? "" : " ") +
                                option.valueName + " ";
      const auto at = help.find(usage);
      EXPECT_NE(at, std::string::npos) << option.name;
      EXPECT_EQ(help.find(usage, at + 1), std::string::npos) << option.name;
      EXPECT_NE(help.find(option.help), std::string::npos) << option.name;
    }
}

}  // namespace
}  // namespace morvane::batch
