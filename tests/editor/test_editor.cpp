// Mouse input takes the window system's path: moves reach the surface outside it, as a pointer's.
#define QTEST_QPA_MOUSE_HANDLING

#include "../cekane.h"
#include "../modalni.h"
#include "../soubor.h"
#include "dialogs/nacteni.h"
#include "dialogs/seznamy.h"
#include "items/predmety.h"
#include "main/editor.h"
#include "main/plocha.h"
#include "room/promenne.h"

#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

using namespace vinula;

using cekane::mistnost;
using cekane::plocha;

namespace {

// One tick; the text of the warning box it raised afterwards, closed by a watcher.
QString tikSVarovanim(Editor &editor, int cekani = 5000) {
    QString text;
    bool veTiku = true;
    sModalnimOknem(
        [&] {
            editor.Timer1_Timer();
            veTiku = false;
            (void)QTest::qWaitFor([&] { return !text.isEmpty(); }, cekani); // none: stays empty
        },
        [&](QWidget *okno) {
            auto *box = qobject_cast<QMessageBox *>(okno);
            text = veTiku                                      ? "(shown during the tick)"
                   : box && box->textFormat() == Qt::PlainText ? box->text()
                                                               : "(markup)";
            okno->close();
        });
    return text;
}
} // namespace

class TestEditor : public QObject {
    Q_OBJECT
    std::unique_ptr<Editor> e;

    static QPoint stred(QPoint bunka) { return bunka * 20 + QPoint(10, 10); }
    static QPoint misto(int r, int c) { return {17 + 21 * c, 21 * r + (r < 2 ? 38 : 52)}; }
    const QImage &obraz() const { return e->plocha->obraz(); }
    bool jako(const Mistnost &m) const { return e->mistnost == m && obraz() == plocha(m); }
    void mys(QTest::MouseAction akce, QPoint bod, Qt::MouseButton tlacitko = Qt::LeftButton) {
        QTest::mouseEvent(akce, e->plocha, tlacitko, {}, bod + QPoint(2, 2)); // inside the frame
    }
    void namaluj(QPoint bunka) {
        mys(QTest::MouseMove, stred(bunka));
        mys(QTest::MousePress, stred(bunka));
        e->Timer1_Timer();
        mys(QTest::MouseRelease, stred(bunka));
    }
    void zkratka(const char *klavesy) { QTest::keySequence(e.get(), QKeySequence(klavesy)); }

private slots:
    void init() {
        promenne = Promenne{};
        e = std::make_unique<Editor>();
        QVERIFY(e->Timer1->isActive());
        e->Timer1->stop(); // ticks happen only when a test calls for one
        e->show();
        QVERIFY(QTest::qWaitForWindowActive(e.get()));
    }
    // The grid key draws the lines, then redraws the room (unknown codes as the unknown picture);
    // Clear, grid on, frees the area but not the ring and resets exactly its fields.
    void mrizkaAVycisteni() {
        Mistnost m = mistnost({{0, 0, 1}, {29, 19, 162}, {6, 6, 55}, {-1, -1, 9}, {30, 20, 9}});
        const int kody[] = {2, 49, 50, 58, 59, 99, 100, 162, 163, 255}; // cells (1..10, 3)
        for (int i = 0; i < 10; ++i)
            m.nastav(i + 1, 3, Kod(kody[i]));
        e->mistnost = m;
        for (const QPoint bunka : {QPoint(1, 3), {2, 3}, {7, 7}}) // pixels only clearing removes
            e->vykresliBunku(bunka.x(), bunka.y(), 100);
        QImage zapnuta = obraz();
        cekane::mrizka(zapnuta);
        zkratka("Ctrl+M");
        QCOMPARE(obraz(), zapnuta);
        zkratka("Ctrl+M");
        QVERIFY(!e->mrizka->isChecked() && obraz() == plocha(m));
        zkratka("Ctrl+M");
        e->stisk_shift = e->leve_tlacitko = true;
        Promenne &p = promenne;
        p.predmet = 120, p.cislo_mistnosti = 3, p.dotyk = false;
        p.radek_od = "1", p.radek_do = "2", p.sloupec_od = "3", p.sloupec_do = "4", p.pocet = "7";
        p.pozadavek_nacteni = p.pozadavek_zapsani = true;
        p.soubor_nacteni = "/R.DAT", p.soubor_zapsani = "/N.DAT";
        p.nazev_mistnosti = "Jeskyne", p.nazev_souboru = "R.DAT";
        zkratka("Ctrl+V");
        QVERIFY(p.predmet == 0 && p.dotyk && !p.pozadavek_nacteni);
        QVERIFY(p.nazev_mistnosti.isEmpty() && p.nazev_souboru.isEmpty());
        QCOMPARE(p.radek_od + p.radek_do + p.sloupec_od + p.sloupec_do + p.pocet, "12347");
        QVERIFY(p.soubor_nacteni == "/R.DAT" && p.soubor_zapsani == "/N.DAT");
        QVERIFY(p.cislo_mistnosti == 3 && p.pozadavek_zapsani);
        const Mistnost kruh = mistnost({{-1, -1, 9}, {30, 20, 9}});
        QVERIFY(e->mistnost == kruh && obraz() == plocha(kruh, true));
        QVERIFY(e->mrizka->isChecked() && !e->stisk_shift && e->leve_tlacitko);
    }
    void nezdar_data() {
        QTest::addColumn<QString>("pripad");
        QTest::newRow("load: room cut short") << "kratší";
        QTest::newRow("load: file vanished") << "smazaný";
        QTest::newRow("save: disk full") << "/dev/full";
        QTest::newRow("save: a folder") << "složka";
#ifdef Q_OS_UNIX
        QTest::newRow("save: file busy") << "zamčený"; // another program appends to it
#endif
    }
    // Room 2 loaded under the grid, ring untouched; then a failed load (file changed after the
    // dialog) or save (the save does not wait for a lock) keeps room, names and surface and warns
    // once, after the tick, in plain text.
    void nezdar() {
        QFETCH(QString, pripad);
        QTemporaryDir adresar;
        const QString soubor = adresar.filePath("<b>R.DAT");
        const QByteArray obsah = QByteArray(650, 100) +
                                 cekane::zaznam("Druha", {{0, 5, 1}, {7, 2, 20}}) +
                                 cekane::zaznam("Treti");
        QVERIFY(uloz(soubor, obsah));
        e->mrizka->trigger();
        e->mistnost.nastav(-1, -1, 9);
        e->vykresliBunku(7, 2, 51); // stray pixels the load must clear; 20 has no picture
        promenne.soubor_nacteni = soubor, promenne.cislo_mistnosti = 2;
        promenne.pozadavek_nacteni = true, promenne.nazev_souboru = "PRVNI.DAT"; // the room's own
        e->Timer1_Timer();
        const Mistnost druha = mistnost({{0, 5, 1}, {7, 2, 20}, {-1, -1, 9}});
        const QImage obrazDruhe = plocha(druha, true);
        QVERIFY(!promenne.pozadavek_nacteni && e->mistnost == druha && obraz() == obrazDruhe);
        QCOMPARE(promenne.nazev_mistnosti, QString("Druha").leftJustified(50));

        const bool nacteni = pripad == "kratší" || pripad == "smazaný";
        QString cil = soubor; // named in the warning
        if (nacteni) {
            Nacteni dialog;
            dialog.seznamy->jdiDo(adresar.path());
            dialog.File1->setCurrentIndex(dialog.File1->model()->index(0, 0));
            dialog.Text1->setText("3");
            dialog.Command1->click();
            QVERIFY(promenne.pozadavek_nacteni);
            QCOMPARE(promenne.nazev_mistnosti, QString("Treti").leftJustified(50));
            QVERIFY(pripad == "kratší" ? QFile::resize(soubor, 1500) : QFile::remove(soubor));
        } else {
            cil = pripad == "složka" ? adresar.path() : pripad == "zamčený" ? soubor : pripad;
            promenne.soubor_zapsani = cil, promenne.pozadavek_zapsani = true;
            promenne.nazev_mistnosti = "Treti"; // as the save dialog writes it
        }
        QFile zamceny(soubor);
#ifdef Q_OS_UNIX
        if (pripad == "zamčený")
            QVERIFY(zamceny.open(QIODevice::ReadOnly) &&
                    flock(zamceny.handle(), LOCK_EX | LOCK_NB) == 0);
#endif
        const QString text = tikSVarovanim(*e);
        QVERIFY2(text.contains(QDir::toNativeSeparators(cil)), qPrintable(text));
        if (pripad == "zamčený") {
            QVERIFY2(text.contains("jiný program"), qPrintable(text));
            QCOMPARE(precti(soubor), obsah);
        }
        QVERIFY(e->mistnost == druha && obraz() == obrazDruhe);
        QCOMPARE(promenne.nazev_mistnosti, QString(nacteni ? "Druha" : "Treti").leftJustified(50));
        QCOMPARE(promenne.nazev_souboru, "PRVNI.DAT");
        QCOMPARE(tikSVarovanim(*e, 100), QString());
    }
    void paleta_data() {
        QTest::addColumn<QPoint>("bod");
        QTest::addColumn<int>("predmet"); // -1: none, the click is on the background
        // Vinula, nine walls and a 3 x 2 free-floor block on top; the 63 foods fifteen a row.
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 15; ++c) {
                const int jidlo = 15 * (r - 2) + c;
                const int kod = c >= 12 && r < 2              ? 0
                                : r == 0 && c == 0            ? 1
                                : r == 0 && c >= 2 && c <= 10 ? 48 + c
                                : r >= 2 && jidlo < 63        ? 100 + jidlo
                                                              : -1;
                QTest::addRow("row %d col %d", r, c) << misto(r, c) << kod;
            }
        QTest::newRow("heading") << QPoint(40, 70) << -2;
    }
    // A picture shows and chooses its item and closes the palette, as the background closes it.
    void paleta() {
        QFETCH(QPoint, bod);
        QFETCH(int, predmet);
        promenne.predmet = 57;
        const QPointer<Predmety> p = new Predmety;
        p->show();
        QVERIFY(QTest::qWaitForWindowExposed(p));
        if (predmet >= 0)
            QCOMPARE(p->grab(QRect(bod - QPoint(10, 10), QSize(20, 20)))
                         .toImage()
                         .convertToFormat(QImage::Format_RGB32),
                     cekane::obrazek(predmet));
        QTest::mouseClick(p, Qt::LeftButton, {}, bod);
        QCOMPARE(p && p->isVisible(), predmet == -2);
        QCOMPARE(promenne.predmet, predmet < 0 ? 57 : predmet);
        delete p;
    }
    // Right presses open or raise the palette (Shift let go there unheard); quitting closes it.
    void paletaZEditoru() {
        QTest::keyPress(e->windowHandle(), Qt::Key_Shift);
        mys(QTest::MouseClick, stred({20, 10}), Qt::RightButton);
        const QPointer<QWidget> p = e->predmety;
        QVERIFY(p && QTest::qWaitForWindowExposed(p) && !p->isModal() && !e->leve_tlacitko);
        QTest::keyRelease(p->windowHandle(), Qt::Key_Shift);
        QVERIFY(e->stisk_shift);
        e->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), e.get());
        mys(QTest::MouseClick, stred({3, 3}), Qt::RightButton);
        QCOMPARE(e->predmety, p);
        QTRY_COMPARE(QApplication::activeWindow(), p.data());
        QTest::mouseClick(p, Qt::LeftButton, {}, misto(2, 5));
        QVERIFY(!p);
        mys(QTest::MouseMove, stred({7, 8}));
        QCOMPARE(e->windowTitle(),
                 "Vinula - editor místností, řádek 7, sloupec 8, domino nastojato");
        mys(QTest::MouseClick, stred({3, 3}), Qt::RightButton);
        QVERIFY(e->predmety && e->predmety->isVisible());
        e->ukoncit->trigger(); // closes every window, so that the program ends
        for (const QWidget *okno : QApplication::topLevelWidgets())
            QVERIFY2(!okno->isVisible(), qPrintable(okno->objectName()));
    }
    // Painting refreshes the grid after the tick's placement; a vinula only on the edge cells.
    // Shift, seen before the focused control, erases without refresh, item and name kept.
    void mrizkaAShift() {
        auto *pole = new QKeySequenceEdit(e->centralWidget());
        pole->setGeometry(0, 0, 5, 5); // clear of the surface
        pole->show();
        pole->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), pole);
        e->mrizka->trigger();
        promenne.predmet = 52;
        namaluj({3, 4});
        promenne.predmet = 1;
        for (const QPoint bunka : {QPoint(5, 0), {0, 7}, {29, 12}, {1, 1}, {28, 18}})
            namaluj(bunka);
        promenne.pocet = "1";
        promenne.radek_od = promenne.radek_do = promenne.sloupec_od = promenne.sloupec_do = "5";
        namaluj({14, 19});
        Mistnost m =
            mistnost({{3, 4, 52}, {5, 0, 1}, {0, 7, 1}, {29, 12, 1}, {14, 19, 1}, {5, 5, 1}});
        QImage o = plocha(m, true);
        cekane::bunka(o, 14, 19, 1); // after the last refresh
        QVERIFY(e->mistnost == m);
        QCOMPARE(obraz(), o);
        QTest::keyPress(e->windowHandle(), Qt::Key_Shift);
        namaluj({3, 4});
        cekane::bunka(o, 3, 4, 0);
        QCOMPARE(obraz(), o);
        QCOMPARE(e->windowTitle(), "Vinula - editor místností, řádek 3, sloupec 4, vinula");
        QCOMPARE(promenne.predmet, 1);
        QTest::keyRelease(e->windowHandle(), Qt::Key_Shift);
        promenne.predmet = 0; // free floor: drawn like erasing, then the refresh
        namaluj({10, 10});
        m.nastav(3, 4, 0);
        QCOMPARE(obraz(), plocha(m, true));
    }
    void tah_data() {
        QTest::addColumn<QString>("klavesy"); // whose modal window ends the stroke; none: a button
        for (const char *klavesy : {"", "F3", "F2", "Ctrl+R", "F1", "F12"})
            QTest::newRow(*klavesy ? klavesy : "middle button") << QString(klavesy);
    }
    // A held button paints its cell each tick, skipping cells passed fast; any release, or a
    // modal window taking it, ends the stroke.
    void tah() {
        QFETCH(QString, klavesy);
        promenne.predmet = 52;
        mys(QTest::MouseMove, stred({3, 4}));
        mys(QTest::MousePress, stred({3, 4}));
        QVERIFY(jako(Mistnost())); // the press alone paints nothing
        e->Timer1_Timer();
        e->mistnost.nastav(3, 4, 0); // spoilt, so that the next tick must paint it again
        e->vykresliBunku(3, 4, 100);
        e->Timer1_Timer();
        QVERIFY(jako(mistnost({{3, 4, 52}})));
        for (int cx = 4; cx <= 6; ++cx)
            mys(QTest::MouseMove, stred({cx, 4}));
        e->Timer1_Timer();
        QVERIFY(jako(mistnost({{3, 4, 52}, {6, 4, 52}})));
        const auto pust = [](QWidget *okno) {
            QTest::mouseRelease(okno, Qt::LeftButton, {}, QPoint(1, 1));
            okno->close();
        };
        if (klavesy.isEmpty())
            mys(QTest::MouseClick, stred({6, 4}), Qt::MiddleButton);
        else
            QVERIFY(sModalnimOknem([&] { zkratka(qPrintable(klavesy)); }, pust));
        mys(QTest::MouseMove, stred({8, 4}));
        e->Timer1_Timer();
        QVERIFY(!e->leve_tlacitko && jako(mistnost({{3, 4, 52}, {6, 4, 52}})));
    }
    void mimoPlochu_data() {
        QTest::addColumn<QPoint>("bod");
        QTest::addColumn<QString>("kde"); // in the title while a button pressed inside is held
        QTest::newRow("frame, left") << QPoint(-1, 200) << "řádek -1, sloupec 10";
        QTest::newRow("frame, bottom") << QPoint(599, 401) << "řádek 29, sloupec 20";
        QTest::newRow("-15, -15") << QPoint(-15, -15) << "řádek -1, sloupec -1";
        QTest::newRow("605, 405") << QPoint(605, 405) << "řádek 30, sloupec 20";
    }
    // The frame is not the area; a button pressed inside follows the pointer anywhere, painting
    // nothing off the area, not even the ring.
    void mimoPlochu() {
        QFETCH(QPoint, bod);
        QFETCH(QString, kde);
        promenne.predmet = 52;
        mys(QTest::MouseMove, {590, 390});
        if (QRect(-2, -2, 604, 404).contains(bod)) {
            mys(QTest::MouseMove, bod);
            QCOMPARE(e->windowTitle(),
                     "Vinula - editor místností, řádek 29, sloupec 19, zeď modrá");
            mys(QTest::MouseClick, bod, Qt::RightButton);
            mys(QTest::MousePress, bod);
            e->Timer1_Timer();
            QVERIFY(!e->predmety && !e->leve_tlacitko && jako(Mistnost()));
            mys(QTest::MouseRelease, bod);
        }
        mys(QTest::MousePress, stred({0, 0}));
        mys(QTest::MouseMove, bod);
        QCOMPARE(e->windowTitle(), "Vinula - editor místností, " + kde + ", zeď modrá");
        e->Timer1_Timer();
        QVERIFY(jako(Mistnost()));
        mys(QTest::MouseRelease, bod);
        QVERIFY(!e->leve_tlacitko);
    }
};

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
