#pragma once

// A program run as a separate process, as a user runs it: its exit status and what it printed.

#include <QProcess>
#include <QString>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace proces {

// Where its standard output goes: a pipe to the test, the messages' pipe, /dev/full, a closed
// descriptor, a pipe nobody reads (SIGPIPE ignored, as a parent may leave it), or ven.txt.
enum class Ven { roura, sChybami, plny, zavreny, bezCtenare, doSouboru };

struct Beh {
    int kod = -1; // the exit status, or minus the signal that ended the run
    QString ven, chyby;
};

// Runs `program` in `slozka`. `limit` caps the size of any file it writes (RLIMIT_FSIZE, a
// full disk as it sees it; -1: none); past it SIGXFSZ, by default, ends a careless program.
inline Beh spust(const QString &program, const QString &slozka, const QStringList &argumenty,
                 qint64 limit = -1, Ven standardni = Ven::roura,
                 const QProcessEnvironment &prostredi = QProcessEnvironment::systemEnvironment()) {
    QProcess proces;
    proces.setWorkingDirectory(slozka);
    proces.setProcessEnvironment(prostredi);
    if (standardni == Ven::sChybami)
        proces.setProcessChannelMode(QProcess::MergedChannels);
    if (standardni == Ven::doSouboru)
        proces.setStandardOutputFile(slozka + QStringLiteral("/ven.txt"));
#ifdef Q_OS_UNIX
    proces.setChildProcessModifier([limit, standardni] {
        std::signal(SIGXFSZ, SIG_DFL);
        if (limit >= 0) {
            const rlimit mez{rlim_t(limit), rlim_t(limit)};
            setrlimit(RLIMIT_FSIZE, &mez);
        }
        if (standardni == Ven::plny) {
            const int plny = open("/dev/full", O_WRONLY);
            dup2(plny, 1);
            close(plny);
        } else if (standardni == Ven::zavreny) {
            close(1);
        } else if (standardni == Ven::bezCtenare) {
            int roura[2];
            if (pipe(roura) == 0) {
                dup2(roura[1], 1);
                close(roura[0]);
                close(roura[1]);
            }
            std::signal(SIGPIPE, SIG_IGN);
        }
    });
#endif
    proces.start(program, argumenty);
    if (!proces.waitForFinished(120000))
        return {};
    return {proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -proces.exitCode(),
            QString::fromUtf8(proces.readAllStandardOutput()),
            QString::fromUtf8(proces.readAllStandardError())};
}

} // namespace proces
