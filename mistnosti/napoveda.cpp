#include "napoveda.h"

#include "cisla.h"
#include "prikazy.h"
#include "slova.h"

namespace vinula::mistnosti {

namespace {

const char *const programu =
    R"(Použití: vinula-mistnosti PŘÍKAZ [VOLBY] ARGUMENTY…

Vypíše, zkontroluje, nakreslí a přeskládá místnosti v souborech místností
hry Vinula (soubory *.DAT editoru místností) a převede je do editoru map
Tiled a zpět. Zdrojový soubor nikdy nezmění.

Příkazy:
  seznam SOUBOR… [--json]          vypíše místnosti souborů
  kontrola SOUBOR…                 prověří místnosti před vydáním hry
  obrazek SOUBOR [ČÍSLO] -o VÝSTUP.png [--mrizka]
                                   nakreslí místnost, bez čísla arch všech
  vyjmout SOUBOR ČÍSLA -o NOVÝ.DAT [--pripojit]
                                   zkopíruje vybrané místnosti jinam
  do-tiled SOUBOR [ČÍSLA] -o SLOŽKA
                                   převede místnosti na mapy editoru Tiled
  z-tiled MAPA… -o NOVÝ.DAT [--pripojit]
                                   převede mapy Tiledu zpět na místnosti

Volby:
  -h, --help       tato nápověda; za příkazem nápověda k příkazu
  --version        verze programu

Návratový kód: 0 v pořádku, 1 kontrola našla chybnou místnost, 2 chybný
vstup nebo chyba při čtení či zápisu, i když výsledky nejde zapsat na
standardní výstup. Chyby se vypisují česky na standardní chybový výstup.
Přestane-li čtenář výstup číst (např. head), program tiše skončí.
)";

const char *const seznamu =
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

const char *const kontroly =
    R"(Použití: vinula-mistnosti kontrola SOUBOR…

Prověří každou místnost každého souboru: musí projít kontrolou editoru před
uložením (právě jedna vinula, aspoň jedno jídlo), mít vinulu na okraji plochy
a v ploše jen kódy předmětů z katalogu. Každou chybu místnosti vypíše na
řádek s důvodem, za každým souborem shrnutí.

Návratový kód: 0, když jsou všechny místnosti v pořádku; 1, když je některá
chybná; 2, když soubor chybí, nejde přečíst nebo jeho délka není násobkem
650 bajtů (jeho celé místnosti se přesto prověří), nebo když výsledek nejde
zapsat.

Volby:
  -h, --help       tato nápověda
)";

const char *const obrazku =
    R"(Použití: vinula-mistnosti obrazek SOUBOR [ČÍSLO] -o VÝSTUP.png [--mrizka]

Nakreslí místnost ČÍSLO tak, jak ji ukazuje plocha editoru: 600 × 400 bodů,
tytéž obrázky předmětů. Bez čísla nakreslí arch všech místností souboru
v řadách, každou v poloviční velikosti s číslem a názvem pod ní; arch pojme
nejvýš %1, větší soubor rozdělte příkazem vyjmout.

Volby:
  -o, --vystup VÝSTUP   obrázek PNG, který se vytvoří; existující soubor se
                        nikdy nepřepíše
  --mrizka              s čarami mřížky jako v editoru
  -h, --help            tato nápověda

Obrázek se objeví celý, nebo vůbec. Návratový kód 2 při chybném vstupu nebo
chybě zápisu.
)";

const char *const vyjmuti =
    R"(Použití: vinula-mistnosti vyjmout SOUBOR ČÍSLA -o NOVÝ.DAT [--pripojit]

Zkopíruje místnosti SOUBORU jmenované ČÍSLY bajt po bajtu do nového souboru
místností, v daném pořadí. Tak lze místnosti přeskládat, vynechat, zdvojit
nebo spojit dva soubory. Zdrojový soubor se nezmění.

ČÍSLA jsou čísla místností od 1 a úseky od-do oddělené čárkami, bez mezer,
např. 3,1,5-7: místnosti 3, 1, 5, 6 a 7. Úsek 9-7 jde pozpátku (9, 8, 7),
čísla se smějí opakovat. Prázdná položka, znaménko, neúplný úsek („3-“) nebo
číslo mimo místnosti souboru odmítne celý seznam. Seznam smí jmenovat
nejvýš %1.

Volby:
%2)";

// The options and the end of the help of the sub-commands that write rooms
// as vyjmout does.
const char *const volbyZapisu =
    R"(  -o, --vystup NOVÝ.DAT   soubor, který se vytvoří; existující soubor se bez
                          --pripojit nikdy nepřepíše
  --pripojit              připojí místnosti na konec existujícího souboru
                          místností (chybí-li, vytvoří ho)
  -h, --help              tato nápověda

Nový soubor se objeví celý, nebo vůbec; nepovedené či přerušené připojení
vrátí soubor na jeho původní délku. Zapisuje-li do souboru jiný program,
připojení počká. Návratový kód 2 při chybném vstupu, chybě zápisu nebo
přerušení.
)";

const char *const doTiledu =
    R"(Použití: vinula-mistnosti do-tiled SOUBOR [ČÍSLA] -o SLOŽKA

Převede místnosti SOUBORU (bez ČÍSEL všechny, jinak jmenované jako u příkazu
vyjmout) na mapy editoru map Tiled. Do SLOŽKY (chybí-li, vytvoří ji) zapíše:
  0001.tmx, 0002.tmx, …   jednu mapu 30 × 20 dlaždic na místnost, v pořadí;
                          název místnosti je textová vlastnost mapy „nazev“
  vinula.tsx, vinula.png  sadu dlaždic s obrázky předmětů jako v editoru,
                          rozloženou jako okno Volba předmětů; každá dlaždice
                          nese vlastnosti „kod“ a „nazev“
  mimo-katalog.tsx, .png  sadu pro kódy mimo katalog, jen když je některá
                          místnost obsahuje
  mistnosti.world         svět Tiledu s mapami vedle sebe, po deseti v řadě

Volby:
  -o, --vystup SLOŽKA   kam se mapy zapíšou; soubor, který už ve složce je,
                        se nikdy nepřepíše a pak se nezapíše nic
  -h, --help            tato nápověda

Nepovede-li se zápis, zapsané soubory (i nově vytvořená složka) zmizí.
Návratový kód 2 při chybném vstupu nebo chybě zápisu.
)";

const char *const zTiledu =
    R"(Použití: vinula-mistnosti z-tiled MAPA… -o NOVÝ.DAT [--pripojit]

Z každé MAPY editoru Tiled (TMX, nebo JSON .tmj/.json) udělá jednu
místnost, v daném pořadí, a zapíše je jako příkaz vyjmout. Mapa musí mít
30 × 20 dlaždic, pravoúhlou orientaci, jedinou vrstvu dlaždic (CSV, base64,
base64 se zlib nebo gzip, v JSON i pole čísel) a dlaždice jen ze sad, které
zapsal příkaz do-tiled (poznají se podle vlastností, ne podle jména souboru),
neotočené a nepřevrácené. Prázdná buňka je volná plocha. Název místnosti je
vlastnost mapy „nazev“, jinak jméno souboru mapy bez přípony; nejvýš 50
znaků ve Windows-1250. Místnost musí projít kontrolou editoru (právě jedna
vinula, aspoň jedno jídlo) a vinula musí stát na okraji plochy. Odmítne-li
se kterákoli mapa, vypíše se každá chybná s důvodem a nezapíše se nic.

Volby:
%1)";

} // namespace

QString napoveda(Druh druh) {
    switch (druh) {
    case Druh::zadny:
        return QString::fromUtf8(programu);
    case Druh::seznam:
        return QString::fromUtf8(seznamu);
    case Druh::kontrola:
        return QString::fromUtf8(kontroly);
    case Druh::obrazek:
        return QString::fromUtf8(obrazku).arg(mistnosti(nejviceNaArchu));
    case Druh::vyjmout:
        return QString::fromUtf8(vyjmuti).arg(mistnosti(nejviceVSeznamu),
                                              QString::fromUtf8(volbyZapisu));
    case Druh::doTiled:
        return QString::fromUtf8(doTiledu);
    case Druh::zTiled:
        return QString::fromUtf8(zTiledu).arg(QString::fromUtf8(volbyZapisu));
    }
    return {};
}

QString odkazNaNapovedu(Druh druh) {
    if (druh == Druh::zadny)
        return QStringLiteral("Nápověda: vinula-mistnosti --help");
    return QStringLiteral("Nápověda: vinula-mistnosti %1 --help").arg(jmeno(druh));
}

QString verze() {
    return QStringLiteral("vinula-mistnosti " VINULA_VERZE);
}

} // namespace vinula::mistnosti
