#include "chyby_systemu.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>

namespace vinula::chyby {

QString popis(int cislo) {
    switch (cislo) {
    case 0:
        return QStringLiteral("neznámá chyba");
    case ENOENT:
        return QStringLiteral("soubor nebo složka neexistuje");
    case ENOTDIR:
        return QStringLiteral("část cesty není složka");
    case EISDIR:
        return QStringLiteral("je to složka, ne soubor");
    case EACCES:
    case EPERM:
        return QStringLiteral("chybí oprávnění");
    case EROFS:
        return QStringLiteral("systém souborů je jen pro čtení");
    case ENOSPC:
        return QStringLiteral("na disku není místo");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("vyčerpaná disková kvóta");
#endif
    case EFBIG:
        return QStringLiteral("soubor by přerostl největší dovolenou velikost");
    case ENAMETOOLONG:
        return QStringLiteral("název nebo cesta je příliš dlouhá");
#ifdef ELOOP
    case ELOOP:
        return QStringLiteral("příliš mnoho symbolických odkazů za sebou");
#endif
    case EEXIST:
        return QStringLiteral("soubor už existuje");
    case EIO:
        return QStringLiteral("chyba vstupu či výstupu zařízení");
    case EBADF:
        return QStringLiteral("kanál je zavřený");
    case EPIPE:
        return QStringLiteral("příjemce přestal číst");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("otevřeno příliš mnoho souborů");
    case ENOMEM:
        return QStringLiteral("nedostatek paměti");
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return QStringLiteral("soubor je právě používán");
    case EINVAL:
        return QStringLiteral("systém souborů takovou operaci nedovolí");
    case EXDEV:
        return QStringLiteral("soubory leží na různých discích");
    default:
        return QStringLiteral("chyba systému č. %1").arg(cislo);
    }
}

QString popis(int cislo, const QString &cesta) {
    if (cislo != ENAMETOOLONG)
        return popis(cislo);
    // The system counts bytes, in its own encoding.
    const QByteArray bajty = QFile::encodeName(QDir::toNativeSeparators(cesta));
    qsizetype nejdelsi = 0;
    for (const QByteArray &cast : bajty.split(QDir::separator().toLatin1()))
        nejdelsi = std::max(nejdelsi, cast.size());
    if (nejdelsi > 255)
        return QStringLiteral("název je příliš dlouhý (%1 bajtů, nejvýš 255)").arg(nejdelsi);
    return QStringLiteral("cesta je příliš dlouhá (%1 bajtů)").arg(bajty.size());
}

} // namespace vinula::chyby
