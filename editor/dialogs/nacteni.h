#pragma once

#include "souborovy.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vinula {

class Seznamy;
class SeznamSouboru;

// The load dialog `nacteni`: a room file and the number of a room in it.
// It shows the file's room count and the chosen room's name; OK only leaves
// a load request in `promenne`, the tick reads the room.
class Nacteni : public SouborovyDialog {
    Q_OBJECT
public:
    explicit Nacteni(QWidget *parent = nullptr);

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click(const QString &nazev);
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();

    Seznamy *seznamy;
    QListWidget *Dir1;
    SeznamSouboru *File1;
    QComboBox *Drive1;
    QLabel *Label1;
    QLabel *popisek;
    QPushButton *Command1;
    QPushButton *Command2;
    QLabel *Label2;
    QLineEdit *Text1;
    QLabel *Label3;
    QLabel *Label4;

    // Length of the room file read last; -1 when it could not be opened.
    qint64 delka = 0;
    // The chosen room's name as stored (50 characters), or empty.
    QString zvoleny_nazev;

private:
    // The room typed in Text1 when it is one of the rooms of the file read
    // last.
    std::optional<qint32> platnaVolba() const;
    // Reads the length of `soubor_nacteni` and shows its room count, then the
    // room-number check shows the chosen room's name.
    void ctiSoubor();
    void kontrolaCisla();
};

} // namespace vinula
