#pragma once
// The editor of a multi-line field. It keeps the text in the program's form (UTF-8, CR
// between lines) beside its document and mends it from each change the document
// reports: reading the text costs nothing, a key costs the blocks it touched, and the
// text comes back exactly as it went in (the toolkit's own plain-text export turns a
// no-break space into a space); only line breaks (LF, CRLF, U+2028, U+2029) come back
// as CR.
//
// The toolkit lays out a whole block again at every change to it, and a block of
// megabytes takes seconds (minutes when it has no break opportunity); it also pays for
// every block it holds, a second for a few hundred thousand. So a block holds at most
// kLongestBlock bytes of the text: a longer line is held as several blocks, the
// separator between two of them a division, no part of the text, marked in its own
// character format; and a long text holds its lines several to a block, separated by
// U+2028, a line break within a block, which the layout treats as any other. Every
// other separator is a CR. Every position given or taken counts in the text. A
// division is put between two characters as the user sees them (grapheme clusters),
// and the keys answer as the toolkit's own editor does on the text itself: those that
// move over or remove a character go by the characters of the whole line (so also
// where typing beside a division made one across it), the word keys go by the text (a
// line break within a block is the line break it stands for), Up and Down start from a
// fresh column after an insertion, and one step of the undo history is one step there
// too.
#include <QAccessible>
#include <QPlainTextEdit>
#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "framework/multiline_store_order.h"
#include "framework/text.h"

namespace fw {

class MultiLineEditor : public QPlainTextEdit, private QAccessible::ActivationObserver {
 public:
  // Bytes of the text, so at most as many characters: laid out again at a key in well
  // under a millisecond, even without a break opportunity.
  static constexpr size_t kLongestBlock = 2048;
  // A text longer than this (bytes) holds its lines several to a block.
  static constexpr size_t kGroupedAbove = 64 * 1024;
  // Bytes of a text the document takes at once, far more than a screen shows; the rest
  // of a longer one goes in once the field has been painted, or before anything acts on
  // the whole text: the user in the field or its scroll bars, a selection or an
  // insertion. An assistive technology reads and edits the document directly, so
  // while one is on, the whole text goes in at once.
  static constexpr size_t kShownAtOnce = 256 * 1024;

  MultiLineEditor();
  ~MultiLineEditor() override;

  // Replaces the text (line breaks of any kind; bytes that are not UTF-8 are read as the
  // toolkit reads them); the caret goes to the start and the undo history starts afresh.
  void SetText(const String& text);
  const String& Text() const { return text_; }
  // How many times the text has changed since the editor was made (SetText, and a
  // change to the look of the text alone, are none).
  quint64 Edits() const { return edits_; }
  // The text as it was before the last of those changes.
  String TextBeforeLastEdit() const;
  // Replaces the selection, as one step of the undo history: as the toolkit's editor
  // inserts typed text or, `pasted`, a paste (what is typed next may join the step of a
  // paste ending in a character, as in the toolkit's own editor).
  void InsertText(const String& text, bool pasted = false);

  // The selection in characters (code points) of the text.
  int SelectionStart() const;
  int SelectionEnd() const;
  // The selection holds a character of the text, not only where a long line divides.
  bool SelectionHoldsText() const;
  void Select(int start, int end);
  String SelectedText() const;
  // What an input method left composed and never committed, its daemon gone mid-word
  // (the toolkit's plugin then neither commits nor takes it away), goes in at the
  // caret, as the method's own commit puts it.
  void CommitLeftComposition();

 protected:
  bool event(QEvent* e) override;
  bool viewportEvent(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  QMimeData* createMimeDataFromSelection() const override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // Left and Right, with Shift or not, over the characters the user sees (grapheme
  // clusters) as the toolkit's editor finds them on the whole line; false for another
  // key, or where the line is too long to look at around the caret for them.
  bool CharacterKey(const QKeyEvent* e);
  // Where those keys go from `units` (a text position, UTF-16 units); nothing where
  // the line is too long to find out.
  std::optional<size_t> CharacterFrom(size_t units, bool forward) const;
  // The word keys (moving, selecting, removing) and Ctrl+K on the text, where the
  // divisions are not and each line break ends a line; false for another key.
  bool WordOrLineKey(const QKeyEvent* e);
  // Where the word keys go from `units` (a text position, UTF-16 units).
  size_t WordAfter(size_t units) const;
  size_t WordBefore(size_t units) const;
  // Delete and Backspace without a selection, each removal a step of the undo history
  // or part of one as in the toolkit's own editor; false for another key, or with a
  // selection, which the toolkit removes as that editor does.
  bool RemovalKey(QKeyEvent* e);
  // Removes the text between two positions as one step of the undo history, selected
  // from `anchor` to `caret` as the toolkit's editor would select it.
  void RemoveText(size_t anchor, size_t caret);
  // A step of the undo history that changes nothing but leaves the caret at `units`
  // (a text position) when undone or redone, as a change of format does in the
  // toolkit's own editor.
  void StepOfItsOwn(size_t units);
  // The editor's cursor set to `cursor`, unless it stands there already.
  void PlaceCursor(const QTextCursor& cursor);
  // True where the cursor stands at a division that an edit left as the user would see
  // it: beside an empty block or a line break within a block (a line on the screen of
  // its own), or within a character (a joiner or a mark at the later block's start).
  bool DivisionNeedsMending(const QTextCursor& cursor) const;
  // Removes such divisions: the blocks beside them are one again.
  void MendDivisions(QTextCursor& cursor);
  struct RemovalRow;
  // Takes back the step of a row of Deletes and Backspaces that removed `restored`
  // units, and removes `row` of the text as one step; false (nothing changed) when the
  // step taken back was not the row's.
  bool RemoveRowAgain(size_t restored, RemovalRow row, bool backspaceLast);
  // `row` kept as the last row of removals, made by the step just done.
  void Remembered(RemovalRow row);
  // Removes `units` of the text at `at` as Deletes of the toolkit's editor would: the
  // rest of a character after what it held apart from it, a step for each piece it
  // holds apart.
  void RemoveRest(size_t at, size_t units, bool after);
  // True when the characters before and after a text position (UTF-16 units) are side
  // by side in the toolkit's own store of the text.
  bool HeldTogether(size_t units) const { return store_.Together(units); }
  // An input method's range of text to replace, `length` units `from` the caret, as the
  // toolkit's editor counts it in the document, where the divisions between count too:
  // the method counts in the text around the caret that the field reports, the block's.
  std::pair<int, int> ReplacedRange(int from, int length) const;
  // With the caret at a division, puts it where text goes in: the earlier block's end.
  void PlaceForInsertion(QTextCursor& cursor) const;
  // True when a division stands at either end of the selection: once it is removed,
  // what goes in goes in beside that division.
  bool MeetsDivision(const QTextCursor& selection) const;
  // Typed text in place of such a selection, as the toolkit's editor types it, with the
  // blocks beside the division joined first (see JoinAtDivision).
  void TypeOverDivision(const QString& text);
  struct Insertion;
  // The change putting `units` in place of the cursor's selection makes to the text.
  Insertion InsertionAt(const QTextCursor& cursor, size_t units, bool apart) const;
  // Mends text_ and divisions_ after the document changed from `position`, `removed`
  // characters replaced by `added`.
  void TakeInChange(int position, int removed, int added);
  void InsertRest();  // the rest of a long text in the document, now
  // Runs `fill`, which puts the text set in the document: no step of the undo history,
  // no edit taken in; the divisions are read afresh after it.
  void FillQuietly(const std::function<void()>& fill);
  void accessibilityActiveChanged(bool active) override;
  void FindDivisions();  // all of them again, from the marks
  // Those before the change stay, those it removed go, those after it move with it,
  // and its own are read from the blocks it made. Answers how many it removed, or -1
  // when the change was misreported and all were read again.
  int TakeInDivisions(int position, int removed, int added);
  // True when the document's change just reported came from undo or redo.
  bool Restoring();
  int DivisionsBefore(int documentPosition) const;
  // Between document positions: divisions left out, every other line break a CR.
  QString TextBetween(int from, int to) const;
  // Positions in the text (UTF-16 units) and in the document, which also counts divisions.
  int TextPosition(int documentPosition) const;
  // A text position where a line was divided is the start of the later block, or with
  // `preferEarlier` the end of the earlier one.
  int DocumentPosition(int textPosition, bool preferEarlier) const;
  int CharactersBefore(int documentPosition) const;
  // The byte offset in text_ of a text position.
  size_t ByteOffset(size_t units) const;

  String text_;
  // Where the document's divisions are (their separators' positions, in order), so
  // that a position is found without going over every block.
  std::vector<int> divisions_;
  // Where the toolkit's own editor would hold each character of the text.
  StoreOrder store_;
  // The change InsertText makes to the text, as the toolkit's editor would make it:
  // the document reports it together with the editor's own mending around it.
  struct Insertion {
    size_t at = 0;
    size_t removed = 0;
    size_t added = 0;
    bool apart = false;  // typed text with line breaks: separators held after it
  };
  std::optional<Insertion> insertion_;
  int undoSteps_ = 0;  // the document's, at the last change taken in
  int redoSteps_ = 0;
  bool stepAdded_ = false;  // since the last change taken in: a step of an edit
  int documentLength_ = 0;  // characters, when divisions_ was brought up to date
  // The text's length in UTF-16 units: the document's, less its last separator and
  // the divisions.
  size_t TextLength() const { return static_cast<size_t>(documentLength_ - 1) - divisions_.size(); }
  // A text position and its byte offset, before which the text is as it was when they
  // were taken: a change near the last one is found from there, not from the start.
  struct Place {
    size_t units = 0;
    size_t bytes = 0;
  } known_;
  quint64 edits_ = 0;
  quint64 changes_ = 0;  // changes the document reported, of the text or its look
  struct Edit {
    size_t start = 0;
    String removed;
    size_t added = 0;
  } lastEdit_;
  // How often the selection was made into data to carry: by a drag, or a copy.
  mutable quint64 drags_ = 0;
  bool settingText_ = false;
  bool composing_ = false;  // the last input method event left a composition shown
  bool quietRestore_ = false;  // a change the editor takes back at once: no edit
  // A row of Deletes and Backspaces, one step of the undo history, which the next
  // removal may join while that step is the last one (undo and redo may take back and
  // put again what came after it, or the step itself): what it removed lay after `at`
  // in the text before it.
  struct RemovalRow {
    size_t at = 0;
    size_t units = 0;
    int undoSteps = -1;  // the document's after it
    // Whether what it removed was held side by side with the text before and after it
    // (see HeldTogether): a removal there joins its step in the toolkit's editor.
    bool before = false;
    bool after = false;
  };
  // Each row of removals among the steps of the undo history not dropped, in the order
  // of their steps: undo may take back a later row, and the next removal then joins
  // the one before it.
  std::vector<RemovalRow> rows_;
  // The row that made the last step of the undo history; one with no step for none.
  RemovalRow LastRow() const;
  // Bytes at the end of the text not yet in the document (none: 0), and whether the
  // separator before them is a division: counted from the end, they stay the same
  // whatever is edited before them.
  size_t restBytes_ = 0;
  bool restContinuesLine_ = false;
};

}  // namespace fw
