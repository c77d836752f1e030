#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Windows-1250, the code page of room names. Our own table: Qt 6 has no codec
// for it.
namespace vinula::cp1250 {

// Every byte maps to one character; the five bytes the code page leaves
// undefined map to the C1 control of the same value, so they survive a round
// trip.
QChar naZnak(quint8 bajt);
// A character the code page lacks becomes '?'.
quint8 naBajt(QChar znak);

QString dekoduj(QByteArrayView bajty);
QByteArray zakoduj(QStringView text);

} // namespace vinula::cp1250
