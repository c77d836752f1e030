#pragma once

#include "kanal.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

class QIODevice;

// Where the sub-commands print, and how they create their output files.
namespace vinula::mistnosti {

// The exit statuses.
constexpr int uspech = 0;
constexpr int chybnaMistnost = 1; // kontrola found a faulty room
constexpr int chybnyVstup = 2;    // bad input, or reading or writing failed

struct Kanaly {
    Kanal &ven;   // results
    Kanal &chyby; // messages, one line each, naming what they are about
};

// "vinula-mistnosti: KDE: DUVOD" on the error channel, after the results
// printed so far.
void ohlas(const Kanaly &kanaly, const QString &kde, const QString &duvod);

// A path as the user's system writes it, safe to print: control characters,
// which could steer a terminal, shown as '?'.
QString proUzivatele(const QString &cesta);

// Why an output file may not be created, or an empty text: it must not
// exist, not even as a dangling link, and its name must be one the system
// can look up. `kdyzExistuje` follows the reason when the file exists.
QString zabranyVystup(const QString &cesta, const QString &kdyzExistuje = {});

// Creates a file that appears whole or not at all: `zapis` writes into a
// temporary file beside it, which takes the name only when all went well and
// nothing has that name yet, so that a file that appeared meanwhile is never
// replaced. Stop signals are caught meanwhile, and one that arrives ends the
// writing like a failure. When `zapis` fails it says why.
bool zapisNovy(const QString &cesta, const std::function<bool(QIODevice &, QString *)> &zapis,
               QString *duvod);

// Writes all of `data`, or says why not, in words for a file that did not
// come into being. A stop signal that arrived is a reason too.
bool zapisVse(QIODevice &soubor, QByteArrayView data, QString *duvod);

} // namespace vinula::mistnosti
