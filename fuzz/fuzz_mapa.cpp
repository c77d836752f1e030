// A Tiled map held in memory, read as z-tiled reads it, beside Vinula's
// tilesets. Built twice: for TMX maps and for JSON maps (VINULA_FUZZ_JSON),
// each skipping the other form. Every promise of the reader is checked; a
// broken one aborts.

#include "dialogs/kontrola.h"
#include "room/roomfile.h"
#include "slozka.h"
#include "tiled_cteni.h"
#include "tiled_obsah.h"

#include <QBuffer>

#include <cstdint>

using namespace vinula;
namespace tiled = vinula::mistnosti::tiled;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray mapa(reinterpret_cast<const char *>(data), qsizetype(size));
    if (tiled::forma(mapa) != (VINULA_FUZZ_JSON ? tiled::Forma::json : tiled::Forma::xml))
        return -1; // the other target's input: not kept in the corpus

    const QString cesta = slozka().filePath(QStringLiteral("m.tmx"));
    tiled::Ctenar ctenar;
    QString duvod;
    const auto zaznam = ctenar.mistnost(mapa, cesta, &duvod);
    // A refusal always says why.
    if (!zaznam) {
        over(!duvod.isEmpty());
        return 0;
    }
    // A result is a whole record of a room the editor would save, with its
    // vinula on the edge.
    over(zaznam->size() == roomfile::delkaZaznamu);
    QByteArray kopie = *zaznam;
    QBuffer buffer(&kopie);
    over(buffer.open(QIODevice::ReadOnly));
    Mistnost mistnost;
    QString nazev;
    over(roomfile::nactiMistnost(buffer, 1, mistnost, nazev));
    over(kontrola::chyba(mistnost).isEmpty());
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            over(mistnost.bunka(x, y) != 1 || Mistnost::naOkraji(x, y));
    // do-tiled takes the room, and its map reads back as the same record.
    over(tiled::nazevNejdeDoMapy(*zaznam).isEmpty());
    over(ctenar.mistnost(tiled::mapa(*zaznam), cesta, &duvod) == zaznam);
    return 0;
}
