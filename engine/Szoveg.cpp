#include "engine/Szoveg.h"

#include <charconv>
#include <cmath>

namespace kv {

std::string UpperAscii(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return r;
}

static bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t Utf8Length(std::string_view s) {
  std::size_t n = 0;
  for (char c : s)
    if (!IsContinuation(c)) ++n;
  return n;
}

std::string LimitLength(std::string_view s, std::size_t n) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!IsContinuation(s[i])) {
      if (chars == n) return std::string(s.substr(0, i));
      ++chars;
    }
  }
  return std::string(s);
}

std::string RemoveBlanks(std::string_view s) {
  std::string r;
  for (char c : s)
    if (c != ' ') r += c;
  return r;
}

std::string TrimLeadingBlanks(std::string_view s) {
  std::size_t i = s.find_first_not_of(' ');
  return i == std::string_view::npos ? std::string() : std::string(s.substr(i));
}

std::string FormatThousands(std::int64_t v) {
  std::string s = std::to_string(v);
  if (v < 1000) return s;
  std::string r;
  int n = static_cast<int>(s.size());
  for (int i = 0; i < n; ++i) {
    int left = n - i;
    if (i > 0 && left % 3 == 0) r += ' ';
    r += s[i];
  }
  return r;
}

std::int64_t ParseInt(std::string_view s, std::int64_t def) {
  std::size_t i = 0;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
  if (i == s.size()) return def;
  std::int64_t v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return def;
    v = v * 10 + (s[i] - '0');
    if (v > 2147483647LL) return def; // beyond a 32-bit integer, as a typed value can never be
  }
  return neg ? -v : v;
}

double ParseFloat(std::string_view s, double def) {
  std::string t(s);
  for (char& c : t)
    if (c == ',') c = '.';
  double v = 0;
  const char* end = t.data() + t.size();
  auto [ptr, ec] = std::from_chars(t.data(), end, v);
  if (ec != std::errc() || ptr != end || !std::isfinite(v)) return def;
  return v;
}

std::string PadDigits(std::string_view digitsText, int digits) {
  int missing = digits - static_cast<int>(digitsText.size());
  std::string r;
  for (int i = 0; i < missing; ++i) r += "  ";
  r += digitsText;
  return r;
}

} // namespace kv
