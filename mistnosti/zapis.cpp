#include "zapis.h"

#include "preruseni.h"
#include "room/chyby_systemu.h"
#include "room/platforma.h"
#include "room/roomfile.h"
#include "slova.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QThread>

#include <cerrno>
#include <memory>

namespace vinula::mistnosti {

QString zabranyVystup(const QString &cesta, const QString &kdyzExistuje) {
    const int chyba = platforma::chybaCesty(cesta);
    if (chyba == ENOENT)
        return {};
    if (chyba != 0)
        return chyby::popis(chyba, cesta);
    if (const QFileInfo info(cesta); info.isSymLink() && !info.exists())
        return QStringLiteral("na místě výstupního souboru je symbolický odkaz k souboru, který "
                              "neexistuje; odkaz se nepřepíše") +
               kdyzExistuje;
    return QStringLiteral("výstupní soubor už existuje a nepřepíše se") + kdyzExistuje;
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
        if (const int chyba = platforma::posledniChyba(); chyba != EEXIST) {
            nastavDuvod(duvod, nevznikl(chyby::popis(chyba, soubor->fileName())));
            return nullptr;
        }
    }
    nastavDuvod(duvod, nevznikl(QStringLiteral("nenašel se volný dočasný název")));
    return nullptr;
}

// Writes one piece whole into a file that is not there yet, or says why in
// words for a file that did not come into being. A stop signal that arrived
// is a reason too.
bool zapisKus(QFile &soubor, QByteArrayView data, QString *duvod) {
    if (const int signal = prerusujiciSignal())
        return nastavDuvod(duvod, nevznikl(popisPreruseni(signal)));
    if (const int chyba = platforma::zapisVse(soubor, data); chyba != 0)
        return nastavDuvod(
            duvod, nevznikl(QStringLiteral("zápis se nezdařil: %1").arg(chyby::popis(chyba))));
    return true;
}

} // namespace

bool zapisNovy(const QString &cesta, const std::function<bool(const Zapis &)> &obsah,
               QString *duvod, Synchronizace synchronizace) {
    const bool kazdy = synchronizace == Synchronizace::kazdy;
    const QString slozka = QFileInfo(cesta).absolutePath();
    if (const int chyba = platforma::chybaCesty(slozka); chyba != 0)
        return nastavDuvod(
            duvod,
            chyba == ENOENT
                ? QStringLiteral("složka výstupního souboru neexistuje")
                : QStringLiteral("složka výstupního souboru: %1").arg(chyby::popis(chyba, slozka)));
    if (!QFileInfo(slozka).isDir())
        return nastavDuvod(duvod, QStringLiteral("cesta k výstupnímu souboru nevede přes složku"));

    ZachyceniSignalu signaly;
    QString proc;
    const std::unique_ptr<QFile> docasny = docasnySoubor(cesta, &proc);
    if (!docasny)
        return nastavDuvod(duvod, proc);
    // Until the file has its name, the temporary one goes on every way out.
    auto uklid = qScopeGuard([&docasny] { docasny->remove(); });
    if (!obsah([&](QByteArrayView data) { return zapisKus(*docasny, data, &proc); }))
        return nastavDuvod(duvod,
                           proc.isEmpty() ? nevznikl(QStringLiteral("zápis se nezdařil")) : proc);
    // Whole on the disk before it takes the name: after a power cut the name
    // never stands for an empty or half file.
    if (const int chyba = kazdy ? platforma::ulozNaDisk(static_cast<int>(docasny->handle())) : 0;
        chyba != 0)
        return nastavDuvod(
            duvod, nevznikl(QStringLiteral("zápis se nezdařil: %1").arg(chyby::popis(chyba))));
    docasny->close();
    if (docasny->error() != QFileDevice::NoError)
        return nastavDuvod(duvod, nevznikl(QStringLiteral("zápis se nepodařilo dokončit")));
    if (const int signal = prerusujiciSignal())
        return nastavDuvod(duvod, nevznikl(popisPreruseni(signal)));
    const int chyba = platforma::prejmenujBezPrepsani(docasny->fileName(), cesta);
    if (chyba == EEXIST)
        return nastavDuvod(duvod, QStringLiteral("výstupní soubor mezitím vytvořil jiný program; "
                                                 "nepřepíše se a tento soubor nevznikl"));
    if (chyba != 0)
        return nastavDuvod(duvod, nevznikl(chyby::popis(chyba, cesta)));
    uklid.dismiss();
    // The new name itself, on the disk too. The file is there either way;
    // a folder that cannot be synced is no reason to say it is not.
    if (kazdy)
        platforma::ulozSlozkuNaDisk(slozka);
    return true;
}

bool nahradSoubor(const QString &cesta, const std::function<QString(const QByteArray &)> &povol,
                  QByteArrayView novy, QString *duvod) {
    const QString beze = QStringLiteral("; soubor zůstal, jak byl");
    const QFileInfo info(cesta);
    const QString skutecna = info.isSymLink() ? info.canonicalFilePath() : cesta;
    QFile soubor(skutecna);
    if (skutecna.isEmpty() || !roomfile::otevriProCteni(soubor, duvod))
        return skutecna.isEmpty() ? nastavDuvod(duvod, QStringLiteral("odkaz nevede k souboru"))
                                  : false;
    const int deskriptor = static_cast<int>(soubor.handle());
    switch (platforma::zamkni(deskriptor)) {
    case platforma::Zamek::obsazeno:
        return nastavDuvod(duvod, QStringLiteral("do souboru právě zapisuje jiný program") + beze);
    case platforma::Zamek::chyba:
        return nastavDuvod(duvod, QStringLiteral("soubor nelze zamknout: %1")
                                          .arg(chyby::popis(platforma::posledniChyba())) +
                                      beze);
    case platforma::Zamek::zamceno:
    case platforma::Zamek::bezZamku:
        break;
    }
    if (!platforma::jeTamtezSoubor(deskriptor, skutecna))
        return nastavDuvod(duvod, QStringLiteral("soubor mezitím nahradil jiný program") + beze);
    const QByteArray stary = soubor.readAll();
    if (soubor.error() != QFileDevice::NoError)
        return nastavDuvod(duvod, QStringLiteral("chyba při čtení souboru") + beze);
    if (const QString proc = povol(stary); !proc.isEmpty())
        return nastavDuvod(duvod, proc + beze);

    ZachyceniSignalu signaly;
    QString proc;
    const std::unique_ptr<QFile> docasny = docasnySoubor(skutecna, &proc);
    if (!docasny)
        return nastavDuvod(duvod, QStringLiteral("vedle souboru nelze vytvořit dočasný") + beze);
    auto uklid = qScopeGuard([&docasny] { docasny->remove(); });
    const auto selhal = [&](int chyba) {
        return nastavDuvod(duvod,
                           QStringLiteral("zápis se nezdařil: %1").arg(chyby::popis(chyba)) + beze);
    };
    if (const int signal = prerusujiciSignal())
        return nastavDuvod(duvod, popisPreruseni(signal) + beze);
    if (const int chyba = platforma::zapisVse(*docasny, novy))
        return selhal(chyba);
    if (const int chyba = platforma::ulozNaDisk(static_cast<int>(docasny->handle())))
        return selhal(chyba);
    // The file keeps who may read and write it.
    docasny->setPermissions(soubor.permissions());
    docasny->close();
    if (docasny->error() != QFileDevice::NoError)
        return nastavDuvod(duvod, QStringLiteral("zápis se nepodařilo dokončit") + beze);
    if (const int signal = prerusujiciSignal())
        return nastavDuvod(duvod, popisPreruseni(signal) + beze);
    if (const int chyba = platforma::prejmenujSPrepsanim(docasny->fileName(), skutecna))
        return nastavDuvod(duvod, chyby::popis(chyba, skutecna) + beze);
    uklid.dismiss();
    platforma::ulozSlozkuNaDisk(QFileInfo(skutecna).absolutePath());
    return true;
}

namespace {

// "místnost č. 4" or "místnosti č. 4–7": the numbers the rooms have in the
// output.
QString cislaMistnosti(qint64 prvni, qint64 pocet) {
    if (pocet == 1)
        return QStringLiteral("místnost č. %1").arg(prvni);
    return QStringLiteral("místnosti č. %1–%2").arg(prvni).arg(prvni + pocet - 1);
}

// Waits for a file that another program is appending to, saying so once; a
// stop signal ends the waiting.
std::function<bool()> cekaniNaSoubor(const Kanaly &kanaly, const QString &vystup) {
    return [&kanaly, vystup, ohlaseno = false]() mutable {
        if (!ohlaseno)
            ohlas(kanaly, vystup, QStringLiteral("do souboru právě zapisuje jiný program, čekám"));
        ohlaseno = true;
        QThread::msleep(20);
        return prerusujiciSignal() == 0;
    };
}

int vytvorSoubor(const Prikaz &prikaz, const Kanaly &kanaly, qint64 pocet, const Dodavka &dodej,
                 const QString &zdroj) {
    const QString vystup = proUzivatele(prikaz.vystup);
    if (const QString zabrany =
            zabranyVystup(prikaz.vystup, QStringLiteral("; připojit k němu lze volbou --pripojit"));
        !zabrany.isEmpty()) {
        ohlas(kanaly, vystup, zabrany);
        return chybnyVstup;
    }
    Kopie kopie = Kopie::hotovo;
    QString duvod;
    QString duvodCteni;
    const bool ok = zapisNovy(
        prikaz.vystup,
        [&](const Zapis &zapis) {
            kopie = dodej(zapis, &duvodCteni);
            return kopie == Kopie::hotovo;
        },
        &duvod);
    if (kopie == Kopie::chybaCteni) {
        ohlas(kanaly, zdroj, duvodCteni + QStringLiteral("; výstupní soubor nevznikl"));
        return chybnyVstup;
    }
    if (!ok) {
        ohlas(kanaly, vystup, duvod);
        return chybnyVstup;
    }
    ohlasZapsane(kanaly, vystup + QStringLiteral(": vytvořen, ") + cislaMistnosti(1, pocet));
    return uspech;
}

int pripojKSouboru(const Prikaz &prikaz, const Kanaly &kanaly, qint64 pocet, const Dodavka &dodej,
                   const QString &zdroj) {
    const QString vystup = proUzivatele(prikaz.vystup);
    // A stop signal ends the append as a failure does: cut back.
    ZachyceniSignalu signaly;
    roomfile::Pripojeni pripojeni(prikaz.vystup);
    QString duvod;
    if (!pripojeni.otevri(&duvod,
                          {.cekej = cekaniNaSoubor(kanaly, vystup), .jenCeleZaznamy = true})) {
        if (const int signal = prerusujiciSignal())
            duvod = popisPreruseni(signal);
        ohlas(kanaly, vystup, duvod);
        return chybnyVstup;
    }
    if (pripojeni.bezZamku())
        ohlas(kanaly, vystup,
              QStringLiteral("systém souborů nepodporuje zamykání; připojuji bez zámku, jiný "
                             "program, který do souboru zapisuje zároveň, by zápis pomíchal"));
    // Dropping `pripojeni` without dokonci() leaves the file as it was.
    const qint64 predtim = roomfile::pocetMistnosti(pripojeni.puvodniDelka());
    // Stopped before each block and before the end: what was written is taken
    // back.
    const auto preruseno = [&] {
        const int signal = prerusujiciSignal();
        if (signal != 0)
            pripojeni.vzdej(popisPreruseni(signal), &duvod);
        return signal != 0;
    };
    QString duvodCteni;
    const Kopie kopie =
        dodej([&](QByteArrayView data) { return !preruseno() && pripojeni.zapis(data, &duvod); },
              &duvodCteni);
    if (kopie == Kopie::chybaCteni) {
        pripojeni.vzdej(QStringLiteral("zdroj se nepodařilo přečíst"), &duvod);
        ohlas(kanaly, zdroj, duvodCteni);
        ohlas(kanaly, vystup, duvod);
        return chybnyVstup;
    }
    if (kopie == Kopie::chybaZapisu || preruseno() || !pripojeni.dokonci(&duvod)) {
        ohlas(kanaly, vystup, duvod);
        return chybnyVstup;
    }
    ohlasZapsane(
        kanaly, vystup +
                    (pocet == 1 ? QStringLiteral(": připojena ") : QStringLiteral(": připojeny ")) +
                    cislaMistnosti(predtim + 1, pocet));
    return uspech;
}

} // namespace

int zapisMistnosti(const Prikaz &prikaz, const Kanaly &kanaly, qint64 pocet, const Dodavka &dodej,
                   const QString &zdroj, const QStringList &cteneSoubory) {
    for (const QString &cteny : cteneSoubory)
        if (platforma::jsouTentyzSoubor(prikaz.vystup, cteny)) {
            ohlas(kanaly, proUzivatele(prikaz.vystup),
                  QStringLiteral("výstup je tentýž soubor jako zdroj, zdroj se nemění"));
            return chybnyVstup;
        }
    return prikaz.pripojit ? pripojKSouboru(prikaz, kanaly, pocet, dodej, zdroj)
                           : vytvorSoubor(prikaz, kanaly, pocet, dodej, zdroj);
}

} // namespace vinula::mistnosti
