#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bulbicalc {

// The key rules of the fields:
//  D  "." and "," become the decimal separator; nothing else is filtered.
//  N  Enter moves the focus to the next field of the Enter chain.
//  T  only rule N.
//  E  Enter starts an action and is consumed.
struct KeyRule {
    bool decimal = false;     // rule D
    std::string next;         // rule N/T: the field Enter moves to; empty for none
    bool enterAction = false; // rule E
};

// The rule of a field or cell editor (a grid's name stands for its editor);
// nullopt for a field without rules.
std::optional<KeyRule> keyRuleOf(std::string_view control);

// Rule D applied to one typed character.
char32_t applyDecimalRule(char32_t key);

// The tab's default button ("BitBtn6" on "Calagem", "BitBtn97" on
// "Definição adubação "); empty for tabs without one.
std::string defaultButtonOfTab(std::string_view tab);

} // namespace bulbicalc
