// What vinula-mistnosti promises about the files it writes, kept while
// something else happens: a stop signal, a file-size limit, another program
// appending to the same file or creating the output meanwhile. The real
// program runs as a process; signals and rivals are real too.

#include "../cekane.h"
#include "../soubor.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// `limit` caps the size of any file the program writes (RLIMIT_FSIZE), -1 for
// none; the signal a write past it raises keeps its default action, which
// ends a program that does not take care.
void spust(QProcess &proces, const QString &slozka, const QStringList &argumenty,
           qint64 limit = -1) {
    proces.setWorkingDirectory(slozka);
    proces.setChildProcessModifier([limit] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit mez{rlim_t(limit), rlim_t(limit)};
        if (limit >= 0)
            setrlimit(RLIMIT_FSIZE, &mez);
    });
    proces.start(QStringLiteral(VINULA_MISTNOSTI_PATH), argumenty);
}

// `pocet` rooms, each named after `znacka` and its number, so that any room
// out of place shows.
QByteArray mistnosti(const QByteArray &znacka, int pocet) {
    QByteArray data;
    for (int i = 0; i < pocet; ++i)
        data += cekane::zaznam(znacka + QByteArray::number(i), {{0, 5, 1}, {3, 4, 111}});
    return data;
}

// Whatever the program made beside the files named here: its temporary
// files, however it names them.
QStringList docasne(const QString &slozka) {
    QStringList jine = QDir(slozka).entryList(QDir::Files | QDir::Hidden);
    jine.removeIf([](const QString &jmeno) {
        return QStringList{u"VELKY.DAT"_s, u"T.DAT"_s, u"N.DAT"_s}.contains(jmeno) ||
               (jmeno.startsWith(u'Z') && jmeno.endsWith(u".DAT"));
    });
    return jine;
}

// Whether the process still runs: its end is noticed only when asked for.
bool bezi(QProcess &proces) {
    proces.waitForFinished(0);
    return proces.state() == QProcess::Running;
}

// Whether the process has begun writing its output: what it wrote so far,
// as the system counts it, or else a temporary file that appeared.
bool piseVystup(QProcess &proces, const QString &slozka) {
#ifdef Q_OS_LINUX
    QFile io(u"/proc/%1/io"_s.arg(proces.processId()));
    if (io.open(QIODevice::ReadOnly))
        for (const QByteArray &radek : io.readAll().split('\n'))
            if (radek.startsWith("wchar: "))
                return radek.mid(7).toLongLong() > 650 * 1000;
#endif
    return !docasne(slozka).isEmpty();
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

    // A stop signal, a file-size limit (ulimit -f) reached part way, or
    // another program creating the output, while the rooms are being written: an append is cut back
    // to the old length, a new file never appears (the other program's stays) and no temporary file
    // is left. When the tool was done first, the round proves nothing and runs again.
    void preruseni_data() {
        // 0: another program creates N.DAT; SIGXFSZ: the limit, which the
        // tool's own writes reach.
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("cil");
        QTest::addColumn<QString>("chyba"); // how the message begins
        QTest::newRow("Ctrl+C, připojení") << SIGINT << "T.DAT"
                                           << "přerušeno signálem SIGINT (Ctrl+C)";
        QTest::newRow("SIGTERM, připojení") << SIGTERM << "T.DAT"
                                            << "přerušeno signálem SIGTERM";
        QTest::newRow("ulimit -f, připojení")
            << SIGXFSZ << "T.DAT"
            << "chyba při zápisu: soubor by přerostl největší dovolenou velikost; soubor "
               "zůstal, jak byl\n";
        QTest::newRow("zavřený terminál, nový") << SIGHUP << "N.DAT"
                                                << "přerušeno signálem SIGHUP (terminál se zavřel)";
        QTest::newRow("výstup mezitím vznikl")
            << 0 << "N.DAT"
            << "výstupní soubor mezitím vytvořil jiný program; nepřepíše se a tento soubor "
               "nevznikl\n";
    }
    void preruseni() {
        QFETCH(int, signal);
        QFETCH(QString, cil);
        QFETCH(QString, chyba);
        QStringList argumenty{u"vyjmout"_s, u"VELKY.DAT"_s, u"1-100000"_s, u"-o"_s, cil};
        if (cil == u"T.DAT")
            argumenty << u"--pripojit"_s;
        bool prokazano = false;
        for (int kolo = 0; kolo < 20 && !prokazano; ++kolo) {
            QFile::remove(cesta(u"N.DAT"_s));
            QVERIFY(uloz(cesta(u"T.DAT"_s), puvodni));
            QProcess proces;
            spust(proces, slozka, argumenty, signal == SIGXFSZ ? 650 * 50000 : -1);
            QVERIFY(proces.waitForStarted());
            // Written into, but not done.
            while (bezi(proces) && (cil == u"T.DAT" ? QFileInfo(cesta(cil)).size() == 650 * 2
                                                    : !piseVystup(proces, slozka)))
                QTest::qSleep(0);
            QFile jiny(cesta(u"N.DAT"_s));
            if (signal == 0) // another program's file, made while the tool still writes
                prokazano = bezi(proces) && jiny.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                            jiny.write("jiny") == 4;
            else if (const pid_t pid = pid_t(proces.processId()); pid > 0 && signal != SIGXFSZ)
                ::kill(pid, signal); // never pid 0, the test's own group
            jiny.close();
            QVERIFY(proces.state() == QProcess::NotRunning || proces.waitForFinished(60000));
            if (signal != 0)
                prokazano = proces.exitStatus() != QProcess::NormalExit || proces.exitCode() != 0;
            if (!prokazano)
                continue;
            QCOMPARE(proces.exitStatus(), QProcess::NormalExit);
            QCOMPARE(proces.exitCode(), 2);
            QCOMPARE(proces.readAllStandardOutput(), QByteArray());
            const QString chyby = QString::fromUtf8(proces.readAllStandardError());
            QVERIFY2(chyby.startsWith("vinula-mistnosti: " + cil + ": " + chyba),
                     qPrintable(chyby));
            QCOMPARE(precti(cesta(u"T.DAT"_s)), puvodni);
            QCOMPARE(QFile::exists(cesta(u"N.DAT"_s)), signal == 0);
            QCOMPARE(precti(cesta(u"N.DAT"_s)), signal == 0 ? "jiny" : "");
            QCOMPARE(docasne(slozka), QStringList());
        }
        QVERIFY2(prokazano, "the program was always done first");
    }

    // A program that appends without a lock writes in the middle of the
    // tool's append, which then fails at its file-size limit: cutting the
    // file back would take the other's bytes too, so it stays as it is and
    // the message says so.
    void ciziBajtyZustanou() {
        bool prokazano = false;
        for (int kolo = 0; kolo < 20 && !prokazano; ++kolo) {
            QVERIFY(uloz(cesta(u"T.DAT"_s), puvodni));
            QProcess proces;
            spust(
                proces, slozka,
                {u"vyjmout"_s, u"VELKY.DAT"_s, u"1-100000"_s, u"-o"_s, u"T.DAT"_s, u"--pripojit"_s},
                650 * 60000);
            QVERIFY(proces.waitForStarted());
            while (bezi(proces) && QFileInfo(cesta(u"T.DAT"_s)).size() == 650 * 2)
                QTest::qSleep(0);
            QFile jiny(cesta(u"T.DAT"_s));
            prokazano = bezi(proces) && jiny.open(QIODevice::Append) && jiny.write("jiny") == 4;
            jiny.close();
            QVERIFY(proces.state() == QProcess::NotRunning || proces.waitForFinished(60000));
            if (!prokazano)
                continue;
            QCOMPARE(proces.exitCode(), 2);
            QCOMPARE(QString::fromUtf8(proces.readAllStandardError()),
                     u"vinula-mistnosti: T.DAT: chyba při zápisu: soubor by přerostl největší "
                     "dovolenou velikost; soubor mezitím změnil jiný program, a tak se nevrátil "
                     "na původní délku\n"_s);
            const QByteArray vysledek = precti(cesta(u"T.DAT"_s));
            QVERIFY(vysledek.startsWith(puvodni) && vysledek.contains("jiny"));
        }
        QVERIFY2(prokazano, "the program was always done first");
    }

    // Another program holds the file (as an append does): the tool says it
    // waits and writes nothing meanwhile. Once the other is done, its room
    // stays and the tool's rooms follow it; a stop signal while waiting
    // leaves the file as the other left it.
    void cekaNaZamek_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("dočká se") << 0;
        QTest::newRow("SIGTERM při čekání") << SIGTERM;
    }
    void cekaNaZamek() {
        QFETCH(int, signal);
        QFile jiny(cesta(u"T.DAT"_s));
        QVERIFY(jiny.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered));
        QCOMPARE(flock(jiny.handle(), LOCK_EX), 0);
        QProcess proces;
        spust(proces, slozka,
              {u"vyjmout"_s, u"VELKY.DAT"_s, u"7,5"_s, u"-o"_s, u"T.DAT"_s, u"--pripojit"_s});
        QByteArray chyby;
        proces.setReadChannel(QProcess::StandardError);
        while (!chyby.contains('\n') && proces.waitForReadyRead(30000))
            chyby += proces.readAllStandardError();
        QCOMPARE(QString::fromUtf8(chyby),
                 u"vinula-mistnosti: T.DAT: do souboru právě zapisuje jiný program, čekám\n"_s);
        QCOMPARE(precti(cesta(u"T.DAT"_s)), puvodni);
        const QByteArray jeho = cekane::zaznam("jeho");
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

    // File systems the tests cannot mount, played by the podvrh library: one
    // without locks lets the append go ahead unlocked and says so; one that
    // fails to sync makes the write a failure, never a file that only seems
    // whole.
    void souborovySystem_data() {
        QTest::addColumn<QString>("podvrh");
        QTest::addColumn<QString>("prikaz");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("chyby");
        QTest::addColumn<QByteArray>("vysledek"); // T.DAT afterwards
        const QByteArray sedma = velky.mid(6 * 650, 650);
        const QString eio = u"chyba vstupu či výstupu zařízení"_s;
        QTest::newRow("bez zámků")
            << u"bez-zamku"_s << u"vyjmout VELKY.DAT 7 -o T.DAT --pripojit"_s << 0
            << u"T.DAT: systém souborů nepodporuje zamykání; připojuji bez zámku, jiný program, "
               "který do souboru zapisuje zároveň, by zápis pomíchal\n"_s
            << puvodni + sedma;
        QTest::newRow("nový soubor na vadný disk")
            << u"vadny-disk"_s << u"vyjmout VELKY.DAT 7 -o N.DAT"_s << 2
            << "N.DAT: zápis se nezdařil: " + eio + "; soubor nevznikl\n"
            << puvodni;
        QTest::newRow("připojení na vadný disk")
            << u"vadny-disk"_s << u"vyjmout VELKY.DAT 7 -o T.DAT --pripojit"_s << 2
            << "T.DAT: chyba při zápisu: " + eio + "; soubor zůstal, jak byl\n"
            << puvodni;
    }
    void souborovySystem() {
        QFETCH(QString, podvrh);
        QFETCH(QString, prikaz);
        QFETCH(int, kod);
        QFETCH(QString, chyby);
        QFETCH(QByteArray, vysledek);
        QProcess proces;
        QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
        prostredi.insert(u"PODVRH"_s, podvrh);
        prostredi.insert(u"LD_PRELOAD"_s, QStringLiteral(VINULA_PODVRH));
        prostredi.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=0:verify_asan_link_order=0"_s);
        proces.setProcessEnvironment(prostredi);
        spust(proces, slozka, prikaz.split(u' '));
        QVERIFY(proces.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(proces.readAllStandardError()), "vinula-mistnosti: " + chyby);
        QCOMPARE(proces.exitCode(), kod);
        QCOMPARE(precti(cesta(u"T.DAT"_s)), vysledek);
        QCOMPARE(docasne(slozka), QStringList());
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
        for (int i = 0; i < behu; ++i) {
            procesy.push_back(std::make_unique<QProcess>());
            spust(*procesy.back(), slozka,
                  {u"vyjmout"_s, u"Z%1.DAT"_s.arg(i), u"1-3000"_s, u"-o"_s, u"T.DAT"_s,
                   u"--pripojit"_s},
                  i % 2 ? puvodni.size() + delka / 2 : -1);
        }
        for (int i = 0; i < behu; ++i) {
            QVERIFY(procesy[i]->waitForFinished(60000));
            QCOMPARE(procesy[i]->exitCode(), i % 2 ? 2 : 0);
        }
        const QByteArray vysledek = precti(cesta(u"T.DAT"_s));
        QCOMPARE(vysledek.size(), puvodni.size() + behu / 2 * delka);
        QVERIFY(vysledek.startsWith(puvodni));
        QList<qsizetype> poradi;
        for (qsizetype od = puvodni.size(); od < vysledek.size(); od += delka) {
            poradi.append(zdroje.indexOf(vysledek.mid(od, delka)));
            QVERIFY2(poradi.last() >= 0, "rooms of several runs mixed");
        }
        std::sort(poradi.begin(), poradi.end());
        QCOMPARE(poradi, (QList<qsizetype>{0, 2, 4}));
    }

    // A refusal names the real reason, not a guess: an empty argument, a
    // name or path too long for the system, a hard link of the source, a
    // name whose bytes are no text; and the command line is the tool's own,
    // whatever Qt would make of it. Each line runs in the shell.
    void duvody_data() {
        QTest::addColumn<QString>("prikaz");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("chyby");
        const QString dlouhy = QString(256, u'x');
        const QString prilisDlouhy = ": název je příliš dlouhý (256 bajtů, nejvýš 255)\n";
        QTest::newRow("prázdný argument") << "seznam ''" << 2 << "prázdný název souboru\n";
        QTest::newRow("dlouhý název") << "seznam " + dlouhy << 2 << dlouhy + prilisDlouhy;
        QTest::newRow("dlouhý název výstupu")
            << "vyjmout T.DAT 1 -o " + dlouhy << 2 << dlouhy + prilisDlouhy;
        // 17 folders of 250 letters: each name fits, the path does not.
        const QString hluboka = QStringList(17, QString(250, u'd')).join(u'/') + u"/N.DAT"_s;
        QTest::newRow("dlouhá cesta ke složce")
            << "vyjmout T.DAT 1 -o " + hluboka << 2
            << hluboka + ": cesta je příliš dlouhá (4272 bajtů)\n";
        QTest::newRow("pevný odkaz zdroje")
            << "vyjmout T.DAT 1 -o H.DAT --pripojit" << 2
            << "H.DAT: výstup je tentýž soubor jako zdroj, zdroj se nemění\n";
        QTest::newRow("odkaz do prázdna")
            << "vyjmout T.DAT 1 -o L.DAT" << 2
            << "L.DAT: na místě výstupního souboru je symbolický odkaz k souboru, který "
               "neexistuje; odkaz se nepřepíše; připojit k němu lze volbou --pripojit\n";
        QTest::newRow("mimo kódování")
            << "seznam \"$(printf 'Star\\351.DAT')\"" << 2
            << "Star?.DAT: název není platný text v kódování systému, soubor s ním nelze "
               "otevřít; přejmenujte ho\n";
        QTest::newRow("-platform") << "obrazek -platform T.DAT -o m.png" << 2
                                   << "neznámá volba „-platform“\n"
                                      "Nápověda: vinula-mistnosti obrazek --help\n";
        QTest::newRow("soubor -reverse") << "obrazek -o m.png -- -reverse" << 0 << QString();
    }
    void duvody() {
        QFETCH(QString, prikaz);
        QFETCH(int, kod);
        QFETCH(QString, chyby);
        const QByteArray zdroj = QFile::encodeName(cesta(u"T.DAT"_s));
        QCOMPARE(::link(zdroj.constData(), QFile::encodeName(cesta(u"H.DAT"_s)).constData()), 0);
        // A name from an old archive, in bytes no text has.
        QCOMPARE(
            ::link(zdroj.constData(), (QFile::encodeName(slozka) + "/Star\xE9.DAT").constData()),
            0);
        QVERIFY(uloz(cesta(u"-reverse"_s), puvodni));
        QVERIFY(QFile::link(u"CHYBI.DAT"_s, cesta(u"L.DAT"_s)));
        // The deep folder is made and taken away one step at a time: its
        // path is too long for a single call.
        const QString puvodniSlozka = QDir::currentPath();
        QVERIFY(QDir::setCurrent(slozka));
        for (int i = 0; i < 17; ++i)
            QVERIFY(QDir().mkdir(QString(250, u'd')) && QDir::setCurrent(QString(250, u'd')));
        const auto uklid = qScopeGuard([&] {
            for (int i = 0; i < 17; ++i)
                QDir::setCurrent(u".."_s), QDir().rmdir(QString(250, u'd'));
            QDir::setCurrent(puvodniSlozka);
        });
        QProcess proces;
        proces.setWorkingDirectory(slozka);
        // Through the shell: QProcess would turn a name into text first.
        proces.start(u"/bin/sh"_s, {u"-c"_s, "exec \"$0\" " + prikaz, VINULA_MISTNOSTI_PATH});
        QVERIFY(proces.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(proces.readAllStandardError()),
                 chyby.isEmpty() ? chyby : "vinula-mistnosti: " + chyby);
        QCOMPARE(proces.exitStatus(), QProcess::NormalExit);
        QCOMPARE(proces.exitCode(), kod);
        QCOMPARE(precti(cesta(u"T.DAT"_s)), puvodni);
        QCOMPARE(QFile::exists(cesta(u"m.png"_s)), kod == 0);
    }
};

QTEST_GUILESS_MAIN(TestZapis)
#include "test_zapis.moc"
