#include "ui/planning/workbench_page.h"

#include "ui/app/grid_view.h"
#include "ui/app/tab_group.h"
#include "ui/planning/ui_workbench_page.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>

namespace bulbicalc::ui {
namespace {

// The commands of PopupMenu1, in their order: the menu item's name and the
// caption that names the command in the core.
constexpr std::pair<const char*, const char*> kClosureCommands[] = {
    {"FecharMenorNPK", "Fechar pelo menor NPK"},
    {"FechaN", "Fechar pelo N"},
    {"FecharpeloP", "Fechar pelo P205"},
    {"FecharpeloK", "Fechar pelo K2O"},
    {"FecharpeloS", "Fechar pelo S"},
};

// The popup menu of the fertiliser grid. A right click makes the cell under
// the mouse the current cell first, since the commands act on the current cell.
void addClosureMenu(GridView* grid)
{
    auto* menu = new QMenu(grid);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    for (const auto& [name, caption] : kClosureCommands) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setData(QString::fromUtf8(caption));
    }
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, menu, [grid, menu](const QPoint& pos) {
        const QModelIndex index = grid->indexAt(pos);
        if (index.isValid())
            grid->setCurrentIndex(index);
        menu->popup(grid->viewport()->mapToGlobal(pos));
    });
}

} // namespace

QWidget* createWorkbenchPage(QWidget* parent, const std::filesystem::path& /*dataDir*/)
{
    auto* page = new QWidget(parent);
    Ui::WorkbenchPage form;
    form.setupUi(page);
    nameSpinEdit(form.UpDown4, "Edit31");
    addClosureMenu(form.rStgaMeusAdubos);
    // "Diferença" lies over "Aplicado".
    form.differenceBox->raise();
    return page;
}

} // namespace bulbicalc::ui
