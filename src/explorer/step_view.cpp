#include "explorer/step_view.h"

#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

#include "cost/input_error.h"
#include "cost/inputs.h"
#include "explorer/step_pane.h"
#include "explorer/trace_canvas.h"
#include "qt_glue/qt_text.h"
#include "runtime/runtime_error.h"

namespace sentinel {
namespace {

enum Source { kStartUp, kRandom, kTyped };

QPushButton* Button(const QString& caption, const QString& name, const QString& tip)
{
    auto* button = new QPushButton(caption);
    button->setAccessibleName(name);
    button->setAutoDefault(true);  // Return presses the button that has focus
    button->setToolTip(tip);
    return button;
}

QComboBox* RoutineBox(const QString& name, Routine chosen)
{
    auto* box = new QComboBox;
    box->setAccessibleName(name);
    for (const Routine routine : kRoutines)
        box->addItem(ToQString(NameOf(routine)), int(routine));
    box->setCurrentIndex(int(chosen));
    return box;
}

// The input with its entries (and their companions) in `order`, from 0.
StepInput Reordered(StepInput input, const std::vector<std::size_t>& order)
{
    StepInput reordered{input.routine, input.fieldIndex, {}, {}};
    for (const std::size_t i : order) {
        reordered.entries.push_back(input.entries[i]);
        if (i < input.companion.size())
            reordered.companion.push_back(input.companion[i]);
    }
    return reordered;
}

}  // namespace

StepView::StepView(Complaint complain, QWidget* parent)
    : QWidget(parent), complain_(std::move(complain)), left_(new StepPane), right_(new StepPane),
      player_(new QTimer(this))
{
    auto* panes = new QHBoxLayout;
    panes->addWidget(left_, 1);
    panes->addWidget(right_, 1);  // a race's two panes share the width alike
    right_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateSettings());
    layout->addLayout(panes, 1);
    layout->addWidget(CreateControls());

    connect(player_, &QTimer::timeout, this, [this] {
        if (Asking() || (left_->Finished() && (right_->isHidden() || right_->Finished())))
            PlayOrPause();
        else
            StepTest(1);
    });
    // The stepping keys belong to the canvases: other controls keep their own.
    for (StepPane* pane : {left_, right_})
        pane->Canvas().SetKeyHandler([this](int key) { return HandleKey(key); });
    left_->Canvas().SetGapHandler([this](std::size_t gap) { Answer(gap); });
    SettingsChanged();
    Refresh();
}

StepView::~StepView() = default;

QWidget* StepView::CreateSourceDetails()
{
    kind_ = new QComboBox;
    kind_->setAccessibleName(QStringLiteral("Kind of random list"));
    for (const InputKind kind : kMadeKinds)
        kind_->addItem(ToQString(NameOf(kind)), int(kind));
    shape_ = new QComboBox;
    shape_->setAccessibleName(QStringLiteral("Shape of random list"));
    for (const Shape shape : kMadeShapes)
        shape_->addItem(ToQString(NameOf(shape)));
    size_ = new QSpinBox;
    size_->setRange(1, int(kMostStepEntries));
    size_->setValue(12);
    size_->setAccessibleName(QStringLiteral("Entries in random list"));
    typed_ = new QPlainTextEdit;
    typed_->setAccessibleName(QStringLiteral("Typed list, one entry a line"));
    typed_->setPlaceholderText(QStringLiteral("One entry a line, at most 60"));
    typed_->setTabChangesFocus(true);
    typed_->setMaximumHeight(90);

    auto* random = new QWidget;
    auto* randomLayout = new QHBoxLayout(random);
    randomLayout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : {static_cast<QWidget*>(kind_), static_cast<QWidget*>(shape_), static_cast<QWidget*>(size_)})
        randomLayout->addWidget(w);
    auto* startUp = new QLabel(QStringLiteral("21 vector texts, keyed on field 0; the paired routines take the "
                                              "21 start-up numbers as keys and the texts as companion."));
    startUp->setWordWrap(true);
    sourceDetails_ = new QStackedWidget;
    sourceDetails_->addWidget(startUp);
    sourceDetails_->addWidget(random);
    sourceDetails_->addWidget(typed_);
    return sourceDetails_;
}

QWidget* StepView::CreateRaceSettings()
{
    race_ = new QComboBox;
    race_->setAccessibleName(QStringLiteral("Race beside it"));
    race_->addItems({QStringLiteral("Nothing"), QStringLiteral("Another routine"),
                     QStringLiteral("The same routine on the list reversed"),
                     QStringLiteral("The same routine on the list in ascending key order")});
    raceRoutine_ = RoutineBox(QStringLiteral("Routine of the race's right pane"), Routine::NumbersUnique);
    connect(race_, &QComboBox::currentIndexChanged, this, &StepView::SettingsChanged);
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(race_, 1);
    layout->addWidget(raceRoutine_);
    return row;
}

QWidget* StepView::CreateSettings()
{
    source_ = new QComboBox;
    source_->setAccessibleName(QStringLiteral("List to step through"));
    source_->addItems({QStringLiteral("The demo's 21 start-up vectors"), QStringLiteral("A short random list"),
                       QStringLiteral("A list you type or paste")});
    routine_ = RoutineBox(QStringLiteral("Routine"), Routine::ByField);
    field_ = new QSpinBox;
    field_->setRange(0, 2);
    field_->setAccessibleName(QStringLiteral("Field index"));
    load_ = Button(QStringLiteral("L&oad"), QStringLiteral("Load"), QStringLiteral("Record the routine's run on this list"));
    connect(load_, &QPushButton::clicked, this, &StepView::Load);
    connect(source_, &QComboBox::currentIndexChanged, this, &StepView::SettingsChanged);
    connect(routine_, &QComboBox::currentIndexChanged, this, &StepView::SettingsChanged);

    auto* settings = new QWidget;
    auto* form = new QFormLayout(settings);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("&List"), source_);
    form->addRow(QString(), CreateSourceDetails());
    auto* routineRow = new QHBoxLayout;
    routineRow->addWidget(routine_, 1);
    auto* fieldLabel = new QLabel(QStringLiteral("fi&eld"));
    fieldLabel->setBuddy(field_);
    routineRow->addWidget(fieldLabel);
    routineRow->addWidget(field_);
    routineRow->addWidget(load_);
    auto* routineLabel = new QLabel(QStringLiteral("&Routine"));
    routineLabel->setBuddy(routine_);
    form->addRow(routineLabel, routineRow);
    auto* raceRow = CreateRaceSettings();
    auto* raceLabel = new QLabel(QStringLiteral("Ra&ce beside it"));
    raceLabel->setBuddy(race_);
    form->addRow(raceLabel, raceRow);
    return settings;
}

QWidget* StepView::CreateControls()
{
    back_ = Button(QStringLiteral("\u25C0"), QStringLiteral("Step back one test"), QStringLiteral("Back one test (Left)"));
    play_ = Button(QStringLiteral("\u25B6"), QStringLiteral("Play or pause"), QStringLiteral("Play or pause (Space)"));
    stepTest_ = Button(QStringLiteral("\u25B6|"), QStringLiteral("Step one test"), QStringLiteral("One test (Right)"));
    stepEntry_ = Button(QStringLiteral("\u25B6\u25B6|"), QStringLiteral("Step one entry"), QStringLiteral("One entry (Down; Up goes back)"));
    predict_ = Button(QStringLiteral("&Predict"), QStringLiteral("Predict mode"),
                      QStringLiteral("Say where each entry goes before it is placed"));
    predict_->setCheckable(true);
    dropped_ = Button(QStringLiteral("Dropped (D)"), QStringLiteral("Answer: dropped"),
                      QStringLiteral("The entry fits no gap: it is dropped (D)"));
    score_ = new QLabel;
    connect(back_, &QPushButton::clicked, this, [this] { StepTest(-1); });
    connect(play_, &QPushButton::clicked, this, &StepView::PlayOrPause);
    connect(stepTest_, &QPushButton::clicked, this, [this] { StepTest(1); });
    connect(stepEntry_, &QPushButton::clicked, this, [this] { StepEntry(1); });
    connect(predict_, &QPushButton::toggled, this, &StepView::SetPredicting);
    connect(dropped_, &QPushButton::clicked, this, [this] { Answer(PredictQuiz::kDropped); });
    speed_ = new QSlider(Qt::Horizontal);
    speed_->setRange(1, 40);  // tests a second
    speed_->setValue(6);
    speed_->setMaximumWidth(140);
    speed_->setAccessibleName(QStringLiteral("Speed"));
    connect(speed_, &QSlider::valueChanged, this, [this](int perSecond) { player_->setInterval(1000 / perSecond); });
    player_->setInterval(1000 / speed_->value());
    scrubber_ = new QSlider(Qt::Horizontal);
    scrubber_->setAccessibleName(QStringLiteral("Position in the run"));
    connect(scrubber_, &QSlider::valueChanged, this, [this](int events) {
        if (static_cast<std::size_t>(events) != Shown())
            ShowEvents(static_cast<std::size_t>(events));
    });

    auto* controls = new QWidget;
    auto* row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : {static_cast<QWidget*>(back_), static_cast<QWidget*>(play_), static_cast<QWidget*>(stepTest_),
                       static_cast<QWidget*>(stepEntry_)})
        row->addWidget(w);
    row->addWidget(new QLabel(QStringLiteral("speed")));
    row->addWidget(speed_);
    row->addWidget(scrubber_, 1);
    row->addWidget(predict_);
    row->addWidget(dropped_);
    row->addWidget(score_);
    return controls;
}

void StepView::SettingsChanged()
{
    sourceDetails_->setCurrentIndex(source_->currentIndex());
    field_->setEnabled(TakesField(static_cast<Routine>(routine_->currentData().toInt())));
    raceRoutine_->setEnabled(RaceChosen() == Race::OtherRoutine);
}

StepView::Race StepView::RaceChosen() const
{
    return static_cast<Race>(race_->currentIndex());
}

StepInput StepView::InputFromSettings(Routine routine) const
{
    const auto field = static_cast<std::int16_t>(field_->value());
    switch (source_->currentIndex()) {
    case kStartUp: return StartUpStepInput(routine, field);
    case kRandom: {
        Input made = MakeInput(static_cast<InputKind>(kind_->currentData().toInt()), kMadeShapes[shape_->currentIndex()],
                               size_->value(), seed_);
        return {routine, field, std::move(made.entries), std::move(made.companion)};
    }
    default: return StepInputOf(routine, field, TypedEntries(typed_->toPlainText().toStdString()));
    }
}

StepInput StepView::RaceInput(const StepThrough& left) const
{
    std::vector<std::size_t> order(left.Input().entries.size());
    std::iota(order.begin(), order.end(), 0);
    switch (RaceChosen()) {
    case Race::OtherRoutine: return InputFromSettings(static_cast<Routine>(raceRoutine_->currentData().toInt()));
    case Race::Reversed: std::reverse(order.begin(), order.end()); break;
    default:  // ascending key order, as a stable sort leaves it
        std::stable_sort(order.begin(), order.end(), [&left](std::size_t a, std::size_t b) {
            return left.CompareKeys(static_cast<std::int32_t>(a + 1), static_cast<std::int32_t>(b + 1)) < 0;
        });
        break;
    }
    return Reordered(left.Input(), order);
}

bool StepView::Load()
{
    if (player_->isActive())
        PlayOrPause();
    seed_ = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    const auto routine = static_cast<Routine>(routine_->currentData().toInt());
    std::unique_ptr<StepThrough> left, right;
    Routine recording = routine;  // the one a RuntimeError comes from
    try {
        left = std::make_unique<StepThrough>(InputFromSettings(routine));
        if (RaceChosen() == Race::OtherRoutine)
            recording = static_cast<Routine>(raceRoutine_->currentData().toInt());
        if (RaceChosen() != Race::None)
            right = std::make_unique<StepThrough>(RaceInput(*left));
    } catch (const InputError& error) {
        complain_(QString::fromUtf8(error.what()));
        return false;
    } catch (const RuntimeError& error) {
        complain_(QStringLiteral("%1 cannot take this list: %2")
                      .arg(ToQString(NameOf(recording)), QString::fromStdString(error.Description())));
        return false;
    }
    const QString name = routine_->currentText();
    const QString titles[] = {QString(), raceRoutine_->currentText(), name + QStringLiteral(" on the list reversed"),
                              name + QStringLiteral(" on the list in ascending key order")};
    right_->setVisible(right != nullptr);
    left_->SetRun(std::move(left), right ? name : QString());
    right_->SetRun(std::move(right), titles[race_->currentIndex()]);
    quiz_ = PredictQuiz();
    predict_->setEnabled(RaceChosen() == Race::None);
    if (RaceChosen() != Race::None)
        predict_->setChecked(false);
    ShowEvents(predict_->isChecked() ? 1 : 0);
    left_->Canvas().setFocus();
    return true;
}

void StepView::SetRace(Race race, Routine other)
{
    race_->setCurrentIndex(int(race));
    raceRoutine_->setCurrentIndex(int(other));
}

void StepView::ShowEvents(std::size_t events)
{
    left_->Show(events);
    right_->Show(events);
    Refresh();
}

void StepView::StepTest(int direction)
{
    if (Asking())
        return;
    left_->StepTest(direction);
    right_->StepTest(direction);
    Refresh();
}

void StepView::StepEntry(int direction)
{
    if (Asking())
        return;
    left_->StepEntry(direction);
    right_->StepEntry(direction);
    Refresh();
}

void StepView::PlayOrPause()
{
    if (player_->isActive()) {
        player_->stop();
    } else if (Recording() && !Asking()) {
        if (left_->Finished() && (right_->isHidden() || right_->Finished()))
            ShowEvents(0);
        player_->start();
    }
    play_->setText(player_->isActive() ? QStringLiteral("\u23F8") : QStringLiteral("\u25B6"));
}

void StepView::SetPredicting(bool on)
{
    if (predict_->isChecked() != on) {
        predict_->setChecked(on);  // comes back here through toggled
        return;
    }
    if (on && Recording() && Shown() == 0)
        left_->Show(1);  // the first entry's key: the first question
    Refresh();
    if (on)
        left_->Canvas().setFocus();  // where the answering keys go
}

bool StepView::Asking() const
{
    return predict_->isChecked() && Recording() && quiz_.Asks(*Recording(), Shown());
}

void StepView::Answer(std::size_t gap)
{
    if (!Asking())
        return;
    quiz_.Answer(*Recording(), Shown(), gap);
    left_->Show(Recording()->EndOfEntry(Shown()));
    Refresh();
}

bool StepView::AnswerKey(int key)
{
    const std::size_t gaps = left_->Canvas().Frame().list.size() - 1;
    switch (key) {
    case Qt::Key_Left: chosenGap_ = std::max<std::size_t>(*chosenGap_, 2) - 1; break;
    case Qt::Key_Right: chosenGap_ = std::min(*chosenGap_ + 1, gaps); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: Answer(*chosenGap_); return true;
    case Qt::Key_D: Answer(PredictQuiz::kDropped); return true;
    case Qt::Key_Space:
    case Qt::Key_Up:
    case Qt::Key_Down: return true;  // the run waits for the answer
    default: return false;
    }
    Refresh();
    return true;
}

bool StepView::HandleKey(int key)
{
    if (Asking())
        return AnswerKey(key);
    switch (key) {
    case Qt::Key_Space: PlayOrPause(); return true;
    case Qt::Key_Right: StepTest(1); return true;
    case Qt::Key_Left: StepTest(-1); return true;
    case Qt::Key_Down: StepEntry(1); return true;
    case Qt::Key_Up: StepEntry(-1); return true;
    default: return false;
    }
}

// Brings the controls, the question and the verdict in line with what is shown.
void StepView::Refresh()
{
    const bool asking = Asking();
    if (asking && player_->isActive())
        PlayOrPause();
    TraceCanvas& canvas = left_->Canvas();
    const StepThrough::Frame& frame = canvas.Frame();
    if (asking) {
        chosenGap_ = chosenGap_.value_or(1);
        const auto keyAt = [&](std::size_t k) { return ToQString(Recording()->KeyText(frame.list[k])); };
        canvas.SetQuestion(chosenGap_, QStringLiteral("Where does %1 go? Gap %2 of %3, between %4 and %5: Left and "
                                                      "Right choose a gap, Return confirms, D says dropped.")
                                           .arg(ToQString(Recording()->KeyText(frame.entry)))
                                           .arg(*chosenGap_)
                                           .arg(frame.list.size() - 1)
                                           .arg(keyAt(*chosenGap_ - 1), keyAt(*chosenGap_)));
    } else {
        chosenGap_.reset();
        canvas.SetQuestion(std::nullopt, QString());
    }
    const PredictQuiz::Verdict* verdict = predict_->isChecked() ? quiz_.VerdictOf(frame.entry) : nullptr;
    const bool placedOrDropped = frame.last && (frame.last->kind == TraceEvent::Kind::Placed
                                                || frame.last->kind == TraceEvent::Kind::Dropped);
    canvas.SetVerdict(verdict && placedOrDropped ? ToQString(verdict->text) : QString(), verdict && verdict->right);
    score_->setText(predict_->isChecked() ? QStringLiteral("Score: %1").arg(ToQString(quiz_.Score())) : QString());
    dropped_->setVisible(predict_->isChecked());
    dropped_->setEnabled(asking);
    {
        const QSignalBlocker quiet(scrubber_);  // a shorter run's range would move what is shown
        scrubber_->setRange(0, static_cast<int>(Recording() ? Recording()->Events() : 0));
        scrubber_->setValue(static_cast<int>(Shown()));
    }
    for (QWidget* control : {static_cast<QWidget*>(back_), static_cast<QWidget*>(play_),
                             static_cast<QWidget*>(stepTest_), static_cast<QWidget*>(stepEntry_),
                             static_cast<QWidget*>(scrubber_)})
        control->setEnabled(Recording() != nullptr && !asking);
}

const StepThrough* StepView::Recording() const noexcept
{
    return left_->Run();
}

std::size_t StepView::Shown() const noexcept
{
    return left_->Shown();
}

const TraceCanvas& StepView::Canvas() const noexcept
{
    return left_->Canvas();
}

}  // namespace sentinel
