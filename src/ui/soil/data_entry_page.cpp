#include "ui/soil/data_entry_page.h"

#include "ui/app/tab_pages.h"

namespace bulbicalc::ui {

QWidget* createDataEntryPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    return createEmptyPage(parent);
}

} // namespace bulbicalc::ui
