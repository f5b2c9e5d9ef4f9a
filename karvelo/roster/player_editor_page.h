// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player editor page: the roster list, a new player, one player's details, and the changes,
// each stored in data.dat at once. It lives in the window's shared controls and reaches the window
// only through PageHost.

#include "karvelo/roster/page_host.h"
#include "karvelo/roster/player_record.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace karvelo {

class RosterFile;

// The window's control slots the page uses: labels 2 to 8, the list LB0, the edits E0 and E1, the
// type drop-down CB5 and the buttons B1 to B7.
struct PlayerEditorControls {
    const std::array<QLabel*, 24>& L;
    QListWidget* const& LB0;
    QLineEdit* const& E0;
    QLineEdit* const& E1;
    const std::array<QComboBox*, 6>& CB;
    const std::array<QPushButton*, 8>& B;
};

class PlayerEditorPage {
public:
    PlayerEditorPage(PageHost& host, PlayerEditorControls controls, Roster& roster, RosterFile& rosterFile)
        : host_(host), c_(controls), roster_(roster), rosterFile_(rosterFile) {}

    // Run by the menu command and again after every change, which the match guard never refuses.
    void Build();
    // The highlighted entry of the list changed (LB0Click).
    void ListClicked();
    // The details of a used roster entry.
    void ShowPlayerDetails(int index);

    // The buttons: B2 "Vytvořit", B1 "Přejmenovat", B3 "Odstranit", B4 "Nahoru", B5 "Dolů",
    // B6 and B7 the sorts by score and by type.
    void Create();
    void Rename();
    void Delete();
    void MoveUp();
    void MoveDown();
    void SortByScore();
    void SortByType();

private:
    int SelectedEntry() const;  // the highlighted entry of LB0, -1 for none
    void HidePlayerDetails();
    bool StoreEdit(Roster edited, int reselect = -1);  // false: not stored, the user was told
    void Sort(bool byScore);
    bool IsUsedEntry(int index) const { return index >= 0 && index < roster_.rosterCount; }

    PageHost& host_;
    PlayerEditorControls c_;
    Roster& roster_;
    RosterFile& rosterFile_;
};

}  // namespace karvelo
