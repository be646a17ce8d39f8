// SPDX-License-Identifier: MIT
#include <QFile>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "exercises/fprbls.h"
#include "exercises/sheet_file.h"
#include "filedlg/dftxs.h"
#include "exercises/tests/graph_test_support.h"
#include "platform/testing/modal.h"
#include "platform/testing/recording_seams.h"
#include "lang/language.h"

#include "platform/testing/file_bytes.h"
#include "platform/testing/layout_checks.h"
#include "platform/testing/environment.h"

namespace {

const Problem RootsOfMinus8{"Find the roots of index 3 of Z= -8+0i",
                            "\r\n1+1.73i = 2 , 60\u00b0\r\n-2+0i = 2 , 180\u00b0\r\n1-1.73i = 2 , 300\u00b0"};

Language Spanish() {
  Language language;
  language.SetIndex(2);
  return language;
}

QByteArray Block(const char* statement, const char* answer) {
  return QByteArray(statement) + "\r\nR:     " + answer + "\r\n\r\n";
}

#ifdef Q_OS_UNIX
// Makes a file read-only for the life of the object. Root writes through permissions, so a
// test running as root also gives up its rights for the while.
class ReadOnlyScope {
 public:
  explicit ReadOnlyScope(const QString& file, const QString& folder) : file_(file.toLocal8Bit()) {
    ::chmod(folder.toLocal8Bit().constData(), 0755);
    ::chmod(file_.constData(), 0444);
    if (::geteuid() == 0) droppedRoot_ = ::seteuid(65534) == 0;
  }
  ~ReadOnlyScope() {
    if (droppedRoot_) (void)::seteuid(0);
    ::chmod(file_.constData(), 0644);
  }

 private:
  QByteArray file_;
  bool droppedRoot_ = false;
};

// Lets the file grow to `bytes` at most, as a nearly full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};
#endif

}  // namespace

class FPrblsTest : public QObject {
  Q_OBJECT

  RecordingMessages messages_;
  RecordingProcesses processes_;
  Seams Recording() { return Seams{&messages_, &processes_}; }

 private slots:
  void init() {
    messages_ = RecordingMessages();
    processes_ = RecordingProcesses();
  }

  void LabelsAndCaptionFollowTheLanguage_data() {
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("exercise");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("caption");
    QTest::newRow("English") << 0 << "Exercise" << "Answer" << "Problem";
    QTest::newRow("Catalan") << 1 << "Enunciat" << "Resposta" << "Problema";
    QTest::newRow("Spanish") << 2 << "Enunciado" << "Respuesta" << "Problema";
  }
  void LabelsAndCaptionFollowTheLanguage() {
    QFETCH(int, lang);
    QFETCH(QString, exercise);
    QFETCH(QString, answer);
    QFETCH(QString, caption);
    Language language;
    language.SetIndex(static_cast<std::int16_t>(lang));
    FPrbls window(nullptr, Recording(), {}, language);
    QCOMPARE(window.objectName(), QStringLiteral("FPrbls"));
    QCOMPARE(window.EtEn->text(), exercise);
    QCOMPARE(window.EtResp->text(), answer);
    QCOMPARE(window.windowTitle(), caption);
    QCOMPARE(window.BtG->text(), QStringLiteral(" Guardar "));
    QCOMPARE(window.findChild<QPlainTextEdit*>(QStringLiteral("IdEn")), window.IdEn);
    QCOMPARE(window.findChild<QPlainTextEdit*>(QStringLiteral("IdResp")), window.IdResp);
  }

  void ShowProblemShowsTheTextsLineByLineUnderTheGivenCaption() {
    QString caption, statement;
    int answerLines = 0;
    WhenModal<FPrbls>([&](FPrbls* window) {
      caption = window->windowTitle();
      statement = window->IdEn->toPlainText();
      answerLines = window->IdResp->document()->blockCount();
      window->close();
    });
    ShowProblem(nullptr, QStringLiteral("Problema"), RootsOfMinus8, Recording());
    QCOMPARE(caption, QStringLiteral("Problema"));
    QCOMPARE(statement, QStringLiteral("Find the roots of index 3 of Z= -8+0i"));
    QCOMPARE(answerLines, 4);  // the empty first line and the three roots
  }

  void SavingTwiceAppendsTwoBlocksAndKeepsWhatTheSheetHeld() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("my sheet.txt"));  // blanks stay unquoted
    WriteAll(path, "Earlier exercises\r\n\r\n");
    QString askedFolder, askedTypes;
    FPrbls window(nullptr, Recording(), [&](QWidget*, const QString& folder, const QString& types) {
      askedFolder = folder;
      askedTypes = types;
      return path;
    });
    window.SetProblem(RootsOfMinus8);
    messages_.QueueAnswer(MsgAnswer::No);
    QTest::mouseClick(window.BtG, Qt::LeftButton);
    QCOMPARE(askedFolder, QDir::current().filePath(QStringLiteral("Prbls")));
    QCOMPARE(askedTypes, QStringLiteral("*.txt|*.*"));
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Saved at...  "));
    QCOMPARE(messages_.LastText(), path + QStringLiteral("\r\n\r\nDo you want see it?"));
    QVERIFY(processes_.Started.isEmpty());

    // The user's edit is what is saved the second time.
    window.IdResp->moveCursor(QTextCursor::End);
    QTest::keyClick(window.IdResp, Qt::Key_Return);
    QTest::keyClicks(window.IdResp, QStringLiteral("checked"));
    QTest::mouseClick(window.BtG, Qt::LeftButton);

    const QByteArray first = Block("Find the roots of index 3 of Z= -8+0i",
                                   "\r\n1+1.73i = 2 , 60\xC2\xB0\r\n-2+0i = 2 , 180\xC2\xB0\r\n1-1.73i = 2 , 300\xC2\xB0");
    const QByteArray second = Block("Find the roots of index 3 of Z= -8+0i",
                                    "\r\n1+1.73i = 2 , 60\xC2\xB0\r\n-2+0i = 2 , 180\xC2\xB0\r\n1-1.73i = 2 , 300\xC2\xB0"
                                    "\r\nchecked");
    QCOMPARE(ReadAll(path), QByteArray("Earlier exercises\r\n\r\n") + first + second);
    QCOMPARE(processes_.LastCommandLine(), QStringLiteral("NotePad ") + path);
    QCOMPARE(processes_.Started.last().Command.Arguments, QStringList{path});
    QCOMPARE(processes_.Started.last().Style, WindowStyle::NormalFocus);
  }

  // "Show working" shows the working under the answer; the sheet still gets the exercise alone.
  void ShowWorkingShowsItUnderTheAnswerAndTheSheetKeepsItsText() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.txt"));
    FPrbls window(nullptr, Recording(), [&](QWidget*, const QString&, const QString&) { return path; }, Spanish());
    window.SetProblem(RootsOfMinus8);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.ChkWorking->isVisible());
    window.SetWorking(RootsWorking(CalcRoots(MakeCplx(-8, 0), 3), 2, WorkingLanguage::Spanish));
    QCOMPARE(window.ChkWorking->text(), QStringLiteral("Mostrar el desarrollo"));
    QVERIFY(window.ChkWorking->isVisible() && !window.IdWorking->isVisible());
    QTest::mouseClick(window.ChkWorking, Qt::LeftButton);
    QVERIFY(window.IdWorking->isVisible());
    QVERIFY(window.IdWorking->geometry().top() > window.IdResp->geometry().bottom());
    QVERIFY(window.IdWorking->toPlainText().contains(QStringLiteral("sobre el semieje real negativo: θ = 180°")));
    messages_.QueueAnswer(MsgAnswer::No);
    QTest::mouseClick(window.BtG, Qt::LeftButton);
    QCOMPARE(ReadAll(path), SheetBlock(RootsOfMinus8));
  }

  void TheProgramsFileDialogStartsInPrbls() {
    WorkInTemporaryFolder work;
    QString startFolder;
    WhenModal<DFtxs>([&](DFtxs* dialog) {
      startFolder = dialog->CurrentFolder();
      dialog->IdNom->setText(QStringLiteral("roots.txt"));
      QTest::mouseClick(dialog->BtOk, Qt::LeftButton);
    });
    messages_.QueueAnswer(MsgAnswer::No);
    SaveProblem(nullptr, RootsOfMinus8, Recording());
    QCOMPARE(QDir(startFolder).canonicalPath(), QDir(work.filePath(QStringLiteral("Prbls"))).canonicalPath());
    QCOMPARE(ReadAll(work.filePath(QStringLiteral("Prbls/roots.txt"))), SheetBlock(RootsOfMinus8));
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Saved at...  "));
  }

  void SpanishMessages() {
    Language language;
    language.SetIndex(2);
    OfferToOpen(QStringLiteral("/x/s.txt"), Recording(), language);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Guardado en ...  "));
    QCOMPARE(messages_.LastText(), QStringLiteral("/x/s.txt\r\n\r\n\u00bfVer?"));
    language.SetIndex(1);
    messages_.QueueAnswer(MsgAnswer::No);
    OfferToOpen(QStringLiteral("/x/s.txt"), Recording(), language);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Guardat a...  "));
    QVERIFY(messages_.LastText().endsWith(QStringLiteral("Veure?")));
  }

  void CancellingTheDialogSavesAndShowsNothing() {
    QTemporaryDir dir;
    FPrbls window(nullptr, Recording(), [](QWidget*, const QString&, const QString&) { return QString(); });
    window.SetProblem(RootsOfMinus8);
    QTest::mouseClick(window.BtG, Qt::LeftButton);
    QVERIFY(messages_.Shown.isEmpty());
    QVERIFY(processes_.Started.isEmpty());
  }

  void AFailedWriteIsReportedAndTheSheetKeepsWhatItHeld() {
    QTemporaryDir dir;
    const QByteArray before("Earlier exercises\r\n\r\n");
    const QString sheet = dir.filePath(QStringLiteral("sheet.txt"));
    WriteAll(sheet, before);
    QString chosen;
    FPrbls window(nullptr, Recording(), [&](QWidget*, const QString&, const QString&) { return chosen; });
    window.SetProblem(RootsOfMinus8);

    // A folder that does not exist: nothing is created.
    chosen = dir.filePath(QStringLiteral("gone/sheet.txt"));
    QTest::mouseClick(window.BtG, Qt::LeftButton);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Not saved"));
    QVERIFY(messages_.LastText().startsWith(chosen + QStringLiteral("\r\n\r\n")));
    QVERIFY(!QFileInfo::exists(chosen));

#ifdef Q_OS_UNIX
    chosen = sheet;
    {
      ReadOnlyScope readOnly(sheet, dir.path());
      QTest::mouseClick(window.BtG, Qt::LeftButton);
    }
    QCOMPARE(messages_.Shown.size(), 2);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Not saved"));
    QCOMPARE(ReadAll(sheet), before);

    // Room for only part of the block: the part that got in is taken out again.
    {
      FileSizeLimit nearlyFull(static_cast<rlim_t>(before.size() + 10));
      QTest::mouseClick(window.BtG, Qt::LeftButton);
    }
    QCOMPARE(messages_.Shown.size(), 3);
    QCOMPARE(messages_.LastTitle(), QStringLiteral("Not saved"));
    QCOMPARE(ReadAll(sheet), before);
#endif
    QVERIFY(processes_.Started.isEmpty());
  }

  void TheAnswerMovesDownByHalfTheGrowthAndBothBoxesShareTheRest() {
    FPrbls window(nullptr, Recording());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect en = window.IdEn->geometry(), resp = window.IdResp->geometry();
    const int labelTop = window.EtResp->y();
    const QSize size = window.size();

    window.resize(size.width() + 100, size.height() + 60);
    QCOMPARE(window.EtResp->y(), labelTop + 30);
    QCOMPARE(window.IdResp->geometry(), QRect(resp.x(), resp.y() + 30, resp.width() + 100, resp.height() + 30));
    QCOMPARE(window.IdEn->geometry(), QRect(en.x(), en.y(), en.width() + 100, en.height() + 30));
    QVERIFY(window.BtG->geometry().right() <= window.IdEn->geometry().right());

    window.resize(size.width() - 40, size.height() - 80);
    QCOMPARE(window.IdResp->geometry(), QRect(resp.x(), resp.y() - 40, resp.width() - 40, resp.height() - 40));
    QCOMPARE(window.IdEn->height(), en.height() - 40);

    // As small as it goes, the boxes still show and do not overlap.
    window.resize(1, 1);
    QVERIFY(window.IdEn->height() > 0 && window.IdResp->height() > 0);
    QVERIFY(window.IdEn->geometry().bottom() < window.EtResp->y());
    QVERIFY(window.IdResp->geometry().bottom() < window.height());
  }

  // In each language, with a real exercise in the boxes: every caption shows whole, each box lies
  // under its heading, nothing lies on anything else, and the window can be made no smaller than
  // its captions need.
  void CaptionsFitInEveryLanguage() {
    const char* const languages[] = {"en", "ca", "es"};
    for (int lang : {0, 1, 2}) {
      Language language;
      language.SetIndex(static_cast<std::int16_t>(lang));
      FPrbls window(nullptr, Recording(), {}, language);
      window.SetProblem(RootsOfMinus8);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      for (const bool smallest : {false, true}) {
        if (smallest) {
          window.resize(1, 1);
          QApplication::processEvents();
          QVERIFY(window.width() >= window.minimumSizeHint().width());
          QVERIFY(window.height() >= window.minimumSizeHint().height());
        }
        const QString where = QStringLiteral("%1%2: ").arg(languages[lang], smallest ? " smallest" : "");
        const QString cut = CutCaption({window.EtEn, window.EtResp, window.BtG});
        QVERIFY2(cut.isEmpty(), qPrintable(where + cut));
        const QList<QWidget*> controls = {window.EtEn, window.BtG, window.IdEn, window.EtResp, window.IdResp};
        QVERIFY2(Overlap(controls).isEmpty(), qPrintable(where + Overlap(controls)));
        QVERIFY2(window.EtEn->geometry().bottom() < window.IdEn->y(), qPrintable(where + "statement above its heading"));
        QVERIFY2(window.EtResp->geometry().bottom() < window.IdResp->y(), qPrintable(where + "answer above its heading"));
        // The answer's four lines show without scrolling in the window as it opens.
        if (!smallest) QCOMPARE(window.IdResp->verticalScrollBar()->maximum(), 0);
      }
    }
  }
};

ZORBIT_WINDOW_TEST_MAIN(FPrblsTest)
#include "tst_fprbls.moc"
