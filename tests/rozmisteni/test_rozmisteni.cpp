#include "../cekane.h"
#include "../modalni.h"
#include "dialogs/rozmisteni.h"
#include "dialogs/rozmisteni_krok.h"
#include "main/editor.h"
#include "main/plocha.h"
#include "room/promenne.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vinula;

namespace {
constexpr QPoint znacka(505, 305); // a pixel off the cell centres and the grid lines
constexpr QRgb cervena = 0xffff0000;

// Cells whose value differs between the two grids, ring included.
QList<QPoint> zmeny(const Mistnost &pred, const Mistnost &po) {
    QList<QPoint> vysledek;
    for (int x = -1; x <= Mistnost::sirka; ++x)
        for (int y = -1; y <= Mistnost::vyska; ++y)
            if (pred.bunka(x, y) != po.bunka(x, y))
                vysledek.append({x, y});
    return vysledek;
}

// Whether the rules take an item at (x, y): the cell free (`sam`: unless the item
// is there) and, with touching forbidden, the eight around it, ring included.
bool bere(const Mistnost &m, int x, int y, bool dotyk, bool sam = true) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if ((dx || dy ? !dotyk : sam) && m.bunka(x + dx, y + dy) != 0)
                return false;
    return true;
}
} // namespace

// A request as the dialog leaves it, and what it must give. `pole` holds
// count|radek_od|radek_do|sloupec_od|sloupec_do; -1 means "as many as fit".
struct Pripad {
    int predmet;
    QString pole;
    bool dotyk;
    QList<QPoint> zdi; // cells holding a wall beforehand
    QRect oblast;      // where items may land
    int ocekavano;
};
Q_DECLARE_METATYPE(Pripad)

class TestRozmisteni : public QObject {
    Q_OBJECT
private slots:
    void init() { promenne = Promenne{}; }

    void krok_data() {
        QTest::addColumn<Pripad>("p");
        const QRect cela(0, 0, 30, 20);
        const QList<QPoint> zdi{{0, 0}, {5, 5}, {29, 19}, {14, 7}};
        const std::pair<const char *, Pripad> pripady[] = {
            {"defaults", {100, "10|0|29|0|19", true, {}, cela, 10}},
            {"walls, apart", {50, "20|0|29|0|19", false, zdi, cela, 20}},
            {"fill around walls", {120, "1000|0|29|0|19", true, zdi, cela, 596}},
            {"impossible, apart", {101, "1000000|0|29|0|19", false, {}, cela, -1}},
            {"huge count", {101, "1e300|0|29|0|19", false, zdi, cela, -1}},
            {"count beyond a double", {120, "1e309|0|29|0|19", true, {}, cela, 600}},
            {"400-digit count", {120, QString(400, '9') + "|0|29|0|19", true, {}, cela, 600}},
            {"count below a double", {120, "1e-400|0|29|0|19", true, {}, cela, 0}},
            {"count, 400 zeros then 1",
             {120, "0." + QString(400, '0') + "1|0|29|0|19", true, {}, cela, 0}},
            {"bounds beyond a double",
             {120, "40|-1e999|1e999|-3e400|0", true, {}, {0, 0, 30, 1}, 30}},
            {"vinula off the edge", {1, "9|10|12|10|12", true, {}, {10, 10, 3, 3}, 9}},
            {"free floor", {0, "5|0|29|0|19", true, {}, cela, 0}},
            {"equal bounds x", {100, "20|5|5|0|19", true, {}, {5, 0, 1, 20}, 20}},
            {"reversed", {100, "25|29|25|19|15", true, {}, {25, 15, 5, 5}, 25}},
            {"outside the room", {100, "600|-10|1000|-5|25", true, {}, cela, 600}},
            {"beyond the far edge", {100, "30|40|50|0|19", true, {}, {29, 0, 1, 20}, 20}},
            {"left edge apart", {100, "20|0|0|0|19", false, {}, {0, 0, 1, 20}, -1}},
            {"bottom edge apart", {100, "30|0|29|19|19", false, {}, {0, 19, 30, 1}, -1}},
            {"fraction bounds", {100, "4|2.5|4.5|0.1|1.9", true, {}, {3, 1, 2, 1}, 2}},
            {"empty bounds are 0", {100, "5| | ||0", true, {}, {0, 0, 1, 1}, 1}},
            {"fraction count", {100, "3.99|0|29|0|19", true, {}, cela, 3}},
            {"blanks", {100, " 7 | 0|29 |\t0|19\n", true, {}, cela, 7}},
            {"diagonal wall", {100, "1|5|5|5|5", false, {{6, 6}}, {5, 5, 1, 1}, 0}},
            {"wall on the ring", {100, "1|0|0|5|5", false, {{-1, 4}}, {0, 5, 1, 1}, 0}},
            {"occupied region", {100, "3|3|4|3|3", true, {{3, 3}, {4, 3}}, {3, 3, 2, 1}, 0}},
        };
        for (const auto &[jmeno, p] : pripady)
            QTest::newRow(jmeno) << p;
        for (const char *smeti : {"abc", "1,5", "nan", "inf", "0x10", "1e", "5 5", "--1", ""})
            for (int box = 0; box < 5; ++box) {
                QStringList pole = QStringLiteral("10|0|29|0|19").split(QLatin1Char('|'));
                pole[box] = *smeti ? QString::fromLatin1(smeti) : QStringLiteral("١"); // ١
                QTest::addRow("junk %s in box %d", smeti, box + 1)
                    << Pripad{100, pole.join(QLatin1Char('|')), true, {}, cela, 0};
            }
    }

    // Over 100 seeds: the count exact, or short only when nothing
    // more fits; items only on free cells of the region, with touching forbidden beside nothing.
    void krok() {
        QFETCH(Pripad, p);
        const QStringList t = p.pole.split(QLatin1Char('|'));
        const ZadaniRozmisteni zadani{t[0], t[1], t[2], t[3], t[4], p.dotyk};
        Mistnost pred;
        for (const QPoint &z : p.zdi)
            pred.nastav(z.x(), z.y(), 50);
        for (unsigned semeno = 1; semeno <= 100; ++semeno) {
            std::mt19937 nahoda(semeno);
            Mistnost po = pred;
            const int umisteno = rozmistitNahodne(po, p.predmet, zadani, nahoda);
            const QList<QPoint> zmenene = zmeny(pred, po);
            const QByteArray sem = "seed " + QByteArray::number(semeno);
            QCOMPARE(zmenene.size(), umisteno);
            if (p.ocekavano >= 0)
                QCOMPARE(umisteno, p.ocekavano);
            for (int x = p.oblast.left(); p.ocekavano < 0 && x <= p.oblast.right(); ++x)
                for (int y = p.oblast.top(); y <= p.oblast.bottom(); ++y)
                    QVERIFY2(!bere(po, x, y, p.dotyk), sem.constData());
            for (const QPoint &c : zmenene)
                QVERIFY2(p.oblast.contains(c) && pred.bunka(c.x(), c.y()) == 0 &&
                             po.bunka(c.x(), c.y()) == p.predmet &&
                             bere(po, c.x(), c.y(), p.dotyk, false),
                         sem.constData());
        }
    }

    void pozadavek_data() {
        QTest::addColumn<int>("zpusob"); // 0 Rozmístit, 1 Zrušit, 2 window closed
        QTest::addColumn<int>("predmet");
        QTest::addColumn<QString>("pocet"); // typed into the count box
        QTest::addColumn<bool>("dotyk");    // before; the check box is clicked
        QTest::addColumn<int>("umisteno");
        QTest::addColumn<bool>("prekresleno");
        QTest::newRow("walls, apart") << 0 << 50 << "25" << true << 25 << true;
        QTest::newRow("free floor") << 0 << 0 << "10" << true << 0 << true;
        QTest::newRow("below one") << 0 << 120 << "0.5" << false << 0 << true;
        QTest::newRow("zero") << 0 << 120 << "0" << true << 0 << false;
        QTest::newRow("negative") << 0 << 120 << "-4" << false << 0 << false;
        QTest::newRow("not a number") << 0 << 120 << "deset" << true << 0 << false;
        QTest::newRow("beyond a double") << 0 << 120 << "1e400" << false << 476 << true;
        QTest::newRow("Zrušit") << 1 << 120 << "25" << true << 0 << false;
        QTest::newRow("window closed") << 2 << 120 << "25" << false << 0 << false;
    }

    // From the menu: the design texts, the last confirmed check box, the six
    // fields stored by Rozmístit alone. Then a count above 0 makes the tick
    // place, redraw, reset the count and draw the grid over the new pictures.
    void pozadavek() {
        QFETCH(int, zpusob);
        QFETCH(int, predmet);
        QFETCH(QString, pocet);
        QFETCH(bool, dotyk);
        QFETCH(int, umisteno);
        QFETCH(bool, prekresleno);
        Editor e;
        e.Timer1->stop();
        e.prepniMrizku();
        promenne.predmet = predmet;
        promenne.radek_od = QStringLiteral("7");
        promenne.pocet = QStringLiteral("8");
        promenne.dotyk = dotyk;
        const QStringList vychozi{"0", "29", "0", "19", "10"}, zadano{"1", "28", "2", "18", pocet};
        const bool probehlo = sModalnimOknem(
            [&] { e.rozmistit->trigger(); },
            [&](QWidget *okno) {
                auto *d = qobject_cast<Rozmisteni *>(okno);
                QVERIFY(d);
                QCOMPARE(promenne.pocet, QStringLiteral("0"));
                QCOMPARE(d->Check1->isChecked(), dotyk);
                const QList<QLineEdit *> boxy{d->Text1, d->Text2, d->Text3, d->Text4, d->Text5};
                for (int i = 0; i < 5; ++i) {
                    QCOMPARE(boxy[i]->text(), vychozi[i]);
                    boxy[i]->setText(zadano[i]);
                }
                QTest::mouseClick(d->Check1, Qt::LeftButton);
                if (zpusob < 2)
                    QTest::mouseClick(zpusob == 0 ? d->Command1 : d->Command2, Qt::LeftButton);
                else
                    d->close();
            });
        QVERIFY(probehlo);
        const QStringList ulozeno{promenne.radek_od, promenne.radek_do, promenne.sloupec_od,
                                  promenne.sloupec_do, promenne.pocet};
        QCOMPARE(ulozeno, (zpusob == 0 ? zadano : QStringList{"7", "", "", "", "0"}));
        QCOMPARE(promenne.dotyk, dotyk != (zpusob == 0));

        const Mistnost pred = e.mistnost;
        QImage &obraz = e.plocha->obraz();
        obraz.setPixel(znacka, cervena);
        e.Timer1_Timer();
        QCOMPARE(zmeny(pred, e.mistnost).size(), umisteno);
        QCOMPARE(obraz.pixel(znacka) != cervena, prekresleno);
        QCOMPARE(promenne.pocet, QStringLiteral("0")); // the request is over, whatever it was
        for (int x = 0; x < Mistnost::sirka; ++x)
            for (int y = 0; y < Mistnost::vyska; ++y) {
                const QImage obrazek = cekane::obrazek(e.mistnost.bunka(x, y));
                QCOMPARE(obraz.pixel(20 * x + 10, 20 * y + 10), obrazek.pixel(10, 10));
                QVERIFY(!x || !y ||
                        (obraz.pixel(20 * x, 20 * y + 5) == cekane::seda &&
                         obraz.pixel(20 * x + 5, 20 * y) == cekane::seda));
            }
    }
};

QTEST_MAIN(TestRozmisteni)
#include "test_rozmisteni.moc"
