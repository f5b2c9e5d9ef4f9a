// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/form1.h"

#include "common/spoken_focus.h"
#include "zarn/client_surface.h"
#include "zarn/field_button.h"
#include "zarn/field_pointer.h"
#include "zarn/message_boxes.h"
#include "zarn/rules/difficulty.h"
#include "zarn/rules/new_game.h"
#include "zarn/rules/timing.h"
#include "zarn/tile_files.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace zarn {

TForm1::TForm1(MessageBoxes& boxes, RandomSource& random, const Clock& clock)
    : boxes_(boxes), random_(random), clock_(clock), uncovering_(field, random, *this) {
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    InstallFieldButtonAccessibility();
    client_ = new ClientSurface(QSize(kClientWidth, kClientHeight), this);
    setCentralWidget(client_);
    keyboard_ = new FieldKeyboard(field, buttons, this);
    pointer_ = new FieldPointer(*client_);
    // Field clicks arrive as queued calls on a plain object: an error thrown while one is handled
    // then reaches the application's notify without unwinding through any widget's code.
    clickRelay_ = new QObject(this);
    CreateControls();
    CreateMenu();
    // The menu bar sits above the client area, outside it.
    resize(kClientWidth, kClientHeight + MainMenu1->sizeHint().height());
    move(0, 0);
    FormCreate();
    Timer1->start();
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
    Button1 = new QPushButton(QStringLiteral("Začít hru"), client_);
    Button1->setGeometry(8, 428, 75, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    Label1 = new QLabel(client_);
    Label1->move(8, 409);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    Label2 = new QLabel(QStringLiteral("časovač"), client_);
    Label2->move(248, 428);
    Label2->adjustSize();

    Label3 = new QLabel(QStringLiteral("Váš čas:"), client_);
    Label3->move(202, 428);
    Label3->adjustSize();
}

void TForm1::CreateMenu() {
    MainMenu1 = new QMenuBar(this);
    setMenuBar(MainMenu1);
    N1 = MainMenu1->addMenu(QStringLiteral("Menu"));
    Novhra1 = N1->addMenu(QStringLiteral("Obtížnost"));
    Lehk1 = Novhra1->addAction(QStringLiteral("Lehká"), this, [this] { Lehk1Click(); });
    Stedn1 = Novhra1->addAction(QStringLiteral("Střední"), this, [this] { Stedn1Click(); });
    k1 = Novhra1->addAction(QStringLiteral("Těžká"), this, [this] { k1Click(); });
    Ukonit1 = N1->addAction(QStringLiteral("Ukončit"), this, [this] { Ukonit1Click(); });
}

void TForm1::FormCreate() {
    // One group carries every field button's click to FieldButtonClick.
    fieldButtons_ = new QButtonGroup(this);
    fieldButtons_->setExclusive(false);
    connect(
        fieldButtons_, &QButtonGroup::buttonClicked, clickRelay_,
        [this](QAbstractButton* sender) { FieldButtonClick(static_cast<QPushButton*>(sender)); },
        Qt::QueuedConnection);
    for (int row = 1; row <= kMaxSide; ++row) {
        for (int column = 1; column <= kMaxSide; ++column) {
            auto* button = new FieldButton(row, column, client_);
            button->hide();
            keyboard_->Watch(*button);
            pointer_->Watch(*button);
            fieldButtons_->addButton(button);
            buttons[row][column] = button;
        }
    }
    field.difficulty = kLehka;
}

QPoint TForm1::FieldTopLeft(std::int32_t row, std::int32_t column) {
    return {kFieldOrigin + kFieldPitch * (column - 1), kFieldOrigin + kFieldPitch * (row - 1)};
}

double TForm1::Now() const { return SecondsFromMilliseconds(clock_.MillisecondsSinceStart()); }

void TForm1::NewGame() { StartNewGame(field, random_, *this); }

void TForm1::NewFieldLaid() {
    mineCountText = QStringLiteral("Celkový počet min: %1").arg(field.minesPlaced);
    Label1->setText(mineCountText);
    Label1->adjustSize();

    // One repaint for the whole layout instead of one per button shown or hidden.
    client_->setUpdatesEnabled(false);
    client_->Clear();
    keyboard_->BeforeLayout();
    for (int row = 1; row <= kMaxSide; ++row) {
        for (int column = 1; column <= kMaxSide; ++column) {
            buttons[row][column]->hide();
            buttons[row][column]->ShowCovered();
        }
    }
    const std::int32_t side = field.Side();
    for (int row = 1; row <= side; ++row) {
        for (int column = 1; column <= side; ++column) {
            QPushButton* button = buttons[row][column];
            button->setGeometry(QRect(FieldTopLeft(row, column), QSize(kFieldPitch, kFieldPitch)));
            button->show();
        }
    }
    client_->setUpdatesEnabled(true);
    keyboard_->AfterLayout();
    // Within a click the result is told once the click is handled.
    if (clickUnderway_)
        newGameDuringClick_ = true;
    else
        SpeakNewGame();
}

QString TForm1::NewGameText() const {
    const std::int32_t side = field.Side();
    const int mines = field.minesPlaced;
    const QString count = mines == 1   ? QStringLiteral("1 mina")
                          : mines <= 4 ? QStringLiteral("%1 miny").arg(mines)
                                       : QStringLiteral("%1 min").arg(mines);
    return QStringLiteral("Nová hra: pole %1 × %1, %2.").arg(side).arg(count);
}

void TForm1::SpeakNewGame() {
    // Also while a closing box still holds the activation: the reader then finds the note on the
    // focused field when the window is active again.
    if (QWidget* focused = focusWidget()) spoken_focus::SpeakWithFocus(*focused, NewGameText());
}

void TForm1::Button1Click() {
    field.ApplyDifficulty();
    NewGame();
    field.startSeconds = WholeSeconds(Now());
}

void TForm1::Timer1Timer() {
    Label2->setText(QString::number(WholeSeconds(Now() - field.startSeconds)));
    Label2->adjustSize();
    if (!TimeLimitReached(field.difficulty, field.fieldSize, Now(), field.startSeconds)) return;
    // Reset first, so ticks while the box is open cannot end the game again.
    field.startSeconds = WholeSeconds(Now());
    ShowMessage(kTimeLimitText);
    NewGame();
    field.startSeconds = WholeSeconds(Now());
}

void TForm1::Lehk1Click() { field.difficulty = kLehka; }
void TForm1::Stedn1Click() { field.difficulty = kStredni; }
void TForm1::k1Click() { field.difficulty = kTezka; }

void TForm1::Ukonit1Click() { QCoreApplication::quit(); }

void TForm1::FieldButtonClick(QPushButton* sender) {
    // Uncovered, or outside the new field, since it was clicked.
    if (sender->isHidden() || static_cast<FieldButton*>(sender)->IsUncovered()) return;
    const std::int32_t column = (sender->x() - kFieldOrigin) / kFieldPitch + 1;
    const std::int32_t row = (sender->y() - kFieldOrigin) / kFieldPitch + 1;
    if (clickUnderway_) {  // a click while the flood fill or a box of another runs: the rules queue it
        uncovering_.ClickField(row, column);
        return;
    }
    clickUnderway_ = true;
    uncoveredInClick_ = 0;
    newGameDuringClick_ = false;
    struct Underway {
        bool& flag;
        ~Underway() { flag = false; }  // also when an error ends the click
    } underway{clickUnderway_};
    uncovering_.ClickField(row, column);
    clickUnderway_ = false;
    keyboard_->ClickHandled();
    SpeakClickResult();
}

void TForm1::SpeakClickResult() {
    if (newGameDuringClick_) {
        SpeakNewGame();
        return;
    }
    QWidget* focused = focusWidget();
    if (focused == nullptr || uncoveredInClick_ == 0) return;
    // The focused field says its own count; a flood fill also says how far it reached.
    spoken_focus::SpeakWithFocus(*focused, uncoveredInClick_ > 1
                                               ? QStringLiteral("Odkrytých polí: %1.").arg(uncoveredInClick_)
                                               : QString());
}

void TForm1::PaintTile(FieldPosition at, const std::string& tileFile, int shownCount) {
    const QImage tile = LoadTile(tileFile, client_->devicePixelRatioF());
    FieldButton* button = buttons[at.row][at.column];
    client_->DrawTile(button->pos(), tile);
    button->ShowUncovered(shownCount);
}

void TForm1::FieldUncovered(FieldPosition at, std::int32_t minesAround) {
    PaintTile(at, "zarn" + std::to_string(minesAround) + ".bmp", minesAround);
}

void TForm1::ClickUncovered(const std::vector<FieldPosition>& opened) {
    uncoveredInClick_ += static_cast<int>(opened.size());
}

void TForm1::GameLost(FieldPosition mine) {
    try {
        PaintTile(mine, "mina.bmp", FieldButton::kMineShown);
    } catch (...) {
        // The player still learns of the loss before the error shows.
        ShowMessage(kLostText);
        throw;
    }
    ShowMessage(kLostText);
}

void TForm1::GameWon() { ShowMessage(kWonText); }

void TForm1::LetPendingEventsRun() { QCoreApplication::processEvents(); }

void TForm1::ShowMessage(const char* text) { boxes_.Inform(QString::fromUtf8(text)); }

}  // namespace zarn
