#pragma once

#include <QString>

namespace vinula {

// The editor state shared by every window. Dialogs write a request here and
// close; the main window's tick takes it. Fields keep their declared order.
struct Promenne {
    int predmet = 0; // the active item code
    // The placement dialog stores what was typed; numbers are read only when
    // the placement runs. An empty text reads as 0.
    QString radek_od;
    QString radek_do;
    QString sloupec_od;
    QString sloupec_do;
    QString pocet;
    qint32 cislo_mistnosti = 0;
    bool pozadavek_nacteni = false;
    bool pozadavek_zapsani = false;
    bool dotyk = true;
    QString soubor_nacteni;
    QString soubor_zapsani;
    QString nazev_mistnosti;
    QString nazev_souboru;
    // The names the load dialog replaced with those of the room it asks for: a load that fails
    // gives them back to the room that stays on the surface.
    QString puvodni_nazev_mistnosti;
    QString puvodni_nazev_souboru;
};

// The one instance, alive for the whole program.
extern Promenne promenne;

} // namespace vinula
