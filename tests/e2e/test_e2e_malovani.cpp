#include "ridic.h"

#include <QTest>

// Choosing a wall in the palette and painting it with the mouse, on a real
// X server, checked on the screen.
class TestE2eMalovani : public QObject {
    Q_OBJECT

    static QPoint stred(int cx, int cy) { return {20 * cx + 10, 20 * cy + 10}; }

    // The screen pixels of cell (cx, cy).
    static QImage bunka(const Ridic &ridic, int cx, int cy) {
        return Ridic::snimek().copy(
            QRect(ridic.pocatekPlochy() + QPoint(20 * cx, 20 * cy), QSize(20, 20)));
    }

    static QImage cerna() {
        QImage obraz(20, 20, QImage::Format_RGB32);
        obraz.fill(Qt::black);
        return obraz;
    }

    static QStringList palety() {
        return Ridic::xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                               QStringLiteral("--name"), QStringLiteral("^Volba předmětů$")})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void paletaATah() {
        const QImage zed = QImage(QStringLiteral(VINULA_PICTURES "/zed2.xpm"))
                               .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(zed.size(), QSize(20, 20));
        QVERIFY(zed != cerna());

        Ridic ridic;
        QVERIFY(ridic.spust());
        const QPoint plocha = ridic.pocatekPlochy();

        // A right click on the surface opens the palette beside the window.
        ridic.klikni(plocha + QPoint(300, 200), 3);
        const QString paleta = ridic.najdiOkno(QStringLiteral("^Volba předmětů$"));
        QVERIFY(!paleta.isEmpty());
        const QRect g = ridic.geometrie(paleta);
        QCOMPARE(g.size(), QSize(327, 195));
        QVERIFY(g.left() > ridic.geometrie(ridic.hlavniOkno()).right());

        // The blue wall: row 0, column 4.
        const QRect zedVPalete(g.topLeft() + QPoint(7 + 21 * 4, 28), QSize(20, 20));
        QVERIFY(Ridic::pockej([&] { return Ridic::snimek().copy(zedVPalete) == zed; }));
        Ridic::snimek().save(QStringLiteral("e2e_paleta.png"));

        // A second right press: still one palette.
        ridic.klikni(plocha + QPoint(100, 100), 3);
        QTest::qWait(300);
        QCOMPARE(palety().size(), 1);

        ridic.klikni(zedVPalete.center());
        QVERIFY(Ridic::pockej([] { return palety().isEmpty(); }));

        // A stroke across row 5 from column 3 to 8: each cell shows the wall
        // once the pointer has been over it for a tick.
        ridic.najed(plocha + stred(3, 5));
        ridic.stiskni(1);
        for (int cx = 3; cx <= 8; ++cx) {
            ridic.najed(plocha + stred(cx, 5) + QPoint(cx - 5, 1));
            QVERIFY2(Ridic::pockej([&] { return bunka(ridic, cx, 5) == zed; }),
                     qPrintable(QStringLiteral("cell %1, 5").arg(cx)));
        }
        ridic.pust(1);
        QCOMPARE(ridic.titulekOkna(ridic.hlavniOkno()),
                 QStringLiteral("Vinula - editor místností, řádek 8, sloupec 5, zeď modrá"));
        for (const QPoint c : {QPoint(2, 5), QPoint(9, 5), QPoint(5, 4), QPoint(5, 6)})
            QCOMPARE(bunka(ridic, c.x(), c.y()), cerna());

        // Shift and a press on cell (5, 5) erase it; its neighbours stay.
        ridic.najed(plocha + stred(5, 5));
        ridic.drzKlavesu(ridic.hlavniOkno(), QStringLiteral("shift"));
        ridic.stiskni(1);
        QVERIFY(Ridic::pockej([&] { return bunka(ridic, 5, 5) == cerna(); }));
        ridic.pust(1);
        ridic.pustKlavesu(ridic.hlavniOkno(), QStringLiteral("shift"));
        QCOMPARE(bunka(ridic, 4, 5), zed);
        QCOMPARE(bunka(ridic, 6, 5), zed);
        Ridic::snimek().save(QStringLiteral("e2e_malovani.png"));

        // Shift let go: the left button paints the wall again.
        ridic.stiskni(1);
        QVERIFY(Ridic::pockej([&] { return bunka(ridic, 5, 5) == zed; }));
        ridic.pust(1);

        ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("ctrl+u")});
        QVERIFY(ridic.pockejNaKonec());
    }
};

QTEST_MAIN(TestE2eMalovani)
#include "test_e2e_malovani.moc"
