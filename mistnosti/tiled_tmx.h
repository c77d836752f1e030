#pragma once

#include "tiled_obsah.h"

#include <QByteArray>

namespace vinula::mistnosti::tiled {

// A TMX map's content: its name property, tilesets and one tile layer; or
// false, and *duvod says why.
bool ctiTmx(const QByteArray &data, Obsah &obsah, QString *duvod);

} // namespace vinula::mistnosti::tiled
