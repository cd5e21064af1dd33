// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <span>
#include <string>
#include <string_view>

namespace chalkline::affine {

// The kinds of problem, in the order of the screen's options.
enum class Kind {
    Shift,  // encode with y = x + b
    Encode, // encode with y = ax + b
    Decode, // decode a word enciphered with y = ax + b
};

// The letters A to Z stand for the numbers 0 to 25.
inline constexpr int kLetters = 26;

// The mathematics words the problems use: 5 to 9 capital letters each.
std::span<const std::string_view> words();
// The multipliers a with an inverse modulo 26: the odd numbers 1 to 25 but 13.
std::span<const int> multipliers();

// The key of the cipher y = ax + b (mod 26).
struct Key {
    int a = 1;
    int b = 1;
    friend bool operator==(const Key&, const Key&) = default;
};

int letter_number(char letter);
char number_letter(int number);
// (ax + b) mod 26.
int encipher(int x, const Key& key);
// The a' with a x a' = 1 (mod 26). Throws std::invalid_argument for an a without one.
int inverse(int a);
// a'(y - b) mod 26: the x that enciphers to y.
int decipher(int y, const Key& key);
std::string encipher_word(std::string_view plain, const Key& key);
std::string decipher_word(std::string_view cipher, const Key& key);

// A word of the list with its key: Shift and Encode show the word and ask for it
// enciphered; Decode shows it enciphered and asks for the word.
struct AffineProblem {
    Kind kind = Kind::Shift;
    int word = 0;
    Key key;

    std::string plain() const;
    std::string given() const;
    std::string answer() const;
    friend bool operator==(const AffineProblem&, const AffineProblem&) = default;
};

// A new problem of the kind (another value throws std::invalid_argument), built
// directly: its word is never the word of the problem before. Shift has a = 1; Encode
// and Decode draw a from the other eleven multipliers; b is 1 to 25.
AffineProblem make_problem(Kind kind, RandomSource& random,
                           const AffineProblem* previous = nullptr);

// "y = 5x + 8 (mod 26)", "y = x + 8 (mod 26)"
std::string key_text(const Key& key);
// Why the inverse is right: "5 x 21 = 105 = 4 x 26 + 1".
std::string inverse_text(int a);
// The key that decodes: "x = 21(y - 8) (mod 26)".
std::string decoding_key_text(const Key& key);

} // namespace chalkline::affine
