#include "rozmisteni_krok.h"

#include "cislo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vinula {

namespace {

// The whole cells of [min(od, do), max(od, do)] within 0..posledni; empty when
// the bounds hold no whole number or either bound is not a number.
struct Rozsah {
    int od = 0;
    int po = -1;
    bool prazdny() const { return po < od; }
};

Rozsah rozsah(const QString &odText, const QString &doText, int posledni) {
    const std::optional<double> a = cisloCelehoPole(odText);
    const std::optional<double> b = cisloCelehoPole(doText);
    if (!a || !b)
        return {};
    const double nejmensi = std::clamp(std::min(*a, *b), 0.0, static_cast<double>(posledni));
    const double nejvetsi = std::clamp(std::max(*a, *b), 0.0, static_cast<double>(posledni));
    return {static_cast<int>(std::ceil(nejmensi)), static_cast<int>(std::floor(nejvetsi))};
}

} // namespace

std::optional<double> pocetRozmisteni(const QString &pocet) {
    const std::optional<double> n = cisloCelehoPole(pocet);
    return n && *n > 0 ? n : std::nullopt;
}

int rozmistitNahodne(Mistnost &mistnost, int predmet, const ZadaniRozmisteni &zadani,
                     std::mt19937 &nahoda) {
    const Kod kod = static_cast<Kod>(predmet);
    const std::optional<double> pocet = pocetRozmisteni(zadani.pocet);
    const Rozsah rx = rozsah(zadani.radek_od, zadani.radek_do, Mistnost::sirka - 1);
    const Rozsah ry = rozsah(zadani.sloupec_od, zadani.sloupec_do, Mistnost::vyska - 1);
    if (kod == 0 || !pocet || rx.prazdny() || ry.prazdny())
        return 0;
    // No region holds more than the 600 cells, so a larger count means "as
    // many as fit"; limiting it first keeps the conversion defined.
    constexpr int bunekCelkem = Mistnost::sirka * Mistnost::vyska;
    const int chybi = static_cast<int>(std::min(std::trunc(*pocet), double{bunekCelkem}));

    auto prijatelna = [&](int x, int y) {
        if (mistnost.bunka(x, y) != 0)
            return false;
        if (zadani.dotyk)
            return true;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (mistnost.bunka(x + dx, y + dy) != 0)
                    return false;
        return true;
    };

    // The acceptable cells, with each cell's place in the list so that a cell
    // can be struck out in constant time.
    struct Bunka {
        int x;
        int y;
    };
    std::vector<Bunka> kandidati;
    std::array<int, bunekCelkem> misto;
    misto.fill(-1);
    auto index = [](int x, int y) { return x * Mistnost::vyska + y; };
    for (int x = rx.od; x <= rx.po; ++x)
        for (int y = ry.od; y <= ry.po; ++y)
            if (prijatelna(x, y)) {
                misto[static_cast<std::size_t>(index(x, y))] = static_cast<int>(kandidati.size());
                kandidati.push_back({x, y});
            }

    auto vyskrtni = [&](int x, int y) {
        if (!Mistnost::vOblasti(x, y))
            return;
        const auto i = static_cast<std::size_t>(index(x, y));
        const int kde = misto[i];
        if (kde < 0)
            return;
        const Bunka posledni = kandidati.back();
        kandidati[static_cast<std::size_t>(kde)] = posledni;
        misto[static_cast<std::size_t>(index(posledni.x, posledni.y))] = kde;
        kandidati.pop_back();
        misto[i] = -1;
    };

    int umisteno = 0;
    while (umisteno < chybi && !kandidati.empty()) {
        std::uniform_int_distribution<std::size_t> los(0, kandidati.size() - 1);
        const Bunka b = kandidati[los(nahoda)];
        mistnost.nastav(b.x, b.y, kod);
        ++umisteno;
        // The new item takes its own cell and, with touching forbidden, makes
        // every cell around it unacceptable.
        const int dosah = zadani.dotyk ? 0 : 1;
        for (int dx = -dosah; dx <= dosah; ++dx)
            for (int dy = -dosah; dy <= dosah; ++dy)
                vyskrtni(b.x + dx, b.y + dy);
    }
    return umisteno;
}

} // namespace vinula
