#include "items/katalog.h"
#include "items/obrazky.h"
#include "main/kresleni.h"

#include <QSet>
#include <QTest>

using namespace vinula;
using namespace Qt::StringLiterals;

namespace {
QImage sMrizkou() {
    QImage plocha = kresleni::novaPlocha();
    kresleni::nakresliMrizku(plocha);
    return plocha;
}
} // namespace

class TestKatalog : public QObject {
    Q_OBJECT
private slots:
    void kod_data() {
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("nazev");
        QTest::addColumn<char>("trida"); // Volno, vinula Hlava, Zed, Jidlo or '-'
        QTest::addColumn<const QImage *>("obrazek");
        const QImage *zadny = nullptr, *neznamy = &obrazky::neznamy();
        QTest::newRow("0") << 0 << u"volná plocha"_s << 'V' << &obrazky::volno();
        QTest::newRow("1") << 1 << u"vinula"_s << 'H' << &obrazky::hlava();
        QTest::newRow("2") << 2 << QString() << '-' << zadny;
        QTest::newRow("49") << 49 << QString() << '-' << zadny;
        QTest::newRow("50") << 50 << u"zeď barevná"_s << 'Z' << &obrazky::zed(0);
        QTest::newRow("58") << 58 << u"zeď hnědá"_s << 'Z' << &obrazky::zed(8);
        QTest::newRow("59") << 59 << QString() << 'Z' << neznamy;
        QTest::newRow("99") << 99 << QString() << 'Z' << neznamy;
        QTest::newRow("100") << 100 << u"brouk hnědý"_s << 'J' << &obrazky::zradlo(0);
        QTest::newRow("131") << 131 << u"žárovka svítící"_s << 'J' << &obrazky::zradlo(31);
        QTest::newRow("158") << 158 << u"vidlička a nůž"_s << 'J' << &obrazky::zradlo(58);
        QTest::newRow("162") << 162 << u"pavouk křižák"_s << 'J' << &obrazky::zradlo(62);
        QTest::newRow("163") << 163 << QString() << 'J' << neznamy;
        QTest::newRow("255") << 255 << QString() << 'J' << neznamy;
    }

    // The catalogue, and a cell drawn alone or in a full redraw among cells
    // that draw nothing: the picture covers exactly its cell, so the grid
    // lines along its left and top edges go and the others stay.
    void kod() {
        QFETCH(int, kod);
        QFETCH(QString, nazev);
        QFETCH(char, trida);
        QFETCH(const QImage *, obrazek);
        QCOMPARE(katalog::nazev(kod), nazev);
        QCOMPARE(katalog::jePredmet(kod), !nazev.isEmpty());
        QCOMPARE(katalog::jeVolno(kod), trida == 'V');
        QCOMPARE(katalog::jeVinula(kod), trida == 'H');
        QCOMPARE(katalog::jeZed(kod), trida == 'Z');
        QCOMPARE(katalog::jeJidlo(kod), trida == 'J');
        QCOMPARE(obrazky::proKod(kod), obrazek);
        for (const QPoint bunka : {QPoint(0, 0), QPoint(3, 4), QPoint(29, 19), QPoint(-1, 20)}) {
            QImage plocha = sMrizkou(), cekana = plocha, celkem = plocha;
            for (int y = 0; obrazek && Mistnost::vOblasti(bunka.x(), bunka.y()) && y < 20; ++y)
                for (int x = 0; x < 20; ++x)
                    cekana.setPixel(bunka * 20 + QPoint(x, y), obrazek->pixel(x, y));
            kresleni::vykresliBunku(plocha, bunka.x(), bunka.y(), kod);
            QCOMPARE(plocha, cekana);
            Mistnost mistnost;
            for (int x = 0; x < Mistnost::sirka; ++x)
                for (int y = 0; y < Mistnost::vyska; ++y)
                    mistnost.nastav(x, y, Kod(QPoint(x, y) == bunka ? kod : 20));
            kresleni::prekreslit(celkem, mistnost);
            QCOMPARE(celkem, cekana);
        }
    }

    // Every code with a picture: 74 items with their own names (the other codes
    // have none) and 75 different 20 x 20 pictures with the unknown one.
    void vsechnyPredmety() {
        QSet<QString> nazvy;
        QSet<QByteArray> obrazy;
        for (int kod = 0; kod < 256; ++kod)
            if (const QImage *o = obrazky::proKod(kod); o && o->size() == QSize(20, 20)) {
                nazvy.insert(katalog::nazev(kod));
                obrazy.insert(
                    QByteArray(reinterpret_cast<const char *>(o->constBits()), o->sizeInBytes()));
            }
        QCOMPARE(nazvy.size(), 75);
        QCOMPARE(obrazy.size(), 75);
        QCOMPARE(obrazky::volno(), kresleni::novaPlocha().copy(0, 0, 20, 20)); // plain black
    }

    // 29 + 19 grey lines every 20 pixels, none along the outer edges.
    void mrizka() {
        const QImage plocha = sMrizkou();
        QCOMPARE(plocha.size(), QSize(600, 400));
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 600; ++x)
                if (plocha.pixel(x, y) != ((x > 0 && x % 20 == 0) || (y > 0 && y % 20 == 0)
                                               ? qRgb(64, 64, 64)
                                               : qRgb(0, 0, 0)))
                    QFAIL(qPrintable(u"pixel %1, %2"_s.arg(x).arg(y)));
    }
};

QTEST_GUILESS_MAIN(TestKatalog)
#include "test_katalog.moc"
