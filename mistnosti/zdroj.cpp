#include "zdroj.h"

#include "room/roomfile.h"
#include "slova.h"

#include <algorithm>

namespace vinula::mistnosti {

namespace {
// Rooms read with one call: 650 kB, large enough that a 100,000-room file
// takes a hundred reads, small enough to cost no memory to speak of.
constexpr qint64 blok = 1000;
} // namespace

bool Zdroj::otevri(QString *duvod) {
    if (!roomfile::otevriProCteni(soubor_, duvod))
        return false;
    const qint64 delka = soubor_.size();
    pocet_ = delka / roomfile::delkaZaznamu;
    navic_ = delka % roomfile::delkaZaznamu;
    return true;
}

bool Zdroj::otevriCely(QString *duvod) {
    if (!otevri(duvod))
        return false;
    return navic_ == 0 || nastavDuvod(duvod, necelaDelka());
}

QString Zdroj::necelaDelka() const {
    return QStringLiteral("délka %1 není násobkem 650, není to soubor místností; "
                          "%2 za poslední celou místností se nečte")
        .arg(pocetSlovy(soubor_.size(), "bajt", "bajty", "bajtů"),
             pocetSlovy(navic_, "bajt", "bajty", "bajtů"));
}

bool Zdroj::projdi(Usek usek, const Prijemce &prijemce, QString *duvod) {
    const bool nahoru = usek.od <= usek.po;
    qint64 zbyva = usek.delka();
    qint64 dalsi = usek.od;
    while (zbyva > 0) {
        const qint64 kolik = std::min(zbyva, blok);
        const qint64 prvni = nahoru ? dalsi : dalsi - kolik + 1;
        const auto data = roomfile::nactiZaznamy(soubor_, prvni, kolik, duvod);
        if (!data)
            return false;
        const QByteArrayView zaznamy(*data);
        for (qint64 i = 0; i < kolik; ++i) {
            const qint64 k = nahoru ? i : kolik - 1 - i;
            if (!prijemce(prvni + k,
                          zaznamy.sliced(k * roomfile::delkaZaznamu, roomfile::delkaZaznamu)))
                return false;
        }
        dalsi = nahoru ? dalsi + kolik : dalsi - kolik;
        zbyva -= kolik;
    }
    return true;
}

bool Zdroj::projdi(const Prijemce &prijemce, QString *duvod) {
    return pocet_ == 0 || projdi(Usek{1, pocet_}, prijemce, duvod);
}

} // namespace vinula::mistnosti
