#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

#include "app/control_table.h"
#include "runtime/runtime_error.h"

class QLabel;
class QListWidget;

namespace sentinel {

// The program's one window: builds its controls from the control table, runs
// Form_Load, and wires each button's click to its handler. After every
// handler it shows what the handler changed in the form state.
class FrmDemo : public QWidget {
public:
    // Told of an error that ended a handler, after the window shows the state
    // the handler left behind.
    using ErrorReporter = std::function<void(const RuntimeError&)>;

    explicit FrmDemo(ErrorReporter reportError = ShowErrorAndQuit, QWidget* parent = nullptr);

    const FormState& Form() const noexcept { return form_; }
    FormState& Form() noexcept { return form_; }

    // Shows the error's number and description in a critical message box and,
    // once the user dismisses it, ends the program with a failure status.
    static void ShowErrorAndQuit(const RuntimeError& error);

private:
    struct ShownList {
        QListWidget* widget;
        ListBox FormState::*list;
        std::uint64_t clears;  // the clears the widget has caught up with
    };
    struct ShownLabel {
        QLabel* widget;
        Label FormState::*label;
    };

    QWidget* CreateControl(const ControlRow& row);
    // The one place that catches: no exception leaves a handler into Qt's event loop.
    void Run(Handler handler);
    void ShowForm();

    FormState form_;
    ErrorReporter reportError_;
    std::vector<ShownList> lists_;
    std::vector<ShownLabel> labels_;
};

}  // namespace sentinel
