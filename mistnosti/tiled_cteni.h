#pragma once

#include "tiled_obsah.h"

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// Rooms read back from Tiled maps, TMX or JSON, as Tiled writes them.
namespace vinula::mistnosti::tiled {

class Ctenar {
public:
    // The room the map at `cesta` draws, as a 650-byte record that passes
    // the editor's check; or nothing, and *duvod says why in Czech. A map
    // whose tiles come from Vinula's tilesets (known by their properties,
    // wherever they lie) is read; anything else is refused. A map without
    // the name property takes its file's name, and *bezNazvu says so.
    std::optional<QByteArray> mistnost(const QString &cesta, QString *duvod,
                                       bool *bezNazvu = nullptr);
    // The same for a map's content already read; `cesta` is where it lies,
    // for its tilesets and, when it has no name property, its name.
    std::optional<QByteArray> mistnost(const QByteArray &data, const QString &cesta, QString *duvod,
                                       bool *bezNazvu = nullptr);

    // The rooms of a whole room file's map (TMX): each tile layer is a
    // room, the top one of Tiled's list room 1; other layers are ignored.
    // Every room must pass as mistnost() requires, its name being the
    // layer's. *otisk gets the map's "otisk" property, empty without one.
    std::optional<QList<QByteArray>> mistnostiSouboru(const QByteArray &data, const QString &cesta,
                                                      QString *otisk, QString *duvod);

    // Tileset files read so far, each file once by whatever path.
    qsizetype nactenychSad() const { return sady_.size(); }
    // Their paths, as the maps named them.
    QStringList cteneSady() const;

private:
    // External tilesets by the file's identity, each read once however many
    // maps share it; a failure is kept as its reason.
    struct Nactena {
        std::shared_ptr<const SadaDlazdic> sada;
        QString chyba;
        QString cesta;
    };
    QHash<QString, Nactena> sady_;

    const Nactena &externi(const QString &cesta);
    // The room the GIDs draw, named `jmeno`, if it passes the checks; the
    // reason of a bad name ends with `odkud`.
    std::optional<QByteArray> zaznam(const QList<Odkaz> &sady, const Gidy &gidy,
                                     const QDir &slozkaMapy, const QString &jmeno,
                                     const QString &odkud, QString *duvod);
};

} // namespace vinula::mistnosti::tiled
