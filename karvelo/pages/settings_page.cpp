// SPDX-License-Identifier: GPL-3.0-or-later
// The settings page: the visual theme.

#include "karvelo/form1.h"

#include <QComboBox>
#include <QLabel>

namespace karvelo {

void TForm1::Schema1Click() {
    if (BoxOpen() || !GuardPasses()) return;
    HideAllControls();
    PlaceLabel(0, 20, 20, QStringLiteral("Prostředí:"));
    QComboBox* themes = CB[0];
    themes->clear();
    for (const char* name : themeNames) themes->addItem(QString::fromUtf8(name));
    themes->setEditable(false);
    themes->setCurrentIndex(settings.themeIndex);
    Place(themes, 100, 15, 80);
    FocusPageStart();
}

void TForm1::CB0Change() {
    ApplyTheme(CB[0]->currentIndex());
    LoadThemeImages();
}

}  // namespace karvelo
