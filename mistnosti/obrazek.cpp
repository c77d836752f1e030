#include "prikazy.h"

#include "main/kresleni.h"
#include "room/roomfile.h"
#include "slova.h"
#include "souhrn.h"
#include "zapis.h"
#include "zdroj.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace vinula::mistnosti {

namespace {

// A sheet holds at most this many rooms: 400 half-size rooms are a picture
// of 1250 × 23,010 pixels, about 115 MB while it is drawn.
constexpr qint64 nejviceNaArchu = 400;

// The sheet: rooms at half size in rows of four, each with a line of text
// beneath.
constexpr int sloupcuArchu = 4;
constexpr int sirkaNahledu = kresleni::sirkaPlochy / 2;
constexpr int vyskaNahledu = kresleni::vyskaPlochy / 2;
constexpr int vyskaPopisku = 20;
constexpr int okraj = 10;
constexpr QRgb barvaArchu = 0xffffffff;

// The room as the editor's surface shows it after loading it: a cleared
// surface, the full redraw, then the grid lines when they are on.
QImage plochaMistnosti(QByteArrayView zaznam, bool mrizka) {
    Mistnost mistnost;
    roomfile::bunkyZaznamu(zaznam, mistnost);
    QImage plocha = kresleni::novaPlocha();
    kresleni::prekreslit(plocha, mistnost);
    if (mrizka)
        kresleni::nakresliMrizku(plocha);
    return plocha;
}

// Where the room numbered poradi + 1 goes on the sheet: row `rada` from the
// top, place `misto` in it from the left (not a room's řádek and sloupec,
// which are x and y).
QRect poleNahledu(qint64 poradi) {
    const int misto = static_cast<int>(poradi % sloupcuArchu);
    const int rada = static_cast<int>(poradi / sloupcuArchu);
    return {okraj + misto * (sirkaNahledu + okraj),
            okraj + rada * (vyskaNahledu + vyskaPopisku + okraj), sirkaNahledu, vyskaNahledu};
}

bool nakresliArch(Zdroj &zdroj, bool mrizka, QImage &arch, QString *duvod) {
    const qint64 pocet = zdroj.pocet();
    const int sloupcu = static_cast<int>(std::min<qint64>(pocet, sloupcuArchu));
    const QRect posledni = poleNahledu(pocet - 1);
    arch = QImage(okraj + sloupcu * (sirkaNahledu + okraj),
                  posledni.bottom() + 1 + vyskaPopisku + okraj, QImage::Format_RGB32);
    if (arch.isNull())
        return nastavDuvod(duvod, QStringLiteral("na obrázek není dost paměti"));
    arch.fill(barvaArchu);
    QPainter malir(&arch);
    QFont pismo = malir.font();
    pismo.setPixelSize(13);
    malir.setFont(pismo);
    malir.setPen(Qt::black);
    const QFontMetrics miry(pismo);
    return zdroj.projdi(
        [&](qint64 cislo, QByteArrayView zaznam) {
            const QRect pole = poleNahledu(cislo - 1);
            // Smooth scaling averages each 2 × 2 block, so thin lines stay
            // visible at half size.
            malir.drawImage(pole.topLeft(), plochaMistnosti(zaznam, mrizka)
                                                .scaled(pole.size(), Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation));
            const QString popisek =
                QStringLiteral("%1  %2").arg(cislo).arg(naRadek(nazevBezMezer(zaznam)));
            malir.drawText(QRect(pole.left(), pole.bottom() + 1, pole.width(), vyskaPopisku),
                           Qt::AlignLeft | Qt::AlignVCenter,
                           miry.elidedText(popisek, Qt::ElideRight, pole.width()));
            return true;
        },
        duvod);
}

} // namespace

int obrazek(const Prikaz &prikaz, const Kanaly &kanaly) {
    const QString &zadana = prikaz.zbytek[0];
    const QString cesta = proUzivatele(zadana);
    Zdroj zdroj(zadana);
    QString duvod;
    if (!zdroj.otevriCely(&duvod)) {
        ohlas(kanaly, cesta, duvod);
        return chybnyVstup;
    }
    const QString vystup = proUzivatele(prikaz.vystup);
    if (const QString zabrany = zabranyVystup(prikaz.vystup); !zabrany.isEmpty()) {
        ohlas(kanaly, vystup, zabrany);
        return chybnyVstup;
    }

    QImage obraz;
    if (prikaz.zbytek.size() == 2) {
        const auto cislo = rozeberCislo(prikaz.zbytek[1], zdroj.pocet(), &duvod);
        if (!cislo) {
            ohlas(kanaly, cesta, duvod);
            return chybnyVstup;
        }
        const auto zaznam = roomfile::nactiZaznamy(zdroj.soubor(), *cislo, 1, &duvod);
        if (!zaznam) {
            ohlas(kanaly, cesta, duvod);
            return chybnyVstup;
        }
        obraz = plochaMistnosti(*zaznam, prikaz.mrizka);
    } else {
        if (zdroj.pocet() == 0) {
            ohlas(kanaly, cesta, QStringLiteral("soubor nemá žádnou místnost, není co kreslit"));
            return chybnyVstup;
        }
        if (zdroj.pocet() > nejviceNaArchu) {
            ohlas(kanaly, cesta,
                  QStringLiteral("soubor má %1, arch pojme nejvýš %2; vyberte místnosti "
                                 "příkazem vyjmout")
                      .arg(mistnosti(zdroj.pocet()), mistnosti(nejviceNaArchu)));
            return chybnyVstup;
        }
        if (!nakresliArch(zdroj, prikaz.mrizka, obraz, &duvod)) {
            ohlas(kanaly, cesta, duvod);
            return chybnyVstup;
        }
    }

    // Encoded in memory first: the PNG library would print its own English
    // message on a full disk.
    QBuffer png;
    if (!png.open(QIODevice::WriteOnly) || !obraz.save(&png, "PNG")) {
        ohlas(kanaly, vystup, QStringLiteral("obrázek nelze zakódovat jako PNG"));
        return chybnyVstup;
    }
    if (!zapisNovy(
            prikaz.vystup, [&png](const Zapis &zapis) { return zapis(png.data()); }, &duvod)) {
        ohlas(kanaly, vystup, duvod);
        return chybnyVstup;
    }
    return uspech;
}

QString napovedaObrazku() {
    static const char *const text =
        R"(Použití: vinula-mistnosti obrazek SOUBOR [ČÍSLO] -o VÝSTUP.png [--mrizka]

Nakreslí místnost ČÍSLO tak, jak ji ukazuje plocha editoru: 600 × 400 bodů,
tytéž obrázky předmětů. Bez čísla nakreslí arch všech místností souboru
v řadách, každou v poloviční velikosti s číslem a názvem pod ní; arch pojme
nejvýš %1, větší soubor rozdělte příkazem vyjmout.

Volby:
  -o, --vystup VÝSTUP   obrázek PNG, který se vytvoří; existující soubor se
                        nikdy nepřepíše
  --mrizka              s čarami mřížky jako v editoru
  -h, --help            tato nápověda

Obrázek se objeví celý, nebo vůbec. Návratový kód 2 při chybném vstupu nebo
chybě zápisu.
)";
    return QString::fromUtf8(text).arg(mistnosti(nejviceNaArchu));
}

} // namespace vinula::mistnosti
