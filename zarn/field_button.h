#pragma once
// A field's push button. It knows its row and column only to tell a screen reader which field it
// is; the game finds a clicked field from the button's position.

#include <QPushButton>

namespace zarn {

class FieldButton final : public QPushButton {
    Q_OBJECT

public:
    FieldButton(int row, int column, QWidget* parent);

    // "Řádek 3, sloupec 7"
    QString FieldName() const;

private:
    int row_;
    int column_;
};

// Lets screen readers see field buttons as buttons named by their field. The names are made
// when asked for, so the 400 buttons cost nothing for them until a screen reader looks.
void InstallFieldButtonAccessibility();

}  // namespace zarn
