// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <span>

#include "explorer/shared/pages.h"

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace sentinel {

// The explorer's help, as data: the keys of each tab, a short guide to each
// tab, and what the About box says. The README's key table is this list.
struct HelpKey {
    const char* where;  // "Everywhere", "Results", ...
    const char* keys;
    const char* does;
};
std::span<const HelpKey> HelpKeys();

// The guide to each tab, in the tabs' order, as rich text with an anchor
// per page, named by its key (see pages.h).
QString HelpGuide();
QString AboutText();
// Five predictions a learner can check in the explorer, each with its
// answer from the law of the cost.
QString HelpExercises();

// Shows the keys, or the guide scrolled to a tab's part, in a window of its own.
void ShowKeys(QWidget* parent);
void ShowGuide(QWidget* parent, PageId page);
void ShowExercises(QWidget* parent);

}  // namespace sentinel
