#pragma once

#include "../room/mistnost.h"

#include <QString>

// The 74 item kinds: codes 0, 1, 50..58 and 100..162. A code's class (free
// floor, the vinula, wall, food) is told by the four tests below, wherever it
// is needed; codes that pass a test without being an item exist only in
// damaged files (jePredmet tells them apart).
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
constexpr int kodNaMiste(int rada, int misto) {
    if (misto < 0 || misto >= mistVRadePalety)
        return -1;
    // Free floor fills a block of three places by two rows at the right.
    const bool blokVolna = misto >= mistVRadePalety - 3;
    switch (rada) {
    case 0:
        if (misto == 0)
            return 1;
        if (misto >= 2 && misto < 2 + pocetZdi)
            return prvniZed + misto - 2;
        return blokVolna ? 0 : -1;
    case 1:
        return blokVolna ? 0 : -1;
    default:
        if (rada < 2 || rada >= radPalety)
            return -1;
        // The food, fifteen to a row, in the order of the codes.
        const int poradi = mistVRadePalety * (rada - 2) + misto;
        return poradi < pocetJidel ? prvniJidlo + poradi : -1;
    }
}

// The places that hold a picture.
constexpr int pocetMistPalety() {
    int pocet = 0;
    for (int rada = 0; rada < radPalety; ++rada)
        for (int misto = 0; misto < mistVRadePalety; ++misto)
            pocet += kodNaMiste(rada, misto) >= 0 ? 1 : 0;
    return pocet;
}

} // namespace vinula::katalog
