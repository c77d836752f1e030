#include "cisla.h"

#include <QTest>

#include <limits>

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
        const qint64 nejvic = std::numeric_limits<qint64>::max() / 650;

        QTest::newRow("jedno") << u"7"_s << 10LL << u"7"_s;
        QTest::newRow("pořadí z příkladu") << u"3,1,5-7"_s << 10LL << u"3,1,5-7"_s;
        QTest::newRow("opakování") << u"2,2,1-2,2"_s << 2LL << u"2,2,1-2,2"_s;
        QTest::newRow("pozpátku") << u"9-7,1"_s << 10LL << u"9-7,1"_s;
        QTest::newRow("úsek o jedné") << u"4-4"_s << 10LL << u"4"_s;
        QTest::newRow("nuly na začátku") << u"007,0010"_s << 10LL << u"7,10"_s;
        QTest::newRow("poslední místnost") << u"1-10,10"_s << 10LL << u"1-10,10"_s;
        QTest::newRow("milion") << u"1000000-1"_s << 1000000LL << u"1000000-1"_s;

        QTest::newRow("prázdný") << u""_s << 10LL << u"!seznam čísel místností je prázdný"_s;
        QTest::newRow("dvě čárky")
            << u"1,,2"_s << 10LL << u"!v seznamu čísel „1,,2“ je prázdná položka"_s;
        QTest::newRow("čárka na konci")
            << u"1,"_s << 10LL << u"!v seznamu čísel „1,“ je prázdná položka"_s;
        QTest::newRow("čárka na začátku")
            << u",1"_s << 10LL << u"!v seznamu čísel „,1“ je prázdná položka"_s;
        QTest::newRow("neúplný úsek") << u"1,3-"_s << 10LL << u"!„3-“ není úsek čísel od-do"_s;
        QTest::newRow("úsek bez začátku") << u"-3"_s << 10LL << u"!„-3“ není úsek čísel od-do"_s;
        QTest::newRow("samá pomlčka") << u"-"_s << 10LL << u"!„-“ není úsek čísel od-do"_s;
        QTest::newRow("tři čísla") << u"1-2-3"_s << 10LL << u"!„1-2-3“ není úsek čísel od-do"_s;
        QTest::newRow("písmeno") << u"1,x"_s << 10LL << u"!„x“ není číslo místnosti"_s;
        QTest::newRow("znaménko") << u"+3"_s << 10LL << u"!„+3“ není číslo místnosti"_s;
        QTest::newRow("mezera") << u"1, 2"_s << 10LL << u"!„ 2“ není číslo místnosti"_s;
        QTest::newRow("desetinné") << u"1.5"_s << 10LL << u"!„1.5“ není číslo místnosti"_s;
        QTest::newRow("arabská číslice")
            << u"\u0663"_s << 10LL << u"!„\u0663“ není číslo místnosti"_s;
        QTest::newRow("písmeno v úseku") << u"1-x"_s << 10LL << u"!„x“ není číslo místnosti"_s;
        QTest::newRow("nula") << u"0"_s << 10LL << u"!místnosti se číslují od 1, ne od 0"_s;
        QTest::newRow("nula v úseku")
            << u"00-3"_s << 10LL << u"!místnosti se číslují od 1, ne od 00"_s;
        QTest::newRow("za koncem")
            << u"1,11"_s << 10LL << u"!místnost 11 v souboru není, soubor má 10 místností"_s;
        QTest::newRow("konec úseku za koncem")
            << u"3-4000000000"_s << 5LL
            << u"!místnost 4000000000 v souboru není, soubor má 5 místností"_s;
        QTest::newRow("jedna místnost")
            << u"2"_s << 1LL << u"!místnost 2 v souboru není, soubor má 1 místnost"_s;
        QTest::newRow("tři místnosti")
            << u"4"_s << 3LL << u"!místnost 4 v souboru není, soubor má 3 místnosti"_s;
        QTest::newRow("prázdný soubor")
            << u"1"_s << 0LL << u"!místnost 1 v souboru není, soubor nemá žádnou místnost"_s;
        // More digits than any integer holds: refused, not wrapped round.
        QTest::newRow("dvacet devítek")
            << u"99999999999999999999"_s << 10LL
            << u"!místnost 99999999999999999999 v souboru není, soubor má 10 místností"_s;
        QTest::newRow("největší soubor")
            << u"99999999999999999"_s << nejvic
            << u"!místnost 99999999999999999 v souboru není, soubor má %1 místností"_s.arg(nejvic);
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

    // The length of a run counts both ends, up or down.
    void delka_data() {
        QTest::addColumn<qint64>("od");
        QTest::addColumn<qint64>("po");
        QTest::addColumn<qint64>("delka");
        QTest::newRow("jedna") << 4LL << 4LL << 1LL;
        QTest::newRow("nahoru") << 5LL << 7LL << 3LL;
        QTest::newRow("dolů") << 9LL << 7LL << 3LL;
    }

    void delka() {
        QFETCH(qint64, od);
        QFETCH(qint64, po);
        QFETCH(qint64, delka);
        QCOMPARE((Usek{od, po}.delka()), delka);
    }
};

QTEST_GUILESS_MAIN(TestCisla)
#include "test_cisla.moc"
