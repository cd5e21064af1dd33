// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadratic_logic.h"
#include "stuck_random.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace chalkline::quadratic {
namespace {

using chalkline::testing::StuckRandom;

// Coefficients of x², x and 1, read back from the text as the class reads it.
struct Coefficients {
    long x2 = 0, x1 = 0, x0 = 0;
    friend bool operator==(const Coefficients&, const Coefficients&) = default;
};

// Reads a sum of terms such as "x² - 4x + 3x - 12" or "2x - 3", adding like terms.
std::optional<Coefficients> read_terms(const std::string& text) {
    static const std::regex term(R"(^(-|\s[+-]\s)?(\d*)(x²|x)?)");
    Coefficients sum;
    std::string rest = text;
    std::smatch m;
    while (!rest.empty()) {
        if (!std::regex_search(rest, m, term) || m.length(0) == 0 ||
            (m[2].length() == 0 && m[3].length() == 0)) {
            return std::nullopt;
        }
        const long size = m[2].length() ? std::stol(m[2]) : 1;
        const long value = m[1].str().find('-') != std::string::npos ? -size : size;
        (m[3] == "x²" ? sum.x2 : m[3] == "x" ? sum.x1 : sum.x0) += value;
        rest = m.suffix();
    }
    return sum;
}

// Multiplies out factors written "(x + 3)(x - 4)", "(2x - 3)(x + 5)" or "(x - 5)²".
std::optional<Coefficients> multiply_factors(const std::string& text) {
    static const std::regex both(R"(^\(([^)]*)\)(?:\(([^)]*)\)|²)$)");
    std::smatch m;
    if (!std::regex_match(text, m, both)) {
        return std::nullopt;
    }
    const auto first = read_terms(m[1]);
    const auto second = read_terms(m[2].matched ? m[2].str() : m[1].str());
    if (!first || !second || first->x2 || second->x2) {
        return std::nullopt;
    }
    return Coefficients{first->x1 * second->x1, first->x1 * second->x0 + first->x0 * second->x1,
                        first->x0 * second->x0};
}

// What a teacher would never write.
void expect_usual_form(const std::string& text) {
    static const std::regex wrong(R"(\+ -|- -|\+\s*\+|(^|[\s(])[01]x|x\^|\s0$|x²\s*\+\s*0)");
    EXPECT_FALSE(std::regex_search(text, wrong)) << text;
}

TEST(QuadraticLogic, EveryProblemFactorisesAsShownAndKeepsItsKind) {
    for (const Kind kind : {Kind::Positive, Kind::WithNegatives, Kind::Leading}) {
        SeededRandom random(std::uint32_t(int(kind) + 1) * 7919u);
        std::optional<QuadraticProblem> previous;
        int squares = 0, differences = 0;
        for (int seed = 0; seed < 2000; ++seed) {
            const QuadraticProblem problem =
                make_problem(kind, random, previous ? &*previous : nullptr);
            const std::string quadratic = quadratic_text(problem);
            const std::string factors = factors_text(problem);
            const std::string expansion = expansion_text(problem);
            SCOPED_TRACE(quadratic + " = " + factors);
            expect_usual_form(quadratic);
            expect_usual_form(factors);
            expect_usual_form(expansion);

            const auto shown = read_terms(quadratic);
            ASSERT_TRUE(shown);
            EXPECT_EQ(multiply_factors(factors), shown);
            EXPECT_EQ(read_terms(expansion), shown);
            if (shown->x1 == 0) {
                EXPECT_TRUE(problem.a == 1 && problem.p == -problem.q);
            }
            EXPECT_EQ(std::gcd(std::gcd(shown->x2, shown->x1), shown->x0), 1);
            if (previous) {
                EXPECT_NE(quadratic, quadratic_text(*previous));
            }

            EXPECT_EQ(problem.kind, kind);
            EXPECT_TRUE(problem.p != 0 && problem.q != 0 && std::abs(problem.p) <= 12 &&
                        std::abs(problem.q) <= 12);
            if (kind == Kind::Leading) {
                EXPECT_TRUE(problem.a >= 2 && problem.a <= 6);
            } else {
                EXPECT_EQ(problem.a, 1);
                EXPECT_LE(std::abs(problem.p), std::abs(problem.q));
            }
            if (kind == Kind::Positive) {
                EXPECT_TRUE(problem.p > 0 && problem.q > 0);
            }
            if (kind == Kind::WithNegatives) {
                EXPECT_TRUE(problem.p < 0 || problem.q < 0);
            }
            squares += problem.a == 1 && problem.p == problem.q;
            differences += shown->x1 == 0;
            previous = problem;
        }
        // Now and then a square, and with negatives a difference of two squares.
        if (kind != Kind::Leading) {
            EXPECT_GT(squares, 100) << int(kind);
        }
        if (kind == Kind::WithNegatives) {
            EXPECT_GT(differences, 100);
        }
    }
}

TEST(QuadraticLogic, TermsAreWrittenAsTheClassWritesThem) {
    const struct {
        std::vector<Term> terms;
        const char* text;
    } rows[] = {
        {{{1, 2}, {-1, 1}, {-12, 0}}, "x² - x - 12"},
        {{{-1, 2}, {0, 1}, {9, 0}}, "-x² + 9"},
        {{{0, 2}, {1, 1}, {0, 0}}, "x"},
        {{{0, 1}, {0, 0}}, "0"},
        {{{2, 1}, {-1, 0}}, "2x - 1"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(terms_text(row.terms), row.text);
    }
    EXPECT_EQ(factors_text({Kind::WithNegatives, 1, -5, -5}), "(x - 5)²");
    EXPECT_EQ(factors_text({Kind::WithNegatives, 1, 3, -3}), "(x + 3)(x - 3)");
    EXPECT_EQ(quadratic_text({Kind::WithNegatives, 1, 3, -3}), "x² - 9");
}

// A source that gives the same draws every time still never repeats a quadratic.
TEST(QuadraticLogic, AStuckSourceStillGivesANewQuadratic) {
    for (const Kind kind : {Kind::Positive, Kind::WithNegatives, Kind::Leading}) {
        StuckRandom stuck(0, 2000);
        QuadraticProblem previous = make_problem(kind, stuck);
        for (int i = 0; i < 3; ++i) {
            const QuadraticProblem next = make_problem(kind, stuck, &previous);
            EXPECT_NE(next, previous) << int(kind);
            EXPECT_EQ(next.kind, kind);
            previous = next;
        }
    }
    SeededRandom random(1);
    EXPECT_THROW(make_problem(Kind(3), random), std::invalid_argument);
}

} // namespace
} // namespace chalkline::quadratic
