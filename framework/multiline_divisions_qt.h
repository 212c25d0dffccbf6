#pragma once
// How the multi-line field's editor marks and finds the divisions of a line held as
// several blocks, shared by the editor and its keys.
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>

namespace fw {

inline constexpr int kDivision = QTextFormat::UserProperty + 1;

// True when the separator before the block is a division: the block goes on with the
// line of the block before it. The mark is the separator's own character format (the
// block's character format), not the block's format: when the toolkit merges two
// blocks it keeps the format of one of them, which one depending on where the removal
// started, while a character's format stays with the character through removals,
// undo and redo. So a division goes only with its separator, and every separator
// left keeps its meaning. The first block has none before it.
inline bool ContinuesLine(const QTextBlock& block) {
  return block.position() > 0 && block.charFormat().boolProperty(kDivision);
}

// The cursor moved over the divisions it stands at, so that the next step moves over
// a character of the text. Each move goes over one separator (the first block has none
// before it), so the walk ends at an end of the document at the latest.
void StepOverDivisions(QTextCursor& cursor, bool forward, QTextCursor::MoveMode mode);

// A space put in at `position` and taken out again: no change to the text, but part of
// the step of the undo history it falls in, which undo and redo then leave with the
// caret there, as they leave it after a change of format in the toolkit's own editor.
void PutInAndTakeOut(QTextDocument* doc, int position);

// The last place at or before `at` (UTF-16 units) where a character the user sees, a
// grapheme cluster as the toolkit finds them, ends in `text`, which starts where one
// does; 0 when there is none after the start.
int LastClusterEnd(const QString& text, int at);

}  // namespace fw
