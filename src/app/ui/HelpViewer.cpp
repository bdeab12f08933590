#include "app/ui/HelpViewer.h"

#include "screens/ui/CloseKeys.h"
#include "screens/ui/Dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    layout->setSpacing(0);
    layout->addWidget(browser_);
    layout->addWidget(CreateFindBar());
    InstallCloseKeys(*this);
    resize(680, 560);
}

QWidget* HelpViewer::CreateFindBar() {
    findBar_ = new QWidget(this);
    findBar_->setObjectName("pnlFind");
    auto* label = new QLabel(QStringLiteral("F&ind:"), findBar_);
    editFind_ = new QLineEdit(findBar_);
    editFind_->setObjectName("editFind");
    editFind_->setAccessibleName(QStringLiteral("Find in help"));
    label->setBuddy(editFind_);
    auto* next = new QPushButton(QStringLiteral("&Next"), findBar_);
    next->setObjectName("btnFindNext");
    auto* previous = new QPushButton(QStringLiteral("&Previous"), findBar_);
    previous->setObjectName("btnFindPrevious");
    lblFindResult_ = new QLabel(findBar_);
    lblFindResult_->setObjectName("lblFindResult");
    auto* layout = new QHBoxLayout(findBar_);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(label);
    layout->addWidget(editFind_, 1);
    layout->addWidget(next);
    layout->addWidget(previous);
    layout->addWidget(lblFindResult_);
    findBar_->hide();

    auto* open = new QAction(this);
    open->setObjectName("actFind");
    open->setShortcut(QKeySequence::Find);
    connect(open, &QAction::triggered, this, &HelpViewer::OpenFind);
    addAction(open);
    auto* again = new QAction(this);
    again->setShortcut(QKeySequence::FindNext);
    connect(again, &QAction::triggered, this, &HelpViewer::FindNext);
    addAction(again);
    auto* back = new QAction(this);
    back->setShortcut(QKeySequence::FindPrevious);
    connect(back, &QAction::triggered, this, &HelpViewer::FindPrevious);
    addAction(back);

    connect(next, &QPushButton::clicked, this, &HelpViewer::FindNext);
    connect(previous, &QPushButton::clicked, this, &HelpViewer::FindPrevious);
    // Typing finds as it goes: the match grows from where it starts.
    connect(editFind_, &QLineEdit::textEdited, this, [this] { Find(false, true); });
    editFind_->installEventFilter(this);
    return findBar_;
}

void HelpViewer::OpenFind() {
    findBar_->show();
    editFind_->setFocus(Qt::ShortcutFocusReason);
    editFind_->selectAll();
}

bool HelpViewer::FindNext() {
    return Find(false, false);
}

bool HelpViewer::FindPrevious() {
    return Find(true, false);
}

bool HelpViewer::Find(bool backward, bool fromSelectionStart) {
    const QString text = editFind_->text();
    lblFindResult_->clear();
    if (text.isEmpty()) {
        return false;
    }
    QTextCursor cursor = browser_->textCursor();
    if (fromSelectionStart) {
        cursor.setPosition(cursor.selectionStart());
        browser_->setTextCursor(cursor);
    }
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(text, flags)) {
        return true;
    }
    // Round again from the other end.
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(cursor);
    if (browser_->find(text, flags)) {
        return true;
    }
    lblFindResult_->setText(QStringLiteral("Not found"));
    return false;
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editFind_) {
        // Escape in the find bar closes the bar, not the window.
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape) {
                findBar_->hide();
                browser_->setFocus(Qt::OtherFocusReason);
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                Find(key->modifiers().testFlag(Qt::ShiftModifier), false);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

QStringList HelpViewer::DefaultFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../share/velmora")),
            QStringLiteral(VELMORA_DATA_DIR)};
}

QString HelpViewer::FindHelpFileIn(const QStringList& folders) {
    for (const QString& folder : folders) {
        // An empty or relative name would be the folder the program was started in,
        // where anyone who can write there would decide what the help says.
        if (folder.isEmpty() || QDir::isRelativePath(folder)) {
            continue;
        }
        const QDir dir(folder);
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
            if (!folder.isEmpty() && !QDir::isRelativePath(folder)) {
                places << QDir::toNativeSeparators(folder);
            }
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
