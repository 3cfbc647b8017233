// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>
#include <vector>

#include "model/plan_editor.h"

QT_BEGIN_NAMESPACE
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;
class QToolButton;
QT_END_NAMESPACE

namespace sentinel {

// The settings of a sweep, as a view of the plan editor: the input (a made
// kind or an opened file), the routines, the shapes (a family may be
// offered several times, each row with its own parameter, set beside the
// list for the row current), the sizes doubling or an order sweep at one
// size, and the repetitions. Its rows are bound to the editor's by id.
class SettingsPanel : public QWidget {
    Q_OBJECT

public:
    explicit SettingsPanel(QWidget* parent = nullptr);

    // Shows the plan; its file, if any, becomes the file offered.
    void ShowPlan(const SweepPlan& plan);
    // Offers a file just read and chooses it, to be measured whole; the
    // other settings stay but for a routine that fits its lines, chosen and
    // returned when none chosen did (see PlanEditor::ChooseFile).
    std::optional<Routine> ChooseFile(std::string path, std::shared_ptr<const std::vector<Text>> entries);
    // The plan the settings describe (see PlanEditor::Plan).
    SweepPlan Plan() const { return editor_.Plan(); }
    const PlanEditor& Editor() const noexcept { return editor_; }
    // While a sweep runs the settings cannot change.
    void SetRunning(bool running);

signals:
    void openRequested();

private:
    QWidget* CreateInputGroup();
    QWidget* CreateRoutinesGroup();
    QWidget* CreateShapesGroup();
    QWidget* CreateSizesGroup();
    // Every widget shows the editor's state.
    void Refresh();
    void RefreshShapes();
    void RefreshParameter();
    void KindChosen();
    void SweepChosen();
    void RoutineChecked(QListWidgetItem* item);
    void ShapeChecked(QListWidgetItem* item);
    void ParameterChanged(double value);
    void AddShape();
    void RemoveShape();
    // The editor's row the shape list's current item shows; -1 for none.
    int CurrentShapeRow() const;

    PlanEditor editor_;
    bool running_ = false;
    QComboBox* kind_;
    QPushButton* openFile_;
    QListWidget* routines_;
    QListWidget* shapes_;
    QLabel* parameterLabel_;
    QDoubleSpinBox* parameter_;
    QToolButton* addShape_;
    QToolButton* removeShape_;
    QComboBox* sweep_;
    QSpinBox* levels_;
    QSpinBox* sizeFrom_;
    QSpinBox* sizeTo_;
    QSpinBox* repeat_;
};

}  // namespace sentinel
