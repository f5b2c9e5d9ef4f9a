// Timings of what a user waits for: loading a theme, repainting the board, a move.

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

void BM_LoadThemeImages(benchmark::State& state) {
    karvelo::ThemeImages images;
    karvelo::Settings settings;
    for (auto _ : state) karvelo::LoadThemeImages(images, settings);
}
BENCHMARK(BM_LoadThemeImages)->Unit(benchmark::kMillisecond);

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

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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
