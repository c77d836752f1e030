#include "ridic.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcessEnvironment>
#include <QRect>
#include <QScreen>
#include <QThread>

namespace {
constexpr int klientVyska = 418; // client area under the menu bar
constexpr int plochaX = 7 + 2;   // surface position plus its frame
constexpr int plochaY = 8 + 2;
} // namespace

Ridic::~Ridic() {
    if (bezi()) {
        editor_.kill();
        editor_.waitForFinished(5000);
    }
}

QString Ridic::xdotool(const QStringList &argumenty) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), argumenty);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

bool Ridic::pockej(const std::function<bool()> &podminka, int ms) {
    QElapsedTimer hodiny;
    hodiny.start();
    while (hodiny.elapsed() < ms) {
        if (podminka())
            return true;
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    return podminka();
}

bool Ridic::spust(const QString &slozka) {
    QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
    prostredi.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    prostredi.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    editor_.setProcessEnvironment(prostredi);
    editor_.setProcessChannelMode(QProcess::ForwardedChannels);
    if (!slozka.isEmpty())
        editor_.setWorkingDirectory(slozka);
    editor_.start(QStringLiteral(VINULA_EDITOR_PATH), {});
    if (!editor_.waitForStarted(10000))
        return false;
    okno_ = najdiOkno(QStringLiteral("^Vinula - editor místností"), 20000);
    if (okno_.isEmpty())
        return false;
    const QRect g = geometrie(okno_);
    plocha_ = QPoint(g.x() + plochaX, g.y() + g.height() - klientVyska + plochaY);
    // Without a window manager nobody gives the window the focus.
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), okno_});
    // The surface is ready once its black area is on the screen.
    return pockej([this] { return barvaPlochy(300, 200) == QColor(Qt::black); });
}

bool Ridic::pockejNaKonec(int ms) {
    return editor_.state() == QProcess::NotRunning || editor_.waitForFinished(ms);
}

QString Ridic::najdiOkno(const QString &titulek, int ms) const {
    QString nalezeno;
    pockej(
        [&] {
            const QString vysledek =
                xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                         QStringLiteral("--name"), titulek});
            nalezeno = vysledek.section(QLatin1Char('\n'), 0, 0);
            return !nalezeno.isEmpty();
        },
        ms);
    return nalezeno;
}

QString Ridic::titulekOkna(const QString &okno) const {
    return xdotool({QStringLiteral("getwindowname"), okno});
}

QRect Ridic::geometrie(const QString &okno) const {
    const QString vystup =
        xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), okno});
    int x = 0, y = 0, w = 0, h = 0;
    for (const QString &radek : vystup.split(QLatin1Char('\n'))) {
        const QString klic = radek.section(QLatin1Char('='), 0, 0);
        const int hodnota = radek.section(QLatin1Char('='), 1).toInt();
        if (klic == QLatin1String("X"))
            x = hodnota;
        else if (klic == QLatin1String("Y"))
            y = hodnota;
        else if (klic == QLatin1String("WIDTH"))
            w = hodnota;
        else if (klic == QLatin1String("HEIGHT"))
            h = hodnota;
    }
    return {x, y, w, h};
}

void Ridic::klavesy(const QString &okno, const QStringList &klavesy) const {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), okno});
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} +
            klavesy);
}

void Ridic::napis(const QString &okno, const QString &text) const {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), okno});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

void Ridic::drzKlavesu(const QString &okno, const QString &klavesa) const {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), okno});
    xdotool({QStringLiteral("keydown"), klavesa});
}

void Ridic::pustKlavesu(const QString &okno, const QString &klavesa) const {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), okno});
    xdotool({QStringLiteral("keyup"), klavesa});
}

void Ridic::najed(QPoint bod) const {
    xdotool({QStringLiteral("mousemove"), QString::number(bod.x()), QString::number(bod.y())});
}

void Ridic::klikni(QPoint bod, int tlacitko) const {
    najed(bod);
    xdotool({QStringLiteral("click"), QString::number(tlacitko)});
}

void Ridic::stiskni(int tlacitko) const {
    xdotool({QStringLiteral("mousedown"), QString::number(tlacitko)});
}

void Ridic::pust(int tlacitko) const {
    xdotool({QStringLiteral("mouseup"), QString::number(tlacitko)});
}

QImage Ridic::snimek() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

QColor Ridic::barvaPlochy(int x, int y) const {
    const QPoint bod = plocha_ + QPoint(x, y);
    const QImage obraz =
        QGuiApplication::primaryScreen()->grabWindow(0, bod.x(), bod.y(), 1, 1).toImage();
    return obraz.isNull() ? QColor() : QColor(obraz.pixel(0, 0));
}
