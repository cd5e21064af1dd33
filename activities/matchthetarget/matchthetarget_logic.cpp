// SPDX-License-Identifier: GPL-3.0-or-later
#include "matchthetarget_logic.h"

#include <vector>

namespace chalkline::matchthetarget {

namespace {

// The numbers a puzzle is drawn from. The multiplier makes a division by N5 or N2
// exact; the divisor is N4 of templates 13 and 14 and a factor of N1, N2 and N3,
// which are a1, a2 and a3 times it.
enum Slot { n1, n2, n3, n4, n5, multiplier, divisor, a1, a2, a3, slot_count };

struct SlotDraw {
    Slot slot;
    int low;
    int high;
};

// result = the product of the factors (one factor copies it).
struct Derived {
    Slot result;
    std::vector<Slot> factors;
};

enum class Acceptance { always, target_positive, bracket_positive };

struct DrawRule {
    std::vector<SlotDraw> draws; // in the order they are drawn
    std::vector<Derived> derived;
    Acceptance accept;
};

using A = Acceptance;

// One rule per template, in template order.
const std::array<DrawRule, template_count> rules{{
    // 1: N1 x N2 + N3 - N4 ÷ N5, N4 = N5 x k
    {{{multiplier, 2, 8}, {n5, 2, 11}, {n3, 20, 137}, {n1, 2, 22}, {n2, 9, 46}},
     {{n4, {n5, multiplier}}},
     A::always},
    // 2: N1 x N2 + N3 x N4 - N5
    {{{n5, 10, 117}, {n4, 2, 17}, {n3, 10, 38}, {n1, 10, 38}, {n2, 2, 17}}, {}, A::target_positive},
    // 3: N1 ÷ N2 + N3 x N4 + N5, N1 = k x N2
    {{{multiplier, 2, 8}, {n5, 10, 38}, {n4, 2, 17}, {n3, 2, 13}, {n2, 1, 9}},
     {{n1, {multiplier, n2}}},
     A::always},
    // 4: (N1 + N2 - N3) x N4 + N5
    {{{n5, 10, 38}, {n4, 1, 10}, {n3, 10, 38}, {n1, 2, 22}, {n2, 2, 22}}, {}, A::bracket_positive},
    // 5: (N1 + N2) x N3 - N4 x N5
    {{{n5, 1, 10}, {n4, 1, 10}, {n3, 1, 10}, {n1, 1, 10}, {n2, 1, 10}}, {}, A::target_positive},
    // 6: N1 ÷ N2 x N3 + N4 x N5, N1 = k x N2
    {{{multiplier, 2, 8}, {n5, 1, 5}, {n4, 20, 93}, {n3, 2, 13}, {n2, 1, 9}},
     {{n1, {multiplier, n2}}},
     A::always},
    // 7: (N1 - N2 - N3) x N4 + N5
    {{{n5, 10, 38}, {n4, 1, 10}, {n3, 10, 33}, {n1, 30, 157}, {n2, 2, 17}},
     {},
     A::bracket_positive},
    // 8: N1 + N2 - N3 + N4 - N5
    {{{n5, 1, 99}, {n4, 10, 117}, {n3, 10, 117}, {n1, 1, 99}, {n2, 10, 117}},
     {},
     A::target_positive},
    // 9: (N1 + N2) x (N3 - N4) + N5
    {{{n5, 1, 99}, {n4, 1, 9}, {n3, 10, 38}, {n1, 1, 15}, {n2, 2, 22}}, {}, A::always},
    // 10: (N1 - N2) x (N3 + N4) x N5
    {{{n5, 1, 10}, {n4, 1, 15}, {n3, 1, 15}, {n1, 1, 15}, {n2, 2, 17}}, {}, A::bracket_positive},
    // 11: N1 + N2 + N3 - N4 - N5
    {{{n5, 1, 99}, {n4, 10, 117}, {n3, 10, 117}, {n1, 1, 99}, {n2, 10, 117}},
     {},
     A::target_positive},
    // 12: N1 + N2 x N3 + N4 x N5
    {{{n5, 1, 9}, {n4, 1, 9}, {n3, 1, 9}, {n1, 10, 117}, {n2, 1, 9}}, {}, A::always},
    // 13: (N1 + N2 - N3) ÷ N4 + N5, N1..N3 = d x a1..a3, N4 = d
    {{{n5, 10, 38}, {a3, 1, 9}, {a1, 1, 9}, {a2, 1, 9}, {divisor, 2, 11}},
     {{n1, {divisor, a1}}, {n2, {divisor, a2}}, {n3, {divisor, a3}}, {n4, {divisor}}},
     A::bracket_positive},
    // 14: (N1 x N2 - N3) ÷ N4 - N5, N1..N3 = d x a1..a3, N4 = d
    {{{n5, 10, 38}, {a3, 1, 9}, {a1, 1, 9}, {a2, 1, 9}, {divisor, 2, 11}},
     {{n1, {divisor, a1}}, {n2, {divisor, a2}}, {n3, {divisor, a3}}, {n4, {divisor}}},
     A::target_positive},
    // 15: N1 x N2 - N3 x N4 - N5
    {{{n5, 1, 99}, {n4, 1, 12}, {n3, 1, 12}, {n1, 1, 12}, {n2, 1, 12}}, {}, A::target_positive},
}};

Given draw_given(const DrawRule& rule, RandomSource& random) {
    std::array<int, slot_count> slots{};
    for (const SlotDraw& d : rule.draws) {
        slots[d.slot] = random.draw(d.low, d.high);
    }
    for (const Derived& d : rule.derived) {
        int product = 1;
        for (Slot factor : d.factors) {
            product *= slots[factor];
        }
        slots[d.result] = product;
    }
    return {slots[n1], slots[n2], slots[n3], slots[n4], slots[n5]};
}

bool accepted(const DrawRule& rule, int template_number, const Given& given) {
    switch (rule.accept) {
    case Acceptance::always:
        return true;
    case Acceptance::target_positive:
        return target_value(template_number, given) > 0;
    case Acceptance::bracket_positive:
        return bracket_value(template_number, given) > 0;
    }
    return false;
}

} // namespace

TargetPuzzle make_problem(Kind, RandomSource& random, std::optional<int> previous) {
    random.reseed();
    int t = random.draw(1, template_count);
    while (previous && t == *previous) {
        t = random.draw(1, template_count);
    }
    const DrawRule& rule = rules[std::size_t(t - 1)];
    Given given = draw_given(rule, random);
    while (!accepted(rule, t, given)) {
        given = draw_given(rule, random);
    }
    return TargetPuzzle{t, given, target_value(t, given), answer_text(t, given)};
}

} // namespace chalkline::matchthetarget
