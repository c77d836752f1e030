#include "predmety.h"

#include "katalog.h"
#include "main/kresleni.h"
#include "obrazky.h"
#include "okna/rozvrzeni.h"
#include "room/promenne.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace vinula {

namespace {

// Place m of a row starts at 7 + 21 m: a picture (one cell) and one pixel of
// gap.
constexpr int levyOkraj = 7;
constexpr int rozestup = kresleni::strana + 1;
// Two rows for the vinula, the walls and free floor, five for the food.
constexpr std::array<int, 7> vrchRady = {28, 49, 84, 105, 126, 147, 168};
// Room left between the palette and the main window.
constexpr int mezera = 8;

} // namespace

ObrazekPredmetu::ObrazekPredmetu(int kod, QWidget *parent)
    : QAbstractButton(parent), kod_(kod), obrazek_(*obrazky::proKod(kod)) {
    setFixedSize(kresleni::strana, kresleni::strana);
    // Only the mouse chooses; a focus frame would cover the picture.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ObrazekPredmetu::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(0, 0, obrazek_);
}

Predmety::Predmety(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("predmety"));
    setWindowTitle(QStringLiteral("Volba předmětů"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(pismoDialogu());
    setFixedSize(sirka, vyska);

    Label3 = novyPopisek(this, "Label3", QStringLiteral("Vinula"), zTwipu(105, 105, 540, 225));
    Label1 = novyPopisek(this, "Label1", QStringLiteral("Zeď"), zTwipu(735, 105, 435, 225));
    Label4 =
        novyPopisek(this, "Label4", QStringLiteral("Volná plocha"), zTwipu(3885, 105, 960, 225));
    Label2 = novyPopisek(this, "Label2", QStringLiteral("Jídlo pro vinulu"),
                         zTwipu(105, 945, 1065, 225));

    int index = 0;
    for (int rada = 0; rada < pocetRad; ++rada) {
        for (int misto = 0; misto < mistVRade; ++misto) {
            const int kod = kodNaMiste(rada, misto);
            if (kod < 0)
                continue;
            auto *o = new ObrazekPredmetu(kod, this);
            o->setObjectName(QStringLiteral("Image"));
            o->move(levyOkraj + rozestup * misto, vrchRady[static_cast<std::size_t>(rada)]);
            connect(o, &QAbstractButton::clicked, this, [this, index] { Image_Click(index); });
            Image[static_cast<std::size_t>(index++)] = o;
        }
    }
}

int Predmety::kodNaMiste(int rada, int misto) {
    return katalog::kodNaMiste(rada, misto);
}

QPoint Predmety::poziceVedle(const QRect &hlavni, QSize velikost, const QRect &obrazovka) {
    int x = hlavni.right() + 1 + mezera;
    if (x + velikost.width() > obrazovka.right() + 1) {
        x = hlavni.left() - mezera - velikost.width();
        if (x < obrazovka.left())
            x = std::max(obrazovka.left(), obrazovka.right() + 1 - velikost.width());
    }
    const int y = std::max(obrazovka.top(),
                           std::min(hlavni.top(), obrazovka.bottom() + 1 - velikost.height()));
    return {x, y};
}

void Predmety::Form_Click() {
    close();
}

void Predmety::Image_Click(int Index) {
    if (Index < 0 || Index >= pocetObrazku)
        return;
    promenne.predmet = Image[static_cast<std::size_t>(Index)]->kod();
    close();
}

// A click on the background: press and release of the left button on the
// window itself, not on a picture or a heading (a heading passes its presses
// on to the window, hence the look at what lies under the pointer).
void Predmety::mousePressEvent(QMouseEvent *event) {
    stiskNaPozadi_ =
        event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr;
}

void Predmety::mouseReleaseEvent(QMouseEvent *event) {
    const QPoint bod = event->position().toPoint();
    const bool klik = stiskNaPozadi_ && event->button() == Qt::LeftButton && rect().contains(bod) &&
                      childAt(bod) == nullptr;
    stiskNaPozadi_ = false;
    if (klik)
        Form_Click();
}

} // namespace vinula
