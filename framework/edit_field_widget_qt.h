#pragma once
// Qt side of EditField: a frame that holds a QLineEdit (one line) or a QPlainTextEdit
// (several lines; plain text only, so pasted rich text arrives flattened).
#include <QLineEdit>
#include <QPlainTextEdit>
#include "framework/control_widget_qt.h"
#include "framework/edit_field.h"

namespace fw {

class EditFieldView : public ControlView {
 public:
  EditFieldView(EditField& owner, QWidget* frame);

  // Replaces the editor by one of the other kind, keeping the text.
  void Rebuild(bool multiLine);
  QWidget* editor() const { return editor_; }
  QLineEdit* line() const { return line_; }
  QPlainTextEdit* plain() const { return plain_; }

  QString text() const;
  // Sets the text without raising TextChange (the caller raises it).
  void setTextQuietly(const QString& t);
  // Selection in UTF-16 positions.
  int selStart() const;
  int selLength() const;
  void select(int start, int length);
  void insert(const QString& t);  // replaces the selection, raises TextChange

 protected:
  bool HandleEvent(QWidget* from, QEvent* event) override;

 private:
  void TextEdited();
  EditField& field_;
  QWidget* editor_ = nullptr;
  QLineEdit* line_ = nullptr;
  QPlainTextEdit* plain_ = nullptr;
  bool quiet_ = false;
  QString cached_;  // the text as last reported, to tell edits from format changes
};

// The key as KeyDown receives it; "" for keys that raise nothing (modifiers alone).
String KeyDownText(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace fw
