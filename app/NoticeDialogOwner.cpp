#include "NoticeDialogOwner.h"

#include "Noticeform.h"

NoticeDialogOwner::~NoticeDialogOwner() {
    delete dialog_.data();
}

void NoticeDialogOwner::show(QWidget* parent) {
    // Closing only hides the dialog: showing it again brings back the same one.
    if (dialog_.isNull())
        dialog_ = new Noticeform(parent);
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}
