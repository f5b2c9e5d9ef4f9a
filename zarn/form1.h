// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: menu, labels, "Začít hru", the 400 field buttons, the timer. It owns the
// game state and turns what the minefield rules report into tiles, boxes and speech. A main window, so that
// assistive technology announces it as the application's window with its title.

#include "zarn/field_button.h"
#include "zarn/field_keyboard.h"
#include "zarn/rules/clock.h"
#include "zarn/rules/field_events.h"
#include "zarn/rules/minefield.h"
#include "zarn/rules/random_source.h"
#include "zarn/rules/uncovering.h"

#include <QMainWindow>
#include <QString>
#include <array>

class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;

namespace zarn {

class ClientSurface;
class FieldPointer;
class MessageBoxes;

inline constexpr int kClientWidth = 411;
inline constexpr int kClientHeight = 459;
inline constexpr int kFieldOrigin = 5;  // client pixels of the top-left field's corner
inline constexpr int kFieldPitch = 20;  // buttons and tiles are 20 x 20 and touch each other

inline constexpr const char* kTimeLimitText = "Uplynulo 7 minut a 30 sekund, KONEC HRY";
inline constexpr const char* kLostText = "Mina! Prohráli jste!";
inline constexpr const char* kWonText = "Vyhráli jste!";

class TForm1 final : public QMainWindow, public FieldEvents {
public:
    TForm1(MessageBoxes& boxes, RandomSource& random, const Clock& clock);
    ~TForm1() override;

    // Event handlers.
    void FormCreate();
    void Button1Click();
    void Timer1Timer();
    void Lehk1Click();
    void Stedn1Click();
    void k1Click();
    void Ukonit1Click();
    void FieldButtonClick(QPushButton* sender);

    // Lays a new field with the size and mine count last applied by "Začít hru", and shows it.
    void NewGame();

    // FieldEvents
    void FieldUncovered(FieldPosition at, std::int32_t minesAround) override;
    void ClickUncovered(const std::vector<FieldPosition>& opened) override;
    void GameLost(FieldPosition mine) override;
    void GameWon() override;
    void NewFieldLaid() override;
    void LetPendingEventsRun() override;

    ClientSurface* Client() const { return client_; }

    // Controls, in their order of declaration.
    QPushButton* Button1 = nullptr;
    QLabel* Label1 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* N1 = nullptr;
    QMenu* Novhra1 = nullptr;
    QAction* Ukonit1 = nullptr;
    QAction* Lehk1 = nullptr;
    QAction* Stedn1 = nullptr;
    QAction* k1 = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    // Game state.
    Minefield field;
    QString mineCountText;
    FieldButtons buttons{};  // rows, columns 1..20

private:
    void CreateControls();
    void CreateMenu();
    double Now() const;  // seconds since program start, read afresh each time
    static QPoint FieldTopLeft(std::int32_t row, std::int32_t column);
    // Loads the tile, paints it where the field's button stands and hides the button; throws when
    // the tile cannot be loaded, and the button then stays.
    void PaintTile(FieldPosition at, const std::string& tileFile, int shownCount);
    void ShowMessage(const char* text);
    // What a screen reader hears at once: a new game's size and mines, a click's result.
    QString NewGameText() const;
    void SpeakNewGame();
    void SpeakClickResult();

    MessageBoxes& boxes_;
    RandomSource& random_;
    const Clock& clock_;
    ClientSurface* client_ = nullptr;
    QObject* clickRelay_ = nullptr;
    QButtonGroup* fieldButtons_ = nullptr;
    FieldKeyboard* keyboard_ = nullptr;
    FieldPointer* pointer_ = nullptr;
    Uncovering uncovering_;
    bool clickUnderway_ = false;  // a field click is being handled, its boxes included
    int uncoveredInClick_ = 0;
    bool newGameDuringClick_ = false;
};

}  // namespace zarn
