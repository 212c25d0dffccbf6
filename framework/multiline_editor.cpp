// The multi-line field's editor: the program's text kept beside the document, which
// holds it in blocks of bounded length.
#include "framework/multiline_editor_qt.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <cstring>

#include "framework/text_qt.h"
#include "framework/utf8.h"

namespace fw {

namespace {

constexpr size_t kLongestBlock = MultiLineEditor::kLongestBlock;
constexpr int kContinuesLine = QTextFormat::UserProperty + 1;

bool ContinuesLine(const QTextBlock& block) { return block.blockFormat().boolProperty(kContinuesLine); }

// --- The text ------------------------------------------------------------------------

// Bytes of the line break other than CR at text[i] (LF; U+2028 and U+2029; U+FDD0 and
// U+FDD1, which the document takes for frame edges); 0 when there is none.
size_t OtherLineBreakLength(std::string_view text, size_t i) {
  if (text[i] == '\n') return 1;
  const std::string_view at = text.substr(i, 3);
  return at == "\u2028" || at == "\u2029" || at == "\uFDD0" || at == "\uFDD1" ? 3 : 0;
}

size_t FirstOtherLineBreak(std::string_view text) {
  // A run of bytes is tested at a time, without a branch per byte (a loop the compiler
  // turns into vector instructions), for the bytes such a break starts with: a note of
  // megabytes is looked through at start-up.
  constexpr size_t kRun = 64;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (size_t i = 0; i < text.size(); i += kRun) {
    if (i + kRun <= text.size()) {
      unsigned starts = 0;
      for (size_t k = i; k < i + kRun; ++k) starts |= (bytes[k] == '\n') | (bytes[k] == 0xE2) | (bytes[k] == 0xEF);
      if (!starts) continue;
    }
    for (size_t k = i; k < std::min(i + kRun, text.size()); ++k)
      if (OtherLineBreakLength(text, k) > 0) return k;
  }
  return text.size();
}

// Each line break made the program's CR (a CRLF is one).
void MakeBreaksCR(String& text) {
  size_t i = FirstOtherLineBreak(text);
  if (i == text.size()) return;
  size_t out = i;
  bool afterCR = i > 0 && text[i - 1] == '\r';
  while (i < text.size()) {
    const char c = text[i];
    const size_t length = OtherLineBreakLength(text, i);
    if (!(c == '\n' && afterCR)) text[out++] = length > 0 ? '\r' : c;  // the CR of a CRLF stands for both
    afterCR = c == '\r';
    i += std::max<size_t>(length, 1);
  }
  text.resize(out);
}

// The text as the toolkit takes it in: UTF-8 as it is, other bytes as the toolkit
// reads them; and each line break a CR.
String AsTaken(const String& text) {
  String taken = IsValidUtf8(text) ? text : FromQ(ToQ(text));
  MakeBreaksCR(taken);
  return taken;
}

// --- Blocks --------------------------------------------------------------------------

// True when a line may be divided before line[k]: not inside a character's bytes, not
// before a mark (it belongs to the letter before it), not beside a joiner.
bool MayDivideBefore(std::string_view line, size_t k) {
  const auto continuation = [line](size_t at) { return (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80; };
  if (continuation(k)) return false;
  const char32_t here = utf8::Decode(line, k);
  size_t before = k - 1;
  while (before > 0 && continuation(before)) --before;
  return !QChar::isMark(here) && here != 0x200D && utf8::Decode(line, before) != 0x200D;
}

// Where a block of a line too long for one, starting at `start`, ends: after a space in
// the last quarter, so that the division falls where the line would wrap anyway;
// otherwise where MayDivideBefore allows.
size_t DivisionAfter(std::string_view line, size_t start) {
  const size_t end = start + kLongestBlock;
  const size_t lastQuarter = end - kLongestBlock / 4;
  const auto after = [&](char blank) -> size_t {  // after the last one in the last quarter, 0 for none
    const void* at = memrchr(line.data() + lastQuarter, blank, end - lastQuarter);
    return at ? static_cast<size_t>(static_cast<const char*>(at) - line.data()) + 1 : 0;
  };
  if (const size_t blank = std::max(after(' '), after('\t')); blank > 0) return blank;
  size_t k = end;
  while (k > start + 1 && !MayDivideBefore(line, k)) --k;
  return k;
}

// The blocks that hold lines with CR breaks: each(piece, continuesLine) in order. A
// line longer than kLongestBlock gives several blocks; `grouped`, a block takes as
// many whole lines as fit in kLongestBlock, and a piece then holds CRs between them.
template <class Each>
void ForEachBlock(std::string_view lines, bool grouped, Each each) {
  const auto lineEndAfter = [lines](size_t end) {  // the end of the line after the one ending at `end`
    return end < lines.size() ? std::min(lines.find('\r', end + 1), lines.size()) : end;
  };
  size_t next = std::min(lines.find('\r'), lines.size());  // the end of the line the block starts in
  bool continuesLine = false;
  for (size_t start = 0;;) {
    const size_t limit = start + kLongestBlock;
    if (next > limit) {
      const size_t end = DivisionAfter(lines, start);
      each(lines.substr(start, end - start), continuesLine);
      start = end;
      continuesLine = true;
      continue;
    }
    size_t end = next;
    next = lineEndAfter(end);
    while (grouped && end < lines.size() && next <= limit) {
      end = next;
      next = lineEndAfter(end);
    }
    each(lines.substr(start, end - start), continuesLine);
    if (end == lines.size()) return;
    start = end + 1;
    continuesLine = false;
  }
}

// Inserts lines with CR breaks at the cursor, replacing its selection, as one step of
// the undo history; `firstIn` runs once the first block's text is in. The lines are
// made the toolkit's text a block at a time: the whole of a long text never is at once.
template <class FirstIn>
void InsertBlocks(QTextCursor& cursor, std::string_view lines, FirstIn firstIn) {
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  // A new block takes the format it is given: a line's first block must not continue
  // the line before.
  QTextBlockFormat lineStart = cursor.blockFormat();
  lineStart.clearProperty(kContinuesLine);
  QTextBlockFormat continuation = lineStart;
  continuation.setProperty(kContinuesLine, true);
  bool first = true;
  ForEachBlock(lines, lines.size() > MultiLineEditor::kGroupedAbove, [&](std::string_view piece, bool continuesLine) {
    if (!first) cursor.insertBlock(continuesLine ? continuation : lineStart);
    QString text = ToQ(piece);
    if (piece.find('\r') != std::string_view::npos)
      for (QChar& c : text) c = c == u'\r' ? QChar(QChar::LineSeparator) : c;
    cursor.insertText(text);
    if (first) firstIn();
    first = false;
  });
  cursor.endEditBlock();
}

// The cursor moved over the divisions it stands at, so that the next one-character
// step moves over a character of the text.
void StepOverDivisions(QTextCursor& cursor, bool forward, QTextCursor::MoveMode mode) {
  for (;;) {
    const QTextBlock block = cursor.block();
    if (forward) {
      const QTextBlock next = block.next();
      if (!cursor.atBlockEnd() || !next.isValid() || !ContinuesLine(next)) return;
      cursor.setPosition(next.position(), mode);
    } else {
      if (!cursor.atBlockStart() || !ContinuesLine(block)) return;
      cursor.setPosition(block.position() - 1, mode);
    }
  }
}

}  // namespace

MultiLineEditor::MultiLineEditor() {
  QObject::connect(document(), &QTextDocument::contentsChange,
                   [this](int position, int, int added) { TakeInChange(position, added); });
}

void MultiLineEditor::SetText(const String& text) {
  text_ = AsTaken(text);
  QTextDocument* doc = document();
  settingText_ = true;
  // The document's own setting, not the editor's, which would go over the whole text
  // once more for its character format (a second per line, for a note of a few
  // hundred thousand lines).
  doc->setPlainText(QString());  // the undo history starts afresh
  const bool undo = doc->isUndoRedoEnabled();
  doc->setUndoRedoEnabled(false);
  // The caret goes to the start once the first block is in, and the rest goes in
  // behind it: placing the caret at the far end, the editor would lay out every block
  // on its way there.
  QTextCursor cursor(doc);
  const auto caretToStart = [&] {
    if (textCursor().position() > 0) setTextCursor(QTextCursor(doc));
  };
  InsertBlocks(cursor, text_, caretToStart);
  caretToStart();  // the first block was empty: the rest went in before the caret
  doc->setUndoRedoEnabled(undo);
  settingText_ = false;
  length_ = static_cast<size_t>(TextPosition(doc->characterCount() - 1));
  known_ = {};
}

void MultiLineEditor::TakeInChange(int position, int added) {
  if (settingText_) return;
  const QTextDocument* doc = document();
  const int documentEnd = doc->characterCount() - 1;  // before the document's own last separator
  // The blocks the change touched, whole: the text before and after them is as it was.
  const QTextBlock first = doc->findBlock(std::clamp(position, 0, documentEnd));
  const QTextBlock last = doc->findBlock(std::clamp(position + added, 0, documentEnd));
  const int from = first.position();
  const int to = last.position() + last.length() - 1;
  int divisionsBefore = 0;
  int divisionsAfter = 0;
  int divisions = 0;
  for (QTextBlock b = doc->begin().next(); b.isValid(); b = b.next()) {
    if (!ContinuesLine(b)) continue;
    ++divisions;
    if (b.position() <= from) ++divisionsBefore;
    else if (b.position() > to) ++divisionsAfter;
  }
  const auto before = static_cast<size_t>(from - divisionsBefore);  // UTF-16 units of the text
  const auto after = static_cast<size_t>(documentEnd - to - divisionsAfter);
  String inserted = FromQ(TextBetween(from, to));
  size_t start = 0;
  size_t end = text_.size();
  if (before + after <= length_) {
    start = ByteOffset(before);
    end = start + utf8::AfterUtf16Units(std::string_view(text_).substr(start), length_ - before - after);
    known_ = {before, start};
  } else {  // a change the document misreported: the whole text is read again
    inserted = FromQ(TextBetween(0, documentEnd));
    known_ = {};
  }
  length_ = static_cast<size_t>(documentEnd - divisions);
  if (text_.compare(start, end - start, inserted) == 0) return;  // only its look changed
  lastEdit_ = {start, text_.substr(start, end - start), inserted.size()};
  text_.replace(start, end - start, inserted);
  ++edits_;
}

size_t MultiLineEditor::ByteOffset(size_t units) const {
  const Place from = units >= known_.units ? known_ : Place{};
  return from.bytes + utf8::AfterUtf16Units(std::string_view(text_).substr(from.bytes), units - from.units);
}

String MultiLineEditor::TextBeforeLastEdit() const {
  return String(text_).replace(lastEdit_.start, lastEdit_.added, lastEdit_.removed);
}

void MultiLineEditor::InsertText(const String& text) {
  QTextCursor cursor = textCursor();
  InsertBlocks(cursor, AsTaken(text), [] {});
  setTextCursor(cursor);
  ensureCursorVisible();
}

int MultiLineEditor::SelectionStart() const { return CharactersBefore(textCursor().selectionStart()); }
int MultiLineEditor::SelectionEnd() const { return CharactersBefore(textCursor().selectionEnd()); }

void MultiLineEditor::Select(int start, int end) {
  const auto textPosition = [this](int character) {
    return static_cast<int>(utf8::Utf16Units(std::string_view(text_).substr(0, utf8::OffsetOf(text_, character))));
  };
  QTextCursor cursor = textCursor();
  cursor.setPosition(DocumentPosition(textPosition(start), false));
  cursor.setPosition(DocumentPosition(textPosition(end), end > start), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

String MultiLineEditor::SelectedText() const {
  const QTextCursor cursor = textCursor();
  return FromQ(TextBetween(cursor.selectionStart(), cursor.selectionEnd()));
}

QString MultiLineEditor::TextBetween(int from, int to) const {
  QString text;
  text.reserve(to - from);
  for (QTextBlock b = document()->findBlock(from); b.isValid() && b.position() <= to; b = b.next()) {
    if (b.position() > from && !ContinuesLine(b)) text += u'\r';
    const int start = std::max(from - b.position(), 0);
    const int end = std::min(to - b.position(), b.length() - 1);
    if (end > start) text += QStringView(b.text()).sliced(start, end - start);
  }
  return text.replace(QChar::LineSeparator, u'\r');
}

int MultiLineEditor::TextPosition(int documentPosition) const {
  int divisions = 0;
  for (QTextBlock b = document()->begin().next(); b.isValid() && b.position() <= documentPosition; b = b.next())
    if (ContinuesLine(b)) ++divisions;
  return documentPosition - divisions;
}

int MultiLineEditor::DocumentPosition(int textPosition, bool preferEarlier) const {
  int divisions = 0;
  for (QTextBlock b = document()->begin().next(); b.isValid(); b = b.next()) {
    const int startInText = b.position() - divisions - 1;  // where the block starts, if it continues a line
    if (startInText > textPosition) break;
    if (!ContinuesLine(b)) continue;
    if (startInText == textPosition && preferEarlier) break;
    ++divisions;
  }
  return textPosition + divisions;
}

int MultiLineEditor::CharactersBefore(int documentPosition) const {
  const size_t units = static_cast<size_t>(TextPosition(documentPosition));
  return static_cast<int>(utf8::CountChars(text_, 0, utf8::AfterUtf16Units(text_, units)));
}

void MultiLineEditor::keyPressEvent(QKeyEvent* e) {
  const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
  const int key = e->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && mods == Qt::NoModifier && !isReadOnly()) {
    InsertText("\r");  // the editor's own would copy the block's mark
    e->accept();
    return;
  }
  QTextCursor cursor = textCursor();
  const bool shift = mods == Qt::ShiftModifier;
  const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right;
  const bool erase = (key == Qt::Key_Backspace || key == Qt::Key_Delete) && !shift;
  if ((mods == Qt::NoModifier || shift) && (arrow || erase) && (!cursor.hasSelection() || (arrow && shift))) {
    StepOverDivisions(cursor, key == Qt::Key_Right || key == Qt::Key_Delete,
                      shift ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    setTextCursor(cursor);
  }
  QPlainTextEdit::keyPressEvent(e);
}

QMimeData* MultiLineEditor::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  auto* data = new QMimeData;
  data->setText(TextBetween(cursor.selectionStart(), cursor.selectionEnd()).replace(u'\r', u'\n'));
  return data;
}

bool MultiLineEditor::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

void MultiLineEditor::insertFromMimeData(const QMimeData* source) {
  if (!isReadOnly() && source->hasText()) InsertText(FromQ(source->text()));
}

}  // namespace fw
