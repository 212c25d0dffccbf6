#pragma once
// The editor of a multi-line field: a plain-text editor whose text comes back exactly
// as it went in (the toolkit's own plain-text export turns a no-break space into a
// space); only line breaks (LF, CRLF, U+2028, U+2029) come back as CR, the program's.
//
// The toolkit lays out a whole block again at every change to it, and a block of
// megabytes takes seconds (minutes when it has no break opportunity), so a line longer
// than kLongestBlock is held as several blocks. Each block after the first of a line is
// marked as continuing it: the separator before it is no part of the text. Reading,
// copying and every position given or taken count in the text, and the keys that step
// over one character step over such a division as if it were not there.
#include <QPlainTextEdit>
#include <QString>

namespace fw {

class MultiLineEditor : public QPlainTextEdit {
 public:
  static constexpr int kLongestBlock = 4096;  // UTF-16 units: laid out in well under a millisecond

  // Replaces the text; the caret goes to the start and the undo history starts afresh.
  // Returns the text as Text() now gives it back.
  QString SetText(const QString& text);
  QString Text() const;
  // Replaces the selection, as one step of the undo history.
  void InsertText(const QString& text);

  // Selection in text positions (UTF-16), not document positions.
  int SelectionStart() const;
  int SelectionEnd() const;
  void Select(int start, int end);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  QMimeData* createMimeDataFromSelection() const override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  QString TextBetween(int from, int to) const;
  int TextPosition(int documentPosition) const;
  // A text position where a line was divided is the start of the later block, or with
  // `preferEarlier` the end of the earlier one.
  int DocumentPosition(int textPosition, bool preferEarlier) const;
};

}  // namespace fw
