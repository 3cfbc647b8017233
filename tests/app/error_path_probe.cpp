// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the program runs it, with a working list too long for the
// 16-bit row counter of "SortNum". Clicks the button, prints the title and
// text of the error box it then shows, and dismisses it; the exit status is
// the program's.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

#include "app/frm_demo.h"
#include "runtime/conversions.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    sentinel::FrmDemo window;
    std::vector<sentinel::Value> entries;
    for (int i = 40000; i > 0; --i)
        entries.emplace_back(sentinel::WholeNumberText(i));
    window.Form().colItems = std::make_shared<sentinel::Collection>(std::move(entries));
    window.show();

    QTimer::singleShot(0, &window, [&window] { window.findChild<QPushButton*>("CmdSortNum")->click(); });
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("%s\n%s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
            std::fflush(stdout);
            box->accept();
        }
    });
    dismiss.start(20);
    return QApplication::exec();
}
