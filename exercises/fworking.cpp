// SPDX-License-Identifier: MIT
#include "exercises/fworking.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "filedlg/ask_file.h"
#include "platform/program_font.h"
#include "platform/qtext.h"
#include "platform/twips.h"

namespace {

namespace WorkingTexts {
constexpr LangTable Caption = {"Working", "Desenvolupament", "Desarrollo"};
constexpr std::array<LangTable, 4> Kinds = {{
    {"binary operations", "operacions binàries", "operaciones binarias"},
    {"power", "potència", "potencia"},
    {"roots", "arrels", "raíces"},
    {"combined operation", "operació combinada", "operación combinada"},
}};
constexpr LangTable BtCopy = {"Copy", "Copiar", "Copiar"};
constexpr LangTable BtPrint = {"Print…", "Imprimir…", "Imprimir…"};
constexpr LangTable BtPdf = {"Save as PDF…", "Guardar com a PDF…", "Guardar como PDF…"};
constexpr LangTable NotSaved = {"Not saved", "No guardat", "No guardado"};
constexpr LangTable NotPrinted = {"Not printed", "No imprès", "No impreso"};
}  // namespace WorkingTexts


}  // namespace

FWorking::FWorking(QWidget* parent, const Seams& seams, AskPdfPath askPdf, AskPrinter askPrinter)
    : QDialog(parent), seams_(seams), askPdf_(std::move(askPdf)), askPrinter_(std::move(askPrinter)) {
  setObjectName(QStringLiteral("FWorking"));
  setFont(ProgramFont());
  TxtWorking = new QTextEdit(this);
  TxtWorking->setObjectName(QStringLiteral("TxtWorking"));
  TxtWorking->setReadOnly(true);
  TxtWorking->setLineWrapMode(QTextEdit::WidgetWidth);
  TxtWorking->setFont(ProgramFont(10));
  TxtWorking->setMinimumSize(Px(4000), Px(2400));
  BtCopy = new QPushButton(this);
  BtCopy->setObjectName(QStringLiteral("BtCopy"));
  BtPrint = new QPushButton(this);
  BtPrint->setObjectName(QStringLiteral("BtPrint"));
  BtPdf = new QPushButton(this);
  BtPdf->setObjectName(QStringLiteral("BtPdf"));
  for (QPushButton* button : {BtCopy, BtPrint, BtPdf}) button->setAutoDefault(false);
  connect(BtCopy, &QPushButton::clicked, this, &FWorking::BtCopy_Click);
  connect(BtPrint, &QPushButton::clicked, this, &FWorking::BtPrint_Click);
  connect(BtPdf, &QPushButton::clicked, this, &FWorking::BtPdf_Click);

  // The working takes all the room the window gains; the buttons stay below it at the right.
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(Px(150), Px(150), Px(150), Px(150));
  page->setSpacing(Px(90));
  page->addWidget(TxtWorking, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {BtCopy, BtPrint, BtPdf}) buttons->addWidget(button);
  page->addLayout(buttons);
  SetWorking(ProblemKind::Binary, {}, Language());
  resize(std::max(Px(8400), sizeHint().width()), std::max(Px(7200), sizeHint().height()));
}

void FWorking::SetWorking(ProblemKind kind, const Working& working, const Language& language) {
  language_ = language;
  const auto k = static_cast<std::size_t>(kind);
  setWindowTitle(language.Text(WorkingTexts::Caption) + QStringLiteral(": ") +
                 language.Text(WorkingTexts::Kinds[k]));
  BtCopy->setText(language.Text(WorkingTexts::BtCopy));
  BtPrint->setText(language.Text(WorkingTexts::BtPrint));
  BtPdf->setText(language.Text(WorkingTexts::BtPdf));
  html_ = ToQ(WorkingHtml(working));
  plain_ = ToQ(WorkingPlain(working));
  TxtWorking->setHtml(html_);
}

void FWorking::BtCopy_Click() { QGuiApplication::clipboard()->setText(plain_); }

DrawPages FWorking::Pages() const {
  return [this](QPagedPaintDevice& printer) {
    QTextDocument document;
    document.setDefaultFont(ProgramFont(10));
    document.setHtml(QStringLiteral("<h3>") + windowTitle().toHtmlEscaped() + QStringLiteral("</h3>") + html_);
    document.print(&printer);
    return true;
  };
}

void FWorking::BtPrint_Click() {
  PrintRequest request;
  request.Parent = this;
  if (PrintPages(request, Pages(), askPrinter_) == PrintOutcome::Failed)
    seams_.Messages->Show(language_.Text(WorkingTexts::NotPrinted), windowTitle(), MsgButtons::Ok, MsgIcon::Warning);
}

bool FWorking::SavePdf(const QString& path) const {
  // Written beside the target first: a file that was there stays whole when the writing fails.
  const QString part = path + QStringLiteral(".part");
  QFile::remove(part);
  PrintPagesToPdf(part, Pages());
  if (QFileInfo(part).size() <= 0) {
    QFile::remove(part);
    return false;
  }
  QFile::remove(path);
  return QFile::rename(part, path);
}

void FWorking::BtPdf_Click() {
  const QString folder = QDir::currentPath();
  QString path = askPdf_ ? askPdf_(this, folder)
                         : AskFile(this, FileDialogMode::Save, folder, QStringLiteral("*.pdf|*.*"), QString(), seams_,
                                   language_);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  if (!SavePdf(path)) {
    seams_.Messages->Show(path, language_.Text(WorkingTexts::NotSaved), MsgButtons::Ok, MsgIcon::Warning);
  }
}
