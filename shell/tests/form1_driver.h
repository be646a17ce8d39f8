// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <memory>

#include "core/random.h"
#include "platform/program_folder.h"
#include "platform/testing/recording_seams.h"
#include "shell/binary_panel.h"
#include "shell/combined_panel.h"
#include "shell/entry_panel.h"
#include "shell/form1.h"
#include "shell/graph_panel.h"
#include "shell/power_panel.h"
#include "shell/roots_panel.h"
#include "shell/store_panel.h"

// The real main window with recording seams, shown and active, working in a temporary folder:
// its session is kept there too.
struct Form1Driver {
  Form1Driver() : previousFolder(QDir::currentPath()) {
    QDir::setCurrent(folder.path());
    SetWorkFolder(folder.path());
    Open();
  }
  ~Form1Driver() {
    form.reset();
    SetWorkFolder(QString());
    QDir::setCurrent(previousFolder);
  }

  // A new main window on the same folder, as when the program starts again.
  void Open() {
    form.reset();
    form = std::make_unique<Form1>(Seams{&messages, &processes});
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
  }

  // Types into an entry box as the user does and presses Enter.
  void Enter(int box, const QString& text) {
    form->Entry->EdN[box]->clear();
    QTest::keyClicks(form->Entry->EdN[box], text);
    QTest::keyClick(form->Entry->EdN[box], Qt::Key_Return);
  }

  // Clicks row r of a list column.
  void ClickRow(int column, int row) {
    QListWidget* list = form->Stored->LZ[column];
    list->scrollToItem(list->item(row));
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  }

  QStringList Column(int column) const {
    QStringList rows;
    for (int i = 0; i < form->Stored->LZ[column]->count(); ++i) rows << form->Stored->LZ[column]->item(i)->text();
    return rows;
  }
  QStringList Selector(int i) const {
    QStringList rows;
    for (int k = 0; k < form->LstZ[i]->count(); ++k) rows << form->LstZ[i]->itemText(k);
    return rows;
  }
  QList<int> SelectedRows() const {
    QList<int> rows;
    for (QComboBox* selector : form->LstZ) rows << selector->currentIndex();
    return rows;
  }

  QTemporaryDir folder;
  QString previousFolder;
  RecordingMessages messages;
  RecordingProcesses processes;
  std::unique_ptr<Form1> form;
};

// A uniform source that hands out prepared values, so that random complexes are known.
class QueuedSource final : public UniformSource {
 public:
  explicit QueuedSource(std::deque<double> values) : values_(std::move(values)) {}
  double Next() override {
    if (values_.empty()) return 0.5;
    const double u = values_.front();
    values_.pop_front();
    return u;
  }

 private:
  std::deque<double> values_;
};

// The uniform values that make RandomCplx draw re + im i (each part a whole number -5..9).
inline std::deque<double> DrawsFor(std::initializer_list<std::pair<int, int>> parts) {
  std::deque<double> values;
  for (const auto& [re, im] : parts) {
    values.push_back((re + 5 + 0.5) / 15);
    values.push_back((im + 5 + 0.5) / 15);
  }
  return values;
}
