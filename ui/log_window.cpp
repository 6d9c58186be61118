#include "ui/log_window.h"

#include <QCloseEvent>

namespace skyvex::ui {

namespace {

const LogWindowInfo kLogWindows[kLogWindowCount] = {
    {LogWindow::Score, "formScore", "Score Log", &WorkingState::scoreLogText, "m_Win_Score", "&Scoring Log"},
    {LogWindow::Bomb, "formBomb", "Bomb Log", &WorkingState::bombingLogText, "m_Win_Bomb", "&Bomb Log"},
    {LogWindow::Chat, "formChat", "Chat Log", &WorkingState::chatLogText, "m_Win_Chat", "&Chat Log"},
    {LogWindow::Chron, "formChron", "Chronology Log", &WorkingState::chronologyLogText, "m_Win_Chron",
     "C&hronology Log"},
    {LogWindow::Kill, "formKill", "Kill Log", &WorkingState::killLogText, "m_Win_Kill", "&Kills Log"},
    {LogWindow::Pilot, "formPilot", "Pilot Log", &WorkingState::pilotsLogText, "m_Win_Pilot", "&Pilot Log"},
    {LogWindow::IP, "formIP", "IP Log", &WorkingState::ipLogText, "m_Win_IP", "&IP Log"},
    {LogWindow::Raw, "formRaw", "Raw Log", &WorkingState::rawLogHeader, "m_Win_Raw", "&Raw Data Log"},
    {LogWindow::Roster, "formRoster", "Roster Log", &WorkingState::rosterLogText, "m_Win_Roster", "&Roster Log"},
    {LogWindow::Pro, "formPro", "Processed Raw Log", &WorkingState::processedLogText, "m_Win_Pro",
     "Processed Log"},
};

}  // namespace

const LogWindowInfo& logWindowInfo(LogWindow w) { return kLogWindows[indexOf(w)]; }

QFont logFont() {
  QFont font;
  font.setFamilies(
      {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(8.5);
  return font;
}

LogWindowForm::LogWindowForm(LogWindow window, QWidget* parent)
    : QMdiSubWindow(parent), window_(window), pane_(new LogPane(this)) {
  const LogWindowInfo& info = logWindowInfo(window);
  setObjectName(QString::fromLatin1(info.formName));
  setWindowTitle(QString::fromLatin1(info.caption));
  pane_->view()->setFont(logFont());
  // The box fills the window and wraps its lines at its own width.
  setWidget(pane_);
}

void LogWindowForm::showEvent(QShowEvent* event) {
  // Closing a child window also hides the widget it holds; bring the text back.
  pane_->show();
  QMdiSubWindow::showEvent(event);
}

void LogWindowForm::closeEvent(QCloseEvent* event) {
  // The window is only hidden: it is loaded again, with the latest text, from the Window menu.
  QMdiSubWindow::closeEvent(event);
  if (event->isAccepted()) emit closed(window_);
}

}  // namespace skyvex::ui
