#include "rozmisteni.h"

#include "okna/rozvrzeni.h"
#include "room/promenne.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vinula {

namespace {

QLineEdit *pole(QWidget *rodic, const char *jmeno, const QString &text, QRect kde) {
    auto *edit = new QLineEdit(text, rodic);
    edit->setObjectName(QLatin1String(jmeno));
    edit->setGeometry(kde);
    return edit;
}

QPushButton *tlacitko(QWidget *rodic, const char *jmeno, const QString &text, QRect kde) {
    auto *button = new QPushButton(text, rodic);
    button->setObjectName(QLatin1String(jmeno));
    // Enter must not confirm a request the user has not chosen.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(kde);
    return button;
}

} // namespace

Rozmisteni::Rozmisteni(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("rozmisteni"));
    setWindowTitle(QStringLiteral("Náhodné rozmístění navoleného předmětu"));
    setFont(pismoDialogu());
    setFixedSize(sirka, vyska);

    // Created in tab order.
    Command1 =
        tlacitko(this, "Command1", QStringLiteral("&Rozmístit"), zTwipu(105, 2205, 2115, 330));
    Command2 = tlacitko(this, "Command2", QStringLiteral("&Zrušit"), zTwipu(2310, 2205, 2115, 330));
    Text1 = pole(this, "Text1", QStringLiteral("0"), zTwipu(2100, 105, 540, 285));
    Text2 = pole(this, "Text2", QStringLiteral("29"), zTwipu(3255, 105, 540, 285));
    Text3 = pole(this, "Text3", QStringLiteral("0"), zTwipu(2100, 630, 540, 285));
    Text4 = pole(this, "Text4", QStringLiteral("19"), zTwipu(3255, 630, 540, 285));
    Text5 = pole(this, "Text5", QStringLiteral("10"), zTwipu(2100, 1155, 1695, 285));
    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(zTwipu(3570, 1680, 225, 225));

    Label1 = novyPopisek(this, "Label1", QStringLiteral("Řádek"), zTwipu(525, 105, 750, 225));
    Label6 = novyPopisek(this, "Label6", QStringLiteral("od"), zTwipu(1680, 105, 225, 225));
    Label2 = novyPopisek(this, "Label2", QStringLiteral("do"), zTwipu(2835, 105, 225, 225));
    Label3 = novyPopisek(this, "Label3", QStringLiteral("Sloupec"), zTwipu(525, 630, 855, 225));
    Label7 = novyPopisek(this, "Label7", QStringLiteral("od"), zTwipu(1680, 630, 225, 225));
    Label4 = novyPopisek(this, "Label4", QStringLiteral("do"), zTwipu(2835, 630, 225, 225));
    Label5 = novyPopisek(this, "Label5", QStringLiteral("Počet"), zTwipu(525, 1155, 540, 225));
    Label8 = novyPopisek(this, "Label8", QStringLiteral("Předměty se mohou navzájem dotýkat"),
                         zTwipu(525, 1680, 2850, 225));

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text5);
    setTabOrder(Text5, Check1);

    connect(Command1, &QPushButton::clicked, this, &Rozmisteni::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Rozmisteni::Command2_Click);

    Form_Load();
}

void Rozmisteni::Form_Load() {
    Check1->setChecked(promenne.dotyk);
}

void Rozmisteni::Command1_Click() {
    promenne.pocet = Text5->text();
    promenne.dotyk = Check1->isChecked();
    promenne.radek_od = Text1->text();
    promenne.radek_do = Text2->text();
    promenne.sloupec_od = Text3->text();
    promenne.sloupec_do = Text4->text();
    accept();
}

void Rozmisteni::Command2_Click() {
    promenne.pocet = QStringLiteral("0");
    reject();
}

} // namespace vinula
