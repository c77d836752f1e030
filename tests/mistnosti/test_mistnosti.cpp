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
using proces::Ven;

Beh spust(const QString &slozka, const QStringList &argumenty, qint64 limit = -1,
          Ven standardni = Ven::roura) {
    return proces::spust(QStringLiteral(VINULA_MISTNOSTI_PATH), slozka, argumenty, limit,
                         standardni);
}

// The rooms; names in Windows-1250 (0xEC ě, 0xED í, 0xF8 ř). Codes 20, 59
// and 200 are no items, though 59 passes the wall test and 200 the food
// test. Quotes, a backslash and a line feed in a name must break neither a
// line of the listing nor the JSON. The vinula stands on each of the four
// edges in one room that passes (x = 0, y = 19, x = 29, y = 0) and just
// inside them in another.
const QByteArray r1 =
    zaznam("Jeskyn\xEC", {{0, 5, 1}, {3, 4, 111}, {29, 19, 162}, {1, 0, 50}, {2, 0, 58}});
const QByteArray r2 = zaznam("");
const QByteArray r3 = zaznam("Dv\xEC vinuly   ", {{0, 0, 1}, {29, 19, 1}});
const QByteArray r4 = zaznam("Hlad \"a\\b\"", {{29, 0, 1}, {5, 5, 51}});
const QByteArray r5 =
    zaznam("Ciz\xED\n", {{14, 19, 1}, {1, 1, 100}, {2, 2, 20}, {3, 3, 59}, {4, 4, 200}});
const QByteArray r6 = zaznam("Uprost\xF8"
                             "ed",
                             {{28, 18, 1}, {27, 18, 130}});
const QByteArray r7 = zaznam("Vpravo", {{29, 10, 1}, {15, 10, 120}});
const QByteArray r8 = zaznam("Naho\xF8"
                             "e",
                             {{10, 0, 1}, {0, 0, 55}, {15, 10, 140}});
const QByteArray souborA = r1 + r2 + r3 + r4 + r5 + r6;

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

// One run and all it must leave: status, output, messages, and the one file
// it makes or changes with its exact bytes (nothing else in the folder).
struct Pripad {
    QStringList argumenty{};
    int kod = 0;
    QString ven{}, chyby{};
    QString vystup{};
    QByteArray bajty{};
    qint64 limit = -1;
    Ven standardni = Ven::roura;
    bool jenZacatek = false; // `ven` is how the output begins
};

} // namespace

Q_DECLARE_METATYPE(Pripad)

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
        QVERIFY(uloz(cesta(u"DOBRY.DAT"_s), r7 + r8));
        QVERIFY(uloz(cesta(u"NECELY.DAT"_s), r1 + r2 + 'x'));
        QVERIFY(uloz(cesta(u"PRAZDNY.DAT"_s), {}));
        QVERIFY(uloz(cesta(u"VELKY.DAT"_s), r2.repeated(401)));
    }

    void beh_data() {
        QTest::addColumn<Pripad>("pripad");
        const auto radek = [](const char *jmeno, const Pripad &pripad) {
            QTest::newRow(jmeno) << pripad;
        };
        // Refused: status 2 and one message.
        const auto spatne = [](const char *jmeno, const QStringList &argumenty,
                               const QString &chyba, qint64 limit = -1) {
            QTest::newRow(jmeno) << Pripad{.argumenty = argumenty,
                                           .kod = 2,
                                           .chyby = u"vinula-mistnosti: "_s + chyba,
                                           .limit = limit};
        };
        const QString pripojit = u"--pripojit"_s;
        // The line after a refusal of the command line.
        const auto napoveda = [](const QString &jak) {
            return u"\nNápověda: vinula-mistnosti "_s + jak + u'\n';
        };
        const QString zapis = u"vinula-mistnosti: standardní výstup: zápis se nezdařil, "_s;

        // The name last: no line waits for a later room's longer name.
        radek("seznam",
              {.argumenty = {u"seznam"_s, u"A.DAT"_s},
               .ven =
                   u"A.DAT: 6 místností\n"
                   "  číslo  vinula     jídla  zdi  kontrola                             název\n"
                   "      1  (0, 5)         2    2  v pořádku                            Jeskyně\n"
                   "      2  chybí          0    0  Nenadefinována žádná vinula!\n"
                   "      3  2 vinuly       0    0  Nadefinována více než jedna vinula!  "
                   "Dvě vinuly\n"
                   "      4  (29, 0)        0    1  Nebylo definováno žádné jídlo!       "
                   "Hlad \"a\\b\"\n"
                   "      5  (14, 19)       2    1  v pořádku                            Cizí?\n"
                   "      6  (28, 18)       1    0  vinula není na okraji plochy         "
                   "Uprostřed\n"_s});
        // A message stands after the results printed before it.
        radek("seznam neúplného, prázdného a chybějícího",
              {.argumenty = {u"seznam"_s, u"NECELY.DAT"_s, u"PRAZDNY.DAT"_s, u"CHYBI.DAT"_s},
               .kod = 2,
               .ven =
                   u"vinula-mistnosti: NECELY.DAT: délka 1301 bajtů není násobkem 650, není "
                   "to soubor místností; 1 bajt za poslední celou místností se nečte\n"
                   "NECELY.DAT: 2 místnosti\n"
                   "  číslo  vinula     jídla  zdi  kontrola                             název\n"
                   "      1  (0, 5)         2    2  v pořádku                            Jeskyně\n"
                   "      2  chybí          0    0  Nenadefinována žádná vinula!\n"
                   "PRAZDNY.DAT: 0 místností\n"
                   "vinula-mistnosti: CHYBI.DAT: soubor neexistuje\n"_s,
               .standardni = Ven::sChybami});
        radek("kontrola v pořádku",
              {.argumenty = {u"kontrola"_s, u"DOBRY.DAT"_s, u"PRAZDNY.DAT"_s},
               .ven = u"DOBRY.DAT: 2 místnosti v pořádku\nPRAZDNY.DAT: žádná místnost\n"_s});
        radek("kontrola chybných",
              {.argumenty = {u"kontrola"_s, u"A.DAT"_s, u"DOBRY.DAT"_s},
               .kod = 1,
               .ven = u"A.DAT: místnost 2: Nenadefinována žádná vinula!\n"
                      "A.DAT: místnost 3 „Dvě vinuly“: Nadefinována více než jedna vinula!\n"
                      "A.DAT: místnost 4 „Hlad \"a\\b\"“: Nebylo definováno žádné jídlo!\n"
                      "A.DAT: místnost 5 „Cizí?“: 3 buňky s kódem mimo katalog, první kód 20 v "
                      "(2, 2)\n"
                      "A.DAT: místnost 6 „Uprostřed“: vinula v (28, 18) není na okraji plochy\n"
                      "A.DAT: 6 místností, z toho chybných 5\n"
                      "DOBRY.DAT: 2 místnosti v pořádku\n"_s});
        // A file of bad length is worse than a faulty room; its whole rooms
        // are checked all the same.
        radek("kontrola neúplného s chybnou",
              {.argumenty = {u"kontrola"_s, u"NECELY.DAT"_s, u"CHYBI.DAT"_s},
               .kod = 2,
               .ven = u"NECELY.DAT: místnost 2: Nenadefinována žádná vinula!\n"
                      "NECELY.DAT: 2 místnosti, z toho chybných 1\n"_s,
               .chyby = u"vinula-mistnosti: NECELY.DAT: délka 1301 bajtů není násobkem 650, není "
                        "to soubor místností; 1 bajt za poslední celou místností se nečte\n"
                        "vinula-mistnosti: CHYBI.DAT: soubor neexistuje\n"_s});
        spatne("zařízení", {u"kontrola"_s, u"/dev/null"_s},
               u"/dev/null: zadaná cesta nevede k obyčejnému souboru\n"_s);

        // Results that cannot be written are a failure, said why; a reader
        // that stops early ends the run quietly.
        radek("kontrola do plného", {.argumenty = {u"kontrola"_s, u"A.DAT"_s},
                                     .kod = 2,
                                     .chyby = zapis + u"na disku není místo\n"_s,
                                     .standardni = Ven::plny});
        radek("zavřený výstup",
              {.argumenty = {u"vyjmout"_s, u"A.DAT"_s, u"1"_s, u"-o"_s, u"N.DAT"_s},
               .kod = 2,
               .chyby = zapis + u"kanál je zavřený\n"_s,
               .vystup = u"N.DAT"_s,
               .bajty = r1,
               .standardni = Ven::zavreny});
        radek("JSON na plný disk",
              {.argumenty = {u"seznam"_s, u"--json"_s, u"A.DAT"_s},
               .kod = 2,
               .chyby = zapis + u"soubor by přerostl největší dovolenou velikost\n"_s,
               .vystup = u"ven.txt"_s,
               .bajty = "[\n{\"soubor\":\"A.DAT\",\"pocet_mis",
               .limit = 30,
               .standardni = Ven::doSouboru});
        radek("čtenář skončil", {.argumenty = {u"seznam"_s, u"A.DAT"_s},
                                 .kod = -SIGPIPE,
                                 .standardni = Ven::bezCtenare});

        // A listing longer than the tool's 64 KiB blocks, cut off by the
        // disk: what was written is exact, and the cut is reported.
        const QString dobry =
            u"DOBRY.DAT: 2 místnosti\n"
            "  číslo  vinula     jídla  zdi  kontrola                             název\n"
            "      1  (29, 10)       1    0  v pořádku                            Vpravo\n"
            "      2  (10, 0)        1    1  v pořádku                            Nahoře\n"_s;
        radek("dlouhý výpis na plný disk",
              {.argumenty = QStringList{u"seznam"_s} + QStringList(1000, u"DOBRY.DAT"_s),
               .kod = 2,
               .chyby = zapis + u"soubor by přerostl největší dovolenou velikost\n"_s,
               .vystup = u"ven.txt"_s,
               .bajty = dobry.repeated(1000).toUtf8().first(100000),
               .limit = 100000,
               .standardni = Ven::doSouboru});
        // What the user typed or a file is named reaches the terminal
        // without its control characters.
        radek("řídicí znaky v názvu výstupu",
              {.argumenty = {u"vyjmout"_s, u"A.DAT"_s, u"6"_s, u"-o"_s, u"N\x1b[2J\u202e.DAT"_s},
               .ven = u"N?[2J?.DAT: vytvořen, místnost č. 1\n"_s,
               .vystup = u"N\x1b[2J\u202e.DAT"_s,
               .bajty = r6});
        spatne("přebývá argument",
               {u"obrazek"_s, u"A.DAT"_s, u"1"_s, u"2\x1b[2J"_s, u"-o"_s, u"m.png"_s},
               u"přebývá argument „2?[2J“"_s + napoveda(u"obrazek --help"_s));

        radek("nápověda", {.argumenty = {u"--help"_s},
                           .ven = u"Použití: vinula-mistnosti PŘÍKAZ [VOLBY] ARGUMENTY…\n"_s,
                           .jenZacatek = true});
        radek(
            "nápověda příkazu",
            {.argumenty = {u"vyjmout"_s, u"A.DAT"_s, u"-h"_s},
             .ven = u"Použití: vinula-mistnosti vyjmout SOUBOR ČÍSLA -o NOVÝ.DAT [--pripojit]\n"_s,
             .jenZacatek = true});
        radek("verze",
              {.argumenty = {u"--version"_s}, .ven = u"vinula-mistnosti "_s, .jenZacatek = true});
        spatne("chybí příkaz", {}, u"chybí příkaz"_s + napoveda(u"--help"_s));
        spatne("neznámý příkaz", {u"smazat"_s},
               u"neznámý příkaz „smazat“"_s + napoveda(u"--help"_s));
        spatne("argument před příkazem", {u"--version"_s, u"A.DAT"_s},
               u"nečekaný argument „A.DAT“; příkaz musí stát na prvním místě"_s +
                   napoveda(u"--help"_s));
        spatne("chybí soubor", {u"seznam"_s},
               u"chybí soubor místností"_s + napoveda(u"seznam --help"_s));
        spatne("chybí čísla", {u"vyjmout"_s, u"A.DAT"_s, u"-o"_s, u"N.DAT"_s},
               u"chybí čísla místností"_s + napoveda(u"vyjmout --help"_s));
        spatne("bez výstupu", {u"vyjmout"_s, u"A.DAT"_s, u"1"_s},
               u"chybí výstupní soubor (-o VÝSTUP)"_s + napoveda(u"vyjmout --help"_s));
        spatne("volba bez hodnoty", {u"obrazek"_s, u"A.DAT"_s, u"--vystup"_s},
               u"za volbou „--vystup“ chybí název souboru"_s + napoveda(u"obrazek --help"_s));
        spatne("výstup dvakrát",
               {u"vyjmout"_s, u"A.DAT"_s, u"1"_s, u"-oX.DAT"_s, u"--vystup=Y.DAT"_s},
               u"výstupní soubor je zadán dvakrát"_s + napoveda(u"vyjmout --help"_s));
        spatne("prázdný výstup", {u"vyjmout"_s, u"A.DAT"_s, u"1"_s, u"--vystup="_s},
               u"výstupní soubor má prázdný název"_s + napoveda(u"vyjmout --help"_s));
        spatne("volba jiného příkazu", {u"seznam"_s, u"--mrizka"_s, u"A.DAT"_s},
               u"neznámá volba „--mrizka“"_s + napoveda(u"seznam --help"_s));
        spatne("soubor s pomlčkou", {u"kontrola"_s, u"--"_s, u"-x.DAT"_s},
               u"-x.DAT: soubor neexistuje\n"_s);

        spatne("není číslo", {u"obrazek"_s, u"A.DAT"_s, u"x"_s, u"-om.png"_s},
               u"A.DAT: „x“ není číslo místnosti\n"_s);
        spatne("číslo za koncem", {u"vyjmout"_s, u"A.DAT"_s, u"1,7"_s, u"-o"_s, u"N.DAT"_s},
               u"A.DAT: místnost 7 v souboru není, soubor má 6 místností\n"_s);
        spatne("neúplný zdroj", {u"obrazek"_s, u"NECELY.DAT"_s, u"1"_s, u"-om.png"_s},
               u"NECELY.DAT: délka 1301 bajtů není násobkem 650, není to soubor místností; 1 bajt "
               "za poslední celou místností se nečte\n"_s);
        spatne("prázdný arch", {u"obrazek"_s, u"PRAZDNY.DAT"_s, u"-om.png"_s},
               u"PRAZDNY.DAT: soubor nemá žádnou místnost, není co kreslit\n"_s);
        spatne("přeplněný arch", {u"obrazek"_s, u"VELKY.DAT"_s, u"-om.png"_s},
               u"VELKY.DAT: soubor má 401 místností, arch pojme nejvýš 400 místností; vyberte "
               "místnosti příkazem vyjmout\n"_s);

        // The output option in each of its forms: -o X, -oX, --vystup X,
        // --vystup=X.
        radek("pořadí",
              {.argumenty = {u"vyjmout"_s, u"A.DAT"_s, u"3,1,5-4,3"_s, u"-o"_s, u"N.DAT"_s},
               .ven = u"N.DAT: vytvořen, místnosti č. 1–5\n"_s,
               .vystup = u"N.DAT"_s,
               .bajty = r3 + r1 + r5 + r4 + r3});
        radek("připojit",
              {.argumenty = {u"vyjmout"_s, u"A.DAT"_s, u"2-1"_s, u"--vystup=DOBRY.DAT"_s, pripojit},
               .ven = u"DOBRY.DAT: připojeny místnosti č. 3–4\n"_s,
               .vystup = u"DOBRY.DAT"_s,
               .bajty = r7 + r8 + r2 + r1});
        spatne("výstup existuje", {u"vyjmout"_s, u"A.DAT"_s, u"1"_s, u"--vystup"_s, u"DOBRY.DAT"_s},
               u"DOBRY.DAT: výstupní soubor už existuje a nepřepíše se; připojit k němu lze "
               "volbou --pripojit\n"_s);
        spatne("obrázek existuje", {u"obrazek"_s, u"A.DAT"_s, u"1"_s, u"-oDOBRY.DAT"_s},
               u"DOBRY.DAT: výstupní soubor už existuje a nepřepíše se\n"_s);
        spatne("připojit k neúplnému",
               {u"vyjmout"_s, u"A.DAT"_s, u"1"_s, u"-o"_s, u"NECELY.DAT"_s, pripojit},
               u"NECELY.DAT: délka 1301 bajtů není násobkem 650, není to soubor místností; nic se "
               "nepřipojilo\n"_s);
#ifdef Q_OS_UNIX
        // A disk that is full after `limit` bytes of any one file.
        const auto vyjmi = [](const QString &cisla, const QString &vystup) {
            return QStringList{u"vyjmout"_s, u"A.DAT"_s, cisla, u"-o"_s, vystup};
        };
        const QString velikost = u"soubor by přerostl největší dovolenou velikost"_s;
        spatne("plný disk", vyjmi(u"1-3"_s, u"N.DAT"_s),
               u"N.DAT: zápis se nezdařil: "_s + velikost + u"; soubor nevznikl\n"_s, 1000);
        spatne("plný disk pro obrázek", {u"obrazek"_s, u"A.DAT"_s, u"1"_s, u"-om.png"_s},
               u"m.png: zápis se nezdařil: "_s + velikost + u"; soubor nevznikl\n"_s, 100);
        spatne("plný disk při připojení", vyjmi(u"1-2"_s, u"DOBRY.DAT"_s) << pripojit,
               u"DOBRY.DAT: chyba při zápisu: "_s + velikost + u"; soubor zůstal, jak byl\n"_s,
               2000);
        spatne("plný disk při připojení k novému", vyjmi(u"1-5"_s, u"N.DAT"_s) << pripojit,
               u"N.DAT: chyba při zápisu: "_s + velikost + u"; soubor nevznikl\n"_s, 2000);
#endif
    }

    void beh() {
        QFETCH(Pripad, pripad);
        Soubory cekane = obsah(slozka);
        if (!pripad.vystup.isEmpty())
            cekane[pripad.vystup] = pripad.bajty;
        const Beh beh = spust(slozka, pripad.argumenty, pripad.limit, pripad.standardni);
        QCOMPARE(pripad.jenZacatek ? beh.ven.left(pripad.ven.size()) : beh.ven, pripad.ven);
        QCOMPARE(beh.chyby, pripad.chyby);
        QCOMPARE(beh.kod, pripad.kod);
        QCOMPARE(obsah(slozka), cekane);
    }

    // The same list as JSON, compared as data with one written by hand; the
    // file name as it is, where a message shows it made safe.
    void json() {
        const Beh beh = spust(slozka, {u"seznam"_s, u"--json"_s, u"A.DAT"_s, u"CHYBI\x1b.DAT"_s});
        QCOMPARE(beh.kod, 2);
        QCOMPARE(beh.chyby, u"vinula-mistnosti: CHYBI?.DAT: soubor neexistuje\n"_s);
        QJsonParseError chyba;
        const QJsonDocument dokument = QJsonDocument::fromJson(beh.ven.toUtf8(), &chyba);
        QVERIFY2(chyba.error == QJsonParseError::NoError, qPrintable(beh.ven));
        // The quote and the backslash as \u0022 and \u005c, and no unpaired
        // bracket: moc misreads them in a raw string.
        const QJsonDocument cekane = QJsonDocument::fromJson(R"([
{"soubor": "A.DAT", "pocet_mistnosti": 6, "mistnosti": [
 {"cislo": 1, "nazev": "Jeskyně", "vinuly": 1, "vinula": {"x": 0, "y": 5},
  "jidla": 2, "zdi": 2, "v_poradku": true, "kontrola": "v pořádku"},
 {"cislo": 2, "nazev": "", "vinuly": 0, "vinula": null,
  "jidla": 0, "zdi": 0, "v_poradku": false, "kontrola": "Nenadefinována žádná vinula!"},
 {"cislo": 3, "nazev": "Dvě vinuly", "vinuly": 2, "vinula": null,
  "jidla": 0, "zdi": 0, "v_poradku": false, "kontrola": "Nadefinována více než jedna vinula!"},
 {"cislo": 4, "nazev": "Hlad \u0022a\u005cb\u0022", "vinuly": 1, "vinula": {"x": 29, "y": 0},
  "jidla": 0, "zdi": 1, "v_poradku": false, "kontrola": "Nebylo definováno žádné jídlo!"},
 {"cislo": 5, "nazev": "Cizí\n", "vinuly": 1, "vinula": {"x": 14, "y": 19},
  "jidla": 2, "zdi": 1, "v_poradku": true, "kontrola": "v pořádku"},
 {"cislo": 6, "nazev": "Uprostřed", "vinuly": 1, "vinula": {"x": 28, "y": 18},
  "jidla": 1, "zdi": 0, "v_poradku": false, "kontrola": "vinula není na okraji plochy"}]},
{"soubor": "CHYBI\u001b.DAT", "pocet_mistnosti": 0, "chyba": "soubor neexistuje",
 "mistnosti": []}
])");
        QCOMPARE(dokument, cekane);
        // Qt's reader takes raw control characters, strict readers do not:
        // the only ones are the line breaks before each room and bracket.
        QCOMPARE(beh.ven.count(u'\n'), 12);
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
    // for pixel; room 7 holds all 256 codes.
    void obrazekJakoEditor_data() {
        QTest::addColumn<int>("cislo");
        QTest::addColumn<bool>("mrizka");
        QTest::newRow("jeskyně") << 1 << false;
        QTest::newRow("všech 256 kódů s mřížkou") << 7 << true;
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

    // The sheet: four rooms to a row at half size (300 × 200) on white,
    // each with a line of text beneath, 10 pixels apart and from the edges.
    void arch_data() {
        QTest::addColumn<int>("pocet");
        QTest::addColumn<QSize>("velikost");
        QTest::newRow("1") << 1 << QSize(320, 240);
        QTest::newRow("2") << 2 << QSize(630, 240);
        QTest::newRow("4") << 4 << QSize(1250, 240);
        QTest::newRow("5") << 5 << QSize(1250, 470);
    }

    void arch() {
        QFETCH(int, pocet);
        QFETCH(QSize, velikost);
        QVERIFY(uloz(cesta(u"B.DAT"_s), souborA.first(pocet * 650)));
        QCOMPARE(spust(slozka, {u"obrazek"_s, u"B.DAT"_s, u"-oarch.png"_s}).kod, 0);
        const QImage arch = QImage(cesta(u"arch.png"_s)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(arch.size(), velikost);
        if (pocet < 5)
            return;
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
