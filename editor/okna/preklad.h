#pragma once

class QTranslator;

namespace vinula {

// Installs Qt's own texts in Czech (a text box's context menu, the buttons of
// the standard boxes) in the running application, from the translation built
// into the program: the editor speaks Czech whatever the system's language,
// and on a machine without Qt's translations. Returns the translator (owned by
// the application), or nullptr if it could not be loaded.
QTranslator *nainstalujCestinu();

} // namespace vinula
