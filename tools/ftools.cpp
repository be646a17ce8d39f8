// SPDX-License-Identifier: MIT
#include "tools/ftools.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "filedlg/ask_file.h"
#include "filedlg/path_helpers_qt.h"
#include "platform/twips.h"
#include "lang/language.h"
#include "tools/run_tool.h"
#include "tools/tools_file.h"
#include "tools/tools_menu.h"

namespace {

// The editor's own messages, in the three languages.
constexpr LangTable ListFull = {
    "There is room for 12 tools only. Delete one before adding another.",
    "Nom\u00e9s hi caben 12 eines. Elimineu-ne una abans d'afegir-ne una altra.",
    "Solo caben 12 utilidades. Elimine una antes de a\u00f1adir otra."};
// An empty title would be read back as the end of the file and lose the tools after it.
constexpr LangTable NeedTitle = {
    "Give the tool a title: it is its name in the menu.",
    "Doneu un t\u00edtol a l'eina: \u00e9s el seu nom al men\u00fa.",
    "D\u00e9 un t\u00edtulo a la utilidad: es su nombre en el men\u00fa."};
constexpr LangTable TooMany = {
    "Tools.rel holds more than 12 tools; only the first 12 are kept.",
    "Tools.rel cont\u00e9 m\u00e9s de 12 eines; nom\u00e9s es conserven les 12 primeres.",
    "Tools.rel contiene m\u00e1s de 12 utilidades; solo se conservan las 12 primeras."};
// A document is opened by the desktop's application, which is handed the file alone.
constexpr LangTable ParamsUnused = {
    "\"%1\" is opened as a document by the desktop's application, which takes no parameters: "
    "\"%2\" will not reach it.",
    "\"%1\" s'obre com a document amb l'aplicaci\u00f3 de l'escriptori, que no admet par\u00e0metres: "
    "\"%2\" no li arribar\u00e0.",
    "\"%1\" se abre como documento con la aplicaci\u00f3n del escritorio, que no admite par\u00e1metros: "
    "\"%2\" no le llegar\u00e1."};
constexpr LangTable SaveFailed = {
    "The tools could not be saved.", "No s'han pogut desar les eines.", "No se han podido guardar las utilidades."};

// Tool tips of the small buttons.
constexpr LangTable OkEdTip = {"Confirm the tool", "Confirma l'eina", "Confirmar la utilidad"};
constexpr LangTable BtNouTip = {"New tool", "Eina nova", "Nueva utilidad"};
constexpr LangTable BtBrrTip = {"Delete the tool", "Elimina l'eina", "Eliminar la utilidad"};
constexpr LangTable BtCercTip = {"Look for the file", "Cerca el fitxer", "Buscar el fichero"};

// Programs carry no extension here, so every file is offered first.
#ifdef Q_OS_WIN
const char* const BrowseTypes = "*.exe|*.*";
#else
const char* const BrowseTypes = "*.*|*.exe";
#endif


// The confirm button's picture: a green tick.
QIcon TickIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 140, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
  return QIcon(pixmap);
}

}  // namespace

FTools::FTools(QWidget* opener, Language& language, const Seams& seams)
    : QWidget(opener, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      OpenerWindow(opener),
      language_(language),
      seams_(seams) {
  BuildControls();
  Form_Load();
}

void FTools::BuildControls() {
  setObjectName(QStringLiteral("FTools"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(ToolsTexts::Caption[0]));

  auto button = [](QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(true);  // Enter presses the button that has the focus
    return b;
  };

  EtTools = new QLabel(QString::fromUtf8(ToolsTexts::EtTools[0]), this);
  EtTools->setObjectName(QStringLiteral("EtTools"));
  Lst = new QListWidget(this);
  Lst->setObjectName(QStringLiteral("Lst"));
  Lst->setMinimumSize(Px(2145), Px(2000));
  BtNou = button(this, "BtNou", QStringLiteral("+"));
  BtBrr = button(this, "BtBrr", QStringLiteral("-"));
  for (QPushButton* small : {BtNou, BtBrr}) small->setFixedWidth(Px(400));

  Ped = new QGroupBox(QString::fromUtf8(ToolsTexts::Ped[0]), this);
  Ped->setObjectName(QStringLiteral("Ped"));
  BtCerc = button(Ped, "BtCerc", QStringLiteral("\u00b7\u00b7\u00b7"));
  BtCerc->setFixedWidth(Px(450));
  auto* fields = new QVBoxLayout(Ped);
  fields->setSpacing(Px(30));
  for (int k = 0; k < 4; ++k) {
    Et[k] = new QLabel(QString::fromUtf8(ToolsTexts::Et[k][0]), Ped);
    Et[k]->setObjectName(QStringLiteral("Et(%1)").arg(k));
    Ed[k] = new QLineEdit(Ped);
    Ed[k]->setObjectName(QStringLiteral("Ed(%1)").arg(k));
    Ed[k]->setMinimumWidth(Px(2655));
    Et[k]->setBuddy(Ed[k]);
    connect(Ed[k], &QLineEdit::returnPressed, this, [this, k] { Ed_KeyDown(k, Qt::Key_Return); });
    if (k > 0) fields->addSpacing(Px(90));
    if (k == 1) {
      // The file's label shares its line with the button that looks for the file.
      auto* line = new QHBoxLayout;
      line->addWidget(Et[k], 1);
      line->addWidget(BtCerc);
      fields->addLayout(line);
    } else {
      fields->addWidget(Et[k]);
    }
    fields->addWidget(Ed[k]);
  }
  OkEd = button(Ped, "OkEd", QString());
  OkEd->setIcon(TickIcon());
  OkEd->setIconSize(QSize(16, 16));
  fields->addStretch(1);
  fields->addWidget(OkEd, 0, Qt::AlignLeft);

  BtEsc = button(this, "BtEsc", QStringLiteral("Esc"));
  BtOk = button(this, "BtOk", QStringLiteral("Ok"));

  // The list with its caption and the leaving buttons on the left, its + and - beside it, the
  // tool's fields on the right.
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(Px(135), Px(105), Px(150), Px(120));
  grid->setHorizontalSpacing(Px(60));
  grid->addWidget(EtTools, 0, 0);
  grid->addWidget(Lst, 1, 0);
  auto* plusMinus = new QVBoxLayout;
  plusMinus->addWidget(BtNou);
  plusMinus->addWidget(BtBrr);
  plusMinus->addStretch(1);
  grid->addLayout(plusMinus, 1, 1);
  grid->addWidget(Ped, 0, 2, 3, 1);
  auto* leave = new QHBoxLayout;
  leave->setSpacing(Px(90));
  for (QPushButton* leaving : {BtEsc, BtOk}) leaving->setMinimumWidth(Px(750));
  leave->addWidget(BtEsc);
  leave->addWidget(BtOk);
  leave->addStretch(1);
  grid->addLayout(leave, 2, 0, 1, 2);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 1);
  grid->setSizeConstraint(QLayout::SetMinimumSize);
  resize(std::max(Px(5985), sizeHint().width()), std::max(Px(3150), sizeHint().height()));

  QWidget* order[] = {Ed[0], Ed[1], Ed[2], Ed[3], OkEd, Lst, BtEsc, BtOk, BtNou, BtBrr, BtCerc};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

  connect(Lst, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_ && row >= 0) Lst_Click();
  });
  connect(BtNou, &QPushButton::clicked, this, &FTools::BtNou_Click);
  connect(BtBrr, &QPushButton::clicked, this, &FTools::BtBrr_Click);
  connect(OkEd, &QPushButton::clicked, this, &FTools::OkEd_Click);
  connect(BtCerc, &QPushButton::clicked, this, &FTools::BtCerc_Click);
  connect(BtOk, &QPushButton::clicked, this, &FTools::BtOk_Click);
  connect(BtEsc, &QPushButton::clicked, this, &FTools::BtEsc_Click);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &FTools::BtEsc_Click);
}

void FTools::Form_Load() {
  EditorStartFolder = QDir::currentPath();
  EditorLoaded = false;
  language_.Settle();
  setWindowTitle(language_.Text(ToolsTexts::Caption));
  EtTools->setText(language_.Text(ToolsTexts::EtTools));
  Ped->setTitle(language_.Text(ToolsTexts::Ped));
  for (int k = 0; k < 4; ++k) Et[k]->setText(language_.Text(ToolsTexts::Et[k]));
  OkEd->setToolTip(language_.Text(OkEdTip));
  BtNou->setToolTip(language_.Text(BtNouTip));
  BtBrr->setToolTip(language_.Text(BtBrrTip));
  BtCerc->setToolTip(language_.Text(BtCercTip));
  CurrentTool = 0;
  const QString fileName = QString::fromLatin1(ToolsFileName);
  // A missing file gives an empty list, which "Ok" will create; a thirteenth tool is dropped.
  if (!LoadTools(Tools, fileName) && QFileInfo::exists(fileName) && Tools.IsFull())
    seams_.Messages->Show(language_.Text(TooMany), windowTitle(), MsgButtons::Ok, MsgIcon::Warning);
  FillList();
  EditorLoaded = true;
}

void FTools::FillList() {
  filling_ = true;
  Lst->clear();
  for (const ToolRecord& tool : Tools.Tools) Lst->addItem(tool.Title);
  filling_ = false;
  ClearFields();
}

void FTools::ClearFields() {
  for (QLineEdit* edit : Ed) edit->clear();
  CurrentTool = 0;
  filling_ = true;
  Lst->setCurrentRow(-1);
  Lst->clearSelection();
  filling_ = false;
  if (EditorLoaded) Ed[0]->setFocus();
}

void FTools::ShowTool(int position) {
  const ToolRecord& tool = Tools.Tool(position);
  Ed[0]->setText(tool.Title);
  Ed[1]->setText(tool.File);
  Ed[2]->setText(tool.WorkDir);
  Ed[3]->setText(tool.Params);
}

void FTools::Lst_Click() {
  const int row = Lst->currentRow();
  if (row < 0 || row >= Tools.ToolCount()) return;
  CurrentTool = row + 1;
  ShowTool(CurrentTool);
}

void FTools::BtNou_Click() { ClearFields(); }

void FTools::BtBrr_Click() {
  if (CurrentTool == 0) return;
  const QString question = language_.Text(ToolsTexts::EraseStart) + Tools.Tool(CurrentTool).Title.toUpper() + QStringLiteral(" ?");
  if (seams_.Messages->Show(question, language_.Text(ToolsTexts::ConfirmTitle), MsgButtons::YesNo, MsgIcon::Question) ==
      MsgAnswer::No)
    return;
  Tools.Tools.removeAt(CurrentTool - 1);
  FillList();
}

void FTools::OkEd_Click() {
  if (CurrentTool == 0 && Tools.IsFull()) {
    seams_.Messages->Show(language_.Text(ListFull), windowTitle(), MsgButtons::Ok, MsgIcon::Warning);
    return;
  }
  if (Ed[0]->text().isEmpty()) {
    seams_.Messages->Show(language_.Text(NeedTitle), windowTitle(), MsgButtons::Ok, MsgIcon::Warning);
    Ed[0]->setFocus();
    return;
  }
  if (CurrentTool == 0) {
    Tools.Tools.append(ToolRecord{});
    CurrentTool = Tools.ToolCount();
  }
  const ToolRecord tool{Ed[0]->text(), Ed[1]->text(), Ed[2]->text(), Ed[3]->text()};
  Tools.Tool(CurrentTool) = tool;
  FillList();
  // The tool is kept as typed; the user learns now, not at its first run, that its parameters
  // go nowhere.
  if (!tool.Params.trimmed().isEmpty() && !PrepareTool(tool).IsProgram)
    seams_.Messages->Show(language_.Text(ParamsUnused).arg(tool.File.trimmed(), tool.Params.trimmed()), windowTitle(),
                          MsgButtons::Ok, MsgIcon::Warning);
}

void FTools::BtCerc_Click() {
  const QString path = AskFile(this, FileDialogMode::Open, QDir::rootPath(), QString::fromLatin1(BrowseTypes), QString(), seams_, language_);
  if (!path.isEmpty()) {
    QString folder, name;
    SplitPath(path, folder, name);
    // A program in the root folder keeps its folder: the root itself.
    if (folder.isEmpty() && path != name) folder = path.left(1);
    Ed[1]->setText(name);
    Ed[2]->setText(folder);
  }
  QDir::setCurrent(EditorStartFolder);
}

void FTools::Ed_KeyDown(int index, int key) {
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
  if (index < 3)
    Ed[index + 1]->setFocus();
  else
    OkEd->setFocus();
}

void FTools::BtOk_Click() {
  QString error;
  if (!SaveTools(Tools, QString::fromLatin1(ToolsFileName), &error)) {
    // The file keeps its old content; the editor stays open so that nothing typed is lost.
    seams_.Messages->Show(language_.Text(SaveFailed) + QLatin1Char('\n') + error, windowTitle(), MsgButtons::Ok,
                          MsgIcon::Warning);
    return;
  }
  if (OpenerWindow)
    BuildToolsMenu(OpenerWindow.data(), seams_);
  else
    LoadTools();
  close();
}

// Leaving without "Ok" writes nothing: the program's list and menu were never touched.
void FTools::BtEsc_Click() { close(); }

FTools* OpenToolsEditor(QWidget* window, Language& language, const Seams& seams) {
  static QPointer<FTools> open;
  if (!open || !open->isVisible()) {  // a closed editor is only waiting to be deleted
    open = new FTools(window, language, seams);
    if (QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen()) {
      QRect frame = open->frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      open->move(frame.topLeft());
    }
  }
  open->OpenerWindow = window;
  open->show();
  open->raise();
  open->activateWindow();
  return open;
}
