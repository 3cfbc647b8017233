// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "explorer/shared/routine_text.h"

namespace sentinel {
namespace {

// A result is called identical to "the standard stable sort" only where
// equal keys keep their input order: the scan from the high end. The scans
// that stop at the first fit from the low end put each entry before the
// equal keys placed, and a strict routine keeps the first of each.
TEST(ReferenceName, NamesTheTieOrderOfEachRoutinesReference)
{
    for (const Routine routine : kRoutinesAndVariants) {
        const QString name = ReferenceName(routine);
        const std::string said = std::string(NameOf(routine)) + ": " + name.toStdString();
        if (IsStrict(routine))
            EXPECT_EQ(name, "the stable sort keeping the first of each key") << said;
        else if (ScanOrderOf(routine) == ScanOrder::FromHigh)
            EXPECT_EQ(name, "the standard stable sort") << said;
        else
            EXPECT_EQ(name, "the stable sort with equal keys in reverse order") << said;
    }
}

}  // namespace
}  // namespace sentinel
