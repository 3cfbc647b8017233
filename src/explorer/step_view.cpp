#include "explorer/step_view.h"

#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "cost/input_error.h"
#include "cost/inputs.h"
#include "qt_glue/qt_text.h"
#include "explorer/trace_canvas.h"
#include "runtime/conversions.h"
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

// The counts so far, each beside the whole run's as the law predicts it.
QString CountsText(const ScanCounts& c, const Prediction& whole)
{
    return QStringLiteral("keys %1 of %2 · steps %3 of %4 · placed %5 of %6 · dropped %7 of %8 · moves %9 of %10 · "
                          "shifted %11")
        .arg(c.keys).arg(whole.keys).arg(c.steps).arg(whole.steps).arg(c.placed).arg(whole.placed)
        .arg(c.dropped).arg(whole.dropped).arg(c.moves).arg(whole.moves).arg(c.shifted);
}

}  // namespace

StepView::StepView(Complaint complain, QWidget* parent)
    : QWidget(parent), complain_(std::move(complain)), canvas_(new TraceCanvas), player_(new QTimer(this))
{
    auto* scroll = new QScrollArea;
    scroll->setWidget(canvas_);
    scroll->setWidgetResizable(true);
    scroll->setAccessibleName(QStringLiteral("The list being built"));
    canvas_->setAccessibleName(QStringLiteral("The list being built"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateSettings());
    layout->addWidget(scroll, 1);
    layout->addWidget(CreateControls());

    connect(player_, &QTimer::timeout, this, [this] {
        if (recording_ && shown_ < recording_->Events())
            ShowEvents(shown_ + 1);
        else
            PlayOrPause();
    });
    // The stepping keys belong to the canvas: other controls keep their own.
    canvas_->SetKeyHandler([this](int key) {
        switch (key) {
        case Qt::Key_Space: PlayOrPause(); return true;
        case Qt::Key_Right: StepTest(1); return true;
        case Qt::Key_Left: StepTest(-1); return true;
        case Qt::Key_Down: StepEntry(1); return true;
        case Qt::Key_Up: StepEntry(-1); return true;
        default: return false;
        }
    });
    SettingsChanged();
    ShowEvents(0);
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

QWidget* StepView::CreateSettings()
{
    source_ = new QComboBox;
    source_->setAccessibleName(QStringLiteral("List to step through"));
    source_->addItems({QStringLiteral("The demo's 21 start-up vectors"), QStringLiteral("A short random list"),
                       QStringLiteral("A list you type or paste")});
    routine_ = new QComboBox;
    routine_->setAccessibleName(QStringLiteral("Routine"));
    for (const Routine routine : kRoutines)
        routine_->addItem(ToQString(NameOf(routine)), int(routine));
    routine_->setCurrentIndex(int(Routine::ByField));
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
    return settings;
}

QWidget* StepView::CreateControls()
{
    back_ = Button(QStringLiteral("\u25C0"), QStringLiteral("Step back one test"), QStringLiteral("Back one test (Left)"));
    play_ = Button(QStringLiteral("\u25B6"), QStringLiteral("Play or pause"), QStringLiteral("Play or pause (Space)"));
    stepTest_ = Button(QStringLiteral("\u25B6|"), QStringLiteral("Step one test"), QStringLiteral("One test (Right)"));
    stepEntry_ = Button(QStringLiteral("\u25B6\u25B6|"), QStringLiteral("Step one entry"), QStringLiteral("One entry (Down; Up goes back)"));
    connect(back_, &QPushButton::clicked, this, [this] { StepTest(-1); });
    connect(play_, &QPushButton::clicked, this, &StepView::PlayOrPause);
    connect(stepTest_, &QPushButton::clicked, this, [this] { StepTest(1); });
    connect(stepEntry_, &QPushButton::clicked, this, [this] { StepEntry(1); });
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
        if (static_cast<std::size_t>(events) != shown_)
            ShowEvents(static_cast<std::size_t>(events));
    });
    counts_ = new QLabel;
    // No accessible name: a label reads as its text, and says when it changes.
    counts_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* controls = new QWidget;
    auto* row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : {static_cast<QWidget*>(back_), static_cast<QWidget*>(play_), static_cast<QWidget*>(stepTest_),
                       static_cast<QWidget*>(stepEntry_)})
        row->addWidget(w);
    row->addWidget(new QLabel(QStringLiteral("speed")));
    row->addWidget(speed_);
    row->addWidget(scrubber_, 1);
    row->addWidget(counts_);
    return controls;
}

void StepView::SettingsChanged()
{
    sourceDetails_->setCurrentIndex(source_->currentIndex());
    field_->setEnabled(TakesField(static_cast<Routine>(routine_->currentData().toInt())));
}

StepInput StepView::InputFromSettings() const
{
    StepInput input;
    input.routine = static_cast<Routine>(routine_->currentData().toInt());
    input.fieldIndex = static_cast<std::int16_t>(field_->value());
    switch (source_->currentIndex()) {
    case kStartUp: {
        Input startUp = StartUpInput();
        input.entries = std::move(startUp.entries);
        input.companion = std::move(startUp.companion);
        if (IsPaired(input.routine))
            std::swap(input.entries, input.companion);  // as SortAng_Duplicate pairs them
        break;
    }
    case kRandom: {
        Input made = MakeInput(static_cast<InputKind>(kind_->currentData().toInt()),
                               kMadeShapes[shape_->currentIndex()], size_->value(),
                               static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
        input.entries = std::move(made.entries);
        input.companion = std::move(made.companion);
        break;
    }
    default:
        for (Text& entry : TypedEntries(typed_->toPlainText().toStdString())) {
            input.companion.emplace_back(u"line " + WholeNumberText(static_cast<std::int64_t>(input.entries.size()) + 1));
            input.entries.emplace_back(std::move(entry));
        }
        break;
    }
    return input;
}

bool StepView::Load()
{
    if (player_->isActive())
        PlayOrPause();
    try {
        recording_ = std::make_unique<StepThrough>(InputFromSettings());
    } catch (const InputError& error) {
        complain_(QString::fromUtf8(error.what()));
        return false;
    } catch (const RuntimeError& error) {
        complain_(QStringLiteral("%1 cannot take this list: %2")
                      .arg(routine_->currentText(), QString::fromStdString(error.Description())));
        return false;
    }
    scrubber_->setRange(0, static_cast<int>(recording_->Events()));
    ShowEvents(0);
    canvas_->setFocus();
    return true;
}

void StepView::ShowEvents(std::size_t events)
{
    shown_ = recording_ ? std::min(events, recording_->Events()) : 0;
    canvas_->ShowFrame(recording_.get(), shown_);
    scrubber_->setValue(static_cast<int>(shown_));
    counts_->setText(CountsText(canvas_->Frame().counts, recording_ ? recording_->Predicted() : Prediction{}));
    for (QWidget* control : {static_cast<QWidget*>(back_), static_cast<QWidget*>(play_),
                             static_cast<QWidget*>(stepTest_), static_cast<QWidget*>(stepEntry_),
                             static_cast<QWidget*>(scrubber_)})
        control->setEnabled(recording_ != nullptr);
}

void StepView::StepTest(int direction)
{
    if (recording_ && (direction > 0 || shown_ > 0))
        ShowEvents(shown_ + static_cast<std::size_t>(direction));
}

void StepView::StepEntry(int direction)
{
    if (!recording_)
        return;
    if (direction > 0) {
        ShowEvents(recording_->EndOfEntry(shown_));
        return;
    }
    // Back to the end of the entry before the one shown.
    std::size_t events = 0;
    for (std::size_t end = recording_->EndOfEntry(0); end < shown_; end = recording_->EndOfEntry(end))
        events = end;
    ShowEvents(events);
}

void StepView::PlayOrPause()
{
    if (player_->isActive()) {
        player_->stop();
    } else if (recording_) {
        if (shown_ == recording_->Events())
            ShowEvents(0);
        player_->start();
    }
    play_->setText(player_->isActive() ? QStringLiteral("\u23F8") : QStringLiteral("\u25B6"));
}

}  // namespace sentinel
