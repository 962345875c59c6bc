#include "Text2Box.h"

#include <QAbstractTextDocumentLayout>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace sumire {
namespace {

// The editor turns a CR LF pair into one line break; every other unit of the
// text is one position of the document.
bool isPairedCr(const QString& s, qsizetype i) { return s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n'; }

// Each line break of `s` (CR LF, CR, LF, paragraph or line separator) as LF.
QString withLineFeeds(QString s) {
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return s.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
}

// Characters the editor takes as the end of a paragraph when text is set.
bool endsParagraph(QChar c) { return c == QChar::ParagraphSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1); }

// The document's text for a page: its line breaks as line separators, a
// paragraph break after the line that fills a paragraph, and a break that is
// not in the text where a long line is cut (after a space close before the
// cut when there is one).
struct DocumentText {
    QString text;
    std::vector<int> pieceBreaks;  // text positions of the cuts
    std::vector<int> lineCounts;   // text lines of each paragraph
};

constexpr int kLookBack = 64;

int unitsAfterSpace(const QString& s, qsizetype i) {
    for (int back = 0; back < kLookBack; ++back) {
        const QChar c = s[i - 1 - back];
        if (c == u' ' || c == QChar(0x3000)) return back;
    }
    return 0;
}

DocumentText documentText(const QString& s) {
    DocumentText d;
    d.text.reserve(s.size() + s.size() / Text2Box::kPieceUnits + 1);
    int paragraph = 0, line = 0, lines = 1;
    auto endParagraph = [&](QChar separator) {
        d.text += separator;
        d.lineCounts.push_back(lines);
        paragraph = line = 0;
        lines = 1;
    };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'\r' || c == u'\n') {
            if (isPairedCr(s, i)) ++i;
            if (paragraph >= Text2Box::kParagraphUnits) {
                endParagraph(u'\n');
                continue;
            }
            d.text += QChar::LineSeparator;
            ++paragraph, ++lines;
            line = 0;
            continue;
        }
        if (endsParagraph(c)) {
            endParagraph(c);
            continue;
        }
        if (line >= Text2Box::kPieceUnits && !(c.isLowSurrogate() && s[i - 1].isHighSurrogate())) {
            const int back = unitsAfterSpace(s, i);
            d.text.insert(d.text.size() - back, u'\n');
            d.pieceBreaks.push_back(int(i) - back);
            d.lineCounts.push_back(lines);
            paragraph = line = back;
            lines = 1;
        }
        d.text += c;
        ++paragraph, ++line;
        if (c == QChar::LineSeparator) line = 0, ++lines;
    }
    d.lineCounts.push_back(lines);
    return d;
}

}  // namespace

// The lines of text of a paragraph, kept with it.
struct TextLines : QTextBlockUserData {
    explicit TextLines(int n) : count(n) {}
    int count;
};

Text2Box::Text2Box(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(document(), &QTextDocument::contentsChange, this, &Text2Box::followEdit);
    // A new width drops every layout and counts each paragraph as one line.
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::update, this, [this] { showLineCounts(); });
}

void Text2Box::setText(const QString& text) {
    DocumentText shown = documentText(text);
    settingText_ = true;
    setPlainText(shown.text);
    settingText_ = false;
    text_ = text;
    pieceBreaks_ = std::move(shown.pieceBreaks);
    // Undoing the removal of a cut would put back a line break the text never
    // had, so a page with cuts has no undo.
    document()->setUndoRedoEnabled(pieceBreaks_.empty());
    QTextBlock block = document()->firstBlock();
    for (int count : shown.lineCounts) {
        if (!block.isValid()) break;
        if (count > 1) block.setUserData(new TextLines(count));
        block = block.next();
    }
    showLineCounts();
}

// Until a paragraph is laid out the editor counts it as one line; counting
// its lines of text instead keeps the scroll bar as long as with a paragraph
// a line. The real count replaces it when the paragraph is laid out.
void Text2Box::showLineCounts() {
    if (showingLineCounts_) return;
    bool changed = false;
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        const auto* lines = static_cast<const TextLines*>(block.userData());
        if (!lines || block.layout()->lineCount() > 0 || block.lineCount() >= lines->count) continue;
        block.setLineCount(lines->count);
        changed = true;
    }
    if (!changed) return;
    showingLineCounts_ = true;
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    emit layout->documentSizeChanged(layout->documentSize());
    showingLineCounts_ = false;
}

int Text2Box::documentPosition(int at) const {
    at = std::clamp(at, 0, int(text_.size()));
    auto cut = [&, next = pieceBreaks_.begin()](int i) mutable {
        if (next == pieceBreaks_.end() || *next != i) return 0;
        ++next;
        return 1;
    };
    int doc = 0;
    for (int i = 0; i < at; ++i) {
        doc += cut(i);
        if (isPairedCr(text_, i)) {
            if (i + 1 == at) return doc;  // between CR and LF: on the line break
            ++i;
        }
        ++doc;
    }
    return doc + cut(at);
}

int Text2Box::textPosition(int documentPos) const {
    auto next = pieceBreaks_.begin();
    int i = 0;
    for (int doc = 0; doc < documentPos && i < text_.size(); ++doc) {
        if (next != pieceBreaks_.end() && *next == i) {
            ++next;  // the cut takes a document position and no text
            continue;
        }
        i += isPairedCr(text_, i) ? 2 : 1;
    }
    return i;
}

int Text2Box::selStart() const { return textPosition(textCursor().selectionStart()); }

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

// What the editor's own copy gave before pages were cut: the selected text
// with each line break as LF and no-break spaces as spaces.
QMimeData* Text2Box::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(withLineFeeds(selText()).replace(QChar::Nbsp, u' '));
    return data;
}

void Text2Box::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !source->hasText()) return;
    const QString pasted = source->text();
    if (pasted.size() <= kPieceUnits) return QPlainTextEdit::insertFromMimeData(source);
    // Line breaks become CR LF, as when the editor inserts them itself.
    replaceSelection(withLineFeeds(pasted).replace(u'\n', QStringLiteral("\r\n")));
    ensureCursorVisible();
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
    followPieceBreaks(position, removed, from, to, int(addedText.size()) - (to - from));
    text_ = text_.left(from) + addedText + text_.mid(to);
}

// Cuts before the edit stay, cuts inside what was removed go, cuts after it
// move with the text. A cut at either end of the edit is told by the place of
// its break in the document: before the edit, removed with it, or after it.
void Text2Box::followPieceBreaks(int position, int removed, int from, int to, int delta) {
    std::vector<int> kept;
    kept.reserve(pieceBreaks_.size());
    for (int cut : pieceBreaks_) {
        int breakAt = -1;  // the break's document position, where it matters
        if (cut == from || cut == to) breakAt = documentPosition(cut) - 1;
        if (cut < from || (breakAt >= 0 && breakAt < position)) {
            kept.push_back(cut);
        } else if (cut > to || (breakAt >= position + removed)) {
            kept.push_back(cut + delta);
        }
    }
    pieceBreaks_ = std::move(kept);
}

}  // namespace sumire
