#pragma once

#include <string>

namespace bulbicalc {

// The key rules of the fields:
//  D  "." and "," become the decimal separator; nothing else is filtered.
//  N  Enter moves the focus to the next field of the Enter chain.
//  T  only rule N.
//  E  Enter starts an action and is consumed.
// Each subsystem gives the rules of its own fields (a grid's name stands for
// its cell editor) to the window state.
struct KeyRule {
    bool decimal = false;     // rule D
    std::string next;         // rule N/T: the field Enter moves to; empty for none
    bool enterAction = false; // rule E
};

// Rule D applied to one typed character.
char32_t applyDecimalRule(char32_t key);

} // namespace bulbicalc
