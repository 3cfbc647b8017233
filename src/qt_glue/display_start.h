// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sentinel {

// Holds back Qt's messages while a window program connects to its display.
// When no display can be reached, Qt would print several lines and abort;
// this says so on one line instead, "NAME: no display is set (DISPLAY is
// empty). To run it without a display: HOW", and exits with status 1. On
// going out of scope, once the application exists, the messages held back
// are passed on.
class DisplayStart {
public:
    DisplayStart(const char* name, const QString& withoutDisplay);
    ~DisplayStart();
    DisplayStart(const DisplayStart&) = delete;
    DisplayStart& operator=(const DisplayStart&) = delete;
};

}  // namespace sentinel
