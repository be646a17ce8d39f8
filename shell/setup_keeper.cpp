// SPDX-License-Identifier: MIT
#include "shell/setup_keeper.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <QFile>
#include <QLineEdit>

#include "platform/on_screen.h"
#include "shell/combined_panel.h"
#include "shell/entry_panel.h"
#include "shell/form1.h"

namespace {

const QString DecimalsKey = QStringLiteral("main/decimals");
const QString AngleUnitKey = QStringLiteral("main/angleUnit");
const QString FormulaKey = QStringLiteral("main/formula");
const QString GeometryKey = QStringLiteral("main/geometry");
const QString MaximizedKey = QStringLiteral("main/maximized");

// The names the file gives the angle units, in the order of the entry panel's selector.
const QString UnitNames[] = {QStringLiteral("degrees"), QStringLiteral("radians")};

// A formula the box could have held: one line of sensible length.
constexpr int LongestFormula = 1000;

// A window's size and place no screen could show are not taken.
constexpr int LargestCoordinate = 100000;

// A file QSettings cannot read would never be written again: it is moved aside first.
QString SetAsideIfDamaged(const QString& file) {
  {
    const QSettings probe(file, QSettings::IniFormat);
    if (probe.status() != QSettings::FormatError) return file;
  }
  const QString bad = file + QStringLiteral(".bad");
  QFile::remove(bad);
  if (!QFile::rename(file, bad)) QFile::remove(file);
  return file;
}

}  // namespace

QString SetUpKeeper::UserFile() {
  const QString organization = QCoreApplication::organizationName();
  const QString application = QCoreApplication::applicationName();
  return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                   organization.isEmpty() ? QStringLiteral("Zorbit") : organization,
                   application.isEmpty() ? QStringLiteral("Zorbit") : application)
      .fileName();
}

SetUpKeeper::SetUpKeeper(Form1& form, const QString& file)
    : QObject(&form), form_(form), settings_(SetAsideIfDamaged(file), QSettings::IniFormat) {
  Restore();
  EntryPanel& entry = *form_.Entry;
  connect(&entry, &EntryPanel::AngleUnitChanged, this,
          [this](AngleUnit unit) { settings_.setValue(AngleUnitKey, UnitNames[unit == AngleUnit::Radians ? 1 : 0]); });
  connect(entry.IdX, &QComboBox::currentIndexChanged, this,
          [this, &entry] { settings_.setValue(DecimalsKey, static_cast<int>(entry.Decimals)); });
  connect(form_.Combined->TxtOp, &QLineEdit::textChanged, this,
          [this](const QString& text) { settings_.setValue(FormulaKey, text); });
  form_.installEventFilter(this);
}

void SetUpKeeper::Restore() {
  EntryPanel& entry = *form_.Entry;
  bool ok = false;
  const int decimals = settings_.value(DecimalsKey).toInt(&ok);
  if (ok && decimals >= 1 && decimals <= entry.IdX->count()) entry.IdX->setCurrentIndex(decimals - 1);

  const QString unit = settings_.value(AngleUnitKey).toString();
  for (int i = 0; i < 2; ++i)
    if (unit == UnitNames[i]) entry.LstUnit->setCurrentIndex(i);

  const QVariant formula = settings_.value(FormulaKey);
  const QString text = formula.toString();
  if (formula.typeId() == QMetaType::QString && text.size() <= LongestFormula &&
      std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; }))
    form_.Combined->TxtOp->setText(text);

  const QRect place = settings_.value(GeometryKey).toRect();
  const QRect bounds(-LargestCoordinate, -LargestCoordinate, 2 * LargestCoordinate, 2 * LargestCoordinate);
  if (place.isValid() && bounds.contains(place)) PlaceOnScreen(form_, place);
  if (settings_.value(MaximizedKey).toString() == QStringLiteral("true")) form_.setWindowState(Qt::WindowMaximized);
}

void SetUpKeeper::KeepGeometry() {
  const bool maximized = form_.isMaximized();
  settings_.setValue(MaximizedKey, maximized);
  // A maximised window keeps the place it comes back to.
  if (!maximized) settings_.setValue(GeometryKey, form_.geometry());
}

bool SetUpKeeper::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
      if (form_.isVisible()) KeepGeometry();
      break;
    case QEvent::Close:
      KeepGeometry();
      settings_.sync();
      break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}
