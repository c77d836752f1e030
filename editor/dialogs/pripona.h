#pragma once

#include <QStringView>

namespace vinula {

// Whether a file name or path is a room file by its name: it ends in exactly
// "DAT" or "dat". Case-sensitive on purpose ("Dat" fails); no dot is needed.
inline bool pripona_dat(QStringView nazev) {
    if (nazev.size() < 3)
        return false;
    const QStringView konec = nazev.right(3);
    return konec == u"DAT" || konec == u"dat";
}

} // namespace vinula
