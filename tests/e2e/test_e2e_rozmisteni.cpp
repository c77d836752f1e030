#include "ridic.h"

#include <QTest>

namespace {

// Whether a window with this title is on the screen now.
bool viditelne(const QString &titulek) {
    return !Ridic::xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                            QStringLiteral("--name"), titulek})
                .isEmpty();
}

// The cells of the surface that are not all black.
QList<QPoint> obsazeneBunky(const Ridic &ridic) {
    const QImage snimek = Ridic::snimek();
    const QPoint pocatek = ridic.pocatekPlochy();
    QList<QPoint> obsazene;
    for (int x = 0; x < 30; ++x)
        for (int y = 0; y < 20; ++y) {
            bool obsazena = false;
            for (int py = 0; py < 20 && !obsazena; ++py)
                for (int px = 0; px < 20 && !obsazena; ++px)
                    obsazena =
                        snimek.pixel(pocatek + QPoint(20 * x + px, 20 * y + py)) != qRgb(0, 0, 0);
            if (obsazena)
                obsazene.append({x, y});
        }
    return obsazene;
}

QImage bunka(const Ridic &ridic, QPoint c) {
    return Ridic::snimek().copy(
        QRect(ridic.pocatekPlochy() + QPoint(20 * c.x(), 20 * c.y()), QSize(20, 20)));
}

// Confirms the placement dialog with a count, optionally flipping its check
// box, and waits for it to close.
void rozmisti(const Ridic &ridic, const QString &pocet, bool prepnoutDotyk,
              const QString &snimek = QString()) {
    const QString titulek = QStringLiteral("^Náhodné rozmístění navoleného předmětu$");
    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("ctrl+r")});
    const QString dialog = ridic.najdiOkno(titulek);
    QVERIFY(!dialog.isEmpty());
    // From the first button to the count box; tabbing in selects its text.
    const QString tab = QStringLiteral("Tab");
    ridic.klavesy(dialog, {tab, tab, tab, tab, tab, tab});
    ridic.napis(dialog, pocet);
    if (prepnoutDotyk)
        ridic.klavesy(dialog, {tab, QStringLiteral("space")});
    if (!snimek.isEmpty()) {
        QTest::qWait(200);
        Ridic::snimek().save(snimek);
    }
    ridic.klavesy(dialog, {QStringLiteral("alt+r")});
    QVERIFY(Ridic::pockej([&] { return !viditelne(titulek); }));
}

} // namespace

class TestE2eRozmisteni : public QObject {
    Q_OBJECT
private slots:
    void rozmisteni();
    void napovedaAOAplikaci();
};

// A wall from the palette, scattered twice: touching allowed, then not.
void TestE2eRozmisteni::rozmisteni() {
    const QImage zed =
        QImage(QStringLiteral(VINULA_PICTURES "/zed2.xpm")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(zed.size(), QSize(20, 20));

    Ridic ridic;
    QVERIFY(ridic.spust());

    // The blue wall: the palette's first row, fifth picture.
    ridic.klikni(ridic.pocatekPlochy() + QPoint(300, 200), 3);
    const QString paleta = ridic.najdiOkno(QStringLiteral("^Volba předmětů$"));
    QVERIFY(!paleta.isEmpty());
    const QRect zedVPalete(ridic.geometrie(paleta).topLeft() + QPoint(7 + 21 * 4, 28),
                           QSize(20, 20));
    QVERIFY(Ridic::pockej([&] { return Ridic::snimek().copy(zedVPalete) == zed; }));
    ridic.klikni(zedVPalete.center());
    QVERIFY(Ridic::pockej([] { return !viditelne(QStringLiteral("^Volba předmětů$")); }));

    rozmisti(ridic, QStringLiteral("12"), false, QStringLiteral("e2e_rozmisteni_dialog.png"));
    QVERIFY(Ridic::pockej([&] { return obsazeneBunky(ridic).size() == 12; }));
    QTest::qWait(200); // nothing more arrives later
    const QList<QPoint> prvni = obsazeneBunky(ridic);
    QCOMPARE(prvni.size(), 12);
    for (const QPoint &c : prvni)
        QCOMPARE(bunka(ridic, c), zed);
    Ridic::snimek().save(QStringLiteral("e2e_rozmisteni.png"));

    // Eight more that may touch nothing, neither the walls already there nor
    // each other.
    rozmisti(ridic, QStringLiteral("8"), true);
    QVERIFY(Ridic::pockej([&] { return obsazeneBunky(ridic).size() == 20; }));
    const QList<QPoint> vsechny = obsazeneBunky(ridic);
    for (const QPoint &c : prvni)
        QVERIFY(vsechny.contains(c));
    for (const QPoint &a : vsechny) {
        if (prvni.contains(a))
            continue;
        QCOMPARE(bunka(ridic, a), zed);
        for (const QPoint &b : vsechny)
            QVERIFY2(a == b || qAbs(a.x() - b.x()) > 1 || qAbs(a.y() - b.y()) > 1,
                     qPrintable(QStringLiteral("(%1, %2) touches (%3, %4)")
                                    .arg(a.x())
                                    .arg(a.y())
                                    .arg(b.x())
                                    .arg(b.y())));
    }
    Ridic::snimek().save(QStringLiteral("e2e_rozmisteni_oddelene.png"));

    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("ctrl+u")});
    QVERIFY(ridic.pockejNaKonec());
}

void TestE2eRozmisteni::napovedaAOAplikaci() {
    Ridic ridic;
    QVERIFY(ridic.spust());

    // Help: F1, then a click on the text closes it.
    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("F1")});
    const QString napoveda = ridic.najdiOkno(QStringLiteral("^Popis editoru$"));
    QVERIFY(!napoveda.isEmpty());
    QTest::qWait(200);
    Ridic::snimek().save(QStringLiteral("e2e_popis.png"));
    const QRect gn = ridic.geometrie(napoveda);
    QCOMPARE(gn.size(), QSize(614, 263));
    ridic.klikni(gn.topLeft() + QPoint(300, 100));
    QVERIFY(Ridic::pockej([] { return !viditelne(QStringLiteral("^Popis editoru$")); }));

    // About: F12, then a right click on the background closes it.
    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("F12")});
    const QString oAplikaci = ridic.najdiOkno(QStringLiteral("^O aplikaci$"));
    QVERIFY(!oAplikaci.isEmpty());
    QTest::qWait(200);
    Ridic::snimek().save(QStringLiteral("e2e_oaplikaci.png"));
    const QRect ga = ridic.geometrie(oAplikaci);
    QCOMPARE(ga.size(), QSize(327, 168));
    ridic.klikni(ga.topLeft() + QPoint(300, 150), 3);
    QVERIFY(Ridic::pockej([] { return !viditelne(QStringLiteral("^O aplikaci$")); }));

    // The main window takes keys again.
    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("ctrl+u")});
    QVERIFY(ridic.pockejNaKonec());
}

QTEST_MAIN(TestE2eRozmisteni)
#include "test_e2e_rozmisteni.moc"
