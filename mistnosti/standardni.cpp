#include "standardni.h"

#include "room/chyby_systemu.h"

#include <cerrno>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vinula::mistnosti {

namespace {

// Writes all of `delka` bytes or none more: 0 on success, else the error
// number.
int zapisDoProudu(std::FILE *proud, const char *data, qint64 delka) {
#ifdef Q_OS_UNIX
    const int popisovac = fileno(proud);
    while (delka > 0) {
        const ssize_t zapsano = ::write(popisovac, data, static_cast<size_t>(delka));
        if (zapsano < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += zapsano;
        delka -= zapsano;
    }
    return 0;
#else
    errno = 0;
    if (std::fwrite(data, 1, static_cast<size_t>(delka), proud) == static_cast<size_t>(delka) &&
        std::fflush(proud) == 0)
        return 0;
    return errno != 0 ? errno : EIO;
#endif
}

void obsadZavreneProudy() {
#ifdef Q_OS_UNIX
    for (int popisovac = 0; popisovac <= 2; ++popisovac) {
        if (fcntl(popisovac, F_GETFD) != -1 || errno != EBADF)
            continue;
        // open() takes the lowest free number, which is this one.
        const int novy = ::open("/dev/null", O_RDONLY);
        if (novy != popisovac && novy >= 0)
            ::close(novy);
    }
#endif
}

void vychoziRoura() {
#ifdef Q_OS_UNIX
    std::signal(SIGPIPE, SIG_DFL);
    sigset_t roura;
    sigemptyset(&roura);
    sigaddset(&roura, SIGPIPE);
    sigprocmask(SIG_UNBLOCK, &roura, nullptr);
#endif
}

} // namespace

StandardniProud::StandardniProud(std::FILE *proud) : proud_(proud) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StandardniProud::writeData(const char *data, qint64 delka) {
    if (const int chyba = zapisDoProudu(proud_, data, delka); chyba != 0) {
        setErrorString(chyby::popis(chyba));
        return -1;
    }
    return delka;
}

void pripravStandardniProudy() {
    obsadZavreneProudy();
    vychoziRoura();
}

} // namespace vinula::mistnosti
