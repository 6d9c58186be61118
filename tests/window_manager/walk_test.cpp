// The main window under a real window manager: tests/window_manager/run starts
// Xvfb and openbox, and every key and click below is an X event sent by xdotool,
// so the window manager, the focus and Qt's shortcut handling all take part.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"
#include "tests/ui/window_probe.h"

namespace skyvex::ui {
namespace {

using Probe = WindowProbe;

// Two pilots and a chat line; "Mad Major" three times.
constexpr const char* kMatchLog =
    "12/05/03 20:00:43 Mad Major (UDP:203.0.113.220:28002) has entered the game flying a SE5A\r\n"
    "12/05/03 20:00:53 Der Spatz (UDP:198.51.100.49:28001) has entered the game flying a FOKKER_DVII\r\n"
    "12/05/03 20:00:58 [Mad Major]: S! all\r\n"
    "12/05/03 20:04:21 Kill of Der Spatz (FOKKER_DVII) awarded to Mad Major (SE5A)\r\n";

class WindowManagerWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(testing::sourcePath("data/org_vxLandmarkData.txt"),
                               program.file("org_vxLandmarkData.txt"));
    form.loadWindow(program.path());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    state.fixedScoreTime = testing::goldenScoreTime();
  }

  static void xdotool(const QStringList& arguments) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << arguments.join(' ').toStdString();
  }
  // Keys as xdotool names them ("ctrl+F4 Return"), sent to the window that has the focus.
  static void press(const char* keys) { xdotool(QStringList{"key"} + QString::fromLatin1(keys).split(' ')); }
  static void typeText(const char* text) { xdotool({"type", text}); }
  // Clicks of the left button at a point of a widget.
  static void click(const QWidget* widget, QPoint at, int clicks) {
    const QPoint global = widget->mapToGlobal(at);
    xdotool({"mousemove", QString::number(global.x()), QString::number(global.y()), "click", "--repeat",
             QString::number(clicks), "--delay", "60", "1"});
  }
  template <typename Condition>
  static bool eventually(Condition condition) {
    return QTest::qWaitFor(condition, 5000);
  }

  QMdiArea& area() const { return *Probe::mdiArea(form); }
  QMdiSubWindow* active() const { return area().activeSubWindow(); }
  QMdiSubWindow* window(const char* caption) const {
    for (QMdiSubWindow* child : area().subWindowList())
      if (child->windowTitle() == QLatin1String(caption)) return child;
    return nullptr;
  }
  // The child's frame wholly inside the visible part of the main window's work area.
  bool inWorkspace(const QMdiSubWindow* child) const { return area().viewport()->rect().contains(child->geometry()); }
  std::string clipboardAfterCopy() const {
    press("ctrl+c");
    QApplication::processEvents();
    return QApplication::clipboard()->text().toStdString();
  }
  // A screenshot of the whole display, when SKYVEX_WALK_SHOTS names a folder to keep them in.
  static void shoot(const char* name) {
    const QByteArray folder = qgetenv("SKYVEX_WALK_SHOTS");
    if (folder.isEmpty()) return;
    QTest::qWait(200);
    QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(folder) + '/' + name + ".png");
  }

  QApplication& app = testing::qtApplication();
  testing::TempFolder program;
  testing::TempFolder logs;
  WorkingState state;
  testing::ScriptedPlatform platform;
  FormMain form{state, platform};
};

TEST_F(WindowManagerWalk, KeysPlacementFindAndSelection) {
  // --- A match loaded and scored without a setup: the status bar says why every figure is 0.
  platform.dialogAnswers = {logs.write("match.log", kMatchLog)};
  form.openLogsCommand();
  form.scoreCommand();
  EXPECT_EQ(Probe::statusText(form).toStdString(),
            "no setup: every value is 0    Server: none    Map: none    Lines: 4");
  form.toggleLogWindow(LogWindow::Chat);
  form.toggleLogWindow(LogWindow::Kill);
  ASSERT_TRUE(eventually([&] { return active() == window("Kill Log") && window("Kill Log")->isVisible(); }));
  shoot("1-scored");

  // --- Ctrl+Tab and Ctrl+Shift+Tab go round the child windows; Ctrl+F4 closes the active one.
  press("ctrl+Tab");
  ASSERT_TRUE(eventually([&] { return active() != window("Kill Log"); }));
  QMdiSubWindow* next = active();
  press("ctrl+shift+Tab");
  EXPECT_TRUE(eventually([&] { return active() == window("Kill Log"); }));
  press("ctrl+F4");
  EXPECT_TRUE(eventually([&] { return window("Kill Log")->isHidden(); }));
  EXPECT_FALSE(form.menuState().isChecked(LogWindow::Kill));
  EXPECT_NE(next, nullptr);

  // --- The chart opens inside the work area, at least 640 by 360; Ctrl+F4 closes it and clears its tick.
  form.toggleChartWindow();
  PilotsChartForm* chart = Probe::chartWindow(form);
  ASSERT_TRUE(eventually([&] { return chart->isVisible() && active() == chart; }));
  shoot("2-chart");
  EXPECT_TRUE(inWorkspace(chart));
  EXPECT_TRUE(chart->width() >= 640 && chart->height() >= 360) << chart->width() << "x" << chart->height();
  press("ctrl+F4");
  EXPECT_TRUE(eventually([&] { return chart->isHidden() && !form.menuState().chartChecked; }));

  // --- The season standings of the exported match: a child window inside the area, with its Window item.
  platform.dialogAnswers = {logs.file("week1"), logs.path()};
  form.exportCommand();
  form.seasonMenuCommand();
  SeasonForm* season = Probe::seasonWindow(form);
  ASSERT_TRUE(eventually([&] { return season->isVisible() && active() == season; }));
  shoot("3-standings");
  EXPECT_TRUE(inWorkspace(season));
  EXPECT_NE(Probe::logView(season)->shownText().find("SEASON STANDINGS"), std::string::npos);
  press("ctrl+F4");
  EXPECT_TRUE(eventually([&] { return season->isHidden(); }));
  form.toggleSeasonWindow();
  EXPECT_TRUE(eventually([&] { return season->isVisible() && inWorkspace(season); }));
  press("ctrl+w");
  EXPECT_TRUE(eventually([&] { return season->isHidden(); }));

  // --- The log editor closes by Ctrl+F4 too.
  form.editLinesCommand();
  ASSERT_TRUE(eventually([&] { return window("Log Edit") && active() == window("Log Edit"); }));
  EXPECT_TRUE(inWorkspace(window("Log Edit")));
  press("ctrl+F4");
  EXPECT_TRUE(eventually([&] { return !window("Log Edit") || window("Log Edit")->isHidden(); }));

  // --- Find in the raw log: typing finds the first place, whatever the case; Enter and F3 the next,
  // Shift+F3 the previous; Escape closes the bar.
  QMdiSubWindow* raw = window("Raw Log");
  area().setActiveSubWindow(raw);
  LogView* view = Probe::logView(raw);
  ASSERT_TRUE(eventually([&] { return view->hasFocus(); }));
  const std::string& text = view->shownText();
  const std::size_t first = text.find("Mad Major"), second = text.find("Mad Major", first + 1);
  press("ctrl+f");
  ASSERT_TRUE(eventually([&] { return Probe::findBox(raw)->hasFocus(); }));
  typeText("mad major");
  EXPECT_TRUE(eventually([&] { return view->selectedText() == "Mad Major" && view->selectionStart() == first; }));
  press("Return");
  EXPECT_TRUE(eventually([&] { return view->selectionStart() == second; }));
  press("shift+F3");
  EXPECT_TRUE(eventually([&] { return view->selectionStart() == first; }));
  shoot("4-find");
  press("Escape");
  EXPECT_TRUE(eventually([&] { return !Probe::findBox(raw)->isVisible() && view->hasFocus(); }));

  // --- Selection: a double-click takes a word, Shift+Right extends it, a triple-click takes the line.
  const std::size_t spatz = text.find("Spatz");
  click(view->viewport(), view->pointOf(spatz + 1), 2);
  EXPECT_TRUE(eventually([&] { return view->selectedText() == "Spatz"; }));
  EXPECT_EQ(clipboardAfterCopy(), "Spatz");
  press("shift+Right shift+Right shift+Right");
  EXPECT_EQ(clipboardAfterCopy(), "Spatz (U");
  // The find bar opens on a selection within one line; Escape leaves the selection as it was.
  press("ctrl+f");
  EXPECT_TRUE(eventually([&] { return Probe::findBox(raw)->text() == QLatin1String("Spatz (U"); }));
  press("Escape");
  click(view->viewport(), view->pointOf(spatz + 1), 3);
  const std::size_t lineStart = text.rfind('\n', spatz) + 1;
  EXPECT_TRUE(eventually([&] { return view->selectionStart() == lineStart; }));
  EXPECT_EQ(clipboardAfterCopy(), text.substr(lineStart, text.find('\n', spatz) - lineStart));
  shoot("5-selection");
  // A click, then Shift+click: from the first to the second, at the characters' left edges.
  const auto edgeOf = [&](std::size_t offset) {
    return view->pointOf(offset) - QPoint(static_cast<int>(QFontMetricsF(view->font()).horizontalAdvance('M') / 2), 0);
  };
  const std::size_t fokker = text.find("FOKKER_DVII", spatz);
  QTest::qWait(QApplication::doubleClickInterval() + 100);
  click(view->viewport(), edgeOf(spatz), 1);
  const QPoint to = view->viewport()->mapToGlobal(edgeOf(fokker));
  xdotool({"mousemove", QString::number(to.x()), QString::number(to.y()), "keydown", "shift", "click", "1", "keyup",
           "shift"});
  EXPECT_TRUE(eventually([&] { return view->selectedText() == text.substr(spatz, fokker - spatz); }))
      << view->selectedText();
  // Shift+Page Down goes on from there, at the most to the text's end.
  press("shift+Next shift+Next");
  EXPECT_TRUE(eventually([&] { return view->selectionStart() == spatz && view->selectionEnd() == text.size(); }));

  // --- A drag held still below the bottom edge keeps scrolling until the button is let go.
  QMdiSubWindow* score = window("Score Log");
  area().setActiveSubWindow(score);
  LogView* scoreView = Probe::logView(score);
  ASSERT_TRUE(eventually([&] { return scoreView->hasFocus(); }));
  const QPoint top = scoreView->viewport()->mapToGlobal(QPoint(20, 10));
  const QPoint below = scoreView->viewport()->mapToGlobal(QPoint(20, scoreView->viewport()->height() + 6));
  xdotool({"mousemove", QString::number(top.x()), QString::number(top.y()), "mousedown", "1", "mousemove",
           QString::number(below.x()), QString::number(below.y())});
  EXPECT_TRUE(eventually([&] { return scoreView->verticalScrollBar()->value() >= 10; }));
  xdotool({"mouseup", "1"});
  QTest::qWait(100);
  const int held = scoreView->verticalScrollBar()->value();
  QTest::qWait(300);
  EXPECT_EQ(scoreView->verticalScrollBar()->value(), held);
  EXPECT_GT(scoreView->selectedText().size(), 500u);
}

}  // namespace
}  // namespace skyvex::ui
