#include "ui/help_window.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include "core/file_system.h"
#include "ui/placement.h"
#include "ui/qt_text.h"

namespace skyvex::ui {

FormHelp::FormHelp(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("formHelp"));
  setWindowTitle(QString::fromLatin1(kMessageTitle) + QStringLiteral(" Help"));
  browser_->setObjectName(QStringLiteral("txtHelp"));
  browser_->setOpenExternalLinks(false);
  browser_->setOpenLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(760, 620);
}

void FormHelp::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
    close();
  else
    QWidget::keyPressEvent(event);
}

void FormHelp::showPage(const std::string& page, const QString& topic) {
  QUrl url = QUrl::fromLocalFile(QFileInfo(pathText(page)).absoluteFilePath());
  if (!topic.isEmpty()) url.setFragment(topic);
  browser_->setSource(url);

  if (!topic.isEmpty()) browser_->scrollToAnchor(topic);
  show();
  raise();
  activateWindow();
}

FormHelp* showHelp(QWidget* owner, const std::string& programFolder, const QString& topic, Platform& platform) {
  const std::string index = joinPath(joinPath(programFolder, kHelpFolderName), kHelpIndexName);
  if (!FileExists(index)) {
    platform.showMessage("Error: Could not find the help file " + index + ".", MessageIcon::Critical);
    return nullptr;
  }
  auto* help = owner->findChild<FormHelp*>(QString(), Qt::FindDirectChildrenOnly);
  if (!help) {
    help = new FormHelp(owner);
    centreOn(help, owner);
  }
  help->showPage(index, topic);
  return help;
}

void addHelpKey(QWidget* window, const char* topic, const std::string& programFolder, Platform& platform) {
  window->setProperty(kHelpTopic, QString::fromLatin1(topic));
  // The whole program's F1 while window is up: a dialog blocks the main window's.
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window, nullptr, nullptr, Qt::ApplicationShortcut);
  QObject::connect(key, &QShortcut::activated, window, [window, topic, programFolder, &platform] {
    showHelp(window, programFolder, QString::fromLatin1(topic), platform);
  });
}

}  // namespace skyvex::ui
