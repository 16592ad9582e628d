// Runs the airfoil-probe examples of README.md as a reader would type them,
// from an empty folder, and checks what their comments say they show: each
// "Name = value" in a comment is a variable or a control of the probe's
// report, a number to the digits written or a quoted text exactly.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <nlohmann/json.hpp>

namespace airfoil::testing {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

struct Example {
  std::string arguments;  // as typed after the program's name
  std::string comment;
};

// Lines of the README's fenced code blocks that start the probe.
std::vector<Example> probe_examples() {
  std::ifstream readme(fs::path(AIRFOIL_SOURCE_DIR) / "README.md");
  std::vector<Example> examples;
  bool in_code = false;
  for (std::string line; std::getline(readme, line);) {
    if (line.starts_with("```")) {
      in_code = !in_code;
      continue;
    }
    static const std::regex command(R"(^\s*\S*airfoil-probe((?:\s+[^#\s]+)*)\s*(?:#\s*(.*))?$)");
    std::smatch m;
    if (in_code && std::regex_match(line, m, command)) examples.push_back({m[1], m[2]});
  }
  return examples;
}

struct ProbeRun {
  int status = -1;
  std::string out;
};

ProbeRun run_in(const fs::path& dir, const std::string& arguments) {
  const std::string shell = "cd '" + dir.string() + "' && '" AIRFOIL_PROBE_PATH "'" + arguments;
  ProbeRun run;
  FILE* pipe = popen(shell.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
  return run;
}

const Json* find_member(const Json& report, const std::string& name) {
  for (const char* part : {"state", "controls", "readouts"}) {
    const Json& members = report[part];
    if (const auto found = members.find(name); found != members.end()) return &*found;
  }
  return nullptr;
}

TEST(Readme, ProbeExamplesShowWhatTheirCommentsSay) {
  const std::vector<Example> examples = probe_examples();
  ASSERT_GE(examples.size(), 2u) << "README.md has no probe examples";
  int claims = 0;
  for (std::size_t i = 0; i < examples.size(); ++i) {
    const Example& example = examples[i];
    SCOPED_TRACE("airfoil-probe" + example.arguments);
#ifndef AIRFOIL_PROBE_HAS_PNG
    if (example.arguments.find("--png") != std::string::npos) continue;  // a build without Qt
#endif
    const fs::path dir = fs::path(::testing::TempDir()) / ("readme_example_" + std::to_string(i));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const ProbeRun run = run_in(dir, example.arguments);
    ASSERT_EQ(run.status, 0);
    const Json report = Json::parse(run.out);
    EXPECT_TRUE(report["messages"].empty()) << "the example shows a message box";

    static const std::regex claim(R"re(([A-Za-z_]\w*) = (-?[0-9]+(?:\.([0-9]+))?|"[^"]*"))re");
    for (std::sregex_iterator m(example.comment.begin(), example.comment.end(), claim), end; m != end; ++m) {
      ++claims;
      const std::string name = (*m)[1], written = (*m)[2];
      const Json* shown = find_member(report, name);
      ASSERT_NE(shown, nullptr) << name << " is not in the report";
      if (written.front() == '"') {
        EXPECT_EQ(shown->get<std::string>(), written.substr(1, written.size() - 2)) << name;
      } else {
        const double half_digit = 0.5 * std::pow(10.0, -static_cast<double>((*m)[3].length()));
        EXPECT_NEAR(shown->get<double>(), std::stod(written), half_digit) << name;
      }
    }
    // "--png DIR" writes the five pictures there.
    static const std::regex png(R"(--png\s+(\S+))");
    if (std::smatch m; std::regex_search(example.arguments, m, png)) {
      int pictures = 0;
      for (const auto& file : fs::directory_iterator(dir / m[1].str()))
        pictures += file.path().extension() == ".png";
      EXPECT_EQ(pictures, 5);
    }
  }
  EXPECT_GE(claims, 2) << "the README's probe examples claim nothing to check";
}

}  // namespace
}  // namespace airfoil::testing
