#pragma once

#include "souborovy.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vinula {

class Seznamy;
class SeznamSouboru;

// The save dialog `zapsani`: a directory, a file name and the room's name.
// OK only leaves a save request in `promenne`; the tick appends the room.
class Zapsani : public SouborovyDialog {
    Q_OBJECT
public:
    explicit Zapsani(QWidget *parent = nullptr);

    void Form_Load();
    void File1_Click(const QString &nazev);
    void Command1_Click();
    void Command2_Click();

    Seznamy *seznamy;
    QComboBox *Drive1;
    QListWidget *Dir1;
    SeznamSouboru *File1;
    QLabel *Label1;
    QLabel *Label2;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QPushButton *Command1;
    QPushButton *Command2;
    QLabel *Label3;
};

} // namespace vinula
