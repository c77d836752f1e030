#include "editor.h"

#include <QMessageBox>
#include <QTimer>

namespace vinula {

void Editor::Timer1_Timer() {
    // A run never starts inside another (a dialog's event loop would allow it).
    if (tikBezi_)
        return;
    tikBezi_ = true;
    blokRozmisteni();
    blokMalovani();
    blokNacteni();
    blokZapsani();
    tikBezi_ = false;
}

void Editor::ohlasPozdeji(const QString &titulek, const QString &text) {
    QTimer::singleShot(0, this,
                       [this, titulek, text] { QMessageBox::warning(this, titulek, text); });
}

void Editor::blokRozmisteni() {}

void Editor::blokNacteni() {}

void Editor::blokZapsani() {}

} // namespace vinula
