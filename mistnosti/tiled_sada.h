#pragma once

#include "tiled_obsah.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QXmlStreamReader>

// Tilesets, embedded in a map or in a file of their own (TSX or JSON):
// whether one is Vinula's and the code each tile stands for.
namespace vinula::mistnosti::tiled {

// Calls `prvek` for each child of the current XML element; it must read or
// skip the child.
template <typename F> void detiXml(QXmlStreamReader &xml, F &&prvek) {
    while (xml.readNextStartElement())
        prvek(xml.name());
}

// The <tileset> element the reader stands on; reads it to its end.
void ctiSaduXml(QXmlStreamReader &xml, SadaDlazdic &sada);
void ctiSaduJson(const QJsonObject &o, SadaDlazdic &sada);

// A tileset file's content, TSX or JSON; or nothing, and *duvod says why.
std::optional<SadaDlazdic> sadaZDat(const QByteArray &data, QString *duvod);

// Calls `vlastnost` with each {name, type, value} of a JSON "properties"
// array.
template <typename F> void vlastnostiJson(const QJsonValue &pole, F &&vlastnost) {
    for (const QJsonValue &v : pole.toArray()) {
        const QJsonObject o = v.toObject();
        vlastnost(o.value(u"name").toString(), o.value(u"type").toString(), o.value(u"value"));
    }
}

} // namespace vinula::mistnosti::tiled
