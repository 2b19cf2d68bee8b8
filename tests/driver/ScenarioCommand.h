#pragma once

#include "KeyStroke.h"

#include <QKeySequence>
#include <QPointF>
#include <QString>

#include <vector>

enum class CommandKind {
    Type,
    Key,
    ClickCell,
    ClickDetail,
    Pick,
    Press,
    Release,
    Button,
    Hover,
    HoverHint,
    HoverSheet,
    PadPress,
    PadMove,
    PadRelease,
    Drag,
    Menu,
    Choose,
    Shortcut,
    Answer,
    DialogFocus,
    DialogClick,
    DialogClose,
    NoticeClose,
    CloseWorksheet,
    CloseFrame,
    Show,
    ClickControl,
    ClickScrollbar,
    WheelDetail,
    ClipboardSet,
};

// The answer the next message box gets.
enum class ScriptedAnswer { Yes, No, Cancel, Ok };

// One checked line of a script. Only the fields its kind uses are filled in.
struct ScenarioCommand {
    int line = 0;
    CommandKind kind = CommandKind::Show;
    QString text; // type, clipboard-set: the text; menu, choose, click-control,
                  // click-scrollbar: the name
    std::vector<int> numbers;                // element, position, row and column, or notches
    std::vector<QPointF> points;             // pad positions, in twips
    Qt::MouseButton button = Qt::LeftButton; // NoButton: a move with no button held
    bool outside = false;                    // release: over the bare worksheet
    KeyStroke key;
    QKeySequence sequence;
    ScriptedAnswer answer = ScriptedAnswer::Ok;
};
