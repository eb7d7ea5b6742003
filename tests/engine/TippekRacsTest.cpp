#include "engine/TippekRacs.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kv {
namespace {

struct UgrasEset {
  std::string from;
  TIrany irany;
  int col, row;
  bool editing;
  int top; // FeltetelSG's first visible row
  std::optional<TRacsHely> hova;
};

void PrintTo(const UgrasEset& e, std::ostream* os) {
  *os << e.from << " key " << static_cast<int>(e.irany) << " at (" << e.col << ", " << e.row << ")"
      << (e.editing ? " editing" : "") << " top " << e.top;
}

class TippekUgrasTest : public ::testing::TestWithParam<UgrasEset> {};

TEST_P(TippekUgrasTest, CrossesToTheNeighbouringGrid) {
  const UgrasEset& e = GetParam();
  EXPECT_EQ(TippekUgras(e.from, e.irany, e.col, e.row, e.editing, e.top), e.hova);
}

using I = TIrany;
using H = TRacsHely;
constexpr std::nullopt_t Marad = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    TippekGB, TippekUgrasTest,
    ::testing::Values(UgrasEset{"AlaptippSG", I::Jobbra, 0, 5, false, 1, H{"EselyekSG", 0, 5}},
                      UgrasEset{"AlaptippSG", I::Jobbra, 0, 5, true, 1, Marad},
                      UgrasEset{"AlaptippSG", I::Le, 0, 16, true, 1, H{"PlustippSG", 0, 0}},
                      UgrasEset{"AlaptippSG", I::Le, 0, 15, false, 1, Marad},
                      UgrasEset{"AlaptippSG", I::Balra, 0, 5, false, 1, Marad},
                      UgrasEset{"EselyekSG", I::Balra, 0, 9, false, 1, H{"AlaptippSG", 0, 9}},
                      UgrasEset{"EselyekSG", I::Balra, 1, 9, false, 1, Marad},
                      UgrasEset{"EselyekSG", I::Jobbra, 2, 7, false, 1, H{"DarabszamSG", 0, 7}},
                      UgrasEset{"EselyekSG", I::Jobbra, 2, 1, false, 1, H{"DarabszamSG", 0, 1}},
                      UgrasEset{"EselyekSG", I::Jobbra, 2, 9, false, 6, H{"FeltetelSG", 1, 6}},
                      UgrasEset{"EselyekSG", I::Jobbra, 2, 13, false, 6, H{"FeltetelSG", 1, 6}},
                      UgrasEset{"EselyekSG", I::Jobbra, 2, 14, false, 6, H{"FeltetelSG", 1, 6}},
                      UgrasEset{"EselyekSG", I::Jobbra, 2, 16, false, 6, H{"FeltetelSG", 1, 8}},
                      UgrasEset{"EselyekSG", I::Jobbra, 2, 16, true, 6, Marad},
                      UgrasEset{"EselyekSG", I::Jobbra, 1, 16, false, 6, Marad},
                      UgrasEset{"EselyekSG", I::Le, 1, 16, false, 1, H{"PlusVezetesSG", 1, 0}},
                      UgrasEset{"PlustippSG", I::Fel, 0, 0, true, 1, H{"AlaptippSG", 0, 16}},
                      UgrasEset{"PlustippSG", I::Jobbra, 0, 0, false, 1, H{"PlusVezetesSG", 0, 0}},
                      UgrasEset{"PlustippSG", I::Jobbra, 0, 0, true, 1, Marad},
                      UgrasEset{"PlusVezetesSG", I::Balra, 0, 0, false, 1, H{"PlustippSG", 0, 0}},
                      UgrasEset{"PlusVezetesSG", I::Balra, 1, 0, false, 1, Marad},
                      UgrasEset{"PlusVezetesSG", I::Fel, 2, 0, true, 1, H{"EselyekSG", 2, 16}},
                      UgrasEset{"PlusVezetesSG", I::Jobbra, 2, 0, false, 10, H{"FeltetelSG", 1, 14}},
                      // scrolled to the end: the row stays inside the grid
                      UgrasEset{"PlusVezetesSG", I::Jobbra, 2, 0, false, 97, H{"FeltetelSG", 1, 99}}));

INSTANTIATE_TEST_SUITE_P(Szukitesek, TippekUgrasTest,
                         ::testing::Values(UgrasEset{"DarabszamSG", I::Balra, 0, 3, false, 1, H{"EselyekSG", 2, 3}},
                                           UgrasEset{"DarabszamSG", I::Balra, 0, 3, true, 1, Marad},
                                           UgrasEset{"DarabszamSG", I::Jobbra, 1, 6, false, 1, H{"RagadasSG", 0, 6}},
                                           UgrasEset{"DarabszamSG", I::Jobbra, 0, 6, false, 1, Marad},
                                           UgrasEset{"DarabszamSG", I::Le, 1, 7, true, 4, H{"FeltetelSG", 1, 4}},
                                           UgrasEset{"DarabszamSG", I::Le, 1, 6, false, 4, Marad},
                                           UgrasEset{"RagadasSG", I::Balra, 0, 2, false, 1, H{"DarabszamSG", 1, 2}},
                                           UgrasEset{"RagadasSG", I::Jobbra, 1, 2, false, 1, H{"TavolsagSG", 0, 2}},
                                           UgrasEset{"RagadasSG", I::Le, 0, 7, false, 3, H{"FeltetelSG", 2, 3}},
                                           UgrasEset{"TavolsagSG", I::Balra, 0, 5, false, 1, H{"RagadasSG", 1, 5}},
                                           UgrasEset{"TavolsagSG", I::Jobbra, 1, 5, false, 1, Marad},
                                           UgrasEset{"TavolsagSG", I::Le, 0, 7, false, 2, H{"FeltetelSG", 4, 2}},
                                           UgrasEset{"TavolsagSG", I::Le, 1, 7, false, 2, H{"FeltetelSG", 5, 2}}));

INSTANTIATE_TEST_SUITE_P(FeltetelSG, TippekUgrasTest,
                         ::testing::Values(UgrasEset{"FeltetelSG", I::Balra, 1, 5, false, 5, H{"EselyekSG", 2, 14}},
                                           UgrasEset{"FeltetelSG", I::Balra, 1, 7, false, 5, H{"EselyekSG", 2, 16}},
                                           UgrasEset{"FeltetelSG", I::Balra, 1, 8, false, 5, H{"PlusVezetesSG", 2, 0}},
                                           UgrasEset{"FeltetelSG", I::Balra, 1, 3, false, 5,
                                                     H{"EselyekSG", 2, 14}}, // above the top
                                           UgrasEset{"FeltetelSG", I::Balra, 1, 5, true, 5, Marad},
                                           UgrasEset{"FeltetelSG", I::Balra, 2, 5, false, 5, Marad},
                                           UgrasEset{"FeltetelSG", I::Fel, 1, 1, true, 1, H{"DarabszamSG", 0, 7}},
                                           UgrasEset{"FeltetelSG", I::Fel, 2, 1, false, 1, H{"RagadasSG", 0, 7}},
                                           UgrasEset{"FeltetelSG", I::Fel, 3, 1, false, 1, H{"RagadasSG", 1, 7}},
                                           UgrasEset{"FeltetelSG", I::Fel, 4, 1, false, 1, H{"TavolsagSG", 0, 7}},
                                           UgrasEset{"FeltetelSG", I::Fel, 5, 1, false, 1, H{"TavolsagSG", 1, 7}},
                                           UgrasEset{"FeltetelSG", I::Fel, 5, 2, false, 1, Marad},
                                           UgrasEset{"SzHibaSG", I::Fel, 0, 0, false, 1, Marad}));

TEST(AlapCalcSzovegek, GroupsThousandsAndPadsToFifteenCharacters) {
  TAlapCalcSzoveg s = AlapCalcSzovegek(4782969, 30);
  EXPECT_EQ(s.oszlop, "4 782 969 oszlop");
  EXPECT_EQ(s.forint, " 143 489 070 Ft"); // 14 characters are not enough
  s = AlapCalcSzovegek(8, 50);
  EXPECT_EQ(s.oszlop, "       8 oszlop");
  EXPECT_EQ(s.forint, "         400 Ft");
  s = AlapCalcSzovegek(0, 50);
  EXPECT_EQ(s.forint, "           0 Ft");
}

} // namespace
} // namespace kv
