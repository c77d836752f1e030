#pragma once

#include "room/mistnost.h"

#include <QString>
#include <optional>

// The tick's load and save requests carried out on the room, without a window: the main window
// only draws the result and shows the returned text in a warning box.
namespace vinula {

// A load request as the load dialog leaves it.
struct ZadaniNacteni {
    QString soubor;   // the room file
    qint32 cislo = 0; // the room in it, counted from 1
};

// Room `zadani.cislo` of the file, read whole: its cells replace the area of `mistnost` (the
// ring stays) and its name, all 50 characters, replaces `nazev`. When it cannot be read, neither
// changes and the text for the warning box comes back; after a load nothing comes back.
std::optional<QString> provedNacteni(Mistnost &mistnost, QString &nazev,
                                     const ZadaniNacteni &zadani);

// Pads `nazev` with spaces to 50 characters (a longer name keeps all of them; the file gets the
// first 50) and appends the room to the file `soubor` as one record. When the file cannot take
// it, the file is as it was and the text for the warning box comes back.
std::optional<QString> provedZapsani(const Mistnost &mistnost, QString &nazev,
                                     const QString &soubor);

} // namespace vinula
