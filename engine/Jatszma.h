#pragma once
// Everything one game holds while the program runs: the game object with
// its model, condition table, generator and accepted-columns list, and the
// results the commands leave behind. The main window owns one.

#include "engine/Elemzes.h"
#include "engine/Eredmeny.h"
#include "engine/Hibakereses.h"
#include "engine/Jatek.h"
#include "engine/Statisztika.h"
#include "engine/Szelvenyek.h"

namespace kv {

struct TJatszma {
  TJatek jatek;
  TSzelvenyek szelvenyek;   // the tickets of the last ticket making
  TEredmeny eredmeny;       // results, prizes and hit counts
  TStatisztika statisztika; // the counters of the last statistics pass
  ElemzesDb elemzes;        // the analysis counters, one per record
  THibaJelek hibaJelek;     // the marks of the last error search
};

} // namespace kv
