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

  // The text as the editor last reported it: every change reports it at once. The
  // multi-line editor has CR between lines, the one-line editor LF.
  const QString& text() const { return cached_; }
  // The same in the program's form (UTF-8, CR between lines), made once per change.
  const String& programText() const;
  // The program's form of the text just set, when it is exactly what was set.
  void keepProgramText(const String& t) { programText_ = t; }
  // Sets the text without raising TextChange (the caller raises it). Line breaks may
  // be LF, CR or CRLF.
  void setTextQuietly(const QString& t);
  // Selection in UTF-16 positions of the text.
  int selStart() const;
  int selLength() const;
  void select(int start, int length);
  void insert(const QString& t);  // replaces the selection, raises TextChange

 protected:
  bool HandleEvent(QWidget* from, QEvent* event) override;

 private:
  void TextEdited();
  QString ReadEditor() const;
  void SetCached(QString t);
  EditField& field_;
  QWidget* editor_ = nullptr;
  QLineEdit* line_ = nullptr;
  MultiLineEditor* plain_ = nullptr;
  bool quiet_ = false;
  QString cached_;  // the text as last reported, to tell edits from format changes
  mutable std::optional<String> programText_;
};

// The key as KeyDown receives it; "" for keys that raise nothing (modifiers alone).
String KeyDownText(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace fw
