// The work behind Tiled's extension "Místnosti Vinuly": a whole room file
// opened as one map and saved back. The extension only runs these two; the
// rules stay here.

#include "prikazy.h"
#include "zapis.h"

#include "room/roomfile.h"
#include "slova.h"
#include "tiled_cteni.h"
#include "tiled_zapis.h"
#include "zdroj.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace vinula::mistnosti {

namespace {

// The tilesets the maps of room files use, in the user's cache, made when
// missing. Tiled keeps referring to them while a map is open, so they stay;
// the folder is named by their content, so that another version of the
// tool never takes tiles of a different layout.
std::optional<QDir> sadyVMezipameti(QString *duvod) {
    const QByteArray sada = tiled::sbirka(tiled::Sada::katalog);
    const QByteArray sadaMimo = tiled::sbirka(tiled::Sada::mimo);
    const QString otisk = QString::fromLatin1(
        QCryptographicHash::hash(sada + sadaMimo + VINULA_VERZE, QCryptographicHash::Sha256)
            .toHex()
            .left(12));
    const QDir slozka(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                      QStringLiteral("/vinula-mistnosti/sady-") + otisk);
    if (!QDir().mkpath(slozka.filePath(QStringLiteral("dlazdice"))))
        return odmitni(duvod, QStringLiteral("složku pro sady dlaždic %1 nelze vytvořit")
                                  .arg(proUzivatele(slozka.path())));
    // Pictures first, the tilesets last: a tileset there has its pictures.
    QList<std::pair<QString, std::function<QByteArray()>>> soubory;
    for (int kod = 0; kod < 256; ++kod)
        soubory.append({tiled::souborDlazdice(kod), [kod] { return tiled::obrazekDlazdice(kod); }});
    soubory.append({tiled::souborSbirky, [&] { return sada; }});
    soubory.append({tiled::souborSbirkyMimo, [&] { return sadaMimo; }});
    for (const auto &[jmeno, obsah] : soubory) {
        const QString cesta = slozka.filePath(jmeno);
        if (QFileInfo::exists(cesta))
            continue;
        const QByteArray data = obsah();
        QString proc;
        // Another run may make it meanwhile: a whole file either way.
        if ((data.isEmpty() ||
             !zapisNovy(
                 cesta, [&data](const Zapis &zapis) { return zapis(data); }, &proc)) &&
            !QFileInfo::exists(cesta))
            return odmitni(duvod,
                           proUzivatele(cesta) + QStringLiteral(": ") +
                               (data.isEmpty() ? QStringLiteral("obrázek nelze zakódovat") : proc));
    }
    return slozka;
}

} // namespace

int tiledOtevri(const Prikaz &prikaz, const Kanaly &kanaly) {
    const QString cesta = proUzivatele(prikaz.zbytek[0]);
    Zdroj zdroj(prikaz.zbytek[0]);
    QString duvod;
    if (!zdroj.otevriCely(&duvod)) {
        ohlas(kanaly, cesta, duvod);
        return chybnyVstup;
    }
    const QByteArray soubor = zdroj.soubor().readAll();
    if (zdroj.soubor().error() != QFileDevice::NoError ||
        soubor.size() != zdroj.pocet() * roomfile::delkaZaznamu) {
        ohlas(kanaly, cesta, QStringLiteral("chyba při čtení souboru"));
        return chybnyVstup;
    }
    for (qint64 n = 1; n <= zdroj.pocet(); ++n)
        if (const QString proc = tiled::nazevNejdeDoMapy(QByteArrayView(soubor).sliced(
                (n - 1) * roomfile::delkaZaznamu, roomfile::delkaZaznamu));
            !proc.isEmpty()) {
            ohlas(kanaly, cesta, QStringLiteral("místnost %1: %2").arg(n).arg(proc));
            return chybnyVstup;
        }
    // The map goes where temporary files go; the extension takes it away
    // once Tiled has read it.
    const QString mapa = QDir::temp().filePath(
        QStringLiteral("vinula-mistnosti-%1.tmx")
            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    const auto sady = sadyVMezipameti(&duvod);
    if (!sady) {
        ohlas(kanaly, cesta, duvod);
        return chybnyVstup;
    }
    const QByteArray data = tiled::mapaSouboru(soubor, *sady);
    if (!zapisNovy(
            mapa, [&data](const Zapis &zapis) { return zapis(data); }, &duvod)) {
        ohlas(kanaly, proUzivatele(mapa), duvod);
        return chybnyVstup;
    }
    // The path is the result: a map nobody can be told of goes again, and
    // the failed output makes the status.
    kanaly.ven << mapa << '\n';
    if (!kanaly.ven.flush())
        QFile::remove(mapa);
    return uspech;
}

int tiledUloz(const Prikaz &prikaz, const Kanaly &kanaly) {
    const QString mapa = prikaz.zbytek[0];
    const QString cil = prikaz.zbytek[1];
    const QString ukaz = proUzivatele(cil);
    QFile souborMapy(mapa);
    QString duvod;
    if (!roomfile::otevriProCteni(souborMapy, &duvod)) {
        ohlas(kanaly, proUzivatele(mapa), duvod);
        return chybnyVstup;
    }
    tiled::Ctenar ctenar;
    QString otisk;
    const auto mistnosti = ctenar.mistnostiSouboru(souborMapy.readAll(), mapa, &otisk, &duvod);
    if (!mistnosti) {
        ohlas(kanaly, ukaz, duvod + QStringLiteral("; soubor zůstal, jak byl"));
        return chybnyVstup;
    }
    const QByteArray novy = mistnosti->join();

    // A file that is not there yet holds nothing anyone could lose.
    const bool existuje = QFileInfo::exists(cil) || QFileInfo(cil).isSymLink();
    const bool ok =
        existuje
            ? nahradSoubor(
                  cil,
                  [&otisk](const QByteArray &stary) {
                      if (otisk.isEmpty())
                          return QStringLiteral("mapa nevznikla otevřením tohoto souboru "
                                                "(nemá vlastnost „otisk“), soubor se jí nepřepíše");
                      if (tiled::otiskSouboru(stary) != otisk)
                          return QStringLiteral(
                              "soubor se od načtení v Tiledu změnil (zapsal do něj jiný program); "
                              "aby se nic neztratilo, nepřepíše se, otevřete ho znovu");
                      return QString();
                  },
                  novy, &duvod)
            : zapisNovy(
                  cil, [&novy](const Zapis &zapis) { return zapis(novy); }, &duvod);
    if (!ok) {
        ohlas(kanaly, ukaz, duvod);
        return chybnyVstup;
    }
    ohlasZapsane(kanaly, ukaz + QStringLiteral(": uloženo ") +
                             pocetSlovy(mistnosti->size(), "místnost", "místnosti", "místností") +
                             QStringLiteral(", otisk ") + tiled::otiskSouboru(novy));
    return uspech;
}

QString napovedaTiledOtevri() {
    static const char *const text =
        R"(Použití: vinula-mistnosti tiled-otevri SOUBOR

Pro rozšíření editoru Tiled „Místnosti Vinuly“: zapíše celý SOUBOR místností
jako jednu mapu Tiledu (TMX) do složky dočasných souborů a vypíše její cestu.
Každá místnost je jedna vrstva dlaždic pojmenovaná názvem místnosti;
místnost 1 je v seznamu vrstev nahoře a jen ona je vidět. Mapa nese otisk
souboru (vlastnost „otisk“), podle něhož příkaz tiled-uloz pozná, že se
soubor mezitím změnil.

Volby:
  -h, --help            tato nápověda

Návratový kód 2 při chybném vstupu nebo chybě zápisu.
)";
    return QString::fromUtf8(text);
}

QString napovedaTiledUloz() {
    static const char *const text =
        R"(Použití: vinula-mistnosti tiled-uloz MAPA.tmx SOUBOR

Pro rozšíření editoru Tiled „Místnosti Vinuly“: nahradí SOUBOR místnostmi
MAPY, kterou zapsal Tiled. Každá vrstva dlaždic je místnost (horní v seznamu
vrstev je místnost 1, název vrstvy je název místnosti); vrstvy objektů
a obrázků se nečtou. Každá místnost musí projít kontrolou editoru (právě
jedna vinula, na okraji plochy; aspoň jedno jídlo; název nejvýš 50 znaků ve
Windows-1250; dlaždice jen ze sad Vinuly, neotočené). Soubor se zamkne jako
při připojování a nahradí se celý najednou; změnil-li se od chvíle, kdy ho
Tiled načetl (otisk mapy nesouhlasí), nepřepíše se. Při odmítnutí zůstane
soubor, jak byl. Vypíše nový otisk souboru.

Volby:
  -h, --help            tato nápověda

Návratový kód 2 při chybném vstupu nebo chybě zápisu.
)";
    return QString::fromUtf8(text);
}

} // namespace vinula::mistnosti
