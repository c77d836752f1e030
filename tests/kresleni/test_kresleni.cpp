#include "items/obrazky.h"
#include "main/kresleni.h"

#include <QTest>

using namespace vinula;

namespace {

constexpr QRgb cerna = 0xff000000;
constexpr QRgb seda = kresleni::barvaMrizky;

// Whether the cell shows exactly this picture.
bool ukazuje(const QImage &plocha, int x, int y, const QImage &obrazek) {
    return plocha.copy(kresleni::obdelnikBunky(x, y)) == obrazek;
}

} // namespace

class TestKresleni : public QObject {
    Q_OBJECT
private slots:
    void mrizkaMaJen48Car();
    void bunkaPrekryjeLeveAHorniCary();
    void prekresleniJdePoSloupcich();
    void kodyBezObrazkuNechajiPixely();
    void neznameKodyJsouVidet();
    void bunkaMimoPlochuNekresli();
};

void TestKresleni::mrizkaMaJen48Car() {
    QImage plocha = kresleni::novaPlocha();
    kresleni::nakresliMrizku(plocha);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x) {
            const bool cara = (x % 20 == 0 && x > 0) || (y % 20 == 0 && y > 0);
            if (plocha.pixel(x, y) != (cara ? seda : cerna))
                QFAIL(qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
        }
}

void TestKresleni::bunkaPrekryjeLeveAHorniCary() {
    QImage plocha = kresleni::novaPlocha();
    kresleni::nakresliMrizku(plocha);
    kresleni::vykresliBunku(plocha, 3, 4, 111);
    QVERIFY(ukazuje(plocha, 3, 4, obrazky::zradlo(11)));
    // The lines at x = 60 and y = 80 are gone along the cell; those at its
    // right and bottom edges belong to the neighbours and stay.
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(plocha.pixel(80, 80 + i), seda);
        QCOMPARE(plocha.pixel(60 + i, 100), seda);
    }
    QCOMPARE(plocha.pixel(60, 79), seda);
    QCOMPARE(plocha.pixel(59, 80), seda); // the neighbour to the left keeps its line
}

void TestKresleni::prekresleniJdePoSloupcich() {
    Mistnost mistnost;
    mistnost.nastav(0, 0, 1);
    mistnost.nastav(29, 19, 58);
    mistnost.nastav(5, 7, 162);
    mistnost.nastav(-1, 3, 55); // the ring is never drawn
    QImage plocha = kresleni::novaPlocha();
    kresleni::nakresliMrizku(plocha);
    kresleni::prekreslit(plocha, mistnost);
    QVERIFY(ukazuje(plocha, 0, 0, obrazky::hlava()));
    QVERIFY(ukazuje(plocha, 29, 19, obrazky::zed(8)));
    QVERIFY(ukazuje(plocha, 5, 7, obrazky::zradlo(62)));
    // Every cell is redrawn, so free cells cover their grid lines too; the
    // redraw itself draws no lines.
    for (int x = 0; x < 30; ++x)
        for (int y = 0; y < 20; ++y)
            if (mistnost.bunka(x, y) == 0)
                QVERIFY(ukazuje(plocha, x, y, obrazky::volno()));
}

void TestKresleni::kodyBezObrazkuNechajiPixely() {
    Mistnost mistnost;
    mistnost.nastav(2, 2, 20);
    mistnost.nastav(3, 3, 2);
    mistnost.nastav(4, 4, 49);
    QImage plocha = kresleni::novaPlocha();
    kresleni::nakresliMrizku(plocha);
    const QImage predtim = plocha;
    kresleni::prekreslit(plocha, mistnost);
    for (int k = 2; k <= 4; ++k)
        QCOMPARE(plocha.copy(kresleni::obdelnikBunky(k, k)),
                 predtim.copy(kresleni::obdelnikBunky(k, k)));
    // After a clear the same cells are plain black.
    kresleni::vycisti(plocha);
    kresleni::prekreslit(plocha, mistnost);
    QVERIFY(ukazuje(plocha, 2, 2, obrazky::volno()));
}

void TestKresleni::neznameKodyJsouVidet() {
    QImage plocha = kresleni::novaPlocha();
    for (int kod : {59, 99, 163, 255}) {
        kresleni::vykresliBunku(plocha, 1, 1, kod);
        QVERIFY(ukazuje(plocha, 1, 1, obrazky::neznamy()));
        kresleni::vykresliBunku(plocha, 1, 1, 0);
        QVERIFY(ukazuje(plocha, 1, 1, obrazky::volno()));
    }
}

void TestKresleni::bunkaMimoPlochuNekresli() {
    QImage plocha = kresleni::novaPlocha();
    const QImage predtim = plocha;
    for (const QPoint &bunka : {QPoint(-1, 0), QPoint(30, 5), QPoint(0, 20), QPoint(-1000, 99999)})
        kresleni::vykresliBunku(plocha, bunka.x(), bunka.y(), 50);
    QCOMPARE(plocha, predtim);
}

QTEST_GUILESS_MAIN(TestKresleni)
#include "test_kresleni.moc"
