#include "engine/Szoveg.h"

#include <gtest/gtest.h>

#include <string>

namespace kv {
namespace {

TEST(ParseFloat, ReadsCommaAndFullStopAlike) {
  const std::pair<std::string, double> jok[] = {{"1.5", 1.5}, {"1,5", 1.5},     {"7,45", 7.45}, {"13", 13.0},
                                                {",5", 0.5},  {"-2,25", -2.25}, {"0", 0.0},     {"13.", 13.0}};
  for (const auto& [s, v] : jok) EXPECT_DOUBLE_EQ(ParseFloat(s, -1), v) << s;
}

TEST(ParseFloat, GivesTheDefaultUnlessTheWholeTextIsOneNumber) {
  for (std::string s : {"", "1.234,5", "1,5x", " 1", "1 ", "x", ",", "inf", "nan", "1e999", "+-1"})
    EXPECT_EQ(ParseFloat(s, -7.0), -7.0) << s;
}

} // namespace
} // namespace kv
