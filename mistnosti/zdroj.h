#pragma once

#include "cisla.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <functional>

namespace vinula::mistnosti {

// A room file opened for reading its whole records.
class Zdroj {
public:
    explicit Zdroj(const QString &cesta) : soubor_(cesta) {}

    // False, saying why, for a missing file, a folder, anything but a
    // regular file, or one that cannot be read.
    bool otevri(QString *duvod);
    // The same, and a file with bytes left over is refused too.
    bool otevriCely(QString *duvod);

    qint64 pocet() const { return pocet_; } // whole rooms
    qint64 navic() const { return navic_; } // bytes after the last whole room
    // Why a file with bytes left over is no room file.
    QString necelaDelka() const;

    // Takes one room; false stops the walk.
    using Prijemce = std::function<bool(qint64 cislo, QByteArrayView zaznam)>;
    // Rooms usek.od to usek.po in that order, up or down, read in blocks.
    // False when the receiver stopped, or when a read failed (the file may
    // have shrunk meanwhile) and then *duvod says why.
    bool projdi(Usek usek, const Prijemce &prijemce, QString *duvod);
    // Every whole room in file order.
    bool projdi(const Prijemce &prijemce, QString *duvod);

    QFile &soubor() { return soubor_; }

private:
    QFile soubor_;
    qint64 pocet_ = 0;
    qint64 navic_ = 0;
};

} // namespace vinula::mistnosti
