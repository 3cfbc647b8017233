// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "sorting/routines.h"

namespace sentinel {

// A routine as a list offers it: its name, and for a variant its name
// marked so that nobody takes it for a routine of the demo.
QString RoutineChoice(Routine routine);
// What the choice's tooltip says: a variant's scan, in words.
QString RoutineChoiceTip(Routine routine);
// The stable sort a routine's result is compared with, named by how it
// orders equal keys: "the standard stable sort" only where equal keys keep
// their input order.
QString ReferenceName(Routine routine);

}  // namespace sentinel
