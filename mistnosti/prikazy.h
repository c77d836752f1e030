#pragma once

#include "argumenty.h"
#include "hlaseni.h"

#include <span>

// The sub-commands: one entry each in the table (prikazy.cpp), and a file of
// its own with its help and its work.
namespace vinula::mistnosti {

// The options a sub-command takes besides -h and --help.
enum Volba : unsigned {
    json = 1,
    mrizka = 2,
    pripojit = 4,
    vystup = 8, // -o, --vystup: required
};

struct Podprikaz {
    const char *jmeno;   // as typed
    const char *pouziti; // its arguments, for the program's help
    const char *popis;   // one line, for the program's help
    unsigned volby;
    // Files and numbers after the options.
    qsizetype nejmene;
    qsizetype nejvice;
    const char *chybiArgument; // when there is none
    const char *chybiVystup;   // when -o is missing
    QString (*napoveda)();
    int (*spust)(const Prikaz &prikaz, const Kanaly &kanaly);
};

std::span<const Podprikaz> podprikazy();

// Runs the command line (the arguments after the program's name): help,
// version or a sub-command.
int spust(const QStringList &argumenty, const Kanaly &kanaly);

} // namespace vinula::mistnosti
