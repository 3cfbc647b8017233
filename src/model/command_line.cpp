// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/command_line.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "cost/input_error.h"
#include "cost/output_file.h"
#include "cost/text_file.h"
#include "model/plan_text.h"

namespace sentinel {
namespace {

// The items of an option's list, or InputError naming the option and the item refused.
template <class Item>
std::vector<Item> Items(std::string_view option, ReadList<Item> read)
{
    if (!read.problem.empty())
        throw InputError(std::string(option) + ": " + read.problem);
    return std::move(read.items);
}

int WholeNumber(std::string_view option, std::string_view text, int low, int high)
{
    return Items(option, ReadWholeNumber(text, low, high)).front();
}

// "1s", "250ms", "2.5s", "3min": a positive duration, in seconds.
double TimeSpan(std::string_view option, std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const std::string_view unit(end, static_cast<std::size_t>(text.data() + text.size() - end));
    const double scale = unit == "s" ? 1 : unit == "ms" ? 1e-3 : unit == "min" ? 60 : 0;
    if (error != std::errc() || scale == 0 || !(value > 0) || value * scale > 24 * 3600)
        throw InputError(std::string(option) + ": \"" + std::string(text)
                         + "\" is not a time such as 1s, 250ms or 2min (at most a day)");
    return value * scale;
}

// What the options given leave to their defaults.
constexpr int kMostFieldIndex = 99;

struct Given {
    bool routines = false;
    bool kind = false;
    bool shapes = false;
    bool sizes = false;
    bool orderSweep = false;
};

// FROM:TO:STEP, sortedness levels from 0 to 1: the shapes of an order sweep.
std::vector<Shape> OrderSweep(std::string_view value)
{
    double bounds[3] = {0, 0, 0};
    std::size_t start = 0;
    for (std::size_t part = 0; part < 3; ++part) {
        const std::size_t colon = part < 2 ? value.find(':', start) : value.size();
        const std::string_view text = value.substr(start, colon == std::string_view::npos ? 0 : colon - start);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), bounds[part]);
        if (colon == std::string_view::npos || text.empty() || error != std::errc() || end != text.data() + text.size())
            throw InputError("--order-sweep: \"" + std::string(value) + "\" is not FROM:TO:STEP, e.g. 0:1:0.1");
        start = colon + 1;
    }
    const auto [from, to, step] = bounds;
    const double levels = (to - from) / step;
    if (!(from >= 0 && to <= 1 && from < to && step > 0) || levels > 100 || std::abs(levels - std::round(levels)) > 1e-9)
        throw InputError("--order-sweep: levels must run from FROM to TO (0 to 1) in at most 100 whole steps of STEP");
    return OrderSweepShapes(from, to, static_cast<int>(std::lround(levels)) + 1);
}

// Takes an option of what to measure into the plan; false when it is none.
bool TakePlanOption(std::string_view option, std::string_view value, CommandLine& line, Given& given)
{
    if (option == "--routines") {
        line.plan.routines = Items(option, ReadRoutines(value));
        given.routines = true;
    } else if (option == "--kind") {
        const auto kind = KindNamed(value);
        if (!kind || kind == InputKind::File)
            throw InputError("--kind: unknown value \"" + std::string(value) + "\" (numbers, words, vectors or pairs)");
        line.plan.kind = *kind;
        given.kind = true;
    } else if (option == "--input") {
        line.plan.inputPath = value;
    } else if (option == "--shapes") {
        line.plan.shapes = Items(option, ReadShapes(value));
        given.shapes = true;
    } else if (option == "--sizes") {
        line.plan.sizes = Items(option, ReadSizes(value));
        given.sizes = true;
    } else if (option == "--repeat") {
        line.plan.repeat = WholeNumber(option, value, 1, kMostRepeats);
    } else if (option == "--order-sweep") {
        line.plan.shapes = OrderSweep(value);
        given.orderSweep = true;
    } else {
        return false;
    }
    line.planGiven = true;
    return true;
}

// Takes an option of what to write, or of the step-through's run.
void TakeOutputOption(std::string_view option, std::string_view value, CommandLine& line)
{
    if (option == "--budget") {
        line.budgetSeconds = TimeSpan(option, value);
    } else if (option == "--csv") {
        line.csvPath = value == "/dev/stdout" ? "-" : value;
    } else if (option == "--chart") {
        line.chartPath = value;
    } else if (option == "--step-csv") {
        line.stepCsvPath = value;
    } else if (option == "--step-gif") {
        if (!value.ends_with(".gif"))
            throw InputError("--step-gif: \"" + std::string(value) + "\" does not end in .gif: the animation is a GIF");
        line.stepGifPath = value;
    } else if (option == "--frames") {
        if (value != "test" && value != "entry")
            throw InputError("--frames: unknown value \"" + std::string(value) + "\" (test or entry)");
        line.frames = value == "test" ? FramesPer::Test : FramesPer::Entry;
    } else if (option == "--field") {
        line.fieldIndex = static_cast<std::int16_t>(WholeNumber(option, value, 0, kMostFieldIndex));
    } else {
        throw InputError("unknown option " + std::string(option) + " (see --help)");
    }
}

// Takes one option and its value into the command line.
void TakeOption(std::string_view option, std::string_view value, CommandLine& line, Given& given)
{
    if (!TakePlanOption(option, value, line, given))
        TakeOutputOption(option, value, line);
}

// A step export runs one routine on a short list, and nothing else.
void CheckStepExport(CommandLine& line, const Given& given)
{
    if (!line.csvPath.empty() || !line.chartPath.empty() || line.budgetSeconds > 0 || given.kind || given.shapes
        || given.sizes || given.orderSweep)
        throw InputError("--step-csv and --step-gif export one run: they take only --routines, --input, --field and "
                         "--frames");
    if (!given.routines)
        line.plan.routines = {Routine::ByField};
    if (line.plan.routines.size() != 1)
        throw InputError("--step-csv and --step-gif step through one routine: give --routines one name");
    if (line.plan.FileEntries().size() > kMostStepEntries)
        throw InputError(line.plan.inputPath + " has " + std::to_string(line.plan.FileEntries().size()) + " entries; at most "
                         + std::to_string(kMostStepEntries) + " can be stepped through");
}

// Reads the file of --input and fills in what was not given.
void CompletePlan(CommandLine& line, const Given& given)
{
    if (given.kind && !line.plan.inputPath.empty())
        throw InputError("--kind and --input exclude each other");
    if (given.orderSweep && (given.shapes || !line.plan.inputPath.empty()))
        throw InputError("--order-sweep makes its own inputs: it takes neither --shapes nor --input");
    if (given.orderSweep && given.sizes && line.plan.sizes.size() != 1)
        throw InputError("--order-sweep measures at one size: give --sizes one n");
    if (!line.plan.inputPath.empty())
        line.plan.UseFile(line.plan.inputPath, ReadEntries(line.plan.inputPath));
    if (line.plan.routines.empty())
        line.plan.routines = {DefaultRoutine(line.plan.kind)};
    if (given.orderSweep && !given.sizes)
        line.plan.sizes = {kDefaultOrderSweepSize};
    if (!given.shapes && !given.orderSweep)
        line.plan.shapes = DefaultShapesFor(line.plan);
    if (!given.sizes && !given.orderSweep)
        line.plan.sizes = DefaultSizesFor(line.plan);
}

// Qt's own options, which a QApplication takes: those after the first word
// take a value.
constexpr std::string_view kQtFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};
constexpr std::string_view kQtOptionsWithValue[] = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry", "-qwindowicon",
    "-qwindowtitle", "-session", "-style", "-stylesheet", "-display", "-geometry"};

// How many arguments a Qt option at `option` takes up: 0 when it is not one.
std::size_t QtOptionLength(std::string_view option)
{
    if (!option.starts_with('-') || option.starts_with("--"))
        return 0;
    const std::string_view name = option.substr(0, option.find('='));
    if (std::find(std::begin(kQtFlags), std::end(kQtFlags), name) != std::end(kQtFlags))
        return 1;
    if (std::find(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue), name) != std::end(kQtOptionsWithValue))
        return name.size() < option.size() ? 1 : 2;
    return 0;
}

// Refuses, before anything is measured, a path that cannot be opened for
// writing, with the system's reason.
void CheckWritable(std::string_view option, const std::string& path)
{
    if (const std::string reason = WritableProblem(path); !reason.empty())
        throw InputError(std::string(option) + ": " + path + " cannot be written: " + reason);
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments)
{
    CommandLine line;
    Given given;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view option = arguments[i];
        if (option == "--help" || option == "-h") {
            line.help = true;
            return line;
        }
        if (option == "--version" || option == "-v") {
            line.version = true;
            return line;
        }
        if (option == "--no-first-look") {
            line.firstLook = false;
            continue;
        }
        if (const std::size_t length = QtOptionLength(option)) {
            if (i + length > arguments.size())
                throw InputError(std::string(option) + " needs a value");
            i += length - 1;
            continue;
        }
        if (!option.starts_with('-') && line.plan.inputPath.empty()) {
            line.plan.inputPath = option;  // a file named alone is the input
            line.planGiven = true;
            continue;
        }
        if (i + 1 == arguments.size() || !option.starts_with("--"))
            throw InputError(option.starts_with("--") ? std::string(option) + " needs a value"
                                                      : "unknown argument \"" + std::string(option) + "\"");
        TakeOption(option, arguments[++i], line, given);
    }
    if (line.StepExport()) {
        if (!line.plan.inputPath.empty())
            line.plan.UseFile(line.plan.inputPath, ReadEntries(line.plan.inputPath));
        CheckStepExport(line, given);
    } else {
        CompletePlan(line, given);
        CheckPlan(line.plan);
    }
    if (!line.stepCsvPath.empty() && line.stepCsvPath != "-")
        CheckWritable("--step-csv", line.stepCsvPath);
    if (!line.stepGifPath.empty())
        CheckWritable("--step-gif", line.stepGifPath);
    if (!line.csvPath.empty() && line.csvPath != "-")
        CheckWritable("--csv", line.csvPath);
    if (!line.chartPath.empty())
        CheckWritable("--chart", line.chartPath);
    return line;
}

namespace {

// Where --help describes the shapes, which the shape table words.
constexpr std::string_view kShapesMark = "@SHAPES@\n";

constexpr std::string_view kHelpPattern = R"(sentinel-cost: how the cost of sorting by sentinel insertion grows with size and input order.

Without --csv, --chart or --budget it opens the explorer window. With any of
them it runs headless (no display needed), prints a summary, the cost model
of each routine and the budget asked for, and writes the files. With
--step-csv or --step-gif it steps through one run instead and writes those.

Usage:
  sentinel-cost [options] [FILE]
  sentinel-cost [--routines LIST] [--kind KIND | --input FILE] [--shapes LIST]
                [--sizes LIST] [--repeat N] [--csv FILE] [--chart FILE.png]
  sentinel-cost --order-sweep FROM:TO:STEP [--sizes N] [--routines LIST]
                [--kind KIND] [--repeat N] [--csv FILE] [--chart FILE.png]
  sentinel-cost [--step-csv FILE] [--step-gif FILE.gif] [--routines ROUTINE]
                [--input FILE] [--field N] [--frames test|entry]

Options:
  --routines LIST  routines to measure, comma-separated: SortNumbers,
                   SortNumbersUnique, SortStrings, SortStringsUnique,
                   SortByField, SortByFieldUnique (field 0), SortPairsByNumber,
                   SortPairsByNumberUnique; and two variants of SortNumbers,
                   SortNumbersFromHigh (the scan from the high end) and
                   SortNumbersBinary (binary search for the gap). Default: the
                   kind's own routine.
  --kind KIND      made input: numbers (number texts 1 to 9999, as CreateNumber
                   makes them), words (four capitals, as CreateString makes
                   them), vectors ("x,y,z" texts) or pairs (whole numbers with
                   a companion list). Default: numbers.
  --input FILE     measure a UTF-8 text file instead, one entry a line, at most
                   100000 entries; a size takes its first n entries. A FILE
                   named alone, with no option before it, is the same.
@SHAPES@
                   Default: random,ascending,descending; a file is measured as
                   given.
  --order-sweep FROM:TO:STEP
                   inputs of distinct keys whose sortedness (ordered pairs over
                   all pairs) runs from FROM to TO in steps of STEP, at one size
                   (default 2000), e.g. 0:1:0.1; --chart then draws cost
                   against order.
  --sizes LIST     sizes n, comma-separated, each 1 to 100000.
                   Default: 250,500,1000,2000,4000,8000,16000; a file: all of it.
  --repeat N       measurements of each routine, shape and size (1 to 100).
                   Default: 5.
  --csv FILE       write every measurement as CSV (FILE - for standard output,
                   the summary then goes to standard error):
                   routine,kind,shape,n,repeat,seconds,floor_seconds,identical,
                   keys,steps,placed,dropped,moves,level,sortedness,
                   ordered_pairs,unordered_pairs,predicted_steps,
                   predicted_moves,shifted,scan
  --budget TIME    after the sweep, the largest n (at most 100000) that each
                   routine sorts on each shape within TIME (1s, 250ms, 2min),
                   from the cost model fitted to the measurements.
  --chart FILE     write the chart of time against n as a PNG image (of cost
                   against order for an order sweep).
  --step-csv FILE  step through one run instead of sweeping, and write every
                   position its scan tested as CSV (FILE - for standard
                   output): entry,key,position,low_key,high_key,verdict,line. The
                   run is --routines' one routine (default SortByField) on the
                   --input file's entries (at most 60) or else the demo's 21
                   start-up vectors, keyed on field --field.
  --step-gif FILE  the same run as a looping animated GIF, 900 pixels wide, as
                   the Step through tab draws it, the routine's code below.
  --frames WHICH   the GIF's frames: test (a frame per event of the run, the
                   default) or entry (a frame per entry placed or dropped). A
                   frame per test that would pass 500 frames falls back to a
                   frame per entry, and says so.
  --field N        the field SortByField and SortByFieldUnique key on when
                   stepping through (0 to 99). Default: 0.
  --no-first-look  the window starts without measuring the plan it shows
                   (which it does at start when that takes under a second).
                   A plan given on the command line is shown ready to run,
                   and not measured until Run.
  -h, --help       show this text.
  -v, --version    show the version.

The window also takes Qt's own options, such as -platform offscreen or
-style Fusion.

A bad argument or file exits with status 2 and one line on standard error,
and writes nothing. A result that differs from the standard stable sort's, or
counts that differ from the law's prediction, exit with status 1 after the
files are written: that would be a fault of this program.
)";

// `words` filled into lines of at most 79 characters, the first after
// `first`, the others indented to its width.
std::string Filled(std::string_view first, const std::string& words)
{
    const std::string indent(first.size(), ' ');
    std::string text(first), line;
    std::size_t start = 0;
    while (start < words.size()) {
        const std::size_t space = std::min(words.find(' ', start), words.size());
        const std::string_view word = std::string_view(words).substr(start, space - start);
        if (!line.empty() && text.size() - text.rfind('\n') + line.size() + word.size() > 79) {
            text += line + '\n' + indent;
            line.clear();
        }
        if (!line.empty())
            line += ' ';
        line += word;
        start = space + 1;
    }
    return text + line + '\n';
}

// The made shapes, as the shape table names and describes them.
std::string ShapesHelp()
{
    std::string words = "input orders, comma-separated:";
    for (const ShapeFamily& family : ShapeFamilies()) {
        if (!family.made)
            continue;
        std::string said = family.description;
        if (family.TakesParameter())
            said += "; default " + NameOf(DefaultShape(family.kind)).substr(family.name.size() + 1);
        words.append(" ").append(family.Syntax());
        if (!said.empty())
            words.append(" (").append(said).append(")");
        words += ',';
    }
    words.back() = '.';
    return Filled("  --shapes LIST    ", words);
}

}  // namespace

std::string HelpText()
{
    std::string text(kHelpPattern);
    text.replace(text.find(kShapesMark), kShapesMark.size(), ShapesHelp());
    return text;
}

}  // namespace sentinel
