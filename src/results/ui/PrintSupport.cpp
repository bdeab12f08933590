#include "results/ui/PrintSupport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QPagedPaintDevice>

namespace velmora {

namespace {

// The module's entry point `name`; null with `error` set when it cannot be
// found. A loaded module stays loaded: the printers it made live on.
QFunctionPointer Entry(const char* name, QString& error) {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString file = QString::fromLatin1(kPrintModuleName);
    for (const QString& path : {folder + QStringLiteral("/" VELMORA_PRINT_MODULE_FOLDER "/") + file,
                                folder + QLatin1Char('/') + file}) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        QLibrary module(path);
        if (QFunctionPointer entry = module.resolve(name)) {
            return entry;
        }
        error = module.errorString();
        return nullptr;
    }
    error = QStringLiteral("print support (%1) is not installed").arg(file);
    return nullptr;
}

} // namespace

std::unique_ptr<QPagedPaintDevice> PrintSupport::NewPrinter(const QString& docName,
                                                            const QString& creator,
                                                            QString& error) {
    const auto make = reinterpret_cast<NewPrinterEntry>(Entry(kNewPrinterEntry, error));
    return std::unique_ptr<QPagedPaintDevice>(make != nullptr ? make(docName, creator) : nullptr);
}

bool PrintSupport::SetUpPrinter(QWidget* parent, QPagedPaintDevice& printer,
                                const QString& title) {
    QString error;
    const auto setUp = reinterpret_cast<SetUpPrinterEntry>(Entry(kSetUpPrinterEntry, error));
    return setUp != nullptr && setUp(parent, printer, title);
}

} // namespace velmora
