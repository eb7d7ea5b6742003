#include "engine/Gepeles.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kv {
namespace {

struct SzuroEset {
  TSzuroFajta fajta;
  std::string beirt;
  std::string marad;
  int hangjelek;
};

void PrintTo(const SzuroEset& e, std::ostream* os) { *os << static_cast<int>(e.fajta) << " \"" << e.beirt << '"'; }

class SzurtSzovegTest : public ::testing::TestWithParam<SzuroEset> {};

TEST_P(SzurtSzovegTest, KeepsWhatCanBecomeValidAndBeepsOncePerDroppedCharacter) {
  const SzuroEset& e = GetParam();
  TGepeles g = SzurtSzoveg(e.fajta, e.beirt);
  EXPECT_EQ(g.szoveg, e.marad);
  EXPECT_EQ(g.hangjelek, e.hangjelek);
}

using F = TSzuroFajta;

INSTANTIATE_TEST_SUITE_P(
    Tippek, SzurtSzovegTest,
    ::testing::Values(SzuroEset{F::Alaptipp, "12X3", "12X", 1}, SzuroEset{F::Alaptipp, "1x2", "1x2", 0},
                      SzuroEset{F::Alaptipp, "1X21", "1X2", 1}, SzuroEset{F::Alaptipp, "a1b", "1", 2},
                      SzuroEset{F::Alaptipp, "1é", "1", 1}, // an accented letter is one character, one beep
                      SzuroEset{F::Alaptipp, "", "", 0}, SzuroEset{F::Esely, "100", "100", 0},
                      SzuroEset{F::Esely, "1000", "100", 1}, SzuroEset{F::Esely, "5a", "5", 1},
                      SzuroEset{F::Esely, "-5", "5", 1}, SzuroEset{F::Globalis, "13", "13", 0},
                      SzuroEset{F::Globalis, "135", "13", 1}, SzuroEset{F::Globalis, "1,", "1", 1},
                      SzuroEset{F::SzukitesiHiba, "99", "99", 0}, SzuroEset{F::SzukitesiHiba, "x100", "10", 2}));

INSTANTIATE_TEST_SUITE_P(
    FeltetelSG, SzurtSzovegTest,
    ::testing::Values(SzuroEset{F::Merkozesek, "1-5,7,10-13", "1-5,7,10-13", 0},
                      SzuroEset{F::Merkozesek, "1 - 5", "1-5", 2}, SzuroEset{F::Merkozesek, "1.2", "12", 1},
                      SzuroEset{F::Merkozesek, "1,2,3,4,5,6,7,8,9,10,11", "1,2,3,4,5,6,7,8,9,10", 3},
                      SzuroEset{F::Feltetel, "Ismétlődés", "Ismétlődés", 0},
                      SzuroEset{F::Feltetel, "Darabszám x", "Darabszám ", 1}, SzuroEset{F::Feltetel, "x", "x", 0},
                      SzuroEset{F::Tippresz, "1X2", "1X2", 0}, SzuroEset{F::Tippresz, "abc", "abc", 0},
                      SzuroEset{F::Tippresz, "xD7", "x7", 1}, SzuroEset{F::Tippresz, "50", "50", 0},
                      SzuroEset{F::Tippresz, "ABCA", "ABC", 1}, SzuroEset{F::Hatar, "7,456", "7,456", 0},
                      SzuroEset{F::Hatar, "13.5", "13.5", 0}, SzuroEset{F::Hatar, "1300", "1300", 0},
                      SzuroEset{F::Hatar, "12,345", "12,34", 1}, SzuroEset{F::Hatar, "-1", "1", 1}));

// A result cell keeps one sign: a wrong first character goes once, then only the first one stays.
INSTANTIATE_TEST_SUITE_P(Eredmenyek, SzurtSzovegTest,
                         ::testing::Values(SzuroEset{F::Eredmeny, "X1", "X", 1}, SzuroEset{F::Eredmeny, "a1", "1", 1},
                                           SzuroEset{F::Eredmeny, "x", "x", 0}, SzuroEset{F::Eredmeny, "2", "2", 0},
                                           SzuroEset{F::Eredmeny, "a", "", 1}, SzuroEset{F::Eredmeny, "ab", "b", 1},
                                           SzuroEset{F::Eredmeny, "1XX", "1", 2}, SzuroEset{F::Eredmeny, "é2", "2", 1},
                                           SzuroEset{F::Eredmeny, "", "", 0},
                                           SzuroEset{F::Nyeremeny, "123456789", "123456789", 0},
                                           SzuroEset{F::Nyeremeny, "1234567890", "123456789", 1},
                                           SzuroEset{F::Nyeremeny, "1 000", "1000", 1}));

TEST(CellaSzuro, NamesTheFilterOfEveryTypedCell) {
  const std::pair<std::string_view, TSzuroFajta> racsok[] = {
      {"AlaptippSG", F::Alaptipp},    {"PlustippSG", F::Alaptipp}, {"AlaptippekSG", F::Alaptipp},
      {"EselyekSG", F::Esely},        {"PlusVezetesSG", F::Esely}, {"DarabszamSG", F::Globalis},
      {"RagadasSG", F::Globalis},     {"TavolsagSG", F::Globalis}, {"IndexszamSG", F::Globalis},
      {"SzHibaSG", F::SzukitesiHiba}, {"EredmenySG", F::Eredmeny}, {"PlusEredmenySG", F::Eredmeny},
      {"NyeremenySG", F::Nyeremeny}};
  for (const auto& [grid, fajta] : racsok) EXPECT_EQ(CellaSzuro(grid, 0), fajta) << grid;
  EXPECT_EQ(CellaSzuro("FeltetelSG", 1), F::Merkozesek);
  EXPECT_EQ(CellaSzuro("FeltetelSG", 2), F::Feltetel);
  EXPECT_EQ(CellaSzuro("FeltetelSG", 3), F::Tippresz);
  EXPECT_EQ(CellaSzuro("FeltetelSG", 4), F::Hatar);
  EXPECT_EQ(CellaSzuro("FeltetelSG", 5), F::Hatar);
  EXPECT_EQ(CellaSzuro("FeltetelSG", 0), std::nullopt); // the row numbers
  EXPECT_EQ(CellaSzuro("MerkozesSG", 0), std::nullopt);
  EXPECT_EQ(CellaSzuro("AlapCalcSG", 1), std::nullopt);
}

TEST(GepelesTorles, ResultCellsClearHitsAndMarksPrizesOnlyHits) {
  EXPECT_EQ(GepelesTorles(F::Eredmeny).maszk, 12);
  EXPECT_EQ(GepelesTorles(F::Nyeremeny).maszk, 4);
  for (F f : {F::Alaptipp, F::Esely, F::Globalis, F::SzukitesiHiba, F::Merkozesek, F::Feltetel, F::Tippresz, F::Hatar})
    EXPECT_EQ(GepelesTorles(f).maszk, -1) << static_cast<int>(f);
  // The base tips and the condition columns count only typing into a focused grid.
  for (F f : {F::Alaptipp, F::Merkozesek, F::Feltetel, F::Tippresz, F::Hatar})
    EXPECT_TRUE(GepelesTorles(f).csakFokuszban) << static_cast<int>(f);
  for (F f : {F::Esely, F::Globalis, F::SzukitesiHiba, F::Eredmeny, F::Nyeremeny})
    EXPECT_FALSE(GepelesTorles(f).csakFokuszban) << static_cast<int>(f);
}

TEST(KindCompletion, CompletesEveryKindLetterTypedAlone) {
  struct Betu {
    char32_t key;
    std::string_view cella; // the key as the cell holds it
    std::string_view nev;
  };
  const Betu betuk[] = {{U'A', "A", "Átlag"},    {U'a', "a", "Átlag"},      {U'Á', "Á", "Átlag"},
                        {U'á', "á", "Átlag"},    {U'D', "D", "Darabszám"},  {U'd', "d", "Darabszám"},
                        {U'E', "E", "Esélyek"},  {U'e', "e", "Esélyek"},    {U'H', "H", "Hibapont"},
                        {U'h', "h", "Hibapont"}, {U'I', "I", "Ismétlődés"}, {U'i', "i", "Ismét"},
                        {U'R', "R", "Ragadás"},  {U'r', "r", "Ragadás"},    {U'S', "S", "String3"},
                        {U's', "s", "String2"},  {U'T', "T", "Találatok"},  {U't', "t", "Távolság"}};
  for (const Betu& b : betuk) EXPECT_EQ(KindCompletion(b.cella, b.key), b.nev) << b.cella;
}

TEST(KindCompletion, KeepsEveryOtherText) {
  EXPECT_EQ(KindCompletion("x", U'x'), "x");   // no kind has this letter
  EXPECT_EQ(KindCompletion("d", 0), "d");      // the letter was not the last one typed
  EXPECT_EQ(KindCompletion("d", U'D'), "d");   // the case decides
  EXPECT_EQ(KindCompletion("Da", U'a'), "Da"); // only a lone character
  EXPECT_EQ(KindCompletion("", U'd'), "");
  EXPECT_EQ(KindCompletion("é", U'é'), "é");
}

} // namespace
} // namespace kv
