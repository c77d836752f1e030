#include "prikazy.h"

#include "items/katalog.h"
#include "room/roomfile.h"
#include "slova.h"
#include "souhrn.h"
#include "zdroj.h"

#include <array>

namespace vinula::mistnosti {

namespace {

// One character for each item, so that a changed cell shows in a diff:
// free floor, the vinula, the nine walls, then the sixty-three food items in
// the order of their codes. A code that is no item is '?', and listed.
constexpr char volno = '.';
constexpr char vinula = '@';
constexpr std::string_view zdi = "123456789";
constexpr std::string_view jidla =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!$%&*+/:;<>";
constexpr char cizi = '?';
static_assert(zdi.size() == katalog::pocetZdi && jidla.size() == katalog::pocetJidel);

constexpr std::array<char, 256> znaky = [] {
    std::array<char, 256> z{};
    z.fill(cizi);
    z[0] = volno;
    z[1] = vinula;
    for (int i = 0; i < katalog::pocetZdi; ++i)
        z[katalog::prvniZed + i] = zdi[i];
    for (int i = 0; i < katalog::pocetJidel; ++i)
        z[katalog::prvniJidlo + i] = jidla[i];
    return z;
}();

void vypisMistnost(Kanal &ven, qint64 cislo, QByteArrayView zaznam) {
    ven << "místnost " << cislo << " „";
    vypisNazev(ven, shrn(cislo, zaznam).nazev);
    ven << "“\n";
    for (int y = 0; y < Mistnost::vyska; ++y) {
        char radek[Mistnost::sirka + 1];
        for (int x = 0; x < Mistnost::sirka; ++x)
            radek[x] = znaky[static_cast<quint8>(zaznam[roomfile::posunBunky(x, y)])];
        radek[Mistnost::sirka] = '\n';
        ven << QByteArrayView(radek, sizeof radek);
    }
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            if (const auto kod = static_cast<quint8>(zaznam[roomfile::posunBunky(x, y)]);
                !katalog::jePredmet(kod))
                ven << "mimo katalog (" << x << ", " << y << "): kód " << int(kod) << '\n';
    ven << '\n';
}

} // namespace

int text(const Prikaz &prikaz, const Kanaly &kanaly) {
    int vysledek = uspech;
    for (const QString &zadana : prikaz.zbytek) {
        const QString cesta = proUzivatele(zadana);
        Zdroj zdroj(zadana);
        QString duvod;
        const bool ok = zdroj.otevri(&duvod) && zdroj.projdi(
                                                    [&](qint64 cislo, QByteArrayView zaznam) {
                                                        vypisMistnost(kanaly.ven, cislo, zaznam);
                                                        return true;
                                                    },
                                                    &duvod);
        if (!ok) {
            ohlas(kanaly, cesta, duvod);
            vysledek = chybnyVstup;
        } else if (zdroj.navic() != 0) {
            // Part of the text, so that a diff shows a file cut short.
            kanaly.ven << "navíc " << pocetSlovy(zdroj.navic(), "bajt", "bajty", "bajtů")
                       << " za poslední celou místností\n";
        }
    }
    return vysledek;
}

QString napovedaTextu() {
    static const char *const text =
        R"(Použití: vinula-mistnosti text SOUBOR…

Vypíše každou místnost souborů jako text: řádek s číslem a názvem, pak
plochu, 20 řádků po 30 znacích, jak ji ukazuje editor. Každý předmět má svůj
znak, takže rozdíl dvou verzí ukáže každou změněnou buňku:
  %1  volná plocha      %2  vinula
  %3  zdi (kódy 50–58 v tomto pořadí)
  %4
     jídla (kódy 100–162 v tomto pořadí)
  %5  kód mimo katalog; pod plochou se vypíše s místem (řádek, sloupec)

Pro git (rozdíly souborů místností jako text):
  echo '*.DAT diff=vinula' >> .gitattributes
  git config diff.vinula.textconv 'vinula-mistnosti text'

Volby:
  -h, --help       tato nápověda

Návratový kód 2, když soubor chybí nebo nejde přečíst, nebo když výpis
nejde zapsat, jinak 0. Bajty za poslední celou místností ohlásí výpis.
)";
    return QString::fromUtf8(text).arg(
        QChar(volno), QChar(vinula), QString::fromLatin1(zdi.data(), zdi.size()),
        QString::fromLatin1(jidla.data(), jidla.size()), QChar(cizi));
}

} // namespace vinula::mistnosti
