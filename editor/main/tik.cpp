#include "editor.h"

#include "dialogs/rozmisteni_krok.h"
#include "room/promenne.h"

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

void Editor::blokRozmisteni() {
    const std::optional<double> pocet = cisloZTextu(promenne.pocet);
    if (!pocet) {
        // A count that is no number would otherwise be looked at on every tick.
        promenne.pocet = QStringLiteral("0");
        return;
    }
    if (*pocet <= 0)
        return;
    rozmistitNahodne(mistnost, promenne.predmet,
                     {promenne.pocet, promenne.radek_od, promenne.radek_do, promenne.sloupec_od,
                      promenne.sloupec_do, promenne.dotyk},
                     nahoda_);
    prekreslit();
    promenne.pocet = QStringLiteral("0");
    obnovMrizku();
}

void Editor::blokNacteni() {}

void Editor::blokZapsani() {}

} // namespace vinula
