// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QLabel>
#include <QBrush>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <fstream>
#include "explorer/charts/chart_legend.h"
#include "explorer/charts/chart_panel.h"
#include "explorer/charts/cost_charts.h"
#include "explorer/shared/units.h"
#include "explorer/window/cost_window.h"
#include "cost/growth.h"
#include "explorer/window/results_model.h"
#include "explorer/window/results_table.h"
#include "explorer/window/run_status.h"
#include "explorer/window/settings_panel.h"
#include "explorer/step_through/step_view.h"
#include "explorer/step_through/trace_canvas.h"
#include "support/explorer_pages.h"

namespace sentinel {

class CostWindowTest : public ::testing::Test {
protected:
    CostWindowTest()
        : window([this](const QString& problem) { complaints.append(problem); },
                 [this](const QString& question) {
                     questions.append(question);
                     return true;
                 })
    {
    }

    // Opens a file as the menu does and waits for it to be read; false when
    // it was refused.
    bool Open(const std::string& path)
    {
        const auto before = complaints.size();
        window.OpenInput(QString::fromStdString(path));
        return QTest::qWaitFor([this] { return !window.Reading(); }, 10000) && complaints.size() == before;
    }

    QSpinBox& Spin(const char* name)
    {
        for (QSpinBox* box : window.findChildren<QSpinBox*>())
            if (box->accessibleName() == name)
                return *box;
        throw std::runtime_error(name);
    }

    QListWidget& List(const char* name)
    {
        for (QListWidget* list : window.findChildren<QListWidget*>())
            if (list->accessibleName() == name)
                return *list;
        throw std::runtime_error(name);
    }

    // The parameter beside the shapes, for the first row of a family, which it makes current.
    QDoubleSpinBox& ParameterOf(const QString& family, const char* name)
    {
        QListWidget& shapes = List("Shapes");
        for (int row = 0; row < shapes.count(); ++row)
            if (shapes.item(row)->text().startsWith(family + ':')) {
                shapes.setCurrentRow(row);
                break;
            }
        for (QDoubleSpinBox* box : window.findChildren<QDoubleSpinBox*>())
            if (box->accessibleName() == name)
                return *box;
        throw std::runtime_error(name);
    }

    void Plan(int from, int to, int repeat)
    {
        Spin("Smallest size").setValue(from);
        Spin("Largest size").setValue(to);
        Spin("Repetitions").setValue(repeat);
    }

    bool Finishes() { return QTest::qWaitFor([this] { return !window.Running(); }, 60000); }

    // An order sweep at n = 40 over three levels, once each, measured to the end.
    bool OrderSweepFinishes()
    {
        for (QComboBox* box : window.findChildren<QComboBox*>())
            if (box->accessibleName() == "Sweep")
                box->setCurrentIndex(1);
        Spin("Smallest size").setValue(40);
        Spin("Levels of sortedness").setValue(3);
        Spin("Repetitions").setValue(1);
        window.StartSweep();
        return Finishes();
    }

    // The rows of the run shown.
    const std::vector<Measurement>& Rows() const { return window.Store().Shown()->Rows(); }

    QStringList complaints;
    QStringList questions;
    CostWindow window;
    QTemporaryDir folder;
};

}  // namespace sentinel
