// SPDX-License-Identifier: MIT
#include "exercises/fprbls.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

#include "exercises/sheet_file.h"
#include "filedlg/ask_file.h"
#include "platform/program_font.h"
#include "platform/qtext.h"
#include "platform/twips.h"
#include "lang/language.h"

namespace {

// Texts of the exercise window by language: 0 English, 1 Catalan, 2 Spanish.
namespace ProblemTexts {
constexpr LangTable EtEn = {"Exercise", "Enunciat", "Enunciado"};
constexpr LangTable EtResp = {"Answer", "Resposta", "Respuesta"};
constexpr LangTable Caption = {"Problem", "Problema", "Problema"};
constexpr LangTable ChkWorking = {"Show working", "Mostrar el desenvolupament", "Mostrar el desarrollo"};
// The titles end in two blanks.
constexpr LangTable SavedTitle = {"Saved at...  ", "Guardat a...  ", "Guardado en ...  "};
constexpr LangTable SeeIt = {"Do you want see it?", "Veure?", "\u00bfVer?"};
constexpr LangTable NotSavedTitle = {"Not saved", "No guardat", "No guardado"};
}  // namespace ProblemTexts


QString ForTheBox(const std::string& text) {
  QString s = ToQ(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

std::string FromTheBox(const QPlainTextEdit* box) {
  QString s = box->toPlainText();
  s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQ(s);
}

QPlainTextEdit* NewBox(QWidget* parent, const char* name) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  box->setTabChangesFocus(true);
  return box;
}

}  // namespace

FPrbls::FPrbls(QWidget* parent, const Seams& seams, AskSheetPath askPath, Language language)
    : QDialog(parent), seams_(seams), askPath_(std::move(askPath)), language_(language) {
  setObjectName(QStringLiteral("FPrbls"));
  setWindowTitle(QStringLiteral("Problema"));
  setModal(true);

  EtEn = new QLabel(QStringLiteral("Enunciat"), this);
  EtEn->setObjectName(QStringLiteral("EtEn"));
  IdEn = NewBox(this, "IdEn");
  EtResp = new QLabel(QStringLiteral("Resposta"), this);
  EtResp->setObjectName(QStringLiteral("EtResp"));
  IdResp = NewBox(this, "IdResp");
  BtG = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral(" Guardar "), this);
  BtG->setObjectName(QStringLiteral("BtG"));
  BtG->setAutoDefault(false);
  connect(BtG, &QPushButton::clicked, this, &FPrbls::BtG_Click);
  ChkWorking = new QCheckBox(QStringLiteral("Show working"), this);
  ChkWorking->setObjectName(QStringLiteral("ChkWorking"));
  IdWorking = new QTextEdit(this);
  IdWorking->setObjectName(QStringLiteral("IdWorking"));
  IdWorking->setReadOnly(true);
  IdWorking->setMinimumSize(Px(3000), Px(1500));
  IdWorking->hide();
  ChkWorking->hide();
  connect(ChkWorking, &QCheckBox::toggled, this, [this](bool on) {
    IdWorking->setVisible(on);
    if (on) resize(width(), std::max(height(), sizeHint().height()));
  });

  setFont(ProgramFont());
  QFont heading = font();
  heading.setBold(true);
  EtEn->setFont(heading);
  EtResp->setFont(heading);
  EtEn->setBuddy(IdEn);
  EtResp->setBuddy(IdResp);
  for (QPlainTextEdit* box : {IdEn, IdResp}) box->setMinimumSize(Px(3000), Px(600));

  // The statement's heading and the save button above the statement, the answer's heading above
  // the answer. The boxes share the window's height equally: the answer moves down by half of
  // what the window grows, and both boxes grow by the other half.
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(Px(150), Px(90), Px(150), Px(150));
  page->setSpacing(Px(45));
  auto* head = new QHBoxLayout;
  head->addWidget(EtEn, 0, Qt::AlignBottom);
  head->addStretch(1);
  head->addWidget(BtG);
  page->addLayout(head);
  page->addWidget(IdEn, 1);
  page->addSpacing(Px(75));
  page->addWidget(EtResp);
  page->addWidget(IdResp, 1);
  page->addWidget(ChkWorking, 0, Qt::AlignLeft);
  page->addWidget(IdWorking, 2);
  resize(std::max(Px(8400), sizeHint().width()), std::max(Px(6300), sizeHint().height()));

  Form_Load();
}

void FPrbls::Form_Load() {
  EtEn->setText(language_.Text(ProblemTexts::EtEn));
  EtResp->setText(language_.Text(ProblemTexts::EtResp));
  setWindowTitle(language_.Text(ProblemTexts::Caption));
  ChkWorking->setText(language_.Text(ProblemTexts::ChkWorking));
}

void FPrbls::SetWorking(const Working& working) {
  IdWorking->setHtml(ToQ(WorkingHtml(working)));
  ChkWorking->setVisible(!working.empty());
  if (working.empty()) ChkWorking->setChecked(false);
}

void FPrbls::SetProblem(const Problem& p) {
  IdEn->setPlainText(ForTheBox(p.Statement));
  IdResp->setPlainText(ForTheBox(p.Answer));
}

Problem FPrbls::BoxedProblem() const { return {FromTheBox(IdEn), FromTheBox(IdResp)}; }

void FPrbls::BtG_Click() { SaveProblem(this, BoxedProblem(), seams_, askPath_, language_); }

void ShowProblem(QWidget* parent, const QString& title, const Problem& p, const Seams& seams, AskSheetPath askPath,
                 const Language& language, const Working& working) {
  FPrbls window(parent, seams, std::move(askPath), language);
  // The load step has run: the caption given here wins over the language's caption.
  window.setWindowTitle(title);
  window.SetProblem(p);
  window.SetWorking(working);
  window.exec();
}

void SaveProblem(QWidget* parent, const Problem& p, const Seams& seams, AskSheetPath askPath,
                 const Language& language) {
  const QString folder = QDir::current().filePath(QStringLiteral("Prbls"));
  QDir().mkpath(folder);
  const QString types = QStringLiteral("*.txt|*.*");
  const QString path = askPath ? askPath(parent, folder, types) : AskFile(parent, FileDialogMode::Save, folder, types, QString(), seams, language);
  if (path.isEmpty()) return;
  QString error;
  if (!AppendProblem(path, p, &error)) {
    seams.Messages->Show(path + QString::fromLatin1(LineBreak) + QString::fromLatin1(LineBreak) + error,
                         language.Text(ProblemTexts::NotSavedTitle), MsgButtons::Ok, MsgIcon::Warning);
    return;
  }
  OfferToOpen(path, seams, language);
}

void OfferToOpen(const QString& path, const Seams& seams, const Language& language) {
  const QString text = path + QString::fromLatin1(LineBreak) + QString::fromLatin1(LineBreak) + language.Text(ProblemTexts::SeeIt);
  if (seams.Messages->Show(text, language.Text(ProblemTexts::SavedTitle), MsgButtons::YesNo, MsgIcon::Question) !=
      MsgAnswer::Yes)
    return;
  // "NotePad " + path, unquoted, is the command line as written; the desktop's editor opens it.
  seams.Processes->Start(DesktopOpenCommand(QStringLiteral("NotePad ") + path, path), WindowStyle::NormalFocus);
}
