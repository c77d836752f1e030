#include "nacteni.h"

#include "cislo.h"
#include "okna/rozvrzeni.h"
#include "pripona.h"
#include "room/promenne.h"
#include "room/roomfile.h"
#include "seznamy.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <limits>

namespace vinula {

Nacteni::Nacteni(QWidget *parent)
    : SouborovyDialog(parent), seznamy(new Seznamy(this)), Dir1(seznamy->Dir1),
      File1(seznamy->File1), Drive1(seznamy->Drive1),
      Label1(novyPopisek(this, "Label1", QStringLiteral("Název zvolené místnosti : "),
                         zTwipu(105, 3045, 1905, 225))),
      popisek(novyPopisek(this, "popisek", QString(), zTwipu(2205, 3045, 2325, 225))),
      Command1(new QPushButton(QStringLiteral("&Načíst"), this)),
      Command2(new QPushButton(QStringLiteral("&Zrušit"), this)),
      Label2(novyPopisek(this, "Label2", QStringLiteral("Zvolená místnost :"),
                         zTwipu(2415, 2625, 1380, 225))),
      Text1(new QLineEdit(this)),
      Label3(novyPopisek(this, "Label3", QStringLiteral("Počet místností :"),
                         zTwipu(105, 2625, 1275, 225))),
      Label4(novyPopisek(this, "Label4", QString(), zTwipu(1365, 2625, 855, 225))) {
    setObjectName(QStringLiteral("nacteni"));
    setWindowTitle(QStringLiteral("Načtení místnosti z disku"));
    setFont(pismoDialogu());
    setFixedSize(zTwipu(0, 0, 4635, 3915).size());

    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Text1->setObjectName(QStringLiteral("Text1"));

    Dir1->setGeometry(zTwipu(105, 630, 2115, 1665));
    File1->setGeometry(zTwipu(2415, 105, 2115, 2235));
    Drive1->setGeometry(zTwipu(105, 105, 2115, 315));
    Command1->setGeometry(zTwipu(105, 3465, 2115, 330));
    Command2->setGeometry(zTwipu(2415, 3465, 2115, 330));
    Text1->setGeometry(zTwipu(3885, 2625, 645, 285));

    Text1->setMaxLength(std::numeric_limits<int>::max());
    for (QPushButton *tlacitko : {Command1, Command2}) {
        tlacitko->setAutoDefault(false);
        tlacitko->setDefault(false);
    }

    setTabOrder(Dir1, File1);
    setTabOrder(File1, Drive1);
    setTabOrder(Drive1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text1);

    connect(seznamy, &Seznamy::diskZmenen, this, &Nacteni::Drive1_Change);
    connect(seznamy, &Seznamy::slozkaZmenena, this, &Nacteni::Dir1_Change);
    connect(seznamy, &Seznamy::souborKliknut, this, &Nacteni::File1_Click);
    connect(Text1, &QLineEdit::textChanged, this, &Nacteni::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &Nacteni::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Nacteni::Command2_Click);

    Form_Load();
}

void Nacteni::Form_Load() {
    delka = 0;
    zvoleny_nazev.clear();
    Label4->clear();
    popisek->clear();
    // Runs the room-number check, which finds no file read yet.
    Text1->setText(QStringLiteral("1"));
}

void Nacteni::Drive1_Change() {
    Label4->clear();
    popisek->clear();
}

void Nacteni::Dir1_Change() {
    Label4->clear();
    popisek->clear();
}

void Nacteni::File1_Click(const QString &nazev) {
    promenne.soubor_nacteni = QDir(seznamy->cesta()).filePath(nazev);
    ctiSoubor();
}

void Nacteni::ctiSoubor() {
    zvoleny_nazev.clear();
    const bool dat = pripona_dat(promenne.soubor_nacteni);
    if (dat)
        delka = Seznamy::delkaSouboru(promenne.soubor_nacteni);
    const qint64 pocet = delka < 0 ? -1 : roomfile::pocetMistnosti(delka);
    if (dat && pocet >= 0) {
        Label4->setText(QString::number(pocet));
        kontrolaCisla();
    } else {
        Label4->clear();
        popisek->clear();
    }
}

void Nacteni::Text1_Change() {
    kontrolaCisla();
}

std::optional<qint32> Nacteni::platnaVolba() const {
    if (delka < 0 || !pripona_dat(promenne.soubor_nacteni))
        return std::nullopt;
    const qint64 pocet = roomfile::pocetMistnosti(delka);
    if (pocet < 0)
        return std::nullopt;
    return zvolenaMistnost(Text1->text(), pocet);
}

void Nacteni::kontrolaCisla() {
    zvoleny_nazev.clear();
    if (const std::optional<qint32> n = platnaVolba())
        zvoleny_nazev = roomfile::nactiNazev(promenne.soubor_nacteni, *n).value_or(QString());
    popisek->setText(zvoleny_nazev);
}

void Nacteni::Command1_Click() {
    // Only the file whose room was read may be loaded: after a change of
    // directory the list shows another file, or none, until one is clicked.
    const QString vybrany = seznamy->vybranySoubor();
    const QString cesta = QDir(seznamy->cesta()).filePath(vybrany);
    if (vybrany.isEmpty() || cesta != promenne.soubor_nacteni)
        return;
    // Another program may have changed the file since it was read (appended a room, say): it is
    // read again, and only a room still there under the name shown is loaded. Otherwise the
    // labels now show what the file holds.
    const QString ukazany = zvoleny_nazev;
    ctiSoubor();
    const std::optional<qint32> n = platnaVolba();
    if (!n || ukazany.size() != roomfile::delkaNazvu || zvoleny_nazev != ukazany)
        return;
    promenne.puvodni_nazev_mistnosti = promenne.nazev_mistnosti;
    promenne.puvodni_nazev_souboru = promenne.nazev_souboru;
    promenne.soubor_nacteni = cesta;
    promenne.cislo_mistnosti = *n;
    promenne.nazev_mistnosti = zvoleny_nazev;
    promenne.nazev_souboru = vybrany;
    promenne.pozadavek_nacteni = true;
    accept();
}

void Nacteni::Command2_Click() {
    promenne.pozadavek_nacteni = false;
    reject();
}

} // namespace vinula
