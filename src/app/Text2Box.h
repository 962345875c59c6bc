#pragma once
// The page text box Text2: plain text only. The box keeps its text exactly as
// it was set (line breaks CR LF, CR or LF as given) although the editor shows
// each of them as one line break; selections and edits are counted in the
// units of that exact text. A line break typed by the user becomes CR LF.
//
// The editor lays its text out a paragraph at a time, and a paragraph in
// whole, so a page of many lines or of one endless line would take seconds.
// The box therefore gathers lines into paragraphs of a few thousand units
// (line breaks inside them are the editor's line separators, which look the
// same) and cuts a longer line into pieces at extra paragraph breaks that
// are not part of the text. Only paragraphs in view are laid out.

#include <QPlainTextEdit>
#include <QString>
#include <vector>

namespace sumire {

class Text2Box : public QPlainTextEdit {
    Q_OBJECT
public:
    // Lines are gathered into one paragraph until it holds this many units;
    // a line is cut into pieces of at most kPieceUnits.
    static constexpr int kParagraphUnits = 4096;
    static constexpr int kPieceUnits = 4096;

    explicit Text2Box(QWidget* parent = nullptr);

    QString text() const { return text_; }
    // Replaces the whole text; the caret goes to the start.
    void setText(const QString& text);

    int selStart() const;
    int selLength() const;
    QString selText() const { return text_.mid(selStart(), selLength()); }
    // Selects `length` characters from `start` (clamped to the text); a
    // length of 0 puts the caret at `start`.
    void select(int start, int length);
    // Replaces the selection (or inserts at the caret) and puts the caret
    // after the inserted text.
    void replaceSelection(const QString& replacement);

    // Position in the editor's document of position `at` of the text, and back.
    // A position where a long line is cut has two document positions, before
    // and after the cut; the text position maps to the one after it.
    int documentPosition(int at) const;
    int textPosition(int documentPos) const;
    // Text positions at which the document has a break that the text has not.
    const std::vector<int>& pieceBreaks() const { return pieceBreaks_; }

protected:
    // The editor's own copy, cut and drag give the text without the cuts.
    QMimeData* createMimeDataFromSelection() const override;
    // A long pasted or dropped text is cut into pieces like a page.
    void insertFromMimeData(const QMimeData* source) override;

private:
    void followEdit(int position, int removed, int added);
    void followPieceBreaks(int position, int removed, int from, int to, int delta);
    void showLineCounts();
    QString text_;
    std::vector<int> pieceBreaks_;
    bool settingText_ = false;
    bool showingLineCounts_ = false;
};

}  // namespace sumire
