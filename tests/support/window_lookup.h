// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menu items and number fields, found as a user finds them.
#pragma once

#include <QAction>
#include <QMenuBar>
#include <QSpinBox>

#include <stdexcept>

#include "explorer/window/cost_window.h"

namespace sentinel {

inline QAction& MenuItem(CostWindow& window, const QString& text)
{
    for (QAction* action : window.menuBar()->findChildren<QAction*>())
        if (action->text() == text)
            return *action;
    throw std::runtime_error(text.toStdString());
}

inline QSpinBox& Spin(CostWindow& window, const char* name)
{
    for (QSpinBox* box : window.findChildren<QSpinBox*>())
        if (box->accessibleName() == name)
            return *box;
    throw std::runtime_error(name);
}

}  // namespace sentinel
