#pragma once

#include <QString>

namespace vinula {

// "1 místnost", "3 místnosti", "5 místností": the count with the Czech noun
// in the form the number asks for.
inline QString pocetSlovy(qint64 pocet, const char *jeden, const char *dva, const char *pet) {
    const char *slovo = pocet == 1 ? jeden : pocet >= 2 && pocet <= 4 ? dva : pet;
    return QStringLiteral("%1 %2").arg(pocet).arg(QString::fromUtf8(slovo));
}

} // namespace vinula
