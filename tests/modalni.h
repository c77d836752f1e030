#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `akce` on the modal window that `otevri` shows (looked for from a timer: the modal call
// returns only once it closes); a window left open is closed after 5 s. Whether `akce` ran.
inline bool sModalnimOknem(const std::function<void()> &otevri,
                           const std::function<void(QWidget *)> &akce) {
    bool probehlo = false;
    int cekani = 0;
    QTimer hlidka;
    QObject::connect(&hlidka, &QTimer::timeout, [&] {
        if (QWidget *okno = QApplication::activeModalWidget(); okno && !probehlo) {
            probehlo = true;
            akce(okno);
        } else if (okno && ++cekani > 250)
            okno->close();
    });
    hlidka.start(20);
    otevri();
    hlidka.stop();
    return probehlo;
}
