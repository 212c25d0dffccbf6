// The standard editing items act on the focused text field: enabled as the field's own
// contextual menu would enable them, and doing what its own keys do.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <functional>
#include <optional>

#include "framework/application_qt.h"
#include "framework/multiline_editor_qt.h"

namespace fw::internal {

namespace {

enum class Edit { Undo, Cut, Copy, Paste, Clear };

struct EditingItem {
  const char* name;
  Edit edit;
};
constexpr EditingItem kEditingItems[] = {
    {"EditUndo", Edit::Undo}, {"EditCut", Edit::Cut},     {"EditCopy", Edit::Copy},
    {"EditPaste", Edit::Paste}, {"EditClear", Edit::Clear},
};

// What the focused field offers, whatever kind of editor it is.
struct FocusedField {
  bool editable = false;
  bool canUndo = false;
  bool selected = false;
  bool textShown = true;  // a password's text never leaves the field
  std::function<void(Edit)> apply;
};

// The multi-line field's own keys cut and remove the selection: they also mend how the
// field holds its text around what they removed, in the same step of the undo history.
void PressKey(QWidget* editor, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(editor, &press);
}
void Cut(QLineEdit* line) { line->cut(); }
void Cut(QPlainTextEdit* plain) { PressKey(plain, Qt::Key_X, Qt::ControlModifier); }
// Removes the selection, as the field's own Delete key does with one.
void ClearSelection(QLineEdit* line) { line->del(); }
void ClearSelection(QPlainTextEdit* plain) { PressKey(plain, Qt::Key_Delete, Qt::NoModifier); }

// Both kinds of editor name the other edits alike.
template <class Editor>
std::function<void(Edit)> ApplyTo(Editor* editor) {
  return [editor](Edit e) {
    switch (e) {
      case Edit::Undo: editor->undo(); break;
      case Edit::Cut: Cut(editor); break;
      case Edit::Copy: editor->copy(); break;
      case Edit::Paste: editor->paste(); break;
      case Edit::Clear: ClearSelection(editor); break;
    }
  };
}

// True when the selection holds text: the multi-line field's may hold no more than
// where it divides a long line, which is no text.
bool HoldsText(const QPlainTextEdit* plain) {
  if (const auto* field = dynamic_cast<const MultiLineEditor*>(plain))
    return field->SelectionHoldsText();
  return plain->textCursor().hasSelection();
}

std::optional<FocusedField> Focused() {
  QWidget* focus = QApplication::focusWidget();
  if (auto* line = qobject_cast<QLineEdit*>(focus)) {
    return FocusedField{!line->isReadOnly(), line->isUndoAvailable(), line->hasSelectedText(),
                        line->echoMode() == QLineEdit::Normal, ApplyTo(line)};
  }
  if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
    return FocusedField{!plain->isReadOnly(), plain->document()->isUndoAvailable(),
                        HoldsText(plain), true, ApplyTo(plain)};
  }
  return std::nullopt;
}

// Asks only whether text is offered, not for the text itself: the menus are brought up
// to date at every shortcut, and on X11 fetching the text waits for its owner to send
// all of it.
bool ClipboardHasText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* offered = clipboard ? clipboard->mimeData() : nullptr;
  return offered && offered->hasText();
}

bool Offers(const FocusedField& f, Edit e) {
  switch (e) {
    case Edit::Undo: return f.editable && f.canUndo;
    case Edit::Cut: return f.editable && f.selected && f.textShown;
    case Edit::Copy: return f.selected && f.textShown;
    case Edit::Paste: return f.editable && ClipboardHasText();
    case Edit::Clear: return f.editable && f.selected;
  }
  return false;
}

const EditingItem* EditingItemNamed(const String& name) {
  for (const EditingItem& item : kEditingItems)
    if (name == item.name) return &item;
  return nullptr;
}

}  // namespace

void EnableEditingItems(MenuItem& root) {
  const std::optional<FocusedField> field = Focused();
  if (!field) return;
  for (const EditingItem& item : kEditingItems)
    if (MenuItem* found = root.Find(item.name); found && Offers(*field, item.edit)) found->Enable();
}

bool ChooseEditingItem(const String& name) {
  const EditingItem* item = EditingItemNamed(name);
  if (!item) return false;
  const std::optional<FocusedField> field = Focused();
  if (!field || !Offers(*field, item->edit)) return false;
  field->apply(item->edit);
  return true;
}

}  // namespace fw::internal
