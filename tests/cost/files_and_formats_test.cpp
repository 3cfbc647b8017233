// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <unistd.h>

#include <sys/stat.h>

#include <cstdio>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/command_line.h"
#include "cost/csv.h"
#include "cost/input_error.h"
#include "cost/text_file.h"
#include "support/text.h"

namespace sentinel {
namespace {

// A folder of the test's own, made afresh and removed with everything in it.
class OwnFolder {
public:
    OwnFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "sentinel-test.XXXXXX").string();  // mkdtemp makes it unique
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~OwnFolder() { std::filesystem::remove_all(path_); }
    OwnFolder(const OwnFolder&) = delete;
    OwnFolder& operator=(const OwnFolder&) = delete;

    const std::string& Path() const noexcept { return path_; }

private:
    std::string path_;
};

// The law's columns follow the counts, then the scan's width; level and
// sortedness are blank where there are none.
TEST(Csv, WritesTheHeaderAndOneLinePerMeasurement)
{
    std::ostringstream out;
    const CostLaw law{{375000, 124500, 0.75}, {1002, 376000, 1000, 0, 125500}, {}};
    WriteCsv(out, {{Routine::NumbersUnique, InputKind::Numbers, {ShapeKind::Sorted, 0.75}, 1000, 2, 0.00125, 0.0005,
                    true, {1002, 376000, 1000, 0, 125500, 9000}, law, ScanPath::Avx512},
                   {Routine::Pairs, InputKind::File, Shape::AsGiven, 1, 1, 1e-6, 2e-6, false, {3, 1, 1, 0, 1, 1},
                    {{0, 0, std::nullopt}, {3, 1, 1, 0, 1}, {}}, ScanPath::Sse2}});
    EXPECT_EQ(out.str(),
              "routine,kind,shape,n,repeat,seconds,floor_seconds,identical,keys,steps,placed,dropped,moves,"
              "level,sortedness,ordered_pairs,unordered_pairs,predicted_steps,predicted_moves,shifted,scan\n"
              "SortNumbersUnique,numbers,sorted:0.75,1000,2,0.00125,0.0005,true,1002,376000,1000,0,125500,"
              "0.75,0.75,375000,124500,376000,125500,9000,avx512\n"
              "SortPairsByNumber,file,given,1,1,1e-06,2e-06,false,3,1,1,0,1,,,0,0,1,1,1,sse2\n");
}

// A result that differs from the floor's, or counts the law did not
// predict, is a fault of the program, named with its row.
TEST(Measurement, FirstFaultNamesTheRow)
{
    Measurement row{Routine::Numbers, InputKind::Numbers, Shape::Random, 2, 1, 1e-6, 1e-6, true, {4, 3, 2, 0, 3, 2},
                    {{1, 0, 1.0}, {4, 3, 2, 0, 3}, {}}};
    EXPECT_EQ(FirstFault({row}), std::nullopt);
    Measurement miscounted = row;
    miscounted.repeat = 2;
    ++miscounted.counts.steps;  // a counter that disagrees with the law
    EXPECT_EQ(FirstFault({row, miscounted}),
              "SortNumbers, random, n = 2, run 2: the counted steps 4 and moves 3 differ from the predicted 3 and 3");
    Measurement differing = row;
    differing.identical = false;
    EXPECT_EQ(FirstFault({differing, miscounted}), "SortNumbers, random, n = 2, run 1: the result differs from the floor's");
}

TEST(TextFile, ReadsLinesAndRefusesWhatIsNotATextOfEntries)
{
    const struct {
        const char* name;
        std::string bytes;
        std::vector<Text> entries;
    } cases[] = {
        {"LF, CR LF and CR", "b\r\na\rc\nd", {u"b", u"a", u"c", u"d"}},
        {"UTF-8 beyond ASCII", "Z\xC3\xA9\xF0\x9F\x98\x80", {u"Z\u00E9\U0001F600"}},
        {"a final line end", "one\n", {u"one"}},
        {"a final CR LF", "one\r\n", {u"one"}},
        {"blank lines", "\n\r\n\rx", {u"", u"", u"", u"x"}},
        {"one line end", "\n", {u""}},
        {"a byte order mark", "\xEF\xBB\xBF" "7\n8", {u"7", u"8"}},
        {"a mark only at the start", "7\n\xEF\xBB\xBF", {u"7", u"\uFEFF"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitEntries(c.bytes, "t"), c.entries) << c.name;

    const auto message = [](const std::string& bytes) {
        try {
            SplitEntries(bytes, "list.txt");
        } catch (const InputError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message("ok\nok\n\xC3(\n"), "list.txt: line 3 is not UTF-8 text");
    EXPECT_EQ(message("\xC0\xAF"), "list.txt: line 1 is not UTF-8 text") << "overlong";
    EXPECT_EQ(message("\xED\xA0\x80"), "list.txt: line 1 is not UTF-8 text") << "a surrogate";
    EXPECT_EQ(message(""), "list.txt holds no entries");
    EXPECT_EQ(message("\xEF\xBB\xBF"), "list.txt holds no entries");
    EXPECT_EQ(message(std::string(100000, '\n')), "accepted") << "the most entries";
    EXPECT_EQ(message(std::string(100000, '\n') + "x"), "list.txt holds more than 100,000 entries");
}

// The first and last code point of each UTF-8 length are taken, and written
// back the same; one past the last, a surrogate and an overlong form are not.
TEST(TextFile, TakesEveryCodePointAndNothingElse)
{
    const struct {
        std::string bytes;
        Text text;
    } edges[] = {
        {"\x7F", u"\u007F"},          {"\xC2\x80", u"\u0080"},         {"\xDF\xBF", u"\u07FF"},
        {"\xE0\xA0\x80", u"\u0800"}, {"\xED\x9F\xBF", u"\uD7FF"},    {"\xEE\x80\x80", u"\uE000"},
        {"\xEF\xBF\xBF", u"\uFFFF"}, {"\xF0\x90\x80\x80", u"\U00010000"}, {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
    };
    for (const auto& edge : edges) {
        EXPECT_EQ(SplitEntries(edge.bytes, "t"), std::vector<Text>{edge.text}) << Printable(edge.text);
        EXPECT_EQ(ToUtf8(edge.text), edge.bytes) << Printable(edge.text);
    }
    for (const std::string bad : {"\xF4\x90\x80\x80", "\xED\xA0\x80", "\xED\xBF\xBF", "\xC1\xBF", "\xE0\x9F\xBF",
                                  "\xF0\x8F\xBF\xBF", "\x80", "\xC2", "\xF8\x88\x80\x80\x80"})
        EXPECT_THROW(SplitEntries(bad, "t"), InputError) << Printable(Text(bad.begin(), bad.end()));
    EXPECT_EQ(ToUtf8(Text(1, u'\xD800')), "\xEF\xBF\xBD") << "an unpaired surrogate";
}

// What is not a regular file is refused before it is opened, and a file over
// a limit is refused without reading past it.
TEST(TextFile, RefusesDevicesPipesAndFilesOverTheLimits)
{
    const OwnFolder own;
    ASSERT_FALSE(own.Path().empty());
    const std::string& folder = own.Path();
    const auto message = [](const std::string& path) {
        try {
            ReadEntries(path);
        } catch (const InputError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message(folder), folder + " is a folder, not a text file");
    EXPECT_EQ(message(folder + "/no-such-file.txt"), folder + "/no-such-file.txt: no such file");
    EXPECT_EQ(message("/dev/zero"), "/dev/zero is not a regular file (a device, a pipe or a socket): open a text file");
    const std::string fifo = folder + "/entries.fifo";
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(message(fifo), fifo + " is not a regular file (a device, a pipe or a socket): open a text file");
    std::remove(fifo.c_str());

    const std::string large = folder + "/large.txt";
    std::ofstream(large) << "x";
    std::filesystem::resize_file(large, kMostBytes);  // one entry: "x" and NULs
    EXPECT_EQ(message(large), "accepted") << "the most bytes";
    std::filesystem::resize_file(large, kMostBytes + 1);
    EXPECT_EQ(message(large), large + " is larger than 64 MiB, the most a file of entries may hold");
    std::ofstream(large) << std::string(100001, '\n');
    EXPECT_EQ(message(large), large + " holds more than 100,000 entries");
    {
        std::ofstream most(large);
        for (int line = 1; line <= 100000; ++line)
            most << line << '\n';  // each line with its line end, the last one too
    }
    const std::vector<Text> entries = ReadEntries(large);
    ASSERT_EQ(entries.size(), 100000U) << "the most entries, each ended";
    EXPECT_EQ(entries.back(), u"100000");
    std::remove(large.c_str());
}

TEST(CommandLine, DefaultsAndOptions)
{
    const CommandLine defaults = ParseCommandLine({});
    EXPECT_FALSE(defaults.Headless());
    EXPECT_EQ(defaults.plan.routines, std::vector{Routine::Numbers});
    EXPECT_EQ(defaults.plan.shapes, (std::vector{Shape::Random, Shape::Ascending, Shape::Descending}));
    EXPECT_EQ(defaults.plan.sizes, (std::vector<std::int32_t>{250, 500, 1000, 2000, 4000, 8000, 16000}));
    EXPECT_EQ(DoublingSizes(100, 1000), (std::vector<std::int32_t>{100, 200, 400, 800, 1000}));
    EXPECT_EQ(DoublingSizes(7, 7), std::vector<std::int32_t>{7});
    EXPECT_EQ(defaults.plan.repeat, 5);
    EXPECT_EQ(ParseCommandLine({"--kind", "words"}).plan.routines, std::vector{Routine::Strings});

    const CommandLine line = ParseCommandLine({"--routines", "SortStrings,SortPairsByNumberUnique", "--kind",
                                               "pairs", "--shapes", "few,nearly", "--sizes", "5,100000",
                                               "--repeat", "2", "--csv", "out.csv"});
    EXPECT_TRUE(line.Headless());
    EXPECT_EQ(line.plan.routines, (std::vector{Routine::Strings, Routine::PairsUnique}));
    EXPECT_EQ(line.plan.kind, InputKind::Pairs);
    EXPECT_EQ(line.plan.shapes, (std::vector{Shape::Few, Shape::Nearly}));
    EXPECT_EQ(line.plan.sizes, (std::vector<std::int32_t>{5, 100000}));
    EXPECT_EQ(line.plan.repeat, 2);

    const OwnFolder own;
    const std::string path = own.Path() + "/entries.txt";
    std::ofstream(path) << "3\n1\n2\n";
    const CommandLine file = ParseCommandLine({"--input", path});
    EXPECT_EQ(file.plan.kind, InputKind::File);
    EXPECT_EQ(file.plan.sizes, std::vector<std::int32_t>{3});
    EXPECT_EQ(file.plan.shapes, std::vector{Shape::AsGiven});
    EXPECT_TRUE(ParseCommandLine({"--help"}).help);

    const CommandLine order = ParseCommandLine({"--order-sweep", "0:1:0.25"});
    EXPECT_EQ(order.plan.sizes, std::vector<std::int32_t>{kDefaultOrderSweepSize});
    EXPECT_EQ(order.plan.shapes, OrderSweepShapes(0, 1, 5));
    EXPECT_EQ(ParseCommandLine({"--order-sweep", "0:1:0.01", "--sizes", "7"}).plan.shapes.size(), 101U)
        << "100 steps, the most";

    EXPECT_EQ(ParseCommandLine({"--sizes", "100,7,100"}).plan.sizes, (std::vector<std::int32_t>{100, 7}));
    const CommandLine qt = ParseCommandLine({"-platform", "offscreen", "-style=Fusion", "-reverse", "--repeat", "2"});
    EXPECT_EQ(qt.plan.repeat, 2) << "Qt's options are left to Qt";
    EXPECT_EQ(ParseCommandLine({"--csv", "/dev/stdout"}).csvPath, "-");
    EXPECT_EQ(ParseCommandLine({"--repeat", "100"}).plan.repeat, 100) << "the most";
    EXPECT_EQ(ParseCommandLine({"--budget", "250ms"}).budgetSeconds, 0.25);
    EXPECT_EQ(ParseCommandLine({"--budget", "1440min"}).budgetSeconds, 86400) << "a day, the longest";
}

// A file named alone is the input, as with --input; a second is refused.
TEST(CommandLine, AFileNamedAloneIsTheInputAndThePlanIsGiven)
{
    EXPECT_FALSE(ParseCommandLine({}).planGiven);
    EXPECT_FALSE(ParseCommandLine({"--no-first-look", "-platform", "offscreen"}).planGiven);
    EXPECT_TRUE(ParseCommandLine({"--repeat", "3"}).planGiven);
    const OwnFolder own;
    const std::string& folder = own.Path();
    const std::string path = folder + "/words.txt";
    std::ofstream(path) << "pear\napple\n";
    const CommandLine alone = ParseCommandLine({path, "--routines", "SortStrings"});
    EXPECT_TRUE(alone.planGiven);
    EXPECT_EQ(alone.plan.kind, InputKind::File);
    EXPECT_EQ(alone.plan.inputPath, path);
    EXPECT_EQ(alone.plan.FileEntries(), (std::vector<Text>{u"pear", u"apple"}));
    EXPECT_EQ(alone.plan.routines, std::vector{Routine::Strings});
    EXPECT_THROW(ParseCommandLine({path, path}), InputError);

    // An output is tried for real before anything is measured, and nothing of the try is left.
    const std::string csv = folder + "/rows.csv";
    EXPECT_EQ(ParseCommandLine({"--csv", csv}).csvPath, csv);
    EXPECT_FALSE(std::filesystem::exists(csv));
}

// The step-through's exports run one routine on one list: every sweep option is refused beside them.
TEST(CommandLine, StepExportsRefuseEverySweepOption)
{
    const std::vector<std::vector<std::string_view>> sweeps = {
        {"--sizes", "10"}, {"--kind", "words"}, {"--shapes", "random"}, {"--order-sweep", "0:1:0.5"},
        {"--csv", "-"},    {"--chart", "c.png"}, {"--budget", "1s"}};
    for (const std::string_view option : {"--step-csv", "--step-gif"}) {
        for (std::vector<std::string_view> arguments : sweeps) {
            arguments.insert(arguments.begin(), {option, option == "--step-csv" ? "-" : "run.gif"});
            try {
                ParseCommandLine(arguments);
                ADD_FAILURE() << option << " accepted beside " << arguments[2];
            } catch (const InputError& error) {
                EXPECT_EQ(std::string(error.what()), "--step-csv and --step-gif export one run: they take only "
                                                     "--routines, --input, --field and --frames")
                    << arguments[2];
            }
        }
    }
}

TEST(CommandLine, AnOutputThatCannotBeWrittenIsNamedWithTheReason)
{
    const auto message = [](std::vector<std::string_view> arguments) {
        try {
            ParseCommandLine(arguments);
        } catch (const InputError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message({"--csv", "/no/such/folder/rows.csv"}),
              "--csv: /no/such/folder/rows.csv cannot be written: No such file or directory");
    EXPECT_EQ(message({"--chart", "/"}), "--chart: / cannot be written: Is a directory");
}

TEST(CommandLine, RefusesBadArgumentsWithOneLine)
{
    const std::vector<std::vector<std::string_view>> bad = {
        {"--routines", "SortFaster"}, {"--shapes", "sideways"}, {"--sizes", "0"},     {"--sizes", "100001"},
        {"--sizes", "ten"},           {"--sizes", "5,"},        {"--repeat", "0"},    {"--kind", "file"},
        {"--kind", "words", "--input", "x"}, {"--csv"},         {"--colour", "red"},  {"stray"},
        {"--input", "/no/such/file"}, {"--order-sweep", "0:1"}, {"--order-sweep", "0:1.1:0.1"},
        {"--order-sweep", "0:1:0.3"}, {"--order-sweep", "0:1:0.001"}, {"--order-sweep", "0:1:0.1", "--sizes", "5,6"},
        {"--order-sweep", "0:1:0.5", "--shapes", "random"}, {"-platform"}, {"-unknown"},
        {"--csv", "/no/such/folder/rows.csv"}, {"--chart", "/"}, {"--repeat", "101"}, {"--budget", "0s"},
        {"--budget", "1h"}, {"--budget", "1441min"},
    };
    for (const auto& arguments : bad) {
        try {
            ParseCommandLine(arguments);
            ADD_FAILURE() << arguments[0] << " accepted";
        } catch (const InputError& error) {
            EXPECT_EQ(std::string(error.what()).find('\n'), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace sentinel

namespace sentinel {
namespace {

// A bad shape says what shapes there are, or the range of its parameter.
TEST(CommandLine, ABadShapeGivesTheAllowedRange)
{
    const auto message = [](std::string_view shapes) {
        try {
            ParseCommandLine({"--shapes", shapes});
        } catch (const InputError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message("swaps:-1"), "--shapes: \"swaps:-1\": swaps:K takes a whole number K of pairs from 0");
    EXPECT_EQ(message("swaps:0"), "accepted") << "the fewest";
    EXPECT_EQ(message("sorted:2"), "--shapes: \"sorted:2\": sorted:S takes a sortedness S from 0 to 1");
    EXPECT_EQ(message("sorted:1"), "accepted") << "the most";
    EXPECT_EQ(message("runs:0"), "--shapes: \"runs:0\": runs:L takes a whole run length L from 1");
    EXPECT_EQ(message("runs:1"), "accepted");
    EXPECT_EQ(message("sawtooth:abc"), "--shapes: \"sawtooth:abc\": sawtooth:T takes a whole number T of teeth from 1");
    EXPECT_EQ(message("random,organ:3"), "--shapes: \"organ:3\": organ takes no parameter");
    EXPECT_EQ(message("spiral"), "--shapes: \"spiral\" is no shape (random, ascending, descending, equal, few, nearly, "
                                 "swaps, runs, sawtooth, organ, sorted, given)");
}

TEST(CommandLine, AStepAnimationMustBeAGif)
{
    EXPECT_THROW(ParseCommandLine({"--step-gif", "run.png"}), InputError);
    try {
        ParseCommandLine({"--step-gif", "x.png"});
    } catch (const InputError& error) {
        EXPECT_EQ(std::string(error.what()), "--step-gif: \"x.png\" does not end in .gif: the animation is a GIF");
    }
}

}  // namespace
}  // namespace sentinel
