// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/start_up_data.h"

#include "runtime/conversions.h"
#include "runtime/start_up_data.h"

namespace sentinel {

void Form_Load(FormState& form)
{
    form.aVectors = StartUpVectors();
    form.colItems = std::make_shared<Collection>();
    for (const Text& text : StartUpVectorTexts()) {
        form.colItems->Add(text);
        form.List1.AddItem(text);
    }
    form.aAngles = DrawStartUpNumbers(form.generator);
    for (const Single angle : form.aAngles)
        Ensure(form.colAngles).Add(RoundHalfEven(angle, 0));
}

}  // namespace sentinel
