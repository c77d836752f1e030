#include "prikazy.h"

#include "slova.h"
#include "souhrn.h"
#include "zdroj.h"

#include <QDir>

#include <algorithm>

namespace vinula::mistnosti {

namespace {

// A JSON string. Only the quote, the backslash and control characters below
// U+0020 need escaping; the rest goes as it is.
QString jsonText(const QString &text) {
    QString vysledek;
    vysledek.reserve(text.size() + 2);
    vysledek += u'"';
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
    vysledek += u'"';
    return vysledek;
}

// One room, written by hand: a JSON library makes the listing of a large
// file twice as slow.
void vypisMistnost(Kanal &ven, const Souhrn &s) {
    ven << "{\"cislo\":" << s.cislo << ",\"nazev\":" << jsonText(s.nazev)
        << ",\"vinuly\":" << s.vinuly << ",\"vinula\":";
    if (s.vinuly == 1)
        ven << "{\"x\":" << s.vinula.x() << ",\"y\":" << s.vinula.y() << '}';
    else
        ven << "null";
    ven << ",\"jidla\":" << s.jidla << ",\"zdi\":" << s.zdi
        << ",\"v_poradku\":" << (s.chyba.isEmpty() ? "true" : "false")
        << ",\"kontrola\":" << jsonText(s.chyba.isEmpty() ? QStringLiteral("v pořádku") : s.chyba)
        << '}';
}

// One file as a JSON object; its rooms are written one by one, so that a
// file of any size costs no more memory than one room.
bool vypisJson(Zdroj &zdroj, const QString &cesta, const QString &chyba, const Kanaly &kanaly,
               QString *duvod) {
    kanaly.ven << "{\"soubor\":" << jsonText(cesta) << ",\"pocet_mistnosti\":" << zdroj.pocet();
    if (!chyba.isEmpty())
        kanaly.ven << ",\"chyba\":" << jsonText(chyba);
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

bool vypisText(Zdroj &zdroj, const QString &cesta, const Kanaly &kanaly, QString *duvod) {
    // A first pass for the width of the name column, rather than holding
    // every line until the widest name is known.
    qsizetype sirkaNazvu = 0;
    if (!zdroj.projdi(
            [&](qint64, QByteArrayView zaznam) {
                sirkaNazvu = std::max(sirkaNazvu, nazevBezMezer(zaznam).size());
                return true;
            },
            duvod))
        return false;
    kanaly.ven << cesta << ": " << mistnosti(zdroj.pocet()) << '\n';
    const int sirkaCisla = static_cast<int>(QString::number(zdroj.pocet()).size());
    return zdroj.projdi(
        [&](qint64 cislo, QByteArrayView zaznam) {
            const Souhrn s = shrn(cislo, zaznam);
            kanaly.ven << "  " << QStringLiteral("%1").arg(s.cislo, sirkaCisla) << "  "
                       << naRadek(s.nazev).leftJustified(sirkaNazvu) << "  "
                       << kdeJeVinula(s).leftJustified(15) << "  jídla "
                       << QStringLiteral("%1").arg(s.jidla, 3) << "  zdi "
                       << QStringLiteral("%1").arg(s.zdi, 3) << "  "
                       << (s.chyba.isEmpty() ? QStringLiteral("v pořádku") : s.chyba) << '\n';
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

} // namespace vinula::mistnosti
