#include "editor.h"

#include "dialogs/rozmisteni_krok.h"
#include "okna/rozvrzeni.h"
#include "pozadavky.h"
#include "room/promenne.h"

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
    // A text that is no request ends here instead of being read again on
    // every tick.
    if (!pocetRozmisteni(promenne.pocet)) {
        promenne.pocet = QStringLiteral("0");
        return;
    }
    rozmistitNahodne(mistnost, promenne.predmet,
                     {.pocet = promenne.pocet,
                      .radek_od = promenne.radek_od,
                      .radek_do = promenne.radek_do,
                      .sloupec_od = promenne.sloupec_od,
                      .sloupec_do = promenne.sloupec_do,
                      .dotyk = promenne.dotyk},
                     nahoda_);
    prekreslit();
    promenne.pocet = QStringLiteral("0");
    obnovMrizku();
}

void Editor::blokNacteni() {
    if (!promenne.pozadavek_nacteni)
        return;
    promenne.pozadavek_nacteni = false;
    const std::optional<QString> nezdar =
        provedNacteni(mistnost, promenne.nazev_mistnosti,
                      {.soubor = promenne.soubor_nacteni, .cislo = promenne.cislo_mistnosti});
    if (nezdar) {
        // The load dialog wrote the names of the room it asked for; the room that stays on the
        // surface takes its own back.
        promenne.nazev_mistnosti = promenne.puvodni_nazev_mistnosti;
        promenne.nazev_souboru = promenne.puvodni_nazev_souboru;
        ohlasPozdeji(QStringLiteral("Načtení místnosti"), *nezdar);
        return;
    }
    vycistiPlochu();
    prekreslit();
    obnovMrizku();
}

void Editor::blokZapsani() {
    if (!promenne.pozadavek_zapsani)
        return;
    promenne.pozadavek_zapsani = false;
    if (const std::optional<QString> nezdar =
            provedZapsani(mistnost, promenne.nazev_mistnosti, promenne.soubor_zapsani))
        ohlasPozdeji(QStringLiteral("Uložení místnosti"), *nezdar);
}

} // namespace vinula
