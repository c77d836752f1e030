#pragma once

#include "argumenty.h"

#include <QString>

namespace vinula::mistnosti {

// The help of the program (Druh::zadny) or of one sub-command.
QString napoveda(Druh druh);

// The one line telling how to get help, for the end of an error message.
QString odkazNaNapovedu(Druh druh);

QString verze();

} // namespace vinula::mistnosti
