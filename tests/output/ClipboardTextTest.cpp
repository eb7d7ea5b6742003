#include "output/ClipboardText.h"

#include <gtest/gtest.h>

#include <vector>

namespace kv {
namespace {

// Normal column i of a store: its number in signs on matches 1..5, so that
// every column of a line can be told apart; "1" elsewhere, +1 "X".
TOszlop Normal(int i) {
  TOszlop o;
  o.fill(1);
  for (std::size_t p = 0; p < 5; ++p, i /= 3) o[p] = static_cast<TTipp>(1u << (i % 3));
  o[13] = 2;
  return o;
}

std::string Jelek(int i) {
  std::string s;
  for (TTipp t : Normal(i)) s += TippToLetter(t);
  return s;
}

// Two collective records (never submitted) before n normal columns.
TSzelvenyek Tar(int n) {
  TSzelvenyek sz;
  TOszlop k;
  k.fill(7);
  sz.rekordok = {k, k};
  sz.kollektivCount = 2;
  for (int i = 1; i <= n; ++i) sz.rekordok.push_back(Normal(i));
  sz.normalCount = n;
  return sz;
}

struct TFeladasEset {
  int n, elso, utolso;
  std::vector<std::vector<int>> sorok; // the normal columns of each line
};

class SzelvenyFeladas : public ::testing::TestWithParam<TFeladasEset> {};

TEST_P(SzelvenyFeladas, OneLinePerTicket) {
  const TFeladasEset& e = GetParam();
  std::string vart;
  for (const auto& sor : e.sorok) {
    vart += "TO,";
    for (std::size_t j = 0; j < sor.size(); ++j) vart += (j ? ",," : "") + Jelek(sor[j]);
    vart += "\r\n";
  }
  EXPECT_EQ(SzelvenyFeladasSzoveg(Tar(e.n), e.elso, e.utolso), vart);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, SzelvenyFeladas,
    ::testing::Values(TFeladasEset{1, 1, 1, {{1}}},
                      TFeladasEset{6, 1, 2, {{1, 2, 3, 4}, {5, 6}}}, // the last two tickets hold 4 and 2
                      TFeladasEset{6, 2, 2, {{5, 6}}},               // found by stepping back from column 6
                      TFeladasEset{7, 2, 2, {{6, 7}}}, TFeladasEset{11, 2, 3, {{6, 7, 8, 9}, {10, 11}}},
                      TFeladasEset{11, 3, 3, {{10, 11}}}, TFeladasEset{10, 1, 2, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}},
                      TFeladasEset{12, 3, 3, {{11, 12}}}, TFeladasEset{6, 0, 1, {}}, // out of the range: nothing
                      TFeladasEset{6, 1, 3, {}}, TFeladasEset{6, 2, 1, {}}));

TEST(SzelvenyFeladas, ColumnIsItsFourteenSigns) {
  TSzelvenyek sz;
  sz.rekordok = {TOszlop{1, 2, 4, 1, 1, 2, 4, 4, 1, 2, 1, 4, 1, 2}, TOszlop{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 1}};
  sz.normalCount = 2;
  EXPECT_EQ(SzelvenyFeladasSzoveg(sz, 1, 1), "TO,1X211X221X121X,,22222222222221\r\n");
}

TEST(NormalSzelvenyDarab, CountsNormalTicketsOnly) {
  EXPECT_EQ(NormalSzelvenyDarab(Tar(0)), 0);
  EXPECT_EQ(NormalSzelvenyDarab(Tar(6)), 2);
  EXPECT_EQ(NormalSzelvenyDarab(Tar(300)), 60);
  EXPECT_EQ(NormalSzelvenyDarab(Tar(301)), 61);
}

} // namespace
} // namespace kv
