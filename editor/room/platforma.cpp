#include "platforma.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#endif

namespace vinula::platforma {

int posledniChyba() {
    return errno;
}

int zapisVse(QIODevice &zarizeni, QByteArrayView data, qint64 *zapsano) {
    qint64 hotovo = 0;
    int chyba = 0;
    while (hotovo < data.size()) {
        const qint64 kus = zarizeni.write(data.data() + hotovo, data.size() - hotovo);
        if (kus <= 0) {
            chyba = errno != 0 ? errno : EIO;
            break;
        }
        hotovo += kus;
    }
    if (zapsano)
        *zapsano = hotovo;
    return chyba;
}

#ifdef Q_OS_UNIX

Zamek zamkni(int deskriptor) {
    while (flock(deskriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return Zamek::obsazeno;
        // Some network file systems have no locks at all.
        if (errno == ENOLCK || errno == EOPNOTSUPP)
            return Zamek::bezZamku;
        if (errno != EINTR)
            return Zamek::chyba;
    }
    return Zamek::zamceno;
}

bool jeTamtezSoubor(int deskriptor, const QString &cesta) {
    struct stat otevreny {};
    struct stat pojmenovany {};
    return fstat(deskriptor, &otevreny) == 0 &&
           stat(QFile::encodeName(cesta).constData(), &pojmenovany) == 0 &&
           otevreny.st_dev == pojmenovany.st_dev && otevreny.st_ino == pojmenovany.st_ino;
}

bool jsouTentyzSoubor(const QString &a, const QString &b) {
    struct stat prvni {};
    struct stat druhy {};
    return stat(QFile::encodeName(a).constData(), &prvni) == 0 &&
           stat(QFile::encodeName(b).constData(), &druhy) == 0 && prvni.st_dev == druhy.st_dev &&
           prvni.st_ino == druhy.st_ino;
}

int prejmenujBezPrepsani(const QString &z, const QString &na) {
    const QByteArray zdroj = QFile::encodeName(z);
    const QByteArray cil = QFile::encodeName(na);
#if defined(Q_OS_LINUX) && defined(SYS_renameat2)
    constexpr unsigned bezPrepsani = 1; // RENAME_NOREPLACE
    if (syscall(SYS_renameat2, AT_FDCWD, zdroj.constData(), AT_FDCWD, cil.constData(),
                bezPrepsani) == 0)
        return 0;
    // Only a file system or kernel without the call falls through to the link.
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
#endif
    // A hard link is refused when the name exists; the temporary name goes
    // afterwards.
    if (link(zdroj.constData(), cil.constData()) == 0) {
        unlink(zdroj.constData());
        return 0;
    }
    // A file system without hard links (FAT) leaves only a check before the
    // rename, which a file appearing in between would still beat.
    if (errno != EPERM && errno != EOPNOTSUPP)
        return errno;
    struct stat info {};
    if (lstat(cil.constData(), &info) == 0)
        return EEXIST;
    return rename(zdroj.constData(), cil.constData()) == 0 ? 0 : errno;
}

int prejmenujSPrepsanim(const QString &z, const QString &na) {
    return rename(QFile::encodeName(z).constData(), QFile::encodeName(na).constData()) == 0 ? 0
                                                                                            : errno;
}

// Syncing a file system that cannot (a pipe, some FUSE mounts) is no error.
static int chybaSynchronizace() {
    return errno == EINVAL || errno == EROFS || errno == ENOTSUP ? 0 : errno;
}

int ulozNaDisk(int deskriptor) {
    while (fsync(deskriptor) != 0)
        if (errno != EINTR)
            return chybaSynchronizace();
    return 0;
}

int ulozSlozkuNaDisk(const QString &slozka) {
    const int deskriptor = open(QFile::encodeName(slozka).constData(), O_RDONLY | O_DIRECTORY);
    if (deskriptor < 0)
        return errno;
    const int chyba = ulozNaDisk(deskriptor);
    close(deskriptor);
    return chyba;
}

int ulozSouborovySystemNaDisk(const QString &slozka) {
#ifdef Q_OS_LINUX
    const int deskriptor = open(QFile::encodeName(slozka).constData(), O_RDONLY | O_DIRECTORY);
    if (deskriptor < 0)
        return errno;
    const int chyba = syncfs(deskriptor) == 0 ? 0 : errno;
    close(deskriptor);
    return chyba;
#else
    (void)slozka;
    sync();
    return 0;
#endif
}

int chybaCesty(const QString &cesta) {
    struct stat info {};
    return lstat(QFile::encodeName(cesta).constData(), &info) == 0 ? 0 : errno;
}

#else

Zamek zamkni(int) {
    return Zamek::zamceno;
}

bool jeTamtezSoubor(int, const QString &) {
    return true;
}

bool jsouTentyzSoubor(const QString &a, const QString &b) {
    const QFileInfo prvni(a), druhy(b);
    return prvni.exists() && druhy.exists() &&
           prvni.canonicalFilePath().compare(druhy.canonicalFilePath(), Qt::CaseInsensitive) == 0;
}

int prejmenujBezPrepsani(const QString &z, const QString &na) {
    // Renaming onto an existing name fails here, as the call promises.
    if (QFile::rename(z, na))
        return 0;
    return QFileInfo::exists(na) ? EEXIST : EIO;
}

int prejmenujSPrepsanim(const QString &z, const QString &na) {
    // Elsewhere the old file goes first; QSaveFile's way of replacing.
    if (QFile::exists(na) && !QFile::remove(na))
        return EACCES;
    return QFile::rename(z, na) ? 0 : EIO;
}

int ulozNaDisk(int deskriptor) {
#ifdef Q_OS_WIN
    return _commit(deskriptor) == 0 ? 0 : errno;
#else
    (void)deskriptor;
    return 0;
#endif
}

int ulozSlozkuNaDisk(const QString &) {
    return 0;
}

int ulozSouborovySystemNaDisk(const QString &) {
    return 0;
}

int chybaCesty(const QString &cesta) {
    const QFileInfo info(cesta);
    return info.exists() || info.isSymLink() ? 0 : ENOENT;
}

#endif

} // namespace vinula::platforma
