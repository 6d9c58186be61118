#include "ui/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>

#include "ui/placement.h"
#include "ui/qt_text.h"

namespace skyvex::ui {

QString qtFilter(const std::string& filter) {
  const QStringList parts = QString::fromLatin1(filter.c_str()).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    const qsizetype bracket = description.endsWith(QLatin1Char(')')) ? description.lastIndexOf(QLatin1Char('(')) : -1;
    const QString name = bracket < 0 ? description : description.left(bracket).trimmed();
    filters << name + QLatin1String(" (") + patterns + QLatin1String(")");
  }
  return filters.join(QLatin1String(";;"));
}

std::string withDefaultExtension(const std::string& path, const std::string& filter) {
  const std::size_t bar = filter.find('|');
  const std::size_t end = bar == std::string::npos ? bar : filter.find_first_of(";|", bar + 1);
  const std::string pattern = bar == std::string::npos ? std::string() : filter.substr(bar + 1, end - bar - 1);
  const std::size_t slash = path.find_last_of('/');
  const std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
  if (pattern.rfind("*.", 0) != 0 || pattern.find_first_of("*?", 2) != std::string::npos || name.empty() ||
      name.find('.') != std::string::npos)
    return path;
  return path + pattern.substr(1);
}

std::string dialogResult(const QStringList& chosenPaths) {
  if (chosenPaths.size() == 1) return pathBytes(QDir::toNativeSeparators(chosenPaths.front()));
  std::string result = pathBytes(QDir::toNativeSeparators(QFileInfo(chosenPaths.front()).absolutePath()));
  for (const QString& path : chosenPaths) {
    result += '\0';
    result += pathBytes(QFileInfo(path).fileName());
  }
  return result;
}

namespace {

void prepare(QFileDialog& dialog, const FileDialogRequest& request, QWidget* owner) {
  dialog.setWindowTitle(QString::fromLatin1(request.title.c_str()));
  dialog.setNameFilter(qtFilter(request.filter));
  if (!request.startFolder.empty()) dialog.setDirectory(pathText(request.startFolder));
  if (!request.suggestedName.empty()) dialog.selectFile(pathText(request.suggestedName));
  dialog.setOption(QFileDialog::ShowDirsOnly, request.chooseFolder);
  // Large enough for the name, size, type and date columns side by side.
  dialog.setViewMode(QFileDialog::Detail);
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : QSize(900, 560);
  dialog.resize(QSize(900, 560).boundedTo(room));
  centreOn(&dialog, owner);
}

// A message box centred over the window it belongs to.
int showCentred(QMessageBox& box, QWidget* owner) {
  box.setTextFormat(Qt::PlainText);
  box.adjustSize();
  centreOn(&box, owner);
  return box.exec();
}

}  // namespace

std::optional<std::string> QtPlatform::openFileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  prepare(dialog, request, parent_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.chooseFolder        ? QFileDialog::Directory
                     : request.multipleSelection ? QFileDialog::ExistingFiles
                                                 : QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::string();
  return dialogResult(chosen);
}

std::optional<std::string> QtPlatform::saveFileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  prepare(dialog, request, parent_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The setup is saved under the chosen name without a second question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::string();
  return withDefaultExtension(pathBytes(QDir::toNativeSeparators(chosen.front())), request.filter);
}

void QtPlatform::showMessage(const std::string& text, MessageIcon icon) {
  QMessageBox::Icon boxIcon = QMessageBox::Information;
  if (icon == MessageIcon::Critical) boxIcon = QMessageBox::Critical;
  if (icon == MessageIcon::Question) boxIcon = QMessageBox::Question;
  QMessageBox box(boxIcon, QString::fromLatin1(kMessageTitle), messageText(text), QMessageBox::Ok, parent_);
  showCentred(box, parent_);
}

bool QtPlatform::askYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(kMessageTitle), messageText(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  return showCentred(box, parent_) == QMessageBox::Yes;
}

void QtPlatform::beep() { QApplication::beep(); }

}  // namespace skyvex::ui
