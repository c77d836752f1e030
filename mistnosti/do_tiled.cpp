#include "prikazy.h"

#include "preruseni.h"
#include "slova.h"
#include "tiled_zapis.h"
#include "zdroj.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace vinula::mistnosti {

namespace {

// What one run has made: until it is done, the files it created and the
// folders it made go again, so that a failed export leaves nothing behind.
class Uklid {
public:
    ~Uklid() {
        if (hotovo_)
            return;
        for (const QString &soubor : soubory_)
            QFile::remove(soubor);
        // The deepest first; a folder someone else has put a file into stays.
        for (const QString &slozka : slozky_)
            QDir().rmdir(slozka);
    }
    // Makes the folder with every missing folder above it.
    bool vytvor(const QString &slozka) {
        for (QFileInfo info(slozka); !info.exists() && !info.isSymLink();
             info = QFileInfo(info.absolutePath())) {
            slozky_.append(info.absoluteFilePath());
            if (info.isRoot())
                break;
        }
        return QDir().mkpath(slozka);
    }
    void pridej(const QString &soubor) { soubory_.append(soubor); }
    void hotovo() { hotovo_ = true; }

private:
    QStringList soubory_;
    QStringList slozky_;
    bool hotovo_ = false;
};

struct Soubor {
    QString cesta;
    QByteArray data;
    bool zapsan = false;
    QString duvod;
};

// Maps are written this many at a time, so that memory does not grow with
// the number of rooms.
constexpr std::size_t mapVDavce = 512;

// Writes each file with zapisNovy, several at once: a disk confirms a
// written file (fsync) much sooner when the confirmations overlap, so 1,000
// maps take a fraction of the time they take one after the other.
void zapisSoucasne(std::vector<Soubor> &soubory) {
    constexpr std::size_t vlaken = 32;
    std::atomic<std::size_t> dalsi = 0;
    const auto prace = [&] {
        for (std::size_t i; (i = dalsi++) < soubory.size();) {
            Soubor &soubor = soubory[i];
            soubor.zapsan = zapisNovy(
                soubor.cesta,
                [&soubor](QIODevice &zarizeni, QString *proc) {
                    return zapisVse(zarizeni, soubor.data, proc);
                },
                &soubor.duvod);
        }
    };
    std::vector<std::thread> pomocnici;
    for (std::size_t i = 1; i < std::min(vlaken, soubory.size()); ++i) {
        // Without another thread this one writes them all.
        try {
            pomocnici.emplace_back(prace);
        } catch (const std::system_error &) {
            break;
        }
    }
    prace();
    for (std::thread &pomocnik : pomocnici)
        pomocnik.join();
}

// Opens the room file and takes the rooms of the list, or all of them.
std::optional<QList<Usek>> vyber(Zdroj &zdroj, const QStringList &argumenty, QString *duvod) {
    if (!zdroj.otevriCely(duvod))
        return std::nullopt;
    if (argumenty.size() == 2)
        return rozeberCisla(argumenty[1], zdroj.pocet(), duvod);
    if (zdroj.pocet() == 0)
        return odmitni(duvod, QStringLiteral("soubor nemá žádnou místnost, není co převést"));
    if (zdroj.pocet() > nejviceVSeznamu)
        return odmitni(
            duvod, QStringLiteral("soubor má %1, najednou jde převést nejvýš %2; vyberte je čísly")
                       .arg(mistnosti(zdroj.pocet()), mistnosti(nejviceVSeznamu)));
    return QList<Usek>{Usek{1, zdroj.pocet()}};
}

} // namespace

int doTiled(const Prikaz &prikaz, const Kanaly &kanaly) {
    const QString cesta = proUzivatele(prikaz.zbytek[0]);
    Zdroj zdroj(prikaz.zbytek[0]);
    QString duvod;
    const auto useky = vyber(zdroj, prikaz.zbytek, &duvod);
    if (!useky) {
        ohlas(kanaly, cesta, duvod);
        return chybnyVstup;
    }

    // First every room is looked at, so that a name no map can hold stops
    // the run before anything is written.
    qint64 pocet = 0;
    bool mimo = false;
    QString chybaNazvu;
    const bool precteno = std::all_of(useky->cbegin(), useky->cend(), [&](const Usek &usek) {
        return zdroj.projdi(
            usek,
            [&](qint64 cislo, QByteArrayView zaznam) {
                ++pocet;
                mimo = mimo || tiled::maKodyMimo(zaznam);
                chybaNazvu = tiled::nazevNejdeDoMapy(zaznam);
                if (!chybaNazvu.isEmpty())
                    chybaNazvu = QStringLiteral("místnost %1: %2; nic se nezapsalo")
                                     .arg(cislo)
                                     .arg(chybaNazvu);
                return chybaNazvu.isEmpty();
            },
            &duvod);
    });
    if (!precteno) {
        ohlas(kanaly, cesta, chybaNazvu.isEmpty() ? duvod : chybaNazvu);
        return chybnyVstup;
    }

    const QString slozka = prikaz.vystup;
    const QDir cil(slozka);
    const QFileInfo infoSlozky(slozka);
    if ((infoSlozky.exists() || infoSlozky.isSymLink()) && !infoSlozky.isDir()) {
        ohlas(kanaly, proUzivatele(slozka), QStringLiteral("není složka; nic se nezapsalo"));
        return chybnyVstup;
    }
    QStringList mapy;
    for (qint64 n = 1; n <= pocet; ++n)
        mapy.append(tiled::jmenoMapy(n, pocet));
    QStringList soubory{tiled::pngSady, tiled::souborSady};
    if (mimo)
        soubory << tiled::pngSadyMimo << tiled::souborSadyMimo;
    soubory << mapy << tiled::souborSveta;
    for (const QString &soubor : soubory)
        if (const QString zabrany = zabranyVystup(cil.filePath(soubor)); !zabrany.isEmpty()) {
            ohlas(kanaly, proUzivatele(cil.filePath(soubor)),
                  zabrany + QStringLiteral("; nic se nezapsalo"));
            return chybnyVstup;
        }

    // A stop signal ends the run as a failure does: what it wrote goes again.
    const ZachyceniSignalu signaly;
    Uklid uklid;
    if (!infoSlozky.exists() && !uklid.vytvor(slozka)) {
        ohlas(kanaly, proUzivatele(slozka), QStringLiteral("složku nelze vytvořit"));
        return chybnyVstup;
    }
    // The files go in batches; each file whole or not at all.
    std::vector<Soubor> davka;
    const auto pridej = [&](const QString &jmeno, QByteArray data) {
        davka.push_back({cil.filePath(jmeno), std::move(data), false, {}});
    };
    const auto zapisDavku = [&] {
        zapisSoucasne(davka);
        const Soubor *chybny = nullptr;
        for (const Soubor &soubor : davka) {
            if (soubor.zapsan)
                uklid.pridej(soubor.cesta);
            else if (!chybny)
                chybny = &soubor;
        }
        const QString zpet = QStringLiteral("; co se už zapsalo, je zase pryč");
        const bool ok = !chybny && prerusujiciSignal() == 0;
        if (chybny)
            ohlas(kanaly, proUzivatele(chybny->cesta), chybny->duvod + zpet);
        else if (!ok)
            ohlas(kanaly, proUzivatele(slozka), popisPreruseni(prerusujiciSignal()) + zpet);
        davka.clear();
        return ok;
    };
    pridej(tiled::pngSady, tiled::obrazekSady(tiled::Sada::katalog));
    pridej(tiled::souborSady, tiled::sada(tiled::Sada::katalog));
    if (mimo) {
        pridej(tiled::pngSadyMimo, tiled::obrazekSady(tiled::Sada::mimo));
        pridej(tiled::souborSadyMimo, tiled::sada(tiled::Sada::mimo));
    }
    if (std::any_of(davka.cbegin(), davka.cend(),
                    [](const Soubor &s) { return s.data.isEmpty(); })) {
        ohlas(kanaly, proUzivatele(slozka),
              QStringLiteral("obrázek sady dlaždic nelze zakódovat jako PNG; nic se nezapsalo"));
        return chybnyVstup;
    }
    if (!zapisDavku())
        return chybnyVstup;
    qint64 poradi = 0;
    bool zapsano = true;
    for (const Usek &usek : *useky) {
        const bool prosel = zdroj.projdi(
            usek,
            [&](qint64, QByteArrayView zaznam) {
                pridej(mapy[poradi++], tiled::mapa(zaznam));
                if (davka.size() == mapVDavce)
                    zapsano = zapisDavku();
                return zapsano;
            },
            &duvod);
        if (!prosel) {
            if (zapsano)
                ohlas(kanaly, cesta, duvod + QStringLiteral("; nic se nezapsalo"));
            return chybnyVstup;
        }
    }
    pridej(tiled::souborSveta, tiled::svet(mapy));
    if (!zapisDavku())
        return chybnyVstup;
    uklid.hotovo();

    kanaly.ven << proUzivatele(slozka) << ": " << pocetSlovy(pocet, "mapa", "mapy", "map") << ' '
               << mapy.first();
    if (pocet > 1)
        kanaly.ven << "–" << mapy.last();
    kanaly.ven << ", sada dlaždic " << tiled::souborSady;
    if (mimo)
        kanaly.ven << " a " << tiled::souborSadyMimo;
    kanaly.ven << ", svět " << tiled::souborSveta << '\n';
    return uspech;
}

} // namespace vinula::mistnosti
