#include "app/batch/BatchHits.h"

#include "app/batch/Batch.h"
#include "app/batch/BatchLoadBet.h"
#include "engine/SzelvenyKeszites.h"
#include "engine/Talalat.h"
#include "ui/Settings.h"

#include <ostream>

namespace kv::batch {

namespace {

constexpr const char* kUsage = "Használat: kvartello-batch [--dir DIR] [--progress] hits TIPS [--tickets]\n";

int Refuse(const TBatchEnv& env, const THiba& h) {
  env.err << h.Sor() << "\n";
  return ExitRefused;
}

// Ticket making as the `tickets` command does it, with the folder's merging mode.
bool Szelvenyek(const TBatchEnv& env, TBatchBet& bet, const TKulcsValasztas& kulcs, IProgress* progress,
                TSzelvenyek& sz, THiba& hiba) {
  if (!bet.jatek.Elokeszit(bet.bevitel, kulcs, hiba)) return false;
  bet.jatek.GeneratorInditas();
  return SzelvenyKeszites(bet.jatek, LoadSettings(env.dir).Games[0].Osszevonas, sz, progress, hiba);
}

void SzelvenySorok(std::ostream& out, const TSzelvenyek& sz, const TEredmeny& e) {
  const TNyertesek w = BuildWinnerLists(sz, e.oszlop);
  for (bool kollektiv : {true, false}) {
    for (int t : kollektiv ? w.winnersK : w.winnersN) {
      TOsztalyDb db = SzelvenyTalalatai(sz, kollektiv, t, e.oszlop);
      out << (kollektiv ? 'K' : 'N') << ' ' << t;
      for (int c = TeliTalalat; c >= MinWinHits; --c) out << ' ' << db[c];
      out << ' ' << Nyeremeny(db, e) << "\n";
    }
  }
}

} // namespace

int CmdHits(const TBatchEnv& env, const std::vector<std::string>& args) {
  std::string tips;
  bool tickets = false;
  for (const std::string& a : args) {
    if (a == "--tickets" && !tickets) {
      tickets = true;
    } else if (tips.empty() && a.rfind("--", 0) != 0) {
      tips = a;
    } else {
      env.err << kUsage;
      return ExitUsage;
    }
  }
  if (tips.empty()) {
    env.err << kUsage;
    return ExitUsage;
  }
  int status = ExitOk;
  TKulcsValasztas kulcs;
  auto bet = LoadBet(env, tips, kulcs, status);
  if (!bet) return status;
  TStderrProgress bar(env.err);
  IProgress* progress = env.progress ? &bar : nullptr;
  THiba hiba;
  TSzelvenyek sz;
  if (tickets && !Szelvenyek(env, *bet, kulcs, progress, sz, hiba)) return Refuse(env, hiba);
  TEredmeny e;
  if (!TalalatElokeszit(bet->jatek, bet->bevitel, kulcs, e, hiba)) return Refuse(env, hiba);
  bet->jatek.GeneratorInditas();
  TalalatMenet(bet->jatek, e, progress);
  env.out << "talalat:";
  for (std::int64_t c : e.talalatDb) env.out << ' ' << c;
  env.out << "\nnyeremeny: " << e.osszNyeremeny << "\n";
  if (tickets) SzelvenySorok(env.out, sz, e);
  return ExitOk;
}

} // namespace kv::batch
