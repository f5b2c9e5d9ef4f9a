// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/help/help_text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <utility>
#include <vector>

namespace karvelo {

HelpText::HelpText(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    viewport()->setMouseTracking(true);
    connect(this, &QTextEdit::selectionChanged, this, [this] {
        if (!SelectedLink().isEmpty()) emit linkReached(textCursor().selectedText());
    });
}

QString HelpText::SelectedLink() const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) return {};
    QTextCursor first(document());
    first.setPosition(cursor.selectionStart() + 1);  // the format of the selection's first character
    return first.charFormat().anchorHref();
}

bool HelpText::focusNextPrevChild(bool next) {
    // Tab goes from link to link, as in a browser, and on out of the text after the last one.
    return SelectNextLink(next) || QTextEdit::focusNextPrevChild(next);
}

bool HelpText::SelectNextLink(bool forward) {
    struct Link {
        int start;
        int end;
    };
    std::vector<Link> links;  // in document order, neighbouring pieces of one link joined
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        QString previousHref;
        for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
            const QTextFragment fragment = piece.fragment();
            const QString href = fragment.charFormat().anchorHref();
            const int start = fragment.position();
            const int end = start + fragment.length();
            if (!href.isEmpty() && href == previousHref && !links.empty() && links.back().end == start)
                links.back().end = end;
            else if (!href.isEmpty())
                links.push_back({start, end});
            previousHref = href;
        }
    }
    const QTextCursor now = textCursor();
    const Link* target = nullptr;
    if (forward) {
        const int from = now.hasSelection() ? now.selectionEnd() : now.position();
        for (const Link& link : links)
            if (link.start >= from && (link.start > now.selectionStart() || !now.hasSelection())) {
                target = &link;
                break;
            }
    } else {
        const int from = now.hasSelection() ? now.selectionStart() : now.position();
        for (auto link = links.rbegin(); link != links.rend(); ++link)
            if (link->end <= from) {
                target = &*link;
                break;
            }
    }
    if (target == nullptr) return false;
    QTextCursor select(document());
    select.setPosition(target->start);
    select.setPosition(target->end, QTextCursor::KeepAnchor);
    setTextCursor(select);
    ensureCursorVisible();
    return true;
}

void HelpText::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !SelectedLink().isEmpty()) {
        emit anchorClicked(QUrl(SelectedLink()));
        return;
    }
    if (event->modifiers() == Qt::ControlModifier && (key == Qt::Key_Down || key == Qt::Key_Up)) {
        QTextCursor cursor = textCursor();
        cursor.clearSelection();
        if (key == Qt::Key_Down) {
            if (!cursor.movePosition(QTextCursor::NextBlock)) cursor.movePosition(QTextCursor::End);
        } else if (!cursor.atBlockStart()) {
            cursor.movePosition(QTextCursor::StartOfBlock);
        } else {
            cursor.movePosition(QTextCursor::PreviousBlock);
        }
        setTextCursor(cursor);
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void HelpText::mousePressEvent(QMouseEvent* event) {
    pressedLink_ = event->button() == Qt::LeftButton ? anchorAt(event->position().toPoint()) : QString();
    QTextEdit::mousePressEvent(event);
}

void HelpText::mouseMoveEvent(QMouseEvent* event) {
    const bool overLink = !anchorAt(event->position().toPoint()).isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
    QTextEdit::mouseMoveEvent(event);
}

void HelpText::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    const QString link = std::exchange(pressedLink_, QString());
    if (event->button() == Qt::LeftButton && !link.isEmpty() && anchorAt(event->position().toPoint()) == link)
        emit anchorClicked(QUrl(link));
}

}  // namespace karvelo
