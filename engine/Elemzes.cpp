#include "engine/Elemzes.h"

#include "engine/Szoveg.h"
#include "engine/Szuro.h"

#include <bit>


namespace kv {

namespace {

// Tells which records a column fails. Only the columns that missed by one
// failure are asked, but then every record is tested, with the tables the
// filter pass uses rather than measured on the column.
class TElemzo {
public:
  explicit TElemzo(const TTippek& tippek) : bitek_(0) {
    szuro_.Build(tippek, true);
    bitek_.resize(static_cast<std::size_t>(szuro_.RekordSzavak()));
  }

  void Szamol(const TOszlopKep& o, const THibapontok* hibapontok, ElemzesDb& db) {
    szuro_.HibasRekordok(o, hibapontok, bitek_);
    for (std::size_t w = 0; w < bitek_.size(); ++w)
      for (std::uint64_t b = bitek_[w]; b != 0; b &= b - 1)
        ++db[w * 64 + static_cast<std::size_t>(std::countr_zero(b))];
  }

private:
  TSzuro szuro_;
  std::vector<std::uint64_t> bitek_;
};

} // namespace

std::int64_t ElemzesMenet(TJatek& jatek, IProgress* progress, ElemzesDb& db) {
  return jatek.SajatMenet(FutasElemzes,
                          [&](const TMenet& menet) { return ElemzesMenet(menet, jatek.Tippek(), progress, db); });
}

// The filter pass with the analysis's acceptance step: one failure past the
// allowed error still counts, so failures are counted that far.
std::int64_t ElemzesMenet(const TMenet& menet, const TTippek& tippek, IProgress* progress, ElemzesDb& db) {
  db.assign(tippek.feltetelek.size(), 0);
  TElemzo elemzo(tippek);
  const int hatar = menet.szukitesiHiba + 1;
  auto dontes = [&](const TOszlopKep& o, int hibak) {
    if (hibak == hatar) elemzo.Szamol(o, menet.hibapontok, db);
    return hibak < hatar;
  };
  std::int64_t n = MenetHatarral(menet, progress, hatar, dontes, [](const TOszlopKep&) {});
  if (n < 0) {
    db.clear();
    if (menet.elfogadottLista) menet.elfogadottLista->clear(); // an aborted pass accepted nothing
  }
  return n;
}

std::string ElemzesSzam(std::int32_t v) { return PadDigits(std::to_string(v), 6); }

TRacsSzoveg GElemzesSGSzoveg(const TTippek& tippek, const ElemzesDb& db) {
  TRacsSzoveg r(7, 19);
  for (int k = 0; k < tippek.globalisDb && k < 18; ++k) {
    const TFeltetel& f = tippek.feltetelek[static_cast<std::size_t>(k)];
    r.Cella(1, k + 1) = std::string(KindName(f.tipus));
    r.Cella(2, k + 1) = f.tippresz;
    r.Cella(3, k + 1) = f.min == 0 ? std::string() : std::to_string(f.min);
    r.Cella(4, k + 1) = f.max == MatchCount ? std::string() : std::to_string(f.max);
    if (static_cast<std::size_t>(k) < db.size()) r.Cella(6, k + 1) = ElemzesSzam(db[static_cast<std::size_t>(k)]);
  }
  return r;
}

TRacsSzoveg ElemzesSGSzoveg(const TBevitel& be, const TTippek& tippek, const ElemzesDb& db) {
  TRacsSzoveg r(8, ConditionRows + 1);
  const int feltetelek = static_cast<int>(tippek.feltetelek.size()) - tippek.globalisDb;
  for (int sor = 1; sor <= feltetelek && sor <= ConditionRows; ++sor) {
    const TFeltetelSor& f = be.feltetelek[static_cast<std::size_t>(sor - 1)];
    r.Cella(1, sor) = f.merkozesek;
    r.Cella(2, sor) = f.feltetel;
    r.Cella(3, sor) = f.t;
    r.Cella(4, sor) = f.min;
    r.Cella(5, sor) = f.max;
    std::size_t k = static_cast<std::size_t>(tippek.globalisDb + sor - 1);
    if (k < db.size()) r.Cella(7, sor) = ElemzesSzam(db[k]);
  }
  return r;
}

} // namespace kv
