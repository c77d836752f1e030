#include "cisla.h"

#include <QTest>

using namespace vinula::mistnosti;
using namespace Qt::StringLiterals;

class TestCisla : public QObject {
    Q_OBJECT

private slots:
    // `cekane` is the list written back as "od-po" runs and single numbers, or "!" and the
    // whole reason for a refusal.
    void seznam_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("pocet");
        QTest::addColumn<QString>("cekane");
        const auto radek = [](const QString &text, qint64 pocet, const QString &cekane) {
            QTest::newRow(qPrintable(text.left(20))) << text << pocet << cekane;
        };
        radek(u"3,1,5-7,3,9-8"_s, 10, u"3,1,5-7,3,9-8"_s); // order, repeats, backwards
        radek(u"1000000-1"_s, 1000000, u"1000000-1"_s);
        radek(u""_s, 10, u"!seznam čísel místností je prázdný"_s);
        radek(u"1,,2"_s, 10, u"!v seznamu čísel „1,,2“ je prázdná položka"_s);
        radek(u"1,3-"_s, 10, u"!„3-“ není úsek čísel od-do"_s);
        radek(u"+3"_s, 10, u"!„+3“ není číslo místnosti"_s);
        radek(u"00-3"_s, 10, u"!místnosti se číslují od 1, ne od 00"_s);
        // More digits than any integer holds: refused, not wrapped round.
        radek(u"99999999999999999999"_s, 10,
              u"!místnost 99999999999999999999 v souboru není, soubor má 10 místností"_s);
        radek(u"1-1000000,1"_s, 1000000, u"!seznam čísel jmenuje víc než 1000000 místností"_s);
    }
    void seznam() {
        QFETCH(QString, text);
        QFETCH(qint64, pocet);
        QFETCH(QString, cekane);
        QString duvod;
        const auto useky = rozeberCisla(text, pocet, &duvod);
        QStringList polozky;
        for (const Usek &u : useky.value_or(QList<Usek>()))
            polozky << (u.od == u.po ? QString::number(u.od) : u"%1-%2"_s.arg(u.od).arg(u.po));
        QCOMPARE(useky ? polozky.join(u',') : u"!"_s + duvod, cekane);
        QCOMPARE(duvod.isEmpty(), bool(useky));
    }
};

QTEST_GUILESS_MAIN(TestCisla)
#include "test_cisla.moc"
