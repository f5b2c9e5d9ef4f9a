// SPDX-License-Identifier: GPL-3.0-or-later
// The match set-up page: contestants, symbols, first mover, field values, and the match start.

#include "karvelo/form1.h"
#include "karvelo/roster/name_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace karvelo {

namespace {
void FillList(QComboBox* combo, const QStringList& items, int selected) {
    combo->clear();
    combo->addItems(items);
    combo->setEditable(false);
    combo->setCurrentIndex(selected < items.size() ? selected : -1);
}
}  // namespace

void TForm1::Hrat1Click() {
    if (BoxOpen() || !GuardPasses()) return;
    // Loaded before anything is hidden, so an image that fails leaves the page that was shown.
    LoadThemeImages();
    HideAllControls();
    PlaceLabel(22, 50, 25, QStringLiteral("Hráči:"));
    PlaceLabel(23, 135, 25, QStringLiteral("Znaky:"));

    QStringList names = NameText(roster.rosterNames.c_str()).split(QLatin1Char('\n'));
    names.removeLast();  // every name ends with a line feed
    FillList(CB[1], names, matchState.contestantIndex1);
    FillList(CB[2], names, matchState.contestantIndex2);
    Place(CB[1], 50, 45, 80);
    Place(CB[2], 50, 100, 80);

    PlaceLabel(4, 280, 100, QStringLiteral("Zobrazovat hodnoty polí"));
    Place(CHB0, 405, 98);
    PlaceLabel(1, 280, 116, QStringLiteral("Označit poslední tah"));
    Place(CHB1, 405, 114);

    QStringList symbols;
    for (const char* name : symbolSetNames[settings.themeIndex]) symbols << QString::fromUtf8(name);
    FillList(CB[3], symbols, settings.symbolIndex1);
    FillList(CB[4], symbols, settings.symbolIndex2);
    Place(CB[3], 135, 45, 80);
    Place(CB[4], 135, 100, 80);

    RB0->setChecked(true);
    Place(RB0, 222, 48, 15);
    Place(RB1, 222, 100, 15);

    PlaceLabel(16, 145, 68, QStringLiteral("Skore:\nTyp:"));
    PlaceLabel(19, 145, 128, QStringLiteral("Skore:\nTyp:"));
    ShowContestantDetails(matchState.contestantIndex1, L[17], L[18]);
    ShowContestantDetails(matchState.contestantIndex2, L[20], L[21]);
    Place(L[17], 185, 68);
    Place(L[18], 185, 81);
    Place(L[20], 185, 128);
    Place(L[21], 185, 141);

    B[0]->setText(QStringLiteral("Začít souboj"));
    Place(B[0], 280, 130);
    FocusPageStart();
}

void TForm1::DescribeContestantChoices() {
    // On this system a combo box's name is its current choice; what it is for, and the score and
    // type shown beside it, go into the description, which a screen reader speaks after the choice.
    auto describe = [this](const QString& purpose, int index) {
        QString text = purpose;
        if (IsUsedEntry(index)) {
            const PlayerRecord& entry = roster.roster[index];
            text += QStringLiteral(", skóre %1").arg(entry.score);
            if (const char* type = LongTypeText(entry.type))
                text += QStringLiteral(", typ %1").arg(QString::fromUtf8(type));
        }
        return text;
    };
    CB[1]->setAccessibleDescription(describe(QStringLiteral("První hráč"), matchState.contestantIndex1));
    CB[2]->setAccessibleDescription(describe(QStringLiteral("Druhý hráč"), matchState.contestantIndex2));
}

void TForm1::ShowContestantDetails(int index, QLabel* scoreLabel, QLabel* typeLabel) {
    DescribeContestantChoices();
    if (index < 0 || index >= maxRosterEntries) return;
    const PlayerRecord& entry = roster.roster[index];
    scoreLabel->setText(QString::number(entry.score));
    scoreLabel->adjustSize();
    if (const char* type = ShortTypeText(entry.type)) {
        typeLabel->setText(QString::fromUtf8(type));
        typeLabel->adjustSize();
    }
}

void TForm1::CB1Change() {
    const int index = CB[1]->currentIndex();
    if (index < 0) return;
    matchState.contestantIndex1 = index;
    ShowContestantDetails(index, L[17], L[18]);
}

void TForm1::CB2Change() {
    const int index = CB[2]->currentIndex();
    if (index < 0) return;
    matchState.contestantIndex2 = index;
    ShowContestantDetails(index, L[20], L[21]);
}

void TForm1::CB3Change() {
    const int index = CB[3]->currentIndex();
    if (index < 0 || index >= symbolSetCount) return;
    settings.symbolIndex1 = index;
    settings.symbolPath1 = symbolStems[index];
}

void TForm1::CB4Change() {
    const int index = CB[4]->currentIndex();
    if (index < 0 || index >= symbolSetCount) return;
    settings.symbolIndex2 = index;
    settings.symbolPath2 = symbolStems[index];
}

void TForm1::B0Click() {
    MatchState& m = matchState;
    // Only used roster entries can play: a free entry's score could never be stored.
    if (!IsUsedEntry(m.contestantIndex1) || !IsUsedEntry(m.contestantIndex2)) {
        Warn("Zvolte oba hráče ze seznamu!");
        return;
    }
    if (m.contestantIndex1 == m.contestantIndex2) {
        Warn("Zvolte dva různé hráče!");
        return;
    }
    if (settings.symbolIndex1 == settings.symbolIndex2) {
        Warn("Hráči mají stejné znaky!");
        return;
    }
    const std::int32_t type1 = roster.roster[m.contestantIndex1].type;
    const std::int32_t type2 = roster.roster[m.contestantIndex2].type;
    if (type1 != Human && type2 != Human &&
        !AskYesNo("Hra dvou PC", "Hra dvou hráčů typu CPU může způsobit potíže!\nOpravdu chcete pokračovat?"))
        return;
    m.matchRunning = 1;
    if (RB0->isChecked()) m.playerOnMove = 1;
    if (RB1->isChecked()) m.playerOnMove = 2;
    m.showFieldValues = CHB0->isChecked() ? 1 : 0;
    lastMove_->SetEnabled(CHB1->isChecked());
    m.contestantType1 = type1;
    m.contestantType2 = type2;
    engine_.StartMatch();
}

}  // namespace karvelo
