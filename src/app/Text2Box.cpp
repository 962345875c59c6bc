#include "Text2Box.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace sumire {
namespace {

// The editor turns a CR LF pair into one line break; every other unit of the
// text is one position of the document.
bool isPairedCr(const QString& s, int i) {
    return s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n';
}

}  // namespace

Text2Box::Text2Box(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(document(), &QTextDocument::contentsChange, this, &Text2Box::followEdit);
}

void Text2Box::setText(const QString& text) {
    settingText_ = true;
    setPlainText(text);
    settingText_ = false;
    text_ = text;
}

int Text2Box::documentPosition(int at) const {
    at = std::clamp(at, 0, int(text_.size()));
    int doc = 0;
    for (int i = 0; i < at; ++i) {
        if (isPairedCr(text_, i)) {
            if (i + 1 == at) return doc;  // between CR and LF: on the line break
            ++i;
        }
        ++doc;
    }
    return doc;
}

int Text2Box::textPosition(int documentPos) const {
    int i = 0;
    for (int doc = 0; doc < documentPos && i < text_.size(); ++doc) i += isPairedCr(text_, i) ? 2 : 1;
    return i;
}

int Text2Box::selStart() const {
    return textPosition(textCursor().selectionStart());
}

int Text2Box::selLength() const {
    const QTextCursor c = textCursor();
    return textPosition(c.selectionEnd()) - textPosition(c.selectionStart());
}

void Text2Box::select(int start, int length) {
    start = std::clamp(start, 0, int(text_.size()));
    const int end = std::clamp(start + std::max(length, 0), start, int(text_.size()));
    QTextCursor c(document());
    c.setPosition(documentPosition(start));
    c.setPosition(documentPosition(end), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void Text2Box::replaceSelection(const QString& replacement) {
    const int start = selStart();
    const QString text = text_.left(start) + replacement + text_.mid(start + selLength());
    setText(text);
    select(start + int(replacement.size()), 0);
}

// An edit made in the editor (typing, the editor's own cut and paste): the
// same change is made to the exact text, mapped through the line breaks.
void Text2Box::followEdit(int position, int removed, int added) {
    if (settingText_) return;
    const int docLength = document()->characterCount() - 1;  // without the final break
    QTextCursor inserted(document());
    inserted.setPosition(std::min(position, docLength));
    inserted.setPosition(std::min(position + added, docLength), QTextCursor::KeepAnchor);
    QString addedText = inserted.selectedText();
    addedText.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    addedText.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    // The document may report one position more than it had (its final
    // line break); textPosition stops at the end of the text.
    const int from = textPosition(position);
    const int to = textPosition(position + removed);
    text_ = text_.left(from) + addedText + text_.mid(to);
}

}  // namespace sumire
