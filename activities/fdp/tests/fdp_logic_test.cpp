// SPDX-License-Identifier: GPL-3.0-or-later
#include "fdp_logic.h"

#include "seeded_problems.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace chalkline::fdp {
namespace {

using fractionkit::testing::for_seeded_problems;

// The exact value of a decimal with dotted repeating digits, worked out from its
// digits alone: whole + fixed / 10^f + cycle / (10^f (10^r - 1)) for f fixed digits and
// a cycle of r from the first dotted digit to the last, which ends the text.
Fraction value_of_dotted(const std::string& text) {
    const std::string dot = "\u0307";
    std::string whole, after;
    int first_dotted = -1;
    bool past_point = false, ends_dotted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        ends_dotted = text.compare(i, dot.size(), dot) == 0;
        if (ends_dotted) {
            first_dotted = first_dotted < 0 ? int(after.size()) - 1 : first_dotted;
            i += dot.size() - 1;
        } else if (text[i] == '.') {
            past_point = true;
        } else {
            (past_point ? after : whole) += text[i];
        }
    }
    if (first_dotted < 0) {
        return *parse_fraction(text);
    }
    EXPECT_TRUE(ends_dotted) << text;
    const std::string fixed = after.substr(0, std::size_t(first_dotted));
    const std::string cycle = after.substr(std::size_t(first_dotted));
    const Fraction shift = power(10, int(fixed.size()));
    return std::stoll(whole) + (fixed.empty() ? 0 : std::stoll(fixed)) / shift +
           Fraction(std::stoll(cycle)) / (shift * (power(10, int(cycle.size())) - 1));
}

// 2000 tables of each kind: six different values of the kind; each column shown twice;
// the three forms of every row equal, the fraction in lowest terms, the recurring forms
// exact; never the same table twice running.
TEST(FdpLogic, EveryRowsFormsAreEqualAndExact) {
    for_seeded_problems<Table>(
        {Kind::Simple, Kind::Harder, Kind::OverOne}, make_problem,
        [](Kind kind, const Table& table, const Table& previous) {
            ASSERT_NE(table, previous);
            std::set<std::pair<std::int64_t, std::int64_t>> values;
            int shown[kColumns] = {};
            bool thirds_or_sixths = false;
            for (const Row& row : table) {
                const auto all = forms(row);
                SCOPED_TRACE(all[0] + " = " + all[1] + " = " + all[2]);
                values.insert({row.value.numerator(), row.value.denominator()});
                ++shown[int(row.shown)];
                const std::int64_t d = row.value.denominator();
                thirds_or_sixths = thirds_or_sixths || d == 3 || d == 6;
                switch (kind) {
                case Kind::Simple:
                    EXPECT_TRUE(d == 2 || d == 4 || d == 5 || d == 10);
                    EXPECT_LT(row.value, 1);
                    break;
                case Kind::Harder:
                    EXPECT_EQ(std::set<std::int64_t>({8, 20, 25, 50, 100, 3, 6}).count(d), 1u);
                    EXPECT_LT(row.value, 1);
                    break;
                case Kind::OverOne:
                    EXPECT_GT(row.value, 1);
                    EXPECT_FALSE(row.value.is_whole());
                    EXPECT_EQ(all[0].find(' ') != std::string::npos, row.mixed);
                    break;
                }
                EXPECT_GT(row.value, 0);
                // Lowest terms as written: the numerator and denominator share no factor.
                const auto slash = all[0].find('/');
                const auto space = all[0].find(' ');
                const std::int64_t top =
                    std::stoll(all[0].substr(space == std::string::npos ? 0 : space + 1));
                EXPECT_EQ(std::gcd(top, std::stoll(all[0].substr(slash + 1))), 1);
                EXPECT_EQ(parse_fraction(all[0]), row.value);
                EXPECT_EQ(value_of_dotted(all[1]), row.value);
                ASSERT_EQ(all[2].back(), '%');
                EXPECT_EQ(value_of_dotted(all[2].substr(0, all[2].size() - 1)), row.value * 100);
                EXPECT_NE(row_text(row, false).find('?'), std::string::npos);
                EXPECT_EQ(row_text(row, true), all[0] + " = " + all[1] + " = " + all[2]);
            }
            EXPECT_EQ(values.size(), std::size_t(kRows));
            EXPECT_TRUE(shown[0] == 2 && shown[1] == 2 && shown[2] == 2);
            EXPECT_EQ(thirds_or_sixths, kind == Kind::Harder);
        });
}

TEST(FdpLogic, RecurringFormsAreDotted) {
    const auto sixth = forms({Fraction(5, 6), Column::Fraction, false});
    EXPECT_EQ(sixth[1], "0.83\u0307");
    EXPECT_EQ(sixth[2], "83.3\u0307%");
    EXPECT_EQ(forms({Fraction(7, 4), Column::Decimal, true})[0], "1 3/4");
    EXPECT_EQ(forms({Fraction(7, 4), Column::Decimal, false})[2], "175%");
}

} // namespace
} // namespace chalkline::fdp
