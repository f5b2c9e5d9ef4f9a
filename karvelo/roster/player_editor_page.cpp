// SPDX-License-Identifier: GPL-3.0-or-later
// The player editor page: the roster list, a new player, one player's details, and the changes,
// each stored in data.dat at once.

#include "karvelo/form1.h"
#include "karvelo/roster/roster_edits.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

namespace karvelo {

namespace {

// The names as typed; composed first, so that a name pasted with separate accents still counts and
// stores as the letters the user sees.
std::string TypedName(const QLineEdit* edit) {
    return edit->text().normalized(QString::NormalizationForm_C).toStdString();
}

}  // namespace

void TForm1::Edithracu1Click() {
    if (BoxOpen() || !GuardPasses()) return;
    BuildPlayerEditorPage();
    FocusPageStart();
}

// Run by the menu command and again after every change, which must never be refused by the guard.
void TForm1::BuildPlayerEditorPage() {
    HideAllControls();
    E1->clear();  // the name of whoever was selected before is not left for a reader to find
    PlaceLabel(2, 20, 20, QStringLiteral("Seznam hráčů:"));
    {
        // Filling the list is no choice of the user's.
        const QSignalBlocker quiet(LB0);
        LB0->clear();
        for (int i = 0; i < roster.rosterCount; ++i) LB0->addItem(NameText(roster.roster[i].name));
    }
    Place(LB0, 20, 40, 60, 150);

    PlaceLabel(3, 220, 20, QStringLiteral("Vytvoření nového hráče:"));
    E0->setText(QStringLiteral("Jméno"));
    Place(E0, 220, 40, 60);
    QComboBox* types = CB[5];
    types->clear();
    for (std::int32_t type = Human; type <= CpuMaster; ++type)
        types->addItem(QString::fromUtf8(LongTypeText(type)));
    types->setEditable(false);
    types->setCurrentIndex(0);
    // Wider than 80 only as far as "CPU začátečník" needs, so that no type shows cut off.
    Place(types, 290, 40, std::max(80, types->sizeHint().width()));
    B[2]->setText(QStringLiteral("Vytvořit"));
    Place(B[2], 290, 70, 81);

    PlaceLabel(5, 100, 50, QStringLiteral("Skóre:"));
    PlaceLabel(7, 100, 70, QStringLiteral("Typ:"));
    B[6]->setText(QStringLiteral("Seřadit hráče podle skóre"));
    Place(B[6], 20, 200, 155);
    B[7]->setText(QStringLiteral("Seřadit hráče podle typu"));
    Place(B[7], 20, 230, 155);
}

int TForm1::SelectedEntry() const {
    // What the user sees highlighted, not the list's current row, which outlives the highlight.
    const QList<QListWidgetItem*> selected = LB0->selectedItems();
    if (selected.size() != 1) return -1;
    const int row = LB0->row(selected.front());
    return IsUsedEntry(row) ? row : -1;
}

void TForm1::LB0Click() {
    const int index = SelectedEntry();
    if (index < 0)
        HidePlayerDetails();
    else
        ShowPlayerDetails(index);
}

void TForm1::ShowPlayerDetails(int index) {
    if (!IsUsedEntry(index)) return;
    const PlayerRecord& entry = roster.roster[index];
    PlaceLabel(6, 140, 50, QString::number(entry.score));
    if (const char* type = ShortTypeText(entry.type)) L[8]->setText(QString::fromUtf8(type));
    Place(L[8], 140, 70);
    E1->setText(NameText(entry.name));
    E1->setCursorPosition(0);  // a long name shows its beginning
    Place(E1, 100, 90, 74);
    B[1]->setText(QStringLiteral("Přejmenovat"));
    Place(B[1], 100, 115);
    B[3]->setText(QStringLiteral("Odstranit"));
    Place(B[3], 100, 145);
    B[4]->setText(QStringLiteral("Nahoru"));
    Place(B[4], 100, 176, 42, 16);
    B[5]->setText(QStringLiteral("Dolů"));
    Place(B[5], 143, 176, 32, 16);
}

void TForm1::HidePlayerDetails() {
    const QList<QWidget*> details{L[6], L[8], E1, B[1], B[3], B[4], B[5]};
    for (QWidget* detail : details) detail->hide();
}

// The edit is made on a copy: when data.dat cannot be written, the table and the page stay as the
// user sees them and only the reason is shown.
void TForm1::StorePlayerEdit(Roster edited, int reselect) {
    if (const std::string failure = StoreRoster(edited, rosterFile_); !failure.empty()) {
        Warn(failure);
        return;
    }
    roster = std::move(edited);
    // Rebuilding hides the pressed button for a moment; the keyboard stays with it when it returns.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    BuildPlayerEditorPage();
    if (IsUsedEntry(reselect)) {
        {
            const QSignalBlocker quiet(LB0);
            LB0->setCurrentRow(reselect);
        }
        ShowPlayerDetails(reselect);
    }
    if (focused && focused->isVisible()) focused->setFocus();
}

void TForm1::B2Click() {
    Roster edited = roster;
    const RosterEdit edit = CreatePlayer(edited, CB[5]->currentIndex(), TypedName(E0));
    if (!edit.refusal.empty()) Warn(edit.refusal);
    if (edit.changed) StorePlayerEdit(std::move(edited));
}

void TForm1::B1Click() {
    const int index = SelectedEntry();
    Roster edited = roster;
    const RosterEdit edit = RenamePlayer(edited, index, TypedName(E1));
    if (!edit.refusal.empty()) Warn(edit.refusal);
    if (edit.changed) StorePlayerEdit(std::move(edited), index);
}

void TForm1::B3Click() {
    Roster edited = roster;
    if (DeletePlayer(edited, SelectedEntry())) StorePlayerEdit(std::move(edited));
}

void TForm1::B4Click() {
    const int index = SelectedEntry();
    Roster edited = roster;
    if (MovePlayerUp(edited, index)) StorePlayerEdit(std::move(edited), index - 1);
}

void TForm1::B5Click() {
    const int index = SelectedEntry();
    Roster edited = roster;
    if (MovePlayerDown(edited, index)) StorePlayerEdit(std::move(edited), index + 1);
}

void TForm1::B6Click() {
    Roster edited = roster;
    SortPlayersByScore(edited);
    StorePlayerEdit(std::move(edited));
}

void TForm1::B7Click() {
    Roster edited = roster;
    SortPlayersByType(edited);
    StorePlayerEdit(std::move(edited));
}

}  // namespace karvelo
