// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/shared/buttons.h"

#include <QPushButton>

namespace sentinel {

QPushButton* MakeButton(const QString& caption, const QString& name, const QString& tip)
{
    auto* button = new QPushButton(caption);
    button->setAccessibleName(name);
    button->setAutoDefault(true);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}

}  // namespace sentinel
