#include "ui/planning/workbench_page.h"

#include "ui/app/tab_pages.h"

namespace bulbicalc::ui {

QWidget* createWorkbenchPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    return createEmptyPage(parent);
}

} // namespace bulbicalc::ui
