// SPDX-License-Identifier: GPL-3.0-or-later
#include "affine_logic.h"

#include <array>
#include <stdexcept>

namespace chalkline::affine {

namespace {

using namespace std::string_view_literals;

constexpr std::array kWords{
    "ACUTE"sv,     "ADDITION"sv,  "ALGEBRA"sv,   "ALGORITHM"sv, "ANGLE"sv,     "ARRAY"sv,
    "AVERAGE"sv,   "AXIOM"sv,     "BEARING"sv,   "BILLION"sv,   "BINARY"sv,    "BISECT"sv,
    "BRACKET"sv,   "CALCULATE"sv, "CALCULUS"sv,  "CENTRE"sv,    "CHORD"sv,     "CIRCLE"sv,
    "COMPASS"sv,   "CONGRUENT"sv, "CONSTANT"sv,  "COSINE"sv,    "COUNT"sv,     "CUBED"sv,
    "CUBIC"sv,     "CUBOID"sv,    "CURVE"sv,     "CYLINDER"sv,  "DECAGON"sv,   "DECIMAL"sv,
    "DEGREE"sv,    "DENSITY"sv,   "DIAGONAL"sv,  "DIAGRAM"sv,   "DIAMETER"sv,  "DIGIT"sv,
    "DIMENSION"sv, "DIVIDE"sv,    "DIVISIBLE"sv, "DIVISION"sv,  "DIVISOR"sv,   "DOZEN"sv,
    "ELLIPSE"sv,   "EQUAL"sv,     "EQUATION"sv,  "ESTIMATE"sv,  "EXPAND"sv,    "EXPONENT"sv,
    "FACTOR"sv,    "FIBONACCI"sv, "FORMULA"sv,   "FRACTION"sv,  "FREQUENCY"sv, "FUNCTION"sv,
    "GEOMETRY"sv,  "GRADIENT"sv,  "GRAPH"sv,     "HEIGHT"sv,    "HEPTAGON"sv,  "HEXAGON"sv,
    "HUNDRED"sv,   "INDEX"sv,     "INFINITY"sv,  "INTEGER"sv,   "INTEGRAL"sv,  "INTERCEPT"sv,
    "INVERSE"sv,   "ISOSCELES"sv, "KILOGRAM"sv,  "LENGTH"sv,    "LIMIT"sv,     "LINEAR"sv,
    "LITRE"sv,     "LOGIC"sv,     "MATRIX"sv,    "MAXIMUM"sv,   "MEASURE"sv,   "MEDIAN"sv,
    "METRE"sv,     "MILLION"sv,   "MINIMUM"sv,   "MINUS"sv,     "MODULUS"sv,   "MULTIPLE"sv,
    "MULTIPLY"sv,  "NEGATIVE"sv,  "NONAGON"sv,   "NUMBER"sv,    "NUMERATOR"sv, "OBTUSE"sv,
    "OCTAGON"sv,   "ORIGIN"sv,    "PARABOLA"sv,  "PARALLEL"sv,  "PENTAGON"sv,  "PERCENT"sv,
    "PERIMETER"sv, "PLANE"sv,     "POLYGON"sv,   "POSITIVE"sv,  "POWER"sv,     "PRIME"sv,
    "PRISM"sv,     "PRODUCT"sv,   "PROOF"sv,     "PYRAMID"sv,   "QUADRANT"sv,  "QUADRATIC"sv,
    "QUOTIENT"sv,  "RADIAN"sv,    "RADIUS"sv,    "RANDOM"sv,    "RANGE"sv,     "RATIO"sv,
    "RATIONAL"sv,  "RECTANGLE"sv, "REFLEX"sv,    "REMAINDER"sv, "RHOMBUS"sv,   "ROTATION"sv,
    "ROUNDING"sv,  "SCALE"sv,     "SCALENE"sv,   "SECTOR"sv,    "SEGMENT"sv,   "SEQUENCE"sv,
    "SERIES"sv,    "SIMILAR"sv,   "SLOPE"sv,     "SOLID"sv,     "SPHERE"sv,    "SPIRAL"sv,
    "SQUARE"sv,    "SQUARED"sv,   "STATISTIC"sv, "SUBTRACT"sv,  "SURFACE"sv,   "SYMMETRY"sv,
    "TALLY"sv,     "TANGENT"sv,   "THEOREM"sv,   "THOUSAND"sv,  "TOTAL"sv,     "TRAPEZIUM"sv,
    "TRIANGLE"sv,  "VARIABLE"sv,  "VECTOR"sv,    "VERTEX"sv,    "VERTICES"sv,  "VOLUME"sv,
    "WEIGHT"sv,    "WIDTH"sv,
};

constexpr std::array kMultipliers{1, 3, 5, 7, 9, 11, 15, 17, 19, 21, 23, 25};

// The remainder on division by 26, from 0 to 25 for negative numbers too.
int modulo(int value) {
    return ((value % kLetters) + kLetters) % kLetters;
}

template <class Letter> std::string each_letter(std::string_view word, Letter letter) {
    std::string out;
    for (char c : word) {
        out += number_letter(letter(letter_number(c)));
    }
    return out;
}

} // namespace

std::span<const std::string_view> words() {
    return kWords;
}

std::span<const int> multipliers() {
    return kMultipliers;
}

int letter_number(char letter) {
    if (letter < 'A' || letter > 'Z') {
        throw std::invalid_argument("affine: not a capital letter");
    }
    return letter - 'A';
}

char number_letter(int number) {
    return char('A' + modulo(number));
}

int encipher(int x, const Key& key) {
    return modulo(key.a * x + key.b);
}

int inverse(int a) {
    for (int candidate = 1; candidate < kLetters; ++candidate) {
        if (modulo(a * candidate) == 1) {
            return candidate;
        }
    }
    throw std::invalid_argument("affine: " + std::to_string(a) + " has no inverse modulo 26");
}

int decipher(int y, const Key& key) {
    return modulo(inverse(key.a) * (y - key.b));
}

std::string encipher_word(std::string_view plain, const Key& key) {
    return each_letter(plain, [&](int x) { return encipher(x, key); });
}

std::string decipher_word(std::string_view cipher, const Key& key) {
    return each_letter(cipher, [&](int y) { return decipher(y, key); });
}

std::string AffineProblem::plain() const {
    return std::string(kWords[std::size_t(word)]);
}

std::string AffineProblem::given() const {
    return kind == Kind::Decode ? encipher_word(plain(), key) : plain();
}

std::string AffineProblem::answer() const {
    return kind == Kind::Decode ? plain() : encipher_word(plain(), key);
}

AffineProblem make_problem(Kind kind, RandomSource& random, const AffineProblem* previous) {
    if (kind < Kind::Shift || kind > Kind::Decode) {
        throw std::invalid_argument("affine: no such kind");
    }
    random.reseed();
    AffineProblem problem;
    problem.kind = kind;
    // Every word but the previous one is equally likely: the draw leaves out its place.
    const int count = int(kWords.size());
    if (previous) {
        problem.word = random.draw(0, count - 2);
        problem.word += problem.word >= previous->word ? 1 : 0;
    } else {
        problem.word = random.draw(0, count - 1);
    }
    const int last = int(kMultipliers.size()) - 1;
    problem.key.a = kind == Kind::Shift ? 1 : kMultipliers[std::size_t(random.draw(1, last))];
    problem.key.b = random.draw(1, kLetters - 1);
    return problem;
}

std::string key_text(const Key& key) {
    const std::string a = key.a == 1 ? "" : std::to_string(key.a);
    return "y = " + a + "x + " + std::to_string(key.b) + " (mod 26)";
}

std::string inverse_text(int a) {
    const int a_inverse = inverse(a);
    const int product = a * a_inverse;
    return std::to_string(a) + " x " + std::to_string(a_inverse) + " = " + std::to_string(product) +
           " = " + std::to_string(product / kLetters) + " x 26 + 1";
}

std::string decoding_key_text(const Key& key) {
    const int a_inverse = inverse(key.a);
    const std::string factor = a_inverse == 1 ? "" : std::to_string(a_inverse);
    return "x = " + factor + "(y - " + std::to_string(key.b) + ") (mod 26)";
}

} // namespace chalkline::affine
