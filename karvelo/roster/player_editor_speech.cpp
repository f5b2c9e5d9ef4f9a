// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/roster/player_editor_speech.h"

#include "common/spoken_focus.h"
#include "karvelo/roster/name_text.h"

#include <QEvent>
#include <QFocusEvent>
#include <QListWidget>
#include <QTimer>

namespace karvelo {

namespace {

// Speaks the entry under the cursor once the focus has settled in the list, unless a button's
// outcome is being spoken there already.
class EntrySpeaker final : public QObject {
public:
    explicit EntrySpeaker(QListWidget& list) : QObject(&list), list_(list) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
            QTimer::singleShot(0, this, [this] { Speak(); });
        return false;
    }

private:
    void Speak() {
        if (!list_.hasFocus() || spoken_focus::HasNote(list_)) return;
        const QString entry = EntryUnderCursor(list_);
        if (!entry.isEmpty()) spoken_focus::SpeakWithFocus(list_, entry);
    }

    QListWidget& list_;
};

}  // namespace

QString EntrySpeech(const PlayerRecord& entry) {
    QString text = NameText(entry.name) + QStringLiteral(", skóre %1").arg(entry.score);
    if (const char* type = LongTypeText(entry.type))
        text += QStringLiteral(", typ %1").arg(QString::fromUtf8(type));
    return text;
}

QString EntryUnderCursor(QListWidget& list) {
    if (!list.currentItem() && list.count() > 0)
        list.selectionModel()->setCurrentIndex(list.model()->index(0, 0), QItemSelectionModel::NoUpdate);
    const QListWidgetItem* entry = list.currentItem();
    return entry ? entry->data(Qt::AccessibleTextRole).toString() : QString();
}

void SpeakEntryOnEntering(QListWidget& list) {
    list.installEventFilter(new EntrySpeaker(list));
    // A step of the cursor speaks the new entry by itself; the one spoken on entering is done with.
    QObject::connect(&list, &QListWidget::currentRowChanged, &list,
                     [&list] { spoken_focus::DropNote(list); });
}

QString CreatedSpeech(const PlayerRecord& entry) {
    return QStringLiteral("Vytvořen hráč %1.").arg(EntrySpeech(entry));
}

QString RenamedSpeech(const QString& before, const QString& after) {
    return QStringLiteral("Hráč %1 přejmenován na %2.").arg(before, after);
}

QString DeletedSpeech(const QString& name) { return QStringLiteral("Hráč %1 odstraněn.").arg(name); }

QString MovedSpeech(const QString& name, bool up, int position) {
    return QStringLiteral("Hráč %1 posunut %2, je %3. v seznamu.")
        .arg(name, up ? QStringLiteral("nahoru") : QStringLiteral("dolů"))
        .arg(position);
}

QString NotMovedSpeech(const QString& name, bool up) {
    return QStringLiteral("Hráč %1 je už %2 v seznamu.")
        .arg(name, up ? QStringLiteral("první") : QStringLiteral("poslední"));
}

QString SortedSpeech(bool byScore, bool changed, const QStringList& order) {
    const QString by = byScore ? QStringLiteral("podle skóre") : QStringLiteral("podle typu");
    if (!changed) return QStringLiteral("Seznam už byl seřazen %1.").arg(by);
    return QStringLiteral("Seřazeno %1: %2.").arg(by, order.join(QStringLiteral(", ")));
}

}  // namespace karvelo
