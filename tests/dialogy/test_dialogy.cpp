#include "../cekane.h"
#include "../modalni.h"
#include "../soubor.h"
#include "dialogs/cislo.h"
#include "dialogs/nacteni.h"
#include "dialogs/pripona.h"
#include "dialogs/rozmisteni_krok.h"
#include "dialogs/seznamy.h"
#include "dialogs/zapsani.h"
#include "main/editor.h"
#include "room/promenne.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>

using namespace vinula;
Q_DECLARE_METATYPE(Mistnost)

// Each test runs in a fresh temporary folder made the current directory.
class TestDialogy : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    static QString cesta(const QString &nazev) { return QDir::current().filePath(nazev); }
    static QString nazev50(const char *nazev) { return QString(nazev).leftJustified(50); }
    // Files "name length, ..." cut from the rooms Jedna, Dva and Tri.
    static void zapis(const QString &soubory) {
        const QByteArray mistnosti =
            cekane::zaznam("Jedna") + cekane::zaznam("Dva") + cekane::zaznam("Tri");
        for (const QString &radek : soubory.split(", "))
            QVERIFY(uloz(cesta(radek.section(' ', 0, 0)),
                         mistnosti.left(radek.section(' ', 1).toInt())));
    }
    static QStringList soubory(QListView *seznam) {
        return qobject_cast<QStringListModel *>(seznam->model())->stringList();
    }
    static void klikni(QListView *seznam, const QString &nazev) {
        const QModelIndex i = seznam->model()->index(soubory(seznam).indexOf(nazev), 0);
        QVERIFY2(i.isValid(), qPrintable(nazev));
        QTest::mouseClick(seznam->viewport(), Qt::LeftButton, {}, seznam->visualRect(i).center());
    }
    static void otevriSlozku(QListWidget *seznam, const QString &nazev) {
        seznam->setCurrentItem(seznam->findItems(nazev, Qt::MatchExactly).value(0));
        QTest::keyClick(seznam, Qt::Key_Return);
    }
private slots:
    void init() {
        promenne = Promenne{};
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(dir_->path()));
        QVERIFY(QDir::current().mkdir("hra"));
    }
    void kontrola_data() {
        QTest::addColumn<Mistnost>("mistnost");
        QTest::addColumn<QString>("zprava"); // empty: the room passes, the save dialog opens
        const QString zadna = "Nenadefinována žádná vinula!";
        QTest::newRow("prazdna") << Mistnost() << zadna;
        QTest::newRow("dve vinuly bez jidla")
            << cekane::mistnost({{0, 0, 1}, {29, 19, 1}}) << "Nadefinována více než jedna vinula!";
        QTest::newRow("zed neni jidlo")
            << cekane::mistnost({{29, 19, 1}, {0, 0, 99}}) << "Nebylo definováno žádné jídlo!";
        QTest::newRow("okruh se nepocita")
            << cekane::mistnost({{-1, 0, 1}, {30, 5, 100}, {0, 20, 1}, {3, -1, 1}}) << zadna;
        QTest::newRow("rohy, kod nad katalogem")
            << cekane::mistnost({{0, 0, 1}, {29, 19, 255}}) << QString();
    }
    void kontrola() {
        QFETCH(Mistnost, mistnost);
        QFETCH(QString, zprava);
        Editor editor;
        editor.mistnost = mistnost;
        QString videno; // the title, and the text of a warning with a single OK
        QVERIFY(sModalnimOknem([&] { editor.ulozit_Click(); },
                               [&videno](QWidget *okno) {
                                   auto *box = qobject_cast<QMessageBox *>(okno);
                                   videno = okno->windowTitle();
                                   if (box && box->icon() == QMessageBox::Warning &&
                                       box->standardButtons() == QMessageBox::Ok)
                                       videno += " | " + box->text();
                                   okno->close();
                               }));
        QCOMPARE(videno, zprava.isEmpty() ? "Uložení místnosti na disk"
                                          : "Chybně definovaná místnost | " + zprava);
    }
    void zapsani_data() {
        QTest::addColumn<QString>("soubor"); // clicked when listed, else typed
        QTest::addColumn<QString>("nazev");  // in Text2 then
        QTest::addColumn<bool>("ulozi");     // whether OK saves
        const auto radek = [](const char *soubor, const QString &nazev, bool ulozi) {
            QTest::newRow(soubor) << QString(soubor) << nazev << ulozi;
        };
        radek("a.dat", nazev50("Jedna"), true); // 650 bytes
        radek("B.DAT", "aktualni", true);       // 1300 bytes
        radek("C.Dat", "", true);
        radek("LEVELS", "jine", true);
        radek("hra/ROOMS.DAT", "jine", true);
        radek("", "jine", false);
        radek("hra", "jine", false);
    }
    void zapsani() {
        QFETCH(QString, soubor);
        QFETCH(QString, nazev);
        QFETCH(bool, ulozi);
        zapis("a.dat 650, B.DAT 1300, C.Dat 650");
        promenne.nazev_mistnosti = "aktualni";
        Zapsani dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.Text2->setText("jine");
        if (soubor.contains('/'))
            otevriSlozku(dialog.Dir1, soubor.section('/', 0, 0));
        const QString jmeno = soubor.section('/', -1);
        soubory(dialog.File1).contains(jmeno) ? klikni(dialog.File1, jmeno)
                                              : dialog.Text1->setText(jmeno);
        QCOMPARE(dialog.Text1->text(), jmeno);
        QCOMPARE(dialog.Text2->text(), nazev);
        QTest::keyClick(dialog.Text1, Qt::Key_Return); // Enter does not save
        QTest::keyClick(dialog.Text1, Qt::Key_Escape); // nor does Esc cancel
        QVERIFY(dialog.isVisible() && !promenne.pozadavek_zapsani);
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
        QCOMPARE(dialog.isVisible(), !ulozi);
        QCOMPARE(promenne.pozadavek_zapsani, ulozi);
        QCOMPARE(promenne.soubor_zapsani, ulozi ? cesta(soubor) : QString());
        QCOMPARE(promenne.nazev_mistnosti, ulozi ? nazev : "aktualni");
        promenne.pozadavek_zapsani = true; // Cancel closes and leaves no request
        dialog.Command2->click();
        QVERIFY(!dialog.isVisible() && !promenne.pozadavek_zapsani);
    }
    void cisla_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pole");   // what a placement box reads; "-": nothing
        QTest::addColumn<bool>("pozadavek"); // whether the count box asks for a placement
        QTest::addColumn<int>("mistnost");   // the room of `pocet` the load dialog takes; 0: none
        QTest::addColumn<qint64>("pocet");
        struct Radek {
            const char *text, *pole;
            bool pozadavek;
            int mistnost;
            qint64 pocet = 20;
        };
        const Radek radky[] = {{"", "0", false, 0},
                               {" \t7\n", "7", true, 7},
                               {"+7", "7", true, 7},
                               {"-7", "-7", false, 0},
                               {"0.5", "0.5", true, 0},
                               {".5", "0.5", true, 0},
                               {"7.", "7", true, 7},
                               {"2.5", "2.5", true, 0},
                               {"0.2E+2", "20", true, 20},
                               {"21", "21", true, 0},
                               {"1e400", "inf", true, 0},
                               {"1e-400", "0", false, 0},
                               {"1,5", "-", false, 1},
                               {"7x", "-", false, 7},
                               {"x7", "-", false, 0},
                               {"1 2", "-", false, 12},
                               {"0x10", "-", false, 0},
                               {"inf", "-", false, 0},
                               {"1e", "-", false, 1},
                               {".", "-", false, 0},
                               {"\u0667", "-", false, 0},
                               {"1e9", "1e+09", true, 1'000'000'000, 10'000'000'000},
                               {"2147483648", "2.14748e+09", true, 0, 10'000'000'000}};
        for (const Radek &r : radky)
            QTest::addRow("'%s'", r.text)
                << QString(r.text) << QString(r.pole) << r.pozadavek << r.mistnost << r.pocet;
    }
    // A placement box takes the whole text as a number or nothing (ASCII, ".", blanks around);
    // a count above 0 asks; the load dialog's room is the leading number, blanks skipped.
    void cisla() {
        QFETCH(QString, text);
        QFETCH(QString, pole);
        QFETCH(bool, pozadavek);
        QFETCH(int, mistnost);
        QFETCH(qint64, pocet);
        const std::optional<double> n = cisloCelehoPole(text);
        QCOMPARE(n ? QString::number(*n) : "-", pole);
        QCOMPARE(pocetRozmisteni(text).has_value(), pozadavek);
        QCOMPARE(zvolenaMistnost(text, pocet).value_or(0), mistnost);
    }
    // A room file by its name: the last three characters exactly "DAT" or "dat".
    void pripona() {
        const std::pair<const char *, bool> radky[] = {
            {"rooms.dat", true},  {"DAT", true},        {"xdat", true},        {"AT", false},
            {"ROOMS.Dat", false}, {"ROOMS.daT", false}, {"ROOMS.DAT ", false}, {"DAT.txt", false}};
        for (const auto &[nazev, dat] : radky)
            QVERIFY2(pripona_dat(QString(nazev)) == dat, nazev);
    }
    void nacteni_data() {
        QTest::addColumn<QString>("text"); // typed before the clicks
        QTest::addColumn<QStringList>("kliky");
        // What the file clicked last holds at OK; null: as it was.
        QTest::addColumn<QByteArray>("ted");
        QTest::addColumn<QString>("pocet"); // Label4 after OK
        QTest::addColumn<QString>("nazev"); // popisek after OK, less the padding
        QTest::addColumn<int>("cislo");     // the room OK loads; 0: none
        const auto radek = [](const char *tag, const char *text, const QStringList &kliky,
                              const QByteArray &ted, const char *pocet, const char *nazev,
                              int cislo) {
            QTest::newRow(tag) << QString(text) << kliky << ted << QString(pocet) << QString(nazev)
                               << cislo;
        };
        const QByteArray dve = cekane::zaznam("Jedna") + cekane::zaznam("Dva");
        const QByteArray tri = dve + cekane::zaznam("Tri");
        const QStringList rooms{"ROOMS.DAT"};
        radek("3", "3", rooms, {}, "3", "Tri", 3);
        radek("pred klikem", "1", {}, {}, "", "", 0);
        radek("0 B", "1", {"E.DAT"}, {}, "0", "", 0);
        radek("po dobrem 1000 B", "1", {"ROOMS.DAT", "B.DAT"}, {}, "", "", 0);
        radek("Dat", "1", {"ROOMS.DAT", "ROOMS.Dat"}, {}, "", "", 0);
        radek("jina slozka", "1", {"ROOMS.DAT", "hra"}, {}, "", "", 0);
        radek("v podslozce", "2", {"hra", "ROOMS.DAT"}, {}, "3", "Dva", 2);
        // Another program changes the file between the click and OK.
        radek("room appended", "3", rooms, tri + cekane::zaznam("Ctyri"), "4", "Tri", 3);
        radek("room 3 replaced", "3", rooms, dve + cekane::zaznam("Jina"), "3", "Jina", 0);
        radek("cut to 2 rooms", "3", rooms, dve, "2", "", 0);
        radek("half a room appended", "3", rooms, tri + QByteArray(325, 'x'), "", "", 0);
        radek("half a room completed", "2", {"B.DAT"}, dve, "2", "Dva", 0);
    }
    // OK reads the file again: the room loads only if still there under the name shown; else the
    // labels show the file as it is now, and a second OK takes that.
    void nacteni() {
        QFETCH(QString, text);
        QFETCH(QStringList, kliky);
        QFETCH(QByteArray, ted);
        QFETCH(QString, pocet);
        QFETCH(QString, nazev);
        QFETCH(int, cislo);
        const QString cely = nazev.isEmpty() ? QString() : nazev50(qPrintable(nazev));
        zapis("ROOMS.DAT 1950, ROOMS.Dat 1950, hra/ROOMS.DAT 1950, E.DAT 0, B.DAT 1000");
        promenne.soubor_nacteni = cesta("ROOMS.DAT"); // left from an earlier load
        Nacteni dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.Text1->setText(text);
        for (const QString &klik : kliky) {
            klik == "hra" ? otevriSlozku(dialog.Dir1, klik) : klikni(dialog.File1, klik);
            if (klik != kliky.first())
                continue;
            dialog.Text1->clear(); // each keystroke checks the number again
            QVERIFY(dialog.popisek->text().isEmpty());
            QTest::keyClicks(dialog.Text1, text);
        }
        QTest::keyClick(dialog.Text1, Qt::Key_Escape); // not the cancel key here
        const QString soubor =
            QDir(dialog.seznamy->cesta()).filePath(kliky.value(kliky.size() - 1));
        QVERIFY(ted.isNull() || uloz(soubor, ted));
        dialog.Command1->click();
        QCOMPARE(dialog.Label4->text(), pocet);
        QCOMPARE(dialog.popisek->text(), cely);
        QCOMPARE(dialog.isVisible(), cislo == 0);
        QCOMPARE(promenne.pozadavek_nacteni, cislo != 0);
        if (!cislo && !nazev.isEmpty()) // OK on what the labels show now
            dialog.Command1->click();
        QCOMPARE(promenne.pozadavek_nacteni, !nazev.isEmpty());
        QCOMPARE(promenne.nazev_mistnosti, cely);
        if (!nazev.isEmpty())
            QCOMPARE(promenne.soubor_nacteni, soubor);
        if (cislo)
            QCOMPARE(promenne.cislo_mistnosti, cislo);
        promenne.pozadavek_nacteni = true; // Cancel closes and leaves no request
        dialog.Command2->click();
        QVERIFY(!dialog.isVisible() && !promenne.pozadavek_nacteni);
        Zapsani dalsi; // proposes the file and room loaded
        QCOMPARE(dalsi.Text1->text(), nazev.isEmpty() ? "" : kliky.last());
        QCOMPARE(dalsi.Text2->text(), cely);
    }
    // Files sorted whatever the case, folders, none hidden; a keyboard move is a file click. Room
    // names from other people's files show as their characters, not as markup.
    void seznamSouboru() {
        zapis("b.dat 1, A.DAT 1, .skryty 1, C.txt 1");
        QVERIFY(uloz(cesta("ZNACKY.DAT"), cekane::zaznam("<b>Tu\xe8n\xec</b>")));
        QVERIFY(QDir::current().mkdir(".skryta"));
        Nacteni okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(soubory(okno.File1), (QStringList{"A.DAT", "b.dat", "C.txt", "ZNACKY.DAT"}));
        QVERIFY(okno.Dir1->findItems(".skryta", Qt::MatchExactly).isEmpty());
        QCOMPARE(okno.Dir1->findItems("hra", Qt::MatchExactly).size(), 1);
        QSignalSpy kliky(okno.seznamy, &Seznamy::souborKliknut);
        klikni(okno.File1, "b.dat");
        klikni(okno.File1, "b.dat"); // the selected entry again: a click too
        QTest::keyClick(okno.File1, Qt::Key_Down);
        QTest::keyClick(okno.File1, Qt::Key_End);
        QTest::keyClick(okno.File1, Qt::Key_Down); // already the last entry
        QCOMPARE(QList<QVariantList>(kliky),
                 (QList<QVariantList>{{"b.dat"}, {"b.dat"}, {"C.txt"}, {"ZNACKY.DAT"}}));
        QLabel prosty(QString("<b>Tučně</b>").leftJustified(50));
        prosty.setTextFormat(Qt::PlainText);
        prosty.setAlignment(okno.popisek->alignment());
        prosty.setFont(okno.popisek->font());
        prosty.resize(okno.popisek->size());
        QCOMPARE(okno.popisek->text(), prosty.text());
        const auto obraz = [](QWidget *w) {
            return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        QCOMPARE(obraz(okno.popisek), obraz(&prosty));
    }
};

QTEST_MAIN(TestDialogy)
#include "test_dialogy.moc"
