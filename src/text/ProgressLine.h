#pragma once
// A line of progress on a terminal, drawn again in place (a carriage return,
// then the new text) as work goes on. Messages are printed on rows of their
// own: the line is blanked first and drawn again with the next progress.

#include <QString>

class QTextStream;

namespace sumire {

// True when standard error is a terminal, not a pipe or a file: only a
// person watching it is shown progress.
bool standardErrorIsTerminal();

// Items done a second in `seconds`, taken as at least a millisecond.
double perSecond(qint64 done, double seconds);

class ProgressLine {
public:
    explicit ProgressLine(QTextStream& out) : out_(out) {}

    // Draws `text` over the line shown; a shorter text is padded with blanks,
    // so that no end of the longer one stays on the screen.
    void show(const QString& text);
    // Blanks the row and leaves the cursor at its start, for a message.
    void clear();
    // Keeps the line shown and moves on to the next row.
    void end();
    bool shown() const { return width_ > 0; }

private:
    QTextStream& out_;
    qsizetype width_ = 0;  // of the text on the row; 0: nothing
};

}  // namespace sumire
