#include "ui/active_window.h"

#include <QVBoxLayout>
#include <exception>

#include "setup/active_aerodromes.h"
#include "ui/form_text.h"
#include "ui/help_window.h"
#include "ui/settings_frame.h"

namespace skyvex::ui {

FormActive::FormActive(WorkingState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
  frameSettingsWindow(this, "formActive", "Active Dromes", "active", state, platform);

  auto* layout = new QVBoxLayout(this);
  ui_.genLbl = new QLabel(QStringLiteral("Enter Active Dromes separated by commas"), this);
  ui_.genLbl->setObjectName(QStringLiteral("genLbl"));
  layout->addWidget(ui_.genLbl);
  ui_.txtActive = new QLineEdit(this);
  ui_.txtActive->setObjectName(QStringLiteral("txtActive"));
  ui_.txtActive->setMinimumWidth(300);
  layout->addWidget(ui_.txtActive);
  ui_.cmdOK = new QPushButton(QStringLiteral("OK"), this);
  ui_.cmdOK->setObjectName(QStringLiteral("cmdOK"));
  ui_.cmdOK->setDefault(true);
  layout->addWidget(ui_.cmdOK, 0, Qt::AlignHCenter);
  connect(ui_.cmdOK, &QPushButton::clicked, this, &FormActive::applyAndClose);

  ui_.txtActive->setText(formText(activeAerodromesText(state_)));
}

void FormActive::applyAndClose() {
  const std::string typed = formBytes(ui_.txtActive->text());
  if (runShowingRefusal(platform_, [&] {
        applyActiveAerodromes(state_, typed);
        return true;
      }))
    accept();
}

}  // namespace skyvex::ui
