#pragma once

#include <QString>

// A request to stop (Ctrl+C, a terminal closed, SIGTERM) that arrives while a
// file is written is caught and the writing ends as a failed one does: a new
// file never appears, an append is cut back. Only SIGKILL and a power cut
// cannot be caught.
namespace vinula::mistnosti {

// Catches the stop signals while it lives; a write past the file-size limit
// then fails instead of ending the program. Restores what was before. They
// nest: the outermost one installs and restores.
class ZachyceniSignalu {
public:
    ZachyceniSignalu();
    ~ZachyceniSignalu();
    ZachyceniSignalu(const ZachyceniSignalu &) = delete;
    ZachyceniSignalu &operator=(const ZachyceniSignalu &) = delete;
};

// The stop signal that arrived while one was being caught, or 0.
int prerusujiciSignal();

// "přerušeno signálem SIGINT (Ctrl+C)" and the like.
QString popisPreruseni(int signal);

} // namespace vinula::mistnosti
