// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <span>

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
// per tab ("time", "steps", "ratio", "order", "results", "step-through").
QString HelpGuide();
const char* HelpAnchor(int tab);
QString AboutText();
// Five predictions a learner can check in the explorer, each with its
// answer from the law of the cost.
QString HelpExercises();

// Shows the keys, or the guide scrolled to a tab's part, in a window of its own.
void ShowKeys(QWidget* parent);
void ShowGuide(QWidget* parent, int tab);
void ShowExercises(QWidget* parent);

}  // namespace sentinel
