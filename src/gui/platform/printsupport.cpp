#include "gui/platform/printsupport.h"

#include "gui/windows/userdialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

struct Module {
    QString path; // empty: the usual places
    const PrintSupport* support = nullptr;
};

Module& module()
{
    static Module module;
    return module;
}

// Where the module is: beside the installed program (bin/../lib/quorvex), or else where the
// build put it, for the program, its tests and benchmarks run from the build folder.
QString modulePath()
{
    if (!module().path.isEmpty())
        return module().path;
    const QString installed = QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(QUORVEX_PRINT_SUPPORT_INSTALLED)));
    if (QFileInfo::exists(installed))
        return installed;
    return QStringLiteral(QUORVEX_PRINT_SUPPORT_BUILT);
}

} // namespace

const PrintSupport* loadPrintSupport(QString* why)
{
    if (module().support)
        return module().support;
    // The library stays loaded once loaded: QLibrary unloads only when asked to.
    QLibrary library(modulePath());
    using Entry = const PrintSupport* (*)();
    const auto entry = library.load() ? reinterpret_cast<Entry>(library.resolve(QUORVEX_PRINT_SUPPORT_ENTRY)) : nullptr;
    if (!entry) {
        *why = library.errorString();
        return nullptr;
    }
    module().support = entry();
    return module().support;
}

void setPrintSupportPath(const QString& path)
{
    module() = Module { path, nullptr };
}

std::unique_ptr<Printer> Printer::create(QWidget* parent)
{
    QString why;
    const PrintSupport* support = loadPrintSupport(&why);
    if (!support) {
        userDialogs().reportError(parent,
            QCoreApplication::translate("UserDialogs", "The file \"%1\" could not be used: %2.")
                .arg(QDir::toNativeSeparators(modulePath()), why));
        return nullptr;
    }
    return std::unique_ptr<Printer>(new Printer(*support, support->create(), true));
}

std::unique_ptr<Printer> Printer::lend(QPrinter& printer, QString* why)
{
    const PrintSupport* support = loadPrintSupport(why);
    return support ? std::unique_ptr<Printer>(new Printer(*support, &printer, false)) : nullptr;
}

Printer::Printer(const PrintSupport& support, QPrinter* printer, bool owned)
    : m_support(support)
    , m_printer(printer)
    , m_owned(owned)
{
}

Printer::~Printer()
{
    if (m_owned)
        m_support.destroy(m_printer);
}

QPagedPaintDevice& Printer::pages() const
{
    return *m_support.pages(m_printer);
}

void Printer::setDocName(const QString& name) const
{
    m_support.setDocName(m_printer, name);
}

QString Printer::outputFileName() const
{
    return m_support.outputFileName(m_printer);
}

void Printer::setOutputFileName(const QString& file) const
{
    m_support.setOutputFileName(m_printer, file);
}

bool Printer::writesPdf() const
{
    return m_support.writesPdf(m_printer);
}

QString Printer::destination() const
{
    return writesPdf() ? outputFileName() : m_support.printerName(m_printer);
}

bool Printer::failed() const
{
    return m_support.failed(m_printer);
}

bool Printer::printersInstalled() const
{
    return m_support.printersInstalled();
}
