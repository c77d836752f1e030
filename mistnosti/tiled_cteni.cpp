#include "tiled_cteni.h"

#include "dialogs/kontrola.h"
#include "items/katalog.h"
#include "room/cp1250.h"
#include "room/roomfile.h"
#include "slova.h"
#include "souhrn.h"
#include "tiled.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <array>

namespace vinula::mistnosti::tiled {

// A tileset as far as rooms need it.
struct SadaDlazdic {
    QString nazev;
    bool vinuly = false;     // carries the marker property
    qint64 dlazdic = -1;     // its tile count, -1 when not given
    QHash<qint64, int> kody; // local tile id → its code; -1 when `kod` is no code
};

namespace {

constexpr int bunek = Mistnost::sirka * Mistnost::vyska;
constexpr qsizetype bajtuDat = 4 * bunek;
constexpr quint32 priznaky = 0xF0000000u; // flipped and rotated
// Groups of layers nest at most this deep; the reader recurses into them.
constexpr int nejhlubsiSkupina = 64;

using Gidy = std::array<quint32, bunek>;

// A tileset as the map lists it: in a file of its own or embedded.
struct Odkaz {
    quint32 prvni = 0;
    QString zdroj;
    std::shared_ptr<const SadaDlazdic> vlozena;
};

// What a map says, read but not yet understood as a room.
struct Obsah {
    std::optional<QString> nazev;
    QList<Odkaz> sady;
    Gidy gidy{};
    int vrstev = 0;
};

bool chyba(QString *duvod, const QString &text) {
    if (duvod)
        *duvod = text;
    return false;
}

// Text from a file, for a message: at most 40 characters, control
// characters shown as '?'.
QString zkrat(const QString &text) {
    constexpr qsizetype nejvic = 40;
    return naRadek(text.size() > nejvic ? text.first(nejvic) + u'…' : text);
}

QString citace(const QString &text) {
    return vUvozovkach(zkrat(text));
}

QString cislo(qint64 hodnota) {
    return hodnota < 0 ? QStringLiteral("?") : QString::number(hodnota);
}

// A whole number from an attribute, or -1.
qint64 celeCislo(QStringView text) {
    bool ok = false;
    const qint64 hodnota = text.toLongLong(&ok);
    return ok && hodnota >= 0 ? hodnota : -1;
}

std::optional<QByteArray> nactiSoubor(const QString &cesta, QString *duvod) {
    QFile soubor(cesta);
    if (!roomfile::otevriProCteni(soubor, duvod))
        return std::nullopt;
    // Read one byte past its size or the bound, as the file may grow
    // meanwhile.
    QByteArray data = soubor.read(std::min(soubor.size(), nejvetsiSoubor) + 1);
    if (soubor.error() != QFileDevice::NoError)
        return odmitni(duvod, QStringLiteral("chyba při čtení souboru"));
    if (data.size() > nejvetsiSoubor)
        return odmitni(duvod, QStringLiteral("soubor je větší než %1 MB, tak velká mapa ani "
                                             "sada dlaždic nebývá")
                                  .arg(nejvetsiSoubor / 1024 / 1024));
    return data;
}

enum class Forma { xml, json, jina };

// Told by the first character, as maps and tilesets come under any name.
Forma forma(QByteArrayView data) {
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    for (const char znak : data) {
        if (znak == '<')
            return Forma::xml;
        if (znak == '{')
            return Forma::json;
        if (znak != ' ' && znak != '\t' && znak != '\n' && znak != '\r')
            break;
    }
    return Forma::jina;
}

bool overHlavicku(QStringView orientace, bool nekonecna, qint64 sirka, qint64 vyska,
                  QString *duvod) {
    if (orientace != u"orthogonal")
        return chyba(duvod, QStringLiteral("mapa není pravoúhlá: orientace %1, místnost "
                                           "potřebuje „orthogonal“")
                                .arg(citace(orientace.toString())));
    if (nekonecna)
        return chyba(duvod, QStringLiteral("mapa je nekonečná; místnost má pevnou plochu 30 × 20"));
    if (sirka != Mistnost::sirka || vyska != Mistnost::vyska)
        return chyba(duvod, QStringLiteral("mapa má %1 × %2 dlaždic, místnost má 30 × 20")
                                .arg(cislo(sirka), cislo(vyska)));
    return true;
}

bool overVrstvu(Obsah &obsah, const QString &jmeno, qint64 sirka, qint64 vyska, QString *duvod) {
    if (++obsah.vrstev > 1)
        return chyba(duvod, QStringLiteral("mapa má víc než jednu vrstvu dlaždic (druhá je %1), "
                                           "místnost se čte z jediné")
                                .arg(citace(jmeno)));
    if (sirka != Mistnost::sirka || vyska != Mistnost::vyska)
        return chyba(duvod, QStringLiteral("vrstva %1 má %2 × %3 dlaždic, místnost má 30 × 20")
                                .arg(citace(jmeno), cislo(sirka), cislo(vyska)));
    return true;
}

bool poctyDlazdic(qint64 pocet, QString *duvod) {
    if (pocet == bunek)
        return true;
    return chyba(duvod,
                 QStringLiteral("vrstva má %1 dlaždic, místnost 30 × 20 jich má 600")
                     .arg(pocet > bunek ? QStringLiteral("víc než 600") : QString::number(pocet)));
}

// A GID written in decimal: digits only, at most 32 bits.
std::optional<quint32> gidZTextu(QByteArrayView text) {
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    quint64 hodnota = 0;
    for (const char znak : text) {
        if (znak < '0' || znak > '9')
            return std::nullopt;
        hodnota = hodnota * 10 + static_cast<quint64>(znak - '0');
    }
    if (hodnota > 0xFFFFFFFFu)
        return std::nullopt;
    return static_cast<quint32>(hodnota);
}

bool zCsv(QByteArrayView text, Gidy &gidy, QString *duvod) {
    qint64 pocet = 0;
    if (!text.trimmed().isEmpty()) {
        for (qsizetype od = 0; od <= text.size();) {
            qsizetype carka = text.indexOf(',', od);
            if (carka < 0)
                carka = text.size();
            const QByteArrayView polozka = text.sliced(od, carka - od).trimmed();
            const auto gid = gidZTextu(polozka);
            if (!gid)
                return chyba(duvod, QStringLiteral("data vrstvy v CSV: %1 není číslo dlaždice")
                                        .arg(citace(QString::fromLatin1(polozka))));
            if (pocet == bunek)
                return poctyDlazdic(bunek + 1, duvod);
            gidy[static_cast<std::size_t>(pocet++)] = *gid;
            od = carka + 1;
        }
    }
    return poctyDlazdic(pocet, duvod);
}

// Inflates zlib (windowBits 15) or gzip (31) data of at most 2400 bytes.
bool rozbal(const QByteArray &vstup, int okno, QByteArray &vystup, QString *duvod) {
    z_stream proud{};
    if (inflateInit2(&proud, okno) != Z_OK)
        return chyba(duvod, QStringLiteral("na rozbalení dat vrstvy není dost paměti"));
    vystup.resize(bajtuDat + 1);
    proud.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(vstup.constData()));
    proud.avail_in = static_cast<uInt>(vstup.size());
    proud.next_out = reinterpret_cast<Bytef *>(vystup.data());
    proud.avail_out = static_cast<uInt>(vystup.size());
    const int vysledek = inflate(&proud, Z_FINISH);
    const bool prilisMnoho = proud.avail_out == 0;
    vystup.resize(static_cast<qsizetype>(proud.total_out));
    inflateEnd(&proud);
    if (vysledek == Z_STREAM_END)
        return true;
    if (prilisMnoho)
        return chyba(duvod, QStringLiteral("rozbalená data vrstvy mají víc než 2400 bajtů, "
                                           "30 × 20 dlaždic jich má 2400"));
    return chyba(duvod, QStringLiteral("komprimovaná data vrstvy jsou poškozená nebo neúplná"));
}

// The refusal of a compression the reader does not know, or an empty text.
QString neznamaKomprese(QStringView komprese) {
    if (komprese.isEmpty() || komprese == u"zlib" || komprese == u"gzip")
        return {};
    if (komprese == u"zstd")
        return QStringLiteral("data vrstvy jsou komprimovaná zstd, to vinula-mistnosti neumí; "
                              "v Tiledu zvolte ve vlastnostech mapy jiný formát vrstvy "
                              "(Tile Layer Format), např. CSV");
    return QStringLiteral("neznámá komprese dat vrstvy %1").arg(citace(komprese.toString()));
}

bool zBase64(QByteArrayView text, QStringView komprese, Gidy &gidy, QString *duvod) {
    if (const QString neznama = neznamaKomprese(komprese); !neznama.isEmpty())
        return chyba(duvod, neznama);
    QByteArray cisty;
    cisty.reserve(text.size());
    for (const char znak : text)
        if (znak != ' ' && znak != '\t' && znak != '\n' && znak != '\r')
            cisty += znak;
    const auto dekodovano = QByteArray::fromBase64Encoding(
        cisty, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!dekodovano)
        return chyba(duvod, QStringLiteral("data vrstvy nejsou platné base64"));
    QByteArray bajty;
    if (komprese.isEmpty())
        bajty = *dekodovano;
    else if (!rozbal(*dekodovano, komprese == u"zlib" ? 15 : 15 + 16, bajty, duvod))
        return false;
    if (bajty.size() != bajtuDat)
        return chyba(duvod, QStringLiteral("data vrstvy mají %1 bajtů, 30 × 20 dlaždic jich "
                                           "má 2400")
                                .arg(bajty.size()));
    for (int i = 0; i < bunek; ++i)
        gidy[static_cast<std::size_t>(i)] = qFromLittleEndian<quint32>(bajty.constData() + 4 * i);
    return true;
}

QString neznameKodovani(QStringView kodovani) {
    return QStringLiteral("neznámé kódování dat vrstvy %1").arg(citace(kodovani.toString()));
}

QString nazevNeniText(QStringView typ) {
    return QStringLiteral("vlastnost „nazev“ mapy má typ %1, název místnosti je text (string)")
        .arg(citace(typ.toString()));
}

// ---- XML (TMX, TSX) ----

QString chybaXml(const QXmlStreamReader &xml) {
    return QStringLiteral("není to mapa Tiledu: chybné XML na řádku %1, sloupci %2")
        .arg(xml.lineNumber())
        .arg(xml.columnNumber());
}

// Calls `prvek` for each child of the current element; it must read or skip
// the child.
template <typename F> void detiXml(QXmlStreamReader &xml, F &&prvek) {
    while (xml.readNextStartElement())
        prvek(xml.name());
}

// The <tileset> element the reader stands on, embedded or a file's root.
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
                    if (a.value(QLatin1String("name")) == vlastnostKodu) {
                        const qint64 kod = celeCislo(a.value(QLatin1String("value")));
                        sada.kody[id] =
                            a.value(QLatin1String("type")) == u"int" && kod >= 0 && kod <= 255
                                ? int(kod)
                                : -1;
                    }
                    xml.skipCurrentElement();
                });
            });
        } else {
            xml.skipCurrentElement();
        }
    });
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
                    chyba(duvod, QStringLiteral("dlaždice vrstvy má gid %1, to není číslo "
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
            return chyba(duvod, neznama);
        return zBase64(xml.readElementText().toLatin1(), komprese, gidy, duvod);
    }
    return chyba(duvod, neznameKodovani(kodovani));
}

bool ctiVrstvuXml(QXmlStreamReader &xml, Obsah &obsah, QString *duvod) {
    const auto atributy = xml.attributes();
    if (!overVrstvu(obsah, atributy.value(QLatin1String("name")).toString(),
                    celeCislo(atributy.value(QLatin1String("width"))),
                    celeCislo(atributy.value(QLatin1String("height"))), duvod))
        return false;
    bool data = false;
    bool ok = true;
    detiXml(xml, [&](QStringView jmeno) {
        if (jmeno != u"data" || data || !ok)
            return xml.skipCurrentElement();
        data = true;
        ok = ctiDataXml(xml, obsah.gidy, duvod);
        if (!xml.isEndElement()) // refused before its text was read
            xml.skipCurrentElement();
    });
    if (!ok)
        return false;
    return data || chyba(duvod, QStringLiteral("vrstva dlaždic nemá data"));
}

bool ctiVlastnostiMapyXml(QXmlStreamReader &xml, Obsah &obsah, QString *duvod) {
    bool ok = true;
    detiXml(xml, [&](QStringView) {
        const auto a = xml.attributes();
        if (!ok || a.value(QLatin1String("name")) != vlastnostNazvu)
            return xml.skipCurrentElement();
        const QStringView typ = a.value(QLatin1String("type"));
        if (!typ.isEmpty() && typ != u"string") {
            ok = chyba(duvod, nazevNeniText(typ));
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
                     : chyba(duvod, QStringLiteral("skupiny vrstev jsou vnořené příliš hluboko"));
        } else if (jmeno == u"properties" && hloubka == 0) {
            ok = ctiVlastnostiMapyXml(xml, obsah, duvod);
        } else if (jmeno == u"tileset" && hloubka == 0) {
            Odkaz odkaz;
            const qint64 prvni = celeCislo(xml.attributes().value(QLatin1String("firstgid")));
            if (prvni < 1 || prvni > 0x0FFFFFFF) {
                ok = chyba(duvod, QStringLiteral("sada dlaždic mapy nemá platné firstgid"));
                return;
            }
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

bool ctiTmx(const QByteArray &data, Obsah &obsah, QString *duvod) {
    QXmlStreamReader xml(data);
    if (!xml.readNextStartElement())
        return chyba(duvod, chybaXml(xml));
    if (xml.name() != u"map")
        return chyba(duvod, QStringLiteral("není to mapa Tiledu: hlavní prvek je <%1>, ne <map>")
                                .arg(zkrat(xml.name().toString())));
    const auto a = xml.attributes();
    if (!overHlavicku(a.value(QLatin1String("orientation")),
                      a.value(QLatin1String("infinite")) == u"1",
                      celeCislo(a.value(QLatin1String("width"))),
                      celeCislo(a.value(QLatin1String("height"))), duvod))
        return false;
    QString proc;
    const bool ok = ctiSkupinuXml(xml, obsah, 0, &proc);
    // Broken XML (a file cut short) is the reason, whatever it made of the
    // data.
    if (xml.hasError())
        return chyba(duvod, chybaXml(xml));
    return ok || chyba(duvod, proc);
}

// ---- JSON ----

// Calls `vlastnost` with each {name, type, value} of a "properties" array.
template <typename F> void vlastnostiJson(const QJsonValue &pole, F &&vlastnost) {
    for (const QJsonValue &v : pole.toArray()) {
        const QJsonObject o = v.toObject();
        vlastnost(o.value(u"name").toString(), o.value(u"type").toString(), o.value(u"value"));
    }
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
                           if (jmeno != vlastnostKodu)
                               return;
                           const qint64 kod = hodnota.toInteger(-1);
                           sada.kody[id] = typ == u"int" && kod >= 0 && kod <= 255 ? int(kod) : -1;
                       });
    }
}

bool ctiVrstvuJson(const QJsonObject &vrstva, Obsah &obsah, QString *duvod) {
    if (!overVrstvu(obsah, vrstva.value(u"name").toString(), vrstva.value(u"width").toInteger(-1),
                    vrstva.value(u"height").toInteger(-1), duvod))
        return false;
    const QString kodovani = vrstva.value(u"encoding").toString();
    const QJsonValue data = vrstva.value(u"data");
    if (kodovani == u"base64") {
        if (!data.isString())
            return chyba(duvod, QStringLiteral("data vrstvy v base64 nejsou text"));
        return zBase64(data.toString().toLatin1(), vrstva.value(u"compression").toString(),
                       obsah.gidy, duvod);
    }
    if (!kodovani.isEmpty() && kodovani != u"csv")
        return chyba(duvod, neznameKodovani(kodovani));
    if (!data.isArray())
        return chyba(duvod, QStringLiteral("vrstva dlaždic nemá data"));
    const QJsonArray pole = data.toArray();
    if (!poctyDlazdic(pole.size(), duvod))
        return false;
    for (int i = 0; i < bunek; ++i) {
        const double gid = pole[i].toDouble(-1);
        if (!(gid >= 0 && gid <= 0xFFFFFFFFu) || gid != static_cast<double>(quint32(gid)))
            return chyba(duvod,
                         QStringLiteral("data vrstvy: %1. položka není číslo dlaždice").arg(i + 1));
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
                 ? !chyba(duvod, QStringLiteral("skupiny vrstev jsou vnořené příliš hluboko"))
                 : !ctiVrstvyJson(vrstva.value(u"layers").toArray(), obsah, hloubka + 1, duvod)))
            return false;
    }
    return true;
}

bool ctiJson(const QByteArray &data, Obsah &obsah, QString *duvod) {
    QJsonParseError chybaJson;
    const QJsonDocument dokument = QJsonDocument::fromJson(data, &chybaJson);
    if (chybaJson.error != QJsonParseError::NoError)
        return chyba(duvod, QStringLiteral("není to mapa Tiledu: chybný JSON na %1. znaku")
                                .arg(chybaJson.offset + 1));
    const QJsonObject o = dokument.object();
    if (o.value(u"type").toString() != u"map")
        return chyba(duvod, QStringLiteral("není to mapa Tiledu: JSON s typem %1, ne „map“")
                                .arg(citace(o.value(u"type").toString())));
    if (!overHlavicku(o.value(u"orientation").toString(), o.value(u"infinite").toBool(),
                      o.value(u"width").toInteger(-1), o.value(u"height").toInteger(-1), duvod))
        return false;
    QString chybaNazvu;
    vlastnostiJson(o.value(u"properties"),
                   [&](const QString &jmeno, const QString &typ, const QJsonValue &hodnota) {
                       if (jmeno != vlastnostNazvu)
                           return;
                       if ((!typ.isEmpty() && typ != u"string") || !hodnota.isString())
                           chybaNazvu = nazevNeniText(typ);
                       obsah.nazev = hodnota.toString();
                   });
    if (!chybaNazvu.isEmpty())
        return chyba(duvod, chybaNazvu);
    for (const QJsonValue &v : o.value(u"tilesets").toArray()) {
        const QJsonObject sada = v.toObject();
        const qint64 prvni = sada.value(u"firstgid").toInteger(-1);
        if (prvni < 1 || prvni > 0x0FFFFFFF)
            return chyba(duvod, QStringLiteral("sada dlaždic mapy nemá platné firstgid"));
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

// A name that fits the record: Windows-1250 only, at most 50 characters.
QString chybaNazvu(const QString &nazev) {
    for (const QChar znak : nazev)
        if (cp1250::naBajt(znak) == '?' && znak != u'?')
            return QStringLiteral("název místnosti obsahuje znak %1, který Windows-1250 nezná")
                .arg(citace(QString(znak)));
    if (nazev.size() > roomfile::delkaNazvu)
        return QStringLiteral("název místnosti má %1 znaků, vejde se nejvýš 50").arg(nazev.size());
    return {};
}

} // namespace

const Ctenar::Nactena &Ctenar::externi(const QString &cesta) {
    const QString klic = QFileInfo(cesta).absoluteFilePath();
    if (const auto it = sady_.constFind(klic); it != sady_.cend())
        return *it;
    Nactena nactena;
    QString duvod;
    auto sada = std::make_shared<SadaDlazdic>();
    if (const auto data = nactiSoubor(cesta, &duvod)) {
        if (forma(*data) == Forma::json) {
            QJsonParseError chybaJson;
            const QJsonObject o = QJsonDocument::fromJson(*data, &chybaJson).object();
            if (chybaJson.error == QJsonParseError::NoError &&
                o.value(u"type").toString() == u"tileset")
                ctiSaduJson(o, *sada);
            else
                duvod = QStringLiteral("není to sada dlaždic Tiledu");
        } else {
            QXmlStreamReader xml(*data);
            if (xml.readNextStartElement() && xml.name() == u"tileset")
                ctiSaduXml(xml, *sada);
            if (xml.hasError() || xml.name() != u"tileset")
                duvod = QStringLiteral("není to sada dlaždic Tiledu");
        }
    }
    if (duvod.isEmpty())
        nactena.sada = std::move(sada);
    else
        nactena.chyba = duvod;
    return *sady_.insert(klic, nactena);
}

std::optional<QByteArray> Ctenar::mistnost(const QString &cesta, QString *duvod) {
    const auto data = nactiSoubor(cesta, duvod);
    if (!data)
        return std::nullopt;
    Obsah obsah;
    const Forma f = forma(*data);
    if (f == Forma::jina)
        return odmitni(duvod, QStringLiteral("není to mapa Tiledu (TMX ani JSON)"));
    if (!(f == Forma::xml ? ctiTmx(*data, obsah, duvod) : ctiJson(*data, obsah, duvod)))
        return std::nullopt;
    if (obsah.vrstev == 0)
        return odmitni(duvod, QStringLiteral("mapa nemá žádnou vrstvu dlaždic"));
    std::stable_sort(obsah.sady.begin(), obsah.sady.end(),
                     [](const Odkaz &a, const Odkaz &b) { return a.prvni < b.prvni; });

    const QDir slozkaMapy = QFileInfo(cesta).absoluteDir();
    // The code of a GID, or -1 with the reason; each GID is looked up once.
    QHash<quint32, int> znamych;
    const auto kodGidu = [&](quint32 gid, int x, int y) {
        if (const auto it = znamych.constFind(gid); it != znamych.cend())
            return *it;
        const QString kde = QStringLiteral("na (%1, %2)").arg(x).arg(y);
        const auto nic = [duvod](const QString &text) {
            chyba(duvod, text);
            return -1;
        };
        const auto za = std::upper_bound(obsah.sady.cbegin(), obsah.sady.cend(), gid,
                                         [](quint32 g, const Odkaz &o) { return g < o.prvni; });
        if (za == obsah.sady.cbegin())
            return nic(
                QStringLiteral("dlaždice %1 %2 nepatří žádné sadě dlaždic mapy").arg(gid).arg(kde));
        const Odkaz &odkaz = *(za - 1);
        std::shared_ptr<const SadaDlazdic> sada = odkaz.vlozena;
        const QString jmeno = citace(odkaz.zdroj.isEmpty() ? odkaz.vlozena->nazev : odkaz.zdroj);
        if (!sada) {
            const Nactena &nactena = externi(slozkaMapy.filePath(odkaz.zdroj));
            if (!nactena.sada)
                return nic(QStringLiteral("dlaždice %1 je ze sady %2, kterou nelze přečíst: %3")
                               .arg(kde, jmeno, nactena.chyba));
            sada = nactena.sada;
        }
        if (!sada->vinuly)
            return nic(QStringLiteral("dlaždice %1 je ze sady %2, která není sadou Vinuly "
                                      "(nemá vlastnost „vinula“)")
                           .arg(kde, jmeno));
        const qint64 id = gid - odkaz.prvni;
        if (sada->dlazdic >= 0 && id >= sada->dlazdic)
            return nic(QStringLiteral("dlaždice %1 leží za koncem sady %2, která má %3 dlaždic")
                           .arg(kde, jmeno)
                           .arg(sada->dlazdic));
        const int kod = sada->kody.value(id, -2);
        if (kod < 0)
            return nic(QStringLiteral("dlaždice %1 (č. %2 sady %3) %4")
                           .arg(kde)
                           .arg(id)
                           .arg(jmeno, kod == -2
                                           ? QStringLiteral("nemá vlastnost „kod“, nepatří "
                                                            "žádnému předmětu")
                                           : QStringLiteral("má vlastnost „kod“ jinou než celé "
                                                            "číslo 0–255")));
        znamych.insert(gid, kod);
        return kod;
    };

    Mistnost mistnost;
    for (int i = 0; i < bunek; ++i) {
        const quint32 gid = obsah.gidy[static_cast<std::size_t>(i)];
        const int x = i % Mistnost::sirka;
        const int y = i / Mistnost::sirka;
        if (gid == 0)
            continue; // an empty cell, which Tiled's eraser leaves: free floor
        if (gid & priznaky)
            return odmitni(duvod, QStringLiteral("dlaždice na (%1, %2) je otočená nebo "
                                                 "převrácená; předměty mají jen jednu podobu")
                                      .arg(x)
                                      .arg(y));
        const int kod = kodGidu(gid, x, y);
        if (kod < 0)
            return std::nullopt;
        mistnost.nastav(x, y, static_cast<Kod>(kod));
    }

    QString nazev;
    QString odkud;
    if (obsah.nazev) {
        nazev = obsah.nazev->normalized(QString::NormalizationForm_C);
    } else {
        nazev = QFileInfo(cesta).completeBaseName().normalized(QString::NormalizationForm_C);
        odkud = QStringLiteral(" (mapa nemá vlastnost „nazev“, název je jméno souboru)");
    }
    if (const QString proc = chybaNazvu(nazev); !proc.isEmpty())
        return odmitni(duvod, proc + odkud);
    if (const QString proc = kontrola::chyba(mistnost); !proc.isEmpty())
        return odmitni(duvod, proc);
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            if (katalog::jeVinula(mistnost.bunka(x, y)) && !Mistnost::naOkraji(x, y))
                return odmitni(duvod, QStringLiteral("vinula na (%1, %2) není na okraji plochy; "
                                                     "editor ji dovolí jen na krajní buňky")
                                          .arg(x)
                                          .arg(y));
    return roomfile::zaznam(nazev, mistnost);
}

} // namespace vinula::mistnosti::tiled
