#include "../soubor.h"
#include "room/cp1250.h"
#include "room/roomfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <limits>

#ifdef Q_OS_LINUX
#include <iconv.h>
#endif

using namespace vinula;
using namespace Qt::StringLiterals;
namespace rf = vinula::roomfile;

namespace {

// Bytes without a short period, so that a read from the wrong place shows.
QByteArray vzorek(qint64 delka) {
    QByteArray data(std::max(delka, 0LL), Qt::Uninitialized);
    for (qint64 i = 0; i < data.size(); ++i)
        data[i] = char((quint32(i) * 2654435761u) >> 24);
    return data;
}

// Every cell, ring included, holding `kod`.
Mistnost plna(Kod kod) {
    Mistnost m;
    for (int x = -1; x <= Mistnost::sirka; ++x)
        for (int y = -1; y <= Mistnost::vyska; ++y)
            m.nastav(x, y, kod);
    return m;
}

} // namespace

class TestRoomFile : public QObject {
    Q_OBJECT
    QTemporaryDir adresar;

private slots:
#ifdef Q_OS_LINUX
    // Every byte both ways beside the C library's converter; undefined bytes keep their value.
    void kodovani() {
        const iconv_t prevod = iconv_open("UTF-16LE", "CP1250");
        QVERIFY(prevod != iconv_t(-1));
        for (int bajt = 0; bajt < 0x100; ++bajt) {
            char vstup = char(bajt);
            char16_t vystup[2] = {};
            char *z = &vstup, *do_ = reinterpret_cast<char *>(vystup);
            std::size_t zbyvaZ = 1, zbyvaDo = sizeof vystup;
            const bool definovany = iconv(prevod, &z, &zbyvaZ, &do_, &zbyvaDo) == 0;
            const QChar znak = definovany ? QChar(vystup[0]) : QChar(bajt);
            QCOMPARE(cp1250::naZnak(quint8(bajt)), znak);
            QCOMPARE(cp1250::naBajt(znak), quint8(bajt));
        }
        iconv_close(prevod);
    }
#endif
    void cteni_data() {
        QTest::addColumn<qint64>("delka");
        QTest::addColumn<qint64>("n");
        QTest::addColumn<bool>("uspech");
        QTest::newRow("1950, 3") << 1950LL << 3LL << true;
        QTest::newRow("1950, 4") << 1950LL << 4LL << false;
        QTest::newRow("650, 0") << 650LL << 0LL << false;
        QTest::newRow("650, max") << 650LL << std::numeric_limits<qint64>::max() << false;
    }
    // A read fills the area, not the ring, and saves back as the same record; a failed one
    // changes nothing and says why.
    void cteni() {
        QFETCH(qint64, delka);
        QFETCH(qint64, n);
        QFETCH(bool, uspech);
        const QString soubor = adresar.filePath(QTest::currentDataTag());
        QVERIFY(uloz(soubor, vzorek(delka)));
        Mistnost m = plna(7);
        QString nazev = u"beze změny"_s, duvod;
        QCOMPARE(rf::nactiMistnost(soubor, n, m, nazev, &duvod), uspech);
        QCOMPARE(duvod.isEmpty(), uspech);
        const QByteArray zaznam = uspech ? vzorek(delka).mid((n - 1) * 650, 650) : QByteArray();
        QCOMPARE(nazev, uspech ? cp1250::dekoduj(zaznam.left(50)) : u"beze změny"_s);
        QCOMPARE(rf::nactiNazev(soubor, n), uspech ? std::optional(nazev) : std::nullopt);
        Mistnost cekana = plna(7);
        for (int x = 0; uspech && x < Mistnost::sirka; ++x)
            for (int y = 0; y < Mistnost::vyska; ++y)
                cekana.nastav(x, y, Kod(zaznam[50 + 20 * x + y]));
        QVERIFY(m == cekana);
        QVERIFY(!uspech || rf::pripojMistnost(soubor, nazev, m));
        QCOMPARE(precti(soubor), vzorek(delka) + zaznam);
    }
#ifdef Q_OS_UNIX
    void pripojeni_data() {
        QTest::addColumn<qint64>("delka"); // -1: the file is missing
        QTest::addColumn<QString>("nazev");
        QTest::addColumn<QByteArray>("ulozeny"); // the name field's first bytes
        const QString d50 = u"0123456789"_s.repeated(5);
        QTest::newRow("651, 51 znaků") << 651LL << d50 + 'X' << d50.toLatin1();
        QTest::newRow("prázdný, česky")
            << 0LL << u"Příliš žluťoučký kůň úpěl ďábelské ódy"_s
            << QByteArray("P\xf8\xedli\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2 \xfap\xecl \xef\xe1"
                          "belsk\xe9 \xf3"
                          "dy");
        // A decomposed Č is one letter; U+0080 is not €; a character outside the BMP is one
        // '?', and so is a lone surrogate.
        QTest::newRow("chybějící znaky") << -1LL << u"C\u030Cesko àœ中\u0080 a😀b\xDC00\xD800"_s
                                         << QByteArray("\xc8"
                                                       "esko ???? a?b??");
    }
    // The record goes after the last byte, its cells at their offsets, through a link that stays.
    void pripojeni() {
        QFETCH(qint64, delka);
        QFETCH(QString, nazev);
        QFETCH(QByteArray, ulozeny);
        const QString soubor = adresar.filePath(QTest::currentDataTag());
        const QString odkaz = soubor + u".lnk"_s;
        QVERIFY((delka < 0 || uloz(soubor, vzorek(delka))) && QFile::link(soubor, odkaz));
        Mistnost m;
        QByteArray cekany = ulozeny.leftJustified(50) + QByteArray(600, '\0');
        const int polohy[][3] = {{0, 0, 50},   {0, 1, 51},   {1, 0, 70},
                                 {13, 7, 317}, {29, 0, 630}, {29, 19, 649}};
        for (const auto &[x, y, posun] : polohy) {
            m.nastav(x, y, Kod(posun));
            cekany[posun] = char(posun);
        }
        QString duvod;
        QVERIFY(rf::pripojMistnost(odkaz, nazev, m, &duvod));
        QVERIFY(duvod.isEmpty());
        QCOMPARE(QFileInfo(odkaz).symLinkTarget(), soubor);
        QCOMPARE(precti(soubor), vzorek(delka) + cekany);
    }
#endif
};

QTEST_GUILESS_MAIN(TestRoomFile)
#include "test_roomfile.moc"
