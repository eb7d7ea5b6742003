#include "engine/SzelvenyKeszites.h"

#include "engine/Jatek.h"

#include <bit>
#include <limits>

namespace kv {

std::string TulcsordulasUzenet(int osszevonas) {
  std::string s = "A szelvények tipposzlopainak száma túllépte a maximális értéket (";
  s += "99999";
  s += "). ";
  s += "A szelvénykészítést a program nem tudja elvégezni.";
  if (osszevonas == OsszevonasNincs) s += " Változtassuk meg a szelvényösszevonás módját!";
  return s;
}

THiba TulcsordulasHiba(int osszevonas) {
  THiba h;
  h.uzenet = TulcsordulasUzenet(osszevonas);
  h.tipus = TUzenetTipus::Informacio;
  return h;
}

TSzelvenyPakolo::TSzelvenyPakolo(int osszevonas, TSzelvenyek& szelvenyek, TPakoloHatarok hatarok)
    : osszevonas_(osszevonas), sz_(szelvenyek), hatarok_(hatarok) {
  sz_.TarTorles();
  sz_.kollektivCount = sz_.normalCount = 0;
  sz_.tulcsordulas = false;
  szintek_.fill(1);
  tabla_.assign(1, TSlot{}); // slot 0 is never used: records count from 1
}

void TSzelvenyPakolo::Tulcsordulas() {
  tulcsordult_ = true;
  sz_.TarTorles();
  sz_.kollektivCount = sz_.normalCount = 0;
  sz_.tulcsordulas = true;
  tabla_.assign(1, TSlot{});
  indexelt_ = false;
  index_.Clear();
  hely_.clear();
  szabadIdk_.clear();
}

bool TSzelvenyPakolo::ElhelyezKulcs(std::uint64_t n) {
  if (tulcsordult_) return false;
  const int darab = osszevonas_ == OsszevonasNincs ? sz_.SzelvenyCount() : SzelvenyCount();
  if (darab == MaxSzelveny) {
    Tulcsordulas();
    return false;
  }
  if (osszevonas_ == OsszevonasNincs)
    sz_.rekordok.push_back(OszlopKulcsbol(n));
  else
    Osszevon(n);
  return true;
}

// The first record of lo..hi that differs from n in exactly one position,
// with no sign in common there, and whose merge would not make an eleventh
// triple; 0 when there is none. A small group is scanned faster than its
// partners can be looked up (some forty sieve tests, then the table), and a
// bet that merges well keeps its store too small ever to build the index.
int TSzelvenyPakolo::Keres(std::uint64_t n, int lo, int hi, int lvl, int& p) const {
  if (indexelt_ && hi - lo + 1 > hatarok_.scan) return KeresIndexben(n, lo, hi, lvl, p);
  for (int s = lo; s <= hi; ++s) {
    const std::uint64_t r = tabla_[static_cast<std::size_t>(s)].kulcs;
    const std::uint64_t x = n ^ r;
    if (x == 0) continue;
    const int pos = std::countr_zero(x) >> 2;
    if ((x >> (4 * pos)) > 15) continue; // a second position differs
    const unsigned a = KulcsTipp(n, pos), b = KulcsTipp(r, pos);
    if ((a & b) != 0 || (lvl == MaxHarmas && (a | b) == 7)) continue;
    p = pos;
    return s;
  }
  return 0;
}

namespace {

// Where n holds the tipped set np, a partner holds one of at most three
// sets disjoint from it, v[k]; bit k of ervenyes[t] tells whether it may
// stand there, t = 1 when the column already has ten triples (then the set
// that would make an eleventh may not).
struct TIdegenek {
  std::array<std::uint8_t, 3> v{};
  std::array<std::uint8_t, 2> ervenyes{};
};

constexpr std::array<TIdegenek, 8> Idegenek = [] {
  std::array<TIdegenek, 8> t{};
  for (unsigned np = 1; np < 8; ++np)
    for (unsigned v = 7, k = 0; v >= 1; --v)
      if ((v & np) == 0) {
        t[np].v[k] = static_cast<std::uint8_t>(v);
        for (unsigned tiz = 0; tiz < 2; ++tiz)
          if (tiz == 0 || (v | np) != 7) t[np].ervenyes[tiz] = static_cast<std::uint8_t>(t[np].ervenyes[tiz] | (1u << k));
        ++k;
      }
  return t;
}();

// What the hash of a key gains when position pos goes from np to v[k], and
// for k = 3 to untipped: (v - np) * 16^pos * Szorzo.
constexpr auto HashLepesek = [] {
  std::array<std::array<std::array<std::uint64_t, 4>, 8>, PositionCount> t{};
  for (int pos = 0; pos < PositionCount; ++pos)
    for (unsigned np = 0; np < 8; ++np) {
      const std::uint64_t lepes = TOszlopIndex::Szorzo << (4 * pos);
      for (unsigned k = 0; k < 4; ++k) {
        const std::uint64_t v = k < 3 ? Idegenek[np].v[k] : 0;
        t[static_cast<std::size_t>(pos)][np][k] = v * lepes - np * lepes;
      }
    }
  return t;
}();

} // namespace

// A partner is n with one position replaced by a set of signs disjoint from
// n's there, so its few possible contents are looked up directly. A column
// has some forty possible partners and at most a few of them exist: each is
// tested in the index's sieve first, the same three tests at every tipped
// position, each into a bit of its own, so that nothing waits for one test
// before the next starts; only the contents that pass reach the table.
int TSzelvenyPakolo::KeresIndexben(std::uint64_t n, int lo, int hi, int lvl, int& p) const {
  const TOszlopIndex::TSzita szita = index_.Szita();
  const std::size_t tiz = lvl == MaxHarmas;
  const std::uint64_t nHash = n * TOszlopIndex::Szorzo;
  index_.Elohiv(nHash); // n goes into the index when this lookup finds no partner
  int legjobb = std::numeric_limits<int>::max();
  auto keres = [&](int pos, unsigned v) {
    for (std::int32_t id = index_.Elso(KulcsCsere(n, pos, v)); id != TOszlopIndex::Nincs; id = index_.Next(id)) {
      const int h = hely_[static_cast<std::size_t>(id)];
      if (h >= lo && h <= hi && h < legjobb) {
        legjobb = h;
        p = pos;
      }
    }
  };
  // Bit 3 * pos + k: the k-th set disjoint from n's at pos passed; bit
  // 3 * PositionCount + pos: the content untipped at pos passed.
  std::uint64_t at = 0;
  bool tippeletlen = false;
#pragma GCC unroll 14
  for (int pos = 0; pos < PositionCount; ++pos) {
    const unsigned np = KulcsTipp(n, pos) & 7u;
    if (np == 0) {
      tippeletlen = true;
      continue;
    }
    const auto& lepes = HashLepesek[static_cast<std::size_t>(pos)][np];
    const unsigned ervenyes = Idegenek[np].ervenyes[tiz];
    for (unsigned k = 0; k < 3; ++k) {
      const unsigned atment = static_cast<unsigned>(szita.Lehet(nHash + lepes[k])) & (ervenyes >> k);
      at |= std::uint64_t{atment} << (3 * pos + static_cast<int>(k));
    }
    if (nullak_[static_cast<std::size_t>(pos)] > 0)
      at |= std::uint64_t{szita.Lehet(nHash + lepes[3])} << (3 * PositionCount + pos);
  }
  // An untipped position, where any set may stand, has seven: rare enough
  // to be tested one by one.
  for (int pos = 0; tippeletlen && pos < PositionCount; ++pos) {
    const std::uint64_t lepes = TOszlopIndex::Szorzo << (4 * pos);
    if (KulcsTipp(n, pos) == 0)
      for (unsigned v = 1; v < 8; ++v)
        if (szita.Lehet(nHash + v * lepes)) keres(pos, v);
  }
  for (; at != 0; at &= at - 1) {
    const int b = std::countr_zero(at);
    if (b >= 3 * PositionCount) {
      keres(b - 3 * PositionCount, 0);
    } else {
      const int pos = b / 3;
      keres(pos, Idegenek[KulcsTipp(n, pos) & 7u].v[static_cast<std::size_t>(b % 3)]);
    }
  }
  return legjobb == std::numeric_limits<int>::max() ? 0 : legjobb;
}

void TSzelvenyPakolo::Athelyez(int cel, int forras) {
  if (cel == forras) return;
  TSlot& c = tabla_[static_cast<std::size_t>(cel)];
  TSlot& f = tabla_[static_cast<std::size_t>(forras)];
  c = f;
  f = TSlot{};
  if (indexelt_ && c.kulcs != SzabadKulcs) hely_[static_cast<std::size_t>(c.id)] = cel;
}

void TSzelvenyPakolo::Kivesz(int h) {
  TSlot& s = tabla_[static_cast<std::size_t>(h)];
  if (indexelt_) {
    index_.Erase(s.kulcs, s.id);
    for (std::uint64_t z = KulcsNullak(s.kulcs); z != 0; z &= z - 1) --nullak_[std::countr_zero(z) / 4u];
    szabadIdk_.push_back(s.id);
  }
  s = TSlot{};
}

void TSzelvenyPakolo::Betesz(int h, std::uint64_t n) {
  TSlot& s = tabla_[static_cast<std::size_t>(h)];
  s.kulcs = n;
  if (!indexelt_) return;
  if (!szabadIdk_.empty()) {
    s.id = szabadIdk_.back();
    szabadIdk_.pop_back();
    hely_[static_cast<std::size_t>(s.id)] = h;
  } else {
    s.id = static_cast<std::int32_t>(hely_.size());
    hely_.push_back(h);
  }
  index_.Insert(n, s.id);
  for (std::uint64_t z = KulcsNullak(n); z != 0; z &= z - 1) ++nullak_[std::countr_zero(z) / 4u];
}

void TSzelvenyPakolo::IndexIgazitas() {
  const int sc = SzelvenyCount();
  if (indexelt_ && sc < hatarok_.indexFelett / 2) {
    indexelt_ = false;
    index_.Clear();
    hely_.clear();
    szabadIdk_.clear();
    for (TSlot& s : tabla_) s.id = TOszlopIndex::Nincs;
  } else if (!indexelt_ && sc > hatarok_.indexFelett) {
    indexelt_ = true;
    index_.Clear();
    nullak_.fill(0);
    for (int h = 1; h <= sc; ++h) {
      const std::uint64_t k = tabla_[static_cast<std::size_t>(h)].kulcs;
      if (k != SzabadKulcs) Betesz(h, k);
    }
  }
}

// n absorbs, one by one, every record of its group it can merge with. The
// free slot for n is always hi + 1; a merge that makes a triple moves n to
// the group before, whose free slot becomes the old first record of n's
// group, and every merge leaves one slot too many at the end of the group it
// happened in, which the groups after it close by each moving their last
// record to their front.
void TSzelvenyPakolo::Osszevon(std::uint64_t n) {
  IndexIgazitas();
  int lo = szintek_[0], hi = SzelvenyCount();
  tabla_.emplace_back();
  int lvl = 0, p = 0;
  for (int r; (r = Keres(n, lo, hi, lvl, p)) != 0;) {
    n |= std::uint64_t{KulcsTipp(tabla_[static_cast<std::size_t>(r)].kulcs, p)} << (4 * p);
    Kivesz(r);
    const int m = lvl;
    if (KulcsTipp(n, p) == 7) {
      Athelyez(r, lo);
      ++szintek_[static_cast<std::size_t>(lvl)];
      ++lvl;
      hi = lo - 1;
      lo = szintek_[static_cast<std::size_t>(lvl)];
    } else {
      Athelyez(r, hi);
      --hi;
    }
    for (int j = m - 1; j >= 1; --j) {
      --szintek_[static_cast<std::size_t>(j)];
      Athelyez(szintek_[static_cast<std::size_t>(j)], szintek_[static_cast<std::size_t>(j - 1)] - 1);
    }
    if (m >= 1) {
      --szintek_[0];
      Athelyez(szintek_[0], SzelvenyCount());
    }
    tabla_.pop_back();
  }
  Betesz(hi + 1, n);
}

std::vector<TOszlop> TSzelvenyPakolo::Allas() const {
  if (osszevonas_ == OsszevonasNincs) return sz_.rekordok;
  std::vector<TOszlop> r;
  r.reserve(tabla_.size() - 1);
  for (std::size_t k = 1; k < tabla_.size(); ++k) r.push_back(OszlopKulcsbol(tabla_[k].kulcs));
  return r;
}

bool TSzelvenyPakolo::Befejez() {
  if (tulcsordult_) return false;
  if (osszevonas_ == OsszevonasNincs) {
    sz_.kollektivCount = 0;
  } else {
    sz_.rekordok = Allas();
    sz_.kollektivCount = sz_.SzelvenyCount();
    if (osszevonas_ == OsszevonasSzelveny && !HarmasBontas()) return false;
    if (!KettesBontas()) return false;
  }
  sz_.normalCount = sz_.SzelvenyCount() - sz_.kollektivCount;
  return true;
}

namespace {

int KettesekSzama(const TOszlop& o) {
  int d = 0;
  for (TTipp t : o) d += SignCount(t & 7) == 2;
  return d;
}

} // namespace

// Mode 1: a record with a single triple and nothing else costs a ticket for
// three columns; its three columns go to the normal part. Every move
// shrinks the collective part from its end, and the record now at k is
// looked at again.
bool TSzelvenyPakolo::HarmasBontas() {
  std::vector<TOszlop>& r = sz_.rekordok;
  auto R = [&r](int k) -> TOszlop& { return r[static_cast<std::size_t>(k - 1)]; };
  int& kc = sz_.kollektivCount;
  for (int k = szintek_[1]; k < szintek_[0];) {
    if (KettesekSzama(R(k)) > 0) {
      ++k;
      continue;
    }
    if (sz_.SzelvenyCount() > MaxSzelveny - 2) {
      Tulcsordulas();
      return false;
    }
    --szintek_[0];
    const TOszlop masolat = R(k);
    r.push_back(masolat);
    r.push_back(masolat);
    const int sc = sz_.SzelvenyCount();
    R(k) = R(szintek_[0]);
    R(szintek_[0]) = R(kc);
    R(kc) = masolat;
    std::size_t p = 0;
    while (masolat[p] != 7) ++p;
    R(kc)[p] = 1;
    R(sc - 1)[p] = 2;
    R(sc)[p] = 4;
    --kc;
  }
  return true;
}

// Records without a triple: a single column moves out to the normal part, a
// single double splits in two, and in mode 1 two doubles split in four.
bool TSzelvenyPakolo::KettesBontas() {
  std::vector<TOszlop>& r = sz_.rekordok;
  auto R = [&r](int k) -> TOszlop& { return r[static_cast<std::size_t>(k - 1)]; };
  int& kc = sz_.kollektivCount;
  for (int k = szintek_[0]; k <= kc;) {
    const int d = KettesekSzama(R(k));
    const int uj = d == 1 ? 1 : (d == 2 && osszevonas_ == OsszevonasSzelveny) ? 3 : 0;
    if (d == 0) {
      std::swap(R(k), R(kc));
      --kc;
      continue;
    }
    if (uj == 0) {
      ++k;
      continue;
    }
    if (sz_.SzelvenyCount() > MaxSzelveny - uj) {
      Tulcsordulas();
      return false;
    }
    const TOszlop masolat = R(k);
    for (int i = 0; i < uj; ++i) r.push_back(masolat);
    const int elso = sz_.SzelvenyCount() - uj + 1; // the first new record
    R(k) = R(kc);
    R(kc) = masolat;
    std::size_t p1 = PositionCount, p2 = 0;
    for (std::size_t p = 0; p < PositionCount; ++p)
      if (SignCount(masolat[p] & 7) == 2) {
        if (p1 == PositionCount) p1 = p;
        p2 = p;
      }
    const TTippPar ketto = SplitDouble(masolat[p2]);
    if (uj == 1) {
      R(kc)[p2] = ketto.also;
      R(elso)[p2] = ketto.maradek;
    } else {
      const TTippPar egy = SplitDouble(masolat[p1]);
      R(kc)[p2] = R(elso)[p2] = ketto.also;
      R(elso + 1)[p2] = R(elso + 2)[p2] = ketto.maradek;
      R(kc)[p1] = R(elso + 1)[p1] = egy.also;
      R(elso)[p1] = R(elso + 2)[p1] = egy.maradek;
    }
    --kc;
  }
  return true;
}

namespace {

// Passes the gauge on and stops the pass at its next poll once the store has
// overflowed: the rest of the columns could only be thrown away.
class TTulcsordulasFigyelo : public IProgress {
public:
  TTulcsordulasFigyelo(IProgress* belso, const TSzelvenyPakolo& pakolo) : belso_(belso), pakolo_(pakolo) {}
  void SetPercent(std::uint8_t percent) override {
    if (belso_) belso_->SetPercent(percent);
  }
  bool AbortRequested() override { return pakolo_.Tulcsordult() || (belso_ && belso_->AbortRequested()); }

private:
  IProgress* belso_;
  const TSzelvenyPakolo& pakolo_;
};

} // namespace

bool SzelvenyKeszites(TJatek& jatek, int osszevonas, TSzelvenyek& szelvenyek, IProgress* progress, THiba& hiba) {
  hiba = THiba{};
  TSzelvenyPakolo pakolo(osszevonas, szelvenyek);
  TTulcsordulasFigyelo figyelo(progress, pakolo);
  std::int64_t n = jatek.Menet(FutasSzelveny, &figyelo, [&pakolo](const TOszlopKep& kep) { pakolo.Elhelyez(kep); });
  if (!pakolo.Tulcsordult() && n >= 0) pakolo.Befejez();
  if (pakolo.Tulcsordult()) {
    hiba = TulcsordulasHiba(osszevonas);
    jatek.ElfogadottElvetes();
    return false;
  }
  if (n < 0) {
    szelvenyek.TarTorles();
    szelvenyek.kollektivCount = szelvenyek.normalCount = 0;
    return false;
  }
  return true;
}

} // namespace kv
