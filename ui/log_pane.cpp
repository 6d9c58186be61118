#include "ui/log_pane.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text_search.h"

namespace skyvex::ui {

LogPane::LogPane(QWidget* parent)
    : QWidget(parent),
      view_(new LogView(this)),
      findBar_(new QWidget(this)),
      txtFind_(new QLineEdit(findBar_)),
      chkMatchCase_(new QCheckBox(QStringLiteral("Match &case"), findBar_)),
      lblFound_(new QLabel(findBar_)) {
  view_->setObjectName(QStringLiteral("txtLog"));
  txtFind_->setObjectName(QStringLiteral("txtFind"));
  auto* previous = new QPushButton(QStringLiteral("&Previous"), findBar_);
  auto* next = new QPushButton(QStringLiteral("&Next"), findBar_);
  auto* close = new QPushButton(QStringLiteral("Close"), findBar_);
  for (QPushButton* button : {previous, next, close}) button->setAutoDefault(false);

  auto* bar = new QHBoxLayout(findBar_);
  bar->setContentsMargins(4, 2, 4, 2);
  bar->addWidget(new QLabel(QStringLiteral("Find:"), findBar_));
  bar->addWidget(txtFind_, 1);
  bar->addWidget(previous);
  bar->addWidget(next);
  bar->addWidget(chkMatchCase_);
  bar->addWidget(lblFound_);
  bar->addWidget(close);
  findBar_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(view_, 1);
  layout->addWidget(findBar_);
  setFocusProxy(view_);

  connect(view_, &LogView::findWanted, this, &LogPane::openFindBar);
  connect(view_, &LogView::findAgainWanted, this, &LogPane::findAgain);
  connect(next, &QPushButton::clicked, this, [this] { findAgain(false); });
  connect(previous, &QPushButton::clicked, this, [this] { findAgain(true); });
  connect(close, &QPushButton::clicked, this, &LogPane::closeFindBar);
  // A new text is looked for from the start of the selection, so that typing on keeps the place.
  connect(txtFind_, &QLineEdit::textEdited, this, [this] {
    view_->select(view_->selectionStart(), view_->selectionStart());
    findAgain(false);
  });
  txtFind_->installEventFilter(this);
}

void LogPane::openFindBar() {
  const std::string selected = view_->selectedText();
  if (!selected.empty() && selected.find('\n') == std::string::npos) txtFind_->setText(QString::fromLatin1(selected.data(), static_cast<qsizetype>(selected.size())));
  findBar_->show();
  txtFind_->setFocus();
  txtFind_->selectAll();
}

void LogPane::closeFindBar() {
  findBar_->hide();
  view_->setFocus();
}

void LogPane::findAgain(bool backward) {
  if (txtFind_->text().isEmpty()) return openFindBar();
  const std::string wanted = txtFind_->text().toLatin1().toStdString();  // one character per byte, as shown
  // Next starts just after the start of the selection, so that a place found is passed over; previous at it.
  const std::size_t from = view_->selectionStart() + (backward || view_->selectionEnd() == view_->selectionStart() ? 0 : 1);
  const auto found = findText(view_->shownText(), {wanted, backward, chkMatchCase_->isChecked()}, from);
  lblFound_->setText(found ? QString() : QStringLiteral("Not found"));
  if (found) view_->select(*found, *found + wanted.size());
}

bool LogPane::eventFilter(QObject* watched, QEvent* event) {
  if (watched != txtFind_ || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool shift = key->modifiers() & Qt::ShiftModifier;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F3: findAgain(shift); return true;
    case Qt::Key_Escape: closeFindBar(); return true;
    default: return QWidget::eventFilter(watched, event);
  }
}

}  // namespace skyvex::ui
