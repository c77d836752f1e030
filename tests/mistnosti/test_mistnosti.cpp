// The real vinula-mistnosti, run as a separate process on room files this
// test writes byte by byte. Every run is also checked for what it left in
// its folder: exactly the planned output, or nothing at all.

#include "main/editor.h"
#include "main/plocha.h"
#include "room/promenne.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;
using Soubory = QMap<QString, QByteArray>;

namespace {

struct Beh {
    int kod = -1;
    QString ven;
    QString chyby;
};

// Runs the tool in `slozka`. `limit` caps the size of any file it writes
// (RLIMIT_FSIZE, a full disk as the process sees it), -1 for none.
Beh spust(const QString &slozka, const QStringList &argumenty, qint64 limit = -1) {
    QProcess proces;
    proces.setWorkingDirectory(slozka);
#ifdef Q_OS_UNIX
    if (limit >= 0)
        proces.setChildProcessModifier([limit] {
            const rlimit mez{rlim_t(limit), rlim_t(limit)};
            setrlimit(RLIMIT_FSIZE, &mez);
            std::signal(SIGXFSZ, SIG_IGN);
        });
#endif
    proces.start(QStringLiteral(VINULA_MISTNOSTI_PATH), argumenty);
    if (!proces.waitForFinished(120000))
        return {};
    return {proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1,
            QString::fromUtf8(proces.readAllStandardOutput()),
            QString::fromUtf8(proces.readAllStandardError())};
}

// One record: the name's bytes padded with spaces to 50, then the grid with
// each listed cell (x, y, code) at byte 50 + 20x + y.
QByteArray zaznam(const QByteArray &nazev, std::initializer_list<std::array<int, 3>> bunky) {
    QByteArray data = nazev.leftJustified(50, ' ', true) + QByteArray(600, '\0');
    for (const auto &[x, y, kod] : bunky)
        data[50 + 20 * x + y] = char(kod);
    return data;
}

// The five rooms of A.DAT; names in Windows-1250 (0xEC ě, 0xED í).
const QByteArray r1 =
    zaznam("Jeskyn\xEC", {{0, 5, 1}, {3, 4, 111}, {29, 19, 162}, {1, 0, 50}, {2, 0, 58}});
const QByteArray r2 = zaznam("", {});
const QByteArray r3 = zaznam("Dv\xEC vinuly   ", {{0, 0, 1}, {29, 19, 1}});
const QByteArray r4 = zaznam("Hlad", {{29, 0, 1}, {5, 5, 51}});
// Codes 20, 59 and 200 are no items; 59 passes the wall test and 200 the
// food test. A line feed in the name must not break a line of the listing.
const QByteArray r5 =
    zaznam("Ciz\xED\n", {{0, 19, 1}, {1, 1, 100}, {2, 2, 20}, {3, 3, 59}, {4, 4, 200}});
const QByteArray souborA = r1 + r2 + r3 + r4 + r5;

bool uloz(const QString &cesta, const QByteArray &data) {
    QFile f(cesta);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// Every entry of the folder with its bytes; a folder as a mark.
Soubory obsah(const QString &slozka) {
    Soubory soubory;
    for (const QFileInfo &info : QDir(slozka).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                            QDir::NoDotAndDotDot | QDir::System)) {
        QFile f(info.filePath());
        soubory[info.fileName()] =
            info.isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<složka>");
    }
    return soubory;
}

QImage nactiPng(const QString &cesta) {
    return QImage(cesta, "PNG").convertToFormat(QImage::Format_RGB32);
}

// Whether every pixel of the area has this colour.
bool jednobarevne(const QImage &obraz, const QRect &oblast, QRgb barva) {
    for (int y = oblast.top(); y <= oblast.bottom(); ++y)
        for (int x = oblast.left(); x <= oblast.right(); ++x)
            if (obraz.pixel(x, y) != barva)
                return false;
    return true;
}

constexpr QRgb cerna = 0xff000000;
constexpr QRgb bila = 0xffffffff;

} // namespace

class TestMistnosti : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> adresar;
    QString slozka;

    QString cesta(const QString &jmeno) const { return slozka + u'/' + jmeno; }

private slots:
    // A fresh folder for every run: A.DAT, two rooms that pass, an empty file,
    // one a byte too long, one too large for a sheet, and a folder.
    void init() {
        adresar = std::make_unique<QTemporaryDir>();
        QVERIFY(adresar->isValid());
        slozka = adresar->path();
        QVERIFY(uloz(cesta(u"A.DAT"_s), souborA));
        QVERIFY(uloz(cesta(u"DOBRY.DAT"_s), r1 + r1));
        QVERIFY(uloz(cesta(u"PRAZDNY.DAT"_s), {}));
        QVERIFY(uloz(cesta(u"NECELY.DAT"_s), r1 + 'x'));
        QVERIFY(uloz(cesta(u"VELKY.DAT"_s), r1.repeated(401)));
        QVERIFY(QDir(slozka).mkdir(u"slozka"_s));
    }

    void napoveda_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<QString>("prvniRadek");
        QTest::addColumn<QString>("obsahuje");
        QTest::newRow("program") << QStringList{u"--help"_s}
                                 << u"Použití: vinula-mistnosti PŘÍKAZ [VOLBY] ARGUMENTY…"_s
                                 << u"2 chybný"_s;
        QTest::newRow("seznam") << QStringList{u"seznam"_s, u"--help"_s}
                                << u"Použití: vinula-mistnosti seznam SOUBOR… [--json]"_s
                                << u"„v pořádku“"_s;
        QTest::newRow("kontrola") << QStringList{u"kontrola"_s, u"-h"_s}
                                  << u"Použití: vinula-mistnosti kontrola SOUBOR…"_s
                                  << u"0, když jsou všechny místnosti v pořádku"_s;
        QTest::newRow("obrazek")
            << QStringList{u"obrazek"_s, u"A.DAT"_s, u"--help"_s}
            << u"Použití: vinula-mistnosti obrazek SOUBOR [ČÍSLO] -o VÝSTUP.png [--mrizka]"_s
            << u"nejvýš 400 místností"_s;
        QTest::newRow("vyjmout")
            << QStringList{u"vyjmout"_s, u"--help"_s}
            << u"Použití: vinula-mistnosti vyjmout SOUBOR ČÍSLA -o NOVÝ.DAT [--pripojit]"_s
            << u"nejvýš 1000000 místností"_s;
    }

    // Help goes to standard output and writes nothing else.
    void napoveda() {
        QFETCH(QStringList, argumenty);
        QFETCH(QString, prvniRadek);
        QFETCH(QString, obsahuje);
        const Soubory predtim = obsah(slozka);
        const Beh beh = spust(slozka, argumenty);
        QCOMPARE(beh.kod, 0);
        QCOMPARE(beh.chyby, QString());
        QCOMPARE(beh.ven.section(u'\n', 0, 0), prvniRadek);
        QVERIFY2(beh.ven.contains(obsahuje), qPrintable(beh.ven));
        QCOMPARE(obsah(slozka), predtim);
    }

    void verze() {
        const Beh beh = spust(slozka, {u"--version"_s});
        QCOMPARE(beh.kod, 0);
        QVERIFY2(
            QRegularExpression(u"^vinula-mistnosti \\d+\\.\\d+\n$"_s).match(beh.ven).hasMatch(),
            qPrintable(beh.ven));
    }

    // Commands that only read: their exact output, messages and status.
    void cteni_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("ven");
        QTest::addColumn<QString>("chyby");
        const QString delka651 = u"délka 651 bajtů není násobkem 650, není to soubor místností; "
                                 "1 bajt za poslední celou místností se nečte\n"_s;
        // Room 1 of A.DAT as room n of a file where no name is longer.
        const auto jeskyne = [](int n) {
            return u"  %1  Jeskyně  vinula (0, 5)    jídla   2  zdi   2  v pořádku\n"_s.arg(n);
        };

        QTest::newRow("seznam")
            << QStringList{u"seznam"_s, u"A.DAT"_s} << 0
            << u"A.DAT: 5 místností\n"
               "  1  Jeskyně     vinula (0, 5)    jídla   2  zdi   2  v pořádku\n"
               "  2              vinula chybí     jídla   0  zdi   0  "
               "Nenadefinována žádná vinula!\n"
               "  3  Dvě vinuly  2 vinuly         jídla   0  zdi   0  "
               "Nadefinována více než jedna vinula!\n"
               "  4  Hlad        vinula (29, 0)   jídla   0  zdi   1  "
               "Nebylo definováno žádné jídlo!\n"
               "  5  Cizí?       vinula (0, 19)   jídla   2  zdi   1  "
               "v pořádku\n"_s
            << QString();
        QTest::newRow("seznam dvou")
            << QStringList{u"seznam"_s, u"DOBRY.DAT"_s, u"PRAZDNY.DAT"_s} << 0
            << u"DOBRY.DAT: 2 místnosti\n"_s + jeskyne(1) + jeskyne(2) +
                   u"PRAZDNY.DAT: 0 místností\n"_s
            << QString();
        QTest::newRow("seznam neúplného") << QStringList{u"seznam"_s, u"NECELY.DAT"_s} << 2
                                          << u"NECELY.DAT: 1 místnost\n"_s + jeskyne(1)
                                          << u"vinula-mistnosti: NECELY.DAT: "_s + delka651;
        QTest::newRow("seznam chybějícího a složky")
            << QStringList{u"seznam"_s, u"CHYBI.DAT"_s, u"slozka"_s, u"PRAZDNY.DAT"_s} << 2
            << u"PRAZDNY.DAT: 0 místností\n"_s
            << u"vinula-mistnosti: CHYBI.DAT: soubor neexistuje\n"
               "vinula-mistnosti: slozka: zadaná cesta vede ke složce, ne k souboru\n"_s;
        QTest::newRow("seznam souboru s pomlčkou")
            << QStringList{u"seznam"_s, u"--"_s, u"-x.DAT"_s} << 2 << QString()
            << u"vinula-mistnosti: -x.DAT: soubor neexistuje\n"_s;

        const QString kontrolaA =
            u"A.DAT: místnost 2: Nenadefinována žádná vinula!\n"
            "A.DAT: místnost 3 „Dvě vinuly“: Nadefinována více než jedna vinula!\n"
            "A.DAT: místnost 4 „Hlad“: Nebylo definováno žádné jídlo!\n"
            "A.DAT: místnost 5 „Cizí?“: 3 buňky s kódem mimo katalog, první kód 20 v (2, 2)\n"
            "A.DAT: 5 místností, z toho chybných 4\n"_s;
        QTest::newRow("kontrola dobrého") << QStringList{u"kontrola"_s, u"DOBRY.DAT"_s} << 0
                                          << u"DOBRY.DAT: 2 místnosti v pořádku\n"_s << QString();
        QTest::newRow("kontrola chybných")
            << QStringList{u"kontrola"_s, u"A.DAT"_s, u"DOBRY.DAT"_s} << 1
            << kontrolaA + u"DOBRY.DAT: 2 místnosti v pořádku\n"_s << QString();
        QTest::newRow("kontrola prázdného") << QStringList{u"kontrola"_s, u"PRAZDNY.DAT"_s} << 0
                                            << u"PRAZDNY.DAT: žádná místnost\n"_s << QString();
        // A file of bad length is worse than a faulty room.
        QTest::newRow("kontrola neúplného")
            << QStringList{u"kontrola"_s, u"A.DAT"_s, u"NECELY.DAT"_s} << 2
            << kontrolaA + u"NECELY.DAT: 1 místnost v pořádku\n"_s
            << u"vinula-mistnosti: NECELY.DAT: "_s + delka651;
        QTest::newRow("kontrola chybějícího")
            << QStringList{u"kontrola"_s, u"CHYBI.DAT"_s, u"DOBRY.DAT"_s} << 2
            << u"DOBRY.DAT: 2 místnosti v pořádku\n"_s
            << u"vinula-mistnosti: CHYBI.DAT: soubor neexistuje\n"_s;

        const auto spatne = [](const char *jmeno, const QStringList &argumenty,
                               const QString &chyba, const QString &prikaz) {
            QTest::newRow(jmeno) << argumenty << 2 << QString()
                                 << u"vinula-mistnosti: "_s + chyba +
                                        u"\nNápověda: vinula-mistnosti "_s + prikaz + u"--help\n"_s;
        };
        spatne("bez příkazu", {}, u"chybí příkaz"_s, {});
        spatne("neznámý příkaz", {u"smazat"_s, u"A.DAT"_s}, u"neznámý příkaz „smazat“"_s, {});
        spatne("soubor místo příkazu", {u"--version"_s, u"A.DAT"_s},
               u"nečekaný argument „A.DAT“; příkaz musí stát na prvním místě"_s, {});
        spatne("seznam bez souboru", {u"seznam"_s, u"--json"_s}, u"chybí soubor místností"_s,
               u"seznam "_s);
        spatne("cizí volba", {u"seznam"_s, u"--mrizka"_s, u"A.DAT"_s},
               u"neznámá volba „--mrizka“"_s, u"seznam "_s);
        spatne("vyjmout bez čísel", {u"vyjmout"_s, u"A.DAT"_s, u"-o"_s, u"N.DAT"_s},
               u"chybí čísla místností"_s, u"vyjmout "_s);
        spatne("vyjmout bez výstupu", {u"vyjmout"_s, u"A.DAT"_s, u"1"_s},
               u"chybí výstupní soubor (-o VÝSTUP)"_s, u"vyjmout "_s);
        spatne("-o na konci", {u"vyjmout"_s, u"A.DAT"_s, u"1"_s, u"-o"_s},
               u"za volbou „-o“ chybí název souboru"_s, u"vyjmout "_s);
        spatne("dva výstupy", {u"vyjmout"_s, u"A.DAT"_s, u"1"_s, u"-oN.DAT"_s, u"--vystup=M.DAT"_s},
               u"výstupní soubor je zadán dvakrát"_s, u"vyjmout "_s);
        spatne("obrazek se třemi", {u"obrazek"_s, u"A.DAT"_s, u"1"_s, u"2"_s, u"-o"_s, u"x.png"_s},
               u"přebývá argument „2“"_s, u"obrazek "_s);
    }

    // The output, the messages and the status, and nothing written anywhere.
    void cteni() {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, ven);
        QFETCH(QString, chyby);
        const Soubory predtim = obsah(slozka);
        const Beh beh = spust(slozka, argumenty);
        QCOMPARE(beh.ven, ven);
        QCOMPARE(beh.chyby, chyby);
        QCOMPARE(beh.kod, kod);
        QCOMPARE(obsah(slozka), predtim);
    }

    // The same list as JSON, compared as data, not as text.
    void json() {
        const Beh beh = spust(slozka, {u"seznam"_s, u"--json"_s, u"A.DAT"_s, u"CHYBI.DAT"_s});
        QCOMPARE(beh.kod, 2);
        QCOMPARE(beh.chyby, u"vinula-mistnosti: CHYBI.DAT: soubor neexistuje\n"_s);
        QJsonParseError chyba;
        const QJsonDocument dokument = QJsonDocument::fromJson(beh.ven.toUtf8(), &chyba);
        QVERIFY2(chyba.error == QJsonParseError::NoError, qPrintable(beh.ven));
        const auto mistnost = [](int cislo, const QString &nazev, int vinuly,
                                 const QJsonValue &vinula, int jidla, int zdi,
                                 const QString &kontrola) {
            return QJsonObject{{"cislo", cislo},
                               {"nazev", nazev},
                               {"vinuly", vinuly},
                               {"vinula", vinula},
                               {"jidla", jidla},
                               {"zdi", zdi},
                               {"v_poradku", kontrola == u"v pořádku"_s},
                               {"kontrola", kontrola}};
        };
        const auto bod = [](int x, int y) { return QJsonObject{{"x", x}, {"y", y}}; };
        const QJsonValue nic(QJsonValue::Null);
        const QJsonArray cekane{
            QJsonObject{{"soubor", "A.DAT"},
                        {"pocet_mistnosti", 5},
                        {"mistnosti",
                         QJsonArray{
                             mistnost(1, u"Jeskyně"_s, 1, bod(0, 5), 2, 2, u"v pořádku"_s),
                             mistnost(2, u""_s, 0, nic, 0, 0, u"Nenadefinována žádná vinula!"_s),
                             mistnost(3, u"Dvě vinuly"_s, 2, nic, 0, 0,
                                      u"Nadefinována více než jedna vinula!"_s),
                             mistnost(4, u"Hlad"_s, 1, bod(29, 0), 0, 1,
                                      u"Nebylo definováno žádné jídlo!"_s),
                             mistnost(5, u"Cizí\n"_s, 1, bod(0, 19), 2, 1, u"v pořádku"_s),
                         }}},
            QJsonObject{{"soubor", "CHYBI.DAT"},
                        {"pocet_mistnosti", 0},
                        {"chyba", "soubor neexistuje"},
                        {"mistnosti", QJsonArray{}}}};
        QCOMPARE(dokument.array(), cekane);

        // Quotes, backslashes and control characters in a name stay valid JSON.
        QVERIFY(uloz(cesta(u"Q.DAT"_s), zaznam("\"a\\b\"\t\n\x01", {})));
        const Beh q = spust(slozka, {u"seznam"_s, u"--json"_s, u"Q.DAT"_s});
        QCOMPARE(q.kod, 0);
        const QJsonDocument dq = QJsonDocument::fromJson(q.ven.toUtf8(), &chyba);
        QVERIFY2(chyba.error == QJsonParseError::NoError, qPrintable(q.ven));
        QCOMPARE(dq[0][u"mistnosti"_s][0][u"nazev"_s].toString(), u"\"a\\b\"\t\n\x01"_s);
        // Qt's reader takes raw control characters, strict readers do not:
        // the only ones are the line breaks between the file's and the room's
        // lines.
        QCOMPARE(q.ven.count(u'\n'), 5);
        QVERIFY(std::none_of(q.ven.begin(), q.ven.end(),
                             [](QChar z) { return z.unicode() < 0x20 && z != u'\n'; }));
    }

    // Commands that write: the planned output with its exact bytes, or
    // nothing at all; the sources never change.
    void zapis_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<qint64>("limit"); // RLIMIT_FSIZE, -1 for none
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("ven");
        QTest::addColumn<QString>("chyby");
        QTest::addColumn<QString>("vystup"); // the file written on success
        QTest::addColumn<QByteArray>("bajty");
        const auto vyjmi = [](const QString &zdroj, const QString &cisla,
                              const QString &vystup = u"N.DAT"_s) {
            return QStringList{u"vyjmout"_s, zdroj, cisla, u"-o"_s, vystup};
        };
        const auto nakresli = [](const QString &zdroj, const QString &cislo,
                                 const QString &vystup = u"m.png"_s) {
            QStringList a{u"obrazek"_s, zdroj};
            if (!cislo.isEmpty())
                a << cislo;
            return a << u"-o"_s << vystup;
        };
        const auto dobre = [](const char *jmeno, const QStringList &argumenty, const QString &ven,
                              const QString &vystup, const QByteArray &bajty) {
            QTest::newRow(jmeno) << argumenty << -1LL << 0 << ven << QString() << vystup << bajty;
        };
        const auto spatne = [](const char *jmeno, const QStringList &argumenty,
                               const QString &chyba, qint64 limit = -1) {
            QTest::newRow(jmeno) << argumenty << limit << 2 << QString()
                                 << u"vinula-mistnosti: "_s + chyba + u'\n' << QString()
                                 << QByteArray();
        };

        dobre("pořadí", vyjmi(u"A.DAT"_s, u"3,1,5-4"_s), u"N.DAT: vytvořen, místnosti č. 1–4\n"_s,
              u"N.DAT"_s, r3 + r1 + r5 + r4);
        dobre("opakování", {u"vyjmout"_s, u"A.DAT"_s, u"2,2,2"_s, u"--vystup=N.DAT"_s},
              u"N.DAT: vytvořen, místnosti č. 1–3\n"_s, u"N.DAT"_s, r2 + r2 + r2);
        dobre("jedna", {u"vyjmout"_s, u"-oN.DAT"_s, u"A.DAT"_s, u"5"_s},
              u"N.DAT: vytvořen, místnost č. 1\n"_s, u"N.DAT"_s, r5);
        dobre("připojit", vyjmi(u"A.DAT"_s, u"2-1"_s, u"DOBRY.DAT"_s) << u"--pripojit"_s,
              u"DOBRY.DAT: připojeny místnosti č. 3–4\n"_s, u"DOBRY.DAT"_s, r1 + r1 + r2 + r1);
        dobre("připojit k prázdnému",
              vyjmi(u"A.DAT"_s, u"4"_s, u"PRAZDNY.DAT"_s) << u"--pripojit"_s,
              u"PRAZDNY.DAT: připojena místnost č. 1\n"_s, u"PRAZDNY.DAT"_s, r4);
        dobre("připojit k chybějícímu", vyjmi(u"A.DAT"_s, u"4,4"_s) << u"--pripojit"_s,
              u"N.DAT: připojeny místnosti č. 1–2\n"_s, u"N.DAT"_s, r4 + r4);

        spatne("chybí zdroj", vyjmi(u"CHYBI.DAT"_s, u"1"_s), u"CHYBI.DAT: soubor neexistuje"_s);
        spatne("zdroj je složka", vyjmi(u"slozka"_s, u"1"_s),
               u"slozka: zadaná cesta vede ke složce, ne k souboru"_s);
        spatne("neúplný zdroj", vyjmi(u"NECELY.DAT"_s, u"1"_s),
               u"NECELY.DAT: délka 651 bajtů není násobkem 650, není to soubor místností; "
               "1 bajt za poslední celou místností se nečte"_s);
        spatne("číslo za koncem", vyjmi(u"A.DAT"_s, u"1,6"_s),
               u"A.DAT: místnost 6 v souboru není, soubor má 5 místností"_s);
        spatne("ne číslo", vyjmi(u"A.DAT"_s, u"1,dva"_s), u"A.DAT: „dva“ není číslo místnosti"_s);
        spatne("prázdná položka", vyjmi(u"A.DAT"_s, u"1,,2"_s),
               u"A.DAT: v seznamu čísel „1,,2“ je prázdná položka"_s);
        spatne("obrovský úsek", vyjmi(u"A.DAT"_s, u"1-4000000000"_s),
               u"A.DAT: místnost 4000000000 v souboru není, soubor má 5 místností"_s);
        spatne("výstup existuje", vyjmi(u"A.DAT"_s, u"1"_s, u"DOBRY.DAT"_s),
               u"DOBRY.DAT: výstupní soubor už existuje a nepřepíše se; připojit k němu lze "
               "volbou --pripojit"_s);
        spatne("výstup je zdroj", vyjmi(u"A.DAT"_s, u"1"_s, u"./A.DAT"_s) << u"--pripojit"_s,
               QDir::toNativeSeparators(u"./A.DAT"_s) +
                   u": výstup je tentýž soubor jako zdroj, zdroj se nemění"_s);
        spatne("připojit k neúplnému",
               vyjmi(u"A.DAT"_s, u"1"_s, u"NECELY.DAT"_s) << u"--pripojit"_s,
               u"NECELY.DAT: délka 651 bajtů není násobkem 650, není to soubor místností; nic se "
               "nepřipojilo"_s);
        spatne("připojit ke složce", vyjmi(u"A.DAT"_s, u"1"_s, u"slozka"_s) << u"--pripojit"_s,
               u"slozka: zadaná cesta vede ke složce, ne k souboru"_s);
        spatne("výstup v chybějící složce", vyjmi(u"A.DAT"_s, u"1"_s, u"nic/N.DAT"_s),
               QDir::toNativeSeparators(u"nic/N.DAT"_s) +
                   u": složka výstupního souboru neexistuje"_s);

        spatne("obrázek za koncem", nakresli(u"A.DAT"_s, u"6"_s),
               u"A.DAT: místnost 6 v souboru není, soubor má 5 místností"_s);
        spatne("obrázek ne čísla", nakresli(u"A.DAT"_s, u"1-2"_s),
               u"A.DAT: „1-2“ není číslo místnosti"_s);
        spatne("obrázek existuje", nakresli(u"A.DAT"_s, u"1"_s, u"DOBRY.DAT"_s),
               u"DOBRY.DAT: výstupní soubor už existuje a nepřepíše se"_s);
        spatne("arch prázdného", nakresli(u"PRAZDNY.DAT"_s, {}),
               u"PRAZDNY.DAT: soubor nemá žádnou místnost, není co kreslit"_s);
        spatne("arch velkého", nakresli(u"VELKY.DAT"_s, {}),
               u"VELKY.DAT: soubor má 401 místností, arch pojme nejvýš 400 místností; vyberte "
               "místnosti příkazem vyjmout"_s);

#ifdef Q_OS_UNIX
        // A disk that is full after `limit` bytes of any one file.
        const QString plny = u"zápis se nezdařil, disk je možná plný; soubor nevznikl"_s;
        spatne("plný disk", vyjmi(u"A.DAT"_s, u"1-3"_s), u"N.DAT: "_s + plny, 1000);
        spatne("plný disk při připojení",
               vyjmi(u"A.DAT"_s, u"1-2"_s, u"DOBRY.DAT"_s) << u"--pripojit"_s,
               u"DOBRY.DAT: chyba při zápisu, disk je možná plný"_s, 2000);
        spatne("plný disk při připojení k novému",
               vyjmi(u"VELKY.DAT"_s, u"401-1"_s) << u"--pripojit"_s,
               u"N.DAT: chyba při zápisu, disk je možná plný"_s, 200000);
        spatne("plný disk pro obrázek", nakresli(u"A.DAT"_s, u"1"_s), u"m.png: "_s + plny, 100);
        // A new output on /dev/full is refused as existing, but a tool that
        // forgot that would, run as root, rename its file over the device;
        // so the device is only ever appended to here.
        spatne("připojit k /dev/full", vyjmi(u"A.DAT"_s, u"1"_s, u"/dev/full"_s) << u"--pripojit"_s,
               u"/dev/full: zadaná cesta nevede k obyčejnému souboru"_s);
#endif
    }

    void zapis() {
        QFETCH(QStringList, argumenty);
        QFETCH(qint64, limit);
        QFETCH(int, kod);
        QFETCH(QString, ven);
        QFETCH(QString, chyby);
        QFETCH(QString, vystup);
        QFETCH(QByteArray, bajty);
        Soubory cekane = obsah(slozka);
        if (!vystup.isEmpty())
            cekane[vystup] = bajty;
        const Beh beh = spust(slozka, argumenty, limit);
        QCOMPARE(beh.chyby, chyby);
        QCOMPARE(beh.ven, ven);
        QCOMPARE(beh.kod, kod);
        QCOMPARE(obsah(slozka), cekane);
    }

    // Every room in order gives the same file; every room backwards, twice,
    // too. 2500 rooms cross the tool's 1000-room blocks both ways.
    void cestaTamAZpet() {
        QByteArray puvodni;
        for (int i = 0; i < 2500; ++i)
            puvodni += zaznam(QByteArray::number(i), {{i % 30, i % 20, 100 + i % 63}, {0, 0, i}});
        QVERIFY(uloz(cesta(u"VSE.DAT"_s), puvodni));

        Beh beh = spust(slozka, {u"vyjmout"_s, u"VSE.DAT"_s, u"1-2500"_s, u"-o"_s, u"KOPIE.DAT"_s});
        QCOMPARE(beh.kod, 0);
        QCOMPARE(obsah(slozka).value(u"KOPIE.DAT"_s), puvodni);

        beh = spust(slozka, {u"vyjmout"_s, u"VSE.DAT"_s, u"2500-1"_s, u"-o"_s, u"OBRACENE.DAT"_s});
        QCOMPARE(beh.kod, 0);
        const QByteArray obracene = obsah(slozka).value(u"OBRACENE.DAT"_s);
        QCOMPARE(obracene.size(), puvodni.size());
        for (int i = 0; i < 2500; ++i)
            QCOMPARE(obracene.mid(650 * i, 650), puvodni.mid(650 * (2499 - i), 650));

        beh = spust(slozka, {u"vyjmout"_s, u"OBRACENE.DAT"_s, u"2500-1"_s, u"-o"_s, u"ZPET.DAT"_s});
        QCOMPARE(beh.kod, 0);
        QCOMPARE(obsah(slozka).value(u"ZPET.DAT"_s), puvodni);
        QCOMPARE(obsah(slozka).value(u"VSE.DAT"_s), puvodni);
    }

    // The picture is the editor's surface after loading the same room, pixel
    // for pixel, with and without the grid.
    void obrazekJakoEditor_data() {
        QTest::addColumn<int>("cislo");
        QTest::addColumn<bool>("mrizka");
        QTest::newRow("jeskyně") << 1 << false;
        QTest::newRow("cizí kódy s mřížkou") << 5 << true;
        QTest::newRow("všech 256 kódů") << 6 << false;
        QTest::newRow("všech 256 kódů s mřížkou") << 6 << true;
    }

    void obrazekJakoEditor() {
        QFETCH(int, cislo);
        QFETCH(bool, mrizka);
        QByteArray vsechny = zaznam("", {});
        for (int i = 0; i < 600; ++i)
            vsechny[50 + i] = char(i % 256);
        QVERIFY(uloz(cesta(u"B.DAT"_s), souborA + vsechny));
        QStringList argumenty{u"obrazek"_s, u"B.DAT"_s, QString::number(cislo), u"-o"_s,
                              u"m.png"_s};
        if (mrizka)
            argumenty << u"--mrizka"_s;
        const Beh beh = spust(slozka, argumenty);
        QCOMPARE(beh.chyby, QString());
        QCOMPARE(beh.kod, 0);
        const QImage obraz = nactiPng(cesta(u"m.png"_s));

        vinula::promenne = vinula::Promenne{};
        vinula::Editor editor;
        editor.Timer1->stop();
        if (mrizka)
            editor.mrizka->trigger();
        vinula::promenne.soubor_nacteni = cesta(u"B.DAT"_s);
        vinula::promenne.cislo_mistnosti = cislo;
        vinula::promenne.pozadavek_nacteni = true;
        editor.Timer1_Timer();
        QVERIFY(!vinula::promenne.pozadavek_nacteni);
        QCOMPARE(obraz.size(), QSize(600, 400));
        QCOMPARE(obraz, editor.plocha->obraz().convertToFormat(QImage::Format_RGB32));
    }

    // The sheet: four rooms to a row at half size on white, a line of text
    // under each.
    void arch_data() {
        QTest::addColumn<bool>("mrizka");
        QTest::newRow("bez mřížky") << false;
        QTest::newRow("s mřížkou") << true;
    }

    void arch() {
        QFETCH(bool, mrizka);
        QStringList argumenty{u"obrazek"_s, u"A.DAT"_s, u"-o"_s, u"arch.png"_s};
        if (mrizka)
            argumenty << u"--mrizka"_s;
        const Beh beh = spust(slozka, argumenty);
        QCOMPARE(beh.chyby, QString());
        QCOMPARE(beh.kod, 0);
        const QImage arch = nactiPng(cesta(u"arch.png"_s));
        // 10 + 4 × (300 + 10) across; 10 + 2 × (200 + 20 + 10) down.
        QCOMPARE(arch.size(), QSize(1250, 470));
        const auto pole = [](int poradi) {
            return QRect(10 + poradi % 4 * 310, 10 + poradi / 4 * 230, 300, 200);
        };
        const auto ctverec = [&](int poradi, int x, int y, int strana) {
            return QRect(pole(poradi).topLeft() + QPoint(x, y), QSize(strana, strana));
        };
        // Room 2 is empty: black, or black with grey lines every 10 pixels.
        QCOMPARE(jednobarevne(arch, pole(1), cerna), !mrizka);
        QVERIFY(jednobarevne(arch, ctverec(1, 1, 1, 9), cerna));
        QCOMPARE(arch.pixel(pole(1).topLeft() + QPoint(10, 5)) != cerna, mrizka);
        // Room 1 has the vinula in cell (0, 5), at (0, 50) in half size, and
        // nothing in cells 5 to 24 across, 6 to 17 down.
        QVERIFY(!jednobarevne(arch, ctverec(0, 0, 50, 10), cerna));
        QCOMPARE(
            jednobarevne(arch, QRect(pole(0).topLeft() + QPoint(51, 61), QSize(199, 119)), cerna),
            !mrizka);
        // Room 5, in the second row, has the vinula in cell (0, 19).
        QVERIFY(!jednobarevne(arch, ctverec(4, 0, 190, 10), cerna));
        // Text under every room, white margins, and nothing where no room is.
        for (int i = 0; i < 5; ++i)
            QVERIFY2(!jednobarevne(arch, QRect(pole(i).bottomLeft() + QPoint(0, 1), QSize(300, 20)),
                                   bila),
                     qPrintable(QString::number(i)));
        QVERIFY(jednobarevne(arch, QRect(0, 0, 1250, 10), bila));
        QVERIFY(jednobarevne(arch, QRect(310, 0, 10, 470), bila));
        QVERIFY(jednobarevne(arch, QRect(320, 240, 930, 230), bila));
    }
};

QTEST_MAIN(TestMistnosti)
#include "test_mistnosti.moc"
