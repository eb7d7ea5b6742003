#include "support/LiteralSzelveny.h"

#include <array>

namespace kv::literal {

namespace {

constexpr int Max = 99999;

struct TTar {
  std::vector<TOszlop> rec{TOszlop{}}; // rec[0] unused: records count from 1
  int szelvenyCount = 0;
  int kollektivCount = 0;
  std::array<int, 15> szintek{};
  bool tulcsordulas = false;

  void Add() {
    ++szelvenyCount;
    if (static_cast<int>(rec.size()) <= szelvenyCount) rec.emplace_back();
  }
  void Release() {
    rec.pop_back();
    --szelvenyCount;
  }
};

// The position where r and n differ, when they differ in exactly one
// position, with no common sign there and no eleventh triple; -1 otherwise.
int MergePosition(const TOszlop& r, const TOszlop& n, int lvl) {
  int p = -1;
  for (int i = 0; i < 14; ++i) {
    if (r[i] == n[i]) continue;
    if (p >= 0) return -1;
    p = i;
  }
  if (p < 0) return -1;
  if ((r[p] & n[p]) != 0) return -1;
  if (lvl == 10 && r[p] + n[p] == 7) return -1;
  return p;
}

void Place(TTar& t, TOszlop n) {
  int lo = t.szintek[0], hi = t.szelvenyCount;
  t.Add();
  int lvl = 0;
  for (;;) {
    int R = 0, p = -1;
    for (int k = lo; k <= hi && R == 0; ++k) {
      p = MergePosition(t.rec[k], n, lvl);
      if (p >= 0) R = k;
    }
    if (R == 0) break;
    n[p] = static_cast<TTipp>(n[p] + t.rec[R][p]);
    int m;
    if (n[p] == 7) {
      t.rec[R] = t.rec[lo];
      t.szintek[lvl] += 1;
      m = lvl;
      lvl += 1;
      hi = lo - 1;
      lo = t.szintek[lvl];
    } else {
      t.rec[R] = t.rec[hi];
      hi -= 1;
      m = lvl;
    }
    for (int j = m - 1; j >= 1; --j) {
      t.szintek[j] -= 1;
      t.rec[t.szintek[j]] = t.rec[t.szintek[j - 1] - 1];
    }
    if (m >= 1) {
      t.szintek[0] -= 1;
      t.rec[t.szintek[0]] = t.rec[t.szelvenyCount];
    }
    t.Release();
  }
  t.rec[hi + 1] = n;
}

int Doubles(const TOszlop& o) {
  int d = 0;
  for (TTipp x : o)
    if (x == 3 || x == 5 || x == 6) ++d;
  return d;
}

bool SplitTriples(TTar& t) {
  int k = t.szintek[1];
  while (k < t.szintek[0]) {
    if (Doubles(t.rec[k]) > 0) {
      k += 1;
      continue;
    }
    if (t.szelvenyCount > Max - 2) return false;
    t.szintek[0] -= 1;
    TOszlop copy = t.rec[k];
    t.rec.push_back(copy);
    t.rec.push_back(copy);
    int first = t.szelvenyCount + 1, second = t.szelvenyCount + 2;
    t.rec[k] = t.rec[t.szintek[0]];
    t.rec[t.szintek[0]] = t.rec[t.kollektivCount];
    t.rec[t.kollektivCount] = copy;
    int p = 0;
    while (copy[p] != 7) ++p;
    t.rec[t.kollektivCount][p] = 1;
    t.rec[first][p] = 2;
    t.rec[second][p] = 4;
    t.kollektivCount -= 1;
    t.szelvenyCount += 2;
  }
  return true;
}

bool SplitDoubles(TTar& t, int osszevonas) {
  int k = t.szintek[0];
  while (k <= t.kollektivCount) {
    TOszlop& r = t.rec[k];
    int d = Doubles(r);
    std::vector<int> at;
    for (int i = 0; i < 14; ++i)
      if (r[i] == 3 || r[i] == 5 || r[i] == 6) at.push_back(i);
    if (d == 0) {
      std::swap(t.rec[k], t.rec[t.kollektivCount]);
      t.kollektivCount -= 1;
    } else if (d == 1) {
      if (t.szelvenyCount == Max) return false;
      TOszlop copy = r;
      t.rec.push_back(copy);
      int added = t.szelvenyCount + 1;
      t.rec[k] = t.rec[t.kollektivCount];
      t.rec[t.kollektivCount] = copy;
      TTippPar ab = SplitDouble(copy[at[0]]);
      t.rec[t.kollektivCount][at[0]] = ab.also;
      t.rec[added][at[0]] = ab.maradek;
      t.kollektivCount -= 1;
      t.szelvenyCount += 1;
    } else if (d == 2 && osszevonas == 1) {
      if (t.szelvenyCount > Max - 3) return false;
      TOszlop copy = r;
      for (int i = 0; i < 3; ++i) t.rec.push_back(copy);
      int n1 = t.szelvenyCount + 1, n2 = t.szelvenyCount + 2, n3 = t.szelvenyCount + 3;
      t.rec[k] = t.rec[t.kollektivCount];
      t.rec[t.kollektivCount] = copy;
      int kc = t.kollektivCount, p1 = at[0], p2 = at[1];
      TTippPar ab = SplitDouble(copy[p2]);
      t.rec[kc][p2] = ab.also;
      t.rec[n1][p2] = ab.also;
      t.rec[n2][p2] = ab.maradek;
      t.rec[n3][p2] = ab.maradek;
      TTippPar ab1 = SplitDouble(copy[p1]);
      t.rec[kc][p1] = ab1.also;
      t.rec[n2][p1] = ab1.also;
      t.rec[n1][p1] = ab1.maradek;
      t.rec[n3][p1] = ab1.maradek;
      t.kollektivCount -= 1;
      t.szelvenyCount += 3;
    } else {
      k += 1;
    }
  }
  return true;
}

TSzelvenyek Overflow() {
  TSzelvenyek s;
  s.tulcsordulas = true;
  return s;
}

} // namespace

TSzelvenyek SzelvenyKeszites(const std::vector<TOszlop>& elfogadott, int osszevonas) {
  TTar t;
  t.szintek.fill(1);
  for (const TOszlop& n : elfogadott) {
    if (t.szelvenyCount == Max) return Overflow();
    if (osszevonas == 2) {
      t.Add();
      t.rec[t.szelvenyCount] = n;
    } else {
      Place(t, n);
    }
  }
  if (osszevonas == 2) {
    t.kollektivCount = 0;
  } else {
    t.kollektivCount = t.szelvenyCount;
    if (osszevonas == 1 && !SplitTriples(t)) return Overflow();
    if (!SplitDoubles(t, osszevonas)) return Overflow();
  }
  TSzelvenyek s;
  s.rekordok.assign(t.rec.begin() + 1, t.rec.begin() + 1 + t.szelvenyCount);
  s.kollektivCount = t.kollektivCount;
  s.normalCount = t.szelvenyCount - t.kollektivCount;
  return s;
}

} // namespace kv::literal
