#pragma once

#include <QRect>

namespace vinula {

// Window layouts are drawn up in twips, 15 to a pixel.
constexpr int twipuNaPixel = 15;

constexpr QRect zTwipu(int left, int top, int width, int height) {
    return QRect(left / twipuNaPixel, top / twipuNaPixel, width / twipuNaPixel,
                 height / twipuNaPixel);
}

} // namespace vinula
