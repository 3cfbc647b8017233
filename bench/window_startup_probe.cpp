// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the window as the program does and exits as soon as it is shown, so
// that a benchmark can time process start to window shown.
#include <QApplication>
#include <QTest>

#include "app/frm_demo.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    sentinel::FrmDemo window;
    window.show();
    return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
}
