// A tileset held in memory, TSX or JSON: read alone, then as the tileset a
// map of every code refers to. Every promise of the reader is checked; a
// broken one aborts.

#include "room/roomfile.h"
#include "slozka.h"
#include "tiled_cteni.h"
#include "tiled_sada.h"

#include <cstdint>

using namespace vinula;
namespace tiled = vinula::mistnosti::tiled;

namespace {

// A room whose cells, column by column, hold every code 0–255 but the
// vinula's, and the vinula in the corner: its map uses every tile of both
// tilesets.
QByteArray mapaVsehoKodu() {
    QByteArray zaznam(roomfile::delkaNazvu, ' ');
    for (int i = 0; i < roomfile::delkaMrizky; ++i) {
        const int kod = i % 255;
        zaznam += char(i == 0 ? 1 : kod == 0 ? 0 : kod + 1);
    }
    return tiled::mapa(zaznam);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray obsah(reinterpret_cast<const char *>(data), qsizetype(size));
    QString duvod;
    const auto sada = tiled::sadaZDat(obsah, &duvod);
    over(sada ? duvod.isEmpty() : !duvod.isEmpty());
    if (sada) {
        over(sada->dlazdic >= -1);
        for (auto it = sada->kody.cbegin(); it != sada->kody.cend(); ++it)
            over(it.key() >= 0 && it.value() >= -1 && it.value() <= 255);
    }

    // As a map's tileset: the room comes whole, or the refusal says why.
    static const QByteArray mapa = mapaVsehoKodu();
    zapis(slozka().filePath(QStringLiteral("sada")), obsah);
    const QByteArray sJinouSadou = QByteArray(mapa).replace(
        QByteArray("\"") + tiled::souborSady.latin1() + '"', QByteArray("\"sada\""));
    duvod.clear();
    const auto zaznam =
        tiled::Ctenar().mistnost(sJinouSadou, slozka().filePath(QStringLiteral("m.tmx")), &duvod);
    over(zaznam ? zaznam->size() == roomfile::delkaZaznamu : !duvod.isEmpty());
    return 0;
}
