#include "support/BenchBets.h"

namespace kv::bench {

TBevitel NagyFogadas() {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1X2";
  be.plusTipp = "1X2";
  for (int l = 0; l < 3; ++l)
    for (int m = 0; m < 13; ++m) be.eselyek[l][m] = std::to_string((m * 7 + l * 31) % 60 + 10);
  // Every one of the 18 global restrictions is active but loose.
  for (int k = 0; k < 3; ++k)
    for (int s = 0; s < 6; ++s) {
      be.globalis[k][0][s] = k == 0 ? "1" : "0";
      be.globalis[k][1][s] = k == 0 ? "11" : "8";
    }
  for (int c = 0; c < 12; ++c)
    for (int m = 0; m < 14; ++m) {
      be.alaptippek[c][m] = std::string(1, "1X2"[(c + m) % 3]);
      if ((c * m) % 4 == 0) be.alaptippek[c][m] += "1X2"[(c + m + 1) % 3];
    }
  const TFeltetelSor sorok[] = {
      {"1-6", "Darabszám", "1", "1", "5"},     {"7-13", "Darabszám", "X", "0", "5"},
      {"", "Ragadás", "2", "0", "5"},          {"1,3,5,7,9", "Távolság", "1", "0", "4"},
      {"", "Esélyek", "", "300", "700"},       {"1-10", "Esélyek", "", "100", "650"},
      {"", "Találatok", "1", "2", "11"},       {"", "Találatok", "5", "1", "12"},
      {"", "Átlag", "", "2,5", "10,5"},        {"1-7", "Átlag", "", "1", "6"},
      {"", "Ismét", "11", "0", "4"},           {"", "Ismét", "1X2", "0", "3"},
      {"", "Ismétlődés", "XX", "0", "3"},      {"", "Ismétlődés", "12", "0", "4"},
      {"", "String2", "1X", "0", "3"},         {"", "String3", "XX", "0", "2"},
      {"", "String3", "ABC", "0", "2"},        {"", "Darabszám", "A", "2", "9"},
      {"2-12", "Ragadás", "B", "0", "4"},      {"", "Távolság", "C", "0", "6"}};
  for (int i = 0; i < 20; ++i) be.feltetelek[i] = sorok[i];
  be.szHiba = "1";
  return be;
}

} // namespace kv::bench
