#include "napoveda.h"

#include "prikazy.h"

namespace vinula::mistnosti {

namespace {

const char *const zacatek =
    R"(Použití: vinula-mistnosti PŘÍKAZ [VOLBY] ARGUMENTY…

Vypíše, zkontroluje, nakreslí a přeskládá místnosti v souborech místností
hry Vinula (soubory *.DAT editoru místností) a převede je do editoru map
Tiled a zpět. Zdrojový soubor nikdy nezmění.

Příkazy:
)";

const char *const konec =
    R"(
Volby:
  -h, --help       tato nápověda; za příkazem nápověda k příkazu
  --version        verze programu

Návratový kód: 0 v pořádku, 1 kontrola našla chybnou místnost, 2 chybný
vstup nebo chyba při čtení či zápisu, i když výsledky nejde zapsat na
standardní výstup; 3 soubory se zapsaly, jen hlášení o tom nejde zapsat na
standardní výstup (co se zapsalo, pak řekne chybový výstup). Chyby se vypisují česky na standardní chybový výstup.
Přestane-li čtenář výstup číst (např. head), program tiše skončí.
)";

const char *const volbyZapisuMistnosti =
    R"(  -o, --vystup NOVÝ.DAT   soubor, který se vytvoří; existující soubor se bez
                          --pripojit nikdy nepřepíše
  --pripojit              připojí místnosti na konec existujícího souboru
                          místností (chybí-li, vytvoří ho)
  -h, --help              tato nápověda

Nový soubor se objeví celý, nebo vůbec; nepovedené či přerušené připojení
vrátí soubor na jeho původní délku. Zapisuje-li do souboru jiný program,
připojení počká. Návratový kód 2 při chybném vstupu, chybě zápisu nebo
přerušení.
)";

// "  seznam SOUBOR… [--json]          vypíše místnosti souborů": the line of
// one sub-command, its description in the column of the others, or on a
// line of its own below a long usage.
QString radekPrikazu(const Podprikaz &podprikaz) {
    constexpr int sloupec = 33;
    QString radek = QStringLiteral("  ") + QString::fromUtf8(podprikaz.pouziti);
    if (radek.size() < sloupec + 2)
        radek = radek.leftJustified(sloupec + 2);
    else
        radek += u'\n' + QString(sloupec + 2, u' ');
    return radek + QString::fromUtf8(podprikaz.popis) + u'\n';
}

} // namespace

QString napoveda(const Podprikaz *podprikaz) {
    if (podprikaz)
        return podprikaz->napoveda();
    QString text = QString::fromUtf8(zacatek);
    for (const Podprikaz &kazdy : podprikazy())
        text += radekPrikazu(kazdy);
    return text + QString::fromUtf8(konec);
}

QString volbyZapisu() {
    return QString::fromUtf8(volbyZapisuMistnosti);
}

QString odkazNaNapovedu(const Podprikaz *podprikaz) {
    if (!podprikaz)
        return QStringLiteral("Nápověda: vinula-mistnosti --help");
    return QStringLiteral("Nápověda: vinula-mistnosti %1 --help")
        .arg(QString::fromUtf8(podprikaz->jmeno));
}

QString verze() {
    return QStringLiteral("vinula-mistnosti " VINULA_VERZE);
}

} // namespace vinula::mistnosti
