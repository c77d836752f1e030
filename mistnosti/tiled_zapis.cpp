#include "tiled_zapis.h"

#include "items/katalog.h"
#include "main/kresleni.h"
#include "room/roomfile.h"
#include "souhrn.h"
#include "tiled_nazev.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QXmlStreamWriter>

#include <array>

namespace vinula::mistnosti::tiled {

namespace {

constexpr int kodu = 256;
// Each item once: free floor, the vinula, the walls, the food.
constexpr int dlazdicKatalogu = 2 + katalog::pocetZdi + katalog::pocetJidel;
constexpr int prvniGidMimo = 1 + dlazdicKatalogu;
// Tiled makes a tile of every place of a tileset's picture, whatever its
// tile count says: the tiles fill whole rows, so that no empty one can be
// painted with.
constexpr int sloupcuKatalogu = 37, sloupcuMimo = 14;
static_assert(dlazdicKatalogu % sloupcuKatalogu == 0 &&
              (kodu - dlazdicKatalogu) % sloupcuMimo == 0);
// The world: ten maps to a row, one tile apart.
constexpr int mapVRade = 10;
constexpr int sirkaMapy = Mistnost::sirka * strana;
constexpr int vyskaMapy = Mistnost::vyska * strana;

struct Rozvrh {
    int sloupcu;
    int dlazdic;
    const char *nazev;
    QLatin1String png;
    const char *znacka; // the marker's value, for the designer
};

Rozvrh rozvrh(Sada sada) {
    if (sada == Sada::katalog)
        return {sloupcuKatalogu, dlazdicKatalogu, "Vinula", pngSady, "předměty katalogu"};
    return {sloupcuMimo, kodu - dlazdicKatalogu, "Vinula mimo katalog", pngSadyMimo,
            "kódy mimo katalog"};
}

int radSady(const Rozvrh &r) {
    return r.dlazdic / r.sloupcu;
}

// The codes of a collection in tile order: the catalogue's items once each
// (the vinula, the walls and the food by code, free floor last), or every
// other code.
QList<int> kodySbirky(Sada sada) {
    QList<int> kody;
    for (int kod = 1; kod < kodu; ++kod)
        if (katalog::jePredmet(kod) == (sada == Sada::katalog))
            kody.append(kod);
    if (sada == Sada::katalog)
        kody.append(0);
    return kody;
}

// The code tile `id` of the tileset stands for.
int kodDlazdice(Sada sada, int id) {
    static const QList<int> katalogu = kodySbirky(Sada::katalog);
    static const QList<int> mimo = kodySbirky(Sada::mimo);
    const QList<int> &kody = sada == Sada::katalog ? katalogu : mimo;
    return id >= 0 && id < kody.size() ? kody[id] : -1;
}

// The GID each code has in a map: the catalogue's tiles from 1, the other
// ones after them; in a room's map and in a room file's map alike.
const std::array<quint32, kodu> &gidSbirek() {
    static const auto tabulka = [] {
        std::array<quint32, kodu> gidy{};
        quint32 gid = 1;
        for (const Sada sada : {Sada::katalog, Sada::mimo})
            for (const int kod : kodySbirky(sada))
                gidy[static_cast<std::size_t>(kod)] = gid++;
        return gidy;
    }();
    return tabulka;
}

QString nazevDlazdice(int kod) {
    if (katalog::jePredmet(kod))
        return katalog::nazev(kod);
    return QStringLiteral("kód %1 mimo katalog").arg(kod);
}

QString druhKodu(int kod) {
    if (katalog::jeVinula(kod))
        return QStringLiteral("vinula");
    if (katalog::jeZed(kod))
        return QStringLiteral("zeď");
    if (katalog::jeJidlo(kod))
        return QStringLiteral("jídlo");
    return {};
}

// Indented by one space, as Tiled writes.
void zacni(QXmlStreamWriter &xml) {
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
}

// A string (or int) property; a text of several lines stands as the
// element's text, as Tiled writes it.
void vlastnost(QXmlStreamWriter &xml, QLatin1String jmeno, const QString &hodnota,
               bool cislo = false) {
    xml.writeStartElement(QStringLiteral("property"));
    xml.writeAttribute(QStringLiteral("name"), jmeno);
    if (cislo)
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("int"));
    if (hodnota.contains(u'\n')) {
        // A raw carriage return would be lost to XML's end-of-line handling:
        // it goes as a character reference.
        const QStringList kusy = hodnota.split(u'\r');
        for (qsizetype i = 0; i < kusy.size(); ++i) {
            if (i > 0)
                xml.writeEntityReference(QStringLiteral("#13"));
            xml.writeCharacters(kusy[i]);
        }
    } else {
        xml.writeAttribute(QStringLiteral("value"), hodnota);
    }
    xml.writeEndElement();
}

QByteArray csv(QByteArrayView zaznam, const std::array<quint32, kodu> &gidy) {
    QByteArray text;
    text.reserve(4 * roomfile::delkaMrizky + Mistnost::vyska + 2);
    text += '\n';
    for (int y = 0; y < Mistnost::vyska; ++y) {
        for (int x = 0; x < Mistnost::sirka; ++x) {
            const auto kod = static_cast<quint8>(zaznam[roomfile::posunBunky(x, y)]);
            text += QByteArray::number(gidy[kod]);
            if (x + 1 < Mistnost::sirka || y + 1 < Mistnost::vyska)
                text += ',';
        }
        text += '\n';
    }
    return text;
}

} // namespace

bool maKodyMimo(QByteArrayView zaznam) {
    for (qsizetype i = roomfile::delkaNazvu; i < roomfile::delkaZaznamu; ++i)
        if (!katalog::jePredmet(static_cast<quint8>(zaznam[i])))
            return true;
    return false;
}

QString nazevNejdeDoMapy(QByteArrayView zaznam) {
    return ridiciZnakNazvu(nazevBezMezer(zaznam));
}

QString jmenoMapy(qint64 n, qint64 pocet) {
    const int cislic = std::max(4, static_cast<int>(QString::number(pocet).size()));
    return QStringLiteral("%1.tmx").arg(n, cislic, 10, QLatin1Char('0'));
}

namespace {

void zacniMapu(QXmlStreamWriter &xml, int vrstev) {
    zacni(xml);
    xml.writeStartElement(QStringLiteral("map"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.8"));
    xml.writeAttribute(QStringLiteral("orientation"), QStringLiteral("orthogonal"));
    xml.writeAttribute(QStringLiteral("renderorder"), QStringLiteral("right-down"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(Mistnost::sirka));
    xml.writeAttribute(QStringLiteral("height"), QString::number(Mistnost::vyska));
    xml.writeAttribute(QStringLiteral("tilewidth"), QString::number(strana));
    xml.writeAttribute(QStringLiteral("tileheight"), QString::number(strana));
    xml.writeAttribute(QStringLiteral("infinite"), QStringLiteral("0"));
    // Erased cells are free floor, which the editor shows black.
    xml.writeAttribute(QStringLiteral("backgroundcolor"), QStringLiteral("#000000"));
    xml.writeAttribute(QStringLiteral("nextlayerid"), QString::number(vrstev + 1));
    xml.writeAttribute(QStringLiteral("nextobjectid"), QStringLiteral("1"));
}

void zapisVrstvu(QXmlStreamWriter &xml, int id, const QString &jmeno, bool viditelna,
                 QByteArrayView zaznam, const std::array<quint32, kodu> &gidy) {
    xml.writeStartElement(QStringLiteral("layer"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeAttribute(QStringLiteral("name"), jmeno);
    xml.writeAttribute(QStringLiteral("width"), QString::number(Mistnost::sirka));
    xml.writeAttribute(QStringLiteral("height"), QString::number(Mistnost::vyska));
    if (!viditelna)
        xml.writeAttribute(QStringLiteral("visible"), QStringLiteral("0"));
    xml.writeStartElement(QStringLiteral("data"));
    xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("csv"));
    xml.writeCharacters(QString::fromLatin1(csv(zaznam, gidy)));
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

QByteArray mapa(QByteArrayView zaznam) {
    QByteArray data;
    QXmlStreamWriter xml(&data);
    zacniMapu(xml, 1);
    xml.writeEmptyElement(QStringLiteral("tileset"));
    xml.writeAttribute(QStringLiteral("firstgid"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("source"), souborSady);
    if (maKodyMimo(zaznam)) {
        xml.writeEmptyElement(QStringLiteral("tileset"));
        xml.writeAttribute(QStringLiteral("firstgid"), QString::number(prvniGidMimo));
        xml.writeAttribute(QStringLiteral("source"), souborSadyMimo);
    }
    // The room's name is its layer's, which Tiled shows and renames.
    zapisVrstvu(xml, 1, nazevBezMezer(zaznam), true, zaznam, gidSbirek());
    xml.writeEndDocument();
    return data;
}

QByteArray sada(Sada sada) {
    const Rozvrh r = rozvrh(sada);
    QByteArray data;
    QXmlStreamWriter xml(&data);
    zacni(xml);
    xml.writeStartElement(QStringLiteral("tileset"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.8"));
    xml.writeAttribute(QStringLiteral("name"), QString::fromUtf8(r.nazev));
    xml.writeAttribute(QStringLiteral("tilewidth"), QString::number(strana));
    xml.writeAttribute(QStringLiteral("tileheight"), QString::number(strana));
    xml.writeAttribute(QStringLiteral("tilecount"), QString::number(r.dlazdic));
    xml.writeAttribute(QStringLiteral("columns"), QString::number(r.sloupcu));
    xml.writeStartElement(QStringLiteral("properties"));
    vlastnost(xml, znackaSady, QString::fromUtf8(r.znacka));
    xml.writeEndElement();
    xml.writeEmptyElement(QStringLiteral("image"));
    xml.writeAttribute(QStringLiteral("source"), r.png);
    xml.writeAttribute(QStringLiteral("width"), QString::number(r.sloupcu * strana));
    xml.writeAttribute(QStringLiteral("height"), QString::number(radSady(r) * strana));
    for (int id = 0; id < r.dlazdic; ++id) {
        const int kod = kodDlazdice(sada, id);
        xml.writeStartElement(QStringLiteral("tile"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id));
        // The kind as the tile's class (Tiled 1.8 calls it the type), which
        // Tiled shows and can select by.
        if (const QString druh = druhKodu(kod); !druh.isEmpty())
            xml.writeAttribute(QStringLiteral("type"), druh);
        xml.writeStartElement(QStringLiteral("properties"));
        vlastnost(xml, vlastnostKodu, QString::number(kod), true);
        vlastnost(xml, vlastnostNazvu, nazevDlazdice(kod));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return data;
}

QString otiskSouboru(QByteArrayView obsah) {
    return QStringLiteral("%1:%2")
        .arg(obsah.size())
        .arg(QString::fromLatin1(
            QCryptographicHash::hash(obsah, QCryptographicHash::Sha256).toHex()));
}

QByteArray mapaSouboru(QByteArrayView soubor, const QDir &sady) {
    const auto pocet = static_cast<int>(soubor.size() / roomfile::delkaZaznamu);
    const auto zaznam = [soubor](int n) {
        return soubor.sliced((n - 1) * roomfile::delkaZaznamu, roomfile::delkaZaznamu);
    };
    bool mimo = false;
    for (int n = 1; n <= pocet; ++n)
        mimo = mimo || maKodyMimo(zaznam(n));
    QByteArray data;
    QXmlStreamWriter xml(&data);
    zacniMapu(xml, pocet);
    xml.writeStartElement(QStringLiteral("properties"));
    vlastnost(xml, vlastnostOtisku, otiskSouboru(soubor));
    xml.writeEndElement();
    xml.writeEmptyElement(QStringLiteral("tileset"));
    xml.writeAttribute(QStringLiteral("firstgid"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("source"), sady.filePath(souborSbirky));
    if (mimo) {
        xml.writeEmptyElement(QStringLiteral("tileset"));
        xml.writeAttribute(QStringLiteral("firstgid"), QString::number(prvniGidMimo));
        xml.writeAttribute(QStringLiteral("source"), sady.filePath(souborSbirkyMimo));
    }
    // Room 1 on top of Tiled's list of layers, which shows the file's last
    // layer first; only it is shown at the start.
    for (int n = pocet; n >= 1; --n)
        zapisVrstvu(xml, n, nazevBezMezer(zaznam(n)), n == 1, zaznam(n), gidSbirek());
    xml.writeEndDocument();
    return data;
}

QByteArray sbirka(Sada sada) {
    const QList<int> kody = kodySbirky(sada);
    QByteArray data;
    QXmlStreamWriter xml(&data);
    zacni(xml);
    xml.writeStartElement(QStringLiteral("tileset"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.8"));
    xml.writeAttribute(QStringLiteral("name"), QString::fromUtf8(rozvrh(sada).nazev));
    xml.writeAttribute(QStringLiteral("tilewidth"), QString::number(strana));
    xml.writeAttribute(QStringLiteral("tileheight"), QString::number(strana));
    xml.writeAttribute(QStringLiteral("tilecount"), QString::number(kody.size()));
    xml.writeAttribute(QStringLiteral("columns"), QStringLiteral("0"));
    xml.writeEmptyElement(QStringLiteral("grid"));
    xml.writeAttribute(QStringLiteral("orientation"), QStringLiteral("orthogonal"));
    xml.writeAttribute(QStringLiteral("width"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("height"), QStringLiteral("1"));
    xml.writeStartElement(QStringLiteral("properties"));
    vlastnost(xml, znackaSady, QString::fromUtf8(rozvrh(sada).znacka));
    xml.writeEndElement();
    for (qsizetype id = 0; id < kody.size(); ++id) {
        xml.writeStartElement(QStringLiteral("tile"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id));
        if (const QString druh = druhKodu(kody[id]); !druh.isEmpty())
            xml.writeAttribute(QStringLiteral("type"), druh);
        xml.writeStartElement(QStringLiteral("properties"));
        vlastnost(xml, vlastnostKodu, QString::number(kody[id]), true);
        vlastnost(xml, vlastnostNazvu, nazevDlazdice(kody[id]));
        xml.writeEndElement();
        xml.writeEmptyElement(QStringLiteral("image"));
        xml.writeAttribute(QStringLiteral("width"), QString::number(strana));
        xml.writeAttribute(QStringLiteral("height"), QString::number(strana));
        xml.writeAttribute(QStringLiteral("source"), souborDlazdice(kody[id]));
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return data;
}

QString souborDlazdice(int kod) {
    return QStringLiteral("dlazdice/%1.png").arg(kod);
}

QByteArray obrazekDlazdice(int kod) {
    QImage bunka(strana, strana, QImage::Format_RGB32);
    kresleni::vycisti(bunka);
    kresleni::vykresliBunku(bunka, 0, 0, kod);
    QBuffer png;
    if (!png.open(QIODevice::WriteOnly) || !bunka.save(&png, "PNG"))
        return {};
    return png.data();
}

QByteArray obrazekSady(Sada sada) {
    const Rozvrh r = rozvrh(sada);
    // Each tile is the cell as the editor's surface shows it: a black cell
    // with the code's picture drawn into it (codes 2..49 draw none).
    QImage obraz(r.sloupcu * strana, radSady(r) * strana, QImage::Format_ARGB32);
    obraz.fill(Qt::transparent);
    QImage bunka(strana, strana, QImage::Format_RGB32);
    {
        QPainter malir(&obraz);
        malir.setCompositionMode(QPainter::CompositionMode_Source);
        for (int id = 0; id < r.dlazdic; ++id) {
            const int kod = kodDlazdice(sada, id);
            kresleni::vycisti(bunka);
            kresleni::vykresliBunku(bunka, 0, 0, kod);
            malir.drawImage(id % r.sloupcu * strana, id / r.sloupcu * strana, bunka);
        }
    }
    QBuffer png;
    if (!png.open(QIODevice::WriteOnly) || !obraz.save(&png, "PNG"))
        return {};
    return png.data();
}

QByteArray svet(const QStringList &mapy) {
    QJsonArray seznam;
    for (qsizetype i = 0; i < mapy.size(); ++i)
        seznam.append(QJsonObject{
            {QStringLiteral("fileName"), mapy[i]},
            {QStringLiteral("x"), static_cast<qint64>(i % mapVRade * (sirkaMapy + strana))},
            {QStringLiteral("y"), static_cast<qint64>(i / mapVRade * (vyskaMapy + strana))},
            {QStringLiteral("width"), sirkaMapy},
            {QStringLiteral("height"), vyskaMapy},
        });
    return QJsonDocument(QJsonObject{{QStringLiteral("maps"), seznam},
                                     {QStringLiteral("onlyShowAdjacentMaps"), false},
                                     {QStringLiteral("type"), QStringLiteral("world")}})
        .toJson(QJsonDocument::Indented);
}

} // namespace vinula::mistnosti::tiled
