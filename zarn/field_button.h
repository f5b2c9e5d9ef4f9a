#pragma once
// A field's push button. It knows its row and column only to tell a screen reader which field it
// is and, once uncovered, what lies there; the game finds a clicked field from the button's position.

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

    // "Řádek 3, sloupec 7"; uncovered "Řádek 3, sloupec 7: 2 miny v okolí"
    QString FieldName() const;

private:
    void TellAssistiveTechnology(bool wasUncovered);

    int row_;
    int column_;
    int shown_ = kCovered;
};

// Lets screen readers see field buttons as buttons named by their field; an uncovered field stays
// readable in its place, as an unavailable button that names its count. The names are made when
// asked for, so the 400 buttons cost nothing for them until a screen reader looks.
void InstallFieldButtonAccessibility();

}  // namespace zarn
