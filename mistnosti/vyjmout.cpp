#include "prikazy.h"

#include "preruseni.h"
#include "room/platforma.h"
#include "room/roomfile.h"
#include "slova.h"
#include "zdroj.h"

#include <QThread>

namespace vinula::mistnosti {

namespace {

// Copies the rooms into `zapis` in blocks of about 650 kB, so that memory
// does not grow with the list. A failed read says why in *duvodCteni.
Kopie zkopiruj(Zdroj &zdroj, const QList<Usek> &useky, const Zapis &zapis, QString *duvodCteni) {
    constexpr qsizetype davka = 1000 * roomfile::delkaZaznamu;
    QByteArray data;
    data.reserve(davka);
    bool zapsano = true;
    const auto prijmi = [&](qint64, QByteArrayView zaznam) {
        data.append(zaznam);
        if (data.size() < davka)
            return true;
        zapsano = zapis(data);
        data.clear();
        return zapsano;
    };
    for (const Usek &usek : useky)
        if (!zdroj.projdi(usek, prijmi, duvodCteni))
            return zapsano ? Kopie::chybaCteni : Kopie::chybaZapisu;
    if (!data.isEmpty() && !zapis(data))
        return Kopie::chybaZapisu;
    return Kopie::hotovo;
}

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

} // namespace

int vyjmout(const Prikaz &prikaz, const Kanaly &kanaly) {
    const QString &zadana = prikaz.zbytek[0];
    const QString cesta = proUzivatele(zadana);
    const QString vystup = proUzivatele(prikaz.vystup);
    Zdroj zdroj(zadana);
    QString duvod;
    if (!zdroj.otevriCely(&duvod)) {
        ohlas(kanaly, cesta, duvod);
        return chybnyVstup;
    }
    const auto useky = rozeberCisla(prikaz.zbytek[1], zdroj.pocet(), &duvod);
    if (!useky) {
        ohlas(kanaly, cesta, duvod);
        return chybnyVstup;
    }
    qint64 pocet = 0;
    for (const Usek &usek : *useky)
        pocet += usek.delka();
    if (platforma::jsouTentyzSoubor(prikaz.vystup, zadana)) {
        ohlas(kanaly, vystup,
              QStringLiteral("výstup je tentýž soubor jako zdroj, zdroj se nemění"));
        return chybnyVstup;
    }
    return zapisMistnosti(
        prikaz, kanaly, pocet,
        [&](const Zapis &zapis, QString *duvodCteni) {
            return zkopiruj(zdroj, *useky, zapis, duvodCteni);
        },
        cesta);
}

int zapisMistnosti(const Prikaz &prikaz, const Kanaly &kanaly, qint64 pocet, const Dodavka &dodej,
                   const QString &zdroj) {
    const QString vystup = proUzivatele(prikaz.vystup);
    QString duvod;
    Kopie kopie = Kopie::hotovo;
    QString duvodCteni;
    if (!prikaz.pripojit) {
        if (const QString zabrany = zabranyVystup(
                prikaz.vystup, QStringLiteral("; připojit k němu lze volbou --pripojit"));
            !zabrany.isEmpty()) {
            ohlas(kanaly, vystup, zabrany);
            return chybnyVstup;
        }
        const bool ok = zapisNovy(
            prikaz.vystup,
            [&](QIODevice &soubor, QString *proc) {
                const auto zapis = [&soubor, proc](QByteArrayView data) {
                    return zapisVse(soubor, data, proc);
                };
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
        kanaly.ven << vystup << ": vytvořen, " << cislaMistnosti(1, pocet) << '\n';
        return uspech;
    }

    // A stop signal ends the append as a failure does: cut back.
    ZachyceniSignalu signaly;
    roomfile::Pripojeni pripojeni(prikaz.vystup);
    if (!pripojeni.otevri(&duvod, cekaniNaSoubor(kanaly, vystup))) {
        if (const int signal = prerusujiciSignal())
            duvod = popisPreruseni(signal);
        ohlas(kanaly, vystup, duvod);
        return chybnyVstup;
    }
    // Dropping `pripojeni` without dokonci() leaves the file as it was.
    const qint64 predtim = roomfile::pocetMistnosti(pripojeni.puvodniDelka());
    if (predtim < 0) {
        ohlas(kanaly, vystup,
              QStringLiteral("délka %1 není násobkem 650, není to soubor místností; nic se "
                             "nepřipojilo")
                  .arg(pocetSlovy(pripojeni.puvodniDelka(), "bajt", "bajty", "bajtů")));
        return chybnyVstup;
    }
    // Stopped before each block and before the end: what was written is taken
    // back.
    const auto preruseno = [&] {
        const int signal = prerusujiciSignal();
        if (signal != 0)
            pripojeni.vzdej(popisPreruseni(signal), &duvod);
        return signal != 0;
    };
    kopie =
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
    kanaly.ven << vystup << ": připojen" << (pocet == 1 ? "a " : "y ")
               << cislaMistnosti(predtim + 1, pocet) << '\n';
    return uspech;
}

} // namespace vinula::mistnosti
