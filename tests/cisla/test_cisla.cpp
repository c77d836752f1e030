#include "cisla.h"

#include <QTest>

using namespace vinula::mistnosti;
using namespace Qt::StringLiterals;

class TestCisla : public QObject {
    Q_OBJECT

private slots:
    // `cekane` is the list written back as "od-po" runs and single numbers,
    // or "!" and the whole reason for a refusal.
    void seznam_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("pocet");
        QTest::addColumn<QString>("cekane");
        QTest::newRow("pořadí, opakování, pozpátku")
            << u"3,1,5-7,3,9-8"_s << 10LL << u"3,1,5-7,3,9-8"_s;
        QTest::newRow("milion") << u"1000000-1"_s << 1000000LL << u"1000000-1"_s;

        QTest::newRow("prázdný") << u""_s << 10LL << u"!seznam čísel místností je prázdný"_s;
        QTest::newRow("prázdná položka")
            << u"1,,2"_s << 10LL << u"!v seznamu čísel „1,,2“ je prázdná položka"_s;
        QTest::newRow("neúplný úsek") << u"1,3-"_s << 10LL << u"!„3-“ není úsek čísel od-do"_s;
        QTest::newRow("znaménko") << u"+3"_s << 10LL << u"!„+3“ není číslo místnosti"_s;
        QTest::newRow("nula") << u"00-3"_s << 10LL << u"!místnosti se číslují od 1, ne od 00"_s;
        // More digits than any integer holds: refused, not wrapped round.
        QTest::newRow("za koncem")
            << u"99999999999999999999"_s << 10LL
            << u"!místnost 99999999999999999999 v souboru není, soubor má 10 místností"_s;
        QTest::newRow("víc než milion") << u"1-1000000,1"_s << 1000000LL
                                        << u"!seznam čísel jmenuje víc než 1000000 místností"_s;
    }

    void seznam() {
        QFETCH(QString, text);
        QFETCH(qint64, pocet);
        QFETCH(QString, cekane);
        QString duvod;
        const auto useky = rozeberCisla(text, pocet, &duvod);
        QString vysledek = u"!"_s + duvod;
        if (useky) {
            QStringList polozky;
            for (const Usek &u : *useky)
                polozky << (u.od == u.po ? QString::number(u.od) : u"%1-%2"_s.arg(u.od).arg(u.po));
            vysledek = polozky.join(u',');
            QVERIFY(duvod.isEmpty());
        }
        QCOMPARE(vysledek, cekane);
    }
};

QTEST_GUILESS_MAIN(TestCisla)
#include "test_cisla.moc"
