#include "items/katalog.h"
#include "items/obrazky.h"

#include <QSet>
#include <QTest>
#include <utility>
#include <vector>

using namespace vinula;

namespace {

// Every item code: 0, 1, the walls and the food.
std::vector<int> allCodes() {
    std::vector<int> codes{0, 1};
    for (int i = 0; i < katalog::pocetZdi; ++i)
        codes.push_back(katalog::prvniZed + i);
    for (int i = 0; i < katalog::pocetJidel; ++i)
        codes.push_back(katalog::prvniJidlo + i);
    return codes;
}

int blackPixels(const QImage &image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
    return count;
}

bool blackCorners(const QImage &image) {
    const int last = obrazky::strana - 1;
    for (const QPoint p : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        if (image.pixel(p) != qRgb(0, 0, 0))
            return false;
    return true;
}

} // namespace

class TestObrazky : public QObject {
    Q_OBJECT
private slots:
    void everyItemHasAPictureOfTheRightSize() {
        for (int kod : allCodes()) {
            const QImage *image = obrazky::proKod(kod);
            QVERIFY2(image != nullptr, qPrintable(QString::number(kod)));
            QVERIFY2(!image->isNull(), qPrintable(QString::number(kod)));
            QCOMPARE(image->size(), QSize(obrazky::strana, obrazky::strana));
        }
        QCOMPARE(obrazky::neznamy().size(), QSize(obrazky::strana, obrazky::strana));
    }

    void noTwoItemsLookTheSame() {
        std::vector<std::pair<QString, const QImage *>> images;
        for (int kod : allCodes())
            images.emplace_back(QStringLiteral("code %1").arg(kod), obrazky::proKod(kod));
        images.emplace_back(QStringLiteral("the unknown item"), &obrazky::neznamy());
        for (std::size_t i = 0; i < images.size(); ++i)
            for (std::size_t j = i + 1; j < images.size(); ++j)
                QVERIFY2(
                    *images[i].second != *images[j].second,
                    qPrintable(images[i].first + QStringLiteral(" looks like ") + images[j].first));
    }

    void freeFloorIsPlainBlack() {
        QCOMPARE(blackPixels(obrazky::volno()), obrazky::strana * obrazky::strana);
    }

    void headAndFoodStandOnTheFloor() {
        QVERIFY(blackCorners(obrazky::hlava()));
        for (int i = 0; i < katalog::pocetJidel; ++i)
            QVERIFY2(blackCorners(obrazky::zradlo(i)), qPrintable(QString::number(i)));
    }

    void wallsFillTheWholeSquare() {
        for (int i = 0; i < katalog::pocetZdi; ++i) {
            QCOMPARE(blackPixels(obrazky::zed(i)), 0);
            // Brick and mortar: never a flat square.
            QSet<QRgb> colours;
            const QImage &image = obrazky::zed(i);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    colours.insert(image.pixel(x, y));
            QVERIFY2(colours.size() >= 3, qPrintable(QString::number(i)));
        }
    }

    void unknownStandsOut() {
        QVERIFY(!blackCorners(obrazky::neznamy()));
        QCOMPARE(obrazky::zed(katalog::pocetZdi), obrazky::neznamy());
        QCOMPARE(obrazky::zradlo(-1), obrazky::neznamy());
    }

    void aboutFishIsATwoColourDrawing() {
        const QImage fish(QStringLiteral(VINULA_INFO_DIR "/ryba.xpm"));
        QVERIFY(!fish.isNull());
        QCOMPARE(fish.size(), QSize(121, 100));
        QSet<QRgb> colours;
        for (int y = 0; y < fish.height(); ++y)
            for (int x = 0; x < fish.width(); ++x)
                colours.insert(fish.pixel(x, y) | 0xff000000u);
        QCOMPARE(colours.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestObrazky)
#include "test_obrazky.moc"
