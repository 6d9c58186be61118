#include "ui/options_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "core/preferences.h"
#include "core/report_text.h"
#include "ui/help_window.h"
#include "ui/settings_frame.h"

namespace skyvex::ui {

namespace {

constexpr const char* kLogCaptions[kLogKinds] = {"Bomb Log",      "Chat Log",      "Chronology Log", "IP Log",
                                                 "Kill Log",      "Pilot's Log",   "Processed Log",  "Raw Log",
                                                 "Roster Log",    "Score Log"};
constexpr const char* kSaveCaptions[3] = {"Save automatically", "Prompt before saving", "Manual save only"};
constexpr const char* kDelimiterCaptions[3] = {"Space", "Period", "Underscore"};

}  // namespace

FormOpt::FormOpt(WorkingState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
  frameSettingsWindow(this, "formOpt", "Scoring Utility Options", "options", state, platform);

  auto* layout = new QGridLayout(this);

  auto* logs = new QGroupBox(QStringLiteral("Logs to Save"), this);
  auto* logsLayout = new QGridLayout(logs);
  for (int i = 0; i < kLogKinds; ++i) {
    auto* box = new QCheckBox(QLatin1String(kLogCaptions[i]), logs);
    box->setObjectName(indexed("chkLogFile", i));
    connect(box, &QCheckBox::clicked, this, [this, i] { logFileClicked(i); });
    ui_.chkLogFile[static_cast<std::size_t>(i)] = box;
    logsLayout->addWidget(box, i % 5, i / 5);
  }
  layout->addWidget(logs, 0, 0, 2, 1);

  const auto optionFrame = [this](const char* title, const char* name, const char* const* captions,
                                  std::array<QRadioButton*, 3>& buttons, void (FormOpt::*handler)(int)) {
    auto* frame = new QGroupBox(QLatin1String(title), this);
    auto* frameLayout = new QVBoxLayout(frame);
    for (int i = 0; i < 3; ++i) {
      auto* button = new QRadioButton(QLatin1String(captions[i]), frame);
      button->setObjectName(indexed(name, i));
      connect(button, &QRadioButton::clicked, this, [this, handler, i] { (this->*handler)(i); });
      buttons[static_cast<std::size_t>(i)] = button;
      frameLayout->addWidget(button);
    }
    return frame;
  };
  layout->addWidget(optionFrame("Log Save Options", "opLogSave", kSaveCaptions, ui_.opLogSave, &FormOpt::logSaveClicked),
                    0, 1);
  layout->addWidget(optionFrame("Log Delimiter", "opDelim", kDelimiterCaptions, ui_.opDelim, &FormOpt::delimiterClicked),
                    1, 1);

  ui_.cmdDefault = new QPushButton(QStringLiteral("Default Values"), this);
  ui_.cmdDefault->setObjectName(QStringLiteral("cmdDefault"));
  ui_.cmdDefault->setAutoDefault(false);
  connect(ui_.cmdDefault, &QPushButton::clicked, this, &FormOpt::defaultValues);
  layout->addWidget(ui_.cmdDefault, 2, 0, 1, 2, Qt::AlignHCenter);

  // Opening: choosing a button runs its handler, which stores the same value
  // again. A value no button stands for (from a damaged file) is left alone.
  if (state_.delimiterChoice >= 0 && state_.delimiterChoice < 3) {
    ui_.opDelim[static_cast<std::size_t>(state_.delimiterChoice)]->setChecked(true);
    delimiterClicked(state_.delimiterChoice);
  }
  if (state_.saveOption >= 0 && state_.saveOption < 3) {
    ui_.opLogSave[static_cast<std::size_t>(state_.saveOption)]->setChecked(true);
    logSaveClicked(state_.saveOption);
  }
  showLogsToSave();
}

void FormOpt::showLogsToSave() {
  for (int i = 0; i < kLogKinds; ++i)
    ui_.chkLogFile[static_cast<std::size_t>(i)]->setChecked(state_.logsToSave[static_cast<std::size_t>(i)] == 1);
}

void FormOpt::logFileClicked(int i) {
  state_.logsToSave[static_cast<std::size_t>(i)] = ui_.chkLogFile[static_cast<std::size_t>(i)]->isChecked() ? 1 : 0;
}

void FormOpt::logSaveClicked(int i) { state_.saveOption = static_cast<int16_t>(i); }

void FormOpt::delimiterClicked(int i) {
  state_.delimiterChoice = static_cast<int16_t>(i);
  state_.padString = buildPadString(i);
}

void FormOpt::defaultValues() {
  ui_.opDelim[0]->setChecked(true);
  delimiterClicked(0);
  ui_.opLogSave[1]->setChecked(true);
  logSaveClicked(1);
  setDefaultPreferences(state_);
  showLogsToSave();
}

void FormOpt::done(int result) {
  if (const auto failure = writePreferences(state_)) platform_.showMessage(failure->message(), MessageIcon::Critical);
  QDialog::done(result);
}

}  // namespace skyvex::ui
