// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of what a user waits for: loading a theme, repainting the board, a move.

#include "common/czech_rows.h"
#include "karvelo/drawing.h"
#include "karvelo/form1.h"
#include "karvelo/message_boxes.h"
#include "karvelo/theme_images.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

class SilentBoxes final : public karvelo::MessageBoxes {
public:
    void Inform(const QString&, const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return true; }
    void ReportError(const QString&) override {}
};

// The 31 required 1x files, as at start-up and at every match start.
void BM_LoadThemeImages(benchmark::State& state) {
    karvelo::ThemeImages images;
    karvelo::Settings settings;
    for (auto _ : state) karvelo::FillThemeImages(images, settings);
}
BENCHMARK(BM_LoadThemeImages)->Unit(benchmark::kMillisecond);

// The pictures loaded and a match screen painted at device pixel ratio 1 or 2: at 2 the twins of
// what is drawn are read then.
void BM_LoadAndPaintMatchScreen(benchmark::State& state) {
    const qreal ratio = qreal(state.range(0));
    karvelo::ThemeImages images;
    karvelo::Settings settings;
    karvelo::MatchState match;
    karvelo::ResetBoard(match);
    QImage board(int(480 * ratio), int(480 * ratio), QImage::Format_RGB32);
    board.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        karvelo::FillThemeImages(images, settings);
        karvelo::DrawBoardFrame(board, images);
        karvelo::DrawFields(board, match.board, images, false, 20, 20);
    }
}
BENCHMARK(BM_LoadAndPaintMatchScreen)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_RepaintFullBoardWithValues(benchmark::State& state) {
    SilentBoxes boxes;
    karvelo::SeededRandom random(1);
    karvelo::TForm1 form(boxes, random);
    karvelo::MatchState& m = form.matchState;
    m.playerOnMove = 1;
    karvelo::ResetBoard(m);
    for (int x = 1; x <= karvelo::boardSize; ++x)
        for (int y = 1; y <= karvelo::boardSize; ++y) m.board[x][y] = {(x + y) % 3, x * y % 60, (x * y) % 9};
    m.showFieldValues = 1;
    for (auto _ : state) {
        form.RepaintMatchScreen();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RepaintFullBoardWithValues)->Unit(benchmark::kMillisecond);

// The first match screen of a run, on the screen the run starts with (QT_SCALE_FACTOR): the board's
// surface is made then, from the title picture shown until that moment.
void BM_FirstMatchScreen(benchmark::State& state) {
    SilentBoxes boxes;
    karvelo::SeededRandom random(1);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<karvelo::TForm1>(boxes, random);
        form->show();
        QCoreApplication::processEvents();
        karvelo::ResetBoard(form->matchState);
        form->matchState.playerOnMove = 1;
        state.ResumeTiming();
        form->MatchStarting();
        form->MatchStarted();
        QCoreApplication::processEvents();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstMatchScreen)->Unit(benchmark::kMillisecond);

// "Hrát": the set-up page opens, reloading the theme.
void BM_OpenMatchSetupPage(benchmark::State& state) {
    SilentBoxes boxes;
    karvelo::SeededRandom random(1);
    karvelo::TForm1 form(boxes, random);
    form.show();
    for (auto _ : state) {
        form.Hrat1Click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenMatchSetupPage)->Unit(benchmark::kMillisecond);

// The window starts in the data folder (theme images, shipped roster); its saves then go to a
// copy of the roster in a temporary folder, so the shipped file stays untouched.
class EditorWindow {
public:
    EditorWindow() : random_(1) {
        QDir::setCurrent(QStringLiteral(KARVELO_DATA_DIR));
        form = std::make_unique<karvelo::TForm1>(boxes_, random_);
        QFile::copy(QStringLiteral("data.dat"), folder_.filePath(QStringLiteral("data.dat")));
        QDir::setCurrent(folder_.path());
        form->show();
        form->Edithracu1Click();
    }
    ~EditorWindow() {
        form.reset();
        QDir::setCurrent(QStringLiteral(KARVELO_DATA_DIR));
    }
    std::unique_ptr<karvelo::TForm1> form;

private:
    SilentBoxes boxes_;
    karvelo::SeededRandom random_;
    QTemporaryDir folder_;
};

void BM_OpenPlayerEditor(benchmark::State& state) {
    EditorWindow window;
    for (auto _ : state) {
        window.form->Edithracu1Click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenPlayerEditor)->Unit(benchmark::kMillisecond);

// "Seřadit hráče podle typu": sort, store, read back, rebuild.
void BM_SortByTypeAndStore(benchmark::State& state) {
    EditorWindow window;
    for (auto _ : state) {
        window.form->B7Click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SortByTypeAndStore)->Unit(benchmark::kMillisecond);

// "Přejmenovat" on a selected player: rename, store, read back, rebuild, select again.
void BM_RenameAndStore(benchmark::State& state) {
    EditorWindow window;
    karvelo::TForm1& form = *window.form;
    form.LB0->setCurrentRow(1);
    bool flip = false;
    for (auto _ : state) {
        form.E1->setText((flip = !flip) ? QStringLiteral("Žofie") : QStringLiteral("Čeněk"));
        form.B1Click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RenameAndStore)->Unit(benchmark::kMillisecond);

// The one-off measure of the Czech letters' ink that a list or drop-down makes for its font.
void BM_MeasureCzechLetters(benchmark::State& state) {
    const qreal ratio = state.range(0);
    for (auto _ : state) benchmark::DoNotOptimize(czech_rows::Ink(QApplication::font(), ratio));
}
BENCHMARK(BM_MeasureCzechLetters)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A contestant's drop-down opened and closed, its rows laid out and painted.
void BM_OpenPlayerDropDown(benchmark::State& state) {
    SilentBoxes boxes;
    karvelo::SeededRandom random(1);
    karvelo::TForm1 form(boxes, random);
    form.show();
    form.Hrat1Click();
    for (auto _ : state) {
        form.CB[1]->showPopup();
        QCoreApplication::processEvents();
        form.CB[1]->hidePopup();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenPlayerDropDown)->Unit(benchmark::kMillisecond);

// Starts a match of two humans on a shown window; the board then has the keyboard.
void StartHumanMatch(karvelo::TForm1& form) {
    form.show();
    form.Hrat1Click();
    form.B[0]->click();
    QCoreApplication::processEvents();
}

// An arrow key on the board: the cursor moves and the two fields are drawn again.
void BM_BoardCursorKey(benchmark::State& state) {
    SilentBoxes boxes;
    karvelo::SeededRandom random(1);
    karvelo::TForm1 form(boxes, random);
    StartHumanMatch(form);
    bool right = true;
    for (auto _ : state) {
        QTest::keyClick(form.boardImage, right ? Qt::Key_Right : Qt::Key_Left);
        right = !right;
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_BoardCursorKey)->Unit(benchmark::kMicrosecond);

// A screen reader reading the whole board: every cell's name, 400 of them.
void BM_ReadAllBoardCells(benchmark::State& state) {
    SilentBoxes boxes;
    karvelo::SeededRandom random(1);
    karvelo::TForm1 form(boxes, random);
    StartHumanMatch(form);
    form.matchState.showFieldValues = 1;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(form.boardImage);
    for (auto _ : state) {
        qsizetype characters = 0;
        for (int i = 0; i < board->childCount(); ++i)
            characters += board->child(i)->text(QAccessible::Name).size();
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(BM_ReadAllBoardCells)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The data folder holds a copy of the roster; the benchmarks never save it.
    QDir::setCurrent(QStringLiteral(KARVELO_DATA_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
