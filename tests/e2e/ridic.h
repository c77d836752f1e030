#pragma once

// Drives the real editor on the X server in DISPLAY, as a person would: the
// program runs in its own process, input goes through xdotool and the
// results are read from the screen.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

class Ridic {
public:
    Ridic() = default;
    ~Ridic();

    // Starts the editor in `slozka` (its working directory) and waits for
    // its main window.
    bool spust(const QString &slozka = QString());
    bool bezi() const { return editor_.state() != QProcess::NotRunning; }
    // Waits for the program to end by itself.
    bool pockejNaKonec(int ms = 10000);

    // Window id of the first window whose title matches the regular expression.
    QString najdiOkno(const QString &titulek, int ms = 10000) const;
    QString titulekOkna(const QString &okno) const;
    QRect geometrie(const QString &okno) const;

    // Top-left screen pixel of the surface's drawing area.
    QPoint pocatekPlochy() const { return plocha_; }
    QString hlavniOkno() const { return okno_; }

    // Input. Points are screen pixels.
    void klavesy(const QString &okno, const QStringList &klavesy) const;
    void napis(const QString &okno, const QString &text) const;
    // A key held down until it is let go, such as Shift during a stroke.
    void drzKlavesu(const QString &okno, const QString &klavesa) const;
    void pustKlavesu(const QString &okno, const QString &klavesa) const;
    void najed(QPoint bod) const;
    void klikni(QPoint bod, int tlacitko = 1) const;
    void stiskni(int tlacitko) const;
    void pust(int tlacitko) const;

    // Screen pixels.
    static QImage snimek();
    QColor barvaPlochy(int x, int y) const;

    // Polls a condition until it holds or the time runs out.
    static bool pockej(const std::function<bool()> &podminka, int ms = 10000);

    static QString xdotool(const QStringList &argumenty);

private:
    QProcess editor_;
    QString okno_;
    QPoint plocha_;
};
