// SPDX-License-Identifier: MIT
#include "exercises/fprbls.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>

#include "exercises/sheet_file.h"
#include "filedlg/ask_file.h"
#include "platform/qtext.h"
#include "lang/language.h"

namespace {

// Texts of the exercise window by language: 0 English, 1 Catalan, 2 Spanish.
namespace ProblemTexts {
constexpr LangTable EtEn = {"Exercise", "Enunciat", "Enunciado"};
constexpr LangTable EtResp = {"Answer", "Resposta", "Respuesta"};
constexpr LangTable Caption = {"Problem", "Problema", "Problema"};
// The titles end in two blanks.
constexpr LangTable SavedTitle = {"Saved at...  ", "Guardat a...  ", "Guardado en ...  "};
constexpr LangTable SeeIt = {"Do you want see it?", "Veure?", "\u00bfVer?"};
constexpr LangTable NotSavedTitle = {"Not saved", "No guardat", "No guardado"};
}  // namespace ProblemTexts

// Design geometry in pixels: margins, the two boxes, the headings and the save button.
constexpr int Margin = 10;
constexpr int DesignWidth = 560;
constexpr int DesignHeight = 420;
constexpr int HeadingHeight = 22;
constexpr int BoxHeight = 170;
constexpr int ButtonWidth = 110;
constexpr int ButtonHeight = 28;

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

  QFont heading = EtEn->font();
  heading.setBold(true);
  EtEn->setFont(heading);
  EtResp->setFont(heading);

  EtEn->setGeometry(Margin, Margin, 300, HeadingHeight);
  BtG->setGeometry(DesignWidth - Margin - ButtonWidth, Margin - 4, ButtonWidth, ButtonHeight);
  const int boxTop = Margin + ButtonHeight + 2;
  IdEn->setGeometry(Margin, boxTop, DesignWidth - 2 * Margin, BoxHeight);
  EtResp->setGeometry(Margin, boxTop + BoxHeight + 8, 300, HeadingHeight);
  IdResp->setGeometry(Margin, EtResp->y() + HeadingHeight + 4, DesignWidth - 2 * Margin, BoxHeight);
  resize(DesignWidth, IdResp->y() + BoxHeight + Margin);
  // Small enough to move aside, large enough that no box ever gets a negative size.
  setMinimumSize(300, 200);

  Form_Load();
}

void FPrbls::Form_Load() {
  H0 = height();
  W0 = width();
  T0 = IdResp->y();
  RW0 = IdResp->width();
  RH0 = IdResp->height();
  LT0 = EtResp->y();
  BL0 = BtG->x();

  EtEn->setText(language_.Text(ProblemTexts::EtEn));
  EtResp->setText(language_.Text(ProblemTexts::EtResp));
  setWindowTitle(language_.Text(ProblemTexts::Caption));
  loaded_ = true;
}

void FPrbls::SetProblem(const Problem& p) {
  IdEn->setPlainText(ForTheBox(p.Statement));
  IdResp->setPlainText(ForTheBox(p.Answer));
}

Problem FPrbls::BoxedProblem() const { return {FromTheBox(IdEn), FromTheBox(IdResp)}; }

void FPrbls::BtG_Click() { SaveProblem(this, BoxedProblem(), seams_, askPath_, language_); }

void FPrbls::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (loaded_) Form_Resize();
}

// The answer moves down by half the growth; both boxes grow by the other half and follow the
// width. A size that would become negative stops the rule where it is.
void FPrbls::Form_Resize() {
  const int dW = width() - W0;
  const int dH = height() - H0;
  const int half = dH / 2;
  EtResp->move(EtResp->x(), LT0 + half);
  IdResp->move(IdResp->x(), T0 + half);
  if (RH0 + half < 0) return;
  IdResp->resize(IdResp->width(), RH0 + half);
  IdEn->resize(IdEn->width(), RH0 + half);
  if (RW0 + dW < 0) return;
  IdResp->resize(RW0 + dW, IdResp->height());
  IdEn->resize(RW0 + dW, IdEn->height());
  // The save button keeps to the top right corner.
  BtG->move(std::max(Margin, BL0 + dW), BtG->y());
}

void ShowProblem(QWidget* parent, const QString& title, const Problem& p, const Seams& seams, AskSheetPath askPath,
                 const Language& language) {
  FPrbls window(parent, seams, std::move(askPath), language);
  // The load step has run: the caption given here wins over the language's caption.
  window.setWindowTitle(title);
  window.SetProblem(p);
  window.exec();
}

void SaveProblem(QWidget* parent, const Problem& p, const Seams& seams, AskSheetPath askPath,
                 const Language& language) {
  const QString folder = QDir::current().filePath(QStringLiteral("Prbls"));
  QDir().mkpath(folder);
  const QString types = QStringLiteral("*.txt|*.*");
  const QString path = askPath ? askPath(parent, folder, types) : AskFile(parent, 1, folder, types, QString(), seams, language);
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
