#pragma once

#include <QString>

// A request to stop (Ctrl+C, a terminal closed, SIGTERM) that arrives while a
// file is written is caught and the writing ends as a failed one does: a new
// file never appears, an append is cut back. Only SIGKILL and a power cut
// cannot be caught.
namespace vinula::mistnosti {

// Run at the start: a write past the file-size limit (ulimit -f) then fails
// with a reason the program reports, instead of ending it on the spot with
// whatever it had half written.
void bezKonceNaMeziVelikosti();

// Catches the stop signals while it lives. Restores what was before. They
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
