#include "prikazy.h"

#include <limits>

namespace vinula::mistnosti {

// Each sub-command's file defines its work and its help.
int seznam(const Prikaz &prikaz, const Kanaly &kanaly);
QString napovedaSeznamu();
int kontrola(const Prikaz &prikaz, const Kanaly &kanaly);
QString napovedaKontroly();
int obrazek(const Prikaz &prikaz, const Kanaly &kanaly);
QString napovedaObrazku();
int vyjmout(const Prikaz &prikaz, const Kanaly &kanaly);
QString napovedaVyjmuti();
int doTiled(const Prikaz &prikaz, const Kanaly &kanaly);
QString napovedaDoTiledu();
int zTiled(const Prikaz &prikaz, const Kanaly &kanaly);
QString napovedaZTiledu();
int text(const Prikaz &prikaz, const Kanaly &kanaly);
QString napovedaTextu();
int tiledOtevri(const Prikaz &prikaz, const Kanaly &kanaly);
QString napovedaTiledOtevri();
int tiledUloz(const Prikaz &prikaz, const Kanaly &kanaly);
QString napovedaTiledUloz();

namespace {

constexpr qsizetype kolikoli = std::numeric_limits<qsizetype>::max();
constexpr const char *chybiSoubor = "chybí soubor místností";
constexpr const char *chybiVystupniSoubor = "chybí výstupní soubor (-o VÝSTUP)";

constexpr Podprikaz tabulka[] = {
    {.jmeno = "seznam",
     .pouziti = "seznam SOUBOR… [--json]",
     .popis = "vypíše místnosti souborů",
     .volby = json,
     .nejmene = 1,
     .nejvice = kolikoli,
     .chybiArgument = chybiSoubor,
     .chybiVystup = nullptr,
     .napoveda = napovedaSeznamu,
     .spust = seznam},
    {.jmeno = "kontrola",
     .pouziti = "kontrola SOUBOR…",
     .popis = "prověří místnosti před vydáním hry",
     .volby = 0,
     .nejmene = 1,
     .nejvice = kolikoli,
     .chybiArgument = chybiSoubor,
     .chybiVystup = nullptr,
     .napoveda = napovedaKontroly,
     .spust = kontrola},
    {.jmeno = "obrazek",
     .pouziti = "obrazek SOUBOR [ČÍSLO] -o VÝSTUP.png [--mrizka]",
     .popis = "nakreslí místnost, bez čísla arch všech",
     .volby = mrizka | vystup,
     .nejmene = 1,
     .nejvice = 2,
     .chybiArgument = chybiSoubor,
     .chybiVystup = chybiVystupniSoubor,
     .napoveda = napovedaObrazku,
     .spust = obrazek},
    {.jmeno = "vyjmout",
     .pouziti = "vyjmout SOUBOR ČÍSLA -o NOVÝ.DAT [--pripojit]",
     .popis = "zkopíruje vybrané místnosti jinam",
     .volby = pripojit | vystup,
     .nejmene = 2,
     .nejvice = 2,
     .chybiArgument = chybiSoubor,
     .chybiVystup = chybiVystupniSoubor,
     .napoveda = napovedaVyjmuti,
     .spust = vyjmout},
    {.jmeno = "do-tiled",
     .pouziti = "do-tiled SOUBOR [ČÍSLA] -o SLOŽKA",
     .popis = "převede místnosti na mapy editoru Tiled",
     .volby = vystup,
     .nejmene = 1,
     .nejvice = 2,
     .chybiArgument = chybiSoubor,
     .chybiVystup = "chybí výstupní složka (-o SLOŽKA)",
     .napoveda = napovedaDoTiledu,
     .spust = doTiled},
    {.jmeno = "z-tiled",
     .pouziti = "z-tiled MAPA… -o NOVÝ.DAT [--pripojit]",
     .popis = "převede mapy Tiledu zpět na místnosti",
     .volby = pripojit | vystup,
     .nejmene = 1,
     .nejvice = kolikoli,
     .chybiArgument = "chybí mapa Tiledu",
     .chybiVystup = chybiVystupniSoubor,
     .napoveda = napovedaZTiledu,
     .spust = zTiled},
    {.jmeno = "text",
     .pouziti = "text SOUBOR…",
     .popis = "vypíše místnosti jako text, pro git diff",
     .volby = 0,
     .nejmene = 1,
     .nejvice = kolikoli,
     .chybiArgument = chybiSoubor,
     .chybiVystup = nullptr,
     .napoveda = napovedaTextu,
     .spust = text},
    {.jmeno = "tiled-otevri",
     .pouziti = "tiled-otevri SOUBOR",
     .popis = "otevře soubor místností jako mapu Tiledu (pro rozšíření)",
     .volby = 0,
     .nejmene = 1,
     .nejvice = 1,
     .chybiArgument = chybiSoubor,
     .chybiVystup = nullptr,
     .napoveda = napovedaTiledOtevri,
     .spust = tiledOtevri},
    {.jmeno = "tiled-uloz",
     .pouziti = "tiled-uloz MAPA.tmx SOUBOR",
     .popis = "uloží mapu Tiledu zpět do souboru místností (pro rozšíření)",
     .volby = 0,
     .nejmene = 2,
     .nejvice = 2,
     .chybiArgument = "chybí mapa Tiledu a soubor místností",
     .chybiVystup = nullptr,
     .napoveda = napovedaTiledUloz,
     .spust = tiledUloz},
};

} // namespace

std::span<const Podprikaz> podprikazy() {
    return tabulka;
}

} // namespace vinula::mistnosti
