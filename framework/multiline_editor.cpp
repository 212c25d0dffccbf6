// The multi-line field's editor: the program's text kept beside the document, which
// holds it in blocks of bounded length.
#include "framework/multiline_editor_qt.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>

#include "framework/application_qt.h"
#include "framework/multiline_divisions_qt.h"
#include "framework/text_qt.h"
#include "framework/utf8.h"

namespace fw {

namespace {

constexpr size_t kLongestBlock = MultiLineEditor::kLongestBlock;

// Where the blocks of a text go on: the byte the next block starts at, and whether the
// separator before it is a division.
struct NextBlock {
  size_t start = 0;
  bool continuesLine = false;
};

// --- Blocks --------------------------------------------------------------------------

// Where a block of a line too long for one, starting at `start` (where a character the
// user sees ends), ends: where such a character ends too (a grapheme cluster, as the
// toolkit finds them), after a blank in the last quarter where it can, so that the
// division falls where the line would wrap anyway. A cluster longer than a block (a run
// of thousands of marks) is divided at a code point all the same: a block of a
// character each would cost the toolkit far more than a mark shown apart.
size_t DivisionAfter(std::string_view line, size_t start) {
  const size_t end = start + kLongestBlock;
  const size_t lastQuarter = end - kLongestBlock / 4;
  const auto after = [&](char blank) -> size_t {  // after the last one in the last quarter, 0 for none
    const void* at = memrchr(line.data() + lastQuarter, blank, end - lastQuarter);
    return at ? static_cast<size_t>(static_cast<const char*>(at) - line.data()) + 1 : 0;
  };
  size_t at = std::max(after(' '), after('\t'));
  if (at == 0) at = end;
  while (utf8::IsContinuation(line[at])) --at;  // to a character's first byte
  // Between two ASCII characters a cluster always ends; elsewhere the clusters are
  // found from the last such place before, or from the block's start.
  const auto asciiPair = [line](size_t k) {
    return static_cast<unsigned char>(line[k - 1]) < 0x80 && static_cast<unsigned char>(line[k]) < 0x80;
  };
  if (asciiPair(at)) return at;
  size_t from = at;
  while (from > start && !asciiPair(from)) --from;
  const std::string_view window = line.substr(from, at + utf8::CharLength(line, at) - from);
  const int before = LastClusterEnd(ToQ(window), static_cast<int>(utf8::Utf16Units(window.substr(0, at - from))));
  if (before > 0 || from > start) return from + utf8::AfterUtf16Units(window, static_cast<size_t>(before));
  return at;
}

// The blocks that hold lines with CR breaks: each(piece, continuesLine) in order, from
// the block `from` names on. A line longer than kLongestBlock gives several blocks;
// `grouped`, a block takes as many whole lines as fit in kLongestBlock, and a piece
// then holds CRs between them. each() answers false to stop: the answer is then the
// block that would have come next, none when the text ended.
template <class Each>
std::optional<NextBlock> ForEachBlock(std::string_view lines, bool grouped, NextBlock from, Each each) {
  const auto lineEndAfter = [lines](size_t end) {  // the end of the line after the one ending at `end`
    return end < lines.size() ? std::min(lines.find('\r', end + 1), lines.size()) : end;
  };
  size_t next = std::min(lines.find('\r', from.start), lines.size());  // the end of the line the block starts in
  bool continuesLine = from.continuesLine;
  for (size_t start = from.start;;) {
    const size_t limit = start + kLongestBlock;
    size_t end = 0;
    bool divided = next > limit;
    if (divided) {
      end = DivisionAfter(lines, start);
    } else {
      end = next;
      next = lineEndAfter(end);
      // A text's last line break, where it ends in one, is a separator of its own as
      // the toolkit's own insertion makes it: what is typed after it is a step apart.
      while (grouped && end + 1 < lines.size() && next <= limit) {
        end = next;
        next = lineEndAfter(end);
      }
    }
    const bool goOn = each(lines.substr(start, end - start), continuesLine);
    if (!divided && end == lines.size()) return std::nullopt;
    start = divided ? end : end + 1;
    continuesLine = divided;
    if (!goOn) return NextBlock{start, continuesLine};
  }
}

// Inserts lines with CR breaks at the cursor, replacing its selection, as one step of
// the undo history, from the block `from` names on (a block after the first goes in
// after a separator); `beforeSecond` runs once the first block's text is in, when a
// second block follows. The lines are made the toolkit's text a block at a time: the
// whole of a long text never is at once. With `upTo`, the insertion stops after the
// block that reaches that byte of the text: the answer is the block that comes next.
template <class BeforeSecond>
std::optional<NextBlock> InsertBlocks(QTextCursor& cursor, std::string_view lines, NextBlock from,
                                      BeforeSecond beforeSecond, size_t upTo = std::string_view::npos) {
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  // Every character and separator gets the format meant for it: in an empty block the
  // cursor's own is that of the separator before, which may be a division.
  QTextCharFormat plain = cursor.charFormat();
  plain.clearProperty(kDivision);
  QTextCharFormat division = plain;
  division.setProperty(kDivision, true);
  const QTextBlockFormat blockFormat = cursor.blockFormat();
  int blocks = from.start > 0 ? 1 : 0;
  const bool grouped = lines.size() > MultiLineEditor::kGroupedAbove;
  const std::optional<NextBlock> rest =
      ForEachBlock(lines, grouped, from, [&](std::string_view piece, bool continuesLine) {
        if (++blocks == 2) beforeSecond();
        if (blocks > 1) cursor.insertBlock(blockFormat, continuesLine ? division : plain);
        QString text = ToQ(piece);
        if (piece.find('\r') != std::string_view::npos)
          for (QChar& c : text) c = c == u'\r' ? QChar(QChar::LineSeparator) : c;
        cursor.insertText(text, plain);
        return static_cast<size_t>(piece.data() - lines.data()) + piece.size() < upTo;
      });
  cursor.endEditBlock();
  return rest;
}

// With the cursor at a division, where text goes in: the division goes, the cursor
// between the two blocks joined. Left, it might need mending once the text is in (an
// empty block beside a new line break, a line of its own on the screen; a character
// made across it), and the mend would end the step of the undo history, which a key
// typed next then would not join as in the toolkit's own editor.
void JoinAtDivision(QTextCursor& cursor) {
  for (;;) {
    const QTextBlock block = cursor.block();
    if (cursor.atBlockStart() && ContinuesLine(block)) cursor.setPosition(block.position() - 1);
    else if (cursor.atBlockEnd() && block.next().isValid() && ContinuesLine(block.next())) cursor.deleteChar();
    else return;
  }
}

// Where the document's second line starts (its end, when it has one line).
int StartOfSecondLine(const QTextDocument* doc) {
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    if (const qsizetype within = b.text().indexOf(QChar::LineSeparator); within >= 0)
      return b.position() + static_cast<int>(within) + 1;
    if (!b.next().isValid() || !ContinuesLine(b.next()))
      return std::min(b.position() + b.length(), doc->characterCount() - 1);
  }
  return 0;
}

// True for lines the document holds as they are: a block each, none divided.
bool HeldAsItIs(std::string_view lines) {
  if (lines.size() > MultiLineEditor::kGroupedAbove) return false;
  for (size_t start = 0; start <= lines.size();) {
    const size_t end = std::min(lines.find('\r', start), lines.size());
    if (end - start > kLongestBlock) return false;
    start = end + 1;
  }
  return true;
}

// True for what the user does in the field or its scroll bars: it acts on the whole
// text, so the rest of a long one goes in first.
bool NeedsWholeText(const QEvent* e) {
  switch (e->type()) {
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return e->isInputEvent();
  }
}

}  // namespace

MultiLineEditor::MultiLineEditor() {
  QObject::connect(document(), &QTextDocument::contentsChange,
                   [this](int position, int removed, int added) { TakeInChange(position, removed, added); });
  // (Before the change is reported.)
  QObject::connect(document(), &QTextDocument::undoCommandAdded, [this] { stepAdded_ = true; });
  verticalScrollBar()->installEventFilter(this);
  horizontalScrollBar()->installEventFilter(this);
  QAccessible::installActivationObserver(this);
  FindDivisions();
}

MultiLineEditor::~MultiLineEditor() { QAccessible::removeActivationObserver(this); }

void MultiLineEditor::SetText(const String& text) {
  // Other text set by code ends what the user was composing here, as the one-line
  // editor does: the input method would go on with it, and commit it, into the new text
  // (the note of the day the field shows next). The same text shown again keeps it.
  String shown = AsShown(text);
  if (hasFocus() && shown != text_) QGuiApplication::inputMethod()->reset();
  text_ = std::move(shown);
  restBytes_ = 0;
  FillQuietly([this] {
    QTextDocument* doc = document();
    // The document's own setting, not the editor's, which would go over the whole text
    // once more for its character format (a second per line, for a note of a few
    // hundred thousand lines).
    doc->setPlainText(QString());  // the undo history starts afresh
    // The caret goes to the start once the first block is in, and the rest goes in
    // behind it: placing the caret at the far end, the editor would lay out every block
    // on its way there. The edit of the first block is ended (the block laid out) before
    // the caret is placed: placing it within an open edit, the editor would read lines
    // of the block's old layout, which are gone.
    QTextCursor cursor(doc);
    const auto caretToStart = [&] {
      if (textCursor().position() > 0) setTextCursor(QTextCursor(doc));
    };
    const std::optional<NextBlock> rest = InsertBlocks(
        cursor, text_, {},
        [&] {
          cursor.endEditBlock();
          caretToStart();
          cursor.beginEditBlock();
        },
        QAccessible::isActive() ? std::string_view::npos : kShownAtOnce);
    setTextCursor(QTextCursor(doc));  // also when the first block was empty; a fresh column
    if (rest) {
      // Bytes of the text the document does not hold: with a line break before them,
      // the CR, which the next separator stands for.
      restBytes_ = text_.size() - rest->start + (rest->continuesLine ? 0 : 1);
      restContinuesLine_ = rest->continuesLine;
    }
  });
}

void MultiLineEditor::InsertRest() {
  if (restBytes_ == 0) return;
  const NextBlock from{text_.size() - restBytes_ + (restContinuesLine_ ? 0 : 1), restContinuesLine_};
  restBytes_ = 0;
  // Nothing to take back yet: any edit would have put the rest in first.
  FillQuietly([&] {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    InsertBlocks(cursor, text_, from, [] {});
  });
  // A caret that code put at the end (the window giving the field the keyboard) has
  // gone on with the rest to the text's end: the field shows it there, not where the
  // start ended.
  if (textCursor().atEnd()) ensureCursorVisible();
}

void MultiLineEditor::FillQuietly(const std::function<void()>& fill) {
  QTextDocument* doc = document();
  settingText_ = true;
  const bool undo = doc->isUndoRedoEnabled();
  doc->setUndoRedoEnabled(false);
  fill();
  doc->setUndoRedoEnabled(undo);
  settingText_ = false;
  FindDivisions();
  // The toolkit's own editor puts the separators of a text set after all of its lines.
  store_.Reset(TextLength(), text_.find('\r') != String::npos);
  undoSteps_ = doc->availableUndoSteps();
  redoSteps_ = 0;
  stepAdded_ = false;
  rows_.clear();
  known_ = {};
}

void MultiLineEditor::accessibilityActiveChanged(bool active) {
  if (active) InsertRest();
}

void MultiLineEditor::paintEvent(QPaintEvent* e) {
  QPlainTextEdit::paintEvent(e);
  // The rest of a long text goes in once what the field shows of it is on the screen,
  // after the events already waiting: the window is up before the whole note is in.
  if (restBytes_ > 0) QTimer::singleShot(0, this, [this] { InsertRest(); });
}

bool MultiLineEditor::event(QEvent* e) {
  if (NeedsWholeText(e)) InsertRest();
  return QPlainTextEdit::event(e);
}

bool MultiLineEditor::viewportEvent(QEvent* e) {
  if (NeedsWholeText(e)) InsertRest();
  return QPlainTextEdit::viewportEvent(e);
}

bool MultiLineEditor::eventFilter(QObject* watched, QEvent* e) {
  if (NeedsWholeText(e)) InsertRest();  // the scroll bars'
  return QPlainTextEdit::eventFilter(watched, e);
}

void MultiLineEditor::FindDivisions() {
  divisions_.clear();
  for (QTextBlock b = document()->begin().next(); b.isValid(); b = b.next())
    if (ContinuesLine(b)) divisions_.push_back(b.position() - 1);
  documentLength_ = document()->characterCount();
}

int MultiLineEditor::TakeInDivisions(int position, int removed, int added) {
  const QTextDocument* doc = document();
  if (doc->characterCount() - documentLength_ != added - removed) {  // a change misreported: all read again
    FindDivisions();
    return -1;
  }
  documentLength_ = doc->characterCount();
  const auto from = std::lower_bound(divisions_.begin(), divisions_.end(), position);
  const auto to = std::lower_bound(from, divisions_.end(), position + removed);
  for (auto later = to; later != divisions_.end(); ++later) *later += added - removed;
  std::vector<int> made;
  for (QTextBlock b = doc->findBlock(position).next(); b.isValid() && b.position() <= position + added; b = b.next())
    if (ContinuesLine(b)) made.push_back(b.position() - 1);
  const auto gone = static_cast<int>(to - from);
  divisions_.insert(divisions_.erase(from, to), made.begin(), made.end());
  return gone;
}

bool MultiLineEditor::Restoring() {
  // Undo takes steps off the document's history and redo puts them back, adding none:
  // an edit adds one, or goes on with the last.
  const QTextDocument* doc = document();
  const int undo = doc->availableUndoSteps();
  const bool restoring = !stepAdded_ && undo != undoSteps_;
  undoSteps_ = undo;
  // (The document counts one step to redo fewer than there are.)
  redoSteps_ = doc->isRedoAvailable() ? doc->availableRedoSteps() + 1 : 0;
  stepAdded_ = false;
  return restoring;
}

int MultiLineEditor::DivisionsBefore(int documentPosition) const {
  return static_cast<int>(std::lower_bound(divisions_.begin(), divisions_.end(), documentPosition) -
                          divisions_.begin());
}

void MultiLineEditor::TakeInChange(int position, int removed, int added) {
  ++changes_;
  if (settingText_) return;
  const size_t length = TextLength();  // before the change
  const int divisionsGone = TakeInDivisions(position, removed, added);
  const int undoBefore = undoSteps_;
  const int redoBefore = redoSteps_;
  const QTextDocument* doc = document();
  // A change the undo history took in: an edit, also one that put in what it removed.
  const bool stepped = stepAdded_ || doc->availableUndoSteps() != undoBefore;
  const bool restoring = Restoring();
  if (restoring) store_.Restore(undoSteps_, TextLength());
  // A new step of the undo history drops the steps undone, and the rows of removals
  // among them.
  if (!restoring && redoSteps_ < redoBefore)
    while (!rows_.empty() && rows_.back().undoSteps > undoBefore) rows_.pop_back();
  const int documentEnd = doc->characterCount() - 1;  // before the document's own last separator
  // The blocks the change touched, whole: the text before and after them is as it was.
  const QTextBlock first = doc->findBlock(std::clamp(position, 0, documentEnd));
  const QTextBlock last = doc->findBlock(std::clamp(position + added, 0, documentEnd));
  const int from = first.position();
  const int to = last.position() + last.length() - 1;
  const auto divisions = static_cast<int>(divisions_.size());
  const auto before = static_cast<size_t>(from - DivisionsBefore(from));  // UTF-16 units of the text
  const auto after = static_cast<size_t>(documentEnd - to - (divisions - DivisionsBefore(to)));
  String inserted;
  size_t start = 0;
  size_t end = text_.size() - restBytes_;  // the rest of a long text is not in the document yet
  if (before + after <= length) {
    inserted = FromQ(TextBetween(from, to));
    start = ByteOffset(before);
    end = start + utf8::AfterUtf16Units(std::string_view(text_).substr(start), length - before - after);
    known_ = {before, start};
  } else {  // a change the document misreported: the whole text is read again
    inserted = FromQ(TextBetween(0, documentEnd));
    known_ = {};
  }
  if (text_.compare(start, end - start, inserted) != 0) {
    if (!quietRestore_) lastEdit_ = {start, text_.substr(start, end - start), inserted.size()};
    text_.replace(start, end - start, inserted);
    if (!quietRestore_) ++edits_;
  } else if (!stepped || removed <= divisionsGone) {
    return;  // only its look changed, or a division alone went
  }
  // (Text replaced by the same text is no change to it, but the toolkit's editor holds
  // what went in elsewhere.)
  if (restoring) return;
  if (divisionsGone < 0) {
    store_.Reset(TextLength(), true);
  } else if (insertion_) {
    store_.Edit(insertion_->at, insertion_->removed, insertion_->added, insertion_->apart, undoSteps_);
  } else {  // in the text, without the divisions the change removed or made, nor the
            // document's own last separator, which a change of a whole block may take in
    const auto at = static_cast<size_t>(TextPosition(position));
    const size_t gone = std::min(static_cast<size_t>(removed - divisionsGone), length - std::min(at, length));
    store_.Edit(at, gone, gone + TextLength() - length, false, undoSteps_);
  }
  if (store_.Length() != TextLength()) store_.Reset(TextLength(), true);
}

size_t MultiLineEditor::ByteOffset(size_t units) const {
  const Place from = units >= known_.units ? known_ : Place{};
  return from.bytes + utf8::AfterUtf16Units(std::string_view(text_).substr(from.bytes), units - from.units);
}

String MultiLineEditor::TextBeforeLastEdit() const {
  return String(text_).replace(lastEdit_.start, lastEdit_.added, lastEdit_.removed);
}

void MultiLineEditor::InsertText(const String& text, bool pasted) {
  InsertRest();
  QTextCursor cursor = textCursor();
  const String lines = AsShown(text);
  PlaceForInsertion(cursor);
  const quint64 changes = changes_;
  // The toolkit's own paste at the document's start, of a text whose first line is not
  // empty, sets the first block's format again, after which undo leaves the caret at
  // the start of the second line.
  const bool atStart = pasted && cursor.selectionStart() == 0 && !lines.empty() && lines.front() != '\r';
  // One step, begun where the toolkit's paste begins its own: where its first change is.
  QTextCursor step(document());
  step.setPosition(!pasted                 ? cursor.position()
                   : cursor.hasSelection() ? cursor.selectionStart()
                   : atStart               ? StartOfSecondLine(document())
                                           : cursor.position());
  // The toolkit's insertion of typed text keeps its separators after all of the text,
  // so that what is typed next is a step of its own.
  const bool apart = !pasted && lines.find('\r') != String::npos;
  insertion_ = InsertionAt(cursor, utf8::Utf16Units(lines), apart);
  step.beginEditBlock();
  QTextCharFormat plain = cursor.charFormat();  // as the toolkit's insertion takes it
  plain.clearProperty(kDivision);
  cursor.removeSelectedText();
  if (!lines.empty()) JoinAtDivision(cursor);
  if (!pasted && HeldAsItIs(lines)) {
    // The toolkit's own insertion, which makes the separators after all of the text:
    // what is typed next after a line break is a step of its own.
    cursor.insertText(ToQ(lines).replace(u'\r', u'\n'), plain);
  } else {
    if (atStart) PutInAndTakeOut(document(), StartOfSecondLine(document()));
    InsertBlocks(cursor, lines, {}, [] {});
    if (apart) PutInAndTakeOut(document(), cursor.position());
  }
  MendDivisions(cursor);
  step.endEditBlock();
  insertion_.reset();
  // Within an edit of the document opened by another (a drop inside the field removes
  // the dragged text and puts it in as one edit) the layout is redone only at the
  // edit's end: placing or showing the cursor before then reads lines that are gone.
  // The editor's own cursor went along to the end of what went in, and the drop shows
  // it when it is done.
  if (changes_ == changes) return;
  cursor.setPosition(cursor.position());  // Up and Down go from where it ends, as after typing
  setTextCursor(cursor);
  ensureCursorVisible();
}

void MultiLineEditor::TypeOverDivision(const QString& text) {
  QTextCursor cursor = textCursor();
  const QTextCharFormat format = cursor.charFormat();  // as the toolkit's insertion takes it
  // One step, begun where its first change is, as the toolkit's own.
  QTextCursor step(document());
  step.setPosition(cursor.selectionStart());
  step.beginEditBlock();
  cursor.removeSelectedText();
  JoinAtDivision(cursor);
  cursor.insertText(text, format);
  step.endEditBlock();
  setTextCursor(cursor);
  ensureCursorVisible();
}

bool MultiLineEditor::MeetsDivision(const QTextCursor& selection) const {
  return std::binary_search(divisions_.begin(), divisions_.end(), selection.selectionStart() - 1) ||
         std::binary_search(divisions_.begin(), divisions_.end(), selection.selectionEnd());
}

MultiLineEditor::Insertion MultiLineEditor::InsertionAt(const QTextCursor& cursor, size_t units, bool apart) const {
  const auto from = static_cast<size_t>(TextPosition(cursor.selectionStart()));
  return {from, static_cast<size_t>(TextPosition(cursor.selectionEnd())) - from, units, apart};
}

int MultiLineEditor::SelectionStart() const { return CharactersBefore(textCursor().selectionStart()); }
int MultiLineEditor::SelectionEnd() const { return CharactersBefore(textCursor().selectionEnd()); }

bool MultiLineEditor::SelectionHoldsText() const {
  const QTextCursor cursor = textCursor();
  return TextPosition(cursor.selectionStart()) != TextPosition(cursor.selectionEnd());
}

void MultiLineEditor::Select(int start, int end) {
  InsertRest();
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
  return documentPosition - DivisionsBefore(documentPosition);
}

int MultiLineEditor::DocumentPosition(int textPosition, bool preferEarlier) const {
  // The divisions before it: the i-th (from 0) stands at text position divisions_[i] - i,
  // which grows with i.
  size_t low = 0;
  size_t high = divisions_.size();
  while (low < high) {
    const size_t middle = (low + high) / 2;
    const int at = divisions_[middle] - static_cast<int>(middle);
    if (at < textPosition || (at == textPosition && !preferEarlier)) low = middle + 1;
    else high = middle;
  }
  return textPosition + static_cast<int>(low);
}

int MultiLineEditor::CharactersBefore(int documentPosition) const {
  const size_t units = static_cast<size_t>(TextPosition(documentPosition));
  return static_cast<int>(utf8::CountChars(text_, 0, ByteOffset(units)));
}

void MultiLineEditor::mouseMoveEvent(QMouseEvent* e) {
  const quint64 drags = drags_;
  QPlainTextEdit::mouseMoveEvent(e);
  if (drags_ == drags) return;
  // The release that ended the drag went to the drag. Not told of it, the toolkit's
  // editor would go on as if the button were held: with the pointer outside, it would
  // scroll at every step of a timer of its own and begin the drag again, which then
  // takes every click and key. It hears of a release of no button, which leaves the
  // caret and the selection as the drag left them.
  QMouseEvent release(QEvent::MouseButtonRelease, e->position(), e->globalPosition(), Qt::NoButton,
                      Qt::NoButton, e->modifiers());
  QPlainTextEdit::mouseReleaseEvent(&release);
}

QMimeData* MultiLineEditor::createMimeDataFromSelection() const {
  ++drags_;  // a copy too, but that never comes within a move of the mouse
  const QTextCursor cursor = textCursor();
  auto* data = new QMimeData;
  data->setText(TextBetween(cursor.selectionStart(), cursor.selectionEnd()).replace(u'\r', u'\n'));
  return data;
}

bool MultiLineEditor::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

void MultiLineEditor::insertFromMimeData(const QMimeData* source) {
  // An empty text leaves the selection, as the toolkit's own editor does.
  if (!isReadOnly() && source->hasText() && !source->text().isEmpty()) InsertText(FromQ(source->text()), true);
}

namespace internal {

void CommitCompositions() {
  // A method that is there commits its own and starts afresh, so nothing goes in twice.
  // Only while a field has the focus: asked with none, as on a Wayland desktop without
  // a keyboard, the toolkit's Wayland plugin crashed.
  if (QGuiApplication::focusObject()) QGuiApplication::inputMethod()->commit();
  for (QWidget* widget : QApplication::allWidgets())
    if (auto* editor = dynamic_cast<MultiLineEditor*>(widget)) editor->CommitLeftComposition();
}

}  // namespace internal

}  // namespace fw
