#pragma once

#include "RecordingPlatformServices.h"
#include "Valkubeform.h"
#include "ValmoraProgram.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A freshly started program on a screen large enough for the window, settled after its
// first activation.
class WorksheetFixture : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<ValmoraProgram>(services);
        program->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
        QCoreApplication::processEvents();
    }
    void TearDown() override { program.reset(); }

    Valkubeform& form() { return program->worksheet(); }

    RecordingPlatformServices services{QSizeF(19200, 14400),
                                       QStringLiteral("/opt/valmora/bin/valmora")};
    std::unique_ptr<ValmoraProgram> program;
};
