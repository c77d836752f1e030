#pragma once

#include <QString>
#include <optional>

namespace vinula::mistnosti {

// "1 místnost", "3 místnosti", "5 místností": the Czech noun after a count.
QString pocetSlovy(qint64 pocet, const char *jeden, const char *dva, const char *pet);

inline QString mistnosti(qint64 pocet) {
    return pocetSlovy(pocet, "místnost", "místnosti", "místností");
}

// Text in the Czech quotes „ and “.
inline QString vUvozovkach(const QString &text) {
    return QStringLiteral("„%1“").arg(text);
}

// A refusal: says why in *duvod, when asked, and is the empty result.
inline std::nullopt_t odmitni(QString *duvod, const QString &text) {
    if (duvod)
        *duvod = text;
    return std::nullopt;
}

} // namespace vinula::mistnosti
