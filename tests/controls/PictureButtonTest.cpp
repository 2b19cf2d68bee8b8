#include "worksheet/controls/PictureButton.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The colour at a point three quarters into the button, where a picture drawn for a
// smaller size would have left the button bare.
QColor farCorner(PictureButton& button) {
    const QImage image = button.grab().toImage();
    return image.pixelColor(image.width() * 3 / 4, image.height() * 3 / 4);
}

// State: one button, resized again and again. Expected: the picture fills each new size;
// a drawing kept from an earlier size must not be reused.
TEST(PictureButtonDrawing, FillsEverySizeItIsGiven) {
    PictureButton button(0, TwipsScale(96.0));
    button.setPicture(":/test/square-red.svg");
    for (const QSize size : {QSize(24, 22), QSize(48, 44), QSize(12, 11), QSize(48, 44)}) {
        button.resize(size);
        EXPECT_EQ(farCorner(button), QColor(Qt::red)) << size.width() << "x" << size.height();
    }
}

// State: two buttons show the same picture at different sizes. Expected: each draws at its
// own size, whichever was drawn first.
TEST(PictureButtonDrawing, SharedPictureDrawsAtEachButtonsSize) {
    PictureButton small(0, TwipsScale(96.0));
    PictureButton large(10, TwipsScale(96.0));
    small.resize(24, 22);
    large.resize(60, 55);
    small.setPicture(":/test/square-blue.svg");
    large.setPicture(":/test/square-blue.svg");
    EXPECT_EQ(farCorner(small), QColor(Qt::blue));
    EXPECT_EQ(farCorner(large), QColor(Qt::blue));
}

// State: a button given a picture that cannot be read. Expected: it shows nothing, and a
// readable picture given afterwards shows at once.
TEST(PictureButtonDrawing, UnreadablePictureShowsNothingUntilReplaced) {
    PictureButton button(0, TwipsScale(96.0));
    button.resize(24, 22);
    for (const char* unreadable : {":/test/no-such-picture.svg", ":/test/square-red.svg.missing"}) {
        button.setPicture(QString::fromLatin1(unreadable));
        EXPECT_NE(farCorner(button), QColor(Qt::red)) << unreadable;
        button.setPicture(":/test/square-red.svg");
        EXPECT_EQ(farCorner(button), QColor(Qt::red)) << unreadable;
    }
}

} // namespace
