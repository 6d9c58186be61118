#include "ui/adjust_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QVBoxLayout>

#include "core/adjustment_file.h"
#include "ui/form_text.h"
#include "ui/help_window.h"
#include "ui/settings_frame.h"

namespace skyvex::ui {

namespace {

// The side's national marking: a cross pattee for Central, a roundel for Allied.
QPixmap insignia(int side, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  if (side == 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0, 0, s, s));
    QPainterPath cross;
    const qreal c = s / 2, inner = s * 0.09, outer = s * 0.22;
    // Four arms widening outwards.
    cross.moveTo(c - inner, c - inner);
    cross.lineTo(c - outer, 0.04 * s);
    cross.lineTo(c + outer, 0.04 * s);
    cross.lineTo(c + inner, c - inner);
    cross.lineTo(s - 0.04 * s, c - outer);
    cross.lineTo(s - 0.04 * s, c + outer);
    cross.lineTo(c + inner, c + inner);
    cross.lineTo(c + outer, s - 0.04 * s);
    cross.lineTo(c - outer, s - 0.04 * s);
    cross.lineTo(c - inner, c + inner);
    cross.lineTo(0.04 * s, c + outer);
    cross.lineTo(0.04 * s, c - outer);
    cross.closeSubpath();
    p.setBrush(Qt::black);
    p.drawPath(cross);
  } else {
    p.setPen(Qt::NoPen);
    const QPointF centre(s / 2, s / 2);
    p.setBrush(QColor(30, 60, 140));
    p.drawEllipse(centre, s * 0.48, s * 0.48);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, s * 0.32, s * 0.32);
    p.setBrush(QColor(180, 30, 30));
    p.drawEllipse(centre, s * 0.16, s * 0.16);
  }
  return pixmap;
}

}  // namespace

FormAdjust::FormAdjust(WorkingState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
  frameSettingsWindow(this, "formAdjust", "Adjust Scores", "adjust", state, platform);

  auto* layout = new QHBoxLayout(this);
  const char* sideNames[kSides] = {"Central", "Allied"};
  const char* ptsNames[kSides] = {"txtPtsCentral", "txtPtsAllied"};
  const char* descNames[kSides] = {"txtDescCentral", "txtDescAllied"};
  for (int side = 0; side < kSides; ++side) {
    auto* panel = new QGridLayout;
    auto* picture = new QLabel(this);
    picture->setPixmap(insignia(side, 28));
    auto* title = new QHBoxLayout;
    title->addWidget(picture);
    title->addWidget(new QLabel(QLatin1String(sideNames[side]), this));
    title->addStretch(1);
    panel->addLayout(title, 0, 0, 1, 2);

    ui_.genLbl[side] = new QLabel(QStringLiteral("Pts    Description"), this);
    ui_.genLbl[side]->setObjectName(QStringLiteral("genLbl"));
    panel->addWidget(ui_.genLbl[side], 1, 0, 1, 2);
    for (int box = 0; box < kAdjustmentBoxes; ++box) {
      auto* points = new QLineEdit(this);
      points->setObjectName(indexed(ptsNames[side], box));
      points->setFixedWidth(48);
      auto* description = new QLineEdit(this);
      description->setObjectName(indexed(descNames[side], box));
      description->setMinimumWidth(220);
      ui_.txtPts[side][box] = points;
      ui_.txtDesc[side][box] = description;
      panel->addWidget(points, 2 + box, 0);
      panel->addWidget(description, 2 + box, 1);
      connect(points, &QLineEdit::textChanged, this, [this, side, box](const QString& text) {
        typeAdjustmentPoints(state_, side, box, formBytes(text));
      });
      connect(points, &QLineEdit::editingFinished, this, [this, points] { leavePointsBox(points); });
      connect(description, &QLineEdit::textChanged, this, [this, side, box](const QString& text) {
        typeAdjustmentDescription(state_, side, box, formBytes(text));
      });
    }
    ui_.cmdClear[side] = new QPushButton(QStringLiteral("Clear"), this);
    ui_.cmdClear[side]->setObjectName(indexed("cmdClear", side));
    ui_.cmdClear[side]->setAutoDefault(false);
    connect(ui_.cmdClear[side], &QPushButton::clicked, this, [this, side] { clearSide(side); });
    panel->addWidget(ui_.cmdClear[side], 2 + kAdjustmentBoxes, 1, Qt::AlignRight);
    panel->setRowStretch(3 + kAdjustmentBoxes, 1);
    layout->addLayout(panel);
    if (side == 0) layout->addSpacing(16);
  }

  AdjustForm form;
  loadAdjustForm(state_, form);
  showForm(form);
}

void FormAdjust::showForm(const AdjustForm& form) {
  for (int side = 0; side < kSides; ++side) {
    for (int box = 0; box < kAdjustmentBoxes; ++box) {
      ui_.txtPts[side][box]->setText(formText(form.txtPts[side][box]));
      ui_.txtDesc[side][box]->setText(formText(form.txtDesc[side][box]));
    }
  }
}

void FormAdjust::leavePointsBox(QLineEdit* box) {
  const std::string text = formBytes(box->text());
  const std::string left = leaveAdjustmentPointsBox(text);
  if (left != text) box->setText(formText(left));
}

void FormAdjust::clearSide(int side) {
  AdjustForm form;
  for (int s = 0; s < kSides; ++s) {
    for (int box = 0; box < kAdjustmentBoxes; ++box) {
      form.txtPts[s][box] = formBytes(ui_.txtPts[s][box]->text());
      form.txtDesc[s][box] = formBytes(ui_.txtDesc[s][box]->text());
    }
  }
  clearAdjustments(state_, form, side);
  showForm(form);
}

void FormAdjust::done(int result) {
  if (const auto failure = writeAdjustments(state_)) platform_.showMessage(failure->message(), MessageIcon::Critical);
  QDialog::done(result);
}

}  // namespace skyvex::ui
