#include "editor.h"

#include "items/katalog.h"
#include "items/predmety.h"
#include "kresleni.h"
#include "room/promenne.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

namespace vinula {

int Editor::bunkaPod(float souradnice) {
    // Floor, not truncation: -0.5 is cell -1. Far-off values are pinned so the
    // conversion to int stays defined; they are outside the grid either way.
    const double bunka = std::floor(static_cast<double>(souradnice) / kresleni::strana);
    if (std::isnan(bunka))
        return -1000000;
    return static_cast<int>(std::clamp(bunka, -1e6, 1e6));
}

QString Editor::titulek(int cx, int cy, const QString &nazevPredmetu) {
    return QStringLiteral("Vinula - editor místností, řádek ") + QString::number(cx) +
           QStringLiteral(", sloupec ") + QString::number(cy) + QStringLiteral(", ") +
           nazevPredmetu;
}

void Editor::Form_KeyDown(int KeyCode) {
    if (KeyCode == klavesaShift)
        stisk_shift = true;
}

void Editor::Form_KeyUp(int KeyCode) {
    if (KeyCode == klavesaShift)
        stisk_shift = false;
}

void Editor::plocha_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers, float, float) {
    if (Button == Qt::LeftButton)
        leve_tlacitko = true;
    else if (Button == Qt::RightButton)
        ukazPredmety();
}

void Editor::plocha_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float X, float Y) {
    const QString nazev = katalog::nazev(promenne.predmet);
    if (!nazev.isEmpty())
        nazev_predmetu = nazev;
    setWindowTitle(titulek(bunkaPod(X), bunkaPod(Y), nazev_predmetu));
    mys_x = X;
    mys_y = Y;
}

void Editor::plocha_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, float, float) {
    leve_tlacitko = false;
}

void Editor::blokMalovani() {
    if (!leve_tlacitko)
        return;
    const int cx = bunkaPod(mys_x);
    const int cy = bunkaPod(mys_y);
    // Outside the area nothing is painted: the ring must stay free floor.
    if (!Mistnost::vOblasti(cx, cy))
        return;
    if (stisk_shift) {
        mistnost.nastav(cx, cy, 0);
        vykresliBunku(cx, cy, 0);
        return;
    }
    const int predmet = promenne.predmet;
    if (katalog::jeVinula(predmet) && !Mistnost::naOkraji(cx, cy))
        return;
    mistnost.nastav(cx, cy, static_cast<Kod>(predmet));
    // The order is deliberate: any other item is drawn before the refresh and gets its grid
    // lines back at once; the vinula is drawn after it, so that its head shows whole, with no
    // line across it, until the next refresh.
    if (!katalog::jeVinula(predmet))
        vykresliBunku(cx, cy, predmet);
    obnovMrizku();
    if (katalog::jeVinula(predmet))
        vykresliBunku(cx, cy, predmet);
}

void Editor::ukazPredmety() {
    if (!predmety) {
        auto *okno = new Predmety(this);
        // Beside the main window, so that where the screen allows it covers
        // none of the surface. A window not yet shown has no frame; the main
        // window's stands in.
        const QSize ramecek = frameGeometry().size() - geometry().size();
        okno->move(Predmety::poziceVedle(frameGeometry(), okno->size() + ramecek,
                                         screen()->availableGeometry()));
        predmety = okno;
    }
    predmety->show();
    predmety->raise();
    predmety->activateWindow();
}

} // namespace vinula
