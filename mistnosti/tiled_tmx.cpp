#include "tiled_tmx.h"

#include "tiled.h"
#include "tiled_data.h"
#include "tiled_sada.h"

namespace vinula::mistnosti::tiled {

namespace {

QString chybaXml(const QXmlStreamReader &xml) {
    return QStringLiteral("není to mapa Tiledu: chybné XML na řádku %1, sloupci %2")
        .arg(xml.lineNumber())
        .arg(xml.columnNumber());
}

bool ctiDataXml(QXmlStreamReader &xml, Gidy &gidy, QString *duvod) {
    const auto atributy = xml.attributes();
    const QString kodovani = atributy.value(QLatin1String("encoding")).toString();
    const QString komprese = atributy.value(QLatin1String("compression")).toString();
    if (kodovani.isEmpty()) {
        // The old form: one <tile gid="…"/> per cell.
        qint64 pocet = 0;
        bool ok = true;
        detiXml(xml, [&](QStringView jmeno) {
            if (jmeno == u"tile" && ok) {
                const QStringView text = xml.attributes().value(QLatin1String("gid"));
                const auto gid = text.isEmpty() ? quint32(0) : gidZTextu(text.toLatin1());
                ok = gid && pocet < bunek;
                if (ok)
                    gidy[static_cast<std::size_t>(pocet++)] = *gid;
                else if (!gid)
                    nastavDuvod(duvod, QStringLiteral("dlaždice vrstvy má gid %1, to není číslo "
                                                      "dlaždice")
                                           .arg(citace(text.toString())));
                else
                    poctyDlazdic(bunek + 1, duvod);
            }
            xml.skipCurrentElement();
        });
        return ok && poctyDlazdic(pocet, duvod);
    }
    if (kodovani == u"csv")
        return zCsv(xml.readElementText().toLatin1(), gidy, duvod);
    if (kodovani == u"base64") {
        if (const QString neznama = neznamaKomprese(komprese); !neznama.isEmpty())
            return nastavDuvod(duvod, neznama);
        return zBase64(xml.readElementText().toLatin1(), komprese, gidy, duvod);
    }
    return nastavDuvod(duvod, neznameKodovani(kodovani));
}

bool ctiVrstvuXml(QXmlStreamReader &xml, Obsah &obsah, QString *duvod) {
    const auto atributy = xml.attributes();
    const QString jmeno = atributy.value(QLatin1String("name")).toString();
    if (!overVrstvu(obsah, jmeno, celeCislo(atributy.value(QLatin1String("width"))),
                    celeCislo(atributy.value(QLatin1String("height"))), duvod))
        return false;
    bool data = false;
    bool ok = true;
    detiXml(xml, [&](QStringView prvek) {
        if (prvek != u"data" || data || !ok)
            return xml.skipCurrentElement();
        data = true;
        ok = ctiDataXml(xml, obsah.gidy, duvod);
        if (!xml.isEndElement()) // refused before its text was read
            xml.skipCurrentElement();
    });
    if (!ok)
        return false;
    if (!data)
        return nastavDuvod(duvod, QStringLiteral("vrstva dlaždic nemá data"));
    if (obsah.vsechnyVrstvy)
        obsah.vrstvy.append({jmeno, obsah.gidy});
    return true;
}

bool ctiVlastnostiMapyXml(QXmlStreamReader &xml, Obsah &obsah, QString *duvod) {
    bool ok = true;
    detiXml(xml, [&](QStringView) {
        const auto a = xml.attributes();
        if (ok && a.value(QLatin1String("name")) == vlastnostOtisku) {
            obsah.otisk = a.value(QLatin1String("value")).toString();
            return xml.skipCurrentElement();
        }
        if (!ok || a.value(QLatin1String("name")) != vlastnostNazvu)
            return xml.skipCurrentElement();
        const QStringView typ = a.value(QLatin1String("type"));
        if (!typ.isEmpty() && typ != u"string") {
            ok = nastavDuvod(duvod, nazevNeniText(typ));
            return xml.skipCurrentElement();
        }
        // A text of several lines stands as the element's text.
        if (a.hasAttribute(QLatin1String("value"))) {
            obsah.nazev = a.value(QLatin1String("value")).toString();
            xml.skipCurrentElement();
        } else {
            obsah.nazev = xml.readElementText();
        }
    });
    return ok;
}

// The map's children, and those of its groups: properties, tilesets and
// layers.
bool ctiSkupinuXml(QXmlStreamReader &xml, Obsah &obsah, int hloubka, QString *duvod) {
    bool ok = true;
    detiXml(xml, [&](QStringView jmeno) {
        // After a refusal the rest is only skipped: it would overwrite the
        // reason.
        if (!ok)
            return xml.skipCurrentElement();
        if (jmeno == u"layer") {
            ok = ctiVrstvuXml(xml, obsah, duvod);
        } else if (jmeno == u"group") {
            ok = hloubka < nejhlubsiSkupina
                     ? ctiSkupinuXml(xml, obsah, hloubka + 1, duvod)
                     : nastavDuvod(duvod,
                                   QStringLiteral("skupiny vrstev jsou vnořené příliš hluboko"));
        } else if (jmeno == u"properties" && hloubka == 0) {
            ok = ctiVlastnostiMapyXml(xml, obsah, duvod);
        } else if (jmeno == u"tileset" && hloubka == 0) {
            Odkaz odkaz;
            const qint64 prvni = celeCislo(xml.attributes().value(QLatin1String("firstgid")));
            ok = platnePrvni(prvni, duvod);
            if (!ok)
                return xml.skipCurrentElement();
            odkaz.prvni = static_cast<quint32>(prvni);
            odkaz.zdroj = xml.attributes().value(QLatin1String("source")).toString();
            if (odkaz.zdroj.isEmpty()) {
                auto sada = std::make_shared<SadaDlazdic>();
                ctiSaduXml(xml, *sada);
                odkaz.vlozena = std::move(sada);
            } else {
                xml.skipCurrentElement();
            }
            obsah.sady.append(odkaz);
        } else {
            xml.skipCurrentElement();
        }
    });
    return ok;
}

} // namespace

bool ctiTmx(const QByteArray &data, Obsah &obsah, QString *duvod) {
    QXmlStreamReader xml(data);
    if (!xml.readNextStartElement())
        return nastavDuvod(duvod, chybaXml(xml));
    if (xml.name() != u"map")
        return nastavDuvod(duvod,
                           QStringLiteral("není to mapa Tiledu: hlavní prvek je <%1>, ne <map>")
                               .arg(zkrat(xml.name().toString())));
    const auto a = xml.attributes();
    if (!overHlavicku(a.value(QLatin1String("orientation")),
                      a.value(QLatin1String("infinite")).toInt() != 0,
                      celeCislo(a.value(QLatin1String("width"))),
                      celeCislo(a.value(QLatin1String("height"))), duvod))
        return false;
    QString proc;
    const bool ok = ctiSkupinuXml(xml, obsah, 0, &proc);
    // Broken XML (a file cut short) is the reason, whatever it made of the
    // data.
    if (xml.hasError())
        return nastavDuvod(duvod, chybaXml(xml));
    return ok || nastavDuvod(duvod, proc);
}

} // namespace vinula::mistnosti::tiled
