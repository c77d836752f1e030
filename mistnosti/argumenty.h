#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The command line: a sub-command, its options and its other arguments.
namespace vinula::mistnosti {

struct Podprikaz;

struct Prikaz {
    const Podprikaz *podprikaz = nullptr; // none: the program's own options
    bool napoveda = false;                // -h, --help
    bool verze = false;                   // --version
    bool json = false;                    // --json
    bool mrizka = false;                  // --mrizka
    bool pripojit = false;                // --pripojit
    QString vystup;                       // -o, --vystup
    QStringList zbytek;                   // the files and numbers, in their order
};

// Reads the arguments after the program's name: a sub-command of the table
// and the options it takes. Options may stand anywhere after the
// sub-command; "--" ends them, so a file may be called "-x". A
// refusal says why in *duvod.
std::optional<Prikaz> rozeberArgumenty(const QStringList &argumenty, QString *duvod);

} // namespace vinula::mistnosti
