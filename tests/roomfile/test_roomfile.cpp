#include "room/cp1250.h"
#include "room/roomfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <limits>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace vinula;
namespace rf = vinula::roomfile;

namespace {

constexpr qint64 nejmensi = std::numeric_limits<qint64>::min();
constexpr qint64 nejvetsi = std::numeric_limits<qint64>::max();

// Bytes that change from offset to offset without a short period, so that a
// read from the wrong place shows.
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

void zapis(const QString &cesta, const QByteArray &data) {
    QFile f(cesta);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(data), data.size());
}

// The ring and the area hold different codes, to tell which one a read touched.
Mistnost sPrstenem(Kod prsten, Kod oblast) {
    Mistnost m;
    for (int x = -1; x <= Mistnost::sirka; ++x)
        for (int y = -1; y <= Mistnost::vyska; ++y)
            m.nastav(x, y, Mistnost::vOblasti(x, y) ? oblast : prsten);
    return m;
}

// Every code 0..255 appears somewhere in the area.
Mistnost pestra() {
    Mistnost m;
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            m.nastav(x, y, Kod((x * Mistnost::vyska + y) * 3 % 256));
    return m;
}

// Writes through to the file until its budget is spent, then fails: a disk
// that fills up in the middle of a record.
class PadajiciSoubor : public QFile {
public:
    PadajiciSoubor(const QString &cesta, qint64 rozpocet) : QFile(cesta), zbyva_(rozpocet) {}
    qint64 zapsano = 0;

protected:
    qint64 writeData(const char *data, qint64 delka) override {
        const qint64 smi = std::min(delka, zbyva_);
        if (smi <= 0)
            return -1;
        const qint64 vysledek = QFile::writeData(data, smi);
        if (vysledek > 0) {
            zbyva_ -= vysledek;
            zapsano += vysledek;
        }
        return vysledek;
    }

private:
    qint64 zbyva_;
};

// A file that was shortened after its size was taken.
class ZkracenyBuffer : public QBuffer {
public:
    explicit ZkracenyBuffer(qint64 hlasenaDelka) : hlasena_(hlasenaDelka) {}
    qint64 size() const override { return hlasena_; }

private:
    qint64 hlasena_;
};

} // namespace

class TestRoomFile : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(adresar.isValid()); }

    void pocetMistnosti_data();
    void pocetMistnosti();
    void polohaBunky_data();
    void polohaBunky();
    void cisloMistnosti_data();
    void cisloMistnosti();
    void zkracenySoubor_data();
    void zkracenySoubor();
    void nazvy_data();
    void nazvy();
    void pripojeni_data();
    void pripojeni();
    void pripojeniNaPoziciUprostred();
    void nepovedenePripojeni_data();
    void nepovedenePripojeni();
    void plnyDisk();
    void chybneCesty_data();
    void chybneCesty();
    void nevhodnaZarizeni();
    void nactiAUlozZpet();

private:
    QString cesta(const QString &jmeno) const { return QDir(adresar.path()).filePath(jmeno); }
    QTemporaryDir adresar;
};

void TestRoomFile::pocetMistnosti_data() {
    QTest::addColumn<qint64>("delka");
    QTest::addColumn<qint64>("pocet");
    QTest::newRow("0") << qint64(0) << qint64(0);
    QTest::newRow("649") << qint64(649) << qint64(-1);
    QTest::newRow("650") << qint64(650) << qint64(1);
    QTest::newRow("651") << qint64(651) << qint64(-1);
    QTest::newRow("1950") << qint64(1950) << qint64(3);
    QTest::newRow("nad 4 GiB") << qint64(650) * 10'000'000 << qint64(10'000'000);
    QTest::newRow("max - 7") << nejvetsi - 7 << nejvetsi / 650;
}

void TestRoomFile::pocetMistnosti() {
    QFETCH(qint64, delka);
    QFETCH(qint64, pocet);
    QCOMPARE(rf::pocetMistnosti(delka), pocet);
}

void TestRoomFile::polohaBunky_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("posun");
    QTest::newRow("(0,0)") << 0 << 0 << 50;
    QTest::newRow("(0,1)") << 0 << 1 << 51;
    QTest::newRow("vinula (0,5)") << 0 << 5 << 55;
    QTest::newRow("(0,19)") << 0 << 19 << 69;
    QTest::newRow("(1,0)") << 1 << 0 << 70;
    QTest::newRow("(13,7)") << 13 << 7 << 317;
    QTest::newRow("(29,0)") << 29 << 0 << 630;
    QTest::newRow("(29,19)") << 29 << 19 << 649;
}

// Both directions: a lone cell lands on its byte, and that byte reads back
// into the same cell and nowhere else.
void TestRoomFile::polohaBunky() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, posun);
    QCOMPARE(rf::posunBunky(x, y), posun);

    Mistnost jen1;
    jen1.nastav(x, y, 1);
    QByteArray cekany(650, '\0');
    std::fill_n(cekany.begin(), 50, ' ');
    cekany[posun] = 1;
    QCOMPARE(rf::zaznam(QString(), jen1), cekany);

    QBuffer buffer(&cekany);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    Mistnost nactena = sPrstenem(0, 9);
    QString nazev;
    QVERIFY(rf::nactiMistnost(buffer, 1, nactena, nazev));
    QVERIFY(nactena == jen1);
    QCOMPARE(nazev, QString(50, ' '));
}

void TestRoomFile::cisloMistnosti_data() {
    QTest::addColumn<qint64>("delka");
    QTest::addColumn<qint64>("n");
    QTest::addColumn<bool>("uspech");
    QTest::newRow("prázdný, 1") << qint64(0) << qint64(1) << false;
    QTest::newRow("649, 1") << qint64(649) << qint64(1) << false;
    QTest::newRow("650, 0") << qint64(650) << qint64(0) << false;
    QTest::newRow("650, -1") << qint64(650) << qint64(-1) << false;
    QTest::newRow("650, 1") << qint64(650) << qint64(1) << true;
    QTest::newRow("650, 2") << qint64(650) << qint64(2) << false;
    QTest::newRow("1950, 3") << qint64(1950) << qint64(3) << true;
    QTest::newRow("1950, 4") << qint64(1950) << qint64(4) << false;
    QTest::newRow("1950, min") << qint64(1950) << nejmensi << false;
    QTest::newRow("1950, max") << qint64(1950) << nejvetsi << false;
    // (n - 1) * 650 would not fit in 64 bits.
    QTest::newRow("1950, přetečení") << qint64(1950) << nejvetsi / 650 * 4 + 2 << false;
    // Only the room's own bytes have to be there.
    QTest::newRow("651, 1") << qint64(651) << qint64(1) << true;
    QTest::newRow("1299, 2") << qint64(1299) << qint64(2) << false;
}

// Through a buffer and through a file. A read fills the area only, never the
// ring; a failed one changes nothing.
void TestRoomFile::cisloMistnosti() {
    QFETCH(qint64, delka);
    QFETCH(qint64, n);
    QFETCH(bool, uspech);
    const QByteArray data = vzorek(delka);
    zapis(cesta("n.vin"), data);
    QBuffer buffer;
    buffer.setData(data);
    QVERIFY(buffer.open(QIODevice::ReadOnly));

    for (int pokus = 0; pokus < 2; ++pokus) {
        const Mistnost puvodni = sPrstenem(7, 9);
        Mistnost m = puvodni;
        QString nazev = QStringLiteral("beze změny");
        QString duvod, duvodNazvu;
        const bool vysledek = pokus == 0 ? rf::nactiMistnost(buffer, n, m, nazev, &duvod)
                                         : rf::nactiMistnost(cesta("n.vin"), n, m, nazev, &duvod);
        const auto jenNazev = pokus == 0 ? rf::nactiNazev(buffer, n, &duvodNazvu)
                                         : rf::nactiNazev(cesta("n.vin"), n, &duvodNazvu);
        QCOMPARE(vysledek, uspech);
        QCOMPARE(jenNazev.has_value(), uspech);
        if (!uspech) {
            QVERIFY(m == puvodni);
            QCOMPARE(nazev, QStringLiteral("beze změny"));
            QVERIFY(!duvod.isEmpty() && !duvodNazvu.isEmpty());
            continue;
        }
        const qint64 zacatek = (n - 1) * 650;
        QCOMPARE(nazev, cp1250::dekoduj(data.mid(zacatek, 50)));
        QCOMPARE(*jenNazev, nazev);
        for (int x = -1; x <= Mistnost::sirka; ++x)
            for (int y = -1; y <= Mistnost::vyska; ++y)
                QCOMPARE(m.bunka(x, y), Mistnost::vOblasti(x, y)
                                            ? Kod(data[zacatek + rf::posunBunky(x, y)])
                                            : Kod(7));
    }
}

void TestRoomFile::zkracenySoubor_data() {
    QTest::addColumn<qint64>("skutecna");
    QTest::addColumn<qint64>("hlasena");
    QTest::addColumn<qint64>("n");
    QTest::newRow("konec chybí") << qint64(1000) << qint64(1300) << qint64(2);
    QTest::newRow("chybí celá") << qint64(600) << qint64(1300) << qint64(2);
}

void TestRoomFile::zkracenySoubor() {
    QFETCH(qint64, skutecna);
    QFETCH(qint64, hlasena);
    QFETCH(qint64, n);
    ZkracenyBuffer buffer(hlasena);
    buffer.setData(vzorek(skutecna));
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    if (skutecna < (n - 1) * 650)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("QBuffer::seek"));
    const Mistnost puvodni = sPrstenem(7, 9);
    Mistnost m = puvodni;
    QString nazev = QStringLiteral("beze změny");
    QVERIFY(!rf::nactiMistnost(buffer, n, m, nazev));
    QVERIFY(m == puvodni);
    QCOMPARE(nazev, QStringLiteral("beze změny"));
}

void TestRoomFile::nazvy_data() {
    QTest::addColumn<QString>("nazev");
    QTest::addColumn<QString>("ulozeny");
    const QString deset = QStringLiteral("0123456789");
    const QString ceska = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy");
    QTest::newRow("3 znaky") << QStringLiteral("Abc") << QStringLiteral("Abc") + QString(47, ' ');
    QTest::newRow("50 znaků") << deset.repeated(5) << deset.repeated(5);
    QTest::newRow("51 znaků") << deset.repeated(5) + 'X' << deset.repeated(5);
    QTest::newRow("60 znaků") << deset.repeated(6) << deset.repeated(5);
    QTest::newRow("česky") << ceska << ceska + QString(50 - ceska.size(), ' ');
    QTest::newRow("česky přes 50")
        << ceska + QStringLiteral(", ŘEDITEL ŠŤOVÍK") << ceska + QStringLiteral(", ŘEDITEL ŠŤ");
    QTest::newRow("rozložené Č") << QStringLiteral("C\u030Cesko")
                                 << QStringLiteral("Česko") + QString(45, ' ');
    QTest::newRow("chybějící znaky")
        << QStringLiteral("naïve 😀") << QStringLiteral("na?ve ?") + QString(43, ' ');
    QTest::newRow("emoji za hranicí")
        << deset.repeated(5).left(49) + QStringLiteral("😀😀") << deset.repeated(5).left(49) + '?';
}

void TestRoomFile::nazvy() {
    QFETCH(QString, nazev);
    QFETCH(QString, ulozeny);
    QCOMPARE(ulozeny.size(), 50);
    QVERIFY(rf::pripojMistnost(cesta("nazev.vin"), nazev, Mistnost()));
    const QByteArray data = obsah(cesta("nazev.vin"));
    QCOMPARE(data.size(), 650);
    QCOMPARE(data.left(50), cp1250::zakoduj(ulozeny));
    QCOMPARE(rf::nactiNazev(cesta("nazev.vin"), 1), ulozeny);
    QVERIFY(QFile::remove(cesta("nazev.vin")));
}

void TestRoomFile::pripojeni_data() {
    QTest::addColumn<qint64>("delka"); // -1: the file is missing
    QTest::newRow("chybějící") << qint64(-1);
    QTest::newRow("prázdný") << qint64(0);
    QTest::newRow("1 bajt") << qint64(1);
    QTest::newRow("651") << qint64(651);
    QTest::newRow("1300") << qint64(1300);
}

void TestRoomFile::pripojeni() {
    QFETCH(qint64, delka);
    const QString soubor = cesta(QStringLiteral("p%1.vin").arg(delka));
    const QByteArray predtim = delka < 0 ? QByteArray() : vzorek(delka);
    if (delka >= 0)
        zapis(soubor, predtim);
    const Mistnost m = pestra();
    QString duvod;
    QVERIFY2(rf::pripojMistnost(soubor, QStringLiteral("Nová"), m, &duvod), qPrintable(duvod));

    const QByteArray potom = obsah(soubor);
    QCOMPARE(potom.size(), predtim.size() + 650);
    QCOMPARE(potom.left(predtim.size()), predtim);
    QCOMPARE(potom.mid(predtim.size()), rf::zaznam(QStringLiteral("Nová"), m));
    const bool zarovnany = predtim.size() % 650 == 0;
    QCOMPARE(rf::pocetMistnosti(potom.size()), zarovnany ? predtim.size() / 650 + 1 : -1);
}

// A device opened without Append still gets the record after its last byte.
void TestRoomFile::pripojeniNaPoziciUprostred() {
    const QByteArray predtim = vzorek(1300);
    zapis(cesta("rw.vin"), predtim);
    QFile soubor(cesta("rw.vin"));
    QVERIFY(soubor.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    QVERIFY(soubor.seek(100));
    QVERIFY(rf::pripojMistnost(soubor, QStringLiteral("x"), pestra()));
    soubor.close();
    const QByteArray potom = obsah(cesta("rw.vin"));
    QCOMPARE(potom.left(1300), predtim);
    QCOMPARE(potom.mid(1300), rf::zaznam(QStringLiteral("x"), pestra()));
}

void TestRoomFile::nepovedenePripojeni_data() {
    QTest::addColumn<qint64>("delka");
    QTest::addColumn<qint64>("rozpocet");
    for (qint64 delka : {0, 651, 1300})
        for (qint64 rozpocet : {0, 1, 50, 649, 650})
            QTest::addRow("%lld + %lld", delka, rozpocet) << delka << rozpocet;
}

void TestRoomFile::nepovedenePripojeni() {
    QFETCH(qint64, delka);
    QFETCH(qint64, rozpocet);
    const QByteArray predtim = vzorek(delka);
    zapis(cesta("plny.vin"), predtim);
    PadajiciSoubor soubor(cesta("plny.vin"), rozpocet);
    QVERIFY(soubor.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered));
    QString duvod;
    const bool vysledek = rf::pripojMistnost(soubor, QStringLiteral("Plno"), pestra(), &duvod);
    soubor.close();
    // The failing cases did put bytes on disk, so there really was something to cut.
    QCOMPARE(soubor.zapsano, rozpocet);
    QCOMPARE(vysledek, rozpocet == 650);
    if (vysledek) {
        QCOMPARE(obsah(cesta("plny.vin")).size(), delka + 650);
    } else {
        QCOMPARE(obsah(cesta("plny.vin")), predtim);
        QVERIFY(!duvod.isEmpty());
    }
}

void TestRoomFile::plnyDisk() {
    QFile plny(QStringLiteral("/dev/full"));
    if (!plny.exists())
        QSKIP("no /dev/full here");
    // Qt itself tries to move to the end of a device opened for appending.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot call seek on a sequential"));
    QVERIFY(plny.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered));
    QString duvod;
    QVERIFY(!rf::pripojMistnost(plny, QStringLiteral("x"), Mistnost(), &duvod));
    QVERIFY(!duvod.isEmpty());
    // Through the path it is refused before any write: not a regular file.
    duvod.clear();
    QVERIFY(!rf::pripojMistnost(plny.fileName(), QStringLiteral("x"), Mistnost(), &duvod));
    QVERIFY(!duvod.isEmpty());
}

void TestRoomFile::chybneCesty_data() {
    QTest::addColumn<QString>("jmeno");
    QTest::addColumn<bool>("lzePripojit");
    QTest::newRow("neexistující soubor") << QStringLiteral("nic.vin") << true;
    QTest::newRow("v neexistující složce") << QStringLiteral("neni/x.vin") << false;
    QTest::newRow("složka") << QStringLiteral("slozka") << false;
    QTest::newRow("prázdná cesta") << QString() << false;
#ifdef Q_OS_UNIX
    // Opening a FIFO would wait for a writer: the editor would freeze.
    QTest::newRow("roura") << QStringLiteral("roura") << false;
#endif
}

void TestRoomFile::chybneCesty() {
    QFETCH(QString, jmeno);
    QFETCH(bool, lzePripojit);
    const QString plna = jmeno.isEmpty() ? QString() : cesta(jmeno);
    QVERIFY(QDir(adresar.path()).mkpath(QStringLiteral("slozka")));
#ifdef Q_OS_UNIX
    if (!QFileInfo::exists(cesta("roura")))
        QCOMPARE(::mkfifo(QFile::encodeName(cesta("roura")).constData(), 0600), 0);
#endif

    const Mistnost puvodni = sPrstenem(7, 9);
    Mistnost m = puvodni;
    QString nazev = QStringLiteral("beze změny");
    QString duvod;
    QVERIFY(!rf::nactiMistnost(plna, 1, m, nazev, &duvod));
    QVERIFY(m == puvodni);
    QCOMPARE(nazev, QStringLiteral("beze změny"));
    QVERIFY(!duvod.isEmpty());
    duvod.clear();
    QVERIFY(!rf::nactiNazev(plna, 1, &duvod));
    QVERIFY(!duvod.isEmpty());

    duvod.clear();
    QCOMPARE(rf::pripojMistnost(plna, QStringLiteral("x"), Mistnost(), &duvod), lzePripojit);
    QCOMPARE(duvod.isEmpty(), lzePripojit);
    if (lzePripojit)
        QCOMPARE(QFileInfo(plna).size(), 650);
    QVERIFY(!QFileInfo::exists(cesta("neni")));
}

void TestRoomFile::nevhodnaZarizeni() {
    QByteArray data = vzorek(650);
    Mistnost m;
    QString nazev;
    QBuffer zavreny(&data);
    QVERIFY(!rf::nactiMistnost(zavreny, 1, m, nazev));

    // A buffered file would flush the rest of a failed record after the cut.
    zapis(cesta("buf.vin"), data);
    QFile bufferovany(cesta("buf.vin"));
    QVERIFY(bufferovany.open(QIODevice::WriteOnly | QIODevice::Append));
    QVERIFY(!rf::pripojMistnost(bufferovany, QStringLiteral("x"), m));
    bufferovany.close();
    QCOMPARE(obsah(cesta("buf.vin")), data);
}

// Load a room, save it again, compare: the new record is byte for byte the
// old one, whatever bytes its name holds; and a room built here comes back
// whole.
void TestRoomFile::nactiAUlozZpet() {
    // Six names of 50 bytes: every byte value is in one of them.
    QByteArray sest = vzorek(6 * 650);
    for (int i = 0; i < 6 * 50; ++i)
        sest[i / 50 * 650 + i % 50] = char(i);
    zapis(cesta("kolo.vin"), sest);
    for (qint64 n = 1; n <= 6; ++n) {
        Mistnost m;
        QString nazev;
        QVERIFY(rf::nactiMistnost(cesta("kolo.vin"), n, m, nazev));
        QVERIFY(rf::pripojMistnost(cesta("kolo.vin"), nazev, m));
    }
    QCOMPARE(obsah(cesta("kolo.vin")), sest + sest);

    const Mistnost puvodni = pestra();
    const QString nazev = QStringLiteral("Ďábelská ŘÍČNÍ úžina");
    QVERIFY(rf::pripojMistnost(cesta("kolo.vin"), nazev, puvodni));
    Mistnost nactena;
    QString nactenyNazev;
    QVERIFY(rf::nactiMistnost(cesta("kolo.vin"), 13, nactena, nactenyNazev));
    QVERIFY(nactena == puvodni);
    QCOMPARE(nactenyNazev, nazev + QString(50 - nazev.size(), ' '));
}

QTEST_GUILESS_MAIN(TestRoomFile)
#include "test_roomfile.moc"
