#pragma once

#include <QByteArrayView>
#include <QString>

class QIODevice;

// The few file-system calls that differ between systems, each behind one
// function with a fallback where a system lacks the call.
namespace vinula::platforma {

// An advisory lock on an open file, held for the time of one append, so that
// two programs appending to one room file do not mix or undo each other's
// records. Never waits. Where the system or its file system has no such
// lock, bezZamku: the caller goes ahead unlocked, and may say so.
enum class Zamek { zamceno, bezZamku, obsazeno, chyba };
Zamek zamkni(int deskriptor);

// Whether an open file is still the file on disk that `cesta` names: it is
// not when the name was removed or given to another file since the opening.
// Where the system cannot tell, yes.
bool jeTamtezSoubor(int deskriptor, const QString &cesta);

// Whether two paths name one file on disk: the same path, a symbolic link to
// it or a hard link of it. False when either does not exist.
bool jsouTentyzSoubor(const QString &a, const QString &b);

// Gives the file `z` the name `na` only when nothing has that name yet, in a
// single step, so that a file that appeared meanwhile is never replaced.
// Returns 0, or the system's error number (EEXIST when `na` exists).
int prejmenujBezPrepsani(const QString &z, const QString &na);

// Gives the file `z` the name `na` in a single step, replacing the file that
// has it: whoever opens `na` finds the old file or the new one, never
// neither. Returns 0, or the system's error number.
int prejmenujSPrepsanim(const QString &z, const QString &na);

// Asks the system to put what was written to an open file on the disk
// before it returns, so that a power cut after it cannot leave the file
// shorter: 0, or the system's error number. A file system that cannot sync
// counts as done.
int ulozNaDisk(int deskriptor);

// The same for a folder's list of names, after a file in it was created or
// renamed, so that the new name survives a power cut. Where a folder cannot
// be opened for that (not Unix), nothing happens.
int ulozSlozkuNaDisk(const QString &slozka);

// Everything written to the file system that holds `slozka`, on the disk at
// once: one call for many new files instead of one for each. Where the
// system cannot sync one file system, it syncs all.
int ulozSouborovySystemNaDisk(const QString &slozka);

// The error number with which the system refuses to look up `cesta`
// (ENOENT, ENAMETOOLONG, EACCES …), or 0 when the path exists. A symbolic
// link counts as existing even when its target does not.
int chybaCesty(const QString &cesta);

// The system's error number of the last failed call.
int posledniChyba();

// Writes all of `data` to the device: 0, or the system's error number of
// the write that failed (a short write alone does not tell why; the next one
// does). *zapsano gets the bytes written either way.
int zapisVse(QIODevice &zarizeni, QByteArrayView data, qint64 *zapsano = nullptr);

} // namespace vinula::platforma
