#include "Noticeform.h"

#include "app/ProgramVersion.h"
#include "worksheet/controls/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr double textWidthTwips = 5760;

const QString noticeText =
    QStringLiteral("<p><b>Valmora v%1</b></p>").arg(programVersion) +
    QStringLiteral(
        "<p>Valmora computes the theoretic value of one share. From the annual earnings and "
        "dividends per share, their growth rate, a term in years and your target yield it "
        "projects earnings and dividends over the term, values the last year's earnings at the "
        "target yield and discounts everything back to today.</p>"
        "<p>Valmora is a calculation aid, not investment advice. Its figures are only as good "
        "as the assumptions you type in: do not base an investment decision on them alone.</p>"
        "<p>Valmora is free software under the GNU General Public License, version 3 or later "
        "(GPL-3.0-or-later), and comes with no warranty.</p>"
        "<p>Press F1 in the worksheet for the user's guide.</p>");

} // namespace

Noticeform::Noticeform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Noticeform"));
    setWindowTitle(QStringLiteral("Notice"));
    setModal(false);
    // A dialog to read and close: no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* text = new QLabel(noticeText, this);
    text->setObjectName(QStringLiteral("Noticetext"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setFixedWidth(TwipsScale::forScreen(screen()).toPixels(textWidthTwips));

    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Noticeclose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    close->setFocus();
}
