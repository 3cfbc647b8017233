// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on Qt's offscreen platform: one "SortNum" click on 1,000 items
// until the list shows the rows, process start to window shown, and how
// quickly the explorer answers while it measures.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>

#include "app/frm_demo.h"
#include "explorer/window/cost_window.h"
#include "cost/inputs.h"
#include "cost/plan.h"
#include "summary_reporter.h"

extern char** environ;

namespace sentinel::bench {
namespace {

void SortNumClick(benchmark::State& state)
{
    FrmDemo window([](const RuntimeError& error) { std::fprintf(stderr, "error: %s\n", error.what()); });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    auto* button = window.findChild<QPushButton*>("CmdSortNum");
    auto* list = window.findChild<QListWidget*>("List2");
    const CollectionRef numbers = std::make_shared<Collection>(MakeInput(InputKind::Numbers, Shape::Random, 1000, 3).entries);
    for (auto _ : state) {
        window.Form().colItems = numbers;
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();  // lay out and paint the new rows
        if (list->count() != 1000)
            state.SkipWithError("List2 does not show 1000 rows");
    }
}

void StartToShown(benchmark::State& state)
{
    const QByteArray probe = (QCoreApplication::applicationDirPath() + "/window_startup_probe").toLocal8Bit();
    char* const arguments[] = {const_cast<char*>(probe.constData()), nullptr};
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, probe.constData(), nullptr, nullptr, arguments, environ) != 0
            || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe did not show the window");
        }
    }
}

// The explorer while it measures: how long an event posted to its window
// waits before it is handled, the worst of those posted every 10 ms over
// one second of a sweep of every routine on large sizes.
void ExplorerPostedEventDelay(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        CostWindow window([](const QString& problem) { std::fprintf(stderr, "%s\n", qPrintable(problem)); },
                          [](const QString&) { return true; });
        window.show();
        for (QListWidget* list : window.findChildren<QListWidget*>())
            for (int row = 0; row < list->count(); ++row)
                list->item(row)->setCheckState(Qt::Checked);
        for (QSpinBox* box : window.findChildren<QSpinBox*>())
            if (box->accessibleName() == "Smallest size")
                box->setValue(100);
        window.StartSweep();
        double worst = 0;
        const Clock::time_point end = Clock::now() + std::chrono::seconds(1);
        while (Clock::now() < end) {
            const Clock::time_point posted = Clock::now();
            bool handled = false;
            QMetaObject::invokeMethod(&window, [&] {
                worst = std::max(worst, std::chrono::duration<double>(Clock::now() - posted).count());
                handled = true;
            }, Qt::QueuedConnection);
            while (!handled)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            QTest::qWait(10);
        }
        window.CancelSweep();
        if (!QTest::qWaitFor([&] { return !window.Running(); }, 60000))
            state.SkipWithError("the sweep did not stop");
        state.SetIterationTime(worst);
    }
}

// A long plan, 2,400 measurements of small sizes that arrive at full speed
// through the window's own path, with the Results tab shown: the longest
// time the event loop is blocked while 1,200 rows arrive (a 1 ms timer's
// longest gap), how long Cancel takes to end the run, and how long closing
// the window takes in the middle of one.
struct LongRun {
    double blocked = 0;
    double cancel = 0;
    double quit = 0;
    bool waited = true;  // each wait ended as it should, not by its time limit
};

SweepPlan LongPlan()
{
    SweepPlan plan = DefaultPlan();
    plan.routines = {Routine::Numbers, Routine::NumbersUnique};
    plan.sizes = {250, 500, 1000, 2000};
    plan.repeat = 100;
    return plan;
}

LongRun MeasureLongRun()
{
    using Clock = std::chrono::steady_clock;
    const auto seconds = [](Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); };
    const auto open = [] {
        auto window = std::make_unique<CostWindow>([](const QString& problem) { std::fprintf(stderr, "%s\n", qPrintable(problem)); },
                                                   [](const QString&) { return true; });
        window->ShowPlan(LongPlan());
        window->ShowPage(PageId::Results);
        window->show();
        window->StartSweep();
        return window;
    };
    const auto rows = [](const CostWindow& window) { return window.Store().Shown() ? window.Store().Shown()->Rows().size() : 0; };
    LongRun run;
    auto window = open();
    Clock::time_point last = Clock::now();
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        run.blocked = std::max(run.blocked, seconds(last));
        last = Clock::now();
    });
    tick.start();
    run.waited = QTest::qWaitFor([&] { return rows(*window) >= 1200; }, 120000);
    tick.stop();
    const Clock::time_point cancelled = Clock::now();
    window->CancelSweep();
    run.waited = QTest::qWaitFor([&] { return !window->Running(); }, 60000) && run.waited;
    run.cancel = seconds(cancelled);
    window.reset();

    window = open();
    run.waited = QTest::qWaitFor([&] { return rows(*window) >= 100; }, 60000) && run.waited;
    const Clock::time_point closed = Clock::now();
    window->close();
    window.reset();  // the worker is stopped and waited for
    run.quit = seconds(closed);
    return run;
}

void ExplorerLongRun(benchmark::State& state)
{
    LongRun worst;
    for (auto _ : state) {
        const LongRun run = MeasureLongRun();
        if (!run.waited)
            state.SkipWithError("the run did not reach its rows, or did not stop");
        worst = {std::max(worst.blocked, run.blocked), std::max(worst.cancel, run.cancel), std::max(worst.quit, run.quit),
                 true};
        state.SetIterationTime(run.blocked);
    }
    state.counters["blocked_ms"] = worst.blocked * 1e3;
    state.counters["cancel_ms"] = worst.cancel * 1e3;
    state.counters["quit_ms"] = worst.quit * 1e3;
    std::printf("2,400 measurements, worst of %lld runs: event loop blocked at most %.1f ms (budget 50), cancel %.0f ms "
                "(budget 1,000), quit %.0f ms (budget 2,000)\n",
                static_cast<long long>(state.iterations()), worst.blocked * 1e3, worst.cancel * 1e3, worst.quit * 1e3);
}

}  // namespace
}  // namespace sentinel::bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    using namespace sentinel::bench;
    benchmark::RegisterBenchmark("window/SortNum click, 1000 rows", SortNumClick)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("window/process start to shown", StartToShown)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(20);
    benchmark::RegisterBenchmark("explorer/worst posted event delay while measuring", ExplorerPostedEventDelay)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(3);
    benchmark::RegisterBenchmark("explorer/2,400 measurements: longest block, cancel, quit", ExplorerLongRun)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(3);
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n| window, offscreen | time (ms) |\n|---|---:|\n");
    for (const char* name : {"window/SortNum click, 1000 rows", "window/process start to shown/iterations:20",
                             "explorer/worst posted event delay while measuring/iterations:3",
                             "explorer/2,400 measurements: longest block, cancel, quit/iterations:3"})
        std::printf("| %s | %.1f |\n", name, reporter.Micros(name) / 1000.0);
    benchmark::Shutdown();
    return 0;
}
