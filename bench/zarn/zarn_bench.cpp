// SPDX-License-Identifier: GPL-3.0-or-later
// In-process timings: one click that uncovers a whole 20 x 20 field by flood fill, with its event
// processing and tile loads, and laying out a new field at "Těžká".

#include "zarn/application.h"
#include "zarn/client_surface.h"
#include "zarn/form1.h"
#include "zarn/message_boxes.h"
#include "zarn/rules/clock.h"
#include "zarn/rules/random_source.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

class SilentBoxes final : public zarn::MessageBoxes {
public:
    void Inform(const QString&) override {}
    void ReportError(const QString& text) override { qFatal("unexpected error: %s", qPrintable(text)); }
};

struct Program {
    zarn::SteadyClock clock;
    zarn::ClockSeededSource random;
    SilentBoxes boxes;
    std::unique_ptr<zarn::TForm1> form;
};

Program* program = nullptr;

// Counts the client area's repaints, to show that the fill really paints as it goes.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    long paints = 0;
};

void WriteTiles(const QString& folder) {
    const auto write = [&](const QString& name, QColor colour) {
        QImage tile(20, 20, QImage::Format_RGB32);
        tile.fill(colour);
        tile.save(folder + QLatin1Char('/') + name, "BMP");
    };
    write(QStringLiteral("mina.bmp"), Qt::red);
    for (int digit = 0; digit <= 8; ++digit)
        write(QStringLiteral("zarn%1.bmp").arg(digit), QColor(20 * digit, 120, 200));
}

// A 20 x 20 field whose only mine is in the last corner: one click at the other corner uncovers
// all 399 safe fields, wins, and lays the next field.
void BM_ClickUncoveringWholeField(benchmark::State& state) {
    zarn::TForm1& form = *program->form;
    form.k1Click();
    PaintCounter counter;
    form.Client()->installEventFilter(&counter);
    for (auto _ : state) {
        state.PauseTiming();
        form.Button1Click();
        for (int row = 1; row <= 20; ++row)
            for (int column = 1; column <= 20; ++column) form.field.cells[row][column] = zarn::csCovered;
        form.field.cells[20][20] = zarn::csMine;
        QCoreApplication::processEvents();
        state.ResumeTiming();

        counter.paints = 0;
        form.buttons[1][1]->click();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();  // the last repaint
    }
    state.counters["client_repaints"] = static_cast<double>(counter.paints);
}
BENCHMARK(BM_ClickUncoveringWholeField)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_NewGameTezka(benchmark::State& state) {
    zarn::TForm1& form = *program->form;
    form.k1Click();
    form.Button1Click();
    for (auto _ : state) {
        form.NewGame();
        QCoreApplication::processEvents();  // its repaint
    }
}
BENCHMARK(BM_NewGameTezka)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    zarn::ZarnApplication app(argc, argv);
    zarn::PrepareApplication(app);
    QTemporaryDir tiles;
    WriteTiles(tiles.path());
    QDir::setCurrent(tiles.path());

    Program running;
    app.SetMessageBoxes(&running.boxes);
    running.form = std::make_unique<zarn::TForm1>(running.boxes, running.random, running.clock);
    running.form->Timer1->stop();
    running.form->show();
    QCoreApplication::processEvents();
    program = &running;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    program = nullptr;
    return 0;
}
