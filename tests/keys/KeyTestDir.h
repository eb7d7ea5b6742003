#pragma once
// Shared fixtures of the key tests: a fresh folder per test and small keys.

#include "keys/Kulcs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace kv::test {

class TKeyDirTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = std::filesystem::temp_directory_path() /
           ("kvkeys_" + std::to_string(rd()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  void WriteRaw(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(dir_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  std::vector<std::uint8_t> ReadRaw(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    return names;
  }

  std::filesystem::path dir_;
};

// A key of index harmas-kettes-(13-harmas-kettes): the triples first, then the
// doubles, and one column holding every sign of its base tip.
inline TKulcs KeyWithIndex(int harmas, int kettes, TKeyColumns& columns, const std::string& nev = "K") {
  TKulcs k;
  k.nev = nev;
  TOszlop o{};
  for (int m = 0; m < harmas + kettes; ++m) {
    k.alaptipp[m] = m < harmas ? "1X2" : "1X";
    o[m] = m < harmas ? 7 : 3;
  }
  columns = {o};
  ComputeKeyCounts(k, columns);
  return k;
}

} // namespace kv::test
