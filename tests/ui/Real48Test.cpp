#include "ui/Real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace kv {
namespace {

struct TReal48Case {
  double value;
  TReal48 bytes;
};

// Worked by hand from exponent = e + 129 and the fraction bits of 1.f, low byte first.
const TReal48Case kExact[] = {
    {0.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    {1.0, {0x81, 0x00, 0x00, 0x00, 0x00, 0x00}},
    {0.5, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00}},
    {-2.5, {0x82, 0x00, 0x00, 0x00, 0x00, 0xA0}},   // 1.25 * 2^1, fraction bit 37, sign
    {100.25, {0x87, 0x00, 0x00, 0x00, 0x80, 0x48}}, // 1.56640625 * 2^6, fraction 145 * 2^31
    {70.0, {0x87, 0x00, 0x00, 0x00, 0x00, 0x0C}},
    {7.0, {0x83, 0x00, 0x00, 0x00, 0x00, 0x60}},
    {440.0, {0x89, 0x00, 0x00, 0x00, 0x00, 0x5C}}, // 1.71875 * 2^8
    {-1.0, {0x81, 0x00, 0x00, 0x00, 0x00, 0x80}},
    {1.0 + std::ldexp(1.0, -39), {0x81, 0x01, 0x00, 0x00, 0x00, 0x00}},                  // the lowest fraction bit
    {std::ldexp(1.0, -128), {0x01, 0x00, 0x00, 0x00, 0x00, 0x00}},                       // the smallest value
    {std::ldexp(2.0 - std::ldexp(1.0, -39), 126), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}}, // the largest
};

TEST(Real48, ExactValuesEncodeAndDecodeByteForByte) {
  for (const auto& c : kExact) {
    EXPECT_EQ(EncodeReal48(c.value), c.bytes) << c.value;
    EXPECT_EQ(DecodeReal48(c.bytes), c.value) << c.value;
  }
}

TEST(Real48, EncodingRoundsToNearestWithTiesToEven) {
  const double ulp = std::ldexp(1.0, -39); // fraction step at 1.0
  const TReal48Case cases[] = {
      {1.0 + ulp / 2, {0x81, 0x00, 0x00, 0x00, 0x00, 0x00}},                        // tie, even stays
      {1.0 + 3 * ulp / 2, {0x81, 0x02, 0x00, 0x00, 0x00, 0x00}},                    // tie, odd goes up
      {1.0 + ulp / 2 + std::ldexp(1.0, -52), {0x81, 0x01, 0x00, 0x00, 0x00, 0x00}}, // past the tie
      {1.0 + ulp / 2 - std::ldexp(1.0, -52), {0x81, 0x00, 0x00, 0x00, 0x00, 0x00}}, // short of it
      {2.0 - ulp / 4, {0x82, 0x00, 0x00, 0x00, 0x00, 0x00}},                        // carry into the exponent
      {0.1, {0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}},                                  // 1.6 * 2^-4, rounded up
  };
  for (const auto& c : cases) EXPECT_EQ(EncodeReal48(c.value), c.bytes) << std::hexfloat << c.value;
}

TEST(Real48, ValuesOutsideTheFormatHaveAnEncoding) {
  const TReal48 zero{};
  const TReal48 largest{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
  const TReal48 lowest{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(EncodeReal48(std::numeric_limits<double>::quiet_NaN()), zero);
  EXPECT_EQ(EncodeReal48(-0.0), zero);
  EXPECT_EQ(EncodeReal48(1e-300), zero);
  EXPECT_EQ(EncodeReal48(std::ldexp(1.0, -129)), zero);
  EXPECT_EQ(EncodeReal48(std::numeric_limits<double>::infinity()), largest);
  EXPECT_EQ(EncodeReal48(1e300), largest);
  EXPECT_EQ(EncodeReal48(std::ldexp(1.0, 127)), largest);
  EXPECT_EQ(EncodeReal48(-std::numeric_limits<double>::infinity()), lowest);
}

TEST(Real48, ExponentZeroIsZeroWhateverTheOtherBytes) {
  EXPECT_EQ(DecodeReal48({0x00, 0xFF, 0x12, 0x34, 0x56, 0xFF}), 0.0);
  EXPECT_EQ(DecodeReal48({0x00, 0x00, 0x00, 0x00, 0x00, 0x80}), 0.0);
}

// Every value of the format is a double, so any non-zero pattern survives a
// decode and an encode unchanged.
TEST(Real48, AnyPatternRoundTrips) {
  std::mt19937 rng(48);
  for (int i = 0; i < 20000; ++i) {
    TReal48 b;
    for (auto& x : b) x = static_cast<std::uint8_t>(rng());
    if (b[0] == 0) b[0] = 1;
    ASSERT_EQ(EncodeReal48(DecodeReal48(b)), b) << i;
  }
}

} // namespace
} // namespace kv
