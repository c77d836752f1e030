#include "prikazy.h"

#include "dialogs/kontrola.h"
#include "slova.h"
#include "souhrn.h"
#include "zdroj.h"

#include <QDir>

#include <algorithm>

namespace vinula::mistnosti {

namespace {

QString vPoradku() {
    return QStringLiteral("v pořádku");
}

QString vysledek(const Souhrn &s) {
    return s.hratelna() ? vPoradku() : s.procNehratelna();
}

// The inside of a JSON string. Only the quote, the backslash and control
// characters below U+0020 need escaping; the rest goes as it is.
QString jsonZnaky(const QString &text) {
    QString vysledek;
    vysledek.reserve(text.size());
    for (const QChar znak : text) {
        if (znak == u'"' || znak == u'\\') {
            vysledek += u'\\';
            vysledek += znak;
        } else if (znak.unicode() < 0x20) {
            vysledek += QStringLiteral("\\u%1").arg(znak.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            vysledek += znak;
        }
    }
    return vysledek;
}

void jsonText(Kanal &ven, const QString &text) {
    const bool beze = std::none_of(text.begin(), text.end(), [](QChar znak) {
        return znak == u'"' || znak == u'\\' || znak.unicode() < 0x20;
    });
    ven << '"' << (beze ? text : jsonZnaky(text)) << '"';
}

void jsonNazev(Kanal &ven, QByteArrayView nazev) {
    static const TextyBajtu proJson(jsonZnaky);
    ven << '"';
    proJson.vypis(ven, nazev);
    ven << '"';
}

// One room, written by hand: a JSON library makes the listing of a large
// file twice as slow.
void vypisMistnost(Kanal &ven, const Souhrn &s) {
    ven << "{\"cislo\":" << s.cislo << ",\"nazev\":";
    jsonNazev(ven, s.nazev);
    ven << ",\"vinuly\":" << s.vinuly << ",\"vinula\":";
    if (s.vinuly == 1)
        ven << "{\"x\":" << s.vinula.x() << ",\"y\":" << s.vinula.y() << '}';
    else
        ven << "null";
    ven << ",\"jidla\":" << s.jidla << ",\"zdi\":" << s.zdi
        << ",\"v_poradku\":" << (s.hratelna() ? "true" : "false") << ",\"kontrola\":";
    jsonText(ven, vysledek(s));
    ven << '}';
}

// One file as a JSON object; its rooms are written one by one, so that a
// file of any size costs no more memory than one room.
bool vypisJson(Zdroj &zdroj, const QString &cesta, const QString &chyba, const Kanaly &kanaly,
               QString *duvod) {
    kanaly.ven << "{\"soubor\":";
    jsonText(kanaly.ven, cesta);
    kanaly.ven << ",\"pocet_mistnosti\":" << zdroj.pocet();
    if (!chyba.isEmpty()) {
        kanaly.ven << ",\"chyba\":";
        jsonText(kanaly.ven, chyba);
    }
    kanaly.ven << ",\"mistnosti\":[";
    const char *oddelovac = "\n";
    const bool ok = zdroj.projdi(
        [&](qint64 cislo, QByteArrayView zaznam) {
            kanaly.ven << oddelovac;
            vypisMistnost(kanaly.ven, shrn(cislo, zaznam));
            oddelovac = ",\n";
            return true;
        },
        duvod);
    kanaly.ven << "\n]}";
    return ok;
}

// The listing's columns. The check's column is as wide as the longest text
// it can hold, so that the name, of any length, stands last and each room's
// line is written as soon as the room is read.
constexpr int sirkaVinuly = 9; // "(29, 19)", "chybí", "600 vinul"
constexpr int sirkaJidel = 5;  // "jídla" above at most 600
constexpr int sirkaZdi = 3;

int sirkaKontroly() {
    static const int sirka = [] {
        qsizetype nejvic = std::max(vPoradku().size(), vinulaMimoOkraj().size());
        // Every message of the editor's check: no vinula, two, no food.
        for (const kontrola::Pocty pocty :
             {kontrola::Pocty{0, 1}, kontrola::Pocty{2, 1}, kontrola::Pocty{1, 0}})
            nejvic = std::max(nejvic, kontrola::chyba(pocty).size());
        return static_cast<int>(nejvic);
    }();
    return sirka;
}

int cifer(int cislo) {
    int pocet = 1;
    for (; cislo >= 10; cislo /= 10)
        ++pocet;
    return pocet;
}

// "(3, 0)", "chybí" or "2 vinuly".
void vypisVinulu(Kanal &ven, const Souhrn &s) {
    if (s.vinuly == 1) {
        const int x = s.vinula.x(), y = s.vinula.y();
        ven << '(' << x << ", " << y << ')';
        ven.mezery(sirkaVinuly - cifer(x) - cifer(y) - 4);
    } else if (s.vinuly == 0) {
        ven.vlevo("chybí", sirkaVinuly);
    } else {
        ven.vlevo(pocetSlovy(s.vinuly, "vinula", "vinuly", "vinul").toUtf8(), sirkaVinuly);
    }
}

void vypisRadek(Kanal &ven, const Souhrn &s, int sirkaCisla) {
    ven << "  ";
    ven.vpravo(s.cislo, sirkaCisla) << "  ";
    vypisVinulu(ven, s);
    ven << "  ";
    ven.vpravo(s.jidla, sirkaJidel) << "  ";
    ven.vpravo(s.zdi, sirkaZdi) << "  ";
    const QString text = vysledek(s);
    ven << text;
    // No blanks at the end of a line when the name is empty.
    if (!s.nazev.isEmpty()) {
        ven.mezery(sirkaKontroly() - static_cast<int>(text.size()) + 2);
        vypisNazev(ven, s.nazev);
    }
    ven << '\n';
}

bool vypisText(Zdroj &zdroj, const QString &cesta, const Kanaly &kanaly, QString *duvod) {
    Kanal &ven = kanaly.ven;
    ven << cesta << ": " << mistnosti(zdroj.pocet()) << '\n';
    if (zdroj.pocet() == 0)
        return true;
    const int sirkaCisla = std::max(5, static_cast<int>(QString::number(zdroj.pocet()).size()));
    ven << "  ";
    ven.mezery(sirkaCisla - 5) << "číslo  ";
    ven.vlevo("vinula", sirkaVinuly) << "  jídla  zdi  ";
    ven.vlevo("kontrola", sirkaKontroly()) << "  název\n";
    return zdroj.projdi(
        [&](qint64 cislo, QByteArrayView zaznam) {
            vypisRadek(ven, shrn(cislo, zaznam), sirkaCisla);
            return true;
        },
        duvod);
}

} // namespace

int seznam(const Prikaz &prikaz, const Kanaly &kanaly) {
    int vysledek = uspech;
    if (prikaz.json)
        kanaly.ven << "[";
    const char *oddelovac = "\n";
    for (const QString &zadana : prikaz.zbytek) {
        const QString cesta = proUzivatele(zadana);
        Zdroj zdroj(zadana);
        QString duvod;
        bool ok = zdroj.otevri(&duvod);
        QString chyba = duvod;
        if (ok && zdroj.navic() != 0) {
            chyba = zdroj.necelaDelka();
            ohlas(kanaly, cesta, chyba);
            vysledek = chybnyVstup;
        }
        if (prikaz.json) {
            kanaly.ven << oddelovac;
            oddelovac = ",\n";
            // JSON carries the name as it is, escaped.
            ok = vypisJson(zdroj, QDir::toNativeSeparators(zadana), chyba, kanaly, &duvod) && ok;
        } else if (ok) {
            ok = vypisText(zdroj, cesta, kanaly, &duvod);
        }
        if (!ok) {
            ohlas(kanaly, cesta, duvod);
            vysledek = chybnyVstup;
        }
    }
    if (prikaz.json)
        kanaly.ven << "\n]\n";
    return vysledek;
}

QString napovedaSeznamu() {
    static const char *const text =
        R"(Použití: vinula-mistnosti seznam SOUBOR… [--json]

Pro každý soubor vypíše počet místností, řádek záhlaví a pak jednu místnost
na řádek, hned jak ji přečte: číslo, kde je vinula – (řádek, sloupec) jako
v titulku editoru, „chybí“ nebo počet vinul –, počet jídel a zdí, výsledek
kontroly a nakonec název (bez mezer na konci). Výsledek je „v pořádku“,
hlášení kontroly, kterou editor dělá před uložením, nebo „vinula není na
okraji plochy“: tam ji editor nepostaví a taková místnost se hrát nedá.

Volby:
  --json           totéž jako JSON pro skripty: pole souborů, každý s polem
                   „mistnosti“ (cislo, nazev, vinuly, vinula {x, y} nebo null,
                   jidla, zdi, v_poradku, kontrola)
  -h, --help       tato nápověda

Soubor, jehož délka není násobkem 650 bajtů, se ohlásí na chybovém výstupu
a jeho celé místnosti se přesto vypíšou. Návratový kód 2, když některý soubor
chybí, nejde přečíst nebo má takovou délku nebo když výpis nejde zapsat,
jinak 0.
)";
    return QString::fromUtf8(text);
}

} // namespace vinula::mistnosti
