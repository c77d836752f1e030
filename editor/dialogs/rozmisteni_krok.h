#pragma once

#include "room/mistnost.h"

#include <QString>
#include <optional>
#include <random>

namespace vinula {

// What the placement dialog left in the shared state: the texts as typed and
// the touching choice. The texts become numbers only when the step runs.
struct ZadaniRozmisteni {
    QString pocet;
    QString radek_od;
    QString radek_do;
    QString sloupec_od;
    QString sloupec_do;
    bool dotyk = true;
};

// The count of a placement request: the count box's number when it is greater
// than 0, else nothing, and there is no request. Only its whole part is
// placed, so a count between 0 and 1 places nothing, but the room is drawn
// again all the same.
std::optional<double> pocetRozmisteni(const QString &pocet);

// Scatters `predmet` over the region of the room that the bounds name and
// returns how many cells received it.
//
// - The count is read by pocetRozmisteni; a bound that is not a number
//   places nothing.
// - Each range holds the whole cells from the smaller to the larger bound,
//   both included; bounds outside the room are first limited to it, so
//   0..29 and 0..19 cover the whole room and nothing outside it is ever
//   written.
// - Only free cells are used. With `dotyk` false a cell is used only when its
//   eight neighbours are free as well (ring cells included), and that holds
//   for items placed in the same run too.
// - Each item lands on one of the cells still acceptable, each with the same
//   chance: the outcome of drawing positions until one is acceptable, without
//   the risk of drawing for ever. When no acceptable cell is left, the rest of
//   the count is dropped.
// - Free floor (code 0) changes nothing, so it is not scattered at all.
int rozmistitNahodne(Mistnost &mistnost, int predmet, const ZadaniRozmisteni &zadani,
                     std::mt19937 &nahoda);

} // namespace vinula
