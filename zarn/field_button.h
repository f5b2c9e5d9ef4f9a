// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A field's push button. It knows its row and column only to tell a screen reader which field it
// is and, once uncovered, what lies there; the game finds a clicked field from the button's position.
// An uncovered field keeps its button, drawn as nothing over the tile and passing the mouse
// through, so the keyboard (and a screen reader) can still stop there.

#include <QPushButton>

namespace zarn {

class FieldButton final : public QPushButton {
    Q_OBJECT

public:
    static constexpr int kCovered = -1;
    static constexpr int kMineShown = -2;  // the mine the player clicked

    FieldButton(int row, int column, QWidget* parent);

    int Row() const { return row_; }
    int Column() const { return column_; }

    // The button has been hidden and its tile painted: minesAround 0..8, or kMineShown.
    void ShowUncovered(int minesAround);
    // Part of a new field, covered again.
    void ShowCovered();
    bool IsUncovered() const { return shown_ != kCovered; }

    // "Řádek 3, sloupec 7: zakryté"; uncovered "Řádek 3, sloupec 7: 2 miny v okolí"
    QString FieldName() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void TellAssistiveTechnology(bool wasUncovered);

    int row_;
    int column_;
    int shown_ = kCovered;
    bool keyboardFocus_ = false;  // the focus came by key: an uncovered field then shows a frame
};

// "2 miny v okolí", "žádná mina v okolí"
QString MinesAroundText(int count);

// Lets screen readers see field buttons as buttons named by their field; an uncovered field stays
// readable in its place, as a button without a press action that names its count. The names are made when
// asked for, so the 400 buttons cost nothing for them until a screen reader looks.
void InstallFieldButtonAccessibility();

}  // namespace zarn
