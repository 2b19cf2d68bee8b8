#pragma once

#include "RecordingPlatformServices.h"
#include "worksheet/Valkubeform.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/HoverLabel.h"
#include "worksheet/controls/HoverSurface.h"
#include "worksheet/controls/PictureButton.h"
#include "app/ValmoraProgram.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

// A freshly started program, settled after its first activation. The screen it is told of is
// the offscreen platform's own (800 x 600 pixels), so that the centred worksheet lies wholly
// inside the maximised frame and every click lands on it.
class WorksheetFixture : public ::testing::Test {
protected:
    void SetUp() override { startWith(systemNumberLocale()); }
    void TearDown() override { program.reset(); }

    // Starts the program with the locale's number characters, as the system would give them.
    void startWith(NumberLocale locale) {
        program = std::make_unique<ValmoraProgram>(services, std::move(locale));
        program->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
        QCoreApplication::processEvents();
    }

    Valkubeform& form() { return program->worksheet(); }

    RecordingPlatformServices services{QSizeF(12000, 9000),
                                       QStringLiteral("/opt/valmora/bin/valmora")};
    std::unique_ptr<ValmoraProgram> program;
};
