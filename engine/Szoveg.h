#pragma once
// Text helpers shared by the engine, the files and both programs. Texts are
// UTF-8; lengths the user sees are counted in characters.

#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

// Upper-cases a..z only: accented letters keep their case, as the checks expect.
std::string UpperAscii(std::string_view s);

std::size_t Utf8Length(std::string_view s);
std::string LimitLength(std::string_view s, std::size_t n); // first n characters
std::string RemoveBlanks(std::string_view s);
std::string TrimLeadingBlanks(std::string_view s);
std::string FormatThousands(std::int64_t v);

// A whole decimal number with an optional sign and nothing else; def otherwise.
std::int64_t ParseInt(std::string_view s, std::int64_t def);

// A decimal number where "," and "." both stand for the decimal separator,
// read the same whatever the locale; def unless the whole text is one finite number.
double ParseFloat(std::string_view s, double def);

// Two spaces for every digit fewer than `digits`: how grids right-align numbers.
std::string PadDigits(std::string_view digitsText, int digits);

} // namespace kv
