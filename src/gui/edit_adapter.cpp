#include "gui/edit_adapter.h"

#include <QScrollBar>
#include <QEvent>
#include <QTextCursor>
#include <functional>

#include "gui/qt_text.h"

namespace pk {

namespace {

// Calls back when the watched widget is shown or resized.
class ShowWatch : public QObject {
 public:
  explicit ShowWatch(std::function<void()> shown) : shown_(std::move(shown)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::Resize) shown_();
    return false;
  }

 private:
  std::function<void()> shown_;
};

}  // namespace

EditAdapter::EditAdapter(EditModel& edit, bool multiline) : ControlAdapter(edit), model_(edit) {
  if (multiline) {
    box_ = new QPlainTextEdit;
    box_->setObjectName(ToQString(edit.Name()));
    box_->setReadOnly(true);
    box_->setLineWrapMode(QPlainTextEdit::NoWrap);
    show_watch_ = std::make_unique<ShowWatch>([this] {
      if (end_pending_ && box_->isVisible()) ScrollBoxToEnd();
    });
    box_->installEventFilter(show_watch_.get());
    SetWidget(box_);
    return;
  }
  line_ = new QLineEdit;
  line_->setObjectName(ToQString(edit.Name()));
  SetWidget(line_);
  QObject::connect(line_, &QLineEdit::textEdited, line_,
                   [this](const QString& text) { model_.SetText(ToUtf8(text)); });
  QObject::connect(line_, &QLineEdit::returnPressed, line_, [this] { model_.PressEnter(); });
}

void EditAdapter::Update() {
  if (box_) {
    UpdateBox();
    return;
  }
  const QLineEdit::EchoMode echo = model_.Masked() ? QLineEdit::Password : QLineEdit::Normal;
  if (line_->echoMode() != echo) line_->setEchoMode(echo);
  const QString text = ToQString(model_.Text());
  if (line_->text() != text) line_->setText(text);
}

void EditAdapter::ScrollBoxToEnd() {
  QScrollBar* bar = box_->verticalScrollBar();
  bar->setValue(bar->maximum());
  // Before the box is shown its scroll range is not known yet.
  end_pending_ = !box_->isVisible();
}

void EditAdapter::UpdateBox() {
  const std::string text = model_.Text();
  if (text != shown_text_) {
    // Appending keeps the scroll position and costs only the new lines.
    if (!shown_text_.empty() && text.size() > shown_text_.size() && text.compare(0, shown_text_.size(), shown_text_) == 0) {
      QTextCursor cursor(box_->document());
      cursor.movePosition(QTextCursor::End);
      cursor.insertText(ToDisplayText(text.substr(shown_text_.size())));
    } else {
      box_->setPlainText(ToDisplayText(text));
    }
    shown_text_ = text;
  }
  QScrollBar* bar = box_->verticalScrollBar();
  const int to_end = model_.ScrollToEndRequests();
  if (to_end != seen_scroll_to_end_) {
    seen_scroll_to_end_ = to_end;
    ScrollBoxToEnd();
  }
  const int line_down = model_.LineDownCount();
  if (line_down != seen_line_down_) {
    bar->setValue(bar->value() + (line_down - seen_line_down_) * bar->singleStep());
    seen_line_down_ = line_down;
  }
}

}  // namespace pk
