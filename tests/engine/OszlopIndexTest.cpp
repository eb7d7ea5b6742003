#include "engine/OszlopIndex.h"

#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace kv {
namespace {

TEST(OszlopKulcs, FromTheMasksAsFromTheRecord) {
  std::mt19937 rng(5);
  const char jelek[] = {'1', 'X', '2', ' '};
  for (int i = 0; i < 2000; ++i) {
    std::string s;
    for (int m = 0; m < 13; ++m) s += jelek[rng() % (i % 2 ? 4 : 3)];
    const TOszlopKep kep = KepFromSzoveg(test::Szoveg(s, jelek[rng() % 4], "ABCABCABCABCA"));
    const TOszlop o = OszlopFromKep(kep);
    ASSERT_EQ(OszlopKulcs(kep), OszlopKulcs(o)) << s;
    ASSERT_EQ(OszlopKulcsbol(OszlopKulcs(o)), o);
  }
}

TEST(OszlopKulcs, PositionsAreNibbles) {
  TOszlop o{};
  o[0] = 7;
  o[13] = 5;
  const std::uint64_t k = OszlopKulcs(o);
  EXPECT_EQ(KulcsTipp(k, 0), 7u);
  EXPECT_EQ(KulcsTipp(k, 13), 5u);
  EXPECT_EQ(KulcsTipp(KulcsCsere(k, 13, 2), 13), 2u);
  EXPECT_EQ(KulcsCsere(KulcsCsere(k, 4, 6), 4, 0), k);
  // Untipped: every position but 0 and 13; then also 0 once it is emptied.
  EXPECT_EQ(KulcsNullak(k), 0x01111111111110ull);
  EXPECT_EQ(KulcsNullak(KulcsCsere(k, 0, 0)), 0x01111111111111ull);
  EXPECT_EQ(KulcsNullak(KulcsCsere(k, 6, 4)), 0x01111110111110ull);
}

// Random inserts and erases, with many ids sharing a content and the table
// growing and shrinking its clusters, against a plain multimap.
TEST(TOszlopIndex, AgreesWithAMultimapUnderChurn) {
  std::mt19937 rng(11);
  TOszlopIndex ix;
  ix.Clear();
  std::map<std::uint64_t, std::set<std::int32_t>> vart;
  std::vector<std::pair<std::uint64_t, std::int32_t>> elok;
  std::int32_t kovetkezoId = 0;
  for (int lepes = 0; lepes < 60000; ++lepes) {
    if (elok.empty() || rng() % 3 != 0) {
      const std::uint64_t k = rng() % 3000; // few keys: long clusters and shared contents
      ix.Insert(k, kovetkezoId);
      vart[k].insert(kovetkezoId);
      elok.emplace_back(k, kovetkezoId++);
    } else {
      const std::size_t i = rng() % elok.size();
      ix.Erase(elok[i].first, elok[i].second);
      vart[elok[i].first].erase(elok[i].second);
      elok[i] = elok.back();
      elok.pop_back();
    }
    if (lepes % 997 == 0) {
      for (std::uint64_t k = 0; k < 3000; ++k) {
        std::set<std::int32_t> van;
        for (std::int32_t id = ix.Elso(k); id != TOszlopIndex::Nincs; id = ix.Next(id)) van.insert(id);
        auto it = vart.find(k);
        ASSERT_EQ(van, it == vart.end() ? std::set<std::int32_t>{} : it->second) << "key " << k;
        ASSERT_TRUE(van.empty() || ix.Szita().Lehet(k * TOszlopIndex::Szorzo)) << "key " << k;
      }
    }
  }
}

// The sieve may let an absent content through but never stop a present
// one, however the contents sharing its words come and go; and once they
// are all gone, their bits are too, so that it keeps sieving.
TEST(TOszlopIndex, SieveKeepsEveryContentAndForgetsTheRemoved) {
  std::mt19937_64 rng(3);
  TOszlopIndex ix;
  std::vector<std::uint64_t> kulcsok(40000);
  for (auto& k : kulcsok) k = rng() >> 8;
  auto atengedett = [&ix](const std::vector<std::uint64_t>& v) {
    std::size_t db = 0;
    for (std::uint64_t k : v) db += ix.Szita().Lehet(k * TOszlopIndex::Szorzo);
    return db;
  };
  for (std::size_t i = 0; i < kulcsok.size(); ++i) ix.Insert(kulcsok[i], static_cast<std::int32_t>(i));
  for (std::size_t i = 0; i < kulcsok.size(); i += 2) ix.Erase(kulcsok[i], static_cast<std::int32_t>(i));
  for (std::size_t i = 1; i < kulcsok.size(); i += 2) ASSERT_TRUE(ix.Szita().Lehet(kulcsok[i] * TOszlopIndex::Szorzo));
  std::vector<std::uint64_t> idegen(40000);
  for (auto& k : idegen) k = rng() >> 8;
  EXPECT_LT(atengedett(idegen), idegen.size() / 50);
  for (std::size_t i = 1; i < kulcsok.size(); i += 2) ix.Erase(kulcsok[i], static_cast<std::int32_t>(i));
  EXPECT_EQ(atengedett(kulcsok), 0u);
}

} // namespace
} // namespace kv
