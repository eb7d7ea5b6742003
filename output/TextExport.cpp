#include "output/TextExport.h"

#include "engine/Cp1250.h"
#include "output/TextHelpers.h"

namespace kv {

// The display texts carry spaces that line the signs up in a grid ("  2",
// "1 2"); the file wants the bare signs.
std::string SzelvenySzovegSor(const TOszlop& o) {
  std::string sor;
  for (std::size_t p = 0; p < o.size(); ++p) {
    if (p > 0) sor += ',';
    sor += TippToText(o[p]);
  }
  return RemoveSpaces(sor);
}

std::vector<std::string> SzelvenySzovegSorok(const TSzelvenyek& sz) {
  std::vector<std::string> sorok;
  sorok.reserve(sz.rekordok.size());
  for (const TOszlop& o : sz.rekordok) sorok.push_back(SzelvenySzovegSor(o));
  return sorok;
}

TBytes SzelvenySzovegfajl(const TSzelvenyek& sz) {
  TBytes b;
  b.reserve(sz.rekordok.size() * 32);
  for (const std::string& sor : SzelvenySzovegSorok(sz)) {
    const std::string bajtok = Utf8ToCp1250(sor);
    b.insert(b.end(), bajtok.begin(), bajtok.end());
    b.push_back(13);
    b.push_back(10);
  }
  return b;
}

TWriteResult SzelvenyekSzovegfajlba(const std::filesystem::path& path, const TSzelvenyek& sz,
                                    const TWriteFault& fault) {
  return ReplaceFileSafely(path, SzelvenySzovegfajl(sz), fault);
}

std::string SzovegfajlIrasHiba(std::string_view teljesNev) {
  return "Hiba történt " + WithArticle(teljesNev, false) +
         " fájl írásakor! A szelvényeket nem sikerült szövegfájlba elmenteni.";
}

std::filesystem::path SzovegfajlJavasoltNev(const std::filesystem::path& tipsFile) {
  std::filesystem::path nev = tipsFile.stem();
  nev += ".txt";
  return nev;
}

} // namespace kv
