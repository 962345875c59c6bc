#pragma once
// The page text box Text2: plain text only. The box keeps its text exactly as
// it was set (line breaks CR LF, CR or LF as given) although the editor shows
// each of them as one line break; selections and edits are counted in the
// units of that exact text. A line break typed by the user becomes CR LF.

#include <QPlainTextEdit>
#include <QString>

namespace sumire {

class Text2Box : public QPlainTextEdit {
    Q_OBJECT
public:
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
    int documentPosition(int at) const;
    int textPosition(int documentPos) const;

private:
    void followEdit(int position, int removed, int added);
    QString text_;
    bool settingText_ = false;
};

}  // namespace sumire
