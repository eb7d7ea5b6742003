#include "engine/OszlopGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv {
namespace {

std::array<std::string, 13> Tips(std::initializer_list<std::pair<int, std::string>> kulonleges,
                                 const std::string& tobbi = "1") {
  std::array<std::string, 13> t;
  t.fill(tobbi);
  for (auto& [m, s] : kulonleges) t[m - 1] = s;
  return t;
}

std::string Signs(const TOszlopSzoveg& o) { return std::string(o.begin(), o.begin() + 14); }
std::string Letters(const TOszlopSzoveg& o) { return std::string(o.begin() + 14, o.begin() + 27); }

// Every column of a run with every column accepted.
std::vector<TOszlopSzoveg> Columns(TOszlopGenerator& g) {
  std::vector<TOszlopSzoveg> out;
  if (g.Ures()) return out;
  do out.push_back(g.Aktualis());
  while (!g.Kovetkezo(static_cast<std::int64_t>(out.size())));
  return out;
}

TEST(OszlopGenerator, SingleColumnBet) {
  TOszlopGenerator g;
  EXPECT_EQ(g.AlaptippInit(Tips({}), "", {0, 0, 0}), 1);
  EXPECT_EQ(g.Osszes(), 1);
  EXPECT_EQ(Signs(g.Aktualis()), "1111111111111 ");
  EXPECT_TRUE(g.Kovetkezo(1));
}

TEST(OszlopGenerator, FirstMatchIsFastestWithLetters) {
  TOszlopGenerator g;
  g.AlaptippInit(Tips({{1, "X1"}, {2, ""}}), "", {0, 0, 0});
  auto cols = Columns(g);
  ASSERT_EQ(cols.size(), 2u);
  EXPECT_EQ(Signs(cols[0]), "X 11111111111 ");
  EXPECT_EQ(Signs(cols[1]), "1 11111111111 ");
  EXPECT_EQ(Letters(cols[0]), "A AAAAAAAAAAA"); // an untipped match keeps a blank letter
  EXPECT_EQ(Letters(cols[1]), "B AAAAAAAAAAA");
}

TEST(OszlopGenerator, PlusMatchChangesSlowest) {
  TOszlopGenerator g;
  EXPECT_EQ(g.AlaptippInit(Tips({{13, "12"}}), "1X2", {0, 0, 0}), 6);
  auto cols = Columns(g);
  ASSERT_EQ(cols.size(), 6u);
  std::string plus;
  for (auto& c : cols) plus += c[13];
  EXPECT_EQ(plus, "11XX22");
  EXPECT_EQ(cols[1][12], '2');
}

TEST(OszlopGenerator, DistributionSharesAcceptedColumns) {
  TOszlopGenerator g;
  EXPECT_EQ(g.AlaptippInit(Tips({{1, "1X2"}, {2, "1X"}}), "1X2", {1, 1, 1}), 18);
  EXPECT_EQ(g.Osszes(), 6); // the distribution takes the +1 over
  std::string plus;
  for (auto& c : Columns(g)) plus += c[13];
  EXPECT_EQ(plus, "1X21X2");
}

TEST(OszlopGenerator, RejectedColumnKeepsItsPlusSign) {
  TOszlopGenerator g;
  g.AlaptippInit(Tips({{1, "1X2"}, {2, "1X2"}}), "12", {3, 1, 0});
  // accept, reject, accept, accept, accept: the shares 3:1 on signs 1 and 2
  const bool accept[] = {true, false, true, true, true, true, true, true, true};
  std::string plus;
  std::int64_t accepted = 0;
  for (int i = 0; i < 9; ++i) {
    plus += g.Aktualis()[13];
    if (accept[i]) ++accepted;
    if (g.Kovetkezo(accepted)) break;
  }
  // After the first: 1/1 is not below 3/4, 0/1 is below 1/4 -> "2". The rejected
  // second column changes nothing -> "2" again. Then 1/2 and 2/3 are below 3/4
  // -> "1", "1"; at 3/4 and 1/4 no share is below its target -> the first sign.
  EXPECT_EQ(plus.substr(0, 5), "12211");
}

struct TKulcsFixture {
  TKulcsAdat kulcs;
  TKulcsFixture() {
    // A two-column key over one doubled key match: "1" and "X" on key match 1.
    kulcs.oszlopszam = 2;
    kulcs.oszlopHossz = 1;
    kulcs.alaptipp[0] = "1X";
    kulcs.oszlopok = {TOszlop{1}, TOszlop{2}};
  }
};

TEST(OszlopGenerator, KeyColumnsTakeTheUsersSigns) {
  TKulcsFixture f;
  TOszlopGenerator g;
  std::array<bool, 13> fix{};
  // The user's double is on match 3, "X2": key "1" stands for X (A), key "X" for 2 (B).
  EXPECT_EQ(g.KulcsInit(Tips({{3, "X2"}}), "", {0, 0, 0}, fix, f.kulcs), 2);
  auto cols = Columns(g);
  ASSERT_EQ(cols.size(), 2u);
  EXPECT_EQ(Signs(cols[0]), "11X1111111111 ");
  EXPECT_EQ(Signs(cols[1]), "1121111111111 ");
  EXPECT_EQ(cols[0][14 + 2], 'A');
  EXPECT_EQ(cols[1][14 + 2], 'B');
}

TEST(OszlopGenerator, FixDoubleDeliversEveryKeyColumnTwice) {
  TKulcsFixture f;
  TOszlopGenerator g;
  std::array<bool, 13> fix{};
  fix[5] = true; // match 6 is marked and keeps its double
  g.KulcsInit(Tips({{3, "X2"}, {6, "12"}}), "1X", {0, 0, 0}, fix, f.kulcs);
  EXPECT_EQ(g.Osszes(), 2 * 2 * 2);
  auto cols = Columns(g);
  ASSERT_EQ(cols.size(), 8u);
  std::vector<std::string> s;
  for (auto& c : cols) s.push_back(Signs(c).substr(2, 4) + c[13]);
  EXPECT_EQ(s, (std::vector<std::string>{"X1111", "X1121", "X111X", "X112X", "21111", "21121", "2111X", "2112X"}));
}

TEST(OszlopGenerator, UntippedMatchFindsASingleKeyMatch) {
  // Key base tips empty at key match 1 and "1" at key match 2; the user's match 1
  // is "1" and match 2 untipped: both must be assigned, the untipped one to a
  // key match with a one-sign base tip.
  TKulcsAdat k;
  k.oszlopszam = 2;
  k.oszlopHossz = 3;
  k.alaptipp[1] = "1";
  k.alaptipp[2] = "12";
  for (int j = 3; j < 13; ++j) k.alaptipp[j] = "1"; // no empty key match is left for match 2
  k.oszlopok = {TOszlop{0, 1, 1}, TOszlop{0, 1, 4}};
  std::array<std::string, 13> t = Tips({{1, "1"}, {2, ""}, {3, "X2"}});
  TOszlopGenerator g;
  g.KulcsInit(t, "", {0, 0, 0}, {}, k);
  auto cols = Columns(g);
  ASSERT_EQ(cols.size(), 2u);
  EXPECT_EQ(Signs(cols[0]).substr(0, 3), "1 X");
  EXPECT_EQ(Signs(cols[1]).substr(0, 3), "1 2");
}

TEST(OszlopGenerator, KeyRunEndsAtTheLastStoredColumn) {
  TKulcsFixture f;
  f.kulcs.oszlopszam = 1000; // the header claims far more than the file holds
  TOszlopGenerator g;
  g.KulcsInit(Tips({{3, "X2"}}), "", {0, 0, 0}, {}, f.kulcs);
  EXPECT_EQ(Columns(g).size(), 2u);

  f.kulcs.oszlopszam = 1; // and a header that claims fewer ends the run early
  g.KulcsInit(Tips({{3, "X2"}}), "", {0, 0, 0}, {}, f.kulcs);
  EXPECT_EQ(Columns(g).size(), 1u);
}

TEST(OszlopGenerator, KeyColumnWithoutSignAtADoubleIsPassedOver) {
  TKulcsFixture f;
  f.kulcs.oszlopok = {TOszlop{0}, TOszlop{3}};
  f.kulcs.oszlopszam = 2;
  TOszlopGenerator g;
  g.KulcsInit(Tips({{3, "X2"}}), "", {0, 0, 0}, {}, f.kulcs);
  auto cols = Columns(g);
  ASSERT_EQ(cols.size(), 2u);
  EXPECT_EQ(Signs(cols[0]).substr(2, 1), "X");
  EXPECT_EQ(Signs(cols[1]).substr(2, 1), "2");
}

} // namespace
} // namespace kv
