#include "gui/qt_platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QThread>
#include <QUrl>
#include <cstdio>

#include "gui/qt_text.h"

namespace pk {

QtPlatform::QtPlatform() : gui_context_(std::make_unique<QObject>()) {
  NoteScreenSize();
  has_tray_ = QSystemTrayIcon::isSystemTrayAvailable();
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    QObject::connect(app, &QGuiApplication::primaryScreenChanged, gui_context_.get(), [this] { NoteScreenSize(); });
    if (QScreen* screen = QGuiApplication::primaryScreen())
      QObject::connect(screen, &QScreen::geometryChanged, gui_context_.get(), [this] { NoteScreenSize(); });
  }
}

void QtPlatform::NoteScreenSize() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  std::lock_guard lock(screen_mutex_);
  screen_ = {screen->size().width(), screen->size().height()};
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::OnGuiThread(const std::function<void()>& f) {
  if (QThread::currentThread() == gui_context_->thread()) {
    f();
    return;
  }
  QMetaObject::invokeMethod(gui_context_.get(), f, Qt::BlockingQueuedConnection);
}

void QtPlatform::QueueAnswer(MessageAnswer answer) {
  std::lock_guard lock(asked_mutex_);
  queued_answers_.push_back(answer);
}

std::vector<QtPlatform::AskedMessage> QtPlatform::Asked() const {
  std::lock_guard lock(asked_mutex_);
  return asked_;
}

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtPlatform::ShowMessage(const std::string& text, const std::string& title, MessageButtons buttons) {
  return ShowIconMessage(text, title, buttons, MessageIcon::None);
}

MessageAnswer QtPlatform::ShowIconMessage(const std::string& text, const std::string& title, MessageButtons buttons,
                                          MessageIcon icon) {
  MessageAnswer answer = buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  {
    std::lock_guard lock(asked_mutex_);
    asked_.push_back({text, title, icon});
    if (!queued_answers_.empty()) {
      answer = queued_answers_.front();
      queued_answers_.pop_front();
      return answer;
    }
  }
  if (unattended_) {
    std::fprintf(stderr, "pkcalc: message \"%s\" (%s)\n", text.c_str(), title.c_str());
    return answer;
  }
  OnGuiThread([&] {
    // Nobody to ask any more (the program is ending) by the time the question got here.
    if (unattended_) return;
    QMessageBox box(parent_);
    box.setWindowTitle(ToQString(title));
    box.setIcon(BoxIcon(icon));
    box.setText(ToDisplayText(text));
    if (buttons == MessageButtons::YesNo) {
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      answer = box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    } else {
      box.setStandardButtons(QMessageBox::Ok);
      box.exec();
      answer = MessageAnswer::Ok;
    }
  });
  return answer;
}

QString ToQtFilter(const std::string& filter) {
  const QStringList parts = ToQString(filter).split(QChar('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QChar(';'), QChar(' '));
    filters << parts[i] + QStringLiteral(" (") + patterns + QChar(')');
  }
  return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> QtPlatform::AskSavePath(const SaveDialogRequest& request) {
  std::optional<std::string> path;
  if (unattended_) return path;
  OnGuiThread([&] {
    QString chosen = QFileDialog::getSaveFileName(parent_, QString(), ToQString(request.startFolder),
                                                  ToQtFilter(request.filter));
    if (chosen.isEmpty()) return;
    const QString extension = ToQString(request.defaultExtension);
    if (!extension.isEmpty() && QFileInfo(chosen).suffix().isEmpty())
      chosen += extension.startsWith(QChar('.')) ? extension : QChar('.') + extension;
    path = ToUtf8(chosen);
  });
  return path;
}

bool IsWebAddress(const std::string& url) {
  const QUrl parsed(ToQString(url).trimmed(), QUrl::StrictMode);
  const QString scheme = parsed.scheme().toLower();
  return parsed.isValid() && (scheme == QStringLiteral("http") || scheme == QStringLiteral("https")) &&
         !parsed.host().isEmpty();
}

void QtPlatform::OpenWebAddress(const std::string& url) {
  if (!IsWebAddress(url)) return;
  const QUrl address(ToQString(url).trimmed());
  QMetaObject::invokeMethod(gui_context_.get(), [address] { QDesktopServices::openUrl(address); }, Qt::QueuedConnection);
}

bool DesktopSessionPresent() {
  if (!qEnvironmentVariableIsEmpty("PKCALC_NO_SHUTDOWN")) return false;
  const QString platform = QGuiApplication::platformName();
  if (platform != QStringLiteral("xcb") && platform != QStringLiteral("wayland")) return false;
  const QString session = qEnvironmentVariable("XDG_SESSION_TYPE");
  return session == QStringLiteral("x11") || session == QStringLiteral("wayland");
}

void QtPlatform::ShutDownComputer() {
  if (!DesktopSessionPresent()) return;
  QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
}

void QtPlatform::EndProgram() {
  end_requested_ = true;
  // Queued, so that it also ends a program whose event loop has not started yet.
  QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

ScreenSize QtPlatform::Screen() {
  std::lock_guard lock(screen_mutex_);
  return screen_;
}

// Operator time, as every time of the program is, whatever zone the computer is set to.
DateTime QtPlatform::ComputerClock() { return ComputerTimeUtc8(); }

std::vector<std::string> ProcessNamesUnder(const std::string& proc_folder) {
  std::vector<std::string> names;
  const QDir proc(ToQString(proc_folder));
  for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    bool numeric = false;
    entry.toLongLong(&numeric);
    if (!numeric) continue;
    // The executable's own path where it may be read, else the first word of the
    // command line, else the kernel's (shortened) command name.
    QString name = QFileInfo(proc.filePath(entry + QStringLiteral("/exe"))).symLinkTarget();
    if (name.isEmpty()) {
      QFile cmdline(proc.filePath(entry + QStringLiteral("/cmdline")));
      if (cmdline.open(QIODevice::ReadOnly)) name = QString::fromLocal8Bit(cmdline.readAll().split('\0').value(0));
    }
    if (name.isEmpty()) {
      QFile comm(proc.filePath(entry + QStringLiteral("/comm")));
      if (comm.open(QIODevice::ReadOnly)) name = QString::fromLocal8Bit(comm.readAll()).trimmed();
    }
    if (name.endsWith(QStringLiteral(" (deleted)"))) name.chop(10);
    name = QFileInfo(name).fileName();
    if (!name.isEmpty()) names.push_back(ToUtf8(name));
  }
  return names;
}

// An unattended run (a screenshot) is a tool run beside the user's program, not a second
// copy of it: it never counts as one, and never refuses because one runs.
std::vector<std::string> QtPlatform::ProcessNames() {
  if (unattended_) return {};
  return ProcessNamesUnder("/proc");
}

bool QtPlatform::HasSystemTray() {
  if (QThread::currentThread() == gui_context_->thread()) has_tray_ = QSystemTrayIcon::isSystemTrayAvailable();
  return has_tray_;
}

}  // namespace pk
