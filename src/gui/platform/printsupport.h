#pragma once

#include <QString>
#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// The toolkit's print support is a library of its own, a third of a megabyte in memory once
// its symbols are bound. The program loads it when something is first printed, not at start:
// everything that needs a printer's own functions lives in a small module
// (printsupport/printsupportmodule.cpp) that links it, and reaches the windows through this
// interface. The windows only ever hold a QPrinter by pointer.
class PrintSupport {
public:
    // A printer for high-resolution pages, making one copy.
    virtual QPrinter* create() const = 0;
    virtual void destroy(QPrinter* printer) const = 0;
    // The printer as the paged device a painter draws on.
    virtual QPagedPaintDevice* pages(QPrinter* printer) const = 0;
    virtual void setDocName(QPrinter* printer, const QString& name) const = 0;
    virtual QString outputFileName(const QPrinter* printer) const = 0;
    virtual void setOutputFileName(QPrinter* printer, const QString& file) const = 0;
    virtual bool writesPdf(const QPrinter* printer) const = 0;
    virtual QString printerName(const QPrinter* printer) const = 0;
    // The printer reported an error since it began printing.
    virtual bool failed(const QPrinter* printer) const = 0;
    virtual bool printersInstalled() const = 0;
    // Runs the system print dialog; true when the user confirmed it.
    virtual bool runDialog(QWidget* parent, QPrinter* printer) const = 0;

protected:
    ~PrintSupport() = default;
};

// The module's one entry point, looked up by this name.
#define QUORVEX_PRINT_SUPPORT_ENTRY "quorvexPrintSupport"

// Loads the module on first use and keeps it for the program's life. When it cannot be loaded,
// returns nullptr and says in *why which file and what went wrong; a later call tries again.
const PrintSupport* loadPrintSupport(QString* why);

// Looks for the module in this file from now on, or in the usual places when empty (tests).
void setPrintSupportPath(const QString& path);

// A printer of the print support: one of its own, or one lent by a caller (tests).
class Printer {
public:
    // A printer for high-resolution pages, making one copy; none when the print support could
    // not be loaded, which has been reported to the user (over parent) by then.
    static std::unique_ptr<Printer> create(QWidget* parent);
    // Lends a printer made elsewhere, while the print support is loaded; none when it is not,
    // and *why says why.
    static std::unique_ptr<Printer> lend(QPrinter& printer, QString* why);
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    QPrinter* printer() const { return m_printer; }
    QPagedPaintDevice& pages() const;
    void setDocName(const QString& name) const;
    QString outputFileName() const;
    void setOutputFileName(const QString& file) const;
    bool writesPdf() const;
    // Where the printout goes: the PDF file, or the printer's name.
    QString destination() const;
    bool failed() const;
    bool printersInstalled() const;

private:
    Printer(const PrintSupport& support, QPrinter* printer, bool owned);

    const PrintSupport& m_support;
    QPrinter* m_printer;
    bool m_owned;
};
