#pragma once

#include "room/duvod.h"
#include "room/pocet.h"

#include <QString>
#include <optional>

namespace vinula::mistnosti {

inline QString mistnosti(qint64 pocet) {
    return pocetSlovy(pocet, "místnost", "místnosti", "místností");
}

// Text for one line of a terminal: control characters, which a damaged
// record or a file name may hold and which could steer the terminal, and the
// invisible ones that turn the text's direction or break the line, shown as
// '?'.
QString naRadek(const QString &text);

// Text in the Czech quotes „ and “, made safe by naRadek(): what the user
// typed or a file holds.
inline QString vUvozovkach(const QString &text) {
    return QStringLiteral("„%1“").arg(naRadek(text));
}

// A refusal: says why in *duvod, when asked, and is the empty result.
inline std::nullopt_t odmitni(QString *duvod, const QString &text) {
    nastavDuvod(duvod, text);
    return std::nullopt;
}

} // namespace vinula::mistnosti
