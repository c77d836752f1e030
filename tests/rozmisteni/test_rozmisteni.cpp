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
// Cells whose value differs between the two grids, ring included.
QList<QPoint> zmeny(const Mistnost &pred, const Mistnost &po) {
    QList<QPoint> vysledek;
    for (int x = -1; x <= Mistnost::sirka; ++x)
        for (int y = -1; y <= Mistnost::vyska; ++y)
            if (pred.bunka(x, y) != po.bunka(x, y))
                vysledek.append({x, y});
    return vysledek;
}

// Whether an item may go to (x, y): the cell free (`sam`: unless the item is there) and, with
// touching forbidden, the eight around it, ring included.
bool bere(const Mistnost &m, int x, int y, bool dotyk, bool sam = true) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if ((dx || dy ? !dotyk : sam) && m.bunka(x + dx, y + dy) != 0)
                return false;
    return true;
}
} // namespace

// `pole`: count|radek_od|radek_do|sloupec_od|sloupec_do; `ocekavano` -1: as many as fit.
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
            {"walls, apart", {50, "20|0|29|0|19", false, zdi, cela, 20}},
            {"impossible, apart", {101, "1000000|0|29|0|19", false, zdi, cela, -1}},
            {"count beyond a double", {120, "1e309|0|29|0|19", true, zdi, cela, 596}},
            {"fraction count", {100, "3.99|0|29|0|19", true, {}, cela, 3}},
            {"vinula off the edge", {1, "9|10|12|10|12", true, {}, {10, 10, 3, 3}, 9}},
            {"reversed", {100, "25|29|25|19|15", true, {}, {25, 15, 5, 5}, 25}},
            {"outside the room", {100, "600|-10|1000|-5|25", true, {}, cela, 600}},
            {"diagonal wall", {100, "1|5|5|5|5", false, {{6, 6}}, {5, 5, 1, 1}, 0}},
            {"wall on the ring", {100, "1|0|0|5|5", false, {{-1, 4}}, {0, 5, 1, 1}, 0}},
            {"junk count", {100, "abc|0|29|0|19", true, {}, cela, 0}},
            {"junk bound", {100, "10|0|29|1,5|19", true, {}, cela, 0}},
        };
        for (const auto &[jmeno, p] : pripady)
            QTest::newRow(jmeno) << p;
    }
    // Over 100 seeds: the count exact, or short only when nothing more fits; items only on free
    // cells of the region, with touching forbidden beside nothing.
    void krok() {
        QFETCH(Pripad, p);
        const QStringList t = p.pole.split(QLatin1Char('|'));
        const ZadaniRozmisteni zadani{.pocet = t[0],
                                      .radek_od = t[1],
                                      .radek_do = t[2],
                                      .sloupec_od = t[3],
                                      .sloupec_do = t[4],
                                      .dotyk = p.dotyk};
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
        QTest::newRow("negative") << 0 << 120 << "-4" << false << 0 << false;
        QTest::newRow("half") << 0 << 120 << "0.5" << false << 0 << true;
        QTest::newRow("Zrušit") << 1 << 120 << "25" << true << 0 << false;
        QTest::newRow("window closed") << 2 << 120 << "25" << false << 0 << false;
    }
    // From the menu: the design texts, the last confirmed check box, the fields stored by
    // Rozmístit alone; a count above 0 makes the tick place, reset the count, redraw with grid.
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
        const auto vyplnDialog = [&](QWidget *okno) {
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
        };
        QVERIFY(sModalnimOknem([&] { e.rozmistit->trigger(); }, vyplnDialog));
        const QStringList ulozeno{promenne.radek_od, promenne.radek_do, promenne.sloupec_od,
                                  promenne.sloupec_do, promenne.pocet};
        QCOMPARE(ulozeno, (zpusob == 0 ? zadano : QStringList{"7", "", "", "", "0"}));
        QCOMPARE(promenne.dotyk, dotyk != (zpusob == 0));

        const Mistnost pred = e.mistnost;
        QImage &obraz = e.plocha->obraz();
        obraz.setPixel(505, 305, 0xffff0000); // gone once the room is drawn again
        e.Timer1_Timer();
        QCOMPARE(zmeny(pred, e.mistnost).size(), umisteno);
        QCOMPARE(promenne.pocet, QStringLiteral("0")); // the request is over, whatever it was
        QCOMPARE(obraz.pixel(505, 305) != 0xffff0000, prekresleno);
        if (prekresleno) // the new pictures, the grid over them
            QCOMPARE(obraz, cekane::plocha(e.mistnost, true));
    }
};

QTEST_MAIN(TestRozmisteni)
#include "test_rozmisteni.moc"
