#include "ui/setup_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>
#include <exception>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "core/refusal.h"
#include "setup/setup_file.h"
#include "ui/active_window.h"
#include "ui/form_text.h"
#include "ui/help_window.h"
#include "ui/settings_frame.h"

namespace skyvex::ui {

namespace {

struct TargetRow {
  const char* label;
  bool marked;  // the box its group's "Commmon Pts" button copies from
};

struct TargetGroup {
  const char* heading;
  int first;   // ui_.txtPtsTarget index of the first row
  int button;  // ui_.but_Common index, -1 for none
  std::vector<TargetRow> rows;
  const char* footnote;
};

const std::vector<TargetGroup>& targetGroups() {
  static const std::vector<TargetGroup> groups = {
      {"Aerodromes", 0, 0,
       {{"Active Dromes", false},
        {"11 Buildings", true},
        {"8 Buildings", false},
        {"6 Buildings", false},
        {"5 Buildings", false},
        {"Tent Drome", false}},
       nullptr},
      {"Supply Dumps", 6, 1, {{"5 Buildings", true}, {"4 Buildings", false}, {"Tent Dump", false}}, nullptr},
      {"Bridges", 9, 2, {{"5 Span", true}, {"3 Span", false}, {"Rail", false}}, "(All Spans)"},
      {"Factories", 12, 3, {{"5 Buildings", true}, {"4 Buildings", false}}, nullptr},
      {"Rail Yards", 14, -1, {{"5 Buildings", false}}, nullptr},
      {"Civilian Targets", 15, 4, {{"Cities", true}, {"Towns", false}, {"Villages", false}}, nullptr},
  };
  return groups;
}

QPushButton* plainButton(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  // Return in a text box must not press a button of the dialog.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

constexpr int kBoxWidth = 56;

// A numeric box of the Main Setup tab: its caption, its widget and its text in the form.
struct MainBox {
  const char* caption;
  const char* name;
  QLineEdit* FormSetup::Controls::*widget;
  std::string SetupForm::*text;
};

const MainBox kLimitBoxes[] = {
    {"Max Pilots Permitted", "txtMaxPilots", &FormSetup::Controls::txtMaxPilots, &SetupForm::txtMaxPilots},
    {"Multiple Death Time Check", "txtMultiDeath", &FormSetup::Controls::txtMultiDeath, &SetupForm::txtMultiDeath},
};

const MainBox kPenaltyBoxes[] = {
    {"Max Pilots (pts/min)", "txtPenMaxPilots", &FormSetup::Controls::txtPenMaxPilots, &SetupForm::txtPenMaxPilots},
    {"Max Pilots Grace (min)", "txtGrace", &FormSetup::Controls::txtGrace, &SetupForm::txtGrace},
    {"Target Destroyed by Scout (pts)", "txtPenScout", &FormSetup::Controls::txtPenScout, &SetupForm::txtPenScout},
    {"Target Destroyed by Friendly (pts)", "txtPenFriendly", &FormSetup::Controls::txtPenFriendly, &SetupForm::txtPenFriendly},
    {"Invalid Target Destroyed  (pts)", "txtPenInvalid", &FormSetup::Controls::txtPenInvalid, &SetupForm::txtPenInvalid},
};

}  // namespace

template <class Control>
Control* FormSetup::bound(Control* control, FormText text) {
  if constexpr (std::is_same_v<Control, QLabel>)
    labels_.emplace_back(control, std::move(text));
  else
    boxes_.emplace_back(control, std::move(text));
  return control;
}

FormSetup::FormSetup(WorkingState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
  frameSettingsWindow(this, "formSetup", "Server Settings", "settings", state, platform);

  auto* layout = new QVBoxLayout(this);
  ui_.menuBar = new QMenuBar(this);
  layout->setMenuBar(ui_.menuBar);

  const auto menu = [this](const char* name, const char* caption) {
    QMenu* m = ui_.menuBar->addMenu(QLatin1String(caption));
    m->setObjectName(QLatin1String(name));
    return m;
  };
  const auto item = [](QMenu* m, const char* name, const char* caption) {
    QAction* action = m->addAction(QLatin1String(caption));
    action->setObjectName(QLatin1String(name));
    return action;
  };
  QMenu* mFile = menu("mFile", "&File");
  ui_.mFileOpen = item(mFile, "mFileOpen", "&Open Settings...");
  ui_.mFileSave = item(mFile, "mFileSave", "&Save");
  ui_.mFileSaveAs = item(mFile, "mFileSaveAs", "Save &As...");
  mFile->addSeparator();
  ui_.mFileExit = item(mFile, "mFileExit", "E&xit Settings");
  QMenu* mDefaults = menu("mDefaults", "&Defaults");
  ui_.mDefaultsScoring = item(mDefaults, "mDefaultsScoring", "Use Default &Scoring Settings");
  ui_.mDefaultPlane = item(mDefaults, "mDefaultPlane", "Use Default &Plane Map");

  connect(ui_.mFileOpen, &QAction::triggered, this, &FormSetup::openSettings);
  connect(ui_.mFileSave, &QAction::triggered, this, &FormSetup::saveSettings);
  connect(ui_.mFileSaveAs, &QAction::triggered, this, &FormSetup::saveSettingsAs);
  connect(ui_.mFileExit, &QAction::triggered, this, [this] { done(QDialog::Accepted); });
  connect(ui_.mDefaultsScoring, &QAction::triggered, this, &FormSetup::useDefaultScoring);
  connect(ui_.mDefaultPlane, &QAction::triggered, this, &FormSetup::useDefaultPlaneMap);

  ui_.tabSetup = new QTabWidget(this);
  ui_.tabSetup->setObjectName(QStringLiteral("tabSetup"));
  ui_.tabSetup->addTab(buildMainTab(), QStringLiteral("Main Setup"));
  ui_.tabSetup->addTab(buildBombingTab(), QStringLiteral("Bombing Setup"));
  ui_.tabSetup->addTab(buildPlaneTab(), QStringLiteral("Aeroplane Setup"));
  ui_.tabSetup->addTab(buildPlaneMapTab(), QStringLiteral("Aeroplane Map"));
  layout->addWidget(ui_.tabSetup);
  connect(ui_.tabSetup, &QTabWidget::currentChanged, this, &FormSetup::tabChanged);

  // Opening: the map list, tab 0 with both name frames hidden, then every control.
  ui_.lstMap->clear();
  for (const char* item : kMapItems) ui_.lstMap->addItem(QLatin1String(item));
  ui_.tabSetup->setCurrentIndex(0);
  ui_.frmPlanes[0]->hide();
  ui_.frmPlanes[1]->hide();
  refresh();
}

QLineEdit* FormSetup::numericBox(const char* name) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QLatin1String(name));
  box->setFixedWidth(kBoxWidth);
  connect(box, &QLineEdit::editingFinished, this, [this, box] { leaveNumericBox(box); });
  return box;
}

QWidget* FormSetup::buildMainTab() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  int row = 0;
  const auto addRow = [&](QGridLayout* into, int& r, const char* caption, QWidget* control) {
    into->addWidget(new QLabel(QLatin1String(caption), page), r, 0);
    into->addWidget(control, r, 1, Qt::AlignLeft);
    ++r;
  };

  ui_.txtServer = bound(new QLineEdit(page), [](SetupForm& f) -> std::string& { return f.txtServer; });
  ui_.txtServer->setObjectName(QStringLiteral("txtServer"));
  ui_.txtServer->setMinimumWidth(280);
  connect(ui_.txtServer, &QLineEdit::editingFinished, this, [this] { collect(Collect::AtOnce); });
  addRow(grid, row, "Server Name", ui_.txtServer);

  ui_.lstMap = new QComboBox(page);
  ui_.lstMap->setObjectName(QStringLiteral("lstMap"));
  ui_.lstMap->setMinimumWidth(140);
  connect(ui_.lstMap, &QComboBox::activated, this, &FormSetup::chooseMap);
  addRow(grid, row, "Server Map", ui_.lstMap);

  const auto addBoxes = [&](QGridLayout* into, int& r, const auto& boxes) {
    for (const MainBox& b : boxes) {
      const auto text = b.text;
      ui_.*b.widget = bound(numericBox(b.name), [text](SetupForm& f) -> std::string& { return f.*text; });
      addRow(into, r, b.caption, ui_.*b.widget);
    }
  };
  addBoxes(grid, row, kLimitBoxes);
  auto* penalties = new QGroupBox(QStringLiteral("Penalties"), page);
  auto* penaltyGrid = new QGridLayout(penalties);
  int penaltyRow = 0;
  addBoxes(penaltyGrid, penaltyRow, kPenaltyBoxes);
  penaltyGrid->setColumnStretch(2, 1);
  grid->addWidget(penalties, row++, 0, 1, 3);

  ui_.chkUseBoxed = new QCheckBox(QStringLiteral("Use \"Red Boxed\" Targets Only"), page);
  ui_.chkUseBoxed->setObjectName(QStringLiteral("chkUseBoxed"));
  connect(ui_.chkUseBoxed, &QCheckBox::clicked, this, [this] { collect(Collect::AtOnce); });
  grid->addWidget(ui_.chkUseBoxed, row++, 0, 1, 3);

  grid->setColumnStretch(2, 1);
  grid->setRowStretch(row, 1);
  return page;
}

QWidget* FormSetup::buildBombingTab() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  const auto& groups = targetGroups();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const TargetGroup& group = groups[g];
    auto* box = new QGroupBox(QLatin1String(group.heading), page);
    auto* rows = new QGridLayout(box);
    rows->setColumnMinimumWidth(0, 10);
    int r = 0;
    for (std::size_t k = 0; k < group.rows.size(); ++k, ++r) {
      const int index = group.first + static_cast<int>(k);
      if (group.rows[k].marked) rows->addWidget(new QLabel(QStringLiteral(">"), box), r, 0);
      rows->addWidget(new QLabel(QLatin1String(group.rows[k].label), box), r, 1);
      QLineEdit* target = bound(numericBox("txtPtsTarget"),
                                [index](SetupForm& f) -> std::string& { return f.txtPtsTarget[index]; });
      target->setObjectName(indexed("txtPtsTarget", index));
      ui_.txtPtsTarget[static_cast<std::size_t>(index)] = target;
      rows->addWidget(target, r, 2);
    }
    if (group.footnote) rows->addWidget(new QLabel(QLatin1String(group.footnote), box), r++, 1, 1, 2);
    if (group.button >= 0) {
      QPushButton* common = plainButton(QStringLiteral("Commmon Pts"), box);
      common->setObjectName(indexed("but_Common", group.button));
      const int k = group.button;
      connect(common, &QPushButton::clicked, this, [this, k] { commonPoints(k); });
      ui_.but_Common[static_cast<std::size_t>(k)] = common;
      rows->addWidget(common, r++, 1, 1, 2, Qt::AlignRight);
    }
    rows->setRowStretch(r, 1);
    rows->setColumnStretch(1, 1);
    grid->addWidget(box, static_cast<int>(g / 3), static_cast<int>(g % 3));
  }

  auto* active = new QGroupBox(QStringLiteral("Active Dromes"), page);
  auto* activeGrid = new QGridLayout(active);
  activeGrid->addWidget(new QLabel(QStringLiteral("Central"), active), 0, 0);
  ui_.lblActiveCentral = bound(new QLabel(active), [](SetupForm& f) -> std::string& { return f.lblActiveCentral; });
  ui_.lblActiveCentral->setObjectName(QStringLiteral("lblActiveCentral"));
  activeGrid->addWidget(ui_.lblActiveCentral, 0, 1);
  activeGrid->addWidget(new QLabel(QStringLiteral("Allied"), active), 1, 0);
  ui_.lblActiveAllied = bound(new QLabel(active), [](SetupForm& f) -> std::string& { return f.lblActiveAllied; });
  ui_.lblActiveAllied->setObjectName(QStringLiteral("lblActiveAllied"));
  activeGrid->addWidget(ui_.lblActiveAllied, 1, 1);
  for (QLabel* label : {ui_.lblActiveCentral, ui_.lblActiveAllied}) {
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(320);
    label->installEventFilter(this);
  }
  ui_.cmdActive = plainButton(QStringLiteral("Set Actives"), active);
  ui_.cmdActive->setObjectName(QStringLiteral("cmdActive"));
  connect(ui_.cmdActive, &QPushButton::clicked, this, &FormSetup::setActives);
  activeGrid->addWidget(ui_.cmdActive, 0, 2, 2, 1, Qt::AlignVCenter);
  activeGrid->setColumnStretch(1, 1);
  grid->addWidget(active, 2, 0, 1, 3);
  return page;
}

QWidget* FormSetup::buildPlaneTab() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Check All Authorized Bombers"), page));
  auto* columns = new QHBoxLayout;
  const auto column = [&](const char* heading, int firstType, int lastType) {
    auto* box = new QGroupBox(QLatin1String(heading), page);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Kill Value"), box), 0, 1);
    int r = 1;
    for (int type = firstType; type <= lastType; ++type, ++r) {
      const auto i = static_cast<std::size_t>(type - 1);
      auto* check = new QCheckBox(box);
      check->setObjectName(indexed("chkPlane", type - 1));
      connect(check, &QCheckBox::clicked, this, [this] { collect(Collect::AtOnce); });
      ui_.chkPlane[i] = check;
      grid->addWidget(check, r, 0);
      QLineEdit* value = bound(numericBox("txtPlane"), [i](SetupForm& f) -> std::string& { return f.txtPlane[i]; });
      value->setObjectName(indexed("txtPlane", type - 1));
      ui_.txtPlane[i] = value;
      grid->addWidget(value, r, 1);
    }
    grid->setRowStretch(r, 1);
    grid->setColumnStretch(0, 1);
    columns->addWidget(box);
  };
  column("Allied Planes", 1, 13);
  column("Central Planes", 14, 22);
  layout->addLayout(columns);

  auto* death = new QHBoxLayout;
  death->addWidget(new QLabel(QStringLiteral("Points per death"), page));
  ui_.txtPtsDeath = bound(numericBox("txtPtsDeath"), [](SetupForm& f) -> std::string& { return f.txtPtsDeath; });
  death->addWidget(ui_.txtPtsDeath);
  death->addStretch(1);
  layout->addLayout(death);
  return page;
}

QWidget* FormSetup::buildPlaneMapTab() {
  auto* page = new QWidget(this);
  auto* layout = new QGridLayout(page);
  const auto frame = [&](int f, const char* heading, int firstType, int lastType) {
    auto* box = new QGroupBox(QLatin1String(heading), page);
    box->setObjectName(indexed("frmPlanes", f));
    auto* grid = new QGridLayout(box);
    // Headings over the fixed names and the two names the reports use.
    int r = 0;
    for (const char* heading : {"Aeroplane", "Name in the Reports", "Short Name"})
      grid->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(QLatin1String(heading)), box), 0, r++);
    r = 1;
    for (int type = firstType; type <= lastType; ++type, ++r) {
      const auto i = static_cast<std::size_t>(type - 1);
      ui_.lblPlane[i] = bound(new QLabel(box), [i](SetupForm& f) -> std::string& { return f.lblPlane[i]; });
      ui_.lblPlane[i]->setObjectName(indexed("lblPlane", type - 1));
      ui_.txtStyle4[i] = bound(new QLineEdit(box), [i](SetupForm& f) -> std::string& { return f.txtStyle4[i]; });
      ui_.txtStyle4[i]->setObjectName(indexed("txtStyle4", type - 1));
      ui_.txtStyle5[i] = bound(new QLineEdit(box), [i](SetupForm& f) -> std::string& { return f.txtStyle5[i]; });
      ui_.txtStyle5[i]->setObjectName(indexed("txtStyle5", type - 1));
      ui_.txtStyle5[i]->setMaximumWidth(120);
      grid->addWidget(ui_.lblPlane[i], r, 0);
      grid->addWidget(ui_.txtStyle4[i], r, 1);
      grid->addWidget(ui_.txtStyle5[i], r, 2);
    }
    grid->setRowStretch(r, 1);
    grid->setColumnStretch(1, 1);
    ui_.frmPlanes[static_cast<std::size_t>(f)] = box;
    // Both frames stand at the same place; one is shown at a time.
    layout->addWidget(box, 0, 0);
  };
  frame(0, "Allied Planes", 1, 13);
  frame(1, "Central Planes", 14, 22);
  ui_.cmdSwitch = plainButton(QStringLiteral("Switch"), page);
  ui_.cmdSwitch->setObjectName(QStringLiteral("cmdSwitch"));
  connect(ui_.cmdSwitch, &QPushButton::clicked, this, &FormSetup::switchPlanes);
  layout->addWidget(ui_.cmdSwitch, 1, 0, Qt::AlignRight);
  layout->setRowStretch(0, 1);
  return page;
}

SetupForm FormSetup::formValues() const {
  SetupForm form;
  for (const auto& [box, text] : boxes_) text(form) = formBytes(box->text());
  for (const auto& [label, text] : labels_) text(form) = formBytes(label->text());
  form.lstMap = ui_.lstMap->currentIndex();
  form.chkUseBoxed = ui_.chkUseBoxed->isChecked();
  form.cmdActiveEnabled = ui_.cmdActive->isEnabled();
  for (int i = 0; i < kEditorPlanes; ++i) {
    form.chkPlaneCaption[i] = formBytes(ui_.chkPlane[i]->text());
    form.chkPlane[i] = ui_.chkPlane[i]->isChecked();
  }
  return form;
}

void FormSetup::showValues(const SetupForm& form) {
  SetupForm shown = form;  // the bindings reach into a form they may write
  for (const auto& [box, text] : boxes_) box->setText(formText(text(shown)));
  for (const auto& [label, text] : labels_) label->setText(formText(text(shown)));
  ui_.lstMap->setCurrentIndex(form.lstMap);
  ui_.chkUseBoxed->setChecked(form.chkUseBoxed);
  ui_.cmdActive->setEnabled(form.cmdActiveEnabled);
  for (int i = 0; i < kEditorPlanes; ++i) {
    ui_.chkPlane[i]->setText(formText(form.chkPlaneCaption[i]));
    ui_.chkPlane[i]->setChecked(form.chkPlane[i]);
  }
}

void FormSetup::showActiveLabels(const SetupForm& form) {
  ui_.lblActiveCentral->setText(formText(form.lblActiveCentral));
  ui_.lblActiveAllied->setText(formText(form.lblActiveAllied));
}

void FormSetup::refresh() {
  SetupForm form;
  skyvex::refresh(state_, form);
  showValues(form);
  if (ui_.tabSetup->currentIndex() != 3) {
    ui_.frmPlanes[0]->hide();
    ui_.frmPlanes[1]->hide();
  }
}

void FormSetup::collect(Collect what) {
  if (what == Collect::AtOnce)
    skyvex::collectAtOnce(formValues(), state_);
  else
    skyvex::collect(formValues(), state_);
}

void FormSetup::leaveNumericBox(QLineEdit* box) {
  const std::string text = formBytes(box->text());
  const std::string left = skyvex::leaveNumericBox(text);
  if (left != text) box->setText(formText(left));
}

void FormSetup::chooseMap(int item) {
  SetupForm form = formValues();
  skyvex::chooseMap(state_, form, item);
  ui_.lstMap->setCurrentIndex(form.lstMap);
  ui_.cmdActive->setEnabled(form.cmdActiveEnabled);
}

void FormSetup::runActiveWindow() {
  FormActive active(state_, platform_, this);
  active.exec();
}

void FormSetup::setActives() {
  // The labels can be double-clicked without a map; the window then finds no
  // aerodrome, as it would with any map that has none of the numbers.
  runActiveWindow();
  SetupForm form = formValues();
  refreshActiveLabels(state_, form);
  showActiveLabels(form);
}

bool FormSetup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && (watched == ui_.lblActiveCentral || watched == ui_.lblActiveAllied)) {
    setActives();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void FormSetup::commonPoints(int k) {
  SetupForm form = formValues();
  skyvex::commonPoints(form, k);
  for (int i = 0; i < kTargetValues; ++i) ui_.txtPtsTarget[i]->setText(formText(form.txtPtsTarget[i]));
}

void FormSetup::tabChanged(int tab) {
  ui_.frmPlanes[0]->setVisible(tab == 3);
  ui_.frmPlanes[1]->hide();
}

void FormSetup::switchPlanes() {
  const bool alliedShown = !ui_.frmPlanes[0]->isHidden();
  ui_.frmPlanes[0]->setVisible(!alliedShown);
  ui_.frmPlanes[1]->setVisible(alliedShown);
}

void FormSetup::useDefaultPlaneMap() {
  SetupForm form = formValues();
  if (skyvex::useDefaultPlaneMap(state_, form, platform_)) showValues(form);
}

void FormSetup::useDefaultScoring() {
  SetupForm form = formValues();
  if (skyvex::useDefaultScoringSettings(state_, form, platform_)) refresh();
}

namespace {

// Passes everything on, and refreshes the editor before the confirmation of a
// successful opening, so the message stands over the controls of the new setup.
class RefreshBeforeConfirming : public Platform {
 public:
  RefreshBeforeConfirming(Platform& inner, FormSetup& editor) : inner_(inner), editor_(editor) {}
  std::optional<std::string> openFileDialog(const FileDialogRequest& request) override {
    return inner_.openFileDialog(request);
  }
  std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override {
    return inner_.saveFileDialog(request);
  }
  void showMessage(const std::string& text, MessageIcon icon) override {
    if (icon == MessageIcon::Information) editor_.refresh();
    inner_.showMessage(text, icon);
  }
  bool askYesNo(const std::string& text) override { return inner_.askYesNo(text); }
  void beep() override { inner_.beep(); }

 private:
  Platform& inner_;
  FormSetup& editor_;
};

}  // namespace

void FormSetup::openSettings() {
  RefreshBeforeConfirming platform(platform_, *this);
  if (runShowingRefusal(platform_, [&] { return openSetupFromEditor(state_, platform); })) refresh();
}

void FormSetup::saveSettings() {
  collect();
  runShowingRefusal(platform_, [&] { return saveSetup(state_, platform_); });
}

void FormSetup::saveSettingsAs() {
  collect();
  runShowingRefusal(platform_, [&] { return saveSetupAs(state_, platform_); });
}

void FormSetup::done(int result) {
  collect();
  QDialog::done(result);
}

}  // namespace skyvex::ui
