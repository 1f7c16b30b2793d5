#include "core/app/controls.h"

#include "core/app/errors.h"

namespace bulbicalc {

Control& Controls::add(std::string name, Control control)
{
    auto [it, inserted] = controls_.insert_or_assign(std::move(name), std::move(control));
    return it->second;
}

bool Controls::contains(std::string_view name) const
{
    return controls_.find(name) != controls_.end();
}

Control& Controls::at(std::string_view name)
{
    const auto it = controls_.find(name);
    if (it == controls_.end())
        throw UnknownNameError("no control named " + std::string(name));
    return it->second;
}

const Control& Controls::at(std::string_view name) const
{
    const auto it = controls_.find(name);
    if (it == controls_.end())
        throw UnknownNameError("no control named " + std::string(name));
    return it->second;
}

} // namespace bulbicalc
