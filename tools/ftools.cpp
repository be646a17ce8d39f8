// SPDX-License-Identifier: MIT
#include "tools/ftools.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
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

int Px(double twips) { return TwipsToPixelsRounded(twips); }

QRect TwipsRect(double left, double top, double width, double height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

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
  setFixedSize(Px(5985), Px(3150));
  setWindowTitle(QString::fromUtf8(ToolsTexts::Caption[0]));
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  setFont(font);

  auto button = [](QWidget* parent, const char* name, const QString& caption, const QRect& rect) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(rect);
    b->setAutoDefault(true);  // Enter presses the button that has the focus
    return b;
  };

  EtTools = new QLabel(QString::fromUtf8(ToolsTexts::EtTools[0]), this);
  EtTools->setObjectName(QStringLiteral("EtTools"));
  EtTools->setGeometry(TwipsRect(150, 105, 1020, 285));
  Lst = new QListWidget(this);
  Lst->setObjectName(QStringLiteral("Lst"));
  Lst->setGeometry(TwipsRect(135, 300, 2145, 2370));
  BtNou = button(this, "BtNou", QStringLiteral("+"), TwipsRect(2325, 345, 340, 220));
  BtBrr = button(this, "BtBrr", QStringLiteral("-"), TwipsRect(2340, 600, 340, 240));

  Ped = new QGroupBox(QString::fromUtf8(ToolsTexts::Ped[0]), this);
  Ped->setObjectName(QStringLiteral("Ped"));
  Ped->setGeometry(TwipsRect(2805, 255, 3030, 2775));
  const int tops[4] = {450, 1065, 1590, 2115};
  for (int k = 0; k < 4; ++k) {
    const int left = k == 1 ? 180 : 165;
    Et[k] = new QLabel(QString::fromUtf8(ToolsTexts::Et[k][0]), Ped);
    Et[k]->setObjectName(QStringLiteral("Et(%1)").arg(k));
    Et[k]->setGeometry(TwipsRect(left, tops[k] - 240, 2150, 225));
    Ed[k] = new QLineEdit(Ped);
    Ed[k]->setObjectName(QStringLiteral("Ed(%1)").arg(k));
    Ed[k]->setGeometry(TwipsRect(left, tops[k], 2655, 285));
    Et[k]->setBuddy(Ed[k]);
    connect(Ed[k], &QLineEdit::returnPressed, this, [this, k] { Ed_KeyDown(k, Qt::Key_Return); });
  }
  BtCerc = button(Ped, "BtCerc", QStringLiteral("\u00b7\u00b7\u00b7"), TwipsRect(2370, 840, 450, 200));
  OkEd = button(Ped, "OkEd", QString(), TwipsRect(120, 2445, 510, 255));
  OkEd->setIcon(TickIcon());
  OkEd->setIconSize(QSize(16, 16));
  BtEsc = button(this, "BtEsc", QStringLiteral("Esc"), TwipsRect(300, 2775, 795, 300));
  BtOk = button(this, "BtOk", QStringLiteral("Ok"), TwipsRect(1200, 2775, 795, 300));

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
  Tools.Tool(CurrentTool) = ToolRecord{Ed[0]->text(), Ed[1]->text(), Ed[2]->text(), Ed[3]->text()};
  FillList();
}

void FTools::BtCerc_Click() {
  const QString path = AskFile(this, 0, QDir::rootPath(), QString::fromLatin1(BrowseTypes), QString(), seams_, language_);
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
