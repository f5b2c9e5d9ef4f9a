// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of a help topic. A read-only text edit rather than a text browser: a screen reader gets
// it as a text with a caret, reads the line or paragraph the caret reaches and says that it is
// read only, where a text browser is offered as one long label. The links work as in a browser:
// a click or Enter on a link reports it, Tab goes from link to link, the mouse pointer shows a hand
// over a link. Ctrl with Up or Down moves the caret by paragraph.

#include <QTextEdit>
#include <QUrl>

namespace karvelo {

class HelpText final : public QTextEdit {
    Q_OBJECT

public:
    explicit HelpText(QWidget* parent);

    // The link under the caret's selection, empty when the selection is no link.
    QString SelectedLink() const;

signals:
    void anchorClicked(const QUrl& link);
    // Tab has selected a link (its text is the selection).
    void linkReached(const QString& text);

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool SelectNextLink(bool forward);

    QString pressedLink_;  // the link a press began on; a release on it follows it
};

}  // namespace karvelo
