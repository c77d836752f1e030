#pragma once

#include <QString>

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

} // namespace vinula::mistnosti
