// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a page built from the window's shared controls needs of the window: the page switch, the
// placing of controls, the keyboard's start on a new page, and the warning box.

#include <QString>
#include <string>

class QWidget;

namespace karvelo {

class PageHost {
public:
    virtual ~PageHost() = default;
    virtual void HideAllControls() = 0;
    // Places a control on the client area and shows it; width or height -1 keeps its own size.
    virtual void Place(QWidget* control, int left, int top, int width = -1, int height = -1) = 0;
    virtual void PlaceLabel(int slot, int left, int top, const QString& caption) = 0;
    // A page opened by a command: the keyboard starts at its first control, which a reader speaks.
    virtual void FocusPageStart() = 0;
    virtual void Warn(const std::string& text) = 0;  // caption "Pozor!"
};

}  // namespace karvelo
