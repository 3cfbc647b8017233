// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

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
#include <QFileInfo>
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
namespace {

// The program as a script runs it.
struct Ran {
    int exitCode;
    QString out;
    QString error;
};

Ran RunProgram(const QStringList& arguments)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(environment);
    program.start(SENTINEL_COST_PROGRAM, arguments);
    program.waitForFinished(120000);
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// The long options a text names, "--sizes" and the like, roff's "\-\-" read as "--".
QSet<QString> LongOptions(QString text)
{
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    QSet<QString> options;
    const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*[a-z]"));
    for (auto match = option.globalMatch(text); match.hasNext();)
        options.insert(match.next().captured());
    return options;
}

QString Packaged(const char* file)
{
    QFile packaged(QStringLiteral(PACKAGING_DIR "/") + QString::fromUtf8(file));
    EXPECT_TRUE(packaged.open(QIODevice::ReadOnly)) << file;
    return QString::fromUtf8(packaged.readAll());
}

// The manual pages and the completion name every option --help names, and
// no other; --version says the project's version.
TEST(SentinelCostProgram, ManualPagesAndCompletionAgreeWithHelp)
{
    const QSet<QString> help = LongOptions(RunProgram({"--help"}).out);
    EXPECT_GE(help.size(), 13);
    EXPECT_EQ(LongOptions(Packaged("sentinel-cost.1")), help);
    EXPECT_EQ(LongOptions(Packaged("sentinel-cost.bash-completion")), help);
    EXPECT_EQ(RunProgram({"--version"}).out, QStringLiteral("sentinel-cost " PROJECT_VERSION "\n"));

    QProcess frmdemo;
    frmdemo.start(FRMDEMO_PROGRAM, {"--help"});
    ASSERT_TRUE(frmdemo.waitForFinished(30000));
    EXPECT_EQ(LongOptions(Packaged("frmdemo.1")), LongOptions(QString::fromUtf8(frmdemo.readAllStandardOutput())));
    frmdemo.start(FRMDEMO_PROGRAM, {"--version"});
    ASSERT_TRUE(frmdemo.waitForFinished(30000));
    EXPECT_EQ(frmdemo.readAllStandardOutput(), "frmdemo " PROJECT_VERSION "\n");
}

// The completion finishes the name after a comma, and file names with spaces.
TEST(SentinelCostProgram, CompletionFinishesListsAndFileNamesWithSpaces)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("my dir");
    QFile(folder.filePath("my dir/a file.txt")).open(QIODevice::WriteOnly);
    const auto complete = [&](const QString& previous, const QString& current) {
        QProcess bash;
        bash.setWorkingDirectory(folder.path());
        bash.start("bash", {"-c", QStringLiteral("source '%1'; COMP_WORDS=(sentinel-cost %2 \"$0\"); COMP_CWORD=2; "
                                                 "_sentinel_cost; printf '%s\\n' \"${COMPREPLY[@]}\"")
                                      .arg(PACKAGING_DIR "/sentinel-cost.bash-completion", previous),
                            current});
        bash.waitForFinished(10000);
        return QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    };
    EXPECT_EQ(complete("--routines", "SortNumbers,SortS"), (QStringList{"SortNumbers,SortStrings", "SortNumbers,SortStringsUnique"}));
    EXPECT_EQ(complete("--shapes", "random,sor"), QStringList{"random,sorted:"});
    EXPECT_EQ(complete("--input", "my dir/a"), QStringList{"my dir/a file.txt"});
}

// -h and -v answer as --help and --version do, in both programs; the
// window with no display says so on one line and exits with status 1.
TEST(SentinelCostProgram, ShortOptionsAndNoDisplay)
{
    EXPECT_EQ(RunProgram({"-h"}).out, RunProgram({"--help"}).out);
    EXPECT_TRUE(RunProgram({"--help"}).out.contains("  -h, --help"));
    EXPECT_EQ(RunProgram({"-v"}).out, QStringLiteral("sentinel-cost " PROJECT_VERSION "\n"));
    QProcess frmdemo;
    frmdemo.start(FRMDEMO_PROGRAM, {"-v"});
    ASSERT_TRUE(frmdemo.waitForFinished(30000));
    EXPECT_EQ(frmdemo.readAllStandardOutput(), "frmdemo " PROJECT_VERSION "\n");

    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    window.setProcessEnvironment(environment);
    window.start(SENTINEL_COST_PROGRAM, {"--no-first-look"});
    ASSERT_TRUE(window.waitForFinished(60000));
    const QString said = QString::fromUtf8(window.readAllStandardError());
    EXPECT_EQ(window.exitStatus(), QProcess::NormalExit) << "not Qt's abort";
    EXPECT_EQ(window.exitCode(), 1);
    EXPECT_EQ(said.count('\n'), 1) << said.toStdString();
    EXPECT_TRUE(said.startsWith("sentinel-cost: no display is set") && said.contains("xvfb-run -a")
                && said.contains("--csv, --chart or --budget"))
        << said.toStdString();
}

TEST(SentinelCostProgram, HeadlessWritesTheCsvAndTheChartWithNoDisplay)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath("rows.csv");
    const QString png = folder.filePath("chart.png");
    const Ran ran = RunProgram({"--routines", "SortNumbers,SortStringsUnique", "--sizes", "10,20", "--repeat", "1",
                                "--csv", csv, "--chart", png});
    ASSERT_EQ(ran.exitCode, 0) << ran.error.toStdString();
    EXPECT_TRUE(ran.out.contains("SortStringsUnique")) << ran.out.toStdString();
    QFile rows(csv);
    ASSERT_TRUE(rows.open(QIODevice::ReadOnly));
    const QString about = QString::fromUtf8(rows.readLine());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^# sentinel-cost " PROJECT_VERSION
                                                  ", started 20\\d\\d-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ: "
                                                  "--routines SortNumbers,SortStringsUnique --kind numbers "
                                                  "--shapes random,ascending,descending --sizes 10,20 --repeat 1\n$"))
                    .match(about)
                    .hasMatch())
        << about.toStdString() << ": which run the CSV holds";
    EXPECT_EQ(rows.readLine(), "routine,kind,shape,n,repeat,seconds,floor_seconds,identical,keys,steps,placed,"
                               "dropped,moves,level,sortedness,ordered_pairs,unordered_pairs,predicted_steps,"
                               "predicted_moves,shifted,scan\n");
    EXPECT_EQ(rows.readAll().count('\n'), 2 * 3 * 2);
    EXPECT_FALSE(QImage(png).isNull());
    EXPECT_EQ(RunProgram({"--help"}).exitCode, 0);

    const Ran piped = RunProgram({"--sizes", "10", "--repeat", "1", "--csv", "-"});
    ASSERT_EQ(piped.exitCode, 0) << piped.error.toStdString();
    EXPECT_TRUE(piped.out.section('\n', 1).startsWith("routine,kind,shape,")) << "the CSV on standard output";
    EXPECT_EQ(piped.out.count('\n'), 2 + 3);
    EXPECT_TRUE(piped.error.contains("largest n")) << "the summary aside";
}

TEST(SentinelCostProgram, BadInputExitsWithStatusTwoAndOneLineAndWritesNothing)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath("rows.csv");
    const std::string tooMany = folder.filePath("many.txt").toStdString();
    {
        std::ofstream file(tooMany);
        for (int i = 0; i <= 100000; ++i)
            file << i << '\n';
    }
    const QString fieldless = folder.filePath("fieldless.txt");
    std::ofstream(fieldless.toStdString()) << "1,2\n\n3,4\n";
    const QList<QStringList> bad = {
        {"--routines", "SortSideways"}, {"--shapes", "spiral"}, {"--sizes", "0"},   {"--sizes", "100001"},
        {"--sizes", "many"},            {"--input", folder.path()},                 {"--input", folder.filePath("none")},
        {"--input", QString::fromStdString(tooMany)},
        {"--input", fieldless, "--routines", "SortByField", "--chart", folder.filePath("chart.png")},
    };
    for (QStringList arguments : bad) {
        arguments << "--csv" << csv;
        const Ran ran = RunProgram(arguments);
        EXPECT_EQ(ran.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(ran.error.count('\n'), 1) << ran.error.toStdString();
        EXPECT_FALSE(QFile::exists(csv)) << arguments.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(folder.filePath("chart.png"))) << arguments.join(' ').toStdString();
    }
}

// One run exported with no display: a CSV row per test and a GIF; a list of
// 60 entries at the limit, 61 refused; a frame per test past the cap falls
// back, saying so; anything but one routine's run is refused, writing nothing.
// An output that is no regular file is never replaced: a device is written
// into (/dev/full's failure is the system's, exit 2, the other output still
// written), a FIFO's reader gets the CSV, and a directory is refused before
// anything is measured.
TEST(SentinelCostProgram, OutputsThatAreNoFilesAreWrittenIntoOrRefused)
{
    QTemporaryDir folder;
    const QString full = folder.filePath("full"), fifo = folder.filePath("rows.fifo"), chart = folder.filePath("c.png");
    const QStringList plan = {"--sizes", "20", "--repeat", "1", "--shapes", "random"};
    if (mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
        const Ran ran = RunProgram(plan + QStringList{"--csv", full, "--chart", chart});
        EXPECT_EQ(ran.exitCode, 2);
        EXPECT_TRUE(ran.error.contains(full + " could not be written: No space left on device")) << ran.error.toStdString();
        EXPECT_TRUE(QFileInfo(full).exists() && !QFileInfo(full).isFile()) << "still the device";
        EXPECT_TRUE(QFileInfo(chart).size() > 0) << "the other output is written";
    }
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QProcess reader;
    reader.start(QStringLiteral("cat"), {fifo});
    ASSERT_TRUE(reader.waitForStarted());
    EXPECT_EQ(RunProgram(plan + QStringList{"--csv", fifo}).exitCode, 0);
    ASSERT_TRUE(reader.waitForFinished(30000));
    EXPECT_TRUE(reader.readAllStandardOutput().startsWith("# sentinel-cost "));
    EXPECT_FALSE(QFileInfo(fifo).isFile()) << "still the FIFO";

    const Ran refused = RunProgram(plan + QStringList{"--csv", folder.path()});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.error, QStringLiteral("sentinel-cost: --csv: %1 cannot be written: Is a directory\n").arg(folder.path()));
    EXPECT_TRUE(refused.out.isEmpty()) << "refused before measuring";
}

TEST(SentinelCostProgram, ExportsOneStepThroughRunWithNoDisplay)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath("run.csv");
    const QString gif = folder.filePath("run.gif");
    Ran ran = RunProgram({"--step-csv", csv, "--step-gif", gif, "--routines", "SortByFieldUnique", "--field", "1"});
    ASSERT_EQ(ran.exitCode, 0) << ran.error.toStdString();
    QFile rows(csv);
    ASSERT_TRUE(rows.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(rows.readAll()).split('\n', Qt::SkipEmptyParts);
    const StepThrough run(StartUpStepInput(Routine::ByFieldUnique, 1));
    EXPECT_EQ(lines.size() - 1, run.At(run.Events()).counts.steps);
    QFile image(gif);
    ASSERT_TRUE(image.open(QIODevice::ReadOnly));
    const QByteArray head = image.read(8);
    EXPECT_EQ(head.left(6), "GIF89a");
    EXPECT_EQ(static_cast<unsigned char>(head[6]) + 256 * static_cast<unsigned char>(head[7]), 900);

    const auto listOf = [&folder](int entries) {
        const QString path = folder.filePath(QStringLiteral("list%1.txt").arg(entries));
        std::ofstream file(path.toStdString());
        for (int i = 1; i <= entries; ++i)
            file << i << '\n';
        return path;
    };
    ran = RunProgram({"--step-gif", gif, "--routines", "SortNumbers", "--input", listOf(60)});
    EXPECT_EQ(ran.exitCode, 0);
    EXPECT_TRUE(ran.error.contains("1951 frames")) << ran.error.toStdString();
    EXPECT_TRUE(ran.error.contains("a frame per entry instead (61 frames)")) << ran.error.toStdString();

    QFile::remove(csv);
    const QList<QStringList> bad = {{"--routines", "SortNumbers,SortStrings"},
                                    {"--routines", "SortNumbers", "--input", listOf(61)},
                                    {"--frames", "every"},
                                    {"--field", "100"},
                                    {"--csv", folder.filePath("sweep.csv")}};
    for (QStringList arguments : bad) {
        arguments << "--step-csv" << csv;
        ran = RunProgram(arguments);
        EXPECT_EQ(ran.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(ran.error.count('\n'), 1) << ran.error.toStdString();
        EXPECT_FALSE(QFile::exists(csv)) << arguments.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace sentinel
