// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random walk over the whole window, in process, through the
// controls and keys a user reaches. After every action the views must agree
// with the model. A failure prints the seed and the actions that led to it;
// SENTINEL_WALK_SEED replays a seed, and SENTINEL_WALK_ACTIONS or
// SENTINEL_WALK_SECONDS lengthen the walk.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <chrono>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <random>

#include "explorer/step_through/step_view.h"
#include "explorer/step_through/trace_canvas.h"
#include "explorer/window/cost_window.h"
#include "explorer/window/results_model.h"
#include "explorer/window/settings_panel.h"
#include "model/plan_store.h"

namespace sentinel {
namespace {

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback)
{
    bool read = false;
    const qulonglong value = qEnvironmentVariable(name).toULongLong(&read);
    return read ? value : fallback;
}

class Walk {
public:
    explicit Walk(std::uint64_t seed) : random_(seed), settings_(folder_.filePath("walk.ini"), QSettings::IniFormat)
    {
        std::ofstream(Scratch("words.txt")) << "pear\napple\nfig\npear\n\nkiwi,2\n";
        std::ofstream(Scratch("latin1.txt")) << "ok\nd\xE9j\xE0\n";
        std::ofstream records(Scratch("records.txt"));
        for (int i = 0; i < 60; ++i)
            records << (i * 37) % 61 << ',' << i << ",0\n";
        Open();
    }

    // One action, named in the log; then the views are checked against the model.
    void Step()
    {
        const auto& [name, act] = actions_[Pick(actions_.size())];
        log_.push_back(name);
        if (log_.size() > 40)
            log_.pop_front();
        act(*this);
        QTest::qWait(static_cast<int>(Pick(3)));
        Check();
    }

    void Finish()
    {
        window_->CancelSweep();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window_->Running() && !window_->Reading(); }, 60000))
            << "a cancel ends the run";
        Check();
    }

    std::string Log() const
    {
        std::string text;
        for (const std::string& action : log_)
            text += "  " + action + "\n";
        return text;
    }

private:
    using Action = std::pair<std::string, std::function<void(Walk&)>>;

    std::size_t Pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_); }
    std::string Scratch(const char* name) const { return folder_.filePath(QString::fromUtf8(name)).toStdString(); }

    void Open()
    {
        window_ = std::make_unique<CostWindow>([](const QString&) {},
                                               [this](const QString&) { return Pick(4) == 0; }, &settings_);
        window_->show();
        if (Pick(2) == 0)
            window_->ShowFirstLook();
    }

    template <class Widget>
    Widget* Named(const char* name) const
    {
        for (Widget* widget : window_->findChildren<Widget*>())
            if (widget->accessibleName() == QString::fromUtf8(name))
                return widget;
        return nullptr;
    }

    double Unit() { return std::uniform_real_distribution<double>(0, 1)(random_); }

    template <class Button = QPushButton>
    void Click(const char* name)
    {
        if (auto* button = Named<Button>(name); button && button->isVisible() && button->isEnabled())
            QTest::mouseClick(button, Qt::LeftButton);
    }

    void Choose(const char* name)
    {
        if (auto* box = Named<QComboBox>(name); box && box->isEnabled() && box->count() > 0)
            box->setCurrentIndex(static_cast<int>(Pick(static_cast<std::size_t>(box->count()))));
    }

    void Spin(const char* name, int most)
    {
        if (auto* box = Named<QSpinBox>(name); box && box->isEnabled())
            box->setValue(box->minimum() + static_cast<int>(Pick(static_cast<std::size_t>(std::min(box->maximum(), most) - box->minimum() + 1))));
    }

    void Toggle(const char* name)
    {
        if (auto* list = Named<QListWidget>(name); list && list->isEnabled()) {
            QListWidgetItem* item = list->item(static_cast<int>(Pick(static_cast<std::size_t>(list->count()))));
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        }
    }

    void Key(int key)
    {
        auto& canvas = const_cast<TraceCanvas&>(window_->Stepper().Canvas());
        QTest::keyClick(&canvas, static_cast<Qt::Key>(key));
    }

    void Trigger(const QString& text)
    {
        for (QAction* action : window_->findChildren<QAction*>())
            if (action->text() == text && action->isEnabled())
                action->trigger();
    }

    // Quits and starts again: a plan that could be measured comes back as
    // it was (one that could not falls back, and says so).
    void Restart()
    {
        Finish();
        const bool measurable = window_->Settings().Editor().Problem().empty();
        const SweepPlan before = window_->Settings().Plan();
        window_.reset();  // stores the settings
        Open();
        if (measurable) {
            ASSERT_EQ(StorePlan(window_->Settings().Plan()), StorePlan(before)) << "the plan survives a restart";
        }
    }

    // The views agree with the model.
    void Check() const
    {
        const RunResults* shown = window_->Store().Shown();
        ASSERT_EQ(window_->Results().Run(), shown);
        ASSERT_EQ(window_->Results().rowCount(), shown ? static_cast<int>(shown->Rows().size()) : 0);
        const StepView& view = window_->Stepper();
        const StepSession& session = view.Session();
        for (const auto pane : {StepSession::kLeft, StepSession::kRight}) {
            const auto& run = session.Run(pane);
            ASSERT_LE(session.Shown(pane), run ? run->Events() : 0);
        }
        if (const StepThrough* run = view.Recording()) {
            ASSERT_EQ(view.Canvas().Frame().counts.steps, run->At(view.Shown()).counts.steps);
        }
    }

    QTemporaryDir folder_;
    std::mt19937_64 random_;
    QSettings settings_;
    std::unique_ptr<CostWindow> window_;
    std::deque<std::string> log_;

    const std::vector<Action> actions_ = {
        {"tab", [](Walk& w) { w.window_->findChild<QTabWidget*>()->setCurrentIndex(static_cast<int>(w.Pick(6))); }},
        {"Run", [](Walk& w) { w.Click("Run"); }},
        {"F5", [](Walk& w) { w.Trigger(QStringLiteral("&Run")); }},
        {"Cancel", [](Walk& w) { w.Click("Cancel"); }},
        {"wait for the run", [](Walk& w) {
             static_cast<void>(QTest::qWaitFor([&w] { return !w.window_->Running(); }, 20000));  // or go on
         }},
        {"open words", [](Walk& w) { w.window_->OpenInput(QString::fromStdString(w.Scratch("words.txt"))); }},
        {"open records", [](Walk& w) { w.window_->OpenInput(QString::fromStdString(w.Scratch("records.txt"))); }},
        {"open Latin-1", [](Walk& w) { w.window_->OpenInput(QString::fromStdString(w.Scratch("latin1.txt"))); }},
        {"open a folder", [](Walk& w) { w.window_->OpenInput(w.folder_.path()); }},
        {"input kind", [](Walk& w) { w.Choose("Input kind"); }},
        {"sweep", [](Walk& w) { w.Choose("Sweep"); }},
        {"smallest", [](Walk& w) { w.Spin("Smallest size", 300); }},
        {"largest", [](Walk& w) { w.Spin("Largest size", w.Pick(20) == 0 ? 100000 : 600); }},
        {"repetitions", [](Walk& w) { w.Spin("Repetitions", 3); }},
        {"levels", [](Walk& w) { w.Spin("Levels of sortedness", 6); }},
        {"shape row", [](Walk& w) {
             if (auto* list = w.Named<QListWidget>("Shapes"); list && list->count() > 0)
                 list->setCurrentRow(static_cast<int>(w.Pick(static_cast<std::size_t>(list->count()))));
         }},
        {"parameter", [](Walk& w) {
             for (auto* box : w.window_->findChildren<QDoubleSpinBox*>())
                 if (box->accessibleName() != "Time budget" && box->isEnabled())
                     box->setValue(box->minimum() + (std::min(box->maximum(), 60.0) - box->minimum()) * w.Unit());
         }},
        {"add shape", [](Walk& w) { w.Click<QToolButton>("Add a shape like this one"); }},
        {"remove shape", [](Walk& w) { w.Click<QToolButton>("Remove this shape"); }},
        {"routine", [](Walk& w) { w.Toggle("Routines"); }},
        {"shape", [](Walk& w) { w.Toggle("Shapes"); }},
        {"run shown", [](Walk& w) { w.Choose("Run shown"); }},
        {"run laid over", [](Walk& w) { w.Choose("Run laid over it"); }},
        {"budget", [](Walk& w) {
             if (auto* box = w.Named<QDoubleSpinBox>("Time budget"))
                 box->setValue(0.001 * static_cast<double>(1 + w.Pick(5000)));
         }},
        {"list source", [](Walk& w) { w.Choose("List to step through"); }},
        {"random kind", [](Walk& w) { w.Choose("Kind of random list"); }},
        {"random shape", [](Walk& w) { w.Choose("Shape of random list"); }},
        {"typed list", [](Walk& w) {
             const char* lists[] = {"3\n1\n2", "", "1,2\n\n3", "b\na\nb\na", "9\n8\n7\n6\n5\n4\n3\n2\n1\n0"};
             if (auto* typed = w.window_->findChild<QPlainTextEdit*>())
                 typed->setPlainText(QString::fromUtf8(lists[w.Pick(std::size(lists))]));
         }},
        {"step routine", [](Walk& w) { w.Choose("Routine"); }},
        {"race", [](Walk& w) { w.Choose("Race beside it"); }},
        {"race routine", [](Walk& w) { w.Choose("Routine of the race's right pane"); }},
        {"Load", [](Walk& w) { w.Click("Load"); }},
        {"Predict", [](Walk& w) { w.Click("Predict mode"); }},
        {"Dropped", [](Walk& w) { w.Click("Answer: dropped"); }},
        {"Play", [](Walk& w) { w.Click("Play or pause"); }},
        {"step button", [](Walk& w) { w.Click("Step one test"); }},
        {"key", [](Walk& w) {
             const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return,
                                 Qt::Key_D, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
             w.Key(keys[w.Pick(std::size(keys))]);
         }},
        {"export CSV", [](Walk& w) { w.window_->ExportCsv(QString::fromStdString(w.Scratch("rows.csv"))); }},
        {"export chart", [](Walk& w) { w.window_->ExportChart(QString::fromStdString(w.Scratch("chart.png"))); }},
        {"export steps", [](Walk& w) { w.window_->ExportStepCsv(QString::fromStdString(w.Scratch("steps.csv"))); }},
        {"export GIF", [](Walk& w) {
             w.window_->ExportStepGif(QString::fromStdString(w.Scratch("run.gif")), w.Pick(2) ? FramesPer::Entry : FramesPer::Test);
         }},
        {"export nowhere", [](Walk& w) { w.window_->ExportCsv(QStringLiteral("/proc/rows.csv")); }},
        {"entry back", [](Walk& w) { w.Click("Step back one entry"); }},
        {"Restore Defaults", [](Walk& w) { w.Trigger(QStringLiteral("Restore &Defaults…")); }},
        {"quit and start again", [](Walk& w) { w.Restart(); }},
    };
};

TEST(RandomWalk, TheWindowHoldsWhateverTheUserDoes)
{
    const std::uint64_t seed = FromEnvironment("SENTINEL_WALK_SEED", std::random_device{}());
    const std::uint64_t actions = FromEnvironment("SENTINEL_WALK_ACTIONS", 2000);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(FromEnvironment("SENTINEL_WALK_SECONDS", 0));
    // On standard error, unbuffered: a sanitizer that stops the process still leaves the seed said.
    std::fprintf(stderr, "random walk: seed %llu (SENTINEL_WALK_SEED replays it)\n", static_cast<unsigned long long>(seed));
    Walk walk(seed);
    std::uint64_t done = 0;
    while ((done < actions || std::chrono::steady_clock::now() < until) && !::testing::Test::HasFailure()) {
        walk.Step();
        ++done;
    }
    walk.Finish();
    std::printf("random walk: %llu actions\n", static_cast<unsigned long long>(done));
    EXPECT_FALSE(::testing::Test::HasFailure()) << "seed " << seed << "; the last actions:\n" << walk.Log();
}

}  // namespace
}  // namespace sentinel
