#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The command line: a sub-command, its options and its other arguments.
namespace vinula::mistnosti {

enum class Druh { zadny, seznam, kontrola, obrazek, vyjmout, doTiled, zTiled };

struct Prikaz {
    Druh druh = Druh::zadny;
    bool napoveda = false; // -h, --help
    bool verze = false;    // --version
    bool json = false;     // seznam --json
    bool mrizka = false;   // obrazek --mrizka
    bool pripojit = false; // vyjmout, z-tiled --pripojit
    QString vystup;        // -o, --vystup
    QStringList zbytek;    // the files and numbers, in their order
};

// The name a sub-command is typed as.
QString jmeno(Druh druh);

// Reads the arguments after the program's name. Options may stand anywhere
// after the sub-command; "--" ends them, so a file may be called "-x". A
// refusal says why in *duvod.
std::optional<Prikaz> rozeberArgumenty(const QStringList &argumenty, QString *duvod);

} // namespace vinula::mistnosti
