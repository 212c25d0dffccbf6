#pragma once
// Qt side of EditField: a frame that holds a QLineEdit (one line) or a MultiLineEditor
// (several lines; plain text only, so pasted rich text arrives flattened).
#include <QLineEdit>
#include <optional>
#include "framework/control_widget_qt.h"
#include "framework/edit_field.h"
#include "framework/multiline_editor_qt.h"

namespace fw {

class EditFieldView : public ControlView {
 public:
  EditFieldView(EditField& owner, QWidget* frame);

  // Replaces the editor by one of the other kind, keeping the text.
  void Rebuild(bool multiLine);
  QWidget* editor() const { return editor_; }
  QLineEdit* line() const { return line_; }
  MultiLineEditor* plain() const { return plain_; }

  // The text in the program's form: UTF-8, CR between lines.
  const String& text() const;
  // Sets the text without raising TextChange (the caller raises it). Line breaks may
  // be LF, CR or CRLF.
  void setTextQuietly(const String& t);
  // The selection in characters (code points) of the text.
  int selStart() const;
  int selLength() const;
  void select(int start, int length);
  String selectedText() const;
  void insert(const String& t);  // replaces the selection, raises TextChange

 protected:
  bool HandleEvent(QWidget* from, QEvent* event) override;

 private:
  void TextEdited();
  EditField& field_;
  QWidget* editor_ = nullptr;
  QLineEdit* line_ = nullptr;
  MultiLineEditor* plain_ = nullptr;
  bool quiet_ = false;
  QString lineText_;  // the one-line editor's text as last reported
  mutable std::optional<String> lineProgramText_;  // the same in the program's form, made once per change
  quint64 editsSeen_ = 0;  // the multi-line editor's edits reported
};

// The key as KeyDown receives it; "" for keys that raise nothing (modifiers alone).
String KeyDownText(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace fw
