#include "engine/OszlopGenerator.h"

namespace kv {

namespace {

// The sign letters of a text, upper-cased, blanks and anything else dropped.
std::string SignsOf(const std::string& s) {
  std::string r;
  for (char c : s) {
    char u = (c == 'x') ? 'X' : c;
    if ((u == '1' || u == 'X' || u == '2') && r.size() < 3) r += u;
  }
  return r;
}


} // namespace

void TOszlopGenerator::InitBase(const std::array<std::string, 13>& jelek, const std::string& plusJelek) {
  kep_ = TOszlopKep{};
  kep_.maszk[SlotBlankJel] = AllMatches;
  kep_.maszk[SlotBlankBetu] = AllMatches;
  jelSlot_.fill(SlotBlankJel);
  betuSlot_.fill(SlotBlankBetu);
  for (int m = 0; m < MatchCount; ++m) {
    std::string s = SignsOf(jelek[m]);
    TJelek& j = jelek_[m];
    j = TJelek{};
    j.hossz = static_cast<std::uint8_t>(s.empty() ? 1 : s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
      j.jel[i] = s[i];
      j.betu[i] = static_cast<char>('A' + i);
    }
    j.Kesz();
    index_[m] = 0;
    SetMatch(m, 0);
  }
  std::string p = SignsOf(plusJelek);
  plusJelek_ = {' ', ' ', ' '};
  for (std::size_t i = 0; i < p.size(); ++i) plusJelek_[i] = p[i];
  plusHossz_ = static_cast<std::uint8_t>(p.empty() ? 1 : p.size());
  plusIndex_ = 0;
  SetPlus(plusJelek_[0]);
}

std::int64_t TOszlopGenerator::AlaptippInit(const std::array<std::string, 13>& jelek, const std::string& plusJelek,
                                            const std::array<int, 3>& eloszlas) {
  kulcsMod_ = false;
  InitBase(jelek, plusJelek);
  std::int64_t n = 1;
  for (const TJelek& j : jelek_) n *= j.hossz;
  std::int64_t alap = n * plusHossz_;
  InitEloszlas(eloszlas);
  osszes_ = n * plusHossz_; // after the distribution took the +1 over, plusHossz_ is 1
  egyszeru_ = !eloszlasBe_;
  return alap;
}

void TOszlopGenerator::InitEloszlas(const std::array<int, 3>& eloszlas) {
  eloszlasBe_ = eloszlas[0] != 0;
  if (!eloszlasBe_) return;
  plusEredeti_ = plusJelek_;
  plusDb_ = plusHossz_;
  double sum = 0;
  for (int i = 0; i < plusDb_; ++i) sum += eloszlas[i];
  for (int i = 0; i < 3; ++i) {
    elfogadva_[i] = 0;
    arany_[i] = (i < plusDb_ && sum > 0) ? eloszlas[i] / sum : 0.0;
  }
  elszamolt_ = 0;
  valasztott_ = 0;
  plusJelek_ = {' ', ' ', ' '};
  plusHossz_ = 1;
  plusIndex_ = 0;
  SetPlus(plusEredeti_[0]); // the first column keeps the first +1 sign
}

void TOszlopGenerator::EloszlasLepes(std::int64_t elfogadott) {
  if (!eloszlasBe_) return;
  if (elszamolt_ < elfogadott) {
    ++elszamolt_;
    ++elfogadva_[valasztott_];
  }
  valasztott_ = 0;
  if (elfogadott != 0) {
    for (int i = 0; i < plusDb_; ++i) {
      if (static_cast<double>(elfogadva_[i]) / static_cast<double>(elfogadott) < arany_[i]) {
        valasztott_ = i;
        break;
      }
    }
  }
  SetPlus(plusEredeti_[valasztott_]);
}

bool TOszlopGenerator::LepOdometer() {
  for (int m = 0; m < MatchCount; ++m) {
    if (++index_[m] < jelek_[m].hossz) {
      SetMatch(m, index_[m]);
      return false;
    }
    index_[m] = 0;
    SetMatch(m, 0);
  }
  if (plusIndex_ + 1 < plusHossz_) {
    SetPlus(plusJelek_[++plusIndex_]);
    return false;
  }
  plusIndex_ = 0;
  SetPlus(plusJelek_[0]);
  return true;
}

bool TOszlopGenerator::KovetkezoAltalanos(std::int64_t elfogadottOszlopok) {
  bool vege;
  if (!kulcsMod_) {
    vege = LepOdometer();
  } else {
    if (++kiadott_ >= osszes_) return true;
    if (blokkMaradek_ == 1) {
      if (!LoadRekord()) return true; // the file has no more columns, whatever its header says
    } else {
      --blokkMaradek_;
      LepOdometer();
    }
    vege = false;
  }
  EloszlasLepes(elfogadottOszlopok);
  return vege;
}

} // namespace kv

namespace kv {

void TOszlopGenerator::BuildForditas(const std::array<bool, 13>& fix, const TKulcsAdat& kulcs) {
  std::array<bool, 13> used{};
  for (int m = 0; m < MatchCount; ++m) {
    const TJelek& sajat = jelek_[m];
    int n = sajat.jel[0] == ' ' ? 0 : sajat.hossz;
    bool egyszeru = fix[m] || n <= 1; // keeps its whole base tip
    int valasztott = -1;
    for (int j = 0; j < MatchCount && valasztott < 0; ++j) {
      if (used[j]) continue;
      int kn = static_cast<int>(SignsOf(kulcs.alaptipp[j]).size());
      if (egyszeru ? kn <= 1 : kn == n) valasztott = j;
    }
    sorMerkozes_[m] = valasztott;
    if (valasztott >= 0) used[valasztott] = true;
    std::string kulcsJelek = valasztott >= 0 ? SignsOf(kulcs.alaptipp[valasztott]) : std::string();
    for (int v = 0; v < 8; ++v) {
      TJelek& f = forditas_[m][v];
      if (egyszeru || kulcsJelek.size() <= 1) {
        f = sajat;
        continue;
      }
      f = TJelek{};
      f.hossz = 0;
      for (int bit : {1, 2, 4}) {
        if (!(v & bit)) continue;
        std::size_t k = kulcsJelek.find(bit == 1 ? '1' : bit == 2 ? 'X' : '2');
        if (k == std::string::npos || k >= static_cast<std::size_t>(n)) continue;
        f.jel[f.hossz] = sajat.jel[k];
        f.betu[f.hossz] = static_cast<char>('A' + k);
        ++f.hossz;
      }
      f.Kesz();
    }
  }
}

std::int64_t TOszlopGenerator::BlokkMeret(std::size_t rekord) const {
  std::int64_t n = eloszlasBe_ ? 1 : plusHossz_;
  for (int m = 0; m < MatchCount; ++m) {
    int j = sorMerkozes_[m];
    int v = j >= 0 ? rekordok_[rekord][j] & 7 : 0;
    n *= forditas_[m][v].hossz;
  }
  return n;
}

bool TOszlopGenerator::LoadRekord() {
  // A stored column that leaves a doubled or tripled match without a sign
  // stands for no column: it is passed over instead of being enumerated.
  while (kovetkezoRekord_ < rekordok_.size() && BlokkMeret(kovetkezoRekord_) == 0) ++kovetkezoRekord_;
  if (kovetkezoRekord_ >= rekordok_.size()) return false;
  const TOszlop& r = rekordok_[kovetkezoRekord_];
  blokkMaradek_ = BlokkMeret(kovetkezoRekord_);
  ++kovetkezoRekord_;
  for (int m = 0; m < MatchCount; ++m) {
    int j = sorMerkozes_[m];
    jelek_[m] = forditas_[m][j >= 0 ? r[j] & 7 : 0];
    index_[m] = 0;
    SetMatch(m, 0);
  }
  if (!eloszlasBe_) {
    plusIndex_ = 0;
    SetPlus(plusJelek_[0]);
  }
  return true;
}

std::int64_t TOszlopGenerator::KulcsInit(const std::array<std::string, 13>& jelek, const std::string& plusJelek,
                                         const std::array<int, 3>& eloszlas, const std::array<bool, 13>& fix,
                                         const TKulcsAdat& kulcs) {
  kulcsMod_ = true;
  egyszeru_ = false;
  InitBase(jelek, plusJelek);
  std::int64_t alap = plusHossz_;
  std::int64_t fixSzorzo = 1;
  for (int m = 0; m < MatchCount; ++m) {
    alap *= jelek_[m].hossz;
    if (fix[m]) fixSzorzo *= jelek_[m].hossz;
  }
  BuildForditas(fix, kulcs);
  InitEloszlas(eloszlas);

  rekordok_ = kulcs.oszlopok;
  kovetkezoRekord_ = 0;
  std::int64_t tenyleges = 0;
  for (std::size_t i = 0; i < rekordok_.size(); ++i) tenyleges += BlokkMeret(i);
  std::int64_t fejlec = std::max<std::int64_t>(kulcs.oszlopszam, 0) * fixSzorzo * (eloszlasBe_ ? 1 : plusHossz_);
  // The run ends where the header says or where the file's columns end, whichever comes first.
  osszes_ = std::min(fejlec, tenyleges);
  kiadott_ = 0;
  blokkMaradek_ = 0;
  if (osszes_ > 0) LoadRekord();
  if (eloszlasBe_) SetPlus(plusEredeti_[0]);
  return alap;
}

} // namespace kv
