// The real vinula-mistnosti, run as a separate process on room files written
// here byte by byte. Every run is also checked for what it left in its
// folder: exactly the planned output, or nothing at all.

#include "../cekane.h"
#include "../proces.h"
#include "main/editor.h"
#include "main/plocha.h"
#include "room/promenne.h"

#include <QDir>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using cekane::zaznam;
using Soubory = QMap<QString, QByteArray>;

namespace {

using proces::Beh;

Beh spust(const QString &slozka, const QStringList &argumenty, qint64 limit = -1) {
    return proces::spust(QStringLiteral(VINULA_MISTNOSTI_PATH), slozka, argumenty, limit);
}

// The five rooms of A.DAT; names in Windows-1250 (0xEC ě, 0xED í). Codes 20,
// 59 and 200 are no items, though 59 passes the wall test and 200 the food
// test. Quotes, a backslash and a line feed in a name must break neither a
// line of the listing nor the JSON.
const QByteArray r1 =
    zaznam("Jeskyn\xEC", {{0, 5, 1}, {3, 4, 111}, {29, 19, 162}, {1, 0, 50}, {2, 0, 58}});
const QByteArray r2 = zaznam("");
const QByteArray r3 = zaznam("Dv\xEC vinuly   ", {{0, 0, 1}, {29, 19, 1}});
const QByteArray r4 = zaznam("Hlad \"a\\b\"", {{29, 0, 1}, {5, 5, 51}});
const QByteArray r5 =
    zaznam("Ciz\xED\n", {{0, 19, 1}, {1, 1, 100}, {2, 2, 20}, {3, 3, 59}, {4, 4, 200}});
const QByteArray souborA = r1 + r2 + r3 + r4 + r5;

bool uloz(const QString &cesta, const QByteArray &data) {
    QFile f(cesta);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

Soubory obsah(const QString &slozka) {
    Soubory soubory;
    for (const QFileInfo &info : QDir(slozka).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                            QDir::NoDotAndDotDot | QDir::System)) {
        QFile f(info.filePath());
        soubory[info.fileName()] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    return soubory;
}

const QString kontrolaA =
    u"A.DAT: místnost 2: Nenadefinována žádná vinula!\n"
    "A.DAT: místnost 3 „Dvě vinuly“: Nadefinována více než jedna vinula!\n"
    "A.DAT: místnost 4 „Hlad \"a\\b\"“: Nebylo definováno žádné jídlo!\n"
    "A.DAT: místnost 5 „Cizí?“: 3 buňky s kódem mimo katalog, první kód 20 v (2, 2)\n"
    "A.DAT: 5 místností, z toho chybných 4\n"_s;

} // namespace

class TestMistnosti : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> adresar;
    QString slozka;

    QString cesta(const QString &jmeno) const { return slozka + u'/' + jmeno; }

private slots:
    void init() {
        adresar = std::make_unique<QTemporaryDir>();
        QVERIFY(adresar->isValid());
        slozka = adresar->path();
        QVERIFY(uloz(cesta(u"A.DAT"_s), souborA));
        QVERIFY(uloz(cesta(u"DOBRY.DAT"_s), r1 + r1));
        QVERIFY(uloz(cesta(u"NECELY.DAT"_s), r1 + 'x'));
    }

    // Each command's output, messages and status, and what it left in the
    // folder: the planned output with its exact bytes, or nothing at all.
    void beh_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("ven");
        QTest::addColumn<QString>("chyby");
        QTest::addColumn<QString>("vystup");
        QTest::addColumn<QByteArray>("bajty");
        QTest::addColumn<qint64>("limit");
        const auto radek = [](const char *jmeno, const QStringList &argumenty, int kod,
                              const QString &ven, const QString &chyby = {},
                              const QString &vystup = {}, const QByteArray &bajty = {},
                              qint64 limit = -1) {
            QTest::newRow(jmeno) << argumenty << kod << ven << chyby << vystup << bajty << limit;
        };
        const auto spatne = [&radek](const char *jmeno, const QStringList &argumenty,
                                     const QString &chyba, qint64 limit = -1) {
            radek(jmeno, argumenty, 2, {}, u"vinula-mistnosti: "_s + chyba, {}, {}, limit);
        };
        const auto vyjmi = [](const QString &cisla, const QString &vystup = u"N.DAT"_s,
                              const QString &zdroj = u"A.DAT"_s) {
            return QStringList{u"vyjmout"_s, zdroj, cisla, u"-o"_s, vystup};
        };
        const QString pripojit = u"--pripojit"_s;

        radek("seznam", {u"seznam"_s, u"A.DAT"_s}, 0,
              u"A.DAT: 5 místností\n"
              "  1  Jeskyně     vinula (0, 5)    jídla   2  zdi   2  v pořádku\n"
              "  2              vinula chybí     jídla   0  zdi   0  Nenadefinována žádná vinula!\n"
              "  3  Dvě vinuly  2 vinuly         jídla   0  zdi   0  "
              "Nadefinována více než jedna vinula!\n"
              "  4  Hlad \"a\\b\"  vinula (29, 0)   jídla   0  zdi   1  "
              "Nebylo definováno žádné jídlo!\n"
              "  5  Cizí?       vinula (0, 19)   jídla   2  zdi   1  v pořádku\n"_s);
        radek("kontrola chybných", {u"kontrola"_s, u"A.DAT"_s, u"DOBRY.DAT"_s}, 1,
              kontrolaA + u"DOBRY.DAT: 2 místnosti v pořádku\n"_s);
        // A file of bad length is worse than a faulty room; its whole rooms
        // are checked all the same.
        radek("kontrola neúplného", {u"kontrola"_s, u"A.DAT"_s, u"NECELY.DAT"_s}, 2,
              kontrolaA + u"NECELY.DAT: 1 místnost v pořádku\n"_s,
              u"vinula-mistnosti: NECELY.DAT: délka 651 bajtů není násobkem 650, není to soubor "
              "místností; 1 bajt za poslední celou místností se nečte\n"_s);
        spatne("bez výstupu", {u"vyjmout"_s, u"A.DAT"_s, u"1"_s},
               u"chybí výstupní soubor (-o VÝSTUP)\nNápověda: vinula-mistnosti vyjmout --help\n"_s);

        radek("pořadí", vyjmi(u"3,1,5-4,3"_s), 0, u"N.DAT: vytvořen, místnosti č. 1–5\n"_s, {},
              u"N.DAT"_s, r3 + r1 + r5 + r4 + r3);
        radek("připojit", vyjmi(u"2-1"_s, u"DOBRY.DAT"_s) << pripojit, 0,
              u"DOBRY.DAT: připojeny místnosti č. 3–4\n"_s, {}, u"DOBRY.DAT"_s, r1 + r1 + r2 + r1);
        spatne("chybí zdroj", vyjmi(u"1"_s, u"N.DAT"_s, u"CHYBI.DAT"_s),
               u"CHYBI.DAT: soubor neexistuje\n"_s);
        spatne("číslo za koncem", vyjmi(u"1,6"_s),
               u"A.DAT: místnost 6 v souboru není, soubor má 5 místností\n"_s);
        spatne("výstup existuje", vyjmi(u"1"_s, u"DOBRY.DAT"_s),
               u"DOBRY.DAT: výstupní soubor už existuje a nepřepíše se; připojit k němu lze "
               "volbou --pripojit\n"_s);
        spatne("obrázek existuje", {u"obrazek"_s, u"A.DAT"_s, u"1"_s, u"-oDOBRY.DAT"_s},
               u"DOBRY.DAT: výstupní soubor už existuje a nepřepíše se\n"_s);
        spatne("připojit k neúplnému", vyjmi(u"1"_s, u"NECELY.DAT"_s) << pripojit,
               u"NECELY.DAT: délka 651 bajtů není násobkem 650, není to soubor místností; nic se "
               "nepřipojilo\n"_s);
#ifdef Q_OS_UNIX
        // A disk that is full after `limit` bytes of any one file.
        const QString velikost = u"soubor by přerostl největší dovolenou velikost"_s;
        spatne("plný disk", vyjmi(u"1-3"_s),
               u"N.DAT: zápis se nezdařil: "_s + velikost + u"; soubor nevznikl\n"_s, 1000);
        spatne("plný disk pro obrázek", {u"obrazek"_s, u"A.DAT"_s, u"1"_s, u"-om.png"_s},
               u"m.png: zápis se nezdařil: "_s + velikost + u"; soubor nevznikl\n"_s, 100);
        spatne("plný disk při připojení", vyjmi(u"1-2"_s, u"DOBRY.DAT"_s) << pripojit,
               u"DOBRY.DAT: chyba při zápisu: "_s + velikost + u"; soubor zůstal, jak byl\n"_s,
               2000);
        spatne("plný disk při připojení k novému", vyjmi(u"1-5"_s) << pripojit,
               u"N.DAT: chyba při zápisu: "_s + velikost + u"; soubor nevznikl\n"_s, 2000);
#endif
    }

    void beh() {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, ven);
        QFETCH(QString, chyby);
        QFETCH(QString, vystup);
        QFETCH(QByteArray, bajty);
        QFETCH(qint64, limit);
        Soubory cekane = obsah(slozka);
        if (!vystup.isEmpty())
            cekane[vystup] = bajty;
        const Beh beh = spust(slozka, argumenty, limit);
        QCOMPARE(beh.ven, ven);
        QCOMPARE(beh.chyby, chyby);
        QCOMPARE(beh.kod, kod);
        QCOMPARE(obsah(slozka), cekane);
    }

    // The same list as JSON, compared as data with one written by hand.
    void json() {
        const Beh beh = spust(slozka, {u"seznam"_s, u"--json"_s, u"A.DAT"_s, u"CHYBI.DAT"_s});
        QCOMPARE(beh.kod, 2);
        QCOMPARE(beh.chyby, u"vinula-mistnosti: CHYBI.DAT: soubor neexistuje\n"_s);
        QJsonParseError chyba;
        const QJsonDocument dokument = QJsonDocument::fromJson(beh.ven.toUtf8(), &chyba);
        QVERIFY2(chyba.error == QJsonParseError::NoError, qPrintable(beh.ven));
        // The quote and the backslash as \u0022 and \u005c: moc misreads them
        // in a raw string.
        const QJsonDocument cekane = QJsonDocument::fromJson(R"([
{"soubor": "A.DAT", "pocet_mistnosti": 5, "mistnosti": [
 {"cislo": 1, "nazev": "Jeskyně", "vinuly": 1, "vinula": {"x": 0, "y": 5},
  "jidla": 2, "zdi": 2, "v_poradku": true, "kontrola": "v pořádku"},
 {"cislo": 2, "nazev": "", "vinuly": 0, "vinula": null,
  "jidla": 0, "zdi": 0, "v_poradku": false, "kontrola": "Nenadefinována žádná vinula!"},
 {"cislo": 3, "nazev": "Dvě vinuly", "vinuly": 2, "vinula": null,
  "jidla": 0, "zdi": 0, "v_poradku": false, "kontrola": "Nadefinována více než jedna vinula!"},
 {"cislo": 4, "nazev": "Hlad \u0022a\u005cb\u0022", "vinuly": 1, "vinula": {"x": 29, "y": 0},
  "jidla": 0, "zdi": 1, "v_poradku": false, "kontrola": "Nebylo definováno žádné jídlo!"},
 {"cislo": 5, "nazev": "Cizí\n", "vinuly": 1, "vinula": {"x": 0, "y": 19},
  "jidla": 2, "zdi": 1, "v_poradku": true, "kontrola": "v pořádku"}]},
{"soubor": "CHYBI.DAT", "pocet_mistnosti": 0, "chyba": "soubor neexistuje", "mistnosti": []}
])");
        QCOMPARE(dokument, cekane);
        // Qt's reader takes raw control characters, strict readers do not:
        // the only ones are the line breaks before each room and bracket.
        QCOMPARE(beh.ven.count(u'\n'), 11);
        QVERIFY(std::none_of(beh.ven.begin(), beh.ven.end(),
                             [](QChar z) { return z.unicode() < 0x20 && z != u'\n'; }));
    }

    // Every room in order gives the same file, every room backwards the
    // records reversed; 2500 rooms cross the tool's 1000-room blocks.
    void cestaTamAZpet() {
        const auto mistnost = [](int i) {
            return zaznam(QByteArray::number(i), {{i % 30, i % 20, 100 + i % 63}, {0, 0, i}});
        };
        QByteArray vse, obracene;
        for (int i = 0; i < 2500; ++i)
            vse += mistnost(i);
        for (int i = 2499; i >= 0; --i)
            obracene += mistnost(i);
        QVERIFY(uloz(cesta(u"VSE.DAT"_s), vse));
        for (const auto &[cisla, vystup] :
             {std::pair{u"1-2500"_s, u"KOPIE.DAT"_s}, std::pair{u"2500-1"_s, u"OBRACENE.DAT"_s}})
            QCOMPARE(spust(slozka, {u"vyjmout"_s, u"VSE.DAT"_s, cisla, u"-o"_s, vystup}).kod, 0);
        const Soubory po = obsah(slozka);
        QCOMPARE(po.value(u"KOPIE.DAT"_s), vse);
        QCOMPARE(po.value(u"OBRACENE.DAT"_s), obracene);
    }

    // The picture is the editor's surface after loading the same room, pixel
    // for pixel; room 6 holds all 256 codes.
    void obrazekJakoEditor_data() {
        QTest::addColumn<int>("cislo");
        QTest::addColumn<bool>("mrizka");
        QTest::newRow("jeskyně") << 1 << false;
        QTest::newRow("všech 256 kódů s mřížkou") << 6 << true;
    }

    void obrazekJakoEditor() {
        QFETCH(int, cislo);
        QFETCH(bool, mrizka);
        QByteArray vsechny = zaznam("");
        for (int i = 0; i < 600; ++i)
            vsechny[50 + i] = char(i % 256);
        QVERIFY(uloz(cesta(u"B.DAT"_s), souborA + vsechny));
        QStringList argumenty{u"obrazek"_s, u"B.DAT"_s, QString::number(cislo), u"-om.png"_s};
        if (mrizka)
            argumenty << u"--mrizka"_s;
        QCOMPARE(spust(slozka, argumenty).kod, 0);

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
        const QImage obraz = QImage(cesta(u"m.png"_s)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(obraz, editor.plocha->obraz().convertToFormat(QImage::Format_RGB32));
    }

    // The sheet: four rooms to a row at half size on white, each with a line
    // of text beneath.
    void arch() {
        QCOMPARE(spust(slozka, {u"obrazek"_s, u"A.DAT"_s, u"-oarch.png"_s}).kod, 0);
        const QImage arch = QImage(cesta(u"arch.png"_s)).convertToFormat(QImage::Format_RGB32);
        // 10 + 4 × (300 + 10) across; 10 + 2 × (200 + 20 + 10) down.
        QCOMPARE(arch.size(), QSize(1250, 470));
        const auto plocha = [](int sirka, int vyska, QRgb barva) {
            QImage obraz(sirka, vyska, QImage::Format_RGB32);
            obraz.fill(barva);
            return obraz;
        };
        // Room 2, the empty one, second in the first row; nothing beside room 5.
        QCOMPARE(arch.copy(320, 10, 300, 200), plocha(300, 200, cekane::cerna));
        QCOMPARE(arch.copy(320, 240, 930, 230), plocha(930, 230, 0xffffffff));
    }
};

QTEST_MAIN(TestMistnosti)
#include "test_mistnosti.moc"
