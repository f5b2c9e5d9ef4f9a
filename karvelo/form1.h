// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: menu, run-time controls shared by the pages, the board picture. It owns the
// program's state and carries out what the match engine asks of the screen.

#include "karvelo/computer/computer_levels.h"
#include "karvelo/last_move_mark.h"
#include "karvelo/match/match_engine.h"
#include "karvelo/match/match_host.h"
#include "karvelo/match/match_state.h"
#include "karvelo/picture_control.h"
#include "karvelo/roster/page_host.h"
#include "karvelo/roster/player_editor_page.h"
#include "karvelo/roster/player_record.h"
#include "karvelo/roster/roster_file.h"
#include "karvelo/settings.h"
#include "karvelo/theme_images.h"
#include "karvelo/themes.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

namespace karvelo {

class BoardAccessibility;
class BoardKeyboard;
class MessageBoxes;

class TForm1 final : public QMainWindow, public MatchHost, public PageHost {
public:
    // Performs the whole start-up; throws when it cannot complete (an image that will not load).
    TForm1(MessageBoxes& boxes, RandomSource& random);
    ~TForm1() override;

    // Menu commands.
    void Hrat1Click();
    void Konechry1Click();
    void Schema1Click();
    void Edithracu1Click();
    void Help1Click();
    void Info1Click();

    // Run-time control events.
    void BoardMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void CB0Change();
    void CB1Change();
    void CB2Change();
    void CB3Change();
    void CB4Change();
    void B0Click();
    void LB0Click();
    void ShowPlayerDetails(int index) { editor_.ShowPlayerDetails(index); }
    void B1Click();
    void B2Click();
    void B3Click();
    void B4Click();
    void B5Click();
    void B6Click();
    void B7Click();

    // PageHost: the pages' controls.
    void HideAllControls() override;
    void Place(QWidget* control, int left, int top, int width = -1, int height = -1) override;
    void PlaceLabel(int slot, int left, int top, const QString& caption) override;
    void FocusPageStart() override;

    // Drawing of the match screen.
    void PaintBoardFrame();
    void RepaintMatchScreen();

    // MatchHost: what happened in the match, turned into painting and speech.
    void MatchStarting() override;
    void MatchStarted() override;
    void StonePlaced(int column, int row, int contestant) override;
    void FieldValuesChanged() override;
    void FiveMarked(const std::vector<FieldPosition>& fields) override;
    void TurnPassed() override;
    void MatchEnded(int winner) override;
    void ScoresChanged() override {}  // shown with the next match, as the names are
    // MatchHost: what the match needs of the window.
    void LoadThemeImages() override;
    void LetPendingEventsRun() override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    void Warn(const std::string& text) override;  // MatchHost and PageHost
    void OpenMatchSetupPage() override { Hrat1Click(); }

    // State, read by tests and the pages.
    MatchState matchState;
    Settings settings;
    Roster roster;
    ThemeImages images;

    // Controls, in fixed slots shared by the pages; every page hides them all first. Which uses which:
    //   settings page     L0, CB0
    //   match set-up page L1 with CHB1, L4 with CHB0, L16 to L23, CB1 to CB4, RB0, RB1, B0
    //   player editor     L2, L3, L5 to L8, LB0, E0, E1, CB5, B1 to B7
    //   match screen      L11 "<", L12 and L13 the names, L14 and L15 the scores
    //   free              L9, L10
    QWidget* client = nullptr;  // the 480 x 480 client area below the menu bar
    std::array<QLabel*, 24> L{};
    QListWidget* LB0 = nullptr;
    QRadioButton* RB0 = nullptr;
    QRadioButton* RB1 = nullptr;
    QCheckBox* CHB0 = nullptr;
    QCheckBox* CHB1 = nullptr;  // mark the last move
    QLineEdit* E0 = nullptr;
    QLineEdit* E1 = nullptr;
    std::array<QComboBox*, 6> CB{};
    std::array<QPushButton*, 8> B{};
    PictureControl* boardImage = nullptr;
    PictureControl* turnImage = nullptr;

    QMenuBar* MainMenu1 = nullptr;
    QMenu* Hra1 = nullptr;
    QMenu* Nastaveni1 = nullptr;
    QMenu* Oprogramu1 = nullptr;
    QAction* Hrat1 = nullptr;
    QAction* Konechry1 = nullptr;
    QAction* Schema1 = nullptr;
    QAction* Edithracu1 = nullptr;
    QAction* Help1 = nullptr;
    QAction* Info1 = nullptr;

    // True while a message box is open: the window then takes no input.
    bool BoxOpen() const { return boxesOpen_ > 0; }
    const LastMoveMark& LastMove() const { return *lastMove_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void BuildMenu();
    void LoadRosterAtStartup();
    void CreateRuntimeControls();
    void ApplyTheme(int index);
    // The match guard of the menu commands; true when the command may go on.
    bool GuardPasses();
    void AttachToClient(QWidget* control);
    // One field of the board picture redrawn from the match state, and shown.
    void RepaintField(int column, int row);
    void PlaceTurnMarks();  // the on-move icon and the "<" beside the name on move
    void ShowContestantDetails(int contestantIndex, QLabel* scoreLabel, QLabel* typeLabel);
    void DescribeContestantChoices();
    bool IsUsedEntry(int index) const { return index >= 0 && index < roster.rosterCount; }
    void Inform(const QString& caption, const QString& text);
    QList<QWidget*> RuntimeControls() const;

    MessageBoxes& boxes_;
    RandomSource& random_;
    RosterFile rosterFile_;
    ComputerLevels computer_;
    MatchEngine engine_;
    PlayerEditorPage editor_;
    int boxesOpen_ = 0;
    int pageCount_ = 0;  // pages shown so far, to tell whether the page is still the one shown
    BoardKeyboard* boardKeys_ = nullptr;         // owned by boardImage
    BoardAccessibility* boardReader_ = nullptr;  // owned by boardImage
    std::unique_ptr<LastMoveMark> lastMove_;
};

}  // namespace karvelo
