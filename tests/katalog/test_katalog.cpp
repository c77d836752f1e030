#include "items/katalog.h"
#include "items/obrazky.h"

#include <QTest>

using namespace vinula;

class TestKatalog : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QCOMPARE(katalog::nazev(52), QStringLiteral("zeď modrá")); }
};

QTEST_GUILESS_MAIN(TestKatalog)
#include "test_katalog.moc"
