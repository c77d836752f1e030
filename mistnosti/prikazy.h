#pragma once

#include "argumenty.h"
#include "vystup.h"

// The sub-commands. Each returns the program's exit status.
namespace vinula::mistnosti {

// A sheet holds at most this many rooms: 400 half-size rooms are a picture
// of 1250 × 23,010 pixels, about 115 MB while it is drawn.
constexpr qint64 nejviceNaArchu = 400;

int seznam(const Prikaz &prikaz, const Kanaly &kanaly);
int kontrola(const Prikaz &prikaz, const Kanaly &kanaly);
int obrazek(const Prikaz &prikaz, const Kanaly &kanaly);
int vyjmout(const Prikaz &prikaz, const Kanaly &kanaly);
int doTiled(const Prikaz &prikaz, const Kanaly &kanaly);
int zTiled(const Prikaz &prikaz, const Kanaly &kanaly);

// Rooms on their way into a room file: whole records, handed on in pieces to
// a Zapis, which says whether the write went well.
enum class Kopie { hotovo, chybaCteni, chybaZapisu };
using Zapis = std::function<bool(QByteArrayView)>;
using Dodavka = std::function<Kopie(const Zapis &zapis, QString *duvodCteni)>;

// Writes the `pocet` rooms that `dodej` hands on into prikaz.vystup and says
// so: a new file appears whole or not at all and an existing one is refused;
// with --pripojit they go onto the end of a room file, which any failure
// cuts back. A failed read is reported as about `zdroj`.
int zapisMistnosti(const Prikaz &prikaz, const Kanaly &kanaly, qint64 pocet, const Dodavka &dodej,
                   const QString &zdroj);

// Runs the command line (the arguments after the program's name): help,
// version or a sub-command.
int spust(const QStringList &argumenty, const Kanaly &kanaly);

// The exit status, decided after the last write: `vysledek` of the run, or
// chybnyVstup, said why, when the results could not all be written.
int dokonci(int vysledek, const Kanaly &kanaly);

} // namespace vinula::mistnosti
