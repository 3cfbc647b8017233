// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QList>

#include <string>

#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

// A view is taken to its length, never on to a terminator it may not have;
// texts beyond the basic plane and an embedded NUL come through whole.
TEST(ToQString, TakesAViewToItsLengthWhateverItHolds)
{
    const std::string eight = "abc\xC3\xA4z";  // "abcäz"
    EXPECT_EQ(ToQString(std::string_view(eight).substr(0, 3)), QStringLiteral("abc"));
    EXPECT_EQ(ToQString(std::string_view(eight).substr(3)), QString::fromUtf8("\xC3\xA4z"));
    const Text sixteen = u"x\U0001F600\0y";
    const Text whole(sixteen.data(), 5);  // the literal's NUL and all
    const QString converted = ToQString(TextView(whole));
    EXPECT_EQ(converted.size(), 5);
    EXPECT_EQ(converted.at(3), QChar(u'\0'));
    EXPECT_EQ(converted.left(3), QString::fromUtf8("x\xF0\x9F\x98\x80"));
    EXPECT_EQ(ToQString(TextView(whole).substr(1, 2)).toUcs4(), QList<uint>{0x1F600});
    EXPECT_TRUE(ToQString(std::string_view()).isEmpty());
}

}  // namespace
}  // namespace sentinel
