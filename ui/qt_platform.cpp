#include "ui/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "ui/qt_text.h"

namespace skyvex::ui {

QString qtFilter(const std::string& filter) {
  const QStringList parts = QString::fromLatin1(filter.c_str()).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (description.endsWith(QLatin1String("(") + patterns + QLatin1String(")")))
      filters << description;
    else
      filters << description + QLatin1String(" (") + patterns + QLatin1String(")");
  }
  return filters.join(QLatin1String(";;"));
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

void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setWindowTitle(QString::fromLatin1(request.title.c_str()));
  dialog.setNameFilter(qtFilter(request.filter));
  if (!request.startFolder.empty()) dialog.setDirectory(pathText(request.startFolder));
}

}  // namespace

std::optional<std::string> QtPlatform::openFileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  prepare(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.multipleSelection ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::string();
  return dialogResult(chosen);
}

std::optional<std::string> QtPlatform::saveFileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  prepare(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The setup is saved under the chosen name without a second question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::string();
  return pathBytes(QDir::toNativeSeparators(chosen.front()));
}

void QtPlatform::showMessage(const std::string& text, MessageIcon icon) {
  QMessageBox::Icon boxIcon = QMessageBox::Information;
  if (icon == MessageIcon::Critical) boxIcon = QMessageBox::Critical;
  if (icon == MessageIcon::Question) boxIcon = QMessageBox::Question;
  QMessageBox box(boxIcon, QString::fromLatin1(kMessageTitle), messageText(text), QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool QtPlatform::askYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(kMessageTitle), messageText(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void QtPlatform::beep() { QApplication::beep(); }

}  // namespace skyvex::ui
