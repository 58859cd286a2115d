#include "gui/window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>

#include "gui/adapter_factory.h"
#include "gui/car_pictures.h"
#include "gui/qt_text.h"
#include "gui/status_bar_adapter.h"
#include "gui/tray_icon_adapter.h"

namespace pk {

namespace {
// How long a balloon text stays in the status bar where there is no tray.
constexpr int kBalloonStatusMs = 15000;
}  // namespace

WindowView::WindowView(UiWindow& window, LayoutHints hints) : window_(window) {
  setObjectName(ToQString(window.Name()));
  setWindowIcon(ProgramIcon());

  AdapterServices services;
  services.menu = [this](const std::string& caption) { return Menu(caption); };
  services.show_balloon = [this](const QString& text) { ShowBalloon(text); };
  services.widget_of = [this](const std::string& control) -> QWidget* {
    ControlAdapter* adapter = Adapter(control);
    return adapter ? adapter->widget() : nullptr;
  };

  const std::vector<Control*> controls = window.Controls();
  const std::vector<const Control*> all(controls.begin(), controls.end());
  std::vector<ControlAdapter*> placed;
  bool has_status_bar = false;
  for (Control* control : controls) {
    const bool multiline = control->Kind() == ControlKind::Edit && AloneInArea(all, *control);
    adapters_.push_back(CreateAdapter(*control, multiline, services));
    ControlAdapter* adapter = adapters_.back().get();
    by_name_[control->Name()] = adapter;
    placed.push_back(adapter);
    if (auto* tray = dynamic_cast<TrayIconAdapter*>(adapter); tray && !tray_) tray_ = tray;
    if (auto* bar = dynamic_cast<StatusBarAdapter*>(adapter); bar && !has_status_bar) {
      setStatusBar(bar->statusBar());
      has_status_bar = true;
    }
  }
  BuildMenus(window.Menus());
  layout_ = std::make_unique<WindowLayout>(placed, std::move(hints));
  setCentralWidget(layout_->Build());
  // The window manager places a window at its first showing; later places the model is
  // given are applied.
  applied_left_ = window.Model().Left();
  applied_top_ = window.Model().Top();
  for (Control* control : controls) seen_focus_requests_[control] = control->FocusRequests();
  RefreshAll();
}

WindowView::~WindowView() {
  // The widgets go first, while the adapters their signals call into still exist.
  delete takeCentralWidget();
  setStatusBar(nullptr);
  menuBar()->clear();
}

ControlAdapter* WindowView::Adapter(const std::string& control) const {
  auto found = by_name_.find(control);
  return found == by_name_.end() ? nullptr : found->second;
}

QMenu* WindowView::Menu(const std::string& caption) const {
  auto found = menus_.find(caption);
  return found == menus_.end() ? nullptr : found->second;
}

void WindowView::Refresh(const std::string& control) {
  if (control.empty()) {
    RefreshWindow();
    return;
  }
  if (ControlAdapter* adapter = Adapter(control)) {
    adapter->Refresh();
    if (layout_->OnForm(*adapter)) ApplyFormGeometry(*adapter);
    RefreshFocus(*adapter);
    RefreshStacks();
  }
}

void WindowView::RefreshAll() {
  for (const auto& adapter : adapters_) {
    adapter->Refresh();
    if (layout_->OnForm(*adapter)) ApplyFormGeometry(*adapter);
    RefreshFocus(*adapter);
  }
  RefreshStacks();
  RefreshWindow();
}

void WindowView::RefreshFocus(ControlAdapter& adapter) {
  const int requests = adapter.control().FocusRequests();
  int& seen = seen_focus_requests_[&adapter.control()];
  if (requests == seen) return;
  seen = requests;
  QWidget* widget = adapter.widget();
  if (!widget) return;
  if (isVisible()) {
    widget->setFocus(Qt::OtherFocusReason);
  } else {
    pending_focus_ = widget;
  }
}

void WindowView::RefreshStacks() {
  for (const WindowLayout::Stack& stack : layout_->Stacks()) {
    ControlAdapter* top = WindowLayout::Topmost(stack);
    if (top && top->widget() && stack.layout->currentWidget() != top->widget()) stack.layout->setCurrentWidget(top->widget());
  }
}

void WindowView::BuildMenus(const std::vector<MenuDescription>& menus) {
  if (menus == built_menus_) return;
  for (auto& [caption, menu] : menus_) {
    menuBar()->removeAction(menu->menuAction());
    menu->deleteLater();
  }
  menus_.clear();
  for (const MenuDescription& description : menus) {
    QMenu* menu = menuBar()->addMenu(ToQString(description.caption));
    for (const std::string& item : description.items) {
      QAction* action = menu->addAction(ToQString(item));
      connect(action, &QAction::triggered, this, [this, item] { window_.ChooseMenu(item); });
    }
    menus_.emplace(description.caption, menu);
  }
  menuBar()->setVisible(!menus.empty());
  built_menus_ = menus;
}

void WindowView::RefreshWindow() {
  applying_ = true;
  WindowModel& model = window_.Model();
  const QString caption = ToQString(model.Caption());
  if (windowTitle() != caption) setWindowTitle(caption);
  setEnabled(model.Enabled());
  BuildMenus(window_.Menus());

  const int width = model.Width();
  const int height = model.Height();
  if (width != applied_width_ || height != applied_height_) {
    // The layouts decide the smallest size; the model's size applies above it.
    const QSize least = applied_width_ < 0 ? sizeHint() : minimumSizeHint();
    resize(std::max(width, least.width()), std::max(height, least.height()));
    applied_width_ = width;
    applied_height_ = height;
  }
  const int left = model.Left();
  const int top = model.Top();
  if (left != applied_left_ || top != applied_top_) {
    move(left, top);
    applied_left_ = left;
    applied_top_ = top;
  }

  const bool visible = model.Visible();
  if (visible && !isVisible()) setWindowModality(model.Modal() ? Qt::ApplicationModal : Qt::NonModal);
  if (visible != isVisible()) setVisible(visible);
  if (visible) {
    const bool minimised = model.State() == kWindowMinimised;
    if (minimised && !isMinimized()) showMinimized();
    if (!minimised && isMinimized()) showNormal();
  }
  const int front = model.FrontRequests();
  if (front != seen_front_requests_) {
    seen_front_requests_ = front;
    if (isVisible()) {
      raise();
      activateWindow();
    }
  }
  applying_ = false;
}

void WindowView::closeEvent(QCloseEvent* event) {
  if (!window_.Model().RequestClose()) {
    event->ignore();
    return;
  }
  event->accept();
  window_.Model().SetVisible(false);
  if (on_closed_) on_closed_();
}

void WindowView::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || applying_) return;
  const int state = isMinimized() ? kWindowMinimised : kWindowNormal;
  if (state != window_.Model().State()) window_.Model().ChangeState(state);
}

void WindowView::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  NoteGeometry();
}

void WindowView::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  NoteGeometry();
}

void WindowView::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (pending_focus_) pending_focus_->setFocus(Qt::OtherFocusReason);
  pending_focus_ = nullptr;
}

void WindowView::NoteGeometry() {
  // A hidden or minimised window has no place of its own to tell.
  if (!isVisible() || isMinimized()) return;
  WindowModel& model = window_.Model();
  if (x() != applied_left_ || y() != applied_top_) {
    applied_left_ = x();
    applied_top_ = y();
    model.SetLeft(applied_left_);
    model.SetTop(applied_top_);
  }
  if (width() != applied_width_ || height() != applied_height_) {
    applied_width_ = width();
    applied_height_ = height();
    model.SetWidth(applied_width_);
    model.SetHeight(applied_height_);
  }
}

void WindowView::ShowBalloon(const QString& text) {
  if (tray_ && tray_->Showing()) {
    tray_->trayIcon()->showMessage(windowTitle(), text, QSystemTrayIcon::Information);
    return;
  }
  QString line = text;
  line.replace(QChar('\n'), QStringLiteral("  "));
  line.replace(QChar('\t'), QChar(' '));
  statusBar()->showMessage(line.trimmed(), kBalloonStatusMs);
}

}  // namespace pk
