// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/form1.h"

#include "common/czech_rows.h"
#include "common/picture_file.h"
#include "common/spoken_focus.h"
#include "karvelo/application.h"
#include "karvelo/board_accessibility.h"
#include "karvelo/board_keyboard.h"
#include "karvelo/drawing.h"
#include "karvelo/message_boxes.h"
#include "karvelo/roster/name_text.h"
#include "karvelo/roster/player_editor_speech.h"
#include "karvelo/tab_order.h"
#include "karvelo/title_picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace karvelo {

TForm1::TForm1(MessageBoxes& boxes, RandomSource& random)
    : boxes_(boxes), random_(random), rosterFile_("data.dat"),
      engine_(matchState, roster, rosterFile_, random_, computer_, *this),
      editor_(*this, {L, LB0, E0, E1, CB, B}, roster, rosterFile_) {
    BuildWindow();
    LoadRosterAtStartup();  // the generator is seeded by whoever hands it in
    ApplyTheme(0);          // the images exist empty, the settings hold their start values
    FillThemeImages(images, settings);
    // Keyboard play and the screen reader's view of the board, in place before a reader can ask
    // about the pictures; a key press plays the field under the cursor.
    InstallBoardAccessibility();
    boardImage = new PictureControl(480, 480, devicePixelRatioF());
    boardKeys_ = new BoardKeyboard(*boardImage, matchState, Guarded([this](int column, int row) {
        if (!BoxOpen()) engine_.HumanMove(column, row);
    }));
    boardReader_ = new BoardAccessibility(*boardImage, matchState, roster, *boardKeys_);
    lastMove_ = std::make_unique<LastMoveMark>(*boardImage, matchState);
    // The last move's mark under the keyboard cursor, both over the picture.
    boardImage->paintOverlay = [this](QPainter& painter) {
        lastMove_->Paint(painter);
        boardKeys_->Paint(painter);
    };
    turnImage = new PictureControl(20, 20, devicePixelRatioF());
    boardImage->setObjectName(QStringLiteral("boardImage"));
    turnImage->setObjectName(QStringLiteral("turnImage"));
    turnImage->setAccessibleName(QStringLiteral("Symbol hráče na tahu"));
    matchState.cellWidth = picture_file::LogicalSize(images.fieldBitmaps[0]).width();
    matchState.cellHeight = picture_file::LogicalSize(images.fieldBitmaps[0]).height();
    // The title picture is painted over by the first match; until then it needs no surface.
    boardImage->SetFirstPicture([this](QPainter& painter) { PaintTitlePicture(painter, images); });
    Place(boardImage, 0, 0);
    CreateRuntimeControls();
    boardImage->onMouseDown = Guarded([this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                             int y) { BoardMouseDown(button, shift, x, y); });
}

TForm1::~TForm1() {
    // Controls that never got a place on the window have no parent to free them.
    for (QWidget* control : RuntimeControls())
        if (!control->parent()) delete control;
    if (turnImage && !turnImage->parent()) delete turnImage;
    if (boardImage && !boardImage->parent()) delete boardImage;
}

void TForm1::BuildWindow() {
    setWindowTitle(QStringLiteral("Karvelo"));
    setWindowIcon(QIcon(QStringLiteral(":/karvelo.png")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(480, 480);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    BuildMenu();
    setFixedSize(480, 480 + menuBar()->sizeHint().height());
    move(0, 0);
}

void TForm1::LoadRosterAtStartup() {
    const RosterLoadReport report = rosterFile_.LoadRoster(roster);
    switch (report.status) {
    case RosterLoadReport::Status::Ok:
        break;
    case RosterLoadReport::Status::Missing:
        if (const std::string failure = StoreDefaultRoster(roster, rosterFile_); !failure.empty())
            Warn(failure);
        break;
    case RosterLoadReport::Status::Unreadable:
        Warn("Seznam hráčů (data.dat) nelze přečíst: " + report.detail +
             "\nProgram začíná s prázdným seznamem. Soubor zůstane beze změny, dokud seznam nezměníte.");
        break;
    case RosterLoadReport::Status::Damaged:
        Warn("Seznam hráčů (data.dat) je poškozený: " + report.detail +
             "\nNačteni byli hráči před poškozeným místem. Původní obsah souboru se před prvním uložením "
             "zachová jako data.dat.bak.");
        break;
    case RosterLoadReport::Status::Surplus:
        Warn("Seznam hráčů (data.dat) obsahuje víc než deset hráčů. Načteno bylo prvních deset, " +
             report.detail + ".\nPůvodní obsah souboru se před prvním uložením zachová jako data.dat.bak.");
        break;
    }
}

void TForm1::CreateRuntimeControls() {
    for (int i = 0; i < 24; ++i) {
        L[i] = new QLabel;
        L[i]->setObjectName(QStringLiteral("L%1").arg(i));
    }
    // The panel labels stand on the light panel strip of every theme, not on the window colour.
    for (int i = 11; i <= 15; ++i) {
        QPalette palette = L[i]->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        L[i]->setPalette(palette);
    }
    LB0 = new QListWidget;
    RB0 = new QRadioButton;
    RB1 = new QRadioButton;
    CHB0 = new QCheckBox;
    CHB1 = new QCheckBox;
    CHB1->setChecked(true);
    E0 = new QLineEdit;
    E1 = new QLineEdit;
    for (int i = 0; i < 6; ++i) CB[i] = new QComboBox;
    czech_rows::Fit(*LB0);
    for (QComboBox* combo : CB) czech_rows::Fit(*combo);
    for (int i = 0; i < 8; ++i) B[i] = new QPushButton;
    LB0->setObjectName(QStringLiteral("LB0"));
    RB0->setObjectName(QStringLiteral("RB0"));
    RB1->setObjectName(QStringLiteral("RB1"));
    CHB0->setObjectName(QStringLiteral("CHB0"));
    CHB1->setObjectName(QStringLiteral("CHB1"));
    E0->setObjectName(QStringLiteral("E0"));
    E1->setObjectName(QStringLiteral("E1"));
    for (int i = 0; i < 6; ++i) CB[i]->setObjectName(QStringLiteral("CB%1").arg(i));
    for (int i = 0; i < 8; ++i) B[i]->setObjectName(QStringLiteral("B%1").arg(i));
    // Names a screen reader speaks with the controls that have no caption of their own.
    CB[0]->setAccessibleName(QStringLiteral("Prostředí"));
    CB[1]->setAccessibleName(QStringLiteral("První hráč"));
    CB[2]->setAccessibleName(QStringLiteral("Druhý hráč"));
    CB[3]->setAccessibleName(QStringLiteral("Znak prvního hráče"));
    CB[4]->setAccessibleName(QStringLiteral("Znak druhého hráče"));
    RB0->setAccessibleName(QStringLiteral("Začíná první hráč"));
    RB1->setAccessibleName(QStringLiteral("Začíná druhý hráč"));
    CHB0->setAccessibleName(QStringLiteral("Zobrazovat hodnoty polí"));
    CHB1->setAccessibleName(QStringLiteral("Označit poslední tah"));
    LB0->setAccessibleName(QStringLiteral("Seznam hráčů"));
    E0->setAccessibleName(QStringLiteral("Jméno nového hráče"));
    CB[5]->setAccessibleName(QStringLiteral("Typ nového hráče"));
    E1->setAccessibleName(QStringLiteral("Jméno vybraného hráče"));
    L[11]->setAccessibleName(QStringLiteral("na tahu"));  // the "<" beside the name of the contestant on move
    // On Linux Qt gives a combo box its current choice as the name; there the purpose is spoken as
    // the description. A combo box gets no label: a screen reader speaks a label instead of the
    // name, and so would not speak the choice.
    for (QComboBox* combo : CB) combo->setAccessibleDescription(combo->accessibleName());
    SpeakEntryOnEntering(*LB0);
    L[2]->setBuddy(LB0);
    L[3]->setBuddy(E0);
    L[4]->setBuddy(CHB0);
    L[1]->setBuddy(CHB1);

    void (TForm1::*const buttonClicks[8])() = {&TForm1::B0Click, &TForm1::B1Click, &TForm1::B2Click,
                                               &TForm1::B3Click, &TForm1::B4Click, &TForm1::B5Click,
                                               &TForm1::B6Click, &TForm1::B7Click};
    for (int i = 0; i < 8; ++i)
        connect(B[i], &QPushButton::clicked, this,
                Guarded([this, click = buttonClicks[i]] { (this->*click)(); }));
    connect(LB0, &QListWidget::clicked, this, Guarded([this] { LB0Click(); }));
    // The arrow keys and a click below the entries change the highlight without a click on an item.
    connect(LB0, &QListWidget::itemSelectionChanged, this, Guarded([this] { LB0Click(); }));
    void (TForm1::*const comboChanges[5])() = {&TForm1::CB0Change, &TForm1::CB1Change, &TForm1::CB2Change,
                                               &TForm1::CB3Change, &TForm1::CB4Change};
    for (int i = 0; i < 5; ++i)
        connect(CB[i], &QComboBox::activated, this,
                Guarded([this, change = comboChanges[i]] { (this->*change)(); }));
    // A screen reader does not speak a closed combo box's new choice by itself; it is spoken anew,
    // once the change (and the description it brings) is complete.
    for (QComboBox* combo : CB)
        connect(combo, &QComboBox::currentIndexChanged, this, [combo] {
            QTimer::singleShot(0, combo, [combo] {
                if (combo->hasFocus()) spoken_focus::SpeakWithFocus(*combo, QString());
            });
        });
}

QList<QWidget*> TForm1::RuntimeControls() const {
    QList<QWidget*> all;
    for (QLabel* label : L) all << label;
    all << LB0 << RB0 << RB1 << CHB0 << CHB1 << E0 << E1;
    for (QComboBox* combo : CB) all << combo;
    for (QPushButton* button : B) all << button;
    all.removeAll(nullptr);
    return all;
}

void TForm1::HideAllControls() {
    ++pageCount_;
    for (QWidget* control : RuntimeControls()) control->hide();
    boardImage->hide();
    turnImage->hide();
}

void TForm1::FocusPageStart() {
    // Once the menu that opened the page has closed and handed the focus back, and only if the
    // page is still the one shown.
    QTimer::singleShot(0, this, [this, page = pageCount_] {
        if (page != pageCount_) return;
        QWidget* first = FirstControlByLayout(*client);
        if (first == nullptr || !first->isVisible()) return;
        if (first->hasFocus())
            spoken_focus::SpeakWithFocus(*first, QString());  // a reader hears the page's start again
        else
            first->setFocus(Qt::OtherFocusReason);
    });
}

void TForm1::AttachToClient(QWidget* control) {
    // Reparenting hides a widget, so only a control that is not on the window yet gets it.
    if (control->parentWidget() != client) control->setParent(client);
}

void TForm1::Place(QWidget* control, int left, int top, int width, int height) {
    AttachToClient(control);
    QSize size = control->sizeHint();
    if (width >= 0) size.setWidth(width);
    if (height >= 0) size.setHeight(height);
    control->setGeometry(left, top, size.width(), size.height());
    control->raise();
    control->show();
    if (control->focusPolicy() != Qt::NoFocus) ArrangeTabOrderByLayout(*client);
}

void TForm1::PlaceLabel(int slot, int left, int top, const QString& caption) {
    L[slot]->setText(caption);
    Place(L[slot], left, top);
}

void TForm1::ApplyTheme(int index) {
    if (index < 0 || index >= themeCount) return;
    settings.themeIndex = index;
    settings.themePath = themePaths[index];
    const Rgb& c = themeColours[index];
    QPalette palette = client->palette();
    const QColor colour(c.red, c.green, c.blue);
    palette.setColor(QPalette::Window, colour);
    // Captions stay legible on the dark theme colours.
    palette.setColor(QPalette::WindowText, colour.lightness() < 110 ? Qt::white : Qt::black);
    client->setPalette(palette);
}

void TForm1::LoadThemeImages() { FillThemeImages(images, settings); }

void TForm1::PaintBoardFrame() {
    // A match start paints both surfaces completely: the moment to follow a move to another screen.
    boardImage->SetDeviceRatio(devicePixelRatioF());
    turnImage->SetDeviceRatio(devicePixelRatioF());
    DrawBoardFrame(boardImage->surface(), images);
    AttachToClient(boardImage);
    boardImage->Refresh();
    boardKeys_->MatchStarted();
    boardReader_->MatchStarted();
    lastMove_->MatchStarted();
}

void TForm1::RepaintMatchScreen() {
    const MatchState& m = matchState;
    DrawFields(boardImage->surface(), m.board, images, m.showFieldValues == 1, m.cellWidth, m.cellHeight);
    DrawTurnIcon(turnImage->surface(), images, m.playerOnMove);
    AttachToClient(boardImage);
    AttachToClient(turnImage);
    boardImage->setGeometry(0, 0, 480, 480);
    turnImage->setGeometry(325, 10, 20, 20);
    const PlayerRecord& first = roster.roster[m.contestantIndex1];
    const PlayerRecord& second = roster.roster[m.contestantIndex2];
    PlaceLabel(11, 197, 7 + 13 * (m.playerOnMove - 1), QStringLiteral("<"));
    PlaceLabel(12, 130, 7, NameText(first.name));
    PlaceLabel(13, 130, 20, NameText(second.name));
    PlaceLabel(14, 175, 7, QString::number(first.score));
    PlaceLabel(15, 175, 20, QString::number(second.score));
    boardImage->show();
    turnImage->show();
    boardImage->lower();
    boardImage->Refresh();
    turnImage->Refresh();
    boardKeys_->BoardShown();
    boardReader_->BoardRepainted();
}

void TForm1::RepaintField(int column, int row) {
    const MatchState& m = matchState;
    DrawField(boardImage->surface(), m.board, images, m.showFieldValues == 1, m.cellWidth, m.cellHeight,
              column, row);
    boardImage->update(column * m.cellWidth + m.cellWidth, row * m.cellHeight + m.cellHeight, m.cellWidth,
                       m.cellHeight);
}

void TForm1::PlaceTurnMarks() {
    DrawTurnIcon(turnImage->surface(), images, matchState.playerOnMove);
    turnImage->Refresh();
    PlaceLabel(11, 197, 7 + 13 * (matchState.playerOnMove - 1), QStringLiteral("<"));
}

void TForm1::MatchStarting() {
    HideAllControls();
    PaintBoardFrame();
}

void TForm1::MatchStarted() {
    RepaintMatchScreen();
    boardReader_->NewMatchShown();
}

void TForm1::StonePlaced(int column, int row, int contestant) {
    RepaintField(column, row);
    lastMove_->StonePlaced(column, row);
    boardReader_->StonePlaced(column, row, contestant);
}

void TForm1::FieldValuesChanged() {
    // Every value may have changed; without the marks the picture shows none of them.
    if (matchState.showFieldValues == 1) {
        const MatchState& m = matchState;
        DrawFields(boardImage->surface(), m.board, images, true, m.cellWidth, m.cellHeight);
        boardImage->Refresh();
    }
    boardReader_->ValuesChanged();
}

void TForm1::FiveMarked(const std::vector<FieldPosition>& fields) {
    std::vector<BoardAccessibility::CellPosition> cells;
    for (const FieldPosition& f : fields) {
        RepaintField(f.column, f.row);
        cells.push_back({f.column, f.row});
    }
    lastMove_->Refresh();
    boardReader_->FiveMarked(cells);
}

void TForm1::TurnPassed() { PlaceTurnMarks(); }

void TForm1::MatchEnded(int) { lastMove_->Refresh(); }

void TForm1::LetPendingEventsRun() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

namespace {
// Counts the open boxes around one box, also when it throws.
template <class ShowBox> auto WhileBoxOpen(int& boxesOpen, ShowBox show) {
    ++boxesOpen;
    struct Closed {
        int& n;
        ~Closed() { --n; }
    } closed{boxesOpen};
    return show();
}
}  // namespace

void TForm1::Inform(const QString& caption, const QString& text) {
    WhileBoxOpen(boxesOpen_, [&] { boxes_.Inform(caption, text); });
}

bool TForm1::AskYesNo(const std::string& caption, const std::string& text) {
    // The move that ended the match is heard with the box that follows it.
    if (const QString moves = boardReader_->TakeMovesToSpeak(); !moves.isEmpty())
        boxes_.DescribeNextBox(moves);
    return WhileBoxOpen(boxesOpen_, [&] {
        return boxes_.AskYesNo(QString::fromStdString(caption), QString::fromStdString(text));
    });
}

void TForm1::Warn(const std::string& text) { Inform(QStringLiteral("Pozor!"), QString::fromStdString(text)); }

bool TForm1::GuardPasses() {
    if (!MustFinishMatch(matchState)) return true;
    Warn("Musíte nejdřív dohrát hru");
    return false;
}

void TForm1::BoardMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    if (BoxOpen()) return;
    if (matchState.matchRunning == 0) {
        ApplyTheme(ThemeAtTitlePoint(x, y));
        Hrat1Click();
        return;
    }
    // Strictly inside the frame; the field by the empty field's size in logical pixels, as the
    // press is (on a dense screen the picture drawn is its twin, twice the pixels for one field).
    if (!(x > 40 && x < 440 && y > 40 && y < 440)) return;
    const QSize field = picture_file::LogicalSize(images.fieldBitmaps[0]);
    if (field.isEmpty()) return;
    // Pictures of another size than 20 x 20 can give a field outside the board; the match
    // ignores it.
    engine_.HumanMove((x - 20) / field.width(), (y - 20) / field.height());
}

// The player editor page's controls.
void TForm1::LB0Click() { editor_.ListClicked(); }
void TForm1::B1Click() { editor_.Rename(); }
void TForm1::B2Click() { editor_.Create(); }
void TForm1::B3Click() { editor_.Delete(); }
void TForm1::B4Click() { editor_.MoveUp(); }
void TForm1::B5Click() { editor_.MoveDown(); }
void TForm1::B6Click() { editor_.SortByScore(); }
void TForm1::B7Click() { editor_.SortByType(); }

}  // namespace karvelo
