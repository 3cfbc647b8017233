// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>

#include "app/frm_demo.h"
#include "runtime/conversions.h"
#include "support/form.h"

namespace sentinel {
namespace {

QString Name(const ControlRow& row)
{
    return QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size()));
}

QString ToQ(TextView text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

int Twips(int pixels, qreal dotsPerInch)
{
    return qRound(pixels * 1440.0 / dotsPerInch);
}

QStringList RowsOf(const QListWidget& list)
{
    QStringList rows;
    for (int row = 0; row < list.count(); ++row)
        rows.append(list.item(row)->text());
    return rows;
}

QStringList ToQ(const std::vector<Text>& rows)
{
    QStringList list;
    for (const Text& row : rows)
        list.append(ToQ(row));
    return list;
}

class FrmDemoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<FrmDemo>([this](const RuntimeError& error) { errors.push_back(error); });
        window->show();
    }

    template <class Widget>
    Widget& Control(const ControlRow& row)
    {
        auto* widget = window->findChild<Widget*>(Name(row));
        if (!widget)
            throw std::runtime_error("no control " + std::string(row.name));
        return *widget;
    }

    QPushButton& Button(std::string_view name)
    {
        for (const ControlRow& row : kControls)
            if (row.name == name)
                return Control<QPushButton>(row);
        throw std::runtime_error("no button " + std::string(name));
    }

    // Every list and label shows what the form state holds.
    void ExpectWidgetsShowTheForm()
    {
        for (const ControlRow& row : kControls) {
            if (row.list) {
                EXPECT_EQ(RowsOf(Control<QListWidget>(row)), ToQ((window->Form().*row.list).Rows())) << row.name;
            }
            if (row.label) {
                EXPECT_EQ(Control<QLabel>(row).text(), ToQ((window->Form().*row.label).Caption())) << row.name;
            }
        }
    }

    std::unique_ptr<FrmDemo> window;
    std::vector<RuntimeError> errors;
};

TEST_F(FrmDemoTest, BuildsTheEighteenControlsAsTheTableSays)
{
    const qreal dpiX = window->screen()->logicalDotsPerInchX();
    const qreal dpiY = window->screen()->logicalDotsPerInchY();
    EXPECT_EQ(window->windowTitle(), "FrmDemo");
    EXPECT_NEAR(Twips(window->width(), dpiX), kClientWidthTwips, 15);
    EXPECT_NEAR(Twips(window->height(), dpiY), kClientHeightTwips, 15);
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed size";
    EXPECT_EQ(window->children().size(), static_cast<int>(kControls.size()));

    for (const ControlRow& row : kControls) {
        QWidget& widget = Control<QWidget>(row);
        EXPECT_NEAR(Twips(widget.x(), dpiX), row.place.left, 15) << row.name;
        EXPECT_NEAR(Twips(widget.y(), dpiY), row.place.top, 15) << row.name;
        EXPECT_EQ(widget.accessibleDescription(), Name(row)) << row.name;
        switch (row.kind) {
        case ControlKind::Button:
            EXPECT_EQ(Control<QPushButton>(row).text(), ToQ(row.caption)) << row.name;
            EXPECT_EQ(widget.isEnabled(), row.available) << row.name;
            EXPECT_TRUE(widget.accessibleName().isEmpty()) << row.name << ": the caption is the name";
            EXPECT_NEAR(Twips(widget.width(), dpiX), row.place.width, 15) << row.name;
            EXPECT_NEAR(Twips(widget.height(), dpiY), row.place.height, 15) << row.name;
            break;
        case ControlKind::ListBox: {
            auto& list = Control<QListWidget>(row);
            EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection) << row.name;
            EXPECT_FALSE(list.isSortingEnabled()) << row.name;
            EXPECT_EQ(list.accessibleName(), Name(row)) << row.name;
            EXPECT_NEAR(Twips(widget.width(), dpiX), row.place.width, 15) << row.name;
            EXPECT_NEAR(Twips(widget.height(), dpiY), row.place.height, 15) << row.name;
            break;
        }
        case ControlKind::Label:
            EXPECT_EQ(Control<QLabel>(row).text(), "Label1") << row.name;
            EXPECT_TRUE(widget.accessibleName().isEmpty()) << row.name << ": the text is the name";
            break;
        }
    }
    EXPECT_EQ(RowsOf(Control<QListWidget>(kControls[0])), ToQ(kStartUpTexts));
    ExpectWidgetsShowTheForm();
}

TEST_F(FrmDemoTest, TabOrderFollowsTheTable)
{
    QStringList expected;
    for (const ControlRow& row : kControls)
        expected.append(Name(row));
    QStringList chain;  // the window's own controls, not the parts of a list box
    QWidget* first = &Control<QWidget>(kControls.front());
    QWidget* widget = first;
    do {
        if (widget->parentWidget() == window.get())
            chain.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != first);
    EXPECT_EQ(chain, expected);
}

TEST_F(FrmDemoTest, LabelsAreNeverClipped)
{
    for (const ControlRow& row : kControls) {
        if (row.kind == ControlKind::Label) {
            const QLabel& label = Control<QLabel>(row);
            EXPECT_GE(label.width(), label.sizeHint().width()) << row.name;
        }
    }
    QTest::mouseClick(&Button("CmdSortNum"), Qt::LeftButton);
    const QLabel& time = *window->findChild<QLabel*>("lblSortTime");
    EXPECT_TRUE(time.text().startsWith("Elapsed time:  "));
    EXPECT_GE(time.width(), time.sizeHint().width());
    EXPECT_GT(time.width(), time.fontMetrics().horizontalAdvance("Elapsed time:  0.000000") );
}

// Each available button on the start-up data, with an effect that only its
// own handler has: a miswired button shows another count or another list.
TEST_F(FrmDemoTest, EachButtonRunsItsOwnHandler)
{
    struct Effect {
        const char* button;
        const char* list;
        int rows;
        const char* label;
        QString caption;
    };
    const Effect effects[] = {
        {"CmdSortNum", "List2", 21, "Lbl2", "unSort Num= 21"},
        {"cmdDuplicate", "List3", 6, "Lbl3", "dulpictate Num= 6"},
        {"CmdSortStr", "List2", 13, "Lbl2", "unSort Num= 13"},
        {"CmdSortStr_Duplicate", "List3", 3, "Lbl3", "Duplicate Str Num= 3"},
        {"CmdHiLo", "List1", 11, "Lbl1", "Label1"},
        {"CmdCreateNumber", "List1", 1000, "Lbl1", "unSort Num= 1000"},
        {"CmdCreateString", "List1", 1000, "Lbl1", "Label1"},
    };
    for (const Effect& effect : effects) {
        SetUp();  // a new window with the start-up data
        QTest::mouseClick(&Button(effect.button), Qt::LeftButton);
        EXPECT_EQ(window->findChild<QListWidget*>(effect.list)->count(), effect.rows) << effect.button;
        EXPECT_EQ(window->findChild<QLabel*>(effect.label)->text(), effect.caption) << effect.button;
        ExpectWidgetsShowTheForm();
    }
    EXPECT_EQ(window->findChild<QListWidget*>("List1")->item(0)->text().size(), 4) << "CreateString lists words";
    EXPECT_TRUE(errors.empty());
}

TEST_F(FrmDemoTest, LabelsStayUnderTheButtons)
{
    const QObjectList stack = window->children();  // bottom first
    for (const QLabel* label : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        for (const QPushButton* button : window->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
            EXPECT_LT(stack.indexOf(label), stack.indexOf(button)) << label->objectName().toStdString();
}

TEST_F(FrmDemoTest, ReturnAndEnterClickTheFocusedButton)
{
    QPushButton& hiLo = Button("CmdHiLo");
    hiLo.setFocus();
    QTest::keyClick(&hiLo, Qt::Key_Return);
    EXPECT_EQ(window->findChild<QListWidget*>("List1")->count(), 11);
    QPushButton& sortNum = Button("CmdSortNum");
    sortNum.setFocus();
    QTest::keyClick(&sortNum, Qt::Key_Enter);
    EXPECT_EQ(window->findChild<QLabel*>("Lbl2")->text(), "unSort Num= 21");
}

// The measured span of CreateNumber holds every row the list box on the
// screen receives, not only the form's own list.
TEST_F(FrmDemoTest, CreateNumberTimesTheListTheUserSees)
{
    using Clock = std::chrono::steady_clock;
    QListWidget& list = *window->findChild<QListWidget*>("List1");
    std::vector<Clock::time_point> arrivals;
    QObject::connect(list.model(), &QAbstractItemModel::rowsInserted, [&] { arrivals.push_back(Clock::now()); });
    QTest::mouseClick(&Button("CmdCreateNumber"), Qt::LeftButton);
    ASSERT_EQ(list.count(), 1000);
    ASSERT_FALSE(arrivals.empty());
    const FormState& form = window->Form();
    const auto spanEnd = form.sngStart + std::chrono::duration<double>(form.sngElapsed + 1e-6);
    EXPECT_LE(form.sngStart, arrivals.front());
    EXPECT_LE(arrivals.back(), spanEnd) << "rows reached the screen after the clock stopped";
}

TEST(FrmDemoFont, EveryCaptionFitsItsButtonAtCommonSystemSizes)
{
    const QFont system = QApplication::font();
    for (const int points : {9, 10, 11, 12}) {
        QFont font = system;
        font.setPointSize(points);
        QApplication::setFont(font);
        const FrmDemo window([](const RuntimeError&) {});
        // Half a point larger than the form took, some caption would not fit:
        // the font steps down only as far as the widest caption needs.
        QFont larger = window.font();
        larger.setPointSizeF(larger.pointSizeF() + 0.5);
        bool largerFitsAll = true;
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.features = QStyleOptionButton::AutoDefaultButton;
            const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
            const int needed = button->fontMetrics().horizontalAdvance(button->text()) + margin;
            EXPECT_LE(needed, contents.width()) << points << " pt: " << button->objectName().toStdString();
            // What a caption needs: its text, the margin, the frame and a default button's frame.
            const QStyle& style = *button->style();
            largerFitsAll = largerFitsAll
                && QFontMetrics(larger).size(Qt::TextShowMnemonic, button->text()).width()
                        + style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                        + 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button)
                        + 2 * style.pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, button)
                    <= button->width();
        }
        if (window.font().pointSizeF() < points) {
            EXPECT_FALSE(largerFitsAll) << points << " pt: stepped down further than needed";
        }
        EXPECT_GE(window.font().pointSizeF(), 7.0);
        EXPECT_LE(window.font().pointSizeF(), points);
        std::printf("system font %d pt: the form takes %.1f pt\n", points, window.font().pointSizeF());
    }
    QApplication::setFont(system);
}

// Started as a user starts it: on any platform Qt knows, and with one plain
// line when there is no display at all.
TEST(FrmDemoProgram, StartsOnTheOffscreenPlatformAndSaysSoWhenThereIsNoDisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);

    QProcess offscreen;
    offscreen.setProcessEnvironment(environment);
    offscreen.start(FRMDEMO_PROGRAM, {"-platform", "offscreen"});
    ASSERT_TRUE(offscreen.waitForStarted());
    EXPECT_FALSE(offscreen.waitForFinished(1500)) << offscreen.readAllStandardError().toStdString();
    offscreen.kill();
    offscreen.waitForFinished();

    QProcess noDisplay;
    noDisplay.setProcessEnvironment(environment);
    noDisplay.start(FRMDEMO_PROGRAM, {});
    ASSERT_TRUE(noDisplay.waitForFinished(60000));
    const QString said = QString::fromUtf8(noDisplay.readAllStandardError());
    EXPECT_EQ(noDisplay.exitCode(), EXIT_FAILURE);
    EXPECT_EQ(said.count('\n'), 1) << said.toStdString();
    EXPECT_TRUE(said.contains("no display is set") && said.contains("xvfb-run -a")) << said.toStdString();
}

TEST_F(FrmDemoTest, UnavailableButtonsCannotBeClicked)
{
    for (const char* name : {"CmdSort", "CmdRemoveDuplicate", "CmdSortAng", "Command1"}) {
        QTest::mouseClick(&Button(name), Qt::LeftButton);
        Button(name).click();
    }
    EXPECT_TRUE(window->Form().List2.Rows().empty());
    EXPECT_TRUE(window->Form().List3.Rows().empty());
    EXPECT_EQ(Texts(window->Form().colItems), kStartUpTexts);
}

TEST_F(FrmDemoTest, WhileAnErrorIsReportedTheWindowShowsWhatTheHandlerLeft)
{
    QString timeShown;
    int rowsShown = -1;
    window = std::make_unique<FrmDemo>([&](const RuntimeError& error) {
        errors.push_back(error);
        timeShown = window->findChild<QLabel*>("lblSortTime")->text();
        rowsShown = window->findChild<QListWidget*>("List2")->count();
    });
    QTest::mouseClick(&Button("CmdSortNum"), Qt::LeftButton);  // 21 rows in List2 to be cleared
    std::vector<Value> many;
    for (int i = 1; i <= 32768; ++i)
        many.emplace_back(RightAlign(WholeNumberText(i), 3));
    window->Form().colItems = std::make_shared<Collection>(std::move(many));
    QTest::mouseClick(&Button("CmdSortNum"), Qt::LeftButton);
    ASSERT_EQ(errors.size(), 1U);
    EXPECT_EQ(errors[0].Kind(), ErrorKind::Overflow);
    EXPECT_TRUE(IsElapsedTimeText(timeShown.toStdU16String())) << "the time is shown before the error";
    EXPECT_EQ(rowsShown, 0) << "List2 is cleared before the error";
    EXPECT_EQ(window->findChild<QLabel*>("Lbl2")->text(), "unSort Num= 21");
}

TEST(ErrorMessage, ShowsNumberAndDescriptionThenEndsTheProgram)
{
    QString shownTitle;
    QString shownText;
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shownTitle = box->windowTitle();
            shownText = box->text();
            box->accept();
        }
    });
    dismiss.start(10);
    const RuntimeError error(ErrorKind::Overflow, "32768 does not fit");
    FrmDemo::ShowErrorAndQuit(error);
    dismiss.stop();
    EXPECT_EQ(shownTitle, "FrmDemo");
    EXPECT_TRUE(shownText.contains(QString::number(error.Number()))) << shownText.toStdString();
    EXPECT_TRUE(shownText.contains(QString::fromStdString(error.Description()))) << shownText.toStdString();
    EXPECT_EQ(QApplication::exec(), EXIT_FAILURE);
}

// The program's own error path, in a process of its own: the error box shows
// the number and description, and the program then ends with a failure status
// instead of crashing (an exception crossing Qt's event loop would abort it).
TEST(ErrorMessage, EndsTheRealProgramAfterTheUserDismissesIt)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(ERROR_PATH_PROBE, {});
    ASSERT_TRUE(program.waitForFinished(60000));
    const QString shown = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), EXIT_FAILURE);
    EXPECT_TRUE(shown.startsWith("FrmDemo\n")) << shown.toStdString();
    const RuntimeError overflow(ErrorKind::Overflow, "40000 does not fit a 16-bit counter (-32768 to 32767)");
    EXPECT_TRUE(shown.contains(QString::number(overflow.Number()))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString::fromStdString(overflow.Description()))) << shown.toStdString();
}

}  // namespace
}  // namespace sentinel

// Lets GoogleTest print Qt texts in failure messages.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{' << texts.join(", ").toStdString() << '}';
}
