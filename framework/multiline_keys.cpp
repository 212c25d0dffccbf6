// The multi-line field's keys and input method: they answer as the toolkit's own plain
// editor does on the text, however the editor holds it in blocks.
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <optional>

#include "framework/ibus_replacement.h"
#include "framework/multiline_divisions_qt.h"
#include "framework/multiline_editor_qt.h"
#include "framework/text_qt.h"
#include "framework/utf8.h"

namespace fw {

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

void PutInAndTakeOut(QTextDocument* doc, int position) {
  QTextCursor at(doc);
  at.setPosition(position);
  at.insertText(QStringLiteral(" "));
  at.deletePreviousChar();
}

int LastClusterEnd(const QString& text, int at) {
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  finder.setPosition(at);
  if (finder.isAtBoundary()) return at;
  return std::max<int>(0, static_cast<int>(finder.toPreviousBoundary()));
}

namespace {

// True when `position` falls between the two UTF-16 units of one character.
bool InsidePair(const QTextDocument* doc, int position) {
  return position > 0 && doc->characterAt(position).isLowSurrogate() &&
         doc->characterAt(position - 1).isHighSurrogate();
}

bool MatchesAny(const QKeyEvent* e, std::initializer_list<QKeySequence::StandardKey> keys) {
  return std::any_of(keys.begin(), keys.end(), [e](QKeySequence::StandardKey key) { return e->matches(key); });
}

// The way a key that moves over or selects a character first steps over a division at
// the caret, so that it goes over a character of the text, not the division alone.
std::optional<QTextCursor::MoveMode> StepBefore(const QKeyEvent* e, bool forward, bool selection) {
  using K = QKeySequence;
  if (e->matches(forward ? K::SelectNextChar : K::SelectPreviousChar)) return QTextCursor::KeepAnchor;
  if (!selection && e->matches(forward ? K::MoveToNextChar : K::MoveToPreviousChar)) return QTextCursor::MoveAnchor;
  return std::nullopt;
}

// The characters the document's own insertion of text makes separators of: LF, CR,
// U+2029, and U+FDD0 and U+FDD1, which it takes for frame edges.
bool MakesBlocks(QChar c) {
  return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

// Typed or composed text in the program's form (each of those a CR, a CRLF one) when it
// holds one: it then goes in as text set by code does, so that every separator of the
// document is one the editor put in, with the meaning it gave it.
std::optional<String> WithLineBreaks(const QString& text) {
  if (std::none_of(text.begin(), text.end(), MakesBlocks)) return std::nullopt;
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QLatin1String("\r"));
  for (QChar& c : lines) c = MakesBlocks(c) ? QChar(u'\r') : c;
  return FromQ(lines);
}

// Key text the toolkit's editor takes as typing: its first character printable, a
// format character, a private one or a tab, and no Ctrl without AltGr.
bool TypedText(const QKeyEvent* e) {
  const QString text = e->text();
  if (text.isEmpty()) return false;
  const QChar c = text.front();
  if (c.category() == QChar::Other_Format) return true;
  const Qt::KeyboardModifiers modifiers = e->modifiers();
  if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier)) return false;
  return c.isPrint() || c.category() == QChar::Other_PrivateUse || c == u'\t' ||
         (c.isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate());
}

// The characters the word keys stop at, as the toolkit's layout has them.
bool WordSeparator(char32_t c) {
  constexpr std::string_view kSeparators = ".,?!@#$:;-<>[](){}=/+%&^*'\"`~|\\";
  return c < 0x80 && kSeparators.find(static_cast<char>(c)) != std::string_view::npos;
}
bool Blank(char32_t c) { return c != U'\r' && QChar::isSpace(c); }  // a CR ends the line

// The start and end (bytes) of the line `byte` is in.
std::pair<size_t, size_t> LineAround(std::string_view text, size_t byte) {
  const size_t before = byte == 0 ? std::string_view::npos : text.rfind('\r', byte - 1);
  return {before == std::string_view::npos ? 0 : before + 1, std::min(text.find('\r', byte), text.size())};
}

// Where the line that `byte` is in ends, in UTF-16 units of the text, `units` being
// where `byte` is.
size_t LineEndUnits(std::string_view text, size_t byte, size_t units) {
  const size_t lineEnd = std::min(text.find('\r', byte), text.size());
  return units + utf8::Utf16Units(text.substr(byte, lineEnd - byte));
}

// True where the line that `byte` is in is laid out right to left by the toolkit's
// editor: its first character of a strong direction is of one, as the toolkit finds a
// block's direction.
bool RightToLeft(std::string_view text, size_t byte) {
  const auto [lineStart, lineEnd] = LineAround(text, byte);
  const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
  for (size_t k = 0; k < line.size(); k += utf8::CharLength(line, k)) {
    switch (QChar::direction(static_cast<char32_t>(utf8::Decode(line, k)))) {
      case QChar::DirL: return false;
      case QChar::DirR:
      case QChar::DirAL: return true;
      default: break;
    }
  }
  return false;
}

// True where the toolkit's finding of characters (grapheme clusters) starts afresh
// whatever came before: at an ASCII letter after an ASCII character, a character ends
// and a script begins.
bool FreshAt(std::string_view text, size_t k) {
  const auto c = static_cast<unsigned char>(text[k]);
  return ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') && static_cast<unsigned char>(text[k - 1]) < 0x80;
}

// The block before the division the cursor stands at, on either side of it; an invalid
// block where it stands at none.
QTextBlock BlockBeforeDivision(const QTextCursor& cursor) {
  const QTextBlock block = cursor.block();
  if (cursor.atBlockStart() && ContinuesLine(block)) return block.previous();
  if (cursor.atBlockEnd() && block.next().isValid() && ContinuesLine(block.next())) return block;
  return {};
}

// A key that goes by the lines on the screen (Up, Down, the page keys, End), with
// Shift or not, where it leaves the caret after the last character of a block before a
// division: the user sees the screen line end there as at a wrap, where the toolkit's
// editor never leaves the caret (that place is the next screen line's start). End goes
// before the blank the line wraps after, or else to the next screen line, the later
// block's start, as there; the others stay on the screen line they went to, before its
// last character, keeping their column.
void AsAtAWrap(QPlainTextEdit* editor, const QKeyEvent* e) {
  using K = QKeySequence;
  // (The place first: a typed key is seldom there, and telling the keys apart costs.)
  QTextCursor cursor = editor->textCursor();
  const QTextBlock next = cursor.block().next();
  if (!cursor.atBlockEnd() || cursor.atBlockStart() || !next.isValid() || !ContinuesLine(next)) return;
  if (!(editor->textInteractionFlags() & Qt::TextSelectableByKeyboard)) return;
  const bool end = MatchesAny(e, {K::MoveToEndOfLine, K::SelectEndOfLine});
  if (!end && !MatchesAny(e, {K::MoveToNextLine, K::MoveToPreviousLine, K::MoveToNextPage, K::MoveToPreviousPage,
                              K::SelectNextLine, K::SelectPreviousLine, K::SelectNextPage, K::SelectPreviousPage}))
    return;
  const QTextCursor::MoveMode mode =
      MatchesAny(e, {K::SelectEndOfLine, K::SelectNextLine, K::SelectPreviousLine, K::SelectNextPage,
                     K::SelectPreviousPage})
          ? QTextCursor::KeepAnchor
          : QTextCursor::MoveAnchor;
  const int column = cursor.verticalMovementX();
  if (end && !editor->document()->characterAt(cursor.position() - 1).isSpace()) {
    cursor.setPosition(next.position(), mode);
  } else {
    cursor.movePosition(QTextCursor::PreviousCharacter, mode);
    if (!end) cursor.setVerticalMovementX(column);
  }
  editor->setTextCursor(cursor);
}

// A walk through the text by code point, keeping its UTF-16 position.
struct Walk {
  std::string_view text;
  size_t byte;
  size_t units;
  bool AtEnd() const { return byte >= text.size(); }
  bool AtStart() const { return byte == 0; }
  char32_t Next() const { return utf8::Decode(text, byte); }
  char32_t Previous() const { return utf8::Decode(text, Before()); }
  size_t Before() const {
    size_t k = byte - 1;
    while (k > 0 && utf8::IsContinuation(text[k])) --k;
    return k;
  }
  void Forward() {
    units += Next() > 0xFFFF ? 2 : 1;
    byte += utf8::CharLength(text, byte);
  }
  void Back() {
    units -= Previous() > 0xFFFF ? 2 : 1;
    byte = Before();
  }
};

}  // namespace

size_t MultiLineEditor::WordAfter(size_t units) const {
  Walk w{text_, ByteOffset(units), units};
  if (w.AtEnd()) return units;
  if (w.Next() == U'\r') return units + 1;  // over the line break alone
  if (WordSeparator(w.Next())) {
    while (!w.AtEnd() && WordSeparator(w.Next())) w.Forward();
  } else {
    while (!w.AtEnd() && !Blank(w.Next()) && w.Next() != U'\r' && !WordSeparator(w.Next())) w.Forward();
  }
  while (!w.AtEnd() && Blank(w.Next())) w.Forward();
  return w.units;
}

size_t MultiLineEditor::WordBefore(size_t units) const {
  Walk w{text_, ByteOffset(units), units};
  if (w.AtStart()) return units;
  if (w.Previous() == U'\r') return units - 1;
  while (!w.AtStart() && Blank(w.Previous())) w.Back();
  if (!w.AtStart() && WordSeparator(w.Previous())) {
    while (!w.AtStart() && WordSeparator(w.Previous())) w.Back();
  } else {
    while (!w.AtStart() && !Blank(w.Previous()) && w.Previous() != U'\r' && !WordSeparator(w.Previous())) w.Back();
  }
  return w.units;
}

std::optional<size_t> MultiLineEditor::CharacterFrom(size_t units, bool forward) const {
  const std::string_view text(text_);
  const size_t byte = ByteOffset(units);
  if (forward ? byte == text.size() : byte == 0) return units;
  if (text[forward ? byte : byte - 1] == '\r') return forward ? units + 1 : units - 1;  // the line break alone
  // The characters as the toolkit's editor finds them over the whole line, from a
  // stretch of it where they come out the same: from and to where they start afresh.
  const auto [lineStart, lineEnd] = LineAround(text, byte);
  constexpr size_t kReach = 4 * kLongestBlock;  // bytes; past it, the toolkit's blocks are taken
  size_t from = forward ? byte : byte - 1;
  while (from > lineStart && !FreshAt(text, from))
    if (byte - --from > kReach) return std::nullopt;
  size_t to = forward ? byte + 1 : byte;
  while (to < lineEnd && !FreshAt(text, to))
    if (++to - byte > kReach) return std::nullopt;
  const std::string_view window = text.substr(from, to - from);
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, ToQ(window));
  const size_t offset = utf8::Utf16Units(text.substr(from, byte - from));
  finder.setPosition(static_cast<qsizetype>(offset));
  const qsizetype at = forward ? finder.toNextBoundary() : finder.toPreviousBoundary();
  return at < 0 ? std::nullopt : std::optional<size_t>(units - offset + static_cast<size_t>(at));
}

bool MultiLineEditor::CharacterKey(const QKeyEvent* e) {
  using K = QKeySequence;
  if (!(textInteractionFlags() & Qt::TextSelectableByKeyboard)) return false;
  const bool select = MatchesAny(e, {K::SelectNextChar, K::SelectPreviousChar});
  if (!select && !MatchesAny(e, {K::MoveToNextChar, K::MoveToPreviousChar})) return false;
  QTextCursor cursor = textCursor();
  const auto caret = static_cast<size_t>(TextPosition(cursor.position()));
  const auto anchor = static_cast<size_t>(TextPosition(cursor.anchor()));
  // Left and Right go by the line's direction.
  const bool forward = MatchesAny(e, {K::SelectNextChar, K::MoveToNextChar}) != RightToLeft(text_, ByteOffset(caret));
  size_t to = 0;
  if (!select && anchor != caret) {
    to = forward ? std::max(caret, anchor) : std::min(caret, anchor);  // to the selection's edge
  } else if (const std::optional<size_t> next = CharacterFrom(caret, forward)) {
    to = *next;
  } else {
    return false;
  }
  int position = DocumentPosition(static_cast<int>(to), false);
  if (InsidePair(document(), position)) ++position;  // never within a character (see RemovalKey)
  cursor.setPosition(position, select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
  setTextCursor(cursor);
  return true;
}

bool MultiLineEditor::WordOrLineKey(const QKeyEvent* e) {
  using K = QKeySequence;
  const Qt::TextInteractionFlags flags = textInteractionFlags();
  const bool keyboard = flags & Qt::TextSelectableByKeyboard;
  const bool editable = flags & Qt::TextEditable;
  enum class Act { Move, Select, Remove } act;
  bool forward = true;
  if (keyboard && MatchesAny(e, {K::MoveToNextWord, K::MoveToPreviousWord})) act = Act::Move;
  else if (keyboard && MatchesAny(e, {K::SelectNextWord, K::SelectPreviousWord})) act = Act::Select;
  else if (editable && MatchesAny(e, {K::DeleteEndOfWord, K::DeleteStartOfWord, K::DeleteEndOfLine})) act = Act::Remove;
  else return false;
  forward = !MatchesAny(e, {K::MoveToPreviousWord, K::SelectPreviousWord, K::DeleteStartOfWord});
  QTextCursor cursor = textCursor();
  const auto caret = static_cast<size_t>(TextPosition(cursor.position()));
  const auto anchor = static_cast<size_t>(TextPosition(cursor.anchor()));
  // Ctrl+Left and Right go by the line's direction.
  if (act != Act::Remove) forward = forward != RightToLeft(text_, ByteOffset(caret));
  if (e->matches(K::DeleteEndOfLine)) {
    // From the anchor to the end of the caret's line (a line, not a block of lines).
    const size_t to = LineEndUnits(text_, ByteOffset(caret), caret);
    if (anchor != to) RemoveText(anchor, to);
    return true;
  }
  const size_t to = forward ? WordAfter(caret) : WordBefore(caret);
  if (act == Act::Remove) {
    if (anchor != caret) return false;  // the selection goes, as the editor's own key removes it
    if (caret != to) RemoveText(caret, to);
    return true;
  }
  if (act == Act::Move) cursor.setPosition(DocumentPosition(static_cast<int>(to), false));
  else cursor.setPosition(DocumentPosition(static_cast<int>(to), to < anchor), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  return true;
}

void MultiLineEditor::RemoveText(size_t anchor, size_t caret) {
  QTextCursor cursor(document());
  // Divisions at either end stay: only those within go with the text.
  cursor.setPosition(DocumentPosition(static_cast<int>(anchor), anchor > caret));
  cursor.setPosition(DocumentPosition(static_cast<int>(caret), caret > anchor), QTextCursor::KeepAnchor);
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  MendDivisions(cursor);
  cursor.endEditBlock();
  setTextCursor(cursor);
}

void MultiLineEditor::StepOfItsOwn(size_t units) {
  QTextCursor step(document());
  step.setPosition(DocumentPosition(static_cast<int>(units), false));
  step.beginEditBlock();
  PutInAndTakeOut(document(), step.position());
  step.endEditBlock();
}

void MultiLineEditor::PlaceCursor(const QTextCursor& cursor) {
  // (Cursors compare by their positions alone.)
  const QTextCursor now = textCursor();
  if (now.position() != cursor.position() || now.anchor() != cursor.anchor()) setTextCursor(cursor);
}

bool MultiLineEditor::DivisionNeedsMending(const QTextCursor& cursor) const {
  const QTextBlock earlier = BlockBeforeDivision(cursor);
  if (!earlier.isValid()) return false;
  const QString before = earlier.text();
  const QString after = earlier.next().text();
  if (before.isEmpty() || after.isEmpty() || before.back() == QChar::LineSeparator ||
      after.front() == QChar::LineSeparator)
    return true;
  return LastClusterEnd(before + after.left(2), static_cast<int>(before.size())) != before.size();
}

void MultiLineEditor::MendDivisions(QTextCursor& cursor) {
  while (DivisionNeedsMending(cursor)) {
    const QTextBlock earlier = BlockBeforeDivision(cursor);
    QTextCursor division(document());
    division.setPosition(earlier.position() + earlier.length() - 1);
    division.deleteChar();
  }
}

bool MultiLineEditor::RemovalKey(QKeyEvent* e) {
  const bool backspace = (e->key() == Qt::Key_Backspace &&
                          !(e->modifiers() & ~(Qt::ShiftModifier | Qt::GroupSwitchModifier))) ||
                         e->matches(QKeySequence::Backspace);
  if (!backspace && !e->matches(QKeySequence::Delete)) return false;
  QTextCursor at = textCursor();
  const auto caret = static_cast<size_t>(TextPosition(at.position()));
  if (at.hasSelection()) return false;  // a selection: it goes
  StepOverDivisions(at, !backspace, QTextCursor::MoveAnchor);
  // What the key removes: a code point before the caret, a character as the user sees
  // it after, as the toolkit's editor finds them on the whole line (where the line is
  // too long to look at, as the toolkit's block has them). The toolkit may end a
  // character within a pair of UTF-16 units (it marks the clusters of some scripts
  // unit by unit, also past their end), but half a character is never removed.
  size_t from = caret, to = caret;
  if (backspace && caret > 0) {
    Walk w{text_, ByteOffset(caret), caret};
    w.Back();
    from = w.units;
  } else if (!backspace) {
    QTextCursor next = at;
    next.movePosition(QTextCursor::NextCharacter);
    to = CharacterFrom(caret, true).value_or(static_cast<size_t>(TextPosition(next.position())));
    if (InsidePair(document(), DocumentPosition(static_cast<int>(to), false))) ++to;
  }
  if (from == to) return true;  // at an end of the text: nothing
  QTextDocument* doc = document();
  if (text_[ByteOffset(from)] == '\r') {
    // A line break, which the toolkit's editor holds as a separator: its removal is a
    // step of its own, joined by none before or after. One held within a block is
    // removed as one by the editor.
    if (doc->characterAt(backspace ? at.position() - 1 : at.position()) == QChar::LineSeparator) {
      if (backspace) RemoveText(from, to);
      else RemoveText(to, from);
    } else {
      PlaceCursor(at);
      QPlainTextEdit::keyPressEvent(e);
    }
    return true;
  }
  // The editor removes the character itself, a step of the undo history as the
  // toolkit's editor makes it, whatever the divisions and however the document holds
  // the text: that editor joins one key's removal to the step of the row of removals
  // just before, by either key, where it goes on from where the row left off, on
  // either side, and what the two remove lies side by side in its store. A character
  // put in at several times it removes a step for each piece it holds apart, of which
  // only the first may join the row, and the second too where the row removed what
  // lay between them.
  const RemovalRow row = LastRow();
  const bool rowLast = row.undoSteps >= 0;
  const size_t split = backspace ? to : store_.FirstApart(from, to);
  const bool forward = rowLast && from == row.at && row.after;
  const bool backward = !forward && rowLast && split == row.at && row.before;
  // Where the pieces the row takes end.
  const size_t end = backward && row.after && split != to ? store_.FirstApart(split, to) : split;
  const bool after = HeldTogether(to);
  RemovalRow alone{from, split - from, 0, HeldTogether(from), HeldTogether(split)};
  RemovalRow joined = alone;
  if (forward) joined = {row.at, row.units + split - from, 0, row.before, alone.after};
  if (backward) joined = {from, row.units + end - from, 0, alone.before, end == split ? row.after : HeldTogether(end)};
  size_t taken = end;
  if (!(forward || backward) || !RemoveRowAgain(row.units, joined, backspace)) {
    if (backspace) RemoveText(from, split);
    else RemoveText(split, from);
    Remembered(alone);
    taken = split;
  }
  if (taken != to) RemoveRest(from, to - taken, after);
  return true;
}

void MultiLineEditor::Remembered(RemovalRow row) {
  row.undoSteps = document()->availableUndoSteps();
  while (!rows_.empty() && rows_.back().undoSteps >= row.undoSteps) rows_.pop_back();
  rows_.push_back(row);
}

MultiLineEditor::RemovalRow MultiLineEditor::LastRow() const {
  const int steps = document()->availableUndoSteps();
  const auto last =
      std::find_if(rows_.rbegin(), rows_.rend(), [steps](const RemovalRow& r) { return r.undoSteps <= steps; });
  return last != rows_.rend() && last->undoSteps == steps ? *last : RemovalRow{};
}

void MultiLineEditor::RemoveRest(size_t at, size_t units, bool after) {
  for (size_t left = units; left > 0;) {
    const size_t piece = store_.FirstApart(at, at + left) - at;
    RemoveText(at + piece, at);
    left -= piece;
    Remembered({at, piece, 0, false, left == 0 && after});
  }
}

bool MultiLineEditor::RemoveRowAgain(size_t restored, RemovalRow row, bool backspaceLast) {
  QTextDocument* doc = document();
  const size_t length = TextLength();
  quietRestore_ = true;
  doc->undo();
  const bool taken = TextLength() == length + restored;
  if (!taken) doc->redo();  // not the row's step after all: left as it was
  quietRestore_ = false;
  if (!taken) return false;
  if (backspaceLast) RemoveText(row.at, row.at + row.units);
  else RemoveText(row.at + row.units, row.at);
  Remembered(row);
  return true;
}

void MultiLineEditor::PlaceForInsertion(QTextCursor& cursor) const {
  // At the earlier block's end, what is typed joins the step of what was typed just
  // before it there, as in the toolkit's editor, where no division comes between. (A
  // character it makes with the first one of the later block is whole to the keys,
  // which go by the text.)
  if (cursor.hasSelection() || !cursor.atBlockStart() || !ContinuesLine(cursor.block())) return;
  cursor.setPosition(cursor.block().position() - 1);
}

void MultiLineEditor::keyPressEvent(QKeyEvent* e) {
  const bool editable = textInteractionFlags() & Qt::TextEditable;
  if (QTextCursor cursor = textCursor(); cursor.hasSelection() && !SelectionHoldsText()) {
    cursor.clearSelection();  // divisions alone are no text: nothing to cut or copy
    setTextCursor(cursor);
  }
  if (editable && e->matches(QKeySequence::InsertParagraphSeparator)) {
    // On an empty line the toolkit's editor first sets the format of the lines from
    // there to the selection's other end afresh, then that of the selection: steps of
    // the undo history of their own, which undo and redo leave with the caret after
    // those lines and at the selection's end. (The editor's own separator would take
    // the format of the character before.)
    const QTextCursor cursor = textCursor();
    const auto caret = static_cast<size_t>(TextPosition(cursor.position()));
    const auto [lineStart, lineEnd] = LineAround(text_, ByteOffset(caret));
    if (lineStart == lineEnd) {
      const auto last = static_cast<size_t>(TextPosition(cursor.selectionEnd()));
      const size_t end = LineEndUnits(text_, ByteOffset(last), last);
      StepOfItsOwn(std::min(end + 1, TextLength()));
      if (cursor.hasSelection()) StepOfItsOwn(last);
    }
    InsertText("\r");
    e->accept();
    return;
  }
  if (CharacterKey(e) || WordOrLineKey(e) || (editable && RemovalKey(e))) {
    // Up and Down go on from where these keys left the caret, also where they moved or
    // removed nothing, as in the toolkit's editor.
    QTextCursor cursor = textCursor();
    cursor.setVerticalMovementX(-1);
    setTextCursor(cursor);
    e->accept();
    return;
  }
  QTextCursor cursor = textCursor();
  const bool selection = cursor.hasSelection();
  for (bool forward : {false, true}) {
    if (const std::optional<QTextCursor::MoveMode> mode = StepBefore(e, forward, selection)) {
      StepOverDivisions(cursor, forward, *mode);
      setTextCursor(cursor);
    }
  }
  if (editable && TypedText(e) && !e->matches(QKeySequence::InsertLineSeparator)) {
    if (const std::optional<String> lines = WithLineBreaks(e->text())) {
      InsertText(*lines);
      e->accept();
      return;
    }
    if (selection && MeetsDivision(cursor)) {
      TypeOverDivision(e->text());
      e->accept();
      return;
    }
    PlaceForInsertion(cursor);
    PlaceCursor(cursor);
  }
  const quint64 edits = edits_;
  QPlainTextEdit::keyPressEvent(e);
  AsAtAWrap(this, e);
  // (Undo and redo put back divisions as they were, where a mend would be a step of
  // its own in the history.)
  if (selection && edits_ != edits && !MatchesAny(e, {QKeySequence::Undo, QKeySequence::Redo})) {
    // The selection went as one step: where it left the blocks of a line meeting as
    // the user would see them, their division goes in the same step.
    cursor = textCursor();
    if (DivisionNeedsMending(cursor)) {
      cursor.joinPreviousEditBlock();
      MendDivisions(cursor);
      cursor.endEditBlock();
      cursor.setVerticalMovementX(-1);  // Up and Down go on from where it is now
      setTextCursor(cursor);
    }
  }
  // Never within a character, where the toolkit's clusters may end (see RemovalKey).
  cursor = textCursor();
  if (InsidePair(document(), cursor.position())) {
    const QTextCursor::MoveMode mode = cursor.hasSelection() ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    cursor.setPosition(cursor.position() + 1, mode);
    setTextCursor(cursor);
  }
}

void MultiLineEditor::inputMethodEvent(QInputMethodEvent* e) {
  composing_ = !e->preeditString().isEmpty();
  if (const QTextCursor selected = textCursor(); selected.hasSelection()) {
    const auto [from, length] =
        ReplacementAsEditorsCount(e->replacementStart(), e->replacementLength(), TextPosition(selected.position()),
                                  TextPosition(selected.selectionStart()), TextPosition(selected.selectionEnd()));
    // A range within the selection is the selection to the editor, which takes it away
    // only for an event that puts something in.
    const bool editable = textInteractionFlags() & Qt::TextEditable;
    if (editable && length == 0 && e->replacementLength() > 0 && e->commitString().isEmpty() &&
        e->preeditString().isEmpty())
      RemoveText(static_cast<size_t>(TextPosition(selected.selectionStart())),
                 static_cast<size_t>(TextPosition(selected.selectionEnd())));
    e->setCommitString(e->commitString(), from, length);
  }
  if (const std::optional<String> lines = WithLineBreaks(e->commitString())) {
    if (e->replacementLength() == 0 && e->replacementStart() == 0) {
      // The commit as text set by code, then what is being composed after it.
      InsertText(*lines);
      QInputMethodEvent rest(e->preeditString(), e->attributes());
      QPlainTextEdit::inputMethodEvent(&rest);
    } else {
      // One that replaces text around the caret goes in as the toolkit's, its line
      // breaks held within a block.
      QString within = ToQ(*lines);
      within.replace(u'\r', QChar::LineSeparator);
      const auto [from, length] = ReplacedRange(e->replacementStart(), e->replacementLength());
      QInputMethodEvent taken(e->preeditString(), e->attributes());
      taken.setCommitString(within, from, length);
      QPlainTextEdit::inputMethodEvent(&taken);
    }
    e->accept();
    return;
  }
  if (e->replacementStart() != 0 || e->replacementLength() != 0) {
    const auto [from, length] = ReplacedRange(e->replacementStart(), e->replacementLength());
    QInputMethodEvent taken(e->preeditString(), e->attributes());
    taken.setCommitString(e->commitString(), from, length);
    QPlainTextEdit::inputMethodEvent(&taken);
    e->accept();
    return;
  }
  QTextCursor cursor = textCursor();
  PlaceForInsertion(cursor);
  PlaceCursor(cursor);
  // The toolkit reports the whole block a commit goes in, its look changed with it.
  if (!e->commitString().isEmpty())
    insertion_ = InsertionAt(cursor, static_cast<size_t>(e->commitString().size()), false);
  QPlainTextEdit::inputMethodEvent(e);
  insertion_.reset();
}

void MultiLineEditor::CommitLeftComposition() {
  if (!composing_) return;
  composing_ = false;
  // Keys typed after the method went may have taken the caret to another block; the
  // composition stays shown in the one it began in.
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    QTextLayout* layout = block.layout();
    if (!layout || layout->preeditAreaText().isEmpty()) continue;
    const QString composed = layout->preeditAreaText();
    layout->setPreeditArea(-1, QString());
    document()->markContentsDirty(block.position(), block.length());
    QInputMethodEvent commit;
    commit.setCommitString(composed);
    inputMethodEvent(&commit);
    return;
  }
}

std::pair<int, int> MultiLineEditor::ReplacedRange(int from, int length) const {
  // The toolkit removes the selection first and counts from where that leaves the caret.
  const QTextCursor cursor = textCursor();
  const int caret = cursor.selectionStart();
  const int selected = cursor.selectionEnd() - caret;
  const int textCaret = TextPosition(caret);
  const int textSelected = TextPosition(cursor.selectionEnd()) - textCaret;
  // A text position once the selection is gone, in the document as it is then. The
  // caret's own stays: it goes on after what goes in there, as in the toolkit's editor.
  const auto documentAt = [&](int at, bool preferEarlier) {
    if (at == textCaret) return caret;
    if (at < textCaret) return DocumentPosition(at, preferEarlier);
    return DocumentPosition(at + textSelected, preferEarlier) - selected;
  };
  const int textLength = static_cast<int>(TextLength()) - textSelected;
  // An end the toolkit cannot place, outside the text, stays where the one before it is.
  const auto placed = [textLength](int at, int otherwise) { return at < 0 || at > textLength ? otherwise : at; };
  const int first = placed(textCaret + from, textCaret);
  const int last = placed(first + length, first);
  const int start = std::min(first, last), end = std::max(first, last);
  // Divisions at its ends stay, but for one at the caret, and what goes in where nothing
  // goes goes at the end of the earlier block, as typing does.
  const int documentStart = documentAt(start, end == start);
  const int documentEnd = end == start ? documentStart : documentAt(end, true);
  return {documentStart - caret, documentEnd - documentStart};
}

}  // namespace fw
