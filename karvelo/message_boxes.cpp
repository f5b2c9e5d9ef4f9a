// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/message_boxes.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

namespace karvelo {

namespace {
// Tab-aligned lines shown as a two-column table: a label's own tab stops are far too wide.
QString AlignedColumns(const QString& text) {
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QStringList cells = line.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        html += QStringLiteral("<tr>");
        for (const QString& cell : cells)
            html += QStringLiteral("<td style=\"padding-right:12px\">%1</td>").arg(cell.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// A box is as wide as its text, and the window manager shortens a longer caption in the middle
// ("Informace…programu"). The caption's width, in a title bar's usual bold and somewhat larger
// type, and room for the title bar's buttons, set the box's least width.
void WidenForCaption(QMessageBox& box, const QString& caption) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    QFont title = box.font();
    title.setBold(true);
    const int width = QFontMetrics(title).horizontalAdvance(caption) * 5 / 4 + 150;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

int QtMessageBoxes::Run(const QString& caption, const QString& text, int buttons) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::StandardButtons(buttons));
    box.setAccessibleDescription(std::exchange(nextDescription_, QString()));
    if (text.contains(QLatin1Char('\t'))) {
        box.setTextFormat(Qt::RichText);
        box.setText(AlignedColumns(text));
    }
    // Styles may decorate OK, Yes and No; the box carries no icon at all.
    for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
    WidenForCaption(box, caption);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec();
}

void QtMessageBoxes::Inform(const QString& caption, const QString& text) {
    Run(caption, text, QMessageBox::Ok);
}

bool QtMessageBoxes::AskYesNo(const QString& caption, const QString& text) {
    return Run(caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtMessageBoxes::ReportError(const QString& text) {
    Run(QStringLiteral("Karvelo"), text, QMessageBox::Ok);
}

}  // namespace karvelo
