#pragma once

#include "room/duvod.h"
#include "room/mistnost.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <memory>
#include <optional>

// What a Tiled map or tileset says, read but not yet understood as a room;
// shared by the readers of each format.
namespace vinula::mistnosti::tiled {

constexpr int bunek = Mistnost::sirka * Mistnost::vyska;
// Groups of layers nest at most this deep; the readers recurse into them.
constexpr int nejhlubsiSkupina = 64;

using Gidy = std::array<quint32, bunek>;

// A tileset as far as rooms need it.
struct SadaDlazdic {
    QString nazev;
    bool vinuly = false;     // carries the marker property
    qint64 dlazdic = -1;     // its tile count, -1 when not given
    QHash<qint64, int> kody; // local tile id → its code; -1 when `kod` is no code
};

// A tileset as the map lists it: in a file of its own or embedded.
struct Odkaz {
    quint32 prvni = 0;
    QString zdroj;
    std::shared_ptr<const SadaDlazdic> vlozena;
};

struct Vrstva {
    QString jmeno;
    Gidy gidy;
};

struct Obsah {
    std::optional<QString> nazev; // the property, which maps made before carry
    QString jmenoVrstvy;          // of the (last) tile layer: the room's name now
    std::optional<QString> otisk; // of the room file the map was made from
    QList<Odkaz> sady;
    Gidy gidy{};
    int vrstev = 0;
    // A map of a whole room file: every tile layer is a room, kept here.
    bool vsechnyVrstvy = false;
    QList<Vrstva> vrstvy;
};

enum class Forma { xml, json, jina };

// Told by the first character, as maps and tilesets come under any name.
Forma forma(QByteArrayView data);

// Text from a file, for a message: at most 40 characters, control
// characters shown as '?'; citace() puts it in quotes.
QString zkrat(const QString &text);
QString citace(const QString &text);

// A count for a message, "?" when not given (-1).
QString cislo(qint64 hodnota);

// A whole number from an attribute, or -1.
qint64 celeCislo(QStringView text);

// A map's firstgid of a tileset: 1 and more, with room for its tiles below
// the flag bits.
bool platnePrvni(qint64 prvni, QString *duvod);

bool overHlavicku(QStringView orientace, bool nekonecna, qint64 sirka, qint64 vyska,
                  QString *duvod);

// Counts the tile layer and checks its size: a room is read from one.
bool overVrstvu(Obsah &obsah, const QString &jmeno, qint64 sirka, qint64 vyska, QString *duvod);

QString nazevNeniText(QStringView typ);

} // namespace vinula::mistnosti::tiled
