#include "../cekane.h"
#include "items/katalog.h"
#include "items/obrazky.h"

#include <QColor>
#include <QSet>
#include <QTest>

using namespace vinula;

static QString barvaZdi(const QImage &o) {
    QSet<QRgb> barvy;
    for (int i = 0; i < 400; ++i)
        barvy.insert(o.pixel(i % 20, i / 20));
    const QColor c =
        o.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
    const int h = (c.hsvHue() + 20) % 360; // red from -20 to 20 in one range
    if (barvy.size() > 8)
        return "barevná";
    if (c.hsvSaturation() <= 60)
        return c.value() > 160 ? "bílá" : "šedá";
    return h < 40    ? "červená"
           : h < 65  ? "hnědá"
           : h < 90  ? "žlutá"
           : h < 180 ? "zelená"
           : h < 280 ? "modrá"
                     : "růžová";
}

class TestKatalog : public QObject {
    Q_OBJECT
private slots:
    // Every code from 0 to 255: drawn with the picture from its file; an item exactly when it has
    // a picture of its own, and then a name no other item has. Free floor's picture is black. A
    // wall is named after its bricks: the colour word against the hue, saturation and value of
    // its picture's average colour; the coloured wall has many colours.
    void kody() {
        QSet<QString> nazvy;
        const QImage neznamy = cekane::obrazek(255);
        for (int kod = 0; kod < 256; ++kod) {
            const QImage *o = obrazky::proKod(kod);
            const QImage soubor = cekane::obrazek(kod);
            QCOMPARE(o ? *o : QImage(), soubor);
            const bool predmet = !soubor.isNull() && soubor != neznamy;
            QCOMPARE(katalog::jePredmet(kod), predmet);
            QCOMPARE(katalog::nazev(kod).isEmpty(), !predmet);
            if (predmet)
                nazvy.insert(katalog::nazev(kod));
            if (kod >= 50 && kod <= 58)
                QCOMPARE(katalog::nazev(kod), "zeď " + barvaZdi(soubor));
        }
        QCOMPARE(nazvy.size(), 74);
        QImage cerny(20, 20, QImage::Format_RGB32);
        cerny.fill(cekane::cerna);
        QCOMPARE(obrazky::volno(), cerny);
    }
};

QTEST_GUILESS_MAIN(TestKatalog)
#include "test_katalog.moc"
