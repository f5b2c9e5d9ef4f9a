// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/roster/player_editor_page.h"

#include "common/spoken_focus.h"
#include "karvelo/roster/name_text.h"
#include "karvelo/roster/player_editor_speech.h"
#include "karvelo/roster/roster_edits.h"
#include "karvelo/roster/roster_file.h"

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

void PlayerEditorPage::Build() {
    QListWidget* LB0 = c_.LB0;
    const std::array<QPushButton*, 8>& B = c_.B;
    host_.HideAllControls();
    c_.E1->clear();  // the name of whoever was selected before is not left for a reader to find
    host_.PlaceLabel(2, 20, 20, QStringLiteral("Seznam hráčů:"));
    {
        // Filling the list is no choice of the user's.
        const QSignalBlocker quiet(LB0);
        LB0->clear();
        for (int i = 0; i < roster_.rosterCount; ++i) {
            // A reader hears the score and type with the name: the labels beside the list are
            // out of its reach.
            auto* item = new QListWidgetItem(NameText(roster_.roster[i].name), LB0);
            item->setData(Qt::AccessibleTextRole, EntrySpeech(roster_.roster[i]));
        }
    }
    host_.Place(LB0, 20, 40, 60, 150);

    host_.PlaceLabel(3, 220, 20, QStringLiteral("Vytvoření nového hráče:"));
    c_.E0->setText(QStringLiteral("Jméno"));
    host_.Place(c_.E0, 220, 40, 60);
    QComboBox* types = c_.CB[5];
    types->clear();
    for (std::int32_t type = Human; type <= CpuMaster; ++type)
        types->addItem(QString::fromUtf8(LongTypeText(type)));
    types->setEditable(false);
    types->setCurrentIndex(0);
    // Wider than 80 only as far as "CPU začátečník" needs, so that no type shows cut off.
    host_.Place(types, 290, 40, std::max(80, types->sizeHint().width()));
    B[2]->setText(QStringLiteral("Vytvořit"));
    host_.Place(B[2], 290, 70, 81);

    host_.PlaceLabel(5, 100, 50, QStringLiteral("Skóre:"));
    host_.PlaceLabel(7, 100, 70, QStringLiteral("Typ:"));
    B[6]->setText(QStringLiteral("Seřadit hráče podle skóre"));
    host_.Place(B[6], 20, 200, 155);
    B[7]->setText(QStringLiteral("Seřadit hráče podle typu"));
    host_.Place(B[7], 20, 230, 155);
}

int PlayerEditorPage::SelectedEntry() const {
    // What the user sees highlighted, not the list's current row, which outlives the highlight.
    const QList<QListWidgetItem*> selected = c_.LB0->selectedItems();
    if (selected.size() != 1) return -1;
    const int row = c_.LB0->row(selected.front());
    return IsUsedEntry(row) ? row : -1;
}

void PlayerEditorPage::ListClicked() {
    const int index = SelectedEntry();
    if (index < 0)
        HidePlayerDetails();
    else
        ShowPlayerDetails(index);
}

void PlayerEditorPage::ShowPlayerDetails(int index) {
    if (!IsUsedEntry(index)) return;
    const std::array<QLabel*, 24>& L = c_.L;
    const std::array<QPushButton*, 8>& B = c_.B;
    QLineEdit* E1 = c_.E1;
    const PlayerRecord& entry = roster_.roster[index];
    host_.PlaceLabel(6, 140, 50, QString::number(entry.score));
    if (const char* type = ShortTypeText(entry.type)) L[8]->setText(QString::fromUtf8(type));
    host_.Place(L[8], 140, 70);
    E1->setText(NameText(entry.name));
    E1->setCursorPosition(0);  // a long name shows its beginning
    host_.Place(E1, 100, 90, 74);
    B[1]->setText(QStringLiteral("Přejmenovat"));
    host_.Place(B[1], 100, 115);
    B[3]->setText(QStringLiteral("Odstranit"));
    host_.Place(B[3], 100, 145);
    B[4]->setText(QStringLiteral("Nahoru"));
    host_.Place(B[4], 100, 176, 42, 16);
    B[5]->setText(QStringLiteral("Dolů"));
    host_.Place(B[5], 143, 176, 32, 16);
}

void PlayerEditorPage::HidePlayerDetails() {
    const QList<QWidget*> details{c_.L[6], c_.L[8], c_.E1, c_.B[1], c_.B[3], c_.B[4], c_.B[5]};
    for (QWidget* detail : details) detail->hide();
}

// The edit is made on a copy: when data.dat cannot be written, the table and the page stay as the
// user sees them and only the reason is shown.
bool PlayerEditorPage::StoreEdit(Roster edited, int reselect) {
    if (const std::string failure = StoreRoster(edited, rosterFile_); !failure.empty()) {
        host_.Warn(failure);
        return false;
    }
    roster_ = std::move(edited);
    // Rebuilding hides the pressed button for a moment; the keyboard stays with it when it returns.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    Build();
    if (IsUsedEntry(reselect)) {
        {
            const QSignalBlocker quiet(c_.LB0);
            c_.LB0->setCurrentRow(reselect);
        }
        ShowPlayerDetails(reselect);
    }
    if (focused && focused->isVisible()) focused->setFocus();
    return true;
}

// A refusal is spoken from its box; a refusal without a box and every change are spoken here.
void PlayerEditorPage::Create() {
    Roster edited = roster_;
    const RosterEdit edit = CreatePlayer(edited, c_.CB[5]->currentIndex(), TypedName(c_.E0));
    if (!edit.refusal.empty()) host_.Warn(edit.refusal);
    if (edit.changed && StoreEdit(std::move(edited)))
        SpeakOutcome(*c_.LB0, CreatedSpeech(roster_.roster[roster_.rosterCount - 1]));
}

void PlayerEditorPage::Rename() {
    const int index = SelectedEntry();
    Roster edited = roster_;
    const RosterEdit edit = RenamePlayer(edited, index, TypedName(c_.E1));
    if (!edit.refusal.empty()) host_.Warn(edit.refusal);
    if (!edit.changed) return;
    const QString before = NameText(roster_.roster[index].name);
    if (StoreEdit(std::move(edited), index))
        SpeakOutcome(*c_.LB0, RenamedSpeech(before, NameText(roster_.roster[index].name)));
}

void PlayerEditorPage::Delete() {
    const int index = SelectedEntry();
    Roster edited = roster_;
    if (!DeletePlayer(edited, index)) return;
    const QString name = NameText(roster_.roster[index].name);
    if (!StoreEdit(std::move(edited))) return;
    // The button has gone with the details; the keyboard goes back to the list.
    c_.LB0->setFocus(Qt::OtherFocusReason);
    const QString entry = EntryUnderCursor(*c_.LB0);
    SpeakOutcome(*c_.LB0,
                 entry.isEmpty() ? DeletedSpeech(name) : DeletedSpeech(name) + QLatin1Char(' ') + entry);
}

void PlayerEditorPage::MoveUp() {
    const int index = SelectedEntry();
    if (index < 0) return;
    const QString name = NameText(roster_.roster[index].name);
    Roster edited = roster_;
    if (!MovePlayerUp(edited, index))
        SpeakOutcome(*c_.LB0, NotMovedSpeech(name, true));
    else if (StoreEdit(std::move(edited), index - 1))
        SpeakOutcome(*c_.LB0, MovedSpeech(name, true, index));
}

void PlayerEditorPage::MoveDown() {
    const int index = SelectedEntry();
    if (index < 0) return;
    const QString name = NameText(roster_.roster[index].name);
    Roster edited = roster_;
    if (!MovePlayerDown(edited, index))
        SpeakOutcome(*c_.LB0, NotMovedSpeech(name, false));
    else if (StoreEdit(std::move(edited), index + 1))
        SpeakOutcome(*c_.LB0, MovedSpeech(name, false, index + 2));
}

void PlayerEditorPage::SortByScore() { Sort(true); }

void PlayerEditorPage::SortByType() { Sort(false); }

void PlayerEditorPage::Sort(bool byScore) {
    const QStringList before = SortOrder(roster_, byScore);
    Roster edited = roster_;
    if (byScore)
        SortPlayersByScore(edited);
    else
        SortPlayersByType(edited);
    if (StoreEdit(std::move(edited))) {
        const QStringList after = SortOrder(roster_, byScore);
        SpeakOutcome(*c_.LB0, SortedSpeech(byScore, after != before, after));
    }
}

}  // namespace karvelo
