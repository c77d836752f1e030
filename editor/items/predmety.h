#pragma once

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

    // The free-floor block, indices 2, 1, 0 across the top row and 5, 4, 3
    // across the bottom row; all six select free floor.
    std::array<ObrazekPredmetu *, 6> Image1{};
    ObrazekPredmetu *Image2 = nullptr;
    ObrazekPredmetu *Image3 = nullptr;
    ObrazekPredmetu *Image4 = nullptr;
    ObrazekPredmetu *Image5 = nullptr;
    ObrazekPredmetu *Image6 = nullptr;
    ObrazekPredmetu *Image7 = nullptr;
    ObrazekPredmetu *Image8 = nullptr;
    ObrazekPredmetu *Image9 = nullptr;
    ObrazekPredmetu *Image10 = nullptr;
    ObrazekPredmetu *Image11 = nullptr;
    ObrazekPredmetu *Image12 = nullptr;
    ObrazekPredmetu *Image13 = nullptr;
    ObrazekPredmetu *Image14 = nullptr;
    ObrazekPredmetu *Image15 = nullptr;
    ObrazekPredmetu *Image16 = nullptr;
    ObrazekPredmetu *Image17 = nullptr;
    ObrazekPredmetu *Image18 = nullptr;
    ObrazekPredmetu *Image19 = nullptr;
    ObrazekPredmetu *Image20 = nullptr;
    ObrazekPredmetu *Image21 = nullptr;
    ObrazekPredmetu *Image22 = nullptr;
    ObrazekPredmetu *Image23 = nullptr;
    ObrazekPredmetu *Image24 = nullptr;
    ObrazekPredmetu *Image25 = nullptr;
    ObrazekPredmetu *Image26 = nullptr;
    ObrazekPredmetu *Image27 = nullptr;
    ObrazekPredmetu *Image28 = nullptr;
    ObrazekPredmetu *Image29 = nullptr;
    ObrazekPredmetu *Image30 = nullptr;
    ObrazekPredmetu *Image31 = nullptr;
    ObrazekPredmetu *Image32 = nullptr;
    ObrazekPredmetu *Image33 = nullptr;
    ObrazekPredmetu *Image34 = nullptr;
    ObrazekPredmetu *Image35 = nullptr;
    ObrazekPredmetu *Image36 = nullptr;
    ObrazekPredmetu *Image37 = nullptr;
    ObrazekPredmetu *Image38 = nullptr;
    ObrazekPredmetu *Image39 = nullptr;
    ObrazekPredmetu *Image40 = nullptr;
    ObrazekPredmetu *Image41 = nullptr;
    ObrazekPredmetu *Image42 = nullptr;
    ObrazekPredmetu *Image43 = nullptr;
    ObrazekPredmetu *Image44 = nullptr;
    ObrazekPredmetu *Image45 = nullptr;
    ObrazekPredmetu *Image46 = nullptr;
    ObrazekPredmetu *Image47 = nullptr;
    ObrazekPredmetu *Image48 = nullptr;
    ObrazekPredmetu *Image49 = nullptr;
    ObrazekPredmetu *Image50 = nullptr;
    ObrazekPredmetu *Image51 = nullptr;
    ObrazekPredmetu *Image52 = nullptr;
    ObrazekPredmetu *Image53 = nullptr;
    ObrazekPredmetu *Image54 = nullptr;
    ObrazekPredmetu *Image55 = nullptr;
    ObrazekPredmetu *Image56 = nullptr;
    ObrazekPredmetu *Image57 = nullptr;
    ObrazekPredmetu *Image58 = nullptr;
    ObrazekPredmetu *Image59 = nullptr;
    ObrazekPredmetu *Image60 = nullptr;
    ObrazekPredmetu *Image61 = nullptr;
    ObrazekPredmetu *Image62 = nullptr;
    ObrazekPredmetu *Image63 = nullptr;
    ObrazekPredmetu *Image64 = nullptr;
    ObrazekPredmetu *Image65 = nullptr;
    ObrazekPredmetu *Image66 = nullptr;
    ObrazekPredmetu *Image67 = nullptr;
    ObrazekPredmetu *Image68 = nullptr;
    ObrazekPredmetu *Image69 = nullptr;
    ObrazekPredmetu *Image70 = nullptr;
    ObrazekPredmetu *Image71 = nullptr;
    ObrazekPredmetu *Image72 = nullptr;
    ObrazekPredmetu *Image73 = nullptr;
    ObrazekPredmetu *Image74 = nullptr;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;

    void Form_Click();
    void Image1_Click(int Index);
    void Image2_Click() { zvol(*Image2); }
    void Image3_Click() { zvol(*Image3); }
    void Image4_Click() { zvol(*Image4); }
    void Image5_Click() { zvol(*Image5); }
    void Image6_Click() { zvol(*Image6); }
    void Image7_Click() { zvol(*Image7); }
    void Image8_Click() { zvol(*Image8); }
    void Image9_Click() { zvol(*Image9); }
    void Image10_Click() { zvol(*Image10); }
    void Image11_Click() { zvol(*Image11); }
    void Image12_Click() { zvol(*Image12); }
    void Image13_Click() { zvol(*Image13); }
    void Image14_Click() { zvol(*Image14); }
    void Image15_Click() { zvol(*Image15); }
    void Image16_Click() { zvol(*Image16); }
    void Image17_Click() { zvol(*Image17); }
    void Image18_Click() { zvol(*Image18); }
    void Image19_Click() { zvol(*Image19); }
    void Image20_Click() { zvol(*Image20); }
    void Image21_Click() { zvol(*Image21); }
    void Image22_Click() { zvol(*Image22); }
    void Image23_Click() { zvol(*Image23); }
    void Image24_Click() { zvol(*Image24); }
    void Image25_Click() { zvol(*Image25); }
    void Image26_Click() { zvol(*Image26); }
    void Image27_Click() { zvol(*Image27); }
    void Image28_Click() { zvol(*Image28); }
    void Image29_Click() { zvol(*Image29); }
    void Image30_Click() { zvol(*Image30); }
    void Image31_Click() { zvol(*Image31); }
    void Image32_Click() { zvol(*Image32); }
    void Image33_Click() { zvol(*Image33); }
    void Image34_Click() { zvol(*Image34); }
    void Image35_Click() { zvol(*Image35); }
    void Image36_Click() { zvol(*Image36); }
    void Image37_Click() { zvol(*Image37); }
    void Image38_Click() { zvol(*Image38); }
    void Image39_Click() { zvol(*Image39); }
    void Image40_Click() { zvol(*Image40); }
    void Image41_Click() { zvol(*Image41); }
    void Image42_Click() { zvol(*Image42); }
    void Image43_Click() { zvol(*Image43); }
    void Image44_Click() { zvol(*Image44); }
    void Image45_Click() { zvol(*Image45); }
    void Image46_Click() { zvol(*Image46); }
    void Image47_Click() { zvol(*Image47); }
    void Image48_Click() { zvol(*Image48); }
    void Image49_Click() { zvol(*Image49); }
    void Image50_Click() { zvol(*Image50); }
    void Image51_Click() { zvol(*Image51); }
    void Image52_Click() { zvol(*Image52); }
    void Image53_Click() { zvol(*Image53); }
    void Image54_Click() { zvol(*Image54); }
    void Image55_Click() { zvol(*Image55); }
    void Image56_Click() { zvol(*Image56); }
    void Image57_Click() { zvol(*Image57); }
    void Image58_Click() { zvol(*Image58); }
    void Image59_Click() { zvol(*Image59); }
    void Image60_Click() { zvol(*Image60); }
    void Image61_Click() { zvol(*Image61); }
    void Image62_Click() { zvol(*Image62); }
    void Image63_Click() { zvol(*Image63); }
    void Image64_Click() { zvol(*Image64); }
    void Image65_Click() { zvol(*Image65); }
    void Image66_Click() { zvol(*Image66); }
    void Image67_Click() { zvol(*Image67); }
    void Image68_Click() { zvol(*Image68); }
    void Image69_Click() { zvol(*Image69); }
    void Image70_Click() { zvol(*Image70); }
    void Image71_Click() { zvol(*Image71); }
    void Image72_Click() { zvol(*Image72); }
    void Image73_Click() { zvol(*Image73); }
    void Image74_Click() { zvol(*Image74); }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ObrazekPredmetu *obrazek(const QString &jmeno, int sloupec, int radek, int kod,
                             void (Predmety::*Click)());
    void zvol(const ObrazekPredmetu &obrazek);

    bool stiskNaPozadi_ = false;
};

} // namespace vinula
