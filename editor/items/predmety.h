#pragma once

#include "katalog.h"

#include <QAbstractButton>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>

class QLabel;

namespace vinula {

// One picture of the palette. It shows the item's picture, the very one the
// main window paints cells with, and knows the code it stands for. A click is
// a press and a release of the left button on the same picture.
class ObrazekPredmetu : public QAbstractButton {
    Q_OBJECT
public:
    ObrazekPredmetu(int kod, QWidget *parent);

    int kod() const { return kod_; }
    const QImage &obrazek() const { return obrazek_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int kod_;
    QImage obrazek_;
};

// The palette window `predmety`: a click on a picture makes its item the
// active one and closes the window; a click on the background closes it and
// keeps the active item. It deletes itself when closed.
class Predmety : public QWidget {
    Q_OBJECT
public:
    static constexpr int sirka = 327; // client area, fixed
    static constexpr int vyska = 195;

    explicit Predmety(QWidget *parent = nullptr);

    // Top-left corner for a window of size `velikost` (frame included) beside
    // the main window `hlavni`: to its right where that fits on `obrazovka`,
    // else to its left, else as far right as the screen allows.
    static QPoint poziceVedle(const QRect &hlavni, QSize velikost, const QRect &obrazovka);

    // The layout: 7 rows (rady) of 15 places (mista), of which 79 hold a
    // picture; see katalog::kodNaMiste.
    static constexpr int mistVRade = katalog::mistVRadePalety;
    static constexpr int pocetRad = katalog::radPalety;
    static constexpr int pocetObrazku = katalog::pocetMistPalety();
    static_assert(pocetObrazku == 79);
    // The code the picture at place `misto` of row `rada` selects, or -1
    // where the place is empty.
    static int kodNaMiste(int rada, int misto);

    // One control array, in the order of the layout: row by row, each row
    // from the left.
    std::array<ObrazekPredmetu *, pocetObrazku> Image{};

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;

    void Form_Click();
    void Image_Click(int Index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool stiskNaPozadi_ = false;
};

} // namespace vinula
