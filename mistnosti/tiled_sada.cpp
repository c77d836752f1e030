#include "tiled_sada.h"

#include "tiled.h"

#include <QJsonDocument>

namespace vinula::mistnosti::tiled {

namespace {

// The code a `kod` property holds: an int 0–255, else -1.
int kodVlastnosti(QStringView typ, qint64 hodnota) {
    return typ == u"int" && hodnota >= 0 && hodnota <= 255 ? int(hodnota) : -1;
}

} // namespace

void ctiSaduXml(QXmlStreamReader &xml, SadaDlazdic &sada) {
    const auto atributy = xml.attributes();
    sada.nazev = atributy.value(QLatin1String("name")).toString();
    sada.dlazdic = celeCislo(atributy.value(QLatin1String("tilecount")));
    detiXml(xml, [&](QStringView jmeno) {
        if (jmeno == u"properties") {
            detiXml(xml, [&](QStringView) {
                sada.vinuly =
                    sada.vinuly || xml.attributes().value(QLatin1String("name")) == znackaSady;
                xml.skipCurrentElement();
            });
        } else if (jmeno == u"tile") {
            const qint64 id = celeCislo(xml.attributes().value(QLatin1String("id")));
            detiXml(xml, [&](QStringView jmenoVTile) {
                if (jmenoVTile != u"properties" || id < 0)
                    return xml.skipCurrentElement();
                detiXml(xml, [&](QStringView) {
                    const auto a = xml.attributes();
                    if (a.value(QLatin1String("name")) == vlastnostKodu)
                        sada.kody[id] = kodVlastnosti(a.value(QLatin1String("type")),
                                                      celeCislo(a.value(QLatin1String("value"))));
                    xml.skipCurrentElement();
                });
            });
        } else {
            xml.skipCurrentElement();
        }
    });
}

void ctiSaduJson(const QJsonObject &o, SadaDlazdic &sada) {
    sada.nazev = o.value(u"name").toString();
    sada.dlazdic = o.value(u"tilecount").toInteger(-1);
    vlastnostiJson(o.value(u"properties"), [&](const QString &jmeno, const QString &, auto) {
        sada.vinuly = sada.vinuly || jmeno == znackaSady;
    });
    for (const QJsonValue &v : o.value(u"tiles").toArray()) {
        const QJsonObject dlazdice = v.toObject();
        const qint64 id = dlazdice.value(u"id").toInteger(-1);
        if (id < 0)
            continue;
        vlastnostiJson(dlazdice.value(u"properties"),
                       [&](const QString &jmeno, const QString &typ, const QJsonValue &hodnota) {
                           if (jmeno == vlastnostKodu)
                               sada.kody[id] = kodVlastnosti(typ, hodnota.toInteger(-1));
                       });
    }
}

std::optional<SadaDlazdic> sadaZDat(const QByteArray &data, QString *duvod) {
    SadaDlazdic sada;
    bool ok = false;
    if (forma(data) == Forma::json) {
        QJsonParseError chybaJson;
        const QJsonObject o = QJsonDocument::fromJson(data, &chybaJson).object();
        ok = chybaJson.error == QJsonParseError::NoError &&
             o.value(u"type").toString() == u"tileset";
        if (ok)
            ctiSaduJson(o, sada);
    } else {
        QXmlStreamReader xml(data);
        if (xml.readNextStartElement() && xml.name() == u"tileset")
            ctiSaduXml(xml, sada);
        ok = !xml.hasError() && xml.name() == u"tileset";
    }
    if (!ok) {
        nastavDuvod(duvod, QStringLiteral("není to sada dlaždic Tiledu"));
        return std::nullopt;
    }
    return sada;
}

} // namespace vinula::mistnosti::tiled
