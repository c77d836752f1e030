// The Tiled reader in process: exported maps, changed as a designer or another program might,
// read as their room or refused with the reason.

#include "../soubor.h"
#include "../tiled/mapy.h"
#include "tiled_cteni.h"
#include "tiled_zapis.h"

#include <QTemporaryDir>
#include <QTest>

namespace tiled = vinula::mistnosti::tiled;

namespace {

// A JSON map as Tiled writes one: r3's first `dlazdic` tiles in a layer inside `skupin` groups.
QByteArray json(const QByteArray &nazev, qsizetype dlazdic = 600, int skupin = 0,
                const QByteArray &nekonecna = "false") {
    QByteArrayList g;
    for (const quint32 gid : gidy(vinula::mistnosti::tiled::mapa(r3)).first(dlazdic))
        g << QByteArray::number(gid);
    QByteArray vrstva =
        R"({"type": "tilelayer", "name": "m", "width": 30, "height": 20, "data": [)" +
        g.join(", ") + "]}";
    for (int i = 0; i < skupin; ++i)
        vrstva = R"({"type": "group", "layers": [)" + vrstva + "]}";
    return R"({"type": "map", "orientation": "orthogonal", "width": 30, "height": 20, "infinite": )" +
           nekonecna + R"(, "properties": [{"name": "nazev", )" + nazev +
           R"(}], "tilesets": [{"firstgid": 1, "source": "vinula.tsx"}], "layers": [)" + vrstva +
           "]}";
}

} // namespace

class TestTiledCteni : public QObject {
    Q_OBJECT
    QTemporaryDir slozka_; // the tilesets the maps refer to

    QString cesta(const QString &jmeno) const { return slozka_.filePath(jmeno); }

private slots:
    void initTestCase() {
        const QByteArray sada = tiled::sada(tiled::Sada::katalog);
        const QByteArray znacka = "<property name=\"vinula\" value=\"předměty katalogu\"/>";
        QVERIFY(sada.contains(znacka));
        QVERIFY(uloz(cesta(u"vinula.tsx"_s), sada) &&
                uloz(cesta(u"mimo-katalog.tsx"_s), tiled::sada(tiled::Sada::mimo)) &&
                uloz(cesta(u"cizi.tsx"_s), nahrad(sada, "name=\"vinula\"", "name=\"x\"")) &&
                QFile::copy(QStringLiteral(VINULA_STARE_MAPY "/stara-vinula.tsx"),
                            cesta(u"stara-vinula.tsx"_s)) &&
                QFile::copy(QStringLiteral(VINULA_STARE_MAPY "/stara-mimo-katalog.tsx"),
                            cesta(u"stara-mimo-katalog.tsx"_s)) &&
                uloz(cesta(u"bez-kodu.tsx"_s),
                     nahrad(sada, "<property name=\"kod\" type=\"int\" value=\"52\"/>", "")) &&
                uloz(cesta(u"znacka-prvni.tsx"_s),
                     nahrad(sada, znacka, znacka + "<property name=\"z\" value=\"\"/>")));
    }
    void cteni_data() {
        QTest::addColumn<QByteArray>("mapa");
        QTest::addColumn<QByteArray>("vysledek"); // the record, or the reason in UTF-8
        const QByteArray crlf = zaznam("a\r\nb\r").first(50) + r3.sliced(50);
        QTest::newRow("CR LF v názvu") << tiled::mapa(crlf) << crlf;
        QTest::newRow("JSON: vrstva ve skupině") << json(R"("value": "a\r\nb\r")", 600, 2) << crlf;
        QTest::newRow("značka sady není poslední vlastnost")
            << nahrad(tiled::mapa(r3), "vinula.tsx", "znacka-prvni.tsx") << r3;
        // The last reason given stands for the maps after it too.
        const auto spatne = [](const char *nazev, const QList<QByteArray> &mapy,
                               const QStringList &duvody) {
            for (qsizetype i = 0; i < mapy.size(); ++i)
                QTest::addRow("%s %lld", nazev, qlonglong(i + 1))
                    << mapy[i] << duvody[qMin(i, duvody.size() - 1)].toUtf8();
        };
        const QByteArray m1 = tiled::mapa(r1), m3 = tiled::mapa(r3);
        QTest::newRow("base64 gzip") << sDaty(m3, gidy(m3), u"gzip"_s) << r3;
        QTest::newRow("bez názvu: jméno souboru")
            << sVrstvou(m1, "") << zaznam("m").first(50) + r1.sliced(50);
        // Maps made before, with the palette's layout and the name as a
        // property, as do-tiled of version 1.1 wrote them.
        QTest::newRow("mapa s dřívější sadou")
            << precti(QStringLiteral(VINULA_STARE_MAPY "/mapa.tmx"))
            << zaznam("Star\xE1 mapa", {{0, 5, 1}, {3, 4, 111}, {2, 2, 52}, {7, 7, 200}});
        const auto vBunce34 = [&m1](quint32 gid) { return sBunkami(m1, {{3, 4, int(gid)}}); };
        const auto sDalsiSadou = [&](const char *soubor) {
            return nahrad(vBunce34(400), "source=\"vinula.tsx\"/>",
                          "source=\"vinula.tsx\"/>\n <tileset firstgid=\"400\" source=\"" +
                              QByteArray(soubor) + "\"/>");
        };
        spatne("firstgid", {nahrad(m1, "firstgid=\"1\"", "firstgid=\"0\"")},
               {u"sada dlaždic mapy nemá platné firstgid"_s});
        spatne("tvar mapy",
               {nahrad(m1, "width=\"30\" height=\"20\" tile", "width=\"31\" height=\"20\" tile"),
                nahrad(m1, "infinite=\"0\"", "infinite=\"1\""),
                nahrad(m1, "orthogonal", "isometric")},
               {u"mapa má 31 × 20 dlaždic, místnost má 30 × 20"_s,
                u"mapa je nekonečná; místnost má pevnou plochu 30 × 20"_s,
                u"mapa není pravoúhlá: orientace „isometric“, místnost potřebuje „orthogonal“"_s});
        spatne("vrstvy",
               {nahrad(nahrad(m1, "<layer", "<imagelayer"), "</layer>", "</imagelayer>"),
                nahrad(m1, "</layer>",
                       "</layer>\n <group id=\"2\" name=\"g\"><layer id=\"3\" name=\"druhá\" "
                       "width=\"30\" height=\"20\"><data encoding=\"csv\"/></layer></group>"),
                nahrad(sVrstvou(m1, "místnost"), "width=\"30\" height=\"20\">",
                       "width=\"29\" height=\"20\">")},
               {u"mapa nemá žádnou vrstvu dlaždic"_s,
                u"mapa má víc než jednu vrstvu dlaždic (druhá je „druhá“), místnost se čte z "
                "jediné"_s,
                u"vrstva „místnost“ má 29 × 20 dlaždic, místnost má 30 × 20"_s});
        spatne("dlaždice",
               {sDalsiSadou("cizi.tsx"), sDalsiSadou("chybi.tsx"),
                nahrad(m1, "\"vinula.tsx\"", "\"bez-kodu.tsx\""), vBunce34(75)},
               {u"dlaždice na (3, 4) je ze sady „cizi.tsx“, která není sadou Vinuly (nemá "
                "vlastnost „vinula“)"_s,
                u"dlaždice na (3, 4) je ze sady „chybi.tsx“, kterou nelze přečíst: soubor "
                "neexistuje"_s,
                u"dlaždice na (3, 1) (č. 3 sady „bez-kodu.tsx“) nemá vlastnost „kod“, nepatří "
                "žádnému předmětu"_s,
                u"dlaždice na (3, 4) leží za koncem sady „vinula.tsx“, která má 74 dlaždic"_s});
        // Each of the four flag bits alone.
        spatne(
            "převrácená",
            {vBunce34(0x80000000u | gidZdi52), vBunce34(0x40000000u | gidZdi52),
             vBunce34(0x20000000u | gidZdi52), vBunce34(0x10000000u | gidZdi52)},
            {u"dlaždice na (3, 4) je otočená nebo převrácená; předměty mají jen jednu podobu"_s});
        spatne("data",
               {sDaty(m1, u" encoding=\"base64\" compression=\"zstd\""_s, "KLUv/QBYAQA="),
                sDaty(m1, u" encoding=\"base64\" compression=\"zlib\""_s, "eJxjZGBg"),
                nahrad(m1, "\n</data>", ",13\n</data>"),
                nahrad(sDaty(m1, gidy(m1), u"xml"_s), "<tile gid=\"74\"/></data>", "</data>")},
               {u"data vrstvy jsou komprimovaná zstd, to vinula-mistnosti neumí; v Tiledu "
                "zvolte ve vlastnostech mapy jiný formát vrstvy (Tile Layer Format), např. CSV"_s,
                u"komprimovaná data vrstvy jsou poškozená nebo neúplná"_s,
                u"vrstva má víc než 600 dlaždic, místnost 30 × 20 jich má 600"_s,
                u"vrstva má 599 dlaždic, místnost 30 × 20 jich má 600"_s});
        spatne("JSON",
               {json(R"("value": "X")", 599), json(R"("type": "int", "value": "X")"),
                json(R"("value": 5)"), json(R"("value": "a\u0000")"), json(R"("value": "a\u001b")"),
                json(R"("value": "X")", 600, 0, "1")},
               {u"vrstva má 599 dlaždic, místnost 30 × 20 jich má 600"_s,
                u"vlastnost „nazev“ mapy má typ „int“, název místnosti je text (string)"_s,
                u"vlastnost „nazev“ mapy nemá za hodnotu text, název místnosti je text"_s,
                u"název místnosti obsahuje řídicí znak 0, který mapa Tiledu (XML) neunese"_s,
                u"název místnosti obsahuje řídicí znak 27, který mapa Tiledu (XML) neunese"_s,
                u"mapa je nekonečná; místnost má pevnou plochu 30 × 20"_s});
        spatne("název", {sVrstvou(m1, QByteArray(51, 'a')), sVrstvou(m1, "a\xE4\xB8\xAD")},
               {u"název místnosti má 51 znaků, vejde se nejvýš 50"_s,
                u"název místnosti obsahuje znak „中“, který Windows-1250 nezná"_s});
        // The vinula next to the edge, at each of its four bounds.
        spatne(
            "vinula uvnitř",
            {sBunkami(m3, {{14, 0, 0}, {1, 18, gidVinuly}}),
             sBunkami(m3, {{14, 0, 0}, {28, 1, gidVinuly}})},
            {u"vinula na (1, 18) není na okraji plochy; editor ji dovolí jen na krajní buňky"_s,
             u"vinula na (28, 1) není na okraji plochy; editor ji dovolí jen na krajní buňky"_s});
    }
    void cteni() {
        QFETCH(QByteArray, mapa);
        QFETCH(QByteArray, vysledek);
        QString duvod;
        QCOMPARE(tiled::Ctenar().mistnost(mapa, cesta(u"m.tmx"_s), &duvod).value_or(duvod.toUtf8()),
                 vysledek);
    }
#ifdef Q_OS_UNIX
    // A tileset reached by several links is read once.
    void sadaJednou() {
        QVERIFY(QFile::link(u"vinula.tsx"_s, cesta(u"odkaz.tsx"_s)));
        tiled::Ctenar ctenar;
        for (const char *sada : {"vinula.tsx", "odkaz.tsx", "./odkaz.tsx"})
            ctenar.mistnost(nahrad(tiled::mapa(r3), "vinula.tsx", sada), cesta(u"m.tmx"_s),
                            nullptr);
        QCOMPARE(ctenar.nactenychSad(), 1);
    }
#endif
};

QTEST_MAIN(TestTiledCteni)
#include "test_tiled_cteni.moc"
