// A catalogue file written to a fresh temporary directory for one test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace airfoil::testing {

// A catalogue file in a fresh temporary directory, removed again at the end.
class TempCatalogue {
 public:
  explicit TempCatalogue(const std::string& content) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    dir_ = std::filesystem::temp_directory_path() / ("airfoil-model-" + name);
    std::filesystem::create_directories(dir_);
    path_ = (dir_ / "KATPE-D20G15.txt").string();
    std::ofstream(path_, std::ios::binary) << content;
  }
  ~TempCatalogue() { std::filesystem::remove_all(dir_); }
  const std::string& path() const { return path_; }

 private:
  std::filesystem::path dir_;
  std::string path_;
};

}  // namespace airfoil::testing
