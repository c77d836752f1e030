#pragma once

// Rooms and their maps for the tests of the bridge to Tiled: records made
// byte by byte, and maps changed as a designer or Tiled would change them.

#include "../cekane.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>

#include <zlib.h>

namespace {

using namespace Qt::StringLiterals;
using cekane::zaznam;

// The record with the codes 2 to 255 in the catalogue or outside it, 28 to
// a row from cell (1, y).
inline QByteArray sKody(QByteArray r, int y, bool vKatalogu) {
    for (int kod = 2, i = 0; kod < 256; ++kod)
        if (((kod >= 50 && kod <= 58) || (kod >= 100 && kod <= 162)) == vKatalogu) {
            r[50 + 20 * (1 + i % 28) + y + i / 28] = char(kod);
            ++i;
        }
    return r;
}

// The rooms: every catalogue item in room 1, whose name XML must escape;
// every code outside the catalogue in room 2, whose name has a line break
// and whose vinula is in the last cell; a name of exactly 50 characters and
// a wall in the first cell in room 3. Names in Windows-1250.
const QByteArray r1 = sKody(zaznam("Jeskyn\xEC \"a\" <b> & \xF8", {{0, 5, 1}}), 1, true);
const QByteArray r2 = sKody(zaznam("Ciz\xED\n", {{29, 19, 1}, {10, 10, 100}}), 2, false);
const QByteArray r3 =
    zaznam("Sklep \x9E\x61" + QByteArray(41, 'x') + '!', {{14, 0, 1}, {3, 4, 111}, {0, 0, 55}});
const QByteArray hra = r1 + r2 + r3;

// GIDs of the tileset made for Tiled, each item once from GID 1: the vinula,
// then the walls by code, so zeď modrá (52) is the fourth.
constexpr quint32 gidVinuly = 1, gidZdi52 = 4;

// The map with its (first) tile layer named `jmeno`, the room's name.
inline QByteArray sVrstvou(const QByteArray &tmx, const QByteArray &jmeno) {
    static const QRegularExpression re(u"<layer id=\"1\" name=\"[^\"]*\""_s);
    return QString::fromUtf8(tmx)
        .replace(re, u"<layer id=\"1\" name=\""_s + QString::fromUtf8(jmeno) + u'"')
        .toUtf8();
}

// The map with its layer's <data> attributes and text replaced.
inline QByteArray sDaty(const QByteArray &tmx, const QString &atributy, const QByteArray &data) {
    static const QRegularExpression re(u"<data[^>]*>.*</data>"_s,
                                       QRegularExpression::DotMatchesEverythingOption);
    return QString::fromUtf8(tmx)
        .replace(re, u"<data"_s + atributy + u'>' + QString::fromLatin1(data) + u"</data>"_s)
        .toUtf8();
}

// The GIDs of a map's CSV layer.
inline QList<quint32> gidy(const QByteArray &tmx) {
    QList<quint32> vysledek;
    const QByteArray data = tmx.sliced(tmx.indexOf("\"csv\">") + 6);
    for (const QByteArray &cislo : data.first(data.indexOf('<')).split(','))
        vysledek << cislo.trimmed().toUInt();
    return vysledek;
}

// The map's layer written anew: as CSV on one line, one <tile> a cell, or
// base64 of 32-bit little-endian GIDs, plain or compressed by zlib (as zlib
// or gzip data).
inline QByteArray sDaty(const QByteArray &tmx, const QList<quint32> &g, const QString &kodovani) {
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    QByteArray bajty(reinterpret_cast<const char *>(g.constData()), 4 * g.size()), data;
    if (kodovani == u"csv" || kodovani == u"xml") {
        for (const quint32 gid : g)
            data += kodovani == u"csv" ? QByteArray::number(gid) + ','
                                       : "<tile gid=\"" + QByteArray::number(gid) + "\"/>";
        return sDaty(tmx, kodovani == u"csv" ? u" encoding=\"csv\""_s : QString(),
                     kodovani == u"csv" ? data.chopped(1) : data);
    }
    if (kodovani != u"base64") {
        z_stream proud{};
        data.resize(4096);
        deflateInit2(&proud, 9, Z_DEFLATED, kodovani == u"gzip" ? 31 : 15, 8, Z_DEFAULT_STRATEGY);
        proud.next_in = reinterpret_cast<Bytef *>(bajty.data());
        proud.avail_in = uInt(bajty.size());
        proud.next_out = reinterpret_cast<Bytef *>(data.data());
        proud.avail_out = uInt(data.size());
        deflate(&proud, Z_FINISH);
        bajty = data.first(qsizetype(proud.total_out));
        deflateEnd(&proud);
    }
    return sDaty(tmx,
                 u" encoding=\"base64\""_s +
                     (kodovani == u"base64" ? QString() : u" compression=\"%1\""_s.arg(kodovani)),
                 bajty.toBase64());
}

// The map with these cells set to these GIDs.
inline QByteArray sBunkami(const QByteArray &tmx, std::initializer_list<cekane::Bunka> bunky) {
    QList<quint32> g = gidy(tmx);
    for (const auto &[x, y, gid] : bunky)
        g[30 * y + x] = quint32(gid);
    return sDaty(tmx, g, u"csv"_s);
}

inline QByteArray nahrad(QByteArray text, const QByteArray &co, const QByteArray &cim) {
    return text.replace(co, cim);
}

} // namespace
