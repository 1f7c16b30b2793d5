#include "core/about/gallery.h"

#include "core/about/about_controls.h"
#include "core/app/number_text.h"
#include "core/app/window_state.h"

#include <cstddef>

namespace bulbicalc {

static_assert(about::kPhotoFrames.size() == kPhotoCaptions.size());

std::string photoPositionText(int position)
{
    return "Foto " + integerText(position) + "/" + integerText(kPhotoCount);
}

void UpDown3Click(WindowState& window)
{
    const int position = window.control(about::UpDown3).position;
    window.setText(about::Label48, photoPositionText(position));
    for (std::size_t i = 0; i < about::kPhotoFrames.size(); ++i)
        window.control(about::kPhotoFrames[i]).visible = static_cast<int>(i) + 1 == position;
    window.setText(about::Label66, std::string(kPhotoCaptions.at(static_cast<std::size_t>(position - 1))));
}

void registerAboutHandlers(WindowState& window)
{
    window.onClick(about::UpDown3, UpDown3Click);
}

} // namespace bulbicalc
