// TextBox: a QLineEdit, or a QPlainTextEdit when multi-line. Typing sets the model's text (its
// Change runs); the cursor and selection follow into SelStart/SelLength.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "forms/Controls.h"
#include "qtui/ControlViews.h"
#include "qtui/Text.h"

namespace qtui {
namespace {

class TextBoxView : public ControlView {
 public:
  TextBoxView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control) {
    auto& box = ModelAs<forms::TextBox>();
    if (box.MultiLine()) {
      multi_ = new QPlainTextEdit(parent);
      multi_->setTabChangesFocus(true);
      SetWidget(multi_);
      BindPart(multi_->viewport());
      QObject::connect(multi_, &QPlainTextEdit::textChanged, multi_, [this] { Typed(); });
      QObject::connect(multi_, &QPlainTextEdit::cursorPositionChanged, multi_,
                       [this] { CursorMoved(); });
      QObject::connect(multi_, &QPlainTextEdit::selectionChanged, multi_,
                       [this] { CursorMoved(); });
    } else {
      line_ = new QLineEdit(parent);
      SetWidget(line_);
      QObject::connect(line_, &QLineEdit::textEdited, line_, [this] { Typed(); });
      QObject::connect(line_, &QLineEdit::cursorPositionChanged, line_, [this] { CursorMoved(); });
      QObject::connect(line_, &QLineEdit::selectionChanged, line_, [this] { CursorMoved(); });
    }
  }

  void Refresh() override {
    auto& box = ModelAs<forms::TextBox>();
    QString text = box.MultiLine() ? ToQtLines(box.Text()) : ToQt(box.Text());
    if (WidgetText() != text) SetWidgetText(text);
    if (line_) line_->setReadOnly(box.Locked());
    if (multi_) multi_->setReadOnly(box.Locked());
    // Only the box with the focus shows its selection; the others keep it for when the focus
    // comes back, as desktop text boxes do.
    int shownLength = box.HasFocus() ? box.SelLength() : 0;
    if (WidgetSelection() != std::pair{box.SelStart(), shownLength})
      ApplySelection(box.SelStart(), shownLength);
  }

  QSize NaturalSize(int columnWidth) const override {
    return {columnWidth, multi_ ? 72 : line_->sizeHint().height()};
  }

 private:
  QString WidgetText() const { return line_ ? line_->text() : multi_->toPlainText(); }

  void SetWidgetText(const QString& text) {
    if (line_)
      line_->setText(text);
    else
      multi_->setPlainText(text);
  }

  // The widget's selection in the model's byte offsets.
  std::pair<int, int> WidgetSelection() const {
    bool lines = multi_ != nullptr;
    QString text = WidgetText();
    int start, end;
    if (line_) {
      start = line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
      end = line_->hasSelectedText() ? line_->selectionEnd() : start;
    } else {
      QTextCursor cursor = multi_->textCursor();
      start = cursor.selectionStart();
      end = cursor.selectionEnd();
    }
    int from = ModelOffset(text, start, lines);
    return {from, ModelOffset(text, end, lines) - from};
  }

  void ApplySelection(int from, int length) {
    bool lines = multi_ != nullptr;
    QString text = WidgetText();
    int start = QtPosition(text, from, lines);
    int end = QtPosition(text, from + length, lines);
    if (line_) {
      if (end > start)
        line_->setSelection(start, end - start);
      else
        line_->setCursorPosition(start);
    } else {
      QTextCursor cursor = multi_->textCursor();
      cursor.setPosition(start);
      cursor.setPosition(end, QTextCursor::KeepAnchor);
      multi_->setTextCursor(cursor);
    }
  }

  void Typed() {
    auto& box = ModelAs<forms::TextBox>();
    std::string text = multi_ ? FromQtLines(WidgetText()) : FromQt(WidgetText());
    Act([this, &box, text] {
      // A key typed over a selection of the same text changes no text, but the selection is gone.
      bool same = box.Text() == text;
      box.SetText(text);
      // Setting the text leaves the model's caret at the end; where the operator typed is where
      // it is, unless the Change handler rewrote the text or placed the caret itself.
      int end = static_cast<int>(box.Text().size());
      if (same || (box.Text() == text && box.SelStart() == end && box.SelLength() == 0)) {
        auto [start, length] = WidgetSelection();
        box.SetSelection(start, length, forms::Notify::Silent);
      }
    });
  }

  void CursorMoved() {
    // A box losing the focus drops its selection from view, not from the model.
    if (Mirroring() || !Widget()->hasFocus()) return;
    auto& box = ModelAs<forms::TextBox>();
    // Only the caret of the text the model holds; typing reaches the model through Typed.
    std::string text = multi_ ? FromQtLines(WidgetText()) : FromQt(WidgetText());
    if (text != box.Text()) return;
    auto [start, length] = WidgetSelection();
    box.SetSelection(start, length, forms::Notify::Silent);
  }

  QLineEdit* line_ = nullptr;
  QPlainTextEdit* multi_ = nullptr;
};

}  // namespace

std::unique_ptr<ControlView> MakeTextBoxView(FormWindow& window, forms::Control& control,
                                             QWidget* parent) {
  return std::make_unique<TextBoxView>(window, control, parent);
}

}  // namespace qtui
