#pragma once

// Helpers shared by the dialog tests: room files in a temporary folder that
// is the process's current directory, clicks on list entries, and a watch
// for modal windows.

#include "dialogs/seznamy.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace pomoc {

// A fresh temporary folder made the process's current directory, as the
// folder a user starts the editor in; the old one comes back afterwards.
class Slozka {
public:
    Slozka() : puvodni_(QDir::currentPath()) {
        if (QDir::setCurrent(adresar_.path()))
            cesta_ = QDir::currentPath();
    }
    ~Slozka() { QDir::setCurrent(puvodni_); }
    Slozka(const Slozka &) = delete;
    Slozka &operator=(const Slozka &) = delete;

    bool platna() const { return adresar_.isValid() && !cesta_.isEmpty(); }
    // As the process sees it (symbolic links resolved).
    QString cesta() const { return cesta_; }
    QString soubor(const QString &nazev) const { return QDir(cesta()).filePath(nazev); }

private:
    QString puvodni_;
    QTemporaryDir adresar_;
    QString cesta_;
};

// One 650-byte record: the name padded with spaces, then 600 cells.
inline QByteArray zaznam(const QByteArray &nazev, char bunka = 0) {
    return nazev.leftJustified(50, ' ', true) + QByteArray(600, bunka);
}

inline QByteArray nazev50(const QByteArray &nazev) {
    return nazev.leftJustified(50, ' ', true);
}

inline bool zapis(const QString &cesta, const QByteArray &obsah) {
    QFile soubor(cesta);
    if (!soubor.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return soubor.write(obsah) == obsah.size();
}

// Row of a file in the file list, or -1.
inline int radekSouboru(QListView *seznam, const QString &nazev) {
    const QAbstractItemModel *model = seznam->model();
    for (int i = 0; i < model->rowCount(); ++i)
        if (model->index(i, 0).data().toString() == nazev)
            return i;
    return -1;
}

// A mouse click on an entry of the file list, as a user makes it.
inline bool klikniSoubor(QListView *seznam, const QString &nazev) {
    const int radek = radekSouboru(seznam, nazev);
    if (radek < 0)
        return false;
    const QModelIndex index = seznam->model()->index(radek, 0);
    seznam->scrollTo(index);
    QTest::mouseClick(seznam->viewport(), Qt::LeftButton, {}, seznam->visualRect(index).center());
    return true;
}

// A double click on the directory list's entry for `slozka` (a full path).
inline bool otevriSlozku(QListWidget *seznam, const QString &slozka) {
    for (int i = 0; i < seznam->count(); ++i) {
        QListWidgetItem *polozka = seznam->item(i);
        if (QDir::cleanPath(polozka->data(Qt::UserRole).toString()) == QDir::cleanPath(slozka)) {
            const QPoint stred = seznam->visualItemRect(polozka).center();
            // A double click begins with a press; QTest sends only the second half.
            QTest::mouseClick(seznam->viewport(), Qt::LeftButton, {}, stred);
            QTest::mouseDClick(seznam->viewport(), Qt::LeftButton, {}, stred);
            return true;
        }
    }
    return false;
}

// Runs `akce`, which opens a modal window, and calls `krok` on that window
// once it is up; `krok` is expected to close it. A window left open is
// closed so the test cannot hang. Returns whether `krok` ran.
inline bool veModalnimOkne(const std::function<void()> &akce,
                           const std::function<void(QWidget *)> &krok) {
    bool probehlo = false;
    QPointer<QWidget> okno;
    QTimer hlidac;
    hlidac.setInterval(20);
    QObject::connect(&hlidac, &QTimer::timeout, [&] {
        QWidget *modalni = QApplication::activeModalWidget();
        if (!modalni)
            return;
        if (!probehlo) {
            probehlo = true;
            okno = modalni;
            krok(modalni);
        } else if (modalni == okno) {
            modalni->close();
        }
    });
    hlidac.start();
    akce();
    hlidac.stop();
    return probehlo;
}

} // namespace pomoc
