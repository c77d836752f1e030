#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// Rooms read back from Tiled maps, TMX or JSON, as Tiled writes them.
namespace vinula::mistnosti::tiled {

struct SadaDlazdic;

class Ctenar {
public:
    // The room the map at `cesta` draws, as a 650-byte record that passes
    // the editor's check; or nothing, and *duvod says why in Czech. A map
    // whose tiles come from Vinula's tilesets (known by their properties,
    // wherever they lie) is read; anything else is refused.
    std::optional<QByteArray> mistnost(const QString &cesta, QString *duvod);
    // The same for a map's content already read; `cesta` is where it lies,
    // for its tilesets and, when it has no name property, its name.
    std::optional<QByteArray> mistnost(const QByteArray &data, const QString &cesta,
                                       QString *duvod);

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
};

} // namespace vinula::mistnosti::tiled
