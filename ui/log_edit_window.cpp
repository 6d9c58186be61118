#include "ui/log_edit_window.h"

#include <QColor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QEvent>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "core/text.h"
#include "ui/help_window.h"
#include "ui/log_window.h"
#include "ui/placement.h"

namespace skyvex::ui {

namespace {

const QColor kEnabledBack(255, 255, 255);
const QColor kEnabledText(0, 0, 0);
const QColor kDisabledBack(128, 0, 0);
const QColor kDisabledText(200, 200, 200);
const QColor kFixedBack(224, 224, 224);

// The window's sizes are given in twips; the screen has 15 to a pixel.
constexpr int pixels(int twips) { return twips / 15; }

}  // namespace

LogLinesModel::LogLinesModel(WorkingState& state, QObject* parent) : QAbstractTableModel(parent), state_(state) {
  reload();
}

void LogLinesModel::reload() {
  beginResetModel();
  rows_ = std::max(0, std::min<int>(state_.lineCount, static_cast<int>(state_.logLines.size()) - 1));
  endResetModel();
}

int LogLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int LogLinesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

LogLine* LogLinesModel::line(int r) const {
  if (r < 1 || r > rows_ || r >= static_cast<int>(state_.logLines.size())) return nullptr;
  return &state_.logLines[static_cast<std::size_t>(r)];
}

bool LogLinesModel::lineEnabled(int r) const {
  const LogLine* l = line(r);
  return l && l->enabled == 1;
}

QVariant LogLinesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || index.row() >= rowCount()) return {};
  const int r = index.row() + 1;
  if (index.column() == 0) {
    if (role == Qt::DisplayRole) return QString::fromStdString(fmtN(r));
    if (role == Qt::BackgroundRole) return kFixedBack;
    if (role == Qt::ForegroundRole) return kEnabledText;
    return {};
  }
  switch (role) {
    case Qt::DisplayRole: {
      // A cell shows less than a screen's width: a line of megabytes is cut
      // long before that, so that drawing it stays quick.
      const LogLine* shown = line(r);
      if (!shown) return {};
      const std::size_t length = std::min<std::size_t>(shown->text.size(), 2000);
      return QString::fromLatin1(shown->text.data(), static_cast<qsizetype>(length));
    }
    case Qt::BackgroundRole:
      return lineEnabled(r) ? kEnabledBack : kDisabledBack;
    case Qt::ForegroundRole:
      return lineEnabled(r) ? kEnabledText : kDisabledText;
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    default:
      return {};
  }
}

QVariant LogLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  return section == 1 ? QStringLiteral("Log Line") : QString();
}

void LogLinesModel::lineChanged(int r) {
  const QModelIndex cell = index(r - 1, 1);
  emit dataChanged(cell, cell, {Qt::BackgroundRole, Qt::ForegroundRole});
}

void LogLinesModel::toggleLine(int r) {
  LogLine* l = line(r);
  if (!l) return;
  l->enabled = l->enabled != 1 ? 1 : 0;
  lineChanged(r);
}

void LogLinesModel::enableAll() {
  const int count = rowCount();
  for (int r = 1; r <= count; ++r)
    if (LogLine* l = line(r)) l->enabled = 1;
  if (count > 0) emit dataChanged(index(0, 1), index(count - 1, 1), {Qt::BackgroundRole, Qt::ForegroundRole});
}

FormLog::FormLog(WorkingState& state, Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
  setObjectName(QStringLiteral("formLog"));
  setWindowTitle(QStringLiteral("Log Edit"));
  setProperty(kHelpTopic, QStringLiteral("edit"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  ui_.menuBar = new QMenuBar(this);
  ui_.Enable = ui_.menuBar->addAction(QStringLiteral("&Enable All"));
  ui_.Enable->setObjectName(QStringLiteral("Enable"));
  connect(ui_.Enable, &QAction::triggered, this, &FormLog::enableAllLines);
  layout->setMenuBar(ui_.menuBar);

  ui_.model = new LogLinesModel(state, this);
  ui_.grdLog = new QTableView(this);
  ui_.grdLog->setObjectName(QStringLiteral("grdLog"));
  ui_.grdLog->setModel(ui_.model);
  ui_.grdLog->setSelectionMode(QAbstractItemView::NoSelection);
  ui_.grdLog->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ui_.grdLog->setWordWrap(false);
  ui_.grdLog->setFont(logFont());
  ui_.grdLog->verticalHeader()->hide();
  // One height for every row: nothing is measured per line, so 32767 lines open at once.
  ui_.grdLog->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  ui_.grdLog->verticalHeader()->setDefaultSectionSize(QFontMetrics(ui_.grdLog->font()).height() + 4);
  ui_.grdLog->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  ui_.grdLog->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  layout->addWidget(ui_.grdLog);
  connect(ui_.grdLog, &QTableView::clicked, this, &FormLog::clickLine);
  // The columns follow the grid's own size, which its layout sets after this window's.
  ui_.grdLog->viewport()->installEventFilter(this);
  // The editor's own keys reach it before the main window's.
  ui_.grdLog->installEventFilter(this);
  setFocusProxy(ui_.grdLog);
  reload();
}

void FormLog::reload() {
  ui_.model->reload();
  fitColumns();
  if (ui_.model->rowCount() > 0) ui_.grdLog->setCurrentIndex(ui_.model->index(0, 1));
}

QSize FormLog::sizeFor(const QSize& mainWindowSize) {
  const float width = static_cast<float>(mainWindowSize.width()) * 7.0f / 8.0f;
  const float height = static_cast<float>(mainWindowSize.height()) * 2.0f / 3.0f;
  return {static_cast<int>(width), static_cast<int>(height)};
}

void FormLog::clickLine(const QModelIndex& index) {
  if (!index.isValid()) return;
  ui_.model->toggleLine(index.row() + 1);
}

void FormLog::enableAllLines() {
  ui_.model->enableAll();
  platform_.showMessage("All log lines have been enabled.", MessageIcon::Information);
}

bool FormLog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui_.grdLog->viewport() && event->type() == QEvent::Resize && !isMinimized()) fitColumns();
  if (watched != ui_.grdLog || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
    return QWidget::eventFilter(watched, event);
  // The access keys of the editor's menu win over the main window's (Alt+E is
  // "S&ettings" there); Space and Enter toggle the current line.
  const auto* key = static_cast<QKeyEvent*>(event);
  const QKeySequence pressed(key->keyCombination());
  QAction* own = nullptr;
  for (QAction* item : ui_.menuBar->actions())
    if (QKeySequence::mnemonic(item->text()) == pressed) own = item;
  const bool toggle = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
                      (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
  if (!own && !toggle) return QWidget::eventFilter(watched, event);
  event->accept();
  if (event->type() == QEvent::KeyPress) {
    if (own)
      own->trigger();
    else
      clickLine(ui_.grdLog->currentIndex());
  }
  return true;
}

void FormLog::fitColumns() {
  // Column 0 is 400 twips, widened when the highest line number needs more.
  const QFontMetrics metrics(ui_.grdLog->font());
  const int numbers = metrics.horizontalAdvance(QString::fromStdString(fmtN(std::max(1, ui_.model->rowCount())))) + 10;
  const int first = std::max(pixels(400), numbers);
  ui_.grdLog->setColumnWidth(0, first);
  // Column 1 takes the rest of what the grid shows, less the 100-twip margin.
  ui_.grdLog->setColumnWidth(1, std::max(pixels(400), ui_.grdLog->viewport()->width() - first - pixels(100)));
}

FormLog* logEditWindowIn(QMdiArea* area) {
  for (QMdiSubWindow* child : area->subWindowList())
    if (auto* open = qobject_cast<FormLog*>(child->widget())) return open;
  return nullptr;
}

FormLog* showLogEditWindow(QMdiArea* area, const QSize& mainWindowSize, WorkingState& state, Platform& platform) {
  if (FormLog* open = logEditWindowIn(area)) {
    open->parentWidget()->show();
    area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
    return open;
  }
  auto* form = new FormLog(state, platform);
  QMdiSubWindow* child = area->addSubWindow(form);
  // Closing the window discards the grid; the flags stay in the working state.
  child->setAttribute(Qt::WA_DeleteOnClose);
  // Centred in the area, and no larger than it, whatever the windows around it.
  const QRect shown = area->viewport()->rect();
  const QSize wanted = FormLog::sizeFor(mainWindowSize);
  child->setGeometry(placeInside(shown, wanted, shown.center() - QPoint(wanted.width() / 2, wanted.height() / 2)));
  child->show();
  area->setActiveSubWindow(child);
  return form;
}

}  // namespace skyvex::ui
