#include "argumenty.h"

#include "prikazy.h"
#include "slova.h"

namespace vinula::mistnosti {

namespace {

// Checks what the sub-command needs once every argument is read: its files
// and numbers (at least, at most) and, when it writes, its output.
std::optional<Prikaz> over(Prikaz prikaz, QString *duvod) {
    const Podprikaz *podprikaz = prikaz.podprikaz;
    if (prikaz.napoveda || !podprikaz)
        return prikaz;
    const qsizetype pocet = prikaz.zbytek.size();
    if (pocet == 0)
        return odmitni(duvod, QString::fromUtf8(podprikaz->chybiArgument));
    if (pocet < podprikaz->nejmene)
        return odmitni(duvod, QStringLiteral("chybí čísla místností"));
    if (pocet > podprikaz->nejvice)
        return odmitni(duvod, QStringLiteral("přebývá argument %1")
                                  .arg(vUvozovkach(prikaz.zbytek[podprikaz->nejvice])));
    if ((podprikaz->volby & vystup) && prikaz.vystup.isEmpty())
        return odmitni(duvod, QString::fromUtf8(podprikaz->chybiVystup));
    return prikaz;
}

} // namespace

std::optional<Prikaz> rozeberArgumenty(const QStringList &argumenty, QString *duvod) {
    Prikaz prikaz;
    qsizetype i = 0;
    if (i < argumenty.size() && !argumenty[i].startsWith(u'-')) {
        for (const Podprikaz &podprikaz : podprikazy())
            if (argumenty[i] == QLatin1String(podprikaz.jmeno))
                prikaz.podprikaz = &podprikaz;
        if (!prikaz.podprikaz)
            return odmitni(duvod,
                           QStringLiteral("neznámý příkaz %1").arg(vUvozovkach(argumenty[i])));
        ++i;
    }
    // Whether an option belongs to this sub-command.
    const unsigned volby = prikaz.podprikaz ? prikaz.podprikaz->volby : 0;
    const auto smi = [volby](Volba volba) { return (volby & volba) != 0; };
    bool jenArgumenty = false;
    bool vystupZadan = false;
    for (; i < argumenty.size(); ++i) {
        const QString &arg = argumenty[i];
        if (jenArgumenty || !arg.startsWith(u'-') || arg == u'-') {
            if (!prikaz.podprikaz)
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
        } else if (arg == u"--version" && !prikaz.podprikaz) {
            prikaz.verze = true;
        } else if (arg == u"--json" && smi(json)) {
            prikaz.json = true;
        } else if (arg == u"--mrizka" && smi(mrizka)) {
            prikaz.mrizka = true;
        } else if (arg == u"--pripojit" && smi(pripojit)) {
            prikaz.pripojit = true;
        } else if ((arg.startsWith(u"-o") || arg == u"--vystup" || arg.startsWith(u"--vystup=")) &&
                   smi(vystup)) {
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
