// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

#include "app/control_table.h"
#include "runtime/runtime_error.h"

namespace sentinel {

// The program's one window: builds its controls from the control table, runs
// Form_Load, and wires each button's click to its handler. Every list and
// label follows the form state as it changes, so what the screen shows is
// always what the form holds, also while an error is being reported.
class FrmDemo : public QWidget {
public:
    // Told of an error that ended a handler.
    using ErrorReporter = std::function<void(const RuntimeError&)>;

    explicit FrmDemo(ErrorReporter reportError = ShowErrorAndQuit, QWidget* parent = nullptr);

    const FormState& Form() const noexcept { return form_; }
    FormState& Form() noexcept { return form_; }

    // Shows the error's number and description in a critical message box and,
    // once the user dismisses it, ends the program with a failure status.
    static void ShowErrorAndQuit(const RuntimeError& error);

    // The point size the form takes when the system font is `system`: its own
    // size, stepped down only as far as the widest caption needs to fit its
    // button, and never below 7 points.
    static qreal CaptionPointSize(const QFont& system, const QWidget& window);

private:
    QWidget* CreateControl(const ControlRow& row);
    // The one place that catches: no exception leaves a handler into Qt's event loop.
    void Dispatch(Handler handler);

    FormState form_;
    ErrorReporter reportError_;
};

}  // namespace sentinel
