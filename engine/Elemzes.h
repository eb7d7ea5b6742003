#pragma once
// The analysis: for every record of the compiled condition table, how many
// columns were lost because of exactly that record: the columns that failed
// one record more than the allowed reduction error, counted at each record
// they failed, since relaxing any one of those would have kept the column.

#include "engine/Bevitel.h"
#include "engine/Jatek.h"
#include "engine/RacsSzoveg.h"
#include "engine/SzuroMenet.h"
#include "engine/Tippek.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kv {

// One counter per record of the compiled condition table, in table order.
using ElemzesDb = std::vector<std::int32_t>;

// The analysis pass (ElemzesMenet) over the reset generator: db gets one
// cleared counter per record, then counts the columns that missed acceptance
// by one failure. The acceptance itself, the accepted-columns list and the
// progress are those of the filter pass; the accepted count, or -1 after an
// abort (db then holds no result). Its acceptance step must see the columns
// the filter pass rejects, so it runs its own loop over the pass's parts.
std::int64_t ElemzesMenet(TJatek& jatek, IProgress* progress, ElemzesDb& db);
std::int64_t ElemzesMenet(const TMenet& menet, const TTippek& tippek, IProgress* progress, ElemzesDb& db);

// A counter with 6 digit places, two blanks per missing digit; 0 is written too,
// since every row stands for a record.
std::string ElemzesSzam(std::int32_t v);

// GElemzesSG (7 x 19): one row per global restriction in table order: kind
// name, sign, min (empty when 0), max (empty when 13), and in column 6 the counter.
TRacsSzoveg GElemzesSGSzoveg(const TTippek& tippek, const ElemzesDb& db);

// ElemzesSG (8 x 100): one row per condition record: columns 1..5 the texts
// of the same row of the packed condition grid, column 7 the counter.
TRacsSzoveg ElemzesSGSzoveg(const TBevitel& be, const TTippek& tippek, const ElemzesDb& db);

} // namespace kv
