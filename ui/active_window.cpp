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
  genLbl = new QLabel(QStringLiteral("Enter Active Dromes separated by commas"), this);
  genLbl->setObjectName(QStringLiteral("genLbl"));
  layout->addWidget(genLbl);
  txtActive = new QLineEdit(this);
  txtActive->setObjectName(QStringLiteral("txtActive"));
  txtActive->setMinimumWidth(300);
  layout->addWidget(txtActive);
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  layout->addWidget(cmdOK, 0, Qt::AlignHCenter);
  connect(cmdOK, &QPushButton::clicked, this, &FormActive::applyAndClose);

  txtActive->setText(formText(activeAerodromesText(state_)));
}

void FormActive::applyAndClose() {
  const std::string typed = formBytes(txtActive->text());
  if (runShowingRefusal(platform_, [&] {
        applyActiveAerodromes(state_, typed);
        return true;
      }))
    accept();
}

}  // namespace skyvex::ui
