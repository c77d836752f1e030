#pragma once

#include <QString>
#include <QStringView>

// The room names a Tiled map can carry, one rule for both directions: what
// do-tiled refuses to write, z-tiled refuses to read.
namespace vinula::mistnosti::tiled {

// Why the name cannot stand in a map, or an empty text: XML carries no
// control characters but tab, line feed and carriage return.
QString ridiciZnakNazvu(QStringView nazev);

// Why a name read from a map cannot be the room's, or an empty text: the
// rule above, Windows-1250 only, at most 50 characters.
QString chybaNazvu(const QString &nazev);

} // namespace vinula::mistnosti::tiled
