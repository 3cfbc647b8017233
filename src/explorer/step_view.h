#pragma once

#include <QWidget>

#include <functional>
#include <memory>

#include "cost/step_through.h"

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QTimer;
QT_END_NAMESPACE

namespace sentinel {

class TraceCanvas;

// Steps through one run of a routine on a short list: the list being built
// between its sentinels, the position under test with the test written out,
// the insertion or the drop, and the counts so far. Space plays or pauses;
// the arrow keys step one test (left and right) or one entry (up and down).
class StepView : public QWidget {
public:
    using Complaint = std::function<void(const QString&)>;

    explicit StepView(Complaint complain, QWidget* parent = nullptr);
    ~StepView() override;

    // Records a run from the settings; false, after a complaint, when the
    // input cannot be stepped through (the typed text stays as it was).
    bool Load();
    // Shows the state after the first `events` events.
    void ShowEvents(std::size_t events);
    void StepTest(int direction);
    void StepEntry(int direction);
    void PlayOrPause();

    const StepThrough* Recording() const noexcept { return recording_.get(); }
    std::size_t Shown() const noexcept { return shown_; }
    const TraceCanvas& Canvas() const noexcept { return *canvas_; }

private:
    QWidget* CreateSettings();
    QWidget* CreateSourceDetails();
    QWidget* CreateControls();
    StepInput InputFromSettings() const;
    void SettingsChanged();

    Complaint complain_;
    QComboBox* source_;
    QStackedWidget* sourceDetails_;
    QComboBox* kind_;
    QComboBox* shape_;
    QSpinBox* size_;
    QPlainTextEdit* typed_;
    QComboBox* routine_;
    QSpinBox* field_;
    QPushButton* load_;
    TraceCanvas* canvas_;
    QPushButton* back_;
    QPushButton* play_;
    QPushButton* stepTest_;
    QPushButton* stepEntry_;
    QSlider* speed_;
    QSlider* scrubber_;
    QLabel* counts_;
    QTimer* player_;

    std::unique_ptr<StepThrough> recording_;
    std::size_t shown_ = 0;
};

}  // namespace sentinel
