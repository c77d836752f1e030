#include "zapsani.h"

#include "okna/rozvrzeni.h"
#include "pripona.h"
#include "room/promenne.h"
#include "room/roomfile.h"
#include "seznamy.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <limits>

namespace vinula {

Zapsani::Zapsani(QWidget *parent)
    : SouborovyDialog(parent), seznamy(new Seznamy(this)), Drive1(seznamy->Drive1),
      Dir1(seznamy->Dir1), File1(seznamy->File1),
      Label1(novyPopisek(this, "Label1", QStringLiteral("Název souboru"),
                         zTwipu(105, 2655, 1275, 225))),
      Label2(novyPopisek(this, "Label2", QStringLiteral("Název místnosti"),
                         zTwipu(105, 2970, 1275, 225))),
      Text1(new QLineEdit(this)), Text2(new QLineEdit(this)),
      Command1(new QPushButton(QStringLiteral("&Uložit"), this)),
      Command2(new QPushButton(QStringLiteral("&Zrušit"), this)),
      Label3(novyPopisek(this, "Label3",
                         QStringLiteral("V případě, že soubor již existuje, připíše se tato "
                                        "místnost za poslední místnost již existujícího souboru."),
                         zTwipu(105, 3360, 4320, 435))) {
    setObjectName(QStringLiteral("zapsani"));
    setWindowTitle(QStringLiteral("Uložení místnosti na disk"));
    setFont(pismoDialogu());
    setFixedSize(zTwipu(0, 0, 4545, 4365).size());

    Text1->setObjectName(QStringLiteral("Text1"));
    Text2->setObjectName(QStringLiteral("Text2"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));

    Drive1->setGeometry(zTwipu(105, 105, 2010, 315));
    Dir1->setGeometry(zTwipu(105, 630, 2010, 1665));
    File1->setGeometry(zTwipu(2310, 105, 2115, 2235));
    Text1->setGeometry(zTwipu(1470, 2625, 2955, 285));
    Text2->setGeometry(zTwipu(1470, 2940, 2955, 285));
    Command1->setGeometry(zTwipu(105, 3885, 2010, 330));
    Command2->setGeometry(zTwipu(2310, 3885, 2115, 330));
    Label3->setWordWrap(true);

    // Names of any length may be typed; the room name is cut to 50
    // characters only when the room is written.
    Text1->setMaxLength(std::numeric_limits<int>::max());
    Text2->setMaxLength(std::numeric_limits<int>::max());
    // Enter in a text box must not save.
    for (QPushButton *tlacitko : {Command1, Command2}) {
        tlacitko->setAutoDefault(false);
        tlacitko->setDefault(false);
    }

    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, Command2);

    connect(seznamy, &Seznamy::souborKliknut, this, &Zapsani::File1_Click);
    connect(Command1, &QPushButton::clicked, this, &Zapsani::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Zapsani::Command2_Click);

    Form_Load();
}

void Zapsani::Form_Load() {
    Text1->setText(promenne.nazev_souboru);
    Text2->setText(promenne.nazev_mistnosti);
}

void Zapsani::File1_Click(const QString &nazev) {
    Text1->setText(nazev);
    if (!pripona_dat(nazev)) {
        Text2->clear();
        return;
    }
    const QString cesta = QDir(seznamy->cesta()).filePath(Text1->text());
    const qint64 delka = Seznamy::delkaSouboru(cesta);
    if (delka < 0) {
        // Gone or unreadable: as good as a file that is no room file.
        Text2->clear();
        return;
    }
    if (delka == roomfile::delkaZaznamu) {
        // One room in the file: offer its stored name, all 50 characters.
        Text2->clear();
        Text2->setText(roomfile::nactiNazev(cesta, 1).value_or(QString()));
        return;
    }
    Text2->setText(promenne.nazev_mistnosti);
}

void Zapsani::Command1_Click() {
    const QString nazev = Text1->text();
    const QString cesta = QDir(seznamy->cesta()).filePath(nazev);
    // With no name, or the name of a folder, there is nothing a room could be
    // appended to.
    if (nazev.isEmpty() || QFileInfo(cesta).isDir())
        return;
    promenne.pozadavek_zapsani = true;
    promenne.soubor_zapsani = cesta;
    promenne.nazev_mistnosti = Text2->text();
    accept();
}

void Zapsani::Command2_Click() {
    promenne.pozadavek_zapsani = false;
    reject();
}

} // namespace vinula
