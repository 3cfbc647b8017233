// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <vector>

#include "cost/plan.h"

QT_BEGIN_NAMESPACE
class QComboBox;
class QDoubleSpinBox;
class QListWidget;
class QPushButton;
class QSpinBox;
QT_END_NAMESPACE

namespace sentinel {

// The settings of a sweep, as a view of a plan: the input (a made kind or an
// opened file), the routines and shapes (with their parameters), the sizes
// doubling or an order sweep at one size, and the repetitions. A plan shown
// keeps what the widgets cannot say (sizes that do not double, an order
// sweep over part of the range) until the user changes that setting.
class SettingsPanel : public QWidget {
    Q_OBJECT

public:
    explicit SettingsPanel(QWidget* parent = nullptr);

    // Shows the plan; its file, if any, becomes the file offered.
    void ShowPlan(const SweepPlan& plan);
    // Offers a file just read and chooses it, to be measured whole; the
    // other settings stay.
    void ChooseFile(std::string path, std::shared_ptr<const std::vector<Text>> entries);
    // The plan the settings describe; CheckPlan says whether it can be
    // measured. Raises InputError when From lies above To.
    SweepPlan Plan() const;
    // While a sweep runs the settings cannot change.
    void SetRunning(bool running);

signals:
    void openRequested();

private:
    QWidget* CreateInputGroup();
    QWidget* CreateShapesGroup();
    QWidget* CreateSizesGroup();
    void KindChanged();
    void SweepChanged();
    void OfferFile(const SweepPlan& plan);
    // The shapes offered, with the parameters set in the window.
    std::vector<Shape> ShapeChoices() const;
    void RenameShapes();
    bool OrderSweep() const;
    bool FileChosen() const;

    QComboBox* kind_;
    QPushButton* openFile_;
    QListWidget* routines_;
    QListWidget* shapes_;
    QSpinBox* swaps_;
    QSpinBox* runLength_;
    QSpinBox* teeth_;
    QDoubleSpinBox* sortedness_;
    QComboBox* sweep_;
    QSpinBox* levels_;
    QSpinBox* sizeFrom_;
    QSpinBox* sizeTo_;
    QSpinBox* repeat_;

    SweepPlan file_;  // the file offered: its path and shared entries
    std::vector<std::int32_t> givenSizes_;  // as shown, while From and To still say them
    std::vector<Shape> givenLevels_;  // an order sweep's as shown, while Levels still says them
    bool fileChosen_ = false;  // the shapes were last set for the file
};

}  // namespace sentinel
