#pragma once

#include "tiled_obsah.h"

// The data of a tile layer, decoded into its 600 GIDs: CSV, base64 of
// 32-bit little-endian GIDs, plain or compressed by zlib or gzip.
namespace vinula::mistnosti::tiled {

// Whether a layer has exactly 600 tiles, else the reason.
bool poctyDlazdic(qint64 pocet, QString *duvod);

// A GID written in decimal: digits only, at most 32 bits.
std::optional<quint32> gidZTextu(QByteArrayView text);

bool zCsv(QByteArrayView text, Gidy &gidy, QString *duvod);

// `komprese` is empty, "zlib" or "gzip"; any other is refused with its
// reason.
bool zBase64(QByteArrayView text, QStringView komprese, Gidy &gidy, QString *duvod);

// The refusal of a compression the reader does not know, or an empty text.
QString neznamaKomprese(QStringView komprese);
QString neznameKodovani(QStringView kodovani);

} // namespace vinula::mistnosti::tiled
