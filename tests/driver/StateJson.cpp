#include "StateJson.h"

#include "ControlNames.h"
#include "DialogJson.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/HoverLabel.h"
#include "JsonText.h"
#include "worksheet/controls/ListControl.h"
#include "worksheet/controls/PadControl.h"
#include "worksheet/controls/PictureButton.h"
#include "app/ProgramMenus.h"
#include "tests/support/RecordingPlatformServices.h"
#include "worksheet/Valkubeform.h"
#include "app/ValmoraProgram.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QLabel>
#include <QMenu>

namespace {

QString integers(std::initializer_list<int> values) {
    QStringList items;
    for (int value : values)
        items.append(json::number(value));
    return json::array(items);
}

QString twipsRect(const TwipsRect& rect) {
    return json::array({json::number(rect.left), json::number(rect.top), json::number(rect.width),
                        json::number(rect.height)});
}

QString range(const GridControl::Range& range) {
    return integers({range.startRow, range.startColumn, range.endRow, range.endColumn});
}

QString gridColumn(const GridControl& grid, int column, int firstRow, int lastRow) {
    QStringList texts;
    for (int row = firstRow; row <= lastRow; ++row)
        texts.append(json::string(grid.cellText(row, column)));
    return json::array(texts);
}

QString detailRows(const GridControl& grid) {
    if (grid.isHidden())
        return json::null();
    QStringList rows;
    for (int row = 0; row < grid.rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < grid.columnCount(); ++column)
            texts.append(json::string(grid.cellText(row, column)));
        rows.append(json::array(texts));
    }
    return json::array(rows);
}

QString focus() {
    const QString name = ControlNames::focusName(QApplication::focusWidget());
    return name.isEmpty() ? json::null() : json::string(name);
}

// The popup window open now (a menu left open, a context menu): the texts of its entries.
QString popup() {
    const QWidget* open = QApplication::activePopupWidget();
    if (open == nullptr)
        return json::null();
    QStringList entries;
    if (const auto* menu = qobject_cast<const QMenu*>(open)) {
        for (const QAction* entry : menu->actions()) {
            if (!entry->isSeparator())
                entries.append(json::string(entry->text()));
        }
    }
    return json::array(entries);
}

QString hint(const Valkubeform& form) {
    return json::Object()
        .add("text", json::string(form.controls().Yellowbox.text()))
        .add("left", json::number(form.controls().Yellowbox.geometryTwips().left))
        .add("width", json::number(form.controls().Yellowbox.geometryTwips().width))
        .text();
}

QString buttonRects(const Valkubeform& form) {
    QStringList rects;
    for (int element = 0; element < 6; ++element)
        rects.append(twipsRect(form.controls().Thebutton(element).geometryTwips()));
    return json::array(rects);
}

// Element i + 20 keeps the pressed picture of button i.
QString pressedLooks(const Valkubeform& form) {
    QStringList pressed;
    for (int element = 0; element < 6; ++element)
        pressed.append(json::boolean(form.controls().Thebutton(element).picture() ==
                                     form.controls().Thebutton(element + 20).picture()));
    return json::array(pressed);
}

QString menus(const ProgramMenus& programMenus) {
    auto available = [&programMenus](const char* name) {
        const QAction* entry = programMenus.entry(QLatin1String(name));
        return json::boolean(entry != nullptr && entry->isEnabled());
    };
    return json::Object()
        .add("PEtoearnings", available("PEtoearnings"))
        .add("yieldtodividends", available("yieldtodividends"))
        .text();
}

QString valuation(const ValuationState& state) {
    return json::Object()
        .add("earnings", json::number(state.earnings))
        .add("dividends", json::number(state.dividends))
        .add("growthPercent", json::number(state.growthPercent))
        .add("termYears", json::number(state.termYears))
        .add("yieldPercent", json::number(state.yieldPercent))
        .add("theoreticValue", json::number(state.theoreticValue))
        .text();
}

QString messageButtons(MessageButtons buttons) {
    return json::string(buttons == MessageButtons::YesNoCancel ? QStringLiteral("yesnocancel")
                                                               : QStringLiteral("ok"));
}

QString messageIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return json::string(QStringLiteral("information"));
    case MessageIcon::Question:
        return json::string(QStringLiteral("question"));
    case MessageIcon::None:
        break;
    }
    return json::string(QStringLiteral("none"));
}

// The boxes as the user saw them: one without a title of its own carries the program's.
QString messages(RecordingPlatformServices& services) {
    QStringList boxes;
    for (const MessageRequest& box : services.takeMessages()) {
        boxes.append(json::Object()
                         .add("text", json::string(box.text))
                         .add("title", json::string(box.title.isEmpty() ? programTitle : box.title))
                         .add("buttons", messageButtons(box.buttons))
                         .add("icon", messageIcon(box.icon))
                         .text());
    }
    return json::array(boxes);
}

QString strings(const QStringList& texts) {
    QStringList items;
    for (const QString& text : texts)
        items.append(json::string(text));
    return json::array(items);
}

// Plain text on the clipboard, as another program would paste it.
QString clipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText())
        return json::null();
    return json::string(data->text());
}

} // namespace

QString stateJson(ValmoraProgram& program, RecordingPlatformServices& services) {
    const Valkubeform& form = program.worksheet();
    const GridControl& grid = form.controls().Thegrid;
    const GridControl& detail = form.controls().Detailgrid;
    const EditorControl& editor = form.controls().Entry;
    return json::Object()
        .add("caption", json::string(form.windowTitle()))
        .add("titles", gridColumn(grid, 0, 0, 5))
        .add("cells", gridColumn(grid, 1, 1, 5))
        .add("current", integers({grid.row(), grid.column()}))
        .add("selection", range(grid.highlight()))
        .add("editor", json::string(editor.text()))
        .add("editorSelection",
             integers({editor.selectionStartIndex(), editor.selectionLengthCount()}))
        .add("focus", focus())
        .add("holdcalc", json::number(form.Holdcalc()))
        .add("value", json::string(form.controls().Valuebox.text()))
        .add("warning", json::string(form.controls().Warningbox.text()))
        .add("comment", json::string(form.controls().commentbox.text()))
        .add("detail", detailRows(detail))
        .add("detailSelection", detail.isHidden() ? json::null() : range(detail.highlight()))
        .add("yield", json::number(form.controls().Yieldlist.selectedPosition()))
        .add("yieldCount", json::number(form.controls().Yieldlist.count()))
        .add("hint", hint(form))
        .add("buttons", buttonRects(form))
        .add("pressed", pressedLooks(form))
        .add("vline", json::number(form.controls().Picture1.verticalLineX()))
        .add("hline", json::number(form.controls().Picture1.horizontalLineY()))
        .add("menus", menus(program.menus()))
        .add("state", valuation(program.valuation()))
        .add("messages", messages(services))
        .add("beeps", json::number(services.takeBeeps()))
        .add("help", strings(services.takeHelpRequests()))
        .add("helpFile", json::string(program.records().helpFile))
        .add("window", twipsRect(form.outerRect()))
        .add("dialog", conversionsDialogJson())
        .add("notice",
             json::boolean(ControlNames::openWindow(ControlNames::noticeDialog) != nullptr))
        .add("popup", popup())
        .add("detailTopRow", detail.isHidden() ? json::null() : json::number(detail.topRow()))
        .add("clipboard", clipboard())
        .text();
}
