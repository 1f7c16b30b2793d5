#pragma once

#include "core/about/about_text.h"
#include "core/about/gallery.h"
#include "support/bare_window.h"

namespace bulbicalc::test {

// The tabs "Fotos" and "Sobre" with their handlers, as the program starts them.
struct AboutWindow : BareWindow {
    AboutWindow()
    {
        addAboutControls(window);
        registerAboutHandlers(window);
        writeAboutText(window);
    }
};

} // namespace bulbicalc::test
