#include "engine/Gepeles.h"

#include "engine/Feltetel.h"

#include <vector>

namespace kv {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The text cut into characters, each the bytes of one UTF-8 sequence.
std::vector<std::string_view> Karakterek(std::string_view s) {
  std::vector<std::string_view> r;
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t j = i + 1;
    while (j < s.size() && IsContinuation(s[j])) ++j;
    r.push_back(s.substr(i, j - i));
    i = j;
  }
  return r;
}

bool Szamjegy(char c) { return c >= '0' && c <= '9'; }

bool Megengedett(TSzuroFajta fajta, std::string_view k) {
  if (k.size() != 1) return fajta == TSzuroFajta::Feltetel; // every allowed character is ASCII
  char c = k[0];
  switch (fajta) {
  case TSzuroFajta::Alaptipp:
  case TSzuroFajta::Eredmeny: return c == '1' || c == '2' || c == 'X' || c == 'x';
  case TSzuroFajta::Esely:
  case TSzuroFajta::Globalis:
  case TSzuroFajta::SzukitesiHiba:
  case TSzuroFajta::Nyeremeny: return Szamjegy(c);
  case TSzuroFajta::Merkozesek: return Szamjegy(c) || c == ',' || c == '-';
  case TSzuroFajta::Feltetel: return true;
  case TSzuroFajta::Tippresz: return Szamjegy(c) || std::string_view("ABCXabcx").find(c) != std::string_view::npos;
  case TSzuroFajta::Hatar: return Szamjegy(c) || c == ',' || c == '.';
  }
  return false;
}

// A result cell holds one sign: a wrong first character goes (once), then
// whatever follows the first character.
TGepeles EredmenySzoveg(const std::vector<std::string_view>& k) {
  TGepeles r;
  std::size_t elso = 0;
  if (!k.empty() && !Megengedett(TSzuroFajta::Eredmeny, k[0])) {
    elso = 1;
    ++r.hangjelek;
  }
  if (elso < k.size()) {
    r.szoveg = std::string(k[elso]);
    r.hangjelek += static_cast<int>(k.size() - elso - 1);
  }
  return r;
}

// Decodes a text of exactly one UTF-8 character; 0 otherwise.
char32_t EgyKarakter(std::string_view s) {
  std::vector<std::string_view> k = Karakterek(s);
  if (k.size() != 1) return 0;
  auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(k[0][i])); };
  std::size_t n = k[0].size();
  if (n == 1) return b(0) < 0x80 ? b(0) : 0;
  if (n == 2 && (b(0) & 0xE0) == 0xC0) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
  if (n == 3 && (b(0) & 0xF0) == 0xE0) return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
  if (n == 4 && (b(0) & 0xF8) == 0xF0)
    return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
  return 0;
}

char KindOfKey(char32_t key) {
  switch (key) {
  case U'A':
  case U'a':
  case U'Á':
  case U'á': return KAtlag;
  case U'D':
  case U'd': return KDarabszam;
  case U'E':
  case U'e': return KEselyek;
  case U'H':
  case U'h': return KHibapont;
  case U'I': return KIsmetlodes;
  case U'i': return KIsmet;
  case U'R':
  case U'r': return KRagadas;
  case U'S': return KString3;
  case U's': return KString2;
  case U'T': return KTalalatok;
  case U't': return KTavolsag;
  default: return 0;
  }
}

} // namespace

int LeghosszabbSzoveg(TSzuroFajta fajta) {
  switch (fajta) {
  case TSzuroFajta::Alaptipp:
  case TSzuroFajta::Esely:
  case TSzuroFajta::Tippresz: return 3;
  case TSzuroFajta::Globalis:
  case TSzuroFajta::SzukitesiHiba: return 2;
  case TSzuroFajta::Merkozesek: return 20;
  case TSzuroFajta::Feltetel: return 10;
  case TSzuroFajta::Hatar: return 5;
  case TSzuroFajta::Eredmeny: return 1;
  case TSzuroFajta::Nyeremeny: return 9;
  }
  return 0;
}

TGepeles SzurtSzoveg(TSzuroFajta fajta, std::string_view text) {
  std::vector<std::string_view> k = Karakterek(text);
  if (fajta == TSzuroFajta::Eredmeny) return EredmenySzoveg(k);
  TGepeles r;
  int hossz = 0;
  const int leghosszabb = LeghosszabbSzoveg(fajta);
  for (std::string_view c : k) {
    if (!Megengedett(fajta, c) || hossz == leghosszabb) {
      ++r.hangjelek;
      continue;
    }
    r.szoveg += c;
    ++hossz;
  }
  return r;
}

std::optional<TSzuroFajta> CellaSzuro(std::string_view grid, int col) {
  if (grid == "AlaptippSG" || grid == "PlustippSG" || grid == "AlaptippekSG") return TSzuroFajta::Alaptipp;
  if (grid == "EselyekSG" || grid == "PlusVezetesSG") return TSzuroFajta::Esely;
  if (grid == "DarabszamSG" || grid == "RagadasSG" || grid == "TavolsagSG" || grid == "IndexszamSG")
    return TSzuroFajta::Globalis;
  if (grid == "SzHibaSG") return TSzuroFajta::SzukitesiHiba;
  if (grid == "EredmenySG" || grid == "PlusEredmenySG") return TSzuroFajta::Eredmeny;
  if (grid == "NyeremenySG") return TSzuroFajta::Nyeremeny;
  if (grid == "FeltetelSG") {
    switch (col) {
    case 1: return TSzuroFajta::Merkozesek;
    case 2: return TSzuroFajta::Feltetel;
    case 3: return TSzuroFajta::Tippresz;
    case 4:
    case 5: return TSzuroFajta::Hatar;
    default: return std::nullopt;
    }
  }
  return std::nullopt;
}

TGepelesTorles GepelesTorles(TSzuroFajta fajta) {
  switch (fajta) {
  case TSzuroFajta::Alaptipp:
  case TSzuroFajta::Merkozesek:
  case TSzuroFajta::Feltetel:
  case TSzuroFajta::Tippresz:
  case TSzuroFajta::Hatar: return {-1, true};
  case TSzuroFajta::Esely:
  case TSzuroFajta::Globalis:
  case TSzuroFajta::SzukitesiHiba: return {-1, false};
  case TSzuroFajta::Eredmeny: return {12, false};
  case TSzuroFajta::Nyeremeny: return {4, false};
  }
  return {-1, false};
}

std::string KindCompletion(std::string_view text, char32_t kindKey) {
  if (kindKey == 0 || EgyKarakter(text) != kindKey) return std::string(text);
  char kind = KindOfKey(kindKey);
  return kind ? std::string(KindName(kind)) : std::string(text);
}

} // namespace kv
