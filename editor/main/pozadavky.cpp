#include "pozadavky.h"

#include "room/roomfile.h"

#include <QDir>

namespace vinula {

std::optional<QString> provedNacteni(Mistnost &mistnost, QString &nazev,
                                     const ZadaniNacteni &zadani) {
    QString duvod;
    if (roomfile::nactiMistnost(zadani.soubor, zadani.cislo, mistnost, nazev, &duvod))
        return std::nullopt;
    return QStringLiteral("Místnost číslo %1 se nepodařilo načíst ze souboru\n%2\n\n%3")
        .arg(zadani.cislo)
        .arg(QDir::toNativeSeparators(zadani.soubor), duvod);
}

std::optional<QString> provedZapsani(const Mistnost &mistnost, QString &nazev,
                                     const QString &soubor) {
    if (nazev.size() < roomfile::delkaNazvu)
        nazev += QString(roomfile::delkaNazvu - nazev.size(), QLatin1Char(' '));
    QString duvod;
    if (roomfile::pripojMistnost(soubor, nazev, mistnost, &duvod))
        return std::nullopt;
    return QStringLiteral("Místnost se nepodařilo uložit do souboru\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(soubor), duvod);
}

} // namespace vinula
