#include "ui/liming/liming_page.h"

#include "ui/app/tab_pages.h"

namespace bulbicalc::ui {

QWidget* createLimingPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    return createEmptyPage(parent);
}

} // namespace bulbicalc::ui
