#include "ui/exit_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QVBoxLayout>

#include "ui/artwork.h"

namespace skyvex::ui {

FormExit::FormExit(Platform& platform, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("formExit"));
  setWindowTitle(QString::fromLatin1(kMessageTitle));

  auto* genFrm = new QGroupBox(this);
  genFrm->setObjectName(QStringLiteral("genFrm"));
  auto* genImg = new QLabel(genFrm);
  genImg->setObjectName(QStringLiteral("genImg"));
  genImg->setPixmap(skyvexArtwork(300, 140));
  genImg->setAlignment(Qt::AlignCenter);
  ui_.genLbl = new QLabel(QStringLiteral("Thank you for using the Skyvex Scoring Utility."), genFrm);
  ui_.genLbl->setObjectName(QStringLiteral("genLbl"));
  ui_.genLbl->setAlignment(Qt::AlignCenter);
  ui_.cmdOK = new QPushButton(QStringLiteral("OK"), genFrm);
  ui_.cmdOK->setObjectName(QStringLiteral("cmdOK"));
  ui_.cmdOK->setDefault(true);
  auto* frameLayout = new QVBoxLayout(genFrm);
  frameLayout->addWidget(genImg);
  frameLayout->addWidget(ui_.genLbl);
  frameLayout->addWidget(ui_.cmdOK, 0, Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(genFrm);

  connect(ui_.cmdOK, &QPushButton::clicked, this, [this] {
    if (finished_) return;
    finished_ = true;
    emit finished();
  });
  platform.beep();
}

void FormExit::closeEvent(QCloseEvent* event) {
  event->accept();
  if (finished_) return;
  finished_ = true;
  emit finished();
}

}  // namespace skyvex::ui
