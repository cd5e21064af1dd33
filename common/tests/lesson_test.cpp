// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson.h"

#include <gtest/gtest.h>

#include <string>

namespace chalkline {
namespace {

constexpr ActivitySetting kMentalSettings[] = {
    {.key = "pace", .design = "5", .low = 1, .high = 5, .decimals = 1},
    {.key = "reverse", .design = "no", .words = {"no", "yes"}},
};

const LessonActivity kActivities[] = {
    {.name = "fastmental", .kinds = 3, .code_prefix = "MEN", .settings = kMentalSettings},
    {.name = "twentyfour", .kinds = 3, .code_prefix = "24P"},
    {.name = "Magicsquares", .kinds = 2, .code_prefix = "MAG"},
    {.name = "matchthetarget", .kinds = 1, .code_prefix = "MTT"},
};

LessonReading read(std::string_view text) {
    return read_lesson(text, kActivities);
}

// Good lessons, each read as its steps written back one line each.
TEST(Lesson, ReadsItsStepsAsWritten) {
    const std::string code = write_code({"24P", 1, 4242});
    struct Case {
        std::string text;
        std::string steps; // lesson_line of each step, one a line
    };
    const Case cases[] = {
        {"fastmental kind=2 reverse=yes pace=3 count=3\ntwentyfour kind=2 count=2\n"
         "Magicsquares kind=2\n",
         "fastmental kind=2 reverse=yes pace=3 count=3\ntwentyfour kind=2 count=2\n"
         "Magicsquares kind=2\n"},
        // A byte order mark, CR LF line ends, comments, blank lines, tabs, any letter case.
        {"\xEF\xBB\xBF# tomorrow's starter\r\n\r\n  FastMental\tPACE=2.50 Reverse=Yes # slow\r\n"
         "magicsquares\r\n",
         "fastmental pace=2.5 reverse=yes\nMagicsquares\n"},
        {"matchthetarget kind=1 count=100", "matchthetarget kind=1 count=100\n"},
        // A code, its parts apart by spaces or not, with the activity's own settings after.
        {"open " + code + "\nopen 24p 2 " + code.substr(6) + "\nopen " + write_code({"MEN", 2, 0}) +
             " reverse=yes",
         "twentyfour kind=2\ntwentyfour kind=2\nfastmental kind=3 reverse=yes\n"},
    };
    for (const Case& c : cases) {
        const LessonReading reading = read(c.text);
        ASSERT_FALSE(reading.error) << c.text << " fails on line " << reading.error->line;
        std::string steps;
        for (const LessonStep& step : reading.steps) {
            steps += lesson_line(step) + '\n';
        }
        EXPECT_EQ(steps, c.steps) << c.text;
    }
    const LessonReading coded = read("\n\nopen " + code);
    EXPECT_EQ(coded.steps[0].seed, 4242u);
    EXPECT_EQ(coded.steps[0].line, 3);
}

// Each fault: the line it is on, what is wrong and the word concerned.
TEST(Lesson, SaysWhatIsWrongAndWhere) {
    struct Case {
        std::string text;
        LessonFault fault;
        int line;
        std::string part;
    };
    const Case cases[] = {
        {"fastmental\nnumberwal kind=2", LessonFault::UnknownActivity, 2, "numberwal"},
        {"fastmental speed=3", LessonFault::UnknownSetting, 1, "speed"},
        {"twentyfour pace=3", LessonFault::UnknownSetting, 1, "pace"},
        {"twentyfour kind=4", LessonFault::BadValue, 1, "4"},
        {"matchthetarget kind=2", LessonFault::BadValue, 1, "2"},
        {"twentyfour count=0", LessonFault::BadValue, 1, "0"},
        {"twentyfour count=101", LessonFault::BadValue, 1, "101"},
        {"twentyfour count=-1", LessonFault::BadValue, 1, "-1"},
        {"fastmental pace=5.5", LessonFault::BadValue, 1, "5.5"},
        {"fastmental pace=2.25", LessonFault::BadValue, 1, "2.25"},
        {"fastmental pace=", LessonFault::BadValue, 1, ""},
        {"fastmental pace=2,5", LessonFault::BadValue, 1, "2,5"},
        {"fastmental reverse=maybe", LessonFault::BadValue, 1, "maybe"},
        {"twentyfour 2", LessonFault::NotASetting, 1, "2"},
        {"twentyfour =2", LessonFault::NotASetting, 1, "=2"},
        {"twentyfour kind=1 Kind=2", LessonFault::Repeated, 1, "Kind"},
        {"open " + write_code({"24P", 0, 1}) + " kind=2", LessonFault::NotWithCode, 1, "kind"},
        {"open 24P-1-2222", LessonFault::BadCode, 1, "24P-1-2222"},
        {"open", LessonFault::BadCode, 1, ""},
        {"# nothing but a comment\n\n", LessonFault::Empty, 0, ""},
        {"", LessonFault::Empty, 0, ""},
        {"twentyfour\nnumberwall caf\xE9", LessonFault::NotText, 2, ""},
        {std::string("twentyfour\n\x7F"
                     "ELF\x02\x01\x01\0\0",
                     19),
         LessonFault::NotText, 2, ""},
        {"twentyfour\n\xC0\xAF", LessonFault::NotText, 2, ""},
        {std::string(kLessonMaxBytes + 1, '#'), LessonFault::TooLarge, 0, ""},
    };
    for (const Case& c : cases) {
        const LessonReading reading = read(c.text);
        ASSERT_TRUE(reading.error) << c.text;
        EXPECT_EQ(reading.error->fault, c.fault) << c.text;
        EXPECT_EQ(reading.error->line, c.line) << c.text;
        EXPECT_EQ(reading.error->part, c.part) << c.text;
        EXPECT_TRUE(reading.steps.empty()) << c.text;
    }
    EXPECT_EQ(read("twentyfour kind=4").error->setting.high, 3);
    EXPECT_EQ(read("open 24P-1-2222").error->code.fault, CodeFault::Check);
}

// A long lesson is read whole, and soon.
TEST(Lesson, TenThousandStepsAreALesson) {
    std::string text;
    for (int i = 0; i < 10'000; ++i) {
        text += i % 2 ? "twentyfour kind=2\n" : "fastmental reverse=yes pace=1.5 count=2\n";
    }
    const LessonReading reading = read(text);
    ASSERT_FALSE(reading.error);
    ASSERT_EQ(reading.steps.size(), 10'000u);
    EXPECT_EQ(reading.steps.back().line, 10'000);
}

} // namespace
} // namespace chalkline
