#include "ui/about/photos_page.h"

#include "ui/about/ui_photos_page.h"
#include "ui/app/tab_group.h"

#include <QLineEdit>
#include <QSpinBox>

#include <string>

namespace bulbicalc::ui {

QWidget* createPhotosPage(QWidget* parent, const std::filesystem::path& dataDir)
{
    auto* page = new QWidget(parent);
    Ui::PhotosPage form;
    form.setupUi(page);
    nameSpinEdit(form.UpDown3, "Edit27");
    // Frames Image3 to Image10 show the photographs foto1.jpg to foto8.jpg;
    // a photograph that is not there leaves its frame empty.
    PictureFrame* frames[] = {form.Image3, form.Image4, form.Image5, form.Image6,
                              form.Image7, form.Image8, form.Image9, form.Image10};
    int number = 1;
    for (PictureFrame* frame : frames)
        frame->load(dataDir / "Imagens" / "Fotos" / ("foto" + std::to_string(number++) + ".jpg"));
    return page;
}

} // namespace bulbicalc::ui
