#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `akce` on the modal window that `otevri` shows. The modal call only
// returns once the window is closed, so the window is looked for from a timer.
// Returns whether the action ran at all.
inline bool sModalnimOknem(const std::function<void()> &otevri,
                           const std::function<void(QWidget *)> &akce) {
    bool probehlo = false;
    int cekani = 0;
    QTimer hlidka;
    hlidka.setInterval(20);
    QObject::connect(&hlidka, &QTimer::timeout, [&] {
        QWidget *okno = QApplication::activeModalWidget();
        if (!okno)
            return;
        if (!probehlo) {
            probehlo = true;
            akce(okno);
        } else if (++cekani > 250) {
            // The action left the window open: close it rather than hang.
            okno->close();
        }
    });
    hlidka.start();
    otevri();
    hlidka.stop();
    return probehlo;
}
