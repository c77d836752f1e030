#pragma once

#include "argumenty.h"
#include "vystup.h"

// The four sub-commands. Each returns the program's exit status.
namespace vinula::mistnosti {

// A sheet holds at most this many rooms: 400 half-size rooms are a picture
// of 1250 × 23,010 pixels, about 115 MB while it is drawn.
constexpr qint64 nejviceNaArchu = 400;

int seznam(const Prikaz &prikaz, const Kanaly &kanaly);
int kontrola(const Prikaz &prikaz, const Kanaly &kanaly);
int obrazek(const Prikaz &prikaz, const Kanaly &kanaly);
int vyjmout(const Prikaz &prikaz, const Kanaly &kanaly);

// Runs the command line (the arguments after the program's name): help,
// version or a sub-command.
int spust(const QStringList &argumenty, const Kanaly &kanaly);

// The exit status, decided after the last write: `vysledek` of the run, or
// chybnyVstup, said why, when the results could not all be written.
int dokonci(int vysledek, const Kanaly &kanaly);

} // namespace vinula::mistnosti
