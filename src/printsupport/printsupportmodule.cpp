// The program's printing module: the one place that calls the toolkit's print support, loaded
// when something is first printed (gui/printsupport.h says why). It holds no texts and makes no
// decisions; the windows do both.

#include "gui/platform/printsupport.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

class ToolkitPrintSupport final : public PrintSupport {
public:
    QPrinter* create() const override
    {
        auto* printer = new QPrinter(QPrinter::HighResolution);
        printer->setCopyCount(1);
        return printer;
    }

    void destroy(QPrinter* printer) const override { delete printer; }

    QPagedPaintDevice* pages(QPrinter* printer) const override { return printer; }

    void setDocName(QPrinter* printer, const QString& name) const override { printer->setDocName(name); }

    QString outputFileName(const QPrinter* printer) const override { return printer->outputFileName(); }

    void setOutputFileName(QPrinter* printer, const QString& file) const override { printer->setOutputFileName(file); }

    bool writesPdf(const QPrinter* printer) const override { return printer->outputFormat() == QPrinter::PdfFormat; }

    QString printerName(const QPrinter* printer) const override { return printer->printerName(); }

    bool failed(const QPrinter* printer) const override { return printer->printerState() == QPrinter::Error; }

    bool printersInstalled() const override { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

    bool runDialog(QWidget* parent, QPrinter* printer) const override
    {
        QPrintDialog dialog(printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT const PrintSupport* quorvexPrintSupport()
{
    static const ToolkitPrintSupport support;
    return &support;
}
