#pragma once

#include <QString>

class RecordingPlatformServices;
class ValmoraProgram;

// The `show` object: what the user sees and what the program holds, one JSON object on one
// line. Reading it changes nothing but the records of message boxes, beeps and help
// requests, which start afresh after each show.
QString stateJson(ValmoraProgram& program, RecordingPlatformServices& services);
