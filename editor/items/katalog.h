#pragma once

#include "../room/mistnost.h"

#include <QString>

// The 74 item kinds: codes 0, 1, 50..58 and 100..162. Every part of the editor
// classifies a code by the same four tests.
namespace vinula::katalog {

constexpr bool jeVolno(int kod) {
    return kod == 0;
}
constexpr bool jeVinula(int kod) {
    return kod == 1;
}
constexpr bool jeZed(int kod) {
    return kod > 49 && kod < 100;
}
constexpr bool jeJidlo(int kod) {
    return kod > 99;
}

constexpr int pocetZdi = 9;    // zed(0..8)  = codes 50..58
constexpr int pocetJidel = 63; // zradlo(0..62) = codes 100..162
constexpr int prvniZed = 50;
constexpr int prvniJidlo = 100;

// Whether the code is one of the 74 items.
constexpr bool jePredmet(int kod) {
    return jeVolno(kod) || jeVinula(kod) || (kod >= prvniZed && kod < prvniZed + pocetZdi) ||
           (kod >= prvniJidlo && kod < prvniJidlo + pocetJidel);
}

// The Czech name shown in the title bar, or an empty string for a code that
// is not an item.
QString nazev(int kod);

// Where the palette shows each item: 7 rows (rady, counted from the top) of
// 15 places (mista, counted from the left); not the room's řádek and
// sloupec, which are x and y. The code the picture at place `misto` of row
// `rada` selects, or -1 where the place is empty; free floor stands in six
// places.
constexpr int mistVRadePalety = 15;
constexpr int radPalety = 7;
int kodNaMiste(int rada, int misto);

} // namespace vinula::katalog
