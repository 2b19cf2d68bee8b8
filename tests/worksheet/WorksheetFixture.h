#pragma once

#include "RecordingPlatformServices.h"
#include "Valkubeform.h"
#include "ValmoraProgram.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

// A freshly started program on a screen large enough for the window, settled after its
// first activation.
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

    RecordingPlatformServices services{QSizeF(19200, 14400),
                                       QStringLiteral("/opt/valmora/bin/valmora")};
    std::unique_ptr<ValmoraProgram> program;
};
