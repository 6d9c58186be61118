#include "ui/about_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/text.h"
#include "ui/artwork.h"
#include "ui/help_window.h"
#include "ui/qt_text.h"

namespace skyvex::ui {

std::string creditsText() {
  const char* names[] = {"The Skyvex Scoring team", "The match organisers of the Skyvex league",
                         "Every squadron that sent in its server logs"};
  std::string text;
  for (const char* name : names) {
    if (!text.empty()) text += CRLF;
    text += name;
  }
  return text;
}

FormAbout::FormAbout(const WorkingState& state, Platform& platform, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("formAbout"));
  setWindowTitle(QString::fromLatin1(kMessageTitle));
  setModal(true);
  addHelpKey(this, "about", state.programFolder, platform);

  auto* Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(skyvexArtwork(220, 160));

  auto* Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  ui_.lblVersion = new QLabel(Frame1);
  ui_.lblVersion->setObjectName(QStringLiteral("lblVersion"));
  ui_.genLbl = new QLabel(QStringLiteral("Credits:"), Frame1);
  ui_.genLbl->setObjectName(QStringLiteral("genLbl"));
  ui_.lblCredits = new QLabel(Frame1);
  ui_.lblCredits->setObjectName(QStringLiteral("lblCredits"));
  auto* frameLayout = new QVBoxLayout(Frame1);
  frameLayout->addWidget(ui_.lblVersion);
  frameLayout->addSpacing(8);
  frameLayout->addWidget(ui_.genLbl);
  frameLayout->addWidget(ui_.lblCredits);
  frameLayout->addStretch();

  ui_.Command1 = new QPushButton(QStringLiteral("OK"), this);
  ui_.Command1->setObjectName(QStringLiteral("Command1"));
  ui_.Command1->setDefault(true);
  connect(ui_.Command1, &QPushButton::clicked, this, &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(Image1);
  top->addWidget(Frame1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ui_.Command1, 0, Qt::AlignRight);

  ui_.lblVersion->setText(messageText("Version: " + state.programVersion));
  ui_.lblCredits->setText(messageText(creditsText()));
  platform.beep();
}

}  // namespace skyvex::ui
