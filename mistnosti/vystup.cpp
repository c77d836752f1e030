#include "vystup.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace vinula::mistnosti {

void ohlas(const Kanaly &kanaly, const QString &kde, const QString &duvod) {
    kanaly.chyby << "vinula-mistnosti: " << kde << ": " << duvod << '\n';
    kanaly.chyby.flush();
}

QString proUzivatele(const QString &cesta) {
    return QDir::toNativeSeparators(cesta);
}

QString zabranyVystup(const QString &cesta) {
    const QFileInfo info(cesta);
    if (info.exists() || info.isSymLink())
        return QStringLiteral("výstupní soubor už existuje a nepřepíše se");
    return {};
}

QString chybaZapisu() {
    return QStringLiteral("zápis se nezdařil, disk je možná plný; soubor nevznikl");
}

bool zapisNovy(const QString &cesta, const std::function<bool(QIODevice &, QString *)> &zapis,
               QString *duvod) {
    const auto odmitni = [duvod](const QString &text) {
        if (duvod)
            *duvod = text;
        return false;
    };
    if (!QFileInfo(cesta).absoluteDir().exists())
        return odmitni(QStringLiteral("složka výstupního souboru neexistuje"));
    QSaveFile soubor(cesta);
    // Unbuffered, so that every write reports a full disk itself: a buffered
    // QSaveFile flushes only in commit(), which can miss a short write there.
    if (!soubor.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return odmitni(QStringLiteral("výstupní soubor nelze vytvořit"));
    // Without a commit the temporary file goes with `soubor`.
    QString proc;
    if (!zapis(soubor, &proc))
        return odmitni(proc.isEmpty() ? chybaZapisu() : proc);
    if (soubor.error() != QFileDevice::NoError || !soubor.commit())
        return odmitni(chybaZapisu());
    return true;
}

} // namespace vinula::mistnosti
