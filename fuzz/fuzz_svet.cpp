// A Tiled world held in memory: its maps come in a list, each a path that
// names a file, or the refusal says why. A broken promise aborts.

#include "tiled_svet.h"

#include <QFileInfo>

#include <cstdint>
#include <cstdlib>

namespace {

void over(bool plati) {
    if (!plati)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray obsah(reinterpret_cast<const char *>(data), qsizetype(size));
    QString duvod;
    const auto mapy = vinula::mistnosti::tiled::mapySveta(obsah, QStringLiteral("/svet"), &duvod);
    over(mapy ? duvod.isEmpty() : !duvod.isEmpty());
    if (mapy) {
        over(!mapy->isEmpty());
        for (const QString &mapa : *mapy) {
            const QString soubor = QFileInfo(mapa).fileName();
            over(!soubor.isEmpty() && soubor != u"." && soubor != u".." &&
                 mapa != QStringLiteral("/svet") && mapa != QStringLiteral("/"));
        }
    }
    return 0;
}
