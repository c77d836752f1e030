#pragma once

// A program run as a separate process, as a user runs it: its exit status
// and what it printed.

#include <QProcess>
#include <QString>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace proces {

struct Beh {
    int kod = -1; // -1 when it crashed or did not end
    QString ven, chyby;
};

// Runs `program` in `slozka`. `limit` caps the size of any file it writes
// (RLIMIT_FSIZE, a full disk as the process sees it), -1 for none; a write
// past it raises SIGXFSZ with its default action, which ends a program that
// does not take care.
inline Beh spust(const QString &program, const QString &slozka, const QStringList &argumenty,
                 qint64 limit = -1,
                 const QProcessEnvironment &prostredi = QProcessEnvironment::systemEnvironment()) {
    QProcess proces;
    proces.setWorkingDirectory(slozka);
    proces.setProcessEnvironment(prostredi);
#ifdef Q_OS_UNIX
    if (limit >= 0)
        proces.setChildProcessModifier([limit] {
            const rlimit mez{rlim_t(limit), rlim_t(limit)};
            setrlimit(RLIMIT_FSIZE, &mez);
            std::signal(SIGXFSZ, SIG_DFL);
        });
#endif
    proces.start(program, argumenty);
    if (!proces.waitForFinished(120000))
        return {};
    return {proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1,
            QString::fromUtf8(proces.readAllStandardOutput()),
            QString::fromUtf8(proces.readAllStandardError())};
}

} // namespace proces
