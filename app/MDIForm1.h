#pragma once

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class Valkubeform;

// MDIForm1, the program's frame: a multiple-document window whose one child is the
// worksheet. It carries the caption, the application workspace and the menu bar (built by
// ProgramMenus); it has no behaviour of its own. Closing it closes the worksheet, and the
// worksheet's closing ends the program.
class MDIForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit MDIForm1(QWidget* parent = nullptr);

    // Takes the worksheet in as the frame's one sub-window, giving it and its sub-window the
    // frame's icon, and raises its activation (Valkubeform::activated) each time that
    // sub-window becomes the active window.
    void holdWorksheet(Valkubeform& worksheet);

    QMdiArea& workspace() const { return *workspace_; }
    QMdiSubWindow* worksheetWindow() const { return worksheetWindow_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void raiseWorksheetActivation();

    QMdiArea* workspace_ = nullptr;
    QMdiSubWindow* worksheetWindow_ = nullptr;
    Valkubeform* worksheet_ = nullptr;
};
