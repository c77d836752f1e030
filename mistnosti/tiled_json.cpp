#include "tiled_json.h"

#include "tiled.h"
#include "tiled_data.h"
#include "tiled_sada.h"

#include <QJsonDocument>

namespace vinula::mistnosti::tiled {

namespace {

// Tiled writes true or false; a number other than 0 counts as true too, as
// TMX's "1" does.
bool nekonecna(const QJsonValue &hodnota) {
    return hodnota.isDouble() ? hodnota.toDouble() != 0 : hodnota.toBool();
}

bool ctiVrstvuJson(const QJsonObject &vrstva, Obsah &obsah, QString *duvod) {
    if (!overVrstvu(obsah, vrstva.value(u"name").toString(), vrstva.value(u"width").toInteger(-1),
                    vrstva.value(u"height").toInteger(-1), duvod))
        return false;
    const QString kodovani = vrstva.value(u"encoding").toString();
    const QJsonValue data = vrstva.value(u"data");
    if (kodovani == u"base64") {
        if (!data.isString())
            return nastavDuvod(duvod, QStringLiteral("data vrstvy v base64 nejsou text"));
        return zBase64(data.toString().toLatin1(), vrstva.value(u"compression").toString(),
                       obsah.gidy, duvod);
    }
    if (!kodovani.isEmpty() && kodovani != u"csv")
        return nastavDuvod(duvod, neznameKodovani(kodovani));
    if (!data.isArray())
        return nastavDuvod(duvod, QStringLiteral("vrstva dlaždic nemá data"));
    const QJsonArray pole = data.toArray();
    if (!poctyDlazdic(pole.size(), duvod))
        return false;
    for (int i = 0; i < bunek; ++i) {
        const double gid = pole[i].toDouble(-1);
        if (!(gid >= 0 && gid <= 0xFFFFFFFFu) || gid != static_cast<double>(quint32(gid)))
            return nastavDuvod(
                duvod, QStringLiteral("data vrstvy: %1. položka není číslo dlaždice").arg(i + 1));
        obsah.gidy[static_cast<std::size_t>(i)] = static_cast<quint32>(gid);
    }
    return true;
}

bool ctiVrstvyJson(const QJsonArray &vrstvy, Obsah &obsah, int hloubka, QString *duvod) {
    for (const QJsonValue &v : vrstvy) {
        const QJsonObject vrstva = v.toObject();
        const QString typ = vrstva.value(u"type").toString();
        if (typ == u"tilelayer" && !ctiVrstvuJson(vrstva, obsah, duvod))
            return false;
        if (typ == u"group" &&
            (hloubka >= nejhlubsiSkupina
                 ? !nastavDuvod(duvod, QStringLiteral("skupiny vrstev jsou vnořené příliš hluboko"))
                 : !ctiVrstvyJson(vrstva.value(u"layers").toArray(), obsah, hloubka + 1, duvod)))
            return false;
    }
    return true;
}

} // namespace

bool ctiJson(const QByteArray &data, Obsah &obsah, QString *duvod) {
    QJsonParseError chybaJson;
    const QJsonDocument dokument = QJsonDocument::fromJson(data, &chybaJson);
    if (chybaJson.error != QJsonParseError::NoError)
        return nastavDuvod(duvod, QStringLiteral("není to mapa Tiledu: chybný JSON na %1. znaku")
                                      .arg(chybaJson.offset + 1));
    const QJsonObject o = dokument.object();
    if (o.value(u"type").toString() != u"map")
        return nastavDuvod(duvod, QStringLiteral("není to mapa Tiledu: JSON s typem %1, ne „map“")
                                      .arg(citace(o.value(u"type").toString())));
    if (!overHlavicku(o.value(u"orientation").toString(), nekonecna(o.value(u"infinite")),
                      o.value(u"width").toInteger(-1), o.value(u"height").toInteger(-1), duvod))
        return false;
    QString chybaNazvu;
    vlastnostiJson(o.value(u"properties"),
                   [&](const QString &jmeno, const QString &typ, const QJsonValue &hodnota) {
                       if (jmeno != vlastnostNazvu)
                           return;
                       if (!typ.isEmpty() && typ != u"string")
                           chybaNazvu = nazevNeniText(typ);
                       else if (!hodnota.isString())
                           chybaNazvu = QStringLiteral("vlastnost „nazev“ mapy nemá za hodnotu "
                                                       "text, název místnosti je text");
                       obsah.nazev = hodnota.toString();
                   });
    if (!chybaNazvu.isEmpty())
        return nastavDuvod(duvod, chybaNazvu);
    for (const QJsonValue &v : o.value(u"tilesets").toArray()) {
        const QJsonObject sada = v.toObject();
        const qint64 prvni = sada.value(u"firstgid").toInteger(-1);
        if (!platnePrvni(prvni, duvod))
            return false;
        Odkaz odkaz{static_cast<quint32>(prvni), sada.value(u"source").toString(), nullptr};
        if (odkaz.zdroj.isEmpty()) {
            auto vlozena = std::make_shared<SadaDlazdic>();
            ctiSaduJson(sada, *vlozena);
            odkaz.vlozena = std::move(vlozena);
        }
        obsah.sady.append(odkaz);
    }
    return ctiVrstvyJson(o.value(u"layers").toArray(), obsah, 0, duvod);
}

} // namespace vinula::mistnosti::tiled
