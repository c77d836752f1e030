// What vinula-mistnosti promises about the files it writes, kept while
// something else happens: a stop signal, a file-size limit, another program
// appending to the same file or creating the output meanwhile. The real
// program runs as a process; signals and rivals are real too.

#include "../cekane.h"

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
        if (limit >= 0) {
            const rlimit mez{rlim_t(limit), rlim_t(limit)};
            setrlimit(RLIMIT_FSIZE, &mez);
        }
    });
    proces.start(QStringLiteral(VINULA_MISTNOSTI_PATH), argumenty);
}

QByteArray obsah(const QString &cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool uloz(const QString &cesta, const QByteArray &data) {
    QFile f(cesta);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// `pocet` rooms, each named after `znacka` and its number, so that any room
// out of place shows.
QByteArray mistnosti(const QByteArray &znacka, int pocet) {
    QByteArray data;
    data.reserve(pocet * 650);
    for (int i = 0; i < pocet; ++i)
        data += cekane::zaznam(znacka + QByteArray::number(i), {{0, 5, 1}, {3, 4, 111}});
    return data;
}

// Whatever the program made beside the files named here: its temporary
// files, however it names them.
QStringList docasne(const QString &slozka) {
    QStringList jine = QDir(slozka).entryList(QDir::Files | QDir::Hidden);
    jine.removeIf([](const QString &jmeno) {
        return jmeno == u"VELKY.DAT" || jmeno == u"T.DAT" || jmeno == u"N.DAT" ||
               (jmeno.startsWith(u'Z') && jmeno.endsWith(u".DAT"));
    });
    return jine;
}

qint64 velikost(const QString &cesta) {
    return QFileInfo(cesta).size();
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

bool dobehl(QProcess &proces) {
    return proces.state() == QProcess::NotRunning || proces.waitForFinished(60000);
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
    void initTestCase() {
        QVERIFY(adresar.isValid());
        QVERIFY(uloz(adresar.filePath(u"VELKY.DAT"_s), velky));
    }

    void init() {
        slozka = adresar.filePath(QString::fromLatin1(QTest::currentTestFunction()) + u'-' +
                                  QString::fromUtf8(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(slozka));
        QVERIFY(QFile::link(adresar.filePath(u"VELKY.DAT"_s), cesta(u"VELKY.DAT"_s)));
        QVERIFY(uloz(cesta(u"T.DAT"_s), puvodni));
    }

    // A stop signal that lands while the rooms are being written: an append
    // is cut back to the old length, a new file never appears and leaves no
    // temporary file. When the program was done before the signal came, the
    // round proves nothing and runs again.
    void signalBehemZapisu_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("pripojit");
        QTest::addColumn<QString>("jaky");
        QTest::newRow("Ctrl+C, připojení") << SIGINT << true << u"SIGINT (Ctrl+C)"_s;
        QTest::newRow("SIGTERM, připojení") << SIGTERM << true << u"SIGTERM"_s;
        QTest::newRow("zavřený terminál, nový")
            << SIGHUP << false << u"SIGHUP (terminál se zavřel)"_s;
        QTest::newRow("Ctrl+C, nový") << SIGINT << false << u"SIGINT (Ctrl+C)"_s;
    }
    void signalBehemZapisu() {
        QFETCH(int, signal);
        QFETCH(bool, pripojit);
        QFETCH(QString, jaky);
        const QString cil = pripojit ? u"T.DAT"_s : u"N.DAT"_s;
        QStringList argumenty{u"vyjmout"_s, u"VELKY.DAT"_s, u"1-100000"_s, u"-o"_s, cil};
        if (pripojit)
            argumenty << u"--pripojit"_s;
        bool prokazano = false;
        for (int kolo = 0; kolo < 20 && !prokazano; ++kolo) {
            QFile::remove(cesta(u"N.DAT"_s));
            QVERIFY(uloz(cesta(u"T.DAT"_s), puvodni));
            QProcess proces;
            spust(proces, slozka, argumenty);
            QVERIFY(proces.waitForStarted());
            // Written into, but not done.
            const auto zacal = [&] {
                return pripojit ? velikost(cesta(cil)) > puvodni.size()
                                : piseVystup(proces, slozka);
            };
            while (bezi(proces) && !zacal())
                QTest::qSleep(0);
            // Never pid 0: that would be the test's own process group.
            if (const pid_t pid = pid_t(proces.processId()); pid > 0)
                ::kill(pid, signal);
            QVERIFY(dobehl(proces));
            const QString chyby = QString::fromUtf8(proces.readAllStandardError());
            if (proces.exitStatus() == QProcess::NormalExit && proces.exitCode() == 0)
                continue; // done before the signal
            prokazano = true;
            QCOMPARE(proces.exitStatus(), QProcess::NormalExit);
            QCOMPARE(proces.exitCode(), 2);
            QCOMPARE(proces.readAllStandardOutput(), QByteArray());
            QVERIFY2(
                chyby.startsWith(u"vinula-mistnosti: "_s + cil + u": přerušeno signálem "_s + jaky),
                qPrintable(chyby));
            QCOMPARE(obsah(cesta(u"T.DAT"_s)), puvodni);
            QVERIFY(!QFile::exists(cesta(u"N.DAT"_s)));
            QCOMPARE(docasne(slozka), QStringList());
        }
        QVERIFY2(prokazano, "the program was always done before the signal");
    }

    // A write past the file-size limit raises SIGXFSZ, whose default action
    // ends the program on the spot: the write fails instead, and the file is
    // left as it was.
    void limitVelikosti_data() {
        QTest::addColumn<bool>("pripojit");
        QTest::addColumn<QString>("chyba");
        const QString velikost = u"soubor by přerostl největší dovolenou velikost"_s;
        QTest::newRow("připojení")
            << true << u"T.DAT: chyba při zápisu: "_s + velikost + u"; soubor zůstal, jak byl"_s;
        QTest::newRow("nový") << false
                              << u"N.DAT: zápis se nezdařil: "_s + velikost +
                                     u"; soubor nevznikl"_s;
    }
    void limitVelikosti() {
        QFETCH(bool, pripojit);
        QFETCH(QString, chyba);
        QStringList argumenty{u"vyjmout"_s, u"VELKY.DAT"_s, u"1-3000"_s, u"-o"_s,
                              pripojit ? u"T.DAT"_s : u"N.DAT"_s};
        if (pripojit)
            argumenty << u"--pripojit"_s;
        QProcess proces;
        spust(proces, slozka, argumenty, 1'000'000);
        QVERIFY(dobehl(proces));
        QCOMPARE(proces.exitStatus(), QProcess::NormalExit);
        QCOMPARE(proces.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(proces.readAllStandardError()),
                 u"vinula-mistnosti: "_s + chyba + u'\n');
        QCOMPARE(obsah(cesta(u"T.DAT"_s)), puvodni);
        QVERIFY(!QFile::exists(cesta(u"N.DAT"_s)));
        QCOMPARE(docasne(slozka), QStringList());
    }

    // Another program holds the file (as an append does): the tool says it
    // waits and writes nothing meanwhile. Once the other is done, its room
    // stays and the tool's rooms follow it; a stop signal while waiting
    // leaves the file as the other left it.
    void cekaNaZamek_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("dočká se") << 0;
        QTest::newRow("Ctrl+C při čekání") << SIGINT;
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
        QCOMPARE(obsah(cesta(u"T.DAT"_s)), puvodni);
        const QByteArray jeho = cekane::zaznam("jeho");
        QCOMPARE(jiny.write(jeho), jeho.size());
        if (signal != 0) {
            QVERIFY(proces.processId() > 0);
            ::kill(pid_t(proces.processId()), signal);
            QVERIFY(proces.waitForFinished(30000));
            QCOMPARE(proces.exitCode(), 2);
            QVERIFY(proces.readAllStandardError().contains("přerušeno signálem"));
            QCOMPARE(obsah(cesta(u"T.DAT"_s)), puvodni + jeho);
            return;
        }
        jiny.close();
        QVERIFY(proces.waitForFinished(30000));
        QCOMPARE(proces.readAllStandardError(), QByteArray());
        QCOMPARE(QString::fromUtf8(proces.readAllStandardOutput()),
                 u"T.DAT: připojeny místnosti č. 4–5\n"_s);
        QCOMPARE(proces.exitCode(), 0);
        QCOMPARE(obsah(cesta(u"T.DAT"_s)),
                 puvodni + jeho + velky.mid(6 * 650, 650) + velky.mid(4 * 650, 650));
    }

    // Several programs append to one file at once; every other one fails at
    // its file-size limit part way. The file ends up holding the old rooms
    // and, whole and one after another, exactly the rooms of each run that
    // succeeded: nobody's rooms are mixed into another's or cut away.
    void soubeznaPripojeni() {
        constexpr int behu = 6;
        constexpr int mistnostiBehu = 3000;
        QList<QByteArray> zdroje;
        std::vector<std::unique_ptr<QProcess>> procesy;
        for (int i = 0; i < behu; ++i) {
            zdroje.append(mistnosti("beh " + QByteArray::number(i) + " c. ", mistnostiBehu));
            QVERIFY(uloz(cesta(u"Z%1.DAT"_s.arg(i)), zdroje.last()));
        }
        for (int i = 0; i < behu; ++i) {
            procesy.push_back(std::make_unique<QProcess>());
            spust(*procesy.back(), slozka,
                  {u"vyjmout"_s, u"Z%1.DAT"_s.arg(i), u"1-%1"_s.arg(mistnostiBehu), u"-o"_s,
                   u"T.DAT"_s, u"--pripojit"_s},
                  i % 2 ? puvodni.size() + mistnostiBehu * 650 / 2 : -1);
        }
        QByteArray ocekavane = puvodni;
        for (int i = 0; i < behu; ++i) {
            QVERIFY(procesy[i]->waitForFinished(60000));
            QCOMPARE(procesy[i]->exitCode(), i % 2 ? 2 : 0);
        }
        const QByteArray vysledek = obsah(cesta(u"T.DAT"_s));
        QCOMPARE(vysledek.size(), puvodni.size() + behu / 2 * mistnostiBehu * 650);
        QVERIFY(vysledek.startsWith(puvodni));
        QList<int> poradi;
        for (qsizetype od = puvodni.size(); od < vysledek.size(); od += mistnostiBehu * 650) {
            const auto kdo =
                std::find(zdroje.cbegin(), zdroje.cend(), vysledek.mid(od, mistnostiBehu * 650));
            QVERIFY2(kdo != zdroje.cend(), "rooms of several runs mixed");
            poradi.append(int(kdo - zdroje.cbegin()));
        }
        std::sort(poradi.begin(), poradi.end());
        QCOMPARE(poradi, (QList<int>{0, 2, 4}));
    }

    // A file that another program creates at the output's name while the
    // tool writes is never replaced: the tool fails, its temporary file
    // goes. When the tool was done first, the round runs again.
    void vystupMezitimVznikl() {
        bool uprostred = false;
        for (int kolo = 0; kolo < 20 && !uprostred; ++kolo) {
            QFile::remove(cesta(u"N.DAT"_s));
            QProcess proces;
            spust(proces, slozka,
                  {u"vyjmout"_s, u"VELKY.DAT"_s, u"1-100000"_s, u"-o"_s, u"N.DAT"_s});
            QVERIFY(proces.waitForStarted());
            while (bezi(proces) && !piseVystup(proces, slozka))
                QTest::qSleep(0);
            QFile jiny(cesta(u"N.DAT"_s));
            uprostred = bezi(proces) && jiny.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                        jiny.write("jiny") == 4;
            jiny.close();
            QVERIFY(dobehl(proces));
            if (!uprostred)
                continue;
            QCOMPARE(proces.exitCode(), 2);
            QCOMPARE(QString::fromUtf8(proces.readAllStandardError()),
                     u"vinula-mistnosti: N.DAT: výstupní soubor mezitím vytvořil jiný program; "
                     "nepřepíše se a tento soubor nevznikl\n"_s);
            QCOMPARE(obsah(cesta(u"N.DAT"_s)), QByteArray("jiny"));
            QCOMPARE(docasne(slozka), QStringList());
        }
        QVERIFY2(uprostred, "the program was always done first");
    }

    // A refusal names the real reason, not a guess: an empty argument, a
    // name or path too long for the system, a hard link of the source, a
    // name whose bytes are no text; and the command line is the tool's own,
    // whatever Qt would make of it.
    void duvody_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("chyby");
        const QString dlouhy = QString(256, u'x');
        QTest::newRow("prázdný argument") << QStringList{u"seznam"_s, QString()} << 2
                                          << u"vinula-mistnosti: prázdný název souboru\n"_s;
        QTest::newRow("dlouhý název")
            << QStringList{u"seznam"_s, dlouhy} << 2
            << u"vinula-mistnosti: "_s + dlouhy +
                   u": název je příliš dlouhý (256 bajtů, nejvýš 255)\n"_s;
        QTest::newRow("dlouhý název výstupu")
            << QStringList{u"vyjmout"_s, u"T.DAT"_s, u"1"_s, u"-o"_s, dlouhy} << 2
            << u"vinula-mistnosti: "_s + dlouhy +
                   u": název je příliš dlouhý (256 bajtů, nejvýš 255)\n"_s;
        // 17 folders of 250 letters: each name fits, the path does not.
        const QString hluboka = QStringList(17, QString(250, u'd')).join(u'/') + u"/N.DAT"_s;
        QTest::newRow("dlouhá cesta ke složce")
            << QStringList{u"vyjmout"_s, u"T.DAT"_s, u"1"_s, u"-o"_s, hluboka} << 2
            << u"vinula-mistnosti: "_s + hluboka + u": cesta je příliš dlouhá (4272 bajtů)\n"_s;
        QTest::newRow("pevný odkaz zdroje")
            << QStringList{u"vyjmout"_s, u"T.DAT"_s, u"1"_s, u"-o"_s, u"H.DAT"_s, u"--pripojit"_s}
            << 2
            << u"vinula-mistnosti: H.DAT: výstup je tentýž soubor jako zdroj, zdroj se nemění\n"_s;
        QTest::newRow("-platform")
            << QStringList{u"obrazek"_s, u"-platform"_s, u"T.DAT"_s, u"-o"_s, u"m.png"_s} << 2
            << u"vinula-mistnosti: neznámá volba „-platform“\n"
               "Nápověda: vinula-mistnosti obrazek --help\n"_s;
        QTest::newRow("soubor -reverse")
            << QStringList{u"obrazek"_s, u"-o"_s, u"m.png"_s, u"--"_s, u"-reverse"_s} << 0
            << QString();
    }
    void duvody() {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, chyby);
        QCOMPARE(::link(QFile::encodeName(cesta(u"T.DAT"_s)).constData(),
                        QFile::encodeName(cesta(u"H.DAT"_s)).constData()),
                 0);
        QVERIFY(uloz(cesta(u"-reverse"_s), puvodni));
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
        spust(proces, slozka, argumenty);
        QVERIFY(dobehl(proces));
        QCOMPARE(QString::fromUtf8(proces.readAllStandardError()), chyby);
        QCOMPARE(proces.exitStatus(), QProcess::NormalExit);
        QCOMPARE(proces.exitCode(), kod);
        QCOMPARE(obsah(cesta(u"T.DAT"_s)), puvodni);
        QCOMPARE(QFile::exists(cesta(u"m.png"_s)), kod == 0);
    }

    // A file name whose bytes are no text in the system's encoding (a name
    // from an old archive) cannot be opened under any text: that is the
    // reason given, not that the file is missing.
    void nazevMimoKodovani() {
        const QByteArray jmeno = "Star\xE9.DAT";
        const QByteArray plna = QFile::encodeName(slozka) + '/' + jmeno;
        QFile soubor;
        const int f = ::open(plna.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(f >= 0 && soubor.open(f, QIODevice::WriteOnly, QFile::AutoCloseHandle));
        QCOMPARE(soubor.write(puvodni), puvodni.size());
        soubor.close();
        QProcess proces;
        proces.setWorkingDirectory(slozka);
        // Through the shell: QProcess would turn the name into text first.
        proces.start(u"/bin/sh"_s, {u"-c"_s, u"exec \"$0\" seznam \"$(printf 'Star\\351.DAT')\""_s,
                                    QStringLiteral(VINULA_MISTNOSTI_PATH)});
        QVERIFY(dobehl(proces));
        QCOMPARE(QString::fromUtf8(proces.readAllStandardError()),
                 u"vinula-mistnosti: Star?.DAT: název není platný text v kódování systému, "
                 "soubor s ním nelze otevřít; přejmenujte ho\n"_s);
        QCOMPARE(proces.exitCode(), 2);
    }
};

QTEST_GUILESS_MAIN(TestZapis)
#include "test_zapis.moc"
