#pragma once

#include "core/app/platform.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QPrintPreviewWidget;

namespace bulbicalc::ui {

// The print preview of a report page: a maximised modal dialog with zoom,
// print and "Exportar PDF" (the page's document name proposed as the file
// name; an existing file is replaced without a question, the file is not
// opened afterwards). A PDF that cannot be written is reported through
// `showError` and leaves no file.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    using ErrorSink = std::function<void(const QString&)>;

    ReportPreview(PrintedPage page, ErrorSink showError, QWidget* parent = nullptr);
    ~ReportPreview() override;

    // Writes the PDF to `path` (a ".pdf" is added to a name without it). A
    // file that cannot be written is reported through the error sink, and
    // false returned.
    bool exportTo(QString path);

    QPrintPreviewWidget* previewWidget() const { return preview_; }

private:
    PrintedPage page_;
    ErrorSink showError_;
    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget* preview_ = nullptr;

    void exportPdf();
    void print();
};

} // namespace bulbicalc::ui
