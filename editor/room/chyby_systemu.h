#pragma once

#include <QString>

// What the system's error numbers mean, in the Czech words the programs show.
namespace vinula::chyby {

// "na disku není místo", "chybí oprávnění" …; an unknown number is named as
// such.
QString popis(int cisloChyby);

// The same for a failure with a path: a name or path too long says which of
// the two and how long it is.
QString popis(int cisloChyby, const QString &cesta);

} // namespace vinula::chyby
