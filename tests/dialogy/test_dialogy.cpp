#include "../modalni.h"
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

// The room check, the save and load dialogs and their file lists, each test in
// a fresh temporary folder made the current directory.
class TestDialogy : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    QString tady_;
    QString cesta(const QString &nazev) const { return QDir(tady_).filePath(nazev); }
    static QString nazev50(const char *nazev) { return QString(nazev).leftJustified(50, u' '); }
    // Files ("name length, ...") cut from three 650-byte rooms: a name of 50
    // characters, then 600 cells.
    void zapis(const QString &soubory) {
        QByteArray mistnosti;
        for (const char *nazev : {"Jedna", "Dva", "Tri"})
            mistnosti += nazev50(nazev).toLatin1() + QByteArray(600, 0);
        for (const QString &radek : soubory.split(", ")) {
            const int delka = radek.section(' ', 1).toInt();
            QFile f(cesta(radek.section(' ', 0, 0)));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(mistnosti.left(delka)) == delka);
        }
    }

    static QStringList soubory(QListView *seznam) {
        return qobject_cast<QStringListModel *>(seznam->model())->stringList();
    }
    // A mouse click on an entry of a file list, as a user makes it.
    static void klikni(QListView *seznam, const QString &nazev) {
        const QModelIndex i = seznam->model()->index(soubory(seznam).indexOf(nazev), 0);
        QVERIFY2(i.isValid(), qPrintable(nazev));
        QTest::mouseClick(seznam->viewport(), Qt::LeftButton, {}, seznam->visualRect(i).center());
    }
    // Enter on a subfolder's entry in the directory list, as a user opens it.
    static void otevriSlozku(QListWidget *seznam, const QString &nazev) {
        seznam->setCurrentItem(seznam->findItems(nazev, Qt::MatchExactly).value(0));
        QTest::keyClick(seznam, Qt::Key_Return);
    }
private slots:
    void init() {
        promenne = Promenne{};
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(dir_->path()));
        tady_ = QDir::currentPath();
        QVERIFY(QDir(tady_).mkdir("hra"));
    }

    void kontrola_data() {
        QTest::addColumn<QString>("bunky");  // x,y,code ...
        QTest::addColumn<QString>("zprava"); // empty: the room passes, the save dialog opens
        const QString zadna = "Nenadefinována žádná vinula!";
        const QString vice = "Nadefinována více než jedna vinula!";
        const QString jidlo = "Nebylo definováno žádné jídlo!";
        QTest::newRow("prazdna") << QString() << zadna;
        QTest::newRow("jen jidlo") << QString("29,19,100") << zadna;
        QTest::newRow("dve vinuly bez jidla") << QString("0,0,1 29,19,1") << vice;
        QTest::newRow("dve vinuly s jidlem") << QString("0,19,1 29,0,1 5,5,162") << vice;
        QTest::newRow("zed neni jidlo") << QString("29,19,1 0,0,99") << jidlo;
        QTest::newRow("okruh se nepocita") << QString("-1,0,1 30,5,100 0,20,1 3,-1,1") << zadna;
        QTest::newRow("na krajich") << QString("0,19,1 0,0,100 29,0,162 29,19,120") << QString();
        QTest::newRow("kod nad katalogem je jidlo") << QString("0,3,1 9,9,255") << QString();
    }
    void kontrola() {
        QFETCH(QString, bunky);
        QFETCH(QString, zprava);
        Editor editor;
        const QStringList c = bunky.replace(' ', ',').split(',', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i + 2 < c.size(); i += 3)
            editor.mistnost.nastav(c[i].toInt(), c[i + 1].toInt(), Kod(c[i + 2].toInt()));
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
        QTest::addColumn<QString>("cil");    // saved to; empty: OK does nothing
        const auto radek = [](const char *soubor, const QString &nazev, const char *cil) {
            QTest::newRow(soubor) << QString(soubor) << nazev << QString(cil);
        };
        radek("A.DAT", nazev50("Jedna"), "A.DAT"); // 650 bytes
        radek("B.DAT", "aktualni", "B.DAT");       // 1300 bytes
        radek("E.DAT", "aktualni", "E.DAT");       // 651 bytes
        radek("C.Dat", "", "C.Dat");
        radek("NOTES.TXT", "", "NOTES.TXT");
        radek("Z.DAT", "", "Z.DAT"); // gone before the click
        radek("LEVELS", "jine", "LEVELS");
        radek("hra/ROOMS.DAT", "jine", "hra/ROOMS.DAT");
        radek("", "jine", "");
        radek("hra", "jine", "");
        radek("hra/..", "jine", "");
    }
    void zapsani() {
        QFETCH(QString, soubor);
        QFETCH(QString, nazev);
        QFETCH(QString, cil);
        zapis("A.DAT 650, B.DAT 1300, E.DAT 651, C.Dat 650, NOTES.TXT 650, Z.DAT 650");
        promenne.nazev_mistnosti = "aktualni";
        Zapsani dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(QFile::remove(cesta("Z.DAT")));
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
        QCOMPARE(dialog.isVisible(), cil.isEmpty());
        QCOMPARE(promenne.pozadavek_zapsani, !cil.isEmpty());
        QCOMPARE(promenne.soubor_zapsani, cil.isEmpty() ? QString() : cesta(cil));
        QCOMPARE(promenne.nazev_mistnosti, cil.isEmpty() ? "aktualni" : nazev);
        promenne.pozadavek_zapsani = true; // Cancel closes and leaves no request
        dialog.Command2->click();
        QVERIFY(!dialog.isVisible() && !promenne.pozadavek_zapsani);
    }

    void nacteni_data() {
        QTest::addColumn<QString>("text"); // typed before the clicks
        QTest::addColumn<QStringList>("kliky");
        QTest::addColumn<QString>("pocet"); // Label4
        QTest::addColumn<QString>("nazev"); // popisek; empty: no valid choice
        QTest::addColumn<int>("cislo");     // the room loaded; 0: OK does nothing
        const auto radek = [](const char *tag, const char *text, const QStringList &kliky,
                              const char *pocet, const char *nazev = "", int cislo = 0) {
            QTest::newRow(tag) << QString(text) << kliky << QString(pocet)
                               << (cislo ? nazev50(nazev) : QString()) << cislo;
        };
        radek("3", "3", {"ROOMS.DAT"}, "3", "Tri", 3);
        radek("4", "4", {"ROOMS.DAT"}, "3");
        radek("2abc", "2abc", {"ROOMS.DAT"}, "3", "Dva", 2);
        radek(" 2.0", " 2.0", {"ROOMS.DAT"}, "3", "Dva", 2);
        for (const char *spatne : {"abc", "0", "-1", "", "1.5"})
            radek(qPrintable(QString("'%1'").arg(spatne)), spatne, {"ROOMS.DAT"}, "3");
        radek("pred klikem", "1", {}, "");
        radek("0 B", "1", {"E.DAT"}, "0");
        radek("po dobrem 1000 B", "1", {"ROOMS.DAT", "B.DAT"}, "");
        radek("1000 B, pak dobry", "2", {"B.DAT", "ROOMS.DAT"}, "3", "Dva", 2);
        radek("Dat", "1", {"ROOMS.DAT", "ROOMS.Dat"}, "");
        radek("smazany", "1", {"Z.DAT"}, "");
        radek("jina slozka", "1", {"ROOMS.DAT", "hra"}, "");
        radek("v podslozce", "2", {"hra", "ROOMS.DAT"}, "3", "Dva", 2);
    }
    void nacteni() {
        QFETCH(QString, text);
        QFETCH(QStringList, kliky);
        QFETCH(QString, pocet);
        QFETCH(QString, nazev);
        QFETCH(int, cislo);
        zapis(
            "ROOMS.DAT 1950, ROOMS.Dat 1950, Z.DAT 1950, hra/ROOMS.DAT 1950, E.DAT 0, B.DAT 1000");
        promenne.soubor_nacteni = cesta("ROOMS.DAT"); // left from an earlier load
        Nacteni dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(QFile::remove(cesta("Z.DAT")));
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
        // The next save proposes the file and room loaded.
        Zapsani dalsi;
        QCOMPARE(dalsi.Text1->text(), cislo ? "ROOMS.DAT" : "");
        QCOMPARE(dalsi.Text2->text(), nazev);
    }

#ifdef Q_OS_UNIX
    void znackyVNazvu_data() {
        QTest::addColumn<int>("cislo");
        QTest::newRow("bold") << 1;
        QTest::newRow("an image read from a FIFO") << 2;
    }
    // Room names come from other people's files: one holding markup shows as the characters it
    // holds. Set in bold it would look different from them; an image would be read from the
    // file it names, here a FIFO whose reader waits for a writer (a watcher plays one, and
    // tells).
    void znackyVNazvu() {
        QFETCH(int, cislo);
        const QString roura = cesta("roura");
        const QByteArray rouraB = QFile::encodeName(roura);
        QCOMPARE(mkfifo(rouraB.constData(), 0600), 0);
        const QString nazev =
            QStringList{"<b>Tučně</b>", "<img src=\"" + roura + "\">"}[cislo - 1].leftJustified(50);
        const QByteArray data =
            QByteArray("<b>Tu\xe8n\xec</b>").leftJustified(50) + QByteArray(600, 0) +
            ("<img src=\"" + rouraB + "\">").leftJustified(50) + QByteArray(600, 0);
        QFile soubor(cesta("ZNACKY.DAT"));
        QVERIFY(soubor.open(QIODevice::WriteOnly) && soubor.write(data) == data.size());
        soubor.close();
        std::atomic<bool> cteno = false;
        const std::jthread hlidac([&](std::stop_token konec) {
            while (!konec.stop_requested()) {
                if (const int fd = open(rouraB.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
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
        QCOMPARE(dialog.popisek->text(), nazev);
        QLabel prosty(nazev);
        prosty.setTextFormat(Qt::PlainText);
        prosty.setAlignment(dialog.popisek->alignment());
        prosty.setFont(dialog.popisek->font());
        prosty.resize(dialog.popisek->size());
        const auto obraz = [](QWidget *w) {
            return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage videno = obraz(dialog.popisek);
        QVERIFY(!cteno);
        QCOMPARE(videno, obraz(&prosty));
    }
#endif

    void priponaDat_data() {
        QTest::addColumn<QString>("nazev");
        QTest::addColumn<bool>("dat");
        for (const char *dat : {"ROOMS.DAT", "rooms.dat", "ROOMSDAT", "DAT", "/x/LEVELS.dat"})
            QTest::newRow(dat) << QString(dat) << true;
        for (const char *jina : {"ROOMS.Dat", "x.daT", "AT", "", "ROOMS.DAT~", "/DAT/x.txt"})
            QTest::addRow("'%s'", jina) << QString(jina) << false;
    }
    void priponaDat() {
        QFETCH(QString, nazev);
        QFETCH(bool, dat);
        QCOMPARE(pripona_dat(nazev), dat);
    }

    // All files, hidden too, sorted whatever the case; a keyboard move is a file click.
    void seznamSouboru() {
        zapis("b.dat 1, A.DAT 1, .skryty 1, C.txt 1");
        for (int i = 9999; i >= 0; --i)
            zapis(QString("R%1.DAT 0").arg(i, 5, 10, QLatin1Char('0')));
        Zapsani okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(okno.seznamy->cesta(), tady_);
        const QStringList nazvy = soubory(okno.File1);
        QCOMPARE(nazvy.size(), 10004);
        QCOMPARE(nazvy.first(5), (QStringList{".skryty", "A.DAT", "b.dat", "C.txt", "R00000.DAT"}));
        QCOMPARE(nazvy.last(), "R09999.DAT");
        QSignalSpy kliky(okno.seznamy, &Seznamy::souborKliknut);
        klikni(okno.File1, "b.dat");
        klikni(okno.File1, "b.dat"); // the selected entry again: a click too
        QTest::keyClick(okno.File1, Qt::Key_Down);
        QTest::keyClick(okno.File1, Qt::Key_End);
        QTest::keyClick(okno.File1, Qt::Key_Down); // already the last entry
        QCOMPARE(QList<QVariantList>(kliky),
                 (QList<QVariantList>{{"b.dat"}, {"b.dat"}, {"C.txt"}, {"R09999.DAT"}}));
        QCOMPARE(okno.seznamy->vybranySoubor(), "R09999.DAT");
    }
};

QTEST_MAIN(TestDialogy)
#include "test_dialogy.moc"
