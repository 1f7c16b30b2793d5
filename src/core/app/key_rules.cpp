#include "core/app/key_rules.h"

#include "core/app/number_text.h"

namespace bulbicalc {

char32_t applyDecimalRule(char32_t key)
{
    return key == U'.' || key == U',' ? static_cast<char32_t>(kDecimalSeparator) : key;
}

} // namespace bulbicalc
