#pragma once

#include <QWidget>

#include <functional>
#include <optional>

#include "cost/predict_quiz.h"
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

class StepPane;
class TraceCanvas;

// Steps through one run of a routine on a short list: the list being built
// between its sentinels, the position under test with the test written out,
// the insertion or the drop, and the counts so far. Space plays or pauses;
// the arrow keys step one test (left and right) or one entry (up and down).
// In predict mode each entry waits for the user to say where it goes. A
// race steps a second run on the same list beside the first, in lockstep.
class StepView : public QWidget {
public:
    using Complaint = std::function<void(const QString&)>;
    // What the right pane of a race runs.
    enum class Race { None, OtherRoutine, Reversed, Ascending };

    explicit StepView(Complaint complain, QWidget* parent = nullptr);
    ~StepView() override;

    // Records a run from the settings; false, after a complaint, when the
    // input cannot be stepped through (the typed text stays as it was).
    bool Load();
    // Shows the state after the first `events` events, in both panes.
    void ShowEvents(std::size_t events);
    void StepTest(int direction);
    void StepEntry(int direction);
    void PlayOrPause();

    void SetPredicting(bool on);
    // Whether the entry shown waits for a prediction; the gap chosen so far.
    bool Asking() const;
    std::optional<std::size_t> ChosenGap() const noexcept { return chosenGap_; }
    // Answers for the entry shown: a gap, or PredictQuiz::kDropped.
    void Answer(std::size_t gap);
    const PredictQuiz& Quiz() const noexcept { return quiz_; }
    void SetRace(Race race, Routine other = Routine::NumbersUnique);

    const StepThrough* Recording() const noexcept;
    std::size_t Shown() const noexcept;
    const TraceCanvas& Canvas() const noexcept;
    const StepPane& Left() const noexcept { return *left_; }
    const StepPane& Right() const noexcept { return *right_; }

private:
    QWidget* CreateSettings();
    QWidget* CreateSourceDetails();
    QWidget* CreateRaceSettings();
    QWidget* CreateControls();
    StepInput InputFromSettings(Routine routine) const;
    StepInput RaceInput(const StepThrough& left) const;
    Race RaceChosen() const;
    void SettingsChanged();
    bool HandleKey(int key);
    bool AnswerKey(int key);
    void Refresh();

    Complaint complain_;
    QComboBox* source_;
    QStackedWidget* sourceDetails_;
    QComboBox* kind_;
    QComboBox* shape_;
    QSpinBox* size_;
    QPlainTextEdit* typed_;
    QComboBox* routine_;
    QSpinBox* field_;
    QComboBox* race_;
    QComboBox* raceRoutine_;
    QPushButton* load_;
    StepPane* left_;
    StepPane* right_;
    QPushButton* back_;
    QPushButton* play_;
    QPushButton* stepTest_;
    QPushButton* stepEntry_;
    QPushButton* predict_;
    QPushButton* dropped_;
    QLabel* score_;
    QSlider* speed_;
    QSlider* scrubber_;
    QTimer* player_;

    std::uint64_t seed_ = 0;  // of a random list, so that a race runs on the same one
    PredictQuiz quiz_;
    std::optional<std::size_t> chosenGap_;
};

}  // namespace sentinel
