#include "app/batch/BatchLoadBet.h"

#include "app/batch/Batch.h"
#include "engine/FileIo.h"
#include "keys/KulcsValasztas.h"
#include "ui/TipsFile.h"

#include <ostream>

namespace kv::batch {

namespace {

constexpr const char* kKeyMissing = "Az elmentett tippekhez tartozó kulcs nem található vagy azóta megváltozott!";

std::unique_ptr<TBatchBet> Refuse(const TBatchEnv& env, const THiba& h, int& status) {
  env.err << h.Sor() << "\n";
  status = ExitRefused;
  return nullptr;
}

} // namespace

std::unique_ptr<TBatchBet> LoadBet(const TBatchEnv& env, const std::string& tipsPath, TKulcsValasztas& kulcs,
                                   int& status) {
  if (FileSizeOf(tipsPath) < 0) {
    env.err << "A fájl nem található: " << tipsPath << "\n";
    status = ExitUsage;
    return nullptr;
  }
  TTipsLoad load = LoadTipsFile(tipsPath);
  if (!load.ok) {
    if (load.hiba.uzenet == TipsWrongSizeMessage) return Refuse(env, load.hiba, status);
    env.err << load.hiba.uzenet << "\n";
    status = ExitUsage;
    return nullptr;
  }
  auto bet = std::make_unique<TBatchBet>();
  bet->bevitel = std::move(load.bevitel);
  bet->keyList = LoadKeyList(env.dir);
  int row = bet->keyList.empty() ? 0 : 1; // the first key is selected at start
  if (bet->bevitel.jatekTipus == JatekKulcs) {
    row = FindKeyBySignature(env.dir, bet->keyList, bet->bevitel.kulcs);
    if (row == 0) {
      THiba h;
      h.uzenet = kKeyMissing;
      h.tipus = TUzenetTipus::Informacio;
      return Refuse(env, h, status);
    }
  }
  kulcs = KulcsValasztas(env.dir, bet->keyList, row);
  status = ExitOk;
  return bet;
}

} // namespace kv::batch
