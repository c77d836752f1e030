#pragma once

// Files written and read whole by the tests.

#include <QByteArray>
#include <QFile>
#include <QString>

inline bool uloz(const QString &cesta, const QByteArray &data) {
    QFile f(cesta);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// The file's bytes; none when it cannot be read.
inline QByteArray precti(const QString &cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
