#include "katalog.h"

#include <array>

namespace vinula::katalog {

namespace {

constexpr std::array<const char *, pocetZdi> nazvyZdi = {
    "zeď barevná", "zeď bílá",    "zeď modrá",  "zeď zelená", "zeď šedá",
    "zeď žlutá",   "zeď červená", "zeď růžová", "zeď hnědá",
};

constexpr std::array<const char *, pocetJidel> nazvyJidel = {
    "brouk hnědý",
    "mšice modrá",
    "disketa červená",
    "disketa modrá",
    "domino naležato",
    "domino nastojato",
    "figurka červená",
    "figurka zelená",
    "figurka žlutá",
    "hodiny hranaté",
    "hodiny kulaté",
    "jablko červené",
    "jablko žluté",
    "kostka zelená",
    "kostka žlutá",
    "nota modrá",
    "nota žlutá",
    "autobus červený",
    "cívka",
    "film zelený",
    "klíč",
    "srdce červené",
    "telefon červený",
    "zvonek žlutý",
    "dynamit červený",
    "kříž červený",
    "oko modré",
    "mravenec celý",
    "skalára červená",
    "stopa šedá",
    "vosa",
    "žárovka svítící",
    "hlava žlutozelená",
    "myška šedá",
    "obálka růžová",
    "osoby žlutozelené",
    "packman žlutý",
    "prase růžové",
    "strom zelený",
    "zámek žlutý",
    "stříkačka injekční",
    "krystal žlutočervený",
    "kříž červený malý",
    "mravenec doleva",
    "mravenec doprava",
    "mravenec šikmo",
    "písmeno A",
    "písmeno B",
    "písmeno C",
    "auto červené",
    "bacil žlutozelený",
    "domek růžový",
    "hrnek žlutý",
    "karta černá",
    "karta červená",
    "kniha červená",
    "panáček v modrém",
    "postava v červeném",
    "vidlička a nůž",
    "človíček doleva",
    "človíček doprava",
    "brouk zelený",
    "pavouk křižák",
};

} // namespace

QString nazev(int kod) {
    if (jeVolno(kod))
        return QStringLiteral("volná plocha");
    if (jeVinula(kod))
        return QStringLiteral("vinula");
    if (kod >= prvniZed && kod < prvniZed + pocetZdi)
        return QString::fromUtf8(nazvyZdi[static_cast<std::size_t>(kod - prvniZed)]);
    if (kod >= prvniJidlo && kod < prvniJidlo + pocetJidel)
        return QString::fromUtf8(nazvyJidel[static_cast<std::size_t>(kod - prvniJidlo)]);
    return {};
}

} // namespace vinula::katalog
