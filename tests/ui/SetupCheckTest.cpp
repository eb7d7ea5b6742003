#include "ui/SetupCheck.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

const std::string ArUzenet = "Az oszlop árát az 1..440 tartományban kell megadni. Javítsa ki a kurzornál lévő értéket!";
const std::string VonalUzenet =
    "A vonalvastagság értékét az 1..10 tartományban kell megadni. Javítsa ki a kurzornál lévő értéket!";
const std::string BalUzenet =
    "A bal margó értékét a 0..9999 tartományban kell megadni. Javítsa ki a kurzornál lévő értéket!";
const std::string FelsoUzenet =
    "A felső margó értékét a 0..9999 tartományban kell megadni. Javítsa ki a kurzornál lévő értéket!";

TSetupSzovegek ValidPage() {
  TSetupSzovegek t;
  t.Osszevonas = 1;
  t.OszlopAr = "70";
  t.LineWidth = "5";
  t.KLeftMargin = "180";
  t.KTopMargin = "100";
  t.NLeftMargin = "170";
  t.NTopMargin = "90";
  t.Orientation = 1;
  t.TicketKind = 2;
  return t;
}

struct TRossz {
  std::string TSetupSzovegek::*mezoSzoveg;
  std::string szoveg;
  TSetupMezo mezo;
  const std::string* uzenet;
};

class SetupCheckRefusal : public testing::TestWithParam<TRossz> {};

TEST_P(SetupCheckRefusal, NamesTheEditAndItsRange) {
  TSetupSzovegek lap = ValidPage();
  lap.*GetParam().mezoSzoveg = GetParam().szoveg;
  const std::optional<TSetupHiba> h = ValidateGame(lap);
  ASSERT_TRUE(h.has_value()) << GetParam().szoveg;
  EXPECT_EQ(h->mezo, GetParam().mezo);
  EXPECT_EQ(h->uzenet, *GetParam().uzenet);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SetupCheckRefusal,
    testing::Values(TRossz{&TSetupSzovegek::OszlopAr, "0", TSetupMezo::OszlopAr, &ArUzenet},
                    TRossz{&TSetupSzovegek::OszlopAr, "441", TSetupMezo::OszlopAr, &ArUzenet},
                    TRossz{&TSetupSzovegek::OszlopAr, "abc", TSetupMezo::OszlopAr, &ArUzenet},
                    TRossz{&TSetupSzovegek::OszlopAr, "", TSetupMezo::OszlopAr, &ArUzenet},
                    TRossz{&TSetupSzovegek::OszlopAr, "7.5", TSetupMezo::OszlopAr, &ArUzenet},
                    TRossz{&TSetupSzovegek::LineWidth, "0", TSetupMezo::LineWidth, &VonalUzenet},
                    TRossz{&TSetupSzovegek::LineWidth, "11", TSetupMezo::LineWidth, &VonalUzenet},
                    TRossz{&TSetupSzovegek::KLeftMargin, "-1", TSetupMezo::KLeftMargin, &BalUzenet},
                    TRossz{&TSetupSzovegek::KTopMargin, "-1", TSetupMezo::KTopMargin, &FelsoUzenet},
                    TRossz{&TSetupSzovegek::NLeftMargin, "x", TSetupMezo::NLeftMargin, &BalUzenet},
                    TRossz{&TSetupSzovegek::NTopMargin, "-1", TSetupMezo::NTopMargin, &FelsoUzenet}));

TEST(SetupCheck, AcceptsTheEndsOfEveryRange) {
  TSetupSzovegek lap = ValidPage();
  lap.OszlopAr = "440";
  lap.LineWidth = "10";
  lap.KLeftMargin = "0";
  lap.KTopMargin = "9999";
  lap.NLeftMargin = "9999";
  lap.NTopMargin = "0";
  EXPECT_EQ(ValidateGame(lap), std::nullopt);
  lap.OszlopAr = "1";
  lap.LineWidth = "1";
  EXPECT_EQ(ValidateGame(lap), std::nullopt);
}

TEST(SetupCheck, FirstErrorInPageOrderWins) {
  TSetupSzovegek lap = ValidPage();
  lap.NTopMargin = "-1";
  lap.KLeftMargin = "-1";
  lap.LineWidth = "0";
  EXPECT_EQ(ValidateGame(lap)->mezo, TSetupMezo::LineWidth);
  lap.OszlopAr = "441";
  EXPECT_EQ(ValidateGame(lap)->mezo, TSetupMezo::OszlopAr);
}

TEST(SetupCheck, ValidPageStoresEveryField) {
  TGameSetup g{0, 70, 5, 180, 100, 180, 100, 0, 0};
  ASSERT_EQ(ValidateGame(ValidPage(), g), std::nullopt);
  EXPECT_EQ(g, (TGameSetup{1, 70, 5, 180, 100, 170, 90, 1, 2}));
}

TEST(SetupCheck, StopsStoringAtTheFaultyField) {
  const TGameSetup before{0, 70, 5, 180, 100, 180, 100, 0, 0};
  TGameSetup g = before;
  TSetupSzovegek lap = ValidPage();
  lap.OszlopAr = "120";
  lap.KLeftMargin = "-1";
  ASSERT_TRUE(ValidateGame(lap, g).has_value());
  EXPECT_EQ(g.Osszevonas, 1);
  EXPECT_EQ(g.OszlopAr, 120);
  EXPECT_EQ(g.KLeftMargin, -1);
  EXPECT_EQ(g.KTopMargin, before.KTopMargin);
  EXPECT_EQ(g.NTopMargin, before.NTopMargin);
  EXPECT_EQ(g.Orientation, before.Orientation);
  EXPECT_EQ(g.TicketKind, before.TicketKind);
}

TEST(SetupCheck, PageShowsThePriceRoundedHalvesToEven) {
  TGameSetup g{2, 70.5, 3, 0, 9999, 12, 34, 1, 3};
  TSetupSzovegek t = GameTexts(g);
  EXPECT_EQ(t.OszlopAr, "70");
  EXPECT_EQ(t.LineWidth, "3");
  EXPECT_EQ(t.KLeftMargin, "0");
  EXPECT_EQ(t.KTopMargin, "9999");
  EXPECT_EQ(t.NLeftMargin, "12");
  EXPECT_EQ(t.NTopMargin, "34");
  EXPECT_EQ(t.Osszevonas, 2);
  EXPECT_EQ(t.Orientation, 1);
  EXPECT_EQ(t.TicketKind, 3);
  g.OszlopAr = 71.5;
  EXPECT_EQ(GameTexts(g).OszlopAr, "72");
}

TEST(SetupCheck, PageReadBackGivesTheSameSettings) {
  const TGameSetup g{1, 440, 10, 0, 9999, 5, 6, 1, 2};
  TGameSetup back;
  ASSERT_EQ(ValidateGame(GameTexts(g), back), std::nullopt);
  EXPECT_EQ(back, g);
}

} // namespace
} // namespace kv
