#pragma once

#include <QWidget>

#include <vector>

#include "cost/sweep.h"

QT_BEGIN_NAMESPACE
class QComboBox;
class QSettings;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
QT_END_NAMESPACE

namespace sentinel {

// The settings of a sweep: the input (a made kind or an opened file), the
// routines and shapes (with their parameters), the sizes doubling or an
// order sweep at one size, and the repetitions; and below them Run,
// Cancel, the progress bar and the status line, which the window drives.
class SettingsPanel : public QWidget {
public:
    explicit SettingsPanel(QWidget* parent = nullptr);

    // The plan the settings describe; CheckPlan says whether it can be
    // measured. Raises InputError when From lies above To.
    SweepPlan Plan() const;
    // Offers the file's entries as the input and chooses it, to be measured whole.
    void ChooseFile(const QString& fileName, std::vector<Text> entries);
    // While a sweep runs the settings cannot change.
    void SetRunning(bool running);

    // The plan's settings, remembered between runs of the program. A stored
    // value that no longer makes sense (a routine or shape by a name that is
    // gone, a size out of range) leaves that setting at its default.
    void Save(QSettings& settings) const;
    void Restore(const QSettings& settings);
    void RestoreDefaults();

    QPushButton& RunButton() const noexcept { return *run_; }
    QPushButton& CancelButton() const noexcept { return *cancel_; }
    QPushButton& OpenFileButton() const noexcept { return *openFile_; }
    QProgressBar& Progress() const noexcept { return *progress_; }
    QLabel& Status() const noexcept { return *status_; }
    // The time the largest n is sought for, and where it is told.
    QDoubleSpinBox& Budget() const noexcept { return *budget_; }
    QLabel& BudgetText() const noexcept { return *budgetText_; }

private:
    QWidget* CreateInputGroup();
    QWidget* CreateShapesGroup();
    QWidget* CreateSizesGroup();
    QWidget* CreateRunControls();
    void KindChanged();
    void SweepChanged();
    // The shapes offered, with the parameters set in the window.
    std::vector<Shape> ShapeChoices() const;
    bool OrderSweep() const;

    QComboBox* kind_;
    QPushButton* openFile_;
    QListWidget* routines_;
    QListWidget* shapes_;
    QSpinBox* swaps_;
    QSpinBox* runLength_;
    QSpinBox* teeth_;
    QComboBox* sweep_;
    QSpinBox* levels_;
    QSpinBox* sizeFrom_;
    QSpinBox* sizeTo_;
    QSpinBox* repeat_;
    QDoubleSpinBox* budget_;
    QLabel* budgetText_;
    QPushButton* run_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QLabel* status_;

    std::vector<Text> fileEntries_;
    bool fileChosen_ = false;  // the settings were last set for the file
    bool fileRead_ = false;  // a file was just read, to be measured whole
};

}  // namespace sentinel
