// The real vinula-mistnosti, run as a separate process on room files written
// here byte by byte. Every run is also checked for what it left in its
// folder: exactly the planned output, or nothing at all.

#include "../cekane.h"
#include "../proces.h"
#include "../soubor.h"
#include "main/editor.h"
#include "main/plocha.h"
#include "room/promenne.h"

#include <QDir>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using cekane::zaznam;
using Soubory = QMap<QString, QByteArray>;

namespace {

using proces::Beh;
using proces::Ven;

// `prikaz` is the command line split at spaces. Temporary files go into the
// folder, so that one left behind shows; caches and Qt's runtime folder
// elsewhere.
Beh spust(const QString &slozka, const QString &prikaz, qint64 limit = -1, Ven kam = Ven::roura) {
    static const QTemporaryDir mezipamet;
    QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
    prostredi.insert(u"TMPDIR"_s, slozka);
    for (const QString &promenna : {u"XDG_CACHE_HOME"_s, u"XDG_RUNTIME_DIR"_s})
        prostredi.insert(promenna, mezipamet.path());
    return proces::spust(QStringLiteral(VINULA_MISTNOSTI_PATH), slozka,
                         prikaz.split(u' ', Qt::SkipEmptyParts), limit, kam, prostredi);
}

// The rooms; names in Windows-1250 (\354 ě, \355 í, \370 ř). Codes 20, 59
// and 200 are no items, though 59 passes the wall test and 200 the food
// test. Quotes, a backslash and a line feed in a name must break neither a
// line of the listing nor the JSON. The vinula stands on each of the four
// edges in one room that passes (x = 0, y = 19, x = 29, y = 0) and just
// inside them in another.
const QByteArray r1 =
    zaznam("Jeskyn\354", {{0, 5, 1}, {3, 4, 111}, {29, 19, 162}, {1, 0, 50}, {2, 0, 58}});
const QByteArray r2 = zaznam("");
const QByteArray r3 = zaznam("Dv\354 vinuly   ", {{0, 0, 1}, {29, 19, 1}});
const QByteArray r4 = zaznam("Hlad \"a\\b\"", {{29, 0, 1}, {5, 5, 51}});
const QByteArray r5 =
    zaznam("Ciz\355\n", {{14, 19, 1}, {1, 1, 100}, {2, 2, 20}, {3, 3, 59}, {4, 4, 200}});
const QByteArray r6 = zaznam("Uprost\370ed", {{28, 18, 1}, {27, 18, 130}});
const QByteArray r7 = zaznam("Vpravo", {{29, 10, 1}, {15, 10, 120}});
const QByteArray r8 = zaznam("Naho\370e", {{10, 0, 1}, {0, 0, 55}, {15, 10, 140}});
const QByteArray souborA = r1 + r2 + r3 + r4 + r5 + r6;

// 1001 rooms named by their number, one more than the tool reads at once;
// backwards, what `vyjmout 1001-1` makes of them.
QByteArray tisic(bool pozpatku = false) {
    QByteArray data;
    for (int j = pozpatku ? 1000 : 0; j >= 0 && j <= 1000; j += pozpatku ? -1 : 1)
        data += zaznam(QByteArray::number(j), {{j % 30, j % 20, 100 + j % 63}, {0, 0, j}});
    return data;
}

Soubory obsah(const QString &slozka) {
    Soubory soubory;
    for (const QFileInfo &info : QDir(slozka).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                            QDir::NoDotAndDotDot | QDir::System))
        soubory[info.fileName()] = precti(info.filePath());
    return soubory;
}

// One run and all it must leave: status, output, messages, and the one file
// it makes or changes with its exact bytes (nothing else in the folder).
struct Pripad {
    QString prikaz;
    int kod = 0;
    QString ven, chyby, vystup;
    QByteArray bajty;
    qint64 limit = -1;
    Ven kam = Ven::roura;
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
        slozka = adresar->path();
        QVERIFY(uloz(cesta(u"A.DAT"_s), souborA) && uloz(cesta(u"DOBRY.DAT"_s), r7 + r8) &&
                uloz(cesta(u"NECELY.DAT"_s), r1 + r2 + 'x') && uloz(cesta(u"PRAZDNY.DAT"_s), {}) &&
                uloz(cesta(u"VELKY.DAT"_s), r2.repeated(401)) &&
                uloz(cesta(u"TISIC.DAT"_s), tisic()));
    }

    void beh_data() {
        QTest::addColumn<Pripad>("pripad");
        // Printed on standard output, or with the messages when `kam` joins them; a file made
        // or changed, its bytes; `limit` bytes at most in any one file.
        const auto radek = [](const char *jmeno, const QString &prikaz, int kod, const QString &ven,
                              const QString &chyby = {}, Ven kam = Ven::roura,
                              const QString &vystup = {}, const QByteArray &bajty = {},
                              qint64 limit = -1) {
            QTest::newRow(jmeno) << Pripad{prikaz, kod, ven, chyby, vystup, bajty, limit, kam};
        };
        // Refused: status 2 and one message.
        const auto spatne = [&](const char *jmeno, const QString &prikaz, const QString &chyba,
                                qint64 limit = -1) {
            radek(jmeno, prikaz, 2, {}, "vinula-mistnosti: " + chyba, Ven::roura, {}, {}, limit);
        };
        // The line after a refusal of the command line.
        const auto napoveda = [](const QString &prikaz) {
            return "\nNápověda: vinula-mistnosti " + prikaz + "--help\n";
        };
        const QString hlavicka =
            "  číslo  vinula     jídla  zdi  kontrola                             název\n";
        const QString jeskyne =
            "      1  (0, 5)         2    2  v pořádku                            Jeskyně\n"
            "      2  chybí          0    0  Nenadefinována žádná vinula!\n";
        const QString necely =
            "NECELY.DAT: délka 1301 bajtů není násobkem 650, není to soubor místností; ";
        const QString necte = "1 bajt za poslední celou místností se nečte\n";

        // The name last: no line waits for a later room's longer name.
        radek("seznam", "seznam A.DAT", 0,
              "A.DAT: 6 místností\n" + hlavicka + jeskyne +
                  "      3  2 vinuly       0    0  Nadefinována více než jedna vinula!  "
                  "Dvě vinuly\n"
                  "      4  (29, 0)        0    1  Nebylo definováno žádné jídlo!       "
                  "Hlad \"a\\b\"\n"
                  "      5  (14, 19)       2    1  v pořádku                            Cizí?\n"
                  "      6  (28, 18)       1    0  vinula není na okraji plochy         "
                  "Uprostřed\n");
        // A message stands after the results printed before it; a length that is not whole
        // rooms is the only fault, and sets the status alone.
        radek("seznam prázdného a neúplného", "seznam PRAZDNY.DAT NECELY.DAT", 2,
              "PRAZDNY.DAT: 0 místností\nvinula-mistnosti: " + necely + necte +
                  "NECELY.DAT: 2 místnosti\n" + hlavicka + jeskyne,
              {}, Ven::sChybami);
        radek("kontrola v pořádku", "kontrola DOBRY.DAT PRAZDNY.DAT", 0,
              "DOBRY.DAT: 2 místnosti v pořádku\nPRAZDNY.DAT: žádná místnost\n");
        radek("kontrola chybných", "kontrola A.DAT DOBRY.DAT", 1,
              "A.DAT: místnost 2: Nenadefinována žádná vinula!\n"
              "A.DAT: místnost 3 „Dvě vinuly“: Nadefinována více než jedna vinula!\n"
              "A.DAT: místnost 4 „Hlad \"a\\b\"“: Nebylo definováno žádné jídlo!\n"
              "A.DAT: místnost 5 „Cizí?“: 3 buňky s kódem mimo katalog, první kód 20 v (2, 2)\n"
              "A.DAT: místnost 6 „Uprostřed“: vinula v (28, 18) není na okraji plochy\n"
              "A.DAT: 6 místností, z toho chybných 5\n"
              "DOBRY.DAT: 2 místnosti v pořádku\n");
        // A missing file or one of bad length is worse than a faulty room, even one found
        // later; the whole rooms are checked all the same.
        radek("kontrola chybějícího a neúplného s chybnou", "kontrola CHYBI.DAT NECELY.DAT", 2,
              "NECELY.DAT: místnost 2: Nenadefinována žádná vinula!\n"
              "NECELY.DAT: 2 místnosti, z toho chybných 1\n",
              "vinula-mistnosti: CHYBI.DAT: soubor neexistuje\nvinula-mistnosti: " + necely +
                  necte);
        spatne("zařízení", "kontrola /dev/null",
               "/dev/null: zadaná cesta nevede k obyčejnému souboru\n");

        // What the user typed or a file is named reaches the terminal
        // without its control characters.
        radek("řídicí znaky v názvu výstupu", "vyjmout A.DAT 6 -o N\x1b[2J\u202e.DAT", 0,
              "N?[2J?.DAT: vytvořen, místnost č. 1\n", {}, Ven::roura, "N\x1b[2J\u202e.DAT", r6);
        spatne("přebývá argument", "obrazek A.DAT 1 2\x1b[2J -o m.png",
               "přebývá argument „2?[2J“" + napoveda("obrazek "));

        // Of the version and every sub-command's help in both forms, how the output begins.
        radek("verze", "--version", 0, "vinula-mistnosti ");
        for (const char *jmeno :
             {"seznam", "kontrola", "obrazek", "vyjmout", "do-tiled", "z-tiled", "text", ""})
            for (const char *volba : {"-h", "--help"})
                radek(qPrintable(u"%1 %2"_s.arg(jmeno, volba)),
                      QString::fromUtf8(jmeno) + ' ' + volba, 0,
                      u"Použití: vinula-mistnosti "_s + (*jmeno ? jmeno : "PŘÍKAZ") + ' ');
        spatne("chybí příkaz", "", "chybí příkaz" + napoveda(""));
        spatne("neznámý příkaz", "smazat", "neznámý příkaz „smazat“" + napoveda(""));
        spatne("argument před příkazem", "--version A.DAT",
               "nečekaný argument „A.DAT“; příkaz musí stát na prvním místě" + napoveda(""));
        spatne("chybí soubor", "seznam", "chybí soubor místností" + napoveda("seznam "));
        spatne("chybí čísla", "vyjmout A.DAT -o N.DAT",
               "chybí čísla místností" + napoveda("vyjmout "));
        spatne("bez výstupu", "vyjmout A.DAT 1",
               "chybí výstupní soubor (-o VÝSTUP)" + napoveda("vyjmout "));
        spatne("volba bez hodnoty", "obrazek A.DAT --vystup",
               "za volbou „--vystup“ chybí název souboru" + napoveda("obrazek "));
        spatne("výstup dvakrát", "vyjmout A.DAT 1 -oX.DAT --vystup=Y.DAT",
               "výstupní soubor je zadán dvakrát" + napoveda("vyjmout "));
        spatne("prázdný výstup", "vyjmout A.DAT 1 --vystup=",
               "výstupní soubor má prázdný název" + napoveda("vyjmout "));
        spatne("--json jen pro seznam", "kontrola --json A.DAT",
               "neznámá volba „--json“" + napoveda("kontrola "));

        spatne("není číslo", "obrazek A.DAT x -om.png", "A.DAT: „x“ není číslo místnosti\n");
        spatne("číslo za koncem", "vyjmout A.DAT 1,7 -o N.DAT",
               "A.DAT: místnost 7 v souboru není, soubor má 6 místností\n");
        spatne("neúplný zdroj", "obrazek NECELY.DAT 1 -om.png", necely + necte);
        spatne("prázdný arch", "obrazek PRAZDNY.DAT -om.png",
               "PRAZDNY.DAT: soubor nemá žádnou místnost, není co kreslit\n");
        spatne("přeplněný arch", "obrazek VELKY.DAT -om.png",
               "VELKY.DAT: soubor má 401 místností, arch pojme nejvýš 400 místností; vyberte "
               "místnosti příkazem vyjmout\n");

        // The output option in each of its forms: -o X, -oX, --vystup X,
        // --vystup=X. Rooms in any order, down across the tool's blocks too.
        radek("pořadí", "vyjmout A.DAT 3,1,5-4,3 -o N.DAT", 0,
              "N.DAT: vytvořen, místnosti č. 1–5\n", {}, Ven::roura, "N.DAT",
              r3 + r1 + r5 + r4 + r3);
        radek("pozpátku", "vyjmout TISIC.DAT 1001-1 -o N.DAT", 0,
              "N.DAT: vytvořen, místnosti č. 1–1001\n", {}, Ven::roura, "N.DAT", tisic(true));
        radek("připojit", "vyjmout A.DAT 2-1 --vystup=DOBRY.DAT --pripojit", 0,
              "DOBRY.DAT: připojeny místnosti č. 3–4\n", {}, Ven::roura, "DOBRY.DAT",
              r7 + r8 + r2 + r1);
        spatne("výstup existuje", "vyjmout A.DAT 1 --vystup DOBRY.DAT",
               "DOBRY.DAT: výstupní soubor už existuje a nepřepíše se; připojit k němu lze "
               "volbou --pripojit\n");
        spatne("obrázek existuje", "obrazek A.DAT 1 -oDOBRY.DAT",
               "DOBRY.DAT: výstupní soubor už existuje a nepřepíše se\n");
        spatne("připojit k neúplnému", "vyjmout A.DAT 1 -o NECELY.DAT --pripojit",
               necely + "nic se nepřipojilo\n");
#ifdef Q_OS_UNIX
        // Results that cannot be written are a failure, said why; a reader
        // that stops early ends the run quietly.
        const QString zapis = "vinula-mistnosti: standardní výstup: zápis se nezdařil, ";
        const QString velikost = "soubor by přerostl největší dovolenou velikost";
        radek("kontrola do plného", "kontrola A.DAT", 2, {}, zapis + "na disku není místo\n",
              Ven::plny);
        radek("seznam do zavřeného", "seznam A.DAT", 2, {}, zapis + "kanál je zavřený\n",
              Ven::zavreny);
        radek("text do plného", "text A.DAT", 2, {}, zapis + "na disku není místo\n", Ven::plny);
        // The map for Tiled, whose path cannot be told, goes again.
        radek("mapa pro Tiled do plného", "tiled-otevri DOBRY.DAT", 2, {},
              zapis + "na disku není místo\n", Ven::plny);
        // The file is written all the same: the status and the messages say
        // so, lest a script do the work again.
        const QString presto = "; soubory se přesto zapsaly:\nvinula-mistnosti: ";
        radek("zavřený výstup", "vyjmout A.DAT 1 -o N.DAT", 3, {},
              zapis + "kanál je zavřený" + presto + "N.DAT: vytvořen, místnost č. 1\n",
              Ven::zavreny, "N.DAT", r1);
        radek("připojení a plný výstup", "vyjmout A.DAT 2 -o DOBRY.DAT --pripojit", 3, {},
              zapis + "na disku není místo" + presto + "DOBRY.DAT: připojena místnost č. 3\n",
              Ven::plny, "DOBRY.DAT", r7 + r8 + r2);
        // A folder: listed as one entry with no bytes.
        radek("export a zavřený výstup", "do-tiled A.DAT 1 -o V", 3, {},
              zapis + "kanál je zavřený" + presto +
                  "V: 1 mapa 0001.tmx, sada dlaždic vinula.tsx, svět mistnosti.world\n",
              Ven::zavreny, "V", {});
        radek("čtenář skončil", "seznam A.DAT", -SIGPIPE, {}, {}, Ven::bezCtenare);
        // A listing longer than the tool's 64 KiB blocks, cut off by the
        // disk: what was written is exact, and the cut is reported.
        const QString dobry =
            "DOBRY.DAT: 2 místnosti\n" + hlavicka +
            "      1  (29, 10)       1    0  v pořádku                            Vpravo\n"
            "      2  (10, 0)        1    1  v pořádku                            Nahoře\n";
        radek("dlouhý výpis na plný disk", "seznam" + QString(" DOBRY.DAT").repeated(1000), 2, {},
              zapis + velikost + '\n', Ven::doSouboru, "ven.txt",
              dobry.repeated(1000).toUtf8().first(100000), 100000);
        // A disk that is full after `limit` bytes of any one file.
        spatne("plný disk", "vyjmout A.DAT 1-3 -o N.DAT",
               "N.DAT: zápis se nezdařil: " + velikost + "; soubor nevznikl\n", 1000);
        spatne("plný disk pro obrázek", "obrazek A.DAT 1 -om.png",
               "m.png: zápis se nezdařil: " + velikost + "; soubor nevznikl\n", 100);
        spatne("plný disk při připojení", "vyjmout A.DAT 1-2 -o DOBRY.DAT --pripojit",
               "DOBRY.DAT: chyba při zápisu: " + velikost + "; soubor zůstal, jak byl\n", 2000);
        spatne("plný disk při připojení k novému", "vyjmout A.DAT 1-5 -o N.DAT --pripojit",
               "N.DAT: chyba při zápisu: " + velikost + "; soubor nevznikl\n", 2000);
#endif
    }

    void beh() {
        QFETCH(Pripad, pripad);
        Soubory cekane = obsah(slozka);
        if (!pripad.vystup.isEmpty())
            cekane[pripad.vystup] = pripad.bajty;
        const Beh beh = spust(slozka, pripad.prikaz, pripad.limit, pripad.kam);
        // An output expected without its line break is how the output begins.
        const bool zacatek = !pripad.ven.isEmpty() && !pripad.ven.endsWith(u'\n');
        QCOMPARE(zacatek ? beh.ven.left(pripad.ven.size()) : beh.ven, pripad.ven);
        QCOMPARE(beh.chyby, pripad.chyby);
        QCOMPARE(beh.kod, pripad.kod);
        QCOMPARE(obsah(slozka), cekane);
    }

    // The output option of every sub-command that writes in each of the four
    // forms its help gives.
    void volby_data() {
        QTest::addColumn<QString>("prikaz");
        for (const char *zaklad :
             {"obrazek A.DAT 1", "vyjmout A.DAT 6,1", "do-tiled A.DAT 1", "z-tiled mapy/0001.tmx"})
            for (const char *forma : {"-o V", "-oV", "--vystup V", "--vystup=V"})
                QTest::addRow("%s %s", zaklad, forma) << QString::fromUtf8(zaklad) + ' ' + forma;
    }
    void volby() {
        QFETCH(QString, prikaz);
        if (prikaz.startsWith(u"z-tiled"))
            QCOMPARE(spust(slozka, u"do-tiled A.DAT 1 -o mapy"_s).kod, 0);
        const Beh beh = spust(slozka, prikaz);
        QCOMPARE(beh.chyby, QString());
        QCOMPARE(beh.kod, 0);
        QVERIFY(QFileInfo::exists(cesta(u"V"_s)));
    }

    // z-tiled never appends onto a map or a tileset it reads, even one whose
    // length would pass for a room file.
    void zTiledNaSvujVstup() {
        QCOMPARE(spust(slozka, u"do-tiled A.DAT 1 -o mapy"_s).kod, 0);
        for (const QString &soubor : {u"mapy/0001.tmx"_s, u"mapy/vinula.tsx"_s}) {
            QByteArray data = precti(cesta(soubor));
            QVERIFY(uloz(cesta(soubor), data += QByteArray(650 - data.size() % 650, '\n')));
            const Beh beh = spust(slozka, "z-tiled mapy/0001.tmx --pripojit -o " + soubor);
            QCOMPARE(beh.chyby, "vinula-mistnosti: " + soubor +
                                    ": výstup je tentýž soubor jako zdroj, zdroj se nemění\n");
            QCOMPARE(beh.kod, 2);
            QCOMPARE(precti(cesta(soubor)), data);
        }
    }

    // The real git shows a room file's change as the changed lines of its
    // text: a food item turned wall, a cell given a code that is no item.
    void gitDiff() {
        QVERIFY(uloz(cesta(u".gitattributes"_s), "*.DAT diff=vinula\n") &&
                uloz(cesta(u"HRA.DAT"_s), zaznam("Sklep", {{0, 5, 1}, {3, 4, 100}})));
        const QString git = u"git init -q && git config diff.vinula.textconv \"$0 text\" && git "
                            "add . && git -c user.name=t -c user.email=t@t commit -qm a"_s;
        QCOMPARE(proces::spust(u"/bin/sh"_s, slozka, {u"-c"_s, git, VINULA_MISTNOSTI_PATH}).kod, 0);
        QVERIFY(uloz(cesta(u"HRA.DAT"_s), zaznam("Sklep", {{0, 5, 1}, {3, 4, 50}, {2, 2, 20}})));
        const Beh beh = proces::spust(u"git"_s, slozka, {u"diff"_s});
        QCOMPARE(beh.kod, 0);
        QStringList zmeny = beh.ven.split(u'\n').filter(QRegularExpression(u"^[-+](?![-+]{2})"_s));
        // Sorted: git may pair the unchanged empty rows either way.
        zmeny.sort();
        const QString tecky(26, u'.');
        QCOMPARE(zmeny,
                 (QStringList{"+...1" + tecky, "+..?." + tecky, u"+mimo katalog (2, 2): kód 20"_s,
                              "-...." + tecky, "-...a" + tecky}));
    }

    // The same list as JSON, compared as data with one written by hand; the
    // file name as it is, where a message shows it made safe.
    void json() {
        const Beh beh = spust(slozka, u"seznam --json A.DAT CHYBI\x1b.DAT"_s);
        QCOMPARE(beh.kod, 2);
        QCOMPARE(beh.chyby, u"vinula-mistnosti: CHYBI?.DAT: soubor neexistuje\n"_s);
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
        QCOMPARE(QJsonDocument::fromJson(beh.ven.toUtf8()), cekane);
        // Qt's reader takes raw control characters, strict readers do not:
        // the only ones are the line breaks before each room and bracket.
        QCOMPARE(beh.ven.count(u'\n'), 12);
        QVERIFY(std::none_of(beh.ven.begin(), beh.ven.end(),
                             [](QChar z) { return z.unicode() < 0x20 && z != u'\n'; }));
    }

    // One room is drawn as the editor's surface shows it after loading the
    // same room, pixel for pixel (room 7 holds all 256 codes). The sheet:
    // four rooms to a row at half size (300 × 200) on white, each with a
    // line of text beneath, 10 pixels apart and from the edges.
    void obrazek_data() {
        QTest::addColumn<int>("pocet"); // rooms in the file: A.DAT's, then one of all codes
        QTest::addColumn<QString>("volby");
        QTest::addColumn<QSize>("velikost");
        QTest::newRow("jeskyně") << 7 << "1" << QSize(600, 400);
        QTest::newRow("všech 256 kódů s mřížkou") << 7 << "7 --mrizka" << QSize(600, 400);
        QTest::newRow("arch 1") << 1 << "" << QSize(320, 240);
        QTest::newRow("arch 5") << 5 << "" << QSize(1250, 470);
    }
    void obrazek() {
        QFETCH(int, pocet);
        QFETCH(QString, volby);
        QFETCH(QSize, velikost);
        QByteArray vsechny = zaznam("");
        vinula::Mistnost m;
        for (int i = 0; i < 600; ++i)
            vsechny[50 + i] = char(i % 256), m.nastav(i / 20, i % 20, vinula::Kod(i));
        QVERIFY(uloz(cesta(u"B.DAT"_s), (souborA + vsechny).first(pocet * 650)));
        QCOMPARE(spust(slozka, "obrazek B.DAT -om.png " + volby).kod, 0);
        const QImage obraz = QImage(cesta(u"m.png"_s)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(obraz.size(), velikost);
        const auto barvy = [&obraz](QRect kde, QRgb barva) {
            QImage plna(kde.size(), QImage::Format_RGB32);
            plna.fill(barva);
            return obraz.copy(kde) == plna;
        };
        // Room 2, the empty one, second in the first row; nothing beside room 5.
        if (pocet == 5)
            QVERIFY(barvy({320, 10, 300, 200}, cekane::cerna) &&
                    barvy({320, 240, 930, 230}, 0xffffffff));
        if (volby.isEmpty())
            return;
        // Each code's picture in its cell, none for 2..49, the grid lines over them.
        if (volby.contains(u"--mrizka"))
            QCOMPARE(obraz, cekane::plocha(m, true));
        vinula::promenne = vinula::Promenne{};
        vinula::Editor editor;
        editor.Timer1->stop();
        if (volby.contains(u"--mrizka"))
            editor.mrizka->trigger();
        vinula::promenne.soubor_nacteni = cesta(u"B.DAT"_s);
        vinula::promenne.cislo_mistnosti = volby.section(u' ', 0, 0).toInt();
        vinula::promenne.pozadavek_nacteni = true;
        editor.Timer1_Timer();
        QVERIFY(!vinula::promenne.pozadavek_nacteni);
        QCOMPARE(obraz, editor.plocha->obraz());
    }
};

QTEST_MAIN(TestMistnosti)
#include "test_mistnosti.moc"
