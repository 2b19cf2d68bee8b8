#pragma once

#include "RecordingPlatformServices.h"
#include "Valkubeform.h"
#include "ValmoraProgram.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A freshly started program, settled after its first activation. The screen it is told of is
// the offscreen platform's own (800 x 600 pixels), so that the centred worksheet lies wholly
// inside the maximised frame and every click lands on it.
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

    RecordingPlatformServices services{QSizeF(12000, 9000),
                                       QStringLiteral("/opt/valmora/bin/valmora")};
    std::unique_ptr<ValmoraProgram> program;
};
