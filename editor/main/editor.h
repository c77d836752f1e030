#pragma once

#include "room/mistnost.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <random>

class QAction;
class QDialog;
class QMenu;
class QTimer;
class QWidget;

namespace vinula {

class Plocha;

// The main window `editor`: the surface, the menu, the tick and the room.
class Editor : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int klavesaShift = 16; // the key code the Shift handling looks for

    explicit Editor(QWidget *parent = nullptr);
    ~Editor() override;

    // Initialisation, run when the window opens and again by Clear.
    void Form_Load();
    // Closes the other windows, in their fixed order.
    void Form_Unload();
    // One run of the 20 ms tick; tests call it directly instead of waiting.
    void Timer1_Timer();

    // Key and mouse handlers: they only record state for the tick.
    void Form_KeyDown(int KeyCode);
    void Form_KeyUp(int KeyCode);
    void plocha_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void plocha_MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void plocha_MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);

    // Menu commands.
    void mrizka_Click(bool zapnuto);
    void rozmistit_Click();
    void vycistit_Click();
    void ulozit_Click();
    void nacist_Click();
    void ukoncit_Click();
    void popis_Click();
    void oaplikaci_Click();

    // Drawing on the surface.
    void vykresliBunku(int x, int y, int kod);
    void vlozObrazek(int x, int y, const QImage &obrazek);
    void prekreslit();
    void vycistiPlochu();
    void prepniMrizku();
    void obnovMrizku();

    // The cell under a surface position: a floor division, not limited to
    // the area.
    static int bunkaPod(float souradnice);
    static QString titulek(int cx, int cy, const QString &nazevPredmetu);

    // The random placement's generator; `rozmistit` reseeds it from the clock.
    std::mt19937 &nahoda() { return nahoda_; }

    Mistnost mistnost;
    bool stisk_shift = false;
    bool leve_tlacitko = false;
    float mys_x = 0;
    float mys_y = 0;
    QString nazev_predmetu;

    Plocha *plocha = nullptr;
    QTimer *Timer1 = nullptr;

    QMenu *nastaveni = nullptr;
    QAction *mrizka = nullptr;
    QAction *rozmistit = nullptr;
    QAction *vycistit = nullptr;
    QAction *ulozit = nullptr;
    QAction *nacist = nullptr;
    QAction *ukoncit = nullptr;
    QMenu *napov = nullptr;
    QAction *popis = nullptr;
    QAction *oaplikaci = nullptr;

    // The other windows; each exists only while it is shown.
    QPointer<QWidget> predmety;
    QPointer<QDialog> autor;
    QPointer<QDialog> nacteni;
    QPointer<QDialog> Navod;
    QPointer<QDialog> zapsani;
    QPointer<QDialog> rozmisteni;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void createMenus();
    // Ends a stroke whose release the surface will not receive.
    void prerusTah();
    // Lines drawn on, or the room drawn again without them.
    void ukazStavMrizky(bool zapnuto);

    // The four blocks of the tick, in their order (painting at the mouse
    // lives with the mouse handlers, in vstup.cpp).
    void blokRozmisteni();
    void blokMalovani();
    void blokNacteni();
    void blokZapsani();

    // Shows a warning once the tick has returned: a box must not open
    // inside a tick.
    void ohlasPozdeji(const QString &titulek, const QString &text);

    // Opens the palette, or brings the open one forward.
    void ukazPredmety();

    bool tikBezi_ = false;
    std::mt19937 nahoda_;
};

} // namespace vinula
