// String lists: line breaks on reading and writing.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "StringList.h"

namespace {

std::vector<std::string> Split(std::string_view text) {
    TStringList list;
    list.SetText(text);
    return list.Lines();
}

using Lines = std::vector<std::string>;

TEST(StringListTest, EachOfCrLfLfAndCrEndsALine) {
    EXPECT_EQ(Split("W\r\nE\nD\rS"), (Lines{"W", "E", "D", "S"}));
    EXPECT_EQ(Split("W\r\n"), (Lines{"W"}));
    EXPECT_EQ(Split("\r\n\r\nX"), (Lines{"", "", "X"}));
    EXPECT_EQ(Split("A\n\rB"), (Lines{"A", "", "B"}));  // LF then CR are two breaks
    EXPECT_EQ(Split("A\r\r\nB\r"), (Lines{"A", "", "B"}));
    EXPECT_EQ(Split(""), Lines{});
    EXPECT_EQ(Split(std::string("N\0L\r\nx", 6)), (Lines{std::string("N\0L", 3), "x"}));
}

TEST(StringListTest, WritesCrLfAfterEveryLineAndReadsPastTheEndAsEmpty) {
    TStringList list;
    list.Add("W");
    list.Add("");
    list.Add("0");
    EXPECT_EQ(list.Text(), "W\r\n\r\n0\r\n");
    EXPECT_EQ(list[1], "");
    EXPECT_EQ(list[3], "");
    EXPECT_EQ(list[-1], "");
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.Clear();
    list.Clear();
    EXPECT_EQ(changes, 1);
}

}  // namespace
