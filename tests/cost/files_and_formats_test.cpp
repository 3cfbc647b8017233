#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cost/command_line.h"
#include "cost/csv.h"
#include "cost/input_error.h"
#include "cost/text_file.h"

namespace sentinel {
namespace {

TEST(Csv, WritesTheHeaderAndOneLinePerMeasurement)
{
    std::ostringstream out;
    WriteCsv(out, {{Routine::StringsUnique, InputKind::Words, Shape::Nearly, 1000, 2, 0.00125, 0.0005, true,
                    {1002, 500500, 990, 10, 4321}},
                   {Routine::Pairs, InputKind::File, Shape::AsGiven, 3, 1, 1e-6, 2e-6, false, {5, 3, 3, 0, 4}}});
    EXPECT_EQ(out.str(),
              "routine,kind,shape,n,repeat,seconds,floor_seconds,identical,keys,steps,placed,dropped,moves\n"
              "SortStringsUnique,words,nearly,1000,2,0.00125,0.0005,true,1002,500500,990,10,4321\n"
              "SortPairsByNumber,file,given,3,1,1e-06,2e-06,false,5,3,3,0,4\n");
}

TEST(TextFile, ReadsLinesAndRefusesWhatIsNotATextOfEntries)
{
    EXPECT_EQ(SplitEntries("b\r\na\n\nZ\xC3\xA9\xF0\x9F\x98\x80", "t"),
              (std::vector<Text>{u"b", u"a", u"", u"Z\u00E9\U0001F600"}));
    EXPECT_EQ(SplitEntries("one\n", "t"), std::vector<Text>{u"one"});

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
    EXPECT_EQ(message(std::string(100001 * 2, '\n').replace(0, 1, "x")), "list.txt holds more than 100000 entries");

    const std::string folder = ::testing::TempDir();
    EXPECT_THROW(ReadEntries(folder), InputError);
    EXPECT_THROW(ReadEntries(folder + "/no-such-file.txt"), InputError);
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
    EXPECT_EQ(defaults.plan.repeat, 3);
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

    const std::string path = ::testing::TempDir() + "/entries.txt";
    std::ofstream(path) << "3\n1\n2\n";
    const CommandLine file = ParseCommandLine({"--input", path});
    EXPECT_EQ(file.plan.kind, InputKind::File);
    EXPECT_EQ(file.plan.sizes, std::vector<std::int32_t>{3});
    EXPECT_EQ(file.plan.shapes, std::vector{Shape::AsGiven});
    EXPECT_TRUE(ParseCommandLine({"--help"}).help);
}

TEST(CommandLine, RefusesBadArgumentsWithOneLine)
{
    const std::vector<std::vector<std::string_view>> bad = {
        {"--routines", "SortFaster"}, {"--shapes", "sideways"}, {"--sizes", "0"},     {"--sizes", "100001"},
        {"--sizes", "ten"},           {"--sizes", "5,"},        {"--repeat", "0"},    {"--kind", "file"},
        {"--kind", "words", "--input", "x"}, {"--csv"},         {"--colour", "red"},  {"stray"},
        {"--input", "/no/such/file"},
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
