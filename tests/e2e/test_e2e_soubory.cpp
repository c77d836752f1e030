#include "ridic.h"

#include "items/obrazky.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

// A room goes through the files as a person moves it: refused while empty,
// painted and saved into a new file; a prepared room loaded, edited and
// appended to its file; then loaded back by its number.
class TestE2eSoubory : public QObject {
    Q_OBJECT
private slots:
    void ulozitANacist();
};

namespace {

constexpr int bunek = 600;

// Cells of a room in file order: x outer, y inner.
int posun(int x, int y) {
    return 20 * x + y;
}

QByteArray pripravenaMrizka() {
    QByteArray mrizka(bunek, 0);
    mrizka[posun(0, 5)] = 1; // the vinula, on the left edge
    for (int x = 3; x <= 25; ++x)
        mrizka[posun(x, 2)] = static_cast<char>(50 + x % 9);
    for (int i = 0; i < 63; ++i)
        mrizka[posun(2 + i % 26, 8 + i / 26)] = static_cast<char>(100 + i);
    mrizka[posun(29, 19)] = static_cast<char>(162);
    return mrizka;
}

QByteArray zaznam(const QByteArray &nazev, const QByteArray &mrizka) {
    return nazev.leftJustified(50, ' ', true) + mrizka;
}

QByteArray obsah(const QString &cesta) {
    QFile soubor(cesta);
    return soubor.open(QIODevice::ReadOnly) ? soubor.readAll() : QByteArray();
}

bool oknoZavreno(const QString &titulek) {
    return Ridic::pockej([&] {
        return Ridic::xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                               QStringLiteral("--name"), titulek})
            .isEmpty();
    });
}

QImage snimekOkna(const QRect &g) {
    return Ridic::snimek().copy(g);
}

// The surface shows exactly the pictures of the cells (free floor black).
bool plochaUkazuje(const Ridic &ridic, const QByteArray &mrizka, QString *chyba) {
    const QPoint p = ridic.pocatekPlochy();
    const QImage plocha = QGuiApplication::primaryScreen()
                              ->grabWindow(0, p.x(), p.y(), 600, 400)
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    for (int x = 0; x < 30; ++x) {
        for (int y = 0; y < 20; ++y) {
            const int kod = static_cast<quint8>(mrizka[posun(x, y)]);
            const QImage bunka = plocha.copy(20 * x, 20 * y, 20, 20);
            const QImage *obrazek = vinula::obrazky::proKod(kod);
            QImage ocekavana(20, 20, QImage::Format_RGB32);
            ocekavana.fill(Qt::black);
            if (obrazek && kod != 0)
                ocekavana = obrazek->convertToFormat(QImage::Format_RGB32);
            if (bunka != ocekavana) {
                if (chyba)
                    *chyba = QStringLiteral("cell %1, %2 (code %3)").arg(x).arg(y).arg(kod);
                return false;
            }
        }
    }
    return true;
}

// Replaces the text of a box: click into it, select all, type.
void prepis(const Ridic &ridic, const QString &okno, QPoint bod, const QString &text) {
    ridic.klikni(bod);
    ridic.klavesy(okno, {QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    ridic.napis(okno, text);
}

} // namespace

void TestE2eSoubory::ulozitANacist() {
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid());
    const QDir dir(slozka.path());
    QByteArray mrizka = pripravenaMrizka();
    const QByteArray pripravena = zaznam("Priprava", mrizka);
    QFile soubor(dir.filePath(QStringLiteral("PRIPRAVA.DAT")));
    QVERIFY(soubor.open(QIODevice::WriteOnly));
    QCOMPARE(soubor.write(pripravena), 650);
    soubor.close();

    Ridic ridic;
    QVERIFY(ridic.spust(slozka.path()));
    const QPoint plocha = ridic.pocatekPlochy();

    // F2 on the empty room: the one warning, closed with Enter.
    const QString titulekChyby = QStringLiteral("^Chybně definovaná místnost$");
    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("F2")});
    const QString chybaOkno = ridic.najdiOkno(titulekChyby);
    QVERIFY(!chybaOkno.isEmpty());
    QTest::qWait(300);
    snimekOkna(ridic.geometrie(chybaOkno)).save(QStringLiteral("e2e_kontrola.png"));
    ridic.klavesy(chybaOkno, {QStringLiteral("Return")});
    QVERIFY(oknoZavreno(titulekChyby));

    // The vinula on the left edge and one food item, chosen in the palette.
    QByteArray nakreslena(bunek, 0);
    const auto namaluj = [&](QPoint vPalete, int cx, int cy, int kod) {
        ridic.klikni(plocha + QPoint(300, 390), 3);
        const QString paleta = ridic.najdiOkno(QStringLiteral("^Volba předmětů$"));
        QVERIFY(!paleta.isEmpty());
        ridic.klikni(ridic.geometrie(paleta).topLeft() + vPalete + QPoint(10, 10));
        QVERIFY(oknoZavreno(QStringLiteral("^Volba předmětů$")));
        ridic.najed(plocha + QPoint(20 * cx + 10, 20 * cy + 10));
        ridic.stiskni(1);
        const QImage obrazek = vinula::obrazky::proKod(kod)->convertToFormat(QImage::Format_RGB32);
        const QRect bunka(plocha + QPoint(20 * cx, 20 * cy), QSize(20, 20));
        QVERIFY(Ridic::pockej([&] { return Ridic::snimek().copy(bunka) == obrazek; }));
        ridic.pust(1);
        nakreslena[posun(cx, cy)] = static_cast<char>(kod);
    };
    namaluj(QPoint(7, 28), 0, 7, 1);     // the vinula
    namaluj(QPoint(7, 84), 15, 10, 100); // the first food item
    if (QTest::currentTestFailed())
        return;

    // F2 into a new file.
    const QString titulekZapsani = QStringLiteral("^Uložení místnosti na disk$");
    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("F2")});
    QString zapsani = ridic.najdiOkno(titulekZapsani);
    QVERIFY(!zapsani.isEmpty());
    QRect g = ridic.geometrie(zapsani);
    QCOMPARE(g.size(), QSize(303, 291));
    prepis(ridic, zapsani, g.topLeft() + QPoint(98 + 100, 175 + 9), QStringLiteral("NOVA.DAT"));
    prepis(ridic, zapsani, g.topLeft() + QPoint(98 + 100, 196 + 9),
           QStringLiteral("Moje mistnost"));
    QTest::qWait(300);
    snimekOkna(g).save(QStringLiteral("e2e_zapsani.png"));
    ridic.klavesy(zapsani, {QStringLiteral("alt+u")});
    QVERIFY(oknoZavreno(titulekZapsani));
    const QString nova = dir.filePath(QStringLiteral("NOVA.DAT"));
    QVERIFY(Ridic::pockej([&] { return obsah(nova).size() == 650; }));
    QCOMPARE(obsah(nova), zaznam("Moje mistnost", nakreslena));

    // F3: the prepared room, room 1 as offered.
    const QString titulekNacteni = QStringLiteral("^Načtení místnosti z disku$");
    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("F3")});
    QString nacteni = ridic.najdiOkno(titulekNacteni);
    QVERIFY(!nacteni.isEmpty());
    g = ridic.geometrie(nacteni);
    QCOMPARE(g.size(), QSize(309, 261));
    ridic.klikni(g.topLeft() + QPoint(161 + 30, 7 + 8)); // File1: NOVA.DAT
    ridic.klavesy(nacteni, {QStringLiteral("Down")});    // PRIPRAVA.DAT
    QTest::qWait(300);
    snimekOkna(g).save(QStringLiteral("e2e_nacteni.png"));
    ridic.klavesy(nacteni, {QStringLiteral("alt+n")});
    QVERIFY(oknoZavreno(titulekNacteni));
    QString chyba;
    QVERIFY2(Ridic::pockej([&] { return plochaUkazuje(ridic, mrizka, &chyba); }),
             qPrintable(chyba));

    // The food item still active, painted over one wall.
    ridic.najed(plocha + QPoint(20 * 10 + 10, 20 * 2 + 10));
    ridic.stiskni(1);
    mrizka[posun(10, 2)] = 100;
    QVERIFY(Ridic::pockej([&] { return plochaUkazuje(ridic, mrizka, nullptr); }));
    ridic.pust(1);

    // F2 into the existing file: a click on it offers its room's stored name,
    // and the room goes after the one already there.
    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("F2")});
    zapsani = ridic.najdiOkno(titulekZapsani);
    QVERIFY(!zapsani.isEmpty());
    g = ridic.geometrie(zapsani);
    ridic.klikni(g.topLeft() + QPoint(154 + 30, 7 + 8)); // NOVA.DAT
    ridic.klavesy(zapsani, {QStringLiteral("Down")});    // PRIPRAVA.DAT
    QTest::qWait(200);
    ridic.klavesy(zapsani, {QStringLiteral("alt+u")});
    QVERIFY(oknoZavreno(titulekZapsani));
    const QString priprava = dir.filePath(QStringLiteral("PRIPRAVA.DAT"));
    QVERIFY(Ridic::pockej([&] { return obsah(priprava).size() == 1300; }));
    QCOMPARE(obsah(priprava), pripravena + zaznam("Priprava", mrizka));

    // Clear, then load room 2 of the appended file back.
    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("ctrl+v")});
    QVERIFY(Ridic::pockej([&] { return plochaUkazuje(ridic, QByteArray(bunek, 0), nullptr); }));
    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("F3")});
    nacteni = ridic.najdiOkno(titulekNacteni);
    QVERIFY(!nacteni.isEmpty());
    g = ridic.geometrie(nacteni);
    ridic.klikni(g.topLeft() + QPoint(161 + 30, 7 + 8));
    ridic.klavesy(nacteni, {QStringLiteral("Down")});
    prepis(ridic, nacteni, g.topLeft() + QPoint(259 + 20, 175 + 9), QStringLiteral("2"));
    QTest::qWait(300);
    snimekOkna(g).save(QStringLiteral("e2e_nacteni2.png"));
    ridic.klavesy(nacteni, {QStringLiteral("alt+n")});
    QVERIFY(oknoZavreno(titulekNacteni));
    QVERIFY2(Ridic::pockej([&] { return plochaUkazuje(ridic, mrizka, &chyba); }),
             qPrintable(chyba));
    Ridic::snimek().save(QStringLiteral("e2e_nacteno.png"));

    ridic.klavesy(ridic.hlavniOkno(), {QStringLiteral("ctrl+u")});
    QVERIFY(ridic.pockejNaKonec());
}

QTEST_MAIN(TestE2eSoubory)
#include "test_e2e_soubory.moc"
