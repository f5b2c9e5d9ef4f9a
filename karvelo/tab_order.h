#pragma once
// The controls of a page are put on the window in whatever order the pages first need them; Tab
// must still follow the page as it is read.

class QWidget;

namespace karvelo {

// Orders Tab among the shown controls placed directly on the container (radio buttons too, whichever
// of them Qt lets Tab reach): row by row from the top,
// left to right within a row. Controls whose tops lie within a few pixels form one row.
void ArrangeTabOrderByLayout(QWidget& container);

}  // namespace karvelo
