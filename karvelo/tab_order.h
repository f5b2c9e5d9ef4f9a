// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of a page are put on the window in whatever order the pages first need them; Tab
// must still follow the page as it is read.

class QWidget;

namespace karvelo {

// Orders Tab among the shown controls placed directly on the container: row by row from the top,
// left to right within a row; controls whose tops lie within a few pixels form one row. Radio
// buttons are ordered too; which of them Tab reaches stays Qt's choice.
void ArrangeTabOrderByLayout(QWidget& container);

// The first of those controls in that order, where a page's keyboard focus starts; nullptr for none.
QWidget* FirstControlByLayout(QWidget& container);

}  // namespace karvelo
