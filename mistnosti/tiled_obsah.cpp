#include "tiled_obsah.h"

#include "slova.h"

namespace vinula::mistnosti::tiled {

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

qint64 celeCislo(QStringView text) {
    bool ok = false;
    const qint64 hodnota = text.toLongLong(&ok);
    return ok && hodnota >= 0 ? hodnota : -1;
}

bool platnePrvni(qint64 prvni, QString *duvod) {
    return (prvni >= 1 && prvni <= 0x0FFFFFFF) ||
           nastavDuvod(duvod, QStringLiteral("sada dlaždic mapy nemá platné firstgid"));
}

bool overHlavicku(QStringView orientace, bool nekonecna, qint64 sirka, qint64 vyska,
                  QString *duvod) {
    if (orientace != u"orthogonal")
        return nastavDuvod(duvod, QStringLiteral("mapa není pravoúhlá: orientace %1, místnost "
                                                 "potřebuje „orthogonal“")
                                      .arg(citace(orientace.toString())));
    if (nekonecna)
        return nastavDuvod(duvod,
                           QStringLiteral("mapa je nekonečná; místnost má pevnou plochu 30 × 20"));
    if (sirka != Mistnost::sirka || vyska != Mistnost::vyska)
        return nastavDuvod(duvod, QStringLiteral("mapa má %1 × %2 dlaždic, místnost má 30 × 20")
                                      .arg(cislo(sirka), cislo(vyska)));
    return true;
}

bool overVrstvu(Obsah &obsah, const QString &jmeno, qint64 sirka, qint64 vyska, QString *duvod) {
    obsah.jmenoVrstvy = jmeno;
    if (++obsah.vrstev > 1 && !obsah.vsechnyVrstvy)
        return nastavDuvod(duvod,
                           QStringLiteral("mapa má víc než jednu vrstvu dlaždic (druhá je %1), "
                                          "místnost se čte z jediné")
                               .arg(citace(jmeno)));
    if (sirka != Mistnost::sirka || vyska != Mistnost::vyska)
        return nastavDuvod(duvod,
                           QStringLiteral("vrstva %1 má %2 × %3 dlaždic, místnost má 30 × 20")
                               .arg(citace(jmeno), cislo(sirka), cislo(vyska)));
    return true;
}

QString nazevNeniText(QStringView typ) {
    return QStringLiteral("vlastnost „nazev“ mapy má typ %1, název místnosti je text (string)")
        .arg(citace(typ.toString()));
}

} // namespace vinula::mistnosti::tiled
