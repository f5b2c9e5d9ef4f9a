// SPDX-License-Identifier: GPL-3.0-or-later
// The player editor page: the roster list, a new player, one player's details, and the changes,
// each stored in data.dat at once.

#include "common/spoken_focus.h"
#include "karvelo/form1.h"
#include "karvelo/roster/player_editor_speech.h"
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

// A button's outcome, spoken on the control that has the keyboard once the page is rebuilt; the
// list takes it when that control is gone.
void SpeakOutcome(QListWidget& list, const QString& note) {
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !focused->isVisible()) {
        list.setFocus(Qt::OtherFocusReason);
        focused = &list;
    }
    spoken_focus::SpeakWithFocus(*focused, note);
}

// The names in roster order, each with what a sort goes by.
QStringList SortOrder(const Roster& roster, bool byScore) {
    QStringList order;
    for (int i = 0; i < UsedEntries(roster); ++i) {
        const PlayerRecord& entry = roster.roster[i];
        const char* type = LongTypeText(entry.type);
        order << NameText(entry.name) + QLatin1Char(' ') +
                     (byScore ? QString::number(entry.score) : QString::fromUtf8(type ? type : "?"));
    }
    return order;
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
        for (int i = 0; i < roster.rosterCount; ++i) {
            // A reader hears the score and type with the name: the labels beside the list are
            // out of its reach.
            auto* item = new QListWidgetItem(NameText(roster.roster[i].name), LB0);
            item->setData(Qt::AccessibleTextRole, EntrySpeech(roster.roster[i]));
        }
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
bool TForm1::StorePlayerEdit(Roster edited, int reselect) {
    if (const std::string failure = StoreRoster(edited, rosterFile_); !failure.empty()) {
        Warn(failure);
        return false;
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
    return true;
}

// A refusal is spoken from its box; a refusal without a box and every change are spoken here.
void TForm1::B2Click() {
    Roster edited = roster;
    const RosterEdit edit = CreatePlayer(edited, CB[5]->currentIndex(), TypedName(E0));
    if (!edit.refusal.empty()) Warn(edit.refusal);
    if (edit.changed && StorePlayerEdit(std::move(edited)))
        SpeakOutcome(*LB0, CreatedSpeech(roster.roster[roster.rosterCount - 1]));
}

void TForm1::B1Click() {
    const int index = SelectedEntry();
    Roster edited = roster;
    const RosterEdit edit = RenamePlayer(edited, index, TypedName(E1));
    if (!edit.refusal.empty()) Warn(edit.refusal);
    if (!edit.changed) return;
    const QString before = NameText(roster.roster[index].name);
    if (StorePlayerEdit(std::move(edited), index))
        SpeakOutcome(*LB0, RenamedSpeech(before, NameText(roster.roster[index].name)));
}

void TForm1::B3Click() {
    const int index = SelectedEntry();
    Roster edited = roster;
    if (!DeletePlayer(edited, index)) return;
    const QString name = NameText(roster.roster[index].name);
    if (!StorePlayerEdit(std::move(edited))) return;
    // The button has gone with the details; the keyboard goes back to the list.
    LB0->setFocus(Qt::OtherFocusReason);
    const QString entry = EntryUnderCursor(*LB0);
    SpeakOutcome(*LB0,
                 entry.isEmpty() ? DeletedSpeech(name) : DeletedSpeech(name) + QLatin1Char(' ') + entry);
}

void TForm1::B4Click() {
    const int index = SelectedEntry();
    if (index < 0) return;
    const QString name = NameText(roster.roster[index].name);
    Roster edited = roster;
    if (!MovePlayerUp(edited, index))
        SpeakOutcome(*LB0, NotMovedSpeech(name, true));
    else if (StorePlayerEdit(std::move(edited), index - 1))
        SpeakOutcome(*LB0, MovedSpeech(name, true, index));
}

void TForm1::B5Click() {
    const int index = SelectedEntry();
    if (index < 0) return;
    const QString name = NameText(roster.roster[index].name);
    Roster edited = roster;
    if (!MovePlayerDown(edited, index))
        SpeakOutcome(*LB0, NotMovedSpeech(name, false));
    else if (StorePlayerEdit(std::move(edited), index + 1))
        SpeakOutcome(*LB0, MovedSpeech(name, false, index + 2));
}

void TForm1::B6Click() {
    const QStringList before = SortOrder(roster, true);
    Roster edited = roster;
    SortPlayersByScore(edited);
    if (StorePlayerEdit(std::move(edited))) {
        const QStringList after = SortOrder(roster, true);
        SpeakOutcome(*LB0, SortedSpeech(true, after != before, after));
    }
}

void TForm1::B7Click() {
    const QStringList before = SortOrder(roster, false);
    Roster edited = roster;
    SortPlayersByType(edited);
    if (StorePlayerEdit(std::move(edited))) {
        const QStringList after = SortOrder(roster, false);
        SpeakOutcome(*LB0, SortedSpeech(false, after != before, after));
    }
}

}  // namespace karvelo
