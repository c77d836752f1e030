#include "tiled_svet.h"

#include "room/roomfile.h"
#include "slova.h"
#include "tiled.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace vinula::mistnosti::tiled {

std::optional<QStringList> mapySveta(const QByteArray &data, const QString &slozkaSveta,
                                     QString *duvod) {
    QJsonParseError chyba;
    const QJsonObject o = QJsonDocument::fromJson(data, &chyba).object();
    if (chyba.error != QJsonParseError::NoError || !o.value(u"maps").isArray())
        return odmitni(duvod, QStringLiteral("není to svět Tiledu (JSON s polem „maps“)"));
    struct Umisteni {
        double y, x;
        QString cesta;
    };
    QList<Umisteni> mapy;
    for (const QJsonValue &v : o.value(u"maps").toArray()) {
        const QJsonObject mapa = v.toObject();
        const QString jmeno = mapa.value(u"fileName").toString();
        if (jmeno.isEmpty())
            return odmitni(duvod, QStringLiteral("svět má mapu bez jména souboru („fileName“)"));
        // "." or "sub/.." names a folder, never a map.
        if (const QString soubor = QFileInfo(QDir::cleanPath(jmeno)).fileName();
            soubor.isEmpty() || soubor == u"." || soubor == u"..")
            return odmitni(
                duvod, QStringLiteral("svět jmenuje místo mapy složku %1").arg(vUvozovkach(jmeno)));
        mapy.append({mapa.value(u"y").toDouble(), mapa.value(u"x").toDouble(),
                     QDir::cleanPath(QDir(slozkaSveta).filePath(jmeno))});
    }
    if (mapy.isEmpty())
        return odmitni(duvod, QStringLiteral("svět nemá žádnou mapu"));
    std::stable_sort(mapy.begin(), mapy.end(), [](const Umisteni &a, const Umisteni &b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    QStringList cesty;
    for (const Umisteni &u : mapy)
        cesty.append(u.cesta);
    return cesty;
}

std::optional<QStringList> mapySveta(const QString &cesta, QString *duvod) {
    QFile soubor(cesta);
    if (!roomfile::otevriProCteni(soubor, duvod))
        return std::nullopt;
    return mapySveta(soubor.read(nejvetsiSoubor), QFileInfo(cesta).path(), duvod);
}

} // namespace vinula::mistnosti::tiled
