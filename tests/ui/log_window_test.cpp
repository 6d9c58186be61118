#include "ui/log_window.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QMdiArea>

#include "tests/ui/qt_app.h"
#include "ui/qt_text.h"

namespace skyvex::ui {
namespace {

class LogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::qtApplication(); }
};

TEST_F(LogWindowTest, EachWindowHasItsCaptionAndMenuItem) {
  const struct {
    LogWindow window;
    const char* form;
    const char* caption;
    const char* item;
    const char* itemCaption;
  } expected[] = {
      {LogWindow::Raw, "formRaw", "Raw Log", "m_Win_Raw", "&Raw Data Log"},
      {LogWindow::Pro, "formPro", "Processed Raw Log", "m_Win_Pro", "Processed Log"},
      {LogWindow::Roster, "formRoster", "Roster Log", "m_Win_Roster", "&Roster Log"},
      {LogWindow::Kill, "formKill", "Kill Log", "m_Win_Kill", "&Kills Log"},
      {LogWindow::Bomb, "formBomb", "Bomb Log", "m_Win_Bomb", "&Bomb Log"},
      {LogWindow::Chat, "formChat", "Chat Log", "m_Win_Chat", "&Chat Log"},
      {LogWindow::IP, "formIP", "IP Log", "m_Win_IP", "&IP Log"},
      {LogWindow::Score, "formScore", "Score Log", "m_Win_Score", "&Scoring Log"},
      {LogWindow::Chron, "formChron", "Chronology Log", "m_Win_Chron", "C&hronology Log"},
      {LogWindow::Pilot, "formPilot", "Pilot Log", "m_Win_Pilot", "&Pilot Log"},
  };
  for (const auto& e : expected) {
    LogWindowForm form(e.window);
    EXPECT_EQ(form.objectName(), QString::fromLatin1(e.form));
    EXPECT_EQ(form.windowTitle(), QString::fromLatin1(e.caption));
    EXPECT_STREQ(logWindowInfo(e.window).menuName, e.item);
    EXPECT_STREQ(logWindowInfo(e.window).menuCaption, e.itemCaption);
  }
}

TEST_F(LogWindowTest, EachWindowShowsItsOwnReportText) {
  WorkingState state;
  state.rawLogText = "raw";
  state.processedLogText = "pro";
  state.rosterLogText = "roster";
  state.killLogText = "kill";
  state.bombingLogText = "bomb";
  state.chatLogText = "chat";
  state.ipLogText = "ip";
  state.scoreLogText = "score";
  state.chronologyLogText = "chron";
  state.pilotsLogText = "pilot";
  const std::pair<LogWindow, const char*> expected[] = {
      {LogWindow::Raw, "raw"},     {LogWindow::Pro, "pro"},   {LogWindow::Roster, "roster"},
      {LogWindow::Kill, "kill"},   {LogWindow::Bomb, "bomb"}, {LogWindow::Chat, "chat"},
      {LogWindow::IP, "ip"},       {LogWindow::Score, "score"}, {LogWindow::Chron, "chron"},
      {LogWindow::Pilot, "pilot"}};
  for (const auto& [window, text] : expected) EXPECT_EQ(state.*logWindowInfo(window).text, text);
}

TEST_F(LogWindowTest, TheTextBoxIsReadOnlyFixedPitchAndWrapsAtItsWidth) {
  LogWindowForm form(LogWindow::Score);
  QPlainTextEdit* box = form.txtLog();
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_TRUE(QFontInfo(box->font()).fixedPitch());
  EXPECT_EQ(box->font(), logFont());
}

TEST_F(LogWindowTest, AReportIsShownOneCharacterPerByteWithItsLineEnds) {
  LogWindowForm form(LogWindow::Kill);
  form.showReport("Pilot     Kills\r\nJ\xe9r\xf4me        3\r\n");
  const QString shown = form.txtLog()->toPlainText();
  EXPECT_EQ(shown, QString::fromLatin1("Pilot     Kills\nJ\xe9r\xf4me        3\n"));
  const QStringList lines = shown.split(QLatin1Char('\n'));
  EXPECT_EQ(lines[0].size(), lines[1].size()) << "columns laid out by byte count stay aligned";
}

TEST_F(LogWindowTest, AnEmptyReportShowsAnEmptyBox) {
  LogWindowForm form(LogWindow::Chron);
  form.showReport("something");
  form.showReport("");
  EXPECT_TRUE(form.txtLog()->toPlainText().isEmpty());
}

TEST_F(LogWindowTest, ClosingTellsWhichWindowClosedAndReopeningShowsTheText) {
  QMdiArea area;
  auto* form = new LogWindowForm(LogWindow::Chron);
  area.addSubWindow(form);
  area.show();
  form->showReport("CHRONOLOGY LOG\r\n");
  form->show();
  std::vector<LogWindow> closed;
  QObject::connect(form, &LogWindowForm::closed, [&](LogWindow w) { closed.push_back(w); });
  EXPECT_TRUE(form->close());
  EXPECT_EQ(closed, std::vector<LogWindow>{LogWindow::Chron});
  EXPECT_TRUE(form->isHidden());
  form->show();
  EXPECT_FALSE(form->txtLog()->isHidden());
  EXPECT_EQ(form->txtLog()->toPlainText(), QStringLiteral("CHRONOLOGY LOG\n"));
}

TEST_F(LogWindowTest, MinimisingKeepsTheBoxSizeAndRestoringReFitsIt) {
  QMdiArea area;
  area.resize(900, 700);
  auto* form = new LogWindowForm(LogWindow::Score);
  area.addSubWindow(form);
  area.show();
  form->show();
  form->resize(500, 400);
  const QSize fitted = form->txtLog()->size();
  EXPECT_GT(fitted.width(), 400);
  form->showMinimized();
  EXPECT_EQ(form->txtLog()->size(), fitted);
  form->showNormal();
  EXPECT_EQ(form->txtLog()->size(), fitted);
  form->resize(700, 500);
  EXPECT_GT(form->txtLog()->width(), fitted.width());
}

TEST_F(LogWindowTest, ATinyWindowKeepsItsTextAndFitsTheBoxAgainWhenEnlarged) {
  QMdiArea area;
  area.resize(900, 700);
  auto* form = new LogWindowForm(LogWindow::Score);
  area.addSubWindow(form);
  area.show();
  form->show();
  form->showReport("SCORE LOG\r\n");
  form->resize(1, 1);
  EXPECT_EQ(form->txtLog()->toPlainText(), QStringLiteral("SCORE LOG\n"));
  form->resize(500, 400);
  EXPECT_GT(form->txtLog()->width(), 400);
  EXPECT_GT(form->txtLog()->height(), 300);
}

TEST(QtText, MessagesLoseTheirCarriageReturnsOnly) {
  EXPECT_EQ(messageText("a\r\n\r\nb\rc"), QStringLiteral("a\n\nb\rc"));
}

}  // namespace
}  // namespace skyvex::ui
