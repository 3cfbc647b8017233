// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include "support/cost_window_fixture.h"

namespace sentinel {
namespace {

// Labels whose text changes read as that text; the stepping keys belong to
// the canvas, and Return presses the button that has focus.
TEST_F(CostWindowTest, TheKeyboardAndScreenReadersReachTheStepThrough)
{
    window.show();
    window.findChild<QTabWidget*>()->setCurrentWidget(&window.Stepper());
    StepView& stepper = window.Stepper();
    QPushButton* load = nullptr;
    for (QPushButton* button : stepper.findChildren<QPushButton*>())
        if (button->accessibleName() == "Load")
            load = button;
    ASSERT_TRUE(load);
    load->setFocus();
    QTest::keyClick(load, Qt::Key_Return);
    ASSERT_TRUE(stepper.Recording()) << "Return pressed Load";
    QTest::keyClick(load, Qt::Key_Space);  // presses Load again, plays nothing
    EXPECT_EQ(stepper.Shown(), 0U);
    auto& canvas = const_cast<TraceCanvas&>(stepper.Canvas());
    QTest::keyClick(&canvas, Qt::Key_Right);
    QTest::keyClick(&canvas, Qt::Key_Right);
    EXPECT_EQ(stepper.Shown(), 2U);
    EXPECT_TRUE(canvas.accessibleDescription().contains(u'\u2192')) << "the test written out";
    QTest::keyClick(&canvas, Qt::Key_Down);
    EXPECT_EQ(stepper.Shown(), stepper.Recording()->EndOfEntry(2));
    QSpinBox* field = nullptr;
    for (QSpinBox* box : stepper.findChildren<QSpinBox*>())
        if (box->accessibleName() == "Field index")
            field = box;
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->value(), 1) << "the spin box keeps its keys";

    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().startsWith("keys ")) {
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(label);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->text(QAccessible::Name), label->text());
        }
    }
}

// Steps through the start-up data with every routine: the end shows the
// routine's own result, identical to the stable sort's, and position 0 only
// the sentinels.
TEST_F(CostWindowTest, StepThroughEveryRoutineToTheEndAndBack)
{
    StepView& stepper = window.Stepper();
    QComboBox* routine = nullptr;
    for (QComboBox* box : stepper.findChildren<QComboBox*>())
        if (box->accessibleName() == "Routine")
            routine = box;
    for (const Routine each : kRoutines) {
        routine->setCurrentIndex(static_cast<int>(each));
        ASSERT_TRUE(stepper.Load()) << complaints.join('\n').toStdString();
        stepper.ShowEvents(stepper.Recording()->Events());
        EXPECT_EQ(stepper.Canvas().ListedTexts(), stepper.Recording()->Result()) << NameOf(each);
        EXPECT_EQ(stepper.Recording()->Result(), stepper.Recording()->StableResult()) << NameOf(each);
        for (QSlider* slider : stepper.findChildren<QSlider*>())
            if (slider->accessibleName() == "Position in the run")
                slider->setValue(0);
        EXPECT_EQ(stepper.Shown(), 0U);
        EXPECT_EQ(stepper.Canvas().Frame().list, (std::vector<std::int32_t>{0, -1})) << "only the sentinels";
    }
    EXPECT_EQ(stepper.Recording()->Input().companion.size(), 21U) << "the paired routines carry the texts along";
}

// The File menu exports the run on show, and only once one is loaded.
TEST_F(CostWindowTest, ExportsTheStepThroughRunOnceLoaded)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath("run.csv");
    EXPECT_FALSE(window.ExportStepCsv(csv));
    EXPECT_FALSE(window.ExportStepGif(folder.filePath("run.gif"), FramesPer::Entry));
    ASSERT_EQ(complaints.size(), 2);
    EXPECT_TRUE(complaints[0].contains("Load a run")) << complaints[0].toStdString();
    EXPECT_FALSE(QFile::exists(csv));
    ASSERT_TRUE(window.Stepper().Load());
    ASSERT_TRUE(window.ExportStepCsv(csv));
    QFile rows(csv);
    ASSERT_TRUE(rows.open(QIODevice::ReadOnly));
    const StepThrough& run = *window.Stepper().Recording();
    EXPECT_EQ(rows.readAll().count('\n') - 1, run.At(run.Events()).counts.steps);
    EXPECT_TRUE(window.ExportStepGif(folder.filePath("run.gif"), FramesPer::Entry));
    EXPECT_TRUE(window.statusBar()->currentMessage().startsWith("Wrote 22 frames"))
        << window.statusBar()->currentMessage().toStdString();
}

TEST_F(CostWindowTest, ATypedListTooLongOrEmptyIsRefusedAndKept)
{
    StepView& stepper = window.Stepper();
    stepper.findChildren<QComboBox*>().front()->setCurrentIndex(2);  // typed
    QPlainTextEdit& typed = *stepper.findChild<QPlainTextEdit*>();
    QString tooLong;
    for (int i = 1; i <= 61; ++i)
        tooLong += QString::number(i) + "\n";
    for (const QString& text : {tooLong, QString()}) {
        typed.setPlainText(text);
        EXPECT_FALSE(stepper.Load());
        EXPECT_EQ(typed.toPlainText(), text) << "nothing lost";
    }
    ASSERT_EQ(complaints.size(), 2);
    EXPECT_TRUE(complaints[0].contains("61 entries")) << complaints[0].toStdString();
    EXPECT_TRUE(complaints[1].contains("holds no entries")) << complaints[1].toStdString();
    for (QComboBox* box : stepper.findChildren<QComboBox*>())
        if (box->accessibleName() == "Routine")
            box->setCurrentIndex(int(Routine::Numbers));  // a blank has no field 0
    typed.setPlainText("3\n\n1");
    ASSERT_TRUE(stepper.Load());
    EXPECT_EQ(stepper.Recording()->Input().entries.size(), 3U) << "a blank line is an entry";
    typed.setPlainText(tooLong.section('\n', 0, 59));
    EXPECT_TRUE(stepper.Load()) << "60 entries, the most";
}

}  // namespace
}  // namespace sentinel
