#pragma once

#include "tiled_obsah.h"

#include <QByteArray>

namespace vinula::mistnosti::tiled {

// A JSON map's content (.tmj, .json), as ctiTmx() reads a TMX one.
bool ctiJson(const QByteArray &data, Obsah &obsah, QString *duvod);

} // namespace vinula::mistnosti::tiled
