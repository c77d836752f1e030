#pragma once

#include "tiled.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QString>
#include <QStringList>

// Rooms written as Tiled writes its own files: maps (TMX), the two
// tilesets (TSX with a PNG each) and a world that lays the maps out.
namespace vinula::mistnosti::tiled {

// The catalogue tileset is laid out like the palette (15 columns, its 7
// rows, free floor six times); the other tileset holds each code outside
// the catalogue at tile id = code, 16 to a row.
enum class Sada { katalog, mimo };

// Whether the room holds a code outside the catalogue, so that its map
// needs the second tileset.
bool maKodyMimo(QByteArrayView zaznam);

// Why the room's name cannot stand in a map (ridiciZnakNazvu()), or an
// empty text.
QString nazevNejdeDoMapy(QByteArrayView zaznam);

// Map n of `pocet`, named so that the names sort in that order.
QString jmenoMapy(qint64 n, qint64 pocet);

QByteArray mapa(QByteArrayView zaznam);

// A whole room file as one map, for Tiled's extension: a tile layer per
// room named by the room's name, room 1 the top layer and the only one
// shown, the tilesets the two sbirka() files in the folder `sady`, and the file's
// otiskSouboru() as the map property "otisk". Every name must pass
// nazevNejdeDoMapy().
QByteArray mapaSouboru(QByteArrayView soubor, const QDir &sady);
// The file's size and SHA-256, which tell whether it changed.
QString otiskSouboru(QByteArrayView obsah);
QByteArray sada(Sada sada);
QByteArray obrazekSady(Sada sada); // PNG; empty when it cannot be encoded

// The tilesets of a room file's map, made for drawing in Tiled: collections
// of one picture per tile, so that no empty place can be painted with. The
// catalogue's holds each item once (the vinula, the walls and the food by
// code, free floor last); the other one every other code. Each tile has its
// kind as its type and `kod` and `nazev` as in sada(); its picture is the
// file souborDlazdice() beside the tileset.
QByteArray sbirka(Sada sada);
QString souborDlazdice(int kod);
QByteArray obrazekDlazdice(int kod); // PNG; empty when it cannot be encoded
QByteArray svet(const QStringList &mapy);

} // namespace vinula::mistnosti::tiled
