#include "editor.h"

#include "dialogs/rozmisteni_krok.h"
#include "okna/rozvrzeni.h"
#include "room/promenne.h"
#include "room/roomfile.h"

#include <QDir>
#include <QTimer>

namespace vinula {

void Editor::Timer1_Timer() {
    // A run never starts inside another (a dialog's event loop would allow it).
    if (tikBezi_)
        return;
    tikBezi_ = true;
    blokRozmisteni();
    blokMalovani();
    blokNacteni();
    blokZapsani();
    tikBezi_ = false;
}

void Editor::ohlasPozdeji(const QString &titulek, const QString &text) {
    QTimer::singleShot(0, this, [this, titulek, text] { varovani(this, titulek, text); });
}

void Editor::blokRozmisteni() {
    // The idle case, on every tick: no text to read.
    if (promenne.pocet.isEmpty() || promenne.pocet == QLatin1String("0"))
        return;
    // The count is read once: a text that is no number, or a count of 0 or
    // less, ends the request here instead of being read again on every tick.
    const std::optional<double> pocet = cisloZTextu(promenne.pocet);
    if (!pocet || *pocet <= 0) {
        promenne.pocet = QStringLiteral("0");
        return;
    }
    rozmistitNahodne(mistnost, promenne.predmet,
                     {promenne.pocet, promenne.radek_od, promenne.radek_do, promenne.sloupec_od,
                      promenne.sloupec_do, promenne.dotyk},
                     nahoda_);
    prekreslit();
    promenne.pocet = QStringLiteral("0");
    obnovMrizku();
}

void Editor::blokNacteni() {
    if (!promenne.pozadavek_nacteni)
        return;
    promenne.pozadavek_nacteni = false;

    // The room is read aside first: a file that vanished or shrank since the
    // dialog looked at it must leave the room and the surface as they were.
    Mistnost nactena = mistnost;
    QString nazev;
    QString duvod;
    if (!roomfile::nactiMistnost(promenne.soubor_nacteni, promenne.cislo_mistnosti, nactena, nazev,
                                 &duvod)) {
        ohlasPozdeji(QStringLiteral("Načtení místnosti"),
                     QStringLiteral("Místnost číslo %1 se nepodařilo načíst ze souboru\n%2\n\n%3")
                         .arg(promenne.cislo_mistnosti)
                         .arg(QDir::toNativeSeparators(promenne.soubor_nacteni), duvod));
        promenne.nazev_mistnosti = nazevMistnostiPlochy_;
        promenne.nazev_souboru = nazevSouboruPlochy_;
        return;
    }

    vycistiPlochu();
    promenne.nazev_mistnosti = nazev;
    zapamatujNazvy();
    mistnost = nactena;
    prekreslit();
    obnovMrizku();
}

void Editor::blokZapsani() {
    if (!promenne.pozadavek_zapsani)
        return;
    promenne.pozadavek_zapsani = false;

    QString &nazev = promenne.nazev_mistnosti;
    if (nazev.size() < roomfile::delkaNazvu)
        nazev += QString(roomfile::delkaNazvu - nazev.size(), QLatin1Char(' '));
    zapamatujNazvy();

    QString duvod;
    if (!roomfile::pripojMistnost(promenne.soubor_zapsani, nazev, mistnost, &duvod))
        ohlasPozdeji(QStringLiteral("Uložení místnosti"),
                     QStringLiteral("Místnost se nepodařilo uložit do souboru\n%1\n\n%2")
                         .arg(QDir::toNativeSeparators(promenne.soubor_zapsani), duvod));
}

} // namespace vinula
