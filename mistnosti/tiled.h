#pragma once

#include "main/kresleni.h"

#include <QLatin1String>

// What a room looks like in Tiled, the map editor: one orthogonal map of
// 30 × 20 tiles of 20 × 20 pixels per room, its one tile layer drawn with
// the tiles of two tilesets that the reader knows by their properties.
namespace vinula::mistnosti::tiled {

constexpr int strana = kresleni::strana; // a tile is a cell of the editor's surface

// The tileset property that marks a tileset as Vinula's; the tile
// properties with the code (an int) and the Czech name; the map property
// with the room's name.
inline const QLatin1String znackaSady("vinula");
inline const QLatin1String vlastnostKodu("kod");
inline const QLatin1String vlastnostNazvu("nazev");
// The map property of a whole room file's map: the file as it was read.
inline const QLatin1String vlastnostOtisku("otisk");

// The files of an export: the maps are 0001.tmx, 0002.tmx, …
inline const QLatin1String souborSady("vinula.tsx");
inline const QLatin1String pngSady("vinula.png");
inline const QLatin1String souborSadyMimo("mimo-katalog.tsx");
inline const QLatin1String pngSadyMimo("mimo-katalog.png");
inline const QLatin1String souborSveta("mistnosti.world");
// The tilesets of a room file's map (Tiled's extension).
inline const QLatin1String souborSbirky("sbirka-vinula.tsx");
inline const QLatin1String souborSbirkyMimo("sbirka-mimo-katalog.tsx");

// Files from other people are read only up to this size; a map of a room
// is a few kilobytes.
constexpr qint64 nejvetsiSoubor = 16 * 1024 * 1024;

} // namespace vinula::mistnosti::tiled
