#include "vystup.h"

#include "preruseni.h"
#include "room/chyby_systemu.h"
#include "room/platforma.h"
#include "slova.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <cerrno>
#include <memory>

namespace vinula::mistnosti {

void ohlas(const Kanaly &kanaly, const QString &kde, const QString &duvod) {
    kanaly.ven.flush();
    kanaly.chyby << "vinula-mistnosti: ";
    // An empty argument has no name to show; the reason says so.
    if (!kde.isEmpty())
        kanaly.chyby << kde << ": ";
    kanaly.chyby << duvod << '\n';
    kanaly.chyby.flush();
}

QString proUzivatele(const QString &cesta) {
    return naRadek(QDir::toNativeSeparators(cesta));
}

QString zabranyVystup(const QString &cesta, const QString &kdyzExistuje) {
    const int chyba = platforma::chybaCesty(cesta);
    if (chyba == 0)
        return QStringLiteral("výstupní soubor už existuje a nepřepíše se") + kdyzExistuje;
    if (chyba == ENOENT)
        return {};
    return chyby::popis(chyba, cesta);
}

namespace {

QString nevznikl(const QString &proc) {
    return proc + QStringLiteral("; soubor nevznikl");
}

// A new file beside `cesta` with a short name of its own, so that a long
// output name still leaves room for it.
std::unique_ptr<QFile> docasnySoubor(const QString &cesta, QString *duvod) {
    const QDir slozka = QFileInfo(cesta).absoluteDir();
    for (int pokus = 0; pokus < 100; ++pokus) {
        auto soubor = std::make_unique<QFile>(slozka.filePath(
            QStringLiteral(".vinula-%1.tmp")
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
        // Unbuffered, so that every write reports a full disk itself.
        if (soubor->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return soubor;
        const int chyba = platforma::posledniChyba();
        if (chyba != EEXIST) {
            if (duvod)
                *duvod = nevznikl(chyby::popis(chyba, soubor->fileName()));
            return nullptr;
        }
    }
    if (duvod)
        *duvod = nevznikl(QStringLiteral("nenašel se volný dočasný název"));
    return nullptr;
}

} // namespace

bool zapisVse(QIODevice &soubor, QByteArrayView data, QString *duvod) {
    if (const int signal = prerusujiciSignal()) {
        if (duvod)
            *duvod = nevznikl(popisPreruseni(signal));
        return false;
    }
    if (const int chyba = platforma::zapisVse(soubor, data); chyba != 0) {
        if (duvod)
            *duvod = nevznikl(QStringLiteral("zápis se nezdařil: %1").arg(chyby::popis(chyba)));
        return false;
    }
    return true;
}

bool zapisNovy(const QString &cesta, const std::function<bool(QIODevice &, QString *)> &zapis,
               QString *duvod) {
    const auto odmitni = [duvod](const QString &text) {
        if (duvod)
            *duvod = text;
        return false;
    };
    const QString slozka = QFileInfo(cesta).absolutePath();
    if (const int chyba = platforma::chybaCesty(slozka); chyba != 0)
        return odmitni(
            chyba == ENOENT
                ? QStringLiteral("složka výstupního souboru neexistuje")
                : QStringLiteral("složka výstupního souboru: %1").arg(chyby::popis(chyba, slozka)));
    if (!QFileInfo(slozka).isDir())
        return odmitni(QStringLiteral("cesta k výstupnímu souboru nevede přes složku"));

    ZachyceniSignalu signaly;
    QString proc;
    const std::unique_ptr<QFile> docasny = docasnySoubor(cesta, &proc);
    if (!docasny)
        return odmitni(proc);
    // Until the file has its name, the temporary one goes on every way out.
    auto uklid = qScopeGuard([&docasny] { docasny->remove(); });
    if (!zapis(*docasny, &proc))
        return odmitni(proc.isEmpty() ? nevznikl(QStringLiteral("zápis se nezdařil")) : proc);
    docasny->close();
    if (docasny->error() != QFileDevice::NoError)
        return odmitni(nevznikl(QStringLiteral("zápis se nepodařilo dokončit")));
    if (const int signal = prerusujiciSignal())
        return odmitni(nevznikl(popisPreruseni(signal)));
    const int chyba = platforma::prejmenujBezPrepsani(docasny->fileName(), cesta);
    if (chyba == EEXIST)
        return odmitni(QStringLiteral("výstupní soubor mezitím vytvořil jiný program; nepřepíše "
                                      "se a tento soubor nevznikl"));
    if (chyba != 0)
        return odmitni(nevznikl(chyby::popis(chyba, cesta)));
    uklid.dismiss();
    return true;
}

} // namespace vinula::mistnosti
