// What vinula-mistnosti promises about the files it writes, kept while a stop
// signal, a file-size limit or another program writing meanwhile strikes. The
// real program runs as a process; signals and rivals are real too.

#include "../cekane.h"
#include "../proces.h"
#include "../soubor.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <sys/file.h>

using namespace Qt::StringLiterals;

namespace {

// `limit` caps the size of any file the program writes (RLIMIT_FSIZE), -1 for
// none; past it SIGXFSZ keeps its default action, which ends a careless program.
void spust(QProcess &proces, const QString &slozka, const QString &prikaz, qint64 limit = -1) {
    proces.setWorkingDirectory(slozka);
    proces.setChildProcessModifier([limit] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit mez{rlim_t(limit), rlim_t(limit)};
        if (limit >= 0)
            setrlimit(RLIMIT_FSIZE, &mez);
    });
    proces.start(QStringLiteral(VINULA_MISTNOSTI_PATH), prikaz.split(u' '));
}

// `pocet` rooms, each named after `znacka` and its number, so that any room
// out of place shows.
QByteArray mistnosti(const QByteArray &znacka, int pocet) {
    QByteArray data;
    for (int i = 0; i < pocet; ++i)
        data += cekane::zaznam(znacka + QByteArray::number(i), {{0, 5, 1}, {3, 4, 111}});
    return data;
}

// Whatever the program made beside the files the tests made: its temporary
// files, however it names them.
QStringList docasne(const QString &slozka) {
    return QDir(slozka)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
        .filter(QRegularExpression(u"^(?!((VELKY|[TNH]|Z\\d)\\.DAT|-reverse|m\\.png)$|Star)"_s));
}

// Whether the process still runs: its end is noticed only when asked for.
bool bezi(QProcess &proces) {
    proces.waitForFinished(0);
    return proces.state() == QProcess::Running;
}

} // namespace

class TestZapis : public QObject {
    Q_OBJECT
    QTemporaryDir adresar;
    QString slozka;
    // Large enough that writing it takes many blocks: a signal can land in
    // the middle.
    const QByteArray velky = mistnosti("velka ", 100000);
    const QByteArray puvodni = mistnosti("puvodni ", 2);

    QString cesta(const QString &jmeno) const { return slozka + u'/' + jmeno; }

private slots:
    void initTestCase() { QVERIFY(uloz(adresar.filePath(u"VELKY.DAT"_s), velky)); }

    void init() {
        slozka = adresar.filePath(QString::fromLatin1(QTest::currentTestFunction()) + u'-' +
                                  QString::fromUtf8(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(slozka) && uloz(cesta(u"T.DAT"_s), puvodni) &&
                QFile::link(adresar.filePath(u"VELKY.DAT"_s), cesta(u"VELKY.DAT"_s)));
    }

    // While the rooms are written: a stop signal, the file-size limit (ulimit -f), or another
    // program creating the new output or appending without a lock. An append is cut back, but never
    // takes the other's bytes; a new file never appears (the other's stays); no temporary file is
    // left. When the tool was done first, the round proves nothing and runs again.
    void preruseni_data() {
        QTest::addColumn<int>("signal"); // SIGXFSZ: the limit, which the tool's own writes reach
        QTest::addColumn<QString>("cil");
        QTest::addColumn<QString>("jiny");  // the file another program writes meanwhile
        QTest::addColumn<QString>("chyba"); // how the message begins
        const auto radek = [](const char *jmeno, int signal, const char *cil, const char *jiny,
                              const QString &chyba) {
            QTest::newRow(jmeno) << signal << QString::fromLatin1(cil) << QString::fromLatin1(jiny)
                                 << chyba;
        };
        const QString mez = "chyba při zápisu: soubor by přerostl největší dovolenou velikost; ";
        radek("Ctrl+C, připojení", SIGINT, "T.DAT", "", u"přerušeno signálem SIGINT (Ctrl+C)"_s);
        radek("SIGTERM, připojení", SIGTERM, "T.DAT", "", u"přerušeno signálem SIGTERM"_s);
        radek("ulimit -f, připojení", SIGXFSZ, "T.DAT", "", mez + "soubor zůstal, jak byl\n");
        radek("zavřený terminál, nový", SIGHUP, "N.DAT", "",
              u"přerušeno signálem SIGHUP (terminál se zavřel)"_s);
        radek("výstup mezitím vznikl", 0, "N.DAT", "N.DAT",
              u"výstupní soubor mezitím vytvořil jiný program; nepřepíše se a tento soubor "
              "nevznikl\n"_s);
        radek("cizí bajty zůstanou", SIGXFSZ, "T.DAT", "T.DAT",
              mez + "soubor mezitím změnil jiný program, a tak se nevrátil na původní délku\n");
    }
    void preruseni() {
        QFETCH(int, signal);
        QFETCH(QString, cil);
        QFETCH(QString, jiny);
        QFETCH(QString, chyba);
        bool prokazano = false;
        for (int kolo = 0; kolo < 20 && !prokazano; ++kolo) {
            QFile::remove(cesta(u"N.DAT"_s));
            QVERIFY(uloz(cesta(u"T.DAT"_s), puvodni));
            QProcess proces;
            spust(proces, slozka,
                  "vyjmout VELKY.DAT 1-100000 -o " + cil + (cil == u"T.DAT" ? " --pripojit" : ""),
                  signal == SIGXFSZ ? 650 * 50000 : -1);
            QVERIFY(proces.waitForStarted());
            // Written into, but not done.
            while (bezi(proces) && (cil == u"T.DAT" ? QFileInfo(cesta(cil)).size() == 650 * 2
                                                    : docasne(slozka).isEmpty()))
                QTest::qSleep(0);
            // Another program's file, made or appended to while the tool still writes.
            QFile soubor(cesta(jiny));
            prokazano = jiny.isEmpty() ||
                        (bezi(proces) &&
                         soubor.open(soubor.exists() ? QIODevice::Append
                                                     : QIODevice::WriteOnly | QIODevice::NewOnly) &&
                         soubor.write("jiny") == 4);
            if (const pid_t pid = pid_t(proces.processId());
                pid > 0 && jiny.isEmpty() && signal != SIGXFSZ)
                ::kill(pid, signal); // never pid 0, the test's own group
            soubor.close();
            QVERIFY(proces.state() == QProcess::NotRunning || proces.waitForFinished(60000));
            if (signal != 0)
                prokazano = prokazano &&
                            (proces.exitStatus() != QProcess::NormalExit || proces.exitCode() != 0);
            if (!prokazano)
                continue;
            QCOMPARE(proces.exitStatus(), QProcess::NormalExit);
            QCOMPARE(proces.exitCode(), 2);
            QCOMPARE(proces.readAllStandardOutput(), QByteArray());
            const QString chyby = QString::fromUtf8(proces.readAllStandardError());
            QVERIFY2(chyby.startsWith("vinula-mistnosti: " + cil + ": " + chyba),
                     qPrintable(chyby));
            const QByteArray t = precti(cesta(u"T.DAT"_s));
            QVERIFY(jiny == u"T.DAT" ? t.startsWith(puvodni) && t.contains("jiny") : t == puvodni);
            QCOMPARE(QFile::exists(cesta(u"N.DAT"_s)), jiny == u"N.DAT");
            QCOMPARE(precti(cesta(u"N.DAT"_s)), jiny == u"N.DAT" ? "jiny" : "");
            QCOMPARE(docasne(slozka), QStringList());
        }
        QVERIFY2(prokazano, "the program was always done first");
    }

    // Another program holds the file (as an append does): the tool says it
    // waits and writes nothing meanwhile. Once the other is done, its room
    // stays and the tool's rooms follow it; a stop signal while waiting
    // leaves the file as the other left it.
    // The other program may also replace the file whole while it holds it,
    // as Tiled's save does: the rooms then go onto the new file.
    void cekaNaZamek_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("nahradi");
        QTest::newRow("dočká se") << 0 << false;
        QTest::newRow("SIGTERM při čekání") << SIGTERM << false;
        QTest::newRow("soubor mezitím nahrazen") << 0 << true;
    }
    void cekaNaZamek() {
        QFETCH(int, signal);
        QFETCH(bool, nahradi);
        QFile jiny(cesta(u"T.DAT"_s));
        QVERIFY(jiny.open(QIODevice::Append | QIODevice::Unbuffered));
        QCOMPARE(flock(jiny.handle(), LOCK_EX), 0);
        QProcess proces;
        spust(proces, slozka, u"vyjmout VELKY.DAT 7,5 -o T.DAT --pripojit"_s);
        QByteArray chyby;
        proces.setReadChannel(QProcess::StandardError);
        while (!chyby.contains('\n') && proces.waitForReadyRead(30000))
            chyby += proces.readAllStandardError();
        QCOMPARE(QString::fromUtf8(chyby),
                 u"vinula-mistnosti: T.DAT: do souboru právě zapisuje jiný program, čekám\n"_s);
        QCOMPARE(precti(cesta(u"T.DAT"_s)), puvodni);
        QTest::qSleep(200); // long enough to try the lock again: still said once
        const QByteArray jeho = cekane::zaznam("jeho");
        if (nahradi)
            QVERIFY(uloz(cesta(u"Z1.DAT"_s), puvodni + jeho) &&
                    ::rename(QFile::encodeName(cesta(u"Z1.DAT"_s)).constData(),
                             QFile::encodeName(cesta(u"T.DAT"_s)).constData()) == 0);
        else
            QCOMPARE(jiny.write(jeho), jeho.size());
        if (signal != 0 && proces.processId() > 0)
            ::kill(pid_t(proces.processId()), signal);
        else
            jiny.close();
        QVERIFY(proces.waitForFinished(30000));
        QCOMPARE(proces.exitCode(), signal ? 2 : 0);
        QCOMPARE(QString::fromUtf8(proces.readAllStandardError()),
                 signal ? u"vinula-mistnosti: T.DAT: přerušeno signálem SIGTERM\n"_s : QString());
        QCOMPARE(QString::fromUtf8(proces.readAllStandardOutput()),
                 signal ? QString() : u"T.DAT: připojeny místnosti č. 4–5\n"_s);
        QCOMPARE(precti(cesta(u"T.DAT"_s)),
                 puvodni + jeho +
                     (signal ? QByteArray() : velky.mid(6 * 650, 650) + velky.mid(4 * 650, 650)));
    }

    // Several programs append to one file at once; every other one fails at
    // its file-size limit part way. The file ends up holding the old rooms
    // and, whole and one after another, exactly the rooms of each run that
    // succeeded: nobody's rooms are mixed into another's or cut away.
    void soubeznaPripojeni() {
        constexpr int behu = 6, delka = 3000 * 650;
        QList<QByteArray> zdroje;
        std::vector<std::unique_ptr<QProcess>> procesy;
        for (int i = 0; i < behu; ++i) {
            zdroje.append(mistnosti("beh " + QByteArray::number(i) + " c. ", 3000));
            QVERIFY(uloz(cesta(u"Z%1.DAT"_s.arg(i)), zdroje.last()));
        }
        for (int i = 0; i < behu; ++i)
            spust(*procesy.emplace_back(std::make_unique<QProcess>()), slozka,
                  u"vyjmout Z%1.DAT 1-3000 -o T.DAT --pripojit"_s.arg(i),
                  i % 2 ? puvodni.size() + delka / 2 : -1);
        for (int i = 0; i < behu; ++i) {
            QVERIFY(procesy[i]->waitForFinished(60000));
            QCOMPARE(procesy[i]->exitCode(), i % 2 ? 2 : 0);
        }
        const QByteArray vysledek = precti(cesta(u"T.DAT"_s));
        QCOMPARE(vysledek.size(), puvodni.size() + behu / 2 * delka);
        QVERIFY(vysledek.startsWith(puvodni));
        QList<qsizetype> poradi;
        for (qsizetype od = puvodni.size(); od < vysledek.size(); od += delka)
            poradi.append(zdroje.indexOf(vysledek.mid(od, delka)));
        std::sort(poradi.begin(), poradi.end());
        QCOMPARE(poradi, (QList<qsizetype>{0, 2, 4})); // -1 for rooms of several runs mixed
    }

    // A refusal names the real reason: an empty argument, a name or path too long, a hard link of
    // the source, a name whose bytes are no text; the command line is the tool's own, whatever Qt
    // would make of it. podvrh plays file systems the tests cannot mount: one without locks (the
    // append goes ahead, saying so), one failing to sync (a failure, never a file seeming whole).
    void duvody_data() {
        QTest::addColumn<QString>("prikaz");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("chyby");
        QTest::addColumn<QByteArray>("vysledek"); // T.DAT afterwards: as it was, or this after it
        QTest::addColumn<QString>("podvrh");
        const QString dlouhy = QString(256, u'x');
        // 17 names of 250 letters: each fits, the path does not.
        const QString hluboka = QStringList(17, QString(250, u'd')).join(u'/') + u"/N.DAT"_s;
        const QString eio = u"chyba vstupu či výstupu zařízení"_s;
        const auto radek = [](const char *jmeno, const QString &prikaz, int kod,
                              const QString &chyby, const QByteArray &vysledek = {},
                              const QString &podvrh = {}) {
            QTest::newRow(jmeno) << prikaz << kod << chyby << vysledek << podvrh;
        };
        radek("prázdný argument", "seznam ''", 2, "prázdný název souboru\n");
        radek("dlouhý název", "seznam " + dlouhy, 2,
              dlouhy + ": název je příliš dlouhý (256 bajtů, nejvýš 255)\n");
        radek("dlouhá cesta ke složce", "vyjmout T.DAT 1 -o " + hluboka, 2,
              hluboka + ": cesta je příliš dlouhá (4272 bajtů)\n");
        radek("pevný odkaz zdroje", "vyjmout T.DAT 1 -o H.DAT --pripojit", 2,
              "H.DAT: výstup je tentýž soubor jako zdroj, zdroj se nemění\n");
        radek("odkaz do prázdna", "vyjmout T.DAT 1 -o L.DAT", 2,
              "L.DAT: na místě výstupního souboru je symbolický odkaz k souboru, který "
              "neexistuje; odkaz se nepřepíše; připojit k němu lze volbou --pripojit\n");
        radek("mimo kódování", "seznam \"$(printf 'Star\\351.DAT')\"", 2,
              "Star?.DAT: název není platný text v kódování systému, soubor s ním nelze "
              "otevřít; přejmenujte ho\n");
        radek("soubor -reverse", "obrazek -o m.png -- -reverse", 0, {});
        radek("bez zámků", "vyjmout VELKY.DAT 7 -o T.DAT --pripojit", 0,
              "T.DAT: systém souborů nepodporuje zamykání; připojuji bez zámku, jiný program, "
              "který do souboru zapisuje zároveň, by zápis pomíchal\n",
              velky.mid(6 * 650, 650), u"bez-zamku"_s);
        radek("nový soubor na vadný disk", "vyjmout VELKY.DAT 7 -o N.DAT", 2,
              "N.DAT: zápis se nezdařil: " + eio + "; soubor nevznikl\n", {}, u"vadny-disk"_s);
        radek("připojení na vadný disk", "vyjmout VELKY.DAT 7 -o T.DAT --pripojit", 2,
              "T.DAT: chyba při zápisu: " + eio + "; soubor zůstal, jak byl\n", {},
              u"vadny-disk"_s);
        radek("export na vadný disk", "do-tiled VELKY.DAT 1-3 -o D", 2,
              "D: složku nelze vytvořit: " + eio + "; co se už zapsalo, je zase pryč\n", {},
              u"vadny-disk"_s);
    }
    void duvody() {
        QFETCH(QString, prikaz);
        QFETCH(int, kod);
        QFETCH(QString, chyby);
        QFETCH(QByteArray, vysledek);
        QFETCH(QString, podvrh);
        const QByteArray zdroj = QFile::encodeName(cesta(u"T.DAT"_s));
        // A hard link, and a name from an old archive in bytes no text has.
        for (const char *jmeno : {"/H.DAT", "/Star\xE9.DAT"})
            QCOMPARE(::link(zdroj.constData(), (QFile::encodeName(slozka) + jmeno).constData()), 0);
        QVERIFY(uloz(cesta(u"-reverse"_s), puvodni));
        QVERIFY(QFile::link(u"CHYBI.DAT"_s, cesta(u"L.DAT"_s)));
        // podvrh is in every run, playing no role where none is named.
        QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
        prostredi.insert(u"PODVRH"_s, podvrh);
        prostredi.insert(u"LD_PRELOAD"_s, QStringLiteral(VINULA_PODVRH));
        prostredi.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=0:verify_asan_link_order=0"_s);
        // Through the shell: QProcess would turn a name into text first.
        const proces::Beh beh = proces::spust(
            u"/bin/sh"_s, slozka, {u"-c"_s, "exec \"$0\" " + prikaz, VINULA_MISTNOSTI_PATH}, -1,
            proces::Ven::roura, prostredi);
        ::unlink((QFile::encodeName(slozka) + "/Star\xE9.DAT").constData()); // QDir cannot name it
        QCOMPARE(beh.chyby, chyby.isEmpty() ? chyby : "vinula-mistnosti: " + chyby);
        QCOMPARE(beh.kod, kod);
        QCOMPARE(precti(cesta(u"T.DAT"_s)), puvodni + vysledek);
        QCOMPARE(QFile::exists(cesta(u"m.png"_s)), prikaz.startsWith(u"obrazek") && kod == 0);
        QCOMPARE(docasne(slozka), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestZapis)
#include "test_zapis.moc"
