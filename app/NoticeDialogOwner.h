#pragma once

#include <QPointer>

class Noticeform;
class QWidget;

// Keeps at most one notice dialog: show() opens it, or brings the open one to the front.
// Closing hides the dialog; it goes with its parent or with the owner, whichever goes first.
class NoticeDialogOwner {
public:
    NoticeDialogOwner() = default;
    NoticeDialogOwner(const NoticeDialogOwner&) = delete;
    NoticeDialogOwner& operator=(const NoticeDialogOwner&) = delete;
    ~NoticeDialogOwner();

    void show(QWidget* parent);

    // The dialog once made (shown or closed), or nullptr.
    Noticeform* dialog() const { return dialog_.data(); }

private:
    QPointer<Noticeform> dialog_;
};
