#include "napoveda.h"
#include "prikazy.h"
#include "zapis.h"

#include "room/roomfile.h"
#include "slova.h"
#include "tiled.h"
#include "tiled_cteni.h"
#include "tiled_svet.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace vinula::mistnosti {

namespace {

// The forms Tiled saves a map in; one room saved in two of them is a trap.
const QStringList formyMap{QStringLiteral("tmx"), QStringLiteral("tmj"), QStringLiteral("json")};

QString jeSvet(const QString &cesta) {
    return QFileInfo(cesta).suffix().compare(u"world", Qt::CaseInsensitive) == 0 ? cesta
                                                                                 : QString();
}

// The same room in other forms beside the map: their paths.
QStringList sourozenci(const QString &mapa) {
    const QFileInfo info(mapa);
    QStringList jine;
    for (const QString &forma : formyMap)
        if (info.suffix() != forma)
            if (const QFileInfo jiny(info.dir().filePath(info.completeBaseName() + u'.' + forma));
                jiny.isFile())
                jine.append(QDir::cleanPath(jiny.filePath()));
    return jine;
}

// The maps to read: worlds opened into theirs. Refused, each named with the
// other: a room saved twice in two forms among them, and a map a world
// names while the same room stands newer beside it in another form (saved
// as another format, the world still naming the old file).
std::optional<QStringList> vstupy(const QStringList &argumenty, const Kanaly &kanaly) {
    QStringList mapy;
    bool ok = true;
    for (const QString &argument : argumenty) {
        if (jeSvet(argument).isEmpty()) {
            mapy.append(argument);
            continue;
        }
        QString duvod;
        const auto zeSveta = tiled::mapySveta(argument, &duvod);
        if (!zeSveta) {
            ohlas(kanaly, proUzivatele(argument), duvod);
            ok = false;
            continue;
        }
        for (const QString &mapa : *zeSveta) {
            const QDateTime kdy = QFileInfo(mapa).lastModified();
            for (const QString &jiny : sourozenci(mapa))
                if (QFileInfo(jiny).lastModified() > kdy) {
                    ohlas(kanaly, proUzivatele(mapa),
                          QStringLiteral("svět %1 jmenuje tuto mapu, ale %2 vedle ní je novější "
                                         "(tatáž místnost uložená v jiném formátu); uložte svět "
                                         "znovu nebo starou mapu smažte")
                              .arg(proUzivatele(argument), proUzivatele(jiny)));
                    ok = false;
                }
            mapy.append(mapa);
        }
    }
    QHash<QString, QString> mistnosti; // the folder and base name: the path first seen
    for (const QString &mapa : mapy) {
        const QFileInfo info(mapa);
        const QString klic = info.absoluteDir().filePath(info.completeBaseName());
        const auto it = mistnosti.constFind(klic);
        if (it == mistnosti.cend()) {
            mistnosti.insert(klic, mapa);
        } else if (QFileInfo(*it).suffix() != info.suffix() && formyMap.contains(info.suffix()) &&
                   formyMap.contains(QFileInfo(*it).suffix())) {
            ohlas(kanaly, proUzivatele(mapa),
                  QStringLiteral("tatáž místnost jako %1, uložená dvakrát v jiném formátu "
                                 "Tiledu; vyberte jednu")
                      .arg(proUzivatele(*it)));
            ok = false;
        }
    }
    if (!ok)
        return std::nullopt;
    return mapy;
}

} // namespace

int zTiled(const Prikaz &prikaz, const Kanaly &kanaly) {
    const QString vystup = proUzivatele(prikaz.vystup);
    const QString nic = prikaz.pripojit ? QStringLiteral("nic se nepřipojilo")
                                        : QStringLiteral("výstupní soubor nevznikl");
    const auto mapy = vstupy(prikaz.zbytek, kanaly);
    if (!mapy) {
        ohlas(kanaly, vystup, nic);
        return chybnyVstup;
    }
    // Every map is read before anything is written, and every faulty one is
    // reported, so that one run tells the designer all there is to fix.
    tiled::Ctenar ctenar;
    QByteArray mistnosti;
    mistnosti.reserve(mapy->size() * roomfile::delkaZaznamu);
    bool vsechny = true;
    for (const QString &mapa : *mapy) {
        QString duvod;
        bool bezNazvu = false;
        if (const auto zaznam = ctenar.mistnost(mapa, &duvod, &bezNazvu)) {
            mistnosti += *zaznam;
            // Never renamed silently: a deleted property is a likely mistake.
            if (bezNazvu)
                ohlas(kanaly, proUzivatele(mapa),
                      QStringLiteral("varování: vrstva dlaždic mapy nemá jméno, místnost se "
                                     "jmenuje podle souboru %1")
                          .arg(vUvozovkach(QFileInfo(mapa).completeBaseName())));
        } else {
            ohlas(kanaly, proUzivatele(mapa), duvod);
            vsechny = false;
        }
    }
    if (!vsechny) {
        ohlas(kanaly, vystup, nic);
        return chybnyVstup;
    }
    return zapisMistnosti(
        prikaz, kanaly, mapy->size(),
        [&mistnosti](const Zapis &zapis, QString *) {
            return zapis(mistnosti) ? Kopie::hotovo : Kopie::chybaZapisu;
        },
        {}, prikaz.zbytek + *mapy + ctenar.cteneSady());
}

QString napovedaZTiledu() {
    static const char *const text =
        R"(Použití: vinula-mistnosti z-tiled MAPA… -o NOVÝ.DAT [--pripojit]

Z každé MAPY editoru Tiled (TMX, nebo JSON .tmj/.json) udělá jednu
místnost, v daném pořadí, a zapíše je jako příkaz vyjmout. Mapa musí mít
30 × 20 dlaždic, pravoúhlou orientaci, jedinou vrstvu dlaždic (CSV, base64,
base64 se zlib nebo gzip, v JSON i pole čísel) a dlaždice jen ze sad, které
zapsal příkaz do-tiled (poznají se podle vlastností, ne podle jména souboru),
neotočené a nepřevrácené. Prázdná buňka je volná plocha. Název místnosti je
jméno vrstvy dlaždic (v mapách starších verzí vlastnost mapy „nazev“);
vrstva bez jména dá jméno souboru mapy bez přípony a vypíše se varování.
Název má nejvýš 50 znaků ve Windows-1250. Místnost musí projít kontrolou
editoru (právě jedna vinula, aspoň jedno jídlo) a vinula musí stát na okraji
plochy. Odmítne-li se kterákoli mapa, vypíše se každá chybná s důvodem
a nezapíše se nic.

Místo map lze dát svět Tiledu (.world): jeho mapy se čtou po řadách shora
dolů, v řadě zleva doprava. Odmítne se tatáž místnost uložená dvakrát
(stejné jméno, jiný formát: .tmx, .tmj, .json) a mapa, kterou svět jmenuje,
když vedle ní leží novější tatáž místnost v jiném formátu.

Volby:
%1)";
    return QString::fromUtf8(text).arg(volbyZapisu());
}

} // namespace vinula::mistnosti
