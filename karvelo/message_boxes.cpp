#include "karvelo/message_boxes.h"

#include <QMessageBox>

namespace karvelo {

namespace {
int Run(const QString& caption, const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, buttons);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec();
}
}  // namespace

void QtMessageBoxes::Inform(const QString& caption, const QString& text) { Run(caption, text, QMessageBox::Ok); }

bool QtMessageBoxes::AskYesNo(const QString& caption, const QString& text) {
    return Run(caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtMessageBoxes::ReportError(const QString& text) { Run(QStringLiteral("Karvelo"), text, QMessageBox::Ok); }

}  // namespace karvelo
