#pragma once

#include <QImage>

// The item pictures the surface is painted with, one cell in size
// (kresleni::strana), loaded once from the program's resources.
namespace vinula::obrazky {

const QImage &volno();
const QImage &hlava();
const QImage &zed(int index);    // 0..8; anything else gives the unknown picture
const QImage &zradlo(int index); // 0..62; likewise
// Shown for a code that passes the wall or food test but is no item, so that a
// damaged room is visible.
const QImage &neznamy();

// The picture a cell with this code is drawn with, by the four class tests in
// their order; nullptr for codes 2..49, which draw nothing.
const QImage *proKod(int kod);

} // namespace vinula::obrazky
