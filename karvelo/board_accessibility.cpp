// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/board_accessibility.h"

#include "karvelo/board_keyboard.h"
#include "karvelo/picture_control.h"
#include "karvelo/roster/codepage1250.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <algorithm>
#include <utility>
#include <vector>

namespace karvelo {

namespace {

constexpr int cellCount = boardSize * boardSize;

int CellIndex(int column, int row) { return (row - 1) * boardSize + (column - 1); }

class BoardTable;

// One field of the board; it lives as long as the table that made it.
class BoardCell final : public QAccessibleInterface,
                        public QAccessibleTableCellInterface,
                        public QAccessibleActionInterface {
public:
    BoardCell(BoardTable& table, int column, int row) : table_(table), column_(column), row_(row) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // QAccessibleActionInterface: pressing a cell places there, as Space on it would.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    BoardTable& table_;
    int column_;
    int row_;
};

class BoardTable final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    // Offered as a grouping with a table interface, not as a table: a screen reader reads the whole
    // new row of a table at every vertical step, 20 cells for one move of the cursor.
    BoardTable(PictureControl* board, BoardAccessibility* source)
        : QAccessibleWidget(board, QAccessible::Grouping), source_(source) {}
    ~BoardTable() override {
        for (QAccessible::Id id : cells_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }

    BoardAccessibility* Source() const { return source_.data(); }
    bool ShowsCells() const { return source_ && source_->ShowsMatch(); }

    // The cell is presented as a new object from now on, so a reader speaks it again on focus.
    void Renew(int column, int row) {
        QAccessible::Id& id = cells_[CellIndex(column, row)];
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
        id = 0;
    }

    BoardCell* Cell(int column, int row) const {
        if (!ShowsCells() || column < 1 || column > boardSize || row < 1 || row > boardSize) return nullptr;
        QAccessible::Id& id = cells_[CellIndex(column, row)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(
                new BoardCell(*const_cast<BoardTable*>(this), column, row));
        return static_cast<BoardCell*>(QAccessible::accessibleInterface(id));
    }

    bool isValid() const override { return QAccessibleWidget::isValid() && source_; }
    QString text(QAccessible::Text kind) const override {
        if (!source_) return {};
        if (kind == QAccessible::Name) return source_->BoardName();
        if (kind == QAccessible::Description) return source_->BoardDescription();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return ShowsCells() ? cellCount : 0; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return Cell(index % boardSize + 1, index / boardSize + 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr || child->role() != QAccessible::Cell || child->parent() != this) return -1;
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell->rowIndex() * boardSize + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!ShowsCells()) return nullptr;
        const QPoint p = widget()->mapFromGlobal(QPoint(x, y));
        for (int column = 1; column <= boardSize; ++column)
            for (int row = 1; row <= boardSize; ++row)
                if (source_->CellRect(column, row).contains(p)) return Cell(column, row);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!ShowsCells()) return nullptr;
        const BoardCursor& cursor = source_->Keys().Cursor();
        return source_->HasFocusAt(cursor.Column(), cursor.Row()) ? Cell(cursor.Column(), cursor.Row())
                                                                  : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTableInterface; nothing on the board is ever selected.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return Cell(column + 1, row + 1); }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return QStringLiteral("Sloupec %1").arg(column + 1);
    }
    QString rowDescription(int row) const override { return QStringLiteral("Řádek %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return ShowsCells() ? boardSize : 0; }
    int rowCount() const override { return ShowsCells() ? boardSize : 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    QPointer<BoardAccessibility> source_;
    mutable std::array<QAccessible::Id, cellCount> cells_{};
};

bool BoardCell::isValid() const { return table_.isValid(); }
QWindow* BoardCell::window() const { return table_.window(); }
QAccessibleInterface* BoardCell::parent() const { return &table_; }

QString BoardCell::text(QAccessible::Text kind) const {
    const BoardAccessibility* source = table_.Source();
    if (source == nullptr) return {};
    if (kind == QAccessible::Name) return source->CellName(column_, row_);
    if (kind == QAccessible::Description) return source->CellDescription(column_, row_);
    return {};
}

QRect BoardCell::rect() const {
    const BoardAccessibility* source = table_.Source();
    if (source == nullptr) return {};
    const QRect local = source->CellRect(column_, row_);
    return {source->Board().mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::State BoardCell::state() const {
    QAccessible::State state;
    const BoardAccessibility* source = table_.Source();
    if (source == nullptr) return state;
    state.focusable = true;
    state.focused = source->HasFocusAt(column_, row_);
    state.invisible = !source->Board().isVisible();
    return state;
}

void BoardCell::doAction(const QString& action) {
    if (BoardAccessibility* source = table_.Source(); source != nullptr && action == pressAction())
        source->Keys().PressField(column_, row_);
}

QAccessibleInterface* PictureInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("karvelo::PictureControl")) return nullptr;
    auto* picture = static_cast<PictureControl*>(object);
    if (auto* source = picture->findChild<BoardAccessibility*>(QString(), Qt::FindDirectChildrenOnly))
        return new BoardTable(picture, source);
    return new QAccessibleWidget(picture, QAccessible::Graphic);
}

void Notify(QObject* board, QAccessible::Event type, int child = -1) {
    QAccessibleEvent event(board, type);
    if (child >= 0) event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallBoardAccessibility() { QAccessible::installFactory(PictureInterface); }

BoardAccessibility::BoardAccessibility(PictureControl& board, const MatchState& match, const Roster& roster,
                                       BoardKeyboard& keys)
    : QObject(&board), board_(board), match_(match), roster_(roster), keys_(keys) {
    keys_.cursorChanged = [this] { CursorChanged(); };
    keys_.pressHandled = [this] { SpeakMoves(); };
    board_.installEventFilter(this);
}

bool BoardAccessibility::eventFilter(QObject* watched, QEvent* event) {
    // The window announces the board itself as focused; the cursor's cell follows right after.
    if (watched == &board_ && event->type() == QEvent::FocusIn && keys_.Cursor().Visible())
        QMetaObject::invokeMethod(
            this, [this] { CursorChanged(); }, Qt::QueuedConnection);
    return false;
}

QString BoardAccessibility::ContestantName(std::int32_t contestant) const {
    const int index = contestant == 1 ? match_.contestantIndex1 : match_.contestantIndex2;
    if (index < 0 || index >= maxRosterEntries) return {};
    return QString::fromStdString(Cp1250ToUtf8(roster_.roster[index].name)).trimmed();
}

QString BoardAccessibility::BoardName() const {
    return showsMatch_ ? QStringLiteral("Hrací plocha") : QStringLiteral("Titulní obrázek");
}

QString BoardAccessibility::BoardDescription() const {
    if (!showsMatch_)
        return QStringLiteral("Kliknutím do obrázku zvolíte prostředí a otevřete přípravu zápasu.");
    QString text;
    if (match_.matchRunning != 0 && (match_.playerOnMove == 1 || match_.playerOnMove == 2))
        text = QStringLiteral("Na tahu: %1.").arg(ContestantName(match_.playerOnMove));
    if (lastContestant_ != 0) {
        if (!text.isEmpty()) text += QLatin1Char(' ');
        text += QStringLiteral("Poslední tah: %1, sloupec %2, řádek %3.")
                    .arg(ContestantName(lastContestant_))
                    .arg(lastColumn_)
                    .arg(lastRow_);
    }
    return text;
}

QString BoardAccessibility::CellName(int column, int row) const {
    QString name = QStringLiteral("Sloupec %1, řádek %2: ").arg(column).arg(row);
    const Field& field = match_.board[column][row];
    if (field.state == 1 || field.state == 2) {
        name += ContestantName(field.state);
        if (field.picture == HighlightPicture(field.state)) name += QStringLiteral(", pětice");
        return name;
    }
    name += QStringLiteral("prázdné");
    if (match_.showFieldValues == 1) name += QStringLiteral(", hodnota %1").arg(field.value);
    return name;
}

QRect BoardAccessibility::CellRect(int column, int row) const { return keys_.FieldRect(column, row); }

bool BoardAccessibility::HasFocusAt(int column, int row) const {
    const BoardCursor& cursor = keys_.Cursor();
    return showsMatch_ && match_.matchRunning != 0 && board_.hasFocus() && cursor.Visible() &&
           cursor.Column() == column && cursor.Row() == row;
}

QString BoardAccessibility::CellDescription(int column, int row) const {
    return spokenAt_ == CellPosition{column, row} ? spoken_ : QString();
}

std::int32_t BoardAccessibility::ShownValue(int column, int row) const {
    // A value is part of a cell's name only on an empty field while values are on.
    const Field& field = match_.board[column][row];
    return field.state == fsEmpty && match_.showFieldValues == 1 ? field.value : 0;
}

QString BoardAccessibility::MoveText(int column, int row, std::int32_t contestant) const {
    return QStringLiteral("%1: sloupec %2, řádek %3").arg(ContestantName(contestant)).arg(column).arg(row);
}

void BoardAccessibility::MatchStarted() {
    const bool first = !showsMatch_;
    showsMatch_ = true;
    lastContestant_ = 0;
    unspoken_.clear();
    pendingMove_.clear();
    spoken_.clear();
    spokenAt_ = {0, 0};
    for (int column = 1; column <= boardSize; ++column)
        for (int row = 1; row <= boardSize; ++row)
            shownValues_[column - 1][row - 1] = ShownValue(column, row);
    if (first && QAccessible::isActive()) {
        // The title picture becomes the board: a new name and 400 cells.
        Notify(&board_, QAccessible::NameChanged);
        Notify(&board_, QAccessible::ObjectReorder);
    }
}

void BoardAccessibility::NewMatchShown() {
    lastContestant_ = 0;
    BoardRepainted();
}

void BoardAccessibility::StonePlaced(int column, int row, std::int32_t contestant) {
    if (!showsMatch_) return;
    CommitMove();
    lastColumn_ = column;
    lastRow_ = row;
    lastContestant_ = contestant;
    pendingMove_ = MoveText(column, row, contestant);
    changed_.clear();
    ReportChanged({{column, row}});
    if (!speakQueued_) {
        speakQueued_ = true;
        QMetaObject::invokeMethod(
            this, [this] { SpeakMoves(); }, Qt::QueuedConnection);
    }
}

void BoardAccessibility::FiveMarked(const std::vector<CellPosition>& fields) {
    if (!showsMatch_) return;
    if (!pendingMove_.isEmpty())
        pendingMove_ += QStringLiteral(", pětice");  // the box that follows says who won
    ReportChanged(fields);
}

void BoardAccessibility::ValuesChanged() {
    if (!showsMatch_) return;
    ReportChanged(SyncValues());
}

void BoardAccessibility::BoardRepainted() {
    if (!showsMatch_) return;
    changed_.clear();
    ReportChanged(SyncValues());
}

std::vector<BoardAccessibility::CellPosition> BoardAccessibility::SyncValues() {
    std::vector<CellPosition> changed;
    for (int column = 1; column <= boardSize; ++column)
        for (int row = 1; row <= boardSize; ++row) {
            std::int32_t& before = shownValues_[column - 1][row - 1];
            const std::int32_t now = ShownValue(column, row);
            if (now == before) continue;
            before = now;
            changed.push_back({column, row});
        }
    return changed;
}

void BoardAccessibility::ReportChanged(const std::vector<CellPosition>& cells) {
    for (const CellPosition& cell : cells)
        if (std::find(changed_.begin(), changed_.end(), cell) == changed_.end()) changed_.push_back(cell);
    if (cells.empty() || !QAccessible::isActive()) return;
    for (const CellPosition& cell : cells)
        Notify(&board_, QAccessible::NameChanged, CellIndex(cell.column, cell.row));
    Notify(&board_, QAccessible::DescriptionChanged);
}

void BoardAccessibility::CommitMove() {
    if (pendingMove_.isEmpty()) return;
    unspoken_ += std::exchange(pendingMove_, QString()) + QStringLiteral(". ");
}

QString BoardAccessibility::TakeMovesToSpeak() {
    CommitMove();
    return std::exchange(unspoken_, QString()).trimmed();
}

void BoardAccessibility::SpeakMoves() {
    speakQueued_ = false;
    CommitMove();
    if (unspoken_.isEmpty()) return;
    const QString moves = unspoken_.trimmed();
    unspoken_.clear();
    const BoardCursor& cursor = keys_.Cursor();
    if (!showsMatch_ || !board_.isVisible() || !board_.hasFocus() || !cursor.Visible()) return;
    spoken_ = moves;
    spokenAt_ = {cursor.Column(), cursor.Row()};
    if (!QAccessible::isActive()) return;
    auto* table = dynamic_cast<BoardTable*>(QAccessible::queryAccessibleInterface(&board_));
    if (table == nullptr) return;
    table->Renew(cursor.Column(), cursor.Row());
    Notify(&board_, QAccessible::Focus, CellIndex(cursor.Column(), cursor.Row()));
}

void BoardAccessibility::CursorChanged() {
    // What was spoken with the cell it left is not repeated when the cursor comes back.
    spoken_.clear();
    spokenAt_ = {0, 0};
    if (QAccessible::isActive() && board_.hasFocus()) AnnounceFocus();
}

void BoardAccessibility::AnnounceFocus() {
    const BoardCursor& cursor = keys_.Cursor();
    if (HasFocusAt(cursor.Column(), cursor.Row()))
        Notify(&board_, QAccessible::Focus, CellIndex(cursor.Column(), cursor.Row()));
    else
        Notify(&board_, QAccessible::Focus);
}

}  // namespace karvelo
