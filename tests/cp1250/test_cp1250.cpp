#include "room/cp1250.h"

#include <QSet>
#include <QTest>

using namespace vinula;

namespace {
// Builds text unit by unit, broken surrogate pairs included.
QString utf16(std::initializer_list<char16_t> jednotky) {
    return QString::fromUtf16(jednotky.begin(), qsizetype(jednotky.size()));
}
} // namespace

class TestCp1250 : public QObject {
    Q_OBJECT
private slots:
    void bajtAZnak_data();
    void bajtAZnak();
    void vsechnyBajtyTamIZpet();
    void ceskaAbeceda_data();
    void ceskaAbeceda();
    void znakMimoKodovouStranku_data();
    void znakMimoKodovouStranku();
};

void TestCp1250::bajtAZnak_data() {
    QTest::addColumn<int>("bajt");
    QTest::addColumn<int>("znak");
    const struct {
        int bajt;
        int znak;
    } radky[] = {
        {0x00, 0x0000},
        {0x41, 0x0041},
        {0x7F, 0x007F},
        {0x80, 0x20AC},
        {0x84, 0x201E},
        {0x8C, 0x015A},
        {0x8F, 0x0179},
        {0x93, 0x201C},
        {0x96, 0x2013},
        {0x99, 0x2122},
        {0xA0, 0x00A0},
        {0xA1, 0x02C7},
        {0xA3, 0x0141},
        {0xA5, 0x0104},
        {0xA7, 0x00A7},
        {0xAD, 0x00AD},
        {0xB0, 0x00B0},
        {0xB3, 0x0142},
        {0xB9, 0x0105},
        {0xBC, 0x013D},
        {0xBE, 0x013E},
        {0xC0, 0x0154},
        {0xC3, 0x0102},
        {0xD5, 0x0150},
        {0xDF, 0x00DF},
        {0xE0, 0x0155},
        {0xF5, 0x0151},
        {0xFE, 0x0163},
        {0xFF, 0x02D9},
        // undefined in the code page: the C1 control of the same value
        {0x81, 0x0081},
        {0x83, 0x0083},
        {0x88, 0x0088},
        {0x90, 0x0090},
        {0x98, 0x0098},
    };
    for (const auto &r : radky)
        QTest::addRow("0x%02X", r.bajt) << r.bajt << r.znak;
}

void TestCp1250::bajtAZnak() {
    QFETCH(int, bajt);
    QFETCH(int, znak);
    QCOMPARE(int(cp1250::naZnak(quint8(bajt)).unicode()), znak);
    QCOMPARE(int(cp1250::naBajt(QChar(char16_t(znak)))), bajt);
}

void TestCp1250::vsechnyBajtyTamIZpet() {
    QByteArray vse(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        vse[i] = char(i);
    const QString text = cp1250::dekoduj(vse);
    QCOMPARE(text.size(), 256);
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
    QCOMPARE(cp1250::zakoduj(text), vse);
    for (int i = 0; i < 256; ++i)
        QCOMPARE(int(cp1250::naBajt(cp1250::naZnak(quint8(i)))), i);
}

void TestCp1250::ceskaAbeceda_data() {
    QTest::addColumn<QString>("abeceda");
    QTest::addColumn<QByteArray>("bajty");
    QTest::newRow("malá") << QStringLiteral("aábcčdďeéěfghchiíjklmnňoópqrřsštťuúůvwxyýzž")
                          << QByteArray::fromHex("61e16263e864ef65e9ec666768636869ed6a6b6c6d6ef26f"
                                                 "f3707172f8739a749d75faf976777879fd7a9e");
    QTest::newRow("velká") << QStringLiteral("AÁBCČDĎEÉĚFGHCHIÍJKLMNŇOÓPQRŘSŠTŤUÚŮVWXYÝZŽ")
                           << QByteArray::fromHex("41c14243c844cf45c9cc464748434849cd4a4b4c4d4ed24f"
                                                  "d3505152d8538a548d55dad956575859dd5a8e");
}

void TestCp1250::ceskaAbeceda() {
    QFETCH(QString, abeceda);
    QFETCH(QByteArray, bajty);
    QCOMPARE(cp1250::zakoduj(abeceda), bajty);
    QCOMPARE(cp1250::dekoduj(bajty), abeceda);
}

void TestCp1250::znakMimoKodovouStranku_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bajty");
    QTest::newRow("prázdný") << QString() << QByteArray();
    QTest::newRow("à, œ, 中") << QStringLiteral("àxœ中") << QByteArray("?x??");
    // U+0080 is not €: only the five undefined bytes keep their C1 value.
    QTest::newRow("U+0080, U+0081") << utf16({0x80, 0x81}) << QByteArray("?\x81");
    QTest::newRow("U+FFFF") << utf16({0xFFFF}) << QByteArray("?");
    QTest::newRow("mimo BMP je jeden znak") << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::newRow("osamělé náhrady")
        << utf16({u'a', 0xDC00, 0xD800, 0xD800, 0xDC00, 0xDBFF}) << QByteArray("a????");
    QTest::newRow("smíšený") << QStringLiteral("Žluť€ß") << QByteArray("\x8Elu\x9D\x80\xDF");
}

void TestCp1250::znakMimoKodovouStranku() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bajty);
    QCOMPARE(cp1250::zakoduj(text), bajty);
}

QTEST_GUILESS_MAIN(TestCp1250)
#include "test_cp1250.moc"
