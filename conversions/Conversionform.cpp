#include "Conversionform.h"

#include "engine/Conversion.h"
#include "ConversionBox.h"
#include "ConversionKind.h"
#include "ConversionLayout.h"
#include "ConversionTarget.h"
#include "worksheet/controls/Fonts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

Conversionform::Conversionform(ConversionTarget& target, const QString& conversionKind,
                               const NumberLocale& locale, QWidget* parent)
    : QDialog(parent), target_(target), conversionKind_(conversionKind), locale_(locale),
      scale_(TwipsScale::forScreen(nullptr)) {
    setObjectName(QStringLiteral("Conversionform"));
    setWindowLook();
    createControls();
    setTabOrder();
}

QLineEdit& Conversionform::Conversionbox(int element) const {
    return *boxes_.at(static_cast<std::size_t>(element));
}

QPushButton& Conversionform::Thebutton(int element) const {
    return *buttons_.at(static_cast<std::size_t>(element));
}

// A fixed single border with a close box only, the system's window colours, a bold font.
void Conversionform::setWindowLook() {
    setWindowTitle(QStringLiteral("Conversions"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    placeTwips(*this, ConversionLayout::clientArea, scale_);
    setFixedSize(size());

    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(worksheetFont(8.25, true));
}

void Conversionform::createControls() {
    static const char* const labelCaptions[2] = {"Conversionlabel", "Stock Price"};
    static const char* const buttonCaptions[2] = {"&OK", "&Close"};
    for (std::size_t element = 0; element < 2; ++element) {
        auto* label = new QLabel(QLatin1String(labelCaptions[element]), this);
        label->setObjectName(QStringLiteral("Conversionlabel%1").arg(element));
        placeTwips(*label, ConversionLayout::labels[element], scale_);
        labels_[element] = label;

        auto* box = new ConversionBox(this);
        box->setObjectName(QStringLiteral("Conversionbox%1").arg(element));
        placeTwips(*box, ConversionLayout::boxes[element], scale_);
        QPalette white = box->palette();
        white.setColor(QPalette::Base, Qt::white);
        box->setPalette(white);
        boxes_[element] = box;
        // Assistive technology names each box by its label, the kind's text included.
        label->setBuddy(box);

        auto* button = new QPushButton(QLatin1String(buttonCaptions[element]), this);
        button->setObjectName(QStringLiteral("Thebutton%1").arg(element));
        placeTwips(*button, ConversionLayout::buttons[element], scale_);
        // No default button: Enter in a box moves the focus on and must not press "&OK".
        button->setAutoDefault(false);
        buttons_[element] = button;
    }
    connect(buttons_[0], &QPushButton::clicked, this, &Conversionform::convert);
    connect(buttons_[1], &QPushButton::clicked, this, &Conversionform::reject);
}

// The price box comes first, then the ratio or yield, then the buttons; the labels never
// take the focus.
void Conversionform::setTabOrder() {
    QWidget::setTabOrder(boxes_[1], boxes_[0]);
    QWidget::setTabOrder(boxes_[0], buttons_[0]);
    QWidget::setTabOrder(buttons_[0], buttons_[1]);
}

// A modal dialog becomes the program's active window only by being shown: nothing else of
// the program can take the activation from it. A show that the window system reports (the
// window coming back from minimised) leaves the user's focus where it was.
void Conversionform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        activate();
}

void Conversionform::activate() {
    labels_[0]->setText(conversionKind_);
    boxes_[0]->setFocus();
}

// Enter on a button presses it, as Space does; Escape closes as "&Close" does.
void Conversionform::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// A failure of any kind ends here silently: the dialog stays open with its inputs for the
// user to correct or to close, and nothing has reached the worksheet.
void Conversionform::convert() {
    const std::optional<PerShareFigure> figure = ConversionKind::figureFor(labels_[0]->text());
    if (!figure)
        return;
    const std::optional<ConvertedFigure> converted = convertToPerShare(
        *figure, boxes_[0]->text().toStdString(), boxes_[1]->text().toStdString(), locale_);
    if (!converted)
        return;
    target_.storeFigure(*figure, converted->value);
    target_.writeParameter(*figure, QString::fromStdString(converted->text));
    target_.emptyEditor();
    accept();
    target_.focusEditor();
    target_.recalculate();
}
