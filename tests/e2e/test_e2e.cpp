// The real editor on the X server in DISPLAY, driven through xdotool, read off the screen.

#include "../cekane.h"
#include "../soubor.h"

#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {
bool pockej(const std::function<bool()> &podminka) {
    return QTest::qWaitFor(podminka, 10000);
}

QString xdo(const QStringList &argumenty) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), argumenty);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QImage snimek(const QRect &r) {
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The lowest item code whose picture a 20 x 20 screen area shows, or 255 for none.
char kod(const QImage &obraz) {
    static QList<QImage> obrazky;
    for (int k = int(obrazky.size()); k < 256; ++k)
        obrazky.append(cekane::obrazek(k));
    return static_cast<char>(obrazky.indexOf(obraz));
}

// The first visible window whose title matches the expression, once there is one.
QString najdi(const QString &titulek) {
    return xdo({"search", "--sync", "--onlyvisible", "--name", titulek}).section('\n', 0, 0);
}

QRect geometrie(const QString &id) {
    QHash<QString, int> g;
    for (const QString &radek : xdo({"getwindowgeometry", "--shell", id}).split(QLatin1Char('\n')))
        g[radek.section(QLatin1Char('='), 0, 0)] = radek.section(QLatin1Char('='), 1).toInt();
    return {g["X"], g["Y"], g["WIDTH"], g["HEIGHT"]};
}

// Moves the pointer to a screen point, then runs e.g. {"click", "3"}.
void najed(QPoint bod, const QStringList &potom = {}) {
    xdo(QStringList{"mousemove", QString::number(bod.x()), QString::number(bod.y())} + potom);
}

struct Ridic {
    QProcess editor;
    QString hlavni; // the main window
    QPoint plocha;  // the screen pixel of the surface's top-left corner

    ~Ridic() {
        xdo({"keyup", "shift"}); // a failed test may leave it down
        editor.kill();
        editor.waitForFinished(5000);
    }
    // Starts the editor in `slozka`; true once its surface shows a black room.
    bool spust(const QString &slozka = {}) {
        editor.setProcessChannelMode(QProcess::ForwardedChannels);
        editor.setWorkingDirectory(slozka);
        editor.start(QStringLiteral(VINULA_EDITOR_PATH), {});
        hlavni = najdi(QStringLiteral("^Vinula - editor místností"));
        const QRect g = geometrie(hlavni);
        // The surface's frame at (7, 8) of the 418-pixel client area under the menu.
        plocha = QPoint(g.x() + 9, g.y() + g.height() - 418 + 10);
        return !hlavni.isEmpty() && pockej([&] { return mistnost() == QByteArray(600, 0); });
    }
    // An xdotool command with the focus given to a window (default the main one): no window
    // manager gives it.
    void vOkne(const QStringList &prikaz, const QString &id = {}) const {
        xdo(QStringList{"windowfocus", "--sync", id.isEmpty() ? hlavni : id} + prikaz);
    }
    void klavesy(const QString &klavesy, const QString &id = {}) const {
        vOkne(QStringList{"key", "--delay", "30"} + klavesy.split(QLatin1Char(' ')), id);
    }
    void napis(const QString &text, const QString &id) const {
        vOkne({"type", "--delay", "30", text}, id);
    }
    // Keys in the main window that open the window titled `titulek`.
    QString otevri(const QString &klavesa, const QString &titulek) const {
        klavesy(klavesa);
        return najdi(titulek);
    }
    QPoint stred(int cx, int cy) const { return plocha + QPoint(20 * cx + 10, 20 * cy + 10); }
    QColor barva(int x, int y) const {
        return snimek({plocha + QPoint(x, y), QSize(1, 1)}).pixel(0, 0);
    }
    // The room as the surface shows it, in file order (x outer, y inner).
    QByteArray mistnost() const {
        const QImage s = snimek({plocha, QSize(600, 400)});
        QByteArray m;
        for (int x = 0; x < 30; ++x)
            for (int y = 0; y < 20; ++y)
                m.append(kod(s.copy(20 * x, 20 * y, 20, 20)));
        return m;
    }
    // The palette opened beside the main window, the item at (sloupec, radek) clicked there.
    bool zvol(int sloupec, int radek, char predmet) const {
        const QString paleta = QStringLiteral("^Volba předmětů$");
        najed(plocha + QPoint(300, 390), {"click", "3"});
        const QRect g = geometrie(najdi(paleta));
        const QRect kde(g.topLeft() + QPoint(7 + 21 * sloupec, 28 + 28 * radek), QSize(20, 20));
        if (g.left() <= geometrie(hlavni).right() ||
            !pockej([&] { return kod(snimek(kde)) == predmet; }))
            return false;
        najed(kde.center(), {"click", "1"});
        return pockej([&] { return xdo({"search", "--onlyvisible", "--name", paleta}).isEmpty(); });
    }
    // Holds the left button on a cell until the surface shows `ocekavana`.
    bool drz(int cx, int cy, const QByteArray &ocekavana) const {
        najed(stred(cx, cy), {"mousedown", "1"});
        const bool ok = pockej([&] { return mistnost() == ocekavana; });
        xdo({"mouseup", "1"});
        return ok;
    }
};
} // namespace

class TestE2e : public QObject {
    Q_OBJECT
private slots:
    // A stroke of walls, one erased with Shift, a vinula and a food; F2 saves exactly that room,
    // Clear, F3 loads it back; twelve walls scattered onto free cells; the grid; Ctrl+U quits.
    void sezeni() {
        QTemporaryDir slozka;
        Ridic r;
        QVERIFY(slozka.isValid() && r.spust(slozka.path()));
        QVERIFY(r.zvol(4, 0, 52));
        QByteArray m(600, 0);
        najed(r.stred(3, 5), {"mousedown", "1"});
        for (int cx = 3; cx <= 8; ++cx) {
            najed(r.stred(cx, 5) + QPoint(cx - 5, 1));
            m[20 * cx + 5] = 52;
            QVERIFY2(pockej([&] { return r.mistnost() == m; }), qPrintable(QString::number(cx)));
        }
        xdo({"mouseup", "1"});
        r.vOkne({"keydown", "shift"});
        m[20 * 5 + 5] = 0;
        QVERIFY(r.drz(5, 5, m));
        r.vOkne({"keyup", "shift"});
        m[20 * 0 + 7] = 1;
        QVERIFY(r.zvol(0, 0, 1) && r.drz(0, 7, m));
        m[20 * 15 + 10] = 100;
        QVERIFY(r.zvol(0, 2, 100) && r.drz(15, 10, m));
        const QString z = r.otevri("F2", "^Uložení místnosti na disk$");
        najed(geometrie(z).topLeft() + QPoint(198, 184), {"click", "1"}); // the file name box
        r.napis("NOVA.DAT", z);
        r.klavesy("Tab", z);
        r.napis("Moje mistnost", z);
        r.klavesy("alt+u", z);
        const QString cesta = slozka.filePath(QStringLiteral("NOVA.DAT"));
        QVERIFY(pockej([&] { return QFileInfo(cesta).size() == 650; }));
        QCOMPARE(precti(cesta), QByteArray("Moje mistnost").leftJustified(50) + m);
        r.klavesy("ctrl+v");
        QVERIFY(pockej([&] { return r.mistnost() == QByteArray(600, 0); }));
        const QString n = r.otevri("F3", "^Načtení místnosti z disku$");
        najed(geometrie(n).topLeft() + QPoint(191, 15), {"click", "1"}); // NOVA.DAT; room 1
        r.klavesy("alt+n", n);
        QVERIFY(pockej([&] { return r.mistnost() == m; }));
        QVERIFY(r.zvol(4, 0, 52));
        const QString d = r.otevri("ctrl+r", "^Náhodné rozmístění navoleného předmětu$");
        // From the first button to the count box; tabbing in selects its text.
        r.klavesy("Tab Tab Tab Tab Tab Tab", d);
        r.napis("12", d);
        r.klavesy("alt+r", d);
        QByteArray s;
        QVERIFY(
            pockej([&] { return (s = r.mistnost()).count(char(52)) == m.count(char(52)) + 12; }));
        for (int i = 0; i < 600; ++i) // only free cells took one
            QVERIFY(s[i] == m[i] || (m[i] == 0 && s[i] == 52));
        r.klavesy("ctrl+m");
        QVERIFY(pockej([&] { return r.barva(20, 10) == QColor(64, 64, 64); }));
        QCOMPARE(r.barva(10, 20), QColor(64, 64, 64));
        r.klavesy("ctrl+u");
        QVERIFY(r.editor.waitForFinished(10000) && r.editor.exitCode() == 0);
    }
};

QTEST_MAIN(TestE2e)
#include "test_e2e.moc"
