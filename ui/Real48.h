#pragma once
// The 6-byte floating-point format of the settings file: byte 0 the exponent
// biased by 129 (0 stands for the value 0), bytes 1..5 the 39 fraction bits
// after the implied leading 1, least significant byte first, and the top bit
// of byte 5 the sign.

#include <array>
#include <cstdint>

namespace kv {

using TReal48 = std::array<std::uint8_t, 6>;

// Exact: every value of the format is a double.
double DecodeReal48(const TReal48& bytes);

// Rounds to the nearest value of the format, ties to an even fraction. NaN and
// magnitudes below 2^-128 become 0 (the format has no NaN and no tiny values);
// infinities and magnitudes beyond the largest value become the largest value
// of their sign, so every double has an encoding.
TReal48 EncodeReal48(double value);

} // namespace kv
