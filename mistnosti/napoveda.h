#pragma once

#include <QString>

namespace vinula::mistnosti {

struct Podprikaz;

// The help of the program (no sub-command) or of one sub-command.
QString napoveda(const Podprikaz *podprikaz);

// The one line telling how to get help, for the end of an error message.
QString odkazNaNapovedu(const Podprikaz *podprikaz);

QString verze();

// The options and the end of the help of the sub-commands that write rooms
// into a room file.
QString volbyZapisu();

} // namespace vinula::mistnosti
