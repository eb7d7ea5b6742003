#include "engine/Szelvenyek.h"

#include <gtest/gtest.h>

#include <vector>

namespace kv {
namespace {

struct TJegyEset {
  int n;
  std::vector<std::pair<int, int>> jegyek; // the columns of each normal ticket
};

class NormalSzelvenyek : public ::testing::TestWithParam<TJegyEset> {};

// Every column's ticket number, position and the ticket bounds must tell
// the same packing.
TEST_P(NormalSzelvenyek, BoundsNumbersAndPositionsAgree) {
  const TJegyEset& e = GetParam();
  const int darab = SzelvenyDarab(false, e.n, NColumnsPerTicket);
  ASSERT_EQ(darab, static_cast<int>(e.jegyek.size()));
  for (int t = 1; t <= darab; ++t) {
    const auto [first, last] = SzelvenyHatarok(false, t, e.n, NColumnsPerTicket);
    EXPECT_EQ(first, e.jegyek[static_cast<std::size_t>(t - 1)].first) << "ticket " << t;
    EXPECT_EQ(last, e.jegyek[static_cast<std::size_t>(t - 1)].second) << "ticket " << t;
    for (int k = first; k <= last; ++k) {
      EXPECT_EQ(SzelvenySzama(false, k, e.n, NColumnsPerTicket), t) << "column " << k;
      EXPECT_EQ(SzelvenyHely(k, e.n, NColumnsPerTicket), k - first + 1) << "column " << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Packing, NormalSzelvenyek,
                         ::testing::Values(TJegyEset{1, {{1, 1}}}, TJegyEset{2, {{1, 2}}}, TJegyEset{5, {{1, 5}}},
                                           TJegyEset{6, {{1, 4}, {5, 6}}}, TJegyEset{7, {{1, 5}, {6, 7}}},
                                           TJegyEset{10, {{1, 5}, {6, 10}}}, TJegyEset{11, {{1, 5}, {6, 9}, {10, 11}}},
                                           TJegyEset{16, {{1, 5}, {6, 10}, {11, 14}, {15, 16}}}));

TEST(KollektivSzelvenyek, OneRecordPerTicket) {
  EXPECT_EQ(SzelvenyDarab(true, 6, KColumnsPerTicket), 6);
  EXPECT_EQ(SzelvenyDarab(true, 0, KColumnsPerTicket), 0);
  EXPECT_EQ(SzelvenyDarab(false, 0, NColumnsPerTicket), 0);
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(SzelvenySzama(true, k, 6, KColumnsPerTicket), k);
    EXPECT_EQ(SzelvenyHatarok(true, k, 6, KColumnsPerTicket), std::make_pair(k, k));
  }
}

TEST(Szelvenyek, RecordsAndColumns) {
  TSzelvenyek sz;
  TOszlop tiz{};
  tiz.fill(1);
  for (int m = 0; m < 10; ++m) tiz[static_cast<std::size_t>(m)] = 7;
  TOszlop ket{};
  ket.fill(2);
  ket[3] = ket[8] = 7;
  ket[13] = 0; // an untipped +1 multiplies nothing
  TOszlop egy{};
  egy.fill(4);
  sz.rekordok = {tiz, ket, egy};
  sz.kollektivCount = 2;
  sz.normalCount = 1;
  EXPECT_EQ(OsszesOszlop(sz), 59049 + 9 + 1);
  EXPECT_EQ(sz.Rekord(2), ket);
  EXPECT_EQ(sz.Normal(1), egy);
  sz.TarTorles();
  EXPECT_TRUE(sz.Ures());
  EXPECT_EQ(OsszesOszlop(sz), 0);
}

} // namespace
} // namespace kv
