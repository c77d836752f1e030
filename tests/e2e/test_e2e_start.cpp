#include "ridic.h"

#include <QTest>

// The editor as a person first meets it: start, grid on, quit.
class TestE2eStart : public QObject {
    Q_OBJECT
private slots:
    void startMrizkaKonec() {
        Ridic ridic;
        QVERIFY(ridic.spust());
        QCOMPARE(ridic.titulekOkna(ridic.hlavniOkno()),
                 QStringLiteral("Vinula - editor místností"));

        // A fresh room is black all over, grid positions included.
        for (const QPoint bod : {QPoint(0, 0), QPoint(20, 10), QPoint(599, 399), QPoint(300, 200)})
            QCOMPARE(ridic.barvaPlochy(bod.x(), bod.y()), QColor(Qt::black));

        ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("ctrl+m")});
        const QColor sedaMrizky(64, 64, 64);
        QVERIFY(Ridic::pockej([&] { return ridic.barvaPlochy(20, 10) == sedaMrizky; }));
        QCOMPARE(ridic.barvaPlochy(10, 20), sedaMrizky);
        QCOMPARE(ridic.barvaPlochy(10, 10), QColor(Qt::black));       // inside a cell
        QCOMPARE(ridic.barvaPlochy(0, 10), QColor(Qt::black));        // no line on the edge
        ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("alt+p")}); // the menu, for the record
        QTest::qWait(300);
        Ridic::snimek().save(QStringLiteral("e2e_start.png"));
        ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("Escape")});

        // Off again: the room is drawn without lines.
        ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("ctrl+m")});
        QVERIFY(Ridic::pockej([&] { return ridic.barvaPlochy(20, 10) == QColor(Qt::black); }));

        ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("ctrl+u")});
        QVERIFY(ridic.pockejNaKonec());
    }
};

QTEST_MAIN(TestE2eStart)
#include "test_e2e_start.moc"
