// SPDX-License-Identifier: MIT
#include "about/fquant.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "platform/twips.h"
#include "about/program_icon.h"
#include "about/version.h"

namespace {

// Who made this release and where to write to them.
const char* const ContactLine = "\u00a9 2026 the Zorbit team\nzorbit@example.org";

int Px(double twips) { return TwipsToPixelsRounded(twips); }

QRect TwipsRect(double left, double top, double width, double height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

// The fonts of the design first; where they are missing, a sans serif of similar width.
QFont LabelFont(const QString& family, double points, bool bold) {
  QFont font;
  font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                    QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& rect, const QFont& font, const QColor& colour) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(rect);
  label->setFont(font);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setWordWrap(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

}  // namespace

QString VersionText() {
  return QStringLiteral("Version %1.%2.%3").arg(ProgramVersionMajor).arg(ProgramVersionMinor).arg(ProgramVersionRevision);
}

FQuant::FQuant(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FQuant"));
  setFixedSize(Px(5730), Px(3555));
  setModal(false);

  picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setGeometry(TwipsRect(240, 240, 480, 480));
  picIcon->setPixmap(ProgramIcon().pixmap(picIcon->size()));

  lblTitle = MakeLabel(this, "lblTitle", TwipsRect(1050, 240, 3885, 720),
                       LabelFont(QStringLiteral("Comic Sans MS"), 18, true), QColor(0, 0, 255));
  lblDescription = MakeLabel(this, "lblDescription", TwipsRect(1395, 1080, 3090, 720),
                             LabelFont(QStringLiteral("MS Sans Serif"), 12, true), QColor(0, 128, 0));
  lblDescription->setText(QStringLiteral("Elementary calculations with complex numbers"));
  lblVersion = MakeLabel(this, "lblVersion", TwipsRect(585, 1860, 4515, 225),
                         LabelFont(QStringLiteral("MS Sans Serif"), 9.75, false), QColor(128, 0, 0));
  lblDisclaimer = MakeLabel(this, "lblDisclaimer", TwipsRect(1620, 2670, 2205, 660),
                            LabelFont(QStringLiteral("MS Sans Serif"), 8.25, true), QColor(0, 0, 128));
  lblDisclaimer->setText(QString::fromUtf8(ContactLine));

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(TwipsRect(4590, 2625, 915, 345));
  cmdOK->setDefault(true);  // Enter presses it; Escape closes the dialog as it does
  connect(cmdOK, &QPushButton::clicked, this, &FQuant::cmdOK_Click);

  Form_Load();
}

void FQuant::Form_Load() {
  const QString title = QString::fromLatin1(ProgramTitle);
  setWindowTitle(QStringLiteral("About ") + title);
  lblVersion->setText(VersionText());
  lblTitle->setText(title);
}

void FQuant::cmdOK_Click() { close(); }

void FQuant::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // An etched separator: a grey line with a white one just below it.
  QPainter painter(this);
  painter.fillRect(QRect(QPoint(Px(90), Px(2445)), QPoint(Px(5654), Px(2445))), QColor(128, 128, 128));
  painter.fillRect(QRect(QPoint(Px(105), Px(2460)), QPoint(Px(5654), Px(2460) + 1)), Qt::white);
}

FQuant* ShowAbout(QWidget* parent) {
  static QPointer<FQuant> open;
  if (!open || !open->isVisible()) {  // a closed box is only waiting to be deleted
    open = new FQuant(parent);
    open->setAttribute(Qt::WA_DeleteOnClose);
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
      QRect frame = open->frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      open->move(frame.topLeft());
    }
  }
  open->show();
  open->raise();
  open->activateWindow();
  return open;
}
