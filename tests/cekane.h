#pragma once

// Expected values made without the code they check: pictures read from their files, surfaces
// painted with QPainter, room records written byte by byte.

#include "room/mistnost.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>
#include <array>
#include <initializer_list>

namespace cekane {

constexpr QRgb cerna = 0xff000000;
constexpr QRgb seda = 0xff404040; // the grid lines, RGB(64, 64, 64)

// The picture file a cell holding `kod` shows: none for 2..49, the unknown picture for the
// codes past the nine walls and the 63 foods.
inline QImage obrazek(int kod) {
    const QString soubor = kod == 0                   ? QStringLiteral("volno")
                           : kod == 1                 ? QStringLiteral("hlava")
                           : kod < 50                 ? QString()
                           : kod <= 58                ? QStringLiteral("zed%1").arg(kod - 50)
                           : kod >= 100 && kod <= 162 ? QStringLiteral("zradlo%1").arg(kod - 100)
                                                      : QStringLiteral("neznamy");
    if (soubor.isEmpty())
        return {};
    return QImage(":/items/" + soubor + ".xpm").convertToFormat(QImage::Format_RGB32);
}

// The 29 + 19 lines, none along the outer edges.
inline void mrizka(QImage &plocha) {
    QPainter p(&plocha);
    for (int x = 20; x < 600; x += 20)
        p.fillRect(x, 0, 1, 400, QColor::fromRgb(seda));
    for (int y = 20; y < 400; y += 20)
        p.fillRect(0, y, 600, 1, QColor::fromRgb(seda));
}

inline void bunka(QImage &plocha, int x, int y, int kod) {
    const QImage o = obrazek(kod);
    if (!o.isNull())
        QPainter(&plocha).drawImage(20 * x, 20 * y, o);
}

// The surface showing the room's area: black, each cell's picture, the grid lines if asked.
inline QImage plocha(const vinula::Mistnost &m, bool sMrizkou = false) {
    QImage o(600, 400, QImage::Format_RGB32);
    o.fill(cerna);
    for (int x = 0; x < 30; ++x)
        for (int y = 0; y < 20; ++y)
            bunka(o, x, y, m.bunka(x, y));
    if (sMrizkou)
        mrizka(o);
    return o;
}

struct Bunka {
    int x, y, kod;
};

inline vinula::Mistnost mistnost(std::initializer_list<Bunka> bunky) {
    vinula::Mistnost m;
    for (const auto &[x, y, kod] : bunky)
        m.nastav(x, y, static_cast<vinula::Kod>(kod));
    return m;
}

// A 650-byte record: the name's bytes, spaces up to 50, then the 600 cells column by column.
inline QByteArray zaznam(const QByteArray &nazev, std::initializer_list<Bunka> bunky = {}) {
    QByteArray r = nazev.leftJustified(50, ' ', true) + QByteArray(600, '\0');
    for (const auto &[x, y, kod] : bunky)
        r[50 + 20 * x + y] = static_cast<char>(kod);
    return r;
}

} // namespace cekane
