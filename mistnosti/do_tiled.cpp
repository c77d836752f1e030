#include "prikazy.h"
#include "zapis.h"

#include "preruseni.h"
#include "slova.h"
#include "tiled_zapis.h"
#include "zdroj.h"

#include "room/chyby_systemu.h"
#include "room/platforma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

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
    // Makes the folder with every missing folder above it: 0, or the
    // system's error number.
    int vytvor(const QString &slozka) {
        QStringList chybi;
        for (QFileInfo info(slozka); !info.exists() && !info.isSymLink();
             info = QFileInfo(info.absolutePath())) {
            chybi.prepend(info.absoluteFilePath());
            if (info.isRoot())
                break;
        }
        for (const QString &nova : chybi) {
            if (!QDir().mkdir(nova))
                return platforma::posledniChyba();
            slozky_.prepend(nova);
        }
        return 0;
    }
    // A folder made under a name of its own: 0, or the system's error.
    int vytvorNovou(const QString &slozka) {
        if (!QDir().mkdir(slozka))
            return platforma::posledniChyba();
        slozky_.prepend(slozka);
        return 0;
    }
    void pridej(const QString &soubor) { soubory_.append(soubor); }
    void hotovo() { hotovo_ = true; }

private:
    QStringList soubory_;
    QStringList slozky_;
    bool hotovo_ = false;
};

// A new export is built in a hidden folder beside its own and then renamed
// into place, so that the folder appears whole or not at all, even when the
// run is killed. Such a leftover has a name of its own and blocks no rerun.
QString stavba(const QString &slozka) {
    const QFileInfo info(slozka);
    return info.absoluteDir().filePath(
        QStringLiteral(".%1.vinula-%2")
            .arg(info.fileName())
            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
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

    const QString slozka = QDir::cleanPath(prikaz.vystup);
    const QString ukaz = proUzivatele(prikaz.vystup);
    const QFileInfo infoSlozky(slozka);
    if ((infoSlozky.exists() || infoSlozky.isSymLink()) && !infoSlozky.isDir()) {
        ohlas(kanaly, ukaz, QStringLiteral("není složka; nic se nezapsalo"));
        return chybnyVstup;
    }
    const QDir cil(slozka);
    QStringList mapy;
    for (qint64 n = 1; n <= pocet; ++n)
        mapy.append(tiled::jmenoMapy(n, pocet));
    QStringList soubory{tiled::pngSady, tiled::souborSady};
    if (mimo)
        soubory << tiled::pngSadyMimo << QString(tiled::souborSadyMimo);
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
    // Into a folder that is there the files go one by one, each whole.
    const bool nova = !infoSlozky.exists();
    const QDir kam(nova ? stavba(slozka) : slozka);
    if (nova) {
        int chyba = uklid.vytvor(infoSlozky.absolutePath());
        if (!chyba)
            chyba = uklid.vytvorNovou(kam.path());
        if (chyba) {
            ohlas(kanaly, ukaz,
                  QStringLiteral("složku nelze vytvořit: %1; nic se nezapsalo")
                      .arg(chyby::popis(chyba, slozka)));
            return chybnyVstup;
        }
    }
    // Each file whole or not at all; after a failure or a stop signal none.
    // Messages name the file by its final path.
    const auto zapis = [&](const QString &jmeno, const QByteArray &data) {
        const QString soubor = kam.filePath(jmeno);
        const QString zpet = QStringLiteral("; co se už zapsalo, je zase pryč");
        QString chyba;
        if (!zapisNovy(
                soubor, [&data](const Zapis &zapisKus) { return zapisKus(data); }, &chyba,
                nova ? Synchronizace::nakonec : Synchronizace::kazdy)) {
            ohlas(kanaly, proUzivatele(cil.filePath(jmeno)), chyba + zpet);
            return false;
        }
        uklid.pridej(soubor);
        if (const int signal = prerusujiciSignal()) {
            ohlas(kanaly, ukaz, popisPreruseni(signal) + zpet);
            return false;
        }
        return true;
    };
    const QByteArray png = tiled::obrazekSady(tiled::Sada::katalog);
    const QByteArray pngMimo = mimo ? tiled::obrazekSady(tiled::Sada::mimo) : QByteArray();
    if (png.isEmpty() || (mimo && pngMimo.isEmpty())) {
        ohlas(kanaly, ukaz,
              QStringLiteral("obrázek sady dlaždic nelze zakódovat jako PNG; nic se nezapsalo"));
        return chybnyVstup;
    }
    if (!zapis(tiled::pngSady, png) || !zapis(tiled::souborSady, tiled::sada(tiled::Sada::katalog)))
        return chybnyVstup;
    if (mimo && (!zapis(tiled::pngSadyMimo, pngMimo) ||
                 !zapis(tiled::souborSadyMimo, tiled::sada(tiled::Sada::mimo))))
        return chybnyVstup;
    qint64 poradi = 0;
    bool zapsano = true;
    for (const Usek &usek : *useky) {
        const bool prosel = zdroj.projdi(
            usek,
            [&](qint64, QByteArrayView zaznam) {
                zapsano = zapis(mapy[poradi++], tiled::mapa(zaznam));
                return zapsano;
            },
            &duvod);
        if (!prosel) {
            if (zapsano)
                ohlas(kanaly, cesta, duvod + QStringLiteral("; nic se nezapsalo"));
            return chybnyVstup;
        }
    }
    if (!zapis(tiled::souborSveta, tiled::svet(mapy)))
        return chybnyVstup;
    if (nova) {
        // Every file on the disk before the folder takes its name; one call
        // for them all. A folder of that name that appeared meanwhile is
        // not replaced.
        int chyba = platforma::ulozSouborovySystemNaDisk(kam.path());
        if (chyba == 0)
            chyba = platforma::prejmenujBezPrepsani(kam.path(), slozka);
        if (chyba != 0) {
            ohlas(kanaly, ukaz,
                  QStringLiteral("složku nelze vytvořit: %1; co se už zapsalo, je zase pryč")
                      .arg(chyba == EEXIST ? QStringLiteral("mezitím vznikla")
                                           : chyby::popis(chyba, slozka)));
            return chybnyVstup;
        }
        // The folder's new name on the disk too, as each file's is.
        platforma::ulozSlozkuNaDisk(QFileInfo(slozka).absolutePath());
    }
    uklid.hotovo();

    QString zprava = ukaz + QStringLiteral(": ") + pocetSlovy(pocet, "mapa", "mapy", "map") + u' ' +
                     mapy.first();
    if (pocet > 1)
        zprava += QStringLiteral("–") + mapy.last();
    zprava += QStringLiteral(", sada dlaždic ") + QString(tiled::souborSady);
    if (mimo)
        zprava += QStringLiteral(" a ") + QString(tiled::souborSadyMimo);
    ohlasZapsane(kanaly, zprava + QStringLiteral(", svět ") + QString(tiled::souborSveta));
    return uspech;
}

QString napovedaDoTiledu() {
    static const char *const text =
        R"(Použití: vinula-mistnosti do-tiled SOUBOR [ČÍSLA] -o SLOŽKA

Převede místnosti SOUBORU (bez ČÍSEL všechny, jinak jmenované jako u příkazu
vyjmout) na mapy editoru map Tiled. Do SLOŽKY (chybí-li, vytvoří ji) zapíše:
  0001.tmx, 0002.tmx, …   jednu mapu 30 × 20 dlaždic na místnost, v pořadí;
                          vrstva dlaždic se jmenuje názvem místnosti
                          (přejmenování vrstvy místnost přejmenuje)
  vinula.tsx, vinula.png  sadu dlaždic s obrázky předmětů jako v editoru,
                          každý předmět jednou, bez prázdných dlaždic; každá
                          dlaždice nese svůj druh a vlastnosti „kod“ a „nazev“
  mimo-katalog.tsx, .png  sadu pro kódy mimo katalog, jen když je některá
                          místnost obsahuje
  mistnosti.world         svět Tiledu s mapami vedle sebe, po deseti v řadě

Volby:
  -o, --vystup SLOŽKA   kam se mapy zapíšou; soubor, který už ve složce je,
                        se nikdy nepřepíše a pak se nezapíše nic
  -h, --help            tato nápověda

Nepovede-li se zápis, zapsané soubory (i nově vytvořená složka) zmizí.
Návratový kód 2 při chybném vstupu nebo chybě zápisu.
)";
    return QString::fromUtf8(text);
}

} // namespace vinula::mistnosti
