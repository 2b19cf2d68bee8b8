#pragma once

#include <QTextBrowser>
#include <QUrl>

// The help viewer's page: shows one HTML document handed over as text, and loads nothing
// else (no pictures, style sheets or other files named in the page), so that an odd page
// can neither read other files nor stall on them.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // Shows `html` as the document at `url`, from its top, with a fresh history. Showing the
    // same url again reloads it, so that a changed file is seen.
    void showDocument(const QUrl& url, const QString& html);

    // The document's url without a position in it.
    QUrl documentUrl() const { return documentUrl_; }
    // Whether the document holds an anchor of that name (a place a link can lead to).
    bool hasAnchor(const QString& name) const;

    // Goes to `target` in the document, as a new step of the history.
    void goTo(const QUrl& target);
    void backward() override;
    void forward() override;

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void keepPlaceOnly();

    QUrl documentUrl_;
    QString documentText_;
};
