#include "ui/calendar/calendar_page.h"

#include "ui/calendar/ui_calendar_page.h"

namespace bulbicalc::ui {

QWidget* createCalendarPage(QWidget* parent, const std::filesystem::path& dataDir)
{
    auto* page = new QWidget(parent);
    Ui::CalendarPage form;
    form.setupUi(page);
    // The growth-stage drawings of transplant and of direct seeding; a
    // drawing that is not there leaves its frame empty.
    form.Image1->load(dataDir / "Imagens" / "estadios_transplante.png");
    form.Image2->load(dataDir / "Imagens" / "estadios_semeadura.png");
    return page;
}

} // namespace bulbicalc::ui
