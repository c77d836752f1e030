// Mouse input goes through the window system's path, so that the surface
// gets moves and the release the way a real pointer delivers them, also
// outside the surface while a button is held.
#define QTEST_QPA_MOUSE_HANDLING

#include "items/obrazky.h"
#include "items/predmety.h"
#include "main/editor.h"
#include "main/kresleni.h"
#include "main/plocha.h"
#include "room/promenne.h"

#include <QAction>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace vinula;

namespace {

constexpr QRgb seda = qRgb(64, 64, 64); // grid lines
constexpr QRgb cerna = qRgb(0, 0, 0);

QPoint stred(int cx, int cy) {
    return {20 * cx + 10, 20 * cy + 10};
}

// A black surface with these pictures on it.
struct Obraz {
    QImage obraz = kresleni::novaPlocha();
    Obraz &s(int cx, int cy, const QImage &obrazek) {
        QPainter p(&obraz);
        p.drawImage(20 * cx, 20 * cy, obrazek);
        return *this;
    }
};

// Records whether the main window had seen a Shift press before this control.
class Pole : public QLineEdit {
public:
    Pole(const Editor &editor, QWidget *parent) : QLineEdit(parent), editor_(editor) {}
    bool shiftUzVidelo = false;

protected:
    void keyPressEvent(QKeyEvent *event) override {
        if (event->key() == Qt::Key_Shift)
            shiftUzVidelo = editor_.stisk_shift;
        QLineEdit::keyPressEvent(event);
    }

private:
    const Editor &editor_;
};

} // namespace

class TestMalovani : public QObject {
    Q_OBJECT

    std::unique_ptr<Editor> e;

    // Input in drawing-area pixels; the surface's frame is added here.
    static QPoint vRamecku(QPoint bod) { return bod + QPoint(Plocha::ramecek, Plocha::ramecek); }
    // Qt Test warns of input past the window's right or bottom edge; there it
    // is meant.
    void ohlasMimoOkno(QPoint bod) {
        const QPoint vOkne = e->plocha->mapTo(e.get(), vRamecku(bod));
        if (vOkne.x() >= e->width() || vOkne.y() >= e->height())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("outside target window"));
    }
    void pohyb(QPoint bod) {
        ohlasMimoOkno(bod);
        QTest::mouseMove(e->plocha, vRamecku(bod));
    }
    void stisk(QPoint bod, Qt::MouseButton tlacitko = Qt::LeftButton) {
        QTest::mousePress(e->plocha, tlacitko, {}, vRamecku(bod));
    }
    void uvolneni(QPoint bod, Qt::MouseButton tlacitko = Qt::LeftButton) {
        ohlasMimoOkno(bod);
        QTest::mouseRelease(e->plocha, tlacitko, {}, vRamecku(bod));
    }
    // One stroke that stays on one cell for one tick.
    void namaluj(int cx, int cy) {
        pohyb(stred(cx, cy));
        stisk(stred(cx, cy));
        e->Timer1_Timer();
        uvolneni(stred(cx, cy));
    }
    void shift(bool dolu) {
        if (dolu)
            QTest::keyPress(e->windowHandle(), Qt::Key_Shift);
        else
            QTest::keyRelease(e->windowHandle(), Qt::Key_Shift);
    }
    const QImage &plocha() const { return e->plocha->obraz(); }
    QImage bunka(int cx, int cy) const { return plocha().copy(kresleni::obdelnikBunky(cx, cy)); }
    QRgb pixel(int x, int y) const { return plocha().pixel(x, y) | 0xff000000; }

private slots:
    void init() {
        e = std::make_unique<Editor>();
        // Ticks happen only when a test calls for one.
        e->Timer1->stop();
        e->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.get()));
    }

    void cleanup() { e.reset(); }

    // The button held still: the same cell on every tick, and no other.
    void drzeniNaJedneBunce() {
        promenne.predmet = 52;
        pohyb(stred(3, 4));
        stisk(stred(3, 4));
        QVERIFY(e->leve_tlacitko);
        // The press alone paints nothing.
        QVERIFY(e->mistnost == Mistnost());
        QCOMPARE(plocha(), kresleni::novaPlocha());

        Mistnost ocekavana;
        ocekavana.nastav(3, 4, 52);
        const QImage obraz = Obraz().s(3, 4, obrazky::zed(2)).obraz;
        for (int tik = 0; tik < 3; ++tik) {
            e->Timer1_Timer();
            QVERIFY(e->mistnost == ocekavana);
            QCOMPARE(plocha(), obraz);
            // Spoil the cell: the next tick must paint it again.
            e->mistnost.nastav(3, 4, 0);
            QPainter(&e->plocha->obraz()).fillRect(kresleni::obdelnikBunky(3, 4), Qt::red);
        }
        // Released: ticks leave everything as it is.
        uvolneni(stred(3, 4));
        QVERIFY(!e->leve_tlacitko);
        const QImage pokazena = plocha();
        e->Timer1_Timer();
        QCOMPARE(e->mistnost.bunka(3, 4), Kod(0));
        QCOMPARE(plocha(), pokazena);
    }

    // The press records no position; the tick paints where the last move was.
    void stiskNezaznamenavaPozici() {
        promenne.predmet = 53;
        e->plocha_MouseMove(Qt::NoButton, {}, 70, 90);
        e->plocha_MouseDown(Qt::LeftButton, {}, 300, 300);
        e->Timer1_Timer();
        QCOMPARE(e->mistnost.bunka(3, 4), Kod(53));
        QCOMPARE(e->mistnost.bunka(15, 15), Kod(0));
    }

    void rychlyPohybPreskakuje() {
        promenne.predmet = 110;
        pohyb(stred(1, 1));
        stisk(stred(1, 1));
        e->Timer1_Timer();
        for (int cx = 2; cx <= 4; ++cx)
            pohyb(stred(cx, 1));
        e->Timer1_Timer();
        uvolneni(stred(4, 1));

        Mistnost ocekavana;
        ocekavana.nastav(1, 1, 110);
        ocekavana.nastav(4, 1, 110);
        QVERIFY(e->mistnost == ocekavana);
        QCOMPARE(plocha(), Obraz().s(1, 1, obrazky::zradlo(10)).s(4, 1, obrazky::zradlo(10)).obraz);
    }

    void shiftMaze() {
        promenne.predmet = 120;
        namaluj(6, 6);
        namaluj(7, 6);
        QCOMPARE(e->mistnost.bunka(6, 6), Kod(120));

        shift(true);
        QVERIFY(e->stisk_shift);
        pohyb(stred(6, 6));
        stisk(stred(6, 6));
        e->Timer1_Timer();
        QCOMPARE(e->mistnost.bunka(6, 6), Kod(0));
        QCOMPARE(bunka(6, 6), obrazky::volno());
        QCOMPARE(e->mistnost.bunka(7, 6), Kod(120));
        QCOMPARE(promenne.predmet, 120);
        pohyb(stred(6, 6) + QPoint(3, 3));
        QCOMPARE(e->windowTitle(),
                 QStringLiteral("Vinula - editor místností, řádek 6, sloupec 6, klíč"));

        // Shift let go during the stroke: painting again, the same item.
        shift(false);
        QVERIFY(!e->stisk_shift);
        e->Timer1_Timer();
        QCOMPARE(e->mistnost.bunka(6, 6), Kod(120));
        QCOMPARE(bunka(6, 6), obrazky::zradlo(20));
        uvolneni(stred(6, 6));
    }

    void shiftBezTlacitka() {
        promenne.predmet = 100;
        namaluj(2, 2);
        const QImage pred = plocha();
        shift(true);
        pohyb(stred(2, 2));
        e->Timer1_Timer();
        e->Timer1_Timer();
        QCOMPARE(e->mistnost.bunka(2, 2), Kod(100));
        QCOMPARE(plocha(), pred);
    }

    void vinula_data() {
        QTest::addColumn<int>("cx");
        QTest::addColumn<int>("cy");
        QTest::addColumn<bool>("polozi");
        QTest::newRow("top edge (5,0)") << 5 << 0 << true;
        QTest::newRow("left edge (0,7)") << 0 << 7 << true;
        QTest::newRow("right edge (29,12)") << 29 << 12 << true;
        QTest::newRow("bottom edge (14,19)") << 14 << 19 << true;
        QTest::newRow("corner (29,19)") << 29 << 19 << true;
        QTest::newRow("inside (5,5)") << 5 << 5 << false;
        QTest::newRow("one in (1,1)") << 1 << 1 << false;
        QTest::newRow("one in (28,18)") << 28 << 18 << false;
    }

    void vinula() {
        QFETCH(int, cx);
        QFETCH(int, cy);
        QFETCH(bool, polozi);
        promenne.predmet = 55;
        namaluj(cx, cy); // a wall underneath, so that "no change" is visible
        promenne.predmet = 1;
        const Mistnost predTim = e->mistnost;
        const QImage obrazPredTim = plocha();

        namaluj(cx, cy);
        if (polozi) {
            QCOMPARE(e->mistnost.bunka(cx, cy), Kod(1));
            QCOMPARE(bunka(cx, cy), obrazky::hlava());
            Mistnost ocekavana = predTim;
            ocekavana.nastav(cx, cy, 1);
            QVERIFY(e->mistnost == ocekavana);
        } else {
            QVERIFY(e->mistnost == predTim);
            QCOMPARE(plocha(), obrazPredTim);
        }
    }

    // The grid overlay and painting: pictures cover the lines along the
    // cell's left and top edges, and the refresh after painting draws them
    // again, but not for the vinula's picture, which comes after it.
    void mrizka() {
        e->mrizka->trigger();
        QVERIFY(e->mrizka->isChecked());
        QCOMPARE(pixel(60, 85), seda);

        promenne.predmet = 52;
        namaluj(3, 4);
        QImage zed = obrazky::zed(2);
        QPainter(&zed).fillRect(0, 0, 20, 1, QColor(seda));
        QPainter(&zed).fillRect(0, 0, 1, 20, QColor(seda));
        QCOMPARE(bunka(3, 4), zed);

        promenne.predmet = 1;
        namaluj(5, 0);
        QCOMPARE(bunka(5, 0), obrazky::hlava()); // no line on its left edge
        QCOMPARE(pixel(120, 10), seda);          // the neighbour's line stays
        promenne.predmet = 56;
        namaluj(6, 0);
        QCOMPARE(pixel(120, 10), seda);                       // a wall keeps its left line
        QCOMPARE(pixel(125, 0), obrazky::zed(6).pixel(5, 0)); // no line on the outer edge
        QCOMPARE(pixel(100, 10), seda); // and the refresh brought back the vinula's

        // Erasing does not refresh: the erased cell loses its left and top lines.
        shift(true);
        namaluj(3, 4);
        shift(false);
        QCOMPARE(bunka(3, 4), obrazky::volno());
        QCOMPARE(pixel(80, 85), seda);
        QCOMPARE(pixel(65, 100), seda);
        // The next painting tick draws them again.
        promenne.predmet = 52;
        namaluj(10, 10);
        QCOMPARE(pixel(60, 85), seda);
        QCOMPARE(pixel(65, 80), seda);
        QCOMPARE(pixel(65, 85), cerna);

        // Free floor painted without Shift: like erasing, then the refresh.
        promenne.predmet = 0;
        namaluj(10, 10);
        QCOMPARE(e->mistnost.bunka(10, 10), Kod(0));
        QCOMPARE(pixel(200, 205), seda);
        QCOMPARE(pixel(205, 200), seda);
        QCOMPARE(pixel(205, 205), cerna);
    }

    // With the button held the surface follows the pointer anywhere; off the
    // area nothing is painted, the ring included, and the title says where.
    void mimoPlochu() {
        promenne.predmet = 52;
        pohyb(stred(0, 0));
        stisk(stred(0, 0));
        struct Misto {
            QPoint bod;
            const char *titulek;
        };
        const Misto mista[] = {
            {{-15, -15}, "řádek -1, sloupec -1"}, {{-45, 10}, "řádek -3, sloupec 0"},
            {{10, -70}, "řádek 0, sloupec -4"},   {{615, 405}, "řádek 30, sloupec 20"},
            {{599, 405}, "řádek 29, sloupec 20"}, {{700, 900}, "řádek 35, sloupec 45"},
        };
        const QPoint vOkne(-5, 100); // beside the surface, inside the window
        pohyb(vOkne);
        QCOMPARE(e->mys_x, -5.f);
        for (const Misto &m : mista) {
            pohyb(m.bod);
            QCOMPARE(e->mys_x, float(m.bod.x()));
            QCOMPARE(e->mys_y, float(m.bod.y()));
            QCOMPARE(e->windowTitle(), QStringLiteral("Vinula - editor místností, ") +
                                           QString::fromUtf8(m.titulek) +
                                           QStringLiteral(", zeď modrá"));
            e->Timer1_Timer();
            QVERIFY2(e->mistnost == Mistnost(), m.titulek);
            QCOMPARE(plocha(), kresleni::novaPlocha());
        }
        // The release far outside still ends the stroke.
        uvolneni({700, 900});
        QVERIFY(!e->leve_tlacitko);
        // No button held: a move beside the surface is not the surface's.
        pohyb(vOkne);
        QCOMPARE(e->mys_x, 700.f);
        pohyb(stred(3, 3));
        e->Timer1_Timer();
        QVERIFY(e->mistnost == Mistnost());
    }

    void uvolneniJinehoTlacitka() {
        promenne.predmet = 52;
        pohyb(stred(3, 3));
        stisk(stred(3, 3));
        stisk(stred(3, 3), Qt::MiddleButton);
        uvolneni(stred(3, 3), Qt::MiddleButton);
        QVERIFY(!e->leve_tlacitko);
        e->Timer1_Timer();
        QVERIFY(e->mistnost == Mistnost());
        uvolneni(stred(3, 3));
    }

    void titulek_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("predmet");
        QTest::addColumn<QString>("konec");
        QTest::newRow("example") << 45.f << 399.f << 52 << "řádek 2, sloupec 19, zeď modrá";
        QTest::newRow("origin") << 0.f << 0.f << 0 << "řádek 0, sloupec 0, volná plocha";
        QTest::newRow("19.9 and 20") << 19.9f << 20.f << 1 << "řádek 0, sloupec 1, vinula";
        QTest::newRow("-0.5 is cell -1") << -0.5f << -0.5f << 1 << "řádek -1, sloupec -1, vinula";
        QTest::newRow("-20 is cell -1, -20.01 is -2")
            << -20.f << -20.01f << 1 << "řádek -1, sloupec -2, vinula";
        QTest::newRow("far out") << -1000.f << 4000.f << 162
                                 << "řádek -50, sloupec 200, pavouk křižák";
        QTest::newRow("right of the area")
            << 600.f << 400.f << 58 << "řádek 30, sloupec 20, zeď hnědá";
    }

    void titulek() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, predmet);
        QFETCH(QString, konec);
        promenne.predmet = predmet;
        e->plocha_MouseMove(Qt::NoButton, {}, x, y);
        QCOMPARE(e->windowTitle(), QStringLiteral("Vinula - editor místností, ") + konec);
        QCOMPARE(e->mys_x, x);
        QCOMPARE(e->mys_y, y);
    }

    void titulekZPohybuMysi() {
        QCOMPARE(e->windowTitle(), QStringLiteral("Vinula - editor místností"));
        promenne.predmet = 52;
        pohyb({45, 399});
        QCOMPARE(e->windowTitle(),
                 QStringLiteral("Vinula - editor místností, řádek 2, sloupec 19, zeď modrá"));
        // A new active item shows from the next move on.
        promenne.predmet = 161;
        QVERIFY(e->windowTitle().endsWith(QStringLiteral("zeď modrá")));
        pohyb({46, 399});
        QVERIFY(e->windowTitle().endsWith(QStringLiteral("brouk zelený")));
        // A code with no name keeps the last name.
        promenne.predmet = 20;
        pohyb({300, 200});
        QCOMPARE(e->windowTitle(),
                 QStringLiteral("Vinula - editor místností, řádek 15, sloupec 10, brouk zelený"));
    }

    // Shift reaches the main window first, whichever control has the focus,
    // and the control still gets its keys.
    void shiftPredOvladacem() {
        auto *pole = new Pole(*e, e->centralWidget());
        pole->setGeometry(0, 0, 50, 20);
        pole->show();
        e->activateWindow();
        pole->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), pole);

        QTest::keyPress(e->windowHandle(), Qt::Key_Shift);
        QVERIFY(e->stisk_shift);
        QVERIFY(pole->shiftUzVidelo);
        QTest::keyClick(e->windowHandle(), Qt::Key_A);
        QCOMPARE(pole->text(), QStringLiteral("a"));
        QVERIFY(e->stisk_shift);
        QTest::keyRelease(e->windowHandle(), Qt::Key_Shift);
        QVERIFY(!e->stisk_shift);

        // Other keys leave it alone.
        QTest::keyClick(e->windowHandle(), Qt::Key_Control);
        QVERIFY(!e->stisk_shift);
    }

    // Shift let go while the palette has the focus: the main window never
    // hears of it, and the next stroke erases.
    void shiftPustenVPalete() {
        promenne.predmet = 130;
        namaluj(8, 8);
        shift(true);
        stisk(stred(20, 10), Qt::RightButton);
        uvolneni(stred(20, 10), Qt::RightButton);
        QVERIFY(e->predmety);
        QVERIFY(QTest::qWaitForWindowExposed(e->predmety));
        QTest::keyRelease(e->predmety->windowHandle(), Qt::Key_Shift);
        QVERIFY(e->stisk_shift);
        e->predmety->close();

        namaluj(8, 8);
        QCOMPARE(e->mistnost.bunka(8, 8), Kod(0));
        QCOMPARE(bunka(8, 8), obrazky::volno());
        QCOMPARE(promenne.predmet, 130);
    }

    // Clear lets go of Shift too.
    void vycisteniPustiShift() {
        shift(true);
        e->vycistit->trigger();
        QVERIFY(!e->stisk_shift);
    }
};

QTEST_MAIN(TestMalovani)
#include "test_malovani.moc"
