// Edit fields: text from code and from typing, keys, focus and clicks.
#include "framework/edit_field.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include "framework/edit_field_widget_qt.h"
#include "framework/ibus_replacement.h"
#include "framework/latin_key_qt.h"
#include "framework/text.h"

namespace fw {

String KeyDownText(int key, Qt::KeyboardModifiers mods, const QString& text) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return String(1, '\r');
    case Qt::Key_Backspace: return String(1, '\x08');
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return String(1, '\t');
    case Qt::Key_Escape: return String(1, '\x1b');
    case Qt::Key_Left: return String(1, '\x1c');
    case Qt::Key_Right: return String(1, '\x1d');
    case Qt::Key_Up: return String(1, '\x1e');
    case Qt::Key_Down: return String(1, '\x1f');
    case Qt::Key_Delete: return String(1, '\x7f');
    case Qt::Key_Home: return String(1, '\x01');
    case Qt::Key_End: return String(1, '\x04');
    case Qt::Key_PageUp: return String(1, '\x0b');
    case Qt::Key_PageDown: return String(1, '\x0c');
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Meta: case Qt::Key_Alt:
    case Qt::Key_AltGr: case Qt::Key_CapsLock: case Qt::Key_NumLock: case Qt::Key_ScrollLock:
    case Qt::Key_Super_L: case Qt::Key_Super_R: case Qt::Key_Hyper_L: case Qt::Key_Hyper_R:
      return "";
    default: break;
  }
  // With Ctrl held the text is a control character; the program wants the letter.
  if (mods & Qt::ControlModifier) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
      char c = static_cast<char>('a' + (key - Qt::Key_A));
      return String(1, (mods & Qt::ShiftModifier) ? static_cast<char>(c - 'a' + 'A') : c);
    }
    if (key >= 0x20 && key < 0x7f) return String(1, static_cast<char>(key));
  }
  if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7f) return "";
  return FromQ(text);
}

// --- EditFieldView -------------------------------------------------------------------------

namespace {
// A focus change that is not the field's own contextual menu popping up or its window
// going to the background (or coming back).
bool MovedBetweenControls(QEvent* focusEvent) {
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(focusEvent)->reason();
  return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}
}  // namespace

EditFieldView::EditFieldView(EditField& owner, QWidget* frame) : ControlView(owner, frame), field_(owner) {
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(0, 0, 0, 0);
  Rebuild(false);
}

void EditFieldView::Rebuild(bool multiLine) {
  if (editor_ && (multiLine == (plain_ != nullptr))) return;
  const String keep = editor_ ? text() : String();
  bool hadFocus = editor_ && editor_->hasFocus();
  if (editor_) {
    quiet_ = true;
    editor_->removeEventFilter(this);
    if (plain_) plain_->viewport()->removeEventFilter(this);
    delete editor_;
    quiet_ = false;
  }
  line_ = nullptr;
  plain_ = nullptr;
  editsSeen_ = 0;
  if (multiLine) {
    plain_ = new MultiLineEditor;
    plain_->setTabChangesFocus(true);
    QObject::connect(plain_, &QPlainTextEdit::textChanged, [this] { TextEdited(); });
    Watch(plain_->viewport());
    editor_ = plain_;
  } else {
    line_ = new QLineEdit;
    line_->setMaxLength(std::numeric_limits<int>::max());  // its own limit would cut text set by code
    QObject::connect(line_, &QLineEdit::textChanged, [this] { TextEdited(); });
    editor_ = line_;
  }
  editor_->setContextMenuPolicy(Qt::PreventContextMenu);
  Watch(editor_);
  widget()->layout()->addWidget(editor_);
  widget()->setFocusProxy(editor_);
  setTextQuietly(keep);
  if (hadFocus) editor_->setFocus(Qt::OtherFocusReason);
}

const String& EditFieldView::text() const {
  if (plain_) return plain_->Text();
  if (!lineProgramText_) lineProgramText_ = LFToCR(lineText_);
  return *lineProgramText_;
}

void EditFieldView::setTextQuietly(const String& t) {
  quiet_ = true;
  if (plain_) {
    plain_->SetText(t);
  } else {
    line_->setText(CRToLF(t));
    lineText_ = line_->text();
    lineProgramText_.reset();
  }
  quiet_ = false;
}

int EditFieldView::selStart() const {
  if (plain_) return plain_->SelectionStart();
  return CodePointsBefore(lineText_, line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition());
}

int EditFieldView::selLength() const {
  if (plain_) return plain_->SelectionEnd() - plain_->SelectionStart();
  const int start = line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
  return CodePointsBefore(lineText_, start + line_->selectionLength()) - CodePointsBefore(lineText_, start);
}

void EditFieldView::select(int start, int length) {
  const int size = static_cast<int>(Len(text()));
  start = std::clamp(start, 0, size);
  length = std::clamp(length, 0, size - start);
  if (plain_) {
    plain_->Select(start, start + length);
    return;
  }
  const int from = Utf16PosOf(lineText_, start);
  if (length == 0) line_->setCursorPosition(from);
  else line_->setSelection(from, Utf16PosOf(lineText_, start + length) - from);
}

String EditFieldView::selectedText() const { return plain_ ? plain_->SelectedText() : LFToCR(line_->selectedText()); }

void EditFieldView::insert(const String& t) {
  if (plain_) plain_->InsertText(t);
  else line_->insert(CRToLF(t));
}

void EditFieldView::TextEdited() {
  if (quiet_) return;
  QString lineBefore;
  if (plain_) {
    if (plain_->Edits() == editsSeen_) return;  // a change to the look of the text only
    editsSeen_ = plain_->Edits();
  } else {
    lineBefore = std::exchange(lineText_, line_->text());
    lineProgramText_.reset();
  }
  // The limit binds what the user types or pastes; text set by code is kept whole.
  const int limit = field_.LimitText();
  if (limit > 0) {
    const String before = plain_ ? plain_->TextBeforeLastEdit() : LFToCR(lineBefore);
    const int64_t now = Len(text());
    const int64_t was = Len(before);
    if (now > std::max<int64_t>(limit, was)) {
      // Too long: the edit is refused and the caret goes back to where it was made.
      const auto caret = static_cast<int>(std::max<int64_t>(0, selStart() - (now - was)));
      setTextQuietly(before);
      select(caret, 0);
      return;
    }
  }
  field_._RaiseAction("TextChange");
}

bool EditFieldView::HandleEvent(QWidget* from, QEvent* event) {
  switch (event->type()) {
    case QEvent::ContextMenu: {
      // The menu key asks for a contextual menu where a right click would: the program
      // hears it as that click, at the caret, so its menu is open to the keyboard too.
      // A caret scrolled out of the field is taken at the field's nearest edge: the
      // click stays inside the field and the menu beside it.
      auto* request = static_cast<QContextMenuEvent*>(event);
      if (request->reason() == QContextMenuEvent::Keyboard) {
        const QRect inside = widget()->rect();
        QPoint at = from->mapTo(widget(), request->pos());
        at = QPoint(std::clamp(at.x(), inside.left(), inside.right()), std::clamp(at.y(), inside.top(), inside.bottom()));
        ClickContext context(true);
        MenuPlaceContext place(widget()->mapToGlobal(at));
        field_._RaiseMouse("MouseDown", at.x(), at.y());
      }
      return true;  // the field has no contextual menu of its own
    }
    case QEvent::KeyPress: {
      // A key the line editor leaves alone (Return, Escape) travels on to the frame;
      // it was raised once already, when the editor had it.
      if (from != editor_) return false;
      auto* k = static_cast<QKeyEvent*>(event);
      // Ctrl on a layout without Latin letters goes with the letter printed in the
      // key's place, as the menus' shortcuts do (Ctrl+A selects all there too).
      const Qt::Key latin = LatinKeyInPlaceOf(*k);
      const bool inPlace = (k->modifiers() & Qt::ControlModifier) && latin != Qt::Key_unknown;
      String key = KeyDownText(inPlace ? latin : k->key(), k->modifiers(), k->text());
      if (key.empty()) return false;
      KeyContext context(k->modifiers() & Qt::ControlModifier, k->modifiers() & Qt::ShiftModifier);
      return field_._RaiseKey("KeyDown", key);
    }
    case QEvent::InputMethod: {
      // A dead key or the compose key gives the field no key press of its own: the
      // character it makes is the key the program hears of.
      auto* im = static_cast<QInputMethodEvent*>(event);
      // The toolkit's editors take an input method's text even when read-only, trusting
      // the method not to send any; one that sends it as the focus moves would change it.
      if (field_.ReadOnly()) return true;
      if (auto* line = qobject_cast<QLineEdit*>(from); line && line->hasSelectedText()) {
        const int start = line->selectionStart(), end = line->selectionEnd();
        const auto [first, length] =
            ReplacementAsEditorsCount(im->replacementStart(), im->replacementLength(), line->cursorPosition(), start, end);
        // A range within the selection is the selection to the editor, which takes it
        // away only for an event that puts something in.
        if (length == 0 && im->replacementLength() > 0 && im->commitString().isEmpty() &&
            im->preeditString().isEmpty() && !line->isReadOnly())
          line->del();
        im->setCommitString(im->commitString(), first, length);
      }
      if (from != editor_ || im->commitString().isEmpty()) return false;
      KeyContext context(false, false);
      if (!field_._RaiseKey("KeyDown", FromQ(im->commitString()))) return false;
      QInputMethodEvent rest(im->preeditString(), im->attributes());  // all but what it committed
      QApplication::sendEvent(editor_, &rest);
      return true;
    }
    case QEvent::FocusOut:
      if (!quiet_ && MovedBetweenControls(event)) field_._RaiseAction("LostFocus");
      return false;
    case QEvent::FocusIn:
      // Named as it is reached, as the captions around it change with the day shown
      // and the language.
      if (from == editor_) {
        const QString name = FieldLabel(*widget());
        if (editor_->accessibleName() != name) editor_->setAccessibleName(name);
      }
      if (MovedBetweenControls(event)) field_._RaiseAction("GotFocus");
      return false;
    default:
      return false;
  }
}

// --- EditField -----------------------------------------------------------------------------

EditField::EditField() {
  SetView(std::make_unique<EditFieldView>(*this, new QWidget));
  ApplyFont();
  ApplyLook();
}

EditField::~EditField() = default;

EditFieldView* EditField::_EditView() const { return static_cast<EditFieldView*>(_View()); }
QWidget* EditorOf(const EditField& f) { return f._EditView()->editor(); }

const String& EditField::Text() const { return _EditView()->text(); }

void EditField::SetText(const String& t) {
  _EditView()->setTextQuietly(t);
  // As typing would: at once, whatever the field's state.
  _RaiseAction("TextChange");
}

String EditField::SelText() const { return _EditView()->selectedText(); }
void EditField::SetSelText(const String& t) { _EditView()->insert(t); }
int32_t EditField::SelStart() const { return _EditView()->selStart(); }
void EditField::SetSelStart(int32_t s) { _EditView()->select(std::max(0, s), 0); }
int32_t EditField::SelLength() const { return _EditView()->selLength(); }
void EditField::SetSelLength(int32_t n) { _EditView()->select(_EditView()->selStart(), std::max(0, n)); }

void EditField::SetTextColor(Color c) { textColor_ = c; LookChanged(); }
void EditField::SetBackColor(Color c) { backColor_ = c; LookChanged(); }
void EditField::SetBorder(bool v) { border_ = v; LookChanged(); }
void EditField::SetReadOnly(bool v) { readOnly_ = v; LookChanged(); }
void EditField::SetPassword(bool v) { password_ = v; LookChanged(); }
void EditField::SetAcceptTabs(bool v) { acceptTabs_ = v; LookChanged(); }
void EditField::SetScrollBarHorizontal(bool v) { scrollH_ = v; LookChanged(); }
void EditField::SetScrollBarVertical(bool v) { scrollV_ = v; LookChanged(); }
void EditField::SetLimitText(int32_t n) { limitText_ = n; }  // checked at each edit
void EditField::SetAlignment(int32_t a) { alignment_ = a; LookChanged(); }

void EditField::SetMultiLine(bool v) {
  multiLine_ = v;
  _EditView()->Rebuild(v);
  FontChanged();
  LookChanged();
}

void EditField::LookChanged() {
  if (ApplyingBlob()) lookPending_ = true;
  else ApplyLook();
}

void EditField::_ApplyingProperties(bool started) {
  TextStyledControl::_ApplyingProperties(started);
  if (started || !lookPending_) return;
  lookPending_ = false;
  ApplyLook();
}

void EditField::ApplyFont() {
  TextStyledControl::ApplyFont();
  // The editor takes the font as a whole, so size and style cover all of the text.
  QFont f = FontFor(TextFont(), TextSize(), Bold(), Italic(), Underline());
  _EditView()->editor()->setFont(f);
  if (auto* plain = _EditView()->plain()) plain->document()->setDefaultFont(f);
}

void EditField::ApplyLook() {
  EditFieldView* v = _EditView();
  QWidget* editor = v->editor();
  QPalette pal = editor->palette();
  QColor text = ToQColor(textColor_), base = ToQColor(backColor_);
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::Base, base);
    pal.setColor(group, QPalette::Text, text);
  }
  // Disabled, the field is greyed as desktop programs grey theirs: the background goes
  // halfway to a light grey (an empty field must look disabled too) and the text two
  // thirds of the way to that background.
  const QColor grey(0xD8, 0xD8, 0xD8);
  const QColor greyBase((base.red() + grey.red()) / 2, (base.green() + grey.green()) / 2,
                        (base.blue() + grey.blue()) / 2);
  pal.setColor(QPalette::Disabled, QPalette::Base, greyBase);
  pal.setColor(QPalette::Disabled, QPalette::Text,
               QColor((text.red() + greyBase.red() * 2) / 3, (text.green() + greyBase.green() * 2) / 3,
                      (text.blue() + greyBase.blue() * 2) / 3));
  editor->setPalette(pal);
  Qt::Alignment align = alignment_ == 2 ? Qt::AlignHCenter : alignment_ == 3 ? Qt::AlignRight : Qt::AlignLeft;
  if (auto* line = v->line()) {
    line->setFrame(border_);
    line->setReadOnly(readOnly_);
    line->setEchoMode(password_ ? QLineEdit::Password : QLineEdit::Normal);
    line->setAlignment(align | Qt::AlignVCenter);
  } else if (auto* plain = v->plain()) {
    plain->setFrameShape(border_ ? QFrame::StyledPanel : QFrame::NoFrame);
    plain->setReadOnly(readOnly_);
    plain->setTabChangesFocus(!acceptTabs_);
    // Typing cannot scroll a read-only field, so one without a scroll bar of its own
    // shows one when its text does not fit: all of the text can be read.
    plain->setVerticalScrollBarPolicy(scrollV_     ? Qt::ScrollBarAlwaysOn
                                      : readOnly_ ? Qt::ScrollBarAsNeeded
                                                  : Qt::ScrollBarAlwaysOff);
    plain->setHorizontalScrollBarPolicy(scrollH_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    plain->setLineWrapMode(scrollH_ ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    QTextOption option = plain->document()->defaultTextOption();
    option.setAlignment(align);
    plain->document()->setDefaultTextOption(option);
  }
}

std::optional<EventKind> EditField::EventKindOf(const String& e) const {
  if (e == "TextChange" || e == "LostFocus" || e == "GotFocus") return EventKind::Action;
  if (e == "KeyDown") return EventKind::Key;
  return RectControl::EventKindOf(e);
}

}  // namespace fw
