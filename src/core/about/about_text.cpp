#include "core/about/about_text.h"

#include "core/about/about_controls.h"
#include "core/about/gallery.h"
#include "core/app/form_builder.h"
#include "core/app/window_state.h"

#include <string>
#include <utility>
#include <vector>

namespace bulbicalc {
namespace {

constexpr Colour kHeadingBlue{0, 0, 255};

LineFormat regular()
{
    return LineFormat{};
}
LineFormat heading()
{
    return LineFormat{kHeadingBlue, true, true};
}
LineFormat name()
{
    return LineFormat{colours::kBlack, true, true};
}

} // namespace

void addAboutControls(WindowState& window)
{
    FormBuilder b(window);
    b.tab(about::TabSheet8);
    bool first = true;
    for (std::string_view frame : about::kPhotoFrames) {
        b.image(frame, first);
        first = false;
    }
    b.label(about::Label48, "Fotos 1/8");
    b.label(about::Label66, std::string(kPhotoCaptions.front()));
    b.spin(about::UpDown3, about::Edit27, 1, 1, 8);

    b.tab(about::TabSheet7);
    b.add(about::RichEdit2, ControlKind::RichEdit);
}

void writeAboutText(WindowState& window)
{
    const std::vector<std::pair<std::string, LineFormat>> lines = {
        {"Programa Bulbicalc", heading()},
        {std::string(64, '-'), regular()},
        {"Programa para indicação de adubação e calagem da cultura da cebola", regular()},
        {"Versão 1.0 ", regular()},
        {"Data da criação: 25/09/2021 ", regular()},
        {"Programação: equipe de desenvolvimento do Bulbicalc", regular()},
        {"E-mail: bulbicalc@bulbicalc.org", regular()},
        {"", regular()},
        {"Contatos:", heading()},
        {"Responsável técnico pelo conteúdo agronômico", name()},
        {"Engenheiro agrônomo, Dr.", regular()},
        {"Pesquisador em fertilidade do solo e nutrição de plantas", regular()},
        {"E-mail: fertilidade@bulbicalc.org", regular()},
        {"", regular()},
        {"Responsável pelo desenvolvimento do programa", regular()},
        {"Engenheiro agrônomo, M.Sc.", regular()},
        {"Extensionista rural na cultura da cebola", regular()},
        {"E-mail: cebola@bulbicalc.org", regular()},
        {"", heading()},
        {"Referências:", heading()},
        {"Boletim técnico (2018): Fertilidade do solo, adubação e nutrição da cultura da cebola.", regular()},
        {"", regular()},
        {"Manual de calagem e adubação para os estados do Rio Grande do Sul e de Santa Catarina. "
         "Sociedade Brasileira de Ciência do Solo, Núcleo Regional Sul, 2016.",
         regular()},
    };
    Control& richEdit = window.control(about::RichEdit2);
    richEdit.items.clear();
    richEdit.lineFormats.clear();
    for (const auto& [text, format] : lines) {
        richEdit.items.push_back(text);
        richEdit.lineFormats.push_back(format);
    }
}

} // namespace bulbicalc
