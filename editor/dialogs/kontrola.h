#pragma once

#include "room/mistnost.h"

#include <QString>

// The check a room must pass before it may be saved: exactly one vinula cell
// and at least one food item in the 30 x 20 area.
namespace vinula::kontrola {

struct Pocty {
    int vinuly = 0; // cells holding code 1
    int jidla = 0;  // cells holding a code above 99
};

Pocty spocitej(const Mistnost &mistnost);

// The message for a faulty room, or an empty text for a room that passes.
// A fault of the vinula is reported rather than missing food.
QString chyba(const Pocty &pocty);
inline QString chyba(const Mistnost &mistnost) {
    return chyba(spocitej(mistnost));
}

inline const QString titulek = QStringLiteral("Chybně definovaná místnost");

} // namespace vinula::kontrola
