#include "ui/help_window.h"

#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>

#include "core/platform.h"
#include "ui/qt_text.h"

namespace skyvex::ui {

FormHelp::FormHelp(const std::string& indexPath, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("formHelp"));
  setWindowTitle(QString::fromLatin1(kMessageTitle) + QStringLiteral(" Help"));
  browser_->setObjectName(QStringLiteral("txtHelp"));
  browser_->setOpenExternalLinks(false);
  browser_->setOpenLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setSource(QUrl::fromLocalFile(QFileInfo(pathText(indexPath)).absoluteFilePath()));
  resize(760, 620);
}

}  // namespace skyvex::ui
