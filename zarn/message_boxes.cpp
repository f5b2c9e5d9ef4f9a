// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/message_boxes.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace zarn {

namespace {
void ShowModal(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), text, QMessageBox::Ok, owner);
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // styles may decorate OK; the box has no icon at all
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
}  // namespace

void QtMessageBoxes::Inform(const QString& text) { ShowModal(owner_, text); }

void QtMessageBoxes::ReportError(const QString& text) { ShowModal(owner_, text); }

}  // namespace zarn
