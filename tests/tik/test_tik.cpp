#include "items/obrazky.h"
#include "main/editor.h"
#include "main/kresleni.h"
#include "main/plocha.h"
#include "room/promenne.h"
#include "room/roomfile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vinula;

namespace {

QByteArray obsah(const QString &cesta) {
    QFile soubor(cesta);
    return soubor.open(QIODevice::ReadOnly) ? soubor.readAll() : QByteArray();
}

void zapis(const QString &cesta, const QByteArray &data) {
    QFile soubor(cesta);
    QVERIFY(soubor.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(soubor.write(data), data.size());
}

// A record whose cells all hold `kod` except the vinula at (0, 5).
QByteArray zaznam(const QByteArray &nazev, char kod) {
    QByteArray z = nazev.leftJustified(50, ' ', true);
    z += QByteArray(600, kod);
    z[roomfile::posunBunky(0, 5)] = 1;
    return z;
}

struct Varovani {
    QString text;
    bool behemTiku = false;
};

// Runs one tick and catches the warning box it raises: its text, and whether
// it came up while the tick was still running (it must not).
Varovani tikSVarovanim(Editor &editor) {
    Varovani varovani;
    bool veTiku = false;
    QTimer hlidac;
    hlidac.setInterval(5);
    QObject::connect(&hlidac, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            varovani.text = box->text();
            varovani.behemTiku = veTiku;
            box->accept();
        }
    });
    hlidac.start();
    veTiku = true;
    editor.Timer1_Timer();
    veTiku = false;
    if (!QTest::qWaitFor([&] { return !varovani.text.isEmpty(); }, 5000))
        varovani.text = QStringLiteral("(no warning box)");
    return varovani;
}

} // namespace

class TestTik : public QObject {
    Q_OBJECT
private slots:
    void init() {
        promenne = Promenne{};
        QVERIFY(adresar_.isValid());
    }

    void ulozeniDoNovehoSouboru();
    void ulozeniPripojiNaKonec_data();
    void ulozeniPripojiNaKonec();
    void dlouhyNazevZustane();
    void nacteniDruheMistnosti();
    void nacteniSMrizkou();
    void nezdareneNacteniNechaMistnost();
    void nezdareneUlozeniOhlasiChybu();
    void rozmisteniPredMalovanim();

private:
    QTemporaryDir adresar_;
};

void TestTik::ulozeniDoNovehoSouboru() {
    Editor editor;
    editor.Timer1->stop();
    editor.mistnost.nastav(0, 5, 1);
    editor.mistnost.nastav(29, 19, 162);
    promenne.soubor_zapsani = adresar_.filePath(QStringLiteral("NOVY.DAT"));
    promenne.nazev_mistnosti = QStringLiteral("abc");
    promenne.pozadavek_zapsani = true;

    editor.Timer1_Timer();

    QVERIFY(!promenne.pozadavek_zapsani);
    QCOMPARE(promenne.nazev_mistnosti, QStringLiteral("abc") + QString(47, QLatin1Char(' ')));
    const QByteArray data = obsah(promenne.soubor_zapsani);
    QCOMPARE(data.size(), 650);
    QCOMPARE(data.left(50), QByteArray("abc") + QByteArray(47, ' '));
    QCOMPARE(data[55], char(1));
    QCOMPARE(static_cast<quint8>(data[649]), quint8(162));
    QCOMPARE(data.count(char(0)), 598);

    // Taken once: the next tick writes nothing more.
    editor.Timer1_Timer();
    QCOMPARE(obsah(promenne.soubor_zapsani).size(), 650);
}

void TestTik::ulozeniPripojiNaKonec_data() {
    QTest::addColumn<int>("delka");
    QTest::newRow("1300 bytes") << 1300;
    QTest::newRow("not whole rooms") << 1001;
}

void TestTik::ulozeniPripojiNaKonec() {
    QFETCH(int, delka);
    const QString cesta = adresar_.filePath(QStringLiteral("B.DAT"));
    QByteArray puvodni(delka, '\0');
    for (int i = 0; i < delka; ++i)
        puvodni[i] = static_cast<char>(i * 7);
    zapis(cesta, puvodni);

    Editor editor;
    editor.Timer1->stop();
    editor.mistnost.nastav(3, 3, 55);
    promenne.soubor_zapsani = cesta;
    promenne.nazev_mistnosti = QStringLiteral("Žluťoučký kůň");
    promenne.pozadavek_zapsani = true;
    editor.Timer1_Timer();

    const QByteArray data = obsah(cesta);
    QCOMPARE(data.size(), delka + 650);
    QCOMPARE(data.left(delka), puvodni);
    QCOMPARE(data.mid(delka, 13), QByteArray("\x8elu\x9dou\xe8k\xfd k\xf9\xf2"));
    QCOMPARE(static_cast<quint8>(data[delka + roomfile::posunBunky(3, 3)]), quint8(55));
}

void TestTik::dlouhyNazevZustane() {
    Editor editor;
    editor.Timer1->stop();
    const QString nazev = QStringLiteral("0123456789").repeated(6);
    promenne.soubor_zapsani = adresar_.filePath(QStringLiteral("DLOUHY.DAT"));
    promenne.nazev_mistnosti = nazev;
    promenne.pozadavek_zapsani = true;
    editor.Timer1_Timer();
    QCOMPARE(promenne.nazev_mistnosti, nazev);
    QCOMPARE(obsah(promenne.soubor_zapsani).left(50), nazev.left(50).toLatin1());
}

void TestTik::nacteniDruheMistnosti() {
    const QString cesta = adresar_.filePath(QStringLiteral("ROOMS.DAT"));
    QByteArray druha = zaznam("druha", 0);
    druha[roomfile::posunBunky(29, 19)] = char(58);
    druha[roomfile::posunBunky(7, 2)] = char(20); // no picture: stays black
    zapis(cesta, zaznam("prvni", 100) + druha);

    Editor editor;
    editor.Timer1->stop();
    editor.mistnost.nastav(-1, -1, 9);
    editor.mistnost.nastav(4, 4, 120);
    editor.vykresliBunku(4, 4, 120);
    editor.vykresliBunku(7, 2, 51);
    promenne.soubor_nacteni = cesta;
    promenne.cislo_mistnosti = 2;
    promenne.pozadavek_nacteni = true;
    editor.Timer1_Timer();

    QVERIFY(!promenne.pozadavek_nacteni);
    QCOMPARE(promenne.nazev_mistnosti, QStringLiteral("druha") + QString(45, QLatin1Char(' ')));
    QCOMPARE(editor.mistnost.bunka(0, 5), Kod{1});
    QCOMPARE(editor.mistnost.bunka(29, 19), Kod{58});
    QCOMPARE(editor.mistnost.bunka(4, 4), Kod{0});
    QCOMPARE(editor.mistnost.bunka(-1, -1), Kod{9}); // the ring is not loaded
    QCOMPARE(promenne.soubor_nacteni, cesta);
    QCOMPARE(promenne.cislo_mistnosti, 2);

    const QImage &obraz = editor.plocha->obraz();
    QCOMPARE(obraz.copy(kresleni::obdelnikBunky(0, 5)), obrazky::hlava());
    QCOMPARE(obraz.copy(kresleni::obdelnikBunky(29, 19)), obrazky::zed(8));
    QCOMPARE(obraz.copy(kresleni::obdelnikBunky(4, 4)), obrazky::volno());
    QCOMPARE(obraz.copy(kresleni::obdelnikBunky(7, 2)), obrazky::volno());
}

void TestTik::nacteniSMrizkou() {
    const QString cesta = adresar_.filePath(QStringLiteral("M.DAT"));
    zapis(cesta, zaznam("m", char(53)));
    Editor editor;
    editor.Timer1->stop();
    editor.mrizka->trigger();
    promenne.soubor_nacteni = cesta;
    promenne.cislo_mistnosti = 1;
    promenne.pozadavek_nacteni = true;
    editor.Timer1_Timer();

    QVERIFY(editor.mrizka->isChecked());
    QImage ocekavany = kresleni::novaPlocha();
    Mistnost mistnost;
    QString nazev;
    QVERIFY(roomfile::nactiMistnost(cesta, 1, mistnost, nazev));
    kresleni::prekreslit(ocekavany, mistnost);
    kresleni::nakresliMrizku(ocekavany);
    QCOMPARE(editor.plocha->obraz(), ocekavany);
}

void TestTik::nezdareneNacteniNechaMistnost() {
    // The dialog saw two rooms; the file has shrunk since.
    const QString cesta = adresar_.filePath(QStringLiteral("KRATKY.DAT"));
    zapis(cesta, zaznam("jen jedna", char(100)).left(900));

    Editor editor;
    editor.Timer1->stop();
    editor.mistnost.nastav(2, 2, 57);
    editor.vykresliBunku(2, 2, 57);
    const Mistnost predtim = editor.mistnost;
    const QImage obrazPredtim = editor.plocha->obraz();
    promenne.soubor_nacteni = cesta;
    promenne.cislo_mistnosti = 2;
    promenne.pozadavek_nacteni = true;

    const Varovani varovani = tikSVarovanim(editor);
    QVERIFY2(varovani.text.contains(QStringLiteral("KRATKY.DAT")), qPrintable(varovani.text));
    QVERIFY(!varovani.behemTiku);
    QVERIFY(!promenne.pozadavek_nacteni);
    QVERIFY(editor.mistnost == predtim);
    QCOMPARE(editor.plocha->obraz(), obrazPredtim);

    // A vanished file alike.
    promenne.soubor_nacteni = adresar_.filePath(QStringLiteral("NENI.DAT"));
    promenne.cislo_mistnosti = 1;
    promenne.pozadavek_nacteni = true;
    QVERIFY(tikSVarovanim(editor).text.contains(QStringLiteral("NENI.DAT")));
    QVERIFY(editor.mistnost == predtim);
}

void TestTik::nezdareneUlozeniOhlasiChybu() {
    Editor editor;
    editor.Timer1->stop();
    editor.mistnost.nastav(1, 0, 1);
    const Mistnost predtim = editor.mistnost;

    // A full disk, then a path that is a folder: each told once, nothing kept pending.
    for (const QString &cesta : {QStringLiteral("/dev/full"), adresar_.path()}) {
        promenne.soubor_zapsani = cesta;
        promenne.pozadavek_zapsani = true;
        const Varovani varovani = tikSVarovanim(editor);
        QVERIFY2(varovani.text.contains(QDir::toNativeSeparators(cesta)),
                 qPrintable(varovani.text));
        QVERIFY(!varovani.behemTiku);
        QVERIFY(!promenne.pozadavek_zapsani);
        // Told once: the request is gone, so the next tick says nothing.
        editor.Timer1_Timer();
        QTest::qWait(50);
        QVERIFY(!QApplication::activeModalWidget());
    }
    QVERIFY(editor.mistnost == predtim);
}

void TestTik::rozmisteniPredMalovanim() {
    // Grid on, the vinula active: a painting tick draws the vinula after its
    // grid refresh, a placement redraws and then refreshes. If the painting
    // came first, the placement's refresh would leave a line over (0, 3).
    Editor editor;
    editor.Timer1->stop();
    editor.mrizka->trigger();
    promenne.predmet = 1;
    promenne.pocet = QStringLiteral("1");
    promenne.radek_od = promenne.radek_do = QStringLiteral("5");
    promenne.sloupec_od = promenne.sloupec_do = QStringLiteral("5");
    promenne.dotyk = true;
    editor.leve_tlacitko = true;
    editor.mys_x = 10;
    editor.mys_y = 65;

    editor.Timer1_Timer();

    QCOMPARE(promenne.pocet, QStringLiteral("0"));
    QCOMPARE(editor.mistnost.bunka(5, 5), Kod{1});
    QCOMPARE(editor.mistnost.bunka(0, 3), Kod{1});
    const QImage &obraz = editor.plocha->obraz();
    QCOMPARE(obraz.copy(kresleni::obdelnikBunky(0, 3)), obrazky::hlava());
    QCOMPARE(obraz.pixel(100, 110), kresleni::barvaMrizky); // (5, 5) lies under the lines
}

QTEST_MAIN(TestTik)
#include "test_tik.moc"
