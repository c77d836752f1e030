// Clicks go through the window system's path, so that the press and the
// release reach whichever control lies under them, as they would for a user.
#define QTEST_QPA_MOUSE_HANDLING

#include "items/obrazky.h"
#include "items/predmety.h"
#include "main/editor.h"
#include "main/plocha.h"
#include "room/promenne.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace vinula;

namespace {

constexpr int pred = 57; // the active item before a click; no row below chooses it

// The code shown in row r, column c of the palette, or -1 for an empty place.
int kodNaMiste(int sloupec, int radek) {
    if (radek == 0 && sloupec == 0)
        return 1;
    if (radek == 0 && sloupec >= 2 && sloupec <= 10)
        return 48 + sloupec;
    if (radek <= 1 && sloupec >= 12)
        return 0;
    if (radek >= 2) {
        const int kod = 100 + 15 * (radek - 2) + sloupec;
        return kod <= 162 ? kod : -1;
    }
    return -1;
}

QPoint stredMista(int sloupec, int radek) {
    static const int radky[] = {28, 49, 84, 105, 126, 147, 168};
    return {7 + 21 * sloupec + 10, radky[radek] + 10};
}

// A shown palette, ready for input.
QPointer<Predmety> otevri() {
    QPointer<Predmety> okno = new Predmety;
    okno->show();
    if (!QTest::qWaitForWindowExposed(okno))
        return nullptr;
    return okno;
}

bool zavreno(QPointer<Predmety> &okno) {
    return QTest::qWaitFor([&] { return okno.isNull(); }, 2000);
}

} // namespace

class TestPredmety : public QObject {
    Q_OBJECT
private slots:
    void init() { promenne.predmet = pred; }

    void cleanup() {
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }

    void okno() {
        QPointer<Predmety> p = otevri();
        QVERIFY(p);
        QCOMPARE(p->objectName(), QStringLiteral("predmety"));
        QCOMPARE(p->windowTitle(), QStringLiteral("Volba předmětů"));
        QCOMPARE(p->minimumSize(), QSize(327, 195));
        QCOMPARE(p->maximumSize(), QSize(327, 195));
        QVERIFY(p->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!p->isModal());
    }

    void nadpisy_data() {
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("misto");
        QTest::newRow("Label3") << "Label3"
                                << "Vinula" << QRect(7, 7, 36, 15);
        QTest::newRow("Label1") << "Label1"
                                << "Zeď" << QRect(49, 7, 29, 15);
        QTest::newRow("Label4") << "Label4"
                                << "Volná plocha" << QRect(259, 7, 64, 15);
        QTest::newRow("Label2") << "Label2"
                                << "Jídlo pro vinulu" << QRect(7, 63, 71, 15);
    }

    void nadpisy() {
        QFETCH(QString, jmeno);
        QFETCH(QString, text);
        QFETCH(QRect, misto);
        Predmety p;
        auto *label = p.findChild<QLabel *>(jmeno);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->geometry(), misto);
        // The whole heading must be readable in its box.
        QVERIFY(label->fontMetrics().horizontalAdvance(text) <= misto.width());
        QVERIFY(label->fontMetrics().height() <= misto.height());
    }

    // Every place of the 15 x 7 grid: a picture exactly where the layout has
    // one, at its pixel position, showing the picture the main window draws
    // for its code; nothing anywhere else.
    void mrizkaObrazku() {
        Predmety p;
        QCOMPARE(p.findChildren<ObrazekPredmetu *>().size(), 79);
        for (int radek = 0; radek < 7; ++radek) {
            for (int sloupec = 0; sloupec < 15; ++sloupec) {
                const QString kde = QStringLiteral("row %1 col %2").arg(radek).arg(sloupec);
                const int kod = kodNaMiste(sloupec, radek);
                auto *o = qobject_cast<ObrazekPredmetu *>(p.childAt(stredMista(sloupec, radek)));
                if (kod < 0) {
                    QVERIFY2(!o, qPrintable(kde));
                    continue;
                }
                QVERIFY2(o, qPrintable(kde));
                QCOMPARE(o->kod(), kod);
                QCOMPARE(o->geometry(),
                         QRect(stredMista(sloupec, radek) - QPoint(10, 10), QSize(20, 20)));
                QCOMPARE(o->obrazek(), *obrazky::proKod(kod));
            }
        }
    }

    void jmenaObrazku() {
        Predmety p;
        const auto kodJmena = [&](int n) {
            const auto *o = p.findChild<ObrazekPredmetu *>(QStringLiteral("Image%1").arg(n));
            return o ? o->kod() : -1;
        };
        QCOMPARE(kodJmena(16), 1);
        for (int n = 2; n <= 9; ++n)
            QCOMPARE(kodJmena(n), 48 + n);
        QCOMPARE(kodJmena(74), 58);
        for (int n = 10; n <= 15; ++n)
            QCOMPARE(kodJmena(n), 90 + n);
        for (int n = 17; n <= 73; ++n)
            QCOMPARE(kodJmena(n), 89 + n);
        QCOMPARE(p.findChildren<ObrazekPredmetu *>(QStringLiteral("Image1")).size(), 6);
        // The free-floor group runs right to left, top row first.
        const int sloupce[] = {14, 13, 12, 14, 13, 12};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(p.Image1[static_cast<std::size_t>(i)]->kod(), 0);
            QCOMPARE(p.Image1[static_cast<std::size_t>(i)]->pos(),
                     stredMista(sloupce[i], i / 3) - QPoint(10, 10));
        }
    }

    // Each of the 79 pictures, each in a palette of its own: the click sets
    // the code the picture shows and closes the window. This goes through
    // every click handler.
    void kazdyObrazek() {
        const QList<ObrazekPredmetu *> vzor = Predmety().findChildren<ObrazekPredmetu *>();
        QCOMPARE(vzor.size(), 79);
        for (int radek = 0; radek < 7; ++radek) {
            for (int sloupec = 0; sloupec < 15; ++sloupec) {
                const int kod = kodNaMiste(sloupec, radek);
                if (kod < 0)
                    continue;
                promenne.predmet = pred;
                QPointer<Predmety> p = otevri();
                QVERIFY(p);
                QTest::mouseClick(p.data(), Qt::LeftButton, {}, stredMista(sloupec, radek));
                QVERIFY2(
                    zavreno(p),
                    qPrintable(
                        QStringLiteral("row %1 col %2 did not close").arg(radek).arg(sloupec)));
                QCOMPARE(promenne.predmet, kod);
            }
        }
    }

    void klik_data() {
        QTest::addColumn<QPoint>("bod");
        QTest::addColumn<int>("predmet");
        QTest::addColumn<bool>("zavre");
        QTest::newRow("row 6 col 2") << stredMista(2, 6) << 162 << true;
        QTest::newRow("row 5 col 14") << stredMista(14, 5) << 159 << true;
        QTest::newRow("row 0 col 10") << stredMista(10, 0) << 58 << true;
        QTest::newRow("row 0 col 0, vinula") << stredMista(0, 0) << 1 << true;
        QTest::newRow("row 2 col 0 top-left pixel") << QPoint(7, 84) << 100 << true;
        QTest::newRow("row 2 col 0 bottom-right pixel") << QPoint(26, 103) << 100 << true;
        for (int radek = 0; radek < 2; ++radek)
            for (int sloupec = 12; sloupec < 15; ++sloupec)
                QTest::addRow("free floor row %d col %d", radek, sloupec)
                    << stredMista(sloupec, radek) << 0 << true;
        QTest::newRow("gap row 0 col 1") << stredMista(1, 0) << pred << true;
        QTest::newRow("gap row 0 col 11") << stredMista(11, 0) << pred << true;
        QTest::newRow("empty row 1 col 0") << stredMista(0, 1) << pred << true;
        QTest::newRow("empty row 6 col 3") << stredMista(3, 6) << pred << true;
        QTest::newRow("pixel between col 0 and 1") << QPoint(27, 94) << pred << true;
        QTest::newRow("margin left of col 0") << QPoint(3, 94) << pred << true;
        QTest::newRow("corner bottom right") << QPoint(326, 194) << pred << true;
        QTest::newRow("heading Vinula") << QPoint(20, 14) << pred << false;
        QTest::newRow("heading Zeď") << QPoint(60, 14) << pred << false;
        QTest::newRow("heading Volná plocha") << QPoint(290, 14) << pred << false;
        QTest::newRow("heading Jídlo pro vinulu") << QPoint(40, 70) << pred << false;
    }

    void klik() {
        QFETCH(QPoint, bod);
        QFETCH(int, predmet);
        QFETCH(bool, zavre);
        QPointer<Predmety> p = otevri();
        QVERIFY(p);
        QTest::mouseClick(p.data(), Qt::LeftButton, {}, bod);
        if (zavre) {
            QVERIFY(zavreno(p));
        } else {
            QTest::qWait(50);
            QVERIFY(p && p->isVisible());
        }
        QCOMPARE(promenne.predmet, predmet);
    }

    // A click is a press and a release on the same place: dragging from one
    // to another chooses nothing.
    void stiskAUvolneniJinde_data() {
        QTest::addColumn<QPoint>("stisk");
        QTest::addColumn<QPoint>("uvolneni");
        QTest::newRow("picture to picture") << stredMista(2, 0) << stredMista(3, 0);
        QTest::newRow("picture to gap") << stredMista(2, 0) << stredMista(1, 0);
        QTest::newRow("gap to picture") << stredMista(1, 0) << stredMista(2, 0);
        QTest::newRow("heading to gap") << QPoint(60, 14) << stredMista(1, 0);
    }

    void stiskAUvolneniJinde() {
        QFETCH(QPoint, stisk);
        QFETCH(QPoint, uvolneni);
        QPointer<Predmety> p = otevri();
        QVERIFY(p);
        QTest::mousePress(p.data(), Qt::LeftButton, {}, stisk);
        QTest::mouseMove(p.data(), uvolneni);
        QTest::mouseRelease(p.data(), Qt::LeftButton, {}, uvolneni);
        QTest::qWait(50);
        QVERIFY(p && p->isVisible());
        QCOMPARE(promenne.predmet, pred);
    }

    void pravymTlacitkemNic() {
        QPointer<Predmety> p = otevri();
        QVERIFY(p);
        QTest::mouseClick(p.data(), Qt::RightButton, {}, stredMista(2, 0));
        QTest::mouseClick(p.data(), Qt::RightButton, {}, stredMista(1, 0));
        QTest::qWait(50);
        QVERIFY(p && p->isVisible());
        QCOMPARE(promenne.predmet, pred);
    }

    void zavreniOknem() {
        QPointer<Predmety> p = otevri();
        QVERIFY(p);
        p->close(); // what the title bar's close button does
        QVERIFY(zavreno(p));
        QCOMPARE(promenne.predmet, pred);
    }

    void poziceVedle_data() {
        QTest::addColumn<QRect>("hlavni");
        QTest::addColumn<QRect>("obrazovka");
        QTest::addColumn<QPoint>("pozice");
        QTest::newRow("room on the right")
            << QRect(0, 0, 630, 470) << QRect(0, 0, 1024, 768) << QPoint(638, 0);
        QTest::newRow("exactly fits on the right")
            << QRect(0, 0, 630, 470) << QRect(0, 0, 973, 768) << QPoint(638, 0);
        QTest::newRow("one pixel short: left side")
            << QRect(400, 10, 630, 470) << QRect(0, 0, 1372, 768) << QPoint(57, 10);
        QTest::newRow("no room either side: pinned right")
            << QRect(100, 50, 630, 470) << QRect(0, 0, 800, 600) << QPoint(465, 50);
        QTest::newRow("low window: pulled up")
            << QRect(0, 600, 630, 470) << QRect(0, 0, 1024, 768) << QPoint(638, 548);
        QTest::newRow("screen not at the origin")
            << QRect(-1000, -200, 630, 470) << QRect(-1024, 0, 1024, 768) << QPoint(-362, 0);
        QTest::newRow("tiny screen")
            << QRect(0, 0, 630, 470) << QRect(0, 0, 300, 200) << QPoint(0, 0);
    }

    // For a palette of 335 x 220 with its frame.
    void poziceVedle() {
        QFETCH(QRect, hlavni);
        QFETCH(QRect, obrazovka);
        QFETCH(QPoint, pozice);
        QCOMPARE(Predmety::poziceVedle(hlavni, QSize(335, 220), obrazovka), pozice);
    }

    // The way in from the main window: a right press on the surface.
    void otevreniZEditoru() {
        Editor editor;
        editor.Timer1->stop();
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QVERIFY(!editor.predmety);

        QTest::mousePress(editor.plocha, Qt::RightButton, {}, QPoint(100, 100));
        QTest::mouseRelease(editor.plocha, Qt::RightButton, {}, QPoint(100, 100));
        QPointer<Predmety> p = qobject_cast<Predmety *>(editor.predmety.data());
        QVERIFY(p);
        QVERIFY(QTest::qWaitForWindowExposed(p));
        QVERIFY(!p->isModal());
        // Placed beside the main window, whole on the screen.
        const QRect obrazovka = editor.screen()->availableGeometry();
        QCOMPARE(p->pos(), Predmety::poziceVedle(editor.frameGeometry(), p->frameGeometry().size(),
                                                 obrazovka));
        QVERIFY(obrazovka.contains(p->frameGeometry()));
        QVERIFY(!editor.leve_tlacitko);

        // A second right press: the same window, brought forward.
        editor.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &editor);
        QTest::mouseClick(editor.plocha, Qt::RightButton, {}, QPoint(300, 200));
        QCOMPARE(editor.predmety.data(), p.data());
        QCOMPARE(editor.findChildren<Predmety *>().size(), 1);
        QTRY_COMPARE(QApplication::activeWindow(), p.data());

        // A choice there becomes the active item at once.
        QTest::mouseClick(p.data(), Qt::LeftButton, {}, stredMista(4, 0));
        QVERIFY(zavreno(p));
        QCOMPARE(promenne.predmet, 52);
        QVERIFY(!editor.predmety);

        // Closed, it opens afresh.
        QTest::mouseClick(editor.plocha, Qt::RightButton, {}, QPoint(100, 100));
        QVERIFY(editor.predmety);

        // The main window's close takes the palette with it.
        p = qobject_cast<Predmety *>(editor.predmety.data());
        editor.close();
        QVERIFY(zavreno(p));
    }
};

QTEST_MAIN(TestPredmety)
#include "test_predmety.moc"
