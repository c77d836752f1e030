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
    QByteArray data(std::max(delka, 0LL), Qt::Uninitialized);
    for (qint64 i = 0; i < data.size(); ++i)
        data[i] = char((quint32(i) * 2654435761u) >> 24);
    return data;
}

// The file `cesta` holding `delka` pattern bytes; none for -1.
bool zapis(const QString &cesta, qint64 delka) {
    return delka < 0 || uloz(cesta, vzorek(delka));
}

} // namespace

class TestRoomFile : public QObject {
    Q_OBJECT
    QTemporaryDir adresar;

private slots:
#ifdef Q_OS_LINUX
    // Every byte beside the C library's own converter, both ways. The bytes the code page
    // leaves undefined keep their value here, so no byte of a name is lost.
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
    // A read fills the area only, never the ring, and the room saved back is the same
    // record; a failed read changes nothing and says why.
    void cteni() {
        QFETCH(qint64, delka);
        QFETCH(qint64, n);
        QFETCH(bool, uspech);
        const QString soubor = adresar.filePath(QTest::currentDataTag());
        QVERIFY(zapis(soubor, delka));
        Mistnost m;
        for (int x = -1; x <= Mistnost::sirka; ++x)
            for (int y = -1; y <= Mistnost::vyska; ++y)
                m.nastav(x, y, 7);
        QString nazev = u"beze změny"_s, duvod;
        QCOMPARE(rf::nactiMistnost(soubor, n, m, nazev, &duvod), uspech);
        QCOMPARE(duvod.isEmpty(), uspech);
        const QByteArray zaznam = uspech ? vzorek(delka).mid((n - 1) * 650, 650) : QByteArray();
        QCOMPARE(nazev, uspech ? cp1250::dekoduj(zaznam.left(50)) : u"beze změny"_s);
        QCOMPARE(rf::nactiNazev(soubor, n), uspech ? std::optional(nazev) : std::nullopt);
        for (int x = -1; x <= Mistnost::sirka; ++x)
            for (int y = -1; y <= Mistnost::vyska; ++y)
                QCOMPARE(m.bunka(x, y), uspech && Mistnost::vOblasti(x, y)
                                            ? Kod(zaznam[50 + 20 * x + y])
                                            : Kod(7));
        QVERIFY(!uspech || rf::pripojMistnost(soubor, nazev, m));
        QCOMPARE(precti(soubor), vzorek(delka) + zaznam);
    }

#ifdef Q_OS_UNIX
    void pripojeni_data() {
        QTest::addColumn<qint64>("delka");   // -1: the file is missing
        QTest::addColumn<qint64>("mez");     // bytes the file may grow by; -1: any
        QTest::addColumn<bool>("kusy");      // written in two pieces and dropped unfinished
        QTest::addColumn<bool>("uspech");    // the room appended
        QTest::addColumn<qint64>("delkaPo"); // -1: no file afterwards
        QTest::addColumn<QString>("nazev");
        QTest::addColumn<QByteArray>("ulozeny"); // the name field's first bytes
        // A room appended by its path; and an append in pieces that is dropped unfinished.
        const auto cela = [](const char *tag, qint64 delka, qint64 mez, bool uspech, qint64 delkaPo,
                             const QString &nazev = u"x"_s, const QByteArray &ulozeny = "x") {
            QTest::newRow(tag) << delka << mez << false << uspech << delkaPo << nazev << ulozeny;
        };
        const auto poKusech = [](const char *tag, qint64 delka, qint64 delkaPo) {
            QTest::newRow(tag) << delka << -1LL << true << false << delkaPo << u"x"_s
                               << QByteArray("x");
        };
        const QString d50 = u"0123456789"_s.repeated(5);
        cela("651, 51 znaků", 651, -1, true, 1301, d50 + 'X', d50.toLatin1());
        cela("prázdný, česky", 0, -1, true, 650, u"Příliš žluťoučký kůň úpěl ďábelské ódy"_s,
             "P\xf8\xedli\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2 \xfap\xecl \xef\xe1"
             "belsk\xe9 \xf3"
             "dy");
        // A decomposed Č is one letter; U+0080 is not €; a character outside the BMP is one
        // '?', and so is a lone surrogate.
        cela("chybějící znaky", -1, -1, true, 650, u"C\u030Cesko àœ中\u0080 a😀b\xDC00\xD800"_s,
             "\xc8"
             "esko ???? a?b??");
        cela("chybějící, místo na 100", -1, 100, false, -1);
        cela("651, místo na 649", 651, 649, false, 651);
        cela("1300, místo na 650", 1300, 650, true, 1950);
        poKusech("chybějící, nedokončeno", -1, -1);
        poKusech("1300, nedokončeno", 1300, 1300);
    }
    // The record goes after the last byte, its cells at their offsets, through a symbolic link
    // that stays. A write that fails part way, or an append dropped unfinished, leaves the
    // file as it was, a file it created not at all.
    void pripojeni() {
        QFETCH(qint64, delka);
        QFETCH(qint64, mez);
        QFETCH(bool, kusy);
        QFETCH(bool, uspech);
        QFETCH(qint64, delkaPo);
        QFETCH(QString, nazev);
        QFETCH(QByteArray, ulozeny);
        const QString soubor = adresar.filePath(QTest::currentDataTag());
        const QString odkaz = soubor + u".lnk"_s;
        QVERIFY(zapis(soubor, delka) && QFile::link(soubor, odkaz));
        Mistnost m;
        QByteArray cekany = ulozeny.leftJustified(50) + QByteArray(600, '\0');
        const int polohy[][3] = {{0, 0, 50},   {0, 1, 51},   {1, 0, 70},
                                 {13, 7, 317}, {29, 0, 630}, {29, 19, 649}};
        for (const auto &[x, y, posun] : polohy) {
            m.nastav(x, y, Kod(posun));
            cekany[posun] = char(posun);
        }
        // A write past the limit raises a signal that would end the test.
        rlimit puvodni{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &puvodni), 0);
        rlimit omezeni = puvodni;
        if (mez >= 0)
            omezeni.rlim_cur = static_cast<rlim_t>(std::max(delka, 0LL) + mez);
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &omezeni), 0);
        QString duvod;
        bool ok = false;
        if (kusy) {
            rf::Pripojeni kusy(odkaz);
            QVERIFY(kusy.otevri() && kusy.zapis(cekany.left(300)) && kusy.zapis(cekany.mid(300)));
        } else
            ok = rf::pripojMistnost(odkaz, nazev, m, &duvod);
        setrlimit(RLIMIT_FSIZE, &puvodni);
        QCOMPARE(ok, uspech);
        if (!kusy)
            QCOMPARE(duvod.isEmpty(), uspech);
        QCOMPARE(QFileInfo(odkaz).symLinkTarget(), soubor);
        QCOMPARE(QFileInfo::exists(soubor) ? QFileInfo(soubor).size() : -1, delkaPo);
        QCOMPARE(precti(soubor), vzorek(delka) + (uspech ? cekany : QByteArray()));
    }
#endif
};

QTEST_GUILESS_MAIN(TestRoomFile)
#include "test_roomfile.moc"
