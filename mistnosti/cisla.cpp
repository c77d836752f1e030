#include "cisla.h"

#include "slova.h"

namespace vinula::mistnosti {

namespace {

QString mimoSoubor(QStringView cislo, qint64 pocet) {
    if (pocet == 0)
        return QStringLiteral("místnost %1 v souboru není, soubor nemá žádnou místnost").arg(cislo);
    return QStringLiteral("místnost %1 v souboru není, soubor má %2").arg(cislo, mistnosti(pocet));
}

} // namespace

std::optional<qint64> rozeberCislo(QStringView text, qint64 pocet, QString *duvod) {
    if (text.isEmpty())
        return odmitni(duvod, QStringLiteral("chybí číslo místnosti"));
    qint64 hodnota = 0;
    bool prilisVelke = false;
    for (const QChar znak : text) {
        if (znak < u'0' || znak > u'9')
            return odmitni(
                duvod, QStringLiteral("%1 není číslo místnosti").arg(vUvozovkach(text.toString())));
        // Once past pocet the value is not needed any more, only the check
        // that every character is a digit.
        if (!prilisVelke) {
            hodnota = hodnota * 10 + (znak.unicode() - u'0');
            prilisVelke = hodnota > pocet;
        }
    }
    if (prilisVelke)
        return odmitni(duvod, mimoSoubor(text, pocet));
    if (hodnota == 0)
        return odmitni(duvod, QStringLiteral("místnosti se číslují od 1, ne od %1").arg(text));
    return hodnota;
}

std::optional<QList<Usek>> rozeberCisla(QStringView text, qint64 pocet, QString *duvod) {
    if (text.isEmpty())
        return odmitni(duvod, QStringLiteral("seznam čísel místností je prázdný"));
    QList<Usek> useky;
    qint64 celkem = 0;
    for (const QStringView polozka : text.tokenize(u',')) {
        if (polozka.isEmpty())
            return odmitni(duvod, QStringLiteral("v seznamu čísel %1 je prázdná položka")
                                      .arg(vUvozovkach(text.toString())));
        const qsizetype pomlcka = polozka.indexOf(u'-');
        Usek usek;
        if (pomlcka < 0) {
            const auto cislo = rozeberCislo(polozka, pocet, duvod);
            if (!cislo)
                return std::nullopt;
            usek = {*cislo, *cislo};
        } else {
            const QStringView od = polozka.first(pomlcka);
            const QStringView po = polozka.sliced(pomlcka + 1);
            if (od.isEmpty() || po.isEmpty() || po.contains(u'-'))
                return odmitni(duvod, QStringLiteral("%1 není úsek čísel od-do")
                                          .arg(vUvozovkach(polozka.toString())));
            const auto zacatek = rozeberCislo(od, pocet, duvod);
            if (!zacatek)
                return std::nullopt;
            const auto konec = rozeberCislo(po, pocet, duvod);
            if (!konec)
                return std::nullopt;
            usek = {*zacatek, *konec};
        }
        // Each run is at most pocet long, so the sum stops growing well
        // before it could overflow.
        celkem += usek.delka();
        if (celkem > nejviceVSeznamu)
            return odmitni(
                duvod,
                QStringLiteral("seznam čísel jmenuje víc než %1").arg(mistnosti(nejviceVSeznamu)));
        useky.append(usek);
    }
    return useky;
}

} // namespace vinula::mistnosti
