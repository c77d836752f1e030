#include "tiled_cteni.h"

#include "dialogs/kontrola.h"
#include "items/katalog.h"
#include "room/roomfile.h"
#include "slova.h"
#include "tiled.h"
#include "tiled_json.h"
#include "tiled_nazev.h"
#include "tiled_sada.h"
#include "tiled_tmx.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vinula::mistnosti::tiled {

namespace {

constexpr quint32 priznaky = 0xF0000000u; // flipped and rotated

std::optional<QByteArray> nactiSoubor(const QString &cesta, QString *duvod) {
    QFile soubor(cesta);
    if (!roomfile::otevriProCteni(soubor, duvod))
        return std::nullopt;
    // Read one byte past its size or the bound, as the file may grow
    // meanwhile.
    QByteArray data = soubor.read(std::min(soubor.size(), nejvetsiSoubor) + 1);
    if (soubor.error() != QFileDevice::NoError)
        return odmitni(duvod, QStringLiteral("chyba při čtení souboru"));
    if (data.size() > nejvetsiSoubor)
        return odmitni(duvod, QStringLiteral("soubor je větší než %1 MB, tak velká mapa ani "
                                             "sada dlaždic nebývá")
                                  .arg(nejvetsiSoubor / 1024 / 1024));
    return data;
}

// The file behind every link to it, so that aliases of one tileset are
// read once; a path that leads nowhere stands for itself.
QString totozny(const QString &cesta) {
    const QFileInfo info(cesta);
    const QString kanonicka = info.canonicalFilePath();
    return kanonicka.isEmpty() ? info.absoluteFilePath() : kanonicka;
}

} // namespace

const Ctenar::Nactena &Ctenar::externi(const QString &cesta) {
    const QString klic = totozny(cesta);
    if (const auto it = sady_.constFind(klic); it != sady_.cend())
        return *it;
    Nactena nactena;
    nactena.cesta = cesta;
    if (const auto data = nactiSoubor(cesta, &nactena.chyba))
        if (auto sada = sadaZDat(*data, &nactena.chyba))
            nactena.sada = std::make_shared<const SadaDlazdic>(std::move(*sada));
    return *sady_.insert(klic, nactena);
}

QStringList Ctenar::cteneSady() const {
    QStringList cesty;
    for (const Nactena &nactena : sady_)
        cesty.append(nactena.cesta);
    return cesty;
}

std::optional<QByteArray> Ctenar::mistnost(const QString &cesta, QString *duvod, bool *bezNazvu) {
    const auto data = nactiSoubor(cesta, duvod);
    if (!data)
        return std::nullopt;
    return mistnost(*data, cesta, duvod, bezNazvu);
}

std::optional<QByteArray> Ctenar::mistnost(const QByteArray &data, const QString &cesta,
                                           QString *duvod, bool *bezNazvu) {
    Obsah obsah;
    const Forma f = forma(data);
    if (f == Forma::jina)
        return odmitni(duvod, QStringLiteral("není to mapa Tiledu (TMX ani JSON)"));
    if (!(f == Forma::xml ? ctiTmx(data, obsah, duvod) : ctiJson(data, obsah, duvod)))
        return std::nullopt;
    if (obsah.vrstev == 0)
        return odmitni(duvod, QStringLiteral("mapa nemá žádnou vrstvu dlaždic"));
    std::stable_sort(obsah.sady.begin(), obsah.sady.end(),
                     [](const Odkaz &a, const Odkaz &b) { return a.prvni < b.prvni; });
    // The tile layer's name, as Tiled shows it; the property of maps made
    // before, when there is one; the file's name as the last resort.
    QString nazev = obsah.nazev.value_or(obsah.jmenoVrstvy);
    QString odkud;
    const bool bez = nazev.isEmpty();
    if (bez) {
        nazev = QFileInfo(cesta).completeBaseName();
        odkud = QStringLiteral(" (vrstva dlaždic nemá jméno, název je jméno souboru)");
    }
    if (bezNazvu)
        *bezNazvu = bez;
    return zaznam(obsah.sady, obsah.gidy, QFileInfo(cesta).absoluteDir(), nazev, odkud, duvod);
}

std::optional<QList<QByteArray>> Ctenar::mistnostiSouboru(const QByteArray &data,
                                                          const QString &cesta, QString *otisk,
                                                          QString *duvod) {
    Obsah obsah;
    obsah.vsechnyVrstvy = true;
    if (forma(data) != Forma::xml)
        return odmitni(duvod, QStringLiteral("není to mapa Tiledu ve formátu TMX"));
    if (!ctiTmx(data, obsah, duvod))
        return std::nullopt;
    if (obsah.vrstvy.isEmpty())
        return odmitni(duvod, QStringLiteral("mapa nemá žádnou vrstvu dlaždic; soubor bez "
                                             "místností se neukládá"));
    std::stable_sort(obsah.sady.begin(), obsah.sady.end(),
                     [](const Odkaz &a, const Odkaz &b) { return a.prvni < b.prvni; });
    if (otisk)
        *otisk = obsah.otisk.value_or(QString());
    // Room 1 is the top layer of Tiled's list, the last one in the file.
    QList<QByteArray> zaznamy;
    const qsizetype pocet = obsah.vrstvy.size();
    for (qsizetype n = 1; n <= pocet; ++n) {
        const Vrstva &vrstva = obsah.vrstvy[pocet - n];
        QString proc;
        const auto jeden = zaznam(obsah.sady, vrstva.gidy, QFileInfo(cesta).absoluteDir(),
                                  vrstva.jmeno, {}, &proc);
        if (!jeden)
            return odmitni(duvod, QStringLiteral("místnost %1 (vrstva %2): %3")
                                      .arg(QString::number(n), citace(vrstva.jmeno), proc));
        zaznamy.append(*jeden);
    }
    return zaznamy;
}

std::optional<QByteArray> Ctenar::zaznam(const QList<Odkaz> &sady, const Gidy &gidy,
                                         const QDir &slozkaMapy, const QString &jmeno,
                                         const QString &odkud, QString *duvod) {
    // The code of a GID, or -1 with the reason; each GID is looked up once.
    QHash<quint32, int> znamych;
    const auto kodGidu = [&](quint32 gid, int x, int y) {
        if (const auto it = znamych.constFind(gid); it != znamych.cend())
            return *it;
        const QString kde = QStringLiteral("na (%1, %2)").arg(x).arg(y);
        const auto nic = [duvod](const QString &text) {
            nastavDuvod(duvod, text);
            return -1;
        };
        const auto za = std::upper_bound(sady.cbegin(), sady.cend(), gid,
                                         [](quint32 g, const Odkaz &o) { return g < o.prvni; });
        if (za == sady.cbegin())
            return nic(
                QStringLiteral("dlaždice %1 %2 nepatří žádné sadě dlaždic mapy").arg(gid).arg(kde));
        const Odkaz &odkaz = *(za - 1);
        std::shared_ptr<const SadaDlazdic> sada = odkaz.vlozena;
        const QString jmeno = citace(odkaz.zdroj.isEmpty() ? odkaz.vlozena->nazev : odkaz.zdroj);
        if (!sada) {
            const Nactena &nactena = externi(slozkaMapy.filePath(odkaz.zdroj));
            if (!nactena.sada)
                return nic(QStringLiteral("dlaždice %1 je ze sady %2, kterou nelze přečíst: %3")
                               .arg(kde, jmeno, nactena.chyba));
            sada = nactena.sada;
        }
        if (!sada->vinuly)
            return nic(QStringLiteral("dlaždice %1 je ze sady %2, která není sadou Vinuly "
                                      "(nemá vlastnost „vinula“)")
                           .arg(kde, jmeno));
        const qint64 id = gid - odkaz.prvni;
        if (sada->dlazdic >= 0 && id >= sada->dlazdic)
            return nic(QStringLiteral("dlaždice %1 leží za koncem sady %2, která má %3 dlaždic")
                           .arg(kde, jmeno)
                           .arg(sada->dlazdic));
        const int kod = sada->kody.value(id, -2);
        if (kod < 0)
            return nic(QStringLiteral("dlaždice %1 (č. %2 sady %3) %4")
                           .arg(kde)
                           .arg(id)
                           .arg(jmeno, kod == -2
                                           ? QStringLiteral("nemá vlastnost „kod“, nepatří "
                                                            "žádnému předmětu")
                                           : QStringLiteral("má vlastnost „kod“ jinou než celé "
                                                            "číslo 0–255")));
        znamych.insert(gid, kod);
        return kod;
    };

    Mistnost mistnost;
    for (int i = 0; i < bunek; ++i) {
        const quint32 gid = gidy[static_cast<std::size_t>(i)];
        const int x = i % Mistnost::sirka;
        const int y = i / Mistnost::sirka;
        if (gid == 0)
            continue; // an empty cell, which Tiled's eraser leaves: free floor
        if (gid & priznaky)
            return odmitni(duvod, QStringLiteral("dlaždice na (%1, %2) je otočená nebo "
                                                 "převrácená; předměty mají jen jednu podobu")
                                      .arg(x)
                                      .arg(y));
        const int kod = kodGidu(gid, x, y);
        if (kod < 0)
            return std::nullopt;
        mistnost.nastav(x, y, static_cast<Kod>(kod));
    }

    const QString nazev = jmeno.normalized(QString::NormalizationForm_C);
    if (const QString proc = chybaNazvu(nazev); !proc.isEmpty())
        return odmitni(duvod, proc + odkud);
    if (const QString proc = kontrola::chyba(mistnost); !proc.isEmpty())
        return odmitni(duvod, proc);
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            if (katalog::jeVinula(mistnost.bunka(x, y)) && !Mistnost::naOkraji(x, y))
                return odmitni(duvod, QStringLiteral("vinula na (%1, %2) není na okraji plochy; "
                                                     "editor ji dovolí jen na krajní buňky")
                                          .arg(x)
                                          .arg(y));
    return roomfile::zaznam(nazev, mistnost);
}

} // namespace vinula::mistnosti::tiled
