#include "mistnost.h"

namespace vinula {

void Mistnost::vycistiOblast() {
    for (int x = 0; x < sirka; ++x)
        for (int y = 0; y < vyska; ++y)
            nastav(x, y, 0);
}

} // namespace vinula
