#include "preruseni.h"

#include <array>
#include <csignal>

namespace vinula::mistnosti {

namespace {

volatile std::sig_atomic_t prijaty = 0;

extern "C" void zaznamenej(int signal) {
    prijaty = signal;
}

#ifdef Q_OS_UNIX
constexpr std::array zastavujici = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
std::array<struct sigaction, zastavujici.size()> puvodni{};
#else
constexpr std::array zastavujici = {SIGINT, SIGTERM};
std::array<void (*)(int), zastavujici.size()> puvodni{};
#endif

// Catchings nest (a whole run catches, and so does each file it writes):
// the outermost one installs the handlers and restores what was before, and
// a signal caught meanwhile stays recorded for all of them.
int vnoreni = 0;

} // namespace

#ifdef Q_OS_UNIX

ZachyceniSignalu::ZachyceniSignalu() {
    if (vnoreni++ > 0)
        return;
    prijaty = 0;
    struct sigaction zachyceni {};
    zachyceni.sa_handler = zaznamenej;
    sigemptyset(&zachyceni.sa_mask);
    for (std::size_t i = 0; i < zastavujici.size(); ++i)
        sigaction(zastavujici[i], &zachyceni, &puvodni[i]);
}

ZachyceniSignalu::~ZachyceniSignalu() {
    if (--vnoreni > 0)
        return;
    for (std::size_t i = 0; i < zastavujici.size(); ++i)
        sigaction(zastavujici[i], &puvodni[i], nullptr);
}

void bezKonceNaMeziVelikosti() {
    // The write then returns EFBIG.
    std::signal(SIGXFSZ, SIG_IGN);
}

#else

void bezKonceNaMeziVelikosti() {}

ZachyceniSignalu::ZachyceniSignalu() {
    if (vnoreni++ > 0)
        return;
    prijaty = 0;
    for (std::size_t i = 0; i < zastavujici.size(); ++i)
        puvodni[i] = std::signal(zastavujici[i], zaznamenej);
}

ZachyceniSignalu::~ZachyceniSignalu() {
    if (--vnoreni > 0)
        return;
    for (std::size_t i = 0; i < zastavujici.size(); ++i)
        std::signal(zastavujici[i], puvodni[i]);
}

#endif

int prerusujiciSignal() {
    return prijaty;
}

QString popisPreruseni(int signal) {
    switch (signal) {
    case SIGINT:
        return QStringLiteral("přerušeno signálem SIGINT (Ctrl+C)");
    case SIGTERM:
        return QStringLiteral("přerušeno signálem SIGTERM");
#ifdef Q_OS_UNIX
    case SIGHUP:
        return QStringLiteral("přerušeno signálem SIGHUP (terminál se zavřel)");
    case SIGQUIT:
        return QStringLiteral("přerušeno signálem SIGQUIT");
#endif
    default:
        return QStringLiteral("přerušeno signálem č. %1").arg(signal);
    }
}

} // namespace vinula::mistnosti
