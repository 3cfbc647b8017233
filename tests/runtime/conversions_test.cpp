// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/conversions.h"
#include "runtime/runtime_error.h"
#include "support/text.h"

namespace sentinel {
namespace {

template <class Operation>
ErrorKind ErrorOf(Operation operation)
{
    try {
        operation();
    } catch (const RuntimeError& error) {
        return error.Kind();
    }
    ADD_FAILURE() << "no error raised";
    return ErrorKind::OutOfMemory;
}

struct LeadingNumberRow {
    const char* name;
    Text text;
    double value;
};

TEST(LeadingNumber, ReadsTheNumberAtTheStart)
{
    const LeadingNumberRow rows[] = {
        {"vector text", u"20,30,30", 20},
        {"one blank", u" 123", 123},
        {"two blanks", u"  123", 123},
        {"four digits", u"9999", 9999},
        {"fraction before comma", u"1.5,-2,3", 1.5},
        {"letters", u"ABCD", 0},
        {"empty", u"", 0},
        {"low sentinel", u"-99999999999999", -99999999999999.0},
        {"high sentinel", u"99999999999999", 99999999999999.0},
        {"beyond sentinel", u"100000000000000", 100000000000000.0},
        {"inner blanks", u"1 2 3", 123},
        {"tabs and line feeds", u"\t1\n2\t", 12},
        {"blank after sign", u"- 5", -5},
        {"plus sign", u"+7", 7},
        {"second sign stops", u"+-7", 0},
        {"sign after digits stops", u"7-2", 7},
        {"second period stops", u"1.2.3", 1.2},
        {"leading period", u".5", 0.5},
        {"trailing period", u"5.", 5},
        {"lone sign", u"-", 0},
        {"lone period", u".", 0},
        {"leading zeros", u"007", 7},
        {"carriage return stops", u"1\r2", 1},
        {"exponent not read", u"1E3", 1},
        {"hex prefix not read", u"&H10", 0},
        {"nul stops", Text(u"4\0" u"2", 3), 4},
        {"fullwidth digit stops", u"1\uFF12", 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LeadingNumber(row.text), row.value) << row.name;
}

TEST(LeadingNumber, ValuesBeyondADoubleDoNotFail)
{
    const Text huge = u"1" + Text(400, u'0');
    EXPECT_EQ(LeadingNumber(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber(u"-" + huge), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber(u"0." + Text(400, u'0') + u"1"), 0.0);
    EXPECT_EQ(LeadingNumber(Text(400, u'0') + u"25"), 25.0);
}

TEST(FieldAt, SplitsAtEveryComma)
{
    EXPECT_EQ(FieldAt(u"20,40,30", 0), u"20");
    EXPECT_EQ(FieldAt(u"20,40,30", 2), u"30");
    EXPECT_EQ(FieldAt(u"7", 0), u"7");
    EXPECT_EQ(FieldAt(u"1,,3", 1), u"");
    EXPECT_EQ(FieldAt(u",", 1), u"");
    EXPECT_EQ(FieldAt(u"a,b,", 2), u"");
    for (const auto& [text, index] : std::vector<std::pair<Text, std::int32_t>>{
             {u"", 0}, {u"7", 1}, {u"1,2,3", 3}, {u"1,2,3", -1}, {u",", 2}}) {
        EXPECT_EQ(ErrorOf([&] { (void)FieldAt(text, index); }), ErrorKind::PositionOutOfRange)
            << Printable(text) << " field " << index;
    }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(2.5F, 0), 2.0F);
    EXPECT_EQ(RoundHalfEven(3.5F, 0), 4.0F);
    EXPECT_EQ(RoundHalfEven(-2.5F, 0), -2.0F);
    EXPECT_EQ(RoundHalfEven(0.5F, 0), 0.0F);
    EXPECT_EQ(RoundHalfEven(19.5F, 0), 20.0F);
    EXPECT_EQ(RoundHalfEven(19.999998F, 0), 20.0F);
    EXPECT_EQ(RoundHalfEven(0.125F, 2), 0.12F);
    EXPECT_EQ(RoundHalfEven(0.375F, 2), 0.38F);
    EXPECT_EQ(RoundHalfEven(1.0e-45F, 300), 1.0e-45F);
    EXPECT_EQ(ErrorOf([] { (void)RoundHalfEven(1.0F, -1); }), ErrorKind::ConversionFailure);
}

TEST(NumberTexts, WholeNumbersAreTheirPlainDigits)
{
    EXPECT_EQ(SingleText(20.0F), u"20");
    EXPECT_EQ(SingleText(-30.0F), u"-30");
    EXPECT_EQ(SingleText(0.0F), u"0");
    EXPECT_EQ(SingleText(-0.0F), u"0");
    EXPECT_EQ(SingleText(16777216.0F), u"16777216");
    EXPECT_EQ(SingleText(1.0e10F), u"10000000000");
    EXPECT_EQ(SingleText(0.1F), u"0.1");
    EXPECT_EQ(SingleText(-2.75F), u"-2.75");
    EXPECT_EQ(WholeNumberText(1000), u"1000");
    EXPECT_EQ(WholeNumberText(-7), u"-7");
}

TEST(NumberTexts, SixteenBitCountersOverflowAbove32767)
{
    EXPECT_EQ(ToInt16(32767), 32767);
    EXPECT_EQ(ToInt16(-32768), -32768);
    EXPECT_EQ(ErrorOf([] { (void)ToInt16(32768); }), ErrorKind::Overflow);
    EXPECT_EQ(ErrorOf([] { (void)ToInt16(-32769); }), ErrorKind::Overflow);
    EXPECT_EQ(ErrorOf([] { (void)ToSingle(1e300); }), ErrorKind::FloatingPointFault);
    EXPECT_EQ(ToSingle(0.25), 0.25F);
}

TEST(Pictures, FixedSixDecimalsAndRightAlignedText)
{
    EXPECT_EQ(FormatFixed(0.046875, 6, u'.'), u"0.046875");
    EXPECT_EQ(FormatFixed(0.046875, 6, u','), u"0,046875");
    EXPECT_EQ(FormatFixed(0.0000004, 6, u'.'), u"0.000000");
    EXPECT_EQ(FormatFixed(0.0000006, 6, u'.'), u"0.000001");
    EXPECT_EQ(FormatFixed(12.5, 6, u'.'), u"12.500000");
    EXPECT_EQ(FormatFixed(-0.25, 6, u'.'), u"-0.250000");
    EXPECT_EQ(RightAlign(u"7", 3), u"  7");
    EXPECT_EQ(RightAlign(u"42", 3), u" 42");
    EXPECT_EQ(RightAlign(u"123", 3), u"123");
    EXPECT_EQ(RightAlign(u"9999", 3), u"9999");
    EXPECT_EQ(RightAlign(u"", 3), u"   ");
}

}  // namespace
}  // namespace sentinel
