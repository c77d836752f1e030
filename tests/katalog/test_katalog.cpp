#include "items/katalog.h"
#include "items/obrazky.h"

#include <QSet>
#include <QTest>

using namespace vinula;

class TestKatalog : public QObject {
    Q_OBJECT
private slots:
    void nazvy_data();
    void nazvy();
    void kodyBezNazvu();
    void tridy_data();
    void tridy();
    void obrazkyPodleKodu_data();
    void obrazkyPodleKodu();
    void obrazkyMimoRozsahu();
};

void TestKatalog::nazvy_data() {
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("nazev");
    // The ends of each run and a few with every diacritic the names use.
    QTest::newRow("0") << 0 << QStringLiteral("volná plocha");
    QTest::newRow("1") << 1 << QStringLiteral("vinula");
    QTest::newRow("50") << 50 << QStringLiteral("zeď barevná");
    QTest::newRow("54") << 54 << QStringLiteral("zeď šedá");
    QTest::newRow("57") << 57 << QStringLiteral("zeď růžová");
    QTest::newRow("58") << 58 << QStringLiteral("zeď hnědá");
    QTest::newRow("100") << 100 << QStringLiteral("brouk hnědý");
    QTest::newRow("104") << 104 << QStringLiteral("domino naležato");
    QTest::newRow("118") << 118 << QStringLiteral("cívka");
    QTest::newRow("131") << 131 << QStringLiteral("žárovka svítící");
    QTest::newRow("140") << 140 << QStringLiteral("stříkačka injekční");
    QTest::newRow("141") << 141 << QStringLiteral("krystal žlutočervený");
    QTest::newRow("146") << 146 << QStringLiteral("písmeno A");
    QTest::newRow("158") << 158 << QStringLiteral("vidlička a nůž");
    QTest::newRow("159") << 159 << QStringLiteral("človíček doleva");
    QTest::newRow("161") << 161 << QStringLiteral("brouk zelený");
    QTest::newRow("162") << 162 << QStringLiteral("pavouk křižák");
}

void TestKatalog::nazvy() {
    QFETCH(int, kod);
    QFETCH(QString, nazev);
    QCOMPARE(katalog::nazev(kod), nazev);
    QVERIFY(katalog::jePredmet(kod));
}

void TestKatalog::kodyBezNazvu() {
    // Exactly 74 codes are items, each with its own name; no other code has one.
    QSet<QString> nazvy;
    int predmetu = 0;
    for (int kod = 0; kod < 256; ++kod) {
        const QString nazev = katalog::nazev(kod);
        QCOMPARE(katalog::jePredmet(kod), !nazev.isEmpty());
        if (!nazev.isEmpty()) {
            ++predmetu;
            nazvy.insert(nazev);
        }
    }
    QCOMPARE(predmetu, 74);
    QCOMPARE(nazvy.size(), 74);
    for (int kod : {2, 49, 59, 99, 163, 255})
        QVERIFY2(katalog::nazev(kod).isEmpty(), qPrintable(QString::number(kod)));
}

void TestKatalog::tridy_data() {
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("trida");
    QTest::newRow("0") << 0 << "volno";
    QTest::newRow("1") << 1 << "vinula";
    QTest::newRow("2") << 2 << "";
    QTest::newRow("49") << 49 << "";
    QTest::newRow("50") << 50 << "zed";
    QTest::newRow("58") << 58 << "zed";
    QTest::newRow("59") << 59 << "zed";
    QTest::newRow("99") << 99 << "zed";
    QTest::newRow("100") << 100 << "jidlo";
    QTest::newRow("163") << 163 << "jidlo";
    QTest::newRow("255") << 255 << "jidlo";
}

void TestKatalog::tridy() {
    QFETCH(int, kod);
    QFETCH(QString, trida);
    QCOMPARE(katalog::jeVolno(kod), trida == QLatin1String("volno"));
    QCOMPARE(katalog::jeVinula(kod), trida == QLatin1String("vinula"));
    QCOMPARE(katalog::jeZed(kod), trida == QLatin1String("zed"));
    QCOMPARE(katalog::jeJidlo(kod), trida == QLatin1String("jidlo"));
}

void TestKatalog::obrazkyPodleKodu_data() {
    QTest::addColumn<int>("kod");
    QTest::addColumn<const QImage *>("obrazek");
    QTest::newRow("0") << 0 << &obrazky::volno();
    QTest::newRow("1") << 1 << &obrazky::hlava();
    QTest::newRow("2") << 2 << static_cast<const QImage *>(nullptr);
    QTest::newRow("49") << 49 << static_cast<const QImage *>(nullptr);
    QTest::newRow("50") << 50 << &obrazky::zed(0);
    QTest::newRow("58") << 58 << &obrazky::zed(8);
    QTest::newRow("59") << 59 << &obrazky::neznamy();
    QTest::newRow("99") << 99 << &obrazky::neznamy();
    QTest::newRow("100") << 100 << &obrazky::zradlo(0);
    QTest::newRow("162") << 162 << &obrazky::zradlo(62);
    QTest::newRow("163") << 163 << &obrazky::neznamy();
    QTest::newRow("255") << 255 << &obrazky::neznamy();
}

void TestKatalog::obrazkyPodleKodu() {
    QFETCH(int, kod);
    QFETCH(const QImage *, obrazek);
    QCOMPARE(obrazky::proKod(kod), obrazek);
}

void TestKatalog::obrazkyMimoRozsahu() {
    // Indexes outside the arrays fall back to the unknown picture.
    for (int index : {-1, 9, 1000})
        QCOMPARE(&obrazky::zed(index), &obrazky::neznamy());
    for (int index : {-1, 63, 1000})
        QCOMPARE(&obrazky::zradlo(index), &obrazky::neznamy());
}

QTEST_GUILESS_MAIN(TestKatalog)
#include "test_katalog.moc"
