#include "predmety.h"

#include "obrazky.h"
#include "okna/rozvrzeni.h"
#include "room/promenne.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace vinula {

namespace {

// Column c starts at 7 + 21 c: 20 pixels of picture and one of gap.
constexpr int levyOkraj = 7;
constexpr int rozestup = 21;
// Two rows for the vinula, the walls and free floor, five for the food.
constexpr std::array<int, 7> radky = {28, 49, 84, 105, 126, 147, 168};
constexpr int vyskaNadpisu = 15;
// Room left between the palette and the main window.
constexpr int mezera = 8;

} // namespace

ObrazekPredmetu::ObrazekPredmetu(int kod, QWidget *parent)
    : QAbstractButton(parent), kod_(kod), obrazek_(*obrazky::proKod(kod)) {
    setFixedSize(obrazky::strana, obrazky::strana);
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
    setFixedSize(sirka, vyska);

    Label3 = novyPopisek(this, "Label3", QStringLiteral("Vinula"), zTwipu(105, 105, 540, 225));
    Label1 = novyPopisek(this, "Label1", QStringLiteral("Zeď"), zTwipu(735, 105, 435, 225));
    Label4 =
        novyPopisek(this, "Label4", QStringLiteral("Volná plocha"), zTwipu(3885, 105, 960, 225));
    Label2 = novyPopisek(this, "Label2", QStringLiteral("Jídlo pro vinulu"),
                         zTwipu(105, 945, 1065, 225));

    // The largest font in which every heading fits its fixed box.
    const std::array<const QLabel *, 4> nadpisy = {Label1, Label2, Label3, Label4};
    QFont pismo = font();
    for (int velikost = 11; velikost > 6; --velikost) {
        pismo.setPixelSize(velikost);
        const QFontMetrics miry(pismo);
        const auto vejdeSe = [&](const QLabel *l) {
            return miry.horizontalAdvance(l->text()) <= l->width();
        };
        if (miry.height() <= vyskaNadpisu && std::all_of(nadpisy.begin(), nadpisy.end(), vejdeSe))
            break;
    }
    setFont(pismo);

    Image16 = obrazek(QStringLiteral("Image16"), 0, 0, 1, &Predmety::Image16_Click);
    Image2 = obrazek(QStringLiteral("Image2"), 2, 0, 50, &Predmety::Image2_Click);
    Image3 = obrazek(QStringLiteral("Image3"), 3, 0, 51, &Predmety::Image3_Click);
    Image4 = obrazek(QStringLiteral("Image4"), 4, 0, 52, &Predmety::Image4_Click);
    Image5 = obrazek(QStringLiteral("Image5"), 5, 0, 53, &Predmety::Image5_Click);
    Image6 = obrazek(QStringLiteral("Image6"), 6, 0, 54, &Predmety::Image6_Click);
    Image7 = obrazek(QStringLiteral("Image7"), 7, 0, 55, &Predmety::Image7_Click);
    Image8 = obrazek(QStringLiteral("Image8"), 8, 0, 56, &Predmety::Image8_Click);
    Image9 = obrazek(QStringLiteral("Image9"), 9, 0, 57, &Predmety::Image9_Click);
    Image74 = obrazek(QStringLiteral("Image74"), 10, 0, 58, &Predmety::Image74_Click);
    for (int i = 0; i < static_cast<int>(Image1.size()); ++i) {
        auto *o = new ObrazekPredmetu(0, this);
        // One control array: the six share their name and differ by index.
        o->setObjectName(QStringLiteral("Image1"));
        o->move(levyOkraj + rozestup * (14 - i % 3), radky[static_cast<std::size_t>(i / 3)]);
        connect(o, &QAbstractButton::clicked, this, [this, i] { Image1_Click(i); });
        Image1[static_cast<std::size_t>(i)] = o;
    }
    Image10 = obrazek(QStringLiteral("Image10"), 0, 2, 100, &Predmety::Image10_Click);
    Image11 = obrazek(QStringLiteral("Image11"), 1, 2, 101, &Predmety::Image11_Click);
    Image12 = obrazek(QStringLiteral("Image12"), 2, 2, 102, &Predmety::Image12_Click);
    Image13 = obrazek(QStringLiteral("Image13"), 3, 2, 103, &Predmety::Image13_Click);
    Image14 = obrazek(QStringLiteral("Image14"), 4, 2, 104, &Predmety::Image14_Click);
    Image15 = obrazek(QStringLiteral("Image15"), 5, 2, 105, &Predmety::Image15_Click);
    Image17 = obrazek(QStringLiteral("Image17"), 6, 2, 106, &Predmety::Image17_Click);
    Image18 = obrazek(QStringLiteral("Image18"), 7, 2, 107, &Predmety::Image18_Click);
    Image19 = obrazek(QStringLiteral("Image19"), 8, 2, 108, &Predmety::Image19_Click);
    Image20 = obrazek(QStringLiteral("Image20"), 9, 2, 109, &Predmety::Image20_Click);
    Image21 = obrazek(QStringLiteral("Image21"), 10, 2, 110, &Predmety::Image21_Click);
    Image22 = obrazek(QStringLiteral("Image22"), 11, 2, 111, &Predmety::Image22_Click);
    Image23 = obrazek(QStringLiteral("Image23"), 12, 2, 112, &Predmety::Image23_Click);
    Image24 = obrazek(QStringLiteral("Image24"), 13, 2, 113, &Predmety::Image24_Click);
    Image25 = obrazek(QStringLiteral("Image25"), 14, 2, 114, &Predmety::Image25_Click);
    Image26 = obrazek(QStringLiteral("Image26"), 0, 3, 115, &Predmety::Image26_Click);
    Image27 = obrazek(QStringLiteral("Image27"), 1, 3, 116, &Predmety::Image27_Click);
    Image28 = obrazek(QStringLiteral("Image28"), 2, 3, 117, &Predmety::Image28_Click);
    Image29 = obrazek(QStringLiteral("Image29"), 3, 3, 118, &Predmety::Image29_Click);
    Image30 = obrazek(QStringLiteral("Image30"), 4, 3, 119, &Predmety::Image30_Click);
    Image31 = obrazek(QStringLiteral("Image31"), 5, 3, 120, &Predmety::Image31_Click);
    Image32 = obrazek(QStringLiteral("Image32"), 6, 3, 121, &Predmety::Image32_Click);
    Image33 = obrazek(QStringLiteral("Image33"), 7, 3, 122, &Predmety::Image33_Click);
    Image34 = obrazek(QStringLiteral("Image34"), 8, 3, 123, &Predmety::Image34_Click);
    Image35 = obrazek(QStringLiteral("Image35"), 9, 3, 124, &Predmety::Image35_Click);
    Image36 = obrazek(QStringLiteral("Image36"), 10, 3, 125, &Predmety::Image36_Click);
    Image37 = obrazek(QStringLiteral("Image37"), 11, 3, 126, &Predmety::Image37_Click);
    Image38 = obrazek(QStringLiteral("Image38"), 12, 3, 127, &Predmety::Image38_Click);
    Image39 = obrazek(QStringLiteral("Image39"), 13, 3, 128, &Predmety::Image39_Click);
    Image40 = obrazek(QStringLiteral("Image40"), 14, 3, 129, &Predmety::Image40_Click);
    Image41 = obrazek(QStringLiteral("Image41"), 0, 4, 130, &Predmety::Image41_Click);
    Image42 = obrazek(QStringLiteral("Image42"), 1, 4, 131, &Predmety::Image42_Click);
    Image43 = obrazek(QStringLiteral("Image43"), 2, 4, 132, &Predmety::Image43_Click);
    Image44 = obrazek(QStringLiteral("Image44"), 3, 4, 133, &Predmety::Image44_Click);
    Image45 = obrazek(QStringLiteral("Image45"), 4, 4, 134, &Predmety::Image45_Click);
    Image46 = obrazek(QStringLiteral("Image46"), 5, 4, 135, &Predmety::Image46_Click);
    Image47 = obrazek(QStringLiteral("Image47"), 6, 4, 136, &Predmety::Image47_Click);
    Image48 = obrazek(QStringLiteral("Image48"), 7, 4, 137, &Predmety::Image48_Click);
    Image49 = obrazek(QStringLiteral("Image49"), 8, 4, 138, &Predmety::Image49_Click);
    Image50 = obrazek(QStringLiteral("Image50"), 9, 4, 139, &Predmety::Image50_Click);
    Image51 = obrazek(QStringLiteral("Image51"), 10, 4, 140, &Predmety::Image51_Click);
    Image52 = obrazek(QStringLiteral("Image52"), 11, 4, 141, &Predmety::Image52_Click);
    Image53 = obrazek(QStringLiteral("Image53"), 12, 4, 142, &Predmety::Image53_Click);
    Image54 = obrazek(QStringLiteral("Image54"), 13, 4, 143, &Predmety::Image54_Click);
    Image55 = obrazek(QStringLiteral("Image55"), 14, 4, 144, &Predmety::Image55_Click);
    Image56 = obrazek(QStringLiteral("Image56"), 0, 5, 145, &Predmety::Image56_Click);
    Image57 = obrazek(QStringLiteral("Image57"), 1, 5, 146, &Predmety::Image57_Click);
    Image58 = obrazek(QStringLiteral("Image58"), 2, 5, 147, &Predmety::Image58_Click);
    Image59 = obrazek(QStringLiteral("Image59"), 3, 5, 148, &Predmety::Image59_Click);
    Image60 = obrazek(QStringLiteral("Image60"), 4, 5, 149, &Predmety::Image60_Click);
    Image61 = obrazek(QStringLiteral("Image61"), 5, 5, 150, &Predmety::Image61_Click);
    Image62 = obrazek(QStringLiteral("Image62"), 6, 5, 151, &Predmety::Image62_Click);
    Image63 = obrazek(QStringLiteral("Image63"), 7, 5, 152, &Predmety::Image63_Click);
    Image64 = obrazek(QStringLiteral("Image64"), 8, 5, 153, &Predmety::Image64_Click);
    Image65 = obrazek(QStringLiteral("Image65"), 9, 5, 154, &Predmety::Image65_Click);
    Image66 = obrazek(QStringLiteral("Image66"), 10, 5, 155, &Predmety::Image66_Click);
    Image67 = obrazek(QStringLiteral("Image67"), 11, 5, 156, &Predmety::Image67_Click);
    Image68 = obrazek(QStringLiteral("Image68"), 12, 5, 157, &Predmety::Image68_Click);
    Image69 = obrazek(QStringLiteral("Image69"), 13, 5, 158, &Predmety::Image69_Click);
    Image70 = obrazek(QStringLiteral("Image70"), 14, 5, 159, &Predmety::Image70_Click);
    Image71 = obrazek(QStringLiteral("Image71"), 0, 6, 160, &Predmety::Image71_Click);
    Image72 = obrazek(QStringLiteral("Image72"), 1, 6, 161, &Predmety::Image72_Click);
    Image73 = obrazek(QStringLiteral("Image73"), 2, 6, 162, &Predmety::Image73_Click);
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

ObrazekPredmetu *Predmety::obrazek(const QString &jmeno, int sloupec, int radek, int kod,
                                   void (Predmety::*Click)()) {
    auto *o = new ObrazekPredmetu(kod, this);
    o->setObjectName(jmeno);
    o->move(levyOkraj + rozestup * sloupec, radky[static_cast<std::size_t>(radek)]);
    connect(o, &QAbstractButton::clicked, this, Click);
    return o;
}

void Predmety::zvol(const ObrazekPredmetu &obrazek) {
    promenne.predmet = obrazek.kod();
    close();
}

void Predmety::Form_Click() {
    close();
}

void Predmety::Image1_Click(int Index) {
    zvol(*Image1[static_cast<std::size_t>(Index)]);
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
