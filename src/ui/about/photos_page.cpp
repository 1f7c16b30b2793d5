#include "ui/about/photos_page.h"

#include "ui/app/tab_pages.h"

namespace bulbicalc::ui {

QWidget* createPhotosPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    return createEmptyPage(parent);
}

} // namespace bulbicalc::ui
