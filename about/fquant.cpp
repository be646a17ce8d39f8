// SPDX-License-Identifier: MIT
#include "about/fquant.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/program_font.h"
#include "platform/twips.h"
#include "about/program_icon.h"
#include "about/version.h"

namespace {

// Who made this release and where to write to them.
const char* const ContactLine = "\u00a9 2026 the Zorbit team\nzorbit@example.org";


// The program's family at the size and weight each label was designed with.
QFont LabelFont(double points, bool bold) {
  QFont font = ProgramFont(points);
  font.setBold(bold);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QFont& font, const QColor& colour) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setWordWrap(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

// An etched separator: a grey line with a white one just below it, across its whole width.
class EtchedLine : public QWidget {
 public:
  explicit EtchedLine(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Line1"));
    setFixedHeight(2);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, width(), 1), QColor(128, 128, 128));
    painter.fillRect(QRect(0, 1, width(), 1), Qt::white);
  }
};

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
  picIcon->setFixedSize(Px(480), Px(480));
  picIcon->setPixmap(ProgramIcon().pixmap(picIcon->size()));

  lblTitle = MakeLabel(this, "lblTitle", LabelFont(18, true), QColor(0, 0, 255));
  lblDescription = MakeLabel(this, "lblDescription", LabelFont(12, true), QColor(0, 128, 0));
  lblDescription->setText(QStringLiteral("Elementary calculations with complex numbers"));
  lblVersion = MakeLabel(this, "lblVersion", LabelFont(9.75, false), QColor(128, 0, 0));
  lblDisclaimer = MakeLabel(this, "lblDisclaimer", LabelFont(8.25, true), QColor(0, 0, 128));
  lblDisclaimer->setText(QString::fromUtf8(ContactLine));
  Line1 = new EtchedLine(this);

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setMinimumWidth(Px(915));
  cmdOK->setDefault(true);  // Enter presses it; Escape closes the dialog as it does
  connect(cmdOK, &QPushButton::clicked, this, &FQuant::cmdOK_Click);

  // The icon beside the title, the description and the version centred below them, the etched
  // line across the box, and the contact line centred with OK at its right. The box takes the
  // size its texts need, never less than its designed size, and keeps it.
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(Px(90), Px(240), Px(90), Px(240));
  page->setSpacing(Px(150));
  auto* upper = new QVBoxLayout;
  upper->setContentsMargins(Px(150), 0, Px(150), 0);
  upper->setSpacing(Px(120));
  auto* head = new QHBoxLayout;
  head->setSpacing(0);
  head->addWidget(picIcon, 0, Qt::AlignTop);
  head->addSpacing(Px(120));
  head->addWidget(lblTitle, 1, Qt::AlignVCenter);
  head->addSpacing(Px(120) + picIcon->width());  // keeps the title centred on the box
  upper->addLayout(head);
  upper->addWidget(lblDescription);
  upper->addWidget(lblVersion);
  page->addLayout(upper);
  page->addStretch(1);
  page->addWidget(Line1);
  auto* foot = new QHBoxLayout;
  foot->setContentsMargins(Px(150), 0, Px(150), 0);
  foot->setSpacing(0);
  const int okWidth = std::max(cmdOK->minimumWidth(), cmdOK->sizeHint().width());
  foot->addSpacing(Px(120) + okWidth);  // keeps the contact line centred on the box
  foot->addWidget(lblDisclaimer, 1);
  foot->addSpacing(Px(120));
  foot->addWidget(cmdOK, 0, Qt::AlignTop);
  page->addLayout(foot);
  const int width = std::max(Px(5730), page->minimumSize().width());
  const int height = std::max(Px(3555), page->hasHeightForWidth() ? page->totalHeightForWidth(width)
                                                                   : page->totalSizeHint().height());
  setFixedSize(width, height);

  Form_Load();
}

void FQuant::Form_Load() {
  const QString title = QString::fromLatin1(ProgramTitle);
  setWindowTitle(QStringLiteral("About ") + title);
  lblVersion->setText(VersionText());
  lblTitle->setText(title);
}

void FQuant::cmdOK_Click() { close(); }

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
