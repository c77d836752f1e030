#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// A Tiled world (.world) as z-tiled reads it: the maps it lays out.
namespace vinula::mistnosti::tiled {

// The maps of the world, rows top to bottom and each row left to right, by
// their paths in `slozkaSveta`; or nothing, and *duvod says why.
std::optional<QStringList> mapySveta(const QByteArray &data, const QString &slozkaSveta,
                                     QString *duvod);
// The same for the world file at `cesta`.
std::optional<QStringList> mapySveta(const QString &cesta, QString *duvod);

} // namespace vinula::mistnosti::tiled
