#include "room/cp1250.h"
#include "room/roomfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <limits>

#ifdef Q_OS_LINUX
#include <iconv.h>
#endif
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace vinula;
using namespace Qt::StringLiterals;
namespace rf = vinula::roomfile;

namespace {

// Bytes without a short period, so that a read from the wrong place shows.
QByteArray vzorek(qint64 delka) {
    QByteArray data(delka, Qt::Uninitialized);
    for (qint64 i = 0; i < delka; ++i)
        data[i] = char((quint32(i) * 2654435761u) >> 24);
    return data;
}

QByteArray obsah(const QString &cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool zapis(const QString &cesta, const QByteArray &data) {
    QFile f(cesta);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// Writes through until its budget is spent, then fails: a disk that fills up
// in the middle of a record.
struct PadajiciSoubor : QFile {
    PadajiciSoubor(const QString &cesta, qint64 rozpocet) : QFile(cesta), zbyva(rozpocet) {}
    qint64 zbyva;
    qint64 writeData(const char *data, qint64 delka) override {
        const qint64 zapsano = zbyva > 0 ? QFile::writeData(data, std::min(delka, zbyva)) : -1;
        zbyva -= std::max<qint64>(zapsano, 0);
        return zapsano;
    }
};

} // namespace

class TestRoomFile : public QObject {
    Q_OBJECT
    QTemporaryDir adresar;

private slots:
    void kodovani_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bajty"); // without '?' they decode back to the text
        QTest::newRow("jiné") << u"\0\x7F€„“–™Ł§°ß˙"_s
                              << QByteArray::fromHex("007f8084939699a3a7b0dfff");
        // U+0080 is not €; a character outside the BMP is one '?', and so is a lone surrogate.
        QTest::newRow("chybějící") << u"àxœ中\u0080\uFFFF a😀b\xDC00\xD800\xD800\xDC00\xDBFF"_s
                                   << QByteArray("?x???? a?b????");
    }

    void kodovani() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bajty);
        QCOMPARE(cp1250::zakoduj(text), bajty);
        if (!bajty.contains('?'))
            QCOMPARE(cp1250::dekoduj(bajty), text);
    }

#ifdef Q_OS_LINUX
    // The upper half of the code page beside the C library's own converter, both ways. The
    // bytes it leaves undefined keep their value here, so no byte of a name is lost.
    void horniPolovina() {
        const iconv_t prevod = iconv_open("UTF-16LE", "CP1250");
        QVERIFY(prevod != iconv_t(-1));
        for (int bajt = 0x80; bajt < 0x100; ++bajt) {
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
        QTest::newRow("651, 1") << 651LL << 1LL << true;
        QTest::newRow("1950, 4") << 1950LL << 4LL << false;
        QTest::newRow("650, 0") << 650LL << 0LL << false;
        QTest::newRow("650, max") << 650LL << std::numeric_limits<qint64>::max() << false;
    }

    // A read fills the area only, never the ring, and the room saved back is
    // the same record; a failed read changes nothing and says why.
    void cteni() {
        QFETCH(qint64, delka);
        QFETCH(qint64, n);
        QFETCH(bool, uspech);
        const QByteArray data = vzorek(delka);
        const QString soubor = adresar.filePath(QTest::currentDataTag());
        QVERIFY(zapis(soubor, data));
        Mistnost m;
        for (int x = -1; x <= Mistnost::sirka; ++x)
            for (int y = -1; y <= Mistnost::vyska; ++y)
                m.nastav(x, y, 7);
        QString nazev = u"beze změny"_s, duvod;
        QCOMPARE(rf::nactiMistnost(soubor, n, m, nazev, &duvod), uspech);
        QCOMPARE(duvod.isEmpty(), uspech);
        const QByteArray zaznam = uspech ? data.mid((n - 1) * 650, 650) : QByteArray();
        QCOMPARE(nazev, uspech ? cp1250::dekoduj(zaznam.left(50)) : u"beze změny"_s);
        QCOMPARE(rf::nactiNazev(soubor, n), uspech ? std::optional(nazev) : std::nullopt);
        for (int x = -1; x <= Mistnost::sirka; ++x)
            for (int y = -1; y <= Mistnost::vyska; ++y)
                QCOMPARE(m.bunka(x, y), uspech && Mistnost::vOblasti(x, y)
                                            ? Kod(zaznam[50 + 20 * x + y])
                                            : Kod(7));
        QVERIFY(!uspech || rf::pripojMistnost(soubor, nazev, m));
        QCOMPARE(obsah(soubor), data + zaznam);
    }

    void pripojeni_data() {
        QTest::addColumn<qint64>("delka");    // -1: the file is missing
        QTest::addColumn<qint64>("rozpocet"); // bytes the disk takes; -1: through the path
        QTest::addColumn<QString>("nazev");
        QTest::addColumn<QByteArray>("ulozeny"); // the name field's first bytes
        const QString d50 = u"0123456789"_s.repeated(5), d60 = u"0123456789"_s.repeated(6);
        const QByteArray b50 = QByteArray("0123456789").repeated(5);
        QTest::newRow("chybějící, 3 znaky") << -1LL << -1LL << u"Abc"_s << QByteArray("Abc");
        QTest::newRow("651, 50 znaků") << 651LL << -1LL << d50 << b50;
        QTest::newRow("1300, 51 znaků") << 1300LL << -1LL << d50 + 'X' << b50;
        QTest::newRow("1300, 60 znaků") << 1300LL << -1LL << d60 << b50;
        QTest::newRow("prázdný, česky")
            << 0LL << -1LL << u"Příliš žluťoučký kůň úpěl ďábelské ódy"_s
            << QByteArray("P\xf8\xedli\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2 \xfap\xecl \xef\xe1"
                          "belsk\xe9 \xf3"
                          "dy");
        QTest::newRow("rozložené Č") << -1LL << -1LL << u"C\u030Cesko"_s
                                     << QByteArray("\xc8"
                                                   "esko");
        QTest::newRow("chybějící znaky") << -1LL << -1LL << u"naïve 😀"_s << QByteArray("na?ve ?");
        const std::pair<qint64, qint64> disky[] = {{0, 0}, {651, 50}, {1300, 649}, {1300, 650}};
        for (auto [delka, rozpocet] : disky)
            QTest::addRow("%lld, místo na %lld", delka, rozpocet)
                << delka << rozpocet << u"x"_s << QByteArray("x");
    }

    // The record goes after the last byte, its cells at their offsets; a
    // failing write leaves the file as it was.
    void pripojeni() {
        QFETCH(qint64, delka);
        QFETCH(qint64, rozpocet);
        QFETCH(QString, nazev);
        QFETCH(QByteArray, ulozeny);
        const QString soubor = adresar.filePath(QTest::currentDataTag());
        const QByteArray predtim = vzorek(std::max(delka, 0LL));
        QVERIFY(delka < 0 || zapis(soubor, predtim));
        Mistnost m;
        QByteArray cekany = ulozeny.leftJustified(50) + QByteArray(600, '\0');
        const int polohy[][3] = {{0, 0, 50},   {0, 1, 51},   {1, 0, 70},
                                 {13, 7, 317}, {29, 0, 630}, {29, 19, 649}};
        for (const auto &[x, y, posun] : polohy) {
            m.nastav(x, y, Kod(posun));
            cekany[posun] = char(posun);
        }
        PadajiciSoubor f(soubor, rozpocet);
        QString duvod;
        const bool ok =
            rozpocet < 0
                ? rf::pripojMistnost(soubor, nazev, m, &duvod)
                : f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered) &&
                      rf::pripojMistnost(f, nazev, m, &duvod);
        f.close();
        QCOMPARE(ok, rozpocet < 0 || rozpocet == 650);
        QCOMPARE(duvod.isEmpty(), ok);
        QCOMPARE(f.zbyva, std::min(rozpocet, 0LL)); // the disk fails only once it is full
        QCOMPARE(obsah(soubor), ok ? predtim + cekany : predtim);
    }

#ifdef Q_OS_UNIX
    void odkaz_data() {
        QTest::addColumn<qint64>("delka"); // of the link's target; -1: there is none yet
        QTest::newRow("target made by the save") << -1LL;
        QTest::newRow("target of two rooms") << 1300LL;
    }
    // A disk that fills up part way through the record, behind a symbolic link: the target is
    // cut back, or taken away when the save made it, and the link stays.
    void odkaz() {
        QFETCH(qint64, delka);
        const QString cil = adresar.filePath(u"cil-%1.DAT"_s.arg(delka));
        const QString odkaz = adresar.filePath(u"ODKAZ%1.DAT"_s.arg(delka));
        QVERIFY(delka < 0 || zapis(cil, vzorek(delka)));
        QVERIFY(QFile::link(cil, odkaz));
        // Files may grow only 100 bytes past their length; the signal a larger write raises
        // would end the test.
        rlimit puvodni{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &puvodni), 0);
        rlimit mez = puvodni;
        mez.rlim_cur = static_cast<rlim_t>(std::max(delka, 0LL) + 100);
        const auto predtim = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &mez), 0);
        QString duvod;
        const bool ok = rf::pripojMistnost(odkaz, u"x"_s, Mistnost(), &duvod);
        setrlimit(RLIMIT_FSIZE, &puvodni);
        std::signal(SIGXFSZ, predtim);
        QVERIFY(!ok && !duvod.isEmpty());
        QCOMPARE(QFileInfo(odkaz).symLinkTarget(), cil);
        QCOMPARE(QFileInfo::exists(cil), delka >= 0);
        QCOMPARE(obsah(cil), vzorek(std::max(delka, 0LL)));
    }
#endif

    void poKouskach_data() {
        QTest::addColumn<qint64>("delka"); // -1: the file is missing
        QTest::addColumn<bool>("dokoncit");
        QTest::newRow("chybějící, dokončeno") << -1LL << true;
        QTest::newRow("chybějící, nedokončeno") << -1LL << false;
        QTest::newRow("1300, dokončeno") << 1300LL << true;
        QTest::newRow("1300, nedokončeno") << 1300LL << false;
    }

    // An append in several pieces lands whole once finished; dropped before
    // that, it leaves the file as it was, a file it created not at all.
    void poKouskach() {
        QFETCH(qint64, delka);
        QFETCH(bool, dokoncit);
        const QString soubor = adresar.filePath(QTest::currentDataTag());
        const QByteArray predtim = vzorek(std::max(delka, 0LL));
        QVERIFY(delka < 0 || zapis(soubor, predtim));
        {
            rf::Pripojeni pripojeni(soubor);
            QVERIFY(pripojeni.otevri());
            QCOMPARE(pripojeni.puvodniDelka(), std::max(delka, 0LL));
            QVERIFY(pripojeni.zapis("první, ") && pripojeni.zapis("druhý"));
            QVERIFY(!dokoncit || pripojeni.dokonci());
        }
        QCOMPARE(QFile::exists(soubor), delka >= 0 || dokoncit);
        QCOMPARE(obsah(soubor), dokoncit ? predtim + "první, druhý" : predtim);
    }

    void plnyDisk() {
        QFile plny(u"/dev/full"_s);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot call seek on a sequential"));
        QVERIFY(plny.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered));
        QString duvod;
        QVERIFY(!rf::pripojMistnost(plny, u"x"_s, Mistnost(), &duvod));
        QVERIFY(!duvod.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRoomFile)
#include "test_roomfile.moc"
