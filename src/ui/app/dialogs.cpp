#include "ui/app/dialogs.h"

#include <QMessageBox>

namespace bulbicalc::ui {

void MessageBoxPresenter::showError(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, QStringLiteral("Bulbicalc"), message);
}

void MessageBoxPresenter::showMessage(QWidget* parent, const QString& message)
{
    QMessageBox::information(parent, QStringLiteral("Bulbicalc"), message);
}

} // namespace bulbicalc::ui
