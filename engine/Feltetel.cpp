#include "engine/Feltetel.h"

#include "engine/Szoveg.h"

#include <algorithm>

namespace kv {

namespace {

// A match number 1..n, or -1 for anything else (an empty text included).
int MatchNumber(std::string_view s, int n) {
  if (s.empty()) return -1;
  std::int64_t v = ParseInt(s, -1);
  return v >= 1 && v <= n ? static_cast<int>(v) : -1;
}

// One comma-separated piece starting at the 1-based position `start`.
int ParsePiece(std::string_view piece, int start, int n, std::array<std::uint8_t, 13>& out) {
  std::size_t minus = piece.find('-');
  if (minus == std::string_view::npos) {
    int k = MatchNumber(piece, n);
    if (k < 0) return start;
    out[k - 1] = 1;
    return 0;
  }
  int a = MatchNumber(piece.substr(0, minus), n);
  if (a < 0) return start;
  int b = MatchNumber(piece.substr(minus + 1), n);
  if (b < 0) return start + static_cast<int>(minus) + 1;
  if (b < a) return start; // the range as a whole is wrong, not its end
  for (int k = a; k <= b; ++k) out[k - 1] = 1;
  return 0;
}

} // namespace

int MerkozesHalmaz(std::string_view text, int n, std::array<std::uint8_t, 13>& out) {
  n = std::clamp(n, 0, 13);
  out.fill(0);
  if (text.empty()) {
    for (int k = 0; k < n; ++k) out[k] = 1;
    return 0;
  }
  // A leading comma belongs to the first piece, which then cannot be read.
  std::size_t begin = 0;
  std::size_t from = 1;
  while (true) {
    std::size_t comma = text.find(',', from);
    std::size_t end = comma == std::string_view::npos ? text.size() : comma;
    int hiba = ParsePiece(text.substr(begin, end - begin), static_cast<int>(begin) + 1, n, out);
    if (hiba != 0) return hiba;
    if (comma == std::string_view::npos) return 0;
    begin = comma + 1;
    from = begin;
  }
}

std::string_view KindName(char tipus) {
  switch (tipus) {
  case KDarabszam: return "Darabszám";
  case KRagadas: return "Ragadás";
  case KTavolsag: return "Távolság";
  case KEselyek: return "Esélyek";
  case KTalalatok: return "Találatok";
  case KAtlag: return "Átlag";
  case KIsmet: return "Ismét";
  case KIsmetlodes: return "Ismétlődés";
  case KString2: return "String2";
  case KString3: return "String3";
  case KHibapont: return "Hibapont";
  default: return {};
  }
}

} // namespace kv
