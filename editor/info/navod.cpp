#include "navod.h"

#include "okna/rozvrzeni.h"

#include <QLabel>
#include <QMouseEvent>

namespace vinula {

Navod::Navod(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Navod"));
    setWindowTitle(QStringLiteral("Popis editoru"));
    setFont(pismoInformaci(11));
    setFixedSize(sirka, vyska);

    Label1 = novyPopisek(this, "Label1", text(), zTwipu(105, 210, 8955, 3615));
    Label1->setWordWrap(true);
    Label1->installEventFilter(this);
}

QString Navod::text() {
    return QStringLiteral(
        "EDITOR slouží k vytváření místností do hry VINULA, které lze při ukládání na disk "
        "pojmenovat.\n"
        "\n"
        "Hlavním ovládacím prvkem programu je myš. Prvek umístíte ve dvou krocích: vyberete "
        "předmět a položíte ho. Pravým tlačítkem myši kdekoli na ploše se otevře nabídka "
        "předmětů; klepnutím levým tlačítkem na požadovaný předmět ho zvolíte jako aktivní. "
        "Položíte ho tak, že najedete myší na požadované místo hrací plochy a stisknete levé "
        "tlačítko; když při pohybu myši držíte levé tlačítko, položíte souvislou řadu. Pro "
        "přehlednost a přesnost doporučuji zapnout mřížku.\n"
        "Mazání umožňuje klávesa SHIFT: když ji držíte, levé tlačítko smaže objekt pod myší. "
        "Držení klávesy se na obrazovce nijak neukazuje; po jejím uvolnění zůstane aktivní "
        "dosavadní předmět.\n"
        "Aktivní vinulu lze umístit pouze u okrajů hrací plochy; pokus o umístění jinam program "
        "ignoruje.\n"
        "Při ukládání místnosti na disk buď vyberete existující datový soubor a vyplníte jen "
        "název místnosti (u místnosti načtené z disku je už vyplněn, můžete ho však změnit) a "
        "místnost se uloží do souboru jako další v pořadí, nebo napíšete název nového souboru a "
        "vyplníte název místnosti. Důrazně doporučuji užívat příponu DAT; při ukládání ji napište "
        "jako součást celého názvu souboru, protože hra ani editor při načítání místností jinou "
        "příponu nepřijímají. Před uložením editor ověří, že místnost obsahuje nějaké žrádlo a "
        "právě jednu vinulu.");
}

void Navod::Label1_Click() {
    close();
}

void Navod::Form_MouseDown(Qt::MouseButton) {
    close();
}

void Navod::mousePressEvent(QMouseEvent *event) {
    Form_MouseDown(event->button());
}

bool Navod::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Label1) {
        // A click on the text: any button, pressed and released on it. The
        // press is kept from the window, which would close at once.
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick)
            return true;
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mys = static_cast<QMouseEvent *>(event);
            if (Label1->rect().contains(mys->position().toPoint()))
                Label1_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vinula
