#include "argumenty.h"

#include "slova.h"

#include <array>
#include <limits>
#include <utility>

namespace vinula::mistnosti {

namespace {

constexpr std::array<std::pair<Druh, const char *>, 6> prikazy = {{
    {Druh::seznam, "seznam"},
    {Druh::kontrola, "kontrola"},
    {Druh::obrazek, "obrazek"},
    {Druh::vyjmout, "vyjmout"},
    {Druh::doTiled, "do-tiled"},
    {Druh::zTiled, "z-tiled"},
}};

// Checks what the sub-command needs once every argument is read: its files
// and numbers (at least, at most) and whether it writes an output.
std::optional<Prikaz> over(Prikaz prikaz, QString *duvod) {
    if (prikaz.napoveda || prikaz.druh == Druh::zadny)
        return prikaz;
    const bool sVystupem = prikaz.druh != Druh::seznam && prikaz.druh != Druh::kontrola;
    const qsizetype nejmene = prikaz.druh == Druh::vyjmout ? 2 : 1;
    const qsizetype nejvice =
        sVystupem && prikaz.druh != Druh::zTiled ? 2 : std::numeric_limits<qsizetype>::max();
    const qsizetype pocet = prikaz.zbytek.size();
    if (pocet == 0)
        return odmitni(duvod, prikaz.druh == Druh::zTiled
                                  ? QStringLiteral("chybí mapa Tiledu")
                                  : QStringLiteral("chybí soubor místností"));
    if (pocet < nejmene)
        return odmitni(duvod, QStringLiteral("chybí čísla místností"));
    if (pocet > nejvice)
        return odmitni(
            duvod, QStringLiteral("přebývá argument %1").arg(vUvozovkach(prikaz.zbytek[nejvice])));
    if (sVystupem && prikaz.vystup.isEmpty())
        return odmitni(duvod, prikaz.druh == Druh::doTiled
                                  ? QStringLiteral("chybí výstupní složka (-o SLOŽKA)")
                                  : QStringLiteral("chybí výstupní soubor (-o VÝSTUP)"));
    return prikaz;
}

} // namespace

QString jmeno(Druh druh) {
    for (const auto &[d, text] : prikazy)
        if (d == druh)
            return QString::fromLatin1(text);
    return {};
}

std::optional<Prikaz> rozeberArgumenty(const QStringList &argumenty, QString *duvod) {
    Prikaz prikaz;
    qsizetype i = 0;
    if (i < argumenty.size() && !argumenty[i].startsWith(u'-')) {
        for (const auto &[druh, text] : prikazy)
            if (argumenty[i] == QLatin1String(text))
                prikaz.druh = druh;
        if (prikaz.druh == Druh::zadny)
            return odmitni(duvod,
                           QStringLiteral("neznámý příkaz %1").arg(vUvozovkach(argumenty[i])));
        ++i;
    }
    const Druh druh = prikaz.druh;
    // Whether an option belongs to this sub-command.
    const auto smi = [druh](std::initializer_list<Druh> komu) {
        for (const Druh d : komu)
            if (d == druh)
                return true;
        return false;
    };
    bool jenArgumenty = false;
    bool vystupZadan = false;
    for (; i < argumenty.size(); ++i) {
        const QString &arg = argumenty[i];
        if (jenArgumenty || !arg.startsWith(u'-') || arg == u'-') {
            if (druh == Druh::zadny)
                return odmitni(
                    duvod, QStringLiteral("nečekaný argument %1; příkaz musí stát na prvním místě")
                               .arg(vUvozovkach(arg)));
            prikaz.zbytek.append(arg);
            continue;
        }
        if (arg == u"--") {
            jenArgumenty = true;
        } else if (arg == u"-h" || arg == u"--help") {
            prikaz.napoveda = true;
        } else if (arg == u"--version" && druh == Druh::zadny) {
            prikaz.verze = true;
        } else if (arg == u"--json" && smi({Druh::seznam})) {
            prikaz.json = true;
        } else if (arg == u"--mrizka" && smi({Druh::obrazek})) {
            prikaz.mrizka = true;
        } else if (arg == u"--pripojit" && smi({Druh::vyjmout, Druh::zTiled})) {
            prikaz.pripojit = true;
        } else if ((arg.startsWith(u"-o") || arg == u"--vystup" || arg.startsWith(u"--vystup=")) &&
                   smi({Druh::obrazek, Druh::vyjmout, Druh::doTiled, Druh::zTiled})) {
            QString hodnota;
            if (arg == u"-o" || arg == u"--vystup") {
                if (i + 1 == argumenty.size())
                    return odmitni(
                        duvod,
                        QStringLiteral("za volbou %1 chybí název souboru").arg(vUvozovkach(arg)));
                hodnota = argumenty[++i];
            } else if (arg.startsWith(u"--vystup=")) {
                hodnota = arg.sliced(9);
            } else {
                hodnota = arg.sliced(2); // -oVÝSTUP
            }
            if (vystupZadan)
                return odmitni(duvod, QStringLiteral("výstupní soubor je zadán dvakrát"));
            if (hodnota.isEmpty())
                return odmitni(duvod, QStringLiteral("výstupní soubor má prázdný název"));
            vystupZadan = true;
            prikaz.vystup = hodnota;
        } else {
            return odmitni(duvod, QStringLiteral("neznámá volba %1").arg(vUvozovkach(arg)));
        }
    }
    return over(prikaz, duvod);
}

} // namespace vinula::mistnosti
