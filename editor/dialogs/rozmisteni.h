#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vinula {

// The placement dialog `rozmisteni`: it leaves the request (count, ranges,
// touching) in the shared state and closes; the tick does the placing.
class Rozmisteni : public QDialog {
    Q_OBJECT
public:
    static constexpr int sirka = 301; // client area
    static constexpr int vyska = 177;

    explicit Rozmisteni(QWidget *parent = nullptr);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QCheckBox *Check1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
};

} // namespace vinula
