#include "dialogs/cislo.h"
#include "dialogs/kontrola.h"
#include "dialogs/pripona.h"

#include <QTest>
#include <cmath>

using namespace vinula;

using Bunky = QList<QPair<QPoint, int>>;
Q_DECLARE_METATYPE(Bunky)

// The helpers of the file dialogs that need no window.
class TestPomucky : public QObject {
    Q_OBJECT
private slots:
    void priponaDat_data();
    void priponaDat();
    void cislo_data();
    void cislo();
    void volbaMistnosti_data();
    void volbaMistnosti();
    void kontrola_data();
    void kontrola();
};

void TestPomucky::priponaDat_data() {
    QTest::addColumn<QString>("nazev");
    QTest::addColumn<bool>("dat");
    QTest::newRow("velka") << "ROOMS.DAT" << true;
    QTest::newRow("mala") << "rooms.dat" << true;
    QTest::newRow("smisena") << "ROOMS.Dat" << false;
    QTest::newRow("jedno velke") << "x.daT" << false;
    QTest::newRow("bez tecky") << "ROOMSDAT" << true;
    QTest::newRow("jen pripona") << "DAT" << true;
    QTest::newRow("kratka") << "AT" << false;
    QTest::newRow("prazdna") << "" << false;
    QTest::newRow("za priponou") << "ROOMS.DAT~" << false;
    QTest::newRow("jina") << "NOTES.TXT" << false;
    QTest::newRow("cela cesta") << "/tmp/hra/LEVELS.dat" << true;
    QTest::newRow("cesta s DAT ve slozce") << "/DAT/x.txt" << false;
}

void TestPomucky::priponaDat() {
    QFETCH(QString, nazev);
    QFETCH(bool, dat);
    QCOMPARE(pripona_dat(nazev), dat);
}

void TestPomucky::cislo_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("hodnota");
    QTest::newRow("cislo") << "3" << 3.0;
    QTest::newRow("pismena za") << "2abc" << 2.0;
    QTest::newRow("pismena") << "abc" << 0.0;
    QTest::newRow("prazdny") << "" << 0.0;
    QTest::newRow("mezery pred") << "  \t7" << 7.0;
    QTest::newRow("mezery uvnitr") << "1 2" << 12.0;
    QTest::newRow("zaporne") << "-1" << -1.0;
    QTest::newRow("plus") << "+4" << 4.0;
    QTest::newRow("desetinne") << "1.5" << 1.5;
    QTest::newRow("jen zlomek") << ".5" << 0.5;
    QTest::newRow("tecka na konci") << "2." << 2.0;
    QTest::newRow("carka neni tecka") << "2,5" << 2.0;
    QTest::newRow("dve tecky") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "1e1" << 10.0;
    QTest::newRow("zaporny exponent") << "25E-1x" << 2.5;
    QTest::newRow("E bez cislic") << "2e" << 2.0;
    QTest::newRow("E se znamenkem bez cislic") << "2e+" << 2.0;
    QTest::newRow("znamenko samo") << "-" << 0.0;
    QTest::newRow("dlouhe") << "123456789012" << 123456789012.0;
    QTest::newRow("pretece") << "1e999" << std::numeric_limits<double>::infinity();
    QTest::newRow("podtece") << "1e-999" << 0.0;
}

void TestPomucky::cislo() {
    QFETCH(QString, text);
    QFETCH(double, hodnota);
    QCOMPARE(ctiCislo(text), hodnota);
}

void TestPomucky::volbaMistnosti_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("pocet");
    QTest::addColumn<int>("mistnost"); // 0: no valid choice
    QTest::newRow("prvni") << "1" << qint64(3) << 1;
    QTest::newRow("posledni") << "3" << qint64(3) << 3;
    QTest::newRow("za koncem") << "4" << qint64(3) << 0;
    QTest::newRow("2abc") << "2abc" << qint64(3) << 2;
    QTest::newRow("abc") << "abc" << qint64(3) << 0;
    QTest::newRow("nula") << "0" << qint64(3) << 0;
    QTest::newRow("zaporne") << "-1" << qint64(3) << 0;
    QTest::newRow("prazdne") << "" << qint64(3) << 0;
    QTest::newRow("mezera") << " " << qint64(3) << 0;
    QTest::newRow("zlomek") << "1.5" << qint64(3) << 0;
    QTest::newRow("mezi 0 a 1") << "0.5" << qint64(3) << 0;
    QTest::newRow("cele s teckou") << "2.0" << qint64(3) << 2;
    QTest::newRow("prazdny soubor") << "1" << qint64(0) << 0;
    QTest::newRow("neplatny soubor") << "1" << qint64(-1) << 0;
    QTest::newRow("obrovske") << "99999999999999999999" << qint64(3) << 0;
    // A number past 32 bits never becomes a room number, however big the file.
    QTest::newRow("za 32 bity") << "2147483648" << (qint64(1) << 32) << 0;
}

void TestPomucky::volbaMistnosti() {
    QFETCH(QString, text);
    QFETCH(qint64, pocet);
    QFETCH(int, mistnost);
    const std::optional<qint32> n = zvolenaMistnost(text, pocet);
    QCOMPARE(n.value_or(0), mistnost);
}

void TestPomucky::kontrola_data() {
    QTest::addColumn<Bunky>("bunky");
    QTest::addColumn<int>("vinuly");
    QTest::addColumn<int>("jidla");
    QTest::addColumn<QString>("zprava");
    const QString zadnaVinula = QStringLiteral("Nenadefinována žádná vinula!");
    const QString viceVinul = QStringLiteral("Nadefinována více než jedna vinula!");
    const QString zadneJidlo = QStringLiteral("Nebylo definováno žádné jídlo!");

    QTest::newRow("prazdna") << Bunky{} << 0 << 0 << zadnaVinula;
    QTest::newRow("jen jidlo") << Bunky{{{3, 3}, 100}} << 0 << 1 << zadnaVinula;
    QTest::newRow("dve vinuly bez jidla")
        << Bunky{{{0, 0}, 1}, {{29, 19}, 1}} << 2 << 0 << viceVinul;
    QTest::newRow("dve vinuly s jidlem")
        << Bunky{{{0, 0}, 1}, {{0, 1}, 1}, {{5, 5}, 162}} << 2 << 1 << viceVinul;
    QTest::newRow("vinula bez jidla") << Bunky{{{0, 7}, 1}, {{4, 4}, 55}} << 1 << 0 << zadneJidlo;
    QTest::newRow("zed neni jidlo") << Bunky{{{0, 7}, 1}, {{4, 4}, 99}} << 1 << 0 << zadneJidlo;
    QTest::newRow("na krajich")
        << Bunky{{{29, 0}, 1}, {{0, 0}, 100}, {{29, 19}, 162}, {{0, 19}, 130}, {{15, 0}, 101}} << 1
        << 4 << QString();
    QTest::newRow("kod nad katalogem je jidlo")
        << Bunky{{{0, 3}, 1}, {{9, 9}, 255}} << 1 << 1 << QString();
    // The ring round the area belongs to no room.
    QTest::newRow("okruh se nepocita")
        << Bunky{{{-1, 0}, 1}, {{30, 5}, 100}, {{0, 20}, 1}, {{3, -1}, 1}} << 0 << 0 << zadnaVinula;
}

void TestPomucky::kontrola() {
    QFETCH(Bunky, bunky);
    QFETCH(int, vinuly);
    QFETCH(int, jidla);
    QFETCH(QString, zprava);
    Mistnost mistnost;
    for (const auto &[bod, kod] : bunky)
        mistnost.nastav(bod.x(), bod.y(), static_cast<Kod>(kod));
    const kontrola::Pocty pocty = kontrola::spocitej(mistnost);
    QCOMPARE(pocty.vinuly, vinuly);
    QCOMPARE(pocty.jidla, jidla);
    QCOMPARE(kontrola::chyba(mistnost), zprava);
}

QTEST_GUILESS_MAIN(TestPomucky)
#include "test_pomucky.moc"
