// Timings of the editor's hot paths on the real code. Run through
// bench/run_bench.sh, which prints each figure beside its budget.
#include "dialogs/rozmisteni_krok.h"
#include "dialogs/seznamy.h"
#include "items/katalog.h"
#include "main/editor.h"
#include "main/kresleni.h"
#include "main/plocha.h"
#include "prikazy.h"
#include "room/promenne.h"
#include "room/roomfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace vinula;

namespace {

// A room with something in every cell, so a redraw copies 600 pictures.
Mistnost plnaMistnost() {
    Mistnost mistnost;
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            mistnost.nastav(x, y, static_cast<Kod>(katalog::prvniJidlo + (x * 20 + y) % 63));
    return mistnost;
}

// Runs vinula-mistnosti in this process, its output kept in memory.
int spustMistnosti(const QStringList &argumenty) {
    QBuffer ven;
    QBuffer chyby;
    ven.open(QIODevice::WriteOnly);
    chyby.open(QIODevice::WriteOnly);
    mistnosti::Kanal vystup(ven), hlaseni(chyby);
    const mistnosti::Kanaly kanaly{vystup, hlaseni};
    return mistnosti::dokonci(mistnosti::spust(argumenty, kanaly), kanaly);
}

// A separate process, start-up included, output thrown away.
int spustProces(const QString &program, const QStringList &argumenty) {
    QProcess proces;
    proces.setStandardOutputFile(QProcess::nullDevice());
    proces.start(program, argumenty);
    proces.waitForFinished(60000);
    return proces.exitCode();
}

} // namespace

class BenchVinula : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void tikNecinny();
    void tikMalovaniSMrizkou();
    void prekreslitPlnouMistnost();
    void mrizkaZapnoutAVypnout();

    void souborPocetMistnosti();
    void souborNazevMistnosti();
    void souborNactiMistnost();

    void mistnosti_data();
    void mistnosti();
    void mistnostiVyjmoutPozpatku();
    void mistnostiArch100();
    void mistnostiDoTiled1000();
    void mistnostiZTiled1000();
    void tiledRozsireni1000_data();
    void tiledRozsireni1000();

    void souborPripojMistnost();

    void rozmistit600();
    void rozmistitNemozne();

    void seznam10000();

private:
    QTemporaryDir adresar_;
    QString velkySoubor_;
    static constexpr qint64 mistnostiVeVelkem = 100000;
};

void BenchVinula::initTestCase() {
    QVERIFY(adresar_.isValid());
    // 100,000 rooms, 65 MB, written in large blocks.
    velkySoubor_ = adresar_.filePath(QStringLiteral("VELKY.DAT"));
    QFile soubor(velkySoubor_);
    QVERIFY(soubor.open(QIODevice::WriteOnly));
    const QByteArray zaznam = roomfile::zaznam(QStringLiteral("velká místnost"), plnaMistnost());
    QByteArray blok;
    for (int i = 0; i < 1000; ++i)
        blok += zaznam;
    for (qint64 i = 0; i < mistnostiVeVelkem / 1000; ++i)
        QCOMPARE(soubor.write(blok), blok.size());
}

void BenchVinula::tikNecinny() {
    Editor editor;
    editor.Timer1->stop();
    QBENCHMARK {
        editor.Timer1_Timer();
    }
}

void BenchVinula::tikMalovaniSMrizkou() {
    Editor editor;
    editor.Timer1->stop();
    editor.mrizka->trigger();
    promenne.predmet = 111;
    editor.leve_tlacitko = true;
    editor.mys_x = 305;
    editor.mys_y = 205;
    QBENCHMARK {
        editor.Timer1_Timer();
    }
    editor.leve_tlacitko = false;
}

void BenchVinula::prekreslitPlnouMistnost() {
    Editor editor;
    editor.Timer1->stop();
    editor.mistnost = plnaMistnost();
    QBENCHMARK {
        editor.prekreslit();
    }
}

void BenchVinula::mrizkaZapnoutAVypnout() {
    Editor editor;
    editor.Timer1->stop();
    editor.mistnost = plnaMistnost();
    QBENCHMARK {
        editor.prepniMrizku();
        editor.prepniMrizku();
    }
}

void BenchVinula::souborPocetMistnosti() {
    qint64 pocet = 0;
    QBENCHMARK {
        pocet = roomfile::pocetMistnosti(QFileInfo(velkySoubor_).size());
    }
    QCOMPARE(pocet, mistnostiVeVelkem);
}

void BenchVinula::souborNazevMistnosti() {
    std::optional<QString> nazev;
    QBENCHMARK {
        nazev = roomfile::nactiNazev(velkySoubor_, mistnostiVeVelkem);
    }
    QVERIFY(nazev && nazev->startsWith(QStringLiteral("velká místnost")));
}

void BenchVinula::souborNactiMistnost() {
    Mistnost mistnost;
    QString nazev;
    bool nacteno = false;
    QBENCHMARK {
        nacteno = roomfile::nactiMistnost(velkySoubor_, mistnostiVeVelkem / 2, mistnost, nazev);
    }
    QVERIFY(nacteno);
    QVERIFY(mistnost == plnaMistnost());
}

// vinula-mistnosti on the 100,000-room file, in this process and as a
// process of its own, beside md5sum of the same file: counting 600 bytes a
// room should take no longer than hashing them. Its rooms have no vinula, so
// kontrola reports every one.
void BenchVinula::mistnosti_data() {
    QTest::addColumn<QString>("program"); // empty: in this process
    QTest::addColumn<QStringList>("argumenty");
    QTest::addColumn<int>("kod");
    const QString seznam = QStringLiteral("seznam"), kontrola = QStringLiteral("kontrola");
    const QString proces = QStringLiteral(VINULA_MISTNOSTI_PATH);
    QTest::newRow("seznam") << QString() << QStringList{seznam, velkySoubor_} << 0;
    QTest::newRow("seznamJson") << QString()
                                << QStringList{seznam, QStringLiteral("--json"), velkySoubor_} << 0;
    QTest::newRow("kontrola") << QString() << QStringList{kontrola, velkySoubor_} << 1;
    QTest::newRow("seznamProces") << proces << QStringList{seznam, velkySoubor_} << 0;
    QTest::newRow("kontrolaProces") << proces << QStringList{kontrola, velkySoubor_} << 1;
    QTest::newRow("md5sum") << QStringLiteral("md5sum") << QStringList{velkySoubor_} << 0;
}

void BenchVinula::mistnosti() {
    QFETCH(QString, program);
    QFETCH(QStringList, argumenty);
    QFETCH(int, kod);
    int vysledek = -1;
    QBENCHMARK {
        vysledek = program.isEmpty() ? spustMistnosti(argumenty) : spustProces(program, argumenty);
    }
    QCOMPARE(vysledek, kod);
}

void BenchVinula::mistnostiVyjmoutPozpatku() {
    const QString vystup = adresar_.filePath(QStringLiteral("POZPATKU.DAT"));
    int kod = -1;
    QBENCHMARK {
        QFile::remove(vystup);
        kod = spustMistnosti({QStringLiteral("vyjmout"), velkySoubor_,
                              QStringLiteral("%1-1").arg(mistnostiVeVelkem), QStringLiteral("-o"),
                              vystup});
    }
    QCOMPARE(kod, 0);
    QCOMPARE(QFileInfo(vystup).size(), QFileInfo(velkySoubor_).size());
}

void BenchVinula::mistnostiArch100() {
    const QString sto = adresar_.filePath(QStringLiteral("STO.DAT"));
    QFile soubor(sto);
    QVERIFY(soubor.open(QIODevice::WriteOnly));
    for (int i = 0; i < 100; ++i)
        soubor.write(roomfile::zaznam(QStringLiteral("místnost %1").arg(i), plnaMistnost()));
    soubor.close();
    const QString vystup = adresar_.filePath(QStringLiteral("arch.png"));
    int kod = -1;
    QBENCHMARK {
        QFile::remove(vystup);
        kod = spustMistnosti({QStringLiteral("obrazek"), sto, QStringLiteral("-o"), vystup});
    }
    QCOMPARE(kod, 0);
}

// 1,000 rooms that pass the editor's check out to Tiled maps, and the maps
// back into a room file.
void BenchVinula::mistnostiDoTiled1000() {
    const QString tisic = adresar_.filePath(QStringLiteral("TISIC.DAT"));
    QFile soubor(tisic);
    QVERIFY(soubor.open(QIODevice::WriteOnly));
    Mistnost mistnost = plnaMistnost();
    mistnost.nastav(0, 0, 1);
    for (int i = 0; i < 1000; ++i)
        soubor.write(roomfile::zaznam(QStringLiteral("místnost %1").arg(i), mistnost));
    soubor.close();
#ifdef Q_OS_UNIX
    // Creating the files would otherwise wait for the 65 MB written above to
    // reach the disk.
    ::sync();
#endif
    int kod = -1;
    // Each run into a folder of its own (Qt Test may call this function
    // again): removing the 1,003 files of one run before the next would be
    // timed too. z-tiled reads the first.
    static int beh = 0;
    QBENCHMARK {
        const QString vystup = adresar_.filePath(QStringLiteral("tiled%1").arg(beh++));
        kod = spustMistnosti({QStringLiteral("do-tiled"), tisic, QStringLiteral("-o"), vystup});
    }
    QCOMPARE(kod, 0);
}

void BenchVinula::mistnostiZTiled1000() {
    const QDir slozka(adresar_.filePath(QStringLiteral("tiled0")));
    QStringList argumenty{QStringLiteral("z-tiled")};
    for (const QString &mapa : slozka.entryList({QStringLiteral("*.tmx")}, QDir::Files))
        argumenty << slozka.filePath(mapa);
    QCOMPARE(argumenty.size(), 1001);
    const QString vystup = adresar_.filePath(QStringLiteral("ZPET.DAT"));
    argumenty << QStringLiteral("-o") << vystup;
    int kod = -1;
    QBENCHMARK {
        QFile::remove(vystup);
        kod = spustMistnosti(argumenty);
    }
    QCOMPARE(kod, 0);
    QCOMPARE(QFileInfo(vystup).size(), 1000 * roomfile::delkaZaznamu);
}

// The same 1,000 rooms opened in the real Tiled through its extension, and
// saved back, each as one headless run of Tiled (start-up included).
void BenchVinula::tiledRozsireni1000_data() {
    QTest::addColumn<QStringList>("argumenty");
    const QString tisic = adresar_.filePath(QStringLiteral("TISIC.DAT"));
    const QString mapa = adresar_.filePath(QStringLiteral("tisic.tmx"));
    QTest::newRow("otevrit") << QStringList{QStringLiteral("--export-map"), QStringLiteral("tmx"),
                                            tisic, mapa};
    QTest::newRow("ulozit") << QStringList{QStringLiteral("--export-map"), QStringLiteral("vinula"),
                                           mapa, tisic};
}

void BenchVinula::tiledRozsireni1000() {
    QFETCH(QStringList, argumenty);
    const QDir domov(adresar_.filePath(QStringLiteral("domov")));
    const QString rozsireni =
        domov.filePath(QStringLiteral("tiled/extensions/vinula-mistnosti.js"));
    QVERIFY(domov.mkpath(QStringLiteral("tiled/extensions")));
    QVERIFY(QFileInfo::exists(rozsireni) ||
            QFile::copy(QStringLiteral(VINULA_ROZSIRENI), rozsireni));
    QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
    prostredi.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const char *promenna : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        prostredi.insert(QString::fromLatin1(promenna), domov.path());
    prostredi.insert(QStringLiteral("PATH"),
                     QFileInfo(QStringLiteral(VINULA_MISTNOSTI_PATH)).absolutePath() + u':' +
                         prostredi.value(QStringLiteral("PATH")));
    int kod = -1;
    QBENCHMARK {
        QProcess tiled;
        tiled.setProcessEnvironment(prostredi);
        tiled.setStandardOutputFile(QProcess::nullDevice());
        tiled.setStandardErrorFile(QProcess::nullDevice());
        tiled.start(QStringLiteral("tiled"), argumenty);
        tiled.waitForFinished(120000);
        kod = tiled.exitCode();
    }
    QCOMPARE(kod, 0);
}

void BenchVinula::souborPripojMistnost() {
    const Mistnost mistnost = plnaMistnost();
    bool zapsano = false;
    QBENCHMARK {
        zapsano = roomfile::pripojMistnost(velkySoubor_, QStringLiteral("další"), mistnost);
    }
    QVERIFY(zapsano);
}

void BenchVinula::rozmistit600() {
    const ZadaniRozmisteni zadani{.pocet = QStringLiteral("600"),
                                  .radek_od = QStringLiteral("0"),
                                  .radek_do = QStringLiteral("29"),
                                  .sloupec_od = QStringLiteral("0"),
                                  .sloupec_do = QStringLiteral("19"),
                                  .dotyk = true};
    std::mt19937 nahoda(1);
    int umisteno = 0;
    QBENCHMARK {
        Mistnost mistnost;
        umisteno = rozmistitNahodne(mistnost, 111, zadani, nahoda);
    }
    QCOMPARE(umisteno, 600);
}

void BenchVinula::rozmistitNemozne() {
    // A million items that may not touch: at most 150 fit, the rest must be
    // given up at once rather than drawn for.
    const ZadaniRozmisteni zadani{.pocet = QStringLiteral("1000000"),
                                  .radek_od = QStringLiteral("0"),
                                  .radek_do = QStringLiteral("29"),
                                  .sloupec_od = QStringLiteral("0"),
                                  .sloupec_do = QStringLiteral("19"),
                                  .dotyk = false};
    std::mt19937 nahoda(1);
    int umisteno = 0;
    QBENCHMARK {
        Mistnost mistnost;
        umisteno = rozmistitNahodne(mistnost, 52, zadani, nahoda);
    }
    QVERIFY(umisteno > 0 && umisteno <= 150);
}

void BenchVinula::seznam10000() {
    QTemporaryDir slozka;
    QVERIFY(slozka.isValid());
    for (int i = 0; i < 10000; ++i) {
        QFile soubor(slozka.filePath(QStringLiteral("ROOM%1.DAT").arg(i, 5, 10, QLatin1Char('0'))));
        QVERIFY(soubor.open(QIODevice::WriteOnly));
    }
    QWidget okno;
    Seznamy seznamy(&okno);
    QBENCHMARK {
        seznamy.jdiDo(slozka.path());
    }
    QCOMPARE(seznamy.File1->model()->rowCount(), 10000);
}

QTEST_MAIN(BenchVinula)
#include "bench_vinula.moc"
