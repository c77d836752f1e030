// Rooms to Tiled and back, checked with the real Tiled: the exported files
// as Tiled itself reads and writes them, tmxrasterizer against obrazek
// pixel for pixel, maps that Tiled saved again (in every layer encoding)
// coming back byte for byte, and every refusal leaving its folder as it was.

#include "../cekane.h"
#include "../proces.h"
#include "preruseni.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <zlib.h>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

using namespace Qt::StringLiterals;
using cekane::zaznam;
using Soubory = QMap<QString, QByteArray>;

namespace {

using proces::Beh;

// Tiled's programs on the offscreen platform, with settings of their own.
Beh spust(const QString &slozka, const QString &program, const QStringList &argumenty) {
    static QTemporaryDir domov;
    QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
    prostredi.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    for (const QString &promenna : {u"HOME"_s, u"XDG_CONFIG_HOME"_s, u"XDG_RUNTIME_DIR"_s})
        prostredi.insert(promenna, domov.path());
    return proces::spust(program, slozka, argumenty, -1, proces::Ven::roura, prostredi);
}

Beh mistnosti(const QString &slozka, const QStringList &argumenty, qint64 limit = -1) {
    return proces::spust(QStringLiteral(VINULA_MISTNOSTI_PATH), slozka, argumenty, limit);
}

QByteArray precti(const QString &cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool uloz(const QString &cesta, const QByteArray &data) {
    QDir().mkpath(QFileInfo(cesta).absolutePath());
    QFile f(cesta);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// Every file and folder below `slozka`, by its path from there.
Soubory obsah(const QString &slozka) {
    Soubory soubory;
    QDirIterator it(slozka, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString cesta = it.next();
        soubory[QDir(slozka).relativeFilePath(cesta)] =
            it.fileInfo().isDir() ? "<složka>" : precti(cesta);
    }
    return soubory;
}

// The rooms: every catalogue item in room 1, whose name XML must escape;
// every code outside the catalogue in room 2, whose name has a line break;
// a name of exactly 50 characters in room 3. Names in Windows-1250.
bool vKatalogu(int kod) {
    return kod <= 1 || (kod >= 50 && kod <= 58) || (kod >= 100 && kod <= 162);
}

// The record with the codes 2 to 255 that `ber` takes, 28 to a row from
// cell (1, y).
QByteArray sKody(QByteArray r, int y, bool ber(int)) {
    for (int kod = 2, i = 0; kod < 256; ++kod)
        if (ber(kod)) {
            r[50 + 20 * (1 + i % 28) + y + i / 28] = char(kod);
            ++i;
        }
    return r;
}

const QByteArray r1 = sKody(zaznam("Jeskyn\xEC \"a\" <b> & \xF8", {{0, 5, 1}}), 1, vKatalogu);
const QByteArray r2 = sKody(zaznam("Ciz\xED\n", {{29, 19, 1}, {10, 10, 100}}), 2,
                            [](int kod) { return !vKatalogu(kod); });
const QByteArray r3 =
    zaznam("Sklep \x9E\x61" + QByteArray(41, 'x') + '!', {{14, 0, 1}, {3, 4, 111}, {4, 4, 55}});
const QByteArray hra = r1 + r2 + r3;

// GIDs by the palette's layout, one tileset of 15 columns from GID 1: the
// vinula at row 0 column 0, zeď modrá (52) at column 4.
constexpr quint32 gidVinuly = 1, gidZdi52 = 5;

const QRegularExpression reData(u"<data[^>]*>.*</data>"_s,
                                QRegularExpression::DotMatchesEverythingOption);

// The GIDs of a map's CSV layer.
QList<quint32> gidy(const QByteArray &tmx) {
    const QString data = reData.match(QString::fromUtf8(tmx)).captured();
    QList<quint32> vysledek;
    for (const QString &cislo : data.sliced(data.indexOf(u'>') + 1).chopped(7).split(u','))
        vysledek << cislo.trimmed().toUInt();
    return vysledek;
}

// The map with its layer data written anew: as CSV, base64 (of 32-bit
// little-endian GIDs), base64 of zlib or gzip data, or one <tile> a cell.
QByteArray sDaty(const QByteArray &tmx, const QList<quint32> &g, const QString &kodovani) {
    QByteArray bajty, data;
    for (const quint32 gid : g)
        bajty += QByteArray(reinterpret_cast<const char *>(&gid), 4); // little-endian host
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    QString atributy = u" encoding=\"base64\""_s;
    if (kodovani == u"csv") {
        atributy = u" encoding=\"csv\""_s;
        QStringList radky;
        for (int y = 0; y < 20; ++y) {
            QStringList radek;
            for (int x = 0; x < 30; ++x)
                radek << QString::number(g[30 * y + x]);
            radky << radek.join(u',');
        }
        data = '\n' + radky.join(u",\n"_s).toLatin1() + '\n';
    } else if (kodovani == u"xml") {
        atributy.clear();
        for (const quint32 gid : g)
            data += "<tile gid=\"" + QByteArray::number(gid) + "\"/>";
    } else if (kodovani == u"base64") {
        data = bajty.toBase64();
    } else if (kodovani == u"zlib") {
        atributy += u" compression=\"zlib\""_s;
        data = qCompress(bajty).sliced(4).toBase64(); // without Qt's length
    } else {
        atributy += u" compression=\""_s + kodovani + u'"';
        z_stream proud{};
        QByteArray gzip(4096, Qt::Uninitialized);
        deflateInit2(&proud, 9, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
        proud.next_in = reinterpret_cast<Bytef *>(bajty.data());
        proud.avail_in = uInt(bajty.size());
        proud.next_out = reinterpret_cast<Bytef *>(gzip.data());
        proud.avail_out = uInt(gzip.size());
        deflate(&proud, Z_FINISH);
        gzip.truncate(qsizetype(proud.total_out));
        deflateEnd(&proud);
        data = gzip.toBase64();
    }
    return QString::fromUtf8(tmx)
        .replace(reData, u"<data"_s + atributy + u'>' + QString::fromLatin1(data) + u"</data>"_s)
        .toUtf8();
}

// The map with these cells set to these GIDs.
QByteArray sBunkami(const QByteArray &tmx, std::initializer_list<cekane::Bunka> bunky) {
    QList<quint32> g = gidy(tmx);
    for (const auto &[x, y, gid] : bunky)
        g[30 * y + x] = quint32(gid);
    return sDaty(tmx, g, u"csv"_s);
}

QByteArray nahrad(QByteArray text, const QByteArray &co, const QByteArray &cim) {
    return text.replace(co, cim);
}

QImage obraz(const QString &cesta) {
    return QImage(cesta).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestTiled : public QObject {
    Q_OBJECT
    QTemporaryDir zaklad_; // HRA.DAT and its export in mapy/, made once
    std::unique_ptr<QTemporaryDir> adresar_;
    QString slozka;

    QString mapy() const { return zaklad_.filePath(u"mapy"_s); }
    QByteArray mapa(int n) const { return precti(mapy() + u"/000%1.tmx"_s.arg(n)); }

private slots:
    void initTestCase() {
        QVERIFY(zaklad_.isValid());
        QVERIFY(uloz(zaklad_.filePath(u"HRA.DAT"_s), hra));
        const Beh beh =
            mistnosti(zaklad_.path(), {u"do-tiled"_s, u"HRA.DAT"_s, u"-o"_s, u"mapy"_s});
        QCOMPARE(beh.chyby, QString());
        QCOMPARE(beh.ven, u"mapy: 3 mapy 0001.tmx–0003.tmx, sada dlaždic vinula.tsx a "
                          "mimo-katalog.tsx, svět mistnosti.world\n"_s);
        QCOMPARE(beh.kod, 0);
        QCOMPARE(spust(zaklad_.path(), u"tiled"_s,
                       {u"--export-map"_s, u"json"_s, u"mapy/0001.tmx"_s, u"0001.tmj"_s})
                     .kod,
                 0);
    }

    // Each test works on a copy of the export, its maps and tilesets only.
    void init() {
        adresar_ = std::make_unique<QTemporaryDir>();
        QVERIFY(adresar_->isValid());
        slozka = adresar_->path();
        const Soubory soubory = obsah(mapy());
        for (auto it = soubory.cbegin(); it != soubory.cend(); ++it)
            QVERIFY(uloz(slozka + u'/' + it.key(), it.value()));
    }

    // The export holds exactly the planned files; Tiled reads every map and
    // tileset and writes each again exactly as we wrote it (but for the
    // version of Tiled, which we do not claim); only the map of room 2 needs
    // the second tileset.
    void vTiledu() {
        QCOMPARE(obsah(mapy()).keys(),
                 (QStringList{u"0001.tmx"_s, u"0002.tmx"_s, u"0003.tmx"_s, u"mimo-katalog.png"_s,
                              u"mimo-katalog.tsx"_s, u"mistnosti.world"_s, u"vinula.png"_s,
                              u"vinula.tsx"_s}));
        const QRegularExpression verze(u" tiledversion=\"[^\"]*\""_s);
        for (const QString &soubor : {u"0001.tmx"_s, u"0002.tmx"_s, u"0003.tmx"_s, u"vinula.tsx"_s,
                                      u"mimo-katalog.tsx"_s}) {
            const bool sada = soubor.endsWith(u".tsx"_s);
            const Beh beh = spust(slozka, u"tiled"_s,
                                  {sada ? u"--export-tileset"_s : u"--export-map"_s,
                                   sada ? u"tsx"_s : u"tmx"_s, soubor, u"znovu-"_s + soubor});
            QCOMPARE(beh.kod, 0);
            const QString znovu = QString::fromUtf8(precti(slozka + u"/znovu-"_s + soubor));
            QCOMPARE(QString(znovu).remove(verze),
                     QString::fromUtf8(precti(slozka + u'/' + soubor)));
        }
        QCOMPARE(mapa(1).contains("mimo-katalog.tsx"), false);
        QCOMPARE(mapa(2).contains("mimo-katalog.tsx"), true);
        QCOMPARE(mapa(3).contains("mimo-katalog.tsx"), false);
    }

    // The world lists every map in order, and tmxrasterizer draws it as
    // obrazek draws each room (every catalogue code and every other one),
    // the rooms side by side one tile apart, transparent in between.
    void svet() {
        const QJsonArray seznam =
            QJsonDocument::fromJson(precti(slozka + u"/mistnosti.world"_s))["maps"].toArray();
        QStringList jmena;
        for (const QJsonValue &mapa : seznam)
            jmena << mapa["fileName"].toString();
        QCOMPARE(jmena, (QStringList{u"0001.tmx"_s, u"0002.tmx"_s, u"0003.tmx"_s}));

        QVERIFY(uloz(slozka + u"/HRA.DAT"_s, hra));
        QImage cekany(3 * 600 + 2 * 20, 400, QImage::Format_ARGB32);
        cekany.fill(Qt::transparent);
        for (int n = 1; n <= 3; ++n) {
            const QString png = u"m%1.png"_s.arg(n);
            QCOMPARE(
                mistnosti(slozka, {u"obrazek"_s, u"HRA.DAT"_s, QString::number(n), u"-o"_s, png})
                    .kod,
                0);
            QPainter(&cekany).drawImage(620 * (n - 1), 0, obraz(slozka + u'/' + png));
        }
        QCOMPARE(spust(slozka, u"tmxrasterizer"_s, {u"mistnosti.world"_s, u"svet.png"_s}).kod, 0);
        QCOMPARE(obraz(slozka + u"/svet.png"_s), cekany);
    }

    // Maps saved again by Tiled (as TMX or JSON, with the tilesets embedded
    // or not) and the layer in each encoding come back byte for byte; so do
    // maps whose tilesets were renamed, moved and saved as JSON.
    void zpet_data() {
        QTest::addColumn<QString>("kodovani");
        QTest::addColumn<QString>("format"); // how Tiled saves the maps again; "" not at all
        QTest::addColumn<bool>("vlozit");
        QTest::addColumn<bool>("presunout");
        QTest::newRow("jak je") << u"csv"_s << QString() << false << false;
        QTest::newRow("TMX z Tiledu") << u"csv"_s << u"tmx"_s << false << false;
        QTest::newRow("JSON z Tiledu") << u"csv"_s << u"json"_s << false << false;
        QTest::newRow("TMX s vloženými sadami") << u"csv"_s << u"tmx"_s << true << false;
        QTest::newRow("JSON s vloženými sadami") << u"csv"_s << u"json"_s << true << false;
        for (const QString &kodovani : {u"base64"_s, u"zlib"_s, u"gzip"_s})
            for (const QString &format : {u"tmx"_s, u"json"_s})
                QTest::addRow("%s, %s z Tiledu", qPrintable(kodovani), qPrintable(format))
                    << kodovani << format << false << false;
        QTest::newRow("xml, TMX z Tiledu") << u"xml"_s << u"tmx"_s << false << false;
        QTest::newRow("sady přesunuté, JSON") << u"csv"_s << QString() << false << true;
    }

    void zpet() {
        QFETCH(QString, kodovani);
        QFETCH(QString, format);
        QFETCH(bool, vlozit);
        QFETCH(bool, presunout);
        if (presunout) {
            // The tileset under another name in another folder, saved by
            // Tiled as JSON, its picture renamed too.
            QVERIFY(QDir(slozka).mkdir(u"sady"_s));
            QVERIFY(QFile::rename(slozka + u"/vinula.png"_s, slozka + u"/sady/obr.png"_s));
            QVERIFY(uloz(slozka + u"/sady/moje.tsx"_s,
                         nahrad(precti(slozka + u"/vinula.tsx"_s), "vinula.png", "obr.png")));
            QCOMPARE(spust(slozka + u"/sady"_s, u"tiled"_s,
                           {u"--export-tileset"_s, u"json"_s, u"moje.tsx"_s, u"moje.json"_s})
                         .kod,
                     0);
            QVERIFY(QFile::remove(slozka + u"/vinula.tsx"_s));
            QVERIFY(QFile::remove(slozka + u"/sady/moje.tsx"_s));
        }
        QStringList argumenty{u"z-tiled"_s};
        for (int n = 1; n <= 3; ++n) {
            QByteArray tmx = sDaty(mapa(n), gidy(mapa(n)), kodovani);
            if (presunout)
                tmx = nahrad(tmx, "\"vinula.tsx\"", "\"sady/moje.json\"");
            const QString jmeno = u"k%1.tmx"_s.arg(n);
            QVERIFY(uloz(slozka + u'/' + jmeno, tmx));
            if (format.isEmpty()) {
                argumenty << jmeno;
                continue;
            }
            const QString znovu = u"t%1.%2"_s.arg(n).arg(format == u"json" ? u"tmj"_s : format);
            QStringList export_{u"--export-map"_s, format, jmeno, znovu};
            if (vlozit)
                export_.prepend(u"--embed-tilesets"_s);
            QCOMPARE(spust(slozka, u"tiled"_s, export_).kod, 0);
            if (kodovani != u"csv")
                QVERIFY(precti(slozka + u'/' + znovu).contains("base64") != (kodovani == u"xml"));
            argumenty << znovu;
        }
        const Beh beh = mistnosti(slozka, argumenty << u"-o"_s << u"Z.DAT"_s);
        QCOMPARE(beh.chyby, QString());
        QCOMPARE(beh.ven, u"Z.DAT: vytvořen, místnosti č. 1–3\n"_s);
        QCOMPARE(precti(slozka + u"/Z.DAT"_s), hra);
    }

    // A cell painted with another item and one erased, in the map's text and
    // then saved by Tiled as JSON, arrive in the room and nothing else
    // changes; appended to a room file, after its rooms. A map without the
    // name property takes its file's name.
    void uprava() {
        QVERIFY(uloz(slozka + u"/u.tmx"_s, sBunkami(mapa(1), {{3, 4, gidZdi52}, {5, 1, 0}})));
        QCOMPARE(
            spust(slozka, u"tiled"_s, {u"--export-map"_s, u"json"_s, u"u.tmx"_s, u"u.tmj"_s}).kod,
            0);
        const QRegularExpression nazev(u"<properties>.*</properties>\n "_s,
                                       QRegularExpression::DotMatchesEverythingOption);
        QVERIFY(uloz(slozka + u"/Sklep.tmx"_s, QString::fromUtf8(mapa(3)).remove(nazev).toUtf8()));
        QVERIFY(uloz(slozka + u"/DOBRY.DAT"_s, r2));
        const Beh beh = mistnosti(slozka, {u"z-tiled"_s, u"u.tmj"_s, u"Sklep.tmx"_s, u"-o"_s,
                                           u"DOBRY.DAT"_s, u"--pripojit"_s});
        QCOMPARE(beh.chyby, QString());
        QCOMPARE(beh.ven, u"DOBRY.DAT: připojeny místnosti č. 2–3\n"_s);
        QByteArray upravena = r1;
        upravena[50 + 20 * 3 + 4] = 52;
        upravena[50 + 20 * 5 + 1] = 0;
        QCOMPARE(precti(slozka + u"/DOBRY.DAT"_s),
                 r2 + upravena + zaznam("Sklep").first(50) + r3.sliced(50));
    }

    // Each refusal names the map and the reason; nothing is written and
    // nothing appended. The folder also holds a tileset without the marker,
    // a room file and a file that is none.
    void odmitnuti_data() {
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<QByteArray>("mapa");
        QTest::addColumn<QStringList>("dalsi"); // after -o: the output, more maps
        QTest::addColumn<QString>("chyby");
        const QString nevznikl = u"vinula-mistnosti: Z.DAT: výstupní soubor nevznikl\n"_s;
        const QStringList z{u"Z.DAT"_s};
        const auto spatna = [&](const char *radek, const QByteArray &mapa, const QString &duvod,
                                const QString &jmeno = u"m.tmx"_s) {
            QTest::newRow(radek) << jmeno << mapa << z
                                 << u"vinula-mistnosti: "_s + jmeno + u": "_s + duvod + u'\n' +
                                        nevznikl;
        };
        const QByteArray m1 = mapa(1), m3 = mapa(3);
        const auto vBunce34 = [&m1](quint32 gid) { return sBunkami(m1, {{3, 4, int(gid)}}); };
        const auto sDalsiSadou = [&](const char *soubor) {
            return nahrad(vBunce34(400), "source=\"vinula.tsx\"/>",
                          "source=\"vinula.tsx\"/>\n <tileset firstgid=\"400\" source=\"" +
                              QByteArray(soubor) + "\"/>");
        };
        const auto sNazvem = [&m1](const QByteArray &nazev) {
            return nahrad(m1, "value=\"Jesky", "value=\"" + nazev + "\" x=\"");
        };
        const auto json = [this](const std::function<void(QJsonObject &)> &zmen) {
            QJsonObject mapa =
                QJsonDocument::fromJson(precti(zaklad_.filePath(u"0001.tmj"_s))).object();
            zmen(mapa);
            return QJsonDocument(mapa).toJson();
        };
        const auto vrstva = [](QJsonObject &mapa, const std::function<void(QJsonObject &)> &zmen) {
            QJsonArray vrstvy = mapa["layers"_L1].toArray();
            QJsonObject prvni = vrstvy[0].toObject();
            zmen(prvni);
            vrstvy[0] = prvni;
            mapa["layers"_L1] = vrstvy;
        };

        spatna("není mapa", "Vinula\n", u"není to mapa Tiledu (TMX ani JSON)"_s);
        spatna("sada místo mapy", precti(mapy() + u"/vinula.tsx"_s),
               u"není to mapa Tiledu: hlavní prvek je <tileset>, ne <map>"_s);
        spatna("široká",
               nahrad(m1, "width=\"30\" height=\"20\" tile", "width=\"31\" height=\"20\" tile"),
               u"mapa má 31 × 20 dlaždic, místnost má 30 × 20"_s);
        spatna("nekonečná", nahrad(m1, "infinite=\"0\"", "infinite=\"1\""),
               u"mapa je nekonečná; místnost má pevnou plochu 30 × 20"_s);
        spatna("izometrická", nahrad(m1, "orthogonal", "isometric"),
               u"mapa není pravoúhlá: orientace „isometric“, místnost potřebuje „orthogonal“"_s);
        spatna("bez vrstvy",
               QString::fromUtf8(m1)
                   .remove(QRegularExpression(u"<layer.*</layer>"_s,
                                              QRegularExpression::DotMatchesEverythingOption))
                   .toUtf8(),
               u"mapa nemá žádnou vrstvu dlaždic"_s);
        spatna("druhá vrstva ve skupině",
               nahrad(m1, "</layer>",
                      "</layer>\n <group id=\"2\" name=\"g\"><layer id=\"3\" name=\"druhá\" "
                      "width=\"30\" height=\"20\"><data encoding=\"csv\"/></layer></group>"),
               u"mapa má víc než jednu vrstvu dlaždic (druhá je „druhá“), místnost se čte z "
               "jediné"_s);
        spatna("užší vrstva",
               nahrad(m1, "name=\"místnost\" width=\"30\"", "name=\"místnost\" width=\"29\""),
               u"vrstva „místnost“ má 29 × 20 dlaždic, místnost má 30 × 20"_s);
        spatna("cizí sada", sDalsiSadou("cizi.tsx"),
               u"dlaždice na (3, 4) je ze sady „cizi.tsx“, která není sadou Vinuly (nemá "
               "vlastnost „vinula“)"_s);
        spatna("chybějící sada", sDalsiSadou("chybi.tsx"),
               u"dlaždice na (3, 4) je ze sady „chybi.tsx“, kterou nelze přečíst: soubor "
               "neexistuje"_s);
        spatna("prázdné místo sady", vBunce34(2),
               u"dlaždice na (3, 4) (č. 1 sady „vinula.tsx“) nemá vlastnost „kod“, nepatří "
               "žádnému předmětu"_s);
        spatna("za koncem sady", vBunce34(106 + 20),
               u"dlaždice na (3, 4) leží za koncem sady „vinula.tsx“, která má 105 dlaždic"_s);
        spatna("převrácená", vBunce34(0x80000000u | gidZdi52),
               u"dlaždice na (3, 4) je otočená nebo převrácená; předměty mají jen jednu podobu"_s);
        spatna("zstd",
               QString::fromUtf8(m1)
                   .replace(reData, u"<data encoding=\"base64\" compression=\"zstd\">"
                                    "KLUv/QBYAQA=</data>"_s)
                   .toUtf8(),
               u"data vrstvy jsou komprimovaná zstd, to vinula-mistnosti neumí; v Tiledu "
               "zvolte ve vlastnostech mapy jiný formát vrstvy (Tile Layer Format), např. CSV"_s);
        spatna("poškozená zlib",
               QString::fromUtf8(m1)
                   .replace(reData, u"<data encoding=\"base64\" compression=\"zlib\">"
                                    "eJxjZGBg</data>"_s)
                   .toUtf8(),
               u"komprimovaná data vrstvy jsou poškozená nebo neúplná"_s);
        spatna("601 dlaždic", nahrad(m1, "\n</data>", ",13\n</data>"),
               u"vrstva má víc než 600 dlaždic, místnost 30 × 20 jich má 600"_s);
        spatna("dlouhý název", sNazvem(QByteArray(51, 'a')),
               u"název místnosti má 51 znaků, vejde se nejvýš 50"_s);
        spatna("název mimo 1250", sNazvem("a\xE4\xB8\xAD"),
               u"název místnosti obsahuje znak „中“, který Windows-1250 nezná"_s);
        spatna("bez vinuly", sBunkami(m1, {{0, 5, 0}}), u"Nenadefinována žádná vinula!"_s);
        spatna("vinula uvnitř", sBunkami(m3, {{14, 0, 0}, {5, 5, gidVinuly}}),
               u"vinula na (5, 5) není na okraji plochy; editor ji dovolí jen na krajní buňky"_s);
        spatna("JSON: 599 dlaždic", json([&](QJsonObject &m) {
                   vrstva(m, [](QJsonObject &v) {
                       QJsonArray data = v["data"_L1].toArray();
                       data.removeLast();
                       v["data"_L1] = data;
                   });
               }),
               u"vrstva má 599 dlaždic, místnost 30 × 20 jich má 600"_s, u"m.tmj"_s);
        spatna("JSON: název číslem", json([](QJsonObject &m) {
                   m["properties"_L1] = QJsonArray{QJsonObject{
                       {u"name"_s, u"nazev"_s}, {u"type"_s, u"int"_s}, {u"value"_s, 5}}};
               }),
               u"vlastnost „nazev“ mapy má typ „int“, název místnosti je text (string)"_s,
               u"m.tmj"_s);
        // Appending: nothing is appended, not even the good map's room, and
        // only to a room file.
        QTest::newRow("připojit chybnou a dobrou")
            << u"m.tmx"_s << sBunkami(m1, {{0, 5, 0}})
            << QStringList{u"DOBRY.DAT"_s, u"--pripojit"_s, u"0003.tmx"_s}
            << u"vinula-mistnosti: m.tmx: Nenadefinována žádná "
               "vinula!\nvinula-mistnosti: DOBRY.DAT: nic se "
               "nepřipojilo\n"_s;
        QTest::newRow("připojit k nesouboru")
            << u"m.tmx"_s << m1 << QStringList{u"NECELY.DAT"_s, u"--pripojit"_s}
            << u"vinula-mistnosti: NECELY.DAT: délka 651 bajtů není násobkem 650, není to "
               "soubor místností; nic se nepřipojilo\n"_s;
        QTest::newRow("výstup existuje")
            << u"m.tmx"_s << m1 << QStringList{u"DOBRY.DAT"_s}
            << u"vinula-mistnosti: DOBRY.DAT: výstupní soubor už existuje a nepřepíše se; "
               "připojit k němu lze volbou --pripojit\n"_s;
    }

    void odmitnuti() {
        QFETCH(QString, jmeno);
        QFETCH(QByteArray, mapa);
        QFETCH(QStringList, dalsi);
        QFETCH(QString, chyby);
        QVERIFY(uloz(slozka + u"/cizi.tsx"_s,
                     nahrad(precti(slozka + u"/vinula.tsx"_s), "name=\"vinula\"", "name=\"x\"")));
        QVERIFY(uloz(slozka + u"/DOBRY.DAT"_s, r3));
        QVERIFY(uloz(slozka + u"/NECELY.DAT"_s, r3 + 'x'));
        QVERIFY(uloz(slozka + u'/' + jmeno, mapa));
        const Soubory predtim = obsah(slozka);
        const Beh beh = mistnosti(slozka, QStringList{u"z-tiled"_s, jmeno, u"-o"_s} + dalsi);
        QCOMPARE(beh.chyby, chyby);
        QCOMPARE(beh.ven, QString());
        QCOMPARE(beh.kod, 2);
        QCOMPARE(obsah(slozka), predtim);
    }

    // do-tiled writes nothing when any of its files is there already, when
    // a room's name cannot stand in XML or the output is no folder; a write
    // that fails part way takes away what the run wrote, the folder too.
    void doTiledOdmitnuti_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<QString>("predem"); // a file there before
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QString>("chyby");
        QTest::addColumn<QString>("konec");
        const QStringList doMap{u"do-tiled"_s, u"HRA.DAT"_s, u"-o"_s, u"mapy"_s};
        QTest::newRow("mapa už je")
            << doMap << u"mapy/0002.tmx"_s << qint64(-1)
            << u"vinula-mistnosti: mapy/0002.tmx: výstupní soubor už existuje a nepřepíše "
               "se; nic se nezapsalo\n"_s
            << QString();
        QTest::newRow("výstup není složka")
            << QStringList{u"do-tiled"_s, u"HRA.DAT"_s, u"-o"_s, u"HRA.DAT"_s} << QString()
            << qint64(-1) << u"vinula-mistnosti: HRA.DAT: není složka; nic se nezapsalo\n"_s
            << QString();
        QTest::newRow("řídicí znak v názvu")
            << QStringList{u"do-tiled"_s, u"ZLY.DAT"_s, u"-o"_s, u"mapy"_s} << QString()
            << qint64(-1)
            << u"vinula-mistnosti: ZLY.DAT: místnost 2: název místnosti obsahuje řídicí znak 1, "
               "který mapa Tiledu (XML) neunese; nic se nezapsalo\n"_s
            << QString();
#ifdef Q_OS_UNIX
        // Files up to 20 kB: the catalogue tileset fits, the other one not.
        QTest::newRow("plný disk")
            << doMap << QString() << qint64(20000) << u"vinula-mistnosti: mapy/mimo-katalog.tsx: "_s
            << u"; co se už zapsalo, je zase pryč\n"_s;
#endif
    }

    void doTiledOdmitnuti() {
        QFETCH(QStringList, argumenty);
        QFETCH(QString, predem);
        QFETCH(qint64, limit);
        QFETCH(QString, chyby);
        QFETCH(QString, konec);
        QVERIFY(uloz(slozka + u"/HRA.DAT"_s, hra));
        QVERIFY(uloz(slozka + u"/ZLY.DAT"_s, r1 + zaznam("a\x01") + r3));
        if (!predem.isEmpty())
            QVERIFY(uloz(slozka + u'/' + predem, "x"));
        const Soubory predtim = obsah(slozka);
        const Beh beh = mistnosti(slozka, argumenty, limit);
        if (konec.isEmpty()) {
            QCOMPARE(beh.chyby, chyby);
        } else {
            QVERIFY2(beh.chyby.startsWith(chyby) && beh.chyby.endsWith(konec),
                     qPrintable(beh.chyby));
        }
        QCOMPARE(beh.ven, QString());
        QCOMPARE(beh.kod, 2);
        QCOMPARE(obsah(slozka), predtim);
    }

#ifdef Q_OS_UNIX
    // do-tiled catches stop signals for its whole run, and each file it
    // writes catches them again: a signal that came before stays caught,
    // and afterwards the handlers are those from before.
    void vnoreneZachyceni() {
        struct sigaction pred {
        }, po{};
        sigaction(SIGINT, nullptr, &pred);
        {
            const vinula::mistnosti::ZachyceniSignalu cely;
            std::raise(SIGINT);
            { const vinula::mistnosti::ZachyceniSignalu soubor; }
            QCOMPARE(vinula::mistnosti::prerusujiciSignal(), SIGINT);
        }
        sigaction(SIGINT, nullptr, &po);
        QVERIFY(po.sa_handler == pred.sa_handler);
    }

    // Ctrl+C while the maps are written: what the run wrote goes again, the
    // folder it made too. When it was done before the signal came, the round
    // proves nothing and runs again.
    void preruseni() {
        QVERIFY(uloz(slozka + u"/MNOHO.DAT"_s, r3.repeated(3000)));
        bool prokazano = false;
        for (int kolo = 0; kolo < 20 && !prokazano; ++kolo) {
            QProcess proces;
            proces.setWorkingDirectory(slozka);
            proces.start(QStringLiteral(VINULA_MISTNOSTI_PATH),
                         {u"do-tiled"_s, u"MNOHO.DAT"_s, u"-o"_s, u"m"_s});
            QVERIFY(proces.waitForStarted());
            while (!proces.waitForFinished(0) && !QFile::exists(slozka + u"/m/0001.tmx"_s))
                QTest::qSleep(0);
            // Never pid 0: that would be the test's own process group.
            if (const pid_t pid = pid_t(proces.processId()); pid > 0)
                ::kill(pid, SIGINT);
            QVERIFY(proces.waitForFinished(60000));
            if (proces.exitCode() == 0) {
                QVERIFY(QDir(slozka + u"/m"_s).removeRecursively());
                continue;
            }
            prokazano = true;
            const QString chyby = QString::fromUtf8(proces.readAllStandardError());
            QCOMPARE(proces.exitStatus(), QProcess::NormalExit);
            QCOMPARE(proces.exitCode(), 2);
            QVERIFY2(chyby.contains(u"přerušeno signálem SIGINT (Ctrl+C)"_s) &&
                         chyby.endsWith(u"; co se už zapsalo, je zase pryč\n"_s),
                     qPrintable(chyby));
            QVERIFY(!QFileInfo::exists(slozka + u"/m"_s));
        }
        QVERIFY2(prokazano, "do-tiled was always done before the signal");
    }
#endif

    // Rooms chosen by a list are exported in its order, and the second
    // tileset only when one of them needs it.
    void vyber() {
        QVERIFY(uloz(slozka + u"/HRA.DAT"_s, hra));
        const Beh beh = mistnosti(slozka, {u"do-tiled"_s, u"HRA.DAT"_s, u"3,1"_s, u"-o"_s, u"v"_s});
        QCOMPARE(beh.ven, u"v: 2 mapy 0001.tmx–0002.tmx, sada dlaždic vinula.tsx, svět "
                          "mistnosti.world\n"_s);
        const Soubory v = obsah(slozka + u"/v"_s);
        QCOMPARE(v.keys(), (QStringList{u"0001.tmx"_s, u"0002.tmx"_s, u"mistnosti.world"_s,
                                        u"vinula.png"_s, u"vinula.tsx"_s}));
        QCOMPARE(v[u"0001.tmx"_s], mapa(3));
        QCOMPARE(v[u"0002.tmx"_s], mapa(1));
    }
};

QTEST_MAIN(TestTiled)
#include "test_tiled.moc"
