// SPDX-License-Identifier: GPL-3.0-or-later
#include "affine_logic.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace chalkline::affine {

namespace {

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
    return word;
}

std::string AffineProblem::given() const {
    return kind == Kind::Decode ? encipher_word(plain(), key) : plain();
}

std::string AffineProblem::answer() const {
    return kind == Kind::Decode ? plain() : encipher_word(plain(), key);
}

AffineProblem make_problem(Kind kind, RandomSource& random,
                           std::span<const std::string_view> list) {
    if (kind < Kind::Shift || kind > Kind::Decode) {
        throw std::invalid_argument("affine: no such kind");
    }
    if (list.empty()) {
        throw std::invalid_argument("affine: no words to encode");
    }
    AffineProblem problem;
    problem.kind = kind;
    problem.word = std::string(list[std::size_t(random.draw(0, int(list.size()) - 1))]);
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
