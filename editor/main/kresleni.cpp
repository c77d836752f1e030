#include "kresleni.h"

#include "items/obrazky.h"

#include <algorithm>
#include <cstring>

namespace vinula::kresleni {

QImage novaPlocha() {
    QImage plocha(sirkaPlochy, vyskaPlochy, QImage::Format_RGB32);
    vycisti(plocha);
    return plocha;
}

void vlozObrazek(QImage &plocha, int x, int y, const QImage &obrazek) {
    // A plain copy of scan lines: pictures are opaque and unscaled, and this
    // runs up to 600 times in a redraw.
    const QRect cil = obdelnikBunky(x, y).intersected(plocha.rect());
    if (cil.isEmpty() || obrazek.format() != plocha.format())
        return;
    const int odX = cil.left() - strana * x;
    const int odY = cil.top() - strana * y;
    const int sirka = std::min(cil.width(), obrazek.width() - odX);
    const int vyska = std::min(cil.height(), obrazek.height() - odY);
    for (int radek = 0; radek < vyska; ++radek) {
        const auto *zdroj =
            reinterpret_cast<const QRgb *>(obrazek.constScanLine(odY + radek)) + odX;
        auto *cilRadek = reinterpret_cast<QRgb *>(plocha.scanLine(cil.top() + radek)) + cil.left();
        std::memcpy(cilRadek, zdroj, static_cast<std::size_t>(sirka) * sizeof(QRgb));
    }
}

void vykresliBunku(QImage &plocha, int x, int y, int kod) {
    if (const QImage *obrazek = obrazky::proKod(kod))
        vlozObrazek(plocha, x, y, *obrazek);
}

void prekreslit(QImage &plocha, const Mistnost &mistnost) {
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            vykresliBunku(plocha, x, y, mistnost.bunka(x, y));
}

void vycisti(QImage &plocha) {
    plocha.fill(barvaPozadi);
}

void nakresliMrizku(QImage &plocha) {
    const int sirka = std::min(plocha.width(), sirkaPlochy);
    const int vyska = std::min(plocha.height(), vyskaPlochy);
    for (int y = 0; y < vyska; ++y) {
        auto *radek = reinterpret_cast<QRgb *>(plocha.scanLine(y));
        for (int x = strana; x < sirka; x += strana)
            radek[x] = barvaMrizky;
    }
    for (int y = strana; y < vyska; y += strana) {
        auto *radek = reinterpret_cast<QRgb *>(plocha.scanLine(y));
        std::fill(radek, radek + sirka, barvaMrizky);
    }
}

} // namespace vinula::kresleni
