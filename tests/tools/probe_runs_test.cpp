// A fixed set of event sequences replayed by airfoil-probe, compared number
// for number with the reports kept in probe_runs.json. A change to a formula,
// a drawing call or a control text anywhere shows up here as the first value
// that differs. The message texts are pinned by their own tests; here only
// their number counts.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <fstream>

#include "support/probe_process.h"

namespace airfoil::testing {
namespace {

using nlohmann::json;

// Walks both values together and names the first place where they differ;
// numbers must be the same double, not merely close.
void expect_same(const json& actual, const json& expected, const std::string& where) {
  if (expected.is_number() && actual.is_number()) {
    EXPECT_EQ(actual.get<double>(), expected.get<double>()) << where;
    return;
  }
  ASSERT_EQ(actual.type_name(), std::string(expected.type_name())) << where;
  if (expected.is_object()) {
    ASSERT_EQ(actual.size(), expected.size()) << where;
    for (const auto& [key, value] : expected.items()) {
      ASSERT_TRUE(actual.contains(key)) << where << "." << key;
      expect_same(actual[key], value, std::string(where).append(".").append(key));
    }
  } else if (expected.is_array()) {
    ASSERT_EQ(actual.size(), expected.size()) << where;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      expect_same(actual[i], expected[i], where + "[" + std::to_string(i) + "]");
      if (::testing::Test::HasFailure()) return;
    }
  } else {
    EXPECT_EQ(actual, expected) << where;
  }
}

json stored_runs() {
  std::ifstream in(AIRFOIL_SOURCE_DIR "/tests/tools/probe_runs.json");
  return json::parse(in);
}

TEST(ProbeRuns, ReportsMatchTheStoredOnesNumberForNumber) {
  const json runs = stored_runs()["runs"];
  ASSERT_GE(runs.size(), 6u);
  for (const json& stored : runs) {
    const std::string name = stored["name"];
    SCOPED_TRACE(name);
    const auto dir = test_dir() / name;
    std::filesystem::create_directories(dir);
    std::vector<std::string> args{"--catalogue"};
    if (stored["catalogue"].is_null()) {
      args.emplace_back(AIRFOIL_SOURCE_DIR "/data/KATPE-D20G15.txt");
    } else {
      std::ofstream(dir / "catalogue.txt") << stored["catalogue"].get<std::string>();
      args.emplace_back("catalogue.txt");
    }
    for (const json& action : stored["actions"]) args.push_back(action);

    const ProbeRun run = run_probe(args, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    json report = json::parse(run.out);
    json expected = stored["expected"];
    EXPECT_EQ(report["messages"].size(), expected["messages"].size());
    report.erase("messages");
    expected.erase("messages");
    expect_same(report, expected, name);
  }
}

}  // namespace
}  // namespace airfoil::testing
