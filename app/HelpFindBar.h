#pragma once

#include <QTextDocument>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextEdit;

// The find bar under the help page: searches the page as the user types, steps to the next
// or previous match (wrapping round the page's ends) and says plainly when the text is not
// on the page, highlighting nothing then. Enter finds the next match, Shift+Enter the
// previous one, Escape closes the bar (not the help window).
class HelpFindBar : public QWidget {
    Q_OBJECT
public:
    explicit HelpFindBar(QTextEdit& page, QWidget* parent = nullptr);

    // Shows the bar with its text selected and the typing focus in it.
    void open();
    void close();
    void findNext();
    void findPrevious();

    bool notFound() const { return notFound_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Searches from the page's current selection; `fromSelectionStart` lets a growing search
    // text keep the match it already has.
    void find(QTextDocument::FindFlags direction, bool fromSelectionStart);
    void showOutcome(bool found, bool wrapped);

    QTextEdit& page_;
    QLineEdit* text_;
    QLabel* status_;
    bool notFound_ = false;
};
