#pragma once
// The fixed texts the window's set-up writes into the statistics and the
// analysis grids, in grid coordinates; every other cell is left empty. The
// leading blanks centre a text in the proportional grid font.

#include "engine/RacsSzoveg.h"

namespace kv {

TRacsSzoveg AllStatSGFejlec();  // 8 x 15: signs over columns 1-3 and 5-7, values 0..13 down column 0
TRacsSzoveg RowStatSGFejlec();  // 8 x 14: signs, matches 1..13
TRacsSzoveg EStatSGFejlec();    // 14 x 13: hundreds across, tens down, "Össz." on row 12
TRacsSzoveg AStatSGFejlec();    // 14 x 13: whole hits across, hundredths down
TRacsSzoveg TStatSGFejlec();    // 51 x 15: Alaptippek entries across, hits 0..13 down
TRacsSzoveg GElemzesSGFejlec(); // 7 x 19
TRacsSzoveg ElemzesSGFejlec();  // 8 x 100

} // namespace kv
