#pragma once

#include <array>
#include <cstdint>

namespace vinula {

// One cell: an item code as stored in the grid and in room files.
using Kod = std::uint8_t;

// The room grid: the 30 x 20 area plus a ring one cell wide around it, so that
// the eight neighbours of any area cell can be read without a special case.
class Mistnost {
public:
    static constexpr int sirka = 30; // x 0..29 ("řádek" in the user's words)
    static constexpr int vyska = 20; // y 0..19 ("sloupec")

    // Inside the 32 x 22 grid, ring included.
    static constexpr bool vMrizce(int x, int y) {
        return x >= -1 && x <= sirka && y >= -1 && y <= vyska;
    }
    // Inside the 30 x 20 area.
    static constexpr bool vOblasti(int x, int y) {
        return x >= 0 && x < sirka && y >= 0 && y < vyska;
    }

    // On the area's outermost cells, the only ones the vinula may take.
    static constexpr bool naOkraji(int x, int y) {
        return vOblasti(x, y) && (x == 0 || x == sirka - 1 || y == 0 || y == vyska - 1);
    }

    // Outside the grid a cell reads as free floor and a store is dropped:
    // a wrong index never reaches memory.
    Kod bunka(int x, int y) const { return vMrizce(x, y) ? bunky_[index(x, y)] : 0; }
    void nastav(int x, int y, Kod kod) {
        if (vMrizce(x, y))
            bunky_[index(x, y)] = kod;
    }

    // Sets the 600 area cells to free floor, column by column; the ring stays.
    void vycistiOblast();

    bool operator==(const Mistnost &) const = default;

private:
    static constexpr int index(int x, int y) { return (x + 1) * (vyska + 2) + (y + 1); }
    std::array<Kod, (sirka + 2) * (vyska + 2)> bunky_{};
};

} // namespace vinula
