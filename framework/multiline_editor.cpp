// The multi-line field's editor: exact text, and long lines held as bounded blocks.
#include "framework/multiline_editor_qt.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

namespace fw {

namespace {

constexpr int kContinuesLine = QTextFormat::UserProperty + 1;

bool ContinuesLine(const QTextBlock& block) { return block.blockFormat().boolProperty(kContinuesLine); }

// LF, the line and paragraph separators, and the two characters the document takes
// for frame edges: each ends a line as CR does.
bool IsOtherLineBreak(char16_t c) {
  return c == u'\n' || static_cast<char16_t>(c - 0x2028) < 2 || static_cast<char16_t>(c - 0xFDD0) < 2;
}

qsizetype FirstOtherLineBreak(QStringView text) {
  // Tested a run of characters at a time, without a branch per character: a note of
  // megabytes is looked through at start-up.
  constexpr qsizetype kRun = 32;
  qsizetype i = 0;
  for (; i + kRun <= text.size(); i += kRun) {
    bool any = false;
    for (qsizetype k = 0; k < kRun; ++k) any |= IsOtherLineBreak(text[i + k].unicode());
    if (any) break;
  }
  while (i < text.size() && !IsOtherLineBreak(text[i].unicode())) ++i;
  return i;
}

// The text with CR, the program's own line break, for each of its line breaks (a CRLF
// is one). A text whose only breaks are CR is returned itself, without a copy.
QString WithCRBreaks(const QString& text) {
  const QStringView all(text);
  const qsizetype first = FirstOtherLineBreak(all);
  if (first == all.size()) return text;
  QString out;
  out.reserve(all.size());
  out.append(all.first(first));
  for (qsizetype i = first; i < all.size(); ++i) {
    const char16_t c = all[i].unicode();
    if (c == u'\n' && i > 0 && all[i - 1] == u'\r') continue;  // the CR stands for both
    out.append(IsOtherLineBreak(c) ? QChar(u'\r') : all[i]);
  }
  return out;
}

// Where a line's block starting at `start` ends when the rest is too long for one:
// after a space in the last quarter, so that the division falls where the line would
// wrap anyway; otherwise not inside a character (a surrogate pair, or a letter and
// its accents).
qsizetype DivisionAfter(QStringView line, qsizetype start) {
  const qsizetype end = start + MultiLineEditor::kLongestBlock;
  for (qsizetype k = end; k > end - MultiLineEditor::kLongestBlock / 4; --k)
    if (line[k - 1] == u' ' || line[k - 1] == u'\t') return k;
  qsizetype k = end;
  while (k > start + 1 && (line[k].isLowSurrogate() || line[k].isMark() || line[k] == QChar(0x200D) ||
                           line[k - 1] == QChar(0x200D)))
    --k;
  return k;
}

qsizetype LineEnd(QStringView lines, qsizetype from) {
  const qsizetype end = lines.indexOf(u'\r', from);
  return end < 0 ? lines.size() : end;
}

// The length of the first block of lines with CR breaks.
qsizetype FirstBlockLength(QStringView lines) {
  const qsizetype end = LineEnd(lines, 0);
  return end > MultiLineEditor::kLongestBlock ? DivisionAfter(lines.first(end), 0) : end;
}

bool HasLongLine(QStringView lines) {
  for (qsizetype start = 0;;) {
    const qsizetype end = LineEnd(lines, start);
    if (end - start > MultiLineEditor::kLongestBlock) return true;
    if (end == lines.size()) return false;
    start = end + 1;
  }
}

// The blocks of lines with CR breaks: each(piece, continuesLine), a line's first block
// first. A line longer than kLongestBlock gives several.
template <class Each>
void ForEachBlock(QStringView lines, Each each) {
  for (qsizetype start = 0;;) {
    const qsizetype end = LineEnd(lines, start);
    const QStringView line = lines.mid(start, end - start);
    qsizetype from = 0;
    for (bool first = true; first || from < line.size(); first = false) {
      const qsizetype to = line.size() - from > MultiLineEditor::kLongestBlock ? DivisionAfter(line, from) : line.size();
      each(line.mid(from, to - from), !first);
      from = to;
    }
    if (end == lines.size()) return;
    start = end + 1;
  }
}

// Inserts lines with CR breaks at the cursor, replacing its selection, as one step of
// the undo history; with `divided` the first of them continues the cursor's line in a
// block of its own.
void InsertBlocks(QTextCursor& cursor, QStringView lines, bool divided) {
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  // A new block takes the format it is given: a line's first block must not continue
  // the line before.
  QTextBlockFormat lineStart = cursor.blockFormat();
  lineStart.clearProperty(kContinuesLine);
  QTextBlockFormat continuation = lineStart;
  continuation.setProperty(kContinuesLine, true);
  bool first = true;
  ForEachBlock(lines, [&](QStringView piece, bool continuesLine) {
    if (!first || divided) cursor.insertBlock(continuesLine || first ? continuation : lineStart);
    first = false;
    // The document copies the piece: no copy of its own is needed.
    cursor.insertText(QString::fromRawData(piece.data(), piece.size()));
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

QString MultiLineEditor::SetText(const QString& text) {
  const QString lines = WithCRBreaks(text);
  // The document's own setting, not the editor's, which would go over the whole text
  // once more for its character format (a second per line, for a note of a few
  // hundred thousand lines). Only the first line is set so; the caret goes before it
  // and the rest is added behind the caret, so that the editor never looks for the
  // caret at the far end of a long text.
  const qsizetype head = FirstBlockLength(lines);
  const bool divided = head < lines.size() && lines[head] != u'\r';
  const qsizetype first = divided || head == lines.size() ? head : head + 1;  // with its line break
  QTextDocument* doc = document();
  doc->setPlainText(lines.first(first));  // the undo history starts afresh
  setTextCursor(QTextCursor(doc));
  if (first == lines.size()) return lines;
  const bool undo = doc->isUndoRedoEnabled();
  doc->setUndoRedoEnabled(false);
  QTextCursor cursor(doc);
  cursor.movePosition(QTextCursor::End);
  const QStringView rest = QStringView(lines).sliced(first);
  if (divided || HasLongLine(rest)) InsertBlocks(cursor, rest, divided);
  else cursor.insertText(QString::fromRawData(rest.data(), rest.size()));  // CR ends a block there too
  doc->setUndoRedoEnabled(undo);
  return lines;
}

QString MultiLineEditor::Text() const { return TextBetween(0, document()->characterCount()); }

void MultiLineEditor::InsertText(const QString& text) {
  QTextCursor cursor = textCursor();
  InsertBlocks(cursor, WithCRBreaks(text), false);
  setTextCursor(cursor);
  ensureCursorVisible();
}

int MultiLineEditor::SelectionStart() const { return TextPosition(textCursor().selectionStart()); }
int MultiLineEditor::SelectionEnd() const { return TextPosition(textCursor().selectionEnd()); }

void MultiLineEditor::Select(int start, int end) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(DocumentPosition(start, false));
  cursor.setPosition(DocumentPosition(end, end > start), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

QString MultiLineEditor::TextBetween(int from, int to) const {
  const QTextDocument* doc = document();
  QString text = doc->toRawText();  // index = document position
  to = std::min<int>(to, text.size());
  from = std::clamp(from, 0, to);
  const QTextBlock firstDivided = [&] {
    for (QTextBlock b = doc->findBlock(from).next(); b.isValid() && b.position() - 1 < to; b = b.next())
      if (ContinuesLine(b)) return b;
    return QTextBlock();
  }();
  if (!firstDivided.isValid()) {
    text.truncate(to);
    text.remove(0, from);
  } else {
    const QString raw = text;
    text.clear();
    text.reserve(to - from);
    int at = from;
    for (QTextBlock b = firstDivided; b.isValid() && b.position() - 1 < to; b = b.next()) {
      if (!ContinuesLine(b)) continue;
      text += QStringView(raw).mid(at, b.position() - 1 - at);
      at = b.position();
    }
    text += QStringView(raw).mid(at, to - at);
  }
  text.replace(QChar::ParagraphSeparator, u'\r');
  text.replace(QChar::LineSeparator, u'\r');
  return text;
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

void MultiLineEditor::keyPressEvent(QKeyEvent* e) {
  const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
  const int key = e->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && mods == Qt::NoModifier && !isReadOnly()) {
    InsertText(QStringLiteral("\r"));  // the editor's own would copy the block's mark
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
  if (!isReadOnly() && source->hasText()) InsertText(source->text());
}

}  // namespace fw
