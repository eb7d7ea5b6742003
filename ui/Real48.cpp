#include "ui/Real48.h"

#include <cmath>

namespace kv {
namespace {

constexpr int Bias = 129;
constexpr int FractionBits = 39;
constexpr std::uint64_t Hidden = std::uint64_t{1} << FractionBits;
constexpr std::uint64_t FractionMask = Hidden - 1;
constexpr std::uint8_t SignBit = 0x80;

TReal48 Pack(int exponent, std::uint64_t fraction, bool negative) {
  TReal48 b{};
  b[0] = static_cast<std::uint8_t>(exponent);
  for (std::size_t i = 1; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(fraction >> (8 * (i - 1)));
  if (negative) b[5] = static_cast<std::uint8_t>(b[5] | SignBit);
  return b;
}

} // namespace

double DecodeReal48(const TReal48& bytes) {
  if (bytes[0] == 0) return 0.0;
  std::uint64_t fraction = 0;
  for (std::size_t i = 1; i < bytes.size(); ++i) fraction |= static_cast<std::uint64_t>(bytes[i]) << (8 * (i - 1));
  fraction &= FractionMask;
  // (1 + f / 2^39) * 2^(e - 129) as one 40-bit integer times a power of two.
  double magnitude = std::ldexp(static_cast<double>(Hidden | fraction), bytes[0] - Bias - FractionBits);
  return (bytes[5] & SignBit) ? -magnitude : magnitude;
}

TReal48 EncodeReal48(double value) {
  if (std::isnan(value) || value == 0.0) return TReal48{};
  bool negative = std::signbit(value);
  if (std::isinf(value)) return Pack(255, FractionMask, negative);

  int exp2 = 0;
  double f = std::frexp(std::fabs(value), &exp2); // |value| = f * 2^exp2, f in [0.5, 1)
  // The double's 53 significant bits as an integer, cut to the format's 40 with
  // the 13 dropped bits rounding half to even.
  auto significand = static_cast<std::uint64_t>(std::ldexp(f, 53));
  std::uint64_t kept = significand >> 13;
  std::uint64_t dropped = significand & 0x1FFF;
  if (dropped > 0x1000 || (dropped == 0x1000 && (kept & 1))) ++kept;
  if (kept == (Hidden << 1)) {
    kept >>= 1;
    ++exp2;
  }
  // f * 2^exp2 = (2f) * 2^(exp2 - 1), and 2f carries the leading 1.
  int exponent = exp2 - 1 + Bias;
  if (exponent < 1) return TReal48{};
  if (exponent > 255) return Pack(255, FractionMask, negative);
  return Pack(exponent, kept & FractionMask, negative);
}

} // namespace kv
