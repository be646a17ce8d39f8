// SPDX-License-Identifier: MIT
// The menu commands that belong to no panel: Open..., Info, About..., Edit tools and the user's
// tools.
#include <QDir>
#include <algorithm>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>

#include "filedlg/ask_file.h"
#include "filedlg/path_helpers_qt.h"
#include "graphics/fgraf.h"
#include "platform/picture_box.h"
#include "about/fquant.h"
#include "shell/form1.h"
#include "tools/ftools.h"
#include "tools/run_tool.h"

namespace {

// The graph window that shows pictures: the one child graph window bound to no operation,
// made when first needed.
FGraf* SpareGraphWindow(Form1& form) {
  for (FGraf* window : form.findChildren<FGraf*>(QString(), Qt::FindDirectChildrenOnly))
    if (!window->Linked() && !std::count(form.GraphWindows.begin(), form.GraphWindows.end(), window)) return window;
  auto* spare = new FGraf(&form);
  spare->setObjectName(QStringLiteral("FGraf"));
  return spare;
}

// Shows a picture file in the spare graph window, sized to the picture as far as the screen
// allows. A file that is not a readable picture is reported and nothing else happens.
void ShowPictureFile(Form1& form, const Seams& seams, const QString& path) {
  QImageReader reader(path);
  const QSize size = reader.size();
  FGraf* spare = nullptr;
  if (reader.canRead() && size.isValid()) {
    spare = SpareGraphWindow(form);
    QSize client = size;
    if (const QScreen* screen = form.screen()) client = client.boundedTo(screen->availableGeometry().size() * 0.9);
    spare->resize(client);
  }
  if (!spare || !spare->PBox->surface().LoadPicture(path)) {
    seams.Messages->Show(QStringLiteral("The picture cannot be read:\n%1").arg(QDir::toNativeSeparators(path)),
                         QStringLiteral("Open"), MsgButtons::Ok, MsgIcon::Warning);
    return;
  }
  spare->setWindowTitle(FileNameOf(path));
  spare->PBox->update();
  spare->show();
  spare->raise();
}

}  // namespace

void Form1::OpObr_Click() {
  const QString start = ProgramFolder + QDir::separator() + SheetFolderName;
  const QString path = AskFile(this, 0, start, QStringLiteral("*.txt|*.*"), QString(), seams_);
  if (!path.isEmpty()) {
    // Only these extensions, written in lower case, are shown here; any other file goes to the
    // desktop's application for it.
    const QString ext = ExtOf(path);
    if (ext == QLatin1String("gif") || ext == QLatin1String("bmp") || ext == QLatin1String("jpg"))
      ShowPictureFile(*this, seams_, path);
    else
      OpenDocument(path, seams_);
  }
  QDir::setCurrent(ProgramFolder);
}

void Form1::OpInfo_Click() { OpenManual(seams_); }

void Form1::OpSobre_Click() { ShowAbout(this); }

void Form1::OpEdTools_Click() { OpenToolsEditor(this, seams_); }

void Form1::ITool_Click(int index) { RunTool(index, seams_); }
