#include "ui/reports/report_preview.h"

#include "ui/app/qt_text.h"
#include "ui/reports/page_painter.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

namespace bulbicalc::ui {
namespace {

// The text of the runtime's error when a file cannot be written.
const char* const kFileAccessDenied = "File access denied";

} // namespace

ReportPreview::ReportPreview(PrintedPage page, ErrorSink showError, QWidget* parent)
    : QDialog(parent), page_(std::move(page)), showError_(std::move(showError)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Visualizar relatório - ") + qt(page_.documentName));
    setModal(true);
    setWindowState(Qt::WindowMaximized);

    printer_->setFullPage(true);
    setPaperLayout(*printer_);
    printer_->setDocName(qt(page_.documentName));

    preview_ = new QPrintPreviewWidget(printer_.get(), this);
    preview_->setObjectName(QStringLiteral("previewWidget"));
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        QPainter painter(printer);
        paintPage(page_, painter);
    });

    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("previewTools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [&](const char* name, const QString& text, const QKeySequence& key, auto slot) {
        QAction* action = tools->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add("print", QStringLiteral("&Imprimir..."), QKeySequence::Print, [this] { print(); });
    add("exportPdf", QStringLiteral("&Exportar PDF..."), QKeySequence(), [this] { exportPdf(); });
    tools->addSeparator();
    add("zoomIn", QStringLiteral("Ampliar"), QKeySequence::ZoomIn, [this] { preview_->zoomIn(); });
    add("zoomOut", QStringLiteral("Reduzir"), QKeySequence::ZoomOut, [this] { preview_->zoomOut(); });
    add("fitWidth", QStringLiteral("Largura da página"), QKeySequence(), [this] { preview_->fitToWidth(); });
    add("fitPage", QStringLiteral("Página inteira"), QKeySequence(), [this] { preview_->fitInView(); });
    tools->addSeparator();
    add("close", QStringLiteral("&Fechar"), QKeySequence(), [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(preview_, 1);
    preview_->fitInView();
}

ReportPreview::~ReportPreview() = default;

bool ReportPreview::exportTo(QString path)
{
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (writePdf(page_, path))
        return true;
    if (showError_)
        showError_(QString::fromLatin1(kFileAccessDenied));
    return false;
}

void ReportPreview::exportPdf()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(folder.isEmpty() ? QDir::homePath() : folder)
                                 .filePath(qt(page_.documentName) + QStringLiteral(".pdf"));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Exportar PDF"), proposed,
                                                      QStringLiteral("PDF (*.pdf)"), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    exportTo(path);
}

void ReportPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    setPaperLayout(printer);
    printer.setDocName(qt(page_.documentName));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (showError_)
            showError_(QString::fromLatin1(kFileAccessDenied));
        return;
    }
    paintPage(page_, painter);
}

} // namespace bulbicalc::ui
