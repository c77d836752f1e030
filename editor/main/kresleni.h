#pragma once

#include "room/mistnost.h"

#include <QImage>
#include <QRect>

// Drawing on the surface's back buffer. Everything here paints straight into
// the image; nothing is drawn on demand.
namespace vinula::kresleni {

constexpr int sirkaPlochy = 600;
constexpr int vyskaPlochy = 400;
constexpr int strana = 20;               // one cell
constexpr QRgb barvaMrizky = 0xff404040; // RGB(64, 64, 64)
constexpr QRgb barvaPozadi = 0xff000000;

// A fresh black 600 x 400 buffer.
QImage novaPlocha();

// The pixels of cell (x, y).
constexpr QRect obdelnikBunky(int x, int y) {
    return {strana * x, strana * y, strana, strana};
}

// Copies a 20 x 20 picture unchanged over cell (x, y); clipped to the buffer.
void vlozObrazek(QImage &plocha, int x, int y, const QImage &obrazek);

// Draws the cell by its code's class; codes 2..49 leave the pixels as they are.
void vykresliBunku(QImage &plocha, int x, int y, int kod);

// Every area cell, x in the outer loop, y in the inner; no clearing, no grid.
void prekreslit(QImage &plocha, const Mistnost &mistnost);

// The background colour everywhere.
void vycisti(QImage &plocha);

// The 29 vertical and 19 horizontal grid lines; none along the outer edges.
void nakresliMrizku(QImage &plocha);

} // namespace vinula::kresleni
