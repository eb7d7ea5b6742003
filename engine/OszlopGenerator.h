#pragma once
// Steps through every column a bet stands for without holding them: an
// odometer over the signs of each match, match 1 the fastest digit and the +1
// the slowest, either over the base tip alone or over the columns of a key
// with each key sign replaced by the user's sign of the match it is assigned to.

#include "engine/OszlopKep.h"
#include "engine/Tipp.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kv {

// What the generator needs of a key: its header values and stored columns.
struct TKulcsAdat {
  std::int32_t oszlopszam = 0;
  int oszlopHossz = 0;
  std::array<std::string, 13> alaptipp; // the key's own base tip of each key match
  std::vector<TOszlop> oszlopok;        // bytes beyond oszlopHossz are 0
};

class TOszlopGenerator {
public:
  // jelek: the base tip text of each match ("" or " " when untipped);
  // eloszlas: the +1 ratios, all 0 when there is no distribution.
  // Both return the base tip count.
  std::int64_t AlaptippInit(const std::array<std::string, 13>& jelek, const std::string& plusJelek,
                            const std::array<int, 3>& eloszlas);
  std::int64_t KulcsInit(const std::array<std::string, 13>& jelek, const std::string& plusJelek,
                         const std::array<int, 3>& eloszlas, const std::array<bool, 13>& fix,
                         const TKulcsAdat& kulcs);

  // The current column as text (tests and the literal rules read it).
  TOszlopSzoveg Aktualis() const { return SzovegFromKep(kep_); }
  const TOszlopKep& Kep() const { return kep_; }
  std::int64_t Osszes() const { return osszes_; }
  // True when the run delivers no column at all (a key whose columns are all unusable).
  bool Ures() const { return osszes_ == 0; }

  // The columns of one round of the 13 matches when the run repeats that
  // round once per +1 sign (a base tip run without a distribution), else 0.
  std::int64_t PlusKor() const { return !kulcsMod_ && !eloszlasBe_ && plusHossz_ > 1 ? osszes_ / plusHossz_ : 0; }

  // Steps to the next column; true when the run is complete. The +1
  // distribution reads how many columns the running pass has accepted.
  // Match 1 turns at every step, so its step is kept inline.
  bool Kovetkezo(std::int64_t elfogadottOszlopok) {
    if (egyszeru_ && index_[0] + 1 < jelek_[0].hossz) {
      SetMatch(0, ++index_[0]);
      return false;
    }
    return KovetkezoAltalanos(elfogadottOszlopok);
  }

private:
  struct TJelek {
    std::array<char, 3> jel{' ', ' ', ' '};
    std::array<char, 3> betu{' ', ' ', ' '};
    std::uint8_t hossz = 1;
    // The mask slots and letter code of each, derived once by Kesz.
    std::array<std::uint8_t, 3> jelSlot{SlotBlankJel, SlotBlankJel, SlotBlankJel};
    std::array<std::uint8_t, 3> betuSlot{SlotBlankBetu, SlotBlankBetu, SlotBlankBetu};
    void Kesz() {
      for (int i = 0; i < 3; ++i) {
        jelSlot[i] = static_cast<std::uint8_t>(JelSlot(jel[i]));
        betuSlot[i] = static_cast<std::uint8_t>(BetuSlot(betu[i]));
      }
    }
  };

  void SetMatch(int m, int index) {
    const TJelek& j = jelek_[m];
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << m);
    kep_.maszk[jelSlot_[m]] &= static_cast<std::uint16_t>(~bit);
    kep_.maszk[betuSlot_[m]] &= static_cast<std::uint16_t>(~bit);
    jelSlot_[m] = j.jelSlot[index];
    betuSlot_[m] = j.betuSlot[index];
    kep_.maszk[jelSlot_[m]] |= bit;
    kep_.maszk[betuSlot_[m]] |= bit;
    kep_.betu[m] = static_cast<std::uint8_t>(betuSlot_[m] == SlotBlankBetu ? 3 : betuSlot_[m] - 3);
  }
  void SetPlus(char c) { kep_.plus = c; }
  bool KovetkezoAltalanos(std::int64_t elfogadottOszlopok);
  void InitBase(const std::array<std::string, 13>& jelek, const std::string& plusJelek);
  void InitEloszlas(const std::array<int, 3>& eloszlas);
  void EloszlasLepes(std::int64_t elfogadott);
  bool LepOdometer(); // true when the carry ran past the +1 sign
  void BuildForditas(const std::array<bool, 13>& fix, const TKulcsAdat& kulcs);
  std::int64_t BlokkMeret(std::size_t rekord) const;
  bool LoadRekord(); // the next record with at least one column; false at the end

  bool kulcsMod_ = false;
  std::array<TJelek, 13> jelek_;
  std::array<std::uint8_t, 13> index_{};
  std::array<char, 3> plusJelek_{' ', ' ', ' '};
  std::uint8_t plusHossz_ = 1;
  std::uint8_t plusIndex_ = 0;
  TOszlopKep kep_;
  std::array<std::uint8_t, 13> jelSlot_{};  // the mask slots each match's bit is in now
  std::array<std::uint8_t, 13> betuSlot_{};
  bool egyszeru_ = false; // a base tip run without a distribution: a step is the odometer alone
  std::int64_t osszes_ = 0;

  // key mode
  std::int64_t kiadott_ = 0;
  std::int64_t blokkMaradek_ = 0;
  std::vector<TOszlop> rekordok_;
  std::size_t kovetkezoRekord_ = 0;
  std::array<int, 13> sorMerkozes_{};             // key match (0-based) of each match, -1 none
  std::array<std::array<TJelek, 8>, 13> forditas_; // per match and key sign set

  // +1 distribution
  bool eloszlasBe_ = false;
  std::array<char, 3> plusEredeti_{' ', ' ', ' '};
  int plusDb_ = 0;
  std::array<std::int64_t, 3> elfogadva_{};
  std::array<double, 3> arany_{};
  std::int64_t elszamolt_ = 0;
  int valasztott_ = 0;
};

} // namespace kv
