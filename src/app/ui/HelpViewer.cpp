#include "app/ui/HelpViewer.h"

#include "app/ui/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#ifndef VELMORA_DATA_DIR
#define VELMORA_DATA_DIR "/usr/local/share/velmora"
#endif

namespace velmora {

HelpViewer::HelpViewer(Dialogs& dialogs, QStringList folders, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), folders_(std::move(folders)),
      browser_(new QTextBrowser(this)) {
    setObjectName("HelpViewer");
    setWindowTitle(QStringLiteral("Velmora Help"));
    browser_->setObjectName("HelpText");
    browser_->setAccessibleName(QStringLiteral("Help"));
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(680, 560);
}

QStringList HelpViewer::DefaultFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {QString(), programFolder,
            QDir::cleanPath(programFolder + QStringLiteral("/../share/velmora")),
            QStringLiteral(VELMORA_DATA_DIR)};
}

QString HelpViewer::FindHelpFileIn(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QDir dir(folder.isEmpty() ? QDir::currentPath() : folder);
        const QFileInfo file(dir.filePath(QString::fromLatin1(kHelpFileName)));
        if (file.isFile() && file.isReadable()) {
            return file.absoluteFilePath();
        }
    }
    return QString();
}

bool HelpViewer::ShowContext(int context) {
    const QString path = FindHelpFileIn(folders_);
    if (path.isEmpty()) {
        QStringList places;
        for (const QString& folder : folders_) {
            places << QDir::toNativeSeparators(folder.isEmpty() ? QDir::currentPath() : folder);
        }
        dialogs_.Error(
            QStringLiteral("The help file %1 cannot be found. It was looked for in: %2")
                .arg(QString::fromLatin1(kHelpFileName), places.join(QStringLiteral(", "))));
        return false;
    }
    show();
    raise();
    activateWindow();
    QUrl url = QUrl::fromLocalFile(path);
    if (path != filePath_) {
        browser_->clearHistory();
        browser_->setSource(url, QTextDocument::HtmlResource);
        filePath_ = path;
    }
    url.setFragment(QStringLiteral("context-%1").arg(context));
    browser_->setSource(url, QTextDocument::HtmlResource);
    return true;
}

} // namespace velmora
