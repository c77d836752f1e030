#include "prikazy.h"
#include "zapis.h"

#include "preruseni.h"
#include "slova.h"
#include "tiled_zapis.h"
#include "zdroj.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    if (!infoSlozky.exists() && !uklid.vytvor(slozka)) {
        ohlas(kanaly, proUzivatele(slozka), QStringLiteral("složku nelze vytvořit"));
        return chybnyVstup;
    }
    // Each file whole or not at all; after a failure or a stop signal none.
    const auto zapis = [&](const QString &jmeno, const QByteArray &data) {
        const QString kam = cil.filePath(jmeno);
        const QString zpet = QStringLiteral("; co se už zapsalo, je zase pryč");
        QString chyba;
        if (!zapisNovy(
                kam, [&data](const Zapis &zapisKus) { return zapisKus(data); }, &chyba)) {
            ohlas(kanaly, proUzivatele(kam), chyba + zpet);
            return false;
        }
        uklid.pridej(kam);
        if (const int signal = prerusujiciSignal()) {
            ohlas(kanaly, proUzivatele(slozka), popisPreruseni(signal) + zpet);
            return false;
        }
        return true;
    };
    const QByteArray png = tiled::obrazekSady(tiled::Sada::katalog);
    const QByteArray pngMimo = mimo ? tiled::obrazekSady(tiled::Sada::mimo) : QByteArray();
    if (png.isEmpty() || (mimo && pngMimo.isEmpty())) {
        ohlas(kanaly, proUzivatele(slozka),
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
    uklid.hotovo();

    QString zprava = proUzivatele(slozka) + QStringLiteral(": ") +
                     pocetSlovy(pocet, "mapa", "mapy", "map") + u' ' + mapy.first();
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
                          název místnosti je textová vlastnost mapy „nazev“
  vinula.tsx, vinula.png  sadu dlaždic s obrázky předmětů jako v editoru,
                          rozloženou jako okno Volba předmětů; každá dlaždice
                          nese vlastnosti „kod“ a „nazev“
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
