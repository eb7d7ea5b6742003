#include "keys/KeyTable.h"

#include "engine/Szoveg.h"
#include "keys/KeyFile.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace kv {

namespace {

// Profile index d holds the columns with d misses on the key matches, that is
// 13 - d hits; misses beyond 3 fall below the table.
constexpr int Osztalyok = 4;

struct TKulcsMerkozes {
  int index = 0;                // 0-based match
  std::array<TTipp, 3> jelek{}; // A, B, C in the order the base tip lists them
  int db = 0;
};

TTipp JelKod(char c) { return c == '1' ? 1 : (c == 'X' || c == 'x') ? 2 : c == '2' ? 4 : 0; }

std::vector<TKulcsMerkozes> KulcsMerkozesek(const TKulcs& k) {
  std::vector<TKulcsMerkozes> r;
  const int hossz = std::clamp<std::int32_t>(k.oszlopHossz, 0, MatchCount);
  for (int i = 0; i < hossz; ++i) {
    TKulcsMerkozes m;
    m.index = i;
    for (char c : k.alaptipp[static_cast<std::size_t>(i)]) {
      TTipp t = JelKod(c);
      if (t != 0 && std::find(m.jelek.begin(), m.jelek.begin() + m.db, t) == m.jelek.begin() + m.db)
        m.jelek[static_cast<std::size_t>(m.db++)] = t;
    }
    if (m.db >= 2) r.push_back(m);
  }
  return r;
}

// One outcome turns a column into a polynomial in z (z = a missed key match):
//   szorzo * 2^dm * z^s * (1 + z)^(d - dm) * (1 + 2z)^t
// with s the missed key matches, dm the missed doubles among them, d and t the
// doubles and triples on key matches, szorzo the signs of the other cells. A
// hit double is one way to hit and one to miss, a triple one and two. So an
// outcome only moves a column's (s, dm), and its share of the profile comes
// from a table indexed by them; a normal column is the case d = t = 0.
struct TOszlopAllapot {
  int s = 0, dm = 0;
  int d = 0;
  std::size_t tabla = 0; // first entry of its (s, dm) table in the shared store
};

struct TValtozas {
  std::uint32_t oszlop;
  std::int8_t ds, ddm;
};

class TKulcsFuttatas {
public:
  TKulcsFuttatas(const TKulcs& header, const TKeyColumns& columns)
      : merkozesek_(KulcsMerkozesek(header)), kollektiv_(header.kollektivDb > 0) {
    Modellek(columns);
    Valtozasok(columns);
  }

  std::int64_t Kimenetek() const {
    std::int64_t p = 1;
    for (const TKulcsMerkozes& m : merkozesek_) p *= m.db;
    return p;
  }

  // Visits every outcome, match 1 changing fastest, calling f(g, profil);
  // false after an abort.
  template <class F> bool Felsorol(IProgress* progress, F&& f);

private:
  bool Talalat(TTipp cella, TTipp jel) const { return kollektiv_ ? (cella & jel) != 0 : cella == jel; }
  void Modellek(const TKeyColumns& columns);
  void Valtozasok(const TKeyColumns& columns);
  const TTalalatProfil& Resz(const TOszlopAllapot& a) const {
    return reszek_[a.tabla + static_cast<std::size_t>(a.s * (a.d + 1) + a.dm)];
  }

  std::vector<TKulcsMerkozes> merkozesek_;
  bool kollektiv_;
  std::vector<TOszlopAllapot> oszlopok_;
  std::vector<TTalalatProfil> reszek_;
  std::vector<std::array<std::vector<TValtozas>, 3>> valtozasok_; // [key match][from sign]
  TTalalatProfil profil_{};
};

// Ways to pick j misses among n1 hit doubles and n2 triples (a triple misses two ways).
std::int64_t Egyutthato(int n1, int n2, int j) {
  auto c = [](int n, int k) {
    if (k < 0 || k > n) return std::int64_t{0};
    std::int64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
  };
  std::int64_t sum = 0;
  for (int i = 0; i <= j; ++i) sum += c(n1, i) * c(n2, j - i) * (std::int64_t{1} << (j - i));
  return sum;
}

void TKulcsFuttatas::Modellek(const TKeyColumns& columns) {
  std::array<bool, MatchCount> kulcsMerkozes{};
  for (const TKulcsMerkozes& m : merkozesek_) kulcsMerkozes[static_cast<std::size_t>(m.index)] = true;
  const int k = static_cast<int>(merkozesek_.size());
  for (const TOszlop& o : columns) {
    TOszlopAllapot a;
    int t = 0;
    std::int64_t szorzo = 1;
    for (int i = 0; i < MatchCount; ++i) {
      TTipp cella = o[static_cast<std::size_t>(i)] & 7;
      if (kollektiv_ && !kulcsMerkozes[static_cast<std::size_t>(i)]) szorzo *= std::max(1, SignCount(cella));
    }
    for (const TKulcsMerkozes& m : merkozesek_) {
      TTipp cella = o[static_cast<std::size_t>(m.index)] & 7;
      int jelek = kollektiv_ ? SignCount(cella) : 1;
      if (jelek == 3) ++t;
      if (jelek == 2) ++a.d;
      if (jelek != 3 && !Talalat(cella, m.jelek[0])) {
        ++a.s;
        if (jelek == 2) ++a.dm;
      }
    }
    a.tabla = reszek_.size();
    for (int s = 0; s <= k; ++s)
      for (int dm = 0; dm <= a.d; ++dm) {
        TTalalatProfil p{};
        for (int d = s; d < Osztalyok; ++d)
          p[static_cast<std::size_t>(d)] = szorzo * (std::int64_t{1} << dm) * Egyutthato(a.d - dm, t, d - s);
        reszek_.push_back(p);
      }
    oszlopok_.push_back(a);
    const TTalalatProfil& p = Resz(a);
    for (int d = 0; d < Osztalyok; ++d) profil_[static_cast<std::size_t>(d)] += p[static_cast<std::size_t>(d)];
  }
}

void TKulcsFuttatas::Valtozasok(const TKeyColumns& columns) {
  valtozasok_.resize(merkozesek_.size());
  for (std::size_t q = 0; q < merkozesek_.size(); ++q) {
    const TKulcsMerkozes& m = merkozesek_[q];
    for (int t = 0; t < m.db; ++t) {
      TTipp regi = m.jelek[static_cast<std::size_t>(t)], uj = m.jelek[static_cast<std::size_t>((t + 1) % m.db)];
      for (std::size_t c = 0; c < columns.size(); ++c) {
        TTipp cella = columns[c][static_cast<std::size_t>(m.index)] & 7;
        int jelek = kollektiv_ ? SignCount(cella) : 1;
        bool elotte = Talalat(cella, regi), utana = Talalat(cella, uj);
        if (jelek == 3 || elotte == utana) continue;
        auto ds = static_cast<std::int8_t>(elotte ? 1 : -1);
        valtozasok_[q][static_cast<std::size_t>(t)].push_back(
            {static_cast<std::uint32_t>(c), ds, static_cast<std::int8_t>(jelek == 2 ? ds : 0)});
      }
    }
  }
}

template <class F> bool TKulcsFuttatas::Felsorol(IProgress* progress, F&& f) {
  const std::int64_t p = Kimenetek(), lepes = p / 100;
  std::int64_t kesz = 0, kovetkezo = lepes;
  std::vector<int> allas(merkozesek_.size(), 0);
  int g = static_cast<int>(merkozesek_.size());
  for (;;) {
    f(g, profil_);
    if (++kesz >= kovetkezo && progress) {
      progress->SetPercent(static_cast<std::uint8_t>(kesz * 100 / p));
      kovetkezo += lepes;
      if (progress->AbortRequested()) return false;
    }
    if (kesz == p) return true;
    // The odometer: every sign change of a match moves only the columns listed for it.
    for (std::size_t q = 0;; ++q) {
      const int t = allas[q], u = t + 1 == merkozesek_[q].db ? 0 : t + 1;
      for (const TValtozas& v : valtozasok_[q][static_cast<std::size_t>(t)]) {
        TOszlopAllapot& a = oszlopok_[v.oszlop];
        if (a.s >= Osztalyok && a.s + v.ds >= Osztalyok) { // below 10 hits before and after
          a.s += v.ds;
          a.dm += v.ddm;
          continue;
        }
        const TTalalatProfil& elotte = Resz(a);
        a.s += v.ds;
        a.dm += v.ddm;
        const TTalalatProfil& utana = Resz(a);
        for (int d = 0; d < Osztalyok; ++d)
          profil_[static_cast<std::size_t>(d)] +=
              utana[static_cast<std::size_t>(d)] - elotte[static_cast<std::size_t>(d)];
      }
      allas[q] = u;
      g += u == 0 ? 1 : t == 0 ? -1 : 0;
      if (u != 0) break;
    }
  }
}

struct TProfilHash {
  std::size_t operator()(const TTalalatProfil& p) const {
    std::uint64_t h = 1469598103934665603ull;
    for (std::int64_t v : p) h = (h ^ static_cast<std::uint64_t>(v)) * 1099511628211ull;
    return static_cast<std::size_t>(h ^ (h >> 29));
  }
};

// 9 when no column reaches 10 hits.
int LegjobbOsztaly(const TTalalatProfil& p) {
  for (int d = 0; d < Osztalyok; ++d)
    if (p[static_cast<std::size_t>(d)] != 0) return 13 - d;
  return 9;
}

std::optional<TKeyTableEredmeny> MinimalisGarancia(TKulcsFuttatas& f, IProgress* progress) {
  struct TRekord {
    TTalalatProfil profil;
    std::int64_t esetek = 0;
  };
  constexpr std::int64_t Kezdo = std::numeric_limits<std::int32_t>::max();
  std::array<std::array<TRekord, 5>, MatchCount + 1> tar;
  for (auto& sor : tar) sor.fill({{Kezdo, Kezdo, Kezdo, Kezdo}, 0});
  bool kesz = f.Felsorol(progress, [&](int g, const TTalalatProfil& p) {
    TRekord& r = tar[static_cast<std::size_t>(g)][static_cast<std::size_t>(LegjobbOsztaly(p) - 9)];
    ++r.esetek;
    if (p < r.profil) r.profil = p; // the first differing counter, from V13 down, decides
  });
  if (!kesz) return std::nullopt;
  TKeyTableEredmeny e{f.Kimenetek(), {}};
  for (int g = 0; g <= MatchCount; ++g)
    for (int s = 0; s < 5; ++s) {
      const TRekord& r = tar[static_cast<std::size_t>(g)][static_cast<std::size_t>(s)];
      if (r.esetek > 0) e.rekordok.push_back({g, s + 9, r.profil, r.esetek});
    }
  return e;
}

std::optional<TKeyTableEredmeny> ReszletesTalalat(TKulcsFuttatas& f, IProgress* progress) {
  std::unordered_map<TTalalatProfil, std::int64_t, TProfilHash> profilok;
  // Neighbouring outcomes mostly share their profile: the last one found saves the lookup.
  TTalalatProfil utolso{-1, -1, -1, -1};
  std::int64_t* utolsoDb = nullptr;
  bool kesz = f.Felsorol(progress, [&](int, const TTalalatProfil& p) {
    if (p != utolso) {
      utolso = p;
      utolsoDb = &profilok[p];
    }
    ++*utolsoDb;
  });
  if (!kesz) return std::nullopt;
  TKeyTableEredmeny e{f.Kimenetek(), {}};
  for (const auto& [p, db] : profilok) e.rekordok.push_back({0, 0, p, db});
  std::sort(e.rekordok.begin(), e.rekordok.end(),
            [](const TKeyTableRekord& a, const TKeyTableRekord& b) { return a.profil < b.profil; });
  return e;
}

std::string Szamlalo(std::int64_t v, int jegyek) {
  return v == 0 ? std::string() : PadDigits(std::to_string(v), jegyek);
}

} // namespace

std::optional<TKeyTableEredmeny> ComputeKeyTable(TKeyTableMode mode, const TKulcs& header, const TKeyColumns& columns,
                                                 IProgress* progress) {
  TKulcsFuttatas f(header, columns);
  return mode == TKeyTableMode::MinimalisGarancia ? MinimalisGarancia(f, progress) : ReszletesTalalat(f, progress);
}

std::string KeyTablePercent(std::int64_t esetek, std::int64_t osszes, char decimalSeparator) {
  if (osszes <= 0 || esetek <= 0) return {};
  // Hundredths of a per cent, halves rounded up, in whole numbers so that no
  // binary fraction decides a half.
  const std::int64_t szazadok = (esetek * 20000 + osszes) / (2 * osszes);
  if (szazadok == 0) return {};
  std::string s = PadDigits(std::to_string(szazadok / 100), 2);
  if (szazadok % 100 != 0) {
    s += decimalSeparator;
    s += static_cast<char>('0' + szazadok % 100 / 10);
    s += static_cast<char>('0' + szazadok % 10);
  }
  return s;
}

TKeyTable FormatKeyTable(TKeyTableMode mode, const TKeyTableEredmeny& e, char decimalSeparator) {
  const bool mgt = mode == TKeyTableMode::MinimalisGarancia;
  TKeyTable t;
  t.fejlec = mgt ? "  V" : "  E";
  int elozoG = -1;
  for (const TKeyTableRekord& r : e.rekordok) {
    std::array<std::string, KeyTableColumns> sor;
    if (!mgt)
      sor[0] = PadDigits(std::to_string(t.sorok.size() + 1), 3);
    else if (r.g != elozoG)
      sor[0] = PadDigits(std::to_string(r.g), 3);
    elozoG = r.g;
    for (int d = 0; d < Osztalyok; ++d)
      sor[static_cast<std::size_t>(d + 1)] = Szamlalo(r.profil[static_cast<std::size_t>(d)], 3);
    sor[6] = PadDigits(std::to_string(r.esetek), 5);
    sor[7] = KeyTablePercent(r.esetek, e.kimenetek, decimalSeparator);
    t.sorok.push_back(std::move(sor));
  }
  const int n = static_cast<int>(t.sorok.size());
  t.sorSzam = n < 17 ? 18 : n + 1;
  return t;
}

std::optional<TKeyTable> BuildKeyTable(TKeyTableMode mode, const std::filesystem::path& dir,
                                       const std::string& fileName, IProgress* progress, char decimalSeparator) {
  TKulcs header;
  TKeyColumns columns;
  if (!ReadKeyFile(dir, fileName, header, columns)) {
    header = TKulcs{};
    columns.clear();
  }
  std::optional<TKeyTableEredmeny> e = ComputeKeyTable(mode, header, columns, progress);
  if (!e) return std::nullopt;
  return FormatKeyTable(mode, *e, decimalSeparator);
}

} // namespace kv
