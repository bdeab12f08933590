#include "app/ui/Application.h"

#include "app/ui/DesktopIdentity.h"
#include "app/ui/PlanStore.h"
#include "app/ui/StandardKeys.h"
#include "app/ui/TfrmTitlepage.h"
#include "entry/ui/TfrmDataInput.h"
#include "entry/ui/TfrmEarnings.h"
#include "entry/ui/TfrmEntitlements.h"
#include "holdings/debt/ui/TfrmDebt.h"
#include "holdings/equity/ui/TfrmEquity.h"
#include "holdings/ira/ui/TfrmIRAs.h"
#include "plan/PlanFileMessages.h"
#include "plan/PrivateFiles.h"
#include "projection/ui/TfrmYearsAhead.h"
#include "projection/ui/WaysReport.h"
#include "projection/ui/YearsReport.h"
#include "results/ui/TfrmCalc.h"
#include "screens/ui/ContextMenuAccess.h"
#include "screens/ui/Dialogs.h"
#include "screens/ui/FullTextTips.h"
#include "screens/ui/PrivateSettings.h"
#include "screens/ui/QtDialogs.h"
#include "screens/ui/ScreenContext.h"
#include "screens/ui/ScreenText.h"
#include "screens/ui/ScreenWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QWidget>
#include <cstdio>
#include <future>

namespace velmora {

namespace {

std::size_t Index(Screen screen) {
    return static_cast<std::size_t>(screen);
}

// A screen of class T made with the program's context, and its activation.
template <class T> Application::Entry Make(const ScreenContext& context) {
    auto widget = std::make_unique<T>(context);
    T* screen = widget.get();
    return {std::move(widget), [screen] { screen->FormActivate(); }};
}

// The one place where each screen is made, in the order of Screen.
constexpr std::array<Application::Entry (*)(const ScreenContext&), kScreenCount> kScreenMakers{
    &Make<TfrmTitlepage>, &Make<TfrmCalc>,      &Make<TfrmIRAs>,
    &Make<TfrmDebt>,      &Make<TfrmEarnings>,  &Make<TfrmEntitlements>,
    &Make<TfrmEquity>,    &Make<TfrmDataInput>, &Make<TfrmYearsAhead>,
};

std::unique_ptr<QSettings> OpenSettings(const QString& file) {
    if (file.isEmpty()) {
        return std::make_unique<QSettings>();
    }
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

} // namespace

Application::Application(Dialogs& dialogs, PlanStore& store, ApplicationOptions options)
    : dialogs_(dialogs), store_(store), options_(std::move(options)),
      zoom_(OpenSettings(options_.settingsFile)),
      taxYear_(workspace_, OpenSettings(options_.settingsFile)) {
    connect(&taxYear_, &TaxYearChoice::Changed, this, &Application::TaxYearChanged);
    InstallContextMenuAccess();
    if (!options_.quit) {
        options_.quit = [] { QCoreApplication::exit(0); };
    }
}

Application::~Application() {
    // Screens go in the reverse order of their table, the title screen last.
    for (auto it = screens_.rbegin(); it != screens_.rend(); ++it) {
        if (it->widget) {
            it->widget->removeEventFilter(this);
        }
        it->widget.reset();
    }
}

void Application::CreateScreen(Screen screen) {
    if (started_ && !screens_[Index(screen)].widget) {
        MakeScreen(screen);
    }
}

void Application::MakeScreen(Screen screen) {
    Entry& entry = screens_[Index(screen)];
    // Making a screen only sets it up; its activation fills it from the plan.
    entry = kScreenMakers[Index(screen)](ScreenContext{workspace_, dialogs_, *this, history_});
    SetUpScreenWindow(*entry.widget, screen == Screen::Title);
    if (screen == Screen::Title || screen == Screen::DataInput || screen == Screen::Results) {
        taxYear_.AddMenu(*qobject_cast<QMainWindow*>(entry.widget.get()));
    }
    // The printed results end with the years ahead.
    if (auto* results = qobject_cast<TfrmCalc*>(entry.widget.get())) {
        results->AddReportPages(&YearsReportSection);
        results->AddReportPages(&WaysReportSection);
    }
    entry.widget->installEventFilter(this);
    history_.ShowModifiedMark(*entry.widget);
    history_.AddCommands(*entry.widget, entry.widget->findChild<QMenu*>(QStringLiteral("mnuFile")));
    InstallStandardKeys(*entry.widget, *this, zoom_);
    ShowFullTextTips(*entry.widget);
    zoom_.Register(*entry.widget, true);
}

bool Application::Start() {
    // Claiming the plan may wait for the disk (the lock file is synced): the
    // title screen is made meanwhile, unseen, and shown only once the plan is ours.
    long long holder = 0;
    std::future<bool> claimed =
        std::async(std::launch::async, [this, &holder] { return store_.Claim(holder); });
    // Only what the title screen needs comes before it is painted; the other
    // screens are made when they are first needed, all after the plan is loaded.
    MakeScreen(Screen::Title);
    if (!claimed.get()) {
        screens_[Index(Screen::Title)].widget.reset();
        dialogs_.Warning(FromCoreText(AlreadyOpenText(store_.FileName(), holder)));
        ended_ = true;
        return false;
    }
    WelcomeOnFirstStart();
    loadMessage_ = store_.Load(workspace_.plan);
    started_ = true;
    Show(Screen::Title);
    if (!loadMessage_.empty()) {
        dialogs_.Information(FromCoreText(loadMessage_));
    }
    // Without its lock the plan is not kept from a second run: the user is told,
    // and the program goes on.
    if (const std::string problem = store_.LockProblem(); !problem.empty()) {
        dialogs_.Warning(FromCoreText(problem));
    }
    // Nothing is written over a settings file that is no file: the choices of
    // this run are not kept, and the user is told.
    if (const QString settings = OpenSettings(options_.settingsFile)->fileName();
        !IsSettingsFile(settings)) {
        dialogs_.Warning(QStringLiteral("Your settings file %1 is not an ordinary file (it may be "
                                        "a folder, a device or a pipe), so Velmora does not write "
                                        "to it: the size, the tax year and the years ahead "
                                        "settings you choose are not kept.")
                             .arg(settings));
    }
    return true;
}

void Application::TaxYearChanged() {
    if (auto* title = qobject_cast<TfrmTitlepage*>(screens_[Index(Screen::Title)].widget.get())) {
        title->ShowTaxYear();
    }
    if (shown_ && current_ == Screen::Results) {
        if (auto* results =
                qobject_cast<TfrmCalc*>(screens_[Index(Screen::Results)].widget.get())) {
            results->Calculate();
        }
    }
}

void Application::WelcomeOnFirstStart() {
    if (!QFileInfo::exists(options_.startMarker)) {
        dialogs_.Message(QString::fromLatin1(kWelcome));
    }
}

QWidget* Application::ScreenWidget(Screen screen) {
    // A screen looked up before its first showing is made now, as it would be
    // for its showing; making a screen changes nothing that can be seen.
    CreateScreen(screen);
    return screens_[Index(screen)].widget.get();
}

HelpViewer& Application::Help() {
    if (!help_) {
        help_ = std::make_unique<HelpViewer>(dialogs_, options_.helpFolders);
        zoom_.Register(*help_, false);
    }
    return *help_;
}

void Application::Show(Screen screen) {
    if (ended_) {
        return;
    }
    CreateScreen(screen);
    Entry& target = screens_[Index(screen)];
    if (!target.widget) {
        return;
    }
    if (shown_ && current_ != screen) {
        if (QWidget* old = screens_[Index(current_)].widget.get()) {
            old->hide();
        }
    }
    current_ = screen;
    shown_ = true;
    if (!target.placed) {
        CentreOnScreen(*target.widget);
        target.placed = true;
    } else {
        KeepOnScreen(*target.widget); // it may have grown while hidden
    }
    target.widget->show();
    target.activate();
    target.widget->raise();
    target.widget->activateWindow();
}

bool Application::Save() {
    if (store_.ChangedOnDisk() &&
        !dialogs_.Confirm(FromCoreText(ChangedOnDiskQuestion(store_.FileName())))) {
        return false;
    }
    const PlanSaveReport saved = store_.Save(workspace_.plan);
    QWidget* screen = shown_ ? screens_[Index(current_)].widget.get() : nullptr;
    if (saved.error) {
        dialogs_.Error(FromCoreText(saved.error->text));
        // A failed save never touches the file on disk (it is replaced only once the
        // new one is complete): the user is told so, since the box names only the error.
        if (screen != nullptr) {
            ShowWindowNote(*screen, FromCoreText(NotSavedNote(store_.FileName())));
        }
        return false;
    }
    history_.MarkSaved();
    if (screen != nullptr) {
        const QFileInfo plan(QFile::decodeName(store_.FileName().c_str()));
        ShowWindowNote(*screen, QStringLiteral("Plan saved to ") +
                                    QDir::toNativeSeparators(plan.absoluteFilePath()));
    }
    if (!saved.warning.empty()) {
        dialogs_.Information(FromCoreText(saved.warning));
    }
    return true;
}

void Application::ExitSequence() {
    if (dialogs_.Confirm(QString::fromLatin1(kAskSave)) && !Save()) {
        return;
    }
    if (!dialogs_.Confirm(QString::fromLatin1(kAskExit))) {
        return;
    }
    WritePrivateFile(QFile::encodeName(options_.startMarker).toStdString(),
                     "Velmora has been ended through its exit sequence.\n");
    EndProgram();
}

void Application::EndProgram() {
    ended_ = true;
    for (Entry& entry : screens_) {
        if (entry.widget) {
            entry.widget->hide();
        }
    }
    if (help_) {
        help_->hide();
    }
    options_.quit();
}

bool Application::TitleCloseRequested() {
    if (dialogs_.Confirm(QString::fromLatin1(kAskSave)) && !Save()) {
        return false;
    }
    EndProgram();
    return true;
}

void Application::PrintHint() {
    dialogs_.Information(QString::fromLatin1(kPrintHint));
}

void Application::HelpContents() {
    Help().ShowContext(kHelpContents);
}

void Application::HelpTutorial() {
    Help().ShowContext(kHelpTutorial);
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && !ended_) {
        // Only the title screen can be closed by its window; the others are left
        // through their own buttons.
        if (watched != screens_[Index(Screen::Title)].widget.get() || !TitleCloseRequested()) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

int PrintHelpFilePath(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const QString path = HelpViewer::FindHelpFileIn(HelpViewer::DefaultFolders());
    if (path.isEmpty()) {
        std::fputs("velmora: the help file Velmora.hlp was not found\n", stderr);
        return 1;
    }
    std::printf("%s\n", QDir::toNativeSeparators(path).toLocal8Bit().constData());
    return 0;
}

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    SetUpDesktopIdentity();
    QApplication::setQuitOnLastWindowClosed(false);
    QtDialogs dialogs;
    PlanFileStore store;
    Application application(dialogs, store);
    if (!application.Start()) {
        return 1;
    }
    return QApplication::exec();
}

} // namespace velmora
