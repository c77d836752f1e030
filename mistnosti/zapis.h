#pragma once

#include "argumenty.h"
#include "hlaseni.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>

// How the tool writes files. A new file appears whole or not at all and
// never replaces one that appeared meanwhile; an append to a room file lands
// whole or is cut back, whatever interrupts it (a failure, a stop signal).
// Both are on the disk before they count as done.
namespace vinula::mistnosti {

// Why an output file may not be created, or an empty text: it must not
// exist, not even as a dangling link, and its name must be one the system
// can look up. `kdyzExistuje` follows the reason when the file exists.
QString zabranyVystup(const QString &cesta, const QString &kdyzExistuje = {});

// Hands one piece of the output on; false when it could not be written (the
// writer knows why).
using Zapis = std::function<bool(QByteArrayView)>;

// Creates `cesta` with what `obsah` hands to its Zapis: written into a
// temporary file beside it, which takes the name only when all went well and
// nothing has that name yet. Stop signals are caught meanwhile; one that
// arrives ends the writing like a failure. When `obsah` returns false
// without a failed write, the reason is the caller's to tell.
//
// The file is synced to the disk before it takes its name, and its folder
// after; or, for many files in a folder that is itself new and hidden until
// they are all there, not at all (Synchronizace::nakonec): the caller then
// syncs them at once with platforma::ulozSouborovySystemNaDisk().
enum class Synchronizace { kazdy, nakonec };
bool zapisNovy(const QString &cesta, const std::function<bool(const Zapis &)> &obsah,
               QString *duvod, Synchronizace synchronizace = Synchronizace::kazdy);

// Replaces the file at `cesta` (the file a link leads to) whole and at
// once with `novy`. It is locked as an append locks it; `povol` sees what it
// holds then and may refuse with a reason. The new content is written into
// a temporary file beside it, synced and renamed over it while the lock is
// held, so that nobody appending meanwhile loses a record and whoever reads
// finds the old file or the new one. False, saying why, leaves it as it was.
bool nahradSoubor(const QString &cesta, const std::function<QString(const QByteArray &)> &povol,
                  QByteArrayView novy, QString *duvod);

// Rooms on their way into a room file: whole records, handed on in pieces
// to a Zapis.
enum class Kopie { hotovo, chybaCteni, chybaZapisu };
using Dodavka = std::function<Kopie(const Zapis &zapis, QString *duvodCteni)>;

// Writes the `pocet` rooms that `dodej` hands on into prikaz.vystup and
// reports it: a new file, or with --pripojit the end of a room file, which
// waits for another program appending to it. The output may not be one of
// the files in `cteneSoubory`. A failed read is reported as about `zdroj`.
int zapisMistnosti(const Prikaz &prikaz, const Kanaly &kanaly, qint64 pocet, const Dodavka &dodej,
                   const QString &zdroj, const QStringList &cteneSoubory);

} // namespace vinula::mistnosti
