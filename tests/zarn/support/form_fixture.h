// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A shown window with scripted random draws, clock and message boxes, in a folder of test tiles.
// Its timer is stopped: tests call Timer1Timer themselves.

#include "fakes.h"
#include "scripted_random.h"
#include "tile_folder.h"
#include "zarn/application.h"
#include "zarn/form1.h"

#include <QColor>
#include <QTest>
#include <memory>

namespace zarn::test {

class FormFixture {
public:
    FormFixture();
    ~FormFixture();

    // Clicks the field's button and delivers the queued click, as the event loop would.
    void Click(int row, int column);

    // Replaces the laid field's mines with a hand-made layout of the same side.
    void Lay(const std::vector<std::string>& rows);

    QColor SurfaceAt(int row, int column) const;  // centre of the field on the tile surface
    QColor ScreenAt(int row, int column) const;   // same, as the client area repaints itself
    int VisibleFieldButtons() const;

    TileFolder tiles;
    FakeClock clock;
    ScriptedBoxes boxes;
    ScriptedRandom random;
    std::unique_ptr<TForm1> form;
};

}  // namespace zarn::test

// A test main with the program's application object, so errors reach its notify.
#define ZARN_TEST_MAIN(TestClass)                                                                            \
    int main(int argc, char** argv) {                                                                        \
        zarn::ZarnApplication app(argc, argv);                                                               \
        zarn::PrepareApplication(app);                                                                       \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
