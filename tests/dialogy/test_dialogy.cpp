#include "../cekane.h"
#include "../modalni.h"
#include "dialogs/cislo.h"
#include "dialogs/nacteni.h"
#include "dialogs/pripona.h"
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
#include <atomic>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
        for (const QString &radek : soubory.split(", ")) {
            QFile f(cesta(radek.section(' ', 0, 0)));
            const QByteArray data = mistnosti.left(radek.section(' ', 1).toInt());
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(data) == data.size());
        }
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
        const auto zavri = [&videno](QWidget *okno) {
            auto *box = qobject_cast<QMessageBox *>(okno);
            videno = okno->windowTitle();
            if (box && box->icon() == QMessageBox::Warning &&
                box->standardButtons() == QMessageBox::Ok)
                videno += " | " + box->text();
            okno->close();
        };
        QVERIFY(sModalnimOknem([&] { editor.ulozit_Click(); }, zavri));
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

    void cisloMistnosti_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("pocet"); // rooms in the file
        QTest::addColumn<int>("cislo");    // the room chosen; 0: none
        // The last is a fullwidth 2.
        const std::tuple<const char *, qint64, int> radky[] = {
            {"\t2\n", 3, 2}, {"1 2", 20, 12}, {"+2", 3, 2},    {"-2", 3, 0}, {"0", 3, 0},
            {"2.0", 3, 2},   {"2.5", 3, 0},   {"0.2e1", 3, 2}, {"2e", 3, 2}, {"2,9", 3, 2},
            {"abc", 3, 0},   {"0x2", 3, 0},   {"\uff12", 3, 0}};
        for (const auto &[text, pocet, cislo] : radky)
            QTest::addRow("'%s' of %lld", text, pocet) << QString(text) << pocet << cislo;
        QTest::newRow("1e9") << "1e9" << 10'000'000'000LL << 1'000'000'000;
        QTest::newRow("2^31") << "2147483648" << 10'000'000'000LL << 0;
    }
    // The room number is the number the text starts with: blanks anywhere are skipped, ASCII
    // digits only, "." the decimal point; it must be a whole room of the file.
    void cisloMistnosti() {
        QFETCH(QString, text);
        QFETCH(qint64, pocet);
        QFETCH(int, cislo);
        QCOMPARE(zvolenaMistnost(text, pocet).value_or(0), cislo);
    }

    void pripona_data() {
        QTest::addColumn<QString>("nazev");
        QTest::addColumn<bool>("dat");
        const std::pair<const char *, bool> radky[] = {
            {"ROOMS.DAT", true},  {"rooms.dat", true},   {"DAT", true},
            {"xdat", true},       {"/hra/.DAT", true},   {"AT", false},
            {"", false},          {"ROOMS.Dat", false},  {"ROOMS.DAt", false},
            {"ROOMS.daT", false}, {"ROOMS.DAT ", false}, {"ROOMS.DATA", false},
            {"DAT.txt", false}};
        for (const auto &[nazev, dat] : radky)
            QTest::addRow("'%s'", nazev) << QString(nazev) << dat;
    }
    // A room file by its name: the last three characters exactly "DAT" or "dat".
    void pripona() {
        QFETCH(QString, nazev);
        QFETCH(bool, dat);
        QCOMPARE(pripona_dat(nazev), dat);
    }

    void nacteni_data() {
        QTest::addColumn<QString>("text"); // typed before the clicks
        QTest::addColumn<QStringList>("kliky");
        QTest::addColumn<QString>("pocet"); // Label4
        QTest::addColumn<int>("cislo");     // the room loaded; 0: OK does nothing
        const QStringList rooms{"ROOMS.DAT"};
        QTest::newRow("3") << "3" << rooms << "3" << 3;
        QTest::newRow("za poctem") << "4" << rooms << "3" << 0;
        QTest::newRow("2abc") << "2abc" << rooms << "3" << 2;
        QTest::newRow("prázdné") << "" << rooms << "3" << 0;
        QTest::newRow("pred klikem") << "1" << QStringList() << "" << 0;
        QTest::newRow("0 B") << "1" << QStringList{"E.DAT"} << "0" << 0;
        QTest::newRow("po dobrem 1000 B") << "1" << QStringList{"ROOMS.DAT", "B.DAT"} << "" << 0;
        QTest::newRow("Dat") << "1" << QStringList{"ROOMS.DAT", "ROOMS.Dat"} << "" << 0;
        QTest::newRow("jina slozka") << "1" << QStringList{"ROOMS.DAT", "hra"} << "" << 0;
        QTest::newRow("v podslozce") << "2" << QStringList{"hra", "ROOMS.DAT"} << "3" << 2;
    }
    void nacteni() {
        QFETCH(QString, text);
        QFETCH(QStringList, kliky);
        QFETCH(QString, pocet);
        QFETCH(int, cislo);
        const QString nazev = cislo ? nazev50(QList{"", "Jedna", "Dva", "Tri"}[cislo]) : "";
        zapis("ROOMS.DAT 1950, ROOMS.Dat 1950, hra/ROOMS.DAT 1950, E.DAT 0, B.DAT 1000");
        promenne.soubor_nacteni = cesta("ROOMS.DAT"); // left from an earlier load
        Nacteni dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.Text1->setText(text);
        for (const QString &klik : kliky)
            klik == "hra" ? otevriSlozku(dialog.Dir1, klik) : klikni(dialog.File1, klik);
        QCOMPARE(dialog.Label4->text(), pocet);
        QCOMPARE(dialog.popisek->text(), nazev);
        dialog.Text1->clear(); // each keystroke checks the number again
        QVERIFY(dialog.popisek->text().isEmpty());
        QTest::keyClicks(dialog.Text1, text);
        QTest::keyClick(dialog.Text1, Qt::Key_Escape); // not the cancel key here
        QVERIFY(dialog.isVisible());
        dialog.Command1->click();
        QCOMPARE(dialog.isVisible(), cislo == 0);
        QCOMPARE(promenne.pozadavek_nacteni, cislo != 0);
        QCOMPARE(promenne.cislo_mistnosti, cislo);
        QCOMPARE(promenne.nazev_mistnosti, nazev);
        if (cislo)
            QCOMPARE(promenne.soubor_nacteni, QDir(dialog.seznamy->cesta()).filePath("ROOMS.DAT"));
        promenne.pozadavek_nacteni = true; // Cancel closes and leaves no request
        dialog.Command2->click();
        QVERIFY(!dialog.isVisible() && !promenne.pozadavek_nacteni);
        Zapsani dalsi; // proposes the file and room loaded
        QCOMPARE(dalsi.Text1->text(), cislo ? "ROOMS.DAT" : "");
        QCOMPARE(dalsi.Text2->text(), nazev);
    }

    void zmenaSouboru_data() {
        QTest::addColumn<int>("pred");       // bytes of the rooms Jedna, Dva, Tri at the click
        QTest::addColumn<QByteArray>("ted"); // what the file holds at OK
        QTest::addColumn<QString>("pocet");  // Label4 after OK
        QTest::addColumn<QString>("nazev");  // popisek after OK, less the padding
        QTest::addColumn<bool>("nacte");     // whether OK asks for room 3
        const auto radek = [](const char *tag, int pred, const QByteArray &ted, const char *pocet,
                              const char *nazev, bool nacte) {
            QTest::newRow(tag) << pred << ted << QString(pocet) << QString(nazev) << nacte;
        };
        const QByteArray dve = cekane::zaznam("Jedna") + cekane::zaznam("Dva");
        const QByteArray tri = dve + cekane::zaznam("Tri");
        radek("room appended", 1950, tri + cekane::zaznam("Ctyri"), "4", "Tri", true);
        radek("room 3 replaced", 1950, dve + cekane::zaznam("Jina"), "3", "Jina", false);
        radek("cut to 2 rooms", 1950, dve, "2", "", false);
        radek("half a room appended", 1950, tri + QByteArray(325, 'x'), "", "", false);
        radek("half a room completed", 1625, tri, "3", "Tri", false);
    }
    // OK reads the file again, which another program may have changed since it was clicked: the
    // room is loaded when it is still there under the name shown; otherwise the labels show what
    // the file holds now and OK does nothing, until it is clicked on what they show.
    void zmenaSouboru() {
        QFETCH(int, pred);
        QFETCH(QByteArray, ted);
        QFETCH(QString, pocet);
        QFETCH(QString, nazev);
        QFETCH(bool, nacte);
        zapis("ROOMS.DAT " + QString::number(pred));
        Nacteni dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        klikni(dialog.File1, "ROOMS.DAT");
        dialog.Text1->setText("3");
        QFile soubor(cesta("ROOMS.DAT"));
        QVERIFY(soubor.open(QIODevice::WriteOnly) && soubor.write(ted) == ted.size());
        soubor.close();
        dialog.Command1->click();
        QCOMPARE(dialog.Label4->text(), pocet);
        QCOMPARE(dialog.popisek->text(), nazev.isEmpty() ? "" : nazev50(qPrintable(nazev)));
        QCOMPARE(promenne.pozadavek_nacteni, nacte);
        if (!nacte && !nazev.isEmpty())
            dialog.Command1->click();
        QCOMPARE(promenne.pozadavek_nacteni, !nazev.isEmpty());
        QCOMPARE(promenne.nazev_mistnosti, nazev.isEmpty() ? "" : nazev50(qPrintable(nazev)));
    }

#ifdef Q_OS_UNIX
    void znackyVNazvu_data() {
        QTest::addColumn<int>("cislo");
        QTest::newRow("bold") << 1;
        QTest::newRow("an image read from a FIFO") << 2;
    }
    // Room names come from other people's files and show as the characters they hold: in bold
    // they would look different; an image would be read from the file it names, here a FIFO
    // whose reader waits for a writer (a watcher plays one, and tells).
    void znackyVNazvu() {
        QFETCH(int, cislo);
        const QStringList nazvy{"<b>Tučně</b>", "<img src=\"" + cesta("roura") + "\">"};
        const QByteArray roura = QFile::encodeName(cesta("roura"));
        QCOMPARE(mkfifo(roura.constData(), 0600), 0);
        const QByteArray data =
            cekane::zaznam("<b>Tu\xe8n\xec</b>") + cekane::zaznam("<img src=\"" + roura + "\">");
        QFile soubor(cesta("ZNACKY.DAT"));
        QVERIFY(soubor.open(QIODevice::WriteOnly) && soubor.write(data) == data.size());
        soubor.close();
        std::atomic<bool> cteno = false;
        const std::jthread hlidac([&](std::stop_token konec) {
            while (!konec.stop_requested()) {
                if (const int fd = open(roura.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                    cteno = true;
                    close(fd);
                }
                usleep(1000);
            }
        });
        Nacteni dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        klikni(dialog.File1, "ZNACKY.DAT");
        dialog.Text1->setText(QString::number(cislo));
        QLabel prosty(nazvy[cislo - 1].leftJustified(50));
        prosty.setTextFormat(Qt::PlainText);
        prosty.setAlignment(dialog.popisek->alignment());
        prosty.setFont(dialog.popisek->font());
        prosty.resize(dialog.popisek->size());
        QCOMPARE(dialog.popisek->text(), prosty.text());
        const auto obraz = [](QWidget *w) {
            return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage videno = obraz(dialog.popisek);
        QVERIFY(!cteno);
        QCOMPARE(videno, obraz(&prosty));
    }
#endif

    // All files sorted whatever the case, and the folders, but not the hidden ones; a keyboard
    // move is a file click.
    void seznamSouboru() {
        zapis("b.dat 1, A.DAT 1, .skryty 1, C.txt 1, D.DAT 1");
        QVERIFY(QDir::current().mkdir(".skryta"));
        Zapsani okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(soubory(okno.File1), (QStringList{"A.DAT", "b.dat", "C.txt", "D.DAT"}));
        QVERIFY(okno.Dir1->findItems(".skryta", Qt::MatchExactly).isEmpty());
        QCOMPARE(okno.Dir1->findItems("hra", Qt::MatchExactly).size(), 1);
        QSignalSpy kliky(okno.seznamy, &Seznamy::souborKliknut);
        klikni(okno.File1, "b.dat");
        klikni(okno.File1, "b.dat"); // the selected entry again: a click too
        QTest::keyClick(okno.File1, Qt::Key_Down);
        QTest::keyClick(okno.File1, Qt::Key_End);
        QTest::keyClick(okno.File1, Qt::Key_Down); // already the last entry
        QCOMPARE(QList<QVariantList>(kliky),
                 (QList<QVariantList>{{"b.dat"}, {"b.dat"}, {"C.txt"}, {"D.DAT"}}));
    }
};

QTEST_MAIN(TestDialogy)
#include "test_dialogy.moc"
