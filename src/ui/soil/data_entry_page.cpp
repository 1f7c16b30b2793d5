#include "ui/soil/data_entry_page.h"

#include "ui_data_entry_tab.h"

#include <QComboBox>
#include <QPalette>

namespace bulbicalc::ui {

QWidget* createDataEntryPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    auto* page = new QWidget(parent);
    Ui::DataEntryTab form;
    form.setupUi(page);

    // The boxes take what is typed as it is: the state box reacts only to one
    // of its four items, and a completion would show a municipality the
    // record does not hold.
    for (QComboBox* combo : {form.CbUF, form.CBMuni})
        combo->setCompleter(nullptr);

    // The Mehlich-3 note is drawn in the window colour; on the usual light
    // button face that text could not be read, so the note sits on the
    // selection colour.
    QPalette note = form.BtObs1->palette();
    note.setColor(QPalette::ButtonText, note.color(QPalette::Base));
    note.setColor(QPalette::Button, note.color(QPalette::Highlight));
    form.BtObs1->setPalette(note);
    return page;
}

} // namespace bulbicalc::ui
