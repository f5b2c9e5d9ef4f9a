#include "zarn/message_boxes.h"

#include <QMessageBox>

namespace zarn {

namespace {
void ShowModal(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
}  // namespace

void QtMessageBoxes::Inform(const QString& text) { ShowModal(text); }

void QtMessageBoxes::ReportError(const QString& text) { ShowModal(text); }

}  // namespace zarn
