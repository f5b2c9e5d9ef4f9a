// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_fixture.h"

#include "minefield_art.h"
#include "zarn/client_surface.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

namespace zarn::test {

FormFixture::FormFixture() {
    static_cast<ZarnApplication*>(QCoreApplication::instance())->SetMessageBoxes(&boxes);
    form = std::make_unique<TForm1>(boxes, random, clock);
    form->Timer1->stop();
    form->show();
    QCoreApplication::processEvents();
}

FormFixture::~FormFixture() {
    form.reset();
    static_cast<ZarnApplication*>(QCoreApplication::instance())->SetMessageBoxes(nullptr);
}

void FormFixture::Click(int row, int column) {
    QTest::mouseClick(form->buttons[row][column], Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
}

void FormFixture::Lay(const std::vector<std::string>& rows) {
    const std::int32_t mineTarget = form->field.mineTarget;
    LayField(form->field, rows);
    form->field.mineTarget = mineTarget;
}

QColor FormFixture::SurfaceAt(int row, int column) const {
    const QImage& surface = form->Client()->Surface();
    if (surface.isNull()) return Qt::transparent;  // no tile drawn yet
    return surface.pixelColor(15 + 20 * (column - 1), 15 + 20 * (row - 1));
}

QColor FormFixture::ScreenAt(int row, int column) const {
    return form->Client()->grab().toImage().pixelColor(15 + 20 * (column - 1), 15 + 20 * (row - 1));
}

int FormFixture::VisibleFieldButtons() const {
    int visible = 0;
    for (int row = 1; row <= kMaxSide; ++row)
        for (int column = 1; column <= kMaxSide; ++column)
            visible += form->buttons[row][column]->isHidden() ? 0 : 1;
    return visible;
}

}  // namespace zarn::test
