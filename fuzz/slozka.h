#pragma once

// What the Tiled targets share: a check that aborts when a promise is
// broken, and a folder in RAM beside the maps, holding Vinula's tilesets as
// do-tiled writes them.

#include "tiled.h"
#include "tiled_zapis.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

void over(bool plati) {
    if (!plati)
        std::abort();
}

void zapis(const QString &cesta, const QByteArray &data) {
    QFile soubor(cesta);
    over(soubor.open(QIODevice::WriteOnly) && soubor.write(data) == data.size());
}

// The folder, made once: in /dev/shm where there is one, so that the file
// system is not worn.
const QDir &slozka() {
    namespace tiled = vinula::mistnosti::tiled;
    static const QString vzor = QStringLiteral("/vinula-fuzz-XXXXXX");
    static QTemporaryDir docasna((QDir(QStringLiteral("/dev/shm")).exists()
                                      ? QStringLiteral("/dev/shm")
                                      : QDir::tempPath()) +
                                 vzor);
    static const QDir dir = [] {
        over(docasna.isValid());
        const QDir d(docasna.path());
        zapis(d.filePath(tiled::souborSady), tiled::sada(tiled::Sada::katalog));
        zapis(d.filePath(tiled::souborSadyMimo), tiled::sada(tiled::Sada::mimo));
        return d;
    }();
    return dir;
}

} // namespace
