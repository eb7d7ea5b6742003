// The signature of a fixed 3^14 bet: its accepted count and a hash of the
// accepted columns, of the tickets made from them and of the statistics.
// It changes only on purpose: a faster pass must leave every result as it was.

#include "engine/Jatek.h"
#include "engine/Statisztika.h"
#include "engine/SzelvenyKeszites.h"
#include "support/BenchBets.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kv {
namespace {

// FNV-1a over bytes.
struct THash {
  std::uint64_t h = 1469598103934665603ull;
  void Add(std::uint8_t b) { h = (h ^ b) * 1099511628211ull; }
  void Add(const TOszlop& o) {
    for (TTipp t : o) Add(t);
  }
  void Add(std::int32_t v) {
    for (int i = 0; i < 4; ++i) Add(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
  }
};

class GoldenSignature : public ::testing::Test {
protected:
  void SetUp() override {
    TBevitel be = bench::NagyFogadas();
    THiba h;
    ASSERT_TRUE(jatek_.Elokeszit(be, TKulcsValasztas{}, h)) << h.uzenet;
  }
  TJatek jatek_;
};

TEST_F(GoldenSignature, AcceptedColumns) {
  jatek_.GeneratorInditas();
  THash hash;
  std::int64_t n = jatek_.Menet(FutasOszlopszam, nullptr, [&](const TOszlopKep& o) { hash.Add(OszlopFromKep(o)); });
  EXPECT_EQ(n, 3661284);
  EXPECT_EQ(hash.h, 14687585127264232007ull);
}

TEST_F(GoldenSignature, TicketsAndStatistics) {
  jatek_.GeneratorInditas();
  TSzelvenyek sz;
  THiba h;
  ASSERT_TRUE(SzelvenyKeszites(jatek_, 0, sz, nullptr, h)) << h.uzenet;
  THash tickets;
  for (const TOszlop& r : sz.rekordok) tickets.Add(r);
  EXPECT_EQ(sz.kollektivCount, 52477);
  EXPECT_EQ(sz.normalCount, 1854);
  EXPECT_EQ(tickets.h, 10643356949792534849ull);

  jatek_.GeneratorInditas();
  TStatisztika stat;
  ASSERT_EQ(StatisztikaMenet(jatek_, nullptr, stat), 3661284);
  THash counters;
  for (std::int32_t v : stat.db) counters.Add(v);
  EXPECT_EQ(counters.h, 16273621656604384100ull);
}

} // namespace
} // namespace kv
