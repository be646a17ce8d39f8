// SPDX-License-Identifier: MIT
#include "shell/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/program_folder.h"
#include "platform/program_font.h"
#include "platform/twips.h"

namespace {

QString Row(const CombinedHelpExample& e) {
  return QStringLiteral("<tr><td><code>%1</code></td><td>%2</td><td>%3</td></tr>")
      .arg(e.Formula.toHtmlEscaped(), e.Value.toHtmlEscaped(), e.Why.toHtmlEscaped());
}

QString CombinedOperationsPage() {
  QString examples;
  for (const CombinedHelpExample& e : CombinedHelpExamples()) examples += Row(e);
  return QStringLiteral(
             "<h2>Combined operations</h2>"
             "<p>Type a formula over the stored complexes into <i>String of operations</i>, or build it "
             "with the keys and the letter selector, and press <b>=</b> or Enter. The value appears in "
             "cartesian and polar form; double-click either box to keep it as a new letter.</p>"
             "<p>The <b>Working</b> button beside the exercise button shows how the value is reached: the "
             "formula in the order it is grouped, one intermediate t₁, t₂, … a line.</p>"
             "<h3>What a formula is made of</h3>"
             "<ul>"
             "<li>Letters <code>a</code> to <code>z</code> (or <code>A</code> to <code>Z</code>): the stored "
             "complexes. A letter that is not stored yet is refused.</li>"
             "<li>Real numbers: <code>2</code>, <code>0.5</code>, <code>2.5E1</code>, <code>0</code>. A number "
             "is a real constant; <code>2i</code> is not a number here: store it as a letter, and so "
             "<code>i</code>: enter 0+1i and use its letter. A decimal comma is read only in an exponent "
             "(<code>a^1,5</code>): elsewhere write <code>2.5</code>. pi only goes in an exponent, "
             "<code>a^(pi)</code>.</li>"
             "<li>Pasted signs are read as meant: \u2212 and \u2013 as <code>-</code>, \u00d7 and \u00b7 as "
             "<code>*</code>, \u00f7 as <code>/</code>. A power is <code>a^2</code>, not <code>a**2</code>.</li>"
             "<li>Operators <code>+</code> <code>-</code> <code>*</code> <code>/</code>, the power "
             "<code>^</code> and the conjugate <code>'</code> written after its operand.</li>"
             "<li>Parentheses <code>(</code> <code>)</code>, as many as you like.</li>"
             "<li>No blanks: <code>a + b</code> is refused, write <code>a+b</code>.</li>"
             "<li>No hidden product: <code>2a</code> and <code>a'b</code> are refused, write "
             "<code>2*a</code> and <code>a'*b</code>.</li>"
             "</ul>"
             "<h3>Precedence and grouping</h3>"
             "<ul>"
             "<li>The conjugate binds most tightly, then <code>^</code>, then <code>*</code> and "
             "<code>/</code>, then <code>+</code> and <code>-</code>: <code>a*b+c'</code> is "
             "(a&middot;b) + conjugate of c, and <code>a'^2</code> is the square of the conjugate.</li>"
             "<li>Operators of the same kind are worked out from left to right: <code>a-b-c</code> is "
             "(a&nbsp;-&nbsp;b)&nbsp;-&nbsp;c and <code>a/b/c</code> is (a&nbsp;/&nbsp;b)&nbsp;/&nbsp;c. "
             "Write <code>a-(b-c)</code> for the other grouping.</li>"
             "<li>A minus in front is the opposite: <code>-a</code> is 0&nbsp;-&nbsp;a; "
             "<code>a*-b</code> is a&nbsp;&middot;&nbsp;(-b).</li>"
             "<li>The exponent after <code>^</code> is a real number, with its sign: <code>a^-1</code>, "
             "<code>a^1.5</code> or <code>a^1,5</code>; any real expression goes in parentheses: "
             "<code>a^(1/2)</code>, <code>a^(pi)</code>. Powers of powers are worked out from the right: "
             "<code>a^2^2</code> is a to the power 4. The exponent cannot be a letter: <code>a^b</code> "
             "is refused.</li>"
             "<li>A conjugate after an exponent is refused, <code>a^2'</code>: write <code>(a^2)'</code> "
             "for the conjugate of the square, or <code>a'^2</code> for the square of the conjugate.</li>"
             "</ul>"
             "<h3>Examples</h3>"
             "<p>With a = 1+2i, b = 3-1i and c = 2+0i stored:</p>"
             "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
             "<tr><th>formula</th><th>value</th><th>why</th></tr>%1</table>"
             "<p>A refused formula answers <i>Wrong string</i> and says why and where, for example "
             "<i>the letter d is not stored</i> or <i>write 2*a for a product</i>; so does a "
             "division by a complex 0 (<i>division by zero</i>) or a result too large to calculate "
             "(<i>number too large</i>).</p>")
      .arg(examples);
}

QString EntryPage() {
  QString examples;
  for (const EntryHelpExample& e : EntryHelpExamples())
    examples += QStringLiteral("<tr><td>%1</td><td><code>%2</code></td><td>%3</td><td>%4</td></tr>")
                    .arg(e.Box == 0 ? QStringLiteral("a,b") : QStringLiteral("r , \u03c6\u00b0"),
                         e.Typed.toHtmlEscaped(), e.Value.toHtmlEscaped(), e.Why.toHtmlEscaped());
  return QStringLiteral(
             "<h2>Entry and edition of complexes</h2>"
             "<p>Type a complex into one of the two boxes and press Enter: it is stored under the next "
             "letter, a to z, and drawn in the graph panel.</p>"
             "<ul>"
             "<li><b>a,b</b>, the cartesian box: the real part, a comma, the imaginary part. A real "
             "alone is a real complex: <code>-8</code> is -8+0i.</li>"
             "<li><b>r , \u03c6\u00b0</b>, the polar box: the modulus, a comma, the argument in degrees. "
             "The argument is kept as typed: 450 stays 450\u00b0. <code>5\u222053.13\u00b0</code> is read "
             "too. Degrees and minutes are not: write <code>53\u00b08'</code> as <code>53.133</code>. "
             "In degrees an argument cannot use pi: write its degrees, or choose radians.</li>"
             "<li>Without a comma, a blank separates the two numbers; a tab does too, so a row pasted from "
             "a spreadsheet is read.</li>"
             "<li>Decimal commas: separate the two numbers with a semicolon, <code>2,5; 3,5</code>. With a "
             "comma between the numbers, write decimals with a point, <code>2.5, 3.5</code>; "
             "<code>3,5, 4</code> is refused.</li>"
             "<li>No blank inside a number: <code>1 000</code> and <code>2,5 3</code> are refused; write "
             "<code>1000</code> or <code>2,5; 3</code>.</li>"
             "<li>The cartesian box also takes the complex as the program writes it: <code>3+4i</code>, "
             "<code>2.5-0.5i</code>, <code>-i</code>, <code>pi+2i</code>, <code>3+4j</code>, "
             "<code>3+4*i</code>, blanks allowed. The imaginary part is the last term, up to the "
             "<i>i</i>; a result copied from any box pastes back. The \u00b0 belongs to the polar box.</li>"
             "<li>Pasted text is read as meant: the signs \u2212 \u2013 \u00d7 \u00b7 \u00f7 \u03c0 and one pair "
             "of brackets around the whole, <code>(3, 4)</code>; what the worksheets print, such as "
             "<code>4 \u2212 i</code>, reads back.</li>"
             "<li>Each number may be a small expression with + - * / ^, parentheses and pi, worked out "
             "as in mathematics: <code>8-2-1</code> is 5, <code>2*3^2</code> is 18, <code>2^3^2</code> is "
             "512, <code>2^-1</code> is 0.5 (a power is <code>2^3</code>, not <code>2**3</code>). Numbers may "
             "have a decimal point and an exponent: <code>1e-5</code>.</li>"
             "<li>0 is a number like any other: <code>0</code>, <code>0.0</code> and <code>1-1</code> are "
             "all zero.</li>"
             "<li>Anything else is refused with <i>wrong expression</i>, what to type instead and the "
             "part at fault selected, such as <i>unexpected \u201Cabc\u201D after 3</i> or "
             "<i>the box is empty: type 3, 4 or 3+4i</i>.</li>"
             "</ul>"
             "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
             "<tr><th>box</th><th>typed</th><th>stored</th><th>why</th></tr>%1</table>"
             "<h3>Editing the list</h3>"
             "<ul>"
             "<li>Click a row to open that complex in the boxes; change it and press Enter to replace "
             "it under the same letter. Enter without a change keeps it exactly as stored.</li>"
             "<li>Ctrl+Z takes back the last change of the list, rst included; Ctrl+Y puts it back. "
             "Ctrl+C copies the selected row; pasted into the a,b box it is entered again.</li>"
             "<li><b>+</b> starts a new complex; <b>-</b> (after a confirmation) or the Delete key "
             "removes the open one, and the letters after it move up.</li>"
             "<li><b>rst</b> empties the list and every panel.</li>"
             "<li>The die draws n random complexes whose parts are whole numbers from -5 to 9. With a "
             "complex open, the first one replaces it. There are 26 letters at most.</li>"
             "<li><b>decimals</b> sets the digits of the two boxes; the list always shows 2.</li>"
             "</ul>")
      .arg(examples);
}

}  // namespace

const std::vector<EntryHelpExample>& EntryHelpExamples() {
  static const std::vector<EntryHelpExample> examples = {
      {QStringLiteral("3, 4"), 0, QStringLiteral("3+4i"), QStringLiteral("real part, imaginary part")},
      {QStringLiteral("3+4i"), 0, QStringLiteral("3+4i"), QStringLiteral("as the program writes it")},
      {QStringLiteral("2.5 - 0.5i"), 0, QStringLiteral("2.5-0.5i"), QStringLiteral("blanks are allowed")},
      {QStringLiteral("-i"), 0, QStringLiteral("0-1i"), QStringLiteral("a sign alone is 1")},
      {QStringLiteral("pi+2i"), 0, QStringLiteral("3.14+2i"), QStringLiteral("pi for the real part")},
      {QStringLiteral("-1.5, 0.5"), 0, QStringLiteral("-1.5+0.5i"), QStringLiteral("decimals with a point")},
      {QStringLiteral("3 4"), 0, QStringLiteral("3+4i"), QStringLiteral("a blank separates too")},
      {QStringLiteral("pi/4, 1+2"), 0, QStringLiteral("0.79+3i"), QStringLiteral("small expressions")},
      {QStringLiteral("8-2-1, 2*3^2"), 0, QStringLiteral("5+18i"), QStringLiteral("worked out as in mathematics")},
      {QStringLiteral("2 , 90"), 1, QStringLiteral("0+2i"), QStringLiteral("modulus 2 at 90\u00b0")},
      {QStringLiteral("5 , 53.13"), 1, QStringLiteral("3+4i"), QStringLiteral("about 3+4i")},
      {QStringLiteral("1 , 450"), 1, QStringLiteral("0+1i"), QStringLiteral("the argument stays 450\u00b0")},
      {QStringLiteral("0.0, 2"), 0, QStringLiteral("0+2i"), QStringLiteral("0 is a number like any other")},
      {QStringLiteral("3abc, 1"), 0, QStringLiteral("wrong expression"), QStringLiteral("unexpected \u201Cabc\u201D after 3")},
      {QStringLiteral("(2+3, 1"), 0, QStringLiteral("wrong expression"), QStringLiteral("missing \u201C)\u201D")},
      {QStringLiteral("-8"), 0, QStringLiteral("-8+0i"), QStringLiteral("a real alone")},
      {QStringLiteral("2,5; 3,5"), 0, QStringLiteral("2.5+3.5i"), QStringLiteral("decimal commas: a semicolon between")},
      {QStringLiteral("5; 53,13"), 1, QStringLiteral("3+4i"), QStringLiteral("decimal commas in the polar box")},
      {QStringLiteral("(3+4j)"), 0, QStringLiteral("3+4i"), QStringLiteral("brackets and j, as pasted")},
      {QStringLiteral("6\u00f72, 2\u00d72"), 0, QStringLiteral("3+4i"), QStringLiteral("pasted signs: \u00f7 \u00d7 \u00b7 \u2212 \u03c0")},
      {QStringLiteral("3,5, 4"), 0, QStringLiteral("wrong expression"), QStringLiteral("write 3,5; 4 or 3.5, 4")},
      {QStringLiteral("2,5 3"), 0, QStringLiteral("wrong expression"), QStringLiteral("a blank inside a number")},
      {QStringLiteral("5, 53.13\u00b0"), 0, QStringLiteral("wrong expression"), QStringLiteral("the \u00b0 belongs in the polar box")},
      {QStringLiteral("2, pi/4"), 1, QStringLiteral("wrong expression"), QStringLiteral("pi in degrees: write 45")},
      {QStringLiteral("5, 53\u00b08'"), 1, QStringLiteral("wrong expression"), QStringLiteral("write 53.133")},
  };
  return examples;
}

const std::vector<CombinedHelpExample>& CombinedHelpExamples() {
  static const std::vector<CombinedHelpExample> examples = {
      {QStringLiteral("a+b"), QStringLiteral("4+1i"), QStringLiteral("the sum")},
      {QStringLiteral("a*b+c'"), QStringLiteral("7+5i"), QStringLiteral("(a\u00b7b) + conjugate of c")},
      {QStringLiteral("a+b*c"), QStringLiteral("7+0i"), QStringLiteral("the product first")},
      {QStringLiteral("(a+b)*c"), QStringLiteral("8+2i"), QStringLiteral("the parentheses first")},
      {QStringLiteral("(a+b)^2"), QStringLiteral("15+8i"), QStringLiteral("the square of the sum")},
      {QStringLiteral("a-b-c"), QStringLiteral("-4+3i"), QStringLiteral("(a - b) - c")},
      {QStringLiteral("a-(b-c)"), QStringLiteral("0+3i"), QStringLiteral("a - (b - c)")},
      {QStringLiteral("a/b/c"), QStringLiteral("0.05+0.35i"), QStringLiteral("(a / b) / c")},
      {QStringLiteral("a/(b/c)"), QStringLiteral("0.2+1.4i"), QStringLiteral("a / (b / c)")},
      {QStringLiteral("-a"), QStringLiteral("-1-2i"), QStringLiteral("the opposite of a")},
      {QStringLiteral("a'"), QStringLiteral("1-2i"), QStringLiteral("the conjugate")},
      {QStringLiteral("(a+b)'"), QStringLiteral("4-1i"), QStringLiteral("the conjugate of the sum")},
      {QStringLiteral("a'^2"), QStringLiteral("-3-4i"), QStringLiteral("the square of the conjugate")},
      {QStringLiteral("(a^2)'"), QStringLiteral("-3-4i"), QStringLiteral("the conjugate of the square")},
      {QStringLiteral("a''"), QStringLiteral("1+2i"), QStringLiteral("twice the conjugate")},
      {QStringLiteral("a^(1/2)"), QStringLiteral("1.27+0.79i"), QStringLiteral("the principal square root")},
      {QStringLiteral("a^-1"), QStringLiteral("0.2-0.4i"), QStringLiteral("1 / a")},
      {QStringLiteral("a^2^2"), QStringLiteral("-7-24i"), QStringLiteral("a to the power 2\u00b2 = 4")},
      {QStringLiteral("2*a"), QStringLiteral("2+4i"), QStringLiteral("numbers mix with letters")},
      {QStringLiteral("((a+b))"), QStringLiteral("4+1i"), QStringLiteral("parentheses at any depth")},
      {QStringLiteral("2a"), QStringLiteral("Wrong string"), QStringLiteral("write 2*a for a product")},
      {QStringLiteral("a+2i"), QStringLiteral("Wrong string"), QStringLiteral("2i is not a number: store it as a letter")},
      {QStringLiteral("a^2'"), QStringLiteral("Wrong string"), QStringLiteral("write (a^2)' or a'^2")},
      {QStringLiteral("a + b"), QStringLiteral("Wrong string"), QStringLiteral("no blanks")},
      {QStringLiteral("a^b"), QStringLiteral("Wrong string"), QStringLiteral("the exponent is a real number")},
      {QStringLiteral("d"), QStringLiteral("Wrong string"), QStringLiteral("d is not stored")},
      {QStringLiteral("2\u00b7a\u00f7b"), QStringLiteral("0.2+1.4i"), QStringLiteral("pasted signs are read")},
      {QStringLiteral("pi*a"), QStringLiteral("Wrong string"), QStringLiteral("pi only in an exponent, as a^(pi)")},
      {QStringLiteral("a+i"), QStringLiteral("Wrong string"), QStringLiteral("enter 0+1i and use its letter")},
      {QStringLiteral("2,5*a"), QStringLiteral("Wrong string"), QStringLiteral("write 2.5")},
      {QStringLiteral("a**2"), QStringLiteral("Wrong string"), QStringLiteral("for a power write a^2")},
  };
  return examples;
}

HelpWindow::HelpWindow(HelpTopic topic, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  Text = new QTextBrowser(this);
  Text->setObjectName(QStringLiteral("Text"));
  Text->setOpenLinks(false);
  // The program's family, and some room between the text and the frame.
  setFont(ProgramFont());
  Text->document()->setDocumentMargin(TwipsToPixels(150));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Text);
  switch (topic) {
    case HelpTopic::CombinedOperations:
      setWindowTitle(QStringLiteral("Help: combined operations"));
      Text->setHtml(CombinedOperationsPage());
      break;
    case HelpTopic::Entry:
      setWindowTitle(QStringLiteral("Help: entry and edition of complexes"));
      Text->setHtml(EntryPage());
      break;
    case HelpTopic::Manual: {
      setWindowTitle(QStringLiteral("Zorbit manual"));
      const QString pages = QDir(PagesFolder()).filePath(QStringLiteral("manual.html"));
      if (QFileInfo(pages).isFile())
        Text->setSource(QUrl::fromLocalFile(pages));
      else
        Text->setHtml(QStringLiteral("<h2>Zorbit manual</h2><p>The manual's pages are missing too:</p><p>%1</p>")
                          .arg(QDir::toNativeSeparators(pages).toHtmlEscaped()));
      break;
    }
  }
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
  resize(TwipsToPixelsRounded(7800), TwipsToPixelsRounded(9000));
}
