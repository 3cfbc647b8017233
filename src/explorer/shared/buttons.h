// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE

namespace sentinel {

// Every button of the explorer alike: its caption, the name a screen reader
// says, a tooltip when given, and Return presses it while it has focus.
QPushButton* MakeButton(const QString& caption, const QString& name, const QString& tip = {});

}  // namespace sentinel
