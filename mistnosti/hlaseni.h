#pragma once

#include "kanal.h"

#include <QString>

// Where the sub-commands print, and the exit status that sums the run up.
namespace vinula::mistnosti {

// The exit statuses.
constexpr int uspech = 0;
constexpr int chybnaMistnost = 1; // kontrola found a faulty room
constexpr int chybnyVstup = 2;    // bad input, or reading or writing failed
// The files were written, but standard output could not take the report of
// it; standard error then says what was written, so that a script does not
// do the work again.
constexpr int zapsanoBezHlaseni = 3;

struct Kanaly {
    Kanal &ven;   // results
    Kanal &chyby; // messages, one line each, naming what they are about
};

// "vinula-mistnosti: KDE: DUVOD" on the error channel, after the results
// printed so far.
void ohlas(const Kanaly &kanaly, const QString &kde, const QString &duvod);

// The report of a file written (or appended to), as a line of the results.
// Should the results not reach standard output, dokonci() repeats it on
// standard error.
void ohlasZapsane(const Kanaly &kanaly, const QString &radek);

// A path as the user's system writes it, safe to print: control characters,
// which could steer a terminal, shown as '?'.
QString proUzivatele(const QString &cesta);

// The exit status, decided after the last write: `vysledek` of the run, or,
// said why, chybnyVstup when the results could not all be written, or
// zapsanoBezHlaseni when only the report of written files could not.
int dokonci(int vysledek, const Kanaly &kanaly);

} // namespace vinula::mistnosti
